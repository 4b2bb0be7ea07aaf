// Participant lists (the competition's participants and the master data of
// known pilots): allocation, lookup, copy, freeing, counts and name texts.
#pragma once

#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

TeilnehmerTyp* DatenTeilnehmerNew();
void DatenTeilnehmerDefault(TeilnehmerTyp* TeilnehmerPtr);
void NameDatenDefault(NameTyp* NamePtr);
// Copies every field except TeamschutzHelferAnz, the seven links included.
void DatenTeilnehmerCopy(TeilnehmerTyp* Teilnehmer1Ptr, const TeilnehmerTyp* Teilnehmer2Ptr);
TeilnehmerTyp* DatenTeilnehmerGetPtr(TeilnehmerTyp*& TeilnehmerRootPtr, int TeilnehmerEdvNr, bool Erzeugen);
void DatenTeilnehmerDispose(TeilnehmerTyp*& TeilnehmerPtr);

// A participant who appears in the lists, the evaluation and the draw: one
// with a number and a surname. Records without a surname (made for a score
// line whose participant line is missing) stay out of all of them.
bool TeilnehmerGelistet(const TeilnehmerTyp* TeilnehmerPtr);
// How many participants of the list are listed.
int GetAnzTeilnehmerGelistet(const TeilnehmerTyp* TeilnehmerPtr);

int GetTeilnehmerAnzahl(const TeilnehmerTyp* TeilnehmerPtr);
int GetAnzTeilnehmer(const TeilnehmerTyp* TeilnehmerPtr);
int GetAnzTeilnehmerWertung(const TeilnehmerTyp* TeilnehmerPtr);
int GetAnzTeilnehmerWertungJugendlich(const TeilnehmerTyp* TeilnehmerPtr);
int GetMaxStartNr(const TeilnehmerTyp* TeilnehmerPtr);
int GetMaxMeldungsNr(const TeilnehmerTyp* TeilnehmerPtr);
int GetMaxEdvNr(const TeilnehmerTyp* TeilnehmerPtr);
int GetGruppenAnzahl(const TeilnehmerTyp* TeilnehmerPtr);
int GetJugendPlatzEdvNr(const TeilnehmerTyp* TeilnehmerPtr);
bool NamenSindGleich(const NameTyp* Name1Ptr, const NameTyp* Name2Ptr);
bool TeilnehmerIs2G4(const TeilnehmerTyp* TeilnehmerPtr);
std::string CnvNameTypToNameStr(const NameTyp* NamePtr, bool NachnameZuerst);

} // namespace tavuran
