#pragma once

#include <QtGlobal>

#include <memory>

class QString;

// Random-access bytes of a recording, held in a file or in memory. Its size
// is fixed when it is opened; a file that shrinks afterwards reads short.
class KoByteSource
{
public:
    virtual ~KoByteSource() = default;

    qint64 size() const { return m_size; }

    // Copies up to `length` bytes at `offset` into `out` and returns how many
    // were there (0 outside the source).
    virtual qint64 readAt(qint64 offset, char *out, qint64 length) = 0;

    // The bytes are not copied: `data` must outlive the source.
    static std::unique_ptr<KoByteSource> fromMemory(const char *data, qint64 size);
    // Null when the file cannot be opened for reading.
    static std::unique_ptr<KoByteSource> openFile(const QString &path);

protected:
    qint64 m_size = 0;
};
