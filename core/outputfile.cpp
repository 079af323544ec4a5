#include "outputfile.h"

#include "quarvelerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QuarvelError writeError() {
    return QuarvelError(QStringLiteral("Erreur d'écriture dans le flux"));
}

QuarvelError createError(const QString& path) {
    return QuarvelError(QStringLiteral("Impossible de créer le fichier %1").arg(path));
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= n;
    }
    return true;
}

bool rewrite(int fd, const QByteArray& bytes) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && ::ftruncate(fd, 0) == 0 && writeAll(fd, bytes) &&
           ::fsync(fd) == 0;
}

// The folder refuses a temporary file, but the file itself may be written:
// rewrite it in place, and put the old content back if that fails half-way.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) throw createError(path);
    QFile reader;
    QByteArray old;
    bool readOk = reader.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    if (readOk) {
        old = reader.readAll();
        readOk = reader.error() == QFileDevice::NoError;
        reader.close();
    }
    if (!readOk) {
        ::close(fd);
        throw createError(path);
    }
    const bool written = rewrite(fd, bytes);
    if (!written) rewrite(fd, old);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) throw writeError();
}

void writeToDevice(const QString& path, const QByteArray& bytes) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly)) throw createError(path);
    if (device.write(bytes) != bytes.size() || !device.flush()) throw writeError();
    device.close();
    if (device.error() != QFileDevice::NoError) throw writeError();
}

} // namespace

void writeOutputFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    // A pipe or device is written to: renaming a file over it would replace
    // the device itself.
    if (target.exists() && !target.isFile() && !target.isDir()) {
        writeToDevice(path, bytes);
        return;
    }
    // Renaming would also replace a file the user may not write to.
    if (target.isFile() && !target.isWritable()) throw createError(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isFile() && folder.isDir() && !folder.isWritable()) {
        writeInPlace(path, bytes);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw createError(path);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw writeError();
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::WriteError) throw writeError();
        throw createError(path);
    }
}
