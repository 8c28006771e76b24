#include <algorithm>
#include <charconv>
#include <string>

#include "measures/entry.h"
#include "measures/measures.h"

namespace measures {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the grammar found it: spaces, [sign] digits [separator digits]
// [e|E [sign] digits], spaces; with '.' as separator, ready for from_chars.
struct NumberText {
    std::string normalised;
    bool negative = false;
    // Decimal exponent of the leading significant digit (saturated); meaningful when
    // the mantissa has a nonzero digit, which tells overflow from underflow.
    long magnitude = 0;
};

bool ParseNumber(std::string_view text, std::string_view separator, NumberText& number)
{
    std::size_t at = 0;
    const auto skipSpaces = [&] {
        while (at < text.size() && text[at] == ' ') ++at;
    };
    skipSpaces();
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        number.negative = text[at] == '-';
        // from_chars takes a minus but no plus.
        if (number.negative) number.normalised += '-';
        ++at;
    }
    long integerDigits = 0;
    long leadingZeros = 0;  // zeros before the first nonzero digit
    bool nonzero = false;
    long digits = 0;
    const auto takeDigits = [&](bool fraction) {
        while (at < text.size() && IsDigit(text[at])) {
            if (!nonzero && text[at] == '0') {
                ++leadingZeros;
            } else {
                nonzero = true;
            }
            if (!fraction) ++integerDigits;
            ++digits;
            number.normalised += text[at++];
        }
    };
    takeDigits(false);
    if (!separator.empty() && text.substr(at).starts_with(separator)) {
        at += separator.size();
        number.normalised += '.';
        takeDigits(true);
    }
    if (digits == 0) return false;

    long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        number.normalised += text[at++];
        bool exponentNegative = false;
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            exponentNegative = text[at] == '-';
            number.normalised += text[at++];
        }
        const std::size_t exponentStart = at;
        while (at < text.size() && IsDigit(text[at])) {
            exponent = std::min(exponent * 10 + (text[at] - '0'), 1'000'000'000L);
            number.normalised += text[at++];
        }
        if (at == exponentStart) return false;
        if (exponentNegative) exponent = -exponent;
    }
    skipSpaces();
    if (at != text.size()) return false;

    const long significantPosition = nonzero ? integerDigits - leadingZeros - 1 : 0;
    number.magnitude = exponent + significantPosition;
    return true;
}

RunError EntryError(ErrorKind kind, std::string_view cellCode)
{
    const std::string entry =
        cellCode.empty() ? "the entry" : "the entry for " + std::string(cellCode);
    if (kind == ErrorKind::Overflow) {
        return RunError(kind, "Overflow: " + entry + " is beyond the single-precision range.",
                        cellCode);
    }
    return RunError(kind, "Type mismatch: " + entry + " is not a number.", cellCode);
}

}  // namespace

float ReadCellEntry(std::string_view text, std::string_view decimalSeparator,
                    std::string_view cellCode)
{
    // Only U+0020 counts as blank: a tab or a no-break space is text that must convert.
    if (text.find_first_not_of(' ') == std::string_view::npos) return 0.0f;

    NumberText number;
    if (!ParseNumber(text, decimalSeparator, number)) {
        throw EntryError(ErrorKind::TypeMismatch, cellCode);
    }
    const std::string_view digits = number.normalised;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a single: the nearest single is zero, which is accepted.
        if (number.magnitude < 0) return number.negative ? -0.0f : 0.0f;
        throw EntryError(ErrorKind::Overflow, cellCode);
    }
    if (error != std::errc() || end != digits.data() + digits.size()) {
        throw EntryError(ErrorKind::TypeMismatch, cellCode);
    }
    return value;
}

float ReadEntry(std::string_view text, std::string_view decimalSeparator)
{
    return ReadCellEntry(text, decimalSeparator, {});
}

}  // namespace measures
