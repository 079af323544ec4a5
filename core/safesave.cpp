#include "safesave.h"

#include "posixfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// A failure whose error number was lost on the way counts as an I/O error.
[[noreturn]] void fail(SaveFailure::Stage stage, int errnoValue) {
    throw SaveFailure(stage, errnoValue != 0 ? errnoValue : EIO);
}

// Writes all of bytes to fd, again after short and interrupted writes.
// Returns 0 or the errno of the failure.
int writeAll(int fd, QByteArrayView bytes) {
    const char* p = bytes.data();
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

OutputSink sinkTo(int fd) {
    return [fd](QByteArrayView piece) {
        if (const int err = writeAll(fd, piece)) fail(SaveFailure::Write, err);
    };
}

QByteArray gathered(const OutputProducer& produce) {
    QByteArray bytes;
    produce([&bytes](QByteArrayView piece) { bytes.append(piece); });
    return bytes;
}

int openRetrying(const QString& path, int flags) {
    int fd;
    do {
        fd = ::open(encoded(path).constData(), flags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The path a save replaces: a link's target, so that the link stays.
QString followLink(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink()) return path;
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

bool inOwnGroups(gid_t group) {
    if (group == ::getegid()) return true;
    std::vector<gid_t> groups(std::size_t(std::max(::getgroups(0, nullptr), 0)));
    const int n = ::getgroups(int(groups.size()), groups.data());
    return n > 0 && std::find(groups.begin(), groups.begin() + n, group) != groups.begin() + n;
}

// Whether a new file can be given the old one's owner and group: root gives
// any, another user only a file of its own and one of its groups.
bool canKeepOwnerAndGroup(const struct stat& existing) {
    const uid_t self = ::geteuid();
    if (self == 0) return true;
    return existing.st_uid == self && inOwnGroups(existing.st_gid);
}

bool mustRewriteInPlace(const QString& target, const struct stat& existing) {
    if (existing.st_nlink > 1 || !canKeepOwnerAndGroup(existing)) return true;
    const QByteArray folder = encoded(QFileInfo(target).absolutePath());
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0;
}

// Best effort, as a file system without owners (FAT) refuses both.
void keepOwnerModeAndGroup(int fd, const struct stat& existing) {
    // The owner first: a change of owner may clear mode bits.
    [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
    [[maybe_unused]] const int moded = ::fchmod(fd, existing.st_mode & 07777);
}

// Best effort: the rename itself reaches the disk with its folder.
void syncFolder(const QString& folder) {
    const int fd = openRetrying(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void writeNewFile(const QString& target, const OutputProducer& produce,
                  const struct stat* existing) {
    QSaveFile file(target);
    // The pieces go straight to the descriptor, each write checked here: Qt
    // 6.4's commit() misses a failure to write out its own buffer.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(SaveFailure::Create, errno);
    const int fd = file.handle();
    // An exception leaves the new file to QSaveFile, which removes it.
    produce(sinkTo(fd));
    if (existing) keepOwnerModeAndGroup(fd, *existing);
    if (::fsync(fd) != 0) fail(SaveFailure::Write, errno);
    errno = 0;
    if (!file.commit()) fail(SaveFailure::Write, errno);
    syncFolder(QFileInfo(target).absolutePath());
}

// Reads fd from where it stands to its end; returns 0 or the errno.
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
int replaceContent(int fd, QByteArrayView bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0 || ::ftruncate(fd, 0) != 0) return errno;
    if (const int err = writeAll(fd, bytes)) return err;
    return ::fsync(fd) == 0 ? 0 : errno;
}

void rewriteInPlace(const QString& target, const QByteArray& bytes) {
    // Should the path have become a pipe since it was looked at, opening
    // does not wait for another program.
    PosixFile file(openRetrying(target, O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) fail(SaveFailure::Create, errno);
    struct stat st;
    if (::fstat(file.descriptor(), &st) != 0) fail(SaveFailure::Create, errno);
    if (!S_ISREG(st.st_mode)) throw SaveFailure(SaveFailure::NotRegular, 0);
    QByteArray old;
    if (const int err = readAll(file.descriptor(), old)) fail(SaveFailure::Create, err);
    if (const int err = replaceContent(file.descriptor(), bytes)) {
        replaceContent(file.descriptor(), old);
        fail(SaveFailure::Write, err);
    }
    if (const int err = file.close()) fail(SaveFailure::Write, err);
}

// A pipe or device: there is nothing to rename over, it is written to.
void writeToDevice(const QString& target, const OutputProducer& produce) {
    PosixFile file(openRetrying(target, O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!file.isOpen()) fail(SaveFailure::Create, errno);
    produce(sinkTo(file.descriptor()));
    if (const int err = file.close()) fail(SaveFailure::Write, err);
}

} // namespace

void saveFile(const QString& path, const OutputProducer& produce, FileKinds kinds) {
    const QString target = followLink(path);
    struct stat st;
    if (::stat(encoded(target).constData(), &st) != 0) {
        if (errno != ENOENT) fail(SaveFailure::Create, errno);
        writeNewFile(target, produce, nullptr);
        return;
    }
    if (S_ISDIR(st.st_mode)) fail(SaveFailure::Create, EISDIR);
    if (!S_ISREG(st.st_mode)) {
        if (kinds == FileKinds::RegularOnly) throw SaveFailure(SaveFailure::NotRegular, 0);
        writeToDevice(target, produce);
        return;
    }
    // Renaming would replace even a file the user may not write to: it is
    // refused, as opening it for writing would be.
    if (::faccessat(AT_FDCWD, encoded(target).constData(), W_OK, AT_EACCESS) != 0)
        fail(SaveFailure::Create, errno);
    if (mustRewriteInPlace(target, st))
        rewriteInPlace(target, gathered(produce));
    else
        writeNewFile(target, produce, &st);
}
