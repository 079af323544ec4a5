#pragma once

#include "constructionplan.h"

#include <QString>

#include <vector>

// Designs that between them reach every kind of part and every shape of
// side panel the plan makes today.
struct SampleDesign {
    QString name;
    RampDimensions dims;
    ConstructionSettings settings;
};

inline std::vector<SampleDesign> sampleDesigns() {
    std::vector<SampleDesign> designs;
    designs.push_back({QStringLiteral("default"), {}, {}});

    // Taller than a sheet's short side, its panels split too.
    SampleDesign wall{QStringLiteral("wall"), {}, {}};
    wall.dims.R1 = 150;
    wall.dims.H1 = 200;
    designs.push_back(wall);

    // A left panel longer than a sheet: split at a rib station.
    SampleDesign split{QStringLiteral("split panel"), {}, {}};
    split.dims.P1 = 150;
    designs.push_back(split);

    SampleDesign bare{QStringLiteral("no coping, short left panels"), {}, {}};
    bare.settings.coping = 0;
    bare.settings.backLeft = 300;
    bare.dims.H2 = 120;
    bare.dims.R2 = 200;
    designs.push_back(bare);

    // A deck on the ground beside a flat curve, three surface layers.
    SampleDesign low{QStringLiteral("one curve"), {}, {}};
    low.dims.H2 = 0;
    low.settings.surface = {6, 6, 6};
    designs.push_back(low);

    // Decks of 60 and 80 cm with the same panel length behind each lip, one
    // surface layer on small equal curves: both curves are cut to one panel,
    // one row of the cut list.
    SampleDesign shared{QStringLiteral("one panel for both curves"),
                        {.R1 = 100, .H1 = 50, .F = 266, .R2 = 100, .H2 = 50, .P2 = 80},
                        {}};
    shared.settings.surface = {18};
    shared.settings.backLeft = 600;
    shared.settings.backRight = 600;
    designs.push_back(shared);
    return designs;
}
