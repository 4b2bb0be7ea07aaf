// Drawing a page of the list engine onto a canvas: the line-and-column grid
// of the page scaled to the canvas, the header, the column titles, one row
// per participant, the table lines, the signature block of result lists, the
// footer and the round watermark.
#include <algorithm>
#include <cmath>

#include "core/L_STR.h"
#include "core/MinMax.h"
#include "reports/Druck.h"

namespace tavuran {

namespace {

bool Bit(std::uint32_t Maske, int n) { return (Maske >> n) & 1u; }

class Zeichner {
  public:
    Zeichner(DruckCanvas& c, const SeiteTyp& s, const BlattLayoutTyp& l, DruckRechteck r, DruckFarbe tinte)
        : C(c), S(s), L(l), R(r), Tinte(tinte) {
        v = LimitLowHighInt((R.Right - R.Left) / 1000, 1, 20);
        h = LimitLowHighInt((R.Bottom - R.Top) / 1000, 1, 20);
    }

    DruckCanvas& C;
    const SeiteTyp& S;
    const BlattLayoutTyp& L;
    DruckRechteck R;
    DruckFarbe Tinte;
    int v = 1, h = 1;
    int Abschnitt = 0; // 0 header, 1 text, 2 footer
    int Stil = 1;
    bool ZelleBegrenzt = false; // table cells are cut at their end; other texts only at the paper's edge
    int KleinstAnteil = 70;     // the smallest font a cell text may be made, in % of the line's font
    int Mindesthoehe = 1;       // and never below this (6 points of the paper; 12 for names in large print)
    bool Kuerzen = false;       // a text that still does not fit is shortened at a word boundary
    int SpaltenHoehe = 0;       // the size of the column's texts on the page, where they are made smaller
    int Punkt6 = 1, Punkt12 = 1; // 6 and 12 points of the paper in pixels

    int Zeilenhoehe() const {
        return Abschnitt == 0 ? L.ZeilenHoeheKopf : Abschnitt == 1 ? L.ZeilenHoeheText : L.ZeilenHoeheFuss;
    }
    int yPos(int line) const {
        const long long y = R.Top + static_cast<long long>(line - 1) * Zeilenhoehe() / 1000;
        return static_cast<int>(y + (Abschnitt == 1 ? L.yPixText : Abschnitt == 2 ? L.yPixFuss : 0));
    }
    int xPos(int col) const {
        return static_cast<int>(R.Left + static_cast<long long>(col - 1) * L.Zeichenbreite / 1000);
    }
    int TextY(int line) const { return yPos(line) + (Zeilenhoehe() - L.ZeilenHoeheKopf) / 2000; }
    // The pixel rows a horizontal line drawn at `line` covers: h rows from
    // yPos(line) - h / 2 + 1 on.
    int LinieOben(int line) const { return yPos(line) - h / 2 + 1; }
    // The band of a text line between the rule at its top and the rule at
    // the top of the next line (first row, rows after the last exclusive),
    // with one pixel of air below the upper rule.
    int BandOben(int line) const { return LinieOben(line) + h + 1; }
    int BandUnten(int line) const { return LinieOben(line + 1); }
    // Puts the current font's text of `line` into the band: the lines of the
    // rows, the header's and the footnote's rules lie on the borders between
    // the lines, where a text as high as the line (or, in large print, higher)
    // would reach. A text that does not fit at its place is moved down below
    // the rule and, when still too high, written smaller; a text that was
    // made smaller to fit its cell stays centred on its line.
    int Einreihen(int line, const DruckSchrift& Zeile) {
        int y = TextY(line);
        DruckSchrift f = C.GetSchrift();
        y += (Zeile.Hoehe - f.Hoehe) / 2;
        const int oben = BandOben(line), unten = BandUnten(line);
        // Lines lie a whole number of pixels apart, some a pixel more than
        // others; the text is fitted to the narrowest band of its section so
        // that every row of a page is written in the same size.
        const int band = MaxInt(1, MinInt(unten - oben, Zeilenhoehe() / 1000 - h - 1));
        if (f.Hoehe > band) {
            f.Hoehe = band;
            C.SetSchrift(f);
        }
        return LimitLowHighInt(y, oben, MaxInt(oben, unten - f.Hoehe));
    }
    // Room for a text starting at x: its cell up to the separator at its end
    // (which, v pixels thick, may begin a little before that column), or up
    // to the paper's right edge.
    int Platz(int x, int col, int w) const {
        const int rand = C.Breite() - x;
        if (w <= 0 || !ZelleBegrenzt) return MaxInt(0, rand);
        const int ende = MinInt(xPos(col + w - 1), xPos(col + w - 1) - v / 2 + 1);
        return MaxInt(0, MinInt(rand, ende - x));
    }

    // A table cell's text that is wider than its cell is written a little
    // smaller (down to KleinstAnteil % of the normal print's font, so that
    // large print never cuts what normal print shows) and cut at the cell's end.
    void Einpassen(const std::string& t, int Raum) {
        if (!ZelleBegrenzt) return;
        DruckSchrift f = C.GetSchrift();
        const int normal = L.ZeichenHoehe > 0 ? MinInt(f.Hoehe, L.ZeichenHoehe) : f.Hoehe;
        if (SpaltenHoehe > 0 && SpaltenHoehe < f.Hoehe) {
            f.Hoehe = SpaltenHoehe;
            C.SetSchrift(f);
        }
        const int min = MinInt(f.Hoehe, MaxInt(MaxInt(DruckMinSchrifthoehe, Mindesthoehe), normal * KleinstAnteil / 100));
        while (f.Hoehe > min && C.TextBreite(t) > Raum) {
            --f.Hoehe;
            C.SetSchrift(f);
        }
    }
    int TextWrite(int col, int line, const std::string& text, int w) {
        if (!text.empty()) {
            const int x = xPos(col);
            const DruckSchrift alt = C.GetSchrift();
            Einpassen(text, Platz(x, col, w));
            // Never cut in the middle of a word: shortened at a word boundary, with a mark.
            const std::string t = ZelleBegrenzt && Kuerzen ? WortweiseKuerzen(C, text, Platz(x, col, w)) : text;
            const int y = Einreihen(line, alt);
            C.Text(x, y, t, Platz(x, col, w));
            C.SetSchrift(alt);
        }
        return col + w;
    }
    int TextWriteRightJustify(int col, int line, const std::string& t, int w) {
        if (!t.empty()) {
            const DruckSchrift alt = C.GetSchrift();
            Einpassen(t, xPos(col + w - 2) - xPos(col));
            const int y = Einreihen(line, alt);
            int x = xPos(col + w - 2) - C.TextBreite(t);
            // A text wider than its cell starts at the cell and is cut at its end.
            if (x < xPos(col)) x = xPos(col);
            C.Text(x, y, t, Platz(x, col, w));
            C.SetSchrift(alt);
        }
        return col + w;
    }
    int VerLine(int col, int line, int w) {
        const int x0 = xPos(col + w - 1) - v / 2;
        for (int i = 1; i <= v; ++i) C.Linie(x0 + i, yPos(line) - h / 2, x0 + i, yPos(line + 1) - h / 2, Tinte);
        return col + w;
    }
    int HorLine(int col, int line, int w) {
        const int y0 = yPos(line) - h / 2;
        const int x0 = MaxInt(0, xPos(col - 2) - 1);
        const int x1 = MinInt(C.Breite() - 1, xPos(col + w - 1) - 1);
        for (int i = 1; i <= h; ++i) C.Linie(x0, y0 + i, x1, y0 + i, Tinte);
        return col + w;
    }
    int HorDraftLine(int col, int line, int w) {
        const int y0 = yPos(line) - h / 2;
        const int ende = xPos(col + w - 1);
        C.Gestrichelt(xPos(col - 1) - v / 2, ende - v / 2, y0 + 1, h, v, 4 * v, Tinte);
        return col + w;
    }
    int HorGroupLine(int col, int line, int w) {
        HorLine(col, line, w + 1);
        return col + w;
    }
    // A bold frame around a cell, three line widths thick, inside the cell.
    void Rahmen(int col, int line, int w) {
        const int x0 = xPos(col - 1) + 1, x1 = xPos(col + w - 1) - v - 1;
        const int y0 = yPos(line) + h, y1 = yPos(line + 1) - h - 1;
        const int d = 3 * MaxInt(1, MinInt(v, h));
        for (int i = 0; i < d; ++i) {
            C.Linie(x0, y0 + i, x1, y0 + i, Tinte);
            C.Linie(x0, y1 - i, x1, y1 - i, Tinte);
            C.Linie(x0 + i, y0, x0 + i, y1, Tinte);
            C.Linie(x1 - i, y0, x1 - i, y1, Tinte);
        }
    }
    int FillBackGroundRect(int col, int line, int w, DruckFarbe f) {
        C.RechteckFuellen(xPos(col - 1), yPos(line), xPos(col + w - 1), yPos(line + 1), f);
        return col + w;
    }
};

void Kopf(Zeichner& z) {
    const KopfTyp& k = z.S.Kopf;
    const auto m = static_cast<std::uint32_t>(k.KopfMode);
    const int zpz = z.L.ZeichenProZeile;
    z.Abschnitt = 0;
    int line = 1, col = 1;
    if (Bit(m, KopfName)) {
        z.TextWrite(1, line, k.WettbewerbName, 0);
        ++line;
        col = 1;
    }
    // The texts of a header line follow each other at fixed columns; a
    // text longer than its columns pushes the next one to the
    // right, so that they never run into each other.
    auto folgt = [&](int von, int bis, const std::string& t) {
        if (t.empty()) return bis;
        const int ende = z.xPos(von) + z.C.TextBreite(t);
        int c = bis;
        while (z.xPos(c) <= ende && c < zpz) ++c;
        return c;
    };
    if (Bit(m, KopfByNummer)) col = folgt(col, z.TextWrite(col, line, k.ByNummer, 14), k.ByNummer);
    if (Bit(m, KopfRegel))
        col = folgt(col, z.TextWrite(col, line, k.RegelName, static_cast<int>(L_STR_Length(k.RegelName)) + 4),
                    k.RegelName);
    if (Bit(m, KopfGewertet)) col = folgt(col, z.TextWrite(col, line, k.GewertetHinweis, 14), k.GewertetHinweis);
    if (Bit(m, KopfDatum)) {
        z.TextWrite(zpz - 10, line, k.Datum, 0);
        col = zpz - 10;
    }
    if (Bit(m, KopfByNummer) || Bit(m, KopfDatum) || Bit(m, KopfRegel)) ++line, col = 1;
    if (Bit(m, KopfLinie)) {
        z.HorLine(1, line, zpz);
        ++line;
    }
    if (Bit(m, KopfVerteiler)) z.TextWrite(col, line, k.Verteiler, 0);
    if (Bit(m, KopfDurchgang)) {
        col = zpz - 20;
        z.TextWrite(col, line, k.DurchgangLang, 0);
    }
    if (Bit(m, KopfVerteiler) || Bit(m, KopfDurchgang)) ++line, col = 1;
    if (Bit(m, KopfListentyp))
        col = folgt(col,
                    z.TextWrite(col, line, k.ListentypStr, static_cast<int>(L_STR_Length(k.ListentypStr)) + 4),
                    k.ListentypStr);
    if (Bit(m, KopfSeite)) z.TextWrite(col, line, "Seite " + k.SeiteStr, 0);
}

// Sets up the canvas and the drawer for the text of cell i of a row: its
// font (bold in the highlight colour where the print colour highlights), how
// small it may be made, whether it is shortened at a word boundary; returns
// the character columns its text may fill.
int ZelleVorbereiten(Zeichner& z, const ZeileTyp& zeile, std::size_t i, int Farbmodus, const DruckSchrift& grund) {
    const DruckSpalte& sp = z.S.Spalten[i];
    const DruckZelle leer;
    const DruckZelle& c = i < zeile.Zellen.size() ? zeile.Zellen[i] : leer;
    z.C.SetSchrift(grund);
    if (c.Hervorheben && Farbmodus == 1) {
        DruckSchrift f = grund;
        f.Fett = true;
        f.Farbe = c.Farbe;
        z.C.SetSchrift(f);
    }
    // Numbers and channels lose their meaning when cut: they may be made
    // smaller than names before their end is cut off.
    const bool kanal = sp.Nr == 12 || sp.Nr == 13;
    z.KleinstAnteil = (c.Rechts || kanal) ? 50 : 70;
    // Nothing below 6 points; in large print names and numbers keep 12 points.
    z.Mindesthoehe = kanal || z.Stil != 3 ? z.Punkt6 : z.Punkt12;
    // Names, clubs, teams, helpers and models are shortened at a word
    // boundary; numbers (start number, group and start place) never.
    z.Kuerzen = !c.Rechts && ((sp.Nr >= 6 && sp.Nr <= 11) || sp.Nr == 15 || sp.Nr == 16);
    // Such a text is made only a little smaller: its column keeps a size near
    // the others' and the one long name of the page is shortened instead.
    if (z.Kuerzen) z.KleinstAnteil = 85;
    // A left-aligned text may run on into the blank cell that shares its
    // frame ("Antrag Refly" over the blank points of the round).
    int raum = sp.Breite;
    if (!c.Rechts && sp.OhneTrenner && i + 1 < z.S.Spalten.size() &&
        (i + 1 >= zeile.Zellen.size() || L_STR_Unblank(zeile.Zellen[i + 1].Text).empty()))
        raum += z.S.Spalten[i + 1].Breite;
    return raum;
}

// The size of each column's texts on the page: the smallest size any of its
// cells is made to fit (0 where no cell needs to be made smaller), so that
// the sizes do not change from row to row within a column.
std::vector<int> SpaltenHoehen(Zeichner& z, int Farbmodus, const DruckSchrift& grund) {
    std::vector<int> hoehe(z.S.Spalten.size(), 0);
    const bool alt = z.ZelleBegrenzt;
    z.ZelleBegrenzt = true;
    for (const ZeileTyp& zeile : z.S.Text.Zeilen) {
        if (Bit(static_cast<std::uint32_t>(zeile.ZeilenMode), ZeileTitel)) continue;
        int col = 1;
        for (std::size_t i = 0; i < z.S.Spalten.size(); ++i) {
            const DruckSpalte& sp = z.S.Spalten[i];
            const std::string& t = i < zeile.Zellen.size() ? zeile.Zellen[i].Text : std::string();
            if (!t.empty()) {
                const int raum = ZelleVorbereiten(z, zeile, i, Farbmodus, grund);
                const int voll = z.C.GetSchrift().Hoehe;
                const bool rechts = zeile.Zellen[i].Rechts;
                z.Einpassen(t, rechts ? z.xPos(col + sp.Breite - 2) - z.xPos(col) : z.Platz(z.xPos(col), col, raum));
                const int f = z.C.GetSchrift().Hoehe;
                if (f < voll && (hoehe[i] == 0 || f < hoehe[i])) hoehe[i] = f;
            }
            col += sp.Breite;
        }
    }
    z.KleinstAnteil = 70;
    z.Kuerzen = false;
    z.ZelleBegrenzt = alt;
    z.C.SetSchrift(grund);
    return hoehe;
}

void Zeile(Zeichner& z, const ZeileTyp& zeile, int Farbmodus, const DruckSchrift& grund, int& oben,
           const std::vector<int>& spaltenHoehe) {
    const int line = zeile.ZeilenNr + 1;
    const bool titel = Bit(static_cast<std::uint32_t>(zeile.ZeilenMode), ZeileTitel);
    z.ZelleBegrenzt = true;
    int col = 1;
    // The cells' backgrounds first, then their texts: a text that runs on
    // into the blank cell beside it is not covered by that cell's background.
    // The cells do not overlap: all white ones, then the grey ones.
    if (!titel) {
        for (const DruckFarbe f : {DruckWeiss, DruckGrau}) {
            for (std::size_t i = 0; i < z.S.Spalten.size(); ++i) {
                const DruckSpalte& sp = z.S.Spalten[i];
                if (f == DruckWeiss || (i < zeile.Zellen.size() && zeile.Zellen[i].Grau))
                    z.FillBackGroundRect(col, line, sp.Breite, f);
                col += sp.Breite;
            }
            col = 1;
        }
    }
    for (std::size_t i = 0; i < z.S.Spalten.size(); ++i) {
        const DruckSpalte& sp = z.S.Spalten[i];
        if (titel) {
            // A title may run on over the neighbours without a title of its own
            // and over the points that share the frame of a round's raw points.
            int raum = sp.Breite;
            for (std::size_t k = i; k + 1 < z.S.Spalten.size(); ++k) {
                if (!z.S.Spalten[k].OhneTrenner && !z.S.Spalten[k + 1].Titel.empty()) break;
                raum += z.S.Spalten[k + 1].Breite;
            }
            // A column's title may be made as small as a number (never below
            // 6 points) before its end is cut.
            z.KleinstAnteil = 50;
            z.Mindesthoehe = z.Punkt6;
            z.TextWrite(col, line, sp.Titel, raum);
            z.KleinstAnteil = 70;
            col += sp.Breite;
            continue;
        }
        const DruckZelle leer;
        const DruckZelle& c = i < zeile.Zellen.size() ? zeile.Zellen[i] : leer;
        const int raum = ZelleVorbereiten(z, zeile, i, Farbmodus, grund);
        // Every cell of a column is written in the column's size, the size its
        // widest text of the page needs.
        z.SpaltenHoehe = i < spaltenHoehe.size() ? spaltenHoehe[i] : 0;
        if (c.Rahmen) z.Rahmen(col, line, sp.Breite);
        if (c.Rechts) col = z.TextWriteRightJustify(col, line, c.Text, sp.Breite);
        else col = z.TextWrite(col, line, c.Text, raum) - raum + sp.Breite;
        z.KleinstAnteil = 70;
        z.Kuerzen = false;
        z.SpaltenHoehe = 0;
        z.C.SetSchrift(grund);
    }
    z.ZelleBegrenzt = false;
    if (!titel) oben = MaxInt(oben, line);
    // Separators: raw points and points of a round share one frame.
    col = 1;
    for (const DruckSpalte& sp : z.S.Spalten) {
        if (sp.OhneTrenner) col += sp.Breite;
        else col = z.VerLine(col, line, sp.Breite);
    }
    const auto m = static_cast<std::uint32_t>(zeile.ZeilenMode);
    auto jeZelle = [&](int bit, int l, int (Zeichner::*f)(int, int, int)) {
        if (!Bit(m, bit)) return;
        int c2 = 1;
        for (const DruckSpalte& sp : z.S.Spalten) c2 = (z.*f)(c2, l, sp.Breite);
    };
    jeZelle(ZeileLinieOben, line, &Zeichner::HorLine);
    jeZelle(ZeileLinieUnten, line + 1, &Zeichner::HorLine);
    jeZelle(ZeileStrichOben, line, &Zeichner::HorDraftLine);
    jeZelle(ZeileStrichUnten, line + 1, &Zeichner::HorDraftLine);
    jeZelle(ZeileGruppeOben, line, &Zeichner::HorGroupLine);
    jeZelle(ZeileGruppeUnten, line + 1, &Zeichner::HorGroupLine);
}

// The marks used on the list, explained under the table.
int Legende(Zeichner& z, int oben) {
    const std::vector<std::string>& l = z.S.Text.Legende;
    if (l.empty()) return oben;
    int line = oben + 2;
    for (const std::string& t : l) z.TextWrite(1, line++, t, z.L.ZeichenProZeile);
    return line - 1;
}

void Unterschriften(Zeichner& z, int oben) {
    const TextTyp& t = z.S.Text;
    const int zpz = z.L.ZeichenProZeile;
    if (!t.Punktrichter.empty()) z.TextWrite(1, oben + 6, t.Punktrichter, zpz);
    const int line = t.Punktrichter.empty() ? oben + 6 : oben + 4;
    int col = 1;
    for (int i = 1; i <= 2; ++i) {
        if (t.Unterschrift[i].empty()) continue;
        z.TextWrite(col, line, t.Unterschrift[i], zpz / 2);
        z.HorLine(col, line, MaxInt(1, zpz / 2 - 20));
        col += zpz / 2;
    }
}

void Wasserzeichen(Zeichner& z, DruckFarbe Farbe) {
    const std::string& text = z.S.Kopf.Wasserzeichen;
    if (text.empty()) return;
    const DruckSchrift alt = z.C.GetSchrift();
    // The competition's name on the header's first line, in the header's font.
    const bool name = Bit(static_cast<std::uint32_t>(z.S.Kopf.KopfMode), KopfName) && !z.S.Kopf.WettbewerbName.empty();
    const int nameEnde = name ? z.xPos(1) + z.C.TextBreite(z.S.Kopf.WettbewerbName) : z.R.Left;
    DruckSchrift f = alt;
    f.Kursiv = true;
    f.Fett = false;
    f.Farbe = Farbe;
    f.Hoehe = DruckPunkteZuPixel(z.C, 70);
    z.C.SetSchrift(f);
    // Centred over the table, near the top of the page; never over the
    // competition's name: right of it, and smaller when the room there is short.
    const int luecke = MaxInt(1, alt.Hoehe);
    int x = z.R.Left + ((z.R.Right - z.R.Left) - z.C.TextBreite(text)) / 2;
    if (name && x < nameEnde + luecke) {
        const int raum = z.R.Right - (nameEnde + luecke);
        const int min = DruckPunkteZuPixel(z.C, 20);
        while (f.Hoehe > min && z.C.TextBreite(text) > raum) {
            f.Hoehe = f.Hoehe * 9 / 10;
            z.C.SetSchrift(f);
        }
        x = MaxInt(nameEnde + luecke, z.R.Right - z.C.TextBreite(text));
    }
    const int y = (z.R.Bottom - z.R.Top) / 100;
    z.C.Text(MaxInt(0, x), y, text, MaxInt(0, z.C.Breite() - MaxInt(0, x)));
    z.C.SetSchrift(alt);
}

} // namespace

void DrawPrintImage(DruckCanvas& Canvas, int Hoehe, const DruckSeitenListe& Liste, int Seite, int Farbmodus) {
    if (Seite < 1 || Seite > static_cast<int>(Liste.Seiten.size())) return;
    const SeiteTyp& s = Liste.Seiten[Seite - 1];
    const int orient = Liste.Parameter.Orientierung;
    const int H = MaxInt(1, Hoehe);
    int W = orient == 1 ? static_cast<int>(std::sqrt(2.0) * H) : static_cast<int>(std::sqrt(2.0) * H / 2);
    // Paper that is not A4-shaped: the page never grows past the canvas.
    if (Canvas.Breite() > 0) W = MinInt(W, Canvas.Breite());
    Canvas.RechteckFuellen(0, 0, W, H, DruckWeiss);
    DruckRechteck r{W / 20, H / 29, W - W / 20, H - H / 29};
    const BlattLayoutTyp L = CalcAnzahlZeilen(r, orient, Liste.Parameter.Stil, s);

    const DruckFarbe tinte = GetPrintColor(Farbmodus);
    DruckSchrift grund;
    grund.Name = "Arial";
    // Points of the paper: an A4 sheet is 595 points high in landscape, 842 in portrait.
    const double proPunkt = H / (orient == 1 ? 595.0 : 842.0);
    const int punkt6 = MaxInt(1, static_cast<int>(std::ceil(6 * proPunkt)));
    const int punkt12 = MaxInt(1, static_cast<int>(std::ceil(12 * proPunkt)));
    // Large print is at least 12 points.
    grund.Hoehe = MaxInt(1, Liste.Parameter.Stil == 3 ? MaxInt(L.ZeichenHoehe * 6 / 5, punkt12) : L.ZeichenHoehe);
    grund.Farbe = tinte;
    Canvas.SetSchrift(grund);

    Zeichner z(Canvas, s, L, r, tinte);
    z.Stil = Liste.Parameter.Stil;
    z.Punkt6 = punkt6;
    z.Punkt12 = punkt12;
    // The round's watermark stands large over the header: drawn first, it
    // lies under the header's texts, which stay readable through it.
    const auto km = static_cast<std::uint32_t>(s.Kopf.KopfMode);
    if (Bit(km, KopfWasserzeichenRot)) Wasserzeichen(z, DruckRot);
    if (Bit(km, KopfWasserzeichenGruen)) Wasserzeichen(z, DruckDunkelgruen);
    Kopf(z);

    z.Abschnitt = 1;
    int oben = 1;
    const std::vector<int> spaltenHoehe = SpaltenHoehen(z, Farbmodus, grund);
    for (auto it = s.Text.Zeilen.rbegin(); it != s.Text.Zeilen.rend(); ++it)
        Zeile(z, *it, Farbmodus, grund, oben, spaltenHoehe);
    oben = Legende(z, oben);
    if (Bit(s.Text.TextMode, TextUnterschrift)) Unterschriften(z, oben);

    z.Abschnitt = 2;
    if (s.Fuss.FussMode & 2) {
        z.TextWrite(1, 1, s.Fuss.Fussnote, 0);
        z.HorLine(1, 1, L.ZeichenProZeile);
    }
    if (!s.Fuss.Rechts.empty()) z.TextWriteRightJustify(1, 1, s.Fuss.Rechts, L.ZeichenProZeile + 1);
    Canvas.SetSchrift(grund);
}

} // namespace tavuran
