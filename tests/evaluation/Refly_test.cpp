#include "evaluation/Refly.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/DatenMannschaft.h"
#include "core/L_STR.h"
#include "core/Zufall.h"
#include "tests/evaluation/TestWettbewerb.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

DurchgangTyp* RundeOhneAnlegen(WettbewerbTyp* w, int Nr) {
    for (DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next)
        if (d->Nr == Nr) return d;
    return nullptr;
}

// The EdvNr of the entries of group (Nr, ReflyOrder) of a round, in list order.
std::vector<int> Eintraege(WettbewerbTyp* w, int Runde, int Nr, int ReflyOrder) {
    std::vector<int> v;
    for (GruppeTyp* g = GetDurchgangPtr(w, Runde)->GruppePtr; g; g = g->next)
        if (g->Nr == Nr && g->ReflyOrder == ReflyOrder)
            for (WertungTyp* e = g->WertungPtr; e; e = e->next) v.push_back(e->EdvNr);
    return v;
}

// Four participants: 1 and 2 in group 1, 3 and 4 in group 2 of round 1.
struct ReflyRunde {
    TestWettbewerb tw;
    ReflyRunde() {
        tw.Runden(2, 2, 2);
        for (int i = 1; i <= 4; ++i) {
            tw.Teilnehmer(i, "N" + std::to_string(i));
            tw.Flug(1, i, 100.0 * i, i <= 2 ? 1 : 2);
        }
    }
};

TEST(Refly, AbfragenDerRunde) {
    ReflyRunde r;
    WettbewerbTyp* w = r.tw.W;
    EXPECT_FALSE(GetReflyInDurchgang(w, 1));
    EXPECT_FALSE(GetReflyInWettbewerb(w, -1));

    // An empty reflight group: the round has reflight groups, but no reflight.
    DurchgangTyp* d = GetDurchgangPtr(w, 1);
    DatenGruppeGetPtr(d->GruppePtr, 2, 1);
    EXPECT_FALSE(GetReflyInDurchgang(w, 1));
    EXPECT_TRUE(GetReflyInWettbewerb(w, 1));
    EXPECT_TRUE(GetReflyInWettbewerb(w, -1));
    EXPECT_FALSE(GetReflyInWettbewerb(w, 2));

    // Only the first reflight group in list order decides.
    GruppeTyp* erste = DatenGruppeGetPtr(d->GruppePtr, 1, 1);
    DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 2, 1), 3);
    ASSERT_EQ(d->GruppePtr, erste);
    EXPECT_FALSE(GetReflyInDurchgang(w, 1));
    DatenWertungInGroupGetPtr(d, erste, 1);
    EXPECT_TRUE(GetReflyInDurchgang(w, 1));

    EXPECT_FALSE(GetReflyInWettbewerb(nullptr, -1));
    EXPECT_FALSE(GetReflyInDurchgang(nullptr, 1));
}

TEST(Refly, ListeZurueckschreiben) {
    ReflyRunde r;
    WettbewerbTyp* w = r.tw.W;
    AktRefly(w, 1, {{"Verursacher", 1, {}, nullptr}, {"-", 3, {}, nullptr}, {"", -1, {}, nullptr}, {"-", 77, {}, nullptr}});
    EXPECT_EQ(Eintraege(w, 1, 1, 1), (std::vector<int>{1}));
    EXPECT_EQ(Eintraege(w, 1, 2, 1), (std::vector<int>{3}));
    DurchgangTyp* d = GetDurchgangPtr(w, 1);
    WertungTyp* r1 = DatenWertungGetPtr(d, 1, 1);
    WertungTyp* r3 = DatenWertungGetPtr(d, 3, 1);
    ASSERT_NE(r1, nullptr);
    ASSERT_NE(r3, nullptr);
    EXPECT_TRUE(r1->ReflyVerursacher);
    EXPECT_FALSE(r3->ReflyVerursacher);
    // The first flights stay where they are.
    EXPECT_EQ(Eintraege(w, 1, 1, 0).size(), 2u);

    // The dialog shows what was written.
    const std::vector<ReflyZeile> gelesen = ReflyZeilenLesen(w, 1);
    ASSERT_EQ(gelesen.size(), 2u);
    std::vector<std::pair<int, std::string>> rollen;
    for (const ReflyZeile& z : gelesen) rollen.emplace_back(z.StartNr, z.Rolle);
    std::sort(rollen.begin(), rollen.end());
    EXPECT_EQ(rollen, (std::vector<std::pair<int, std::string>>{{1, "Verursacher"}, {3, "-"}}));

    // Typed reflight values survive an unchanged list; the role follows the rows.
    r1->WertungDurchg[1] = 555;
    AktRefly(w, 1, {{"-", 1, {}, nullptr}, {"-", 3, {}, nullptr}});
    EXPECT_EQ(DatenWertungGetPtr(d, 1, 1), r1);
    EXPECT_DOUBLE_EQ(r1->WertungDurchg[1], 555);
    EXPECT_FALSE(r1->ReflyVerursacher);

    // A participant taken off the list loses his reflight entry; the emptied group stays.
    AktRefly(w, 1, {{"-", 1, {}, nullptr}});
    EXPECT_EQ(DatenWertungGetPtr(d, 3, 1), nullptr);
    EXPECT_EQ(Eintraege(w, 1, 2, 1), std::vector<int>{});
    EXPECT_TRUE(GetReflyInWettbewerb(w, 1));
    EXPECT_EQ(DatenWertungGetPtr(d, 1, 1), r1);

    AktRefly(w, 1, {});
    EXPECT_FALSE(GetReflyInDurchgang(w, 1));
    EXPECT_TRUE(ReflyZeilenLesen(w, 1).empty());
}

TEST(Refly, UebernehmenWertetAus) {
    ReflyRunde r;
    WettbewerbTyp* w = r.tw.W;
    w->DurchgangPromille = false;
    w->modified = false;
    ReflyUebernehmen(w, 1, {{"Verursacher", 2, {}, nullptr}});
    EXPECT_TRUE(w->modified);
    EXPECT_FALSE(w->CalcWertung);
    // The causer's reflight (no values yet: 0 points) replaces his first flight of 200.
    EXPECT_DOUBLE_EQ(r.tw.T(2)->Punkte, 0);
    DatenWertungGetPtr(GetDurchgangPtr(w, 1), 2, 1)->WertungDurchg[1] = 150;
    r.tw.Rechnen();
    EXPECT_DOUBLE_EQ(r.tw.T(2)->Punkte, 150);
}

TEST(Refly, ZufaelligerTeilnehmer) {
    const std::vector<int> liste = {0, 11, 12, 13, 14, 15};
    // Every participant listed already: nobody is added.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        ZufallSetSeed(seed);
        EXPECT_EQ(ZufaelligeReflyZeile(liste, 5, {11, 12, 13, 14, 15}), -1);
    }
    // Nobody listed: the first candidate is taken, always a row with a start number.
    std::vector<int> gezogen;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        ZufallSetSeed(seed);
        const int i = ZufaelligeReflyZeile(liste, 5, {});
        ASSERT_GE(i, 1);
        ASSERT_LT(i, 6);
        gezogen.push_back(i);
        ZufallSetSeed(seed);
        EXPECT_EQ(ZufaelligeReflyZeile(liste, 5, {}), i); // the same seed draws the same
    }
    // Every participant can be drawn, the last in the list as well.
    std::sort(gezogen.begin(), gezogen.end());
    gezogen.erase(std::unique(gezogen.begin(), gezogen.end()), gezogen.end());
    EXPECT_EQ(gezogen, (std::vector<int>{1, 2, 3, 4, 5}));
    // One participant left: whatever is drawn is never someone listed already.
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        ZufallSetSeed(seed);
        const int i = ZufaelligeReflyZeile(liste, 5, {11, 12, 14, 15});
        EXPECT_TRUE(i == -1 || liste[i] == 13) << i;
    }
    EXPECT_EQ(ZufaelligeReflyZeile({}, 5, {}), -1);
}

TEST(Refly, Strafpunkte) {
    ReflyRunde r;
    WettbewerbTyp* w = r.tw.W;
    EXPECT_FALSE(GetStrafpunkteInDurchgang(w, 1));

    // Round 2 does not exist yet: nothing is shown, written or created.
    std::vector<StrafpunkteZeile> zeilen = {{1, "N1", "7"}};
    StrafpunkteAnzeigen(w, 2, zeilen);
    EXPECT_EQ(zeilen[0].Strafpunkte, "7");
    StrafpunkteRead(w, 2, zeilen);
    EXPECT_EQ(RundeOhneAnlegen(w, 2), nullptr);
    EXPECT_FALSE(GetStrafpunkteInDurchgang(w, 2));

    zeilen = {{1, "N1", "12"}, {2, "N2", "7"}, {3, "", "5"}, {99, "X", "4"}, {4, "N4", " 3 "}};
    StrafpunkteRead(w, 1, zeilen);
    DurchgangTyp* d = GetDurchgangPtr(w, 1);
    EXPECT_EQ(DatenWertungGetPtr(d, 1, 0)->Strafpunkte, 12);
    EXPECT_EQ(DatenWertungGetPtr(d, 2, 0)->Strafpunkte, 7);
    EXPECT_EQ(DatenWertungGetPtr(d, 3, 0)->Strafpunkte, 0);
    EXPECT_EQ(DatenWertungGetPtr(d, 4, 0)->Strafpunkte, 3);
    EXPECT_TRUE(GetStrafpunkteInDurchgang(w, 1));

    // A text that is not a whole number is refused: the dialog's "Ok" stores
    // nothing of the list and names the row (before, "abc" was stored as 0).
    w->modified = false;
    const std::string m = StrafpunkteUebernehmen(w, 1, {{1, "N1", "1"}, {2, "N2", "abc"}});
    EXPECT_EQ(m.rfind("N2: „abc“", 0), 0u) << m;
    EXPECT_EQ(DatenWertungGetPtr(d, 1, 0)->Strafpunkte, 12);
    EXPECT_EQ(DatenWertungGetPtr(d, 2, 0)->Strafpunkte, 7);
    EXPECT_FALSE(w->modified);

    std::vector<StrafpunkteZeile> anzeige = {{1, "N1", ""}, {3, "", "x"}, {4, "N4", ""}};
    StrafpunkteAnzeigen(w, 1, anzeige);
    EXPECT_EQ(anzeige[0].Strafpunkte, "12");
    EXPECT_EQ(anzeige[1].Strafpunkte, "");
    EXPECT_EQ(anzeige[2].Strafpunkte, "3");

    // Penalties on reflight entries do not count for the question.
    StrafpunkteRead(w, 1, {{1, "N1", "0"}, {2, "N2", "0"}, {4, "N4", "0"}});
    AktRefly(w, 1, {{"-", 1, {}, nullptr}});
    DatenWertungGetPtr(d, 1, 1)->Strafpunkte = 9;
    EXPECT_FALSE(GetStrafpunkteInDurchgang(w, 1));

    // Taken over: the total loses the penalty.
    w->DurchgangPromille = false;
    EXPECT_EQ(StrafpunkteUebernehmen(w, 1, {{3, "N3", "20"}}), "");
    EXPECT_DOUBLE_EQ(r.tw.T(3)->Punkte, 300 - 20);
    EXPECT_TRUE(w->modified);
}

// A removed participant stays in the list without name and EdvNr but keeps his
// start number; closing up hands that number to a live pilot. Rows name their
// participant by EdvNr, and a bare start number finds only the live pilot.
TEST(Refly, ZeilenTreffenIhrenTeilnehmerNachEntfernenUndAufruecken) {
    TestWettbewerb tw;
    tw.Runden(2, 2, 2);
    WettbewerbTyp* w = tw.W;
    for (int i = 2; i <= 4; ++i) tw.Flug(1, tw.Teilnehmer(i, "N" + std::to_string(i))->EdvNr, 100.0 * i, 1);
    TeilnehmerTyp* weg = tw.Teilnehmer(1, "N1"); // created last: first in list order
    tw.Flug(1, 1, 100.0, 1);
    ASSERT_EQ(w->TeilnehmerRootPtr, weg);
    // removed, then the start numbers closed up
    weg->Name = {};
    weg->EdvNr = 0;
    for (int i = 2; i <= 4; ++i) tw.T(i)->StartNr = i - 1;
    ASSERT_EQ(weg->StartNr, 1);

    EXPECT_EQ(GetTeilnehmerStartNr(w, 1), tw.T(2));
    EXPECT_EQ(ZeilenTeilnehmer(w, 0, 1), tw.T(2));
    EXPECT_EQ(ZeilenTeilnehmer(w, 3, 1), tw.T(3)); // the EdvNr wins over a stale start number
    EXPECT_EQ(ZeilenTeilnehmer(w, 1, 1), nullptr); // the removed one answers for nothing
    EXPECT_EQ(ZeilenTeilnehmer(w, 0, 0), nullptr);

    DurchgangTyp* d = GetDurchgangPtr(w, 1);
    struct Fall {
        const char* Name;
        StrafpunkteZeile Zeile;
        int EdvNr; // whose entry gets the points
    };
    const std::vector<Fall> faelle = {
        {"nur Startnummer", {1, "N2", "5", 0}, 2},
        {"EdvNr, Startnummer veraltet", {3, "N4", "6", 4}, 4},
        {"EdvNr des Entfernten", {1, "N1", "9", 1}, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        for (int i = 2; i <= 4; ++i) DatenWertungGetPtr(d, i, 0)->Strafpunkte = 0;
        StrafpunkteRead(w, 1, {f.Zeile});
        for (int i = 2; i <= 4; ++i)
            EXPECT_EQ(DatenWertungGetPtr(d, i, 0)->Strafpunkte, i == f.EdvNr ? std::stoi(f.Zeile.Strafpunkte) : 0)
                << i;
        EXPECT_EQ(DatenWertungGetPtr(d, 0, 0), nullptr); // no entry of nobody
    }

    AktRefly(w, 1, {{"Verursacher", 1, {}, nullptr, 0}, {"-", 1, {}, nullptr, 4}});
    EXPECT_EQ(Eintraege(w, 1, 1, 1).size(), 2u);
    ASSERT_NE(DatenWertungGetPtr(d, 2, 1), nullptr);
    EXPECT_TRUE(DatenWertungGetPtr(d, 2, 1)->ReflyVerursacher);
    ASSERT_NE(DatenWertungGetPtr(d, 4, 1), nullptr);
    const std::vector<ReflyZeile> gelesen = ReflyZeilenLesen(w, 1);
    std::vector<int> edv;
    for (const ReflyZeile& z : gelesen) edv.push_back(z.EdvNr);
    std::sort(edv.begin(), edv.end());
    EXPECT_EQ(edv, (std::vector<int>{2, 4}));
}

TEST(Refly, TeilnehmerlisteDerDialoge) {
    TestWettbewerb tw;
    tw.Runden(2, 2, 2, 1);
    WettbewerbTyp* w = tw.W;
    // groups of round 1: 1 {1, 2 junior}, 2 {3}, 3 {4 junior}; the fly-off (round 3) holds 1 and 4 in group 1
    const int gruppe[5] = {0, 1, 1, 2, 3};
    for (int i = 1; i <= 4; ++i) {
        TeilnehmerTyp* t = tw.Teilnehmer(i, "N" + std::to_string(i), i % 2 == 0);
        t->Verein = "Verein " + std::to_string(i);
        t->Gruppe[1] = gruppe[i];
        t->Startplatz[1] = 1;
        t->Gruppe[3] = i == 1 || i == 4 ? 1 : 2;
    }
    tw.T(2)->Startplatz[1] = 2;
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Name = "Falken";
    m->TeilnehmerEdvNr[1] = 3;
    w->MannschaftRootPtr = m;

    struct Fall {
        const char* Name;
        int Runde;
        int Sortierung;
        DialogListenFilter Filter;
        std::vector<int> EdvNr; // rows in order, 0 a blank row between groups
    };
    const std::vector<Fall> faelle = {
        {"Startfolge mit Trennzeilen", 1, SortGruppe, {}, {1, 2, 0, 3, 0, 4}},
        {"ohne Jugendliche", 1, SortGruppe, {false, true, false}, {1, 0, 3}},
        {"ohne Senioren", 1, SortGruppe, {true, false, false}, {2, 0, 4}},
        {"nach Startnummer ohne Trennzeilen", 1, SortStartNr, {}, {1, 2, 3, 4}},
        {"Fly-Off nur Gruppe 1", 3, SortStartNr, {}, {1, 4}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        w->DurchgangNr = f.Runde;
        w->Sortierung[7] = f.Sortierung;
        SortAll(w);
        const auto zeilen = DialogTeilnehmerListe(w, f.Runde, f.Filter);
        std::vector<int> edv;
        for (const auto& z : zeilen) edv.push_back(z.EdvNr);
        EXPECT_EQ(edv, f.EdvNr);
    }

    w->DurchgangNr = 1;
    w->Sortierung[7] = SortGruppe;
    SortAll(w);
    DialogListenFilter team;
    team.Team = true;
    const auto zeilen = DialogTeilnehmerListe(w, 1, team);
    ASSERT_EQ(zeilen.size(), 6u);
    EXPECT_EQ(zeilen[1].GruppeText, "1 (2)");
    EXPECT_EQ(zeilen[1].Name, CnvNameTypToNameStr(&tw.T(2)->Name, true));
    EXPECT_EQ(zeilen[1].VereinTeam, "Verein 2"); // in no team: his club
    EXPECT_EQ(zeilen[3].VereinTeam, "Falken");
    EXPECT_EQ(zeilen[3].Gruppe, 2);
    EXPECT_TRUE(DialogTeilnehmerListe(nullptr, 1, {}).empty());
}

} // namespace
} // namespace tavuran
