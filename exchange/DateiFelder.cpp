#include "exchange/DateiFelder.h"

#include <cmath>

#include "core/CodePage.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {

bool IstLeer(char c) { return c == ' ' || c == '\t'; }

std::string_view Getrimmt(std::string_view s) {
    std::size_t a = 0;
    std::size_t e = s.size();
    while (a < e && IstLeer(s[a])) ++a;
    while (e > a && IstLeer(s[e - 1])) --e;
    return s.substr(a, e - a);
}

// Column in which the value of a written line starts (1-based).
constexpr std::size_t WertSpalte = 16;

} // namespace

// ------------------------------------------------------------ line structure

ZeilenTeile ZeileZerlegen(std::string_view Zeile) {
    const std::size_t p = Zeile.find(':');
    if (p == std::string_view::npos) return {Getrimmt(Zeile), {}};
    return {Getrimmt(Zeile.substr(0, p)), Getrimmt(Zeile.substr(p + 1))};
}

std::string ZeilenPraefix(std::string_view Key) {
    std::string s(Key);
    s += ':';
    // Keys are ASCII except the umlaut of DURCHGÄNGE, which counts as one column.
    const std::size_t spalten = L_STR_Length(s);
    if (spalten < WertSpalte - 1) s.append(WertSpalte - 1 - spalten, ' ');
    return s;
}

std::string ZeileAusDatei(std::string_view Bytes, int FormatNr) {
    if (FormatNr < 3) return CnvWindows1252ToUtf8(L_STR_CnvDosToWindows(Bytes));
    return CnvWindows1252ToUtf8(Bytes);
}

std::string ZeileFuerDatei(std::string_view Text, int FormatNr, bool& Ersetzt) {
    std::string einzeilig(Text);
    for (char& c : einzeilig)
        if (c == '\r' || c == '\n') c = ' ';
    bool ersetzt = false;
    std::string bytes = CnvUtf8ToWindows1252(einzeilig, &ersetzt);
    if (ersetzt) Ersetzt = true;
    if (FormatNr < 3) bytes = L_STR_CnvWindowsToDos(bytes);
    return bytes;
}

// ------------------------------------------------------------------- fields

std::string_view FeldAbtrennen(std::string_view& Rest) {
    bool innen = false;
    for (std::size_t i = 0; i < Rest.size(); ++i) {
        const char c = Rest[i];
        if (c == '\'') {
            innen = !innen;
        } else if (c == ',' && !innen) {
            const std::string_view feld = Rest.substr(0, i);
            Rest.remove_prefix(i + 1);
            return feld;
        }
    }
    const std::string_view feld = Rest;
    Rest = {};
    return feld;
}

std::string FeldInhalt(std::string_view Feld) {
    if (Feld.size() < 3) return {};
    std::size_t i = Feld.find('\'');
    if (i == std::string_view::npos) return {};
    std::string inhalt;
    for (++i; i < Feld.size(); ++i) {
        const char c = Feld[i];
        if (c != '\'') {
            inhalt += c;
        } else if (i + 1 < Feld.size() && Feld[i + 1] == '\'') {
            inhalt += '\'';
            ++i;
        } else {
            return inhalt;
        }
    }
    return {}; // no closing quote
}

std::string SpalteErstenWertAusZeileAb(std::string_view& Rest) { return FeldInhalt(FeldAbtrennen(Rest)); }

std::string SpalteErstenWertAusZeileAb(std::string& Rest) {
    std::string_view r = Rest;
    std::string inhalt = SpalteErstenWertAusZeileAb(r);
    Rest = std::string(r);
    return inhalt;
}

std::string SpalteErstenRohwertAusZeileAb(std::string_view& Rest) {
    const std::string_view feld = FeldAbtrennen(Rest);
    if (feld.find('\'') != std::string_view::npos) return FeldInhalt(feld);
    return std::string(Getrimmt(feld));
}

std::string InKommas(std::string_view Text) {
    std::string s;
    s.reserve(Text.size() + 2);
    s += '\'';
    for (const char c : Text) {
        s += c;
        if (c == '\'') s += '\'';
    }
    s += '\'';
    return s;
}

std::string SetIntoInvertetKommaIfNewFormat(std::string_view Text, int FormatNr) {
    return FormatNr > 2 ? InKommas(Text) : std::string(Text);
}

// ------------------------------------------------------------------ numbers

std::string DateiReal(double x, int MaxWidth, int Decimals) {
    if (!std::isfinite(x)) x = 0;
    std::string s = L_STR_DoubleToStr(x, 1, MaxWidth, 0, Decimals);
    if (!s.empty() && s.find_first_not_of('#') == std::string::npos) {
        // Too wide for the field: keep the value rather than a run of "#",
        // which would read back as 0. A finite double needs at most about
        // 320 characters in fixed notation.
        s = L_STR_DoubleToStr(x, 1, 400, 0, Decimals);
    }
    return s;
}

int DateiInteger(std::string_view Text) { return L_STR_CnvStrToInteger(Text); }

double DateiDouble(std::string_view Text) {
    const double x = L_STR_CnvStrToDouble(Text);
    return std::isfinite(x) ? x : 0.0;
}

bool DateiSchalter10(std::string_view Text) { return Text.find('1') != std::string_view::npos; }

// ------------------------------------------------------------------- persons

std::string InsertName(const NameTyp& n, std::string Line, int FormatNr) {
    if (FormatNr >= 3) {
        Line += InKommas(n.NachnameStr);
        Line += ',';
        Line += InKommas(n.VornameStr);
        Line += ',';
        Line += InKommas(n.TitelStr);
        Line += ',';
    } else {
        Line += InKommas(L_STR_Unblank(n.NachnameStr + " " + n.VornameStr + " " + n.TitelStr));
        Line += ',';
    }
    return Line;
}

void NameDatenParseTitelVorNachname(NameTyp* NamePtr, std::string_view zeile, int FormatNr, bool FormatTeilnehmer) {
    if (!NamePtr) return;
    NameTyp& n = *NamePtr;
    if (FormatNr >= 3) {
        std::string_view rest = zeile;
        n.NachnameStr = SpalteErstenWertAusZeileAb(rest);
        n.VornameStr = SpalteErstenWertAusZeileAb(rest);
        n.TitelStr = SpalteErstenWertAusZeileAb(rest);
    } else {
        const std::string z = L_STR_Unblank(zeile);
        const std::string wort1 = L_STR_GetStrUntilBlank(z);
        const std::string rest1 = L_STR_GetStrAfterBlank(z);
        const std::string wort2 = L_STR_GetStrUntilBlank(rest1);
        const std::string wort3 = L_STR_GetStrUntilBlank(L_STR_GetStrAfterBlank(rest1));
        if (FormatTeilnehmer) {
            n.NachnameStr = wort1;
            n.VornameStr = wort2;
            n.TitelStr = wort3;
        } else {
            n.TitelStr = wort1;
            n.VornameStr = wort2;
            n.NachnameStr = wort3;
            if (n.NachnameStr.empty()) {
                n.NachnameStr = n.VornameStr;
                n.VornameStr = n.TitelStr;
                n.TitelStr.clear();
            }
            if (n.NachnameStr.empty()) {
                n.NachnameStr = n.VornameStr;
                n.VornameStr.clear();
            }
        }
    }
    if (L_STR_Upcase(n.NachnameStr) == "DE") {
        n.NachnameStr += " " + n.VornameStr;
        n.VornameStr = n.TitelStr;
        n.TitelStr.clear();
    }
}

int GetFileFormatNr(std::string_view Key) {
    const int p = L_STR_Pos("Format", Key);
    if (p <= 0) return 1;
    return L_STR_CnvStrToInteger(L_STR_Unblank(L_STR_Copy(Key, p + 6, 6)));
}

} // namespace tavuran
