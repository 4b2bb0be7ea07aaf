// The main window's commands for reflights, penalty points, team scoring, the
// channel statistics and adding and removing rounds.
#include <QAction>
#include <QMenu>

#include "app/TKanalStatForm.h"
#include "app/TMainForm.h"
#include "app/TReflyForm.h"
#include "app/TStrafpunkteForm.h"
#include "app/TTeamwertungForm.h"
#include "app/TWarnStartNrForm.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Durchgaenge.h"
#include "startorder/WarnStartNr.h"

namespace tavuran {

namespace {

// A modeless window hides and forgets a competition the main window frees.
template <class Form> Form* ModelessAnlegen(TMainForm* Haupt, Form*& Feld) {
    if (!Feld) {
        Feld = new Form(Haupt);
        Form* f = Feld;
        QObject::connect(Haupt, &TMainForm::WettbewerbSchliesst, f, [f](WettbewerbTyp* w) { f->WettbewerbSchliesst(w); });
    }
    return Feld;
}

// The reflight and penalty dialogs open for the current round at the window's position.
template <class Form> void RundenDialogZeigen(TMainForm* Haupt, WettbewerbTyp* Wett, Form*& Feld) {
    Form* f = ModelessAnlegen(Haupt, Feld);
    const QPoint p = Haupt->geometry().topLeft();
    f->SetWinPosAndWettbewerb(Wett, p.x(), p.y());
    f->Zeigen();
}

} // namespace

void TMainForm::DialogMenueAufbauen(QMenu* Bearbeiten) {
    QMenu* runden = Bearbeiten->addMenu("Durchgang hinzufügen/entfernen");
    const char* const titel[6] = {"Vorrunde hinzufügen",         "Vorrunde entfernen",
                                  "Senioren Fly-Off hinzufügen", "Senioren Fly-Off entfernen",
                                  "Jugend Fly-Off hinzufügen",   "Jugend Fly-Off entfernen"};
    for (int b = 0; b < 6; ++b) {
        durchgangBefehlAct_[b] = runden->addAction(titel[b]);
        connect(durchgangBefehlAct_[b], &QAction::triggered, this, [this, b] { DurchgangHinzufuegenEntfernenClick(b); });
    }
    connect(Bearbeiten->addAction("&Kanalstatistik"), &QAction::triggered, this, [this] { FunctionKanalstatistikClick(); });
    connect(Bearbeiten->addAction("Teamwertung konfigurieren"), &QAction::triggered, this,
            [this] { TeamwertungFktClick(); });
    reflyAct_ = Bearbeiten->addAction("Flugwiederholung (&Reflight)");
    connect(reflyAct_, &QAction::triggered, this, [this] { FunctionReflyClick(); });
    connect(Bearbeiten->addAction("Strafpunkte vergeben"), &QAction::triggered, this, [this] { FktStrafpunkteClick(); });
    reflyAct_->setEnabled(false);
}

void TMainForm::DialogMenueAktualisieren() {
    reflyAct_->setEnabled(WettPtr && WettPtr->RegelPtr && GetAnzTeilnehmer(WettPtr->TeilnehmerRootPtr) > 0);
}

void TMainForm::FunctionReflyClick() {
    if (WettPtr && reflyAct_->isEnabled()) RundenDialogZeigen(this, WettPtr, reflyForm_);
}

void TMainForm::FktStrafpunkteClick() {
    if (WettPtr) RundenDialogZeigen(this, WettPtr, strafpunkteForm_);
}

void TMainForm::TeamwertungFktClick() {
    if (!WettPtr) return;
    ModelessAnlegen(this, teamwertungForm_)->Zeigen(WettPtr);
}

void TMainForm::FunctionKanalstatistikClick() {
    if (!WettPtr) return;
    TKanalStatForm* f = ModelessAnlegen(this, kanalStatForm_);
    f->SetWettbewerb(WettPtr);
    f->Zeigen();
}

void TMainForm::KanalStatistikAnfrage() {
    // A competition saved with the window open asks for it again once loaded.
    if (WettPtr && WettPtr->KanWinAktiv == 2) FunctionKanalstatistikClick();
}

void TMainForm::NachDurchgangAenderung() {
    WettbewerbNeuBerechnen();
    SetDurchgangNr(WettPtr->DurchgangNr);
    ReinitAndRedraw();
}

void TMainForm::DurchgangHinzufuegenEntfernenClick(int Befehl) {
    if (!WettPtr || Befehl < 0 || Befehl > 5) return;
    static const int Block[6] = {BlockVorrunde,       BlockVorrunde,     BlockSeniorenFlyOff,
                                 BlockSeniorenFlyOff, BlockJugendFlyOff, BlockJugendFlyOff};
    if (Befehl % 2 == 0) {
        if (EinfuegeDurchgaenge(WettPtr, Block[Befehl])) NachDurchgangAenderung();
        return;
    }
    switch (DurchgangZumEntfernenWaehlen(WettPtr, Block[Befehl])) {
    case EntfernenWahl::Keiner: return;
    case EntfernenWahl::Sofort:
        if (ExecPipedAction(WettPtr)) NachDurchgangAenderung();
        return;
    case EntfernenWahl::Warnung:
        // Every round of the block was flown: the progress warning asks first
        // and removes the chosen round when the user goes on.
        warnStartNr_->FormCheckShow(WettPtr, StatusErgebnisse, StatusErgebnisse);
        warnStartNr_->SetCallingFkt(WarnAufrufDurchgangEntfernen);
        warnStartNr_->Zeigen();
        return;
    }
}

} // namespace tavuran
