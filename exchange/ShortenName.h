// Shortening of club, association and person names for lists and imports:
// the long German words of club names become their usual abbreviations, and a
// text too long for its column is cut to a given number of characters.
#pragma once

#include <string>
#include <string_view>

#include "core/DatenTypen.h"

namespace tavuran {

// The club-name abbreviations ("Modellflugclub" gives "MFC", "e.V." goes),
// each applied as written and in capitals; blanks trimmed at both ends.
std::string ShortName(std::string_view Text);

// Trims blanks; a text longer than 12 characters gets single blanks between its
// words ("-" and "_" count as blanks) and words longer than 4 characters
// written with a capital first letter and the rest small; a text still longer
// than MaxLen keeps its first MaxLen - 1 characters, trimmed, followed by ".".
// Lengths count characters, never bytes.
std::string CutString(std::string_view Text, int MaxLen);

// A person's name for a list column (22 characters).
std::string CutTeilnNameStr(const NameTyp& Name, bool NachnameZuerst);
// A club name for a list column: abbreviated, then cut to 20 characters.
std::string CutVereinNameStr(std::string_view Text);

} // namespace tavuran
