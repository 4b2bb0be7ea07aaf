#include "app/TStartreihenfolgeErgebnisReportForm.h"

#include <vector>

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "startorder/StartreihenfolgeErgebnisReport.h"

namespace tavuran {

TStartreihenfolgeErgebnisReportForm::TStartreihenfolgeErgebnisReportForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Startreihenfolge - Ergebnisreport");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    ReportList = new QListWidget(this);
    layout->addWidget(ReportList, 1);
    auto* reihe = new QHBoxLayout;
    ClearButton = new QPushButton("Clear", this);
    OkButton = new QPushButton("Ok", this);
    reihe->addWidget(ClearButton);
    reihe->addStretch();
    reihe->addWidget(OkButton);
    layout->addLayout(reihe);
    connect(ClearButton, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { hide(); });
    resize(720, 560);
}

void TStartreihenfolgeErgebnisReportForm::Zeigen(WettbewerbTyp* Wett) {
    wett_ = Wett;
    if (!wett_) return;
    ShowReport();
    show();
    raise();
}

void TStartreihenfolgeErgebnisReportForm::ShowReport() {
    if (!wett_) return;
    std::vector<std::string> zeilen;
    CheckTeilnehmerInDurchgaengen(wett_, zeilen);
    for (const std::string& z : zeilen) AddReportList(z);
}

void TStartreihenfolgeErgebnisReportForm::AddReportList(const std::string& Text) {
    ReportList->addItem(QString::fromStdString(Text));
    ReportList->setCurrentRow(ReportList->count() - 1);
}

void TStartreihenfolgeErgebnisReportForm::ClearButtonClick() { ReportList->clear(); }

void TStartreihenfolgeErgebnisReportForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (wett_ && Wett != wett_) return;
    hide();
    wett_ = nullptr;
}

} // namespace tavuran
