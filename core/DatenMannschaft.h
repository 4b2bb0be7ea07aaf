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

} // namespace tavuran
