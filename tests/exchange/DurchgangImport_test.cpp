// The round import of an overall ranking: partial ratings of another
// competition's file become one round's values; every file it cannot use is
// refused with a reason and leaves the competition as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/DateiFelder.h"
#include "exchange/DurchgangImport.h"
#include "startorder/WettbewerbNeuBerechnen.h"
#include "rules/RegelLookup.h"
#include "tests/exchange/ImportTestHilfen.h"
#include "tests/exchange/WtbTestHilfen.h"

namespace {

using namespace tavuran;
using importtest::Wettbewerb;

TeilnehmerTyp* Pilot(WettbewerbTyp* w, int nr, const std::string& vorname, const std::string& nachname,
                     const std::string& verein) {
    TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
    p->Name.VornameStr = vorname;
    p->Name.NachnameStr = nachname;
    p->Verein = verein;
    p->StartNr = nr;
    p->MeldgNr = nr;
    return p;
}

void Flug(WettbewerbTyp* w, TeilnehmerTyp* p, double Punkte) {
    p->Gruppe[1] = 1;
    DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, 1);
    DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 1, 0), p->EdvNr)->WertungDurchg[1] = Punkte;
}

class DurchgangImport : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner = wtbtest::NeuerOrdner("durchgang_import");
        quelle = ordner + "fruehjahr.wtb";
        // One round of points typed as they are: the partial ratings are 80.5
        // and 100 (in percent of the best), 82.5 and 102 with the bonus of two
        // participants.
        Wettbewerb q;
        q.w->Name = "Frühjahrscup";
        ReplaceRuleByName(q.w, "Manuelle Auswertung");
        Flug(q.w, Pilot(q.w, 1, "Hans", "Meier", "MFC Nord"), 80.5);
        TeilnehmerTyp* b = Pilot(q.w, 2, "Eva", "Neu", "MFV Süd");
        Flug(q.w, b, 100);
        b->Kanal[1] = "2G4";
        b->Modell[1] = "Xplorer";
        ASSERT_TRUE(DatenWettbewerbSave(q.w, quelle, 3, false).Ok);
        ASSERT_TRUE(DatenWettbewerbSave(q.w, ordner + "format2.wtb", 2, false).Ok);

        ziel.w->Name = "Gesamtwertung 2026";
        ASSERT_TRUE(ReplaceRuleByName(ziel.w, "Gesamtwertung"));
        ziel.w->AnzVorrunden = 5;
        ziel.w->AnzDurchgaenge = 5;
        Pilot(ziel.w, 1, "Hans", "Meier", "anderer Verein");
        SortAll(ziel.w);
        ziel.w->modified = false;
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    double Wert(int runde, const std::string& name) {
        TeilnehmerTyp* p = GetTeilnehmerName(ziel.w, name);
        if (!p) return -99;
        return GetWertungPtr(ziel.w, GetDurchgangPtr(ziel.w, runde), p->EdvNr)->WertungDurchg[1];
    }

    std::string ordner, quelle;
    Wettbewerb ziel;
};

TEST_F(DurchgangImport, RundeAusDatei) {
    const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(ziel.w, quelle, 3);
    ASSERT_TRUE(e.Ok) << e.Grund;
    EXPECT_EQ(e.Werte, 2);
    EXPECT_EQ(e.Neu, (std::vector<std::string>{"Neu Eva"}));
    // The club differs, the participant is still matched.
    EXPECT_EQ(GetTeilnehmerAnzahl(ziel.w->TeilnehmerRootPtr), 2);
    EXPECT_DOUBLE_EQ(Wert(3, "Meier Hans"), 80.5);
    EXPECT_DOUBLE_EQ(Wert(3, "Neu Eva"), 100);
    const TeilnehmerTyp* eva = GetTeilnehmerName(ziel.w, "Neu Eva");
    EXPECT_EQ(eva->EdvNr, 2);
    EXPECT_EQ(eva->StartNr, 2);
    EXPECT_EQ(eva->MeldgNr, 2);
    EXPECT_EQ(eva->Verein, "MFV Süd");
    EXPECT_EQ(eva->Kanal[1], "2G4");
    EXPECT_EQ(eva->Modell[1], "Xplorer");
    // Only round 3 has entries; its file is remembered.
    EXPECT_EQ(DatenWettbewerbDurchgangEnthaeltWertung(ziel.w), 1u << 2);
    EXPECT_EQ(ziel.w->WettbewerbImportFileName[3], quelle);
    EXPECT_EQ(ziel.w->WettbewerbImportFileName[2], "");
    // The round's columns are titled with the sub-competition's name.
    EXPECT_EQ(ziel.w->DurchgangAlias[3], "Frühjahrscup");
    EXPECT_EQ(ziel.w->DurchgangAlias[2], "");
    EXPECT_TRUE(ziel.w->modified);
    EXPECT_EQ(DurchgangImportZeilen(e, 3),
              (std::vector<std::string>{
                  "Durchgang 3: 2 Teilwertungen aus „Frühjahrscup“ übernommen, 1 Teilnehmer neu angelegt.",
                  "  neu: Neu Eva"}));

    // Again into the same round: values overwritten, nobody added.
    ASSERT_TRUE(DatenWettbewerbImportDurchgang(ziel.w, quelle, 3).Ok);
    EXPECT_EQ(GetTeilnehmerAnzahl(ziel.w->TeilnehmerRootPtr), 2);
}

// The partial rating with bonus is the one of a competition with bonus participants.
TEST_F(DurchgangImport, IndexDesImportierendenWettbewerbs) {
    ziel.w->BonusTeilnehmer = true;
    ASSERT_TRUE(DatenWettbewerbImportDurchgang(ziel.w, quelle, 1).Ok);
    EXPECT_DOUBLE_EQ(Wert(1, "Meier Hans"), 82.5);
    EXPECT_DOUBLE_EQ(Wert(1, "Neu Eva"), 102);
}

TEST_F(DurchgangImport, Verweigerungen) {
    wtbtest::SchreibBytes(ordner + "text.wtb", "Name;Vorname\r\nMeier;Hans\r\n");
    wtbtest::SchreibBytes(ordner + "format7.wtb", wtbtest::Datei3({"ORNALIK Wettbewerbsdaten - Format 7.0"}));
    // A competition file without result lines.
    std::string ohneErgebnis;
    for (const std::string& z : wtbtest::ByteZeilen(wtbtest::LiesBytes(quelle)))
        if (z.rfind("ERGEBNIS", 0) != 0) ohneErgebnis += z + "\r\n";
    wtbtest::SchreibBytes(ordner + "ohne_ergebnis.wtb", ohneErgebnis);
    wtbtest::SchreibBytes(ordner + "leer.wtb", wtbtest::Datei3({"ORNALIK Wettbewerbsdaten - Format 3.0", "NAME: 'x'"}));

    struct Fall {
        const char* name;
        std::function<void(WettbewerbTyp*)> vorher;
        std::string datei;
        int nr;
        std::string grund;
    };
    const auto nichts = [](WettbewerbTyp*) {};
    const std::vector<Fall> faelle = {
        {"keine Gesamtwertung", [](WettbewerbTyp* w) { ReplaceRuleByName(w, "Manuelle Auswertung"); }, quelle, 1,
         "Ein Durchgang lässt sich nur in eine Gesamtwertung importieren; der Wettbewerb hat die Regel „Manuelle "
         "Auswertung“."},
        {"Durchgang 0", nichts, quelle, 0, "Den Durchgang 0 gibt es im Wettbewerb nicht (Durchgänge 1 bis 5)."},
        {"Durchgang 6", nichts, quelle, 6, "Den Durchgang 6 gibt es im Wettbewerb nicht (Durchgänge 1 bis 5)."},
        {"eigene Datei", [&](WettbewerbTyp* w) { w->WettbewerbFileNamen[0] = quelle; }, quelle, 1,
         "Die Datei „" + quelle + "“ ist die Datei dieses Wettbewerbs selbst."},
        {"fehlende Datei", nichts, ordner + "fehlt.wtb", 1,
         "Die Datei „" + ordner + "fehlt.wtb“ kann nicht gelesen werden. "},
        {"keine Wettbewerbsdatei", nichts, ordner + "text.wtb", 1,
         "Die Datei „" + ordner + "text.wtb“ ist keine Wettbewerbsdatei."},
        {"unbekanntes Format", nichts, ordner + "format7.wtb", 1,
         "Die Datei „" + ordner + "format7.wtb“ hat ein unbekanntes Dateiformat."},
        {"Format 2", nichts, ordner + "format2.wtb", 1,
         "Die Datei „" + ordner + "format2.wtb“ ist im älteren Format 2 gespeichert, das keine Ergebnisse enthält. "
         "Bitte den Wettbewerb öffnen und im aktuellen Format speichern; dann lässt er sich importieren."},
        {"ohne Ergebnisse", nichts, ordner + "ohne_ergebnis.wtb", 1,
         "Die Datei „" + ordner + "ohne_ergebnis.wtb“ ist beschädigt: Die Schlusszeile (Zeile"},
        {"abgeschnitten", nichts, wtbtest::DatenPfad("wtb/abgeschnitten_alt.wtb"), 1,
         "Die Datei „" + wtbtest::DatenPfad("wtb/abgeschnitten_alt.wtb") +
             "“ ist beschädigt: Die Datei ist nach Zeile 40 abgeschnitten"},
        {"ohne Teilnehmer", nichts, ordner + "leer.wtb", 1,
         "Die Datei „" + ordner + "leer.wtb“ enthält keine Teilnehmer."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Wettbewerb w;
        w.w->Name = "Gesamt";
        ASSERT_TRUE(ReplaceRuleByName(w.w, "Gesamtwertung"));
        w.w->AnzDurchgaenge = 5;
        Pilot(w.w, 1, "Hans", "Meier", "");
        f.vorher(w.w);
        w.w->modified = false;
        bool ersetzt = false;
        const std::string vorher = DatenWettbewerbText(w.w, 3, ersetzt);
        const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(w.w, f.datei, f.nr);
        EXPECT_FALSE(e.Ok);
        // The reason of an unreadable file ends with the system's own words.
        EXPECT_EQ(e.Grund.substr(0, f.grund.size()), f.grund);
        EXPECT_EQ(DatenWettbewerbText(w.w, 3, ersetzt), vorher);
        EXPECT_FALSE(w.w->modified);
    }
    EXPECT_FALSE(DatenWettbewerbImportDurchgang(nullptr, quelle, 1).Ok);
}

// The partial ratings are evaluated from the file's scores, not taken from its
// result lines, which a file saved without recomputing holds as zeros.
TEST_F(DurchgangImport, TeilwertungAusDenWertungenNichtAusDenErgebniszeilen) {
    const std::string veraltet = wtbtest::DatenPfad("wtb/ergebnisse_veraltet.wtb");
    const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(ziel.w, veraltet, 2);
    ASSERT_TRUE(e.Ok) << e.Grund;
    // The same file with its stored lines as the evaluation gives them.
    Wettbewerb frisch(veraltet);
    frisch.w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(frisch.w, true);
    const TeilnehmerTyp* max = GetTeilnehmerName(frisch.w, "Muster Max");
    ASSERT_NE(max, nullptr);
    EXPECT_GT(max->ExportPunkte[0], 0);
    EXPECT_DOUBLE_EQ(Wert(2, "Muster Max"), max->ExportPunkte[0]);
    ASSERT_EQ(e.Hinweise.size(), 1u);
    EXPECT_EQ(e.Hinweise[0].rfind("Die in der Datei gespeicherten Ergebnisse von ", 0), 0u) << e.Hinweise[0];
    EXPECT_NE(e.Hinweise[0].find("„Muster Max“ gespeichert 0, ausgewertet " + ErgebnisReal(max->ExportPunkte[0])),
              std::string::npos)
        << e.Hinweise[0];
    EXPECT_EQ(DurchgangImportZeilen(e, 2).back(), e.Hinweise[0]);

    // A file whose stored lines agree says nothing more.
    const DurchgangImportErgebnis ok = DatenWettbewerbImportDurchgang(ziel.w, quelle, 3);
    ASSERT_TRUE(ok.Ok) << ok.Grund;
    EXPECT_TRUE(ok.Hinweise.empty());
}

// New participants take free numbers, never one beyond the largest Integer.
TEST_F(DurchgangImport, NeueNummernAnDerGrenze) {
    TeilnehmerTyp* hans = GetTeilnehmerName(ziel.w, "Meier Hans");
    ASSERT_NE(hans, nullptr);
    hans->EdvNr = hans->StartNr = hans->MeldgNr = std::numeric_limits<int>::max();
    const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(ziel.w, quelle, 1);
    ASSERT_TRUE(e.Ok) << e.Grund;
    const TeilnehmerTyp* eva = GetTeilnehmerName(ziel.w, "Neu Eva");
    ASSERT_NE(eva, nullptr);
    EXPECT_EQ(eva->EdvNr, 1);
    EXPECT_EQ(eva->StartNr, 1);
    EXPECT_EQ(eva->MeldgNr, 1);
    EXPECT_DOUBLE_EQ(Wert(1, "Neu Eva"), 100);
    EXPECT_DOUBLE_EQ(Wert(1, "Meier Hans"), 80.5);
}

} // namespace
