// Participant lists (the competition's participants and the master data of
// known pilots): allocation, lookup, copy, freeing, counts and name texts.
#pragma once

#include <string>
#include <vector>

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

// Hands out the numbers of new participants for one number field (EdvNr,
// StartNr or MeldgNr): the next after the largest number of a record with a
// surname, as GetMax… + 1 gives. Numbers never pass the largest Integer: once
// they would, the smallest numbers from 1 up that no record of the list (nor
// Belegt) holds are taken. 0 when no number is free any more.
class NeueNummern {
  public:
    NeueNummern(const TeilnehmerTyp* Root, int TeilnehmerTyp::*Feld, std::vector<int> Belegt = {});
    int Naechste();

  private:
    const TeilnehmerTyp* root_;
    int TeilnehmerTyp::*feld_;
    std::vector<int> belegt_; // the numbers in use, sorted; filled once the limit is reached
    bool lueckenSuche_ = false;
    int letzte_;       // the number handed out last (the largest at the start)
    int grenze_;       // numbers below the gap search stay below the largest at the start
    std::size_t pos_ = 0;
};
int GetJugendPlatzEdvNr(const TeilnehmerTyp* TeilnehmerPtr);
bool NamenSindGleich(const NameTyp* Name1Ptr, const NameTyp* Name2Ptr);
bool TeilnehmerIs2G4(const TeilnehmerTyp* TeilnehmerPtr);
std::string CnvNameTypToNameStr(const NameTyp* NamePtr, bool NachnameZuerst);

} // namespace tavuran
