// tavuran-cli csv DATEI AUS.csv [Optionen]: writes the result list of a
// competition file as a CSV table for a spreadsheet, with the same routines as
// the program. The competition file is not changed.
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "exchange/CsvExport.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf =
    "csv DATEI AUS.csv [--nur-jugend] [--ohne-land] [--ohne-bundesland] [--bezirk] [--ohne-rohpunkte] "
    "[--ohne-teilwertung] [--leitung] [--punktrichter] [--wettbewerbsdaten] [--windows-1252] [--trotz-schaden]";

int Csv(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CsvOptionen o;
    bool windows1252 = false;
    bool trotzSchaden = false;
    const struct {
        const char* Name;
        bool* Ziel;
        bool Wert;
    } schalter[] = {
        {"--nur-jugend", &o.NurJugend, true},       {"--ohne-land", &o.Nation, false},
        {"--ohne-bundesland", &o.Bundesland, false}, {"--bezirk", &o.Bezirk, true},
        {"--ohne-rohpunkte", &o.Rohpunkte, false},   {"--ohne-teilwertung", &o.Teilwertung, false},
        {"--leitung", &o.Leitung, true},             {"--punktrichter", &o.Punktrichter, true},
        {"--wettbewerbsdaten", &o.Wettbewerbsdaten, true}, {"--windows-1252", &windows1252, true},
        {"--trotz-schaden", &trotzSchaden, true},
    };
    std::vector<std::string> frei;
    for (const std::string& a : args) {
        if (a.rfind("--", 0) != 0) {
            frei.push_back(a);
            continue;
        }
        bool bekannt = false;
        for (const auto& s : schalter)
            if (a == s.Name) {
                *s.Ziel = s.Wert;
                bekannt = true;
            }
        if (!bekannt) {
            err << "Unbekanntes Argument: „" << a << "“\nAufruf: tavuran-cli " << Aufruf << "\n";
            return 2;
        }
    }
    if (frei.size() != 2) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    if (!AusgabeErlaubt(frei[1], {frei[0]}, err)) return 1;
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(frei[0], w, err, &bericht)) return 1;
    if (!SchadenErlaubtLesen(bericht, frei[0], trotzSchaden, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    WettbewerbModellNeuBerechnen(w, true);
    const CsvTabelle tabelle = ErgebnisExcelPreview(w, o);
    DatenWettbewerbDispose(w);
    std::string grund;
    bool ersetzt = false;
    if (!ErgebnisExcelExport(frei[1], tabelle, grund, ersetzt,
                             windows1252 ? CsvZeichensatz::Windows1252 : CsvZeichensatz::Utf8)) {
        err << "Die CSV-Datei „" << frei[1] << "“ konnte nicht geschrieben werden: " << grund << "\n";
        return 1;
    }
    if (ersetzt)
        err << "Hinweis: Einige Zeichen lassen sich in der CSV-Datei nicht darstellen und wurden als „?“ "
               "geschrieben.\n";
    out << "CSV-Datei geschrieben: " << frei[1] << "\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "csv",
    Aufruf,
    "Schreibt die Ergebnisliste als CSV-Datei für eine Tabellenkalkulation\n"
    "(Semikolon, Dezimalkomma, UTF-8 mit Byte-Order-Mark), wie der Dialog\n"
    "„Wettbewerbsergebnis als CSV-Exceldatei exportieren“:\n"
    "--nur-jugend        nur jugendliche Teilnehmer, Jugendplatz statt Platz\n"
    "--ohne-land         ohne Spalte Land\n"
    "--ohne-bundesland   ohne Spalte Bundesland\n"
    "--bezirk            mit Spalte Bezirk\n"
    "--ohne-rohpunkte    ohne Spalten der Rohpunkte\n"
    "--ohne-teilwertung  ohne Spalte Teilwertung\n"
    "--leitung           mit Organisations- und Wettbewerbsleiter\n"
    "--punktrichter      mit den Punktrichtern\n"
    "--wettbewerbsdaten  mit Name, Datum und Regel des Wettbewerbs\n"
    "--windows-1252      im Zeichensatz Windows-1252 für ältere Programme\n"
    "--trotz-schaden     auch aus einer beschädigten Datei (siehe info)\n"
    "Die Wettbewerbsdatei wird nicht verändert (AUS.csv darf nicht sie sein).\n"
    "Rückgabewert 1, wenn eine Datei nicht gelesen oder geschrieben werden kann oder\n"
    "DATEI beschädigt ist, 2 bei falschem Aufruf.",
    Csv,
});

} // namespace
} // namespace tavuran::cli
