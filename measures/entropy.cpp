#include <cmath>

#include "measures/entropy.h"
#include "measures/measures.h"

namespace measures {
namespace {

float P(const ProbabilityTable& p, std::string_view cellCode) { return p[CellIndex(cellCode)]; }

float X(const CellTable& x, std::string_view cellCode) { return x[CellIndex(cellCode)]; }

}  // namespace

ProbabilityTable BuildProbabilityTable(const CellTable& x)
{
    // Each partial sum is rounded to single, so the order decides N for large counts.
    const float total =
        ((((((X(x, "010") + X(x, "001")) + X(x, "100")) + X(x, "011")) + X(x, "110")) +
          X(x, "101")) +
         X(x, "111")) +
        X(x, "000");
    if (!std::isfinite(total)) {
        throw RunError(ErrorKind::Overflow,
                       "Overflow: the total of the entries is beyond the single-precision range.");
    }
    if (total == 0.0f) {
        throw RunError(ErrorKind::DivisionByZero, "Division by zero: the entries add up to zero.");
    }
    ProbabilityTable p{};
    for (int cell = 0; cell < 8; ++cell) {
        p[cell] = x[cell] / total;
        // Entries of both signs can leave a total close to zero.
        if (!std::isfinite(p[cell])) {
            throw RunError(ErrorKind::Overflow,
                           "Overflow: a cell's share of the total is beyond the single-precision "
                           "range.");
        }
    }
    return p;
}

double EntropyBits(std::initializer_list<float> probabilities)
{
    const double ln2 = std::log(2.0);
    double h = 0.0;
    for (const float q : probabilities) {
        if (q > 0.0f) {
            const double l = std::log(static_cast<double>(q));
            const double product = q * l;
            h = h - product / ln2;
        }
    }
    return h;
}

double ComputeT(const ProbabilityTable& p)
{
    const auto q = [&p](std::string_view cellCode) { return P(p, cellCode); };
    // Margin sums are singles, grouped and ordered as written.
    const double hABC = EntropyBits(
        {q("010"), q("001"), q("100"), q("011"), q("110"), q("101"), q("111"), q("000")});
    const double hBC = EntropyBits(
        {q("010") + q("110"), q("001") + q("101"), q("011") + q("111"), q("100") + q("000")});
    const double hAB = EntropyBits(
        {q("010") + q("011"), q("100") + q("101"), q("110") + q("111"), q("001") + q("000")});
    const double hAC = EntropyBits(
        {q("001") + q("011"), q("100") + q("110"), q("101") + q("111"), q("010") + q("000")});
    const double hB = EntropyBits({((q("001") + q("100")) + q("101")) + q("000"),
                                   ((q("010") + q("011")) + q("110")) + q("111")});
    const double hC = EntropyBits({((q("010") + q("100")) + q("110")) + q("000"),
                                   ((q("001") + q("011")) + q("101")) + q("111")});
    const double hA = EntropyBits({((q("010") + q("001")) + q("011")) + q("000"),
                                   ((q("100") + q("110")) + q("101")) + q("111")});
    const double t = (((((hB + hC) + hA) - hBC) - hAB) - hAC) + hABC;
    // Only a margin sum beyond the single range (entries of both signs) makes T infinite.
    if (!std::isfinite(t)) {
        throw RunError(ErrorKind::Overflow,
                       "Overflow: a margin of the table is beyond the single-precision range.");
    }
    return t;
}

}  // namespace measures
