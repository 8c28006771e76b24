#pragma once

namespace measures {

// The double nearest to value rounded to two decimals, halfway cases to the even
// hundredth (0.125 -> 0.12); the tie is judged on value scaled by 100.
double RoundToHundredths(double value);

}  // namespace measures
