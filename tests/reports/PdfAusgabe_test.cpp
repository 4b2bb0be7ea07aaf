// The PDF written directly: its pages and texts read back with pdfinfo and
// pdftotext (characters beyond Latin-1 too), what lies where on a rendered
// page (pdftoppm), a character or font it cannot embed refused, and the
// TrueType fonts it embeds: a subset of the glyphs used, damaged tables
// refused.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "reports/DruckFixture.h"
#include "reports/PdfAusgabe.h"
#include "reports/TrueTypeSchrift.h"

namespace tavuran {
namespace {

using drucktest::Schrift;
using drucktest::TestDokument;

const char* const SchriftOrdner = "/usr/share/fonts/truetype/liberation2/";

std::string Lies(const std::string& Pfad) {
    std::ifstream in(Pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string Temp(const std::string& Name) {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    return testing::TempDir() + "tavuran_" + std::to_string(getpid()) + "_" + info->name() + "_" + Name;
}

std::map<std::string, std::string> Tabellen(const std::string& Datei) {
    std::map<std::string, std::string> t;
    std::string grund;
    EXPECT_TRUE(SfntTabellenLesen(Lies(std::string(SchriftOrdner) + Datei), t, grund)) << Datei << ": " << grund;
    return t;
}

SchriftTabellen Quelle(const std::map<std::string, std::string>& t) {
    return [&t](std::string_view Tag) {
        const auto it = t.find(std::string(Tag));
        return it != t.end() ? it->second : std::string();
    };
}

// The Liberation fonts, read from their files once per test.
struct Schriften {
    std::map<std::string, std::unique_ptr<TrueTypeSchrift>> geladen;
    const TrueTypeSchrift* operator()(const DruckSchrift& s) {
        const std::string datei = std::string("LiberationSans-") +
                                  (s.Fett ? (s.Kursiv ? "BoldItalic" : "Bold") : (s.Kursiv ? "Italic" : "Regular")) + ".ttf";
        auto& f = geladen[datei];
        if (!f) {
            const auto t = Tabellen(datei);
            std::string grund;
            f = TrueTypeSchrift::Lesen(Quelle(t), grund);
            EXPECT_TRUE(f) << grund;
        }
        return f.get();
    }
};

// What a tool of poppler writes about the file.
std::string Ausfuehren(const std::string& Befehl, const std::string& Datei, const std::string& Danach = "") {
    const std::string aus = Temp("aus.txt");
    EXPECT_EQ(std::system((Befehl + " \"" + Datei + "\" " + Danach + " >\"" + aus + "\"").c_str()), 0) << Befehl;
    std::string t = Lies(aus);
    std::remove(aus.c_str());
    return t;
}

std::string PdfDatei(const TestDokument& d, Schriften& s) {
    std::string pdf, grund;
    EXPECT_TRUE(PdfErzeugen(d, std::ref(s), 300, 1, d.Seiten, pdf, grund)) << grund;
    const std::string datei = Temp("dok.pdf");
    std::ofstream(datei, std::ios::binary) << pdf;
    return datei;
}

TEST(PdfAusgabe, SeitenUndTexteLesbar) {
    Schriften s;
    TestDokument d;
    d.Seiten = 2;
    d.Titel = "Ergebnisliste Pokal ÄÖÜ";
    d.Zeichnen = [](DruckCanvas& c, int Seite) {
        c.SetSchrift(Schrift(60));
        if (Seite == 1) {
            c.Text(200, 200, "Müller Łukasz Dvořák Ødegård «Šimon»");
            c.SetSchrift(Schrift(60, true));
            c.Text(200, 400, "Fettgedruckt (Platz 1) \\ 5 € 1/2");
        } else {
            c.Text(200, 200, "Seite zwei");
        }
    };
    const std::string datei = PdfDatei(d, s);
    const std::string info = Ausfuehren("pdfinfo", datei);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("841.89 x 595.276 pts"), std::string::npos) << info;
    EXPECT_NE(info.find("Ergebnisliste Pokal ÄÖÜ"), std::string::npos) << info;

    const std::string text = Ausfuehren("pdftotext", datei, "-");
    const std::size_t seite = text.find('\f');
    ASSERT_NE(seite, std::string::npos) << text;
    const std::string eins = text.substr(0, seite), zwei = text.substr(seite);
    EXPECT_NE(eins.find("Müller Łukasz Dvořák Ødegård «Šimon»"), std::string::npos) << eins;
    EXPECT_NE(eins.find("Fettgedruckt (Platz 1) \\ 5 € 1/2"), std::string::npos) << eins;
    EXPECT_NE(zwei.find("Seite zwei"), std::string::npos) << zwei;
    EXPECT_EQ(eins.find("Seite zwei"), std::string::npos);

    const std::string fonts = Ausfuehren("pdffonts", datei);
    EXPECT_NE(fonts.find("LiberationSans-Bold"), std::string::npos) << fonts;
    std::remove(datei.c_str());
}

// The grey image of page 1 at 300 dpi: one pixel per device pixel.
struct Bild {
    int Breite = 0, Hoehe = 0;
    std::string Pixel;
    int Wert(int x, int y) const { return static_cast<unsigned char>(Pixel[static_cast<std::size_t>(y) * Breite + x]); }
    int Dunkle(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += Wert(x, y) < 128;
        return n;
    }
};

Bild Gerendert(const std::string& Pdf) {
    const std::string stamm = Temp("bild");
    EXPECT_EQ(std::system(("pdftoppm -r 300 -gray -aa no -aaVector no -singlefile \"" + Pdf + "\" \"" + stamm + "\"").c_str()), 0);
    std::string d = Lies(stamm + ".pgm");
    std::remove((stamm + ".pgm").c_str());
    Bild b;
    std::istringstream in(d);
    std::string p5;
    int tiefe = 0;
    in >> p5 >> b.Breite >> b.Hoehe >> tiefe;
    in.get();
    b.Pixel = d.substr(static_cast<std::size_t>(in.tellg()));
    EXPECT_EQ(b.Pixel.size(), static_cast<std::size_t>(b.Breite) * b.Hoehe);
    return b;
}

TEST(PdfAusgabe, AllesAnSeinerStelle) {
    Schriften s;
    TestDokument d;
    d.Blatt = {10000, 5000}; // 100 x 50 mm: 1181 x 590 pixels
    d.Zeichnen = [](DruckCanvas& c, int) {
        // a black cell with a white text over it
        c.RechteckFuellen(100, 100, 500, 250, DruckSchwarz);
        c.SetSchrift(Schrift(100, true, DruckWeiss));
        c.Text(120, 120, "HH");
        // a text clipped to 150 pixels
        c.SetSchrift(Schrift(80));
        c.Text(100, 350, "MMMMMMMMMMMMMMMM", 150);
        // a composite glyph (a letter and its accent) at its place
        c.SetSchrift(Schrift(200));
        c.Text(800, 100, "Ä");
        // a grid line of three pixel lines and a dashed line
        for (int i = 0; i < 3; ++i) c.Linie(700, 50 + i, 1100, 50 + i, DruckSchwarz);
        c.Gestrichelt(700, 1100, 500, 3, 10, 40, DruckSchwarz);
    };
    const std::string datei = PdfDatei(d, s);
    const Bild b = Gerendert(datei);
    std::remove(datei.c_str());
    ASSERT_GE(b.Breite, 1181);
    ASSERT_GE(b.Hoehe, 590);

    // The cell is black, the text over it white.
    EXPECT_GT(b.Dunkle(100, 100, 500, 250), 400 * 150 * 7 / 10);
    EXPECT_GT(400 * 150 - b.Dunkle(100, 100, 500, 250), 1000);
    EXPECT_EQ(b.Dunkle(500, 100, 700, 250), 0);
    // Nothing of the clipped text right of its room, and it is there.
    EXPECT_GT(b.Dunkle(100, 350, 250, 430), 500);
    EXPECT_EQ(b.Dunkle(252, 330, 700, 450), 0);
    // The letter and its dots: both parts of the glyph are embedded.
    const int oben = b.Dunkle(800, 100, 1000, 150), unten = b.Dunkle(800, 180, 1000, 300);
    EXPECT_GT(oben, 200) << "Punkte";
    EXPECT_GT(unten, 2000) << "Buchstabe";
    // The grid line covers its three rows and no more.
    EXPECT_EQ(b.Dunkle(700, 50, 1100, 53), 400 * 3);
    EXPECT_EQ(b.Dunkle(700, 47, 1100, 50) + b.Dunkle(700, 53, 1100, 56), 0);
    // Ten dashes of 10 x 3 pixels.
    EXPECT_EQ(b.Dunkle(690, 500, 1110, 503), 10 * 10 * 3);
    EXPECT_EQ(b.Dunkle(710, 500, 740, 503), 0);
}

TEST(PdfAusgabe, NichtEinbettbaresAbgelehnt) {
    struct Fall {
        const char* Text;
        bool OhneSchrift;
        const char* Grund;
    };
    for (const Fall& f : {Fall{"Schneemann ☃", false, "U+2603"}, Fall{"漢字", false, "U+6F22"},
                          Fall{"Müller", true, "kann nicht eingebettet werden"}}) {
        Schriften s;
        TestDokument d;
        d.Zeichnen = [&f](DruckCanvas& c, int) {
            c.SetSchrift(Schrift(50));
            c.Text(10, 10, "Vorher");
            c.Text(10, 100, f.Text);
        };
        const PdfSchriften keine = [](const DruckSchrift&) -> const TrueTypeSchrift* { return nullptr; };
        std::string pdf = "alt", grund;
        EXPECT_FALSE(PdfErzeugen(d, f.OhneSchrift ? keine : PdfSchriften(std::ref(s)), 300, 1, 1, pdf, grund))
            << f.Text;
        EXPECT_TRUE(pdf.empty());
        EXPECT_NE(grund.find(f.Grund), std::string::npos) << grund;
    }
    // Pages the document does not have.
    Schriften s;
    TestDokument d;
    d.Zeichnen = [](DruckCanvas&, int) {};
    std::string pdf, grund;
    EXPECT_FALSE(PdfErzeugen(d, std::ref(s), 300, 1, 2, pdf, grund));
    EXPECT_NE(grund.find("keine Seiten 1 bis 2"), std::string::npos) << grund;
}

TEST(TrueTypeSchrift, TeilmengeHaeltNurDieBenutztenGlyphen) {
    const auto t = Tabellen("LiberationSans-Regular.ttf");
    std::string grund;
    const auto f = TrueTypeSchrift::Lesen(Quelle(t), grund);
    ASSERT_TRUE(f) << grund;
    const std::uint16_t a = f->Glyphe(U'A'), b = f->Glyphe(U'B'), ae = f->Glyphe(U'Ä'), l = f->Glyphe(U'Ł');
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    ASSERT_NE(ae, 0);
    ASSERT_NE(l, 0);
    EXPECT_EQ(f->Glyphe(U'☃'), 0);
    EXPECT_GT(f->Vorschub(a), f->Vorschub(f->Glyphe(U'i')));

    std::vector<bool> benutzt(static_cast<std::size_t>(f->AnzahlGlyphen()), false);
    benutzt[ae] = benutzt[l] = true;
    const std::string teil = f->Teilmenge(benutzt);
    EXPECT_LT(teil.size() * 5, t.at("glyf").size());

    // The numbering and the advances are kept, the outlines of the glyphs
    // not used are gone.
    std::map<std::string, std::string> tt;
    ASSERT_TRUE(SfntTabellenLesen(teil, tt, grund)) << grund;
    EXPECT_EQ(tt.at("hmtx"), t.at("hmtx"));
    EXPECT_EQ(tt.at("maxp"), t.at("maxp"));
    const std::string& loca = tt.at("loca");
    const auto laenge = [&loca](std::uint16_t n) {
        const auto u = [&](std::size_t i) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(loca[i])) << 24 |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(loca[i + 1])) << 16 |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(loca[i + 2])) << 8 |
                   static_cast<unsigned char>(loca[i + 3]);
        };
        return u(4u * (n + 1u)) - u(4u * n);
    };
    EXPECT_GT(laenge(ae), 0u);
    EXPECT_GT(laenge(l), 0u);
    EXPECT_GT(laenge(0), 0u);
    EXPECT_EQ(laenge(b), 0u);
}

TEST(TrueTypeSchrift, BeschaedigteTabellenAbgelehnt) {
    const auto echt = Tabellen("LiberationSans-Regular.ttf");
    struct Fall {
        const char* Was;
        std::function<void(std::map<std::string, std::string>&)> Aendern;
    };
    const Fall faelle[] = {
        {"ohne Umrisse", [](auto& t) { t.erase("glyf"); }},
        {"kurzer Kopf", [](auto& t) { t["head"].resize(20); }},
        {"kurze Glyphentabelle", [](auto& t) { t["loca"].resize(10); }},
        {"Glyphe hinter den Umrissen", [](auto& t) { t["glyf"].resize(t["glyf"].size() / 2); }},
        {"ohne Breiten", [](auto& t) { t["hmtx"].clear(); }},
        {"ohne Unicode-Tabelle", [](auto& t) { t["cmap"] = std::string("\0\0\0\1\0\1\0\0\0\0\0\14\0\0\0\0", 16); }},
    };
    for (const Fall& f : faelle) {
        auto t = echt;
        f.Aendern(t);
        std::string grund;
        EXPECT_FALSE(TrueTypeSchrift::Lesen(Quelle(t), grund)) << f.Was;
        EXPECT_FALSE(grund.empty()) << f.Was;
    }
    std::map<std::string, std::string> t;
    std::string grund;
    EXPECT_FALSE(SfntTabellenLesen("keine Schrift", t, grund));
    EXPECT_FALSE(SfntTabellenLesen(Lies(std::string(SchriftOrdner) + "LiberationSans-Regular.ttf").substr(0, 100), t,
                                   grund));
}

} // namespace
} // namespace tavuran
