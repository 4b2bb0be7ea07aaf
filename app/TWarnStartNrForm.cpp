#include "app/TWarnStartNrForm.h"

#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/TMainForm.h"
#include "app/TWettbewerbNeuForm.h"
#include "core/DatenWettbewerb.h"
#include "startorder/WarnStartNr.h"

namespace tavuran {

namespace {

constexpr int BildBreite = 560;
constexpr int BildHoehe = 200;

} // namespace

TWarnStartNrForm::TWarnStartNrForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("WARNUNG");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    bild_ = new QLabel(this);
    bild_->setFixedSize(BildBreite, BildHoehe);
    layout->addWidget(bild_);
    auto* gruppe = new QGroupBox("Diese Warnung ...", this);
    auto* gl = new QVBoxLayout(gruppe);
    SkipRadioButton = new QRadioButton("... in diesem Wettbewerb nicht mehr zeigen.", gruppe);
    SkipLevelRadioButton = new QRadioButton("... erst nach Fortschritt im Wettbewerb ggf. wieder zeigen.", gruppe);
    ShowRadioButton = new QRadioButton("... weiterhin zeigen.", gruppe);
    gl->addWidget(SkipRadioButton);
    gl->addWidget(SkipLevelRadioButton);
    gl->addWidget(ShowRadioButton);
    ShowRadioButton->setChecked(true);
    layout->addWidget(gruppe);
    auto* reihe = new QHBoxLayout;
    OkButton = new QPushButton("Ok", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    AbbruchButton->setDefault(true);
    reihe->addWidget(OkButton);
    reihe->addStretch();
    reihe->addWidget(AbbruchButton);
    layout->addLayout(reihe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

bool TWarnStartNrForm::FormCheckShow(WettbewerbTyp* WettbewerbPtr, int NewState, int CriticalState) {
    return tavuran::FormCheckShow(WettbewerbPtr, NewState, CriticalState);
}

void TWarnStartNrForm::SetCallingFkt(int CallFkt) { tavuran::SetCallingFkt(CallFkt); }

void TWarnStartNrForm::Zeigen() {
    Zeichnen();
    adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 3);
    }
    show();
    raise();
    activateWindow();
}

void TWarnStartNrForm::Zeichnen() {
    const WarnStartNrInhalt inhalt = WarnStartNrTexte(GetAktWettPtr(), WarnStartNr().CurProgState);
    rot_ = inhalt.Rot;
    zeilen_.clear();
    for (const WarnZeile& z : inhalt.Zeilen) zeilen_.push_back({z.Top, z.Text});
    setWindowTitle(QString::fromStdString(inhalt.Titel));
    OkButton->setText(QString::fromStdString(inhalt.OkText));
    AbbruchButton->setText(QString::fromStdString(inhalt.AbbruchText));

    QPixmap pm(BildBreite, BildHoehe);
    pm.fill(rot_ ? QColor(255, 0, 0) : QColor(255, 255, 255));
    QPainter p(&pm);
    QFont f = font();
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(rot_ ? Qt::white : Qt::black);
    for (const auto& [top, text] : zeilen_)
        p.drawText(inhalt.Links, top + p.fontMetrics().ascent(), QString::fromStdString(text));
    p.end();
    bild_->setPixmap(pm);
}

void TWarnStartNrForm::UpdateWarningLevel() {
    const WarnOption option = ShowRadioButton->isChecked()        ? WarnOption::Show
                              : SkipLevelRadioButton->isChecked() ? WarnOption::SkipLevel
                                                                  : WarnOption::Skip;
    WarnStartNr().Option = option;
    tavuran::UpdateWarningLevel(GetAktWettPtr(), WarnStartNr().CurProgState, option);
}

void TWarnStartNrForm::OkButtonClick() {
    if (WarnStartNr().CalledBy == WarnAufrufParameter) {
        // The parameters dialog takes its form over only now.
        if (MainForm && MainForm->ParameterDialog()) MainForm->ParameterDialog()->Uebernehmen();
    } else if (MainForm) {
        MainForm->WarnungFortsetzen(WarnStartNr().CalledBy);
    }
    UpdateWarningLevel();
    hide();
    if (MainForm) MainForm->FormPaint();
}

void TWarnStartNrForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
