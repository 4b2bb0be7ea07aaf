// The decisions of the print preview: the round of "weitere", the groups it
// shows, the size of the on-screen page, and the documents its controls mean.
#include <gtest/gtest.h>

#include "reports/DruckVorschau.h"
#include "tests/reports/DruckFixture.h"

namespace tavuran {
namespace {

using drucktest::Fuellen;
using drucktest::Wettbewerb;

TEST(DruckVorschau, WeitererDurchgang) {
    struct Fall {
        int Eingabe, Anzahl, Erwartet;
    } const faelle[] = {
        {25, 14, 14}, // above the competition's rounds
        {5, 14, 11},  // below 11
        {0, 12, 11},  // an empty field reads as 0
        {12, 14, 12}, {18, 18, 18},
        {20, 30, 18}, // never above 18
        {15, 11, 11},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(WeitererDurchgang(f.Eingabe, f.Anzahl), f.Erwartet) << f.Eingabe << " bei " << f.Anzahl;
}

TEST(DruckVorschau, SeitenGroesse) {
    DruckPapier hoch;
    hoch.Breite = 21000;
    hoch.Hoehe = 29700;
    DruckPapier quer; // A4 landscape
    DruckPapier etikett = hoch; // labels: the printable area only
    etikett.RandLinks = etikett.RandRechts = 500;
    etikett.RandOben = etikett.RandUnten = 1350;
    struct Fall {
        const char* Name;
        DruckPapier Papier;
        int FlaecheB, FlaecheH, B, H;
    } const faelle[] = {
        {"hoch", hoch, 1300, 800, 565, 800},
        {"quer", quer, 1300, 800, 1131, 800},
        {"quer, schmale Fläche", quer, 1000, 800, 1000, 707},
        {"hoch, schmale Fläche", hoch, 400, 800, 400, 565},
        {"Etiketten", etikett, 1300, 810, 600, 810},
    };
    for (const Fall& f : faelle) {
        int b = 0, h = 0;
        VorschauSeitenGroesse(f.Papier, f.FlaecheB, f.FlaecheH, b, h);
        EXPECT_EQ(b, f.B) << f.Name;
        EXPECT_EQ(h, f.H) << f.Name;
    }
}

TEST(DruckVorschau, Gruppen) {
    struct Fall {
        int Client, Sort;
        bool Scalable;
        bool Folge, Durchgang, Team, Stil, Blaettern;
    } const faelle[] = {
        {VorschauListen, 4, false, true, false, false, false, true},
        {VorschauListen, 3, false, true, true, false, false, true},
        {VorschauListen, 3, true, true, true, false, true, true},
        {VorschauListen, 8, false, false, false, false, false, true},
        {VorschauEtiketten, 2, false, true, false, false, false, true},
        {VorschauStartzettel, 2, false, true, true, true, false, true},
        {VorschauKanalstatistik, 3, false, false, false, false, false, false},
    };
    for (const Fall& f : faelle) {
        const VorschauGruppen g = VorschauGruppenSichtbar(f.Client, f.Sort, f.Scalable);
        SCOPED_TRACE(std::to_string(f.Client) + "/" + std::to_string(f.Sort));
        EXPECT_EQ(g.Folge, f.Folge);
        EXPECT_EQ(g.Durchgang, f.Durchgang);
        EXPECT_EQ(g.TeamSortierung, f.Team);
        EXPECT_EQ(g.Stil, f.Stil);
        EXPECT_EQ(g.Blaettern, f.Blaettern);
    }
}

// The rounds a state selects decide the pages: one page per round of a start
// list and per preliminary round for "Vorrnd.".
TEST(DruckVorschau, RundenWahlBestimmtDieSeiten) {
    Wettbewerb w;
    Fuellen(w, 10, 5, 3);
    struct Fall {
        DruckArt Art;
        int Runden, Durchgang, Seiten;
    } const faelle[] = {
        {DruckArt::Startliste, 0, 2, 1},
        {DruckArt::Startliste, DruckVorrunden, 2, 3},
        {DruckArt::Startliste, DruckFlyOffs, 2, 1},
        {DruckArt::Ergebnisliste, DruckVorrunden, 1, 3},
        {DruckArt::Startzettel, DruckVorrunden, 1, 10}, // a new page for every participant by name
        {DruckArt::Startzettel, 0, 2, 2},
    };
    for (const Fall& f : faelle) {
        VorschauZustand z = VorschauStart(f.Art, 1);
        z.RundenWahl = f.Runden;
        z.AktDurchgang = f.Durchgang;
        std::string m;
        const auto d = DruckDokumentErstellen(w.W, VorschauDruckAuftrag(z), m);
        ASSERT_NE(d, nullptr) << m;
        EXPECT_EQ(d->AnzahlSeiten(), f.Seiten) << d->Titel << " " << f.Runden;
        EXPECT_EQ(w->DurchgangNr, 1); // the competition's round is left as it was
    }
    EXPECT_EQ(VorschauStart(DruckArt::Startzettel, 2).RundenWahl, DruckVorrunden);
    EXPECT_EQ(VorschauStart(DruckArt::Ergebnisliste, 2).AktSort, SortPlatz);
}

// A style chosen in the preview survives its rebuilds; only a new build from
// the distribution dialog chooses again from the participant count.
TEST(DruckVorschau, StartlisteBehaeltDenGewaehltenStil) {
    Wettbewerb w;
    Fuellen(w, 20, 5);
    VorschauZustand z = VorschauStart(DruckArt::Startliste, 1);
    std::string m;
    auto d = DruckDokumentErstellen(w.W, VorschauDruckAuftrag(z), m);
    ASSERT_NE(d, nullptr) << m;
    EXPECT_TRUE(w->Scalable);
    EXPECT_EQ(w->Orientierung, 2);
    EXPECT_EQ(w->GroesseSchrift, 3);
    EXPECT_FALSE(d->Querformat());

    w->Orientierung = 1; // "Querformat" ticked in the preview
    z.DruckAttributeWaehlen = false;
    z.AktSort = SortName;
    d = DruckDokumentErstellen(w.W, VorschauDruckAuftrag(z), m);
    ASSERT_NE(d, nullptr) << m;
    EXPECT_TRUE(d->Querformat());
    EXPECT_EQ(w->Orientierung, 1);

    z.DruckAttributeWaehlen = true;
    d = DruckDokumentErstellen(w.W, VorschauDruckAuftrag(z), m);
    ASSERT_NE(d, nullptr) << m;
    EXPECT_FALSE(d->Querformat());
}

} // namespace
} // namespace tavuran
