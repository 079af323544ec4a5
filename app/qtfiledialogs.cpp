#include "qtfiledialogs.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>

namespace {
// "tous" means every file, as "*.*" does on Windows; Qt's "*.*" would leave
// out the names without a dot.
QString allFilesFilter() {
    return QCoreApplication::translate("QtFileDialogs", "tous (*)");
}

QString designFilter() {
    return QCoreApplication::translate("QtFileDialogs", "quarvel (*.qvl)");
}

std::unique_ptr<QFileDialog> makeDialog(QWidget* parent, const QString& name,
                                        QFileDialog::AcceptMode mode, const QStringList& filters,
                                        const QString& defaultSuffix) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(name);
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                       QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(mode);
    // Opening does not insist on an existing file either: a missing one is
    // reported by the reader.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.front());
    dialog->setDefaultSuffix(defaultSuffix);
    return dialog;
}

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return QtFileDialogs::chosenPath(dialog);
}
} // namespace

std::optional<QString> QtFileDialogs::chosenPath(const QFileDialog& dialog) {
    // Qt's dialog reads a typed name holding double quotes as a list of
    // quoted names ("a" "b") and keeps the first: `with "dq" inside.qvl`
    // would become dq.qvl. Each dialog here takes one name, as typed.
    const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = edit ? edit->text() : QString();
    if (typed.contains(u'"')) {
        QString path = dialog.directory().absoluteFilePath(typed);
        if (QFileInfo(path).suffix().isEmpty() && !dialog.defaultSuffix().isEmpty())
            path += u'.' + dialog.defaultSuffix();
        return path;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    return chosen.front();
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeOpenDialog1(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen,
                      {designFilter(), allFilesFilter()}, QString());
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeSaveDialog1(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("SaveDialog1"), QFileDialog::AcceptSave,
                      {designFilter(), allFilesFilter()}, QStringLiteral("qvl"));
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeSaveDialog2(QWidget* parent) {
    return makeDialog(
        parent, QStringLiteral("SaveDialog2"), QFileDialog::AcceptSave,
        {QCoreApplication::translate("QtFileDialogs", "image (*.bmp)"), allFilesFilter()},
        QStringLiteral("bmp"));
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeTemplatesDialog(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("templatesDialog"), QFileDialog::AcceptSave,
                      {QStringLiteral("PDF (*.pdf)")}, QStringLiteral("pdf"));
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeBookDialog(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("bookDialog"), QFileDialog::AcceptSave,
                      {QStringLiteral("PDF (*.pdf)")}, QStringLiteral("pdf"));
}

namespace {
// A save dialog whose default extension follows the chosen filter.
std::unique_ptr<QFileDialog> makeSaveDialogOfFormats(QWidget* parent, const QString& name,
                                                     const QStringList& filters) {
    auto dialog = makeDialog(parent, name, QFileDialog::AcceptSave, filters,
                             QtFileDialogs::filterExtension(filters.front()));
    QFileDialog* d = dialog.get();
    QObject::connect(d, &QFileDialog::filterSelected, d, [d](const QString& chosen) {
        // With the details hidden the dialog reports "SVG" for "SVG (*.svg)".
        for (const QString& filter : d->nameFilters())
            if (filter == chosen || filter.startsWith(chosen + QStringLiteral(" (")))
                d->setDefaultSuffix(QtFileDialogs::filterExtension(filter));
    });
    return dialog;
}
} // namespace

std::unique_ptr<QFileDialog> QtFileDialogs::makeCutFileDialog(QWidget* parent) {
    return makeSaveDialogOfFormats(parent, QStringLiteral("cutFileDialog"),
                                   {QStringLiteral("DXF (*.dxf)"), QStringLiteral("SVG (*.svg)")});
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeModelDialog(QWidget* parent) {
    return makeSaveDialogOfFormats(
        parent, QStringLiteral("modelDialog"),
        {QCoreApplication::translate("QtFileDialogs", "glTF binaire (*.glb)"),
         QCoreApplication::translate("QtFileDialogs", "OBJ avec ses matières (*.obj)")});
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeCutListDialog(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("cutListDialog"), QFileDialog::AcceptSave,
                      {QStringLiteral("CSV (*.csv)")}, QStringLiteral("csv"));
}

QString QtFileDialogs::filterExtension(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QStringLiteral("(*."));
    if (open < 0 || !filter.endsWith(u')')) return QString();
    const QString extension = filter.mid(open + 3, filter.size() - open - 4);
    const bool plain =
        !extension.isEmpty() && std::all_of(extension.begin(), extension.end(),
                                            [](QChar c) { return c.isLetterOrNumber(); });
    return plain ? extension : QString();
}

std::optional<QString> QtFileDialogs::templatesPath(QWidget* parent) {
    return run(*makeTemplatesDialog(parent));
}

std::optional<QString> QtFileDialogs::cutFilePath(QWidget* parent) {
    return run(*makeCutFileDialog(parent));
}

std::optional<QString> QtFileDialogs::cutListPath(QWidget* parent) {
    return run(*makeCutListDialog(parent));
}

std::optional<QString> QtFileDialogs::modelPath(QWidget* parent) {
    return run(*makeModelDialog(parent));
}

std::optional<QString> QtFileDialogs::bookPath(QWidget* parent) {
    return run(*makeBookDialog(parent));
}

std::optional<QString> QtFileDialogs::openDesignPath(QWidget* parent) {
    return run(*makeOpenDialog1(parent));
}

std::optional<QString> QtFileDialogs::saveDesignPath(QWidget* parent) {
    return run(*makeSaveDialog1(parent));
}

std::optional<QString> QtFileDialogs::exportImagePath(QWidget* parent) {
    return run(*makeSaveDialog2(parent));
}
