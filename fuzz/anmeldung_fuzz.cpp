// Feeds arbitrary bytes to the registration import as a portal download:
// read into the preview, merged into a competition that already holds
// participants, a team and scores (once with the competition's own data taken
// from the file, once without), recomputed, written and read again. Any crash,
// leak, undefined behaviour or hang is a fault of the import.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ImportPortal.h"
#include "fuzz/FuzzRunde.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace {

using namespace tavuran;

// Two participants (one at the largest number), a team, a score.
WettbewerbTyp* Vorhanden() {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    for (const int nr : {1, 2147483647}) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
        p->Name = {"", nr == 1 ? "Jürgen" : "Anna", nr == 1 ? "Müller" : "Schäfer"};
        p->StartNr = p->MeldgNr = nr;
        p->Gruppe[1] = 1;
    }
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 1;
    m->Name = "Team Süd";
    m->TeilnehmerEdvNr[1] = 1;
    w->MannschaftRootPtr = m;
    DurchgangTyp* d = DatenDurchgangGetPtr(w->DurchgangRootPtr, 1);
    DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 1, 0), 1)->WertungDurchg[1] = 300;
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ImportVorschau v = ImportTextLesen(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const bool mitWettbewerb : {false, true}) {
        WettbewerbTyp* w = mitWettbewerb ? DatenWettbewerbNew() : Vorhanden();
        if (mitWettbewerb) DatenWettbewerbDefault(w);
        ImportOptionen o;
        o.MitWettbewerb = mitWettbewerb;
        o.Heute = {10, 12, 2026};
        const ImportBericht b = ImportPortal(w, v, o);
        ImportBerichtZeilen(b);
        fuzz::NeuBerechnenSchreibenLesen(w);
    }
    return 0;
}
