// The competition file (".wtb"): reading a whole file into a new competition,
// writing a competition in format 1, 2 or 3 with its backup and parallel copy,
// and the query before a modified competition is discarded.
//
// Layout: a header line "ORNALIK Wettbewerbsdaten - Format 3.0", then lines
// "KEY:           value" (value from column 16), CR LF, Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/DatenTypen.h"
#include "exchange/DateiFelder.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenDurchgangDatei.h"
#include "exchange/DatenMannschaftDatei.h"
#include "exchange/DatenTeilnehmerDatei.h"

namespace tavuran {

// Results of reading a competition file.
inline constexpr int LadenOk = 0;
inline constexpr int LadenFormatUnbekannt = 13; // header with a format number outside 1..3
inline constexpr int LadenOhneKennung = 14;     // the first line is not the header of a competition file
inline constexpr int LadenDateiFehler = -1;     // the file could not be read at all

// The text that starts the header line.
inline constexpr std::string_view DateiKennung = "ORNALIK Wettbewerbsdaten";
// The key of the closing line. A file whose header names the format as "3.1"
// (or "1.1", "2.1") ends with "DATEIENDE:     'n'", n being the number of its
// lines that are not empty, this one included: a file cut anywhere lacks it.
// Readers that do not know the key ignore the line and read "3.1" as 3.
inline constexpr std::string_view SchlussKey = "DATEIENDE";
// The version after the format number that promises the closing line.
inline constexpr int DateiUnterNrMitSchluss = 1;

// The result line of a participant as the file stored it (the reading does
// not take these values: the evaluation computes them anew).
struct GespeichertesErgebnis {
    int EdvNr = 0;
    double ExportPunkte[2] = {0, 0};
};

// What a reading could not take over as the file stood. A file read with
// losses must not be written over without asking: its next save would write
// the reduced data.
struct DateiLeseBericht {
    int KopfFormatNr = 0;               // the format number the header names (0: no header)
    bool Leer = false;                  // the file holds nothing but blanks and line ends
    int UnlesbareZeilen = 0;            // lines that could not be used, completely or in part
    std::vector<int> UnlesbareZeilenNr; // the numbers (from 1) of the first of them
    std::vector<std::string> Hinweise;  // what the reading repaired or found amiss, in German
    std::vector<GespeichertesErgebnis> Ergebnisse; // the result lines, in file order
    bool Verluste() const { return UnlesbareZeilen > 0 || !Hinweise.empty(); }
};
// How many line numbers the report keeps.
inline constexpr std::size_t LeseBerichtMaxZeilenNr = 10;

// Reads the file into a new competition stored in comp (the caller has
// disposed of any previous one). Returns LadenOk; LadenFormatUnbekannt or
// LadenOhneKennung when the file is no competition file this program can
// read (what could be read is in comp all the same, read as format 1; the
// caller refuses it); LadenDateiFehler, with comp nil and the reason in Grund
// (when given), when the file cannot be read at all. The report (when given)
// says which lines could not be used.
int DatenWettbewerbLoad(WettbewerbTyp*& comp, const std::string& FileName, std::string* Grund = nullptr,
                        DateiLeseBericht* Bericht = nullptr);
// The same for the bytes of a file already in memory. FileName (may be empty)
// is remembered as the competition's file.
int DatenWettbewerbLesen(WettbewerbTyp*& comp, std::string_view Bytes, const std::string& FileName,
                         DateiLeseBericht* Bericht = nullptr);

// Why a result of the reading refuses the file (German), empty for LadenOk.
std::string LadenFehlerText(int Ergebnis, const DateiLeseBericht& Bericht, const std::string& Grund = {});
// The losses of a reading in German ("3 Zeilen konnten nicht gelesen werden
// (Zeilen 5, 8, 12)." and the repairs), empty when there were none.
std::string LeseBerichtText(const DateiLeseBericht& Bericht);
// The same as single lines.
std::vector<std::string> LeseBerichtZeilen(const DateiLeseBericht& Bericht);

// Applies one parameter line.
void DatenWettbewerbParse(WettbewerbTyp* comp, std::string_view Key, std::string_view Value, int FormatNr);

// Line generator of the parameter lines: each call gives the next line, "-"
// for a line that is not written in this format, an empty text at the end.
void InitWettbewerbsDaten();
std::string GetNextWettbewerbsDaten(const WettbewerbTyp* comp, int FormatNr);

// The header line of a format as this program writes it ("… - Format 3.1").
std::string DateiKopfzeile(int FormatNr);
// The version after the format number of a header line's key ("Format 3.1"
// gives 1; "Format 3.0", "Format 3" and a header without "Format" give 0).
int GetFileFormatUnterNr(std::string_view Key);
// Every line of the competition in format FormatNr, in file order, as text,
// the closing line included. Results are computed first when the competition
// asks for it (CalcWertung), so that the result lines are current.
std::vector<std::string> DatenWettbewerbZeilen(WettbewerbTyp* comp, int FormatNr);
// The whole file as bytes (Windows-1252 or DOS bytes, CR LF after every line).
// ZeichenErsetzt tells whether bytes that are no UTF-8 had to be written as "?"
// (characters outside Windows-1252 are written as "&#N;").
std::string DatenWettbewerbText(WettbewerbTyp* comp, int FormatNr, bool& ZeichenErsetzt);

// Outcome of a save.
struct DateiSpeicherErgebnis {
    bool Ok = false;                  // the file was written completely
    std::string Grund;                // why not (German), when !Ok
    bool ZeichenErsetzt = false;      // bytes that are no UTF-8 were written as "?"
    std::vector<std::string> Hinweise; // things that went wrong beside the file itself (backup, parallel copy)
    // SaveAllWettbewerb only: the query's status (6 done, 5 "Programm fortsetzen").
    int Status = 6;
    bool Abgebrochen = false; // the user chose to go on with the program
    bool Gespeichert = false; // a save was attempted
    bool SicherungFehlt = false; // not saved because the previous version could not be kept as ".bak"
    DateiStand Stand;            // the file as written, when Ok
};

// How a save goes about the parallel copy and the backup.
struct SpeicherOptionen {
    // Write the parallel copy when it is switched on, its folder exists and
    // the user confirmed it for this competition file on this machine.
    bool ParallelKopie = true;
    // The user agreed that the parallel copy replaces a file there that is
    // no competition file (otherwise such a file is left alone).
    bool ParallelFremdeArtErlaubt = false;
    // Replace the file although its previous version cannot be kept as ".bak".
    bool OhneSicherung = false;
};

// Writes the competition to FileName in format FormatNr (1..3), keeping the
// previous file as ".bak" and, when switched on and confirmed, writing the
// parallel copy. On success `modified` becomes false. On failure the previous
// file is untouched, `modified` stays as it was and the result says why; a
// save whose previous version cannot be kept as ".bak" fails
// (SicherungFehlt) unless Optionen.OhneSicherung.
DateiSpeicherErgebnis DatenWettbewerbSave(WettbewerbTyp* comp, const std::string& FileName, int FormatNr,
                                          bool MitParallelKopie = true);
DateiSpeicherErgebnis DatenWettbewerbSave(WettbewerbTyp* comp, const std::string& FileName, int FormatNr,
                                          const SpeicherOptionen& Optionen);

// The text to show the user after a save: the reason of a failure, the
// replaced characters, the notes; empty when there is nothing to say.
std::string SpeicherErgebnisText(const DateiSpeicherErgebnis& Ergebnis);

// Asks whether the modified competition shall be saved (save query hook) and
// saves it when asked to. Status 6 when it was not modified; 5 when the user
// chose to go on with the program.
DateiSpeicherErgebnis SaveAllWettbewerb(WettbewerbTyp* comp);

// A file name (no folder, no extension) made from the competition name.
std::string GetDefaultWettbewerbsFileName(const WettbewerbTyp* comp);

// Name of the backup file of a competition file ("x.wtb" gives "x.bak") and
// the n-th history name of a parallel copy ("x.wtb", 3 gives "x_0003.wtb").
std::string BackupDateiName(const std::string& FileName);
std::string HistorienDateiName(const std::string& FileName, int Nr);

} // namespace tavuran
