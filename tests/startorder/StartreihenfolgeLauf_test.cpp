// The run: its states and progress, choosing the candidate, the write-back
// with start numbers, partial draws, the draw without group start, the
// representation and the division checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>

#include "AuslosungsWettbewerb.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeDialog.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran {
namespace {

using test::AuslosungsWettbewerb;
using test::Gruppen;
using test::ProtokollMitschrift;

class Lauf : public ::testing::Test {
  protected:
    void SetUp() override {
        L_REGIST_SetStore(store_.get());
        StartreihenfolgeZufallFest(21);
    }
    void TearDown() override { L_REGIST_SetStore(nullptr); }

    struct Stand {
        std::vector<int> gruppe, platz, startNr;
        bool operator==(const Stand&) const = default;
    };
    static Stand Runde(AuslosungsWettbewerb& w, int n, int r) {
        Stand s;
        for (int nr = 1; nr <= n; ++nr) {
            s.gruppe.push_back(w.T(nr)->Gruppe[r]);
            s.platz.push_back(w.T(nr)->Startplatz[r]);
            s.startNr.push_back(w.T(nr)->StartNr);
        }
        return s;
    }
    static int Progress() {
        int zustand, fortschritt, maximum;
        GetProgressStartreihenfolge(zustand, fortschritt, maximum);
        EXPECT_EQ(maximum, 60);
        return fortschritt;
    }
    // Participants by group and start place of round 1.
    static std::vector<TeilnehmerTyp*> Startfolge(AuslosungsWettbewerb& w) {
        std::vector<TeilnehmerTyp*> v;
        for (TeilnehmerTyp* t = w.W->TeilnehmerRootPtr; t; t = t->next) v.push_back(t);
        std::sort(v.begin(), v.end(), [](TeilnehmerTyp* a, TeilnehmerTyp* b) {
            return std::pair(a->Gruppe[1], a->Startplatz[1]) < std::pair(b->Gruppe[1], b->Startplatz[1]);
        });
        return v;
    }

    std::unique_ptr<SettingsStore> store_ = NewMemorySettingsStore();
};

TEST_F(Lauf, FuenfzigKandidatenDerErsteMitDerNiedrigstenBewertungGewinnt) {
    AuslosungsWettbewerb w(16, 3, 8);
    ProtokollMitschrift log;
    SetStartreihenfolgeOptionen(false, false);
    ReadRelevantWettDatenAtStartOfPilotSort(w.W);
    EXPECT_EQ(Progress(), 0);
    InitStartreihenfolge(16, 2, true, 8, 0x7);
    EXPECT_EQ(Progress(), 1);
    SortierTask(); // starting
    EXPECT_EQ(GetSortierState(), SortStateEinteilen);
    SortierTask();
    EXPECT_EQ(Progress(), 2);
    for (int i = 2; i <= 49; ++i) SortierTask();
    EXPECT_EQ(Progress(), 55);
    SortierTask();
    EXPECT_EQ(GetSortierState(), SortStateBewerten);
    EXPECT_EQ(Progress(), 58);
    SortierTask();
    EXPECT_EQ(Progress(), 60);
    SortierTask();
    SortierTask();
    EXPECT_EQ(GetSortierState(), SortStateIdle);

    const SortType& lauf = GetSortierLauf();
    int erster = 1;
    for (int i = 2; i <= 50; ++i)
        if (lauf.Score[i] < lauf.Score[erster]) erster = i;
    EXPECT_EQ(lauf.BestScoreIndex, erster);
    EXPECT_EQ(lauf.BestScore, lauf.Score[erster]);

    // The scores are logged in lines of more than 60 characters, the last one excepted.
    auto von = std::find(log.Zeilen.begin(), log.Zeilen.end(), "Verteilergebnisse:");
    const std::string gewaehlt = "Auszählung mit Ergebnis " + std::to_string(lauf.BestScore) + " wird verwendet";
    auto bis = std::find(log.Zeilen.begin(), log.Zeilen.end(), gewaehlt);
    ASSERT_NE(von, log.Zeilen.end());
    ASSERT_NE(bis, log.Zeilen.end());
    std::string alle;
    for (auto z = von + 1; z != bis; ++z) {
        if (z + 1 != bis) {
            EXPECT_GT(L_STR_Length(*z), 60u) << *z;
        }
        alle += *z;
    }
    std::string erwartet;
    for (int i = 1; i <= 50; ++i) erwartet += std::to_string(lauf.Score[i]) + ", ";
    EXPECT_EQ(alle, erwartet);
    EXPECT_TRUE(log.Enthaelt("Auszählung Runde 50:"));

    // The written division is the chosen candidate, now the representation.
    for (int r = 1; r <= 3; ++r) {
        auto rep = Gruppen(GetSortRootPtr(), r);
        for (auto& [g, s] : rep)
            for (int nr : s) EXPECT_EQ(w.T(nr)->Gruppe[r], g);
        EXPECT_TRUE(w.Runde(r)->DurchgangEingeteilt);
    }
    EXPECT_TRUE(GetDurchgangStartreihenfolgeEingeteilt(w.W));
}

TEST_F(Lauf, NurDurchgang3AendertNurDurchgang3) {
    AuslosungsWettbewerb w(20, 5, 5);
    StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
    std::vector<Stand> vorher;
    for (int r = 1; r <= 5; ++r) vorher.push_back(Runde(w, 20, r));

    AuslosungsAuftrag nur3;
    nur3.DurchgangInfo = 0x4;
    StartreihenfolgeAuslosen(w.W, nur3);
    for (int r = 1; r <= 5; ++r) {
        const Stand jetzt = Runde(w, 20, r);
        EXPECT_EQ(jetzt.startNr, vorher[r - 1].startNr);
        if (r != 3) {
            EXPECT_EQ(jetzt, vorher[r - 1]) << r;
        }
        EXPECT_EQ(w.Runde(r)->DurchgangEingeteilt, r == 3) << r;
    }
    EXPECT_NE(Runde(w, 20, 3).gruppe, vorher[2].gruppe);
    auto groessen = w.Gruppengroessen(3);
    EXPECT_EQ(groessen.size(), 4u);
    for (auto [g, k] : groessen) EXPECT_EQ(k, 5);
}

TEST_F(Lauf, OhneDurchgangsdatensaetzeGiltDieEinteilungDerTeilnehmer) {
    // A file without results has no round records.
    AuslosungsWettbewerb w(20, 5, 5);
    StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
    DatenDurchgangDispose(w.W->DurchgangRootPtr);
    const Stand r1 = Runde(w, 20, 1);
    for (int nr = 1; nr <= 20; ++nr) w.T(nr)->Gruppe[3] = 0;
    AuslosungsAuftrag nur3;
    nur3.DurchgangInfo = 0x4;
    StartreihenfolgeAuslosen(w.W, nur3);
    EXPECT_EQ(Runde(w, 20, 1), r1);
    EXPECT_LT(GetSortierLauf().BestScore, StartreihenfolgeFinalFehler);
    auto groessen = w.Gruppengroessen(3);
    EXPECT_EQ(groessen.size(), 4u);
    EXPECT_EQ(groessen.count(0), 0u);
    ASSERT_NE(w.Runde(3), nullptr);
    EXPECT_TRUE(w.Runde(3)->DurchgangEingeteilt);
}

TEST_F(Lauf, WaehrendDesDialogsEntfernterTeilnehmerWirdNichtAusgelost) {
    AuslosungsWettbewerb w(12, 3, 4);
    w.Helfer(1, 1, 2);
    StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
    // The dialog reads the division and builds the protection, then the
    // main window removes participant 2.
    ReadRelevantWettDatenAtStartOfPilotSort(w.W);
    CreateTeamGroup(w.W, true, true, false);
    ASSERT_NE(GetTeamGroupRootPtr(), nullptr);
    TeilnehmerTyp** p = &w.W->TeilnehmerRootPtr;
    while ((*p)->EdvNr != 2) p = &(*p)->next;
    TeilnehmerTyp* weg = *p;
    *p = weg->next;
    delete weg;
    SortAll(w.W);
    InitStartreihenfolge(11, 3, true, 4, 0x7);
    while (GetSortierState() != SortStateIdle) SortierTask();
    EXPECT_EQ(GetTeamGroupRootPtr(), nullptr);
    EXPECT_LT(GetSortierLauf().BestScore, StartreihenfolgeFinalFehler);
    int gezaehlt = 0;
    for (auto& [g, s] : Gruppen(GetSortRootPtr(), 1)) gezaehlt += static_cast<int>(s.size());
    EXPECT_EQ(gezaehlt, 11);
}

TEST_F(Lauf, Durchgang1VergibtStartnummernUmAusgelasseneHerum) {
    AuslosungsWettbewerb w(12, 3, 4);
    L_REGIST_SetStringValue("ExcludeStartNr", "", "1;3;");
    StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
    const std::vector<int> erwartet = {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    std::vector<int> ist;
    for (TeilnehmerTyp* t : Startfolge(w)) ist.push_back(t->StartNr);
    EXPECT_EQ(ist, erwartet);
    EXPECT_EQ(w.W->DurchgangNr, 1);
}

TEST_F(Lauf, OhneGruppenstartFliegtJederFuerSichInZufaelligerFolge) {
    AuslosungsWettbewerb w(9, 3);
    AuslosungsAuftrag a;
    a.GruppenStart = false;
    StartreihenfolgeAuslosen(w.W, a);
    EXPECT_FALSE(w.W->Gruppenstart);
    EXPECT_EQ(GetSortierLauf().LoopCnt, 1);
    std::vector<int> nummern;
    for (int nr = 1; nr <= 9; ++nr) {
        TeilnehmerTyp* t = w.T(nr);
        for (int r = 1; r <= 30; ++r) EXPECT_EQ(t->Gruppe[r], 1);
        nummern.push_back(t->StartNr);
    }
    // The start numbers follow the drawn single groups of round 1.
    for (auto& [g, s] : Gruppen(GetSortRootPtr(), 1)) {
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(w.T(*s.begin())->StartNr, g);
    }
    std::vector<int> folge(9);
    std::iota(folge.begin(), folge.end(), 1);
    EXPECT_TRUE(std::is_permutation(nummern.begin(), nummern.end(), folge.begin()));
    EXPECT_NE(nummern, folge);
    EXPECT_TRUE(GetDurchgangStartreihenfolgeEingeteilt(w.W));
}

TEST_F(Lauf, DarstellungLiestNurEingeteilteDurchgaengeInDenGrenzen) {
    AuslosungsWettbewerb w(20, 3, 5); // 4 groups
    for (int nr = 1; nr <= 20; ++nr) w.T(nr)->Gruppe[1] = (nr - 1) % 4 + 1;
    w.T(5)->Name = NameTyp{}; // not listed: neither checked nor read
    w.T(5)->Gruppe[1] = 9;    // beyond the groups
    w.T(6)->Name.VornameStr = ""; // listed without a first name
    w.T(7)->Gruppe[2] = 1;        // round 2 is not divided
    ReadRelevantWettDatenAtStartOfPilotSort(w.W);
    auto r1 = Gruppen(GetSortRootPtr(), 1);
    std::set<int> gelesen;
    for (auto& [g, s] : r1) gelesen.insert(s.begin(), s.end());
    EXPECT_EQ(gelesen.size(), 19u);
    EXPECT_FALSE(gelesen.count(5));
    EXPECT_TRUE(gelesen.count(6));
    EXPECT_TRUE(Gruppen(GetSortRootPtr(), 2).empty());
    EXPECT_EQ(GetStartreihenfolgeWettPtr(), w.W);
    // A listed pilot in a group beyond the groups: round 1 is no division.
    w.T(6)->Gruppe[1] = 7;
    ReadRelevantWettDatenAtStartOfPilotSort(w.W);
    EXPECT_TRUE(Gruppen(GetSortRootPtr(), 1).empty());
}

TEST(Einteilung, BeideVariantenDerPruefung) {
    struct Fall {
        const char* name;
        int gruppe;       // AnzTeilnGruppe
        bool gruppenstart;
        std::vector<int> gruppen; // of participants 1..n in round 1
        bool auslosung, hauptfenster;
    } faelle[] = {
        {"zwei Gruppen zu 8", 8, true, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}, true, true},
        {"alle in Gruppe 1", 8, true, std::vector<int>(16, 1), false, false},
        {"nur eine Gruppe", 20, true, std::vector<int>(16, 1), true, true},
        {"Gruppe jenseits", 8, true, {1, 2, 3, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}, false, true},
        {"ohne Gruppe", 8, true, {1, 2, 0, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}, false, false},
        {"ohne Gruppenstart", 8, false, std::vector<int>(16, 1), true, true},
        {"ohne Gruppenstart Gruppe 2", 8, false, {1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, false, false},
    };
    for (const Fall& f : faelle) {
        AuslosungsWettbewerb w(16, 1, f.gruppe);
        w.W->Gruppenstart = f.gruppenstart;
        for (int nr = 1; nr <= 16; ++nr) w.T(nr)->Gruppe[1] = f.gruppen[nr - 1];
        int lo = 0, hi = 0;
        EXPECT_EQ(GetDurchgangStartreihenfolgeEingeteiltAuslosung(w.W, &lo, &hi), f.auslosung) << f.name;
        EXPECT_EQ(w.Runde(1)->DurchgangEingeteilt, f.auslosung) << f.name;
        EXPECT_EQ(GetDurchgangStartreihenfolgeEingeteilt(w.W), f.hauptfenster) << f.name;
        if (f.auslosung && f.gruppenstart) {
            EXPECT_EQ(lo, 1) << f.name;
            EXPECT_EQ(hi, *std::max_element(f.gruppen.begin(), f.gruppen.end())) << f.name;
        }
    }
    AuslosungsWettbewerb leer(4, 0);
    EXPECT_TRUE(GetDurchgangStartreihenfolgeEingeteilt(leer.W));
    EXPECT_FALSE(GetDurchgangStartreihenfolgeEingeteilt(nullptr));
    EXPECT_FALSE(GetDurchgangStartreihenfolgeEingeteiltAuslosung(nullptr));
}

TEST(Einteilung, StartnummernpruefungFragtDieFortschrittswarnung) {
    AuslosungsWettbewerb w(2);
    w.W->Status = 60;
    EXPECT_TRUE(GetStartreihenfolgeErmittelt(w.W));
    w.W->Warnstufe = 60;
    EXPECT_FALSE(GetStartreihenfolgeErmittelt(w.W));
}

} // namespace
} // namespace tavuran
