// tavuran-cli fairness DATEI [--durchgaenge LISTE] [--schutz-...]: how often
// each pair of participants meets in a group over the drawn preliminary rounds,
// as a tab-separated table.
#include <optional>
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

constexpr const char* Aufruf = "fairness DATEI [--durchgaenge 1,3,5] [--schutz-helfer] [--schutz-team] [--schutz-alle] [--trotz-schaden]";

int Fairness(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> listeOpt;
    bool helfer = false, team = false, alle = false, trotzSchaden = false;
    std::vector<std::string> woerter;
    const OptionenTabelle optionen{
        {{"--schutz-helfer", &helfer}, {"--schutz-team", &team}, {"--schutz-alle", &alle},
         {"--trotz-schaden", &trotzSchaden}},
        {{"--durchgaenge", &listeOpt}}};
    if (!ArgumenteLesen(args, optionen, woerter, err)) return 2;
    if (woerter.size() != 1) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    const std::string& datei = woerter[0];
    const std::string liste = listeOpt.value_or("");
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(datei, w, err, &bericht)) return 1;
    if (!SchadenErlaubtLesen(bericht, datei, trotzSchaden, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
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
    "                       Teamschutz wie bei auslosen (zählt im Verteilscore)\n"
    "  --trotz-schaden      wertet auch eine beschädigte Datei aus (sonst\n"
    "                       Rückgabewert 1)",
    Fairness,
});

} // namespace

} // namespace tavuran::cli
