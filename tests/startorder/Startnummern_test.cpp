// Left-out start numbers, closing up the start numbers, and the progress warning.
#include <gtest/gtest.h>

#include <memory>

#include "AuslosungsWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_REGIST.h"
#include "startorder/Startnummern.h"
#include "startorder/WarnStartNr.h"

namespace tavuran {
namespace {

using test::AuslosungsWettbewerb;

class Startnummern : public ::testing::Test {
  protected:
    void SetUp() override { L_REGIST_SetStore(store_.get()); }
    void TearDown() override { L_REGIST_SetStore(nullptr); }
    static void Speichern(const std::string& text) { L_REGIST_SetStringValue("ExcludeStartNr", "", text); }
    static std::string Gespeichert() { return L_REGIST_GetStringValue("ExcludeStartNr", ""); }

    // Participants 1..n all in group 1 of round 1 with start places n..1.
    static void Rueckwaerts(AuslosungsWettbewerb& w, int n) {
        for (int nr = 1; nr <= n; ++nr) {
            w.T(nr)->Gruppe[1] = 1;
            w.T(nr)->Startplatz[1] = n + 1 - nr;
        }
        w.W->DurchgangNr = 1;
    }
    static std::vector<int> Nummern(AuslosungsWettbewerb& w, int n) {
        std::vector<int> v;
        for (int nr = 1; nr <= n; ++nr) v.push_back(w.T(nr)->StartNr);
        return v;
    }

    std::unique_ptr<SettingsStore> store_ = NewMemorySettingsStore();
};

TEST_F(Startnummern, LadenUndGespeicherteForm) {
    struct Fall {
        std::string text;
        std::vector<int> slots;
    } faelle[] = {
        {"5;12;40;", {5, 12, 40}},
        {"5; x ;12", {5, 12}},
        {"-3;0;7;", {7}},
        {"", {}},
    };
    for (const Fall& f : faelle) {
        Speichern(f.text);
        LoadAusschlussStartNr();
        std::vector<int> slots;
        for (int v : AusschlussStartNr())
            if (v != 0) slots.push_back(v);
        EXPECT_EQ(slots, f.slots) << f.text;
    }
    Speichern("5; x ;12");
    LoadAusschlussStartNr();
    EXPECT_EQ(AusschlussStartNrText(), "5;12;");
    EXPECT_FALSE(IsStartNrAvailable(12));
    EXPECT_TRUE(IsStartNrAvailable(6));

    std::string viele;
    for (int i = 1; i <= 120; ++i) viele += std::to_string(i) + ";";
    Speichern(viele);
    LoadAusschlussStartNr();
    EXPECT_EQ(AusschlussStartNr()[100], 100);
    EXPECT_TRUE(IsStartNrAvailable(101));
}

TEST_F(Startnummern, AufrueckenUeberspringtAusgelasseneNummern) {
    AuslosungsWettbewerb w(5);
    Rueckwaerts(w, 5);
    Speichern("3;4;");
    StartnummerAufruecken(w.W);
    // Start order 5, 4, 3, 2, 1.
    EXPECT_EQ(Nummern(w, 5), (std::vector<int>{7, 6, 5, 2, 1}));
    EXPECT_TRUE(w.W->modified);

    w.W->modified = false;
    StartnummerAufruecken(w.W);
    EXPECT_FALSE(w.W->modified);

    Speichern("");
    StartnummerAufruecken(w.W);
    EXPECT_EQ(Nummern(w, 5), (std::vector<int>{5, 4, 3, 2, 1}));
}

TEST_F(Startnummern, TeilnehmerOhneEdvNrBekommtKeineNummer) {
    AuslosungsWettbewerb w(3);
    Rueckwaerts(w, 3);
    TeilnehmerTyp* ohne = DatenTeilnehmerGetPtr(w.W->TeilnehmerRootPtr, 0, true);
    ohne->Name.NachnameStr = "Ohne";
    ohne->StartNr = 77;
    ohne->Gruppe[1] = 1;
    ohne->Startplatz[1] = 2; // start order: 3, the one without EdvNr, 2, 1
    w.T(2)->Startplatz[1] = 3;
    w.T(1)->Startplatz[1] = 4;
    StartnummerAufruecken(w.W);
    EXPECT_EQ(ohne->StartNr, 77);
    EXPECT_EQ(Nummern(w, 3), (std::vector<int>{3, 2, 1}));
}

TEST_F(Startnummern, DialogAuslassen) {
    Speichern("5;12;40;");
    StartNrAuslassenDialog d;
    d.Zeigen();
    EXPECT_FALSE(d.NeuAktiv());
    EXPECT_FALSE(d.AendernAktiv());
    EXPECT_FALSE(d.EntfernenAktiv());

    // Select 12, type 14, change: 14 stands where 12 stood.
    d.ListeGewaehlt(12);
    EXPECT_EQ(d.EditText(), "12");
    EXPECT_FALSE(d.NeuAktiv());
    d.EditGeaendert("14");
    EXPECT_TRUE(d.AendernAktiv());
    d.Aendern();
    EXPECT_EQ(d.Liste(), (std::vector<std::string>{"5", "14", "40"}));

    // Select an entry and press Enter: only "Entfernen" is enabled.
    d.ListeGewaehlt(5);
    d.Enter();
    EXPECT_EQ(d.Liste(), (std::vector<std::string>{"14", "40"}));

    // A new number without selection and Enter adds it, in the first free slot.
    d.EditGeaendert(" 9 ");
    d.Enter();
    EXPECT_EQ(d.Liste(), (std::vector<std::string>{"9", "14", "40"}));
    d.EditGeaendert("abc");
    EXPECT_FALSE(d.NeuAktiv());

    // "Abbruch" restores the stored list, "Ok" stores.
    d.Abbruch();
    EXPECT_EQ(d.Liste(), (std::vector<std::string>{"5", "12", "40"}));
    d.Zeigen();
    d.EditGeaendert("41");
    d.Neu();
    d.Ok();
    EXPECT_EQ(Gespeichert(), "5;12;40;41;");

    std::string hundert;
    for (int i = 1; i <= 100; ++i) hundert += std::to_string(i) + ";";
    Speichern(hundert);
    d.Zeigen();
    d.EditGeaendert("101");
    EXPECT_FALSE(d.NeuAktiv());
}

TEST(Fortschrittswarnung, WannSieFaelligIst) {
    struct Fall {
        int status, warnstufe, neu, kritisch;
        bool faellig;
    } faelle[] = {
        {60, 0, 50, 50, true}, {40, 0, 50, 50, false}, {60, 60, 50, 50, false},
        {70, 60, 50, 50, true}, {20, 0, 20, 50, false}, {70, 0, 70, 70, true},
    };
    AuslosungsWettbewerb w(1);
    for (const Fall& f : faelle) {
        w.W->Status = f.status;
        w.W->Warnstufe = f.warnstufe;
        EXPECT_EQ(FormCheckShow(w.W, f.neu, f.kritisch), f.faellig) << f.status << "/" << f.warnstufe;
        EXPECT_EQ(WarnStartNr().CurProgState, f.neu);
    }
    EXPECT_FALSE(FormCheckShow(nullptr, 50, 50));
}

TEST(Fortschrittswarnung, TexteUndWarnstufe) {
    AuslosungsWettbewerb w(1);
    w.W->Status = 60;
    WarnStartNrInhalt t = WarnStartNrTexte(w.W, 50);
    EXPECT_FALSE(t.Rot);
    ASSERT_EQ(t.Zeilen.size(), 4u);
    EXPECT_EQ(t.Zeilen[0].Top, 16);
    EXPECT_EQ(t.Zeilen[0].Text, "Diese Programmfunktion vergibt Startnummern neu,");
    EXPECT_EQ(t.Zeilen[1].Top, 40);
    EXPECT_EQ(t.Zeilen[1].Text, "es wurden aber bereits Startlisten gedruckt!");
    EXPECT_EQ(t.Zeilen[2].Top, 88);
    EXPECT_EQ(t.Zeilen[2].Text, "-> Gegebenenfalls bereits kommunizierte Startlisten wären ungültig!");
    EXPECT_EQ(t.Zeilen[3].Top, 112);
    EXPECT_EQ(t.Zeilen[3].Text, "-> Start- und Wertungslisten müssten neu gedruckt werden!");
    EXPECT_EQ(t.OkText, "Ok - Startnummern neu vergeben");
    EXPECT_EQ(t.AbbruchText, "Abbruch - Startnummern lassen");

    UpdateWarningLevel(w.W, 50, WarnOption::SkipLevel);
    EXPECT_EQ(w.W->Warnstufe, 60);
    EXPECT_TRUE(w.W->modified);
    EXPECT_FALSE(FormCheckShow(w.W, 50, 50));
    UpdateWarningLevel(w.W, 50, WarnOption::Skip);
    EXPECT_EQ(w.W->Warnstufe, 100);
    UpdateWarningLevel(w.W, 50, WarnOption::Show);
    EXPECT_EQ(w.W->Warnstufe, 0);

    // A state the warning does not know: plain buttons, no text.
    t = WarnStartNrTexte(w.W, 30);
    EXPECT_EQ(t.OkText, "Ok");
    EXPECT_EQ(t.AbbruchText, "Abbruch");
    EXPECT_EQ(t.Zeilen[0].Text, "");
}

TEST(Fortschrittswarnung, DurchgaengeMitWertungenStattFolgen) {
    AuslosungsWettbewerb w(1);
    w.W->Status = 70;
    DurchgangTyp* d = w.Runde(2);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, 1, 0);
    DatenWertungInGroupGetPtr(d, g, 1)->WertungDurchg[1] = 55.0;
    WarnStartNrInhalt t = WarnStartNrTexte(w.W, 50);
    EXPECT_TRUE(t.Rot);
    EXPECT_EQ(WarnStartNr().DurchgangGeaendertMaske, 2);
    EXPECT_EQ(t.Zeilen[0].Text, "Für die Durchgänge");
    EXPECT_EQ(t.Zeilen[1].Top, 40);
    EXPECT_EQ(t.Zeilen[1].Text, GetDurchgangBezeichner(w.W, 2, false, true) + ", ");
    for (const WarnZeile& z : t.Zeilen) EXPECT_NE(z.Text.rfind("->", 0), 0u) << z.Text;
    EXPECT_EQ(t.Zeilen.back().Text, "zu einem falschen Ergebnbis führen!");
}

} // namespace
} // namespace tavuran
