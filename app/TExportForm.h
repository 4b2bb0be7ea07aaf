// The dialog "Wettbewerbsergebnis als CSV-Exceldatei exportieren": options,
// the file name and a preview that holds exactly the cells the file will
// contain. It works on the competition it was shown for until that is closed.
#pragma once

#include <string>

#include <QDialog>

#include "core/DatenTypen.h"
#include "exchange/CsvExport.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavuran {

class TExportForm : public QDialog {
    Q_OBJECT
  public:
    explicit TExportForm(QWidget* Eltern = nullptr);

    // FormShow: file name from the competition, the partial-rating option, the preview.
    void Zeigen(WettbewerbTyp* Wett);
    // Rebuilds the preview from the options.
    void ErgebnisExcelPreview();
    // "ändern": a save dialog; the chosen name is shown and used.
    void DateiNameButtonClick();
    // Leaving the name field takes the typed name and rebuilds the preview.
    void DateinameEditExit();
    // "E&xport": writes the file and hides; on failure says why and stays.
    bool ErzeugeButtonClick();
    // "A&bbruch".
    void OkButtonClick();
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    CsvOptionen Optionen() const;
    const std::string& DateiName() const { return DateiNameStr; }

    QCheckBox* NurJugendCheckBox;
    QCheckBox* NationCheckBox;
    QCheckBox* BundeslandCheckBox;
    QCheckBox* BezirkCheckBox;
    QCheckBox* RohpunkteCheckBox;
    QCheckBox* ByTeilwertungCheckBox;
    QCheckBox* WettOrgaLeiterCheckBox;
    QCheckBox* PunktrichterCheckBox;
    QCheckBox* WettbewerbsdatenCheckBox;
    // Windows-1252 instead of UTF-8 for older programs; not part of the preview.
    QCheckBox* Windows1252CheckBox;
    QLineEdit* DateinameEdit;
    QPushButton* DateiNameButton;
    QPushButton* ErzeugeButton;
    QPushButton* AbbruchButton;
    QTableWidget* PreViewStringGrid;

  private:
    WettbewerbTyp* Wett_ = nullptr;
    std::string DateiNameStr;
    // The name the user picked in the file dialog (empty when none).
    std::string gewaehlt_;
    CsvTabelle tabelle_;
};

} // namespace tavuran
