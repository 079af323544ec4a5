#include "timbersection.h"

#include <cmath>
#include <utility>

namespace {

// A nominal size and its dressed sizes, smaller side first, in millimetres.
struct NominalSection {
    const char* name;
    double small;
    double large;
};

constexpr NominalSection nominalSections[] = {
    {"1×4", 19.05, 88.9},   {"1×6", 19.05, 139.7}, {"2×2", 38.1, 38.1},   {"2×3", 38.1, 63.5},
    {"2×4", 38.1, 88.9},    {"2×6", 38.1, 139.7},  {"2×8", 38.1, 184.15}, {"2×10", 38.1, 234.95},
    {"2×12", 38.1, 285.75}, {"4×4", 88.9, 88.9},   {"4×6", 88.9, 139.7},  {"6×6", 139.7, 139.7},
};

// Sawn sizes vary a little: within this of the dressed size is the nominal one.
constexpr double nominalTolerance = 1.0;

bool near(double a, double b) {
    return std::abs(a - b) <= nominalTolerance + 1e-9;
}

} // namespace

QString timberSectionText(double first, double second, LengthUnit unit) {
    if (unit == LengthUnit::Inches) {
        const auto [small, large] = std::minmax(first, second);
        for (const NominalSection& nominal : nominalSections)
            if (near(small, nominal.small) && near(large, nominal.large))
                return QString::fromUtf8(nominal.name);
    }
    return thicknessText(first, unit) + QStringLiteral(" × ") + thicknessText(second, unit);
}
