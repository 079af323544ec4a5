#pragma once

#include <chrono>
#include <QString>
#include <vector>

// Timber bought in stock lengths: the boards of one section to buy and the
// pieces cut from each. Lengths in millimetres, one decimal kept.

// count pieces of one article.
struct TimberPiece {
    QString article;
    double length = 0;
    int count = 0;
};

struct TimberCut {
    QString article;
    double length = 0;
};

// count boards of one stock length, cut alike.
struct TimberBoard {
    double stock = 0;
    int count = 0;
    std::vector<TimberCut> cuts; // along the board, longest first
    double offcut = 0;           // stock less the cuts and the kerfs between them
};

struct TimberCutting {
    std::vector<TimberBoard> boards; // longest stock first
    double bought = 0;               // total length of the boards
    // The linear programme's bound on the total (column generation over
    // cutting patterns), before rounding up to a total the stock can make.
    double lowerBound = 0;
    // bought is proven the least: it equals the bound rounded up to a total
    // the stock lengths can make, or the search refuted every total below.
    bool optimal = false;

    int boardCount() const;
};

// How long the search may go on, counted in steps (partial board patterns
// tried, linear programmes solved at lpSolveSteps each) so that one list
// always gives the same boards on any machine and under any load: three
// quarters of the steps for a total the bound leaves unproven, then the rest
// for the preference among boards of the total found. The time is only a
// safety net for a machine far slower than expected; the default steps take
// well under a tenth of it here. The bound and the first boards come
// whatever the budget.
struct TimberSearchBudget {
    std::chrono::milliseconds time{5000};
    long long steps = 8'000'000; // negative: no limit
};

// The boards to buy for pieces from the stock lengths, kerf between pieces
// (none at a board's ends): the least total length; among equal totals the
// fewest boards, then the fewest distinct lengths, then the most boards of
// the longest length on sale (exact where the search ends within its budget
// and a few hundred mixes of board lengths; else the best of those tried).
// Pieces of one length are cut alike whatever their article; pieces of no
// length or count are left out. Throws ConstructionSettingError naming stock
// when a piece is longer than every stock length.
TimberCutting cutTimber(const std::vector<TimberPiece>& pieces, const std::vector<double>& stock,
                        double kerf, const TimberSearchBudget& budget = {});
