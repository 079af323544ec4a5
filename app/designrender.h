#pragma once

#include "rampdimensions.h"

#include <optional>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures of a design without a window on screen: the chart area alone is
// built off screen (see ChartArea), the design is read and Tracer runs on it
// as opening it does, and the area is captured as the export command does.
// Needs a QApplication. A file error throws (FileError) before anything is
// drawn.

struct DesignRenderOptions {
    bool view3D = true;           // false: as after ticking "Afficher uniquement le profil"
    bool showData = false;        // true: as after ticking "Afficher les données"
    std::optional<QString> title; // the title as typed; the layout's own when absent
};

struct DesignPicture {
    QImage image;
    // Empty when Tracer completed; otherwise its error message (without the
    // final period). The picture then shows the state the run reached, as the
    // window would.
    QString tracerError;
};

DesignPicture renderDimensions(const RampDimensions& dims, const DesignRenderOptions& options = {});
// The design file read first (a pipe too, as the batch tool reads one).
DesignPicture renderDesign(const QString& designPath, const DesignRenderOptions& options = {});

// renderDimensions, written as the export command writes it (24-bit BMP) or
// to a device; returns Tracer's error, if any. Throws the write errors.
QString renderDimensionsToBmp(const RampDimensions& dims, const QString& bmpPath,
                              const DesignRenderOptions& options = {});
// The design file read first. Throws its errors too.
QString renderDesignToBmp(const QString& designPath, const QString& bmpPath,
                          const DesignRenderOptions& options = {});

// The chart's plotting rectangle size as the main window lays it out at
// start-up (3D, empty chart): what Tracer runs with before any change. A lone
// chart of the main window's chart size, laid out without painting.
QSize startupPlotSize();
