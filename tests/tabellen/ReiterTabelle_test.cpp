// The tables of the main window's tabs, without a window: a row of texts per
// pilot, what each row stands for, the marks of the cells, and which rows
// changed between two tables.
#include <gtest/gtest.h>

#include "core/DatenMannschaft.h"
#include "evaluation/TestWettbewerb.h"
#include "evaluation/WertungEingabe.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "startorder/Kanal.h"
#include "tabellen/ReiterTabelle.h"
#include "tests/evaluation/RegelWettbewerb.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

// The texts of the first columns of a row, blanks trimmed at the ends.
std::vector<std::string> Texte(const TabelleTyp& t, int Zeile, int BisSpalte) {
    std::vector<std::string> v;
    for (int c = 0; c <= BisSpalte; ++c) {
        std::string s = t.Text(Zeile, c);
        s.erase(0, s.find_first_not_of(' '));
        s.erase(s.find_last_not_of(' ') + 1);
        v.push_back(s);
    }
    return v;
}

class Reiter : public ::testing::Test {
  protected:
    void SetUp() override {
        tw.Runden(2, 2, 9);
        tw.W->RegelPtr->ParameterDurchg.Anzahl = 1;
        tw.W->RegelPtr->ParameterDurchg.Bezeichner[1] = "Punkte";
        tw.Teilnehmer(1, "Adler")->Verein = "MFC Nord";
        tw.Teilnehmer(2, "Berger")->Verein = "MFC Süd";
        tw.Teilnehmer(3, "Conrad", true)->Verein = "MFC Ost";
        for (int r = 1; r <= 2; ++r) {
            tw.Flug(r, 1, 800 + r, 1);
            tw.Flug(r, 2, 900, 1);
            tw.Flug(r, 3, 1000, 2);
        }
        SortAll(tw.W);
        tw.Rechnen();
        tw.W->DurchgangNr = 1;
    }
    TabelleTyp Tabelle(int Tab, ReiterOptionen o = {}) { return ReiterTabelle(tw.W, Tab, o); }
    TestWettbewerb tw;
};

TEST_F(Reiter, TeilnehmerbogenZeigtJePilotEineZeileUndFreieZeilenZumTippen) {
    const TabelleTyp t = Tabelle(TabTeilnehmer);
    ASSERT_EQ(t.AnzahlSpalten(), TeilnSpalten);
    EXPECT_EQ(t.Spalten[0].Kopf, "Meldg.");
    EXPECT_EQ(t.Spalten[1].Kopf, "Startnr.");
    EXPECT_EQ(Texte(t, 0, 3), (std::vector<std::string>{"1", "1", "Adler V1", "MFC Nord"}));
    EXPECT_EQ(Texte(t, 2, 3), (std::vector<std::string>{"3", "3", "Conrad V3", "MFC Ost"}));
    EXPECT_EQ(t.Text(2, TeilnSpalteJugend), "J");
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(t.Zeilen[static_cast<std::size_t>(r)].Art, ZeilenArt::Teilnehmer);
        EXPECT_EQ(t.Zeilen[static_cast<std::size_t>(r)].EdvNr, r + 1);
        EXPECT_EQ(tw.T(r + 1)->ZeilenNr[TabTeilnehmer], r + 1);
    }
    // Room below the list: at least 50 + 4 rows, all free and typed into.
    EXPECT_EQ(t.AnzahlZeilen(), 54);
    EXPECT_EQ(t.Zeilen[3].Art, ZeilenArt::Frei);
    EXPECT_TRUE(t.ZelleEditierbar(3, TeilnSpalteName));
    EXPECT_TRUE(t.ZelleEditierbar(0, TeilnSpalteModell1));
    EXPECT_FALSE(t.ZelleEditierbar(0, 1));
    // The start order shows the same columns but is not typed into.
    EXPECT_FALSE(Tabelle(TabStartreihenfolge).ZelleEditierbar(0, TeilnSpalteName));
}

TEST_F(Reiter, KanaeleUndHelferSindMarkiert) {
    TeilnehmerTyp* a = tw.T(1);
    TeilnehmerTyp* b = tw.T(2);
    TeilnehmerTyp* c = tw.T(3);
    a->Kanal[1] = "61";
    a->Kanal[2] = "63";
    a->KanalAktiv = 1;
    b->Kanal[1] = "61";
    c->Kanal[1] = "2G4";
    a->Helfer[1] = {"", "V2", "Berger"}; // a participant
    a->Helfer[2] = {"", "Max", "Fremd"}; // nobody of the competition
    InitKanalListe(tw.W);
    KanalBelegungToHeap(tw.W);
    const TabelleTyp t = Tabelle(TabTeilnehmer);
    const int k1 = TeilnSpalteKanal1;
    // 61 is used twice (the most), 63 once.
    EXPECT_TRUE(t.Marke(0, k1).Fett);
    EXPECT_EQ(t.Marke(0, k1).Schrift, 0xFF0000u);
    EXPECT_EQ(t.Marke(0, k1 + 1).Schrift, 0x00FF00u);
    // The active channel framed, the others shaded; all centred.
    EXPECT_EQ(t.Marke(0, k1).Rahmen, 0x808080u);
    EXPECT_FALSE(t.Marke(0, k1).Schattiert);
    EXPECT_TRUE(t.Marke(0, k1 + 2).Schattiert);
    EXPECT_EQ(t.Marke(0, k1 + 2).Ausrichtung, ZellAusrichtung::Mitte);
    // A pilot on 2.4 GHz: centred text, nothing else.
    EXPECT_EQ(t.Text(2, k1), "2,4GHz");
    EXPECT_EQ(t.Marke(2, k1).Rahmen, KeineFarbe);
    EXPECT_FALSE(t.Marke(2, k1 + 1).Schattiert);
    // Helpers: a participant on white, a stranger on grey.
    EXPECT_EQ(t.Marke(0, TeilnSpalteHelfer1).Grund, KeineFarbe);
    EXPECT_EQ(t.Marke(0, TeilnSpalteHelfer1 + 1).Grund, 0xC0C0C0u);
    EXPECT_TRUE(t.Marke(5, TeilnSpalteName).Leer());
}

TEST_F(Reiter, StartfolgeTrenntGruppenDurchLeereZeilenAuchWennDerVorigeGefiltertIst) {
    tw.W->Sortierung[TabStartreihenfolge] = SortGruppe;
    TabelleTyp t = Tabelle(TabStartreihenfolge);
    EXPECT_EQ(t.Spalten[0].Kopf, "Gruppe");
    EXPECT_EQ(t.Spalten[3].Kopf, "Team");
    ASSERT_EQ(t.Zeilen[2].Art, ZeilenArt::Trenner);
    EXPECT_EQ(Texte(t, 2, 3), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(t.Text(3, 2), "Conrad V3");
    EXPECT_EQ(t.Text(0, 3), "Verein: MFC Nord"); // in no team
    EXPECT_EQ(tw.T(3)->ZeilenNr[TabStartreihenfolge], 4);
    // Without juniors: the separator stays, Conrad is not listed.
    ReiterOptionen o;
    o.Jugendliche = false;
    o.TeamInStartliste = false;
    t = Tabelle(TabStartreihenfolge, o);
    EXPECT_EQ(t.Spalten[3].Kopf, "Verein");
    EXPECT_EQ(t.Zeilen[2].Art, ZeilenArt::Trenner);
    EXPECT_EQ(t.Zeilen[3].Art, ZeilenArt::Frei);
    EXPECT_EQ(tw.T(3)->ZeilenNr[TabStartreihenfolge], 0);
    EXPECT_EQ(t.ZeileVon(3), -1);
}

TEST_F(Reiter, WertungZeigtRechenspaltenGrauUndWerteZumTippen) {
    TabelleTyp t = Tabelle(TabWertung);
    ASSERT_GE(t.FixeSpalten, 6);
    EXPECT_EQ(t.Spalten[static_cast<std::size_t>(t.FixeSpalten) - 1].Kopf, "Ergebnis");
    const int erste = t.FixeSpalten;
    ASSERT_GT(t.AnzahlSpalten(), erste);
    EXPECT_TRUE(t.Spalten[static_cast<std::size_t>(erste)].Editierbar);
    const int adler = t.ZeileVon(1);
    ASSERT_GE(adler, 0);
    EXPECT_EQ(t.Zeilen[static_cast<std::size_t>(adler)].Art, ZeilenArt::Eintrag);
    EXPECT_EQ(t.Text(adler, erste), "801");
    EXPECT_TRUE(t.ZelleEditierbar(adler, erste));
    EXPECT_FALSE(t.ZelleEditierbar(adler, erste - 1));
    const ZellMarkeTyp& m = t.Marke(adler, erste - 1);
    EXPECT_EQ(m.Grund, 0xF0F0F0u);
    EXPECT_EQ(m.Ausrichtung, ZellAusrichtung::Rechts);
    // Free rows below are not typed into.
    EXPECT_FALSE(t.ZelleEditierbar(t.AnzahlZeilen() - 1, erste));

    // Reflight: only the pilot with a reflight entry has one to type into.
    tw.Flug(1, 2, 950, 1, 1);
    t = Tabelle(TabRefly);
    ASSERT_EQ(t.FixeSpalten, ReflyErsteWertSpalte);
    const int berger = t.ZeileVon(2);
    EXPECT_EQ(t.Zeilen[static_cast<std::size_t>(berger)].Art, ZeilenArt::Eintrag);
    EXPECT_EQ(t.Text(berger, ReflyErsteWertSpalte), "950");
    EXPECT_EQ(t.Zeilen[static_cast<std::size_t>(t.ZeileVon(1))].Art, ZeilenArt::Teilnehmer);
    EXPECT_FALSE(t.ZelleEditierbar(t.ZeileVon(1), ReflyErsteWertSpalte));
    EXPECT_EQ(t.Text(t.ZeileVon(1), ReflyErsteWertSpalte), "");
}

// A stored value the rule makes unlikely is marked in its own cell, with the
// note as tooltip; plausible values and the other cells stay plain.
TEST(ReiterWertung, UnplausibleWerteSindMarkiert) {
    RegelWettbewerb rw("F5J (B-Mod 2025)");
    rw.W->DurchgangNr = 1;
    const WertSpaltenTyp s = GetWertSpalten(rw.W);
    ASSERT_EQ(s.Koepfe, (std::vector<std::string>{"Abstand[m]", "Zeit[min:s]", "F5J-Höhe[m]"}));
    const double werte[2][3] = {{1, 661, 120}, {1, 598, 120}};
    for (int p = 1; p <= 2; ++p)
        for (int k = 1; k <= 3; ++k)
            *WertSlotPtr(GetEingabeWertung(rw.W, 1, p, false), s, k) = werte[p - 1][k - 1];
    const TabelleTyp t = ReiterTabelle(rw.W, TabWertung, {});
    const int erste = t.FixeSpalten;
    const int z1 = t.ZeileVon(1), z2 = t.ZeileVon(2);
    ASSERT_GE(z1, 0);
    ASSERT_GE(z2, 0);
    const ZellMarkeTyp& zeit = t.Marke(z1, erste + 1);
    EXPECT_NE(zeit.Grund, KeineFarbe);
    EXPECT_NE(zeit.Hinweis.find("Flugzeit 11:01 länger als die Arbeitszeit"), std::string::npos) << zeit.Hinweis;
    for (int c : {erste, erste + 2}) EXPECT_TRUE(t.Marke(z1, c).Leer()) << c;
    for (int c = erste; c < erste + 3; ++c) EXPECT_TRUE(t.Marke(z2, c).Leer()) << c;
}

TEST_F(Reiter, ErgebnisNachPlatzMitRundenSpaltenUndVerborgenenLeerenSpalten) {
    tw.W->Sortierung[TabErgebnis] = SortPlatz;
    tw.Flug(1, 3, 1000, 2)->KannStreicherSein = false;
    const TabelleTyp t = Tabelle(TabErgebnis);
    EXPECT_EQ(t.Spalten[0].Kopf, "Platz");
    EXPECT_EQ(t.Spalten[1].Kopf, "Jugend");
    EXPECT_EQ(t.Spalten[6].Kopf, "Ergebnis");
    EXPECT_EQ(t.Text(0, 2), "Conrad V3"); // best in his group both rounds
    EXPECT_EQ(Texte(t, 0, 1), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(t.Text(0, 4).substr(0, 1), "!"); // a score that can never be dropped
    EXPECT_NE(t.Text(0, 5).substr(0, 1), "!");
    EXPECT_FALSE(t.Spalten[6].Verborgen);
    EXPECT_TRUE(t.Spalten[8].Verborgen);
    EXPECT_TRUE(t.Spalten[22].Verborgen);
    EXPECT_EQ(t.AnzahlZeilen(), 51);
    EXPECT_FALSE(t.ZelleEditierbar(0, 2));
}

TEST_F(Reiter, TeambogenZeigtJeTeamnummerEineZeile) {
    MannschaftTyp* m = DatenMannschaftNew();
    m->Nr = 2;
    m->Name = "Adler-Team";
    m->TeilnehmerEdvNr[1] = 1;
    m->TeilnehmerEdvNr[3] = 3;
    tw.W->MannschaftRootPtr = m;
    const TabelleTyp t = Tabelle(TabMannschaft);
    ASSERT_EQ(t.AnzahlSpalten(), MannschSpalten);
    EXPECT_EQ(t.Spalten[MannschSpalteName].Kopf, "Teamname");
    EXPECT_EQ(t.Zeilen[1].Art, ZeilenArt::Mannschaft);
    EXPECT_EQ(t.Zeilen[1].MannschaftNr, 2);
    EXPECT_EQ(Texte(t, 1, 5), (std::vector<std::string>{"2", "Adler-Team", "Adler V1", "", "Conrad V3", ""}));
    EXPECT_EQ(Texte(t, 0, 2), (std::vector<std::string>{"1", "", ""}));
    EXPECT_TRUE(t.ZelleEditierbar(0, MannschSpalteName));
    EXPECT_FALSE(t.ZelleEditierbar(0, 0));
}

TEST(Tabelle, GeaenderteZeilenUndLaengsteTexte) {
    TabelleTyp a;
    a.Spalten.resize(2);
    for (int r = 0; r < 6; ++r) {
        a.Zeilen.push_back(NeueZeile(ZeilenArt::Teilnehmer, 2));
        a.SetText(r, 0, std::to_string(r));
    }
    TabelleTyp b = a;
    EXPECT_TRUE(GeaenderteZeilen(a, b).empty());
    b.SetText(1, 1, "x");
    b.SetText(2, 1, "y");
    b.Zeilen[4].Marken.resize(2);
    b.Zeilen[4].Marken[1].Fett = true;
    b.Zeilen.pop_back(); // rows beyond the shorter table are not compared
    const auto g = GeaenderteZeilen(a, b);
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[0].Von, 1);
    EXPECT_EQ(g[0].Bis, 2);
    EXPECT_EQ(g[1].Von, 4);
    EXPECT_EQ(g[1].Bis, 4);

    // Characters, not bytes: "Öß" is two, "abc" three; a padded number is
    // shorter than its blanks make it look.
    b.SetText(0, 1, "Öß");
    b.SetText(3, 1, "abc");
    b.SetText(4, 1, "    0");
    EXPECT_EQ(ZeichenZahl("Öß"), 2);
    EXPECT_EQ(TextLaenge("  87.5"), 10);
    EXPECT_EQ(LaengsteTexte(b, 1, 2), (std::vector<int>{3, 4}));
    EXPECT_EQ(LaengsteTexte(b, 1, 10).size(), 5u);
}

} // namespace
} // namespace tavuran
