#include "constructionplan.h"
#include "timberlist.h"
#include "timbersection.h"

#include <QStringList>
#include <QTest>

using Lengths = QList<double>;

namespace {

// "89x38: rib 587.5x72, ... | 89x89: leg 700x20": every section's pieces.
QString piecesText(const std::vector<TimberSection>& timber) {
    QStringList sections;
    for (const TimberSection& t : timber) {
        QStringList pieces;
        for (const TimberPiece& p : t.pieces)
            pieces
                << QStringLiteral("%1 %2x%3").arg(p.article, formatLength(p.length)).arg(p.count);
        sections << QStringLiteral("%1x%2: %3")
                        .arg(formatLength(t.section[0]), formatLength(t.section[1]),
                             pieces.join(QStringLiteral(", ")));
    }
    return sections.join(QStringLiteral(" | "));
}

ConstructionSettings settingsOf(const QString& line, const Lengths& stock) {
    ConstructionSettings s = parseConstructionLine(line.toUtf8());
    if (!stock.isEmpty()) s.stock.assign(stock.begin(), stock.end());
    return s;
}

RampDimensions withFlat(qint32 flat) {
    RampDimensions d;
    d.F = flat;
    return d;
}

} // namespace

class TestTimberList : public QObject {
    Q_OBJECT
private slots:
    void sections_data();
    void sections();
    void jointsOverDoubledJoists();
    void tooLong_data();
    void tooLong();
    void sectionNames_data();
    void sectionNames();
};

void TestTimberList::sections_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<Lengths>("stock");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<Lengths>("bought"); // m, each section's least
    // 9 stations × 4 bays a curve, 3 deck joists a bay (one the coping
    // block), 5 flat stringers, 8 flat joists a bay: 45 pieces of 587.5 and
    // 16 of 557.5 and 567.5 fit 82.8 m at the least.
    QTest::newRow("default")
        << RampDimensions{} << QString() << Lengths{}
        << "89x38: rib 587.5x72, deck_joist 587.5x16, coping_block 587.5x8, flat_stringer "
           "1400x5, flat_joist 567.5x16, flat_joist 557.5x16"
        << Lengths{82.8};
    // The flat's frame deeper than the rib timber: its own section; legs of
    // the post section, 840 - 89 high; braces (across 605.5 and 570, along
    // 211) and rims (back and front between stringers, the panels' between
    // panels) of the rib timber.
    QTest::newRow("decks on legs, deep flat")
        << RampDimensions{} << "flat=140 back=300,300" << Lengths{}
        << "89x38: rib 587.5x72, coping_block 587.5x8, deck_stringer 300x10, rim 567.5x8, rim "
           "557.5x8, rim 587.5x8, brace 965x8, brace 943x8, brace 781x10 | 89x89: leg "
           "751x20 | 140x38: flat_stringer 1400x5, flat_joist 567.5x16, flat_joist 557.5x16"
        << Lengths{};
    // Ripped to 60 mm, the flat's frame is still the rib timber. A 3 m flat
    // on 1 m boards: each stringer in three pieces of 1000.
    QTest::newRow("ripped flat, short stock")
        << withFlat(300) << "flat=60" << Lengths{1000}
        << "89x38: rib 587.5x72, deck_joist 587.5x16, coping_block 587.5x8, flat_stringer "
           "1000x15, flat_joist 567.5x32, flat_joist 557.5x32"
        << Lengths{};
}

void TestTimberList::sections() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    QFETCH(Lengths, stock);
    QFETCH(QString, pieces);
    QFETCH(Lengths, bought);
    const ConstructionPlan plan = buildConstructionPlan(dims, settingsOf(settings, stock));
    QCOMPARE(piecesText(plan.timber), pieces);
    for (qsizetype i = 0; i < bought.size(); ++i) {
        QCOMPARE(plan.timber[std::size_t(i)].cutting.bought, bought[i] * 1000);
        QVERIFY(plan.timber[std::size_t(i)].cutting.optimal);
    }
    // Every piece cut from a board.
    for (const TimberSection& t : plan.timber) {
        int wanted = 0, cut = 0;
        for (const TimberPiece& p : t.pieces)
            wanted += p.count;
        for (const TimberBoard& b : boardsByLength(t.cutting))
            cut += b.count * int(b.cuts.size());
        QCOMPARE(cut, wanted);
    }
}

// A stringer longer than every board is joined where two joists stand side
// by side, each piece's end on its own.
void TestTimberList::jointsOverDoubledJoists() {
    const ConstructionPlan plan = buildConstructionPlan(withFlat(300), settingsOf({}, {1000}));
    const std::vector<double>& joints = plan.flatFrame->joints;
    QCOMPARE(joints.size(), std::size_t(2));
    const std::vector<double>& joists = plan.flat->stations;
    for (double joint : joints) {
        bool doubled = false;
        for (std::size_t i = 0; i + 1 < joists.size(); ++i)
            doubled = doubled || (std::abs(joists[i + 1] - joists[i] - 38) < 1e-6 &&
                                  joists[i] - 19 <= joint && joint <= joists[i + 1] + 19);
        QVERIFY2(doubled, qPrintable(QString::number(joint)));
    }
}

void TestTimberList::tooLong_data() {
    QTest::addColumn<RampDimensions>("dims");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<Lengths>("stock");
    QTest::addColumn<QString>("message");
    // Three panel lines 1211 apart: ribs of 1193.
    QTest::newRow("rib") << RampDimensions{} << "spacing=1220" << Lengths{1000}
                         << QStringLiteral("Réglage de construction incorrect : stock=1000 "
                                           "(tasseau de 1193 mm : aucune longueur en vente "
                                           "n'est assez longue)");
    // A 2089 mm deck frame top: legs of 2000, braced across 605.5 by 2089.6, cut at 2090.
    RampDimensions wall;
    wall.R1 = 150;
    wall.H1 = 200;
    QTest::newRow("brace") << wall << "back=300,-" << Lengths{1000, 1500}
                           << QStringLiteral("Réglage de construction incorrect : stock=1000,1500 "
                                             "(écharpe de 2090 mm : aucune longueur en "
                                             "vente n'est assez longue)");
}

void TestTimberList::tooLong() {
    QFETCH(RampDimensions, dims);
    QFETCH(QString, settings);
    QFETCH(Lengths, stock);
    QFETCH(QString, message);
    try {
        buildConstructionPlan(dims, settingsOf(settings, stock));
        QFAIL("not refused");
    } catch (const ConstructionSettingError& e) {
        QCOMPARE(e.message(), message);
    }
}

void TestTimberList::sectionNames_data() {
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<bool>("inches");
    QTest::addColumn<QString>("text");
    QTest::newRow("2x4 dressed") << 38.1 << 88.9 << true << QStringLiteral("2×4");
    QTest::newRow("2x4 metric, either order") << 89.0 << 38.0 << true << QStringLiteral("2×4");
    QTest::newRow("1 mm off") << 39.1 << 87.9 << true << QStringLiteral("2×4");
    QTest::newRow("more than 1 mm off")
        << 38.1 << 91.0 << true << QStringLiteral("1 1/2\" × 3 19/32\"");
    QTest::newRow("4x4") << 88.9 << 88.9 << true << QStringLiteral("4×4");
    QTest::newRow("2x10") << 38.0 << 235.0 << true << QStringLiteral("2×10");
    QTest::newRow("1x6") << 139.7 << 19.05 << true << QStringLiteral("1×6");
    QTest::newRow("6x6") << 140.0 << 140.0 << true << QStringLiteral("6×6");
    QTest::newRow("not nominal") << 45.0 << 95.0 << true << QStringLiteral("1 25/32\" × 3 3/4\"");
    QTest::newRow("millimetres keep the numbers")
        << 89.0 << 38.0 << false << QStringLiteral("89 × 38");
}

void TestTimberList::sectionNames() {
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(bool, inches);
    QFETCH(QString, text);
    QCOMPARE(
        timberSectionText(first, second, inches ? LengthUnit::Inches : LengthUnit::Millimetres),
        text);
}

QTEST_APPLESS_MAIN(TestTimberList)
#include "test_timberlist.moc"
