// The "construction:" line parser. A refusal is a ConstructionSettingError;
// accepted settings must come back unchanged from the line they format to.
#include "constructionsettings.h"
#include "fuzzinput.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView line(reinterpret_cast<const char*>(data), qsizetype(size));
    std::optional<ConstructionSettings> settings;
    try {
        settings = parseConstructionLine(line);
    } catch (const ConstructionSettingError&) {
        return 0;
    }
    const QByteArray written = formatConstructionLine(*settings);
    FUZZ_CHECK(written.isEmpty() == (*settings == ConstructionSettings{}));
    FUZZ_CHECK(parseConstructionLine(written.trimmed()) == *settings);
    return 0;
}
