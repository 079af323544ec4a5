#include "templatepdf.h"

#include <benchmark/benchmark.h>

// The full-scale templates of the default design on A4: page 1, the
// ordinates and the 20 tiles, the whole PDF in memory.

namespace {

void BM_TemplatePdf(benchmark::State& state) {
    const ConstructionPlan plan = buildConstructionPlan(RampDimensions{}, ConstructionSettings{});
    for (auto _ : state) {
        const QByteArray pdf = templatePdf(plan, TemplatePaper::A4);
        benchmark::DoNotOptimize(pdf.constData());
    }
}
BENCHMARK(BM_TemplatePdf)->Unit(benchmark::kMillisecond);

} // namespace
