#include "frameordinates.h"
#include "lengthunits.h"
#include "outlinechecks.h"
#include "panelpainter.h"
#include "quarvelerror.h"
#include "templatepanel.h"
#include "templatepdf.h"
#include "templatetiling.h"

#include <cmath>
#include <map>
#include <QHashFunctions>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

namespace {

constexpr double pointsPerMm = 72 / 25.4;

const ConstructionPlan& defaultPlan() {
    static const ConstructionPlan plan =
        buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    return plan;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

// "Page size: 595 x 842 pts (A4)" and "Pages: 22" from pdfinfo.
struct PdfInfo {
    int pages = 0;
    double width = 0;
    double height = 0;
};

PdfInfo pdfInfo(const QString& path) {
    const QString text = run(QStringLiteral("pdfinfo"), {path});
    PdfInfo info;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    if (pages.hasMatch()) info.pages = pages.captured(1).toInt();
    if (size.hasMatch()) {
        info.width = size.captured(1).toDouble();
        info.height = size.captured(2).toDouble();
    }
    return info;
}

// Page 1 as a grey image at dpi.
QImage renderFirstPage(const QString& pdf, int dpi) {
    const QString prefix = pdf + QStringLiteral("-page");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"),
         QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The plan's panels made length mm long along the ground.
void stretch(ConstructionPlan& plan, double length) {
    for (std::optional<CurvePlan>& curve : plan.curves) {
        curve->panelLength = length;
        curve->outline.push_back(Segment::line({0, 0}, {length, 0}));
    }
}

// A window of page 1 (mm from its top-left corner) as a grey image at dpi.
QImage renderWindow(const QString& pdf, int dpi, const QRectF& mm) {
    const QString prefix = pdf + QStringLiteral("-window");
    const double perMm = dpi / 25.4;
    auto px = [&](double v) { return QString::number(std::lround(v * perMm)); };
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"),
         QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-x"), px(mm.x()),
         QStringLiteral("-y"), px(mm.y()), QStringLiteral("-W"), px(mm.width()),
         QStringLiteral("-H"), px(mm.height()), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The tile pages' scale bars: the left end of each "50 mm" under its bar,
// in points from the page's top-left, by page (from 1), from pdftotext -bbox.
std::map<int, QPointF> scaleBarWords(const QString& pdf) {
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::map<int, QPointF> words;
    const QStringList pages = html.split(QStringLiteral("<page "));
    const QRegularExpression word(QStringLiteral(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>50</word>\\s*<word[^>]*>mm</word>"));
    for (int i = 1; i < pages.size(); ++i) {
        const auto match = word.match(pages[i]);
        if (match.hasMatch())
            words[i] = {match.captured(1).toDouble(), match.captured(2).toDouble()};
    }
    return words;
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The centres (pixels) of the first and last dark runs along a row or a
// column, between from and to.
std::pair<double, double> edges(const QImage& image, bool alongRow, int at, int from, int to) {
    std::vector<std::pair<int, int>> runs;
    for (int i = from; i <= to; ++i) {
        const bool d = alongRow ? dark(image, i, at) : dark(image, at, i);
        if (!d) continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.push_back({i, i});
    }
    if (runs.empty()) return {-1, -1};
    return {(runs.front().first + runs.front().second) / 2.0,
            (runs.back().first + runs.back().second) / 2.0};
}

QByteArray withoutCreationDate(QByteArray pdf) {
    static const QRegularExpression date(QStringLiteral("/CreationDate \\([^)]*\\)"));
    return QString::fromLatin1(pdf).remove(date).toLatin1();
}

} // namespace

class TestTemplatePdf : public QObject {
    Q_OBJECT

private slots:
    void paperNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("paper"); // -1: refused
        QTest::newRow("a4") << "a4" << int(TemplatePaper::A4);
        QTest::newRow("letter") << "letter" << int(TemplatePaper::Letter);
        QTest::newRow("a3") << "a3" << int(TemplatePaper::A3);
        QTest::newRow("full") << "full" << int(TemplatePaper::Full);
        QTest::newRow("upper case") << "A4" << -1;
        QTest::newRow("a5") << "a5" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void paperNames() {
        QFETCH(QString, text);
        QFETCH(int, paper);
        const std::optional<TemplatePaper> parsed = parseTemplatePaper(text);
        QCOMPARE(parsed ? int(*parsed) : -1, paper);
    }

    // One template for each distinct panel: both curves share one when their
    // panels are the same panel, which the default ramp's are not (the
    // surface seams put their ribs apart).
    void templatesOfTheDistinctPanels_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QList<bool>>("mirrored");
        QTest::newRow("alike") << RampDimensions{.R1 = 100, .H1 = 50, .F = 266, .R2 = 100, .H2 = 50}
                               << "surface=18" << QStringList{"Courbes gauche et droite"}
                               << QStringList{"10 flancs à découper : courbes gauche et droite"}
                               << QList<bool>{false};
        // Its surface laid from both lips: the two curves are one panel.
        QTest::newRow("default") << RampDimensions{} << ""
                                 << QStringList{"Courbes gauche et droite"}
                                 << QStringList{"10 flancs à découper : courbes gauche et droite"}
                                 << QList<bool>{false};
        QTest::newRow("wall on the right") << RampDimensions{.R2 = 150, .H2 = 200} << ""
                                           << QStringList{"Courbe gauche", "Courbe droite"}
                                           << QStringList{"5 flancs à découper : courbe gauche",
                                                          "5 flancs à découper : courbe droite"}
                                           << QList<bool>{false, true};
    }
    void templatesOfTheDistinctPanels() {
        QFETCH(RampDimensions, dims);
        QFETCH(QString, settings);
        QFETCH(QStringList, names);
        QFETCH(QStringList, counts);
        QFETCH(QList<bool>, mirrored);
        const ConstructionPlan plan = buildConstructionPlan(
            dims,
            settings.isEmpty() ? ConstructionSettings{} : parseConstructionLine(settings.toUtf8()));
        QStringList gotNames, gotCounts;
        QList<bool> gotMirrored;
        for (const TemplatePanel& panel : templatePanels(plan)) {
            gotNames << panel.name();
            gotCounts << panel.countText();
            gotMirrored << panel.mirrored;
        }
        QCOMPARE(gotNames, names);
        QCOMPARE(gotCounts, counts);
        QCOMPARE(gotMirrored, mirrored);
    }

    // Every rib section and station line a template draws lies on its panel,
    // the right panel's (drawn mirrored) as the left's.
    void ribsStayOnTheirPanels_data() {
        QTest::addColumn<RampDimensions>("dims");
        for (const MarkedDesign& d : markedDesigns())
            QTest::newRow(d.name) << d.dims;
    }
    void ribsStayOnTheirPanels() {
        QFETCH(RampDimensions, dims);
        const ConstructionPlan plan = buildConstructionPlan(dims, ConstructionSettings{});
        for (const TemplatePanel& panel : templatePanels(plan)) {
            const CurvePlan& curve = *plan.curves[panel.curve];
            const OutlineArea area(curve.outline);
            const std::vector<TemplateRib> ribs = templateRibs(curve, plan.settings);
            QCOMPARE(ribs.size(), curve.stations.size());
            for (const TemplateRib& rib : ribs) {
                for (const QPointF corner : rib.section)
                    QVERIFY2(area.holds(corner), qPrintable(panel.name() + u' ' + rib.label));
                QVERIFY2(area.holds(rib.line.p1(), rib.line.p2()),
                         qPrintable(panel.name() + u' ' + rib.label));
                // Past the rib, to show it where the panel leaves room.
                QVERIFY(rib.line.length() > plan.settings.ribDepth);
            }
        }
    }

    void tiledPagesAtActualSize_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<double>("width"); // mm
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("inches");
        QTest::newRow("A4") << int(TemplatePaper::A4) << 210.0 << 297.0 << false;
        QTest::newRow("A4, inches") << int(TemplatePaper::A4) << 210.0 << 297.0 << true;
        QTest::newRow("Letter") << int(TemplatePaper::Letter) << 215.9 << 279.4 << false;
        QTest::newRow("A3") << int(TemplatePaper::A3) << 297.0 << 420.0 << false;
    }
    void tiledPagesAtActualSize() {
        QFETCH(int, paper);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, inches);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo is not installed (poppler-utils)");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf =
            writeFile(dir, QStringLiteral("tiles.pdf"),
                      templatePdf(defaultPlan(), TemplatePaper(paper), 15,
                                  inches ? LengthUnit::Inches : LengthUnit::Millimetres));
        QVERIFY(!pdf.isEmpty());
        const PdfInfo info = pdfInfo(pdf);
        // Page 1, then each panel's ordinates and tiles: the default ramp's
        // two curves share one template.
        int pages = 1;
        for (const TemplatePanel& panel : templatePanels(defaultPlan()))
            pages += 1 + int(TemplateTiling(*defaultPlan().curves[panel.curve], 60.3, width, height,
                                            10, 15)
                                 .tiles()
                                 .size());
        QCOMPARE(info.pages, pages);
        if (paper == int(TemplatePaper::A4)) QCOMPARE(info.pages, 13);
        QVERIFY(std::abs(info.width - width * pointsPerMm) < 1);
        QVERIFY(std::abs(info.height - height * pointsPerMm) < 1);

        const QImage page = renderFirstPage(pdf, 100);
        QVERIFY(!page.isNull());
        const double pixelsPerMm = 100 / 25.4;
        auto px = [&](double mm) { return int(std::lround(mm * pixelsPerMm)); };
        using S = CalibrationSquares;
        struct Square {
            double top, side;
        };
        for (const Square& s :
             {Square{S::metricTop, S::metricSide}, Square{S::imperialTop, S::imperialSide}}) {
            // Across, 70 mm down (under the label); down, 70 mm in.
            const auto [left, right] =
                edges(page, true, px(s.top + 70), px(S::left - 5), px(S::left + s.side + 5));
            const auto [top, bottom] =
                edges(page, false, px(S::left + 70), px(s.top - 4), px(s.top + s.side + 4));
            const double width = (right - left) / pixelsPerMm;
            const double height = (bottom - top) / pixelsPerMm;
            QVERIFY2(std::abs(width - s.side) <= 0.5, qPrintable(QString::number(width)));
            QVERIFY2(std::abs(height - s.side) <= 0.5, qPrintable(QString::number(height)));
            QVERIFY(std::abs(left / pixelsPerMm - S::left) <= 0.5);
        }
    }

    // In inches the ordinates stand every 4 in from the toe and every 2 in of
    // height, each printed to the nearest 1/16 in (feet from 24 in), and
    // both squares keep their labels.
    void ordinatesInInches() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed (poppler-utils)");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf =
            writeFile(dir, QStringLiteral("inches.pdf"),
                      templatePdf(defaultPlan(), TemplatePaper::A4, 15, LengthUnit::Inches));
        auto page = [&](int n) {
            return run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                        QString::number(n), QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        };
        const QString first = page(1);
        QVERIFY2(first.contains(QStringLiteral("100 mm × 100 mm")), qPrintable(first));
        QVERIFY2(first.contains(QStringLiteral("4 po × 4 po (101,6 mm)")), qPrintable(first));

        // Every length printed on the ordinates page, in sixteenths.
        const QString ordinates = page(2);
        static const QRegularExpression inchText(
            QStringLiteral("\\d+'(?: (?:\\d+ )?\\d+(?:/\\d+)?\")?|(?:\\d+ )?\\d+(?:/\\d+)?\""));
        std::set<long long> printed;
        for (const QRegularExpressionMatch& m : inchText.globalMatch(ordinates)) {
            const std::optional<double> read = lengthFromText(m.captured(), LengthUnit::Inches);
            QVERIFY2(read, qPrintable(m.captured()));
            printed.insert(std::llround(*read / 25.4 * 16));
        }
        const CurvePlan& curve = *defaultPlan().curves[0];
        const std::vector<FrameOrdinate> expected = frameOrdinates(curve, 101.6, 50.8);
        QVERIFY(expected.size() > 5);
        QVERIFY(expected.back().height > 24 * 25.4); // feet and inches
        for (const FrameOrdinate& o : expected) {
            QVERIFY2(printed.count(std::llround(o.height / 25.4 * 16)),
                     qPrintable(QString::number(o.height)));
            QVERIFY2(printed.count(std::llround(o.fromToe / 25.4 * 16)),
                     qPrintable(QString::number(o.fromToe)));
        }
        QVERIFY(ordinates.contains(QStringLiteral("Hauteur (mm)")));
    }

    // One page a panel (the default ramp's two curves share one template):
    // everything drawn, the pipe's top at 813 mm included, plus 10 mm all
    // round, the panel drawn 1:1.
    void fullSizePage() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo is not installed (poppler-utils)");
        QTemporaryDir dir;
        const QString pdf = writeFile(dir, QStringLiteral("full.pdf"),
                                      templatePdf(defaultPlan(), TemplatePaper::Full));
        const PdfInfo info = pdfInfo(pdf);
        QCOMPARE(info.pages, 1);
        const QRectF drawn = drawnArea(defaultPlan(), templatePanels(defaultPlan()).front());
        QVERIFY(highestV(drawn) >= 813.0);
        QVERIFY(drawn.left() <= 0 && drawn.right() >= 1812.4 && lowestV(drawn) <= 0);
        QVERIFY2(std::abs(info.width - (drawn.width() + 20) * pointsPerMm) < 1,
                 qPrintable(QString::number(info.width)));
        QVERIFY2(std::abs(info.height - (drawn.height() + 20) * pointsPerMm) < 1,
                 qPrintable(QString::number(info.height)));

        const QImage page = renderFirstPage(pdf, 50);
        QVERIFY(!page.isNull());
        const double pixelsPerMm = 50 / 25.4;
        auto px = [&](double mm) { return int(std::lround(mm * pixelsPerMm)); };
        const int h = page.height();
        const double left = 10 - drawn.left();     // the back end's page x
        const double ground = 10 - lowestV(drawn); // the ground's height above the bottom
        // The ground edge under u = 1000, the back edge at v = 400.
        const double groundAt =
            edges(page, false, px(left + 1000), h - px(ground + 20), h - 1).second;
        QVERIFY2(std::abs((h - 0.5 - groundAt) / pixelsPerMm - ground) < 0.75,
                 qPrintable(QString::number(groundAt)));
        const double back = edges(page, true, h - px(ground + 400), 0, px(left + 20)).first;
        QVERIFY2(std::abs((back + 0.5) / pixelsPerMm - left) < 0.75,
                 qPrintable(QString::number(back)));
        // The toe at u 1812.44: the frame arc's foot, seen at v = 80 just behind the riser.
        const double toe =
            edges(page, true, h - px(ground + 50), px(left + 1700), page.width() - 1).first;
        QVERIFY2(std::abs((toe + 0.5) / pixelsPerMm - (left + 1812.44)) < 0.75,
                 qPrintable(QString::number(toe / pixelsPerMm)));
        // The pipe's top (813.05 mm over the ground at u 586.1) 10 mm or more
        // under the top edge, and everything drawn within the page.
        const double pipeTop = 10 + highestV(drawn) - 813.05;
        QVERIFY(pipeTop >= 10);
        const QImage window = renderWindow(pdf, 300, QRectF(left + 586.1 - 2, 0, 4, 40));
        QVERIFY(!window.isNull());
        const double top = edges(window, false, window.width() / 2, 0, window.height() - 1).first;
        QVERIFY2(std::abs((top + 0.5) / (300 / 25.4) - pipeTop) < 0.3,
                 qPrintable(QString::number(top / (300 / 25.4))));
    }

    // No tile page is printed for nothing: every one carries black strokes
    // of the panel's outline, away from its registration crosses, its label
    // and its scale bar; and the pages are far fewer than when every tile the
    // band touched was printed.
    void everyTileCarriesThePanel_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("pages"); // before a tile was printed only for what it carries
        QTest::newRow("default") << RampDimensions{} << "" << 22;
        QTest::newRow("wall") << RampDimensions{.R1 = 150, .H1 = 200} << "" << 58;
        QTest::newRow("deck frame") << RampDimensions{} << "back=300,-" << 43;
        QTest::newRow("split") << RampDimensions{69, 363, 38, 139, 89, 396, 176, 116} << "" << 79;
    }
    void everyTileCarriesThePanel() {
        QFETCH(RampDimensions, dims);
        QFETCH(QString, settings);
        QFETCH(int, pages);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed (poppler-utils)");
        const ConstructionPlan plan = buildConstructionPlan(
            dims,
            settings.isEmpty() ? ConstructionSettings{} : parseConstructionLine(settings.toUtf8()));
        QTemporaryDir dir;
        const QString pdf =
            writeFile(dir, QStringLiteral("tiles.pdf"), templatePdf(plan, TemplatePaper::A4));
        const PdfInfo info = pdfInfo(pdf);
        QVERIFY2(info.pages < pages * 2 / 3, qPrintable(QString::number(info.pages)));
        const std::map<int, QPointF> bars = scaleBarWords(pdf);
        int tiles = 0;
        for (const TemplatePanel& panel : templatePanels(plan))
            tiles += int(TemplateTiling(*plan.curves[panel.curve], plan.settings.coping, 210, 297,
                                        templateMargin, 15)
                             .tiles()
                             .size());
        // The tiles are the last pages, each with its scale bar.
        for (int number = info.pages - tiles + 1; number <= info.pages; ++number)
            QVERIFY2(bars.count(number), qPrintable(QString::number(number)));
        const int dpi = 100;
        const double perMm = dpi / 25.4;
        const QString prefix = dir.filePath(QStringLiteral("page"));
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix});
        for (int number = info.pages - tiles + 1; number <= info.pages; ++number) {
            const QPointF bar = bars.at(number);
            const QImage page(
                QStringLiteral("%1-%2.png").arg(prefix).arg(number, 2, 10, QLatin1Char('0')));
            QVERIFY2(!page.isNull(), qPrintable(QString::number(number)));
            // Out of the margins and of the block of the label, its caption and
            // the scale bar, away from the registration crosses.
            const QRectF inside(QPointF(17.5, 17.5), QPointF(192.5, 279.5));
            const QPointF barMm = bar / pointsPerMm;
            std::vector<QRectF> hidden{QRectF(barMm - QPointF(55, 40), barMm + QPointF(30, 6))};
            for (const double x : {10 + 190.0 / 4, 10 + 3 * 190.0 / 4})
                for (const double y : {17.5, 279.5})
                    hidden.push_back(QRectF(x - 6, y - 6, 12, 12));
            for (const double y : {10 + 277.0 / 4, 10 + 3 * 277.0 / 4})
                for (const double x : {17.5, 192.5})
                    hidden.push_back(QRectF(x - 6, y - 6, 12, 12));
            auto isHidden = [&](QPointF mm) {
                return std::any_of(hidden.begin(), hidden.end(),
                                   [&](const QRectF& r) { return r.contains(mm); });
            };
            int black = 0;
            for (int y = int(inside.top() * perMm); y < int(inside.bottom() * perMm); ++y)
                for (int x = int(inside.left() * perMm); x < int(inside.right() * perMm); ++x) {
                    const QColor c = page.pixelColor(x, y);
                    if (c.red() < 60 && c.green() < 60 && c.blue() < 60 &&
                        !isHidden(QPointF(x, y) / perMm))
                        ++black;
                }
            QVERIFY2(black >= 20, qPrintable(QStringLiteral("page %1: %2").arg(number).arg(black)));
        }
    }

    // The ribs' numbers on the full-size page, measured on a render: digits at
    // least 3.5 mm tall with 2 mm of clear paper above and below, and a word on
    // each rib under a seam of the surface.
    void ribLabelsReadable() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed (poppler-utils)");
        QTemporaryDir dir;
        const QString pdf = writeFile(dir, QStringLiteral("full.pdf"),
                                      templatePdf(defaultPlan(), TemplatePaper::Full));
        const QString html =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const QRegularExpression digit(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">(\\d)</word>"));
        const CurvePlan& curve = *defaultPlan().curves[defaultPlan().panels.front().curve];
        int labels = 0;
        for (auto it = digit.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            const QRectF box(
                QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()) / pointsPerMm,
                QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()) / pointsPerMm);
            const int dpi = 600;
            const QImage window = renderWindow(pdf, dpi, box.adjusted(-2, -2, 2, 2));
            QVERIFY(!window.isNull());
            // Under the digit, from 2 mm above its box to 2 mm below.
            const int margin = int(std::lround(2 * dpi / 25.4));
            int top = window.height(), bottom = -1;
            for (int y = 0; y < window.height(); ++y)
                for (int x = margin; x < window.width() - margin; ++x)
                    if (dark(window, x, y)) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            const double height = (bottom - top + 1) / (dpi / 25.4);
            QVERIFY2(height >= 3.5 && height <= box.height(),
                     qPrintable(match.captured(5) + u' ' + QString::number(height)));
            ++labels;
        }
        QCOMPARE(labels, int(curve.stations.size()));
        const int seams = int(std::count_if(curve.stationSeams.begin(), curve.stationSeams.end(),
                                            [](unsigned s) { return s != 0; }));
        QVERIFY(seams > 0);
        const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(int(text.count(QStringLiteral("(sous un joint)"))), seams);
    }

    // A panel cut in pieces shows every cut and every splice plate, each
    // named, on its full-size page.
    void cutsAndSplicePlates() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed (poppler-utils)");
        const ConstructionPlan plan = buildConstructionPlan(
            RampDimensions{69, 363, 38, 139, 89, 396, 176, 116}, ConstructionSettings{});
        int cuts = 0, plates = 0;
        for (const DistinctPanel& panel : plan.panels) {
            cuts += int(plan.curves[panel.curve]->splits.size());
            plates += int(plan.curves[panel.curve]->splicePlates.size());
        }
        QVERIFY(cuts > 0 && plates >= cuts);
        QTemporaryDir dir;
        const QString pdf =
            writeFile(dir, QStringLiteral("full.pdf"), templatePdf(plan, TemplatePaper::Full));
        const QString text =
            run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        QCOMPARE(int(text.count(QStringLiteral("coupe (éclisse de 300 mm)"))), cuts);
        QCOMPARE(int(text.count(QStringLiteral(", face intérieure"))), plates);
    }

    void sameBytesApartFromTheDate() {
        const QByteArray first = templatePdf(defaultPlan(), TemplatePaper::Letter, 20);
        // Another run of the program hashes with another seed.
        QHashSeed::resetRandomGlobalSeed();
        const QByteArray second = templatePdf(defaultPlan(), TemplatePaper::Letter, 20);
        QVERIFY(first.startsWith("%PDF"));
        QVERIFY(first.contains("/CreationDate"));
        QCOMPARE(withoutCreationDate(first), withoutCreationDate(second));
        // The overlap changes the pages.
        QVERIFY(withoutCreationDate(templatePdf(defaultPlan(), TemplatePaper::Letter, 15)) !=
                withoutCreationDate(first));
    }

    void refusals_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("overlap");
        QTest::addColumn<QString>("message");
        // 5080 mm with the margins is the largest page.
        QTest::newRow("full page too long")
            << int(TemplatePaper::Full) << 5061.0 << 15.0
            << "Flanc trop grand pour une page PDF (5081 mm, plus de 5,08 m) : utilisez le "
               "fichier de découpe";
        QTest::newRow("no panel") << int(TemplatePaper::A4) << 0.0 << 15.0
                                  << "Aucun flanc à imprimer : les deux courbes ont une hauteur "
                                     "nulle";
        QTest::newRow("overlap too small") << int(TemplatePaper::A4) << -1.0 << 4.9
                                           << "Recouvrement des tuiles incorrect : 4,9 mm (5 à 50)";
        QTest::newRow("overlap too large")
            << int(TemplatePaper::Letter) << -1.0 << 50.5
            << "Recouvrement des tuiles incorrect : 50,5 mm (5 à 50)";
    }
    void refusals() {
        QFETCH(int, paper);
        QFETCH(double, length);
        QFETCH(double, overlap);
        QFETCH(QString, message);
        ConstructionPlan plan = defaultPlan();
        // length: a panel that long, 0: no panels, below 0: the plan as it is.
        if (length > 0) {
            stretch(plan, length);
        } else if (length == 0) {
            plan.curves[leftCurve].reset();
            plan.curves[rightCurve].reset();
            plan.panels.clear();
        }
        try {
            templatePdf(plan, TemplatePaper(paper), overlap);
            QFAIL("no refusal");
        } catch (const QuarvelError& e) {
            QCOMPARE(e.message(), message);
        }
    }

    // Just within 14 400 pt the page is made.
    void longestFullPage() {
        ConstructionPlan plan = defaultPlan();
        stretch(plan, 5059);
        QVERIFY(templatePdf(plan, TemplatePaper::Full).startsWith("%PDF"));
    }
};

QTEST_MAIN(TestTemplatePdf)
#include "test_templatepdf.moc"
