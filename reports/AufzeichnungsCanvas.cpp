#include "reports/AufzeichnungsCanvas.h"

#include <algorithm>

#include "core/L_STR.h"

namespace tavuran {

AufzeichnungsCanvas::AufzeichnungsCanvas(int Breite, int Hoehe, int Aufloesung)
    : breite_(Breite), hoehe_(Hoehe), aufloesung_(Aufloesung) {}

void AufzeichnungsCanvas::RechteckFuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe) {
    AufzeichnungsEintrag e;
    e.Art = AufzeichnungsEintrag::Art::Rechteck;
    e.x0 = Links, e.y0 = Oben, e.x1 = Rechts, e.y1 = Unten;
    e.Farbe = Farbe;
    eintraege_.push_back(std::move(e));
}

void AufzeichnungsCanvas::Linie(int x0, int y0, int x1, int y1, DruckFarbe Farbe) {
    AufzeichnungsEintrag e;
    e.Art = AufzeichnungsEintrag::Art::Linie;
    e.x0 = x0, e.y0 = y0, e.x1 = x1, e.y1 = y1;
    e.Farbe = Farbe;
    eintraege_.push_back(std::move(e));
}

void AufzeichnungsCanvas::Text(int x, int y, std::string_view Text, int ClipBreite) {
    AufzeichnungsEintrag e;
    e.Art = AufzeichnungsEintrag::Art::Text;
    e.x0 = x, e.y0 = y;
    e.x1 = x + (ClipBreite >= 0 ? std::min(ClipBreite, TextBreite(Text)) : TextBreite(Text));
    e.y1 = y + TextHoehe(Text);
    e.Farbe = schrift_.Farbe;
    e.Text = std::string(Text);
    e.Schrift = schrift_;
    e.ClipBreite = ClipBreite;
    eintraege_.push_back(std::move(e));
}

int AufzeichnungsCanvas::TextBreite(std::string_view Text) {
    return static_cast<int>(L_STR_Length(Text)) * schrift_.Hoehe / 2;
}

int AufzeichnungsCanvas::TextHoehe(std::string_view) { return schrift_.Hoehe; }

std::vector<const AufzeichnungsEintrag*> AufzeichnungsCanvas::Texte() const {
    std::vector<const AufzeichnungsEintrag*> t;
    for (const AufzeichnungsEintrag& e : eintraege_)
        if (e.Art == AufzeichnungsEintrag::Art::Text) t.push_back(&e);
    return t;
}

std::vector<const AufzeichnungsEintrag*> AufzeichnungsCanvas::TexteMit(std::string_view Inhalt) const {
    std::vector<const AufzeichnungsEintrag*> t;
    const std::string gesucht = L_STR_Unblank(Inhalt);
    for (const AufzeichnungsEintrag* e : Texte())
        if (L_STR_Unblank(e->Text) == gesucht) t.push_back(e);
    return t;
}

std::vector<std::string> AufzeichnungsCanvas::TextZeilen() const {
    std::vector<const AufzeichnungsEintrag*> texte;
    for (const AufzeichnungsEintrag* e : Texte())
        if (!L_STR_Unblank(e->Text).empty() && e->ClipBreite != 0) texte.push_back(e);
    std::stable_sort(texte.begin(), texte.end(),
                     [](const AufzeichnungsEintrag* a, const AufzeichnungsEintrag* b) { return a->y0 < b->y0; });
    std::vector<std::string> zeilen;
    std::size_t i = 0;
    while (i < texte.size()) {
        // A line: every text whose top lies within half a height of the first one.
        std::vector<const AufzeichnungsEintrag*> zeile{texte[i]};
        const int oben = texte[i]->y0;
        const int hoehe = std::max(1, texte[i]->y1 - texte[i]->y0);
        std::size_t k = i + 1;
        while (k < texte.size()) {
            const int h = std::min(hoehe, std::max(1, texte[k]->y1 - texte[k]->y0));
            if ((texte[k]->y0 - oben) * 2 >= h) break;
            zeile.push_back(texte[k]);
            ++k;
        }
        std::stable_sort(zeile.begin(), zeile.end(),
                         [](const AufzeichnungsEintrag* a, const AufzeichnungsEintrag* b) { return a->x0 < b->x0; });
        std::string s;
        for (const AufzeichnungsEintrag* e : zeile) {
            if (!s.empty()) s += ' ';
            s += L_STR_Unblank(e->Text);
        }
        zeilen.push_back(std::move(s));
        i = k;
    }
    return zeilen;
}

std::string AufzeichnungsCanvas::TextAuszug() const {
    std::string s;
    for (const std::string& z : TextZeilen()) s += z + "\n";
    return s;
}

bool AufzeichnungsCanvas::AusserhalbGezeichnet() const {
    for (const AufzeichnungsEintrag& e : eintraege_) {
        const int l = std::min(e.x0, e.x1), r = std::max(e.x0, e.x1);
        const int o = std::min(e.y0, e.y1), u = std::max(e.y0, e.y1);
        const bool flaeche = e.Art != AufzeichnungsEintrag::Art::Linie;
        if (l < 0 || o < 0 || r > breite_ - (flaeche ? 0 : 1) || u > hoehe_ - (flaeche ? 0 : 1)) return true;
    }
    return false;
}

} // namespace tavuran
