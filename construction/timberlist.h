#pragma once

#include "timbercutting.h"

#include <array>
#include <QString>
#include <vector>

struct ConstructionPlan;

// The timber of the plan bought in stock lengths, section by section.

// The boards of one section and the pieces cut from them. The pieces' and
// cuts' articles are keys ("rib", "deck_joist", ...; see timberArticleName).
struct TimberSection {
    std::array<double, 2> section{}; // larger × smaller size
    std::vector<TimberPiece> pieces;
    TimberCutting cutting;
};

// Every timber piece of the plan by section: ribs, deck joists, coping blocks,
// rims, stringers (in their pieces), braces and the flat's and low decks'
// frames of the rib timber (ripped to `flat`, or a deeper timber above its
// larger size), legs of the `post` section. The rib section first.
std::vector<TimberSection> timberPieces(const ConstructionPlan& plan);

// The same, each section cut from the `stock` lengths with `kerf` between
// pieces. Throws ConstructionSettingError naming stock when a piece is longer
// than every stock length.
// Throws QuarvelError beyond maxTimberPieces pieces.
std::vector<TimberSection> planTimber(const ConstructionPlan& plan);

// The most timber pieces a plan cuts from stock lengths.
constexpr long long maxTimberPieces = 50000;

// The boards as a builder cuts them, whatever the pieces' articles: boards of
// one stock length cut to the same lengths counted together.
std::vector<TimberBoard> boardsByLength(const TimberCutting& cutting);

// An article key's name for people: "rib" is "Tasseau".
QString timberArticleName(const QString& article);
