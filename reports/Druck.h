// The print layout engine of the four lists: registration list ("Meldungsliste"),
// start list ("Startliste") with its copies for the distribution list, score
// sheet ("Wertungen") and result list ("Ergebnis"). A build walks the chosen
// rounds and copies and makes pages: a header, the shown columns, one row per
// participant plus the column-title row, and a footer. Page breaks depend only
// on the line count of a virtual 1000 x 1000 page, never on the canvas drawn
// on later, so preview, printer and PDF show the same pages.
//
// A page holds copies of every text it shows, computed when it is built; it
// never points into the competition, so a page list stays valid while the
// competition changes (a preview rebuilds it to show the change).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "evaluation/ErgebnisAngaben.h"
#include "reports/DruckCanvas.h"

namespace tavuran {

// List kinds.
inline constexpr int ListeStart = 1;
inline constexpr int ListeMeldung = 2;
inline constexpr int ListeWertung = 3;
inline constexpr int ListeErgebnis = 4;

// Copies of a start list (bit n of a VerteilerMaske is copy n).
inline constexpr int VerteilerBlanko = 0;
inline constexpr int VerteilerAushang = 1;
inline constexpr int VerteilerOrganisationsleiter = 2;
inline constexpr int VerteilerStartstelle = 3;
inline constexpr int VerteilerSenderzelt = 4;
inline constexpr int VerteilerPunktrichter = 5;
inline constexpr int VerteilerZeitnehmer = 6;
inline constexpr int VerteilerEinzeln = 7; // the single copy of the lists that are not distributed
// The title printed on a copy ("" for the blank form and the single copy).
const char* VerteilerTitel(int VerteilerArt);

// Round selections of a build.
inline constexpr int DruckAktuellerDurchgang = 0;
inline constexpr int DruckVorrunden = -2;
inline constexpr int DruckFlyOffs = -3;
inline constexpr int DruckAlleDurchgaenge = -4;
inline constexpr int DruckSeniorenFlyOffs = -5;
inline constexpr int DruckJugendFlyOffs = -6;

// One column kind of the column table, indices 1..31 (left to right on the page).
struct SpalteTyp {
    const char* Bezeichner; // title, or a placeholder beginning with "$"
    int Bit;                // the bit of TextTyp::TextMode that shows the column
    int Breite;             // character columns; -1 flexible; -2 per-round width
};
inline constexpr int AnzSpalten = 31;
const SpalteTyp& Spalte(int Nr); // 1..31

// Header element bits (KopfTyp::KopfMode).
inline constexpr int KopfVerteiler = 0;
inline constexpr int KopfDurchgang = 1;
inline constexpr int KopfSeite = 2;
inline constexpr int KopfListentyp = 3;
inline constexpr int KopfByNummer = 4;
inline constexpr int KopfDatum = 5;
inline constexpr int KopfName = 6;
inline constexpr int KopfRegel = 7;
inline constexpr int KopfLinie = 20;
inline constexpr int KopfGewertet = 21;
inline constexpr int KopfWasserzeichenRot = 22;
inline constexpr int KopfWasserzeichenGruen = 23;

// Row decoration bits (ZeileTyp::ZeilenMode).
inline constexpr int ZeileLinieOben = 8;
inline constexpr int ZeileStrichOben = 9;
inline constexpr int ZeileGruppeOben = 10;
inline constexpr int ZeileLinieUnten = 16;
inline constexpr int ZeileStrichUnten = 17;
inline constexpr int ZeileGruppeUnten = 18;
inline constexpr int ZeileTitel = 24;

// TextMode bit 29 is no column: the signature block of the last page of a result list.
inline constexpr int TextUnterschrift = 29;

struct KopfTyp {
    int KopfMode = 0;
    int AnzZeilen = 0;
    std::string Verteiler;
    std::string SeiteStr;      // SeiteAnzeige in decimal, and " von " the pages of the copy
    std::string ListentypStr;  // the list title
    // Copies of what the header shows.
    std::string WettbewerbName, ByNummer, RegelName, Datum;
    std::string GewertetHinweis;  // "2 Vorrunden geflogen, gewertet werden 3 von 4"
    std::string DurchgangLang;    // the round label, long form
    std::string Wasserzeichen;    // the round label, short form, trimmed
};

// One cell of a participant row, in the order of the page's columns.
struct DruckZelle {
    std::string Text;
    bool Rechts = false;          // right-aligned
    bool Grau = false;            // grey background (an inactive channel)
    bool Hervorheben = false;     // drawn bold in Farbe when the print colour highlights
    DruckFarbe Farbe;
    bool Rahmen = false;          // a bold frame around the cell (a channel clash), in every print colour
};

struct ZeileTyp {
    int ZeilenMode = 0;
    int ZeilenNr = 0;   // 0 column titles, 1, 2, ... participants; drawn on text line ZeilenNr + 1
    int GruppenNr = 0;  // the participant's group in the page's round
    int EdvNr = 0;      // the participant (for callers; drawing does not use it)
    std::vector<DruckZelle> Zellen; // empty for the column-title row
};

// One shown column of a page, after the repetitions (rounds, channels,
// helpers, models, sub-columns, parameters) are unfolded.
struct DruckSpalte {
    int Nr = 0;              // index into the column table, 1..31
    int Breite = 1;          // character columns on the drawn page
    std::string Titel;       // the text of the column-title row
    bool OhneTrenner = false; // no separator after it (raw points and points share one frame)
};

struct TextTyp {
    std::uint32_t TextMode = 0;
    std::vector<ZeileTyp> Zeilen;       // the column-title row first
    std::array<std::string, 13> Unterschrift{}; // [1..12]: organiser, director, judges
    std::string Punktrichter;           // the judges line of the signature block
    std::vector<std::string> Legende;   // the last page of a copy: the marks used, explained under the table
};

struct FussTyp {
    int FussMode = 0;
    int AnzZeilen = 1;
    std::string Fussnote;
    std::string Rechts; // right-aligned: "Stand 10.12.2026 14:05, vorläufig – Seite 1 von 3"
};

struct SeiteTyp {
    KopfTyp Kopf;
    TextTyp Text;
    FussTyp Fuss;
    int SeiteIndex = 0;   // running number in the whole build, 1..N
    int SeiteAnzeige = 0; // printed number, from 1 again for every round and copy
    int ListenArt = 0;
    int VerteilerArt = 0;
    int DurchgangNr = 0;      // the round of the page
    int ZeichenProZeile = 0;  // character columns of the drawn table (sum of the widths + 1)
    std::vector<DruckSpalte> Spalten;
};

// Parameters of a build.
struct DruckSeitenTyp {
    int ListenArt = ListeErgebnis;
    int VerteilerMaske = 1 << VerteilerEinzeln;
    int Orientierung = 1; // 1 landscape, 2 portrait
    int Stil = 1;         // 1, 2, 3: line spacing and font size
    int Sortierung = 4;   // participant order (0 registration number .. 5 team)
    bool TeamAnzeigen = false; // "Team anzeigen": start lists show the team instead of the club
    bool Endgueltig = false;   // result lists: declared final although rounds are open
    ErgebnisZeitpunkt Zeit = ErgebnisZeitpunktJetzt(); // the time of printing in the footer
};

// The pages of one build.
struct DruckSeitenListe {
    DruckSeitenTyp Parameter;
    std::vector<SeiteTyp> Seiten; // SeiteIndex 1..N in order
    std::string Hinweis;          // why a build has no page (empty when it has pages)
};

// Geometry of a page on a rectangle (milli values are 1000 times the pixel value).
struct BlattLayoutTyp {
    int yPixText = 0, yPixFuss = 0;
    int AnzahlZeilenKopf = 0, AnzahlZeilenText = 0, AnzahlZeilenFuss = 0;
    int ZeilenHoeheKopf = 0, ZeilenHoeheText = 0, ZeilenHoeheFuss = 0;
    int ZeichenHoehe = 0;
    int ZeichenProZeile = 0;
    int Zeichenbreite = 0;
    int Orientierung = 1;
};

struct DruckRechteck {
    int Left = 0, Top = 0, Right = 1000, Bottom = 1000;
};

// The rounds a selection names, ascending, limited to 1 .. min(AnzDurchgaenge, 30).
std::vector<int> MakePrintDurchgangList(const WettbewerbTyp* Wett, int ListeDurchgaenge);

// Builds the pages of a list for the selected rounds. The competition's
// current round and its group order are set for every round while it runs;
// the current round is restored at the end. Results are recomputed when the
// competition asks for it. Score entries are only looked up, never created.
// A build with no round, no copy or a list kind outside 1..4 has no page and
// says why in Hinweis.
DruckSeitenListe MakeDruckSeiten(WettbewerbTyp* Wett, const DruckSeitenTyp& Parameter, int ListeDurchgaenge);

// Orientation, font size and Scalable of start lists from the participant count.
void MakePrintAttributesSizeOrientation(WettbewerbTyp* Wett);

// Geometry of a page on the rectangle.
BlattLayoutTyp CalcAnzahlZeilen(const DruckRechteck& Rect, int Orientierung, int Stil, const SeiteTyp& Seite);
// Text lines per page of a list (column titles included) for orientation and style.
int DruckZeilenProSeite(int Orientierung, int Stil);

// Print colour modes: 0 black, 1 black with cell highlighting, 2 brown, 3 red, 4 green, 5 blue.
inline constexpr int AnzDruckFarben = 6;
DruckFarbe GetPrintColor(int Farbmodus);

// Draws page Seite (1..N) of the list onto a canvas of height Hoehe pixels.
// The page is as wide as an A4 sheet of that height in the list's orientation,
// but never wider than the canvas. A page that does not exist draws nothing.
void DrawPrintImage(DruckCanvas& Canvas, int Hoehe, const DruckSeitenListe& Liste, int Seite, int Farbmodus);

} // namespace tavuran
