#pragma once

#include "filedialogs.h"

#include <memory>
#include <QFileDialog>

// The real dialogs: Qt's own (non-native) file dialogs with the filters and
// default extensions of the layout, no overwrite prompt, the first filter
// selected. A name typed without extension gets the default one.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> openDesignPath(QWidget* parent) override;
    std::optional<QString> saveDesignPath(QWidget* parent) override;
    std::optional<QString> exportImagePath(QWidget* parent) override;
    std::optional<QString> templatesPath(QWidget* parent) override;
    std::optional<QString> cutFilePath(QWidget* parent) override;
    std::optional<QString> cutListPath(QWidget* parent) override;
    std::optional<QString> modelPath(QWidget* parent) override;
    std::optional<QString> bookPath(QWidget* parent) override;

    // The configured dialogs, not yet shown.
    static std::unique_ptr<QFileDialog> makeOpenDialog1(QWidget* parent);
    static std::unique_ptr<QFileDialog> makeSaveDialog1(QWidget* parent);
    static std::unique_ptr<QFileDialog> makeSaveDialog2(QWidget* parent);
    static std::unique_ptr<QFileDialog> makeTemplatesDialog(QWidget* parent);
    static std::unique_ptr<QFileDialog> makeBookDialog(QWidget* parent);
    // Its default extension follows the chosen filter: a name typed without
    // one gets .dxf under "DXF (*.dxf)", .svg under "SVG (*.svg)".
    static std::unique_ptr<QFileDialog> makeCutFileDialog(QWidget* parent);
    static std::unique_ptr<QFileDialog> makeCutListDialog(QWidget* parent);
    // As the cut file's: .glb under glTF, .obj under OBJ.
    static std::unique_ptr<QFileDialog> makeModelDialog(QWidget* parent);

    // The path an accepted dialog was given: the selected file, or the name
    // typed as it stands (in the dialog's folder) where Qt would read it as
    // a list of names.
    static std::optional<QString> chosenPath(const QFileDialog& dialog);

    // "svg" from "SVG (*.svg)"; empty when the filter names no single extension.
    static QString filterExtension(const QString& filter);
};
