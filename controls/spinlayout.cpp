#include "spinlayout.h"

#include <QtGlobal>

int spinFieldMinimumHeight(int fontTextHeight, int systemFontTextHeight, int thinBorder) {
    return fontTextHeight + qMin(systemFontTextHeight, fontTextHeight) / 4 + 4 * thinBorder + 2;
}

QRect spinArrowPairRect(QSize fieldSize, int pairWidth, bool ctl3D) {
    if (ctl3D)
        return QRect(fieldSize.width() - pairWidth - 5, 0, pairWidth, fieldSize.height() - 5);
    return QRect(fieldSize.width() - pairWidth, 1, pairWidth, fieldSize.height() - 3);
}

QRect spinUpArrowRect(QSize pairSize) {
    return QRect(0, 0, pairSize.width(), pairSize.height() / 2);
}

QRect spinDownArrowRect(QSize pairSize) {
    const int upHeight = pairSize.height() / 2;
    return QRect(0, upHeight - 1, pairSize.width(), pairSize.height() - upHeight + 1);
}
