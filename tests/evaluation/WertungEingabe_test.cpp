#include "evaluation/WertungEingabe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Refly.h"
#include "evaluation/Sortierung.h"
#include "rules/RegelLookup.h"
#include "tests/evaluation/RegelWettbewerb.h"

namespace tavuran {
namespace {

std::vector<std::string> Mal(int n, const std::vector<std::string>& v) {
    std::vector<std::string> r;
    for (int i = 0; i < n; ++i) r.insert(r.end(), v.begin(), v.end());
    return r;
}

TEST(WertungEingabe, WertspaltenJeRegelUndRichterzahl) {
    const std::vector<std::string> oldie = {"S", "K", "V", "L", "!"};
    struct Fall {
        const char* Regel;
        int Richter;
        int ErwRichter;
        std::vector<std::string> Koepfe;
    } faelle[] = {
        {"F5J (B-Mod 2025)", 1, 1, {"Abstand[m]", "Zeit[min:s]", "F5J-Höhe[m]"}},
        // "Zeit[s]" is typed as minutes and seconds
        {"F3B-E B-Mod 99", 1, 0, {"Zeit [min:s]", "Abstand", "[cm] Landung"}},
        // the competition's judge count: three judges, five values each
        {"Oldtimer Funfly", 3, 3, Mal(3, oldie)},
        // four judges would need 20 of the 16 judge slots: three are entered
        {"Oldtimer Funfly", 4, 3, Mal(3, oldie)},
        // nine judges with two values each: eight fit the slots, then the flight values
        {"F3B-E Bavarian Open", 9, 8, [] {
             auto k = Mal(8, {"A$P", "L$P"});
             k.push_back("k");
             k.push_back("Zeit");
             return k;
         }()},
    };
    for (const Fall& f : faelle) {
        RegelWettbewerb rw(f.Regel, f.Richter);
        const WertSpaltenTyp s = GetWertSpalten(rw.W);
        EXPECT_EQ(s.AnzPunktrichter, f.ErwRichter) << f.Regel << " " << f.Richter;
        EXPECT_EQ(s.Koepfe, f.Koepfe) << f.Regel << " " << f.Richter;
        EXPECT_EQ(s.Anzahl(), static_cast<int>(f.Koepfe.size())) << f.Regel;
        EXPECT_LE(s.AnzPunktrWerte, MaxPunktrichter) << f.Regel;
    }
    EXPECT_EQ(GetWertSpalten(nullptr).Anzahl(), 0);
    // a blank before "[s]" stays: two blanks before "[min:s]"
    EXPECT_EQ(WertSpaltenKopf("Zeit [s]"), "Zeit  [min:s]");
    EXPECT_EQ(WertSpaltenKopf("Abstand[s]"), "Abstand[s]");
}

TEST(WertungEingabe, SpalteZuSlot) {
    RegelWettbewerb rw("F3B-E Bavarian Open", 3);
    const WertSpaltenTyp s = GetWertSpalten(rw.W); // 3 judges x 2 values, then "k", "Zeit"
    WertungTyp w;
    EXPECT_EQ(WertSlotPtr(&w, s, 1), &w.WertungPunktr[1]);
    EXPECT_EQ(WertSlotPtr(&w, s, 3), &w.WertungPunktr[3]); // judge 2's first value
    EXPECT_EQ(WertSlotPtr(&w, s, 6), &w.WertungPunktr[6]);
    EXPECT_EQ(WertSlotPtr(&w, s, 7), &w.WertungDurchg[1]);
    EXPECT_EQ(WertSlotPtr(&w, s, 8), &w.WertungDurchg[2]);
    EXPECT_EQ(WertSlotPtr(&w, s, 9), nullptr);
    EXPECT_EQ(WertSlotPtr(&w, s, 0), nullptr);
}

// A cell that still shows what the display wrote is not read again: stored
// values the display cannot show exactly stay as they are.
TEST(WertungEingabe, NurGeaenderteZellenWerdenGespeichert) {
    struct Fall {
        const char* Regel;
        int Spalte;      // value column
        double Gespeichert;
        const char* Getippt; // nullptr: the cell is left as displayed
        double Erwartet;
    } faelle[] = {
        // F5J: Abstand[m], Zeit[min:s], F5J-Höhe[m]
        {"F5J (B-Mod 2025)", 2, 65.55, nullptr, 65.55},  // shows 1:05.5, which would read as 65.5
        {"F5J (B-Mod 2025)", 1, 0.0, nullptr, 0.0},      // shows "-", which would read as -1
        {"F5J (B-Mod 2025)", 3, 123456789.0, nullptr, 123456789.0}, // wider than the display
        {"F5J (B-Mod 2025)", 2, 65.55, "1:05.4", 65.4},
        {"F5J (B-Mod 2025)", 2, 0.0, "3:25.4", 205.4},
        {"F5J (B-Mod 2025)", 1, 0.0, "12", 12.0},
        {"F5J (B-Mod 2025)", 3, 0.0, "-", -1.0},
        {"F5J (B-Mod 2025)", 2, 0.0, "over", -2.0},
        // F3B-J (B-Mod 2025): Abstand[cm], Drehung[°], Zeit[min:s]; an invalid rotation shows "-"
        {"F3B-J (B-Mod 2025)", 2, -2.0, nullptr, -2.0},
        {"F3B-J (B-Mod 2025)", 2, -2.0, "135", 91.0},
    };
    for (const Fall& f : faelle) {
        RegelWettbewerb rw(f.Regel);
        const WertSpaltenTyp s = GetWertSpalten(rw.W);
        WertungTyp* w = GetEingabeWertung(rw.W, 1, 1, false);
        ASSERT_NE(w, nullptr);
        *WertSlotPtr(w, s, f.Spalte) = f.Gespeichert;
        const std::vector<std::string> angezeigt = DispWertungWerte(rw.W, w, s);
        std::vector<WertZelleTyp> zellen;
        for (const std::string& t : angezeigt) zellen.push_back({t, t});
        if (f.Getippt) zellen[static_cast<std::size_t>(f.Spalte - 1)].Text = f.Getippt;
        const int geaendert = WertungZeileUebernehmen(rw.W, 1, w, s, zellen);
        EXPECT_DOUBLE_EQ(WertSlot(w, s, f.Spalte), f.Erwartet) << f.Regel << " " << f.Spalte;
        EXPECT_EQ(geaendert, f.Erwartet != f.Gespeichert ? 1 : 0) << f.Regel << " " << f.Spalte;
    }
}

TEST(WertungEingabe, GleicherWertZaehltNichtAlsAenderungUndUeberzaehligeZellen) {
    RegelWettbewerb rw("F5J (B-Mod 2025)");
    const WertSpaltenTyp s = GetWertSpalten(rw.W);
    WertungTyp* w = GetEingabeWertung(rw.W, 1, 1, false);
    w->WertungDurchg[1] = 65;
    // "65" differs from the shown "1:05" but reads as the stored value
    std::vector<WertZelleTyp> zellen = {{"12", "-"}, {"65", "1:05"}, {"0", "0"}};
    EXPECT_EQ(WertungZeileUebernehmen(rw.W, 1, w, s, zellen), 1);
    EXPECT_DOUBLE_EQ(w->WertungPunktr[1], 12.0);
    EXPECT_DOUBLE_EQ(w->WertungDurchg[1], 65.0);
    // the changed cells now count as showing the stored values, so a cell
    // typed back to its earlier text is read again
    EXPECT_EQ(zellen[0].Angezeigt, "12");
    EXPECT_EQ(zellen[1].Angezeigt, "1:05");
    zellen[0].Text = "-";
    EXPECT_EQ(WertungZeileUebernehmen(rw.W, 1, w, s, zellen), 1);
    EXPECT_DOUBLE_EQ(w->WertungPunktr[1], -1.0);
    // cells beyond the rule's columns are ignored
    std::vector<WertZelleTyp> mehr = {{"12", "12"}, {"1:05", "1:05"}, {"0", "0"}, {"99", ""}};
    EXPECT_EQ(WertungZeileUebernehmen(rw.W, 1, w, s, mehr), 0);
    std::vector<WertZelleTyp> eine = {{"1", ""}};
    EXPECT_EQ(WertungZeileUebernehmen(rw.W, 1, nullptr, s, eine), 0);
}

TEST(WertungEingabe, AbgelehnteZelleHaeltDieGanzeZeileZurueck) {
    RegelWettbewerb rw("F5J (B-Mod 2025)");
    const WertSpaltenTyp s = GetWertSpalten(rw.W);
    WertungTyp* w = GetEingabeWertung(rw.W, 1, 1, false);
    std::vector<WertZelleTyp> zellen = {{"12", "-"}, {"9:5O", "0:00"}, {"100", "0"}};
    EXPECT_EQ(WertungZeileUebernehmen(rw.W, 1, w, s, zellen), 0);
    EXPECT_DOUBLE_EQ(w->WertungPunktr[1], 0.0);
    EXPECT_DOUBLE_EQ(w->WertungDurchg[2], 0.0);
    EXPECT_TRUE(zellen[0].Meldung.empty());
    EXPECT_NE(zellen[1].Meldung.find("„9:5O“"), std::string::npos) << zellen[1].Meldung;
    EXPECT_EQ(ZeileMeldung(zellen), zellen[1].Meldung);
    // mended, the row is stored and the message is gone
    zellen[1].Text = "9:50";
    EXPECT_EQ(WertungZeileUebernehmen(rw.W, 1, w, s, zellen), 3);
    EXPECT_DOUBLE_EQ(w->WertungDurchg[1], 590.0);
    EXPECT_EQ(ZeileMeldung(zellen), "");
}

TEST(WertungEingabe, EintragDerZeile) {
    RegelWettbewerb rw("F5J (B-Mod 2025)", 1, 2);
    // an unknown participant gets no entry and is not created
    EXPECT_EQ(GetEingabeWertung(rw.W, 1, 7, false), nullptr);
    EXPECT_EQ(DatenTeilnehmerGetPtr(rw.W->TeilnehmerRootPtr, 7, false), nullptr);
    EXPECT_EQ(GetEingabeWertung(rw.W, 0, 1, false), nullptr);
    EXPECT_EQ(GetEingabeWertung(rw.W, MaxDurchgaenge + 1, 1, false), nullptr);
    WertungTyp* w = GetEingabeWertung(rw.W, 2, 1, false);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w, DatenWertungGetPtr(GetDurchgangPtr(rw.W, 2), 1, 0));
    // the reflight grid writes only into an existing reflight entry
    EXPECT_EQ(GetEingabeWertung(rw.W, 1, 1, true), nullptr);
    DurchgangTyp* d = GetDurchgangPtr(rw.W, 1);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, 1, 1);
    WertungTyp* refly = DatenWertungInGroupGetPtr(d, g, 1);
    EXPECT_EQ(GetEingabeWertung(rw.W, 1, 1, true), refly);
}

TEST(WertungEingabe, TeilnehmerDerZeile) {
    RegelWettbewerb rw("F5J (B-Mod 2025)", 1, 2);
    // two pilots with equal name and club: the row decides
    TeilnehmerTyp* a = DatenTeilnehmerGetPtr(rw.W->TeilnehmerRootPtr, 1, false);
    TeilnehmerTyp* b = DatenTeilnehmerGetPtr(rw.W->TeilnehmerRootPtr, 2, false);
    b->Name = a->Name;
    a->ZeilenNr[3] = 4;
    b->ZeilenNr[3] = 2;
    const std::string name = CnvNameTypToNameStr(&a->Name, true);
    EXPECT_EQ(GetTeilnehmerInZeile(rw.W, 3, 2, name), b);
    EXPECT_EQ(GetTeilnehmerInZeile(rw.W, 3, 4, name), a);
    EXPECT_EQ(GetTeilnehmerInZeile(rw.W, 3, 3, name), nullptr);
    // a row whose name cell no longer shows the participant stores nothing
    EXPECT_EQ(GetTeilnehmerInZeile(rw.W, 3, 2, "Jemand Anders"), nullptr);
    EXPECT_EQ(GetTeilnehmerInZeile(rw.W, 4, 2, name), nullptr);
}

TEST(WertungEingabe, BerechneteSpalten) {
    RegelWettbewerb rw("F5J (B-Mod 2025)", 1, 2);
    EXPECT_EQ(GetWertungBerechnetKoepfe(rw.W, 1), (std::vector<std::string>{"Landepunkte", "Rohpunkte", "Ergebnis"}));
    WertungTyp* w = GetEingabeWertung(rw.W, 1, 1, false);
    w->WertungPunktr[1] = 1.0; // landing at one metre
    w->WertungDurchg[1] = 600;
    w->WertungDurchg[2] = 100; // launch height
    w->Strafpunkte = 100;
    rw.W->CalcWertung = true;
    CalcWertung(rw.W);
    // the round now carries penalty points: "Strafe" comes first
    EXPECT_EQ(GetWertungBerechnetKoepfe(rw.W, 1),
              (std::vector<std::string>{"Strafe", "Landepunkte", "Rohpunkte", "Ergebnis"}));
    const auto t = DispWertungBerechnet(rw.W, 1, w, GetStrafpunkteInDurchgang(rw.W, 1));
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0], "100");
    EXPECT_EQ(t[2], L_STR_DoubleToStr(w->RohPunkte, 3, 6, 0, 2));
    EXPECT_EQ(t[3], L_STR_DoubleToStr(w->Punkte - 100, 3, 6, 0, 2));
    EXPECT_GT(w->RohPunkte, 0.0);

    RegelWettbewerb manuell("Manuelle Auswertung");
    EXPECT_EQ(GetWertungBerechnetKoepfe(manuell.W, 1), (std::vector<std::string>{"Rohpunkte", "Ergebnis"}));

    WertungTyp erst, refly;
    erst.Punkte = 900;
    erst.ErgebnisPunkte = 950;
    erst.Strafpunkte = 50;
    refly.RohPunkte = 321.5;
    refly.Punkte = 1000;
    EXPECT_EQ(DispReflyBerechnet(&refly, &erst), (std::vector<std::string>{"321.5", "950", "850", "900"}));
    refly.ReflyVerursacher = true;
    EXPECT_EQ(DispReflyBerechnet(&refly, &erst)[2], "Verursacher");
    EXPECT_TRUE(DispReflyBerechnet(nullptr, &erst).empty());
}

} // namespace
} // namespace tavuran
