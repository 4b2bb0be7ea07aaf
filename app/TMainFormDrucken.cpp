// The main window's print commands: the items of "&Drucken" that open the
// print preview (lists, start sheets, channel statistics, and the labels when
// the label dialog confirms), and the distribution dialog of the start list.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/TEtikettForm.h"
#include "app/TMainForm.h"
#include "app/TPreviewForm.h"
#include "app/TVerteilerForm.h"
#include "core/DatenWettbewerb.h"

namespace tavuran {

namespace {

QMenu* DruckMenue(QMenuBar* Leiste) {
    for (QAction* a : Leiste->actions())
        if (a->menu() && a->text() == "&Drucken") return a->menu();
    return Leiste->addMenu("&Drucken");
}

// The item of that caption in the menu (nil: at the end).
QAction* Eintrag(QMenu* Menue, const QString& Text) {
    for (QAction* a : Menue->actions())
        if (a->text() == Text) return a;
    return nullptr;
}

} // namespace

void TMainForm::DruckMenueAufbauen() {
    TPreviewForm::Anbindung anbindung;
    anbindung.GetDurchgangNr = [this] { return GetDurchgangNr(); };
    anbindung.SetDurchgangNr = [this](int n) {
        SetDurchgangNr(n);
        RedrawStatusBar();
    };
    anbindung.Druckfarbe = [this] { return Druckfarbe(); };
    anbindung.TeamAnzeigen = [this] { return TeamInStartliste(); };
    anbindung.Zettelzugang = [this](std::vector<ZettelSeiteTyp>& s) { StartzettelZugang(s); };
    preview_ = new TPreviewForm(anbindung, this);
    verteiler_ = new TVerteilerForm([this](int maske) { StartlisteVorschauZeigen(maske); }, this);
    connect(this, &TMainForm::WettbewerbSchliesst, preview_, [this](WettbewerbTyp* w) {
        preview_->WettbewerbSchliesst(w);
        verteiler_->hide();
    });

    // The HTML items are there already; the print items go between them.
    QMenu* m = DruckMenue(menuBar());
    QAction* vorMeldungHtml = Eintrag(m, "Meldungsliste HTML Export");
    QAction* vorStartHtml = Eintrag(m, "Startliste HTML Export");
    QAction* vorErgebnisHtml = Eintrag(m, "Ergebnisliste HTML Export");
    auto neu = [&](const char* Text, QAction* Vor, void (TMainForm::*Befehl)()) {
        auto* a = new QAction(Text, m);
        m->insertAction(Vor, a);
        connect(a, &QAction::triggered, this, [this, Befehl] { (this->*Befehl)(); });
    };
    neu("&Kanalstatistik drucken", vorMeldungHtml, &TMainForm::FunktionKanalstatistikClick);
    neu("&Meldungsliste drucken", vorMeldungHtml, &TMainForm::FunctionMeldungslisteClick);
    neu("&Startliste drucken", vorStartHtml, &TMainForm::FunctionStartlisteClick);
    neu("Start&zettel drucken", vorErgebnisHtml, &TMainForm::FunktionStartzettelClick);
    neu("&Etikett drucken", vorErgebnisHtml, &TMainForm::EtikettDialogZeigen);
    connect(EtikettForm(), &TEtikettForm::Bestaetigt, this, &TMainForm::EtikettVorschauZeigen);
    neu("&Wertungsliste drucken", vorErgebnisHtml, &TMainForm::FunctionWertungslisteClick);
    neu("&Ergebnisliste drucken", vorErgebnisHtml, &TMainForm::FunctionErgebnislisteClick);
    neu("&Teamergebnis drucken", vorErgebnisHtml, &TMainForm::FunctionTeamergebnisClick);
    endgueltigAct_ = new QAction("Ergebnis als endgültig drucken", m);
    endgueltigAct_->setCheckable(true);
    m->insertAction(vorErgebnisHtml, endgueltigAct_);
}

void TMainForm::VorschauOeffnen(const VorschauZustand& Zustand, const std::string& Titel) {
    if (WettPtr) preview_->Oeffnen(WettPtr, Zustand, Titel);
}

void TMainForm::FunktionKanalstatistikClick() {
    if (WettPtr) VorschauOeffnen(VorschauStart(DruckArt::Kanalstatistik, GetDurchgangNr()), "Kanalstatistik drucken");
}

void TMainForm::FunctionMeldungslisteClick() {
    if (WettPtr) VorschauOeffnen(VorschauStart(DruckArt::Meldungsliste, GetDurchgangNr()), "Meldungsliste drucken");
}

void TMainForm::FunctionErgebnislisteClick() {
    if (!WettPtr) return;
    VorschauZustand z = VorschauStart(DruckArt::Ergebnisliste, GetDurchgangNr());
    z.Endgueltig = endgueltigAct_ && endgueltigAct_->isChecked();
    VorschauOeffnen(z, "Ergebnisliste drucken");
}

void TMainForm::FunctionTeamergebnisClick() {
    if (!WettPtr) return;
    VorschauZustand z = VorschauStart(DruckArt::Teamergebnis, GetDurchgangNr());
    z.Endgueltig = endgueltigAct_ && endgueltigAct_->isChecked();
    VorschauOeffnen(z, "Teamergebnis drucken");
}

void TMainForm::FunctionWertungslisteClick() {
    if (!WettPtr || !StartreihenfolgePruefenFuerAusgabe()) return;
    VorschauOeffnen(VorschauStart(DruckArt::Wertungsliste, GetDurchgangNr()), "Wertungsliste drucken");
    SetWettbewerbsStatus(WettPtr, StatusErgebnisse, false);
}

void TMainForm::FunktionStartzettelClick() {
    if (!WettPtr || !StartreihenfolgePruefenFuerAusgabe()) return;
    VorschauOeffnen(VorschauStart(DruckArt::Startzettel, GetDurchgangNr()), "Startzettel");
}

void TMainForm::FunctionStartlisteClick() {
    if (!WettPtr || !StartreihenfolgePruefenFuerAusgabe()) return;
    verteiler_->show();
    verteiler_->raise();
    verteiler_->activateWindow();
}

void TMainForm::StartlisteVorschauZeigen(int VerteilerMaske) {
    if (!WettPtr || VerteilerMaske == 0) return;
    VorschauZustand z = VorschauStart(DruckArt::Startliste, GetDurchgangNr());
    z.VerteilerMaske = VerteilerMaske;
    z.DruckAttributeWaehlen = true;
    VorschauOeffnen(z, "Startliste drucken");
}

void TMainForm::EtikettVorschauZeigen(const FormatTyp& Format, const EtikettOptionen& Optionen) {
    if (!WettPtr) return;
    VorschauZustand z = VorschauStart(DruckArt::Etiketten, GetDurchgangNr());
    z.Etikettformat = Format;
    z.Etikettoptionen = Optionen;
    VorschauOeffnen(z, "Etikettendruck");
}

} // namespace tavuran
