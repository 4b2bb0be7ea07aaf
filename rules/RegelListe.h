// The catalogue of the scoring rules compiled into the program, and the
// identifiers of the evaluation algorithms that score them.
#pragma once

#include <array>
#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

inline constexpr int RegelAnzahl = 87;
inline constexpr int RegelEdvAnzahl = 14;

extern const std::array<std::string, RegelEdvAnzahl> RegelEdvListe;   // index EdvNr-1
// Catalogue rule Nr (1..87), constant: callers copy it. Any other number
// yields an empty record with EdvNr -1 (no algorithm).
const RegelTyp& RegelListe(int Nr);

} // namespace tavuran
