// The one place where the model reaches the user. The program installs
// handlers that show windows; tests install recording ones. Every handler has
// a harmless default, so the model works without a display.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavuran {

struct WettbewerbTyp;

// Answers of the save query "Wettbewerb speichern" and of yes/no questions.
enum class UiAntwort { Ja, Nein, Abbrechen, JaAlle, NeinAlle };

struct UiHooks {
    // The main window's status bar must be redrawn (the modified lamp changed).
    std::function<void()> StatusBarNeuZeichnen;
    // The main window's current competition (nil when none is open).
    std::function<WettbewerbTyp*()> AktuellerWettbewerb;
    // A modal message box with an OK button.
    std::function<void(const std::string& Text)> Meldung;
    // A modal warning with an OK button.
    std::function<void(const std::string& Titel, const std::string& Text)> Warnung;
    // A yes/no (or yes/no/cancel when `MitAbbrechen`) question.
    std::function<UiAntwort(const std::string& Titel, const std::string& Text, bool MitAbbrechen)> Frage;
    // A question with the answers Knoepfe (the last one cancels); the index of the answer.
    std::function<int(const std::string& Titel, const std::string& Text, const std::vector<std::string>& Knoepfe)>
        Auswahl;
    // The save query for one competition; `MehrereOffen` offers the "all" buttons.
    std::function<UiAntwort(WettbewerbTyp* Wett, bool MehrereOffen)> SpeichernAbfrage;
    // One line of the draw's event log.
    std::function<void(const std::string& Zeile)> Protokoll;
};

// The installed hooks. Defaults: no redraw, no current competition, messages
// ignored, questions answered "Nein" (a choice: its last answer), the save
// query answered "Nein", log lines dropped.
UiHooks& GetUiHooks();
// Replaces all hooks; handlers left empty keep their harmless default.
void SetUiHooks(const UiHooks& hooks);
// Restores the defaults.
void ResetUiHooks();

// Convenience calls through the installed hooks.
void UiStatusBarNeuZeichnen();
WettbewerbTyp* UiAktuellerWettbewerb();
void UiMeldung(const std::string& Text);
void UiWarnung(const std::string& Titel, const std::string& Text);
UiAntwort UiFrage(const std::string& Titel, const std::string& Text, bool MitAbbrechen = false);
int UiAuswahl(const std::string& Titel, const std::string& Text, const std::vector<std::string>& Knoepfe);
UiAntwort UiSpeichernAbfrage(WettbewerbTyp* Wett, bool MehrereOffen);
void UiProtokoll(const std::string& Zeile);

} // namespace tavuran
