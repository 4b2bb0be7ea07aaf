// The logic of the draw dialog "Teilnehmer in Startgruppen verteilen" without
// its window: which rounds are drawn, the limits of the group size under team
// protection, the hints, and the round mask handed to the run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "core/Feld.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

inline constexpr int DialogRundenBoxen = 20;

// Round options, in the order they are tested.
inline constexpr int SortModeKeiner = 0;
inline constexpr int SortModeAktueller = 1;   // "nur aktueller"
inline constexpr int SortModeUnsortierte = 2; // "unsortierte"
inline constexpr int SortModeAusgewaehlte = 3; // "ausgewählte"
inline constexpr int SortModeAlle = 4;        // "alle"

int GetDurchgangSortMode(bool Alle, bool Ausgewaehlte, bool Unsortierte, bool NurAktueller);
// Whether round r is to be drawn under the round option (Ausgewaehlt: the ticked boxes 1..20).
bool GetDurchgangIstEinzuteilen(const WettbewerbTyp* comp, int SortMode, int DurchgangNr,
                                const Feld<bool, 1, DialogRundenBoxen>& Ausgewaehlt);
// Bit r-1 for every preliminary round r that is to be drawn.
std::int64_t StartreihenfolgeDurchgangMaske(const WettbewerbTyp* comp, int SortMode,
                                            const Feld<bool, 1, DialogRundenBoxen>& Ausgewaehlt);

// One round box of the group "zu sortierende Durchgänge".
struct DurchgangBox {
    bool Sichtbar = false;
    bool Aktiv = false;
    bool Getickt = false;
    std::string Text;
};
// The boxes 1..20 after a change of the round option; Ausgewaehlt holds the
// user's ticks under "ausgewählte".
std::vector<DurchgangBox> DurchgangBoxen(const WettbewerbTyp* comp, int SortMode,
                                         const Feld<bool, 1, DialogRundenBoxen>& Ausgewaehlt);

struct GruppenGroesseGrenzen {
    int MinAnzahlGruppen = 1;
    int MinGroesse = 2;
    int MaxGroesse = 2;
    int GruppenGroesse = 0; // the requested size, clamped
    int AnzahlGruppen = 0;
};
// Limits of the group size: at least max(MaxVerkettung, 2) groups, at least 2 per group.
GruppenGroesseGrenzen FillGruppenGroesse(int AnzahlTeilnehmer, int GruppenGroesse, int MaxVerkettung);

// The hint list of the dialog.
std::vector<std::string> StartreihenfolgeHinweise(int SortMode, bool AlleVorrundenGetickt, int AnzahlTeilnehmer,
                                                   int GruppenGroesse, int AnzahlGruppen, int MinAnzahlGruppen);

// The protection plan "Piloten mit Teamschutz": a header row "Pilot",
// "1. Helfer", "2. Helfer", ... and one row per team-protection group with the
// pilot's and his helpers' full names (surname first); short rows are filled
// with empty cells.
std::vector<std::vector<std::string>> TeamschutzPlan(const TeamGroupType* TeamGroups);

// "Gruppen einteilen" may be changed: the rule lets the user choose, or there is no rule.
bool GruppenstartAenderbar(const WettbewerbTyp* comp);
// ": " and a number right-aligned in 4 characters, as the dialog's counts show.
std::string DialogZahlText(int Wert);

// A whole draw as the dialog's start button and the run's timer carry it out,
// without windows: read the competition, build the team-protection groups,
// clamp the group size as the dialog does, run all candidates and write the
// best one back.
struct AuslosungsAuftrag {
    int GruppenGroesse = 0;           // requested size; 0 takes the competition's AnzTeilnGruppe
    std::int64_t DurchgangInfo = -1;  // bit r-1: round r is drawn; -1 every preliminary round
    // Groups or everybody alone; empty keeps the competition's setting. Applied
    // only where the rule leaves the choice to the user.
    std::optional<bool> GruppenStart;
    bool TeamschutzHelfer = false;
    bool TeamschutzMannschaft = false;
    bool TeamschutzAlle = false;      // protection for every participant, else for juniors only
    bool Nachbessern = true;          // refine the chosen candidate by exchanging pilots
};
struct AuslosungsErgebnis {
    int GruppenGroesse = 0; // the size used after clamping
    int AnzahlGruppen = 0;
    std::int64_t DurchgangInfo = 0;
};
AuslosungsErgebnis StartreihenfolgeAuslosen(WettbewerbTyp* comp, const AuslosungsAuftrag& Auftrag);

} // namespace tavuran
