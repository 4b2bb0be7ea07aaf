// Finding the participants of another competition among the participants of
// this one (the round import of an overall ranking, the links of its result
// page into the included sub-results). A name that occurs once on both sides
// is matched by first and last name; when a name occurs more than once on
// either side, the club decides, or else the birth date (two birth dates
// that are both entered and differ belong to two people), and whatever stays
// ambiguous is reported instead of merged.
#pragma once

#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

struct TeilnehmerZuordnungTyp {
    const TeilnehmerTyp* Quelle = nullptr;
    // The participant of this competition, or nil: new when not Mehrdeutig.
    TeilnehmerTyp* Ziel = nullptr;
    // The name occurs more than once and neither club nor birth date tell
    // which participant is meant (or that participant is already taken).
    bool Mehrdeutig = false;
};

// One entry per participant of Quelle with a surname and a number, in list
// order. Names compare exactly (first and last name); the title does not
// count. No participant of Ziel is given to two of Quelle.
std::vector<TeilnehmerZuordnungTyp> TeilnehmerZuordnen(TeilnehmerTyp* ZielRoot, const TeilnehmerTyp* QuelleRoot);

} // namespace tavuran
