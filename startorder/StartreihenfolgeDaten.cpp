#include "startorder/StartreihenfolgeDaten.h"

namespace tavuran {

namespace {

SortTeilnType* NeuerTeilnehmer(TeilnehmerTyp* Teilnehmer) {
    SortTeilnType* e = new SortTeilnType();
    e->TeilnPtr = Teilnehmer;
    return e;
}

// Unlinks the first element for which `trifft` holds; returns it or nil.
template <class T, class Bed>
T* Ausklinken(T*& root, Bed trifft) {
    T* vorher = nullptr;
    for (T* p = root; p; vorher = p, p = p->next) {
        if (!trifft(p)) continue;
        (vorher ? vorher->next : root) = p->next;
        p->next = nullptr;
        return p;
    }
    return nullptr;
}

} // namespace

SortDrchgType* SearchDurchgPtr(SortDrchgType* DurchgRootPtr, int DurchgangNr) {
    for (SortDrchgType* d = DurchgRootPtr; d; d = d->next)
        if (d->DurchgangNr == DurchgangNr) return d;
    return nullptr;
}

SortDrchgType* GetDurchgPtr(SortDrchgType*& DurchgRootPtr, int DurchgangNr) {
    if (SortDrchgType* d = SearchDurchgPtr(DurchgRootPtr, DurchgangNr)) return d;
    SortDrchgType* d = new SortDrchgType();
    d->DurchgangNr = DurchgangNr;
    d->next = DurchgRootPtr;
    DurchgRootPtr = d;
    return d;
}

SortGroupType* SearchGroupPtr(SortDrchgType* DurchgPtr, int GruppeNr) {
    if (!DurchgPtr) return nullptr;
    for (SortGroupType* g = DurchgPtr->GroupRootPtr; g; g = g->next)
        if (g->GruppeNr == GruppeNr) return g;
    return nullptr;
}

SortGroupType* GetGroupPtr(SortDrchgType* DurchgPtr, int GruppeNr) {
    if (!DurchgPtr) return nullptr;
    if (SortGroupType* g = SearchGroupPtr(DurchgPtr, GruppeNr)) return g;
    SortGroupType* g = new SortGroupType();
    g->GruppeNr = GruppeNr;
    g->next = DurchgPtr->GroupRootPtr;
    DurchgPtr->GroupRootPtr = g;
    return g;
}

SortTeilnType* GetTeilnPtr(SortTeilnType*& TeilnRootPtr, TeilnehmerTyp* Teilnehmer) {
    for (SortTeilnType* e = TeilnRootPtr; e; e = e->next)
        if (e->TeilnPtr == Teilnehmer) return e;
    SortTeilnType* e = NeuerTeilnehmer(Teilnehmer);
    e->next = TeilnRootPtr;
    TeilnRootPtr = e;
    return e;
}

SortTeilnType* SearchTeilnehmerInGroup(SortGroupType* GroupPtr, const TeilnehmerTyp* Teilnehmer) {
    if (!GroupPtr) return nullptr;
    for (SortTeilnType* e = GroupPtr->TeilnRootPtr; e; e = e->next)
        if (e->TeilnPtr == Teilnehmer) return e;
    return nullptr;
}

SortGroupType* SearchTeilnehmerInDurchg(SortDrchgType* DurchgPtr, const TeilnehmerTyp* Teilnehmer) {
    if (!DurchgPtr) return nullptr;
    SortGroupType* gefunden = nullptr;
    for (SortGroupType* g = DurchgPtr->GroupRootPtr; g; g = g->next)
        if (SearchTeilnehmerInGroup(g, Teilnehmer)) gefunden = g;
    return gefunden;
}

SortTeilnType* InsertPilotInToGroup(SortGroupType* GroupPtr, TeilnehmerTyp* Teilnehmer) {
    if (!GroupPtr) return nullptr;
    return GetTeilnPtr(GroupPtr->TeilnRootPtr, Teilnehmer);
}

int CountPilotsInGroup(const SortGroupType* GroupPtr) {
    int n = 0;
    if (GroupPtr)
        for (const SortTeilnType* e = GroupPtr->TeilnRootPtr; e; e = e->next) ++n;
    return n;
}

int CountPilotsInDurchg(const SortDrchgType* DurchgPtr) {
    int n = 0;
    if (DurchgPtr)
        for (const SortGroupType* g = DurchgPtr->GroupRootPtr; g; g = g->next) n += CountPilotsInGroup(g);
    return n;
}

int CountUnsortedInDurchg(const SortDrchgType* DurchgPtr) {
    int n = 0;
    if (DurchgPtr)
        for (const SortTeilnType* e = DurchgPtr->UnSortedRootPtr; e; e = e->next) ++n;
    return n;
}

SortTeilnType* AddTeilnToUnsortedList(SortDrchgType* DurchgPtr, TeilnehmerTyp* Teilnehmer) {
    if (!DurchgPtr) return nullptr;
    return GetTeilnPtr(DurchgPtr->UnSortedRootPtr, Teilnehmer);
}

bool RemoveTeilnFromUnsortedList(SortDrchgType* DurchgPtr, const TeilnehmerTyp* Teilnehmer) {
    if (!DurchgPtr) return false;
    SortTeilnType* e =
        Ausklinken(DurchgPtr->UnSortedRootPtr, [&](SortTeilnType* p) { return p->TeilnPtr == Teilnehmer; });
    delete e;
    return e != nullptr;
}

bool RemoveTeilnehmerFromList(SortDrchgType* DurchgPtr, const TeilnehmerTyp* Teilnehmer) {
    if (!DurchgPtr) return false;
    bool entfernt = false;
    for (SortGroupType* g = DurchgPtr->GroupRootPtr; g; g = g->next) {
        while (SortTeilnType* e =
                   Ausklinken(g->TeilnRootPtr, [&](SortTeilnType* p) { return p->TeilnPtr == Teilnehmer; })) {
            delete e;
            entfernt = true;
        }
    }
    return entfernt;
}

bool RemoveGroupFromDurchgList(SortDrchgType* DurchgPtr, SortGroupType* GroupPtr, bool Freigeben) {
    if (!DurchgPtr || !GroupPtr) return false;
    SortGroupType* g = Ausklinken(DurchgPtr->GroupRootPtr, [&](SortGroupType* p) { return p == GroupPtr; });
    if (g && Freigeben) DoneGroup(g);
    return g != nullptr;
}

bool RemoveDurchgangFromDurchgList(SortDrchgType*& DurchgRootPtr, SortDrchgType* DurchgPtr, bool Freigeben) {
    if (!DurchgPtr) return false;
    SortDrchgType* d = Ausklinken(DurchgRootPtr, [&](SortDrchgType* p) { return p == DurchgPtr; });
    if (d && Freigeben) DoneDrchg(d);
    return d != nullptr;
}

SortTeilnType* CopyTeiln(const SortTeilnType* TeilnRootPtr) {
    SortTeilnType* kopie = nullptr;
    for (const SortTeilnType* e = TeilnRootPtr; e; e = e->next) {
        SortTeilnType* k = new SortTeilnType(*e);
        k->next = kopie;
        kopie = k;
    }
    return kopie;
}

SortGroupType* CopyGroup(const SortGroupType* GroupRootPtr) {
    SortGroupType* kopie = nullptr;
    for (const SortGroupType* g = GroupRootPtr; g; g = g->next) {
        SortGroupType* k = new SortGroupType();
        k->GruppeNr = g->GruppeNr;
        k->TeilnRootPtr = CopyTeiln(g->TeilnRootPtr);
        k->next = kopie;
        kopie = k;
    }
    return kopie;
}

SortDrchgType* CopyDrchg(const SortDrchgType* DurchgRootPtr) {
    SortDrchgType* kopie = nullptr;
    for (const SortDrchgType* d = DurchgRootPtr; d; d = d->next) {
        SortDrchgType* k = new SortDrchgType();
        k->DurchgangNr = d->DurchgangNr;
        k->GroupRootPtr = CopyGroup(d->GroupRootPtr);
        k->UnSortedRootPtr = CopyTeiln(d->UnSortedRootPtr);
        k->next = kopie;
        kopie = k;
    }
    return kopie;
}

void InitDrchg(SortDrchgType*& DurchgRootPtr) { DurchgRootPtr = nullptr; }

void DoneTeiln(SortTeilnType*& TeilnRootPtr) {
    while (TeilnRootPtr) {
        SortTeilnType* weiter = TeilnRootPtr->next;
        delete TeilnRootPtr;
        TeilnRootPtr = weiter;
    }
}

void DoneGroup(SortGroupType*& GroupRootPtr) {
    while (GroupRootPtr) {
        SortGroupType* weiter = GroupRootPtr->next;
        DoneTeiln(GroupRootPtr->TeilnRootPtr);
        delete GroupRootPtr;
        GroupRootPtr = weiter;
    }
}

void DoneDrchg(SortDrchgType*& DurchgRootPtr) {
    while (DurchgRootPtr) {
        SortDrchgType* weiter = DurchgRootPtr->next;
        LeereDurchgang(DurchgRootPtr);
        delete DurchgRootPtr;
        DurchgRootPtr = weiter;
    }
}

void LeereDurchgang(SortDrchgType* DurchgPtr) {
    if (!DurchgPtr) return;
    DoneGroup(DurchgPtr->GroupRootPtr);
    DoneTeiln(DurchgPtr->UnSortedRootPtr);
}

} // namespace tavuran
