#include <gtest/gtest.h>

#include <algorithm>

#include "measures/measures.h"
#include "measures/tests/boxes_fake.h"

namespace {

using measures::ErrorKind;
using Entries = std::map<std::string, std::string, std::less<>>;

Entries Cells(const std::array<const char*, 8>& texts000To111)
{
    Entries entries;
    for (int cell = 0; cell < 8; ++cell) {
        const std::string code = {char('0' + (cell >> 2)), char('0' + ((cell >> 1) & 1)),
                                  char('0' + (cell & 1))};
        entries[code] = texts000To111[cell];
    }
    return entries;
}

struct ResultCase {
    const char* name;
    Entries entries;
    std::string_view separator;
    std::string t, i, r;
    friend void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }
};

class RunResults : public testing::TestWithParam<ResultCase> {};

TEST_P(RunResults, WritesTheThreeResultTexts)
{
    const ResultCase& c = GetParam();
    FakeBoxes boxes(c.entries);
    measures::RunMeasures(boxes, c.separator);
    EXPECT_EQ(boxes.results[0], c.t);
    EXPECT_EQ(boxes.results[1], c.i);
    EXPECT_EQ(boxes.results[2], c.r);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RunResults,
    testing::Values(
        ResultCase{"TenToEighty", Cells({"10", "20", "30", "40", "50", "60", "70", "80"}), ".",
                   "-1.22", "0.95", "-0.27"},
        ResultCase{"CommaLocaleTenToEighty", Cells({"1,0", "2", "3", "4", "5", "6", "7", "8,0"}),
                   ",", "-1,22", "0,95", "-0,27"},
        ResultCase{"Cells000And111", {{"000", "1"}, {"111", "1"}}, ".", "1000", "0", "1000"},
        ResultCase{"FourCellsOfEvenParity",
                   {{"000", "1"}, {"011", "1"}, {"101", "1"}, {"110", "1"}},
                   ".",
                   "-1000",
                   "1000",
                   "0"},
        ResultCase{"EightFives", Cells({"5", "5", "5", "5", "5", "5", "5", "5"}), ".", "0", "0",
                   "0"},
        ResultCase{"EightTenthsTinyTShowsZero",
                   Cells({"0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1"}), ".", "0", "0",
                   "0"},
        ResultCase{"SpacesAndBlankBoxes",
                   {{"000", " 1 "}, {"001", "   "}, {"111", "1  "}},
                   ".",
                   "1000",
                   "0",
                   "1000"},
        ResultCase{"ZerosIn000And111", Cells({"", "1", "1", "1", "1", "1", "1", "0"}), ".",
                   "-169.93", "0", "-169.93"},
        // -41.84 + 39.73 is -2.1100000000000136 in doubles; R shows the exact sum.
        ResultCase{"RShowsTheSumAfterCancellation",
                   Cells({"16", "23", "2", "27", "14", "28", "18", "30"}), ".", "-41.84", "39.73",
                   "-2.11"}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST(RunMeasures, ReadsTheBoxesInItsFixedOrder)
{
    FakeBoxes boxes(Cells({"1", "2", "3", "4", "5", "6", "7", "8"}));
    measures::RunMeasures(boxes);
    EXPECT_EQ(boxes.reads,
              (std::vector<std::string>{"100", "010", "001", "011", "110", "101", "111", "000"}));
}

struct FailureCase {
    const char* name;
    Entries entries;
    ErrorKind kind;
    std::string cellCode;  // the failing box, empty for failures after reading
    std::string message;
    std::size_t boxesRead;
    bool tWritten;  // a fault in the fit leaves the new T in place
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class RunFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(RunFailures, StopAtTheFailingStepAndLeaveTheBoxesAsTheyWere)
{
    const FailureCase& c = GetParam();
    FakeBoxes boxes(c.entries);
    // Texts of an earlier Run, which a failing Run must not disturb.
    for (auto& result : boxes.results) result = "earlier";

    try {
        measures::RunMeasures(boxes);
        FAIL() << "the Run completed";
    } catch (const measures::RunError& error) {
        EXPECT_EQ(error.kind(), c.kind);
        EXPECT_EQ(error.cellCode(), c.cellCode);
        EXPECT_EQ(error.what(), c.message);
    }
    EXPECT_EQ(boxes.reads.size(), c.boxesRead);
    EXPECT_EQ(boxes.results[0] != "earlier", c.tWritten);
    EXPECT_EQ(boxes.results[1], "earlier");
    EXPECT_EQ(boxes.results[2], "earlier");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RunFailures,
    testing::Values(
        // 100 is read first, so its word decides; nothing after it is read.
        FailureCase{"WordsIn100And000", Cells({"x", "1", "1", "1", "word", "1", "1", "1"}),
                    ErrorKind::TypeMismatch, "100",
                    "Type mismatch: the entry for 100 is not a number.", 1, false},
        FailureCase{"WordIn000ReadLast", Cells({"word", "1", "1", "1", "1", "1", "1", "1"}),
                    ErrorKind::TypeMismatch, "000",
                    "Type mismatch: the entry for 000 is not a number.", 8, false},
        FailureCase{"TabIn001", Cells({"1", "\t", "1", "1", "1", "1", "1", "1"}),
                    ErrorKind::TypeMismatch, "001",
                    "Type mismatch: the entry for 001 is not a number.", 3, false},
        FailureCase{"BeyondSingleIn010", Cells({"1", "1", "1E39", "1", "1", "1", "1", "1"}),
                    ErrorKind::Overflow, "010",
                    "Overflow: the entry for 010 is beyond the single-precision range.", 2, false},
        FailureCase{"AllEmpty",
                    {},
                    ErrorKind::DivisionByZero,
                    "",
                    "Division by zero: the entries add up to zero.",
                    8,
                    false},
        FailureCase{"AllZeroOrSpaces", Cells({"0", " ", "0", "  ", "0", "", "0", "0"}),
                    ErrorKind::DivisionByZero, "", "Division by zero: the entries add up to zero.",
                    8, false},
        FailureCase{"SignsCancel",
                    {{"011", "2.5"}, {"110", "-2.5"}},
                    ErrorKind::DivisionByZero,
                    "",
                    "Division by zero: the entries add up to zero.",
                    8,
                    false},
        FailureCase{"TotalBeyondSingle",
                    {{"000", "3e38"}, {"111", "3e38"}},
                    ErrorKind::Overflow,
                    "",
                    "Overflow: the total of the entries is beyond the single-precision range.",
                    8,
                    false},
        FailureCase{"ShareBeyondSingle",
                    {{"010", "1e30"}, {"001", "-1e30"}, {"000", "1e-10"}},
                    ErrorKind::Overflow,
                    "",
                    "Overflow: a cell's share of the total is beyond the single-precision range.",
                    8,
                    false},
        // Each share is 2e38, a single, but 010 + 110 is not.
        FailureCase{"MarginBeyondSingle",
                    {{"010", "2e28"},
                     {"110", "2e28"},
                     {"001", "-2e28"},
                     {"101", "-2e28"},
                     {"000", "1e-10"}},
                    ErrorKind::Overflow,
                    "",
                    "Overflow: a margin of the table is beyond the single-precision range.",
                    8,
                    false},
        // Entries of both signs can keep the fit changing for ever.
        FailureCase{"FitNeverEnds", Cells({"1", "-3", "-7", "-6", "-8", "-2", "-7", "6"}),
                    ErrorKind::NoConvergence, "", "The fit did not converge in 10000000 passes.", 8,
                    true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(RunMeasures, CommaLocaleReadsAndWritesCommas)
{
    FakeBoxes dot(Cells({"1", "2", "2.5", "4", "5", "6", "7", "8"}));
    FakeBoxes comma(Cells({"1", "2", "2,5", "4", "5", "6", "7", "8"}));
    measures::RunMeasures(dot, ".");
    measures::RunMeasures(comma, ",");
    for (int measure = 0; measure < 3; ++measure) {
        std::string expected = *dot.results[measure];
        std::replace(expected.begin(), expected.end(), '.', ',');
        EXPECT_EQ(comma.results[measure], expected);
    }
    EXPECT_NE(comma.results[0]->find(','), std::string::npos);
}

}  // namespace
