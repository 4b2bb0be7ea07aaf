#include "reports/PdfAusgabe.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include <zlib.h>

#include "core/Utf8.h"

namespace tavuran {

namespace {

// Numbers as a PDF reads them: never in the locale's format.
void Ganz(std::string& s, long long v) {
    char b[24];
    const auto r = std::to_chars(b, b + sizeof b, v);
    s.append(b, r.ptr);
}
void Dezimal(std::string& s, double v) {
    char b[40];
    const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed, 6);
    std::string_view t(b, static_cast<std::size_t>(r.ptr - b));
    while (t.size() > 1 && t.back() == '0') t.remove_suffix(1);
    if (!t.empty() && t.back() == '.') t.remove_suffix(1);
    if (t == "-0") t = "0";
    s += t;
}
void Hex4(std::string& s, unsigned v) {
    static constexpr char Ziffern[] = "0123456789ABCDEF";
    for (int k = 12; k >= 0; k -= 4) s += Ziffern[(v >> k) & 0xF];
}
void Farbe(std::string& s, DruckFarbe f) {
    Dezimal(s, f.R / 255.0);
    s += ' ';
    Dezimal(s, f.G / 255.0);
    s += ' ';
    Dezimal(s, f.B / 255.0);
}
// A character as UTF-16, hexadecimal.
void Utf16Hex(std::string& s, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        Hex4(s, 0xD800 + static_cast<unsigned>(c >> 10));
        Hex4(s, 0xDC00 + static_cast<unsigned>(c & 0x3FF));
    } else {
        Hex4(s, static_cast<unsigned>(c));
    }
}

std::string Komprimiert(std::string_view d) {
    uLongf laenge = compressBound(static_cast<uLong>(d.size()));
    std::string z(laenge, '\0');
    if (compress2(reinterpret_cast<Bytef*>(z.data()), &laenge, reinterpret_cast<const Bytef*>(d.data()),
                  static_cast<uLong>(d.size()), 1) != Z_OK)
        return {};
    z.resize(laenge);
    return z;
}

// A font of the document: its program and the glyphs its texts use.
struct DokumentSchrift {
    const TrueTypeSchrift* Programm = nullptr;
    std::vector<bool> Benutzt;
    std::map<std::uint16_t, char32_t> Zeichen; // the character each glyph stands for
};

// A font at one size: the heights and the widths of the texts measured in it.
struct Schriftgroesse {
    int Schrift = -1; // index of the document's font; -1: none can be embedded
    std::string Name;
    int Pixel = 1, Zelle = 1, Oberlaenge = 1;
    std::unordered_map<std::string, int, DruckTextHash, std::equal_to<>> Breiten;
};

class PdfCanvas : public DruckCanvas {
  public:
    PdfCanvas(const PdfSchriften& Quelle, int Breite, int Hoehe, int Aufloesung)
        : quelle_(Quelle), breite_(Breite), hoehe_(Hoehe), aufloesung_(Aufloesung) {
        SetSchrift(schrift_);
    }

    int Breite() const override { return breite_; }
    int Hoehe() const override { return hoehe_; }
    int Aufloesung() const override { return aufloesung_; }

    void RechteckFuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe F) override {
        if (Rechts <= Links || Unten <= Oben) return;
        Fuellen({Links, Oben, Rechts, Unten}, F);
    }
    void Linie(int x0, int y0, int x1, int y1, DruckFarbe F) override {
        if (x0 == x1 || y0 == y1) {
            // Straight lines as filled pixels, as on every other device.
            Fuellen({std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1}, F);
            return;
        }
        FlaechenZeichnen();
        if (!(strich_ == F)) {
            Farbe(inhalt_, F);
            inhalt_ += " RG\n";
            strich_ = F;
        }
        inhalt_ += "1 w ";
        Dezimal(inhalt_, x0 + 0.5);
        inhalt_ += ' ';
        Dezimal(inhalt_, y0 + 0.5);
        inhalt_ += " m ";
        Dezimal(inhalt_, x1 + 0.5);
        inhalt_ += ' ';
        Dezimal(inhalt_, y1 + 0.5);
        inhalt_ += " l S\n";
    }

    // One stroke with a dash pattern instead of a rectangle per dash.
    void Gestrichelt(int x0, int x1, int y, int Dicke, int Strich, int Abstand, DruckFarbe F) override {
        if (Strich < 1 || Abstand < 1 || Dicke < 1 || x1 <= x0) return;
        const long long n = (static_cast<long long>(x1) - x0 + Abstand - 1) / Abstand;
        const long long ende = x0 + (n - 1) * Abstand + Strich;
        FlaechenZeichnen();
        inhalt_ += "q ";
        Farbe(inhalt_, F);
        inhalt_ += " RG ";
        Ganz(inhalt_, Dicke);
        inhalt_ += " w 0 J [";
        if (Strich < Abstand) {
            Ganz(inhalt_, Strich);
            inhalt_ += ' ';
            Ganz(inhalt_, Abstand - Strich);
        }
        inhalt_ += "] 0 d ";
        Ganz(inhalt_, x0);
        inhalt_ += ' ';
        Dezimal(inhalt_, y + Dicke / 2.0);
        inhalt_ += " m ";
        Ganz(inhalt_, ende);
        inhalt_ += ' ';
        Dezimal(inhalt_, y + Dicke / 2.0);
        inhalt_ += " l S Q\n";
    }

    void SetSchrift(const DruckSchrift& S) override {
        const bool gleich = groesse_ && S.Name == schrift_.Name && S.Hoehe == schrift_.Hoehe && S.Fett == schrift_.Fett &&
                            S.Kursiv == schrift_.Kursiv;
        if (!gleich) groesse_ = &GroesseFuer(S);
        schrift_ = S;
    }
    DruckSchrift GetSchrift() const override { return schrift_; }

    void Text(int x, int y, std::string_view T, int ClipBreite) override {
        if (T.empty() || ClipBreite == 0) return;
        Schriftgroesse& g = *groesse_;
        if (g.Schrift < 0) {
            if (grund_.empty()) grund_ = "Die Schrift „" + g.Name + "“ kann nicht eingebettet werden.";
            return;
        }
        DokumentSchrift& d = schriften_[static_cast<std::size_t>(g.Schrift)];
        const int breite = Breite(g, T);
        const bool clip = ClipBreite > 0 && breite > ClipBreite;
        // Held-back fills under the text first.
        if (flaechen_.UnterText(x, y, clip ? ClipBreite : breite, g.Zelle)) FlaechenZeichnen();

        glyphen_.clear();
        for (std::size_t i = 0; i < T.size();) {
            char32_t c;
            i += Utf8Decode(T, i, c);
            const std::uint16_t gl = d.Programm->Glyphe(c);
            if (gl == 0 && c >= 0x20) {
                if (grund_.empty()) {
                    grund_ = "Das Zeichen U+";
                    Hex4(grund_, static_cast<unsigned>(c));
                    grund_ += " fehlt in der Schrift „" + g.Name + "“.";
                }
                return;
            }
            if (gl == 0) continue; // control characters draw nothing
            Hex4(glyphen_, gl);
            if (!d.Benutzt[gl]) {
                d.Benutzt[gl] = true;
                d.Zeichen.emplace(gl, c);
            }
        }
        if (!(fuellung_ == schrift_.Farbe)) {
            Farbe(inhalt_, schrift_.Farbe);
            inhalt_ += " rg\n";
            fuellung_ = schrift_.Farbe;
        }
        if (gesetzt_ != &g) {
            inhalt_ += "/F";
            Ganz(inhalt_, g.Schrift + 1);
            inhalt_ += ' ';
            Ganz(inhalt_, g.Pixel);
            inhalt_ += " Tf\n";
            gesetzt_ = &g;
        }
        if (clip) {
            // Only a text wider than its room is clipped.
            inhalt_ += "q ";
            Ganz(inhalt_, x);
            inhalt_ += ' ';
            Ganz(inhalt_, y);
            inhalt_ += ' ';
            Ganz(inhalt_, ClipBreite);
            inhalt_ += ' ';
            Ganz(inhalt_, g.Zelle);
            inhalt_ += " re W n\n";
        }
        // The page is drawn upside down (device pixels from the top): the
        // text matrix turns the glyphs upright again.
        inhalt_ += "BT 1 0 0 -1 ";
        Ganz(inhalt_, x);
        inhalt_ += ' ';
        Ganz(inhalt_, y + g.Oberlaenge);
        inhalt_ += " Tm <";
        inhalt_ += glyphen_;
        inhalt_ += "> Tj ET\n";
        if (clip) inhalt_ += "Q\n";
    }
    int TextBreite(std::string_view T) override { return Breite(*groesse_, T); }
    int TextHoehe(std::string_view) override { return groesse_->Zelle; }

    void SeiteBeginnen(const std::string& Matrix) {
        inhalt_ = Matrix;
        fuellung_ = DruckSchwarz;
        strich_ = DruckSchwarz;
        gesetzt_ = nullptr;
        SetSchrift(DruckSchrift{});
    }
    std::string SeiteBeenden() {
        FlaechenZeichnen();
        return std::move(inhalt_);
    }
    const std::string& Grund() const { return grund_; }
    const std::vector<DokumentSchrift>& Schriften() const { return schriften_; }

  private:
    void FlaechenZeichnen() {
        if (flaechen_.Leer()) return;
        if (!(fuellung_ == flaechen_.Farbe())) {
            Farbe(inhalt_, flaechen_.Farbe());
            inhalt_ += " rg\n";
            fuellung_ = flaechen_.Farbe();
        }
        for (const DruckFlaechen::Rechteck& r : flaechen_.Flaechen()) {
            Ganz(inhalt_, r.Links);
            inhalt_ += ' ';
            Ganz(inhalt_, r.Oben);
            inhalt_ += ' ';
            Ganz(inhalt_, r.Rechts - r.Links);
            inhalt_ += ' ';
            Ganz(inhalt_, r.Unten - r.Oben);
            inhalt_ += " re\n";
        }
        inhalt_ += "f\n";
        flaechen_.Leeren();
    }
    void Fuellen(const DruckFlaechen::Rechteck& r, DruckFarbe F) {
        flaechen_.Fuellen(r, F, [this] { FlaechenZeichnen(); });
    }

    int Breite(Schriftgroesse& g, std::string_view T) {
        const auto it = g.Breiten.find(T);
        if (it != g.Breiten.end()) return it->second;
        long long einheiten = 0;
        int b = 0;
        if (g.Schrift >= 0) {
            const TrueTypeSchrift& p = *schriften_[static_cast<std::size_t>(g.Schrift)].Programm;
            for (std::size_t i = 0; i < T.size();) {
                char32_t c;
                i += Utf8Decode(T, i, c);
                einheiten += p.Vorschub(p.Glyphe(c));
            }
            b = static_cast<int>((einheiten * g.Pixel + p.EinheitenProEm() / 2) / p.EinheitenProEm());
        } else {
            b = static_cast<int>(Utf8Laenge(T)) * g.Pixel / 2;
        }
        g.Breiten.emplace(std::string(T), b);
        return b;
    }

    Schriftgroesse& GroesseFuer(const DruckSchrift& S) {
        const int hoehe = std::max(1, S.Hoehe);
        auto& platz = groessen_[{S.Name, hoehe, S.Fett, S.Kursiv}];
        if (platz) return *platz;
        platz = std::make_unique<Schriftgroesse>();
        Schriftgroesse& g = *platz;
        g.Name = S.Name;
        const TrueTypeSchrift* p = quelle_ ? quelle_(S) : nullptr;
        if (!p) {
            g.Pixel = g.Zelle = hoehe;
            g.Oberlaenge = hoehe * 13 / 16;
            return g;
        }
        const auto it = std::find_if(schriften_.begin(), schriften_.end(),
                                     [p](const DokumentSchrift& d) { return d.Programm == p; });
        g.Schrift = static_cast<int>(it - schriften_.begin());
        if (it == schriften_.end()) {
            schriften_.push_back({p, std::vector<bool>(static_cast<std::size_t>(p->AnzahlGlyphen()), false), {}});
        }
        // The height of a font is its cell height (above and below the
        // baseline, each rounded to a pixel), not its em size: the largest
        // whole pixel size whose cell fits.
        const long long em = p->EinheitenProEm();
        const auto gerundet = [em](long long v) { return static_cast<int>((2 * v + em) / (2 * em)); };
        const auto ober = [&](int px) { return gerundet(static_cast<long long>(std::max(0, p->Oberlaenge())) * px); };
        const auto zelle = [&](int px) {
            return ober(px) + gerundet(static_cast<long long>(std::max(0, p->Unterlaenge())) * px);
        };
        int px = hoehe;
        if (zelle(px) > hoehe) px = std::max(1, hoehe * hoehe / zelle(px));
        while (px > 1 && zelle(px) > hoehe) --px;
        g.Pixel = px;
        g.Zelle = zelle(px);
        g.Oberlaenge = ober(px);
        return g;
    }

    const PdfSchriften& quelle_;
    int breite_, hoehe_, aufloesung_;
    DruckSchrift schrift_;
    std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<Schriftgroesse>> groessen_;
    Schriftgroesse* groesse_ = nullptr;
    std::vector<DokumentSchrift> schriften_;
    std::string inhalt_, glyphen_, grund_;
    // the state the page's content has set: fill and stroke colour, font
    DruckFarbe fuellung_ = DruckSchwarz, strich_ = DruckSchwarz;
    const Schriftgroesse* gesetzt_ = nullptr;
    DruckFlaechen flaechen_;
};

// The objects of the file with their offsets, and the cross-reference table.
class PdfDatei {
  public:
    PdfDatei() { d_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
    void Objekt(int Nr, std::string_view Inhalt) {
        Platz(Nr);
        Ganz(d_, Nr);
        d_ += " 0 obj\n";
        d_ += Inhalt;
        d_ += "\nendobj\n";
    }
    void Strom(int Nr, std::string_view Daten, std::string_view Zusatz = {}) {
        Platz(Nr);
        Ganz(d_, Nr);
        d_ += " 0 obj\n<< /Length ";
        Ganz(d_, static_cast<long long>(Daten.size()));
        d_ += " /Filter /FlateDecode";
        d_ += Zusatz;
        d_ += " >>\nstream\n";
        d_ += Daten;
        d_ += "\nendstream\nendobj\n";
    }
    std::string Fertig(int Anzahl) {
        const std::size_t xref = d_.size();
        d_ += "xref\n0 ";
        Ganz(d_, Anzahl + 1);
        d_ += "\n0000000000 65535 f \n";
        for (int i = 1; i <= Anzahl; ++i) {
            char b[24];
            std::snprintf(b, sizeof b, "%010zu 00000 n \n", i < static_cast<int>(ab_.size()) ? ab_[static_cast<std::size_t>(i)] : 0);
            d_ += b;
        }
        d_ += "trailer\n<< /Size ";
        Ganz(d_, Anzahl + 1);
        d_ += " /Root 1 0 R /Info 3 0 R >>\nstartxref\n";
        Ganz(d_, static_cast<long long>(xref));
        d_ += "\n%%EOF\n";
        return std::move(d_);
    }

  private:
    void Platz(int Nr) {
        if (static_cast<std::size_t>(Nr) >= ab_.size()) ab_.resize(static_cast<std::size_t>(Nr) + 1, 0);
        ab_[static_cast<std::size_t>(Nr)] = d_.size();
    }
    std::string d_;
    std::vector<std::size_t> ab_;
};

// A text of the document information: UTF-16 with its byte order mark.
std::string InfoText(std::string_view t) {
    std::string s = "<FEFF";
    for (std::size_t i = 0; i < t.size();) {
        char32_t c;
        i += Utf8Decode(t, i, c);
        Utf16Hex(s, c);
    }
    return s + ">";
}

// The six capitals that mark a subset, from what it holds.
std::string Kennung(const DokumentSchrift& d, int Nr) {
    std::uint32_t h = 2166136261u ^ static_cast<std::uint32_t>(Nr);
    for (std::size_t g = 0; g < d.Benutzt.size(); ++g)
        if (d.Benutzt[g]) h = (h ^ static_cast<std::uint32_t>(g)) * 16777619u;
    std::string k;
    for (int i = 0; i < 6; ++i, h /= 26) k += static_cast<char>('A' + h % 26);
    return k;
}

std::string Tausendstel(int Einheiten, int Em) {
    std::string s;
    Ganz(s, std::lround(Einheiten * 1000.0 / Em));
    return s;
}

// The five objects of a font from Nr on: the font, its glyph font, its
// descriptor, its program and the characters its glyphs stand for.
void SchriftSchreiben(PdfDatei& f, const DokumentSchrift& d, int Index, int Nr) {
    const TrueTypeSchrift& p = *d.Programm;
    const int em = p.EinheitenProEm();
    const std::string name = Kennung(d, Index) + "+" + p.Name();
    f.Objekt(Nr, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [" +
                     std::to_string(Nr + 1) + " 0 R] /ToUnicode " + std::to_string(Nr + 4) + " 0 R >>");
    // The widths of the glyphs used, runs of neighbours together.
    std::string w = "[";
    for (std::size_t g = 0; g < d.Benutzt.size();) {
        if (!d.Benutzt[g]) {
            ++g;
            continue;
        }
        Ganz(w, static_cast<long long>(g));
        w += " [";
        for (bool erste = true; g < d.Benutzt.size() && d.Benutzt[g]; ++g, erste = false) {
            if (!erste) w += ' ';
            w += Tausendstel(p.Vorschub(static_cast<std::uint16_t>(g)), em);
        }
        w += "] ";
    }
    w += "]";
    f.Objekt(Nr + 1, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                         " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                         std::to_string(Nr + 2) + " 0 R /CIDToGIDMap /Identity /DW 1000 /W " + w + " >>");
    const auto& r = p.Rahmen();
    f.Objekt(Nr + 2, "<< /Type /FontDescriptor /FontName /" + name + " /Flags " + std::to_string(p.Kursiv() ? 96 : 32) +
                         " /FontBBox [" + Tausendstel(r[0], em) + " " + Tausendstel(r[1], em) + " " +
                         Tausendstel(r[2], em) + " " + Tausendstel(r[3], em) + "] /ItalicAngle " +
                         std::to_string(p.Kursivwinkel()) + " /Ascent " + Tausendstel(p.Oberlaenge(), em) +
                         " /Descent -" + Tausendstel(p.Unterlaenge(), em) + " /CapHeight " +
                         Tausendstel(p.Versalhoehe(), em) + " /StemV 80 /FontFile2 " + std::to_string(Nr + 3) +
                         " 0 R >>");
    const std::string programm = p.Teilmenge(d.Benutzt);
    f.Strom(Nr + 3, Komprimiert(programm), " /Length1 " + std::to_string(programm.size()));
    std::string cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n/CIDSystemInfo << /Registry "
                       "(Adobe) /Ordering (UCS) /Supplement 0 >> def\n/CMapName /Adobe-Identity-UCS def\n/CMapType 2 "
                       "def\n1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<std::uint16_t, char32_t>> zeichen(d.Zeichen.begin(), d.Zeichen.end());
    for (std::size_t i = 0; i < zeichen.size(); i += 100) {
        const std::size_t n = std::min<std::size_t>(100, zeichen.size() - i);
        Ganz(cmap, static_cast<long long>(n));
        cmap += " beginbfchar\n";
        for (std::size_t k = i; k < i + n; ++k) {
            cmap += '<';
            Hex4(cmap, zeichen[k].first);
            cmap += "> <";
            Utf16Hex(cmap, zeichen[k].second);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    f.Strom(Nr + 4, Komprimiert(cmap));
}

std::string Datum() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    gmtime_s(&t, &jetzt);
#else
    gmtime_r(&jetzt, &t);
#endif
    char b[80];
    std::snprintf(b, sizeof b, "(D:%04d%02d%02d%02d%02d%02dZ)", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
    return b;
}

} // namespace

bool PdfErzeugen(const DruckDokument& Dokument, const PdfSchriften& Schriften, int Aufloesung, int Von, int Bis,
                 std::string& Pdf, std::string& Grund) {
    Pdf.clear();
    if (!DruckSeitenbereich(Dokument, Von, Bis, Grund)) return false;
    const int dpi = Aufloesung > 0 ? Aufloesung : 300;
    const DruckPapier papier = Dokument.Papier();
    int breite = 0, hoehe = 0;
    DruckCanvasGroesse(papier, dpi, breite, hoehe);
    // The sheet in points, upright or across as the paper is.
    const double kurz = std::min(papier.Breite, papier.Hoehe) / 2540.0 * 72.0,
                 lang = std::max(papier.Breite, papier.Hoehe) / 2540.0 * 72.0;
    const bool quer = papier.Breite > papier.Hoehe;
    const double blattB = quer ? lang : kurz, blattH = quer ? kurz : lang;
    // Device pixels from the top-left corner of the printable area.
    const double s = 72.0 / dpi;
    const long long links = static_cast<long long>(papier.RandLinks) * dpi / 2540,
                    oben = static_cast<long long>(papier.RandOben) * dpi / 2540;
    std::string matrix;
    Dezimal(matrix, s);
    matrix += " 0 0 ";
    Dezimal(matrix, -s);
    matrix += ' ';
    Dezimal(matrix, static_cast<double>(links) * s);
    matrix += ' ';
    Dezimal(matrix, blattH - static_cast<double>(oben) * s);
    matrix += " cm\n";

    PdfCanvas c(Schriften, breite, hoehe, dpi);
    std::vector<std::string> seiten;
    for (int i = Von; i <= Bis; ++i) {
        c.SeiteBeginnen(matrix);
        Dokument.SeiteZeichnen(c, i, false);
        seiten.push_back(Komprimiert(c.SeiteBeenden()));
        if (!c.Grund().empty()) {
            Grund = c.Grund();
            return false;
        }
    }

    PdfDatei f;
    const auto& fonts = c.Schriften();
    const int ersteSchrift = 5, erstesBlatt = ersteSchrift + 5 * static_cast<int>(fonts.size());
    const int anzahl = erstesBlatt + 2 * static_cast<int>(seiten.size()) - 1;
    f.Objekt(1, "<< /Type /Catalog /Pages 2 0 R >>");
    std::string kinder;
    for (std::size_t i = 0; i < seiten.size(); ++i)
        kinder += (i ? " " : "") + std::to_string(erstesBlatt + 2 * static_cast<int>(i)) + " 0 R";
    f.Objekt(2, "<< /Type /Pages /Kids [" + kinder + "] /Count " + std::to_string(seiten.size()) + " >>");
    f.Objekt(3, "<< /Title " + InfoText(Dokument.Titel) + " /Creator (Tavuran) /Producer (Tavuran) /CreationDate " +
                    Datum() + " >>");
    std::string verweise = "<<";
    for (std::size_t k = 0; k < fonts.size(); ++k)
        verweise += " /F" + std::to_string(k + 1) + " " + std::to_string(ersteSchrift + 5 * static_cast<int>(k)) + " 0 R";
    f.Objekt(4, verweise + " >>");
    for (std::size_t k = 0; k < fonts.size(); ++k)
        SchriftSchreiben(f, fonts[k], static_cast<int>(k), ersteSchrift + 5 * static_cast<int>(k));
    std::string box = "[0 0 ";
    Dezimal(box, blattB);
    box += ' ';
    Dezimal(box, blattH);
    box += ']';
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const int nr = erstesBlatt + 2 * static_cast<int>(i);
        f.Objekt(nr, "<< /Type /Page /Parent 2 0 R /MediaBox " + box +
                         " /Resources << /Font 4 0 R /ProcSet [/PDF /Text] >> /Contents " + std::to_string(nr + 1) +
                         " 0 R >>");
        f.Strom(nr + 1, seiten[i]);
    }
    Pdf = f.Fertig(anzahl);
    return true;
}

} // namespace tavuran
