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

QString panelsToCutText(const DistinctPanel& panel) {
    const QString text =
        panel.count() == 1
            ? QCoreApplication::translate("Construction", "1 flanc à découper : %1")
            : QCoreApplication::translate("Construction", "%1 flancs à découper : %2")
                  .arg(panel.count());
    return text.arg(curvesName(panel));
}

QString panelArticle(const DistinctPanel& panel) {
    return QCoreApplication::translate("Construction", "Flanc %1").arg(curvesName(panel));
}

QString panelPieceArticle(const DistinctPanel& panel, int piece, int pieces) {
    return QCoreApplication::translate("Construction", "%1, morceau %2/%3")
        .arg(panelArticle(panel))
        .arg(piece + 1)
        .arg(pieces);
}

QString splicePlateArticle(const DistinctPanel& panel, int plate, int plates) {
    return QCoreApplication::translate("Construction", "Éclisse %1 %2/%3")
        .arg(curvesName(panel))
        .arg(plate + 1)
        .arg(plates);
}

QString panelTooLargeText() {
    return QCoreApplication::translate("Construction", "Flanc trop grand pour les feuilles");
}

QString capitalized(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

namespace {
QString word(const char* text) {
    return QCoreApplication::translate("Construction", text);
}

QString ofCurve(const char* left, const char* right, int side) {
    return word(side == leftCurve ? left : right);
}

QString ofDeck(const char* text, int side) {
    return word(text).arg(deckName(side));
}
} // namespace

QString deckName(int curve) {
    return QCoreApplication::translate("Construction", "plate-forme %1").arg(sideName(curve));
}

QString ribArticle(int side) {
    return ofCurve(QT_TRANSLATE_NOOP("Construction", "Tasseau courbe gauche"),
                   QT_TRANSLATE_NOOP("Construction", "Tasseau courbe droite"), side);
}

QString deckJoistArticle(int side) {
    return ofCurve(QT_TRANSLATE_NOOP("Construction", "Solive plate-forme gauche"),
                   QT_TRANSLATE_NOOP("Construction", "Solive plate-forme droite"), side);
}

QString copingBlockArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Cale de coping, %1"), side);
}

QString flatStringerArticle() {
    return word(QT_TRANSLATE_NOOP("Construction", "Longeron du plat"));
}

QString flatJoistArticle() {
    return word(QT_TRANSLATE_NOOP("Construction", "Solive du plat"));
}

QString deckStringerArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Longeron, %1"), side);
}

QString deckBackRimArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Lisse arrière, %1"), side);
}

QString deckFrontRimArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Lisse avant, %1"), side);
}

QString deckPanelRimArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Lisse des flancs, %1"), side);
}

QString deckFrameJoistArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Solive du cadre, %1"), side);
}

QString legArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Pied, %1"), side);
}

QString braceArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Écharpe, %1"), side);
}

QString surfaceLayerArticle(int layer) {
    return word(QT_TRANSLATE_NOOP("Construction", "Contreplaqué de surface, couche %1"))
        .arg(layer + 1);
}

QString copingArticle() {
    return word(QT_TRANSLATE_NOOP("Construction", "Coping (tube acier)"));
}
