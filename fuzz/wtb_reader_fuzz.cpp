// Feeds arbitrary bytes to the competition-file reader, recomputes what was
// read (channel check and evaluation, as after opening a file in the program),
// then writes it in all three formats and reads each result again. Any crash,
// leak, undefined behaviour or hang is a fault of the reader, the evaluation or
// the writer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "startorder/WettbewerbNeuBerechnen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavuran;
    WettbewerbTyp* w = nullptr;
    DatenWettbewerbLesen(w, std::string_view(reinterpret_cast<const char*>(data), size), "");
    WettbewerbModellNeuBerechnen(w, true);
    SortAll(w);
    for (int format = 1; format <= 3; ++format) {
        bool ersetzt = false;
        const std::string text = DatenWettbewerbText(w, format, ersetzt);
        WettbewerbTyp* wieder = nullptr;
        DatenWettbewerbLesen(wieder, text, "");
        DatenWettbewerbDispose(wieder);
    }
    DatenWettbewerbDispose(w);
    return 0;
}
