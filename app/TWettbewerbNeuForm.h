// The dialog "Wettbewerbsparameter": organisation data, officials, rule and
// rule parameters, rounds, dropped results, group and final sizes, switches
// and round names of the competition it is given.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "core/DatenTypen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace tavuran {

class TWettbewerbNeuForm : public QDialog {
    Q_OBJECT
  public:
    explicit TWettbewerbNeuForm(QWidget* Eltern = nullptr);

    // The competition to edit; then Zeigen() fills and shows the dialog.
    void SetWettbewerb(WettbewerbTyp* WettPtr) {
        WettbewerbPtr = WettPtr;
        neu_ = false;
    }
    // The bound competition was just created: the dialog proposes the round
    // counts of the rule it shows, not the blank competition's.
    void SetNeu(bool Neu) { neu_ = Neu; }
    WettbewerbTyp* GetWettbewerb() const { return WettbewerbPtr; }
    // "&Abbruch" and the two reset buttons (and closing the window) are
    // allowed only when the user need not confirm a new competition.
    void AbbruchErlaubt(bool Erlaubt);
    void Zeigen();

    // --- the dialog's operations
    void FormShow();
    void ResetRegel(const std::string& Name);
    void ResetDurchgang(const std::string& Name);
    void RegelComboBoxChange();
    void StreicherCheckBoxConfig(bool VomBenutzerEingeschaltet);
    // Checks the form and takes it over; false when the selected rule is
    // unknown or a field holds what it may not (the dialog then stays open
    // and the competition unchanged). Changes that alter existing results
    // first ask the progress warning, whose "Ok" calls Uebernehmen.
    bool OkButtonClick();
    void Uebernehmen();
    // Empty when every field holds what it may, else the message.
    std::string EingabenPruefen() const;
    // The competition is about to be freed: the dialog hides and forgets it.
    void WettbewerbSchliesst(WettbewerbTyp* Wett);
    // Called once when the user cancels the dialog (not after "Ok"); the main
    // window uses it to bring back the competition a new one was to replace.
    std::function<void()> BeiAbbruch;
    void AbbruchButtonClick();
    void DefaultButtonClick();
    void ResetDurchgangButtonClick();

    // --- controls, for the main window and for tests
    QLineEdit* WettNameEdit;
    QLineEdit* WettDatumEdit;
    QLineEdit* WettNummerEdit;
    QLineEdit* WettbewerbsleiterEdit;
    QLineEdit* OrganisationsleiterEdit;
    QLineEdit* PunktrichterEdit[MaxPunktrichterNamen];
    QLabel* PunktrichterLabel[MaxPunktrichterNamen];
    QComboBox* RegelComboBox;
    QTabWidget* RegelTabs;
    QCheckBox* BonusCheckBox;
    QCheckBox* VorrundenPromilleCheckBox;
    QCheckBox* DurchgangPromilleCheckBox;
    QCheckBox* GruppenstartCheckBox;
    QCheckBox* TeilWertungCheckBox;
    QLineEdit* NachkommaEdit;
    QCheckBox* NullwertungNichtStreichenCheckBox;
    QCheckBox* NichtStreichenBeiNullwertungCheckBox;
    QCheckBox* NichtStreichenAusserhalbCheckBox;
    QCheckBox* NichtStreichenWennLogUngueltigCheckBox;
    QCheckBox* NichtStreichenUeberzeitCheckBox;
    QLabel* RegelLabel[MaxParameterZeilen];
    QLineEdit* RegelEdit[MaxParameterZeilen];
    QListWidget* RegelListBox;
    QLineEdit* AnzahlVorrundenEdit;
    QLineEdit* AnzahlFlyOffEdit;
    QLineEdit* AnzahlJugFlyOffEdit;
    QLineEdit* AnzahlStreicherEdit;
    QLineEdit* StreicherAbEdit;
    QLineEdit* TeilnehmerInGruppeEdit;
    QLineEdit* TeilnehmerInFlyOffEdit;
    QLineEdit* TeilnehmerInJugFlyOffEdit;
    QTabWidget* AliasTabControl;
    QLabel* AliasDurchgangLabel[MaxAnzeigeDurchgaenge];
    QLineEdit* AliasDurchgangEdit[MaxAnzeigeDurchgaenge];
    QPushButton* OkButton;
    QPushButton* AbbruchButton;
    QPushButton* DefaultButton;
    QPushButton* ResetDurchgangButton;

    double ParameterWert(int i) const { return Parameter[i]; }

  protected:
    void reject() override;

  private:
    void SchreibeFormRegelParameter(const RegelTyp& Regel);
    void PersonenZeigen();
    void AliasLabelsZeigen();
    void LeseFormParameter();
    void NullBitSetzen(int Bit, bool Ein);
    const RegelTyp* GewaehlteRegel() const;
    bool ErgebnisseAendernSich() const;
    int NullModusAusForm() const;

    WettbewerbTyp* WettbewerbPtr = nullptr;
    Feld<double, 1, MaxParameter> Parameter;
    bool abbruchErlaubt_ = true;
    bool fuellen_ = false;
    bool neu_ = false;
    std::string regelGezeigt_; // the rule whose parameters the dialog shows
};

// The catalogue rule of exactly that name, or nil.
const RegelTyp* KatalogRegel(const std::string& Name);

} // namespace tavuran
