// Moving a participant in the main window's start-order list of the current
// round: within his group (new start place, the group renumbered in row
// order) or into another group (the lowest free start place there). The list
// shows the participants by group and start place with one empty row between
// groups; a participant's row in a tab is his ZeilenNr[Tab].
//
// After a move the caller runs the clash check, marks the competition
// modified, recomputes, rebuilds the orders and repaints.
#pragma once

#include <functional>
#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

// Moves the participant of row FromIndex onto row ToIndex of tab Tab. Nothing
// happens without a competition, for rows below 1, equal rows, a list that is
// not in start order, or an empty source row. ZeilenText, when given, is the
// text of a row's name column; a row without participant and text is one of
// the empty rows that separate the groups. Returns true when something moved.
bool StartGruppenRowMove(WettbewerbTyp* comp, int Tab, int FromIndex, int ToIndex,
                         const std::function<std::string(int Zeile)>& ZeilenText = {});

// Within one group: From takes row ToIndex and the group is renumbered in row
// order; onto an empty row From gets the group's largest start place + 1.
void TeilnehmerStartPlatzMove(WettbewerbTyp* comp, int Tab, TeilnehmerTyp* From, TeilnehmerTyp* To, int FromIndex,
                              int ToIndex);
// Into group Zielgruppe with the lowest start place not used there.
void TeilnehmerGruppenMove(WettbewerbTyp* comp, int Tab, TeilnehmerTyp* From, int Zielgruppe, int FromIndex,
                           int ToIndex);

} // namespace tavuran
