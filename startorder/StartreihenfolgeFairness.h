// How fair a drawn start order is, as pilots judge it: how often each pair of
// participants meets in a group over the preliminary rounds. The figures are
// the draw's distribution score, a lower bound for it, the largest number of
// meetings of a pair, how many pairs meet 0, 1, 2, ... times, and the mean
// absolute deviation of the meetings from their mean.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran {

struct FairnessKennzahlen {
    int Teilnehmer = 0;             // participants with a surname
    std::vector<int> Durchgaenge;   // rounds looked at
    long long Verteilscore = 0;     // the draw's distribution score
    // Lower bound of the distribution score: the meetings the groups hold,
    // spread as evenly as possible over all pairs (the fourth powers are
    // convex, so no division can do better); channel and protection
    // weights only add to it.
    long long Untergrenze = 0;
    int MaxBegegnungen = 0;
    std::vector<long long> PaareMitBegegnungen; // [k] pairs that meet k times
    double Mittelwert = 0;          // mean meetings of a pair
    double MittlereAbweichung = 0;  // mean absolute deviation from it
};

// The figures of the groups stored in the competition for the given rounds
// (all preliminary rounds when empty). Without group start everybody flies
// alone and nobody meets. Team groups add the protection weights to the score.
FairnessKennzahlen BerechneFairness(WettbewerbTyp* comp, const std::vector<int>& Durchgaenge,
                                    const TeamGroupType* TeamGroups);

// The figures as tab-separated lines, a header line first.
std::vector<std::string> FairnessTabelle(const FairnessKennzahlen& k);
// The figures as lines of the result report.
std::vector<std::string> FairnessReportZeilen(const FairnessKennzahlen& k);

} // namespace tavuran
