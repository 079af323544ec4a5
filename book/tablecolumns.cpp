#include "tablecolumns.h"

#include <algorithm>

namespace {

// Halvings of the cap's interval: far below a device unit.
constexpr int bisections = 60;

} // namespace

std::vector<double> fitColumnWidths(const std::vector<ColumnNeed>& needs, double available) {
    double natural = 0;
    double least = 0;
    for (const ColumnNeed& n : needs) {
        natural += n.natural;
        least += std::min(n.least, n.natural);
    }
    std::vector<double> widths;
    widths.reserve(needs.size());
    if (natural <= available) {
        for (const ColumnNeed& n : needs)
            widths.push_back(n.natural);
        return widths;
    }
    if (least >= available) {
        const double scale = least > 0 ? available / least : 0;
        for (const ColumnNeed& n : needs)
            widths.push_back(std::min(n.least, n.natural) * scale);
        return widths;
    }
    // natural > available > least: the columns are capped at one width,
    // none below its least, the cap found where they fill the width. Narrow
    // columns keep their natural width; the widest give way.
    auto total = [&](double cap) {
        double sum = 0;
        for (const ColumnNeed& n : needs)
            sum += std::max(std::min(n.least, n.natural), std::min(n.natural, cap));
        return sum;
    };
    double low = 0;
    double high = 0;
    for (const ColumnNeed& n : needs)
        high = std::max(high, n.natural);
    for (int i = 0; i < bisections; ++i) {
        const double mid = (low + high) / 2;
        (total(mid) > available ? high : low) = mid;
    }
    for (const ColumnNeed& n : needs)
        widths.push_back(std::max(std::min(n.least, n.natural), std::min(n.natural, low)));
    return widths;
}
