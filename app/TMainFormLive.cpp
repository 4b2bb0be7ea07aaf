// The main window's part of the live pages and entry by phone: the menu
// items, the server it owns, and handing the windows "Live-Ergebnisse" and
// "Eingänge" the competition they work on.
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "app/TEingaengeForm.h"
#include "app/TLiveForm.h"
#include "app/TMainForm.h"
#include "core/UiHooks.h"
#include "exchange/DateiZugriff.h"
#include "live/LiveStartzettel.h"
#include "netz/LiveServer.h"
#include "platform/Zeitgeber.h"

namespace tavuran {

void TMainForm::LiveMenueAufbauen(QMenu* Datei) {
    liveServer_ = new LiveServer(this);
    liveForm_ = new TLiveForm(this);
    eingaengeForm_ = new TEingaengeForm(this);
    connect(Datei->addAction("&Live-Ergebnisse …"), &QAction::triggered, this, [this] { LiveErgebnisseClick(); });
    connect(Datei->addAction("&Eingänge …"), &QAction::triggered, this, [this] { EingaengeClick(); });
    connect(liveServer_, &LiveServer::NeuerEingang, this, [this](int) {
        if (eingaengeForm_->isVisible()) eingaengeForm_->Aktualisieren();
    });
    // Closing the competition ends its live pages: no server serves a freed competition.
    connect(this, &TMainForm::WettbewerbSchliesst, this, [this](WettbewerbTyp* w) {
        liveForm_->WettbewerbSchliesst(w);
        eingaengeForm_->WettbewerbSchliesst(w);
        liveServer_->Stoppen();
        liveServer_->Dienst().Schliessen();
    });
    liveStatus_ = new QLabel(this);
    statusBar()->addPermanentWidget(liveStatus_);
    // The phones of the last minute and the open entries change without any edit here:
    // the status field is brought up to date once a second.
    auto* takt = new Zeitgeber(this, 1000, [this] { LiveStatus(); });
    takt->Start();
}

void TMainForm::LiveBinden() {
    if (!WettPtr) return;
    std::string grund;
    // Without a saved file there is no inbox yet; a damaged file of codes is reported when the window opens.
    if (!liveServer_->Dienst().Oeffnen(WettPtr, WettPtr->WettbewerbFileNamen[0], grund)) liveServer_->Dienst().Schliessen();
    liveForm_->Binden(WettPtr, WettPtr->WettbewerbFileNamen[0], liveServer_);
    eingaengeForm_->Binden(WettPtr, &liveServer_->Dienst(), [this] { WettbewerbNeuBerechnen(); });
}

void TMainForm::LiveGespeichert(const std::string& Datei) {
    if (!liveServer_ || !WettPtr) return;
    LiveDienst& d = liveServer_->Dienst();
    // A competition saved for the first time gets its inbox now.
    if (!d.Offen()) return LiveBinden();
    const bool neu = !DateienGleich(d.Datei(), Datei);
    std::string grund;
    if (!d.Gespeichert(Datei, grund)) UiWarnung("Eingänge", grund);
    if (neu) {
        liveForm_->Binden(WettPtr, d.Datei(), liveServer_);
        eingaengeForm_->Aktualisieren();
    }
}

void TMainForm::StartzettelZugang(std::vector<ZettelSeiteTyp>& Seiten) {
    if (!WettPtr) return;
    std::string grund;
    if (!ZettelZugangVorbereiten(WettPtr, WettPtr->WettbewerbFileNamen[0], Seiten, grund)) {
        statusBar()->showMessage(QString::fromStdString("Startzettel ohne Eingabe-Links. " + grund), 10000);
        return;
    }
    // Codes handed out for the sheets' rounds are valid on the server at once.
    if (liveServer_ && liveServer_->Dienst().Offen() && !liveServer_->Dienst().ZugangNeuLesen(grund))
        statusBar()->showMessage(QString::fromStdString(grund), 10000);
}

void TMainForm::LiveErgebnisseClick() {
    if (!WettPtr) return;
    liveForm_->Binden(WettPtr, WettPtr->WettbewerbFileNamen[0], liveServer_);
    liveForm_->show();
    liveForm_->raise();
}

void TMainForm::EingaengeClick() {
    if (!WettPtr) return;
    if (!liveServer_->Dienst().Offen()) LiveBinden();
    eingaengeForm_->Aktualisieren();
    eingaengeForm_->show();
    eingaengeForm_->raise();
}

void TMainForm::LiveGeaendert() {
    if (!liveServer_) return;
    if (liveServer_->Laeuft()) liveServer_->Geaendert();
    if (eingaengeForm_->isVisible()) eingaengeForm_->Aktualisieren();
}

void TMainForm::LiveStatus() {
    if (!liveStatus_) return;
    int offen = 0;
    for (const EingangTyp& e : liveServer_->Dienst().Eingaenge().Liste) offen += e.Status == EingangStatus::Offen;
    QString t;
    if (liveServer_->Laeuft())
        t = QString("Live: läuft, %1 Telefone in der letzten Minute").arg(liveServer_->TelefoneLetzteMinute());
    if (offen > 0 && liveServer_->Dienst().Offen()) t += QString(t.isEmpty() ? "" : ", ") + QString("%1 Eingänge offen").arg(offen);
    liveStatus_->setText(t);
    if (liveForm_->isVisible() && liveServer_->Laeuft()) liveForm_->Aktualisieren();
}

} // namespace tavuran
