// Undo and redo of the changes made to a competition: a list of steps, each
// a snapshot of the whole competition before the step, named as the menu
// shows it ("Wertung Müller Hans, 2. Vorrunde"). A snapshot is the competition
// file's text (Unicode, so that no character is lost), taken without the view
// state (current round, sort orders, window positions), so that looking at
// the competition is no step. The list also knows which state was saved last,
// so that undoing back to it clears the modified mark.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// Steps kept; older ones are dropped.
inline constexpr std::size_t MaxRueckgaengigSchritte = 200;

// A snapshot kept in blocks of lines; a block equal to the one at the same
// place of the state before is shared, so that a step costs about what it
// changed, not the whole competition again.
using RueckgaengigStand = std::vector<std::shared_ptr<const std::string>>;

struct RueckgaengigSchritt {
    std::string Name;        // what the step did
    RueckgaengigStand Stand; // the snapshot on the other side of the step
    long long Nr = 0;        // the number of that state
};

struct RueckgaengigListe {
    std::vector<RueckgaengigSchritt> Zurueck; // undo, the latest last
    std::vector<RueckgaengigSchritt> Vor;     // redo, the next last
    RueckgaengigStand Stand;                 // snapshot of the current state
    long long StandNr = 0;                   // its number
    long long GespeichertNr = -1;            // the number of the saved state (-1: none)
    long long NaechsteNr = 1;
};

// The snapshot of a competition as text.
std::string RueckgaengigSchnappschuss(WettbewerbTyp* Wett);
// The bytes the list keeps (blocks shared between states counted once).
std::size_t RueckgaengigSpeicher(const RueckgaengigListe& Liste);

// Starts the list afresh for a competition just opened or created; Gespeichert
// when it is what its file holds.
void RueckgaengigBeginnen(RueckgaengigListe& Liste, WettbewerbTyp* Wett, bool Gespeichert);

// Records a step named Name when the competition differs from the current
// state; the redo steps are dropped then. True when a step was recorded.
bool RueckgaengigMerken(RueckgaengigListe& Liste, WettbewerbTyp* Wett, const std::string& Name);

// The competition was saved: its state is the saved one.
void RueckgaengigGespeichert(RueckgaengigListe& Liste, WettbewerbTyp* Wett);

// The current state taken anew without a step (after a restored state was
// recomputed, which may fill in what the snapshot did not hold).
void RueckgaengigStandErneuern(RueckgaengigListe& Liste, WettbewerbTyp* Wett);

// Names of the next undo and redo step (empty when there is none).
std::string RueckgaengigName(const RueckgaengigListe& Liste);
std::string WiederherstellenName(const RueckgaengigListe& Liste);

// Goes one step back or forward: the snapshot of the state to restore, or
// false when there is no step.
bool Rueckgaengig(RueckgaengigListe& Liste, std::string& Stand);
bool Wiederherstellen(RueckgaengigListe& Liste, std::string& Stand);

// Whether the current state is the one saved last.
bool RueckgaengigAmGespeichertenStand(const RueckgaengigListe& Liste);

// Reads a snapshot into a new competition (the caller owns it); the view
// state, master data and file names are taken over from Bisher, which is
// left as it is. Nil when the snapshot cannot be read.
WettbewerbTyp* RueckgaengigWiederherstellen(const std::string& Stand, WettbewerbTyp* Bisher);

} // namespace tavuran
