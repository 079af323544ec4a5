#pragma once

#include "tracecommand.h"

#include <QByteArray>
#include <QStringList>

// quarvel-cli render [--2d] [--data] [--title TEXT] FILE OUT.bmp: the picture
// that opening FILE and exporting the image gives, drawn off screen.

QByteArray renderUsage();

// args: what follows "render" on the command line. Needs a QApplication.
// Status 0 written, 1 written but Tracer abandoned its run (the picture shows
// the state reached; the error goes to standard error), 2 usage, file or write
// error (nothing written).
CommandResult renderCommand(const QStringList& args);
