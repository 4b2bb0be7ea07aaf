#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"

namespace tavuran::cli {

namespace {
std::vector<Befehl>& Registry() {
    static std::vector<Befehl> befehle;
    return befehle;
}

void HilfeAusgeben(std::ostream& out) {
    out << "tavuran-cli – Auswertung von Modellflug-Wettbewerben ohne Fenster\n\n"
           "Aufruf: tavuran-cli BEFEHL [ARGUMENTE]\n\n"
           "Befehle:\n";
    std::vector<Befehl> sortiert = Registry();
    std::sort(sortiert.begin(), sortiert.end(), [](const Befehl& a, const Befehl& b) { return a.Name < b.Name; });
    for (const Befehl& b : sortiert) {
        out << "  " << b.Aufruf << "\n";
        std::string zeile;
        for (char c : b.Hilfe) {
            if (c == '\n') {
                out << "      " << zeile << "\n";
                zeile.clear();
            } else {
                zeile += c;
            }
        }
        if (!zeile.empty()) out << "      " << zeile << "\n";
    }
    out << "\n  --help, help    zeigt diese Hilfe\n"
           "  help BEFEHL     zeigt die Hilfe eines Befehls (ebenso: BEFEHL --help)\n"
           "\nRückgabewert: 0 bei Erfolg; 1, wenn eine Datei nicht gelesen oder geschrieben\n"
           "werden kann oder der Befehl abgelehnt wird; 2 bei falschem Aufruf (auch bei\n"
           "einem Wert außerhalb seines Bereichs).\n";
}
} // namespace

bool BefehlRegistrieren(Befehl b) {
    Registry().push_back(std::move(b));
    return true;
}

const std::vector<Befehl>& AlleBefehle() { return Registry(); }

int CliAusfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        HilfeAusgeben(err);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "hilfe" || args[0] == "help") {
        // "help BEFEHL" shows the help of one command.
        if (args.size() == 2) {
            for (const Befehl& b : Registry())
                if (b.Name == args[1]) {
                    out << "Aufruf: tavuran-cli " << b.Aufruf << "\n" << b.Hilfe << "\n";
                    return 0;
                }
            err << "Unbekannter Befehl: " << args[1] << "\n„tavuran-cli --help“ zeigt alle Befehle.\n";
            return 2;
        }
        if (args.size() > 2) {
            err << "Aufruf: tavuran-cli help [BEFEHL]\n";
            return 2;
        }
        HilfeAusgeben(out);
        return 0;
    }
    for (const Befehl& b : Registry()) {
        if (b.Name == args[0]) {
            std::vector<std::string> rest(args.begin() + 1, args.end());
            if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
                out << "Aufruf: tavuran-cli " << b.Aufruf << "\n" << b.Hilfe << "\n";
                return 0;
            }
            return b.Ausfuehren(rest, out, err);
        }
    }
    err << "Unbekannter Befehl: " << args[0] << "\n"
        << "„tavuran-cli --help“ zeigt alle Befehle.\n";
    return 2;
}

} // namespace tavuran::cli

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tavuran::cli::CliAusfuehren(args, std::cout, std::cerr);
}
