// Team list operations.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

MannschaftTyp* DatenMannschaftNew();
void DatenMannschaftDefault(MannschaftTyp* MannschaftPtr);
void DatenMannschaftDispose(MannschaftTyp*& MannschaftPtr);
MannschaftTyp* GetMannschaftdesTeilnehmers(MannschaftTyp* MannschaftRootPtr, int TeilnehmerEdvNr);

} // namespace tavuran
