#include "core/DatenWettbewerb.h"

#include <cmath>
#include <set>

#include "core/DatenDurchgang.h"
#include "core/DatenKanal.h"
#include "core/DatenMannschaft.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"

namespace tavuran {

TeilnehmerTyp TeilnehmerZwischenablage;
bool TeilnehmerZwischenablageGueltig = false;

WettbewerbTyp* DatenWettbewerbNew() { return new WettbewerbTyp(); }

void DatenWettbewerbDefault(WettbewerbTyp* comp) {
    if (!comp) return;
    // The member initialisers of the record are the defaults of a new competition.
    *comp = WettbewerbTyp{};
    comp->Parameter.fill(-1.0);
    const int sortierung[9] = {0, 3, 2, 3, 3, 4, 4, 3, 0};
    for (int i = 0; i <= 8; ++i) comp->Sortierung[i] = sortierung[i];
    InitWettbewerbsStatus(comp);
}

void DatenWettbewerbDispose(WettbewerbTyp*& comp) {
    if (!comp) return;
    KanalBelegungFromHeap(comp);
    FreeDoppelBelegung(comp);
    ClearKanalListe(comp);
    DatenDurchgangDispose(comp->DurchgangRootPtr);
    DatenTeilnehmerDispose(comp->TeilnehmerRootPtr);
    DatenTeilnehmerDispose(comp->StammDatenRootPtr);
    DatenMannschaftDispose(comp->MannschaftRootPtr);
    DatenRegelDispose(comp->RegelPtr);
    delete comp;
    comp = nullptr;
}

void SetWettbewerbModified(WettbewerbTyp* comp) {
    if (!comp) return;
    if (!comp->modified) {
        comp->modified = true;
        UiStatusBarNeuZeichnen();
    }
    comp->CalcWertung = true;
}

void InitWettbewerbsStatus(WettbewerbTyp* comp) {
    if (!comp) return;
    comp->Status = 0;
    comp->Warnstufe = 0;
}

int SetWettbewerbsStatus(WettbewerbTyp* WettbewerbPtr, int NewStatus, bool LoadCase) {
    WettbewerbTyp* comp = WettbewerbPtr ? WettbewerbPtr : UiAktuellerWettbewerb();
    if (!comp) return 0;
    if (comp->Status < NewStatus) {
        comp->Status = NewStatus;
        if (!LoadCase) SetWettbewerbModified(comp);
    }
    return comp->Status;
}

int GetWettbewerbsStatus(WettbewerbTyp* comp) { return SetWettbewerbsStatus(comp, -1, true); }

int CheckWettbewerbsStatus(WettbewerbTyp* WettbewerbPtr) {
    WettbewerbTyp* comp = WettbewerbPtr ? WettbewerbPtr : UiAktuellerWettbewerb();
    if (!comp) return 0;
    if (comp->Status >= StatusAngelegt) return 0;
    comp->Status = StatusAngelegt;
    if (!comp->Name.empty() || comp->RegelPtr) comp->Status = StatusParameter;
    if (comp->TeilnehmerRootPtr) comp->Status = StatusTeilnehmer;
    if (comp->MannschaftRootPtr) comp->Status = StatusMannschaften;
    if (DatenWettbewerbDurchgangEnthaeltWertung(comp) > 0) comp->Status = StatusErgebnisse;
    if (!comp->WettbewerbFileNamen[1].empty()) comp->Status = StatusVeroeffentlicht;
    return comp->Status;
}

void SetWettbewerbsWarnstufe(WettbewerbTyp* comp, int Warnstufe) { comp->Warnstufe = Warnstufe; }
int GetWettbewerbsWarnstufe(const WettbewerbTyp* comp) { return comp->Warnstufe; }

int GetSort(const WettbewerbTyp* comp, int SortListenIndex) {
    if (!comp || !Feld<int, 0, 8>::inRange(SortListenIndex)) return 0;
    const int s = comp->Sortierung[SortListenIndex];
    if (s == 3 && !comp->Gruppenstart) return 1;
    return s;
}

void SetSort(WettbewerbTyp* comp, int SortListenIndex, int AktSort) {
    if (!comp || !Feld<int, 0, 8>::inRange(SortListenIndex)) return;
    comp->Sortierung[SortListenIndex] = AktSort;
}

int GetExportPunkteIndex() { return GetExportPunkteIndex(UiAktuellerWettbewerb()); }

int GetExportPunkteIndex(const WettbewerbTyp* comp) { return (comp && comp->BonusTeilnehmer) ? 1 : 0; }

TeilnehmerTyp* GetTeilnehmerName(WettbewerbTyp* comp, const std::string& TeilnehmerName) {
    if (!comp) return nullptr;
    const std::string gesucht = L_STR_Upcase(L_STR_Unblank(TeilnehmerName));
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        if (L_STR_Upcase(CnvNameTypToNameStr(&t->Name, true)) == gesucht) return t;
    return nullptr;
}

TeilnehmerTyp* GetTeilnehmerEdvNr(WettbewerbTyp* comp, int EdvNr) {
    if (!comp) return nullptr;
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        if (t->EdvNr == EdvNr) return t;
    return nullptr;
}

std::unordered_map<int, TeilnehmerTyp*> TeilnehmerNachEdvNr(WettbewerbTyp* comp) {
    std::unordered_map<int, TeilnehmerTyp*> v;
    if (!comp) return v;
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next) v.try_emplace(t->EdvNr, t);
    return v;
}

int CountAnzahlVereine(WettbewerbTyp* comp) {
    if (!comp) return 0;
    std::set<std::string> vereine;
    for (TeilnehmerTyp* t = comp->TeilnehmerRootPtr; t; t = t->next)
        vereine.insert(L_STR_Upcase(L_STR_Unblank(t->Verein)));
    return static_cast<int>(vereine.size());
}

std::uint32_t DatenWettbewerbDurchgangEnthaeltWertung(const WettbewerbTyp* comp) {
    std::uint32_t bits = 0;
    if (!comp) return 0;
    for (const DurchgangTyp* d = comp->DurchgangRootPtr; d; d = d->next) {
        if (d->Nr < 1 || d->Nr > 32) continue;
        bool hatWert = false;
        for (const GruppeTyp* g = d->GruppePtr; g && !hatWert; g = g->next)
            for (const WertungTyp* w = g->WertungPtr; w && !hatWert; w = w->next) {
                for (double x : w->WertungPunktr)
                    if (std::fabs(x) > 0.001) hatWert = true;
                for (double x : w->WertungDurchg)
                    if (std::fabs(x) > 0.001) hatWert = true;
            }
        if (hatWert) bits |= std::uint32_t{1} << (d->Nr - 1);
    }
    return bits;
}

std::uint32_t DatenWettbewerbDurchgangIstFlyOff(const WettbewerbTyp* comp, bool FlagSenior) {
    if (!comp) return 0;
    // The counts come from the file unchecked: compute wide so that no sum overflows.
    long long von, bis;
    if (FlagSenior) {
        von = static_cast<long long>(comp->AnzVorrunden) + 1;
        bis = static_cast<long long>(comp->AnzVorrunden) + comp->AnzSeniorenFlyOff;
    } else {
        von = static_cast<long long>(comp->AnzVorrunden) + comp->AnzSeniorenFlyOff + 1;
        bis = comp->AnzDurchgaenge;
    }
    std::uint32_t bits = 0;
    for (long long r = von < 1 ? 1 : von; r <= bis && r <= 32; ++r) bits |= std::uint32_t{1} << (r - 1);
    return bits;
}

} // namespace tavuran
