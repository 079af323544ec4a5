#include "prices.h"

#include "constructionplan.h"
#include "decimaltext.h"

#include <cmath>
#include <map>
#include <QCoreApplication>

namespace {

// Wide enough for a sheet's tenths of a millimetre cubed times its price.
using Wide = __int128;

constexpr int priceDecimals = 4;
constexpr long long priceScale = 10000; // a price's units per currency unit
constexpr long long highestPrice = 1000000 * priceScale;
constexpr qsizetype longestCurrency = 8;

[[noreturn]] void refuse(const QString& what) {
    throw PriceFileError(
        QCoreApplication::translate("Prices", "Fichier de prix incorrect : %1").arg(what));
}

// "2.40" as 24000: digits, optionally '.' and up to four more.
std::optional<long long> parsePrice(QStringView text) {
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView decimals = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() || whole.size() > 7 || decimals.size() > priceDecimals ||
        (point >= 0 && decimals.isEmpty()))
        return std::nullopt;
    long long value = 0;
    for (QChar c : whole) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    long long fraction = 0;
    for (qsizetype i = 0; i < priceDecimals; ++i) {
        const QChar c = i < decimals.size() ? decimals[i] : QChar(u'0');
        if (c < u'0' || c > u'9') return std::nullopt;
        fraction = fraction * 10 + (c.unicode() - u'0');
    }
    value = value * priceScale + fraction;
    if (value > highestPrice) return std::nullopt;
    return value;
}

using PriceMember = long long PriceTable::*;

PriceMember priceMember(QStringView key) {
    static const std::pair<const char16_t*, PriceMember> members[] = {
        {u"sheet", &PriceTable::sheet},
        {u"timber", &PriceTable::timber},
        {u"pipe", &PriceTable::pipe},
        {u"screws_short", &PriceTable::screwsShort},
        {u"screws_long", &PriceTable::screwsLong},
        {u"lag", &PriceTable::lag},
        {u"bolt", &PriceTable::bolt},
        {u"bracket", &PriceTable::bracket},
        {u"glue", &PriceTable::glue}};
    for (const auto& [name, member] : members)
        if (key == QStringView(name)) return member;
    return nullptr;
}

} // namespace

void setPriceValue(PriceTable& table, QStringView key, QStringView value) {
    if (key == u"currency") {
        if (value.isEmpty() || value.size() > longestCurrency)
            refuse(QCoreApplication::translate("Prices", "currency=%1 (de 1 à %2 caractères)")
                       .arg(value)
                       .arg(longestCurrency));
        table.currency = value.toString();
        return;
    }
    const PriceMember member = priceMember(key);
    if (!member) refuse(QCoreApplication::translate("Prices", "%1 (clé inconnue)").arg(key));
    const std::optional<long long> price = parsePrice(value);
    if (!price)
        refuse(QCoreApplication::translate(
                   "Prices", "%1=%2 (un nombre de 0 à 1000000, point décimal, au plus 4 décimales)")
                   .arg(key, value));
    table.*member = *price;
}

QString priceValueText(const PriceTable& table, QStringView key) {
    if (key == u"currency") return table.currency;
    const PriceMember member = priceMember(key);
    if (!member) return QString();
    return QString::fromLatin1(decimalText(double(table.*member) / priceScale, priceDecimals));
}

namespace {

// round(num / den) for positive values, halves up.
long long roundedDivision(Wide num, Wide den) {
    return static_cast<long long>((2 * num + den) / (2 * den));
}

long long tenths(double mm) {
    return std::llround(mm * 10);
}

// A line of `quantity` units at num / den cents each.
CostLine line(CostKind kind, const QString& item, long long count, double quantity,
              const char* unit, Wide num, Wide den) {
    CostLine l;
    l.kind = kind;
    l.item = item;
    l.quantity = quantity;
    l.unit = QLatin1String(unit);
    l.unitPrice = double(static_cast<long double>(num) / static_cast<long double>(den) / 100);
    l.cents = roundedDivision(num * count, den);
    return l;
}

QString sizeText(std::initializer_list<double> sizes) {
    QStringList texts;
    for (double s : sizes)
        texts << formatLength(s);
    return texts.join(u'x');
}

void addSheets(const ConstructionPlan& plan, const PriceTable& prices, PlanCost& cost) {
    const ConstructionSettings& s = plan.settings;
    std::vector<std::pair<double, long long>> byThickness; // in the order met
    const auto add = [&](double thickness, int sheets) {
        if (sheets <= 0) return;
        for (auto& [t, n] : byThickness)
            if (tenths(t) == tenths(thickness)) {
                n += sheets;
                return;
            }
        byThickness.push_back({thickness, sheets});
    };
    add(s.panel, plan.panelSheets.count);
    for (const SurfaceLayerPlan& layer : plan.surface.layers)
        add(layer.thickness, layer.sheets);
    // tenths of mm cubed × price units: 1e-13 currency units, 1e-11 cents.
    const Wide den = Wide(100000000000LL);
    for (const auto& [thickness, n] : byThickness) {
        const Wide num =
            Wide(tenths(s.sheetShort)) * tenths(s.sheetLong) * tenths(thickness) * prices.sheet;
        CostLine l =
            line(CostKind::sheet,
                 QStringLiteral("sheet ") + sizeText({s.sheetShort, s.sheetLong, thickness}), n,
                 double(n), "each", num, den);
        l.size[0] = s.sheetLong;
        l.size[1] = s.sheetShort;
        l.size[2] = thickness;
        cost.lines.push_back(l);
    }
}

void addBoards(const ConstructionPlan& plan, const PriceTable& prices, PlanCost& cost) {
    const ConstructionSettings& s = plan.settings;
    const Wide rib = Wide(tenths(s.ribWidth)) * tenths(s.ribDepth);
    for (const TimberSection& t : plan.timber) {
        std::map<long long, long long, std::greater<>> byStock;
        for (const TimberBoard& b : t.cutting.boards)
            byStock[tenths(b.stock)] += b.count;
        const Wide area = Wide(tenths(t.section[0])) * tenths(t.section[1]);
        for (const auto& [stock, n] : byStock) {
            // tenths of mm × price units per metre: 1e-6 cents, in proportion
            // to the section's area against the rib timber's.
            CostLine l = line(
                CostKind::board,
                QStringLiteral("board ") + sizeText({t.section[0], t.section[1], stock / 10.0}), n,
                double(n), "each", Wide(prices.timber) * stock * area, Wide(1000000) * rib);
            l.size[0] = stock / 10.0;
            l.size[1] = t.section[0];
            l.size[2] = t.section[1];
            cost.lines.push_back(l);
        }
    }
}

void addPipes(const ConstructionPlan& plan, const PriceTable& prices, PlanCost& cost) {
    if (plan.copingPipes.pieces <= 0) return;
    const double d = plan.settings.coping;
    CostLine l =
        line(CostKind::pipe, QStringLiteral("pipe ") + sizeText({d, plan.copingPipes.length}),
             plan.copingPipes.pieces, plan.copingPipes.pieces, "each",
             Wide(prices.pipe) * tenths(plan.copingPipes.length), Wide(100000) * 10);
    l.size[0] = plan.copingPipes.length;
    l.size[1] = d;
    l.size[2] = d;
    cost.lines.push_back(l);
}

void addFasteners(const ConstructionPlan& plan, const PriceTable& prices, PlanCost& cost) {
    for (std::size_t i = 0; i < plan.fasteners.size(); ++i) {
        const FastenerCount& f = plan.fasteners[i];
        QString item = QLatin1String(fastenerKey(f.item));
        if (f.item != FastenerItem::glue && !f.size.isEmpty()) item += u' ' + f.size;
        CostLine l;
        switch (f.item) {
        case FastenerItem::lagScrew:
        case FastenerItem::bolt:
        case FastenerItem::bracket: {
            const long long each = f.item == FastenerItem::lagScrew ? prices.lag
                                   : f.item == FastenerItem::bolt   ? prices.bolt
                                                                    : prices.bracket;
            l = line(CostKind::fastener, item, f.buy, double(f.buy), "each", each, 100);
            break;
        }
        case FastenerItem::glue:
            l = line(CostKind::fastener, item, f.buy, f.buy / 1000.0, "kg", prices.glue, 100000);
            l.unitPrice *= 1000;
            break;
        default: {
            const long long per100 =
                f.length <= longestThinScrew ? prices.screwsShort : prices.screwsLong;
            l = line(CostKind::fastener, item, f.buy, double(f.buy), "100", per100, 10000);
            l.unitPrice *= 100;
        }
        }
        l.fastener = int(i);
        cost.lines.push_back(l);
    }
}

} // namespace

bool PriceTable::indicative() const {
    return *this == PriceTable{};
}

const QStringList& priceKeys() {
    static const QStringList keys{QStringLiteral("sheet"),       QStringLiteral("timber"),
                                  QStringLiteral("pipe"),        QStringLiteral("screws_short"),
                                  QStringLiteral("screws_long"), QStringLiteral("lag"),
                                  QStringLiteral("bolt"),        QStringLiteral("bracket"),
                                  QStringLiteral("glue"),        QStringLiteral("currency")};
    return keys;
}

PriceTable parsePriceFile(QByteArrayView text) {
    PriceTable table;
    QString all = QString::fromUtf8(text);
    if (all.startsWith(QChar(0xfeff))) all.remove(0, 1); // a byte-order mark
    QString section;
    bool found = false;
    for (QStringView raw : QStringView(all).split(u'\n')) {
        const QStringView l = raw.trimmed();
        if (l.isEmpty() || l.startsWith(u';') || l.startsWith(u'#')) continue;
        if (l.startsWith(u'[') && l.endsWith(u']')) {
            section = l.mid(1, l.size() - 2).trimmed().toString();
            found = found || section == u"prices";
            continue;
        }
        const qsizetype eq = l.indexOf(u'=');
        const QStringView key = (eq < 0 ? l : l.left(eq)).trimmed();
        if (section.isEmpty())
            refuse(
                QCoreApplication::translate("Prices", "%1 (hors de la section [prices])").arg(key));
        if (section != u"prices") continue;
        if (eq < 0)
            refuse(QCoreApplication::translate("Prices", "%1 (une ligne clé = valeur)").arg(key));
        setPriceValue(table, key, l.mid(eq + 1).trimmed());
    }
    if (!found) refuse(QCoreApplication::translate("Prices", "pas de section [prices]"));
    return table;
}

PlanCost planCost(const ConstructionPlan& plan, const PriceTable& prices) {
    PlanCost cost;
    cost.currency = prices.currency;
    cost.indicative = prices.indicative();
    addSheets(plan, prices, cost);
    addBoards(plan, prices, cost);
    addPipes(plan, prices, cost);
    addFasteners(plan, prices, cost);
    for (const CostLine& l : cost.lines)
        cost.cents += l.cents;
    return cost;
}

QString centsText(long long cents) {
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar(u'0'));
}
