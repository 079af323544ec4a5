#include "surfacedrawing.h"

#include "constructionwords.h"
#include "printedlengths.h"

#include <QCoreApplication>

namespace {
// A layer's band, drawn this share of the whole run high (a true thickness
// would be a hairline), and the gap above it for its name.
constexpr double bandShare = 0.05;
constexpr double gapShare = 0.06;

// Where a piece starts along the drawing: the left deck runs from its back end
// to the pipe, its pieces laid from the pipe back.
double pieceStart(const SurfaceLayerPlan& layer, const SurfacePiece& piece, double leftDeck) {
    switch (piece.run) {
    case SurfaceRun::leftDeck:
        return leftDeck - piece.from - piece.length;
    case SurfaceRun::riding:
        return leftDeck + piece.from;
    case SurfaceRun::rightDeck:
        return leftDeck + layer.riding + piece.from;
    }
    return 0;
}

// "Couche 1 (dessus, posée en dernier), 9 mm".
QString layerName(int index, int layers, double thickness, LengthUnit unit) {
    QString name = QCoreApplication::translate("SurfaceDrawing", "Couche %1").arg(index + 1);
    if (layers > 1 && index == 0)
        name += QCoreApplication::translate("SurfaceDrawing", " (dessus, posée en dernier)");
    else if (layers > 1 && index == layers - 1)
        name += QCoreApplication::translate("SurfaceDrawing", " (dessous, posée en premier)");
    return name + QStringLiteral(", ") + thicknessWords(thickness, unit);
}

void addLayer(const SurfaceLayerPlan& layer, int index, int layers, double bottom, double band,
              double leftDeck, LengthUnit unit, Sketch& sketch) {
    for (const SurfacePiece& piece : layer.pieces) {
        const double x = pieceStart(layer, piece, leftDeck);
        sketch.shapes.push_back(
            {{QPointF(x, bottom), QPointF(x + piece.length, bottom),
              QPointF(x + piece.length, bottom + band), QPointF(x, bottom + band)},
             SketchStyle::surface});
        sketch.labels.push_back({QPointF(x + piece.length / 2, bottom + band / 2),
                                 lengthCell(piece.length, unit), Qt::AlignCenter, 0, piece.length});
    }
    const QString name = layerName(index, layers, layer.thickness, unit);
    sketch.labels.push_back({QPointF(0, bottom + band), name, Qt::AlignLeft | Qt::AlignBottom});
    sketch.dimensions.push_back(
        {QPointF(leftDeck, bottom), QPointF(leftDeck + layer.riding, bottom),
         QCoreApplication::translate("SurfaceDrawing", "de lèvre à lèvre %1")
             .arg(lengthCell(layer.riding, unit)),
         4});
}
} // namespace

QString surfaceOrderText(int layers) {
    if (layers < 2)
        return QCoreApplication::translate(
            "SurfaceDrawing",
            "Une seule couche, vissée sur les tasseaux et les solives. Les joints se "
            "mesurent le long de la couche, depuis la lèvre gauche de lèvre à lèvre, "
            "depuis l'arrière sur les plates-formes.");
    return QCoreApplication::translate(
               "SurfaceDrawing",
               "La couche 1 est celle du dessus, sur laquelle on roule : elle se pose en "
               "dernier. On pose d'abord la couche %1, vissée sur les tasseaux et les solives, "
               "puis les autres par-dessus, jusqu'à la couche 1. Les joints se mesurent le long "
               "de chaque couche, depuis la lèvre gauche de lèvre à lèvre, depuis l'arrière sur "
               "les plates-formes.")
        .arg(layers);
}

Sketch surfaceSketch(const ConstructionPlan& plan, LengthUnit unit) {
    Sketch sketch;
    const std::vector<SurfaceLayerPlan>& layers = plan.surface.layers;
    if (layers.empty()) return sketch;
    double leftDeck = 0, length = 0;
    for (const SurfaceLayerPlan& layer : layers) {
        leftDeck = std::max(leftDeck, layer.decks[0]);
        length = std::max(length, layer.decks[0] + layer.riding + layer.decks[1]);
    }
    const double band = length * bandShare, step = band + length * gapShare;
    const int n = int(layers.size());
    // The top layer drawn on top.
    for (int i = 0; i < n; ++i)
        addLayer(layers[std::size_t(i)], i, n, (n - 1 - i) * step, band, leftDeck, unit, sketch);
    sketch.world = QRectF(0, 0, length, (n - 1) * step + band);
    return sketch;
}

SurfaceDrawing::SurfaceDrawing(QWidget* parent)
    : SketchView(parent) {
    setObjectName(QStringLiteral("surfaceDrawing"));
}

void SurfaceDrawing::setPlan(std::shared_ptr<const ConstructionPlan> plan, LengthUnit unit) {
    setSketch(plan ? surfaceSketch(*plan, unit) : Sketch{});
}
