#include "app/WettDir.h"

#include <filesystem>
#include <system_error>

#include "core/L_FILE.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"

namespace tavuran {

Feld<std::string, 1, AnzRecentFiles> RecentFiles;
VerzeichnisseTyp Verzeichnisse;

namespace {

std::string WertName(int i) { return "RecentFile" + std::to_string(i); }

} // namespace

void WettDirReadRegistry() {
    int k = 1;
    for (int i = 1; i <= AnzRecentFiles; ++i) {
        std::string s = L_REGIST_GetStringValue(WertName(i), "");
        if (!s.empty()) RecentFiles[k++] = s;
    }
}

void InitWettDir(const std::string& WettbewerbFileName) {
    Verzeichnisse.WettbewerbFileName = WettbewerbFileName;
    RecentFiles.fill(std::string());
    WettDirReadRegistry();
    if (Verzeichnisse.WettbewerbFileName.empty() && L_FILE_Exist(RecentFiles[1]))
        Verzeichnisse.WettbewerbFileName = RecentFiles[1];
}

void NewFileLoaded(const std::string& NewFileName) {
    if (!NewFileName.empty()) {
        const std::string gross = L_STR_Upcase(NewFileName);
        int k = 0;
        for (int i = 1; i <= AnzRecentFiles; ++i)
            if (L_STR_Upcase(RecentFiles[i]) == gross) k = i;
        if (k != 1) {
            int bis = k == 0 ? AnzRecentFiles : k;
            for (int i = bis; i >= 2; --i) RecentFiles[i] = RecentFiles[i - 1];
            RecentFiles[1] = NewFileName;
        }
    }
    for (int i = 1; i <= AnzRecentFiles; ++i)
        if (!RecentFiles[i].empty()) L_REGIST_SetStringValue(WertName(i), "", RecentFiles[i]);
}

std::string WettDirGetWettbewerbName() { return Verzeichnisse.WettbewerbFileName; }

} // namespace tavuran
