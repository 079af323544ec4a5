#include "deckframe.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding room: a seam exactly at a rim, a gap exactly the largest allowed.
constexpr double slack = 1e-9;

PartPieces partPieces(std::vector<LengthCount> lengths) {
    PartPieces p;
    for (const LengthCount& l : lengths)
        p.count += l.count;
    p.length = lengths.empty() ? 0 : lengths.front().length;
    p.lengths = std::move(lengths);
    return p;
}

// Joists at these stations, one piece in each bay.
JoistPlan joistsAt(const std::vector<Station>& stations, const std::vector<double>& bays) {
    JoistPlan joists;
    joists.stations = stationPositions(stations);
    for (const Station& s : stations)
        joists.stationSeams.push_back(s.seamLayers);
    if (stations.empty()) return joists;
    joists.lengths = lengthCounts(bays, int(stations.size()));
    joists.pieces = int(stations.size() * bays.size());
    joists.length = joists.lengths.front().length;
    return joists;
}

Rim rimAt(const Station& station, const std::vector<double>& bays) {
    return {partPieces(lengthCounts(bays, 1)), station.position, station.seamLayers};
}

// Each length `count` times.
void addLengths(std::vector<double>& to, double length, int count) {
    to.insert(to.end(), std::size_t(std::max(0, count)), length);
}

// One diagonal in every bay at each row of legs (across), and one in every
// span between neighbouring legs along each stringer line, each from the top
// of one leg to the foot of the next; cut to the whole millimetre above, since
// a diagonal is trimmed to fit on the frame.
std::vector<LengthCount> braces(const DeckLegs& legs, PanelLines lines, double width,
                                const ConstructionSettings& s) {
    const std::vector<double> centres = legCentres(legs, lines, width, s);
    std::vector<double> lengths;
    for (std::size_t i = 0; i + 1 < centres.size(); ++i)
        addLengths(lengths, std::ceil(std::hypot(centres[i + 1] - centres[i], legs.length)),
                   legs.perLine);
    for (std::size_t i = 0; i + 1 < legs.positions.size(); ++i)
        addLengths(lengths,
                   std::ceil(std::hypot(legs.positions[i + 1] - legs.positions[i], legs.length)),
                   lines.count);
    return lengthCounts(lengths, 1);
}

} // namespace

JoistPlan ladderJoists(double length, const std::vector<Seam>& seams,
                       const std::vector<double>& joints, int layerCount,
                       const std::vector<double>& bays, const ConstructionSettings& s) {
    const double e = onEdgeThickness(s);
    // A stringer joint is framed as a seam of a layer below the surface's
    // (the surface's seams win a merge with it), then forgotten.
    std::vector<Seam> all = seams;
    for (double joint : joints)
        all.push_back({joint, layerCount});
    std::vector<Station> stations =
        doubleSeamStations(placeStations(e / 2, length - e / 2, all, e, s.joistSpacing), e);
    const unsigned surfaceLayers = (1u << layerCount) - 1;
    for (Station& station : stations)
        station.seamLayers &= surfaceLayers;
    return joistsAt(stations, bays);
}

DeckFrame groundDeckFrame(double deck, double width, const std::vector<Seam>& seams, int layerCount,
                          const ConstructionSettings& s) {
    const PanelLines lines = panelLines(width, s);
    DeckFrame frame;
    frame.kind = DeckFrameKind::ground;
    frame.length = deck;
    frame.stringers = {
        lines.count, deck, {onEdgeThickness(s), s.flat}, stringerJoints(deck, s.stock)};
    frame.joists = ladderJoists(deck, seams, frame.stringers.joints, layerCount,
                                stringerBays(lines, width, s), s);
    return frame;
}

std::vector<double> legCentres(const DeckLegs& legs, PanelLines lines, double width,
                               const ConstructionSettings& s) {
    const double across = legs.section[0];
    std::vector<double> centres;
    for (int i = 0; i < lines.count; ++i)
        centres.push_back(i == 0                 ? across / 2
                          : i == lines.count - 1 ? width - across / 2
                                                 : s.panel / 2 + i * lines.pitch);
    return centres;
}

double shortestDeckFrame(const ConstructionSettings& s) {
    return 2 * onEdgeThickness(s) + std::max(s.postWidth, s.postDepth);
}

std::vector<double> legPositions(double length, double legSize, const std::vector<double>& joints) {
    // Too short for two legs side by side: one, in the middle.
    if (length < 2 * legSize) return {length / 2};
    std::vector<double> fixed{legSize / 2};
    for (double joint : joints)
        if (joint - fixed.back() >= legSize && length - legSize / 2 - joint >= legSize)
            fixed.push_back(joint);
    fixed.push_back(length - legSize / 2);
    std::vector<double> legs{fixed.front()};
    for (std::size_t i = 1; i < fixed.size(); ++i) {
        const double gap = fixed[i] - fixed[i - 1];
        const int spans = std::max(1, int(std::ceil(gap / maxLegGap - slack)));
        for (int k = 1; k < spans; ++k)
            legs.push_back(fixed[i - 1] + gap * k / spans);
        legs.push_back(fixed[i]);
    }
    return legs;
}

DeckFrame legDeckFrame(const DeckFrameSite& site, const std::vector<Seam>& seams,
                       const ConstructionSettings& s) {
    const double e = onEdgeThickness(s);
    const double depth = onEdgeDepth(s);
    const double length = site.length;
    const PanelLines lines = panelLines(site.width, s);
    const std::vector<double> bays = stringerBays(lines, site.width, s);
    DeckFrame frame;
    frame.kind = DeckFrameKind::legs;
    frame.length = length;
    frame.stringers = {lines.count, length, {e, depth}, stringerJoints(length, s.stock)};

    // The seams over the frame; one over a rim's outer half lies on the rim.
    std::vector<Seam> over;
    for (const Seam& seam : seams)
        if (seam.position < length - slack)
            over.push_back({std::clamp(seam.position, e / 2, length - e / 2), seam.layer});
    const std::vector<Station> stations =
        placeStations(e / 2, length - e / 2, over, s.ribWidth, s.joistSpacing, true, true);
    frame.backRim = rimAt(stations.front(), bays);
    frame.frontRim = rimAt(stations.back(), bays);
    frame.joists = joistsAt({stations.begin() + 1, stations.end() - 1}, bays);
    const double between = lines.pitch - s.panel;
    frame.panelRim = {partPieces({{between, lines.count - 1}}), length + e / 2, 0};

    const double legHeight = site.deckTop - depth;
    // A deck too low for legs: the stringers, ripped, stand on the ground.
    if (legHeight <= slack) return frame;
    DeckLegs& legs = frame.legs;
    legs.section = {std::min(s.postWidth, s.postDepth), std::max(s.postWidth, s.postDepth)};
    legs.positions = legPositions(length, legs.section[1], frame.stringers.joints);
    legs.perLine = int(legs.positions.size());
    legs.count = legs.perLine * lines.count;
    legs.length = legHeight;
    if (legHeight > bracedLegHeight + slack) frame.braces = braces(legs, lines, site.width, s);
    return frame;
}
