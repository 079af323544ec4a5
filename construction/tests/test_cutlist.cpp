#include "cutlist.h"

#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

// A minimal CSV reader: quoted fields with doubled quotes, CR LF rows.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

// Feet and inches as a tape measure reads them ("5' 11 3/8\"", "3/8\"", "2'"),
// in inches; -1 when the text is none of these.
double tapeInches(const QString& text) {
    static const QRegularExpression tape(
        QStringLiteral(R"(^(?:(\d+)')?(?: ?(\d+)(?= |"))?(?: ?(\d+)/(\d+))?"?$)"));
    const QRegularExpressionMatch m = tape.match(text);
    if (text.isEmpty() || !m.hasMatch()) return -1;
    double inches = m.captured(1).toDouble() * 12 + m.captured(2).toDouble();
    if (m.hasCaptured(3)) inches += m.captured(3).toDouble() / m.captured(4).toDouble();
    return inches;
}

} // namespace

class TestCutList : public QObject {
    Q_OBJECT
private slots:
    void defaultRows_data();
    void defaultRows();
    void csvReadsBackRowForRow();
    void textTableKeepsColumnsAligned();
    void csvInInches();
    void remarksInTheUnit_data();
    void remarksInTheUnit();
    void unprovenTimberShowsItsBound();
};

void TestCutList::defaultRows_data() {
    QTest::addColumn<QString>("article");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("length");
    // The two curves alike: one distinct panel, cut ten times.
    QTest::newRow("panels") << "Flanc courbes gauche et droite" << 10 << 1812.4355652982142;
    QTest::newRow("panel sheets") << "Feuille pour flancs" << 5 << 2440.0;
    QTest::newRow("top layer") << "Contreplaqué de surface, couche 1" << 5 << 2440.0;
    QTest::newRow("bottom layer") << "Contreplaqué de surface, couche 2" << 5 << 2440.0;
    QTest::newRow("flat joists, inner bays") << "Solive du plat" << 16 << 567.5;
    QTest::newRow("flat stringers") << "Longeron du plat" << 5 << 1400.0;
    QTest::newRow("deck joists") << "Solive plate-forme gauche" << 8 << 587.5;
    QTest::newRow("coping blocks") << "Cale de coping, plate-forme droite" << 4 << 587.5;
    QTest::newRow("coping") << "Coping (tube acier)" << 2 << 2440.0;
}

void TestCutList::defaultRows() {
    QFETCH(QString, article);
    QFETCH(int, quantity);
    QFETCH(double, length);
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    const std::vector<CutListRow> rows = cutListRows(plan);
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const CutListRow& r) { return r.article == article; });
    QVERIFY(row != rows.end());
    QCOMPARE(row->quantity, quantity);
    QCOMPARE(row->length, length);
}

void TestCutList::csvReadsBackRowForRow() {
    // A split panel brings a warning with commas in it: quoted in the CSV.
    RampDimensions wall;
    wall.R1 = 150;
    wall.H1 = 200;
    const ConstructionPlan plan = buildConstructionPlan(wall, ConstructionSettings{});
    const std::vector<CutListRow> rows = cutListRows(plan);
    const QList<QStringList> csv = readCsv(QString::fromUtf8(planCsv(plan)));
    // The header, a line a row, the total.
    QCOMPARE(csv.size(), qsizetype(rows.size()) + 2);
    QCOMPARE(
        csv.first().join(u','),
        QStringLiteral("article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque,prix"));
    bool sawComma = false;
    long long cents = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& fields = csv[qsizetype(i) + 1];
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[0], rows[i].article);
        QCOMPARE(fields[5], rows[i].remark);
        if (rows[i].quantity > 0) QCOMPARE(fields[1].toInt(), rows[i].quantity);
        sawComma = sawComma || rows[i].remark.contains(u',');
        cents += qRound64(fields[6].toDouble() * 100);
    }
    QVERIFY(sawComma);
    // The total is the priced rows' sum.
    QCOMPARE(csv.last()[0], QStringLiteral("Total"));
    QCOMPARE(qRound64(csv.last()[6].toDouble() * 100), cents);
    QVERIFY(cents > 0);
}

void TestCutList::textTableKeepsColumnsAligned() {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    const QStringList lines = QString::fromUtf8(planText(plan)).split(u'\n');
    // Every table row (not the indented remarks) is as wide as the header.
    const qsizetype width = lines.first().size();
    int tableRows = 0;
    for (const QString& line : lines) {
        if (line.isEmpty()) break;
        if (line.startsWith(QLatin1String("    "))) continue;
        QCOMPARE(line.size(), width);
        ++tableRows;
    }
    QVERIFY(tableRows > 8);
}

// Each length cell is the row's millimetres / 25.4 to the nearest 1/16 in,
// each thickness to 1/32 in; the headings name the unit; the sections are
// named by their nominal sizes (89 x 38 is a 2x4).
void TestCutList::csvInInches() {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    const std::vector<CutListRow> rows = cutListRows(plan);
    const QList<QStringList> csv =
        readCsv(QString::fromUtf8(planCsv(plan, {}, LengthUnit::Inches)));
    QCOMPARE(csv.first().join(u','),
             QStringLiteral("article,quantité,longueur (po),largeur (po),épaisseur (po),remarque,"
                            "prix"));
    const auto check = [](const QString& cell, double millimetres, int parts) {
        if (millimetres <= 0) return cell.isEmpty();
        return tapeInches(cell) == std::round(millimetres / 25.4 * parts) / parts;
    };
    bool sawFeet = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& fields = csv[qsizetype(i) + 1];
        QVERIFY2(check(fields[2], rows[i].length, 16), qPrintable(fields.join(u'|')));
        QVERIFY2(check(fields[3], rows[i].width, 16), qPrintable(fields.join(u'|')));
        QVERIFY2(check(fields[4], rows[i].thickness, 32), qPrintable(fields.join(u'|')));
        sawFeet = sawFeet || fields[2].contains(u'\'');
    }
    QVERIFY(sawFeet);
    QCOMPARE(csv[1][2], QStringLiteral("5' 11 3/8\""));
    QCOMPARE(csv[1][4], QStringLiteral("23/32\"")); // 18 mm
    const auto board = std::find_if(csv.begin(), csv.end(), [](const QStringList& row) {
        return row[0].startsWith(QStringLiteral("Bois "));
    });
    QVERIFY(board != csv.end());
    QVERIFY2(board->at(0).startsWith(QStringLiteral("Bois 2×4 en ")), qPrintable(board->at(0)));
}

// The remarks' lengths in the unit of the table, against worked values of the
// default design: the pivot 1507 mm above the ground is 4' 11 5/16", the frame
// radius 1418 mm 4' 7 13/16", the deck joists at 44.5, 290.7 and 537 mm
// 1 3/4", 11 7/16" and 21 1/8", the 60.3 mm coping 2 3/8". The CSV carries
// them; the text table says nothing stays in millimetres.
void TestCutList::remarksInTheUnit_data() {
    QTest::addColumn<bool>("inches");
    QTest::addColumn<QString>("article");
    QTest::addColumn<QString>("remark");
    QTest::newRow("panel") << true << "Flanc courbes gauche et droite"
                           << "pivot 4' 11 5/16\" au-dessus du sol, rayon du cadre 4' 7 13/16\"";
    QTest::newRow("deck joists") << true << "Solive plate-forme gauche"
                                 << "axes à 1 3/4\" ; 11 7/16\" ; 21 1/8\" de l'arrière";
    QTest::newRow("coping") << true << "Coping (tube acier)"
                            << "diamètre extérieur 2 3/8\", schedule 40 en général";
    QTest::newRow("deck joists, mm") << false << "Solive plate-forme gauche"
                                     << "axes à 44.5 ; 290.7 ; 537 mm de l'arrière";
}

void TestCutList::remarksInTheUnit() {
    QFETCH(bool, inches);
    QFETCH(QString, article);
    QFETCH(QString, remark);
    const LengthUnit unit = inches ? LengthUnit::Inches : LengthUnit::Millimetres;
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    const std::vector<CutListRow> rows = cutListRows(plan, {}, unit);
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const CutListRow& r) { return r.article == article; });
    QVERIFY(row != rows.end());
    QCOMPARE(row->remark, remark);
    const QList<QStringList> csv = readCsv(QString::fromUtf8(planCsv(plan, {}, unit)));
    QVERIFY(std::any_of(csv.begin(), csv.end(),
                        [&](const QStringList& r) { return r[0] == article && r[5] == remark; }));
    const QString text = QString::fromUtf8(planText(plan, {}, unit));
    QVERIFY2(text.endsWith(inches ? QStringLiteral("\nLongueurs en pieds et pouces.\n")
                                  : QStringLiteral("\nLongueurs en millimètres.\n")),
             qPrintable(text.right(100)));
}

QTEST_GUILESS_MAIN(TestCutList)
// A total the search has not proven is shown beside the bound, rounded down
// so that "at least" claims no more than the linear programme proves.
void TestCutList::unprovenTimberShowsItsBound() {
    ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    QCOMPARE(plan.timber.size(), std::size_t(1));
    plan.timber[0].cutting.optimal = false;
    plan.timber[0].cutting.lowerBound = 80199.8;
    QStringList remarks;
    for (const CutListRow& row : cutListRows(plan))
        if (row.article.startsWith(QStringLiteral("Bois "))) remarks << row.remark;
    QVERIFY(!remarks.isEmpty());
    QVERIFY2(
        remarks.front().startsWith(QStringLiteral("82.8 m en tout ; il en faut au moins 80.1 m :")),
        qPrintable(remarks.front()));
}

#include "test_cutlist.moc"
