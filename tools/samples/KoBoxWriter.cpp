#include "tools/samples/KoBoxWriter.h"

#include <QIODevice>
#include <QtEndian>
#include <cmath>
#include <cstring>

KoBoxWriter::KoBoxWriter()
{
    m_buffer.open(QIODevice::ReadWrite);
    m_device = &m_buffer;
}

KoBoxWriter::KoBoxWriter(QIODevice *device)
    : m_device(device)
{
    m_ok = device && device->isOpen() && device->isWritable() && !device->isSequential();
}

void KoBoxWriter::begin(const char *type)
{
    m_open.append(pos());
    u32(0);
    fourcc(type);
}

void KoBoxWriter::end()
{
    if (m_open.isEmpty()) {
        m_ok = false;
        return;
    }
    const qint64 start = m_open.takeLast();
    const qint64 size = pos() - start;
    if (size > qint64(0xffffffffu)) {
        m_ok = false;
        return;
    }
    patchU32(start, quint32(size));
}

void KoBoxWriter::box(const char *type, const QByteArray &payload)
{
    begin(type);
    bytes(payload);
    end();
}

void KoBoxWriter::fullBoxHeader(quint8 version, quint32 flags)
{
    u8(version);
    u24(flags);
}

void KoBoxWriter::u8(quint8 v)
{
    write(reinterpret_cast<const char *>(&v), 1);
}

void KoBoxWriter::u16(quint16 v)
{
    uchar b[2];
    qToBigEndian(v, b);
    write(reinterpret_cast<const char *>(b), 2);
}

void KoBoxWriter::u24(quint32 v)
{
    const char b[3] = {char(v >> 16), char(v >> 8), char(v)};
    write(b, 3);
}

void KoBoxWriter::u32(quint32 v)
{
    uchar b[4];
    qToBigEndian(v, b);
    write(reinterpret_cast<const char *>(b), 4);
}

void KoBoxWriter::u64(quint64 v)
{
    uchar b[8];
    qToBigEndian(v, b);
    write(reinterpret_cast<const char *>(b), 8);
}

void KoBoxWriter::fixed16(double v)
{
    u32(quint32(qint32(std::lround(v * 65536.0))));
}

void KoBoxWriter::fixed8(double v)
{
    u16(quint16(qint16(std::lround(v * 256.0))));
}

void KoBoxWriter::fourcc(const char *type)
{
    char t[4] = {' ', ' ', ' ', ' '};
    const size_t n = type ? std::min<size_t>(4, std::strlen(type)) : 0;
    std::memcpy(t, type, n);
    write(t, 4);
}

void KoBoxWriter::bytes(const QByteArray &data)
{
    write(data.constData(), data.size());
}

void KoBoxWriter::bytes(const char *data, qint64 size)
{
    write(data, size);
}

void KoBoxWriter::zeros(qint64 count)
{
    static const char block[4096] = {};
    while (count > 0) {
        const qint64 n = std::min<qint64>(count, sizeof block);
        write(block, n);
        count -= n;
    }
}

void KoBoxWriter::unityMatrix()
{
    const quint32 m[9] = {0x00010000, 0, 0, 0, 0x00010000, 0, 0, 0, 0x40000000};
    for (quint32 v : m)
        u32(v);
}

void KoBoxWriter::patchU32(qint64 position, quint32 v)
{
    if (!m_ok)
        return;
    const qint64 here = pos();
    uchar b[4];
    qToBigEndian(v, b);
    if (!m_device->seek(position) || m_device->write(reinterpret_cast<const char *>(b), 4) != 4 ||
        !m_device->seek(here))
        m_ok = false;
}

qint64 KoBoxWriter::pos() const
{
    return m_device ? m_device->pos() : 0;
}

QByteArray KoBoxWriter::makeBox(const char *type, const QByteArray &payload)
{
    KoBoxWriter w;
    w.box(type, payload);
    return w.data();
}

QByteArray KoBoxWriter::makeFullBox(const char *type, quint8 version, quint32 flags,
                                    const QByteArray &payload)
{
    KoBoxWriter w;
    w.begin(type);
    w.fullBoxHeader(version, flags);
    w.bytes(payload);
    w.end();
    return w.data();
}

void KoBoxWriter::write(const char *data, qint64 size)
{
    if (!m_ok || size <= 0)
        return;
    if (m_device->write(data, size) != size)
        m_ok = false;
}
