#include "clipspans.h"
#include "pixelcount.h"
#include "pixelraster.h"
#include "polygonscanner.h"

#include <QTest>

#include <cstdlib>
#include <vector>

using Polygon = std::vector<QPoint>;
Q_DECLARE_METATYPE(Polygon)

namespace {

constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb silver = 0xFFC0C0C0;

QImage blank(int w, int h, QRgb colour = white) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

PixelRaster::Fill solid(QRgb colour) {
    PixelRaster::Fill fill;
    fill.colour = colour;
    return fill;
}

// The pixel set of a polygon by brute force: centre inside, crossing count
// along the row to the left, with half-open edges.
bool insideByCrossings(const Polygon& p, int x, int y) {
    bool inside = false;
    for (size_t i = 0; i < p.size(); ++i) {
        QPoint a = p[i];
        QPoint b = p[(i + 1) % p.size()];
        if (a.y() == b.y()) continue;
        if (a.y() > b.y()) std::swap(a, b);
        if (y < a.y() || y >= b.y()) continue;
        // crossing x = a.x + (y - a.y) * dx / dy; pixel x is right of or on it
        const qint64 lhs = qint64(x - a.x()) * (b.y() - a.y());
        const qint64 rhs = qint64(y - a.y()) * (b.x() - a.x());
        if (lhs >= rhs) inside = !inside;
    }
    return inside;
}

} // namespace

class TestPixelRaster : public QObject {
    Q_OBJECT

private slots:
    void polygonPixels_data() {
        QTest::addColumn<Polygon>("polygon");
        QTest::addColumn<int>("expectedCount");
        QTest::newRow("square 10x5") << Polygon{{0, 0}, {10, 0}, {10, 5}, {0, 5}} << 50;
        QTest::newRow("parallelogram at 45 degrees")
            << Polygon{{5, 30}, {12, 30}, {32, 10}, {25, 10}} << 140;
        QTest::newRow("degenerate face") << Polygon{{3, 3}, {20, 9}, {20, 9}, {3, 3}} << 0;
        QTest::newRow("thin sliver") << Polygon{{10, 40}, {11, 39}, {60, -10}, {59, -9}} << -1;
        QTest::newRow("triangle") << Polygon{{2, 2}, {30, 8}, {9, 37}} << -1;
        QTest::newRow("concave arrow") << Polygon{{0, 0}, {30, 15}, {0, 30}, {10, 15}} << -1;
        QTest::newRow("self-crossing bow tie") << Polygon{{0, 0}, {30, 30}, {30, 0}, {0, 30}} << -1;
    }
    void polygonPixels() {
        QFETCH(Polygon, polygon);
        QFETCH(int, expectedCount);
        QImage image = blank(64, 64);
        PixelRaster raster;
        raster.attach(&image);
        raster.fillPolygon(polygon.data(), int(polygon.size()), solid(red));
        int filled = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const bool expected = insideByCrossings(polygon, x, y);
                QCOMPARE(image.pixel(x, y) == red, expected);
                filled += expected ? 1 : 0;
            }
        if (expectedCount >= 0) QCOMPARE(filled, expectedCount);
    }

    void neighbouringFacesShareNoPixelAndLeaveNoGap() {
        // Two faces of a ribbon meet along the edge (20,40)-(45,15).
        const Polygon left{{5, 40}, {20, 40}, {45, 15}, {30, 15}};
        const Polygon right{{20, 40}, {33, 36}, {58, 11}, {45, 15}};
        const Polygon both{{5, 40}, {20, 40}, {33, 36}, {58, 11}, {45, 15}, {30, 15}};
        std::vector<int> cover(64 * 64, 0);
        PolygonScanner scanner;
        for (const Polygon* p : {&left, &right})
            scanner.scan(p->data(), int(p->size()), 0, 64, [&](int y, int x0, int x1) {
                for (int x = x0; x < x1; ++x)
                    ++cover[size_t(y * 64 + x)];
            });
        int joint = 0;
        scanner.scan(both.data(), int(both.size()), 0, 64, [&](int y, int x0, int x1) {
            for (int x = x0; x < x1; ++x) {
                QCOMPARE(cover[size_t(y * 64 + x)], 1);
                ++joint;
            }
        });
        int separate = 0;
        for (int c : cover) {
            QVERIFY(c <= 1);
            separate += c;
        }
        QCOMPARE(separate, joint);
    }

    void hugeCornersAreExact() {
        // Corners far outside the image (clamped pixel coordinates of an
        // axis zoomed far in) still give the exact edge inside it.
        const Polygon p{{-60000000, 10}, {60000000, 10}, {60000000, 50}, {-60000000, 50}};
        QImage image = blank(32, 64);
        PixelRaster raster;
        raster.attach(&image);
        raster.fillPolygon(p.data(), int(p.size()), solid(red));
        QCOMPARE(countPixels(image, red), 32 * 40);
        QCOMPARE(image.pixel(0, 9), white);
        QCOMPARE(image.pixel(31, 10), red);
        QCOMPARE(image.pixel(31, 49), red);
        QCOMPARE(image.pixel(0, 50), white);
    }

    void diagCrossHatch_data() {
        QTest::addColumn<bool>("opaque");
        QTest::newRow("transparent gaps") << false;
        QTest::newRow("opaque gaps") << true;
    }
    void diagCrossHatch() {
        QFETCH(bool, opaque);
        QImage image = blank(40, 40);
        PixelRaster raster;
        raster.attach(&image);
        PixelRaster::Fill fill;
        fill.pattern = PixelRaster::Pattern::DiagCross;
        fill.colour = black;
        fill.opaqueGaps = opaque;
        fill.gapColour = silver;
        raster.fillRect(QRect(3, 5, 30, 20), fill);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = x >= 3 && x < 33 && y >= 5 && y < 25;
                const bool line = (x & 7) == (y & 7) || (x & 7) == 7 - (y & 7);
                const QRgb expected = !inside ? white : line ? black : opaque ? silver : white;
                QCOMPARE(image.pixel(x, y), expected);
            }
    }

    void linesLeaveOutTheirLastPixel_data() {
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<QPoint>("b");
        QTest::addColumn<bool>("includeLast");
        QTest::addColumn<int>("pixels");
        QTest::newRow("horizontal") << QPoint(2, 3) << QPoint(12, 3) << false << 10;
        QTest::newRow("horizontal with end") << QPoint(2, 3) << QPoint(12, 3) << true << 11;
        QTest::newRow("backward vertical") << QPoint(5, 20) << QPoint(5, 4) << false << 16;
        QTest::newRow("diagonal") << QPoint(1, 1) << QPoint(21, 21) << false << 20;
        QTest::newRow("steep") << QPoint(30, 2) << QPoint(24, 29) << false << 27;
        QTest::newRow("single point") << QPoint(7, 7) << QPoint(7, 7) << false << 0;
        QTest::newRow("single point with end") << QPoint(7, 7) << QPoint(7, 7) << true << 1;
    }
    void linesLeaveOutTheirLastPixel() {
        QFETCH(QPoint, a);
        QFETCH(QPoint, b);
        QFETCH(bool, includeLast);
        QFETCH(int, pixels);
        QImage image = blank(40, 40);
        PixelRaster raster;
        raster.attach(&image);
        raster.drawLine(a, b, PixelRaster::Stroke{}, includeLast);
        QCOMPARE(countPixels(image, black), pixels);
        if (pixels > 0) QCOMPARE(image.pixel(a), black);
        QCOMPARE(image.pixel(b) == black, includeLast);
        // one pixel per step of the longer axis: each row or column once
        const bool xMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
        for (int i = 0; i < 40; ++i) {
            int n = 0;
            for (int j = 0; j < 40; ++j)
                if ((xMajor ? image.pixel(i, j) : image.pixel(j, i)) == black) ++n;
            QVERIFY(n <= 1);
        }
    }

    void farLineDrawsTheSamePixelsAsWalkingItAll_data() {
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<QPoint>("b");
        QTest::newRow("shallow") << QPoint(-50000, -21950) << QPoint(60000, 26450);
        QTest::newRow("steep backward") << QPoint(70, 90000) << QPoint(-3, -80000);
        QTest::newRow("ends inside and far") << QPoint(20, 20) << QPoint(-99991, 40000);
    }
    void farLineDrawsTheSamePixelsAsWalkingItAll() {
        QFETCH(QPoint, a);
        QFETCH(QPoint, b);
        QImage image = blank(100, 100);
        PixelRaster raster;
        raster.attach(&image);
        raster.drawLine(a, b, PixelRaster::Stroke{});
        // Walk every step by the rounding rule and keep those in the image.
        QImage expected = blank(100, 100);
        const qint64 dx = b.x() - a.x(), dy = b.y() - a.y();
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const qint64 dMaj = xMajor ? std::llabs(dx) : std::llabs(dy);
        const qint64 dMin = xMajor ? std::llabs(dy) : std::llabs(dx);
        const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
        int drawn = 0;
        for (qint64 i = 0; i < dMaj; ++i) {
            const qint64 k = (2 * i * dMin + dMaj) / (2 * dMaj);
            const qint64 x = a.x() + sx * (xMajor ? i : k);
            const qint64 y = a.y() + sy * (xMajor ? k : i);
            if (x >= 0 && x < 100 && y >= 0 && y < 100) {
                expected.setPixel(int(x), int(y), black);
                ++drawn;
            }
        }
        QVERIFY(drawn > 0);
        QCOMPARE(image, expected);
    }

    void notXorTwiceRestores() {
        QImage image = blank(30, 30, silver);
        image.setPixel(10, 5, red);
        const QImage before = image;
        PixelRaster raster;
        raster.attach(&image);
        PixelRaster::Stroke pen;
        pen.mix = PixelRaster::Mix::NotXor;
        pen.colour = 0xFFC0C0C0; // white xor the inverse of silver
        const Polygon box{{2, 5}, {25, 5}, {25, 20}, {2, 20}};
        raster.strokePolygon(box.data(), 4, pen);
        QCOMPARE(image.pixel(2, 12), white);       // silver shows white
        QCOMPARE(image.pixel(10, 5), 0xFFC03F3Fu); // red: not (red xor pen)
        QCOMPARE(image.pixel(12, 12), silver);
        QCOMPARE(countPixels(image, white), 2 * 23 + 2 * 15 - 1);
        raster.strokePolygon(box.data(), 4, pen);
        QCOMPARE(image, before);
    }

    void dottedAndWidePens() {
        QImage image = blank(40, 40);
        PixelRaster raster;
        raster.attach(&image);
        PixelRaster::Stroke dotted;
        dotted.dash = PixelRaster::Dash::Dot;
        raster.drawLine(QPoint(0, 3), QPoint(20, 3), dotted);
        for (int x = 0; x < 20; ++x)
            QCOMPARE(image.pixel(x, 3) == black, x % 2 == 0);
        PixelRaster::Stroke wide;
        wide.width = 2;
        raster.drawLine(QPoint(10, 10), QPoint(10, 30), wide);
        for (int y = 10; y < 30; ++y) {
            QCOMPARE(image.pixel(10, y), black);
            QCOMPARE(image.pixel(11, y), black);
            QCOMPARE(image.pixel(9, y), white);
            QCOMPARE(image.pixel(12, y), white);
        }
    }

    void clipLimitsEveryOperation() {
        QImage image = blank(50, 50);
        PixelRaster raster;
        raster.attach(&image);
        const ClipSpans clip(QRect(10, 10, 20, 15)); // x 10..29, y 10..24
        raster.setClip(&clip);
        raster.fillRect(QRect(0, 0, 50, 50), solid(red));
        QCOMPARE(countPixels(image, red), 20 * 15);
        raster.drawLine(QPoint(0, 12), QPoint(49, 12), PixelRaster::Stroke{}, true);
        QCOMPARE(countPixels(image, black), 20);
        raster.setClip(nullptr);
        raster.drawLine(QPoint(0, 40), QPoint(49, 40), PixelRaster::Stroke{}, true);
        QCOMPARE(countPixels(image, black), 70);
    }

    void clipSpansOfTheBoxOutline() {
        // The 3D box outline: (L,B), (L,T), (L+D,T-D), (R+D,T-D), (R+D,B-D), (R,B).
        const int L = 10, T = 30, R = 40, B = 60, D = 15;
        const Polygon hexagon{{L, B},         {L, T},         {L + D, T - D},
                              {R + D, T - D}, {R + D, B - D}, {R, B}};
        const QRect bounds(0, 0, 80, 80);
        const ClipSpans clip = ClipSpans::fromPolygon(hexagon.data(), 6, bounds);
        QCOMPARE(clip.top(), T - D);
        QCOMPARE(clip.bottom(), B);
        QCOMPARE(clip.boundingRect(), QRect(QPoint(L, T - D), QPoint(R + D - 1, B - 1)));
        const QRegion region = clip.toRegion();
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                QCOMPARE(clip.contains(x, y), insideByCrossings(hexagon, x, y));
                QCOMPARE(region.contains(QPoint(x, y)), clip.contains(x, y));
            }
        ClipSpans limited = clip;
        limited.intersect(ClipSpans(QRect(0, 0, 20, 80)));
        // column 19 enters the slanted top edge at row 21
        QCOMPARE(limited.boundingRect(), QRect(QPoint(L, 21), QPoint(19, B - 1)));
        ClipSpans none = clip;
        none.intersect(ClipSpans(QRect(70, 0, 10, 10)));
        QVERIFY(none.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestPixelRaster)
#include "test_pixelraster.moc"
