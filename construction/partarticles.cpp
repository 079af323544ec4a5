#include "partarticles.h"

#include "constructionplan.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("PartArticle", text);
}

QString ofCurve(const char* left, const char* right, int side) {
    return tr(side == leftCurve ? left : right);
}

QString ofDeck(const char* text, int side) {
    return tr(text).arg(deckName(side));
}
} // namespace

QString deckName(int side) {
    return ofCurve(QT_TRANSLATE_NOOP("PartArticle", "plate-forme gauche"),
                   QT_TRANSLATE_NOOP("PartArticle", "plate-forme droite"), side);
}

QString panelArticle(int side) {
    return ofCurve(QT_TRANSLATE_NOOP("PartArticle", "Flanc courbe gauche"),
                   QT_TRANSLATE_NOOP("PartArticle", "Flanc courbe droite"), side);
}

QString ribArticle(int side) {
    return ofCurve(QT_TRANSLATE_NOOP("PartArticle", "Tasseau courbe gauche"),
                   QT_TRANSLATE_NOOP("PartArticle", "Tasseau courbe droite"), side);
}

QString deckJoistArticle(int side) {
    return ofCurve(QT_TRANSLATE_NOOP("PartArticle", "Solive plate-forme gauche"),
                   QT_TRANSLATE_NOOP("PartArticle", "Solive plate-forme droite"), side);
}

QString copingBlockArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Cale de coping, %1"), side);
}

QString flatStringerArticle() {
    return tr(QT_TRANSLATE_NOOP("PartArticle", "Longeron du plat"));
}

QString flatJoistArticle() {
    return tr(QT_TRANSLATE_NOOP("PartArticle", "Solive du plat"));
}

QString deckStringerArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Longeron, %1"), side);
}

QString deckBackRimArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Lisse arrière, %1"), side);
}

QString deckFrontRimArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Lisse avant, %1"), side);
}

QString deckPanelRimArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Lisse des flancs, %1"), side);
}

QString deckFrameJoistArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Solive du cadre, %1"), side);
}

QString legArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Pied, %1"), side);
}

QString braceArticle(int side) {
    return ofDeck(QT_TRANSLATE_NOOP("PartArticle", "Écharpe, %1"), side);
}

QString surfaceLayerArticle(int layer) {
    return tr(QT_TRANSLATE_NOOP("PartArticle", "Contreplaqué de surface, couche %1"))
        .arg(layer + 1);
}

QString copingArticle() {
    return tr(QT_TRANSLATE_NOOP("PartArticle", "Coping (tube acier)"));
}
