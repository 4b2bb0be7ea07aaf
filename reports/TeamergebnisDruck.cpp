#include "reports/TeamergebnisDruck.h"

#include "core/Dezimalkomma.h"
#include "core/DatenTeilnehmer.h"
#include "core/L_CALEND.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Teamwertung.h"

namespace tavuran {

TeamergebnisDruckTyp MakeTeamergebnisSeiten(WettbewerbTyp* Wett, const ErgebnisZeitpunkt& Zeit, bool Endgueltig,
                                             std::string& Meldung) {
    TeamergebnisDruckTyp d;
    Meldung.clear();
    if (!Wett) {
        Meldung = "Es ist kein Wettbewerb geöffnet.";
        return d;
    }
    CalcWertung(Wett);
    const int modus = TeamwertungAuswahl(Wett);
    if (modus == 0) {
        Meldung = "Für diesen Wettbewerb ist keine Teamwertung eingestellt (Teamwertung konfigurieren).";
        return d;
    }
    const std::vector<TeamErgebnisTyp> teams = TeamErgebnisFolge(Wett);
    if (teams.empty()) {
        Meldung = "Es gibt kein Team mit Teilnehmern: es gibt kein Teamergebnis zu drucken.";
        return d;
    }
    d.WettbewerbName = Wett->Name;
    d.Untertitel = "Teamergebnis" + (Wett->RegelPtr ? " – " + Wett->RegelPtr->Name : std::string());
    d.Datum = L_CALEND_GetDateString(Wett->Datum);
    d.Modus = TeamwertungCaption[modus];
    d.Stand = ErgebnisStandZeile(Wett, Zeit, Endgueltig);
    bool nichtGezaehlt = false;
    // A team is never split across pages unless it alone is longer than a page.
    TeamergebnisSeite seite;
    for (const TeamErgebnisTyp& t : teams) {
        std::vector<TeamergebnisZeile> block;
        TeamergebnisZeile k;
        k.Team = true;
        k.Platz = t.Platz > 0 ? StrInt(t.Platz) + "." : "";
        k.Name = t.Team->Name;
        k.Punkte = PunktZuKomma(ErgebnisZahl(t.Punkte));
        block.push_back(k);
        for (const TeilnehmerTyp* p : t.Mitglieder) {
            TeamergebnisZeile m;
            m.Name = L_STR_Unblank(CnvNameTypToNameStr(&p->Name, true));
            m.Verein = p->Verein;
            m.Punkte = PunktZuKomma(ErgebnisSummenText(Wett, p, p->Punkte));
            if (!p->TeilDerTeamWertung && !m.Punkte.empty()) {
                m.Punkte = "(" + m.Punkte + ")";
                nichtGezaehlt = true;
            }
            block.push_back(m);
        }
        block.emplace_back(); // the blank line after the team
        const int frei = TeamergebnisZeilenProSeite - static_cast<int>(seite.Zeilen.size());
        if (!seite.Zeilen.empty() && static_cast<int>(block.size()) > frei) {
            d.Seiten.push_back(std::move(seite));
            seite = {};
        }
        for (TeamergebnisZeile& z : block) {
            if (static_cast<int>(seite.Zeilen.size()) >= TeamergebnisZeilenProSeite) {
                d.Seiten.push_back(std::move(seite));
                seite = {};
            }
            seite.Zeilen.push_back(std::move(z));
        }
    }
    if (!seite.Zeilen.empty()) d.Seiten.push_back(std::move(seite));
    if (nichtGezaehlt) d.Legende.emplace_back("( )  zählt nicht für die Teamwertung");
    return d;
}

void DrawTeamergebnis(DruckCanvas& C, int Breite, int Hoehe, const TeamergebnisDruckTyp& d, int Seite) {
    if (Seite < 1 || Seite > static_cast<int>(d.Seiten.size())) return;
    const int W = MaxInt(1, Breite), H = MaxInt(1, Hoehe);
    C.RechteckFuellen(0, 0, W, H, DruckWeiss);
    const int links = W / 12, rechts = W - W / 12, oben = H / 25;
    // Header 6 lines, the table, legend and footer: 56 lines of the page.
    const int zeile = MaxInt(1, (H - 2 * oben) / 56);
    DruckSchrift f;
    f.Name = "Arial";
    f.Hoehe = MaxInt(1, zeile * 8 / 10);
    f.Farbe = DruckSchwarz;
    const DruckSchrift grund = f;
    // A text that does not fit is shortened at a word boundary, never cut mid-word.
    auto text = [&](int x, int y, const std::string& t, int platz) {
        if (t.empty() || platz <= 0) return;
        C.Text(x, y, WortweiseKuerzen(C, t, platz), platz);
    };
    auto rechtsbuendig = [&](int xRechts, int y, const std::string& t) {
        if (t.empty()) return;
        const int b = C.TextBreite(t);
        C.Text(MaxInt(0, xRechts - b), y, t, b + 1);
    };
    int y = oben;
    f.Fett = true;
    f.Hoehe = grund.Hoehe * 3 / 2;
    C.SetSchrift(f);
    text(links, y, d.WettbewerbName, rechts - links);
    y += zeile * 2;
    f = grund;
    C.SetSchrift(f);
    text(links, y, d.Untertitel, rechts - links - C.TextBreite(d.Datum) - zeile);
    rechtsbuendig(rechts, y, d.Datum);
    y += zeile;
    text(links, y, d.Modus, rechts - links);
    y += zeile;
    for (int i = 0; i < 2; ++i) C.Linie(links, y + i, rechts, y + i, DruckSchwarz);
    y += zeile / 2;
    // Columns: place, name, club, points.
    const int w = rechts - links;
    const int xPlatz = links, xName = links + w * 8 / 100, xMitglied = links + w * 12 / 100,
              xVerein = links + w * 50 / 100, xPunkte = rechts;
    for (const TeamergebnisZeile& z : d.Seiten[Seite - 1].Zeilen) {
        f = grund;
        f.Fett = z.Team;
        C.SetSchrift(f);
        if (z.Team) {
            text(xPlatz, y, z.Platz, xName - xPlatz);
            text(xName, y, z.Name, xPunkte - w * 15 / 100 - xName);
        } else {
            text(xMitglied, y, z.Name, xVerein - xMitglied - zeile / 2);
            text(xVerein, y, z.Verein, xPunkte - w * 15 / 100 - xVerein);
        }
        rechtsbuendig(xPunkte, y, z.Punkte);
        y += zeile;
    }
    f = grund;
    C.SetSchrift(f);
    if (Seite == static_cast<int>(d.Seiten.size()))
        for (const std::string& l : d.Legende) {
            text(links, y, l, rechts - links);
            y += zeile;
        }
    const int yFuss = H - oben - zeile;
    C.Linie(links, yFuss - zeile / 4, rechts, yFuss - zeile / 4, DruckSchwarz);
    rechtsbuendig(rechts, yFuss,
                  d.Stand + "   Seite " + StrInt(Seite) + " von " + StrInt(static_cast<int>(d.Seiten.size())));
    C.SetSchrift(grund);
}

} // namespace tavuran
