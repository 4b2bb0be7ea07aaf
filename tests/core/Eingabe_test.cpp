// Reading typed entry values and showing stored ones, by column kind; round labels.
#include "core/Eingabe.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/DatenTypen.h"

namespace tavuran {
namespace {

// A competition with a rule of the given algorithm and some parameters; five
// preliminary rounds, one senior and one junior fly-off round (rounds 6 and 7).
struct Wettbewerb {
    WettbewerbTyp w;
    RegelTyp r;
    Wettbewerb(int EdvNr, std::initializer_list<std::pair<int, double>> Parameter) {
        r.EdvNr = EdvNr;
        w.RegelPtr = &r;
        w.AnzVorrunden = 5;
        w.AnzSeniorenFlyOff = 1;
        w.AnzDurchgaenge = 7;
        for (auto [i, v] : Parameter) w.Parameter[i] = v;
    }
};

// Metre table: 100 points, 5 per metre; fine table up to 2 m, 1 per 0.2 m.
Wettbewerb MeterRegel(int EdvNr, double FeinNurImFlyOff) {
    return Wettbewerb(EdvNr, {{3, 100}, {4, 15}, {5, 5}, {7, 2}, {8, 1}, {9, 100}, {11, FeinNurImFlyOff}});
}

TEST(EingabeTest, MarkersOfAnInvalidEntry) {
    const std::array<std::string_view, 17> Erwartet = {"<", ">", "X", "M", "N", "L", "V", "ü", "Ü", "/",
                                                      "?", "!", "AUSSER", "OUT", "OVER", "OFF", "---"};
    EXPECT_EQ(VoidInputStr, Erwartet);
}

TEST(EingabeTest, ColumnKindByLabel) {
    struct Fall {
        const char* Label;
        EingabeArt Lesen;
        EingabeArt Anzeige;
    } Faelle[] = {
        {"Zeit[min:s]", EingabeArt::Zeit, EingabeArt::Zeit},
        {"Zeit[min:s.z]", EingabeArt::Zeit, EingabeArt::Zeit},
        {"Zeit-L", EingabeArt::Zeit, EingabeArt::Zeit},
        {"Überzeit", EingabeArt::Zeit, EingabeArt::Zeit},
        {"Abstand[cm]", EingabeArt::Abstand, EingabeArt::Abstand},
        {"Abst.[cm]", EingabeArt::Abstand, EingabeArt::Abstand},
        {"Drehung[°]", EingabeArt::Drehung, EingabeArt::Drehung},
        {"F5J-Höhe[m]", EingabeArt::Normal, EingabeArt::LoggerHoehe},
        {"F5J-Höhe", EingabeArt::Normal, EingabeArt::LoggerHoehe},
        {"Punkte", EingabeArt::Normal, EingabeArt::Normal},
        {"Wertung[%]", EingabeArt::Normal, EingabeArt::Normal},
        {"[cm] Landung", EingabeArt::Normal, EingabeArt::Normal},
        {"k", EingabeArt::Normal, EingabeArt::Normal},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(GetEingabeArt(f.Label, false), f.Lesen) << f.Label;
        EXPECT_EQ(GetEingabeArt(f.Label, true), f.Anzeige) << f.Label;
    }
}

constexpr auto W = EingabeStatus::Wert;
constexpr auto N = EingabeStatus::NichtEingegeben;
constexpr auto U = EingabeStatus::Ungueltig;
constexpr auto A = EingabeStatus::Abgelehnt;

TEST(EingabeTest, TypedTextsReadByColumnKind) {
    Wettbewerb f3ba = MeterRegel(1, 1);         // fine table in the senior fly-off only
    Wettbewerb f3baFein = MeterRegel(1, 0);     // fine table always
    Wettbewerb f5j(11, {{5, 50}, {6, 10}, {7, 5}});
    Wettbewerb f3bj(12, {{5, 50}, {6, 25}, {7, 10}, {8, 1}}); // no points left beyond 500 cm
    Wettbewerb manuell(6, {});
    // No deduction per metre: points name a distance only through the fine table.
    Wettbewerb nurFein(1, {{3, 100}, {4, 15}, {5, 0}, {7, 2}, {8, 1}, {9, 100}});

    struct Fall {
        WettbewerbTyp* Wett;
        int Runde;
        const char* Label;
        const char* Eingabe;
        EingabeStatus Status;
        double Erwartet;            // the value stored (not for refused texts)
        const char* Meldung = "";   // refused: part of the message saying what was not understood
    } Faelle[] = {
        // time: the forms of the column
        {nullptr, 1, "Zeit[min:s]", "1:05.5", W, 65.5},
        {nullptr, 1, "Zeit[min:s]", "1:05,5", W, 65.5},
        {nullptr, 1, "Zeit[min:s]", "1 05 5", W, 65.5},
        {nullptr, 1, "Zeit[min:s]", "1:05", W, 65},
        {nullptr, 1, "Zeit[min:s]", "1:5", W, 65},
        {nullptr, 1, "Zeit[min:s]", "1 05", W, 65},
        {nullptr, 1, "Zeit[min:s]", "65", W, 65},
        {nullptr, 1, "Zeit[min:s]", "65.5", W, 65.5},   // bare seconds keep their tenths
        {nullptr, 1, "Zeit[min:s]", "1 05.5", W, 65.5},
        {nullptr, 1, "Zeit[min:s]", "  1:05.5 ", W, 65.5},
        {nullptr, 1, "Zeit[min:s]", "10:00", W, 600},
        {nullptr, 1, "Zeit[min:s]", "1:05.05", W, 65.05}, // the decimals as typed, not 65.5
        {nullptr, 1, "Zeit-T", "2:30", W, 150},
        {nullptr, 1, "Zeit[min:s]", "-", N, 0},
        {nullptr, 1, "Zeit[min:s]", "", N, 0},
        {nullptr, 1, "Zeit[min:s]", "OVER", U, -2},
        {nullptr, 1, "Zeit[min:s]", "x", U, -2},
        {nullptr, 1, "Zeit[min:s]", "Over Flight", U, -2}, // what the column shows for it
        // time: what was read as something else before
        {nullptr, 1, "Zeit[min:s]", "abc", A, 0, "keine Zeit"},
        {nullptr, 1, "Zeit[min:s]", "5,5", A, 0, "mehrdeutig"},
        {nullptr, 1, "Zeit[min:s]", "5.30", A, 0, "höchstens eine Nachkommastelle"},
        {nullptr, 1, "Zeit[min:s]", "9:5O", A, 0, "„O“ an Stelle 4"},
        {nullptr, 1, "Zeit[min:s]", "9:61", A, 0, "61 Sekunden"},
        {nullptr, 1, "Zeit[min:s]", "1:2:3", A, 0, "einen Doppelpunkt"},
        {nullptr, 1, "Zeit[min:s]", "2:", A, 0, "Sekunden fehlen"},
        {nullptr, 1, "Zeit[min:s]", "-5", A, 0, "Vorzeichen"},
        {nullptr, 1, "Zeit[min:s]", "12abc", A, 0, "„a“ an Stelle 3"},
        {nullptr, 1, "Zeit[min:s]", "1 2 3 4", A, 0, "drei Teile"},
        // plain
        {nullptr, 1, "Punkte", "-", N, -1},
        {nullptr, 1, "Punkte", "12,5", W, 12.5},
        {nullptr, 1, "Punkte", "12.5", W, 12.5},
        {nullptr, 1, "Punkte", "-3", W, -3},
        {nullptr, 1, "Punkte", "", N, 0},
        {nullptr, 1, "Punkte", "ungültig", U, -2},
        {nullptr, 1, "Punkte", "12 m", A, 0, "Leerzeichen an Stelle 3"},
        {nullptr, 1, "Punkte", "abc", A, 0, "keine Zahl"},
        {nullptr, 1, "Punkte", "Null", A, 0, "keine Zahl"},
        {nullptr, 1, "Punkte", "1e5", A, 0, "„e“ an Stelle 2"},
        {nullptr, 1, "F5J-Höhe[m]", "123", W, 123},
        {nullptr, 1, "F5J-Höhe[m]", "---", U, -2},
        {nullptr, 1, "F5J-Höhe[m]", "Log:---", U, -2},
        {nullptr, 1, "F5J-Höhe[m]", "hundert", A, 0, "keine Zahl"},
        // rotation
        {nullptr, 1, "Drehung[°]", "45", W, 0},
        {nullptr, 1, "Drehung[°]", "89", W, 0},
        {nullptr, 1, "Drehung[°]", "90", W, 91},
        {nullptr, 1, "Drehung[°]", "135", W, 91},
        {nullptr, 1, "Drehung[°]", "180", W, 91},
        {nullptr, 1, "Drehung[°]", "0-90", W, 0},
        {nullptr, 1, "Drehung[°]", "90-180", W, 91},
        {nullptr, 1, "Drehung[°]", "-", N, -1},
        {nullptr, 1, "Drehung[°]", "200", A, 0, "höchstens 180"},
        {nullptr, 1, "Drehung[°]", "-5", A, 0, "Vorzeichen"},
        {nullptr, 1, "Drehung[°]", "_", A, 0, "keine Zahl"},
        // distance: typed landing points become a distance, other numbers stay
        {nullptr, 1, "Abstand[m]", "5", W, 5},
        {&f3ba.w, 1, "Abstand[m]", "95", W, 2},
        {&f3ba.w, 6, "Abstand[m]", "95", W, 1.2},      // senior fly-off: fine table
        {&f3ba.w, 7, "Abstand[m]", "95", W, 2},        // junior fly-off does not qualify
        {&f3baFein.w, 1, "Abstand[m]", "95", W, 1.2},
        {&f3baFein.w, 1, "Abstand[m]", "88", W, 4},    // 2.6 m is beyond the fine table: whole metres, rounded up
        {&f3ba.w, 1, "Abstand[m]", "100", W, 1},
        {&f3ba.w, 1, "Abstand[m]", "30", W, 15},
        {&f3ba.w, 1, "Abstand[m]", "101", W, 101},
        {&f3ba.w, 1, "Abstand[m]", "12", W, 12},
        {&f3ba.w, 1, "Abstand[m]", "12,5", W, 12.5},
        {&f3ba.w, 1, "Abstand[m]", "12.5", W, 12.5},
        {&f3ba.w, 1, "Abstand[m]", "-", N, -1},
        {&f3ba.w, 1, "Abstand[m]", "X", U, -2},
        {&f3ba.w, 1, "Abstand[m]", ">75m", U, -2},
        {&f3ba.w, 1, "Abstand[m]", "9:00", A, 0, "eine Zeit ist kein Abstand"},
        {&f3ba.w, 1, "Abstand[m]", " 1 5 ", A, 0, "Leerzeichen"},
        {&f3ba.w, 1, "Abstand[m]", "abc", A, 0, "keine Zahl"},
        {&f3ba.w, 1, "Abstand[m]", "0.003", A, 0, "höchstens zwei Nachkommastellen"},
        {&nurFein.w, 1, "Abstand[m]", "95", W, 1.2},
        {&nurFein.w, 1, "Abstand[m]", "88", W, 88},    // beyond the fine table: no distance, stays as typed
        {&f5j.w, 1, "Abstand[m]", "45", W, 2},
        {&f5j.w, 1, "Abstand[m]", "50", W, 1},
        {&f5j.w, 1, "Abstand[m]", "14", W, 14},
        {&f3bj.w, 1, "Abstand[cm]", "80", W, 80},
        {&f3bj.w, 1, "Abstand[cm]", "0", W, 0},
        {&f3bj.w, 1, "Abstand[cm]", "500", W, 500},
        {&f3bj.w, 1, "Abstand[cm]", "501", N, -1},     // no points left: nothing entered
        {&f3bj.w, 1, "Abstand[cm]", "-3", N, -1},
        {&manuell.w, 1, "Abstand", "95", W, 95},
        // whole penalty points
        {nullptr, 1, "Strafpunkte", "3", W, 3},
        {nullptr, 1, "Strafpunkte", " -2 ", W, -2},
        {nullptr, 1, "Strafpunkte", "", N, 0},
        {nullptr, 1, "Strafpunkte", "-", N, 0},
        {nullptr, 1, "Strafpunkte", "abc", A, 0, "keine Zahl"},
        {nullptr, 1, "Strafpunkte", "2,5", A, 0, "„,“ an Stelle 2"},
        {nullptr, 1, "Strafpunkte", "x", A, 0, "keine Zahl"},
    };
    for (const auto& f : Faelle) {
        const EingabeErgebnis e = EingabeLesen(f.Wett, f.Runde, f.Label, f.Eingabe);
        const std::string wo = std::string(f.Label) + " '" + f.Eingabe + "' round " + std::to_string(f.Runde);
        EXPECT_EQ(e.Status, f.Status) << wo << ": " << e.Meldung;
        if (f.Status == A) {
            EXPECT_NE(e.Meldung.find(f.Meldung), std::string::npos) << wo << ": " << e.Meldung;
            // The message names the text, the column and the forms the column takes.
            EXPECT_NE(e.Meldung.find(std::string("„") + f.Eingabe + "“"), std::string::npos) << e.Meldung;
            EXPECT_NE(e.Meldung.find(EingabeFormen(f.Wett, f.Label)), std::string::npos) << e.Meldung;
        } else {
            EXPECT_TRUE(e.Meldung.empty()) << wo;
            EXPECT_DOUBLE_EQ(e.Wert, f.Erwartet) << wo;
        }
    }
}

TEST(EingabeTest, InvalidMarkerStandsAloneOrWithANumber) {
    struct Fall {
        const char* Eingabe;
        EingabeStatus Status;
        double Zahl;
    } Faelle[] = {
        {"x", U, 0},   {"X", U, 0},    {"over", U, 0}, {"OUT", U, 0},  {"Off", U, 0}, {"---", U, 0},
        {"<", U, 0},   {">", U, 0},    {"!", U, 0},    {"?", U, 0},    {"/", U, 0},   {"ü", U, 0},
        {"Ü", U, 0},   {"ausser", U, 0}, {">75", U, 75}, {"> 75", U, 75}, {">75m", U, 75}, {"<2,5", U, 2.5},
        {"Landung", A, 0}, {"xyz", A, 0}, {"over 5 m", A, 0}, {"--", A, 0}, {"12x", A, 0},
    };
    for (const auto& f : Faelle) {
        const EingabeErgebnis e = EingabeLesen(nullptr, 1, "Punkte", f.Eingabe);
        EXPECT_EQ(e.Status, f.Status) << f.Eingabe << ": " << e.Meldung;
        if (f.Status != U) continue;
        EXPECT_DOUBLE_EQ(e.Wert, -2) << f.Eingabe;
        EXPECT_EQ(e.MitZahl, f.Zahl != 0) << f.Eingabe;
        EXPECT_DOUBLE_EQ(e.Zahl, f.Zahl) << f.Eingabe;
    }
}

TEST(EingabeTest, RefusalQuotesUntrustedTextSafely) {
    // Control characters and broken UTF-8 never reach a message; long texts are cut.
    const std::string lang(200, '7');
    const EingabeErgebnis a = EingabeLesen(nullptr, 1, "Punkte", lang);
    EXPECT_EQ(a.Status, A);
    EXPECT_EQ(a.Meldung.find(lang), std::string::npos);
    EXPECT_NE(a.Meldung.find("…"), std::string::npos);
    const EingabeErgebnis b = EingabeLesen(nullptr, 1, "Punkte", std::string("1\x1b[2J\xff", 7));
    EXPECT_EQ(b.Status, A);
    EXPECT_EQ(b.Meldung.find('\x1b'), std::string::npos);
    EXPECT_EQ(b.Meldung.find('\xff'), std::string::npos);
}

TEST(EingabeTest, TypedLandingPointsWithoutDeductionStayAsTyped) {
    // A file may carry a zero deduction; the points then name no distance.
    Wettbewerb ohneAbzug(1, {{3, 100}, {4, 15}, {5, 0}, {8, 0}, {9, 100}});
    EXPECT_EQ(CalcAbstandAusLandepunkte(&ohneAbzug.w, 1, "95"), "95");
    Wettbewerb f5j(11, {{5, 50}, {7, 0}});
    EXPECT_EQ(CalcAbstandAusLandepunkte(&f5j.w, 1, "45"), "45");
    Wettbewerb f3bj(12, {{5, 50}, {7, 10}, {8, 0}});
    EXPECT_EQ(CalcAbstandAusLandepunkte(&f3bj.w, 1, "5000"), "5000");
}

TEST(EingabeTest, ValuesShownByColumnKind) {
    Wettbewerb f3ba = MeterRegel(1, 0);
    Wettbewerb f3bj(12, {}), f5bj(13, {}), bav(7, {}), mod(9, {}), f5j(11, {});
    WettbewerbTyp ohneRegel;

    struct Fall {
        WettbewerbTyp* Wett;
        const char* Label;
        double Wert;
        const char* Erwartet;
    } Faelle[] = {
        // time
        {nullptr, "Zeit[min:s]", 65.5, "1:05.5"},
        {nullptr, "Zeit[min:s]", 65, "1:05"},
        {nullptr, "Zeit[min:s]", 600, "10:00"},
        {nullptr, "Zeit[min:s]", 59.96, "1:00"},
        {nullptr, "Zeit[min:s]", 0, "0:00"},
        {nullptr, "Zeit[min:s]", -1, "0:-1"},
        {nullptr, "Zeit[min:s]", -2, "Over Flight"},
        {nullptr, "Zeit[min:s]", -2.05, "Over Flight"},
        {nullptr, "Zeit[min:s.z]", 600.04, "10:00"},
        // distance
        {&f3ba.w, "Abstand[m]", -2, ">75m"},
        {&f3ba.w, "Abstand[m]", 12.345, "12.35"},
        {&f3ba.w, "Abstand[m]", 1.2, "1.2"},
        {&f3ba.w, "Abstand[m]", -1, "-"},
        {&f3ba.w, "Abstand[m]", 0, "-"},
        {&f5j.w, "Abstand[m]", 0, "-"},
        {&f3bj.w, "Abstand[cm]", 0, "0"},
        {&f5bj.w, "Abst.[cm]", 0.0005, "0"},
        {&bav.w, "Abst.[cm]", 0, "0"},
        {&mod.w, "Abst.[cm]", 0, "0"},
        {&ohneRegel, "Abstand[m]", 0, "-"},
        {nullptr, "Abstand[m]", 5, "-"},
        // rotation
        {nullptr, "Drehung[°]", 90, "90-180"},
        {nullptr, "Drehung[°]", 91, "90-180"},
        {nullptr, "Drehung[°]", 89.9, "0-90"},
        {nullptr, "Drehung[°]", 0, "0-90"},
        {nullptr, "Drehung[°]", 180, "-"},
        {nullptr, "Drehung[°]", -1, "-"},
        // logger height
        {nullptr, "F5J-Höhe[m]", -2, "Log:---"},
        {nullptr, "F5J-Höhe", 123.456, "123.46"},
        // plain
        {nullptr, "Punkte", -2, "ungültig"},
        {nullptr, "Punkte", -1, "-1"},
        {nullptr, "Punkte", 12.3456, "12.35"},
        {nullptr, "Wertung[%]", 1000, "1000"},
    };
    for (const auto& f : Faelle)
        EXPECT_EQ(DispAllWertung(f.Wett, f.Wert, f.Label), f.Erwartet) << f.Label << " " << f.Wert;
}

TEST(EingabeTest, TypedValueShownAndReadAgainKeepsItsValue) {
    // What the grid shows is read back to the same value when the row is stored again.
    Wettbewerb f3bj(12, {{5, 50}, {7, 10}, {8, 1}});
    struct Fall {
        const char* Label;
        const char* Eingabe;
    } Faelle[] = {
        {"Zeit[min:s]", "1:05.5"}, {"Zeit[min:s]", "10:00"}, {"Zeit[min:s]", "OVER"},
        {"Zeit[min:s]", "999999"}, // shown as 16666:39
        {"Drehung[°]", "135"},     {"Drehung[°]", "-"},      {"Drehung[°]", "45"},
        {"Abstand[cm]", "80"},     {"Abstand[cm]", "0"},     {"Punkte", "12,5"},
        {"Punkte", "-"},           {"Punkte", "x"},          {"Zeit[min:s]", "65.5"},
        {"Abstand[cm]", "x"},      {"F5J-Höhe[m]", "x"},     {"Drehung[°]", "180"},
    };
    for (const auto& f : Faelle) {
        const double v = EingabeLesen(&f3bj.w, 1, f.Label, f.Eingabe).Wert;
        const std::string Text = DispAllWertung(&f3bj.w, v, f.Label);
        const EingabeErgebnis wieder = EingabeLesen(&f3bj.w, 1, f.Label, Text);
        EXPECT_TRUE(wieder.Angenommen()) << wieder.Meldung;
        EXPECT_DOUBLE_EQ(wieder.Wert, v) << f.Label << " " << f.Eingabe << " -> " << Text;
    }
}

TEST(EingabeTest, RoundLabelsFromTheThreeCounts) {
    struct Fall {
        int V, F, J, r;
        const char* Lang;
        const char* Kurz;
    } Faelle[] = {
        {5, 2, 1, 1, "1. Vorrunde", "1"},
        {5, 2, 1, 5, "5. Vorrunde", "5"},
        {5, 2, 1, 6, "1. Fly-Off", "1FO"},
        {5, 2, 1, 7, "2. Fly-Off", "2FO"},
        {5, 2, 1, 8, "jug. Fly-Off", "jFO"},
        {5, 2, 1, 9, "9. Vorrunde", "9"},      // beyond all rounds
        {5, 0, 2, 6, "1. jug. Fly-Off", "1jFO"},
        {5, 0, 2, 7, "2. jug. Fly-Off", "2jFO"},
        {0, 0, 0, 1, "1. Vorrunde", "1"},      // no preliminary rounds counts as one
        {0, 1, 0, 2, "1. Fly-Off", "1FO"},
        {2, -1, 1, 3, "jug. Fly-Off", "jFO"},  // a negative count counts as 0
        {5, 1, 0, 0, "0. Vorrunde", "0"},
    };
    for (const auto& f : Faelle) {
        EXPECT_EQ(GetDurchgangBezeichnerDirekt(f.V, f.F, f.J, f.r, false), f.Lang) << f.V << f.F << f.J << f.r;
        EXPECT_EQ(GetDurchgangBezeichnerDirekt(f.V, f.F, f.J, f.r, true), f.Kurz) << f.V << f.F << f.J << f.r;
    }
}

TEST(EingabeTest, RoundLabelsOfACompetitionAndAliases) {
    WettbewerbTyp w;
    w.AnzVorrunden = 5;
    w.AnzSeniorenFlyOff = 2;
    w.AnzDurchgaenge = 8;
    w.DurchgangAlias[6] = "Finale";
    w.DurchgangAlias[18] = "Letzte";

    EXPECT_EQ(GetDurchgangBezeichner(&w, 6, false, true), "Finale");
    EXPECT_EQ(GetDurchgangBezeichner(&w, 6, false, false), "1. Fly-Off");
    EXPECT_EQ(GetDurchgangBezeichner(&w, 6, true, true), "1FO"); // no alias for the short label
    EXPECT_EQ(GetDurchgangBezeichner(&w, 8, false, true), "jug. Fly-Off");
    EXPECT_EQ(GetDurchgangBezeichner(&w, 18, false, true), "Letzte");
    // Round numbers outside 1..18 have no alias slot; they keep their label.
    EXPECT_EQ(GetDurchgangBezeichner(&w, 19, false, true), "19. Vorrunde");
    EXPECT_EQ(GetDurchgangBezeichner(&w, 0, false, true), "0. Vorrunde");
    EXPECT_EQ(GetDurchgangBezeichner(&w, -3, false, true), "-3. Vorrunde");

    // Fewer rounds than preliminary and fly-off rounds: no junior fly-off.
    w.AnzDurchgaenge = 3;
    EXPECT_EQ(GetDurchgangBezeichner(&w, 8, false, false), "8. Vorrunde");
}

} // namespace
} // namespace tavuran
