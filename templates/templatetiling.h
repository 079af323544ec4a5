#pragma once

#include "constructionplan.h"

#include <QString>
#include <set>
#include <utility>
#include <vector>

// One printed page of a tiled template: the part of the panel it shows.
struct TemplateTile {
    int row = 0;    // 0 = A, from the top
    int column = 0; // 0 = 1, from the panel's back end
    QRectF area;    // its printable area, panel coordinates (mm)
};

// How a side panel's template is cut into pages. Only what a builder cannot
// draw with a straightedge is printed: a band along the frame curve (150 mm
// either side of it, down to 30 mm under the ground), the notch with the pipe,
// and the toe with the ground line under it. The band ends square on the
// curve's normals at the toe and at the top. The pages form a grid from the
// top-left corner of that region (rows A, B, ... downward, columns 1, 2, ...
// from the back end); neighbours share `overlap` mm. A page is printed only
// when it carries some of the panel's lines: the frame curve, the notch or the
// toe's riser.
class TemplateTiling {
public:
    static constexpr int maxTiles = 200;
    static constexpr double bandHalfWidth = 150;
    // Paper left around the notch and below the ground line.
    static constexpr double notchMargin = 30;
    static constexpr double groundMargin = 30;
    // The ground line printed beyond the toe, to line the paper up.
    static constexpr double toeMargin = 40;

    // The coping pipe's diameter (0: none), the paper in mm (portrait), its
    // unprinted margin and the overlap. Throws QuarvelError when more than
    // maxTiles pages would be printed.
    TemplateTiling(const CurvePlan& curve, double pipeDiameter, double paperWidth,
                   double paperHeight, double margin, double overlap);

    // The printed tiles, row by row, each row from the back end.
    const std::vector<TemplateTile>& tiles() const { return m_tiles; }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    bool printed(int row, int column) const;
    // How much a rectangle (panel coordinates) would hide of what is drawn
    // to be traced: the normals (1 mm apart along the frame curve, from 60 mm
    // outside it, over the rib numbers, to 75 mm inside, over the rib sections)
    // that cross it, and areaWeight for the notch and for the toe.
    int hidden(const QRectF& r) const;
    static constexpr int areaWeight = 1000;
    // The printable area of any grid cell, printed or not.
    QRectF area(int row, int column) const;
    // The band, the notch and the toe together: the grid's extent.
    QRectF region() const { return m_region; }
    double overlap() const { return m_overlap; }

    // "A1", "B3", ..., "Z9", "AA1".
    static QString label(int row, int column);

private:
    void mark(int row, int column);
    // The grid cell that owns a point of the panel plane.
    std::pair<int, int> owner(QPointF p) const;
    // Whether a printed tile shows the point.
    bool shown(QPointF p) const;
    // Prints the tiles that carry the panel's lines (points along them).
    void markTilesWithLines(const std::vector<QPointF>& points);

    std::vector<std::pair<QPointF, QPointF>> m_normals; // across the curve, 150 mm each side
    std::vector<QRectF> m_areas;                        // the toe, the notch
    QRectF m_region;
    double m_width = 0; // printable area
    double m_height = 0;
    double m_overlap = 0;
    int m_rows = 0;
    int m_columns = 0;
    std::set<std::pair<int, int>> m_printed;
    std::vector<TemplateTile> m_tiles;
};
