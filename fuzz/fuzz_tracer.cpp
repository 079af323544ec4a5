// The Tracer computation on any eight 32-bit dimensions and any plot size the
// program accepts (0..100000 per side, as quarvel-cli's --plot allows). It
// never throws; refused dimensions give no effect at all.
#include "fuzzinput.h"
#include "tracer.h"

#include <cmath>
#include <variant>

namespace {

constexpr uint32_t maxPlotSide = 100000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    RampDimensions dims;
    for (qint32* d : {&dims.P1, &dims.R1, &dims.H1, &dims.F, &dims.W, &dims.R2, &dims.H2, &dims.P2})
        *d = input.take<int32_t>();
    const int width = int(input.take<uint32_t>() % (maxPlotSide + 1));
    const int height = int(input.take<uint32_t>() % (maxPlotSide + 1));

    const TracerRun run = runTracer(dims, width, height);
    if (!dimensionsAcceptable(dims)) {
        FUZZ_CHECK(run.effects.empty());
        FUZZ_CHECK(run.error == invalidDimensionsMessage());
        return 0;
    }
    // Same input, same run.
    const TracerRun again = runTracer(dims, width, height);
    FUZZ_CHECK(again.effects.size() == run.effects.size());
    FUZZ_CHECK(again.error == run.error);
    // The running sum never leaves its exact range: at most 1001 points, x
    // from 0 strictly increasing and below the total, every height finite.
    if (const auto* added = std::get_if<AddPoints>(&run.effects.back())) {
        const std::vector<ProfilePoint>& points = added->points;
        FUZZ_CHECK(points.size() <= std::size_t(tracerSampleCount) + 1);
        FUZZ_CHECK(points.empty() || points.front().x == 0.0);
        for (std::size_t i = 0; i < points.size(); ++i) {
            FUZZ_CHECK(std::isfinite(points[i].y));
            FUZZ_CHECK(points[i].x < run.derived.T);
            FUZZ_CHECK(i == 0 || points[i].x > points[i - 1].x);
        }
        FUZZ_CHECK(!run.completed() || points.size() >= std::size_t(tracerSampleCount));
    }
    return 0;
}
