// The fields of the line files of entry by phone (codes and journal): TAB
// separated fields and whole numbers written as digits.
#pragma once

#include <string_view>
#include <vector>

namespace tavuran {

// The fields of a line between its TABs (one field for a line without TAB).
std::vector<std::string_view> LiveTabFelder(std::string_view Zeile);
// A whole number of 1 to 9 digits; false for anything else.
bool LiveGanzzahl(std::string_view Text, int& Wert);

} // namespace tavuran
