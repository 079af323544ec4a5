#include "tracer.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <variant>

// The whole Tracer computation on the default design, effect list included.
static void BM_Tracer(benchmark::State& state) {
    const RampDimensions dims;
    for (auto _ : state) {
        TracerRun run = runTracer(dims, 761, 335);
        benchmark::DoNotOptimize(run);
    }
}
BENCHMARK(BM_Tracer);

namespace {

// The bare sampling: the same extended-precision arithmetic as Tracer, straight
// into an array, with no effects, no checks and no floating-point flags.
// Returns the number of points written.
std::size_t sampleProfile(const RampDimensions& d, ProfilePoint* out) {
    const auto ground = [](qint32 r, qint32 h) {
        if (h > r) return r;
        return qint32(llrintl(sqrtl(static_cast<long double>(r * r - (r - h) * (r - h)))));
    };
    const qint32 b1 = d.P1;
    const qint32 b2 = b1 + ground(d.R1, d.H1);
    const qint32 b3 = b2 + d.F;
    const qint32 b4 = b3 + ground(d.R2, d.H2);
    const qint32 b5 = b4 + d.P2;
    const double s = static_cast<double>(static_cast<long double>(b5) / 1000.0L);
    const auto arcY = [](qint32 r, qint32 centreX, double t) {
        const long double dx = t - static_cast<long double>(centreX);
        const long double rr = r;
        return static_cast<double>(rr - sqrtl(static_cast<long double>(r * r) - dx * dx));
    };

    std::size_t n = 0;
    double t = 0.0;
    for (; b1 > t; t += s)
        out[n++] = {t, double(d.H1)};
    for (; b2 > t; t += s)
        out[n++] = {t, arcY(d.R1, b2, t)};
    for (; b3 > t; t += s)
        out[n++] = {t, 0.0};
    for (; b4 > t; t += s)
        out[n++] = {t, arcY(d.R2, b3, t)};
    for (; b5 > t; t += s)
        out[n++] = {t, double(d.H2)};
    return n;
}

} // namespace

// What BM_Tracer is held to (at most 1.5 times this): the same sampling of the
// default design into an array, without the effect list around it.
static void BM_TracerFloor(benchmark::State& state) {
    std::array<ProfilePoint, tracerSampleCount + 2> points;
    const RampDimensions defaults;

    // The floor must do Tracer's work: same points, bit for bit.
    const TracerRun run = runTracer(defaults, 761, 335);
    const auto& traced = std::get<AddPoints>(run.effects.back()).points;
    const std::size_t n = sampleProfile(defaults, points.data());
    if (n != traced.size() || !std::equal(traced.begin(), traced.end(), points.begin())) {
        state.SkipWithError("the floor samples other points than Tracer");
        return;
    }

    for (auto _ : state) {
        RampDimensions dims = defaults;
        benchmark::DoNotOptimize(dims); // no folding of the design into constants
        benchmark::DoNotOptimize(sampleProfile(dims, points.data()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TracerFloor);
