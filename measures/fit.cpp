#include <cfenv>
#include <cmath>
#include <string>

#include "measures/fit.h"
#include "measures/measures.h"

namespace measures {
namespace {

using Column = std::array<double, 8>;

// The rows (as indexes) of the four pairs of a phase, lower first. Each pair differs only in
// the dimension that the phase's margin sums over: C for A-B, B for A-C, A for B-C.
struct Pair {
    int i;
    int j;
};
using PhasePairs = std::array<Pair, 4>;
constexpr PhasePairs kPhaseAB = {{{0, 1}, {2, 3}, {4, 5}, {6, 7}}};
constexpr PhasePairs kPhaseAC = {{{0, 2}, {1, 3}, {4, 6}, {5, 7}}};
constexpr PhasePairs kPhaseBC = {{{0, 4}, {1, 5}, {2, 6}, {3, 7}}};

constexpr double kTolerance = 0.000001;

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// The observed margin of each pair never changes, so it is summed once per fit.
std::array<double, 4> ObservedSums(const Column& observed, const PhasePairs& pairs)
{
    std::array<double, 4> sums{};
    for (int k = 0; k < 4; ++k) sums[k] = observed[pairs[k].j] + observed[pairs[k].i];
    return sums;
}

// One phase: scales each pair of previous estimates to its observed margin. A pair whose
// estimates add up to zero or less is left as it is. The pairs are compile-time constants so
// that a pass compiles to straight-line code.
template <const PhasePairs& kPairs>
Column FitPhase(const Column& previous, const std::array<double, 4>& observedSums)
{
    Column estimate = previous;
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) {
        const auto [i, j] = kPairs[k];
        const double divisor = previous[j] + previous[i];
        if (divisor > 0.0) {
            estimate[i] = (observedSums[k] * previous[i]) / divisor;
            estimate[j] = (observedSums[k] * previous[j]) / divisor;
        }
    }
    return estimate;
}

// The fault, if any, that the IEEE flags raised since they were last cleared.
const char* RaisedFault()
{
    const int raised = std::fetestexcept(kFaults);
    if (raised & FE_INVALID) return "invalid operation";
    if (raised & FE_DIVBYZERO) return "division by zero";
    if (raised & FE_OVERFLOW) return "overflow";
    return nullptr;
}

void ThrowIfFaulted(const char* where)
{
    if (const char* fault = RaisedFault()) {
        throw RunError(ErrorKind::FloatingPoint,
                       std::string("Floating-point error (") + fault + ") in " + where + ".");
    }
}

}  // namespace

FitTable FitPairwiseModel(const ProbabilityTable& p)
{
    // The flags are sticky: testing them once when the fit ends reports a fault of any step
    // of any pass, as testing after every step would, only later.
    std::feclearexcept(kFaults);

    FitTable table;
    for (int row = 0; row < 8; ++row) table.observed[row] = p[row];
    table.estimate.fill(1.0 / 8.0);

    const auto sumsAB = ObservedSums(table.observed, kPhaseAB);
    const auto sumsAC = ObservedSums(table.observed, kPhaseAC);
    const auto sumsBC = ObservedSums(table.observed, kPhaseBC);

    // The pass works on locals, which stay in registers; the table gets the last pass.
    Column estimate = table.estimate;
    Column afterAC;
    long passes = 0;
    double change = 0.0;
    do {
        afterAC = FitPhase<kPhaseAC>(FitPhase<kPhaseAB>(estimate, sumsAB), sumsAC);
        estimate = FitPhase<kPhaseBC>(afterAC, sumsBC);
        // Only what the B-C phase changed counts.
        change = 0.0;
        for (int row = 0; row < 8; ++row) change += std::fabs(estimate[row] - afterAC[row]);
        ++passes;
    } while (change > kTolerance && passes < kMaxPasses);
    table.estimate = estimate;
    table.previous = afterAC;
    table.passes = passes;

    ThrowIfFaulted("the fit");
    if (change > kTolerance) {
        throw RunError(ErrorKind::NoConvergence,
                       "The fit did not converge in " + std::to_string(kMaxPasses) + " passes.");
    }
    return table;
}

double ComputeI(const FitTable& table)
{
    std::feclearexcept(kFaults);
    const double ln2 = std::log(2.0);
    double bits = 0.0;
    for (int row = 0; row < 8; ++row) {
        const double observed = table.observed[row];
        const double estimate = table.estimate[row];
        if (observed > 0.0 && estimate > 0.0) {
            const double l = std::log(observed / estimate);
            bits = bits + (l * observed) / ln2;
        }
    }
    ThrowIfFaulted("the interaction information");
    return bits;
}

}  // namespace measures
