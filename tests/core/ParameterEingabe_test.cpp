// Typed texts of the parameters dialog: numbers, dates and their ranges.
#include <gtest/gtest.h>

#include "core/ParameterEingabe.h"

using namespace tavuran;

TEST(ParameterEingabe, DatumUndZahlen) {
    struct Fall {
        const char* Text;
        bool Ok;
        DateRec Datum;
    } daten[] = {
        {"12.04.2025", true, {12, 4, 2025}}, {"1.7.25", true, {1, 7, 2025}},  {" 29.02.2024 ", true, {29, 2, 2024}},
        {"29.02.2025", false, {}},           {"abc", false, {}},              {"", false, {}},
        {"12.13.2025", false, {}},           {"0.1.2025", false, {}},         {"12.04.202", false, {}},
        {"12.04.2025.", false, {}},          {"12..2025", false, {}},         {"1234567.1.2025", false, {}},
    };
    for (const Fall& f : daten) {
        DateRec d{1, 1, 2000};
        std::string fehler;
        EXPECT_EQ(DatumEingabe(f.Text, d, fehler), f.Ok) << f.Text;
        if (f.Ok) EXPECT_EQ(d, f.Datum) << f.Text;
        else EXPECT_EQ(d, (DateRec{1, 1, 2000})) << f.Text;
    }
    int i = 0;
    double x = 0;
    std::string fehler;
    EXPECT_TRUE(GanzzahlEingabe(" 8 ", 1, 18, "Vorrunden", i, fehler));
    EXPECT_EQ(i, 8);
    for (const char* t : {"0", "19", "8a", "zehn", "", "99999999999999999999"})
        EXPECT_FALSE(GanzzahlEingabe(t, 1, 18, "Vorrunden", i, fehler)) << t;
    EXPECT_EQ(fehler, "„Vorrunden“: „99999999999999999999“ ist nicht erlaubt. Erlaubt ist eine ganze Zahl von 1 bis 18.");
    EXPECT_TRUE(ZahlEingabe("0,5", "Abzug", x, fehler));
    EXPECT_DOUBLE_EQ(x, 0.5);
    for (const char* t : {"zehn", "1.2.3", "-", ""}) EXPECT_FALSE(ZahlEingabe(t, "Abzug", x, fehler)) << t;
}

TEST(ParameterEingabe, FormularNenntDasErsteFalscheFeld) {
    ParameterEingaben e{"14.06.2025", "5", "1", "0", "0", "5", "9", "8", "8", "1", {{"Soll", "600"}}};
    EXPECT_EQ(ParameterEingabenPruefen(e), "");
    ParameterEingaben zuViele = e;
    zuViele.FlyOff = "14"; // 5 + 14 > 18 rounds
    EXPECT_NE(ParameterEingabenPruefen(zuViele).find("„Fly-Off-Durchgänge“"), std::string::npos);
    ParameterEingaben streicher = e;
    streicher.Streicher = "5"; // as many as rounds
    EXPECT_NE(ParameterEingabenPruefen(streicher).find("„Streicher“"), std::string::npos);
    ParameterEingaben richter = e;
    richter.RegelParameter = {{"Punktrichter", "0"}};
    EXPECT_NE(ParameterEingabenPruefen(richter).find("„Punktrichter“"), std::string::npos);
}
