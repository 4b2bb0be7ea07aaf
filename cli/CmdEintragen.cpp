// tavuran-cli eintragen DATEI ...: enters the values of one flight as the score
// grid does, for scripts and timing devices. The values are typed as in the
// grid's cells, in the order of the rule's value columns; what the grid would
// show unchanged is left as it is. Then the competition is recomputed and saved.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "evaluation/EingabePlausibel.h"
#include "evaluation/Sortierung.h"
#include "evaluation/WertungEingabe.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf =
    "eintragen DATEI --durchgang N (--startnr S | --edvnr E) [--reflight] [--aus AUSGABE] [--trotz-schaden] "
    "[--trotz-sperre] WERT...\n"
    "  eintragen DATEI --spalten [--durchgang N]";

// A whole number of digits, at most 9 of them.
bool Zahl(const std::string& s, int& wert) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    wert = std::stoi(s);
    return true;
}

struct Auftrag {
    std::string Datei, Ausgabe;
    int Durchgang = 0; // 0: not given
    int StartNr = -1, EdvNr = -1;
    bool Refly = false, Spalten = false, TrotzSchaden = false, TrotzSperre = false;
    std::vector<std::string> Werte;
};

// Reads the arguments; returns 0 or the exit code of a wrong call.
int ArgumenteLesen(const std::vector<std::string>& args, Auftrag& a, std::ostream& err) {
    bool nurWerte = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        auto zahl = [&](const char* name, int& ziel) {
            if (i + 1 >= args.size() || !Zahl(args[i + 1], ziel)) {
                err << "Nach " << name << " muss eine ganze Zahl ab 0 folgen";
                if (i + 1 < args.size()) err << ", nicht „" << args[i + 1] << "“";
                err << ".\n";
                return false;
            }
            ++i;
            return true;
        };
        if (nurWerte) {
            a.Werte.push_back(s);
        } else if (s == "--") {
            nurWerte = true;
        } else if (s == "--durchgang") {
            if (!zahl("--durchgang", a.Durchgang)) return 2;
            if (a.Durchgang == 0) a.Durchgang = -1; // round 0: refused as outside the competition
        } else if (s == "--startnr") {
            if (!zahl("--startnr", a.StartNr)) return 2;
        } else if (s == "--edvnr") {
            if (!zahl("--edvnr", a.EdvNr)) return 2;
        } else if (s == "--reflight") {
            a.Refly = true;
        } else if (s == "--spalten") {
            a.Spalten = true;
        } else if (s == "--trotz-schaden") {
            a.TrotzSchaden = true;
        } else if (s == "--trotz-sperre") {
            a.TrotzSperre = true;
        } else if (s == "--aus") {
            if (i + 1 >= args.size()) {
                err << "Nach --aus fehlt ein Dateiname.\n";
                return 2;
            }
            a.Ausgabe = args[++i];
        } else if (s.size() > 2 && s[0] == '-' && s[1] == '-') {
            err << "Unbekannte Option: " << s << "\n";
            return 2;
        } else if (a.Datei.empty()) {
            a.Datei = s;
        } else {
            a.Werte.push_back(s); // a value, also "-" or a negative number
        }
    }
    const bool teilnehmer = a.StartNr >= 0 || a.EdvNr >= 0;
    bool richtig = !a.Datei.empty();
    if (a.Spalten)
        richtig = richtig && !teilnehmer && !a.Refly && a.Werte.empty() && a.Ausgabe.empty();
    else
        richtig = richtig && a.Durchgang != 0 && teilnehmer && !(a.StartNr >= 0 && a.EdvNr >= 0) && !a.Werte.empty();
    if (!richtig) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    return 0;
}

int Eintragen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Auftrag a;
    if (const int r = ArgumenteLesen(args, a, err)) return r;

    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(a.Datei, w, err, &bericht)) return 1;
    WettbewerbFreigabe freigabe{w};
    const std::string ziel = a.Ausgabe.empty() ? a.Datei : a.Ausgabe;
    if (!a.Spalten && (!SchadenErlaubtSchreiben(bericht, a.Datei, ziel, a.TrotzSchaden, err) ||
                       !SperreErlaubt(ziel, a.TrotzSperre, err)))
        return 1;

    if (!w->RegelPtr || w->RegelPtr->EdvNr < 1) {
        err << "Der Wettbewerb hat keine bekannte Regel; es gibt keine Wertspalten.\n";
        return 1;
    }
    const int anzahl = std::min(w->AnzDurchgaenge, MaxAnzeigeDurchgaenge);
    const int n = a.Durchgang == 0 ? w->DurchgangNr : a.Durchgang;
    if (n < 1 || n > anzahl) {
        err << "Der Wettbewerb hat keinen Durchgang " << (n < 0 ? 0 : n) << "; seine Durchgänge sind 1 bis "
            << anzahl << ".\n";
        return 1;
    }
    const WertSpaltenTyp spalten = GetWertSpalten(w);

    if (a.Spalten) {
        for (const std::string& k : spalten.Koepfe) out << k << "\n";
        return 0;
    }

    const std::string runde = GetDurchgangBezeichner(w, n, false, false);
    TeilnehmerTyp* t = a.StartNr >= 0 ? GetTeilnehmerStartNr(w, a.StartNr)
                                      : DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, a.EdvNr, false);
    if (t && (t->EdvNr <= 0 || t->Name.NachnameStr.empty())) t = nullptr;
    const std::string wer = a.StartNr >= 0 ? "mit der Startnummer " + std::to_string(a.StartNr)
                                           : "mit der EDV-Nummer " + std::to_string(a.EdvNr);
    if (!t) {
        err << "Der Wettbewerb hat keinen Teilnehmer " << wer << ".\n";
        return 1;
    }
    const std::string name = CnvNameTypToNameStr(&t->Name, true);
    if (!TeilnehmerFliegtInDurchgang(w, t, n)) {
        err << name << " fliegt im Durchgang „" << runde << "“ nicht (nicht im Fly-Off eingeteilt).\n";
        return 1;
    }
    if (static_cast<int>(a.Werte.size()) > spalten.Anzahl()) {
        err << "Zu viele Werte: " << a.Werte.size() << " angegeben, die Regel „" << w->RegelPtr->Name << "“ hat "
            << spalten.Anzahl() << " Wertspalten";
        for (std::size_t k = 0; k < spalten.Koepfe.size(); ++k) err << (k ? ", " : ": ") << spalten.Koepfe[k];
        err << ".\n";
        return 1;
    }
    WertungTyp* e = GetEingabeWertung(w, n, t->EdvNr, a.Refly);
    if (!e) {
        err << name << " hat im Durchgang „" << runde << "“ keine Flugwiederholung; sie wird im Dialog "
            << "„Flugwiederholung“ des Programms angelegt.\n";
        return 1;
    }

    // The row as the grid would show it, with the given values typed over its first cells.
    std::vector<WertZelleTyp> zellen;
    for (const std::string& s : DispWertungWerte(w, e, spalten)) zellen.push_back({s, s, {}});
    for (std::size_t k = 0; k < a.Werte.size(); ++k) zellen[k].Text = a.Werte[k];
    const int geaendert = WertungZeileUebernehmen(w, n, e, spalten, zellen);
    if (const std::string m = ZeileMeldung(zellen); !m.empty()) {
        err << m << "\nNichts eingetragen; die Datei bleibt, wie sie ist.\n";
        return 2;
    }
    // Stored, but unlikely by the rule (judged on the values as given, before
    // the evaluation may mark some invalid): said on stderr, exit code 0.
    const std::vector<std::string> hinweise = GetEingabeHinweise(w, n, e, spalten);
    if (geaendert > 0) {
        SetWettbewerbModified(w);
        if (!a.Refly) SetWettbewerbsStatus(w, StatusErgebnisse, false);
    }
    WettbewerbModellNeuBerechnen(w, true);
    // The recompute may re-chain the entries: the participant's entry afresh.
    e = GetEingabeWertung(w, n, t->EdvNr, a.Refly);
    if (!e) {
        err << "Die Wertung von " << name << " ist nach dem Neuberechnen nicht mehr vorhanden.\n";
        return 1;
    }

    out << name << " (Startnr. " << t->StartNr << "), " << runde << (a.Refly ? ", Flugwiederholung" : "") << ":\n";
    const std::vector<std::string> werte = DispWertungWerte(w, e, spalten);
    for (std::size_t k = 0; k < werte.size(); ++k) out << "  " << spalten.Koepfe[k] << "\t" << werte[k] << "\n";
    out << "  Rohpunkte\t" << L_STR_Unblank(L_STR_DoubleToStr(e->RohPunkte, 1, 10, 0, 2)) << "\n";
    for (std::size_t k = 0; k < hinweise.size(); ++k)
        if (!hinweise[k].empty()) err << "Hinweis: " << spalten.Koepfe[k] << ": " << hinweise[k] << "\n";

    if (geaendert == 0 && a.Ausgabe.empty()) {
        out << "Keine Änderung; die Datei bleibt, wie sie ist.\n";
        return 0;
    }
    const DateiSpeicherErgebnis gespeichert = DatenWettbewerbSave(w, ziel, w->FileFormatNr, false);
    if (!gespeichert.Ok) {
        err << "Die Datei „" << ziel << "“ konnte nicht geschrieben werden. " << gespeichert.Grund << "\n";
        return 1;
    }
    out << "Gespeichert: " << ziel << "\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "eintragen",
    Aufruf,
    "Trägt die Werte eines Flugs ein wie die Wertungsliste des Programms:\n"
    "die Werte in der Reihenfolge der Wertspalten der Regel, geschrieben wie in\n"
    "der Liste (\"3:25.4\", \"12\", \"-\"); nicht angegebene Spalten bleiben, wie sie\n"
    "sind. Danach wird neu gerechnet und die Datei gespeichert (über sich selbst,\n"
    "mit --aus unter AUSGABE); eine Kopie .bak behält den vorigen Stand.\n"
    "  --durchgang N   der Durchgang (1 = 1. Vorrunde)\n"
    "  --startnr S     der Teilnehmer mit dieser Startnummer\n"
    "  --edvnr E       der Teilnehmer mit dieser EDV-Nummer\n"
    "  --reflight      in die Flugwiederholung des Teilnehmers im Durchgang\n"
    "  --spalten       zeigt nur die Wertspalten (des Durchgangs N, sonst des\n"
    "                  aktuellen Durchgangs), eine je Zeile\n"
    "  --trotz-schaden über eine beschädigte Datei speichern (siehe info; sonst wird\n"
    "                  das abgelehnt, und --aus schreibt in eine andere Datei)\n"
    "  --trotz-sperre  speichern, obwohl ein Fenster die Datei geöffnet hat\n"
    "  --              alles danach sind Werte",
    Eintragen,
});

} // namespace

} // namespace tavuran::cli
