// The tables of the main window's tabs, computed from the competition: the
// participant sheet, the start order, the team sheet, the score and reflight
// entry, the result and the team result. Each row tells what it stands for;
// listing a participant records his row in ZeilenNr[Tab], through which
// editing and drag and drop find him again.
#pragma once

#include "core/DatenTypen.h"
#include "tabellen/Tabelle.h"

namespace tavuran {

// Tabs of the main window; the tab index is also the index into Sortierung and ZeilenNr.
inline constexpr int TabTeilnehmer = 0;
inline constexpr int TabStartreihenfolge = 1;
inline constexpr int TabMannschaft = 2;
inline constexpr int TabWertung = 3;
inline constexpr int TabRefly = 4;
inline constexpr int TabErgebnis = 5;
inline constexpr int TabTeamergebnis = 6;
inline constexpr int AnzahlTabs = 7;

// The view settings of the window that change what a table lists.
struct ReiterOptionen {
    bool Jugendliche = true;      // juniors are listed
    bool Senioren = true;         // seniors are listed
    bool TeamInStartliste = true; // the start order shows the team instead of the club
};

// Widths of the lists at 96 dpi.
inline constexpr int BreiteNummer = 48;
inline constexpr int BreiteName = 140;
inline constexpr int BreiteVerein = 120;
inline constexpr int BreiteKanal = 48;
inline constexpr int BreiteLand = 48;
inline constexpr int BreiteJugendlich = 20;
inline constexpr int BreiteModell = 120;

// The table of tab Tab (0 .. 6) for the competition's current round and the
// tab's order; without a competition the empty layout. Sets ZeilenNr[Tab] of
// every participant (0 when not listed); the score tabs give every listed
// participant an entry in the current round, as the evaluation does.
TabelleTyp ReiterTabelle(WettbewerbTyp* Wett, int Tab, const ReiterOptionen& Optionen);

// The columns of tab Tab that stay in place when its grid scrolls right (the
// numbers of the row and the name on the participant sheet and the score
// grids), counted from column 0; 0 for none.
int GefroreneSpalten(int Tab);

// The rows a list keeps beyond its participants: the participant sheet and
// the score grids leave room to type, the start order room for its
// separators (b participants with a surname).
int ReiterZeilenZahl(const WettbewerbTyp* Wett, int Tab);

} // namespace tavuran
