// The engine of the start-order draw: one complete candidate division of all
// preliminary rounds. Round 1 is the reference round, drawn at random under
// team protection; the other rounds are filled by a systematic rotation of the
// reference groups, then greedy best-fit placement of the rest, then a bounded
// repair loop, all under a fixed score (lower is better). The run control
// (StartreihenfolgeLauf) calls the engine 50 times and keeps the best candidate.
//
// The engine writes its progress into the draw's event log (UiProtokoll).
#pragma once

#include <cstdint>
#include <string>

#include "core/DatenTypen.h"
#include "startorder/StartreihenfolgeBewertung.h"
#include "startorder/StartreihenfolgeDaten.h"

namespace tavuran {

inline constexpr int StartreihenfolgeScoreMax = 16777215; // 2^24 - 1: no result
inline constexpr int StartreihenfolgeFinalFehler = 65536; // incomplete or unbalanced candidate
inline constexpr int StartreihenfolgeMaxStartplatz = 40;  // start places run 1..40
inline constexpr int StartreihenfolgeVersuche = 10;

// Group arithmetic (n participants, requested size g).
// a = ceil(n / g), g < 1 taken as 1; 0 for no participants.
int CalcAnzahlGruppen(int n, int g);
// G = ceil(n / a): the balanced group size; 0 for no participants.
int CalcBestGruppenGroesse(int n, int g);
// The size a group of the list may grow to right now, so that group sizes
// stay within one of each other.
int GetGruppenGroesse(const SortGroupType* Gruppen, int n, int a);

// Runs up to 10 attempts of the draw with group start on the candidate, which
// holds the current division read from the competition. Rounds that are not
// to be drawn (DiesenDurchgangSortieren) keep the reference round as read.
// The requested size is kept within 1..40, so that start places never exceed 40.
void TeilnSortAllDurchg(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int GruppenGroesse);
// The draw without group start: every participant flies alone, in a random order.
void TeilnSortOhneGruppenstart(SortDrchgType*& Kandidat, WettbewerbTyp* comp);
// Score of the candidate left by the last call.
int GetLastBewertungsScore();

// 0 when every participant with first name and surname has a group in every
// round, group sizes differ by at most one and every round holds n members;
// else 65536.
int MakeFinalCheck(WettbewerbTyp* comp, SortDrchgType* Kandidat);
// Deals start places: the members of every group get a random permutation of 1..k.
void SetStartplatz(SortDrchgType* Kandidat);
// Distribution score of a candidate under the current team-protection groups; logs it.
int BewerteFertigenDurchgang(SortDrchgType* Kandidat, WettbewerbTyp* comp);

// The single steps of one attempt, for the dialog's tests and tools. Each
// works on the candidate under the current team-protection groups; g is the
// requested group size, R the reference round.
bool SortDurchgangRandom(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int g, int R);
void ClearNewDurchgang(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int R);
void SortDurchgangPermutation(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int g, int AnzVorrunden, int R);
void AddUnsortedToUnsortedList(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int R);
void SortUnsortierteTeilnehmerNachSperrigkeit(SortDrchgType*& Kandidat, WettbewerbTyp* comp);
void SortGruppenNachGroesse(SortDrchgType*& Kandidat);
void SortDurchgNachGroesse(SortDrchgType*& Kandidat);
bool SortDurchgangBestFit(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int InsertMode, int g);
void SortDurchgangOptimization(SortDrchgType*& Kandidat, WettbewerbTyp* comp, int g);
// The limit above which a pair's meetings are broken up by the repair pass.
int StartreihenfolgeWiederholungsLimit(int n, int g);

// Event log.
void ShowSortLogList();
void AddToSortLogList(const std::string& Text);

// Repeatable draws: with a fixed seed the generator is seeded once and never
// re-seeded from the clock between tries.
void StartreihenfolgeZufallFest(std::uint64_t Seed);
void StartreihenfolgeZufallUhr();

} // namespace tavuran
