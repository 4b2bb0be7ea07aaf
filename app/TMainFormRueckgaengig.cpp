// Undo and redo of the main window: Bearbeiten › "Rückgängig" (Ctrl+Z) and
// "Wiederherstellen" (Ctrl+Y, Ctrl+Shift+Z). A step is recorded where the
// competition changes: after every recompute (which every edit, dialog and
// command runs), before a save, and by the display timer for a change that
// marked the competition (CalcWertung) without a recompute yet. A step is a snapshot of the competition (exchange/Rueckgaengig.h);
// undoing puts the snapshot in place of the competition as opening a file does.
#include <QApplication>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>

#include "app/TMainForm.h"
#include "app/TabellenGitter.h"
#include "app/TStammdatenForm.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "evaluation/Sortierung.h"

namespace tavuran {

namespace {

std::string OhneKuerzel(const QString& Text) { return QString(Text).remove('&').toStdString(); }

} // namespace

void TMainForm::RueckgaengigMenueAufbauen(QMenu* Bearbeiten) {
    undoAct_ = Bearbeiten->addAction("Rückgängig");
    undoAct_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAct_ = Bearbeiten->addAction("Wiederherstellen");
    redoAct_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undoAct_, &QAction::triggered, this, [this] { RueckgaengigClick(); });
    connect(redoAct_, &QAction::triggered, this, [this] { WiederherstellenClick(); });
    Bearbeiten->addSeparator();
    // A command of this menu (and its submenus) names the step it causes,
    // also when a dialog it opened makes the change later.
    connect(Bearbeiten, &QMenu::triggered, this, [this](QAction* a) {
        if (a != undoAct_ && a != redoAct_) SchrittBenennen(OhneKuerzel(a->text()));
    });
    RueckgaengigMenueAktualisieren();
}

void TMainForm::RueckgaengigMenueAktualisieren() {
    if (!undoAct_) return;
    const bool aktiv = WettPtr && rueckgaengigWett_ == WettPtr;
    const std::string zurueck = aktiv ? RueckgaengigName(rueckgaengig_) : std::string();
    const std::string vor = aktiv ? WiederherstellenName(rueckgaengig_) : std::string();
    undoAct_->setText(QString::fromStdString(zurueck.empty() ? "Rückgängig" : "Rückgängig: " + zurueck));
    redoAct_->setText(QString::fromStdString(vor.empty() ? "Wiederherstellen" : "Wiederherstellen: " + vor));
    undoAct_->setEnabled(!zurueck.empty());
    redoAct_->setEnabled(!vor.empty());
}

namespace {

// A cell editor of one of the grids has the focus (editors live in the viewport).
template <class Gitter, std::size_t N>
bool ZelleWirdBearbeitet(Gitter* const (&Grids)[N]) {
    QWidget* fokus = QApplication::focusWidget();
    if (!fokus) return false;
    for (Gitter* g : Grids)
        if (g && fokus != g->viewport() && g->viewport()->isAncestorOf(fokus)) return true;
    return false;
}

} // namespace

void TMainForm::SchrittMerken(bool Erzwingen) {
    if (!WettPtr || rueckgaengigWett_ != WettPtr || standWirdEingesetzt_) return;
    // A cell being typed into is stored piecewise while typing: its step is
    // recorded when the row is left.
    if (!Erzwingen && ZelleWirdBearbeitet(grid_)) {
        // asked again shortly: the editor closes when the row is left
        if (!schrittVorgemerkt_) {
            schrittVorgemerkt_ = true;
            QTimer::singleShot(250, this, [this] {
                schrittVorgemerkt_ = false;
                SchrittMerken();
            });
        }
        return;
    }
    std::string name = schrittName_;
    if (name.empty()) {
        static const char* const NachTab[] = {"Teilnehmer",       "Startreihenfolge", "Teams",        "Wertung",
                                              "Flugwiederholung", "Ergebnis",         "Teamergebnis"};
        const int tab = AktuellerTab();
        name = tab >= 0 && tab < 7 ? NachTab[tab] : "Änderung";
    }
    if (RueckgaengigMerken(rueckgaengig_, WettPtr, name)) schrittName_.clear();
    RueckgaengigMenueAktualisieren();
}

void TMainForm::RueckgaengigBeginnenFuer(bool Gespeichert) {
    rueckgaengigWett_ = WettPtr;
    schrittName_.clear();
    if (WettPtr) RueckgaengigBeginnen(rueckgaengig_, WettPtr, Gespeichert && !WettPtr->modified);
    RueckgaengigMenueAktualisieren();
}

void TMainForm::RueckgaengigBeenden() {
    rueckgaengigWett_ = nullptr;
    rueckgaengig_ = RueckgaengigListe{};
    schrittName_.clear();
    RueckgaengigMenueAktualisieren();
}

void TMainForm::GespeichertMerken() {
    if (WettPtr && rueckgaengigWett_ == WettPtr) RueckgaengigGespeichert(rueckgaengig_, WettPtr);
    RueckgaengigMenueAktualisieren();
}

void TMainForm::RueckgaengigClick() {
    if (!WettPtr || rueckgaengigWett_ != WettPtr || !StartreihenfolgeSchliessenErlaubt()) return;
    // What was typed and not yet stored is a step of its own, undone first.
    WertungEingabeSichern();
    SchrittMerken(true);
    std::string stand;
    if (Rueckgaengig(rueckgaengig_, stand)) StandEinsetzen(stand);
}

void TMainForm::WiederherstellenClick() {
    if (!WettPtr || rueckgaengigWett_ != WettPtr || !StartreihenfolgeSchliessenErlaubt()) return;
    WertungEingabeSichern();
    SchrittMerken(true);
    std::string stand;
    if (Wiederherstellen(rueckgaengig_, stand)) StandEinsetzen(stand);
}

// The snapshot takes the place of the competition: the open dialogs let go
// of the old one, as when another file is opened.
void TMainForm::StandEinsetzen(const std::string& Stand) {
    WettbewerbTyp* neu = RueckgaengigWiederherstellen(Stand, WettPtr);
    if (!neu) {
        UiWarnung("Rückgängig", "Der frühere Stand konnte nicht wiederhergestellt werden.");
        RueckgaengigMenueAktualisieren();
        return;
    }
    standWirdEingesetzt_ = true;
    // The master data went over to the restored state: they are not stored
    // (and merged) as when a competition is closed.
    const bool stammGeladen = stammGeladenFuer_ == WettPtr;
    stammGeladenFuer_ = nullptr;
    emit WettbewerbSchliesst(WettPtr);
    DatenWettbewerbDispose(WettPtr);
    WettPtr = neu;
    rueckgaengigWett_ = neu;
    if (stammGeladen) {
        stammGeladenFuer_ = neu;
        stammDaten_->SetWettbewerb(neu);
    }
    WettbewerbNeuBerechnen();
    SetDurchgangListRadionButton();
    SetSortListRadionButton();
    SortAll(WettPtr);
    ReinitAndRedraw();
    WettPtr->modified = !RueckgaengigAmGespeichertenStand(rueckgaengig_);
    RueckgaengigStandErneuern(rueckgaengig_, WettPtr);
    standWirdEingesetzt_ = false;
    RedrawStatusBar();
    RueckgaengigMenueAktualisieren();
}

} // namespace tavuran
