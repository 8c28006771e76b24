#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace measures {

enum class Measure { T, I, R };

// What the Run needs from the window: read an entry box, replace a result box.
class Boxes {
public:
    virtual ~Boxes() = default;
    virtual std::string EntryBoxText(std::string_view cellCode) = 0;  // UTF-8, untrimmed
    virtual void SetResultBoxText(Measure measure, std::string_view text) = 0;
};

enum class ErrorKind { TypeMismatch, Overflow, DivisionByZero, FloatingPoint, NoConvergence };

// A Run that stops at a failing step; what() is the message shown to the user.
class RunError : public std::runtime_error {
public:
    RunError(ErrorKind kind, const std::string& message, std::string_view cellCode = {});

    ErrorKind kind() const;
    std::string_view cellCode() const;  // the entry box that failed; empty when none did

private:
    ErrorKind kind_;
    std::string cellCode_;
};

// Reads the eight entry boxes and writes T, then I, then R in millibits. Throws RunError.
void RunMeasures(Boxes& window, std::string_view decimalSeparator = ".");

// One entry's text as a single-precision value; blank gives 0. Throws RunError.
float ReadEntry(std::string_view text, std::string_view decimalSeparator);

// A result's text: 15 significant digits, positional, no trailing zeros.
std::string FormatResult(double value, std::string_view decimalSeparator);

}  // namespace measures
