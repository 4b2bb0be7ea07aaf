// Score entry by rows of texts: which value columns a rule has and which slot
// of a score entry each of them fills, what a row shows, and how the texts of
// a row are stored into the entry. The score and reflight grids of the main
// window and the command "eintragen" of tavuran-cli share these routines, so a
// text typed into a cell and the same text given on the command line give the
// same entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// The value columns of the competition's rule: for each judge the rule's judge
// labels, then the flight labels. The judge count is the evaluation's, capped
// so that the judge values never need more than the 16 judge slots.
struct WertSpaltenTyp {
    int AnzPunktrichter = 0; // judges whose values are entered
    int WerteProRichter = 0; // ParameterPunktr.Anzahl
    int AnzPunktrWerte = 0;  // AnzPunktrichter * WerteProRichter, at most 16
    int AnzDurchgWerte = 0;  // flight values, at most 6
    std::vector<std::string> Bezeichner; // the rule's label of every value column
    std::vector<std::string> Koepfe;     // the header the grid shows for it
    int Anzahl() const { return AnzPunktrWerte + AnzDurchgWerte; }
};

// The value columns of the competition's rule; none without a rule.
WertSpaltenTyp GetWertSpalten(const WettbewerbTyp* Wett);

// Judges whose values are entered: the evaluation's judge count, capped so
// that count x values per judge fits the 16 judge slots.
int GetAnzahlPunktrichterEingabe(const WettbewerbTyp* Wett);

// The header of a value column: a time label with "[s]" is typed and shown as
// minutes and seconds, so "Zeit[s]" becomes "Zeit [min:s]".
std::string WertSpaltenKopf(std::string_view Bezeichner);

// The slot of value column k (1-based) in an entry: the judge values first,
// judge 1's before judge 2's, then the flight values. Nil outside.
double* WertSlotPtr(WertungTyp* Wertung, const WertSpaltenTyp& Spalten, int k);
double WertSlot(const WertungTyp* Wertung, const WertSpaltenTyp& Spalten, int k);

// Headers of the computed columns of the score grid in round DurchgangNr:
// "Strafe" when the round carries penalty points, "Landepunkte" for the rule
// kinds with a landing table, then "Rohpunkte" and "Ergebnis".
std::vector<std::string> GetWertungBerechnetKoepfe(const WettbewerbTyp* Wett, int DurchgangNr);
// Headers of the computed columns of the reflight grid.
std::vector<std::string> GetReflyBerechnetKoepfe();
// Computed columns of a grid: the score grid's depend on the round, the
// reflight grid always has four.
inline constexpr int ReflyErsteWertSpalte = 8;

// What a row shows in the value columns: every slot as its column's kind shows it.
std::vector<std::string> DispWertungWerte(WettbewerbTyp* Wett, const WertungTyp* Wertung,
                                          const WertSpaltenTyp& Spalten);
// What a score row shows in the computed columns (GetWertungBerechnetKoepfe).
// Strafe: the round has the penalty column (GetStrafpunkteInDurchgang), asked
// once for a whole list, since it reads every entry of the round.
std::vector<std::string> DispWertungBerechnet(WettbewerbTyp* Wett, int DurchgangNr, const WertungTyp* Wertung,
                                              bool Strafe);
// What a reflight row shows in "Rohpunkte", "Reflight", "Vorrunde", "Ergebnis"
// from the reflight entry and the participant's first-flight entry.
std::vector<std::string> DispReflyBerechnet(const WertungTyp* Refly, const WertungTyp* Erstflug);

// The entry a row of round DurchgangNr writes into: the participant's entry
// in the round (round, group and entry created when missing) or, for the
// reflight grid, his entry in a reflight group of the round (never created:
// nil when he has none). Nil for a participant not in the competition or a
// round outside 1..30.
WertungTyp* GetEingabeWertung(WettbewerbTyp* Wett, int DurchgangNr, int EdvNr, bool Refly);

// One value cell of a row: the text it holds now and the text the display
// wrote into it.
struct WertZelleTyp {
    std::string Text;
    std::string Angezeigt;
    // Set by WertungZeileUebernehmen when the text was refused: why, and
    // which forms the column takes.
    std::string Meldung;
};

// Stores a row's value cells into the entry: a cell whose text differs from
// what the display wrote is read with its column's header and stored in its
// slot; untouched cells leave their slots as they are. A cell whose slot
// changed gets as Angezeigt what the display shows for the stored value, so
// that typing back the old text stores the old value again. Cells beyond the
// value columns are ignored. When a typed text is refused (EingabeLesen), its
// cell gets the message and nothing of the row is stored. Returns the number
// of slots whose value changed.
int WertungZeileUebernehmen(WettbewerbTyp* Wett, int DurchgangNr, WertungTyp* Wertung,
                            const WertSpaltenTyp& Spalten, std::vector<WertZelleTyp>& Zellen);

// Whether the participant is listed in round DurchgangNr: in a fly-off round
// only the participants seated in its group 1 fly.
// The message of the first refused cell of a row; empty when none was refused.
std::string ZeileMeldung(const std::vector<WertZelleTyp>& Zellen);

bool TeilnehmerFliegtInDurchgang(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int DurchgangNr);

// The participant a list row shows: the one whose ZeilenNr[Tab] is the row,
// as long as the row's name cell still shows his name (surname first). Nil
// for a row without a participant.
TeilnehmerTyp* GetTeilnehmerInZeile(WettbewerbTyp* Wett, int Tab, int Zeile, std::string_view NameZelle);

} // namespace tavuran
