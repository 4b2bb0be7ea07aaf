// The window "Eingänge": the submissions from phones, with pilot, round,
// values, time and sender; a correction shows the earlier values and what the
// competition holds now. The scorer accepts one, accepts all valid ones or
// rejects one with a reason the phone sees. Accepting enters the values as a
// typed row of the score grid does and lets the main window recompute.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "core/DatenTypen.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavuran {

class LiveDienst;

class TEingaengeForm : public QDialog {
    Q_OBJECT
  public:
    explicit TEingaengeForm(QWidget* Eltern = nullptr);

    // What the window works on: the competition, the live service that holds
    // the inbox and its journal, and the main window's recompute and repaint.
    void Binden(WettbewerbTyp* Wett, LiveDienst* Dienst, std::function<void()> Neuberechnen);
    // The main window is about to free a competition: forget it when it is ours.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);
    // Shows the inbox as it is now.
    void Aktualisieren();

    // The buttons; Id 0 takes the selected row.
    bool AnnehmenClick(int Id = 0);
    int AlleAnnehmenClick();
    bool AblehnenClick(int Id, const std::string& Grund);

    QTableWidget* Liste() const { return liste_; }
    QString Meldung() const;

  private:
    int AusgewaehlteId() const;
    bool Annehmen(int Id, std::string& Grund);

    WettbewerbTyp* wett_ = nullptr;
    LiveDienst* dienst_ = nullptr;
    std::function<void()> neuberechnen_;
    QTableWidget* liste_ = nullptr;
    QLabel* meldung_ = nullptr;
    QPushButton* annehmen_ = nullptr;
    QPushButton* alle_ = nullptr;
    QPushButton* ablehnen_ = nullptr;
};

} // namespace tavuran
