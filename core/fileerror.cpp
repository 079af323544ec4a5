#include "fileerror.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

QString FileError::messageForCode(int code) {
    switch (code) {
    case fileNotFound:
        return QCoreApplication::translate("FileError", "Fichier introuvable");
    case pathNotFound:
        return QCoreApplication::translate("FileError", "Nom de fichier incorrect");
    case tooManyOpenFiles:
        return QCoreApplication::translate("FileError", "Trop de fichiers ouverts");
    case accessDenied:
        return QCoreApplication::translate("FileError", "Accès au fichier refusé");
    case invalidNumber:
        return QCoreApplication::translate("FileError", "Saisie numérique incorrecte");
    default:
        return QCoreApplication::translate("FileError", "Erreur E/S %1").arg(code);
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
    case EISDIR:
        return FileError(accessDenied);
    default: {
        const QString words = wordsForErrno(errnoValue);
        return FileError(
            errnoValue,
            words.isEmpty()
                ? QCoreApplication::translate("FileError", "Erreur E/S %1").arg(errnoValue)
                : words);
    }
    }
}

QString FileError::wordsForErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOSPC:
        return QCoreApplication::translate("FileError", "Plus de place sur le disque");
    case EDQUOT:
        return QCoreApplication::translate("FileError", "Quota de disque dépassé");
    case EROFS:
        return QCoreApplication::translate("FileError", "Disque en lecture seule");
    case EIO:
        return QCoreApplication::translate("FileError",
                                           "Erreur de lecture ou d'écriture sur le disque");
    default:
        return QString();
    }
}

QuarvelError notRegularFileError(const QString& path) {
    return QuarvelError(
        QCoreApplication::translate("FileError", "%1 n'est pas un fichier ordinaire").arg(path));
}
