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
const RegelTyp& RegelListe(int Nr);                                      // 1..87

} // namespace tavuran
