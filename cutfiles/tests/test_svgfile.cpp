#include "cutfile.h"
#include "cutlayout.h"
#include "expectedparts.h"
#include "sampleplan.h"

#include <cmath>
#include <numbers>
#include <QLocale>
#include <QtTest>
#include <QXmlStreamReader>

// The SVG files read back as XML: their page size, their layers and, path by
// path, where the arcs really run once a drawing program resolves the arc
// commands' flags (the endpoint-to-centre conversion of the SVG standard).
namespace {

struct SvgArc {
    QPointF from, to, centre;
    double radius = 0;
    bool large = false;
    double sweep = 0; // signed, y down
    QPointF at(double t) const {
        const double start = std::atan2(from.y() - centre.y(), from.x() - centre.x());
        return {centre.x() + radius * std::cos(start + t * sweep),
                centre.y() + radius * std::sin(start + t * sweep)};
    }
};

struct SvgPath {
    QPointF start, end;
    bool closed = false;
    std::vector<SvgArc> arcs;
    std::vector<QPointF> points; // every vertex and points along the arcs
    QRectF box() const {
        double left = points[0].x(), right = left, low = points[0].y(), high = low;
        for (QPointF p : points) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
        return QRectF(QPointF(left, low), QPointF(right, high));
    }
};

// The centre of an arc command with rx = ry and no rotation.
SvgArc resolveArc(QPointF from, QPointF to, double r, bool large, bool sweepFlag) {
    const double x1 = (from.x() - to.x()) / 2, y1 = (from.y() - to.y()) / 2;
    const double d2 = x1 * x1 + y1 * y1;
    const double k = (large != sweepFlag ? 1 : -1) * std::sqrt(std::max(0.0, (r * r - d2) / d2));
    const double cx = k * y1, cy = -k * x1;
    double delta = std::atan2((-y1 - cy), (-x1 - cx)) - std::atan2(y1 - cy, x1 - cx);
    if (!sweepFlag && delta > 0) delta -= 2 * std::numbers::pi;
    if (sweepFlag && delta < 0) delta += 2 * std::numbers::pi;
    return {from, to,    {cx + (from.x() + to.x()) / 2, cy + (from.y() + to.y()) / 2},
            r,    large, delta};
}

SvgPath parsePath(const QString& d) {
    const QStringList words = d.split(u' ', Qt::SkipEmptyParts);
    SvgPath path;
    QPointF current;
    for (qsizetype i = 0; i < words.size();) {
        const QString command = words[i++];
        auto number = [&] { return words.at(i++).toDouble(); };
        if (command == u"M") {
            current = path.start = {number(), number()};
            path.points.push_back(current);
        } else if (command == u"L") {
            current = {number(), number()};
            path.points.push_back(current);
        } else if (command == u"A") {
            const double rx = number(), ry = number(), rotation = number();
            const bool large = number() != 0, sweep = number() != 0;
            const QPointF to{number(), number()};
            if (rx != ry || rotation != 0) return {};
            const SvgArc arc = resolveArc(current, to, rx, large, sweep);
            path.arcs.push_back(arc);
            for (int t = 1; t <= 64; ++t)
                path.points.push_back(arc.at(t / 64.0));
            current = to;
        } else if (command == u"Z") {
            path.closed = true;
        } else {
            return {};
        }
    }
    path.end = current;
    return path;
}

struct SvgFile {
    double width = 0, height = 0; // mm
    QStringList viewBox;
    QStringList groups;
    std::vector<SvgPath> cut, sheets;
    int marks = 0;
    QStringList texts;
};

double millimetres(QStringView text) {
    return text.endsWith(u"mm") ? text.chopped(2).toDouble() : -1;
}

SvgFile readSvg(const QByteArray& bytes) {
    SvgFile file;
    QXmlStreamReader xml(bytes);
    QString group;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"svg") {
            file.width = millimetres(a.value(QStringLiteral("width")));
            file.height = millimetres(a.value(QStringLiteral("height")));
            file.viewBox = a.value(QStringLiteral("viewBox")).toString().split(u' ');
        } else if (xml.name() == u"g") {
            group = a.value(QStringLiteral("id")).toString();
            file.groups << group;
        } else if (xml.name() == u"path") {
            const SvgPath path = parsePath(a.value(QStringLiteral("d")).toString());
            if (group == u"CUT") file.cut.push_back(path);
            if (group == u"SHEET") file.sheets.push_back(path);
            if (group == u"MARK") ++file.marks;
        } else if (xml.name() == u"text" && group == u"TEXT") {
            file.texts << xml.readElementText();
        }
    }
    if (xml.hasError()) return {};
    return file;
}

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

} // namespace

class TestSvgFile : public QObject {
    Q_OBJECT

private slots:
    void readsBack_data();
    void readsBack();
    void sameBytesInEveryLocale();
};

void TestSvgFile::readsBack_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<bool>("sheets");
    QTest::addColumn<double>("frameSweep"); // of every part's one arc; 0: not checked
    QTest::newRow("by hand, side by side") << "hand" << false << 1.0099;
    QTest::newRow("by hand, right only") << "hand, right" << false << 1.0099;
    QTest::newRow("by hand, on sheets, mirrored") << "hand" << true << 1.0099;
    QTest::newRow("default, side by side") << "default" << false << 1.0099;
    QTest::newRow("default, on sheets") << "default" << true << 1.0099;
    QTest::newRow("split wall, side by side") << "wall" << false << 0.0;
    QTest::newRow("split wall, on sheets") << "wall" << true << 0.0;
}

void TestSvgFile::readsBack() {
    QFETCH(QString, design);
    QFETCH(bool, sheets);
    QFETCH(double, frameSweep);
    const ConstructionPlan plan = design == u"hand" ? samplePlan(true, true)
                                  : design == u"hand, right"
                                      ? samplePlan(false, true)
                                      : buildConstructionPlan(testDesign(design), {});
    const std::vector<Outline> parts = expectedParts(plan, sheets);
    const SvgFile svg = readSvg(cutFileBytes(plan, CutFormat::Svg, sheets));

    QVERIFY(svg.width > 0 && svg.height > 0);
    QCOMPARE(svg.viewBox.size(), 4);
    QCOMPARE(svg.viewBox[0].toDouble(), 0.0);
    QCOMPARE(svg.viewBox[1].toDouble(), 0.0);
    QCOMPARE(svg.viewBox[2].toDouble(), svg.width);
    QCOMPARE(svg.viewBox[3].toDouble(), svg.height);
    QCOMPARE(svg.groups, (QStringList{"SHEET", "CUT", "MARK", "TEXT"}));
    QCOMPARE(svg.cut.size(), parts.size());
    QCOMPARE(svg.sheets.size(), sheets ? plan.panelSheets.layout.size() : 0);

    // The page is the plane moved and turned y down: x = u + dx, y = dy - v.
    const QPointF origin = parts.front().front().from;
    const double dx = svg.cut.front().start.x() - origin.x(),
                 dy = svg.cut.front().start.y() + origin.y();
    const auto page = [&](QPointF p) { return QPointF{p.x() + dx, dy - p.y()}; };
    for (size_t i = 0; i < parts.size(); ++i) {
        const SvgPath& path = svg.cut[i];
        const QPointF start = page(parts[i].front().from);
        QVERIFY(path.closed);
        QVERIFY(near(path.start.x(), start.x(), 1e-3) && near(path.start.y(), start.y(), 1e-3));
        QVERIFY(near(path.end.x(), path.start.x(), 1e-3) &&
                near(path.end.y(), path.start.y(), 1e-3));
        const QRectF box = path.box();
        QVERIFY(box.left() >= 0 && box.right() <= svg.width && lowestV(box) >= 0 &&
                highestV(box) <= svg.height);

        // Each arc where a drawing program puts it from its flags: centred
        // on the pivot, the short way round, every point on the frame circle.
        std::vector<Segment> arcs;
        for (const Segment& s : parts[i])
            if (s.kind == Segment::Kind::Arc) arcs.push_back(s);
        QCOMPARE(path.arcs.size(), arcs.size());
        for (size_t k = 0; k < arcs.size(); ++k) {
            const SvgArc& arc = path.arcs[k];
            const QPointF centre = page(arcs[k].centre);
            QVERIFY(near(arc.radius, arcs[k].radius, 1e-4));
            QVERIFY2(near(arc.centre.x(), centre.x(), 0.1) && near(arc.centre.y(), centre.y(), 0.1),
                     qPrintable(QStringLiteral("part %1 arc %2").arg(i).arg(k)));
            QVERIFY(near(arc.sweep, -arcs[k].sweep, 1e-4)); // y down turns the angles
            QCOMPARE(arc.large, std::abs(arcs[k].sweep) > std::numbers::pi);
            if (frameSweep > 0) QVERIFY(near(std::abs(arc.sweep), frameSweep, 1e-4));
            for (int t = 0; t <= 16; ++t) {
                const QPointF p = arc.at(t / 16.0);
                QVERIFY(
                    near(std::hypot(p.x() - centre.x(), p.y() - centre.y()), arcs[k].radius, 0.1));
            }
        }
        if (sheets) {
            bool onASheet = false;
            for (const SvgPath& sheet : svg.sheets) {
                const QRectF s = sheet.box();
                const double kerf = plan.settings.kerf - 1e-3;
                onASheet =
                    onASheet ||
                    (box.left() >= s.left() + kerf && box.right() <= s.right() - kerf &&
                     lowestV(box) >= lowestV(s) + kerf && highestV(box) <= highestV(s) - kerf);
            }
            QVERIFY(onASheet);
        }
    }
    QVERIFY(svg.marks > int(parts.size()));
    // A name on every part; on the sheets their numbers, side by side each
    // panel's pivot on its toe.
    QCOMPARE(svg.texts.size(), qsizetype(parts.size() + (sheets ? plan.panelSheets.layout.size()
                                                                : plan.panels.size())));
    if (!sheets && plan.panels.front().bothCurves())
        QCOMPARE(svg.texts.first(), QStringLiteral("Courbes gauche et droite × 10"));
    else if (!sheets && plan.curves[leftCurve] && plan.curves[leftCurve]->pieces.size() == 1)
        QCOMPARE(svg.texts.first(), QStringLiteral("Courbe gauche × 5"));
    if (!sheets && !plan.curves[leftCurve])
        QCOMPARE(svg.texts.first(), QStringLiteral("Courbe droite × 5"));
}

void TestSvgFile::sameBytesInEveryLocale() {
    const QByteArray first = cutFileBytes(samplePlan(true, true), CutFormat::Svg, false);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QByteArray french = cutFileBytes(samplePlan(true, true), CutFormat::Svg, false);
    QLocale::setDefault(before);
    QCOMPARE(french, first);
    // The toe: the panel length plus the page margin.
    QVERIFY(first.contains(" 1822.4356 "));
}

QTEST_GUILESS_MAIN(TestSvgFile)
#include "test_svgfile.moc"
