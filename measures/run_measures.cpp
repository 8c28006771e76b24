#include "measures/entropy.h"
#include "measures/entry.h"
#include "measures/fit.h"
#include "measures/measures.h"
#include "measures/rounding.h"

namespace measures {
namespace {

// The boxes are read in this order; the first bad one decides the error.
constexpr std::array<std::string_view, 8> kReadingOrder = {"100", "010", "001", "011",
                                                           "110", "101", "111", "000"};

// Bits to millibits as shown: times 1000, rounded to two decimals.
double ShownMillibits(double bits) { return RoundToHundredths(bits * 1000.0); }

}  // namespace

void RunMeasures(Boxes& window, std::string_view decimalSeparator)
{
    CellTable cells{};
    for (const std::string_view cellCode : kReadingOrder) {
        cells[CellIndex(cellCode)] =
            ReadCellEntry(window.EntryBoxText(cellCode), decimalSeparator, cellCode);
    }
    const ProbabilityTable p = BuildProbabilityTable(cells);

    // T is shown before the fit starts, so a fault in the fit leaves it in place.
    const double shownT = ShownMillibits(ComputeT(p));
    window.SetResultBoxText(Measure::T, FormatResult(shownT, decimalSeparator));

    const double shownI = ShownMillibits(ComputeI(FitPairwiseModel(p)));
    window.SetResultBoxText(Measure::I, FormatResult(shownI, decimalSeparator));

    // R is the sum of the two shown values; rounding it again drops the representation
    // error that 15 digits would show after cancellation (-248.34 + 247.54 is -0.8).
    const double r = RoundToHundredths(shownI + shownT);
    window.SetResultBoxText(Measure::R, FormatResult(r, decimalSeparator));
}

}  // namespace measures
