#include "pairfit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

Outline orientedOutline(const Outline& outline, Orientation orientation) {
    Outline o = orientation.mirrored ? mirrored(outline, 0) : outline;
    if (orientation.turned) {
        const QRectF box = boundingBox(o);
        o = turned(o, (box.left() + box.right()) / 2, (lowestV(box) + highestV(box)) / 2);
    }
    const QRectF box = boundingBox(o);
    return translated(o, -box.left(), -lowestV(box));
}

namespace {

constexpr double noContact = -std::numeric_limits<double>::infinity();

// The search works on coarse chords, the chosen position is measured again on
// fine ones. Chords stray from their arcs by at most the tolerance, on either
// part, so the clearance between chords grows by twice the tolerance.
constexpr double searchTolerance = 0.5;
constexpr double finalTolerance = 0.005;
// Room for the rounding of placed outlines rebuilt from the flags.
constexpr double roundingRoom = 1e-6;
// Side by side, the boxes this much farther apart than the clearance, so
// that corners level with each other do not count as touching.
constexpr double apart = 1e-6;
// A pair exactly the box's size fits.
constexpr double fitSlack = 1e-9;

// Offsets tried over the whole range, then around the best ones found.
constexpr int coarseSteps = 64;
constexpr int refineSteps = 8;
constexpr int refineLevels = 3;
constexpr int combinationsRefined = 3;

// An edge with its ends in increasing u, and its stadium: the points within
// the clearance c of it.
struct Edge {
    QPointF a;
    QPointF b;
    double minV = 0;
    double maxV = 0;
    double slope = 0; // dv / du, unless vertical
    bool vertical = false;
    double offsetU = 0; // c times the unit normal pointing up
    double offsetV = 0;
};

Edge makeEdge(QPointF a, QPointF b, double c) {
    if (a.x() > b.x()) std::swap(a, b);
    Edge e{a, b, std::min(a.y(), b.y()), std::max(a.y(), b.y())};
    e.vertical = a.x() == b.x();
    if (!e.vertical) {
        e.slope = (b.y() - a.y()) / (b.x() - a.x());
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        e.offsetU = -(b.y() - a.y()) / length * c;
        e.offsetV = (b.x() - a.x()) / length * c;
    }
    return e;
}

// The edges of an oriented part that another part sliding vertically can
// touch first: those facing up on the lower part, facing down on the upper.
// Facing up sorted from the highest, facing down from the lowest; the edges
// facing up also listed by the columns of the part they span.
struct Profile {
    std::vector<Edge> up;
    std::vector<Edge> down;
    double width = 0;
    double height = 0;
    double clearance = 0;
    double columnWidth = 1;
    int columns = 1;
    // The edges facing up column after column, highest first in each: a
    // column's entries from columnStart[k] to columnStart[k + 1]. Each entry
    // carries what decides whether its edge is measured at all, so that the
    // many it skips cost no look-up.
    struct ColumnEntry {
        double reach = 0; // the edge's highest point plus the clearance
        double left = 0;  // its ends' u
        double right = 0;
        int edge = 0; // index into up
    };
    std::vector<ColumnEntry> columnEntries;
    std::vector<int> columnStart;
    // The highest reach over columns first..last, at first * columns + last:
    // an edge above all of them is passed over at once.
    std::vector<double> rangeReach;

    int column(double u) const {
        return int(std::clamp(std::floor(u / columnWidth), 0.0, double(columns - 1)));
    }
};

constexpr int profileColumns = 32;

// The lower part's profile needs only its edges facing up, the upper part's
// only those facing down.
enum class Role { Lower, Upper };

Profile makeProfile(const Outline& outline, Orientation orientation, double tolerance,
                    double clearance, Role role) {
    const Outline placed = orientedOutline(outline, orientation);
    const QRectF box = boundingBox(placed);
    Profile profile;
    profile.width = box.width();
    profile.height = box.height();
    profile.clearance = clearance;
    const QList<QPointF> points = flatten(placed, tolerance);
    const bool counterClockwise = signedArea(placed) > 0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF a = points[i], b = points[(i + 1) % points.size()];
        const Edge edge = makeEdge(a, b, clearance);
        // The outward normal's v component: -du going counter-clockwise.
        const double normalV = counterClockwise ? a.x() - b.x() : b.x() - a.x();
        if (normalV >= 0 && role == Role::Lower) profile.up.push_back(edge);
        if (normalV <= 0 && role == Role::Upper) profile.down.push_back(edge);
    }
    if (role == Role::Upper) {
        std::sort(profile.down.begin(), profile.down.end(),
                  [](const Edge& x, const Edge& y) { return x.minV < y.minV; });
        return profile;
    }
    std::sort(profile.up.begin(), profile.up.end(),
              [](const Edge& x, const Edge& y) { return x.maxV > y.maxV; });
    profile.columnWidth = std::max(profile.width, 1.0) / profileColumns;
    profile.columns = profileColumns;
    // Counted first, then filled: each column keeps the edges' order.
    profile.columnStart.assign(profileColumns + 1, 0);
    for (const Edge& e : profile.up)
        for (int k = profile.column(e.a.x()); k <= profile.column(e.b.x()); ++k)
            ++profile.columnStart[k + 1];
    for (int k = 0; k < profileColumns; ++k)
        profile.columnStart[k + 1] += profile.columnStart[k];
    profile.columnEntries.resize(size_t(profile.columnStart.back()));
    std::vector<int> next(profile.columnStart.begin(), profile.columnStart.end() - 1);
    for (int i = 0; i < int(profile.up.size()); ++i) {
        const Edge& e = profile.up[i];
        for (int k = profile.column(e.a.x()); k <= profile.column(e.b.x()); ++k)
            profile.columnEntries[size_t(next[k]++)] = {e.maxV + clearance, e.a.x(), e.b.x(), i};
    }
    profile.rangeReach.assign(profileColumns * profileColumns, noContact);
    for (int first = 0; first < profileColumns; ++first) {
        double reach = noContact;
        for (int last = first; last < profileColumns; ++last) {
            if (profile.columnStart[last] != profile.columnStart[last + 1])
                reach = std::max(reach, profile.columnEntries[profile.columnStart[last]].reach);
            profile.rangeReach[first * profileColumns + last] = reach;
        }
    }
    return profile;
}

// The highest point of the stadium of e on the vertical line at u;
// noContact when the line misses it. cc is c squared.
inline double stadiumTop(const Edge& e, double c, double cc, double u) {
    double top = noContact;
    for (const QPointF p : {e.a, e.b}) {
        const double du = u - p.x();
        if (std::abs(du) <= c) top = std::max(top, p.y() + std::sqrt(cc - du * du));
    }
    if (!e.vertical && u >= e.a.x() + e.offsetU && u <= e.b.x() + e.offsetU)
        top = std::max(top, e.a.y() + e.offsetV + (u - e.a.x() - e.offsetU) * e.slope);
    return top;
}

// The lowest point of the stadium of e moved by dx on the vertical line at u;
// +infinity when the line misses it.
inline double stadiumBottom(const Edge& e, double dx, double c, double cc, double u) {
    double bottom = -noContact;
    u -= dx;
    for (const QPointF p : {e.a, e.b}) {
        const double du = u - p.x();
        if (std::abs(du) <= c) bottom = std::min(bottom, p.y() - std::sqrt(cc - du * du));
    }
    if (!e.vertical && u >= e.a.x() - e.offsetU && u <= e.b.x() - e.offsetU)
        bottom = std::min(bottom, e.a.y() - e.offsetV + (u - e.a.x() + e.offsetU) * e.slope);
    return bottom;
}

// How high the upper part's box must stand above the lower part's box, the
// upper one dx to the right, to stay c away from the lower part when it comes
// down from above: at least floor. Every contact of two segments at distance
// c has an end of one of them. Pairs that cannot raise the height are skipped
// by their heights alone. This runs a thousand times for each pair of parts:
// the columns' entries are read in place, the edges only when measured.
double contactHeight(const Profile& lower, const Profile& upper, double dx, double floor) {
    const double c = lower.clearance;
    const double cc = c * c;
    double height = floor;
    if (lower.up.empty()) return height;
    const double lowerReach = lower.up.front().maxV + c;
    const Profile::ColumnEntry* entries = lower.columnEntries.data();
    const int* columnStart = lower.columnStart.data();
    for (const Edge& e : upper.down) {
        if (lowerReach - e.minV <= height) break;
        const double from = e.a.x() + dx - c, to = e.b.x() + dx + c;
        if (to < 0 || from > lower.width) continue;
        // An edge spanning several columns is measured once in each: no harm.
        const int first = lower.column(from), last = lower.column(to);
        if (lower.rangeReach[first * lower.columns + last] - e.minV <= height) continue;
        for (int k = first; k <= last; ++k) {
            const Profile::ColumnEntry* end = entries + columnStart[k + 1];
            for (const Profile::ColumnEntry* entry = entries + columnStart[k]; entry != end;
                 ++entry) {
                if (entry->reach - e.minV <= height) break;
                if (entry->right < from || entry->left > to) continue;
                const Edge& f = lower.up[size_t(entry->edge)];
                height = std::max(height, stadiumTop(f, c, cc, e.a.x() + dx) - e.a.y());
                height = std::max(height, stadiumTop(f, c, cc, e.b.x() + dx) - e.b.y());
                height = std::max(height, f.a.y() - stadiumBottom(e, dx, c, cc, f.a.x()));
                height = std::max(height, f.b.y() - stadiumBottom(e, dx, c, cc, f.b.x()));
            }
        }
    }
    return height;
}

struct Candidate {
    Orientation lower;
    Orientation upper;
    double dx = 0;
    double dy = 0;
    double width = 0;
    double height = 0;
    long long perBox = 0; // pairs on a box of maxWidth x maxHeight
    bool valid = false;
};

bool better(const Candidate& a, const Candidate& b) {
    if (!b.valid) return a.valid;
    if (!a.valid) return false;
    if (a.perBox != b.perBox) return a.perBox > b.perBox;
    return a.width * a.height < b.width * b.height;
}

class PairSearch {
public:
    PairSearch(double kerf, double maxWidth, double maxHeight)
        : m_kerf(kerf)
        , m_maxWidth(maxWidth)
        , m_maxHeight(maxHeight) {}

    Candidate evaluate(const Profile& lower, const Profile& upper, Orientation lowerOrientation,
                       Orientation upperOrientation, double dx) const {
        Candidate c{lowerOrientation, upperOrientation, dx};
        // Without contact the upper part may go down until the boxes' bottoms
        // or tops line up.
        c.dy = contactHeight(lower, upper, dx, std::min(0.0, lower.height - upper.height));
        c.width = std::max(lower.width, dx + upper.width) - std::min(0.0, dx);
        c.height = std::max(lower.height, c.dy + upper.height) - std::min(0.0, c.dy);
        c.valid = c.width <= m_maxWidth + fitSlack && c.height <= m_maxHeight + fitSlack;
        if (c.valid)
            c.perBox =
                (long long)(std::floor((m_maxWidth + m_kerf + fitSlack) / (c.width + m_kerf))) *
                (long long)(std::floor((m_maxHeight + m_kerf + fitSlack) / (c.height + m_kerf)));
        return c;
    }

    double kerf() const { return m_kerf; }

private:
    double m_kerf;
    double m_maxWidth;
    double m_maxHeight;
};

// The parts' profiles at the search's tolerance: the lower one as drawn and
// turned about, the upper one in all four orientations.
struct SearchProfiles {
    std::array<Profile, 2> lower;
    std::array<Profile, 4> upper;
};

// One way the two parts may lie, with the offsets it may take and the best
// candidate found so far.
struct Combination {
    Orientation lower;
    Orientation upper;
    const Profile* lowerProfile = nullptr;
    const Profile* upperProfile = nullptr;
    double dxFrom = 0;
    double dxTo = 0;
    Candidate best;
};

// A mirror of the whole pair changes nothing: the lower part need not be
// mirrored. Nor need the upper part be the lower one: a pair turned about is
// the other way up. Of one part with itself, the turned lower part under a
// turned upper one is the pair of two parts lying as drawn, turned about;
// likewise with the upper one mirrored too.
std::vector<Combination> combinationsOf(const SearchProfiles& profiles, bool samePart,
                                        double maxWidth, double clearance) {
    std::vector<Combination> combinations;
    for (const bool lowerTurned : {false, true}) {
        const Profile& lowerProfile = profiles.lower[lowerTurned];
        for (int o = 0; o < 4; ++o) {
            if (samePart && lowerTurned && (o & 2)) continue;
            const Profile& upperProfile = profiles.upper[o];
            // Offsets keeping the pair within maxWidth; beyond the clearance
            // on either side the parts no longer meet.
            const double from =
                std::max(lowerProfile.width - maxWidth, -(upperProfile.width + clearance + apart));
            const double to =
                std::min(maxWidth - upperProfile.width, lowerProfile.width + clearance + apart);
            if (from > to + fitSlack) continue;
            combinations.push_back({{false, lowerTurned},
                                    {bool(o & 1), bool(o & 2)},
                                    &lowerProfile,
                                    &upperProfile,
                                    from,
                                    std::max(from, to),
                                    {}});
        }
    }
    return combinations;
}

// Offsets in coarse steps for every combination, then refined for the best
// few; the best candidate of all, invalid when none fits.
Candidate coarseBest(std::vector<Combination>& combinations, const PairSearch& search) {
    auto tryOffset = [&](Combination& c, double dx) {
        dx = std::clamp(dx, c.dxFrom, c.dxTo);
        const Candidate candidate =
            search.evaluate(*c.lowerProfile, *c.upperProfile, c.lower, c.upper, dx);
        if (better(candidate, c.best)) c.best = candidate;
    };
    for (Combination& c : combinations) {
        // The boxes' left or right sides lined up are likely best.
        for (const double dx :
             {0.0, c.lowerProfile->width - c.upperProfile->width, c.dxFrom, c.dxTo})
            tryOffset(c, dx);
        for (int i = 0; i <= coarseSteps; ++i)
            tryOffset(c, c.dxFrom + (c.dxTo - c.dxFrom) * i / coarseSteps);
    }
    std::stable_sort(
        combinations.begin(), combinations.end(),
        [](const Combination& a, const Combination& b) { return better(a.best, b.best); });
    if (combinations.empty() || !combinations.front().best.valid) return {};

    for (int k = 0; k < std::min<int>(combinationsRefined, combinations.size()); ++k) {
        Combination& c = combinations[k];
        if (!c.best.valid) break;
        double step = (c.dxTo - c.dxFrom) / coarseSteps;
        for (int level = 0; level < refineLevels; ++level) {
            const double centre = c.best.dx;
            step /= refineSteps;
            for (int i = -refineSteps; i <= refineSteps; ++i)
                tryOffset(c, centre + i * step);
        }
    }
    Candidate chosen = combinations.front().best;
    for (const Combination& c : combinations)
        if (better(c.best, chosen)) chosen = c.best;
    return chosen;
}

// The chosen offset measured again on fine chords, and tried a little to
// either side: the tighter clearance lets the parts come closer.
Candidate fineBest(const Outline& lower, const Outline& upper, const Candidate& chosen,
                   const PairSearch& search, double slack) {
    const double finalClearance = search.kerf() + 2 * finalTolerance + roundingRoom;
    const Profile fineLower =
        makeProfile(lower, chosen.lower, finalTolerance, finalClearance, Role::Lower);
    const Profile fineUpper =
        makeProfile(upper, chosen.upper, finalTolerance, finalClearance, Role::Upper);
    Candidate fine = search.evaluate(fineLower, fineUpper, chosen.lower, chosen.upper, chosen.dx);
    auto tryFine = [&](double dx) {
        const Candidate candidate =
            search.evaluate(fineLower, fineUpper, chosen.lower, chosen.upper, dx);
        if (better(candidate, fine)) fine = candidate;
    };
    for (const double dx :
         {fineLower.width + finalClearance + apart, -(fineUpper.width + finalClearance + apart)})
        if (std::abs(dx - chosen.dx) <= slack) tryFine(dx);
    double step = slack;
    for (int level = 0; level < 2; ++level) {
        const double centre = fine.dx;
        step /= refineSteps;
        for (int i = -refineSteps; i <= refineSteps; ++i)
            tryFine(centre + i * step);
    }
    return fine;
}

PairFit pairFitOf(const Candidate& fine) {
    PairFit fit;
    fit.lower = fine.lower;
    fit.upper = fine.upper;
    const double left = std::min(0.0, fine.dx), bottom = std::min(0.0, fine.dy);
    fit.lowerCorner = {std::max(0.0, -left), std::max(0.0, -bottom)}; // no -0
    fit.upperCorner = {fine.dx - left, fine.dy - bottom};
    fit.width = fine.width;
    fit.height = fine.height;
    return fit;
}

} // namespace

std::optional<PairFit> fitPair(const Outline& lower, const Outline& upper, double kerf,
                               double maxWidth, double maxHeight) {
    const double searchClearance = kerf + 2 * searchTolerance + roundingRoom;
    const double finalClearance = kerf + 2 * finalTolerance + roundingRoom;
    const PairSearch search(kerf, maxWidth, maxHeight);
    SearchProfiles profiles;
    for (int o = 0; o < 4; ++o)
        profiles.upper[o] = makeProfile(upper, {bool(o & 1), bool(o & 2)}, searchTolerance,
                                        searchClearance, Role::Upper);
    for (const bool turned : {false, true})
        profiles.lower[turned] =
            makeProfile(lower, {false, turned}, searchTolerance, searchClearance, Role::Lower);
    std::vector<Combination> combinations =
        combinationsOf(profiles, &lower == &upper, maxWidth, searchClearance);
    const Candidate chosen = coarseBest(combinations, search);
    if (!chosen.valid) return std::nullopt;
    const Candidate fine = fineBest(lower, upper, chosen, search, searchClearance - finalClearance);
    if (!fine.valid) return std::nullopt;
    return pairFitOf(fine);
}
