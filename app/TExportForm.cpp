#include "app/TExportForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Verzeichnisse.h"
#include "core/L_FILE.h"
#include "core/UiHooks.h"
#include "exchange/DateiZugriff.h"
#include "platform/Dialoge.h"

namespace tavuran {

TExportForm::TExportForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Wettbewerbsergebnis als CSV-Exceldatei exportieren");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel("Dateiname:", this));
    DateinameEdit = new QLineEdit(this);
    DateiNameButton = new QPushButton("ändern", this);
    name->addWidget(DateinameEdit, 1);
    name->addWidget(DateiNameButton);
    layout->addLayout(name);

    auto* optionen = new QGridLayout;
    const auto Box = [&](const char* Text, bool An, int Zeile, int Spalte) {
        auto* c = new QCheckBox(QString::fromUtf8(Text), this);
        c->setChecked(An);
        optionen->addWidget(c, Zeile, Spalte);
        connect(c, &QCheckBox::toggled, this, [this] { ErgebnisExcelPreview(); });
        return c;
    };
    NurJugendCheckBox = Box("Nur jugendliche Teilnehmer ausgeben", false, 0, 0);
    NationCheckBox = Box("Spalte Land/Nation ausgeben", true, 1, 0);
    BundeslandCheckBox = Box("Spalte Bundesland ausgeben", true, 2, 0);
    BezirkCheckBox = Box("Spalte Bezirk ausgeben", false, 3, 0);
    RohpunkteCheckBox = Box("Spalte Rohpunkte anzeigen", true, 4, 0);
    ByTeilwertungCheckBox = Box("Teilwertung [%] für Gesamtwertung ausgeben", true, 0, 1);
    WettOrgaLeiterCheckBox = Box("Wett- und Organisationsleiter ausgeben", false, 1, 1);
    PunktrichterCheckBox = Box("Punktrichter ausgeben", false, 2, 1);
    WettbewerbsdatenCheckBox = Box("Wettbewerbsdaten ausgeben", false, 3, 1);
    Windows1252CheckBox = new QCheckBox("Zeichensatz Windows-1252 statt UTF-8 (für ältere Programme)", this);
    optionen->addWidget(Windows1252CheckBox, 4, 1);
    layout->addLayout(optionen);

    PreViewStringGrid = new QTableWidget(this);
    PreViewStringGrid->horizontalHeader()->hide();
    PreViewStringGrid->verticalHeader()->hide();
    PreViewStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(PreViewStringGrid, 1);

    auto* knoepfe = new QHBoxLayout;
    ErzeugeButton = new QPushButton("E&xport", this);
    AbbruchButton = new QPushButton("A&bbruch", this);
    knoepfe->addStretch(1);
    knoepfe->addWidget(ErzeugeButton);
    knoepfe->addWidget(AbbruchButton);
    layout->addLayout(knoepfe);
    resize(860, 560);

    connect(DateiNameButton, &QPushButton::clicked, this, [this] { DateiNameButtonClick(); });
    connect(DateinameEdit, &QLineEdit::editingFinished, this, [this] { DateinameEditExit(); });
    connect(ErzeugeButton, &QPushButton::clicked, this, [this] { ErzeugeButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
}

void TExportForm::Zeigen(WettbewerbTyp* Wett) {
    if (!Wett) return;
    Wett_ = Wett;
    DateiNameStr = CsvDateiName(Wett);
    gewaehlt_.clear();
    if (OrdnerVon(DateiNameStr).empty()) DateiNameStr = GetStandardPath() + DateiNameStr;
    DateinameEdit->setText(QString::fromStdString(DateiNameStr));
    {
        const QSignalBlocker still(ByTeilwertungCheckBox);
        if (!Wett->Teilwertung) ByTeilwertungCheckBox->setChecked(false);
        ByTeilwertungCheckBox->setEnabled(Wett->Teilwertung);
    }
    ErgebnisExcelPreview();
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
}

CsvOptionen TExportForm::Optionen() const {
    CsvOptionen o;
    o.NurJugend = NurJugendCheckBox->isChecked();
    o.Nation = NationCheckBox->isChecked();
    o.Bundesland = BundeslandCheckBox->isChecked();
    o.Bezirk = BezirkCheckBox->isChecked();
    o.Rohpunkte = RohpunkteCheckBox->isChecked();
    o.Teilwertung = ByTeilwertungCheckBox->isChecked();
    o.Leitung = WettOrgaLeiterCheckBox->isChecked();
    o.Punktrichter = PunktrichterCheckBox->isChecked();
    o.Wettbewerbsdaten = WettbewerbsdatenCheckBox->isChecked();
    return o;
}

void TExportForm::ErgebnisExcelPreview() {
    if (!Wett_) return;
    tabelle_ = tavuran::ErgebnisExcelPreview(Wett_, Optionen());
    PreViewStringGrid->clear();
    PreViewStringGrid->setRowCount(tabelle_.Zeilen());
    PreViewStringGrid->setColumnCount(tabelle_.Spalten());
    for (int r = 0; r < tabelle_.Zeilen(); ++r)
        for (int c = 0; c < tabelle_.Spalten(); ++c)
            PreViewStringGrid->setItem(r, c, new QTableWidgetItem(QString::fromStdString(tabelle_.Zellen[r][c])));
    PreViewStringGrid->resizeColumnsToContents();
}

void TExportForm::DateiNameButtonClick() {
    DateiDialogAnfrage a;
    a.Sichern = true;
    a.Titel = "Export als CSV-Exceldatei";
    a.Filter = "Standardtabelle (*.csv)|*.csv|Alle Dateien (*.*)|*.*";
    a.StartOrdner = OrdnerVon(DateiNameStr);
    a.StartName = "*.csv";
    const DateiDialogErgebnis e = DateiDialog(this, a);
    if (!e.Ok || e.Datei.empty()) return;
    DateiNameStr = e.Datei;
    gewaehlt_ = e.Datei;
    DateinameEdit->setText(QString::fromStdString(DateiNameStr));
}

void TExportForm::DateinameEditExit() {
    const std::string getippt = DateinameEdit->text().trimmed().toStdString();
    if (!getippt.empty()) DateiNameStr = getippt;
    ErgebnisExcelPreview();
}

bool TExportForm::ErzeugeButtonClick() {
    if (!Wett_) {
        hide();
        return false;
    }
    DateinameEditExit();
    if (std::string grund = EingabeUeberschreibenGrund(DateiNameStr, {Wett_->WettbewerbFileNamen[0]}); !grund.empty()) {
        UiWarnung("Export als CSV-Exceldatei", grund);
        return false;
    }
    // A name proposed or typed, not picked in the file dialog (which asked):
    // an existing file is replaced only when the user agrees.
    if (DateiNameStr != gewaehlt_ && L_FILE_Exist(DateiNameStr) &&
        UiFrage("Export als CSV-Exceldatei",
                "Die Datei „" + DateiNameStr + "“ gibt es schon. Soll sie ersetzt werden?") != UiAntwort::Ja)
        return false;
    std::string grund;
    bool ersetzt = false;
    if (!ErgebnisExcelExport(DateiNameStr, tabelle_, grund, ersetzt,
                             Windows1252CheckBox->isChecked() ? CsvZeichensatz::Windows1252 : CsvZeichensatz::Utf8)) {
        UiWarnung("Export als CSV-Exceldatei",
                  "Die CSV-Datei „" + DateiNameStr + "“ konnte nicht geschrieben werden:\n" + grund);
        return false;
    }
    hide();
    if (ersetzt)
        UiMeldung("Einige Zeichen lassen sich in der CSV-Datei nicht darstellen und wurden als „?“ geschrieben.");
    return true;
}

void TExportForm::OkButtonClick() { hide(); }

void TExportForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != Wett_) return;
    hide();
    Wett_ = nullptr;
    tabelle_ = CsvTabelle();
    PreViewStringGrid->clear();
}

} // namespace tavuran
