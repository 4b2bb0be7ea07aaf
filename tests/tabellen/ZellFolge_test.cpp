// The order in which Enter and Tab walk through the cells of the grids.
#include <gtest/gtest.h>

#include "exchange/TeilnehmerBearbeitung.h"
#include "startorder/Kanal.h"
#include "tabellen/ZellFolge.h"

namespace tavuran {
namespace {

// A score grid: numbers, name, club and a computed column, then two values;
// pilots in rows 0, 2 and 3, a group separator in row 1, a free row 4.
TabelleTyp WertGitter() {
    TabelleTyp t;
    for (int c = 0; c < 7; ++c) {
        t.Spalten.emplace_back();
        t.Spalten.back().Editierbar = c >= 5;
    }
    t.FixeSpalten = 5;
    for (ZeilenArt a : {ZeilenArt::Eintrag, ZeilenArt::Trenner, ZeilenArt::Eintrag, ZeilenArt::Eintrag, ZeilenArt::Frei}) {
        t.Zeilen.push_back(NeueZeile(a, 7));
        t.Zeilen.back().Editierbar = a == ZeilenArt::Eintrag;
    }
    return t;
}

TEST(ZellFolge, EnterUndTabGehenDurchDieWerteUndZumNaechstenPiloten) {
    const TabelleTyp t = WertGitter();
    struct Fall {
        ZellOrtTyp Von;
        bool Vorwaerts;
        ZellOrtTyp Nach;
    };
    const Fall faelle[] = {
        {{0, 5}, true, {0, 6}},  // the next value of the row
        {{0, 6}, true, {2, 5}},  // over the group separator to the next pilot
        {{2, 6}, true, {3, 5}},
        {{3, 6}, true, {3, 6}},  // the last value of the grid: stays
        {{0, 2}, true, {0, 5}},  // from the name or a computed cell into the row's values
        {{0, 4}, false, {0, 5}},
        {{1, 3}, true, {2, 5}},  // from a separator row to the next pilot
        {{1, 3}, false, {0, 6}}, // and back to the last value before it
        {{2, 5}, false, {0, 6}}, // Shift+Tab over the separator
        {{0, 6}, false, {0, 5}},
        {{0, 5}, false, {0, 5}}, // the first value of the grid: stays
    };
    for (const Fall& f : faelle) {
        const ZellOrtTyp n = WertZelleNach(t, f.Von, f.Vorwaerts);
        EXPECT_EQ(n, f.Nach) << f.Von.Zeile << "," << f.Von.Spalte << (f.Vorwaerts ? " vor" : " zurück") << " -> "
                             << n.Zeile << "," << n.Spalte;
    }
}

TEST(ZellFolge, EinRegelWerkOhneWerteLaesstDenCursorStehen) {
    TabelleTyp t = WertGitter();
    for (TabellenSpalteTyp& s : t.Spalten) s.Editierbar = false;
    EXPECT_EQ(WertZelleNach(t, {0, 2}, true), (ZellOrtTyp{0, 2}));
}

TEST(ZellFolge, TeilnehmerbogenNach24GHzPilotGehtEnterVomVereinZumNaechstenNamen) {
    TabelleTyp t;
    t.Spalten.resize(TeilnSpalten);
    for (int r = 0; r < 3; ++r) t.Zeilen.push_back(NeueZeile(ZeilenArt::Teilnehmer, TeilnSpalten));
    t.SetText(0, TeilnSpalteKanal1, Kanal2G4Anzeige);
    t.SetText(1, TeilnSpalteKanal1, "61");
    struct Fall {
        ZellOrtTyp Von;
        bool Enter;
        ZellOrtTyp Nach;
    };
    const Fall faelle[] = {
        {{0, TeilnSpalteName}, true, {0, TeilnSpalteVerein}},
        {{0, TeilnSpalteVerein}, true, {1, TeilnSpalteName}},      // 2.4 GHz: nothing to type as channel
        {{0, TeilnSpalteVerein}, false, {0, TeilnSpalteKanal1}},   // Tab still reaches the channel
        {{1, TeilnSpalteVerein}, true, {1, TeilnSpalteKanal1}},    // a channel to confirm
        {{2, TeilnSpalteVerein}, true, {2, TeilnSpalteJugend}},    // no channel: on to junior
        {{1, TeilnSpalteJugend}, true, {2, TeilnSpalteName}},
        {{1, TeilnSpalteModell1 + 1}, true, {2, TeilnSpalteName}},
        {{2, TeilnSpalteJugend}, true, {2, TeilnSpalteJugend}},    // the last row: stays
    };
    for (const Fall& f : faelle) {
        const ZellOrtTyp n = TeilnehmerZelleNach(t, f.Von, f.Enter);
        EXPECT_EQ(n, f.Nach) << f.Von.Zeile << "," << f.Von.Spalte << " -> " << n.Zeile << "," << n.Spalte;
    }
}

} // namespace
} // namespace tavuran
