// The regression check of competition files: a file is read, written in its
// own format, read again and written again; both written versions must agree.
// A file that passes can be opened and saved any number of times without
// change.
#pragma once

#include <string>
#include <vector>

namespace tavuran {

// The verdict on one file.
enum class PruefUrteil {
    Gleich,      // read completely; both written versions agree
    Abweichung,  // read completely, but the written versions differ
    Beschaedigt, // lines could not be read: saving would lose them
    Unlesbar,    // no competition file this program reads
};

struct DateiPruefErgebnis {
    bool Ok = false;
    PruefUrteil Urteil = PruefUrteil::Unlesbar;
    std::string Grund; // why not (German), when !Ok
    int FormatNr = 0;  // the format the file was read in
    int Zeilen = 0;    // lines of the written version
};

// Checks one file; the temporary files go to a folder of their own below
// the system's temporary folder and are removed afterwards.
DateiPruefErgebnis WettbewerbsDateiPruefen(const std::string& Datei);

// Compares two written versions of one competition line by line. The lines of
// participants, teams, scores and results are compared as sets per kind,
// because each reading reverses the order of these lists. Empty when they
// agree, otherwise a description of the first difference.
std::string WettbewerbsZeilenVergleichen(const std::string& Text1, const std::string& Text2);

// The competition files (extension ".wtb", any case) named by the arguments:
// a file is taken as it is, a folder gives its files sorted by name.
std::vector<std::string> WettbewerbsDateienSammeln(const std::vector<std::string>& Namen, std::string& Grund);

} // namespace tavuran
