// A canvas that draws nothing and keeps everything drawn on it: the tests
// assert on its records, and its text extract is the plain-text form of a
// printed page (the command line's text output). Text metrics are fixed and
// simple: every character is half the font height wide, a text is as high as
// its font.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/DruckCanvas.h"

namespace tavuran {

struct AufzeichnungsEintrag {
    enum class Art { Rechteck, Linie, Text };
    Art Art = Art::Text;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0; // rectangle or line; a text's cell (x1, y1 exclusive)
    DruckFarbe Farbe;                   // fill, line or text colour
    std::string Text;
    DruckSchrift Schrift;               // the font of a text
    int ClipBreite = -1;
};

class AufzeichnungsCanvas : public DruckCanvas {
  public:
    AufzeichnungsCanvas(int Breite, int Hoehe, int Aufloesung = 300);

    int Breite() const override { return breite_; }
    int Hoehe() const override { return hoehe_; }
    int Aufloesung() const override { return aufloesung_; }
    void RechteckFuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe) override;
    void Linie(int x0, int y0, int x1, int y1, DruckFarbe Farbe) override;
    void SetSchrift(const DruckSchrift& Schrift) override { schrift_ = Schrift; }
    DruckSchrift GetSchrift() const override { return schrift_; }
    void Text(int x, int y, std::string_view Text, int ClipBreite = -1) override;
    int TextBreite(std::string_view Text) override;
    int TextHoehe(std::string_view Text) override;

    const std::vector<AufzeichnungsEintrag>& Eintraege() const { return eintraege_; }
    std::vector<const AufzeichnungsEintrag*> Texte() const;
    // The texts that are drawn with the given content (trimmed), in drawing order.
    std::vector<const AufzeichnungsEintrag*> TexteMit(std::string_view Inhalt) const;
    // The texts grouped by line (texts whose tops lie within half a text
    // height of each other), top to bottom, each line left to right, the texts
    // trimmed and joined by one blank; empty texts are left out.
    std::vector<std::string> TextZeilen() const;
    // TextZeilen joined by line ends.
    std::string TextAuszug() const;
    // Whether anything was drawn outside the surface.
    bool AusserhalbGezeichnet() const;

  private:
    int breite_, hoehe_, aufloesung_;
    DruckSchrift schrift_;
    std::vector<AufzeichnungsEintrag> eintraege_;
};

} // namespace tavuran
