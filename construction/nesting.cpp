#include "nesting.h"

#include "quarvelerror.h"

#include <algorithm>
#include <numeric>

namespace {

// Room left for rounding when a part exactly fills the sheet's inner size.
constexpr double fitSlack = 1e-9;

struct Box {
    int item = 0;
    double width = 0;
    double height = 0;
};

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
    std::vector<Box> boxes;
    for (int i = 0; i < int(items.size()); ++i) {
        if (items[i].count == 0) continue;
        const Rect r = boundingBox(items[i].outline);
        if (r.width() > innerLong + fitSlack || r.height() > innerShort + fitSlack)
            throw QuarvelError(QStringLiteral("Flanc trop grand pour les panneaux"));
        boxes.push_back({i, r.width(), r.height()});
    }
    std::stable_sort(boxes.begin(), boxes.end(),
                     [](const Box& a, const Box& b) { return a.height > b.height; });

    // Shelves, tallest parts first: each shelf as tall as its first part.
    std::vector<SheetLayout> sheets;
    double x = 0, y = 0, shelfHeight = 0;
    for (const Box& box : boxes) {
        const NestItem& item = items[box.item];
        for (int copy = 0; copy < item.count; ++copy) {
            if (!sheets.empty() && x + box.width > innerLong + fitSlack) {
                y += shelfHeight + kerf;
                x = 0;
                shelfHeight = 0;
            }
            if (sheets.empty() || y + box.height > innerShort + fitSlack) {
                sheets.emplace_back();
                x = y = shelfHeight = 0;
            }
            sheets.back().parts.push_back(
                {item.curve, item.piece, kerf + x, kerf + y, false, false});
            x += box.width + kerf;
            shelfHeight = std::max(shelfHeight, box.height);
        }
    }
    return sheets;
}
