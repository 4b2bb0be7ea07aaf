// Feeds arbitrary bytes to the competition-file reader, then writes what was
// read in all three formats and reads each result again. Any crash, leak,
// undefined behaviour or hang is a fault of the reader or writer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavuran;
    WettbewerbTyp* w = nullptr;
    DatenWettbewerbLesen(w, std::string_view(reinterpret_cast<const char*>(data), size), "");
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
