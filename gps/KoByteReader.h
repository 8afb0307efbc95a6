#pragma once

#include <QtGlobal>

class KoByteSource;

// Bounds-checked view of a byte source: a window [0, size) of it. Bytes
// outside the window or past the end of the source read as zero, so a
// reader limited to one box can never see the bytes of its neighbours.
// Offsets are relative to the window and may be negative.
class KoByteReader
{
public:
    KoByteReader() = default;
    explicit KoByteReader(KoByteSource *source);

    qint64 size() const { return m_length; }

    // The part of [offset, offset + length) that lies inside this window.
    KoByteReader sub(qint64 offset, qint64 length) const;

    // Fills `length` bytes of `out`; returns how many came from the source.
    qint64 read(qint64 offset, void *out, qint64 length) const;

    quint16 be16(qint64 offset) const;
    quint32 be32(qint64 offset) const;
    quint64 be64(qint64 offset) const;

    static quint32 bigEndian32(const uchar *p)
    {
        return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
    }
    static quint32 littleEndian32(const uchar *p)
    {
        return quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
    }

private:
    KoByteSource *m_source = nullptr;
    qint64 m_base = 0;
    qint64 m_length = 0;
};
