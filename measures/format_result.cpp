#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "measures/measures.h"
#include "measures/rounding.h"

namespace measures {

double RoundToHundredths(double value)
{
    // nearbyint rounds halfway cases to even in the default rounding mode.
    return std::nearbyint(value * 100.0) / 100.0;
}

std::string FormatResult(double value, std::string_view decimalSeparator)
{
    if (value == 0.0) return "0";  // negative zero too

    // 15 significant digits: d.dddddddddddddde±x.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    std::string digits{scientific[0]};
    digits.append(scientific + 2, 14);
    const int exponent = std::atoi(scientific + 17);
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string integerPart;
    std::string fraction;
    if (exponent < 0) {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            integerPart = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            integerPart = digits.substr(0, integerDigits);
            fraction = digits.substr(integerDigits);
        }
    }

    std::string text = value < 0.0 ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

}  // namespace measures
