// Start numbers: the numbers never to be dealt (kept per user in the settings
// store as "ExcludeStartNr", valid for every competition) and closing up the
// start numbers along the start order of the current round.
#pragma once

#include <string>
#include <vector>

#include "core/DatenTypen.h"
#include "core/Feld.h"

namespace tavuran {

// ------------------------------------------------------ left-out numbers

inline constexpr int MaxAusschlussStartNr = 100;
inline constexpr const char* AusschlussStartNrWert = "ExcludeStartNr";

// The slots: > 0 a left-out number, 0 an empty slot, -1 a slot emptied in the dialog.
Feld<int, 1, MaxAusschlussStartNr>& AusschlussStartNr();
// Reloads the list from the settings store.
void LoadAusschlussStartNr();
// Stores the list in the settings store.
void SaveAusschlussStartNr();
// The stored text: every positive slot in slot order, each followed by ";".
std::string AusschlussStartNrText();
bool IsStartNrAvailable(int StartNr);

// The dialog "Startnummern auslassen" without its window.
class StartNrAuslassenDialog {
  public:
    // On showing: reloads the list and forgets edit field and selection.
    void Zeigen();
    // The edit field's text changed.
    void EditGeaendert(const std::string& Text);
    // An entry of the list was selected (0 = none); the edit field then shows it.
    void ListeGewaehlt(int Nummer);
    void Neu();
    void Aendern();
    void Entfernen();
    // Enter in the edit field: the one enabled button, if exactly one is.
    void Enter();
    void Ok();      // stores the list
    void Abbruch(); // reloads the stored list

    bool NeuAktiv() const;
    bool AendernAktiv() const;
    bool EntfernenAktiv() const;
    std::vector<std::string> Liste() const; // positive slots in slot order
    const std::string& EditText() const { return editText_; }

  private:
    int Anzahl() const;
    void NachAktion();

    std::string editText_;
    int AdresseAusEdit = 0;
    bool EditAdresseGueltig = false;
    int AdresseAusListe = 0;
    bool ListenAdresseGueltig = false;
};

// ------------------------------------------------------ closing up

// Deals 1, 2, 3, ... along the start order of the current round, skipping the
// left-out numbers (the list is reloaded from the settings first).
void StartnummerAufruecken(WettbewerbTyp* WettPtr);
// The same along a given order of participants.
void StartnummernVergeben(WettbewerbTyp* WettPtr, const std::vector<TeilnehmerTyp*>& Reihenfolge);

} // namespace tavuran
