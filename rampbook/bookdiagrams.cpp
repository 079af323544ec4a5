#include "bookdiagrams.h"

#include "constructionwords.h"
#include "printedlengths.h"

#include <QCoreApplication>

namespace {

// Arcs drawn as chords this close to them, in the sheet's mm.
constexpr double chordTolerance = 1;
constexpr double labelHeight = 2.5;
constexpr double boardBarTop = 4;
constexpr double boardBarHeight = 7;
constexpr double hatchSpacing = 2;
constexpr double layerBarTop = 4;
constexpr double layerBarHeight = 8;
constexpr double seamMarkSize = 2;
constexpr double sheetGap = 4;
// Room above and left of a sheet for its size.
constexpr double dimensionBand = 5;

const DistinctPanel* panelOfCurve(const ConstructionPlan& plan, int curve) {
    for (const DistinctPanel& panel : plan.panels)
        if (panel.curve == curve) return &panel;
    for (const DistinctPanel& panel : plan.panels)
        if (panel.counts[std::size_t(curve)] > 0) return &panel;
    return nullptr;
}

// The area centroid of a polygon, where its label goes.
QPointF centroid(const QList<QPointF>& polygon) {
    double area = 0;
    QPointF sum;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const double cross = a.x() * b.y() - b.x() * a.y();
        area += cross;
        sum += (a + b) * cross;
    }
    if (std::abs(area) < 1e-9) return polygon.isEmpty() ? QPointF() : polygon.first();
    return sum / (3 * area);
}

} // namespace

QSizeF sheetDiagramSize(const ConstructionSettings& settings, double width) {
    return {width,
            dimensionBand + (width - dimensionBand) * settings.sheetShort / settings.sheetLong};
}

QString placedPartArticle(const ConstructionPlan& plan, const PlacedPart& part) {
    const DistinctPanel* panel = panelOfCurve(plan, part.curve);
    const CurvePlan& curve = *plan.curves[std::size_t(part.curve)];
    if (!panel) return {};
    if (part.part == PlacedPartKind::splice)
        return splicePlateArticle(*panel, part.piece, int(curve.splicePlates.size()));
    if (curve.pieces.size() < 2) return panelArticle(*panel);
    return panelPieceArticle(*panel, part.piece, int(curve.pieces.size()));
}

void drawSheet(BookCanvas& canvas, const ConstructionPlan& plan, const SheetLayout& sheet,
               LengthUnit unit) {
    const ConstructionSettings& s = plan.settings;
    const double scale = (canvas.size().width() - dimensionBand) / s.sheetLong;
    QPainter& p = canvas.painter();
    const QRectF whole(dimensionBand, dimensionBand, s.sheetLong * scale, s.sheetShort * scale);
    p.drawRect(whole);
    // The sheet's size along its top and left edges.
    canvas.text(lengthCell(s.sheetLong, unit), QPointF(whole.center().x(), whole.top() - 1),
                Qt::AlignHCenter | Qt::AlignBottom, labelHeight);
    canvas.text(lengthCell(s.sheetShort, unit), QPointF(whole.left() - 1, whole.center().y()),
                Qt::AlignHCenter | Qt::AlignBottom, labelHeight, -90);
    // Sheet mm (v up) to the canvas's mm (y down).
    const auto toCanvas = [&](QPointF at) {
        return QPointF(whole.left() + at.x() * scale,
                       whole.top() + (s.sheetShort - at.y()) * scale);
    };
    int number = 0;
    for (const PlacedPart& part : sheet.parts) {
        const QList<QPointF> points = flatten(placedOutline(plan, part), chordTolerance);
        QPolygonF polygon;
        for (const QPointF& at : points)
            polygon << toCanvas(at);
        p.drawPolygon(polygon);
        canvas.text(QString::number(++number), toCanvas(centroid(points)), Qt::AlignCenter,
                    labelHeight);
    }
}

void drawBoard(BookCanvas& canvas, const TimberBoard& board, double longestStock, double kerf,
               LengthUnit unit) {
    const double scale = canvas.size().width() / longestStock;
    QPainter& p = canvas.painter();
    double along = 0;
    for (const TimberCut& cut : board.cuts) {
        const QRectF piece(along * scale, boardBarTop, cut.length * scale, boardBarHeight);
        p.drawRect(piece);
        const QString label = lengthCell(cut.length, unit);
        if (BookCanvas::textSize(label, labelHeight).width() < piece.width() - 1)
            canvas.text(label, piece.center(), Qt::AlignCenter, labelHeight);
        along += cut.length + kerf;
    }
    const double end = board.stock * scale;
    if (along * scale < end) {
        const QRectF offcut(along * scale, boardBarTop, end - along * scale, boardBarHeight);
        p.drawRect(offcut);
        p.save();
        p.setClipRect(offcut);
        for (double x = offcut.left(); x < offcut.right() + boardBarHeight; x += hatchSpacing)
            p.drawLine(QPointF(x, offcut.top()), QPointF(x - boardBarHeight, offcut.bottom()));
        p.restore();
    }
    canvas.text(lengthWords(board.stock, unit), QPointF(0, boardBarTop - 0.8),
                Qt::AlignLeft | Qt::AlignBottom, labelHeight);
}

double pieceStart(const SurfaceLayerPlan& layer, const SurfacePiece& piece) {
    switch (piece.run) {
    case SurfaceRun::leftDeck:
        return layer.decks[0] - piece.from - piece.length;
    case SurfaceRun::riding:
        return layer.decks[0] + piece.from;
    case SurfaceRun::rightDeck:
        return layer.decks[0] + layer.riding + piece.from;
    }
    return 0;
}

void drawLayer(BookCanvas& canvas, const SurfaceLayerPlan& layer, LengthUnit unit) {
    const double run = layer.decks[0] + layer.riding + layer.decks[1];
    const double scale = canvas.size().width() / run;
    QPainter& p = canvas.painter();
    const double bottom = layerBarTop + layerBarHeight;
    for (const SurfacePiece& piece : layer.pieces) {
        const double left = pieceStart(layer, piece) * scale;
        const QRectF box(left, layerBarTop, piece.length * scale, layerBarHeight);
        p.drawRect(box);
        const QString label = lengthCell(piece.length, unit);
        if (BookCanvas::textSize(label, labelHeight).width() < box.width() - 1)
            canvas.text(label, box.center(), Qt::AlignCenter, labelHeight);
        // A rib or joist under each end that meets another piece.
        for (const double end : {box.left(), box.right()}) {
            if (end <= 0.01 || end >= canvas.size().width() - 0.01) continue;
            const QPolygonF mark{QPointF(end, bottom),
                                 QPointF(end - seamMarkSize / 2, bottom + seamMarkSize),
                                 QPointF(end + seamMarkSize / 2, bottom + seamMarkSize)};
            p.drawPolygon(mark);
        }
    }
    // The lips, where the decks end and the riding run begins.
    QPen dashed = p.pen();
    dashed.setStyle(Qt::DashLine);
    p.save();
    p.setPen(dashed);
    for (const double lip : {layer.decks[0], layer.decks[0] + layer.riding})
        p.drawLine(QPointF(lip * scale, 0.5), QPointF(lip * scale, layerBarTop));
    p.restore();
    canvas.text(QCoreApplication::translate("BookDiagrams", "lèvre"),
                QPointF(layer.decks[0] * scale + 1, layerBarTop - 0.8),
                Qt::AlignLeft | Qt::AlignBottom, labelHeight);
    canvas.text(QCoreApplication::translate("BookDiagrams", "lèvre"),
                QPointF((layer.decks[0] + layer.riding) * scale - 1, layerBarTop - 0.8),
                Qt::AlignRight | Qt::AlignBottom, labelHeight);
}

std::vector<int> layerPieceNumbers(const SurfaceLayerPlan& layer) {
    std::vector<int> order(layer.pieces.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return pieceStart(layer, layer.pieces[std::size_t(a)]) <
               pieceStart(layer, layer.pieces[std::size_t(b)]);
    });
    std::vector<int> numbers(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        numbers[std::size_t(order[k])] = int(k) + 1;
    return numbers;
}

namespace {

double layerSheetScale(const SurfaceLayerPlan& layer, const ConstructionSettings& settings,
                       double width) {
    const int n = std::max(1, int(layer.strips.size()));
    return (width - sheetGap * (n - 1)) / (n * settings.sheetShort);
}

} // namespace

double layerSheetsHeight(const SurfaceLayerPlan& layer, const ConstructionSettings& settings,
                         double width) {
    return settings.sheetLong * layerSheetScale(layer, settings, width);
}

void drawLayerSheets(BookCanvas& canvas, const SurfaceLayerPlan& layer,
                     const ConstructionSettings& settings) {
    const double scale = layerSheetScale(layer, settings, canvas.size().width());
    const std::vector<int> numbers = layerPieceNumbers(layer);
    QPainter& p = canvas.painter();
    const double height = settings.sheetLong * scale;
    double left = 0;
    for (const std::vector<int>& strip : layer.strips) {
        p.drawRect(QRectF(left, 0, settings.sheetShort * scale, height));
        double along = left;
        for (const int index : strip) {
            const double width = layer.pieces[std::size_t(index)].length * scale;
            const QRectF band(along, 0, width, height);
            p.drawRect(band);
            canvas.text(QString::number(numbers[std::size_t(index)]), band.center(),
                        Qt::AlignCenter, labelHeight);
            along += width + settings.kerf * scale;
        }
        left += settings.sheetShort * scale + sheetGap;
    }
}
