// Text and number helpers used everywhere instead of library formatting: their
// exact rounding, blank-filling and parsing belong to the file formats and to
// every printed or exported number.
//
// Strings are UTF-8. Wherever a routine counts positions, lengths or widths it
// counts characters (code points), not bytes: "Müller" is 6 long. Positions are
// 1-based. Upper- and lower-casing touch the ASCII letters only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavuran {

// --- character helpers over UTF-8
std::size_t L_STR_Length(std::string_view s);                       // characters
std::string L_STR_Copy(std::string_view s, int pos, int count);      // 1-based, characters
int L_STR_Pos(std::string_view sub, std::string_view s);             // 1-based character position, 0 = none

// --- splitting
std::string L_STR_GetStrUntilKomma(std::string_view s);
std::string L_STR_GetStrAfterKomma(std::string_view s);
std::string L_STR_GetStrUntilBlank(std::string_view s);
std::string L_STR_GetStrAfterBlank(std::string_view s);
std::string L_STR_GetStrUntilChar(std::string_view s, char32_t c);
std::string L_STR_GetStrAfterChar(std::string_view s, char32_t c);
std::string L_STR_GetStrUntilTeilStr(std::string_view s, std::string_view t);
std::string L_STR_GetStrAfterTeilStr(std::string_view s, std::string_view t);
std::string L_STR_GetStrUntilKommaOutOfChar(std::string_view s, char32_t q);
std::string L_STR_GetStrAfterKommaOutOfChar(std::string_view s, char32_t q);
std::string L_STR_GetStrUntilKommaOutOfInvertedKomma(std::string_view s);
std::string L_STR_GetStrAfterKommaOutOfInvertedKomma(std::string_view s);
std::string L_STR_GetStrUntilCharN(std::string_view s, char32_t c, int n);
std::string L_STR_FillWithBlanksBetweenChar(std::string_view s, char32_t q);
std::string L_STR_GetStrBetweenInvertedKomma(std::string_view s);
int L_STR_CountTeilStrInStr(std::string_view t, std::string_view s);
std::string L_STR_SearchAndReplace(std::string_view s, std::string_view find, std::string_view repl);
std::string L_STR_FilterChar(char32_t c, std::string_view s);

// --- trimming and case
std::string L_STR_UnblankLeft(std::string_view s);
std::string L_STR_UnblankRight(std::string_view s);
std::string L_STR_Unblank(std::string_view s);
std::string L_STR_Upcase(std::string_view s);
std::string L_STR_Downcase(std::string_view s);

// --- filling (n is at most 255)
std::string L_STR_FillLeftWithBlanks(std::string_view s, int n);
std::string L_STR_FillRightWithBlanks(std::string_view s, int n);
std::string L_STR_FillLeftWithO(std::string_view s, int n);
std::string L_STR_FillRightWithO(std::string_view s, int n);
std::string L_STR_UnORight(std::string_view s);

// --- number text
std::string StrInt(long long i);
std::string L_STR_CnvIntegerToStr(int i);
std::string L_STR_CnvWordToStr(std::uint16_t w);
int L_STR_CnvStrToInteger(std::string_view s);
// L_STR_CnvStrToInteger that also gives how many bytes of s the reading took
// (leading blanks and tabs, sign, digits); the character after them ended it.
int L_STR_CnvStrToIntegerGelesen(std::string_view s, std::size_t& gelesen);
std::uint16_t L_STR_CnvStrToWord(std::string_view s);
std::string L_STR_GetFirstNumber(std::string_view s);
std::string L_STR_GetStrAfterFirstNumber(std::string_view s);
double L_STR_CnvStrToDouble(std::string_view s);
double L_STR_CnvStrToRealCm(std::string_view s);
std::string L_STR_DoubleToStr(long double x, int MinWidth, int MaxWidth, int MinDecimals, int Decimals);
std::string L_STR_RealToStr(double x, int MinWidth, int MaxWidth, int MinDecimals, int Decimals);

// --- booleans
std::string L_STR_CnvBooleanToStr(bool b);
bool L_STR_CnvStrToBoolean(std::string_view s);

// --- date text
std::string L_STR_GetDateStr(); // today, as DD.MM.YYYY

} // namespace tavuran
