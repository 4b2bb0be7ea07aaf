#include "app/TKanalStatForm.h"

#include <algorithm>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/TMainForm.h"
#include "core/MinMax.h"
#include "platform/Zeitgeber.h"

namespace tavuran {

namespace {

constexpr int StandardLinks = 100, StandardOben = 100, StandardBreite = 440, StandardHoehe = 280;
// The widest bar of the first band drawn on screen.
constexpr int StartBalkenBreite = 99;

QColor Farbe(const KanalFarbe& f) { return QColor(f.R, f.G, f.B); }

// A dotted line: one pixel every 3 * w + 3 pixels (w = pen width 1 on screen).
void Punktlinie(QPainter& p, int x0, int y0, int x1, int y1) {
    constexpr int Abstand = 3 * 1 + 3;
    if (x0 == x1)
        for (int y = std::min(y0, y1); y <= std::max(y0, y1); y += Abstand) p.drawPoint(x0, y);
    else
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); x += Abstand) p.drawPoint(x, y0);
}

// Where the vertical axis of a band stands: four character widths from the left.
int AchsenAbstand(const QFontMetrics& fm) { return 4 * fm.horizontalAdvance('0'); }

// The stored window lies on the screen and is big enough to be seen.
bool GeometrieBrauchbar(const WettbewerbTyp* w) {
    if (w->KanWinPosLeft == -1 || w->KanWinPosTop == -1 || w->KanWinPosWidth == -1 || w->KanWinPosHeight == -1)
        return false;
    const QScreen* s = QGuiApplication::primaryScreen();
    const QRect r = s ? s->geometry() : QRect(0, 0, 1024, 768);
    return w->KanWinPosWidth >= 100 && w->KanWinPosHeight >= 100 && w->KanWinPosLeft >= r.left() &&
           w->KanWinPosTop >= r.top() && w->KanWinPosLeft + w->KanWinPosWidth <= r.right() + 1 &&
           w->KanWinPosTop + w->KanWinPosHeight <= r.bottom() + 1;
}

bool GleichesModell(const KanalStatistikModell& a, const KanalStatistikModell& b) {
    if (a.Maximum != b.Maximum) return false;
    for (std::size_t i = 0; i < a.Baender.size(); ++i) {
        const auto& x = a.Baender[i].Slots;
        const auto& y = b.Baender[i].Slots;
        if (x.size() != y.size()) return false;
        for (std::size_t k = 0; k < x.size(); ++k)
            if (x[k].Label != y[k].Label || x[k].Anzahl != y[k].Anzahl || !(x[k].Farbe == y[k].Farbe)) return false;
    }
    return true;
}

} // namespace

// ------------------------------------------------------------------ drawing

void DrawKanalStatistik(QPainter& p, const QRect& r, const KanalBand& Band, int Maximum, int BalkenBreite) {
    p.fillRect(r, Qt::white);
    const QFontMetrics fm = p.fontMetrics();
    const int zh = fm.height();
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawText(r.left() + 4, r.top() + 2 + fm.ascent(), QString::fromStdString(Band.Name));

    const int basis = r.bottom() - zh;              // base line one text line above the bottom
    const int achse = r.left() + AchsenAbstand(fm); // vertical axis
    const int oben = r.top() + zh + zh / 2;         // top of the plot, below the title
    const int hoehe = std::max(basis - oben, 1);
    const int rechts = r.right() - 2;
    p.drawLine(achse, basis, rechts, basis);
    p.drawLine(achse, oben - zh / 2, achse, basis);

    if (Maximum > 0) {
        const int k = KanalSkalaSchritt(zh, hoehe / Maximum);
        for (int i = 1; i <= Maximum; ++i) {
            if (i % k != 0) continue;
            const int y = basis - i * hoehe / Maximum;
            Punktlinie(p, achse, y, rechts, y);
            p.drawText(QRect(r.left(), y - zh / 2, achse - r.left() - 3, zh), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(i));
        }
    }

    const int n = static_cast<int>(Band.Slots.size());
    if (n == 0) return;
    const int slot = std::max((rechts - achse) / n, 1);
    for (int i = 0; i < n; ++i) {
        const KanalSlot& s = Band.Slots[static_cast<std::size_t>(i)];
        const int x0 = achse + i * slot;
        if (i > 0) Punktlinie(p, x0, oben, x0, basis - 1);
        if (s.Anzahl > 0 && Maximum > 0) {
            const int h = s.Anzahl * hoehe / Maximum;
            p.fillRect(x0 + (slot - BalkenBreite) / 2, basis - h, BalkenBreite, h, Farbe(s.Farbe));
        }
        p.drawText(QRect(x0, basis + 1, slot, zh), Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(s.Label));
    }
}

KanalBandPanel::KanalBandPanel(TKanalStatForm* Form, int BandInfo, QWidget* Eltern)
    : QWidget(Eltern), form_(Form), band_(BandInfo) {
    setMinimumSize(60, 60);
}

void KanalBandPanel::paintEvent(QPaintEvent*) {
    // Paint only draws: the counts were taken when the window was shown or refreshed.
    QPainter p(this);
    const KanalStatistikModell& m = form_->Modell();
    DrawKanalStatistik(p, rect(), m.Baender[static_cast<std::size_t>(band_)], m.Maximum, form_->BalkenBreite(band_));
}

// ------------------------------------------------------------------ window

TKanalStatForm::TKanalStatForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Kanalstatistik");
    setModal(false);
    setSizeGripEnabled(true);
    for (int b = 0; b < 3; ++b) modell_.Baender[static_cast<std::size_t>(b)].Name = KanalNameStr[static_cast<std::size_t>(b)];

    oben_unten_ = new QSplitter(Qt::Vertical, this);
    panel_[KanalBandA] = new KanalBandPanel(this, KanalBandA, oben_unten_);
    links_rechts_ = new QSplitter(Qt::Horizontal, oben_unten_);
    panel_[KanalBandB] = new KanalBandPanel(this, KanalBandB, links_rechts_);
    panel_[KanalBandSonder] = new KanalBandPanel(this, KanalBandSonder, links_rechts_);
    oben_unten_->addWidget(panel_[KanalBandA]);
    oben_unten_->addWidget(links_rechts_);
    links_rechts_->addWidget(panel_[KanalBandB]);
    links_rechts_->addWidget(panel_[KanalBandSonder]);
    for (QSplitter* s : {oben_unten_, links_rechts_}) {
        s->setChildrenCollapsible(false);
        connect(s, &QSplitter::splitterMoved, this, [this](int, int) { TeilerMerken(); });
    }

    OkButton = new QPushButton("Ok", this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(oben_unten_, 1);
    layout->addLayout(knoepfe);
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });

    geometrieTimer_ = new Zeitgeber(this, 1000, [this] { GeometrieTimerTimer(); });
}

void TKanalStatForm::SetWettbewerb(WettbewerbTyp* comp) { wett_ = comp; }

void TKanalStatForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (!Wett || Wett != wett_) return;
    // Forgotten first: hiding must not write into a competition being freed.
    wett_ = nullptr;
    modell_ = KanalStatistikErstellen(nullptr);
    hide();
}

void TKanalStatForm::Zeigen() {
    if (!wett_) return;
    if (GeometrieBrauchbar(wett_))
        setGeometry(wett_->KanWinPosLeft, wett_->KanWinPosTop, wett_->KanWinPosWidth, wett_->KanWinPosHeight);
    else
        setGeometry(StandardLinks, StandardOben, StandardBreite, StandardHoehe);
    modell_ = KanalStatistikErstellen(wett_);
    show();
    raise();
    activateWindow();
    TeilerAnwenden();
    update();
}

void TKanalStatForm::OkButtonClick() { hide(); }

void TKanalStatForm::Aktualisieren() {
    if (!wett_) return;
    KanalStatistikModell neu = KanalStatistikErstellen(wett_);
    if (GleichesModell(neu, modell_)) return;
    modell_ = std::move(neu);
    for (KanalBandPanel* p : panel_) p->update();
}

void TKanalStatForm::GeometrieTimerTimer() {
    if (!wett_ || wett_->KanWinAktiv != 1 || !isVisible()) return;
    // The place of the window is kept with the competition but is no change
    // of its data: the competition is not marked modified for it.
    const QRect g = geometry();
    wett_->KanWinPosLeft = g.left();
    wett_->KanWinPosTop = g.top();
    wett_->KanWinPosWidth = g.width();
    wett_->KanWinPosHeight = g.height();
    Aktualisieren();
}

void TKanalStatForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (wett_) wett_->KanWinAktiv = 1;
    geometrieTimer_->Start();
}

void TKanalStatForm::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    geometrieTimer_->Stop();
    if (wett_) wett_->KanWinAktiv = 0;
}

void TKanalStatForm::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    TeilerAnwenden();
}

void TKanalStatForm::TeilerAnwenden() {
    if (!wett_) return;
    teilerSetzen_ = true;
    const int hoehe = std::max(oben_unten_->height(), 1);
    const int unten = KanalSplitterGroesse(hoehe, wett_->KanHorWinPosTeiler);
    oben_unten_->setSizes({hoehe - unten, unten});
    const int breite = std::max(links_rechts_->width(), 1);
    const int rechts = KanalSplitterGroesse(breite, wett_->KanVerWinPosTeiler);
    links_rechts_->setSizes({breite - rechts, rechts});
    teilerSetzen_ = false;
}

void TKanalStatForm::TeilerMerken() {
    if (!wett_ || teilerSetzen_) return;
    const QList<int> hoehen = oben_unten_->sizes();
    const QList<int> breiten = links_rechts_->sizes();
    if (hoehen.size() == 2 && hoehen[0] + hoehen[1] > 0)
        wett_->KanHorWinPosTeiler = LimitLowHighInt(KanalSplitterProzent(hoehen[1], hoehen[0] + hoehen[1]), 5, 95);
    if (breiten.size() == 2 && breiten[0] + breiten[1] > 0)
        wett_->KanVerWinPosTeiler = LimitLowHighInt(KanalSplitterProzent(breiten[1], breiten[0] + breiten[1]), 5, 95);
    for (KanalBandPanel* p : panel_) p->update();
}

int TKanalStatForm::BalkenBreite(int BandInfo) const {
    int breite = StartBalkenBreite;
    for (int b : {KanalBandA, KanalBandB, KanalBandSonder}) {
        const KanalBandPanel* p = panel_[static_cast<std::size_t>(b)];
        const int n = static_cast<int>(modell_.Baender[static_cast<std::size_t>(b)].Slots.size());
        if (n > 0) {
            const int frei = p->width() - 2 - AchsenAbstand(p->fontMetrics());
            breite = KanalBalkenBreite(std::max(frei / n, 1), breite);
        }
        if (b == BandInfo) return breite;
    }
    return breite;
}

} // namespace tavuran
