#include "app/TStartNrForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/L_STR.h"

namespace tavuran {

TStartNrForm::TStartNrForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Startnummern auslassen");
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    AdressListBox = new QListWidget(this);
    AdressListBox->setMinimumWidth(120);
    layout->addWidget(AdressListBox, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel("Startnummer:", this));
    AdressEdit = new QLineEdit(this);
    AdressEdit->installEventFilter(this);
    rechts->addWidget(AdressEdit);
    NeuButton = new QPushButton("&Neu", this);
    AendernButton = new QPushButton("Än&dern", this);
    EntfernenButton = new QPushButton("&Entfernen", this);
    OkButton = new QPushButton("&Ok", this);
    AbbruchButton = new QPushButton("&Abbruch", this);
    for (QPushButton* b : {NeuButton, AendernButton, EntfernenButton}) {
        b->setEnabled(false);
        b->setAutoDefault(false);
        rechts->addWidget(b);
    }
    rechts->addStretch();
    for (QPushButton* b : {OkButton, AbbruchButton}) {
        b->setAutoDefault(false);
        rechts->addWidget(b);
    }
    layout->addLayout(rechts);
    connect(AdressEdit, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (zeichnet_) return;
        dialog_.EditGeaendert(t.toStdString());
        RedrawButtons();
    });
    connect(AdressListBox, &QListWidget::currentRowChanged, this, [this](int Zeile) {
        if (zeichnet_) return;
        const int nr = Zeile >= 0 ? L_STR_CnvStrToInteger(AdressListBox->item(Zeile)->text().toStdString()) : 0;
        dialog_.ListeGewaehlt(nr);
        zeichnet_ = true;
        AdressEdit->setText(QString::fromStdString(dialog_.EditText()));
        zeichnet_ = false;
        RedrawButtons();
    });
    connect(NeuButton, &QPushButton::clicked, this, [this] { NeuClick(); });
    connect(AendernButton, &QPushButton::clicked, this, [this] { AendernClick(); });
    connect(EntfernenButton, &QPushButton::clicked, this, [this] { EntfernenClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchClick(); });
    resize(300, 320);
}

void TStartNrForm::SetWinPosOfMainForm(int PosLeft, int PosTop, int PosWidth, int PosHeight) {
    MainFormPosLeft = PosLeft;
    MainFormPosTop = PosTop;
    MainFormPosWidth = PosWidth;
    MainFormPosHeight = PosHeight;
}

void TStartNrForm::Zeigen() {
    dialog_.Zeigen();
    move(MainFormPosLeft + 150, MainFormPosTop + 50);
    zeichnet_ = true;
    AdressEdit->clear();
    zeichnet_ = false;
    RedrawListBox();
    RedrawButtons();
    show();
    raise();
    activateWindow();
    AdressEdit->setFocus();
}

void TStartNrForm::RedrawListBox() {
    zeichnet_ = true;
    AdressListBox->clear();
    for (const std::string& s : dialog_.Liste()) AdressListBox->addItem(QString::fromStdString(s));
    AdressListBox->setCurrentRow(-1);
    zeichnet_ = false;
}

void TStartNrForm::RedrawButtons() {
    NeuButton->setEnabled(dialog_.NeuAktiv());
    AendernButton->setEnabled(dialog_.AendernAktiv());
    EntfernenButton->setEnabled(dialog_.EntfernenAktiv());
}

void TStartNrForm::NeuClick() {
    dialog_.Neu();
    RedrawListBox();
    RedrawButtons();
}

void TStartNrForm::AendernClick() {
    dialog_.Aendern();
    RedrawListBox();
    RedrawButtons();
}

void TStartNrForm::EntfernenClick() {
    dialog_.Entfernen();
    RedrawListBox();
    RedrawButtons();
}

void TStartNrForm::AdressEditKeyPress() {
    dialog_.Enter();
    RedrawListBox();
    RedrawButtons();
}

void TStartNrForm::OkClick() {
    dialog_.Ok();
    hide();
}

void TStartNrForm::AbbruchClick() {
    hide();
    dialog_.Abbruch();
}

bool TStartNrForm::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Objekt == AdressEdit && Ereignis->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(Ereignis)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            AdressEditKeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(Objekt, Ereignis);
}

} // namespace tavuran
