// Start sheets: a card per participant and round for the judges, eight to a
// page from top to bottom. A sheet holds copies of its texts.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "reports/DruckCanvas.h"

namespace tavuran {

inline constexpr int ZettelProSeite = 8;

struct ZettelTyp {
    int ZeilenNr = 0;      // position 1..8 on its page
    int DurchgangNr = 0;   // the round
    int EdvNr = 0;         // the participant (for callers; drawing does not use it)
    std::string Datum;     // DD.MM.YYYY
    std::string WettbewerbName;
    std::string Teilnehmer; // start number ": " name (surname first), the largest text of the sheet
    std::string Verein;     // the club
    std::string Team;       // "Team: " + name; empty without team
    std::string Kanal;      // the active channel
    bool Gruppenstart = true;
    std::string StartplatzTitel; // the rule's title of the start place
    std::string Gruppe, Startplatz, StartNr;
    // The round: "Durchgang" and its number, or for a fly-off round its name
    // ("1. Fly-Off") and its number among the fly-off rounds.
    std::string DurchgangTitel = "Durchgang";
    std::string DurchgangWert;
    std::vector<std::string> Messfelder; // titles of the measurement boxes ("Unterschrift" is added when drawn)
};

struct ZettelSeiteTyp {
    int SeitenNr = 0;
    std::vector<ZettelTyp> Zettel;
};

// Builds the sheets for the rounds of the selection (a round number, 0 the
// current round, -2 preliminary rounds, -3 fly-off rounds) in the order
// AktSort (0..5). A fly-off round has sheets for its finalists only (the
// participants seated in one of its groups). No participant, no page.
std::vector<ZettelSeiteTyp> MakeZettelSeiten(WettbewerbTyp* Wett, int ListeDurchgaenge, int AktSort);

// Draws a page onto a canvas of Breite x Hoehe pixels; Preview adds the
// screen decorations (blue paper, guide lines). Each sheet is drawn in parts
// (its head with competition, pilot and channel, the round block, the
// measurement boxes), so that a part can be added beside them.
void DrawZettelImage(DruckCanvas& Canvas, int Breite, bool Preview, int Hoehe, const ZettelSeiteTyp& Seite);

} // namespace tavuran
