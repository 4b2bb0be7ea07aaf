// The main window's start-order commands: the draw with its dialog, event log,
// result matrix and report, the run in slices on the window's thread with its
// progress in the status bar, the notice of a missing start order, the start
// numbers to leave out and their closing up, and the continuations of the
// progress warning.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "app/TMainForm.h"
#include "core/DatenDurchgang.h"
#include "app/TStartNrForm.h"
#include "app/TStartReihenfolgeNichtErmitteltForm.h"
#include "app/TStartreihenfolgeBewertungForm.h"
#include "app/TStartreihenfolgeCoreForm.h"
#include "app/TStartreihenfolgeErgebnisReportForm.h"
#include "app/TStartreihenfolgeUserInterfaceForm.h"
#include "app/TWarnStartNrForm.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "evaluation/Durchgaenge.h"
#include "evaluation/Sortierung.h"
#include "platform/Zeitgeber.h"
#include "startorder/Startnummern.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/WarnStartNr.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {

namespace {

// Moving a participant in the score or reflight list of a round that holds results.
constexpr int WarnAufrufVerschieben = 5;

// Forgets the run's window callbacks when the main window goes away.
class AnzeigeWaechter : public QObject {
  public:
    using QObject::QObject;
    ~AnzeigeWaechter() override {
        SetStartreihenfolgeAnzeige({});
        StartreihenfolgeFreigeben();
    }
};

} // namespace

void TMainForm::StartreihenfolgeMenueAufbauen(QMenu* Bearbeiten) {
    gruppeneinteilungAct_ = Bearbeiten->addAction("Startreihenfolge auszählen");
    connect(gruppeneinteilungAct_, &QAction::triggered, this, [this] { FktGruppeneinteilungClick(); });
    connect(Bearbeiten->addAction("Startnummern auslassen"), &QAction::triggered, this,
            [this] { FktEExStartNrClick(); });
    connect(Bearbeiten->addAction("Startnummern aufrücken"), &QAction::triggered, this,
            [this] { StartnummerAufrueckenFktClick(); });
    gruppeneinteilungAct_->setEnabled(false);

    auslosung_ = new TStartreihenfolgeUserInterfaceForm(this);
    matrix_ = new TStartreihenfolgeBewertungForm(this);
    report_ = new TStartreihenfolgeErgebnisReportForm(this);
    protokoll_ = new TStartreihenfolgeCoreForm(this);
    hinweis_ = new TStartReihenfolgeNichtErmitteltForm(this);
    startNr_ = new TStartNrForm(this);
    laufTimer_ = new Zeitgeber(this, 0, [this] { StartreihenfolgeLaufTick(); });
    new AnzeigeWaechter(this);

    TStartreihenfolgeUserInterfaceForm::Anschluss a;
    a.WarnungZeigen = [this] {
        if (TWarnStartNrForm* w = WarnStartNrForm()) w->Zeigen();
    };
    a.LaufStarten = [this] { StartreihenfolgeLaufStarten(); };
    a.ErgebnismatrixZeigen = [this] { matrix_->Zeigen(auslosung_->Wettbewerb()); };
    a.ErgebnisreportZeigen = [this] { report_->Zeigen(auslosung_->Wettbewerb()); };
    auslosung_->SetAnschluss(a);
    matrix_->SetNeuAuszaehlen([this](WettbewerbTyp* w) {
        if (w == WettPtr && !StartreihenfolgeLaeuft()) ReadRelevantWettDatenAtStartOfPilotSort(w);
    });
    hinweis_->SetWettbewerbOffen([this] { return WettPtr != nullptr; });
    hinweis_->SetJetztErmitteln([this] {
        if (!WettPtr || StartreihenfolgeLaeuft()) return false;
        ReadRelevantWettDatenAtStartOfPilotSort(WettPtr);
        auslosung_->UnsortierteDurchgaengeRadioButton->setChecked(true);
        return true;
    });

    StartreihenfolgeAnzeige anzeige;
    anzeige.ProtokollZeigen = [this] { protokoll_->ShowSortLogList(); };
    anzeige.ErgebnismatrixZeigen = [this] { matrix_->Zeigen(GetStartreihenfolgeWettPtr()); };
    anzeige.DialogZeigen = [this] { auslosung_->Zeigen(GetStartreihenfolgeWettPtr()); };
    anzeige.HauptfensterNeuZeichnen = [this] { FormPaint(); };
    anzeige.NeuBerechnen = [this](WettbewerbTyp* w) {
        if (w == WettPtr) {
            WettbewerbNeuBerechnen();
        } else {
            WettbewerbModellNeuBerechnen(w);
            SortAll(w);
        }
    };
    SetStartreihenfolgeAnzeige(anzeige);
    GetUiHooks().Protokoll = [this](const std::string& z) { protokoll_->AddToSortLogList(z); };

    // Every window bound to the competition lets go of it before it is freed;
    // the draw's working copy points into it and goes too.
    connect(this, &TMainForm::WettbewerbSchliesst, this, [this](WettbewerbTyp* w) {
        laufTimer_->Stop();
        StartreihenfolgeFreigeben();
        auslosung_->WettbewerbSchliesst(w);
        matrix_->WettbewerbSchliesst(w);
        report_->WettbewerbSchliesst(w);
        protokoll_->hide();
        hinweis_->hide();
        if (TWarnStartNrForm* warn = WarnStartNrForm()) warn->hide();
        verschiebung_ = {};
        if (centralWidget()) centralWidget()->setEnabled(true);
        menuBar()->setEnabled(true);
    });
}

// The recompute's enabling step for the draw: it needs a rule and participants.
void TMainForm::StartreihenfolgeMenueFreigeben() {
    if (!gruppeneinteilungAct_) return;
    gruppeneinteilungAct_->setEnabled(WettPtr && WettPtr->RegelPtr && WettPtr->TeilnehmerRootPtr);
}

// ------------------------------------------------------------------ the draw

void TMainForm::FktGruppeneinteilungClick() {
    if (!WettPtr || StartreihenfolgeLaeuft()) return;
    ReadRelevantWettDatenAtStartOfPilotSort(WettPtr);
}

bool TMainForm::StartreihenfolgeLaeuft() const { return GetSortierState() != SortStateIdle; }

void TMainForm::StartreihenfolgeLaufStarten() {
    if (!WettPtr || GetStartreihenfolgeWettPtr() != WettPtr) {
        StartreihenfolgeFreigeben();
        return;
    }
    // While the run works on the participants, nothing else may change them:
    // the lists and the menu wait, the status bar shows the progress.
    if (centralWidget()) centralWidget()->setEnabled(false);
    menuBar()->setEnabled(false);
    laufTimer_->Start();
    SortierHandleTimerTimer();
}

void TMainForm::StartreihenfolgeLaufTick() {
    if (StartreihenfolgeLaeuft() && GetStartreihenfolgeWettPtr() == WettPtr && WettPtr) {
        SortierTask();
        SortierHandleTimerTimer(); // the progress panel
    }
    if (!StartreihenfolgeLaeuft() || GetStartreihenfolgeWettPtr() != WettPtr || !WettPtr) {
        laufTimer_->Stop();
        StartreihenfolgeLaufEnde();
    }
}

void TMainForm::StartreihenfolgeLaufEnde() {
    protokoll_->Nachtragen();
    if (centralWidget()) centralWidget()->setEnabled(true);
    menuBar()->setEnabled(true);
    // The write-back may have made round 1 current; the menu and the lists follow.
    if (WettPtr) SetDurchgangNr(WettPtr->DurchgangNr);
    SortierHandleTimerTimer();
}

bool TMainForm::StartreihenfolgeSchliessenErlaubt() {
    if (!StartreihenfolgeLaeuft()) return true;
    UiMeldung("Die Startreihenfolge wird gerade ausgezählt.\n"
              "Der Wettbewerb kann erst nach dem Ende der Auszählung geschlossen werden.");
    return false;
}

// ------------------------------------------------------------------ the notice

void TMainForm::CheckZeigeHinweisEinteilungStartreihenfolge() {
    if (!WettPtr) return;
    const int tab = AktuellerTab();
    if (tab != TabWertung && tab != TabRefly && tab != 7) return;
    if (GetDurchgangStartreihenfolgeEingeteilt(WettPtr)) return;
    DurchgangTyp* d = DatenDurchgangSuchen(WettPtr, WettPtr->DurchgangNr);
    if (!d || d->DurchgangEingeteilt) return;
    hinweis_->EnableAbbruchButton = false;
    hinweis_->EnableSortNowButton = true;
    hinweis_->EnableNextButton = true;
    hinweis_->Zeigen();
}

bool TMainForm::StartreihenfolgePruefenFuerAusgabe() {
    if (!WettPtr) return false;
    if (GetDurchgangStartreihenfolgeEingeteilt(WettPtr)) return true;
    hinweis_->EnableAbbruchButton = true;
    hinweis_->EnableSortNowButton = true;
    hinweis_->EnableNextButton = false;
    hinweis_->Zeigen();
    return false;
}

// ------------------------------------------------------------- start numbers

void TMainForm::FktEExStartNrClick() {
    const QRect g = geometry();
    startNr_->SetWinPosOfMainForm(g.left(), g.top(), g.width(), g.height());
    startNr_->Zeigen();
}

void TMainForm::StartnummerAufrueckenFktClick() {
    if (!WettPtr) return;
    if (!GetStartreihenfolgeErmittelt(WettPtr)) {
        StartnummerAufrueckenAusfuehren();
        return;
    }
    SetCallingFkt(WarnAufrufAufruecken);
    WarnStartNrForm()->Zeigen();
}

void TMainForm::StartnummerAufrueckenAusfuehren() {
    if (!WettPtr) return;
    StartnummerAufruecken(WettPtr);
    FormPaint();
}

// ------------------------------------------------- continuations of the warning

void TMainForm::WarnungFortsetzen(int CalledBy) {
    if (!WettPtr) return;
    switch (CalledBy) {
    case WarnAufrufAuslosung: auslosung_->StartTriggerStartreihenfolgeVerteilen(); break;
    case WarnAufrufAufruecken: StartnummerAufrueckenAusfuehren(); break;
    case WarnAufrufDurchgangEntfernen:
        if (ExecPipedAction(WettPtr)) NachDurchgangAenderung();
        break;
    case WarnAufrufVerschieben:
        if (verschiebung_.Wett == WettPtr && verschiebung_.Tab == AktuellerTab()) {
            verschiebung_.Bestaetigt = true;
            ZeileVerschieben(verschiebung_.Von, verschiebung_.Nach);
        }
        verschiebung_ = {};
        break;
    default: break;
    }
}

// A participant moved in the score or reflight list of a round that already
// holds results would leave his entry behind in his old group: the progress
// warning asks first, as for every change after results.
bool TMainForm::ZeileVerschiebenErlaubt(int VonZeile, int NachZeile) {
    if (!WettPtr) return false;
    const int tab = AktuellerTab();
    if (tab != TabWertung && tab != TabRefly) return true;
    if (verschiebung_.Bestaetigt) {
        verschiebung_.Bestaetigt = false;
        return true;
    }
    const int n = WettPtr->DurchgangNr;
    const std::uint32_t maske = DatenWettbewerbDurchgangEnthaeltWertung(WettPtr);
    if (n < 1 || n > 32 || !(maske & (1u << (n - 1)))) return true;
    if (!FormCheckShow(WettPtr, 70, 0)) return true;
    verschiebung_ = {WettPtr, tab, VonZeile, NachZeile, false};
    SetCallingFkt(WarnAufrufVerschieben);
    WarnStartNrForm()->Zeigen();
    return false;
}

} // namespace tavuran
