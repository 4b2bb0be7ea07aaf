// Paths that come from a competition file: its parallel copy, its HTML pages
// and the sub-competitions of an overall ranking are the file's wishes,
// written by whoever made the file. They are written (or read) only after the
// user chose or confirmed them on this machine for this competition file, and
// a file of another kind is never replaced without asking (a parallel copy
// replaces only a competition file, an HTML export only an HTML page).
//
// The confirmed pairs (competition file, kind, target) are kept in the
// per-user settings store, below the key "Freigaben".
#pragma once

#include <string>
#include <vector>

namespace tavuran {

// What a competition file wishes to do with a path.
enum class WunschArt { Parallelkopie, HtmlErgebnis, HtmlMeldung, HtmlStartliste, HtmlTeamergebnis, Teilwettbewerb };

// What lies at a path (read from its first bytes; only regular files are read).
enum class DateiArt { Fehlt, Wettbewerb, HtmlSeite, Andere, Sonderdatei };
DateiArt DateiArtErmitteln(const std::string& Datei);

// Where the target of a write comes from.
enum class ZielHerkunft {
    Dialog,    // the user picked it in a file dialog just now (the dialog asked before replacing)
    Datei,     // the competition file names it
    Vorschlag, // the program proposed it (made from the competition's own name)
};

// Whether the user confirmed Ziel for that use by this competition file.
bool WunschFreigegeben(const std::string& WettDatei, WunschArt Art, const std::string& Ziel);
// Remembers the confirmation.
void WunschFreigeben(const std::string& WettDatei, WunschArt Art, const std::string& Ziel);
// The confirmations of Von also hold for Nach (the competition saved under a
// new name keeps what the user confirmed for it).
void WunschFreigabenUebertragen(const std::string& Von, const std::string& Nach);

// The question that names the target: "Dieser Wettbewerb möchte seine
// Parallelkopie nach „…“ schreiben. Zulassen?".
std::string WunschFrage(WunschArt Art, const std::string& Ziel);
// The question before a file of another kind is replaced; empty when the
// kind fits (or nothing is there).
std::string ArtFrage(WunschArt Art, const std::string& Ziel, DateiArt Vorhanden);

// What has to happen before Ziel is written (or read, for Teilwettbewerb).
struct WunschPruefung {
    bool Ablehnen = false;           // never: Grund says why (no regular file)
    std::string Grund;
    std::vector<std::string> Fragen; // to be answered "Ja" in this order; none: go on
    bool Freigeben = false;          // a "Ja" to the first question confirms the pair
};
WunschPruefung WunschPruefen(const std::string& WettDatei, WunschArt Art, const std::string& Ziel,
                             ZielHerkunft Herkunft);

// Asks the questions of WunschPruefen through the hooks (a refusal is shown
// as a warning) and remembers the confirmation. True when Ziel may be used.
bool WunschErlauben(const std::string& WettDatei, WunschArt Art, const std::string& Ziel, ZielHerkunft Herkunft);

// The sub-competitions of an overall ranking that may be read: for each
// round (index r - 1) whether its file may be read. Files not yet confirmed
// are named in one question; "Ja" confirms them all.
std::vector<bool> TeilwettbewerbeErlauben(const std::string& WettDatei, const std::vector<std::string>& Dateien);

} // namespace tavuran
