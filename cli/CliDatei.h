// What the file commands of tavuran-cli share: loading a competition file
// with a German message on failure, and showing the model's messages on the
// error stream.
#pragma once

#include <iosfwd>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/DatenTypen.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace tavuran::cli {

// Messages and warnings of the model go to `err` as "Hinweis: ..." lines
// while this object lives; questions are answered "Nein".
class MeldungenAufStderr {
  public:
    explicit MeldungenAufStderr(std::ostream& err);
    ~MeldungenAufStderr();
    MeldungenAufStderr(const MeldungenAufStderr&) = delete;
    MeldungenAufStderr& operator=(const MeldungenAufStderr&) = delete;
};

// Loads a competition file. On failure writes the reason to `err`, leaves
// comp nil and returns false; a file without the header of a competition
// file or with an unsupported format number is a failure too. Lines that
// could not be read are shown on `err` as notes and kept in the report.
bool WettbewerbLaden(const std::string& Datei, WettbewerbTyp*& comp, std::ostream& err,
                     DateiLeseBericht* Bericht = nullptr);

// Frees the competition held in w when it goes out of scope (w may be
// replaced meanwhile; the one held at the end is freed).
struct WettbewerbFreigabe {
    WettbewerbTyp*& w;
    ~WettbewerbFreigabe();
};

// Saves the competition in its own format to Ziel (the old file kept as
// ".bak", no parallel copy) and frees it. Prints the notes of the save to
// `err` and "Gespeichert: Ziel" to `out`; returns 0, or 1 with the reason on
// `err` when the file could not be written.
int WettbewerbSpeichernUndFreigeben(WettbewerbTyp*& comp, const std::string& Ziel, std::ostream& out,
                                    std::ostream& err);

// A command that writes a competition file refuses one the reader called
// damaged when it would write over it: the next save would keep only what
// could be read. The way on is --aus to another file or --trotz-schaden.
// True when the command may go on; otherwise the reason is on `err`.
bool SchadenErlaubtSchreiben(const DateiLeseBericht& Bericht, const std::string& Datei, const std::string& Ziel,
                             bool TrotzSchaden, std::ostream& err);
// A command that only reads (results, lists, exports) refuses a damaged file
// unless --trotz-schaden, so that nothing is published from half a file.
bool SchadenErlaubtLesen(const DateiLeseBericht& Bericht, const std::string& Datei, bool TrotzSchaden,
                         std::ostream& err);
// A competition file that a window (or another program) holds open is not
// written unless --trotz-sperre.
bool SperreErlaubt(const std::string& Ziel, bool TrotzSperre, std::ostream& err);
// No command writes over one of its inputs (hard and symbolic links count).
bool AusgabeErlaubt(const std::string& Ziel, std::initializer_list<std::string> Eingaben, std::ostream& err);

// The options a command knows: switches that set a flag, and options that
// take the next word as their value.
struct OptionenTabelle {
    std::vector<std::pair<const char*, bool*>> Schalter;
    std::vector<std::pair<const char*, std::optional<std::string>*>> Werte;
};

// Reads the arguments of a command: known options into the table, every
// other word into Woerter in order. An unknown option ("Unbekannte Option: …")
// or an option without its value ("Nach … fehlt ein Wert.") is a wrong call:
// the reason goes to `err` and the result is false. A lone "-" is a word.
bool ArgumenteLesen(const std::vector<std::string>& Args, const OptionenTabelle& Optionen,
                    std::vector<std::string>& Woerter, std::ostream& err);

// Reads a list of preliminary rounds such as "1,3,5" (each within 1..Vorrunden).
// On a wrong entry writes the reason to `err` and returns false.
bool VorrundenListeLesen(const std::string& Text, int Vorrunden, std::vector<int>& Runden, std::ostream& err);

} // namespace tavuran::cli
