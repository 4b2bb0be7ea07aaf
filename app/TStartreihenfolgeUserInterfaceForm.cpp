#include "app/TStartreihenfolgeUserInterfaceForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "core/MinMax.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"
#include "startorder/WarnStartNr.h"

namespace tavuran {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

using Form = TStartreihenfolgeUserInterfaceForm;

// The option boxes of the run: the box, its caption, its default and the
// field of the run options it sets.
struct OptionZeile {
    QCheckBox* Form::*Box;
    const char* Text;
    bool Vorgabe;
    bool StartreihenfolgeLaufOptionen::*Wert;
};
const OptionZeile OptionTabelle[] = {
    {&Form::VerlaufCheckBox, "Verlauf der Auszählung", false, &StartreihenfolgeLaufOptionen::Verlauf},
    {&Form::ErgebnisCheckBox, "Ergebnismatrix öffnen", true, &StartreihenfolgeLaufOptionen::Ergebnismatrix},
    {&Form::NachbessernCheckBox, "Auslosung nachbessern", true, &StartreihenfolgeLaufOptionen::Nachbessern},
};

// A requested group size as typed: its leading number; a size read from a
// file may be anything, so it is kept within what a count of participants can mean.
int GroesseAusText(const std::string& Text) { return LimitLowHighInt(L_STR_CnvStrToInteger(L_STR_Unblank(Text)), 0, 100000); }

} // namespace

TStartreihenfolgeUserInterfaceForm::TStartreihenfolgeUserInterfaceForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Teilnehmer in Startgruppen verteilen");
    setModal(false);
    auto* haupt = new QVBoxLayout(this);
    auto* spalten = new QHBoxLayout;
    haupt->addLayout(spalten, 1);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    spalten->addLayout(links);
    spalten->addLayout(rechts, 1);

    // --- rounds
    auto* runden = new QGroupBox("zu sortierende Durchgänge", this);
    auto* rl = new QVBoxLayout(runden);
    auto* optionen = new QHBoxLayout;
    AlleDurchgaengeRadioButton = new QRadioButton("alle", runden);
    EinzelneDurchgaengeRadioButton = new QRadioButton("nur aktueller", runden);
    AusgewaehlteDurchgaengeRadioButton = new QRadioButton("ausgewählte", runden);
    UnsortierteDurchgaengeRadioButton = new QRadioButton("unsortierte", runden);
    auto* rundenGruppe = new QButtonGroup(this);
    for (QRadioButton* b : {AlleDurchgaengeRadioButton, EinzelneDurchgaengeRadioButton,
                            AusgewaehlteDurchgaengeRadioButton, UnsortierteDurchgaengeRadioButton}) {
        rundenGruppe->addButton(b);
        optionen->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool an) {
            if (an) FillFormDurchgangOnShowOrOnChange();
        });
    }
    optionen->addStretch();
    rl->addLayout(optionen);
    auto* boxen = new QGridLayout;
    for (int r = 1; r <= DialogRundenBoxen; ++r) {
        DurchgangCheckBox[r] = new QCheckBox(QString::number(r), runden);
        boxen->addWidget(DurchgangCheckBox[r], (r - 1) % 5, (r - 1) / 5);
        connect(DurchgangCheckBox[r], &QCheckBox::clicked, this, [this] { ShowHints(); });
    }
    rl->addLayout(boxen);
    links->addWidget(runden);

    // --- team protection
    auto* schutz = new QGroupBox("Teamschutz", this);
    auto* sl = new QVBoxLayout(schutz);
    HelferRadioButton = new QRadioButton("Helfer des jeweiligen Piloten", schutz);
    BeidesRadioButton = new QRadioButton("Helfer und Reiter Teamschutz", schutz);
    TeamTabRadioButton = new QRadioButton("Reiter Teamschutz-Team", schutz);
    NoTeamschutzRadioButton = new QRadioButton("Kein Teamschutz", schutz);
    auto* artGruppe = new QButtonGroup(this);
    for (QRadioButton* b : {HelferRadioButton, BeidesRadioButton, TeamTabRadioButton, NoTeamschutzRadioButton}) {
        artGruppe->addButton(b);
        sl->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool an) {
            if (an) ChangedTeamOrGruppen();
        });
    }
    BeidesRadioButton->setChecked(true);
    auto* umfang = new QHBoxLayout;
    TeamschutzAlleRadioButton = new QRadioButton("alle Teilnehmer", schutz);
    TeamschutzJugendRadioButton = new QRadioButton("nur Jugend", schutz);
    auto* umfangGruppe = new QButtonGroup(this);
    for (QRadioButton* b : {TeamschutzAlleRadioButton, TeamschutzJugendRadioButton}) {
        umfangGruppe->addButton(b);
        umfang->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this](bool an) {
            if (an) ChangedTeamOrGruppen();
        });
    }
    TeamschutzJugendRadioButton->setChecked(true);
    umfang->addStretch();
    sl->addLayout(umfang);
    links->addWidget(schutz);

    // --- groups
    auto* gruppen = new QGroupBox("Gruppen", this);
    auto* gl = new QGridLayout(gruppen);
    GruppenCheckBox = new QCheckBox("Gruppen einteilen", gruppen);
    connect(GruppenCheckBox, &QCheckBox::clicked, this, [this] { GruppenCheckBoxClick(); });
    gl->addWidget(GruppenCheckBox, 0, 0, 1, 2);
    const QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto wertLabel = [&](const char* text, int zeile) {
        gl->addWidget(new QLabel(text, gruppen), zeile, 0);
        auto* l = new QLabel(gruppen);
        l->setFont(fest);
        gl->addWidget(l, zeile, 1);
        return l;
    };
    AnzahlTeilnehmerLabel = wertLabel("Anzahl Teilnehmer", 1);
    GruppenGroesseLabel = new QLabel("Gruppengröße:", gruppen);
    gl->addWidget(GruppenGroesseLabel, 2, 0);
    GruppenGroesseEdit = new QLineEdit(gruppen);
    GruppenGroesseEdit->setMaximumWidth(80);
    connect(GruppenGroesseEdit, &QLineEdit::textEdited, this, [this] { GruppenGroesseEditChange(); });
    gl->addWidget(GruppenGroesseEdit, 2, 1);
    MinGroesseLabel = wertLabel("Minimale Gruppengröße", 3);
    MaxGroesseLabel = wertLabel("Maximale Gruppengröße", 4);
    AnzahlGruppenLabel = wertLabel("Anzahl Gruppen", 5);
    links->addWidget(gruppen);

    auto* lauf = new QGroupBox("Auszählung", this);
    auto* ll = new QVBoxLayout(lauf);
    OptionenAufbauen(ll);
    links->addWidget(lauf);
    links->addStretch();

    // --- protected pilots and hints
    auto* plan = new QGroupBox("Piloten mit Teamschutz", this);
    auto* pl = new QVBoxLayout(plan);
    TeamschutzGrid = new QTableWidget(plan);
    TeamschutzGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TeamschutzGrid->verticalHeader()->hide();
    TeamschutzGrid->horizontalHeader()->setDefaultSectionSize(170);
    pl->addWidget(TeamschutzGrid);
    rechts->addWidget(plan, 1);
    auto* hinweise = new QGroupBox("Hinweise", this);
    auto* hl = new QVBoxLayout(hinweise);
    HinweisListe = new QListWidget(hinweise);
    hl->addWidget(HinweisListe);
    rechts->addWidget(hinweise, 1);

    // --- buttons
    auto* knoepfe = new QHBoxLayout;
    StartButton = new QPushButton("Startreihenfolge Auszählen", this);
    ErgebnismatrixButton = new QPushButton("Ergebnismatrix", this);
    ErgebnisreportButton = new QPushButton("Ergebnisreport", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    StartButton->setDefault(true);
    knoepfe->addWidget(StartButton);
    knoepfe->addWidget(ErgebnismatrixButton);
    knoepfe->addWidget(ErgebnisreportButton);
    knoepfe->addStretch();
    knoepfe->addWidget(AbbruchButton);
    haupt->addLayout(knoepfe);
    connect(StartButton, &QPushButton::clicked, this, [this] { StartreihenfolgeVerteilenButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { hide(); });
    connect(ErgebnismatrixButton, &QPushButton::clicked, this, [this] {
        if (anschluss_.ErgebnismatrixZeigen) anschluss_.ErgebnismatrixZeigen();
    });
    connect(ErgebnisreportButton, &QPushButton::clicked, this, [this] {
        if (anschluss_.ErgebnisreportZeigen) anschluss_.ErgebnisreportZeigen();
    });
    resize(1180, 660);
}

void TStartreihenfolgeUserInterfaceForm::OptionenAufbauen(QVBoxLayout* Ziel) {
    for (const OptionZeile& o : OptionTabelle) {
        QCheckBox* box = new QCheckBox(o.Text, this);
        box->setChecked(o.Vorgabe);
        Ziel->addWidget(box);
        this->*(o.Box) = box;
    }
}

StartreihenfolgeLaufOptionen TStartreihenfolgeUserInterfaceForm::LaufOptionen() const {
    StartreihenfolgeLaufOptionen o;
    for (const OptionZeile& z : OptionTabelle) o.*(z.Wert) = (this->*(z.Box))->isChecked();
    return o;
}

void TStartreihenfolgeUserInterfaceForm::Zeigen(WettbewerbTyp* Wett) {
    wett_ = Wett;
    if (!wett_) return;
    FormShow();
    show();
    raise();
    activateWindow();
}

void TStartreihenfolgeUserInterfaceForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != wett_ && wett_) return;
    hide();
    wett_ = nullptr;
    TeamschutzGrid->clearContents();
}

// ---------------------------------------------------------------- filling

void TStartreihenfolgeUserInterfaceForm::FormShow() {
    if (!wett_) return;
    fuellt_ = true;
    MinAnzahlGruppen = 1;
    FillDialog();
    FillFormTeamDataOnShowOrOnChange();
    FillFormDurchgangOnShowOrOnChange();
    FillGruppenGroesse();
    FillFormWettbKriteriaOnShowOrOnChange();
    fuellt_ = false;
    ShowHints();
}

void TStartreihenfolgeUserInterfaceForm::FillDialog() {
    AnzahlTeilnehmer = GetAnzTeilnehmer(wett_->TeilnehmerRootPtr);
    AnzahlTeilnehmerLabel->setText(Q(DialogZahlText(AnzahlTeilnehmer)));
    GruppenCheckBox->setChecked(wett_->Gruppenstart);
    FillGruppenstart();
    if (wett_->DurchgangNr == 1)
        AlleDurchgaengeRadioButton->setChecked(true);
    else
        EinzelneDurchgaengeRadioButton->setChecked(true);
    GruppenGroesse = LimitLowHighInt(wett_->AnzTeilnGruppe, 0, 100000);
    GruppenGroesseEdit->setText(QString::number(GruppenGroesse));
}

void TStartreihenfolgeUserInterfaceForm::FillGruppenstart() {
    if (!wett_) return;
    GruppenCheckBox->setEnabled(GruppenstartAenderbar(wett_));
    const bool an = GruppenCheckBox->isChecked();
    if (wett_->Gruppenstart != an) {
        wett_->Gruppenstart = an;
        SetWettbewerbModified(wett_);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{GruppenGroesseEdit, GruppenGroesseLabel, MinGroesseLabel,
                                                      MaxGroesseLabel, AnzahlGruppenLabel})
        w->setVisible(an);
    // The captions beside the computed figures go with them.
    if (auto* gl = qobject_cast<QGridLayout*>(GruppenGroesseEdit->parentWidget()->layout()))
        for (int zeile = 3; zeile <= 5; ++zeile)
            if (QLayoutItem* it = gl->itemAtPosition(zeile, 0); it && it->widget()) it->widget()->setVisible(an);
    EinzelneDurchgaengeRadioButton->setEnabled(an);
    AlleDurchgaengeRadioButton->setEnabled(an);
    ErgebnisCheckBox->setEnabled(an);
    NachbessernCheckBox->setEnabled(an);
    ErgebnismatrixButton->setEnabled(an);
    if (!an) ErgebnisCheckBox->setChecked(false);
}

void TStartreihenfolgeUserInterfaceForm::FillFormTeamDataOnShowOrOnChange() {
    if (!wett_) return;
    const bool helfer = HelferRadioButton->isChecked() || BeidesRadioButton->isChecked();
    const bool team = TeamTabRadioButton->isChecked() || BeidesRadioButton->isChecked();
    CreateTeamGroup(wett_, TeamschutzAlleRadioButton->isChecked(), helfer, team);
    const auto plan = TeamschutzPlan(GetTeamGroupRootPtr());
    const int spalten = plan.empty() ? 1 : static_cast<int>(plan[0].size());
    TeamschutzGrid->clear();
    TeamschutzGrid->setColumnCount(spalten);
    TeamschutzGrid->setRowCount(0);
    for (int c = 0; c < spalten; ++c) TeamschutzGrid->setHorizontalHeaderItem(c, new QTableWidgetItem(Q(plan[0][c])));
    // The grid grows with every row it is given.
    for (std::size_t z = 1; z < plan.size(); ++z) {
        const int r = static_cast<int>(z) - 1;
        if (r >= TeamschutzGrid->rowCount()) TeamschutzGrid->setRowCount(r + 1);
        for (int c = 0; c < spalten; ++c) TeamschutzGrid->setItem(r, c, new QTableWidgetItem(Q(plan[z][c])));
    }
}

Feld<bool, 1, DialogRundenBoxen> TStartreihenfolgeUserInterfaceForm::Ausgewaehlt() const {
    Feld<bool, 1, DialogRundenBoxen> a{};
    for (int r = 1; r <= DialogRundenBoxen; ++r) a[r] = DurchgangCheckBox[r]->isChecked();
    return a;
}

void TStartreihenfolgeUserInterfaceForm::FillFormDurchgangOnShowOrOnChange() {
    if (!wett_) return;
    const auto boxen = DurchgangBoxen(wett_, GetDurchgangSortMode(), Ausgewaehlt());
    for (int r = 1; r <= DialogRundenBoxen; ++r) {
        const DurchgangBox& b = boxen[static_cast<std::size_t>(r - 1)];
        QCheckBox* box = DurchgangCheckBox[r];
        box->setVisible(b.Sichtbar);
        if (!b.Text.empty()) box->setText(Q(b.Text));
        box->setEnabled(b.Aktiv);
        box->setChecked(b.Getickt);
    }
    if (!fuellt_) ShowHints();
}

void TStartreihenfolgeUserInterfaceForm::FillGruppenGroesse() {
    if (!wett_) return;
    const GruppenGroesseGrenzen g =
        tavuran::FillGruppenGroesse(AnzahlTeilnehmer, GruppenGroesse, CountTeamschutzMaxVerkettung(GetTeamGroupRootPtr()));
    MinAnzahlGruppen = g.MinAnzahlGruppen;
    minGroesse_ = g.MinGroesse;
    maxGroesse_ = g.MaxGroesse;
    if (g.GruppenGroesse != GruppenGroesse) {
        GruppenGroesse = g.GruppenGroesse;
        GruppenGroesseEdit->setText(QString::number(GruppenGroesse));
    }
    MinGroesseLabel->setText(Q(DialogZahlText(g.MinGroesse)));
    MaxGroesseLabel->setText(Q(DialogZahlText(g.MaxGroesse)));
}

void TStartreihenfolgeUserInterfaceForm::FillFormWettbKriteriaOnShowOrOnChange() {
    const int getippt = GroesseAusText(GruppenGroesseEdit->text().toStdString());
    GruppenGroesse = minGroesse_ <= maxGroesse_ ? LimitLowHighInt(getippt, minGroesse_, maxGroesse_)
                                                : LimitLowHighInt(getippt, maxGroesse_, minGroesse_);
    AnzahlGruppen = CalcAnzahlGruppen(AnzahlTeilnehmer, GruppenGroesse);
    AnzahlGruppenLabel->setText(Q(DialogZahlText(AnzahlGruppen)));
}

void TStartreihenfolgeUserInterfaceForm::ShowHints() {
    if (!wett_) return;
    bool alleGetickt = true;
    const int vorrunden = LimitLowHighInt(wett_->AnzVorrunden, 0, DialogRundenBoxen);
    for (int r = 1; r <= vorrunden; ++r)
        if (!DurchgangCheckBox[r]->isChecked()) alleGetickt = false;
    HinweisListe->clear();
    for (const std::string& z : StartreihenfolgeHinweise(GetDurchgangSortMode(), alleGetickt, AnzahlTeilnehmer,
                                                         GruppenGroesse, AnzahlGruppen, MinAnzahlGruppen))
        HinweisListe->addItem(Q(z));
}

// ---------------------------------------------------------------- changes

void TStartreihenfolgeUserInterfaceForm::ChangedTeamOrGruppen() {
    if (fuellt_ || !wett_) return;
    FillFormTeamDataOnShowOrOnChange();
    FillGruppenGroesse();
    FillFormWettbKriteriaOnShowOrOnChange();
    ShowHints();
}

void TStartreihenfolgeUserInterfaceForm::GruppenGroesseEditChange() {
    if (fuellt_ || !wett_) return;
    FillFormWettbKriteriaOnShowOrOnChange();
    ShowHints();
}

void TStartreihenfolgeUserInterfaceForm::GruppenCheckBoxClick() {
    FillGruppenstart();
    ShowHints();
}

int TStartreihenfolgeUserInterfaceForm::GetDurchgangSortMode() const {
    return tavuran::GetDurchgangSortMode(AlleDurchgaengeRadioButton->isChecked(),
                                         AusgewaehlteDurchgaengeRadioButton->isChecked(),
                                         UnsortierteDurchgaengeRadioButton->isChecked(),
                                         EinzelneDurchgaengeRadioButton->isChecked());
}

bool TStartreihenfolgeUserInterfaceForm::GetDurchgangIstEinzuteilen(int DurchgangNr) const {
    return tavuran::GetDurchgangIstEinzuteilen(wett_, GetDurchgangSortMode(), DurchgangNr, Ausgewaehlt());
}

std::int64_t TStartreihenfolgeUserInterfaceForm::DurchgangMaske() const {
    return StartreihenfolgeDurchgangMaske(wett_, GetDurchgangSortMode(), Ausgewaehlt());
}

// ---------------------------------------------------------------- starting

void TStartreihenfolgeUserInterfaceForm::StartreihenfolgeVerteilenButtonClick() {
    if (!wett_) return;
    bool geteilt = false;
    const int vorrunden = LimitLowHighInt(wett_->AnzVorrunden, 0, MaxDurchgaenge);
    for (int r = 1; r <= vorrunden; ++r) {
        const DurchgangTyp* d = DatenDurchgangSuchen(wett_, r);
        if (d && d->DurchgangEingeteilt && GetDurchgangIstEinzuteilen(r)) geteilt = true;
    }
    hide();
    if (geteilt && FormCheckShow(wett_, 50, 50)) {
        SetCallingFkt(WarnAufrufAuslosung);
        if (anschluss_.WarnungZeigen) anschluss_.WarnungZeigen();
        return;
    }
    StartTriggerStartreihenfolgeVerteilen();
}

void TStartreihenfolgeUserInterfaceForm::StartTriggerStartreihenfolgeVerteilen() {
    // The dialog works on the competition it was filled for and on which the
    // run read its division; after a change of competition there is nothing to draw.
    if (!wett_ || wett_ != GetStartreihenfolgeWettPtr()) return;
    FillFormWettbKriteriaOnShowOrOnChange();
    // The size drawn with becomes the competition's group size, so that the
    // division checks count the groups the draw made.
    if (wett_->Gruppenstart && GruppenGroesse > 0 && wett_->AnzTeilnGruppe != GruppenGroesse) {
        wett_->AnzTeilnGruppe = GruppenGroesse;
        SetWettbewerbModified(wett_);
    }
    const StartreihenfolgeLaufOptionen o = LaufOptionen();
    SetStartreihenfolgeOptionen(o.Verlauf, o.Ergebnismatrix);
    InitStartreihenfolge(AnzahlTeilnehmer, AnzahlGruppen, wett_->Gruppenstart, GruppenGroesse, DurchgangMaske(),
                         o.Nachbessern);
    if (anschluss_.LaufStarten) anschluss_.LaufStarten();
}

} // namespace tavuran
