// Runs "tavuran-cli regeln" as a user would and reads what it prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/CliLauf.h"

using namespace tavuran::clitest;

TEST(CmdRegeln, TabelleAllerRegeln) {
    const Lauf l = Starte("regeln");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(l.Fehler, "");
    const std::vector<std::string> z = Zeilen(l.Aus);
    ASSERT_EQ(z.size(), 88u);
    EXPECT_EQ(z[0],
              "Nr\tName\tEdvNr\tKennung\tAktiv\tGruppenstart\tPermntNullDurchg\tAnzPunktrichter\tAnzVorrunden\t"
              "AnzahlStreicher\tAnzSeniorenFlyOff\tAnzahlJugFlyOff\tAnzTeilnGruppe\tAnzTeilnInEndRunde\t"
              "AnzJugInEndRunde\tPunktrichterspalten\tDurchgangsspalten\tStartplatzStr");
    EXPECT_EQ(z[1], "1\tManuelle Auswertung\t6\tMANUELLE_EINGABE\tja\t2\t0\t0\t3\t0\t0\t0\t8\t8\t8\t\tPunkte\t"
                    "Start-/Landepkt.");
    EXPECT_EQ(z[4], "4\tF5J (B-Mod 2025)\t11\tF5J\tja\t0\t2\t1\t6\t1\t2\t0\t8\t8\t8\tAbstand[m]\t"
                    "Zeit[min:s]|F5J-H\u00f6he[m]\tStartstelle");
    EXPECT_EQ(z[78], "78\tF3B-E Bavarian Open\t3\tF3B-E_BAVARIAN_OPEN\tnein\t2\t0\t0\t3\t1\t0\t0\t8\t8\t8\t"
                     "A$P|L$P\tk|Zeit\tLandepunkt");
    EXPECT_EQ(z[87], "87\tOldi Funfly (5 Drchg.)\t5\tOLDTIMER_FUNFLY\tnein\t2\t0\t3\t3\t1\t0\t0\t8\t8\t8\t\t\t-");
    for (std::size_t i = 1; i < z.size(); ++i) {
        EXPECT_EQ(z[i].rfind(std::to_string(i) + "\t", 0), 0u) << "line " << i;
        EXPECT_EQ(std::count(z[i].begin(), z[i].end(), '\t'), 17) << "line " << i;
    }
}

TEST(CmdRegeln, EineRegelAusfuehrlich) {
    const Lauf l = Starte("regeln 4");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(l.Aus.rfind("Regel 4: F5J (B-Mod 2025)\n", 0), 0u) << l.Aus;
    for (const char* erwartet : {"11 (F5J)", "P1   max.                       600", "P9   Punktabzug niedrig         0.5",
                                 "\n  H\u00f6he:\n", "Zeit[min:s] | F5J-H\u00f6he[m]",
                                 "  Die Flugzeit vom Freigeben des Modells bis zur\n", "  abgezogen.\n"})
        EXPECT_NE(l.Aus.find(erwartet), std::string::npos) << erwartet;

    // How many rounds count, in words rather than as the catalogue's formula.
    EXPECT_NE(l.Aus.find("Gewertete Durchgänge:             alle Durchgänge\n"), std::string::npos) << l.Aus;
    EXPECT_EQ(l.Aus.find("ZAHL_DURCHGAENGE"), std::string::npos);
    EXPECT_NE(Starte("regeln 1").Aus.find("die Hälfte der Durchgänge (abgerundet) und einer"), std::string::npos);

    const Lauf ohne = Starte("regeln 86");
    ASSERT_EQ(ohne.Rueckgabe, 0);
    EXPECT_NE(ohne.Aus.find("Punktrichter (0):               keine"), std::string::npos) << ohne.Aus;
    EXPECT_NE(ohne.Aus.find("Beschreibung:\n  keine\n"), std::string::npos) << ohne.Aus;
}

TEST(CmdRegeln, FalscheNummer) {
    struct Fall {
        const char* Argumente;
        int Rueckgabe;
    };
    // A number outside the catalogue is a wrong call, as everywhere in the tool.
    for (const Fall& f : {Fall{"regeln 0", 2}, Fall{"regeln 88", 2}, Fall{"regeln -3", 2}, Fall{"regeln 4x", 2},
                          Fall{"regeln F5J", 2}, Fall{"regeln 1 2", 2}}) {
        const Lauf l = Starte(f.Argumente);
        EXPECT_EQ(l.Rueckgabe, f.Rueckgabe) << f.Argumente;
        EXPECT_EQ(l.Aus, "") << f.Argumente;
        EXPECT_NE(l.Fehler, "") << f.Argumente;
    }
    EXPECT_NE(Starte("regeln 88").Fehler.find("1 bis 87"), std::string::npos);
}
