// Runs "tavuran-cli html" and "tavuran-cli csv" on the competition of the
// export tests (the byte-exact comparison with the reference files is in
// tests/exchange/Export_test.cpp) and checks the calls it refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cli/CliLauf.h"
#include "exchange/CsvExport.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ExportBeispiel.h"
#include "exchange/HtmlExport.h"
#include "exchange/HtmlListen.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {
namespace {

using namespace clitest;

std::string BeispielDatei() {
    WettbewerbTyp* w = exporttest::ExportBeispiel();
    const std::string datei = TempDatei("beispiel.wtb");
    const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, datei, 3, false);
    DatenWettbewerbDispose(w);
    EXPECT_TRUE(e.Ok) << e.Grund;
    return datei;
}

// What the library writes for the file as the command line reads it.
std::string Bibliothek(const std::string& Datei, const std::string& Art) {
    WettbewerbTyp* w = nullptr;
    EXPECT_EQ(DatenWettbewerbLoad(w, Datei), LadenOk);
    WettbewerbModellNeuBerechnen(w, true);
    SortAll(w);
    std::string bytes;
    if (Art == "ergebnis") {
        HtmlErgebnisOptionen o;
        HtmlOptionenVoreinstellen(w, o);
        bytes = HtmlDokumentBytes(HtmlErgebnisDokument(w, o, "01.04.2025 18:30"));
    } else if (Art == "meldungen") {
        bytes = HtmlDokumentBytes(TeamListHtml(w, "01.04.2025 18:30"));
    } else if (Art == "startlisten") {
        bytes = HtmlDokumentBytes(StartListHtml(w, "01.04.2025 18:30"));
    } else if (Art == "teamergebnis") {
        bytes = HtmlDokumentBytes(TeamErgebnisHtml(w, "01.04.2025 18:30"));
    } else {
        CsvOptionen o;
        o.Bezirk = o.Leitung = o.Punktrichter = o.Wettbewerbsdaten = true;
        o.Rohpunkte = false;
        bool ersetzt = false;
        bytes = CsvText(ErgebnisExcelPreview(w, o), ersetzt,
                        Art == "csv1252" ? CsvZeichensatz::Windows1252 : CsvZeichensatz::Utf8);
    }
    DatenWettbewerbDispose(w);
    return bytes;
}

// The command line writes what the program's routines write, with the
// dialog's presets for the rule ("Manuelle Auswertung": no score lists, no
// internal links), and leaves the competition file alone.
TEST(CmdExport, SchreibtWasDieBibliothekSchreibt) {
    const std::string datei = BeispielDatei();
    const std::string vorher = Lies(datei);
    struct Fall {
        std::string Argumente;
        std::string Vorlage;
    } const faelle[] = {
        {"html \"" + datei + "\" ergebnis \"%\" --stand \"01.04.2025 18:30\"", "ergebnis"},
        {"html \"" + datei + "\" meldungen \"%\" --stand \"01.04.2025 18:30\"", "meldungen"},
        {"html \"" + datei + "\" startlisten \"%\" --stand \"01.04.2025 18:30\"", "startlisten"},
        {"html \"" + datei + "\" teamergebnis \"%\" --stand \"01.04.2025 18:30\"", "teamergebnis"},
        {"csv \"" + datei + "\" \"%\" --bezirk --ohne-rohpunkte --leitung --punktrichter --wettbewerbsdaten", "csv"},
        {"csv \"" + datei + "\" \"%\" --bezirk --ohne-rohpunkte --leitung --punktrichter --wettbewerbsdaten --windows-1252",
         "csv1252"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Vorlage);
        const std::string aus = TempDatei(f.Vorlage);
        std::string arg = f.Argumente;
        arg.replace(arg.find('%'), 1, aus);
        const Lauf l = Starte(arg);
        ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
        EXPECT_TRUE(Lies(aus) == Bibliothek(datei, f.Vorlage));
        std::remove(aus.c_str());
    }
    EXPECT_EQ(Lies(datei), vorher) << "die Wettbewerbsdatei wurde verändert";
    std::remove(datei.c_str());
}

TEST(CmdExport, FalscheAufrufeUndNichtSchreibbar) {
    const std::string datei = BeispielDatei();
    const std::string aus = TempDatei("x.html");
    struct Fall {
        std::string Argumente;
        int Rueckgabe;
    } const faelle[] = {
        {"html \"" + datei + "\" ergebnis", 2},
        {"html \"" + datei + "\" rangliste \"" + aus + "\"", 2},
        {"html \"" + datei + "\" ergebnis \"" + aus + "\" --links vielleicht", 2},
        {"html \"" + datei + "\" meldungen \"" + aus + "\" --stand 31.02.2025", 2},
        {"html \"" + datei + "\" meldungen \"" + aus + "\" --stand \"01.04.2025 24:00\"", 2},
        {"html \"" + datei + "\" meldungen \"" + aus + "\" --links ja", 2},
        {"csv \"" + datei + "\" \"" + aus + "\" --alles", 2},
        {"csv \"" + datei + "\"", 2},
        {"html \"" + datei + ".fehlt\" ergebnis \"" + aus + "\"", 1},
        {"html \"" + datei + "\" startlisten /gibt/es/nicht/x.html", 1},
        {"csv \"" + datei + "\" /gibt/es/nicht/x.csv", 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Argumente);
        const Lauf l = Starte(f.Argumente);
        EXPECT_EQ(l.Rueckgabe, f.Rueckgabe) << l.Fehler;
        EXPECT_FALSE(l.Fehler.empty());
    }
    std::remove(datei.c_str());
}

} // namespace
} // namespace tavuran
