// The result list as a semicolon-separated table for a spreadsheet with
// German settings: the table the dialog previews is exactly the file. Cells
// that hold ";", '"', CR or LF are quoted (inner quotes doubled); numbers use
// the decimal comma and two decimals; places, counted flights and marks are
// those of the printed list and the web page. The file is UTF-8 with a
// byte-order mark, or Windows-1252 on request.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

struct CsvOptionen {
    bool NurJugend = false;        // "Nur jugendliche Teilnehmer ausgeben"
    bool Nation = true;            // "Spalte Land/Nation ausgeben"
    bool Bundesland = true;        // "Spalte Bundesland ausgeben"
    bool Bezirk = false;           // "Spalte Bezirk ausgeben"
    bool Rohpunkte = true;         // "Spalte Rohpunkte anzeigen"
    bool Teilwertung = true;       // "Teilwertung [%] für Gesamtwertung ausgeben" (only with Teilwertung)
    bool Leitung = false;          // "Wett- und Organisationsleiter ausgeben"
    bool Punktrichter = false;     // "Punktrichter ausgeben"
    bool Wettbewerbsdaten = false; // "Wettbewerbsdaten ausgeben"
};

// Cells by row, then column; every row has the same number of columns, and
// there are at least 5 rows and 5 columns.
struct CsvTabelle {
    std::vector<std::vector<std::string>> Zellen;
    CsvTabelle();
    int Zeilen() const { return static_cast<int>(Zellen.size()); }
    int Spalten() const { return Zellen.empty() ? 0 : static_cast<int>(Zellen[0].size()); }
    // Puts Text into the cell (through CsvAlsText), growing the table as needed.
    void AddText(int Spalte, int Zeile, const std::string& Text);
};

enum class CsvZeichensatz { Utf8, Windows1252 };

// A number of the table: two decimals, decimal comma ("987,60").
std::string CsvZahl(double x);

// Builds the table (the evaluation is brought up to date; nothing else changes).
CsvTabelle ErgebnisExcelPreview(WettbewerbTyp* Wett, const CsvOptionen& Optionen);
// A cell's text as the table holds it: a text that a spreadsheet would take
// for a formula (it begins with "=", "+", "-", "@", a tab or CR and is no
// number) gets a leading apostrophe; numbers stay as they are.
std::string CsvAlsText(std::string_view Text);
// A cell as written: quoted exactly when it holds ";", '"', CR or LF.
std::string CsvZelle(std::string_view Text);
// The file's bytes: per row every cell followed by ";", CR LF; UTF-8 with a
// byte-order mark, or Windows-1252. Ersetzt tells whether characters had to
// be written as "?" (only in Windows-1252).
std::string CsvText(const CsvTabelle& Tabelle, bool& Ersetzt, CsvZeichensatz Zeichensatz = CsvZeichensatz::Utf8);
// Writes the table; the old file is replaced only after a complete write.
bool ErgebnisExcelExport(const std::string& Datei, const CsvTabelle& Tabelle, std::string& Grund, bool& Ersetzt,
                         CsvZeichensatz Zeichensatz = CsvZeichensatz::Utf8);

// A file name (without folder) made from a text: no path separators, no
// characters a file system refuses, never empty.
std::string SichererDateiName(std::string_view Text);
// The folder of the competition file + the competition's name + ".csv".
std::string CsvDateiName(const WettbewerbTyp* Wett);

} // namespace tavuran
