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
#include "core/Eingabe.h"
#include "core/L_STR.h"
#if __has_include("startorder/WarnStartNr.h")
#include "startorder/WarnStartNr.h"
#define TAVURAN_WARNUNG_LIB 1
#endif

namespace tavuran {

namespace {

constexpr int BildBreite = 560;
constexpr int BildHoehe = 200;
constexpr int Links = 8;
constexpr int Oben = 16;
constexpr int Abstand = 24;

// Texts of the warning by progress state.
std::string FunktionZeile(int k) {
    switch (k) {
    case 20: return "Es wurden grundlegende Wettbewerbsparameter geändert,";
    case 50: return "Diese Programmfunktion vergibt Startnummern neu,";
    case 60: return "Diese Programmfunktion erstellt neue Ausdrucke,";
    case 70: return "Diese Programmfunktion ändert bestehende Wertungen,";
    case 80: return "Diese Programmfunktion ändert Finalwertungen (Fly-Off),";
    case 90: return "Diese Programmfunktion ändert das Ergebnis,";
    default: return "";
    }
}

std::string StatusZeile(int s) {
    switch (s) {
    case 20: return "es wurden aber bereits Wettbewerbsparameter festgelegt.";
    case 50: return "es wurden aber bereits Startnummern eingeteilt.";
    case 60: return "es wurden aber bereits Startlisten gedruckt!";
    case 70: return "es wurden aber bereits Durchgänge geflogen!";
    case 80: return "es wurde aber bereits ein Fly-Off geflogen!";
    case 90: return "es wurden aber bereits Ergebnisse exportiert!";
    default: return "";
    }
}

std::string FolgeZeile(int k) {
    switch (k) {
    case 20: return "-> Startreihenfolge müsste ggf. neu vergeben werden!";
    case 50: return "-> Gegebenenfalls bereits kommunizierte Startlisten wären ungültig!";
    case 60: return "-> Start- und Wertungslisten müssten neu gedruckt werden!";
    case 70: return "-> Durchgänge müssten neu geflogen und eingegeben werden!";
    case 80: return "-> Fly-Off müsste neu geflogen und eingegeben werden!";
    case 90: return "-> Ergebnisexporte und -listen müssten neu erstellt werden!";
    default: return "";
    }
}

std::string AbbruchText(int k) {
    switch (k) {
    case 20: return "Abbruch - Parameter lassen";
    case 50: return "Abbruch - Startnummern lassen";
    case 60: return "Abbruch - Ausdrucke lassen";
    case 70: return "Abbruch - Wertungen lassen";
    case 80: return "Abbruch - Fly Off lassen";
    case 90: return "Abbruch - Ergebnis lassen";
    default: return "Abbruch";
    }
}

std::string OkText(int k) {
    switch (k) {
    case 20: return "OK - Parameter ändern";
    case 50: return "Ok - Startnummern neu vergeben";
    case 60: return "Ok - Ausdrucke werden neu erstellt";
    case 70: return "Ok - Wertungen ändern";
    case 80: return "Ok - Fly Off ändern";
    case 90: return "Ok - Ergebnis ändern";
    default: return "Ok";
    }
}

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
    CurProgState = NewState;
#ifdef TAVURAN_WARNUNG_LIB
    return tavuran::FormCheckShow(WettbewerbPtr, NewState, CriticalState);
#else
    (void)WettbewerbPtr;
    (void)CriticalState;
    return false;
#endif
}

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
    WettbewerbTyp* w = GetAktWettPtr();
    const int s = w ? w->Status : 0;
    zeilen_.clear();
    rot_ = s >= 70;
    DurchgangGeaendertMaske = 0;
    const std::uint32_t maske = w ? DatenWettbewerbDurchgangEnthaeltWertung(w) : 0;
    if (CurProgState == 50 && (s == 70 || s == 80) && maske != 0) {
        DurchgangGeaendertMaske = static_cast<int>(maske);
        zeilen_.push_back({Oben, "Für die Durchgänge"});
        zeilen_.push_back({88, "wurden bereits Wertungen eingegeben; durch das"});
        zeilen_.push_back({112, "Neusortieren würden die Gruppen neu zusammengestellt"});
        zeilen_.push_back({136, "werden und die bereits bestehenden Wertungen würden"});
        zeilen_.push_back({160, "zu einem falschen Ergebnbis führen!"});
        int top = 40;
        std::string text;
        for (int r = 1; r <= 30; ++r) {
            if (!(maske & (1u << (r - 1)))) continue;
            text += GetDurchgangBezeichner(w, r, false, true) + ", ";
            if (L_STR_Length(text) > 40) {
                zeilen_.push_back({top, text});
                text.clear();
                top += Abstand;
            }
        }
        if (!text.empty()) zeilen_.push_back({top, text});
    } else {
        zeilen_.push_back({Oben, FunktionZeile(CurProgState)});
        zeilen_.push_back({Oben + Abstand, StatusZeile(s)});
        int top = Oben + Abstand;
        for (int k = CurProgState; k <= s; ++k) {
            const std::string folge = FolgeZeile(k);
            if (folge.empty()) continue;
            if (top == Oben + Abstand) top += Abstand;
            top += Abstand;
            zeilen_.push_back({top, folge});
        }
    }
    OkButton->setText(QString::fromStdString(OkText(CurProgState)));
    AbbruchButton->setText(QString::fromStdString(AbbruchText(CurProgState)));

    QPixmap pm(BildBreite, BildHoehe);
    pm.fill(rot_ ? QColor(255, 0, 0) : QColor(255, 255, 255));
    QPainter p(&pm);
    QFont f = font();
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(rot_ ? Qt::white : Qt::black);
    for (const auto& [top, text] : zeilen_)
        p.drawText(Links, top + p.fontMetrics().ascent(), QString::fromStdString(text));
    p.end();
    bild_->setPixmap(pm);
}

void TWarnStartNrForm::UpdateWarningLevel() {
    WettbewerbTyp* w = GetAktWettPtr();
    if (!w) return;
    const int alt = w->Warnstufe;
    if (ShowRadioButton->isChecked())
        w->Warnstufe = 0;
    else if (SkipLevelRadioButton->isChecked())
        w->Warnstufe = std::max(CurProgState, w->Status);
    else
        w->Warnstufe = 100;
    if (w->Warnstufe != alt) SetWettbewerbModified(w);
}

void TWarnStartNrForm::OkButtonClick() {
    if (CalledBy == 3) {
        WettbewerbNeuBerechnen();
        if (MainForm && MainForm->ParameterDialog()) MainForm->ParameterDialog()->hide();
        ReinitAndRedraw();
    }
    UpdateWarningLevel();
    hide();
    if (MainForm) MainForm->FormPaint();
}

void TWarnStartNrForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
