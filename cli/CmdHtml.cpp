// tavuran-cli html DATEI ergebnis|meldungen|startlisten|teamergebnis AUS.html:
// writes one of the four HTML lists of a competition file, with the same
// routines as the program. The competition file is not changed.
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "exchange/DateiZugriff.h"
#include "core/DatenTypen.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "evaluation/Sortierung.h"
#include "exchange/HtmlExport.h"
#include "exchange/HtmlListen.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf =
    "html DATEI ergebnis|meldungen|startlisten|teamergebnis AUS.html [--wertungslisten ja|nein] [--links ja|nein] "
    "[--gesamtlinks ja|nein] [--statistik ja|nein] [--einbinden ja|nein] [--endgueltig ja|nein] [--teil DATEI]... "
    "[--stand \"TT.MM.JJJJ HH:MM\"] [--trotz-schaden]";

// "TT.MM.JJJJ" with a date that exists, optionally followed by " HH:MM".
bool DatumGueltig(const std::string& s) {
    if (s.size() != 10 && s.size() != 16) return false;
    if (s[2] != '.' || s[5] != '.') return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    if (s.size() == 16) {
        if (s[10] != ' ' || s[13] != ':') return false;
        for (std::size_t i : {11, 12, 14, 15})
            if (s[i] < '0' || s[i] > '9') return false;
        if (std::stoi(s.substr(11, 2)) > 23 || std::stoi(s.substr(14, 2)) > 59) return false;
    }
    DateRec d;
    d.Day = static_cast<Byte>(std::stoi(s.substr(0, 2)));
    d.Month = static_cast<Byte>(std::stoi(s.substr(3, 2)));
    d.Year = static_cast<Word>(std::stoi(s.substr(6, 4)));
    return d.Month >= 1 && d.Month <= 12 && d.Day >= 1 && d.Day <= L_CALEND_GetLengthOfMonth(d);
}

int Html(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> frei;
    std::string stand;
    std::vector<std::string> teile;
    bool trotzSchaden = false;
    struct Schalter {
        const char* Name;
        bool gesetzt = false;
        bool wert = false;
    };
    Schalter schalter[6] = {{"--wertungslisten"}, {"--links"},     {"--gesamtlinks"},
                            {"--statistik"},      {"--einbinden"}, {"--endgueltig"}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            frei.push_back(a);
            continue;
        }
        if (a == "--trotz-schaden") {
            trotzSchaden = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "Nach " << a << " fehlt der Wert.\nAufruf: tavuran-cli " << Aufruf << "\n";
            return 2;
        }
        const std::string& w = args[++i];
        if (a == "--teil") {
            teile.push_back(w);
            continue;
        }
        if (a == "--stand") {
            if (!DatumGueltig(w)) {
                err << "Ungültiger Zeitpunkt für --stand: „" << w << "“ (erwartet TT.MM.JJJJ oder TT.MM.JJJJ HH:MM).\n";
                return 2;
            }
            stand = w;
            continue;
        }
        bool bekannt = false;
        for (Schalter& s : schalter)
            if (a == s.Name) {
                if (w != "ja" && w != "nein") {
                    err << "Für " << a << " ist nur „ja“ oder „nein“ möglich, nicht „" << w << "“.\n";
                    return 2;
                }
                s.gesetzt = true;
                s.wert = w == "ja";
                bekannt = true;
            }
        if (!bekannt) {
            err << "Unbekanntes Argument: „" << a << "“\nAufruf: tavuran-cli " << Aufruf << "\n";
            return 2;
        }
    }
    if (frei.size() != 3) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    const std::string& datei = frei[0];
    const std::string& art = frei[1];
    const std::string& aus = frei[2];
    if (art != "ergebnis" && art != "meldungen" && art != "startlisten" && art != "teamergebnis") {
        err << "Unbekannte Liste: „" << art << "“ (ergebnis, meldungen, startlisten oder teamergebnis).\n";
        return 2;
    }
    if (art != "ergebnis")
        for (const Schalter& s : schalter)
            if (s.gesetzt) {
                err << s.Name << " gilt nur für die Ergebnisliste.\n";
                return 2;
            }

    if (art != "ergebnis" && !teile.empty()) {
        err << "--teil gilt nur für die Ergebnisliste.\n";
        return 2;
    }
    if (!AusgabeErlaubt(aus, {datei}, err)) return 1;
    for (const std::string& t : teile)
        if (!AusgabeErlaubt(aus, {t}, err)) return 1;

    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht bericht;
    if (!WettbewerbLaden(datei, w, err, &bericht)) return 1;
    if (!SchadenErlaubtLesen(bericht, datei, trotzSchaden, err)) {
        DatenWettbewerbDispose(w);
        return 1;
    }
    WettbewerbModellNeuBerechnen(w, true);
    SortAll(w);

    std::string grund;
    bool ok = false;
    if (art == "ergebnis") {
        HtmlErgebnisOptionen o;
        HtmlOptionenVoreinstellen(w, o);
        // The sub-competitions are named by the competition file; only those
        // also named on the command line are read.
        const std::vector<std::string> dateien = TeilwettbewerbDateien(w);
        std::vector<bool> lesen(dateien.size(), false);
        for (std::size_t r = 0; r < dateien.size(); ++r) {
            if (dateien[r].empty()) continue;
            for (const std::string& t : teile) lesen[r] = lesen[r] || DateienGleich(dateien[r], t);
            if (!lesen[r])
                err << "Hinweis: Der Teilwettbewerb „" << dateien[r] << "“ (Durchgang " << r + 1
                    << ") wird nicht gelesen: sein Name stammt aus der Wettbewerbsdatei. Mit --teil „" << dateien[r]
                    << "“ wird er eingebunden.\n";
        }
        o.Importe = HtmlImportListe(w, lesen);
        o.Einbinden = HtmlImporteVorhanden(o.Importe);
        bool* ziel[6] = {&o.Wertungslisten, &o.Links, &o.GesamtLinks, &o.Statistik, &o.Einbinden, &o.Endgueltig};
        for (int i = 0; i < 6; ++i)
            if (schalter[i].gesetzt) *ziel[i] = schalter[i].wert;
        ok = HtmlExportExec(w, o, aus, grund, stand);
    } else if (art == "meldungen") {
        ok = TeamListExportHtml(aus, w, stand, grund);
    } else if (art == "startlisten") {
        ok = StartListExportHtml(aus, w, stand, grund);
    } else {
        ok = TeamErgebnisExportHtml(aus, w, stand, grund);
    }
    DatenWettbewerbDispose(w);
    if (!ok) {
        err << "Die HTML-Datei „" << aus << "“ konnte nicht geschrieben werden: " << grund << "\n";
        return 1;
    }
    out << "HTML-Datei geschrieben: " << aus << "\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "html",
    Aufruf,
    "Schreibt eine HTML-Seite des Wettbewerbs (HTML5, UTF-8, wie das Programm):\n"
    "ergebnis      Ergebnisliste mit den Wertungslisten aller Durchgänge\n"
    "meldungen     Meldungsliste nach Teams\n"
    "startlisten   Startlisten aller Vorrunden (Überschneidungen mit „!“)\n"
    "teamergebnis  Ergebnisliste der Teamwertung\n"
    "Die Schalter der Ergebnisliste sind voreingestellt wie im Dialog für die Regel\n"
    "des Wettbewerbs; --einbinden ist voreingestellt, wenn Ergebnisseiten von\n"
    "Teilwettbewerben vorhanden sind; ihre Ergebnislisten werden aus ihren\n"
    "Wettbewerbsdateien neu erstellt. --stand ersetzt den Zeitpunkt der Zeile\n"
    "„Stand …“ (sonst jetzt). Eine Ergebnisliste heißt „endgültig“, wenn alle\n"
    "Durchgänge vollständig sind oder --endgueltig ja gesetzt ist, sonst\n"
    "„vorläufig“. Die Teilwettbewerbe einer Gesamtwertung nennt die\n"
    "Wettbewerbsdatei; gelesen und eingebunden werden nur die, die auch mit\n"
    "--teil DATEI genannt sind (mehrmals möglich). --trotz-schaden gibt auch eine\n"
    "beschädigte Datei (siehe info) aus. Die Wettbewerbsdatei wird nicht verändert;\n"
    "eine vorhandene Ausgabedatei wird erst nach vollständigem Schreiben ersetzt.\n"
    "Rückgabewert 1, wenn eine Datei nicht gelesen oder geschrieben werden kann,\n"
    "2 bei falschem Aufruf.",
    Html,
});

} // namespace
} // namespace tavuran::cli
