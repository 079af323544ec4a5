#include "buildlistrows.h"

#include "constructionwords.h"
#include "decimaltext.h"
#include "timbersection.h"

#include <cmath>
#include <QCoreApplication>
#include <QStringList>

namespace {

using SideArticle = QString (*)(int, Wording);

// One row per distinct length of a part.
void addLengthRows(std::vector<CutListRow>& rows, SideArticle article, int side,
                   const std::vector<LengthCount>& lengths, double width, double thickness,
                   const QString& remark) {
    for (const LengthCount& l : lengths) {
        if (l.count == 0) continue;
        rows.push_back(
            {article(side, Wording::people), l.count, l.length, width, thickness, remark});
        rows.back().part = article(side, Wording::source);
    }
}

void addLegFrameRows(const DeckFrame& f, int side, const ConstructionSettings& s, LengthUnit unit,
                     std::vector<CutListRow>& rows) {
    const double e = f.stringers.section[0];
    const double depth = f.stringers.section[1];
    addLengthRows(rows, deckBackRimArticle, side, f.backRim.pieces.lengths, depth, e,
                  QCoreApplication::translate(
                      "CutList", "sur chant entre les longerons, à l'arrière du cadre"));
    addLengthRows(rows, deckFrontRimArticle, side, f.frontRim.pieces.lengths, depth, e,
                  QCoreApplication::translate(
                      "CutList",
                      "sur chant entre les longerons, boulonnée à la lisse des flancs (2 boulons "
                      "par travée)"));
    addLengthRows(rows, deckPanelRimArticle, side, f.panelRim.pieces.lengths, depth, e,
                  QCoreApplication::translate(
                      "CutList",
                      "sur chant entre les flancs, contre leur bout arrière, axe à %1 de "
                      "l'arrière")
                      .arg(lengthsWithUnit({f.panelRim.station}, unit)));
    addLengthRows(
        rows, deckFrameJoistArticle, side, f.joists.lengths, s.ribWidth, s.ribDepth,
        QCoreApplication::translate(
            "CutList", "entre les longerons, posée comme les tasseaux, axes à %1 de l'arrière")
            .arg(lengthsWithUnit(f.joists.stations, unit)));
    if (f.legs.count > 0)
        rows.push_back(
            {legArticle(side), f.legs.count, f.legs.length, f.legs.section[1], f.legs.section[0],
             QCoreApplication::translate(
                 "CutList", "%1 sous chaque longeron, axes à %2 de l'arrière, chacun tenu par "
                            "une équerre")
                 .arg(f.legs.perLine)
                 .arg(lengthsWithUnit(f.legs.positions, unit))});
    if (f.legs.count > 0) rows.back().part = legArticle(side, Wording::source);
    addLengthRows(rows, braceArticle, side, f.braces, s.ribWidth, s.ribDepth,
                  QCoreApplication::translate("CutList",
                                              "en diagonale, du haut d'un pied au bas du suivant"));
}

QString fastenerItemName(FastenerItem item) {
    switch (item) {
    case FastenerItem::surfaceScrew:
        return QCoreApplication::translate("CutList", "Vis de surface");
    case FastenerItem::frameScrew:
        return QCoreApplication::translate("CutList", "Vis droite de tasseau ou de solive");
    case FastenerItem::toeScrew:
        return QCoreApplication::translate("CutList", "Vis en biais");
    case FastenerItem::spliceScrew:
        return QCoreApplication::translate("CutList", "Vis d'éclisse");
    case FastenerItem::lagScrew:
        return QCoreApplication::translate("CutList", "Tire-fond de coping");
    case FastenerItem::bolt:
        return QCoreApplication::translate("CutList", "Boulon de carrosserie");
    case FastenerItem::bracket:
        return QCoreApplication::translate("CutList", "Équerre de pied");
    case FastenerItem::bracketScrew:
        return QCoreApplication::translate("CutList", "Vis d'équerre");
    case FastenerItem::braceScrew:
        return QCoreApplication::translate("CutList", "Vis d'écharpe");
    case FastenerItem::glue:
        return QCoreApplication::translate("CutList", "Colle à bois (g)");
    }
    return QString();
}

// "1400 ; 3 × 567.5 ; chute 1": a board's pieces in order, then its offcut,
// in the unit.
QString boardCuts(const TimberBoard& board, LengthUnit unit) {
    QStringList parts;
    for (std::size_t i = 0; i < board.cuts.size();) {
        std::size_t same = i + 1;
        while (same < board.cuts.size() && board.cuts[same].length == board.cuts[i].length)
            ++same;
        const QString length = lengthText(board.cuts[i].length, unit);
        parts << (same - i > 1
                      ? QCoreApplication::translate("CutList", "%1 × %2").arg(same - i).arg(length)
                      : length);
        i = same;
    }
    parts << QCoreApplication::translate("CutList", "chute %1").arg(lengthText(board.offcut, unit));
    return parts.join(QCoreApplication::translate("CutList", " ; "));
}

// A total length of timber: "42.3 m" to the tenth of a metre, or in feet and
// inches; rounded down when it is a bound (never more than is proven).
QString timberTotal(double millimetres, LengthUnit unit, bool bound) {
    if (unit == LengthUnit::Inches)
        return bound ? lengthTextAtMost(millimetres, unit) : lengthText(millimetres, unit);
    const double metres = bound ? std::floor((millimetres + 0.01) / 100) / 10 : millimetres / 1000;
    return QString::number(metres, 'f', 1) + QStringLiteral(" m");
}

QString sectionTotal(const TimberCutting& cutting, LengthUnit unit) {
    const QString bought = timberTotal(cutting.bought, unit, false);
    if (cutting.optimal)
        return QCoreApplication::translate("CutList", "%1 en tout, le moins possible").arg(bought);
    return QCoreApplication::translate("CutList", "%1 en tout ; il en faut au moins %2")
        .arg(bought, timberTotal(cutting.lowerBound, unit, true));
}

// The boards of one stock length of a section, as the cut list shows them.
QString boardsRemark(const TimberSection& t, double stock, LengthUnit unit) {
    QStringList cuts;
    for (const TimberBoard& b : boardsByLength(t.cutting))
        if (b.stock == stock)
            cuts << QCoreApplication::translate("CutList", "%1 × (%2)")
                        .arg(b.count)
                        .arg(boardCuts(b, unit));
    return cuts.join(QCoreApplication::translate("CutList", " ; "));
}

const TimberSection* sectionOf(const ConstructionPlan& plan, const CostLine& line) {
    for (const TimberSection& t : plan.timber)
        if (t.section[0] == line.size[1] && t.section[1] == line.size[2]) return &t;
    return nullptr;
}

// What sheets of this thickness are for: "flancs ; surface, couches 1 et 2".
QString sheetUses(const ConstructionPlan& plan, double thickness) {
    QStringList uses, layers;
    if (plan.settings.panel == thickness && plan.panelSheets.count > 0)
        uses << QCoreApplication::translate("CutList", "flancs");
    for (std::size_t i = 0; i < plan.surface.layers.size(); ++i)
        if (plan.surface.layers[i].thickness == thickness) layers << QString::number(i + 1);
    if (!layers.isEmpty())
        uses << QCoreApplication::translate("CutList", "surface, couches %1")
                    .arg(layers.join(QStringLiteral(", ")));
    return uses.join(QCoreApplication::translate("CutList", " ; "));
}

CutListRow shoppingRow(const ConstructionPlan& plan, const CostLine& line, LengthUnit unit) {
    const long long quantity = std::llround(line.quantity);
    switch (line.kind) {
    case CostKind::sheet:
        return {QCoreApplication::translate("CutList", "Feuille de contreplaqué"),
                int(quantity),
                line.size[0],
                line.size[1],
                line.size[2],
                sheetUses(plan, line.size[2]),
                line.cents};
    case CostKind::board: {
        const TimberSection* t = sectionOf(plan, line);
        QString remark = t ? boardsRemark(*t, line.size[0], unit) : QString();
        if (t && line.size[0] == t->cutting.boards.front().stock)
            remark = QCoreApplication::translate("CutList", "%1 : %2")
                         .arg(sectionTotal(t->cutting, unit), remark);
        return {QCoreApplication::translate("CutList", "Bois %1 en %2")
                    .arg(timberSectionText(line.size[1], line.size[2], unit),
                         lengthText(line.size[0], unit)),
                int(quantity),
                line.size[0],
                line.size[1],
                line.size[2],
                remark,
                line.cents};
    }
    case CostKind::pipe:
        return {QCoreApplication::translate("CutList", "Tube acier de coping"),
                int(quantity),
                line.size[0],
                line.size[1],
                line.size[2],
                QString(),
                line.cents};
    case CostKind::fastener:
        break;
    }
    const FastenerCount& f = plan.fasteners[std::size_t(line.fastener)];
    return {fastenerName(f),
            int(f.buy),
            0,
            0,
            0,
            QCoreApplication::translate("CutList", "à poser : %1").arg(f.count),
            line.cents};
}

} // namespace

void addShoppingRows(const ConstructionPlan& plan, const PlanCost& cost,
                     std::vector<CutListRow>& rows, LengthUnit unit) {
    for (const CostLine& line : cost.lines)
        rows.push_back(shoppingRow(plan, line, unit));
}

QString fastenerName(const FastenerCount& fastener) {
    QString name = fastenerItemName(fastener.item);
    if (fastener.item == FastenerItem::glue || fastener.size.isEmpty()) return name;
    QString size = fastener.size;
    size = decimalsForPeople(size.replace(u'x', QStringLiteral(" × ")));
    return name + u' ' + size;
}

QString stringerJointsRemark(const Stringers& stringers, LengthUnit unit) {
    if (stringers.joints.empty()) return QString();
    return QCoreApplication::translate("CutList", "chacun en %1 morceaux joints à %2 du bout")
        .arg(stringers.piecesEach())
        .arg(lengthsWithUnit(stringers.joints, unit));
}

void addDeckFrameRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows,
                      LengthUnit unit) {
    for (int side = 0; side < 2; ++side) {
        const auto& frame = plan.deckFrames[side];
        if (!frame) continue;
        const DeckFrame& f = *frame;
        const bool legs = f.kind == DeckFrameKind::legs;
        QString remark = legs ? QCoreApplication::translate(
                                    "CutList", "sur chant, un par ligne de flancs, sur les pieds")
                              : QCoreApplication::translate(
                                    "CutList", "sur chant, un par ligne de flancs, posé au sol");
        const QString joints = stringerJointsRemark(f.stringers, unit);
        if (!joints.isEmpty())
            remark += QCoreApplication::translate("CutList", " ; ") + joints +
                      (legs ? QCoreApplication::translate("CutList", ", au-dessus d'un pied")
                            : QCoreApplication::translate("CutList", ", sur une solive doublée"));
        rows.push_back({deckStringerArticle(side), f.stringers.count * f.stringers.piecesEach(),
                        f.stringers.pieceLength(), f.stringers.section[1], f.stringers.section[0],
                        remark});
        rows.back().part = deckStringerArticle(side, Wording::source);
        if (legs) {
            addLegFrameRows(f, side, plan.settings, unit, rows);
            continue;
        }
        addLengthRows(rows, deckFrameJoistArticle, side, f.joists.lengths, f.stringers.section[1],
                      f.stringers.section[0],
                      QCoreApplication::translate(
                          "CutList", "sur chant entre les longerons, axes à %1 de l'arrière")
                          .arg(lengthsWithUnit(f.joists.stations, unit)));
    }
}
