// The competition record: creation, defaults, freeing, the modified flag, the
// progress mark and small queries.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "core/DatenTypen.h"

namespace tavuran {

// Progress marks (only rise).
inline constexpr int StatusAngelegt = 10;
inline constexpr int StatusParameter = 20;
inline constexpr int StatusTeilnehmer = 30;
inline constexpr int StatusMannschaften = 40;
inline constexpr int StatusStartliste = 60;
inline constexpr int StatusErgebnisse = 70;
inline constexpr int StatusVeroeffentlicht = 90;

WettbewerbTyp* DatenWettbewerbNew();
void DatenWettbewerbDefault(WettbewerbTyp* comp);
void DatenWettbewerbDispose(WettbewerbTyp*& comp);
void SetWettbewerbModified(WettbewerbTyp* comp);

void InitWettbewerbsStatus(WettbewerbTyp* comp);
int SetWettbewerbsStatus(WettbewerbTyp* WettbewerbPtr, int NewStatus, bool LoadCase);
int GetWettbewerbsStatus(WettbewerbTyp* comp);
int CheckWettbewerbsStatus(WettbewerbTyp* comp);
void SetWettbewerbsWarnstufe(WettbewerbTyp* comp, int Warnstufe);
int GetWettbewerbsWarnstufe(const WettbewerbTyp* comp);

int GetSort(const WettbewerbTyp* comp, int SortListenIndex);
void SetSort(WettbewerbTyp* comp, int SortListenIndex, int AktSort);
int GetExportPunkteIndex();
// The index of the partial rating of a given competition (1 with bonus participants, else 0).
int GetExportPunkteIndex(const WettbewerbTyp* comp);
TeilnehmerTyp* GetTeilnehmerName(WettbewerbTyp* comp, const std::string& TeilnehmerName);
TeilnehmerTyp* GetTeilnehmerEdvNr(WettbewerbTyp* comp, int EdvNr);
// For every participant number, the record GetTeilnehmerEdvNr finds for it
// (the first in list order): one walk for all participants.
std::unordered_map<int, TeilnehmerTyp*> TeilnehmerNachEdvNr(WettbewerbTyp* comp);
int CountAnzahlVereine(WettbewerbTyp* comp);

// Bit (Nr - 1) for every round that holds an entered value.
std::uint32_t DatenWettbewerbDurchgangEnthaeltWertung(const WettbewerbTyp* comp);
// Bit (r - 1) for every round of the overall (FlagSenior) or junior fly-off.
std::uint32_t DatenWettbewerbDurchgangIstFlyOff(const WettbewerbTyp* comp, bool FlagSenior);

// The participant clipboard of the main window.
extern TeilnehmerTyp TeilnehmerZwischenablage;
extern bool TeilnehmerZwischenablageGueltig;

} // namespace tavuran
