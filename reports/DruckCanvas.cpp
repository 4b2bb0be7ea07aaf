#include "reports/DruckCanvas.h"

#include <algorithm>
#include <vector>

#include "core/L_STR.h"

namespace tavuran {

std::string WortweiseKuerzen(DruckCanvas& Canvas, std::string_view Text, int Breite, bool Initialen) {
    std::string ganz(Text);
    if (Canvas.TextBreite(ganz) <= Breite) return ganz;
    std::vector<std::string> w;
    std::string rest = L_STR_Unblank(ganz);
    while (!rest.empty()) {
        const std::size_t p = rest.find(' ');
        w.push_back(rest.substr(0, p));
        rest = p == std::string::npos ? std::string() : L_STR_Unblank(rest.substr(p + 1));
    }
    auto verbinden = [&](std::size_t n, bool mark) {
        std::string s;
        for (std::size_t i = 0; i < n; ++i) s += (i ? " " : "") + w[i];
        return mark ? s + "…" : s;
    };
    // Words after the first become their initials, the last first.
    for (std::size_t i = Initialen ? w.size() : 0; i-- > 1;) {
        if (w[i].empty() || w[i].back() == '.') continue;
        const std::size_t erstes = L_STR_Copy(w[i], 1, 1).size();
        w[i] = w[i].substr(0, erstes) + ".";
        const std::string s = verbinden(w.size(), false);
        if (Canvas.TextBreite(s) <= Breite) return s;
    }
    // Then words are left out from the end.
    for (std::size_t n = w.size(); n-- > 1;) {
        const std::string s = verbinden(n, true);
        if (Canvas.TextBreite(s) <= Breite) return s;
    }
    // One word: as many characters as fit, and the mark.
    const std::string wort = w.empty() ? ganz : w[0];
    const int n = static_cast<int>(L_STR_Length(wort));
    for (int k = n - 1; k >= 1; --k) {
        const std::string s = L_STR_Copy(wort, 1, k) + "…";
        if (Canvas.TextBreite(s) <= Breite) return s;
    }
    return L_STR_Copy(wort, 1, 1);
}

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
