// In-place editing of a list grid: the cell editor reports every change the
// user made to a cell (rows counted as the lists count them, row 0 being the
// header), the text while it is typed, and the keys that leave a cell
// (Enter, Tab, Shift+Tab, Up, Down) after the cell has been taken, whether
// typed in the editor or in the grid. Delete and Backspace in the grid empty
// the cursor cell. A cell may also carry a frame (the active channel of a
// participant).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QStyledItemDelegate>

#include "app/TabellenModell.h"
#include "exchange/TeilnehmerBearbeitung.h"

class QTableWidget;


namespace tavuran {

class TabellenGitter;

class GitterEditor : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // Item data role: a cell with this set to a colour gets a frame of it.
    static constexpr int RahmenRolle = TabellenModell::RahmenRolle;

    explicit GitterEditor(TabellenGitter* Grid);

    // The user changed the text of cell (Zeile, Spalte).
    std::function<void(int Zeile, int Spalte)> Eingabe;
    // The text of the open editor changed while typing.
    std::function<void(const QString& Text)> Tippen;
    // A key that leaves the cell, after the cell was taken; returns whether
    // the key was handled (else the grid's own handling follows).
    std::function<bool(int Taste)> Taste;
    // A key that opens the editor is about to be typed into the grid.
    std::function<void()> VorTippen;

    QWidget* createEditor(QWidget* Eltern, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;
    void setModelData(QWidget* Editor, QAbstractItemModel* Modell, const QModelIndex& Index) const override;
    void paint(QPainter* Maler, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

  protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    TabellenGitter* grid_;
};

// True for the keys that leave a cell.
bool IstZellWechselTaste(int Taste);

// Sets a cell's text (rows counted from 1 below the header); ListenZellText
// reads one.
void GitterZelleSetzen(TabellenGitter* g, int Zeile, int Spalte, const std::string& Text);
// All texts of a grid for the library routines (row 0 the header row), and
// one row shown again from them.
GitterTexte GitterLesen(const TabellenGitter* g);
void GitterZeileZeigen(TabellenGitter* g, const GitterTexte& t, int Zeile);
// A lookup list: running number, name and club of the offered participants.
void LookupFuellen(QTableWidget* g, const std::vector<TeilnehmerTyp*>& Angebot);

} // namespace tavuran
