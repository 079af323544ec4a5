#include "bmpfile.h"
#include "chartarea.h"
#include "designrender.h"
#include "filedialogs.h"
#include "programwindows.h"
#include "quarvelerror.h"
#include "qvlfile.h"
#include "tchart.h"
#include "tpanel.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The batch tool draws its pictures from the chart area alone; the program
// exports them from its main window. Both must give the same bytes.

namespace {
class NoDialogs : public FileDialogs {
public:
    std::optional<QString> openDesignPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> saveDesignPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> exportImagePath(QWidget*) override { return std::nullopt; }
    std::optional<QString> templatesPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> cutFilePath(QWidget*) override { return std::nullopt; }
    std::optional<QString> cutListPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> modelPath(QWidget*) override { return std::nullopt; }
    std::optional<QString> bookPath(QWidget*) override { return std::nullopt; }
};

// The program's windows shown off screen, the chart laid out by a first
// paint as at start-up.
std::unique_ptr<ProgramWindows> startUpOffScreen() {
    auto windows = std::make_unique<ProgramWindows>(std::make_unique<NoDialogs>(), true);
    windows->Qvl.show();
    windows->Qvl.captureGraph();
    return windows;
}

// What a user gets by ticking the boxes, typing the title, opening the design
// and exporting the image in the main window.
DesignPicture renderInMainWindow(const QString& designPath, const DesignRenderOptions& options) {
    const RampDimensions dims = readQvlFile(designPath);
    const auto windows = startUpOffScreen();
    TQvl& qvl = windows->Qvl;
    if (!options.view3D) {
        qvl.cb3D->setChecked(true);
        qvl.profil->SetView3D(false);
    }
    if (options.showData) {
        qvl.cbdonnees->setChecked(true);
        qvl.donnees->show();
    }
    if (options.title) qvl.setTitle(*options.title);
    qvl.captureGraph();

    DesignPicture picture;
    qvl.setDimensions(dims);
    try {
        qvl.runTracerCommand();
    } catch (const QuarvelError& error) {
        picture.tracerError = error.message();
    }
    picture.image = qvl.captureGraph();
    return picture;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestLeanRender : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

private slots:
    void startupPlotSizeIsTheMainWindows() {
        const auto windows = startUpOffScreen();
        const TChart* chart = windows->Qvl.profil;
        const QSize lone = startupPlotSize();
        QCOMPARE(lone, QSize(chart->PlotWidth(), chart->PlotHeight()));
        // A real rectangle inside the 900 x 465 chart, not an empty layout.
        QVERIFY(lone.width() > 600 && lone.width() < 900);
        QVERIFY(lone.height() > 250 && lone.height() < 465);
    }

    void sameBytesAsTheMainWindowsExport_data() {
        QTest::addColumn<QByteArray>("design");
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<bool>("showData");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("traced");

        const QByteArray standard = "60 140 70 140 244 140 70 60\r\n";
        const QByteArray wall = "60 150 200 140 244 70 140 60\r\n";
        QTest::newRow("3D") << standard << true << false << QString() << true;
        QTest::newRow("2D") << standard << false << false << QString() << true;
        QTest::newRow("data") << standard << true << true << QString() << true;
        QTest::newRow("2D, data, title")
            << standard << false << true << QStringLiteral("Rampe du jardin") << true;
        QTest::newRow("long title")
            << QByteArray("100 200 120 300 366 180 90 40\r\n") << true << false
            << QStringLiteral("Mini-rampe à deux hauteurs, 2026") << true;
        QTest::newRow("wall") << wall << true << true << QString() << true;
        QTest::newRow("wall 2D") << wall << false << false << QString() << true;
        QTest::newRow("refused") << QByteArray("0 0 0 0 0 0 0 0\r\n") << true << true
                                 << QStringLiteral("Rien") << false;
    }

    void sameBytesAsTheMainWindowsExport() {
        QFETCH(QByteArray, design);
        QFETCH(bool, view3D);
        QFETCH(bool, showData);
        QFETCH(QString, title);
        QFETCH(bool, traced);

        const QString designPath = dir.filePath(QStringLiteral("design.qvl"));
        {
            QFile f(designPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(design), design.size());
        }
        DesignRenderOptions options;
        options.view3D = view3D;
        options.showData = showData;
        if (!title.isNull()) options.title = title;

        const DesignPicture window = renderInMainWindow(designPath, options);
        QCOMPARE(window.tracerError.isEmpty(), traced);
        QCOMPARE(window.image.size(), QSize(900, 465));

        const QString bmpPath = dir.filePath(QStringLiteral("lean.bmp"));
        QCOMPARE(renderDesignToBmp(designPath, bmpPath, options), window.tracerError);
        const QByteArray expected = encodeBmp24(window.image);
        const QByteArray written = readFile(bmpPath);
        QCOMPARE(written.size(), expected.size());
        if (written != expected) {
            const QImage lean = renderDesign(designPath, options).image;
            for (int y = 0; y < lean.height(); ++y)
                for (int x = 0; x < lean.width(); ++x)
                    if (lean.pixel(x, y) != window.image.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("first different pixel at %1,%2: %3, "
                                                        "the main window's %4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(lean.pixel(x, y), 0, 16)
                                             .arg(window.image.pixel(x, y), 0, 16)));
            QFAIL("same pixels, different bytes");
        }
    }

    // The batch tool's area builds its data panel when first shown: values
    // Tracer gave before then are on it, as in the main window.
    void dataShownAfterTracer_data() {
        QTest::addColumn<QByteArray>("design");
        QTest::addColumn<bool>("traced");
        QTest::newRow("standard") << QByteArray("60 140 70 140 244 140 70 60\r\n") << true;
        QTest::newRow("wall") << QByteArray("60 150 200 140 244 70 140 60\r\n") << true;
        QTest::newRow("refused") << QByteArray("0 0 0 0 0 0 0 0\r\n") << false;
    }
    void dataShownAfterTracer() {
        QFETCH(QByteArray, design);
        QFETCH(bool, traced);
        const QString designPath = dir.filePath(QStringLiteral("late.qvl"));
        {
            QFile f(designPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(design), design.size());
        }
        DesignRenderOptions options;
        options.showData = true;
        const DesignPicture window = renderInMainWindow(designPath, options);

        ChartArea area;
        QVERIFY(area.dataPanel() == nullptr);
        const QSize plot = area.plotSize();
        bool applied = true;
        try {
            area.applyTracer(runTracer(readQvlFile(designPath), plot.width(), plot.height()));
        } catch (const QuarvelError&) {
            applied = false;
        }
        QCOMPARE(applied, traced);
        QVERIFY(area.dataPanel() == nullptr);
        area.setDataShown(true);
        QVERIFY(area.dataPanel() != nullptr);
        QVERIFY(area.capture() == window.image);
    }
};

QTEST_MAIN(TestLeanRender)
#include "test_leanrender.moc"
