#include "tracer.h"

#include <benchmark/benchmark.h>

// The whole Tracer computation on the default design, effect list included.
static void BM_Tracer(benchmark::State& state) {
    const RampDimensions dims;
    for (auto _ : state) {
        TracerRun run = runTracer(dims, 761, 335);
        benchmark::DoNotOptimize(run);
    }
}
BENCHMARK(BM_Tracer);
