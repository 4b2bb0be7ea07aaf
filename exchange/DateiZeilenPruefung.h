// Whether a line of a competition file can be taken over as it stands: the
// key is known, the value has the number of fields its kind of line has, the
// fields are quoted where the format quotes them, numbers are numbers, and
// counts of rounds and groups lie in the range the program works with. A
// truncated, garbled or hand-damaged line fails here; the reader still takes
// what it can from it, but says that the line was not read completely.
#pragma once

#include <string_view>

namespace tavuran {

// Largest group size and fly-off size a file may carry.
inline constexpr int DateiMaxGruppenGroesse = 1000;

enum class ZeilenUrteil {
    Brauchbar,   // the line is fine
    Beschaedigt, // read as far as possible, but not completely
    Verworfen,   // not applied at all (an unknown key, or a count outside its range)
};

// Judges one line (key and value as split by the reader) of a file of format
// FormatNr. The header line and empty lines are not judged here. The number
// of a participant line is not judged either: the reader gives a participant
// without a valid number the next free one.
ZeilenUrteil DateiZeilePruefen(std::string_view Key, std::string_view Value, int FormatNr);

// Whether a field text is a whole number within the 32-bit range (blanks
// around it allowed), or a decimal number as the writer stores it.
bool DateiGanzzahlGueltig(std::string_view Text);
bool DateiRealGueltig(std::string_view Text);

} // namespace tavuran
