// Score entry of the main window: the tabs "Wertung" and "Flugwiederholung
// (Reflight)". Each row is a participant, each value column a value of the
// rule. The texts of a row go to the model through the routines of
// evaluation/WertungEingabe.h: when the row is left, on Enter, Tab and the arrow
// keys, 100 ms after a key typed into a cell, and before anything refills or
// re-lays out the grids or saves or closes the competition.
#include <algorithm>

#include <QItemSelectionModel>
#include <QStatusBar>
#include <QTimer>

#include "app/DialogListe.h"
#include "app/GitterEingabe.h"
#include "app/TabellenGitter.h"
#include "app/TMainForm.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "evaluation/EingabePlausibel.h"
#include "evaluation/Sortierung.h"
#include "platform/Zeitgeber.h"
#include "tabellen/ZellFolge.h"

namespace tavuran {

namespace {

int Index(int Tab) { return Tab == TabRefly ? 1 : 0; }

} // namespace

// ------------------------------------------------------------ setting up

void TMainForm::WertungEingabeAufbauen() {
    for (int tab : {TabWertung, TabRefly}) {
        TabellenGitter* g = grid_[tab];
        wertEingabe_[Index(tab)] = new GitterEingabe(
            g, [this, tab](int z, int s) { return WertZelleEditierbar(tab, z, s); },
            [this, tab](int taste, Qt::KeyboardModifiers m) { return WertungTaste(tab, taste, m); });
        // Whatever moves the cursor to another row (a click, page keys), the
        // row-change check follows once the event is handled.
        connect(g->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, tab](const QModelIndex& Jetzt, const QModelIndex& Vorher) {
                    if (Jetzt.row() != Vorher.row())
                        QTimer::singleShot(0, this, [this, tab] { PruefeZeilenwechsel(tab); });
                    else if (Jetzt.column() != Vorher.column())
                        // Another cell of the same row: a refused text there keeps its cell.
                        QTimer::singleShot(0, this, [this, tab] {
                            const int z = grid_[tab]->currentRow() + 1;
                            HoleEingabe(tab, z);
                            AblehnungHalten(tab, z);
                        });
                });
        // A typed cell is copied into the model a moment later, once.
        connect(g->Modell(), &QAbstractItemModel::dataChanged, this, [this, tab] {
            if (wertEingabe_[Index(tab)]->EditorOffen()) wertungCaptureTimer_->Start();
        });
    }
    // The cells of a competition that is put away are cleared, so that nothing
    // typed for it can reach the next one.
    connect(this, &TMainForm::WettbewerbSchliesst, this, [this] {
        for (int tab : {TabWertung, TabRefly}) {
            wertEingabe_[Index(tab)]->EditorSchliessen();
            grid_[tab]->SetTabelle(ReiterTabelle(nullptr, tab, AnzeigeOptionen()), FontFactorPercent);
            tabStand_[tab] = 0;
        }
        LetzteZeileWertungsEingabe = LetzteZeileReflyEingabe = 0;
    });
    wertungCaptureTimer_ = new Zeitgeber(this, 100, [this] {
        wertungCaptureTimer_->Stop();
        WertungCaptureTimerTimer();
    });
}

int TMainForm::WertungErsteWertSpalte(int Tab) const { return ersteWertSpalte_[Index(Tab)]; }

void TMainForm::WertungsGitterUebernehmen(int Tab) {
    const int i = Index(Tab);
    const int erste = grid_[Tab]->Tabelle().FixeSpalten;
    const int durchgang = WettPtr ? WettPtr->DurchgangNr : 1;
    // A new layout (another round, other columns): the row being typed is the cursor's.
    if (erste != ersteWertSpalte_[i] || durchgang != wertDurchgang_[i]) {
        int& letzte = Tab == TabRefly ? LetzteZeileReflyEingabe : LetzteZeileWertungsEingabe;
        letzte = grid_[Tab]->currentRow() >= 0 ? grid_[Tab]->currentRow() + 1 : 0;
    }
    wertSpalten_[i] = GetWertSpalten(WettPtr);
    ersteWertSpalte_[i] = erste;
    wertDurchgang_[i] = durchgang;
}

// ------------------------------------------------------------ copying rows

bool TMainForm::WertZelleEditierbar(int Tab, int Zeile, int Spalte) {
    return WettPtr && grid_[Tab]->Tabelle().ZelleEditierbar(Zeile - 1, Spalte);
}

// Copies one row into the current round; true when a stored value changed.
// The participant is the one the display put into that row, as long as the
// name cell still shows him; only cells whose text differs from what the
// display wrote are read.
bool TMainForm::HoleEingabe(int Tab, int Zeile, bool MeldungZeigen) {
    if (!WettPtr || (Tab != TabWertung && Tab != TabRefly)) return false;
    TabellenGitter* g = grid_[Tab];
    const int i = Index(Tab);
    const AblehnungTyp vorher = std::move(abgelehnt_[i]);
    abgelehnt_[i] = {};
    if (Zeile < 1 || Zeile > g->rowCount()) return false;
    TabellenModell* m = g->Modell();
    const int erste = ersteWertSpalte_[i];
    const WertSpaltenTyp& spalten = wertSpalten_[i];
    std::vector<WertZelleTyp> zellen;
    bool getippt = false;
    for (int k = 1; k <= spalten.Anzahl() && erste + k - 1 < g->columnCount(); ++k) {
        WertZelleTyp z;
        z.Text = m->Text(Zeile - 1, erste + k - 1);
        z.Angezeigt = m->Angezeigt(Zeile - 1, erste + k - 1);
        getippt = getippt || z.Text != z.Angezeigt;
        zellen.push_back(std::move(z));
    }
    // The refused row reads now: its message is no longer news.
    const auto ablehnungVorbei = [this, &vorher, Zeile] {
        if (vorher.Zeile == Zeile && !vorher.Meldung.empty() &&
            statusBar()->currentMessage() == QString::fromStdString(vorher.Meldung))
            statusBar()->clearMessage();
    };
    if (!getippt) {
        ablehnungVorbei();
        return false;
    }
    TeilnehmerTyp* p = GetTeilnehmerInZeile(WettPtr, Tab, Zeile, ListenZellText(g, Zeile, 2));
    if (!p) return false;
    // The round the grid shows, which is the current one while it is typed into.
    const int durchgang = wertDurchgang_[i];
    WertungTyp* w = GetEingabeWertung(WettPtr, durchgang, p->EdvNr, Tab == TabRefly);
    if (!w) return false;
    const int geaendert = WertungZeileUebernehmen(WettPtr, durchgang, w, spalten, zellen);
    // A refused text is not stored: the cell keeps it, the status bar says why.
    if (const std::string meldung = ZeileMeldung(zellen); !meldung.empty()) {
        const QString q = QString::fromStdString(meldung);
        if (MeldungZeigen && statusBar()->currentMessage() != q) statusBar()->showMessage(q, 20000);
        for (std::size_t k = 0; k < zellen.size(); ++k)
            if (!zellen[k].Meldung.empty()) {
                abgelehnt_[i] = {Zeile, erste + static_cast<int>(k), zellen[k].Meldung};
                break;
            }
        return false;
    }
    ablehnungVorbei();
    if (geaendert == 0) return false;
    SchrittBenennen((Tab == TabRefly ? "Flugwiederholung " : "Wertung ") + CnvNameTypToNameStr(&p->Name, true) + ", " +
                    GetDurchgangBezeichner(WettPtr, durchgang, false, true));
    for (int k = 1; k <= static_cast<int>(zellen.size()); ++k)
        m->SetAngezeigt(Zeile - 1, erste + k - 1, zellen[static_cast<std::size_t>(k - 1)].Angezeigt);
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

bool TMainForm::AblehnungHalten(int Tab, int Zeile) {
    const AblehnungTyp& a = abgelehnt_[Index(Tab)];
    if (a.Spalte < 0 || a.Zeile != Zeile) return false;
    TabellenGitter* g = grid_[Tab];
    GitterEingabe* e = wertEingabe_[Index(Tab)];
    const QModelIndex zelle = g->Modell()->index(Zeile - 1, a.Spalte);
    if (!zelle.isValid()) return false;
    const QString meldung = QString::fromStdString(a.Meldung);
    const QString gespeichert = QString::fromStdString(g->Modell()->Angezeigt(Zeile - 1, a.Spalte));
    if (g->currentIndex() != zelle) g->setCurrentCell(Zeile - 1, a.Spalte);
    if (!e->EditorOffen()) g->edit(zelle);
    e->AblehnungZeigen(meldung, gespeichert);
    return true;
}

// Values of a row that are stored but unlikely by the rule: a note in the
// status bar when the row is left (a refusal shown for it stays).
void TMainForm::HinweisZeigen(int Tab, int Zeile) {
    const QString jetzt = statusBar()->currentMessage();
    if (!WettPtr || (!jetzt.isEmpty() && !jetzt.startsWith("Hinweis: "))) return;
    TeilnehmerTyp* p = GetTeilnehmerInZeile(WettPtr, Tab, Zeile, ListenZellText(grid_[Tab], Zeile, 2));
    const int durchgang = wertDurchgang_[Index(Tab)];
    DurchgangTyp* d = p ? DatenDurchgangSuchen(WettPtr, durchgang) : nullptr;
    const WertungTyp* w = d ? DatenWertungGetPtr(d, p->EdvNr, Tab == TabRefly ? 1 : 0) : nullptr;
    if (!w) return;
    const WertSpaltenTyp& spalten = wertSpalten_[Index(Tab)];
    const std::string h = EingabeHinweisText(spalten, GetEingabeHinweise(WettPtr, durchgang, w, spalten));
    if (!h.empty()) statusBar()->showMessage(QString::fromStdString("Hinweis: " + h), 20000);
}

// ------------------------------------------------------------ row change

bool TMainForm::PruefeZeilenwechsel(int Tab) {
    TabellenGitter* g = grid_[Tab];
    int& letzte = Tab == TabRefly ? LetzteZeileReflyEingabe : LetzteZeileWertungsEingabe;
    const int zeile = g->currentRow() + 1;
    if (zeile < 1 || zeile == letzte) return false;
    // The participant the cursor went to, so that it stays on him when the
    // recompute re-sorts the rows.
    TeilnehmerTyp* ziel = WettPtr ? GetTeilnehmerInZeile(WettPtr, Tab, zeile, ListenZellText(g, zeile, 2)) : nullptr;
    const bool geaendert = HoleEingabe(Tab, letzte);
    // A refused text keeps its row: the cursor goes back into it.
    if (AblehnungHalten(Tab, letzte)) return false;
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
// the cursor moves within the value columns, then the row-change check. Enter
// and Tab walk through the value cells pilot by pilot, Shift+Tab back; a
// refused text keeps its cell in edit.
bool TMainForm::WertungTaste(int Tab, int Taste, Qt::KeyboardModifiers) {
    if (!WettPtr) return false;
    TabellenGitter* g = grid_[Tab];
    const int i = Index(Tab);
    const int erste = ersteWertSpalte_[i];
    const int letzteWert = std::min(erste + wertSpalten_[i].Anzahl() - 1, g->columnCount() - 1);
    int zeile = g->currentRow() + 1;
    int spalte = g->currentColumn();
    if (zeile < 1) return false;
    HoleEingabe(Tab, zeile);
    if (AblehnungHalten(Tab, zeile)) return true;
    const bool enter = Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
    if (enter || Taste == Qt::Key_Tab || Taste == Qt::Key_Backtab) {
        const ZellOrtTyp n = WertZelleNach(g->Tabelle(), {zeile - 1, spalte}, Taste != Qt::Key_Backtab);
        if (n == ZellOrtTyp{zeile - 1, spalte} && WettPtr->CalcWertung) {
            // The end of the grid: the row is not left, but its points are shown.
            TeilnehmerTyp* p = GetTeilnehmerInZeile(WettPtr, Tab, zeile, ListenZellText(g, zeile, 2));
            WettbewerbNeuBerechnen();
            if (p && p->ZeilenNr[Tab] > 0) g->setCurrentCell(p->ZeilenNr[Tab] - 1, spalte);
        } else {
            g->setCurrentCell(n.Zeile, n.Spalte);
        }
    } else if (letzteWert >= erste) {
        if (spalte < erste) {
            spalte = erste;
        } else {
            switch (Taste) {
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
