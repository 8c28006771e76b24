#pragma once

#include <initializer_list>

#include "measures/cells.h"

namespace measures {

// Divides each entry by the single-precision total. Throws RunError on a zero total
// and when the total or a probability lies beyond the single-precision range.
ProbabilityTable BuildProbabilityTable(const CellTable& cells);

// -sum of (q ln q) / ln 2 over the positive members, in list order, in bits.
double EntropyBits(std::initializer_list<float> probabilities);

// Mutual information in three dimensions, in bits. Throws RunError when a margin sum
// lies beyond the single-precision range.
double ComputeT(const ProbabilityTable& p);

}  // namespace measures
