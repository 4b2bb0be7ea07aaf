// The main window's team sheet (tab "Teamschutz / Team") with the lookup of
// participants who are in no team yet.
#include <algorithm>

#include <QTableWidget>

#include "app/TabellenGitter.h"

#include "app/DialogListe.h"
#include "app/GitterEditor.h"
#include "app/TMainForm.h"
#include "core/DatenWettbewerb.h"
#include "exchange/TeilnehmerBearbeitung.h"

namespace tavuran {

void TMainForm::DispStammDatenMannschaft(const std::string* Tipptext) {
    if (!stammMannschGrid_) return;
    if (!WettPtr) {
        stammMannschGrid_->clearContents();
        return;
    }
    TabellenGitter* g = grid_[TabMannschaft];
    const int r = g->currentRow() + 1, c = g->currentColumn();
    const std::string text = Tipptext ? *Tipptext : ListenZellText(g, r, c);
    // A click takes what the lookup shows (see DispStammDaten).
    mannschAngebotText_ = text;
    LookupFuellen(stammMannschGrid_, MannschaftAngebot(WettPtr, c, text));
}

void TMainForm::MannschaftZelleEingeben(int Zeile, int Spalte, const std::string& Text) {
    TabellenGitter* g = grid_[TabMannschaft];
    if (!WettPtr || Spalte < MannschSpalteName || Spalte >= MannschSpalten || Zeile < 1 || Zeile > g->rowCount()) return;
    GitterZelleSetzen(g, Zeile, Spalte, Text);
    GitterTexte t = GitterLesen(g);
    NachBearbeitung(AktMannschaftDaten(WettPtr, t, Zeile, Zeile), StatusMannschaften);
}

void TMainForm::MannschaftCursorWeiter() {
    TabellenGitter* g = grid_[TabMannschaft];
    const int r = g->currentRow() + 1, c = g->currentColumn();
    if (c + 1 < g->columnCount())
        CursorSetzen(TabMannschaft, r, c + 1);
    else
        CursorSetzen(TabMannschaft, r + 1, MannschSpalteName);
}

bool TMainForm::MannschaftTaste(int Taste) {
    TabellenGitter* g = grid_[TabMannschaft];
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
    TabellenGitter* g = grid_[TabMannschaft];
    if (!WettPtr || g->currentRow() < 0) return;
    const int r = g->currentRow() + 1, c = g->currentColumn();
    const std::string text = mannschAngebotText_;
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
