#include "cutfile.h"
#include "cutlayout.h"
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

Rect boxOf(const QJsonArray& a) {
    return {a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble()};
}

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

bool contains(const Rect& outer, const Rect& inner, double margin) {
    return inner.left >= outer.left + margin - 1e-6 &&
           inner.bottom >= outer.bottom + margin - 1e-6 &&
           inner.right <= outer.right - margin + 1e-6 && inner.top <= outer.top - margin + 1e-6;
}

} // namespace

class TestDxfFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void readsBack_data();
    void readsBack();
    void sameBytesEveryTime();
};

void TestDxfFile::initTestCase() {
    if (!QFile::exists(QStringLiteral("/usr/bin/python3")))
        QSKIP("no /usr/bin/python3 to read the files back with ezdxf");
}

void TestDxfFile::readsBack_data() {
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("sheets");
    QTest::addColumn<int>("parts");
    QTest::newRow("default, side by side") << true << true << false << 2;
    QTest::newRow("left only, side by side") << true << false << false << 1;
    QTest::newRow("default, on sheets") << true << true << true << 10;
}

void TestDxfFile::readsBack() {
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(bool, sheets);
    QFETCH(int, parts);
    const ConstructionPlan plan = samplePlan(left, right);
    const CurvePlan& curve = *plan.curves[left ? leftCurve : rightCurve];
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

    std::vector<Rect> cut, sheetBoxes;
    for (const QJsonValue& value : dxf["polylines"].toArray()) {
        const QJsonObject polyline = value.toObject();
        QVERIFY(polyline["closed"].toBool());
        if (polyline["layer"] == QStringLiteral("SHEET")) {
            sheetBoxes.push_back(boxOf(polyline["box"].toArray()));
            continue;
        }
        QCOMPARE(polyline["layer"].toString(), QStringLiteral("CUT"));
        const Rect box = boxOf(polyline["box"].toArray());
        cut.push_back(box);
        // The frame arc, toe to notch floor: a bulge of tan(1.0099 / 4), its
        // circle the frame circle about the pivot.
        const QJsonArray arcs = polyline["arcs"].toArray();
        QCOMPARE(arcs.size(), 1);
        const QJsonObject arc = arcs[0].toObject();
        QVERIFY2(near(std::abs(arc["bulge"].toDouble()), 0.2580, 5e-5),
                 qPrintable(QString::number(arc["bulge"].toDouble())));
        QVERIFY(near(arc["radius"].toDouble(), curve.frameRadius, 0.01));
        const QJsonArray centre = arc["centre"].toArray();
        // The pivot sits straight above the toe: at the box's right end when
        // the panel faces right, its left end when it was mirrored.
        const bool facesRight = near(centre[0].toDouble(), box.right, 0.01);
        QVERIFY(facesRight || near(centre[0].toDouble(), box.left, 0.01));
        const bool upright = box.top - centre[1].toDouble() < 0;
        const double pivotHeight =
            upright ? centre[1].toDouble() - box.bottom : box.top - centre[1].toDouble();
        QVERIFY(near(pivotHeight, curve.pivot.v, 0.01));
        // Counter-clockwise positive: the frame arc of an upright panel facing
        // right runs clockwise from the toe up.
        QCOMPARE(arc["bulge"].toDouble() < 0, facesRight == upright);
        QVERIFY(near(box.width(), curve.panelLength, 0.01));
        QVERIFY(near(box.height(), curve.panelHeight, 0.01));
    }
    QCOMPARE(int(cut.size()), parts);

    if (sheets) {
        QCOMPARE(int(sheetBoxes.size()), int(plan.sheets.layout.size()));
        for (const Rect& part : cut) {
            bool onASheet = false;
            for (const Rect& sheet : sheetBoxes)
                onASheet = onASheet || contains(sheet, part, plan.settings.kerf);
            QVERIFY(onASheet);
        }
    } else {
        for (int i = 0; i < parts; ++i) {
            QVERIFY(near(cut[i].left, i * (curve.panelLength + partGap), 0.01));
            QVERIFY(near(cut[i].bottom, 0, 0.01));
        }
        QVERIFY(sheetBoxes.empty());
    }

    int stations = 0;
    for (const QJsonValue& value : dxf["lines"].toArray()) {
        QCOMPARE(value.toObject()["layer"].toString(), QStringLiteral("MARK"));
        const QJsonArray from = value.toObject()["from"].toArray(),
                         to = value.toObject()["to"].toArray();
        if (near(std::hypot(to[0].toDouble() - from[0].toDouble(),
                            to[1].toDouble() - from[1].toDouble()),
                 plan.settings.ribDepth, 1e-6))
            ++stations;
    }
    QCOMPARE(stations, parts * int(curve.stationPoints.size()));

    QStringList texts;
    for (const QJsonValue& value : dxf["texts"].toArray()) {
        QCOMPARE(value.toObject()["layer"].toString(), QStringLiteral("TEXT"));
        texts << value.toObject()["text"].toString();
    }
    if (!sheets)
        QCOMPARE(texts.first(), left ? QStringLiteral("Courbe gauche \\U+00D7 5")
                                     : QStringLiteral("Courbe droite \\U+00D7 5"));
    else
        QVERIFY(texts.contains(QStringLiteral("Feuille 1/5")));
}

void TestDxfFile::sameBytesEveryTime() {
    const ConstructionPlan plan = samplePlan(true, true);
    const QByteArray first = cutFileBytes(plan, CutFormat::Dxf, true);
    QCOMPARE(cutFileBytes(samplePlan(true, true), CutFormat::Dxf, true), first);
    QVERIFY(!first.contains(','));
}

QTEST_GUILESS_MAIN(TestDxfFile)
#include "test_dxffile.moc"
