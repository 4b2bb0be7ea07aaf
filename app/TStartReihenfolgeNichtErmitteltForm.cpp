#include "app/TStartReihenfolgeNichtErmitteltForm.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "reports/DruckDokument.h"

namespace tavuran {

TStartReihenfolgeNichtErmitteltForm::TStartReihenfolgeNichtErmitteltForm(QWidget* Eltern)
    : QDialog(Eltern, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle("Startreihenfolge");
    setModal(false);
    auto* rahmen = new QFrame(this);
    rahmen->setFrameShape(QFrame::Box);
    rahmen->setLineWidth(2);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rahmen);
    auto* layout = new QVBoxLayout(rahmen);
    layout->setContentsMargins(24, 16, 24, 16);
    auto* titel = new QLabel("Hinweis!", rahmen);
    QFont gross = titel->font();
    gross.setPointSize(gross.pointSize() * 2);
    gross.setBold(true);
    titel->setFont(gross);
    layout->addWidget(titel);
    // The same words as the printed lists' notice, wrapped to the box.
    auto* text = new QLabel(QString::fromUtf8(StartreihenfolgeHinweis), rahmen);
    QFont f = text->font();
    f.setPointSize(f.pointSize() + 2);
    text->setFont(f);
    text->setWordWrap(true);
    text->setMinimumWidth(QFontMetrics(f).horizontalAdvance(QStringLiteral("Für einige Durchgänge ist die Startreihenfolge noch nicht")));
    layout->addWidget(text);
    auto* reihe = new QHBoxLayout;
    SortNowButton = new QPushButton("Startreihenfolge jetzt ermitteln", rahmen);
    NextButton = new QPushButton("Weiter ohne Startreihenfolge", rahmen);
    AbbruchButton = new QPushButton("Abbruch", rahmen);
    reihe->addWidget(SortNowButton);
    reihe->addWidget(NextButton);
    reihe->addWidget(AbbruchButton);
    layout->addLayout(reihe);
    connect(SortNowButton, &QPushButton::clicked, this, [this] { SortNowButtonClick(); });
    connect(NextButton, &QPushButton::clicked, this, [this] { NextButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

void TStartReihenfolgeNichtErmitteltForm::Zeigen() {
    const bool offen = offen_ ? offen_() : false;
    SortNowButton->setEnabled(EnableSortNowButton && offen);
    NextButton->setEnabled(EnableNextButton);
    AbbruchButton->setEnabled(EnableAbbruchButton || (!SortNowButton->isEnabled() && !NextButton->isEnabled()));
    adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + r.height() / 3);
    }
    show();
    raise();
    activateWindow();
}

void TStartReihenfolgeNichtErmitteltForm::SortNowButtonClick() {
    hide();
    if (jetzt_) jetzt_();
}

void TStartReihenfolgeNichtErmitteltForm::NextButtonClick() { hide(); }
void TStartReihenfolgeNichtErmitteltForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
