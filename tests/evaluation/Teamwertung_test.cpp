#include "evaluation/Teamwertung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/DatenMannschaft.h"
#include "core/UiHooks.h"
#include "tests/evaluation/TestWettbewerb.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

// Participants with given totals (EdvNr 1, 2, ...) and teams of member slots.
struct Teams {
    TestWettbewerb tw;

    explicit Teams(const std::vector<double>& Punkte) {
        for (std::size_t i = 0; i < Punkte.size(); ++i) {
            TeilnehmerTyp* t = tw.Teilnehmer(static_cast<int>(i) + 1, "N" + std::to_string(i + 1));
            t->Punkte = Punkte[i];
        }
    }
    // Slots 1, 2, ... get the numbers given (0 = free slot).
    MannschaftTyp* Team(int Nr, const std::vector<int>& Slots) {
        MannschaftTyp* m = DatenMannschaftNew();
        DatenMannschaftDefault(m);
        m->Nr = Nr;
        m->Name = "Team " + std::to_string(Nr);
        for (std::size_t i = 0; i < Slots.size(); ++i) m->TeilnehmerEdvNr[static_cast<int>(i) + 1] = Slots[i];
        // Teams are listed in the order they are formed.
        MannschaftTyp** ende = &tw.W->MannschaftRootPtr;
        while (*ende) ende = &(*ende)->next;
        *ende = m;
        return m;
    }
    TeilnehmerTyp* T(int Nr) { return tw.T(Nr); }
};

TEST(Teamwertung, Modi) {
    struct Fall {
        const char* Name;
        int Status;
        std::vector<double> Punkte;
        std::vector<int> Slots;
        double TeamPunkte;
        std::vector<int> Gezaehlt; // EdvNr of the members that counted
    };
    const std::vector<Fall> faelle = {
        {"erste zwei hinter leeren Slots", 1, {100, 200, 300}, {0, 0, 1, 0, 2, 0, 3}, 300, {1, 2}},
        {"erste drei", 2, {100, 200, 300, 400}, {4, 1, 2, 3}, 700, {4, 1, 2}},
        {"erste zwei, Slot ohne Teilnehmer", 1, {100, 200, 300}, {99, 2, 3, 1}, 500, {2, 3}},
        {"beste zwei", 3, {900, 800, 800, 700}, {4, 3, 2, 1}, 1700, {1, 2}},
        {"beste drei mit zwei Mitgliedern", 4, {500, 400}, {1, 2}, 900, {1, 2}},
        {"Mittelwert aller", 5, {900, 800, 800, 700}, {1, 2, 3, 4}, 800, {1, 2, 3, 4}},
        {"Mittelwert, Slot ohne Teilnehmer zählt nicht", 5, {900, 700}, {1, 0, 77, 2}, 800, {1, 2}},
        {"Mittelwert der besten drei", 6, {900, 800, 800, 700}, {1, 2, 3, 4}, 2500.0 / 3, {1, 2, 3}},
        {"Mittelwert der besten drei, leeres Team", 6, {900}, {0, 0}, 0, {}},
        {"Mittelwert aller, leeres Team", 5, {900}, {}, 0, {}},
        {"keine Teamwertung", 0, {900, 800}, {1, 2}, 0, {}},
        {"unbekannter Modus", 9, {900, 800}, {1, 2}, 0, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Teams t(f.Punkte);
        t.tw.W->TeamwertungStatus = f.Status;
        MannschaftTyp* m = t.Team(1, f.Slots);
        CalcWertungTeam(t.tw.W);
        EXPECT_NEAR(m->Punkte, f.TeamPunkte, 1e-9);
        for (std::size_t i = 1; i <= f.Punkte.size(); ++i) {
            const bool soll = std::find(f.Gezaehlt.begin(), f.Gezaehlt.end(), static_cast<int>(i)) != f.Gezaehlt.end();
            EXPECT_EQ(t.T(static_cast<int>(i))->TeilDerTeamWertung, soll) << i;
        }
    }
}

TEST(Teamwertung, BeiGleichenPunktenZaehltDerSpaeterInDerListe) {
    // Totals 800, 800, 800: best two are the two later in list order (list order is 3, 2, 1).
    Teams t({800, 800, 800});
    t.tw.W->TeamwertungStatus = TeamwertungBesteZwei;
    t.Team(1, {1, 2, 3});
    CalcWertungTeam(t.tw.W);
    EXPECT_TRUE(t.T(1)->TeilDerTeamWertung);
    EXPECT_TRUE(t.T(2)->TeilDerTeamWertung);
    EXPECT_FALSE(t.T(3)->TeilDerTeamWertung);
}

TEST(Teamwertung, EinzelteilnehmerZwischenDenMitgliedern) {
    Teams t({900, 950, 1000});
    t.tw.W->TeamwertungStatus = TeamwertungMittelwert;
    MannschaftTyp* m = t.Team(1, {1, 3});
    CalcWertungTeam(t.tw.W);
    EXPECT_DOUBLE_EQ(m->Punkte, 950);
    for (int nr : {1, 2, 3}) EXPECT_DOUBLE_EQ(t.T(nr)->PunkteTeamWertung, 950);
    EXPECT_EQ(t.T(3)->PlatzTeilnTeamWertung, 1);
    EXPECT_EQ(t.T(2)->PlatzTeilnTeamWertung, 2);
    EXPECT_EQ(t.T(1)->PlatzTeilnTeamWertung, 3);
    EXPECT_EQ(t.T(3)->PlatzTeamWertung, 1);
    EXPECT_EQ(t.T(2)->PlatzTeamWertung, 2);
    EXPECT_EQ(t.T(1)->PlatzTeamWertung, 3);
    // The team's place is that of the member in its first filled slot.
    EXPECT_EQ(m->Platz, 3);
}

TEST(Teamwertung, TeamsMitGleicherPunktzahl) {
    // Team 1: 1000 and 800, team 2: 950 and 850, both average 900; one single participant with 500.
    Teams t({1000, 800, 950, 850, 500});
    t.tw.W->TeamwertungStatus = TeamwertungMittelwert;
    MannschaftTyp* a = t.Team(1, {1, 2});
    MannschaftTyp* b = t.Team(2, {3, 4});
    CalcWertungTeam(t.tw.W);
    const int position[5] = {1, 4, 2, 3, 5};
    const int platz[5] = {1, 3, 2, 2, 4};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(t.T(i + 1)->PlatzTeilnTeamWertung, position[i]);
        EXPECT_EQ(t.T(i + 1)->PlatzTeamWertung, platz[i]);
    }
    EXPECT_EQ(a->Platz, 1);
    EXPECT_EQ(b->Platz, 2);
}

TEST(Teamwertung, AlleMitgliederTeilenDenTeamplatz) {
    Teams t({600, 900, 800, 700, 500});
    t.tw.W->TeamwertungStatus = TeamwertungMittelwert;
    MannschaftTyp* m = t.Team(1, {2, 3, 4});
    CalcWertungTeam(t.tw.W);
    const int platz[5] = {2, 1, 1, 1, 3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(t.T(i + 1)->PlatzTeamWertung, platz[i]) << i + 1;
    EXPECT_EQ(m->Platz, 1);
}

TEST(Teamwertung, GleicheTeamPlaetzeUndOhneTeams) {
    // Without teams everybody is ranked by his own total; equal totals get
    // consecutive positions and places, the earlier in list order first.
    Teams t({500, 700, 700, -3});
    CalcWertungTeam(t.tw.W);
    EXPECT_EQ(t.T(3)->PlatzTeilnTeamWertung, 1);
    EXPECT_EQ(t.T(2)->PlatzTeilnTeamWertung, 2);
    EXPECT_EQ(t.T(1)->PlatzTeilnTeamWertung, 3);
    EXPECT_EQ(t.T(3)->PlatzTeamWertung, 1);
    EXPECT_EQ(t.T(2)->PlatzTeamWertung, 2);
    EXPECT_EQ(t.T(1)->PlatzTeamWertung, 3);
    // A negative total has no position and no place.
    EXPECT_EQ(t.T(4)->PlatzTeilnTeamWertung, 0);
    EXPECT_EQ(t.T(4)->PlatzTeamWertung, 0);
}

TEST(Teamwertung, ModusWechsel) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    tw.Teilnehmer(1, "A");
    tw.Teilnehmer(2, "B");
    tw.Flug(1, 1, 800);
    tw.Flug(1, 2, 1000);
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 1;
    m->TeilnehmerEdvNr[1] = 1;
    m->TeilnehmerEdvNr[2] = 2;
    tw.W->MannschaftRootPtr = m;
    tw.Rechnen();
    tw.W->modified = false;
    EXPECT_DOUBLE_EQ(m->Punkte, 0);
    EXPECT_EQ(TeamwertungAuswahl(tw.W), TeamwertungKeine);

    // The same mode again changes nothing.
    EXPECT_FALSE(TeamwertungStatusAendern(tw.W, TeamwertungKeine));
    EXPECT_FALSE(tw.W->modified);
    EXPECT_FALSE(tw.W->CalcWertung);

    int redraws = 0;
    UiHooks hooks;
    hooks.StatusBarNeuZeichnen = [&] { ++redraws; };
    SetUiHooks(hooks);
    EXPECT_TRUE(TeamwertungStatusAendern(tw.W, TeamwertungErsteZwei));
    ResetUiHooks();
    EXPECT_EQ(tw.W->TeamwertungStatus, TeamwertungErsteZwei);
    EXPECT_TRUE(tw.W->modified);
    EXPECT_EQ(redraws, 1);
    EXPECT_DOUBLE_EQ(m->Punkte, 1800);
    EXPECT_EQ(TeamwertungAuswahl(tw.W), TeamwertungErsteZwei);
    tw.W->TeamwertungStatus = 42;
    EXPECT_EQ(TeamwertungAuswahl(tw.W), TeamwertungKeine);
}

} // namespace
} // namespace tavuran

namespace tavuran {
namespace {

// After scoring the team-result order follows the team result just computed,
// not the order it had when the participants were last sorted.
TEST(Teamwertung, TeamfolgeFolgtDerWertung) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    for (int nr = 1; nr <= 4; ++nr) tw.Teilnehmer(nr, "P" + std::to_string(nr));
    // The team of the first two scores best; the list holds them last.
    for (int nr = 1; nr <= 4; ++nr) tw.Flug(1, nr, 100.0 * (5 - nr), nr <= 2 ? 1 : 2);
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 1;
    m->TeilnehmerEdvNr[1] = 1;
    m->TeilnehmerEdvNr[2] = 2;
    tw.W->MannschaftRootPtr = m;
    tw.W->TeamwertungStatus = 1;
    SortAll(tw.W); // before scoring: no team places yet
    tw.Rechnen();
    std::vector<std::pair<int, int>> folge; // (team place of the pilot, EdvNr) along the team order
    for (TeilnehmerTyp* t = tw.W->TeilnehmerTeamRootPtr; t; t = t->nextTeam)
        folge.emplace_back(t->PlatzTeilnTeamWertung, t->EdvNr);
    ASSERT_EQ(folge.size(), 4u);
    for (std::size_t i = 0; i < folge.size(); ++i) EXPECT_EQ(folge[i].first, static_cast<int>(i) + 1) << i;
    EXPECT_LE(folge.front().second, 2); // a member of the team comes first
}

} // namespace
} // namespace tavuran
