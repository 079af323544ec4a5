#include "cutfile.h"
#include "cutlayout.h"
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
    Point from, to, centre;
    double radius = 0;
    bool large = false;
    double sweep = 0; // signed, y down
    Point at(double t) const {
        const double start = std::atan2(from.v - centre.v, from.u - centre.u);
        return {centre.u + radius * std::cos(start + t * sweep),
                centre.v + radius * std::sin(start + t * sweep)};
    }
};

struct SvgPath {
    Point start, end;
    bool closed = false;
    std::vector<SvgArc> arcs;
    std::vector<Point> points; // every vertex and points along the arcs
    Rect box() const {
        Rect r{points[0].u, points[0].v, points[0].u, points[0].v};
        for (Point p : points) {
            r.left = std::min(r.left, p.u);
            r.right = std::max(r.right, p.u);
            r.bottom = std::min(r.bottom, p.v);
            r.top = std::max(r.top, p.v);
        }
        return r;
    }
};

// The centre of an arc command with rx = ry and no rotation.
SvgArc resolveArc(Point from, Point to, double r, bool large, bool sweepFlag) {
    const double x1 = (from.u - to.u) / 2, y1 = (from.v - to.v) / 2;
    const double d2 = x1 * x1 + y1 * y1;
    const double k = (large != sweepFlag ? 1 : -1) * std::sqrt(std::max(0.0, (r * r - d2) / d2));
    const double cx = k * y1, cy = -k * x1;
    double delta = std::atan2((-y1 - cy), (-x1 - cx)) - std::atan2(y1 - cy, x1 - cx);
    if (!sweepFlag && delta > 0) delta -= 2 * std::numbers::pi;
    if (sweepFlag && delta < 0) delta += 2 * std::numbers::pi;
    return {from, to, {cx + (from.u + to.u) / 2, cy + (from.v + to.v) / 2}, r, large, delta};
}

SvgPath parsePath(const QString& d) {
    const QStringList words = d.split(u' ', Qt::SkipEmptyParts);
    SvgPath path;
    Point current;
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
            const Point to{number(), number()};
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
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("sheets");
    QTest::addColumn<int>("parts");
    QTest::newRow("default, side by side") << true << true << false << 2;
    QTest::newRow("right only, side by side") << false << true << false << 1;
    QTest::newRow("default, on sheets") << true << true << true << 10;
}

void TestSvgFile::readsBack() {
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(bool, sheets);
    QFETCH(int, parts);
    const ConstructionPlan plan = samplePlan(left, right);
    const CurvePlan& curve = *plan.curves[left ? leftCurve : rightCurve];
    const SvgFile svg = readSvg(cutFileBytes(plan, CutFormat::Svg, sheets));

    QVERIFY(svg.width > 0 && svg.height > 0);
    QCOMPARE(svg.viewBox.size(), 4);
    QCOMPARE(svg.viewBox[0].toDouble(), 0.0);
    QCOMPARE(svg.viewBox[1].toDouble(), 0.0);
    QCOMPARE(svg.viewBox[2].toDouble(), svg.width);
    QCOMPARE(svg.viewBox[3].toDouble(), svg.height);
    QCOMPARE(svg.groups, (QStringList{"SHEET", "CUT", "MARK", "TEXT"}));
    QCOMPARE(int(svg.cut.size()), parts);
    QCOMPARE(int(svg.sheets.size()), int(plan.sheets.layout.size()) * int(sheets));

    for (const SvgPath& path : svg.cut) {
        QVERIFY(path.closed);
        QVERIFY(near(path.end.u, path.start.u, 1e-3) && near(path.end.v, path.start.v, 1e-3));
        const Rect box = path.box();
        QVERIFY(box.left >= 0 && box.right <= svg.width && box.bottom >= 0 &&
                box.top <= svg.height);
        QVERIFY(near(box.width(), curve.panelLength, 0.01));
        QVERIFY(near(box.height(), curve.panelHeight, 0.01));

        // The frame arc: radius R_f, the short way round (1.0099 rad), its
        // centre straight above or below the toe at the pivot's height.
        QCOMPARE(int(path.arcs.size()), 1);
        const SvgArc& arc = path.arcs[0];
        QVERIFY(near(arc.radius, curve.frameRadius, 1e-4));
        QVERIFY(!arc.large);
        QVERIFY2(near(std::abs(arc.sweep), 1.0099, 1e-4), qPrintable(QString::number(arc.sweep)));
        const bool facesRight = near(arc.centre.u, box.right, 0.1);
        QVERIFY(facesRight || near(arc.centre.u, box.left, 0.1));
        // y down: an upright panel's pivot is above it, at a smaller y.
        const bool upright = arc.centre.v < box.bottom;
        QVERIFY(
            near(upright ? box.top - arc.centre.v : arc.centre.v - box.bottom, curve.pivot.v, 0.1));
        const Point pivot = arc.centre;
        for (int t = 0; t <= 16; ++t) {
            const Point p = arc.at(t / 16.0);
            QVERIFY(near(std::hypot(p.u - pivot.u, p.v - pivot.v), curve.frameRadius, 0.1));
        }
        // Toe first along the outline for a panel as drawn (0, 0) first: the
        // arc starts at the toe, below the pivot on the page.
        if (!sheets) {
            QVERIFY(near(path.start.u, box.left, 1e-3) && near(path.start.v, box.top, 1e-3));
            QVERIFY(near(arc.from.u, pivot.u, 1e-3) && near(arc.from.v, box.top - 89, 1e-3));
            QVERIFY(arc.sweep > 0); // clockwise on the page, turned down from the plane's
        }
        if (sheets) {
            bool onASheet = false;
            for (const SvgPath& sheet : svg.sheets) {
                const Rect s = sheet.box();
                onASheet = onASheet || (box.left >= s.left + plan.settings.kerf - 1e-3 &&
                                        box.right <= s.right - plan.settings.kerf + 1e-3 &&
                                        box.bottom >= s.bottom + plan.settings.kerf - 1e-3 &&
                                        box.top <= s.top - plan.settings.kerf + 1e-3);
            }
            QVERIFY(onASheet);
        }
    }
    // Stations on every part, the pivot's cross and string on each side-by-side part.
    QCOMPARE(svg.marks, parts * (int(curve.stationPoints.size()) + (sheets ? 0 : 3)));
    if (!sheets)
        QCOMPARE(svg.texts.first(),
                 left ? QStringLiteral("Courbe gauche × 5") : QStringLiteral("Courbe droite × 5"));
    else
        QCOMPARE(svg.texts.count(QStringLiteral("Courbe gauche")), 5);
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
