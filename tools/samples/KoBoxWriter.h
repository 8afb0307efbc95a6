#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QVector>

class QIODevice;

// Writes ISO base media / QuickTime box structures: big-endian fields, boxes
// opened with begin() and closed with end(), which patches the size field.
// Writes either into its own memory buffer or onto a seekable device (a file
// being written), so that large payloads can stream straight to disk.
//
//     KoBoxWriter w;
//     w.begin("moov");
//     w.begin("mvhd"); w.fullBoxHeader(0, 0); ...; w.end();
//     w.end();
//     file.write(w.data());
class KoBoxWriter
{
public:
    KoBoxWriter();
    explicit KoBoxWriter(QIODevice *device);
    KoBoxWriter(const KoBoxWriter &) = delete;
    KoBoxWriter &operator=(const KoBoxWriter &) = delete;

    // Opens a box: writes a placeholder size and the four-character type.
    void begin(const char *type);
    // Closes the innermost open box, writing its size. A box of 4 GiB or more
    // cannot be expressed in the 32-bit size field: the writer turns failed.
    void end();
    int depth() const { return m_open.size(); }

    // A complete box in one call, for small leaf boxes.
    void box(const char *type, const QByteArray &payload);
    // Version byte and 24-bit flags of a "full box".
    void fullBoxHeader(quint8 version, quint32 flags);

    void u8(quint8 v);
    void u16(quint16 v);
    void u24(quint32 v);
    void u32(quint32 v);
    void u64(quint64 v);
    void i16(qint16 v) { u16(quint16(v)); }
    void i32(qint32 v) { u32(quint32(v)); }
    // 16.16 and 8.8 fixed point.
    void fixed16(double v);
    void fixed8(double v);
    void fourcc(const char *type);
    void bytes(const QByteArray &data);
    void bytes(const char *data, qint64 size);
    void zeros(qint64 count);
    // A QuickTime/MP4 unity transformation matrix (36 bytes).
    void unityMatrix();

    // Overwrites a big-endian 32-bit value at an absolute position already
    // written, for offsets known only later (chunk tables, index entries).
    void patchU32(qint64 position, quint32 v);

    qint64 pos() const;
    // False once a write failed or a box outgrew its size field.
    bool ok() const { return m_ok; }
    // Everything written, for a writer on its own buffer.
    QByteArray data() const { return m_buffer.data(); }

    // One box as bytes: size, type, payload. The helper tests use to build
    // structures in code.
    static QByteArray makeBox(const char *type, const QByteArray &payload);
    static QByteArray makeFullBox(const char *type, quint8 version, quint32 flags, const QByteArray &payload);

private:
    void write(const char *data, qint64 size);

    QBuffer m_buffer;
    QIODevice *m_device = nullptr;
    QVector<qint64> m_open;
    bool m_ok = true;
};
