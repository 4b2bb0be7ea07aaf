#include "app/TWettDirForm.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/TMainForm.h"
#include "app/WettDir.h"

namespace tavuran {

TWettDirForm::TWettDirForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Standardverzeichnisse und -dateien");
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Wettbewerbsdatei:", this), 0, 0);
    datei_ = new QLabel(this);
    datei_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    datei_->setMinimumWidth(400);
    layout->addWidget(datei_, 0, 1);
    auto* reihe = new QHBoxLayout;
    auto* ok = new QPushButton("&Ok", this);
    ok->setDefault(true);
    reihe->addStretch();
    reihe->addWidget(ok);
    reihe->addStretch();
    layout->addLayout(reihe, 1, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
}

void TWettDirForm::Zeigen() {
    datei_->setText(QString::fromStdString(WettDirGetWettbewerbName()));
    adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    show();
    raise();
}

void TWettDirForm::OkClick() {
    hide();
    if (MainForm && MainForm->GetAktWettPtr()) {
        MainForm->GetAktWettPtr()->CalcWertung = true;
        MainForm->WettbewerbNeuBerechnen();
    }
}

} // namespace tavuran
