// The dialog "Stammdaten": the list of known pilots, the mode in which the
// participants of competitions are merged into it, and the commands to merge,
// reset and delete.
#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "core/DatenTypen.h"

class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tavuran {

class TStammDatenForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStammDatenForm(QWidget* Eltern = nullptr);

    // The competition whose master data the dialog shows (nil: none); the
    // callback lets the owner show a changed list.
    void SetWettbewerb(WettbewerbTyp* Wett) { wett_ = Wett; }
    WettbewerbTyp* Wettbewerb() const { return wett_; }
    std::function<void()> ListeGeaendert;

    void FormShow();
    void FillStringGrid();
    void DispStammDaten();
    int GetAbgleichFromRadioButton() const;
    void SetAbgleichToRadioButton(int Mode);
    void SetEnableDisableRadioButton(int Mode);
    void SwitchToRomOrRegistry(bool Rom);
    void AbgleichManuel();
    void RomClick();
    // Deletes the pilot of the grid's selected row.
    void LoeschenClick();
    void AbgleichClick(int Mode);

    QTableWidget* Grid() const { return grid_; }
    QRadioButton* ModusKnopf(int Mode) const { return modus_[Mode]; }
    QPushButton* AbgleichKnopf() const { return abgleich_; }
    QPushButton* RomKnopf() const { return rom_; }
    QPushButton* LoeschenKnopf() const { return loeschen_; }

  private:
    void Geaendert();

    WettbewerbTyp* wett_ = nullptr;
    // The pilot of every grid row (index 0: row 1); the dialog's own table, so
    // that a lookup elsewhere that numbers the same records does not disturb it.
    std::vector<TeilnehmerTyp*> zeilen_;
    QRadioButton* modus_[4] = {};
    QPushButton* abgleich_ = nullptr;
    QPushButton* rom_ = nullptr;
    QPushButton* loeschen_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace tavuran
