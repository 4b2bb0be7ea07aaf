// The canvas of the printed documents on a QPainter: the preview's image, a
// printer page or a PDF page. Texts are placed by the top-left corner of
// their cell; a font's height is its cell height in device pixels.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include <QFont>
#include <QFontMetrics>

#include "reports/DruckCanvas.h"
#include "reports/DruckDokument.h"

class QImage;
class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace tavuran {

class QtDruckCanvas : public DruckCanvas {
  public:
    // Draws with the painter onto an area of Breite x Hoehe device pixels at
    // the painter's current origin.
    QtDruckCanvas(QPainter& Painter, int Breite, int Hoehe, int Aufloesung);
    // Draws what is still held back; the painter must still be active.
    ~QtDruckCanvas() override;
    QtDruckCanvas(const QtDruckCanvas&) = delete;
    QtDruckCanvas& operator=(const QtDruckCanvas&) = delete;

    int Breite() const override { return breite_; }
    int Hoehe() const override { return hoehe_; }
    int Aufloesung() const override { return aufloesung_; }
    void RechteckFuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe) override;
    void Linie(int x0, int y0, int x1, int y1, DruckFarbe Farbe) override;
    void SetSchrift(const DruckSchrift& Schrift) override;
    DruckSchrift GetSchrift() const override { return schrift_; }
    void Text(int x, int y, std::string_view Text, int ClipBreite = -1) override;
    int TextBreite(std::string_view Text) override;
    int TextHoehe(std::string_view Text) override;
    // A new page of the device: font and colour are set on the painter again
    // at the next text (a restored painter state no longer holds them).
    void SeiteBeginnen() { gesetzt_ = nullptr; }
    // Draws the fills held back so far (before the page ends or the
    // painter's state is restored).
    void FlaechenZeichnen();

  private:
    // A font of one family, cell height and style, with its metrics on the
    // device and the widths of the texts measured in it.
    struct Schriftart {
        QFont Font;
        QFontMetrics Metrik;
        int Zelle = 0, Oberlaenge = 0;
        std::unordered_map<std::string, int, DruckTextHash, std::equal_to<>> Breiten;
    };
    Schriftart& SchriftartFuer(const DruckSchrift& Schrift);
    void Fuellen(int Links, int Oben, int Rechts, int Unten, DruckFarbe Farbe);
    int Breite(Schriftart& s, std::string_view Text);

    QPainter& p_;
    int breite_, hoehe_, aufloesung_;
    DruckSchrift schrift_;
    std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<Schriftart>> schriften_;
    Schriftart* schriftart_ = nullptr;
    // what the painter holds: font and pen colour set by the last text
    const Schriftart* gesetzt_ = nullptr;
    DruckFarbe gesetzteFarbe_;
    // Fills held back and drawn together (in a PDF each fill of its own
    // costs a colour and a graphics state).
    DruckFlaechen flaechen_;
};

// Page Seite of the document drawn onto an image of Breite x Hoehe pixels
// (the preview; Vorschau adds the screen decorations).
QImage DruckSeiteAlsBild(const DruckDokument& Dokument, int Seite, int Breite, int Hoehe, bool Vorschau);

// Draws the pages Von..Bis of the document onto a printer or PDF device that
// has been set up for the document's paper (DruckGeraetEinrichten). False
// when the device cannot be painted on.
bool DruckSeitenAusgeben(const DruckDokument& Dokument, QPagedPaintDevice& Geraet, int Von, int Bis);
// Paper size, orientation and zero margins of the document on a device.
void DruckGeraetEinrichten(const DruckDokument& Dokument, QPagedPaintDevice& Geraet);

// The pages Von..Bis (Bis < 1: to the last page) as a PDF in memory: written
// directly with the fonts' TrueType programs embedded, or, where a text needs
// a font or character that cannot be embedded so, through the painter's PDF
// writer, which substitutes fonts. False with a German reason. Works without
// a window system (a program without an application object gets an
// offscreen one for the time of the call).
bool DruckPdfErzeugen(const DruckDokument& Dokument, std::string& Pdf, std::string& Grund, int Von = 1, int Bis = 0,
                      int Aufloesung = 300);

// The same written into a PDF file. The file is replaced only after the whole
// document was written; false with a German reason otherwise.
bool DruckPdfSchreiben(const DruckDokument& Dokument, const std::string& Datei, std::string& Grund, int Von = 1,
                       int Bis = 0, int Aufloesung = 300);

} // namespace tavuran
