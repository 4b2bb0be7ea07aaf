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
    int gleich = 0;
    for (const std::string& d : dateien) {
        const DateiPruefErgebnis e = WettbewerbsDateiPruefen(d);
        if (e.Ok) {
            ++gleich;
            out << "gleich       " << d << " (Format " << e.FormatNr << ", " << e.Zeilen << " Zeilen)\n";
        } else {
            out << "ABWEICHUNG   " << d << ": " << e.Grund << "\n";
        }
    }
    const int fehler = static_cast<int>(dateien.size()) - gleich;
    out << dateien.size() << " Dateien geprüft: " << gleich << " gleich, " << fehler
        << " abweichend oder nicht lesbar.\n";
    return fehler == 0 && grund.empty() ? 0 : 1;
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
    "Datei und eine Zusammenfassung; Rückgabewert 1, wenn eine Datei abweicht,\n"
    "nicht gelesen werden kann oder fehlt.",
    Pruefen,
});

} // namespace
} // namespace tavuran::cli
