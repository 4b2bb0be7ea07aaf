#include "core/CodePage.h"

#include <array>

#include "core/Utf8.h"

namespace tavuran {

namespace {

// Characters of the bytes 0x80 to 0x9F; the five unassigned bytes stand for
// the C1 control of the same number, so that every byte survives a round trip.
constexpr char16_t Zeichen80bis9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

// The Windows-1252 byte of cp, or -1 when the code page has no such character.
int Windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (Zeichen80bis9F[i] == cp) return 0x80 + i;
    return -1;
}

// The eleven characters stored differently in the DOS code page of the old
// file formats: Windows-1252 byte and DOS byte. Both sets are disjoint, so the
// table swaps each pair and is its own inverse: every line written with it
// reads back unchanged, and a DOS byte always stands for its character.
constexpr unsigned char DosPaare[11][2] = {
    {0xFC, 0x81}, // ü
    {0xE9, 0x82}, // é
    {0xE4, 0x84}, // ä
    {0xC4, 0x8E}, // Ä
    {0xF6, 0x94}, // ö
    {0xD6, 0x99}, // Ö
    {0xDC, 0x9A}, // Ü
    {0xDF, 0xE1}, // ß
    {0xB5, 0xE6}, // µ
    {0xD8, 0xED}, // Ø
    {0xB0, 0xF8}, // °
};

constexpr std::array<unsigned char, 256> DosTabelle() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (const auto& p : DosPaare) {
        t[p[0]] = p[1];
        t[p[1]] = p[0];
    }
    return t;
}

constexpr std::array<unsigned char, 256> Dos = DosTabelle();

std::string DosTausch(std::string_view s) {
    std::string t(s);
    for (char& c : t) c = static_cast<char>(Dos[static_cast<unsigned char>(c)]);
    return t;
}

void Utf16Dekodieren(std::string_view b, bool bigEndian, std::string& out) {
    const auto einheit = [&](std::size_t i) -> char32_t {
        const unsigned char x = static_cast<unsigned char>(b[i]);
        const unsigned char y = static_cast<unsigned char>(b[i + 1]);
        return bigEndian ? (char32_t(x) << 8 | y) : (char32_t(y) << 8 | x);
    };
    std::size_t i = 0;
    while (i + 1 < b.size()) {
        const char32_t u = einheit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 < b.size()) {
                const char32_t v = einheit(i);
                if (v >= 0xDC00 && v <= 0xDFFF) {
                    i += 2;
                    Utf8Append(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                    continue;
                }
            }
            Utf8Append(out, 0xFFFD);
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            Utf8Append(out, 0xFFFD);
        } else {
            Utf8Append(out, u);
        }
    }
    if (i < b.size()) Utf8Append(out, 0xFFFD); // an odd last byte
}

} // namespace

std::string CnvWindows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else if (b < 0xA0)
            Utf8Append(out, Zeichen80bis9F[b - 0x80]);
        else
            Utf8Append(out, b);
    }
    return out;
}

namespace {

// How characters the code page cannot hold are written.
enum class Ersatz {
    Fragezeichen, // as "?"
    Html,         // as "&#N;"
    Datei,        // as "&#N;", and the "&" of a "&#" in the text as "&#38;"
};

// UTF-8 to Windows-1252; a character the code page cannot hold is written as
// Art says (a byte that is no UTF-8 is always '?').
std::string NachWindows1252(std::string_view utf8, Ersatz Art, bool* ersetzt) {
    const bool Zeichenreferenzen = Art != Ersatz::Fragezeichen;
    std::string out;
    out.reserve(utf8.size());
    bool ersetztLokal = false;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char c = utf8[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            if (Art == Ersatz::Datei && c == '&' && i + 1 < utf8.size() && utf8[i + 1] == '#')
                out += "&#38;";
            else
                out += c;
            ++i;
            continue;
        }
        char32_t cp;
        i += Utf8Decode(utf8, i, cp);
        const int b = Windows1252Byte(cp);
        if (b >= 0) {
            out += static_cast<char>(b);
        } else if (Zeichenreferenzen && cp < Utf8Ungueltig) {
            out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
        } else {
            out += '?';
            ersetztLokal = true;
        }
    }
    if (ersetzt) *ersetzt = ersetztLokal;
    return out;
}

} // namespace

std::string CnvUtf8ToWindows1252(std::string_view utf8, bool* ersetzt) {
    return NachWindows1252(utf8, Ersatz::Fragezeichen, ersetzt);
}

std::string CnvUtf8ToWindows1252Html(std::string_view utf8) { return NachWindows1252(utf8, Ersatz::Html, nullptr); }

std::string CnvUtf8ToWindows1252Datei(std::string_view utf8, bool* ersetzt) {
    return NachWindows1252(utf8, Ersatz::Datei, ersetzt);
}

namespace {

// The reference "&#N;" at position i of text: its character and length, or
// false when there is none there or it is no reference the file writer makes.
bool ReferenzBei(std::string_view text, std::size_t i, char32_t& cp, std::size_t& laenge) {
    if (text.compare(i, 2, "&#") != 0) return false;
    std::size_t k = i + 2;
    char32_t n = 0;
    while (k < text.size() && k - i - 2 < 8 && text[k] >= '0' && text[k] <= '9') n = n * 10 + (text[k++] - '0');
    if (k == i + 2 || k >= text.size() || text[k] != ';') return false;
    const bool gueltig = n <= 0x10FFFF && (n < 0xD800 || n > 0xDFFF);
    if (!gueltig || (n != '&' && Windows1252Byte(n) >= 0)) return false;
    cp = n;
    laenge = k + 1 - i;
    return true;
}

} // namespace

bool HatZeichenreferenz(std::string_view text) {
    for (std::size_t i = text.find("&#"); i != std::string_view::npos; i = text.find("&#", i + 1)) {
        char32_t cp;
        std::size_t laenge;
        if (ReferenzBei(text, i, cp, laenge)) return true;
    }
    return false;
}

std::string CnvZeichenreferenzenLesen(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t a = 0;
    for (std::size_t i = text.find("&#"); i != std::string_view::npos; i = text.find("&#", i)) {
        char32_t cp;
        std::size_t laenge;
        if (!ReferenzBei(text, i, cp, laenge)) {
            ++i;
            continue;
        }
        out.append(text.substr(a, i - a));
        Utf8Append(out, cp);
        i += laenge;
        a = i;
    }
    out.append(text.substr(a));
    return out;
}

bool IstUtf8Text(std::string_view bytes) {
    bool mehrbyte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        i += Utf8Decode(bytes, i, cp);
        if (cp >= Utf8Ungueltig || (cp >= 0x80 && cp < 0xA0)) return false;
        mehrbyte = true;
    }
    return mehrbyte;
}

bool CnvBomTextToUtf8(std::string_view bytes, std::string& utf8) {
    const auto beginntMit = [&](std::string_view m) { return bytes.substr(0, m.size()) == m; };
    if (beginntMit("\xEF\xBB\xBF")) {
        utf8.assign(bytes.substr(3));
        return true;
    }
    const bool le = beginntMit("\xFF\xFE");
    const bool be = beginntMit("\xFE\xFF");
    if (!le && !be) return false;
    std::string out;
    out.reserve(bytes.size());
    Utf16Dekodieren(bytes.substr(2), be, out);
    utf8 = std::move(out);
    return true;
}

std::string L_STR_CnvWindowsToDos(std::string_view s) { return DosTausch(s); }
std::string L_STR_CnvDosToWindows(std::string_view s) { return DosTausch(s); }

} // namespace tavuran
