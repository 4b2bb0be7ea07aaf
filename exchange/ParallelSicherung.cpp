#include "exchange/ParallelSicherung.h"

#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "exchange/DateiZugriff.h"

namespace tavuran {

namespace {

bool IstTrenner(char c) {
    return c == '/' || c == '\\';
}

// A name from the root ("/…", "\…") or with a drive ("C:…") does not depend on the current folder.
bool IstAbsolut(std::string_view t) {
    return (!t.empty() && IstTrenner(t[0])) || (t.size() >= 2 && t[1] == ':');
}

// The part after the last delimiter.
std::string_view NamensTeil(std::string_view t) {
    const std::size_t p = t.find_last_of("/\\");
    return p == std::string_view::npos ? t : t.substr(p + 1);
}

} // namespace

ParallelDateiErgebnis ParallelDateiName(std::string_view Eingabe, bool ParallelAn,
                                        std::string_view BasisOrdner, std::string_view WettbewerbDatei) {
    ParallelDateiErgebnis e;
    std::string t = L_STR_Unblank(Eingabe);
    const std::string_view name = NamensTeil(t);
    if (name == "." || name == ".." || L_STR_Unblank(L_FILE_GetFileName(t)).empty()) {
        if (ParallelAn) {
            e.Fehler = t.empty() ? "Für das parallele Speichern ist kein Dateiname angegeben."
                                 : "„" + t + "“ enthält keinen Dateinamen für das parallele Speichern.";
            e.Fehler += " Bitte einen Dateinamen angeben oder das parallele Speichern ausschalten.";
            return e;
        }
        e.Ok = true;
        return e;
    }
    if (!IstAbsolut(t) && !L_STR_Unblank(BasisOrdner).empty()) t = L_FILE_GetFullPath(BasisOrdner) + t;
    e.Name = L_FILE_GetFilePath(t) + L_FILE_GetFileName(t) + ".wtb";
    if (ParallelAn && !WettbewerbDatei.empty() && DateienGleich(e.Name, std::string(WettbewerbDatei))) {
        e.Fehler = "Die parallele Sicherung „" + e.Name +
                   "“ ist die Wettbewerbsdatei selbst. Bitte einen anderen Ort oder Namen angeben.";
        e.Name.clear();
        return e;
    }
    e.Ok = true;
    return e;
}

} // namespace tavuran
