#include "constructionplan.h"
#include "planwindow.h"

#include <benchmark/benchmark.h>
#include <QTabWidget>

// The plan window's refresh after Tracer: the plan built, the window's
// tables, texts and drawings refilled, and the tab shown painted, as a user
// sees it. The goal: no visible pause (well under 100 ms) on the cut list; the
// 3D tab, whose model is built and drawn only while it is shown, beside it.
static void BM_PlanWindowRefresh(benchmark::State& state) {
    PlanWindow window;
    window.resize(1100, 800);
    window.views()->setCurrentIndex(int(state.range(0)));
    const RampDimensions dims;
    const ConstructionSettings settings;
    for (auto _ : state) {
        window.showPlan(buildConstructionPlan(dims, settings));
        QPixmap shown = window.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_PlanWindowRefresh)
    ->ArgName("tab")
    ->Arg(0) // the cut list
    ->Arg(2) // the nested sheets
    ->Arg(4) // the framing, drawn from the 3D model
    ->Arg(5) // 3D
    ->Unit(benchmark::kMillisecond);
