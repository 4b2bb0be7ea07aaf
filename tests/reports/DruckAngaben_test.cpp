// What the printed lists say: dropped results in brackets, the penalty sign
// with decimals, the legend of the marks, pilots who did not fly, the note on
// rounds flown and counted, the footer with the time of printing and whether
// the list is final, the clash sign on every copy of the start list, and the
// columns of the registration list and the score sheet.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/L_STR.h"
#include "reports/AufzeichnungsCanvas.h"
#include "reports/Druck.h"
#include "reports/DruckDokument.h"
#include "reports/DruckFixture.h"

namespace tavuran {
namespace {

using namespace drucktest;

ErgebnisZeitpunkt Zeit() {
    ErgebnisZeitpunkt z;
    z.Tag = 4, z.Monat = 7, z.Jahr = 2026, z.Stunde = 9, z.Minute = 5;
    return z;
}

DruckSeitenTyp Liste(int Art, int Sort) {
    DruckSeitenTyp p;
    p.ListenArt = Art;
    p.VerteilerMaske = 1 << VerteilerEinzeln;
    p.Orientierung = 1;
    p.Stil = 1;
    p.Sortierung = Sort;
    p.Zeit = Zeit();
    return p;
}

const ZeileTyp* ZeileVon(const SeiteTyp& s, int EdvNr) {
    for (const ZeileTyp& z : s.Text.Zeilen)
        if (z.ZeilenNr > 0 && z.EdvNr == EdvNr) return &z;
    return nullptr;
}

std::string Zelle(const SeiteTyp& s, int EdvNr, int Spalte, int Wiederholung = 1) {
    const ZeileTyp* z = ZeileVon(s, EdvNr);
    if (!z) return "<keine Zeile>";
    for (std::size_t i = 0; i < s.Spalten.size(); ++i)
        if (s.Spalten[i].Nr == Spalte && --Wiederholung == 0) return z->Zellen[i].Text;
    return "<keine Spalte>";
}

bool HatSpalte(const SeiteTyp& s, int Nr) {
    return std::any_of(s.Spalten.begin(), s.Spalten.end(), [&](const DruckSpalte& x) { return x.Nr == Nr; });
}

std::string Auszug(const DruckSeitenListe& l, int Seite, int Farbmodus = 0) {
    AufzeichnungsCanvas c(1414, 1000);
    DrawPrintImage(c, 1000, l, Seite, Farbmodus);
    return c.TextAuszug();
}

// Four pilots in one group, three preliminary rounds of which two count;
// a fifth is registered and never flies.
struct Ergebnis : Wettbewerb {
    Ergebnis(int Geflogen = 3) {
        Fuellen(*this, 4, 4, 3, true);
        W->AnzSeniorenFlyOff = 0;
        W->AnzDurchgaenge = 3;
        W->AnzGewDurchgaenge = 2;
        W->StreicherAbDurchg = 3;
        for (int r = Geflogen + 1; r <= 3; ++r) {
            for (GruppeTyp* g = GetDurchgangPtr(W, r)->GruppePtr; g; g = g->next)
                for (WertungTyp* e = g->WertungPtr; e; e = e->next) e->WertungDurchg[1] = 0;
            GetDurchgangPtr(W, r)->DurchgangGeflogen = false;
        }
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(W->TeilnehmerRootPtr, 5, true);
        t->Name.NachnameStr = "Zaungast";
        t->StartNr = t->MeldgNr = 5;
        W->CalcWertung = true;
        WettbewerbModellNeuBerechnen(W, true);
        SortAll(W);
    }
};

TEST(DruckAngaben, ErgebnislisteKlammertStreicherUndErklaertDieZeichen) {
    Ergebnis w;
    // Participant 1 flies 250 per mille in every round; round 3 is dropped.
    GetWertungPtr(w.W, GetDurchgangPtr(w.W, 1), 2)->Strafpunkte = 10;
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeErgebnis, SortPlatz), DruckAktuellerDurchgang);
    ASSERT_EQ(l.Seiten.size(), 1u);
    const SeiteTyp& s = l.Seiten[0];
    EXPECT_EQ(Zelle(s, 1, 20, 1), "250");
    EXPECT_EQ(Zelle(s, 1, 20, 3), "(250)");
    // The penalty keeps its decimals and is no "S" (read as "Streicher").
    EXPECT_EQ(Zelle(s, 2, 20, 1), "P490");
    EXPECT_EQ(Zelle(s, 3, 20, 1), "750");
    const std::string text = Auszug(l, 1);
    EXPECT_NE(text.find("( )  Streichergebnis: zählt nicht zur Summe"), std::string::npos) << text;
    EXPECT_NE(text.find("P  Punktabzug: Wert nach Abzug der Strafpunkte"), std::string::npos) << text;
    EXPECT_EQ(text.find("S49"), std::string::npos);
}

TEST(DruckAngaben, StrafeMitNachkommastellen) {
    Wettbewerb w;
    Fuellen(w, 3, 3, 1, true);
    GetWertungPtr(w.W, GetDurchgangPtr(w.W, 1), 1)->Strafpunkte = 100;
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeErgebnis, SortPlatz), 1);
    // 333.3 per mille less 100: the decimal stays.
    EXPECT_EQ(Zelle(l.Seiten[0], 1, 20), "P233,3");
}

TEST(DruckAngaben, NichtGeflogeneOhnePlatzUndOhneNullenAmEnde) {
    Ergebnis w;
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeErgebnis, SortPlatz), DruckAktuellerDurchgang);
    const SeiteTyp& s = l.Seiten[0];
    ASSERT_EQ(s.Text.Zeilen.size(), 6u);
    EXPECT_EQ(s.Text.Zeilen.back().EdvNr, 5);
    const ZeileTyp* z = ZeileVon(s, 5);
    ASSERT_NE(z, nullptr);
    for (std::size_t i = 0; i < z->Zellen.size(); ++i) {
        const std::string t = L_STR_Unblank(z->Zellen[i].Text);
        EXPECT_TRUE(t.empty() || t.find_first_not_of("0.,") != std::string::npos)
            << "Spalte " << s.Spalten[i].Nr << ": " << t;
    }
    EXPECT_EQ(Zelle(s, 5, 3), "");
    EXPECT_EQ(Zelle(s, 4, 3), "1");
}

TEST(DruckAngaben, KopfNenntGeflogeneUndGewerteteVorrunden) {
    Ergebnis w(2);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeErgebnis, SortPlatz), DruckAktuellerDurchgang);
    EXPECT_EQ(l.Seiten[0].Kopf.GewertetHinweis, "2 Vorrunden geflogen, gewertet werden 2 von 3");
    EXPECT_NE(Auszug(l, 1).find("2 Vorrunden geflogen, gewertet werden 2 von 3"), std::string::npos);
    EXPECT_EQ(Auszug(l, 1).find("es wurden"), std::string::npos);
}

TEST(DruckAngaben, FussMitSeitenzahlStandUndVorlaeufigOderEndgueltig) {
    struct Fall {
        int Geflogen;
        bool Schalter;
        const char* Stand;
    };
    const Fall faelle[] = {{2, false, "vorläufig"}, {2, true, "endgültig"}, {3, false, "endgültig"}};
    for (const Fall& f : faelle) {
        Ergebnis w(f.Geflogen);
        // The fifth pilot sits in no group: he keeps no round open.
        DruckSeitenTyp p = Liste(ListeErgebnis, SortPlatz);
        p.Endgueltig = f.Schalter;
        const DruckSeitenListe l = MakeDruckSeiten(w.W, p, DruckAktuellerDurchgang);
        const std::string soll = std::string("Stand 04.07.2026 09:05, ") + f.Stand + "   Seite 1 von 1";
        EXPECT_NE(Auszug(l, 1).find(soll), std::string::npos) << soll << "\n" << Auszug(l, 1);
    }
    // Other lists number their pages as well.
    Ergebnis w;
    const DruckSeitenListe m = MakeDruckSeiten(w.W, Liste(ListeMeldung, SortMeldgNr), DruckAktuellerDurchgang);
    EXPECT_EQ(m.Seiten[0].Fuss.Rechts, "Seite 1 von 1");
}

// Two pilots of group 1 share channel 72: every copy of the start list that
// shows a channel marks it with "!" and a bold frame, also in black and white,
// and explains the sign under the table.
TEST(DruckAngaben, KanalkonfliktAufJedemExemplarAuchSchwarzweiss) {
    auto bauen = [](Wettbewerb& w, bool Konflikt) {
        Fuellen(w, 6, 3);
        GetTeilnehmerEdvNr(w.W, 1)->Kanal[1] = "72";
        GetTeilnehmerEdvNr(w.W, 2)->Kanal[1] = Konflikt ? "72" : "73";
        WettbewerbModellNeuBerechnen(w.W, true);
    };
    Wettbewerb mit, ohne;
    bauen(mit, true);
    bauen(ohne, false);
    DruckSeitenTyp p = Liste(ListeStart, SortGruppe);
    for (int v : {VerteilerBlanko, VerteilerAushang, VerteilerOrganisationsleiter, VerteilerStartstelle,
                  VerteilerSenderzelt}) {
        p.VerteilerMaske = 1 << v;
        const DruckSeitenListe a = MakeDruckSeiten(mit.W, p, 1), b = MakeDruckSeiten(ohne.W, p, 1);
        ASSERT_EQ(a.Seiten.size(), 1u);
        const int spalte = v == VerteilerSenderzelt ? 12 : 13;
        EXPECT_EQ(Zelle(a.Seiten[0], 1, spalte), "72 !") << "Exemplar " << v;
        EXPECT_EQ(Zelle(a.Seiten[0], 2, spalte), "72 !") << "Exemplar " << v;
        AufzeichnungsCanvas ca(1414, 1000), cb(1414, 1000);
        DrawPrintImage(ca, 1000, a, 1, 0);
        DrawPrintImage(cb, 1000, b, 1, 0);
        auto linien = [](const AufzeichnungsCanvas& c) {
            return std::count_if(c.Eintraege().begin(), c.Eintraege().end(), [](const AufzeichnungsEintrag& e) {
                return e.Art == AufzeichnungsEintrag::Art::Linie;
            });
        };
        // Two frames of four bold sides more than the same list without the clash.
        EXPECT_GE(linien(ca) - linien(cb), 2 * 4 * 3) << "Exemplar " << v;
        EXPECT_NE(ca.TextAuszug().find("!  Kanal in der Gruppe doppelt belegt"), std::string::npos)
            << "Exemplar " << v;
        EXPECT_EQ(cb.TextAuszug().find("doppelt belegt"), std::string::npos);
    }
}

TEST(DruckAngaben, ErsatzkanalMit24GHzWieInDenListen) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    TeilnehmerTyp* t = GetTeilnehmerEdvNr(w.W, 1);
    t->Kanal[1] = "72";
    t->Kanal[2] = "2G4";
    DruckSeitenTyp p = Liste(ListeStart, SortGruppe);
    p.VerteilerMaske = 1 << VerteilerSenderzelt;
    const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
    EXPECT_EQ(Zelle(l.Seiten[0], 1, 12, 2), "2,4GHz");
    EXPECT_EQ(Auszug(l, 1).find("2G4"), std::string::npos);
}

TEST(DruckAngaben, MeldungslisteNachDerGezeigtenNummer) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    // Registration numbers run against the start numbers.
    for (int i = 1; i <= 3; ++i) GetTeilnehmerEdvNr(w.W, i)->MeldgNr = 10 - i;
    w->Status = 50; // the start order is drawn
    SortAll(w.W);
    std::string meldung;
    DruckAuftrag a;
    a.Art = DruckArt::Meldungsliste;
    const auto d = DruckDokumentErstellen(w.W, a, meldung);
    ASSERT_TRUE(d);
    AufzeichnungsCanvas c(1414, 1000);
    d->SeiteZeichnen(c, 1, false);
    const std::vector<std::string> zeilen = c.TextZeilen();
    std::vector<std::string> folge;
    for (const std::string& z : zeilen)
        if (z.find("Teilnehmer0") != std::string::npos) folge.push_back(z.substr(0, z.find(' ')));
    // The shown column is the start number, and the rows follow it.
    EXPECT_EQ(folge, (std::vector<std::string>{"1", "2", "3"}));
    // Sorted by registration number, the list shows the registration number.
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeMeldung, SortMeldgNr), 1);
    EXPECT_TRUE(HatSpalte(l.Seiten[0], 1));
    EXPECT_FALSE(HatSpalte(l.Seiten[0], 2));
}

TEST(DruckAngaben, WertungslisteMitStartnummerGruppeUndGanzemAntragRefly) {
    Wettbewerb w;
    Fuellen(w, 4, 4, 1, true);
    DurchgangTyp* d = GetDurchgangPtr(w.W, 1);
    WertungTyp* r = DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 1, 1), 2);
    r->WertungDurchg[1] = 700;
    r->ReflyVerursacher = true;
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeWertung, SortGruppe), 1);
    const SeiteTyp& s = l.Seiten[0];
    EXPECT_TRUE(HatSpalte(s, 2));
    EXPECT_TRUE(HatSpalte(s, 5));
    EXPECT_EQ(Zelle(s, 3, 2), "3");
    for (int orient : {1, 2}) {
        DruckSeitenTyp p = Liste(ListeWertung, SortGruppe);
        p.Orientierung = orient;
        const DruckSeitenListe m = MakeDruckSeiten(w.W, p, 1);
        AufzeichnungsCanvas c(orient == 1 ? 4960 : 2480, 3508);
        DrawPrintImage(c, 3508, m, 1, 0);
        const auto t = c.TexteMit("Antrag Refly");
        ASSERT_EQ(t.size(), 1u);
        // The recording canvas makes every character half the font height wide.
        EXPECT_TRUE(t[0]->ClipBreite < 0 || t[0]->ClipBreite >= 12 * t[0]->Schrift.Hoehe / 2)
            << "Platz " << t[0]->ClipBreite << " bei Höhe " << t[0]->Schrift.Hoehe;
    }
    // In a wider font the text runs on into the blank cell beside it: that
    // cell's background lies under the text, not over it.
    struct Breit : AufzeichnungsCanvas {
        using AufzeichnungsCanvas::AufzeichnungsCanvas;
        int TextBreite(std::string_view t) override { return 2 * AufzeichnungsCanvas::TextBreite(t); }
    };
    DruckSeitenTyp p = Liste(ListeWertung, SortGruppe);
    p.Orientierung = 1;
    Breit c(4960, 3508);
    DrawPrintImage(c, 3508, MakeDruckSeiten(w.W, p, 1), 1, 0);
    const auto t = c.TexteMit("Antrag Refly");
    ASSERT_EQ(t.size(), 1u);
    const auto trifft = [&](const AufzeichnungsEintrag& e) {
        return e.Art == AufzeichnungsEintrag::Art::Rechteck && e.x0 < t[0]->x1 && t[0]->x0 < e.x1 &&
               e.y0 < t[0]->y1 && t[0]->y0 < e.y1;
    };
    int daneben = 0;
    bool danach = false;
    for (const AufzeichnungsEintrag& e : c.Eintraege()) {
        if (&e == t[0]) danach = true;
        else if (trifft(e) && e.x0 > t[0]->x0) ++daneben;
        if (danach && &e != t[0] && trifft(e)) ADD_FAILURE() << "Fläche " << e.x0 << ".." << e.x1 << " über dem Text";
    }
    EXPECT_GT(daneben, 0) << "Der Text reicht nicht in die Nachbarzelle.";
}

} // namespace
} // namespace tavuran

namespace tavuran {
namespace {

// The round's watermark never lies over a long competition name.
TEST(DruckAngaben, WasserzeichenNieUeberDemWettbewerbsnamen) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    w->Name = "Internationaler Süddeutscher Frühjahrspokal der Segelflieger Würzburg 2026";
    DruckSeitenTyp p = Liste(ListeStart, SortGruppe);
    p.VerteilerMaske = 1 << VerteilerAushang;
    for (int orient : {1, 2}) {
        p.Orientierung = orient;
        const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
        AufzeichnungsCanvas c(orient == 1 ? 1414 : 707, 1000, 96);
        DrawPrintImage(c, 1000, l, 1, 0);
        const auto name = c.TexteMit(w->Name);
        ASSERT_EQ(name.size(), 1u);
        int zeichen = 0;
        for (const AufzeichnungsEintrag* t : c.Texte())
            if (t->Schrift.Kursiv && t->Text == l.Seiten[0].Kopf.Wasserzeichen) {
                ++zeichen;
                EXPECT_GE(t->x0, name[0]->x1) << "Ausrichtung " << orient;
            }
        EXPECT_EQ(zeichen, 1);
    }
}

} // namespace
} // namespace tavuran

namespace tavuran {
namespace {

// An overall ranking shows the per-mille values its total adds up, under the
// names of the sub-competitions, and "–" where a pilot did not take part.
TEST(DruckAngaben, GesamtwertungPromilleUnterDenNamenDerTeilwettbewerbe) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    DatenRegelDispose(w->RegelPtr);
    DatenRegelLoad(w->RegelPtr, "Gesamtwertung", &w->Datum);
    w->AnzSeniorenFlyOff = 0;
    w->AnzDurchgaenge = 2;
    w->DurchgangPromille = true;
    w->DurchgangAlias[1] = "Frühjahrscup";
    w->DurchgangAlias[2] = "Herbstcup";
    const double prozent[3][2] = {{99.5, 97.0}, {90.0, 100.0}, {80.0, 0}};
    for (int i = 1; i <= 3; ++i)
        for (int r = 1; r <= 2; ++r)
            GetWertungPtr(w.W, GetDurchgangPtr(w.W, r), i)->WertungDurchg[1] = prozent[i - 1][r - 1];
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Liste(ListeErgebnis, SortPlatz), 1);
    const SeiteTyp& s = l.Seiten[0];
    EXPECT_EQ(Zelle(s, 1, 20, 1), "1000");
    EXPECT_EQ(Zelle(s, 2, 20, 2), "1000");
    EXPECT_EQ(Zelle(s, 1, 20, 2), "970");
    EXPECT_EQ(Zelle(s, 3, 20, 2), "–");
    const TeilnehmerTyp* t = GetTeilnehmerEdvNr(w.W, 1);
    EXPECT_DOUBLE_EQ(t->Punkte, 1970);
    int titel = 0;
    for (const DruckSpalte& sp : s.Spalten)
        if (sp.Nr == 19) EXPECT_EQ(sp.Titel, titel++ == 0 ? "Frühjahrscup" : "Herbstcup");
    EXPECT_EQ(titel, 2);
    EXPECT_NE(Auszug(l, 1).find("–  nicht teilgenommen"), std::string::npos);
}

} // namespace
} // namespace tavuran

#include "core/DatenMannschaft.h"
#include "evaluation/Auswertung.h"
#include "reports/TeamergebnisDruck.h"

namespace tavuran {
namespace {

// The printed team ranking: teams by place with their members and points, a
// member whose total did not count in brackets; no team scoring, no document.
TEST(DruckAngaben, TeamergebnisTeamsNachPlatzMitMitgliedern) {
    Wettbewerb w;
    Fuellen(w, 6, 6, 2, true);
    auto team = [&](int Nr, const char* Name, std::initializer_list<int> Mitglieder) {
        MannschaftTyp* m = DatenMannschaftNew();
        DatenMannschaftDefault(m);
        m->Nr = Nr;
        m->Name = Name;
        int k = 1;
        for (int e : Mitglieder) m->TeilnehmerEdvNr[k++] = e;
        m->next = w->MannschaftRootPtr;
        w->MannschaftRootPtr = m;
    };
    team(1, "Adler", {1, 2, 3});
    team(2, "Bussarde", {4, 5, 6});
    std::string meldung;
    DruckAuftrag a;
    a.Art = DruckArt::Teamergebnis;
    EXPECT_FALSE(DruckDokumentErstellen(w.W, a, meldung));
    EXPECT_NE(meldung.find("keine Teamwertung"), std::string::npos) << meldung;

    w->TeamwertungStatus = 3; // the best two count
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const auto d = DruckDokumentErstellen(w.W, a, meldung);
    ASSERT_TRUE(d) << meldung;
    ASSERT_EQ(d->AnzahlSeiten(), 1);
    AufzeichnungsCanvas c(2480, 3508);
    d->SeiteZeichnen(c, 1, false);
    const std::vector<std::string> z = c.TextZeilen();
    auto zeile = [&](const std::string& Anfang) {
        for (std::size_t i = 0; i < z.size(); ++i)
            if (z[i].rfind(Anfang, 0) == 0) return static_cast<int>(i);
        return -1;
    };
    const int bussarde = zeile("1. Bussarde"), adler = zeile("2. Adler");
    ASSERT_GE(bussarde, 0) << c.TextAuszug();
    ASSERT_GT(adler, bussarde);
    // Members follow their team, the best first; the third's total did not count.
    EXPECT_EQ(zeile("Teilnehmer06 Vor"), bussarde + 1);
    EXPECT_EQ(zeile("Teilnehmer04 Vor"), bussarde + 3);
    EXPECT_NE(z[bussarde + 3].find("(1333,4)"), std::string::npos) << z[bussarde + 3];
    EXPECT_NE(z[bussarde].find("3666,6"), std::string::npos) << z[bussarde];
    EXPECT_NE(c.TextAuszug().find("( )  zählt nicht für die Teamwertung"), std::string::npos);
    EXPECT_NE(c.TextAuszug().find("Seite 1 von 1"), std::string::npos);

    // After a change the members follow their new totals, also before all
    // orders are rebuilt.
    for (int r = 1; r <= 2; ++r) GetWertungPtr(w.W, GetDurchgangPtr(w.W, r), 4)->WertungDurchg[1] = 5000;
    w->CalcWertung = true;
    CalcWertung(w.W);
    const auto d2 = DruckDokumentErstellen(w.W, a, meldung);
    ASSERT_TRUE(d2) << meldung;
    AufzeichnungsCanvas c2(2480, 3508);
    d2->SeiteZeichnen(c2, 1, false);
    const std::vector<std::string> z2 = c2.TextZeilen();
    std::size_t kopf = 0;
    while (kopf < z2.size() && z2[kopf].rfind("1. Bussarde", 0) != 0) ++kopf;
    ASSERT_LT(kopf + 1, z2.size()) << c2.TextAuszug();
    EXPECT_EQ(z2[kopf + 1].rfind("Teilnehmer04 Vor", 0), 0u) << c2.TextAuszug();
}

} // namespace
} // namespace tavuran

#include "reports/Startzettel.h"

namespace tavuran {
namespace {

// Names beyond Windows-1252 reach the canvas as they are, on every document.
TEST(DruckAngaben, NamenAusserhalbVonWindows1252) {
    Wettbewerb w;
    Fuellen(w, 2, 2, 1, true);
    GetTeilnehmerEdvNr(w.W, 1)->Name.NachnameStr = "Dvořák";
    GetTeilnehmerEdvNr(w.W, 1)->Name.VornameStr = "Jiří";
    GetTeilnehmerEdvNr(w.W, 2)->Name.NachnameStr = "Wójcik";
    GetTeilnehmerEdvNr(w.W, 2)->Name.VornameStr = "Łukasz";
    GetTeilnehmerEdvNr(w.W, 2)->Verein = "Aeroklub Śląski";
    for (DruckArt art : {DruckArt::Ergebnisliste, DruckArt::Meldungsliste, DruckArt::Startzettel}) {
        std::string meldung;
        DruckAuftrag a;
        a.Art = art;
        const auto d = DruckDokumentErstellen(w.W, a, meldung);
        ASSERT_TRUE(d) << meldung;
        int breite = 0, hoehe = 0;
        DruckCanvasGroesse(d->Papier(), 300, breite, hoehe);
        AufzeichnungsCanvas c(breite, hoehe);
        d->SeiteZeichnen(c, 1, false);
        const std::string t = c.TextAuszug();
        EXPECT_NE(t.find("Dvořák Jiří"), std::string::npos) << t;
        EXPECT_NE(t.find("Wójcik Łukasz"), std::string::npos) << t;
        EXPECT_NE(t.find("Aeroklub Śląski"), std::string::npos) << t;
        EXPECT_EQ(t.find('?'), std::string::npos) << t;
    }
}

} // namespace
} // namespace tavuran

namespace tavuran {
namespace {

// Legible and whole: no text below 6 points, a long name or club shortened
// at a word boundary with a mark (never cut mid-word, the first name kept as
// its initial), an empty column's width given to the others, and large print
// at 12 points for names and numbers.
TEST(DruckAngaben, LesbarUndGanz) {
    Wettbewerb w;
    Fuellen(w, 8, 4, 6, true);
    TeilnehmerTyp* t = GetTeilnehmerEdvNr(w.W, 3);
    t->Name.NachnameStr = "von Württemberg-Hohenzollern";
    t->Name.VornameStr = "Alexander-Maximilian";
    t->Verein = "Modellsportgruppe Obersee-Nord-Bodensee e.V.";
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const std::string name = "von Württemberg-Hohenzollern Alexander-Maximilian";
    for (int orient : {1, 2})
        for (int stil : {1, 2, 3}) {
            const int hoehe = 3508, breite = orient == 1 ? 4960 : 2480;
            const int punkte = orient == 1 ? 595 : 842;
            // Large print is a style of the start list.
            for (int art : {ListeErgebnis, ListeStart}) {
                if (art == ListeErgebnis && stil != 1) continue;
                DruckSeitenTyp p = Liste(art, SortStartNr);
                p.VerteilerMaske = art == ListeStart ? 1 << VerteilerAushang : 1 << VerteilerEinzeln;
                p.Orientierung = orient;
                p.Stil = stil;
                const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
                ASSERT_FALSE(l.Seiten.empty());
                // "Verband" is empty for everybody: its width goes to the name.
                EXPECT_FALSE(HatSpalte(l.Seiten[0], 8));
                AufzeichnungsCanvas c(breite, hoehe);
                DrawPrintImage(c, hoehe, l, 1, 0);
                const std::string fall = "Art " + std::to_string(art) + ", Ausrichtung " + std::to_string(orient) +
                                         ", Stil " + std::to_string(stil);
                for (const AufzeichnungsEintrag* e : c.Texte()) {
                    if (e->Schrift.Kursiv) continue; // the watermark
                    EXPECT_GE(e->Schrift.Hoehe * punkte, 6 * hoehe) << fall << ": " << e->Text;
                }
                int gefunden = 0;
                for (const AufzeichnungsEintrag* e : c.Texte()) {
                    const bool n = e->Text.rfind("von", 0) == 0;
                    const bool v = e->Text.rfind("Modell", 0) == 0;
                    if (!n && !v) continue;
                    ++gefunden;
                    const int breiteText = static_cast<int>(L_STR_Length(e->Text)) * e->Schrift.Hoehe / 2;
                    EXPECT_TRUE(e->ClipBreite < 0 || breiteText <= e->ClipBreite) << fall << ": " << e->Text;
                    // Shortened, it keeps its mark and, while the surname stands, the first name's initial.
                    if (e->Text != name && e->Text != t->Verein)
                        EXPECT_TRUE(e->Text.find("…") != std::string::npos || e->Text.find(".") != std::string::npos)
                            << fall << ": " << e->Text;
                    if (n && e->Text != name && e->Text.find("Hohenzollern") != std::string::npos)
                        EXPECT_NE(e->Text.find(" A."), std::string::npos) << fall << ": " << e->Text;
                    if (stil == 3) EXPECT_GE(e->Schrift.Hoehe * punkte, 12 * hoehe) << fall << ": " << e->Text;
                }
                EXPECT_EQ(gefunden, 2) << fall;
                // The other names and clubs of the page stand in the size of the long one:
                // within a column the size does not change from row to row.
                for (const AufzeichnungsEintrag* lang : c.Texte()) {
                    if (lang->Text.rfind("von", 0) != 0 && lang->Text.rfind("Modell", 0) != 0) continue;
                    int gleicheSpalte = 0;
                    for (const AufzeichnungsEintrag* e : c.Texte()) {
                        if (e == lang || e->x0 != lang->x0 || e->Schrift.Kursiv) continue;
                        if (e->Text == "Teilnehmer" || e->Text == "Name" || e->Text == "Verein") continue;
                        ++gleicheSpalte;
                        EXPECT_EQ(e->Schrift.Hoehe, lang->Schrift.Hoehe) << fall << ": " << e->Text << " / " << lang->Text;
                    }
                    EXPECT_GE(gleicheSpalte, 5) << fall << ": " << lang->Text;
                }
            }
        }
}

TEST(DruckAngaben, WortweiseKuerzen) {
    AufzeichnungsCanvas c(1000, 1000);
    DruckSchrift f;
    f.Hoehe = 10; // five pixels a character
    c.SetSchrift(f);
    struct Fall {
        const char* Text;
        int Zeichen;
        const char* Kurz;
    };
    const Fall faelle[] = {
        {"Maier Paul", 10, "Maier Paul"},
        {"Maier Paul", 8, "Maier P."},
        {"Schmidt Hans-Jürgen Karl", 17, "Schmidt H. K."},
        {"Modellsportgruppe Obersee e.V.", 20, "Modellsportgruppe…"},
        {"Modellsportgruppe", 10, "Modellspo…"},
    };
    for (const Fall& x : faelle) EXPECT_EQ(WortweiseKuerzen(c, x.Text, x.Zeichen * 5), x.Kurz) << x.Text;
}

} // namespace
} // namespace tavuran
