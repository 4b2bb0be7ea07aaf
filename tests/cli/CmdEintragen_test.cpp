// "tavuran-cli eintragen": the values of one flight typed as in the score
// grid, the value columns of a round, and the refusals that leave the file as it is.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliLauf.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"

namespace tavuran {
namespace {

using namespace clitest;

// F5J, three preliminary rounds and one fly-off; Adler (start number 7) and
// Berger (start number 8) in round 1, only Berger in the fly-off. Berger has a
// reflight in round 1.
std::string Schreiben(const std::string& Name) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Eintragtest";
    w->Datum = {1, 6, 2025};
    DatenRegelLoad(w->RegelPtr, "F5J (B-Mod 2025)", &w->Datum);
    DatenRegelToWettbewerb(w, w->RegelPtr);
    w->AnzVorrunden = 3;
    w->AnzSeniorenFlyOff = 1;
    w->AnzDurchgaenge = 4;
    const char* namen[2] = {"Adler", "Berger"};
    for (int i = 1; i <= 2; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.NachnameStr = namen[i - 1];
        t->Name.VornameStr = "Max";
        t->StartNr = 6 + i;
        t->MeldgNr = i;
        t->Gruppe[1] = 1;
        t->Gruppe[4] = i == 2 ? 1 : 0;
    }
    DurchgangTyp* d = GetDurchgangPtr(w, 1);
    DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 1, 1), 2);
    SortAll(w);
    // The fly-off seats are set by hand: saved as they are, not recomputed.
    w->CalcWertung = false;
    const std::string datei = TempDatei(Name);
    EXPECT_TRUE(DatenWettbewerbSave(w, datei, 3, false).Ok);
    DatenWettbewerbDispose(w);
    return datei;
}

struct Geladen {
    WettbewerbTyp* W = nullptr;
    explicit Geladen(const std::string& Datei) { DatenWettbewerbLoad(W, Datei, nullptr); }
    ~Geladen() { DatenWettbewerbDispose(W); }
    WertungTyp* Eintrag(int Runde, int EdvNr, int ReflyOrder = 0) {
        return DatenWertungGetPtr(GetDurchgangPtr(W, Runde), EdvNr, ReflyOrder);
    }
};

TEST(CmdEintragen, WerteWieInDerListe) {
    const std::string datei = Schreiben("werte.wtb");
    Lauf l = Starte("eintragen \"" + datei + "\" --durchgang 1 --startnr 8 12 3:25.4 150");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_NE(l.Aus.find("Berger Max (Startnr. 8), 1. Vorrunde"), std::string::npos) << l.Aus;
    EXPECT_NE(l.Aus.find("Zeit[min:s]\t3:25.4"), std::string::npos) << l.Aus;
    {
        Geladen g(datei);
        ASSERT_NE(g.W, nullptr);
        WertungTyp* e = g.Eintrag(1, 2);
        ASSERT_NE(e, nullptr);
        EXPECT_DOUBLE_EQ(e->WertungPunktr[1], 12);
        EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 205.4);
        EXPECT_DOUBLE_EQ(e->WertungDurchg[2], 150);
        EXPECT_EQ(g.W->Status, 70);
    }
    // fewer values: the others stay; by EDV number; a "-" as a value
    l = Starte("eintragen \"" + datei + "\" --durchgang 1 --edvnr 2 -- -");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    {
        Geladen g(datei);
        WertungTyp* e = g.Eintrag(1, 2);
        EXPECT_DOUBLE_EQ(e->WertungPunktr[1], -1);
        EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 205.4);
    }
    // the reflight entry, and the values already shown change nothing
    l = Starte("eintragen \"" + datei + "\" --durchgang 1 --startnr 8 --reflight 5 6:00");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    {
        Geladen g(datei);
        EXPECT_DOUBLE_EQ(g.Eintrag(1, 2, 1)->WertungDurchg[1], 360);
        EXPECT_DOUBLE_EQ(g.Eintrag(1, 2)->WertungDurchg[1], 205.4);
    }
    const std::string vorher = Lies(datei);
    l = Starte("eintragen \"" + datei + "\" --durchgang 1 --startnr 8 --reflight 5 6:00");
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_NE(l.Aus.find("Keine Änderung"), std::string::npos) << l.Aus;
    EXPECT_EQ(Lies(datei), vorher);
    // --aus writes elsewhere
    const std::string aus = TempDatei("aus.wtb");
    l = Starte("eintragen \"" + datei + "\" --durchgang 2 --startnr 7 3 --aus \"" + aus + "\"");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(Lies(datei), vorher);
    Geladen g(aus);
    ASSERT_NE(g.W, nullptr);
    EXPECT_DOUBLE_EQ(g.Eintrag(2, 1)->WertungPunktr[1], 3);
    std::remove(aus.c_str());
    std::remove(datei.c_str());
}

TEST(CmdEintragen, WertspaltenDesDurchgangs) {
    const std::string datei = Schreiben("spalten.wtb");
    const Lauf l = Starte("eintragen \"" + datei + "\" --spalten --durchgang 2");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(Zeilen(l.Aus), (std::vector<std::string>{"Abstand[m]", "Zeit[min:s]", "F5J-Höhe[m]"}));
    EXPECT_EQ(Starte("eintragen \"" + datei + "\" --spalten").Rueckgabe, 0);
    EXPECT_EQ(Starte("eintragen \"" + datei + "\" --spalten --durchgang 9").Rueckgabe, 1);
    std::remove(datei.c_str());
}

// Refusals: exit code 1 with a German message, or 2 for a wrong call or a
// value that is not understood; the file is never touched.
TEST(CmdEintragen, AblehnungenLassenDieDateiUnveraendert) {
    const std::string datei = Schreiben("ablehnung.wtb");
    const std::string vorher = Lies(datei);
    const std::string d = "eintragen \"" + datei + "\" ";
    struct Fall {
        std::string Argumente;
        int Rueckgabe;
        const char* Meldung;
    } faelle[] = {
        {d + "--durchgang 1 --startnr 99 12", 1, "keinen Teilnehmer mit der Startnummer 99"},
        {d + "--durchgang 1 --edvnr 5 12", 1, "keinen Teilnehmer mit der EDV-Nummer 5"},
        {d + "--durchgang 1 --startnr 7 1 2 3 4", 1, "Zu viele Werte: 4 angegeben"},
        {d + "--durchgang 5 --startnr 7 12", 1, "keinen Durchgang 5"},
        {d + "--durchgang 0 --startnr 7 12", 1, "keinen Durchgang 0"},
        {d + "--durchgang 4 --startnr 7 12", 1, "nicht im Fly-Off"},
        {d + "--durchgang 1 --startnr 7 --reflight 12", 1, "keine Flugwiederholung"},
        {"eintragen \"" + TempDatei("fehlt.wtb") + "\" --durchgang 1 --startnr 7 12", 1, ""},
        {d + "--durchgang 1 --startnr 7", 2, "Aufruf"},
        {d + "--startnr 7 12", 2, "Aufruf"},
        {d + "--durchgang 1 --startnr 7 --edvnr 1 12", 2, "Aufruf"},
        {d + "--durchgang x --startnr 7 12", 2, "--durchgang"},
        {d + "--durchgang 1 --startnr 7 --schnell 12", 2, "Unbekannte Option"},
        // typed values that are not understood: a wrong call, nothing stored
        // (before, "abc" was stored as a landing at 0 m and "9:5O" as 9:05)
        {d + "--durchgang 1 --startnr 7 -- abc", 2, "„abc“ in der Spalte „Abstand[m]“ nicht verstanden"},
        {d + "--durchgang 1 --startnr 7 12 9:5O", 2, "„O“ an Stelle 4"},
        {d + "--durchgang 1 --startnr 7 9:00", 2, "eine Zeit ist kein Abstand"},
        {d + "--durchgang 1 --startnr 7 12 5:00 hundert", 2, "„hundert“ in der Spalte „F5J-Höhe[m]“"},
        {d + "--durchgang 1 --startnr 7 12 5,5", 2, "mehrdeutig"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte(f.Argumente);
        EXPECT_EQ(l.Rueckgabe, f.Rueckgabe) << f.Argumente << "\n" << l.Fehler;
        EXPECT_NE(l.Fehler.find(f.Meldung), std::string::npos) << f.Argumente << "\n" << l.Fehler;
        EXPECT_EQ(Lies(datei), vorher) << f.Argumente;
    }
    // the fly-off pilot may enter the fly-off round
    const Lauf flyOff = Starte(d + "--durchgang 4 --startnr 8 12");
    EXPECT_EQ(flyOff.Rueckgabe, 0) << flyOff.Fehler;
    // stored, but unlikely by the rule: a note on stderr, exit 0
    const Lauf lang = Starte(d + "--durchgang 2 --startnr 7 12 12:30 650");
    EXPECT_EQ(lang.Rueckgabe, 0) << lang.Fehler;
    EXPECT_NE(lang.Fehler.find("Hinweis: Zeit[min:s]: Flugzeit 12:30 länger als die Arbeitszeit 10:00"),
              std::string::npos)
        << lang.Fehler;
    EXPECT_NE(lang.Fehler.find("Hinweis: F5J-Höhe[m]: Starthöhe 650 m über 500 m"), std::string::npos) << lang.Fehler;
    std::remove(datei.c_str());
}

} // namespace
} // namespace tavuran
