#include "templatepdf.h"

#include "constructionwords.h"
#include "fixedhashseed.h"
#include "frameordinates.h"
#include "panelpainter.h"
#include "printedlengths.h"
#include "quarvelerror.h"
#include "templatepanel.h"
#include "templatetiling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <span>

namespace {

// High enough that a device unit (0.02 mm) never shows, and the geometry is
// mapped in doubles anyway.
constexpr int resolution = 1200;
constexpr double pixelsPerMm = resolution / 25.4;
constexpr double pointsPerMm = 72 / 25.4;

const QColor labelColour(90, 90, 90);

// The ordinates table on page 2: each column's left edge from the margin,
// and the width of its text.
constexpr double ordinateColumns[] = {0, 45, 85, 125};
constexpr double ordinateWidths[] = {40, 40, 40, 40};
// The corners table: the corner's name, then four columns.
constexpr double cornerColumns[] = {0, 75, 105, 135, 160};
constexpr double cornerWidths[] = {74, 30, 30, 30, 30};
// The caption of a full-size page: its width, and its left edge from the
// panel's back end (to its left on a mirrored panel).
constexpr double captionWidth = 120;
constexpr double captionFromBack = 20;
constexpr double captionFromToe = 130;

QPageSize paperPageSize(TemplatePaper paper) {
    switch (paper) {
    case TemplatePaper::Letter:
        return QPageSize(QPageSize::Letter);
    case TemplatePaper::A3:
        return QPageSize(QPageSize::A3);
    default:
        return QPageSize(QPageSize::A4);
    }
}

// Everything drawn of the panel with the margin on every side.
QPageSize fullPageSize(const QRectF& drawn) {
    return QPageSize(
        QSizeF(drawn.width() + 2 * templateMargin, drawn.height() + 2 * templateMargin),
        QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

QFont fontOf(double heightMm, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * pixelsPerMm))));
    font.setBold(bold);
    return font;
}

QRectF deviceRect(double x, double y, double w, double h) {
    return {x * pixelsPerMm, y * pixelsPerMm, w * pixelsPerMm, h * pixelsPerMm};
}

QString cm(qint32 value, LengthUnit unit) {
    return designLengthWords(value, unit);
}

// The units in which the templates' words write the other unit's lengths:
// the column beside the heights.
LengthUnit otherUnit(LengthUnit unit) {
    return unit == LengthUnit::Millimetres ? LengthUnit::Inches : LengthUnit::Millimetres;
}

// Pages on one writer, with text helpers in mm from the page's top-left.
class TemplateDocument {
public:
    TemplateDocument(QPdfWriter& writer, QPainter& painter)
        : m_writer(writer)
        , m_painter(painter) {}

    QPainter& painter() { return m_painter; }
    double pageWidth() const {
        return m_writer.pageLayout().fullRect(QPageLayout::Millimeter).width();
    }
    double pageHeight() const {
        return m_writer.pageLayout().fullRect(QPageLayout::Millimeter).height();
    }
    // The page's height as the PDF stores it (whole points), in mm.
    double storedPageHeight() const {
        return m_writer.pageLayout().fullRectPoints().height() / pointsPerMm;
    }

    void newPage() {
        if (!m_first) m_writer.newPage();
        m_first = false;
    }

    // Text from (x, y) mm, word-wrapped to width; returns its height in mm.
    double text(double x, double y, double width, const QString& words, double heightMm,
                bool bold = false, const QColor& colour = Qt::black) {
        m_painter.setFont(fontOf(heightMm, bold));
        m_painter.setPen(colour);
        const QRectF box = deviceRect(x, y, width, 1000);
        const QRectF used = m_painter.boundingRect(box, Qt::TextWordWrap, words);
        m_painter.drawText(box, Qt::TextWordWrap, words);
        return used.height() / pixelsPerMm;
    }

private:
    QPdfWriter& m_writer;
    QPainter& m_painter;
    bool m_first = true;
};

struct PanelTiles {
    TemplatePanel panel;
    TemplateTiling tiling;
};

// Panel mm to the page, for a tile's area or any window of the panel placed
// at (x, y) mm from the page's top-left with the given scale.
QTransform windowTransform(const QRectF& window, bool mirrored, double x, double y, double scale) {
    const double s = scale * pixelsPerMm;
    const double dx = mirrored ? (x + scale * window.right()) * pixelsPerMm
                               : (x - scale * window.left()) * pixelsPerMm;
    const double dy = (y + scale * highestV(window)) * pixelsPerMm;
    return QTransform(mirrored ? -s : s, 0, 0, -s, dx, dy);
}

QString designSummary(const ConstructionPlan& plan, LengthUnit u) {
    const RampDimensions& d = plan.dims;
    return QCoreApplication::translate(
               "Templates",
               "Rampe : courbe gauche R %1, H %2, plateforme %3 — plat %4 — courbe droite "
               "R %5, H %6, plateforme %7 — largeur %8.")
        .arg(cm(d.R1, u), cm(d.H1, u), cm(d.P1, u), cm(d.F, u), cm(d.R2, u), cm(d.H2, u),
             cm(d.P2, u), cm(d.W, u));
}

QString settingsSummary(const ConstructionSettings& s, LengthUnit unit) {
    QStringList layers;
    for (double t : s.surface)
        layers << thicknessCell(t, unit);
    QString text = QCoreApplication::translate(
                       "Templates", "Construction : surface %1, flancs %2, cadre du plat %3, "
                                    "tasseaux %4")
                       .arg(numberWithUnit(layers.join(QStringLiteral(" + ")), unit),
                            thicknessWords(s.panel, unit), lengthWords(s.flat, unit),
                            sectionWords(s.ribWidth, s.ribDepth, unit));
    if (s.coping > 0)
        text += QCoreApplication::translate("Templates", ", tube de coping Ø %1 dépassant de %2")
                    .arg(lengthWords(s.coping, unit), lengthWords(s.reveal, unit));
    return text + QLatin1Char('.');
}

QString panelSummary(const ConstructionPlan& plan, const TemplatePanel& panel, LengthUnit unit) {
    const CurvePlan& c = *plan.curves[panel.curve];
    const QString ribs = QString::number(c.stations.size());
    return QCoreApplication::translate("Templates",
                                       "%1 ; longueur %2, hauteur %3, rayon du cadre %4, "
                                       "tasseaux par flanc : %5.")
        .arg(capitalized(panel.countText()), lengthWords(c.panelLength, unit),
             lengthWords(c.panelHeight, unit), lengthWords(c.frameRadius, unit), ribs);
}

void drawFirstPage(TemplateDocument& doc, const ConstructionPlan& plan,
                   const std::vector<PanelTiles>& panels, double overlap, LengthUnit unit) {
    const double m = templateMargin;
    const double width = doc.pageWidth() - 2 * m;
    double y = m;
    y += doc.text(m, y, width,
                  QCoreApplication::translate("Templates",
                                              "Quarvel — gabarits des flancs à taille réelle"),
                  6, true) +
         2;
    y += doc.text(m, y, width, designSummary(plan, unit), 3.2) + 1;
    y += doc.text(m, y, width, settingsSummary(plan.settings, unit), 3.2) + 1;

    // The calibration squares, each edge a fine line so that it can be measured.
    QPainter& painter = doc.painter();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0.3 * pixelsPerMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    using S = CalibrationSquares;
    painter.drawRect(deviceRect(S::left, S::metricTop, S::metricSide, S::metricSide));
    painter.drawRect(deviceRect(S::left, S::imperialTop, S::imperialSide, S::imperialSide));
    doc.text(S::left + 4, S::metricTop + 4, 90,
             QCoreApplication::translate("Templates", "100 mm × 100 mm"), 4, true);
    doc.text(S::left + 4, S::imperialTop + 4, 90,
             QCoreApplication::translate("Templates", "4 po × 4 po (101,6 mm)"), 4, true);

    const double x = S::left + S::metricSide + 8;
    const double columnWidth = doc.pageWidth() - m - x;
    double yr = S::metricTop;
    yr += doc.text(x, yr, columnWidth,
                   QCoreApplication::translate(
                       "Templates", "Imprimer à 100 % (taille réelle) et mesurer ces carrés avant "
                                    "de découper"),
                   4.5, true) +
          3;
    yr +=
        doc.text(x, yr, columnWidth,
                 QCoreApplication::translate(
                     "Templates", "Les ordonnées et la méthode du cordeau, page suivante, "
                                  "se tracent sans imprimante. Les tuiles se recouvrent de %1 : "
                                  "coupez une tuile sur le pointillé, posez-la sur sa voisine en "
                                  "alignant les croix, collez. La ligne de sol et la verticale du "
                                  "pied se posent sur le bord inférieur de la feuille et sur la "
                                  "verticale tracée à l'équerre.")
                     .arg(lengthWords(overlap, unit)),
                 3) +
        3;
    for (const PanelTiles& p : panels)
        yr += doc.text(x, yr, columnWidth, panelSummary(plan, p.panel, unit), 3) + 2;
    yr += 2;

    // The maps of the tiles, one per panel, in what is left of the column.
    const double bottom = doc.pageHeight() - m;
    const double mapHeight = std::max(20.0, (bottom - yr) / panels.size() - 8);
    for (const PanelTiles& p : panels) {
        yr += doc.text(x, yr, columnWidth,
                       QCoreApplication::translate("Templates", "Plan des tuiles — %1")
                           .arg(p.panel.name()),
                       3.2, true) +
              1;
        // The whole panel under its printed tiles.
        const CurvePlan& curve = *plan.curves[p.panel.curve];
        QRectF region(0, 0, curve.panelLength, curve.deckFrameTop);
        for (const TemplateTile& tile : p.tiling.tiles())
            region |= tile.area;
        const double scale = std::min(columnWidth / region.width(), mapHeight / region.height());
        const QTransform map = windowTransform(region, p.panel.mirrored, x, yr, scale);
        painter.setPen(QPen(Qt::black, 0.25 * pixelsPerMm));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(map.map(outlinePath(plan.curves[p.panel.curve]->outline)));
        painter.setFont(fontOf(std::clamp(scale * 60, 1.5, 3.0)));
        for (const TemplateTile& tile : p.tiling.tiles()) {
            const QRectF r = map.mapRect(tile.area);
            painter.setPen(QPen(QColor(0, 90, 170), 0.15 * pixelsPerMm));
            painter.drawRect(r);
            painter.drawText(r, Qt::AlignCenter, TemplateTiling::label(tile.row, tile.column));
        }
        yr += region.height() * scale + 6;
    }
}

// Text flowing down the pages from the top margin: a new page starts where
// the next piece would not fit.
class FlowingText {
public:
    explicit FlowingText(TemplateDocument& doc)
        : m_doc(doc) {}

    double width() const { return m_doc.pageWidth() - 2 * templateMargin; }
    void skip(double mm) { m_y += mm; }
    // A new page unless needed mm are left on this one.
    void room(double needed) {
        if (m_y + needed <= m_doc.pageHeight() - templateMargin) return;
        m_doc.newPage();
        m_y = templateMargin;
    }
    // A paragraph across the page, then after mm.
    void paragraph(const QString& words, double height, bool bold, double after) {
        m_y += m_doc.text(templateMargin, m_y, width(), words, height, bold) + after;
    }
    // One row of a table: each cell from its column's left edge, its width.
    void row(const QStringList& cells, std::span<const double> columns,
             std::span<const double> widths, bool bold) {
        room(tableRowHeight);
        for (qsizetype i = 0; i < cells.size(); ++i)
            m_doc.text(templateMargin + columns[std::size_t(i)], m_y, widths[std::size_t(i)],
                       cells[i], tableTextHeight, bold);
        m_y += tableRowHeight;
    }

private:
    static constexpr double tableRowHeight = 4.6;
    static constexpr double tableTextHeight = 3.2;
    TemplateDocument& m_doc;
    double m_y = templateMargin;
};

// The ordinates' steps along the ground and in height: round numbers of the unit.
double ordinateStep(LengthUnit unit) {
    return unit == LengthUnit::Inches ? 4 * 25.4 : 100;
}
double ordinateHeightStep(LengthUnit unit) {
    return unit == LengthUnit::Inches ? 2 * 25.4 : 50;
}

// The height in the other unit, for the last column.
QString otherHeight(double value, LengthUnit unit) {
    // Millimetre pages keep inches without feet, as a tape read from the ground.
    if (unit == LengthUnit::Millimetres) return inchesText(value);
    return lengthWords(value, otherUnit(unit));
}

void drawOrdinateIntro(FlowingText& flow, const CurvePlan& c, const TemplatePanel& panel,
                       LengthUnit unit) {
    flow.paragraph(
        QCoreApplication::translate("Templates", "%1 — ordonnées du cadre").arg(panel.name()), 5.5,
        true, 1);
    flow.paragraph(panel.countText(), 3.5, false, 2);
    flow.paragraph(QCoreApplication::translate(
                       "Templates",
                       "Feuille posée à plat, son bord inférieur sur le sol. Tracez la verticale "
                       "du pied à %1 du bout arrière, puis, tous les %2 depuis cette "
                       "verticale vers l'arrière, et tous les %3 de hauteur là où la courbe "
                       "monte à plus de 45°, reportez la hauteur de la courbe au-dessus du sol et "
                       "reliez les points avec une latte souple.")
                       .arg(lengthWords(c.panelLength, unit), lengthWords(ordinateStep(unit), unit),
                            lengthWords(ordinateHeightStep(unit), unit)),
                   3.2, false, 3);
}

void drawOrdinateTable(FlowingText& flow, const CurvePlan& c, LengthUnit unit) {
    flow.row(
        {QStringLiteral("Depuis le pied"), QStringLiteral("Depuis l'arrière"),
         QStringLiteral("Hauteur"),
         QCoreApplication::translate("Templates", "Hauteur (%1)").arg(unitName(otherUnit(unit)))},
        ordinateColumns, ordinateWidths, true);
    for (const FrameOrdinate& o : frameOrdinates(c, ordinateStep(unit), ordinateHeightStep(unit)))
        flow.row({lengthWords(o.fromToe, unit), lengthWords(c.panelLength - o.fromToe, unit),
                  lengthWords(o.height, unit), otherHeight(o.height, unit)},
                 ordinateColumns, ordinateWidths, false);
}

void drawCornerTable(FlowingText& flow, const CurvePlan& c, LengthUnit unit) {
    flow.paragraph(QStringLiteral("Coins de la courbe et de l'encoche"), 4, true, 1);
    flow.row({QString(), QStringLiteral("Depuis le pied"), QStringLiteral("Depuis l'arrière"),
              QStringLiteral("Hauteur"), QStringLiteral("(%1)").arg(unitName(otherUnit(unit)))},
             cornerColumns, cornerWidths, true);
    for (const MarkedPoint& p : frameCorners(c))
        flow.row({p.name, lengthWords(c.panelLength - p.at.x(), unit), lengthWords(p.at.x(), unit),
                  lengthWords(p.at.y(), unit), otherHeight(p.at.y(), unit)},
                 cornerColumns, cornerWidths, false);
}

QString stringMethodText(const ConstructionPlan& plan, const CurvePlan& c, LengthUnit unit) {
    auto words = [unit](double value) { return lengthWords(value, unit); };
    const QPointF top = c.wall > 0 ? QPointF{c.pivot.x() - c.frameRadius, c.pivot.y()} : c.top;
    QString method =
        QCoreApplication::translate(
            "Templates", "Le pivot est à la verticale du pied, à %1 au-dessus du sol (%2 "
                         "au-dessus du pied), hors de la feuille : fixez-y une planche. Plantez un "
                         "clou au pivot ; avec une ficelle ou une latte percée de %3 entre le "
                         "clou et la pointe du crayon (le rayon du cadre), tracez l'arc du pied "
                         "(%4 du sol) jusqu'à %5 du sol, à %6 du bout arrière.")
            .arg(words(c.pivot.y()), words(c.pivot.y() - plan.settings.flat), words(c.frameRadius),
                 words(plan.settings.flat), words(top.y()), words(top.x()));
    if (c.wall > 0)
        method += QCoreApplication::translate("Templates",
                                              " Puis tracez le mur vertical jusqu'à %1 du sol.")
                      .arg(words(c.top.y()));
    return method;
}

void drawOrdinatePages(TemplateDocument& doc, const ConstructionPlan& plan,
                       const TemplatePanel& panel, LengthUnit unit) {
    const CurvePlan& c = *plan.curves[panel.curve];
    doc.newPage();
    FlowingText flow(doc);
    drawOrdinateIntro(flow, c, panel, unit);
    drawOrdinateTable(flow, c, unit);
    flow.skip(3);
    flow.room(2 * 4.6);
    drawCornerTable(flow, c, unit);
    flow.skip(3);
    flow.room(30);
    flow.paragraph(QStringLiteral("Méthode du cordeau"), 4, true, 1);
    flow.paragraph(stringMethodText(plan, c, unit), 3.2, false, 0);
}

// Where a tile overlaps a neighbour: the neighbour's grid cell, where its
// label stands, the two registration crosses and the cutting line, all in
// panel coordinates.
struct TileNeighbour {
    int row, column;
    QPointF labelAt;
    std::array<QPointF, 2> crosses;
    QLineF cut;
};

std::array<TileNeighbour, 4> tileNeighbours(const TemplateTile& tile, double o) {
    const QRectF a = tile.area;
    const double w = a.width(), h = a.height();
    const double left = a.left(), right = a.right(), bottom = lowestV(a), top = highestV(a);
    const double midU = (left + right) / 2, midV = (bottom + top) / 2;
    auto across = [&](double v) {
        return std::array<QPointF, 2>{QPointF{left + w / 4, v}, QPointF{left + 3 * w / 4, v}};
    };
    auto along = [&](double u) {
        return std::array<QPointF, 2>{QPointF{u, top - h / 4}, QPointF{u, top - 3 * h / 4}};
    };
    return {{{tile.row - 1,
              tile.column,
              {midU, top - o / 2},
              across(top - o / 2),
              QLineF(left, top - o, right, top - o)},
             {tile.row + 1,
              tile.column,
              {midU, bottom + o / 2},
              across(bottom + o / 2),
              QLineF(left, bottom + o, right, bottom + o)},
             {tile.row,
              tile.column - 1,
              {left + o / 2, midV},
              along(left + o / 2),
              QLineF(left + o, bottom, left + o, top)},
             {tile.row,
              tile.column + 1,
              {right - o / 2, midV},
              along(right - o / 2),
              QLineF(right - o, bottom, right - o, top)}}};
}

void drawRegistrationCross(QPainter& painter, QPointF d) {
    const double arm = 5 * pixelsPerMm;
    painter.drawLine(QLineF(d.x() - arm, d.y(), d.x() + arm, d.y()));
    painter.drawLine(QLineF(d.x(), d.y() - arm, d.x(), d.y() + arm));
    painter.drawEllipse(d, 2.5 * pixelsPerMm, 2.5 * pixelsPerMm);
}

// The cutting line, the crosses and the neighbour's label with an arrow
// toward it.
void drawNeighbour(QPainter& painter, const QTransform& toDevice, const TileNeighbour& n,
                   const TemplateTile& tile, QPointF pageCentre) {
    painter.setPen(QPen(labelColour, 0.15 * pixelsPerMm, Qt::DotLine));
    painter.drawLine(toDevice.map(n.cut));
    painter.setPen(QPen(Qt::black, 0.15 * pixelsPerMm));
    for (const QPointF& c : n.crosses)
        drawRegistrationCross(painter, toDevice.map(c));
    const QPointF at = toDevice.map(n.labelAt);
    QString arrow;
    if (n.column == tile.column)
        arrow = at.y() < pageCentre.y() ? QStringLiteral("↑ ") : QStringLiteral("↓ ");
    else
        arrow = at.x() < pageCentre.x() ? QStringLiteral("← ") : QStringLiteral("→ ");
    painter.setFont(fontOf(3, true));
    painter.setPen(labelColour);
    painter.drawText(QRectF(at.x() - 10 * pixelsPerMm, at.y() - 3 * pixelsPerMm, 20 * pixelsPerMm,
                            6 * pixelsPerMm),
                     Qt::AlignCenter, arrow + TemplateTiling::label(n.row, n.column));
}

// The tile's label block: its size in mm.
constexpr double blockWidth = 80;
constexpr double blockHeight = 34;

// The block's top-left corner on the page (mm): inside the overlaps, in the
// corner where it hides least of what is to be traced.
QPointF labelCorner(const TemplateTiling& tiling, const TemplateTile& tile, bool mirrored) {
    const double m = templateMargin, o = tiling.overlap();
    const double w = tile.area.width(), h = tile.area.height();
    const QPointF corners[] = {{m + o + 2, m + o + 2},
                               {m + w - o - 2 - blockWidth, m + o + 2},
                               {m + o + 2, m + h - o - 2 - blockHeight},
                               {m + w - o - 2 - blockWidth, m + h - o - 2 - blockHeight}};
    QPointF best = corners[0];
    int least = std::numeric_limits<int>::max();
    for (const QPointF& c : corners) {
        // The block's page rectangle in panel coordinates.
        const double u0 = mirrored ? tile.area.right() - (c.x() + blockWidth - m)
                                   : tile.area.left() + (c.x() - m);
        const double top = highestV(tile.area);
        const QRectF block(QPointF(u0, top - (c.y() + blockHeight - m)),
                           QPointF(u0 + blockWidth, top - (c.y() - m)));
        const int hidden = tiling.hidden(block);
        if (hidden < least) {
            least = hidden;
            best = c;
        }
    }
    return best;
}

// The tile's label, what it is of which panel, and the scale bar: five
// 10 mm blocks, or four 1/2 in ones.
void drawTileLabel(TemplateDocument& doc, QPointF corner, const TemplatePanel& panel,
                   const TemplateTile& tile, LengthUnit unit) {
    QString rowName = TemplateTiling::label(tile.row, 0);
    rowName.chop(1);
    double y = corner.y();
    y += doc.text(corner.x(), y, blockWidth, TemplateTiling::label(tile.row, tile.column), 9, true,
                  labelColour);
    y += doc.text(corner.x(), y, blockWidth,
                  QCoreApplication::translate("Templates", "%1 · ligne %2, colonne %3")
                      .arg(capitalized(panel.countText()), rowName)
                      .arg(tile.column + 1),
                  3, false, labelColour) +
         2;
    QPainter& painter = doc.painter();
    painter.setPen(QPen(Qt::black, 0.15 * pixelsPerMm));
    const bool inches = unit == LengthUnit::Inches;
    const int blocks = inches ? 4 : 5;
    const double block = inches ? 12.7 : 10;
    for (int i = 0; i < blocks; ++i) {
        painter.setBrush(i % 2 == 0 ? QBrush(Qt::black) : QBrush(Qt::white));
        painter.drawRect(deviceRect(corner.x() + block * i, y, block, 2));
    }
    painter.setBrush(Qt::NoBrush);
    doc.text(corner.x() + blocks * block + 2, y - 1, 26, lengthWords(blocks * block, unit), 3,
             false, Qt::black);
}

void drawTilePage(TemplateDocument& doc, const ConstructionPlan& plan, const PanelTiles& p,
                  const TemplateTile& tile, const std::vector<QRectF>& onPaper, LengthUnit unit) {
    doc.newPage();
    QPainter& painter = doc.painter();
    const double m = templateMargin;
    const QRectF printable = deviceRect(m, m, tile.area.width(), tile.area.height());
    const QTransform toDevice = windowTransform(tile.area, p.panel.mirrored, m, m, 1);
    painter.save();
    painter.setClipRect(printable);
    PanelPainter(painter, plan, p.panel, toDevice, pixelsPerMm, unit).draw(onPaper);
    for (const TileNeighbour& n : tileNeighbours(tile, p.tiling.overlap()))
        if (p.tiling.printed(n.row, n.column))
            drawNeighbour(painter, toDevice, n, tile, printable.center());
    painter.restore();
    drawTileLabel(doc, labelCorner(p.tiling, tile, p.panel.mirrored), p.panel, tile, unit);
}

void drawFullPage(TemplateDocument& doc, QPdfWriter& writer, const ConstructionPlan& plan,
                  const TemplatePanel& panel, LengthUnit unit) {
    const CurvePlan& c = *plan.curves[panel.curve];
    const double m = templateMargin;
    const QRectF drawn = drawnArea(plan, panel);
    // The writer takes a new size for the page that newPage() starts; the
    // first page got it before painting began.
    writer.setPageSize(fullPageSize(drawn));
    doc.newPage();
    // The lowest mark 10 mm above the page's bottom edge as the file stores it.
    const double ground = doc.storedPageHeight() - m + lowestV(drawn);
    const double s = pixelsPerMm;
    const QTransform toDevice = panel.mirrored
                                    ? QTransform(-s, 0, 0, -s, (m + drawn.right()) * s, ground * s)
                                    : QTransform(s, 0, 0, -s, (m - drawn.left()) * s, ground * s);
    const std::vector<QRectF> onPaper{drawn.adjusted(-m, -m, m, m)};
    PanelPainter(doc.painter(), plan, panel, toDevice, pixelsPerMm, unit).draw(onPaper);
    // The page's x of the panel's back end.
    const double back = panel.mirrored ? m + drawn.right() : m - drawn.left();
    doc.text(panel.mirrored ? back - captionFromToe : back + captionFromBack,
             ground - std::min(60.0, c.deckFrameTop / 2), captionWidth,
             QCoreApplication::translate("Templates", "Quarvel · %1 · taille réelle (1:1) · %2")
                 .arg(capitalized(panel.countText()),
                      numberWithUnit(lengthCell(c.panelLength, unit) + QStringLiteral(" × ") +
                                         lengthCell(c.panelHeight, unit),
                                     unit)),
             3.5);
}

} // namespace

std::optional<TemplatePaper> parseTemplatePaper(QStringView text) {
    if (text == u"a4") return TemplatePaper::A4;
    if (text == u"letter") return TemplatePaper::Letter;
    if (text == u"a3") return TemplatePaper::A3;
    if (text == u"full") return TemplatePaper::Full;
    return std::nullopt;
}

QByteArray templatePdf(const ConstructionPlan& plan, TemplatePaper paper, double overlapMm,
                       LengthUnit unit) {
    const std::vector<TemplatePanel> panels = templatePanels(plan);
    if (panels.empty())
        throw QuarvelError(QCoreApplication::translate(
            "Templates", "Aucun flanc à imprimer : les deux courbes ont une "
                         "hauteur nulle"));

    // Every refusal comes before the first page is painted.
    if (paper != TemplatePaper::Full && !(overlapMm >= 5 && overlapMm <= 50))
        throw QuarvelError(QCoreApplication::translate(
                               "Templates", "Recouvrement des tuiles incorrect : %1 mm (5 à 50)")
                               .arg(millimetresText(overlapMm)));
    std::vector<PanelTiles> tiled;
    if (paper == TemplatePaper::Full) {
        for (const TemplatePanel& p : panels) {
            const QRectF drawn = drawnArea(plan, p);
            const double side = std::max(drawn.width(), drawn.height()) + 2 * templateMargin;
            if (side * pointsPerMm > maxPdfPagePoints)
                throw QuarvelError(
                    QCoreApplication::translate(
                        "Templates", "Flanc trop grand pour une page PDF (%1 mm, plus de 5,08 m) : "
                                     "utilisez le fichier de découpe")
                        .arg(millimetresText(side)));
        }
    } else {
        const QSizeF size = paperPageSize(paper).size(QPageSize::Millimeter);
        for (const TemplatePanel& p : panels)
            tiled.push_back(
                {p, TemplateTiling(*plan.curves[p.curve], plan.settings.coping, size.width(),
                                   size.height(), templateMargin, overlapMm)});
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        const FixedHashSeed fixedSeed;
        QPdfWriter writer(&buffer);
        writer.setResolution(resolution);
        writer.setTitle(QCoreApplication::translate("Templates", "Quarvel — gabarits des flancs"));
        writer.setCreator(QStringLiteral("Quarvel"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        if (paper != TemplatePaper::Full)
            writer.setPageSize(paperPageSize(paper));
        else
            writer.setPageSize(fullPageSize(drawnArea(plan, panels.front())));
        QPainter painter;
        if (!painter.begin(&writer))
            throw QuarvelError(QCoreApplication::translate(
                "Templates", "Impossible de produire le PDF des gabarits"));
        painter.setRenderHint(QPainter::Antialiasing);
        TemplateDocument doc(writer, painter);
        if (paper == TemplatePaper::Full) {
            for (const TemplatePanel& p : panels)
                drawFullPage(doc, writer, plan, p, unit);
        } else {
            doc.newPage();
            drawFirstPage(doc, plan, tiled, overlapMm, unit);
            for (const PanelTiles& p : tiled)
                drawOrdinatePages(doc, plan, p.panel, unit);
            for (const PanelTiles& p : tiled) {
                std::vector<QRectF> onPaper;
                for (const TemplateTile& t : p.tiling.tiles())
                    onPaper.push_back(t.area);
                for (const TemplateTile& t : p.tiling.tiles())
                    drawTilePage(doc, plan, p, t, onPaper, unit);
            }
        }
        painter.end();
    }
    return buffer.data();
}
