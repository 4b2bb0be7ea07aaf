// In-place editing of a list grid. A cell opens its editor when a key is
// typed into it (the typed key replaces the text), on a double click or on F2.
// The cell text follows the typing, so that whoever reads the grid (the score
// grid's capture timer) sees what is being typed; a refill of the grid while a
// cell is edited does not disturb the editor. Escape restores the text the cell
// had when editing began.
//
// The keys Enter, Tab, Shift+Tab and the arrow keys Up and Down (in the editor
// as well as on the grid) and Left and Right (on the grid only, the editor
// moves its text cursor with them) are handed to the owner's key handler first;
// when it takes a key, the editor is closed with its text kept and the grid
// does nothing else with the key.
#pragma once

#include <functional>

#include <QStyledItemDelegate>


namespace tavuran {

class TabellenGitter;

class GitterEingabe : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // Zeile and Spalte are counted as in the lists: row 1 is the first row
    // below the header.
    using EditierbarFunktion = std::function<bool(int Zeile, int Spalte)>;
    // Returns true when it took the key.
    using TastenFunktion = std::function<bool(int Taste, Qt::KeyboardModifiers Modifikatoren)>;

    // Becomes the grid's item delegate and child.
    GitterEingabe(TabellenGitter* Grid, EditierbarFunktion Editierbar, TastenFunktion Tasten);

    // Closes an open editor, keeping what was typed in the cell.
    void EditorSchliessen();
    // Whether a cell editor is open.
    bool EditorOffen() const;
    // The open editor holds a refused text: Meldung becomes its tooltip, and
    // Escape brings back Gespeichert, the text of the stored value.
    void AblehnungZeigen(const QString& Meldung, const QString& Gespeichert);

    QWidget* createEditor(QWidget* Eltern, const QStyleOptionViewItem& Option,
                          const QModelIndex& Index) const override;
    void setEditorData(QWidget* Editor, const QModelIndex& Index) const override;
    void setModelData(QWidget* Editor, QAbstractItemModel* Modell, const QModelIndex& Index) const override;

  protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

  private:
    TabellenGitter* grid_;
    EditierbarFunktion editierbar_;
    TastenFunktion tasten_;
    mutable QWidget* editor_ = nullptr;
};

} // namespace tavuran
