// Fields, numbers and names of the competition file lines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "exchange/DateiFelder.h"

using namespace tavuran;

namespace {

TEST(DateiFelder, FeldInhalt) {
    struct Fall {
        const char* feld;
        const char* inhalt;
    } faelle[] = {
        {"'abc'", "abc"},       {"''", ""},           {"ab", ""},          {"'a''b'", "a'b"},
        {"'", ""},              {"'a", ""},           {"'abc", ""},        {" 'x' ", "x"},
        {"''''", "'"},          {"'''abc'", "'abc"},  {"'abc'''", "abc'"}, {"'50%%'", "50%%"},
        {"'100 %'", "100 %"},   {"'a,b'", "a,b"},     {"12", ""},          {"'ab'cd'", "ab"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(FeldInhalt(f.feld), f.inhalt) << f.feld;
}

TEST(DateiFelder, SpalteNimmtFelderDerReiheNach) {
    std::string rest = "'a,b','c',  'd''e' ,x,";
    EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), "a,b");
    EXPECT_EQ(rest, "'c',  'd''e' ,x,");
    EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), "c");
    EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), "d'e");
    EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), ""); // unquoted
    EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), ""); // empty last field
    EXPECT_EQ(rest, "");
    EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), ""); // missing fields read as empty

    std::string_view roh = " 70 , '5' ,";
    EXPECT_EQ(SpalteErstenRohwertAusZeileAb(roh), "70");
    EXPECT_EQ(SpalteErstenRohwertAusZeileAb(roh), "5");
    EXPECT_EQ(SpalteErstenRohwertAusZeileAb(roh), "");
}

// Any text is written so that it reads back unchanged, also between other
// fields of a line; texts without a quote are written exactly as before.
TEST(DateiFelder, JederTextUeberstehtSchreibenUndLesen) {
    const char* texte[] = {"Mc'Fly's", "'Start", "Ende'", "''", "'", "'''", "100 %", "50%%",
                           "a%'b",     "%",      "x,y",   "",   "'a','b'", "Müller, Ölbach", " Blank "};
    for (const char* t : texte) {
        std::string zeile = InKommas("vor") + "," + InKommas(t) + "," + InKommas("nach");
        std::string_view rest = zeile;
        EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), "vor") << t;
        EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), t) << zeile;
        EXPECT_EQ(SpalteErstenWertAusZeileAb(rest), "nach") << zeile;
    }
    EXPECT_EQ(InKommas("FSV Musterstadt, 100 %"), "'FSV Musterstadt, 100 %'");
    EXPECT_EQ(InKommas("Mc'Fly"), "'Mc''Fly'");
    EXPECT_EQ(SetIntoInvertetKommaIfNewFormat("8", 3), "'8'");
    EXPECT_EQ(SetIntoInvertetKommaIfNewFormat("8", 2), "8");
}

TEST(DateiFelder, RealsInIhrenFeldern) {
    struct Fall {
        double x;
        int breite, stellen;
        const char* text;
    } faelle[] = {
        {600, 7, 5, "600"},         {0.5, 7, 5, "0.5"},        {-1, 7, 5, "-1"},          {2.000004, 7, 5, "2"},
        {12.3456, 7, 2, "12.35"},   {0.125, 7, 2, "0.13"},     {-0.125, 7, 2, "-0.13"},   {900.5, 10, 4, "900.5"},
        // Too wide for the field: the full value instead of a run of "#".
        {1234.56789, 7, 5, "1234.56789"}, {12345678, 7, 5, "12345678"}, {123456.78, 7, 2, "123456.78"}, {-1234567, 7, 2, "-1234567"},
        {1234567.891, 10, 4, "1234567.891"}, {std::numeric_limits<double>::quiet_NaN(), 7, 2, "0"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(DateiReal(f.x, f.breite, f.stellen), f.text) << f.x;

    for (double x : {1e300, -3.5e17, 123456.78, 98765.4321}) {
        const std::string s = WertungsReal(x);
        EXPECT_EQ(s.find('#'), std::string::npos);
        EXPECT_DOUBLE_EQ(DateiDouble(s), std::round(x * 100) / 100) << s;
    }
}

TEST(DateiFelder, ZahlenUndSchalterLesen) {
    EXPECT_EQ(DateiInteger("3.0"), 3);
    EXPECT_EQ(DateiInteger(" 12abc"), 12);
    EXPECT_EQ(DateiInteger(""), 0);
    EXPECT_EQ(DateiInteger("99999999999999999999"), 999999999);
    EXPECT_DOUBLE_EQ(DateiDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(DateiDouble("1e999"), 0.0);
    EXPECT_TRUE(DateiSchalter10("01"));
    EXPECT_FALSE(DateiSchalter10("0"));
}

TEST(DateiFelder, Formatnummer) {
    struct Fall {
        const char* key;
        int nr;
    } faelle[] = {
        {"ORNALIK Wettbewerbsdaten - Format 3.0", 3}, {"ORNALIK Wettbewerbsdaten - Format 1.0", 1},
        {"ORNALIK Wettbewerbsdaten - Format 4.0", 4}, {"ORNALIK Wettbewerbsdaten", 1},
        {"ORNALIK Wettbewerbsdaten - Format", 0},     {"ORNALIK Wettbewerbsdaten - Format    2.0", 2},
    };
    for (const Fall& f : faelle) EXPECT_EQ(GetFileFormatNr(f.key), f.nr) << f.key;
}

TEST(DateiFelder, PersonenLesen) {
    struct Fall {
        const char* zeile;
        int format;
        bool teilnehmer;
        NameTyp name; // title, first name, surname
    } faelle[] = {
        {"'Muster','Hans','Dr.'", 3, false, {"Dr.", "Hans", "Muster"}},
        {"'Muster','Hans'", 3, false, {"", "Hans", "Muster"}},
        {"Dr. Eva Beispiel", 1, false, {"Dr.", "Eva", "Beispiel"}},
        {"Paul Probe", 2, false, {"", "Paul", "Probe"}},
        {"  Probe ", 1, false, {"", "", "Probe"}},
        {"Dr.  Probe", 1, false, {"Dr.", "", "Probe"}},
        {"Beispiel Eva Dr.", 1, true, {"Dr.", "Eva", "Beispiel"}},
        {"de Vries Jan", 1, true, {"", "Jan", "de Vries"}},
        {"DE Vries Jan", 2, true, {"", "Jan", "DE Vries"}},
        {"'de','Vries','Jan'", 3, false, {"", "Jan", "de Vries"}},
        {"", 1, false, {"", "", ""}},
        // "Name, Vorname" as typed for a director or a participant (before,
        // "Müller, Hans" became the surname "Müller," and printed "Hans Müller,")
        {"Müller, Hans", 1, true, {"", "Hans", "Müller"}},
        {"Müller, Hans", 1, false, {"", "Hans", "Müller"}},
        {" de Vries ,Jan Peter ", 2, true, {"", "Jan Peter", "de Vries"}},
        {"Müller,", 1, true, {"", "", "Müller"}},
    };
    for (const Fall& f : faelle) {
        NameTyp n{"alt", "alt", "alt"};
        NameDatenParseTitelVorNachname(&n, f.zeile, f.format, f.teilnehmer);
        EXPECT_EQ(n, f.name) << f.zeile;
    }
    const NameTyp eva{"Dr.", "Eva", "Beispiel"};
    EXPECT_EQ(InsertName(eva, "X:", 3), "X:'Beispiel','Eva','Dr.',");
    EXPECT_EQ(InsertName(eva, "X:", 1), "X:'Beispiel Eva Dr.',");
    EXPECT_EQ(InsertName(NameTyp{"", "", "O'Neill"}, "", 2), "'O''Neill',");
}

TEST(DateiFelder, ZeilenAufbau) {
    EXPECT_EQ(ZeilenPraefix("NAME"), "NAME:          ");
    EXPECT_EQ(ZeilenPraefix("DURCHGÄNGE"), "DURCHGÄNGE:    ");
    EXPECT_EQ(ZeilenPraefix("HTML_EXPORT_ML"), "HTML_EXPORT_ML:");
    EXPECT_EQ(ZeilenPraefix("TEILNEHMERZAHL"), "TEILNEHMERZAHL:");

    const ZeilenTeile t = ZeileZerlegen("  HTML_EXPORT :\t'C:\\x\\y.html' ");
    EXPECT_EQ(t.Key, "HTML_EXPORT");
    EXPECT_EQ(t.Value, "'C:\\x\\y.html'");
    EXPECT_EQ(ZeileZerlegen(" ohne Doppelpunkt ").Key, "ohne Doppelpunkt");
    EXPECT_EQ(ZeileZerlegen(" ohne Doppelpunkt ").Value, "");
}

TEST(DateiFelder, ZeilenkodierungJeFormat) {
    bool ersetzt = false;
    EXPECT_EQ(ZeileFuerDatei("Frühjahr", 3, ersetzt), "Fr\xFChjahr");
    EXPECT_EQ(ZeileFuerDatei("Frühjahr", 1, ersetzt), "Fr\x81hjahr");
    EXPECT_EQ(ZeileFuerDatei("zwei\r\nZeilen", 3, ersetzt), "zwei  Zeilen");
    EXPECT_FALSE(ersetzt);
    // Outside the code page: numeric character references, and the "&" of a
    // "&#" in the text as one too, so that every text reads back as it was.
    EXPECT_EQ(ZeileFuerDatei("Łódź", 3, ersetzt), "&#321;\xF3" "d&#378;");
    EXPECT_EQ(ZeileFuerDatei("Jiří", 1, ersetzt), "Ji&#345;\xD8");
    EXPECT_EQ(ZeileFuerDatei("R&#D & Co", 3, ersetzt), "R&#38;#D & Co");
    EXPECT_FALSE(ersetzt);
    EXPECT_EQ(ZeileFuerDatei("kaputt \xFF", 3, ersetzt), "kaputt ?");
    EXPECT_TRUE(ersetzt);
    for (const char* text : {"Łódź", "Jiří Dvořák", "R&#D", "&#38;", "&#252; bleibt", "&#", "&#;", "&#9999999999;",
                             "😀 &#128512;"}) {
        bool x = false;
        for (int f = 1; f <= 3; ++f) EXPECT_EQ(ZeileAusDatei(ZeileFuerDatei(text, f, x), f), text) << text;
    }
    // A reference to a character the code page holds is text as it stands.
    EXPECT_EQ(ZeileAusDatei("&#252;&#345;", 3), "&#252;ř");

    EXPECT_EQ(ZeileAusDatei("DURCHG\x8ENGE", 1), "DURCHGÄNGE");
    EXPECT_EQ(ZeileAusDatei("DURCHG\xC4NGE", 3), "DURCHGÄNGE");
    // Every byte of a format-1 line reads back as the character it was written from.
    for (const char* text : {"á ß æ ø š ™", "ü é ä Ä ö Ö Ü ß µ Ø °"}) {
        bool e = false;
        EXPECT_EQ(ZeileAusDatei(ZeileFuerDatei(text, 1, e), 1), text);
        EXPECT_FALSE(e);
    }
}

} // namespace

namespace {

// The one-pass reading of a common field gives what the general reading gives.
TEST(DateiFelder, SchnellerWegGleichAllgemeinem) {
    for (const char* zeile : {"'a'", "'a',", "''", "'',", "'", "'a''b',x", "' 'x", "'a' ,'b'", "'a'b',c", "x'a',",
                              "'a", ",'a'", "'600','-1'", "'a,b','c'", "''',''", ""}) {
        std::string_view schnell = zeile;
        std::string_view allgemein = zeile;
        const std::string inhalt = FeldInhalt(FeldAbtrennen(allgemein));
        EXPECT_EQ(SpalteErstenWertAusZeileAb(schnell), inhalt) << zeile;
        EXPECT_EQ(schnell, allgemein) << zeile;
    }
}

} // namespace
