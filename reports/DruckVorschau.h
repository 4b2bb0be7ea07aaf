// What the print preview decides without a window: which document a state of
// its controls means, which round the field "weitere" selects, which control
// groups it shows, and how large the on-screen page is.
#pragma once

#include "reports/DruckDokument.h"

namespace tavuran {

// The four kinds of output the preview serves.
inline constexpr int VorschauListen = 1;
inline constexpr int VorschauEtiketten = 2;
inline constexpr int VorschauKanalstatistik = 3;
inline constexpr int VorschauStartzettel = 4;
int VorschauClient(DruckArt Art);

// The state of the preview's controls that decides the document.
struct VorschauZustand {
    DruckArt Art = DruckArt::Ergebnisliste;
    int AktSort = 0;        // participant order 0..5
    int AktDurchgang = 1;   // the round shown
    // 0: the round AktDurchgang; DruckVorrunden ("Vorrnd."), DruckFlyOffs ("Fly Off").
    int RundenWahl = 0;
    // Start lists: the copies, and whether the build chooses the print
    // attributes from the participant count (only the build from the
    // distribution dialog does; the preview's rebuilds keep the style).
    int VerteilerMaske = 32;
    bool DruckAttributeWaehlen = true;
    bool TeamAnzeigen = false;
    bool Endgueltig = false; // result lists: printed as final although rounds are open
    int Farbmodus = 0;
    FormatTyp Etikettformat = EtikettFormatDefault();
    EtikettOptionen Etikettoptionen;
};

// The state a command opens the preview with, for the competition's current
// round: the usual order of the document, the current round, and all
// preliminary rounds for start sheets.
VorschauZustand VorschauStart(DruckArt Art, int AktuellerDurchgang);

// The document of a state.
DruckAuftrag VorschauDruckAuftrag(const VorschauZustand& Zustand);

// The round chosen with "weitere": the typed number raised to 11, lowered to
// 18, and lowered to the competition's number of rounds.
int WeitererDurchgang(int Eingabe, int AnzDurchgaenge);

// Which control groups the preview shows.
struct VorschauGruppen {
    bool Folge = false;          // the order buttons
    bool Durchgang = false;      // the round buttons
    bool TeamSortierung = false; // the order "Team" is enabled
    bool Stil = false;           // "Querformat", "große Schrift"
    bool Blaettern = true;       // "<" and ">" and the page label
};
// StartlisteScalable: the document is a start list of a competition whose
// start lists may be restyled.
VorschauGruppen VorschauGruppenSichtbar(int Client, int AktSort, bool StartlisteScalable);

// The on-screen page of a paper in a page area of FlaecheBreite x
// FlaecheHoehe pixels: as high as the area and in the paper's proportions (an
// A4 portrait page 800 pixels high is 565 wide), smaller when that would be
// wider than the area.
void VorschauSeitenGroesse(const DruckPapier& Papier, int FlaecheBreite, int FlaecheHoehe, int& Breite, int& Hoehe);

} // namespace tavuran
