#include "constructionplan.h"
#include "constructionwords.h"
#include "cutlist.h"
#include "distinctpanels.h"
#include "layoutcheck.h"
#include "quarvelerror.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <QTest>

using Lengths = QList<double>;

namespace {

bool near(double a, double b, double tolerance = 0.01) {
    return std::abs(a - b) <= tolerance;
}

bool closed(const Outline& o) {
    for (std::size_t i = 0; i < o.size(); ++i) {
        const QPointF a = o[i].to;
        const QPointF b = o[(i + 1) % o.size()].from;
        if (std::hypot(a.x() - b.x(), a.y() - b.y()) > 1e-6) return false;
    }
    return !o.empty();
}

RampDimensions design(qint32 P1, qint32 R1, qint32 H1, qint32 F, qint32 W, qint32 H2, qint32 R2,
                      qint32 P2) {
    RampDimensions d;
    d.P1 = P1;
    d.R1 = R1;
    d.H1 = H1;
    d.F = F;
    d.W = W;
    d.H2 = H2;
    d.R2 = R2;
    d.P2 = P2;
    return d;
}

// Every panel's pieces closed and counter-clockwise, together as large as the panel.
void checkPieces(const CurvePlan& c) {
    double area = 0;
    for (const PanelPiece& piece : c.pieces) {
        QVERIFY(closed(piece.outline));
        QVERIFY(signedArea(piece.outline) > 0);
        area += signedArea(piece.outline);
        const QRectF box = boundingBox(piece.outline);
        const double longer = std::max(box.width(), box.height());
        const double shorter = std::min(box.width(), box.height());
        QVERIFY(longer <= 2440 - 8 + 1e-9 && shorter <= 1220 - 8 + 1e-9);
    }
    QVERIFY(closed(c.outline));
    QVERIFY(near(area, signedArea(c.outline), 1e-6 * signedArea(c.outline)));
}

// "4x925.5 4x902.7": counts and lengths, longest first.
QString countedLengths(const std::vector<LengthCount>& lengths) {
    QStringList texts;
    for (const LengthCount& l : lengths)
        texts << QStringLiteral("%1x%2").arg(l.count).arg(formatLength(l.length));
    return texts.join(u' ');
}

bool nearAll(const std::vector<double>& got, const Lengths& expected) {
    if (got.size() != std::size_t(expected.size())) return false;
    for (std::size_t i = 0; i < got.size(); ++i)
        if (!near(got[i], expected[qsizetype(i)], 0.05)) return false;
    return true;
}

// How far a point lies inside a panel from the timber butting it: the ribs
// along the frame circle (or the wall edge above the pivot) and the deck
// joists under the top edge (the notch floor over the notch).
double depthFromTimber(const CurvePlan& c, QPointF q) {
    const QPointF p = c.pivot;
    const double fromCurve = q.y() <= p.y()
                                 ? std::hypot(q.x() - p.x(), q.y() - p.y()) - c.frameRadius
                                 : p.x() - c.frameRadius - q.x();
    const double top = c.notch && q.x() >= c.notch->x() ? c.notchFloor : c.deckFrameTop;
    return std::min(fromCurve, top - q.y());
}

// Each splice plate lies inside its panel, clear of the timber by 10 mm;
// plates on one panel never meet: 10 mm apart at least.
void checkPlates(const ConstructionPlan& plan, double ribDepth) {
    for (int curve = 0; curve < 2; ++curve) {
        if (!plan.curves[curve]) continue;
        const CurvePlan& c = *plan.curves[curve];
        const QList<QPointF> panel = flatten(c.outline, 0.001);
        for (const PanelSplice& plate : c.splicePlates) {
            QCOMPARE(plate.curve, curve);
            QVERIFY(plate.split >= 0 && plate.split < int(c.splits.size()));
            QVERIFY(closed(plate.outline) && signedArea(plate.outline) > 0);
            for (const Segment& edge : plate.outline) {
                QVERIFY(layoutcheck::inside(edge.from, panel));
                QVERIFY2(
                    depthFromTimber(c, edge.from) >= ribDepth + 10 - 1e-6,
                    qPrintable(QStringLiteral("(%1, %2)").arg(edge.from.x()).arg(edge.from.y())));
            }
        }
        const auto& plates = c.splicePlates;
        for (std::size_t i = 0; i < plates.size(); ++i)
            for (std::size_t j = i + 1; j < plates.size(); ++j) {
                const double d = layoutcheck::distance(flatten(plates[i].outline, 0.01),
                                                       flatten(plates[j].outline, 0.01));
                QVERIFY2(d >= 10 - 1e-6,
                         qPrintable(
                             QStringLiteral("plates %1 and %2: %3 mm apart").arg(i).arg(j).arg(d)));
            }
    }
}

} // namespace

class TestConstructionPlan : public QObject {
    Q_OBJECT
private slots:
    void defaultPlan();
    void defaultFraming();
    void designs_data();
    void designs();
    void deckFrames_data();
    void deckFrames();
    void deckLinesHeld_data();
    void deckLinesHeld();
    void symmetric_data();
    void symmetric();
    void refusals_data();
    void refusals();
    void split();
    void placed();
    void largestWidth();
    void samePanelRule_data();
    void samePanelRule();
    void largeDesigns_data();
    void largeDesigns();
};

void TestConstructionPlan::defaultPlan() {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    QVERIFY(plan.warnings.isEmpty());
    QCOMPARE(plan.surface.sheets, 10);
    for (int curve = 0; curve < 2; ++curve) {
        QVERIFY(plan.curves[curve]);
        const CurvePlan& c = *plan.curves[curve];
        QCOMPARE(c.panelCount, 5);
        QVERIFY(near(c.panelPitch, 605.5, 1e-9));
        QCOMPARE(int(c.pieces.size()), 1);
        checkPieces(c);
        // Ribs: each end, under every seam on the curve, and no gap above 200.
        QVERIFY(near(c.stations.front(), 44.5, 1e-9));
        QVERIFY(near(c.stations.back(), c.curveLength - 44.5, 1e-9));
        for (std::size_t i = 1; i < c.stations.size(); ++i) {
            QVERIFY(c.stations[i] - c.stations[i - 1] <= 200 + 1e-9);
            QVERIFY(c.stations[i] - c.stations[i - 1] >= 89 - 1e-9);
        }
        // The same nine stations on both curves, two of them under seams.
        const std::vector<double> expected{44.5,  213.2,  367.3,  521.4, 675.5,
                                           829.6, 1015.6, 1201.6, 1387.5};
        QCOMPARE(c.stations.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(near(c.stations[i], expected[i], 0.05),
                     qPrintable(QString::number(c.stations[i])));
        QCOMPARE(c.stationSeams[1], 1u);
        QCOMPARE(c.stationSeams[5], 2u);
        QCOMPARE(c.stationPoints.size(), c.stations.size());
        const QPointF p = c.stationPoints[1];
        QVERIFY(near(std::hypot(p.x() - c.pivot.x(), p.y() - c.pivot.y()), 1418, 1e-9));
        QCOMPARE(c.ribs.pieces, 36);
        QVERIFY(near(c.ribs.length, 587.5, 1e-9));
    }
    QVERIFY(plan.curves[leftCurve]->stations == plan.curves[rightCurve]->stations);
    QCOMPARE(plan.copingPipes.pieces, 2);
    QCOMPARE(plan.copingPipes.length, 2440.0);
    QCOMPARE(plan.panelSheets.count, 5);
    // Both curves' panels share a shape but not their rib stations: each
    // placed copy names its own curve.
    int perCurve[2] = {0, 0};
    for (const SheetLayout& sheet : plan.panelSheets.layout)
        for (const PlacedPart& part : sheet.parts)
            ++perCurve[part.curve];
    QCOMPARE(perCurve[leftCurve], 5);
    QCOMPARE(perCurve[rightCurve], 5);
    QVERIFY(plan.curves[leftCurve]->splits.empty() && plan.curves[rightCurve]->splits.empty());
}

void TestConstructionPlan::defaultFraming() {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    // The deck's surface runs 556 mm to the pipe's back: the first joist, the
    // coping block on edge against the pipe and one between them.
    QVERIFY(plan.leftDeck && plan.rightDeck && plan.flat && plan.flatFrame);
    for (const auto* deck : {&plan.leftDeck, &plan.rightDeck}) {
        const JoistPlan& j = **deck;
        QCOMPARE(int(j.stations.size()), 3);
        QVERIFY(near(j.stations[0], 44.5, 1e-9));
        QVERIFY(near(j.stations[1], 290.7, 0.05));
        QVERIFY(near(j.stations[2], 537.0, 0.05));
        QCOMPARE(j.pieces, 12);
        QCOMPARE(j.copingBlocks, 4);
        QVERIFY(near(j.length, 587.5, 1e-9));
    }
    // The flat: a ladder of 5 stringers; its seams (393, 700, 1007) each under
    // two joists side by side, and both ends.
    QCOMPARE(plan.flatFrame->stringers, 5);
    QCOMPARE(plan.flatFrame->length, 1400.0);
    const std::vector<double> flat{19, 374, 412, 681, 719, 988, 1026, 1381};
    QCOMPARE(plan.flat->stations.size(), flat.size());
    for (std::size_t i = 0; i < flat.size(); ++i)
        QVERIFY(near(plan.flat->stations[i], flat[i], 0.05));
    QCOMPARE(plan.flat->pieces, 32);
    // Outer bays between a flush and a centred stringer, inner ones between two centred.
    QCOMPARE(plan.flat->lengths.size(), std::size_t(2));
    QVERIFY(near(plan.flat->lengths[0].length, 567.5, 1e-9) && plan.flat->lengths[0].count == 16);
    QVERIFY(near(plan.flat->lengths[1].length, 557.5, 1e-9) && plan.flat->lengths[1].count == 16);
}

void TestConstructionPlan::designs_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("leftPanels");
    QTest::addColumn<bool>("hasRight");
    QTest::addColumn<int>("copings");
    QTest::addColumn<int>("layers");
    QTest::addColumn<int>("warnings");
    // Panels taller than a sheet's short side are split, a warning each.
    QTest::newRow("wall design") << design(60, 150, 200, 140, 244, 70, 140, 60) << QString() << 5
                                 << true << 2 << 2 << 1;
    // No right curve: its deck lies on the flat's level, framed like the flat.
    QTest::newRow("H = 0") << design(60, 140, 70, 140, 244, 0, 140, 60) << QString() << 5 << false
                           << 1 << 2 << 0;
    QTest::newRow("H = R") << design(60, 140, 140, 140, 244, 140, 140, 60) << QString() << 5 << true
                           << 2 << 2 << 2;
    QTest::newRow("H just above R")
        << design(60, 140, 141, 140, 244, 70, 140, 60) << QString() << 5 << true << 2 << 2 << 1;
    QTest::newRow("no coping") << RampDimensions{} << QStringLiteral("coping=0") << 5 << true << 0
                               << 2 << 0;
    // One panel spacing wide or less: the two outer panels only.
    QTest::newRow("narrow") << design(60, 140, 70, 140, 62, 70, 140, 60) << QString() << 2 << true
                            << 2 << 2 << 0;
    QTest::newRow("three layers") << RampDimensions{} << QStringLiteral("surface=6,6,6") << 5
                                  << true << 2 << 3 << 0;
    // A deck 300 mm behind the panels' back end stands on its own frame.
    QTest::newRow("short back") << RampDimensions{} << QStringLiteral("back=300,-") << 5 << true
                                << 2 << 2 << 0;
    // Wider than a sheet: the joints along the ramp lie across the ribs, which carry them.
    QTest::newRow("wide") << design(60, 140, 70, 140, 300, 70, 140, 60) << QString() << 6 << true
                          << 2 << 2 << 0;
}

void TestConstructionPlan::designs() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    QFETCH(int, leftPanels);
    QFETCH(bool, hasRight);
    QFETCH(int, copings);
    QFETCH(int, layers);
    QFETCH(int, warnings);
    const ConstructionPlan plan =
        buildConstructionPlan(dims, parseConstructionLine(settings.toUtf8()));
    QVERIFY(plan.curves[leftCurve]);
    QCOMPARE(plan.curves[leftCurve]->panelCount, leftPanels);
    QCOMPARE(plan.curves[rightCurve].has_value(), hasRight);
    QCOMPARE(plan.copingPipes.pieces, copings);
    QCOMPARE(int(plan.surface.layers.size()), layers);
    QVERIFY2(plan.warnings.size() == warnings, qPrintable(plan.warnings.join(u'\n')));
    int panels = 0;
    for (const auto& c : plan.curves) {
        if (!c) continue;
        checkPieces(*c);
        panels += c->panelCount * int(c->pieces.size() + c->splicePlates.size());
        for (double s : c->stations)
            QVERIFY(s >= 0 && s <= c->curveLength);
    }
    int parts = 0;
    for (const SheetLayout& sheet : plan.panelSheets.layout)
        parts += int(sheet.parts.size());
    QCOMPARE(parts, panels);
    QCOMPARE(plan.panelSheets.count, int(plan.panelSheets.layout.size()));
    // The layers' seams never line up.
    for (std::size_t i = 1; i < plan.surface.layers.size(); ++i)
        for (double a : plan.surface.layers[i].seams)
            for (double b : plan.surface.layers[i - 1].seams)
                QVERIFY(std::abs(a - b) > 10);
    // A deck without a curve is framed like the flat, on the ground.
    QCOMPARE(!plan.rightDeck, !hasRight);
    QCOMPARE(plan.deckFrames[rightCurve] &&
                 plan.deckFrames[rightCurve]->kind == DeckFrameKind::ground,
             !hasRight);
    if (!hasRight) {
        // A 600 mm deck, no seam: both ends e/2 inside and one between (562 > 400).
        const DeckFrame& ground = *plan.deckFrames[rightCurve];
        QCOMPARE(ground.stringers.count, 5);
        QCOMPARE(ground.stringers.length, 600.0);
        QVERIFY(nearAll(ground.joists.stations, {19, 300, 581}));
        QCOMPARE(countedLengths(ground.joists.lengths), QStringLiteral("6x567.5 6x557.5"));
        QCOMPARE(ground.legs.count, 0);
    }
    if (copings == 0) QVERIFY(near(plan.leftDeck->stations.back(), 600 - 44.5, 1e-9));
}

void TestConstructionPlan::deckFrames_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<Lengths>("legs");
    QTest::addColumn<double>("legLength");
    QTest::addColumn<Lengths>("joints");
    QTest::addColumn<QString>("braces");
    // A 300 mm frame: a leg flush with each end (89 along the ramp), 789 - 89
    // high; braces across from 614.5 - 44.5 = 570 (outer bays) and 605.5
    // apart, along over 255.5 - 44.5 = 211: the hypotenuses with 700, rounded up.
    QTest::newRow("back 300") << RampDimensions{} << QStringLiteral("back=300,300")
                              << Lengths{44.5, 255.5} << 700.0 << Lengths{}
                              << QStringLiteral("4x926 4x903 5x732");
    // 5400 mm: two stringer pieces of 2700 joined over a leg; 2655.5 on each
    // side of it in three spans of 885.2.
    QTest::newRow("joined stringers")
        << design(600, 140, 70, 140, 244, 70, 140, 60) << QStringLiteral("back=600,-")
        << Lengths{44.5, 929.7, 1814.8, 2700, 3585.2, 4470.3, 5355.5} << 700.0 << Lengths{2700}
        << QStringLiteral("30x1129 14x926 14x903");
    // A 40 cm curve: legs of 400, not braced.
    QTest::newRow("low deck") << design(60, 140, 40, 140, 244, 70, 140, 60)
                              << QStringLiteral("back=300,-") << Lengths{44.5, 255.5} << 400.0
                              << Lengths{} << QString();
}

void TestConstructionPlan::deckFrames() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    QFETCH(Lengths, legs);
    QFETCH(double, legLength);
    QFETCH(Lengths, joints);
    QFETCH(QString, braces);
    const ConstructionPlan plan =
        buildConstructionPlan(dims, parseConstructionLine(settings.toUtf8()));
    QVERIFY(plan.deckFrames[leftCurve]);
    const DeckFrame& f = *plan.deckFrames[leftCurve];
    QVERIFY(f.kind == DeckFrameKind::legs);
    QVERIFY2(nearAll(f.legs.positions, legs), qPrintable(lengthList(f.legs.positions)));
    QCOMPARE(f.legs.perLine, int(legs.size()));
    QCOMPARE(f.legs.count, 5 * int(legs.size()));
    QVERIFY(near(f.legs.length, legLength, 1e-9));
    QVERIFY(nearAll(f.stringers.joints, joints));
    QCOMPARE(f.stringers.count, 5);
    QCOMPARE(countedLengths(f.braces), braces);
    // Rims: the frame's between stringers (two outer, two inner bays), the
    // panels' between panels, right behind the frame.
    QCOMPARE(countedLengths(f.backRim.pieces.lengths), QStringLiteral("2x567.5 2x557.5"));
    QCOMPARE(f.frontRim.pieces.count, 4);
    QCOMPARE(countedLengths(f.panelRim.pieces.lengths), QStringLiteral("4x587.5"));
    QVERIFY(near(f.panelRim.station, f.length + 19, 1e-9));
    QVERIFY(near(f.frontRim.station, f.length - 19, 1e-9));
    // The panels' own joists start behind their rim and end at the coping block.
    const JoistPlan& deck = *plan.leftDeck;
    QVERIFY(deck.stations.front() >= f.panelRim.station + 89 - 1e-9);
    QCOMPARE(deck.copingBlocks, 4);
    for (std::size_t i = 1; i < f.joists.stations.size(); ++i)
        QVERIFY(f.joists.stations[i] - f.joists.stations[i - 1] <= 400 + 1e-9);
}

void TestConstructionPlan::deckLinesHeld_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::newRow("back 300") << RampDimensions{} << QStringLiteral("back=300,300");
    QTest::newRow("back 150") << RampDimensions{} << QStringLiteral("back=150,150");
    QTest::newRow("long decks") << design(250, 140, 70, 140, 244, 70, 140, 180)
                                << QStringLiteral("back=300,450");
    QTest::newRow("joined stringers")
        << design(600, 140, 70, 140, 244, 70, 140, 60) << QStringLiteral("back=600,-");
    QTest::newRow("deck on the ground") << design(60, 140, 0, 140, 244, 70, 140, 60) << QString();
    QTest::newRow("three layers, close joists")
        << design(120, 140, 70, 140, 366, 70, 140, 120)
        << QStringLiteral("surface=6,6,6 back=200,700 joistspacing=250");
}

// Every line under a deck's surface stands on something: on the panels where
// they reach (from the frame's front end to the pipe), on the stringers of the
// frame elsewhere; none farther than joistspacing from the next, the first at
// the deck's back end.
void TestConstructionPlan::deckLinesHeld() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    const ConstructionPlan plan =
        buildConstructionPlan(dims, parseConstructionLine(settings.toUtf8()));
    const ConstructionSettings& s = plan.settings;
    const std::array<std::optional<JoistPlan>, 2> panelJoists{plan.leftDeck, plan.rightDeck};
    for (int side : {leftCurve, rightCurve}) {
        if (!plan.deckFrames[side]) continue;
        const DeckFrame& f = *plan.deckFrames[side];
        const double framed = f.length;
        std::vector<double> lines;
        const auto onFrame = [&](double station, double half) {
            QVERIFY2(station - half >= -1e-9 && station + half <= framed + 1e-9,
                     qPrintable(QStringLiteral("%1 off the frame of %2").arg(station).arg(framed)));
            lines.push_back(station);
        };
        const double onEdge = std::min(s.ribWidth, s.ribDepth) / 2;
        for (double station : f.joists.stations)
            onFrame(station, onEdge);
        if (f.kind == DeckFrameKind::legs) {
            onFrame(f.backRim.station, onEdge);
            onFrame(f.frontRim.station, onEdge);
            QVERIFY(f.panelRim.station - onEdge >= framed - 1e-9);
            lines.push_back(f.panelRim.station);
            // The legs stand under the stringers, the end ones flush.
            QVERIFY(near(f.legs.positions.front(), f.legs.section[1] / 2, 1e-9));
            QVERIFY(near(f.legs.positions.back(), framed - f.legs.section[1] / 2, 1e-9));
        }
        if (panelJoists[side])
            for (double station : panelJoists[side]->stations) {
                QVERIFY2(station - s.ribWidth / 2 >= framed - 1e-9,
                         qPrintable(QString::number(station)));
                lines.push_back(station);
            }
        std::sort(lines.begin(), lines.end());
        QVERIFY(lines.front() <= onEdge + 1e-9);
        for (std::size_t i = 1; i < lines.size(); ++i)
            QVERIFY2(lines[i] - lines[i - 1] <= s.joistSpacing + 1e-9,
                     qPrintable(QStringLiteral("%1 to %2").arg(lines[i - 1]).arg(lines[i])));
    }
}

void TestConstructionPlan::symmetric_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::newRow("default") << RampDimensions{} << QString();
    QTest::newRow("three layers") << RampDimensions{} << QStringLiteral("surface=6,6,6");
    QTest::newRow("four layers") << RampDimensions{} << QStringLiteral("surface=6,6,6,6");
    QTest::newRow("4 ft") << design(60, 250, 122, 200, 244, 122, 250, 60) << QString();
    QTest::newRow("4 ft, four layers")
        << design(60, 250, 122, 200, 366, 122, 250, 60) << QStringLiteral("surface=5,5,5,5");
    QTest::newRow("wall") << design(60, 150, 200, 140, 244, 200, 150, 60) << QString();
    QTest::newRow("short flat") << design(60, 140, 70, 30, 244, 70, 140, 60) << QString();
}

// A ramp the same on both sides gets the same ribs on both curves.
void TestConstructionPlan::symmetric() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    const ConstructionPlan plan =
        buildConstructionPlan(dims, parseConstructionLine(settings.toUtf8()));
    const CurvePlan& left = *plan.curves[leftCurve];
    const CurvePlan& right = *plan.curves[rightCurve];
    QVERIFY(left.stations == right.stations);
    QVERIFY(left.stationSeams == right.stationSeams);
    QVERIFY(plan.leftDeck->stations == plan.rightDeck->stations);
    for (const SurfaceLayerPlan& layer : plan.surface.layers) {
        QVERIFY(layer.curveRuns[0] == layer.curveRuns[1]);
        for (const SurfacePiece& piece : layer.pieces)
            QVERIFY(piece.length >= 300 - 1e-9);
    }
}

void TestConstructionPlan::refusals_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("message");
    QTest::newRow("back above the deck")
        << RampDimensions{} << QStringLiteral("back=601,-")
        << QStringLiteral("Réglage de construction incorrect : back=601,- (150 à 600");
    QTest::newRow("back too short")
        << RampDimensions{} << QStringLiteral("back=-,149")
        << QStringLiteral("Réglage de construction incorrect : back=-,149 (150 à 600");
    QTest::newRow("short deck: the whole deck at least")
        << design(10, 140, 70, 140, 244, 70, 140, 60) << QStringLiteral("back=99,-")
        << QStringLiteral("Réglage de construction incorrect : back=99,- (100 à 100");
    QTest::newRow("too narrow") << design(60, 140, 70, 140, 13, 70, 140, 60) << QString()
                                << QStringLiteral("Réglage de construction incorrect : panel=18");
    // 30 mm is not above 60.3 - 18 - 6 = 36.3.
    QTest::newRow("too low for the pipe")
        << design(60, 140, 3, 140, 244, 70, 140, 60) << QString()
        << QStringLiteral("Réglage de construction incorrect : coping=60.3 (la courbe gauche");
    QTest::newRow("dimensions Tracer refuses")
        << design(-1, 140, 70, 140, 244, 70, 140, 60) << QString()
        << QStringLiteral("Dimensions incorrectes");
    // 600 - 500: no room for two 38 mm rims and an 89 mm leg.
    QTest::newRow("deck frame too short")
        << RampDimensions{} << QStringLiteral("back=500,-")
        << QStringLiteral("Réglage de construction incorrect : back=500,- (le cadre de la "
                          "plate-forme gauche mesurerait 100 mm ; il en faut au moins 165");
    // 13 m of deck behind the curve; a wall 6089 mm high (89 of flat).
    QTest::newRow("panel too long") << design(1300, 140, 70, 140, 244, 70, 140, 60) << QString()
                                    << QStringLiteral("Flanc trop grand pour les feuilles");
    QTest::newRow("panel too tall") << design(60, 140, 600, 140, 244, 70, 140, 60) << QString()
                                    << QStringLiteral("Flanc trop grand pour les feuilles");
    // Found by fuzzing: a wall 463.4 m tall.
    QTest::newRow("tallest wall") << design(128, 0, 46340, 0, 100, 0, 0, 0) << QString()
                                  << QStringLiteral("Flanc trop grand pour les feuilles");
}

void TestConstructionPlan::refusals() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    QFETCH(QString, message);
    const ConstructionSettings s = parseConstructionLine(settings.toUtf8());
    try {
        buildConstructionPlan(dims, s);
        QFAIL("not refused");
    } catch (const QuarvelError& e) {
        QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
    }
}

void TestConstructionPlan::split() {
    // A 150 cm deck: 2712 mm long, longer than a sheet.
    const ConstructionPlan plan =
        buildConstructionPlan(design(150, 140, 70, 140, 244, 70, 140, 60), ConstructionSettings{});
    const CurvePlan& c = *plan.curves[leftCurve];
    QVERIFY(near(c.panelLength, 2712.44));
    QCOMPARE(int(c.pieces.size()), 2);
    checkPieces(c);
    QCOMPARE(int(plan.curves[rightCurve]->pieces.size()), 1);
    QCOMPARE(int(c.splits.size()), 1);
    QVERIFY(plan.curves[rightCurve]->splits.empty());
    const PanelSplit& cut = c.splits.front();
    QCOMPARE(cut.curve, int(leftCurve));
    // At a rib station, along the radius, down to the panel's bottom edge.
    QVERIFY(std::any_of(c.stations.begin(), c.stations.end(),
                        [&](double s) { return s == cut.station; }));
    QVERIFY(near(std::hypot(cut.from.x() - c.pivot.x(), cut.from.y() - c.pivot.y()), 1418, 1e-6));
    QVERIFY(near(cut.to.y(), 0, 1e-9));
    const double along = (cut.to.x() - c.pivot.x()) * (cut.from.y() - c.pivot.y()) -
                         (cut.to.y() - c.pivot.y()) * (cut.from.x() - c.pivot.x());
    QVERIFY(near(along, 0, 1e-6 * 1418 * 1418));
    for (const PanelPiece& piece : c.pieces) {
        const QRectF box = boundingBox(piece.outline);
        QVERIFY(box.width() <= 2440 - 8 && box.height() <= 1220 - 8);
    }
    // Piece 0 holds the back end.
    QCOMPARE(boundingBox(c.pieces[0].outline).left(), 0.0);
    QVERIFY(near(boundingBox(c.pieces[1].outline).right(), c.panelLength, 1e-9));
    QVERIFY(plan.warnings.join(u' ').contains(QStringLiteral("éclisse de 300 mm")));
    // For people, one for one, in the unit: 300 mm is 11 13/16", and no mm is left.
    const QStringList inInches = planWarningTexts(plan, LengthUnit::Inches);
    QCOMPARE(inInches.size(), plan.warnings.size());
    QVERIFY(inInches.join(u' ').contains(QStringLiteral("éclisse de 11 13/16\" de large")));
    QVERIFY(!inInches.join(u' ').contains(QStringLiteral("mm")));
    // Five back pieces, five toe pieces, five right panels and five plates.
    int parts = 0;
    for (const SheetLayout& sheet : plan.panelSheets.layout)
        parts += int(sheet.parts.size());
    QCOMPARE(parts, 20);
}

void TestConstructionPlan::placed() {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    const QRectF whole = boundingBox(plan.curves[leftCurve]->outline);
    const double w = whole.width(), h = whole.height();
    // Where the toe (the panel's lower right corner) goes, worked by hand:
    // mirrored it is the lower left; each quarter turn takes the box's lower
    // right corner to its upper right, upper right to upper left, and so on.
    struct Row {
        int rotation;
        bool mirrored;
        QPointF toe;
    };
    const Row rows[] = {{0, false, {10 + w, 20}},      {0, true, {10, 20}},
                        {90, false, {10 + h, 20 + w}}, {90, true, {10 + h, 20}},
                        {180, false, {10, 20 + h}},    {180, true, {10 + w, 20 + h}},
                        {270, false, {10, 20}},        {270, true, {10, 20 + w}}};
    for (const Row& row : rows) {
        PlacedPart part{leftCurve, 0, 10, 20, row.rotation, row.mirrored};
        const Outline o = placedOutline(plan, part);
        const QRectF box = boundingBox(o);
        QVERIFY(near(box.left(), 10, 1e-9) && near(lowestV(box), 20, 1e-9));
        const bool across = row.rotation % 180 != 0;
        QVERIFY(near(box.width(), across ? h : w, 1e-9));
        QVERIFY(near(box.height(), across ? w : h, 1e-9));
        const QPointF toe = o.front().to;
        QVERIFY2(near(toe.x(), row.toe.x(), 1e-9) && near(toe.y(), row.toe.y(), 1e-9),
                 qPrintable(QStringLiteral("%1 %2").arg(row.rotation).arg(row.mirrored)));
        QCOMPARE(part.turned(), row.rotation == 180);
    }
}

void TestConstructionPlan::largestWidth() {
    RampDimensions dims;
    dims.W = 46340;
    const ConstructionPlan plan = buildConstructionPlan(dims, ConstructionSettings{});
    QCOMPARE(plan.curves[leftCurve]->panelCount, 761);
    QCOMPARE(plan.curves[leftCurve]->ribs.pieces,
             int(plan.curves[leftCurve]->stations.size()) * 760);
    int parts = 0;
    for (const SheetLayout& sheet : plan.panelSheets.layout)
        parts += int(sheet.parts.size());
    QCOMPARE(parts, 2 * 761);
    // 463.4 m across: 189 whole sheets and a 2240 mm part per strip, one part per sheet.
    QCOMPARE(plan.surface.layers[0].sheets, 5 * 190);
}

void TestConstructionPlan::largeDesigns_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("kinds");    // of the cuts made, in order of first use
    QTest::addColumn<bool>("quarterTurn"); // a panel piece turned a quarter
    // The right panel, 4452 x 1849, has a back piece that stands on end.
    QTest::newRow("tall back piece")
        << design(69, 363, 38, 139, 89, 176, 396, 116) << "normal vertical" << true;
    QTest::newRow("3.2 m vert walls")
        << design(60, 150, 320, 140, 244, 320, 150, 60) << "normal" << true;
    // 4212 x 789: one cut at a deck joist gives two pieces that fit.
    QTest::newRow("3 m deck") << design(300, 140, 70, 140, 244, 70, 140, 60) << "vertical" << false;
    // 5999 mm high, 12000 mm long: the largest panel cut rather than refused.
    QTest::newRow("largest wall") << design(900, 300, 591, 140, 244, 70, 140, 60)
                                  << "normal vertical horizontal" << true;
    QTest::newRow("long low curve")
        << design(0, 1500, 591, 0, 244, 0, 0, 0) << "normal horizontal" << true;
    QTest::newRow("default") << RampDimensions{} << "" << false;
}

void TestConstructionPlan::largeDesigns() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, kinds);
    QFETCH(bool, quarterTurn);
    const ConstructionSettings s;
    const ConstructionPlan plan = buildConstructionPlan(dims, s);
    std::map<layoutcheck::Key, int> expected;
    QStringList used;
    const char* names[] = {"normal", "vertical", "horizontal"};
    for (int curve = 0; curve < 2; ++curve) {
        if (!plan.curves[curve]) continue;
        const CurvePlan& c = *plan.curves[curve];
        checkPieces(c);
        for (int piece = 0; piece < int(c.pieces.size()); ++piece)
            expected[{curve, piece}] = c.panelCount;
        for (int plate = 0; plate < int(c.splicePlates.size()); ++plate)
            expected[{-1 - curve, plate}] = c.panelCount;
        for (const PanelSplit& split : c.splits) {
            const QString name = QLatin1String(names[int(split.kind)]);
            if (!used.contains(name)) used << name;
        }
    }
    checkPlates(plan, s.ribDepth);
    checkSheets(
        plan.panelSheets.layout,
        [&](const PlacedPart& part) -> const Outline* {
            const CurvePlan& c = *plan.curves[part.curve];
            if (part.part == PlacedPartKind::splice)
                return &c.splicePlates.at(std::size_t(part.piece)).outline;
            return &c.pieces.at(std::size_t(part.piece)).outline;
        },
        expected, s.sheetLong, s.sheetShort, s.kerf);
    QCOMPARE(used.join(u' '), kinds);
    bool turned = false;
    for (const SheetLayout& sheet : plan.panelSheets.layout)
        for (const PlacedPart& part : sheet.parts)
            turned = turned || (part.part == PlacedPartKind::panel && part.rotation % 180 != 0);
    QCOMPARE(turned, quarterTurn);
}

// Two panels are the same panel when outline, rib stations, cuts and splice
// plates agree to the tenth of a millimetre.
void TestConstructionPlan::samePanelRule_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<double>("by"); // mm
    QTest::addColumn<bool>("same");
    enum { outline, station, cut, stationCount, plate };
    QTest::newRow("as built") << int(outline) << 0.0 << true;
    QTest::newRow("outline within rounding") << int(outline) << 0.02 << true;
    QTest::newRow("outline a tenth apart") << int(outline) << 0.1 << false;
    QTest::newRow("station within rounding") << int(station) << 0.02 << true;
    QTest::newRow("station a tenth apart") << int(station) << 0.1 << false;
    QTest::newRow("cut elsewhere") << int(cut) << 10.0 << false;
    QTest::newRow("one more station") << int(stationCount) << 0.0 << false;
    QTest::newRow("splice plate elsewhere") << int(plate) << 10.0 << false;
}

void TestConstructionPlan::samePanelRule() {
    QFETCH(int, change);
    QFETCH(double, by);
    QFETCH(bool, same);
    // A panel split once, so that it has a cut to compare.
    const ConstructionPlan plan =
        buildConstructionPlan(design(150, 140, 70, 140, 244, 70, 140, 60), ConstructionSettings{});
    CurvePlan a = *plan.curves[leftCurve], b = a;
    QCOMPARE(int(a.splits.size()), 1);
    // The value a hundredth above a whole tenth in a, by more in b: rounding
    // then depends on by alone.
    const auto place = [&](double& inA, double& inB) {
        inA = std::round(inA * 10) / 10 + 0.01;
        inB = inA + by;
    };
    if (change == 0) {
        double ua = a.outline[0].to.x(), ub = ua;
        place(ua, ub);
        for (auto [panel, u] : {std::pair{&a, ua}, std::pair{&b, ub}}) {
            panel->outline[0].to.setX(u);
            panel->outline[1].from.setX(u);
        }
    } else if (change == 1) {
        place(a.stations[1], b.stations[1]);
    } else if (change == 2) {
        b.splits[0].station += by;
        b.splits[0].from.rx() += by;
    } else if (change == 3) {
        b.stations.push_back(b.stations.back() + 100);
    } else {
        b.splicePlates[0].outline = translated(b.splicePlates[0].outline, by, 0);
    }
    QCOMPARE(samePanel(a, b), same);
}

QTEST_APPLESS_MAIN(TestConstructionPlan)
#include "test_constructionplan.moc"
