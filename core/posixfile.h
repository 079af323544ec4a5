#pragma once

#include "filekinds.h"

#include <QString>

#include <sys/types.h>

// The design file's system calls, kept apart from its format. Reads go
// straight to the descriptor, a block at a time, so that the reader stops
// where the design ends: nothing past it is read, and a device that never
// ends cannot hold the program. (Saves: see safesave.h.)

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

    // Opens path for reading. With FileKinds::RegularOnly anything but a
    // regular file (or a folder, refused when read) is refused without
    // waiting for a pipe's writer. Throws FileError, or the error of
    // notRegularFileError.
    static PosixFile openForReading(const QString& path, FileKinds kinds);

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
