// The window of the progress warning "WARNUNG": shown before a function changes what may
// already have been printed, communicated or flown. The function goes on only
// through "Ok"; "Abbruch" leaves everything as it was.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "core/DatenTypen.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tavuran {

class TWarnStartNrForm : public QDialog {
    Q_OBJECT
  public:
    explicit TWarnStartNrForm(QWidget* Eltern = nullptr);

    // Remembers the asking function's progress state; true when the warning is due.
    bool FormCheckShow(WettbewerbTyp* WettbewerbPtr, int NewState, int CriticalState);
    void SetCallingFkt(int CallFkt);
    // Fills the text for the current competition and shows the window (modeless).
    void Zeigen();
    void OkButtonClick();
    void AbbruchButtonClick();

    // The text lines as drawn: (top, text).
    const std::vector<std::pair<int, std::string>>& Zeilen() const { return zeilen_; }
    bool Rot() const { return rot_; }

    QPushButton* OkButton;
    QPushButton* AbbruchButton;
    QRadioButton* SkipRadioButton;
    QRadioButton* SkipLevelRadioButton;
    QRadioButton* ShowRadioButton;

  private:
    void UpdateWarningLevel();
    void Zeichnen();
    QLabel* bild_;
    std::vector<std::pair<int, std::string>> zeilen_;
    bool rot_ = false;
};

} // namespace tavuran
