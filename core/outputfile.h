#pragma once

#include "safesave.h"

#include <QByteArray>
#include <QString>

// Writes a whole output file (a picture, a template, a cut file, a cut list)
// as saveFile does. Throws QuarvelError: "Impossible de créer le fichier
// <path>"; a failed write in words where the system says why ("Plus de place
// sur le disque"), else "Erreur d'écriture dans le flux"; or "<path> n'est pas
// un fichier ordinaire".
void writeOutputFile(const QString& path, const QByteArray& bytes, FileKinds kinds);

// writeOutputFile for a content produced piece by piece, never whole in
// memory in the usual case. Anything produce throws is passed on.
void writeStreamedOutputFile(const QString& path, const OutputProducer& produce, FileKinds kinds);
