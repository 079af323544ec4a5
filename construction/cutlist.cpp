#include "cutlist.h"

#include "constructionwords.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

void addPanelRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    for (const DistinctPanel& panel : plan.panels) {
        const auto& curve = plan.curves[panel.curve];
        QString remark = QStringLiteral("pivot %1 mm au-dessus du sol, rayon du cadre %2 mm")
                             .arg(formatLength(curve->pivot.y()), formatLength(curve->frameRadius));
        if (curve->pieces.size() > 1)
            remark += QStringLiteral(" ; en %1 morceaux joints par une éclisse de 300 mm")
                          .arg(curve->pieces.size());
        rows.push_back({panelArticle(panel), panel.count(), curve->panelLength, curve->panelHeight,
                        plan.settings.panel, remark});
    }
    if (plan.panelSheets.count > 0) {
        int parts = 0;
        for (const SheetLayout& sheet : plan.panelSheets.layout)
            parts += int(sheet.parts.size());
        rows.push_back({QCoreApplication::translate("Construction", "Feuille pour flancs"),
                        plan.panelSheets.count, plan.settings.sheetLong, plan.settings.sheetShort,
                        plan.settings.panel,
                        QStringLiteral("%1 pièces de flancs imbriquées").arg(parts)});
    }
}

void addTimberRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    const ConstructionSettings& s = plan.settings;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve || curve->ribs.pieces == 0) continue;
        rows.push_back(
            {QStringLiteral("Tasseau ") + curveName(side), curve->ribs.pieces, curve->ribs.length,
             s.ribWidth, s.ribDepth,
             QStringLiteral("%1 stations le long de la courbe").arg(curve->stations.size())});
    }
    const std::pair<const std::optional<JoistPlan>*, QString> joists[] = {
        {&plan.leftDeck, QStringLiteral("Solive plate-forme ") + sideName(leftCurve)},
        {&plan.flat, QStringLiteral("Solive du plat")},
        {&plan.rightDeck, QStringLiteral("Solive plate-forme ") + sideName(rightCurve)},
    };
    for (const auto& [joist, name] : joists) {
        if (!*joist || (*joist)->pieces == 0) continue;
        rows.push_back({name, (*joist)->pieces, (*joist)->length, s.ribWidth, s.ribDepth,
                        QStringLiteral("axes à %1 mm").arg(lengthList((*joist)->stations))});
    }
}

void addSurfaceRows(const ConstructionPlan& plan, std::vector<CutListRow>& rows) {
    const ConstructionSettings& s = plan.settings;
    for (std::size_t i = 0; i < plan.surface.layers.size(); ++i) {
        const SurfaceLayerPlan& layer = plan.surface.layers[i];
        QString remark = QStringLiteral("joints de la surface à %1 mm de la lèvre gauche")
                             .arg(lengthList(layer.seams));
        if (layer.seams.empty()) remark = QStringLiteral("surface sans joint");
        for (int side = 0; side < 2; ++side)
            if (!layer.deckSeams[side].empty())
                remark += QStringLiteral(" ; plate-forme %1 : joints à %2 mm")
                              .arg(sideName(side), lengthList(layer.deckSeams[side]));
        rows.push_back({QStringLiteral("Contreplaqué de surface, couche %1").arg(i + 1),
                        layer.sheets, s.sheetLong, s.sheetShort, layer.thickness, remark});
    }
    if (plan.copingPipes.pieces > 0)
        rows.push_back({QStringLiteral("Coping (tube acier)"), plan.copingPipes.pieces,
                        plan.copingPipes.length, s.coping, s.coping,
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

std::vector<CutListRow> cutListRows(const ConstructionPlan& plan) {
    std::vector<CutListRow> rows;
    addPanelRows(plan, rows);
    addTimberRows(plan, rows);
    addSurfaceRows(plan, rows);
    for (const QString& warning : plan.warnings)
        rows.push_back({QStringLiteral("Avertissement"), 0, 0, 0, 0, warning});
    return rows;
}

QByteArray planCsv(const ConstructionPlan& plan) {
    QString text =
        QStringLiteral("article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque\r\n");
    for (const CutListRow& row : cutListRows(plan)) {
        text +=
            QStringList{
                csvField(row.article), row.quantity > 0 ? QString::number(row.quantity) : QString(),
                number(row.length),    number(row.width),
                number(row.thickness), csvField(row.remark)}
                .join(u',');
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray planText(const ConstructionPlan& plan) {
    const std::vector<CutListRow> rows = cutListRows(plan);
    const QStringList header{QStringLiteral("article"), QStringLiteral("qté"),
                             QStringLiteral("longueur"), QStringLiteral("largeur"),
                             QStringLiteral("épaisseur")};
    std::vector<QStringList> cells{header};
    QStringList remarks{QString()};
    QStringList warnings;
    for (const CutListRow& row : rows) {
        if (row.quantity == 0) {
            warnings << row.remark;
            continue;
        }
        cells.push_back({row.article, QString::number(row.quantity), number(row.length),
                         number(row.width), number(row.thickness)});
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
    if (!warnings.isEmpty()) {
        text += QStringLiteral("\nAvertissements :\n");
        for (const QString& w : warnings)
            text += QStringLiteral("- ") + w + u'\n';
    }
    text += QStringLiteral("\nLongueurs en millimètres.\n");
    return text.toUtf8();
}
