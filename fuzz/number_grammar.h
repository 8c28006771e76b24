#pragma once

#include <optional>
#include <string>
#include <string_view>

// The grammar of an entry that is a number, written out apart from the library's reader so
// that the fuzzer can judge it: spaces (U+0020) only at the ends, an optional sign, digits
// with at most one decimal separator (at least one digit in all), and an optional exponent:
// e or E, an optional sign, at least one digit. Returns the number with its spaces dropped
// and the separator written as '.', as strtof reads it; nothing when the text is no number.
std::optional<std::string> MatchNumber(std::string_view text, std::string_view separator);
