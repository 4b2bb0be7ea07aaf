// The result report of the start order ("Startreihenfolge - Ergebnisreport"):
// the checks of the division stored in the competition, appended on every
// showing; the lines stay until "Clear".
#pragma once

#include <string>

#include <QDialog>

#include "core/DatenTypen.h"

class QListWidget;
class QPushButton;

namespace tavuran {

class TStartreihenfolgeErgebnisReportForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStartreihenfolgeErgebnisReportForm(QWidget* Eltern = nullptr);

    // Runs the report for the competition and shows the window.
    void Zeigen(WettbewerbTyp* Wett);
    void ShowReport();
    void AddReportList(const std::string& Text);
    void ClearButtonClick();
    // The competition goes away: hide and forget it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    QListWidget* ReportList;
    QPushButton* ClearButton;
    QPushButton* OkButton;

  private:
    WettbewerbTyp* wett_ = nullptr;
};

} // namespace tavuran
