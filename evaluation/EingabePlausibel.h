// Plausibility of entered values: a value the reader accepts but the rule
// makes unlikely (a flight longer than the working time and a margin, a start
// height above 500 m, a landing beyond 100 m, a landing for a flight of 0:00,
// a negative number) is stored, but noted, so that a typing slip is seen.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "evaluation/WertungEingabe.h"

namespace tavuran {

// Seconds a flight may last beyond the working time before it is noted.
inline constexpr double ZeitZugabe = 60;
// Highest plausible start height (F5J logger) in metres.
inline constexpr double MaxStarthoehe = 500;
// Farthest plausible landing in metres.
inline constexpr double MaxLandeabstand = 100;

// The working time of round DurchgangNr by the rule's parameters: the largest
// time of its flight-time parameters (not the time up to which a landing is
// scored), plus the fly-off offset in a fly-off
// round; 0 when the rule has none.
double GetArbeitszeit(const WettbewerbTyp* Wett, int DurchgangNr);

// One note per value column (Spalten order) of an entry of round DurchgangNr:
// empty where the value is plausible, else a German sentence saying what is
// unlikely ("Flugzeit 12:30 länger als die Arbeitszeit 10:00 und 1:00 Zugabe").
std::vector<std::string> GetEingabeHinweise(const WettbewerbTyp* Wett, int DurchgangNr, const WertungTyp* Wertung,
                                            const WertSpaltenTyp& Spalten);

// The notes of an entry joined for the status bar or the command line
// ("Zeit[min:s]: …; Abstand[m]: …"); empty when there is none.
std::string EingabeHinweisText(const WertSpaltenTyp& Spalten, const std::vector<std::string>& Hinweise);

} // namespace tavuran
