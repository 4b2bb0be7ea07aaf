// Damaged and hostile files: the reader must neither crash nor hang, and what
// it read must be writable and readable again.
#include <gtest/gtest.h>

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
        ASSERT_EQ(text.rfind("ORNALIK Wettbewerbsdaten - Format " + std::to_string(f) + ".0\r\n", 0), 0u) << name;
        Geladen wieder(text);
        EXPECT_EQ(wieder.Ergebnis, LadenOk) << name;
        EXPECT_EQ(wieder->FileFormatNr, f) << name;
    }
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

// Every input that once made the reader fail stays here as a regression case.
TEST(WettbewerbsDateiRobust, FundeDesFuzzers) {
    const std::filesystem::path ordner = DatenPfad("fuzz-funde");
    int anzahl = 0;
    if (std::filesystem::is_directory(ordner)) {
        for (const auto& e : std::filesystem::directory_iterator(ordner)) {
            if (!e.is_regular_file() || e.path().filename().string().rfind("README", 0) == 0) continue;
            LesenSchreibenLesen(LiesBytes(e.path().string()), e.path().filename().string());
            ++anzahl;
        }
    }
    if (anzahl == 0) GTEST_SKIP() << "keine Funde in " << ordner;
}

} // namespace
