#pragma once

#include "constructionsettings.h"
#include "filekinds.h"
#include "rampdimensions.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A design with its construction settings. The file's first line holds the
// eight dimensions exactly as ever; the settings ride on an optional second
// line "construction: key=value ...", written only when a setting differs
// from its default, so a design with default settings is the old file byte
// for byte and old readers never see anything new.
struct Design {
    RampDimensions dims;
    ConstructionSettings settings;
    friend bool operator==(const Design&, const Design&) = default;
};

QByteArray formatDesign(const Design& design);

// Throws FileError for a bad number, ConstructionSettingError for a bad
// construction line (nothing is returned then).
Design parseDesign(QByteArrayView bytes);

// Reads as readQvlContent does. Throws FileError (or the error for a file of
// a kind refused) or ConstructionSettingError.
Design readDesignFile(const QString& path, FileKinds kinds = FileKinds::Any);
// Standard input, read as a file is.
Design readDesignStandardInput();

// Saves as writeQvlFile does. Throws FileError (or the error for a file of a
// kind refused).
void writeDesignFile(const QString& path, const Design& design, FileKinds kinds);
