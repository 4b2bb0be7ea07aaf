// tavuran-cli umwandeln EIN AUS [--format 1|2|3]: a competition file saved
// again, in its own or another format.
#include <ostream>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace tavuran::cli {

namespace {

int Umwandeln(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> dateien;
    int format = 0;
    bool trotzSchaden = false, trotzSperre = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--trotz-schaden") {
            trotzSchaden = true;
        } else if (args[i] == "--trotz-sperre") {
            trotzSperre = true;
        } else if (args[i].size() > 1 && args[i][0] == '-' && args[i] != "--format") {
            err << "Unbekannte Option: " << args[i] << "\n";
            return 2;
        } else if (args[i] == "--format") {
            if (i + 1 >= args.size() || (args[i + 1] != "1" && args[i + 1] != "2" && args[i + 1] != "3")) {
                err << "Nach --format muss 1, 2 oder 3 folgen.\n";
                return 2;
            }
            format = args[++i][0] - '0';
        } else {
            dateien.push_back(args[i]);
        }
    }
    if (dateien.size() != 2) {
        err << "Aufruf: tavuran-cli umwandeln EIN AUS [--format 1|2|3] [--trotz-schaden] [--trotz-sperre]\n";
        return 2;
    }
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(dateien[0], w, err, &bericht)) return 1;
    if (!SchadenErlaubtSchreiben(bericht, dateien[0], dateien[1], trotzSchaden, err) ||
        !SperreErlaubt(dateien[1], trotzSperre, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    if (format == 0) format = w->FileFormatNr;
    const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w, dateien[1], format, false);
    DatenWettbewerbDispose(w);
    if (!erg.Ok) {
        err << "Die Datei „" << dateien[1] << "“ konnte nicht geschrieben werden. " << erg.Grund << "\n";
        return 1;
    }
    if (erg.ZeichenErsetzt)
        err << "Hinweis: Einige Zeichen lassen sich im Dateiformat nicht darstellen und wurden als „?“ gespeichert.\n";
    for (const std::string& h : erg.Hinweise) err << "Hinweis: " << h << "\n";
    out << "Gespeichert: " << dateien[1] << " (Format " << format << ")\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "umwandeln",
    "umwandeln EIN AUS [--format 1|2|3] [--trotz-schaden] [--trotz-sperre]",
    "Liest die Wettbewerbsdatei EIN und speichert sie als AUS, ohne --format im\n"
    "Format, in dem EIN gelesen wurde, sonst im angegebenen Format (3 ist das\n"
    "aktuelle, 2 und 1 sind ältere). Eine schon vorhandene Datei AUS bleibt als\n"
    ".bak erhalten; eine Parallelkopie wird nicht geschrieben. AUS darf EIN sein,\n"
    "wenn EIN vollständig gelesen werden kann; eine beschädigte Datei (siehe info)\n"
    "wird nur mit --trotz-schaden über sich selbst gespeichert. Eine Datei, die ein\n"
    "Fenster geöffnet hat, wird nur mit --trotz-sperre geschrieben. Rückgabewert 1,\n"
    "wenn EIN nicht gelesen oder AUS nicht geschrieben werden kann oder abgelehnt wird.",
    Umwandeln,
});

} // namespace
} // namespace tavuran::cli
