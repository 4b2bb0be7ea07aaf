#include "exchange/DurchgangImport.h"

#include <cmath>
#include <filesystem>
#include <unordered_map>
#include <system_error>

#include "core/CodePage.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_FILE.h"
#include "evaluation/Auswertung.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiFelder.h"
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

// The first line's key names a competition file.
bool IstWettbewerbsdatei(std::string_view Bytes) {
    std::string unicodeText;
    if (CnvBomTextToUtf8(Bytes, unicodeText)) Bytes = unicodeText;
    const std::string_view erste = Bytes.substr(0, Bytes.find('\n'));
    return erste.find(DateiKennung) != std::string_view::npos;
}

// Says where the stored result lines differ from the evaluation.
void AbweichungenMelden(const WettbewerbTyp* src, const DateiLeseBericht& Bericht, int Index,
                        DurchgangImportErgebnis& E) {
    std::unordered_map<int, double> gespeichert;
    for (const GespeichertesErgebnis& g : Bericht.Ergebnisse) gespeichert[g.EdvNr] = g.ExportPunkte[Index];
    int anzahl = 0;
    std::string beispiele;
    for (const TeilnehmerTyp* p = src->TeilnehmerRootPtr; p; p = p->next) {
        if (!HatName(p) || p->EdvNr <= 0) continue;
        const auto it = gespeichert.find(p->EdvNr);
        // The file keeps four decimals.
        if (it == gespeichert.end() || std::fabs(it->second - p->ExportPunkte[Index]) <= 0.0001) continue;
        if (++anzahl <= 3)
            beispiele += std::string(anzahl > 1 ? ", " : "") + "„" + CnvNameTypToNameStr(&p->Name, true) +
                         "“ gespeichert " + ErgebnisReal(it->second) + ", ausgewertet " +
                         ErgebnisReal(p->ExportPunkte[Index]);
    }
    if (anzahl == 0) return;
    E.Hinweise.push_back("Die in der Datei gespeicherten Ergebnisse von " + std::to_string(anzahl) +
                         (anzahl == 1 ? " Teilnehmer" : " Teilnehmern") +
                         " weichen von der Auswertung ihrer Wertungen ab (" + beispiele + (anzahl > 3 ? ", …" : "") +
                         "); übernommen wurden die ausgewerteten Teilwertungen.");
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
    DateiLeseBericht bericht;
    const int geladen = DatenWettbewerbLesen(src, bytes, FileName, &bericht);
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
    // Half a competition would give wrong partial ratings without anybody noticing.
    if (bericht.Verluste()) {
        E.Grund = "Die Datei " + datei + " ist beschädigt: " + LeseBerichtText(bericht) +
                  " Bitte den Wettbewerb öffnen, prüfen und speichern; dann lässt er sich importieren.";
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

    // The partial ratings come from the competition's own flights, evaluated
    // as the program evaluates them: the stored result lines may be stale
    // (a file written without recomputing) or empty.
    const int index = GetExportPunkteIndex(Wett);
    src->CalcWertung = true;
    CalcWertung(src);
    AbweichungenMelden(src, bericht, index, E);

    E.WettbewerbName = src->Name;
    DurchgangTyp* durchgang = GetDurchgangPtr(Wett, Nr);
    // New participants take the numbers after the largest ones in use, or
    // free ones below the largest Integer.
    NeueNummern edvNummern(Wett->TeilnehmerRootPtr, &TeilnehmerTyp::EdvNr),
        startNummern(Wett->TeilnehmerRootPtr, &TeilnehmerTyp::StartNr),
        meldeNummern(Wett->TeilnehmerRootPtr, &TeilnehmerTyp::MeldgNr);
    for (const TeilnehmerZuordnungTyp& z : TeilnehmerZuordnen(Wett->TeilnehmerRootPtr, src->TeilnehmerRootPtr)) {
        const TeilnehmerTyp* I = z.Quelle;
        if (z.Mehrdeutig) {
            E.Mehrdeutig.push_back(CnvNameTypToNameStr(&I->Name, true) +
                                   (I->Verein.empty() ? std::string() : " (" + I->Verein + ")"));
            continue;
        }
        TeilnehmerTyp* P = z.Ziel;
        if (!P) {
            const int edv = edvNummern.Naechste(), start = startNummern.Naechste(), meldung = meldeNummern.Naechste();
            if (edv == 0 || start == 0 || meldung == 0) {
                E.Hinweise.push_back("Für „" + CnvNameTypToNameStr(&I->Name, true) +
                                     "“ ist keine Teilnehmernummer mehr frei; er wurde nicht übernommen.");
                continue;
            }
            P = DatenTeilnehmerNew();
            DatenTeilnehmerDefault(P);
            CopyStammdaten(P, I);
            P->EdvNr = edv;
            P->StartNr = start;
            P->MeldgNr = meldung;
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
    for (const std::string& h : E.Hinweise) z.push_back(h);
    return z;
}

} // namespace tavuran
