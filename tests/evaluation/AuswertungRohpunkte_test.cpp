// Raw points of one flight for every algorithm, with the rule's parameters
// taken from the catalogue; landing tables, judges' trimming, judge count and
// the droppable test.
#include "evaluation/AuswertungRohpunkte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/Eingabe.h"
#include "rules/RegelListe.h"
#include "rules/RegelLookup.h"

namespace tavuran {
namespace {

using Werte = std::vector<std::pair<int, double>>;

// Round numbers of the test competitions: five preliminary rounds, one senior
// and one junior fly-off round.
constexpr int Vorrunde = 1;
constexpr int FlyOff = 6;
constexpr int JugFlyOff = 7;

// A competition with a copy of a catalogue rule and its default parameters.
struct Wettbewerb {
    WettbewerbTyp w;
    RegelTyp r;
    explicit Wettbewerb(int RegelNr, const Werte& Parameter = {}) {
        r = RegelListe(RegelNr);
        r.next = nullptr;
        w.RegelPtr = &r;
        DatenRegelToWettbewerb(&w, &r);
        w.AnzVorrunden = 5;
        w.AnzSeniorenFlyOff = 1;
        w.AnzDurchgaenge = 7;
        for (auto [i, v] : Parameter) w.Parameter[i] = v;
    }
};

struct Flug {
    const char* Name;
    int Runde = Vorrunde;
    Werte D = {};        // WertungDurchg slots
    Werte J = {};        // WertungPunktr slots
    double Erwartet = 0; // raw points
    Werte P = {};        // parameters changed for this flight
    Werte DNachher = {}; // WertungDurchg slots as stored after the evaluation
    Werte JNachher = {}; // WertungPunktr slots as stored after the evaluation
    int AnzPunktrichter = 1; // the competition's judge count
    int AnzNachkomma = 1;
};

// Judge j's approach in slot 2j-1 and landing in slot 2j.
Werte Richter(std::initializer_list<double> Anflug, std::initializer_list<double> Landung) {
    Werte w;
    int j = 1;
    for (double a : Anflug) w.push_back({2 * j++ - 1, a});
    j = 1;
    for (double l : Landung) w.push_back({2 * j++, l});
    return w;
}

// Consecutive slots from 1.
Werte Folge(std::initializer_list<double> v) {
    Werte w;
    int i = 1;
    for (double x : v) w.push_back({i++, x});
    return w;
}

// Evaluates every flight twice through the dispatcher: both times the
// expected raw points, and the entry stored as expected.
void Pruefe(int RegelNr, int EdvNr, const Werte& Basis, const std::vector<Flug>& Fluege) {
    for (const Flug& f : Fluege) {
        SCOPED_TRACE(f.Name);
        Wettbewerb c(RegelNr, Basis);
        ASSERT_EQ(c.r.EdvNr, EdvNr);
        for (auto [i, v] : f.P) c.w.Parameter[i] = v;
        c.w.AnzPunktrichter = f.AnzPunktrichter;
        c.w.AnzNachkomma = f.AnzNachkomma;
        WertungTyp e;
        for (auto [i, v] : f.D) e.WertungDurchg[i] = v;
        for (auto [i, v] : f.J) e.WertungPunktr[i] = v;

        const double Erste = GetRegelRohPunkte(&c.w, &e, f.Runde);
        EXPECT_NEAR(Erste, f.Erwartet, 1e-9);
        for (auto [i, v] : f.DNachher) EXPECT_DOUBLE_EQ(e.WertungDurchg[i], v) << "D" << i;
        for (auto [i, v] : f.JNachher) EXPECT_DOUBLE_EQ(e.WertungPunktr[i], v) << "J" << i;

        const WertungTyp Vorher = e;
        EXPECT_EQ(GetRegelRohPunkte(&c.w, &e, f.Runde), Erste) << "second evaluation";
        EXPECT_EQ(e.WertungDurchg, Vorher.WertungDurchg);
        EXPECT_EQ(e.WertungPunktr, Vorher.WertungPunktr);
    }
}

TEST(RohpunkteTest, F3bA) {
    // Rule 9: target 600 s, landing limit 630 s, senior offset 300; here a
    // junior offset of 200 and the fine table only in the senior fly-off.
    Pruefe(9, F3B_A, {{10, 200}, {11, 1}}, {
        {.Name = "at target", .D = {{1, 600}}, .Erwartet = 600},
        {.Name = "within 0.05 s above", .D = {{1, 600.04}}, .Erwartet = 600},
        {.Name = "above target mirrored", .D = {{1, 600.06}}, .Erwartet = 599.9},
        {.Name = "twice target plus 0.05", .D = {{1, 1200.05}}, .Erwartet = 0},
        {.Name = "far too long", .D = {{1, 1300}}, .Erwartet = 0},
        {.Name = "no time", .D = {{1, 0.05}}, .Erwartet = 0},
        {.Name = "not entered", .D = {{1, -1}}, .Erwartet = 0},
        {.Name = "invalid", .D = {{1, -2}}, .Erwartet = 0},
        {.Name = "850 s preliminary", .D = {{1, 850}}, .Erwartet = 350},
        {.Name = "850 s senior fly-off", .Runde = FlyOff, .D = {{1, 850}}, .Erwartet = 850},
        {.Name = "850 s junior fly-off", .Runde = JugFlyOff, .D = {{1, 850}}, .Erwartet = 750},
        // coarse table in the preliminary rounds
        {.Name = "1.0 m", .D = {{1, 300}}, .J = {{1, 1.0}}, .Erwartet = 400},
        {.Name = "1.01 m", .D = {{1, 300}}, .J = {{1, 1.01}}, .Erwartet = 395},
        {.Name = "0.5 m coarse", .D = {{1, 300}}, .J = {{1, 0.5}}, .Erwartet = 400},
        {.Name = "15.0 m", .D = {{1, 300}}, .J = {{1, 15.0}}, .Erwartet = 330},
        {.Name = "15.006 m", .D = {{1, 300}}, .J = {{1, 15.006}}, .Erwartet = 300},
        {.Name = "0 m no landing", .D = {{1, 300}}, .J = {{1, 0}}, .Erwartet = 300},
        {.Name = "landing out", .D = {{1, 300}}, .J = {{1, -2}}, .Erwartet = 300},
        // fine table in the senior fly-off only
        {.Name = "FO 0.2 m", .Runde = FlyOff, .D = {{1, 300}}, .J = {{1, 0.2}}, .Erwartet = 400},
        {.Name = "FO 0.21 m", .Runde = FlyOff, .D = {{1, 300}}, .J = {{1, 0.21}}, .Erwartet = 399},
        {.Name = "FO 0.5 m", .Runde = FlyOff, .D = {{1, 300}}, .J = {{1, 0.5}}, .Erwartet = 398},
        {.Name = "FO 1.0 m", .Runde = FlyOff, .D = {{1, 300}}, .J = {{1, 1.0}}, .Erwartet = 396},
        {.Name = "FO 2.0 m", .Runde = FlyOff, .D = {{1, 300}}, .J = {{1, 2.0}}, .Erwartet = 391},
        {.Name = "FO 2.01 m falls back to coarse", .Runde = FlyOff, .D = {{1, 300}}, .J = {{1, 2.01}}, .Erwartet = 390},
        {.Name = "junior FO 0.5 m coarse", .Runde = JugFlyOff, .D = {{1, 300}}, .J = {{1, 0.5}}, .Erwartet = 400},
        {.Name = "fine always", .D = {{1, 300}}, .J = {{1, 0.21}}, .Erwartet = 399, .P = {{11, 0}}},
        {.Name = "fine always, junior", .Runde = JugFlyOff, .D = {{1, 300}}, .J = {{1, 0.5}}, .Erwartet = 398, .P = {{11, 0}}},
        {.Name = "no fine distance", .D = {{1, 300}}, .J = {{1, 0.21}}, .Erwartet = 400, .P = {{7, 0}, {11, 0}}},
        // landing limit 630 s (930 s in the senior fly-off)
        {.Name = "just within landing limit", .D = {{1, 630.4}}, .J = {{1, 1}}, .Erwartet = 669.6},
        {.Name = "landing limit reached", .D = {{1, 630.5}}, .J = {{1, 1}}, .Erwartet = 569.5},
        {.Name = "FO landing limit", .Runde = FlyOff, .D = {{1, 930.4}}, .J = {{1, 1}}, .Erwartet = 965.6}, // fine table: 96
    });
}

TEST(RohpunkteTest, F3bAElektro) {
    // Rule 8: as rule 9 with a height limit of 150 m; fine table always.
    Pruefe(8, F3B_A_ELEKTRO, {}, {
        {.Name = "at the limit", .D = {{1, 300}, {2, 150}}, .J = {{1, 1}}, .Erwartet = 396},
        {.Name = "10 m above", .D = {{1, 300}, {2, 160}}, .J = {{1, 1}}, .Erwartet = 346},
        {.Name = "fraction above", .D = {{1, 300}, {2, 160.4}}, .Erwartet = 248},
        {.Name = "height eats the time, landing stays", .D = {{1, 300}, {2, 250}}, .J = {{1, 1}}, .Erwartet = 96},
        {.Name = "height not entered", .D = {{1, 300}, {2, -1}}, .J = {{1, 1}}, .Erwartet = 396},
        {.Name = "coarse beyond 2 m", .D = {{1, 600}, {2, 100}}, .J = {{1, 3}}, .Erwartet = 690},
    });
}

TEST(RohpunkteTest, F3bRes) {
    // Rule 5: target 360 s, landing limit 540 s, no fly-off offsets, fine table always.
    Pruefe(5, F3B_RES, {}, {
        {.Name = "time counts twice, fine", .D = {{1, 300}}, .J = {{1, 1}}, .Erwartet = 696},
        {.Name = "coarse", .D = {{1, 300}}, .J = {{1, 3}}, .Erwartet = 690},
        {.Name = "at target", .D = {{1, 360}}, .Erwartet = 720},
        {.Name = "over target", .D = {{1, 400}}, .Erwartet = 640},
        {.Name = "over target in fly-off", .Runde = FlyOff, .D = {{1, 400}}, .Erwartet = 640},
        {.Name = "within landing limit", .D = {{1, 540.4}}, .J = {{1, 3}}, .Erwartet = 449.2},
        {.Name = "landing limit reached", .D = {{1, 540.5}}, .J = {{1, 3}}, .Erwartet = 359},
    });
}

TEST(RohpunkteTest, F3j) {
    // Rule 6: target 600 s, landing limit 600 s, offsets 300 s.
    Pruefe(6, F3J, {}, {
        {.Name = "within 0.05 s", .D = {{1, 600.04}}, .Erwartet = 600},
        {.Name = "gap above target", .D = {{1, 600.3}}, .Erwartet = 0},
        {.Name = "gap keeps landing", .D = {{1, 600.3}}, .J = {{1, 1}}, .Erwartet = 96},
        {.Name = "capped at target", .D = {{1, 600.6}}, .Erwartet = 600},
        {.Name = "capped up to twice", .D = {{1, 1200.4}}, .Erwartet = 600},
        {.Name = "twice target", .D = {{1, 1200.5}}, .Erwartet = 0},
        {.Name = "fine landing", .D = {{1, 599}}, .J = {{1, 1}}, .Erwartet = 695},
        {.Name = "coarse landing", .D = {{1, 599}}, .J = {{1, 5}}, .Erwartet = 679},
        {.Name = "fly-off capped", .Runde = FlyOff, .D = {{1, 900.6}}, .Erwartet = 900},
        {.Name = "fly-off tenths", .Runde = FlyOff, .D = {{1, 600.3}}, .Erwartet = 600.3},
    });
}

TEST(RohpunkteTest, F5j) {
    // Rule 4: maximum 600 s, landing limit 660 s, senior offset 300 s (here a
    // junior offset of 60 s), 50 landing points less 5 per metre up to 10 m,
    // height 0.5 per metre up to 200 m, 3 above.
    Pruefe(4, F5J, {{4, 60}}, {
        {.Name = "seconds truncated", .D = {{1, 589.9}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 589},
        {.Name = "height in two bands", .D = {{1, 589.9}, {2, 250}}, .J = {{1, 1}}, .Erwartet = 389},
        {.Name = "height truncated", .D = {{1, 589.9}, {2, 200.9}}, .J = {{1, 1}}, .Erwartet = 539},
        {.Name = "at maximum", .D = {{1, 600.0004}, {2, 100}}, .J = {{1, 2}}, .Erwartet = 595},
        {.Name = "capped at maximum, no landing points", .D = {{1, 620}, {2, 100}}, .J = {{1, 2}}, .Erwartet = 550},
        {.Name = "within 0.1 s of the landing limit", .D = {{1, 660.05}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 550},
        {.Name = "over landing limit + 0.1", .D = {{1, 660.2}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 0,
         .DNachher = {{1, 660.2}}},
        {.Name = "over landing limit + 0.5", .D = {{1, 660.6}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 0,
         .DNachher = {{1, -2}}},
        {.Name = "no height", .D = {{1, 500}, {2, 0}}, .J = {{1, 1}}, .Erwartet = 0},
        {.Name = "height below a metre", .D = {{1, 500}, {2, 0.9}}, .J = {{1, 1}}, .Erwartet = 0},
        {.Name = "logger invalid", .D = {{1, 500}, {2, -2}}, .J = {{1, 1}}, .Erwartet = 0},
        {.Name = "height not entered", .D = {{1, 500}, {2, -1}}, .J = {{1, 1}}, .Erwartet = 0},
        {.Name = "landing out", .D = {{1, 500}, {2, 100}}, .J = {{1, -2}}, .Erwartet = 0},
        {.Name = "no landing", .D = {{1, 500}, {2, 100}}, .J = {{1, 0}}, .Erwartet = 450},
        {.Name = "10.0 m", .D = {{1, 500}, {2, 100}}, .J = {{1, 10}}, .Erwartet = 455},
        {.Name = "beyond 10 m", .D = {{1, 500}, {2, 100}}, .J = {{1, 10.006}}, .Erwartet = 450},
        {.Name = "time not entered", .D = {{1, -1}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 0},
        {.Name = "time invalid", .D = {{1, -2}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 0},
        {.Name = "deduction above time: landing stays", .D = {{1, 10}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 50},
        {.Name = "senior fly-off", .Runde = FlyOff, .D = {{1, 899.9}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 899},
        {.Name = "same flight in a preliminary round", .D = {{1, 899.9}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 0,
         .DNachher = {{1, -2}}},
        {.Name = "junior fly-off", .Runde = JugFlyOff, .D = {{1, 700}, {2, 100}}, .J = {{1, 1}}, .Erwartet = 610},
    });
}

TEST(RohpunkteTest, F3bJ) {
    // Rule 7: target 420 s, senior offset 240 s (here junior 120 s), 1 point per
    // second of deviation; 50 / 25 landing points, 1 off per 10 cm.
    Pruefe(7, F3B_J, {{3, 120}}, {
        {.Name = "rotation 0-90", .D = {{1, 0}, {2, 420}}, .Erwartet = 470},
        {.Name = "rotation 91-180", .D = {{1, 91}, {2, 420}}, .Erwartet = 445},
        {.Name = "rotation just below 180", .D = {{1, 179}, {2, 420}}, .Erwartet = 445},
        {.Name = "rotation 180", .D = {{1, 180}, {2, 420}}, .Erwartet = 420},
        {.Name = "rotation not entered", .D = {{1, -1}, {2, 420}}, .Erwartet = 420},
        {.Name = "rotation below 1", .D = {{1, 0.5}, {2, 420}}, .Erwartet = 470},
        {.Name = "rotation 1", .D = {{1, 1}, {2, 420}}, .Erwartet = 445},
        {.Name = "no flight time, no landing", .D = {{1, 0}, {2, 0.04}}, .Erwartet = 0},
        {.Name = "short, raster", .D = {{1, 0}, {2, 410}}, .J = {{1, 25}}, .Erwartet = 458},
        {.Name = "long", .D = {{1, 0}, {2, 430}}, .Erwartet = 460},
        {.Name = "far away", .D = {{1, 0}, {2, 420}}, .J = {{1, 600}}, .Erwartet = 420},
        {.Name = "distance not entered", .D = {{1, 0}, {2, 420}}, .J = {{1, -1}}, .Erwartet = 420},
        {.Name = "deviation heavier", .D = {{1, 0}, {2, 410}}, .Erwartet = 450, .P = {{4, 2}}},
        {.Name = "time far off", .D = {{1, 0}, {2, 850}}, .Erwartet = 50},
        {.Name = "senior fly-off", .Runde = FlyOff, .D = {{1, 0}, {2, 660}}, .Erwartet = 710},
        {.Name = "same time preliminary", .D = {{1, 0}, {2, 660}}, .Erwartet = 230},
        {.Name = "junior fly-off", .Runde = JugFlyOff, .D = {{1, 91}, {2, 540}}, .Erwartet = 565},
    });
}

TEST(RohpunkteTest, F5bJ) {
    // Rule 31: both targets 240 s, 3 points per second; 50 / 25, 1 per 10 cm.
    Pruefe(31, F5B_J, {}, {
        {.Name = "both on target", .D = {{1, 240}, {2, 240}, {3, 0}, {4, 0}}, .Erwartet = 530},
        {.Name = "deviations", .D = {{1, 238}, {2, 243}, {3, 15}, {4, 91}}, .Erwartet = 489},
        {.Name = "no landing time", .D = {{1, 240}, {2, 0}, {3, 0}, {4, 0}}, .Erwartet = 240},
        {.Name = "no fly-off offsets", .Runde = FlyOff, .D = {{1, 240}, {2, 240}, {3, 0}, {4, 0}}, .Erwartet = 530},
        {.Name = "gate time not entered", .D = {{1, -1}, {2, 240}, {3, 0}, {4, 0}}, .Erwartet = 290},
        {.Name = "rotation invalid", .D = {{1, 240}, {2, 240}, {3, 0}, {4, -2}}, .Erwartet = 480},
    });
}

TEST(RohpunkteTest, F5bJBavarianOpen) {
    // Rule 72: as rule 31 plus the typed bonus; rotation in slot 5.
    Pruefe(72, F5B_J_BAVARIAN_OPEN, {}, {
        {.Name = "bonus and rotation", .D = {{1, 240}, {2, 240}, {3, 0}, {4, 7}, {5, 91}}, .Erwartet = 512},
        {.Name = "no bonus", .D = {{1, 240}, {2, 240}, {3, 25}, {4, 0}, {5, 0}}, .Erwartet = 528},
        {.Name = "rotation not entered", .D = {{1, 240}, {2, 240}, {3, 0}, {4, 10}, {5, -1}}, .Erwartet = 490},
    });
}

TEST(RohpunkteTest, F3bE) {
    // Rule 79: target 200 s; 50 / 25 landing points, 1 per 10 cm; raw points
    // rounded to the competition's decimals.
    Pruefe(79, F3B_E, {}, {
        {.Name = "on target", .D = {{1, 200}, {2, 0}, {3, 0}}, .Erwartet = 250},
        {.Name = "within half a second", .D = {{1, 200.5}, {2, 0}, {3, 0}}, .Erwartet = 250.5},
        {.Name = "over target", .D = {{1, 201}, {2, 0}, {3, 0}}, .Erwartet = 249},
        {.Name = "almost twice", .D = {{1, 399.4}, {2, 0}, {3, 0}}, .Erwartet = 50.6},
        {.Name = "twice less half a second", .D = {{1, 399.5}, {2, 0}, {3, 0}}, .Erwartet = 50},
        {.Name = "no time, no landing", .D = {{1, 0.4}, {2, 0}, {3, 0}}, .Erwartet = 0},
        {.Name = "raster and rotation", .D = {{1, 150}, {2, 25}, {3, 91}}, .Erwartet = 173},
        {.Name = "rotation 180", .D = {{1, 150}, {2, 0}, {3, 180}}, .Erwartet = 150},
        {.Name = "no decimals", .D = {{1, 150.4}, {2, 0}, {3, 0}}, .Erwartet = 200, .AnzNachkomma = 0},
        {.Name = "two decimals", .D = {{1, 150.44}, {2, 0}, {3, 0}}, .Erwartet = 200.44, .AnzNachkomma = 2},
        {.Name = "decimals from a file", .D = {{1, 150.44}, {2, 0}, {3, 0}}, .Erwartet = 200.44, .AnzNachkomma = 400},
    });
}

TEST(RohpunkteTest, F3bEBavarianOpen) {
    // Rule 78: target 300 s, minimum 60 s, scores up to 10, approach factor 2,
    // coefficient up to 3, three approach and three landing scores kept.
    Pruefe(78, F3B_E_BAVARIAN_OPEN, {}, {
        {.Name = "five judges trimmed", .D = {{1, 2}, {2, 250}}, .J = Richter({7, 9, 3, 9, 5}, {8, 8, 8, 8, 8}),
         .Erwartet = 280, .AnzPunktrichter = 5},
        {.Name = "approach truncated, landing rounded", .D = {{1, 1}, {2, 250}}, .J = Richter({7.9}, {7.5}),
         .Erwartet = 272},
        {.Name = "coefficient 3.5", .D = {{1, 3.5}, {2, 250}}, .J = Richter({7.9}, {7.5}), .Erwartet = 292},
        {.Name = "coefficient above maximum", .D = {{1, 3.6}, {2, 250}}, .J = Richter({7.9}, {7.5}), .Erwartet = 0},
        {.Name = "coefficient 0", .D = {{1, 0}, {2, 250}}, .J = Richter({7.9}, {7.5}), .Erwartet = 0},
        {.Name = "below minimum time", .D = {{1, 1}, {2, 50}}, .J = Richter({7.9}, {7.5}), .Erwartet = 22},
        {.Name = "over target", .D = {{1, 1}, {2, 310}}, .J = Richter({7.9}, {7.5}), .Erwartet = 312},
        {.Name = "just over target: mirrored wins", .D = {{1, 1}, {2, 300.2}}, .J = Richter({7.9}, {7.5}),
         .Erwartet = 321.8},
        {.Name = "approach above maximum", .D = {{1, 1}, {2, 250}}, .J = Richter({11}, {10.4}), .Erwartet = 260},
        {.Name = "landing rounds above maximum", .D = {{1, 1}, {2, 250}}, .J = Richter({5}, {10.5}), .Erwartet = 260},
        {.Name = "means with two decimals", .D = {{1, 1}, {2, 250}}, .J = Richter({7, 8, 9}, {8, 8, 8}),
         .Erwartet = 262.25, .P = {{5, 0.5}, {7, 2}, {8, 2}}, .AnzPunktrichter = 3},
        {.Name = "scores not entered or invalid", .D = {{1, 1}, {2, 250}}, .J = Richter({-1}, {-2}), .Erwartet = 250},
        {.Name = "no approach score kept", .D = {{1, 1}, {2, 250}}, .J = Richter({7}, {8}), .Erwartet = 258,
         .P = {{7, 0}}},
        // A file may carry any judge count: only as many judges as the 16 slots hold.
        {.Name = "judge count from a file",
         .D = {{1, 1}, {2, 250}}, .J = Richter({5, 5, 5, 5, 5, 5, 5, 5}, {5, 5, 5, 5, 5, 5, 5, 5}),
         .Erwartet = 265, .P = {{7, 8}, {8, 8}}, .AnzPunktrichter = 20},
        {.Name = "negative judge count", .D = {{1, 1}, {2, 250}}, .J = Richter({7.9}, {7.5}), .Erwartet = 272,
         .AnzPunktrichter = -4},
    });
}

TEST(RohpunkteTest, F5bJModLandung) {
    // Rule 84: both targets 120 s, 3 per second; scores up to 10, factor 2,
    // coefficient up to 3, three scores kept.
    Pruefe(84, F5B_J_MOD_LANDUNG, {}, {
        {.Name = "five judges", .D = {{1, 2}, {2, 120}, {3, 120}}, .J = Richter({7, 9, 3, 9, 5}, {8, 8, 8, 8, 8}),
         .Erwartet = 270, .AnzPunktrichter = 5},
        {.Name = "no coefficient, nothing", .D = {{1, 0}, {2, 120}, {3, 120}}, .J = Richter({7}, {8}), .Erwartet = 0},
        {.Name = "deviations", .D = {{1, 1}, {2, 118}, {3, 121}}, .J = Richter({7.9}, {7.5}), .Erwartet = 253},
        {.Name = "judge count from a file",
         .D = {{1, 1}, {2, 120}, {3, 120}}, .J = Richter({5, 5, 5, 5, 5, 5, 5, 5}, {5, 5, 5, 5, 5, 5, 5, 5}),
         .Erwartet = 255, .P = {{10, 8}}, .AnzPunktrichter = 12},
    });
}

TEST(RohpunkteTest, OldtimerFunfly) {
    // Rule 85: judges' count from the competition, five values per judge.
    Pruefe(85, OLDTIMER_FUNFLY, {}, {
        {.Name = "two judges", .J = Folge({8, 7, 9, 6, 10, 9, 9, 8, 7, 10}), .Erwartet = 41.5, .AnzPunktrichter = 2},
        {.Name = "one judge", .J = Folge({8, 7, 9, 6, 10, 9, 9, 8, 7, 10}), .Erwartet = 40},
        {.Name = "value above 99.5 set to 0", .J = Folge({8, 120, 9, 6, 10}), .Erwartet = 33, .JNachher = {{2, 0}}},
        {.Name = "99.5 stays", .J = Folge({99.5, 0, 0, 0, 0}), .Erwartet = 99.5, .JNachher = {{1, 99.5}}},
        {.Name = "negative values count", .J = Folge({8, 7, 9, 6, -5}), .Erwartet = 25},
        {.Name = "judge count 0 from a file", .J = Folge({8, 7, 9, 6, 10}), .Erwartet = 40, .AnzPunktrichter = 0},
        {.Name = "judge count beyond the slots",
         .J = Folge({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 99}), .Erwartet = 10, .AnzPunktrichter = 4},
    });
}

TEST(RohpunkteTest, TypedPointsAndPercentages) {
    for (int RegelNr : {1, 2}) {
        Pruefe(RegelNr, RegelNr == 1 ? MANUELLE_EINGABE : GESAMTWERTUNG, {}, {
            {.Name = "two decimals", .D = {{1, 12.346}}, .Erwartet = 12.35},
            {.Name = "as typed", .D = {{1, 45.5}}, .Erwartet = 45.5},
            {.Name = "not entered", .D = {{1, -1}}, .Erwartet = -1},
        });
    }
}

TEST(RohpunkteTest, UnknownKindsAndMissingRecordsGiveNothing) {
    for (int EdvNr : {0, -1, 15, 99}) {
        Wettbewerb c(9);
        c.r.EdvNr = EdvNr;
        WertungTyp e;
        e.WertungDurchg[1] = 500;
        e.WertungPunktr[1] = 1;
        e.KannStreicherSein = false;
        EXPECT_EQ(GetRegelRohPunkte(&c.w, &e, 1), 0) << EdvNr;
        EXPECT_TRUE(e.KannStreicherSein) << EdvNr;
    }
    WettbewerbTyp ohneRegel;
    WertungTyp e;
    e.WertungDurchg[1] = 500;
    EXPECT_EQ(GetRegelRohPunkte(&ohneRegel, &e, 1), 0);
    EXPECT_EQ(GetRegelRohPunkte(nullptr, &e, 1), 0);
    Wettbewerb c(9);
    EXPECT_EQ(GetRegelRohPunkte(&c.w, nullptr, 1), 0);
}

TEST(RohpunkteTest, LandingPointsByTable) {
    struct Fall {
        int RegelNr;
        Werte D;
        Werte J;
        double Erwartet;
    } Faelle[] = {
        {9, {{1, 300}}, {{1, 3}}, 90},                              // metre table
        {9, {{1, 700}}, {{1, 3}}, 0},                               // over the landing limit
        {4, {{1, 500}}, {{1, 2}}, 45},                              // F5J table
        {4, {{1, 500}}, {{1, -2}}, -2},                             // landing out: the marker
        {7, {{1, 0}, {2, 420}}, {{1, 25}}, 48},                     // rotation slot 1, distance judge slot 1
        {31, {{2, 240}, {3, 25}, {4, 91}}, {}, 23},                 // distance slot 3, rotation slot 4
        {72, {{2, 240}, {3, 25}, {4, 7}, {5, 91}}, {}, 23},         // rotation slot 5
        {79, {{1, 200}, {2, 0}, {3, 0}}, {}, 0},                    // landing points only within the raw points
        {85, {}, {{1, 8}}, 0},                                      // judges only
        {1, {{1, 50}}, {}, 0},                                      // typed points
    };
    for (const auto& f : Faelle) {
        Wettbewerb c(f.RegelNr);
        WertungTyp e;
        for (auto [i, v] : f.D) e.WertungDurchg[i] = v;
        for (auto [i, v] : f.J) e.WertungPunktr[i] = v;
        EXPECT_DOUBLE_EQ(CalcLandepunkteAusAbstand(&c.w, &e, Vorrunde), f.Erwartet) << "rule " << f.RegelNr;
    }
    WertungTyp e;
    EXPECT_EQ(CalcLandepunkteAusAbstand(nullptr, &e, 1), 0);
}

TEST(RohpunkteTest, TrimmingOfJudgesScores) {
    struct Fall {
        std::vector<int> Werte;
        int Richter;
        int Behalten;
        std::vector<int> Nachher;
        int Verbleibend;
    } Faelle[] = {
        {{7, 9, 3, 9, 5}, 5, 3, {7, -1, -1, 9, 5}, 3}, // lowest first, then the first highest
        {{7, 9, 3, 9, 5}, 5, 5, {7, 9, 3, 9, 5}, 5},
        {{7, 9, 3, 9, 5}, 5, 7, {7, 9, 3, 9, 5}, 5},
        {{5, 5, 5}, 3, 1, {-1, -1, 5}, 1},
        {{4, 2, 8, 6}, 4, 0, {-1, -1, -1, -1}, 0},
        {{0, 0, 0}, 3, 1, {-1, 0, 0}, 1},             // no score above 0: the count still drops
        {{3, 4}, 0, 1, {3, 4}, 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 200, 8, {-1, 2, 3, 4, 5, 6, 7, 8, 9, -1}, 8}, // at most ten judges
    };
    const std::uint16_t Vorher = MaxPunktr;
    for (const auto& f : Faelle) {
        Feld<int, 1, 10> w;
        for (std::size_t i = 0; i < f.Werte.size(); ++i) w[static_cast<int>(i) + 1] = f.Werte[i];
        MaxPunktr = static_cast<std::uint16_t>(f.Richter);
        EXPECT_EQ(ErmittlePassendeBewertungen(w, static_cast<std::uint16_t>(f.Behalten)), f.Verbleibend);
        for (std::size_t i = 0; i < f.Nachher.size(); ++i) EXPECT_EQ(w[static_cast<int>(i) + 1], f.Nachher[i]) << i + 1;
    }
    MaxPunktr = Vorher;
}

TEST(RohpunkteTest, JudgeCount) {
    struct Fall {
        bool MitRegel;
        int Regel;
        int Wettbewerb;
        int Erwartet;
    } Faelle[] = {
        {false, 0, 5, 1}, {true, 3, 5, 3},  {true, 0, 5, 5},  {true, 0, 0, 1},
        {true, 0, 40, 16}, {true, 0, -3, 1}, {true, 30, 1, 16},
    };
    for (const auto& f : Faelle) {
        WettbewerbTyp w;
        RegelTyp r;
        r.AnzPunktrichter = f.Regel;
        w.RegelPtr = f.MitRegel ? &r : nullptr;
        w.AnzPunktrichter = f.Wettbewerb;
        EXPECT_EQ(GetAnzahlPunktrichter(&w), f.Erwartet) << f.Regel << "/" << f.Wettbewerb;
    }
    EXPECT_EQ(GetAnzahlPunktrichter(nullptr), 1);

    // Rule 86 fixes three judges whatever the competition says.
    Wettbewerb c(86);
    c.w.AnzPunktrichter = 1;
    WertungTyp e;
    for (int i = 1; i <= 15; ++i) e.WertungPunktr[i] = 3;
    EXPECT_DOUBLE_EQ(GetRegelRohPunkte(&c.w, &e, 1), 15);
}

TEST(RohpunkteTest, MayTheFlightBeDropped) {
    struct Fall {
        int Mode;
        int EdvNr;
        double Roh;
        double J1, D1, D2;
        bool Erwartet;
    } Faelle[] = {
        {3 | 0x10, F5J, 0, 1, 500, 100, false},
        {3 | 0x10, F5J, 0.0005, 1, 500, 100, false},
        {3 | 0x10, F5J, 5, 1, 500, 100, true},
        {0x10, F5J, 0, 1, 500, 100, true},      // permanent zero not switched on
        {1 | 0x10, F5J, 0, 1, 500, 100, true},
        {3 | 0x10, F3B_A, 0, 1, 500, 100, true}, // other kinds: always droppable
        {3, F5J, 0, -2, -2, -2, true},           // no test selected
        {3 | 0x20, F5J, 5, -2, 500, 100, false},
        {3 | 0x20, F5J, 5, -1, 500, 100, true},
        {3 | 0x40, F5J, 5, 1, 500, -2, false},
        {3 | 0x40, F5J, 5, 1, 500, -1, true},
        {3 | 0x80, F5J, 5, 1, -2, 100, false},
        {3 | 0xF0, F5J, 5, 1, 500, 100, true},
        {3 | 0xF0, F5J, 5, 1, 500, -2, false},
    };
    for (const auto& f : Faelle) {
        WettbewerbTyp w;
        RegelTyp r;
        r.EdvNr = f.EdvNr;
        w.RegelPtr = &r;
        w.PermntNullMode = f.Mode;
        WertungTyp e;
        e.WertungPunktr[1] = f.J1;
        e.WertungDurchg[1] = f.D1;
        e.WertungDurchg[2] = f.D2;
        e.KannStreicherSein = !f.Erwartet;
        EXPECT_EQ(GetWertungKannStreicherSein(&w, &e, f.Roh), f.Erwartet) << f.Mode << " " << f.Roh;
        EXPECT_EQ(e.KannStreicherSein, f.Erwartet);
        // The same with the raw points stored in the entry.
        e.RohPunkte = f.Roh;
        e.KannStreicherSein = !f.Erwartet;
        EXPECT_EQ(GetWertungKannStreicherSein(&w, &e), f.Erwartet);
        EXPECT_EQ(e.KannStreicherSein, f.Erwartet);
    }
    WertungTyp e;
    e.KannStreicherSein = false;
    EXPECT_TRUE(GetWertungKannStreicherSein(nullptr, &e, 0));
    EXPECT_FALSE(e.KannStreicherSein); // nothing stored
    WettbewerbTyp w;
    EXPECT_TRUE(GetWertungKannStreicherSein(&w, nullptr, 0));
}

TEST(RohpunkteTest, DroppableTestUsesTheRawPointsJustComputed) {
    Wettbewerb c(4);
    c.w.PermntNullMode = 3 | 0x10 | 0x80;
    WertungTyp e;
    e.WertungDurchg[1] = 700; // over the landing limit
    e.WertungDurchg[2] = 100;
    e.WertungPunktr[1] = 1;
    e.RohPunkte = 550; // from an evaluation before the time was corrected
    EXPECT_EQ(GetRegelRohPunkte(&c.w, &e, 1), 0);
    EXPECT_FALSE(e.KannStreicherSein);
    EXPECT_EQ(e.WertungDurchg[1], -2);

    e.WertungDurchg[1] = 500; // the time typed again
    e.RohPunkte = 0;
    EXPECT_EQ(GetRegelRohPunkte(&c.w, &e, 1), 500 + 50 - 50);
    EXPECT_TRUE(e.KannStreicherSein);

    // The same flight under another kind is always droppable.
    Wettbewerb f3ba(9);
    f3ba.w.PermntNullMode = 3 | 0x10;
    WertungTyp n;
    EXPECT_EQ(GetRegelRohPunkte(&f3ba.w, &n, 1), 0);
    EXPECT_TRUE(n.KannStreicherSein);
}

TEST(RohpunkteTest, TypedValuesScoredWithTheRulesColumnLabels) {
    // The road of a score: typed texts read by the rule's column labels, then evaluated.
    struct Fall {
        int RegelNr;
        int Runde;
        std::vector<std::pair<int, const char*>> Eingaben; // column 1..16 judges, 17..22 flights
        double Erwartet;
    } Faelle[] = {
        {4, Vorrunde, {{17, "9:49.9"}, {18, "100"}, {1, "1"}}, 589},
        {4, Vorrunde, {{17, "9:49.9"}, {18, "100"}, {1, "50"}}, 589},  // typed landing points: 1 m
        {4, Vorrunde, {{17, "9:49.9"}, {18, "---"}, {1, "1"}}, 0},     // logger invalid
        {4, Vorrunde, {{17, "9:49.9"}, {18, "100"}, {1, ">75"}}, 0},   // landing out
        {9, Vorrunde, {{17, "6:00"}, {1, "95"}}, 455},                 // 95 points typed: 1.2 m by the fine table
        {9, FlyOff, {{17, "14:00"}, {1, "3"}}, 930},
        {7, Vorrunde, {{17, "135"}, {18, "7:00"}, {1, "25"}}, 443},
        {7, Vorrunde, {{17, "-"}, {18, "7:00"}, {1, "25"}}, 420},      // rotation not entered
        {31, Vorrunde, {{17, "4:00"}, {18, "4:00"}, {19, "15"}, {20, "45"}}, 529},
        {6, Vorrunde, {{17, "10:00.4"}, {1, "1"}}, 96},               // F3J: just over the target, landing only
    };
    for (const auto& f : Faelle) {
        Wettbewerb c(f.RegelNr);
        WertungTyp e;
        for (auto [Spalte, Text] : f.Eingaben) {
            const std::string Label = GetRegelBezeichnerStr(&c.r, Spalte);
            const double v = EingabeLesen(&c.w, f.Runde, Label, Text).Wert;
            if (Spalte <= MaxPunktrichter)
                e.WertungPunktr[Spalte] = v;
            else
                e.WertungDurchg[Spalte - MaxPunktrichter] = v;
        }
        EXPECT_DOUBLE_EQ(GetRegelRohPunkte(&c.w, &e, f.Runde), f.Erwartet) << "rule " << f.RegelNr;
    }
}

TEST(RohpunkteTest, AnyCompetitionFromAFileIsEvaluatedSafely) {
    // Parameters, judge counts, decimals and round numbers as a damaged or
    // hand-edited file may carry them: no slot outside the entry is read, and
    // the raw points are a number that a second evaluation repeats.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double ParameterWerte[] = {0, -1, 1e300, -1e300, inf, nan};
    const double EintragWerte[] = {5, -2, 1e300, nan};
    const int Richter[] = {-7, 0, 1000};
    const int Runden[] = {-5, 0, 6, 31, 1000};
    for (int EdvNr = 1; EdvNr <= ANZ_REGELN_EDV; ++EdvNr)
        for (double p : ParameterWerte)
            for (double x : EintragWerte)
                for (int n : Richter)
                    for (int Runde : Runden) {
                        WettbewerbTyp w;
                        RegelTyp r;
                        r.EdvNr = EdvNr;
                        w.RegelPtr = &r;
                        w.Parameter.fill(p);
                        w.AnzPunktrichter = n;
                        w.AnzNachkomma = n;
                        WertungTyp e;
                        e.WertungPunktr.fill(x);
                        e.WertungDurchg.fill(x);
                        e.WertungDurchg[1] = 1; // a coefficient the judged kinds accept
                        const double Roh = GetRegelRohPunkte(&w, &e, Runde);
                        ASSERT_TRUE(std::isfinite(Roh)) << EdvNr << " " << p << " " << x << " " << n << " " << Runde;
                        ASSERT_EQ(GetRegelRohPunkte(&w, &e, Runde), Roh) << EdvNr;
                        CalcLandepunkteAusAbstand(&w, &e, Runde);
                        CalcAbstandAusLandepunkte(&w, Runde, "95");
                    }
}

} // namespace
} // namespace tavuran
