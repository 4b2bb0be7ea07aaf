// tavuran-cli zugang DATEI --durchgang N: the entry links of a round, one
// line per pilot (start number, name, link), the same links the start sheets
// carry as QR codes. Missing codes are made and kept beside the file.
#include <algorithm>
#include <ostream>

#include "cli/Befehle.h"
#include "cli/CliDatei.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "live/LiveZugang.h"
#include "live/LiveStartzettel.h"

namespace tavuran::cli {

namespace {

constexpr const char* Aufruf = "zugang DATEI --durchgang N [--adresse A] [--port P] [--erneuern]";

bool Zahl(const std::string& s, int Max, int& wert) {
    if (s.empty() || s.size() > 5 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    wert = std::stoi(s);
    return wert >= 1 && wert <= Max;
}

int Zugang(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> durchgang, adresse, port;
    bool erneuern = false;
    std::vector<std::string> woerter;
    if (!ArgumenteLesen(args, {{{"--erneuern", &erneuern}}, {{"--durchgang", &durchgang}, {"--adresse", &adresse}, {"--port", &port}}},
                        woerter, err))
        return 2;
    int n = 0, p = 8080;
    if (woerter.size() != 1 || !durchgang || (port && !adresse)) {
        err << "Aufruf: tavuran-cli " << Aufruf << "\n";
        return 2;
    }
    if (!Zahl(*durchgang, 99, n)) {
        err << "Nach --durchgang muss eine Zahl ab 1 folgen.\n";
        return 2;
    }
    if (port && !Zahl(*port, 65535, p)) {
        err << "Nach --port muss eine Zahl von 1 bis 65535 folgen.\n";
        return 2;
    }
    if (adresse && (adresse->empty() || adresse->find_first_of(" \t\r\n/?#@") != std::string::npos)) {
        err << "„" << *adresse << "“ ist keine Adresse.\n";
        return 2;
    }
    MeldungenAufStderr meldungen(err);
    WettbewerbTyp* w = nullptr;
    if (!WettbewerbLaden(woerter[0], w, err)) return 1;
    WettbewerbFreigabe freigabe{w};
    if (n > std::min(w->AnzDurchgaenge, MaxAnzeigeDurchgaenge)) {
        err << "Der Wettbewerb hat keinen Durchgang " << n << ".\n";
        return 1;
    }
    const std::string datei = ZugangDateiName(woerter[0]);
    ZugangListeTyp l;
    std::string grund;
    if (!ZugangLesen(datei, l, grund)) {
        err << grund << "\n";
        return 1;
    }
    if (adresse) l.Basis = ZugangBasis(*adresse, p);
    if (l.Basis.empty()) {
        err << "Die Adresse der Links ist noch nicht bekannt: bitte --adresse angeben (die Adresse des Laptops "
               "im Netz des Fluggeländes).\n";
        return 1;
    }
    if (erneuern && !ZugangErneuern(l, grund)) {
        err << grund << "\n";
        return 1;
    }
    if (!ZugangErgaenzen(w, n, l, grund) || !ZugangSchreiben(datei, l, grund)) {
        err << grund << "\n";
        return 1;
    }
    for (const LiveZugangZeileTyp& z : LiveZugangZeilen(w, n, l))
        out << z.StartNr << "\t" << z.Name << "\t" << z.Link << "\n";
    return 0;
}

const bool reg = BefehlRegistrieren({
    "zugang",
    Aufruf,
    "Gibt die Eingabe-Links eines Durchgangs aus, je Pilot eine Zeile:\n"
    "Startnummer, Name und Link (durch Tabulatoren getrennt). Dieselben Links\n"
    "tragen die Startzettel als QR-Code. Fehlende Zugangscodes werden angelegt\n"
    "und neben der Datei gespeichert (DATEI.zugang).\n"
    "  --durchgang N   der Durchgang (1 = 1. Vorrunde)\n"
    "  --adresse A     die Adresse, unter der der Laptop im Netz erreichbar ist;\n"
    "                  sie bleibt für die nächsten Aufrufe gespeichert\n"
    "  --port P        der Port des Servers (ohne Angabe 8080)\n"
    "  --erneuern      Zugangscodes erneuern: jeder gedruckte Link wird ungültig",
    Zugang,
});

} // namespace

} // namespace tavuran::cli
