// The commands of tavuran-cli. Each command lives in its own source file and
// registers itself with a static TavuranBefehl object.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavuran::cli {

struct Befehl {
    std::string Name;     // the word on the command line, e.g. "ergebnis"
    std::string Aufruf;   // usage line, e.g. "ergebnis DATEI [--durchgang N] [--teams]"
    std::string Hilfe;    // one or more lines of German help text
    // Runs the command with the arguments after its name; returns the exit code.
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)> Ausfuehren;
};

// Registers a command; used through a static object in each command's file.
bool BefehlRegistrieren(Befehl b);
const std::vector<Befehl>& AlleBefehle();

// Runs the tool on a full command line (without the program name); used by main and the tests.
int CliAusfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tavuran::cli
