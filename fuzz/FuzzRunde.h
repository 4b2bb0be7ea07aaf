// What every fuzz target does with the competition it ended up with: recompute
// it as the program does after a change, write it and read the text again.
#pragma once

#include <string>

#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::fuzz {

// Frees the competition at the end.
inline void NeuBerechnenSchreibenLesen(WettbewerbTyp*& w) {
    WettbewerbModellNeuBerechnen(w, true);
    bool ersetzt = false;
    const std::string text = DatenWettbewerbText(w, 3, ersetzt);
    WettbewerbTyp* wieder = nullptr;
    DatenWettbewerbLesen(wieder, text, "");
    DatenWettbewerbDispose(wieder);
    DatenWettbewerbDispose(w);
}

} // namespace tavuran::fuzz
