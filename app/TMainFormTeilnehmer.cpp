// The main window's participant sheet (tab "Teilnehmer") with the master-data
// lookup below it, the commands "ent&fernen" and "einfü&gen", and the master
// data's loading, storing and dialog.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include <QAction>
#include <QHeaderView>
#include <QLinearGradient>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>

#include "app/TabellenGitter.h"

#include "app/DialogListe.h"
#include "app/GitterEditor.h"
#include "app/TMainForm.h"
#include "core/UiHooks.h"
#include "app/TStammdatenForm.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenStamm.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "startorder/Kanal.h"
#include "tabellen/ZellFolge.h"

namespace tavuran {

namespace {

// A lookup grid below a sheet: running number, name, club.
QTableWidget* LookupAufbauen(QWidget* Eltern, const QFont& Schrift, int Zeilenhoehe, int Fix, int BreiteName,
                             int BreiteVerein) {
    auto* g = new QTableWidget(Eltern);
    g->setFont(Schrift);
    g->setColumnCount(4);
    const char* const koepfe[4] = {"", "", "Name", "Verein"};
    for (int c = 0; c < 4; ++c) g->setHorizontalHeaderItem(c, new QTableWidgetItem(koepfe[c]));
    g->setColumnHidden(1, true);
    g->setColumnWidth(0, Fix);
    g->setColumnWidth(2, BreiteName * 3 / 2);
    g->setColumnWidth(3, BreiteVerein * 3 / 2);
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setRowCount(5);
    return g;
}

} // namespace

QWidget* TMainForm::EditPanelAufbauen(int Tab) {
    auto* split = new QSplitter(Qt::Vertical, panels_);
    TabellenGitter* g = grid_[Tab];
    split->addWidget(g);
    QTableWidget* lookup = LookupAufbauen(split, g->font(), g->verticalHeader()->defaultSectionSize(),
                                          GetFontFactor(48), Width_Name, Width_Verein);
    split->addWidget(lookup);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    auto* editor = new GitterEditor(g);
    if (Tab == TabTeilnehmer) {
        stammGrid_ = lookup;
        teilnEditor_ = editor;
        editor->Eingabe = [this, g](int r, int c) { TeilnehmerZelleEingeben(r, c, ListenZellText(g, r, c)); };
        editor->Tippen = [this](const QString& t) {
            const std::string s = t.toStdString();
            DispStammDaten(&s);
        };
        editor->Taste = [this](int k) { return TeilnehmerTaste(k); };
        editor->VorTippen = [this] {
            // Rows must not move while typing: the sheet goes to registration
            // order first, and the cursor stays on its participant.
            if (!WettPtr || WettPtr->Sortierung[TabTeilnehmer] == SortMeldgNr) return;
            TeilnehmerTyp* p = TeilnehmerInZeile(WettPtr, TabTeilnehmer, grid_[TabTeilnehmer]->currentRow() + 1);
            const int spalte = grid_[TabTeilnehmer]->currentColumn();
            ChangeSort(SortMeldgNr);
            if (p && p->ZeilenNr[TabTeilnehmer] > 0) CursorSetzen(TabTeilnehmer, p->ZeilenNr[TabTeilnehmer], spalte);
        };
        connect(lookup, &QTableWidget::cellClicked, this, [this](int r, int) { StammdatenGridKlick(r + 1); });
        connect(g->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { DispStammDaten(); });
        connect(g, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
            // The active channel follows the clicked channel cell.
            const int r = i.row(), c = i.column();
            if (!WettPtr || c < TeilnSpalteKanal1 || c > TeilnSpalteKanal1 + 2) return;
            TeilnehmerTyp* p = TeilnehmerInZeile(WettPtr, TabTeilnehmer, r + 1);
            if (p && SelectChannel(WettPtr, p, c - TeilnSpalteKanal1 + 1)) WettbewerbNeuBerechnen();
        });
    } else {
        stammMannschGrid_ = lookup;
        mannschEditor_ = editor;
        editor->Eingabe = [this, g](int r, int c) { MannschaftZelleEingeben(r, c, ListenZellText(g, r, c)); };
        editor->Tippen = [this](const QString& t) {
            const std::string s = t.toStdString();
            DispStammDatenMannschaft(&s);
        };
        editor->Taste = [this](int k) { return MannschaftTaste(k); };
        connect(lookup, &QTableWidget::cellClicked, this, [this](int r, int) { StammdatenMannschGridKlick(r + 1); });
        connect(g->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { DispStammDatenMannschaft(); });
    }
    return split;
}

void TMainForm::TeilnehmerMenueAufbauen(QMenu* Bearbeiten) {
    entfernenAct_ = Bearbeiten->addAction("ent&fernen");
    einfuegenAct_ = Bearbeiten->addAction("einfü&gen");
    einfuegenAct_->setEnabled(false);
    connect(entfernenAct_, &QAction::triggered, this, [this] { FunctionTeilnehmerEntfernenClick(); });
    connect(einfuegenAct_, &QAction::triggered, this, [this] { FunctionTeilnehmerEinfuegenClick(); });
    // The master data belong to the user: they are stored when their
    // competition is put away.
    connect(this, &TMainForm::WettbewerbSchliesst, this, [this](WettbewerbTyp* w) { StammdatenSpeichern(w); });
}

void TMainForm::StammdatenMenueAufbauen(QMenu* Einstellungen) {
    stammDaten_ = new TStammDatenForm(this);
    stammDaten_->ListeGeaendert = [this] { FormPaint(); };
    connect(this, &TMainForm::WettbewerbSchliesst, stammDaten_, [this](WettbewerbTyp* w) {
        if (stammDaten_->Wettbewerb() != w) return;
        stammDaten_->hide();
        stammDaten_->SetWettbewerb(nullptr);
    });
    connect(Einstellungen->addAction("Stammdaten"), &QAction::triggered, this, [this] { StammdatenClick(); });
}

void TMainForm::StammdatenClick() {
    if (!WettPtr) return;
    stammDaten_->SetWettbewerb(WettPtr);
    stammDaten_->FormShow();
}

// Once per competition: the list the stored mode asks for, and the dialog set to that mode.
void TMainForm::StammdatenLaden() {
    if (!WettPtr) return;
    const int mode = DatenStammLaden(WettPtr);
    // The lookup offers the pilots alphabetically.
    SortStammDatenNamen(WettPtr, true);
    stammDaten_->SetAbgleichToRadioButton(mode);
    stammDaten_->SetEnableDisableRadioButton(mode);
    stammDaten_->SetWettbewerb(WettPtr);
    stammGeladenFuer_ = WettPtr;
}

void TMainForm::StammdatenSpeichern(WettbewerbTyp* Wett) {
    // Only a list that was loaded for this competition is stored: an empty
    // one would wipe the stored pilots.
    if (!Wett || Wett != stammGeladenFuer_) return;
    stammGeladenFuer_ = nullptr;
    const int mode = stammDaten_->GetAbgleichFromRadioButton();
    DatenStammAbgleichWriteRegistry(mode);
    if (mode != StammAbgleichNie) DatenStammWriteRegistry(Wett, mode);
}

// ------------------------------------------------------------------ drawing

void TMainForm::TeilnehmerBearbeitungZeichnen() {
    // The lookups below the sheets follow the sheet that shows.
    const int tab = AktuellerTab();
    if (tab == TabTeilnehmer) DispStammDaten();
    if (tab == TabMannschaft) DispStammDatenMannschaft();
}

void TMainForm::DispStammDaten(const std::string* Tipptext) {
    if (!stammGrid_) return;
    if (!WettPtr) {
        stammGrid_->clearContents();
        return;
    }
    TabellenGitter* g = grid_[TabTeilnehmer];
    const int r = g->currentRow() + 1, c = g->currentColumn();
    const std::string text = Tipptext ? *Tipptext : ListenZellText(g, r, c);
    // A click into the lookup takes what it shows: the offer for this text,
    // which is the open editor's while typing, not yet the cell's.
    stammAngebotText_ = text;
    LookupFuellen(stammGrid_, StammdatenAngebot(WettPtr, c, text));
}

// -------------------------------------------------------------------- editing

void TMainForm::CursorSetzen(int Tab, int Zeile, int Spalte) {
    TabellenGitter* g = grid_[Tab];
    if (Zeile < 1 || Zeile > g->rowCount() || Spalte < 0 || Spalte >= g->columnCount()) return;
    g->setCurrentCell(Zeile - 1, Spalte);
}

void TMainForm::NachBearbeitung(bool Geaendert, int Status) {
    if (!WettPtr || !Geaendert) return;
    SetWettbewerbsStatus(WettPtr, Status, false);
    WettbewerbNeuBerechnen();
}

void TMainForm::TeilnehmerZelleEingeben(int Zeile, int Spalte, const std::string& Text) {
    TabellenGitter* g = grid_[TabTeilnehmer];
    if (!WettPtr || Spalte < TeilnSpalteName || Spalte >= TeilnSpalten || Zeile < 1 || Zeile > g->rowCount()) return;
    GitterZelleSetzen(g, Zeile, Spalte, Text);
    GitterTexte t = GitterLesen(g);
    const bool geaendert = AktTeilnehmerDaten(WettPtr, t, Zeile, Zeile);
    GitterZeileZeigen(g, t, Zeile);
    TeilnehmerTyp* p = TeilnehmerInZeile(WettPtr, TabTeilnehmer, Zeile);
    NachBearbeitung(geaendert, StatusTeilnehmer);
    // A new participant moves to his place in the list: the cursor follows him.
    if (p && p->ZeilenNr[TabTeilnehmer] != Zeile && p->ZeilenNr[TabTeilnehmer] > 0 && g->currentRow() + 1 == Zeile)
        CursorSetzen(TabTeilnehmer, p->ZeilenNr[TabTeilnehmer], g->currentColumn());
}

void TMainForm::TeilnehmerCursorBewegen(int Zeile, int Spalte, bool Enter) {
    const ZellOrtTyp n = TeilnehmerZelleNach(grid_[TabTeilnehmer]->Tabelle(), {Zeile - 1, Spalte}, Enter);
    CursorSetzen(TabTeilnehmer, n.Zeile + 1, n.Spalte);
}

bool TMainForm::TeilnehmerTaste(int Taste) {
    TabellenGitter* g = grid_[TabTeilnehmer];
    if (!WettPtr || g->currentRow() < 0) return false;
    const int r = g->currentRow() + 1, c = g->currentColumn();
    if (Taste == Qt::Key_Backtab) {
        if (c > TeilnSpalteName) CursorSetzen(TabTeilnehmer, r, c - 1);
        return true;
    }
    if (Taste != Qt::Key_Return && Taste != Qt::Key_Enter && Taste != Qt::Key_Tab) return false;
    // The request remembers its row and column: the pilot goes where Enter was pressed.
    const std::string text = ListenZellText(g, r, c);
    const UebernahmeAnfrage a = StammdatenAnfrage(StammdatenAngebot(WettPtr, c, text), 1, r, c, text, true);
    SetWettbewerbsStatus(WettPtr, StatusTeilnehmer, false);
    TeilnehmerCursorBewegen(r, c, Taste != Qt::Key_Tab);
    if (a.Offen()) TeilnehmerUebernahme(a);
    return true;
}

void TMainForm::StammdatenGridKlick(int Zeile) {
    TabellenGitter* g = grid_[TabTeilnehmer];
    if (!WettPtr || g->currentRow() < 0) return;
    const int r = g->currentRow() + 1, c = g->currentColumn();
    const std::string text = stammAngebotText_;
    const UebernahmeAnfrage a = StammdatenAnfrage(StammdatenAngebot(WettPtr, c, text), Zeile, r, c, text, false);
    TeilnehmerCursorBewegen(r, c, true);
    if (a.Offen()) TeilnehmerUebernahme(a);
    g->setFocus();
}

void TMainForm::TeilnehmerUebernahme(const UebernahmeAnfrage& Anfrage) {
    TabellenGitter* g = grid_[TabTeilnehmer];
    GitterTexte t = GitterLesen(g);
    const int ziel = StammdatenUebernehmen(WettPtr, t, Anfrage);
    if (ziel <= 0) return;
    TeilnehmerTyp* p = TeilnehmerInZeile(WettPtr, TabTeilnehmer, ziel);
    SetWettbewerbsStatus(WettPtr, StatusTeilnehmer, false);
    WettbewerbNeuBerechnen();
    if (Anfrage.Spalte == TeilnSpalteName && p && p->ZeilenNr[TabTeilnehmer] > 0)
        CursorSetzen(TabTeilnehmer, p->ZeilenNr[TabTeilnehmer] + 1, TeilnSpalteName);
}

void TMainForm::FunctionTeilnehmerEntfernenClick() {
    if (!WettPtr) return;
    const int tab = AktuellerTab();
    TabellenGitter* g = grid_[tab];
    if (tab == TabTeilnehmer) {
        GitterTexte t = GitterLesen(g);
        // A pilot who has flown is removed only when the user confirms it.
        if (const TeilnehmerTyp* p = TeilnehmerInZeile(WettPtr, 0, g->currentRow() + 1)) {
            const std::string frage = TeilnehmerEntfernenFrage(WettPtr, p);
            if (!frage.empty() && UiFrage("Teilnehmer entfernen", frage) != UiAntwort::Ja) return;
            SchrittBenennen("Teilnehmer " + CnvNameTypToNameStr(&p->Name, true) + " entfernen");
        }
        if (EntferneTeilnehmerAusWettbewerb(WettPtr, t, g->currentRow() + 1)) WettbewerbNeuBerechnen();
    } else if (tab == TabMannschaft) {
        GitterTexte t = GitterLesen(g);
        EntferneMannschaftAusWettbewerb(WettPtr, t, g->currentRow() + 1);
        WettbewerbNeuBerechnen();
    }
}

void TMainForm::FunctionTeilnehmerEinfuegenClick() {
    if (!WettPtr || AktuellerTab() != TabTeilnehmer) return;
    TabellenGitter* g = grid_[TabTeilnehmer];
    if (EinfuegeTeilnehmerInWettbewerb(WettPtr, g->currentRow() + 1, g->rowCount())) WettbewerbNeuBerechnen();
}

void TMainForm::TeilnehmerTimer() {
    const int tab = AktuellerTab();
    if (entfernenAct_) entfernenAct_->setEnabled(WettPtr && (tab == TabTeilnehmer || tab == TabMannschaft));
    if (einfuegenAct_) einfuegenAct_->setEnabled(WettPtr && tab == TabTeilnehmer && TeilnehmerZwischenablageGueltig);
}

} // namespace tavuran
