#include "app/Verzeichnisse.h"

#include <filesystem>
#include <system_error>

#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "platform/Ordner.h"

namespace tavuran {

namespace fs = std::filesystem;

const char* const RegistryNameStr[5] = {"WtbName", "HtmlNameErgebnis", "HtmlNameMeldung", "HtmlNameStart",
                                        "HtmlNameTeamErgebnis"};

namespace {

bool OrdnerExistiert(const std::string& ordner) {
    std::error_code ec;
    return !ordner.empty() && fs::is_directory(fs::u8path(ordner), ec);
}

// Position of the extension's dot in the file name part, npos without one.
std::size_t PunktVon(const std::string& datei) {
    auto p = datei.find_last_of("./");
    if (p == std::string::npos || datei[p] == '/') return std::string::npos;
    return p;
}

std::string OhneEndung(const std::string& datei) {
    auto p = PunktVon(datei);
    return p == std::string::npos ? datei : datei.substr(0, p);
}

std::string EndungVon(const std::string& datei) {
    auto p = PunktVon(datei);
    return p == std::string::npos ? std::string() : datei.substr(p);
}

std::string Endung(int PathFor) {
    if (PathFor == PfadWettbewerb) return ".wtb";
    if (PathFor >= PfadErgebnis && PathFor <= PfadTeamergebnis) return ".html";
    return ".txt";
}

// HTML names are written in lower case with a capital first letter. Only the
// file name is changed: the folder must keep its spelling, or it would not be
// found again on a file system that tells the cases apart.
std::string HtmlName(const std::string& datei) {
    if (datei.empty()) return datei;
    return OrdnerVon(datei) + L_STR_Downcase(NameVon(datei));
}

} // namespace

std::string OrdnerVon(const std::string& datei) {
    auto p = datei.find_last_of('/');
    return p == std::string::npos ? std::string() : datei.substr(0, p + 1);
}

std::string NameVon(const std::string& datei) {
    auto p = datei.find_last_of('/');
    return p == std::string::npos ? datei : datei.substr(p + 1);
}

std::string GetStandardPath() {
    std::string dokumente = GetDocumentsPath();
    if (dokumente.empty()) return {};
    if (!OrdnerExistiert(dokumente)) return dokumente;
    std::string ordner = dokumente + "Tavuran/";
    std::error_code ec;
    if (!OrdnerExistiert(ordner)) fs::create_directories(fs::u8path(ordner), ec);
    return OrdnerExistiert(ordner) ? ordner : dokumente;
}

std::string GetCurrentPath(const WettbewerbTyp* WettbewerbPtr, int PathFor) {
    if (!WettbewerbPtr || PathFor < 0 || PathFor > 4) return {};
    const std::string& name = WettbewerbPtr->WettbewerbFileNamen[PathFor];
    if (name.empty() || !OrdnerExistiert(OrdnerVon(name))) return {};
    return name;
}

std::string GetCompetitionPath(const WettbewerbTyp* WettbewerbPtr) {
    return WettbewerbPtr ? WettbewerbPtr->WettbewerbFileNamen[0] : std::string();
}

std::string GetMyDocumentsPath(const WettbewerbTyp* WettbewerbPtr) {
    return GetStandardPath() + GetDefaultWettbewerbsFileName(WettbewerbPtr) + ".wtb";
}

std::string GetDownloadPath() {
    std::string ordner = GetDownloadsPath();
    if (OrdnerExistiert(ordner)) return ordner;
    ordner = GetHomePath();
    return OrdnerExistiert(ordner) ? ordner : std::string();
}

std::string GetPath(WettbewerbTyp* WettbewerbPtr, int PathFor) {
    std::string ergebnis = GetCurrentPath(WettbewerbPtr, PathFor);
    if (!ergebnis.empty()) return ergebnis;

    static const char* const Nachsatz[5] = {"", "_ergebnis.html", "_meldung.html", "_startliste.html",
                                            "_teamergebnis.html"};
    if (PathFor == PfadWettbewerb) {
        ergebnis = GetCompetitionPath(WettbewerbPtr);
        if (ergebnis.empty()) ergebnis = GetMyDocumentsPath(WettbewerbPtr);
    } else if (PathFor >= PfadErgebnis && PathFor <= PfadTeamergebnis) {
        if (PathFor == PfadMeldung || PathFor == PfadStartliste)
            ergebnis = L_REGIST_GetStringValue(RegistryNameStr[PathFor], "");
        if (ergebnis.empty()) {
            std::string basis = GetPath(WettbewerbPtr, PfadWettbewerb);
            if (!basis.empty())
                ergebnis = OhneEndung(basis) + Nachsatz[PathFor];
            else
                ergebnis = std::string(Nachsatz[PathFor] + 1);
        }
        ergebnis = HtmlName(ergebnis);
    }
    if (!ergebnis.empty()) ergebnis = SetPath(WettbewerbPtr, PathFor, ergebnis);
    return ergebnis;
}

std::string PfadMitEndung(int PathFor, const std::string& Verzeichnis) {
    const std::string soll = Endung(PathFor);
    if (L_STR_Upcase(EndungVon(Verzeichnis)) != L_STR_Upcase(soll)) return OhneEndung(Verzeichnis) + soll;
    return Verzeichnis;
}

std::string SetPath(WettbewerbTyp* WettbewerbPtr, int PathFor, const std::string& Verzeichnis) {
    const std::string name = PfadMitEndung(PathFor, Verzeichnis);
    if (PathFor >= 0 && PathFor <= 4 && OrdnerExistiert(OrdnerVon(name))) {
        L_REGIST_SetStringValue(RegistryNameStr[PathFor], "", name);
        if (WettbewerbPtr) WettbewerbPtr->WettbewerbFileNamen[PathFor] = name;
    }
    return name;
}

std::string FormatFileName(const std::string& FileNameStr) {
    std::string name = NameVon(OhneEndung(FileNameStr));
    for (char& c : name)
        if (c == ' ') c = '_';
    return OrdnerVon(FileNameStr) + name + ".wtb";
}

} // namespace tavuran
