// A TrueType font as a PDF embeds it. Read from its tables, it maps
// characters to glyphs, tells their advances and the font's heights, and
// writes a font program that holds the outlines of the glyphs a document
// uses, and no others.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavuran {

// The tables of a font by their tag ("head", "glyf", ...); empty for a table
// the font does not have.
using SchriftTabellen = std::function<std::string(std::string_view Tag)>;

// The tables of a font file (a TrueType or OpenType file, or the first font
// of a collection). False with the reason when it is no such file.
bool SfntTabellenLesen(std::string_view Datei, std::map<std::string, std::string>& Tabellen, std::string& Grund);

class TrueTypeSchrift {
  public:
    // nullptr with the reason when the font has no TrueType outlines or one
    // of the tables it needs is missing or damaged.
    static std::unique_ptr<TrueTypeSchrift> Lesen(const SchriftTabellen& Tabellen, std::string& Grund);

    int EinheitenProEm() const { return einheiten_; }
    // Above and below the baseline (both positive), in font units.
    int Oberlaenge() const { return ober_; }
    int Unterlaenge() const { return unter_; }
    int Versalhoehe() const { return versal_; }
    int Kursivwinkel() const { return winkel_; }
    bool Kursiv() const { return kursiv_; }
    // xMin, yMin, xMax, yMax of all glyphs, in font units.
    const std::array<int, 4>& Rahmen() const { return rahmen_; }
    // The font's PostScript name (letters, digits and "-" only).
    const std::string& Name() const { return name_; }
    int AnzahlGlyphen() const { return glyphen_; }

    // The glyph of a character; 0 (the font's "missing" glyph) when it has none.
    std::uint16_t Glyphe(char32_t c) const;
    // The advance of a glyph in font units.
    int Vorschub(std::uint16_t Glyphe) const;

    // A font program that keeps the numbering of the glyphs but the outlines
    // of the marked ones only (with the glyphs they are composed of and
    // glyph 0).
    std::string Teilmenge(const std::vector<bool>& Benutzt) const;

  private:
    TrueTypeSchrift() = default;
    // The bytes of a glyph's outline in the glyf table (empty for none).
    std::string_view Umriss(std::uint16_t Glyphe) const;

    int einheiten_ = 1000, ober_ = 0, unter_ = 0, versal_ = 0, winkel_ = 0, glyphen_ = 0;
    bool kursiv_ = false;
    std::array<int, 4> rahmen_{};
    std::string name_;
    std::vector<std::uint16_t> vorschub_;
    std::vector<std::uint16_t> bmp_;                   // U+0000..U+FFFF
    std::unordered_map<char32_t, std::uint16_t> weitere_; // beyond
    std::vector<std::uint32_t> loca_;                  // glyphen_ + 1 offsets
    std::string glyf_;
    // The tables copied as they are: hhea, hmtx, maxp, cvt, fpgm, prep; head
    // with the offsets long.
    std::map<std::string, std::string> kopie_;
};

} // namespace tavuran
