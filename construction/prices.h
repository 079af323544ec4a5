#pragma once

#include "quarvelerror.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

struct ConstructionPlan;

// What the builder pays: a price table (a preference of the user's, not of
// the design) and the plan's shopping list priced with it.

// Prices in ten-thousandths of the currency unit, as typed (up to four
// decimals). The defaults are indicative: a DIY store, 2026.
struct PriceTable {
    long long sheet = 7500;        // plywood, per m² per mm of thickness
    long long timber = 24000;      // per metre of stock of the rib section
    long long pipe = 140000;       // coping pipe, per metre
    long long screwsShort = 40000; // per 100, up to 50 mm
    long long screwsLong = 90000;  // per 100, longer
    long long lag = 6000;          // each
    long long bolt = 12000;        // with washers and nut, each
    long long bracket = 15000;     // each
    long long glue = 120000;       // per kg
    QString currency = QStringLiteral("€");

    bool indicative() const;
    friend bool operator==(const PriceTable&, const PriceTable&) = default;
};

// A price file refused: "Fichier de prix incorrect : glue=abc (...)".
class PriceFileError : public QuarvelError {
public:
    using QuarvelError::QuarvelError;
};

// The price file's keys in their order: sheet timber pipe screws_short
// screws_long lag bolt bracket glue currency.
const QStringList& priceKeys();

// Reads an INI text whose [prices] section sets any of the keys (a number
// with '.' and at most four decimals, 0 to 1000000; currency: 1 to 8
// characters); other sections are left alone. Throws PriceFileError naming
// an unknown key, a bad value, a line outside any section or a missing
// [prices] section.
PriceTable parsePriceFile(QByteArrayView text);

// One key's value, as the price file writes it: "2.4", "0.75", "€".
QString priceValueText(const PriceTable& table, QStringView key);

// Sets one key from its text as the price file takes it; throws
// PriceFileError as parsePriceFile does.
void setPriceValue(PriceTable& table, QStringView key, QStringView value);

// One line of the shopping list. price = quantity × unitPrice (per 100 for
// screws), rounded to the cent.
enum class CostKind { sheet, board, pipe, fastener };

struct CostLine {
    CostKind kind = CostKind::sheet;
    QString item;        // "sheet 1220x2440x18", "board 89x38x4800", "pipe 60.3x2440",
                         // "surface_screw 4.5x45", "bracket", "glue"
    double quantity = 0; // sheets, boards, pipes, pieces; kg of glue
    QString unit;        // what unitPrice buys: "each", "100" or "kg"
    double unitPrice = 0;
    long long cents = 0; // the line's price
    // What the line buys: a sheet's (long, short, thickness), a board's
    // (stock, section), a pipe's (length, diameter, diameter); for a
    // fastener, its index in the plan's fasteners.
    double size[3] = {0, 0, 0};
    int fastener = -1;
};

struct PlanCost {
    QString currency;
    bool indicative = true;
    std::vector<CostLine> lines; // sheets by thickness, boards by section and length, pipes,
                                 // fasteners
    long long cents = 0;         // the lines' sum
};

PlanCost planCost(const ConstructionPlan& plan, const PriceTable& prices);

// "1234.56": cents with '.' and two decimals.
QString centsText(long long cents);
