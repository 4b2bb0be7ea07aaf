// Reading and writing UTF-8 character by character.
//
// Invalid input is never an error: a byte that does not begin a well-formed
// sequence (stray continuation byte, truncated or overlong sequence, encoded
// surrogate, value above U+10FFFF) counts as one character of its own. Such a
// character is reported as Utf8Ungueltig + the byte value, a number above
// U+10FFFF that no real character has, so it never equals a character searched
// for.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavuran {

inline constexpr char32_t Utf8Ungueltig = 0x110000;

// Decodes the character starting at byte i of s (i < s.size()) into cp and
// returns its length in bytes (1 to 4).
inline std::size_t Utf8Decode(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = b(i);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    const std::size_t rest = s.size() - i - 1;
    const auto cont = [&](std::size_t k) { return (b(k) & 0xC0) == 0x80; };
    if (b0 >= 0xC2 && b0 < 0xE0) {
        if (rest >= 1 && cont(i + 1)) {
            cp = (char32_t(b0 & 0x1F) << 6) | (b(i + 1) & 0x3F);
            return 2;
        }
    } else if (b0 >= 0xE0 && b0 < 0xF0) {
        if (rest >= 2) {
            const unsigned char b1 = b(i + 1);
            const unsigned char lo = b0 == 0xE0 ? 0xA0 : 0x80;
            const unsigned char hi = b0 == 0xED ? 0x9F : 0xBF;
            if (b1 >= lo && b1 <= hi && cont(i + 2)) {
                cp = (char32_t(b0 & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | (b(i + 2) & 0x3F);
                return 3;
            }
        }
    } else if (b0 >= 0xF0 && b0 < 0xF5) {
        if (rest >= 3) {
            const unsigned char b1 = b(i + 1);
            const unsigned char lo = b0 == 0xF0 ? 0x90 : 0x80;
            const unsigned char hi = b0 == 0xF4 ? 0x8F : 0xBF;
            if (b1 >= lo && b1 <= hi && cont(i + 2) && cont(i + 3)) {
                cp = (char32_t(b0 & 0x07) << 18) | (char32_t(b1 & 0x3F) << 12) |
                     (char32_t(b(i + 2) & 0x3F) << 6) | (b(i + 3) & 0x3F);
                return 4;
            }
        }
    }
    cp = Utf8Ungueltig + b0;
    return 1;
}

// True when byte position p of s begins a character (or is the end of s), i.e.
// it does not lie inside a well-formed multi-byte sequence.
inline bool Utf8IstZeichenanfang(std::string_view s, std::size_t p) {
    if (p == 0 || p >= s.size()) return true;
    if ((static_cast<unsigned char>(s[p]) & 0xC0) != 0x80) return true;
    // Walk back over at most three continuation bytes to the byte that may
    // begin the sequence p belongs to.
    for (std::size_t k = 1; k <= 3 && k <= p; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[p - k]);
        if ((c & 0xC0) != 0x80) {
            char32_t cp;
            return Utf8Decode(s, p - k, cp) <= k;
        }
    }
    return true;
}

// Appends the UTF-8 form of cp; false (nothing appended) when cp is not a
// character (surrogate or above U+10FFFF).
inline bool Utf8Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        if (cp >= 0xD800 && cp <= 0xDFFF) return false;
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp <= 0x10FFFF) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        return false;
    }
    return true;
}

// Number of characters in s.
inline std::size_t Utf8Laenge(std::string_view s) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
        } else {
            char32_t cp;
            i += Utf8Decode(s, i, cp);
        }
        ++n;
    }
    return n;
}

// Byte offset after the first `count` characters of s (s.size() when s is shorter).
inline std::size_t Utf8ZeichenOffset(std::string_view s, std::size_t count) {
    std::size_t i = 0;
    while (count > 0 && i < s.size()) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
        } else {
            char32_t cp;
            i += Utf8Decode(s, i, cp);
        }
        --count;
    }
    return i;
}

} // namespace tavuran
