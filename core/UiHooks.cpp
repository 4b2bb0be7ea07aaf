#include "core/UiHooks.h"

namespace tavuran {

namespace {

UiHooks MitDefaults(UiHooks h) {
    if (!h.StatusBarNeuZeichnen) h.StatusBarNeuZeichnen = [] {};
    if (!h.AktuellerWettbewerb) h.AktuellerWettbewerb = []() -> WettbewerbTyp* { return nullptr; };
    if (!h.Meldung) h.Meldung = [](const std::string&) {};
    if (!h.Warnung) h.Warnung = [](const std::string&, const std::string&) {};
    if (!h.Frage) h.Frage = [](const std::string&, const std::string&, bool) { return UiAntwort::Nein; };
    if (!h.Auswahl)
        h.Auswahl = [](const std::string&, const std::string&, const std::vector<std::string>& k) {
            return static_cast<int>(k.size()) - 1;
        };
    if (!h.SpeichernAbfrage) h.SpeichernAbfrage = [](WettbewerbTyp*, bool) { return UiAntwort::Nein; };
    if (!h.Protokoll) h.Protokoll = [](const std::string&) {};
    return h;
}

UiHooks& Installiert() {
    static UiHooks hooks = MitDefaults({});
    return hooks;
}

} // namespace

UiHooks& GetUiHooks() { return Installiert(); }
void SetUiHooks(const UiHooks& hooks) { Installiert() = MitDefaults(hooks); }
void ResetUiHooks() { Installiert() = MitDefaults({}); }

void UiStatusBarNeuZeichnen() { Installiert().StatusBarNeuZeichnen(); }
WettbewerbTyp* UiAktuellerWettbewerb() { return Installiert().AktuellerWettbewerb(); }
void UiMeldung(const std::string& Text) { Installiert().Meldung(Text); }
void UiWarnung(const std::string& Titel, const std::string& Text) { Installiert().Warnung(Titel, Text); }
UiAntwort UiFrage(const std::string& Titel, const std::string& Text, bool MitAbbrechen) {
    return Installiert().Frage(Titel, Text, MitAbbrechen);
}
int UiAuswahl(const std::string& Titel, const std::string& Text, const std::vector<std::string>& Knoepfe) {
    return Installiert().Auswahl(Titel, Text, Knoepfe);
}
UiAntwort UiSpeichernAbfrage(WettbewerbTyp* Wett, bool MehrereOffen) {
    return Installiert().SpeichernAbfrage(Wett, MehrereOffen);
}
void UiProtokoll(const std::string& Zeile) { Installiert().Protokoll(Zeile); }

} // namespace tavuran
