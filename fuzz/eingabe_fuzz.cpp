// Feeds arbitrary text to the reader of typed values, under a few rules and
// every value column of each (and the penalty column), then as a whole row
// through the routine the score grid and the command line store rows with.
// Any crash, leak, undefined behaviour or broken promise of the reader is a
// fault: an accepted text has no message and a finite value whose display
// reads back to the same display; a refused one has a message of valid UTF-8
// without control characters.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/Utf8.h"
#include "evaluation/WertungEingabe.h"
#include "rules/RegelLookup.h"

namespace {

using namespace tavuran;

// A competition under a catalogue rule, kept for the whole run.
struct Regel {
    WettbewerbTyp* W = nullptr;
    WertSpaltenTyp Spalten;
    explicit Regel(const char* Name) : W(DatenWettbewerbNew()) {
        DatenWettbewerbDefault(W);
        W->Datum = {1, 6, 2025};
        DatenRegelLoad(W->RegelPtr, Name, &W->Datum);
        DatenRegelToWettbewerb(W, W->RegelPtr);
        Spalten = GetWertSpalten(W);
    }
    ~Regel() { DatenWettbewerbDispose(W); }
    Regel(const Regel&) = delete;
    Regel& operator=(const Regel&) = delete;
};

const Regel& RegelNr(unsigned Nr) {
    static const Regel regeln[] = {Regel("F5J (B-Mod 2025)"), Regel("F3J (B-Mod 2025)"), Regel("F3B-A (B-Mod 2025)"),
                                   Regel("F3B-J (B-Mod 2025)"), Regel("F3L (B-Mod 2025)"), Regel("F3-RES (B-Mod 2025)")};
    return regeln[Nr % (sizeof regeln / sizeof regeln[0])];
}

bool MeldungSauber(const std::string& m) {
    std::size_t i = 0;
    while (i < m.size()) {
        char32_t cp;
        i += Utf8Decode(m, i, cp);
        if (cp >= Utf8Ungueltig || cp < 0x20 || cp == 0x7F) return false;
    }
    return true;
}

void Pruefen(const WettbewerbTyp* w, int runde, const std::string& kopf, std::string_view text) {
    const EingabeErgebnis e = EingabeLesen(w, runde, kopf, text);
    if (e.Angenommen() != e.Meldung.empty() || !std::isfinite(e.Wert)) __builtin_trap();
    if (!e.Angenommen()) {
        if (!MeldungSauber(e.Meldung)) __builtin_trap();
        return;
    }
    if (kopf == StrafpunkteKopf) return;
    const std::string gezeigt = DispAllWertung(const_cast<WettbewerbTyp*>(w), e.Wert, kopf);
    // A number wider than its column is shown as "#######": nothing to read back.
    if (gezeigt.find('#') != std::string::npos) return;
    const EingabeErgebnis wieder = EingabeLesen(w, runde, kopf, gezeigt);
    if (!wieder.Angenommen() || DispAllWertung(const_cast<WettbewerbTyp*>(w), wieder.Wert, kopf) != gezeigt)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const Regel& r = RegelNr(data[0]);
    const int runde = 1 + data[1] % 8;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    for (const std::string& kopf : r.Spalten.Koepfe) Pruefen(r.W, runde, kopf, text);
    Pruefen(r.W, runde, std::string(StrafpunkteKopf), text);

    // The text split at tabs as the cells of one row of the score grid.
    std::vector<WertZelleTyp> zellen;
    std::size_t a = 0;
    while (zellen.size() < static_cast<std::size_t>(r.Spalten.Anzahl())) {
        const std::size_t b = text.find('\t', a);
        zellen.push_back({std::string(text.substr(a, b == std::string_view::npos ? text.size() - a : b - a)), "", ""});
        if (b == std::string_view::npos) break;
        a = b + 1;
    }
    WertungTyp e;
    WertungZeileUebernehmen(r.W, runde, &e, r.Spalten, zellen);
    return 0;
}
