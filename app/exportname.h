#pragma once

#include <QString>
#include <QStringList>

// The window's exports each write one format. A name of another kind (a
// design's .qvl typed into the templates dialog) would be overwritten with it,
// so the name must end in one of the format's extensions (the dialogs add the
// first one to a name typed without any). Throws QuarvelError otherwise.
void checkExportName(const QString& path, const QStringList& extensions);
