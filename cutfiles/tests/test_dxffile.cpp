#include "cutfile.h"
#include "cutlayout.h"
#include "expectedparts.h"
#include "lengthunits.h"
#include "sampleplan.h"

#include <cmath>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The DXF files are read back by Debian's ezdxf (the system Python, not
// whatever python3 comes first on the PATH): what a CAD or CAM program would
// see, checked by an implementation that is not ours.
namespace {

const char* const readBack = R"PY(
import json, sys
import ezdxf
from ezdxf import bbox
from ezdxf.math import bulge_to_arc

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
out = {
    "version": doc.dxfversion,
    "insunits": doc.header.get("$INSUNITS", 0),
    "errors": [e.message for e in auditor.errors],
    "fixes": [f.message for f in auditor.fixes],
    "layers": sorted(layer.dxf.name for layer in doc.layers),
    "polylines": [], "lines": [], "texts": [], "other": [],
}
for e in doc.modelspace():
    kind = e.dxftype()
    if kind == "LWPOLYLINE":
        points = list(e.get_points("xyb"))
        arcs = []
        for i, (x, y, b) in enumerate(points):
            if b == 0:
                continue
            nx, ny, _ = points[(i + 1) % len(points)]
            centre, start, end, radius = bulge_to_arc((x, y), (nx, ny), b)
            arcs.append({"bulge": b, "centre": [centre.x, centre.y], "radius": radius,
                         "start": start, "end": end})
        box = bbox.extents([e])
        out["polylines"].append({"layer": e.dxf.layer, "closed": e.closed, "arcs": arcs,
                                 "box": [box.extmin.x, box.extmin.y, box.extmax.x, box.extmax.y]})
    elif kind == "LINE":
        out["lines"].append({"layer": e.dxf.layer, "from": [e.dxf.start.x, e.dxf.start.y],
                             "to": [e.dxf.end.x, e.dxf.end.y]})
    elif kind == "TEXT":
        out["texts"].append({"layer": e.dxf.layer, "text": e.dxf.text, "height": e.dxf.height})
    else:
        out["other"].append(kind)
print(json.dumps(out))
)PY";

QJsonObject readBackWithEzdxf(const QByteArray& dxf) {
    QTemporaryDir dir;
    if (!dir.isValid()) return {};
    QFile file(dir.filePath(QStringLiteral("cut.dxf")));
    QFile script(dir.filePath(QStringLiteral("readback.py")));
    if (!file.open(QIODevice::WriteOnly) || file.write(dxf) != dxf.size()) return {};
    file.close();
    if (!script.open(QIODevice::WriteOnly)) return {};
    script.write(readBack);
    script.close();
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {script.fileName(), file.fileName()});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QRectF boxOf(const QJsonArray& a) {
    return QRectF(QPointF(a[0].toDouble(), a[1].toDouble()),
                  QPointF(a[2].toDouble(), a[3].toDouble()));
}

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

// The least distance from p to the outline's edges (arcs flattened to a
// micrometre).
double distanceToEdge(const Outline& outline, QPointF p) {
    const QList<QPointF> polygon = flatten(outline, 0.001);
    double best = 1e300;
    for (qsizetype i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF a = polygon[j], b = polygon[i];
        const double du = b.x() - a.x(), dv = b.y() - a.y(), length2 = du * du + dv * dv;
        const double t =
            length2 > 0
                ? std::clamp(((p.x() - a.x()) * du + (p.y() - a.y()) * dv) / length2, 0.0, 1.0)
                : 0;
        best = std::min(best, std::hypot(a.x() + t * du - p.x(), a.y() + t * dv - p.y()));
    }
    return best;
}

ConstructionPlan planNamed(const QString& design) {
    if (design == u"hand") return samplePlan(true, true);
    if (design == u"hand, left") return samplePlan(true, false);
    return buildConstructionPlan(testDesign(design), ConstructionSettings{});
}

bool contains(const QRectF& outer, const QRectF& inner, double margin) {
    return inner.left() >= outer.left() + margin - 1e-6 &&
           lowestV(inner) >= lowestV(outer) + margin - 1e-6 &&
           inner.right() <= outer.right() - margin + 1e-6 &&
           highestV(inner) <= highestV(outer) - margin + 1e-6;
}

} // namespace

class TestDxfFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsBack_data();
    void readsBack();
    void sameBytesEveryTime();
    void labelsInInches();
};

void TestDxfFile::initTestCase() {
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")))
        QSKIP("no /usr/bin/python3 to read the files back with ezdxf");
}

void TestDxfFile::readsBack_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<bool>("sheets");
    QTest::addColumn<double>("frameBulge"); // of every part's one arc; 0: not checked
    // The frame arc of the default panel spans 1.0099 rad: tan(1.0099 / 4).
    QTest::newRow("by hand, side by side") << "hand" << false << 0.2580;
    QTest::newRow("by hand, left only") << "hand, left" << false << 0.2580;
    QTest::newRow("by hand, on sheets, mirrored") << "hand" << true << 0.2580;
    QTest::newRow("default, side by side") << "default" << false << 0.2580;
    QTest::newRow("default, on sheets") << "default" << true << 0.2580;
    QTest::newRow("left only, on sheets") << "left only" << true << 0.2580;
    QTest::newRow("split wall, side by side") << "wall" << false << 0.0;
    QTest::newRow("split wall, on sheets") << "wall" << true << 0.0;
}

void TestDxfFile::readsBack() {
    QFETCH(QString, design);
    QFETCH(bool, sheets);
    QFETCH(double, frameBulge);
    const ConstructionPlan plan = planNamed(design);
    const std::vector<Outline> parts = expectedParts(plan, sheets);
    const QJsonObject dxf = readBackWithEzdxf(cutFileBytes(plan, CutFormat::Dxf, sheets));
    QVERIFY(!dxf.isEmpty());

    QCOMPARE(dxf["version"].toString(), QStringLiteral("AC1015"));
    QCOMPARE(dxf["insunits"].toInt(), 4);
    QCOMPARE(dxf["errors"].toArray(), QJsonArray());
    QCOMPARE(dxf["fixes"].toArray(), QJsonArray());
    QCOMPARE(dxf["other"].toArray(), QJsonArray());
    const QJsonArray layers = dxf["layers"].toArray();
    for (const char* layer : {"CUT", "MARK", "TEXT", "SHEET"})
        QVERIFY2(layers.contains(QString::fromLatin1(layer)), layer);

    std::vector<QRectF> sheetBoxes;
    size_t part = 0;
    for (const QJsonValue& value : dxf["polylines"].toArray()) {
        const QJsonObject polyline = value.toObject();
        QVERIFY(polyline["closed"].toBool());
        if (polyline["layer"] == QStringLiteral("SHEET")) {
            sheetBoxes.push_back(boxOf(polyline["box"].toArray()));
            continue;
        }
        QCOMPARE(polyline["layer"].toString(), QStringLiteral("CUT"));
        QVERIFY(part < parts.size());
        const Outline& expected = parts[part++];
        const QRectF box = boxOf(polyline["box"].toArray()), want = boundingBox(expected);
        QVERIFY2(near(box.left(), want.left(), 0.01) && near(lowestV(box), lowestV(want), 0.01) &&
                     near(box.right(), want.right(), 0.01) &&
                     near(highestV(box), highestV(want), 0.01),
                 qPrintable(QStringLiteral("part %1").arg(part)));

        // Every arc a bulge on the frame circle: ezdxf's own conversion back
        // to a centre and a radius must find the pivot and R_f.
        std::vector<Segment> arcs;
        for (const Segment& s : expected)
            if (s.kind == Segment::Kind::Arc) arcs.push_back(s);
        const QJsonArray read = polyline["arcs"].toArray();
        QCOMPARE(read.size(), qsizetype(arcs.size()));
        for (size_t i = 0; i < arcs.size(); ++i) {
            const QJsonObject arc = read[qsizetype(i)].toObject();
            const double bulge = arc["bulge"].toDouble();
            QVERIFY(near(bulge, std::tan(arcs[i].sweep / 4), 1e-7));
            if (frameBulge > 0)
                QVERIFY2(near(std::abs(bulge), frameBulge, 5e-5),
                         qPrintable(QString::number(bulge)));
            QVERIFY(near(arc["radius"].toDouble(), arcs[i].radius, 0.01));
            const QJsonArray centre = arc["centre"].toArray();
            QVERIFY(near(centre[0].toDouble(), arcs[i].centre.x(), 0.01));
            QVERIFY(near(centre[1].toDouble(), arcs[i].centre.y(), 0.01));
            bool frameRadius = false;
            for (const auto& curve : plan.curves)
                frameRadius =
                    frameRadius || (curve && near(arcs[i].radius, curve->frameRadius, 1e-9));
            QVERIFY(frameRadius);
        }
    }
    QCOMPARE(part, parts.size());

    if (sheets) {
        QCOMPARE(sheetBoxes.size(), plan.panelSheets.layout.size());
        for (const Outline& expected : parts) {
            bool onASheet = false;
            for (const QRectF& sheet : sheetBoxes)
                onASheet = onASheet || contains(sheet, boundingBox(expected), plan.settings.kerf);
            QVERIFY(onASheet);
        }
    } else {
        QVERIFY(sheetBoxes.empty());
    }

    // Rib stations: lines as deep as the rib, starting on a part's edge.
    int stations = 0;
    for (const QJsonValue& value : dxf["lines"].toArray()) {
        QCOMPARE(value.toObject()["layer"].toString(), QStringLiteral("MARK"));
        const QJsonArray from = value.toObject()["from"].toArray(),
                         to = value.toObject()["to"].toArray();
        const QPointF a{from[0].toDouble(), from[1].toDouble()},
            b{to[0].toDouble(), to[1].toDouble()};
        if (!near(std::hypot(b.x() - a.x(), b.y() - a.y()), plan.settings.ribDepth, 1e-5)) continue;
        ++stations;
        double edge = 1e300;
        for (const Outline& expected : parts)
            edge = std::min(edge, distanceToEdge(expected, a));
        QVERIFY(edge < 0.01);
    }
    // Every station once for each panel drawn (side by side: each distinct
    // panel once; on the sheets every copy), but those where a panel is cut:
    // the cut marks them.
    int wanted = 0;
    bool split = false;
    for (const DistinctPanel& panel : plan.panels) {
        const CurvePlan& curve = *plan.curves[panel.curve];
        split = split || curve.pieces.size() > 1;
        const auto atStation = [](const PanelSplit& cut) { return cut.kind == SplitKind::normal; };
        const int marked = int(curve.stations.size()) -
                           int(std::count_if(curve.splits.begin(), curve.splits.end(), atStation));
        wanted += (sheets ? panel.count() : 1) * marked;
    }
    QCOMPARE(stations, wanted);

    QStringList texts;
    for (const QJsonValue& value : dxf["texts"].toArray()) {
        QCOMPARE(value.toObject()["layer"].toString(), QStringLiteral("TEXT"));
        texts << value.toObject()["text"].toString();
    }
    // A name on every part; on the sheets their numbers, side by side each
    // panel's pivot on its toe.
    QCOMPARE(texts.size(), qsizetype(parts.size() + (sheets ? plan.panelSheets.layout.size()
                                                            : plan.panels.size())));
    if (!sheets && !split)
        QCOMPARE(texts.first(), plan.panels.front().bothCurves()
                                    ? QStringLiteral("Courbes gauche et droite x 10")
                                    : QStringLiteral("Courbe gauche x 5"));
    if (sheets)
        QVERIFY(texts.contains(QStringLiteral("Feuille 1/%1").arg(plan.panelSheets.layout.size())));
}

void TestDxfFile::sameBytesEveryTime() {
    const QByteArray first = cutFileBytes(planNamed(QStringLiteral("wall")), CutFormat::Dxf, true);
    QCOMPARE(cutFileBytes(planNamed(QStringLiteral("wall")), CutFormat::Dxf, true), first);
    // Decimal points only, whatever the locale.
    QVERIFY(
        !QString::fromLatin1(first).contains(QRegularExpression(QStringLiteral("[0-9],[0-9]"))));
}

QTEST_GUILESS_MAIN(TestDxfFile)
#include "test_dxffile.moc"

// In inches only the labels change: the pivot's height in feet and inches to
// 1/16, the drawing still millimetres ($INSUNITS 4), every outline where the
// millimetre file has it.
void TestDxfFile::labelsInInches() {
    const ConstructionPlan plan = planNamed(QStringLiteral("default"));
    const QJsonObject mm = readBackWithEzdxf(cutFileBytes(plan, CutFormat::Dxf, false));
    const QJsonObject in =
        readBackWithEzdxf(cutFileBytes(plan, CutFormat::Dxf, false, LengthUnit::Inches));
    QVERIFY(!mm.isEmpty() && !in.isEmpty());
    QCOMPARE(in["insunits"].toInt(), 4);
    QCOMPARE(in["errors"].toArray(), QJsonArray());
    QCOMPARE(in["polylines"].toArray(), mm["polylines"].toArray());
    QCOMPARE(in["lines"].toArray(), mm["lines"].toArray());

    const double radius = plan.curves[0]->frameRadius;
    // "pivot à 4' 7 13/16\" au-dessus du pied", however the DXF spells the accent.
    static const QRegularExpression pivot(QStringLiteral("^pivot .*? (\\d.*\") au-dessus"));
    int pivots = 0;
    for (const QJsonValue& value : in["texts"].toArray()) {
        const QString text = value.toObject()["text"].toString();
        QCOMPARE(value.toObject()["layer"].toString(), QStringLiteral("TEXT"));
        const QRegularExpressionMatch match = pivot.match(text);
        if (!match.hasMatch()) continue;
        ++pivots;
        const QString length = match.captured(1);
        QVERIFY2(length.contains(u'\'') && length.endsWith(u'"'), qPrintable(text));
        const std::optional<double> read = lengthFromText(length, LengthUnit::Inches);
        QVERIFY2(read, qPrintable(text));
        const double sixteenths = *read / 25.4 * 16;
        QVERIFY(near(sixteenths, std::round(sixteenths), 1e-6));
        QVERIFY2(near(*read / 25.4, radius / 25.4, 1 / 32.0 + 1e-9), qPrintable(text));
    }
    QCOMPARE(pivots, int(plan.panels.size()));
}
