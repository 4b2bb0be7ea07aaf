// The round import of an overall ranking: each round of an overall ranking
// holds the partial rating another competition computed for its participants.
// The other competition's file is read with the regular reader; the partial
// rating of each of its participants becomes the measured value of one round,
// participants not yet registered are added. Participants are found by
// TeilnehmerZuordnen: those it cannot tell apart are reported, not merged.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

struct DurchgangImportErgebnis {
    bool Ok = false;
    std::string Grund;                 // why nothing was changed (German)
    std::string WettbewerbName;        // the name of the imported competition
    int Werte = 0;                     // values stored in the round
    std::vector<std::string> Neu;      // participants created
    // Participants of the file left out because their name occurs more than
    // once and neither club nor birth date decide (name and club).
    std::vector<std::string> Mehrdeutig;
    std::vector<std::string> Hinweise; // what else the user should know (German)
};

// Imports the partial ratings of the competition file FileName into round Nr
// of Wett. Refuses with a reason and changes nothing when Wett is no overall
// ranking, the round does not exist, the file is Wett's own, cannot be read,
// is no competition file, is damaged (the reading lost or doubted lines), is
// of format 1 or 2, or holds no participants. The partial ratings are
// evaluated from the file's scores; where the file's stored result lines say
// otherwise, a note says so. On success the file name is remembered for the
// round, the competition is marked modified and its orders are rebuilt; the
// caller recomputes.
DurchgangImportErgebnis DatenWettbewerbImportDurchgang(WettbewerbTyp* Wett, const std::string& FileName, int Nr);

// The outcome as lines of German text.
std::vector<std::string> DurchgangImportZeilen(const DurchgangImportErgebnis& Ergebnis, int Nr);

} // namespace tavuran
