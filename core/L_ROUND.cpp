#include "core/L_ROUND.h"

#include <cmath>

namespace tavuran {

namespace {

// Beyond this many steps every finite non-zero long double has over- or
// underflowed, so further steps change nothing.
constexpr int MaxSchritte = 5000;

} // namespace

double L_ROUND_GetRoundDouble(long double x, int n) {
    if (!std::isfinite(x)) return static_cast<double>(x);
    const int schritte = n >= 0 ? (n < MaxSchritte ? n : MaxSchritte) : (n > -MaxSchritte ? -n : MaxSchritte);
    long double y = x;
    for (int i = 0; i < schritte; ++i) {
        if (n >= 0)
            y *= 10.0L;
        else
            y /= 10.0L;
    }
    // At this magnitude the long double is a whole number already: nothing to
    // round (and stepping back would only lose precision or overflow).
    if (!std::isfinite(y) || std::fabs(y) >= 18446744073709551616.0L) return static_cast<double>(x);
    y = y >= 0 ? std::trunc(y + 0.5L) : std::trunc(y - 0.5L);
    for (int i = 0; i < schritte; ++i) {
        if (n >= 0)
            y /= 10.0L;
        else
            y *= 10.0L;
    }
    double r = static_cast<double>(y);
    if (r == 0.0) r = 0.0; // no negative zero
    return r;
}

double L_ROUND_GetRound(double x, int n) { return L_ROUND_GetRoundDouble(static_cast<long double>(x), n); }

} // namespace tavuran
