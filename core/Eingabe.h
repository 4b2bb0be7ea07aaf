// Reading and showing the values of a score entry. Every measured or judged
// value is held as a Double; the operator types it as text into the score grid
// and the grid, the printed lists and the HTML export show it as text again.
// How a text is read and how a value is shown depends on the kind of the
// column, which the column's label decides.
//
// Reserved values: -1 nothing entered ("-" typed), -2 invalid entry (one of the
// markers of VoidInputStr typed). A value v counts as -2 when -2.1 < v < -1.9.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/DatenTypen.h"

namespace tavuran {

// Kind of a score column, decided by its label (upper-cased, ASCII only):
// containing "ZEIT" time, else "ABST" distance, else "DREHUNG" rotation,
// else plain. Only for showing, "F5J-H" (after rotation) is a logger height.
enum class EingabeArt { Zeit, Abstand, Drehung, LoggerHoehe, Normal };
EingabeArt GetEingabeArt(std::string_view SpaltenUeberschrift, bool Anzeige);

// The markers of an invalid entry, tested in this order against the
// upper-cased text; any of them anywhere marks the entry invalid.
inline constexpr int AnzVoidInput = 17;
extern const std::array<std::string_view, AnzVoidInput> VoidInputStr;

// True when the typed text holds one of the markers of VoidInputStr.
bool CheckInvalidInput(std::string_view EingabeStr);

// The typed text of a cell as a value: -2 for an invalid entry, -1 for "-",
// otherwise the number read by the column's kind (0 when there is none).
double ParseAllEingabe(WettbewerbTyp* WettbewerbPtr, int DurchgangNr, std::string_view EingabeStr,
                       std::string_view SpaltenUeberschrift);

// Typed time (min:s.z, min s z, min s, min:s, seconds) -> seconds as text.
std::string ParseZeit(std::string_view EingabeStr);
// Typed distance or landing points -> distance as text ("-" without competition).
std::string ParseAbstand(WettbewerbTyp* WettbewerbPtr, int DurchgangNr, std::string_view EingabeStr);
// Typed rotation -> "0-90", "91-180" or "-".
std::string ParseDrehung(std::string_view EingabeStr);

// A value as the column's kind shows it.
std::string DispAllWertung(WettbewerbTyp* WettbewerbPtr, double Wertung, std::string_view SpaltenUeberschrift);
std::string DispZeit(double Wertung);
std::string DispAbstand(WettbewerbTyp* WettbewerbPtr, double Wertung);
std::string DispDrehung(double Wertung);
// "65.5" -> "1:05.5", "600" -> "10:00".
std::string CalcMinSekZeitAnzeige(std::string_view SekundenStr);

// Label of a round from the competition's counts ("3. Vorrunde", "1. Fly-Off",
// "jug. Fly-Off"; short: "3", "1FO", "jFO"); with AliasErlaubt the round's
// alias replaces the long label of rounds 1..18.
std::string GetDurchgangBezeichner(const WettbewerbTyp* WettbewerbPtr, int DurchgangNr, bool Kurzform,
                                   bool AliasErlaubt);
std::string GetDurchgangBezeichnerDirekt(int AnzahlVorrunden, int AnzahlFlyOff, int AnzahlJugFlyOff,
                                         int DurchgangNr, bool Kurzform);

// --- Conversions of typed landing values. They belong to the landing tables of
// the raw-point evaluation (evaluation/AuswertungRohpunkte.h re-exports them)
// but live here because reading an entry needs them.

// Typed landing points -> distance text by the inverse landing table of the
// competition's rule; any other input is returned tidied.
std::string CalcAbstandAusLandepunkte(const WettbewerbTyp* Wett, int DurchgangNr, std::string_view Eingabe);
// Typed rotation -> "0-90", "91-180" or "-".
std::string CalcDrehungAusDrehungseingabe(std::string_view Eingabe);

} // namespace tavuran
