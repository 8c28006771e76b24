// libFuzzer target: eight arbitrary entry texts, read one by one with ReadEntry and then
// together by a whole Run, in a "." or a "," locale. Any outcome but a value, three result
// texts or a RunError of a listed kind, each in the form it must have, aborts.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/number_grammar.h"
#include "measures/cells.h"
#include "measures/measures.h"
#include "measures/tests/boxes_fake.h"

namespace {

using measures::ErrorKind;

void Require(bool condition, const char* what, std::string_view text = {})
{
    if (condition) return;
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

// The Run reads the boxes in this order; the first bad one decides the error.
constexpr std::array<std::string_view, 8> kReadingOrder = {"100", "010", "001", "011",
                                                           "110", "101", "111", "000"};

// ReadEntry on one text, judged by the grammar and by the C library's correctly rounded
// strtof. Returns the error it raised, if any.
std::optional<ErrorKind> CheckEntry(const std::string& text, std::string_view separator)
{
    const std::optional<std::string> number = MatchNumber(text, separator);
    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    // Nearest single to the number, infinite beyond the single range.
    const float nearest = number ? std::strtof(number->c_str(), nullptr) : 0.0f;

    float value = 0.0f;
    try {
        value = measures::ReadEntry(text, separator);
    } catch (const measures::RunError& error) {
        Require(error.cellCode().empty(), "ReadEntry names a cell", text);
        if (error.kind() == ErrorKind::TypeMismatch) {
            Require(!blank && !number, "a number rejected as no number", text);
        } else {
            Require(error.kind() == ErrorKind::Overflow, "ReadEntry failed oddly", text);
            Require(number && std::isinf(nearest), "overflow of a number within range", text);
        }
        return error.kind();
    }
    if (blank) {
        Require(std::bit_cast<std::uint32_t>(value) == 0, "a blank text is not +0", text);
    } else {
        Require(number.has_value(), "a text outside the grammar read as a number", text);
        Require(std::bit_cast<std::uint32_t>(value) == std::bit_cast<std::uint32_t>(nearest),
                "a number read as another single", text);
    }
    return std::nullopt;
}

// A result text: optional minus, digits, and a fraction without trailing zeros; "0" for zero.
bool IsResultText(std::string_view text, std::string_view separator)
{
    if (text == "-0") return false;
    if (text.starts_with('-')) text.remove_prefix(1);
    const std::size_t integerEnd = std::min(text.find(separator), text.size());
    const std::string_view integer = text.substr(0, integerEnd);
    if (integer.empty() || integer.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    if (integerEnd == text.size()) return true;
    const std::string_view fraction = text.substr(integerEnd + separator.size());
    return !fraction.empty() && fraction.find_first_not_of("0123456789") == std::string::npos &&
           fraction.back() != '0';
}

void RequireReadInOrder(const std::vector<std::string>& reads)
{
    Require(reads.size() <= 8, "a box read twice");
    for (std::size_t k = 0; k < reads.size(); ++k) {
        Require(reads[k] == kReadingOrder[k], "boxes read out of order", reads[k]);
    }
}

void CheckRun(const std::array<std::string, 8>& texts, std::string_view separator,
              const std::array<std::optional<ErrorKind>, 8>& entryErrors)
{
    // The first box in the reading order that ReadEntry refused.
    std::optional<std::size_t> firstBad;
    for (std::size_t k = 0; k < 8 && !firstBad; ++k) {
        if (entryErrors[measures::CellIndex(kReadingOrder[k])]) firstBad = k;
    }

    std::map<std::string, std::string, std::less<>> entries;
    for (int cell = 0; cell < 8; ++cell)
        entries[std::string(measures::kCellCodes[cell])] = texts[cell];
    FakeBoxes boxes(std::move(entries));
    try {
        measures::RunMeasures(boxes, separator);
    } catch (const measures::RunError& error) {
        RequireReadInOrder(boxes.reads);
        Require(*error.what() != '\0', "an error without a message");
        if (firstBad) {
            const std::string_view cell = kReadingOrder[*firstBad];
            Require(
                error.kind() == *entryErrors[measures::CellIndex(cell)] && error.cellCode() == cell,
                "the Run's error is not the first bad box's", cell);
            Require(boxes.reads.size() == *firstBad + 1, "boxes read past the first bad one");
            Require(boxes.written.empty(), "a result written after a bad entry");
            return;
        }
        Require(error.cellCode().empty(), "a cell named for an error past the entries");
        switch (error.kind()) {
            case ErrorKind::Overflow:
            case ErrorKind::DivisionByZero:
                Require(boxes.written.empty(), "a result written after a bad total");
                return;
            case ErrorKind::FloatingPoint:
            case ErrorKind::NoConvergence:
                Require(boxes.written == std::vector{measures::Measure::T},
                        "a failing fit must leave T alone written");
                Require(IsResultText(*boxes.results[0], separator), "a malformed T",
                        *boxes.results[0]);
                return;
            case ErrorKind::TypeMismatch:
                break;
        }
        Require(false, "a type mismatch with every entry a number");
    }
    Require(!firstBad, "a Run past a bad entry");
    RequireReadInOrder(boxes.reads);
    Require(boxes.reads.size() == 8, "a Run that did not read every box");
    Require(boxes.written ==
                std::vector{measures::Measure::T, measures::Measure::I, measures::Measure::R},
            "the Run must write T, I and R in turn");
    for (const std::optional<std::string>& result : boxes.results) {
        Require(IsResultText(*result, separator), "a malformed result", *result);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // The separator comes from the last byte, the texts (cells 000 to 111) from the front.
    const std::string_view separator = input.ConsumeBool() ? "," : ".";
    std::array<std::string, 8> texts;
    std::array<std::optional<ErrorKind>, 8> entryErrors;
    for (int cell = 0; cell < 8; ++cell) {
        texts[cell] = input.ConsumeRandomLengthString();
        entryErrors[cell] = CheckEntry(texts[cell], separator);
    }
    CheckRun(texts, separator, entryErrors);
    return 0;
}
