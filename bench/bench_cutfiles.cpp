#include "cutfile.h"

#include <benchmark/benchmark.h>

// The cut files of the widest ramp accepted, its panels nested on their
// sheets: the most numbers a cut file holds.

namespace {

const ConstructionPlan& largestPlan() {
    static const ConstructionPlan plan = [] {
        RampDimensions dims;
        dims.W = 46340;
        return buildConstructionPlan(dims, ConstructionSettings{});
    }();
    return plan;
}

void BM_CutFileDxf(benchmark::State& state) {
    for (auto _ : state) {
        const QByteArray dxf = cutFileBytes(largestPlan(), CutFormat::Dxf, true);
        benchmark::DoNotOptimize(dxf.constData());
    }
}
BENCHMARK(BM_CutFileDxf)->Unit(benchmark::kMillisecond);

void BM_CutFileSvg(benchmark::State& state) {
    for (auto _ : state) {
        const QByteArray svg = cutFileBytes(largestPlan(), CutFormat::Svg, true);
        benchmark::DoNotOptimize(svg.constData());
    }
}
BENCHMARK(BM_CutFileSvg)->Unit(benchmark::kMillisecond);

} // namespace
