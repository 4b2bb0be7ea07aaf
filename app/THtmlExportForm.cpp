#include "app/THtmlExportForm.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/Verzeichnisse.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DateiZugriff.h"
#include "platform/Browser.h"
#include "platform/Dialoge.h"

namespace tavuran {

THtmlExportForm::THtmlExportForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("HTML Export (Ergebnisse)");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    DateiNameLabel = new QLabel("Dateiname: ", this);
    DateiNameLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    DateiNameButton = new QPushButton("ändern", this);
    zeile->addWidget(DateiNameLabel, 1);
    zeile->addWidget(DateiNameButton);
    layout->addLayout(zeile);
    WertungCheckBox = new QCheckBox("Wertungslisten in HTML-Datei ausgeben", this);
    LinkCheckBox = new QCheckBox("Links intern (Links auf Wertungslisten innerhalb der HTML-Datei bzw. auf "
                                 "importierte Wettbewerbe)",
                                 this);
    TwLinkCheckBox = new QCheckBox("Links extern (Links auf übergeordnetes Gesamtergebnis)", this);
    StatistikCheckBox = new QCheckBox("Vom LVB geforderte Statistik über Teilnehmer einblenden", this);
    ImportCheckBox = new QCheckBox("Importierte Wettbewerbe einbinden", this);
    for (QCheckBox* c : {WertungCheckBox, LinkCheckBox, TwLinkCheckBox, StatistikCheckBox, ImportCheckBox}) {
        c->setChecked(true);
        layout->addWidget(c);
    }
    EndgueltigCheckBox = new QCheckBox("Als endgültig kennzeichnen (sonst erst, wenn alle Durchgänge vollständig sind)", this);
    layout->addWidget(EndgueltigCheckBox);
    auto* listen = new QHBoxLayout;
    ImportListBox = new QListWidget(this);
    WettNamenListBox = new QListWidget(this);
    listen->addWidget(ImportListBox, 2);
    listen->addWidget(WettNamenListBox, 1);
    layout->addLayout(listen);
    auto* knoepfe = new QHBoxLayout;
    OkButton = new QPushButton("&Ok", this);
    AbbruchButton = new QPushButton("&Abbruch", this);
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    layout->addLayout(knoepfe);
    OkButton->setDefault(true);
    resize(620, 380);
    connect(DateiNameButton, &QPushButton::clicked, this, [this] { DateiNameButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

void THtmlExportForm::Zeigen(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Wett_ = Wett;
    DateiNameStr = GetPath(Wett, PfadErgebnis);
    gewaehlt_.clear();
    DateiNameLabel->setText(QString::fromStdString("Dateiname: " + DateiNameStr));
    HtmlErgebnisOptionen o = Optionen();
    HtmlOptionenVoreinstellen(Wett, o);
    WertungCheckBox->setChecked(o.Wertungslisten);
    LinkCheckBox->setChecked(o.Links);
    TwLinkCheckBox->setChecked(o.GesamtLinks);
    EndgueltigCheckBox->setChecked(false);

    ImportListBox->clear();
    WettNamenListBox->clear();
    // The sub-competitions are read only where the user confirmed them.
    importe_ = HtmlImportListe(Wett, TeilwettbewerbeErlauben(Wett->WettbewerbFileNamen[PfadWettbewerb],
                                                             TeilwettbewerbDateien(Wett)));
    for (const HtmlImportEintrag& e : importe_) {
        if (!e.WtbDatei.empty()) ImportListBox->addItem(QString::fromStdString(e.WtbDatei));
        if (!e.WettName.empty()) WettNamenListBox->addItem(QString::fromStdString(e.WettName));
    }
    const bool mitImport = HtmlImporteVorhanden(importe_);
    ImportCheckBox->setChecked(mitImport);
    ImportCheckBox->setEnabled(mitImport);
    ImportListBox->setEnabled(mitImport);

    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
}

HtmlErgebnisOptionen THtmlExportForm::Optionen() const {
    HtmlErgebnisOptionen o;
    o.Wertungslisten = WertungCheckBox->isChecked();
    o.Links = LinkCheckBox->isChecked();
    o.GesamtLinks = TwLinkCheckBox->isChecked();
    o.Statistik = StatistikCheckBox->isChecked();
    o.Einbinden = ImportCheckBox->isChecked() && ImportCheckBox->isEnabled();
    o.Endgueltig = EndgueltigCheckBox->isChecked();
    o.Importe = importe_;
    return o;
}

void THtmlExportForm::DateiNameButtonClick() {
    if (!Wett_) return;
    DateiDialogAnfrage a;
    a.Sichern = true;
    a.Titel = "HTML Export (Ergebnisse)";
    a.Filter = "Webseite (*.htm;*.html)|*.htm;*.html|Alle Dateien (*.*)|*.*";
    a.StartOrdner = OrdnerVon(DateiNameStr);
    a.StartName = NameVon(DateiNameStr);
    const DateiDialogErgebnis e = DateiDialog(this, a);
    if (!e.Ok || e.Datei.empty()) return;
    DateiNameStr = PfadMitEndung(PfadErgebnis, e.Datei);
    gewaehlt_ = e.Datei;
    DateiNameLabel->setText(QString::fromStdString("Dateiname: " + DateiNameStr));
}

bool THtmlExportForm::OkButtonClick() {
    if (!Wett_) {
        hide();
        return false;
    }
    // A name not picked in the file dialog is the file's wish (or the
    // program's proposal): it is written only once the user confirmed it.
    const ZielHerkunft herkunft = !gewaehlt_.empty() && gewaehlt_ == DateiNameStr ? ZielHerkunft::Dialog
                                  : DateiNameStr == Wett_->WettbewerbFileNamen[PfadErgebnis] ? ZielHerkunft::Datei
                                                                                              : ZielHerkunft::Vorschlag;
    if (std::string grund = EingabeUeberschreibenGrund(DateiNameStr, {Wett_->WettbewerbFileNamen[PfadWettbewerb]});
        !grund.empty()) {
        UiWarnung("HTML Export", grund);
        return false;
    }
    if (!WunschErlauben(Wett_->WettbewerbFileNamen[PfadWettbewerb], WunschArt::HtmlErgebnis, DateiNameStr, herkunft))
        return false;
    std::string grund;
    if (!HtmlExportExec(Wett_, Optionen(), DateiNameStr, grund)) {
        UiWarnung("HTML Export", "Die HTML-Datei „" + DateiNameStr + "“ konnte nicht geschrieben werden:\n" + grund);
        return false;
    }
    hide();
    if (Wett_->WettbewerbFileNamen[PfadErgebnis] != DateiNameStr) {
        Wett_->WettbewerbFileNamen[PfadErgebnis] = DateiNameStr;
        DateiNameStr = SetPath(Wett_, PfadErgebnis, DateiNameStr);
    }
    SetWettbewerbsStatus(Wett_, StatusVeroeffentlicht, false);
    SetWettbewerbModified(Wett_);
    StartupBrowser(DateiNameStr);
    return true;
}

void THtmlExportForm::AbbruchButtonClick() { hide(); }

void THtmlExportForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != Wett_) return;
    hide();
    Wett_ = nullptr;
    importe_.clear();
}

} // namespace tavuran
