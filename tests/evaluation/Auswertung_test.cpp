#include "evaluation/Auswertung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "evaluation/Teamwertung.h"
#include "tests/evaluation/TestWettbewerb.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

// ------------------------------------------------------ group evaluation

TEST(Auswertung, PromilleJeGruppe) {
    struct Fall {
        const char* Name;
        bool Promille;
        int Nachkomma;
        std::vector<double> Roh;
        std::vector<double> Punkte;
    };
    const std::vector<Fall> faelle = {
        {"Promille, zwei Nachkommastellen", true, 2, {900, 600, 0}, {1000, 666.67, 0}},
        {"Promille, eine Nachkommastelle", true, 1, {900, 600, 0}, {1000, 666.7, 0}},
        {"ohne Promille", false, 2, {900, 600, 0}, {900, 600, 0}},
        {"niemand über 0.01", true, 2, {0.01, 0.0, 0.01}, {0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TestWettbewerb tw;
        tw.Runden(1, 1, 1);
        tw.W->DurchgangPromille = f.Promille;
        tw.W->AnzNachkomma = f.Nachkomma;
        std::vector<WertungTyp*> w;
        for (std::size_t i = 0; i < f.Roh.size(); ++i) {
            tw.Teilnehmer(static_cast<int>(i) + 1, "N" + std::to_string(i));
            w.push_back(tw.Flug(1, static_cast<int>(i) + 1, f.Roh[i]));
        }
        tw.Rechnen();
        for (std::size_t i = 0; i < w.size(); ++i) {
            EXPECT_DOUBLE_EQ(w[i]->RohPunkte, f.Roh[i]);
            EXPECT_DOUBLE_EQ(w[i]->Punkte, f.Punkte[i]) << i;
            EXPECT_DOUBLE_EQ(w[i]->ErgebnisPunkte, f.Punkte[i]) << i;
        }
    }
}

TEST(Auswertung, JedeGruppeAufIhrenBestenNormiert) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    for (int i = 1; i <= 4; ++i) tw.Teilnehmer(i, "N" + std::to_string(i));
    WertungTyp* a = tw.Flug(1, 1, 500, 1);
    tw.Flug(1, 2, 1000, 1);
    WertungTyp* c = tw.Flug(1, 3, 250, 2);
    tw.Flug(1, 4, 500, 2);
    tw.Rechnen();
    EXPECT_DOUBLE_EQ(a->Punkte, 500);
    EXPECT_DOUBLE_EQ(c->Punkte, 500);
    EXPECT_TRUE(GetDurchgangPtr(tw.W, 1)->DurchgangGeflogen);
}

// ------------------------------------------------------------- reflights

TEST(Auswertung, ReflygruppenWerdenGemeinsamNormiert) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    tw.W->AnzNachkomma = 1;
    for (int i = 1; i <= 4; ++i) tw.Teilnehmer(i, "N" + std::to_string(i));
    WertungTyp* a = tw.Flug(1, 1, 800, 1);
    tw.Flug(1, 2, 1000, 1);
    WertungTyp* c = tw.Flug(1, 3, 500, 2);
    tw.Flug(1, 4, 1000, 2);
    WertungTyp* ar = tw.Flug(1, 1, 600, 1, 1);
    WertungTyp* cr = tw.Flug(1, 3, 200, 2, 1);
    tw.Rechnen();
    // The best reflight of the round (600) is the reference of both reflight groups.
    EXPECT_DOUBLE_EQ(ar->Punkte, 1000);
    EXPECT_DOUBLE_EQ(cr->Punkte, 333.3);
    // Without a causer the better of the two flights counts for both entries.
    EXPECT_DOUBLE_EQ(a->ErgebnisPunkte, 1000);
    EXPECT_DOUBLE_EQ(ar->ErgebnisPunkte, 1000);
    EXPECT_DOUBLE_EQ(c->ErgebnisPunkte, 500);
    EXPECT_DOUBLE_EQ(cr->ErgebnisPunkte, 500);
    EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, 1000);
    EXPECT_DOUBLE_EQ(tw.T(3)->Punkte, 500);
}

TEST(Auswertung, VerursacherRegel) {
    struct Fall {
        double Erstflug;
        double Refly;
        bool VerursacherErstflug;
        bool VerursacherRefly;
        double Ergebnis;
    };
    const std::vector<Fall> faelle = {
        {800, 600, false, false, 800},
        {600, 800, false, false, 800},
        {800, 600, false, true, 600},
        {800, 600, true, false, 600},
        {600, 800, true, false, 800},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.Erstflug << " / " << f.Refly << " " << f.VerursacherErstflug
                                        << f.VerursacherRefly);
        TestWettbewerb tw;
        tw.Runden(1, 1, 1);
        tw.W->DurchgangPromille = false;
        tw.Teilnehmer(1, "A");
        WertungTyp* s = tw.Flug(1, 1, f.Erstflug);
        WertungTyp* r = tw.Flug(1, 1, f.Refly, 1, 1);
        s->ReflyVerursacher = f.VerursacherErstflug;
        r->ReflyVerursacher = f.VerursacherRefly;
        tw.Rechnen();
        EXPECT_DOUBLE_EQ(s->ErgebnisPunkte, f.Ergebnis);
        EXPECT_DOUBLE_EQ(r->ErgebnisPunkte, f.Ergebnis);
        EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, f.Ergebnis);
    }
}

// ------------------------------------------------ drops and permanent zeros

TEST(Auswertung, StreicherJeNachGeflogenenRunden) {
    struct Fall {
        int Geflogen;
        int Gezaehlt;
        double Punkte;
        double Streicher;
    };
    // 8 preliminary rounds, 6 counted, drops from 5 flown rounds on; round r scores 100 r.
    const std::vector<Fall> faelle = {
        {1, 6, 100, 0},
        {4, 6, 1000, 0},
        {5, 3, 1200, 200},
        {7, 5, 2500, 200},
        {8, 6, 3300, 200},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.Geflogen << " Durchgänge geflogen");
        TestWettbewerb tw;
        tw.Runden(8, 6, 5);
        tw.W->DurchgangPromille = false;
        tw.Teilnehmer(1, "A");
        for (int r = 1; r <= f.Geflogen; ++r) tw.Flug(r, 1, 100.0 * r);
        tw.Rechnen();
        EXPECT_EQ(tw.W->AnzVorrundenGeflogen, f.Geflogen);
        EXPECT_EQ(CalcAnzahlTempGewerteteVorrunden(tw.W), f.Gezaehlt);
        EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, f.Punkte);
        EXPECT_DOUBLE_EQ(tw.T(1)->StreicherPunkte, f.Streicher);
    }
}

TEST(Auswertung, AnzahlGewerteterVorrunden) {
    struct Fall {
        int a, b, g, s, Ergebnis;
    };
    const std::vector<Fall> faelle = {
        {8, 6, 4, 5, 6}, {8, 6, 5, 5, 3}, {8, 6, 6, 5, 4}, {8, 6, 8, 5, 6}, {8, 6, 6, 7, 6},
        // drops from the start, but never below the first count that applies
        {5, 4, 2, 1, 1}, {5, 4, 1, 3, 4},
        // counts a file may carry
        {5, 0, 5, 5, 1}, {-3, 2, 0, 5, 2}, {0, 0, 0, 0, 1}, {99, 99, 30, 5, 30},
    };
    for (const Fall& f : faelle) {
        WettbewerbTyp w;
        w.AnzVorrunden = f.a;
        w.AnzGewDurchgaenge = f.b;
        w.AnzVorrundenGeflogen = f.g;
        w.StreicherAbDurchg = f.s;
        EXPECT_EQ(CalcAnzahlTempGewerteteVorrunden(&w), f.Ergebnis) << f.a << " " << f.b << " " << f.g << " " << f.s;
    }
}

// F5J values: time D1, height D2, distance J1.
void F5JParameter(WettbewerbTyp* w) {
    const double p[10] = {600, 660, 0, 0, 50, 10, 5, 200, 0.5, 3};
    for (int i = 0; i < 10; ++i) w->Parameter[i + 1] = p[i];
}
WertungTyp* F5JFlug(TestWettbewerb& tw, int Runde, int EdvNr, double Zeit, double Hoehe, double Abstand) {
    WertungTyp* w = tw.Flug(Runde, EdvNr, Zeit);
    w->WertungDurchg[2] = Hoehe;
    w->WertungPunktr[1] = Abstand;
    return w;
}

TEST(Auswertung, NullwertungWirdNichtGestrichenAbDerErstenAuswertung) {
    struct Fall {
        int Modus;
        double Punkte;
        double Streicher;
    };
    // Three rounds, two counted; the participant flies 300 and 200 and misses round 2.
    const std::vector<Fall> faelle = {
        {PermntNullAktiv | PermntNullJedeNull, 300, 200},
        {0, 500, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Modus);
        TestWettbewerb tw(F5J);
        F5JParameter(tw.W);
        tw.Runden(3, 2, 3);
        tw.W->DurchgangPromille = false;
        tw.W->PermntNullMode = f.Modus;
        tw.Teilnehmer(1, "A");
        tw.Teilnehmer(2, "B");
        WertungTyp* r1 = F5JFlug(tw, 1, 1, 300, 100, 1);
        F5JFlug(tw, 3, 1, 200, 100, 1);
        F5JFlug(tw, 2, 2, 300, 100, 1);
        tw.Rechnen();
        ASSERT_DOUBLE_EQ(r1->RohPunkte, 300);
        EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, f.Punkte);
        EXPECT_DOUBLE_EQ(tw.T(1)->StreicherPunkte, f.Streicher);
        tw.Rechnen();
        EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, f.Punkte);
        EXPECT_DOUBLE_EQ(tw.T(1)->StreicherPunkte, f.Streicher);
    }
}

TEST(Auswertung, StrafpunkteAuchInGestrichenerRundeUndImFlyOff) {
    TestWettbewerb tw;
    tw.Runden(3, 2, 3, 1);
    tw.W->DurchgangPromille = false;
    tw.Teilnehmer(1, "A");
    tw.Flug(1, 1, 300);
    tw.Flug(2, 1, 200);
    tw.Flug(3, 1, 100)->Strafpunkte = 10; // the dropped round
    tw.Flug(4, 1, 400)->Strafpunkte = 50; // fly-off
    tw.Rechnen();
    EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, 490);
    EXPECT_DOUBLE_EQ(tw.T(1)->StreicherPunkte, 100);
    EXPECT_DOUBLE_EQ(tw.T(1)->PunkteEndrunde, 350); // the fly-off penalty counts in the fly-off
}

// A penalty in a fly-off round ranks the fly-off as the shown totals say, in
// the senior and in the junior fly-off.
TEST(Auswertung, FlyOffStrafpunkteEntscheidenDenFlyOff) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1, 1, 1);
    tw.W->AnzTeilnInEndRunde = 2;
    tw.W->AnzJugInEndRunde = 2;
    tw.W->DurchgangPromille = false;
    tw.Teilnehmer(1, "A", true);
    tw.Teilnehmer(2, "B", true);
    tw.Flug(1, 1, 100);
    tw.Flug(1, 2, 90);
    tw.Flug(2, 1, 995)->Strafpunkte = 12; // 983 shown
    tw.Flug(2, 2, 987);
    tw.Flug(3, 1, 995)->Strafpunkte = 12;
    tw.Flug(3, 2, 987);
    tw.Rechnen();
    EXPECT_DOUBLE_EQ(tw.T(1)->PunkteEndrunde, 983);
    EXPECT_DOUBLE_EQ(tw.T(1)->PunkteEndrundeJugend, 983);
    EXPECT_EQ(tw.T(2)->PlatzNrFlyOff, 1);
    EXPECT_EQ(tw.T(1)->PlatzNrFlyOff, 2);
    EXPECT_EQ(tw.T(2)->PlatzNrFlyOffJugend, 1);
    EXPECT_EQ(tw.T(1)->PlatzNrFlyOffJugend, 2);
}

// ---------------------------------------------------------------- places

TEST(Auswertung, GeteiltePlaetze) {
    struct Fall {
        std::vector<double> Punkte;
        std::vector<int> Platz;
    };
    const std::vector<Fall> faelle = {
        {{100, 90, 90, 80}, {1, 2, 2, 4}},
        {{100, 90, 90, 90, 80}, {1, 2, 2, 2, 5}},
        {{90, 90, 90}, {1, 1, 1}},
        {{80, 90, 100, 90, 90, 70}, {5, 2, 1, 2, 2, 6}},
        {{100, 100, 90, 90}, {1, 1, 3, 3}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::PrintToString(f.Punkte));
        TestWettbewerb tw;
        tw.Runden(1, 1, 1);
        tw.W->DurchgangPromille = false;
        for (std::size_t i = 0; i < f.Punkte.size(); ++i) {
            const int nr = static_cast<int>(i) + 1;
            tw.Teilnehmer(nr, "N" + std::to_string(nr), true);
            tw.Flug(1, nr, f.Punkte[i]);
        }
        tw.Rechnen();
        for (std::size_t i = 0; i < f.Punkte.size(); ++i) {
            const TeilnehmerTyp* t = tw.T(static_cast<int>(i) + 1);
            EXPECT_EQ(t->PlatzNr, f.Platz[i]) << i;
            EXPECT_EQ(t->PlatzNrJugend, f.Platz[i]) << i;
            EXPECT_EQ(t->PlatzNrFlyOff, f.Platz[i]) << i; // no fly-off: the preliminary place
            EXPECT_EQ(t->PlatzNrFlyOffJugend, f.Platz[i]) << i;
        }
    }
}

TEST(Auswertung, BesterStreicherTrenntGleichePunkte) {
    TestWettbewerb tw;
    tw.Runden(2, 1, 2);
    tw.W->DurchgangPromille = false;
    const double werte[3][2] = {{100, 50}, {100, 60}, {60, 100}};
    for (int i = 0; i < 3; ++i) {
        tw.Teilnehmer(i + 1, "N" + std::to_string(i));
        tw.Flug(1, i + 1, werte[i][0]);
        tw.Flug(2, i + 1, werte[i][1]);
    }
    tw.Rechnen();
    EXPECT_EQ(tw.T(1)->PlatzNr, 3);
    EXPECT_EQ(tw.T(2)->PlatzNr, 1);
    EXPECT_EQ(tw.T(3)->PlatzNr, 1);
}

TEST(Auswertung, UnterEinemHalbenPunktKeinPlatzAuchNichtImFlyOff) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1, 1);
    tw.W->DurchgangPromille = false;
    tw.Teilnehmer(1, "A", true);
    tw.Teilnehmer(2, "B", true);
    tw.Teilnehmer(3, "C", true);
    tw.Flug(1, 1, 0.4);
    tw.Flug(1, 3, 100);
    tw.Rechnen();
    for (int nr : {1, 2}) {
        SCOPED_TRACE(nr);
        EXPECT_EQ(tw.T(nr)->PlatzNr, 0);
        EXPECT_EQ(tw.T(nr)->PlatzNrJugend, 0);
        EXPECT_EQ(tw.T(nr)->PlatzNrFlyOff, 0);
        EXPECT_EQ(tw.T(nr)->PlatzNrFlyOffJugend, 0);
        EXPECT_EQ(tw.T(nr)->Gruppe[2], 0);
    }
    EXPECT_EQ(tw.T(3)->PlatzNr, 1);
    EXPECT_EQ(tw.T(3)->PlatzNrFlyOff, 1);
    EXPECT_EQ(tw.Platzfolge().front(), 3);
}

TEST(Auswertung, PlatzhalterOhneNachnameBekommtKeinenPlatz) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1, 1);
    tw.W->AnzTeilnInEndRunde = 2;
    tw.W->TeamwertungStatus = 0;
    tw.Teilnehmer(1, "A", true);
    tw.Teilnehmer(2, "B", true);
    DatenTeilnehmerGetPtr(tw.W->TeilnehmerRootPtr, 9, true)->Jugendlich = true; // an entry read before its participant
    tw.Flug(1, 1, 500);
    tw.Flug(1, 2, 800);
    tw.Flug(1, 9, 1000);
    tw.Rechnen();
    EXPECT_EQ(tw.T(2)->PlatzNr, 1);
    EXPECT_EQ(tw.T(1)->PlatzNr, 2);
    EXPECT_EQ(tw.T(1)->PlatzNrJugend, 2);
    EXPECT_EQ(tw.T(1)->Gruppe[2], 1); // second place is in the fly-off for two
    EXPECT_EQ(tw.T(1)->PlatzTeilnTeamWertung, 2);
    const TeilnehmerTyp* p = tw.T(9);
    EXPECT_DOUBLE_EQ(p->Punkte, 1000);
    EXPECT_EQ(p->PlatzNr, 0);
    EXPECT_EQ(p->PlatzNrJugend, 0);
    EXPECT_EQ(p->PlatzNrFlyOff, 0);
    EXPECT_EQ(p->Gruppe[2], 0);
    EXPECT_EQ(p->PlatzTeilnTeamWertung, 0);
}

// --------------------------------------------------------------- fly-off

TEST(Auswertung, FlyOffMitGleichstandAufDemLetztenPlatz) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1, 1);
    tw.W->AnzTeilnInEndRunde = 2;
    tw.W->DurchgangPromille = false;
    const double vorrunde[4] = {100, 90, 90, 50};
    for (int i = 0; i < 4; ++i) {
        tw.Teilnehmer(i + 1, "N" + std::to_string(i));
        tw.Flug(1, i + 1, vorrunde[i]);
    }
    tw.Flug(2, 1, 50);
    tw.Flug(2, 2, 80);
    tw.Flug(2, 3, 80);
    tw.Flug(2, 4, 999); // not a finalist: his values are cleared
    tw.Rechnen();

    const int gruppe[4] = {1, 1, 1, 0};
    const int startplatz[4] = {1, 2, 2, 0};
    const double endrunde[4] = {50, 80, 80, 0};
    const int flyOff[4] = {3, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        const TeilnehmerTyp* t = tw.T(i + 1);
        EXPECT_EQ(t->Gruppe[2], gruppe[i]);
        if (gruppe[i]) {
            EXPECT_EQ(t->Startplatz[2], startplatz[i]);
        }
        EXPECT_DOUBLE_EQ(t->PunkteEndrunde, endrunde[i]);
        EXPECT_EQ(t->PlatzNrFlyOff, flyOff[i]);
    }
    const WertungTyp* d = DatenWertungGetPtr(GetDurchgangPtr(tw.W, 2), 4, 0);
    ASSERT_NE(d, nullptr);
    EXPECT_DOUBLE_EQ(d->WertungDurchg[1], 0);
    EXPECT_EQ(tw.Platzfolge(), (std::vector<int>{3, 2, 1, 4}));
}

TEST(Auswertung, GleicheFlyOffPunkteTrenntDieVorrunde) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1, 1);
    tw.W->DurchgangPromille = false;
    tw.Teilnehmer(1, "A");
    tw.Teilnehmer(2, "B");
    tw.Teilnehmer(3, "C");
    tw.Flug(1, 1, 90);
    tw.Flug(1, 2, 100);
    tw.Flug(1, 3, 95);
    tw.Flug(2, 1, 80);
    tw.Flug(2, 2, 80);
    tw.Flug(2, 3, 85);
    tw.Rechnen();
    EXPECT_EQ(tw.T(3)->PlatzNrFlyOff, 1);
    EXPECT_EQ(tw.T(2)->PlatzNrFlyOff, 2);
    EXPECT_EQ(tw.T(1)->PlatzNrFlyOff, 3);
    EXPECT_EQ(tw.Platzfolge(), (std::vector<int>{3, 2, 1}));
}

TEST(Auswertung, JugendFlyOff) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1, 1, 1);
    tw.W->AnzTeilnInEndRunde = 1;
    tw.W->AnzJugInEndRunde = 2;
    tw.W->DurchgangPromille = false;
    tw.Teilnehmer(1, "Senior");
    tw.Teilnehmer(2, "J1", true);
    tw.Teilnehmer(3, "J2", true);
    tw.Teilnehmer(4, "J3", true);
    const double vorrunde[4] = {100, 90, 80, 70};
    for (int i = 0; i < 4; ++i) tw.Flug(1, i + 1, vorrunde[i]);
    tw.Flug(3, 2, 40);
    tw.Flug(3, 3, 60);
    tw.Flug(3, 4, 99, 2); // not a junior finalist
    tw.Rechnen();
    EXPECT_EQ(tw.T(2)->Gruppe[3], 1);
    EXPECT_EQ(tw.T(3)->Gruppe[3], 1);
    EXPECT_EQ(tw.T(4)->Gruppe[3], 0);
    EXPECT_EQ(tw.T(1)->Gruppe[3], 0);
    EXPECT_DOUBLE_EQ(tw.T(3)->PunkteEndrundeJugend, 60);
    EXPECT_EQ(tw.T(3)->PlatzNrFlyOffJugend, 1);
    EXPECT_EQ(tw.T(2)->PlatzNrFlyOffJugend, 2);
    EXPECT_EQ(tw.T(4)->PlatzNrFlyOffJugend, 0);
    EXPECT_EQ(tw.T(1)->PlatzNrFlyOffJugend, 0);
    EXPECT_EQ(tw.T(4)->PlatzNrJugend, 3);
    // The junior fly-off does not change the overall order.
    EXPECT_EQ(tw.T(1)->PlatzNrFlyOff, 1);
    // His typed values are gone; he keeps an empty entry outside the fly-off group.
    const WertungTyp* w = DatenWertungGetPtr(GetDurchgangPtr(tw.W, 3), 4, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_DOUBLE_EQ(w->WertungDurchg[1], 0);
    EXPECT_DOUBLE_EQ(w->ErgebnisPunkte, 0);
}

// ---------------------------------------------------------- export points

TEST(Auswertung, Exportpunkte) {
    struct Fall {
        const char* Name;
        bool VorrundenPromille;
        bool FlyOffGeflogen;
        double A0, A1, B0, B1;
    };
    // A: 6 x 900 = 5400, fly-off winner; B: 6 x 600 = 3600, second; 2 participants.
    const std::vector<Fall> faelle = {
        {"6 gewertete Durchgänge, mit Fly-Off", false, true, 93.0, 96.0 + 2, 62.0, 60.0 + 4 + 2},
        {"6 gewertete Durchgänge, Fly-Off ohne Werte", false, false, 90.0, 92.0, 60.0, 62.0},
        {"bezogen auf den Besten, mit Fly-Off", true, true, 103.0, 108.0, 200.0 / 3 + 2, 200.0 / 3 + 4 + 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TestWettbewerb tw;
        tw.Runden(6, 6, 6, 1);
        tw.W->DurchgangPromille = false;
        tw.W->VorrundenPromille = f.VorrundenPromille;
        tw.Teilnehmer(1, "A");
        tw.Teilnehmer(2, "B");
        for (int r = 1; r <= 6; ++r) {
            tw.Flug(r, 1, 900);
            tw.Flug(r, 2, 600);
        }
        if (f.FlyOffGeflogen) {
            tw.Flug(7, 1, 100);
            tw.Flug(7, 2, 50);
        }
        tw.Rechnen();
        EXPECT_NEAR(tw.T(1)->ExportPunkte[0], f.A0, 1e-9);
        EXPECT_NEAR(tw.T(1)->ExportPunkte[1], f.A1, 1e-9);
        EXPECT_NEAR(tw.T(2)->ExportPunkte[0], f.B0, 1e-9);
        EXPECT_NEAR(tw.T(2)->ExportPunkte[1], f.B1, 1e-9);
    }
}

TEST(Auswertung, ExportpunkteTeilnehmerbonusHoechstens24) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    for (int i = 1; i <= 30; ++i) {
        tw.Teilnehmer(i, "N" + std::to_string(i));
        tw.Flug(1, i, 10.0 * i, 1 + i % 3);
    }
    tw.Rechnen();
    const TeilnehmerTyp* t = tw.T(30);
    EXPECT_NEAR(t->ExportPunkte[1] - t->ExportPunkte[0], 24.0, 1e-9);
}

// ---------------------------------------------------- filing into groups

TEST(Auswertung, NeuVerkettungFolgtDerGruppeneinteilung) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    tw.Teilnehmer(1, "Umgezogen");
    tw.Teilnehmer(2, "Ausgeteilt");
    tw.Teilnehmer(3, "Bleibt");
    tw.Teilnehmer(4, "OhneGruppe");
    WertungTyp* umgezogen = tw.Flug(1, 1, 500, 1);
    tw.Flug(1, 2, 400, 1);
    WertungTyp* bleibt = tw.Flug(1, 3, 300, 1);
    WertungTyp* ohne = tw.Flug(1, 4, 200, 0);
    tw.Flug(1, 99, 100, 1); // no such participant
    tw.T(1)->Gruppe[1] = 2;
    tw.T(2)->Gruppe[1] = 0;
    NeuVerkettungGruppen(tw.W);

    DurchgangTyp* d = GetDurchgangPtr(tw.W, 1);
    auto mitglieder = [&](int Nr) {
        std::vector<int> v;
        for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
            if (g->Nr == Nr && g->ReflyOrder == 0)
                for (WertungTyp* w = g->WertungPtr; w; w = w->next) v.push_back(w->EdvNr);
        return v;
    };
    EXPECT_EQ(mitglieder(1), (std::vector<int>{3}));
    EXPECT_EQ(mitglieder(2), (std::vector<int>{1}));
    EXPECT_EQ(mitglieder(0), (std::vector<int>{4}));
    EXPECT_EQ(DatenWertungGetPtr(d, 1, 0), umgezogen);
    EXPECT_DOUBLE_EQ(umgezogen->WertungDurchg[1], 500);
    EXPECT_EQ(DatenWertungGetPtr(d, 3, 0), bleibt);
    EXPECT_EQ(DatenWertungGetPtr(d, 4, 0), ohne);
}

TEST(Auswertung, ReihenfolgeInDerGruppeBleibt) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    for (int i = 1; i <= 4; ++i) tw.Teilnehmer(i, "N" + std::to_string(i));
    tw.Flug(1, 1, 100, 1);
    tw.Flug(1, 2, 100, 2);
    tw.Flug(1, 3, 100, 1);
    tw.Flug(1, 4, 100, 2);
    for (int i = 1; i <= 4; ++i) tw.T(i)->Gruppe[1] = 3;
    NeuVerkettungGruppen(tw.W);
    DurchgangTyp* d = GetDurchgangPtr(tw.W, 1);
    std::vector<int> v;
    std::vector<int> vorher;
    for (GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->Nr == 3)
            for (WertungTyp* w = g->WertungPtr; w; w = w->next) v.push_back(w->EdvNr);
        else
            EXPECT_EQ(g->WertungPtr, nullptr) << "Gruppe " << g->Nr;
    }
    // Groups in list order (2 was created last, so it is the head), entries in their order.
    EXPECT_EQ(v, (std::vector<int>{4, 2, 3, 1}));
}

// ------------------------------------------------- flag and idempotence

TEST(Auswertung, NurBeiGesetzterMarke) {
    TestWettbewerb tw;
    tw.Runden(1, 1, 1);
    tw.Teilnehmer(1, "A");
    tw.Flug(1, 1, 500);
    tw.T(1)->Punkte = -7;
    tw.W->CalcWertung = false;
    CalcWertung(tw.W);
    EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, -7);
    tw.W->CalcWertung = true;
    CalcWertung(tw.W);
    EXPECT_FALSE(tw.W->CalcWertung);
    EXPECT_DOUBLE_EQ(tw.T(1)->Punkte, 1000);
    CalcWertung(nullptr);
}

// Every computed field of participants, teams and entries, keyed so that two
// evaluations can be compared.
struct Ergebnis {
    std::map<int, std::vector<double>> Teilnehmer;
    std::map<std::tuple<int, int, int, int>, std::vector<double>> Wertungen;
    std::map<int, std::vector<double>> Teams;
    std::vector<int> Platzfolge;
    bool operator==(const Ergebnis&) const = default;
};

Ergebnis Erfassen(TestWettbewerb& tw) {
    Ergebnis e;
    for (TeilnehmerTyp* t = tw.W->TeilnehmerRootPtr; t; t = t->next) {
        std::vector<double> v = {t->Punkte, t->StreicherPunkte, double(t->PlatzNr), double(t->PlatzNrJugend),
                                 t->PunkteEndrunde, t->PunkteEndrundeJugend, double(t->PlatzNrFlyOff),
                                 double(t->PlatzNrFlyOffJugend), t->ExportPunkte[0], t->ExportPunkte[1],
                                 double(t->TeilDerTeamWertung), t->PunkteTeamWertung, double(t->PlatzTeamWertung),
                                 double(t->PlatzTeilnTeamWertung)};
        for (int r = 1; r <= MaxDurchgaenge; ++r) {
            v.push_back(t->Gruppe[r]);
            v.push_back(t->Startplatz[r]);
        }
        e.Teilnehmer[t->EdvNr] = v;
    }
    for (DurchgangTyp* d = tw.W->DurchgangRootPtr; d; d = d->next)
        for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
            for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
                std::vector<double> v = {w->RohPunkte, w->Punkte, w->ErgebnisPunkte, double(w->KannStreicherSein),
                                         double(w->Strafpunkte), double(d->DurchgangGeflogen), g->MaxRohPunkte};
                for (double x : w->WertungDurchg) v.push_back(x);
                for (double x : w->WertungPunktr) v.push_back(x);
                e.Wertungen[{d->Nr, g->Nr, g->ReflyOrder, w->EdvNr}] = v;
            }
    for (MannschaftTyp* m = tw.W->MannschaftRootPtr; m; m = m->next) e.Teams[m->Nr] = {m->Punkte, double(m->Platz)};
    e.Platzfolge = tw.Platzfolge();
    return e;
}

// Twelve participants (four juniors) in two groups, four preliminary rounds
// with one drop, a senior and a junior fly-off, a reflight, penalties, a
// participant who missed a round and two teams.
void VollerWettbewerb(TestWettbewerb& tw) {
    tw.Runden(4, 3, 3, 1, 1);
    tw.W->AnzTeilnInEndRunde = 4;
    tw.W->AnzJugInEndRunde = 2;
    tw.W->TeamwertungStatus = TeamwertungBesteDrei;
    for (int i = 1; i <= 12; ++i) tw.Teilnehmer(i, "N" + std::to_string(i), i % 3 == 0);
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i <= 12; ++i) {
            if (r == 2 && i == 5) {
                tw.T(i)->Gruppe[r] = 1 + (i + r) % 2;
                continue;
            }
            tw.Flug(r, i, 300 + (i * 37 + r * 53) % 400, 1 + (i + r) % 2);
        }
    tw.Flug(2, 7, 650, 1 + (7 + 2) % 2, 1)->ReflyVerursacher = false;
    tw.Flug(3, 8, 100, 1 + (8 + 3) % 2, 1)->ReflyVerursacher = true;
    DatenWertungGetPtr(GetDurchgangPtr(tw.W, 1), 4, 0)->Strafpunkte = 25;
    tw.Flug(5, 1, 400);
    tw.Flug(5, 2, 420);
    tw.Flug(6, 3, 300);
    for (int m = 0; m < 2; ++m) {
        MannschaftTyp* team = DatenMannschaftNew();
        DatenMannschaftDefault(team);
        team->Nr = m + 1;
        team->Name = "Team " + std::to_string(m + 1);
        for (int k = 0; k < 4; ++k) team->TeilnehmerEdvNr[k + 1] = 1 + m + 2 * k;
        team->next = tw.W->MannschaftRootPtr;
        tw.W->MannschaftRootPtr = team;
    }
}

TEST(Auswertung, ZweimalAuswertenAendertNichts) {
    for (int regel : {MANUELLE_EINGABE, F5J}) {
        SCOPED_TRACE(regel);
        TestWettbewerb tw(regel);
        F5JParameter(tw.W);
        tw.W->PermntNullMode = PermntNullAktiv | PermntNullJedeNull;
        VollerWettbewerb(tw);
        if (regel == F5J) {
            // Heights and distances for every typed flight; round 2 of participant 5 stays missing.
            for (DurchgangTyp* d = tw.W->DurchgangRootPtr; d; d = d->next)
                for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
                    for (WertungTyp* w = g->WertungPtr; w; w = w->next) {
                        w->WertungDurchg[2] = 50;
                        w->WertungPunktr[1] = 2;
                    }
        }
        tw.Rechnen();
        const Ergebnis erstes = Erfassen(tw);
        tw.Rechnen();
        const Ergebnis zweites = Erfassen(tw);
        EXPECT_TRUE(erstes == zweites);
        EXPECT_EQ(erstes.Platzfolge.size(), 12u);
        // Every participant has an entry in every preliminary and fly-off round.
        for (int r = 1; r <= 6; ++r)
            for (int i = 1; i <= 12; ++i)
                EXPECT_NE(DatenWertungGetPtr(GetDurchgangPtr(tw.W, r), i, 0), nullptr) << r << " " << i;
    }
}

// --------------------------------------------------------- robustness

TEST(Auswertung, UnsinnigeAnzahlenAusEinerDatei) {
    struct Fall {
        const char* Name;
        std::function<void(TestWettbewerb&)> Aendern;
    };
    const std::vector<Fall> faelle = {
        {"DURCHGÄNGE 99", [](TestWettbewerb& tw) { tw.W->AnzDurchgaenge = 99; }},
        {"VORRUNDEN 99", [](TestWettbewerb& tw) { tw.W->AnzVorrunden = 99; }},
        {"VORRUNDEN -3", [](TestWettbewerb& tw) { tw.W->AnzVorrunden = -3; }},
        {"GEWERT_DURCHG 0", [](TestWettbewerb& tw) { tw.W->AnzGewDurchgaenge = 0; }},
        {"GEWERT_DURCHG 99", [](TestWettbewerb& tw) { tw.W->AnzGewDurchgaenge = 99; }},
        {"GEWERT_DURCHG -40", [](TestWettbewerb& tw) { tw.W->AnzGewDurchgaenge = -40; }},
        {"STREICHER_AB -5", [](TestWettbewerb& tw) { tw.W->StreicherAbDurchg = -5; }},
        {"FLYOFFSENIOR 40", [](TestWettbewerb& tw) { tw.W->AnzSeniorenFlyOff = 40; }},
        {"FLYOFFSENIOR -2", [](TestWettbewerb& tw) { tw.W->AnzSeniorenFlyOff = -2; }},
        {"TEILNENDRUNDE -1", [](TestWettbewerb& tw) { tw.W->AnzTeilnInEndRunde = -1; }},
        {"PUNKTRICHTER 40",
         [](TestWettbewerb& tw) {
             tw.W->AnzPunktrichter = 40;
             tw.W->RegelPtr->EdvNr = OLDTIMER_FUNFLY;
         }},
        {"NACHKOMMA 40", [](TestWettbewerb& tw) { tw.W->AnzNachkomma = 40; }},
        {"Gruppe 40",
         [](TestWettbewerb& tw) {
             for (int r = 1; r <= MaxDurchgaenge; ++r) tw.T(1)->Gruppe[r] = 40;
         }},
        {"alles zugleich",
         [](TestWettbewerb& tw) {
             tw.W->AnzDurchgaenge = 99;
             tw.W->AnzVorrunden = -3;
             tw.W->AnzGewDurchgaenge = 0;
             tw.W->AnzSeniorenFlyOff = 99;
             tw.W->TeamwertungStatus = 77;
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TestWettbewerb tw;
        VollerWettbewerb(tw);
        // Rounds no participant slot can hold.
        for (int nr : {0, -4, 31, 99}) {
            DurchgangTyp* d = DatenDurchgangGetPtr(tw.W->DurchgangRootPtr, nr);
            GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, 1, 0);
            DatenWertungInGroupGetPtr(d, g, 1)->RohPunkte = 123;
        }
        f.Aendern(tw);
        tw.Rechnen();
        const Ergebnis erstes = Erfassen(tw);
        tw.Rechnen();
        EXPECT_TRUE(erstes == Erfassen(tw));
        for (int nr : {0, -4, 31, 99}) {
            DurchgangTyp* d = DatenDurchgangGetPtr(tw.W->DurchgangRootPtr, nr);
            ASSERT_NE(d->GruppePtr, nullptr);
            ASSERT_NE(d->GruppePtr->WertungPtr, nullptr);
            EXPECT_DOUBLE_EQ(d->GruppePtr->WertungPtr->RohPunkte, 123) << nr;
        }
        for (TeilnehmerTyp* t = tw.W->TeilnehmerRootPtr; t; t = t->next) EXPECT_TRUE(std::isfinite(t->Punkte));
    }
}

} // namespace
} // namespace tavuran
