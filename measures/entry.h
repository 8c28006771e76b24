#pragma once

#include <string_view>

namespace measures {

// ReadEntry for the box of cellCode, whose errors name that cell.
float ReadCellEntry(std::string_view text, std::string_view decimalSeparator,
                    std::string_view cellCode);

}  // namespace measures
