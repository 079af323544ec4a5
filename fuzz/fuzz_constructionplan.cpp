// The whole construction plan on fuzzed dimensions and settings: dimensions
// that Tracer accepts and a "construction:" line that parses. The plan may
// refuse with a QuarvelError; any other exception, a crash or a hang is a
// fault.
#include "constructionplan.h"
#include "fuzzinput.h"
#include "tracer.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    RampDimensions dims;
    // Full range most of the time would only reach the refusals: keep the
    // dimensions mostly to sizes a ramp can have.
    const uint8_t wide = input.take<uint8_t>();
    for (qint32* d :
         {&dims.P1, &dims.R1, &dims.H1, &dims.F, &dims.W, &dims.R2, &dims.H2, &dims.P2}) {
        const uint16_t raw = input.take<uint16_t>();
        *d = (wide & 1) ? qint32(raw % (maxRampDimension + 1)) : qint32(raw % 1000);
    }
    if (!dimensionsAcceptable(dims)) return 0;

    std::optional<ConstructionSettings> settings;
    try {
        settings = parseConstructionLine(QByteArrayView(input.rest(), qsizetype(input.restSize())));
    } catch (const ConstructionSettingError&) {
        return 0;
    }
    try {
        const ConstructionPlan plan = buildConstructionPlan(dims, *settings);
        FUZZ_CHECK(plan.dims == dims);
    } catch (const QuarvelError&) {
    }
    return 0;
}
