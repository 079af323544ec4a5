#include "constructionsettings.h"
#include "timbercutting.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <QtTest>
#include <random>
#include <tuple>

namespace {

using Pieces = std::vector<TimberPiece>;
using Stock = std::vector<double>;
// total, boards, distinct lengths, minus the boards of the longest length on sale
using Preference = std::tuple<long long, int, int, int>;

// Time enough for any list here: no result depends on the machine's speed.
const TimberSearchBudget unhurried{std::chrono::hours(1), -1};

long long tenths(double mm) {
    return std::llround(mm * 10);
}

Pieces ribs(const std::vector<std::pair<double, int>>& lengths) {
    Pieces pieces;
    for (const auto& [length, count] : lengths)
        pieces.push_back({"Tasseau", length, count});
    return pieces;
}

// "2x3000:1000,1000,1000/0": count x stock: cuts / offcut, boards joined by '|'.
QString layout(const TimberCutting& cutting) {
    QStringList boards;
    for (const TimberBoard& board : cutting.boards) {
        QStringList cuts;
        for (const TimberCut& cut : board.cuts)
            cuts << formatLength(cut.length);
        boards << QString("%1x%2:%3/%4")
                      .arg(board.count)
                      .arg(formatLength(board.stock), cuts.join(','), formatLength(board.offcut));
    }
    return boards.join('|');
}

Preference preferenceOf(const TimberCutting& cutting, const Stock& stock) {
    const double longest = *std::max_element(stock.begin(), stock.end());
    std::map<long long, int> boardsByLength;
    long long total = 0;
    int longestCount = 0;
    for (const TimberBoard& board : cutting.boards) {
        total += tenths(board.stock) * board.count;
        boardsByLength[tenths(board.stock)] += board.count;
        if (tenths(board.stock) == tenths(longest)) longestCount += board.count;
    }
    return {total, cutting.boardCount(), int(boardsByLength.size()), -longestCount};
}

// Every board one of the stock lengths, its cuts and the kerfs between them
// within it, its offcut what is left; every piece cut once; the total and
// the bound consistent.
void checkBoards(const TimberCutting& cutting, const Pieces& pieces, const Stock& stock,
                 double kerf) {
    std::map<std::pair<QString, long long>, int> wanted, cut;
    for (const TimberPiece& piece : pieces)
        wanted[{piece.article, tenths(piece.length)}] += piece.count;
    long long bought = 0;
    for (const TimberBoard& board : cutting.boards) {
        QVERIFY(board.count > 0);
        QVERIFY(std::any_of(stock.begin(), stock.end(),
                            [&](double s) { return tenths(s) == tenths(board.stock); }));
        QVERIFY(!board.cuts.empty());
        long long used = tenths(kerf) * (long long)(board.cuts.size() - 1);
        for (const TimberCut& c : board.cuts) {
            used += tenths(c.length);
            cut[{c.article, tenths(c.length)}] += board.count;
        }
        QVERIFY2(used <= tenths(board.stock), qPrintable(layout(cutting)));
        QCOMPARE(tenths(board.offcut), tenths(board.stock) - used);
        bought += tenths(board.stock) * board.count;
    }
    QCOMPARE(cut, wanted);
    QCOMPARE(tenths(cutting.bought), bought);
    QVERIFY(cutting.lowerBound <= cutting.bought + 1e-6);
}

// The best over every way of grouping the pieces onto boards, each group on
// the shortest length that holds it (a longer one only adds length).
Preference bruteForce(const std::vector<long long>& lengths, const Stock& stock, double kerf) {
    std::vector<long long> boards;
    for (double s : stock)
        boards.push_back(tenths(s));
    std::sort(boards.begin(), boards.end());
    const std::size_t n = lengths.size();
    std::vector<int> group(n, 0); // restricted growth string: one per set partition
    Preference best{std::numeric_limits<long long>::max(), 0, 0, 0};
    for (;;) {
        const int groups = *std::max_element(group.begin(), group.end()) + 1;
        std::vector<long long> used(std::size_t(groups), -tenths(kerf));
        for (std::size_t i = 0; i < n; ++i)
            used[std::size_t(group[i])] += lengths[i] + tenths(kerf);
        std::map<long long, int> byLength;
        bool fits = true;
        long long total = 0;
        for (long long u : used) {
            const auto board = std::lower_bound(boards.begin(), boards.end(), u);
            if (board == boards.end()) {
                fits = false;
                break;
            }
            total += *board;
            ++byLength[*board];
        }
        if (fits) {
            const Preference p{total, groups, int(byLength.size()), -byLength[boards.back()]};
            best = std::min(best, p);
        }
        // Next restricted growth string.
        std::size_t i = n - 1;
        while (i > 0) {
            const int highest = *std::max_element(group.begin(), group.begin() + long(i));
            if (group[i] <= highest) break;
            group[i] = 0;
            --i;
        }
        if (i == 0) break;
        ++group[i];
    }
    return best;
}

} // namespace

Q_DECLARE_METATYPE(Pieces)
Q_DECLARE_METATYPE(Stock)
Q_DECLARE_METATYPE(TimberSearchBudget)

class TestTimberCutting : public QObject {
    Q_OBJECT

private slots:
    void handWorked_data();
    void handWorked();
    void defaultRamp();
    void articlesShareBoards();
    void againstBruteForce_data();
    void againstBruteForce();
    void pieceLongerThanStock();
    void searchBudget_data();
    void searchBudget();
    void stepsDecide();
};

void TestTimberCutting::handWorked_data() {
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<Stock>("stock");
    QTest::addColumn<double>("kerf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("bound");

    // No kerf at a board's ends: two pieces and one kerf fill 2400 exactly.
    QTest::newRow("kerf between only")
        << ribs({{1198, 2}}) << Stock{2400} << 4.0 << "1x2400:1198,1198/0" << 2400.0;
    QTest::newRow("a tenth too long")
        << ribs({{1198.1, 2}}) << Stock{2400} << 4.0 << "2x2400:1198.1/1201.9" << 4800.0;
    QTest::newRow("piece of the whole board")
        << ribs({{2400, 1}}) << Stock{2400, 1000} << 12.0 << "1x2400:2400/0" << 2400.0;
    QTest::newRow("three pieces, two kerfs")
        << ribs({{796, 3}}) << Stock{2400} << 4.0 << "1x2400:796,796,796/4" << 2400.0;
    // Equal totals: the fewest boards.
    QTest::newRow("fewest boards") << ribs({{1000, 6}}) << Stock{2000, 3000, 6000} << 0.0
                                   << "1x6000:1000,1000,1000,1000,1000,1000/0" << 6000.0;
    // 3000 + 3000 against 4000 + 2000: the fewest distinct lengths.
    QTest::newRow("fewest lengths") << ribs({{1000, 6}}) << Stock{2000, 3000, 4000} << 0.0
                                    << "2x3000:1000,1000,1000/0" << 6000.0;
    // 3000 + 3000 + 1000 against 3000 + 2000 + 2000: the most of the longest.
    QTest::newRow("most long boards") << ribs({{1000, 7}}) << Stock{1000, 2000, 3000} << 0.0
                                      << "2x3000:1000,1000,1000/0|1x1000:1000/0" << 7000.0;
    // Length before boards: three short boards beat one longer.
    QTest::newRow("length first") << ribs({{1000, 3}}) << Stock{1000, 3100} << 0.0
                                  << "3x1000:1000/0" << 3000.0;
    // The bound, 1800, rounds up to 2000 (1000 + 1000), which cannot hold
    // three pieces: the search proves 2200.
    QTest::newRow("bound not met") << ribs({{600, 3}}) << Stock{1000, 1200} << 0.0
                                   << "1x1200:600,600/0|1x1000:600/400" << 1800.0;
    // Longest pieces first on each board; kerfs of 3.2 between the cuts.
    QTest::newRow("mixed lengths") << ribs({{1500, 1}, {700.5, 2}, {300, 1}}) << Stock{3660} << 3.2
                                   << "1x3660:1500,700.5,700.5,300/449.4" << 3660.0;
}

void TestTimberCutting::handWorked() {
    QFETCH(Pieces, pieces);
    QFETCH(Stock, stock);
    QFETCH(double, kerf);
    QFETCH(QString, expected);
    QFETCH(double, bound);
    const TimberCutting cutting = cutTimber(pieces, stock, kerf, unhurried);
    checkBoards(cutting, pieces, stock, kerf);
    QCOMPARE(layout(cutting), expected);
    QVERIFY2(std::abs(cutting.lowerBound - bound) < 1e-3,
             qPrintable(QString::number(cutting.lowerBound)));
    QVERIFY(cutting.optimal);
}

// The default ramp's timber, all 89 x 38: ribs and deck joists of 587.5,
// flat stringers of 1400, flat joists of 557.5 and 567.5. An integer
// programme over every cutting pattern, solved apart, also gives 82.8 m in
// 18 boards, and 82.8 m for its relaxation.
void TestTimberCutting::defaultRamp() {
    const Pieces pieces{{"Tasseau", 587.5, 72},
                        {"Solive de plate-forme", 587.5, 24},
                        {"Longeron du plat", 1400, 5},
                        {"Solive du plat", 557.5, 16},
                        {"Solive du plat", 567.5, 16}};
    const Stock stock{2400, 3000, 3600, 4800};
    const TimberCutting cutting = cutTimber(pieces, stock, 4, unhurried);
    checkBoards(cutting, pieces, stock, 4);
    QCOMPARE(cutting.bought, 82800.0);
    QVERIFY(std::abs(cutting.lowerBound - 82800) < 0.01);
    QVERIFY(cutting.optimal);
    QCOMPARE(cutting.boardCount(), 18);
    // 16 x 4800 + 2 x 3000 is the only mix of 82.8 m in 18 boards with two lengths
    // and 16 long ones.
    QCOMPARE(preferenceOf(cutting, stock), Preference(828000, 18, 2, -16));
}

void TestTimberCutting::articlesShareBoards() {
    const Pieces pieces{{"Tasseau", 500, 3}, {"Solive", 500, 2}, {"Longeron", 900, 1}};
    const TimberCutting cutting = cutTimber(pieces, {2000}, 0, unhurried);
    checkBoards(cutting, pieces, {2000}, 0);
    QCOMPARE(cutting.boards.size(), std::size_t(2));
    QStringList articles;
    for (const TimberBoard& board : cutting.boards)
        for (const TimberCut& cut : board.cuts)
            articles << cut.article;
    QCOMPARE(articles,
             QStringList({"Longeron", "Tasseau", "Tasseau", "Tasseau", "Solive", "Solive"}));
}

void TestTimberCutting::againstBruteForce_data() {
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 80; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

// Small random lists: a few stock lengths (some with decimals), a few
// distinct piece lengths repeated, any kerf.
void TestTimberCutting::againstBruteForce() {
    QFETCH(int, seed);
    std::mt19937 random{unsigned(seed)};
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Stock stock;
    for (int k = between(1, 4); k > 0; --k)
        stock.push_back(between(0, 3) == 0 ? between(10000, 36000) / 10.0
                                           : between(10, 36) * 100.0);
    const double kerf = between(0, 120) / 10.0;
    const int longest = int(tenths(*std::max_element(stock.begin(), stock.end())));
    std::vector<double> lengths;
    for (int k = between(1, 4); k > 0; --k)
        lengths.push_back(between(1500, std::min(longest, 26000)) / 10.0);
    Pieces pieces;
    std::vector<long long> each;
    for (int n = between(3, 9); n > 0; --n) {
        const double length = lengths[std::size_t(between(0, int(lengths.size()) - 1))];
        pieces.push_back({"Tasseau", length, 1});
        each.push_back(tenths(length));
    }
    const TimberCutting cutting = cutTimber(pieces, stock, kerf, unhurried);
    checkBoards(cutting, pieces, stock, kerf);
    QCOMPARE(preferenceOf(cutting, stock), bruteForce(each, stock, kerf));
    QVERIFY(cutting.optimal);
}

void TestTimberCutting::pieceLongerThanStock() {
    try {
        cutTimber({{"Tasseau", 500, 2}, {"Écharpe", 3000.5, 1}}, {2400, 3000}, 4);
        QFAIL("accepted");
    } catch (const ConstructionSettingError& error) {
        QCOMPARE(error.message(),
                 QString("Réglage de construction incorrect : stock=2400,3000 (Écharpe de 3000,5 "
                         "mm : aucune longueur en vente n'est assez longue)"));
    }
}

void TestTimberCutting::searchBudget_data() {
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<Stock>("stock");
    QTest::addColumn<TimberSearchBudget>("budget");
    QTest::addColumn<bool>("optimal");

    const TimberSearchBudget noTime{std::chrono::milliseconds(0), -1};
    const TimberSearchBudget noSteps{std::chrono::hours(1), 0};
    // The rounding's 2200 is above 2000, the bound rounded up: only the
    // search proves it.
    const Pieces gap = ribs({{600, 3}});
    QTest::newRow("no time") << gap << Stock{1000, 1200} << noTime << false;
    QTest::newRow("no steps") << gap << Stock{1000, 1200} << noSteps << false;
    QTest::newRow("search allowed") << gap << Stock{1000, 1200} << unhurried << true;
    // The bound alone proves the total.
    QTest::newRow("bound met") << ribs({{1000, 6}}) << Stock{2000} << noSteps << true;
    // 15 001 boards: the search stops at its depth before the stack does,
    // the rounding's boards stand (the least, but not proven so).
    QTest::newRow("thousands of boards")
        << ribs({{600, 30001}}) << Stock{1000, 1200} << unhurried << false;
}

void TestTimberCutting::searchBudget() {
    QFETCH(Pieces, pieces);
    QFETCH(Stock, stock);
    QFETCH(TimberSearchBudget, budget);
    QFETCH(bool, optimal);
    const TimberCutting cutting = cutTimber(pieces, stock, 0, budget);
    checkBoards(cutting, pieces, stock, 0);
    QCOMPARE(cutting.optimal, optimal);
    QVERIFY(cutting.bought >= std::ceil(cutting.lowerBound));
    if (!optimal) QVERIFY(cutting.bought > cutting.lowerBound);
}

// A list whose search runs out of steps: the boards are the same with all
// the time in the world, so a slow or loaded machine buys what a fast one
// does.
void TestTimberCutting::stepsDecide() {
    const Pieces pieces = ribs({{2493.0, 7},
                                {2869.7, 2},
                                {1889.9, 11},
                                {1737.4, 12},
                                {3448.5, 30},
                                {3287.3, 8},
                                {3560.6, 21},
                                {470.8, 30},
                                {3635.6, 25},
                                {3511.3, 23},
                                {1755.4, 11},
                                {3602.0, 8}});
    const Stock stock{2400, 3000, 3600, 4800};
    const TimberSearchBudget usual;
    const TimberSearchBudget sameStepsNoClock{std::chrono::hours(1), usual.steps};
    const TimberCutting cutting = cutTimber(pieces, stock, 4, usual);
    QVERIFY(!cutting.optimal);
    QCOMPARE(layout(cutting), layout(cutTimber(pieces, stock, 4, sameStepsNoClock)));
    checkBoards(cutting, pieces, stock, 4);
}

QTEST_GUILESS_MAIN(TestTimberCutting)
#include "test_timbercutting.moc"
