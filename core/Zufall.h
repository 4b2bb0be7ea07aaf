// The uniform random generator of the draw and the random participant choice.
// Seeded from the clock by default; a seed can be set so that a draw repeats.
#pragma once

#include <cstdint>

namespace tavuran {

void ZufallSetSeed(std::uint64_t seed);
void ZufallSeedFromClock();
// A whole number in 0 .. n-1 (0 when n <= 0).
int ZufallInt(int n);
// A real number in [0, 1).
double ZufallReal();

} // namespace tavuran
