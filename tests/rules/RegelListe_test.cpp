// Checks every record of the rule catalogue against the expected tables in
// tests/data/regeln/, which are kept apart from the catalogue source: the rule
// table, the parameter pages and column labels per family (with the families'
// own rule lists), the descriptions and the titles of the list layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "rules/RegelListe.h"

namespace tavuran {
namespace {

const std::string Box = "\u00b3";   // vertical line
const std::string Quer = "\u00c4";  // horizontal line
const std::string Kreuz = "\u00c5"; // crossing

using Zeile = std::vector<std::string>;

std::vector<std::string> Teile(const std::string& s, char trenner) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == trenner) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

std::vector<std::string> DateiZeilen(const std::string& name) {
    std::ifstream in(std::string(TAVURAN_TEST_DATA) + "/regeln/" + name);
    EXPECT_TRUE(in.good()) << name;
    std::vector<std::string> out;
    std::string l;
    while (std::getline(in, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

// Rows of a tab-separated file without its header line.
std::vector<Zeile> Tabelle(const std::string& name) {
    std::vector<Zeile> out;
    std::vector<std::string> zeilen = DateiZeilen(name);
    for (std::size_t i = 1; i < zeilen.size(); ++i)
        if (!zeilen[i].empty()) out.push_back(Teile(zeilen[i], '\t'));
    return out;
}

std::vector<int> Regeln(const std::string& liste) {
    std::vector<int> out;
    for (const std::string& t : Teile(liste, ',')) out.push_back(std::stoi(t));
    return out;
}

std::size_t Zeichen(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Trim(const std::string& s) {
    std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    std::size_t b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

// Splits a UTF-8 line at every occurrence of `trenner`.
std::vector<std::string> Zellen(const std::string& s, const std::string& trenner) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t p = s.find(trenner, start);
        if (p == std::string::npos) {
            out.push_back(s.substr(start));
            return out;
        }
        out.push_back(s.substr(start, p - start));
        start = p + trenner.size();
    }
}

std::string Wiederholt(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

// Maps each rule number to the key of the group (a family, a description,
// a layout) whose rule list names it; every rule must be named exactly once.
template <class Key>
std::map<int, Key> RegelZuGruppe(const std::vector<std::pair<Key, std::string>>& gruppen) {
    std::map<int, Key> out;
    for (const auto& [key, liste] : gruppen)
        for (int nr : Regeln(liste)) {
            EXPECT_TRUE(out.emplace(nr, key).second) << "rule " << nr << " named twice";
        }
    EXPECT_EQ(out.size(), static_cast<std::size_t>(RegelAnzahl));
    for (int nr = 1; nr <= RegelAnzahl; ++nr) EXPECT_TRUE(out.count(nr)) << "rule " << nr << " in no group";
    return out;
}

TEST(RegelListe, AlgorithmusKennungen) {
    const char* erwartet[RegelEdvAnzahl] = {
        "F3B-A", "F3B-E", "F3B-E_BAVARIAN_OPEN", "F3J", "OLDTIMER_FUNFLY", "MANUELLE_EINGABE", "F5B-J_BAVARIAN_OPEN",
        "GESAMTWERTUNG", "F5B-J_MOD_LANDUNG", "F3B_RES", "F5J", "F3B-J", "F5B-J", "F3B-A-ELEKTRO"};
    for (int i = 0; i < RegelEdvAnzahl; ++i) EXPECT_EQ(RegelEdvListe[i], erwartet[i]) << "EdvNr " << i + 1;
}

TEST(RegelListe, RegeltabelleJeRegel) {
    std::vector<Zeile> tab = Tabelle("regeln.tsv");
    ASSERT_EQ(tab.size(), static_cast<std::size_t>(RegelAnzahl));
    // Fields outside the rule table, each named by its own rule list.
    const std::set<int> halbePlusEins = {1, 2, 74, 75, 76, 77, 78, 85};
    const std::set<int> drei = {79, 81, 86, 87};
    const std::map<int, int> durchgaenge = {{81, 3}, {86, 3}, {87, 5}};
    const std::map<int, int> gruppen = {{81, 10}, {86, 10}, {87, 10}, {82, 0}};
    for (int i = 0; i < RegelAnzahl; ++i) {
        const Zeile& z = tab[i];
        ASSERT_EQ(z.size(), 17u) << "row " << i + 1;
        const int nr = std::stoi(z[0]);
        ASSERT_EQ(nr, i + 1);
        const RegelTyp& R = RegelListe(nr);
        SCOPED_TRACE("rule " + z[0] + " " + z[1]);
        EXPECT_EQ(R.Name, z[1]);
        EXPECT_EQ(R.EdvNr, std::stoi(z[2]));
        EXPECT_EQ(R.Aktiv, z[3] == "ja");
        EXPECT_EQ(R.Gruppenstart, std::stoi(z[4]));
        EXPECT_EQ(R.PermntNullDurchg, std::stoi(z[5]));
        EXPECT_EQ(R.AnzPunktrichter, std::stoi(z[6]));
        const RegelDefaultDurchgTyp& D = R.RegelDefaultDurchg;
        EXPECT_EQ(D.AnzVorrunden, std::stoi(z[7]));
        EXPECT_EQ(D.AnzahlStreicher, std::stoi(z[8]));
        EXPECT_EQ(D.AnzSeniorenFlyOff, std::stoi(z[9]));
        EXPECT_EQ(D.AnzahlJugFlyOff, std::stoi(z[10]));
        EXPECT_EQ(D.AnzTeilnGruppe, std::stoi(z[11]));
        EXPECT_EQ(D.AnzTeilnInEndRunde, std::stoi(z[12]));
        EXPECT_EQ(D.AnzJugInEndRunde, std::stoi(z[13]));
        EXPECT_EQ(R.StartplatzStr, z[16]);

        const std::string gew = halbePlusEins.count(nr) ? "(ZAHL_DURCHGAENGE DIV 2) + 1"
                                : drei.count(nr)        ? "3"
                                : nr == 82              ? "Spezial(F3J)"
                                                        : "ZAHL_DURCHGAENGE";
        EXPECT_EQ(R.AnzGewerteteDurchg, gew);
        EXPECT_EQ(R.AnzDurchgaenge, durchgaenge.count(nr) ? durchgaenge.at(nr) : 0);
        EXPECT_EQ(R.AnzGruppen, gruppen.count(nr) ? gruppen.at(nr) : 1);
        EXPECT_EQ(R.ParameterWettb.Anzahl, 0);
        EXPECT_EQ(R.next, nullptr);
    }
}

// The rule table names each rule's families by letter; the family tables list
// their rules. Both must agree, and each rule must carry its family's rows.
TEST(RegelListe, ParameterseiteJeRegel) {
    std::vector<std::pair<std::string, std::string>> listen;
    for (const Zeile& z : Tabelle("parameterfamilien.tsv")) listen.emplace_back(z[0], z[1]);
    const std::map<int, std::string> familie = RegelZuGruppe(listen);

    struct ErwZeile {
        int ParaNr = 0;
        std::string Bezeichner, DefaultWert;
    };
    std::map<std::string, std::map<int, ErwZeile>> zeilen;
    for (const Zeile& z : Tabelle("parameter.tsv")) {
        ASSERT_EQ(z.size(), 5u);
        zeilen[z[0]][std::stoi(z[1])] = ErwZeile{std::stoi(z[2]), z[3], z[4]};
    }

    std::vector<Zeile> tab = Tabelle("regeln.tsv");
    for (int nr = 1; nr <= RegelAnzahl; ++nr) {
        SCOPED_TRACE("rule " + std::to_string(nr));
        const std::string& f = familie.at(nr);
        EXPECT_EQ(tab[nr - 1][14], f) << "rule table and family list disagree";
        const ParameterWettbTyp& P = RegelListe(nr).ParameterWettb;
        for (int i = 1; i <= MaxParameterZeilen; ++i) {
            ErwZeile e; // rows a family does not list are empty
            if (zeilen[f].count(i)) e = zeilen[f][i];
            EXPECT_EQ(P.ParaNr[i], e.ParaNr) << "row " << i;
            EXPECT_EQ(P.Bezeichner[i], e.Bezeichner) << "row " << i;
            EXPECT_EQ(P.DefaultWert[i], e.DefaultWert) << "row " << i;
        }
    }
}

TEST(RegelListe, SpaltenJeRegel) {
    std::vector<std::pair<std::string, std::string>> listen;
    std::map<std::string, Zeile> familien;
    for (const Zeile& z : Tabelle("spalten.tsv")) {
        ASSERT_EQ(z.size(), 6u);
        listen.emplace_back(z[0], z[1]);
        familien[z[0]] = z;
    }
    const std::map<int, std::string> familie = RegelZuGruppe(listen);
    std::vector<Zeile> tab = Tabelle("regeln.tsv");

    auto pruefe = [](int anzahl, const auto& bezeichner, const std::string& anzText, const std::string& labels,
                     const char* art) {
        const int erwAnzahl = std::stoi(anzText);
        EXPECT_EQ(anzahl, erwAnzahl) << art;
        std::vector<std::string> erw;
        if (erwAnzahl > 0) erw = Teile(labels, '|');
        ASSERT_EQ(erw.size(), static_cast<std::size_t>(erwAnzahl)) << "expected table: " << art;
        for (int i = 1; i <= std::decay_t<decltype(bezeichner)>::high; ++i)
            EXPECT_EQ(bezeichner[i], i <= erwAnzahl ? erw[i - 1] : std::string("-")) << art << " column " << i;
    };
    for (int nr = 1; nr <= RegelAnzahl; ++nr) {
        SCOPED_TRACE("rule " + std::to_string(nr));
        const std::string& k = familie.at(nr);
        EXPECT_EQ(tab[nr - 1][15], k) << "rule table and column family disagree";
        const Zeile& z = familien[k];
        const RegelTyp& R = RegelListe(nr);
        pruefe(R.ParameterPunktr.Anzahl, R.ParameterPunktr.Bezeichner, z[2], z[3], "judge");
        pruefe(R.ParameterDurchg.Anzahl, R.ParameterDurchg.Bezeichner, z[4], z[5], "flight");
    }
}

TEST(RegelListe, BeschreibungJeRegel) {
    std::vector<std::pair<int, std::string>> listen;
    std::vector<std::vector<std::string>> texte;
    for (const std::string& l : DateiZeilen("beschreibungen.txt")) {
        if (l.rfind("= ", 0) == 0) {
            listen.emplace_back(static_cast<int>(texte.size()), l.substr(2));
            texte.emplace_back();
        } else {
            ASSERT_FALSE(texte.empty());
            texte.back().push_back(l);
        }
    }
    const std::map<int, int> gruppe = RegelZuGruppe(listen);
    for (int nr = 1; nr <= RegelAnzahl; ++nr) {
        SCOPED_TRACE("rule " + std::to_string(nr));
        const std::vector<std::string>& t = texte[gruppe.at(nr)];
        ASSERT_LE(t.size(), static_cast<std::size_t>(MaxBeschreibung));
        for (int i = 1; i <= MaxBeschreibung; ++i)
            EXPECT_EQ(RegelListe(nr).Beschreibung[i], i <= static_cast<int>(t.size()) ? t[i - 1] : std::string())
                << "line " << i;
    }
}

// Heading, separator and participant line of one copy share their cells:
// the separator is "Ä" with "Å" at the borders, the participant line blanks
// with "³" at the borders.
void PruefeLayout(const std::string& ueberschr, const std::string& trenn, const std::string& teiln,
                  const std::string& titel, std::size_t laenge, bool kopfKuerzer) {
    std::vector<std::string> kopf = Zellen(ueberschr, Box);
    std::vector<std::string> erw = Teile(titel, '|');
    ASSERT_EQ(kopf.size(), erw.size()) << ueberschr;
    for (std::size_t i = 0; i < kopf.size(); ++i) EXPECT_EQ(Trim(kopf[i]), erw[i]) << "cell " << i + 1;

    if (!kopfKuerzer) {
        EXPECT_EQ(Zeichen(ueberschr), laenge);
    }
    EXPECT_EQ(Zeichen(trenn), laenge);
    EXPECT_EQ(Zeichen(teiln), laenge);
    std::vector<std::string> strich = Zellen(trenn, Kreuz);
    std::vector<std::string> leer = Zellen(teiln, Box);
    ASSERT_EQ(strich.size(), kopf.size());
    ASSERT_EQ(leer.size(), kopf.size());
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        const std::size_t w = Zeichen(kopf[i]);
        const bool letzte = i + 1 == kopf.size();
        if (!(kopfKuerzer && letzte)) {
            EXPECT_EQ(strich[i], Wiederholt(Quer, w)) << "separator cell " << i + 1;
            EXPECT_EQ(leer[i], std::string(w, ' ')) << "participant cell " << i + 1;
        }
    }
}

TEST(RegelListe, ListenLayoutJeRegel) {
    std::vector<std::pair<std::size_t, std::string>> listen;
    std::vector<Zeile> tab = Tabelle("layout.tsv");
    for (std::size_t i = 0; i < tab.size(); ++i) listen.emplace_back(i, tab[i][0]);
    const std::map<int, std::size_t> gruppe = RegelZuGruppe(listen);
    for (int nr = 1; nr <= RegelAnzahl; ++nr) {
        SCOPED_TRACE("rule " + std::to_string(nr));
        const Zeile& z = tab[gruppe.at(nr)];
        ASSERT_EQ(z.size(), 3u);
        const RegelTyp& R = RegelListe(nr);
        // Rule 1 is 63 characters wide; the judges' heading of rule 74 is 70.
        const std::size_t laenge = nr == 1 ? 63 : 72;
        {
            SCOPED_TRACE("judges");
            PruefeLayout(R.UeberschrPunktr, R.TrennliniePunktr, R.TeilnehmerPunktr, z[1], laenge, nr == 74);
        }
        {
            SCOPED_TRACE("timekeepers");
            PruefeLayout(R.UeberschrZeitn, R.TrennlinieZeitn, R.TeilnehmerZeitn, z[2], laenge, false);
        }
    }
    EXPECT_EQ(Zeichen(RegelListe(74).UeberschrPunktr), 70u);
}

TEST(RegelListe, ListenLayoutBeispielF5J) {
    const RegelTyp& R = RegelListe(4);
    EXPECT_EQ(R.UeberschrPunktr,
              "      Abstand [m]      \u00b3     Zeit [min:s]      \u00b3      F5J-H\u00f6he [m]      ");
    EXPECT_EQ(R.UeberschrZeitn, "      Zeit [min:s]" + std::string(54, ' '));
    // the box characters are stored as the code points U+00B3, U+00C4, U+00C5
    EXPECT_EQ(R.TrennliniePunktr.substr(23 * 2, 2), "\xc3\x85");
    EXPECT_EQ(R.TrennliniePunktr.substr(0, 2), "\xc3\x84");
    EXPECT_EQ(R.TeilnehmerPunktr.substr(23, 2), "\xc2\xb3");
    // Rule 1: five empty cells of 9 and a last cell "Punkte".
    std::vector<std::string> z = Zellen(RegelListe(1).UeberschrPunktr, Box);
    ASSERT_EQ(z.size(), 6u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(z[i], std::string(9, ' '));
}

TEST(RegelListe, Invarianten) {
    std::set<std::string> namen;
    for (int nr = 1; nr <= RegelAnzahl; ++nr) {
        SCOPED_TRACE("rule " + std::to_string(nr));
        const RegelTyp& R = RegelListe(nr);
        EXPECT_TRUE(namen.insert(R.Name).second) << "names are the lookup key and must be unique";
        EXPECT_GE(R.EdvNr, 1);
        EXPECT_LE(R.EdvNr, RegelEdvAnzahl);
        EXPECT_EQ(R.Aktiv, nr <= 9);
        EXPECT_GE(R.Gruppenstart, 0);
        EXPECT_LE(R.Gruppenstart, 3);
        std::set<int> paraNr;
        for (int i = 1; i <= MaxParameterZeilen; ++i) {
            const int n = R.ParameterWettb.ParaNr[i];
            EXPECT_GE(n, 0);
            EXPECT_LE(n, MaxParameter);
            if (n > 0) {
                EXPECT_TRUE(paraNr.insert(n).second) << "parameter " << n << " edited twice";
                EXPECT_FALSE(R.ParameterWettb.Bezeichner[i].empty()) << "row " << i;
                EXPECT_FALSE(R.ParameterWettb.DefaultWert[i].empty()) << "row " << i;
            } else {
                EXPECT_TRUE(R.ParameterWettb.DefaultWert[i].empty()) << "heading row " << i;
            }
        }
        EXPECT_GE(R.ParameterPunktr.Anzahl, 0);
        EXPECT_LE(R.ParameterPunktr.Anzahl, MaxPunktrichter);
        EXPECT_GE(R.ParameterDurchg.Anzahl, 0);
        EXPECT_LE(R.ParameterDurchg.Anzahl, MaxDurchgSpalten);
        for (int i = 1; i <= R.ParameterPunktr.Anzahl; ++i) {
            EXPECT_FALSE(R.ParameterPunktr.Bezeichner[i].empty());
            EXPECT_NE(R.ParameterPunktr.Bezeichner[i], "-");
        }
        for (int i = 1; i <= R.ParameterDurchg.Anzahl; ++i) {
            EXPECT_FALSE(R.ParameterDurchg.Bezeichner[i].empty());
            EXPECT_NE(R.ParameterDurchg.Bezeichner[i], "-");
        }
    }
}

double Parameter(const RegelTyp& R, int n) {
    for (int i = 1; i <= MaxParameterZeilen; ++i)
        if (R.ParameterWettb.ParaNr[i] == n) return std::stod(R.ParameterWettb.DefaultWert[i]);
    ADD_FAILURE() << "no row for parameter " << n;
    return -1;
}

// Values a user meets when choosing a rule, written down independently of the
// expected tables.
TEST(RegelListe, StichprobenAuswahl) {
    const RegelTyp& F5J = RegelListe(4);
    EXPECT_EQ(F5J.Name, "F5J (B-Mod 2025)");
    EXPECT_EQ(F5J.RegelDefaultDurchg.AnzVorrunden, 6);
    EXPECT_EQ(F5J.RegelDefaultDurchg.AnzahlStreicher, 1);
    EXPECT_EQ(F5J.RegelDefaultDurchg.AnzSeniorenFlyOff, 2);
    EXPECT_EQ(F5J.RegelDefaultDurchg.AnzahlJugFlyOff, 0);
    EXPECT_EQ(F5J.RegelDefaultDurchg.AnzTeilnGruppe, 8);
    EXPECT_EQ(F5J.RegelDefaultDurchg.AnzTeilnInEndRunde, 8);
    EXPECT_EQ(F5J.AnzPunktrichter, 1);
    EXPECT_EQ(Parameter(F5J, 1), 600);
    EXPECT_EQ(Parameter(F5J, 9), 0.5);

    const RegelTyp& manuell = RegelListe(1);
    EXPECT_EQ(manuell.Name, "Manuelle Auswertung");
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        EXPECT_EQ(manuell.ParameterWettb.ParaNr[i], 0);
        EXPECT_EQ(manuell.ParameterWettb.Bezeichner[i], "");
    }
    EXPECT_EQ(manuell.ParameterPunktr.Anzahl, 0);
    EXPECT_EQ(manuell.ParameterDurchg.Anzahl, 1);
    EXPECT_EQ(manuell.ParameterDurchg.Bezeichner[1], "Punkte");

    for (int nr : {81, 86, 87}) {
        EXPECT_EQ(RegelListe(nr).ParameterPunktr.Anzahl, 0) << nr;
        EXPECT_EQ(RegelListe(nr).ParameterDurchg.Anzahl, 0) << nr;
        EXPECT_EQ(RegelListe(nr).ParameterWettb.ParaNr[15], 15) << nr;
        EXPECT_EQ(RegelListe(nr).ParameterWettb.Bezeichner[15], "-") << nr;
        EXPECT_EQ(RegelListe(nr).Beschreibung[1], "") << nr;
    }
    // F3B-A Elektro alone asks for the logger height limit, in row 15.
    EXPECT_EQ(RegelListe(8).ParameterWettb.ParaNr[15], 12);
    EXPECT_EQ(Parameter(RegelListe(8), 12), 150);
    EXPECT_EQ(RegelListe(9).ParameterWettb.ParaNr[15], 0);
    EXPECT_EQ(RegelListe(6).ParameterWettb.Bezeichner[3], "Maximal");
    EXPECT_EQ(RegelListe(7).ParameterDurchg.Bezeichner[1], "Drehung[\u00b0]");
}

TEST(RegelListe, NummerAusserhalbDesKatalogs) {
    for (int nr : {0, -1, RegelAnzahl + 1, 1000}) {
        const RegelTyp& R = RegelListe(nr);
        EXPECT_EQ(R.EdvNr, -1) << nr;
        EXPECT_EQ(R.Name, "") << nr;
    }
    EXPECT_EQ(&RegelListe(5), &RegelListe(5)) << "the catalogue is built once";
}

} // namespace
} // namespace tavuran
