#include "cutlist.h"
#include "meshchecks.h"
#include "modelbuilder.h"
#include "sampledesigns.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <set>

namespace {

double mm(qint32 cm) {
    return 10.0 * cm;
}

// The plan's pieces: panels (each piece of a split one) and their splice
// plates, ribs, joists and coping blocks, stringers (each piece of a joined
// one), rims, legs, braces, surface pieces (each strip across the width) of
// every layer and coping pipes.
qsizetype planPieces(const ConstructionPlan& plan) {
    qsizetype count = plan.copingPipes.pieces;
    for (const auto& curve : plan.curves)
        if (curve)
            count += qsizetype(curve->panelCount) *
                         qsizetype(curve->pieces.size() + curve->splicePlates.size()) +
                     curve->ribs.pieces;
    for (const auto* joists : {&plan.leftDeck, &plan.flat, &plan.rightDeck})
        if (*joists) count += (*joists)->pieces;
    if (const auto& flat = plan.flatFrame)
        count += flat->stringers * (qsizetype(flat->joints.size()) + 1);
    for (const auto& frame : plan.deckFrames) {
        if (!frame) continue;
        count += frame->stringers.count * frame->stringers.piecesEach() + frame->joists.pieces +
                 frame->legs.count;
        for (const Rim* rim : {&frame->backRim, &frame->frontRim, &frame->panelRim})
            count += rim->pieces.count;
        for (const LengthCount& brace : frame->braces)
            count += brace.count;
    }
    for (const SurfaceLayerPlan& layer : plan.surface.layers)
        count += qsizetype(layer.pieces.size()) *
                 qsizetype(std::max<std::size_t>(1, layer.across.size()));
    return count;
}

ConstructionPlan planOf(const QString& name) {
    for (const SampleDesign& d : sampleDesigns())
        if (d.name == name) return buildConstructionPlan(d.dims, d.settings);
    return {};
}

ModelBounds partBounds(const RampModel& model, const ModelPart& part) {
    RampModel one;
    one.meshes = {model.meshes[std::size_t(part.mesh)]};
    one.parts = {part};
    one.parts[0].mesh = 0;
    return modelBounds(one);
}

void addDesignRows() {
    QTest::addColumn<QString>("design");
    for (const SampleDesign& d : sampleDesigns())
        QTest::newRow(qPrintable(d.name)) << d.name;
}

} // namespace

// The model against the plan it is built from: one part per piece the plan
// counts, the ramp's overall size, closed meshes, and the timbers standing
// where the plan puts them.
class TestModelBuilder : public QObject {
    Q_OBJECT

private slots:
    void partsAndSize_data() { addDesignRows(); }
    void partsAndSize();
    void meshesAreSolids_data() { addDesignRows(); }
    void meshesAreSolids();
    void ribsTouchTheFrameCurve_data() { addDesignRows(); }
    void ribsTouchTheFrameCurve();
    void identicalPiecesShareAMesh();
};

void TestModelBuilder::partsAndSize() {
    QFETCH(QString, design);
    const ConstructionPlan plan = planOf(design);
    const RampModel model = buildRampModel(plan);
    QCOMPARE(qsizetype(model.parts.size()), planPieces(plan));

    const RampDimensions& d = plan.dims;
    const ConstructionSettings& s = plan.settings;
    double ground[2] = {0, 0};
    double height = 0;
    for (int side = 0; side < 2; ++side) {
        const double H = mm(side == leftCurve ? d.H1 : d.H2);
        const double R = mm(side == leftCurve ? d.R1 : d.R2);
        if (H > 0) ground[side] = H > R ? R : std::sqrt(R * R - (R - H) * (R - H));
        height = std::max(height, s.flat + s.surfaceThickness() + H +
                                      (H > 0 ? s.coping > 0 ? s.reveal : 0 : 0));
    }
    const double length = mm(d.P1) + ground[0] + mm(d.F) + ground[1] + mm(d.P2);
    const ModelBounds box = modelBounds(model);
    const QVector3D lower(0, 0, 0), upper(float(length), float(mm(d.W)), float(height));
    for (int axis = 0; axis < 3; ++axis) {
        QVERIFY2(std::abs(box.lower[axis] - lower[axis]) <= 1,
                 qPrintable(QStringLiteral("axis %1 from %2").arg(axis).arg(box.lower[axis])));
        QVERIFY2(std::abs(box.upper[axis] - upper[axis]) <= 1,
                 qPrintable(QStringLiteral("axis %1 to %2, expected %3")
                                .arg(axis)
                                .arg(box.upper[axis])
                                .arg(upper[axis])));
    }
    // Every part is counted in a row of the cut list: choosing that row in
    // the plan window finds it.
    std::set<QString> names, articles;
    for (const CutListRow& row : cutListRows(plan))
        articles.insert(row.article);
    std::map<QString, qsizetype> partsOfArticle;
    for (const ModelPart& part : model.parts) {
        ++partsOfArticle[part.article];
        QVERIFY2(names.insert(part.name).second, qPrintable(part.name));
        QVERIFY2(articles.count(part.article) == 1, qPrintable(part.article));
        QVERIFY(part.name.startsWith(part.article + u' ') ||
                part.name.startsWith(part.article + u','));
        QVERIFY(part.step >= firstStep && part.step <= lastStep);
    }
    // The cut list's count of every timber and pipe is the model's.
    std::map<QString, qsizetype> listed;
    for (const CutListRow& row : cutListRows(plan))
        listed[row.article] += row.quantity;
    for (const auto& [article, count] : partsOfArticle)
        if (!article.startsWith(QStringLiteral("Flanc")) &&
            !article.startsWith(QStringLiteral("Contreplaqué de surface")))
            QVERIFY2(listed[article] == count,
                     qPrintable(QStringLiteral("%1: %2 listed, %3 in the model")
                                    .arg(article)
                                    .arg(listed[article])
                                    .arg(count)));
}

void TestModelBuilder::meshesAreSolids() {
    QFETCH(QString, design);
    const RampModel model = buildRampModel(planOf(design));
    for (const Mesh& mesh : model.meshes) {
        QCOMPARE(meshFault(mesh), QString());
        QVERIFY(signedVolume(mesh) > 0);
    }
}

void TestModelBuilder::ribsTouchTheFrameCurve() {
    // A rib's top face is tangent to the frame circle at its middle: its two
    // upper corners lie at sqrt(R_f² + (w/2)²) from the pivot, the others
    // farther. Deck joists lie level, their top at the deck frame's top.
    QFETCH(QString, design);
    const ConstructionPlan plan = planOf(design);
    const RampModel model = buildRampModel(plan);
    const RampDimensions& d = plan.dims;
    const double length = modelBounds(model).upper.x();
    const double w = plan.settings.ribWidth;
    int ribs = 0;
    for (const ModelPart& part : model.parts) {
        if (part.kind != PartKind::Rib) continue;
        const int side = part.name.contains(QStringLiteral("gauche")) ? leftCurve : rightCurve;
        const CurvePlan& curve = *plan.curves[side];
        if (curve.wall > 0) continue; // the upper stations stand on the straight edge
        const double panelEnd =
            side == leftCurve ? mm(d.P1) - curve.back : length - (mm(d.P2) - curve.back);
        const double pivotX =
            side == leftCurve ? panelEnd + curve.pivot.x() : panelEnd - curve.pivot.x();
        std::multiset<double> distances;
        for (const QVector3D& v : model.meshes[std::size_t(part.mesh)].vertices) {
            const QVector3D p = part.placement.map(v);
            distances.insert(std::hypot(p.x() - pivotX, p.z() - curve.pivot.y()));
        }
        const double touching = std::hypot(curve.frameRadius, w / 2);
        auto it = distances.begin();
        for (int corner = 0; corner < 4; ++corner, ++it) // two upper corners at each end
            QVERIFY2(std::abs(*it - touching) < 0.05, qPrintable(part.name));
        QVERIFY(*it > touching + plan.settings.ribDepth / 2);
        ++ribs;
    }
    for (const ModelPart& part : model.parts) {
        if (!part.name.startsWith(QStringLiteral("Solive plate-forme"))) continue;
        const int side = part.name.contains(QStringLiteral("gauche")) ? leftCurve : rightCurve;
        const double top = plan.settings.flat + mm(side == leftCurve ? d.H1 : d.H2);
        const ModelBounds box = partBounds(model, part);
        QVERIFY2(std::abs(box.upper.z() - top) < 0.01, qPrintable(part.name));
        QVERIFY(std::abs(box.size().z() - plan.settings.ribDepth) < 0.01);
    }
    QVERIFY(ribs > 0 || design == QStringLiteral("wall"));
}

void TestModelBuilder::identicalPiecesShareAMesh() {
    // In the default design the ten panels are one shape, and so are the
    // ribs; the two pipes are one bar.
    const ConstructionPlan plan = planOf(QStringLiteral("default"));
    const RampModel model = buildRampModel(plan);
    std::map<PartKind, std::set<int>> meshes;
    std::map<PartKind, int> parts;
    for (const ModelPart& part : model.parts) {
        meshes[part.kind].insert(part.mesh);
        ++parts[part.kind];
    }
    QCOMPARE(parts[PartKind::Panel], 10);
    QCOMPARE(meshes[PartKind::Panel].size(), std::size_t(1));
    QCOMPARE(parts[PartKind::Rib], plan.curves[0]->ribs.pieces + plan.curves[1]->ribs.pieces);
    QCOMPARE(meshes[PartKind::Rib].size(), std::size_t(1));
    QCOMPARE(parts[PartKind::Coping], 2);
    QCOMPARE(meshes[PartKind::Coping].size(), std::size_t(1));
    // The surface of a symmetric ramp: each piece on the right curve is its
    // mirror's on the left.
    QVERIFY(meshes[PartKind::SurfacePiece].size() < std::size_t(parts[PartKind::SurfacePiece]));
}

QTEST_APPLESS_MAIN(TestModelBuilder)
#include "test_modelbuilder.moc"
