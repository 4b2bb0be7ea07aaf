// A grid of the main window: a table view over a TabellenModell. It takes
// the table of its tab, lets the model tell the view which rows changed, and
// sizes its columns from their longest texts, measured once per change.
// The columns the table freezes (its pilot's numbers and name) stay in place
// when the grid scrolls right: a second view over the same model and
// selection lies over them, following the grid's rows, widths and current
// row; it shows only while the grid is scrolled right.
// Rows and columns are counted from 0, as in the view.
#pragma once

#include <string>

#include <QTableView>

#include "app/TabellenModell.h"

namespace tavuran {

class TabellenGitter : public QTableView {
    Q_OBJECT
  public:
    explicit TabellenGitter(QWidget* Eltern = nullptr);

    TabellenModell* Modell() const { return modell_; }
    // Shows a new table; widths follow where columns or texts changed.
    // FontFactor is the window's percentage of 96 dpi.
    void SetTabelle(TabelleTyp Tabelle, int FontFactor);
    const TabelleTyp& Tabelle() const { return modell_->Tabelle(); }

    int rowCount() const { return modell_->rowCount(); }
    int columnCount() const { return modell_->columnCount(); }
    int currentRow() const { return currentIndex().row(); }
    int currentColumn() const { return currentIndex().column(); }
    void setCurrentCell(int Zeile, int Spalte);
    const std::string& Text(int Zeile, int Spalte) const { return modell_->Text(Zeile, Spalte); }
    std::string KopfText(int Spalte) const;

    // The view over the frozen columns (hidden while nothing is frozen or the
    // grid is not scrolled right).
    QTableView* Gefroren() const { return gefroren_; }
    // True for the grid's cell area and for that of its frozen columns.
    bool IstFlaeche(const QObject* Objekt) const;

    void scrollTo(const QModelIndex& Index, ScrollHint Hinweis = EnsureVisible) override;

  protected:
    bool edit(const QModelIndex& Index, EditTrigger Ausloeser, QEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;

  private:
    void GefrorenAnpassen();
    int GefrorenBreite() const;
    QTableView* gefroren_;
    void SpaltenBemessen(bool Alle, int FontFactor);
    int TextBreite(int Spalte) const;
    TabellenModell* modell_;
};

// The text of a cell counted as the lists count rows: row 1 is the first
// row below the header; empty outside.
std::string ListenZellText(const TabellenGitter* Grid, int Zeile, int Spalte);

} // namespace tavuran
