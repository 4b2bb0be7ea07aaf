#include "evaluation/ErgebnisAngaben.h"

#include <gtest/gtest.h>

#include <functional>

#include "evaluation/TestWettbewerb.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

// Three preliminary rounds, two count from the third flown round on; points
// are the typed points (no per-mille), one pilot per group.
struct DreiRunden : TestWettbewerb {
    DreiRunden() {
        Runden(3, 2, 3);
        W->DurchgangPromille = false;
        Teilnehmer(1, "Adler");
        Teilnehmer(2, "Bussard");
        Teilnehmer(3, "Condor"); // registered, never flies
    }
    void AlleRunden() {
        const double a[3] = {900, 1000, 800}, b[3] = {700, 600, 650};
        for (int r = 1; r <= 3; ++r) {
            Flug(r, 1, a[r - 1], 1);
            Flug(r, 2, b[r - 1], 2);
        }
    }
};

TEST(ErgebnisAngaben, EndgueltigErstWennJederDurchgangVollstaendigOderPerSchalter) {
    DreiRunden w;
    w.Flug(1, 1, 900, 1);
    w.Flug(1, 2, 700, 2);
    w.Rechnen();
    EXPECT_TRUE(DurchgangVollstaendig(w.W, 1));
    EXPECT_FALSE(DurchgangVollstaendig(w.W, 2));
    EXPECT_FALSE(ErgebnisEndgueltig(w.W));
    EXPECT_TRUE(ErgebnisEndgueltig(w.W, true));
    EXPECT_STREQ(ErgebnisStandWort(false), "vorläufig");


    DreiRunden fertig;
    fertig.AlleRunden();
    fertig.Rechnen();
    for (int r = 1; r <= 3; ++r) EXPECT_TRUE(DurchgangVollstaendig(fertig.W, r)) << r;
    EXPECT_TRUE(ErgebnisEndgueltig(fertig.W));
    EXPECT_STREQ(ErgebnisStandWort(true), "endgültig");

    // A pilot placed in a round without any result leaves the round open.
    fertig.T(3)->Gruppe[2] = 3;
    EXPECT_FALSE(DurchgangVollstaendig(fertig.W, 2));
    EXPECT_FALSE(ErgebnisEndgueltig(fertig.W));

    TestWettbewerb leer;
    leer.Runden(0, 0, 0);
    EXPECT_FALSE(ErgebnisEndgueltig(leer.W));
}

// The flight now: the first round that is not complete, in it the lowest
// group with a placed pilot who has no result; a pilot placed in no group
// holds nothing up.
TEST(ErgebnisAngaben, AktuellerFlugIstDieErsteGruppeOhneErgebnis) {
    DreiRunden w;
    for (int r = 1; r <= 3; ++r) w.T(1)->Gruppe[r] = 1, w.T(2)->Gruppe[r] = 2, w.T(3)->Gruppe[r] = 2;
    struct Fall {
        const char* Was;
        std::function<void()> Schritt;
        int Runde, Gruppe;
    } faelle[] = {
        {"nichts eingetragen", [] {}, 1, 1},
        {"Gruppe 1 fertig", [&] { w.Flug(1, 1, 900, 1); }, 1, 2},
        {"Gruppe 2 halb", [&] { w.Flug(1, 2, 700, 2); }, 1, 2},
        {"Durchgang 1 fertig", [&] { w.Flug(1, 3, 650, 2); }, 2, 1},
        {"in Durchgang 2 nur die spätere Gruppe", [&] { w.Flug(2, 2, 600, 2), w.Flug(2, 3, 500, 2); }, 2, 1},
        {"Durchgang 2 fertig", [&] { w.Flug(2, 1, 1000, 1); }, 3, 1},
        {"der Rest ohne Gruppe", [&] { w.Flug(3, 1, 800, 1), w.Flug(3, 2, 650, 2), w.T(3)->Gruppe[3] = 0; }, 0, 0},
    };
    for (const Fall& f : faelle) {
        f.Schritt();
        w.Rechnen();
        const AktuellerFlugTyp a = AktuellerFlug(w.W);
        EXPECT_EQ(a.Durchgang, f.Runde) << f.Was;
        EXPECT_EQ(a.Gruppe, f.Gruppe) << f.Was;
    }
    EXPECT_EQ(AktuellerFlug(nullptr).Durchgang, 0);
}

TEST(ErgebnisAngaben, StandZeileMitDatumUhrzeitUndStand) {
    ErgebnisZeitpunkt z;
    z.Tag = 4, z.Monat = 7, z.Jahr = 2026, z.Stunde = 9, z.Minute = 5;
    EXPECT_EQ(ErgebnisStandText(z), "Stand 04.07.2026 09:05");
    DreiRunden w;
    w.Rechnen();
    EXPECT_EQ(ErgebnisStandZeile(w.W, z), "Stand 04.07.2026 09:05, vorläufig");
    EXPECT_EQ(ErgebnisStandZeile(w.W, z, true), "Stand 04.07.2026 09:05, endgültig");
}

TEST(ErgebnisAngaben, VorrundenHinweisNenntGeflogeneUndGewertete) {
    struct Fall {
        int Vorrunden, Gewertet, Geflogen;
        bool Gesamt;
        const char* Text;
    };
    const Fall faelle[] = {
        {4, 3, 2, false, "2 Vorrunden geflogen, gewertet werden 3 von 4"},
        {4, 3, 1, false, "1 Vorrunde geflogen, gewertet werden 3 von 4"},
        {4, 3, 4, false, "4 Vorrunden geflogen, gewertet werden 3 von 4"},
        {4, 4, 2, false, "2 Vorrunden geflogen, gewertet werden 4 von 4"},
        {4, 4, 4, false, ""},
        {5, 4, 3, true, "3 Teilwettbewerbe geflogen, gewertet werden 4 von 5"},
    };
    for (const Fall& f : faelle) {
        TestWettbewerb w(f.Gesamt ? GESAMTWERTUNG : MANUELLE_EINGABE);
        w.Runden(f.Vorrunden, f.Gewertet, f.Vorrunden);
        w.W->AnzVorrundenGeflogen = f.Geflogen;
        EXPECT_EQ(VorrundenHinweis(w.W), f.Text) << f.Vorrunden << " " << f.Gewertet << " " << f.Geflogen;
    }
}

TEST(ErgebnisAngaben, PlatzierteVorNichtGeflogenenOhnePlatzUndOhneNullen) {
    DreiRunden w;
    w.AlleRunden();
    w.Rechnen();
    const std::vector<const TeilnehmerTyp*> folge = ErgebnisFolge(w.W);
    ASSERT_EQ(folge.size(), 3u);
    EXPECT_EQ(folge[0]->EdvNr, 1);
    EXPECT_EQ(folge[1]->EdvNr, 2);
    EXPECT_EQ(folge[2]->EdvNr, 3);
    const TeilnehmerTyp* condor = w.T(3);
    EXPECT_EQ(ErgebnisPlatzText(condor), "");
    EXPECT_EQ(ErgebnisPlatzText(w.T(1)), "1");
    EXPECT_FALSE(TeilnehmerGeflogen(w.W, condor));
    EXPECT_TRUE(TeilnehmerGeflogen(w.W, w.T(2)));
    EXPECT_EQ(ErgebnisRundenText(w.W, condor, 1), "");
    EXPECT_EQ(ErgebnisSummenText(w.W, condor, condor->Punkte), "");
    EXPECT_EQ(ErgebnisSummenText(w.W, w.T(1), w.T(1)->Punkte), "1900");
}

TEST(ErgebnisAngaben, RundenTextKlammertStreicherUndSammeltZeichen) {
    DreiRunden w;
    w.AlleRunden();
    w.Rechnen();
    ErgebnisZeichen z;
    EXPECT_EQ(ErgebnisRundenText(w.W, w.T(1), 1, &z), "900");
    EXPECT_EQ(ErgebnisRundenText(w.W, w.T(1), 3, &z), "(800)");
    EXPECT_EQ(ErgebnisRundenText(w.W, w.T(2), 2, &z), "(600)");
    EXPECT_TRUE(ErgebnisGestrichen(w.W, w.T(1), 3));
    EXPECT_FALSE(ErgebnisGestrichen(w.W, w.T(1), 2));
    EXPECT_TRUE(z.Gestrichen);
    EXPECT_FALSE(z.Strafe);
    EXPECT_EQ(ZeichenLegende(z), std::vector<std::string>{"( )  Streichergebnis: zählt nicht zur Summe"});
}

TEST(ErgebnisAngaben, UngeflogeneRundeWirdNichtGeklammert) {
    // Two of three flown, two count so far: nothing is dropped, and the open
    // round's zero is no dropped result either.
    DreiRunden w;
    w.Flug(1, 1, 900, 1);
    w.Flug(2, 1, 1000, 1);
    w.Rechnen();
    EXPECT_FALSE(ErgebnisGestrichen(w.W, w.T(1), 3));
    EXPECT_EQ(ErgebnisRundenText(w.W, w.T(1), 1), "900");
}

TEST(ErgebnisAngaben, StrafeMitEigenemZeichenUndNachkommastellen) {
    DreiRunden w;
    w.AlleRunden();
    w.Flug(1, 1, 998.5, 1)->Strafpunkte = 100;
    w.Rechnen();
    ErgebnisZeichen z;
    const std::string t = ErgebnisRundenText(w.W, w.T(1), 1, &z);
    EXPECT_EQ(t, std::string(StrafZeichen) + "898.5");
    EXPECT_EQ(t.find('S'), std::string::npos);
    EXPECT_TRUE(z.Strafe);
    const std::vector<std::string> l = ZeichenLegende(z);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0], "P  Punktabzug: Wert nach Abzug der Strafpunkte");
}

TEST(ErgebnisAngaben, GezaehlterFlugEinerRundeMitReflight) {
    struct Fall {
        double Erst, Refly;
        bool Verursacher;
        bool ReflightZaehlt;
    };
    const Fall faelle[] = {
        {500, 800, false, true},  // the better reflight
        {800, 500, false, false}, // the first flight is strictly better
        {800, 800, false, true},  // equal: the reflight
        {800, 500, true, true},   // caused on purpose: counts even when worse
    };
    for (const Fall& f : faelle) {
        DreiRunden w;
        w.Flug(1, 1, f.Erst, 1);
        w.Flug(1, 1, f.Refly, 1, 1)->ReflyVerursacher = f.Verursacher;
        w.Rechnen();
        const GezaehlterFlugTyp g = GezaehlterFlug(w.W, w.T(1), 1);
        ASSERT_NE(g.Eintrag, nullptr);
        EXPECT_EQ(g.IstReflight, f.ReflightZaehlt) << f.Erst << " " << f.Refly;
        EXPECT_DOUBLE_EQ(g.Eintrag->RohPunkte, f.ReflightZaehlt ? f.Refly : f.Erst);
        ErgebnisZeichen z;
        const std::string t = ErgebnisRundenText(w.W, w.T(1), 1, &z);
        EXPECT_EQ(t.rfind("R", 0) == 0, f.ReflightZaehlt) << t;
        EXPECT_EQ(z.Reflight, f.ReflightZaehlt);
    }
}

TEST(ErgebnisAngaben, ZweiEintraegeEinerArtDerLetzteZaehlt) {
    // A pilot twice in the ordinary groups, or in two reflight groups: the
    // lists pair the last match of each kind, as the reflight settling does,
    // not the first one the round's index knows.
    struct Fall {
        int ReflyOrderA, ReflyOrderB;
    };
    for (const Fall f : {Fall{0, 0}, Fall{1, 2}}) {
        DreiRunden w;
        if (f.ReflyOrderA > 0) w.Flug(1, 1, 900, 1);
        w.Flug(1, 1, 600, 2, f.ReflyOrderB);
        w.Flug(1, 1, 700, 1, f.ReflyOrderA);
        DurchgangTyp* d = GetDurchgangPtr(w.W, 1);
        const WertungTyp* letzter = nullptr;
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
            if ((g->ReflyOrder > 0) == (f.ReflyOrderA > 0))
                for (const WertungTyp* e = g->WertungPtr; e; e = e->next)
                    if (e->EdvNr == 1) letzter = e;
        ASSERT_NE(letzter, nullptr);
        ASSERT_NE(DatenWertungGetPtr(d, 1, f.ReflyOrderA), letzter) << "the fixture must tell first and last apart";
        const GezaehlterFlugTyp g = GezaehlterFlug(w.W, w.T(1), 1);
        EXPECT_EQ(f.ReflyOrderA > 0 ? g.Eintrag : g.Erstflug, letzter) << f.ReflyOrderA;
    }
}

TEST(ErgebnisAngaben, GesamtwertungZeigtStrichFuerNichtGeflogenenTeilwettbewerb) {
    TestWettbewerb w(GESAMTWERTUNG);
    w.Runden(2, 2, 2);
    w.Teilnehmer(1, "Adler");
    w.Teilnehmer(2, "Bussard");
    w.Flug(1, 1, 99.5, 1);
    w.Flug(2, 1, 97.0, 1);
    w.Flug(1, 2, 90.0, 1);
    w.Rechnen();
    ErgebnisZeichen z;
    EXPECT_EQ(ErgebnisRundenText(w.W, w.T(2), 2, &z), NichtGeflogenZeichen);
    EXPECT_TRUE(z.NichtGeflogen);
    EXPECT_NE(ErgebnisRundenText(w.W, w.T(2), 1), NichtGeflogenZeichen);
}

// The table a result list reads its rounds from shows, row by row, what
// asking for each pilot and round shows: in competitions with drops,
// penalties, reflights, open rounds, a fly-off, an overall ranking, two
// entries of one kind, and a damaged file's shared or odd numbers.
TEST(ErgebnisAngaben, RundenTabelleZeigtWasJedeRundeEinzelnZeigt) {
    struct Fall {
        const char* Was;
        int Regel;
        std::function<void(TestWettbewerb&)> Bauen;
        std::function<void(TestWettbewerb&)> Danach = {}; // after the evaluation
    };
    auto drei = [](TestWettbewerb& w) {
        w.Runden(3, 2, 3);
        w.W->DurchgangPromille = false;
        w.Teilnehmer(1, "Adler");
        w.Teilnehmer(2, "Bussard");
        w.Teilnehmer(3, "Condor"); // never flies
    };
    const Fall faelle[] = {
        {"Streicher, Strafe, Reflights", MANUELLE_EINGABE,
         [&](TestWettbewerb& w) {
             drei(w);
             const double a[3] = {900, 1000, 800}, b[3] = {700, 600, 650};
             for (int r = 1; r <= 3; ++r) w.Flug(r, 1, a[r - 1], 1), w.Flug(r, 2, b[r - 1], 2);
             w.Flug(1, 1, 998.5, 1)->Strafpunkte = 100;
             w.Flug(2, 2, 900, 2, 1);                          // the better reflight
             w.Flug(3, 1, 500, 1, 1)->ReflyVerursacher = true; // caused: counts though worse
             w.Flug(2, 1, 1000, 1)->KannStreicherSein = false;
         }},
        {"eine Runde offen", MANUELLE_EINGABE,
         [&](TestWettbewerb& w) {
             drei(w);
             w.Flug(1, 1, 900, 1), w.Flug(2, 1, 1000, 1), w.Flug(1, 2, 700, 2);
         }},
        {"zwei Eintraege einer Art", MANUELLE_EINGABE,
         [&](TestWettbewerb& w) {
             drei(w);
             for (int r = 1; r <= 3; ++r) w.Flug(r, 2, 600, 2);
             w.Flug(1, 1, 900, 1), w.Flug(1, 1, 600, 2, 2), w.Flug(1, 1, 700, 1, 1);
             w.Flug(2, 1, 800, 1), w.Flug(2, 1, 650, 3);
             w.Flug(3, 1, 750, 1);
         }},
        {"Fly-off nur fuer die Besten", MANUELLE_EINGABE,
         [&](TestWettbewerb& w) {
             w.Runden(2, 2, 3, 1);
             w.Teilnehmer(1, "Adler"), w.Teilnehmer(2, "Bussard");
             for (int r = 1; r <= 2; ++r) w.Flug(r, 1, 900, 1), w.Flug(r, 2, 800, 2);
             w.Flug(3, 1, 950, 1);
         }},
        {"Gesamtwertung mit fehlendem Teilwettbewerb", GESAMTWERTUNG,
         [&](TestWettbewerb& w) {
             w.Runden(3, 2, 3);
             w.Teilnehmer(1, "Adler"), w.Teilnehmer(2, "Bussard");
             w.Flug(1, 1, 99.5, 1), w.Flug(2, 1, 97.0, 1), w.Flug(3, 1, 96.0, 1);
             w.Flug(1, 2, 90.0, 1), w.Flug(3, 2, 91.0, 1);
         }},
        {"beschaedigte Nummern", MANUELLE_EINGABE,
         [&](TestWettbewerb& w) {
             drei(w);
             for (int r = 1; r <= 3; ++r)
                 w.Flug(r, 1, 900 - r, 1), w.Flug(r, 2, 700 + r, 2), w.Flug(r, 3, 800, 3);
         },
         [](TestWettbewerb& w) {
             TeilnehmerTyp* a = w.T(1);
             w.T(3)->EdvNr = 2; // two pilots of one number
             a->EdvNr = 70000;  // a number beyond the table by number
         }},
    };
    for (const Fall& f : faelle) {
        TestWettbewerb w(f.Regel);
        f.Bauen(w);
        w.Rechnen();
        if (f.Danach) f.Danach(w);
        std::vector<const TeilnehmerTyp*> folge;
        for (const TeilnehmerTyp* t = w.W->TeilnehmerRootPtr; t; t = t->next) folge.push_back(t);
        const int runden = w.W->AnzDurchgaenge;
        const ErgebnisRundenTabelle tabelle(w.W, folge, runden);
        ErgebnisZeichen einzeln, ausTabelle;
        bool Werte = false;
        for (std::size_t i = 0; i < folge.size(); ++i)
            for (int r = 1; r <= runden; ++r) {
                const std::string erwartet = ErgebnisRundenText(w.W, folge[i], r, &einzeln);
                EXPECT_EQ(ErgebnisRundenText(tabelle(i, r), &ausTabelle), erwartet)
                    << f.Was << ": Zeile " << i << ", Runde " << r;
                EXPECT_EQ(ErgebnisRundenText(tabelle(i, r), nullptr, false),
                          ErgebnisRundenText(w.W, folge[i], r, nullptr, false))
                    << f.Was << ": ohne R, Zeile " << i << ", Runde " << r;
                Werte = Werte || !erwartet.empty();
            }
        EXPECT_TRUE(Werte) << f.Was << ": the fixture shows results";
        EXPECT_EQ(ZeichenLegende(ausTabelle), ZeichenLegende(einzeln)) << f.Was;
    }
}

TEST(ErgebnisAngaben, KanalWieDieListenIhnZeigen) {
    EXPECT_EQ(KanalAnzeige("2G4"), "2,4GHz");
    EXPECT_EQ(KanalAnzeige("72"), "72");
    EXPECT_EQ(KanalAnzeige(""), "");
}

} // namespace
} // namespace tavuran
