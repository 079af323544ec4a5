#include "modelbuilder.h"

#include "constructionwords.h"
#include "deckframe.h"
#include "distinctpanels.h"
#include "framecurve.h"
#include "framelines.h"
#include "surfacelayout.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>

// Every part is a mesh in a frame of its own, placed in the ramp: panels are
// their outlines swept across the width at their line, timbers boxes turned
// into place, surface pieces strips bent along their layer, the coping a
// round bar. Meshes are kept by a key of their shape, so that the pieces a
// builder cuts alike share one.

namespace {

constexpr double pi = std::numbers::pi;
// Shapes equal to this (mm) are the same shape.
constexpr double keyResolution = 0.01;

const QVector3D acrossAxis(0, 1, 0);
const QVector3D upAxis(0, 0, 1);
// Half a turn about the vertical: a mesh drawn for the left side stands on
// the right, facing the other way (the pieces are symmetric across their
// own width, so nothing is mirrored).
const QQuaternion halfTurn = QQuaternion::fromAxisAndAngle(upAxis, 180);

enum AssemblyStep {
    panelStep = 1,
    curveFrameStep = 2,
    flatFrameStep = 3,
    deckFrameStep = 4,
    surfaceStep = 6,
    copingStep = 7
};

// A part's article (the cut list's) and its name: the article and a number.
struct PartName {
    QString article;
    QString name;
};

PartName numbered(const QString& article, int number) {
    return {article, QStringLiteral("%1 %2").arg(article).arg(number)};
}

// Where the plan's pieces stand along the ramp (mm).
struct RampFrame {
    double length = 0; // P1 + G1 + F + G2 + P2
    double width = 0;
    double flatStart = 0;             // x of the flat's left end
    std::array<double, 2> deck{};     // P of each side
    std::array<double, 2> height{};   // H of each side
    std::array<double, 2> panelEnd{}; // x of each side's panels' back end
};

RampFrame rampFrame(const ConstructionPlan& plan) {
    RampFrame f;
    const RampDimensions& d = plan.dims;
    f.deck = {10.0 * d.P1, 10.0 * d.P2};
    f.height = {10.0 * d.H1, 10.0 * d.H2};
    f.width = 10.0 * d.W;
    std::array<double, 2> ground{};
    for (int side = 0; side < 2; ++side)
        if (const auto& c = plan.curves[side]) ground[side] = c->ground;
    f.flatStart = f.deck[0] + ground[0];
    f.length = f.flatStart + 10.0 * d.F + ground[1] + f.deck[1];
    if (const auto& c = plan.curves[leftCurve]) f.panelEnd[0] = f.deck[0] - c->back;
    if (const auto& c = plan.curves[rightCurve]) f.panelEnd[1] = f.length - (f.deck[1] - c->back);
    return f;
}

// A point of a side's panel coordinates (u from the panel's back end toward
// the flat, v up) in the ramp's x-z plane.
QPointF onRamp(const RampFrame& f, int side, QPointF p) {
    return side == leftCurve ? QPointF(f.panelEnd[0] + p.x(), p.y())
                             : QPointF(f.panelEnd[1] - p.x(), p.y());
}

QList<QPointF> polygonOf(const Outline& outline) {
    return flatten(outline, modelArcTolerance);
}

// A shape's identity: its kind, material and numbers, rounded.
class MeshKey {
public:
    MeshKey(const char* shape, Material material) {
        m_bytes.append(shape);
        m_bytes.append(char('0' + int(material)));
    }
    MeshKey& operator<<(double value) {
        const qint64 rounded = std::llround(value / keyResolution);
        m_bytes.append(reinterpret_cast<const char*>(&rounded), sizeof rounded);
        return *this;
    }
    MeshKey& operator<<(const QList<QPointF>& points) {
        for (const QPointF& p : points)
            *this << p.x() << p.y();
        return *this;
    }
    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

class ModelAssembler {
public:
    std::optional<int> find(const MeshKey& key) const {
        const auto it = m_meshes.constFind(key.bytes());
        if (it == m_meshes.constEnd()) return std::nullopt;
        return *it;
    }
    // The mesh of that key, made the first time it is asked for.
    template <class Make> int mesh(const MeshKey& key, Make&& make) {
        if (const auto found = find(key)) return *found;
        const int index = int(m_model.meshes.size());
        m_model.meshes.push_back(make());
        m_meshes.insert(key.bytes(), index);
        return index;
    }
    void add(PartName name, PartKind kind, int step, int mesh, Placement placement) {
        m_model.parts.push_back({std::move(name.name), std::move(name.article), kind, step,
                                 materialOf(kind), mesh, std::move(placement)});
    }
    RampModel take() { return std::move(m_model); }

private:
    RampModel m_model;
    QHash<QByteArray, int> m_meshes;
};

int boxMeshFor(ModelAssembler& assembler, PartKind kind, const QVector3D& size) {
    MeshKey key("box", materialOf(kind));
    key << size.x() << size.y() << size.z();
    return assembler.mesh(key, [&] { return boxMesh(size); });
}

// A timber of the rib section lying across the ramp between y0 and y1, its
// top face centred on `top` (x-z), turned so that its top faces `up`.
void addCrossTimber(ModelAssembler& assembler, const ConstructionSettings& s, PartName name,
                    PartKind kind, int step, QPointF top, QPointF up, double y0, double y1) {
    const QVector3D size(float(s.ribWidth), float(y1 - y0), float(s.ribDepth));
    const QQuaternion rotation =
        QQuaternion::fromAxisAndAngle(acrossAxis, float(std::atan2(up.x(), up.y()) * 180 / pi));
    const QVector3D anchor(size.x() / 2, 0, size.z()); // top face, middle, front end
    const QVector3D at(float(top.x()), float(y0), float(top.y()));
    assembler.add(std::move(name), kind, step, boxMeshFor(assembler, kind, size),
                  {rotation, at - rotation.rotatedVector(anchor)});
}

// Panels: each side's outline, or its pieces when split, swept by the panel
// thickness at every panel line; the right side's turned half a turn.
void addPanels(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    const double thickness = plan.settings.panel;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        const DistinctPanel* panel = distinctPanelOf(plan, side);
        if (!curve || !panel) continue;
        // Counted in their distinct panel's row of the cut list; a panel of
        // both curves numbers the right curve's after the left's.
        const QString article = panelArticle(*panel, Wording::source);
        const int before = side == rightCurve ? panel->counts[leftCurve] : 0;
        for (int line = 0; line < curve->panelCount; ++line) {
            const double y = line * curve->panelPitch;
            const PartName name = numbered(article, before + line + 1);
            for (std::size_t piece = 0; piece < curve->pieces.size(); ++piece) {
                const QList<QPointF> polygon = polygonOf(curve->pieces[piece].outline);
                MeshKey key("prism", Material::Plywood);
                key << thickness << polygon;
                const int mesh = assembler.mesh(key, [&] { return prismMesh(polygon, thickness); });
                const Placement placement =
                    side == leftCurve ? Placement{{}, QVector3D(float(f.panelEnd[0]), float(y), 0)}
                                      : Placement{halfTurn, QVector3D(float(f.panelEnd[1]),
                                                                      float(y + thickness), 0)};
                const PartName pieceName =
                    curve->pieces.size() == 1
                        ? name
                        : PartName{name.article,
                                   QStringLiteral("%1, morceau %2").arg(name.name).arg(piece + 1)};
                assembler.add(pieceName, PartKind::Panel, panelStep, mesh, placement);
            }
        }
    }
}

// Splice plates: each of a split panel's plates on every panel cut to it,
// glued on the face toward the middle of the ramp's width (the outer
// panels' inner faces), numbered as the panels are.
void addSplicePlates(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    const double thickness = plan.settings.panel;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        const DistinctPanel* panel = distinctPanelOf(plan, side);
        if (!curve || !panel) continue;
        const int before = side == rightCurve ? panel->counts[leftCurve] : 0;
        const int plates = int(curve->splicePlates.size());
        for (int k = 0; k < plates; ++k) {
            const QList<QPointF> polygon = polygonOf(curve->splicePlates[std::size_t(k)].outline);
            MeshKey key("prism", Material::Plywood);
            key << thickness << polygon;
            const int mesh = assembler.mesh(key, [&] { return prismMesh(polygon, thickness); });
            const QString article = splicePlateArticle(*panel, k, plates, Wording::source);
            for (int line = 0; line < curve->panelCount; ++line) {
                const double y = line * curve->panelPitch;
                // The plate's near face across the width.
                const double from =
                    2 * line < curve->panelCount - 1 ? y + thickness : y - thickness;
                const Placement placement =
                    side == leftCurve
                        ? Placement{{}, QVector3D(float(f.panelEnd[0]), float(from), 0)}
                        : Placement{halfTurn,
                                    QVector3D(float(f.panelEnd[1]), float(from + thickness), 0)};
                assembler.add(numbered(article, before + line + 1), PartKind::SplicePlate,
                              panelStep, mesh, placement);
            }
        }
    }
}

// Ribs: at every station of each bay, the top flush with the frame curve,
// turned to the curve's normal there.
void addRibs(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    const ConstructionSettings& s = plan.settings;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve) continue;
        int number = 0;
        for (int bay = 0; bay + 1 < curve->panelCount; ++bay) {
            const double y0 = bay * curve->panelPitch + s.panel;
            for (double station : curve->stations) {
                const FrameStation at = frameStation(*curve, station);
                const QPointF into = at.normal;
                const QPointF up(side == leftCurve ? -into.x() : into.x(), -into.y());
                addCrossTimber(assembler, s, numbered(ribArticle(side, Wording::source), ++number),
                               PartKind::Rib, curveFrameStep, onRamp(f, side, at.point), up, y0,
                               y0 + curve->ribs.length);
            }
        }
    }
}

// A level timber across the ramp between y0 and y1, centred at `along` (x),
// `thick` along the ramp and `high` high, its top at `top`.
void addLevelTimber(ModelAssembler& assembler, PartName name, PartKind kind, int step, double along,
                    double thick, double high, double top, double y0, double y1) {
    const QVector3D size(float(thick), float(y1 - y0), float(high));
    const QVector3D lower(float(along - thick / 2), float(y0), float(top - high));
    assembler.add(std::move(name), kind, step, boxMeshFor(assembler, kind, size), {{}, lower});
}

// Where a run of positions lies along the ramp: from `start`, toward +x or
// -x.
struct FrameRun {
    double start = 0;
    int direction = 1;
    double at(double along) const { return start + direction * along; }
};

// A deck's positions, measured from its back end.
FrameRun deckRun(const RampFrame& f, int side) {
    return side == leftCurve ? FrameRun{0, 1} : FrameRun{f.length, -1};
}

// Deck joists laid as the ribs between the panels under a deck; the last
// one, behind the pipe, the coping block on edge.
void addDeckJoists(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    const ConstructionSettings& s = plan.settings;
    const std::optional<JoistPlan>* decks[2] = {&plan.leftDeck, &plan.rightDeck};
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!*decks[side] || !curve) continue;
        const JoistPlan& joists = **decks[side];
        const double top = s.flat + f.height[side];
        int joist = 0, block = 0;
        for (int bay = 0; bay + 1 < curve->panelCount; ++bay) {
            const double y0 = bay * curve->panelPitch + s.panel;
            for (std::size_t i = 0; i < joists.stations.size(); ++i) {
                const double x = deckRun(f, side).at(joists.stations[i]);
                if (joists.copingBlocks > 0 && i + 1 == joists.stations.size())
                    addLevelTimber(assembler,
                                   numbered(copingBlockArticle(side, Wording::source), ++block),
                                   PartKind::CopingBlock, curveFrameStep, x, onEdgeThickness(s),
                                   onEdgeDepth(s), top, y0, y0 + joists.length);
                else
                    addCrossTimber(assembler, s,
                                   numbered(deckJoistArticle(side, Wording::source), ++joist),
                                   PartKind::Joist, curveFrameStep, QPointF(x, top), QPointF(0, 1),
                                   y0, y0 + joists.length);
            }
        }
    }
}

// The stringers on edge along the panel lines, each in its pieces.
void addStringers(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f,
                  const Stringers& stringers, FrameRun run, double top, const QString& article,
                  int step) {
    const auto spans = stringerSpans(panelLines(f.width, plan.settings), f.width, plan.settings);
    const double piece = stringers.pieceLength();
    int number = 0;
    for (const auto& [y0, y1] : spans)
        for (int k = 0; k < stringers.piecesEach(); ++k) {
            const double x0 = std::min(run.at(k * piece), run.at((k + 1) * piece));
            const QVector3D size(float(piece), float(y1 - y0), float(stringers.section[1]));
            assembler.add(numbered(article, ++number), PartKind::Stringer, step,
                          boxMeshFor(assembler, PartKind::Stringer, size),
                          {{}, QVector3D(float(x0), float(y0), float(top) - size.z())});
        }
}

// Timbers across every bay between neighbouring stringers at these stations.
struct BayTimbers {
    const std::vector<double>& stations;
    PartKind kind;
    double thick; // along the ramp
    double high;
    QString article;
};

void addBetweenStringers(ModelAssembler& assembler, const ConstructionPlan& plan,
                         const RampFrame& f, const BayTimbers& timbers, FrameRun run, double top,
                         int step) {
    const auto spans = stringerSpans(panelLines(f.width, plan.settings), f.width, plan.settings);
    int number = 0;
    for (std::size_t bay = 0; bay + 1 < spans.size(); ++bay)
        for (double station : timbers.stations)
            addLevelTimber(assembler, numbered(timbers.article, ++number), timbers.kind, step,
                           run.at(station), timbers.thick, timbers.high, top, spans[bay].second,
                           spans[bay + 1].first);
}

// The flat's ladder frame: stringers along the panel lines, joists on edge
// between them.
void addFlatFrame(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    if (!plan.flatFrame || !plan.flat) return;
    const FlatFrame& frame = *plan.flatFrame;
    const FrameRun run{f.flatStart, 1};
    const double top = plan.settings.flat;
    addStringers(assembler, plan, f, {frame.stringers, frame.length, frame.section, frame.joints},
                 run, top, flatStringerArticle(Wording::source), flatFrameStep);
    addBetweenStringers(assembler, plan, f,
                        {plan.flat->stations, PartKind::Joist, frame.section[0], frame.section[1],
                         flatJoistArticle(Wording::source)},
                        run, top, flatFrameStep);
}

// A brace: the rib timber from one point to another, its thickness across
// the plane it stands in (horizontal), its depth in that plane.
void addBrace(ModelAssembler& assembler, const ConstructionSettings& s, PartName name,
              QVector3D from, QVector3D to) {
    // Square ends kept between the ground and the legs' tops: each end drawn
    // in by what its corners stand out below or above it, d/2 * run / length
    // (a few rounds of x = h - d * run / hypot(run, x) settle it).
    const double run = std::hypot(to.x() - from.x(), to.y() - from.y());
    const double height = std::abs(to.z() - from.z());
    double rise = height;
    for (int round = 0; round < 8; ++round)
        rise = height - onEdgeDepth(s) * run / std::hypot(run, rise);
    const float inset = float((height - rise) / 2) * (to.z() > from.z() ? 1 : -1);
    from.setZ(from.z() + inset);
    to.setZ(to.z() - inset);
    const QVector3D along = (to - from).normalized();
    const QVector3D flat = QVector3D(-along.y(), along.x(), 0).normalized();
    const QVector3D size(float((to - from).length()), float(onEdgeThickness(s)),
                         float(onEdgeDepth(s)));
    const QQuaternion rotation =
        QQuaternion::fromAxes(along, flat, QVector3D::crossProduct(along, flat));
    const QVector3D middle(0, size.y() / 2, size.z() / 2);
    assembler.add(std::move(name), PartKind::Brace, deckFrameStep,
                  boxMeshFor(assembler, PartKind::Brace, size),
                  {rotation, from - rotation.rotatedVector(middle)});
}

// Legs under every stringer, standing on the ground, and their braces.
void addLegs(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f, int side,
             const DeckFrame& frame) {
    const DeckLegs& legs = frame.legs;
    const ConstructionSettings& s = plan.settings;
    const std::vector<double> centres = legCentres(legs, panelLines(f.width, s), f.width, s);
    const FrameRun run = deckRun(f, side);
    const QVector3D size(float(legs.section[1]), float(legs.section[0]), float(legs.length));
    int number = 0;
    for (double y : centres)
        for (double p : legs.positions)
            assembler.add(
                numbered(legArticle(side, Wording::source), ++number), PartKind::Leg, deckFrameStep,
                boxMeshFor(assembler, PartKind::Leg, size),
                {{}, QVector3D(float(run.at(p)) - size.x() / 2, float(y) - size.y() / 2, 0)});
    if (frame.braces.empty()) return;
    // Beside the legs, on the frame's inner side, so that they stay within
    // the ramp: across at each row of legs, along each line between legs.
    const float beside = float(legs.section[1] + onEdgeThickness(s)) / 2;
    const float height = float(legs.length);
    number = 0;
    for (double p : legs.positions) {
        const float x = float(run.at(p)) + (p < frame.length / 2 ? 1 : -1) * run.direction * beside;
        for (std::size_t i = 0; i + 1 < centres.size(); ++i)
            addBrace(assembler, s, numbered(braceArticle(side, Wording::source), ++number),
                     QVector3D(x, float(centres[i]), height),
                     QVector3D(x, float(centres[i + 1]), 0));
    }
    const float inward = float(legs.section[0] + onEdgeThickness(s)) / 2;
    for (double y : centres) {
        const float yb = float(y) + (y < f.width / 2 ? inward : -inward);
        for (std::size_t k = 0; k + 1 < legs.positions.size(); ++k)
            addBrace(assembler, s, numbered(braceArticle(side, Wording::source), ++number),
                     QVector3D(float(run.at(legs.positions[k])), yb, 0),
                     QVector3D(float(run.at(legs.positions[k + 1])), yb, height));
    }
}

// The rim on the panels' back edges, between the panels.
void addPanelRim(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f,
                 int side, const DeckFrame& frame) {
    const ConstructionSettings& s = plan.settings;
    const CurvePlan& curve = *plan.curves[side];
    const double top = s.flat + f.height[side];
    int number = 0;
    for (int bay = 0; bay + 1 < curve.panelCount; ++bay) {
        const double y0 = bay * curve.panelPitch + s.panel;
        addLevelTimber(assembler, numbered(deckPanelRimArticle(side, Wording::source), ++number),
                       PartKind::Rim, curveFrameStep, deckRun(f, side).at(frame.panelRim.station),
                       onEdgeThickness(s), onEdgeDepth(s), top, y0,
                       y0 + curve.panelPitch - s.panel);
    }
}

// A deck the panels do not carry: a frame on legs behind the panels, or a
// ladder frame on the ground beside a curve of height 0.
void addDeckFrame(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f,
                  int side) {
    const DeckFrame& frame = *plan.deckFrames[side];
    const ConstructionSettings& s = plan.settings;
    const FrameRun run = deckRun(f, side);
    const bool legs = frame.kind == DeckFrameKind::legs;
    const double top = legs ? s.flat + f.height[side] : s.flat;
    addStringers(assembler, plan, f, frame.stringers, run, top,
                 deckStringerArticle(side, Wording::source), deckFrameStep);
    if (!legs) {
        addBetweenStringers(assembler, plan, f,
                            {frame.joists.stations, PartKind::Joist, frame.stringers.section[0],
                             frame.stringers.section[1],
                             deckFrameJoistArticle(side, Wording::source)},
                            run, top, deckFrameStep);
        return;
    }
    const double e = frame.stringers.section[0], depth = frame.stringers.section[1];
    const std::vector<double> back{frame.backRim.station}, front{frame.frontRim.station};
    addBetweenStringers(assembler, plan, f,
                        {back, PartKind::Rim, e, depth, deckBackRimArticle(side, Wording::source)},
                        run, top, deckFrameStep);
    addBetweenStringers(
        assembler, plan, f,
        {front, PartKind::Rim, e, depth, deckFrontRimArticle(side, Wording::source)}, run, top,
        deckFrameStep);
    addBetweenStringers(assembler, plan, f,
                        {frame.joists.stations, PartKind::Joist, s.ribWidth, s.ribDepth,
                         deckFrameJoistArticle(side, Wording::source)},
                        run, top, deckFrameStep);
    addPanelRim(assembler, plan, f, side, frame);
    addLegs(assembler, plan, f, side, frame);
}

void addDeckFrames(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    for (int side = 0; side < 2; ++side)
        if (plan.deckFrames[side]) addDeckFrame(assembler, plan, f, side);
}

// One stretch of a surface layer's riding run: a straight line or an arc of
// the layer's top face. Run positions are measured on the layer's middle,
// as the plan measures them.
struct RunSection {
    double length = 0;
    bool arc = false;
    QPointF start;     // line: the top face at the stretch's start
    QPointF direction; // line: unit
    QPointF centre;    // arc
    double topRadius = 0;
    double middleRadius = 0;
    double startAngle = 0; // arc: grows along the run
};

QPointF sectionPoint(const RunSection& s, double along) {
    if (!s.arc) return s.start + s.direction * along;
    const double a = s.startAngle + along / s.middleRadius;
    return s.centre + QPointF(std::cos(a), std::sin(a)) * s.topRadius;
}

// The riding run of a layer whose top lies `above` under the riding surface:
// from the left lip down the left curve, over the flat, up the right curve.
std::vector<RunSection> ridingRun(const ConstructionPlan& plan, const RampFrame& f, double above,
                                  double thickness) {
    const double riding = plan.settings.flat + plan.settings.surfaceThickness();
    const double middle = above + thickness / 2;
    std::vector<RunSection> run;
    for (int side = 0; side < 2; ++side) {
        if (side == rightCurve && plan.dims.F > 0)
            run.push_back({10.0 * plan.dims.F,
                           false,
                           QPointF(f.flatStart, riding - above),
                           QPointF(1, 0),
                           {},
                           0,
                           0,
                           0});
        const auto& curve = plan.curves[side];
        if (!curve) continue;
        const double theta = ridingAngle(curve->radius, curve->height);
        const double wall = std::max(0.0, curve->height - curve->radius);
        const QPointF centre = onRamp(f, side, curve->pivot);
        const double radius = curve->radius + above;
        const RunSection arc{(curve->radius + middle) * theta,
                             true,
                             {},
                             {},
                             centre,
                             radius,
                             curve->radius + middle,
                             side == leftCurve ? -pi / 2 - theta : -pi / 2};
        if (side == leftCurve) {
            if (wall > 0)
                run.push_back(
                    {wall, false, centre + QPointF(-radius, wall), QPointF(0, -1), {}, 0, 0, 0});
            run.push_back(arc);
        } else {
            run.push_back(arc);
            if (wall > 0)
                run.push_back(
                    {wall, false, centre + QPointF(radius, 0), QPointF(0, 1), {}, 0, 0, 0});
        }
    }
    return run;
}

// The top edge of the piece of the run from r0 to r1, arcs within tolerance
// of the piece's lower face.
QList<QPointF> runPiecePath(const std::vector<RunSection>& run, double r0, double r1,
                            double thickness) {
    QList<QPointF> path;
    double sectionStart = 0;
    for (const RunSection& s : run) {
        const double a = std::max(r0, sectionStart) - sectionStart;
        const double b = std::min(r1, sectionStart + s.length) - sectionStart;
        sectionStart += s.length;
        if (b < a) continue;
        const int chords =
            s.arc ? chordCount(s.topRadius + thickness, (b - a) / s.middleRadius, modelArcTolerance)
                  : 1;
        for (int k = 0; k <= chords; ++k)
            path.append(sectionPoint(s, a + (b - a) * k / chords));
    }
    return path;
}

// A surface piece across the whole width. A piece may match, turned half a
// turn about the vertical, one already made: the right curve's pieces are
// the left's seen from the other end.
// A strip across the ramp from y0, `width` wide.
struct Strip {
    double y0 = 0;
    double width = 0;
};

void addSurfacePiece(ModelAssembler& assembler, PartName name, const QList<QPointF>& path,
                     double thickness, Strip strip) {
    const double width = strip.width;
    if (path.size() < 2) return;
    const auto keyOf = [&](const QList<QPointF>& relative) {
        MeshKey key("strip", Material::Plywood);
        key << thickness << width << relative;
        return key;
    };
    QList<QPointF> relative, turned;
    for (const QPointF& p : path)
        relative.append(p - path.first());
    for (auto it = path.crbegin(); it != path.crend(); ++it)
        turned.append(QPointF(path.last().x() - it->x(), it->y() - path.last().y()));
    if (const auto mesh = assembler.find(keyOf(turned)); mesh && !assembler.find(keyOf(relative))) {
        const QVector3D at(float(path.last().x()), float(strip.y0 + width), float(path.last().y()));
        assembler.add(std::move(name), PartKind::SurfacePiece, surfaceStep, *mesh, {halfTurn, at});
        return;
    }
    const int mesh =
        assembler.mesh(keyOf(relative), [&] { return bentStripMesh(relative, thickness, width); });
    const QVector3D at(float(path.first().x()), float(strip.y0), float(path.first().y()));
    assembler.add(std::move(name), PartKind::SurfacePiece, surfaceStep, mesh, {{}, at});
}

// A surface piece's top face along the ramp (x-z): on a deck, level, from
// the pipe back; on the riding run, bent along the layer.
QList<QPointF> piecePath(const ConstructionPlan& plan, const RampFrame& f, std::size_t layer,
                         double above, const SurfacePiece& piece) {
    const SurfaceLayerPlan& l = plan.surface.layers[layer];
    const double riding = plan.settings.flat + plan.settings.surfaceThickness();
    switch (piece.run) {
    case SurfaceRun::riding:
        return runPiecePath(ridingRun(plan, f, above, l.thickness), piece.from,
                            piece.from + piece.length, l.thickness);
    case SurfaceRun::leftDeck: {
        const double z = riding + f.height[leftCurve] - above;
        const double x1 = l.decks[leftCurve] - piece.from;
        return {QPointF(x1 - piece.length, z), QPointF(x1, z)};
    }
    case SurfaceRun::rightDeck: {
        const double z = riding + f.height[rightCurve] - above;
        const double x0 = f.length - l.decks[rightCurve] + piece.from;
        return {QPointF(x0, z), QPointF(x0 + piece.length, z)};
    }
    }
    return {};
}

// Every layer, bottom layer first; each of its pieces cut across the width
// into the layer's strips, numbered piece by piece from the left deck's end,
// strip by strip from the side y = 0.
void addSurface(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    const auto& layers = plan.surface.layers;
    std::vector<double> above(layers.size(), 0);
    for (std::size_t i = 1; i < layers.size(); ++i)
        above[i] = above[i - 1] + layers[i - 1].thickness;
    for (std::size_t i = layers.size(); i-- > 0;) {
        const SurfaceLayerPlan& layer = layers[i];
        const QString article = surfaceLayerArticle(int(i), Wording::source);
        const std::vector<double> across =
            layer.across.empty() ? std::vector<double>{f.width} : layer.across;
        int number = 0;
        for (const SurfacePiece& piece : layer.pieces) {
            const QList<QPointF> path = piecePath(plan, f, i, above[i], piece);
            double y0 = 0;
            for (double width : across) {
                const QString name = QStringLiteral("%1, pièce %2").arg(article).arg(++number);
                addSurfacePiece(assembler, {article, name}, path, layer.thickness, {y0, width});
                y0 += width;
            }
        }
    }
}

void addCoping(ModelAssembler& assembler, const ConstructionPlan& plan, const RampFrame& f) {
    const double radius = plan.settings.coping / 2;
    int number = 0;
    for (int side = 0; side < 2; ++side) {
        const auto& curve = plan.curves[side];
        if (!curve || !curve->pipe) continue;
        MeshKey key("bar", Material::Steel);
        key << radius << f.width;
        const int mesh =
            assembler.mesh(key, [&] { return cylinderMesh(radius, f.width, modelArcTolerance); });
        const QPointF centre = onRamp(f, side, *curve->pipe);
        assembler.add(numbered(copingArticle(Wording::source), ++number), PartKind::Coping,
                      copingStep, mesh, {{}, QVector3D(float(centre.x()), 0, float(centre.y()))});
    }
}

} // namespace

RampModel buildRampModel(const ConstructionPlan& plan) {
    const RampFrame frame = rampFrame(plan);
    ModelAssembler assembler;
    addPanels(assembler, plan, frame);
    addSplicePlates(assembler, plan, frame);
    addRibs(assembler, plan, frame);
    addDeckJoists(assembler, plan, frame);
    addFlatFrame(assembler, plan, frame);
    addDeckFrames(assembler, plan, frame);
    addSurface(assembler, plan, frame);
    addCoping(assembler, plan, frame);
    return assembler.take();
}
