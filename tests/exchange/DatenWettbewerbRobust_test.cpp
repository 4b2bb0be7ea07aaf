// Damaged and hostile files: the reader must neither crash nor hang, and what
// it read must be writable and readable again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "startorder/WettbewerbNeuBerechnen.h"
#include "exchange/WtbTestHilfen.h"

using namespace tavuran;
using namespace wtbtest;

namespace {

const std::string Kopf3 = "ORNALIK Wettbewerbsdaten - Format 3.0\r\n";

// Reads the bytes, evaluates what was read, writes the result in every format
// and reads that again.
void LesenSchreibenLesen(const std::string& bytes, const std::string& name) {
    Geladen w(bytes);
    ASSERT_NE(w.w, nullptr) << name;
    WettbewerbModellNeuBerechnen(w.w, true);
    SortAll(w.w);
    for (int f = 1; f <= 3; ++f) {
        bool ersetzt = false;
        const std::string text = DatenWettbewerbText(w.w, f, ersetzt);
        ASSERT_EQ(text.rfind("ORNALIK Wettbewerbsdaten - Format " + std::to_string(f) + ".1\r\n", 0), 0u) << name;
        Geladen wieder(text);
        EXPECT_EQ(wieder.Ergebnis, LadenOk) << name;
        EXPECT_EQ(wieder->FileFormatNr, f) << name;
    }
}

// n fields ",'0'".
std::string Nullen(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += ",'0'";
    return s;
}

std::string Zufallsbytes(unsigned seed, std::size_t n) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(gen() & 0xFF);
    return s;
}

TEST(WettbewerbsDateiRobust, BeschaedigteDateien) {
    const std::string riesig(2 * 1024 * 1024, 'x');
    struct Fall {
        const char* name;
        std::string bytes;
    } faelle[] = {
        {"leer", ""},
        {"nur Kopf", Kopf3},
        {"abgeschnitten", Kopf3 + "TEILNEHMER:    '1','Mus"},
        {"offenes Anfuehrungszeichen", Kopf3 + "NAME:          'abc\r\nNUMMER:        'x'"},
        {"nur Kommas", Kopf3 + "WERTUNG:" + std::string(1 << 20, ',')},
        {"nur Anfuehrungszeichen", Kopf3 + "TEILNEHMER:" + std::string(1 << 20, '\'')},
        {"riesiges Feld", Kopf3 + "TEILNEHMER:    '1','" + riesig + "'"},
        {"riesige Zahl", Kopf3 + "PARAMETER:     '" + std::string(100000, '9') + "'"},
        {"Zahlen ausserhalb", Kopf3 + "DURCHGÄNGE:    '99999999999999'\r\nDATUM:         '-5','300','99999'\r\n"
                                      "AKTDURCHGANG:  '-2147483648'\r\nNACHKOMMA:     '2147483647'"},
        {"Gruppen ausserhalb", Kopf3 + "TEILNEHMER:    '1','A','','','','','2G4','2G4','e','1','1','-2147483648',"
                                       "'2147483647'\r\nWERTUNG:       '1','1','0','5'\r\nWERTUNG:       '2','1','0','6'\r\n"
                                       "WERTUNG:       '2147483647','1','0','7'\r\nWERTUNG:       '-31','1','0','8'"},
        {"Format 1 mit negativen Durchgaengen", "WERTUNG:       '-2147483648','1','5'\r\nWERTUNG:       '-30','1','5'"},
        {"Nullbytes", Kopf3 + std::string("NAME:          'a\0b'\r\nTEILNEHMER:\0'1','X'", 41)},
        {"nur CR", Kopf3 + "NAME:          'a'\rNUMMER:        'b'\r"},
        {"UTF-16 ungerade", std::string("\xFF\xFE" "A\0:\0'\0\x00\xD8'", 11)},
        {"UTF-8 ungueltig", "\xEF\xBB\xBF" "NAME:          \xC3'\xFF\xE2\x82\r\nTEILNEHMER:    '1','\xF4\x90\x80\x80'"},
        {"Zufall", Zufallsbytes(1, 65536)},
        {"Zufall mit Kopf", Kopf3 + Zufallsbytes(2, 65536)},
        {"Zufall Format 1", "ORNALIK Wettbewerbsdaten - Format 1.0\r\n" + Zufallsbytes(3, 65536)},
    };
    for (const Fall& f : faelle) LesenSchreibenLesen(f.bytes, f.name);
}

TEST(WettbewerbsDateiRobust, GrosseWerteBleibenErhalten) {
    const std::string riesig(2 * 1024 * 1024, 'x');
    Geladen w(Kopf3 + "TEILNEHMER:    '1','" + riesig + "','',''\r\nPARAMETER:     '" + std::string(30, '9') + "'");
    ASSERT_NE(w->TeilnehmerRootPtr, nullptr);
    EXPECT_EQ(w->TeilnehmerRootPtr->Name.NachnameStr.size(), riesig.size());
    EXPECT_DOUBLE_EQ(w->Parameter[1], 1e30);
    bool ersetzt = false;
    Geladen wieder(DatenWettbewerbText(w.w, 3, ersetzt));
    EXPECT_EQ(wieder->TeilnehmerRootPtr->Name.NachnameStr.size(), riesig.size());
    EXPECT_DOUBLE_EQ(wieder->Parameter[1], 1e30);
}

// Many score lines for participants that have no line of their own: reading
// stays linear (the test would take minutes otherwise).
TEST(WettbewerbsDateiRobust, VieleWertungenOhneTeilnehmer) {
    std::string bytes = Kopf3;
    for (int e = 1; e <= 50000; ++e)
        bytes += "WERTUNG:       '" + std::to_string(e % 30 + 1) + "','" + std::to_string(e) + "','0','1'\r\n";
    Geladen w(bytes);
    int n = 0;
    for (const TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) ++n;
    EXPECT_EQ(n, 50000);
    EXPECT_EQ(GetAnzTeilnehmer(w->TeilnehmerRootPtr), 0);
}

// What the reader could not use is counted with its line numbers, so that
// nobody saves a damaged file over itself without knowing.
TEST(WettbewerbsDateiRobust, LeseberichtNenntUnlesbareZeilen) {
    const std::string teilnehmer = "TEILNEHMER:    '1','Muster','Max','','MFC','Bayern','2G4','2G4','e','1','1'" +
                                   [] {
                                       std::string s;
                                       for (int i = 0; i < 30; ++i) s += ",'0'";
                                       s += ",'2G4','1','GER',''";
                                       for (int i = 0; i < 12; ++i) s += ",''";
                                       for (int i = 0; i < 30; ++i) s += ",'0'";
                                       return s;
                                   }();
    ASSERT_EQ(std::count(teilnehmer.begin(), teilnehmer.end(), ','), 86);
    struct Fall {
        const char* name;
        std::vector<std::string> zeilen;
        std::vector<int> unlesbar;
    } faelle[] = {
        {"heil",
         {"NAME:          'A'", teilnehmer, "DURCHGÄNGE:    '8'",
          "ERGEBNIS:      '1','0','0','0','0','0','0','0','0','0','0'"},
         {}},
        {"unbekannter Schluessel", {"NAME:          'A'", "N#ME:          'A'", "x"}, {3, 4}},
        {"abgeschnitten", {"NAME:          'A'", teilnehmer.substr(0, 60)}, {3}},
        {"offenes Anfuehrungszeichen", {"NAME:          'Frühj"}, {2}},
        {"Buchstaben in Zahlen", {"DURCHGÄNGE:    'acht'", "PARAMETER:     '600','x'", "STATUS:        '70','0'"},
         {2, 3}},
        {"Zaehler ausserhalb", {"DURCHGÄNGE:    '-2147483648'", "VORRUNDEN:     '99999999'", "GRUPPE:        '8'"},
         {2, 3}},
        {"Wertung ohne Teilnehmer", {teilnehmer, "WERTUNG:       '1','7','0','5'" + Nullen(22)}, {3}},
    };
    for (Fall& f : faelle) {
        f.zeilen.insert(f.zeilen.begin(), "ORNALIK Wettbewerbsdaten - Format 3.0");
        DateiLeseBericht b;
        WettbewerbTyp* w = nullptr;
        EXPECT_EQ(DatenWettbewerbLesen(w, Datei3(f.zeilen), "", &b), LadenOk) << f.name;
        EXPECT_EQ(b.UnlesbareZeilenNr, f.unlesbar) << f.name;
        EXPECT_EQ(b.UnlesbareZeilen, static_cast<int>(f.unlesbar.size())) << f.name;
        EXPECT_EQ(b.Verluste(), !f.unlesbar.empty()) << f.name;
        if (std::string(f.name) == "Zaehler ausserhalb") {
            EXPECT_EQ(w->AnzDurchgaenge, 6); // the default stays
            EXPECT_EQ(w->AnzVorrunden, 5);
        }
        DatenWettbewerbDispose(w);
    }
    DateiLeseBericht b;
    b.UnlesbareZeilen = 12;
    for (int i = 1; i <= 10; ++i) b.UnlesbareZeilenNr.push_back(i * 2);
    EXPECT_EQ(LeseBerichtText(b), "12 Zeilen konnten nicht gelesen werden (Zeilen 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, …).");
    b.UnlesbareZeilen = 1;
    b.UnlesbareZeilenNr = {5};
    EXPECT_EQ(LeseBerichtText(b), "1 Zeile konnte nicht gelesen werden (Zeile 5).");
}

// A file that does not start with the header, or names an unknown format, is
// refused with a reason; the last line without its line end is reported.
TEST(WettbewerbsDateiRobust, KeineWettbewerbsdateiWirdAbgelehnt) {
    struct Fall {
        std::string bytes;
        int ergebnis;
        const char* grund;
    } faelle[] = {
        {"", LadenOhneKennung, "Die Datei ist leer."},
        {" \r\n\r\n", LadenOhneKennung, "Die Datei ist leer."},
        {Zufallsbytes(7, 4096), LadenOhneKennung, "Die Datei ist keine Wettbewerbsdatei"},
        {"NAME:          'A'\r\n" + Kopf3, LadenOhneKennung, "Die Datei ist keine Wettbewerbsdatei"},
        {"ORNALIK Wettbewerbsdaten - Format 4.0\r\n", LadenFormatUnbekannt, "Das Dateiformat 4 wird nicht unterstützt"},
    };
    for (const Fall& f : faelle) {
        DateiLeseBericht b;
        WettbewerbTyp* w = nullptr;
        const int r = DatenWettbewerbLesen(w, f.bytes, "", &b);
        EXPECT_EQ(r, f.ergebnis) << f.grund;
        EXPECT_EQ(LadenFehlerText(r, b).rfind(f.grund, 0), 0u) << LadenFehlerText(r, b);
        DatenWettbewerbDispose(w);
    }
    DateiLeseBericht b;
    WettbewerbTyp* w = nullptr;
    EXPECT_EQ(DatenWettbewerbLesen(w, Kopf3 + "NAME:          'A'", "", &b), LadenOk);
    EXPECT_TRUE(b.Verluste());
    EXPECT_EQ(LeseBerichtText(b), "Die Datei endet mitten in Zeile 2; sie ist vermutlich unvollständig.");
    DatenWettbewerbDispose(w);
}

// A participant whose number holds letters is not dropped: he gets the next
// free number, keeps it through a save, and the reading says so.
TEST(WettbewerbsDateiRobust, TeilnehmerOhneGueltigeNummerBekommtDieNaechste) {
    std::string rest;
    for (int i = 0; i < 30; ++i) rest += ",'1'";
    const std::string bytes = Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0",
                                      "TEILNEHMER:    '4','Abel','Anna','','','','2G4','2G4','e','1','1'" + rest,
                                      "TEILNEHMER:    'abc','Muster','Max','','','','2G4','2G4','e','2','2'" + rest,
                                      "TEILNEHMER:    '-3','Zander','Zoe','','','','2G4','2G4','e','3','3'" + rest});
    DateiLeseBericht b;
    WettbewerbTyp* w = nullptr;
    ASSERT_EQ(DatenWettbewerbLesen(w, bytes, "", &b), LadenOk);
    ASSERT_EQ(b.Hinweise.size(), 3u);
    EXPECT_EQ(b.Hinweise[0], "Der Teilnehmer „Muster Max“ in Zeile 3 hatte keine gültige Nummer und hat die Nummer 5 erhalten.");
    EXPECT_EQ(b.Hinweise[1], "Der Teilnehmer „Zander Zoe“ in Zeile 4 hatte keine gültige Nummer und hat die Nummer 6 erhalten.");
    // The file has no result lines either.
    EXPECT_NE(b.Hinweise[2].find("die Ergebniszeile fehlt bei allen 3 Teilnehmern"), std::string::npos) << b.Hinweise[2];
    EXPECT_EQ(GetAnzTeilnehmerGelistet(w->TeilnehmerRootPtr), 3);
    bool ersetzt = false;
    Geladen wieder(DatenWettbewerbText(w, 3, ersetzt));
    EXPECT_EQ(GetAnzTeilnehmerGelistet(wieder->TeilnehmerRootPtr), 3);
    DatenWettbewerbDispose(w);
}

// The fuzzer's seed files and every input that once made the reader fail
// (kept in tests/data/fuzz-funde) go through the same round as in the fuzzer.
TEST(WettbewerbsDateiRobust, SaatdateienUndFundeDesFuzzers) {
    int anzahl = 0;
    for (const std::string& o : {DatenPfad("../fuzz/wtb_reader_fuzz"), DatenPfad("fuzz-funde")}) {
        const std::filesystem::path ordner = o;
        if (!std::filesystem::is_directory(ordner)) continue;
        for (const auto& e : std::filesystem::directory_iterator(ordner)) {
            if (!e.is_regular_file() || e.path().filename().string().rfind("README", 0) == 0) continue;
            LesenSchreibenLesen(LiesBytes(e.path().string()), e.path().filename().string());
            ++anzahl;
        }
    }
    EXPECT_GE(anzahl, 6); // at least the seed files
}

} // namespace
