#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole output file (a template, a cut file, a cut list) built in
// memory. An existing file is replaced only once the new content is on disk,
// keeping its mode, and its owner and group where the process may; where the
// folder cannot take a temporary file or other hard links share the file, it
// is rewritten in place and, should that fail half-way, its old content is
// written back. A pipe or device is written to. Throws QuarvelError: "Impossible de créer le
// fichier <path>" or "Erreur d'écriture dans le flux".
void writeOutputFile(const QString& path, const QByteArray& bytes);
