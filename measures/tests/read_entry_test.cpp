#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>

#include "measures/measures.h"

namespace {

using measures::ErrorKind;

struct EntryCase {
    std::string text;
    std::string_view separator;
    std::optional<float> value;  // empty when the read must fail
    ErrorKind error = ErrorKind::TypeMismatch;
    friend void PrintTo(const EntryCase& c, std::ostream* os)
    {
        *os << testing::PrintToString(c.text) << " with " << testing::PrintToString(c.separator);
    }
};

EntryCase Number(std::string text, float value, std::string_view separator = ".")
{
    return {std::move(text), separator, value};
}

EntryCase Fails(std::string text, ErrorKind error = ErrorKind::TypeMismatch,
                std::string_view separator = ".")
{
    return {std::move(text), separator, std::nullopt, error};
}

class ReadEntryTable : public testing::TestWithParam<EntryCase> {};

TEST_P(ReadEntryTable, ConvertsOrFails)
{
    const EntryCase& c = GetParam();
    if (c.value) {
        const float value = measures::ReadEntry(c.text, c.separator);
        // Bit for bit, so that -0 and the single rounding show.
        EXPECT_EQ(std::signbit(value), std::signbit(*c.value));
        EXPECT_EQ(value, *c.value);
        return;
    }
    try {
        const float value = measures::ReadEntry(c.text, c.separator);
        ADD_FAILURE() << "read as " << value;
    } catch (const measures::RunError& error) {
        EXPECT_EQ(error.kind(), c.error);
        EXPECT_TRUE(error.cellCode().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadEntryTable,
    testing::Values(
        // Blank: only U+0020 counts, and blank is zero without conversion.
        Number("", 0.0f), Number("    ", 0.0f), Fails("\t"), Fails("\xC2\xA0"), Fails("\t7"),
        Fails("7\xC2\xA0"),
        // Spaces around the number, signs, exponents, the separator at either end.
        Number(" 7 ", 7.0f), Number("-3", -3.0f), Number("+3", 3.0f), Number("-0", -0.0f),
        Number("1E3", 1000.0f), Number("1e-2", 0.01f), Number("2.5E+1", 25.0f), Number(".5", 0.5f),
        Number("5.", 5.0f), Number("0.1", 0.1f),
        // Rounded once to single: 2^24 + 1 ties to even.
        Number("16777217", 16777216.0f), Number("000000000000000000000000000000000000000001", 1.0f),
        // The locale's separator and nothing else.
        Number("2,5", 2.5f, ","), Fails("2.5", ErrorKind::TypeMismatch, ","), Fails("2,5"),
        Fails("1,000"), Fails("1 000"),
        Number("2\xD9\xAB"
               "5",
               2.5f, "\xD9\xAB"),
        // Not numbers.
        Fails("word"), Fails("."), Fails("-"), Fails("e5"), Fails("1e"), Fails("1e+"), Fails("- 5"),
        Fails("--5"), Fails("5-"), Fails("(5)"), Fails("$5"), Fails("0x10"), Fails("inf"),
        Fails("-Infinity"), Fails("nan"), Fails("1.5.5"), Fails("2. 5"), Fails("1e3.5"),
        Fails("7 7"),
        // The single range: overflow beyond it, the nearest single below it.
        Number("3.4028235e38", FLT_MAX), Number("-3.40282356e38", -FLT_MAX),
        Fails("3.5e38", ErrorKind::Overflow), Fails("-1E39", ErrorKind::Overflow),
        Fails("1e99999999999999999999", ErrorKind::Overflow),
        Fails("100000000000000000000000000000000000000000", ErrorKind::Overflow),
        Number("1e-40", 1e-40f), Number("1e-50", 0.0f), Number("-1e-99999999999999", -0.0f),
        Number("0.0000000000000000000000000000000000000000000000001", 0.0f),
        Number("0e99999999999", 0.0f)));

TEST(ReadEntry, TakesAMegabyteOfDigits)
{
    const std::string digits = "1" + std::string(1 << 20, '0');
    EXPECT_EQ(measures::ReadEntry("0." + digits, "."), 0.1f);
    EXPECT_THROW(measures::ReadEntry(digits, "."), measures::RunError);
}

}  // namespace
