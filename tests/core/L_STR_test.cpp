#include "core/L_STR.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "core/L_CALEND.h"
#include "core/L_ROUND.h"

using namespace tavuran;

namespace {

// A string of n copies of s.
std::string Mal(std::string_view s, int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += s;
    return t;
}

struct TextFall {
    const char* name;
    std::function<std::string(const std::string&)> fkt;
    std::string ein;
    std::string aus;
};

void PruefeTabelle(const std::vector<TextFall>& faelle) {
    for (const auto& f : faelle) EXPECT_EQ(f.fkt(f.ein), f.aus) << f.name << " von \"" << f.ein << "\"";
}

} // namespace

TEST(L_STR, ZeichenStattBytes) {
    EXPECT_EQ(L_STR_Length("Müller"), 6u);
    EXPECT_EQ(L_STR_Length(""), 0u);
    EXPECT_EQ(L_STR_Length("€😀"), 2u);
    // Every invalid byte counts as one character.
    EXPECT_EQ(L_STR_Length("a\xC3"), 2u);
    EXPECT_EQ(L_STR_Length("\xFF\xFE\x80"), 3u);
    EXPECT_EQ(L_STR_Length("\xE2\x82"), 2u);       // truncated sequence
    EXPECT_EQ(L_STR_Length("\xC0\xAF"), 2u);       // overlong
    EXPECT_EQ(L_STR_Length("\xED\xA0\x80"), 3u);   // encoded surrogate

    EXPECT_EQ(L_STR_Copy("Müller", 2, 3), "üll");
    EXPECT_EQ(L_STR_Copy("Müller", 5, 100), "er");
    EXPECT_EQ(L_STR_Copy("Müller", 0, 2), "Mü");
    EXPECT_EQ(L_STR_Copy("Müller", 7, 1), "");
    EXPECT_EQ(L_STR_Copy("Müller", 2, 0), "");
    EXPECT_EQ(L_STR_Copy("Müller", 2, -1), "");

    EXPECT_EQ(L_STR_Pos("ll", "Müller"), 3);
    EXPECT_EQ(L_STR_Pos("x", "Müller"), 0);
    EXPECT_EQ(L_STR_Pos("", "Müller"), 0);
    EXPECT_EQ(L_STR_Pos("€", "a€b€"), 2);
    // A search text that is only a piece of a character does not match inside it.
    EXPECT_EQ(L_STR_Pos("\xBC", "ü"), 0);
    EXPECT_EQ(L_STR_Pos("\xC3", "ü\xC3"), 2);
}

TEST(L_STR, Trennen) {
    using S = const std::string&;
    PruefeTabelle({
        {"UntilKomma", [](S s) { return L_STR_GetStrUntilKomma(s); }, "ab,cd,ef", "ab"},
        {"UntilKomma", [](S s) { return L_STR_GetStrUntilKomma(s); }, "abc", "abc"},
        {"AfterKomma", [](S s) { return L_STR_GetStrAfterKomma(s); }, "ab,cd,ef", "cd,ef"},
        {"AfterKomma", [](S s) { return L_STR_GetStrAfterKomma(s); }, "abc", ""},
        {"AfterKomma", [](S s) { return L_STR_GetStrAfterKomma(s); }, "abc,", ""},
        {"UntilBlank", [](S s) { return L_STR_GetStrUntilBlank(s); }, "Jörg Weiß", "Jörg"},
        {"AfterBlank", [](S s) { return L_STR_GetStrAfterBlank(s); }, "Jörg Weiß Sen.", "Weiß Sen."},
        {"UntilChar ü", [](S s) { return L_STR_GetStrUntilChar(s, U'ü'); }, "Grün-Müller", "Gr"},
        {"AfterChar ü", [](S s) { return L_STR_GetStrAfterChar(s, U'ü'); }, "Grün-Müller", "n-Müller"},
        {"AfterChar :", [](S s) { return L_STR_GetStrAfterChar(s, U':'); }, "PFAD: C:\\x", " C:\\x"},
        {"UntilTeilStr", [](S s) { return L_STR_GetStrUntilTeilStr(s, "<br>"); }, "a<br>b<br>", "a"},
        {"AfterTeilStr", [](S s) { return L_STR_GetStrAfterTeilStr(s, "<br>"); }, "a<br>b<br>", "b<br>"},
        {"AfterTeilStr fehlt", [](S s) { return L_STR_GetStrAfterTeilStr(s, "<p>"); }, "a<br>b", ""},
        {"UntilTeilStr leer", [](S s) { return L_STR_GetStrUntilTeilStr(s, ""); }, "abc", "abc"},
        {"UntilInvKomma", [](S s) { return L_STR_GetStrUntilKommaOutOfInvertedKomma(s); }, "'a,b','c'", "'a,b'"},
        {"AfterInvKomma", [](S s) { return L_STR_GetStrAfterKommaOutOfInvertedKomma(s); }, "'a,b','c'", "'c'"},
        {"UntilInvKomma offen", [](S s) { return L_STR_GetStrUntilKommaOutOfInvertedKomma(s); }, "'a,b", "'a,b"},
        {"AfterInvKomma offen", [](S s) { return L_STR_GetStrAfterKommaOutOfInvertedKomma(s); }, "'a,b", ""},
        {"UntilOutOfChar \"", [](S s) { return L_STR_GetStrUntilKommaOutOfChar(s, U'"'); }, "\"Weiß, Jörg\",12", "\"Weiß, Jörg\""},
        {"AfterOutOfChar \"", [](S s) { return L_STR_GetStrAfterKommaOutOfChar(s, U'"'); }, "\"Weiß, Jörg\",12", "12"},
        {"UntilOutOfChar «", [](S s) { return L_STR_GetStrUntilKommaOutOfChar(s, U'«'); }, "«a,b«,c", "«a,b«"},
        {"AfterOutOfChar «", [](S s) { return L_STR_GetStrAfterKommaOutOfChar(s, U'«'); }, "«a,b«,c", "c"},
        {"FillBetween", [](S s) { return L_STR_FillWithBlanksBetweenChar(s, U'\''); }, "x'äb,c'y'z", "x'    'y' "},
        {"UntilCharN 2", [](S s) { return L_STR_GetStrUntilCharN(s, U'.', 2); }, "a.b.c.d", "a.b"},
        {"UntilCharN 1", [](S s) { return L_STR_GetStrUntilCharN(s, U'.', 1); }, "a.b.c.d", "a"},
        {"UntilCharN 0", [](S s) { return L_STR_GetStrUntilCharN(s, U'.', 0); }, "a.b.c.d", ""},
        {"UntilCharN leere Stücke", [](S s) { return L_STR_GetStrUntilCharN(s, U'.', 3); }, "..a.b", "a"},
        {"UntilCharN zu wenige", [](S s) { return L_STR_GetStrUntilCharN(s, U'.', 4); }, "a.b", "a.b.."},
        {"UntilCharN ü", [](S s) { return L_STR_GetStrUntilCharN(s, U'ü', 2); }, "aüböc", "aüböc"},
    });
}

// The rest after a cut is at most 10000 characters, counted as characters.
TEST(L_STR, RestHoechstensZehntausendZeichen) {
    const std::string lang = "x," + Mal("ü", 10005);
    EXPECT_EQ(L_STR_GetStrAfterKomma(lang), Mal("ü", 10000));
    EXPECT_EQ(L_STR_GetStrAfterKommaOutOfInvertedKomma(lang), Mal("ü", 10000));
    const std::string genau = "x," + Mal("ü", 10000);
    EXPECT_EQ(L_STR_GetStrAfterKomma(genau), Mal("ü", 10000));
}

TEST(L_STR, FeldInAnfuehrungszeichen) {
    struct Fall {
        std::string ein, aus;
    } faelle[] = {
        {"'abc'", "abc"},
        {"''", ""},
        {"ab", ""},
        {"abc", ""},
        {"'", ""},
        {"'a''b'", "a'b"},
        {"'Müller'", "Müller"},
        {"  'x' , 'y'", "x"},
        {"'abc", ""},         // no closing quote
        {"'''", ""},          // a pair and an opening quote without end
        {"''''", ""},         // two pairs, no field
        {"'a''''b'", "a''b"}, // two doubled quotes are two quotes
        {"'''a'", "a"},       // the opening quote pairs with the next one
        {"'100%%'", "100%%"}, // percent signs are text
        {"'%'", "%"},
        {"'ab'cd'", "ab"},
    };
    for (const auto& f : faelle) EXPECT_EQ(L_STR_GetStrBetweenInvertedKomma(f.ein), f.aus) << f.ein;
}

TEST(L_STR, ZaehlenErsetzenFiltern) {
    EXPECT_EQ(L_STR_CountTeilStrInStr("aa", "aaaa"), 3);
    EXPECT_EQ(L_STR_CountTeilStrInStr("ü", "Müller über"), 2);
    EXPECT_EQ(L_STR_CountTeilStrInStr("abc", "ab"), 0);
    EXPECT_EQ(L_STR_CountTeilStrInStr("", "ab"), 0);

    EXPECT_EQ(L_STR_SearchAndReplace("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(L_STR_SearchAndReplace("a.b.c", ".", ".."), "a..b..c"); // replaced text is not searched again
    EXPECT_EQ(L_STR_SearchAndReplace("Grüße", "ü", "ue"), "Grueße");
    EXPECT_EQ(L_STR_SearchAndReplace("abc", "", "x"), "abc");
    EXPECT_EQ(L_STR_SearchAndReplace("abc", "c", ""), "ab");

    EXPECT_EQ(L_STR_FilterChar(U'.', "1.234.567"), "1234567");
    EXPECT_EQ(L_STR_FilterChar(U'ß', "Weiß groß"), "Wei gro");
    EXPECT_EQ(L_STR_FilterChar(U'x', ""), "");
}

TEST(L_STR, TrimmenUndGrossKlein) {
    EXPECT_EQ(L_STR_UnblankLeft(" \t a b \t"), "a b \t");
    EXPECT_EQ(L_STR_UnblankRight(" \t a b \t"), " \t a b");
    EXPECT_EQ(L_STR_Unblank(" \t a b \t"), "a b");
    EXPECT_EQ(L_STR_Unblank(" \t "), "");
    EXPECT_EQ(L_STR_Unblank("\nx\n"), "\nx\n"); // only blanks and tabs

    EXPECT_EQ(L_STR_Upcase("Müller"), "MüLLER");
    EXPECT_EQ(L_STR_Upcase("äöü straße 1"), "äöü STRAßE 1");
    EXPECT_EQ(L_STR_Downcase("ERGEBNIS.HTML"), "Ergebnis.html");
    EXPECT_EQ(L_STR_Downcase("c:/DATEN/F3B.WTB"), "C:/daten/f3b.wtb");
    EXPECT_EQ(L_STR_Downcase("ÄRGER"), "Ärger");
    EXPECT_EQ(L_STR_Downcase(""), "");
}

TEST(L_STR, Auffuellen) {
    EXPECT_EQ(L_STR_FillLeftWithBlanks("ab", 5), "   ab");
    EXPECT_EQ(L_STR_FillRightWithBlanks("ab", 5), "ab   ");
    EXPECT_EQ(L_STR_FillLeftWithBlanks("Müller", 8), "  Müller"); // characters, not bytes
    EXPECT_EQ(L_STR_FillRightWithBlanks("Müller", 8), "Müller  ");
    EXPECT_EQ(L_STR_FillLeftWithBlanks("abcdef", 3), "abcdef");
    EXPECT_EQ(L_STR_FillLeftWithBlanks("ab", 0), "ab");
    EXPECT_EQ(L_STR_FillLeftWithBlanks("ab", -4), "ab");
    EXPECT_EQ(L_STR_FillLeftWithO("7", 3), "007");
    EXPECT_EQ(L_STR_FillRightWithO("7", 3), "700");
    EXPECT_EQ(L_STR_FillLeftWithBlanks("", 1000).size(), 255u); // at most 255
    EXPECT_EQ(L_STR_UnORight("12.500"), "12.5");
    EXPECT_EQ(L_STR_UnORight("100"), "1");
    EXPECT_EQ(L_STR_UnORight("000"), "");
}

TEST(L_STR, Ganzzahlen) {
    EXPECT_EQ(L_STR_CnvIntegerToStr(0), "0");
    EXPECT_EQ(L_STR_CnvIntegerToStr(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(L_STR_CnvWordToStr(65535), "65535");
    EXPECT_EQ(StrInt(-12), "-12");

    struct Fall {
        std::string ein;
        int aus;
    } faelle[] = {
        {"3.0", 3},
        {" 12abc", 12},
        {"\t12", 12},
        {"abc", 0},
        {"-7", -7},
        {"+7", 7},
        {"", 0},
        {"-", 0},
        {"- 7", 0},
        {"007", 7},
        {"12 34", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 214748364}, // the longest leading part that is still an integer
        {"99999999999", 999999999},
    };
    for (const auto& f : faelle) EXPECT_EQ(L_STR_CnvStrToInteger(f.ein), f.aus) << f.ein;

    std::size_t gelesen = 99;
    EXPECT_EQ(L_STR_CnvStrToIntegerGelesen(" 12.3", gelesen), 12);
    EXPECT_EQ(gelesen, 3u);
    EXPECT_EQ(L_STR_CnvStrToIntegerGelesen("x", gelesen), 0);
    EXPECT_EQ(gelesen, 0u);

    EXPECT_EQ(L_STR_CnvStrToWord("65535"), 65535);
    EXPECT_EQ(L_STR_CnvStrToWord("65536"), 0);
    EXPECT_EQ(L_STR_CnvStrToWord("65537x"), 1);
    EXPECT_EQ(L_STR_CnvStrToWord("-5"), 0);
}

TEST(L_STR, KommazahlenLesen) {
    struct Fall {
        std::string ein, zahl, rest;
    } faelle[] = {
        {"12.5 m", "12.5", " m"},
        {"  \t-0.4s", "-0.4", "s"},
        {"1e3x", "1e3", "x"},
        {"1E-2", "1E-2", ""},
        {"1e", "1", "e"},
        {"1e+", "1", "e+"},
        {"2.5.3", "2.5", ".3"},
        {".5", ".5", ""},
        {"5.", "5.", ""},
        {"+3", "+3", ""},
        {"12,5", "12", ",5"},
        {"abc", "", "abc"},
        {"-", "", "-"},
        {".", "", "."},
        {"", "", ""},
        {"inf", "", "inf"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(L_STR_GetFirstNumber(f.ein), f.zahl) << f.ein;
        EXPECT_EQ(L_STR_GetStrAfterFirstNumber(f.ein), f.rest) << f.ein;
    }

    struct Wert {
        std::string ein;
        double aus;
    } werte[] = {
        {"12,5", 12.5}, {"0.4 m", 0.4}, {"", 0}, {"abc", 0}, {" -3,25e1", -32.5},
        {"+2", 2},      {"1e999", 0},   {"1e-999", 0},
    };
    for (const auto& w : werte) EXPECT_DOUBLE_EQ(L_STR_CnvStrToDouble(w.ein), w.aus) << w.ein;

    Wert cm[] = {
        {"10 mm", 1},      {"10mm", 1},      {"2 inch", 5.08},  {"2 Zoll", 5.08}, {"2\"", 5.08},
        {"2 i", 5.08},     {"3 zg", 1.27},   {"3 Z", 1.27},     {"6 Zeilen", 2.54}, {"6 zeile", 2.54},
        {"4", 4},          {"4 cm", 4},      {"1,5 dm", 15},    {"4 m", 4},       {"mm", 0},
    };
    for (const auto& w : cm) EXPECT_NEAR(L_STR_CnvStrToRealCm(w.ein), w.aus, 1e-12) << w.ein;
}

TEST(L_STR, Runden) {
    struct Fall {
        double x;
        int n;
        double aus;
    } faelle[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {1234, -2, 1200},
        {1250, -2, 1300},
        {-1250, -2, -1300},
        {0.125, 2, 0.13},
        {-0.125, 2, -0.13},
        {12.3456, 2, 12.35},
        {2.4999, 0, 2},
        {1e300, 2, 1e300},
        {1e300, -2, 1e300},
        {0, 3, 0},
        // 0.35 is stored a little below 0.35. In extended precision the
        // product with 10 stays below 3.5; a double product would be 3.5.
        {0.35, 1, 0.3},
        {0.045, 2, 0.04},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(L_ROUND_GetRound(f.x, f.n), f.aus) << f.x << " auf " << f.n;
        EXPECT_EQ(L_ROUND_GetRoundDouble(f.x, f.n), f.aus) << f.x << " auf " << f.n;
    }
    // No negative zero.
    EXPECT_FALSE(std::signbit(L_ROUND_GetRound(-0.001, 2)));
    EXPECT_TRUE(std::isnan(L_ROUND_GetRound(std::nan(""), 2)));
    EXPECT_EQ(L_ROUND_GetRound(1.5, 100000), 1.5);
    EXPECT_EQ(L_ROUND_GetRound(1.5, -100000), 0);
    // The extended value is rounded before it becomes a double.
    EXPECT_EQ(L_ROUND_GetRoundDouble(2.5L - 1e-18L, 0), 2);
}

TEST(L_STR, ZahlText) {
    const double nan = std::nan("");
    struct Fall {
        long double x;
        int minW, maxW, minD, d;
        std::string aus;
    } faelle[] = {
        {600, 1, 7, 0, 5, "600"},
        {0.5, 1, 7, 0, 5, "0.5"},
        {-1, 1, 7, 0, 5, "-1"},
        {2.000004L, 1, 7, 0, 5, "2"},
        {12.3456L, 1, 7, 0, 2, "12.35"},
        {0.125L, 1, 7, 0, 2, "0.13"},
        {-0.125L, 1, 7, 0, 2, "-0.13"},
        {12345678, 1, 7, 0, 2, "#######"},
        {-123456.7L, 1, 7, 0, 2, "#######"},
        {123456.7L, 1, 7, 0, 2, "#######"}, // 123456.7 is 8 characters
        {3, 1, 7, 2, 2, "3.00"},
        {3.1L, 1, 7, 2, 2, "3.10"},
        {3, 1, 7, 2, 0, "3.00"},
        {1000, 1, 7, 0, 0, "1000"},
        {1250, 1, 7, 0, -2, "1300"},
        {7.5L, 6, 10, 1, 2, "   7.5"},
        {12.5L, 1, 0, 0, 2, ""},
        {-0.001L, 1, 7, 0, 2, "0"},
        {1e300L, 1, 10, 0, 4, "##########"},
        {nan, 1, 7, 0, 2, "#######"},
        {INFINITY, 1, 4, 0, 2, "####"},
        {1000, 1, 10, 0, 4, "1000"},
        {1, 8, 7, 0, 2, "#######"}, // padding wider than allowed
    };
    for (const auto& f : faelle)
        EXPECT_EQ(L_STR_DoubleToStr(f.x, f.minW, f.maxW, f.minD, f.d), f.aus)
            << static_cast<double>(f.x) << " " << f.minW << "," << f.maxW << "," << f.minD << "," << f.d;
    EXPECT_EQ(L_STR_DoubleToStr(123456.7L, 1, 8, 0, 0), "123457");

    EXPECT_EQ(L_STR_RealToStr(0.125, 1, 7, 0, 2), "0.13");
    EXPECT_EQ(L_STR_RealToStr(600, 1, 7, 0, 5), "600");
    EXPECT_EQ(L_STR_RealToStr(-2.5, 6, 7, 1, 0), "  -3.0");
}

TEST(L_STR, Wahrheitswerte) {
    EXPECT_EQ(L_STR_CnvBooleanToStr(true), "t");
    EXPECT_EQ(L_STR_CnvBooleanToStr(false), "f");
    struct Fall {
        std::string ein;
        bool aus;
    } faelle[] = {
        {"true", true}, {"wahr", true}, {"Richtig", true}, {"vrai", true}, {" \tT", true}, {"t", true},
        {"ja", false},  {"", false},    {"  ", false},     {"f", false},   {"1", false},   {"ümlaut", false},
    };
    for (const auto& f : faelle) EXPECT_EQ(L_STR_CnvStrToBoolean(f.ein), f.aus) << f.ein;
}

TEST(L_STR, HeutigesDatum) {
    const std::string heute = L_STR_GetDateStr();
    EXPECT_TRUE(std::regex_match(heute, std::regex(R"(\d\d\.\d\d\.\d\d\d\d)"))) << heute;
    DateRec d;
    L_CALEND_GetDate(d);
    EXPECT_EQ(heute, L_CALEND_GetDayStr(d) + "." + L_CALEND_GetMonthStr(d) + "." + L_CALEND_GetYearStr(d));
}

// No routine may read outside its input or produce a broken result on text
// that is not valid UTF-8.
TEST(L_STR, UngueltigesUtf8) {
    const std::vector<std::string> texte = {
        "\xC3",        "\xC3,",        ",\xC3",       "\xE2\x82",     "'\xF0\x9F\x98'", "\xFF\xFE,'x'",
        "\x80\x80\x80", "a\xED\xA0\x80" "b", "\xC0\xAF 12", "'a\xC3''b'", "\xF4\x90\x80\x80",
    };
    for (const auto& s : texte) {
        const std::size_t n = L_STR_Length(s);
        EXPECT_GE(n, 1u);
        EXPECT_LE(n, s.size());
        // Cutting and joining again gives the text back.
        std::string wieder;
        for (int i = 1; i <= static_cast<int>(n); ++i) wieder += L_STR_Copy(s, i, 1);
        EXPECT_EQ(wieder, s);
        const std::string vor = L_STR_GetStrUntilKomma(s);
        if (vor.size() < s.size()) {
            EXPECT_EQ(vor + "," + L_STR_GetStrAfterKomma(s), s);
        }
        const std::string vorQ = L_STR_GetStrUntilKommaOutOfInvertedKomma(s);
        if (vorQ.size() < s.size()) {
            EXPECT_EQ(vorQ + "," + L_STR_GetStrAfterKommaOutOfInvertedKomma(s), s);
        }
        EXPECT_EQ(L_STR_Length(L_STR_FillWithBlanksBetweenChar(s, U'\'')), n);
        EXPECT_EQ(L_STR_Length(L_STR_FillLeftWithBlanks(s, 20)), 20u);
        EXPECT_EQ(L_STR_Upcase(s).size(), s.size());
        EXPECT_EQ(L_STR_Downcase(s).size(), s.size());
        EXPECT_LE(L_STR_GetStrBetweenInvertedKomma(s).size(), s.size());
        EXPECT_EQ(L_STR_Pos("ü", s), 0);
        EXPECT_EQ(L_STR_GetStrUntilChar(s, U'ü'), s);
        EXPECT_EQ(L_STR_GetStrUntilCharN(s, U'ü', 1), s);
        EXPECT_LE(L_STR_CountTeilStrInStr("\x80", s), static_cast<int>(s.size()));
        EXPECT_TRUE(std::isfinite(L_STR_CnvStrToRealCm(s)));
        EXPECT_TRUE(std::isfinite(L_STR_CnvStrToDouble(s)));
    }
    // A lone lead byte is a character of its own and may be searched as text.
    EXPECT_EQ(L_STR_GetStrUntilTeilStr("a\xC3,b", "\xC3"), "a");
    EXPECT_EQ(L_STR_CountTeilStrInStr("\xC3", "\xC3\xC3\xA4"), 1); // the second C3 begins "ä"
}
