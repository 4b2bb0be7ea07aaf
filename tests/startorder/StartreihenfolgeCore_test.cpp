// The draw engine: group arithmetic, the scores, the reference round, the
// rotation, the repair pass, whole draws under protection and channels, and
// odd counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "AuslosungsWettbewerb.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeDialog.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran {
namespace {

using test::AuslosungsWettbewerb;
using test::Gruppen;
using test::ProtokollMitschrift;

constexpr std::int64_t Alle = 0x3FFFFFFF;

// One candidate as the run computes it, from the competition's division.
SortDrchgType* EinKandidat(AuslosungsWettbewerb& w, int g, std::int64_t maske = Alle) {
    ReadRelevantWettDatenAtStartOfPilotSort(w.W);
    InitWelchenDurchgangSort(maske);
    SortDrchgType* k = CopyDrchg(GetSortRootPtr());
    TeilnSortAllDurchg(k, w.W, g);
    return k;
}

// A candidate built by hand: rounds of groups of EdvNr.
SortDrchgType* Kandidat(AuslosungsWettbewerb& w, const std::vector<std::vector<std::vector<int>>>& runden) {
    SortDrchgType* k = nullptr;
    for (std::size_t r = 0; r < runden.size(); ++r) {
        SortDrchgType* d = GetDurchgPtr(k, static_cast<int>(r) + 1);
        for (std::size_t g = 0; g < runden[r].size(); ++g) {
            SortGroupType* gr = GetGroupPtr(d, static_cast<int>(g) + 1);
            for (int nr : runden[r][g]) InsertPilotInToGroup(gr, w.T(nr));
        }
    }
    return k;
}

TEST(Gruppenrechnung, AnzahlUndAusgeglicheneGroesse) {
    struct Fall {
        int n, g, a, G;
    } faelle[] = {
        {40, 10, 4, 10}, {40, 9, 5, 8}, {41, 10, 5, 9}, {0, 10, 0, 0}, {5, 0, 5, 1}, {7, -3, 7, 1}, {10, 500, 1, 10},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(CalcAnzahlGruppen(f.n, f.g), f.a) << f.n << "/" << f.g;
        EXPECT_EQ(CalcBestGruppenGroesse(f.n, f.g), f.G) << f.n << "/" << f.g;
    }
}

TEST(Gruppenrechnung, NurSovieleGruppenWieMoeglichDuerfenDieGroessereGroesseHaben) {
    AuslosungsWettbewerb w(41);
    SortDrchgType* k = Kandidat(w, {{{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}});
    SortGroupType* gruppen = SearchDurchgPtr(k, 1)->GroupRootPtr;
    // 41 in 5 groups: one group of 9, four of 8.
    EXPECT_EQ(GetGruppenGroesse(gruppen, 41, 5), 9);
    InsertPilotInToGroup(SearchGroupPtr(SearchDurchgPtr(k, 1), 1), w.T(17));
    EXPECT_EQ(GetGruppenGroesse(SearchDurchgPtr(k, 1)->GroupRootPtr, 41, 5), 8);
    EXPECT_EQ(GetGruppenGroesse(gruppen, 0, 0), 0);
    DoneDrchg(k);
}

TEST(Verteilscore, TreffenKanaeleUndSchutz) {
    struct Fall {
        std::string kanal1, kanal2;
        int runden;
        int score;
    } faelle[] = {
        {"2G4", "2G4", 3, 162},                    // 2 * 3^4
        {"72", "72", 3, 162 + 2 * 3 * 16384},      // plus every meeting on one channel
        {"72", "73", 1, 2},
        {"0", "0", 1, 2},                          // no channel given: no clash
        {"", "", 1, 2},
        {"2,4 GHz", "2.4ghz", 2, 32},              // 2.4 GHz never clashes
    };
    for (const Fall& f : faelle) {
        AuslosungsWettbewerb w(2);
        w.Kanal(1, f.kanal1);
        w.Kanal(2, f.kanal2);
        std::vector<std::vector<std::vector<int>>> runden(f.runden, {{1, 2}});
        SortDrchgType* k = Kandidat(w, runden);
        EXPECT_EQ(BewerteFertigenDurchgang(k, w.W), f.score) << f.kanal1 << " " << f.runden;
        DoneDrchg(k);
    }
}

TEST(Verteilscore, GeschuetztePaareKostenInBeideRichtungen) {
    AuslosungsWettbewerb w(3);
    w.T(1)->Jugendlich = true;
    w.Helfer(1, 1, 2);
    w.Helfer(1, 2, 3);
    CreateTeamGroup(w.W, false, true, false);
    SortDrchgType* k = Kandidat(w, {{{1, 2, 3}}});
    // Two protected pairs cost 2 + 4096 + 8192 each, the two helpers only their meeting.
    EXPECT_EQ(BewerteFertigenDurchgang(k, w.W), 2 * (2 + 4096 + 8192) + 2);
    DoneDrchg(k);
}

TEST(FinalCheck, UnvollstaendigeOderUnausgeglicheneKandidaten) {
    AuslosungsWettbewerb w(4);
    struct Fall {
        std::vector<std::vector<std::vector<int>>> runden;
        int erwartet;
    } faelle[] = {
        {{{{1, 2}, {3, 4}}, {{1, 3}, {2, 4}}}, 0},
        {{{{1, 2}, {3, 4}}, {{1, 3}, {2}}}, StartreihenfolgeFinalFehler},   // 4 missing in round 2
        {{{{1, 2, 3}, {4}}, {{1, 3}, {2, 4}}}, StartreihenfolgeFinalFehler}, // sizes 3 and 1
    };
    for (const Fall& f : faelle) {
        SortDrchgType* k = Kandidat(w, f.runden);
        EXPECT_EQ(MakeFinalCheck(w.W, k), f.erwartet);
        EXPECT_GE(BewerteFertigenDurchgang(k, w.W) + MakeFinalCheck(w.W, k), f.erwartet);
        DoneDrchg(k);
    }
}

TEST(Rotation, ReferenzgruppenWerdenQuerVerteilt) {
    AuslosungsWettbewerb w(40);
    std::vector<std::vector<int>> ref(4);
    for (int nr = 1; nr <= 40; ++nr) ref[(nr - 1) / 10].push_back(nr);
    SortDrchgType* k = Kandidat(w, {ref});
    InitWelchenDurchgangSort(Alle);
    ClearNewDurchgang(k, w.W, 1);
    SortDurchgangPermutation(k, w.W, 10, 5, 1);

    std::map<int, int> ordnung; // order number -> EdvNr
    for (SortGroupType* g = SearchDurchgPtr(k, 1)->GroupRootPtr; g; g = g->next)
        for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) ordnung[e->OrdnungsNr] = e->TeilnPtr->EdvNr;
    ASSERT_EQ(ordnung.size(), 40u);
    auto mit = [&](std::initializer_list<int> nummern) {
        std::set<int> s;
        for (int i : nummern) s.insert(ordnung[i]);
        return s;
    };
    // Round 2: group t takes the order numbers t, t+10, t+20, t+30 (one from every reference group).
    auto r2 = Gruppen(k, 2);
    for (int t = 1; t <= 4; ++t) EXPECT_EQ(r2[t], mit({t, t + 10, t + 20, t + 30})) << t;
    // Round 3 goes on with the next reading positions.
    auto r3 = Gruppen(k, 3);
    EXPECT_EQ(r3[1], mit({5, 15, 25, 35}));
    EXPECT_EQ(r3[4], mit({8, 18, 28, 38}));
    // Round 4: after position 10 the stride grows to 11.
    auto r4 = Gruppen(k, 4);
    EXPECT_EQ(r4[2], mit({10, 20, 30, 40}));
    EXPECT_EQ(r4[3], mit({1, 12, 23, 34}));
    DoneDrchg(k);
}

TEST(Reparatur, HaeufigeTreffenUndGeschuetztePaareWerdenGetrennt) {
    EXPECT_EQ(StartreihenfolgeWiederholungsLimit(40, 10), 3);
    EXPECT_EQ(StartreihenfolgeWiederholungsLimit(41, 10), 2);

    AuslosungsWettbewerb w(40);
    // 1 and 2 meet four times (above the limit 3), 3 and 4 three times.
    SortDrchgType* k = Kandidat(w, {{{1, 2}, {3, 4}}, {{1, 2}, {3, 4}}, {{1, 2}, {3, 4}}, {{1, 2}, {3}, {4}}});
    InitWelchenDurchgangSort(0xE); // rounds 2..4 are drawn, round 1 is kept
    ProtokollMitschrift log;
    SortDurchgangOptimization(k, w.W, 10);
    EXPECT_EQ(Gruppen(k, 1)[1], (std::set<int>{1, 2}));
    for (int r = 2; r <= 4; ++r) {
        auto g = Gruppen(k, r);
        EXPECT_EQ(g[1].size(), 1u) << r;
        EXPECT_EQ(CountUnsortedInDurchg(SearchDurchgPtr(k, r)), 1) << r;
        if (r < 4) {
            EXPECT_EQ(g[2], (std::set<int>{3, 4})) << r;
        }
    }
    EXPECT_TRUE(log.Enthaelt("Löse Teilnehmer mit hoher Wiederholungsrate aus der Verteilliste"));
    EXPECT_TRUE(log.Enthaelt(
        "Durchgang 1 wird ist bereits sortiert und wird bez. Optimierung nicht berücksichtigt."));
    DoneDrchg(k);

    // A protected pair is split after one meeting.
    w.T(5)->Jugendlich = true;
    w.Helfer(5, 1, 6);
    CreateTeamGroup(w.W, false, true, false);
    k = Kandidat(w, {{{5, 6, 7}}});
    InitWelchenDurchgangSort(Alle);
    SortDurchgangOptimization(k, w.W, 10);
    auto g = Gruppen(k, 1)[1];
    EXPECT_FALSE(g.count(5) && g.count(6));
    EXPECT_EQ(CountUnsortedInDurchg(SearchDurchgPtr(k, 1)), 1);
    DoneDrchg(k);
}

TEST(Referenzdurchgang, BleibtWennDurchgang1NichtAusgelostWird) {
    AuslosungsWettbewerb w(20, 5, 5);
    for (int nr = 1; nr <= 20; ++nr) w.T(nr)->Gruppe[1] = (nr - 1) / 5 + 1;
    ReadRelevantWettDatenAtStartOfPilotSort(w.W);
    auto vorher = Gruppen(GetSortRootPtr(), 1);
    ProtokollMitschrift log;
    SortDrchgType* k = EinKandidat(w, 5, 0x1E);
    EXPECT_EQ(Gruppen(k, 1), vorher);
    EXPECT_TRUE(log.Enthaelt("Bereits bestehender Durchgang 1 wird Referenzdurchgang als Referenzdurchgang verwendet."));
    EXPECT_LT(GetLastBewertungsScore(), StartreihenfolgeFinalFehler);
    DoneDrchg(k);
}

TEST(Ablauf, ProtokollNenntJedenSchrittMitSeinemText) {
    AuslosungsWettbewerb w(20, 3, 5);
    StartreihenfolgeZufallFest(3);
    ProtokollMitschrift log;
    SortDrchgType* k = EinKandidat(w, 5);
    for (const char* z : {
             "Verteilung durch Zufall Durchgang 1 als Referenzdurchgang:",
             "Durchgang 1 vollständig und konfliktfrei verteilt.",
             "Lösche Verteilung Durchgang 2",
             "Verteilung durch Permutation Durchgang 3",
             "20 Teilnehmer in Durchgang 1",
             "Sortiere alle \"unsortierten\" Teilnehmer nach \"Sperrigkeit\".",
             "Sortiere alle Gruppen nach Größe.",
             "Sortiere alle Durchgänge nach Größe.",
             "Verteile unsortierte Teamschutz-Helfer in Durchgang 2",
             "Verteile unsortierte Teamschutz-Piloten in Durchgang 2",
             "Verteile übrige bislang unsortierte Teilnehmer in Durchgang 3",
             "0 unverteilte Teilnehmer Durchgang 1",
         })
        EXPECT_TRUE(log.Enthaelt(z)) << z;
    EXPECT_TRUE(std::any_of(log.Zeilen.begin(), log.Zeilen.end(),
                            [](const std::string& z) { return z.rfind("Erreichter Verteilscore: ", 0) == 0; }));
    EXPECT_EQ(std::string("Sortiere alle \"unsortierten\" Teilnehmer nach \"Sperrigkeit\".").size(), 59u);
    DoneDrchg(k);
}

TEST(Ablauf, UnloesbarerTeamschutzEndetNachZehnVersuchenMitHoechstwert) {
    // The pilot's group needs a second member, but everyone else is his helper.
    AuslosungsWettbewerb w(4, 2, 2);
    w.T(1)->Jugendlich = true;
    for (int k = 1; k <= 3; ++k) w.Helfer(1, k, k + 1);
    CreateTeamGroup(w.W, false, true, false);
    ProtokollMitschrift log;
    SortDrchgType* k = EinKandidat(w, 2);
    EXPECT_EQ(GetLastBewertungsScore(), StartreihenfolgeScoreMax);
    EXPECT_TRUE(log.Enthaelt("Helfer-Helfer-Konflikt bez. Teamschutz Durchgang 1 konnte nicht gelöst werden."));
    EXPECT_EQ(std::count(log.Zeilen.begin(), log.Zeilen.end(), std::string(45, '=')), 10);
    EXPECT_TRUE(log.Enthaelt("Zu viele Konflikte, starte Verteilung erneut."));
    DoneDrchg(k);
}

TEST(Auslosung, GruppengroessenFuer40Und41Teilnehmer) {
    struct Fall {
        int n, g;
        std::multiset<int> groessen;
    } faelle[] = {
        {40, 10, {10, 10, 10, 10}},
        {40, 9, {8, 8, 8, 8, 8}},
        {41, 10, {8, 8, 8, 8, 9}},
    };
    for (const Fall& f : faelle) {
        AuslosungsWettbewerb w(f.n, 4, f.g);
        StartreihenfolgeZufallFest(11);
        AuslosungsAuftrag a;
        StartreihenfolgeAuslosen(w.W, a);
        for (int r = 1; r <= 4; ++r) {
            std::multiset<int> groessen;
            for (auto [g, k] : w.Gruppengroessen(r)) {
                EXPECT_GE(g, 1);
                groessen.insert(k);
            }
            EXPECT_EQ(groessen, f.groessen) << f.n << "/" << f.g << " Durchgang " << r;
            // The members of a group hold the start places 1..k.
            std::map<int, std::set<int>> plaetze;
            for (TeilnehmerTyp* t = w.W->TeilnehmerRootPtr; t; t = t->next)
                plaetze[t->Gruppe[r]].insert(t->Startplatz[r]);
            for (auto& [g, s] : plaetze) {
                EXPECT_EQ(*s.begin(), 1);
                EXPECT_EQ(*s.rbegin(), static_cast<int>(s.size()));
                EXPECT_EQ(static_cast<int>(s.size()), w.Gruppengroessen(r)[g]);
            }
        }
        EXPECT_LT(GetSortierLauf().BestScore, StartreihenfolgeFinalFehler);
    }
}

TEST(Auslosung, GeschuetzterPilotFliegtNieMitSeinenHelfern) {
    AuslosungsWettbewerb w(24, 5, 8);
    w.Helfer(1, 1, 2);
    w.Helfer(1, 3, 3);
    StartreihenfolgeZufallFest(5);
    AuslosungsAuftrag a;
    a.TeamschutzHelfer = true;
    a.TeamschutzAlle = true;
    StartreihenfolgeAuslosen(w.W, a);
    EXPECT_EQ(CountTeamschutzMaxVerkettung(GetTeamGroupRootPtr()), 1);
    for (int r = 1; r <= 5; ++r) {
        EXPECT_NE(w.T(1)->Gruppe[r], w.T(2)->Gruppe[r]) << r;
        EXPECT_NE(w.T(1)->Gruppe[r], w.T(3)->Gruppe[r]) << r;
    }
}

TEST(Auslosung, TeamschutzNurFuerJugendlicheOhneAlle) {
    AuslosungsWettbewerb w(24, 5, 8);
    w.Team(1, {1, 2, 3});
    w.Team(2, {4, 5});
    w.T(4)->Jugendlich = true;
    CreateTeamGroup(w.W, false, false, true);
    // Only the junior's team protects: pilot 4 with helper 5.
    ASSERT_NE(GetTeamGroupRootPtr(), nullptr);
    EXPECT_EQ(GetTeamGroupRootPtr()->PilotPtr, w.T(4));
    EXPECT_EQ(GetTeamGroupRootPtr()->next, nullptr);
    CreateTeamGroup(w.W, true, false, true);
    int gruppen = 0;
    for (TeamGroupType* g = GetTeamGroupRootPtr(); g; g = g->next) ++gruppen;
    EXPECT_EQ(gruppen, 2);
}

TEST(Auslosung, KeinKanalkonfliktWennEsEineKonfliktfreieEinteilungGibt) {
    AuslosungsWettbewerb w(24, 5, 8);
    for (int nr : {1, 2, 3}) w.Kanal(nr, "72");
    for (int nr : {4, 5, 6}) w.Kanal(nr, "35,010");
    for (int nr : {7, 8, 9, 10}) w.Kanal(nr, "0"); // without channel: free to meet
    StartreihenfolgeZufallFest(9);
    StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
    for (int r = 1; r <= 5; ++r)
        for (auto [a, b] : {std::pair{1, 2}, {1, 3}, {2, 3}, {4, 5}, {4, 6}, {5, 6}})
            EXPECT_NE(w.T(a)->Gruppe[r], w.T(b)->Gruppe[r]) << r << ": " << a << "/" << b;
    EXPECT_LT(GetSortierLauf().BestScore, 16384);
}

TEST(Auslosung, GleicherStartwertGleicheEinteilung) {
    auto einteilung = [](std::uint64_t seed) {
        AuslosungsWettbewerb w(30, 5, 7);
        w.Helfer(3, 1, 4);
        w.Kanal(5, "72");
        w.Kanal(6, "72");
        StartreihenfolgeZufallFest(seed);
        AuslosungsAuftrag a;
        a.TeamschutzHelfer = a.TeamschutzAlle = true;
        StartreihenfolgeAuslosen(w.W, a);
        std::vector<int> v;
        for (TeilnehmerTyp* t = w.W->TeilnehmerRootPtr; t; t = t->next) {
            v.push_back(t->StartNr);
            for (int r = 1; r <= 5; ++r) {
                v.push_back(t->Gruppe[r]);
                v.push_back(t->Startplatz[r]);
            }
        }
        return v;
    };
    EXPECT_EQ(einteilung(42), einteilung(42));
    EXPECT_NE(einteilung(42), einteilung(43));
}

TEST(Auslosung, UngewoehnlicheZahlenBleibenInDenGrenzen) {
    struct Fall {
        int n, vorrunden, g;
    } faelle[] = {{12, 35, 4}, {12, 5, 0}, {50, 3, 500}, {0, 5, 8}, {3, 2, 1}};
    for (const Fall& f : faelle) {
        AuslosungsWettbewerb w(f.n, f.vorrunden, f.g);
        StartreihenfolgeZufallFest(1);
        SortDrchgType* k = EinKandidat(w, f.g);
        int runden = 0;
        for (SortDrchgType* d = k; d; d = d->next) {
            ++runden;
            EXPECT_LE(d->DurchgangNr, 30);
            for (SortGroupType* g = d->GroupRootPtr; g; g = g->next) {
                EXPECT_LE(CountPilotsInGroup(g), StartreihenfolgeMaxStartplatz);
                for (SortTeilnType* e = g->TeilnRootPtr; e; e = e->next) {
                    EXPECT_GE(e->StartPlatz, 1);
                    EXPECT_LE(e->StartPlatz, StartreihenfolgeMaxStartplatz);
                }
            }
        }
        EXPECT_LE(runden, 30);
        if (f.n == 0) {
            EXPECT_EQ(GetLastBewertungsScore(), 0);
        }
        // Groups of one (requested size 1) still complete every round.
        if (f.g == 1) {
            EXPECT_EQ(GetLastBewertungsScore(), 0);
        }
        DoneDrchg(k);
        // The whole run with write-back as well.
        StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
        for (TeilnehmerTyp* t = w.W->TeilnehmerRootPtr; t; t = t->next)
            for (int r = 1; r <= 30; ++r) EXPECT_LE(t->Startplatz[r], StartreihenfolgeMaxStartplatz);
    }
}

TEST(OhneGruppenstart, JederFliegtFuerSichUndAlleDurchgaengeGleich) {
    AuslosungsWettbewerb w(7, 4);
    InitWelchenDurchgangSort(Alle);
    SortDrchgType* k = nullptr;
    ProtokollMitschrift log;
    TeilnSortOhneGruppenstart(k, w.W);
    auto r1 = Gruppen(k, 1);
    ASSERT_EQ(r1.size(), 7u);
    std::set<int> alle;
    for (auto& [g, s] : r1) {
        EXPECT_EQ(s.size(), 1u);
        alle.insert(*s.begin());
    }
    EXPECT_EQ(alle.size(), 7u);
    for (int r = 2; r <= 4; ++r) EXPECT_EQ(Gruppen(k, r), r1);
    EXPECT_TRUE(log.Enthaelt("Kopiere Verteilung in Durchgang 4"));
    DoneDrchg(k);
}

// Pilots without a first name are listed like everybody else: the draw keeps
// them apart on one channel, and a record without a surname (made for a score
// line without participant) neither counts nor gets a group.
TEST(Auslosung, KanalpaareAuchOhneVorname) {
    for (const bool mitVorname : {true, false}) {
        AuslosungsWettbewerb w(8, 3, 4);
        for (int nr : {1, 2, 3, 4}) {
            w.Kanal(nr, "35,010");
            if (!mitVorname) w.T(nr)->Name.VornameStr.clear();
        }
        TeilnehmerTyp* geist = DatenTeilnehmerGetPtr(w.W->TeilnehmerRootPtr, 99, true);
        geist->Name = NameTyp{};
        StartreihenfolgeZufallFest(5);
        StartreihenfolgeAuslosen(w.W, AuslosungsAuftrag{});
        for (int r = 1; r <= 3; ++r) {
            std::map<int, int> aufKanal;
            for (int nr : {1, 2, 3, 4}) ++aufKanal[w.T(nr)->Gruppe[r]];
            EXPECT_EQ(aufKanal.size(), 2u) << "Vorname " << mitVorname << ", Durchgang " << r;
            for (auto [g, n] : aufKanal) EXPECT_EQ(n, 2) << "Vorname " << mitVorname << ", Gruppe " << g;
            EXPECT_EQ(geist->Gruppe[r], 0);
        }
    }
}

} // namespace
} // namespace tavuran
