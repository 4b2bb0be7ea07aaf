// The dialog "Etiketten Drucken": paper, the printer's non-printable margins,
// the two scale factors and three label formats on tabs, and the two options
// of the label print. "Ok" stores the values and hands format and options on
// through the signal Bestaetigt; "Abbruch" stores nothing.
#pragma once

#include <QDialog>

#include "reports/Etikett.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace tavuran {

class TEtikettForm : public QDialog {
    Q_OBJECT
  public:
    explicit TEtikettForm(QWidget* Eltern = nullptr);

    // FormShow: defaults, then the stored values, shown for the stored format.
    void Zeigen();
    // A tab was chosen: its stored format is shown.
    void EtikettFormTabControlChange();
    // Reads and checks every field. A fault is told and the dialog stays
    // open with nothing stored (false); otherwise the values are stored, the
    // dialog hides and Bestaetigt is sent (true).
    bool OkButtonClick();
    void AbbruchButtonClick();

    // The column count of the checked button "1- reihig" … "6 - reihig".
    int GetAnzahlSpalten() const;
    // The texts of the fields as they stand.
    EtikettFelder Felder() const;
    EtikettOptionen Optionen() const;
    // The format as read when the dialog was shown, or as last confirmed.
    const FormatTyp& Format() const { return Format_; }

    QLineEdit* PapierbreiteEdit;
    QLineEdit* PapierhoeheEdit;
    QLineEdit* xFaktorEdit;
    QLineEdit* yFaktorEdit;
    QLineEdit* ObererSperrbereichEdit;
    QLineEdit* UntererSperrbereichEdit;
    QLineEdit* LinkerSperrbereichEdit;
    QLineEdit* RechterSperrbereichEdit;
    QTabBar* EtikettFormTabControl;
    QLineEdit* BreiteEdit;
    QLineEdit* HoeheEdit;
    QLineEdit* LinkerBlattRandEdit;
    QLineEdit* ObererBlattRandEdit;
    QLineEdit* RechterAbstandEdit;
    QLineEdit* UntererAbstandEdit;
    QRadioButton* SpaltenRadioButton[6]; // "1- reihig" … "6 - reihig"
    QCheckBox* KanaeleKleinCheckBox;
    QCheckBox* StartnummernHervorhebenCheckBox;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  signals:
    void Bestaetigt(const tavuran::FormatTyp& Format, const tavuran::EtikettOptionen& Optionen);

  private:
    // Shows the format of tab Format_.AktFormat; the fields of paper, factors
    // and margins only when MitPapier.
    void ShowFormat(bool MitPapier);
    void TabsBeschriften();

    FormatTyp Format_;
};

} // namespace tavuran
