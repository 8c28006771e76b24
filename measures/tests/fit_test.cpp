#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "measures/entropy.h"
#include "measures/fit.h"
#include "measures/measures.h"

namespace {

using measures::CellTable;

struct FitCase {
    const char* name;
    CellTable cells;  // by cell index, 000 first
    long passes;
    double iLow, iHigh;  // bounds of I in bits; equal where I is exact
    friend void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }
};

class FitPasses : public testing::TestWithParam<FitCase> {};

TEST_P(FitPasses, EndsAfterItsPassesWithItsI)
{
    const FitCase& c = GetParam();
    const auto table = measures::FitPairwiseModel(measures::BuildProbabilityTable(c.cells));
    EXPECT_EQ(table.passes, c.passes);
    const double i = measures::ComputeI(table);
    EXPECT_GE(i, c.iLow);
    EXPECT_LE(i, c.iHigh);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FitPasses,
    testing::Values(
        FitCase{"Uniform", {5, 5, 5, 5, 5, 5, 5, 5}, 1, 0.0, 0.0},
        FitCase{"OneCell", {0, 0, 0, 0, 0, 0, 9, 0}, 1, 0.0, 0.0},
        FitCase{"Cells000And111", {4, 0, 0, 0, 0, 0, 0, 4}, 1, 0.0, 0.0},
        FitCase{"FourCellsOfEvenParity", {1, 0, 0, 1, 0, 1, 1, 0}, 1, 1.0, 1.0},
        FitCase{"ProductOfOneFactorPerDimension", {1, 2, 4, 8, 16, 32, 64, 128}, 1, 0.0, 0.0},
        FitCase{"TenToEighty", {10, 20, 30, 40, 50, 60, 70, 80}, 4, 0.945e-3, 0.955e-3},
        // The slowest table known: rows 000 and 111 fall towards zero about as 1/passes.
        FitCase{"ZerosIn000And111", {0, 1, 1, 1, 1, 1, 1, 0}, 222222, 0.0, 1e-6}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(FitPairwiseModel, FirstPassSplitsEachABMarginInHalfAndSkipsEmptyPairs)
{
    // One cell: after the A-B phase 110 and 111 share its mass, then A-C and B-C give it all
    // back to 110 and find every other pair empty.
    const auto table =
        measures::FitPairwiseModel(measures::BuildProbabilityTable({0, 0, 0, 0, 0, 0, 9, 0}));
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(table.estimate[cell], cell == 0b110 ? 1.0 : 0.0) << cell;
    }
    EXPECT_EQ(table.previous[0b110], 1.0);
    EXPECT_EQ(table.previous[0b010], 0.0);
}

TEST(FitPairwiseModel, KeepsTheBCMarginsItFitsLast)
{
    const auto table = measures::FitPairwiseModel(
        measures::BuildProbabilityTable({10, 20, 30, 40, 50, 60, 70, 80}));
    for (const auto& [i, j] : {std::pair{0, 4}, {1, 5}, {2, 6}, {3, 7}}) {
        EXPECT_NEAR(table.estimate[i] + table.estimate[j], table.observed[i] + table.observed[j],
                    1e-15);
    }
}

TEST(ComputeI, RowsNeedAPositiveObservedValueAndEstimate)
{
    measures::FitTable table;
    table.observed = {0.5, 0.5, -0.25, 0.25, 0.0, 0.0, 0.0, 0.0};
    table.estimate = {0.25, 0.0, 0.25, -0.25, 0.5, 0.0, 0.0, 0.0};
    // Only row 000 counts: (ln 2 × 0.5) / ln 2.
    EXPECT_EQ(measures::ComputeI(table), 0.5);

    table.observed[0] = 0.0;
    const double none = measures::ComputeI(table);
    EXPECT_EQ(none, 0.0);
    EXPECT_FALSE(std::signbit(none));
}

TEST(ComputeI, ASubnormalEstimateOverflowsTheQuotient)
{
    measures::FitTable table;
    table.observed = {1.0, 0, 0, 0, 0, 0, 0, 0};
    table.estimate = {std::numeric_limits<double>::denorm_min(), 0, 0, 0, 0, 0, 0, 0};
    try {
        measures::ComputeI(table);
        FAIL() << "no fault raised";
    } catch (const measures::RunError& error) {
        EXPECT_EQ(error.kind(), measures::ErrorKind::FloatingPoint);
        EXPECT_STREQ(error.what(),
                     "Floating-point error (overflow) in the interaction information.");
    }
}

}  // namespace
