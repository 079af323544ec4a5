#include "outputfile.h"

#include "fileerror.h"
#include "quarvelerror.h"

#include <QCoreApplication>

namespace {

QuarvelError outputError(const QString& path, const SaveFailure& failure) {
    switch (failure.stage()) {
    case SaveFailure::NotRegular:
        return notRegularFileError(path);
    case SaveFailure::Create:
        return QuarvelError(
            QCoreApplication::translate("FileError", "Impossible de créer le fichier %1")
                .arg(path));
    case SaveFailure::Write:
        break;
    }
    const QString words = FileError::wordsForErrno(failure.errnoValue());
    return QuarvelError(
        words.isEmpty() ? QCoreApplication::translate("FileError", "Erreur d'écriture dans le flux")
                        : words);
}

} // namespace

void writeOutputFile(const QString& path, const QByteArray& bytes, FileKinds kinds) {
    writeStreamedOutputFile(
        path, [&bytes](const OutputSink& sink) { sink(bytes); }, kinds);
}

void writeStreamedOutputFile(const QString& path, const OutputProducer& produce, FileKinds kinds) {
    try {
        saveFile(path, produce, kinds);
    } catch (const SaveFailure& failure) {
        throw outputError(path, failure);
    }
}
