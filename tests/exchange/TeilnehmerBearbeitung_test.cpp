// The participant and team sheets over rows of texts: writing rows back,
// the lookups, the take-overs and the clipboard.
#include <gtest/gtest.h>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/TeilnehmerBearbeitung.h"

namespace tavuran {
namespace {

// A competition with participants and the sheet texts the window would show.
class Bogen : public ::testing::Test {
  protected:
    void SetUp() override {
        w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
        w->Datum = {14, 6, 2025};
        TeilnehmerZwischenablageGueltig = false;
    }
    void TearDown() override { DatenWettbewerbDispose(w); }

    TeilnehmerTyp* Teilnehmer(int Edv, const NameTyp& Name, const std::string& Verein) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, Edv, true);
        p->Name = Name;
        p->Verein = Verein;
        p->MeldgNr = Edv;
        p->StartNr = Edv;
        SortAll(w);
        return p;
    }

    TeilnehmerTyp* Pilot(const NameTyp& Name, const std::string& Verein, int Jahr) {
        TeilnehmerTyp* p = DatenTeilnehmerNew();
        DatenTeilnehmerDefault(p);
        p->Name = Name;
        p->Verein = Verein;
        p->LetztTeiln = {1, 5, static_cast<Word>(Jahr)};
        p->next = w->StammDatenRootPtr;
        w->StammDatenRootPtr = p;
        SortStammDatenNamen(w, true);
        return p;
    }

    // The participant sheet as displayed: every participant in registration order.
    GitterTexte Teilnehmerbogen(int Zeilen = 12) {
        GitterTexte g(static_cast<std::size_t>(Zeilen + 1), GitterZeile(TeilnSpalten));
        for (TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) p->ZeilenNr[0] = 0;
        InfoTeilnehmerTyp info;
        int r = 0;
        for (TeilnehmerTyp* p = GetFirstTeilnehmer(w, SortMeldgNr, info); p; p = GetNextTeilnehmer(info)) {
            p->ZeilenNr[0] = ++r;
            for (int c = TeilnSpalteName; c < TeilnSpalten; ++c) SetGitterZelle(g, r, c, TeilnehmerZellText(*p, c));
        }
        return g;
    }

    GitterTexte Teambogen(int Zeilen = 6) {
        GitterTexte g(static_cast<std::size_t>(Zeilen + 1), GitterZeile(MannschSpalten));
        for (MannschaftTyp* m = w->MannschaftRootPtr; m; m = m->next)
            for (int c = 1; c < MannschSpalten; ++c) SetGitterZelle(g, m->Nr, c, MannschaftZellText(w, *m, c));
        return g;
    }

    MannschaftTyp* Team(int Nr) {
        for (MannschaftTyp* m = w->MannschaftRootPtr; m; m = m->next)
            if (m->Nr == Nr) return m;
        return nullptr;
    }

    WettbewerbTyp* w = nullptr;
};

TEST_F(Bogen, EinUnberuehrterBogenAendertNichts) {
    // Names of several words, a 2.4 GHz pilot with hidden channels, lower-case
    // regions and a helper with a title: nothing may be split or rewritten.
    TeilnehmerTyp* a = Teilnehmer(1, {"", "Hans", "von Berg"}, "MFC Nord");
    TeilnehmerTyp* b = Teilnehmer(2, {"Dr.", "Hans Peter", "Müller"}, "MSG Süd");
    b->Kanal[1] = "2G4";
    b->Kanal[2] = "2G4";
    b->Kanal[3] = "";
    b->KanalAktiv = 2;
    b->Land = {"ger", "by", "obb"};
    b->Helfer[1] = {"Prof.", "Eva Maria", "de la Cruz"};
    a->Jugendlich = true;
    const TeilnehmerTyp a0 = *a, b0 = *b;
    w->modified = false;
    GitterTexte g = Teilnehmerbogen();
    EXPECT_FALSE(AktTeilnehmerDaten(w, g, 1, 12));
    EXPECT_FALSE(w->modified);
    EXPECT_EQ(a->Name, a0.Name);
    EXPECT_EQ(b->Name, b0.Name);
    EXPECT_EQ(b->Helfer[1], b0.Helfer[1]);
    EXPECT_EQ(b->Land, b0.Land);
    EXPECT_EQ(b->Kanal[2], "2G4");
    EXPECT_EQ(b->KanalAktiv, 2);
    EXPECT_TRUE(a->Jugendlich);
}

TEST_F(Bogen, GetippteZellenWerdenGelesen) {
    TeilnehmerTyp* b = Teilnehmer(1, {"", "Hans", "Berger"}, "MFC");
    b->Kanal[3] = "";
    GitterTexte g = Teilnehmerbogen();
    SetGitterZelle(g, 1, TeilnSpalteVerein, "  MFC Nord ");
    SetGitterZelle(g, 1, TeilnSpalteJugend, "j");
    SetGitterZelle(g, 1, TeilnSpalteBundesland, " bw");
    SetGitterZelle(g, 1, TeilnSpalteKanal1, "35");
    SetGitterZelle(g, 1, TeilnSpalteHelfer1 + 1, "Adler Anna");
    SetGitterZelle(g, 1, TeilnSpalteModell1, " Lift ");
    EXPECT_TRUE(AktTeilnehmerDaten(w, g, 1, 1));
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(b->Verein, "MFC Nord");
    EXPECT_TRUE(b->Jugendlich);
    EXPECT_EQ(GitterZelle(g, 1, TeilnSpalteJugend), "J");
    EXPECT_EQ(b->Land.Bundesland, "BW");
    // a 2.4 GHz pilot given a channel: the cells as shown become his channels
    EXPECT_EQ(b->Kanal[1], "35");
    EXPECT_EQ(b->Kanal[2], "");
    EXPECT_EQ(b->Kanal[3], "");
    EXPECT_EQ(b->Helfer[2], (NameTyp{"", "Anna", "Adler"}));
    EXPECT_EQ(b->Modell[1], "Lift");
    EXPECT_EQ(b->Name, (NameTyp{"", "Hans", "Berger"}));
    // "2,4GHz" typed again is read as 2.4 GHz
    g = Teilnehmerbogen();
    SetGitterZelle(g, 1, TeilnSpalteKanal1 + 1, "2,4 ghz");
    AktTeilnehmerDaten(w, g, 1, 1);
    EXPECT_EQ(b->Kanal[2], "2G4");
}

TEST_F(Bogen, NeuerTeilnehmerBekommtNummernUndVorgaben) {
    Teilnehmer(1, {"", "Anna", "Adler"}, "A");
    TeilnehmerTyp* b = Teilnehmer(2, {"", "Bernd", "Berger"}, "B");
    // Berger is blanked, but his results and team slot still carry number 2;
    // a placeholder record without name holds number 7.
    GitterTexte g = Teilnehmerbogen();
    SetGitterZelle(g, 2, TeilnSpalteName, "");
    AktTeilnehmerDaten(w, g, 2, 2);
    EXPECT_EQ(b->EdvNr, 0);
    EXPECT_TRUE(b->Name.NachnameStr.empty());
    DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, 1);
    GruppeTyp* gr = DatenGruppeGetPtr(d->GruppePtr, 1, 0);
    DatenWertungInGroupGetPtr(d, gr, 2)->WertungDurchg[1] = 300;
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 1;
    m->TeilnehmerEdvNr[3] = 5;
    w->MannschaftRootPtr = m;
    DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 4, true);
    EXPECT_EQ(NeueTeilnehmerEdvNr(w), 6);

    // the user typed a channel and the club before the name
    g = Teilnehmerbogen();
    SetGitterZelle(g, 3, TeilnSpalteVerein, "MFC Neu");
    SetGitterZelle(g, 3, TeilnSpalteKanal1, "40");
    SetGitterZelle(g, 3, TeilnSpalteName, "Conrad Clara");
    EXPECT_TRUE(AktTeilnehmerDaten(w, g, 3, 3));
    TeilnehmerTyp* c = TeilnehmerInZeile(w, 0, 3);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->EdvNr, 6);
    EXPECT_EQ(c->MeldgNr, 2);
    EXPECT_EQ(c->StartNr, 2);
    EXPECT_EQ(c->Verein, "MFC Neu");
    EXPECT_EQ(c->Kanal[1], "40");
    EXPECT_EQ(c->Kanal[2], "");
    EXPECT_EQ(c->Name, (NameTyp{"", "Clara", "Conrad"}));
    // the name order already holds the newcomer
    InfoTeilnehmerTyp info;
    int n = 0;
    for (TeilnehmerTyp* p = GetFirstTeilnehmer(w, SortName, info); p; p = GetNextTeilnehmer(info)) ++n;
    EXPECT_EQ(n, 2);

    // without typed channels the defaults are taken
    g = Teilnehmerbogen();
    SetGitterZelle(g, 3, TeilnSpalteName, "Dorn Dieter");
    AktTeilnehmerDaten(w, g, 3, 3);
    TeilnehmerTyp* dd = TeilnehmerInZeile(w, 0, 3);
    ASSERT_NE(dd, nullptr);
    EXPECT_TRUE(TeilnehmerIs2G4(dd));
    EXPECT_EQ(dd->EdvNr, 7);
}

TEST_F(Bogen, StammdatenAngebotUndUebernahme) {
    Teilnehmer(1, {"", "Anna", "Adler"}, "A");
    TeilnehmerTyp* mueller = Pilot({"", "Hans", "Müller"}, "MFC Nord", 2024);
    mueller->Land = {"GER", "Bw", ""};
    mueller->Helfer[1] = {"", "Maria", "von Berg"};
    mueller->Kanal[1] = "35";
    mueller->Kanal[2] = "";
    mueller->Kanal[3] = "";
    TeilnehmerTyp* berg = Pilot({"", "Hans", "von Berg"}, "MSG", 2023);
    Pilot({"", "Uwe", "Mühlberg"}, "FSV", 2015); // too long ago
    Pilot({"", "Rolf", "Meier"}, "FSV", 2025)->TeilnehmerAusStammDat = true;

    struct Fall {
        int Spalte;
        const char* Text;
        std::vector<std::string> Namen;
    };
    const Fall faelle[] = {
        {TeilnSpalteName, "MÜ", {"Müller Hans"}},
        {TeilnSpalteName, "mü", {"Müller Hans"}},
        {TeilnSpalteName, "", {"Müller Hans", "von Berg Hans"}},
        {TeilnSpalteVerein, "xyz", {"Müller Hans", "von Berg Hans"}}, // no filter outside the name columns
        {TeilnSpalteHelfer1, "M", {"Meier Rolf", "Müller Hans"}},     // taken pilots are offered as helpers
    };
    for (const Fall& f : faelle) {
        std::vector<std::string> namen;
        for (TeilnehmerTyp* p : StammdatenAngebot(w, f.Spalte, f.Text)) namen.push_back(CnvNameTypToNameStr(&p->Name, true));
        EXPECT_EQ(namen, f.Namen) << f.Spalte << " " << f.Text;
    }
    auto angebot = StammdatenAngebot(w, TeilnSpalteName, "mü");
    EXPECT_EQ(mueller->ZeilenNr[0], 1);
    EXPECT_EQ(berg->ZeilenNr[0], 0);

    // Enter in the club column, or in an empty name cell, asks for nothing
    EXPECT_FALSE(StammdatenAnfrage(angebot, 1, 2, TeilnSpalteVerein, "x", true).Offen());
    EXPECT_FALSE(StammdatenAnfrage(angebot, 1, 2, TeilnSpalteName, "  ", true).Offen());
    EXPECT_FALSE(StammdatenAnfrage(angebot, 2, 2, TeilnSpalteName, "mü", true).Offen());

    // typed "mü" in row 2 and pressed Enter: the row was written back, then the
    // cursor moved on; the take-over goes into row 2 all the same
    GitterTexte g = Teilnehmerbogen();
    SetGitterZelle(g, 2, TeilnSpalteName, "mü");
    const UebernahmeAnfrage a = StammdatenAnfrage(angebot, 1, 2, TeilnSpalteName, "mü", true);
    ASSERT_TRUE(a.Offen());
    AktTeilnehmerDaten(w, g, 1, 12);
    EXPECT_EQ(StammdatenUebernehmen(w, g, a), 2);
    TeilnehmerTyp* p = TeilnehmerInZeile(w, 0, 2);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Name, (NameTyp{"", "Hans", "Müller"}));
    EXPECT_EQ(p->Verein, "MFC Nord");
    EXPECT_EQ(p->Land.Bundesland, "Bw"); // the pilot's own spelling
    EXPECT_EQ(p->Kanal[1], "35");
    EXPECT_EQ(p->Helfer[1], (NameTyp{"", "Maria", "von Berg"})); // not split anew
    EXPECT_TRUE(mueller->TeilnehmerAusStammDat);
    EXPECT_TRUE(StammdatenAngebot(w, TeilnSpalteName, "mü").empty());

    // a helper column receives only the name, unsplit
    g = Teilnehmerbogen();
    const UebernahmeAnfrage h =
        StammdatenAnfrage(StammdatenAngebot(w, TeilnSpalteHelfer1 + 2, "von"), 1, 1, TeilnSpalteHelfer1 + 2, "von", true);
    ASSERT_TRUE(h.Offen());
    EXPECT_EQ(StammdatenUebernehmen(w, g, h), 1);
    TeilnehmerTyp* adler = TeilnehmerInZeile(w, 0, 1);
    EXPECT_EQ(adler->Helfer[3], (NameTyp{"", "Hans", "von Berg"}));
    EXPECT_EQ(adler->Verein, "A");

    // a request whose pilot is gone does nothing
    UebernahmeAnfrage weg = a;
    weg.Verein = "anders";
    g = Teilnehmerbogen();
    EXPECT_EQ(StammdatenUebernehmen(w, g, weg), 0);
}

TEST_F(Bogen, UebernahmeVervollstaendigtDieZeileDarueber) {
    Teilnehmer(1, {"", "Anna", "Adler"}, "A");
    Pilot({"", "Hans", "von Berg"}, "MSG", 2024);
    // "von" typed in row 2, then a click into the lookup while the cursor
    // stands two rows further down
    GitterTexte g = Teilnehmerbogen();
    SetGitterZelle(g, 2, TeilnSpalteName, "von");
    AktTeilnehmerDaten(w, g, 1, 12);
    auto angebot = StammdatenAngebot(w, TeilnSpalteName, "");
    const UebernahmeAnfrage a = StammdatenAnfrage(angebot, 1, 4, TeilnSpalteName, "", false);
    EXPECT_EQ(StammdatenUebernehmen(w, g, a), 2);
    EXPECT_EQ(TeilnehmerInZeile(w, 0, 2)->Name, (NameTyp{"", "Hans", "von Berg"}));
    EXPECT_EQ(TeilnehmerInZeile(w, 0, 3), nullptr);
    EXPECT_EQ(GetAnzTeilnehmer(w->TeilnehmerRootPtr), 2);
}

TEST_F(Bogen, EntfernenUndEinfuegen) {
    Teilnehmer(1, {"", "Anna", "Adler"}, "A");
    TeilnehmerTyp* b = Teilnehmer(2, {"", "Bernd", "Berger"}, "B");
    b->Gruppe[1] = 2;
    GitterTexte g = Teilnehmerbogen();
    // an empty row: nothing happens, the clipboard keeps what it has
    EXPECT_FALSE(EntferneTeilnehmerAusWettbewerb(w, g, 5));
    EXPECT_FALSE(TeilnehmerZwischenablageGueltig);
    EXPECT_FALSE(EinfuegeTeilnehmerInWettbewerb(w, 3, 12));

    EXPECT_TRUE(EntferneTeilnehmerAusWettbewerb(w, g, 2));
    EXPECT_TRUE(TeilnehmerZwischenablageGueltig);
    EXPECT_EQ(TeilnehmerZwischenablage.Name.NachnameStr, "Berger");
    EXPECT_EQ(TeilnehmerZwischenablage.next, nullptr);
    EXPECT_EQ(GetAnzTeilnehmer(w->TeilnehmerRootPtr), 1);
    g = Teilnehmerbogen();
    EXPECT_FALSE(EntferneTeilnehmerAusWettbewerb(w, g, 2));
    EXPECT_EQ(TeilnehmerZwischenablage.Name.NachnameStr, "Berger");

    EXPECT_FALSE(EinfuegeTeilnehmerInWettbewerb(w, 1, 12)); // never into the first row
    EXPECT_TRUE(EinfuegeTeilnehmerInWettbewerb(w, 4, 12));
    EXPECT_TRUE(EinfuegeTeilnehmerInWettbewerb(w, 5, 12)); // the clipboard stays valid
    EXPECT_EQ(GetAnzTeilnehmer(w->TeilnehmerRootPtr), 3);
    TeilnehmerTyp* neu = TeilnehmerInZeile(w, 0, 4);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->Name.NachnameStr, "Berger");
    EXPECT_EQ(neu->EdvNr, 2); // nothing refers to his old number any more
    EXPECT_EQ(neu->MeldgNr, 2);
    EXPECT_EQ(neu->Gruppe[1], 2);
    EXPECT_EQ(TeilnehmerInZeile(w, 0, 5)->EdvNr, 3);
    EXPECT_EQ(TeilnehmerInZeile(w, 0, 5)->MeldgNr, 3);
}

// The rows of the team sheet follow the teams that exist: the usual numbers,
// a row for each team beyond them, and free rows after the last team.
TEST_F(Bogen, FluegeUndReflightsVorDemEntfernen) {
    TeilnehmerTyp* p = Teilnehmer(1, {"", "Anna", "Adler"}, "MFC");
    EXPECT_EQ(TeilnehmerEntfernenFrage(w, p), ""); // nothing flown: no question
    struct Fall {
        int Runde, ReflyOrder;
        double Wert;
        int Fluege, Reflights;
        const char* Frage;
    } faelle[] = {
        {1, 0, 0.0, 0, 0, ""},                 // an empty entry is no flight
        {1, 0, -1.0, 0, 0, ""},                // nor one with nothing entered
        {1, 0, -2.0, 0, 0, ""},                // nor "invalid", which the evaluation writes itself
        {1, 0, 300.0, 1, 0, "Adler Anna hat 1 Flug."},
        {2, 0, 280.0, 2, 0, "Adler Anna hat 2 Flüge."},
        {2, 1, 0.0, 2, 1, "Adler Anna hat 2 Flüge und 1 Flugwiederholung."},
        {3, 1, 0.0, 2, 2, "Adler Anna hat 2 Flüge und 2 Flugwiederholungen."},
    };
    for (const Fall& f : faelle) {
        DurchgangTyp* d = GetDurchgangPtr(w, f.Runde);
        GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, 1, f.ReflyOrder);
        DatenWertungInGroupGetPtr(d, g, 1)->WertungDurchg[1] = f.Wert;
        const TeilnehmerFluegeTyp n = GetTeilnehmerFluege(w, 1);
        EXPECT_EQ(n.Fluege, f.Fluege) << f.Frage;
        EXPECT_EQ(n.Reflights, f.Reflights) << f.Frage;
        EXPECT_EQ(TeilnehmerEntfernenFrage(w, p).rfind(f.Frage, 0), 0u) << TeilnehmerEntfernenFrage(w, p);
    }
    EXPECT_EQ(GetTeilnehmerFluege(w, 2).Fluege, 0);
}

TEST_F(Bogen, TeamZeilenNummern) {
    struct TeamFall {
        std::vector<int> Teams;
        int Mindest, Frei;
        std::vector<int> Zeilen;
    };
    const TeamFall faelle[] = {
        {{}, 3, 1, {1, 2, 3}},
        {{1, 2, 3}, 3, 2, {1, 2, 3, 4, 5}},
        {{2, 5}, 4, 1, {1, 2, 3, 4, 5, 6}},
        {{8}, 4, 2, {1, 2, 3, 4, 5, 8, 9, 10}},
        {{2000000, 1}, 3, 1, {1, 2, 3, 4, 5, 2000000, 2000001}},
        {{7, 7, 0, -4}, 2, 0, {1, 2, 3, 7}},
        {{2147483647}, 1, 3, {1, 2, 2147483647}},
    };
    for (const TeamFall& fall : faelle) {
        while (w->MannschaftRootPtr) {
            MannschaftTyp* m = w->MannschaftRootPtr;
            w->MannschaftRootPtr = m->next;
            delete m;
        }
        for (int nr : fall.Teams) {
            MannschaftTyp* m = DatenMannschaftNew();
            DatenMannschaftDefault(m);
            m->Nr = nr;
            m->next = w->MannschaftRootPtr;
            w->MannschaftRootPtr = m;
        }
        EXPECT_EQ(MannschaftZeilenNummern(w, fall.Mindest, fall.Frei), fall.Zeilen)
            << ::testing::PrintToString(fall.Teams);
    }

    // a row is written back to the team of the number it shows
    GitterTexte g(4, GitterZeile(MannschSpalten));
    SetGitterZelle(g, 3, 0, "2147483647");
    SetGitterZelle(g, 3, MannschSpalteName, "Fern");
    SetGitterZelle(g, 2, 0, "kein");
    SetGitterZelle(g, 2, MannschSpalteName, "Zwei");
    EXPECT_TRUE(AktMannschaftDaten(w, g, 1, 3));
    ASSERT_NE(Team(2147483647), nullptr);
    EXPECT_EQ(Team(2147483647)->Name, "Fern");
    EXPECT_EQ(Team(3), nullptr);
    ASSERT_NE(Team(2), nullptr); // without a number the row number counts
    EXPECT_EQ(Team(2)->Name, "Zwei");
}

TEST_F(Bogen, TeamsSchreiben) {
    TeilnehmerTyp* a = Teilnehmer(1, {"", "Hans", "Meier"}, "Nord");
    TeilnehmerTyp* b = Teilnehmer(2, {"", "Hans", "Meier"}, "Süd"); // the same name
    TeilnehmerTyp* c = Teilnehmer(3, {"", "Clara", "Conrad"}, "Süd");
    GitterTexte g = Teambogen();
    SetGitterZelle(g, 2, 2, "conrad clara");
    EXPECT_TRUE(AktMannschaftDaten(w, g, 1, 6));
    MannschaftTyp* m = Team(2);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Name, "Team 2");
    EXPECT_EQ(m->TeilnehmerEdvNr[1], c->EdvNr);
    EXPECT_EQ(Team(1), nullptr);

    // the second Meier taken over from the lookup keeps his slot on every
    // later write-back
    auto angebot = MannschaftAngebot(w, 3, "Mei");
    ASSERT_EQ(angebot.size(), 2u);
    const int wahl = angebot[0] == b ? 1 : 2;
    g = Teambogen();
    SetGitterZelle(g, 2, 3, "Mei");
    const UebernahmeAnfrage anf = MannschaftAnfrage(angebot, wahl, 2, 3, "Mei", true);
    ASSERT_TRUE(anf.Offen());
    EXPECT_EQ(MannschaftUebernehmen(w, g, anf), 2);
    EXPECT_EQ(m->TeilnehmerEdvNr[2], b->EdvNr);
    w->modified = false;
    g = Teambogen();
    SetGitterZelle(g, 2, 1, "Seeadler");
    AktMannschaftDaten(w, g, 1, 6);
    EXPECT_EQ(m->Name, "Seeadler");
    EXPECT_EQ(m->TeilnehmerEdvNr[2], b->EdvNr);
    // members of a team are no longer offered; an empty cell takes nothing
    auto rest = MannschaftAngebot(w, 4, "");
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0], a);
    EXPECT_FALSE(MannschaftAnfrage(rest, 1, 2, 4, "", true).Offen());
    EXPECT_FALSE(MannschaftAnfrage(rest, 1, 2, 1, "Mei", true).Offen()); // the name column

    // a cell naming nobody stores 0; the last column of the grid is read
    g = Teambogen();
    SetGitterZelle(g, 2, MannschSpalten - 1, "Niemand");
    SetGitterZelle(g, 3, MannschSpalten - 1, "Adler Anna");
    a->Name = {"", "Anna", "Adler"};
    AktMannschaftDaten(w, g, 1, 6);
    EXPECT_EQ(m->TeilnehmerEdvNr[MaxMannschaftMitglieder], 0);
    ASSERT_NE(Team(3), nullptr);
    EXPECT_EQ(Team(3)->TeilnehmerEdvNr[MaxMannschaftMitglieder], a->EdvNr);

    // removing a team frees it
    g = Teambogen();
    EXPECT_TRUE(EntferneMannschaftAusWettbewerb(w, g, 2));
    EXPECT_EQ(Team(2), nullptr);
    EXPECT_NE(Team(3), nullptr);
}

} // namespace
} // namespace tavuran
