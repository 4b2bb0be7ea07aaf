#include "exchange/Pfade.h"

#include "core/L_FILE.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {
std::string& StandardPfad() {
    static std::string pfad;
    return pfad;
}
} // namespace

void SetStandardPfad(const std::string& Ordner) {
    const std::string o = L_STR_Unblank(Ordner);
    StandardPfad() = o.empty() ? std::string() : L_FILE_GetFullPath(o);
}

const std::string& GetStandardPfad() { return StandardPfad(); }

std::string ShrinkPath(const std::string& CurrentPath) {
    const std::string& ordner = StandardPfad();
    if (ordner.empty()) return CurrentPath;
    // Upper-casing touches ASCII letters only, so byte positions stay the same.
    const std::size_t p = L_STR_Upcase(CurrentPath).find(L_STR_Upcase(ordner));
    if (p == std::string::npos) return CurrentPath;
    return CurrentPath.substr(0, p) + std::string(StdPathToken) + CurrentPath.substr(p + ordner.size());
}

std::string ExpandPath(const std::string& CurrentPath) {
    // Without a standard folder the token stays, so that the stored name is
    // written back unchanged.
    if (StandardPfad().empty()) return CurrentPath;
    const std::size_t p = CurrentPath.find(StdPathToken);
    if (p == std::string::npos) return CurrentPath;
    return CurrentPath.substr(0, p) + StandardPfad() + CurrentPath.substr(p + StdPathToken.size());
}

} // namespace tavuran
