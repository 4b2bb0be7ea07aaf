// Abbreviating club names and cutting names to a column width.
#include <gtest/gtest.h>

#include "exchange/ShortenName.h"

namespace {

using namespace tavuran;

TEST(ShortenName, Abkuerzungen) {
    struct Fall {
        const char* ein;
        const char* aus;
    };
    const Fall faelle[] = {
        {"Modellflugclub Beispiel e.V.", "MFC Beispiel"},
        {"MODELLFLUGCLUB Beispiel", "MFC Beispiel"},
        // The longer word goes first: "Modellflugvereinigung" is not left as "MFVigung".
        {"Modellflugvereinigung Nord", "MFV Nord"},
        {"Landes-Verband Süd", "LV Süd"},
        {"  Flugsportgruppe Tal  ", "FSG Tal"},
        {"SG Müller", "SG Müller"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(ShortName(f.ein), f.aus) << f.ein;
}

TEST(ShortenName, KuerzenZaehltZeichen) {
    struct Fall {
        const char* ein;
        int max;
        const char* aus;
    };
    const Fall faelle[] = {
        {"  kurz  ", 20, "kurz"},
        {"MFV-Ober_RHEINTAL", 30, "MFV Ober Rheintal"},
        // 22 characters of which several take two bytes: cut after the 21st character.
        {"Jürgen-Hans Müller-Lüdenscheidt", 22, "Jürgen Hans Müller Lü."},
        {"Ärztevereinigung Übersee", 10, "Ärztevere."},
        {"Łukasz Dvořák Żółć", 8, "Łukasz."},
    };
    for (const Fall& f : faelle) EXPECT_EQ(CutString(f.ein, f.max), f.aus) << f.ein;
    NameTyp n{"", "Hans", "Müller"};
    EXPECT_EQ(CutTeilnNameStr(n, true), "Müller Hans");
    EXPECT_EQ(CutVereinNameStr("Modellfliegergemeinschaft Hinterwaldesrand e.V."), "MFG Hinterwaldesrand");
}

} // namespace
