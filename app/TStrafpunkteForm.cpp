#include "app/TStrafpunkteForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DialogListe.h"
#include "app/TMainForm.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"

namespace tavuran {

namespace {

constexpr int SpalteStrafpunkte = 4;

const std::string MeldungRundenGeaendert =
    "Die Durchgänge des Wettbewerbs wurden geändert, während der Dialog geöffnet war. "
    "Die Strafpunkte wurden nicht übernommen; bitte den Dialog erneut öffnen.";

bool RundeVorhanden(const WettbewerbTyp* w, int Nr) {
    for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next)
        if (d->Nr == Nr) return true;
    return false;
}

} // namespace

TStrafpunkteForm::TStrafpunkteForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Strafpunkte vergeben");
    setModal(false);
    TeilnehmerPanel = new QLabel(this);
    TeilnehmerStringGrid = new QTableWidget(this);
    ListeEinrichten(TeilnehmerStringGrid, 5);
    // The penalty column is typed into directly.
    TeilnehmerStringGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    TeilnehmerStringGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
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
    layout->addLayout(knoepfe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

void TStrafpunkteForm::SetWinPosAndWettbewerb(WettbewerbTyp* WettPtr, int xPos, int yPos) {
    bindung_.Binden(WettPtr, WettPtr ? WettPtr->DurchgangNr : 1);
    xPosWin = xPos + 150;
    yPosWin = yPos + 100;
}

void TStrafpunkteForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (!Wett || Wett != bindung_.Wett()) return;
    bindung_.Loesen();
    hide();
}

void TStrafpunkteForm::Zeigen() {
    WettbewerbTyp* w = bindung_.Wett();
    if (!w) return;
    bindung_.Binden(w, w->DurchgangNr);
    move(xPosWin, yPosWin);
    resize(GetFontFactor(450), GetFontFactor(525));
    TeilnehmerPanel->setText(QString::fromStdString(GetDurchgangBezeichner(w, bindung_.DurchgangNr(), true, false)));

    const auto zeilen = TeilnehmerListeFuellen(TeilnehmerStringGrid, w, bindung_.DurchgangNr(),
                                               HauptfensterListenFilter(), 1);
    ListenKopf(TeilnehmerStringGrid, SpalteStrafpunkte, "Strafpunkte");
    // Penalties of a round that does not exist yet are neither shown nor taken.
    if (RundeVorhanden(w, bindung_.DurchgangNr())) {
        std::vector<StrafpunkteZeile> straf;
        for (const DialogTeilnehmerZeile& z : zeilen) straf.push_back({z.StartNr, z.Name, "", z.EdvNr});
        StrafpunkteAnzeigen(w, bindung_.DurchgangNr(), straf);
        for (std::size_t i = 0; i < straf.size(); ++i)
            if (straf[i].EdvNr != 0)
                ListenZelle(TeilnehmerStringGrid, static_cast<int>(i) + 1, SpalteStrafpunkte, straf[i].Strafpunkte,
                            true);
    }
    TeilnehmerStringGrid->setColumnWidth(0, GetFontFactor(44));
    TeilnehmerStringGrid->setColumnWidth(1, GetFontFactor(44));
    TeilnehmerStringGrid->setColumnWidth(2, GetFontFactor(120));
    TeilnehmerStringGrid->setColumnWidth(3, GetFontFactor(100));
    TeilnehmerStringGrid->setColumnWidth(SpalteStrafpunkte, GetFontFactor(70));
    show();
    raise();
    activateWindow();
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
    WettbewerbTyp* w = bindung_.Wett();
    // A cell still being typed into counts.
    TeilnehmerStringGrid->setCurrentItem(nullptr);
    if (w && bindung_.IstAktuell(GetAktWettPtr())) {
        if (bindung_.RundenGeaendert()) {
            UiMeldung(MeldungRundenGeaendert);
        } else if (RundeVorhanden(w, bindung_.DurchgangNr())) {
            StrafpunkteUebernehmen(w, bindung_.DurchgangNr(), StrafpunkteListe());
            WettbewerbNeuBerechnen();
            ReinitAndRedraw();
        }
    }
    hide();
}

void TStrafpunkteForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
