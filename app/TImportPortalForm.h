// The registration import dialog: shows the portal's CSV download in a
// preview (the lines that cannot be read marked red, with their reason) and
// merges it into the competition, with or without the competition's own data.
// After the import the report tells what was done.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "core/DatenTypen.h"
#include "exchange/ImportPortal.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tavuran {

class TImportPortalForm : public QDialog {
    Q_OBJECT
  public:
    // NachImport recomputes and repaints the main window after an import.
    explicit TImportPortalForm(std::function<void()> NachImport, QWidget* Eltern = nullptr);

    void SetWettbewerb(WettbewerbTyp* WettPtr);
    // Chooses the first file (the newest download, else the last used) and shows the dialog.
    void FormShow();
    // The competition is about to be freed: hide and forget it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    void SetNewFileName(const std::string& Name);
    void SelectFileNameButtonClick();
    void Import(bool MitWettbewerb);

    const std::string& DefaultFileName() const { return DefaultFileNameStr; }
    const std::string& UsedFileName() const { return UsedFileNameStr; }
    const ImportVorschau& Vorschau() const { return vorschau_; }
    const ImportBericht& Bericht() const { return bericht_; }
    QDialog* BerichtFenster() const { return berichtFenster_; }

    QLineEdit* CsvFileEdit;
    QTableWidget* PreViewStringGrid;
    QLabel* InfoLabel;
    QPushButton* AndereButton;
    QPushButton* ZuletztVerwendetButton;
    QPushButton* ZuletztRunterGeladenButton;
    QPushButton* ImportWettbewerbButton;
    QPushButton* ImportTeilnehmerButton;
    QPushButton* AbbruchButton;

  private:
    void LoadPreview(const std::string& FileName);
    void EnableDisableButtons(const std::string& FileName);
    void BerichtZeigen();

    std::function<void()> nachImport_;
    WettbewerbTyp* WettbewerbPtr = nullptr;
    std::string DefaultFileNameStr;
    std::string UsedFileNameStr;
    ImportVorschau vorschau_;
    ImportBericht bericht_;
    QDialog* berichtFenster_ = nullptr;
    QPlainTextEdit* berichtText_ = nullptr;
};

} // namespace tavuran
