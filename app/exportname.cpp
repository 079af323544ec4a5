#include "exportname.h"

#include "quarvelerror.h"

#include <QCoreApplication>

#include <algorithm>

void checkExportName(const QString& path, const QStringList& extensions) {
    const bool matches = std::any_of(extensions.begin(), extensions.end(), [&](const QString& e) {
        return path.endsWith(u'.' + e, Qt::CaseInsensitive);
    });
    if (matches) return;
    QStringList dotted;
    for (const QString& e : extensions)
        dotted << u'.' + e;
    throw QuarvelError(
        QCoreApplication::translate("ExportName", "Le nom du fichier doit finir par %1 : %2")
            .arg(dotted.join(QCoreApplication::translate("ExportName", " ou ")), path));
}
