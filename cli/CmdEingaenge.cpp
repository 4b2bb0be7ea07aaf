// tavuran-cli eingaenge DATEI: the inbox of entries by phone as a table, and
// accepting or rejecting them. Accepting enters the values as a typed row of
// the score grid does, recomputes and saves the competition (with its .bak);
// the decision is then written to the journal.
#include <algorithm>
#include <ostream>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "live/LiveEingabe.h"
#include "live/LiveJournal.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf = "eingaenge DATEI [--annehmen NR|alle] [--ablehnen NR --grund TEXT]";

bool Nummer(const std::string& s, int& n) {
    if (s.empty() || s.size() > 9 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    n = std::stoi(s);
    return n >= 1;
}

int Eingaenge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> annehmen, ablehnen, grundText;
    std::vector<std::string> woerter;
    if (!ArgumenteLesen(args, {{}, {{"--annehmen", &annehmen}, {"--ablehnen", &ablehnen}, {"--grund", &grundText}}},
                        woerter, err))
        return 2;
    int id = 0;
    const bool alle = annehmen && *annehmen == "alle";
    if (woerter.size() != 1 || (annehmen && ablehnen) || (ablehnen.has_value() != grundText.has_value()) ||
        (annehmen && !alle && !Nummer(*annehmen, id)) || (ablehnen && !Nummer(*ablehnen, id)) ||
        (grundText && grundText->find_first_not_of(" \t") == std::string::npos)) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    const std::string datei = woerter[0];
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    if (!WettbewerbLaden(datei, w, err)) return 1;
    WettbewerbFreigabe freigabe{w};
    const std::string journal = EingangJournalName(datei);
    EingaengeTyp e;
    std::string grund;
    if (!EingaengeLesen(journal, e, grund)) {
        err << grund << "\n";
        return 1;
    }
    if (e.Beschaedigt > 0) err << "Hinweis: " << e.Beschaedigt << " Zeilen des Eingangsbuchs konnten nicht gelesen werden.\n";

    if (ablehnen) {
        if (!EingangAbgelehntVermerken(journal, e, id, *grundText, grund)) {
            err << grund << "\n";
            return 1;
        }
        out << "Abgelehnt: Eingang " << id << "\n";
        return 0;
    }
    if (annehmen) {
        std::vector<int> ids = alle ? EingaengeOhneKorrektur(e) : std::vector<int>{id};
        if (!alle && !EingangVon(e, id)) {
            err << "Es gibt keinen Eingang " << id << ".\n";
            return 1;
        }
        std::vector<int> angenommen;
        int rc = 0;
        for (int i : ids) {
            if (!EingangUebernehmen(w, *EingangVon(e, i), grund)) {
                err << "Eingang " << i << " nicht angenommen: " << grund << "\n";
                rc = 1;
                continue;
            }
            angenommen.push_back(i);
        }
        if (angenommen.empty()) {
            if (rc == 0) out << "Keine offenen Eingänge ohne Korrektur.\n";
            return rc;
        }
        WettbewerbModellNeuBerechnen(w, true);
        const DateiSpeicherErgebnis g = DatenWettbewerbSave(w, datei, w->FileFormatNr, false);
        if (!g.Ok) {
            err << "Die Datei „" << datei << "“ konnte nicht geschrieben werden. " << g.Grund << "\n";
            return 1;
        }
        // Only what is saved counts as accepted.
        for (int i : angenommen) {
            if (!EingangAngenommenVermerken(journal, e, i, grund)) {
                err << grund << "\n";
                return 1;
            }
            out << "Angenommen: Eingang " << i << "\n";
        }
        out << "Gespeichert: " << datei << "\n";
        return rc;
    }
    const std::vector<std::string> spalten = EingangSpalten();
    for (std::size_t k = 0; k < spalten.size(); ++k) out << (k ? "\t" : "") << spalten[k];
    out << "\n";
    for (const EingangTyp& x : e.Liste) {
        const std::vector<std::string> z = EingangZellen(w, e, x);
        for (std::size_t k = 0; k < z.size(); ++k) out << (k ? "\t" : "") << z[k];
        out << "\n";
    }
    return 0;
}

const bool reg = BefehlRegistrieren({
    "eingaenge",
    Aufruf,
    "Zeigt die Eingänge per Telefon (das Eingangsbuch DATEI.eingaenge) als\n"
    "Tabelle: je Eingang Nummer, Zeit, Pilot, Durchgang, Werte, Absender und\n"
    "Stand; eine Korrektur zeigt die Werte des früheren Eingangs und was der\n"
    "Wettbewerb jetzt hält.\n"
    "  --annehmen NR    trägt die Werte des Eingangs ein wie eine getippte Zeile\n"
    "                   der Wertungsliste, rechnet neu und speichert (mit .bak)\n"
    "  --annehmen alle  ebenso alle offenen Eingänge außer Korrekturen\n"
    "  --ablehnen NR --grund TEXT  lehnt den Eingang ab; das Telefon zeigt den Grund",
    Eingaenge,
});

} // namespace

} // namespace tavuran::cli
