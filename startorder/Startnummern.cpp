#include "startorder/Startnummern.h"

#include "core/DatenWettbewerb.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran {

// ------------------------------------------------------ left-out numbers

Feld<int, 1, MaxAusschlussStartNr>& AusschlussStartNr() {
    static Feld<int, 1, MaxAusschlussStartNr> slots{};
    return slots;
}

void LoadAusschlussStartNr() {
    auto& slots = AusschlussStartNr();
    slots.fill(0);
    std::string text = L_REGIST_GetStringValue(AusschlussStartNrWert, "");
    int naechster = 1;
    while (!text.empty()) {
        const std::string stueck = L_STR_GetStrUntilChar(text, U';');
        text = L_STR_Unblank(L_STR_GetStrAfterChar(text, U';'));
        const int wert = L_STR_CnvStrToInteger(stueck);
        if (wert > 0 && naechster <= MaxAusschlussStartNr) slots[naechster++] = wert;
    }
}

std::string AusschlussStartNrText() {
    std::string text;
    for (int v : AusschlussStartNr())
        if (v > 0) text += StrInt(v) + ";";
    return text;
}

void SaveAusschlussStartNr() { L_REGIST_SetStringValue(AusschlussStartNrWert, "", AusschlussStartNrText()); }

bool IsStartNrAvailable(int StartNr) {
    for (int v : AusschlussStartNr())
        if (v > 0 && v == StartNr) return false;
    return true;
}

// ------------------------------------------------------ the dialog's logic

void StartNrAuslassenDialog::Zeigen() {
    LoadAusschlussStartNr();
    AdresseAusListe = 0;
    ListenAdresseGueltig = false;
    AdresseAusEdit = 0;
    EditAdresseGueltig = false;
    editText_.clear();
}

void StartNrAuslassenDialog::EditGeaendert(const std::string& Text) {
    editText_ = Text;
    EditAdresseGueltig = false;
    AdresseAusEdit = 0;
    const int v = L_STR_CnvStrToInteger(L_STR_Unblank(L_STR_Upcase(editText_)));
    if (v > 0 && IsStartNrAvailable(v)) {
        EditAdresseGueltig = true;
        AdresseAusEdit = v;
    }
}

void StartNrAuslassenDialog::ListeGewaehlt(int Nummer) {
    AdresseAusListe = Nummer;
    ListenAdresseGueltig = Nummer != 0;
    if (ListenAdresseGueltig) editText_ = StrInt(Nummer);
    EditGeaendert(editText_);
}

int StartNrAuslassenDialog::Anzahl() const {
    int k = 0;
    for (int v : AusschlussStartNr())
        if (v > 0) ++k;
    return k;
}

bool StartNrAuslassenDialog::NeuAktiv() const { return EditAdresseGueltig && Anzahl() < MaxAusschlussStartNr; }
bool StartNrAuslassenDialog::AendernAktiv() const { return EditAdresseGueltig && ListenAdresseGueltig; }
bool StartNrAuslassenDialog::EntfernenAktiv() const { return ListenAdresseGueltig && Anzahl() > 0; }

void StartNrAuslassenDialog::NachAktion() {
    // The list is redrawn, which loses its selection; the edit field is evaluated again.
    EditGeaendert(editText_);
    ListenAdresseGueltig = false;
    AdresseAusListe = 0;
}

void StartNrAuslassenDialog::Neu() {
    if (!NeuAktiv()) return;
    for (int& v : AusschlussStartNr())
        if (v <= 0) {
            v = AdresseAusEdit;
            break;
        }
    NachAktion();
}

void StartNrAuslassenDialog::Aendern() {
    if (!AendernAktiv()) return;
    for (int& v : AusschlussStartNr())
        if (v == AdresseAusListe) {
            v = AdresseAusEdit;
            break;
        }
    NachAktion();
}

void StartNrAuslassenDialog::Entfernen() {
    if (!EntfernenAktiv()) return;
    for (int& v : AusschlussStartNr())
        if (v == AdresseAusListe) v = -1;
    NachAktion();
}

void StartNrAuslassenDialog::Enter() {
    const int aktiv = int(NeuAktiv()) + int(AendernAktiv()) + int(EntfernenAktiv());
    if (aktiv != 1) return;
    if (NeuAktiv())
        Neu();
    else if (AendernAktiv())
        Aendern();
    else
        Entfernen();
}

void StartNrAuslassenDialog::Ok() { SaveAusschlussStartNr(); }
void StartNrAuslassenDialog::Abbruch() { LoadAusschlussStartNr(); }

std::vector<std::string> StartNrAuslassenDialog::Liste() const {
    std::vector<std::string> liste;
    for (int v : AusschlussStartNr())
        if (v > 0) liste.push_back(StrInt(v));
    return liste;
}

// ------------------------------------------------------ closing up

void StartnummernVergeben(WettbewerbTyp* WettPtr, const std::vector<TeilnehmerTyp*>& Reihenfolge) {
    if (!WettPtr) return;
    int n = 0;
    bool geaendert = false;
    for (TeilnehmerTyp* t : Reihenfolge) {
        if (t->EdvNr <= 0) continue;
        do {
            ++n;
        } while (!IsStartNrAvailable(n));
        if (t->StartNr != n) {
            t->StartNr = n;
            geaendert = true;
        }
    }
    if (!geaendert) return;
    SetWettbewerbModified(WettPtr);
    if (const auto& neu = GetStartreihenfolgeAnzeige().HauptfensterNeuZeichnen) neu();
}

void StartnummerAufruecken(WettbewerbTyp* WettPtr) {
    if (!WettPtr) return;
    LoadAusschlussStartNr();
    // The start order of the current round; rebuilt here so that it is never stale.
    SortTeilnehmerGruppe(WettPtr);
    std::vector<TeilnehmerTyp*> reihenfolge;
    for (TeilnehmerTyp* t = WettPtr->TeilnehmerGruppeRootPtr; t; t = t->nextGruppe) reihenfolge.push_back(t);
    StartnummernVergeben(WettPtr, reihenfolge);
}

} // namespace tavuran
