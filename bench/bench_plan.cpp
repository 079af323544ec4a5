#include "constructionplan.h"
#include "prices.h"

#include <benchmark/benchmark.h>

// The whole construction plan of the default design: panels, ribs, surface,
// joists, the panels nested on sheets, fasteners, the timber cut from stock
// lengths, and its price.
static void planAndPrice(benchmark::State& state, const ConstructionSettings& settings) {
    const RampDimensions dims;
    const PriceTable prices;
    for (auto _ : state) {
        ConstructionPlan plan = buildConstructionPlan(dims, settings);
        PlanCost cost = planCost(plan, prices);
        benchmark::DoNotOptimize(plan);
        benchmark::DoNotOptimize(cost);
    }
}

static void BM_Plan(benchmark::State& state) {
    planAndPrice(state, ConstructionSettings{});
}
BENCHMARK(BM_Plan)->Unit(benchmark::kMicrosecond);

// The same with decks on frames: stringers, rims, legs and braces, and their
// timber in two sections.
static void BM_PlanDeckFrames(benchmark::State& state) {
    ConstructionSettings settings;
    setConstructionSetting(settings, u"back", u"300,300");
    planAndPrice(state, settings);
}
BENCHMARK(BM_PlanDeckFrames)->Unit(benchmark::kMicrosecond);

// The widest ramp accepted: about 760 side panels a curve to nest.
static void BM_PlanLargest(benchmark::State& state) {
    RampDimensions dims;
    dims.W = 46340;
    const ConstructionSettings settings;
    for (auto _ : state) {
        ConstructionPlan plan = buildConstructionPlan(dims, settings);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_PlanLargest)->Unit(benchmark::kMillisecond);

// The largest panel cut rather than refused: a wall 5999 mm high whose
// panel, 12 m long, is cut along normals, at deck joists and across, and
// its pieces and splice plates nested.
static void BM_PlanLargestPanel(benchmark::State& state) {
    const RampDimensions dims{900, 300, 591, 140, 244, 140, 70, 60};
    const ConstructionSettings settings;
    for (auto _ : state) {
        ConstructionPlan plan = buildConstructionPlan(dims, settings);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_PlanLargestPanel)->Unit(benchmark::kMillisecond);
