#include "depthraster.h"
#include "modelbuilder.h"
#include "modelpicture.h"

#include <QtTest>

#include <cmath>
#include <random>

// Pictures judged by what they must show: the ramp's outline at the size its
// dimensions give, highlighted parts where they stand, and nothing of a face
// that another one hides, whatever the order the faces come in.
class TestModelPicture : public QObject {
    Q_OBJECT

private slots:
    void silhouette_data();
    void silhouette();
    void highlightedParts();
    void hiddenFaces_data();
    void hiddenFaces();
    void edgesOutlineFaces();
    void bandsDrawAsWhole_data();
    void bandsDrawAsWhole();
};

namespace {

const QRgb white = qRgb(255, 255, 255);

struct PixelBox {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; // inclusive
    int count = 0;
    void add(int x, int y) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
        ++count;
    }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

template <class Wanted> PixelBox pixelsWhere(const QImage& image, Wanted&& wanted) {
    PixelBox box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(image.pixel(x, y))) box.add(x, y);
    return box;
}

// Drawn in full colour: a part not highlighted fades toward white, all its
// channels high.
bool fullColour(QRgb c) {
    return std::min({qRed(c), qGreen(c), qBlue(c)}) < 170;
}

// Steel is the one bluish grey; wood is warm; the background is neither.
bool steel(QRgb c) {
    return qBlue(c) > qRed(c);
}

ModelPart part(PartKind kind, int mesh, QVector3D at) {
    return {QStringLiteral("part"),
            QStringLiteral("part"),
            kind,
            firstStep,
            materialOf(kind),
            mesh,
            {{}, at}};
}

// A cube of 1 m, and a 100 mm steel cube centred on its axis along
// `direction`, 1.5 m from its centre, listed after it.
RampModel cubeAndSmallBox(QVector3D direction) {
    RampModel model;
    model.meshes = {boxMesh(QVector3D(1000, 1000, 1000)), boxMesh(QVector3D(100, 100, 100))};
    model.parts.push_back(part(PartKind::Panel, 0, QVector3D(0, 0, 0)));
    const QVector3D centre = QVector3D(500, 500, 500) + direction * 1500;
    model.parts.push_back(part(PartKind::Coping, 1, centre - QVector3D(50, 50, 50)));
    return model;
}

} // namespace

void TestModelPicture::silhouette_data() {
    QTest::addColumn<ViewAngles>("angles");
    QTest::addColumn<int>("widthAxis"); // 0 x, 1 y, 3: the isometric x - y
    QTest::addColumn<int>("heightAxis");
    QTest::newRow("side") << viewAngles(ModelView::Side) << 0 << 2;
    QTest::newRow("front") << viewAngles(ModelView::Front) << 1 << 2;
    QTest::newRow("top") << viewAngles(ModelView::Top) << 0 << 1;
    QTest::newRow("isometric") << viewAngles(ModelView::Isometric) << 3 << -1;
}

void TestModelPicture::silhouette() {
    // The default ramp: 5024.9 mm long (60 + 121.2 + 140 + 121.2 + 60 cm),
    // 2440 wide, its pipes' tops 813 high.
    QFETCH(ViewAngles, angles);
    QFETCH(int, widthAxis);
    QFETCH(int, heightAxis);
    const double ground = std::sqrt(1400.0 * 1400 - 700 * 700);
    const double size[3] = {600 + ground + 1400 + ground + 600, 2440, 89 + 18 + 700 + 6};
    const double width = widthAxis == 3 ? (size[0] + size[1]) / std::sqrt(2.0) : size[widthAxis];
    const RampModel model = buildRampModel(buildConstructionPlan({}, {}));
    ModelPicture picture(model);
    PictureOptions options;
    options.angles = angles;
    const QImage image = picture.draw(options);
    const double scale = picture.projection(options).scale();
    const PixelBox box = pixelsWhere(image, [](QRgb c) { return c != white; });
    QVERIFY(box.count > 0);
    QVERIFY2(std::abs(box.width() - width * scale) <= 2,
             qPrintable(QStringLiteral("%1 px, expected %2").arg(box.width()).arg(width * scale)));
    if (heightAxis >= 0)
        QVERIFY2(std::abs(box.height() - size[heightAxis] * scale) <= 2,
                 qPrintable(QStringLiteral("%1 px, expected %2")
                                .arg(box.height())
                                .arg(size[heightAxis] * scale)));
    // Centred, and filling the picture but for a margin on one axis.
    QVERIFY(std::abs(box.left - (image.width() - 1 - box.right)) <= 2);
    QVERIFY(std::abs(box.top - (image.height() - 1 - box.bottom)) <= 2);
    QVERIFY(box.width() > 0.9 * image.width() || box.height() > 0.9 * image.height());
}

void TestModelPicture::highlightedParts() {
    // The coping pipes highlighted in the isometric view: full colour only
    // over them, and along their whole length.
    const RampModel model = buildRampModel(buildConstructionPlan({}, {}));
    ModelPicture picture(model);
    PictureOptions options;
    options.highlighted = partsOfKind(model, PartKind::Coping);
    const QImage image = picture.draw(options);
    const ModelProjection projection = picture.projection(options);
    std::vector<QRectF> pipes;
    for (std::size_t i = 0; i < model.parts.size(); ++i) {
        if (!options.highlighted[i]) continue;
        double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
        for (const QVector3D& v : model.meshes[std::size_t(model.parts[i].mesh)].vertices) {
            const QPointF p = projection.toPixel(model.parts[i].placement.map(v));
            left = std::min(left, p.x()), right = std::max(right, p.x());
            top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
        }
        const QRectF box(QPointF(left, top), QPointF(right, bottom));
        pipes.push_back(box.adjusted(-1, -1, 1, 1));
    }
    QCOMPARE(pipes.size(), std::size_t(2));
    int inside[2] = {0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!fullColour(image.pixel(x, y))) continue;
            const QPointF centre(x + 0.5, y + 0.5);
            const bool first = pipes[0].contains(centre), second = pipes[1].contains(centre);
            QVERIFY2(first || second, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            inside[first ? 0 : 1] += 1;
        }
    }
    // Each pipe seen over its length, several pixels thick.
    for (int i = 0; i < 2; ++i)
        QVERIFY2(inside[i] >
                     3 * std::max(pipes[std::size_t(i)].width(), pipes[std::size_t(i)].height()),
                 qPrintable(QString::number(inside[i])));
    // Without a highlight, the ramp is in full colour everywhere.
    options.highlighted.clear();
    QVERIFY(pixelsWhere(picture.draw(options), fullColour).count > 20 * inside[0]);
}

void TestModelPicture::hiddenFaces_data() {
    QTest::addColumn<ViewAngles>("angles");
    QTest::newRow("side") << viewAngles(ModelView::Side);
    QTest::newRow("front") << viewAngles(ModelView::Front);
    QTest::newRow("top") << viewAngles(ModelView::Top);
    QTest::newRow("isometric") << viewAngles(ModelView::Isometric);
    QTest::newRow("yaw 200, pitch -30") << ViewAngles{200, -30};
}

void TestModelPicture::hiddenFaces() {
    // A small steel box behind a large cube is not seen, though drawn after
    // it; in front of it, it is, where it stands.
    QFETCH(ViewAngles, angles);
    const QVector3D away = ModelProjection(angles).away();
    PictureOptions options;
    options.angles = angles;
    options.size = QSize(400, 300);
    const RampModel behind = cubeAndSmallBox(away);
    QCOMPARE(pixelsWhere(ModelPicture(behind).draw(options), steel).count, 0);

    const RampModel before = cubeAndSmallBox(-away);
    ModelPicture picture(before);
    const PixelBox seen = pixelsWhere(picture.draw(options), steel);
    const ModelProjection projection = picture.projection(options);
    const QPointF centre = projection.toPixel(QVector3D(500, 500, 500) - away * 1500);
    QVERIFY(seen.count > 0);
    QVERIFY(std::abs((seen.left + seen.right + 1) / 2.0 - centre.x()) <= 2);
    QVERIFY(std::abs((seen.top + seen.bottom + 1) / 2.0 - centre.y()) <= 2);
}

void TestModelPicture::edgesOutlineFaces() {
    // The cube seen square on: its outline drawn dark around a lit face.
    RampModel model;
    model.meshes = {boxMesh(QVector3D(1000, 1000, 1000))};
    model.parts.push_back(part(PartKind::Panel, 0, {}));
    PictureOptions options;
    options.angles = viewAngles(ModelView::Side);
    options.size = QSize(300, 300);
    const QImage image = ModelPicture(model).draw(options);
    const PixelBox box = pixelsWhere(image, [](QRgb c) { return c != white; });
    const auto dark = [](QRgb c) { return qRed(c) < 120; };
    const int middle = (box.top + box.bottom) / 2;
    QVERIFY(dark(image.pixel(box.left, middle)));
    QVERIFY(dark(image.pixel(box.right, middle)));
    QVERIFY(dark(image.pixel((box.left + box.right) / 2, box.top)));
    QVERIFY(!dark(image.pixel((box.left + box.right) / 2, middle)));
}

void TestModelPicture::bandsDrawAsWhole_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("one row") << 1;
    QTest::newRow("7 rows") << 7;
    QTest::newRow("64 rows") << 64;
    QTest::newRow("taller than the image") << 500;
}

void TestModelPicture::bandsDrawAsWhole() {
    // Overlapping triangles and lines, some running off the image, drawn
    // band by band come out pixel for pixel as drawn whole.
    QFETCH(int, rows);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-40, 240), depth(0, 100);
    std::vector<DepthRaster::Vertex> points(300);
    for (auto& p : points)
        p = {coordinate(random), coordinate(random), depth(random)};
    const auto draw = [&](int bandRows) {
        QImage image(200, 150, QImage::Format_RGB32);
        image.fill(white);
        std::vector<float> depths;
        for (int top = 0; top < image.height(); top += bandRows) {
            DepthRaster raster(image, depths, top, bandRows);
            for (std::size_t i = 0; i + 2 < points.size(); i += 3)
                raster.fillTriangle(points[i], points[i + 1], points[i + 2], QRgb(0xFF000000 | i));
            for (std::size_t i = 0; i + 1 < points.size(); i += 5)
                raster.drawLine(points[i], points[i + 1], qRgb(0, 0, 0), 2);
        }
        return image;
    };
    const QImage whole = draw(150);
    QVERIFY(pixelsWhere(whole, [](QRgb c) { return c != white; }).count > 10000);
    QCOMPARE(draw(rows), whole);
}

QTEST_GUILESS_MAIN(TestModelPicture)
#include "test_modelpicture.moc"
