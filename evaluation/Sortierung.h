// The orders in which participants are listed. Each order is a chain threaded
// through the participant records by its own link field, with its own root in
// the competition; the chains are rebuilt, never updated. Also: the cursor
// over a chain that skips unusable records, the classification of rounds and
// the find-or-create lookups of rounds and score entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Sort numbers (one per tab in WettbewerbTyp::Sortierung).
inline constexpr int SortMeldgNr = 0;   // registration number, nextMeldgNr
inline constexpr int SortStartNr = 1;   // start number, nextStartNr
inline constexpr int SortName = 2;      // name, nextName
inline constexpr int SortGruppe = 3;    // start order of the current round, nextGruppe
inline constexpr int SortPlatz = 4;     // place, nextPlatz
inline constexpr int SortTeam = 5;      // team result, nextTeam
inline constexpr int SortStammDaten = 0x80;                 // bit: master data
inline constexpr int SortStammDatenName = SortStammDaten + SortName; // 130: master data by name
// Master data in list order: bit 0x80 with a low part above 5.
inline constexpr int SortStammDatenListe = SortStammDaten + 0x7F;

// Iteration cursor.
struct InfoTeilnehmerTyp {
    int SortList = 0;                       // sort number without bit 0x80
    TeilnehmerTyp* TeilnehmerPtr = nullptr; // current participant
};

// Rebuild one chain; a nil competition does nothing.
// The key by which names are ordered, as a German reader expects: letters
// without regard to case, umlauts as their base letters (ß as "ss"), accents
// ignored; equal keys fall back to the exact text.
std::string NamensSortierSchluessel(std::string_view Name);

void SortTeilnehmerMeldNr(WettbewerbTyp* Wett);
void SortTeilnehmerStartNr(WettbewerbTyp* Wett);
void SortTeilnehmerNamen(WettbewerbTyp* Wett);
void SortTeilnehmerGruppe(WettbewerbTyp* Wett);
// The participants in the order SortTeilnehmerGruppe chains them, for each
// of the rounds 1..Runden (element r-1 for round r), without changing the
// chain; they are gathered once for all rounds. Each comes with his number
// and his group in that round, read in the order the records were made
// (where they lie in memory), so that a list in this order need not visit a
// record for them.
struct GruppenPlatz {
    TeilnehmerTyp* Teilnehmer;
    int EdvNr;
    int Gruppe;
};
std::vector<std::vector<GruppenPlatz>> GruppenFolgen(const WettbewerbTyp* Wett, int Runden);
void SortTeilnehmerPlatz(WettbewerbTyp* Wett);
void SortTeilnehmerTeam(WettbewerbTyp* Wett);
// All six, in the order above.
void SortAll(WettbewerbTyp* Wett);
// Master data by name; NurName false puts the most recent participants first.
void SortStammDatenNamen(WettbewerbTyp* Wett, bool NurName);

// Name of an order for the status bar ("Meldung", "Startnr", ...); empty for others.
std::string GetSortName(int SortList);

// Iteration over usable participants (surname present, EdvNr non-zero).
TeilnehmerTyp* GetFirstTeilnehmer(WettbewerbTyp* Wett, int SortList, InfoTeilnehmerTyp& Info);
TeilnehmerTyp* GetNextTeilnehmer(InfoTeilnehmerTyp& Info);
// What GetNextTeilnehmer would return, without moving the cursor.
TeilnehmerTyp* CalcNextTeilnehmer(const InfoTeilnehmerTyp& Info);

// Number of the senior fly-off round Nr is (1 for the first), else 0.
int DurchgangIstFlyOff(const WettbewerbTyp* Wett, int Nr);
// Number of the junior fly-off round Nr is, else 0.
int DurchgangIstFlyOffJugend(const WettbewerbTyp* Wett, int Nr);

// The round with that number, created at the front of the round list when missing.
DurchgangTyp* GetDurchgangPtr(WettbewerbTyp* Wett, int Nr);
// The participant's score entry in the round's ordinary groups; created (with
// the participant and its group, when missing) for rounds 1..30.
WertungTyp* GetWertungPtr(WettbewerbTyp* Wett, DurchgangTyp* Durchgang, int EdvNr);
// Start place of the participant in round Nr: its explicit place, else the
// free place of its group it takes in start-number order.
int GetTeilnehmerStartPlatzNr(const WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer, int Nr);
// The first usable participant in creation order with that start number, or nil.
TeilnehmerTyp* GetTeilnehmerStartNr(WettbewerbTyp* Wett, int StartNr);

} // namespace tavuran
