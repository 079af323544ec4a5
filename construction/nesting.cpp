#include "nesting.h"

#include "pairfit.h"
#include "quarvelerror.h"

#include <algorithm>
#include <optional>

// Parts are nested as tiles: a part alone, or a pair fitted head to tail or
// stacked (pairfit.h). Tiles go on the sheets by their bounding boxes in
// shelves, tallest first, kerf apart; a sheet filled the same way again is
// repeated rather than filled anew, so thousands of copies cost little. The
// plan with pairs is kept only when it takes no more sheets than the parts
// alone in shelves.

namespace {

// Room for rounding when a part exactly fills the sheet's inner size.
constexpr double fitSlack = 1e-9;

bool sameSegment(const Segment& a, const Segment& b) {
    return a.kind == b.kind && a.from == b.from && a.to == b.to &&
           (a.kind == Segment::Kind::Line || (a.centre == b.centre && a.radius == b.radius &&
                                              a.startAngle == b.startAngle && a.sweep == b.sweep));
}

bool sameOutline(const Outline& a, const Outline& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameSegment);
}

// The copies of one outline, whichever items they come from (a left and a
// right panel are often alike).
struct Shape {
    const Outline* outline = nullptr;
    Rect box;
    std::vector<int> items; // in the callers' order
    long long count = 0;
};

struct TilePart {
    int shape = 0;
    Orientation orientation;
    Point corner; // of the part's bounding box, in the tile
};

struct Tile {
    double width = 0;
    double height = 0;
    std::vector<TilePart> parts;
};

struct PlacedTile {
    int tile = 0;
    double x = 0; // from the sheet's inner corner (kerf in from its edges)
    double y = 0;
};

// One sheet's tiles, and how many sheets are laid out alike.
struct SheetPattern {
    std::vector<PlacedTile> tiles;
    long long repeat = 0;
};

struct Packing {
    std::vector<SheetPattern> patterns;
    long long sheets = 0;
};

class SheetPacker {
public:
    SheetPacker(const std::vector<Tile>& tiles, double innerLong, double innerShort, double kerf)
        : m_tiles(tiles)
        , m_innerLong(innerLong)
        , m_innerShort(innerShort)
        , m_kerf(kerf) {}

    // All the counted tiles on sheets.
    Packing pack(std::vector<long long> counts) const {
        std::vector<int> order;
        for (int t = 0; t < int(m_tiles.size()); ++t)
            if (counts[t] > 0) order.push_back(t);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            if (m_tiles[a].height != m_tiles[b].height)
                return m_tiles[a].height > m_tiles[b].height;
            return m_tiles[a].width > m_tiles[b].width;
        });
        Packing packing;
        long long left = 0;
        for (const long long c : counts)
            left += c;
        while (left > 0) {
            const std::vector<long long> before = counts;
            SheetPattern pattern;
            pattern.tiles = fillSheet(order, counts);
            if (pattern.tiles.empty()) // every tile fits an empty sheet
                throw QuarvelError(QStringLiteral("Flanc trop grand pour les panneaux"));
            // A sheet whose every kind of tile was left over fills the same
            // way again, as long as enough of each kind remain.
            pattern.repeat = 1;
            long long more = -1;
            for (int t : order) {
                const long long used = before[t] - counts[t];
                if (used == 0) continue;
                const long long possible = counts[t] / used;
                more = more < 0 ? possible : std::min(more, possible);
            }
            pattern.repeat += std::max(0LL, more);
            for (int t : order) {
                const long long used = before[t] - counts[t];
                counts[t] -= used * (pattern.repeat - 1);
                left -= used * pattern.repeat;
            }
            packing.sheets += pattern.repeat;
            packing.patterns.push_back(std::move(pattern));
        }
        return packing;
    }

private:
    // Shelves across the sheet's long side, each as tall as its first tile;
    // a tile goes on the first shelf with room, else on a new shelf.
    std::vector<PlacedTile> fillSheet(const std::vector<int>& order,
                                      std::vector<long long>& counts) const {
        struct Shelf {
            double y = 0;
            double height = 0;
            double x = 0; // where the next tile starts
        };
        std::vector<Shelf> shelves;
        double nextShelf = 0;
        std::vector<PlacedTile> placed;
        for (int t : order) {
            const Tile& tile = m_tiles[t];
            while (counts[t] > 0) {
                auto shelf = std::find_if(shelves.begin(), shelves.end(), [&](const Shelf& s) {
                    return tile.height <= s.height + fitSlack &&
                           s.x + tile.width <= m_innerLong + fitSlack;
                });
                if (shelf == shelves.end()) {
                    if (nextShelf + tile.height > m_innerShort + fitSlack) break;
                    shelves.push_back({nextShelf, tile.height, 0});
                    nextShelf += tile.height + m_kerf;
                    shelf = shelves.end() - 1;
                }
                placed.push_back({t, shelf->x, shelf->y});
                shelf->x += tile.width + m_kerf;
                --counts[t];
            }
        }
        return placed;
    }

    const std::vector<Tile>& m_tiles;
    double m_innerLong;
    double m_innerShort;
    double m_kerf;
};

// Pairs of a tile on a box of innerLong x innerShort, then the smaller area.
bool betterPair(const PairFit& a, const PairFit& b, double innerLong, double innerShort,
                double kerf) {
    auto perSheet = [&](const PairFit& f) {
        return (long long)((innerLong + kerf + fitSlack) / (f.width + kerf)) *
               (long long)((innerShort + kerf + fitSlack) / (f.height + kerf));
    };
    if (perSheet(a) != perSheet(b)) return perSheet(a) > perSheet(b);
    return a.width * a.height < b.width * b.height;
}

Tile pairTile(const PairFit& fit, int lowerShape, int upperShape) {
    return {fit.width,
            fit.height,
            {{lowerShape, fit.lower, fit.lowerCorner}, {upperShape, fit.upper, fit.upperCorner}}};
}

} // namespace

std::vector<SheetLayout> nestParts(const std::vector<NestItem>& items, double sheetLong,
                                   double sheetShort, double kerf) {
    long long total = 0;
    for (const NestItem& item : items) {
        if (item.count < 0) throw QuarvelError(QStringLiteral("Nombre de pièces négatif"));
        total += item.count;
    }
    if (total > maxNestedParts)
        throw QuarvelError(QStringLiteral("Trop de pièces à placer : %1 (%2 au plus)")
                               .arg(total)
                               .arg(maxNestedParts));
    const double innerLong = sheetLong - 2 * kerf;
    const double innerShort = sheetShort - 2 * kerf;

    std::vector<Shape> shapes;
    for (int i = 0; i < int(items.size()); ++i) {
        const NestItem& item = items[i];
        if (item.count == 0) continue;
        auto shape = std::find_if(shapes.begin(), shapes.end(), [&](const Shape& s) {
            return sameOutline(*s.outline, item.outline);
        });
        if (shape == shapes.end()) {
            const Rect box = boundingBox(item.outline);
            if (item.outline.empty() || box.width() > innerLong + fitSlack ||
                box.height() > innerShort + fitSlack)
                throw QuarvelError(QStringLiteral("Flanc trop grand pour les panneaux"));
            shapes.push_back({&item.outline, box, {}, 0});
            shape = shapes.end() - 1;
        }
        shape->items.push_back(i);
        shape->count += item.count;
    }
    const int shapeCount = int(shapes.size());

    // Tiles: each shape alone, then each shape with itself, then mixed pairs.
    std::vector<Tile> tiles;
    for (const Shape& s : shapes)
        tiles.push_back({s.box.width(), s.box.height(), {{}}});
    for (int s = 0; s < shapeCount; ++s)
        tiles[s].parts.front().shape = s;
    std::vector<int> selfPair(shapeCount, -1);
    for (int s = 0; s < shapeCount; ++s) {
        if (shapes[s].count < 2) continue;
        const std::optional<PairFit> fit =
            fitPair(*shapes[s].outline, *shapes[s].outline, kerf, innerLong, innerShort);
        if (!fit) continue;
        selfPair[s] = int(tiles.size());
        tiles.push_back(pairTile(*fit, s, s));
    }
    struct MixedPair {
        int first = 0;
        int second = 0;
        int tile = 0;
        PairFit fit;
    };
    std::vector<MixedPair> mixed;
    for (int s = 0; s < shapeCount; ++s)
        for (int t = s + 1; t < shapeCount; ++t) {
            std::optional<PairFit> fit =
                fitPair(*shapes[s].outline, *shapes[t].outline, kerf, innerLong, innerShort);
            bool swapped = false;
            if (const std::optional<PairFit> other =
                    fitPair(*shapes[t].outline, *shapes[s].outline, kerf, innerLong, innerShort);
                other && (!fit || betterPair(*other, *fit, innerLong, innerShort, kerf))) {
                fit = other;
                swapped = true;
            }
            if (!fit) continue;
            mixed.push_back({s, t, int(tiles.size()), *fit});
            tiles.push_back(swapped ? pairTile(*fit, t, s) : pairTile(*fit, s, t));
        }
    std::stable_sort(mixed.begin(), mixed.end(), [&](const MixedPair& a, const MixedPair& b) {
        return betterPair(a.fit, b.fit, innerLong, innerShort, kerf);
    });

    // Candidate plans as counts of tiles; the first with fewest sheets wins.
    std::vector<std::vector<long long>> plans;
    auto pairUp = [&](std::vector<long long>& counts, std::vector<long long>& left,
                      bool mixedFirst) {
        auto pairMixed = [&] {
            for (const MixedPair& m : mixed) {
                const long long n = std::min(left[m.first], left[m.second]);
                counts[m.tile] += n;
                left[m.first] -= n;
                left[m.second] -= n;
            }
        };
        if (mixedFirst) pairMixed();
        for (int s = 0; s < shapeCount; ++s)
            if (selfPair[s] >= 0) {
                counts[selfPair[s]] += left[s] / 2;
                left[s] %= 2;
            }
        if (!mixedFirst) pairMixed();
    };
    for (const bool mixedFirst : {false, true}) {
        if (mixedFirst && mixed.empty()) break;
        std::vector<long long> counts(tiles.size(), 0), left(shapeCount);
        for (int s = 0; s < shapeCount; ++s)
            left[s] = shapes[s].count;
        pairUp(counts, left, mixedFirst);
        for (int s = 0; s < shapeCount; ++s)
            counts[s] = left[s];
        plans.push_back(counts);
    }
    { // the bounding boxes alone, in shelves
        std::vector<long long> counts(tiles.size(), 0);
        for (int s = 0; s < shapeCount; ++s)
            counts[s] = shapes[s].count;
        plans.push_back(counts);
    }
    const SheetPacker packer(tiles, innerLong, innerShort, kerf);
    std::optional<Packing> best;
    for (const std::vector<long long>& counts : plans) {
        Packing packing = packer.pack(counts);
        if (!best || packing.sheets < best->sheets) best = std::move(packing);
    }

    // Copies handed out item by item, in the callers' order.
    std::vector<size_t> nextItem(shapeCount, 0);
    std::vector<int> takenOfItem(shapeCount, 0);
    auto takeCopy = [&](int s) -> const NestItem& {
        const Shape& shape = shapes[s];
        while (takenOfItem[s] >= items[shape.items[nextItem[s]]].count) {
            ++nextItem[s];
            takenOfItem[s] = 0;
        }
        ++takenOfItem[s];
        return items[shape.items[nextItem[s]]];
    };
    std::vector<SheetLayout> sheets;
    sheets.reserve(best->sheets);
    for (const SheetPattern& pattern : best->patterns)
        for (long long r = 0; r < pattern.repeat; ++r) {
            SheetLayout& sheet = sheets.emplace_back();
            for (const PlacedTile& placed : pattern.tiles)
                for (const TilePart& part : tiles[placed.tile].parts) {
                    const NestItem& item = takeCopy(part.shape);
                    sheet.parts.push_back({item.curve, item.piece, kerf + placed.x + part.corner.u,
                                           kerf + placed.y + part.corner.v, part.orientation.turned,
                                           part.orientation.mirrored});
                }
        }
    return sheets;
}
