// File names stored in a competition file are kept independent of the user's
// machine: a path below the program's standard folder is stored with the
// token "<<STDPATH>>" in place of that folder and expanded again on reading.
// The standard folder itself is supplied from outside: the program sets the
// user's documents folder with its subfolder "Tavuran", tests a folder of their own.
#pragma once

#include <string>
#include <string_view>

namespace tavuran {

inline constexpr std::string_view StdPathToken = "<<STDPATH>>";

// Sets the standard folder (a delimiter is appended when missing; an empty
// text means there is none, and paths are then stored unchanged).
void SetStandardPfad(const std::string& Ordner);
// The standard folder with trailing delimiter, or empty.
const std::string& GetStandardPfad();

// The path with the standard folder (found without regard to ASCII case)
// replaced by the token; unchanged when the folder does not occur in it.
std::string ShrinkPath(const std::string& CurrentPath);
// The path with the token replaced by the standard folder; unchanged without
// token, and unchanged while no standard folder is set.
std::string ExpandPath(const std::string& CurrentPath);

} // namespace tavuran
