// The round import dialog "Wettbewerbsergebnis als Durchgang importieren":
// the user picks the round of the overall ranking that takes the partial
// ratings of the chosen competition file.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "core/DatenTypen.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavuran {

class TDurchgangImportForm : public QDialog {
    Q_OBJECT
  public:
    // NachImport recomputes and repaints the main window after an import.
    explicit TDurchgangImportForm(std::function<void()> NachImport, QWidget* Eltern = nullptr);

    void SetDurchgImportWettbewerb(WettbewerbTyp* WettPtr, const std::string& ImportDateiName);
    void FormShow();
    // Imports into the selected round; a refusal is shown and the dialog stays open.
    void OkButtonClick();
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    QLineEdit* DateiEdit;
    QGroupBox* DurchgangGroupBox;
    QRadioButton* DurchgangButton[MaxAnzeigeDurchgaenge];
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  private:
    std::function<void()> nachImport_;
    WettbewerbTyp* WettbewerbPtr = nullptr;
    std::string ImportFileName;
};

} // namespace tavuran
