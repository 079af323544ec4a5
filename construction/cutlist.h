#pragma once

#include "constructionplan.h"
#include "lengthunits.h"
#include "prices.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <vector>

// The cut list of a plan: what to buy and cut, one row per article, as the
// plan window shows it and the batch tool prints it.
struct CutListRow {
    CutListRow() = default;
    CutListRow(QString article, int quantity, double length, double width, double thickness,
               QString remark, std::optional<long long> cents = std::nullopt)
        : article(std::move(article))
        , quantity(quantity)
        , length(length)
        , width(width)
        , thickness(thickness)
        , remark(std::move(remark))
        , cents(cents) {}

    QString article; // for people, in the program's language
    int quantity = 0;
    double length = 0; // mm
    double width = 0;
    double thickness = 0;
    QString remark;
    std::optional<long long> cents; // the price of what the row buys
    // The article's French source, which the 3D model's part names start
    // with whatever the language; empty for a row of no part.
    QString part;
};

// Side panels, nested sheets, ribs, joists, the frames, surface sheets per
// layer (with where their seams fall), coping; then what to buy, priced:
// sheets, boards (how each is cut), pipes, fasteners; then one row per
// warning (quantity 0). The lengths stay millimetres; the articles name
// timber sections and stock lengths, the remarks their lengths, in the unit
// (point for decimals).
std::vector<CutListRow> cutListRows(const ConstructionPlan& plan, const PriceTable& prices = {},
                                    LengthUnit unit = LengthUnit::Millimetres);

// A row's length or width ("1812.4", "5' 11 3/8\"") and thickness ("18.3",
// "23/32\"") cell in the unit, point for decimals; empty for none (0).
QString cutListLengthCell(double millimetres, LengthUnit unit);
QString cutListThicknessCell(double millimetres, LengthUnit unit);

// The rows as CSV, UTF-8, columns article,quantité,longueur (mm),largeur
// (mm),épaisseur (mm),remarque,prix (in the program's language, the unit's
// name in the headings); a last row the total; CR LF; numbers with a point.
QByteArray planCsv(const ConstructionPlan& plan, const PriceTable& prices = {},
                   LengthUnit unit = LengthUnit::Millimetres);

// The rows as a text table in UTF-8 for a terminal, the total and the
// warnings below it; in the program's language, French decimals with a comma.
QByteArray planText(const ConstructionPlan& plan, const PriceTable& prices = {},
                    LengthUnit unit = LengthUnit::Millimetres);

// "Total : 812.34 € (prix indicatifs ...)".
QString costTotalText(const PlanCost& cost);

// A list of lengths in the unit, point for decimals: "312.5 ; 1532.5",
// "12 5/16\" ; 5' 3/8\"".
QString lengthList(const std::vector<double>& lengths, LengthUnit unit = LengthUnit::Millimetres);
// The same, and their unit: "312.5 ; 1532.5 mm", "12 5/16\" ; 5' 3/8\"".
QString lengthsWithUnit(const std::vector<double>& lengths, LengthUnit unit);
