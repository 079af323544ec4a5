#include "inplacerewrite.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads fd from its start to its end; returns 0 or the errno of the failure.
int readAll(int fd, QByteArray& content) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        content.append(buffer, n);
    }
}

// Replaces fd's whole content; returns 0 or the errno of the failure.
int replaceContent(int fd, const QByteArray& bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0 || ::ftruncate(fd, 0) != 0) return errno;
    if (const int err = writeAll(fd, bytes)) return err;
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

int writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= n;
    }
    return 0;
}

bool mustRewriteInPlace(const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (st.st_nlink > 1) return true;
    const QString folder = QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath();
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) !=
           0;
}

InPlaceRewrite rewriteInPlace(const QString& path, const QByteArray& bytes) {
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return {InPlaceRewrite::NotOpened, errno};
    QByteArray old;
    if (const int err = readAll(fd, old)) {
        ::close(fd);
        return {InPlaceRewrite::NotOpened, err};
    }
    int err = replaceContent(fd, bytes);
    if (err != 0) replaceContent(fd, old);
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) return {InPlaceRewrite::NotWritten, err};
    return {};
}

void keepOwnerAndGroup(int fd, uid_t owner, gid_t group) {
    // Only root may give a file away; anyone may pick one of their groups.
    if (::fchown(fd, owner, group) != 0) {
        // Best effort: failing that too, the file keeps the process' group.
        [[maybe_unused]] const int groupOnly = ::fchown(fd, uid_t(-1), group);
    }
}
