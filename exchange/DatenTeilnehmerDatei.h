// Participant lines of the competition file (and, in their master-data
// variant, the stored known pilots) and the result lines.
#pragma once

#include <string>
#include <string_view>

#include "core/DatenTypen.h"

namespace tavuran {

// Variants of a participant line.
inline constexpr int TeilnehmerModusWettbewerb = 0; // competition file, key TEILNEHMER
inline constexpr int TeilnehmerModusStammdaten = 1; // master data, no key, no numbers

// Reads one participant line (the value after the key, or the whole line of
// the master data) into a new record put at the head of the list; returns it.
TeilnehmerTyp* DatenTeilnehmerParse(TeilnehmerTyp*& TeilnehmerRootPtr, std::string_view TeilnDatenStr, int FormatNr,
                                    int Modus);

// The line of one participant (with key in the competition variant); "-" when
// the participant is not written (no surname, or EdvNr <= 0 in a competition
// file); empty for nil.
std::string MakeTeilnehmerZeile(const TeilnehmerTyp* TeilnehmerPtr, int FormatNr, int Modus);

// Line generator over a participant list: the n-th call after
// InitTeilnehmerDaten gives the line of the n-th record, then an empty text.
void InitTeilnehmerDaten();
std::string GetNextTeilnehmerDaten(const TeilnehmerTyp* TeilnehmerPtr, int FormatNr, int Modus);

// The result line of a participant (format 3); empty when it is not written.
std::string GetTeilnehmerErgebnisDaten(const TeilnehmerTyp* p);
// Takes the ten values after the participant number of a result line.
void SetTeilnehmerErgebnisDaten(TeilnehmerTyp* p, std::string_view Rest);

} // namespace tavuran
