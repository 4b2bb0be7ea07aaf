#include "app/TStrafpunkteForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DialogListe.h"
#include "app/TMainForm.h"
#include "core/DatenDurchgang.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"

namespace tavuran {

namespace {

constexpr int SpalteStrafpunkte = 4;

} // namespace

TStrafpunkteForm::TStrafpunkteForm(QWidget* Eltern)
    : TRundenDialog(Eltern, "Strafpunkte vergeben",
                    "Die Durchgänge des Wettbewerbs wurden geändert, während der Dialog geöffnet war. "
                    "Die Strafpunkte wurden nicht übernommen; bitte den Dialog erneut öffnen.") {
    TeilnehmerPanel = new QLabel(this);
    TeilnehmerStringGrid = new QTableWidget(this);
    ListeEinrichten(TeilnehmerStringGrid, 5);
    // The penalty column is typed into directly.
    TeilnehmerStringGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    TeilnehmerStringGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    MeldungLabel = new QLabel(this);
    MeldungLabel->setWordWrap(true);
    MeldungLabel->setStyleSheet("color: #B00000");
    MeldungLabel->hide();
    OkButton = new QPushButton("Ok", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    OkButton->setAutoDefault(false);
    AbbruchButton->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TeilnehmerPanel);
    layout->addWidget(TeilnehmerStringGrid, 1);
    layout->addWidget(MeldungLabel);
    layout->addLayout(knoepfe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

void TStrafpunkteForm::Zeigen() {
    WettbewerbTyp* w = RundeBinden(GetFontFactor(450), GetFontFactor(525));
    if (!w) return;
    MeldungLabel->clear();
    MeldungLabel->hide();
    TeilnehmerPanel->setText(
        QString::fromStdString("Strafpunkte - " + GetDurchgangBezeichner(w, AktDurchgangNr(), false, true)));

    const auto zeilen = TeilnehmerListeFuellen(TeilnehmerStringGrid, w, AktDurchgangNr(),
                                               HauptfensterListenFilter(), 1);
    ListenKopf(TeilnehmerStringGrid, SpalteStrafpunkte, "Strafpunkte");
    // Penalties of a round that does not exist yet are neither shown nor taken.
    if (DatenDurchgangSuchen(w, AktDurchgangNr())) {
        std::vector<StrafpunkteZeile> straf;
        for (const DialogTeilnehmerZeile& z : zeilen) straf.push_back({z.StartNr, z.Name, "", z.EdvNr});
        StrafpunkteAnzeigen(w, AktDurchgangNr(), straf);
        for (std::size_t i = 0; i < straf.size(); ++i)
            if (straf[i].EdvNr != 0)
                ListenZelle(TeilnehmerStringGrid, static_cast<int>(i) + 1, SpalteStrafpunkte, straf[i].Strafpunkte,
                            true);
    }
    SpaltenEinpassen(TeilnehmerStringGrid);
    ListeMindestbreite(TeilnehmerStringGrid);
    DialogEinpassen(this);
    Vorne();
}

std::vector<StrafpunkteZeile> TStrafpunkteForm::StrafpunkteListe() const {
    std::vector<StrafpunkteZeile> zeilen;
    for (int r = 1; r <= TeilnehmerStringGrid->rowCount(); ++r) {
        StrafpunkteZeile z;
        z.EdvNr = ListenEdvNr(TeilnehmerStringGrid, r);
        if (z.EdvNr != 0) {
            z.StartNr = L_STR_CnvStrToInteger(ListenZellText(TeilnehmerStringGrid, r, 1));
            z.Name = ListenZellText(TeilnehmerStringGrid, r, 2);
            z.Strafpunkte = ListenZellText(TeilnehmerStringGrid, r, SpalteStrafpunkte);
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

void TStrafpunkteForm::OkButtonClick() {
    if (AuszaehlungLaeuft()) return;
    // A cell still being typed into counts.
    TeilnehmerStringGrid->setCurrentItem(nullptr);
    WettbewerbTyp* w = SchreibbarerWettbewerb();
    if (w && DatenDurchgangSuchen(w, AktDurchgangNr())) {
        // A text that is not understood keeps the dialog open with its message.
        if (const std::string m = StrafpunkteUebernehmen(w, AktDurchgangNr(), StrafpunkteListe()); !m.empty()) {
            MeldungLabel->setText(QString::fromStdString(m));
            MeldungLabel->show();
            return;
        }
        WettbewerbNeuBerechnen();
        ReinitAndRedraw();
    }
    hide();
}

void TStrafpunkteForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
