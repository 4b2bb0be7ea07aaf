// Score entry of the main window: the tabs "Wertung" and "Flugwiederholung
// (Reflight)". Each row is a participant, each value column a value of the
// rule. The texts of a row go to the model through the routines of
// evaluation/WertungEingabe.h: when the row is left, on Enter, Tab and the arrow
// keys, every 100 ms for the row being typed, and before anything refills or
// re-lays out the grids or saves or closes the competition.
#include <algorithm>

#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include "app/DialogListe.h"
#include "app/GitterEingabe.h"
#include "app/TMainForm.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "evaluation/EingabePlausibel.h"
#include "evaluation/Sortierung.h"
#include "platform/Zeitgeber.h"

namespace tavuran {

namespace {

// Each value cell keeps, beside its text, the text the display wrote into it:
// only a text that differs from it was typed and is read.
constexpr int AngezeigtRolle = Qt::UserRole + 1;

int Index(int Tab) { return Tab == TabRefly ? 1 : 0; }

QTableWidgetItem* ZellItem(QTableWidget* g, int Zeile, int Spalte, bool Editierbar) {
    if (Zeile < 1 || Zeile > g->rowCount() || Spalte < 0 || Spalte >= g->columnCount()) return nullptr;
    QTableWidgetItem* it = g->item(Zeile - 1, Spalte);
    if (!it) {
        it = new QTableWidgetItem;
        g->setItem(Zeile - 1, Spalte, it);
    }
    const Qt::ItemFlags flags =
        Qt::ItemIsSelectable | Qt::ItemIsEnabled | (Editierbar ? Qt::ItemIsEditable : Qt::NoItemFlags);
    if (it->flags() != flags) it->setFlags(flags);
    return it;
}

// A computed cell: not editable, on a grey ground like the other fixed columns.
void RechenZelle(QTableWidget* g, int Zeile, int Spalte, const std::string& Text) {
    if (QTableWidgetItem* it = ZellItem(g, Zeile, Spalte, false)) {
        it->setText(QString::fromStdString(Text));
        it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        it->setBackground(QColor(0xF0, 0xF0, 0xF0));
    }
}

// A value cell: the text shown, remembered as what the display wrote.
void WertZelle(QTableWidget* g, int Zeile, int Spalte, const std::string& Text) {
    if (QTableWidgetItem* it = ZellItem(g, Zeile, Spalte, true)) {
        const QString t = QString::fromStdString(Text);
        it->setText(t);
        it->setData(AngezeigtRolle, t);
    }
}

void Kopfzeile(QTableWidget* g, const std::vector<std::string>& Koepfe) {
    g->setColumnCount(static_cast<int>(Koepfe.size()));
    QStringList l;
    for (const std::string& k : Koepfe) l << QString::fromStdString(k);
    g->setHorizontalHeaderLabels(l);
}

} // namespace

// ------------------------------------------------------------ setting up

void TMainForm::WertungEingabeAufbauen() {
    for (int tab : {TabWertung, TabRefly}) {
        QTableWidget* g = grid_[tab];
        wertEingabe_[Index(tab)] = new GitterEingabe(
            g, [this, tab](int z, int s) { return WertZelleEditierbar(tab, z, s); },
            [this, tab](int taste, Qt::KeyboardModifiers m) { return WertungTaste(tab, taste, m); });
        // Whatever moves the cursor to another row (a click, page keys), the
        // row-change check follows once the event is handled.
        connect(g, &QTableWidget::currentCellChanged, this, [this, tab](int Zeile, int, int VorherZeile, int) {
            if (Zeile != VorherZeile) QTimer::singleShot(0, this, [this, tab] { PruefeZeilenwechsel(tab); });
        });
    }
    // The cells of a competition that is put away are cleared, so that nothing
    // typed for it can reach the next one.
    connect(this, &TMainForm::WettbewerbSchliesst, this, [this] {
        for (int tab : {TabWertung, TabRefly}) {
            wertEingabe_[Index(tab)]->EditorSchliessen();
            grid_[tab]->clearContents();
        }
        LetzteZeileWertungsEingabe = LetzteZeileReflyEingabe = 0;
    });
    wertungCaptureTimer_ = new Zeitgeber(this, 100, [this] { WertungCaptureTimerTimer(); });
    wertungCaptureTimer_->Start();
}

int TMainForm::WertungErsteWertSpalte(int Tab) const { return ersteWertSpalte_[Index(Tab)]; }

void TMainForm::WertungsGitterBemessen(int Tab) {
    QTableWidget* g = grid_[Tab];
    const int fix = GetFontFactor(48);
    g->setRowCount((WettPtr ? GetTeilnehmerAnzahl(WettPtr->TeilnehmerRootPtr) : 0) + 50 - 1);
    g->setColumnWidth(0, fix);
    g->setColumnWidth(1, fix);
    g->setColumnWidth(2, Width_Name);
    g->setColumnWidth(3, Width_Verein);
    // Computed and value columns as wide as their header needs, at least a number column.
    const QFontMetrics fm(g->horizontalHeader()->font());
    for (int c = 4; c < g->columnCount(); ++c) {
        const QTableWidgetItem* k = g->horizontalHeaderItem(c);
        const int kopf = k ? fm.horizontalAdvance(k->text()) + GetFontFactor(14) : 0;
        g->setColumnWidth(c, std::max(fix + GetFontFactor(8), kopf));
    }
    int& letzte = Tab == TabRefly ? LetzteZeileReflyEingabe : LetzteZeileWertungsEingabe;
    letzte = g->currentRow() >= 0 ? g->currentRow() + 1 : 0;
}

void TMainForm::InitWertungEditStringGrid() {
    WertungEingabeSichern();
    QTableWidget* g = grid_[TabWertung];
    wertEingabe_[0]->EditorSchliessen();
    g->clearContents();
    wertSpalten_[0] = GetWertSpalten(WettPtr);
    std::vector<std::string> koepfe = {"", "", "Name", "Verein"};
    for (const std::string& k : GetWertungBerechnetKoepfe(WettPtr, GetDurchgangNr())) koepfe.push_back(k);
    ersteWertSpalte_[0] = static_cast<int>(koepfe.size());
    for (const std::string& k : wertSpalten_[0].Koepfe) koepfe.push_back(k);
    Kopfzeile(g, koepfe);
    WertungsGitterBemessen(TabWertung);
}

void TMainForm::InitReflyEditStringGrid() {
    WertungEingabeSichern();
    QTableWidget* g = grid_[TabRefly];
    wertEingabe_[1]->EditorSchliessen();
    g->clearContents();
    wertSpalten_[1] = GetWertSpalten(WettPtr);
    std::vector<std::string> koepfe = {"", "", "Name", "Verein"};
    for (const std::string& k : GetReflyBerechnetKoepfe()) koepfe.push_back(k);
    ersteWertSpalte_[1] = ReflyErsteWertSpalte;
    for (const std::string& k : wertSpalten_[1].Koepfe) koepfe.push_back(k);
    Kopfzeile(g, koepfe);
    WertungsGitterBemessen(TabRefly);
}

// ------------------------------------------------------------ display

void TMainForm::DispWertungZeile(WettbewerbTyp* Wett, QTableWidget* g, int Tab, TeilnehmerTyp* p, int r) {
    const int n = Wett->DurchgangNr;
    if (n < 1 || n > MaxDurchgaenge) return;
    const int i = Index(Tab);
    const WertSpaltenTyp& spalten = wertSpalten_[i];
    const int erste = ersteWertSpalte_[i];
    DurchgangTyp* d = GetDurchgangPtr(Wett, n);
    WertungTyp* erst = GetWertungPtr(Wett, d, p->EdvNr);
    WertungTyp* w = Tab == TabRefly ? DatenWertungGetPtr(d, p->EdvNr, 1) : erst;
    const std::vector<std::string> berechnet =
        Tab == TabRefly ? DispReflyBerechnet(w, erst) : DispWertungBerechnet(Wett, n, w);
    for (std::size_t k = 0; k < berechnet.size() && 4 + static_cast<int>(k) < erste; ++k)
        RechenZelle(g, r, 4 + static_cast<int>(k), berechnet[k]);
    const std::vector<std::string> werte = DispWertungWerte(Wett, w, spalten);
    for (int k = 1; k <= spalten.Anzahl(); ++k)
        WertZelle(g, r, erste + k - 1, w ? werte[static_cast<std::size_t>(k - 1)] : std::string());
}

// ------------------------------------------------------------ copying rows

bool TMainForm::WertZelleEditierbar(int Tab, int Zeile, int Spalte) {
    if (!WettPtr) return false;
    const int i = Index(Tab);
    if (Spalte < ersteWertSpalte_[i] || Spalte >= ersteWertSpalte_[i] + wertSpalten_[i].Anzahl()) return false;
    TeilnehmerTyp* p = GetTeilnehmerInZeile(WettPtr, Tab, Zeile, ListenZellText(grid_[Tab], Zeile, 2));
    if (!p) return false;
    if (Tab != TabRefly) return true;
    DurchgangTyp* d = DatenDurchgangSuchen(WettPtr, WettPtr->DurchgangNr);
    return d && DatenWertungGetPtr(d, p->EdvNr, 1);
}

// Copies one row into the current round; true when a stored value changed.
// The participant is the one the display put into that row, as long as the
// name cell still shows him; only cells whose text differs from what the
// display wrote are read.
bool TMainForm::HoleEingabe(int Tab, int Zeile, bool MeldungZeigen) {
    if (!WettPtr || Tab < 0 || Tab > 6) return false;
    QTableWidget* g = grid_[Tab];
    if (Zeile < 1 || Zeile > g->rowCount()) return false;
    const int i = Index(Tab);
    const int erste = ersteWertSpalte_[i];
    const WertSpaltenTyp& spalten = wertSpalten_[i];
    std::vector<WertZelleTyp> zellen;
    bool getippt = false;
    for (int k = 1; k <= spalten.Anzahl() && erste + k - 1 < g->columnCount(); ++k) {
        const QTableWidgetItem* it = g->item(Zeile - 1, erste + k - 1);
        WertZelleTyp z;
        if (it) {
            z.Text = it->text().toStdString();
            z.Angezeigt = it->data(AngezeigtRolle).toString().toStdString();
        }
        getippt = getippt || z.Text != z.Angezeigt;
        zellen.push_back(std::move(z));
    }
    if (!getippt) return false;
    TeilnehmerTyp* p = GetTeilnehmerInZeile(WettPtr, Tab, Zeile, ListenZellText(g, Zeile, 2));
    if (!p) return false;
    WertungTyp* w = GetEingabeWertung(WettPtr, WettPtr->DurchgangNr, p->EdvNr, Tab == TabRefly);
    if (!w) return false;
    const int geaendert = WertungZeileUebernehmen(WettPtr, WettPtr->DurchgangNr, w, spalten, zellen);
    // A refused text is not stored: the cell keeps it, with the message as its
    // tooltip and in the status bar.
    for (int k = 1; k <= static_cast<int>(zellen.size()); ++k)
        if (QTableWidgetItem* it = g->item(Zeile - 1, erste + k - 1))
            it->setToolTip(QString::fromStdString(zellen[static_cast<std::size_t>(k - 1)].Meldung));
    if (const std::string m = ZeileMeldung(zellen); !m.empty()) {
        const QString q = QString::fromStdString(m);
        if (MeldungZeigen && statusBar()->currentMessage() != q) statusBar()->showMessage(q, 20000);
        return false;
    }
    if (geaendert == 0) return false;
    SchrittBenennen((Tab == TabRefly ? "Flugwiederholung " : "Wertung ") + CnvNameTypToNameStr(&p->Name, true) + ", " +
                    GetDurchgangBezeichner(WettPtr, WettPtr->DurchgangNr, false, true));
    const std::vector<std::string> hinweise = GetEingabeHinweise(WettPtr, WettPtr->DurchgangNr, w, spalten);
    for (int k = 1; k <= static_cast<int>(zellen.size()); ++k)
        if (QTableWidgetItem* it = g->item(Zeile - 1, erste + k - 1)) {
            const std::size_t i = static_cast<std::size_t>(k - 1);
            it->setData(AngezeigtRolle, QString::fromStdString(zellen[i].Angezeigt));
            it->setToolTip(i < hinweise.size() ? QString::fromStdString(hinweise[i]) : QString());
        }

    SetWettbewerbModified(WettPtr);
    return true;
}

void TMainForm::WertungEingabeSichern() {
    if (!WettPtr) return;
    for (int tab : {TabWertung, TabRefly}) {
        const int letzte = tab == TabRefly ? LetzteZeileReflyEingabe : LetzteZeileWertungsEingabe;
        HoleEingabe(tab, letzte);
        HoleEingabe(tab, grid_[tab]->currentRow() + 1);
    }
}

void TMainForm::WertungCaptureTimerTimer() {
    if (!WettPtr) return;
    for (int tab : {TabWertung, TabRefly})
        if (grid_[tab]->isVisible()) HoleEingabe(tab, grid_[tab]->currentRow() + 1, false);
}

// Values of a row that are stored but unlikely by the rule: a note in the
// status bar when the row is left (a refusal shown for it stays).
void TMainForm::HinweisZeigen(int Tab, int Zeile) {
    const QString jetzt = statusBar()->currentMessage();
    if (!WettPtr || (!jetzt.isEmpty() && !jetzt.startsWith("Hinweis: "))) return;
    QTableWidget* g = grid_[Tab];
    TeilnehmerTyp* p = GetTeilnehmerInZeile(WettPtr, Tab, Zeile, ListenZellText(g, Zeile, 2));
    DurchgangTyp* d = p ? DatenDurchgangSuchen(WettPtr, WettPtr->DurchgangNr) : nullptr;
    const WertungTyp* w = d ? DatenWertungGetPtr(d, p->EdvNr, Tab == TabRefly ? 1 : 0) : nullptr;
    if (!w) return;
    const WertSpaltenTyp& spalten = wertSpalten_[Index(Tab)];
    const std::string h = EingabeHinweisText(spalten, GetEingabeHinweise(WettPtr, WettPtr->DurchgangNr, w, spalten));
    if (!h.empty()) statusBar()->showMessage(QString::fromStdString("Hinweis: " + h), 20000);
}

// ------------------------------------------------------------ row change

bool TMainForm::PruefeZeilenwechsel(int Tab) {
    QTableWidget* g = grid_[Tab];
    int& letzte = Tab == TabRefly ? LetzteZeileReflyEingabe : LetzteZeileWertungsEingabe;
    const int zeile = g->currentRow() + 1;
    if (zeile < 1 || zeile == letzte) return false;
    // The participant the cursor went to, so that it stays on him when the
    // recompute re-sorts the rows.
    TeilnehmerTyp* ziel = WettPtr ? GetTeilnehmerInZeile(WettPtr, Tab, zeile, ListenZellText(g, zeile, 2)) : nullptr;
    const bool geaendert = HoleEingabe(Tab, letzte);
    HinweisZeigen(Tab, letzte);
    letzte = zeile;
    if (!WettPtr) return true;
    if (geaendert || WettPtr->CalcWertung) WettbewerbNeuBerechnen();
    if (ziel && ziel->ZeilenNr[Tab] > 0 && ziel->ZeilenNr[Tab] != zeile) {
        letzte = ziel->ZeilenNr[Tab];
        g->setCurrentCell(letzte - 1, std::max(g->currentColumn(), 0));
    }
    return true;
}


// Enter, Tab and the arrow keys: the row under the cursor goes to the model,
// the cursor moves within the value columns, then the row-change check.
bool TMainForm::WertungTaste(int Tab, int Taste, Qt::KeyboardModifiers) {
    if (!WettPtr) return false;
    QTableWidget* g = grid_[Tab];
    const int i = Index(Tab);
    const int erste = ersteWertSpalte_[i];
    const int letzteWert = std::min(erste + wertSpalten_[i].Anzahl() - 1, g->columnCount() - 1);
    int zeile = g->currentRow() + 1;
    int spalte = g->currentColumn();
    if (zeile < 1) return false;
    HoleEingabe(Tab, zeile);
    const bool werte = letzteWert >= erste;
    const bool enter = Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
    if (werte) {
        if (spalte < erste) {
            spalte = erste;
        } else {
            switch (Taste) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
                if (spalte < letzteWert) {
                    ++spalte;
                } else {
                    spalte = erste;
                    if (zeile < g->rowCount()) ++zeile;
                }
                break;
            case Qt::Key_Backtab:
                if (spalte > erste) {
                    --spalte;
                } else if (zeile > 1) {
                    spalte = letzteWert;
                    --zeile;
                }
                break;
            case Qt::Key_Left: spalte = std::max(spalte - 1, erste); break;
            case Qt::Key_Right: spalte = std::min(spalte + 1, letzteWert); break;
            case Qt::Key_Up: zeile = std::max(zeile - 1, 1); break;
            case Qt::Key_Down: zeile = std::min(zeile + 1, g->rowCount()); break;
            default: break;
            }
        }
        g->setCurrentCell(zeile - 1, spalte);
    }
    if (enter && Tab == TabWertung) SetWettbewerbsStatus(WettPtr, StatusErgebnisse, false);
    PruefeZeilenwechsel(Tab);
    RedrawStatusBar();
    return true;
}

} // namespace tavuran
