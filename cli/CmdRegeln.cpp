// tavuran-cli regeln [NR]: the built-in rule catalogue, as a table of all
// rules or one rule in full.
#include <charconv>
#include <ostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"
#include "rules/RegelListe.h"

namespace tavuran::cli {
namespace {

std::size_t Zeichen(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Links(const std::string& s, std::size_t breite) {
    std::size_t n = Zeichen(s);
    return n >= breite ? s : s + std::string(breite - n, ' ');
}

// A heading line of the printed lists, for the terminal: the column border of
// the list characters becomes "|", trailing blanks go.
std::string ListenKopf(const std::string& s) {
    static const std::string Rand = "\u00b3";
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, Rand.size(), Rand) == 0) {
            out += '|';
            i += Rand.size();
        } else {
            out += s[i++];
        }
    }
    std::size_t e = out.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : out.substr(0, e + 1);
}

template <class Spalten>
std::string SpaltenText(const Spalten& S, const char* trenner) {
    std::string out;
    for (int i = 1; i <= S.Anzahl; ++i) {
        if (i > 1) out += trenner;
        out += S.Bezeichner[i];
    }
    return out;
}

std::string Kennung(const RegelTyp& R) {
    return R.EdvNr >= 1 && R.EdvNr <= RegelEdvAnzahl ? RegelEdvListe[R.EdvNr - 1] : std::string("-");
}

void Tabelle(std::ostream& out) {
    out << "Nr\tName\tEdvNr\tKennung\tAktiv\tGruppenstart\tPermntNullDurchg\tAnzPunktrichter\tAnzVorrunden\t"
           "AnzahlStreicher\tAnzSeniorenFlyOff\tAnzahlJugFlyOff\tAnzTeilnGruppe\tAnzTeilnInEndRunde\t"
           "AnzJugInEndRunde\tPunktrichterspalten\tDurchgangsspalten\tStartplatzStr\n";
    for (int nr = 1; nr <= RegelAnzahl; ++nr) {
        const RegelTyp& R = RegelListe(nr);
        const RegelDefaultDurchgTyp& D = R.RegelDefaultDurchg;
        out << nr << '\t' << R.Name << '\t' << R.EdvNr << '\t' << Kennung(R) << '\t' << (R.Aktiv ? "ja" : "nein")
            << '\t' << R.Gruppenstart << '\t' << R.PermntNullDurchg << '\t' << R.AnzPunktrichter << '\t'
            << D.AnzVorrunden << '\t' << D.AnzahlStreicher << '\t' << D.AnzSeniorenFlyOff << '\t'
            << D.AnzahlJugFlyOff << '\t' << D.AnzTeilnGruppe << '\t' << D.AnzTeilnInEndRunde << '\t'
            << D.AnzJugInEndRunde << '\t' << SpaltenText(R.ParameterPunktr, "|") << '\t'
            << SpaltenText(R.ParameterDurchg, "|") << '\t' << R.StartplatzStr << '\n';
    }
}

const char* GruppenstartText(int g) {
    switch (g) {
    case 0: return "immer eingeschaltet";
    case 1: return "immer ausgeschaltet";
    case 2: return "wählbar, vorgeschlagen: aus";
    case 3: return "wählbar, vorgeschlagen: ein";
    default: return "unbekannt";
    }
}

const char* NullDurchgangText(int p) {
    switch (p & 3) {
    case 0: return "fest aus";
    case 3: return "fest ein";
    default: return "wählbar";
    }
}

// The rule's description of how many rounds count, in words.
std::string GewerteteDurchgaengeText(const std::string& t) {
    if (t == "ZAHL_DURCHGAENGE") return "alle Durchgänge";
    if (t == "(ZAHL_DURCHGAENGE DIV 2) + 1") return "die Hälfte der Durchgänge (abgerundet) und einer";
    if (t == "Spezial(F3J)") return "nach der Sonderregel für F3J";
    return t;
}

void Einzeln(std::ostream& out, int nr) {
    const RegelTyp& R = RegelListe(nr);
    const RegelDefaultDurchgTyp& D = R.RegelDefaultDurchg;
    const std::size_t b = 34;
    out << "Regel " << nr << ": " << R.Name << "\n\n";
    out << Links("Auswertung:", b) << R.EdvNr << " (" << Kennung(R) << ")\n";
    out << Links("Für neue Wettbewerbe angeboten:", b) << (R.Aktiv ? "ja" : "nein") << "\n";
    out << Links("Gruppenbezogene Auswertung:", b) << GruppenstartText(R.Gruppenstart) << " (" << R.Gruppenstart
        << ")\n";
    out << Links("Nie gestrichene Nullwertungen:", b) << NullDurchgangText(R.PermntNullDurchg) << " ("
        << R.PermntNullDurchg << ")\n";
    out << Links("Punktrichter:", b);
    if (R.AnzPunktrichter == 0)
        out << "wie im Wettbewerb eingestellt (0)\n";
    else
        out << R.AnzPunktrichter << "\n";
    out << Links("Gewertete Durchgänge:", b) << GewerteteDurchgaengeText(R.AnzGewerteteDurchg) << "\n";
    out << Links("Startplatz auf Startkarten:", b) << R.StartplatzStr << "\n";

    out << "\nVorgaben:\n";
    const std::pair<const char*, int> vorgaben[] = {
        {"Vorrunden", D.AnzVorrunden},
        {"Streicher", D.AnzahlStreicher},
        {"Fly-Off-Durchgänge", D.AnzSeniorenFlyOff},
        {"Jugend-Fly-Off-Durchgänge", D.AnzahlJugFlyOff},
        {"Teilnehmer pro Gruppe", D.AnzTeilnGruppe},
        {"Teilnehmer im Fly-Off", D.AnzTeilnInEndRunde},
        {"Teilnehmer im Jugend-Fly-Off", D.AnzJugInEndRunde},
    };
    for (const auto& [text, wert] : vorgaben) out << "  " << Links(text, b - 2) << wert << "\n";

    out << "\nParameter:\n";
    bool zeilen = false;
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        const int n = R.ParameterWettb.ParaNr[i];
        const std::string& text = R.ParameterWettb.Bezeichner[i];
        if (n > 0) {
            out << "  " << Links("P" + std::to_string(n), 5) << Links(text, b - 7) << R.ParameterWettb.DefaultWert[i]
                << "\n";
            zeilen = true;
        } else if (!text.empty()) {
            out << "  " << text << "\n";
            zeilen = true;
        }
    }
    if (!zeilen) out << "  keine\n";

    out << "\nSpalten der Wertungseingabe:\n";
    out << "  " << Links("Punktrichter (" + std::to_string(R.ParameterPunktr.Anzahl) + "):", b - 2)
        << (R.ParameterPunktr.Anzahl ? SpaltenText(R.ParameterPunktr, " | ") : "keine") << "\n";
    out << "  " << Links("Durchgang (" + std::to_string(R.ParameterDurchg.Anzahl) + "):", b - 2)
        << (R.ParameterDurchg.Anzahl ? SpaltenText(R.ParameterDurchg, " | ") : "keine") << "\n";

    out << "\nMesswertspalten der Startlisten:\n";
    out << "  Punktrichter: " << ListenKopf(R.UeberschrPunktr) << "\n";
    out << "  Zeitnehmer:   " << ListenKopf(R.UeberschrZeitn) << "\n";

    out << "\nBeschreibung:\n";
    int letzte = 0;
    for (int i = 1; i <= MaxBeschreibung; ++i)
        if (!R.Beschreibung[i].empty()) letzte = i;
    if (letzte == 0) out << "  keine\n";
    for (int i = 1; i <= letzte; ++i) out << (R.Beschreibung[i].empty() ? "" : "  ") << R.Beschreibung[i] << "\n";
}

int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        Tabelle(out);
        return 0;
    }
    if (args.size() > 1) {
        err << "Zu viele Argumente.\nAufruf: tavuran-cli regeln [NR]\n";
        return 2;
    }
    const std::string& a = args[0];
    int nr = 0;
    auto [rest, fehler] = std::from_chars(a.data(), a.data() + a.size(), nr);
    if (a.empty() || fehler != std::errc() || rest != a.data() + a.size() || nr < 1 || nr > RegelAnzahl) {
        err << "Eine Regel mit der Nummer „" << a << "“ gibt es nicht. Erlaubt sind die Nummern 1 bis "
            << RegelAnzahl << ".\n";
        return 2;
    }
    Einzeln(out, nr);
    return 0;
}

const bool reg = BefehlRegistrieren({
    "regeln",
    "regeln [NR]",
    "Ohne NR: alle eingebauten Wettbewerbsregeln als Tabelle (durch Tabulatoren\n"
    "getrennt, eine Kopfzeile, dann eine Zeile je Regel 1 bis 87).\n"
    "Mit NR: die Regel NR ausführlich mit Vorgaben, Parametern, Spalten und Beschreibung.",
    Ausfuehren,
});

} // namespace
} // namespace tavuran::cli
