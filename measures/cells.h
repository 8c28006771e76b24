#pragma once

#include <array>
#include <string_view>

namespace measures {

// A cell's index is its CellCode "abc" read as a binary number, A most significant:
// "000" is 0, "111" is 7.
inline constexpr std::array<std::string_view, 8> kCellCodes = {"000", "001", "010", "011",
                                                               "100", "101", "110", "111"};

constexpr int CellIndex(std::string_view cellCode)
{
    return (cellCode[0] - '0') * 4 + (cellCode[1] - '0') * 2 + (cellCode[2] - '0');
}

// The entry values, one single per cell, by cell index.
using CellTable = std::array<float, 8>;

// Each entry value divided by the single-precision total, by cell index.
using ProbabilityTable = std::array<float, 8>;

}  // namespace measures
