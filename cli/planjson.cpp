#include "planjson.h"

#include "jsontext.h"

#include <array>
#include <cmath>
#include <numbers>
#include <QStringList>

namespace {

QByteArray num(double v) {
    // -0 would print as "-0": a length of nothing is 0.
    return jsonNumber(v == 0 ? 0.0 : v);
}

QByteArray array(const std::vector<QByteArray>& items) {
    QByteArray out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ", ";
        out += items[i];
    }
    return out + "]";
}

QByteArray numbers(const std::vector<double>& values) {
    std::vector<QByteArray> items;
    items.reserve(values.size());
    for (double v : values)
        items.push_back(num(v));
    return array(items);
}

QByteArray point(QPointF p) {
    return numbers({p.x(), p.y()});
}

QByteArray optionalPoint(const std::optional<QPointF>& p) {
    return p ? point(*p) : QByteArray("null");
}

// Degrees in [0, 360).
double degrees(double radians) {
    double d = std::fmod(radians * 180 / std::numbers::pi, 360.0);
    if (d < 0) d += 360;
    if (d >= 360) d -= 360;
    return d;
}

QByteArray segmentJson(const Segment& s) {
    if (s.kind == Segment::Kind::Line)
        return "{\"line\": " + numbers({s.from.x(), s.from.y(), s.to.x(), s.to.y()}) + "}";
    return "{\"arc\": " +
           numbers({s.centre.x(), s.centre.y(), s.radius, degrees(s.startAngle),
                    degrees(s.startAngle + s.sweep)}) +
           "}";
}

using Members = std::vector<std::pair<const char*, QByteArray>>;

QByteArray outlineJson(const Outline& outline) {
    std::vector<QByteArray> segments;
    for (const Segment& s : outline)
        segments.push_back(segmentJson(s));
    return array(segments);
}

QByteArray members(const Members& list, const QByteArray& separator) {
    QByteArray out;
    for (std::size_t i = 0; i < list.size(); ++i)
        out += (i > 0 ? "," : "") + separator + '"' + list[i].first + "\": " + list[i].second;
    return out;
}

// On one line.
QByteArray object(const Members& list) {
    return "{" + members(list, " ") + " }";
}

// One member a line, indented under indent.
QByteArray block(const Members& list, const QByteArray& indent) {
    return "{" + members(list, "\n" + indent + "  ") + "\n" + indent + "}";
}

QByteArray lengthsJson(const std::vector<LengthCount>& lengths) {
    std::vector<QByteArray> items;
    for (const LengthCount& l : lengths)
        items.push_back(
            object({{"length", num(l.length)}, {"count", QByteArray::number(l.count)}}));
    return array(items);
}

QByteArray curveJson(const std::optional<CurvePlan>& curve, const SurfacePlan& surface, int side) {
    if (!curve) return "null";
    std::vector<double> layerRuns;
    for (const SurfaceLayerPlan& layer : surface.layers)
        layerRuns.push_back(layer.curveRuns[std::size_t(side)]);
    std::vector<QByteArray> stations;
    for (const QPointF& p : curve->stationPoints)
        stations.push_back(point(p));
    Members m{
        {"ground", num(curve->ground)},
        {"pivot", point(curve->pivot)},
        {"frame_radius", num(curve->frameRadius)},
        {"pipe", optionalPoint(curve->pipe)},
        {"notch", optionalPoint(curve->notch)},
        {"top", point(curve->top)},
        {"wall", num(curve->wall)},
        {"curve_length", num(curve->curveLength)},
        {"panel", object({{"length", num(curve->panelLength)},
                          {"height", num(curve->panelHeight)},
                          {"count", QByteArray::number(curve->panelCount)}})},
        {"stations", array(stations)},
        {"ribs", object({{"pieces", QByteArray::number(curve->ribs.pieces)},
                         {"length", num(curve->ribs.length)},
                         {"lengths", lengthsJson({{curve->ribs.length, curve->ribs.pieces}})}})},
        {"layer_runs", numbers(layerRuns)},
        {"outline", outlineJson(curve->outline)},
    };
    if (curve->pieces.size() > 1) {
        std::vector<QByteArray> pieces;
        for (const PanelPiece& piece : curve->pieces)
            pieces.push_back(outlineJson(piece.outline));
        m.push_back({"pieces", array(pieces)});
    }
    return block(m, "    ");
}

QByteArray joistsJson(const std::optional<JoistPlan>& joists) {
    if (!joists) return "null";
    return object({{"stations", numbers(joists->stations)},
                   {"pieces", QByteArray::number(joists->pieces)},
                   {"length", num(joists->length)},
                   {"lengths", lengthsJson(joists->lengths)}});
}

QByteArray stringersJson(const Stringers& s) {
    const int pieces = s.count * s.piecesEach();
    return object({{"count", QByteArray::number(s.count)},
                   {"length", num(s.length)},
                   {"lengths", lengthsJson({{s.pieceLength(), pieces}})},
                   {"pieces", QByteArray::number(pieces)},
                   {"joints", numbers(s.joints)},
                   {"section", numbers({s.section[0], s.section[1]})}});
}

QByteArray partJson(const PartPieces& p) {
    return object({{"count", QByteArray::number(p.count)},
                   {"length", num(p.length)},
                   {"lengths", lengthsJson(p.lengths)}});
}

QByteArray deckFrameJson(const std::optional<DeckFrame>& frame) {
    if (!frame) return "null";
    const DeckFrame& f = *frame;
    const bool legs = f.kind == DeckFrameKind::legs;
    QByteArray rims = "null";
    if (legs)
        rims = block({{"back", partJson(f.backRim.pieces)},
                      {"front", partJson(f.frontRim.pieces)},
                      {"panel", partJson(f.panelRim.pieces)}},
                     "      ");
    QByteArray legsJson = "null";
    if (f.legs.count > 0)
        legsJson = object({{"per_line", QByteArray::number(f.legs.perLine)},
                           {"count", QByteArray::number(f.legs.count)},
                           {"positions", numbers(f.legs.positions)},
                           {"length", num(f.legs.length)},
                           {"lengths", lengthsJson({{f.legs.length, f.legs.count}})},
                           {"section", numbers({f.legs.section[0], f.legs.section[1]})}});
    std::vector<QByteArray> braces;
    for (const LengthCount& b : f.braces)
        braces.push_back(object({{"count", QByteArray::number(b.count)},
                                 {"length", num(b.length)},
                                 {"lengths", lengthsJson({b})}}));
    return block({{"kind", legs ? "\"legs\"" : "\"ground\""},
                  {"length", num(f.length)},
                  {"stringers", stringersJson(f.stringers)},
                  {"rims", rims},
                  {"joists", joistsJson(f.joists)},
                  {"legs", legsJson},
                  {"braces", array(braces)}},
                 "    ");
}

QByteArray frameJson(const ConstructionPlan& plan) {
    QByteArray flat = "null";
    if (const auto& f = plan.flatFrame)
        flat = object(
            {{"stringers", stringersJson({f->stringers, f->length, f->section, f->joints})}});
    return block({{"left_deck", deckFrameJson(plan.deckFrames[leftCurve])},
                  {"flat", flat},
                  {"right_deck", deckFrameJson(plan.deckFrames[rightCurve])}},
                 "  ");
}

const char* jsonCurve(int curve) {
    return curve == leftCurve ? "\"left\"" : "\"right\"";
}

// Every key of the settings table; back as built, a deck's length for '-'.
QByteArray settingsJson(const ConstructionPlan& plan) {
    const ConstructionSettings& s = plan.settings;
    Members members;
    for (const ConstructionSettingRow& row : constructionSettingRows()) {
        QByteArray value;
        switch (row.kind) {
        case SettingKind::Length:
            value = num(s.*row.length);
            break;
        case SettingKind::List:
            value = numbers(s.*row.lengths);
            break;
        case SettingKind::Pair:
            value = numbers({s.*row.length, s.*row.secondLength});
            break;
        case SettingKind::Sides:
            value = numbers({(s.*row.left).value_or(10.0 * plan.dims.P1),
                             (s.*row.right).value_or(10.0 * plan.dims.P2)});
            break;
        }
        members.emplace_back(row.key, value);
    }
    return block(members, "  ");
}

const char* runName(SurfaceRun run) {
    switch (run) {
    case SurfaceRun::leftDeck:
        return "\"left_deck\"";
    case SurfaceRun::riding:
        return "\"riding\"";
    case SurfaceRun::rightDeck:
        return "\"right_deck\"";
    }
    return "null";
}

Members layerPiecesJson(const SurfaceLayerPlan& layer) {
    std::vector<QByteArray> pieces, strips;
    for (const SurfacePiece& p : layer.pieces)
        pieces.push_back(
            object({{"run", runName(p.run)}, {"from", num(p.from)}, {"length", num(p.length)}}));
    for (const std::vector<int>& strip : layer.strips) {
        std::vector<QByteArray> indices;
        for (int i : strip)
            indices.push_back(QByteArray::number(i));
        strips.push_back(array(indices));
    }
    const QByteArray narrow = !layer.narrowSide                      ? "null"
                              : *layer.narrowSide == WidthSide::left ? "\"left\""
                                                                     : "\"right\"";
    return {{"pieces", array(pieces)},
            {"across", numbers(layer.across)},
            {"narrow_side", narrow},
            {"strips", array(strips)}};
}

QByteArray surfaceJson(const SurfacePlan& surface) {
    std::vector<QByteArray> layers;
    for (const SurfaceLayerPlan& layer : surface.layers) {
        Members m{
            {"thickness", num(layer.thickness)},
            {"riding", num(layer.riding)},
            {"decks", numbers({layer.decks[0], layer.decks[1]})},
            {"seams", numbers(layer.seams)},
            {"deck_seams", array({numbers(layer.deckSeams[0]), numbers(layer.deckSeams[1])})},
            {"sheets", QByteArray::number(layer.sheets)},
        };
        const Members pieces = layerPiecesJson(layer);
        m.insert(m.end(), pieces.begin(), pieces.end());
        layers.push_back(object(m));
    }
    return block({{"layers", array(layers)}, {"sheets", QByteArray::number(surface.sheets)}}, "  ");
}

// The JSON lists both curves' splits, then both curves' splice plates, in
// one array each, left curve first: where a curve's start in them.
struct CurveOffsets {
    std::array<int, 2> splits{};
    std::array<int, 2> plates{};
};

CurveOffsets curveOffsets(const ConstructionPlan& plan) {
    CurveOffsets o;
    if (const auto& left = plan.curves[leftCurve]) {
        o.splits[rightCurve] = int(left->splits.size());
        o.plates[rightCurve] = int(left->splicePlates.size());
    }
    return o;
}

QByteArray placedPartJson(const PlacedPart& p, const CurveOffsets& offsets) {
    const bool splice = p.part == PlacedPartKind::splice;
    Members m{{"curve", jsonCurve(p.curve)},
              {"piece", splice ? QByteArray("null") : QByteArray::number(p.piece)},
              {"x", num(p.x)},
              {"y", num(p.y)},
              {"turned", p.turned() ? "true" : "false"},
              {"mirrored", p.mirrored ? "true" : "false"},
              {"rotation", QByteArray::number(p.rotation)},
              {"part", splice ? "\"splice\"" : "\"panel\""}};
    if (splice)
        m.push_back({"index", QByteArray::number(offsets.plates[std::size_t(p.curve)] + p.piece)});
    return object(m);
}

const char* splitKindName(SplitKind kind) {
    switch (kind) {
    case SplitKind::normal:
        return "\"normal\"";
    case SplitKind::vertical:
        return "\"vertical\"";
    case SplitKind::horizontal:
        return "\"horizontal\"";
    }
    return "null";
}

QByteArray sheetsJson(const ConstructionPlan& plan) {
    const NestingPlan& nesting = plan.panelSheets;
    const CurveOffsets offsets = curveOffsets(plan);
    std::vector<QByteArray> sheets, splits;
    for (const SheetLayout& sheet : nesting.layout) {
        std::vector<QByteArray> parts;
        for (const PlacedPart& p : sheet.parts)
            parts.push_back(placedPartJson(p, offsets));
        sheets.push_back(object({{"parts", array(parts)}}));
    }
    for (const auto& curve : plan.curves) {
        if (!curve) continue;
        for (const PanelSplit& split : curve->splits) {
            const bool normal = split.kind == SplitKind::normal;
            splits.push_back(object(
                {{"curve", jsonCurve(split.curve)},
                 {"kind", splitKindName(split.kind)},
                 {"station", normal ? num(split.station) : QByteArray("null")},
                 {"at", normal ? QByteArray("null") : num(split.at)},
                 {"cut", numbers({split.from.x(), split.from.y(), split.to.x(), split.to.y()})}}));
        }
    }
    QByteArray layout = "[";
    for (std::size_t i = 0; i < sheets.size(); ++i)
        layout += (i > 0 ? ",\n      " : "\n      ") + sheets[i];
    layout += sheets.empty() ? "]" : "\n    ]";
    return block({{"count", QByteArray::number(nesting.count)},
                  {"layout", layout},
                  {"splits", array(splits)}},
                 "  ");
}

QByteArray splicePlatesJson(const ConstructionPlan& plan) {
    const CurveOffsets offsets = curveOffsets(plan);
    std::vector<QByteArray> plates;
    for (const auto& curve : plan.curves) {
        if (!curve) continue;
        for (const PanelSplice& plate : curve->splicePlates)
            plates.push_back(object(
                {{"curve", jsonCurve(plate.curve)},
                 {"split",
                  QByteArray::number(offsets.splits[std::size_t(plate.curve)] + plate.split)},
                 {"count", QByteArray::number(curve->panelCount)},
                 {"outline", outlineJson(plate.outline)}}));
    }
    return array(plates);
}

// Items one a line, indented under the key.
QByteArray lines(const std::vector<QByteArray>& items, const QByteArray& indent) {
    QByteArray out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i > 0 ? ",\n" : "\n") + indent + "  " + items[i];
    return out + (items.empty() ? "]" : "\n" + indent + "]");
}

QByteArray fastenersJson(const std::vector<FastenerCount>& fasteners) {
    std::vector<QByteArray> rows;
    for (const FastenerCount& f : fasteners)
        rows.push_back(object({{"item", jsonString(QLatin1String(fastenerKey(f.item)))},
                               {"size", jsonString(f.size)},
                               {"count", QByteArray::number(f.count)},
                               {"buy", QByteArray::number(f.buy)}}));
    return lines(rows, "  ");
}

QByteArray timberJson(const std::vector<TimberSection>& timber) {
    std::vector<QByteArray> sections;
    for (const TimberSection& t : timber) {
        std::vector<QByteArray> pieces, boards;
        for (const TimberPiece& p : t.pieces)
            pieces.push_back(object({{"article", jsonString(p.article)},
                                     {"length", num(p.length)},
                                     {"count", QByteArray::number(p.count)}}));
        for (const TimberBoard& b : boardsByLength(t.cutting)) {
            std::vector<double> cuts;
            for (const TimberCut& c : b.cuts)
                cuts.push_back(c.length);
            boards.push_back(object({{"stock", num(b.stock)},
                                     {"count", QByteArray::number(b.count)},
                                     {"cuts", numbers(cuts)},
                                     {"offcut", num(b.offcut)}}));
        }
        sections.push_back(block({{"section", numbers({t.section[0], t.section[1]})},
                                  {"pieces", lines(pieces, "      ")},
                                  {"boards", lines(boards, "      ")},
                                  {"bought", num(t.cutting.bought)},
                                  {"lower_bound", num(t.cutting.lowerBound)},
                                  {"optimal", t.cutting.optimal ? "true" : "false"}},
                                 "    "));
    }
    return lines(sections, "  ");
}

QByteArray money(long long cents) {
    return centsText(cents).toLatin1();
}

QByteArray costJson(const PlanCost& cost) {
    std::vector<QByteArray> rows;
    for (const CostLine& l : cost.lines)
        rows.push_back(object({{"item", jsonString(l.item)},
                               {"quantity", num(l.quantity)},
                               {"unit", jsonString(l.unit)},
                               {"unit_price", num(l.unitPrice)},
                               {"price", money(l.cents)}}));
    return block({{"currency", jsonString(cost.currency)},
                  {"indicative", cost.indicative ? "true" : "false"},
                  {"lines", lines(rows, "    ")},
                  {"total", money(cost.cents)}},
                 "  ");
}

} // namespace

QByteArray planJson(const ConstructionPlan& plan, const PriceTable& prices) {
    std::vector<QByteArray> warnings;
    for (const QString& w : plan.warnings)
        warnings.push_back(jsonString(w));
    return block({{"settings", settingsJson(plan)},
                  {"curves", block({{"left", curveJson(plan.curves[leftCurve], plan.surface, 0)},
                                    {"right", curveJson(plan.curves[rightCurve], plan.surface, 1)}},
                                   "  ")},
                  {"surface", surfaceJson(plan.surface)},
                  {"joists", block({{"left_deck", joistsJson(plan.leftDeck)},
                                    {"flat", joistsJson(plan.flat)},
                                    {"right_deck", joistsJson(plan.rightDeck)}},
                                   "  ")},
                  {"frame", frameJson(plan)},
                  {"coping", object({{"pieces", QByteArray::number(plan.copingPipes.pieces)},
                                     {"length", num(plan.copingPipes.length)}})},
                  {"sheets", sheetsJson(plan)},
                  {"splice_plates", splicePlatesJson(plan)},
                  {"fasteners", fastenersJson(plan.fasteners)},
                  {"timber", timberJson(plan.timber)},
                  {"cost", costJson(planCost(plan, prices))},
                  {"warnings", array(warnings)}},
                 "") +
           "\n";
}
