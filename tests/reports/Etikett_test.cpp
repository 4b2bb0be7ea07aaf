// The texts of the label dialog: lengths with and without unit, the way back
// from shown texts to the stored format, and what "Ok" refuses.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "reports/Etikett.h"

namespace tavuran {
namespace {

TEST(EtikettFelder, LaengeMitUndOhneEinheit) {
    struct Fall {
        const char* Text;
        bool Ok;
        int Wert;
    };
    const Fall faelle[] = {
        {"45.72 mm", true, 4572}, {"45,72 mm", true, 4572}, {"45.72", true, 4572}, // no unit: millimetres
        {"  7 MM ", true, 700},   {"4.572 cm", true, 4572}, {"2 dm", true, 20000}, {"1 inch", true, 2540},
        {"1 Zoll", true, 2540},   {"6 Zeilen", true, 2540}, {"0.05 mm", true, 5},  {"-3 mm", true, -300},
        {"0", true, 0},           {"abc", false, 0},        {"mm", false, 0},      {"", false, 0},
        {"12 xyz", false, 0},     {"x 12 mm", false, 0},
    };
    for (const Fall& f : faelle) {
        int v = -12345;
        EXPECT_EQ(EtikettLaengeLesen(f.Text, v), f.Ok) << f.Text;
        if (f.Ok) {
            EXPECT_EQ(v, f.Wert) << f.Text;
        }
    }
}

TEST(EtikettFelder, GezeigteWerteLesenSichUnveraendert) {
    // Every length a sheet can have reads back as shown, so "Ok" does not creep.
    int falsch = 0;
    for (int v = 0; v <= 30000; ++v) {
        int r = -1;
        if (!EtikettLaengeLesen(CnvMillimeterToString(v), r) || r != v) ++falsch;
    }
    EXPECT_EQ(falsch, 0);

    FormatTyp f = EtikettFormatDefault();
    f.FaktorX = 1234;
    f.FaktorY = 950;
    f.Sperrbereich.oben = 1;
    for (int tab = 0; tab < 3; ++tab) {
        f.AktFormat = tab;
        FormatTyp g = f;
        const EtikettFelder t = EtikettFelderZeigen(f);
        EXPECT_EQ(EtikettFelderLesen(t, g), "") << tab;
        EXPECT_EQ(g.AktFormat, tab);
        EXPECT_EQ(g.FaktorX, 1234);
        EXPECT_EQ(g.FaktorY, 950);
        EXPECT_EQ(g.Sperrbereich.oben, 1);
        for (int i = 0; i < 3; ++i) {
            const AbmessungenTyp &a = f.Abmessungen[i], &b = g.Abmessungen[i];
            EXPECT_EQ(std::tie(a.Breite, a.Hoehe, a.LinkerRand, a.ObererRand, a.RechterAbstand,
                               a.UntererAbstand, a.AnzahlSpalten),
                      std::tie(b.Breite, b.Hoehe, b.LinkerRand, b.ObererRand, b.RechterAbstand,
                               b.UntererAbstand, b.AnzahlSpalten))
                << tab << "/" << i;
        }
    }
    EXPECT_EQ(EtikettFelderZeigen(EtikettFormatDefault()).FaktorX, " 1,0");
}

TEST(EtikettFelder, NurDasGewaehlteFormatWirdUebernommen) {
    FormatTyp f = EtikettFormatDefault();
    EtikettFelder t = EtikettFelderZeigen(f);
    t.AktFormat = 1;
    t.Breite = "70 mm";
    t.AnzahlSpalten = 3;
    t.PapierHoehe = "280 mm";
    ASSERT_EQ(EtikettFelderLesen(t, f), "");
    EXPECT_EQ(f.AktFormat, 1);
    EXPECT_EQ(f.Abmessungen[1].Breite, 7000);
    EXPECT_EQ(f.Abmessungen[1].AnzahlSpalten, 3);
    EXPECT_EQ(f.PapierHoehe, 28000);
    // The fields of the first tab went into format 2; formats 1 and 3 keep theirs.
    EXPECT_EQ(f.Abmessungen[0].Breite, 4572);
    EXPECT_EQ(f.Abmessungen[2].Breite, 8890);
    EXPECT_EQ(f.Abmessungen[1].Hoehe, 2117);
    EXPECT_EQ(f.Namen[1], "70x21mm 3-reihig");
}

TEST(EtikettFelder, FehlerhafteEingabenAendernNichts) {
    struct Fall {
        const char* Name;
        void (*Aendern)(EtikettFelder&);
        std::vector<std::string> Meldungen;
    };
    const Fall faelle[] = {
        {"Buchstaben", [](EtikettFelder& t) { t.Breite = "breit"; }, {"Breite: „breit“ ist keine Länge."}},
        {"leeres Feld",
         [](EtikettFelder& t) { t.PapierHoehe = " "; },
         {"Papierhöhe: es ist kein Wert eingetragen."}},
        {"unbekannte Einheit",
         [](EtikettFelder& t) { t.ObererRand = "3 m"; },
         {"Oberer Rand: „3 m“ ist keine Länge."}},
        {"Faktor mit Rest",
         [](EtikettFelder& t) { t.FaktorX = "1.0x"; },
         {"Breitenfaktor: „1.0x“ ist keine Zahl."}},
        {"zwei Felder",
         [](EtikettFelder& t) {
             t.SperrLinks = "?";
             t.FaktorY = "";
         },
         {"Höhenfaktor: es ist kein Wert eingetragen.",
          "nicht bedruckbarer Rand links: „?“ ist keine Länge."}},
        {"negative Länge",
         [](EtikettFelder& t) { t.LinkerRand = "-1 mm"; },
         {"Linker Rand: eine Länge darf nicht negativ sein."}},
        {"Zeilenabstand 0",
         [](EtikettFelder& t) {
             t.Hoehe = "0 mm";
             t.UntererAbstand = "0.00 mm";
         },
         {"Die Höhe des Etiketts muss größer als 0 sein."}},
        {"Faktor 0", [](EtikettFelder& t) { t.FaktorY = "0"; }, {"Der Höhenfaktor muss größer als 0"}},
        {"Ränder breiter als das Papier",
         [](EtikettFelder& t) { t.SperrRechts = "210 mm"; },
         {"Die Papierbreite muss größer als die nicht bedruckbaren Ränder links und rechts sein."}},
    };
    for (const Fall& c : faelle) {
        FormatTyp f = EtikettFormatDefault();
        f.AktFormat = 2;
        EtikettFelder t = EtikettFelderZeigen(f);
        c.Aendern(t);
        const std::string fehler = EtikettFelderLesen(t, f);
        for (const std::string& m : c.Meldungen)
            EXPECT_NE(fehler.find(m), std::string::npos) << c.Name << ": " << fehler;
        EXPECT_EQ(static_cast<std::size_t>(std::count(fehler.begin(), fehler.end(), '\n')),
                  c.Meldungen.size())
            << c.Name << ": " << fehler;
        // Nothing of a refused input is taken, not even the fields that were right.
        const FormatTyp d = EtikettFormatDefault();
        EXPECT_EQ(f.AktFormat, 2) << c.Name;
        EXPECT_EQ(f.PapierHoehe, d.PapierHoehe) << c.Name;
        EXPECT_EQ(f.FaktorX, d.FaktorX) << c.Name;
        EXPECT_EQ(f.Abmessungen[2].Breite, d.Abmessungen[2].Breite) << c.Name;
        EXPECT_EQ(f.Abmessungen[2].Hoehe, d.Abmessungen[2].Hoehe) << c.Name;
        EXPECT_EQ(f.Abmessungen[2].LinkerRand, d.Abmessungen[2].LinkerRand) << c.Name;
    }
}

} // namespace
} // namespace tavuran
