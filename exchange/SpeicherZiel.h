// What a window checks before it saves a competition over a file: whether
// the file there is its own as it read or last wrote it, its own changed by
// another program since, another file the user did not pick, a file that
// another window holds, or no regular file at all.
#pragma once

#include <string>
#include <vector>

#include "exchange/DateiSperre.h"
#include "exchange/DateiZugriff.h"

namespace tavuran {

enum class SpeicherZielUrteil {
    Frei,        // nothing there yet
    Eigen,       // the window's own file, unchanged since it read or wrote it
    Gewaehlt,    // another file the user picked in a file dialog just now
    Geaendert,   // the own file, changed by another program since
    Fremd,       // another existing file the user did not pick
    Gesperrt,    // another file that another window (or program) holds open
    Sonderdatei, // no regular file: never replaced
};

struct SpeicherZielPruefung {
    SpeicherZielUrteil Urteil = SpeicherZielUrteil::Frei;
    std::string Text;                  // the question or the refusal (German)
    std::vector<std::string> Knoepfe;  // the answers offered for Geaendert and Fremd, the last one cancels
};

// The answers of Geaendert and Fremd, in order.
inline constexpr int AntwortErsetzen = 0;
inline constexpr int AntwortAndererName = 1;
inline constexpr int AntwortAbbrechen = 2;

// Ziel the file to be written; EigeneDatei and EigenerStand the file the
// window read or last wrote and what it held then (EigeneDatei empty for a
// competition never saved); Gewaehlt the name the user picked in a file
// dialog for this save (empty when none).
SpeicherZielPruefung SpeicherZielPruefen(const std::string& Ziel, const std::string& EigeneDatei,
                                         const DateiStand& EigenerStand, const std::string& Gewaehlt);

// The answers offered when a save cannot keep the previous version.
inline constexpr const char* KnopfOhneSicherung = "Ohne Sicherungskopie speichern";

} // namespace tavuran
