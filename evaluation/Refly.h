// Reflights and penalty points of a round: the model side of the dialogs
// "Flugwiederholung (Refly)" and "Strafpunkte vergeben". The dialogs fill
// plain rows from their grids and call these routines; the routines read and
// write the round's reflight groups (ReflyOrder 1, one per ordinary group
// number) and the penalty points of the ordinary entries.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Role texts of the reflight list.
inline const std::string ReflyRolleVerursacher = "Verursacher";
inline const std::string ReflyRolleTeilnehmer = "-";

// One row of the reflight list. A row names its participant by EdvNr; the
// start number alone is used only for rows without one (EdvNr 0), and then
// only a usable participant answers for it.
struct ReflyZeile {
    std::string Rolle;  // "Verursacher" or "-"
    int StartNr = -1;   // rows with neither EdvNr nor a start number above 0 are empty
    std::string Name;   // name text, surname first (filled when read from the round)
    TeilnehmerTyp* Teilnehmer = nullptr; // filled when read from the round
    int EdvNr = 0;      // the participant; filled when read from the round
};

// One row of the penalty list, its participant named as in ReflyZeile.
struct StrafpunkteZeile {
    int StartNr = -1;
    std::string Name;        // rows without a name are not read or written
    std::string Strafpunkte; // the text of the penalty column
    int EdvNr = 0;
};

// One row of the participant list of both dialogs (list index 7): the
// participants of the round in the order Sortierung[7], a blank separator row
// (EdvNr 0) between two groups when that order is the start order.
struct DialogTeilnehmerZeile {
    int EdvNr = 0;          // 0: separator row
    int StartNr = 0;
    int Gruppe = 0;         // group in the round
    std::string GruppeText; // group and start place, "2 (3)"
    std::string Name;       // surname first
    std::string VereinTeam; // the club, or the team's name when teams are shown and he is in one
};

// Which participants the list shows and what its fourth column holds.
struct DialogListenFilter {
    bool Jugendliche = true; // juniors shown
    bool Senioren = true;    // seniors shown
    bool Team = false;       // "Team anzeigen": the team's name instead of the club
};

// The participant list of round DurchgangNr (the competition's current round
// decides the start order chain). Juniors or seniors filtered out are left
// out; in a fly-off round only the participants of group 1 are listed.
std::vector<DialogTeilnehmerZeile> DialogTeilnehmerListe(WettbewerbTyp* Wett, int DurchgangNr,
                                                         const DialogListenFilter& Filter);

// The participant a row names: by EdvNr when the row carries one, else by
// start number; only usable participants (with surname and EdvNr). Nil when none.
TeilnehmerTyp* ZeilenTeilnehmer(WettbewerbTyp* Wett, int EdvNr, int StartNr);

// The round (found or created) has a first reflight group in list order and
// that group holds an entry. False for nil or a round outside 1..30.
bool GetReflyInDurchgang(WettbewerbTyp* Wett, int DurchgangNr);
// Some round (every round for DurchgangNr < 0, else that round) has a
// reflight group, empty or not. False for nil.
bool GetReflyInWettbewerb(const WettbewerbTyp* Wett, int DurchgangNr);
// The round exists and an entry of one of its ordinary groups carries penalty points.
bool GetStrafpunkteInDurchgang(const WettbewerbTyp* Wett, int DurchgangNr);

// The reflight list of a round as the dialog shows it: one row per reflight
// entry whose participant exists, in list order; empty without a reflight.
std::vector<ReflyZeile> ReflyZeilenLesen(WettbewerbTyp* Wett, int DurchgangNr);
// Writes the reflight list back into round DurchgangNr (found or created):
// every listed participant gets an entry in the reflight group of his
// ordinary group, keeping the values of an entry he already had; entries of
// participants no longer listed are freed; the role sets ReflyVerursacher.
// Rows that name no usable participant are skipped.
void AktRefly(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<ReflyZeile>& Zeilen);
// The dialog's "&Ok": AktRefly, then the competition is marked modified and evaluated.
void ReflyUebernehmen(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<ReflyZeile>& Zeilen);

// "<- zufälliger Teiln.": chooses a participant of the participant list at
// random. TeilnehmerStartNr holds a key of the participant of the list's rows
// 1, 2, … (his start number or EdvNr; not above 0 for rows without one),
// ReflyStartNr the keys of those already in the reflight list, Anzahl the
// number of participants. Draws at most Anzahl/2 + 1
// times, each draw equally likely any of the rows with a start number, and
// stops at the first participant not yet listed. Uses the program's random
// generator (the dialog seeds it from the clock). Returns the index into
// TeilnehmerStartNr of the participant to add with role "-", or -1 when every
// participant drawn was listed already.
int ZufaelligeReflyZeile(const std::vector<int>& TeilnehmerStartNr, int Anzahl, const std::vector<int>& ReflyStartNr);

// Fills the penalty column of the rows with a name from the participants'
// entries of round DurchgangNr; rows without a name or participant get an empty column.
// Nothing happens when the round does not exist.
void StrafpunkteAnzeigen(WettbewerbTyp* Wett, int DurchgangNr, std::vector<StrafpunkteZeile>& Zeilen);
// Writes the penalty column of every row with a name back into the
// participant's entry of round DurchgangNr (found or created), as the whole
// number the text reads as (EingabeLesen, "-" and empty as 0); a refused text
// is skipped. Nothing happens when the round does not exist.
void StrafpunkteRead(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<StrafpunkteZeile>& Zeilen);
// The message for the first row with a name whose penalty text is refused
// ("Müller Hans: „abc“ in der Spalte …"); empty when every text reads.
std::string StrafpunkteFehler(const WettbewerbTyp* Wett, int DurchgangNr, const std::vector<StrafpunkteZeile>& Zeilen);
// The dialog's "Ok": when a text is refused, nothing is stored and its message
// returned; otherwise StrafpunkteRead, the competition is marked modified and
// evaluated, and the result is empty.
std::string StrafpunkteUebernehmen(WettbewerbTyp* Wett, int DurchgangNr, const std::vector<StrafpunkteZeile>& Zeilen);

} // namespace tavuran
