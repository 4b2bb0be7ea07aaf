// The main window's export commands: the submenu "&Export" of "&Bearbeiten"
// and the HTML items of "&Drucken", the save dialogs of the three short HTML
// lists, and the dialogs of the HTML result list and the CSV table.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/TExportForm.h"
#include "app/THtmlExportForm.h"
#include "app/TMainForm.h"
#include "app/Verzeichnisse.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DateiZugriff.h"
#include "exchange/HtmlListen.h"
#include "platform/Browser.h"
#include "platform/Dialoge.h"

namespace tavuran {

namespace {

// The menu of that title in the menu bar; created at its end when missing.
QMenu* MenueMitTitel(QMenuBar* Leiste, const QString& Titel) {
    for (QAction* a : Leiste->actions())
        if (a->menu() && a->text() == Titel) return a->menu();
    return Leiste->addMenu(Titel);
}

} // namespace

void TMainForm::ExportMenueAufbauen(QMenu* Bearbeiten) {
    htmlExport_ = new THtmlExportForm(this);
    csvExport_ = new TExportForm(this);
    connect(this, &TMainForm::WettbewerbSchliesst, htmlExport_, &THtmlExportForm::WettbewerbSchliesst);
    connect(this, &TMainForm::WettbewerbSchliesst, csvExport_, &TExportForm::WettbewerbSchliesst);

    QMenu* exp = Bearbeiten->addMenu("&Export");
    connect(exp->addAction("HTML Export (&Meldungen)"), &QAction::triggered, this, [this] { HTMLExportMeldung(); });
    connect(exp->addAction("HTML Export (&Startlisten)"), &QAction::triggered, this,
            [this] { HTMLExportStartliste(false); });
    connect(exp->addAction("&HTML Export (Ergebnisse)"), &QAction::triggered, this,
            [this] { ErgebnislisteHTMLExportClick(); });
    teamErgebnisHtml_[0] = exp->addAction("HTML Export (&Teamergebnis)");
    connect(teamErgebnisHtml_[0], &QAction::triggered, this, [this] { HTMLExportTeamergebnis(); });
    connect(exp->addAction("Export als CSV-Exceldatei"), &QAction::triggered, this, [this] { CsvExportClick(); });

    QMenu* drucken = MenueMitTitel(menuBar(), "&Drucken");
    connect(drucken->addAction("Meldungsliste HTML Export"), &QAction::triggered, this, [this] { HTMLExportMeldung(); });
    connect(drucken->addAction("Startliste HTML Export"), &QAction::triggered, this,
            [this] { HTMLExportStartliste(true); });
    connect(drucken->addAction("Ergebnisliste HTML Export"), &QAction::triggered, this,
            [this] { ErgebnislisteHTMLExportClick(); });
    teamErgebnisHtml_[1] = drucken->addAction("Teamergebnis HTML Export");
    connect(teamErgebnisHtml_[1], &QAction::triggered, this, [this] { HTMLExportTeamergebnis(); });

    // The team-result items only make sense with team scoring.
    for (QMenu* m : {exp, drucken})
        connect(m, &QMenu::aboutToShow, this, [this] {
            const bool teams = WettPtr && WettPtr->TeamwertungStatus != 0;
            for (QAction* a : teamErgebnisHtml_) a->setEnabled(teams);
        });
}

void TMainForm::HtmlKurzlisteExport(int PathFor, const char* Titel) {
    if (!WettPtr) return;
    const std::string vorschlag = GetPath(WettPtr, PathFor);
    DateiDialogAnfrage a;
    a.Sichern = true;
    a.Titel = Titel;
    a.Filter = "HTML-Datei (*.html)|*.html|Alle Dateien (*.*)|*.*";
    a.StartOrdner = OrdnerVon(vorschlag);
    a.StartName = NameVon(vorschlag);
    const DateiDialogErgebnis e = DateiDialog(this, a);
    if (!e.Ok || e.Datei.empty()) return;
    const std::string datei = PfadMitEndung(PathFor, e.Datei);
    if (std::string grund = EingabeUeberschreibenGrund(datei, {WettPtr->WettbewerbFileNamen[PfadWettbewerb]});
        !grund.empty()) {
        UiWarnung(Titel, grund);
        return;
    }
    // The dialog asked before replacing the name it shows; a name changed
    // afterwards (the extension) is asked for here.
    const WunschArt art = PathFor == PfadMeldung     ? WunschArt::HtmlMeldung
                          : PathFor == PfadStartliste ? WunschArt::HtmlStartliste
                                                      : WunschArt::HtmlTeamergebnis;
    if (!WunschErlauben(WettPtr->WettbewerbFileNamen[PfadWettbewerb], art, datei,
                        datei == e.Datei ? ZielHerkunft::Dialog : ZielHerkunft::Vorschlag))
        return;

    std::string grund;
    bool ok = false;
    if (PathFor == PfadMeldung)
        ok = TeamListExportHtml(datei, WettPtr, "", grund);
    else if (PathFor == PfadStartliste)
        ok = StartListExportHtml(datei, WettPtr, "", grund);
    else
        ok = TeamErgebnisExportHtml(datei, WettPtr, "", grund);
    if (!ok) {
        UiWarnung(Titel, "Die HTML-Datei „" + datei + "“ konnte nicht geschrieben werden:\n" + grund);
        return;
    }
    if (datei != vorschlag) SetWettbewerbModified(WettPtr);
    SetPath(WettPtr, PathFor, datei);
    StartupBrowser(datei);
}

void TMainForm::HTMLExportMeldung() { HtmlKurzlisteExport(PfadMeldung, "HTML Export (Meldungen)"); }

void TMainForm::HTMLExportStartliste(bool EinteilungPruefen) {
    if (!WettPtr) return;
    if (EinteilungPruefen && !StartreihenfolgePruefenFuerAusgabe()) return;
    HtmlKurzlisteExport(PfadStartliste, "HTML Export (Startlisten)");
}

void TMainForm::HTMLExportTeamergebnis() { HtmlKurzlisteExport(PfadTeamergebnis, "HTML Export (Teamergebnis)"); }

void TMainForm::ErgebnislisteHTMLExportClick() {
    if (WettPtr) htmlExport_->Zeigen(WettPtr);
}

void TMainForm::CsvExportClick() {
    if (WettPtr) csvExport_->Zeigen(WettPtr);
}

} // namespace tavuran
