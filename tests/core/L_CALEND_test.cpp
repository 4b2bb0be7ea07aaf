#include "core/L_CALEND.h"

#include <gtest/gtest.h>

#include <string>

using namespace tavuran;

namespace {

DateRec Datum(int t, int m, int j) {
    DateRec d;
    d.Day = static_cast<Byte>(t);
    d.Month = static_cast<Byte>(m);
    d.Year = static_cast<Word>(j);
    return d;
}

std::string Text(const DateRec& d) {
    return std::to_string(d.Day) + "." + std::to_string(d.Month) + "." + std::to_string(d.Year);
}

} // namespace

TEST(L_CALEND, DatumAlsText) {
    EXPECT_EQ(L_CALEND_GetDateString(Datum(5, 3, 2025)), "05.03.25");
    EXPECT_EQ(L_CALEND_GetDateString(Datum(31, 12, 1999)), "31.12.99");
    EXPECT_EQ(L_CALEND_GetDateString(Datum(1, 1, 2000)), "01.01.00");
    EXPECT_EQ(L_CALEND_GetDayStr(Datum(7, 11, 2024)), "07");
    EXPECT_EQ(L_CALEND_GetMonthStr(Datum(7, 11, 2024)), "11");
    EXPECT_EQ(L_CALEND_GetYearStr(Datum(7, 11, 2024)), "2024");
    EXPECT_EQ(L_CALEND_GetYearStr(Datum(7, 11, 999)), "0999");
}

TEST(L_CALEND, DatumLesen) {
    struct Fall {
        std::string ein, aus;
    } faelle[] = {
        {"5.3.25", "5.3.2025"},
        {"31.12.99", "31.12.1999"},
        {"0.13.2024", "1.12.2024"},
        {"05.03.2025", "5.3.2025"},
        {"32.1.2024", "31.1.2024"},
        {"1.1.79", "1.1.2079"},
        {"1.1.80", "1.1.1980"},
        {"1.1.0", "1.1.2000"},
        {"1.1.100", "1.1.100"},
        {"", "1.1.2000"},
        {"17", "17.1.2000"},
        {"3/4/2021", "3.4.2021"},
        {" 3. 4. 2021", "3.4.2021"},
        {"3ü4ü2021", "3.4.2021"}, // a separator is one character, also a non-ASCII one
        {"x.y.z", "1.1.2000"},
        {"1.1.99999", "1.1.65535"},
    };
    for (const auto& f : faelle) {
        DateRec d;
        L_CALEND_ParseDate(d, f.ein);
        EXPECT_EQ(Text(d), f.aus) << f.ein;
    }
}

TEST(L_CALEND, Schaltjahre) {
    struct Fall {
        int jahr;
        bool schalt;
    } faelle[] = {
        {2024, true}, {2023, false}, {2000, true}, {1900, false}, {2100, false}, {2400, true},
        {1600, true}, {1700, false}, {1500, true}, {1200, true},  {1582, false}, {1580, true},
    };
    for (const auto& f : faelle) EXPECT_EQ(L_CALEND_IsLeapYear(f.jahr), f.schalt) << f.jahr;

    EXPECT_EQ(L_CALEND_GetLengthOfMonth(Datum(1, 2, 2024)), 29);
    EXPECT_EQ(L_CALEND_GetLengthOfMonth(Datum(1, 2, 1900)), 28);
    EXPECT_EQ(L_CALEND_GetLengthOfMonth(Datum(1, 4, 2023)), 30);
    EXPECT_EQ(L_CALEND_GetLengthOfMonth(Datum(1, 12, 2023)), 31);
    EXPECT_EQ(L_CALEND_GetDayOfYear(Datum(1, 1, 2023)), 1);
    EXPECT_EQ(L_CALEND_GetDayOfYear(Datum(1, 3, 2023)), 60);
    EXPECT_EQ(L_CALEND_GetDayOfYear(Datum(1, 3, 2024)), 61);
    EXPECT_EQ(L_CALEND_GetDayOfYear(Datum(31, 12, 2024)), 366);
    EXPECT_EQ(AnzahlSchaltJahreGregor(2001), 485);
}

TEST(L_CALEND, Tagesdifferenz) {
    struct Fall {
        DateRec a, b;
        int tage;
    } faelle[] = {
        {Datum(1, 1, 2000), Datum(1, 1, 2001), 366},
        {Datum(1, 1, 2001), Datum(1, 1, 2000), -366},
        {Datum(28, 2, 1900), Datum(1, 3, 1900), 1},
        {Datum(28, 2, 2100), Datum(1, 3, 2100), 1},
        {Datum(31, 12, 1999), Datum(1, 1, 2000), 1},
        {Datum(5, 3, 2025), Datum(5, 3, 2025), 0},
        {Datum(15, 6, 1960), Datum(15, 6, 2025), 23741},
    };
    for (const auto& f : faelle) EXPECT_EQ(L_CALEND_GetDayDifference(f.a, f.b), f.tage) << Text(f.a) << " bis " << Text(f.b);

    // Consecutive days of the Gregorian calendar are always one day apart.
    for (int j = 1583; j <= 2500; ++j) {
        DateRec d = Datum(1, 1, j);
        for (int m = 1; m <= 12; ++m) {
            d.Month = static_cast<Byte>(m);
            const int laenge = L_CALEND_GetLengthOfMonth(d);
            const DateRec letzter = Datum(laenge, m, j);
            const DateRec naechster = m == 12 ? Datum(1, 1, j + 1) : Datum(1, m + 1, j);
            ASSERT_EQ(L_CALEND_GetDayDifference(letzter, naechster), 1) << Text(letzter);
        }
    }
}

TEST(L_CALEND, Heute) {
    DateRec d;
    d.Day = 0;
    L_CALEND_GetDate(d);
    EXPECT_GE(d.Day, 1);
    EXPECT_LE(d.Day, 31);
    EXPECT_GE(d.Month, 1);
    EXPECT_LE(d.Month, 12);
    EXPECT_GE(d.Year, 2024);
}
