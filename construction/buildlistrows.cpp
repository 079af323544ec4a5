#include "buildlistrows.h"

#include "constructionwords.h"
#include "timbersection.h"

#include <cmath>
#include <QCoreApplication>
#include <QStringList>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("CutList", text);
}

// One row per distinct length of a part.
void addLengthRows(std::vector<CutListRow>& rows, const QString& article,
                   const std::vector<LengthCount>& lengths, double width, double thickness,
                   const QString& remark) {
    for (const LengthCount& l : lengths)
        if (l.count > 0) rows.push_back({article, l.count, l.length, width, thickness, remark});
}

void addLegFrameRows(const DeckFrame& f, int side, const ConstructionSettings& s,
                     std::vector<CutListRow>& rows) {
    const double e = f.stringers.section[0];
    const double depth = f.stringers.section[1];
    addLengthRows(rows, deckBackRimArticle(side), f.backRim.pieces.lengths, depth, e,
                  tr("sur chant entre les longerons, à l'arrière du cadre"));
    addLengthRows(rows, deckFrontRimArticle(side), f.frontRim.pieces.lengths, depth, e,
                  tr("sur chant entre les longerons, boulonnée à la lisse des flancs (2 boulons "
                     "par travée)"));
    addLengthRows(rows, deckPanelRimArticle(side), f.panelRim.pieces.lengths, depth, e,
                  tr("sur chant entre les flancs, contre leur bout arrière, axe à %1 mm de "
                     "l'arrière")
                      .arg(formatLength(f.panelRim.station)));
    addLengthRows(rows, deckFrameJoistArticle(side), f.joists.lengths, s.ribWidth, s.ribDepth,
                  tr("entre les longerons, posée comme les tasseaux, axes à %1 mm de l'arrière")
                      .arg(lengthList(f.joists.stations)));
    if (f.legs.count > 0)
        rows.push_back({legArticle(side), f.legs.count, f.legs.length, f.legs.section[1],
                        f.legs.section[0],
                        tr("%1 sous chaque longeron, axes à %2 mm de l'arrière, chacun tenu par "
                           "une équerre")
                            .arg(f.legs.perLine)
                            .arg(lengthList(f.legs.positions))});
    addLengthRows(rows, braceArticle(side), f.braces, s.ribWidth, s.ribDepth,
                  tr("en diagonale, du haut d'un pied au bas du suivant"));
}

QString fastenerItemName(FastenerItem item) {
    switch (item) {
    case FastenerItem::surfaceScrew:
        return tr("Vis de surface");
    case FastenerItem::frameScrew:
        return tr("Vis droite de tasseau ou de solive");
    case FastenerItem::toeScrew:
        return tr("Vis en biais");
    case FastenerItem::spliceScrew:
        return tr("Vis d'éclisse");
    case FastenerItem::lagScrew:
        return tr("Tire-fond de coping");
    case FastenerItem::bolt:
        return tr("Boulon de carrosserie");
    case FastenerItem::bracket:
        return tr("Équerre de pied");
    case FastenerItem::bracketScrew:
        return tr("Vis d'équerre");
    case FastenerItem::braceScrew:
        return tr("Vis d'écharpe");
    case FastenerItem::glue:
        return tr("Colle à bois (g)");
    }
    return QString();
}

// "1400 ; 3 × 567.5 ; chute 1": a board's pieces in order, then its offcut.
QString boardCuts(const TimberBoard& board) {
    QStringList parts;
    for (std::size_t i = 0; i < board.cuts.size();) {
        std::size_t same = i + 1;
        while (same < board.cuts.size() && board.cuts[same].length == board.cuts[i].length)
            ++same;
        const QString length = formatLength(board.cuts[i].length);
        parts << (same - i > 1 ? QStringLiteral("%1 × %2").arg(same - i).arg(length) : length);
        i = same;
    }
    parts << tr("chute %1").arg(formatLength(board.offcut));
    return parts.join(QStringLiteral(" ; "));
}

QString sectionTotal(const TimberCutting& cutting) {
    const QString metres = QString::number(cutting.bought / 1000, 'f', 1);
    if (cutting.optimal) return tr("%1 m en tout, le moins possible").arg(metres);
    // The bound rounded down: "at least" never claims more than is proven.
    const double bound = std::floor((cutting.lowerBound + 0.01) / 100) / 10;
    return tr("%1 m en tout ; il en faut au moins %2 m")
        .arg(metres, QString::number(bound, 'f', 1));
}

// The boards of one stock length of a section, as the cut list shows them.
QString boardsRemark(const TimberSection& t, double stock) {
    QStringList cuts;
    for (const TimberBoard& b : boardsByLength(t.cutting))
        if (b.stock == stock) cuts << QStringLiteral("%1 × (%2)").arg(b.count).arg(boardCuts(b));
    return cuts.join(QStringLiteral(" ; "));
}

const TimberSection* sectionOf(const ConstructionPlan& plan, const CostLine& line) {
    for (const TimberSection& t : plan.timber)
        if (t.section[0] == line.size[1] && t.section[1] == line.size[2]) return &t;
    return nullptr;
}

// What sheets of this thickness are for: "flancs ; surface, couches 1 et 2".
QString sheetUses(const ConstructionPlan& plan, double thickness) {
    QStringList uses, layers;
    if (plan.settings.panel == thickness && plan.panelSheets.count > 0) uses << tr("flancs");
    for (std::size_t i = 0; i < plan.surface.layers.size(); ++i)
        if (plan.surface.layers[i].thickness == thickness) layers << QString::number(i + 1);
    if (!layers.isEmpty()) uses << tr("surface, couches %1").arg(layers.join(QStringLiteral(", ")));
    return uses.join(QStringLiteral(" ; "));
}

CutListRow shoppingRow(const ConstructionPlan& plan, const CostLine& line, LengthUnit unit) {
    const long long quantity = std::llround(line.quantity);
    switch (line.kind) {
    case CostKind::sheet:
        return {
            tr("Feuille de contreplaqué"), int(quantity), line.size[0], line.size[1], line.size[2],
            sheetUses(plan, line.size[2]), line.cents};
    case CostKind::board: {
        const TimberSection* t = sectionOf(plan, line);
        QString remark = t ? boardsRemark(*t, line.size[0]) : QString();
        if (t && line.size[0] == t->cutting.boards.front().stock)
            remark = sectionTotal(t->cutting) + QStringLiteral(" : ") + remark;
        return {tr("Bois %1 en %2")
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
        return {tr("Tube acier de coping"),
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
    return {fastenerName(f), int(f.buy), 0, 0, 0, tr("à poser : %1").arg(f.count), line.cents};
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
    size.replace(u'.', u',').replace(u'x', QStringLiteral(" × "));
    return name + u' ' + size;
}

QString stringerJointsRemark(const Stringers& stringers) {
    if (stringers.joints.empty()) return QString();
    return tr("chacun en %1 morceaux joints à %2 mm du bout")
        .arg(stringers.piecesEach())
        .arg(lengthList(stringers.joints));
}

void addDeckFrameRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    for (int side = 0; side < 2; ++side) {
        const auto& frame = plan.deckFrames[side];
        if (!frame) continue;
        const DeckFrame& f = *frame;
        const bool legs = f.kind == DeckFrameKind::legs;
        QString remark = legs ? tr("sur chant, un par ligne de flancs, sur les pieds")
                              : tr("sur chant, un par ligne de flancs, posé au sol");
        const QString joints = stringerJointsRemark(f.stringers);
        if (!joints.isEmpty())
            remark += QStringLiteral(" ; ") + joints +
                      (legs ? tr(", au-dessus d'un pied") : tr(", sur une solive doublée"));
        rows.push_back({deckStringerArticle(side), f.stringers.count * f.stringers.piecesEach(),
                        f.stringers.pieceLength(), f.stringers.section[1], f.stringers.section[0],
                        remark});
        if (legs) {
            addLegFrameRows(f, side, plan.settings, rows);
            continue;
        }
        addLengthRows(rows, deckFrameJoistArticle(side), f.joists.lengths, f.stringers.section[1],
                      f.stringers.section[0],
                      tr("sur chant entre les longerons, axes à %1 mm de l'arrière")
                          .arg(lengthList(f.joists.stations)));
    }
}
