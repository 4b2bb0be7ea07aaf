// Refinement of a drawn start order: a local search that exchanges two pilots
// of different groups in the same round (each takes the other's group and
// start place) whenever that lowers the distribution score, so that fewer
// pairs meet again and again. Where no single exchange helps any more, it
// tries chains of two exchanges (the second may be in another round) and, if
// asked, longer chains; a chain is kept only when together its exchanges
// lower the score, else it is undone. An exchange never puts a pilot
// into a group with a participant on his channel or with a protected helper,
// pilot or team mate, never changes a group's size, and never touches a round
// that is not being drawn or that is no preliminary round. When nothing
// helps, the candidate stays as it was.
#pragma once

#include <cstdint>
#include <functional>

#include "core/DatenTypen.h"
#include "startorder/StartreihenfolgeDaten.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

struct NachbesserungsOptionen {
    // Sweeps of single exchanges over all pilots at most, and exchanges
    // priced at most (single exchanges and the steps of chains together).
    int MaxDurchlaeufe = 30;
    long long MaxVersuche = 40000000;
    // Also long chains of exchanges once nothing shorter helps (much more
    // work per kept change).
    bool LangeKetten = false;
};

struct NachbesserungsErgebnis {
    long long ScoreVorher = 0;  // distribution score of the candidate as drawn
    long long ScoreNachher = 0; // after the refinement (never above ScoreVorher)
    long long Versuche = 0;     // exchanges examined
    long long Tausche = 0;      // exchanges kept (a chain counts as two)
    double Millisekunden = 0;
};

// Refines the candidate in place. Rounds taken part: preliminary rounds of the
// competition for which DurchgangZiehen(r) is true (every preliminary round
// when it is empty). The distribution score is the draw's own (meetings to the
// fourth power plus the channel and protection weights of the team-protection
// groups given). The same seed gives the same result.
NachbesserungsErgebnis StartreihenfolgeNachbessern(SortDrchgType* Kandidat, WettbewerbTyp* comp,
                                                   const TeamGroupType* TeamGroups,
                                                   const std::function<bool(int)>& DurchgangZiehen,
                                                   std::uint64_t Seed,
                                                   const NachbesserungsOptionen& Optionen = {});

} // namespace tavuran
