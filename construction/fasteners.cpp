#include "fasteners.h"

#include "constructionplan.h"
#include "constructionsettings.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double screwLengths[] = {16, 20, 25, 30, 35,  40,  45,  50,
                                   60, 70, 80, 90, 100, 120, 140, 160};
constexpr double thinScrew = 4.5;
constexpr double thickScrew = 6;
// Rounding room: a length exactly on a stock length.
constexpr double slack = 1e-9;

constexpr int screwsPerEnd = 2; // of a rib, joist or rim
constexpr double frameScrewBite = 50;
constexpr double toeScrewLength = 60;
constexpr double surfaceScrewPitch = 150;
constexpr double surfaceScrewMargin = 25; // in from the ramp's sides
constexpr double surfaceScrewBite = 25;
constexpr double spliceScrewPitch = 100;
constexpr double spliceScrewMargin = 25; // in from the plate's ends
constexpr int spliceScrewRows = 4;       // two on each side of the joint
constexpr double spliceScrewClearance = 3;
constexpr double glueGramsPerSquareMetre = 150;
constexpr double lagScrewThickness = 8;
constexpr double lagScrewGrip = 60; // beyond the pipe
constexpr int lagScrewsPerBay = 2;
constexpr double boltGrip = 20; // beyond the two rims
constexpr int boltsPerBay = 2;
constexpr int screwsPerBracket = 8;
constexpr double bracketScrewLength = 35;
constexpr int screwsPerBraceEnd = 2;
constexpr double braceScrewLength = 70;

double roundUpTo10(double mm) {
    return std::ceil(mm / 10 - slack) * 10;
}

// The counts by item and size, in the order they are added within an item.
class Tally {
public:
    void add(FastenerItem item, const QString& size, double length, long long count) {
        if (count <= 0) return;
        auto same = std::find_if(m_rows.begin(), m_rows.end(), [&](const FastenerCount& f) {
            return f.item == item && f.size == size;
        });
        if (same != m_rows.end())
            same->count += count;
        else
            m_rows.push_back({item, size, length, count, 0});
    }
    void addWoodScrews(FastenerItem item, double length, long long count) {
        add(item, woodScrewSize(length), length, count);
    }

    std::vector<FastenerCount> rows() const {
        std::vector<FastenerCount> rows = m_rows;
        std::stable_sort(rows.begin(), rows.end(),
                         [](const FastenerCount& a, const FastenerCount& b) {
                             return a.item < b.item || (a.item == b.item && a.length > b.length);
                         });
        for (FastenerCount& row : rows)
            row.buy = buyOf(row);
        return rows;
    }

private:
    static long long buyOf(const FastenerCount& row) {
        switch (row.item) {
        case FastenerItem::lagScrew:
        case FastenerItem::bolt:
        case FastenerItem::bracket:
            return piecesToBuy(row.count);
        case FastenerItem::glue:
            return glueToBuy(row.count);
        default:
            return screwsToBuy(row.count);
        }
    }

    std::vector<FastenerCount> m_rows;
};

// A timber across the width under the surface: the layers whose seams lie
// on it, and whether it stands alone (a doubled joist already gives each
// sheet edge its own row).
struct SurfaceLine {
    unsigned seamLayers = 0;
    bool single = true;
};

void addJoistLines(std::vector<SurfaceLine>& lines, const JoistPlan& joists, bool single) {
    for (std::size_t i = 0; i < joists.stations.size(); ++i)
        lines.push_back({i < joists.stationSeams.size() ? joists.stationSeams[i] : 0u, single});
}

std::vector<SurfaceLine> surfaceLines(const ConstructionPlan& plan) {
    std::vector<SurfaceLine> lines;
    for (const auto& curve : plan.curves)
        if (curve)
            for (unsigned seams : curve->stationSeams)
                lines.push_back({seams, true});
    for (const auto* deck : {&plan.leftDeck, &plan.rightDeck})
        if (*deck) addJoistLines(lines, **deck, true);
    for (const auto& frame : plan.deckFrames) {
        if (!frame) continue;
        const bool legs = frame->kind == DeckFrameKind::legs;
        addJoistLines(lines, frame->joists, legs);
        if (legs)
            for (const Rim* rim : {&frame->backRim, &frame->frontRim, &frame->panelRim})
                lines.push_back({rim->seamLayers, true});
    }
    if (plan.flat) addJoistLines(lines, *plan.flat, false);
    return lines;
}

// Each layer through itself and the layers under it into every line: a row
// a line, two where one of its seams lies over a single timber.
void addSurfaceScrews(const ConstructionPlan& plan, Tally& tally) {
    const std::vector<SurfaceLine> lines = surfaceLines(plan);
    const int perRow = surfaceScrewsPerRow(10.0 * plan.dims.W);
    const std::vector<double>& layers = plan.settings.surface;
    double depth = 0; // from the layer's top down to the timber
    for (int i = int(layers.size()) - 1; i >= 0; --i) {
        depth += layers[std::size_t(i)];
        long long rows = 0;
        for (const SurfaceLine& line : lines)
            rows += line.single && (line.seamLayers & (1u << i)) ? 2 : 1;
        tally.addWoodScrews(FastenerItem::surfaceScrew, screwLengthUp(depth + surfaceScrewBite),
                            rows * perRow);
    }
}

// Lines of ribs or joists across `supports` panels or stringers, two screws
// at each end: straight through the outer supports and through one face of
// each interior one; on the other face of an interior one toe-screwed.
void addEndScrews(Tally& tally, long long lines, int supports, double thickness) {
    tally.addWoodScrews(FastenerItem::frameScrew, screwLengthDown(thickness + frameScrewBite),
                        lines * screwsPerEnd * supports);
    tally.addWoodScrews(FastenerItem::toeScrew, toeScrewLength,
                        lines * screwsPerEnd * std::max(0, supports - 2));
}

void addFrameScrews(const ConstructionPlan& plan, Tally& tally) {
    const ConstructionSettings& s = plan.settings;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve) continue;
        const auto& deck = side == leftCurve ? plan.leftDeck : plan.rightDeck;
        const auto& frame = plan.deckFrames[side];
        long long lines = static_cast<long long>(curve->stations.size());
        if (deck) lines += static_cast<long long>(deck->stations.size());
        if (frame && frame->kind == DeckFrameKind::legs) ++lines; // the panels' back rim
        addEndScrews(tally, lines, curve->panelCount, s.panel);
    }
    for (const auto& frame : plan.deckFrames) {
        if (!frame) continue;
        const bool legs = frame->kind == DeckFrameKind::legs;
        const long long lines =
            static_cast<long long>(frame->joists.stations.size()) + (legs ? 2 : 0);
        addEndScrews(tally, lines, frame->stringers.count, frame->stringers.section[0]);
    }
    if (const auto& flat = plan.flatFrame) {
        addEndScrews(tally, static_cast<long long>(plan.flat->stations.size()), flat->stringers,
                     flat->section[0]);
        // Each end joist screwed to the toe rib it stands against, in every bay.
        const double length = screwLengthDown(flat->section[0] + frameScrewBite);
        for (const auto& curve : plan.curves)
            if (curve)
                tally.addWoodScrews(FastenerItem::frameScrew, length,
                                    screwsPerEnd * (flat->stringers - 1));
    }
}

void addHardware(const ConstructionPlan& plan, Tally& tally) {
    const ConstructionSettings& s = plan.settings;
    const double lag = roundUpTo10(s.coping + lagScrewGrip);
    for (const auto& curve : plan.curves)
        if (curve && curve->pipe)
            tally.add(FastenerItem::lagScrew,
                      formatLength(lagScrewThickness) + u'x' + formatLength(lag), lag,
                      lagScrewsPerBay * (curve->panelCount - 1));
    for (const auto& frame : plan.deckFrames) {
        if (!frame || frame->kind != DeckFrameKind::legs) continue;
        const double bolt = roundUpTo10(2 * frame->stringers.section[0] + boltGrip);
        tally.add(FastenerItem::bolt, QStringLiteral("M10x") + formatLength(bolt), bolt,
                  boltsPerBay * (frame->stringers.count - 1));
        tally.add(FastenerItem::bracket, QString(), 0, frame->legs.count);
        tally.addWoodScrews(FastenerItem::bracketScrew, bracketScrewLength,
                            screwsPerBracket * frame->legs.count);
        long long braces = 0;
        for (const LengthCount& brace : frame->braces)
            braces += brace.count;
        tally.addWoodScrews(FastenerItem::braceScrew, braceScrewLength,
                            2 * screwsPerBraceEnd * braces);
    }
    const SpliceFastening splice = spliceFastening(splicePlates(plan), s.panel);
    tally.addWoodScrews(FastenerItem::spliceScrew, splice.screwLength, splice.screws);
    tally.add(FastenerItem::glue, QStringLiteral("g"), 0, splice.glueGrams);
}

} // namespace

std::vector<SplicePlate> splicePlates(const ConstructionPlan& plan) {
    std::vector<SplicePlate> plates;
    for (const auto& curve : plan.curves) {
        if (!curve) continue;
        for (const PanelSplice& plate : curve->splicePlates)
            plates.insert(plates.end(), std::size_t(curve->panelCount),
                          {jointLength(*curve, plate), std::abs(signedArea(plate.outline))});
    }
    return plates;
}

double screwLengthUp(double mm) {
    for (double length : screwLengths)
        if (length >= mm - slack) return length;
    return std::end(screwLengths)[-1];
}

double screwLengthDown(double mm) {
    double found = screwLengths[0];
    for (double length : screwLengths)
        if (length <= mm + slack) found = length;
    return found;
}

QString woodScrewSize(double length) {
    const double thickness = length <= longestThinScrew + slack ? thinScrew : thickScrew;
    return formatLength(thickness) + u'x' + formatLength(length);
}

long long screwsToBuy(long long count) {
    return (11 * count + 99) / 100 * 10;
}

long long piecesToBuy(long long count) {
    return (11 * count + 9) / 10;
}

long long glueToBuy(long long grams) {
    return (grams + 99) / 100 * 100;
}

int surfaceScrewsPerRow(double width) {
    return int(std::ceil((width - 2 * surfaceScrewMargin) / surfaceScrewPitch - slack)) + 1;
}

SpliceFastening spliceFastening(const std::vector<SplicePlate>& plates, double panel) {
    SpliceFastening f;
    f.screwLength = screwLengthDown(2 * panel - spliceScrewClearance);
    double area = 0;
    for (const SplicePlate& plate : plates) {
        const double span = std::max(0.0, plate.jointLength - 2 * spliceScrewMargin);
        f.screws += spliceScrewRows *
                    (static_cast<long long>(std::ceil(span / spliceScrewPitch - slack)) + 1);
        area += plate.area;
    }
    f.glueGrams = static_cast<long long>(std::ceil(area * 1e-6 * glueGramsPerSquareMetre - slack));
    return f;
}

std::vector<FastenerCount> planFasteners(const ConstructionPlan& plan) {
    Tally tally;
    addSurfaceScrews(plan, tally);
    addFrameScrews(plan, tally);
    addHardware(plan, tally);
    return tally.rows();
}

const char* fastenerKey(FastenerItem item) {
    switch (item) {
    case FastenerItem::surfaceScrew:
        return "surface_screw";
    case FastenerItem::frameScrew:
        return "frame_screw";
    case FastenerItem::toeScrew:
        return "toe_screw";
    case FastenerItem::spliceScrew:
        return "splice_screw";
    case FastenerItem::lagScrew:
        return "lag_screw";
    case FastenerItem::bolt:
        return "bolt";
    case FastenerItem::bracket:
        return "bracket";
    case FastenerItem::bracketScrew:
        return "bracket_screw";
    case FastenerItem::braceScrew:
        return "brace_screw";
    case FastenerItem::glue:
        return "glue";
    }
    return "";
}
