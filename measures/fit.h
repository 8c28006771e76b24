#pragma once

#include <array>

#include "measures/cells.h"

namespace measures {

// Ends a fit that still changes after this many passes; no table of non-negative
// entries comes near it (the slowest known needs about 260,000).
inline constexpr long kMaxPasses = 10'000'000;

// The fit's working table: row r of the model is index r - 1, so indexes are cell indexes.
struct FitTable {
    std::array<double, 8> observed{};  // the cell's probability, widened to double
    std::array<double, 8> estimate{};  // the fitted probability
    std::array<double, 8> previous{};  // the estimates before the last phase (B-C)
    long passes = 0;                   // passes the fit ran
};

// Fits the model that keeps the A-B, A-C and B-C margins by iterative proportional
// fitting from the uniform table. Throws RunError on a floating-point fault
// (FloatingPoint) or when the fit has not ended after kMaxPasses (NoConvergence).
FitTable FitPairwiseModel(const ProbabilityTable& p);

// Kullback-Leibler divergence of observed from estimate, in bits; exact zero when no
// row has both positive. Throws RunError (FloatingPoint) on a floating-point fault.
double ComputeI(const FitTable& table);

}  // namespace measures
