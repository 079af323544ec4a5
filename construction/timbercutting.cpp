#include "timbercutting.h"

#include "constructionsettings.h"
#include "cuttingstocklp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <numeric>
#include <optional>
#include <QCoreApplication>
#include <queue>
#include <set>
#include <tuple>

// The search behind the boards. The linear programme over cutting patterns
// bounds the total from below; rounding its solution gives first boards.
// Each total the stock can make, from the bound rounded up to the first
// boards' total, is then tried with any boards until one is packed: by an
// exhaustive search over the boards' patterns, in which no board may waste
// more than the total allows beyond the pieces' worth at the programme's
// prices, then by whole boards of the programme that search completes. When
// every total before it was refuted, the total is the least. Then the mixes
// of that total (how many boards of each length) that come before the
// boards found in the order of preference are tried in that order, each
// refuted by the programme's prices or packed; the first packed wins.

namespace {

using Clock = std::chrono::steady_clock;
using Boards = std::vector<CuttingPattern>;

// Partial patterns a search for boards of one mix, or of one total, may try
// before it is left undecided.
constexpr long long packingStepsPerMix = 20000;
constexpr long long packingStepsPerTotal = 200000;
constexpr long long maxPackingSteps = 1LL << 50;
// What a piece left out costs where the programme counts boards under a
// length limit: high enough that none is left out when all fit.
constexpr double boardShortfallCost = 1e4;
// The most boards of the rounded programme given back to the search.
constexpr std::size_t maxBoardsGivenBack = 64;
// Once a total is packed, at most this many of its mixes are tried for fewer
// boards, fewer lengths or more long boards: on long lists most of them are
// refuted one by one, and the answer should not wait for that.
constexpr int tieBreakMixes = 400;
// Mixes of one count of boards sorted at most, for the same reason.
constexpr std::size_t mixesPerCount = 20000;
// The search recurses once per piece type on every board it holds: a list
// of thousands of boards would run out of stack. Deeper than this many
// calls it stops, undecided, and the boards found by rounding stand.
constexpr long long maxSearchDepth = 6000;
// A linear programme solved in the search counts as this many steps: about
// what the packing search tries in the time a programme of a few dozen
// piece types takes.
constexpr long long lpSolveSteps = 20000;

int tenths(double mm) {
    return int(std::llround(mm * 10));
}

double millimetres(long long tenths) {
    return double(tenths) / 10;
}

// What the preference compares: total length, boards, distinct lengths, and
// boards of the longest length on sale (more is better).
struct Preference {
    long long total = 0;
    int boards = 0;
    int distinct = 0;
    int longest = 0;

    bool betterThan(const Preference& other) const {
        return std::make_tuple(total, boards, distinct, -longest) <
               std::make_tuple(other.total, other.boards, other.distinct, -other.longest);
    }
};

// mix[s]: how many boards of stock[s].
Preference preferenceOf(const std::vector<int>& mix, const std::vector<int>& stock) {
    Preference p;
    for (std::size_t s = 0; s < mix.size(); ++s) {
        p.total += std::int64_t(mix[s]) * stock[s];
        p.boards += mix[s];
        p.distinct += mix[s] > 0 ? 1 : 0;
    }
    p.longest = mix.empty() ? 0 : mix.back();
    return p;
}

std::vector<int> mixOf(const Boards& boards, std::size_t lengths) {
    std::vector<int> mix(lengths, 0);
    for (const CuttingPattern& board : boards)
        ++mix[std::size_t(board.stock)];
    return mix;
}

long long weightOf(const CuttingStock& problem, const std::vector<int>& count) {
    long long w = 0;
    for (int t = 0; t < problem.types(); ++t)
        w += std::int64_t(count[std::size_t(t)]) * problem.weight[std::size_t(t)];
    return w;
}

// Each board on the shortest length that holds its pieces; empty boards gone.
Boards shortened(const CuttingStock& problem, Boards boards) {
    std::erase_if(boards, [&](const CuttingPattern& b) { return weightOf(problem, b.count) == 0; });
    for (CuttingPattern& board : boards) {
        const long long w = weightOf(problem, board.count);
        int s = 0;
        while (problem.capacity(s) < w)
            ++s;
        board.stock = s;
    }
    return boards;
}

// The totals whole boards can make: the least of each residue modulo the
// shortest length, in units of the lengths' common divisor (Dijkstra).
class StockTotals {
public:
    explicit StockTotals(const std::vector<int>& stock) {
        unit = 0;
        for (int s : stock)
            unit = std::gcd(unit, (long long)s);
        for (int s : stock)
            steps.push_back(s / unit);
        const long long modulus = steps.front();
        least.assign(std::size_t(modulus), std::numeric_limits<long long>::max());
        using Entry = std::pair<long long, long long>; // total, residue
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
        least[0] = 0;
        queue.push({0, 0});
        while (!queue.empty()) {
            const auto [total, residue] = queue.top();
            queue.pop();
            if (total > least[std::size_t(residue)]) continue;
            for (long long step : steps) {
                const long long next = (residue + step) % modulus;
                if (total + step < least[std::size_t(next)]) {
                    least[std::size_t(next)] = total + step;
                    queue.push({total + step, next});
                }
            }
        }
    }

    // The least total (tenths) of whole boards that is at least tenths.
    long long atLeast(long long tenths) const {
        const long long modulus = steps.front();
        const long long x = std::max(0LL, (tenths + unit - 1) / unit);
        long long best = std::numeric_limits<long long>::max();
        for (long long r = 0; r < modulus; ++r) {
            if (least[std::size_t(r)] == std::numeric_limits<long long>::max()) continue;
            const long long candidate =
                std::max(x + ((r - x) % modulus + modulus) % modulus, least[std::size_t(r)]);
            best = std::min(best, candidate);
        }
        return best * unit;
    }

private:
    long long unit;
    std::vector<long long> steps;
    std::vector<long long> least;
};

// The mixes of boards (stock shortest first) of one total and count that the
// preference puts before best; longest length first, so that mixes with too
// many lengths or too few long boards are cut short.
class MixesBefore {
public:
    MixesBefore(const std::vector<int>& stock, const Preference& best, std::size_t limit)
        : stock(stock)
        , best(best)
        , limit(limit) {}

    // In the order of preference (ties: more of the longer lengths first);
    // nothing when there are more than limit.
    std::optional<std::vector<std::vector<int>>> of(long long total, int boards) {
        sameCount = total == best.total && boards == best.boards;
        mixes.clear();
        std::vector<int> mix(stock.size(), 0);
        if (!collect(int(stock.size()) - 1, total, boards, 0, mix)) return std::nullopt;
        std::sort(mixes.begin(), mixes.end(), [&](const auto& a, const auto& b) {
            const Preference pa = preferenceOf(a, stock), pb = preferenceOf(b, stock);
            if (pa.betterThan(pb) || pb.betterThan(pa)) return pa.betterThan(pb);
            return std::lexicographical_compare(b.rbegin(), b.rend(), a.rbegin(), a.rend());
        });
        return mixes;
    }

private:
    const std::vector<int>& stock;
    const Preference& best;
    std::size_t limit;
    bool sameCount = false;
    std::vector<std::vector<int>> mixes;

    // False when there are too many.
    bool collect(int s, long long total, int boards, int distinct, std::vector<int>& mix) {
        if (sameCount && s < int(stock.size()) - 1) {
            const int fewestDistinct = distinct + (boards > 0 ? 1 : 0);
            if (fewestDistinct > best.distinct ||
                (fewestDistinct == best.distinct && mix.back() <= best.longest))
                return true;
        }
        if (s == 0) {
            mix[0] = boards;
            if (std::int64_t(boards) * stock[0] == total &&
                preferenceOf(mix, stock).betterThan(best))
                mixes.push_back(mix);
            mix[0] = 0;
            return mixes.size() <= limit;
        }
        const long long length = stock[std::size_t(s)];
        bool fine = true;
        for (int n = int(std::min<long long>(boards, total / length)); n >= 0 && fine; --n) {
            const long long restTotal = total - n * length;
            const int restBoards = boards - n;
            if (restTotal > std::int64_t(restBoards) * stock[std::size_t(s - 1)]) break;
            if (restTotal < std::int64_t(restBoards) * stock[0]) continue;
            mix[std::size_t(s)] = n;
            fine = collect(s - 1, restTotal, restBoards, distinct + (n > 0 ? 1 : 0), mix);
        }
        mix[std::size_t(s)] = 0;
        return fine;
    }
};

enum class Outcome { packed, refuted, undecided };

class Search {
public:
    // price: feasible prices of the piece types (no pattern worth more than
    // its board's length).
    Search(const CuttingStock& problem, CuttingLp& lp, std::vector<double> price,
           const TimberSearchBudget& budget, Clock::time_point start)
        : problem(problem)
        , lp(lp)
        , price(std::move(price))
        , budget(budget)
        , deadline(start + budget.time) {
        for (int t = 0; t < problem.types(); ++t)
            worth += problem.demand[std::size_t(t)] * this->price[std::size_t(t)];
    }

    struct Proof {
        bool total = true; // no total below the incumbent's can be made
        bool all = true;   // nor any better mix at its total
    };

    // Each total below the incumbent's from the least up, with any boards,
    // until one is packed; the totals left undecided again with eight times
    // the steps, for three quarters of the time. Then the mixes of the
    // incumbent's total better than its own.
    Proof improve(Boards& incumbent, long long leastTotal, const StockTotals& totals) {
        Proof proof{false, false};
        std::set<long long> refuted;
        // More steps do not take a search past its depth.
        for (long long steps = packingStepsPerTotal; !proof.total && !outOfBudget() && !tooDeep;
             steps = std::min(steps * 8, maxPackingSteps)) {
            proof.total = true;
            for (long long total = leastTotal; total < totalOf(incumbent);
                 total = totals.atLeast(total + 1)) {
                if (refuted.contains(total)) continue;
                if (outOfBudget()) {
                    proof.total = false;
                    break;
                }
                Boards packing;
                Outcome outcome = packTotal(total, steps, steps == packingStepsPerTotal, packing);
                if (outcome == Outcome::refuted) refuted.insert(total);
                if (outcome == Outcome::undecided) proof.total = false;
                if (outcome != Outcome::packed) continue;
                incumbent = shortened(problem, packing);
                break;
            }
        }
        preferring = true;
        proof.all = preferBoards(incumbent) && proof.total;
        return proof;
    }

private:
    // Any boards of at most total: the exhaustive search; at the first
    // attempt, when it gives up, whole boards of the programme completed.
    Outcome packTotal(long long total, long long steps, bool round, Boards& packing) {
        const std::vector<int> unlimited(problem.stock.size(), totalPieces());
        const Outcome outcome =
            Packer(*this, problem.demand, unlimited, double(total) - worth, steps).run(packing);
        if (outcome == Outcome::undecided && round &&
            packRounded(unlimited, double(total), packing))
            return Outcome::packed;
        return outcome;
    }

    // The mixes of the incumbent's total better than its own, in the order
    // of preference, until one is packed; true when none before it was left
    // undecided. At most tieBreakMixes.
    bool preferBoards(Boards& incumbent) {
        const std::vector<int>& stock = problem.stock;
        const Preference best = preferenceOf(mixOf(incumbent, stock.size()), stock);
        const long long fewest =
            std::max((best.total + stock.back() - 1) / stock.back(), fewestBoards(best.total));
        bool complete = true;
        int tried = 0;
        MixesBefore before(stock, best, mixesPerCount);
        for (long long boards = fewest; boards <= best.boards; ++boards) {
            const auto mixes = before.of(best.total, int(boards));
            if (!mixes) return false;
            for (const std::vector<int>& mix : *mixes) {
                if (outOfBudget() || ++tried > tieBreakMixes) return false;
                Boards packing;
                const Outcome outcome = tryMix(mix, double(best.total), packing);
                if (outcome == Outcome::undecided) complete = false;
                if (outcome != Outcome::packed) continue;
                incumbent = shortened(problem, packing);
                return complete;
            }
        }
        return complete;
    }

    // At least this many boards make a total: the linear programme with the
    // total as a limit, counting boards.
    long long fewestBoards(long long total) {
        const std::vector<double> perBoard(problem.stock.size(), 1.0);
        const CuttingLpSolution relaxed =
            solve(nullptr, double(total), perBoard, boardShortfallCost);
        const double bound =
            boardBound(problem, problem.demand, double(total), relaxed.price, relaxed.lengthPrice);
        if (std::isinf(bound)) return std::numeric_limits<long long>::max();
        return (long long)std::ceil(bound - 1e-6);
    }

    int totalPieces() const {
        return std::accumulate(problem.demand.begin(), problem.demand.end(), 0);
    }

    long long totalOf(const Boards& boards) const {
        return preferenceOf(mixOf(boards, problem.stock.size()), problem.stock).total;
    }

    const CuttingStock& problem;
    CuttingLp& lp;
    std::vector<double> price;

    double worth = 0; // of all the pieces at price
    const TimberSearchBudget& budget;
    Clock::time_point deadline;
    bool preferring = false;
    long long steps = 0;
    bool tooDeep = false; // a search stopped at maxSearchDepth

    // The totals' share is three quarters of the steps: the rest is kept for
    // the preference.
    bool outOfBudget() {
        if (budget.steps >= 0 && steps >= (preferring ? budget.steps : budget.steps / 4 * 3))
            return true;
        return Clock::now() >= deadline;
    }

    CuttingLpSolution solve(const std::vector<int>* limits, double lengthLimit,
                            const std::vector<double>& boardCost, double shortfallCost) {
        steps += lpSolveSteps;
        return lp.solve(problem.demand, limits, lengthLimit, boardCost, shortfallCost);
    }

    Outcome tryMix(const std::vector<int>& mix, double total, Boards& packing) {
        const std::vector<int>& demand = problem.demand;
        int longestBoard = -1;
        long long room = 0;
        for (int s = 0; s < int(mix.size()); ++s) {
            if (mix[std::size_t(s)] > 0) longestBoard = s;
            room += std::int64_t(mix[std::size_t(s)]) * problem.capacity(s);
        }
        if (room < weightOf(problem, demand)) return Outcome::refuted;
        for (int t = 0; t < problem.types(); ++t)
            if (demand[std::size_t(t)] > 0 &&
                (longestBoard < 0 ||
                 problem.weight[std::size_t(t)] > problem.capacity(longestBoard)))
                return Outcome::refuted;
        const std::vector<double> free(problem.stock.size(), 0.0);
        const CuttingLpSolution relaxed = solve(&mix, -1, free, 1.0);
        if (pricesRefute(problem, demand, mix, relaxed.price)) return Outcome::refuted;
        const Outcome outcome =
            Packer(*this, demand, mix, total - worth, packingStepsPerMix).run(packing);
        if (outcome != Outcome::undecided) return outcome;
        return packRounded(mix, total, packing) ? Outcome::packed : Outcome::undecided;
    }

    // Whole boards of the patterns the linear programme uses, the rest by
    // the exhaustive search; when that fails, the last boards taken go back
    // to the rest, more each time. A heuristic: a failure proves nothing.
    bool packRounded(const std::vector<int>& limits, double total, Boards& packing) {
        // The least length first; then, of the same length or less, the
        // fewest boards: another vertex, other patterns.
        const std::vector<double> lengthCost(problem.stock.begin(), problem.stock.end());
        const std::vector<double> boardCost(problem.stock.size(), 1.0);
        return packRounded(solve(&limits, -1, lengthCost, 2.0 * problem.stock.back()), limits,
                           total, packing) ||
               packRounded(solve(&limits, total, boardCost, boardShortfallCost), limits, total,
                           packing);
    }

    bool packRounded(CuttingLpSolution relaxed, const std::vector<int>& limits, double total,
                     Boards& packing) {
        if (!relaxed.converged || relaxed.shortfall > 1e-6) return false;
        std::sort(relaxed.use.begin(), relaxed.use.end(),
                  [](const auto& a, const auto& b) { return a.second > b.second; });
        Boards taken;
        std::vector<int> rest = problem.demand, left = limits;
        for (const auto& [index, x] : relaxed.use) {
            for (int k = int(std::floor(x + 1e-9)); k > 0; --k) {
                CuttingPattern board = lp.pattern(index);
                for (std::size_t t = 0; t < rest.size(); ++t)
                    board.count[t] = std::min(board.count[t], rest[t]);
                if (weightOf(problem, board.count) == 0 || left[std::size_t(board.stock)] == 0)
                    break;
                for (std::size_t t = 0; t < rest.size(); ++t)
                    rest[t] -= board.count[t];
                --left[std::size_t(board.stock)];
                taken.push_back(board);
            }
        }
        for (std::size_t back = 0; back <= std::min(taken.size(), maxBoardsGivenBack);
             back = back == 0 ? 1 : 2 * back) {
            if (outOfBudget()) return false;
            std::vector<int> residual = rest, residualLimits = left;
            double spare = total;
            for (std::size_t b = 0; b < taken.size(); ++b) {
                const CuttingPattern& board = taken[b];
                if (b + back >= taken.size()) {
                    for (std::size_t t = 0; t < residual.size(); ++t)
                        residual[t] += board.count[t];
                    ++residualLimits[std::size_t(board.stock)];
                } else {
                    spare -= problem.stock[std::size_t(board.stock)];
                }
            }
            for (std::size_t t = 0; t < residual.size(); ++t)
                spare -= residual[t] * price[t];
            Boards completion;
            if (Packer(*this, residual, residualLimits, spare, packingStepsPerMix)
                    .run(completion) != Outcome::packed)
                continue;
            packing.assign(taken.begin(), taken.end() - long(back));
            packing.insert(packing.end(), completion.begin(), completion.end());
            return true;
        }
        return false;
    }

    // Boards one after another, each given a pattern that holds the longest
    // piece left, the patterns in falling order (pieces, then board length)
    // so that no set of boards is tried twice. The boards' lengths less the
    // pieces' worth at the prices add up to the total less the worth of all
    // the pieces: no board may waste more than what is left of that.
    class Packer {
    public:
        Packer(Search& search, const std::vector<int>& demand, const std::vector<int>& limits,
               double slack, long long stepLimit)
            : search(search)
            , stepLimit(stepLimit)
            , problem(search.problem)
            , price(search.price)
            , remaining(demand)
            , limits(limits)
            , slack(slack)
            , tolerance(1e-7 * std::max(1.0, search.worth)) {
            for (int t = 0; t < problem.types(); ++t)
                byWorth.push_back(t);
            std::sort(byWorth.begin(), byWorth.end(), [&](int a, int b) {
                return price[std::size_t(a)] * problem.weight[std::size_t(b)] >
                       price[std::size_t(b)] * problem.weight[std::size_t(a)];
            });
        }

        Outcome run(Boards& packing) {
            if (nextBoard(nullptr, slack)) {
                packing = boards;
                return Outcome::packed;
            }
            return exhausted ? Outcome::undecided : Outcome::refuted;
        }

    private:
        Search& search;
        long long stepLimit;
        const CuttingStock& problem;
        const std::vector<double>& price;
        std::vector<int> remaining;
        std::vector<int> limits;
        double slack;
        double tolerance;
        std::vector<int> byWorth; // types, most worth per tenth first
        Boards boards;
        CuttingPattern pattern;
        long long tried = 0;
        bool exhausted = false;

        bool nextBoard(const CuttingPattern* previous, double slackLeft) {
            int first = 0;
            while (first < problem.types() && remaining[std::size_t(first)] == 0)
                ++first;
            if (first == problem.types()) return true;
            if (std::ssize(boards) * (problem.types() + 2) > maxSearchDepth) {
                exhausted = search.tooDeep = true;
                return false;
            }
            long long room = 0;
            for (int s = 0; s < int(limits.size()); ++s)
                room += std::int64_t(limits[std::size_t(s)]) * problem.capacity(s);
            if (weightOf(problem, remaining) > room) return false;
            // Below the previous board's pattern only while equal to it so far.
            bool capped = previous != nullptr;
            for (int t = 0; capped && t < first; ++t)
                capped = previous->count[std::size_t(t)] == 0;
            const CuttingPattern bound = previous ? *previous : CuttingPattern{};
            for (int s = int(limits.size()) - 1; s >= 0 && !exhausted; --s) {
                if (limits[std::size_t(s)] == 0 ||
                    problem.weight[std::size_t(first)] > problem.capacity(s))
                    continue;
                pattern = {s, std::vector<int>(remaining.size(), 0)};
                if (fill(first, first, problem.capacity(s), 0, capped ? &bound : nullptr,
                         slackLeft))
                    return true;
            }
            return false;
        }

        // Counts of types t.. of pattern, room left on the board, worth so
        // far; bound: the pattern it must not exceed, while equal to it so far.
        bool fill(int first, int t, int room, double worthSoFar, const CuttingPattern* bound,
                  double slackLeft) {
            ++search.steps;
            if (++tried > stepLimit) exhausted = true;
            if (exhausted) return false;
            const double length = problem.stock[std::size_t(pattern.stock)];
            if (t == problem.types()) return place(bound, length - worthSoFar, slackLeft);
            if (worthSoFar + fractionalWorth(t, room) < length - slackLeft - tolerance)
                return false;
            const std::size_t i = std::size_t(t);
            const int w = problem.weight[i];
            int most = std::min(remaining[i], room / w);
            if (bound) most = std::min(most, bound->count[i]);
            for (int c = most; c >= (t == first ? 1 : 0) && !exhausted; --c) {
                pattern.count[i] = c;
                const bool stillEqual = bound && c == bound->count[i];
                if (fill(first, t + 1, room - c * w, worthSoFar + c * price[i],
                         stillEqual ? bound : nullptr, slackLeft))
                    return true;
            }
            pattern.count[i] = 0;
            return false;
        }

        bool place(const CuttingPattern* bound, double waste, double slackLeft) {
            if (bound && pattern.stock > bound->stock) return false;
            if (waste > slackLeft + tolerance) return false;
            if (search.outOfBudget()) {
                exhausted = true;
                return false;
            }
            const CuttingPattern board = pattern;
            for (std::size_t t = 0; t < remaining.size(); ++t)
                remaining[t] -= board.count[t];
            --limits[std::size_t(board.stock)];
            boards.push_back(board);
            const bool found = nextBoard(&board, slackLeft - std::max(0.0, waste));
            if (found) return true;
            boards.pop_back();
            ++limits[std::size_t(board.stock)];
            for (std::size_t t = 0; t < remaining.size(); ++t)
                remaining[t] += board.count[t];
            pattern = board;
            return false;
        }

        // The most the pieces of types t.. left can be worth in room.
        double fractionalWorth(int t, int room) const {
            double most = 0;
            for (int type : byWorth) {
                if (type < t) continue;
                const std::size_t i = std::size_t(type);
                const int w = problem.weight[i];
                if (std::int64_t(remaining[i]) * w <= room) {
                    most += remaining[i] * price[i];
                    room -= remaining[i] * w;
                } else {
                    return most + price[i] * room / w;
                }
            }
            return most;
        }
    };
};

QString frenchLength(double mm) {
    return formatLength(mm).replace(u'.', u',');
}

[[noreturn]] void refuseLongPiece(const TimberPiece& piece, const std::vector<double>& stock) {
    QStringList lengths;
    for (double s : stock)
        lengths << formatLength(s);
    throw ConstructionSettingError(
        QCoreApplication::translate("TimberCutting",
                                    "Réglage de construction incorrect : stock=%1 (%2 de %3 mm : "
                                    "aucune longueur en vente n'est assez longue)")
            .arg(lengths.join(u','), piece.article, frenchLength(piece.length)));
}

// One length of piece and, in the caller's order, the articles cut at it.
struct PieceType {
    int length = 0;
    std::deque<std::pair<QString, int>> articles;
    int count = 0;
};

std::vector<PieceType> pieceTypes(const std::vector<TimberPiece>& pieces, int longestStock,
                                  const std::vector<double>& stock) {
    std::map<int, PieceType, std::greater<>> byLength;
    for (const TimberPiece& piece : pieces) {
        const int length = tenths(piece.length);
        if (piece.count <= 0 || length <= 0) continue; // nothing to cut
        if (length > longestStock) refuseLongPiece(piece, stock);
        PieceType& type = byLength[length];
        type.length = length;
        type.articles.emplace_back(piece.article, piece.count);
        type.count += piece.count;
    }
    std::vector<PieceType> types;
    for (auto& entry : byLength)
        types.push_back(std::move(entry.second));
    return types;
}

TimberBoard boardOf(const CuttingPattern& pattern, std::vector<PieceType>& types,
                    const CuttingStock& problem) {
    TimberBoard board{millimetres(problem.stock[std::size_t(pattern.stock)]), 1, {}, 0};
    long long used = 0;
    for (std::size_t t = 0; t < types.size(); ++t) {
        for (int k = 0; k < pattern.count[t]; ++k) {
            auto& [article, left] = types[t].articles.front();
            board.cuts.push_back({article, millimetres(types[t].length)});
            if (--left == 0) types[t].articles.pop_front();
            used += types[t].length;
        }
    }
    used += std::int64_t(problem.kerf) * std::max<long long>(0, std::ssize(board.cuts) - 1);
    board.offcut = millimetres(problem.stock[std::size_t(pattern.stock)] - used);
    return board;
}

bool cutAlike(const TimberBoard& a, const TimberBoard& b) {
    return a.stock == b.stock &&
           std::equal(a.cuts.begin(), a.cuts.end(), b.cuts.begin(), b.cuts.end(),
                      [](const TimberCut& x, const TimberCut& y) {
                          return x.article == y.article && x.length == y.length;
                      });
}

std::vector<TimberBoard> describe(Boards boards, std::vector<PieceType> types,
                                  const CuttingStock& problem) {
    std::sort(boards.begin(), boards.end(),
              [](const CuttingPattern& a, const CuttingPattern& b) { return b < a; });
    std::vector<TimberBoard> described;
    for (const CuttingPattern& pattern : boards) {
        TimberBoard board = boardOf(pattern, types, problem);
        if (!described.empty() && cutAlike(described.back(), board))
            ++described.back().count;
        else
            described.push_back(std::move(board));
    }
    return described;
}

Boards onePerPiece(const CuttingStock& problem) {
    Boards boards;
    for (int t = 0; t < problem.types(); ++t)
        for (int k = 0; k < problem.demand[std::size_t(t)]; ++k) {
            CuttingPattern single{0, std::vector<int>(problem.demand.size(), 0)};
            single.count[std::size_t(t)] = 1;
            boards.push_back(single);
        }
    return shortened(problem, boards);
}

// Boards by rounding: first for the least length, then for the fewest
// boards (the longest length a little cheaper) within the least total the
// bound allows, or else within the length found.
Boards firstBoards(CuttingLp& lp, long long leastTotal) {
    const CuttingStock& problem = lp.problem();
    const std::vector<double> lengthCost(problem.stock.begin(), problem.stock.end());
    std::vector<double> boardCost(problem.stock.size(), 1.0);
    boardCost.back() -= 1e-3;
    const double shortfallCost = 2.0 * problem.stock.back();
    const std::size_t lengths = problem.stock.size();
    std::optional<Boards> rounded =
        roundedBoards(lp, problem.demand, std::nullopt, -1, lengthCost, shortfallCost);
    Boards best = rounded ? shortened(problem, *rounded) : onePerPiece(problem);
    const long long found = preferenceOf(mixOf(best, lengths), problem.stock).total;
    for (long long limit : {leastTotal, found}) {
        rounded = roundedBoards(lp, problem.demand, std::nullopt, double(limit), boardCost,
                                boardShortfallCost);
        if (!rounded) continue;
        Boards fewer = shortened(problem, *rounded);
        if (preferenceOf(mixOf(fewer, lengths), problem.stock)
                .betterThan(preferenceOf(mixOf(best, lengths), problem.stock)))
            best = std::move(fewer);
    }
    return best;
}

} // namespace

int TimberCutting::boardCount() const {
    int n = 0;
    for (const TimberBoard& board : boards)
        n += board.count;
    return n;
}

TimberCutting cutTimber(const std::vector<TimberPiece>& pieces, const std::vector<double>& stock,
                        double kerf, const TimberSearchBudget& budget) {
    const Clock::time_point start = Clock::now();
    CuttingStock problem;
    for (double s : stock)
        problem.stock.push_back(tenths(s));
    std::sort(problem.stock.begin(), problem.stock.end());
    problem.stock.erase(std::unique(problem.stock.begin(), problem.stock.end()),
                        problem.stock.end());
    problem.kerf = tenths(kerf);
    const std::vector<PieceType> types =
        pieceTypes(pieces, problem.stock.empty() ? 0 : problem.stock.back(), stock);
    TimberCutting cutting;
    if (types.empty()) {
        cutting.optimal = true;
        return cutting;
    }
    for (const PieceType& type : types) {
        problem.weight.push_back(type.length + problem.kerf);
        problem.demand.push_back(type.count);
    }

    CuttingLp lp(problem);
    const std::vector<double> lengthCost(problem.stock.begin(), problem.stock.end());
    const CuttingLpSolution relaxed =
        lp.solve(problem.demand, nullptr, -1, lengthCost, 2.0 * problem.stock.back());
    std::vector<double> price = feasiblePrices(problem, problem.demand, relaxed.price);
    const double bound = priceBound(problem.demand, price);
    const StockTotals totals(problem.stock);
    const long long leastTotal = totals.atLeast((long long)std::ceil(bound));

    Boards boards = firstBoards(lp, leastTotal);
    Search search(problem, lp, std::move(price), budget, start);
    const Search::Proof proof = search.improve(boards, leastTotal, totals);

    cutting.boards = describe(boards, types, problem);
    for (const CuttingPattern& board : boards)
        cutting.bought += problem.stock[std::size_t(board.stock)];
    cutting.optimal = proof.total || (long long)std::llround(cutting.bought) == leastTotal;
    cutting.bought = millimetres((long long)std::llround(cutting.bought));
    cutting.lowerBound = bound / 10;
    return cutting;
}
