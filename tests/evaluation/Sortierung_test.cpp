#include "evaluation/Sortierung.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"

namespace tavuran {
namespace {

// A competition whose participants are created in the order of the calls to
// Neu (so the `next` list ends up reversed, as on loading a file).
class Wettbewerb {
public:
    Wettbewerb() {
        w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
    }
    ~Wettbewerb() { DatenWettbewerbDispose(w); }
    Wettbewerb(const Wettbewerb&) = delete;
    Wettbewerb& operator=(const Wettbewerb&) = delete;

    // Appends at the end of the creation list.
    TeilnehmerTyp* Neu(const std::string& Nachname, int StartNr = 0) {
        TeilnehmerTyp* t = DatenTeilnehmerNew();
        DatenTeilnehmerDefault(t);
        t->Name.NachnameStr = Nachname;
        t->EdvNr = ++letzteEdvNr;
        t->StartNr = StartNr;
        t->MeldgNr = 0;
        TeilnehmerTyp** ende = &w->TeilnehmerRootPtr;
        while (*ende) ende = &(*ende)->next;
        *ende = t;
        return t;
    }

    TeilnehmerTyp* Stamm(const std::string& Nachname, const std::string& Vorname, int Jahr) {
        TeilnehmerTyp* t = DatenTeilnehmerNew();
        DatenTeilnehmerDefault(t);
        t->Name.NachnameStr = Nachname;
        t->Name.VornameStr = Vorname;
        t->LetztTeiln.Year = static_cast<Word>(Jahr);
        TeilnehmerTyp** ende = &w->StammDatenRootPtr;
        while (*ende) ende = &(*ende)->next;
        *ende = t;
        return t;
    }

    WettbewerbTyp* w = nullptr;
    int letzteEdvNr = 0;
};

using Glied = TeilnehmerTyp* TeilnehmerTyp::*;

std::vector<std::string> Kette(TeilnehmerTyp* Root, Glied Feld) {
    std::vector<std::string> v;
    for (TeilnehmerTyp* p = Root; p; p = p->*Feld) v.push_back(p->Name.NachnameStr);
    return v;
}

std::vector<std::string> Iteration(WettbewerbTyp* w, int SortList) {
    std::vector<std::string> v;
    InfoTeilnehmerTyp Info;
    for (TeilnehmerTyp* p = GetFirstTeilnehmer(w, SortList, Info); p; p = GetNextTeilnehmer(Info))
        v.push_back(p->Name.NachnameStr);
    return v;
}

using Namen = std::vector<std::string>;

TEST(Sortierung, StartNrOrderLeavesOutParticipantsWithoutNumber) {
    for (int Position = 0; Position < 4; ++Position) {
        Wettbewerb k;
        std::vector<int> Nummern = {3, 1, 2};
        Nummern.insert(Nummern.begin() + Position, 0);
        for (std::size_t i = 0; i < Nummern.size(); ++i) k.Neu("T" + std::to_string(Nummern[i]), Nummern[i]);
        SortTeilnehmerStartNr(k.w);
        EXPECT_EQ(Kette(k.w->TeilnehmerStartNrRootPtr, &TeilnehmerTyp::nextStartNr), (Namen{"T1", "T2", "T3"}))
            << "without number at position " << Position;
    }
}

// Names in the order a German reader expects: case ignored, umlauts as their
// base letters, accents ignored, the exact text breaking ties.
TEST(Sortierung, NameOrderAsInGerman) {
    Wettbewerb k;
    for (const char* n : {"Zimmermann", "de Vries", "Müller", "Öttinger", "Zander", "Muller", "", "Ébert", "Abel",
                          "abel", "Özdemir", "Strauß", "Strauss", "Straub"})
        k.Neu(n, 1);
    SortTeilnehmerNamen(k.w);
    EXPECT_EQ(Kette(k.w->TeilnehmerNameRootPtr, &TeilnehmerTyp::nextName),
              (Namen{"Abel", "abel", "de Vries", "Ébert", "Muller", "Müller", "Öttinger", "Özdemir", "Straub",
                     "Strauss", "Strauß", "Zander", "Zimmermann"}));
}

TEST(Sortierung, NameOrderUsesFirstNameAfterSurname) {
    Wettbewerb k;
    k.Neu("Meier")->Name.VornameStr = "Zoe";
    k.Neu("Meier")->Name.VornameStr = "Anna";
    k.Neu("Meier"); // no first name: "Meier" alone sorts first
    SortTeilnehmerNamen(k.w);
    std::vector<std::string> Vornamen;
    for (TeilnehmerTyp* p = k.w->TeilnehmerNameRootPtr; p; p = p->nextName) Vornamen.push_back(p->Name.VornameStr);
    EXPECT_EQ(Vornamen, (Namen{"", "Anna", "Zoe"}));
}

TEST(Sortierung, PlaceOrderTiesAndUnplaced) {
    Wettbewerb k;
    struct { const char* Name; int Platz; int FlyOff; } Faelle[] = {
        {"ohneA", 0, 0}, {"zwei1", 2, 0}, {"vier", 4, 0}, {"eins", 7, 1}, {"ohneB", 0, 0}, {"zwei2", 2, 0},
    };
    for (auto& f : Faelle) {
        TeilnehmerTyp* t = k.Neu(f.Name, 1);
        t->PlatzNr = f.Platz;
        t->PlatzNrFlyOff = f.FlyOff;
    }
    SortTeilnehmerPlatz(k.w);
    EXPECT_EQ(Kette(k.w->TeilnehmerPlatzRootPtr, &TeilnehmerTyp::nextPlatz),
              (Namen{"eins", "zwei1", "zwei2", "vier", "ohneB", "ohneA"}));
}

TEST(Sortierung, TeamOrderNumberedFirstUnnumberedInCreationOrder) {
    Wettbewerb k;
    struct { const char* Name; int Nr; } Faelle[] = {{"ohne1", 0}, {"drei", 3}, {"einsA", 1}, {"ohne2", 0}, {"einsB", 1}};
    for (auto& f : Faelle) k.Neu(f.Name, 1)->PlatzTeilnTeamWertung = f.Nr;
    SortTeilnehmerTeam(k.w);
    EXPECT_EQ(Kette(k.w->TeilnehmerTeamRootPtr, &TeilnehmerTyp::nextTeam),
              (Namen{"einsA", "einsB", "drei", "ohne1", "ohne2"}));
}

TEST(Sortierung, StartOrderInFlyOffRoundsListsPlacedByPlace) {
    Wettbewerb k;
    k.w->AnzVorrunden = 4;
    k.w->AnzSeniorenFlyOff = 2;
    struct { const char* Name; int Platz; int Jugend; } Faelle[] = {
        {"dritter", 3, 0}, {"ohne", 0, 0}, {"erster", 1, 2}, {"zweiter", 2, 1}, {"zehnter", 10, 0},
    };
    for (auto& f : Faelle) {
        TeilnehmerTyp* t = k.Neu(f.Name, 1);
        t->PlatzNr = f.Platz;
        t->PlatzNrJugend = f.Jugend;
        t->Gruppe[5] = 1; // groups play no part in a fly-off
        t->Gruppe[7] = 1;
    }
    struct { int Runde; Namen Erwartet; } Runden[] = {
        {5, {"erster", "zweiter", "dritter", "zehnter"}},
        {6, {"erster", "zweiter", "dritter", "zehnter"}},
        {7, {"zweiter", "erster"}},
    };
    for (auto& r : Runden) {
        k.w->DurchgangNr = r.Runde;
        SortTeilnehmerGruppe(k.w);
        EXPECT_EQ(Kette(k.w->TeilnehmerGruppeRootPtr, &TeilnehmerTyp::nextGruppe), r.Erwartet) << "round " << r.Runde;
    }
}

TEST(Sortierung, StartOrderByGroupAndStartPlace) {
    Wettbewerb k;
    k.w->DurchgangNr = 2;
    // Created first and not assigned in round 2 (like a late registration):
    // still listed after every group.
    k.Neu("spaet", 9);
    struct { const char* Name; int Gruppe; int Platz; } Faelle[] = {
        {"g2p1", 2, 1}, {"g1p3", 1, 3}, {"g1p1", 1, 1}, {"g2p2", 2, 2}, {"g1p2", 1, 2},
    };
    int nr = 1;
    for (auto& f : Faelle) {
        TeilnehmerTyp* t = k.Neu(f.Name, nr++);
        t->Gruppe[2] = f.Gruppe;
        t->Startplatz[2] = f.Platz;
    }
    k.Neu("nichtda", 8);
    SortTeilnehmerGruppe(k.w);
    EXPECT_EQ(Kette(k.w->TeilnehmerGruppeRootPtr, &TeilnehmerTyp::nextGruppe),
              (Namen{"g1p1", "g1p2", "g1p3", "g2p1", "g2p2", "spaet", "nichtda"}));

    // Without group start the start numbers decide where they conflict with
    // the groups; the unassigned stay last.
    k.w->Gruppenstart = false;
    int Nummern[] = {5, 1, 4, 2, 3};
    int i = 0;
    for (TeilnehmerTyp* p = k.w->TeilnehmerRootPtr->next; p && p->Gruppe[2] != 0; p = p->next) p->StartNr = Nummern[i++];
    SortTeilnehmerGruppe(k.w);
    EXPECT_EQ(Kette(k.w->TeilnehmerGruppeRootPtr, &TeilnehmerTyp::nextGruppe),
              (Namen{"g1p3", "g2p2", "g1p2", "g1p1", "g2p1", "spaet", "nichtda"}));
}

TEST(Sortierung, StartPlacesFilledInStartNumberOrder) {
    Wettbewerb k;
    k.w->DurchgangNr = 1;
    // Created out of start-number order on purpose.
    TeilnehmerTyp* t20 = k.Neu("t20", 20);
    TeilnehmerTyp* p3 = k.Neu("p3", 2);
    TeilnehmerTyp* t7 = k.Neu("t7", 7);
    TeilnehmerTyp* p1 = k.Neu("p1", 30);
    TeilnehmerTyp* t12 = k.Neu("t12", 12);
    TeilnehmerTyp* fremd = k.Neu("fremd", 1); // other group, no place: must not take a place here
    for (TeilnehmerTyp* t : {t20, p3, t7, p1, t12}) t->Gruppe[1] = 4;
    fremd->Gruppe[1] = 5;
    p1->Startplatz[1] = 1;
    p3->Startplatz[1] = 3;

    struct { TeilnehmerTyp* T; int Platz; } Faelle[] = {{t7, 2}, {t12, 4}, {t20, 5}, {p1, 1}, {p3, 3}, {fremd, 1}};
    for (auto& f : Faelle) EXPECT_EQ(GetTeilnehmerStartPlatzNr(k.w, f.T, 1), f.Platz) << f.T->Name.NachnameStr;

    SortTeilnehmerGruppe(k.w);
    EXPECT_EQ(Kette(k.w->TeilnehmerGruppeRootPtr, &TeilnehmerTyp::nextGruppe),
              (Namen{"p1", "t7", "p3", "t12", "t20", "fremd"}));
}

TEST(Sortierung, StartPlaceNeverExceedsForty) {
    Wettbewerb k;
    std::vector<TeilnehmerTyp*> t;
    for (int i = 1; i <= 45; ++i) {
        t.push_back(k.Neu("t", i));
        t.back()->Gruppe[1] = 1;
    }
    t[0]->Startplatz[1] = 40;
    EXPECT_EQ(GetTeilnehmerStartPlatzNr(k.w, t[1], 1), 1);
    EXPECT_EQ(GetTeilnehmerStartPlatzNr(k.w, t[39], 1), 39);
    EXPECT_EQ(GetTeilnehmerStartPlatzNr(k.w, t[40], 1), 40);
    EXPECT_EQ(GetTeilnehmerStartPlatzNr(k.w, t[44], 1), 40);
}

TEST(Sortierung, IterationSkipsUnusableRecordsInEveryOrder) {
    Wettbewerb k;
    k.w->DurchgangNr = 1;
    TeilnehmerTyp* a = k.Neu("Adam", 3);
    TeilnehmerTyp* leer = k.Neu("", 1);
    TeilnehmerTyp* null = k.Neu("Null", 2);
    TeilnehmerTyp* b = k.Neu("Berta", 4);
    null->EdvNr = 0;
    for (TeilnehmerTyp* t : {a, leer, null, b}) {
        t->MeldgNr = t->StartNr;
        t->Gruppe[1] = 1;
        t->Startplatz[1] = t->StartNr;
        t->PlatzNr = t->StartNr;
        t->PlatzTeilnTeamWertung = t->StartNr;
    }
    SortAll(k.w);
    for (int Sort : {SortMeldgNr, SortStartNr, SortName, SortGruppe, SortPlatz, SortTeam, 99})
        EXPECT_EQ(Iteration(k.w, Sort), (Namen{"Adam", "Berta"})) << "sort " << Sort;

    InfoTeilnehmerTyp Info;
    EXPECT_EQ(GetFirstTeilnehmer(k.w, SortStartNr, Info), a);
    EXPECT_EQ(CalcNextTeilnehmer(Info), b);
    EXPECT_EQ(Info.TeilnehmerPtr, a);
    EXPECT_EQ(GetNextTeilnehmer(Info), b);
    EXPECT_EQ(GetNextTeilnehmer(Info), nullptr);
    EXPECT_EQ(GetNextTeilnehmer(Info), nullptr);
    EXPECT_EQ(GetFirstTeilnehmer(nullptr, SortStartNr, Info), nullptr);
}

TEST(Sortierung, MasterDataByRecencyThenName) {
    Wettbewerb k;
    k.Stamm("Zander", "Uwe", 2024);
    k.Stamm("Abel", "Kurt", 2019);
    k.Stamm("", "Niemand", 2025);
    k.Stamm("Meier", "Eva", 2024);
    k.Stamm("Bauer", "Jan", 2010);

    SortStammDatenNamen(k.w, false);
    EXPECT_EQ(Kette(k.w->StammDatenNameRootPtr, &TeilnehmerTyp::nextName),
              (Namen{"Meier", "Zander", "Abel", "Bauer"}));
    SortStammDatenNamen(k.w, true);
    EXPECT_EQ(Kette(k.w->StammDatenNameRootPtr, &TeilnehmerTyp::nextName),
              (Namen{"Abel", "Bauer", "Meier", "Zander"}));
    EXPECT_EQ(Iteration(k.w, SortStammDatenName), (Namen{"Abel", "Bauer", "Meier", "Zander"}));
    EXPECT_EQ(Iteration(k.w, SortStammDatenListe), (Namen{"Zander", "Abel", "Meier", "Bauer"}));
}

TEST(Sortierung, RoundClassification) {
    WettbewerbTyp w;
    w.AnzVorrunden = 5;
    w.AnzSeniorenFlyOff = 2;
    struct { int Nr; int Senior; int Jugend; } Faelle[] = {
        {1, 0, 0}, {5, 0, 0}, {6, 1, 0}, {7, 2, 0}, {8, 0, 1}, {9, 0, 2},
    };
    for (auto& f : Faelle) {
        EXPECT_EQ(DurchgangIstFlyOff(&w, f.Nr), f.Senior) << f.Nr;
        EXPECT_EQ(DurchgangIstFlyOffJugend(&w, f.Nr), f.Jugend) << f.Nr;
    }
}

TEST(Sortierung, EntryLookupCreatesEntryInGroupOfParticipant) {
    Wettbewerb k;
    TeilnehmerTyp* a = k.Neu("Adam", 1);
    a->Gruppe[3] = 2;
    TeilnehmerTyp* b = k.Neu("Berta", 2); // not assigned in round 3

    DurchgangTyp* d = GetDurchgangPtr(k.w, 3);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Nr, 3);
    EXPECT_EQ(GetDurchgangPtr(k.w, 3), d);

    WertungTyp* wa = GetWertungPtr(k.w, d, a->EdvNr);
    WertungTyp* wb = GetWertungPtr(k.w, d, 2);
    ASSERT_NE(wa, nullptr);
    ASSERT_NE(wb, nullptr);
    EXPECT_EQ(wb->EdvNr, 2);
    EXPECT_EQ(GetWertungPtr(k.w, d, 2), wb);
    EXPECT_EQ(DatenWertungGetPtr(d, a->EdvNr, 0), wa);
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->Nr == 2) EXPECT_EQ(g->WertungPtr, wa);
        else if (g->Nr == 0) EXPECT_EQ(g->WertungPtr, wb);
        else ADD_FAILURE() << "unexpected group " << g->Nr;
    }

    // An unknown number creates the participant record too.
    EXPECT_NE(GetWertungPtr(k.w, d, 77), nullptr);
    EXPECT_NE(GetTeilnehmerEdvNr(k.w, 77), nullptr);

    DurchgangTyp* zuHoch = GetDurchgangPtr(k.w, 31);
    EXPECT_EQ(GetWertungPtr(k.w, zuHoch, 1), nullptr);
    EXPECT_EQ(GetWertungPtr(nullptr, d, 5), nullptr);
    EXPECT_EQ(GetTeilnehmerStartNr(k.w, 2), b);
    EXPECT_EQ(GetTeilnehmerStartNr(k.w, 55), nullptr);
}

TEST(Sortierung, NilCompetitionIsIgnored) {
    SortAll(nullptr);
    SortStammDatenNamen(nullptr, true);
    EXPECT_EQ(GetDurchgangPtr(nullptr, 1), nullptr);
    EXPECT_EQ(GetTeilnehmerStartNr(nullptr, 1), nullptr);
}

// The orders must be exactly those of building each chain by insertion, one
// record at a time in creation order. The reference below does that
// literally; random lists with many equal keys compare both.
std::vector<TeilnehmerTyp*> DurchEinfuegen(TeilnehmerTyp* Root, const std::function<bool(TeilnehmerTyp*)>& Mit,
                                           const std::function<bool(TeilnehmerTyp*, TeilnehmerTyp*)>& VorderFront,
                                           const std::function<bool(TeilnehmerTyp*, TeilnehmerTyp*)>& Halt) {
    std::vector<TeilnehmerTyp*> c;
    for (TeilnehmerTyp* a = Root; a; a = a->next) {
        if (!Mit(a)) continue;
        if (c.empty() || VorderFront(a, c.front())) {
            c.insert(c.begin(), a);
            continue;
        }
        std::size_t p = 0;
        while (p + 1 < c.size() && !Halt(a, c[p + 1])) ++p;
        c.insert(c.begin() + static_cast<long>(p) + 1, a);
    }
    return c;
}

std::vector<TeilnehmerTyp*> Folge(TeilnehmerTyp* Root, Glied Feld) {
    std::vector<TeilnehmerTyp*> v;
    for (TeilnehmerTyp* p = Root; p; p = p->*Feld) v.push_back(p);
    return v;
}

TEST(Sortierung, OrdersEqualInsertionOneByOne) {
    std::mt19937 Zufall(4711);
    for (int Runde = 0; Runde < 200; ++Runde) {
        Wettbewerb k;
        k.w->DurchgangNr = 1;
        k.w->AnzVorrunden = 3;
        int n = 1 + static_cast<int>(Zufall() % 30);
        for (int i = 0; i < n; ++i) {
            const char* Namen[] = {"", "Abel", "abel", "Müller", "Muller", "Zander"};
            TeilnehmerTyp* t = k.Neu(Namen[Zufall() % 6], static_cast<int>(Zufall() % 5));
            t->MeldgNr = static_cast<int>(Zufall() % 6) - 1;
            t->PlatzNr = static_cast<int>(Zufall() % 4);
            t->PlatzNrFlyOff = Zufall() % 3 == 0 ? static_cast<int>(Zufall() % 3) : 0;
            t->PlatzTeilnTeamWertung = static_cast<int>(Zufall() % 4);
            // Now and then a group number far from the others, as a damaged
            // file may give it.
            t->Gruppe[1] = Runde % 4 == 3 && Zufall() % 8 == 0 ? 2000000000 - static_cast<int>(Zufall() % 2)
                                                               : 1 + static_cast<int>(Zufall() % 3);
            t->Startplatz[1] = Zufall() % 2 ? 1 + static_cast<int>(Zufall() % 8) : 0;
        }
        SortAll(k.w);
        TeilnehmerTyp* r = k.w->TeilnehmerRootPtr;
        auto kleiner = [](int TeilnehmerTyp::*f) {
            return [f](TeilnehmerTyp* a, TeilnehmerTyp* b) { return a->*f < b->*f; };
        };
        auto nichtKleiner = [](int TeilnehmerTyp::*f) {
            return [f](TeilnehmerTyp* a, TeilnehmerTyp* b) { return !(b->*f < a->*f); };
        };
        EXPECT_EQ(Folge(k.w->TeilnehmerMeldgNrRootPtr, &TeilnehmerTyp::nextMeldgNr),
                  DurchEinfuegen(r, [](TeilnehmerTyp* a) { return a->MeldgNr != 0; }, kleiner(&TeilnehmerTyp::MeldgNr),
                                 nichtKleiner(&TeilnehmerTyp::MeldgNr)));
        EXPECT_EQ(Folge(k.w->TeilnehmerStartNrRootPtr, &TeilnehmerTyp::nextStartNr),
                  DurchEinfuegen(r, [](TeilnehmerTyp* a) { return a->StartNr != 0; }, kleiner(&TeilnehmerTyp::StartNr),
                                 nichtKleiner(&TeilnehmerTyp::StartNr)));
        auto name = [](TeilnehmerTyp* a) { return NamensSortierSchluessel(CnvNameTypToNameStr(&a->Name, true)); };
        EXPECT_EQ(Folge(k.w->TeilnehmerNameRootPtr, &TeilnehmerTyp::nextName),
                  DurchEinfuegen(
                      r, [](TeilnehmerTyp* a) { return !a->Name.NachnameStr.empty(); },
                      [&](TeilnehmerTyp* a, TeilnehmerTyp* b) { return name(a) < name(b); },
                      [&](TeilnehmerTyp* a, TeilnehmerTyp* b) { return !(name(b) < name(a)); }));
        auto P = [](TeilnehmerTyp* a) { return a->PlatzNrFlyOff > 0 ? a->PlatzNrFlyOff : a->PlatzNr; };
        auto platzVor = [&](TeilnehmerTyp* a, TeilnehmerTyp* b) {
            return (P(a) != 0 && P(a) < P(b)) || P(b) == 0;
        };
        EXPECT_EQ(Folge(k.w->TeilnehmerPlatzRootPtr, &TeilnehmerTyp::nextPlatz),
                  DurchEinfuegen(r, [](TeilnehmerTyp*) { return true; }, platzVor, platzVor));
        auto teamVor = [](TeilnehmerTyp* a, TeilnehmerTyp* b) {
            int na = a->PlatzTeilnTeamWertung, nb = b->PlatzTeilnTeamWertung;
            return (nb == 0 && na != 0) || (na != 0 && na < nb);
        };
        EXPECT_EQ(Folge(k.w->TeilnehmerTeamRootPtr, &TeilnehmerTyp::nextTeam),
                  DurchEinfuegen(r, [](TeilnehmerTyp*) { return true; }, teamVor, teamVor));
        // Start order with every participant assigned to a group.
        auto gruppeVor = [&](TeilnehmerTyp* a, TeilnehmerTyp* b) {
            if (a->Gruppe[1] != b->Gruppe[1]) return a->Gruppe[1] < b->Gruppe[1];
            return GetTeilnehmerStartPlatzNr(k.w, a, 1) <= GetTeilnehmerStartPlatzNr(k.w, b, 1);
        };
        EXPECT_EQ(Folge(k.w->TeilnehmerGruppeRootPtr, &TeilnehmerTyp::nextGruppe),
                  DurchEinfuegen(r, [](TeilnehmerTyp*) { return true; }, gruppeVor, gruppeVor));
        if (HasFailure()) break;
    }
}

} // namespace
} // namespace tavuran
