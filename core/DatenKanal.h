// Freeing the bookkeeping lists of the radio-channel check. The lists are
// built by the start-order subsystem; the competition frees them when it goes.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

void ClearKanalListe(WettbewerbTyp* comp);
void KanalBelegungFromHeap(WettbewerbTyp* comp);
void FreeDoppelBelegung(WettbewerbTyp* comp);

} // namespace tavuran
