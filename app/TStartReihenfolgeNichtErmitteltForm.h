// The notice "Startreihenfolge": shown when a function needs a start order
// that some rounds do not have yet. The caller sets which of the three buttons
// are enabled before showing it.
#pragma once

#include <functional>

#include <QDialog>

class QPushButton;

namespace tavuran {

class TStartReihenfolgeNichtErmitteltForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStartReihenfolgeNichtErmitteltForm(QWidget* Eltern = nullptr);

    // "Startreihenfolge jetzt ermitteln": read the competition and open the draw
    // dialog with "unsortierte" selected; false when there is no competition.
    void SetJetztErmitteln(std::function<bool()> f) { jetzt_ = std::move(f); }
    // Whether a competition is open (the button needs one).
    void SetWettbewerbOffen(std::function<bool()> f) { offen_ = std::move(f); }

    bool EnableAbbruchButton = true;
    bool EnableSortNowButton = true;
    bool EnableNextButton = true;

    // Applies the flags and shows the notice (modeless, centred, a third down the screen).
    void Zeigen();
    void SortNowButtonClick();
    void NextButtonClick();
    void AbbruchButtonClick();

    QPushButton* SortNowButton;
    QPushButton* NextButton;
    QPushButton* AbbruchButton;

  private:
    std::function<bool()> jetzt_;
    std::function<bool()> offen_;
};

} // namespace tavuran
