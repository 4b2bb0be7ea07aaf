#include "core/L_CALEND.h"

#include <ctime>

#include "core/L_STR.h"
#include "core/Utf8.h"

namespace tavuran {

namespace {

std::string ZweiStellen(int v) { return L_STR_FillLeftWithO(StrInt(v), 2); }

// Reads the leading integer of s like L_STR_CnvStrToInteger and moves s past
// it and past the one character that ended it (the separator).
int LiesZahlUndTrenner(std::string_view& s) {
    std::size_t i = 0;
    const int v = L_STR_CnvStrToIntegerGelesen(s, i);
    if (i < s.size()) {
        char32_t cp;
        i += Utf8Decode(s, i, cp);
    }
    s.remove_prefix(i);
    return v;
}

} // namespace

std::string L_CALEND_GetDateString(const DateRec& d) {
    return ZweiStellen(d.Day) + "." + ZweiStellen(d.Month) + "." + ZweiStellen(d.Year % 100);
}

std::string L_CALEND_GetDayStr(const DateRec& d) { return ZweiStellen(d.Day); }
std::string L_CALEND_GetMonthStr(const DateRec& d) { return ZweiStellen(d.Month); }
std::string L_CALEND_GetYearStr(const DateRec& d) { return L_STR_FillLeftWithO(StrInt(d.Year), 4); }

void L_CALEND_GetDate(DateRec& d) {
    const std::time_t jetzt = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &jetzt);
#else
    localtime_r(&jetzt, &tm);
#endif
    d.Day = static_cast<Byte>(tm.tm_mday);
    d.Month = static_cast<Byte>(tm.tm_mon + 1);
    d.Year = static_cast<Word>(tm.tm_year + 1900);
}

void L_CALEND_ParseDate(DateRec& d, std::string_view s) {
    int tag = LiesZahlUndTrenner(s);
    if (tag < 1) tag = 1;
    if (tag > 31) tag = 31;
    int monat = LiesZahlUndTrenner(s);
    if (monat < 1) monat = 1;
    if (monat > 12) monat = 12;
    long long jahr = L_STR_CnvStrToInteger(s);
    if (jahr < 80) jahr += 2000;
    if (jahr < 100) jahr += 1900;
    if (jahr < 0) jahr = 0;
    if (jahr > 65535) jahr = 65535;
    d.Day = static_cast<Byte>(tag);
    d.Month = static_cast<Byte>(monat);
    d.Year = static_cast<Word>(jahr);
}

bool L_CALEND_IsLeapYear(int y) {
    if (y <= 1582) return y % 4 == 0;
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int L_CALEND_GetLengthOfMonth(const DateRec& d) {
    switch (d.Month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return L_CALEND_IsLeapYear(d.Year) ? 29 : 28;
    default:
        return 31;
    }
}

int L_CALEND_GetDayOfYear(const DateRec& d) {
    int tage = d.Day;
    DateRec m = d;
    for (int monat = 1; monat < d.Month; ++monat) {
        m.Month = static_cast<Byte>(monat);
        tage += L_CALEND_GetLengthOfMonth(m);
    }
    return tage;
}

int AnzahlSchaltJahreGregor(int y) { return (y - 1) / 4 + (y - 1) / 400 - (y - 1) / 100; }

int L_CALEND_GetDayDifference(const DateRec& a, const DateRec& b) {
    const auto nummer = [](const DateRec& d) {
        return 365 * d.Year + AnzahlSchaltJahreGregor(d.Year) + L_CALEND_GetDayOfYear(d);
    };
    return nummer(b) - nummer(a);
}

} // namespace tavuran
