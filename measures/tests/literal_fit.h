#pragma once

#include <array>
#include <optional>

#include "measures/cells.h"
#include "measures/fit.h"
#include "measures/measures.h"

// A deliberately plain version of the fit and of I, one step per line, with the IEEE flags
// tested after every double operation. It is slow on purpose: the tests hold the fast fit
// to it bit for bit.
namespace literal {

// Rows 1 to 8 are the cells 000 to 111; rows 0 and 9 exist and are never touched.
struct FitTable {
    std::array<double, 10> observed{};
    std::array<double, 10> estimate{};
    std::array<double, 10> previous{};
};

struct FitOutcome {
    FitTable table;                            // as the fit left it
    long passes = 0;                           // passes begun
    std::optional<measures::ErrorKind> error;  // FloatingPoint or NoConvergence
};

struct IOutcome {
    double bits = 0.0;
    std::optional<measures::ErrorKind> error;  // FloatingPoint
};

// The same bound as the fast fit's: at it, both must report NoConvergence.
inline constexpr long kPassBound = measures::kMaxPasses;

// passBound below kPassBound lets a caller give up early on a table it cannot afford.
FitOutcome FitPairwiseModel(const measures::ProbabilityTable& p, long passBound = kPassBound);

IOutcome ComputeI(const FitTable& table);

}  // namespace literal
