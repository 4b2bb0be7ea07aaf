// The query "Wettbewerb speichern" before a modified competition is discarded.
#pragma once

#include <string>

#include <QDialog>

#include "core/UiHooks.h"

class QLabel;
class QPushButton;

namespace tavuran {

class TSpeichernAbfrageForm : public QDialog {
    Q_OBJECT
  public:
    // Status: 6 idle, 0 waiting, 1 "&Speichern", 2 "&Alle speichern",
    // 3 "&Nicht speichern", 4 "&Keinen speichern", 5 "Programm &fortsetzen".
    int Status = 6;

    explicit TSpeichernAbfrageForm(QWidget* Eltern = nullptr);

    void SetDateiInfo(const std::string& WettName, const std::string& WettDatum, int AnzDat);
    void SetWinPos(int WLeft, int WTop, int WWidth, int WHeight);
    // Shows the query and waits for an answer (the program goes on handling
    // its events meanwhile); returns the status.
    int Abfragen();

    QPushButton* Knopf(int StatusNr) const { return knoepfe_[StatusNr - 1]; }

    // Status as an answer of the model's save query, and back.
    static UiAntwort StatusAlsAntwort(int Status);

  protected:
    void showEvent(QShowEvent* e) override;
    void reject() override;

  private:
    void Gedrueckt(int StatusNr);
    QLabel* zeile_[3];
    QPushButton* knoepfe_[5];
    std::string name_, datum_;
    int anzahl_ = 1;
    int left_ = -1, top_ = -1, width_ = -1, height_ = -1;
};

} // namespace tavuran
