#pragma once

#include "tracecommand.h"

#include <QByteArray>
#include <QStringList>

// quarvel-cli book [settings options] [--prices FILE] [--paper a4|letter]
// FILE OUT.pdf: the build book. Needs a QGuiApplication (fonts). Status 0
// written, 1 refused, 2 usage, price file, file or write error (nothing
// written).
QByteArray bookUsage();
CommandResult bookCommand(const QStringList& args);
