// The standard folder of the program, the user's download folder and the file
// names proposed for the competition file and the four HTML lists.
#pragma once

#include <string>

#include "core/DatenTypen.h"

namespace tavuran {

// Kinds of file (index into WettbewerbFileNamen and RegistryNameStr).
inline constexpr int PfadWettbewerb = 0;
inline constexpr int PfadErgebnis = 1;
inline constexpr int PfadMeldung = 2;
inline constexpr int PfadStartliste = 3;
inline constexpr int PfadTeamergebnis = 4;

// Settings values that remember the last name of each kind.
extern const char* const RegistryNameStr[5];

// The user's documents folder with its subfolder "Tavuran" (created when
// missing); the documents folder itself when the subfolder cannot be made;
// empty without a documents folder. Ends with the delimiter.
std::string GetStandardPath();
// The stored name of that kind when its folder exists, else empty.
std::string GetCurrentPath(const WettbewerbTyp* WettbewerbPtr, int PathFor);
// The competition's file name; empty for nil.
std::string GetCompetitionPath(const WettbewerbTyp* WettbewerbPtr);
// Standard folder + the default file name of the competition + ".wtb".
std::string GetMyDocumentsPath(const WettbewerbTyp* WettbewerbPtr);
// The user's download folder; when the platform's has gone, the home folder.
std::string GetDownloadPath();
// The name to propose for a kind of file; a non-empty result is remembered.
std::string GetPath(WettbewerbTyp* WettbewerbPtr, int PathFor);
// The name with the kind's extension enforced, not remembered.
std::string PfadMitEndung(int PathFor, const std::string& Verzeichnis);
// The name with the kind's extension enforced; remembered when its folder exists.
std::string SetPath(WettbewerbTyp* WettbewerbPtr, int PathFor, const std::string& Verzeichnis);
// The folder of a file name with its delimiter ("" when there is none), and
// the name without its folder.
std::string OrdnerVon(const std::string& datei);
std::string NameVon(const std::string& datei);
// Folder + file name with every blank replaced by "_" + ".wtb".
std::string FormatFileName(const std::string& FileNameStr);

} // namespace tavuran
