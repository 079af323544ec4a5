#include "constructionsettings.h"
#include "designfile.h"
#include "fileerror.h"

#include <QTemporaryDir>
#include <QtTest>

class TestConstructionSettings : public QObject {
    Q_OBJECT
private slots:
    void acceptedValues_data();
    void acceptedValues();
    void refusedValues_data();
    void refusedValues();
    void lineRoundTrip_data();
    void lineRoundTrip();
    void defaultsWriteNoLine();
    void defaultsAreTheCommonBuild();
    void everyRowAtItsLimits_data();
    void everyRowAtItsLimits();
    void lineErrors_data();
    void lineErrors();
    void flatBelowRibDepth();
    void designFileKeepsTheFirstLine();
    void designFileRefusesBadLineAndKeepsNothing();
    void otherSecondLinesAreIgnored_data();
    void otherSecondLinesAreIgnored();
};

void TestConstructionSettings::acceptedValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored"); // as the file line writes it back
    QTest::newRow("three layers") << "surface"
                                  << "6,6,6"
                                  << "6,6,6";
    QTest::newRow("layer bounds") << "surface"
                                  << "3,25"
                                  << "3,25";
    QTest::newRow("four layers") << "surface"
                                 << "3,3,3,3"
                                 << "3,3,3,3";
    QTest::newRow("one decimal kept") << "panel"
                                      << "18.25"
                                      << "18.3";
    QTest::newRow("trailing zero dropped") << "panel"
                                           << "19.0"
                                           << "19";
    QTest::newRow("back both") << "back"
                               << "300,450.5"
                               << "300,450.5";
    QTest::newRow("back one side") << "back"
                                   << "-,200"
                                   << "-,200";
    QTest::newRow("rib") << "rib"
                         << "38x89"
                         << "38x89";
    QTest::newRow("rib upper case X") << "rib"
                                      << "150X200"
                                      << "150x200";
    QTest::newRow("no coping") << "coping"
                               << "0"
                               << "0";
    QTest::newRow("coping low") << "coping"
                                << "25"
                                << "25";
    QTest::newRow("sheet") << "sheet"
                           << "1250x2500"
                           << "1250x2500";
    QTest::newRow("kerf zero") << "kerf"
                               << "0"
                               << "0";
    QTest::newRow("reveal max") << "reveal"
                                << "15"
                                << "15";
    QTest::newRow("spacing") << "spacing"
                             << "1220"
                             << "1220";
    QTest::newRow("joistspacing") << "joistspacing"
                                  << "200"
                                  << "200";
    QTest::newRow("ribspacing") << "ribspacing"
                                << "100"
                                << "100";
    QTest::newRow("post") << "post"
                          << "38x200"
                          << "38x200";
    QTest::newRow("one stock length") << "stock"
                                      << "7200"
                                      << "7200";
    QTest::newRow("eight stock lengths, any order") << "stock"
                                                    << "4800,1000,2400.25,3000,3600,4200,5400,6000"
                                                    << "4800,1000,2400.3,3000,3600,4200,5400,6000";
}

void TestConstructionSettings::acceptedValues() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    ConstructionSettings s;
    setConstructionSetting(s, key, value);
    QCOMPARE(constructionSettingText(s, key), stored);
}

void TestConstructionSettings::refusedValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("panel high") << "panel"
                                << "50"
                                << "Réglage de construction incorrect : panel=50 (9 à 40)";
    QTest::newRow("panel low") << "panel"
                               << "8.9"
                               << "Réglage de construction incorrect : panel=8.9 (9 à 40)";
    QTest::newRow("five layers")
        << "surface"
        << "3,3,3,3,3"
        << "Réglage de construction incorrect : surface=3,3,3,3,3 (1 à 4 couches, chacune de 3 à "
           "25)";
    QTest::newRow("thin layer") << "surface"
                                << "9,2"
                                << "";
    QTest::newRow("empty layer") << "surface"
                                 << "9,,9"
                                 << "";
    QTest::newRow("coping between") << "coping"
                                    << "10"
                                    << "Réglage de construction incorrect : coping=10 (0, ou 25 "
                                       "à 120)";
    QTest::newRow("thin post") << "post"
                               << "37x89"
                               << "Réglage de construction incorrect : post=37x89 (38 à 200 x 38 "
                                  "à 200)";
    QTest::newRow("nine stock lengths")
        << "stock"
        << "1000,1000,1000,1000,1000,1000,1000,1000,1000"
        << "Réglage de construction incorrect : stock=1000,1000,1000,1000,1000,1000,1000,1000,1000 "
           "(1 à 8 longueurs, chacune de 1000 à 7200)";
    QTest::newRow("short stock") << "stock"
                                 << "2400,999"
                                 << "";
    QTest::newRow("no stock") << "stock"
                              << ""
                              << "";
    QTest::newRow("negative") << "kerf"
                              << "-1"
                              << "";
    QTest::newRow("exponent") << "spacing"
                              << "6e2"
                              << "";
    QTest::newRow("comma decimal") << "panel"
                                   << "18,5"
                                   << "";
    QTest::newRow("empty") << "panel"
                           << ""
                           << "";
    QTest::newRow("nan") << "panel"
                         << "nan"
                         << "";
    QTest::newRow("bare point") << "panel"
                                << "18."
                                << "";
    QTest::newRow("sheet short above long") << "sheet"
                                            << "2000x1500"
                                            << "";
    QTest::newRow("rib without x") << "rib"
                                   << "89"
                                   << "";
    QTest::newRow("back one value") << "back"
                                    << "300"
                                    << "";
    QTest::newRow("unknown key") << "colour"
                                 << "red"
                                 << "Réglage de construction incorrect : colour=red (réglage "
                                    "inconnu)";
}

void TestConstructionSettings::refusedValues() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, message);
    ConstructionSettings s;
    try {
        setConstructionSetting(s, key, value);
        QFAIL("accepted");
    } catch (const ConstructionSettingError& e) {
        if (!message.isEmpty()) QCOMPARE(e.message(), message);
        QVERIFY(e.message().startsWith("Réglage de construction incorrect : " + key + "=" + value +
                                       " ("));
    }
    QCOMPARE(s, ConstructionSettings{}); // nothing half-applied
}

void TestConstructionSettings::lineRoundTrip_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("two keys") << QByteArray("construction: surface=6,6,6 panel=19\r\n");
    QTest::newRow("every key") << QByteArray(
        "construction: surface=12,9.5 panel=19 flat=140 back=300,- spacing=400 rib=38x89 "
        "ribspacing=150 joistspacing=300 coping=48.3 reveal=3 sheet=1250x2500 kerf=6.4\r\n");
    QTest::newRow("no coping") << QByteArray("construction: coping=0\r\n");
    QTest::newRow("post and stock")
        << QByteArray("construction: kerf=3 post=89x140 stock=3000,6000\r\n");
}

void TestConstructionSettings::lineRoundTrip() {
    QFETCH(QByteArray, line);
    const ConstructionSettings s = parseConstructionLine(line.chopped(2));
    QVERIFY(s != ConstructionSettings{});
    QCOMPARE(formatConstructionLine(s), line);
}

void TestConstructionSettings::defaultsWriteNoLine() {
    QCOMPARE(formatConstructionLine(ConstructionSettings{}), QByteArray());
    // Written in a non-default order, or set to the default explicitly, still
    // comes back in the table's order with only what differs.
    const ConstructionSettings s =
        parseConstructionLine("construction: kerf=3 panel=18 surface=9,9 coping=60.3 back=-,-");
    QCOMPARE(formatConstructionLine(s), QByteArray("construction: kerf=3\r\n"));
}

void TestConstructionSettings::defaultsAreTheCommonBuild() {
    const ConstructionSettings s;
    QCOMPARE(s.surface, (std::vector<double>{9, 9}));
    QCOMPARE(s.panel, 18.0);
    QCOMPARE(s.flat, 89.0);
    QVERIFY(!s.backLeft && !s.backRight);
    QCOMPARE(s.spacing, 610.0);
    QCOMPARE(s.ribWidth, 89.0);
    QCOMPARE(s.ribDepth, 38.0);
    QCOMPARE(s.ribSpacing, 200.0);
    QCOMPARE(s.joistSpacing, 400.0);
    QCOMPARE(s.coping, 60.3);
    QCOMPARE(s.reveal, 6.0);
    QCOMPARE(s.sheetShort, 1220.0);
    QCOMPARE(s.sheetLong, 2440.0);
    QCOMPARE(s.kerf, 4.0);
}

void TestConstructionSettings::everyRowAtItsLimits_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("beyond");
    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        const QString lo = formatLength(row.range.low), hi = formatLength(row.range.high);
        const QString past = formatLength(row.range.high + 0.1);
        QString low = lo, high = hi, beyond = past;
        switch (row.kind) {
        case SettingKind::List:
            low = lo;
            high = QStringList(row.maxCount, hi).join(u',');
            beyond = QStringList(row.maxCount + 1, hi).join(u',');
            break;
        case SettingKind::Pair:
            low = lo + u'x' + formatLength(std::max(row.second.low, row.range.low));
            high = formatLength(std::min(row.range.high, row.second.high)) + u'x' +
                   formatLength(row.second.high);
            beyond = hi + u'x' + formatLength(row.second.high + 0.1);
            break;
        case SettingKind::Sides:
            low = lo + QStringLiteral(",-");
            high = QStringLiteral("-,") + hi;
            beyond = past + QStringLiteral(",-");
            break;
        case SettingKind::Length:
            break;
        }
        QTest::newRow(row.key) << QString::fromLatin1(row.key) << low << high << beyond;
    }
}

// Every key of the table takes its range's ends, writes them back as given
// and refuses what lies past them, naming its range.
void TestConstructionSettings::everyRowAtItsLimits() {
    QFETCH(QString, key);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, beyond);
    for (const QString& value : {low, high}) {
        ConstructionSettings s;
        setConstructionSetting(s, key, value);
        QCOMPARE(constructionSettingText(s, key), value);
    }
    ConstructionSettings s;
    QVERIFY_THROWS_EXCEPTION(ConstructionSettingError, setConstructionSetting(s, key, beyond));
    QVERIFY(!constructionSettingRange(key).isEmpty());
    QVERIFY(constructionSettingRange(key) != QStringLiteral("réglage inconnu"));
}

void TestConstructionSettings::lineErrors_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown key") << QByteArray("construction: panel=18 legs=4")
                                 << "Réglage de construction incorrect : legs=4 (réglage inconnu)";
    QTest::newRow("no value") << QByteArray("construction: panel")
                              << "Réglage de construction incorrect : panel= (réglage inconnu)";
    QTest::newRow("out of range") << QByteArray("construction: kerf=13")
                                  << "Réglage de construction incorrect : kerf=13 (0 à 12)";
    QTest::newRow("garbage bytes") << QByteArray("construction: \xff\xfe")
                                   << "Réglage de construction incorrect : \u00ff\u00fe= (réglage "
                                      "inconnu)";
}

void TestConstructionSettings::lineErrors() {
    QFETCH(QByteArray, line);
    QFETCH(QString, message);
    try {
        parseConstructionLine(line);
        QFAIL("accepted");
    } catch (const ConstructionSettingError& e) {
        QCOMPARE(e.message(), message);
    }
}

void TestConstructionSettings::flatBelowRibDepth() {
    // Each value alone is in range; together the ribs would not fit the flat.
    try {
        parseConstructionLine("construction: flat=60 rib=89x70");
        QFAIL("accepted");
    } catch (const ConstructionSettingError& e) {
        QCOMPARE(e.message(), "Réglage de construction incorrect : flat=60 (70 à 300)");
    }
    QCOMPARE(parseConstructionLine("construction: flat=70 rib=89x70").flat, 70.0);
}

void TestConstructionSettings::designFileKeepsTheFirstLine() {
    QTemporaryDir dir;
    const QString path = dir.filePath("r.qvl");
    Design design;
    writeDesignFile(path, design, FileKinds::RegularOnly);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("60 140 70 140 244 70 140 60\r\n"));
    file.close();

    design.dims.W = 488;
    setConstructionSetting(design.settings, u"surface", u"6,6,6");
    writeDesignFile(path, design, FileKinds::RegularOnly);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("60 140 70 140 488 70 140 60\r\nconstruction: surface=6,6,6\r\n"));
    file.close();
    QCOMPARE(readDesignFile(path), design);
}

void TestConstructionSettings::designFileRefusesBadLineAndKeepsNothing() {
    QVERIFY_THROWS_EXCEPTION(ConstructionSettingError,
                             parseDesign("1 2 3 4 5 6 7 8\r\nconstruction: panel=99\r\n"));
    // A bad number in the first line is reported first, as it always was.
    try {
        parseDesign("1 2 x 4 5 6 7 8\r\nconstruction: panel=99\r\n");
        QFAIL("accepted");
    } catch (const FileError& e) {
        QCOMPARE(e.code(), FileError::invalidNumber);
    }
}

void TestConstructionSettings::otherSecondLinesAreIgnored_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("panel");
    QTest::newRow("comment") << QByteArray("1 2 3 4 5 6 7 8\r\nmade by hand\r\n") << 18;
    QTest::newRow("third line") << QByteArray("1 2 3 4 5 6 7 8\r\n\r\nconstruction: panel=12\r\n")
                                << 18;
    QTest::newRow("lf only") << QByteArray("1 2 3 4 5 6 7 8\nconstruction: panel=12\n") << 12;
    QTest::newRow("numbers over lines")
        << QByteArray("1 2 3 4\r\n5 6 7 8\r\nconstruction: panel=12") << 12;
    QTest::newRow("no line end") << QByteArray("1 2 3 4 5 6 7 8") << 18;
    QTest::newRow("capitalised") << QByteArray("1 2 3 4 5 6 7 8\r\nConstruction: panel=12\r\n")
                                 << 18;
}

void TestConstructionSettings::otherSecondLinesAreIgnored() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, panel);
    const Design d = parseDesign(bytes);
    QCOMPARE(d.dims.P2, 8);
    QCOMPARE(d.settings.panel, double(panel));
}

QTEST_GUILESS_MAIN(TestConstructionSettings)
#include "test_constructionsettings.moc"
