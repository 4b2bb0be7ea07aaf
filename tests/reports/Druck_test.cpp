// The list engine: lines per page, page breaks, copies, the signature block,
// the column set, and drawing onto the recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "core/L_STR.h"
#include "reports/AufzeichnungsCanvas.h"
#include "reports/Druck.h"
#include "reports/DruckFixture.h"

namespace tavuran {
namespace {

using namespace drucktest;

int Teilnehmerzeilen(const SeiteTyp& s) { return static_cast<int>(s.Text.Zeilen.size()) - 1; }
bool Unterschrift(const SeiteTyp& s) { return (s.Text.TextMode >> TextUnterschrift) & 1u; }

DruckSeitenTyp Ergebnisliste() {
    DruckSeitenTyp p;
    p.ListenArt = ListeErgebnis;
    p.VerteilerMaske = 1 << VerteilerEinzeln;
    p.Orientierung = 1;
    p.Stil = 1;
    p.Sortierung = SortPlatz;
    return p;
}

TEST(Druck, ZeilenProSeite) {
    struct Fall {
        int Orientierung, Stil, Zeilen;
    } faelle[] = {{1, 1, 46}, {1, 2, 32}, {1, 3, 20}, {2, 1, 68}, {2, 2, 48}, {2, 3, 30}};
    for (const Fall& f : faelle)
        EXPECT_EQ(DruckZeilenProSeite(f.Orientierung, f.Stil), f.Zeilen) << f.Orientierung << "/" << f.Stil;
}

// The last page of a result list carries the signature block; when the rows
// leave no room for it below them (its judges' line six lines below the last
// row still on the page's text lines), a page with the column titles and the
// block follows.
TEST(Druck, ErgebnislisteUnterschriftsblock) {
    struct Fall {
        int Teilnehmer;
        std::vector<int> Zeilen; // participant rows per page
    } faelle[] = {{45, {45, 0}}, {44, {44, 0}}, {41, {41, 0}}, {40, {40, 0}}, {39, {39}}, {0, {0}}, {91, {45, 45, 1}}};
    for (const Fall& f : faelle) {
        Wettbewerb w;
        Fuellen(w, f.Teilnehmer, 10, 2, true);
        w->PunktRichterName[1].NachnameStr = "Schäfer";
        const DruckSeitenListe l = MakeDruckSeiten(w.W, Ergebnisliste(), DruckAktuellerDurchgang);
        ASSERT_EQ(l.Seiten.size(), f.Zeilen.size()) << f.Teilnehmer;
        for (std::size_t i = 0; i < l.Seiten.size(); ++i) {
            EXPECT_EQ(Teilnehmerzeilen(l.Seiten[i]), f.Zeilen[i]) << f.Teilnehmer << " Seite " << i + 1;
            EXPECT_EQ(Unterschrift(l.Seiten[i]), i + 1 == l.Seiten.size()) << f.Teilnehmer << " Seite " << i + 1;
            EXPECT_EQ(l.Seiten[i].SeiteIndex, static_cast<int>(i) + 1);
            EXPECT_EQ(l.Seiten[i].Kopf.SeiteStr, std::to_string(i + 1) + " von " + std::to_string(l.Seiten.size()));
        }
        // Drawn, the block lies below the last row and above the footer.
        const int letzte = static_cast<int>(l.Seiten.size());
        AufzeichnungsCanvas c(1414, 1000);
        DrawPrintImage(c, 1000, l, letzte, 0);
        const auto org = c.TexteMit("Ordner (Organisationsleiter)");
        ASSERT_EQ(org.size(), 1u) << f.Teilnehmer;
        const auto fuss = c.TexteMit(l.Seiten.back().Fuss.Fussnote);
        ASSERT_EQ(fuss.size(), 1u);
        EXPECT_LE(org[0]->y1, fuss[0]->y0) << f.Teilnehmer;
        // The judges' line, the lowest, keeps clear of the footnote and its rule.
        const auto pr = c.TexteMit("Punktrichter: Schäfer");
        ASSERT_EQ(pr.size(), 1u) << f.Teilnehmer;
        EXPECT_LE(pr[0]->y1 + pr[0]->Schrift.Hoehe / 2, fuss[0]->y0) << f.Teilnehmer;
        EXPECT_FALSE(c.AusserhalbGezeichnet());
    }
}

// 50 participants in groups of 10, copies notice board and judges: each copy
// numbered from "Seite 1", groups never split.
TEST(Druck, StartlisteMitVerteiler) {
    Wettbewerb w;
    Fuellen(w, 50, 10);
    GetTeilnehmerEdvNr(w.W, 1)->Helfer[1].NachnameStr = "Helfer"; // a helper column that is not empty
    MakePrintAttributesSizeOrientation(w.W);
    EXPECT_EQ(w->Orientierung, 2);
    EXPECT_EQ(w->GroesseSchrift, 2);
    DruckSeitenTyp p;
    p.ListenArt = ListeStart;
    p.VerteilerMaske = (1 << VerteilerAushang) | (1 << VerteilerPunktrichter);
    p.Orientierung = w->Orientierung;
    p.Stil = w->GroesseSchrift;
    p.Sortierung = SortGruppe;
    const DruckSeitenListe l = MakeDruckSeiten(w.W, p, DruckAktuellerDurchgang);
    ASSERT_EQ(l.Seiten.size(), 4u);
    const std::vector<std::string> verteiler = {"Aushang", "Aushang", "Punktrichter", "Punktrichter"};
    const std::vector<int> anzeige = {1, 2, 1, 2};
    for (std::size_t i = 0; i < 4; ++i) {
        const SeiteTyp& s = l.Seiten[i];
        EXPECT_EQ(s.Kopf.Verteiler, verteiler[i]);
        EXPECT_EQ(s.SeiteAnzeige, anzeige[i]);
        std::map<int, int> jeGruppe;
        for (std::size_t z = 1; z < s.Text.Zeilen.size(); ++z) ++jeGruppe[s.Text.Zeilen[z].GruppenNr];
        for (const auto& [g, n] : jeGruppe) EXPECT_EQ(n, 10) << "Seite " << i + 1 << " Gruppe " << g;
        AufzeichnungsCanvas c(707, 1000);
        DrawPrintImage(c, 1000, l, static_cast<int>(i) + 1, 0);
        // In the header and in the footer.
        EXPECT_EQ(c.TexteMit("Seite " + std::to_string(anzeige[i]) + " von 2").size(), 2u);
        EXPECT_FALSE(c.AusserhalbGezeichnet());
    }
    // The judges' copy has the signature column and no helpers; the notice board neither.
    auto hat = [](const SeiteTyp& s, int Nr) {
        return std::any_of(s.Spalten.begin(), s.Spalten.end(), [&](const DruckSpalte& x) { return x.Nr == Nr; });
    };
    EXPECT_TRUE(hat(l.Seiten[2], 31));
    EXPECT_FALSE(hat(l.Seiten[0], 31));
    EXPECT_TRUE(hat(l.Seiten[0], 15));
    EXPECT_FALSE(hat(l.Seiten[2], 15));
}

// Start lists and score sheets leave out who has no group in the round;
// registration and result lists show everybody.
TEST(Druck, NurEingeteilteTeilnehmer) {
    Wettbewerb w;
    Fuellen(w, 12, 6);
    GetTeilnehmerEdvNr(w.W, 3)->Gruppe[1] = 0;
    struct Fall {
        int ListenArt, Zeilen;
    } faelle[] = {{ListeStart, 11}, {ListeWertung, 11}, {ListeMeldung, 12}, {ListeErgebnis, 12}};
    for (const Fall& f : faelle) {
        DruckSeitenTyp p = Ergebnisliste();
        p.ListenArt = f.ListenArt;
        p.Sortierung = SortStartNr;
        const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
        ASSERT_FALSE(l.Seiten.empty());
        EXPECT_EQ(Teilnehmerzeilen(l.Seiten[0]), f.Zeilen) << f.ListenArt;
    }
}

// Rows in another order than the start order get a dashed line below every
// third participant; in start order every row has one and each new group a group line.
TEST(Druck, Zeilenlinien) {
    Wettbewerb w;
    Fuellen(w, 9, 3);
    DruckSeitenTyp p = Ergebnisliste();
    p.ListenArt = ListeStart;
    p.VerteilerMaske = 1 << VerteilerAushang;
    p.Sortierung = SortStartNr;
    DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
    std::vector<int> strich;
    for (const ZeileTyp& z : l.Seiten[0].Text.Zeilen)
        if (z.ZeilenMode & (1 << ZeileStrichUnten)) strich.push_back(z.ZeilenNr);
    EXPECT_EQ(strich, (std::vector<int>{3, 6, 9}));
    p.Sortierung = SortGruppe;
    l = MakeDruckSeiten(w.W, p, 1);
    std::vector<int> gruppe;
    for (const ZeileTyp& z : l.Seiten[0].Text.Zeilen) {
        if (z.ZeilenNr > 0) EXPECT_TRUE(z.ZeilenMode & (1 << ZeileStrichUnten));
        if (z.ZeilenMode & (1 << ZeileGruppeOben)) gruppe.push_back(z.ZeilenNr);
    }
    EXPECT_EQ(gruppe, (std::vector<int>{4, 7}));
}

// Building and drawing only read the score entries: no entry and no round is created.
TEST(Druck, NachschlagenErzeugtNichts) {
    Wettbewerb w;
    Fuellen(w, 20, 5, 3, false);
    // A few entries in round 1 only.
    DurchgangTyp* d = GetDurchgangPtr(w.W, 1);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, 1, 0);
    DatenWertungInGroupGetPtr(d, g, 1)->WertungDurchg[1] = 500;
    const int wertungen = AnzahlWertungen(w.W);
    const int runden = AnzahlDurchgaenge(w.W);
    for (int art : {ListeStart, ListeMeldung, ListeWertung, ListeErgebnis}) {
        DruckSeitenTyp p = Ergebnisliste();
        p.ListenArt = art;
        p.VerteilerMaske = art == ListeStart ? 0x7F : 1 << VerteilerEinzeln;
        const DruckSeitenListe l = MakeDruckSeiten(w.W, p, DruckAlleDurchgaenge);
        for (int s = 1; s <= static_cast<int>(l.Seiten.size()); ++s) {
            AufzeichnungsCanvas c(1414, 1000);
            DrawPrintImage(c, 1000, l, s, 1);
        }
    }
    EXPECT_EQ(AnzahlWertungen(w.W), wertungen);
    EXPECT_EQ(AnzahlDurchgaenge(w.W), runden);
    EXPECT_EQ(w->DurchgangNr, 1);
}

// A page keeps its texts when the competition changes after the build.
TEST(Druck, SeitenHaltenKopien) {
    Wettbewerb w;
    Fuellen(w, 5, 5);
    DruckSeitenListe l;
    {
        l = MakeDruckSeiten(w.W, Ergebnisliste(), 1);
    }
    w->Name = "Anders";
    GetTeilnehmerEdvNr(w.W, 1)->Name.NachnameStr = "Umbenannt";
    DatenTeilnehmerDispose(w->TeilnehmerRootPtr);
    AufzeichnungsCanvas c(1414, 1000);
    DrawPrintImage(c, 1000, l, 1, 0);
    EXPECT_EQ(c.TexteMit("Drucktest").size(), 1u);
    EXPECT_EQ(c.TexteMit("Teilnehmer01 Vor").size(), 1u);
}

// The channel colour of a row belongs to the page's round, not to the
// competition's current round.
TEST(Druck, KanalfarbeDesSeitendurchgangs) {
    Wettbewerb w;
    Fuellen(w, 6, 3);
    // Participants 1 and 2 share channel 70 and group 1 in round 2 only.
    GetTeilnehmerEdvNr(w.W, 1)->Kanal[1] = "70";
    GetTeilnehmerEdvNr(w.W, 2)->Kanal[1] = "70";
    GetTeilnehmerEdvNr(w.W, 2)->Gruppe[1] = 2;
    GetTeilnehmerEdvNr(w.W, 4)->Gruppe[1] = 1;
    WettbewerbModellNeuBerechnen(w.W, true);
    DruckSeitenTyp p = Ergebnisliste();
    p.ListenArt = ListeStart;
    p.VerteilerMaske = 1 << VerteilerStartstelle;
    p.Sortierung = SortStartNr;
    const DruckSeitenListe l = MakeDruckSeiten(w.W, p, DruckVorrunden);
    ASSERT_EQ(l.Seiten.size(), 2u);
    for (int s = 1; s <= 2; ++s) {
        AufzeichnungsCanvas c(1414, 1000);
        DrawPrintImage(c, 1000, l, s, 1);
        int rot = 0;
        for (const auto* t : c.TexteMit("70 !"))
            if (t->Farbe == DruckRot && t->Schrift.Fett) ++rot;
        EXPECT_EQ(rot, s == 2 ? 2 : 0) << "Seite " << s;
    }
}

// Files may hold counts the layout cannot index with; building and drawing
// every list stays within the arrays (the sanitizers watch).
TEST(Druck, UnsinnigeZahlenAusDatei) {
    struct Fall {
        const char* Name;
        void (*Setzen)(WettbewerbTyp*);
        bool Seiten;
    } faelle[] = {
        {"keine Durchgänge", [](WettbewerbTyp* w) { w->AnzDurchgaenge = 0; }, false},
        {"35 Durchgänge", [](WettbewerbTyp* w) { w->AnzDurchgaenge = 35, w->AnzVorrunden = 33; }, true},
        {"aktueller Durchgang 0", [](WettbewerbTyp* w) { w->DurchgangNr = 0; }, false},
        {"aktueller Durchgang 99", [](WettbewerbTyp* w) { w->DurchgangNr = 99; }, false},
        {"Kanal aktiv 0 und 7",
         [](WettbewerbTyp* w) {
             GetTeilnehmerEdvNr(w, 1)->KanalAktiv = 0;
             GetTeilnehmerEdvNr(w, 2)->KanalAktiv = 7;
         },
         true},
        {"20 Punktrichter", [](WettbewerbTyp* w) { w->AnzPunktrichter = 20; }, true},
        {"negative Vorrunden", [](WettbewerbTyp* w) { w->AnzVorrunden = -4; w->AnzSeniorenFlyOff = -3; }, true},
    };
    for (const Fall& f : faelle) {
        Wettbewerb w;
        Fuellen(w, 12, 4);
        DatenRegelDispose(w->RegelPtr);
        DatenRegelLoad(w->RegelPtr, "F3J (B-Mod 2025)", &w->Datum);
        f.Setzen(w.W);
        for (int art : {ListeStart, ListeMeldung, ListeWertung, ListeErgebnis}) {
            DruckSeitenTyp p = Ergebnisliste();
            p.ListenArt = art;
            p.VerteilerMaske = art == ListeStart ? 0x7F : 1 << VerteilerEinzeln;
            for (int runden : {DruckAktuellerDurchgang, DruckAlleDurchgaenge}) {
                const DruckSeitenListe l = MakeDruckSeiten(w.W, p, runden);
                if (runden == DruckAktuellerDurchgang) {
                    EXPECT_EQ(!l.Seiten.empty(), f.Seiten) << f.Name << " Liste " << art;
                    EXPECT_EQ(l.Seiten.empty(), !l.Hinweis.empty()) << f.Name;
                }
                for (int s = 1; s <= static_cast<int>(l.Seiten.size()); ++s) {
                    for (const DruckSpalte& sp : l.Seiten[s - 1].Spalten) EXPECT_GE(sp.Breite, 1) << f.Name;
                    AufzeichnungsCanvas c(1414, 1000);
                    DrawPrintImage(c, 1000, l, s, 1);
                }
            }
        }
    }
}

// A result list shows a round's raw points and points in one frame per
// round; the per-round width is 10 for six rounds.
TEST(Druck, ErgebnislisteSpaltenJeDurchgang) {
    Wettbewerb w;
    Fuellen(w, 4, 4, 5, true);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Ergebnisliste(), 1);
    ASSERT_EQ(l.Seiten.size(), 1u);
    int roh = 0, punkte = 0;
    for (const DruckSpalte& s : l.Seiten[0].Spalten) {
        if (s.Nr == 19) {
            ++roh;
            EXPECT_EQ(s.Breite, 10);
            EXPECT_TRUE(s.OhneTrenner);
        }
        if (s.Nr == 20) {
            ++punkte;
            EXPECT_EQ(s.Breite, 10);
            EXPECT_FALSE(s.OhneTrenner);
        }
    }
    EXPECT_EQ(roh, 6);
    EXPECT_EQ(punkte, 6);
    EXPECT_EQ(l.Seiten[0].Spalten[0].Titel, "Platz");
}

// Paper that is not A4-shaped: the page is never wider than the canvas.
TEST(Druck, SeitenbreiteHoechstensCanvas) {
    Wettbewerb w;
    Fuellen(w, 10, 5, 2, true);
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Ergebnisliste(), 1);
    AufzeichnungsCanvas schmal(1000, 1000);
    DrawPrintImage(schmal, 1000, l, 1, 0);
    EXPECT_FALSE(schmal.AusserhalbGezeichnet());
    // The last column's separator still lies on the paper.
    int rechts = 0;
    for (const auto& e : schmal.Eintraege())
        if (e.Art == AufzeichnungsEintrag::Art::Linie && e.x0 == e.x1) rechts = std::max(rechts, e.x0);
    EXPECT_GT(rechts, 900);
    EXPECT_LT(rechts, 1000);
}

// Whether a horizontal or vertical line of the page runs through the box of
// a text (the watermark, drawn over the page on purpose, left aside).
std::string LinieDurchText(const AufzeichnungsCanvas& c, const std::string& Wasserzeichen) {
    std::multimap<int, const AufzeichnungsEintrag*> waagrecht, senkrecht;
    for (const auto& l : c.Eintraege()) {
        if (l.Art != AufzeichnungsEintrag::Art::Linie) continue;
        if (l.y0 == l.y1) waagrecht.emplace(l.y0, &l);
        else if (l.x0 == l.x1) senkrecht.emplace(l.x0, &l);
    }
    for (const auto* t : c.Texte()) {
        if (t->Text == Wasserzeichen || t->x1 <= t->x0) continue;
        for (auto it = waagrecht.lower_bound(t->y0); it != waagrecht.end() && it->first < t->y1; ++it) {
            const AufzeichnungsEintrag& l = *it->second;
            if (std::max(l.x0, l.x1) >= t->x0 && std::min(l.x0, l.x1) < t->x1)
                return "Linie bei y=" + std::to_string(l.y0) + " durch \"" + t->Text + "\" (" +
                       std::to_string(t->y0) + ".." + std::to_string(t->y1) + ")";
        }
        for (auto it = senkrecht.lower_bound(t->x0); it != senkrecht.end() && it->first < t->x1; ++it) {
            const AufzeichnungsEintrag& l = *it->second;
            if (std::max(l.y0, l.y1) >= t->y0 && std::min(l.y0, l.y1) < t->y1)
                return "Linie bei x=" + std::to_string(l.x0) + " durch \"" + t->Text + "\" (" +
                       std::to_string(t->x0) + ".." + std::to_string(t->x1) + ")";
        }
    }
    return "";
}

// Two texts of one line (tops within half the smaller height) that run into
// each other, as "a / b" (the watermark left aside); empty when none do.
std::string TexteUeberlappen(const AufzeichnungsCanvas& c, const std::string& Wasserzeichen) {
    const auto t = c.Texte();
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = i + 1; j < t.size(); ++j) {
            const auto& a = *t[i];
            const auto& b = *t[j];
            if (a.Text == Wasserzeichen || b.Text == Wasserzeichen) continue;
            const bool eineZeile = 2 * std::abs(a.y0 - b.y0) < std::min(a.y1 - a.y0, b.y1 - b.y0);
            if (eineZeile && std::min(a.x1, b.x1) > std::max(a.x0, b.x0)) return a.Text + " / " + b.Text;
        }
    return "";
}

// The row lines, the dashed line under every third row, the group lines, the
// header's and the footnote's rules, the signing lines and the column
// separators (several pixels thick on a printer page) lie between the texts,
// never across them, and no text runs into another (a long
// competition number in the header pushes the rule's name to the right; the
// round's watermark lies under the header's texts): in every list, both
// orientations, all three line spacings, on a screen-sized and a
// printer-sized page.
TEST(Druck, LinienZwischenDenZeilen) {
    Wettbewerb w;
    Fuellen(w, 12, 3, 2, true);
    w->ByNummer = "BY 117/2026-Ü";
    w->PunktRichterName[1].NachnameStr = "Schäfer";
    w->PunktRichterName[2].NachnameStr = "Größenwahn";
    for (int art : {ListeStart, ListeMeldung, ListeWertung, ListeErgebnis})
        for (int orient : {1, 2})
            for (int stil : {1, 2, 3}) {
                DruckSeitenTyp p = Ergebnisliste();
                p.ListenArt = art;
                p.VerteilerMaske = 1 << (art == ListeStart ? VerteilerAushang : VerteilerEinzeln);
                p.Sortierung = art == ListeErgebnis ? SortPlatz : SortGruppe;
                p.Orientierung = orient;
                p.Stil = stil;
                const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
                ASSERT_FALSE(l.Seiten.empty());
                for (int hoehe : {707, 1000, 3508})
                    for (int s = 1; s <= static_cast<int>(l.Seiten.size()); ++s) {
                        const int breite = orient == 1 ? hoehe * 1414 / 1000 : hoehe * 707 / 1000;
                        AufzeichnungsCanvas c(breite, hoehe);
                        DrawPrintImage(c, hoehe, l, s, 0);
                        const std::string& wz = l.Seiten[s - 1].Kopf.Wasserzeichen;
                        EXPECT_EQ(LinieDurchText(c, wz), "") << "Liste " << art << ", Ausrichtung " << orient
                                                             << ", Stil " << stil << ", Höhe " << hoehe << ", Seite "
                                                             << s;
                        EXPECT_EQ(TexteUeberlappen(c, wz), "") << "Liste " << art << ", Ausrichtung " << orient
                                                               << ", Stil " << stil << ", Höhe " << hoehe
                                                               << ", Seite " << s;
                        // The watermark (the large italic round number) lies
                        // under the texts it covers: it is drawn before them.
                        const auto texte = c.Texte();
                        for (std::size_t i = 1; i < texte.size(); ++i)
                            EXPECT_FALSE(texte[i]->Text == wz && texte[i]->Schrift.Kursiv)
                                << "Wasserzeichen als " << i + 1 << ". Text, Liste " << art;
                    }
            }
}

// Lines lie a whole number of pixels apart, some a pixel more than others;
// every row of a page is written in the same size all the same (a row with a
// pixel more room was written larger than the rest on screen).
TEST(Druck, ZeilenInEinerGroesse) {
    Wettbewerb w;
    Fuellen(w, 20, 5, 2, true);
    DruckSeitenTyp p = Ergebnisliste();
    const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
    ASSERT_FALSE(l.Seiten.empty());
    for (int hoehe : {700, 709, 712, 720, 1000}) {
        AufzeichnungsCanvas c(hoehe * 1414 / 1000, hoehe, 96);
        DrawPrintImage(c, hoehe, l, 1, 0);
        // short numbers (places, counts) are never made smaller for their width
        std::set<int> groessen;
        for (const AufzeichnungsEintrag* t : c.Texte())
            if (!t->Schrift.Kursiv && !t->Text.empty() && t->Text.size() <= 2 &&
                t->Text.find_first_not_of("0123456789") == std::string::npos)
                groessen.insert(t->Schrift.Hoehe);
        EXPECT_EQ(groessen.size(), 1u) << "Höhe " << hoehe << ": " << ::testing::PrintToString(groessen);
    }
}

// A channel shown as "2,4GHz" and the title "Kanal" above it are made
// smaller to fit their narrow column rather than cut, in every copy of the
// start list and every line spacing; a name that normal print shows whole
// is shown whole in large print too.
TEST(Druck, TexteNichtAbgeschnitten) {
    Wettbewerb w;
    Fuellen(w, 6, 3);
    GetTeilnehmerEdvNr(w.W, 2)->Kanal[1] = "2G4";
    GetTeilnehmerEdvNr(w.W, 3)->Name.NachnameStr = "Baumgärtner";
    GetTeilnehmerEdvNr(w.W, 3)->Name.VornameStr = "Hans-Jürgen";
    for (int orient : {1, 2})
        for (int stil : {1, 2, 3}) {
            DruckSeitenTyp p = Ergebnisliste();
            p.ListenArt = ListeStart;
            p.VerteilerMaske = 0x7F;
            p.Sortierung = SortStartNr;
            p.Orientierung = orient;
            p.Stil = stil;
            const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
            for (int s = 1; s <= static_cast<int>(l.Seiten.size()); ++s) {
                const int hoehe = 3508, breite = orient == 1 ? 4960 : 2480;
                AufzeichnungsCanvas c(breite, hoehe);
                DrawPrintImage(c, hoehe, l, s, 0);
                for (const char* text : {"2,4GHz", "Kanal", "Baumgärtner Hans-Jürgen"})
                    for (const auto* t : c.TexteMit(text))
                        EXPECT_TRUE(t->ClipBreite < 0 ||
                                    t->ClipBreite >= static_cast<int>(L_STR_Length(text)) * t->Schrift.Hoehe / 2)
                            << text << ", Ausrichtung " << orient << ", Stil " << stil << ", Seite " << s
                            << ": Platz " << t->ClipBreite << " bei Höhe " << t->Schrift.Hoehe;
            }
        }
}

TEST(Druck, Druckfarben) {
    EXPECT_EQ(GetPrintColor(0), DruckSchwarz);
    EXPECT_EQ(GetPrintColor(2), (DruckFarbe{127, 64, 0}));
    EXPECT_EQ(GetPrintColor(3), DruckRot);
    EXPECT_EQ(GetPrintColor(4), (DruckFarbe{0, 128, 0}));
    EXPECT_EQ(GetPrintColor(5), DruckBlau);
    Wettbewerb w;
    Fuellen(w, 3, 3);
    DruckSeitenTyp p = Ergebnisliste();
    p.ListenArt = ListeWertung;
    const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
    AufzeichnungsCanvas c(1414, 1000);
    DrawPrintImage(c, 1000, l, 1, 3);
    // All text in red except the watermark, which keeps its own green.
    for (const auto* t : c.Texte()) {
        if (t->Text == l.Seiten[0].Kopf.Wasserzeichen && t->Schrift.Kursiv) EXPECT_EQ(t->Farbe, DruckDunkelgruen);
        else EXPECT_EQ(t->Farbe, DruckRot) << t->Text;
    }
}

} // namespace
} // namespace tavuran

namespace tavuran {
namespace {

using namespace drucktest;

std::string Zelle(const SeiteTyp& s, int EdvNr, int Spalte) {
    for (const ZeileTyp& z : s.Text.Zeilen)
        if (z.EdvNr == EdvNr && z.ZeilenNr > 0)
            for (std::size_t i = 0; i < s.Spalten.size(); ++i)
                if (s.Spalten[i].Nr == Spalte) return z.Zellen[i].Text;
    return "<keine>";
}

// A score sheet of a round with a reflight: the causer's raw points read
// "Antrag Refly", his points are left blank, the reflight columns follow.
TEST(Druck, WertungslisteMitRefly) {
    Wettbewerb w;
    Fuellen(w, 4, 4, 1, true);
    DurchgangTyp* d = GetDurchgangPtr(w.W, 1);
    WertungTyp* r = DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 1, 1), 2);
    r->WertungDurchg[1] = 700;
    r->ReflyVerursacher = true;
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    DruckSeitenTyp p;
    p.ListenArt = ListeWertung;
    p.Sortierung = SortStartNr;
    const DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
    ASSERT_EQ(l.Seiten.size(), 1u);
    const SeiteTyp& s = l.Seiten[0];
    EXPECT_EQ(Zelle(s, 2, 19), "Antrag Refly");
    EXPECT_EQ(Zelle(s, 2, 20), " ");
    EXPECT_EQ(Zelle(s, 2, 29), "700");
    EXPECT_EQ(Zelle(s, 1, 29), " ");
    EXPECT_EQ(Zelle(s, 1, 19), "100");
}

// Printed values carry the decimal comma; a point in a club's name stays.
TEST(Druck, WerteMitDezimalkomma) {
    Wettbewerb w;
    Fuellen(w, 4, 4, 1, true);
    DurchgangTyp* d = GetDurchgangPtr(w.W, 1);
    DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 1, 0), 3)->WertungDurchg[1] = 312.5;
    DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 3, false)->Verein = "MFC e.V.";
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const auto komma = [](const std::string& t) { return t.find(',') != std::string::npos && t.find('.') == std::string::npos; };
    DruckSeitenTyp p;
    p.ListenArt = ListeWertung;
    p.Sortierung = SortStartNr;
    DruckSeitenListe l = MakeDruckSeiten(w.W, p, 1);
    ASSERT_EQ(l.Seiten.size(), 1u);
    EXPECT_EQ(Zelle(l.Seiten[0], 3, 18), "312,5");
    EXPECT_TRUE(komma(Zelle(l.Seiten[0], 3, 19))) << Zelle(l.Seiten[0], 3, 19);
    EXPECT_EQ(Zelle(l.Seiten[0], 3, 7), "MFC e.V.");
    l = MakeDruckSeiten(w.W, Ergebnisliste(), 1);
    ASSERT_EQ(l.Seiten.size(), 1u);
    EXPECT_TRUE(komma(Zelle(l.Seiten[0], 3, 21))) << Zelle(l.Seiten[0], 3, 21);
    EXPECT_EQ(Zelle(l.Seiten[0], 3, 7), "MFC e.V.");
}

// The judges line of the signature block: surname first, comma and blank
// between, underscores as blanks, no comma after the last name.
TEST(Druck, PunktrichterZeile) {
    Wettbewerb w;
    Fuellen(w, 3, 3, 1, true);
    w->PunktRichterName[1] = {"", "Anna", "Adler_Horst"};
    w->PunktRichterName[3] = {"", "Bernd", "Berger"};
    const DruckSeitenListe l = MakeDruckSeiten(w.W, Ergebnisliste(), 1);
    ASSERT_EQ(l.Seiten.size(), 1u);
    EXPECT_EQ(l.Seiten[0].Text.Punktrichter, "Punktrichter: Adler Horst Anna, Berger Bernd");
    AufzeichnungsCanvas c(1414, 1000);
    DrawPrintImage(c, 1000, l, 1, 0);
    EXPECT_EQ(c.TexteMit("Punktrichter: Adler Horst Anna, Berger Bernd").size(), 1u);
    EXPECT_EQ(c.TexteMit("Leiter (Wettbewerbsleiter)").size(), 1u);
}

} // namespace
} // namespace tavuran
