// Team scoring: the members' preliminary totals turned into one team score by
// the mode in WettbewerbTyp::TeamwertungStatus, the members that counted
// marked, and teams and individual participants ranked in one common list.
#pragma once

#include <array>
#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

// The modes (values of TeamwertungStatus); any other value scores like keine.
inline constexpr int TeamwertungKeine = 0;
inline constexpr int TeamwertungErsteZwei = 1;
inline constexpr int TeamwertungErsteDrei = 2;
inline constexpr int TeamwertungBesteZwei = 3;
inline constexpr int TeamwertungBesteDrei = 4;
inline constexpr int TeamwertungMittelwert = 5;
inline constexpr int TeamwertungMittelwertBesteDrei = 6;
inline constexpr int AnzTeamwertungModi = 7;

// The option texts of the dialog "Teamwertung konfigurieren", by mode.
extern const std::array<std::string, AnzTeamwertungModi> TeamwertungCaption;

// Team scores, the marks of the members that counted, the participants' team
// scores, positions and places, and the teams' places. Nil does nothing.
// A member slot whose number names no participant contributes nothing and is
// not counted among the first slots (modes 1, 2) nor in the divisor (mode 5).
void CalcWertungTeam(WettbewerbTyp* Wett);
// Running positions (PlatzTeilnTeamWertung) and places (PlatzTeamWertung) in
// the team list alone. Nil does nothing.
void CalcPlatzTeam(WettbewerbTyp* Wett);

// The option the dialog checks for the competition's mode: the mode itself,
// keine for any unknown value or nil.
int TeamwertungAuswahl(const WettbewerbTyp* Wett);
// The dialog's "&Ok": when the mode differs from the stored one it is stored,
// the competition is evaluated again and marked modified, and the result is
// true (the main window then recomputes and shows or hides the team tab);
// an unchanged mode changes nothing and gives false.
bool TeamwertungStatusAendern(WettbewerbTyp* Wett, int NeuerStatus);

} // namespace tavuran
