// The draw dialog "Teilnehmer in Startgruppen verteilen": which rounds are
// drawn, the team protection, "Gruppen einteilen" with the group size and its
// computed figures, the protected pilots, the hints, and the options of the
// run. The start button hands the run to the main window; the decisions behind
// every field are library routines (StartreihenfolgeDialog).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QDialog>

#include "core/DatenTypen.h"
#include "core/Feld.h"
#include "startorder/StartreihenfolgeDialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QVBoxLayout;

namespace tavuran {

// The options of a run as the dialog's boxes set them. A new option of the
// run is one field here and one row in the dialog's option table.
struct StartreihenfolgeLaufOptionen {
    bool Verlauf = false;       // "Verlauf der Auszählung": show the event log
    bool Ergebnismatrix = true; // "Ergebnismatrix öffnen" after the run
    bool Nachbessern = true;    // "Auslosung nachbessern": refine the chosen candidate
};

class TStartreihenfolgeUserInterfaceForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStartreihenfolgeUserInterfaceForm(QWidget* Eltern = nullptr);

    // What the dialog needs of the program: the warning before start numbers
    // change (shown with the draw as its continuation), driving the run, and
    // the two result windows.
    struct Anschluss {
        std::function<void()> WarnungZeigen;
        std::function<void()> LaufStarten; // the run was initialised: drive it
        std::function<void()> ErgebnismatrixZeigen;
        std::function<void()> ErgebnisreportZeigen;
    };
    void SetAnschluss(const Anschluss& a) { anschluss_ = a; }

    // Fills the whole dialog for the competition and shows it.
    void Zeigen(WettbewerbTyp* Wett);
    // The competition the dialog works on (nil while hidden or after it was closed).
    WettbewerbTyp* Wettbewerb() const { return wett_; }
    // The competition goes away: hide and forget it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);

    void FormShow();
    void ChangedTeamOrGruppen();
    void FillFormDurchgangOnShowOrOnChange();
    void GruppenGroesseEditChange();
    void GruppenCheckBoxClick();
    int GetDurchgangSortMode() const;
    bool GetDurchgangIstEinzuteilen(int DurchgangNr) const;
    void StartreihenfolgeVerteilenButtonClick();
    // Builds the round mask and starts the run (also "Ok" of the warning).
    void StartTriggerStartreihenfolgeVerteilen();
    StartreihenfolgeLaufOptionen LaufOptionen() const;
    // Bit r-1 for every preliminary round r that is to be drawn now.
    std::int64_t DurchgangMaske() const;

    int AnzahlTeilnehmer = 0;
    int GruppenGroesse = 0;
    int AnzahlGruppen = 0;
    int MinAnzahlGruppen = 1;

    QRadioButton* AlleDurchgaengeRadioButton;
    QRadioButton* EinzelneDurchgaengeRadioButton;
    QRadioButton* AusgewaehlteDurchgaengeRadioButton;
    QRadioButton* UnsortierteDurchgaengeRadioButton;
    Feld<QCheckBox*, 1, DialogRundenBoxen> DurchgangCheckBox{};
    QRadioButton* HelferRadioButton;
    QRadioButton* BeidesRadioButton;
    QRadioButton* TeamTabRadioButton;
    QRadioButton* NoTeamschutzRadioButton;
    QRadioButton* TeamschutzAlleRadioButton;
    QRadioButton* TeamschutzJugendRadioButton;
    QCheckBox* GruppenCheckBox;
    QLineEdit* GruppenGroesseEdit;
    QCheckBox* VerlaufCheckBox = nullptr;
    QCheckBox* ErgebnisCheckBox = nullptr;
    QCheckBox* NachbessernCheckBox = nullptr;
    QLabel* AnzahlTeilnehmerLabel;
    QLabel* GruppenGroesseLabel;
    QLabel* MinGroesseLabel;
    QLabel* MaxGroesseLabel;
    QLabel* AnzahlGruppenLabel;
    QTableWidget* TeamschutzGrid;
    QListWidget* HinweisListe;
    QPushButton* StartButton;
    QPushButton* AbbruchButton;
    QPushButton* ErgebnismatrixButton;
    QPushButton* ErgebnisreportButton;

  private:
    void FillDialog();
    void FillGruppenstart();
    void FillFormTeamDataOnShowOrOnChange();
    void FillGruppenGroesse();
    void FillFormWettbKriteriaOnShowOrOnChange();
    void ShowHints();
    Feld<bool, 1, DialogRundenBoxen> Ausgewaehlt() const;
    void OptionenAufbauen(QVBoxLayout* Ziel);

    WettbewerbTyp* wett_ = nullptr;
    Anschluss anschluss_;
    bool fuellt_ = false; // filling: the change handlers wait
    int minGroesse_ = 2;
    int maxGroesse_ = 2;
};

} // namespace tavuran
