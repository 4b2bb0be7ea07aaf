#include "core/DatenDurchgang.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

namespace {

long long IndexSchluessel(int EdvNr, int ReflyOrder) {
    return static_cast<long long>(static_cast<std::uint64_t>(static_cast<std::uint32_t>(ReflyOrder)) << 32 |
                                  static_cast<std::uint32_t>(EdvNr));
}

} // namespace

void WertungsIndexTyp::Bemessen(int HoechsteNr, std::size_t Anzahl) {
    // A flat table only where the numbers are dense enough to fill it (a
    // file may carry any number).
    if (HoechsteNr > 0 && static_cast<std::size_t>(HoechsteNr) <= 4 * Anzahl + 64)
        dicht_.assign(2 * (static_cast<std::size_t>(HoechsteNr) + 1), nullptr);
}

std::size_t WertungsIndexTyp::Stelle(int EdvNr, int ReflyOrder) const {
    if (EdvNr < 0 || (ReflyOrder != 0 && ReflyOrder != 1)) return Keine;
    const std::size_t i = 2 * static_cast<std::size_t>(EdvNr) + static_cast<std::size_t>(ReflyOrder);
    return i < dicht_.size() ? i : Keine;
}

bool WertungsIndexTyp::Einfuegen(int EdvNr, int ReflyOrder, WertungTyp* w) {
    if (const std::size_t i = Stelle(EdvNr, ReflyOrder); i != Keine) {
        if (dicht_[i]) return false;
        dicht_[i] = w;
    } else if (!weitere_.emplace(IndexSchluessel(EdvNr, ReflyOrder), w).second) {
        return false;
    }
    ++anzahl_;
    return true;
}

WertungTyp* WertungsIndexTyp::Finden(int EdvNr, int ReflyOrder) const {
    if (const std::size_t i = Stelle(EdvNr, ReflyOrder); i != Keine) return dicht_[i];
    const auto it = weitere_.find(IndexSchluessel(EdvNr, ReflyOrder));
    return it == weitere_.end() ? nullptr : it->second;
}

std::size_t WertungsIndexTyp::Bytes() const {
    return dicht_.capacity() * sizeof(WertungTyp*) + weitere_.bucket_count() * sizeof(void*) +
           weitere_.size() * (2 * sizeof(void*) + sizeof(long long) + 8);
}

namespace {

// The lookup without the index: the first matching entry in list order.
WertungTyp* WertungSuchen(const DurchgangTyp* d, int EdvNr, int ReflyOrder) {
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder != ReflyOrder) continue;
        for (WertungTyp* w = g->WertungPtr; w; w = w->next)
            if (w->EdvNr == EdvNr) return w;
    }
    return nullptr;
}

const WertungsIndexTyp& IndexAufbauen(DurchgangTyp* d) {
    if (!d->Index) {
        auto index = std::make_unique<WertungsIndexTyp>();
        int hoechste = 0;
        std::size_t anzahl = 0;
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            for (const WertungTyp* w = g->WertungPtr; w; w = w->next, ++anzahl) hoechste = std::max(hoechste, w->EdvNr);
        index->Bemessen(hoechste, anzahl);
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            for (WertungTyp* w = g->WertungPtr; w; w = w->next)
                if (!index->Einfuegen(w->EdvNr, g->ReflyOrder, w) || // the first one stays
                    (g->ReflyOrder != 0 && g->ReflyOrder != 1))
                    index->Eindeutig = false;
        d->Index = std::move(index);
    }
    return *d->Index;
}

WertungTyp* IndexSuchen(const WertungsIndexTyp& Index, int EdvNr, int ReflyOrder) {
    return Index.Finden(EdvNr, ReflyOrder);
}

} // namespace

WertungTyp* DatenWertungEinhaengen(DurchgangTyp* Durchgang, GruppeTyp* Gruppe, int TeilnehmerEdvNr) {
    WertungTyp* neu = DatenWertungNew();
    neu->EdvNr = TeilnehmerEdvNr;
    neu->next = Gruppe->WertungPtr;
    Gruppe->WertungPtr = neu;
    if (Durchgang && Durchgang->Index) {
        // The participant's only entry of that order is the first one; with
        // another one in some group, which comes first depends on the groups' order.
        const bool einzig = Durchgang->Index->Einfuegen(TeilnehmerEdvNr, Gruppe->ReflyOrder, neu);
        if (!einzig) DatenDurchgangIndexVerwerfen(Durchgang);
        else if (Gruppe->ReflyOrder != 0 && Gruppe->ReflyOrder != 1) Durchgang->Index->Eindeutig = false;
    }
    return neu;
}

WertungTyp* DatenWertungInGroupGetPtr(DurchgangTyp* Durchgang, GruppeTyp* Gruppe, int TeilnehmerEdvNr) {
    for (WertungTyp* w = Gruppe->WertungPtr; w; w = w->next)
        if (w->EdvNr == TeilnehmerEdvNr) return w;
    return DatenWertungEinhaengen(Durchgang, Gruppe, TeilnehmerEdvNr);
}

WertungTyp* DatenWertungGetPtr(DurchgangTyp* DurchgangPtr, int TeilnehmerEdvNr, int ReflyOrder) {
    if (!DurchgangPtr) return nullptr;
    WertungTyp* w = IndexSuchen(IndexAufbauen(DurchgangPtr), TeilnehmerEdvNr, ReflyOrder);
#ifndef NDEBUG
    // A routine that changed the round without dropping the index is caught
    // at the first lookup after it (the tests run the debug build).
    if (w != WertungSuchen(DurchgangPtr, TeilnehmerEdvNr, ReflyOrder)) {
        std::fprintf(stderr, "Veralteter Index der Wertungen in Durchgang %d (Teilnehmer %d, Reflight %d)\n",
                     DurchgangPtr->Nr, TeilnehmerEdvNr, ReflyOrder);
        std::abort();
    }
#endif
    return w;
}

bool DatenDurchgangEintraegeEindeutig(DurchgangTyp* Durchgang) {
    return !Durchgang || IndexAufbauen(Durchgang).Eindeutig;
}

void DatenDurchgangIndexVerwerfen(DurchgangTyp* Durchgang) {
    if (Durchgang) Durchgang->Index.reset();
}

bool DatenDurchgangIndexStimmt(const DurchgangTyp* Durchgang) {
    if (!Durchgang || !Durchgang->Index) return true;
    std::size_t n = 0;
    for (const GruppeTyp* g = Durchgang->GruppePtr; g; g = g->next)
        for (const WertungTyp* w = g->WertungPtr; w; w = w->next) {
            const WertungTyp* erste = WertungSuchen(Durchgang, w->EdvNr, g->ReflyOrder);
            if (erste == w) ++n;
            if (IndexSuchen(*Durchgang->Index, w->EdvNr, g->ReflyOrder) != erste) return false;
        }
    // nothing in the index that the groups no longer hold
    return n == Durchgang->Index->Anzahl();
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
