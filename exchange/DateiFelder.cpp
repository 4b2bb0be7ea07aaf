#include "exchange/DateiFelder.h"

#include <charconv>
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

bool NurAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool MitReferenz(std::string_view s) { return s.find("&#") != std::string_view::npos; }

std::string_view ZeileAusDatei(std::string_view Bytes, int FormatNr, std::string& Puffer, ZeilenKodierung* Art) {
    // ASCII is the same in every code page and in UTF-8.
    if (NurAscii(Bytes)) {
        if (Art) *Art = ZeilenKodierung::Ascii;
        if (!MitReferenz(Bytes) || !HatZeichenreferenz(Bytes)) return Bytes;
        Puffer = CnvZeichenreferenzenLesen(Bytes);
        return Puffer;
    }
    const bool utf8 = IstUtf8Text(Bytes);
    if (Art) *Art = utf8 ? ZeilenKodierung::Utf8 : ZeilenKodierung::Windows1252;
    if (utf8)
        Puffer.assign(Bytes);
    else
        Puffer = FormatNr < 3 ? CnvWindows1252ToUtf8(L_STR_CnvDosToWindows(Bytes)) : CnvWindows1252ToUtf8(Bytes);
    if (MitReferenz(Puffer) && HatZeichenreferenz(Puffer)) Puffer = CnvZeichenreferenzenLesen(Puffer);
    return Puffer;
}

std::string_view ZeileAusUnicode(std::string_view Text, std::string& Puffer) {
    if (!MitReferenz(Text) || !HatZeichenreferenz(Text)) return Text;
    Puffer = CnvZeichenreferenzenLesen(Text);
    return Puffer;
}

std::string ZeileAusDatei(std::string_view Bytes, int FormatNr) {
    std::string puffer;
    return std::string(ZeileAusDatei(Bytes, FormatNr, puffer));
}

void ZeileFuerDateiAnhaengen(std::string& Ziel, std::string_view Text, int FormatNr, bool& Ersetzt) {
    bool einfach = true;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80 ||
            (c == '&' && i + 1 < Text.size() && Text[i + 1] == '#')) {
            einfach = false;
            break;
        }
    }
    if (einfach) {
        Ziel += Text;
        return;
    }
    std::string einzeilig(Text);
    for (char& c : einzeilig)
        if (c == '\r' || c == '\n') c = ' ';
    bool ersetzt = false;
    std::string bytes = CnvUtf8ToWindows1252Datei(einzeilig, &ersetzt);
    if (ersetzt) Ersetzt = true;
    if (FormatNr < 3) bytes = L_STR_CnvWindowsToDos(bytes);
    Ziel += bytes;
}

std::string ZeileFuerDatei(std::string_view Text, int FormatNr, bool& Ersetzt) {
    std::string bytes;
    ZeileFuerDateiAnhaengen(bytes, Text, FormatNr, Ersetzt);
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
    for (++i;;) {
        const std::size_t q = Feld.find('\'', i);
        if (q == std::string_view::npos) return {}; // no closing quote
        inhalt.append(Feld.substr(i, q - i));
        if (q + 1 < Feld.size() && Feld[q + 1] == '\'') {
            inhalt += '\'';
            i = q + 2;
        } else {
            return inhalt;
        }
    }
}

std::string SpalteErstenWertAusZeileAb(std::string_view& Rest) {
    // Most fields are 'text' without inner quotes, followed by a comma or the
    // end: taken in one pass, with the same result as the general way below.
    if (!Rest.empty() && Rest[0] == '\'') {
        std::size_t i = 1;
        while (i < Rest.size() && Rest[i] != '\'') ++i;
        if (i < Rest.size() && (i + 1 == Rest.size() || Rest[i + 1] == ',')) {
            std::string inhalt(Rest.substr(1, i - 1));
            Rest.remove_prefix(i + 1 == Rest.size() ? Rest.size() : i + 2);
            return inhalt;
        }
    }
    return FeldInhalt(FeldAbtrennen(Rest));
}

std::string_view SpalteErstenWertAnsicht(std::string_view& Rest, std::string& Puffer) {
    if (!Rest.empty() && Rest[0] == '\'') {
        const std::size_t i = Rest.find('\'', 1);
        if (i != std::string_view::npos && (i + 1 == Rest.size() || Rest[i + 1] == ',')) {
            const std::string_view inhalt = Rest.substr(1, i - 1);
            Rest.remove_prefix(i + 1 == Rest.size() ? Rest.size() : i + 2);
            return inhalt;
        }
    }
    Puffer = FeldInhalt(FeldAbtrennen(Rest));
    return Puffer;
}

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

void InKommasAnhaengen(std::string& Ziel, std::string_view Text) {
    Ziel += '\'';
    std::size_t a = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '\'') {
            Ziel.append(Text.substr(a, i + 1 - a));
            Ziel += '\'';
            a = i + 1;
        }
    }
    Ziel.append(Text.substr(a));
    Ziel += '\'';
}

std::string InKommas(std::string_view Text) {
    std::string s;
    s.reserve(Text.size() + 2);
    InKommasAnhaengen(s, Text);
    return s;
}

std::string SetIntoInvertetKommaIfNewFormat(std::string_view Text, int FormatNr) {
    return FormatNr > 2 ? InKommas(Text) : std::string(Text);
}

// ------------------------------------------------------------------ numbers

std::string DateiReal(double x, int MaxWidth, int Decimals) {
    if (!std::isfinite(x)) x = 0;
    // Whole numbers of moderate size come out of the rounding unchanged and
    // without decimals (0 without sign): their text is the integer's.
    if (x == std::trunc(x) && std::fabs(x) < 1e9 && Decimals >= 0 && Decimals <= 9) {
        char buf[16];
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
        return std::string(buf, r.ptr);
    }
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

// A plain decimal number: optional minus, digits, optionally a point and digits.
bool IstSchlichteZahl(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    const std::size_t a = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == a) return false;
    if (i < t.size() && t[i] == '.') {
        const std::size_t b = ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        if (i == b) return false;
    }
    return i == t.size();
}

double DateiDouble(std::string_view Text) {
    // The common case, read exactly as L_STR_CnvStrToDouble would, without its copies.
    if (Text.size() <= 32 && IstSchlichteZahl(Text)) {
        double v = 0;
        const auto r = std::from_chars(Text.data(), Text.data() + Text.size(), v);
        if (r.ec == std::errc()) return v;
    }
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
    } else if (const std::string z = L_STR_Unblank(zeile); z.find(',') != std::string::npos) {
        // "Name, Vorname": the surname before the comma, the first names after it.
        const std::size_t k = z.find(',');
        n.NachnameStr = L_STR_Unblank(z.substr(0, k));
        n.VornameStr = L_STR_Unblank(z.substr(k + 1));
        n.TitelStr.clear();
    } else {
        const std::string wort1 = L_STR_GetStrUntilBlank(z);
        const std::string rest1 = L_STR_GetStrAfterBlank(z);
        const std::string wort2 = L_STR_GetStrUntilBlank(rest1);
        const std::string rest2 = L_STR_Unblank(L_STR_GetStrAfterBlank(rest1));
        const std::string wort3 = L_STR_GetStrUntilBlank(rest2);
        if (!L_STR_Unblank(L_STR_GetStrAfterBlank(rest2)).empty()) {
            // More than three words: none is dropped. Surname first, the
            // title takes the rest; title first, the last two words are first
            // name and surname ("Prof. Dr. Eva Beispiel").
            if (FormatTeilnehmer) {
                n.NachnameStr = wort1;
                n.VornameStr = wort2;
                n.TitelStr = rest2;
            } else {
                const std::size_t letztes = z.find_last_of(' ');
                const std::string vorne = L_STR_Unblank(z.substr(0, letztes));
                const std::size_t vorletztes = vorne.find_last_of(' ');
                n.NachnameStr = z.substr(letztes + 1);
                n.VornameStr = vorne.substr(vorletztes + 1);
                n.TitelStr = L_STR_Unblank(vorne.substr(0, vorletztes));
            }
        } else if (FormatTeilnehmer) {
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
