// The dialog "Parallele Sicherung": whether every save of the competition
// file also writes a copy to a second place, under which name, and whether
// older copies there are kept as numbered history files. It works on the
// competition it was shown for until that is closed.
#pragma once

#include <QDialog>

#include "core/DatenTypen.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tavuran {

class TSaveParallelForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSaveParallelForm(QWidget* Eltern = nullptr);

    // FormShow: the settings of Wett; without a competition the dialog keeps what it showed.
    void Zeigen(WettbewerbTyp* Wett);
    // Path, "..." and the history box are usable only while parallel saving is on.
    void SaveParallelPathCheckBoxClick();
    // "...": a save dialog preset with the field; the chosen name goes into the field.
    void SelectFileButtonClick();
    // Stores the settings into the competition and hides. A parallel save
    // switched on without a usable file name is told and the dialog stays
    // open with nothing changed (false). The competition is marked modified
    // only when a setting changed.
    bool OkButtonClick();
    void AbbruchButtonClick();
    // The competition is about to be freed: hide and forget it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    QCheckBox* SaveParallelPathCheckBox;
    QCheckBox* SaveParallePathHistoryCheckBox;
    QLineEdit* SaveParallelPathEdit;
    QPushButton* SelectFileButton;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  private:
    // The folder a relative name is taken below: that of the competition file,
    // else the program's standard folder.
    std::string BasisOrdner() const;

    WettbewerbTyp* Wett_ = nullptr;
};

} // namespace tavuran
