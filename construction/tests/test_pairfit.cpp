#include "pairfit.h"

#include <numbers>
#include <QtTest>

namespace {

constexpr double partWidth = 1000;
constexpr double baseHeight = 100;
constexpr double slabHeight = 80;

// A strip of partWidth x baseHeight with narrow spikes on top, each given as
// (left, right, top).
struct Spike {
    double left = 0;
    double right = 0;
    double top = 0;
};

Outline polygon(const std::vector<QPointF>& points) {
    Outline o;
    for (size_t i = 0; i < points.size(); ++i)
        o.push_back(Segment::line(points[i], points[(i + 1) % points.size()]));
    return o;
}

// Counter-clockwise: the bottom, then the top from right to left.
Outline spikedStrip(const std::vector<Spike>& spikes) {
    std::vector<QPointF> points{{0, 0}, {partWidth, 0}};
    const bool rightEnd = !spikes.empty() && spikes.back().right == partWidth;
    points.push_back({partWidth, rightEnd ? spikes.back().top : baseHeight});
    for (auto s = spikes.rbegin(); s != spikes.rend(); ++s) {
        if (s->right < partWidth) {
            points.push_back({s->right, baseHeight});
            points.push_back({s->right, s->top});
        }
        points.push_back({s->left, s->top});
        if (s->left > 0) points.push_back({s->left, baseHeight});
    }
    if (points.back().x() > 0) points.push_back({0, baseHeight});
    return polygon(points);
}

// The strip with a half-disc bump of radius r centred at u on top.
Outline bumpedStrip(double u, double r) {
    return {Segment::line({0, 0}, {partWidth, 0}),
            Segment::line({partWidth, 0}, {partWidth, baseHeight}),
            Segment::line({partWidth, baseHeight}, {u + r, baseHeight}),
            Segment::arc({u, baseHeight}, r, 0, std::numbers::pi),
            Segment::line({u - r, baseHeight}, {0, baseHeight}),
            Segment::line({0, baseHeight}, {0, 0})};
}

Outline slab() {
    return polygon({{0, 0}, {partWidth, 0}, {partWidth, slabHeight}, {0, slabHeight}});
}

} // namespace

class TestPairFit : public QObject {
    Q_OBJECT

private slots:
    void slabOverThePart_data();
    void slabOverThePart();
};

// A slab as wide as the part can only lie over it: its long lower edge spans
// every column of the part's profile, and the one narrow spike that holds it
// up, wherever it stands, must be found.
void TestPairFit::slabOverThePart_data() {
    QTest::addColumn<Outline>("part");
    QTest::addColumn<double>("top"); // the part's highest point
    QTest::newRow("spike at the left end") << spikedStrip({{0, 5, 260}}) << 260.0;
    QTest::newRow("spike at the right end") << spikedStrip({{994, 1000, 240}}) << 240.0;
    QTest::newRow("narrow spike inside one column") << spikedStrip({{100, 102, 300}}) << 300.0;
    QTest::newRow("spike across a column border") << spikedStrip({{498, 503, 180}}) << 180.0;
    QTest::newRow("the taller of two spikes, right")
        << spikedStrip({{200, 210, 150}, {800, 806, 200}}) << 200.0;
    QTest::newRow("the taller of two spikes, left")
        << spikedStrip({{200, 210, 220}, {800, 806, 200}}) << 220.0;
    QTest::newRow("no spike") << spikedStrip({}) << baseHeight;
    QTest::newRow("bump, a true arc") << bumpedStrip(700, 40) << baseHeight + 40;
}

void TestPairFit::slabOverThePart() {
    QFETCH(Outline, part);
    QFETCH(double, top);
    const double kerf = 4;
    QCOMPARE(boundingBox(part).height(), top);
    const Outline other = slab();
    const std::optional<PairFit> fit = fitPair(part, other, kerf, partWidth, 2000);
    QVERIFY(fit);
    QCOMPARE(fit->width, partWidth);
    // Never closer than the kerf; the final measure keeps a hundredth more.
    const double height = top + kerf + slabHeight;
    QVERIFY2(fit->height >= height - 1e-9 && fit->height < height + 0.05,
             qPrintable(QString::number(fit->height, 'f', 4)));
}

QTEST_GUILESS_MAIN(TestPairFit)
#include "test_pairfit.moc"
