// tavuran-cli ergebnis DATEI [--durchgang N | --teams]: evaluates a
// competition file and prints the result as tab-separated text.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "evaluation/Auswertung.h"
#include "startorder/WettbewerbNeuBerechnen.h"
#include "evaluation/Sortierung.h"
#include "exchange/DateiFelder.h"

namespace tavuran::cli {

namespace {

// Reals as the result lines of the competition file write them: "." and at
// most four decimals, without trailing zeros.
std::string Zahl(double x) { return ErgebnisReal(x); }
std::string Schalter(bool b) { return b ? "1" : "0"; }

template <class... Spalten>
void Zeile(std::ostream& out, const std::string& Erste, const Spalten&... Weitere) {
    out << Erste;
    ((out << '\t' << Weitere), ...);
    out << '\n';
}

void Teilnehmerliste(WettbewerbTyp* w, std::ostream& out) {
    Zeile(out, "EdvNr", "StartNr", "Name", "Jugendlich", "Punkte", "StreicherPunkte", "PlatzNr", "PlatzNrJugend",
          "PunkteEndrunde", "PunkteEndrundeJugend", "PlatzNrFlyOff", "PlatzNrFlyOffJugend", "ExportPunkte0",
          "ExportPunkte1", "PunkteTeamWertung", "PlatzTeamWertung", "PlatzTeilnTeamWertung");
    InfoTeilnehmerTyp info;
    for (TeilnehmerTyp* t = GetFirstTeilnehmer(w, SortPlatz, info); t; t = GetNextTeilnehmer(info)) {
        Zeile(out, StrInt(t->EdvNr), StrInt(t->StartNr), CnvNameTypToNameStr(&t->Name, true),
              std::string(t->Jugendlich ? "j" : "e"), Zahl(t->Punkte), Zahl(t->StreicherPunkte), StrInt(t->PlatzNr),
              StrInt(t->PlatzNrJugend), Zahl(t->PunkteEndrunde), Zahl(t->PunkteEndrundeJugend),
              StrInt(t->PlatzNrFlyOff), StrInt(t->PlatzNrFlyOffJugend), Zahl(t->ExportPunkte[0]),
              Zahl(t->ExportPunkte[1]), Zahl(t->PunkteTeamWertung), StrInt(t->PlatzTeamWertung),
              StrInt(t->PlatzTeilnTeamWertung));
    }
}

// The entries of one round whose participant exists with a surname, by group,
// reflight order and EdvNr.
bool Durchgangsliste(WettbewerbTyp* w, int Nr, std::ostream& out, std::ostream& err) {
    DurchgangTyp* d = nullptr;
    for (DurchgangTyp* p = w->DurchgangRootPtr; p && !d; p = p->next)
        if (p->Nr == Nr) d = p;
    if (!d) {
        err << "Den Durchgang " << Nr << " gibt es in diesem Wettbewerb nicht.\n";
        return false;
    }
    struct Eintrag {
        const GruppeTyp* g;
        const WertungTyp* w;
    };
    std::vector<Eintrag> liste;
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next)
        for (const WertungTyp* e = g->WertungPtr; e; e = e->next) {
            const TeilnehmerTyp* t = GetTeilnehmerEdvNr(w, e->EdvNr);
            if (t && !t->Name.NachnameStr.empty()) liste.push_back({g, e});
        }
    std::stable_sort(liste.begin(), liste.end(), [](const Eintrag& a, const Eintrag& b) {
        if (a.g->Nr != b.g->Nr) return a.g->Nr < b.g->Nr;
        if (a.g->ReflyOrder != b.g->ReflyOrder) return a.g->ReflyOrder < b.g->ReflyOrder;
        return a.w->EdvNr < b.w->EdvNr;
    });
    Zeile(out, "EdvNr", "Gruppe", "ReflyOrder", "Verursacher", "RohPunkte", "Punkte", "ErgebnisPunkte",
          "KannStreicherSein", "Strafpunkte");
    for (const Eintrag& e : liste)
        Zeile(out, StrInt(e.w->EdvNr), StrInt(e.g->Nr), StrInt(e.g->ReflyOrder), Schalter(e.w->ReflyVerursacher),
              Zahl(e.w->RohPunkte), Zahl(e.w->Punkte), Zahl(e.w->ErgebnisPunkte), Schalter(e.w->KannStreicherSein),
              StrInt(e.w->Strafpunkte));
    return true;
}

// The teams by place (teams without a place last), then by number.
void Teamliste(WettbewerbTyp* w, std::ostream& out) {
    std::vector<const MannschaftTyp*> teams;
    for (const MannschaftTyp* m = w->MannschaftRootPtr; m; m = m->next)
        if (m->Nr > 0) teams.push_back(m);
    std::stable_sort(teams.begin(), teams.end(), [](const MannschaftTyp* a, const MannschaftTyp* b) {
        const bool pa = a->Platz > 0;
        const bool pb = b->Platz > 0;
        if (pa != pb) return pa;
        if (a->Platz != b->Platz) return a->Platz < b->Platz;
        return a->Nr < b->Nr;
    });
    Zeile(out, "Nr", "Name", "Punkte", "Platz");
    for (const MannschaftTyp* m : teams) Zeile(out, StrInt(m->Nr), m->Name, Zahl(m->Punkte), StrInt(m->Platz));
}

constexpr const char* Aufruf = "ergebnis DATEI [--durchgang N | --teams] [--trotz-schaden]";

int Ergebnis(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string datei;
    int durchgang = 0;
    std::string durchgangText; // as typed, for the messages
    bool teams = false, trotzSchaden = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--durchgang") {
            if (i + 1 >= args.size()) {
                err << "Nach --durchgang fehlt die Nummer des Durchgangs.\n";
                return 2;
            }
            durchgangText = args[++i];
            const std::string nr = L_STR_Unblank(durchgangText);
            const std::size_t erste = nr.find_first_not_of('0');
            // More than nine digits (leading zeros aside) lie beyond every round.
            const bool lang = erste != std::string::npos && nr.size() - erste > 9;
            durchgang = lang ? MaxDurchgaenge + 1 : L_STR_CnvStrToInteger(nr);
            if (nr.empty() || nr.find_first_not_of("0123456789") != std::string::npos || durchgang < 1) {
                err << "Ungültige Nummer des Durchgangs: „" << args[i] << "“.\n";
                return 2;
            }
        } else if (a == "--teams") {
            teams = true;
        } else if (a == "--trotz-schaden") {
            trotzSchaden = true;
        } else if (a.rfind("--", 0) == 0 || !datei.empty()) {
            err << "Unbekanntes Argument: „" << a << "“\nAufruf: tavuran-cli " << Aufruf << "\n";
            return 2;
        } else {
            datei = a;
        }
    }
    if (datei.empty()) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    if (teams && durchgang > 0) {
        err << "--durchgang und --teams können nicht zusammen angegeben werden.\n";
        return 2;
    }

    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(datei, w, err, &bericht)) return 1;
    if (!SchadenErlaubtLesen(bericht, datei, trotzSchaden, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    WettbewerbModellNeuBerechnen(w, true);

    if (durchgang > w->AnzDurchgaenge) {
        err << "Ungültige Nummer des Durchgangs: „" << durchgangText << "“. Der Wettbewerb hat die Durchgänge 1 bis "
            << w->AnzDurchgaenge << ".\n";
        DatenWettbewerbDispose(w);
        return 2;
    }
    int rc = 0;
    if (durchgang > 0)
        rc = Durchgangsliste(w, durchgang, out, err) ? 0 : 1;
    else if (teams)
        Teamliste(w, out);
    else
        Teilnehmerliste(w, out);
    DatenWettbewerbDispose(w);
    return rc;
}

const bool reg = BefehlRegistrieren({
    "ergebnis",
    Aufruf,
    "Wertet eine Wettbewerbsdatei (.wtb) vollständig aus und gibt das Ergebnis\n"
    "als tabulatorgetrennten Text aus: eine Kopfzeile, dann je Teilnehmer eine\n"
    "Zeile in der Reihenfolge der Plätze (Punkte, Streicher, Plätze, Fly-Off,\n"
    "Exportpunkte, Teamwertung). Zahlen mit Punkt und höchstens vier Nachkommastellen.\n"
    "--durchgang N  die Wertungen des Durchgangs N nach der Auswertung (Gruppe,\n"
    "               Refly, Roh-, Promille- und Ergebnispunkte, Streichbarkeit, Strafpunkte)\n"
    "--teams        die Mannschaften mit Punkten und Platz\n"
    "--trotz-schaden  wertet auch eine beschädigte Datei aus (siehe info; sonst\n"
    "               Rückgabewert 1)\n"
    "Die Datei wird nicht verändert. Rückgabewert 1, wenn die Datei nicht gelesen\n"
    "werden kann oder zum Durchgang keine Wertungen enthält, 2 bei falschem Aufruf\n"
    "(auch bei einem Durchgang außerhalb der Durchgänge des Wettbewerbs).",
    Ergebnis,
});

} // namespace
} // namespace tavuran::cli
