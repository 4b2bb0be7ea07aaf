// The entry links of a round for the start sheets and "tavuran-cli zugang":
// the pilots who fly in the round, by start number, with their links.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "live/LiveZugang.h"
#include "reports/Startzettel.h"

namespace tavuran {

struct LiveZugangZeileTyp {
    int StartNr = 0;
    int EdvNr = 0;
    std::string Name; // surname first
    std::string Link;
};

// Every pilot of round Durchgang who has a code, by start number.
std::vector<LiveZugangZeileTyp> LiveZugangZeilen(const WettbewerbTyp* Wett, int Durchgang, const ZugangListeTyp& Liste);

// Puts the entry links into the start sheets: every sheet whose pilot and
// round have a code gets its link (and so a QR code when drawn).
void ZettelZugangEintragen(std::vector<ZettelSeiteTyp>& Seiten, const ZugangListeTyp& Liste);

// The codes of the competition file for its start sheets: when entry by
// phone is in use (the file of codes exists and knows its address), the
// rounds of the sheets get their missing codes, the file is saved, and the
// sheets their links. Nothing happens otherwise. False with a reason when
// the file of codes cannot be read or written.
bool ZettelZugangVorbereiten(const WettbewerbTyp* Wett, const std::string& WettbewerbDatei,
                             std::vector<ZettelSeiteTyp>& Seiten, std::string& Grund);

} // namespace tavuran
