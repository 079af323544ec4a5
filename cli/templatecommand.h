#pragma once

#include "tracecommand.h"

#include <QByteArray>
#include <QStringList>

// quarvel-cli template [settings options] [--paper a4|letter|a3|full]
// [--overlap MM] FILE OUT.pdf: the full-scale templates of the side panels.
// Needs a QGuiApplication (fonts). Status 0 written, 1 refused, 2 usage,
// file or write error (nothing written).
QByteArray templateUsage();
CommandResult templateCommand(const QStringList& args);
