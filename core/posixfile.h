#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The design file's system calls, kept apart from its format. Reads go
// straight to the descriptor, a block at a time, so that the reader stops
// where the design ends: nothing past it is read, and a device that never
// ends cannot hold the program. Saves replace a file only once its new
// content is entirely on disk.

// A file descriptor, closed on every path out.
class PosixFile {
public:
    // Takes over fd; a negative fd is no file.
    explicit PosixFile(int fd)
        : m_fd(fd) {}
    PosixFile(PosixFile&& other) noexcept
        : m_fd(other.m_fd) {
        other.m_fd = -1;
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;
    PosixFile& operator=(PosixFile&&) = delete;
    ~PosixFile();

    // Opens path for reading. Throws FileError.
    static PosixFile openForReading(const QString& path);

    int descriptor() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Reads up to size bytes, again when interrupted: the count read, 0 at
    // the end, or -1 with errno set.
    ssize_t read(char* buffer, size_t size);
    // Closes now and returns the errno of a failed close, or 0.
    int close();

private:
    int m_fd;
};

// Writes bytes to path as a design save does (see writeQvlFile): a link is
// followed; a device or pipe is written in place; a regular file is replaced
// by a new one beside it that keeps its mode, owner and group, or rewritten
// in place when a rename cannot serve. Throws FileError naming path.
void writeFileSafely(const QString& path, const QByteArray& bytes);
