// Feeds arbitrary bytes to the round import as the competition file of a
// sub-competition: the bytes are written to a file of this process, imported
// as round 2 of an overall ranking that already holds a participant at the
// largest number, recomputed, written and read again. Any crash, leak,
// undefined behaviour or hang is a fault of the import or the evaluation.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/DurchgangImport.h"
#include "rules/RegelLookup.h"
#include "fuzz/FuzzRunde.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavuran;
    static const std::string datei = "/tmp/tavuran_durchgang_import_fuzz_" + std::to_string(getpid()) + ".wtb";
    if (std::FILE* f = std::fopen(datei.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Gesamtwertung";
    ReplaceRuleByName(w, "Gesamtwertung");
    w->AnzVorrunden = 4;
    w->AnzDurchgaenge = 4;
    TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 2147483647, true);
    p->Name = {"", "Eva", "Beispiel"};
    p->StartNr = p->MeldgNr = 2147483647;
    const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(w, datei, 2);
    DurchgangImportZeilen(e, 2);
    fuzz::NeuBerechnenSchreibenLesen(w);
    return 0;
}
