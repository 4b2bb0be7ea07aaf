// The dialog "Startnummern auslassen": the start numbers never to be dealt,
// kept per user in the settings and valid for every competition. Only "&Ok"
// stores the list; "&Abbruch" and every showing reload it.
#pragma once

#include <QDialog>

#include "startorder/Startnummern.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavuran {

class TStartNrForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStartNrForm(QWidget* Eltern = nullptr);

    void SetWinPosOfMainForm(int PosLeft, int PosTop, int PosWidth, int PosHeight);
    // Reloads the list and shows the dialog beside the main window.
    void Zeigen();
    void NeuClick();
    void AendernClick();
    void EntfernenClick();
    void OkClick();
    void AbbruchClick();
    // Enter in the edit field: the one enabled button, if exactly one is.
    void AdressEditKeyPress();

    QListWidget* AdressListBox;
    QLineEdit* AdressEdit;
    QPushButton* NeuButton;
    QPushButton* AendernButton;
    QPushButton* EntfernenButton;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    void RedrawListBox();
    void RedrawButtons();
    StartNrAuslassenDialog dialog_;
    int MainFormPosLeft = 0, MainFormPosTop = 0, MainFormPosWidth = 0, MainFormPosHeight = 0;
    bool zeichnet_ = false;
};

} // namespace tavuran
