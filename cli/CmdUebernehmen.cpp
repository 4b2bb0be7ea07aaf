// tavuran-cli uebernehmen DATEI QUELLE.wtb NR: the partial ratings of another
// competition taken over as round NR of an overall ranking.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DurchgangImport.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf = "uebernehmen DATEI QUELLE.wtb NR [--aus AUSGABE] [--trotz-schaden] [--trotz-sperre]";

int Uebernehmen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> werte;
    std::optional<std::string> ausgabeOpt;
    bool trotzSchaden = false, trotzSperre = false;
    if (!ArgumenteLesen(args, {{{"--trotz-schaden", &trotzSchaden}, {"--trotz-sperre", &trotzSperre}}, {{"--aus", &ausgabeOpt}}},
                        werte, err))
        return 2;
    const std::string ausgabe = ausgabeOpt.value_or("");
    if (werte.size() != 3) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    const std::string& nrText = werte[2];
    if (nrText.empty() || nrText.size() > 3 || nrText.find_first_not_of("0123456789") != std::string::npos) {
        err << "Der Durchgang NR muss eine Zahl sein, nicht „" << nrText << "“.\n";
        return 2;
    }
    const int nr = std::stoi(nrText);
    const std::string ziel = ausgabe.empty() ? werte[0] : ausgabe;

    // Without --aus the import itself refuses a source that is DATEI.
    if (!ausgabe.empty() && !AusgabeErlaubt(ziel, {werte[1]}, err)) return 1;

    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(werte[0], w, err, &bericht)) return 1;
    if (!SchadenErlaubtSchreiben(bericht, werte[0], ziel, trotzSchaden, err) || !SperreErlaubt(ziel, trotzSperre, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(w, werte[1], nr);
    if (!e.Ok) {
        err << "Nichts importiert. " << e.Grund << "\n";
        DatenWettbewerbDispose(w);
        return 1;
    }
    for (const std::string& z : DurchgangImportZeilen(e, nr)) out << z << "\n";
    WettbewerbModellNeuBerechnen(w, true);
    return WettbewerbSpeichernUndFreigeben(w, ziel, out, err);
}

const bool reg = BefehlRegistrieren({
    "uebernehmen",
    Aufruf,
    "Übernimmt die Teilwertungen des Wettbewerbs QUELLE.wtb als Durchgang NR der\n"
    "Gesamtwertung DATEI, wie „Durchgang aus WTB-Datei importieren“ im Programm:\n"
    "jeder Pilot der Quelle bekommt seine Teilwertung als Wert des Durchgangs,\n"
    "Piloten, die noch fehlen, werden angelegt. Gespeichert wird über DATEI (die\n"
    "alte Datei bleibt als .bak) oder mit --aus unter AUSGABE (nie über QUELLE).\n"
    "Eine beschädigte DATEI (siehe info) wird nur mit --trotz-schaden überschrieben,\n"
    "eine, die ein Fenster geöffnet hat, nur mit --trotz-sperre.\n"
    "Rückgabewert 1 mit Begründung, wenn DATEI keine Gesamtwertung ist, den\n"
    "Durchgang nicht hat, QUELLE die eigene Datei ist, nicht gelesen werden kann,\n"
    "keine Wettbewerbsdatei ist oder keine Ergebnisse enthält (Dateien der Formate\n"
    "1 und 2 enthalten keine).",
    Uebernehmen,
});

} // namespace

} // namespace tavuran::cli
