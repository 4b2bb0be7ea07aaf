// Team lines of the competition file.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "core/DatenTypen.h"

namespace tavuran {

// Reads one team line (the value after the key) into a new team put at the
// head of the list; returns it.
MannschaftTyp* DatenMannschaftParse(MannschaftTyp*& MannschaftRootPtr, std::string_view Value, int FormatNr);

// The line of one team; "-" when it is not written (no name or Nr <= 0).
// Members that name no participant with a surname are written as 0.
std::string MakeMannschaftZeile(const MannschaftTyp* MannschaftPtr, const TeilnehmerTyp* TeilnehmerRootPtr,
                                int FormatNr);
// The same with the numbers of the participants that have a surname at hand
// (a whole file's team lines without a walk of the list per member).
std::string MakeMannschaftZeile(const MannschaftTyp* MannschaftPtr, const std::unordered_set<int>& MitNachname,
                                int FormatNr);

// Line generator over the team list: the n-th call after InitMannschaftsDaten
// gives the line of the n-th team, then an empty text.
void InitMannschaftsDaten();
std::string GetNextMannschaftDaten(const MannschaftTyp* TeamRoot, const TeilnehmerTyp* TeilnehmerRoot, int FormatNr);

} // namespace tavuran
