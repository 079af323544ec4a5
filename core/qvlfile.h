#pragma once

#include "fileerror.h"
#include "filekinds.h"
#include "rampdimensions.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The design file: one line of the eight dimensions as decimal integers, each
// followed by a blank but the last, then CR LF. Order P1 R1 H1 F W H2 R2 P2:
// on the right side the height comes before the radius.

// The bytes of the design file.
QByteArray formatQvl(const RampDimensions& dims);

// Reads the eight numbers from the start of bytes. Codes 32 and below are
// blanks; the end of the data is its end or a byte 26 (Ctrl-Z); missing
// numbers are 0. Throws FileError(106) when a token is not a whole number,
// with nothing returned.
RampDimensions parseQvl(QByteArrayView bytes);

// The dimensions and the line after the one holding the eighth number
// (without its line end; empty when there is none), which may carry
// construction settings.
struct QvlContent {
    RampDimensions dims;
    QByteArray secondLine;
};
QvlContent parseQvlContent(QByteArrayView bytes);

// Opens path and reads the design as parseQvl does; nothing past the second
// line is ever read, nor anything past the first 16 MiB (the data counts as
// ended there), so that an endless source cannot hold the program. Throws
// FileError, or notRegularFileError's error for a pipe or device under
// FileKinds::RegularOnly.
QvlContent readQvlContent(const QString& path, FileKinds kinds = FileKinds::Any);
RampDimensions readQvlFile(const QString& path, FileKinds kinds = FileKinds::Any);

// Standard input (a design given as "-" to the batch tool), read exactly as
// a file is: the same limit, the same errors.
QvlContent readQvlStandardInput();

// Writes the design to path as saveFile does: a failed save leaves the old
// file as it was. Throws FileError, or notRegularFileError's error.
void writeQvlFile(const QString& path, const RampDimensions& dims,
                  FileKinds kinds = FileKinds::Any);

// Writes a design's bytes the same way.
void writeDesignBytes(const QString& path, const QByteArray& bytes, FileKinds kinds);
