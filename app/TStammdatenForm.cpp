#include "app/TStammdatenForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/DatenTeilnehmer.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenStamm.h"

namespace tavuran {

namespace {

const char* const ModusTitel[4] = {"nie abgleichen (und fest programmierte Datensätze verwenden)",
                                   "nicht abgleichen (aber ehemals abgeglichene Stammdaten verwenden)",
                                   "manuell abgleichen", "automatisch abgleichen"};

const char* const Koepfe[11] = {"Nummer", "aktuell", "Name",      "Verein",   "Kanal 1",         "Kanal 2",
                                "Kanal 3", "jug.",    "Land",      "Bundesl.", "letzte Teilnahme"};

std::string Zweistellig(int n) { return L_STR_FillLeftWithO(std::to_string(n), 2); }

bool InWettbewerb(const WettbewerbTyp* Wett, const TeilnehmerTyp* m) {
    for (const TeilnehmerTyp* p = Wett->TeilnehmerRootPtr; p; p = p->next)
        if (p->Name == m->Name && p->Verein == m->Verein) return true;
    return false;
}

} // namespace

TStammDatenForm::TStammDatenForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Stammdaten");
    auto* layout = new QVBoxLayout(this);
    auto* gruppe = new QGroupBox("Abgleich der Stammdaten mit den Teilnehmern der Wettbewerbe", this);
    auto* gl = new QVBoxLayout(gruppe);
    for (int m = 0; m < 4; ++m) {
        modus_[m] = new QRadioButton(ModusTitel[m], gruppe);
        gl->addWidget(modus_[m]);
        connect(modus_[m], &QRadioButton::clicked, this, [this, m] { AbgleichClick(m); });
    }
    layout->addWidget(gruppe);

    auto* knoepfe = new QHBoxLayout;
    abgleich_ = new QPushButton("Teilnehmer aus Wettbewerbsdatei in Stammdatenbank abgleichen", this);
    rom_ = new QPushButton("Stammdatenbank auf fest programmierte Datensätze setzen", this);
    loeschen_ = new QPushButton("ausgewählten Teilnehmer aus Stammdatenbank löschen", this);
    for (QPushButton* k : {abgleich_, rom_, loeschen_}) knoepfe->addWidget(k);
    layout->addLayout(knoepfe);
    connect(abgleich_, &QPushButton::clicked, this, [this] { AbgleichManuel(); });
    connect(rom_, &QPushButton::clicked, this, [this] { RomClick(); });
    connect(loeschen_, &QPushButton::clicked, this, [this] { LoeschenClick(); });

    grid_ = new QTableWidget(this);
    grid_->setColumnCount(11);
    for (int c = 0; c < 11; ++c) grid_->setHorizontalHeaderItem(c, new QTableWidgetItem(Koepfe[c]));
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_, 1);

    auto* unten = new QHBoxLayout;
    auto* ok = new QPushButton("&Ok", this);
    ok->setDefault(true);
    unten->addStretch();
    unten->addWidget(ok);
    layout->addLayout(unten);
    connect(ok, &QPushButton::clicked, this, [this] { hide(); });

    SetAbgleichToRadioButton(StammAbgleichAutomatisch);
    SetEnableDisableRadioButton(StammAbgleichAutomatisch);
    resize(1000, 560);
}

void TStammDatenForm::FormShow() {
    if (wett_) SortStammDatenNamen(wett_, true);
    FillStringGrid();
    show();
    raise();
    activateWindow();
}

void TStammDatenForm::FillStringGrid() {
    grid_->clearContents();
    DispStammDaten();
    grid_->resizeColumnsToContents();
}

void TStammDatenForm::DispStammDaten() {
    zeilen_.clear();
    if (wett_)
        for (TeilnehmerTyp* m = wett_->StammDatenNameRootPtr; m; m = m->nextName) zeilen_.push_back(m);
    // A few empty rows below the last pilot.
    grid_->setRowCount(static_cast<int>(zeilen_.size()) + 3);
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 0; c < 11; ++c) grid_->setItem(r, c, new QTableWidgetItem);
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        TeilnehmerTyp* m = zeilen_[i];
        const int r = static_cast<int>(i);
        m->ZeilenNr[0] = r + 1;
        const std::string texte[11] = {std::to_string(r + 1),
                                       InWettbewerb(wett_, m) ? "j" : "",
                                       CnvNameTypToNameStr(&m->Name, true),
                                       m->Verein,
                                       m->Kanal[1],
                                       m->Kanal[2],
                                       m->Kanal[3],
                                       m->Jugendlich ? "j" : "",
                                       m->Land.Nation,
                                       m->Land.Bundesland,
                                       Zweistellig(m->LetztTeiln.Day) + "." + Zweistellig(m->LetztTeiln.Month) + "." +
                                           Zweistellig(m->LetztTeiln.Year)};
        for (int c = 0; c < 11; ++c) grid_->item(r, c)->setText(QString::fromStdString(texte[c]));
    }
}

int TStammDatenForm::GetAbgleichFromRadioButton() const {
    if (modus_[2]->isChecked()) return StammAbgleichManuell;
    if (modus_[1]->isChecked()) return StammAbgleichNicht;
    if (modus_[0]->isChecked()) return StammAbgleichNie;
    return StammAbgleichAutomatisch;
}

void TStammDatenForm::SetAbgleichToRadioButton(int Mode) {
    for (int m = 0; m < 4; ++m) modus_[m]->setChecked(m == Mode);
}

void TStammDatenForm::SetEnableDisableRadioButton(int Mode) {
    abgleich_->setEnabled(Mode == StammAbgleichManuell);
    rom_->setEnabled(Mode != StammAbgleichNie);
    loeschen_->setEnabled(Mode != StammAbgleichNie);
}

void TStammDatenForm::SwitchToRomOrRegistry(bool Rom) {
    if (!wett_ || DatenStammRom(wett_) == Rom) return;
    if (Rom) {
        DatenStammWriteRegistry(wett_, StammAbgleichNicht);
        DatenStammLoadRom(wett_);
    } else {
        DatenStammReadRegistry(wett_);
    }
    Geaendert();
}

void TStammDatenForm::AbgleichClick(int Mode) {
    SetEnableDisableRadioButton(Mode);
    SwitchToRomOrRegistry(Mode == StammAbgleichNie);
}

void TStammDatenForm::AbgleichManuel() {
    if (!wett_) return;
    DatenStammAbgleichen(wett_);
    MarkTeilnehmerInStammDaten(wett_);
    Geaendert();
}

void TStammDatenForm::RomClick() {
    if (!wett_) return;
    DatenStammLoadRom(wett_);
    Geaendert();
}

void TStammDatenForm::LoeschenClick() {
    if (!wett_) return;
    const auto auswahl = grid_->selectionModel()->selectedIndexes();
    int oben = -1;
    for (const QModelIndex& i : auswahl) oben = oben < 0 ? i.row() : std::min(oben, i.row());
    if (oben < 0 && grid_->currentRow() >= 0) oben = grid_->currentRow();
    if (oben < 0 || oben >= static_cast<int>(zeilen_.size())) return;
    // The table may be older than the list: delete only a pilot still in it.
    TeilnehmerTyp* pilot = zeilen_[static_cast<std::size_t>(oben)];
    if (!DatenStammEnthaelt(wett_, pilot)) return;
    DatenStammLoeschen(wett_, pilot);
    Geaendert();
    if (grid_->rowCount() > 0) grid_->setCurrentCell(std::min(oben, grid_->rowCount() - 1), 0);
}

void TStammDatenForm::Geaendert() {
    if (wett_) SortStammDatenNamen(wett_, true);
    FillStringGrid();
    if (ListeGeaendert) ListeGeaendert();
}

} // namespace tavuran
