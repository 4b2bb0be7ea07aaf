#include "tabellen/ZellFolge.h"

#include "core/L_STR.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

// The first (Vorwaerts) or last value cell of a row, -1 when it has none.
int RandWertSpalte(const TabelleTyp& t, int Zeile, bool Vorwaerts) {
    const int n = t.AnzahlSpalten();
    for (int k = 0; k < n; ++k) {
        const int c = Vorwaerts ? k : n - 1 - k;
        if (t.ZelleEditierbar(Zeile, c)) return c;
    }
    return -1;
}

} // namespace

ZellOrtTyp WertZelleNach(const TabelleTyp& t, ZellOrtTyp At, bool Vorwaerts) {
    const int schritt = Vorwaerts ? 1 : -1;
    if (At.Zeile >= 0 && At.Zeile < t.AnzahlZeilen() && t.ZelleEditierbar(At.Zeile, At.Spalte)) {
        for (int c = At.Spalte + schritt; c >= 0 && c < t.AnzahlSpalten(); c += schritt)
            if (t.ZelleEditierbar(At.Zeile, c)) return {At.Zeile, c};
    } else if (const int c = RandWertSpalte(t, At.Zeile, true); c >= 0) {
        // Left of the values (or in a computed cell): the row's first value.
        return {At.Zeile, c};
    }
    for (int r = At.Zeile + schritt; r >= 0 && r < t.AnzahlZeilen(); r += schritt)
        if (const int c = RandWertSpalte(t, r, Vorwaerts); c >= 0) return {r, c};
    return At;
}

ZellOrtTyp TeilnehmerZelleNach(const TabelleTyp& t, ZellOrtTyp At, bool Enter) {
    const auto naechsteZeile = [&t, At] {
        return At.Zeile + 1 < t.AnzahlZeilen() ? ZellOrtTyp{At.Zeile + 1, TeilnSpalteName} : At;
    };
    if (At.Spalte >= TeilnSpalten - 1 || At.Spalte == TeilnSpalteJugend) return naechsteZeile();
    if (At.Spalte < TeilnSpalteName) return {At.Zeile, TeilnSpalteName};
    ZellOrtTyp n{At.Zeile, At.Spalte + 1};
    if (n.Spalte == TeilnSpalteKanal1) {
        const std::string kanal = L_STR_Unblank(t.Text(At.Zeile, TeilnSpalteKanal1));
        if (Enter && kanal == Kanal2G4Anzeige) return naechsteZeile();
        if (kanal.empty()) n.Spalte = TeilnSpalteJugend;
    }
    return n;
}

} // namespace tavuran
