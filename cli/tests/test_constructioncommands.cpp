#include "constructionsettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "smalldisk.h"

// quarvel-cli plan, cut and template as a script runs them: exit statuses,
// messages, and the plan's figures read back from its JSON.

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Standard input and output may come from and go to files.
struct Streams {
    QString in;
    QString out;
};

Run runCli(const QStringList& args, const QString& program = QStringLiteral(QUARVEL_CLI_PATH),
           const Streams& streams = {}) {
    QProcess p;
    if (!streams.in.isEmpty()) p.setStandardInputFile(streams.in);
    if (!streams.out.isEmpty()) p.setStandardOutputFile(streams.out);
    p.start(program, args);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QString writeDesign(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
    return path;
}

double number(const QJsonValue& v) {
    return v.toDouble();
}

} // namespace

class TestConstructionCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void planJsonCheckValues_data();
    void planJsonCheckValues();
    void planJsonBuild();
    void planJsonDeckFrames();
    void surfaceSheets_data();
    void surfaceSheets();
    void presetUnderTheOtherOptions();
    void planInInches_data();
    void planInInches();
    void optionsOverrideTheFileLine();
    void everySettingIsAnOption();
    void failures_data();
    void failures();
    void outputsRefusedLeaveNothing_data();
    void outputsRefusedLeaveNothing();
    void csvAndText();
    void computingCommandsLoadNoGui();
    void launcherHandsOver_data();
    void launcherHandsOver();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void standardInputIsReadAsAFile_data();
    void standardInputIsReadAsAFile();
    void fullStandardOutput_data();
    void fullStandardOutput();

private:
    QTemporaryDir m_dir;
    QString m_default;
    QString m_wall;
};

void TestConstructionCommands::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_default = writeDesign(m_dir, "default.qvl", "60 140 70 140 244 70 140 60\r\n");
    m_wall = writeDesign(m_dir, "wall.qvl", "60 150 200 140 244 70 140 60\r\n");
    QVERIFY(!m_default.isEmpty() && !m_wall.isEmpty());
}

void TestConstructionCommands::planJsonCheckValues_data() {
    QTest::addColumn<QString>("design");
    QTest::addColumn<double>("pivotU");
    QTest::addColumn<double>("pivotV");
    QTest::addColumn<double>("frameRadius");
    QTest::addColumn<double>("pipeU");
    QTest::addColumn<double>("pipeV");
    QTest::addColumn<double>("notchU");
    QTest::addColumn<double>("notchV");
    QTest::addColumn<double>("topU");
    QTest::newRow("default") << "default" << 1812.44 << 1507.0 << 1418.0 << 586.1 << 782.9 << 556.0
                             << 752.7 << 611.7;
    QTest::newRow("wall") << "wall" << 2100.0 << 1607.0 << 1518.0 << 575.85 << 2082.85 << 545.7
                          << 2052.7 << 582.0;
}

void TestConstructionCommands::planJsonCheckValues() {
    QFETCH(QString, design);
    const Run run = runCli({"plan", "--json", design == "wall" ? m_wall : m_default});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonObject plan = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject left = plan["curves"].toObject()["left"].toObject();
    const auto near = [](double a, double b) { return std::abs(a - b) <= 0.051; };
    QFETCH(double, pivotU);
    QFETCH(double, pivotV);
    QFETCH(double, frameRadius);
    QFETCH(double, pipeU);
    QFETCH(double, pipeV);
    QFETCH(double, notchU);
    QFETCH(double, notchV);
    QFETCH(double, topU);
    QVERIFY(near(number(left["pivot"].toArray()[0]), pivotU));
    QVERIFY(near(number(left["pivot"].toArray()[1]), pivotV));
    QVERIFY(near(number(left["frame_radius"]), frameRadius));
    QVERIFY(near(number(left["pipe"].toArray()[0]), pipeU));
    QVERIFY(near(number(left["pipe"].toArray()[1]), pipeV));
    QVERIFY(near(number(left["notch"].toArray()[0]), notchU));
    QVERIFY(near(number(left["notch"].toArray()[1]), notchV));
    QVERIFY(near(number(left["top"].toArray()[0]), topU));
    // The frame arc: its circle is the pivot's, its angles in [0, 360).
    bool arcSeen = false;
    for (const QJsonValue& segment : left["outline"].toArray()) {
        const QJsonArray arc = segment.toObject()["arc"].toArray();
        if (arc.isEmpty()) continue;
        arcSeen = true;
        QVERIFY(near(arc[0].toDouble(), pivotU) && near(arc[1].toDouble(), pivotV));
        QVERIFY(near(arc[2].toDouble(), frameRadius));
        QVERIFY(near(arc[3].toDouble(), 270));
        QVERIFY(arc[4].toDouble() >= 0 && arc[4].toDouble() < 360);
    }
    QVERIFY(arcSeen);
    if (design == "default") {
        QVERIFY(near(std::round(plan["curves"]
                                    .toObject()["left"]
                                    .toObject()["outline"]
                                    .toArray()[2]
                                    .toObject()["arc"]
                                    .toArray()[4]
                                    .toDouble() *
                                100) /
                         100,
                     212.14));
        QCOMPARE(plan["sheets"].toObject()["count"].toInt(), 5);
        QCOMPARE(plan["surface"].toObject()["sheets"].toInt(), 10);
        QCOMPARE(plan["coping"].toObject()["pieces"].toInt(), 2);
    } else {
        QVERIFY(near(number(left["wall"]), 2052.7 - 1607));
        const QJsonArray splits = plan["sheets"].toObject()["splits"].toArray();
        QCOMPARE(splits.size(), 1);
        QCOMPARE(splits[0].toObject()["kind"].toString(), QStringLiteral("normal"));
        QVERIFY(splits[0].toObject()["at"].isNull());
        QCOMPARE(left["pieces"].toArray().size(), 2);
        const QJsonArray plates = plan["splice_plates"].toArray();
        QCOMPARE(plates.size(), 1);
        QCOMPARE(plates[0].toObject()["split"].toInt(), 0);
        QCOMPARE(plates[0].toObject()["count"].toInt(), 5);
        QVERIFY(plates[0].toObject()["outline"].toArray().size() >= 4);
    }
    // Every placed part: a panel piece or a plate, turned a whole number of
    // quarters, "turned" exactly when half a turn.
    int splices = 0;
    for (const QJsonValue& sheet : plan["sheets"].toObject()["layout"].toArray())
        for (const QJsonValue& value : sheet.toObject()["parts"].toArray()) {
            const QJsonObject part = value.toObject();
            const int rotation = part["rotation"].toInt(-1);
            QVERIFY(rotation == 0 || rotation == 90 || rotation == 180 || rotation == 270);
            QCOMPARE(part["turned"].toBool(), rotation == 180);
            const bool splice = part["part"].toString() == QStringLiteral("splice");
            QVERIFY(splice || part["part"].toString() == QStringLiteral("panel"));
            QCOMPARE(part["piece"].isNull(), splice);
            QCOMPARE(part.contains(QStringLiteral("index")), splice);
            splices += splice;
        }
    QCOMPARE(splices, design == "default" ? 0 : 5);
}

namespace {

std::vector<double> numbers(const QJsonValue& value) {
    std::vector<double> out;
    for (const QJsonValue& v : value.toArray())
        out.push_back(v.isArray() ? v.toArray()[0].toDouble() : v.toDouble());
    return out;
}

bool nearAll(const std::vector<double>& actual, const std::vector<double>& expected) {
    if (actual.size() != expected.size()) return false;
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (std::abs(actual[i] - expected[i]) > 0.051) return false;
    return true;
}

} // namespace

// The default design's framing as a builder checks it.
void TestConstructionCommands::planJsonBuild() {
    const Run run = runCli({"plan", "--json", m_default});
    QCOMPARE(run.status, 0);
    const QJsonObject plan = QJsonDocument::fromJson(run.out).object();
    const QJsonObject curves = plan["curves"].toObject();
    for (const char* side : {"left", "right"}) {
        const QJsonObject c = curves[QLatin1String(side)].toObject();
        QVERIFY(nearAll(numbers(c["layer_runs"]), {1431.2, 1437.0}));
        QCOMPARE(c["stations"].toArray().size(), 9);
        QCOMPARE(c["ribs"].toObject()["pieces"].toInt(), 36);
    }
    QCOMPARE(curves["left"].toObject()["stations"], curves["right"].toObject()["stations"]);
    const QJsonArray layers = plan["surface"].toObject()["layers"].toArray();
    QVERIFY(nearAll(numbers(layers[0].toObject()["seams"]), {1220.0, 2131.2, 3042.3}));
    QVERIFY(nearAll(numbers(layers[1].toObject()["seams"]), {610.0, 1830.0, 2444.0, 3664.0}));
    const QJsonObject joists = plan["joists"].toObject();
    for (const char* deck : {"left_deck", "right_deck"}) {
        const QJsonObject j = joists[QLatin1String(deck)].toObject();
        QVERIFY(nearAll(numbers(j["stations"]), {44.5, 290.7, 537.0}));
        QCOMPARE(j["pieces"].toInt(), 12);
        QCOMPARE(j["length"].toDouble(), 587.5);
    }
    const QJsonObject flat = joists["flat"].toObject();
    QVERIFY(nearAll(numbers(flat["stations"]), {19, 374, 412, 681, 719, 988, 1026, 1381}));
    QCOMPARE(flat["pieces"].toInt(), 32);
    const QJsonArray lengths = flat["lengths"].toArray();
    QCOMPARE(lengths.size(), 2);
    QCOMPARE(lengths[1].toObject()["length"].toDouble(), 557.5);
    QCOMPARE(lengths[1].toObject()["count"].toInt(), 16);
    const QJsonObject stringers =
        plan["frame"].toObject()["flat"].toObject()["stringers"].toObject();
    QCOMPARE(stringers["count"].toInt(), 5);
    QCOMPARE(stringers["length"].toDouble(), 1400.0);
    QCOMPARE(plan["frame"].toObject()["left_deck"], QJsonValue(QJsonValue::Null));

    // Fasteners, timber and prices, as a builder buys them.
    QStringList fasteners;
    for (const QJsonValue& f : plan["fasteners"].toArray())
        fasteners << QStringLiteral("%1 %2 %3/%4")
                         .arg(f["item"].toString(), f["size"].toString())
                         .arg(f["count"].toInt())
                         .arg(f["buy"].toInt());
    QCOMPARE(fasteners.join(" | "),
             "surface_screw 4.5x45 578/640 | surface_screw 4.5x35 578/640 | frame_screw 6x80 "
             "96/110 | frame_screw 6x60 240/270 | toe_screw 6x60 192/220 | lag_screw 8x130 16/18");
    const QJsonObject settings = plan["settings"].toObject();
    QVERIFY(nearAll(numbers(settings["post"]), {89, 89}));
    QVERIFY(nearAll(numbers(settings["stock"]), {2400, 3000, 3600, 4800}));
    const QJsonArray timber = plan["timber"].toArray();
    QCOMPARE(timber.size(), 1);
    QCOMPARE(timber[0]["bought"].toDouble(), 82800.0);
    QVERIFY(timber[0]["optimal"].toBool());
    QVERIFY(timber[0]["lower_bound"].toDouble() > 82000);
    double boards = 0;
    for (const QJsonValue& b : timber[0]["boards"].toArray())
        boards += b["stock"].toDouble() * b["count"].toInt();
    QCOMPARE(boards, 82800.0);
    const QJsonObject cost = plan["cost"].toObject();
    QVERIFY(cost["indicative"].toBool());
    QCOMPARE(cost["currency"].toString(), QStringLiteral("€"));
    double total = 0;
    for (const QJsonValue& l : cost["lines"].toArray())
        total += l["price"].toDouble();
    QCOMPARE(qRound64(total * 100), qRound64(cost["total"].toDouble() * 100));
}

// Decks on frames 300 mm long behind the panels: two legs a line, 789 - 89
// high, braced; two bolts a bay between the rims.
void TestConstructionCommands::planJsonDeckFrames() {
    const QString prices =
        writeDesign(m_dir, "prices.ini", "[prices]\nbolt = 2.5\ncurrency = CHF\n");
    const Run run = runCli({"plan", "--json", "--back", "300,300", "--prices", prices, m_default});
    QCOMPARE(run.status, 0);
    const QJsonObject plan = QJsonDocument::fromJson(run.out).object();
    for (const char* deck : {"left_deck", "right_deck"}) {
        const QJsonObject f = plan["frame"].toObject()[QLatin1String(deck)].toObject();
        QCOMPARE(f["kind"].toString(), QStringLiteral("legs"));
        const QJsonObject legs = f["legs"].toObject();
        QCOMPARE(legs["per_line"].toInt(), 2);
        QCOMPARE(legs["count"].toInt(), 10);
        QCOMPARE(legs["length"].toDouble(), 700.0);
        QVERIFY(nearAll(numbers(legs["positions"]), {44.5, 255.5}));
        QCOMPARE(f["braces"].toArray().size(), 3);
        QCOMPARE(f["rims"].toObject()["panel"].toObject()["count"].toInt(), 4);
        QCOMPARE(f["stringers"].toObject()["joints"].toArray().size(), 0);
    }
    const QJsonObject cost = plan["cost"].toObject();
    QVERIFY(!cost["indicative"].toBool());
    QCOMPARE(cost["currency"].toString(), QStringLiteral("CHF"));
    // 16 bolts, 18 bought at 2.50.
    bool bolts = false;
    for (const QJsonValue& l : cost["lines"].toArray())
        if (l["item"].toString() == QStringLiteral("bolt M10x100"))
            bolts = l["quantity"].toInt() == 18 && l["price"].toDouble() == 45.0;
    QVERIFY(bolts);
}

void TestConstructionCommands::surfaceSheets_data() {
    QTest::addColumn<QString>("dims");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<QString>("narrow");
    const QString standard = "60 140 70 140 244 70 140 60";
    QTest::newRow("default") << standard << QStringList{"--sheet", "1220x2440"} << 10 << QString();
    QTest::newRow("244 cm on 4 x 8 ft")
        << standard << QStringList{"--sheet", "1219.2x2438.4"} << 10 << QString();
    QTest::newRow("North American preset")
        << standard << QStringList{"--preset", "na"} << 10 << QString();
    QTest::newRow("246 cm") << "60 140 70 140 246 70 140 60" << QStringList{"--sheet", "1220x2440"}
                            << 12 << "left";
}

void TestConstructionCommands::surfaceSheets() {
    QFETCH(QString, dims);
    QFETCH(QStringList, options);
    QFETCH(int, sheets);
    QFETCH(QString, narrow);
    const QString file = writeDesign(m_dir, "width.qvl", dims.toUtf8() + "\r\n");
    const Run run = runCli(QStringList{"plan", "--json"} + options + QStringList{file});
    QCOMPARE(run.status, 0);
    const QJsonObject plan = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(plan["surface"].toObject()["sheets"].toInt(), sheets);
    const QJsonObject top = plan["surface"].toObject()["layers"].toArray()[0].toObject();
    QCOMPARE(top["narrow_side"].toString(), narrow);
    QVERIFY(plan["warnings"].toArray().isEmpty());
}

// The preset comes first whatever the order: the other options override it.
void TestConstructionCommands::presetUnderTheOtherOptions() {
    const Run run = runCli({"plan", "--json", "--panel", "18", "--preset", "na", m_default});
    QCOMPARE(run.status, 0);
    const QJsonObject settings = QJsonDocument::fromJson(run.out).object()["settings"].toObject();
    QCOMPARE(settings["panel"].toDouble(), 18.0);
    QCOMPARE(settings["sheet"].toArray(), (QJsonArray{1219.2, 2438.4}));
    QCOMPARE(settings["rib"].toArray(), (QJsonArray{88.9, 38.1}));
    QCOMPARE(settings["post"].toArray(), (QJsonArray{88.9, 88.9}));
    QCOMPARE(settings["surface"].toArray(), (QJsonArray{9.5, 9.5}));
    QCOMPARE(settings["stock"].toArray(), (QJsonArray{2438.4, 3048, 3657.6, 4876.8}));
    const Run europe = runCli({"plan", "--json", "--preset", "eu", m_default});
    QCOMPARE(europe.out, runCli({"plan", "--json", m_default}).out);
}

// The lengths / 25.4 to the nearest 1/16 in, the JSON the same in both units.
void TestConstructionCommands::planInInches_data() {
    QTest::addColumn<QString>("article");
    QTest::addColumn<QString>("millimetres");
    QTest::addColumn<QString>("inches");
    QTest::newRow("panel, u_c 1812.44") << "Flanc courbes"
                                        << "1812,4"
                                        << "5' 11 3/8\"";
    QTest::newRow("flat stringer") << "Longeron du plat"
                                   << "1400"
                                   << "4' 7 1/8\"";
    QTest::newRow("deck joist") << "Solive plate-forme gauche"
                                << "587,5"
                                << "23 1/8\"";
    QTest::newRow("flat joist") << "Solive du plat"
                                << "567,5"
                                << "22 5/16\"";
    QTest::newRow("panel sheet") << "Feuille pour flancs"
                                 << "2440"
                                 << "8' 1/16\"";
}

void TestConstructionCommands::planInInches() {
    QFETCH(QString, article);
    QFETCH(QString, millimetres);
    QFETCH(QString, inches);
    const auto line = [&](const QByteArray& table) {
        for (const QString& l : QString::fromUtf8(table).split(u'\n'))
            if (l.startsWith(article)) return l;
        return QString();
    };
    const Run mm = runCli({"plan", m_default});
    const Run in = runCli({"plan", "--units", "in", m_default});
    QCOMPARE(in.status, 0);
    QVERIFY2(line(mm.out).contains(u' ' + millimetres + u' '), qPrintable(line(mm.out)));
    QVERIFY2(line(in.out).contains(u' ' + inches + u' '), qPrintable(line(in.out)));
    QCOMPARE(runCli({"plan", "--json", "--units", "in", m_default}).out,
             runCli({"plan", "--json", m_default}).out);
}

void TestConstructionCommands::optionsOverrideTheFileLine() {
    const QString withLine =
        writeDesign(m_dir, "layers.qvl",
                    "60 140 70 140 244 70 140 60\r\nconstruction: surface=6,6,6 kerf=3\r\n");
    const Run fromFile = runCli({"plan", "--json", withLine});
    const Run fromOptions = runCli({"plan", "--json", "--surface", "6,6,6", "--kerf=3", m_default});
    QCOMPARE(fromFile.status, 0);
    QCOMPARE(fromOptions.out, fromFile.out);
    const QJsonObject surface =
        QJsonDocument::fromJson(fromFile.out).object()["surface"].toObject();
    QCOMPARE(surface["layers"].toArray().size(), 3);
    // An option wins over the file's own line.
    const Run overridden = runCli({"plan", "--json", "--kerf", "4", withLine});
    QCOMPARE(
        QJsonDocument::fromJson(overridden.out).object()["settings"].toObject()["kerf"].toDouble(),
        4.0);
}

// Each row of the settings table is an option the usage names with its
// default, and a member of the JSON's settings.
void TestConstructionCommands::everySettingIsAnOption() {
    const Run help = runCli({"plan", "--help"});
    const Run json = runCli({"plan", "--json", m_default});
    QCOMPARE(help.status, 0);
    const QJsonObject settings = QJsonDocument::fromJson(json.out).object()["settings"].toObject();
    QCOMPARE(settings.size(), qsizetype(constructionSettingRows().size()));
    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        const QByteArray value = row.kind == SettingKind::Sides ? "-,-" : row.defaultText;
        if (row.kind != SettingKind::Sides) {
            const QByteArray option = "--" + QByteArray(row.key) + ' ' + value;
            const qsizetype at = help.out.indexOf(option);
            QVERIFY2(at >= 0 && QByteArrayView(" \n").contains(help.out[at + option.size()]),
                     row.key);
        }
        QVERIFY2(settings.contains(QLatin1String(row.key)), row.key);
        const Run given =
            runCli({"plan", "--json", "--" + QString::fromLatin1(row.key), value, m_default});
        QCOMPARE(given.out, json.out);
    }
}

void TestConstructionCommands::failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("designBytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the start of standard error
    const QByteArray good = "60 140 70 140 244 70 140 60\r\n";
    QTest::newRow("bad option value") << QStringList{"plan", "--panel", "50"} << good << 2
                                      << "Option incorrecte : --panel 50 (9 à 40)";
    QTest::newRow("bad preset") << QStringList{"plan", "--preset", "us"} << good << 2
                                << "Option incorrecte : --preset us (eu ou na)";
    QTest::newRow("bad unit") << QStringList{"plan", "--units", "cm"} << good << 2
                              << "Option incorrecte : --units cm (mm ou in)";
    QTest::newRow("unknown option")
        << QStringList{"plan", "--legs", "4"} << good << 2 << "unknown option: --legs";
    QTest::newRow("bad file line")
        << QStringList{"plan"} << QByteArray(good + "construction: panel=50\r\n") << 1
        << "Réglage de construction incorrect : panel=50 (9 à 40)";
    QTest::newRow("unknown key in file")
        << QStringList{"plan"} << QByteArray(good + "construction: colour=red\r\n") << 1
        << "Réglage de construction incorrect : colour=red (réglage inconnu)";
    QTest::newRow("dimensions refused") << QStringList{"plan"} << QByteArray("0 0 0 0 244 0 0 0")
                                        << 1 << "Dimensions incorrectes : ";
    QTest::newRow("bad number") << QStringList{"plan"} << QByteArray("60 x 70") << 2
                                << "Saisie numérique incorrecte.";
    QTest::newRow("back beyond the deck") << QStringList{"plan", "--back", "700,-"} << good << 1
                                          << "Réglage de construction incorrect : back=";
    QTest::newRow("curve too low for the pipe")
        << QStringList{"plan"} << QByteArray("60 140 3 140 244 70 140 60") << 1
        << "Réglage de construction incorrect : coping=";
    QTest::newRow("flat under the rib depth")
        << QStringList{"plan", "--flat", "60", "--rib", "89x70"} << good << 1
        << "Réglage de construction incorrect : flat=60";
    QTest::newRow("bad stock option")
        << QStringList{"plan", "--stock", "2400,900"} << good << 2
        << "Option incorrecte : --stock 2400,900 (1 à 8 longueurs, chacune de 1000 à 7200)";
    QTest::newRow("bad post option") << QStringList{"plan", "--post=89x30"} << good << 2
                                     << "Option incorrecte : --post 89x30 (38 à 200 x 38 à 200)";
    // Three panel lines: ribs of 1193, longer than a 1000 mm board.
    QTest::newRow("rib longer than the stock")
        << QStringList{"plan", "--spacing", "1220", "--stock", "1000"} << good << 1
        << "Réglage de construction incorrect : stock=1000 (tasseau de 1193 mm : aucune longueur "
           "en vente n'est assez longue)";
    QTest::newRow("csv and json") << QStringList{"plan", "--csv", "--json"} << good << 2
                                  << "--csv and --json";
    QTest::newRow("no price file") << QStringList{"plan", "--prices", m_dir.filePath("nowhere.ini")}
                                   << good << 2 << "Fichier introuvable";
    QTest::newRow("bad price file")
        << QStringList{"plan", "--prices", writeDesign(m_dir, "bad.ini", "[prices]\nwood = 2\n")}
        << good << 2 << "Fichier de prix incorrect : wood (clé inconnue)";
    QTest::newRow("bad price") << QStringList{"plan", "--prices",
                                              writeDesign(m_dir, "bad2.ini", "[prices]\nglue=x\n")}
                               << good << 2 << "Fichier de prix incorrect : glue=x (";
    QTest::newRow("deck frame too short") << QStringList{"plan", "--back", "500,-"} << good << 1
                                          << "Réglage de construction incorrect : back=500,- (";
    QTest::newRow("cut to a pdf") << QStringList{"cut"} << good << 2
                                  << "OUT must end in .dxf or .svg";
    QTest::newRow("render to a pdf")
        << QStringList{"render"} << good << 2 << "OUT must end in .bmp";
    QTest::newRow("template bad paper") << QStringList{"template", "--paper", "a5"} << good << 2
                                        << "Option incorrecte : --paper a5";
    QTest::newRow("template bad overlap") << QStringList{"template", "--overlap", "60"} << good << 2
                                          << "Option incorrecte : --overlap 60 (5 à 50)";
}

void TestConstructionCommands::failures() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, designBytes);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QString design = writeDesign(m_dir, "failing.qvl", designBytes);
    QStringList full = args;
    full << design;
    if (args.first() != "plan") full << m_dir.filePath("out.pdf");
    const Run run = runCli(full);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).startsWith(message), run.err.constData());
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath("out.pdf")));
}

void TestConstructionCommands::outputsRefusedLeaveNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("out");
    QTest::newRow("cut, unknown extension") << "cut"
                                            << "panels.dwg";
    QTest::newRow("cut, missing folder") << "cut"
                                         << "nowhere/panels.dxf";
    QTest::newRow("template, not pdf") << "template"
                                       << "panels.png";
    QTest::newRow("template, missing folder") << "template"
                                              << "nowhere/panels.pdf";
}

void TestConstructionCommands::outputsRefusedLeaveNothing() {
    QFETCH(QString, command);
    QFETCH(QString, out);
    const QString path = m_dir.filePath(out);
    const Run run = runCli({command, m_default, path});
    QCOMPARE(run.status, 2);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFile::exists(path));
    // No temporary file left behind either.
    QCOMPARE(QDir(m_dir.path())
                 .entryList({"*.tmp", ".*tmp*", "*.pdf.*", "*.dxf.*"}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestConstructionCommands::csvAndText() {
    const Run csv = runCli({"plan", "--csv", m_default});
    QCOMPARE(csv.status, 0);
    const QList<QByteArray> lines = csv.out.split('\n');
    QCOMPARE(
        lines.first(),
        QByteArray("article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque,prix\r"));
    QVERIFY(csv.out.contains("Flanc courbes gauche et droite,10,1812.4,789,18,"));
    QVERIFY(csv.out.contains("Feuille pour flancs,5,2440,1220,18,"));
    // Bought lines priced: 640 screws at 4 a hundred; the total last, indicative.
    QVERIFY(csv.out.contains("Vis de surface 4,5 × 45\",640,,,,à poser : 578,25.60\r"));
    QVERIFY(lines[lines.size() - 2].startsWith("Total,,,,,"));
    QVERIFY(lines[lines.size() - 2].contains("prix indicatifs"));
    const Run text = runCli({"plan", m_default});
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.contains("Flanc courbes gauche et droite"));
    QVERIFY(text.out.contains("Bois 89 × 38 en 4800"));
    QVERIFY(text.out.contains("Total : "));
    // The text table is for people, French: decimal commas; the CSV keeps points.
    QVERIFY(text.out.contains(" 1812,4 "));
    QVERIFY(text.out.contains("25,60 €"));
    QVERIFY(!QRegularExpression(QStringLiteral("[0-9][.][0-9]"))
                 .match(QString::fromUtf8(text.out))
                 .hasMatch());
}

void TestConstructionCommands::computingCommandsLoadNoGui() {
    // plan and cut must start as fast as a bare Qt Core program: the
    // program that runs them may not even be linked against Qt Gui, and
    // quarvel-cli, which hands them over, needs the C library alone (and
    // the sanitizers' run-time libraries in a build with them).
    const auto output = [](const char* tool, const QStringList& args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(tool, args);
        return p.waitForFinished(30000) ? p.readAllStandardOutput() : QByteArray();
    };
    const QByteArray launcher = output("readelf", {"-d", QUARVEL_CLI_PATH});
    if (launcher.isEmpty()) QSKIP("readelf not available");
    QVERIFY(launcher.contains("[libc.so"));
    QVERIFY(!launcher.contains("libQt6"));
    // The sanitizers' run-time libraries bring the C++ ones with them.
    if (!launcher.contains("libasan")) QVERIFY(!launcher.contains("libstdc++"));
    const QByteArray libraries = output("ldd", {QUARVEL_CLI_CORE_PATH});
    QVERIFY(libraries.contains("libQt6Core"));
    QVERIFY(!libraries.contains("libQt6Gui"));
    QVERIFY(!libraries.contains("libQt6Widgets"));
    // A cut file is written by that process alone.
    const QString out = m_dir.filePath("panels.svg");
    QCOMPARE(runCli({"cut", m_default, out}).status, 0);
    QVERIFY(QFileInfo(out).size() > 0);
}

void TestConstructionCommands::launcherHandsOver_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("program");
    const QString core = QStringLiteral("quarvel-cli-core");
    const QString gui = QStringLiteral("quarvel-cli-gui");
    QTest::newRow("plan") << QStringList{"plan", "d.qvl"} << core;
    QTest::newRow("cut") << QStringList{"cut", "--sheets", "d.qvl", "o.dxf"} << core;
    QTest::newRow("trace --plot last") << QStringList{"trace", "d.qvl", "--plot"} << core;
    QTest::newRow("trace --plot first") << QStringList{"trace", "--plot", "9x9", "d.qvl"} << core;
    QTest::newRow("trace") << QStringList{"trace", "d.qvl"} << gui;
    QTest::newRow("trace --plotter") << QStringList{"trace", "--plotter", "d.qvl"} << gui;
    QTest::newRow("planx") << QStringList{"planx", "d.qvl"} << gui;
    QTest::newRow("render") << QStringList{"render", "d.qvl", "o.bmp"} << gui;
    QTest::newRow("template") << QStringList{"template", "d.qvl", "o.pdf"} << gui;
    QTest::newRow("no command") << QStringList{} << gui;
}

void TestConstructionCommands::launcherHandsOver() {
    // quarvel-cli alone in a folder: the program it would become is missing,
    // so the message names which one it chose.
    QFETCH(QStringList, args);
    QFETCH(QString, program);
    QTemporaryDir alone;
    const QString launcher = alone.filePath(QStringLiteral("quarvel-cli"));
    QVERIFY(QFile::copy(QStringLiteral(QUARVEL_CLI_PATH), launcher));
    const Run run = runCli(args, launcher);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("quarvel-cli: cannot start %1/%2 (error 2)\n")
                 .arg(QFileInfo(alone.path()).canonicalFilePath(), program));
}

void TestConstructionCommands::fullDiskKeepsTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");
    QTest::newRow("dxf over a file") << "old.dxf" << true;
    QTest::newRow("svg over a file") << "old.svg" << true;
    QTest::newRow("new dxf") << "new.dxf" << false;
}

void TestConstructionCommands::fullDiskKeepsTheOldFile() {
    QFETCH(QString, name);
    QFETCH(bool, existing);
    SmallDisk disk;
    if (!disk.mounted()) QSKIP(qPrintable(disk.reason()));
    const QString out = disk.filePath(name);
    if (existing) {
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QCOMPARE(old.write("old content"), 11);
    }
    QVERIFY(disk.fill());
    const Run run = runCli({"cut", m_default, out});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, QByteArray("Plus de place sur le disque.\n"));
    QCOMPARE(QFile::exists(out), existing);
    if (existing) {
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old content"));
    }
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), existing ? 2 : 1);
}

// A design on standard input is read as a file is, within the same limit:
// past 16 MiB the data counts as ended, so an endless source cannot hold the
// command. Here the numbers come just after that limit.
void TestConstructionCommands::standardInputIsReadAsAFile_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out"); // a file the command writes
    QTest::newRow("trace") << QStringList{"trace", "--plot", "745x323"} << "";
    QTest::newRow("plan") << QStringList{"plan", "--json"} << "";
    QTest::newRow("cut") << QStringList{"cut"} << "panels.dxf";
    QTest::newRow("render") << QStringList{"render"} << "picture.bmp";
}

void TestConstructionCommands::standardInputIsReadAsAFile() {
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    const QByteArray late =
        QByteArray(16 * 1024 * 1024 + 10, ' ') + "60 140 70 140 244 70 140 60\r\n";
    const QString design = writeDesign(m_dir, "late.qvl", late);
    QVERIFY(!design.isEmpty());
    const auto run = [&](const QString& file, const QString& written) {
        QStringList full = args;
        full << file;
        if (!out.isEmpty()) full << m_dir.filePath(written);
        return runCli(full, QStringLiteral(QUARVEL_CLI_PATH), Streams{design, {}});
    };
    const Run fromFile = run(design, "1-" + out);
    const Run fromInput = run("-", "2-" + out);
    QVERIFY2(fromFile.status == 1 || fromFile.status == 0, fromFile.err.constData());
    QCOMPARE(fromInput.status, fromFile.status);
    QCOMPARE(fromInput.err, fromFile.err);
    QCOMPARE(fromInput.out, fromFile.out);
    const auto written = [&](const QString& name) {
        QFile f(m_dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    };
    if (!out.isEmpty()) QCOMPARE(written("2-" + out), written("1-" + out));
}

// Output that cannot be written is a failure said in words, whichever
// program writes it.
void TestConstructionCommands::fullStandardOutput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("usage") << QStringList{"--help"};
    QTest::newRow("plan") << QStringList{"plan", "@"};
    QTest::newRow("trace") << QStringList{"trace", "@"};
}

void TestConstructionCommands::fullStandardOutput() {
    QFETCH(QStringList, args);
    if (!QFileInfo::exists("/dev/full")) QSKIP("no /dev/full on this system");
    args.replaceInStrings("@", m_default);
    const Run run = runCli(args, QStringLiteral(QUARVEL_CLI_PATH), Streams{{}, "/dev/full"});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, QByteArray("Plus de place sur le disque.\n"));
}

QTEST_GUILESS_MAIN(TestConstructionCommands)
#include "test_constructioncommands.moc"
