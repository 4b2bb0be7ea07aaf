#include "app/TSpeichernAbfrageForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavuran {

TSpeichernAbfrageForm::TSpeichernAbfrageForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Wettbewerb speichern");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    for (auto*& z : zeile_) {
        z = new QLabel(this);
        layout->addWidget(z);
    }
    QFont f = zeile_[0]->font();
    f.setBold(true);
    zeile_[0]->setFont(f);
    layout->addSpacing(12);
    auto* reihe = new QHBoxLayout;
    static const char* const Texte[5] = {"&Speichern", "&Alle speichern", "&Nicht speichern", "&Keinen speichern",
                                         "Programm &fortsetzen"};
    for (int i = 0; i < 5; ++i) {
        knoepfe_[i] = new QPushButton(Texte[i], this);
        knoepfe_[i]->setAutoDefault(false);
        connect(knoepfe_[i], &QPushButton::clicked, this, [this, i] { Gedrueckt(i + 1); });
        reihe->addWidget(knoepfe_[i]);
    }
    knoepfe_[0]->setDefault(true);
    layout->addLayout(reihe);
}

void TSpeichernAbfrageForm::SetDateiInfo(const std::string& WettName, const std::string& WettDatum, int AnzDat) {
    name_ = WettName;
    datum_ = WettDatum;
    anzahl_ = AnzDat;
}

void TSpeichernAbfrageForm::SetWinPos(int WLeft, int WTop, int WWidth, int WHeight) {
    left_ = WLeft;
    top_ = WTop;
    width_ = WWidth;
    height_ = WHeight;
}

void TSpeichernAbfrageForm::showEvent(QShowEvent* e) {
    Status = 0;
    adjustSize();
    if (left_ > 0 || top_ > 0) move(left_ > 0 ? left_ : x(), top_ > 0 ? top_ : y());
    if (width_ > 0 || height_ > 0) resize(width_ > 0 ? width_ : width(), height_ > 0 ? height_ : height());
    knoepfe_[1]->setEnabled(anzahl_ > 1);
    knoepfe_[3]->setEnabled(anzahl_ > 1);
    zeile_[0]->setText(QString::fromStdString(name_ + ","));
    zeile_[1]->setText(QString::fromStdString("durchgeführt am " + datum_ + ","));
    zeile_[2]->setText("wurde noch nicht gespeichert!");
    QDialog::showEvent(e);
}

void TSpeichernAbfrageForm::Gedrueckt(int StatusNr) {
    Status = StatusNr;
    hide();
    done(StatusNr);
}

// Closing the window by its frame or Escape keeps the competition open.
void TSpeichernAbfrageForm::reject() { Gedrueckt(5); }

int TSpeichernAbfrageForm::Abfragen() {
    Status = 0;
    exec();
    if (Status == 0) Status = 5;
    return Status;
}

UiAntwort TSpeichernAbfrageForm::StatusAlsAntwort(int Status) {
    switch (Status) {
    case 1: return UiAntwort::Ja;
    case 2: return UiAntwort::JaAlle;
    case 3: return UiAntwort::Nein;
    case 4: return UiAntwort::NeinAlle;
    default: return UiAntwort::Abbrechen;
    }
}

} // namespace tavuran
