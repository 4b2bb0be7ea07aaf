// Radio channels of the participants: normalising channel texts, the channel
// that counts, the channel usage list and the occupancy list of a competition,
// and the clash check that marks participants who share a group (or fly in a
// neighbouring group) with a transmitter on their channel or with a team mate.
// The freeing routines of the three lists live with the competition
// (core/DatenKanal.h).
#pragma once

#include <string>
#include <string_view>

#include "core/DatenKanal.h"
#include "core/DatenTypen.h"

namespace tavuran {

// The one form in which the model holds a 2.4 GHz system, and how lists show it.
inline constexpr const char* Kanal2G4 = "2G4";
inline constexpr const char* Kanal2G4Anzeige = "2,4GHz";

// "2G4" for any text that denotes 2.4 GHz, else the text unchanged.
std::string Format24GHzKanalStr(std::string_view KanalStr);
// False for an empty text or "0" (after normalising and trimming): no channel given.
bool IsKanalValid(std::string_view KanalStr);
// The active channel text of a participant (channel 2 or 3 when selected, else 1).
std::string GetKanalTeilnehmer(const TeilnehmerTyp& Teilnehmer);
// The channel text as lists show it ("2,4GHz" for "2G4").
std::string KanalAnzeigeStr(std::string_view KanalStr);

// Lists of a competition; a nil competition does nothing or gives 0.
void InitKanalListe(WettbewerbTyp* comp);
Word CountKanalListe(const WettbewerbTyp* comp);
void KanalBelegungToHeap(WettbewerbTyp* comp);
void SortEinBelegung(WettbewerbTyp* comp, BelegungTyp* Eintrag);
int GetKanaeleMax(const WettbewerbTyp* comp);

// Rebuilds all clash records; returns the number of records created.
int CheckDoppelBelegung(WettbewerbTyp* comp);
// The clash record of the participant in that round; nil means no clash.
DoppelBelegungTyp* GetDoppelBelegung(const WettbewerbTyp* comp, const TeilnehmerTyp* Teilnehmer, int DurchgangNr);

// Selecting channel k (1..3) of a participant in the participant grid: makes
// it active, or the first valid one when it has no valid text. Marks the
// competition modified and returns true when the active channel changed.
bool SelectChannel(WettbewerbTyp* comp, TeilnehmerTyp* Teilnehmer, int KanalNr);

} // namespace tavuran
