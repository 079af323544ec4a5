#pragma once

#include "outputfile.h"

#include <QByteArray>
#include <QString>

class QImage;
class QIODevice;

// Windows bitmap files: 24 bits per pixel, uncompressed, a 14-byte file header
// and a 40-byte information header (54 bytes before the pixels, no colour
// table), rows stored bottom-up, each padded to a multiple of 4 bytes.
QByteArray encodeBmp24(const QImage& image);

// The same bytes handed to sink piece by piece: the headers, then the rows
// bottom-up in chunks of about 64 KiB.
void produceBmp24(const QImage& image, const OutputSink& sink);

// Writes all of data to device; a short or failed write throws
// "Erreur d'écriture dans le flux".
void writeAllToDevice(QIODevice& device, const QByteArray& data);

// Writes the image as a BMP file at path, streamed as writeStreamedOutputFile
// writes any output file (see saveFile): a failure leaves whatever was there
// before. Throws "Impossible de créer le fichier <path>" when the file cannot
// be created (a write-protected one included), the write error (in words
// where the system says why) when its content cannot be written.
void writeBmpFile(const QString& path, const QImage& image, FileKinds kinds);
