// The draw dialog's logic and moving participants in the start-order list.
#include <gtest/gtest.h>

#include "AuslosungsWettbewerb.h"
#include "core/DatenRegel.h"
#include "startorder/Gruppenbearbeitung.h"
#include "startorder/StartreihenfolgeDialog.h"

namespace tavuran {
namespace {

using test::AuslosungsWettbewerb;

TEST(DrawDialog, HinweiseZurGruppengroesse) {
    struct Fall {
        int n, g, verkettung;
        int modus;
        bool alleGetickt;
        std::vector<std::string> hinweise;
    } faelle[] = {
        {30, 8, 0, SortModeAlle, true,
         {"Aufgrund der Gruppengröße werden mehrere Teilnehmergruppen nicht vollständig durchmischt",
          "werden! Das heißt, es werden mindestens 14 Teilnehmer pro Durchgang mehrfach gegen jeweils",
          "denselben Teilnehmer antreten müssen.", ""}},
        {30, 9, 0, SortModeAlle, true,
         {"Die Gruppeneinteilung wird anstatt der geforderten 9 Teilnehmer mit 8 Teilnehmern pro Gruppe",
          "durchgeführt werden! Beide Gruppengrößen führen zum gleichen Ergebnis.", "",
          "Aufgrund der Gruppengröße werden mehrere Teilnehmergruppen nicht vollständig durchmischt",
          "werden! Das heißt, es werden mindestens 14 Teilnehmer pro Durchgang mehrfach gegen jeweils",
          "denselben Teilnehmer antreten müssen.", ""}},
        {17, 5, 0, SortModeAlle, true,
         {"Aufgrund der Gruppengröße werden mehrere Teilnehmergruppen nicht vollständig durchmischt",
          "werden! Das heißt, es wird mindestens ein Teilnehmer pro Durchgang mehrfach gegen jeweils",
          "denselben Teilnehmer antreten müssen.", ""}},
        {20, 10, 0, SortModeAlle, true,
         {"Aufgrund der Gruppengröße werden mehrere Teilnehmergruppen nicht vollständig durchmischt",
          "werden! Das heißt, es werden mindestens 16 Teilnehmer pro Durchgang mehrfach gegen jeweils",
          "dieselben 4 Teilnehmer antreten müssen.", ""}},
        {9, 3, 0, SortModeAktueller, false,
         {"Es soll nur für einen Teil der Durchgänge Gruppen und Startplätze neu ausgezählt werden.",
          "Dies führt zu einer schlechten Durchmischung der Gruppen. Wenn möglich sollten immer alle",
          "Durchgänge auf einmal ausgezählt werden.", " "}},
        {9, 3, 3, SortModeAlle, true,
         {"Die maximal mögliche Gruppengröße und die minimal mögliche Anzahl von Gruppen sind durch die",
          "Teamschutzanforderungen eingeschränkt.", ""}},
    };
    for (const Fall& f : faelle) {
        const GruppenGroesseGrenzen g = FillGruppenGroesse(f.n, f.g, f.verkettung);
        EXPECT_EQ(StartreihenfolgeHinweise(f.modus, f.alleGetickt, f.n, g.GruppenGroesse, g.AnzahlGruppen,
                                           g.MinAnzahlGruppen),
                  f.hinweise)
            << f.n << "/" << f.g;
    }
}

TEST(DrawDialog, GrenzenDerGruppengroesse) {
    // A helper of three pilots: at least three groups.
    AuslosungsWettbewerb w(30);
    for (int p : {1, 2, 3}) {
        w.T(p)->Jugendlich = true;
        w.Helfer(p, 1, 10);
    }
    CreateTeamGroup(w.W, false, true, false);
    const int kette = CountTeamschutzMaxVerkettung(GetTeamGroupRootPtr());
    EXPECT_EQ(kette, 3);
    EXPECT_EQ(w.T(10)->TeamschutzHelferAnz, 3);
    const auto plan = TeamschutzPlan(GetTeamGroupRootPtr());
    ASSERT_EQ(plan.size(), 4u);
    EXPECT_EQ(plan[0], (std::vector<std::string>{"Pilot", "1. Helfer"}));
    for (std::size_t i = 1; i < plan.size(); ++i) EXPECT_EQ(plan[i][1], "N10 V10");
    GruppenGroesseGrenzen g = FillGruppenGroesse(30, 20, kette);
    EXPECT_EQ(g.MinAnzahlGruppen, 3);
    EXPECT_EQ(g.MaxGroesse, 10);
    EXPECT_EQ(g.GruppenGroesse, 10);
    EXPECT_EQ(g.AnzahlGruppen, 3);
    g = FillGruppenGroesse(30, 1, 0);
    EXPECT_EQ(g.GruppenGroesse, 2);
    g = FillGruppenGroesse(3, 9, 0); // the limits cross: 3 div 2 = 1 below 2
    EXPECT_EQ(g.GruppenGroesse, 2);
    EXPECT_EQ(DialogZahlText(30), ":   30");
}

TEST(DrawDialog, WelcheDurchgaengeAusgelostWerden) {
    EXPECT_EQ(GetDurchgangSortMode(true, true, true, true), SortModeAlle);
    EXPECT_EQ(GetDurchgangSortMode(false, true, true, true), SortModeAusgewaehlte);
    EXPECT_EQ(GetDurchgangSortMode(false, false, true, true), SortModeUnsortierte);
    EXPECT_EQ(GetDurchgangSortMode(false, false, false, true), SortModeAktueller);
    EXPECT_EQ(GetDurchgangSortMode(false, false, false, false), SortModeKeiner);

    AuslosungsWettbewerb w(4, 5);
    w.W->AnzDurchgaenge = 7;
    w.W->DurchgangNr = 3;
    w.Runde(2)->DurchgangEingeteilt = true;
    w.Runde(4)->DurchgangEingeteilt = true;
    Feld<bool, 1, DialogRundenBoxen> getickt{};
    getickt[5] = true;
    getickt[6] = true; // a fly-off round is never drawn
    EXPECT_EQ(StartreihenfolgeDurchgangMaske(w.W, SortModeAktueller, getickt), 0x4);
    EXPECT_EQ(StartreihenfolgeDurchgangMaske(w.W, SortModeUnsortierte, getickt), 0x15);
    EXPECT_EQ(StartreihenfolgeDurchgangMaske(w.W, SortModeAusgewaehlte, getickt), 0x10);
    EXPECT_EQ(StartreihenfolgeDurchgangMaske(w.W, SortModeAlle, getickt), 0x1F);
    EXPECT_EQ(StartreihenfolgeDurchgangMaske(w.W, SortModeKeiner, getickt), 0);

    std::vector<DurchgangBox> boxen = DurchgangBoxen(w.W, SortModeAktueller, getickt);
    EXPECT_TRUE(boxen[2].Getickt);
    EXPECT_FALSE(boxen[2].Aktiv);
    EXPECT_FALSE(boxen[0].Getickt);
    EXPECT_TRUE(boxen[5].Sichtbar); // round 6: a fly-off, shown but never ticked
    EXPECT_FALSE(boxen[5].Getickt);
    EXPECT_FALSE(boxen[7].Sichtbar);
    boxen = DurchgangBoxen(w.W, SortModeAusgewaehlte, getickt);
    EXPECT_TRUE(boxen[4].Aktiv);
    EXPECT_TRUE(boxen[4].Getickt);
    EXPECT_FALSE(boxen[5].Aktiv);
}

TEST(DrawDialog, GruppeneinteilungNurWoDieRegelWahlLaesst) {
    AuslosungsWettbewerb w(2);
    EXPECT_TRUE(GruppenstartAenderbar(w.W));
    w.W->RegelPtr = DatenRegelNew();
    DatenRegelDefault(w.W->RegelPtr);
    for (auto [code, aenderbar] : {std::pair{0, false}, {1, false}, {2, true}, {3, true}}) {
        w.W->RegelPtr->Gruppenstart = code;
        EXPECT_EQ(GruppenstartAenderbar(w.W), aenderbar) << code;
    }
}

// Six participants in two groups of round 1; the list shows group 1 in rows
// 1-3, an empty row 4, group 2 in rows 5-7.
class Verschieben : public ::testing::Test {
  protected:
    void SetUp() override {
        w.W->DurchgangNr = 1;
        w.W->AnzTeilnGruppe = 3;
        const int gruppe[] = {1, 1, 1, 2, 2, 2}, platz[] = {1, 2, 3, 1, 3, 4}, zeile[] = {1, 2, 3, 5, 6, 7};
        for (int nr = 1; nr <= 6; ++nr) {
            w.T(nr)->Gruppe[1] = gruppe[nr - 1];
            w.T(nr)->Startplatz[1] = platz[nr - 1];
            w.T(nr)->ZeilenNr[1] = zeile[nr - 1];
        }
    }
    int G(int nr) { return w.T(nr)->Gruppe[1]; }
    int P(int nr) { return w.T(nr)->Startplatz[1]; }
    AuslosungsWettbewerb w{6, 3, 3};
};

TEST_F(Verschieben, InEineAndereGruppeAufDenKleinstenFreienPlatz) {
    EXPECT_TRUE(StartGruppenRowMove(w.W, 1, 1, 6));
    EXPECT_EQ(G(1), 2);
    EXPECT_EQ(P(1), 2);
    EXPECT_EQ(w.T(1)->ZeilenNr[1], 6);
    EXPECT_EQ(w.T(5)->ZeilenNr[1], 5);
}

TEST_F(Verschieben, InnerhalbDerGruppeWirdNeuNummeriert) {
    EXPECT_TRUE(StartGruppenRowMove(w.W, 1, 1, 3));
    EXPECT_EQ(G(1), 1);
    EXPECT_EQ(P(2), 1);
    EXPECT_EQ(P(3), 2);
    EXPECT_EQ(P(1), 3);
}

TEST_F(Verschieben, AufLeereZeilen) {
    // Row 8: one empty row above it, so group 2; the participant of group 2
    // takes the next start place after the largest.
    EXPECT_TRUE(StartGruppenRowMove(w.W, 1, 5, 8));
    EXPECT_EQ(G(4), 2);
    EXPECT_EQ(P(4), 5);
    // Row 12: five empty rows above, limited to one group more than there are.
    EXPECT_TRUE(StartGruppenRowMove(w.W, 1, 1, 12));
    EXPECT_EQ(G(1), 3);
    EXPECT_EQ(P(1), 1);
}

TEST_F(Verschieben, AufDieLeereZeileHinterDemGroesstenStartplatzDerGruppe) {
    // The member holding the group's largest start place (4) dropped on the
    // empty row below his group goes behind it, himself included.
    EXPECT_TRUE(StartGruppenRowMove(w.W, 1, 7, 8));
    EXPECT_EQ(G(6), 2);
    EXPECT_EQ(P(6), 5);
}

TEST_F(Verschieben, DerNamensspalteNachLeereZeilen) {
    // Without the name column rows 4 and 8 are empty above row 9 (group 3);
    // a text in row 8 leaves only row 4.
    EXPECT_TRUE(StartGruppenRowMove(w.W, 1, 1, 9, [](int z) { return z == 8 ? std::string("x") : std::string(); }));
    EXPECT_EQ(G(1), 2);
}

TEST_F(Verschieben, NichtsGeschiehtOhneStartreihenfolgeOderTeilnehmer) {
    EXPECT_FALSE(StartGruppenRowMove(w.W, 1, 4, 1)); // empty source row
    EXPECT_FALSE(StartGruppenRowMove(w.W, 1, 2, 2));
    EXPECT_FALSE(StartGruppenRowMove(w.W, 1, 0, 2));
    EXPECT_FALSE(StartGruppenRowMove(nullptr, 1, 1, 2));
    w.W->Sortierung[1] = 0;
    EXPECT_FALSE(StartGruppenRowMove(w.W, 1, 1, 6));
    EXPECT_EQ(G(1), 1);
}

} // namespace
} // namespace tavuran
