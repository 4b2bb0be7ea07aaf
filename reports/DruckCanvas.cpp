#include "reports/DruckCanvas.h"

#include <algorithm>
#include <vector>

#include "core/L_STR.h"

namespace tavuran {

void DruckCanvas::Gestrichelt(int x0, int x1, int y, int Dicke, int Strich, int Abstand, DruckFarbe Farbe) {
    if (Strich < 1 || Abstand < 1) return;
    for (int i = 0; i < Dicke; ++i)
        for (int x = x0; x < x1; x += Abstand) Linie(x, y + i, x + Strich - 1, y + i, Farbe);
}

namespace {

// r joined to a rectangle of the same width right above or below it, or of the
// same height right beside it.
bool Anfuegen(DruckFlaechen::Rechteck& an, const DruckFlaechen::Rechteck& r) {
    if (r.Links == an.Links && r.Rechts == an.Rechts) {
        if (r.Oben == an.Unten) an.Unten = r.Unten;
        else if (r.Unten == an.Oben) an.Oben = r.Oben;
        else return false;
        return true;
    }
    if (r.Oben == an.Oben && r.Unten == an.Unten) {
        if (r.Links == an.Rechts) an.Rechts = r.Rechts;
        else if (r.Rechts == an.Links) an.Links = r.Links;
        else return false;
        return true;
    }
    return false;
}

} // namespace

bool DruckFlaechen::Annehmen(const Rechteck& r, DruckFarbe Farbe) {
    if (!flaechen_.empty() && !(Farbe == farbe_)) return false;
    farbe_ = Farbe;
    // The pixel lines of one grid line follow each other; a dashed line's
    // rows come a dash apart.
    for (auto it = flaechen_.rbegin(); it != flaechen_.rend(); ++it)
        if (Anfuegen(*it, r)) return true;
    flaechen_.push_back(r);
    return true;
}

bool DruckFlaechen::UnterText(int x, int y, int Breite, int Zelle) const {
    const int rand = Zelle / 4 + 1;
    const Rechteck k{x - rand, y - rand, x + Breite + rand, y + Zelle + rand};
    for (const Rechteck& f : flaechen_)
        if (f.Links < k.Rechts && k.Links < f.Rechts && f.Oben < k.Unten && k.Oben < f.Unten) return true;
    return false;
}

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
