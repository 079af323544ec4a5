// The design-file reader from bytes: parseQvl, parseQvlContent and
// parseDesign. A refusal is a QuarvelError; anything else escaping is a fault.
// Whatever is read must also survive a write and a read back unchanged.
#include "designfile.h"
#include "fuzzinput.h"
#include "qvlfile.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    std::optional<RampDimensions> dims;
    try {
        dims = parseQvl(bytes);
    } catch (const FileError& error) {
        FUZZ_CHECK(error.code() == FileError::invalidNumber);
    }

    std::optional<QvlContent> content;
    try {
        content = parseQvlContent(bytes);
    } catch (const FileError& error) {
        FUZZ_CHECK(error.code() == FileError::invalidNumber);
    }
    // Both read the numbers the same way.
    FUZZ_CHECK(dims.has_value() == content.has_value());
    if (!dims) return 0;
    FUZZ_CHECK(content->dims == *dims);
    FUZZ_CHECK(parseQvl(formatQvl(*dims)) == *dims);

    std::optional<Design> design;
    try {
        design = parseDesign(bytes);
    } catch (const ConstructionSettingError&) {
        FUZZ_CHECK(content->secondLine.startsWith("construction:"));
    }
    if (!design) return 0;
    FUZZ_CHECK(design->dims == *dims);
    FUZZ_CHECK(parseDesign(formatDesign(*design)) == *design);
    return 0;
}
