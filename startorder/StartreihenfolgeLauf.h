// The start-order run: reads the existing division of the preliminary rounds
// into a working copy (the representation), runs the engine on 50 candidates,
// one per timer tick, writes the candidate with the lowest score back into the
// participants (start numbers follow round 1 when it was drawn), and tells the
// program whether each round is divided.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/DatenTypen.h"
#include "startorder/StartreihenfolgeDaten.h"

namespace tavuran {

inline constexpr int StartreihenfolgeKandidaten = 50;
// Work allowed for the refinement of a whole draw, in exchanges priced: the
// candidates are refined, best first, until the first share is used up; long
// chains on the candidate written back get the second.
inline constexpr long long NachbesserungsArbeit = 24000000;
inline constexpr long long NachbesserungsArbeitLangeKetten = 6000000;

// Run states.
inline constexpr int SortStateIdle = 0;
inline constexpr int SortStateStart = 1;
inline constexpr int SortStateEinteilen = 2;
inline constexpr int SortStateBewerten = 3;
inline constexpr int SortStateSelect = 4;
inline constexpr int SortStateFinish = 5;

struct SortType {
    std::array<SortDrchgType*, StartreihenfolgeKandidaten + 1> DurchgRootPtr{}; // [1..50]
    int BestScore = 0;       // the chosen candidate's score as drawn
    int BestScoreIndex = -1;
    std::array<int, StartreihenfolgeKandidaten + 1> Score{}; // [1..50]
    std::int64_t DurchgangInfo = 0;
    int AnzahlTeilnehmer = 0;
    int AnzahlGruppen = 0;
    int GruppenGroesse = 0;
    int LoopCnt = 0;
    bool GruppenStart = true;
    // Refinement of the chosen candidate by exchanging pilots between groups.
    bool Nachbessern = true;
    bool Nachgebessert = false;     // the refinement ran
    // Distribution score of the best candidate as drawn, and the lowest score
    // after refinement, which is the one written back.
    long long ScoreVorNachbesserung = 0;
    long long ScoreNachNachbesserung = 0;
    int NachbesserungKandidat = 0;        // the candidate whose refinement was written back
    int NachbesserteKandidaten = 0;       // candidates refined
    double NachbesserungMs = 0;
    long long NachbesserungTausche = 0;   // exchanges kept in the written candidate
    long long NachbesserungVersuche = 0;  // exchanges examined in all candidates
};

// What the user interface does around a run. Every entry may stay empty.
struct StartreihenfolgeAnzeige {
    std::function<void()> ProtokollZeigen;        // clear and show the event log
    std::function<void()> ErgebnismatrixZeigen;   // show the result matrix after the run
    std::function<void()> DialogZeigen;           // show the draw dialog after reading
    std::function<void()> HauptfensterNeuZeichnen; // repaint the main window
    // The main window's recompute; the default rebuilds the channel
    // bookkeeping, evaluates and rebuilds the participant orders.
    std::function<void(WettbewerbTyp*)> NeuBerechnen;
};
void SetStartreihenfolgeAnzeige(const StartreihenfolgeAnzeige& Anzeige);
const StartreihenfolgeAnzeige& GetStartreihenfolgeAnzeige();
// The recompute the run uses (the installed one or the default).
void StartreihenfolgeNeuBerechnen(WettbewerbTyp* comp);

// --- rounds to draw
void InitWelchenDurchgangSort(std::int64_t DurchgangInfo);
bool DiesenDurchgangSortieren(int DurchgangNr);

// --- reading and writing the competition
// Builds the representation from the divided preliminary rounds and shows the dialog.
void ReadRelevantWettDatenAtStartOfPilotSort(WettbewerbTyp* comp);
void WriteRelevantWettDatenAfterPilotSort(SortDrchgType* Kandidat, bool GruppenStart);
// The competition the representation was read from, and the representation.
WettbewerbTyp* GetStartreihenfolgeWettPtr();
SortDrchgType* GetSortRootPtr();

// --- the run
// Options of the dialog: show the event log, show the result matrix afterwards.
void SetStartreihenfolgeOptionen(bool Verlauf, bool Ergebnismatrix);
// Nachbessern: refine the chosen candidate before it is written back.
void InitStartreihenfolge(int AnzahlTeilnehmer, int AnzahlGruppen, bool GruppenStart, int GruppenGroesse,
                          std::int64_t DurchgangInfo, bool Nachbessern = true);
// One step of the run (one timer tick).
void SortierTask();
int GetSortierState();
const SortType& GetSortierLauf();
void GetProgressStartreihenfolge(int& CurrentState, int& CurProgress, int& MaxProgress);
// Frees the representation, the candidates and the team-protection groups (the
// competition is going away).
void StartreihenfolgeFreigeben();

// --- division checks
// Draw variant (result report, start of a draw): group numbers must lie in
// 1..a; MinGruppe/MaxGruppe receive the group range seen.
bool GetDurchgangStartreihenfolgeEingeteiltAuslosung(WettbewerbTyp* comp, int* MinGruppe = nullptr,
                                                     int* MaxGruppe = nullptr);
// Main-window variant (prints, exports, tabs): group numbers must be at least 1.
bool GetDurchgangStartreihenfolgeEingeteilt(WettbewerbTyp* comp);
// Whether start numbers would change under the progress warning (calls FormCheckShow(comp, 50, 50)).
bool GetStartreihenfolgeErmittelt(WettbewerbTyp* comp);

} // namespace tavuran
