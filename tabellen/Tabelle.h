// The table a tab of the main window shows, as a plain value: column headers
// and how wide each column is, and for each row what it stands for, its cell
// texts and the marks of its cells. It is computed from the competition by the
// routines of ReiterTabelle.h; the window only adapts it to its grid, and the
// same value can be shown elsewhere (a live page) without a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavuran {

// A colour as 0xRRGGBB; KeineFarbe leaves the grid's own colour.
inline constexpr std::uint32_t KeineFarbe = 0xFFFFFFFFu;

enum class ZellAusrichtung : std::uint8_t { Links, Rechts, Mitte };

// What a cell looks like beyond its text.
struct ZellMarkeTyp {
    std::uint32_t Schrift = KeineFarbe; // text colour
    std::uint32_t Grund = KeineFarbe;   // background
    std::uint32_t Rahmen = KeineFarbe;  // a frame inside the cell
    bool Fett = false;
    bool Schattiert = false; // shaded from the edges inwards (an inactive channel)
    ZellAusrichtung Ausrichtung = ZellAusrichtung::Links;
    std::string Hinweis; // tooltip; empty for none
    bool operator==(const ZellMarkeTyp&) const = default;
    bool Leer() const { return *this == ZellMarkeTyp{}; }
};

// What a row stands for.
enum class ZeilenArt : std::uint8_t {
    Frei,       // an empty row (room to type a new participant or team)
    Trenner,    // the empty row between two groups of the start order
    Teilnehmer, // a participant
    Eintrag,    // a participant with a score entry to type into
    Mannschaft, // a row of the team sheet (a team or a free team number)
};

struct TabellenZeileTyp {
    ZeilenArt Art = ZeilenArt::Frei;
    int EdvNr = 0;        // the participant of the row, 0 for none
    int MannschaftNr = 0; // the team number a row of the team sheet writes to
    bool Editierbar = false; // the editable columns of this row may be typed into
    std::vector<std::string> Texte;   // one per column
    std::vector<ZellMarkeTyp> Marken; // empty, or one per column
    bool operator==(const TabellenZeileTyp&) const = default;
};

struct TabellenSpalteTyp {
    std::string Kopf;
    // Width in pixels at 96 dpi: the width of the column, or with NachInhalt
    // the least width.
    int Breite = 48;
    bool NachInhalt = false; // as wide as its longest text, header included
    bool NachKopf = false;   // at least as wide as its header
    bool Editierbar = false; // typed into in rows that are editable
    bool Verborgen = false;  // nothing to show: neither header nor text
    bool operator==(const TabellenSpalteTyp&) const = default;
};

struct TabelleTyp {
    std::vector<TabellenSpalteTyp> Spalten;
    std::vector<TabellenZeileTyp> Zeilen;
    // Columns 0 .. FixeSpalten - 1 belong to the row (numbers, name, computed
    // values), the others are its values.
    int FixeSpalten = 0;
    // Columns 0 .. GefroreneSpalten - 1 stay in place when the grid scrolls
    // right, so that the row's pilot stays in sight.
    int GefroreneSpalten = 0;

    int AnzahlZeilen() const { return static_cast<int>(Zeilen.size()); }
    int AnzahlSpalten() const { return static_cast<int>(Spalten.size()); }
    // The text of a cell (rows and columns from 0); empty outside.
    const std::string& Text(int Zeile, int Spalte) const;
    // The mark of a cell; a plain mark outside or where the row has none.
    const ZellMarkeTyp& Marke(int Zeile, int Spalte) const;
    bool ZelleEditierbar(int Zeile, int Spalte) const;
    // Sets a cell's text, growing a short row; nothing outside the rows.
    void SetText(int Zeile, int Spalte, const std::string& Text);
    // The row of participant EdvNr, -1 when he is not listed.
    int ZeileVon(int EdvNr) const;
};

// A new row of a table with Spalten columns, all texts empty.
TabellenZeileTyp NeueZeile(ZeilenArt Art, int Spalten);

// Rows Von .. Bis (from 0) that changed between two tables.
struct ZeilenBereichTyp {
    int Von = 0;
    int Bis = 0;
};
// The ranges of rows present in both tables whose texts, marks or meaning
// differ, in ascending order; rows beyond the shorter table are not listed.
std::vector<ZeilenBereichTyp> GeaenderteZeilen(const TabelleTyp& Alt, const TabelleTyp& Neu);

// Length of a text in characters (UTF-8 code points).
int ZeichenZahl(const std::string& Text);
// A text's length as it looks: characters count two, blanks one (numbers are
// padded with blanks, which are narrow in the grid's font).
int TextLaenge(const std::string& Text);
// The rows holding the Anzahl longest texts of a column (TextLaenge), the
// longest first; a window measures only these.
std::vector<int> LaengsteTexte(const TabelleTyp& Tabelle, int Spalte, int Anzahl);
// Marks a column hidden when its header and all its texts are blank.
void LeereSpaltenVerbergen(TabelleTyp& Tabelle, int AbSpalte);

} // namespace tavuran
