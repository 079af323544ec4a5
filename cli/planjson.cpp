#include "planjson.h"

#include "jsontext.h"

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

QByteArray curveJson(const std::optional<CurvePlan>& curve) {
    if (!curve) return "null";
    std::vector<QByteArray> stations, outline;
    for (const QPointF& p : curve->stationPoints)
        stations.push_back(point(p));
    for (const Segment& s : curve->outline)
        outline.push_back(segmentJson(s));
    return block(
        {
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
                             {"length", num(curve->ribs.length)}})},
            {"outline", array(outline)},
        },
        "    ");
}

QByteArray joistsJson(const std::optional<JoistPlan>& joists) {
    if (!joists) return "null";
    return object({{"stations", numbers(joists->stations)},
                   {"pieces", QByteArray::number(joists->pieces)},
                   {"length", num(joists->length)}});
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

QByteArray surfaceJson(const SurfacePlan& surface) {
    std::vector<QByteArray> layers;
    for (const SurfaceLayerPlan& layer : surface.layers)
        layers.push_back(object({
            {"thickness", num(layer.thickness)},
            {"riding", num(layer.riding)},
            {"decks", numbers({layer.decks[0], layer.decks[1]})},
            {"seams", numbers(layer.seams)},
            {"deck_seams", array({numbers(layer.deckSeams[0]), numbers(layer.deckSeams[1])})},
            {"sheets", QByteArray::number(layer.sheets)},
        }));
    return block({{"layers", array(layers)}, {"sheets", QByteArray::number(surface.sheets)}}, "  ");
}

QByteArray sheetsJson(const ConstructionPlan& plan) {
    const NestingPlan& nesting = plan.panelSheets;
    std::vector<QByteArray> sheets, splits;
    for (const SheetLayout& sheet : nesting.layout) {
        std::vector<QByteArray> parts;
        for (const PlacedPart& p : sheet.parts)
            parts.push_back(object({{"curve", jsonCurve(p.curve)},
                                    {"piece", QByteArray::number(p.piece)},
                                    {"x", num(p.x)},
                                    {"y", num(p.y)},
                                    {"turned", p.turned ? "true" : "false"},
                                    {"mirrored", p.mirrored ? "true" : "false"}}));
        sheets.push_back(object({{"parts", array(parts)}}));
    }
    for (const auto& curve : plan.curves) {
        if (!curve) continue;
        for (const PanelSplit& split : curve->splits)
            splits.push_back(object(
                {{"curve", jsonCurve(split.curve)},
                 {"station", num(split.station)},
                 {"cut", numbers({split.from.x(), split.from.y(), split.to.x(), split.to.y()})}}));
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

} // namespace

QByteArray planJson(const ConstructionPlan& plan) {
    std::vector<QByteArray> warnings;
    for (const QString& w : plan.warnings)
        warnings.push_back(jsonString(w));
    return block({{"settings", settingsJson(plan)},
                  {"curves", block({{"left", curveJson(plan.curves[leftCurve])},
                                    {"right", curveJson(plan.curves[rightCurve])}},
                                   "  ")},
                  {"surface", surfaceJson(plan.surface)},
                  {"joists", block({{"left_deck", joistsJson(plan.leftDeck)},
                                    {"flat", joistsJson(plan.flat)},
                                    {"right_deck", joistsJson(plan.rightDeck)}},
                                   "  ")},
                  {"coping", object({{"pieces", QByteArray::number(plan.copingPipes.pieces)},
                                     {"length", num(plan.copingPipes.length)}})},
                  {"sheets", sheetsJson(plan)},
                  {"warnings", array(warnings)}},
                 "") +
           "\n";
}
