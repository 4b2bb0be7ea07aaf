// "tavuran-cli drucken": the printed documents as text and as PDF. The PDF's
// pages and texts (read back with pdfinfo and pdftotext) match the text output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

#include "cli/CliLauf.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "reports/DruckFixture.h"

namespace tavuran {
namespace {

using namespace clitest;
using namespace drucktest;

// A competition file written for the running test; removed with the object.
struct Datei {
    std::string Pfad;
    Datei(int Teilnehmer, int Gruppe, int Vorrunden = 2) {
        Wettbewerb w;
        Fuellen(w, Teilnehmer, Gruppe, Vorrunden, Gruppe > 0);
        Pfad = TempDatei(std::to_string(Teilnehmer) + "_" + std::to_string(Gruppe) + ".wtb");
        const DateiSpeicherErgebnis e = DatenWettbewerbSave(w.W, Pfad, 3, false);
        EXPECT_TRUE(e.Ok) << e.Grund;
    }
    ~Datei() {
        std::remove(Pfad.c_str());
        std::remove((Pfad.substr(0, Pfad.size() - 4) + ".bak").c_str());
    }
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;
    operator const std::string&() const { return Pfad; }
};
std::string operator+(const std::string& a, const Datei& d) { return a + d.Pfad; }

std::vector<std::string> Seiten(const std::string& text) {
    std::vector<std::string> s;
    std::string seite;
    for (char c : text) {
        if (c == '\f') {
            s.push_back(seite);
            seite.clear();
        } else {
            seite += c;
        }
    }
    return s;
}

// The characters of a page without blanks, sorted: the same in the text
// output and in the PDF, however a reader splits or joins words that stand close.
std::string Zeichen(std::string seite) {
    // pdftotext writes the ellipsis of a shortened text as three points.
    for (std::size_t i; (i = seite.find("\u2026")) != std::string::npos;) seite.replace(i, 3, "...");
    std::string z;
    for (char c : seite)
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r') z += c;
    std::sort(z.begin(), z.end());
    return z;
}

TEST(CmdDrucken, ErgebnislisteAlsText) {
    const Datei d(45, 9);
    const std::string vorher = Lies(d);
    const Lauf l = Starte("drucken \"" + d + "\" --liste ergebnis --text -");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    const auto s = Seiten(l.Aus);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NE(s[0].find("Ergebnis Seite 1"), std::string::npos) << s[0];
    EXPECT_NE(s[0].find("Teilnehmer45 Vor"), std::string::npos);
    EXPECT_NE(s[1].find("Ordner (Organisationsleiter)"), std::string::npos) << s[1];
    EXPECT_EQ(Lies(d), vorher);
}

TEST(CmdDrucken, StartlisteMitVerteiler) {
    const Datei d(50, 10);
    const Lauf l = Starte("drucken \"" + d + "\" --liste start --verteiler Aushang,punktrichter --text -");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    const auto s = Seiten(l.Aus);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_NE(s[0].find("Aushang"), std::string::npos);
    EXPECT_NE(s[1].find("Seite 2"), std::string::npos);
    EXPECT_NE(s[2].find("Punktrichter"), std::string::npos);
    EXPECT_NE(s[2].find("Seite 1"), std::string::npos);
}

TEST(CmdDrucken, Verweigerungen) {
    const Datei ungeteilt(10, 0);
    const Datei d(10, 5);
    struct Fall {
        std::string Argumente;
        int Rueckgabe;
        std::string Fehler;
    } faelle[] = {
        {"\"" + ungeteilt + "\" --liste start --text -", 1, "Startreihenfolge noch nicht festgelegt"},
        {"\"" + ungeteilt + "\" --liste etiketten --text -", 1, "Startreihenfolge noch nicht festgelegt"},
        {"\"" + d + "\" --liste ergebnis --durchgang 7 --text -", 1, "Den gewählten Durchgang gibt es"},
        {"\"" + d + "\" --liste ergebnis --seiten 2-3 --text -", 1, "das Dokument hat 1 Seite"},
        {"\"" + d + "\" --liste teamergebnis --text -", 1, "keine Teamwertung eingestellt"},
        {"\"" + d + "\" --liste ergebnis --text /gibt/es/nicht/aus.txt", 1, "konnte nicht geschrieben werden"},
        {"\"" + d + "\" --liste ergebnis", 2, "Es fehlt die Ausgabe"},
        {"\"" + d + "\" --liste bunt --text -", 2, "Unbekannte Liste"},
        {"\"" + d + "\" --liste start --verteiler Aushang,Presse --text -", 2, "Unbekannter Verteiler"},
        {"\"" + d + "\" --liste ergebnis --farbe 6 --text -", 2, "Ungültige Druckfarbe"},
        {"\"" + d + "\" --liste ergebnis --quer --hoch --text -", 2, "schließen sich aus"},
        {"\"" + d + "\" --liste ergebnis --text - --pdf x.pdf", 2, "nur eine Ausgabe"},
        {"/gibt/es/nicht.wtb --liste ergebnis --text -", 1, ""},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte("drucken " + f.Argumente);
        EXPECT_EQ(l.Rueckgabe, f.Rueckgabe) << f.Argumente << "\n" << l.Fehler;
        EXPECT_NE(l.Fehler.find(f.Fehler), std::string::npos) << f.Argumente << "\n" << l.Fehler;
        if (f.Rueckgabe != 0) EXPECT_EQ(l.Aus, "") << f.Argumente;
    }
}

TEST(CmdDrucken, TextDateiUndSeitenbereich) {
    const Datei d(91, 10);
    const std::string aus = TempDatei("liste.txt");
    const Lauf l = Starte("drucken \"" + d + "\" --liste meldung --seiten 2-2 --text \"" + aus + "\"");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    const auto s = Seiten(Lies(aus));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_NE(s[0].find("Meldungsliste Seite 2"), std::string::npos) << s[0];
    std::remove(aus.c_str());
}

// The PDF has the pages and the texts of the text output.
TEST(CmdDrucken, PdfWieText) {
    const Datei d(17, 6);
    // The time of printing is fixed, so that both runs print the same footer.
    const std::vector<std::string> listen = {"ergebnis --stand \"04.07.2026 09:05\"", "start --verteiler Aushang,Senderzelt", "wertung", "meldung",
                                             "startzettel", "etiketten --etikett-format 2", "kanalstatistik"};
    for (const std::string& liste : listen) {
        const std::string pdf = TempDatei("liste.pdf");
        const Lauf p = Starte("drucken \"" + d + "\" --liste " + liste + " --pdf \"" + pdf + "\"");
        if (p.Rueckgabe == 1 && p.Fehler.find("ohne Qt") != std::string::npos) GTEST_SKIP() << p.Fehler;
        ASSERT_EQ(p.Rueckgabe, 0) << liste << ": " << p.Fehler;
        const Lauf t = Starte("drucken \"" + d + "\" --liste " + liste + " --text -");
        ASSERT_EQ(t.Rueckgabe, 0) << t.Fehler;
        const auto seiten = Seiten(t.Aus);

        const std::string info = TempDatei("info.txt");
        ASSERT_EQ(std::system(("pdfinfo \"" + pdf + "\" >\"" + info + "\"").c_str()), 0);
        std::string zeile;
        std::istringstream in(Lies(info));
        int anzahl = -1;
        while (std::getline(in, zeile))
            if (zeile.rfind("Pages:", 0) == 0) anzahl = std::stoi(zeile.substr(6));
        EXPECT_EQ(anzahl, static_cast<int>(seiten.size())) << liste;

        const std::string txt = TempDatei("pdf.txt");
        ASSERT_EQ(std::system(("pdftotext -layout \"" + pdf + "\" \"" + txt + "\"").c_str()), 0);
        const auto pdfSeiten = Seiten(Lies(txt));
        ASSERT_EQ(pdfSeiten.size(), seiten.size()) << liste;
        for (std::size_t i = 0; i < seiten.size(); ++i)
            EXPECT_EQ(Zeichen(pdfSeiten[i]), Zeichen(seiten[i])) << liste << " Seite " << i + 1;
        std::remove(pdf.c_str());
        std::remove(info.c_str());
        std::remove(txt.c_str());
    }
}

} // namespace
} // namespace tavuran

namespace tavuran {
namespace {

using namespace clitest;
using namespace drucktest;

// The result list can be printed as final while rounds are still open.
TEST(CmdDrucken, ErgebnisAlsEndgueltig) {
    const Datei d(10, 5);
    const Lauf l =
        Starte("drucken \"" + d + "\" --liste ergebnis --endgueltig --stand \"04.07.2026 09:05\" --text -");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_NE(l.Aus.find("Stand 04.07.2026 09:05, endgültig   Seite 1 von 1"), std::string::npos) << l.Aus;
    const Lauf f = Starte("drucken \"" + d + "\" --liste ergebnis --stand 4.7.2026 --text -");
    EXPECT_EQ(f.Rueckgabe, 2);
}

} // namespace
} // namespace tavuran
