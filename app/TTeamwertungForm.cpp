#include "app/TTeamwertungForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/TMainForm.h"

namespace tavuran {

TTeamwertungForm::TTeamwertungForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Teamwertung konfigurieren");
    setModal(false);
    BerechnungsmodusGroupBox = new QGroupBox("Berechnungsmodus", this);
    auto* gl = new QVBoxLayout(BerechnungsmodusGroupBox);
    QRadioButton** felder[AnzTeamwertungModi] = {
        &TeamwertungKeineRadioButton,     &TeamwertungErsteZweiRadioButton,  &TeamwertungErsteDreiRadioButton,
        &TeamwertungBesteZweiRadioButton, &TeamwertungBesteDreiRadioButton, &TeamwertungMittelwertRadioButton,
        &TeamwertungMittelwertBesteDreiRadioButton};
    for (int m = 0; m < AnzTeamwertungModi; ++m) {
        *felder[m] = new QRadioButton(QString::fromStdString(TeamwertungCaption[static_cast<std::size_t>(m)]),
                                      BerechnungsmodusGroupBox);
        ModusButton[static_cast<std::size_t>(m)] = *felder[m];
        gl->addWidget(*felder[m]);
    }
    TeamwertungKeineRadioButton->setChecked(true);
    OkButton = new QPushButton("&Ok", this);
    AbbruchButton = new QPushButton("&Abbruch", this);
    OkButton->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BerechnungsmodusGroupBox);
    layout->addLayout(knoepfe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

void TTeamwertungForm::Zeigen(WettbewerbTyp* Wett) {
    if (!Wett) return;
    bindung_.Binden(Wett, Wett->DurchgangNr);
    ModusButton[static_cast<std::size_t>(TeamwertungAuswahl(Wett))]->setChecked(true);
    adjustSize();
    show();
    raise();
    activateWindow();
}

void TTeamwertungForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (!Wett || Wett != bindung_.Wett()) return;
    bindung_.Loesen();
    hide();
}

int TTeamwertungForm::GewaehlterModus() const {
    for (int m = 0; m < AnzTeamwertungModi; ++m)
        if (ModusButton[static_cast<std::size_t>(m)]->isChecked()) return m;
    return TeamwertungKeine;
}

void TTeamwertungForm::OkButtonClick() {
    WettbewerbTyp* w = bindung_.Wett();
    if (w && bindung_.IstAktuell(GetAktWettPtr()) && TeamwertungStatusAendern(w, GewaehlterModus()))
        WettbewerbNeuBerechnen();
    hide();
}

void TTeamwertungForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
