#include "core/DatenDurchgang.h"

namespace tavuran {

DurchgangTyp* DatenDurchgangNew() { return new DurchgangTyp(); }
GruppeTyp* DatenGruppeNew() { return new GruppeTyp(); }
WertungTyp* DatenWertungNew() { return new WertungTyp(); }

void DatenDurchgangDefault(DurchgangTyp* p) {
    if (p) *p = DurchgangTyp{};
}
void DatenGruppeDefault(GruppeTyp* p) {
    if (p) *p = GruppeTyp{};
}
void DatenWertungDefault(WertungTyp* p) {
    if (p) *p = WertungTyp{};
}

DurchgangTyp* DatenDurchgangSuchen(const WettbewerbTyp* Wett, int DurchgangNr) {
    for (DurchgangTyp* d = Wett ? Wett->DurchgangRootPtr : nullptr; d; d = d->next)
        if (d->Nr == DurchgangNr) return d;
    return nullptr;
}

DurchgangTyp* DatenDurchgangGetPtr(DurchgangTyp*& DurchgangRootPtr, int DurchgangNr) {
    for (DurchgangTyp* d = DurchgangRootPtr; d; d = d->next)
        if (d->Nr == DurchgangNr) return d;
    DurchgangTyp* neu = DatenDurchgangNew();
    neu->Nr = DurchgangNr;
    neu->next = DurchgangRootPtr;
    DurchgangRootPtr = neu;
    return neu;
}

GruppeTyp* DatenGruppeGetPtr(GruppeTyp*& GruppeRootPtr, int GruppeNr, int ReflyOrder) {
    for (GruppeTyp* g = GruppeRootPtr; g; g = g->next)
        if (g->Nr == GruppeNr && g->ReflyOrder == ReflyOrder) return g;
    GruppeTyp* neu = DatenGruppeNew();
    neu->Nr = GruppeNr;
    neu->ReflyOrder = ReflyOrder;
    neu->next = GruppeRootPtr;
    GruppeRootPtr = neu;
    return neu;
}

WertungTyp* DatenWertungInGroupGetPtr(WertungTyp*& WertungRootPtr, int TeilnehmerEdvNr) {
    for (WertungTyp* w = WertungRootPtr; w; w = w->next)
        if (w->EdvNr == TeilnehmerEdvNr) return w;
    WertungTyp* neu = DatenWertungNew();
    neu->EdvNr = TeilnehmerEdvNr;
    neu->next = WertungRootPtr;
    WertungRootPtr = neu;
    return neu;
}

WertungTyp* DatenWertungGetPtr(DurchgangTyp* DurchgangPtr, int TeilnehmerEdvNr, int ReflyOrder) {
    if (!DurchgangPtr) return nullptr;
    for (GruppeTyp* g = DurchgangPtr->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder != ReflyOrder) continue;
        for (WertungTyp* w = g->WertungPtr; w; w = w->next)
            if (w->EdvNr == TeilnehmerEdvNr) return w;
    }
    return nullptr;
}

void DatenWertungDispose(WertungTyp*& WertungPtr) {
    while (WertungPtr) {
        WertungTyp* weiter = WertungPtr->next;
        delete WertungPtr;
        WertungPtr = weiter;
    }
}

void DatenGruppeDispose(GruppeTyp*& GruppePtr) {
    while (GruppePtr) {
        GruppeTyp* weiter = GruppePtr->next;
        DatenWertungDispose(GruppePtr->WertungPtr);
        delete GruppePtr;
        GruppePtr = weiter;
    }
}

void DatenDurchgangDispose(DurchgangTyp*& DurchgangPtr) {
    while (DurchgangPtr) {
        DurchgangTyp* weiter = DurchgangPtr->next;
        DatenGruppeDispose(DurchgangPtr->GruppePtr);
        delete DurchgangPtr;
        DurchgangPtr = weiter;
    }
}

void InitWertungsDaten(DurchgangTyp* DurchgangRootPtr, TeilnehmerTyp* TeilnehmerRootPtr,
                       DurchgangListenInfoTyp& info) {
    info.DurchgangRootPtr = DurchgangRootPtr;
    info.TeilnehmerRootPtr = TeilnehmerRootPtr;
    info.DurchgangPtr = DurchgangRootPtr;
    info.GruppePtr = info.DurchgangPtr ? info.DurchgangPtr->GruppePtr : nullptr;
    info.WertungPtr = info.GruppePtr ? info.GruppePtr->WertungPtr : nullptr;
    // The first record with an EdvNr decides whether entries of that number are usable.
    auto brauchbar = std::make_shared<std::unordered_set<int>>();
    std::unordered_set<int> gesehen;
    for (TeilnehmerTyp* t = TeilnehmerRootPtr; t; t = t->next)
        if (gesehen.insert(t->EdvNr).second && !t->Name.NachnameStr.empty()) brauchbar->insert(t->EdvNr);
    info.Brauchbar = std::move(brauchbar);
}

namespace {
bool TeilnehmerBrauchbar(const DurchgangListenInfoTyp& info, int EdvNr) {
    if (info.Brauchbar) return info.Brauchbar->count(EdvNr) > 0;
    for (TeilnehmerTyp* t = info.TeilnehmerRootPtr; t; t = t->next)
        if (t->EdvNr == EdvNr) return !t->Name.NachnameStr.empty();
    return false;
}

// Moves the cursor one step: to the next entry, else the first entry of the
// next group, else the first group of the next round.
void Weiter(DurchgangListenInfoTyp& info) {
    if (info.WertungPtr) {
        info.WertungPtr = info.WertungPtr->next;
        return;
    }
    if (info.GruppePtr) {
        info.GruppePtr = info.GruppePtr->next;
        info.WertungPtr = info.GruppePtr ? info.GruppePtr->WertungPtr : nullptr;
        return;
    }
    if (info.DurchgangPtr) {
        info.DurchgangPtr = info.DurchgangPtr->next;
        info.GruppePtr = info.DurchgangPtr ? info.DurchgangPtr->GruppePtr : nullptr;
        info.WertungPtr = info.GruppePtr ? info.GruppePtr->WertungPtr : nullptr;
    }
}
} // namespace

WertungTyp* GetNextWertungsDatenPtr(DurchgangListenInfoTyp& info) {
    while (info.DurchgangPtr || info.GruppePtr || info.WertungPtr) {
        WertungTyp* kandidat = info.WertungPtr;
        if (kandidat) {
            // Keep the group and round of the returned entry: advance only within the group.
            info.WertungPtr = kandidat->next;
            if (TeilnehmerBrauchbar(info, kandidat->EdvNr)) return kandidat;
            continue;
        }
        Weiter(info);
    }
    return nullptr;
}

} // namespace tavuran
