#include "cuttingstocklp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace {

// Relative slack for floating-point comparisons; every proof built on the
// results gives this much away (bounds are lowered, certificates must clear
// it).
constexpr double relativeSlack = 1e-9;
constexpr double pivotFloor = 1e-9;
// Degenerate pivots in a row before the entering column is chosen by the
// lowest index (Bland's rule), which cannot cycle.
constexpr int degenerateRunBeforeBland = 30;
constexpr int pivotsBetweenRefactoring = 64;
constexpr int pivotLimit = 200000;

struct FillItem {
    int type;
    int weight;
    int bound;
    double value;
};

class FillSearch {
public:
    explicit FillSearch(std::vector<FillItem> items)
        : items(std::move(items))
        , current(this->items.size(), 0)
        , best(this->items.size(), 0) {}

    void run(std::size_t k, int room, double value) {
        if (value > bestValue) {
            bestValue = value;
            best = current;
        }
        if (k == items.size() ||
            value + fractionalBound(k, room) <= bestValue * (1 + relativeSlack))
            return;
        const FillItem& item = items[k];
        for (int c = std::min(item.bound, room / item.weight); c >= 0; --c) {
            current[k] = c;
            run(k + 1, room - c * item.weight, value + c * item.value);
        }
        current[k] = 0;
    }

    double bestValue = 0;
    std::vector<FillItem> items;
    std::vector<int> current;
    std::vector<int> best;

private:
    // The items in falling value per tenth, the last one cut to fit.
    double fractionalBound(std::size_t k, int room) const {
        double bound = 0;
        for (std::size_t i = k; i < items.size(); ++i) {
            const FillItem& item = items[i];
            if (std::int64_t(item.bound) * item.weight <= room) {
                bound += item.bound * item.value;
                room -= item.bound * item.weight;
            } else {
                return bound + item.value * room / item.weight;
            }
        }
        return bound;
    }
};

// A dense revised simplex over the rows: piece types (cover), then board
// lengths (limits), then the total length. Variables: per row its start
// column (shortfall of a type, spare boards of a length, spare length), the
// surplus of each type, the patterns.
class Simplex {
public:
    Simplex(const CuttingStock& problem, CuttingLp& lp, const std::vector<int>& demand,
            const std::vector<int>* limits, double lengthLimit,
            const std::vector<double>& boardCost, double shortfallCost)
        : problem(problem)
        , lp(lp)
        , demand(demand)
        , limits(limits)
        , boardCost(boardCost)
        , shortfallCost(shortfallCost)
        , types(problem.types())
        , lengthRow(lengthLimit >= 0 ? types + (limits ? int(problem.stock.size()) : 0) : -1)
        , rows(types + (limits ? int(problem.stock.size()) : 0) + (lengthRow >= 0 ? 1 : 0)) {
        double scale = shortfallCost;
        for (double c : boardCost)
            scale = std::max(scale, std::abs(c));
        tolerance = relativeSlack * scale;
        rhs.resize(std::size_t(rows));
        for (int r = 0; r < rows; ++r)
            rhs[std::size_t(r)] = r < types        ? demand[std::size_t(r)]
                                  : r == lengthRow ? lengthLimit
                                                   : (*limits)[std::size_t(r - types)];
        basis.resize(std::size_t(rows));
        std::iota(basis.begin(), basis.end(), 0);
        inverse.assign(std::size_t(rows) * std::size_t(rows), 0.0);
        for (int r = 0; r < rows; ++r)
            at(r, r) = 1;
        xB = rhs;
    }

    CuttingLpSolution run() {
        CuttingLpSolution solution;
        int pivots = 0, degenerateRun = 0;
        while (pivots < pivotLimit) {
            computeDuals();
            int entering = chooseExisting(degenerateRun > degenerateRunBeforeBland);
            if (entering < 0) entering = generatePattern();
            if (entering < 0) {
                solution.converged = true;
                break;
            }
            if (!pivot(entering, degenerateRun)) break;
            if (++pivots % pivotsBetweenRefactoring == 0) refactor();
        }
        computeDuals();
        for (int r = 0; r < rows; ++r) {
            const int v = basis[std::size_t(r)];
            const double x = std::max(0.0, xB[std::size_t(r)]);
            solution.objective += cost(v) * x;
            if (v < types) solution.shortfall += x;
            if (v >= firstPattern() && x > pivotFloor)
                solution.use.emplace_back(v - firstPattern(), x);
        }
        solution.price.resize(std::size_t(types));
        for (int t = 0; t < types; ++t)
            solution.price[std::size_t(t)] = std::max(0.0, duals[std::size_t(t)]);
        if (lengthRow >= 0) solution.lengthPrice = std::max(0.0, -duals[std::size_t(lengthRow)]);
        return solution;
    }

private:
    const CuttingStock& problem;
    CuttingLp& lp;
    const std::vector<int>& demand;
    const std::vector<int>* limits;
    const std::vector<double>& boardCost;
    double shortfallCost;
    int types;
    int lengthRow; // -1: none
    int rows;
    double tolerance = 0;
    std::vector<double> rhs;
    std::vector<int> basis;
    std::vector<double> inverse; // row-major rows x rows
    std::vector<double> xB;
    std::vector<double> duals;

    double& at(int r, int c) {
        return inverse[std::size_t(r) * std::size_t(rows) + std::size_t(c)];
    }
    int firstPattern() const { return rows + types; }
    int variableCount() const { return firstPattern() + lp.patternCount(); }

    double cost(int v) const {
        if (v < types) return shortfallCost;
        if (v < firstPattern()) return 0;
        return boardCost[std::size_t(lp.pattern(v - firstPattern()).stock)];
    }

    std::vector<double> column(int v) const {
        std::vector<double> a(std::size_t(rows), 0.0);
        if (v < rows) {
            a[std::size_t(v)] = 1;
        } else if (v < firstPattern()) {
            a[std::size_t(v - rows)] = -1;
        } else {
            const CuttingPattern& p = lp.pattern(v - firstPattern());
            for (int t = 0; t < types; ++t)
                a[std::size_t(t)] = p.count[std::size_t(t)];
            if (limits) a[std::size_t(types + p.stock)] = 1;
            if (lengthRow >= 0) a[std::size_t(lengthRow)] = problem.stock[std::size_t(p.stock)];
        }
        return a;
    }

    // Patterns with more pieces of a type than wanted stay out: their
    // boards would cost what their spare pieces do not earn.
    bool eligible(int v) const {
        if (v < firstPattern()) return true;
        const CuttingPattern& p = lp.pattern(v - firstPattern());
        for (int t = 0; t < types; ++t)
            if (p.count[std::size_t(t)] > demand[std::size_t(t)]) return false;
        return true;
    }

    double reducedCost(int v) const {
        if (v < rows) return cost(v) - duals[std::size_t(v)];
        if (v < firstPattern()) return duals[std::size_t(v - rows)];
        const CuttingPattern& p = lp.pattern(v - firstPattern());
        double rc = cost(v);
        for (int t = 0; t < types; ++t)
            rc -= p.count[std::size_t(t)] * duals[std::size_t(t)];
        if (limits) rc -= duals[std::size_t(types + p.stock)];
        if (lengthRow >= 0)
            rc -= duals[std::size_t(lengthRow)] * problem.stock[std::size_t(p.stock)];
        return rc;
    }

    void computeDuals() {
        duals.assign(std::size_t(rows), 0.0);
        for (int r = 0; r < rows; ++r) {
            const double c = cost(basis[std::size_t(r)]);
            if (c == 0) continue;
            for (int k = 0; k < rows; ++k)
                duals[std::size_t(k)] += c * at(r, k);
        }
    }

    int chooseExisting(bool lowestIndex) const {
        std::vector<bool> basic(std::size_t(variableCount()), false);
        for (int v : basis)
            basic[std::size_t(v)] = true;
        int entering = -1;
        double most = -tolerance;
        for (int v = 0; v < variableCount(); ++v) {
            if (basic[std::size_t(v)] || !eligible(v)) continue;
            const double rc = reducedCost(v);
            if (rc < most) {
                entering = v;
                most = rc;
                if (lowestIndex) break;
            }
        }
        return entering;
    }

    // The best new pattern of each board length priced by the duals; the
    // variable of the most negative reduced cost, or -1.
    int generatePattern() {
        std::vector<double> value(duals.begin(), duals.begin() + types);
        for (double& v : value)
            v = std::max(0.0, v);
        int entering = -1;
        double most = -tolerance;
        for (int s = 0; s < int(problem.stock.size()); ++s) {
            if (limits && (*limits)[std::size_t(s)] == 0) continue;
            const int room = problem.capacity(s);
            std::vector<int> bound(std::size_t(types), 0);
            for (int t = 0; t < types; ++t)
                bound[std::size_t(t)] =
                    std::min(demand[std::size_t(t)], room / problem.weight[std::size_t(t)]);
            KnapsackFill fill = bestFill(problem.weight, bound, value, room);
            double rc = boardCost[std::size_t(s)] - fill.value;
            if (limits) rc -= duals[std::size_t(types + s)];
            if (lengthRow >= 0) rc -= duals[std::size_t(lengthRow)] * problem.stock[std::size_t(s)];
            CuttingPattern pattern{s, std::move(fill.count)};
            if (rc >= -tolerance || lp.contains(pattern)) continue;
            const int v = firstPattern() + lp.addPattern(pattern);
            if (rc < most) {
                entering = v;
                most = rc;
            }
        }
        return entering;
    }

    bool pivot(int entering, int& degenerateRun) {
        const std::vector<double> a = column(entering);
        std::vector<double> u(std::size_t(rows), 0.0);
        for (int r = 0; r < rows; ++r)
            for (int k = 0; k < rows; ++k)
                u[std::size_t(r)] += at(r, k) * a[std::size_t(k)];
        int leaving = -1;
        double ratio = 0;
        for (int r = 0; r < rows; ++r) {
            if (u[std::size_t(r)] <= pivotFloor) continue;
            const double q = std::max(0.0, xB[std::size_t(r)]) / u[std::size_t(r)];
            const bool tie = leaving >= 0 && std::abs(q - ratio) <= 1e-12 * std::max(1.0, ratio);
            if (leaving < 0 || (q < ratio && !tie) ||
                (tie && basis[std::size_t(r)] < basis[std::size_t(leaving)])) {
                leaving = r;
                ratio = q;
            }
        }
        if (leaving < 0) return false; // unbounded: cannot happen with these costs
        degenerateRun = ratio <= pivotFloor ? degenerateRun + 1 : 0;
        const double p = u[std::size_t(leaving)];
        for (int k = 0; k < rows; ++k)
            at(leaving, k) /= p;
        xB[std::size_t(leaving)] = std::max(0.0, xB[std::size_t(leaving)]) / p;
        for (int r = 0; r < rows; ++r) {
            if (r == leaving || u[std::size_t(r)] == 0) continue;
            const double f = u[std::size_t(r)];
            for (int k = 0; k < rows; ++k)
                at(r, k) -= f * at(leaving, k);
            xB[std::size_t(r)] = std::max(0.0, xB[std::size_t(r)] - f * xB[std::size_t(leaving)]);
        }
        basis[std::size_t(leaving)] = entering;
        return true;
    }

    // The inverse again from the basis columns (Gauss-Jordan, partial
    // pivoting), against the rounding the updates gather.
    void refactor() {
        const std::size_t n = std::size_t(rows);
        std::vector<double> m(n * 2 * n, 0.0);
        for (std::size_t c = 0; c < n; ++c) {
            const std::vector<double> a = column(basis[c]);
            for (std::size_t r = 0; r < n; ++r)
                m[r * 2 * n + c] = a[r];
        }
        for (std::size_t r = 0; r < n; ++r)
            m[r * 2 * n + n + r] = 1;
        for (std::size_t c = 0; c < n; ++c) {
            std::size_t best = c;
            for (std::size_t r = c + 1; r < n; ++r)
                if (std::abs(m[r * 2 * n + c]) > std::abs(m[best * 2 * n + c])) best = r;
            if (std::abs(m[best * 2 * n + c]) < pivotFloor) return; // keep the updated inverse
            for (std::size_t k = 0; k < 2 * n; ++k)
                std::swap(m[c * 2 * n + k], m[best * 2 * n + k]);
            const double p = m[c * 2 * n + c];
            for (std::size_t k = 0; k < 2 * n; ++k)
                m[c * 2 * n + k] /= p;
            for (std::size_t r = 0; r < n; ++r) {
                const double f = m[r * 2 * n + c];
                if (r == c || f == 0) continue;
                for (std::size_t k = 0; k < 2 * n; ++k)
                    m[r * 2 * n + k] -= f * m[c * 2 * n + k];
            }
        }
        for (std::size_t r = 0; r < n; ++r) {
            xB[r] = 0;
            for (std::size_t k = 0; k < n; ++k) {
                inverse[r * n + k] = m[r * 2 * n + n + k];
                xB[r] += inverse[r * n + k] * rhs[k];
            }
            xB[r] = std::max(0.0, xB[r]);
        }
    }
};

CuttingPattern trimmed(const CuttingPattern& pattern, const std::vector<int>& demand) {
    CuttingPattern t = pattern;
    for (std::size_t i = 0; i < t.count.size(); ++i)
        t.count[i] = std::min(t.count[i], demand[i]);
    return t;
}

bool empty(const CuttingPattern& pattern) {
    return std::all_of(pattern.count.begin(), pattern.count.end(), [](int c) { return c == 0; });
}

} // namespace

KnapsackFill bestFill(const std::vector<int>& weight, const std::vector<int>& bound,
                      const std::vector<double>& value, int capacity) {
    std::vector<FillItem> items;
    for (std::size_t t = 0; t < weight.size(); ++t)
        if (value[t] > 0 && bound[t] > 0 && weight[t] <= capacity)
            items.push_back({int(t), weight[t], bound[t], value[t]});
    std::sort(items.begin(), items.end(), [](const FillItem& a, const FillItem& b) {
        return a.value * b.weight > b.value * a.weight;
    });
    FillSearch search(std::move(items));
    search.run(0, capacity, 0);
    KnapsackFill fill{search.bestValue, std::vector<int>(weight.size(), 0)};
    for (std::size_t i = 0; i < search.items.size(); ++i)
        fill.count[std::size_t(search.items[i].type)] = search.best[i];
    return fill;
}

std::vector<double> bestFillValues(const CuttingStock& problem, const std::vector<int>& demand,
                                   const std::vector<double>& value) {
    std::vector<double> best;
    for (int s = 0; s < int(problem.stock.size()); ++s) {
        const int room = problem.capacity(s);
        std::vector<int> bound(demand.size());
        for (std::size_t t = 0; t < demand.size(); ++t)
            bound[t] = std::min(demand[t], room / problem.weight[t]);
        // Allow for the search's own rounding: never below the true best.
        best.push_back(bestFill(problem.weight, bound, value, room).value *
                       (1 + 4 * relativeSlack));
    }
    return best;
}

int CuttingLp::addPattern(const CuttingPattern& pattern) {
    const auto found = std::find(pool.begin(), pool.end(), pattern);
    if (found != pool.end()) return int(found - pool.begin());
    pool.push_back(pattern);
    return int(pool.size()) - 1;
}

bool CuttingLp::contains(const CuttingPattern& pattern) const {
    return std::find(pool.begin(), pool.end(), pattern) != pool.end();
}

CuttingLpSolution CuttingLp::solve(const std::vector<int>& demand, const std::vector<int>* limits,
                                   double lengthLimit, const std::vector<double>& boardCost,
                                   double shortfallCost) {
    return Simplex(stockProblem, *this, demand, limits, lengthLimit, boardCost, shortfallCost)
        .run();
}

std::vector<double> feasiblePrices(const CuttingStock& problem, const std::vector<int>& demand,
                                   const std::vector<double>& price) {
    const std::vector<double> best = bestFillValues(problem, demand, price);
    double scale = 0; // the most a tenth of any board length is worth
    for (std::size_t s = 0; s < best.size(); ++s)
        scale = std::max(scale, best[s] / problem.stock[s]);
    std::vector<double> scaled(price.size(), 0.0);
    if (scale > 0)
        for (std::size_t t = 0; t < price.size(); ++t)
            scaled[t] = price[t] / scale;
    return scaled;
}

double priceBound(const std::vector<int>& demand, const std::vector<double>& feasiblePrice) {
    double worth = 0;
    for (std::size_t t = 0; t < demand.size(); ++t)
        worth += demand[t] * feasiblePrice[t];
    return worth * (1 - 4 * relativeSlack);
}

double boardBound(const CuttingStock& problem, const std::vector<int>& demand, double lengthLimit,
                  const std::vector<double>& price, double lengthPrice) {
    const std::vector<double> best = bestFillValues(problem, demand, price);
    double most = 0; // the most any board earns beyond its length's cost
    for (std::size_t s = 0; s < best.size(); ++s)
        most = std::max(most, best[s] - lengthPrice * problem.stock[s]);
    double worth = -lengthPrice * lengthLimit;
    for (std::size_t t = 0; t < demand.size(); ++t)
        worth += demand[t] * price[t];
    if (worth <= 0) return 0;
    // No board earns anything, yet the pieces are worth more than the
    // length: nothing within the length holds them.
    if (most <= 0) return std::numeric_limits<double>::infinity();
    return worth / most * (1 - 4 * relativeSlack);
}

bool pricesRefute(const CuttingStock& problem, const std::vector<int>& demand,
                  const std::vector<int>& limits, const std::vector<double>& price) {
    const std::vector<double> best = bestFillValues(problem, demand, price);
    double worth = 0, held = 0;
    for (std::size_t t = 0; t < demand.size(); ++t)
        worth += demand[t] * price[t];
    for (std::size_t s = 0; s < best.size(); ++s)
        held += limits[s] * best[s];
    return worth - held > 1e-6 * std::max(1.0, worth);
}

std::optional<std::vector<CuttingPattern>>
roundedBoards(CuttingLp& lp, std::vector<int> demand, std::optional<std::vector<int>> limits,
              double lengthLimit, const std::vector<double>& boardCost, double shortfallCost) {
    std::vector<CuttingPattern> boards;
    const auto take = [&](int index) {
        CuttingPattern board = trimmed(lp.pattern(index), demand);
        if (empty(board) || (limits && (*limits)[std::size_t(board.stock)] == 0)) return false;
        for (std::size_t t = 0; t < demand.size(); ++t)
            demand[t] -= board.count[t];
        if (limits) --(*limits)[std::size_t(board.stock)];
        if (lengthLimit >= 0)
            lengthLimit = std::max(0.0, lengthLimit - lp.problem().stock[std::size_t(board.stock)]);
        boards.push_back(std::move(board));
        return true;
    };
    while (std::any_of(demand.begin(), demand.end(), [](int d) { return d > 0; })) {
        CuttingLpSolution lpSolution =
            lp.solve(demand, limits ? &*limits : nullptr, lengthLimit, boardCost, shortfallCost);
        if (!lpSolution.converged || lpSolution.shortfall > 1e-6) return std::nullopt;
        std::sort(lpSolution.use.begin(), lpSolution.use.end(),
                  [](const auto& a, const auto& b) { return a.second > b.second; });
        bool took = false;
        for (const auto& [index, x] : lpSolution.use)
            for (int k = int(std::floor(x + 1e-9)); k > 0 && take(index); --k)
                took = true;
        for (std::size_t i = 0; !took && i < lpSolution.use.size(); ++i)
            took = take(lpSolution.use[i].first);
        if (!took) return std::nullopt;
    }
    return boards;
}
