// The result report of the start order ("Startreihenfolge - Ergebnisreport"):
// plain-text checks of the division stored in the competition. The report
// window only lists the lines.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Participants with first name and surname whose group in round DurchgangNr is GruppeNr.
int CountPilotsInGroup(const WettbewerbTyp* comp, int DurchgangNr, int GruppeNr);

// Appends the report to Zeilen; true when every round was complete.
bool CheckTeilnehmerInDurchgaengen(WettbewerbTyp* comp, std::vector<std::string>& Zeilen);

} // namespace tavuran
