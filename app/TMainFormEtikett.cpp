// The main window's label dialog "Etiketten Drucken" and its dialog
// "Parallele Sicherung" (menu "&Datei").
#include "app/TEtikettForm.h"
#include "app/TMainForm.h"
#include "app/TSaveParallelForm.h"

namespace tavuran {

void TMainForm::EtikettSicherungAufbauen() {
    etikettForm_ = new TEtikettForm(this);
    saveParallelForm_ = new TSaveParallelForm(this);
    connect(this, &TMainForm::WettbewerbSchliesst, saveParallelForm_,
            &TSaveParallelForm::WettbewerbSchliesst);
}

void TMainForm::SaveParallelFktClick() {
    saveParallelForm_->Zeigen(WettPtr);
}

void TMainForm::EtikettDialogZeigen() {
    if (!StartreihenfolgePruefenFuerAusgabe()) return;
    etikettForm_->Zeigen();
}

} // namespace tavuran
