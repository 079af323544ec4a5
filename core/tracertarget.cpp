#include "tracertarget.h"

#include <array>

namespace {

// In the order of the enumerations.
constexpr std::array<QLatin1String, tracerFieldCount> fieldNames{
    QLatin1String("nllc"),   QLatin1String("nllc2"), QLatin1String("nllt"),  QLatin1String("nllsc"),
    QLatin1String("nllsc2"), QLatin1String("nlpf"),  QLatin1String("nlpf2"), QLatin1String("nlh"),
    QLatin1String("nlh2"),   QLatin1String("nlt2"),  QLatin1String("nllc3"), QLatin1String("nllc4"),
    QLatin1String("nlp"),    QLatin1String("nll"),   QLatin1String("nlsc3"), QLatin1String("nlsc4"),
    QLatin1String("nlr"),    QLatin1String("nlr2"),
};

constexpr std::array<TracerNoticeNames, tracerNoticeCount> noticeNames{{
    {QLatin1String("errplat"), QLatin1String("lplat")},
    {QLatin1String("errrayon"), QLatin1String("lrayon")},
    {QLatin1String("errrayon2"), QLatin1String("lrayon2")},
    {QLatin1String("fer"), QLatin1String("nlw")},
    {QLatin1String("fer2"), QLatin1String("nlw2")},
}};

} // namespace

QLatin1String tracerName(TracerField field) {
    return fieldNames[std::size_t(field)];
}

TracerNoticeNames tracerName(TracerNotice notice) {
    return noticeNames[std::size_t(notice)];
}
