#include "app/TDurchgangImportForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/Eingabe.h"
#include "core/UiHooks.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DurchgangImport.h"

namespace tavuran {

TDurchgangImportForm::TDurchgangImportForm(std::function<void()> NachImport, QWidget* Eltern)
    : QDialog(Eltern), nachImport_(std::move(NachImport)) {
    setWindowTitle("Wettbewerbsergebnis als Durchgang importieren");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* dateiReihe = new QHBoxLayout;
    dateiReihe->addWidget(new QLabel("Wettbewerbsdatei :", this));
    DateiEdit = new QLineEdit(this);
    DateiEdit->setReadOnly(true);
    DateiEdit->setMinimumWidth(420);
    dateiReihe->addWidget(DateiEdit, 1);
    layout->addLayout(dateiReihe);

    DurchgangGroupBox = new QGroupBox("Durchgang", this);
    auto* raster = new QGridLayout(DurchgangGroupBox);
    for (int i = 0; i < MaxAnzeigeDurchgaenge; ++i) {
        DurchgangButton[i] = new QRadioButton(QString::number(i + 1), DurchgangGroupBox);
        raster->addWidget(DurchgangButton[i], i % 6, i / 6);
    }
    DurchgangButton[0]->setChecked(true);
    layout->addWidget(DurchgangGroupBox);

    auto* knoepfe = new QHBoxLayout;
    OkButton = new QPushButton("&Import", this);
    AbbruchButton = new QPushButton("&Abbruch", this);
    OkButton->setDefault(true);
    knoepfe->addStretch();
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    layout->addLayout(knoepfe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { hide(); });
}

void TDurchgangImportForm::SetDurchgImportWettbewerb(WettbewerbTyp* WettPtr, const std::string& ImportDateiName) {
    WettbewerbPtr = WettPtr;
    ImportFileName = ImportDateiName;
}

void TDurchgangImportForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != WettbewerbPtr) return;
    hide();
    WettbewerbPtr = nullptr;
}

void TDurchgangImportForm::FormShow() {
    const int anzahl = WettbewerbPtr ? WettbewerbPtr->AnzDurchgaenge : 0;
    bool gewaehlt = false;
    for (int i = 1; i <= MaxAnzeigeDurchgaenge; ++i) {
        QRadioButton* b = DurchgangButton[i - 1];
        const bool da = i <= anzahl;
        b->setVisible(da);
        if (da) b->setText(QString::fromStdString(GetDurchgangBezeichner(WettbewerbPtr, i, false, true)));
        if (da && b->isChecked()) gewaehlt = true;
    }
    if (!gewaehlt) DurchgangButton[0]->setChecked(true);
    DateiEdit->setText(QString::fromStdString(ImportFileName));
    adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    show();
    raise();
}

void TDurchgangImportForm::OkButtonClick() {
    int r = 1;
    for (int i = 1; i <= MaxAnzeigeDurchgaenge; ++i)
        if (DurchgangButton[i - 1]->isChecked() && DurchgangButton[i - 1]->isVisible()) r = i;
    const DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(WettbewerbPtr, ImportFileName, r);
    if (!e.Ok) {
        UiWarnung("Durchgang importieren", e.Grund);
        return;
    }
    // The user picked this file: the overall ranking may read it again (for
    // the HTML result list).
    WunschFreigeben(WettbewerbPtr->WettbewerbFileNamen[0], WunschArt::Teilwettbewerb,
                    WettbewerbPtr->WettbewerbImportFileName[r]);
    hide();
    WettbewerbPtr->CalcWertung = true;
    if (nachImport_) nachImport_();
    std::string text;
    for (const std::string& z : DurchgangImportZeilen(e, r)) text += z + "\n";
    UiMeldung(text);
}

} // namespace tavuran
