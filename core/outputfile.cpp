#include "outputfile.h"

#include "inplacerewrite.h"
#include "quarvelerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

QuarvelError writeError() {
    return QuarvelError(QStringLiteral("Erreur d'écriture dans le flux"));
}

QuarvelError createError(const QString& path) {
    return QuarvelError(QStringLiteral("Impossible de créer le fichier %1").arg(path));
}

// The file is rewritten in place (see mustRewriteInPlace).
void writeInPlace(const QString& path, const QByteArray& bytes) {
    switch (rewriteInPlace(path, bytes).outcome) {
    case InPlaceRewrite::Written:
        return;
    case InPlaceRewrite::NotOpened:
        throw createError(path);
    case InPlaceRewrite::NotWritten:
        throw writeError();
    }
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
    if (mustRewriteInPlace(path)) {
        writeInPlace(path, bytes);
        return;
    }
    struct stat existing;
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw createError(path);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw writeError();
    }
    if (replacing) keepOwnerAndGroup(file.handle(), existing.st_uid, existing.st_gid);
    if (!file.commit()) {
        if (file.error() == QFileDevice::WriteError) throw writeError();
        throw createError(path);
    }
}
