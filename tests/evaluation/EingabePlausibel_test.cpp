// Plausibility notes on stored values, with limits from the rule's parameters.
#include "evaluation/EingabePlausibel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/evaluation/RegelWettbewerb.h"

namespace tavuran {
namespace {

TEST(EingabePlausibel, ArbeitszeitAusDenParameternDerRegel) {
    RegelWettbewerb f5j("F5J (B-Mod 2025)");
    EXPECT_DOUBLE_EQ(GetArbeitszeit(f5j.W, 1), 600);
    f5j.W->Parameter[1] = 480; // the rule's time as set in the parameters dialog
    EXPECT_DOUBLE_EQ(GetArbeitszeit(f5j.W, 1), 480);
    RegelWettbewerb f3b("F3B-A (B-Mod 2025)");
    f3b.W->AnzVorrunden = 2;
    f3b.W->AnzSeniorenFlyOff = 1;
    f3b.W->AnzDurchgaenge = 3;
    const double vorrunde = GetArbeitszeit(f3b.W, 1);
    EXPECT_GT(vorrunde, 0);
    EXPECT_DOUBLE_EQ(GetArbeitszeit(f3b.W, 3), vorrunde + f3b.W->Parameter[6]); // fly-off offset
    RegelWettbewerb manuell("Manuelle Auswertung");
    EXPECT_DOUBLE_EQ(GetArbeitszeit(manuell.W, 1), 0);
}

TEST(EingabePlausibel, HinweiseJeSpalte) {
    // F5J: Abstand[m], Zeit[min:s], F5J-Höhe[m]
    struct Fall {
        double Abstand, Zeit, Hoehe;
        std::vector<const char*> Hinweise; // part of the note per column, "" none
    } faelle[] = {
        {1, 598, 120, {"", "", ""}},
        {1, 660, 120, {"", "", ""}},                                      // within the margin
        {1, 661, 120, {"", "Flugzeit 11:01 länger als die Arbeitszeit 10:00 und 1:00 Zugabe", ""}},
        {1, 598, 501, {"", "", "Starthöhe 501 m über 500 m"}},
        {101, 598, 120, {"Landung 101 m weiter als 100 m", "", ""}},
        {3, 0, 0, {"Landung zu einem Flug von 0:00", "", ""}},
        {0, 0, 0, {"", "", ""}},                                          // nothing flown
        {-1, -2, -1, {"", "", ""}},                                       // not entered, invalid
        {-5, 598, -3, {"negativer Wert -5", "", "negativer Wert -3"}},
    };
    RegelWettbewerb rw("F5J (B-Mod 2025)");
    const WertSpaltenTyp s = GetWertSpalten(rw.W);
    ASSERT_EQ(s.Koepfe, (std::vector<std::string>{"Abstand[m]", "Zeit[min:s]", "F5J-Höhe[m]"}));
    for (const Fall& f : faelle) {
        WertungTyp w;
        *WertSlotPtr(&w, s, 1) = f.Abstand;
        *WertSlotPtr(&w, s, 2) = f.Zeit;
        *WertSlotPtr(&w, s, 3) = f.Hoehe;
        const std::vector<std::string> h = GetEingabeHinweise(rw.W, 1, &w, s);
        ASSERT_EQ(h.size(), 3u);
        for (std::size_t k = 0; k < 3; ++k) {
            if (*f.Hinweise[k] == '\0')
                EXPECT_EQ(h[k], "") << f.Abstand << " " << f.Zeit << " " << f.Hoehe;
            else
                EXPECT_NE(h[k].find(f.Hinweise[k]), std::string::npos) << h[k];
        }
    }
    // centimetres: 100 m are 10000 cm
    RegelWettbewerb f3bj("F3B-J (B-Mod 2025)");
    const WertSpaltenTyp sj = GetWertSpalten(f3bj.W);
    WertungTyp w;
    *WertSlotPtr(&w, sj, 3) = 100; // flown
    *WertSlotPtr(&w, sj, 1) = 9000;
    EXPECT_EQ(EingabeHinweisText(sj, GetEingabeHinweise(f3bj.W, 1, &w, sj)), "");
    *WertSlotPtr(&w, sj, 1) = 10001;
    EXPECT_EQ(EingabeHinweisText(sj, GetEingabeHinweise(f3bj.W, 1, &w, sj)),
              "Abstand[cm]: Landung 10001 cm weiter als 100 m");
}

} // namespace
} // namespace tavuran
