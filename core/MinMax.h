// Integer limits used by the draw and the print layout.
#pragma once

namespace tavuran {

constexpr int MinInt(int a, int b) { return a < b ? a : b; }
constexpr int MaxInt(int a, int b) { return a > b ? a : b; }
constexpr int LimitLowInt(int a, int Low) { return MaxInt(a, Low); }
constexpr int LimitHighInt(int a, int High) { return MinInt(a, High); }
// Clamps a into the range between the smaller and the larger of b and c.
constexpr int LimitLowHighInt(int a, int b, int c) { return MaxInt(MinInt(b, c), MinInt(a, MaxInt(b, c))); }

} // namespace tavuran
