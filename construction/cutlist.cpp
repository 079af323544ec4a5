#include "cutlist.h"

#include "buildlistrows.h"
#include "panelsplitting.h"

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

const QString curveNames[2] = {QStringLiteral("courbe gauche"), QStringLiteral("courbe droite")};

// A split panel's pieces and its splice plates, by their bounding boxes.
void addPieceRows(const ConstructionPlan& plan, int side, std::vector<CutListRow>& rows) {
    const CurvePlan& curve = *plan.curves[side];
    const int pieces = int(curve.pieces.size());
    if (pieces < 2) return;
    for (int i = 0; i < pieces; ++i) {
        const Rect box = boundingBox(curve.pieces[std::size_t(i)].outline);
        rows.push_back({QCoreApplication::translate("CutList", "Flanc %1, morceau %2/%3")
                            .arg(curveNames[side])
                            .arg(i + 1)
                            .arg(pieces),
                        curve.panelCount, box.width(), box.height(), plan.settings.panel,
                        QString()});
    }
    std::vector<int> plates;
    for (int i = 0; i < int(plan.sheets.splicePlates.size()); ++i)
        if (plan.sheets.splicePlates[std::size_t(i)].curve == side) plates.push_back(i);
    for (std::size_t k = 0; k < plates.size(); ++k) {
        const PanelSplice& plate = plan.sheets.splicePlates[std::size_t(plates[k])];
        const PanelSplit& split = plan.sheets.splits.at(std::size_t(plate.split));
        rows.push_back(
            {QCoreApplication::translate("CutList", "Éclisse %1 %2/%3")
                 .arg(curveNames[side])
                 .arg(k + 1)
                 .arg(plates.size()),
             plate.count, jointLength(plan.sheets, plate), spliceWidth, plan.settings.panel,
             QCoreApplication::translate("CutList",
                                         "sur la face intérieure, sur le joint à %1 mm (%2)")
                 .arg(formatLength(split.kind == SplitKind::normal ? split.station : split.at),
                      splitKindText(split.kind))});
    }
}

void addPanelRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve) continue;
        QString remark = QStringLiteral("pivot %1 mm au-dessus du sol, rayon du cadre %2 mm")
                             .arg(formatLength(curve->pivot.v), formatLength(curve->frameRadius));
        if (curve->pieces.size() > 1)
            remark += QStringLiteral(" ; en %1 morceaux joints par une éclisse de 300 mm")
                          .arg(curve->pieces.size());
        rows.push_back({QStringLiteral("Flanc ") + curveNames[side], curve->panelCount,
                        curve->panelLength, curve->panelHeight, plan.settings.panel, remark});
        addPieceRows(plan, side, rows);
    }
    if (plan.sheets.count > 0) {
        int parts = 0;
        for (const SheetLayout& sheet : plan.sheets.layout)
            parts += int(sheet.parts.size());
        rows.push_back({QStringLiteral("Panneau pour flancs"), plan.sheets.count,
                        plan.settings.sheetLong, plan.settings.sheetShort, plan.settings.panel,
                        QStringLiteral("%1 pièces de flancs imbriquées").arg(parts)});
    }
}

void addTimberRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    const ConstructionSettings& s = plan.settings;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve || curve->ribs.pieces == 0) continue;
        rows.push_back(
            {QStringLiteral("Tasseau ") + curveNames[side], curve->ribs.pieces, curve->ribs.length,
             s.ribWidth, s.ribDepth,
             QStringLiteral("%1 stations le long de la courbe").arg(curve->stations.size())});
    }
    const std::pair<const std::optional<JoistPlan>*, QString> decks[] = {
        {&plan.leftDeck, QStringLiteral("gauche")},
        {&plan.rightDeck, QStringLiteral("droite")},
    };
    for (const auto& [joist, side] : decks) {
        if (!*joist || (*joist)->pieces == 0) continue;
        const JoistPlan& j = **joist;
        if (j.pieces > j.copingBlocks)
            rows.push_back({QStringLiteral("Solive plate-forme ") + side, j.pieces - j.copingBlocks,
                            j.length, s.ribWidth, s.ribDepth,
                            QCoreApplication::translate("CutList", "axes à %1 mm de l'arrière")
                                .arg(lengthList(j.stations))});
        if (j.copingBlocks > 0)
            rows.push_back(
                {QCoreApplication::translate("CutList", "Cale de coping, plate-forme %1").arg(side),
                 j.copingBlocks, j.length, s.ribWidth, s.ribDepth,
                 QCoreApplication::translate("CutList", "sur chant, contre le tube, axe à %1 mm "
                                                        "de l'arrière")
                     .arg(formatLength(j.stations.back()))});
    }
    addDeckFrameRows(plan, rows);
    if (const auto& frame = plan.flatFrame) {
        const Stringers stringers{frame->stringers, frame->length, frame->section, frame->joints};
        QString remark =
            QCoreApplication::translate("CutList", "sur chant, un par ligne de flancs, d'un pied "
                                                   "de courbe à l'autre");
        if (!frame->joints.empty())
            remark += QStringLiteral(" ; ") + stringerJointsRemark(stringers) +
                      QCoreApplication::translate("CutList", ", sur une solive doublée");
        rows.push_back({QCoreApplication::translate("CutList", "Longeron du plat"),
                        stringers.count * stringers.piecesEach(), stringers.pieceLength(),
                        frame->section[1], frame->section[0], remark});
        const JoistPlan& j = *plan.flat;
        for (const LengthCount& l : j.lengths)
            rows.push_back(
                {QStringLiteral("Solive du plat"), l.count, l.length, frame->section[1],
                 frame->section[0],
                 QCoreApplication::translate("CutList", "sur chant entre les longerons, axes à "
                                                        "%1 mm du bout gauche du plat")
                     .arg(lengthList(j.stations))});
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
QString layerPieces(const SurfaceLayerPlan& layer) {
    QStringList runs;
    for (SurfaceRun run : {SurfaceRun::leftDeck, SurfaceRun::riding, SurfaceRun::rightDeck}) {
        std::vector<double> lengths;
        for (const SurfacePiece& p : layer.pieces)
            if (p.run == run) lengths.push_back(p.length);
        if (!lengths.empty()) runs << runName(run) + u' ' + lengthList(lengths);
    }
    return QCoreApplication::translate("CutList", "pièces (mm) : %1 ; en travers %2 mm")
        .arg(runs.join(QStringLiteral(" ; ")), lengthList(layer.across));
}

void addSurfaceRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    const ConstructionSettings& s = plan.settings;
    for (std::size_t i = 0; i < plan.surface.layers.size(); ++i) {
        const SurfaceLayerPlan& layer = plan.surface.layers[i];
        QString remark = QStringLiteral("joints à %1 mm du bout gauche de la couche")
                             .arg(lengthList(layer.seams));
        if (layer.seams.empty()) remark = QStringLiteral("surface sans joint");
        for (int side = 0; side < 2; ++side)
            if (!layer.deckSeams[side].empty())
                remark += QStringLiteral(" ; plate-forme %1 : joints à %2 mm")
                              .arg(side == 0 ? QStringLiteral("gauche") : QStringLiteral("droite"),
                                   lengthList(layer.deckSeams[side]));
        remark += QStringLiteral(" ; ") + layerPieces(layer);
        rows.push_back({QStringLiteral("Contreplaqué de surface, couche %1").arg(i + 1),
                        layer.sheets, s.sheetLong, s.sheetShort, layer.thickness, remark});
    }
    if (plan.coping.pieces > 0)
        rows.push_back({QStringLiteral("Coping (tube acier)"), plan.coping.pieces,
                        plan.coping.length, s.coping, s.coping,
                        QStringLiteral("diamètre extérieur %1 mm, schedule 40 en général")
                            .arg(formatLength(s.coping))});
}

QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n')) return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString number(double mm) {
    return mm > 0 ? formatLength(mm) : QString();
}

} // namespace

QString lengthList(const std::vector<double>& lengths) {
    QStringList texts;
    for (double l : lengths)
        texts << formatLength(l);
    return texts.join(QStringLiteral(" ; "));
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

std::vector<CutListRow> cutListRows(const ConstructionPlan& plan, const PriceTable& prices) {
    std::vector<CutListRow> rows;
    addPanelRows(plan, rows);
    addTimberRows(plan, rows);
    addSurfaceRows(plan, rows);
    addShoppingRows(plan, planCost(plan, prices), rows);
    for (const QString& warning : plan.warnings)
        rows.push_back({QStringLiteral("Avertissement"), 0, 0, 0, 0, warning});
    return rows;
}

QByteArray planCsv(const ConstructionPlan& plan, const PriceTable& prices) {
    const PlanCost cost = planCost(plan, prices);
    QString text = QStringLiteral(
        "article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque,prix\r\n");
    const auto addRow = [&text](const CutListRow& row) {
        text += QStringList{csvField(row.article),
                            row.quantity > 0 ? QString::number(row.quantity) : QString(),
                            number(row.length),
                            number(row.width),
                            number(row.thickness),
                            csvField(row.remark),
                            row.cents ? centsText(*row.cents) : QString()}
                    .join(u',');
        text += QStringLiteral("\r\n");
    };
    for (const CutListRow& row : cutListRows(plan, prices))
        addRow(row);
    addRow({QCoreApplication::translate("CutList", "Total"), 0, 0, 0, 0, costTotalText(cost),
            cost.cents});
    return text.toUtf8();
}

QByteArray planText(const ConstructionPlan& plan, const PriceTable& prices) {
    const std::vector<CutListRow> rows = cutListRows(plan, prices);
    const PlanCost cost = planCost(plan, prices);
    const QStringList header{
        QStringLiteral("article"),   QStringLiteral("qté"),
        QStringLiteral("longueur"),  QStringLiteral("largeur"),
        QStringLiteral("épaisseur"), QCoreApplication::translate("CutList", "prix")};
    std::vector<QStringList> cells{header};
    QStringList remarks{QString()};
    QStringList warnings;
    for (const CutListRow& row : rows) {
        if (row.quantity == 0) {
            warnings << row.remark;
            continue;
        }
        cells.push_back({row.article, QString::number(row.quantity), number(row.length),
                         number(row.width), number(row.thickness),
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
        text += QStringLiteral("\nAvertissements :\n");
        for (const QString& w : warnings)
            text += QStringLiteral("- ") + w + u'\n';
    }
    text += QStringLiteral("\nLongueurs en millimètres.\n");
    return text.toUtf8();
}
