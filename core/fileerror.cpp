#include "fileerror.h"

#include <QFileInfo>

#include <cerrno>

QString FileError::messageForCode(int code) {
    switch (code) {
    case fileNotFound:
        return QStringLiteral("Fichier introuvable");
    case pathNotFound:
        return QStringLiteral("Nom de fichier incorrect");
    case tooManyOpenFiles:
        return QStringLiteral("Trop de fichiers ouverts");
    case accessDenied:
        return QStringLiteral("Accès au fichier refusé");
    case invalidNumber:
        return QStringLiteral("Saisie numérique incorrecte");
    default:
        return QStringLiteral("Erreur E/S %1").arg(code);
    }
}

FileError FileError::fromErrno(int errnoValue, const QString& path) {
    switch (errnoValue) {
    case ENOENT: {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        return FileError(folder.isDir() ? fileNotFound : pathNotFound);
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileError(pathNotFound);
    case EMFILE:
    case ENFILE:
        return FileError(tooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileError(accessDenied);
    default:
        return FileError(errnoValue, QStringLiteral("Erreur E/S %1").arg(errnoValue));
    }
}
