// The master data: a list of known pilots that belongs to the user, not to a
// competition. It is held in the current competition's record, loaded from the
// user's settings (or from the built-in records), merged with the participants
// of the competitions the user works with, and written back to the settings.
#pragma once

#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

// Synchronisation modes (user setting "StatusStammdaten").
inline constexpr int StammAbgleichNie = 0;          // built-in records, never stored
inline constexpr int StammAbgleichNicht = 1;        // stored list, stored back unchanged
inline constexpr int StammAbgleichManuell = 2;      // stored list, merged by the user
inline constexpr int StammAbgleichAutomatisch = 3;  // stored list, every closed competition merged

// The most pilots read from or cleaned up in the store: a damaged count
// cannot keep the program busy.
inline constexpr int MaxStammdaten = 20000;

// True while the list in memory is the built-in list.
bool DatenStammRom(const WettbewerbTyp* Wett);

// The stored mode; 0 when missing or outside 0 .. 3.
int DatenStammAbgleichReadRegistry();
void DatenStammAbgleichWriteRegistry(int Mode);
// The store holds at least one pilot.
bool DatenStammInRegistry();

// The value name of the pilot with that index: "StammDaten\Data0000", ...
std::string GetValueStr(int Index);

// Loads the stored list (A) or the built-in list (B), sorted most recent
// participation first, and marks the pilots taking part in the competition.
void DatenStammReadRegistry(WettbewerbTyp* Wett);
void DatenStammLoadRom(WettbewerbTyp* Wett);
// Loads the list the stored mode asks for; returns that mode.
int DatenStammLaden(WettbewerbTyp* Wett);
// Stores the list (C): with mode 3 the competition's participants are merged
// first. Values of a longer list stored before are deleted.
void DatenStammWriteRegistry(WettbewerbTyp* Wett, int Mode);

// Merges one participant (D): a pilot of the same name takes his data when
// the competition is not older than his last participation; a new name is
// added. Nothing without surname or first name.
void DatenStammFuegeEin(WettbewerbTyp* Wett, const TeilnehmerTyp* Teilnehmer);
// Merges every participant of the competition.
void DatenStammAbgleichen(WettbewerbTyp* Wett);
// Copies the master-data fields (no numbers, groups or results).
void CopyStammdaten(TeilnehmerTyp* Ziel, const TeilnehmerTyp* Quelle);
// Sets TeilnehmerAusStammDat of every pilot (E).
void MarkTeilnehmerInStammDaten(WettbewerbTyp* Wett);
// Removes one pilot from the list and frees him; false when he is not in it.
bool DatenStammLoeschen(WettbewerbTyp* Wett, const TeilnehmerTyp* Pilot);
// The pilot is still in the list (a window may hold a pointer from an earlier filling).
bool DatenStammEnthaelt(const WettbewerbTyp* Wett, const TeilnehmerTyp* Pilot);

} // namespace tavuran
