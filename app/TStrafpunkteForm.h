// The dialog "Strafpunkte vergeben": whole penalty points per participant for
// the round it was opened for, typed into the fifth column of the
// participant list; "Ok" writes them into the participants' entries.
#pragma once

#include <vector>

#include "app/TRundenDialog.h"
#include "core/DatenTypen.h"
#include "evaluation/Refly.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavuran {

class TStrafpunkteForm : public TRundenDialog {
    Q_OBJECT
  public:
    explicit TStrafpunkteForm(QWidget* Eltern = nullptr);

    // Shows the dialog for the bound competition's current round.
    void Zeigen();

    void OkButtonClick();
    void AbbruchButtonClick();

    // The rows of the list with their penalty texts.
    std::vector<StrafpunkteZeile> StrafpunkteListe() const;

    QTableWidget* TeilnehmerStringGrid;
    QLabel* TeilnehmerPanel;
    // Why "Ok" did not take the list: a penalty text that was not understood.
    QLabel* MeldungLabel;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;
};

} // namespace tavuran
