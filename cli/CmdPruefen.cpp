// tavuran-cli pruefen DATEI|ORDNER...: the regression check of competition files.
#include <ostream>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "exchange/DateiPruefung.h"

namespace tavuran::cli {

namespace {

int Pruefen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "Aufruf: tavuran-cli pruefen DATEI|ORDNER...\n";
        return 2;
    }
    std::string grund;
    const std::vector<std::string> dateien = WettbewerbsDateienSammeln(args, grund);
    if (!grund.empty()) err << grund << "\n";
    if (dateien.empty()) {
        err << "Keine Wettbewerbsdateien gefunden.\n";
        return 1;
    }
    MeldungenAufStderr meldungen(err);
    int gleich = 0, abweichend = 0, beschaedigt = 0, unlesbar = 0;
    for (const std::string& d : dateien) {
        const DateiPruefErgebnis e = WettbewerbsDateiPruefen(d);
        switch (e.Urteil) {
        case PruefUrteil::Gleich:
            ++gleich;
            out << "gleich       " << d << " (Format " << e.FormatNr << ", " << e.Zeilen << " Zeilen)\n";
            break;
        case PruefUrteil::Abweichung:
            ++abweichend;
            out << "ABWEICHUNG   " << d << ": " << e.Grund << "\n";
            break;
        case PruefUrteil::Beschaedigt:
            ++beschaedigt;
            out << "BESCHÄDIGT   " << d << ": " << e.Grund << "\n";
            break;
        case PruefUrteil::Unlesbar:
            ++unlesbar;
            out << "UNLESBAR     " << d << ": " << e.Grund << "\n";
            break;
        }
    }
    out << dateien.size() << " Dateien geprüft: " << gleich << " gleich, " << abweichend << " abweichend, "
        << beschaedigt << " beschädigt, " << unlesbar << " nicht lesbar.\n";
    return gleich == static_cast<int>(dateien.size()) && grund.empty() ? 0 : 1;
}

const bool reg = BefehlRegistrieren({
    "pruefen",
    "pruefen DATEI|ORDNER...",
    "Regressionsprüfung von Wettbewerbsdateien: jede Datei (aus einem Ordner alle\n"
    "Dateien *.wtb) wird gelesen, in ihrem Format in eine temporäre Datei\n"
    "gespeichert, erneut gelesen und noch einmal gespeichert; die beiden\n"
    "Sicherungen werden Zeile für Zeile verglichen. Teilnehmer-, Mannschafts-,\n"
    "Wertungs- und Ergebniszeilen werden je Art ohne Rücksicht auf ihre\n"
    "Reihenfolge verglichen, denn jedes Lesen kehrt diese Listen um. Eine Zeile je\n"
    "Datei: „gleich“, „ABWEICHUNG“, „BESCHÄDIGT“ (Zeilen konnten nicht gelesen\n"
    "werden, ein Speichern verlöre sie) oder „UNLESBAR“ (keine Wettbewerbsdatei,\n"
    "nicht lesbar oder nicht unterstütztes Format), dann eine Zusammenfassung.\n"
    "Rückgabewert 1, wenn eine Datei nicht gleich bleibt oder fehlt.",
    Pruefen,
});

} // namespace
} // namespace tavuran::cli
