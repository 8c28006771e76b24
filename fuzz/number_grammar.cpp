#include "fuzz/number_grammar.h"

namespace {

// Reads the text from the front, one element of the grammar at a time.
class Cursor {
public:
    explicit Cursor(std::string_view text) : rest_(text) {}

    void SkipSpaces()
    {
        while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
    }

    // An optional character from the set; copied to out when present.
    void Optional(std::string_view set, std::string& out)
    {
        if (!rest_.empty() && set.find(rest_.front()) != std::string_view::npos) {
            out += rest_.front();
            rest_.remove_prefix(1);
        }
    }

    // A run of ASCII digits, copied to out; returns how many.
    std::size_t Digits(std::string& out)
    {
        std::size_t count = 0;
        while (!rest_.empty() && rest_.front() >= '0' && rest_.front() <= '9') {
            out += rest_.front();
            rest_.remove_prefix(1);
            ++count;
        }
        return count;
    }

    bool Literal(std::string_view word)
    {
        if (word.empty() || !rest_.starts_with(word)) return false;
        rest_.remove_prefix(word.size());
        return true;
    }

    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

}  // namespace

std::optional<std::string> MatchNumber(std::string_view text, std::string_view separator)
{
    Cursor cursor(text);
    std::string number;
    cursor.SkipSpaces();
    cursor.Optional("+-", number);
    std::size_t mantissaDigits = cursor.Digits(number);
    if (cursor.Literal(separator)) {
        number += '.';
        mantissaDigits += cursor.Digits(number);
    }
    if (mantissaDigits == 0) return std::nullopt;
    std::string exponent;
    cursor.Optional("eE", exponent);
    if (!exponent.empty()) {
        cursor.Optional("+-", exponent);
        if (cursor.Digits(exponent) == 0) return std::nullopt;
        number += exponent;
    }
    cursor.SkipSpaces();
    if (!cursor.AtEnd()) return std::nullopt;
    return number;
}
