// The drawing surface every printed document is drawn on: the preview's
// image, a printer page, a PDF page or the recording canvas of the tests and
// of the text output. Coordinates are device pixels from the top-left corner
// of the surface; colours are RGB. A text is placed by the top-left corner of
// its cell (not by its baseline), so every device puts it at the same place.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavuran {

struct DruckFarbe {
    int R = 0, G = 0, B = 0;
    friend bool operator==(const DruckFarbe&, const DruckFarbe&) = default;
};

inline constexpr DruckFarbe DruckWeiss{255, 255, 255};
inline constexpr DruckFarbe DruckSchwarz{0, 0, 0};
inline constexpr DruckFarbe DruckGrau{192, 192, 192};       // inactive channels, guide lines
inline constexpr DruckFarbe DruckHellblau{208, 240, 255};   // paper of the on-screen previews
inline constexpr DruckFarbe DruckRot{255, 0, 0};
inline constexpr DruckFarbe DruckGruen{0, 255, 0};
inline constexpr DruckFarbe DruckDunkelgruen{0, 128, 0};
inline constexpr DruckFarbe DruckBlau{0, 0, 255};

struct DruckSchrift {
    std::string Name = "Arial";
    int Hoehe = 12; // cell height in device pixels, internal leading included
    bool Fett = false;
    bool Kursiv = false;
    DruckFarbe Farbe = DruckSchwarz;
    friend bool operator==(const DruckSchrift&, const DruckSchrift&) = default;
};

class DruckCanvas {
  public:
    virtual ~DruckCanvas() = default;

    // Size of the surface and its resolution in dots per inch.
    virtual int Breite() const = 0;
    virtual int Hoehe() const = 0;
    virtual int Aufloesung() const = 0;

    // Fills the rectangle with a solid colour; the right and bottom edges are excluded.
    virtual void RechteckFuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe) = 0;
    // A one-pixel line from (x0, y0) to (x1, y1), both ends included.
    virtual void Linie(int x0, int y0, int x1, int y1, DruckFarbe Farbe) = 0;
    // A dashed line across, Dicke pixels thick from row y down: dashes of
    // Strich pixels every Abstand pixels, the first starting at x0, as many as
    // start before x1. Drawn as one-pixel lines unless the device has a
    // dashed line of its own.
    virtual void Gestrichelt(int x0, int x1, int y, int Dicke, int Strich, int Abstand, DruckFarbe Farbe);

    virtual void SetSchrift(const DruckSchrift& Schrift) = 0;
    virtual DruckSchrift GetSchrift() const = 0;

    // Writes the text in the font's colour without background, with the top-left
    // corner of its cell at (x, y). With ClipBreite >= 0 nothing to the right of
    // x + ClipBreite is drawn.
    virtual void Text(int x, int y, std::string_view Text, int ClipBreite = -1) = 0;
    // Width and cell height of the text in the current font, in device pixels.
    virtual int TextBreite(std::string_view Text) = 0;
    virtual int TextHoehe(std::string_view Text) = 0;
};

// Fills of one colour held back by a device canvas and drawn together: a
// grid line several pixels wide comes as that many one-pixel lines, and on a
// PDF or printer page each fill of its own costs a state of its own. Adjacent
// pixel lines are joined into one rectangle. What a device draws over a
// held-back fill (a text, a fill of another colour) must draw them first.
class DruckFlaechen {
  public:
    // A rectangle, right and bottom edges excluded.
    struct Rechteck {
        int Links, Oben, Rechts, Unten;
    };
    // Holds the fill back; Zeichnen() draws the held-back ones first where
    // the fill is of another colour, and when they are as many as a text
    // may look through.
    template <class Z>
    void Fuellen(const Rechteck& r, DruckFarbe F, Z&& Zeichnen) {
        if (!Annehmen(r, F)) {
            Zeichnen();
            Annehmen(r, F);
        }
        if (flaechen_.size() >= Hoechstens) Zeichnen();
    }
    // Whether a held-back fill lies under a text of the given width and cell
    // height at (x, y), with a margin for glyphs that reach out of their
    // cell: then the device draws them before the text.
    bool UnterText(int x, int y, int Breite, int Zelle) const;
    bool Leer() const { return flaechen_.empty(); }
    DruckFarbe Farbe() const { return farbe_; }
    const std::vector<Rechteck>& Flaechen() const { return flaechen_; }
    void Leeren() { flaechen_.clear(); }

  private:
    // Whether the fill can join the held-back ones (same colour).
    bool Annehmen(const Rechteck& r, DruckFarbe Farbe);
    // A text looks through them all before it is drawn.
    static constexpr std::size_t Hoechstens = 64;
    std::vector<Rechteck> flaechen_;
    DruckFarbe farbe_;
};

// Looks up a text's measured width by the text itself, without a copy of it.
struct DruckTextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// Font height in device pixels of a size in points on this canvas.
inline int DruckPunkteZuPixel(const DruckCanvas& Canvas, int Punkte) {
    const int dpi = Canvas.Aufloesung() > 0 ? Canvas.Aufloesung() : 96;
    return (Punkte * dpi + 36) / 72;
}

} // namespace tavuran

namespace tavuran {

// Fitted text: lowers the font height from the current one, one pixel at a
// time, until the text is no wider than Breite (100 pixels when Breite is
// smaller); MaxHoehe > 0 caps the height. The height never goes below
// DruckMinSchrifthoehe: a text that still does not fit is clipped to Breite.
// The text is written with yPix near its baseline (its top at
// yPix - 13/16 of its height); with `invers` it is written white on a black
// cell. An empty space (Breite <= 0) writes nothing. The font is restored;
// returns the height used.
inline constexpr int DruckMinSchrifthoehe = 4;

// A text shortened at word boundaries until it is no wider than Breite in the
// canvas's current font: with Initialen (names) the last words that are not
// yet abbreviated become their initial and a full stop ("Hans-Jürgen" ->
// "H."), then words are left
// out from the end, marked with "…"; a single word that still does not fit
// keeps as many characters as fit, followed by "…". A text that fits is
// returned unchanged; a text is never cut in the middle of a word without
// its mark.
std::string WortweiseKuerzen(DruckCanvas& Canvas, std::string_view Text, int Breite, bool Initialen = true);
int VariableTextOut(DruckCanvas& Canvas, int xPix, int yPix, int Breite, int MaxHoehe, bool invers,
                    std::string_view AusgabeStr);

} // namespace tavuran
