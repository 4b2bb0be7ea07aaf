// Finding a pilot in a grid: which rows of a tab's table stand for a pilot
// whose name contains a typed text, or whose start or registration number it
// is, and which of them comes next from a row on.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "tabellen/Tabelle.h"

namespace tavuran {

// The rows of Tabelle (from 0, top to bottom) standing for a pilot Text
// finds. A text of digits finds the pilot with that start number or that
// registration number; any other text the pilots whose name (surname and
// first name as the lists show them) contains it, letters compared without
// regard to case (umlauts included). Blanks around the text do not count; an
// empty text finds nobody. A row of the team sheet stands for its members.
std::vector<int> PilotTreffer(const WettbewerbTyp* Wett, const TabelleTyp& Tabelle, const std::string& Text);

// The first hit below row Zeile, or the first of all after the last one
// (wrapping); -1 without hits. Zeile -1 gives the first hit.
int NaechsterTreffer(const std::vector<int>& Treffer, int Zeile);

} // namespace tavuran
