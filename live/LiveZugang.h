// Access codes of entry by phone: one code per pilot and round, printed on the
// start sheet as a link. A code is 128 bits from the system's random source,
// written as 32 hexadecimal digits, and is bound to the competition file, the
// round and the pilot (EDV number).
//
// The codes are kept in a file beside the competition file (its name with
// ".zugang" appended), not in the competition file itself: a competition file
// is mailed and copied for distribution, and it must not carry the right to
// write scores. The file also keeps the address the links point to.
//
// File format (UTF-8, LF): the line "Tavuran Zugangscodes 1", then
//   "Adresse<TAB>http://A:N"           the base of the links (may be missing)
//   "Z<TAB>code<TAB>round<TAB>EdvNr"   one line per code
// Unknown or damaged lines are skipped when read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

inline constexpr std::string_view ZugangKennung = "Tavuran Zugangscodes 1";
inline constexpr std::size_t ZugangCodeLaenge = 32; // hexadecimal digits, 128 bits

struct ZugangEintragTyp {
    std::string Code;
    int Durchgang = 0;
    int EdvNr = 0;
};

struct ZugangListeTyp {
    std::string Basis; // "http://A:N" without the final "/"; empty: not known yet
    std::vector<ZugangEintragTyp> Codes;
};

// The file of the codes of a competition file.
std::string ZugangDateiName(const std::string& WettbewerbDatei);

// A fresh code of 128 bits from the system's random source; empty when the
// source cannot be read (then no code is handed out).
std::string ZugangCodeNeu();

// Compares two texts in a time that depends only on their lengths, so that
// a wrong code tells nothing about how much of it was right.
bool ZugangGleich(std::string_view a, std::string_view b);

// The entry whose code equals Code; every code of the list is compared, so
// the time does not tell where (or whether) it matched. Nil when none does.
const ZugangEintragTyp* ZugangFinden(const ZugangListeTyp& Liste, std::string_view Code);

// The code of a pilot in a round, or nil.
const ZugangEintragTyp* ZugangVon(const ZugangListeTyp& Liste, int Durchgang, int EdvNr);

// Gives every pilot who flies in round Durchgang a code, keeping the ones he
// has. False with a reason when the random source failed.
bool ZugangErgaenzen(const WettbewerbTyp* Wett, int Durchgang, ZugangListeTyp& Liste, std::string& Grund);

// "Zugangscodes erneuern": every code of the list is replaced by a fresh
// one, so every printed link becomes invalid.
bool ZugangErneuern(ZugangListeTyp& Liste, std::string& Grund);

// The entry link of a code: Basis + "/e/" + code.
std::string ZugangLink(const ZugangListeTyp& Liste, const ZugangEintragTyp& Eintrag);

// "http://A:N" for an address and a port (IPv6 addresses in brackets).
std::string ZugangBasis(const std::string& Adresse, int Port);

// Reads the file; a missing file is an empty list (true). False with a reason
// when the file exists but cannot be read or is not a file of codes.
bool ZugangLesen(const std::string& Datei, ZugangListeTyp& Liste, std::string& Grund);
// Replaces the file after a complete write; false with a reason.
bool ZugangSchreiben(const std::string& Datei, const ZugangListeTyp& Liste, std::string& Grund);

} // namespace tavuran
