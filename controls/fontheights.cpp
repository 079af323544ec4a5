#include "fontheights.h"

#include <QFontDatabase>
#include <QFontMetrics>

int textHeight(const QFont& font) {
    return QFontMetrics(font).height();
}

int systemFontTextHeight() {
    return textHeight(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}
