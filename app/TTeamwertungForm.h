// The dialog "Teamwertung konfigurieren": how the team score is formed, one of
// seven modes; "&Ok" stores the mode, and the main window then recomputes and
// shows or hides its team-result tab.
#pragma once

#include <array>

#include <QDialog>

#include "app/WettbewerbBindung.h"
#include "core/DatenTypen.h"
#include "evaluation/Teamwertung.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tavuran {

class TTeamwertungForm : public QDialog {
    Q_OBJECT
  public:
    explicit TTeamwertungForm(QWidget* Eltern = nullptr);

    // Shows the dialog for a competition with its mode checked.
    void Zeigen(WettbewerbTyp* Wett);
    // The main window is about to free a competition: hide and forget it when it is ours.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);
    void OkButtonClick();
    void AbbruchButtonClick();
    // The mode of the checked option.
    int GewaehlterModus() const;
    WettbewerbTyp* WettbewerbPtr() const { return bindung_.Wett(); }

    QGroupBox* BerechnungsmodusGroupBox;
    QRadioButton* TeamwertungKeineRadioButton;
    QRadioButton* TeamwertungErsteZweiRadioButton;
    QRadioButton* TeamwertungErsteDreiRadioButton;
    QRadioButton* TeamwertungBesteZweiRadioButton;
    QRadioButton* TeamwertungBesteDreiRadioButton;
    QRadioButton* TeamwertungMittelwertRadioButton;
    QRadioButton* TeamwertungMittelwertBesteDreiRadioButton;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;
    // The seven options by mode.
    std::array<QRadioButton*, AnzTeamwertungModi> ModusButton{};

  private:
    WettbewerbBindung bindung_;
};

} // namespace tavuran
