// Runs "tavuran-cli anmeldungen" and "tavuran-cli uebernehmen" as a user
// would, on competition files and a portal download written for the test.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "cli/CliLauf.h"
#include "tests/exchange/ImportTestHilfen.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace {

using namespace tavuran;
using namespace tavuran::clitest;
using importtest::WettbewerbSchreiben;
using Gelesen = importtest::Wettbewerb;

void Schreiben(const std::string& pfad, const std::string& bytes) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool Enthaelt(const std::string& s, const std::string& t) { return s.find(t) != std::string::npos; }

const std::string Portal =
    "Competition Name;Competition Start Date;Registration Competition Classes;Pilot First Name;Pilot Last Name;"
    "Pilot Birthday;Pilot Club;Pilot Uses 2.4 GHz\r\n"
    "Herbstpokal;2026-10-03;F3J;J\xC3\xBCrgen;M\xC3\xBCller;1990-05-17;MFC Nord;yes\r\n"
    "Herbstpokal;2026-10-03;F3J;Anna;Sch\xC3\xA4" "fer;2001-02-03;MFV Tal;yes\r\n"
    "Herbstpokal;2026-10-03;F3J;Kurt;Kurz\r\n";

class CmdImport : public ::testing::Test {
  protected:
    void SetUp() override {
        datei = TempDatei("wettbewerb.wtb");
        csv = TempDatei("download.csv");
        aus = TempDatei("aus.wtb");
        WettbewerbSchreiben(datei, "Vereinsmeisterschaft", "Manuelle Auswertung", {{"Otto", "Alt", 0}});
        Schreiben(csv, Portal);
        vorher = Lies(datei);
    }
    void TearDown() override {
        for (const std::string& d : {datei, csv, aus, BackupDateiName(datei), BackupDateiName(aus)})
            std::remove(d.c_str());
    }
    std::string Arg(const std::string& s) { return "\"" + s + "\""; }
    std::string datei, csv, aus, vorher;
};

TEST_F(CmdImport, AnmeldungenSpeichernUnterAusgabe) {
    const Lauf l = Starte("anmeldungen " + Arg(datei) + " " + Arg(csv) + " --aus " + Arg(aus));
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    const auto z = Zeilen(l.Aus);
    ASSERT_FALSE(z.empty());
    EXPECT_EQ(z[0], "Kodierung UTF-8, Trennzeichen „;“, 3 Datenzeilen: 2 neu, 0 aktualisiert, 1 abgelehnt, 0 "
                    "übersprungen.");
    EXPECT_TRUE(Enthaelt(l.Aus, "  Zeile 4: 5 statt 8 Felder\n"));
    EXPECT_EQ(z.back(), "Gespeichert: " + aus);
    EXPECT_EQ(Lies(datei), vorher);
    Gelesen g(aus);
    ASSERT_NE(g.w, nullptr);
    EXPECT_EQ(GetTeilnehmerAnzahl(g.w->TeilnehmerRootPtr), 3);
    EXPECT_NE(GetTeilnehmerName(g.w, "Müller Jürgen"), nullptr);
    EXPECT_EQ(GetTeilnehmerName(g.w, "Schäfer Anna")->Verein, "MFV Tal");
    // Without --mit-wettbewerb the competition keeps its name.
    EXPECT_EQ(g.w->Name, "Vereinsmeisterschaft");
}

TEST_F(CmdImport, AnmeldungenMitWettbewerbUeberDatei) {
    const Lauf l = Starte("anmeldungen " + Arg(datei) + " " + Arg(csv) + " --mit-wettbewerb");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_TRUE(Enthaelt(l.Aus, "  Regel: „F3J (B-Mod 2025)“ (Klasse „F3J“)\n")) << l.Aus;
    Gelesen g(datei);
    EXPECT_EQ(g.w->Name, "Herbstpokal");
    EXPECT_EQ(g.w->Datum, (DateRec{3, 10, 2026}));
    EXPECT_EQ(GetTeilnehmerAnzahl(g.w->TeilnehmerRootPtr), 3);
}

TEST_F(CmdImport, AnmeldungenProbeSpeichertNichts) {
    const Lauf l = Starte("anmeldungen " + Arg(datei) + " " + Arg(csv) + " --probe --aus " + Arg(aus));
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_TRUE(Enthaelt(l.Aus, "Kodierung: UTF-8\nTrennzeichen: ;\nSpalten:\n")) << l.Aus;
    EXPECT_TRUE(Enthaelt(l.Aus, "  PILOT LAST NAME: Spalte 5 („Pilot Last Name“)\n"));
    EXPECT_TRUE(Enthaelt(l.Aus, "  PILOT NAC: fehlt\n"));
    EXPECT_TRUE(Enthaelt(l.Aus, "\n2\tMüller\tJürgen\tMFC Nord\t\t\t\t17.05.1990\tn\t2.4GHz\t2.4GHz\t2.4GHz\t\t\t\n"))
        << l.Aus;
    EXPECT_TRUE(Enthaelt(l.Aus, "Probelauf: nichts gespeichert.\n"));
    EXPECT_EQ(Lies(datei), vorher);
    EXPECT_FALSE(std::ifstream(aus).good());
}

TEST_F(CmdImport, AnmeldungenFehler) {
    Schreiben(csv, "Pilot First Name;Pilot Last Name\r\nEva;Weit\r\n");
    Lauf l = Starte("anmeldungen " + Arg(datei) + " " + Arg(csv));
    EXPECT_EQ(l.Rueckgabe, 1);
    EXPECT_TRUE(Enthaelt(l.Fehler, "Nichts importiert. Der Datei fehlen Spalten, die der Import braucht: ")) << l.Fehler;
    EXPECT_EQ(Lies(datei), vorher);

    l = Starte("anmeldungen " + Arg(datei) + " " + Arg(csv + ".fehlt"));
    EXPECT_EQ(l.Rueckgabe, 1);
    EXPECT_TRUE(Enthaelt(l.Fehler, "kann nicht gelesen werden")) << l.Fehler;

    EXPECT_EQ(Starte("anmeldungen " + Arg(datei)).Rueckgabe, 2);
    EXPECT_EQ(Starte("anmeldungen " + Arg(datei) + " " + Arg(csv) + " --schnell").Rueckgabe, 2);
    EXPECT_EQ(Starte("anmeldungen " + Arg(datei) + " " + Arg(csv) + " --aus").Rueckgabe, 2);
    EXPECT_EQ(Lies(datei), vorher);
}

TEST_F(CmdImport, Uebernehmen) {
    const std::string gesamt = TempDatei("gesamt.wtb");
    WettbewerbSchreiben(gesamt, "Gesamtwertung 2026", "Gesamtwertung", {{"Otto", "Alt", 0}});
    WettbewerbSchreiben(datei, "Frühjahr", "Manuelle Auswertung", {{"Otto", "Alt", 87.5}, {"Eva", "Neu", 100}});
    const std::string gesamtVorher = Lies(gesamt);

    Lauf l = Starte("uebernehmen " + Arg(gesamt) + " " + Arg(datei) + " 2 --aus " + Arg(aus));
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(Zeilen(l.Aus),
              (std::vector<std::string>{
                  "Durchgang 2: 2 Teilwertungen aus „Frühjahr“ übernommen, 1 Teilnehmer neu angelegt.",
                  "  neu: Neu Eva", "Gespeichert: " + aus}));
    EXPECT_EQ(Lies(gesamt), gesamtVorher);
    {
        Gelesen g(aus);
        ASSERT_NE(g.w, nullptr);
        TeilnehmerTyp* otto = GetTeilnehmerName(g.w, "Alt Otto");
        ASSERT_NE(otto, nullptr);
        EXPECT_DOUBLE_EQ(GetWertungPtr(g.w, GetDurchgangPtr(g.w, 2), otto->EdvNr)->WertungDurchg[1], 87.5);
        EXPECT_EQ(g.w->WettbewerbImportFileName[2], datei);
    }

    // Refusals: German reason, exit code 1, the file unchanged.
    for (const std::string& fall : {Arg(gesamt) + " " + Arg(datei) + " 9", Arg(gesamt) + " " + Arg(gesamt) + " 1",
                                    Arg(datei) + " " + Arg(gesamt) + " 1"}) {
        l = Starte("uebernehmen " + fall);
        EXPECT_EQ(l.Rueckgabe, 1) << fall;
        EXPECT_TRUE(Enthaelt(l.Fehler, "Nichts importiert. ")) << l.Fehler;
    }
    EXPECT_TRUE(Enthaelt(Starte("uebernehmen " + Arg(gesamt) + " " + Arg(datei) + " 9").Fehler,
                         "Den Durchgang 9 gibt es im Wettbewerb nicht"));
    EXPECT_EQ(Lies(gesamt), gesamtVorher);
    // A damaged source is refused: half a competition would give wrong partial ratings.
    const std::string abgeschnitten = std::string(TAVURAN_TEST_DATA) + "/wtb/abgeschnitten_alt.wtb";
    l = Starte("uebernehmen " + Arg(gesamt) + " " + Arg(abgeschnitten) + " 1");
    EXPECT_EQ(l.Rueckgabe, 1);
    EXPECT_TRUE(Enthaelt(l.Fehler, "ist beschädigt: Die Datei ist nach Zeile 40 abgeschnitten")) << l.Fehler;
    EXPECT_EQ(Lies(gesamt), gesamtVorher);
    // Wrong calls.
    EXPECT_EQ(Starte("uebernehmen " + Arg(gesamt) + " " + Arg(datei) + " zwei").Rueckgabe, 2);
    EXPECT_EQ(Starte("uebernehmen " + Arg(gesamt) + " " + Arg(datei)).Rueckgabe, 2);
    std::remove(gesamt.c_str());
}

} // namespace
