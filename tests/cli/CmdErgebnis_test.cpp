// Runs "tavuran-cli ergebnis" on a competition file written from a small
// competition built in code, and checks that reading, evaluating, saving and
// reading again gives the same result.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliLauf.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"

namespace tavuran {
namespace {

using namespace clitest;

void Flug(WettbewerbTyp* w, int Runde, int Gruppe, int ReflyOrder, int EdvNr, double Punkte) {
    GetTeilnehmerEdvNr(w, EdvNr)->Gruppe[Runde] = Gruppe;
    DurchgangTyp* d = GetDurchgangPtr(w, Runde);
    GruppeTyp* g = DatenGruppeGetPtr(d->GruppePtr, Gruppe, ReflyOrder);
    WertungTyp* e = DatenWertungInGroupGetPtr(d, g, EdvNr);
    e->WertungDurchg[1] = Punkte;
}

// Two preliminary rounds (both counted), one senior fly-off for two, per mille
// with two decimals, manual points. Round 1: groups {Adler 900, Berger 600} and
// {Conrad 800, Dorn 400 with 5 penalty points}; round 2 one group: 500, 1000,
// 750, 250, and Dorn's reflight of 100 as its causer; fly-off: Berger 700,
// Conrad 350. Teams scored by their first two members: Nord (Adler, Berger),
// Süd (Conrad, Dorn).
WettbewerbTyp* Beispiel() {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Ergebnistest";
    DatenRegelLoad(w->RegelPtr, "Manuelle Auswertung", &w->Datum);
    w->AnzVorrunden = 2;
    w->AnzGewDurchgaenge = 2;
    w->StreicherAbDurchg = 2;
    w->AnzSeniorenFlyOff = 1;
    w->AnzDurchgaenge = 3;
    w->AnzTeilnInEndRunde = 2;
    w->AnzNachkomma = 2;
    w->TeamwertungStatus = 1;
    const char* namen[4][2] = {{"Adler", "Anna"}, {"Berger", "Bernd"}, {"Conrad", "Carl"}, {"Dorn", "Dora"}};
    for (int i = 4; i >= 1; --i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = namen[i - 1][0];
        t->Name.VornameStr = namen[i - 1][1];
        t->StartNr = i;
        t->MeldgNr = i;
        t->Jugendlich = (i == 1 || i == 4);
    }
    Flug(w, 1, 1, 0, 1, 900);
    Flug(w, 1, 1, 0, 2, 600);
    Flug(w, 1, 2, 0, 3, 800);
    Flug(w, 1, 2, 0, 4, 400);
    DatenWertungGetPtr(GetDurchgangPtr(w, 1), 4, 0)->Strafpunkte = 5;
    Flug(w, 2, 1, 0, 1, 500);
    Flug(w, 2, 1, 0, 2, 1000);
    Flug(w, 2, 1, 0, 3, 750);
    Flug(w, 2, 1, 0, 4, 250);
    Flug(w, 2, 1, 1, 4, 100);
    DatenWertungGetPtr(GetDurchgangPtr(w, 2), 4, 1)->ReflyVerursacher = true;
    Flug(w, 3, 1, 0, 2, 700);
    Flug(w, 3, 1, 0, 3, 350);
    const char* teams[2] = {"Team Nord", "Team Süd"};
    for (int m = 2; m >= 1; --m) {
        MannschaftTyp* team = DatenMannschaftNew();
        DatenMannschaftDefault(team);
        team->Nr = m;
        team->Name = teams[m - 1];
        team->TeilnehmerEdvNr[1] = 2 * m - 1;
        team->TeilnehmerEdvNr[2] = 2 * m;
        team->next = w->MannschaftRootPtr;
        w->MannschaftRootPtr = team;
    }
    SortAll(w);
    return w;
}

std::string BeispielDatei() {
    WettbewerbTyp* w = Beispiel();
    const std::string datei = TempDatei("beispiel.wtb");
    const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, datei, 3, false);
    DatenWettbewerbDispose(w);
    EXPECT_TRUE(e.Ok) << e.Grund;
    return datei;
}

TEST(CmdErgebnis, TeilnehmerInPlatzfolge) {
    const std::string datei = BeispielDatei();
    const Lauf l = Starte("ergebnis \"" + datei + "\"");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(l.Fehler, "");
    EXPECT_EQ(Zeilen(l.Aus),
              (std::vector<std::string>{
                  "EdvNr\tStartNr\tName\tJugendlich\tPunkte\tStreicherPunkte\tPlatzNr\tPlatzNrJugend\tPunkteEndrunde\t"
                  "PunkteEndrundeJugend\tPlatzNrFlyOff\tPlatzNrFlyOffJugend\tExportPunkte0\tExportPunkte1\t"
                  "PunkteTeamWertung\tPlatzTeamWertung\tPlatzTeilnTeamWertung",
                  "2\t2\tBerger Bernd\te\t1666.67\t0\t2\t0\t1000\t0\t1\t0\t98.2383\t105.2383\t3166.67\t2\t3",
                  "3\t3\tConrad Carl\te\t1750\t0\t1\t0\t500\t0\t2\t0\t102\t108\t3245\t1\t1",
                  "1\t1\tAdler Anna\tj\t1500\t0\t3\t1\t0\t0\t0\t1\t85.7143\t89.7143\t3166.67\t2\t4",
                  "4\t4\tDorn Dora\tj\t1495\t0\t4\t2\t0\t0\t0\t2\t85.4286\t89.4286\t3245\t1\t2",
              }));
    std::remove(datei.c_str());
}

TEST(CmdErgebnis, DurchgangUndTeams) {
    const std::string datei = BeispielDatei();
    const Lauf d = Starte("ergebnis \"" + datei + "\" --durchgang 2");
    ASSERT_EQ(d.Rueckgabe, 0) << d.Fehler;
    EXPECT_EQ(Zeilen(d.Aus), (std::vector<std::string>{
                                 "EdvNr\tGruppe\tReflyOrder\tVerursacher\tRohPunkte\tPunkte\tErgebnisPunkte\t"
                                 "KannStreicherSein\tStrafpunkte",
                                 "1\t1\t0\t0\t500\t500\t500\t1\t0",
                                 "2\t1\t0\t0\t1000\t1000\t1000\t1\t0",
                                 "3\t1\t0\t0\t750\t750\t750\t1\t0",
                                 "4\t1\t0\t0\t250\t250\t1000\t1\t0",
                                 "4\t1\t1\t1\t100\t1000\t1000\t1\t0",
                             }));
    const Lauf r1 = Starte("ergebnis --durchgang 1 \"" + datei + "\"");
    ASSERT_EQ(r1.Rueckgabe, 0) << r1.Fehler;
    const std::vector<std::string> z = Zeilen(r1.Aus);
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z[2], "2\t1\t0\t0\t600\t666.67\t666.67\t1\t0");
    EXPECT_EQ(z[4], "4\t2\t0\t0\t400\t500\t500\t1\t5");

    const Lauf t = Starte("ergebnis \"" + datei + "\" --teams");
    ASSERT_EQ(t.Rueckgabe, 0) << t.Fehler;
    EXPECT_EQ(Zeilen(t.Aus), (std::vector<std::string>{
                                 "Nr\tName\tPunkte\tPlatz",
                                 "2\tTeam Süd\t3245\t1",
                                 "1\tTeam Nord\t3166.67\t2",
                             }));
    std::remove(datei.c_str());
}

TEST(CmdErgebnis, Fehler) {
    const std::string datei = BeispielDatei();
    struct Fall {
        std::string Argumente;
        int Rueckgabe;
    };
    const std::vector<Fall> faelle = {
        {"ergebnis", 2},
        {"ergebnis \"" + datei + "\" --durchgang", 2},
        {"ergebnis \"" + datei + "\" --durchgang x", 2},
        {"ergebnis \"" + datei + "\" --durchgang 0", 2},
        {"ergebnis \"" + datei + "\" --durchgang 2 --teams", 2},
        {"ergebnis \"" + datei + "\" --platz", 2},
        {"ergebnis \"" + datei + "\" zweite.wtb", 2},
        {"ergebnis \"" + datei + "\" --durchgang 9", 2}, // the competition has 8 rounds
        {"ergebnis /gibt/es/nicht.wtb", 1},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte(f.Argumente);
        EXPECT_EQ(l.Rueckgabe, f.Rueckgabe) << f.Argumente;
        EXPECT_EQ(l.Aus, "") << f.Argumente;
        EXPECT_NE(l.Fehler, "") << f.Argumente;
    }
    EXPECT_NE(Starte("ergebnis \"" + datei + "\" --durchgang 9").Fehler.find("Der Wettbewerb hat die Durchgänge 1 bis "), std::string::npos);
    std::remove(datei.c_str());
}

// Every result field of the participants (those a file holds: with a
// surname) and teams, in list order.
std::vector<std::string> Ergebnisse(WettbewerbTyp* w) {
    std::vector<std::string> v;
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) {
        if (t->Name.NachnameStr.empty()) continue;
        std::ostringstream s;
        s << t->EdvNr << " " << t->Punkte << " " << t->StreicherPunkte << " " << t->PlatzNr << " " << t->PlatzNrJugend
          << " " << t->PunkteEndrunde << " " << t->PunkteEndrundeJugend << " " << t->PlatzNrFlyOff << " "
          << t->PlatzNrFlyOffJugend << " " << t->ExportPunkte[0] << " " << t->ExportPunkte[1] << " "
          << t->TeilDerTeamWertung << " " << t->PunkteTeamWertung << " " << t->PlatzTeamWertung << " "
          << t->PlatzTeilnTeamWertung;
        v.push_back(s.str());
    }
    for (MannschaftTyp* m = w->MannschaftRootPtr; m; m = m->next)
        v.push_back(std::to_string(m->Nr) + " " + std::to_string(m->Punkte) + " " + std::to_string(m->Platz));
    return v;
}

// Loads a file, evaluates it and, when Ziel is given, saves it there.
std::vector<std::string> LadenUndAuswerten(const std::string& Quelle, const std::string& Ziel) {
    WettbewerbTyp* w = nullptr;
    EXPECT_EQ(DatenWettbewerbLoad(w, Quelle), LadenOk);
    if (!w) return {};
    w->CalcWertung = true;
    CalcWertung(w);
    const std::vector<std::string> ergebnis = Ergebnisse(w);
    if (!Ziel.empty()) {
        const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, Ziel, w->FileFormatNr, false);
        EXPECT_TRUE(e.Ok) << e.Grund;
    }
    DatenWettbewerbDispose(w);
    return ergebnis;
}

std::vector<std::string> Sortiert(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(CmdErgebnis, LesenAuswertenSpeichernLesen) {
    const std::string datei = BeispielDatei();
    const std::string zweite = TempDatei("zweite.wtb");
    const std::string dritte = TempDatei("dritte.wtb");
    const std::vector<std::string> quellen = {datei, TAVURAN_TEST_DATA "/wtb/format2_teilnehmer.wtb",
                                              TAVURAN_TEST_DATA "/wtb/format3_sonderfaelle.wtb"};
    for (const std::string& quelle : quellen) {
        SCOPED_TRACE(quelle);
        const std::vector<std::string> erstes = LadenUndAuswerten(quelle, zweite);
        const std::vector<std::string> zweites = LadenUndAuswerten(zweite, dritte);
        const std::vector<std::string> drittes = LadenUndAuswerten(dritte, "");
        // Reading puts every participant in front, so a file read and written
        // again lists them the other way round; after two rounds the list order
        // and with it the order among exactly equal results is the original one.
        EXPECT_EQ(drittes, erstes);
        if (quelle == datei) {
            EXPECT_EQ(Sortiert(zweites), Sortiert(erstes));
        }

        // The special-case file is damaged on purpose: its results are shown on request only.
        const Lauf l1 = Starte("ergebnis \"" + quelle + "\" --trotz-schaden");
        const Lauf l3 = Starte("ergebnis \"" + dritte + "\" --trotz-schaden");
        EXPECT_EQ(l1.Rueckgabe, 0);
        EXPECT_EQ(l1.Aus, l3.Aus);
        for (const std::string& f : {zweite, dritte}) {
            std::remove(f.c_str());
            std::remove((f.substr(0, f.size() - 4) + ".bak").c_str());
        }
    }
    std::remove(datei.c_str());
}

} // namespace
} // namespace tavuran
