#include "constructionplan.h"
#include "modelbuilder.h"
#include "modelpicture.h"

#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>

// The 3D model of the default design: built from its plan, and drawn.

static void BM_ModelBuild(benchmark::State& state) {
    const ConstructionPlan plan = buildConstructionPlan({}, {});
    for (auto _ : state) {
        RampModel model = buildRampModel(plan);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_ModelBuild)->Unit(benchmark::kMicrosecond);

// A picture as the window redraws it while turning: the placed triangles
// kept, each picture projected, shaded, depth-tested, its edges drawn.
static void BM_ModelPicture(benchmark::State& state) {
    ModelPicture picture(buildRampModel(buildConstructionPlan({}, {})));
    const PictureOptions options; // isometric, 1200 x 800
    QImage image(options.size, QImage::Format_RGB32);
    for (auto _ : state) {
        picture.drawInto(image, options);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["triangles"] = double(picture.triangles().size());
}
BENCHMARK(BM_ModelPicture)->Unit(benchmark::kMicrosecond);

// What the picture is measured against: the same triangles, projected
// beforehand, filled once each with QPainter in the order they come, one
// colour, no depth, no edges, into the same image each time.
static void BM_ModelFillFloor(benchmark::State& state) {
    const ModelPicture picture(buildRampModel(buildConstructionPlan({}, {})));
    const PictureOptions options;
    const ModelProjection projection = picture.projection(options);
    std::vector<std::array<QPointF, 3>> triangles;
    for (const ModelPicture::Triangle& t : picture.triangles())
        triangles.push_back({projection.toPixel(picture.vertices()[t.corners[0]]),
                             projection.toPixel(picture.vertices()[t.corners[1]]),
                             projection.toPixel(picture.vertices()[t.corners[2]])});
    QImage image(options.size, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(226, 196, 150));
        for (const auto& t : triangles)
            painter.drawPolygon(t.data(), 3);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["triangles"] = double(triangles.size());
}
BENCHMARK(BM_ModelFillFloor)->Unit(benchmark::kMicrosecond);
