// Reading the rule catalogue: the temporary list of copies, the two lookups of
// a rule by name, the transfer of a rule's defaults into a competition, and the
// small services the score grid and the printed lists draw from a rule.
#pragma once

#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

// Puts a fresh copy of every catalogue rule in front of the list: afterwards
// the head is the last catalogue rule and the first one is at the end.
void RegelListToHeap(RegelTyp*& RegelRootPtr);
// Frees every record of the list; the head becomes nil.
void RegelListFromHeap(RegelTyp*& RegelRootPtr);

// Lookup of a rule name stored in a competition file. Always stores a new
// record into RootPtr (a record held there before is not freed). Unknown names
// are reported through UiMeldung and give a record that carries the name read
// and EdvNr -1. DatumPtr is the competition date (nil: year 0).
void DatenRegelLoad(RegelTyp*& RootPtr, const std::string& RegelnameStr, const DateRec* DatumPtr);
// The catalogue number (1..87) the lookup above chooses for a stored name,
// 0 when it knows none; says nothing.
int RegelNrZuGespeichertemNamen(const std::string& RegelnameStr, const DateRec* DatumPtr);

// What the parameters dialog does when the rule selection changes to RegelPtr:
// proposes the group start for rules that leave it to the user and takes over
// a switchable permanent-zero setting.
void RegelAuswahlAnwenden(WettbewerbTyp* WettPtr, const RegelTyp* RegelPtr);

// Lookup of a foreign rule name (a class name from a registration import)
// among the active rules; on success the rule is copied into the competition,
// applied as on a change of selection and its defaults transferred. Returns
// false and changes nothing when no rule matches or WettPtr is nil. Heute is
// today's date for the year bonus; nil takes the system date.
bool ReplaceRuleByName(WettbewerbTyp* WettPtr, const std::string& RuleNameStr,
                       const DateRec* Heute = nullptr);

// Transfers the rule's parameter defaults, group start, round numbers and
// judge count into the competition.
void DatenRegelToWettbewerb(WettbewerbTyp* WettPtr, const RegelTyp* RegelPtr);

// Label of a score column: 1..16 judge columns, 17..22 flight columns 1..6.
std::string GetRegelBezeichnerStr(const RegelTyp* RegelPtr, int DurchgangIndex);
// 1: number of judge columns, 2: number of flight columns, otherwise 0.
int GetRegelParameterAnzahl(const RegelTyp* RegelPtr, int ParameterArt);

// The list kind of a start-list copy: 1..6 give themselves, anything else 0.
int GetListTyp(int VerteilerArt);
// The measurement-column line of a fixed-width list: heading kinds 0..6,
// separator kinds 16..22, participant-line kinds 32..38.
std::string GetListStr(int MaxBreite, int ListenStrTyp, int AnzahlDurchgaenge, const RegelTyp* RegelPtr);

} // namespace tavuran
