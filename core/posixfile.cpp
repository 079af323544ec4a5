#include "posixfile.h"

#include "fileerror.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PosixFile::~PosixFile() {
    if (m_fd >= 0) ::close(m_fd);
}

namespace {

bool regularOrFolder(mode_t mode) {
    return S_ISREG(mode) || S_ISDIR(mode);
}

} // namespace

PosixFile PosixFile::openForReading(const QString& path, FileKinds kinds) {
    const QByteArray name = QFile::encodeName(path);
    const bool regularOnly = kinds == FileKinds::RegularOnly;
    struct stat st;
    if (regularOnly && ::stat(name.constData(), &st) == 0 && !regularOrFolder(st.st_mode))
        throw notRegularFileError(path);
    // Should the path have become a pipe since, opening it does not wait for
    // a writer either.
    const int flags = O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0);
    int fd;
    do {
        fd = ::open(name.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throw FileError::fromErrno(errno, path);
    PosixFile file(fd);
    if (regularOnly) {
        if (::fstat(fd, &st) != 0) throw FileError::fromErrno(errno, path);
        if (!regularOrFolder(st.st_mode)) throw notRegularFileError(path);
    }
    return file;
}

ssize_t PosixFile::read(char* buffer, size_t size) {
    ssize_t n;
    do {
        n = ::read(m_fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

int PosixFile::close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
}
