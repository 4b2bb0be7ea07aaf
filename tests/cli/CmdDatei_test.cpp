// Runs the file commands of tavuran-cli (info, umwandeln, pruefen) as a user would.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "cli/CliLauf.h"

namespace {

namespace fs = std::filesystem;
using tavuran::clitest::Lauf;
using tavuran::clitest::Lies;
using tavuran::clitest::Starte;

std::string Daten(const std::string& name) { return std::string(TAVURAN_TEST_DATA) + "/wtb/" + name; }

std::string Ordner(const std::string& name) {
    const fs::path p = fs::path(testing::TempDir()) / ("tavuran_cli_" + name + "_" + std::to_string(getpid()));
    fs::remove_all(p);
    fs::create_directories(p);
    return p.string() + "/";
}

std::vector<std::string> Zeilen(const std::string& s, const std::string& trenner = "\n") {
    std::vector<std::string> z;
    std::size_t a = 0;
    while (a < s.size()) {
        std::size_t e = s.find(trenner, a);
        if (e == std::string::npos) e = s.size();
        z.push_back(s.substr(a, e - a));
        a = e + trenner.size();
    }
    return z;
}

TEST(CmdInfo, ZeigtDieKenndatenEinesWettbewerbs) {
    const Lauf l = Starte("info \"" + Daten("beispiel_format3.wtb") + "\"");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(l.Fehler, "");
    const std::vector<std::string> z = Zeilen(l.Aus);
    ASSERT_EQ(z.size(), 11u) << l.Aus;
    EXPECT_EQ(z[1], "Name:           Frühjahrspokal");
    EXPECT_EQ(z[2], "Datum:          12.04.2025");
    EXPECT_EQ(z[3], "Regel:          F5J (B-Mod 2025)");
    EXPECT_EQ(z[4], "Dateiformat:    3");
    EXPECT_EQ(z[5], "Teilnehmer:     2");
    EXPECT_EQ(z[6], "Mannschaften:   1");
    EXPECT_EQ(z[7], "Durchgänge:     8 (6 Vorrunden, 2 Fly-Off, 0 Jugend-Fly-Off)");
    EXPECT_EQ(z[8], "Wertungen:      1");
    EXPECT_EQ(z[9], "Fortschritt:    70 (Ergebnisse eingegeben)");
    EXPECT_EQ(z[10], "Zustand:        vollständig gelesen");
}

TEST(CmdInfo, Fehlerfaelle) {
    const std::string ordner = Ordner("info");
    std::ofstream(ordner + "format9.wtb", std::ios::binary) << "ORNALIK Wettbewerbsdaten - Format 9.0\r\n";
    struct Fall {
        std::string argumente;
        int rueckgabe;
        const char* meldung;
    } faelle[] = {
        {"info \"" + ordner + "fehlt.wtb\"", 1, "gibt es nicht"},
        {"info \"" + ordner + "format9.wtb\"", 1, "nicht unterstützt"},
        {"info", 2, "Aufruf"},
        {"info a b", 2, "Aufruf"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte(f.argumente);
        EXPECT_EQ(l.Rueckgabe, f.rueckgabe) << f.argumente;
        EXPECT_NE(l.Fehler.find(f.meldung), std::string::npos) << l.Fehler;
        EXPECT_EQ(l.Aus, "");
    }
}

// A converted file holds the results its scores give, whatever stale result
// lines the input had.
TEST(CmdUmwandeln, SchreibtAktuelleErgebnisse) {
    const std::string ordner = Ordner("umwandeln_ergebnisse");
    const Lauf l = Starte("umwandeln \"" + Daten("ergebnisse_veraltet.wtb") + "\" \"" + ordner + "neu.wtb\"");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    std::vector<std::string> ergebnisse;
    for (const std::string& z : Zeilen(Lies(ordner + "neu.wtb"), "\r\n"))
        if (z.rfind("ERGEBNIS:", 0) == 0) ergebnisse.push_back(z);
    // Two pilots of one group with 80 and 100 points: places 2 and 1 (the junior first among juniors),
    // seated in the fly-off in that order, partial ratings 80 and 100.
    EXPECT_EQ(ergebnisse, (std::vector<std::string>{"ERGEBNIS:      '1','800','0','0','0','2','1','2','1','80','82'",
                                                    "ERGEBNIS:      '2','1000','0','0','0','1','0','1','0','100','102'"}));
}

// The example competition converted to format 1 is the stored example of
// format 1, except that the participants come in the other order.
TEST(CmdUmwandeln, Format3InFormat1) {
    const std::string ordner = Ordner("umwandeln");
    const Lauf l = Starte("umwandeln \"" + Daten("beispiel_format3.wtb") + "\" \"" + ordner + "alt.wtb\" --format 1");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(l.Aus, "Gespeichert: " + ordner + "alt.wtb (Format 1)\n");
    std::vector<std::string> erwartet = Zeilen(Lies(Daten("beispiel_format1.wtb")), "\r\n");
    std::vector<std::size_t> tn;
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        if (erwartet[i].rfind("TEILNEHMER:", 0) == 0) tn.push_back(i);
    ASSERT_EQ(tn.size(), 2u);
    std::swap(erwartet[tn[0]], erwartet[tn[1]]);
    // Written now with the header of version 1 and the closing line.
    erwartet.front().back() = '1';
    erwartet.push_back("DATEIENDE:     '" + std::to_string(erwartet.size() + 1) + "'");
    EXPECT_EQ(Zeilen(Lies(ordner + "alt.wtb"), "\r\n"), erwartet);

    // Without --format the file keeps the format it was read in; the previous file becomes ".bak".
    const Lauf wieder = Starte("umwandeln \"" + ordner + "alt.wtb\" \"" + ordner + "alt.wtb\"");
    ASSERT_EQ(wieder.Rueckgabe, 0) << wieder.Fehler;
    EXPECT_EQ(wieder.Aus, "Gespeichert: " + ordner + "alt.wtb (Format 1)\n");
    EXPECT_TRUE(fs::exists(ordner + "alt.bak"));
    EXPECT_NE(Starte("info \"" + ordner + "alt.wtb\"").Aus.find("\nDateiformat:    1\n"), std::string::npos);
}

TEST(CmdUmwandeln, Fehlerfaelle) {
    const std::string ordner = Ordner("umwandeln2");
    const std::string ein = "\"" + Daten("beispiel_format3.wtb") + "\"";
    struct Fall {
        std::string argumente;
        int rueckgabe;
        const char* meldung;
    } faelle[] = {
        {"umwandeln " + ein + " \"" + ordner + "fehlt/x.wtb\"", 1, "konnte nicht geschrieben werden"},
        {"umwandeln \"" + ordner + "fehlt.wtb\" \"" + ordner + "x.wtb\"", 1, "gibt es nicht"},
        {"umwandeln " + ein + " \"" + ordner + "x.wtb\" --format 7", 2, "--format"},
        {"umwandeln " + ein + " \"" + ordner + "x.wtb\" --format", 2, "--format"},
        {"umwandeln " + ein, 2, "Aufruf"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte(f.argumente);
        EXPECT_EQ(l.Rueckgabe, f.rueckgabe) << f.argumente;
        EXPECT_NE(l.Fehler.find(f.meldung), std::string::npos) << l.Fehler;
    }
    EXPECT_FALSE(fs::exists(ordner + "x.wtb"));
}

// The example files stay the same through saving; the damaged ones hold
// lines that cannot be read completely on purpose (an unknown key, short
// lines, a score line without its participant, a cut, contradictions) and
// are called damaged.
TEST(CmdPruefen, AlleBeispieldateienBleibenGleich) {
    const Lauf l = Starte("pruefen \"" + std::string(TAVURAN_TEST_DATA) + "/wtb\"");
    EXPECT_EQ(l.Rueckgabe, 1) << l.Aus << l.Fehler;
    const std::vector<std::string> z = Zeilen(l.Aus);
    ASSERT_GE(z.size(), 5u);
    const std::vector<std::string> beschaedigt = {
        "format3_sonderfaelle.wtb", "abgeschnitten_alt.wtb",        "doppelte_nummer.wtb",
        "doppelte_wertung.wtb",     "zwei_namen.wtb",               "durchgaenge_zu_wenig.wtb",
        "mannschaft_ohne_teilnehmer.wtb", "person_vier_woerter.wtb", "zeichen_gemischt.wtb"};
    std::size_t anzahl = 0;
    for (std::size_t i = 0; i + 1 < z.size(); ++i) {
        bool kaputt = false;
        for (const std::string& b : beschaedigt) kaputt = kaputt || z[i].find("/" + b + ":") != std::string::npos;
        anzahl += kaputt;
        EXPECT_EQ(z[i].rfind(kaputt ? "BESCHÄDIGT   " : "gleich ", 0), 0u) << z[i];
    }
    EXPECT_EQ(anzahl, beschaedigt.size());
    const std::string n = std::to_string(z.size() - 1), g = std::to_string(z.size() - 1 - anzahl);
    EXPECT_EQ(z.back(), n + " Dateien geprüft: " + g + " gleich, 0 abweichend, " + std::to_string(anzahl) +
                            " beschädigt, 0 nicht lesbar.");
}

TEST(CmdPruefen, MeldetAbweichungenUndFehlendes) {
    const std::string ordner = Ordner("pruefen");
    fs::copy_file(Daten("beispiel_format1.wtb"), ordner + "a.wtb");
    std::ofstream(ordner + "b.WTB", std::ios::binary) << "ORNALIK Wettbewerbsdaten - Format 9.0\r\n";
    std::ofstream(ordner + "c.txt", std::ios::binary) << "kein Wettbewerb";
    const Lauf l = Starte("pruefen \"" + ordner + "\"");
    EXPECT_EQ(l.Rueckgabe, 1);
    const std::vector<std::string> z = Zeilen(l.Aus);
    ASSERT_EQ(z.size(), 3u) << l.Aus;
    EXPECT_EQ(z[0].rfind("gleich       " + ordner + "a.wtb (Format 1, 27 Zeilen)", 0), 0u) << z[0];
    EXPECT_EQ(z[1].rfind("UNLESBAR     " + ordner + "b.WTB: Das Dateiformat 9 wird nicht unterstützt", 0), 0u)
        << z[1];
    EXPECT_EQ(z[2], "2 Dateien geprüft: 1 gleich, 0 abweichend, 0 beschädigt, 1 nicht lesbar.");

    const Lauf fehlt = Starte("pruefen \"" + ordner + "a.wtb\" \"" + ordner + "fehlt.wtb\"");
    EXPECT_EQ(fehlt.Rueckgabe, 1);
    EXPECT_NE(fehlt.Fehler.find("fehlt.wtb"), std::string::npos);
    EXPECT_EQ(Starte("pruefen \"" + ordner + "a.wtb\"").Rueckgabe, 0);
    EXPECT_EQ(Starte("pruefen").Rueckgabe, 2);
}

// A folder of damaged files: every file gets a clear verdict from "pruefen"
// and "info", and none is taken for a sound competition.
TEST(CmdPruefen, BeschaedigteDateienBekommenEinUrteil) {
    const std::string ordner = Ordner("beschaedigt");
    const std::string beispiel = Lies(Daten("beispiel_format3.wtb"));
    const auto schreib = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(ordner + name, std::ios::binary) << bytes;
    };
    std::mt19937 zufall(11);
    std::string bytes(3000, '\0');
    for (char& c : bytes) c = static_cast<char>(zufall() & 0xFF);
    schreib("leer.wtb", "");
    schreib("zufall.wtb", bytes);
    // Cut inside a line: after the header, in the parameters, in a participant, in the last line.
    const std::vector<std::string> zeilen = Zeilen(beispiel, "\r\n");
    for (const std::size_t z : {std::size_t{1}, std::size_t{8}, std::size_t{40}, zeilen.size() - 2}) {
        std::size_t pos = 0;
        for (std::size_t i = 0; i < z; ++i) pos += zeilen[i].size() + 2;
        schreib("abgeschnitten_" + std::to_string(z) + ".wtb", beispiel.substr(0, pos + 12));
    }
    std::string mitte = beispiel;
    for (std::size_t i = mitte.size() / 3; i < mitte.size() / 3 + 200; ++i) mitte[i] = static_cast<char>(zufall() & 0xFF);
    schreib("verstuemmelt.wtb", mitte);
    std::string buchstaben = beispiel;
    buchstaben.replace(buchstaben.find("TEILNEHMER:    '1'"), 18, "TEILNEHMER:    'x'");
    buchstaben.replace(buchstaben.find("STREICHER_AB:  '6'"), 18, "STREICHER_AB:  's'");
    schreib("buchstaben.wtb", buchstaben);
    std::string riesig = beispiel;
    riesig.replace(riesig.find("DURCHG\xC4NGE:    '8'"), 18, "DURCHG\xC4NGE:    '-2147483648'");
    schreib("riesig.wtb", riesig);
    schreib("format4.wtb", "ORNALIK Wettbewerbsdaten - Format 4.0\r\n" + beispiel.substr(beispiel.find('\n') + 1));

    const Lauf l = Starte("pruefen \"" + ordner + "\"");
    EXPECT_EQ(l.Rueckgabe, 1);
    const std::vector<std::string> z = Zeilen(l.Aus);
    ASSERT_EQ(z.size(), 11u) << l.Aus;
    for (std::size_t i = 0; i + 1 < z.size(); ++i)
        EXPECT_TRUE(z[i].rfind("BESCHÄDIGT   ", 0) == 0 || z[i].rfind("UNLESBAR     ", 0) == 0) << z[i];
    EXPECT_EQ(z.back(), "10 Dateien geprüft: 0 gleich, 0 abweichend, 7 beschädigt, 3 nicht lesbar.");
    for (const auto& e : fs::directory_iterator(ordner)) {
        const Lauf i = Starte("info \"" + e.path().string() + "\"");
        EXPECT_EQ(i.Rueckgabe, 1) << e.path();
        const bool abgelehnt = i.Aus.empty() && i.Fehler.find("wird nicht geöffnet") != std::string::npos;
        const bool beschaedigt = i.Aus.find("\nZustand:        beschädigt") != std::string::npos &&
                                 i.Fehler.find("Hinweis: ") != std::string::npos;
        EXPECT_TRUE(abgelehnt || beschaedigt) << e.path() << "\n" << i.Aus << i.Fehler;
    }
    const Lauf b = Starte("info \"" + ordner + "buchstaben.wtb\"");
    // The letter in STREICHER_AB and the score line of the participant who lost his number.
    EXPECT_NE(b.Fehler.find("Hinweis: 2 Zeilen konnten nicht gelesen werden"), std::string::npos) << b.Fehler;
    EXPECT_NE(b.Fehler.find("hat die Nummer 3 erhalten"), std::string::npos) << b.Fehler;
    EXPECT_NE(Starte("info \"" + ordner + "leer.wtb\"").Fehler.find("Die Datei ist leer."), std::string::npos);
}

// Values outside their range are wrong calls (2); "help" is the overview.
TEST(CmdDatei, RueckgabewerteUndHilfe) {
    const Lauf d = Starte("ergebnis \"" + Daten("beispiel_format3.wtb") + "\" --durchgang 99");
    EXPECT_EQ(d.Rueckgabe, 2);
    EXPECT_NE(d.Fehler.find("Der Wettbewerb hat die Durchgänge 1 bis 8."), std::string::npos) << d.Fehler;
    EXPECT_EQ(Starte("ergebnis \"" + Daten("beispiel_format3.wtb") + "\" --durchgang 0").Rueckgabe, 2);
    const Lauf h = Starte("help");
    EXPECT_EQ(h.Rueckgabe, 0);
    EXPECT_EQ(h.Aus, Starte("--help").Aus);
    EXPECT_NE(h.Aus.find("pruefen DATEI|ORDNER..."), std::string::npos);
    const Lauf hb = Starte("help info");
    EXPECT_EQ(hb.Rueckgabe, 0);
    EXPECT_EQ(hb.Aus.rfind("Aufruf: tavuran-cli info DATEI\n", 0), 0u) << hb.Aus;
    EXPECT_EQ(Starte("help gibtsnicht").Rueckgabe, 2);
}

TEST(CmdDatei, HilfeNenntDieBefehle) {
    const Lauf l = Starte("--help");
    ASSERT_EQ(l.Rueckgabe, 0);
    for (const char* b : {"info DATEI", "umwandeln EIN AUS [--format 1|2|3]", "pruefen DATEI|ORDNER..."})
        EXPECT_NE(l.Aus.find(b), std::string::npos) << b;
    const Lauf p = Starte("pruefen --help");
    EXPECT_EQ(p.Rueckgabe, 0);
    EXPECT_NE(p.Aus.find("Regressionsprüfung"), std::string::npos);
}

} // namespace
