#include "reports/DruckCanvas.h"

#include <algorithm>

namespace tavuran {

int VariableTextOut(DruckCanvas& Canvas, int xPix, int yPix, int Breite, int MaxHoehe, bool invers,
                    std::string_view AusgabeStr) {
    const DruckSchrift alt = Canvas.GetSchrift();
    if (Breite <= 0 || AusgabeStr.empty()) return alt.Hoehe;
    DruckSchrift f = alt;
    int h = f.Hoehe;
    // Lower the height one pixel at a time until the text fits; a text that
    // does not fit even at the smallest height is cut at its space.
    while (Canvas.TextBreite(AusgabeStr) > Breite && h > DruckMinSchrifthoehe) {
        f.Hoehe = --h;
        Canvas.SetSchrift(f);
    }
    if (MaxHoehe > 0 && h > MaxHoehe) {
        f.Hoehe = MaxHoehe;
        Canvas.SetSchrift(f);
    }
    const int th = Canvas.TextHoehe(AusgabeStr);
    const int y = yPix - th * 13 / 16;
    if (invers) {
        const int tw = std::min(Breite, Canvas.TextBreite(AusgabeStr));
        Canvas.RechteckFuellen(xPix, y, xPix + tw, y + th, alt.Farbe);
        f.Farbe = DruckWeiss;
        Canvas.SetSchrift(f);
    }
    Canvas.Text(xPix, y, AusgabeStr, Breite);
    Canvas.SetSchrift(alt);
    return h;
}

} // namespace tavuran
