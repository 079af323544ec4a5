#include "constructionwords.h"

#include <QCoreApplication>

QString sideName(int curve) {
    return curve == leftCurve ? QCoreApplication::translate("Construction", "gauche")
                              : QCoreApplication::translate("Construction", "droite");
}

QString curveName(int curve) {
    return QCoreApplication::translate("Construction", "courbe %1").arg(sideName(curve));
}

QString curvesName(const DistinctPanel& panel) {
    if (panel.bothCurves())
        return QCoreApplication::translate("Construction", "courbes %1 et %2")
            .arg(sideName(leftCurve), sideName(rightCurve));
    return curveName(panel.curve);
}

QString panelArticle(const DistinctPanel& panel) {
    return QCoreApplication::translate("Construction", "Flanc %1").arg(curvesName(panel));
}

QString panelTooLargeText() {
    return QCoreApplication::translate("Construction", "Flanc trop grand pour les feuilles");
}

QString capitalized(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}
