// tavuran-cli gruppen DATEI: the division of the preliminary rounds, one line
// per participant in start-number order.
#include <algorithm>
#include <climits>
#include <ostream>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "startorder/Kanal.h"

namespace tavuran::cli {

namespace {

int Gruppen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> woerter;
    bool trotzSchaden = false;
    if (!ArgumenteLesen(args, {{{"--trotz-schaden", &trotzSchaden}}, {}}, woerter, err)) return 2;
    if (woerter.size() != 1) {
        err << "Aufruf: tavuran-cli gruppen DATEI [--trotz-schaden]\n";
        return 2;
    }
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(woerter[0], w, err, &bericht)) return 1;
    if (!SchadenErlaubtLesen(bericht, woerter[0], trotzSchaden, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }

    const int runden = std::clamp(w->AnzVorrunden, 0, MaxDurchgaenge);
    // Usable participants (surname and registration) in file order, then by
    // start number; participants without a start number come last.
    std::vector<TeilnehmerTyp*> liste;
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next)
        if (TeilnehmerGelistet(t)) liste.push_back(t);
    std::reverse(liste.begin(), liste.end());
    std::stable_sort(liste.begin(), liste.end(), [](const TeilnehmerTyp* a, const TeilnehmerTyp* b) {
        const int x = a->StartNr > 0 ? a->StartNr : INT_MAX;
        const int y = b->StartNr > 0 ? b->StartNr : INT_MAX;
        return x < y;
    });

    out << "EdvNr\tStartNr\tName\tKanal";
    for (int r = 1; r <= runden; ++r) out << "\tG" << r << "\tP" << r;
    out << "\n";
    for (const TeilnehmerTyp* t : liste) {
        out << t->EdvNr << "\t" << t->StartNr << "\t" << CnvNameTypToNameStr(&t->Name, true) << "\t"
            << KanalAnzeigeStr(GetKanalTeilnehmer(*t));
        for (int r = 1; r <= runden; ++r) out << "\t" << t->Gruppe[r] << "\t" << t->Startplatz[r];
        out << "\n";
    }
    DatenWettbewerbDispose(w);
    return 0;
}

const bool reg = BefehlRegistrieren({
    "gruppen",
    "gruppen DATEI [--trotz-schaden]",
    "Zeigt die Einteilung der Vorrunden: je Teilnehmer in Startnummernfolge eine\n"
    "Zeile mit EdvNr, Startnummer, Name, Kanal und Gruppe (G) und Startplatz (P)\n"
    "jeder Vorrunde, durch Tabulatoren getrennt. Eine beschädigte Datei (siehe info)\n"
    "wird abgelehnt (Rückgabewert 1), außer mit --trotz-schaden.",
    Gruppen,
});

} // namespace

} // namespace tavuran::cli
