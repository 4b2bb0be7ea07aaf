// The main window's import commands: the registrations of the online portal
// and a round of an overall ranking taken from another competition file.
#include <QAction>
#include <QMenu>

#include "app/TDurchgangImportForm.h"
#include "app/TImportPortalForm.h"
#include "app/TMainForm.h"
#include "app/Verzeichnisse.h"
#include "platform/Dialoge.h"

namespace tavuran {

namespace {
constexpr int RegelGesamtwertung = 8;
}

void TMainForm::ImportMenueAufbauen(QMenu* Bearbeiten) {
    QMenu* import = Bearbeiten->addMenu("&Import");
    importPortalAct_ = import->addAction("Anmeldungen von &Kestrova (CSV-Download)");
    durchgangImportAct_ = import->addAction("Durchgang aus WTB-Datei importieren");
    connect(importPortalAct_, &QAction::triggered, this, [this] { FktImportPortalClick(); });
    connect(durchgangImportAct_, &QAction::triggered, this, [this] { FktDurchgangImportClick(); });
    connect(import, &QMenu::aboutToShow, this, [this] { ImportMenueAnpassen(); });
    ImportMenueAnpassen();
}

void TMainForm::ImportMenueAnpassen() {
    importPortalAct_->setEnabled(WettPtr != nullptr);
    durchgangImportAct_->setEnabled(WettPtr && WettPtr->RegelPtr && WettPtr->RegelPtr->EdvNr == RegelGesamtwertung);
}

void TMainForm::FktImportPortalClick() {
    if (!WettPtr) return;
    if (!importPortal_) {
        importPortal_ = new TImportPortalForm([this] { NachImportNeuZeichnen(); }, this);
        connect(this, &TMainForm::WettbewerbSchliesst, importPortal_, &TImportPortalForm::WettbewerbSchliesst);
    }
    importPortal_->SetWettbewerb(WettPtr);
    importPortal_->FormShow();
}

void TMainForm::FktDurchgangImportClick() {
    ImportMenueAnpassen();
    if (!WettPtr || !durchgangImportAct_->isEnabled()) return;
    DateiDialogAnfrage a;
    a.Titel = "Wettbewerbsdatei importieren";
    a.Filter = "Wettbewerbsdatei (*.wtb)|*.wtb";
    a.StartOrdner = OrdnerVon(WettPtr->WettbewerbFileNamen[0]);
    a.StartName = "*.wtb";
    const DateiDialogErgebnis e = DateiDialog(this, a);
    if (!e.Ok) return;
    if (!durchgangImport_) {
        durchgangImport_ = new TDurchgangImportForm([this] { NachImportNeuZeichnen(); }, this);
        connect(this, &TMainForm::WettbewerbSchliesst, durchgangImport_, &TDurchgangImportForm::WettbewerbSchliesst);
    }
    durchgangImport_->SetDurchgImportWettbewerb(WettPtr, e.Datei);
    durchgangImport_->FormShow();
}

void TMainForm::NachImportNeuZeichnen() {
    if (!WettPtr) return;
    WettbewerbNeuBerechnen();
    ReinitAndRedraw();
    RedrawStatusBar();
}

} // namespace tavuran
