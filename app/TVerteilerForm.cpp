#include "app/TVerteilerForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavuran {

namespace {
constexpr const char* Titel[7] = {"Blanko",     "Aushang",      "Organisationsleiter", "Startstelle",
                                  "Senderzelt", "Punktrichter", "Zeitnehmer"};
}

TVerteilerForm::TVerteilerForm(std::function<void(int)> Ok, QWidget* Eltern) : QDialog(Eltern), ok_(std::move(Ok)) {
    setWindowTitle("Verteiler");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 7; ++i) {
        CheckBox[i] = new QCheckBox(Titel[i], this);
        layout->addWidget(CheckBox[i]);
    }
    auto* knoepfe = new QHBoxLayout;
    OkButton = new QPushButton("Ok", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    OkButton->setDefault(true);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
    verteilerMaske_ = 32;
    WriteVerteilerMaske();
}

int TVerteilerForm::ReadVerteilerMaske() const {
    int m = 0;
    for (int i = 0; i < 7; ++i)
        if (CheckBox[i]->isChecked()) m |= 1 << i;
    return m;
}

void TVerteilerForm::WriteVerteilerMaske() {
    for (int i = 0; i < 7; ++i) CheckBox[i]->setChecked((verteilerMaske_ >> i) & 1);
}

void TVerteilerForm::showEvent(QShowEvent* e) {
    WriteVerteilerMaske();
    QDialog::showEvent(e);
}

void TVerteilerForm::OkButtonClick() {
    verteilerMaske_ = ReadVerteilerMaske();
    hide();
    if (verteilerMaske_ != 0 && ok_) ok_(verteilerMaske_);
}

void TVerteilerForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
