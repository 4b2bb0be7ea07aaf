#include "app/TRundenDialog.h"

#include "app/TMainForm.h"
#include "core/UiHooks.h"
#include "startorder/StartreihenfolgeLauf.h"

namespace tavuran {

TRundenDialog::TRundenDialog(QWidget* Eltern, const char* Titel, std::string MeldungRundenGeaendert)
    : QDialog(Eltern), meldungRundenGeaendert_(std::move(MeldungRundenGeaendert)) {
    setWindowTitle(Titel);
    setModal(false);
}

void TRundenDialog::SetWinPosAndWettbewerb(WettbewerbTyp* WettPtr, int xPos, int yPos) {
    bindung_.Binden(WettPtr, WettPtr ? WettPtr->DurchgangNr : 1);
    xPosWin = xPos + 150;
    yPosWin = yPos + 100;
}

void TRundenDialog::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (!Wett || Wett != bindung_.Wett()) return;
    bindung_.Loesen();
    hide();
}

WettbewerbTyp* TRundenDialog::RundeBinden(int Breite, int Hoehe) {
    WettbewerbTyp* w = bindung_.Wett();
    if (!w) return nullptr;
    bindung_.Binden(w, w->DurchgangNr);
    move(xPosWin, yPosWin);
    resize(Breite, Hoehe);
    return w;
}

WettbewerbTyp* TRundenDialog::SchreibbarerWettbewerb() const {
    if (!bindung_.IstAktuell(GetAktWettPtr())) return nullptr;
    if (bindung_.RundenGeaendert()) {
        UiMeldung(meldungRundenGeaendert_);
        return nullptr;
    }
    return bindung_.Wett();
}

bool TRundenDialog::AuszaehlungLaeuft() const {
    if (GetSortierState() == SortStateIdle) return false;
    UiMeldung("Die Startreihenfolge wird gerade ausgezählt.\n"
              "Die Änderungen können erst nach dem Ende der Auszählung übernommen werden.");
    return true;
}

void TRundenDialog::Vorne() {
    show();
    raise();
    activateWindow();
}

} // namespace tavuran
