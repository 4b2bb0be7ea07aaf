#include "core/L_STR.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/Dezimalkomma.h"
#include "core/L_CALEND.h"
#include "core/L_ROUND.h"
#include "core/Utf8.h"

namespace tavuran {

namespace {

// Routines that return the rest of a string after a cut take at most this
// many characters from there.
constexpr std::size_t MaxRestZeichen = 10000;
// The blank- and zero-filling routines fill to at most this many characters.
constexpr int MaxFuellBreite = 255;
// L_STR_GetStrUntilCharN joins at most this many pieces.
constexpr int MaxNStuecke = 10000;

bool IstLeer(char c) { return c == ' ' || c == '\t'; }

// The rest of s from byte position p on, at most MaxRestZeichen characters.
std::string Rest(std::string_view s, std::size_t p) {
    if (p >= s.size()) return {};
    std::string_view r = s.substr(p);
    if (r.size() > MaxRestZeichen) r = r.substr(0, Utf8ZeichenOffset(r, MaxRestZeichen));
    return std::string(r);
}

// Byte position of the first occurrence of t in s from byte `ab` on that
// begins and ends on character boundaries; npos when none (or t is empty).
std::size_t Finde(std::string_view s, std::string_view t, std::size_t ab = 0) {
    if (t.empty()) return std::string_view::npos;
    for (std::size_t p = s.find(t, ab); p != std::string_view::npos; p = s.find(t, p + 1)) {
        if (Utf8IstZeichenanfang(s, p) && Utf8IstZeichenanfang(s, p + t.size())) return p;
    }
    return std::string_view::npos;
}

// The UTF-8 form of c; empty when c is not a character.
std::string Zeichen(char32_t c) {
    std::string z;
    Utf8Append(z, c);
    return z;
}

std::string UntilTeil(std::string_view s, std::string_view t) {
    const std::size_t p = Finde(s, t);
    return std::string(p == std::string_view::npos ? s : s.substr(0, p));
}

std::string AfterTeil(std::string_view s, std::string_view t) {
    const std::size_t p = Finde(s, t);
    return p == std::string_view::npos ? std::string() : Rest(s, p + t.size());
}

// Byte position of the first "," of s that is not between two q characters;
// npos when none.
std::size_t KommaAusserhalb(std::string_view s, char32_t q) {
    bool innen = false;
    if (q < 0x80) {
        // ASCII bytes never occur inside a multi-byte sequence: scan bytes.
        const char qc = static_cast<char>(q);
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            if (c == ',' && !innen) return i;
            if (c == qc) innen = !innen;
        }
        return std::string_view::npos;
    }
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp;
        const std::size_t n = Utf8Decode(s, i, cp);
        if (cp == U',' && !innen) return i;
        if (cp == q) innen = !innen;
        i += n;
    }
    return std::string_view::npos;
}

// Reads the leading 32-bit integer of s: leading blanks and tabs, a sign,
// decimal digits as long as the value stays in range. Returns the number of
// bytes read (blanks, sign and digits) and sets value (0 without digits).
std::size_t LiesGanzzahl(std::string_view s, long long& value) {
    value = 0;
    std::size_t i = 0;
    while (i < s.size() && IstLeer(s[i])) ++i;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativ = s[i] == '-';
        ++i;
    }
    const long long grenze = negativ ? 2147483648LL : 2147483647LL;
    const std::size_t ziffernAnfang = i;
    long long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        const long long w = v * 10 + (s[i] - '0');
        if (w > grenze) break;
        v = w;
        ++i;
    }
    if (i > ziffernAnfang) value = negativ ? -v : v;
    return i;
}

// Length in bytes of the leading number of s (no blanks skipped): an optional
// sign, digits with at most one decimal point and at least one digit, and an
// exponent when at least one digit follows the "e".
std::size_t ZahlLaenge(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t ziffern = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++ziffern;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++ziffern;
    }
    if (ziffern == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expAnfang = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j > expAnfang) i = j;
    }
    return i;
}

std::string_view OhneLinksLeer(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IstLeer(s[i])) ++i;
    return s.substr(i);
}

// The value of a number text accepted by ZahlLaenge; 0 when out of range.
double ZahlWert(std::string_view zahl) {
    if (!zahl.empty() && zahl[0] == '+') zahl.remove_prefix(1);
    double v = 0;
    const auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), v);
    if (r.ec != std::errc()) {
        // Too small to represent is zero; too large has no sensible value.
        return 0;
    }
    return v;
}

std::string ErsetzeKommaDurchPunkt(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c == ',') c = '.';
    return t;
}

std::string Fuelle(std::string_view s, int n, char c, bool links) {
    if (n > MaxFuellBreite) n = MaxFuellBreite;
    const std::size_t len = Utf8Laenge(s);
    if (n <= 0 || len >= static_cast<std::size_t>(n)) return std::string(s);
    const std::string fuellung(static_cast<std::size_t>(n) - len, c);
    return links ? fuellung + std::string(s) : std::string(s) + fuellung;
}

// Steps 2 to 5 of the number text for a value already rounded to Decimals.
std::string ZahlText(double r, int MinWidth, int MaxWidth, int MinDecimals, int Decimals) {
    if (MaxWidth <= 0) return {};
    std::string t;
    if (std::isfinite(r)) {
        const int nachkomma = Decimals > 0 ? Decimals : 0;
        // 309 integer digits at most for a double, plus sign, point and decimals.
        char buf[400 + 64];
        const int genau = nachkomma < 64 ? nachkomma : 64;
        const auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, genau);
        t.assign(buf, res.ec == std::errc() ? res.ptr : buf);
        if (t.empty()) return std::string(static_cast<std::size_t>(MaxWidth), '#');
        if (nachkomma > genau) t.append(static_cast<std::size_t>(nachkomma - genau), '0');
        std::size_t punkt = t.find('.');
        if (punkt == std::string::npos) {
            t += '.';
            punkt = t.size() - 1;
        }
        while (t.size() > punkt + 1 && t.back() == '0') t.pop_back();
        const int min = MinDecimals < 400 ? MinDecimals : 400;
        for (int d = static_cast<int>(t.size() - punkt - 1); d < min; ++d) t += '0';
        if (t.size() == punkt + 1) t.pop_back();
    } else {
        // Infinity and not-a-number have no text: they never fit.
        return std::string(static_cast<std::size_t>(MaxWidth), '#');
    }
    const std::size_t breite = MinWidth > static_cast<int>(t.size()) ? static_cast<std::size_t>(MinWidth) : t.size();
    if (breite > static_cast<std::size_t>(MaxWidth)) return std::string(static_cast<std::size_t>(MaxWidth), '#');
    t.insert(0, breite - t.size(), ' ');
    return t;
}

} // namespace

// --- character helpers over UTF-8

std::size_t L_STR_Length(std::string_view s) { return Utf8Laenge(s); }

std::string L_STR_Copy(std::string_view s, int pos, int count) {
    if (count <= 0) return {};
    if (pos < 1) pos = 1;
    const std::size_t a = Utf8ZeichenOffset(s, static_cast<std::size_t>(pos) - 1);
    const std::string_view r = s.substr(a);
    return std::string(r.substr(0, Utf8ZeichenOffset(r, static_cast<std::size_t>(count))));
}

int L_STR_Pos(std::string_view sub, std::string_view s) {
    const std::size_t p = Finde(s, sub);
    if (p == std::string_view::npos) return 0;
    return static_cast<int>(Utf8Laenge(s.substr(0, p))) + 1;
}

// --- splitting

std::string L_STR_GetStrUntilKomma(std::string_view s) { return UntilTeil(s, ","); }
std::string L_STR_GetStrAfterKomma(std::string_view s) { return AfterTeil(s, ","); }
std::string L_STR_GetStrUntilBlank(std::string_view s) { return UntilTeil(s, " "); }
std::string L_STR_GetStrAfterBlank(std::string_view s) { return AfterTeil(s, " "); }
std::string L_STR_GetStrUntilChar(std::string_view s, char32_t c) { return UntilTeil(s, Zeichen(c)); }
std::string L_STR_GetStrAfterChar(std::string_view s, char32_t c) { return AfterTeil(s, Zeichen(c)); }
std::string L_STR_GetStrUntilTeilStr(std::string_view s, std::string_view t) { return UntilTeil(s, t); }
std::string L_STR_GetStrAfterTeilStr(std::string_view s, std::string_view t) { return AfterTeil(s, t); }

std::string L_STR_GetStrUntilKommaOutOfChar(std::string_view s, char32_t q) {
    const std::size_t p = KommaAusserhalb(s, q);
    return std::string(p == std::string_view::npos ? s : s.substr(0, p));
}

std::string L_STR_GetStrAfterKommaOutOfChar(std::string_view s, char32_t q) {
    const std::size_t p = KommaAusserhalb(s, q);
    return p == std::string_view::npos ? std::string() : Rest(s, p + 1);
}

std::string L_STR_GetStrUntilKommaOutOfInvertedKomma(std::string_view s) {
    return L_STR_GetStrUntilKommaOutOfChar(s, U'\'');
}

std::string L_STR_GetStrAfterKommaOutOfInvertedKomma(std::string_view s) {
    return L_STR_GetStrAfterKommaOutOfChar(s, U'\'');
}

std::string L_STR_GetStrUntilCharN(std::string_view s, char32_t c, int n) {
    std::string ergebnis;
    if (n <= 0) return ergebnis;
    if (n > MaxNStuecke) n = MaxNStuecke;
    const std::string z = Zeichen(c);
    std::string_view rest = s;
    for (int i = 0; i < n; ++i) {
        const std::size_t p = Finde(rest, z);
        if (!ergebnis.empty()) ergebnis += z;
        if (p == std::string_view::npos) {
            ergebnis += rest;
            // The text is used up: every further piece adds only its separator.
            if (!ergebnis.empty())
                for (int k = i + 1; k < n; ++k) ergebnis += z;
            break;
        }
        ergebnis += rest.substr(0, p);
        rest = rest.substr(p + z.size());
    }
    return ergebnis;
}

std::string L_STR_FillWithBlanksBetweenChar(std::string_view s, char32_t q) {
    std::string t;
    t.reserve(s.size());
    bool innen = false;
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp;
        const std::size_t n = Utf8Decode(s, i, cp);
        if (cp == q) {
            innen = !innen;
            t.append(s.substr(i, n));
        } else if (innen) {
            t += ' ';
        } else {
            t.append(s.substr(i, n));
        }
        i += n;
    }
    return t;
}

std::string L_STR_GetStrBetweenInvertedKomma(std::string_view s) {
    if (Utf8Laenge(s) < 3) return {};
    // Quotes are paired left to right: two adjacent quotes stand for one quote
    // character of the text; a quote of a pair is never reused.
    std::size_t i = 0;
    auto einzelnesAnfuehrungszeichen = [&](std::size_t& paare) -> std::size_t {
        paare = 0;
        while (i < s.size()) {
            if (s[i] == '\'') {
                if (i + 1 < s.size() && s[i + 1] == '\'') {
                    ++paare;
                    i += 2;
                    continue;
                }
                return i++;
            }
            ++i;
        }
        return std::string_view::npos;
    };
    std::size_t paare = 0;
    const std::size_t auf = einzelnesAnfuehrungszeichen(paare);
    if (auf == std::string_view::npos) return {};
    const std::size_t zu = einzelnesAnfuehrungszeichen(paare);
    if (zu == std::string_view::npos) return {};
    std::string inhalt;
    inhalt.reserve(zu - auf - 1 - paare);
    for (std::size_t k = auf + 1; k < zu; ++k) {
        inhalt += s[k];
        if (s[k] == '\'') ++k; // the second quote of a pair
    }
    return inhalt;
}

int L_STR_CountTeilStrInStr(std::string_view t, std::string_view s) {
    if (t.empty() || t.size() > s.size()) return 0;
    int n = 0;
    for (std::size_t p = Finde(s, t); p != std::string_view::npos; p = Finde(s, t, p + 1)) ++n;
    return n;
}

std::string L_STR_SearchAndReplace(std::string_view s, std::string_view find, std::string_view repl) {
    std::size_t p = Finde(s, find);
    if (p == std::string_view::npos) return std::string(s);
    std::string t;
    t.reserve(s.size());
    std::size_t a = 0;
    while (p != std::string_view::npos) {
        t.append(s.substr(a, p - a));
        t.append(repl);
        a = p + find.size();
        p = Finde(s, find, a);
    }
    t.append(s.substr(a));
    return t;
}

std::string L_STR_FilterChar(char32_t c, std::string_view s) {
    const std::string z = Zeichen(c);
    std::size_t p = Finde(s, z);
    if (p == std::string_view::npos) return std::string(s);
    std::string t;
    t.reserve(s.size());
    std::size_t a = 0;
    while (p != std::string_view::npos) {
        t.append(s.substr(a, p - a));
        a = p + z.size();
        p = Finde(s, z, a);
    }
    t.append(s.substr(a));
    return t;
}

// --- trimming and case

std::string L_STR_UnblankLeft(std::string_view s) { return std::string(OhneLinksLeer(s)); }

std::string L_STR_UnblankRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IstLeer(s[e - 1])) --e;
    return std::string(s.substr(0, e));
}

std::string L_STR_Unblank(std::string_view s) {
    std::size_t a = 0;
    std::size_t e = s.size();
    while (a < e && IstLeer(s[a])) ++a;
    while (e > a && IstLeer(s[e - 1])) --e;
    return std::string(s.substr(a, e - a));
}

std::string L_STR_Upcase(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

std::string L_STR_Downcase(std::string_view s) {
    std::string t(s);
    for (std::size_t i = 0; i < t.size(); ++i) {
        char& c = t[i];
        if (i == 0) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return t;
}

// --- filling

std::string L_STR_FillLeftWithBlanks(std::string_view s, int n) { return Fuelle(s, n, ' ', true); }
std::string L_STR_FillRightWithBlanks(std::string_view s, int n) { return Fuelle(s, n, ' ', false); }
std::string L_STR_FillLeftWithO(std::string_view s, int n) { return Fuelle(s, n, '0', true); }
std::string L_STR_FillRightWithO(std::string_view s, int n) { return Fuelle(s, n, '0', false); }

std::string L_STR_UnORight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == '0') --e;
    return std::string(s.substr(0, e));
}

// --- number text

std::string StrInt(long long i) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, i);
    return std::string(buf, r.ptr);
}

std::string L_STR_CnvIntegerToStr(int i) { return StrInt(i); }
std::string L_STR_CnvWordToStr(std::uint16_t w) { return StrInt(w); }

int L_STR_CnvStrToInteger(std::string_view s) {
    long long v;
    LiesGanzzahl(s, v);
    return static_cast<int>(v);
}

int L_STR_CnvStrToIntegerGelesen(std::string_view s, std::size_t& gelesen) {
    long long v;
    gelesen = LiesGanzzahl(s, v);
    return static_cast<int>(v);
}

std::uint16_t L_STR_CnvStrToWord(std::string_view s) {
    const int v = L_STR_CnvStrToInteger(s);
    return v < 0 ? 0 : static_cast<std::uint16_t>(v & 0xFFFF);
}

std::string L_STR_GetFirstNumber(std::string_view s) {
    const std::string_view t = OhneLinksLeer(s);
    return std::string(t.substr(0, ZahlLaenge(t)));
}

std::string L_STR_GetStrAfterFirstNumber(std::string_view s) {
    const std::string_view t = OhneLinksLeer(s);
    return Rest(t, ZahlLaenge(t));
}

double L_STR_CnvStrToDouble(std::string_view s) {
    const std::string t = ErsetzeKommaDurchPunkt(s);
    const std::string_view u = OhneLinksLeer(t);
    return ZahlWert(u.substr(0, ZahlLaenge(u)));
}

double L_STR_CnvStrToRealCm(std::string_view s) {
    const std::string t = ErsetzeKommaDurchPunkt(s);
    const std::string_view u = OhneLinksLeer(t);
    const std::size_t n = ZahlLaenge(u);
    const double wert = ZahlWert(u.substr(0, n));
    const std::string einheit = L_STR_Upcase(L_STR_Unblank(u.substr(n)));
    if (einheit == "MM") return wert * 0.1;
    if (einheit == "DM") return wert * 10;
    if (einheit == "INCH" || einheit == "ZOLL" || einheit == "\"" || einheit == "I") return wert * 2.54;
    if (einheit == "Z" || einheit == "ZG" || einheit == "ZEILE" || einheit == "ZEILEN") return wert * 2.54 / 6;
    return wert;
}

std::string L_STR_DoubleToStr(long double x, int MinWidth, int MaxWidth, int MinDecimals, int Decimals) {
    return ZahlText(L_ROUND_GetRoundDouble(x, Decimals), MinWidth, MaxWidth, MinDecimals, Decimals);
}

std::string L_STR_RealToStr(double x, int MinWidth, int MaxWidth, int MinDecimals, int Decimals) {
    return ZahlText(L_ROUND_GetRound(x, Decimals), MinWidth, MaxWidth, MinDecimals, Decimals);
}

std::string PunktZuKomma(std::string_view Text) {
    std::string t(Text);
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

// --- booleans

std::string L_STR_CnvBooleanToStr(bool b) { return b ? "t" : "f"; }

bool L_STR_CnvStrToBoolean(std::string_view s) {
    const std::string_view t = OhneLinksLeer(s);
    if (t.empty()) return false;
    const char c = t[0];
    return c == 'T' || c == 't' || c == 'V' || c == 'v' || c == 'W' || c == 'w' || c == 'R' || c == 'r';
}

// --- date text

std::string L_STR_GetDateStr() {
    DateRec heute;
    L_CALEND_GetDate(heute);
    return L_CALEND_GetDayStr(heute) + "." + L_CALEND_GetMonthStr(heute) + "." + L_CALEND_GetYearStr(heute);
}

} // namespace tavuran
