#include "timbercutting.h"

#include <benchmark/benchmark.h>

namespace {

// The default ramp's 89 x 38 timber.
std::vector<TimberPiece> defaultTimber() {
    return {{QStringLiteral("Tasseau"), 587.5, 72},
            {QStringLiteral("Solive de plate-forme"), 587.5, 24},
            {QStringLiteral("Longeron du plat"), 1400, 5},
            {QStringLiteral("Solive du plat"), 557.5, 16},
            {QStringLiteral("Solive du plat"), 567.5, 16}};
}

// A wide ramp's ribs: 2 000 pieces over bays of four widths.
std::vector<TimberPiece> manyRibs() {
    return {{QStringLiteral("Tasseau"), 587.5, 800},
            {QStringLiteral("Tasseau"), 575, 600},
            {QStringLiteral("Tasseau"), 562.5, 400},
            {QStringLiteral("Tasseau"), 612.3, 200}};
}

void solve(benchmark::State& state, const std::vector<TimberPiece>& pieces) {
    const std::vector<double> stock{2400, 3000, 3600, 4800};
    for (auto _ : state) {
        TimberCutting cutting = cutTimber(pieces, stock, 4);
        if (!cutting.optimal) state.SkipWithError("total not proven");
        benchmark::DoNotOptimize(cutting);
    }
}

} // namespace

static void BM_TimberDefault(benchmark::State& state) {
    solve(state, defaultTimber());
}
BENCHMARK(BM_TimberDefault)->Unit(benchmark::kMicrosecond);

// Goal: within 100 ms, proven.
static void BM_TimberExact(benchmark::State& state) {
    solve(state, manyRibs());
}
BENCHMARK(BM_TimberExact)->Unit(benchmark::kMillisecond);
