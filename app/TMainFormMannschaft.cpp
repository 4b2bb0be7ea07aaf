// The main window's team sheet (tab "Teamschutz / Team") with the lookup of
// participants who are in no team yet.
#include <algorithm>

#include <QTableWidget>

#include "app/DialogListe.h"
#include "app/GitterEditor.h"
#include "app/TMainForm.h"
#include "core/DatenWettbewerb.h"
#include "exchange/TeilnehmerBearbeitung.h"

namespace tavuran {

std::vector<int> TMainForm::MannschaftZeilenAnlegen() {
    QTableWidget* g = grid_[TabMannschaft];
    // Every row shows the number of the team it is written back to.
    const std::vector<int> nummern = MannschaftZeilenNummern(WettPtr);
    if (g->columnCount() == 0) return nummern;
    const int zeilen = static_cast<int>(nummern.size());
    if (zeilen != g->rowCount()) g->setRowCount(zeilen);
    for (int r = 1; r <= zeilen; ++r) {
        const QString text = QString::number(nummern[static_cast<std::size_t>(r - 1)]);
        QTableWidgetItem* it = g->item(r - 1, 0);
        if (!it) {
            it = new QTableWidgetItem;
            it->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            g->setItem(r - 1, 0, it);
        }
        if (it->text() != text) it->setText(text);
    }
    return nummern;
}

void TMainForm::DispStammDatenMannschaft(const std::string* Tipptext) {
    if (!stammMannschGrid_) return;
    if (!WettPtr) {
        stammMannschGrid_->clearContents();
        return;
    }
    QTableWidget* g = grid_[TabMannschaft];
    const int r = g->currentRow() + 1, c = g->currentColumn();
    const std::string text = Tipptext ? *Tipptext : ListenZellText(g, r, c);
    LookupFuellen(stammMannschGrid_, MannschaftAngebot(WettPtr, c, text));
}

void TMainForm::MannschaftZelleEingeben(int Zeile, int Spalte, const std::string& Text) {
    QTableWidget* g = grid_[TabMannschaft];
    if (!WettPtr || Spalte < MannschSpalteName || Spalte >= MannschSpalten || Zeile < 1 || Zeile > g->rowCount()) return;
    GitterZelleSetzen(g, Zeile, Spalte, Text);
    GitterTexte t = GitterLesen(g);
    NachBearbeitung(AktMannschaftDaten(WettPtr, t, Zeile, Zeile), StatusMannschaften);
}

void TMainForm::MannschaftCursorWeiter() {
    QTableWidget* g = grid_[TabMannschaft];
    const int r = g->currentRow() + 1, c = g->currentColumn();
    if (c + 1 < g->columnCount())
        CursorSetzen(TabMannschaft, r, c + 1);
    else
        CursorSetzen(TabMannschaft, r + 1, MannschSpalteName);
}

bool TMainForm::MannschaftTaste(int Taste) {
    QTableWidget* g = grid_[TabMannschaft];
    if (!WettPtr || g->currentRow() < 0) return false;
    const int r = g->currentRow() + 1, c = g->currentColumn();
    if (Taste == Qt::Key_Backtab) {
        if (c > MannschSpalteName) CursorSetzen(TabMannschaft, r, c - 1);
        return true;
    }
    if (Taste != Qt::Key_Return && Taste != Qt::Key_Enter && Taste != Qt::Key_Tab) return false;
    // Only a typed beginning of a name takes the first offered participant;
    // the request remembers the cell it was made in.
    const std::string text = ListenZellText(g, r, c);
    const UebernahmeAnfrage a = MannschaftAnfrage(MannschaftAngebot(WettPtr, c, text), 1, r, c, text, true);
    SetWettbewerbsStatus(WettPtr, StatusMannschaften, false);
    MannschaftCursorWeiter();
    if (a.Offen()) MannschaftUebernahme(a);
    return true;
}

void TMainForm::StammdatenMannschGridKlick(int Zeile) {
    QTableWidget* g = grid_[TabMannschaft];
    if (!WettPtr || g->currentRow() < 0) return;
    const int r = g->currentRow() + 1, c = g->currentColumn();
    const std::string text = ListenZellText(g, r, c);
    const UebernahmeAnfrage a = MannschaftAnfrage(MannschaftAngebot(WettPtr, c, text), Zeile, r, c, text, false);
    MannschaftCursorWeiter();
    if (a.Offen()) MannschaftUebernahme(a);
    g->setFocus();
}

void TMainForm::MannschaftUebernahme(const UebernahmeAnfrage& Anfrage) {
    GitterTexte t = GitterLesen(grid_[TabMannschaft]);
    if (MannschaftUebernehmen(WettPtr, t, Anfrage) <= 0) return;
    SetWettbewerbsStatus(WettPtr, StatusMannschaften, false);
    WettbewerbNeuBerechnen();
}

} // namespace tavuran
