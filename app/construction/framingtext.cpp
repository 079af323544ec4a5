#include "framingtext.h"

#include "constructionwords.h"
#include "printedlengths.h"

#include <QCoreApplication>

namespace {
// "44,5 ; 213,2 mm", "1 3/4\" ; 8 3/8\"".
QString positions(const std::vector<double>& lengths, LengthUnit unit) {
    QStringList texts;
    for (double l : lengths)
        texts << lengthCell(l, unit);
    return numberWithUnit(texts.join(QStringLiteral(" ; ")), unit);
}

void addCurve(const ConstructionPlan& plan, int side, LengthUnit unit, QStringList& paragraphs) {
    const auto& curve = plan.curves[side];
    if (!curve) return;
    paragraphs << QCoreApplication::translate(
                      "FramingText",
                      "%1 : %2 tasseaux entre chaque paire de flancs, centrés à %3 le "
                      "long de la courbe du cadre, mesurés depuis le pied de la courbe (son bas, "
                      "côté plat).")
                      .arg(capitalized(curveName(side)))
                      .arg(curve->stations.size())
                      .arg(positions(curve->stations, unit));
}

void addDeck(const ConstructionPlan& plan, int side, LengthUnit unit, QStringList& paragraphs) {
    const std::optional<JoistPlan>& deck = side == 0 ? plan.leftDeck : plan.rightDeck;
    if (deck && !deck->stations.empty()) {
        QString text = QCoreApplication::translate("FramingText",
                                                   "%1 : solives centrées à %2 de l'arrière de la "
                                                   "plate-forme (son bout loin de la courbe).")
                           .arg(capitalized(deckName(side)), positions(deck->stations, unit));
        if (deck->copingBlocks > 0)
            text += u' ' + QCoreApplication::translate(
                               "FramingText",
                               "La dernière est la cale de coping, sur chant contre le tube.");
        paragraphs << text;
    }
    const std::optional<DeckFrame>& frame = plan.deckFrames[side];
    if (frame && !frame->legs.positions.empty())
        paragraphs << QCoreApplication::translate("FramingText",
                                                  "%1 : pieds centrés à %2 de l'arrière de la "
                                                  "plate-forme, sous chaque longeron.")
                          .arg(capitalized(deckName(side)), positions(frame->legs.positions, unit));
}

void addFlat(const ConstructionPlan& plan, LengthUnit unit, QStringList& paragraphs) {
    if (!plan.flat || !plan.flatFrame) return;
    paragraphs << QCoreApplication::translate(
                      "FramingText",
                      "Plat : %1 longerons sur chant, un par ligne de flancs ; solives centrées "
                      "à %2 du bout gauche du plat (le pied de la courbe gauche), entre les "
                      "longerons.")
                      .arg(plan.flatFrame->stringers)
                      .arg(positions(plan.flat->stations, unit));
}
} // namespace

QStringList framingParagraphs(const ConstructionPlan& plan, LengthUnit unit) {
    QStringList paragraphs;
    for (int side = 0; side < 2; ++side)
        addCurve(plan, side, unit, paragraphs);
    addDeck(plan, 0, unit, paragraphs);
    addFlat(plan, unit, paragraphs);
    addDeck(plan, 1, unit, paragraphs);
    return paragraphs;
}
