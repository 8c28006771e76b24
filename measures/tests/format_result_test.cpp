#include <gtest/gtest.h>

#include "measures/measures.h"
#include "measures/rounding.h"

namespace {

struct RoundCase {
    double value;
    double rounded;
    friend void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.value; }
};

class RoundToHundredthsTable : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToHundredthsTable, RoundsHalfwayToEven)
{
    EXPECT_EQ(measures::RoundToHundredths(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToHundredthsTable,
                         testing::Values(RoundCase{0.125, 0.12}, RoundCase{-0.125, -0.12},
                                         RoundCase{0.375, 0.38}, RoundCase{2.5, 2.5},
                                         RoundCase{-1.2249, -1.22}, RoundCase{0.9551, 0.96},
                                         RoundCase{12.0, 12.0}, RoundCase{1e20, 1e20},
                                         RoundCase{-0.004, 0.0}));

struct FormatCase {
    double value;
    std::string_view separator;
    std::string text;
    friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.text; }
};

class FormatResultTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTable, WritesFifteenDigitsPositionally)
{
    EXPECT_EQ(measures::FormatResult(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatResultTable,
    testing::Values(FormatCase{0.0, ".", "0"}, FormatCase{-0.0, ".", "0"},
                    FormatCase{12.0, ".", "12"}, FormatCase{12.5, ".", "12.5"},
                    FormatCase{-1.22, ".", "-1.22"}, FormatCase{0.25, ".", "0.25"},
                    FormatCase{1000.0, ".", "1000"}, FormatCase{-1000.0, ".", "-1000"},
                    // 0.1 + 0.2 is not the double nearest 0.3; 15 digits hide it.
                    FormatCase{0.1 + 0.2, ".", "0.3"},
                    FormatCase{0.123456789012345678, ".", "0.123456789012346"},
                    FormatCase{1.5e-7, ".", "0.00000015"},
                    FormatCase{123456789012345678.0, ".", "123456789012346000"},
                    FormatCase{1e15, ".", "1000000000000000"},
                    FormatCase{9.999999999999999, ".", "10"}, FormatCase{-1.22, ",", "-1,22"},
                    FormatCase{2.5, "\xD9\xAB",
                               "2\xD9\xAB"
                               "5"}));

}  // namespace
