#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Writes a whole output file (a template, a cut file, a cut list) built in
// memory. An existing file is replaced only once the new content is on disk,
// keeping its mode, and its owner and group where the process may; where the
// folder cannot take a temporary file or other hard links share the file, it
// is rewritten in place and, should that fail half-way, its old content is
// written back. A pipe or device is written to. Throws QuarvelError: "Impossible de créer le
// fichier <path>" or "Erreur d'écriture dans le flux".
void writeOutputFile(const QString& path, const QByteArray& bytes);

// Takes the next piece of an output file's content; throws "Erreur d'écriture
// dans le flux" when the piece cannot be written.
using OutputSink = std::function<void(QByteArrayView piece)>;

// writeOutputFile for a content produced piece by piece: produce hands the
// whole content, in order, to the sink it is given. In the usual case (a new
// file renamed over the old one, flushed to the disk first) the pieces go
// straight to the new file and the content is never whole in memory. Where
// the file is rewritten in place the pieces are gathered first, since a failed
// rewrite must be able to write the old content back. Same guarantees and
// errors as writeOutputFile; anything produce throws leaves a replaced file as
// it was and is passed on.
void writeStreamedOutputFile(const QString& path,
                             const std::function<void(const OutputSink& sink)>& produce);
