#include "qtfiledialogs.h"

namespace {
// "tous" means every file, as "*.*" does on Windows; Qt's "*.*" would leave
// out the names without a dot.
const QString allFilesFilter = QStringLiteral("tous (*)");

std::unique_ptr<QFileDialog> makeDialog(QWidget* parent, const QString& name,
                                        QFileDialog::AcceptMode mode, const QString& firstFilter,
                                        const QString& defaultSuffix) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setObjectName(name);
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                       QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(mode);
    // Opening does not insist on an existing file either: a missing one is
    // reported by the reader.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({firstFilter, allFilesFilter});
    dialog->selectNameFilter(firstFilter);
    dialog->setDefaultSuffix(defaultSuffix);
    return dialog;
}

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    return chosen.front();
}
} // namespace

std::unique_ptr<QFileDialog> QtFileDialogs::makeOpenDialog1(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen,
                      QStringLiteral("quarvel (*.qvl)"), QString());
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeSaveDialog1(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("SaveDialog1"), QFileDialog::AcceptSave,
                      QStringLiteral("quarvel (*.qvl)"), QStringLiteral("qvl"));
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeSaveDialog2(QWidget* parent) {
    return makeDialog(parent, QStringLiteral("SaveDialog2"), QFileDialog::AcceptSave,
                      QStringLiteral("image (*.bmp)"), QStringLiteral("bmp"));
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
