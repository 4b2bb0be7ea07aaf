#include "platform/QtUiHooks.h"

#include "platform/Dialoge.h"

namespace tavuran {

void InstallQtUiHooks(const QtUiHooksFenster& Fenster) {
    auto eltern = Fenster.Hauptfenster;
    auto parent = [eltern]() -> QWidget* { return eltern ? eltern() : nullptr; };
    UiHooks h;
    h.StatusBarNeuZeichnen = Fenster.StatusBarNeuZeichnen;
    h.AktuellerWettbewerb = Fenster.AktuellerWettbewerb;
    h.SpeichernAbfrage = Fenster.SpeichernAbfrage;
    h.Meldung = [parent](const std::string& Text) { DialogMeldung(parent(), "", Text); };
    h.Warnung = [parent](const std::string& Titel, const std::string& Text) { DialogWarnung(parent(), Titel, Text); };
    h.Frage = [parent](const std::string& Titel, const std::string& Text, bool MitAbbrechen) {
        switch (DialogFrage(parent(), Titel, Text, MitAbbrechen)) {
        case DialogAntwort::Ja: return UiAntwort::Ja;
        case DialogAntwort::Abbrechen: return UiAntwort::Abbrechen;
        default: return UiAntwort::Nein;
        }
    };
    h.Auswahl = [parent](const std::string& Titel, const std::string& Text, const std::vector<std::string>& Knoepfe) {
        return DialogAuswahl(parent(), Titel, Text, Knoepfe);
    };
    SetUiHooks(h);
}

} // namespace tavuran
