// tavuran-cli fairness DATEI [--durchgaenge LISTE] [--schutz-...]: how often
// each pair of participants meets in a group over the drawn preliminary rounds,
// as a tab-separated table.
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "core/MinMax.h"
#include "startorder/StartreihenfolgeFairness.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf = "fairness DATEI [--durchgaenge 1,3,5] [--schutz-helfer] [--schutz-team] [--schutz-alle]";

int Fairness(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string datei, liste;
    bool helfer = false, team = false, alle = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--durchgaenge") {
            if (i + 1 >= args.size()) {
                err << "Nach --durchgaenge fehlt ein Wert.\n";
                return 2;
            }
            liste = args[++i];
        } else if (a == "--schutz-helfer") {
            helfer = true;
        } else if (a == "--schutz-team") {
            team = true;
        } else if (a == "--schutz-alle") {
            alle = true;
        } else if (!a.empty() && a[0] == '-') {
            err << "Unbekannte Option: " << a << "\n";
            return 2;
        } else if (datei.empty()) {
            datei = a;
        } else {
            err << "Aufruf: tavuran-cli " << Aufruf << "\n";
            return 2;
        }
    }
    if (datei.empty()) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    if (!WettbewerbLaden(datei, w, err)) return 1;
    std::vector<int> runden;
    if (!liste.empty() && !VorrundenListeLesen(liste, LimitLowHighInt(w->AnzVorrunden, 0, MaxDurchgaenge), runden, err)) {
        DatenWettbewerbDispose(w);
        return 2;
    }
    TeamGroupType* schutz = (helfer || team) ? ErstelleTeamGroups(w, alle, helfer, team) : nullptr;
    const FairnessKennzahlen k = BerechneFairness(w, runden, schutz);
    DoneTeamGroups(schutz);
    DatenWettbewerbDispose(w);
    for (const std::string& z : FairnessTabelle(k)) out << z << "\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "fairness",
    Aufruf,
    "Zeigt, wie gerecht die Gruppen der Vorrunden eingeteilt sind, als Tabelle\n"
    "mit Tabulatoren: Verteilscore der Auslosung (je Begegnung eines Paares die\n"
    "vierte Potenz der Begegnungszahl, dazu Kanal- und Teamschutzgewichte),\n"
    "seine Untergrenze (alle Begegnungen, die die Gruppen enthalten, so\n"
    "gleichmäßig wie möglich auf alle Paare verteilt; keine Einteilung kann\n"
    "darunter liegen), die größte Begegnungszahl eines Paares, die Zahl der\n"
    "Paare je Begegnungszahl und die mittlere absolute Abweichung der\n"
    "Begegnungen von ihrem Mittelwert.\n"
    "  --durchgaenge LISTE  nur diese Vorrunden (sonst alle)\n"
    "  --schutz-helfer, --schutz-team, --schutz-alle\n"
    "                       Teamschutz wie bei auslosen (zählt im Verteilscore)",
    Fairness,
});

} // namespace

} // namespace tavuran::cli
