// Runs "tavuran-cli auslosen" and "tavuran-cli gruppen" as a user would, on a
// competition file written for the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliLauf.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "startorder/AuslosungsWettbewerb.h"

namespace {

using namespace tavuran::clitest;

// One row of "gruppen" per participant: EdvNr -> fields.
std::map<int, std::vector<std::string>> Einteilung(const std::string& datei) {
    const Lauf l = Starte("gruppen \"" + datei + "\"");
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    std::map<int, std::vector<std::string>> m;
    const auto z = Zeilen(l.Aus);
    for (std::size_t i = 1; i < z.size(); ++i) {
        auto f = Felder(z[i]);
        m[std::stoi(f[0])] = f;
    }
    return m;
}

class CmdAuslosen : public ::testing::Test {
  protected:
    void SetUp() override {
        datei = TempDatei("wettbewerb.wtb");
        tavuran::test::AuslosungsWettbewerb w(24, 4, 8);
        w.Helfer(1, 1, 2);
        w.Kanal(5, "72");
        w.Kanal(6, "72");
        const tavuran::DateiSpeicherErgebnis e = tavuran::DatenWettbewerbSave(w.W, datei, 3, false);
        ASSERT_TRUE(e.Ok) << e.Grund;
    }
    std::string datei;
};

TEST_F(CmdAuslosen, GleicherStartwertGleicheEinteilung) {
    const std::string a = datei + ".a.wtb", b = datei + ".b.wtb";
    const Lauf l = Starte("auslosen \"" + datei + "\" --seed 7 --aus \"" + a + "\"");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    ASSERT_EQ(Starte("auslosen \"" + datei + "\" --seed 7 --aus \"" + b + "\"").Rueckgabe, 0);
    EXPECT_EQ(Einteilung(a), Einteilung(b));

    // 50 scores, the first lowest one chosen.
    const auto z = Zeilen(l.Aus);
    auto kopf = std::find(z.begin(), z.end(), "Kandidat\tBewertung");
    ASSERT_NE(kopf, z.end());
    ASSERT_GE(z.end() - kopf, 54);
    int bester = 0;
    long long tiefster = -1;
    for (int i = 1; i <= 50; ++i) {
        const auto f = Felder(*(kopf + i));
        ASSERT_EQ(f.size(), 2u);
        EXPECT_EQ(f[0], std::to_string(i));
        const long long s = std::stoll(f[1]);
        if (tiefster < 0 || s < tiefster) tiefster = s, bester = i;
    }
    EXPECT_EQ(*(kopf + 51),
              "Gewählt: Kandidat " + std::to_string(bester) + " mit Bewertung " + std::to_string(tiefster));
    EXPECT_EQ((kopf + 52)->rfind("Nachgebessert: Verteilscore ", 0), 0u) << *(kopf + 52);
    EXPECT_EQ(*(kopf + 53), "Gespeichert: " + a);

    // The division: header, 24 rows in start-number order, groups of 8.
    const Lauf g = Starte("gruppen \"" + a + "\"");
    const auto gz = Zeilen(g.Aus);
    ASSERT_EQ(gz.size(), 25u);
    EXPECT_EQ(gz[0], "EdvNr\tStartNr\tName\tKanal\tG1\tP1\tG2\tP2\tG3\tP3\tG4\tP4");
    std::map<int, std::map<int, int>> groessen;
    for (std::size_t i = 1; i < gz.size(); ++i) {
        const auto f = Felder(gz[i]);
        ASSERT_EQ(f.size(), 12u);
        EXPECT_EQ(f[1], std::to_string(i));
        for (int r = 1; r <= 4; ++r) ++groessen[r][std::stoi(f[2 + 2 * r])];
    }
    for (auto& [r, m] : groessen) {
        EXPECT_EQ(m.size(), 3u) << r;
        for (auto [gr, k] : m) EXPECT_EQ(k, 8) << r;
    }
    // The original file is untouched when --aus names another.
    for (auto& [nr, f] : Einteilung(datei)) EXPECT_EQ(f[4], "0");
}

TEST_F(CmdAuslosen, NurEinDurchgangUeberDieDateiSelbst) {
    ASSERT_EQ(Starte("auslosen \"" + datei + "\" --seed 3").Rueckgabe, 0);
    const auto vorher = Einteilung(datei);
    EXPECT_NE(vorher.at(1)[4], "0");
    const Lauf l = Starte("auslosen \"" + datei + "\" --durchgaenge 3 --seed 4");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    const auto nachher = Einteilung(datei);
    bool geaendert = false;
    for (auto& [nr, f] : nachher) {
        const auto& v = vorher.at(nr);
        for (std::size_t i = 0; i < f.size(); ++i)
            if (i != 8 && i != 9) {
                EXPECT_EQ(f[i], v[i]) << nr << " Spalte " << i;
            }
        if (f[8] != v[8]) geaendert = true;
    }
    EXPECT_TRUE(geaendert);
}

TEST_F(CmdAuslosen, SchutzProtokollUndOhneGruppenstart) {
    const Lauf l = Starte("auslosen \"" + datei + "\" --schutz-helfer --schutz-alle --protokoll --seed 5");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    const auto z = Zeilen(l.Aus);
    EXPECT_NE(std::find(z.begin(), z.end(), "Verteilung durch Zufall Durchgang 1 als Referenzdurchgang:"), z.end());
    const auto e = Einteilung(datei);
    for (int r = 1; r <= 4; ++r) {
        const std::size_t spalte = 2 + 2 * r;
        EXPECT_NE(e.at(1)[spalte], e.at(2)[spalte]) << r; // pilot and helper
        EXPECT_NE(e.at(5)[spalte], e.at(6)[spalte]) << r; // one channel
    }
    EXPECT_EQ(e.at(5)[3], "72");
    EXPECT_EQ(e.at(7)[3], "2,4GHz");

    ASSERT_EQ(Starte("auslosen \"" + datei + "\" --ohne-gruppenstart --seed 5").Rueckgabe, 0);
    std::set<std::string> nummern;
    for (auto& [nr, f] : Einteilung(datei)) {
        nummern.insert(f[1]);
        for (int r = 1; r <= 4; ++r) EXPECT_EQ(f[2 + 2 * r], "1");
    }
    EXPECT_EQ(nummern.size(), 24u);
}

TEST_F(CmdAuslosen, Fehler) {
    // A rule that always starts in groups (F5J) allows no draw without group start.
    const std::string f5j = datei + ".f5j.wtb";
    {
        std::ofstream out(f5j, std::ios::binary);
        out << Lies(std::string(TAVURAN_TEST_DATA) + "/wtb/beispiel_format3.wtb");
    }
    struct Fall {
        std::string argumente;
        int rueckgabe;
        std::string meldung;
    } faelle[] = {
        {"auslosen \"" + datei + "\" --gruppe 3", 2, "Unbekannte Option: --gruppe"},
        {"auslosen \"" + datei + "\" --durchgaenge 9", 2, "Ungültiger Durchgang „9“"},
        {"auslosen \"" + datei + "\" --durchgaenge 1,x", 2, "Ungültiger Durchgang „x“"},
        {"auslosen \"" + datei + "\" --gruppengroesse x", 2, "Die Gruppengröße muss eine Zahl ab 1 sein."},
        {"auslosen \"" + datei + "\" --seed", 2, "Nach --seed fehlt ein Wert."},
        {"auslosen", 2, "Aufruf: tavuran-cli auslosen DATEI"},
        {"auslosen /gibt/es/nicht.wtb", 1, "gibt es nicht"},
        {"auslosen \"" + datei + "\" --aus /gibt/es/nicht/aus.wtb", 1, "konnte nicht geschrieben werden"},
        {"gruppen", 2, "Aufruf: tavuran-cli gruppen DATEI"},
        {"auslosen \"" + f5j + "\" --ohne-gruppenstart", 1, "sieht immer Gruppenstart vor"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte(f.argumente);
        EXPECT_EQ(l.Rueckgabe, f.rueckgabe) << f.argumente;
        EXPECT_NE(l.Fehler.find(f.meldung), std::string::npos) << f.argumente << ": " << l.Fehler;
    }
}

// Rounds that hold results are never drawn again: without --trotz-ergebnissen
// the draw is refused and the file stays as it was; with it only the rounds
// without results are drawn and every flight keeps its values.
TEST_F(CmdAuslosen, RundenMitErgebnissenBleiben) {
    ASSERT_EQ(Starte("auslosen \"" + datei + "\" --seed 1").Rueckgabe, 0);
    // A flight time in rounds 1 and 2 for everybody: 6 flight values, 16
    // judge values and the penalty. The lines go where the program writes
    // them, before the result lines, and the closing line counts them.
    std::string wertungsZeilen;
    for (int edv = 1; edv <= 24; ++edv)
        for (int r : {1, 2}) {
            wertungsZeilen += "WERTUNG:       '" + std::to_string(r) + "','" + std::to_string(edv) + "','0','" +
                              std::to_string(100 + edv) + "'";
            for (int i = 0; i < 5 + 16 + 1; ++i) wertungsZeilen += ",'0'";
            wertungsZeilen += "\r\n";
        }
    std::string text;
    int anzahl = 48;
    for (std::string z : Zeilen(Lies(datei))) {
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (z.empty() || z.rfind("DATEIENDE:", 0) == 0) continue;
        if (z.rfind("ERGEBNIS:", 0) == 0 && !wertungsZeilen.empty()) {
            text += wertungsZeilen;
            wertungsZeilen.clear();
        }
        text += z + "\r\n";
        ++anzahl;
    }
    text += "DATEIENDE:     '" + std::to_string(anzahl + 1) + "'\r\n";
    { std::ofstream(datei, std::ios::binary) << text; }
    const auto wertungen = [](const std::string& t) {
        std::multiset<std::string> w;
        for (const std::string& z : Zeilen(t))
            if (z.rfind("WERTUNG:", 0) == 0) w.insert(z);
        return w;
    };
    const auto vorher = Einteilung(datei);
    ASSERT_EQ(wertungen(text).size(), 48u);

    const Lauf abgelehnt = Starte("auslosen \"" + datei + "\" --seed 2");
    EXPECT_EQ(abgelehnt.Rueckgabe, 1);
    EXPECT_NE(abgelehnt.Fehler.find("Die Durchgänge 1, 2 enthalten schon Wertungen"), std::string::npos)
        << abgelehnt.Fehler;
    EXPECT_EQ(Lies(datei), text);
    // One round with scores among the chosen ones is named in the singular.
    const Lauf einer = Starte("auslosen \"" + datei + "\" --durchgaenge 1,3");
    EXPECT_EQ(einer.Rueckgabe, 1);
    EXPECT_NE(einer.Fehler.find("Durchgang 1 enthält schon Wertungen; eine neue Auslosung änderte seine Ergebnisse."),
              std::string::npos)
        << einer.Fehler;
    EXPECT_EQ(Starte("auslosen \"" + datei + "\" --durchgaenge 1,2 --trotz-ergebnissen").Rueckgabe, 1);

    const Lauf l = Starte("auslosen \"" + datei + "\" --seed 2 --trotz-ergebnissen");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_NE(l.Aus.find("Nicht ausgelost, weil sie Wertungen enthalten: Durchgänge 1, 2"), std::string::npos);
    EXPECT_EQ(wertungen(Lies(datei)), wertungen(text));
    const auto nachher = Einteilung(datei);
    bool neu = false;
    for (const auto& [edv, f] : vorher) {
        const auto& g = nachher.at(edv);
        // columns: EdvNr, StartNr, name, channel, then group and place per round
        EXPECT_EQ(std::vector<std::string>(g.begin() + 4, g.begin() + 8),
                  std::vector<std::string>(f.begin() + 4, f.begin() + 8)) << edv;
        if (std::vector<std::string>(g.begin() + 8, g.end()) != std::vector<std::string>(f.begin() + 8, f.end()))
            neu = true;
    }
    EXPECT_TRUE(neu); // rounds 3 and 4 were drawn again
}

} // namespace

namespace {

// The refinement can be switched off, and "fairness" reports the division
// that was written: its score is the refined one, and never above the drawn one.
TEST_F(CmdAuslosen, NachbesserungAbschaltbarUndFairnessDerEinteilung) {
    const std::string a = datei + ".a.wtb", b = datei + ".b.wtb";
    const Lauf mit = Starte("auslosen \"" + datei + "\" --seed 11 --aus \"" + a + "\"");
    ASSERT_EQ(mit.Rueckgabe, 0) << mit.Fehler;
    const Lauf ohne = Starte("auslosen \"" + datei + "\" --seed 11 --ohne-nachbesserung --aus \"" + b + "\"");
    ASSERT_EQ(ohne.Rueckgabe, 0) << ohne.Fehler;
    EXPECT_EQ(ohne.Aus.find("Nachgebessert"), std::string::npos);

    // "Nachgebessert: Verteilscore V -> N"
    const auto z = Zeilen(mit.Aus);
    auto zeile = std::find_if(z.begin(), z.end(), [](const std::string& s) { return s.rfind("Nachgebessert:", 0) == 0; });
    ASSERT_NE(zeile, z.end());
    std::istringstream in(zeile->substr(zeile->find("score ") + 6));
    long long vorher = 0, nachher = 0;
    std::string pfeil;
    in >> vorher >> pfeil >> nachher;
    EXPECT_LE(nachher, vorher);

    auto kennzahl = [](const std::string& datei, const std::string& name) -> std::string {
        const Lauf f = Starte("fairness \"" + datei + "\"");
        EXPECT_EQ(f.Rueckgabe, 0) << f.Fehler;
        const auto fz = Zeilen(f.Aus);
        EXPECT_EQ(fz.at(0), "Kennzahl\tWert");
        for (const std::string& s : fz) {
            const auto fe = Felder(s);
            if (fe.size() == 2 && fe[0] == name) return fe[1];
        }
        return "";
    };
    EXPECT_EQ(kennzahl(a, "Verteilscore"), std::to_string(nachher));
    EXPECT_EQ(kennzahl(a, "Teilnehmer"), "24");
    EXPECT_GE(std::stoll(kennzahl(b, "Verteilscore")), nachher);
    EXPECT_LE(std::stoll(kennzahl(a, "Untergrenze")), nachher);

    // Wrong calls.
    EXPECT_EQ(Starte("fairness \"" + a + "\" --durchgaenge 9").Rueckgabe, 2);
    EXPECT_EQ(Starte("fairness").Rueckgabe, 2);
    EXPECT_EQ(Starte("fairness \"" + datei + ".fehlt.wtb\"").Rueckgabe, 1);
}

} // namespace
