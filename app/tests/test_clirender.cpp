#include "designrender.h"
#include "rendercommand.h"
#include "testfiles.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int status;
    QByteArray out, err;
};

// Runs the built quarvel-cli; withoutPlatform: as started from a shell where
// no Qt platform is chosen.
Run runCli(const QStringList& args, bool withoutPlatform = false) {
    QProcess cli;
    if (withoutPlatform) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        cli.setProcessEnvironment(env);
    }
    cli.start(QStringLiteral(QUARVEL_CLI_PATH), args);
    if (!cli.waitForFinished(60000)) return {-1, {}, {}};
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}
} // namespace

class TestCliRender : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() {
        writeFile(path("wall.qvl"), "60 150 200 140 244 70 140 60\r\n");
        writeFile(path("zero.qvl"), "0 0 0 0 0 0 0 0\r\n");
    }

    // The process writes exactly the picture of the in-process rendering, with
    // or without a platform chosen beforehand.
    void renderWritesTheExportedPicture_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<bool>("showData");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("withoutPlatform");
        QTest::newRow("plain") << QStringList{} << true << false << QString() << false;
        QTest::newRow("no platform chosen") << QStringList{} << true << false << QString() << true;
        QTest::newRow("2d") << QStringList{"--2d"} << false << false << QString() << false;
        QTest::newRow("data") << QStringList{"--data"} << true << true << QString() << false;
        QTest::newRow("all") << QStringList{"--2d", "--data", "--title", "Rampe du parc"} << false
                             << true << "Rampe du parc" << false;
        QTest::newRow("title with =")
            << QStringList{"--title=Mini"} << true << false << "Mini" << false;
    }
    void renderWritesTheExportedPicture() {
        QFETCH(QStringList, options);
        QFETCH(bool, view3D);
        QFETCH(bool, showData);
        QFETCH(QString, title);
        QFETCH(bool, withoutPlatform);
        const QString out = path("out.bmp");
        QFile::remove(out);
        const Run run = runCli(QStringList{"render"} + options + QStringList{path("wall.qvl"), out},
                               withoutPlatform);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        DesignRenderOptions expected;
        expected.view3D = view3D;
        expected.showData = showData;
        if (!title.isNull()) expected.title = title;
        QCOMPARE(renderDesignToBmp(path("wall.qvl"), path("expected.bmp"), expected), QString());
        const QByteArray written = readFile(out);
        QCOMPARE(written.size(), 54 + 900 * 465 * 3);
        QVERIFY(written == readFile(path("expected.bmp")));
    }

    void renderFailures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err"); // start of standard error
        QTest::addColumn<bool>("written");
        QTest::newRow("missing design")
            << QStringList{"render", "@/absent.qvl", "@/out.bmp"} << 2 << "Fichier introuvable.\n"
            << false;
        QTest::newRow("unwritable picture") << QStringList{"render", "@/wall.qvl", "@/no/out.bmp"}
                                            << 2 << "Impossible de créer le fichier @/no/out.bmp.\n"
                                            << false;
        QTest::newRow("refused dimensions") << QStringList{"render", "@/zero.qvl", "@/out.bmp"} << 1
                                            << "Dimensions incorrectes" << true;
        QTest::newRow("one path") << QStringList{"render", "@/wall.qvl"} << 2
                                  << "FILE and OUT.bmp expected" << false;
        QTest::newRow("unknown option") << QStringList{"render", "--3d", "@/wall.qvl", "@/out.bmp"}
                                        << 2 << "unknown option: --3d" << false;
        QTest::newRow("title without text") << QStringList{"render", "@/wall.qvl", "--title"} << 2
                                            << "--title needs a text" << false;
    }
    void renderFailures() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(bool, written);
        for (QString& a : args)
            a.replace(QLatin1Char('@'), dir.path());
        err.replace(QLatin1Char('@'), dir.path());
        QFile::remove(path("out.bmp"));
        const Run run = runCli(args);
        QCOMPARE(run.status, status);
        QVERIFY2(QString::fromUtf8(run.err).startsWith(err), run.err.constData());
        QCOMPARE(QFile::exists(path("out.bmp")), written);
    }

    void renderHelp() {
        const CommandResult help = renderCommand({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(
            help.out.contains("quarvel-cli render [--2d] [--data] [--title TEXT] FILE OUT.bmp"));
        QVERIFY(runCli({"--help"}).out.contains("quarvel-cli render"));
    }

    // trace runs, by default, on the plotting rectangle the chart lays out at
    // start-up, and says so in its usage.
    void traceDefaultsToTheChartsPlotSize() {
        const QSize plot = startupPlotSize();
        const Run run = runCli({"trace", path("wall.qvl")});
        QCOMPARE(run.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(json["plot"].toObject()["width"].toInt(), plot.width());
        QCOMPARE(json["plot"].toObject()["height"].toInt(), plot.height());
        QCOMPARE(json["fields"].toObject()["nllt"].toInt(), 531);
        const QByteArray size =
            QByteArray::number(plot.width()) + 'x' + QByteArray::number(plot.height());
        QVERIFY(runCli({"--help"}).out.contains("(default " + size + ")"));
        // An explicit size still wins.
        const Run sized = runCli({"trace", "--plot", "400x200", path("wall.qvl")});
        QCOMPARE(QJsonDocument::fromJson(sized.out).object()["plot"].toObject()["width"].toInt(),
                 400);
    }
};

QTEST_MAIN(TestCliRender)
#include "test_clirender.moc"
