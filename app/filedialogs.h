#pragma once

#include <optional>
#include <QString>

class QWidget;

// The file dialogs of the main window, behind an interface so that the
// window can be driven without real dialogs. Each returns the chosen path, or
// nothing when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<QString> openDesignPath(QWidget* parent) = 0;  // OpenDialog1
    virtual std::optional<QString> saveDesignPath(QWidget* parent) = 0;  // SaveDialog1
    virtual std::optional<QString> exportImagePath(QWidget* parent) = 0; // SaveDialog2
    // The construction exports: full-scale templates (PDF), a cut file (DXF
    // or SVG, as the name's extension says) and the cut list (CSV).
    virtual std::optional<QString> templatesPath(QWidget* parent) = 0;
    virtual std::optional<QString> cutFilePath(QWidget* parent) = 0;
    virtual std::optional<QString> cutListPath(QWidget* parent) = 0;
    // The 3D model: glTF binary or OBJ, as the name's extension says.
    virtual std::optional<QString> modelPath(QWidget* parent) = 0;
    // The build book (PDF).
    virtual std::optional<QString> bookPath(QWidget* parent) = 0;
};
