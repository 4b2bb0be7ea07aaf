// Team-protection groups of the start-order draw: a protected pilot and the
// participants who must never fly in the same group as him (his registered
// helpers who are themselves participants, or the other members of his team).
// The dialog rebuilds the current groups whenever an option changes; the draw
// and the result matrix use them.
#pragma once

#include "core/DatenTypen.h"

namespace tavuran {

struct TeamHelperType {
    TeilnehmerTyp* HelferPtr = nullptr;
    TeamHelperType* next = nullptr;
};

struct TeamGroupType {
    TeilnehmerTyp* PilotPtr = nullptr;
    int SortScore = 0;
    TeamHelperType* HelferRootPtr = nullptr;
    TeamGroupType* next = nullptr;
};

// Builds a new list of team-protection groups (caller owns it):
// TeamschutzHelfer from the registered helpers, TeamschutzMannschaft from the
// teams, for every participant when TeamschutzAlle is set, else for juniors.
TeamGroupType* ErstelleTeamGroups(WettbewerbTyp* comp, bool TeamschutzAlle, bool TeamschutzHelfer,
                                  bool TeamschutzMannschaft);
// Rebuilds the current team-protection groups.
void CreateTeamGroup(WettbewerbTyp* comp, bool TeamschutzAlle, bool TeamschutzHelfer, bool TeamschutzMannschaft);
// The current groups (nil when none).
TeamGroupType* GetTeamGroupRootPtr();
// Frees the current groups.
void FreeTeamGroups();

// The pilot's group, created at the head when missing.
TeamGroupType* GetTeamGroupPtr(TeamGroupType*& TeamGroupRootPtr, TeilnehmerTyp* Pilot);
// Adds a helper once; never the pilot himself.
void AddTeamHelfer(TeamGroupType* Gruppe, TeilnehmerTyp* Helfer);
// Recounts TeamschutzHelferAnz and orders the list from the most entangled group to the least.
void SortTeamGroups(TeamGroupType*& TeamGroupRootPtr);
// Recounts TeamschutzHelferAnz of every pilot and helper and returns the largest count (0 for none).
int CountTeamschutzMaxVerkettung(TeamGroupType* TeamGroupRootPtr);
void DoneTeamGroups(TeamGroupType*& TeamGroupRootPtr);
// Drops pilots and helpers that are no longer participants of the competition
// (removed while the dialog was open), and groups left without helpers.
void TeamGroupsBereinigen(TeamGroupType*& TeamGroupRootPtr, const WettbewerbTyp* comp);
// The same for the current groups.
void TeamGroupsBereinigen(WettbewerbTyp* comp);

} // namespace tavuran
