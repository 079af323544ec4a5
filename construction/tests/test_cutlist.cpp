#include "cutlist.h"

#include <QtTest>

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

} // namespace

class TestCutList : public QObject {
    Q_OBJECT
private slots:
    void defaultRows_data();
    void defaultRows();
    void csvReadsBackRowForRow();
    void textTableKeepsColumnsAligned();
};

void TestCutList::defaultRows_data() {
    QTest::addColumn<QString>("article");
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("length");
    QTest::newRow("left panels") << "Flanc courbe gauche" << 5 << 1812.4355652982142;
    QTest::newRow("panel sheets") << "Feuille pour flancs" << 5 << 2440.0;
    QTest::newRow("top layer") << "Contreplaqué de surface, couche 1" << 5 << 2440.0;
    QTest::newRow("bottom layer") << "Contreplaqué de surface, couche 2" << 5 << 2440.0;
    QTest::newRow("flat joists") << "Solive du plat" << 6 << 2440.0;
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
    QCOMPARE(csv.size(), qsizetype(rows.size()) + 1);
    QCOMPARE(csv.first().join(u','),
             QStringLiteral("article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque"));
    bool sawComma = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QStringList& fields = csv[qsizetype(i) + 1];
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[0], rows[i].article);
        QCOMPARE(fields[5], rows[i].remark);
        if (rows[i].quantity > 0) QCOMPARE(fields[1].toInt(), rows[i].quantity);
        sawComma = sawComma || rows[i].remark.contains(u',');
    }
    QVERIFY(sawComma);
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

QTEST_GUILESS_MAIN(TestCutList)
#include "test_cutlist.moc"
