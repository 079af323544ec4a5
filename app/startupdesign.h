#pragma once

#include "commandrunner.h"
#include "rampe.h"
#include "regiondefaults.h"
#include "tchart.h"

#include <optional>
#include <QSettings>
#include <QString>
#include <QStringList>

// `quarvel FILE`, what a desktop entry's %f and a double-click on a .qvl
// file run. Header-only so that the program and its test share it without a
// library of their own.

// The design named on the command line: the first argument after the
// program's name (Qt has already taken its own options out). Further
// arguments are ignored, as a launcher passing a single file never gives any.
inline std::optional<QString> designPathArgument(const QStringList& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    return arguments.at(1);
}

// Opens the design exactly as Fichier › Ouvrir does: values into the fields,
// then Tracer; a file error goes to the error box and leaves the start-up
// values. Returns whether the command completed.
inline bool openDesignAtStartUp(TQvl& qvl, const QString& path) {
    // Tracer scales the axes to the chart's plotting rectangle, which the
    // first paint lays out. Before the window has been painted, drawing the
    // chart area once off screen lays it out the same way.
    if (qvl.profil->PlotWidth() <= 0) qvl.captureGraph();
    // Ouvrir also refreshes the plan window, which no start-up has open yet.
    return runCommand([&] { qvl.openDesign(path); });
}

// The region's defaults at start: the unit the user chose last, else the
// region's; its paper; its preset while the settings are the defaults (no
// design file open yet).
inline void applyRegionDefaults(TQvl& qvl, const RegionDefaults& region) {
    const QString stored = QSettings().value(QLatin1String(lengthUnitSettingsKey)).toString();
    qvl.setLengthUnit(unitFromKey(stored).value_or(region.unit));
    qvl.setTemplatePaperIndex(region.paperIndex);
    if (region.preset && qvl.constructionSettings() == defaultConstructionSettings()) {
        ConstructionSettings settings = qvl.constructionSettings();
        applyConstructionPreset(settings, *region.preset);
        qvl.setConstructionSettings(settings);
    }
}
