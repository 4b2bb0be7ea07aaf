// A competition under a catalogue rule for the entry tests.
#pragma once

#include <string>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "rules/RegelLookup.h"

namespace tavuran {

// A competition under a catalogue rule with its defaults, judge count J and
// participants 1..n named "N<i> V<i>" of the club "MFC".
struct RegelWettbewerb {
    WettbewerbTyp* W = nullptr;
    RegelWettbewerb(const std::string& Regel, int Richter = 1, int Teilnehmer = 2) {
        W = DatenWettbewerbNew();
        DatenWettbewerbDefault(W);
        W->Datum = {1, 6, 2025};
        DatenRegelLoad(W->RegelPtr, Regel, &W->Datum);
        DatenRegelToWettbewerb(W, W->RegelPtr);
        W->AnzPunktrichter = Richter;
        for (int i = 1; i <= Teilnehmer; ++i) {
            TeilnehmerTyp* t = DatenTeilnehmerGetPtr(W->TeilnehmerRootPtr, i, true);
            t->Name.NachnameStr = "N" + std::to_string(i);
            t->Name.VornameStr = "V" + std::to_string(i);
            t->Verein = "MFC";
            t->StartNr = t->MeldgNr = i;
            t->Gruppe[1] = 1;
        }
        SortAll(W);
    }
    ~RegelWettbewerb() { DatenWettbewerbDispose(W); }
    RegelWettbewerb(const RegelWettbewerb&) = delete;
    RegelWettbewerb& operator=(const RegelWettbewerb&) = delete;
};

} // namespace tavuran
