// The dialog "Flugwiederholung (Refly)": who repeats a flight in the round it
// was opened for. The participants of the round stand on the right, the
// reflight list on the left; the buttons between them move participants over,
// a click into the role column toggles "Verursacher", and "&Ok" writes the
// list back into the round's reflight groups.
#pragma once

#include <string>
#include <vector>

#include "app/TRundenDialog.h"
#include "core/DatenTypen.h"
#include "evaluation/Refly.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavuran {

class TReflyForm : public TRundenDialog {
    Q_OBJECT
  public:
    explicit TReflyForm(QWidget* Eltern = nullptr);

    // Shows the dialog for the bound competition's current round.
    void Zeigen();

    // The buttons.
    void TeilnehmerButtonClick();   // "<- Teilnehmer"
    void VerursacherButtonClick();  // "<- Verursacher"
    void ZufallButtonClick();       // "<- zufälliger Teiln."
    void GruppeButtonClick();       // "<- Gruppe"
    void EntfernenButtonClick();    // "-> entfernen"
    void AlleEntfernenButtonClick(); // "-> alle entfernen"
    void OkButtonClick();
    void AbbruchButtonClick();
    // A click into a cell of the reflight list: the role column toggles the role.
    void ReflyStringGridClick(int Zeile, int Spalte);

    // The rows of the reflight list as they stand (rows with a participant).
    std::vector<ReflyZeile> ReflyListe() const;

    QTableWidget* TeilnehmerStringGrid;
    QTableWidget* ReflyStringGrid;
    QLabel* TeilnehmerPanel;
    QLabel* ReflyPanel;
    QPushButton* TeilnehmerButton;
    QPushButton* VerursacherButton;
    QPushButton* ZufallButton;
    QPushButton* GruppeButton;
    QPushButton* EntfernenButton;
    QPushButton* AlleEntfernenButton;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;

  private:
    void ReflyListeFuellen();
    // Puts the participant of participant row QuellZeile into the reflight list.
    void ReflyStringGridAdd(int QuellZeile, const std::string& Rolle);
    int ReflyStringGridSearchDestRow(int EdvNr);
    void ReflyZeileSchreiben(int Zeile, const std::string& Rolle, TeilnehmerTyp* Teilnehmer);

    std::vector<DialogTeilnehmerZeile> teilnehmer_;
    int AktGruppeNr = 1;
};

} // namespace tavuran
