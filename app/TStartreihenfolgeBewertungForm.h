// The result matrix of a draw: "Auszählergebnis der Startreihenfolge - wer
// fliegt wie oft gegen wen?". One row and one column per listed participant
// (by name); a cell tells how often the pair shares a group and whether it is
// a protected pair (P, H) or a channel pair (K), coloured by how bad that is.
// Column names stand upright above the columns.
#pragma once

#include <functional>

#include <QDialog>

#include "core/DatenTypen.h"
#include "startorder/StartreihenfolgeBewertung.h"

class QPushButton;
class QAbstractTableModel;
class QTableView;

namespace tavuran {

class TStartreihenfolgeBewertungForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStartreihenfolgeBewertungForm(QWidget* Eltern = nullptr);

    // "Gefällt mir nicht, ...": what starts the draw again (read the competition, open the dialog).
    void SetNeuAuszaehlen(std::function<void(WettbewerbTyp*)> f) { neu_ = std::move(f); }

    // Fills the grid from the run's division of the competition and shows the window.
    void Zeigen(WettbewerbTyp* Wett);
    void FillBewertStringGrid(WettbewerbTyp* Wett);
    void StringGridResize();
    void NeuSortButtonClick();
    void OkButtonClick();
    // The competition goes away: hide and forget it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    const BewertungsGitter& Gitter() const { return gitter_; }

    QTableView* BewertungStringGrid;
    QPushButton* NeuSortButton;
    QPushButton* OkButton;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    WettbewerbTyp* wett_ = nullptr;
    BewertungsGitter gitter_;
    QAbstractTableModel* modell_ = nullptr;
    std::function<void(WettbewerbTyp*)> neu_;
};

} // namespace tavuran
