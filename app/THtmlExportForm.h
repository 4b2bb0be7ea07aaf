// The dialog of the HTML result list: which parts the page holds (score
// lists, links, statistics, the lists of sub-competitions) and where it is
// written. It works on the competition it was shown for until that is closed.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "core/DatenTypen.h"
#include "exchange/HtmlExport.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tavuran {

class THtmlExportForm : public QDialog {
    Q_OBJECT
  public:
    explicit THtmlExportForm(QWidget* Eltern = nullptr);

    // FormShow: file name, presets by rule, the include list; shows the dialog.
    void Zeigen(WettbewerbTyp* Wett);
    // "ändern": chooses the file (remembered only once the page is written).
    void DateiNameButtonClick();
    // "&Ok": writes the page; on success remembers the name, raises the
    // progress mark, opens the page and hides; on failure says why and stays.
    bool OkButtonClick();
    void AbbruchButtonClick();
    // The competition is about to be freed: hide and forget it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    HtmlErgebnisOptionen Optionen() const;
    const std::string& DateiName() const { return DateiNameStr; }
    WettbewerbTyp* Wettbewerb() const { return Wett_; }

    QCheckBox* WertungCheckBox;
    QCheckBox* LinkCheckBox;
    QCheckBox* TwLinkCheckBox;
    QCheckBox* StatistikCheckBox;
    QCheckBox* ImportCheckBox;
    QCheckBox* EndgueltigCheckBox;
    QListWidget* ImportListBox;
    QListWidget* WettNamenListBox;
    QLabel* DateiNameLabel;
    QPushButton* DateiNameButton;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  private:
    WettbewerbTyp* Wett_ = nullptr;
    std::string DateiNameStr;
    // The name the user picked in the file dialog of this showing (empty when none).
    std::string gewaehlt_;
    std::vector<HtmlImportEintrag> importe_;
};

} // namespace tavuran
