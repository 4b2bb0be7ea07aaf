// One printable document of any kind (the four lists, start sheets, labels,
// channel statistics) behind one face: build it from the competition and the
// options, ask for its page count and paper, draw page i onto a canvas. The
// preview, the printer, the PDF writer and the command line all use it. A
// document holds copies of its texts and never points into the competition.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "reports/Druck.h"
#include "reports/DruckCanvas.h"
#include "reports/Etikett.h"
#include "reports/Startzettel.h"

namespace tavuran {

inline constexpr int DruckUeblicheDurchgaenge = -1;

enum class DruckArt {
    Meldungsliste,
    Startliste,
    Wertungsliste,
    Ergebnisliste,
    Startzettel,
    Etiketten,
    Kanalstatistik,
    Teamergebnis
};

struct DruckAuftrag {
    DruckArt Art = DruckArt::Ergebnisliste;
    // Rounds: n > 0 round n, 0 the competition's current round, -2 all
    // preliminary rounds, -3 all fly-off rounds (Druck.h); -1 the document's
    // usual rounds (the current round; all preliminary rounds for start sheets).
    int Durchgaenge = DruckUeblicheDurchgaenge;
    int Sortierung = -1;     // participant order 0..5; -1 the document's usual order
    int VerteilerMaske = 1 << VerteilerPunktrichter; // start lists: the copies (bits 0..6)
    int Orientierung = 0;    // lists: 0 the usual one, 1 landscape, 2 portrait
    int Stil = 0;            // lists: 0 the usual one, 1..3 (start lists: 2 normal, 3 large)
    // Start lists: choose orientation and font size from the participant count
    // (MakePrintAttributesSizeOrientation) as the distribution dialog does;
    // false builds with the competition's stored ones (a preview rebuilding a
    // start list keeps the style the user chose in it).
    bool DruckAttributeWaehlen = true;
    bool TeamAnzeigen = false; // "Team anzeigen"
    bool Endgueltig = false;   // result lists: declared final although rounds are open
    ErgebnisZeitpunkt Zeit = ErgebnisZeitpunktJetzt(); // the time of printing the result lists show
    int Farbmodus = 0;       // print colour 0..5
    FormatTyp Etikettformat = EtikettFormatDefault();
    EtikettOptionen Etikettoptionen;
    // Start sheets: called with the built sheets before they are drawn, to
    // give them their entry links by phone (empty: no links).
    std::function<void(std::vector<ZettelSeiteTyp>&)> Zettelzugang;
};

// The paper of a document in hundredths of a millimetre, and the part of it
// the drawing covers (labels draw on the printable area only).
struct DruckPapier {
    int Breite = 29700, Hoehe = 21000;
    int RandLinks = 0, RandOben = 0, RandRechts = 0, RandUnten = 0;
};

class DruckDokument {
  public:
    virtual ~DruckDokument() = default;
    virtual int AnzahlSeiten() const = 0;
    virtual DruckPapier Papier() const = 0;
    bool Querformat() const { return Papier().Breite > Papier().Hoehe; }
    // Draws page Seite (1..AnzahlSeiten) onto the whole canvas; Vorschau adds
    // the screen decorations some documents have. A page that does not exist
    // draws nothing.
    virtual void SeiteZeichnen(DruckCanvas& Canvas, int Seite, bool Vorschau) const = 0;

    std::string Titel;   // the print job's title
    int Status = 0;      // the progress mark a finished print raises the competition to
};

// The notice shown when a document needs a drawn start order that does not exist.
extern const char* const StartreihenfolgeHinweis;
// Whether the document needs a drawn start order (the main window's division check).
bool DruckBrauchtStartreihenfolge(DruckArt Art);

// Builds the document. Returns nil with a German reason in Meldung when there
// is nothing to print (no round, no copy chosen, a label format that cannot be
// printed). The competition's current round is restored; start lists may set
// the competition's print attributes (orientation, font size, Scalable) as the
// preview does, other documents clear Scalable.
std::unique_ptr<DruckDokument> DruckDokumentErstellen(WettbewerbTyp* Wett, const DruckAuftrag& Auftrag,
                                                      std::string& Meldung);

} // namespace tavuran

namespace tavuran {

// Size in device pixels of the drawn part of a document's paper at a
// resolution in dots per inch (the PDF pages and the text output use the same).
void DruckCanvasGroesse(const DruckPapier& Papier, int Aufloesung, int& Breite, int& Hoehe);

// The pages Von..Bis of a document to be written (Bis < 1: to the last
// page); false with the reason when it has no such pages.
bool DruckSeitenbereich(const DruckDokument& Dokument, int Von, int& Bis, std::string& Grund);

} // namespace tavuran
