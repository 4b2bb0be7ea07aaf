#include "reports/TrueTypeSchrift.h"

#include <algorithm>
#include <cstring>

namespace tavuran {

namespace {

// Big-endian numbers of a table; reading past its end gives 0, so that a
// damaged table never reads outside its bytes.
struct Leser {
    std::string_view d;
    std::uint32_t U8(std::size_t i) const { return i < d.size() ? static_cast<unsigned char>(d[i]) : 0u; }
    std::uint16_t U16(std::size_t i) const { return static_cast<std::uint16_t>(U8(i) << 8 | U8(i + 1)); }
    std::int16_t I16(std::size_t i) const { return static_cast<std::int16_t>(U16(i)); }
    std::uint32_t U32(std::size_t i) const { return U16(i) << 16 | U16(i + 2); }
    bool Hat(std::size_t i, std::size_t n) const { return i <= d.size() && n <= d.size() - i; }
};

void Setze16(std::string& s, std::size_t i, std::uint16_t v) {
    s[i] = static_cast<char>(v >> 8);
    s[i + 1] = static_cast<char>(v & 0xFF);
}
void Setze32(std::string& s, std::size_t i, std::uint32_t v) {
    Setze16(s, i, static_cast<std::uint16_t>(v >> 16));
    Setze16(s, i + 2, static_cast<std::uint16_t>(v & 0xFFFF));
}
void An16(std::string& s, std::uint32_t v) {
    s += static_cast<char>((v >> 8) & 0xFF);
    s += static_cast<char>(v & 0xFF);
}
void An32(std::string& s, std::uint32_t v) {
    An16(s, v >> 16);
    An16(s, v & 0xFFFF);
}

std::uint32_t Pruefsumme(std::string_view t) {
    std::uint32_t summe = 0;
    const Leser l{t};
    for (std::size_t i = 0; i < t.size(); i += 4) summe += l.U32(i);
    return summe;
}

// The PostScript name from the name table, reduced to the characters a PDF
// name may carry without escapes.
std::string PostScriptName(std::string_view name) {
    const Leser l{name};
    const std::size_t anzahl = l.U16(2), text = l.U16(4);
    std::string gefunden;
    for (std::size_t k = 0; k < anzahl; ++k) {
        const std::size_t r = 6 + 12 * k;
        if (l.U16(r + 6) != 6) continue;
        const std::uint16_t plattform = l.U16(r), laenge = l.U16(r + 8), ab = l.U16(r + 10);
        std::string s;
        const std::size_t von = text + ab;
        if (plattform == 3 || plattform == 0)
            for (std::size_t i = 0; i + 1 < laenge; i += 2) s += static_cast<char>(l.U16(von + i) < 0x80 ? l.U16(von + i) : '?');
        else if (plattform == 1)
            for (std::size_t i = 0; i < laenge; ++i) s += static_cast<char>(l.U8(von + i));
        gefunden = s;
        if (plattform == 3) break;
    }
    std::string n;
    for (const char c : gefunden)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') n += c;
    return n.empty() ? std::string("Schrift") : n.substr(0, 63);
}

} // namespace

bool SfntTabellenLesen(std::string_view Datei, std::map<std::string, std::string>& Tabellen, std::string& Grund) {
    Leser l{Datei};
    std::size_t kopf = 0;
    if (Datei.substr(0, 4) == "ttcf") kopf = l.U32(12);
    const std::uint32_t version = l.U32(kopf);
    if (version != 0x00010000 && version != 0x74727565 /* true */ && version != 0x4F54544F /* OTTO */) {
        Grund = "Keine TrueType-Schriftdatei.";
        return false;
    }
    const std::size_t anzahl = l.U16(kopf + 4);
    if (!l.Hat(kopf + 12, 16 * anzahl)) {
        Grund = "Die Schriftdatei ist unvollständig.";
        return false;
    }
    Tabellen.clear();
    for (std::size_t k = 0; k < anzahl; ++k) {
        const std::size_t r = kopf + 12 + 16 * k;
        const std::uint32_t ab = l.U32(r + 8), laenge = l.U32(r + 12);
        if (!l.Hat(ab, laenge)) {
            Grund = "Die Schriftdatei ist unvollständig.";
            return false;
        }
        Tabellen[std::string(Datei.substr(r, 4))] = std::string(Datei.substr(ab, laenge));
    }
    return true;
}

std::unique_ptr<TrueTypeSchrift> TrueTypeSchrift::Lesen(const SchriftTabellen& Tabellen, std::string& Grund) {
    std::unique_ptr<TrueTypeSchrift> s(new TrueTypeSchrift);
    const std::string head = Tabellen("head"), hhea = Tabellen("hhea"), hmtx = Tabellen("hmtx"),
                      maxp = Tabellen("maxp"), cmap = Tabellen("cmap"), loca = Tabellen("loca");
    s->glyf_ = Tabellen("glyf");
    if (s->glyf_.empty() || loca.empty()) {
        Grund = "Die Schrift hat keine TrueType-Umrisse.";
        return nullptr;
    }
    if (head.size() < 54 || hhea.size() < 36 || maxp.size() < 6 || cmap.size() < 4) {
        Grund = "Der Schrift fehlen Tabellen.";
        return nullptr;
    }
    const Leser h{head}, hh{hhea}, m{maxp}, lo{loca};
    s->einheiten_ = h.U16(18);
    if (s->einheiten_ < 16 || s->einheiten_ > 16384) {
        Grund = "Die Schrift hat eine ungültige Größe.";
        return nullptr;
    }
    s->rahmen_ = {h.I16(36), h.I16(38), h.I16(40), h.I16(42)};
    s->kursiv_ = (h.U16(44) & 2) != 0;
    s->glyphen_ = m.U16(4);
    s->ober_ = hh.I16(4);
    s->unter_ = -hh.I16(6);

    // Offsets of the outlines, checked against the outline table.
    const bool lang = h.I16(50) == 1;
    const std::size_t n = static_cast<std::size_t>(s->glyphen_) + 1;
    if (!lo.Hat(0, n * (lang ? 4 : 2))) {
        Grund = "Die Schrift hat eine unvollständige Glyphentabelle.";
        return nullptr;
    }
    s->loca_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t a = lang ? lo.U32(4 * i) : static_cast<std::uint32_t>(lo.U16(2 * i)) * 2;
        if (a > s->glyf_.size() || (i > 0 && a < s->loca_[i - 1])) {
            Grund = "Die Schrift hat eine ungültige Glyphentabelle.";
            return nullptr;
        }
        s->loca_[i] = a;
    }

    // Advances: the last one given holds for the glyphs after it.
    const Leser hm{hmtx};
    const std::size_t metriken = std::min<std::size_t>(hh.U16(34), hmtx.size() / 4);
    if (metriken == 0) {
        Grund = "Der Schrift fehlen die Breiten.";
        return nullptr;
    }
    s->vorschub_.resize(static_cast<std::size_t>(s->glyphen_));
    for (std::size_t g = 0; g < s->vorschub_.size(); ++g)
        s->vorschub_[g] = hm.U16(4 * std::min(g, metriken - 1));

    // Characters to glyphs: the Unicode subtable, full range (format 12) if
    // there is one, else the basic plane (format 4).
    const Leser c{cmap};
    std::size_t format4 = 0, format12 = 0;
    for (std::size_t k = 0, anzahl = c.U16(2); k < anzahl; ++k) {
        const std::uint16_t plattform = c.U16(4 + 8 * k), kodierung = c.U16(6 + 8 * k);
        const std::uint32_t ab = c.U32(8 + 8 * k);
        if (!c.Hat(ab, 4)) continue;
        const std::uint16_t format = c.U16(ab);
        const bool unicode = plattform == 0 || (plattform == 3 && (kodierung == 1 || kodierung == 10));
        if (!unicode) continue;
        if (format == 12 && !format12) format12 = ab;
        if (format == 4 && !format4) format4 = ab;
    }
    s->bmp_.assign(0x10000, 0);
    const auto gueltig = [&](std::uint32_t g) { return g < static_cast<std::uint32_t>(s->glyphen_) ? g : 0u; };
    if (format12) {
        const std::uint32_t gruppen = c.U32(format12 + 12);
        // No more characters are taken than Unicode has, however the groups overlap.
        std::uint32_t genommen = 0;
        for (std::uint32_t k = 0; k < gruppen && c.Hat(format12 + 16 + 12 * k, 12); ++k) {
            const std::size_t r = format12 + 16 + 12 * k;
            const std::uint32_t von = c.U32(r), bis = std::min<std::uint32_t>(c.U32(r + 4), 0x10FFFF), g = c.U32(r + 8);
            for (std::uint32_t z = von; z <= bis && genommen < 0x110000; ++z, ++genommen) {
                const auto glyphe = static_cast<std::uint16_t>(gueltig(g + (z - von)));
                if (z < 0x10000) s->bmp_[z] = glyphe;
                else s->weitere_[z] = glyphe;
            }
        }
    } else if (format4) {
        const std::size_t segmente = c.U16(format4 + 6) / 2;
        const std::size_t enden = format4 + 14, anfaenge = enden + 2 * segmente + 2, deltas = anfaenge + 2 * segmente,
                          versatz = deltas + 2 * segmente;
        for (std::size_t k = 0; k < segmente; ++k) {
            const std::uint32_t ende = c.U16(enden + 2 * k), anfang = c.U16(anfaenge + 2 * k);
            const std::uint16_t delta = c.U16(deltas + 2 * k), v = c.U16(versatz + 2 * k);
            for (std::uint32_t z = anfang; z <= ende && z < 0x10000; ++z) {
                std::uint32_t g = 0;
                if (v == 0) {
                    g = (z + delta) & 0xFFFF;
                } else {
                    g = c.U16(versatz + 2 * k + v + 2 * (z - anfang));
                    if (g != 0) g = (g + delta) & 0xFFFF;
                }
                s->bmp_[z] = static_cast<std::uint16_t>(gueltig(g));
            }
        }
    } else {
        Grund = "Die Schrift hat keine Unicode-Zeichentabelle.";
        return nullptr;
    }

    const std::string os2 = Tabellen("OS/2"), post = Tabellen("post");
    const Leser o{os2}, p{post};
    if (os2.size() >= 90 && o.U16(0) >= 2) s->versal_ = o.I16(88);
    if (s->versal_ <= 0) s->versal_ = s->ober_;
    if (os2.size() >= 64) s->kursiv_ = s->kursiv_ || (o.U16(62) & 1) != 0;
    if (post.size() >= 8) s->winkel_ = static_cast<std::int16_t>(p.U16(4));
    s->name_ = PostScriptName(Tabellen("name"));

    std::string kopf = head;
    Setze16(kopf, 50, 1);  // the subset's offsets are long
    Setze32(kopf, 8, 0);   // the whole font's checksum, set when it is written
    s->kopie_["head"] = kopf;
    s->kopie_["hhea"] = hhea;
    s->kopie_["hmtx"] = hmtx;
    s->kopie_["maxp"] = maxp;
    for (const char* t : {"cvt ", "fpgm", "prep"})
        if (std::string tab = Tabellen(t); !tab.empty()) s->kopie_[t] = std::move(tab);
    return s;
}

std::uint16_t TrueTypeSchrift::Glyphe(char32_t c) const {
    if (c < 0x10000) return bmp_[c];
    const auto it = weitere_.find(c);
    return it != weitere_.end() ? it->second : 0;
}

int TrueTypeSchrift::Vorschub(std::uint16_t g) const { return g < vorschub_.size() ? vorschub_[g] : 0; }

std::string_view TrueTypeSchrift::Umriss(std::uint16_t g) const {
    if (g >= glyphen_) return {};
    return std::string_view(glyf_).substr(loca_[g], loca_[g + 1u] - loca_[g]);
}

std::string TrueTypeSchrift::Teilmenge(const std::vector<bool>& Benutzt) const {
    // The glyphs used and the ones a composite glyph is built from.
    std::vector<bool> behalten(static_cast<std::size_t>(glyphen_), false);
    std::vector<std::uint16_t> offen;
    const auto merken = [&](std::uint16_t g) {
        if (g < behalten.size() && !behalten[g]) {
            behalten[g] = true;
            offen.push_back(g);
        }
    };
    merken(0);
    for (std::size_t g = 0; g < Benutzt.size() && g < behalten.size(); ++g)
        if (Benutzt[g]) merken(static_cast<std::uint16_t>(g));
    while (!offen.empty()) {
        const std::uint16_t g = offen.back();
        offen.pop_back();
        const Leser u{Umriss(g)};
        if (u.d.size() < 10 || u.I16(0) >= 0) continue;
        // A composite: its parts follow the header, each with its flags.
        std::size_t i = 10;
        for (;;) {
            if (!u.Hat(i, 4)) break;
            const std::uint16_t flags = u.U16(i), teil = u.U16(i + 2);
            merken(teil);
            i += 4 + ((flags & 0x0001) ? 4 : 2);
            if (flags & 0x0008) i += 2;
            else if (flags & 0x0040) i += 4;
            else if (flags & 0x0080) i += 8;
            if (!(flags & 0x0020)) break;
        }
    }

    std::string glyf, loca;
    for (std::size_t g = 0; g < behalten.size(); ++g) {
        An32(loca, static_cast<std::uint32_t>(glyf.size()));
        if (!behalten[g]) continue;
        glyf += Umriss(static_cast<std::uint16_t>(g));
        while (glyf.size() % 4) glyf += '\0';
    }
    An32(loca, static_cast<std::uint32_t>(glyf.size()));

    std::map<std::string, std::string> tabellen = kopie_;
    tabellen["glyf"] = std::move(glyf);
    tabellen["loca"] = std::move(loca);

    // The file: its directory, then the tables, each on four bytes.
    const auto anzahl = static_cast<std::uint16_t>(tabellen.size());
    std::uint16_t potenz = 1, stufe = 0;
    while (potenz * 2 <= anzahl) {
        potenz = static_cast<std::uint16_t>(potenz * 2);
        ++stufe;
    }
    std::string f;
    An32(f, 0x00010000);
    An16(f, anzahl);
    An16(f, potenz * 16u);
    An16(f, stufe);
    An16(f, anzahl * 16u - potenz * 16u);
    std::size_t ab = 12 + 16 * static_cast<std::size_t>(anzahl);
    std::size_t kopfAb = 0;
    for (const auto& [tag, t] : tabellen) {
        f += tag.substr(0, 4);
        std::string aufgefuellt = t;
        while (aufgefuellt.size() % 4) aufgefuellt += '\0';
        An32(f, Pruefsumme(aufgefuellt));
        An32(f, static_cast<std::uint32_t>(ab));
        An32(f, static_cast<std::uint32_t>(t.size()));
        if (tag == "head") kopfAb = ab;
        ab += aufgefuellt.size();
    }
    for (const auto& [tag, t] : tabellen) {
        f += t;
        while (f.size() % 4) f += '\0';
    }
    if (kopfAb + 12 <= f.size()) Setze32(f, kopfAb + 8, 0xB1B0AFBAu - Pruefsumme(f));
    return f;
}

} // namespace tavuran
