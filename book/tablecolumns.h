#pragma once

#include <vector>

// A table column's widths in mm, padding included: what its longest cell
// needs on one line, and what its longest word needs.
struct ColumnNeed {
    double natural = 0;
    double least = 0;
};

// The widths of a table's columns within the available width: each its
// natural width when they all fit; otherwise the widest columns narrowed to
// one common width (never below their least) so that they fill the width,
// the narrow ones kept whole; when even the least widths do not fit, those
// scaled down to fill the width (words then break anywhere).
std::vector<double> fitColumnWidths(const std::vector<ColumnNeed>& needs, double available);
