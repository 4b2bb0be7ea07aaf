// The recently used competition files and the competition file chosen at
// start-up. Entry 1 is the most recent one, normally the open competition's file.
#pragma once

#include <string>

#include "core/Feld.h"

namespace tavuran {

inline constexpr int AnzRecentFiles = 5;

struct VerzeichnisseTyp {
    std::string WettbewerbFileName;
};

extern Feld<std::string, 1, AnzRecentFiles> RecentFiles;
extern VerzeichnisseTyp Verzeichnisse;

// Start file := WettbewerbFileName; reads the recent files from the settings;
// without a start file the most recent file becomes it when it exists.
void InitWettDir(const std::string& WettbewerbFileName);
// Reads "RecentFile1" .. "RecentFile5" (empty values are skipped).
void WettDirReadRegistry();
// Puts a file first in the list and stores the list.
void NewFileLoaded(const std::string& NewFileName);
std::string WettDirGetWettbewerbName();

} // namespace tavuran
