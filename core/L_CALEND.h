// Dates: text forms, parsing, leap years and day differences.
#pragma once

#include <string>
#include <string_view>

#include "core/DatenTypen.h"

namespace tavuran {

std::string L_CALEND_GetDateString(const DateRec& d); // DD.MM.YY
std::string L_CALEND_GetDayStr(const DateRec& d);
std::string L_CALEND_GetMonthStr(const DateRec& d);
std::string L_CALEND_GetYearStr(const DateRec& d);
void L_CALEND_GetDate(DateRec& d); // today
void L_CALEND_ParseDate(DateRec& d, std::string_view s);
bool L_CALEND_IsLeapYear(int y);
int L_CALEND_GetLengthOfMonth(const DateRec& d);
int L_CALEND_GetDayOfYear(const DateRec& d);
int AnzahlSchaltJahreGregor(int y);
int L_CALEND_GetDayDifference(const DateRec& a, const DateRec& b);

} // namespace tavuran
