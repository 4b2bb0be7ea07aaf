#include "exchange/DurchgangImport.h"

#include <filesystem>
#include <system_error>

#include "core/CodePage.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_FILE.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenStamm.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/TeilnehmerZuordnung.h"

namespace tavuran {

namespace {

constexpr int RegelGesamtwertung = 8; // evaluation algorithm of overall rankings

bool HatName(const TeilnehmerTyp* p) { return !p->Name.NachnameStr.empty(); }

std::string Absolut(const std::string& Datei) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(L_FILE_Pfad(Datei), ec);
    return ec ? Datei : L_FILE_PfadText(p.lexically_normal());
}

// Reads the ERGEBNIS lines of a format-3 file into the participants of src.
// Returns how many lines there were.
int ErgebnisseLesen(WettbewerbTyp* src, std::string_view Bytes) {
    std::string unicodeText;
    const bool unicode = CnvBomTextToUtf8(Bytes, unicodeText);
    std::string_view text = unicode ? std::string_view(unicodeText) : Bytes;
    std::string puffer;
    int anzahl = 0;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view roh = text.substr(0, ende);
        text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
        if (!roh.empty() && roh.back() == '\r') roh.remove_suffix(1);
        const std::string_view zeile = unicode ? roh : ZeileAusDatei(roh, 3, puffer);
        const ZeilenTeile t = ZeileZerlegen(zeile);
        if (t.Key != "ERGEBNIS") continue;
        ++anzahl;
        std::string_view rest = t.Value;
        const int n = DateiInteger(SpalteErstenWertAusZeileAb(rest));
        if (n <= 0) continue;
        for (TeilnehmerTyp* p = src->TeilnehmerRootPtr; p; p = p->next)
            if (p->EdvNr == n) SetTeilnehmerErgebnisDaten(p, rest);
    }
    return anzahl;
}

// The first line's key names a competition file.
bool IstWettbewerbsdatei(std::string_view Bytes) {
    std::string unicodeText;
    if (CnvBomTextToUtf8(Bytes, unicodeText)) Bytes = unicodeText;
    const std::string_view erste = Bytes.substr(0, Bytes.find('\n'));
    return erste.find(DateiKennung) != std::string_view::npos;
}

} // namespace

DurchgangImportErgebnis DatenWettbewerbImportDurchgang(WettbewerbTyp* Wett, const std::string& FileName, int Nr) {
    DurchgangImportErgebnis E;
    const std::string datei = "„" + FileName + "“";
    if (!Wett) {
        E.Grund = "Es ist kein Wettbewerb geöffnet.";
        return E;
    }
    if (!Wett->RegelPtr || Wett->RegelPtr->EdvNr != RegelGesamtwertung) {
        E.Grund = "Ein Durchgang lässt sich nur in eine Gesamtwertung importieren; der Wettbewerb hat die Regel „" +
                  (Wett->RegelPtr ? Wett->RegelPtr->Name : std::string("keine")) + "“.";
        return E;
    }
    const int anzahl = std::min(Wett->AnzDurchgaenge, MaxAnzeigeDurchgaenge);
    if (Nr < 1 || Nr > anzahl) {
        E.Grund = "Den Durchgang " + std::to_string(Nr) + " gibt es im Wettbewerb nicht" +
                  (anzahl >= 1 ? " (Durchgänge 1 bis " + std::to_string(anzahl) + ")." : ".");
        return E;
    }
    if (!Wett->WettbewerbFileNamen[0].empty() && DateienGleich(FileName, Wett->WettbewerbFileNamen[0])) {
        E.Grund = "Die Datei " + datei + " ist die Datei dieses Wettbewerbs selbst.";
        return E;
    }
    std::string bytes, grund;
    if (!DateiLesen(FileName, bytes, grund)) {
        E.Grund = "Die Datei " + datei + " kann nicht gelesen werden. " + grund;
        return E;
    }
    if (!IstWettbewerbsdatei(bytes)) {
        E.Grund = "Die Datei " + datei + " ist keine Wettbewerbsdatei.";
        return E;
    }
    WettbewerbTyp* src = nullptr;
    const int geladen = DatenWettbewerbLesen(src, bytes, FileName);
    if (geladen != LadenOk) {
        DatenWettbewerbDispose(src);
        E.Grund = "Die Datei " + datei + " hat ein unbekanntes Dateiformat.";
        return E;
    }
    if (src->FileFormatNr < 3) {
        E.Grund = "Die Datei " + datei + " ist im älteren Format " + std::to_string(src->FileFormatNr) +
                  " gespeichert, das keine Ergebnisse enthält. Bitte den Wettbewerb öffnen und im aktuellen "
                  "Format speichern; dann lässt er sich importieren.";
        DatenWettbewerbDispose(src);
        return E;
    }
    bool teilnehmer = false;
    for (const TeilnehmerTyp* p = src->TeilnehmerRootPtr; p; p = p->next)
        if (HatName(p) && p->EdvNr > 0) teilnehmer = true;
    if (!teilnehmer) {
        DatenWettbewerbDispose(src);
        E.Grund = "Die Datei " + datei + " enthält keine Teilnehmer.";
        return E;
    }
    if (ErgebnisseLesen(src, bytes) == 0) {
        DatenWettbewerbDispose(src);
        E.Grund = "Die Datei " + datei + " enthält keine Ergebnisse.";
        return E;
    }

    E.WettbewerbName = src->Name;
    const int index = GetExportPunkteIndex(Wett);
    DurchgangTyp* durchgang = GetDurchgangPtr(Wett, Nr);
    // New participants take the numbers after the largest ones in use; only
    // this loop adds participants, so the largest are counted on here.
    int maxEdv = GetMaxEdvNr(Wett->TeilnehmerRootPtr), maxStart = GetMaxStartNr(Wett->TeilnehmerRootPtr),
        maxMeldung = GetMaxMeldungsNr(Wett->TeilnehmerRootPtr);
    for (const TeilnehmerZuordnungTyp& z : TeilnehmerZuordnen(Wett->TeilnehmerRootPtr, src->TeilnehmerRootPtr)) {
        const TeilnehmerTyp* I = z.Quelle;
        if (z.Mehrdeutig) {
            E.Mehrdeutig.push_back(CnvNameTypToNameStr(&I->Name, true) +
                                   (I->Verein.empty() ? std::string() : " (" + I->Verein + ")"));
            continue;
        }
        TeilnehmerTyp* P = z.Ziel;
        if (!P) {
            P = DatenTeilnehmerNew();
            DatenTeilnehmerDefault(P);
            CopyStammdaten(P, I);
            P->EdvNr = ++maxEdv;
            P->StartNr = ++maxStart;
            P->MeldgNr = ++maxMeldung;
            P->Gruppe[Nr] = 0;
            P->next = Wett->TeilnehmerRootPtr;
            Wett->TeilnehmerRootPtr = P;
            E.Neu.push_back(CnvNameTypToNameStr(&P->Name, true));
        }
        WertungTyp* w = GetWertungPtr(Wett, durchgang, P->EdvNr);
        if (!w) continue;
        w->WertungDurchg[1] = I->ExportPunkte[index];
        ++E.Werte;
    }
    // The round's column is titled with the sub-competition's name on every
    // list, unless the user named the round already.
    if (Nr >= 1 && Nr <= MaxAnzeigeDurchgaenge && L_STR_Unblank(Wett->DurchgangAlias[Nr]).empty())
        Wett->DurchgangAlias[Nr] = L_STR_Unblank(src->Name);
    DatenWettbewerbDispose(src);

    Wett->WettbewerbImportFileName[Nr] = Absolut(FileName);
    SetWettbewerbModified(Wett);
    SortAll(Wett);
    E.Ok = true;
    return E;
}

std::vector<std::string> DurchgangImportZeilen(const DurchgangImportErgebnis& E, int Nr) {
    std::vector<std::string> z;
    if (!E.Ok) {
        z.push_back("Nichts importiert. " + E.Grund);
        return z;
    }
    z.push_back("Durchgang " + std::to_string(Nr) + ": " + std::to_string(E.Werte) + " Teilwertungen aus „" +
                E.WettbewerbName + "“ übernommen, " + std::to_string(E.Neu.size()) + " Teilnehmer neu angelegt.");
    for (const std::string& n : E.Neu) z.push_back("  neu: " + n);
    if (!E.Mehrdeutig.empty())
        z.push_back(std::to_string(E.Mehrdeutig.size()) +
                    " Teilwertungen nicht übernommen: der Name kommt mehrfach vor, und weder Verein noch "
                    "Geburtsdatum entscheiden, wer gemeint ist. Bitte von Hand eintragen.");
    for (const std::string& n : E.Mehrdeutig) z.push_back("  nicht zugeordnet: " + n);
    return z;
}

} // namespace tavuran
