// The model side of the recompute that follows every change of a competition:
// the radio-channel bookkeeping is rebuilt and, while the competition asks for
// it, the evaluation runs. The main window, the draw and the command-line tool
// all recompute through this one routine.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

// Rebuilds the channel usage list, the occupancy list and the clash records,
// then evaluates when the CalcWertung flag is set (or Erzwingen is true).
void WettbewerbModellNeuBerechnen(WettbewerbTyp* comp, bool Erzwingen = false);

} // namespace tavuran
