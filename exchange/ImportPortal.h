// The registration import: the CSV download of the online registration portal
// (one line per registered pilot, a header line of fixed column titles) is
// read, checked line by line and merged into a competition. Participants are
// created or updated, completed from the master data, put into their teams and
// given their helpers by name; on request the competition's name, date and rule
// are taken from the file as well. Everything that was done, and every line
// that could not be used, ends up in a report.
//
// The file comes from strangers: every line is checked before it is used, and
// a line that cannot be read unambiguously is rejected rather than guessed.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"

namespace tavuran {

// The settings value that remembers the file previewed last.
inline constexpr const char* ImportPortalRegistryName = "Kestrova_file";
// Name (and pattern, with "*" before the extension) of the portal's download.
inline constexpr const char* ImportPortalDownloadName = "download.csv";
// Larger files are no registration list and are not read.
inline constexpr std::size_t ImportPortalMaxBytes = 16u * 1024 * 1024;

// The recognised columns. A header cell names a column when the column's title
// occurs in it (letters a-z compared as capitals).
enum ImportSpalte {
    SpalteWettbewerbName,   // "COMPETITION NAME"
    SpalteWettbewerbDatum,  // "COMPETITION START DATE"
    SpalteTeam,             // "REGISTRATION TEAM"
    SpalteKlasse,           // "REGISTRATION COMPETITION CLASSES"
    SpalteVorname,          // "PILOT FIRST NAME"
    SpalteNachname,         // "PILOT LAST NAME"
    SpalteGeburtstag,       // "PILOT BIRTHDAY"
    SpalteJugend,           // "PILOT IS <18"
    SpalteVerein,           // "PILOT CLUB"
    SpalteVerband,          // "PILOT NAC"
    SpalteLand,             // "PILOT COUNTRY CODE"
    SpalteFrequenz1,        // "PILOT FREQUENCY 1"
    SpalteFrequenz2,        // "PILOT FREQUENCY 2"
    SpalteFrequenz3,        // "PILOT FREQUENCY 3"
    Spalte24GHz,            // "PILOT USES 2.4 GHZ"
    SpalteCaller,           // "SELECTED CALLER"
    SpalteCoach,            // "THE SELECTED COACH FOR A JUNIOR"
    AnzahlImportSpalten
};
// The title of a column as it stands in the header.
const char* ImportSpaltenTitel(int Spalte);

// One line of the file after the header.
struct ImportDatenZeile {
    int ZeilenNr = 0;                // line number in the file (the header is a line too)
    std::vector<std::string> Felder; // its fields, quotes removed
    std::string Fehler;              // why the line is rejected; empty when it is usable
};

// A file read for the preview and the import.
struct ImportVorschau {
    bool Gelesen = false;            // the file could be read
    std::string Grund;               // why not
    std::string Kodierung;           // "UTF-8", "UTF-8 mit BOM", "UTF-16", "Windows-1252"
    char Trennzeichen = ',';         // separator recognised from the header
    int KopfZeilenNr = 0;            // line number of the header (0: the file has no line)
    std::vector<std::string> Kopf;   // header fields
    std::vector<ImportDatenZeile> Zeilen; // every further non-blank line, in file order
    // For each recognised column the field (from 1) that holds it, 0 when the file lacks it.
    std::array<int, AnzahlImportSpalten> ColIdx{};
};

// The bytes of a downloaded file as UTF-8 text: a UTF-8 or UTF-16 byte-order
// mark is honoured (UTF-16 is also recognised by its zero bytes without a mark);
// otherwise the bytes are taken as UTF-8 when they are valid UTF-8, else as
// Windows-1252. Kodierung (when given) names what was found.
std::string ImportTextDekodieren(std::string_view Bytes, std::string* Kodierung = nullptr);

// Reads a download (file or bytes) into the preview: lines split at CR LF, LF
// or CR, blank lines ignored, the separator taken from the header, every line
// split into fields and checked.
ImportVorschau ImportDateiLesen(const std::string& Datei);
ImportVorschau ImportTextLesen(std::string_view Bytes);

// The titles of the columns the import needs and the file lacks (empty: the
// file can be imported). With MitWettbewerb the competition's columns count too.
std::vector<std::string> ImportFehlendeSpalten(const ImportVorschau& Vorschau, bool MitWettbewerb);

// One registration taken from a line.
struct ImportTyp {
    NameTyp Name;
    std::string Verein;
    std::string Team;
    Feld<std::string, 1, 3> Helfer;
    Feld<std::string, 1, 3> Kanal;
    bool GHz24 = true;
    DateRec GebDatum{1, 1, 1900};
    std::string Email, Strasse, PLZ, Ort;
    LandTyp Land;
    std::string Telefon, bezahlt, Bemerkung, Verband, Country;
    bool Jugendlich = false;
    int LfdNr = -1;

    int ZeilenNr = 0;                // line of the file
    bool GebDatumGueltig = false;    // the birthday cell held a valid date
    bool JugendlichBekannt = false;  // junior status known from the line
};

struct ImportOptionen {
    bool MitWettbewerb = false; // take name, date and rule of the competition from the file too
    DateRec Heute{1, 1, 2000};  // today: the reference year for juniors and the date for rule lookups
};

// What an import did, for the window and the command line.
struct ImportBericht {
    bool Ausgefuehrt = false; // the competition was changed
    std::string Grund;        // why nothing was done
    std::string Kodierung;
    char Trennzeichen = ',';
    int Datenzeilen = 0;      // non-blank lines after the header
    bool NurTeilnehmer = false; // the competition was asked for, but the competition already holds scores
    std::vector<std::string> Wettbewerb;        // what was taken for the competition
    std::vector<std::string> Neu;               // participants created
    std::vector<std::string> Aktualisiert;      // participants updated
    std::vector<std::string> Abgelehnt;         // "Zeile n: reason"
    std::vector<std::string> Uebersprungen;     // "Zeile n: reason"
    std::vector<std::string> Hinweise;          // lines used with a remark
    std::vector<std::string> HelferZugeordnet;  // "participant: helper"
    std::vector<std::string> HelferNichtGefunden;
    std::vector<std::string> Zusammengefuehrt;  // the same pilot on several lines
    std::vector<ImportTyp> Datensaetze;         // the records taken from the usable lines, in file order
};

// The records of the usable lines, in file order. Lines without a surname are
// skipped and reported; cells are checked and remarks go to the report. With
// MitWettbewerb the competition's name, date and rule are taken from the file.
std::vector<ImportTyp> ImportFileToHeap(WettbewerbTyp* Wett, const ImportVorschau& Vorschau,
                                        const ImportOptionen& Optionen, ImportBericht& Bericht);

// The whole import into Wett. Refuses (Ausgefuehrt false, Grund set, nothing
// changed) when the file was not read or lacks a needed column. With
// MitWettbewerb into a competition that holds scores, only the participants
// are taken, and the report says so.
ImportBericht ImportPortal(WettbewerbTyp* Wett, const ImportVorschau& Vorschau, const ImportOptionen& Optionen);

// The report as lines of German text.
std::vector<std::string> ImportBerichtZeilen(const ImportBericht& Bericht);

// The portal's newest download in a folder: of the files named like
// "download*.csv" the one changed last (the first in name order among equal
// times); Ordner + "download.csv" when there is none.
std::string ImportNeuesteDatei(const std::string& Ordner);

} // namespace tavuran
