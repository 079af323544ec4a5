#include "cutlist.h"

#include "buildlistrows.h"
#include "constructionwords.h"
#include "decimaltext.h"
#include "panelsplitting.h"
#include "printedlengths.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString splitKindText(SplitKind kind) {
    switch (kind) {
    case SplitKind::normal:
        return QCoreApplication::translate("CutList", "du pied le long de la courbe");
    case SplitKind::vertical:
        return QCoreApplication::translate("CutList", "de l'arrière, vertical");
    case SplitKind::horizontal:
        return QCoreApplication::translate("CutList", "du sol, horizontal");
    }
    return {};
}

// A split panel's pieces and its splice plates, by their bounding boxes.
void addPieceRows(const ConstructionPlan& plan, const DistinctPanel& panel, LengthUnit unit,
                  std::vector<CutListRow>& rows) {
    const CurvePlan& curve = *plan.curves[panel.curve];
    const int pieces = int(curve.pieces.size());
    if (pieces < 2) return;
    for (int i = 0; i < pieces; ++i) {
        const QRectF box = boundingBox(curve.pieces[std::size_t(i)].outline);
        rows.push_back({panelPieceArticle(panel, i, pieces), panel.count(), box.width(),
                        box.height(), plan.settings.panel, QString()});
        rows.back().part = panelPieceArticle(panel, i, pieces, Wording::source);
    }
    const int plates = int(curve.splicePlates.size());
    for (int k = 0; k < plates; ++k) {
        const PanelSplice& plate = curve.splicePlates[std::size_t(k)];
        const PanelSplit& split = curve.splits.at(std::size_t(plate.split));
        rows.push_back(
            {splicePlateArticle(panel, k, plates), panel.count(), jointLength(curve, plate),
             spliceWidth, plan.settings.panel,
             QCoreApplication::translate("CutList",
                                         "sur la face intérieure, sur le joint à %1 (%2)")
                 .arg(lengthWithUnit(split.kind == SplitKind::normal ? split.station : split.at,
                                     unit),
                      splitKindText(split.kind))});
        rows.back().part = splicePlateArticle(panel, k, plates, Wording::source);
    }
}

void addPanelRows(const ConstructionPlan& plan, LengthUnit unit, std::vector<CutListRow>& rows) {
    for (const DistinctPanel& panel : plan.panels) {
        const auto& curve = plan.curves[panel.curve];
        QString remark =
            QCoreApplication::translate("CutList", "pivot %1 au-dessus du sol, rayon du cadre %2")
                .arg(lengthWithUnit(curve->pivot.y(), unit),
                     lengthWithUnit(curve->frameRadius, unit));
        if (curve->pieces.size() > 1)
            remark += QCoreApplication::translate("CutList",
                                                  " ; en %1 morceaux joints par une éclisse de %2")
                          .arg(curve->pieces.size())
                          .arg(lengthWithUnit(spliceWidth, unit));
        rows.push_back({panelArticle(panel), panel.count(), curve->panelLength, curve->panelHeight,
                        plan.settings.panel, remark});
        rows.back().part = panelArticle(panel, Wording::source);
        addPieceRows(plan, panel, unit, rows);
    }
    if (plan.panelSheets.count > 0) {
        int parts = 0;
        for (const SheetLayout& sheet : plan.panelSheets.layout)
            parts += int(sheet.parts.size());
        rows.push_back(
            {QCoreApplication::translate("Construction", "Feuille pour flancs"),
             plan.panelSheets.count, plan.settings.sheetLong, plan.settings.sheetShort,
             plan.settings.panel,
             QCoreApplication::translate("CutList", "%1 pièces de flancs imbriquées").arg(parts)});
    }
}

void addTimberRows(const ConstructionPlan& plan, LengthUnit unit, std::vector<CutListRow>& rows) {
    const ConstructionSettings& s = plan.settings;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve || curve->ribs.pieces == 0) continue;
        rows.push_back({ribArticle(side), curve->ribs.pieces, curve->ribs.length, s.ribWidth,
                        s.ribDepth,
                        QCoreApplication::translate("CutList", "%1 stations le long de la courbe")
                            .arg(curve->stations.size())});
        rows.back().part = ribArticle(side, Wording::source);
    }
    const std::optional<JoistPlan>* decks[2] = {&plan.leftDeck, &plan.rightDeck};
    for (int side = 0; side < 2; ++side) {
        const std::optional<JoistPlan>* joist = decks[side];
        if (!*joist || (*joist)->pieces == 0) continue;
        const JoistPlan& j = **joist;
        if (j.pieces > j.copingBlocks) {
            rows.push_back({deckJoistArticle(side), j.pieces - j.copingBlocks, j.length, s.ribWidth,
                            s.ribDepth,
                            QCoreApplication::translate("CutList", "axes à %1 de l'arrière")
                                .arg(lengthsWithUnit(j.stations, unit))});
            rows.back().part = deckJoistArticle(side, Wording::source);
        }
        if (j.copingBlocks > 0) {
            rows.push_back(
                {copingBlockArticle(side), j.copingBlocks, j.length, s.ribWidth, s.ribDepth,
                 QCoreApplication::translate("CutList", "sur chant, contre le tube, axe à %1 "
                                                        "de l'arrière")
                     .arg(lengthWithUnit(j.stations.back(), unit))});
            rows.back().part = copingBlockArticle(side, Wording::source);
        }
    }
    addDeckFrameRows(plan, rows, unit);
    if (const auto& frame = plan.flatFrame) {
        const Stringers stringers{frame->stringers, frame->length, frame->section, frame->joints};
        QString remark =
            QCoreApplication::translate("CutList", "sur chant, un par ligne de flancs, d'un pied "
                                                   "de courbe à l'autre");
        if (!frame->joints.empty())
            remark += QCoreApplication::translate("CutList", " ; ") +
                      stringerJointsRemark(stringers, unit) +
                      QCoreApplication::translate("CutList", ", sur une solive doublée");
        rows.push_back({flatStringerArticle(), stringers.count * stringers.piecesEach(),
                        stringers.pieceLength(), frame->section[1], frame->section[0], remark});
        rows.back().part = flatStringerArticle(Wording::source);
        const JoistPlan& j = *plan.flat;
        for (const LengthCount& l : j.lengths) {
            rows.push_back(
                {flatJoistArticle(), l.count, l.length, frame->section[1], frame->section[0],
                 QCoreApplication::translate("CutList", "sur chant entre les longerons, axes à "
                                                        "%1 du bout gauche du plat")
                     .arg(lengthsWithUnit(j.stations, unit))});
            rows.back().part = flatJoistArticle(Wording::source);
        }
    }
}

QString runName(SurfaceRun run) {
    switch (run) {
    case SurfaceRun::leftDeck:
        return QCoreApplication::translate("CutList", "plate-forme gauche");
    case SurfaceRun::riding:
        return QCoreApplication::translate("CutList", "de lèvre à lèvre");
    case SurfaceRun::rightDeck:
        return QCoreApplication::translate("CutList", "plate-forme droite");
    }
    return QString();
}

// "de lèvre à lèvre 1220 ; 911.2 ; ...", run by run.
QString layerPieces(const SurfaceLayerPlan& layer, LengthUnit unit) {
    QStringList runs;
    for (SurfaceRun run : {SurfaceRun::leftDeck, SurfaceRun::riding, SurfaceRun::rightDeck}) {
        std::vector<double> lengths;
        for (const SurfacePiece& p : layer.pieces)
            if (p.run == run) lengths.push_back(p.length);
        if (!lengths.empty()) runs << runName(run) + u' ' + lengthList(lengths, unit);
    }
    return QCoreApplication::translate("CutList", "pièces (%1) : %2 ; en travers %3")
        .arg(unitName(unit), runs.join(QCoreApplication::translate("CutList", " ; ")),
             lengthsWithUnit(layer.across, unit));
}

void addSurfaceRows(const ConstructionPlan& plan, LengthUnit unit, std::vector<CutListRow>& rows) {
    const ConstructionSettings& s = plan.settings;
    for (std::size_t i = 0; i < plan.surface.layers.size(); ++i) {
        const SurfaceLayerPlan& layer = plan.surface.layers[i];
        QString remark =
            QCoreApplication::translate("CutList", "joints à %1 du bout gauche de la couche")
                .arg(lengthsWithUnit(layer.seams, unit));
        if (layer.seams.empty())
            remark = QCoreApplication::translate("CutList", "surface sans joint");
        for (int side = 0; side < 2; ++side)
            if (!layer.deckSeams[side].empty())
                remark += QCoreApplication::translate("CutList", " ; plate-forme %1 : joints à %2")
                              .arg(sideName(side), lengthsWithUnit(layer.deckSeams[side], unit));
        remark += QCoreApplication::translate("CutList", " ; ") + layerPieces(layer, unit);
        rows.push_back({surfaceLayerArticle(int(i)), layer.sheets, s.sheetLong, s.sheetShort,
                        layer.thickness, remark});
        rows.back().part = surfaceLayerArticle(int(i), Wording::source);
    }
    if (plan.copingPipes.pieces > 0) {
        rows.push_back(
            {copingArticle(), plan.copingPipes.pieces, plan.copingPipes.length, s.coping, s.coping,
             QCoreApplication::translate("CutList", "diamètre extérieur %1, schedule 40 en général")
                 .arg(lengthWithUnit(s.coping, unit))});
        rows.back().part = copingArticle(Wording::source);
    }
}

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n')) return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString lengthList(const std::vector<double>& lengths, LengthUnit unit) {
    QStringList texts;
    for (double l : lengths)
        texts << lengthText(l, unit);
    return texts.join(QStringLiteral(" ; "));
}

QString lengthsWithUnit(const std::vector<double>& lengths, LengthUnit unit) {
    return numberWithUnit(lengthList(lengths, unit), unit);
}

QString costTotalText(const PlanCost& cost) {
    QString text = QCoreApplication::translate("CutList", "Total : %1 %2")
                       .arg(centsText(cost.cents), cost.currency);
    if (cost.indicative)
        text += QCoreApplication::translate("CutList",
                                            " (prix indicatifs, magasin de bricolage, 2026 ; "
                                            "donnez les vôtres avec --prices FICHIER)");
    return text;
}

QString cutListLengthCell(double millimetres, LengthUnit unit) {
    return millimetres > 0 ? lengthText(millimetres, unit) : QString();
}

QString cutListThicknessCell(double millimetres, LengthUnit unit) {
    return millimetres > 0 ? thicknessText(millimetres, unit) : QString();
}

std::vector<CutListRow> cutListRows(const ConstructionPlan& plan, const PriceTable& prices,
                                    LengthUnit unit) {
    std::vector<CutListRow> rows;
    addPanelRows(plan, unit, rows);
    addTimberRows(plan, unit, rows);
    addSurfaceRows(plan, unit, rows);
    addShoppingRows(plan, planCost(plan, prices), rows, unit);
    for (const QString& warning : planWarningTexts(plan, unit))
        rows.push_back(
            {QCoreApplication::translate("CutList", "Avertissement"), 0, 0, 0, 0, warning});
    return rows;
}

QByteArray planCsv(const ConstructionPlan& plan, const PriceTable& prices, LengthUnit unit) {
    const PlanCost cost = planCost(plan, prices);
    QString text = QCoreApplication::translate("CutList", "article,quantité,longueur (%1),largeur "
                                                          "(%1),épaisseur (%1),remarque,prix")
                       .arg(unitName(unit)) +
                   QStringLiteral("\r\n");
    const auto addRow = [&text, unit](const CutListRow& row) {
        text += QStringList{csvField(row.article),
                            row.quantity > 0 ? QString::number(row.quantity) : QString(),
                            csvField(cutListLengthCell(row.length, unit)),
                            csvField(cutListLengthCell(row.width, unit)),
                            csvField(cutListThicknessCell(row.thickness, unit)),
                            csvField(row.remark),
                            row.cents ? centsText(*row.cents) : QString()}
                    .join(u',');
        text += QStringLiteral("\r\n");
    };
    for (const CutListRow& row : cutListRows(plan, prices, unit))
        addRow(row);
    addRow({QCoreApplication::translate("CutList", "Total"), 0, 0, 0, 0, costTotalText(cost),
            cost.cents});
    return text.toUtf8();
}

QByteArray planText(const ConstructionPlan& plan, const PriceTable& prices, LengthUnit unit) {
    const std::vector<CutListRow> rows = cutListRows(plan, prices, unit);
    const PlanCost cost = planCost(plan, prices);
    const QStringList header{QCoreApplication::translate("CutList", "article"),
                             QCoreApplication::translate("CutList", "qté"),
                             QCoreApplication::translate("CutList", "longueur"),
                             QCoreApplication::translate("CutList", "largeur"),
                             QCoreApplication::translate("CutList", "épaisseur"),
                             QCoreApplication::translate("CutList", "prix")};
    std::vector<QStringList> cells{header};
    QStringList remarks{QString()};
    QStringList warnings;
    for (const CutListRow& row : rows) {
        if (row.quantity == 0) {
            warnings << row.remark;
            continue;
        }
        cells.push_back({row.article, QString::number(row.quantity),
                         cutListLengthCell(row.length, unit), cutListLengthCell(row.width, unit),
                         cutListThicknessCell(row.thickness, unit),
                         row.cents ? centsText(*row.cents) + u' ' + cost.currency : QString()});
        remarks << row.remark;
    }
    std::vector<qsizetype> widths(header.size(), 0);
    for (const QStringList& line : cells)
        for (qsizetype c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    QString text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        QStringList padded;
        for (qsizetype c = 0; c < cells[i].size(); ++c)
            padded << (c == 0 ? cells[i][c].leftJustified(widths[c])
                              : cells[i][c].rightJustified(widths[c]));
        text += padded.join(QStringLiteral("  ")) + u'\n';
        // The remark under its row, indented, keeps the table narrow.
        if (!remarks[qsizetype(i)].isEmpty())
            text += QStringLiteral("    ") + remarks[qsizetype(i)] + u'\n';
    }
    text += u'\n' + costTotalText(cost) + u'\n';
    if (!warnings.isEmpty()) {
        text += u'\n' + QCoreApplication::translate("CutList", "Avertissements :") + u'\n';
        for (const QString& w : warnings)
            text += QStringLiteral("- ") + w + u'\n';
    }
    text += u'\n' +
            (unit == LengthUnit::Inches
                 ? QCoreApplication::translate("CutList", "Longueurs en pieds et pouces.")
                 : QCoreApplication::translate("CutList", "Longueurs en millimètres.")) +
            u'\n';
    return decimalsForPeople(text).toUtf8();
}
