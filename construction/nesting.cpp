#include "nesting.h"

#include "constructionwords.h"
#include "pairfit.h"
#include "quarvelerror.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <QCoreApplication>

// Parts are nested as tiles: a part alone, or a pair fitted head to tail or
// stacked (pairfit.h), of one shape or of two. Tiles go on the sheets by their
// bounding boxes, tallest first, kerf apart, a pair wherever two copies are
// left: in shelves along the long side, or in the free rooms a placed tile
// leaves beside and above it. A sheet that would fill the same way again is
// repeated rather than filled anew, so thousands of copies cost little. Plans
// with and without pairs are all packed both ways and the one with fewest
// sheets kept, so pairs never cost more sheets than the parts alone in
// shelves.

namespace {

// Room for rounding when a part exactly fills the sheet's inner size.
constexpr double fitSlack = 1e-9;

// Pairs are searched among the first this many distinct parts only: the
// search grows with the square of their number (the few hundred pieces of a
// wall some hundred metres tall took seconds), while a ramp one can build has
// a handful.
constexpr int maxPairedShapes = 24;

// Whether two parts have the very same outline, to the last bit (QPointF's
// own == allows for rounding). Parts of two different panels may (a left and
// a right panel whose rib stations differ): they pack as one shape, with one
// set of pair fits, while each placed copy stays its own panel's. Which
// panels are the same panel is not decided here (distinctpanels.h).
bool identicalPoint(QPointF a, QPointF b) {
    return a.x() == b.x() && a.y() == b.y();
}

bool identicalSegment(const Segment& a, const Segment& b) {
    return a.kind == b.kind && identicalPoint(a.from, b.from) && identicalPoint(a.to, b.to) &&
           (a.kind == Segment::Kind::Line ||
            (identicalPoint(a.centre, b.centre) && a.radius == b.radius &&
             a.startAngle == b.startAngle && a.sweep == b.sweep));
}

bool identicalOutline(const Outline& a, const Outline& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), identicalSegment);
}

// The copies of one outline, whichever items they come from.
struct Shape {
    const Outline* outline = nullptr;
    Outline quarter; // turned a quarter counter-clockwise
    QRectF box;
    std::vector<int> items; // in the callers' order
    long long count = 0;
};

struct TilePart {
    int shape = 0;
    bool quarter = false; // the shape turned a quarter first
    Orientation orientation;
    QPointF corner; // of the part's bounding box, in the tile
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

    // All the shapes' copies on sheets, as the given tiles. Every copy must
    // fit one of them alone.
    Packing pack(const std::vector<int>& tiles, std::vector<long long> counts, bool inRooms) const {
        std::vector<int> order = tiles;
        // Tallest first; of tiles as tall, the wider, then the one with more
        // parts (a part with a smaller one in its curve before it alone).
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const Tile &x = m_tiles[a], &y = m_tiles[b];
            if (x.height != y.height) return x.height > y.height;
            if (x.width != y.width) return x.width > y.width;
            return x.parts.size() > y.parts.size();
        });
        Packing packing;
        long long left = 0;
        for (const long long c : counts)
            left += c;
        while (left > 0) {
            const std::vector<long long> before = counts;
            SheetPattern pattern;
            pattern.tiles = inRooms ? fillRooms(order, counts) : fillShelves(order, counts);
            if (pattern.tiles.empty()) throw QuarvelError(panelTooLargeText());
            // The next sheet fills the same way as long as each shape has as
            // many copies left as this one took: every tile this sheet could
            // not take for want of copies stays wanting.
            long long more = -1;
            for (size_t s = 0; s < counts.size(); ++s) {
                const long long used = before[s] - counts[s];
                if (used == 0) continue;
                const long long possible = counts[s] / used;
                more = more < 0 ? possible : std::min(more, possible);
            }
            pattern.repeat = 1 + std::max(0LL, more);
            for (size_t s = 0; s < counts.size(); ++s) {
                const long long used = before[s] - counts[s];
                counts[s] -= used * (pattern.repeat - 1);
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
    std::vector<PlacedTile> fillShelves(const std::vector<int>& order,
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
            while (available(tile, counts)) {
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
                for (const TilePart& part : tile.parts)
                    --counts[part.shape];
            }
        }
        return placed;
    }

    // Free rooms: a tile goes in the lowest, then leftmost room that takes
    // it, which leaves the room's part to its right, as tall as the tile, and
    // the part above it. Like shelves, but the room over a tile lower than
    // its shelf stays usable. Sizes here include one kerf, so the rooms
    // start as the sheet's inner size plus a kerf.
    std::vector<PlacedTile> fillRooms(const std::vector<int>& order,
                                      std::vector<long long>& counts) const {
        struct Room {
            double x = 0;
            double y = 0;
            double width = 0;
            double height = 0;
        };
        std::vector<Room> rooms{{0, 0, m_innerLong + m_kerf, m_innerShort + m_kerf}};
        std::vector<PlacedTile> placed;
        for (int t : order) {
            const Tile& tile = m_tiles[t];
            const double width = tile.width + m_kerf, height = tile.height + m_kerf;
            while (available(tile, counts)) {
                auto room = rooms.end();
                for (auto r = rooms.begin(); r != rooms.end(); ++r)
                    if (width <= r->width + fitSlack && height <= r->height + fitSlack &&
                        (room == rooms.end() || r->y < room->y ||
                         (r->y == room->y && r->x < room->x)))
                        room = r;
                if (room == rooms.end()) break;
                const Room taken = *room;
                rooms.erase(room);
                placed.push_back({t, taken.x, taken.y});
                if (taken.width - width > fitSlack)
                    rooms.push_back({taken.x + width, taken.y, taken.width - width, height});
                if (taken.height - height > fitSlack)
                    rooms.push_back(
                        {taken.x, taken.y + height, taken.width, taken.height - height});
                for (const TilePart& part : tile.parts)
                    --counts[part.shape];
            }
        }
        return placed;
    }

    static bool available(const Tile& tile, const std::vector<long long>& counts) {
        for (const TilePart& part : tile.parts) {
            long long needed = 0;
            for (const TilePart& other : tile.parts)
                needed += other.shape == part.shape;
            if (counts[part.shape] < needed) return false;
        }
        return true;
    }

    const std::vector<Tile>& m_tiles;
    double m_innerLong;
    double m_innerShort;
    double m_kerf;
};

Tile pairTile(const PairFit& fit, int lowerShape, int upperShape, bool quarter) {
    return {fit.width,
            fit.height,
            {{lowerShape, quarter, fit.lower, fit.lowerCorner},
             {upperShape, quarter, fit.upper, fit.upperCorner}}};
}

bool fits(const QRectF& box, double width, double height) {
    return box.width() <= width + fitSlack && box.height() <= height + fitSlack;
}

// The rotation of a tile part as placed: mirrored first, then turned. A
// mirror after a turn by b is the mirror first, then a turn by -b.
int rotation(const TilePart& part) {
    const int base = part.quarter ? 90 : 0;
    const int turn = part.orientation.turned ? 180 : 0;
    return ((part.orientation.mirrored ? turn - base : turn + base) + 360) % 360;
}

// The items grouped by identical outline, each group checked to fit a sheet.
std::vector<Shape> groupShapes(const std::vector<NestItem>& items, double innerLong,
                               double innerShort) {
    long long total = 0;
    for (const NestItem& item : items) {
        if (item.count < 0)
            throw QuarvelError(QCoreApplication::translate("Nesting", "Nombre de pièces négatif"));
        total += item.count;
    }
    if (total > maxNestedParts)
        throw QuarvelError(
            QCoreApplication::translate("Nesting", "Trop de pièces à placer : %1 (%2 au plus)")
                .arg(total)
                .arg(maxNestedParts));
    std::vector<Shape> shapes;
    for (int i = 0; i < int(items.size()); ++i) {
        const NestItem& item = items[i];
        if (item.count == 0) continue;
        auto shape = std::find_if(shapes.begin(), shapes.end(), [&](const Shape& s) {
            return identicalOutline(*s.outline, item.outline);
        });
        if (shape == shapes.end()) {
            const QRectF box = boundingBox(item.outline);
            if (item.outline.empty() ||
                (!fits(box, innerLong, innerShort) && !fits(box, innerShort, innerLong)))
                throw QuarvelError(panelTooLargeText());
            shapes.push_back({&item.outline, quarterTurned(item.outline, 1), box, {}, 0});
            shape = shapes.end() - 1;
        }
        shape->items.push_back(i);
        shape->count += item.count;
    }
    return shapes;
}

// The tiles, each kind listed by index.
struct TileSet {
    std::vector<Tile> tiles;
    std::vector<int> alone, aloneTurned, selfPair, selfPairTurned, mixedPairs;
};

// Each shape alone, as drawn and turned a quarter, then each shape with
// itself both ways, then mixed pairs as drawn.
TileSet makeTiles(const std::vector<Shape>& shapes, double kerf, double innerLong,
                  double innerShort) {
    TileSet set;
    const int shapeCount = int(shapes.size());
    const int pairedShapes = std::min(shapeCount, maxPairedShapes);
    for (int s = 0; s < shapeCount; ++s) {
        const Shape& shape = shapes[s];
        for (const bool quarter : {false, true}) {
            const double width = quarter ? shape.box.height() : shape.box.width();
            const double height = quarter ? shape.box.width() : shape.box.height();
            if (width > innerLong + fitSlack || height > innerShort + fitSlack) continue;
            (quarter ? set.aloneTurned : set.alone).push_back(int(set.tiles.size()));
            set.tiles.push_back({width, height, {{s, quarter, {}, {}}}});
            if (s >= pairedShapes || shape.count < 2) continue;
            const Outline& outline = quarter ? shape.quarter : *shape.outline;
            const std::optional<PairFit> fit =
                fitPair(outline, outline, kerf, innerLong, innerShort);
            if (!fit) continue;
            (quarter ? set.selfPairTurned : set.selfPair).push_back(int(set.tiles.size()));
            set.tiles.push_back(pairTile(*fit, s, s, quarter));
        }
    }
    for (int s = 0; s < pairedShapes; ++s)
        for (int t = s + 1; t < pairedShapes; ++t) {
            const std::optional<PairFit> fit =
                fitPair(*shapes[s].outline, *shapes[t].outline, kerf, innerLong, innerShort);
            if (!fit) continue;
            set.mixedPairs.push_back(int(set.tiles.size()));
            set.tiles.push_back(pairTile(*fit, s, t, false));
        }
    return set;
}

// Plans by the tiles they may use, the parts alone last, then the same with
// quarter turns: the first with fewest sheets wins, so a part is turned a
// quarter only where that saves a sheet. A shape that fits only turned is
// turned in every plan.
std::vector<std::vector<int>> tilePlans(const TileSet& set, int shapeCount) {
    std::vector<int> single;
    for (int s = 0; s < shapeCount; ++s) {
        const auto isShape = [&](int t) { return set.tiles[t].parts[0].shape == s; };
        const auto asDrawn = std::find_if(set.alone.begin(), set.alone.end(), isShape);
        single.push_back(
            asDrawn != set.alone.end()
                ? *asDrawn
                : *std::find_if(set.aloneTurned.begin(), set.aloneTurned.end(), isShape));
    }
    std::vector<int> withPairs = single;
    withPairs.insert(withPairs.end(), set.selfPair.begin(), set.selfPair.end());
    std::vector<int> withMixedPairs = withPairs;
    withMixedPairs.insert(withMixedPairs.end(), set.mixedPairs.begin(), set.mixedPairs.end());
    std::vector<std::vector<int>> plans;
    if (!set.mixedPairs.empty()) plans.push_back(withMixedPairs);
    if (!set.selfPair.empty()) plans.push_back(withPairs);
    plans.push_back(single);
    if (!set.aloneTurned.empty()) {
        const std::size_t asDrawn = plans.size();
        for (std::size_t p = 0; p < asDrawn; ++p) {
            std::vector<int> turned = plans[p];
            for (const int t : set.aloneTurned)
                if (std::find(turned.begin(), turned.end(), t) == turned.end()) turned.push_back(t);
            turned.insert(turned.end(), set.selfPairTurned.begin(), set.selfPairTurned.end());
            plans.push_back(std::move(turned));
        }
    }
    return plans;
}

// The packing's sheets, copies handed out item by item in the callers' order.
std::vector<SheetLayout> placeCopies(const Packing& packing, const std::vector<Tile>& tiles,
                                     const std::vector<Shape>& shapes,
                                     const std::vector<NestItem>& items, double kerf) {
    std::vector<size_t> nextItem(shapes.size(), 0);
    std::vector<int> takenOfItem(shapes.size(), 0);
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
    sheets.reserve(packing.sheets);
    for (const SheetPattern& pattern : packing.patterns)
        for (long long r = 0; r < pattern.repeat; ++r) {
            SheetLayout& sheet = sheets.emplace_back();
            for (const PlacedTile& placed : pattern.tiles)
                for (const TilePart& part : tiles[placed.tile].parts) {
                    const NestItem& item = takeCopy(part.shape);
                    sheet.parts.push_back({item.curve, item.piece,
                                           kerf + placed.x + part.corner.x(),
                                           kerf + placed.y + part.corner.y(), rotation(part),
                                           part.orientation.mirrored, item.part});
                }
        }
    return sheets;
}

} // namespace

std::vector<SheetLayout> nestParts(const std::vector<NestItem>& items, double sheetLong,
                                   double sheetShort, double kerf) {
    const double innerLong = sheetLong - 2 * kerf;
    const double innerShort = sheetShort - 2 * kerf;
    const std::vector<Shape> shapes = groupShapes(items, innerLong, innerShort);
    const TileSet set = makeTiles(shapes, kerf, innerLong, innerShort);
    std::vector<long long> counts;
    for (const Shape& shape : shapes)
        counts.push_back(shape.count);
    const SheetPacker packer(set.tiles, innerLong, innerShort, kerf);
    std::optional<Packing> best;
    for (const std::vector<int>& plan : tilePlans(set, int(shapes.size())))
        for (const bool inRooms : {false, true}) {
            Packing packing = packer.pack(plan, counts, inRooms);
            if (!best || packing.sheets < best->sheets) best = std::move(packing);
        }
    return placeCopies(*best, set.tiles, shapes, items, kerf);
}
