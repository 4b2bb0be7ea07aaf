// Adding and removing rounds: a round is added at the end of one of the three
// blocks (preliminary rounds, senior fly-off, junior fly-off) or the last
// suitable round of a block is removed; the rounds behind it are renumbered so
// that the blocks stay consecutive, and the counts follow.
//
// Every routine that changes the rounds marks the competition modified and
// evaluates it; the main window then recomputes and re-lays out its grids and
// its round menu when the result is true.
#pragma once

#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

// Block codes.
inline constexpr int BlockVorrunde = -1;
inline constexpr int BlockSeniorenFlyOff = -2;
inline constexpr int BlockJugendFlyOff = -3;

// Rounds beyond this number can be neither named nor shown; no round is added beyond it.
inline constexpr int MaxDurchgaengeEinfuegen = MaxAnzeigeDurchgaenge;

// The message when a round cannot be added.
inline const std::string MeldungZuVieleDurchgaenge =
    "Es können höchstens 18 Durchgänge angelegt werden. Der Durchgang wurde nicht hinzugefügt.";
inline const std::string MeldungDurchgangUngueltig =
    "Der Durchgang wurde nicht hinzugefügt: die Anzahl der Durchgänge des Wettbewerbs ist ungültig.";

// The round chosen for removal while the user is asked whether to go on; nil otherwise.
extern DurchgangTyp* EntferneDurchgangPtr;

// The block of round number Nr under the competition's counts (-1, -2, -3), 0 for none.
int DurchgangBlock(const WettbewerbTyp* Wett, int Nr);

// Inserts a round: a block code inserts at the end of that block, a positive
// number at that number (into its block). Rounds from that number on move up
// by one; the counts grow. Refused with a message (false) when the
// competition would get more than 18 rounds or a round would lie outside the
// rounds the program can hold.
bool EinfuegeDurchgaenge(WettbewerbTyp* Wett, int DurchgangNr);
// Removes round DurchgangNr with its groups and entries; the rounds behind
// move down by one and the counts shrink. False when there is no such round.
bool EntferneDurchgaenge(WettbewerbTyp* Wett, int DurchgangNr);

// Removes the last suitable round of a block: the highest-numbered round not
// yet flown at once; when every round of the block has been flown, the
// highest-numbered one, after asking the start-number warning when it is due
// (the competition has reached results entered beyond the acknowledged warning
// level). False when nothing was removed.
bool DurchgangEntfernen(WettbewerbTyp* Wett, int Block);
// What removing a round of a block needs.
enum class EntfernenWahl {
    Keiner,  // the block holds no round: nothing to remove
    Sofort,  // remove the chosen round at once
    Warnung, // every round of the block was flown: the start-number warning is due first
};
// Chooses the round to remove from a block and puts it into
// EntferneDurchgangPtr (nil for Keiner): the highest-numbered round not yet
// flown, else the highest-numbered round, which needs the warning when the
// competition has reached results entered beyond the acknowledged warning level.
EntfernenWahl DurchgangZumEntfernenWaehlen(WettbewerbTyp* Wett, int Block);
// Removes the round in EntferneDurchgangPtr; when it was the current round,
// the round before it becomes current (round 1 stays current). False when no
// round is chosen.
bool ExecPipedAction(WettbewerbTyp* Wett);

// The menu commands "Vorrunde hinzufügen", "Senioren Fly-Off hinzufügen",
// "Jugend Fly-Off hinzufügen", "Vorrunde entfernen", "Senioren Fly-Off
// entfernen", "Jugend Fly-Off entfernen".
bool VorrundeHinzufuegen(WettbewerbTyp* Wett);
bool SenFlyOffHinzufuegen(WettbewerbTyp* Wett);
bool JugFlyOffHinzufuegen(WettbewerbTyp* Wett);
bool VorrundeEntfernen(WettbewerbTyp* Wett);
bool SenFlyOffEntfernen(WettbewerbTyp* Wett);
bool JugFlyOffEntfernen(WettbewerbTyp* Wett);

// The text of the start-number warning before a flown round is removed, for
// the competition's progress mark.
std::string WarnungDurchgangEntfernenText(const WettbewerbTyp* Wett);

} // namespace tavuran
