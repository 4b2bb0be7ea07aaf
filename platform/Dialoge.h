// Modal message boxes and the file dialogs, with German captions. The file
// dialogs take their filters in the form "Text|Muster|Text|Muster" and report
// which filter (from 1) was chosen. Test programs can answer the file dialogs
// themselves by installing a handler.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tavuran {

// Message boxes. `Titel` empty gives the program name as title.
void DialogMeldung(QWidget* Eltern, const std::string& Titel, const std::string& Text);
void DialogWarnung(QWidget* Eltern, const std::string& Titel, const std::string& Text);

enum class DialogAntwort { Ja, Nein, Abbrechen };
// "&Ja" / "&Nein" (and "&Abbrechen" when MitAbbrechen).
DialogAntwort DialogFrage(QWidget* Eltern, const std::string& Titel, const std::string& Text, bool MitAbbrechen);

// A question with its own answers (the last one cancels, also on Escape);
// the index of the answer given.
int DialogAuswahl(QWidget* Eltern, const std::string& Titel, const std::string& Text,
                  const std::vector<std::string>& Knoepfe);

struct DateiDialogAnfrage {
    bool Sichern = false;          // save dialog (asks before overwriting) or open dialog (file must exist)
    std::string Titel;
    std::string Filter;            // "Text|Muster|Text|Muster..."
    std::string StartOrdner;       // folder to start in (may be empty)
    std::string StartName;         // file name preset (may be a pattern such as "*.wtb")
};

struct DateiDialogErgebnis {
    bool Ok = false;
    std::string Datei;      // the chosen file with its folder
    int FilterIndex = 1;    // 1-based index of the chosen filter
};

DateiDialogErgebnis DateiDialog(QWidget* Eltern, const DateiDialogAnfrage& Anfrage);

// A handler replaces the dialog (empty function: the dialog again).
using DateiDialogHandler = std::function<DateiDialogErgebnis(const DateiDialogAnfrage&)>;
void SetDateiDialogHandler(DateiDialogHandler Handler);

// The Qt filter list of a "Text|Muster|..." filter (for tests).
std::string QtFilterAus(const std::string& Filter);

// The program's name as shown in window titles.
inline constexpr const char* ProgrammTitel = "Tavuran";

} // namespace tavuran
