#pragma once

#include "fileerror.h"
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
QvlContent readQvlContent(const QString& path);

// Opens path and reads the design as parseQvl does; nothing past the second
// line is ever read. Throws FileError.
RampDimensions readQvlFile(const QString& path);

// Writes the design to path. The old file, if any, is replaced only once the
// new content is entirely on disk, so a failed save leaves it untouched; it
// keeps its mode, and its owner and group where the process may. A design in
// a folder that takes no new file, or shared by several hard links, is
// rewritten in place instead, its old content written back should that fail.
// Throws FileError.
void writeQvlFile(const QString& path, const RampDimensions& dims);

// Writes a design's bytes the same way.
void writeDesignBytes(const QString& path, const QByteArray& bytes);
