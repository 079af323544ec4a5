#include "posixfile.h"

#include "fileerror.h"
#include "inplacerewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PosixFile::~PosixFile() {
    if (m_fd >= 0) ::close(m_fd);
}

PosixFile PosixFile::openForReading(const QString& path) {
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throw FileError::fromErrno(errno, path);
    return PosixFile(fd);
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

namespace {

QByteArray encodedPath(const QString& path) {
    return QFile::encodeName(path);
}

// Devices and pipes cannot be replaced by renaming: they are written in place.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    PosixFile file(::open(encodedPath(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!file.isOpen()) throw FileError::fromErrno(errno, path);
    if (const int err = writeAll(file.descriptor(), bytes)) throw FileError::fromErrno(err, path);
    if (const int err = file.close()) throw FileError::fromErrno(err, path);
}

// A new file next to the target with a name nobody uses; 0666 less the umask,
// like any new file. The name is short whatever the target's, so that a
// target named at the system's length limit can still be saved.
int createTemporary(const QString& folder, QByteArray& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            QStringLiteral(".quarvel-%1.tmp")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        tempPath = encodedPath(QDir(folder).filePath(name));
        const int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void writeReplacing(const QString& path, const QString& target, const QByteArray& bytes,
                    const struct stat* existing) {
    const QFileInfo info(target);
    QByteArray tempPath;
    PosixFile file(createTemporary(info.absolutePath(), tempPath));
    if (!file.isOpen()) throw FileError::fromErrno(errno, path);

    int err = writeAll(file.descriptor(), bytes);
    if (err == 0 && existing) {
        // Keep the owner, group and permissions of the design being replaced
        // (the owner first: a change of owner may clear mode bits).
        keepOwnerAndGroup(file.descriptor(), existing->st_uid, existing->st_gid);
        if (::fchmod(file.descriptor(), existing->st_mode & 07777) != 0) err = errno;
    }
    if (err == 0 && ::fsync(file.descriptor()) != 0) err = errno;
    const int closeErr = file.close();
    if (err == 0) err = closeErr;
    if (err == 0 && ::rename(tempPath.constData(), encodedPath(target).constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tempPath.constData());
        throw FileError::fromErrno(err, path);
    }
    // Best effort: the rename itself reaches the disk with the folder.
    const int folderFd =
        ::open(encodedPath(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

} // namespace

void writeFileSafely(const QString& path, const QByteArray& bytes) {
    // A link is followed, so that the design it points to is the one replaced.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty()) target = resolved;
    }
    struct stat st;
    const bool exists = ::stat(encodedPath(target).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        writeInPlace(path, bytes);
        return;
    }
    // Renaming would replace even a design the user may not write to: refuse
    // it, as opening it for writing would.
    if (exists && S_ISREG(st.st_mode) &&
        ::faccessat(AT_FDCWD, encodedPath(target).constData(), W_OK, AT_EACCESS) != 0)
        throw FileError::fromErrno(errno, path);
    if (exists && S_ISREG(st.st_mode) && mustRewriteInPlace(target)) {
        const InPlaceRewrite rewrite = rewriteInPlace(target, bytes);
        if (rewrite.outcome != InPlaceRewrite::Written)
            throw FileError::fromErrno(rewrite.errnoValue, path);
        return;
    }
    writeReplacing(path, target, bytes, exists && S_ISREG(st.st_mode) ? &st : nullptr);
}
