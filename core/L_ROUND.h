// Rounding half away from zero to n decimals, computed in extended precision.
#pragma once

namespace tavuran {

double L_ROUND_GetRound(double x, int n);
double L_ROUND_GetRoundDouble(long double x, int n);

} // namespace tavuran
