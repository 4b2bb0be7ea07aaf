// The working structure of the start-order draw: one candidate division of all
// preliminary rounds as rounds -> groups -> members, each round with a list of
// participants that still need a group. New elements always go to the head of
// their list; a copy is made element by element with the same head insertion,
// so a copied list runs in the opposite order of its original.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

// One member of a group or one entry of a round's unsorted list.
struct SortTeilnType {
    TeilnehmerTyp* TeilnPtr = nullptr; // the participant (not owned)
    bool TeamSchutz = false;           // placed by one of the two team-protection steps
    int StartPlatz = 0;                // start place in the group; 0 not dealt, -1 while dealing
    int OrdnungsNr = -1;               // order number in the reference round; -1 none
    int MatrixIdx = -1;                // cached row of the participant in the meeting matrix
    SortTeilnType* next = nullptr;
};

struct SortGroupType {
    int GruppeNr = 0; // as stored in TeilnehmerTyp::Gruppe
    SortTeilnType* TeilnRootPtr = nullptr;
    SortGroupType* next = nullptr;
};

struct SortDrchgType {
    int DurchgangNr = 0; // 1-based
    SortGroupType* GroupRootPtr = nullptr;
    SortTeilnType* UnSortedRootPtr = nullptr;
    SortDrchgType* next = nullptr;
};

// --- lookup (Get... creates at the head when missing, Search... never creates)
SortDrchgType* GetDurchgPtr(SortDrchgType*& DurchgRootPtr, int DurchgangNr);
SortDrchgType* SearchDurchgPtr(SortDrchgType* DurchgRootPtr, int DurchgangNr);
SortGroupType* GetGroupPtr(SortDrchgType* DurchgPtr, int GruppeNr);
SortGroupType* SearchGroupPtr(SortDrchgType* DurchgPtr, int GruppeNr);
SortTeilnType* GetTeilnPtr(SortTeilnType*& TeilnRootPtr, TeilnehmerTyp* Teilnehmer);
SortTeilnType* SearchTeilnehmerInGroup(SortGroupType* GroupPtr, const TeilnehmerTyp* Teilnehmer);
// The group of the round that holds the participant (the last match in list order).
SortGroupType* SearchTeilnehmerInDurchg(SortDrchgType* DurchgPtr, const TeilnehmerTyp* Teilnehmer);

// --- maintenance
SortTeilnType* InsertPilotInToGroup(SortGroupType* GroupPtr, TeilnehmerTyp* Teilnehmer);
int CountPilotsInGroup(const SortGroupType* GroupPtr);
int CountPilotsInDurchg(const SortDrchgType* DurchgPtr);
int CountUnsortedInDurchg(const SortDrchgType* DurchgPtr);
SortTeilnType* AddTeilnToUnsortedList(SortDrchgType* DurchgPtr, TeilnehmerTyp* Teilnehmer);
bool RemoveTeilnFromUnsortedList(SortDrchgType* DurchgPtr, const TeilnehmerTyp* Teilnehmer);
// Unlinks and frees the participant's entries from every group of the round.
bool RemoveTeilnehmerFromList(SortDrchgType* DurchgPtr, const TeilnehmerTyp* Teilnehmer);
// Unlink one group or one round; free it only when asked.
bool RemoveGroupFromDurchgList(SortDrchgType* DurchgPtr, SortGroupType* GroupPtr, bool Freigeben);
bool RemoveDurchgangFromDurchgList(SortDrchgType*& DurchgRootPtr, SortDrchgType* DurchgPtr, bool Freigeben);

// --- copies (whole lists, head insertion; carry TeamSchutz, StartPlatz, OrdnungsNr)
SortTeilnType* CopyTeiln(const SortTeilnType* TeilnRootPtr);
SortGroupType* CopyGroup(const SortGroupType* GroupRootPtr);
SortDrchgType* CopyDrchg(const SortDrchgType* DurchgRootPtr);

// --- emptying and freeing
void InitDrchg(SortDrchgType*& DurchgRootPtr);
void DoneDrchg(SortDrchgType*& DurchgRootPtr);
void DoneGroup(SortGroupType*& GroupRootPtr);
void DoneTeiln(SortTeilnType*& TeilnRootPtr);
// Frees the groups and the unsorted list of one round; the round stays.
void LeereDurchgang(SortDrchgType* DurchgPtr);

} // namespace tavuran
