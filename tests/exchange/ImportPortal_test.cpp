// The registration import of the portal's CSV download: a table of file
// variants (code pages, byte-order marks, line ends, broken lines) gives the
// expected participants and report; a second download adds late pilots
// without wiping what the operator typed; helpers, teams, juniors and the
// competition's own data.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/CodePage.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenStamm.h"
#include "exchange/ImportPortal.h"
#include "tests/exchange/ImportTestHilfen.h"
#include "tests/exchange/WtbTestHilfen.h"

namespace {

using namespace tavuran;
using namespace std::string_literals;
using importtest::Wettbewerb;

const DateRec Heute{10, 12, 2026};

enum class Kodierung { W1252, Utf8, Utf8Bom, Utf16Le, Utf16LeOhneMarke };

std::string Utf16Le(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        if (b < 0x80) {
            cp = b;
            i += 1;
        } else if (b < 0xE0) {
            cp = (char32_t(b & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
            i += 2;
        } else {
            cp = (char32_t(b & 0x0F) << 12) | (char32_t(utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            i += 3;
        }
        out += static_cast<char>(cp & 0xFF);
        out += static_cast<char>(cp >> 8);
    }
    return out;
}

// The bytes of a download made of lines written here in UTF-8.
std::string Download(const std::vector<std::string>& zeilen, Kodierung k = Kodierung::Utf8,
                     const std::string& ende = "\r\n") {
    std::string text;
    for (const std::string& z : zeilen) text += z + ende;
    switch (k) {
    case Kodierung::W1252: return CnvUtf8ToWindows1252(text);
    case Kodierung::Utf8: return text;
    case Kodierung::Utf8Bom: return "\xEF\xBB\xBF" + text;
    case Kodierung::Utf16Le: return "\xFF\xFE" + Utf16Le(text);
    case Kodierung::Utf16LeOhneMarke: return Utf16Le(text);
    }
    return text;
}

const std::string Kopf = "Competition Name;Competition Start Date;Registration Competition Classes;Registration Team;"
                         "Pilot First Name;Pilot Last Name;Pilot Birthday;Pilot Club;Pilot NAC;Pilot Country Code;"
                         "Pilot Frequency 1;Pilot Uses 2.4 GHz;Selected Caller";
const std::string Mueller = "Sommerpokal;2026-06-13;F3J;Team Süd;Jürgen;Müller;1990-05-17;"
                            "Modellflugclub Beispiel e.V.;DAeC;GER;;yes;";
const std::string Schaefer = "Sommerpokal;2026-06-13;F3J;Team Süd;Anna;Schäfer;02.03.2010;MFV Tal;DAeC;AUT;"
                             "35.010;no;Jürgen Müller";
const std::string Lukasz = "Sommerpokal;2026-06-13;F3J;;Łukasz;Dvořák;1985-01-31;\"Klub; Praha\";AČR;CZE;;yes;";

// A participant as one comparable text.
std::string Text(const TeilnehmerTyp* p) {
    std::string s = std::to_string(p->MeldgNr) + " " + p->Name.NachnameStr + "," + p->Name.VornameStr + " | " +
                    p->Verein + " | " + p->Verband + " | " + p->Land.Nation + " | " + p->Kanal[1] + "," +
                    p->Kanal[2] + "," + p->Kanal[3] + " | " + L_STR_FillLeftWithO(std::to_string(p->GebDatum.Day), 2) +
                    "." + L_STR_FillLeftWithO(std::to_string(p->GebDatum.Month), 2) + "." +
                    std::to_string(p->GebDatum.Year) + (p->Jugendlich ? " jug" : "");
    for (int k = 1; k <= 3; ++k)
        if (!p->Helfer[k].NachnameStr.empty()) s += " | Helfer " + CnvNameTypToNameStr(&p->Helfer[k], true);
    return s;
}

std::vector<std::string> Teilnehmer(WettbewerbTyp* w) {
    std::vector<std::string> t;
    for (const TeilnehmerTyp* p = w->TeilnehmerRootPtr; p; p = p->next) t.push_back(Text(p));
    std::sort(t.begin(), t.end());
    return t;
}

ImportBericht Importieren(WettbewerbTyp* w, const std::string& bytes, bool mitWettbewerb = false) {
    ImportOptionen o;
    o.Heute = Heute;
    o.MitWettbewerb = mitWettbewerb;
    return ImportPortal(w, ImportTextLesen(bytes), o);
}

const std::string MuellerText = "2 Müller,Jürgen | MFC Beispiel | DAeC | GER | 2G4,2G4,2G4 | 17.05.1990";
const std::string SchaeferText =
    "1 Schäfer,Anna | MFV Tal | DAeC | AUT | 35.010,, | 02.03.2010 jug | Helfer Müller Jürgen";

TEST(ImportPortal, Dateivarianten) {
    struct Fall {
        const char* name;
        std::string bytes;
        std::string kodierung;
        std::vector<std::string> teilnehmer;
        std::vector<std::string> abgelehnt = {}, uebersprungen = {}, hinweise = {}, doppelt = {};
    };
    const std::vector<std::string> zwei = {Kopf, Mueller, Schaefer};
    const std::vector<std::string> erwartet = {SchaeferText, MuellerText};
    const std::vector<Fall> faelle = {
        {"Windows-1252 mit ;", Download(zwei, Kodierung::W1252), "Windows-1252", erwartet},
        {"UTF-8 ohne BOM", Download(zwei, Kodierung::Utf8), "UTF-8", erwartet},
        {"UTF-8 mit BOM", Download(zwei, Kodierung::Utf8Bom), "UTF-8 mit BOM", erwartet},
        {"UTF-16 mit Marke", Download(zwei, Kodierung::Utf16Le), "UTF-16", erwartet},
        {"UTF-16 ohne Marke", Download(zwei, Kodierung::Utf16LeOhneMarke), "UTF-16", erwartet},
        {"LF", Download(zwei, Kodierung::Utf8, "\n"), "UTF-8", erwartet},
        {"CR", Download(zwei, Kodierung::Utf8, "\r"), "UTF-8", erwartet},
        {"Leerzeilen und eine Zeile ohne Namen",
         Download({"", Kopf, "  ", Mueller, "", "Sommerpokal;2026-06-13;F3J;;;;;;;;;yes;", Schaefer, ""}),
         "UTF-8",
         erwartet,
         {},
         {"Zeile 6: ohne Namen"}},
        {"eine kurze Zeile",
         Download({Kopf, Mueller, "Sommerpokal;2026-06-13;F3J;;Kurt;Kurz;1970-01-01;MFC Nord", Schaefer}),
         "UTF-8",
         {"1 Schäfer,Anna | MFV Tal | DAeC | AUT | 35.010,, | 02.03.2010 jug | Helfer Müller Jürgen",
          "2 Müller,Jürgen | MFC Beispiel | DAeC | GER | 2G4,2G4,2G4 | 17.05.1990"},
         {"Zeile 3: 8 statt 13 Felder"}},
        {"ein verirrtes Anführungszeichen",
         Download({Kopf, Mueller, "Sommerpokal;2026-06-13;F3J;;Kurt;Kurz;1970-01-01;MFC \"Nord;DAeC;GER;;yes;",
                   Schaefer}),
         "UTF-8",
         erwartet,
         {"Zeile 3: ungerade Anzahl von Anführungszeichen"}},
        {"Semikolon in Anführungszeichen und Zeichen außerhalb von Windows-1252",
         Download({Kopf, Lukasz}),
         "UTF-8",
         {"1 Dvořák,Łukasz | Klub; Praha | AČR | CZE | 2G4,2G4,2G4 | 31.01.1985"}},
        {"leerer und falscher Geburtstag",
         Download({Kopf, "Sommerpokal;2026-06-13;F3J;;Jürgen;Müller;;MFC;DAeC;GER;;yes;",
                   "Sommerpokal;2026-06-13;F3J;;Anna;Schäfer;31.02.2010;MFV Tal;DAeC;AUT;;yes;"}),
         "UTF-8",
         {"1 Schäfer,Anna | MFV Tal | DAeC | AUT | 2G4,2G4,2G4 | 01.01.2000",
          "2 Müller,Jürgen | MFC | DAeC | GER | 2G4,2G4,2G4 | 01.01.2000"},
         {},
         {},
         {"Zeile 2 (Müller Jürgen): kein Geburtstag angegeben; das bisherige Datum bleibt.",
          "Zeile 3 (Schäfer Anna): Der Geburtstag „31.02.2010“ ist kein gültiges Datum; das bisherige Datum bleibt."}},
        {"derselbe Pilot zweimal",
         Download({Kopf, Mueller, Schaefer,
                   "Sommerpokal;2026-06-13;F3J;;Jürgen;Müller;1990-05-18;Modellflugclub Beispiel;DAeC;GER;;yes;"}),
         "UTF-8",
         // The line further up is applied last.
         {"1 Müller,Jürgen | MFC Beispiel | DAeC | GER | 2G4,2G4,2G4 | 17.05.1990",
          "2 Schäfer,Anna | MFV Tal | DAeC | AUT | 35.010,, | 02.03.2010 jug | Helfer Müller Jürgen"},
         {},
         {},
         {},
         {"Müller Jürgen: Zeile 2 und Zeile 4 nennen denselben Piloten"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Wettbewerb w;
        const ImportBericht b = Importieren(w.w, f.bytes);
        ASSERT_TRUE(b.Ausgefuehrt) << b.Grund;
        EXPECT_EQ(b.Kodierung, f.kodierung);
        EXPECT_EQ(b.Trennzeichen, ';');
        EXPECT_EQ(Teilnehmer(w.w), f.teilnehmer);
        EXPECT_EQ(b.Abgelehnt, f.abgelehnt);
        EXPECT_EQ(b.Uebersprungen, f.uebersprungen);
        EXPECT_EQ(b.Hinweise, f.hinweise);
        EXPECT_EQ(b.Zusammengefuehrt, f.doppelt);
        EXPECT_EQ(b.Neu.size(), f.teilnehmer.size());
        EXPECT_TRUE(w.w->modified);
    }
}

TEST(ImportPortal, KodierungErkennen) {
    struct Fall {
        std::string bytes, text, art;
    };
    const Fall faelle[] = {
        {"Gr\xC3\xBC\xC3\x9F" "e"s, "Grüße", "UTF-8"},
        {"Gr\xFC\xDF" "e", "Grüße", "Windows-1252"},
        // Almost UTF-8, but one byte breaks it: the whole text is Windows-1252.
        {"\xC3\xBC und \xFC", "Ã¼ und ü", "Windows-1252"},
        {"plain", "plain", "ASCII"},
        {"\xEF\xBB\xBF" "M\xC3\xBC", "Mü", "UTF-8 mit BOM"},
        {"\xFE\xFF\x00M\x00\xFC"s, "Mü", "UTF-16"},
    };
    for (const Fall& f : faelle) {
        std::string art;
        EXPECT_EQ(ImportTextDekodieren(f.bytes, &art), f.text);
        EXPECT_EQ(art, f.art);
    }
}

TEST(ImportPortal, TrennzeichenUndAnfuehrungszeichen) {
    const ImportVorschau k = ImportTextLesen(Download({"PILOT FIRST NAME,PILOT LAST NAME,PILOT CLUB",
                                                       "Hans,Meier,\"Club, Nord\"", "Eva,\"Sa\"\"id\",\"\"",
                                                       "Tom,Tal,Club,"}));
    EXPECT_EQ(k.Trennzeichen, ',');
    ASSERT_EQ(k.Zeilen.size(), 3u);
    EXPECT_EQ(k.Zeilen[0].Felder, (std::vector<std::string>{"Hans", "Meier", "Club, Nord"}));
    // A doubled quote inside quotes is one quote; an empty quoted field is empty.
    EXPECT_EQ(k.Zeilen[1].Felder, (std::vector<std::string>{"Eva", "Sa\"id", ""}));
    // An empty field after the last titled column is no error.
    EXPECT_EQ(k.Zeilen[2].Fehler, "");
    EXPECT_EQ(k.ColIdx[SpalteVerein], 3);

    // More semicolons than commas: ";" separates, commas in values become blanks.
    const ImportVorschau s = ImportTextLesen(Download({"Pilot First Name;Pilot Last Name, Name;Pilot Club",
                                                       "Hans;Meier;Club, Nord"}));
    EXPECT_EQ(s.Trennzeichen, ';');
    EXPECT_EQ(s.Zeilen[0].Felder[2], "Club  Nord");
    // Tabs, as a spreadsheet writes its Unicode text.
    const ImportVorschau t = ImportTextLesen(
        Download({"Pilot First Name\tPilot Last Name\tPilot Club", "Eva\tWeit\tClub, Nord"}, Kodierung::Utf16Le));
    EXPECT_EQ(t.Trennzeichen, '\t');
    EXPECT_EQ(t.Zeilen[0].Felder, (std::vector<std::string>{"Eva", "Weit", "Club  Nord"}));
    // No separator at all: ",".
    EXPECT_EQ(ImportTextLesen("Name\r\nx\r\n").Trennzeichen, ',');
    // A field more than the header with text in it is an error.
    EXPECT_EQ(ImportTextLesen("a;b\r\n1;2;3\r\n").Zeilen[0].Fehler, "3 statt 2 Felder");
}

TEST(ImportPortal, SpaltenNachDer30sten) {
    std::string kopf, zeile;
    for (int i = 1; i <= 31; ++i) kopf += "Info " + std::to_string(i) + ";", zeile += "x;";
    kopf += "Pilot First Name;Pilot Last Name;Pilot Is <18;Pilot Uses 2.4 GHz;Pilot Club";
    zeile += "Eva;Weit;yes;ja;Fernclub";
    Wettbewerb w;
    const ImportBericht b = Importieren(w.w, Download({kopf, zeile}));
    ASSERT_TRUE(b.Ausgefuehrt) << b.Grund;
    EXPECT_EQ(Teilnehmer(w.w), (std::vector<std::string>{"1 Weit,Eva | Fernclub |  |  | 2G4,2G4,2G4 | 01.01.2000 jug"}));
}

TEST(ImportPortal, FehlendeSpaltenVerweigern) {
    Wettbewerb w;
    const ImportBericht b = Importieren(w.w, Download({"Pilot First Name;Pilot Last Name", "Eva;Weit"}));
    EXPECT_FALSE(b.Ausgefuehrt);
    EXPECT_EQ(b.Grund, "Der Datei fehlen Spalten, die der Import braucht: „PILOT USES 2.4 GHZ“ oder „PILOT "
                       "FREQUENCY 1“, „PILOT BIRTHDAY“ oder „PILOT IS <18“.");
    EXPECT_EQ(w.w->TeilnehmerRootPtr, nullptr);
    EXPECT_FALSE(w.w->modified);
    // The competition's columns are needed only when it is imported too.
    const ImportVorschau v = ImportTextLesen(Download({Kopf}));
    EXPECT_TRUE(ImportFehlendeSpalten(v, true).empty());
    const ImportVorschau ohne = ImportTextLesen(
        Download({"Pilot First Name;Pilot Last Name;Pilot Is <18;Pilot Frequency 2"}));
    EXPECT_TRUE(ImportFehlendeSpalten(ohne, false).empty());
    EXPECT_EQ(ImportFehlendeSpalten(ohne, true).size(), 3u);
    EXPECT_FALSE(ImportPortal(w.w, ImportDateiLesen("/gibt/es/nicht.csv"), ImportOptionen{}).Ausgefuehrt);
}

// Without a 2.4 GHz column a pilot flies 2.4 GHz exactly when he gives no frequency.
TEST(ImportPortal, FrequenzenOhne24GHzSpalte) {
    Wettbewerb w;
    const ImportBericht b = Importieren(
        w.w, Download({"Pilot First Name;Pilot Last Name;Pilot Is <18;Pilot Frequency 1;Pilot Frequency 2",
                       "Eva;Funk;no;35.010;40.665", "Tom;Neu;no;;"}));
    ASSERT_TRUE(b.Ausgefuehrt);
    EXPECT_EQ(Teilnehmer(w.w), (std::vector<std::string>{"1 Neu,Tom |  |  |  | 2G4,2G4,2G4 | 01.01.2000",
                                                         "2 Funk,Eva |  |  |  | 35.010,40.665, | 01.01.2000"}));
}

// Three new pilots get their numbers in reverse file order; juniors by birth year.
TEST(ImportPortal, NummernUndJugend) {
    Wettbewerb w;
    const ImportBericht b = Importieren(
        w.w,
        Download({"Competition Name,Competition Start Date,Registration Competition Classes,Pilot First Name,"
                  "Pilot Last Name,Pilot Birthday,Pilot Is <18,Pilot Uses 2.4 GHz",
                  "Pokal,2026-05-01,F3J,A,Alt,2007-12-31,yes,yes", "Pokal,2026-05-01,F3J,B,Jung,2008-01-01,no,yes",
                  "Pokal,2026-05-01,F3J,C,Ohne,,yes,yes"}),
        true);
    ASSERT_TRUE(b.Ausgefuehrt);
    std::vector<std::string> t;
    for (const TeilnehmerTyp* p = w.w->TeilnehmerRootPtr; p; p = p->next)
        t.push_back(p->Name.NachnameStr + " " + std::to_string(p->MeldgNr) + "/" + std::to_string(p->StartNr) + "/" +
                    std::to_string(p->EdvNr) + (p->Jugendlich ? " jug" : ""));
    // Born 18 years before the competition's year: junior; 19 years: not; without a birthday the "<18" column decides.
    EXPECT_EQ(t, (std::vector<std::string>{"Alt 3/3/3", "Jung 2/2/2 jug", "Ohne 1/1/1 jug"}));
    EXPECT_EQ(w.w->Name, "Pokal");
    EXPECT_EQ(w.w->Datum, (DateRec{1, 5, 2026}));
    ASSERT_NE(w.w->RegelPtr, nullptr);
    EXPECT_EQ(w.w->RegelPtr->Name, "F3J (B-Mod 2025)");
    EXPECT_EQ(b.Wettbewerb, (std::vector<std::string>{"Name: „Pokal“", "Datum: 01.05.2026",
                                                      "Regel: „F3J (B-Mod 2025)“ (Klasse „F3J“)"}));
}

// A registered pilot who is known from the master data takes his regions from
// there, and the master data marks him as taking part.
TEST(ImportPortal, StammdatenErgaenzenUndMarkieren) {
    Wettbewerb w;
    TeilnehmerTyp meier;
    meier.Name = {"", "Hans", "Meier"};
    meier.Land = {"GER", "BY", "Obb"};
    TeilnehmerTyp gast;
    gast.Name = {"", "Otto", "Gast"};
    DatenStammFuegeEin(w.w, &meier);
    DatenStammFuegeEin(w.w, &gast);
    const ImportBericht b =
        Importieren(w.w,
                    Download({"Competition Name,Competition Start Date,Registration Competition Classes,Pilot First Name,"
                              "Pilot Last Name,Pilot Birthday,Pilot Is <18,Pilot Uses 2.4 GHz",
                              "Pokal,2026-05-01,F3J,Hans,Meier,,no,yes"}),
                    true);
    ASSERT_TRUE(b.Ausgefuehrt);
    ASSERT_NE(w.w->TeilnehmerRootPtr, nullptr);
    EXPECT_EQ(w.w->TeilnehmerRootPtr->Land.Bundesland, "BY");
    EXPECT_EQ(w.w->TeilnehmerRootPtr->Land.Bezirk, "Obb");
    std::vector<std::string> markiert;
    for (const TeilnehmerTyp* m = w.w->StammDatenRootPtr; m; m = m->next)
        if (m->TeilnehmerAusStammDat) markiert.push_back(m->Name.NachnameStr);
    EXPECT_EQ(markiert, std::vector<std::string>{"Meier"});
}

// A second download of the portal, with two late registrations, adds them and
// keeps what the operator typed where the file has nothing to say.
TEST(ImportPortal, ZweiterImportMitNachmeldungen) {
    Wettbewerb w;
    ASSERT_TRUE(Importieren(w.w, Download({Kopf, Mueller, Schaefer})).Ausgefuehrt);
    TeilnehmerTyp* mueller = GetTeilnehmerName(w.w, "Müller Jürgen");
    ASSERT_NE(mueller, nullptr);
    mueller->Land.Bundesland = "BW";
    mueller->Land.Bezirk = "Süd";
    mueller->Modell[1] = "Pike Precision";
    mueller->Name.TitelStr = "Dr.";
    mueller->StartNr = 17;
    const int edv = mueller->EdvNr;
    w.w->modified = false;

    const ImportBericht b = Importieren(
        w.w, Download({Kopf, Mueller, Schaefer,
                       "Sommerpokal;2026-06-13;F3J;Team Süd;Karl;Spät;1999-09-09;MFC Nord;DAeC;GER;;yes;",
                       "Sommerpokal;2026-06-13;F3J;;Lena;Letzt;2001-01-01;MFC Nord;DAeC;GER;;yes;Karl Spät"},
                      Kodierung::W1252));
    ASSERT_TRUE(b.Ausgefuehrt);
    EXPECT_EQ(b.Neu, (std::vector<std::string>{"Spät Karl (Zeile 4)", "Letzt Lena (Zeile 5)"}));
    EXPECT_EQ(b.Aktualisiert, (std::vector<std::string>{"Müller Jürgen (Zeile 2)", "Schäfer Anna (Zeile 3)"}));
    EXPECT_EQ(GetTeilnehmerAnzahl(w.w->TeilnehmerRootPtr), 4);
    EXPECT_EQ(mueller->EdvNr, edv);
    EXPECT_EQ(mueller->StartNr, 17);
    EXPECT_EQ(mueller->Land.Bundesland, "BW");
    EXPECT_EQ(mueller->Land.Bezirk, "Süd");
    EXPECT_EQ(mueller->Modell[1], "Pike Precision");
    EXPECT_EQ(mueller->Name.TitelStr, "Dr.");
    const TeilnehmerTyp* spaet = GetTeilnehmerName(w.w, "Spät Karl");
    const TeilnehmerTyp* letzt = GetTeilnehmerName(w.w, "Letzt Lena");
    ASSERT_TRUE(spaet && letzt);
    // The late pilots get numbers after the registered ones.
    EXPECT_EQ(std::min(spaet->MeldgNr, letzt->MeldgNr), 3);
    EXPECT_EQ(std::max(spaet->MeldgNr, letzt->MeldgNr), 4);
    EXPECT_EQ(CnvNameTypToNameStr(&letzt->Helfer[1], true), "Spät Karl");
    // One team with the three members, none twice.
    ASSERT_NE(w.w->MannschaftRootPtr, nullptr);
    EXPECT_EQ(w.w->MannschaftRootPtr->next, nullptr);
    EXPECT_EQ(w.w->MannschaftRootPtr->Name, "Team Süd");
    EXPECT_EQ(w.w->MannschaftRootPtr->Nr, 1);
    std::vector<int> mitglieder;
    for (int k = 1; k <= MaxMannschaftMitglieder; ++k)
        if (w.w->MannschaftRootPtr->TeilnehmerEdvNr[k] > 0) mitglieder.push_back(w.w->MannschaftRootPtr->TeilnehmerEdvNr[k]);
    std::sort(mitglieder.begin(), mitglieder.end());
    EXPECT_EQ(mitglieder, (std::vector<int>{GetTeilnehmerName(w.w, "Schäfer Anna")->EdvNr, edv, spaet->EdvNr}));
    EXPECT_TRUE(w.w->modified);
}

// Columns the file lacks leave the participant's fields alone; a column the
// file has decides, even when its cell is empty.
TEST(ImportPortal, FehlendeSpaltenLassenFelderStehen) {
    Wettbewerb w;
    ASSERT_TRUE(Importieren(w.w, Download({Kopf, Mueller})).Ausgefuehrt);
    TeilnehmerTyp* p = w.w->TeilnehmerRootPtr;
    p->Helfer[1] = NameTyp{"", "Otto", "Typ"};
    p->Kanal[2] = "40.665";
    const ImportBericht b = Importieren(
        w.w, Download({"Pilot First Name;Pilot Last Name;Pilot Is <18;Pilot Frequency 1;Pilot Club",
                       "Jürgen;Müller;no;35.100;"}));
    ASSERT_TRUE(b.Ausgefuehrt);
    EXPECT_EQ(GetTeilnehmerAnzahl(w.w->TeilnehmerRootPtr), 1);
    EXPECT_EQ(p->Verein, "");              // the club column is there and empty
    EXPECT_EQ(p->Verband, "DAeC");         // no association column
    EXPECT_EQ(p->Land.Nation, "GER");      // no country column
    EXPECT_EQ(p->GebDatum, (DateRec{17, 5, 1990})); // no birthday column
    EXPECT_EQ(p->Kanal[1], "35.100");
    EXPECT_EQ(p->Kanal[2], "40.665");      // no second frequency column
    EXPECT_EQ(p->Helfer[1], (NameTyp{"", "Otto", "Typ"})); // no helper column
}

TEST(ImportPortal, HelferNachNamen) {
    Wettbewerb w;
    const std::string kopf = "Pilot First Name;Pilot Last Name;Pilot Is <18;Pilot Uses 2.4 GHz;"
                             "The selected coach for a junior;Selected Caller";
    const ImportBericht b = Importieren(
        w.w, Download({kopf, "Hans;Schmidt;no;yes;;", "Peter;Meier;no;yes;;",
                       // Coach and caller: both, in that order; a coach text of five words is matched by its first four.
                       "Lisa;Klein;yes;yes;Herr Dr. Hans Schmidt aus Ulm;Peter Meier",
                       // "Hans Meier" is nobody: neither Hans Schmidt nor Peter Meier.
                       "Max;Groß;no;yes;;Hans Meier",
                       // The same person as coach and caller takes one slot.
                       "Tim;Klein;yes;yes;Peter Meier;meier peter"}));
    ASSERT_TRUE(b.Ausgefuehrt);
    const TeilnehmerTyp* lisa = GetTeilnehmerName(w.w, "Klein Lisa");
    const TeilnehmerTyp* max = GetTeilnehmerName(w.w, "Groß Max");
    const TeilnehmerTyp* tim = GetTeilnehmerName(w.w, "Klein Tim");
    ASSERT_TRUE(lisa && max && tim);
    EXPECT_EQ(lisa->Helfer[1], (NameTyp{"", "Hans", "Schmidt"}));
    EXPECT_EQ(lisa->Helfer[2], (NameTyp{"", "Peter", "Meier"}));
    EXPECT_EQ(max->Helfer[1], NameTyp{});
    EXPECT_EQ(tim->Helfer[1], (NameTyp{"", "Peter", "Meier"}));
    EXPECT_EQ(tim->Helfer[2], NameTyp{});
    EXPECT_EQ(b.HelferNichtGefunden, (std::vector<std::string>{"Groß Max: „Hans Meier“ (Zeile 5) ist kein Teilnehmer"}));
    EXPECT_EQ(b.HelferZugeordnet.size(), 3u);
}

TEST(ImportPortal, MitWettbewerbInWettbewerbMitWertungen) {
    Wettbewerb w;
    w.w->Name = "Schon begonnen";
    w.w->Datum = DateRec{2, 5, 2026};
    ASSERT_TRUE(Importieren(w.w, Download({Kopf, Mueller})).Ausgefuehrt);
    const std::string regel = w.w->RegelPtr->Name;
    const int runden = w.w->AnzDurchgaenge;
    TeilnehmerTyp* p = w.w->TeilnehmerRootPtr;
    GetWertungPtr(w.w, GetDurchgangPtr(w.w, 1), p->EdvNr)->WertungDurchg[1] = 512;

    const ImportBericht b = Importieren(w.w, Download({Kopf, Mueller, Schaefer}), true);
    ASSERT_TRUE(b.Ausgefuehrt);
    EXPECT_TRUE(b.NurTeilnehmer);
    EXPECT_EQ(w.w->Name, "Schon begonnen");
    EXPECT_EQ(w.w->Datum, (DateRec{2, 5, 2026}));
    EXPECT_EQ(w.w->RegelPtr->Name, regel);
    EXPECT_EQ(w.w->AnzDurchgaenge, runden);
    EXPECT_EQ(GetTeilnehmerAnzahl(w.w->TeilnehmerRootPtr), 2);
    EXPECT_EQ(GetWertungPtr(w.w, GetDurchgangPtr(w.w, 1), p->EdvNr)->WertungDurchg[1], 512);
    const std::vector<std::string> z = ImportBerichtZeilen(b);
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[1], "Der Wettbewerb enthält schon Wertungen: Name, Datum und Regel bleiben, nur die Teilnehmer "
                    "wurden übernommen.");
}

TEST(ImportPortal, Bericht) {
    Wettbewerb w;
    const ImportBericht b = Importieren(
        w.w, Download({Kopf, Mueller, "x;\"y", Schaefer, ";;;;;;;;;;;;"}, Kodierung::W1252));
    EXPECT_EQ(ImportBerichtZeilen(b),
              (std::vector<std::string>{
                  "Kodierung Windows-1252, Trennzeichen „;“, 4 Datenzeilen: 2 neu, 0 aktualisiert, 1 abgelehnt, 1 "
                  "übersprungen.",
                  "Neue Teilnehmer (2):", "  Müller Jürgen (Zeile 2)", "  Schäfer Anna (Zeile 4)",
                  "Abgelehnte Zeilen (1):", "  Zeile 3: ungerade Anzahl von Anführungszeichen",
                  "Übersprungene Zeilen (1):", "  Zeile 5: ohne Namen", "Helfer zugeordnet (1):",
                  "  Schäfer Anna: Müller Jürgen"}));
    Wettbewerb leer;
    EXPECT_EQ(ImportBerichtZeilen(Importieren(leer.w, "")),
              (std::vector<std::string>{"Nichts importiert. Die Datei ist leer."}));
}

TEST(ImportPortal, NeuesteDatei) {
    namespace fs = std::filesystem;
    const std::string ordner = wtbtest::NeuerOrdner("import_neueste");
    EXPECT_EQ(ImportNeuesteDatei(ordner), ordner + "download.csv");
    const auto jetzt = fs::file_time_type::clock::now();
    const struct {
        const char* name;
        int alter;
    } dateien[] = {{"download.csv", 30}, {"download (2).csv", 10}, {"Download (1).CSV", 10}, {"anders.csv", 1},
                   {"download.txt", 1}};
    for (const auto& d : dateien) {
        wtbtest::SchreibBytes(ordner + d.name, "x");
        fs::last_write_time(ordner + d.name, jetzt - std::chrono::hours(d.alter));
    }
    // The newest; among equal times the first in name order.
    EXPECT_EQ(ImportNeuesteDatei(ordner), ordner + "Download (1).CSV");
    fs::remove_all(ordner);
}

} // namespace

namespace {

// A file with a participant number at the largest Integer: new pilots take
// free numbers below it instead of overflowing, and all of them are saved.
TEST(ImportPortal, NeueNummernAnDerGrenze) {
    Wettbewerb w(wtbtest::DatenPfad("wtb/nummer_grenze.wtb"));
    ASSERT_NE(w.w, nullptr);
    ASSERT_NE(GetTeilnehmerEdvNr(w.w, 2147483647), nullptr);
    const ImportVorschau v = ImportTextLesen("Pilot First Name;Pilot Last Name;Pilot Uses 2.4 GHz;Pilot Is <18\r\n"
                                             "Anna;Adler;yes;no\r\nBernd;Berger;yes;no\r\n");
    ImportOptionen o;
    o.Heute = Heute;
    const ImportBericht b = ImportPortal(w.w, v, o);
    ASSERT_TRUE(b.Ausgefuehrt) << b.Grund;
    EXPECT_EQ(b.Neu.size(), 2u);
    // Numbers 1 and 2147483647 are taken; Adler (the first line) is merged last.
    EXPECT_EQ(GetTeilnehmerName(w.w, "Berger Bernd")->EdvNr, 2);
    EXPECT_EQ(GetTeilnehmerName(w.w, "Adler Anna")->EdvNr, 3);
    bool ersetzt = false;
    wtbtest::Geladen wieder(DatenWettbewerbText(w.w, 3, ersetzt));
    EXPECT_EQ(GetAnzTeilnehmerGelistet(wieder->TeilnehmerRootPtr), 4);
}

} // namespace
