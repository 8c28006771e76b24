#include "measures/tests/literal_fit.h"

#include <cfenv>
#include <cmath>

namespace literal {
namespace {

constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
constexpr double kTolerance = 0.000001;

struct Fault {};

// The result of one double operation, stored, then the flags it may have raised. The
// volatile store keeps the operation ahead of the test.
double Checked(double result)
{
    volatile double stored = result;
    if (std::fetestexcept(kFaults) != 0) throw Fault{};
    return stored;
}

struct Pair {
    int i;
    int j;
};

// The pairs by row, lower row first, phase by phase: A-B, then A-C, then B-C.
constexpr std::array<std::array<Pair, 4>, 3> kPairTable = {{
    {{{1, 2}, {3, 4}, {5, 6}, {7, 8}}},
    {{{1, 3}, {2, 4}, {5, 7}, {6, 8}}},
    {{{1, 5}, {2, 6}, {3, 7}, {4, 8}}},
}};

void CopyEstimates(FitTable& t)
{
    for (int row = 1; row <= 8; ++row) t.previous[row] = t.estimate[row];
}

void PairUpdate(FitTable& t, Pair pair)
{
    const int i = pair.i;
    const int j = pair.j;
    const double d = Checked(t.previous[j] + t.previous[i]);
    if (!(d > 0.0)) return;

    const double observedSumI = Checked(t.observed[j] + t.observed[i]);
    const double productI = Checked(observedSumI * t.previous[i]);
    const double divisorI = Checked(t.previous[j] + t.previous[i]);
    t.estimate[i] = Checked(productI / divisorI);

    const double observedSumJ = Checked(t.observed[j] + t.observed[i]);
    const double productJ = Checked(observedSumJ * t.previous[j]);
    const double divisorJ = Checked(t.previous[i] + t.previous[j]);
    t.estimate[j] = Checked(productJ / divisorJ);
}

// What the last phase changed, against the copy taken just before it.
double ChangeOfPass(const FitTable& t)
{
    double change = 0.0;
    for (int row = 1; row <= 8; ++row) {
        const double difference = Checked(t.estimate[row] - t.previous[row]);
        change = Checked(change + std::fabs(difference));
    }
    return change;
}

}  // namespace

FitOutcome FitPairwiseModel(const measures::ProbabilityTable& p, long passBound)
{
    FitOutcome outcome;
    FitTable& t = outcome.table;
    std::feclearexcept(kFaults);
    try {
        for (int row = 1; row <= 8; ++row) t.observed[row] = p[row - 1];
        for (int row = 1; row <= 8; ++row) t.estimate[row] = Checked(1.0 / 8.0);
        while (true) {
            ++outcome.passes;
            for (const auto& phase : kPairTable) {
                CopyEstimates(t);
                for (const Pair pair : phase) PairUpdate(t, pair);
            }
            const double change = ChangeOfPass(t);
            if (!(change > kTolerance)) break;
            if (outcome.passes == passBound) {
                outcome.error = measures::ErrorKind::NoConvergence;
                break;
            }
        }
    } catch (const Fault&) {
        outcome.error = measures::ErrorKind::FloatingPoint;
    }
    return outcome;
}

IOutcome ComputeI(const FitTable& t)
{
    IOutcome outcome;
    std::feclearexcept(kFaults);
    try {
        const double ln2 = Checked(std::log(2.0));
        double bits = 0.0;
        for (int row = 1; row <= 8; ++row) {
            const bool observedPositive = t.observed[row] > 0.0;
            const bool estimatePositive = t.estimate[row] > 0.0;
            if (!(observedPositive && estimatePositive)) continue;
            const double q = Checked(t.observed[row] / t.estimate[row]);
            const double l = Checked(std::log(q));
            const double product = Checked(l * t.observed[row]);
            const double term = Checked(product / ln2);
            bits = Checked(bits + term);
        }
        outcome.bits = bits;
    } catch (const Fault&) {
        outcome.error = measures::ErrorKind::FloatingPoint;
    }
    return outcome;
}

}  // namespace literal
