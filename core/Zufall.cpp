#include "core/Zufall.h"

#include <chrono>
#include <random>

namespace tavuran {

namespace {
std::mt19937_64& Generator() {
    static std::mt19937_64 gen(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return gen;
}
} // namespace

void ZufallSetSeed(std::uint64_t seed) { Generator().seed(seed); }

void ZufallSeedFromClock() {
    Generator().seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int ZufallInt(int n) {
    if (n <= 0) return 0;
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(Generator());
}

double ZufallReal() {
    std::uniform_real_distribution<double> dist(0.0, 1.0);
    return dist(Generator());
}

} // namespace tavuran
