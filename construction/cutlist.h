#pragma once

#include "constructionplan.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The cut list of a plan: what to buy and cut, one row per article, as the
// plan window shows it and the batch tool prints it.
struct CutListRow {
    QString article;
    int quantity = 0;
    double length = 0; // mm
    double width = 0;
    double thickness = 0;
    QString remark;
};

// Side panels, nested sheets, ribs, joists, surface sheets per layer (with
// where their seams fall), coping; then one row per warning (quantity 0).
std::vector<CutListRow> cutListRows(const ConstructionPlan& plan);

// The rows as CSV, UTF-8, columns
// article,quantité,longueur (mm),largeur (mm),épaisseur (mm),remarque; CR LF.
QByteArray planCsv(const ConstructionPlan& plan);

// The rows as a text table in UTF-8 for a terminal, warnings below it.
QByteArray planText(const ConstructionPlan& plan);

// A list of lengths, "312.5 ; 1532.5".
QString lengthList(const std::vector<double>& lengths);
