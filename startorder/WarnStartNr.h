// The progress warning: before a function changes something that may already
// have been printed, communicated or flown (start numbers, basic parameters,
// rounds with results), it compares the competition's progress mark with its
// own progress state and asks the user. This is the warning without its window:
// whether it is due, what it shows, and the warning level after "Ok".
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

inline constexpr int WarnAufrufAuslosung = 1;
inline constexpr int WarnAufrufAufruecken = 2;
inline constexpr int WarnAufrufParameter = 3;
inline constexpr int WarnAufrufDurchgangEntfernen = 4;

enum class WarnOption { Skip, SkipLevel, Show }; // "nicht mehr", "erst nach Fortschritt", "weiterhin"

struct WarnStartNrZustand {
    int CalledBy = 0;
    int CurProgState = 0;
    int DurchgangGeaendertMaske = 0;
    WarnOption Option = WarnOption::Show;
};
WarnStartNrZustand& WarnStartNr();

// CurProgState := NewState; true when the warning is due: Status >= CriticalState and Status > Warnstufe.
bool FormCheckShow(WettbewerbTyp* WettbewerbPtr, int NewState, int CriticalState);
void SetCallingFkt(int CallFkt);

struct WarnZeile {
    int Top = 0;
    std::string Text;
};
struct WarnStartNrInhalt {
    bool Rot = false; // red background and white text (Status >= 70), else white and black
    int Links = 8;                 // left edge of every line
    std::vector<WarnZeile> Zeilen;
    std::string OkText;
    std::string AbbruchText;
    std::string Titel = "WARNUNG";
};
// What the warning shows for the competition when asked by a function of
// progress state CurProgState (stores the rounds-with-results mask when it lists them).
WarnStartNrInhalt WarnStartNrTexte(WettbewerbTyp* comp, int CurProgState);
// "Ok": sets the warning level by the chosen option; marks modified when it changed.
void UpdateWarningLevel(WettbewerbTyp* comp, int CurProgState, WarnOption Option);

} // namespace tavuran
