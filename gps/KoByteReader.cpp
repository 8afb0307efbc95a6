#include "gps/KoByteReader.h"

#include "gps/KoByteSource.h"

#include <cstring>

KoByteReader::KoByteReader(KoByteSource *source)
    : m_source(source)
    , m_length(source ? source->size() : 0)
{}

KoByteReader KoByteReader::sub(qint64 offset, qint64 length) const
{
    KoByteReader r;
    r.m_source = m_source;
    const qint64 start = qBound<qint64>(0, offset, m_length);
    const qint64 end = length <= 0 || offset >= m_length ? start : qBound(start, offset + length, m_length);
    r.m_base = m_base + start;
    r.m_length = end - start;
    return r;
}

qint64 KoByteReader::read(qint64 offset, void *out, qint64 length) const
{
    if (length <= 0)
        return 0;
    memset(out, 0, size_t(length));
    if (!m_source || offset >= m_length || offset <= -length)
        return 0;
    const qint64 skip = offset < 0 ? -offset : 0;
    const qint64 start = offset + skip;
    const qint64 n = qMin(length - skip, m_length - start);
    return m_source->readAt(m_base + start, static_cast<char *>(out) + skip, n);
}

quint16 KoByteReader::be16(qint64 offset) const
{
    uchar b[2];
    read(offset, b, 2);
    return quint16(b[0] << 8 | b[1]);
}

quint32 KoByteReader::be32(qint64 offset) const
{
    uchar b[4];
    read(offset, b, 4);
    return bigEndian32(b);
}

quint64 KoByteReader::be64(qint64 offset) const
{
    uchar b[8];
    read(offset, b, 8);
    return quint64(bigEndian32(b)) << 32 | bigEndian32(b + 4);
}
