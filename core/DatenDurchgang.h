// Rounds, their groups and their score entries; the cursor over all entries.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

DurchgangTyp* DatenDurchgangNew();
GruppeTyp* DatenGruppeNew();
WertungTyp* DatenWertungNew();
void DatenDurchgangDefault(DurchgangTyp* DurchgangPtr);
void DatenGruppeDefault(GruppeTyp* GruppePtr);
void DatenWertungDefault(WertungTyp* WertungPtr);

// The round of that number, or nil; creates nothing.
DurchgangTyp* DatenDurchgangSuchen(const WettbewerbTyp* Wett, int DurchgangNr);
// Find-or-create at the head of the list.
DurchgangTyp* DatenDurchgangGetPtr(DurchgangTyp*& DurchgangRootPtr, int DurchgangNr);
GruppeTyp* DatenGruppeGetPtr(GruppeTyp*& GruppeRootPtr, int GruppeNr, int ReflyOrder);
// The participant's entry in group Gruppe of round Durchgang, created at the
// head of the group when missing; keeps the round's index.
WertungTyp* DatenWertungInGroupGetPtr(DurchgangTyp* Durchgang, GruppeTyp* Gruppe, int TeilnehmerEdvNr);
// A new entry of the participant at the head of group Gruppe of round Durchgang; keeps the round's index.
WertungTyp* DatenWertungEinhaengen(DurchgangTyp* Durchgang, GruppeTyp* Gruppe, int TeilnehmerEdvNr);
// The first entry of the participant in the round's groups with that
// ReflyOrder; never creates. Looked up in the round's index, built on the
// first call; debug builds compare every answer with a walk of the groups.
WertungTyp* DatenWertungGetPtr(DurchgangTyp* DurchgangPtr, int TeilnehmerEdvNr, int ReflyOrder);
// True when every participant has at most one entry in the round's ordinary
// groups and one in its reflight groups, all of ReflyOrder 1 (the index is
// built when missing): then DatenWertungGetPtr finds the only one.
bool DatenDurchgangEintraegeEindeutig(DurchgangTyp* Durchgang);
// Drops the round's index; the next lookup builds it anew. Every routine that
// links, unlinks, moves or frees groups or entries of a round calls it.
void DatenDurchgangIndexVerwerfen(DurchgangTyp* Durchgang);
// True when the round's index (if built) answers every lookup as a walk of the groups does.
bool DatenDurchgangIndexStimmt(const DurchgangTyp* Durchgang);

void DatenWertungDispose(WertungTyp*& WertungPtr);
void DatenGruppeDispose(GruppeTyp*& GruppePtr);
void DatenDurchgangDispose(DurchgangTyp*& DurchgangPtr);

// Cursor over all score entries whose participant exists and has a surname.
void InitWertungsDaten(DurchgangTyp* DurchgangRootPtr, TeilnehmerTyp* TeilnehmerRootPtr,
                       DurchgangListenInfoTyp& ListenInfo);
WertungTyp* GetNextWertungsDatenPtr(DurchgangListenInfoTyp& ListenInfo);

} // namespace tavuran
