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

// The markers of an invalid entry. Each marks an entry invalid only when it
// stands alone in the typed text (upper-cased, ASCII only), optionally
// followed by a number as in ">75".
inline constexpr int AnzVoidInput = 17;
extern const std::array<std::string_view, AnzVoidInput> VoidInputStr;

// The header of the penalty column of the penalty dialog: whole points.
inline constexpr std::string_view StrafpunkteKopf = "Strafpunkte";

// What a typed text is.
enum class EingabeStatus {
    Wert,            // a value of one of the forms the column takes
    NichtEingegeben, // "-" or an empty cell
    Ungueltig,       // an invalid-entry marker, alone or with a number (">75")
    Abgelehnt,       // not understood: nothing may be stored
};

struct EingabeErgebnis {
    EingabeStatus Status = EingabeStatus::Abgelehnt;
    // What is stored: the value; for "nothing entered" what the column keeps
    // for it (0 for an empty cell and in time columns, else -1); -2 invalid.
    double Wert = 0;
    // The number typed with an invalid marker (">75": 75).
    bool MitZahl = false;
    double Zahl = 0;
    // Refused: what was not understood and which forms the column takes.
    std::string Meldung;
    bool Angenommen() const { return Status != EingabeStatus::Abgelehnt; }
};

// The one reader of every typed value (score and reflight grids, penalty
// dialog, command line, phone entry). The column header decides the forms:
// time "1:05.5", "1:05", "1 05 5", "1 05" or seconds "65.5" (a decimal comma
// after a colon or blank, never in bare seconds, where "5,5" is ambiguous);
// distance and plain numbers with a decimal point or comma; landing points
// where the rule converts them; rotation 0..180 degrees or a class; whole
// penalty points under StrafpunkteKopf. Anything else is refused with a German
// message; a text after a number, a second colon, 60 seconds or more after a
// colon and a time in a distance column are refused, not cut off.
EingabeErgebnis EingabeLesen(const WettbewerbTyp* Wett, int DurchgangNr, std::string_view Spaltenkopf,
                             std::string_view Text);

// The forms a column takes, as the refusal message lists them.
std::string EingabeFormen(const WettbewerbTyp* Wett, std::string_view Spaltenkopf);

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
