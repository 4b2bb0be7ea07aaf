// The parts of the HTML result list: the overall list, the score list of one
// round and the result list of an included sub-competition. They read the
// competition only; a participant without an entry in a round is shown as an
// untouched entry would be, without creating one.
#pragma once

#include "core/DatenTypen.h"
#include "exchange/HtmlExport.h"

namespace tavuran {

// The rounds a list shows: AnzDurchgaenge, limited to the participant's round slots.
int HtmlRunden(const WettbewerbTyp* Wett);
// The preliminary rounds a start list shows, limited the same way.
int HtmlVorrunden(const WettbewerbTyp* Wett);
// The participant's entry of round Nr in the groups of that ReflyOrder, or nil.
const WertungTyp* HtmlWertung(const WettbewerbTyp* Wett, int Nr, int EdvNr, int ReflyOrder);
// The participant's regular entry of round Nr, or an empty one.
const WertungTyp& HtmlWertungOderLeer(const WettbewerbTyp* Wett, int Nr, int EdvNr);
// The round exists and its first reflight group holds an entry.
bool HtmlReflyInDurchgang(const WettbewerbTyp* Wett, int Nr);

// Whether the lists show a fly-off total: the competition has fly-off
// rounds (with NurJugend: junior fly-off rounds).
bool HatFlyOff(const WettbewerbTyp* Wett, bool NurJugend);
// A finalist's fly-off total (a finalist with 0 points too): the senior
// fly-off points, or the junior ones for a junior finalist without senior
// fly-off (NurJugend: always the junior ones). False for a pilot who was no
// finalist.
bool FlyOffSumme(const WettbewerbTyp* Wett, const TeilnehmerTyp* t, bool NurJugend, double& Summe);
// The title of round r's column: the sub-competition's name when the round
// has one, else the usual title.
std::string HtmlRundenTitel(const WettbewerbTyp* Wett, const HtmlErgebnisOptionen& Optionen, int r);

} // namespace tavuran
