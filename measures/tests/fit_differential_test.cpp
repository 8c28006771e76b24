#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "measures/entropy.h"
#include "measures/fit.h"
#include "measures/measures.h"
#include "measures/tests/literal_fit.h"

namespace {

using measures::CellTable;
using measures::ErrorKind;
using Random = std::mt19937_64;

std::string Hex(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

std::string Describe(const CellTable& cells)
{
    std::string text;
    for (const float x : cells) text += Hex(x) + " ";
    return text;
}

// Bit for bit: tells -0 from 0 and compares NaNs by payload.
bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::optional<ErrorKind> FastI(const measures::FitTable& table, double& bits)
{
    try {
        bits = measures::ComputeI(table);
        return std::nullopt;
    } catch (const measures::RunError& error) {
        return error.kind();
    }
}

// Both versions of I on the same fit table; the literal one reads rows 1 to 8.
void ExpectSameI(const literal::FitTable& literalTable, const measures::FitTable& fastTable,
                 const std::string& what)
{
    double fastBits = 0.0;
    const auto fastError = FastI(fastTable, fastBits);
    const literal::IOutcome slow = literal::ComputeI(literalTable);
    ASSERT_EQ(fastError, slow.error) << what;
    if (!slow.error) {
        EXPECT_TRUE(SameBits(fastBits, slow.bits))
            << what << "I " << Hex(fastBits) << " != " << Hex(slow.bits);
    }
}

enum class Compared { Rejected, Screened, Yes };

// Runs both fits on the table. Rejected: BuildProbabilityTable refused it. Screened: the
// literal fit still changed after passBound passes (below the real bound), so the table is
// left out rather than paid for in full.
Compared ExpectSameFit(const CellTable& cells, long passBound, std::optional<ErrorKind>& outcome)
{
    measures::ProbabilityTable p;
    try {
        p = measures::BuildProbabilityTable(cells);
    } catch (const measures::RunError&) {
        return Compared::Rejected;
    }
    const std::string what = "cells " + Describe(cells) + ": ";

    const literal::FitOutcome slow = literal::FitPairwiseModel(p, passBound);
    if (slow.error == ErrorKind::NoConvergence && passBound < literal::kPassBound) {
        return Compared::Screened;
    }
    std::optional<ErrorKind> fastError;
    measures::FitTable fast;
    try {
        fast = measures::FitPairwiseModel(p);
    } catch (const measures::RunError& error) {
        fastError = error.kind();
    }
    outcome = slow.error;
    EXPECT_EQ(fastError, slow.error) << what;
    // A fault or the pass bound ends the fit: only the kind of error is defined.
    if (fastError || slow.error) return Compared::Yes;

    EXPECT_EQ(fast.passes, slow.passes) << what;
    for (int row = 1; row <= 8; ++row) {
        const int cell = row - 1;
        EXPECT_TRUE(SameBits(fast.observed[cell], slow.table.observed[row])) << what << row;
        EXPECT_TRUE(SameBits(fast.estimate[cell], slow.table.estimate[row]))
            << what << "estimate of row " << row << ": " << Hex(fast.estimate[cell])
            << " != " << Hex(slow.table.estimate[row]);
        EXPECT_TRUE(SameBits(fast.previous[cell], slow.table.previous[row]))
            << what << "previous of row " << row << ": " << Hex(fast.previous[cell])
            << " != " << Hex(slow.table.previous[row]);
    }
    ExpectSameI(slow.table, fast, what);
    return Compared::Yes;
}

float Count(Random& random, int most)
{
    return static_cast<float>(std::uniform_int_distribution<int>(0, most)(random));
}

// A magnitude between 1e-30 and 1e30, evenly spread over the decades.
float Magnitude(Random& random)
{
    const double decade = std::uniform_real_distribution<double>(-30.0, 30.0)(random);
    return static_cast<float>(std::pow(10.0, decade));
}

float Sign(Random& random) { return std::bernoulli_distribution(0.5)(random) ? -1.0f : 1.0f; }

struct Family {
    const char* name;
    int tables;
    CellTable (*make)(Random& random, int index);
    long passBound;     // the literal fit's; below the real bound it screens tables out
    int leastCompared;  // tables that must be compared in full
    friend void PrintTo(const Family& f, std::ostream* os) { *os << f.name; }
};

CellTable RandomCounts(Random& random, int index)
{
    // Small, medium and large counts in turn; small ones leave empty cells now and then.
    const int most = index % 3 == 0 ? 9 : index % 3 == 1 ? 1000 : 10'000'000;
    CellTable cells;
    for (float& x : cells) x = Count(random, most);
    return cells;
}

// Cell c is filled when bit c of the pattern is set.
CellTable ZeroPattern(int pattern, Random& random, bool ones)
{
    CellTable cells;
    for (int cell = 0; cell < 8; ++cell) {
        const bool filled = (pattern >> cell) & 1;
        cells[cell] = !filled ? 0.0f : ones ? 1.0f : 1.0f + Count(random, 99);
    }
    return cells;
}

CellTable ZeroPatternsOfOnes(Random& random, int index) { return ZeroPattern(index, random, true); }

CellTable ZeroPatternsOfCounts(Random& random, int index)
{
    return ZeroPattern(index, random, false);
}

CellTable WideMagnitudes(Random& random, int index)
{
    // Each cell on its own scale, or one scale for all counts of the table.
    CellTable cells;
    const float scale = Magnitude(random);
    for (float& x : cells) {
        x = index % 2 == 0 ? Magnitude(random) : scale * (1.0f + Count(random, 999));
    }
    return cells;
}

CellTable MixedSigns(Random& random, int index)
{
    CellTable cells;
    if (index % 2 == 0) {
        // One negative cell, small beside the others.
        for (float& x : cells) x = 1.0f + Count(random, 99);
        cells[index / 2 % 8] = -Count(random, 9);
    } else {
        // Entries that nearly cancel: the probabilities reach far beyond 1.
        for (float& x : cells) x = Sign(random) * Magnitude(random);
        float total = 0.0f;
        for (int cell = 0; cell < 7; ++cell) total += cells[cell];
        cells[7] = -total + Sign(random) * Magnitude(random) * 1e-6f * std::fabs(total);
    }
    return cells;
}

CellTable NeverConverging(Random&, int index)
{
    // Tables of both signs on which the fit keeps changing past the pass bound.
    constexpr CellTable kTables[] = {
        {1, -3, -7, -6, -8, -2, -7, 6},
        {46, 8, 77, 1, -4, 75, 43, 40},
        {0x1.b704ep-5f, 0x1.6f7aeep-6f, -0x1.02f89ap-20f, 0x1.9d4282p+3f, 0x1.80b17p-50f,
         -0x1.131e9p-72f, 0x1.92befcp-33f, -0x1.9fb138p+3f},
    };
    return kTables[index];
}

class FitDifferential : public testing::TestWithParam<Family> {};

TEST_P(FitDifferential, FastFitMatchesTheLiteralOneBitForBit)
{
    const Family& f = GetParam();
    Random random(std::hash<std::string>{}(f.name));
    int compared = 0;
    int rejected = 0;
    int screened = 0;
    int noConvergence = 0;
    int floatingPoint = 0;
    for (int index = 0; index < f.tables && !HasFailure(); ++index) {
        std::optional<ErrorKind> outcome;
        switch (ExpectSameFit(f.make(random, index), f.passBound, outcome)) {
            case Compared::Rejected:
                ++rejected;
                break;
            case Compared::Screened:
                ++screened;
                break;
            case Compared::Yes:
                ++compared;
                noConvergence += outcome == ErrorKind::NoConvergence;
                floatingPoint += outcome == ErrorKind::FloatingPoint;
                break;
        }
    }
    std::printf(
        "%s: %d tables compared (%d at the pass bound, %d faulted), %d rejected by "
        "BuildProbabilityTable, %d screened out\n",
        f.name, compared, noConvergence, floatingPoint, rejected, screened);
    RecordProperty("compared", compared);
    if (!HasFailure()) {
        EXPECT_GE(compared, f.leastCompared);
    }
}

constexpr long kScreen = 50'000;

INSTANTIATE_TEST_SUITE_P(
    Tables, FitDifferential,
    testing::Values(Family{"RandomCounts", 1500, RandomCounts, literal::kPassBound, 1500},
                    Family{"ZeroPatternsOfOnes", 256, ZeroPatternsOfOnes, literal::kPassBound, 255},
                    Family{"ZeroPatternsOfCounts", 256, ZeroPatternsOfCounts, literal::kPassBound,
                           255},
                    Family{"WideMagnitudes", 1000, WideMagnitudes, literal::kPassBound, 1000},
                    Family{"MixedSigns", 600, MixedSigns, kScreen, 400},
                    Family{"NeverConverging", 3, NeverConverging, literal::kPassBound, 3}),
    [](const testing::TestParamInfo<Family>& info) { return std::string(info.param.name); });

// I alone, on fit tables made by hand: zero, negative, subnormal and huge values, where the
// quotient can overflow.
TEST(ComputeIDifferential, FastIMatchesTheLiteralOneBitForBit)
{
    Random random(4);
    constexpr double kValues[] = {0.0,
                                  -0.0,
                                  -0.25,
                                  0.125,
                                  1.0,
                                  3.0e38,
                                  1.0e-300,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::min() / 3.0};
    std::uniform_int_distribution<int> pick(0, std::size(kValues) - 1);
    int faulted = 0;
    constexpr int kTables = 3000;
    for (int index = 0; index < kTables && !HasFailure(); ++index) {
        literal::FitTable slow;
        measures::FitTable fast;
        for (int row = 1; row <= 8; ++row) {
            slow.observed[row] = fast.observed[row - 1] = kValues[pick(random)];
            slow.estimate[row] = fast.estimate[row - 1] = kValues[pick(random)];
        }
        ExpectSameI(slow, fast, "table " + std::to_string(index) + ": ");
        faulted += literal::ComputeI(slow).error.has_value();
    }
    std::printf("ComputeI: %d tables compared (%d faulted)\n", kTables, faulted);
    // Both paths must be taken.
    EXPECT_GT(faulted, 0);
    EXPECT_LT(faulted, kTables);
}

}  // namespace
