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
WertungTyp* DatenWertungInGroupGetPtr(WertungTyp*& WertungRootPtr, int TeilnehmerEdvNr);
// The first entry of the participant in the round's groups with that ReflyOrder; never creates.
WertungTyp* DatenWertungGetPtr(DurchgangTyp* DurchgangPtr, int TeilnehmerEdvNr, int ReflyOrder);

void DatenWertungDispose(WertungTyp*& WertungPtr);
void DatenGruppeDispose(GruppeTyp*& GruppePtr);
void DatenDurchgangDispose(DurchgangTyp*& DurchgangPtr);

// Cursor over all score entries whose participant exists and has a surname.
void InitWertungsDaten(DurchgangTyp* DurchgangRootPtr, TeilnehmerTyp* TeilnehmerRootPtr,
                       DurchgangListenInfoTyp& ListenInfo);
WertungTyp* GetNextWertungsDatenPtr(DurchgangListenInfoTyp& ListenInfo);

} // namespace tavuran
