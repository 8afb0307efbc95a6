#include "gps/KoByteSource.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

class MemorySource : public KoByteSource
{
public:
    MemorySource(const char *data, qint64 size)
        : m_data(data)
    {
        m_size = data ? qMax<qint64>(size, 0) : 0;
    }

    qint64 readAt(qint64 offset, char *out, qint64 length) override
    {
        if (offset < 0 || offset >= m_size || length <= 0)
            return 0;
        const qint64 n = qMin(length, m_size - offset);
        memcpy(out, m_data + offset, size_t(n));
        return n;
    }

private:
    const char *m_data;
};

// Reads with pread through two small windows: a chunk table and the blocks it
// points at are read alternately without throwing each other out, and a
// scattered 120-byte block costs one small read.
class FileSource : public KoByteSource
{
public:
    bool open(const QString &path)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return false;
        m_fd = m_file.handle();
        m_size = qMax<qint64>(m_file.size(), 0);
        return m_fd >= 0;
    }

    qint64 readAt(qint64 offset, char *out, qint64 length) override
    {
        if (offset < 0 || offset >= m_size || length <= 0)
            return 0;
        length = qMin(length, m_size - offset);
        if (length > kWindowSize / 2)
            return readFully(offset, out, length);
        for (int i = 0; i < 2; ++i) {
            Window &w = m_windows[i];
            if (w.start >= 0 && offset >= w.start && offset - w.start + length <= w.length) {
                memcpy(out, w.data + (offset - w.start), size_t(length));
                m_lastUsed = i;
                return length;
            }
        }
        // Refill the window used least recently: 256 bytes from the read on, or,
        // when the reads run on from its end (a chunk table), twice as much
        // as last time, up to the whole window.
        m_lastUsed ^= 1;
        Window &w = m_windows[m_lastUsed];
        const qint64 oldEnd = w.start + w.length;
        const bool runsOn = w.start >= 0 && offset >= oldEnd - 512 && offset <= oldEnd + 512;
        w.span = runsOn ? qMin(2 * w.span, kWindowSize) : kSmallSpan;
        w.start = offset & ~qint64(63);
        const qint64 wanted = qMax(w.span, offset - w.start + length);
        w.length = readFully(w.start, w.data, qMin(wanted, m_size - w.start));
        const qint64 n = qBound<qint64>(0, w.start + w.length - offset, length);
        memcpy(out, w.data + (offset - w.start), size_t(n));
        return n;
    }

private:
    static constexpr qint64 kWindowSize = 8192;
    static constexpr qint64 kSmallSpan = 256;

    struct Window
    {
        qint64 start = -1;
        qint64 length = 0;
        qint64 span = kSmallSpan;
        char data[kWindowSize];
    };

    qint64 readFully(qint64 offset, char *out, qint64 length)
    {
        qint64 done = 0;
        while (done < length) {
            const ssize_t n = ::pread(m_fd, out + done, size_t(length - done), off_t(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }

    QFile m_file;
    int m_fd = -1;
    Window m_windows[2];
    int m_lastUsed = 0;
};

} // namespace

std::unique_ptr<KoByteSource> KoByteSource::fromMemory(const char *data, qint64 size)
{
    return std::make_unique<MemorySource>(data, size);
}

std::unique_ptr<KoByteSource> KoByteSource::openFile(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    auto source = std::make_unique<FileSource>();
    if (!source->open(path))
        return nullptr;
    return source;
}
