// The dialog "Strafpunkte vergeben": whole penalty points per participant for
// the round it was opened for, typed into the fifth column of the
// participant list; "Ok" writes them into the participants' entries.
#pragma once

#include <vector>

#include <QDialog>

#include "app/WettbewerbBindung.h"
#include "core/DatenTypen.h"
#include "evaluation/Refly.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavuran {

class TStrafpunkteForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStrafpunkteForm(QWidget* Eltern = nullptr);

    // Binds the competition and remembers the position (the given one + 150, + 100).
    void SetWinPosAndWettbewerb(WettbewerbTyp* WettPtr, int xPos, int yPos);
    // Shows the dialog for the bound competition's current round.
    void Zeigen();
    // The main window is about to free a competition: hide and forget it when it is ours.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    void OkButtonClick();
    void AbbruchButtonClick();

    // The rows of the list with their penalty texts.
    std::vector<StrafpunkteZeile> StrafpunkteListe() const;
    WettbewerbTyp* WettbewerbPtr() const { return bindung_.Wett(); }
    int AktDurchgangNr() const { return bindung_.DurchgangNr(); }

    QTableWidget* TeilnehmerStringGrid;
    QLabel* TeilnehmerPanel;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  private:
    WettbewerbBindung bindung_;
    int xPosWin = 150;
    int yPosWin = 100;
};

} // namespace tavuran
