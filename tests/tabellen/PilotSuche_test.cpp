// Finding a pilot in a tab's table by name, start number or registration
// number, and the next hit from a row on.
#include <gtest/gtest.h>

#include "core/DatenMannschaft.h"
#include "evaluation/TestWettbewerb.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "tabellen/PilotSuche.h"
#include "tabellen/ReiterTabelle.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

class Suche : public ::testing::Test {
  protected:
    void SetUp() override {
        tw.Runden(1, 1, 9);
        tw.Teilnehmer(1, "Adler");
        tw.Teilnehmer(2, "Berger");
        tw.Teilnehmer(3, "Müller");
        tw.Teilnehmer(4, "Überall");
        // Start number 12 and registration number 12 belong to two pilots.
        tw.T(3)->StartNr = 12;
        tw.T(4)->MeldgNr = 12;
        SortAll(tw.W);
    }
    // The names of the rows found, top to bottom.
    std::vector<std::string> Namen(int Tab, const std::string& Text) {
        const TabelleTyp t = ReiterTabelle(tw.W, Tab, {});
        std::vector<std::string> v;
        for (int r : PilotTreffer(tw.W, t, Text)) v.push_back(t.Text(r, Tab == TabMannschaft ? MannschSpalteName : 2));
        return v;
    }
    TestWettbewerb tw;
};

TEST_F(Suche, FindetNachNameStartnummerUndMeldenummer) {
    using V = std::vector<std::string>;
    const struct {
        const char* Text;
        V Treffer;
    } faelle[] = {
        {"ber", V{"Berger V2", "Überall V4"}}, // part of a name, any case
        {"MÜLLER", V{"Müller V3"}},            // umlauts without regard to case
        {"über", V{"Überall V4"}},
        {"berger v2", V{"Berger V2"}},          // surname and first name as listed
        {"12", V{"Müller V3", "Überall V4"}},   // start number of one, registration number of the other
        {" 2 ", V{"Berger V2"}},                // a number is whole: 2 does not find 12
        {"1", V{"Adler V1"}},
        {"99", V{}},
        {"xyz", V{}},
        {"  ", V{}},
    };
    for (const auto& f : faelle) EXPECT_EQ(Namen(TabTeilnehmer, f.Text), f.Treffer) << f.Text;
}

TEST_F(Suche, EineTeamzeileStehtFuerIhreMitglieder) {
    MannschaftTyp* m = DatenMannschaftNew();
    m->Nr = 2;
    m->Name = "Nordteam";
    m->TeilnehmerEdvNr[1] = 1;
    m->TeilnehmerEdvNr[2] = 3;
    tw.W->MannschaftRootPtr = m;
    EXPECT_EQ(Namen(TabMannschaft, "müller"), std::vector<std::string>{"Nordteam"});
    EXPECT_EQ(Namen(TabMannschaft, "12"), std::vector<std::string>{"Nordteam"});
    EXPECT_EQ(Namen(TabMannschaft, "Berger"), std::vector<std::string>{});
}

TEST(NaechsterTreffer, NachDerZeileUndVomLetztenZumErsten) {
    const std::vector<int> t{2, 5, 9};
    const struct {
        int Zeile, Erwartet;
    } faelle[] = {{-1, 2}, {0, 2}, {2, 5}, {6, 9}, {9, 2}, {40, 2}};
    for (const auto& f : faelle) EXPECT_EQ(NaechsterTreffer(t, f.Zeile), f.Erwartet) << f.Zeile;
    EXPECT_EQ(NaechsterTreffer({}, 0), -1);
}

} // namespace
} // namespace tavuran
