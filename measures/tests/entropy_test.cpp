#include <gtest/gtest.h>

#include <cmath>

#include "measures/entropy.h"
#include "measures/measures.h"

namespace {

using measures::CellTable;

struct EntropyCase {
    const char* name;
    CellTable cells;  // by cell index, 000 first
    double t;         // exact, in bits
    friend void PrintTo(const EntropyCase& c, std::ostream* os) { *os << c.name; }
};

class ExactT : public testing::TestWithParam<EntropyCase> {};

TEST_P(ExactT, ComesOutExactly)
{
    const auto p = measures::BuildProbabilityTable(GetParam().cells);
    EXPECT_EQ(measures::ComputeT(p), GetParam().t);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ExactT,
    testing::Values(EntropyCase{"Uniform", {1, 1, 1, 1, 1, 1, 1, 1}, 0.0},
                    EntropyCase{"OneCell", {0, 0, 0, 0, 0, 7, 0, 0}, 0.0},
                    EntropyCase{"Cells000And111", {3, 0, 0, 0, 0, 0, 0, 3}, 1.0},
                    EntropyCase{"FourCellsOfEvenParity", {2, 0, 0, 2, 0, 2, 2, 0}, -1.0}),
    [](const testing::TestParamInfo<EntropyCase>& info) { return std::string(info.param.name); });

TEST(EntropyBits, SkipsMembersThatAreNotPositive)
{
    EXPECT_EQ(measures::EntropyBits({0.5f, 0.5f}), 1.0);
    EXPECT_EQ(measures::EntropyBits({0.25f, 0.0f, -0.25f, 0.25f, 0.25f, 0.25f}), 2.0);
    EXPECT_EQ(measures::EntropyBits({1.0f}), 0.0);
    EXPECT_EQ(measures::EntropyBits({}), 0.0);
    EXPECT_EQ(measures::EntropyBits({-1.0f, 0.0f}), 0.0);
}

TEST(BuildProbabilityTable, SumsTheTotalInSinglePrecisionInItsOrder)
{
    // 010 comes first, so each 1 meets 2^24 alone and is lost: p(010) is exactly 1.
    CellTable cells{};
    cells[0b010] = 16777216.0f;
    cells[0b001] = 1.0f;
    cells[0b000] = 1.0f;
    const auto p = measures::BuildProbabilityTable(cells);
    EXPECT_EQ(p[0b010], 1.0f);
    EXPECT_EQ(p[0b001], 0x1p-24f);
    EXPECT_EQ(p[0b000], 0x1p-24f);
}

TEST(ComputeT, EqualTenthsGiveATinyPositiveT)
{
    // The single nearest 0.1 times eight, summed in single, is not 0.8: p is not 0.125.
    CellTable cells;
    cells.fill(0.1f);
    const double t = measures::ComputeT(measures::BuildProbabilityTable(cells));
    EXPECT_GT(t, 0.0);
    EXPECT_LT(t * 1000.0, 0.005);  // shown as 0 millibits
}

TEST(ComputeT, NegativeSharesCountOnlyInTheirMargins)
{
    // p(011) = 1 and p(111) = -0.5 cancel to 0.5 in the margins that hold both.
    CellTable cells{};
    cells[0b011] = 2.0f;
    cells[0b111] = -1.0f;
    cells[0b000] = 1.0f;
    const auto p = measures::BuildProbabilityTable(cells);
    ASSERT_EQ(p[0b111], -0.5f);
    // p(111) adds no term to H(ABC) = 0.5, but it cancels p(011) in the BC 11 margin (0.5,
    // so H(BC) = 1), hides the AB 11 and AC 11 margins (H(AB) = H(AC) = 0.5), balances B and
    // C (1 bit each) and makes A = 0 hold 1.5 while A = 1 holds -0.5.
    const double hA = 0.0 - (1.5 * std::log(1.5)) / std::log(2.0);
    EXPECT_EQ(measures::ComputeT(p), (((((1.0 + 1.0) + hA) - 1.0) - 0.5) - 0.5) + 0.5);
}

}  // namespace
