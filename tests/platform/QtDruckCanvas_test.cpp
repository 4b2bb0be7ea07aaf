// The QPainter canvas on an image: a text is clipped only where it is wider
// than its room, the fonts kept per family, size and style measure as a fresh
// font does, a text after a line keeps its own colour, and the fills held
// back and drawn together give the picture of fills drawn one by one. The PDF
// of a document: written directly, or through the painter where a character
// cannot be embedded.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "platform/QtDruckCanvas.h"
#include "reports/DruckFixture.h"

namespace tavuran {
namespace {

using drucktest::Schrift;

class Anwendung : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};
const auto* const anwendung = ::testing::AddGlobalTestEnvironment(new Anwendung);

struct Bild {
    QImage Image{400, 80, QImage::Format_RGB32};
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<QtDruckCanvas> Canvas;
    Bild() {
        Image.fill(Qt::white);
        Painter = std::make_unique<QPainter>(&Image);
        Canvas = std::make_unique<QtDruckCanvas>(*Painter, Image.width(), Image.height(), 96);
    }
    QImage Fertig() {
        Canvas.reset();
        Painter->end();
        return Image;
    }
};

// The rightmost column with a pixel that is not white (-1 for none).
int RechterRand(const QImage& b) {
    for (int x = b.width() - 1; x >= 0; --x)
        for (int y = 0; y < b.height(); ++y)
            if (b.pixel(x, y) != qRgb(255, 255, 255)) return x;
    return -1;
}

TEST(QtDruckCanvas, NurZuLangeTexteWerdenBeschnitten) {
    const std::string text = "Modellflugclub Oberschleißheim";
    Bild frei;
    frei.Canvas->SetSchrift(Schrift(20));
    const int breite = frei.Canvas->TextBreite(text);
    ASSERT_GT(breite, 60);
    frei.Canvas->Text(10, 10, text);
    const QImage ohne = frei.Fertig();

    // room enough: the same pixels as without a room
    Bild passt;
    passt.Canvas->SetSchrift(Schrift(20));
    passt.Canvas->Text(10, 10, text, breite + 5);
    EXPECT_EQ(passt.Fertig(), ohne);

    // too narrow: nothing right of the room, but the text is there
    Bild eng;
    eng.Canvas->SetSchrift(Schrift(20));
    eng.Canvas->Text(10, 10, text, 50);
    const int rand = RechterRand(eng.Fertig());
    EXPECT_GE(rand, 30);
    EXPECT_LT(rand, 10 + 50);
}

TEST(QtDruckCanvas, SchriftenNachGroesseUndStil) {
    const std::string text = "Nachname, Vorname 123";
    Bild b;
    QtDruckCanvas& c = *b.Canvas;
    c.SetSchrift(Schrift(20));
    const int normal = c.TextBreite(text), hoehe = c.TextHoehe(text);
    EXPECT_LE(hoehe, 20);
    c.SetSchrift(Schrift(40));
    EXPECT_GT(c.TextBreite(text), normal);
    EXPECT_GT(c.TextHoehe(text), hoehe);
    c.SetSchrift(Schrift(20, true));
    EXPECT_GT(c.TextBreite(text), normal);
    c.SetSchrift(Schrift(20));
    EXPECT_EQ(c.TextBreite(text), normal);
    EXPECT_EQ(c.TextHoehe(text), hoehe);
    EXPECT_EQ(c.GetSchrift(), Schrift(20));
}

// A text, a slanted line in red, the next text in black: the text is black.
TEST(QtDruckCanvas, TextNachSchraegerLinieInSeinerFarbe) {
    Bild b;
    QtDruckCanvas& c = *b.Canvas;
    c.SetSchrift(Schrift(30));
    c.Text(10, 10, "M");
    c.Linie(300, 0, 399, 79, DruckRot);
    c.Text(150, 10, "M");
    const QImage bild = b.Fertig();
    int schwarz = 0, rot = 0;
    for (int x = 140; x < 200; ++x)
        for (int y = 0; y < 60; ++y) {
            const QRgb p = bild.pixel(x, y);
            if (qRed(p) < 60 && qGreen(p) < 60) ++schwarz;
            if (qRed(p) > 200 && qGreen(p) < 60) ++rot;
        }
    EXPECT_GT(schwarz, 20);
    EXPECT_EQ(rot, 0);
}

// One drawing, through the canvas as it is and with every fill drawn at once.
TEST(QtDruckCanvas, ZurueckgehalteneFlaechenWieEinzeln) {
    const auto zeichnen = [](QtDruckCanvas& c, bool einzeln) {
        const auto fertig = [&] {
            if (einzeln) c.FlaechenZeichnen();
        };
        for (int i = 0; i < 3; ++i, fertig()) c.Linie(5, 10 + i, 390, 10 + i, DruckSchwarz);
        for (int i = 0; i < 3; ++i, fertig()) c.Linie(50 + i, 0, 50 + i, 79, DruckSchwarz);
        c.Gestrichelt(60, 390, 70, 2, 3, 12, DruckSchwarz);
        fertig();
        c.RechteckFuellen(100, 20, 200, 60, DruckGrau);
        fertig();
        c.RechteckFuellen(150, 30, 250, 50, DruckRot);
        fertig();
        // an inverted cell: black, the text white over it
        c.RechteckFuellen(260, 20, 380, 60, DruckSchwarz);
        fertig();
        c.SetSchrift(Schrift(30, true, DruckWeiss));
        c.Text(265, 25, "Weiß");
        c.SetSchrift(Schrift(20));
        c.Text(110, 25, "auf Grau");
        c.RechteckFuellen(0, 75, 400, 80, DruckBlau);
    };
    Bild gesammelt, einzeln;
    zeichnen(*gesammelt.Canvas, false);
    zeichnen(*einzeln.Canvas, true);
    const QImage a = gesammelt.Fertig(), b = einzeln.Fertig();
    EXPECT_EQ(a, b);
    int weiss = 0;
    for (int x = 265; x < 375; ++x)
        for (int y = 25; y < 55; ++y) weiss += a.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(weiss, 50);
}

std::string Lies(const std::string& Pfad) {
    std::ifstream in(Pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A character the embedded fonts do not have: the painter's writer, which
// substitutes a font, makes the PDF.
TEST(QtDruckCanvas, PdfDirektOderUeberDenPainter) {
    for (const auto& [inhalt, erzeuger] :
         {std::pair<std::string, std::string>{"Müller Łukasz", "Tavuran"}, {"Schneemann ☃", "Qt"}}) {
        drucktest::TestDokument d;
        d.Zeichnen = [&inhalt = inhalt](DruckCanvas& c, int) {
            c.SetSchrift(Schrift(60));
            c.Text(100, 100, inhalt);
        };
        std::string pdf, grund;
        ASSERT_TRUE(DruckPdfErzeugen(d, pdf, grund)) << grund;
        const std::string datei = testing::TempDir() + "tavuran_" + std::to_string(getpid()) + "_direkt.pdf";
        const std::string info = datei + ".info", text = datei + ".txt";
        std::ofstream(datei, std::ios::binary) << pdf;
        ASSERT_EQ(std::system(("pdfinfo \"" + datei + "\" >\"" + info + "\"").c_str()), 0);
        ASSERT_EQ(std::system(("pdftotext \"" + datei + "\" \"" + text + "\"").c_str()), 0);
        EXPECT_NE(Lies(info).find("Producer:        " + erzeuger), std::string::npos) << Lies(info);
        EXPECT_NE(Lies(text).find(inhalt.substr(0, 10)), std::string::npos) << Lies(text);
        for (const std::string& f : {datei, info, text}) std::remove(f.c_str());
    }
}

} // namespace
} // namespace tavuran
