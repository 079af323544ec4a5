#pragma once

#include <optional>
#include <vector>

// Cutting pieces from boards, in whole tenths of a millimetre. Each piece
// type weighs its length plus one kerf and a board holds its length plus one
// kerf: pieces fit when their lengths and the kerfs between them (none at the
// board's ends) fit in the board.
struct CuttingStock {
    std::vector<int> weight; // per piece type
    std::vector<int> demand; // pieces wanted of each type
    std::vector<int> stock;  // board lengths, shortest first
    int kerf = 0;

    int capacity(int board) const { return stock[board] + kerf; }
    int types() const { return int(weight.size()); }
};

// One board's cuts: how many pieces of each type come from stock[stock].
struct CuttingPattern {
    int stock = 0;
    std::vector<int> count;

    friend bool operator==(const CuttingPattern&, const CuttingPattern&) = default;
    friend auto operator<=>(const CuttingPattern&, const CuttingPattern&) = default;
};

// The most valuable way to fill capacity with at most bound[t] pieces of
// weight[t], each worth value[t] (exact: depth-first with the fractional
// bound; pieces worth nothing are left out).
struct KnapsackFill {
    double value = 0;
    std::vector<int> count;
};
KnapsackFill bestFill(const std::vector<int>& weight, const std::vector<int>& bound,
                      const std::vector<double>& value, int capacity);

// The value of the best fill of each board length, the pieces priced at
// value and bounded by demand.
std::vector<double> bestFillValues(const CuttingStock& problem, const std::vector<int>& demand,
                                   const std::vector<double>& value);

struct CuttingLpSolution {
    bool converged = false;
    double objective = 0;
    double shortfall = 0;                    // pieces the patterns leave uncovered
    std::vector<double> price;               // dual value of each piece type, >= 0
    double lengthPrice = 0;                  // dual value of the total length, >= 0
    std::vector<std::pair<int, double>> use; // pattern (pool index), boards of it
};

// The linear programme over cutting patterns, by column generation:
//   minimise sum of boardCost[stock] x_p + shortfallCost * shortfall
//   so that the patterns cover each type's demand (less its shortfall)
//   and, with limits, use at most limits[s] boards of each length,
//   and, with a length limit (>= 0), at most that total length,
// new patterns priced by bestFill. The pattern pool grows across solves.
class CuttingLp {
public:
    explicit CuttingLp(const CuttingStock& problem)
        : stockProblem(problem) {}

    CuttingLpSolution solve(const std::vector<int>& demand, const std::vector<int>* limits,
                            double lengthLimit, const std::vector<double>& boardCost,
                            double shortfallCost);
    const CuttingPattern& pattern(int index) const { return pool[std::size_t(index)]; }
    int patternCount() const { return int(pool.size()); }
    const CuttingStock& problem() const { return stockProblem; }
    // Its pool index; added when new.
    int addPattern(const CuttingPattern& pattern);
    bool contains(const CuttingPattern& pattern) const;

private:
    const CuttingStock& stockProblem;
    std::vector<CuttingPattern> pool;
};

// Any piece prices scaled so that no pattern is worth more than its board's
// length (Farley): every pattern's reduced cost is then at least zero.
std::vector<double> feasiblePrices(const CuttingStock& problem, const std::vector<int>& demand,
                                   const std::vector<double>& price);

// A lower bound on the total board length (tenths) that covers demand: the
// pieces' worth at feasible prices.
double priceBound(const std::vector<int>& demand, const std::vector<double>& feasiblePrice);

// A lower bound on the number of boards that hold demand within lengthLimit
// (tenths), from any piece prices and price of length (both >= 0); infinite
// when the prices prove that no boards do.
double boardBound(const CuttingStock& problem, const std::vector<int>& demand, double lengthLimit,
                  const std::vector<double>& price, double lengthPrice);

// True when the prices prove that limits[s] boards of each length cannot
// hold demand: the pieces are worth more than the best fills of those boards.
bool pricesRefute(const CuttingStock& problem, const std::vector<int>& demand,
                  const std::vector<int>& limits, const std::vector<double>& price);

// Boards for demand by rounding the linear programme: whole boards of the
// patterns it uses, then the largest fraction, solving again after each
// round. With limits, or a length limit (>= 0), the boards must come within
// them; nothing when the programme cannot cover the rest.
std::optional<std::vector<CuttingPattern>>
roundedBoards(CuttingLp& lp, std::vector<int> demand, std::optional<std::vector<int>> limits,
              double lengthLimit, const std::vector<double>& boardCost, double shortfallCost);
