#include "messagetext.h"

QString withFinalPeriod(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > 46) return message + QLatin1Char('.');
    return message;
}
