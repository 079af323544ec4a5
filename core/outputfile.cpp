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

// Where the new content goes once the path's kind is known.
enum class Destination { Device, InPlace, NewFile };

// Checks the target and tells how it is written. A pipe or device is written
// to: renaming a file over it would replace the device itself. Renaming would
// also replace a file the user may not write to.
Destination destinationOf(const QString& path) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) return Destination::Device;
    if (target.isFile() && !target.isWritable()) throw createError(path);
    if (mustRewriteInPlace(path)) return Destination::InPlace;
    return Destination::NewFile;
}

void writePiece(QIODevice& device, QByteArrayView piece) {
    if (device.write(piece.data(), piece.size()) != piece.size()) throw writeError();
}

void writeToDevice(const QString& path, const std::function<void(const OutputSink&)>& produce) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly)) throw createError(path);
    produce([&device](QByteArrayView piece) { writePiece(device, piece); });
    if (!device.flush()) throw writeError();
    device.close();
    if (device.error() != QFileDevice::NoError) throw writeError();
}

// Writes a new file beside the old one, flushed to the disk, and renames it
// over the old one; until then the old file stays whole.
void writeNewFile(const QString& path, const std::function<void(const OutputSink&)>& produce) {
    struct stat existing;
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw createError(path);
    // An exception leaves the temporary file to QSaveFile, which removes it.
    produce([&file](QByteArrayView piece) { writePiece(file, piece); });
    if (replacing) keepOwnerAndGroup(file.handle(), existing.st_uid, existing.st_gid);
    if (!file.commit()) {
        if (file.error() == QFileDevice::WriteError) throw writeError();
        throw createError(path);
    }
}

std::function<void(const OutputSink&)> wholeContent(const QByteArray& bytes) {
    return [&bytes](const OutputSink& sink) { sink(bytes); };
}

} // namespace

void writeOutputFile(const QString& path, const QByteArray& bytes) {
    switch (destinationOf(path)) {
    case Destination::Device:
        writeToDevice(path, wholeContent(bytes));
        return;
    case Destination::InPlace:
        writeInPlace(path, bytes);
        return;
    case Destination::NewFile:
        writeNewFile(path, wholeContent(bytes));
        return;
    }
}

void writeStreamedOutputFile(const QString& path,
                             const std::function<void(const OutputSink&)>& produce) {
    switch (destinationOf(path)) {
    case Destination::Device:
        writeToDevice(path, produce);
        return;
    case Destination::InPlace: {
        QByteArray bytes;
        produce([&bytes](QByteArrayView piece) { bytes.append(piece); });
        writeInPlace(path, bytes);
        return;
    }
    case Destination::NewFile:
        writeNewFile(path, produce);
        return;
    }
}
