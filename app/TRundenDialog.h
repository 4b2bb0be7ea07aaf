// What the reflight and penalty dialogs share: a modeless dialog that works on
// one round of one competition. It is bound to the competition by the main
// window, takes the competition's current round when shown and keeps that
// round until it closes; before it writes back it makes sure that the
// competition is still the main window's and that its rounds were not added
// or removed meanwhile.
#pragma once

#include <string>

#include <QDialog>

#include "app/WettbewerbBindung.h"
#include "core/DatenTypen.h"

namespace tavuran {

class TRundenDialog : public QDialog {
    Q_OBJECT
  public:
    // Binds the competition and remembers the position (the given one + 150, + 100).
    void SetWinPosAndWettbewerb(WettbewerbTyp* WettPtr, int xPos, int yPos);
    // The main window is about to free a competition: hide and forget it when it is ours.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);
    WettbewerbTyp* WettbewerbPtr() const { return bindung_.Wett(); }
    int AktDurchgangNr() const { return bindung_.DurchgangNr(); }

  protected:
    TRundenDialog(QWidget* Eltern, const char* Titel, std::string MeldungRundenGeaendert);
    // Binds the competition's current round and places the dialog with the
    // given client size at the remembered position; nil without a competition.
    WettbewerbTyp* RundeBinden(int Breite, int Hoehe);
    // The competition "Ok" may write into: nil when it is no longer the
    // current one or (with a message) when its rounds were changed.
    WettbewerbTyp* SchreibbarerWettbewerb() const;
    // A start-order draw is running and files the participants into groups:
    // says so; "Ok" then waits, the dialog stays open.
    bool AuszaehlungLaeuft() const;
    // Shows the filled dialog in front.
    void Vorne();

  private:
    WettbewerbBindung bindung_;
    std::string meldungRundenGeaendert_;
    int xPosWin = 150;
    int yPosWin = 100;
};

} // namespace tavuran
