#pragma once

#include "constructionarguments.h"
#include "tracecommand.h"

#include "prices.h"

#include <QByteArray>
#include <QStringList>

// The price file at path (--prices). Throws FileError, or PriceFileError for
// a file refused or larger than a price file is.
PriceTable readPriceFile(const QString& path);

// --prices FILE read into prices (left as they are without it), or the
// result ending the command: 2 with the file's fault.
std::optional<CommandResult> readPricesOption(const ConstructionArguments& parsed,
                                              PriceTable& prices);

// quarvel-cli plan [settings options] [--csv | --json] FILE: the cut list as
// a text table, CSV or one JSON object. Computation only: needs no Qt Gui.
// Status 0 printed, 1 the design or its settings refused (message on standard
// error), 2 usage, bad option or file error.
QByteArray planUsage();
CommandResult planCommand(const QStringList& args);

// quarvel-cli cut [settings options] [--sheets] FILE OUT.dxf|OUT.svg: the
// distinct side panels side by side, or the nested sheets. Needs no Qt Gui.
// Status 0 written, 1 refused, 2 usage, file or write error (nothing written).
QByteArray cutUsage();
CommandResult cutCommand(const QStringList& args);
