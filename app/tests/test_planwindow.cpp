#include "apptestsupport.h"
#include "constructionsettingsdialog.h"
#include "constructionwords.h"
#include "cutlayout.h"
#include "cutlist.h"
#include "drawingscale.h"
#include "framingtext.h"
#include "modelview3d.h"
#include "paneldrawing.h"
#include "planwindow.h"
#include "pricedialog.h"
#include "sheetdrawing.h"
#include "surfacedrawing.h"
#include "templatepdf.h"
#include "tspinedit.h"

#include <cfenv>
#include <cmath>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>

Q_DECLARE_METATYPE(RampDimensions)

namespace {
ConstructionSettings settingsOf(const QString& words) {
    return words.isEmpty() ? ConstructionSettings{} : parseConstructionLine(words.toUtf8());
}

// The table's row whose article is this; -1 when none.
int rowOf(const QTableWidget& table, const QString& article) {
    for (int r = 0; r < table.rowCount(); ++r)
        if (table.item(r, 0)->text() == article) return r;
    return -1;
}

QString cellText(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}

// Each deck frame's stringers, and legs where it stands on them, with the
// plan's counts and lengths; no frame rows where the panels carry the deck.
void checkDeckFrameRows(const QTableWidget& table, const ConstructionPlan& plan) {
    const QString decks[] = {QStringLiteral("plate-forme gauche"),
                             QStringLiteral("plate-forme droite")};
    for (int side = 0; side < 2; ++side) {
        const std::optional<DeckFrame>& frame = plan.deckFrames[side];
        const int stringers = rowOf(table, QStringLiteral("Longeron, ") + decks[side]);
        const int legs = rowOf(table, QStringLiteral("Pied, ") + decks[side]);
        QCOMPARE(stringers >= 0, frame.has_value());
        QCOMPARE(legs >= 0, frame && frame->legs.count > 0);
        if (stringers >= 0)
            QCOMPARE(cellText(table, stringers, 1),
                     QString::number(frame->stringers.count * frame->stringers.piecesEach()));
        if (legs < 0) continue;
        QCOMPARE(cellText(table, legs, 1), QString::number(frame->legs.count));
        QCOMPARE(cellText(table, legs, 2), millimetresText(frame->legs.length));
    }
}

// The box around every pixel that is not white.
QRect drawnExtent(QWidget& widget) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) extent |= QRect(x, y, 1, 1);
    return extent;
}
} // namespace

class TestPlanWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<StartedProgram> program;
    TQvl* qvl = nullptr;

    PlanWindow* openPlanWindow() {
        qvl->constructionPlanAction->trigger();
        return qvl->planWindow();
    }

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(program->waitUntilDrawn());
        qvl = &program->qvl();
    }
    void cleanup() { program.reset(); }

    void drawingScale_data() {
        QTest::addColumn<double>("worldWidth");
        QTest::addColumn<double>("worldHeight");
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QPointF>("origin");   // where (0, 0) lands
        QTest::addColumn<QPointF>("topRight"); // where (width, height) lands
        // Width decides: 1000 mm across 200 px, centred vertically.
        QTest::newRow("wide") << 1000.0 << 100.0 << QRectF(0, 0, 200, 100) << 0.2 << QPointF(0, 60)
                              << QPointF(200, 40);
        // Height decides: centred horizontally, v up.
        QTest::newRow("tall") << 100.0 << 1000.0 << QRectF(10, 20, 200, 100) << 0.1
                              << QPointF(105, 120) << QPointF(115, 20);
    }
    void drawingScale() {
        QFETCH(double, worldWidth);
        QFETCH(double, worldHeight);
        QFETCH(QRectF, target);
        QFETCH(double, factor);
        QFETCH(QPointF, origin);
        QFETCH(QPointF, topRight);
        const DrawingScale scale(QRectF(0, 0, worldWidth, worldHeight), target);
        QCOMPARE(scale.pixelsPerMillimetre(), factor);
        QCOMPARE(scale.map(QPointF{0, 0}), origin);
        QCOMPARE(scale.map(QPointF{worldWidth, worldHeight}), topRight);
    }

    void gridColumns_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<int>("columns");
        QTest::newRow("one sheet") << 1 << QSizeF(500, 500) << 1;
        QTest::newRow("five in a wide strip") << 5 << QSizeF(2000, 150) << 5;
        QTest::newRow("five in a tall strip") << 5 << QSizeF(150, 2000) << 1;
        QTest::newRow("four in a square") << 4 << QSizeF(500, 500) << 2;
    }
    void gridColumns() {
        QFETCH(int, count);
        QFETCH(QSizeF, area);
        QFETCH(int, columns);
        // Square sheets, no gap: the grid is as square as the area.
        QCOMPARE(bestGridColumns(count, QSizeF(100, 100), 0, area), columns);
    }

    // The distinct panels as each output names and counts them: the cut
    // list, the templates (read back by pdftotext), the cut file and the
    // window. Decks of 60 and 80 cm with back=600,600 give panels of one
    // outline: one panel where their rib stations agree, two where the
    // surface seams put them apart.
    void samePanelsEverywhere_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("panels"); // name, count
        const RampDimensions small{.R1 = 100, .H1 = 50, .F = 266, .R2 = 100, .H2 = 50, .P2 = 80};
        QTest::newRow("decks of 60 and 80, one panel")
            << small << "surface=18 back=600,600" << QStringList{"Courbes gauche et droite", "10"};
        // The surface laid from both lips: alike curves carry the same stations.
        QTest::newRow("decks of 60 and 80, curves alike")
            << RampDimensions{.P2 = 80} << "back=600,600"
            << QStringList{"Courbes gauche et droite", "10"};
        QTest::newRow("taller right curve")
            << RampDimensions{.R2 = 160, .H2 = 80} << ""
            << QStringList{"Courbe gauche", "5", "Courbe droite", "5"};
        QTest::newRow("right curve flat")
            << RampDimensions{.H2 = 0} << "" << QStringList{"Courbe gauche", "5"};
    }
    void samePanelsEverywhere() {
        QFETCH(RampDimensions, dims);
        QFETCH(QString, settings);
        QFETCH(QStringList, panels);
        const ConstructionPlan plan = buildConstructionPlan(dims, settingsOf(settings));
        QStringList cutList, window, cutFile;
        for (const CutListRow& row : cutListRows(plan))
            if (row.article.startsWith(u"Flanc "))
                cutList << row.article << QString::number(row.quantity);
        for (const DrawingText& text : cutDrawing(plan, false).texts)
            if (!text.text.startsWith(u"pivot")) cutFile << text.text;
        window = panelCaptions(plan);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("templates.pdf"));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(templatePdf(plan, TemplatePaper::A4));
        file.close();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        text.replace(QStringLiteral("\uFB02"), QStringLiteral("fl"))
            .replace(QStringLiteral("\uFB01"), QStringLiteral("fi"));
        text = text.simplified();

        QStringList expectedCutList, expectedCutFile, expectedWindow;
        for (qsizetype i = 0; i < panels.size(); i += 2) {
            const QString& name = panels[i];
            const QString& count = panels[i + 1];
            expectedCutList << QStringLiteral("Flanc ") + name.toLower() << count;
            expectedCutFile << name + QStringLiteral(" × ") + count;
            expectedWindow << name + QStringLiteral(" : ") + count + QStringLiteral(" à découper");
            QVERIFY2(text.contains(QStringLiteral("Plan des tuiles — ") + name), qPrintable(name));
            QVERIFY2(
                text.contains(count + QStringLiteral(" flancs à découper : ") + name.toLower()),
                qPrintable(name));
        }
        QCOMPARE(cutList, expectedCutList);
        QCOMPARE(cutFile, expectedCutFile);
        QCOMPARE(window, expectedWindow);
        QCOMPARE(text.count(QStringLiteral("Plan des tuiles — ")), panels.size() / 2);
    }

    // The table holds the plan's own figures for the fields' dimensions.
    void tableShowsThePlan_data() {
        QTest::addColumn<RampDimensions>("dims");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("surfaceSheets");
        QTest::addColumn<int>("panelSheets");
        // Check values of the default ramp: 10 surface sheets, 10 panels on 5.
        QTest::newRow("default") << RampDimensions{} << "" << 10 << 5;
        QTest::newRow("three layers of 6 mm") << RampDimensions{} << "surface=6,6,6" << -1 << 5;
        QTest::newRow("asymmetric, no coping")
            << RampDimensions{80, 180, 120, 200, 300, 140, 70, 50} << "coping=0" << -1 << -1;
        QTest::newRow("decks on legs") << RampDimensions{} << "back=300,300" << 10 << 5;
        QTest::newRow("a deck on the ground")
            << RampDimensions{60, 140, 0, 140, 244, 70, 140, 60} << "back=-,300" << -1 << -1;
    }
    void tableShowsThePlan() {
        QFETCH(RampDimensions, dims);
        QFETCH(QString, settings);
        QFETCH(int, surfaceSheets);
        QFETCH(int, panelSheets);
        qvl->setDimensions(dims);
        qvl->setConstructionSettings(settingsOf(settings));
        ErrorRecorder errors;
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        QCOMPARE(errors.messages, QStringList());
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Plan de construction"));

        // The window's own plan: the timber search has a time budget, so a
        // second plan on a slow machine may cut its boards otherwise.
        QVERIFY(window->plan());
        const ConstructionPlan& plan = *window->plan();
        QCOMPARE(plan.dims, dims);
        if (surfaceSheets >= 0) QCOMPARE(plan.surface.sheets, surfaceSheets);
        if (panelSheets >= 0) QCOMPARE(plan.panelSheets.count, panelSheets);
        const QTableWidget& table = *window->table();
        const QTableWidget& shopping = *window->shoppingTable();
        // What is cut on one tab, what is bought (priced) on another, the
        // warnings above both.
        const std::vector<CutListRow> rows = cutListRows(plan);
        const auto priced = std::count_if(rows.begin(), rows.end(),
                                          [](const CutListRow& r) { return r.cents.has_value(); });
        QCOMPARE(table.rowCount() + shopping.rowCount() + plan.warnings.size(),
                 qsizetype(rows.size()));
        QCOMPARE(shopping.rowCount(), priced);

        const QString sides[] = {QStringLiteral("Flanc courbe gauche"),
                                 QStringLiteral("Flanc courbe droite")};
        for (int side = 0; side < 2; ++side) {
            if (!plan.curves[side]) {
                QCOMPARE(rowOf(table, sides[side]), -1);
                continue;
            }
            const CurvePlan& curve = *plan.curves[side];
            // The row of the distinct panel this curve's panels are cut to.
            const auto panel =
                std::find_if(plan.panels.begin(), plan.panels.end(),
                             [&](const DistinctPanel& p) { return p.counts[side] > 0; });
            QVERIFY(panel != plan.panels.end());
            const int row = rowOf(table, panelArticle(*panel));
            QVERIFY(row >= 0);
            QCOMPARE(cellText(table, row, 1), QString::number(panel->count()));
            QCOMPARE(cellText(table, row, 2), millimetresText(curve.panelLength));
            QCOMPARE(cellText(table, row, 3), millimetresText(curve.panelHeight));
            QCOMPARE(cellText(table, row, 4), millimetresText(plan.settings.panel));
            const int ribs = rowOf(table, QStringLiteral("Tasseau ") + sides[side].mid(6));
            QVERIFY(ribs >= 0);
            QCOMPARE(cellText(table, ribs, 1), QString::number(curve.ribs.pieces));
            QCOMPARE(cellText(table, ribs, 2), millimetresText(curve.ribs.length));
        }
        int shownSurface = 0;
        for (std::size_t i = 0; i < plan.surface.layers.size(); ++i) {
            const int row =
                rowOf(table, QStringLiteral("Contreplaqué de surface, couche %1").arg(i + 1));
            QVERIFY(row >= 0);
            QCOMPARE(cellText(table, row, 1), QString::number(plan.surface.layers[i].sheets));
            QCOMPARE(cellText(table, row, 4), millimetresText(plan.surface.layers[i].thickness));
            shownSurface += cellText(table, row, 1).toInt();
            // Its seams are listed where the builder reads them.
            for (double seam : plan.surface.layers[i].seams)
                QVERIFY(cellText(table, row, 6).contains(millimetresText(seam)));
        }
        QCOMPARE(shownSurface, plan.surface.sheets);
        checkDeckFrameRows(table, plan);
        // Every board bought is on a row of its own section and length.
        int boards = 0, shownBoards = 0;
        for (const TimberSection& section : plan.timber)
            boards += section.cutting.boardCount();
        for (int r = 0; r < shopping.rowCount(); ++r)
            if (cellText(shopping, r, 0).startsWith(QStringLiteral("Bois ")))
                shownBoards += cellText(shopping, r, 1).toInt();
        QCOMPARE(shownBoards, boards);
        QCOMPARE(rowOf(table, QStringLiteral("Contreplaqué de surface, couche %1")
                                  .arg(plan.surface.layers.size() + 1)),
                 -1);
        const int sheetsRow = rowOf(table, QStringLiteral("Feuille pour flancs"));
        QCOMPARE(cellText(table, sheetsRow, 1), QString::number(plan.panelSheets.count));
        QCOMPARE(rowOf(table, QStringLiteral("Coping (tube acier)")) >= 0,
                 plan.settings.coping > 0);
        QVERIFY(window->summary()->text().contains(
            QStringLiteral("%1 feuilles pour la surface").arg(plan.surface.sheets)));
        // What is bought is priced, at the indicative prices, and said so.
        for (int r = 0; r < shopping.rowCount(); ++r)
            QVERIFY(!cellText(shopping, r, 5).isEmpty());
        QVERIFY(rowOf(shopping, QStringLiteral("Vis de surface 4,5 × 45")) >= 0);
        QVERIFY(window->summary()->text().contains(QStringLiteral("prix indicatifs")));
        for (QPushButton* b :
             {window->csvButton(), window->templatesButton(), window->cutFileButton()})
            QVERIFY(b->isEnabled());
    }

    void oneWindowRefreshedByTracer() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        const QTableWidget& table = *window->table();
        // Both curves alike at first: one panel; then the left a wall.
        const int row = rowOf(table, QStringLiteral("Flanc courbes gauche et droite"));
        QCOMPARE(cellText(table, row, 2), QStringLiteral("1812,4")); // u_c of R 140, H 70

        // The spin fields as they are when Tracer runs.
        qvl->ser->SetValue(150);
        qvl->seh->SetValue(200);
        QCOMPARE(cellText(table, row, 2), QStringLiteral("1812,4"));
        qvl->tracerClick();
        QCOMPARE(cellText(table, rowOf(table, QStringLiteral("Flanc courbe gauche")), 2),
                 QStringLiteral("2100")); // a wall: u_c 2100
        QCOMPARE(window->plan()->dims.R1, 150);

        QCOMPARE(openPlanWindow(), window);
        QCOMPARE(window->findChildren<QTableWidget*>().size(), 2);
    }

    // The 3D view shows the plan's model, follows Tracer, and highlights the
    // parts of the rows chosen in the cut list.
    void modelViewFollowsThePlanAndTheChosenRows() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        ModelView3D& view = *window->modelView();
        // Built only once its tab is shown.
        QVERIFY(!view.model());
        window->views()->setCurrentWidget(window->modelView());
        view.resize(400, 300);
        QVERIFY(view.model());
        const QImage whole = view.grab().toImage();

        QTableWidget& table = *window->table();
        table.selectRow(rowOf(table, QStringLiteral("Coping (tube acier)")));
        const std::vector<bool>& chosen = view.highlighted();
        QCOMPARE(qsizetype(chosen.size()), qsizetype(view.model()->parts.size()));
        QCOMPARE(std::count(chosen.begin(), chosen.end(), true), qsizetype(2));
        for (std::size_t i = 0; i < chosen.size(); ++i)
            QCOMPARE(bool(chosen[i]), view.model()->parts[i].kind == PartKind::Coping);
        QVERIFY(view.grab().toImage() != whole);

        const std::size_t parts = view.model()->parts.size();
        qvl->ser->SetValue(150);
        qvl->seh->SetValue(200);
        qvl->tracerClick();
        QVERIFY(view.model());
        QVERIFY(view.model()->parts.size() != parts);
        qvl->setDimensions(RampDimensions{0, 0, 0, 0, 0, 0, 0, 0});
        ErrorRecorder errors;
        qvl->tracerClick();
        QVERIFY(!view.model());
    }

    void refreshedBySettingsDialog() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        withModalDialog([&] { qvl->constructionSettingsAction->trigger(); },
                        [](ConstructionSettingsDialog& dialog) {
                            type(dialog.field(QStringLiteral("surface")),
                                 QStringLiteral("6 + 6 + 6"));
                            dialog.accept();
                        });
        QCOMPARE(window->plan()->surface.layers.size(), std::size_t(3));
        QVERIFY(rowOf(*window->table(), QStringLiteral("Contreplaqué de surface, couche 3")) >= 0);
    }

    // Refused dimensions: one error box, and no plan left on show.
    void refusedDimensions_data() {
        QTest::addColumn<bool>("openFirst");
        QTest::newRow("window open, then Tracer") << true;
        QTest::newRow("window opened on them") << false;
    }
    void refusedDimensions() {
        QFETCH(bool, openFirst);
        PlanWindow* window = openFirst ? openPlanWindow() : nullptr;
        qvl->setDimensions(RampDimensions{0, 0, 0, 0, 0, 0, 0, 0});
        ErrorRecorder errors;
        if (openFirst)
            qvl->tracerClick();
        else
            window = openPlanWindow();
        QCOMPARE(errors.messages, QStringList{invalidDimensionsMessage()});
        QVERIFY(window->isVisible());
        QCOMPARE(window->refusal(), QStringLiteral("Dimensions incorrectes"));
        QVERIFY(!window->plan());
        QCOMPARE(window->table()->rowCount(), 0);
        QVERIFY(!window->csvButton()->isEnabled());
        QVERIFY(!window->cutFileButton()->isEnabled());
        QCOMPARE(drawnExtent(*window->panelDrawing()), QRect());

        qvl->setDimensions(RampDimensions{});
        qvl->tracerClick();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(window->plan());
        QCOMPARE(window->refusal(), QString());
    }

    // A setting the design cannot be built with: Tracer draws, the plan is refused.
    void refusedPlan() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        ConstructionSettings settings;
        setConstructionSetting(settings, u"back", u"2000,-");
        qvl->setConstructionSettings(settings);
        ErrorRecorder errors;
        qvl->tracerClick();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.front().contains(QStringLiteral("back")));
        QCOMPARE(window->refusal(), errors.messages.front());
        QVERIFY(!window->plan());
    }

    // Widget code may leave a floating-point flag raised (drawing a dialog
    // does): the plan of a sound design is still built, and the flag is left
    // as it was found.
    void staleFloatFlags_data() {
        QTest::addColumn<int>("flag");
        QTest::newRow("invalid") << FE_INVALID;
        QTest::newRow("division by zero") << FE_DIVBYZERO;
        QTest::newRow("overflow") << FE_OVERFLOW;
    }
    void staleFloatFlags() {
        QFETCH(int, flag);
        ErrorRecorder errors;
        feclearexcept(FE_ALL_EXCEPT);
        feraiseexcept(flag);
        PlanWindow* window = openPlanWindow();
        const bool stillRaised = fetestexcept(flag) != 0;
        feclearexcept(FE_ALL_EXCEPT);
        QVERIFY(window);
        QCOMPARE(errors.messages, QStringList());
        QVERIFY(window->plan());
        QVERIFY(stillRaised);
    }

    void closedWindowIsLeftAlone() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        window->close();
        qvl->setDimensions(RampDimensions{0, 0, 0, 0, 0, 0, 0, 0});
        ErrorRecorder errors;
        qvl->tracerClick();
        QCOMPARE(errors.messages.size(), 1); // Tracer's own
        qvl->setDimensions(RampDimensions{});
        QCOMPARE(openPlanWindow(), window);
        QVERIFY(window->plan());
        QCOMPARE(errors.messages.size(), 1);
    }

    // Like the other secondary windows, an open plan window does not keep the
    // program running once the main window has closed.
    void closingTheMainWindowEndsTheProgram() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QTimer::singleShot(0, qvl, [&] { qvl->close(); });
        // A stuck loop is ended after 10 s with another code.
        QTimer::singleShot(10000, qApp, [] { QApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void drawingsScaleWithTheWindow_data() {
        QTest::addColumn<bool>("panels");
        QTest::newRow("side panels") << true;
        QTest::newRow("sheets") << false;
    }
    void drawingsScaleWithTheWindow() {
        QFETCH(bool, panels);
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        QWidget* drawing = panels ? static_cast<QWidget*>(window->panelDrawing())
                                  : static_cast<QWidget*>(window->sheetDrawing());
        drawing->resize(400, 240);
        const QRect small = drawnExtent(*drawing);
        drawing->resize(800, 480);
        const QRect large = drawnExtent(*drawing);
        QVERIFY(!small.isEmpty());
        // Twice the room, about twice the drawing (the text keeps its size).
        QVERIFY2(large.width() > small.width() * 17 / 10 && large.height() > small.height() * 3 / 2,
                 qPrintable(QStringLiteral("%1x%2 -> %3x%4")
                                .arg(small.width())
                                .arg(small.height())
                                .arg(large.width())
                                .arg(large.height())));
        QVERIFY(large.right() < 800 && large.bottom() < 480);
    }

    // The tabs a builder works from; the warnings above them, whichever is
    // shown, and the remarks wrapped, never cut short.
    void tabsAndWarnings_data() {
        QTest::addColumn<QString>("settings");
        QTest::newRow("no warning") << "";
        // One 18 mm layer does not bend dry to a 1.4 m curve.
        QTest::newRow("bend warnings") << "surface=18";
    }
    void tabsAndWarnings() {
        QFETCH(QString, settings);
        qvl->setConstructionSettings(settingsOf(settings));
        PlanWindow* window = openPlanWindow();
        QVERIFY(window && window->plan());
        QStringList tabs;
        for (int i = 0; i < window->views()->count(); ++i)
            tabs << window->views()->tabText(i);
        QCOMPARE(tabs, (QStringList{"Liste de découpe", "Flancs", "Feuilles", "Surface",
                                    "Charpente", "3D", "Achats"}));

        const QStringList& warnings = window->plan()->warnings;
        QCOMPARE(warnings.isEmpty(), settings.isEmpty());
        QLabel& shown = *window->warnings();
        QCOMPARE(shown.isVisible(), !warnings.isEmpty());
        for (const QString& w : warnings)
            QVERIFY(shown.text().contains(w));
        if (!warnings.isEmpty())
            QVERIFY(shown.mapTo(window, QPoint(0, shown.height())).y() <=
                    window->views()->mapTo(window, QPoint()).y());

        const QTableWidget& table = *window->table();
        for (int r = 0; r < table.rowCount(); ++r) {
            const QString remark = cellText(table, r, 6);
            const QRect needed = table.fontMetrics().boundingRect(
                QRect(0, 0, table.columnWidth(6) - 8, 0), Qt::TextWordWrap, remark);
            QVERIFY2(table.rowHeight(r) >= needed.height(), qPrintable(remark));
        }
    }

    // Each drawing carries its dimensions, in the window's decimal comma.
    void drawingDimensions_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("texts");
        // Default design: panels 1812.4 long, sheets 2440 × 1220, the top
        // layer's riding run 4262.3 with two 911.2 pieces in its middle.
        QTest::newRow("side panels")
            << 1 << QStringList{"1812,4", "789", "Courbes gauche et droite : 10 à découper"};
        QTest::newRow("sheets") << 2 << QStringList{"2440", "1220", "Feuille 5", "1812,4 × 789"};
        // From above: decks of 600, curves of 1212.44, a flat of 1400; 2440 wide.
        QTest::newRow("framing") << 4 << QStringList{"5024,9", "2440"};
        QTest::newRow("surface") << 3
                                 << QStringList{"de lèvre à lèvre 4262,3", "911,2",
                                                "de lèvre à lèvre 4274",
                                                "Couche 1 (dessus, posée en dernier), 9 mm",
                                                "Couche 2 (dessous, posée en premier), 9 mm"};
    }
    void drawingDimensions() {
        QFETCH(int, tab);
        QFETCH(QStringList, texts);
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        // The framing is drawn once its tab is shown.
        window->views()->setCurrentIndex(tab);
        auto* view = qobject_cast<SketchView*>(window->views()->widget(tab));
        if (!view) view = window->views()->widget(tab)->findChild<SketchView*>();
        QVERIFY(view);
        const QStringList drawn = view->sketch().texts();
        for (const QString& text : texts)
            QVERIFY2(drawn.contains(text), qPrintable(text + " in " + drawn.join(" | ")));
    }

    // In inches, the window's lengths, thicknesses and sections against worked
    // values of the default design: panels 1812.4 × 789 mm are 5' 11 3/8" by
    // 2' 7 1/16", 18 mm plywood 23/32", 9 mm 11/32", 89 × 38 ribs 3 1/2" by
    // 1 1/2" and bought as 2×4, sheets 2440 × 1220 mm 8' 1/16" by 4' 1/16".
    // Back in millimetres, the texts of before.
    void inchesShown_data() {
        QTest::addColumn<QString>("where"); // cut, heading, boards, summary, framing, a tab's index
        QTest::addColumn<QString>("article");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("millimetres");
        const QString panel = QStringLiteral("Flanc courbes gauche et droite");
        const QString rib = QStringLiteral("Tasseau courbe gauche");
        QTest::newRow("panel length") << "cut" << panel << 2 << "5' 11 3/8\""
                                      << "1812,4";
        QTest::newRow("panel height") << "cut" << panel << 3 << "2' 7 1/16\""
                                      << "789";
        QTest::newRow("panel thickness") << "cut" << panel << 4 << "23/32\""
                                         << "18";
        QTest::newRow("rib width") << "cut" << rib << 3 << "3 1/2\""
                                   << "89";
        QTest::newRow("rib depth") << "cut" << rib << 4 << "1 1/2\""
                                   << "38";
        QTest::newRow("heading") << "heading" << QString() << 2 << "Longueur (po)"
                                 << "Longueur (mm)";
        QTest::newRow("boards") << "boards" << QString() << 0 << "Bois 2×4 en "
                                << "Bois 89 × 38 en ";
        QTest::newRow("summary") << "summary" << QString() << 0 << "(4' 1/16\" × 8' 1/16\")"
                                 << "(1220 × 2440 mm)";
        QTest::newRow("rib stations")
            << "framing" << QString() << 0 << "centrés à 1 3/4\" ; 8 3/8\" ; "
            << "centrés à 44,5 ; 213,2 ; ";
        QTest::newRow("panel sketch") << "1" << QString() << 0 << "5' 11 3/8\""
                                      << "1812,4";
        QTest::newRow("sheet sketch") << "2" << QString() << 0 << "5' 11 3/8\" × 2' 7 1/16\""
                                      << "1812,4 × 789";
        QTest::newRow("surface sketch")
            << "3" << QString() << 0 << "Couche 1 (dessus, posée en dernier), 11/32\""
            << "Couche 1 (dessus, posée en dernier), 9 mm";
    }
    void inchesShown() {
        QFETCH(QString, where);
        QFETCH(QString, article);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, millimetres);
        PlanWindow* window = openPlanWindow();
        QVERIFY(window && window->plan());
        const auto shown = [&]() -> QStringList {
            if (where == u"cut")
                return {cellText(*window->table(), rowOf(*window->table(), article), column)};
            if (where == u"heading") return {window->table()->horizontalHeaderItem(column)->text()};
            if (where == u"summary") return {window->summary()->text()};
            if (where == u"framing") return {window->framing()->text()};
            if (where == u"boards") {
                // Each timber article, its stock length cut off.
                QStringList sections;
                const QTableWidget& shopping = *window->shoppingTable();
                for (int r = 0; r < shopping.rowCount(); ++r)
                    if (cellText(shopping, r, 0).startsWith(QStringLiteral("Bois ")))
                        sections << cellText(shopping, r, 0).section(QStringLiteral(" en "), 0, 0) +
                                        QStringLiteral(" en ");
                return sections;
            }
            QWidget* tab = window->views()->widget(where.toInt());
            auto* view = qobject_cast<SketchView*>(tab);
            return (view ? view : tab->findChild<SketchView*>())->sketch().texts();
        };
        // A cell, a heading or a drawing's text is the text itself; every
        // timber article, the summary and the framing hold it.
        const bool whole = where == u"cut" || where == u"heading" || where.toInt() > 0;
        const auto check = [&](const QString& expected) {
            const QStringList texts = shown();
            const bool found =
                whole ? texts.contains(expected)
                      : !texts.isEmpty() &&
                            std::all_of(texts.begin(), texts.end(),
                                        [&](const QString& t) { return t.contains(expected); });
            QVERIFY2(found, qPrintable(expected + " in " + texts.join(" | ")));
        };
        qvl->setLengthUnit(LengthUnit::Inches);
        check(text);
        qvl->setLengthUnit(LengthUnit::Millimetres);
        check(millimetres);
    }

    // The wheel magnifies about the pointer, a double click fits again.
    void wheelZoom() {
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        SketchView& view = *window->sheetDrawing();
        view.resize(600, 400);
        const DrawingScale before = view.scale();
        const QPointF world(1000, 500);
        const QPointF pointer = before.map(world);
        QWheelEvent wheel(pointer, view.mapToGlobal(pointer), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QCOMPARE(view.zoom(), SketchView::zoomPerNotch);
        QVERIFY(std::abs(view.scale().map(world).x() - pointer.x()) < 1e-6);
        QVERIFY(std::abs(view.scale().map(world).y() - pointer.y()) < 1e-6);
        QTest::mouseDClick(&view, Qt::LeftButton);
        QCOMPARE(view.zoom(), 1.0);
        QCOMPARE(view.scale().map(world), pointer);
    }

    // The framing and the surface in plain words, with the default design's
    // positions: the rib stations along the frame curve from the toe, the deck
    // joists from the deck's back end, the flat joists from the flat's left end.
    void plainWords_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::newRow("ribs") << ""
                              << "centrés à 44,5 ; 213,2 ; 367,3 ; 521,4 ; 675,5 ; 829,6 ; "
                                 "1015,6 ; 1201,6 ; 1387,5 mm le long de la courbe du cadre, "
                                 "mesurés depuis le pied de la courbe";
        QTest::newRow("deck joists")
            << ""
            << "solives centrées à 44,5 ; 290,7 ; 537 mm de l'arrière de la plate-forme";
        QTest::newRow("flat joists") << ""
                                     << "solives centrées à 19 ; 374 ; 412 ; 681 ; 719 ; 988 ; "
                                        "1026 ; 1381 mm du bout gauche du plat";
        QTest::newRow("two layers") << ""
                                    << "On pose d'abord la couche 2";
        QTest::newRow("three layers") << "surface=6,6,6"
                                      << "On pose d'abord la couche 3";
        QTest::newRow("one layer") << "surface=18"
                                   << "Une seule couche";
    }
    void plainWords() {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        const ConstructionPlan plan = buildConstructionPlan({}, settingsOf(settings));
        const QString words = framingParagraphs(plan).join(u' ') + u' ' +
                              surfaceOrderText(int(plan.surface.layers.size()));
        QVERIFY2(words.contains(text), qPrintable(words));
    }

    // A price typed in the dialog (comma or point) is kept in the user's
    // settings, read back by the next dialog and the next window, and prices
    // the shopping list; "Valeurs indicatives" shows while the defaults stand.
    void pricesRoundTrip_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // empty: refused
        QTest::addColumn<bool>("indicative");
        QTest::newRow("defaults") << "sheet"
                                  << "0,75"
                                  << "0.75" << true;
        QTest::newRow("decimal comma") << "sheet"
                                       << "0,9"
                                       << "0.9" << false;
        QTest::newRow("decimal point") << "timber"
                                       << "3.10"
                                       << "3.1" << false;
        QTest::newRow("currency") << "currency"
                                  << "CHF"
                                  << "CHF" << false;
        QTest::newRow("not a number") << "glue"
                                      << "abc"
                                      << "" << true;
        QTest::newRow("five decimals") << "lag"
                                       << "0,12345"
                                       << "" << true;
    }
    void pricesRoundTrip() {
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, indicative);
        {
            PriceDialog dialog(storedPrices());
            QVERIFY(!dialog.indicativeNote()->isHidden());
            type(dialog.field(key), typed);
            QCOMPARE(dialog.okButton()->isEnabled(), !kept.isEmpty());
            QCOMPARE(dialog.prices().has_value(), !kept.isEmpty());
            if (kept.isEmpty()) return;
            QCOMPARE(!dialog.indicativeNote()->isHidden(), indicative);
            storePrices(*dialog.prices());
        }
        const PriceTable stored = storedPrices();
        QCOMPARE(priceValueText(stored, key), kept);
        QCOMPARE(stored.indicative(), indicative);
        PriceDialog again(stored);
        QCOMPARE(again.field(key)->text(),
                 key == u"currency" ? kept : QString(kept).replace(u'.', u','));
        QCOMPARE(!again.indicativeNote()->isHidden(), indicative);
        again.defaultsButton()->click();
        QVERIFY(again.prices()->indicative());

        PlanWindow* window = openPlanWindow();
        QVERIFY(window && window->plan());
        QCOMPARE(window->prices(), stored);
        QCOMPARE(!window->indicativeNote()->isHidden(), indicative);
        const PlanCost cost = planCost(*window->plan(), stored);
        QVERIFY2(window->total()->text().contains(centsText(cost.cents).replace(u'.', u',')),
                 qPrintable(window->total()->text()));
        window->setPrices(PriceTable{});
        QVERIFY(!window->indicativeNote()->isHidden());
    }

    // Not a check: QUARVEL_PLAN_PICTURE=file.png keeps a picture of the window
    // as a builder first sees it, for the user guide.
    void pictureOfTheWindow() {
        const QString path = qEnvironmentVariable("QUARVEL_PLAN_PICTURE");
        if (path.isEmpty()) QSKIP("QUARVEL_PLAN_PICTURE not set");
        qvl->tracerClick();
        PlanWindow* window = openPlanWindow();
        QVERIFY(window);
        QVERIFY(window->grab().save(path));
        // Each tab as the window shows it: picture.png.1.png for the second.
        for (int tab = 1; tab < window->views()->count(); ++tab) {
            window->views()->setCurrentIndex(tab);
            QVERIFY(window->grab().save(path + QStringLiteral(".%1.png").arg(tab)));
        }
    }
};

QTEST_MAIN(TestPlanWindow)
#include "test_planwindow.moc"
