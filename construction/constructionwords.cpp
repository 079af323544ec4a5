#include "constructionwords.h"

#include <QCoreApplication>

QString constructionWord(const char* text, Wording wording) {
    return wording == Wording::source ? QString::fromUtf8(text)
                                      : QCoreApplication::translate("Construction", text);
}

namespace {
QString word(const char* text, Wording wording) {
    return constructionWord(text, wording);
}
} // namespace

QString sideName(int curve, Wording wording) {
    return curve == leftCurve ? word(QT_TRANSLATE_NOOP("Construction", "gauche"), wording)
                              : word(QT_TRANSLATE_NOOP("Construction", "droite"), wording);
}

QString curveName(int curve, Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "courbe %1"), wording)
        .arg(sideName(curve, wording));
}

QString curvesName(const DistinctPanel& panel, Wording wording) {
    if (panel.bothCurves())
        return word(QT_TRANSLATE_NOOP("Construction", "courbes %1 et %2"), wording)
            .arg(sideName(leftCurve, wording), sideName(rightCurve, wording));
    return curveName(panel.curve, wording);
}

QString panelsToCutText(const DistinctPanel& panel) {
    const QString text =
        panel.count() == 1
            ? QCoreApplication::translate("Construction", "1 flanc à découper : %1")
            : QCoreApplication::translate("Construction", "%1 flancs à découper : %2")
                  .arg(panel.count());
    return text.arg(curvesName(panel));
}

QString panelArticle(const DistinctPanel& panel, Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "Flanc %1"), wording)
        .arg(curvesName(panel, wording));
}

QString panelPieceArticle(const DistinctPanel& panel, int piece, int pieces, Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "%1, morceau %2/%3"), wording)
        .arg(panelArticle(panel, wording))
        .arg(piece + 1)
        .arg(pieces);
}

QString splicePlateArticle(const DistinctPanel& panel, int plate, int plates, Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "Éclisse %1 %2/%3"), wording)
        .arg(curvesName(panel, wording))
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
QString ofCurve(const char* left, const char* right, int side, Wording wording) {
    return word(side == leftCurve ? left : right, wording);
}

QString ofDeck(const char* text, int side, Wording wording) {
    return word(text, wording).arg(deckName(side, wording));
}
} // namespace

QString deckName(int curve, Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "plate-forme %1"), wording)
        .arg(sideName(curve, wording));
}

QString ribArticle(int side, Wording wording) {
    return ofCurve(QT_TRANSLATE_NOOP("Construction", "Tasseau courbe gauche"),
                   QT_TRANSLATE_NOOP("Construction", "Tasseau courbe droite"), side, wording);
}

QString deckJoistArticle(int side, Wording wording) {
    return ofCurve(QT_TRANSLATE_NOOP("Construction", "Solive plate-forme gauche"),
                   QT_TRANSLATE_NOOP("Construction", "Solive plate-forme droite"), side, wording);
}

QString copingBlockArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Cale de coping, %1"), side, wording);
}

QString flatStringerArticle(Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "Longeron du plat"), wording);
}

QString flatJoistArticle(Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "Solive du plat"), wording);
}

QString deckStringerArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Longeron, %1"), side, wording);
}

QString deckBackRimArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Lisse arrière, %1"), side, wording);
}

QString deckFrontRimArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Lisse avant, %1"), side, wording);
}

QString deckPanelRimArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Lisse des flancs, %1"), side, wording);
}

QString deckFrameJoistArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Solive du cadre, %1"), side, wording);
}

QString legArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Pied, %1"), side, wording);
}

QString braceArticle(int side, Wording wording) {
    return ofDeck(QT_TRANSLATE_NOOP("Construction", "Écharpe, %1"), side, wording);
}

QString surfaceLayerArticle(int layer, Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "Contreplaqué de surface, couche %1"), wording)
        .arg(layer + 1);
}

QString copingArticle(Wording wording) {
    return word(QT_TRANSLATE_NOOP("Construction", "Coping (tube acier)"), wording);
}
