#include "jsontext.h"
#include "qvlfile.h"
#include "tracecommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QJsonObject parseObject(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << error.errorString() << json.left(300);
    return doc.object();
}

QString writeDesign(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return QString();
    return path;
}

} // namespace

class TestTraceCommand : public QObject {
    Q_OBJECT

private slots:
    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole") << 502.0 << QByteArray("502");
        QTest::newRow("zero") << 0.0 << QByteArray("0");
        QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
        QTest::newRow("step") << 0.502 << QByteArray("0.502");
        QTest::newRow("running sum") << 60.742000000000111 << QByteArray("60.74200000000011");
        QTest::newRow("large") << 1e21 << QByteArray("1e+21");
        QTest::newRow("tiny") << 5e-324 << QByteArray("5e-324");
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QByteArray("null");
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray("null");
    }

    void numbers() {
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        QCOMPARE(jsonNumber(value), text);
        if (std::isfinite(value)) QCOMPARE(std::strtod(text.constData(), nullptr), value);
    }

    void extendedNumbers_data() {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole") << 146.0L << QByteArray("146");
        QTest::newRow("negative") << -5.0L << QByteArray("-5");
        QTest::newRow("beyond double precision")
            << 9007199254740993.0L << QByteArray("9007199254740993");
        QTest::newRow("int64 minimum")
            << -9223372036854775808.0L << QByteArray("-9223372036854775808");
        QTest::newRow("fraction") << 0.1L << QByteArray("0.1");
        QTest::newRow("2^64") << 18446744073709551616.0L << QByteArray("18446744073709551616");
    }

    void extendedNumbers() {
        QFETCH(long double, value);
        QFETCH(QByteArray, text);
        QCOMPARE(jsonNumber(value), text);
    }

    void strings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("plain") << "lplat" << QByteArray("\"lplat\"");
        QTest::newRow("accents") << "zéro" << QByteArray("\"z\xc3\xa9ro\"");
        QTest::newRow("quote and backslash") << "a\"b\\c" << QByteArray("\"a\\\"b\\\\c\"");
        QTest::newRow("controls") << QString("a\nb\x01") << QByteArray("\"a\\nb\\u0001\"");
    }

    void strings() {
        QFETCH(QString, text);
        QFETCH(QByteArray, json);
        QCOMPARE(jsonString(text), json);
        QCOMPARE(QJsonDocument::fromJson("[" + json + "]").array().at(0).toString(), text);
    }

    void plotSize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("default") << "761x335" << true << 761 << 335;
        QTest::newRow("zero") << "0x0" << true << 0 << 0;
        QTest::newRow("largest") << "100000x1" << true << 100000 << 1;
        QTest::newRow("too large") << "100001x1" << false << 0 << 0;
        QTest::newRow("no width") << "x5" << false << 0 << 0;
        QTest::newRow("no height") << "5x" << false << 0 << 0;
        QTest::newRow("negative") << "-1x5" << false << 0 << 0;
        QTest::newRow("sign") << "+5x5" << false << 0 << 0;
        QTest::newRow("hexadecimal") << "$10x5" << false << 0 << 0;
        QTest::newRow("three parts") << "5x5x5" << false << 0 << 0;
        QTest::newRow("capital X") << "5X5" << false << 0 << 0;
        QTest::newRow("blank") << " 5x5" << false << 0 << 0;
    }

    void plotSize() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<PlotSize> size = parsePlotSize(text);
        QCOMPARE(size.has_value(), valid);
        if (valid) {
            QFETCH(int, width);
            QFETCH(int, height);
            QCOMPARE(size->width, width);
            QCOMPARE(size->height, height);
        }
    }

    void defaultsJson() {
        const RampDimensions d;
        const QByteArray json = traceJson(d, defaultTracePlotSize, runTracer(d, 761, 335));
        const QJsonObject o = parseObject(json);
        QCOMPARE(o.keys().size(), 6); // no "error"
        const QJsonObject dims = o["dimensions"].toObject();
        QCOMPARE(dims["P1"].toInt(), 60);
        QCOMPARE(dims["R2"].toInt(), 140);
        QCOMPARE(dims["H2"].toInt(), 70);
        QCOMPARE(dims["W"].toInt(), 244);
        QCOMPARE(o["plot"].toObject()["width"].toInt(), 761);
        QCOMPARE(o["plot"].toObject()["height"].toInt(), 335);
        QCOMPARE(o["notices"].toArray().size(), 0);
        const QJsonObject fields = o["fields"].toObject();
        QCOMPARE(fields.size(), 18);
        QCOMPARE(fields["nllc"].toInt(), 121);
        QCOMPARE(fields["nllt"].toInt(), 502);
        QCOMPARE(fields["nllsc2"].toInt(), 146);
        QCOMPARE(fields["nll"].toInt(), 244);
        const QJsonObject bottom = o["axes"].toObject()["bottom"].toObject();
        QCOMPARE(bottom["minimum"].toDouble(), 0.0);
        QCOMPARE(bottom["maximum"].toDouble(), 502.0);
        const QJsonObject left = o["axes"].toObject()["left"].toObject();
        QCOMPARE(left["minimum"].toDouble(), 0.0);
        QCOMPARE(left["maximum"].toDouble(), double(335.0L * 502.0L / 761.0L));
        const QJsonArray points = o["points"].toArray();
        QCOMPARE(points.size(), 1000);
        QCOMPARE(points[1].toArray()[0].toDouble(), 0.502);
        QCOMPARE(points[1].toArray()[1].toDouble(), 70.0);
        // Field order follows the run, and numbers are in their shortest form.
        QVERIFY(json.contains("\"fields\": {\"nllc\": 121, \"nllc2\": 121, \"nllt\": 502,"));
        QVERIFY(json.contains("\"points\": [[0, 70], [0.502, 70], [1.004, 70],"));
    }

    // Every point reads back as exactly the double the computation produced.
    void pointsReadBackExactly() {
        const RampDimensions d{30, 183, 97, 211, 100, 77, 35, 12};
        const TracerRun run = runTracer(d, 761, 335);
        const QJsonArray points = parseObject(traceJson(d, {761, 335}, run))["points"].toArray();
        const auto& expected = std::get<AddPoints>(run.effects.back()).points;
        QCOMPARE(qsizetype(points.size()), qsizetype(expected.size()));
        for (qsizetype i = 0; i < points.size(); ++i) {
            QCOMPARE(points[i].toArray()[0].toDouble(), expected[i].x);
            QCOMPARE(points[i].toArray()[1].toDouble(), expected[i].y);
        }
    }

    void noticesJson() {
        const RampDimensions d{60, 150, 200, 10, 244, 100, 10, 60};
        const QJsonObject o = parseObject(traceJson(d, {761, 335}, runTracer(d, 761, 335)));
        const QJsonArray notices = o["notices"].toArray();
        QCOMPARE(notices.size(), 3);
        QCOMPARE(notices[0].toObject()["window"].toString(), QStringLiteral("errplat"));
        QCOMPARE(notices[0].toObject()["label"].toString(), QStringLiteral("lplat"));
        QVERIFY(notices[0].toObject()["text"].toString().contains(QStringLiteral("trop petite")));
        QCOMPARE(notices[1].toObject()["window"].toString(), QStringLiteral("fer"));
        QCOMPARE(notices[1].toObject()["field"].toString(), QStringLiteral("nlw"));
        QCOMPARE(notices[1].toObject()["value"].toInt(), 50);
        QCOMPARE(notices[2].toObject()["label"].toString(), QStringLiteral("lrayon2"));
    }

    void abandonedJson() {
        QTemporaryDir dir;
        const QString path = writeDesign(dir, "d.qvl", formatQvl(RampDimensions{}));
        const CommandResult result = traceCommand({"--plot", "0x335", path});
        QCOMPARE(result.status, 1);
        const QJsonObject o = parseObject(result.out);
        QCOMPARE(o["error"].toString(), QStringLiteral("Division par zéro en virgule flottante."));
        QCOMPARE(o["fields"].toObject().size(), 18);
        QVERIFY(o["axes"].toObject().contains("bottom"));
        QVERIFY(!o["axes"].toObject().contains("left"));
        QCOMPARE(o["points"].toArray().size(), 0);
        QCOMPARE(o["plot"].toObject()["width"].toInt(), 0);
    }

    void refusedJson() {
        QTemporaryDir dir;
        const QString path = writeDesign(dir, "zero.qvl", "0 0 0 0 0 0 0 0\r\n");
        const CommandResult result = traceCommand({path});
        QCOMPARE(result.status, 1);
        const QJsonObject o = parseObject(result.out);
        QVERIFY(o["error"].toString().startsWith(QStringLiteral("Dimensions incorrectes : ")));
        QVERIFY(o["error"].toString().endsWith(QStringLiteral("positive.")));
        QCOMPARE(o["fields"].toObject().size(), 0);
        QCOMPARE(o["axes"].toObject().size(), 0);
        QCOMPARE(o["notices"].toArray().size(), 0);
        QCOMPARE(o["dimensions"].toObject()["W"].toInt(), 0);
    }

    void commandLines_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("no file") << QStringList{} << 2 << "FILE missing";
        QTest::newRow("two files") << QStringList{"@good", "@good"} << 2 << "only one FILE";
        QTest::newRow("unknown option") << QStringList{"--fast", "@good"} << 2 << "unknown option";
        QTest::newRow("plot without size") << QStringList{"@good", "--plot"} << 2 << "--plot needs";
        QTest::newRow("bad plot") << QStringList{"--plot", "wide", "@good"} << 2 << "bad plot size";
        QTest::newRow("missing file") << QStringList{"@missing"} << 2 << "Fichier introuvable.\n";
        QTest::newRow("bad number") << QStringList{"@bad"} << 2 << "Saisie numérique incorrecte.\n";
        QTest::newRow("good") << QStringList{"@good"} << 0 << "";
        QTest::newRow("plot option") << QStringList{"--plot=400x200", "@good"} << 0 << "";
        QTest::newRow("after --") << QStringList{"--", "@good"} << 0 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "";
    }

    void commandLines() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir dir;
        for (QString& a : args) {
            if (a == u"@good") a = writeDesign(dir, "good.qvl", formatQvl(RampDimensions{}));
            if (a == u"@bad") a = writeDesign(dir, "bad.qvl", "60 140 x 140 244 70 140 60\r\n");
            if (a == u"@missing") a = dir.filePath("missing.qvl");
        }
        const CommandResult result = traceCommand(args);
        QCOMPARE(result.status, status);
        if (err.isEmpty())
            QCOMPARE(result.err, QByteArray());
        else
            QVERIFY2(QString::fromUtf8(result.err).startsWith(err), result.err.constData());
        if (status == 0 && !args.contains("--help")) {
            const QJsonObject o = parseObject(result.out);
            QCOMPARE(o["points"].toArray().size(), 1000);
            if (args.contains("--plot=400x200"))
                QCOMPARE(o["axes"].toObject()["left"].toObject()["maximum"].toDouble(), 251.0);
        }
    }

    void process() {
        QProcess cli;
        cli.start(QStringLiteral(QUARVEL_CLI_PATH), {"trace", "-"});
        QVERIFY(cli.waitForStarted());
        cli.write("60 140 70 140 244 70 140 60\r\n");
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(parseObject(cli.readAllStandardOutput())["fields"].toObject()["nllt"].toInt(),
                 502);

        QTemporaryDir dir;
        cli.start(QStringLiteral(QUARVEL_CLI_PATH), {"trace", dir.filePath("none.qvl")});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 2);
        QCOMPARE(cli.readAllStandardError(), QByteArray("Fichier introuvable.\n"));
        QCOMPARE(cli.readAllStandardOutput(), QByteArray());

        cli.start(QStringLiteral(QUARVEL_CLI_PATH), {"trace", "--plot", "0x0", "-"});
        QVERIFY(cli.waitForStarted());
        cli.write("60 140 70 140 244 70 140 60\r\n");
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(parseObject(cli.readAllStandardOutput())["error"].toString(),
                 QStringLiteral("Opération en virgule flottante incorrecte."));

        cli.start(QStringLiteral(QUARVEL_CLI_PATH), {"--help"});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(
            cli.readAllStandardOutput().contains("quarvel-cli trace [--plot WIDTHxHEIGHT] FILE"));

        for (const QStringList& bad : {QStringList{}, QStringList{"draw"}}) {
            cli.start(QStringLiteral(QUARVEL_CLI_PATH), bad);
            QVERIFY(cli.waitForFinished(30000));
            QCOMPARE(cli.exitCode(), 2);
            QVERIFY(cli.readAllStandardError().contains("usage"));
        }
    }
};

QTEST_GUILESS_MAIN(TestTraceCommand)
#include "test_tracecommand.moc"
