#include "app/TStartreihenfolgeCoreForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tavuran {

TStartreihenfolgeCoreForm::TStartreihenfolgeCoreForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Verlauf der Auszählung");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    SortLogList = new QListWidget(this);
    SortLogList->setUniformItemSizes(true);
    layout->addWidget(SortLogList, 1);
    auto* reihe = new QHBoxLayout;
    auto* ok = new QPushButton("Ok", this);
    reihe->addStretch();
    reihe->addWidget(ok);
    layout->addLayout(reihe);
    connect(ok, &QPushButton::clicked, this, [this] { hide(); });
    resize(640, 560);
    nachtragen_ = new QTimer(this);
    nachtragen_->setSingleShot(true);
    nachtragen_->setInterval(100);
    connect(nachtragen_, &QTimer::timeout, this, [this] { Nachtragen(); });
}

void TStartreihenfolgeCoreForm::ShowSortLogList() {
    offen_.clear();
    SortLogList->clear();
    show();
    raise();
}

void TStartreihenfolgeCoreForm::AddToSortLogList(const std::string& Text) {
    if (!isVisible()) return;
    offen_.append(QString::fromStdString(Text));
    if (!nachtragen_->isActive()) nachtragen_->start();
}

void TStartreihenfolgeCoreForm::Nachtragen() {
    nachtragen_->stop();
    if (offen_.isEmpty()) return;
    SortLogList->addItems(offen_);
    offen_.clear();
    SortLogList->setCurrentRow(SortLogList->count() - 1);
}

} // namespace tavuran
