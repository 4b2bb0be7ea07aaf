// Team list operations.
#pragma once

#include <unordered_map>

#include "core/DatenTypen.h"

namespace tavuran {

MannschaftTyp* DatenMannschaftNew();
void DatenMannschaftDefault(MannschaftTyp* MannschaftPtr);
void DatenMannschaftDispose(MannschaftTyp*& MannschaftPtr);
MannschaftTyp* GetMannschaftdesTeilnehmers(MannschaftTyp* MannschaftRootPtr, int TeilnehmerEdvNr);
// For every participant number in a member slot, the team GetMannschaftdesTeilnehmers
// finds for it (the first in list order): one walk for all participants.
std::unordered_map<int, MannschaftTyp*> MannschaftenDerTeilnehmer(MannschaftTyp* MannschaftRootPtr);

// The team of each participant, as GetMannschaftdesTeilnehmers finds it, for
// lists that ask for the team of every pilot: the teams are walked once when
// it is made, not once for each pilot.
class TeamsDerTeilnehmer {
  public:
    explicit TeamsDerTeilnehmer(const MannschaftTyp* MannschaftRootPtr)
        : teams_(MannschaftenDerTeilnehmer(const_cast<MannschaftTyp*>(MannschaftRootPtr))) {}
    MannschaftTyp* operator()(int TeilnehmerEdvNr) const {
        const auto it = teams_.find(TeilnehmerEdvNr);
        return it == teams_.end() ? nullptr : it->second;
    }

  private:
    std::unordered_map<int, MannschaftTyp*> teams_;
};

} // namespace tavuran
