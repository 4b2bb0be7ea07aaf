#include "app/TImportPortalForm.h"

#include <QBrush>
#include <QColor>
#include <QDialogButtonBox>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Verzeichnisse.h"
#include "core/L_CALEND.h"
#include "core/L_FILE.h"
#include "core/L_REGIST.h"
#include "platform/Dialoge.h"

namespace tavuran {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Zentrieren(QWidget* w) {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        w->move(r.x() + (r.width() - w->width()) / 2, r.y() + (r.height() - w->height()) / 2);
    }
}

} // namespace

TImportPortalForm::TImportPortalForm(std::function<void()> NachImport, QWidget* Eltern)
    : QDialog(Eltern), nachImport_(std::move(NachImport)) {
    setWindowTitle("Anmeldungen von Kestrova importieren");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* dateiReihe = new QHBoxLayout;
    dateiReihe->addWidget(new QLabel("File Name:", this));
    CsvFileEdit = new QLineEdit(this);
    dateiReihe->addWidget(CsvFileEdit, 1);
    layout->addLayout(dateiReihe);
    connect(CsvFileEdit, &QLineEdit::editingFinished, this, [this] {
        if (CsvFileEdit->isModified()) SetNewFileName(CsvFileEdit->text().toStdString());
    });

    auto* wahlReihe = new QHBoxLayout;
    ZuletztRunterGeladenButton = new QPushButton("zuletzt runtergeladen", this);
    ZuletztVerwendetButton = new QPushButton("zuletzt verwendet", this);
    AndereButton = new QPushButton("andere CSV-Datei", this);
    for (QPushButton* b : {ZuletztRunterGeladenButton, ZuletztVerwendetButton, AndereButton}) {
        b->setAutoDefault(false);
        wahlReihe->addWidget(b);
    }
    wahlReihe->addStretch();
    layout->addLayout(wahlReihe);
    connect(ZuletztRunterGeladenButton, &QPushButton::clicked, this, [this] { SetNewFileName(DefaultFileNameStr); });
    connect(ZuletztVerwendetButton, &QPushButton::clicked, this, [this] { SetNewFileName(UsedFileNameStr); });
    connect(AndereButton, &QPushButton::clicked, this, [this] { SelectFileNameButtonClick(); });

    PreViewStringGrid = new QTableWidget(this);
    PreViewStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreViewStringGrid->verticalHeader()->hide();
    PreViewStringGrid->setMinimumSize(760, 320);
    layout->addWidget(PreViewStringGrid, 1);

    InfoLabel = new QLabel(this);
    InfoLabel->setWordWrap(true);
    layout->addWidget(InfoLabel);

    auto* knoepfe = new QHBoxLayout;
    ImportWettbewerbButton = new QPushButton("Import (Wettbewerb und Teilnehmer)", this);
    ImportTeilnehmerButton = new QPushButton("Import (nur Teilnehmer)", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    for (QPushButton* b : {ImportWettbewerbButton, ImportTeilnehmerButton, AbbruchButton}) {
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    knoepfe->insertStretch(2);
    layout->addLayout(knoepfe);
    connect(ImportWettbewerbButton, &QPushButton::clicked, this, [this] { Import(true); });
    connect(ImportTeilnehmerButton, &QPushButton::clicked, this, [this] { Import(false); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { hide(); });

    berichtFenster_ = new QDialog(Eltern ? Eltern : this);
    berichtFenster_->setWindowTitle("Bericht des Anmeldungsimports");
    auto* bl = new QVBoxLayout(berichtFenster_);
    berichtText_ = new QPlainTextEdit(berichtFenster_);
    berichtText_->setReadOnly(true);
    berichtText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    berichtText_->setMinimumSize(640, 360);
    bl->addWidget(berichtText_);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, berichtFenster_);
    bl->addWidget(ok);
    connect(ok, &QDialogButtonBox::accepted, berichtFenster_, &QDialog::hide);
}

void TImportPortalForm::SetWettbewerb(WettbewerbTyp* WettPtr) { WettbewerbPtr = WettPtr; }

void TImportPortalForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != WettbewerbPtr) return;
    hide();
    WettbewerbPtr = nullptr;
}

void TImportPortalForm::FormShow() {
    UsedFileNameStr = L_REGIST_GetStringValue(ImportPortalRegistryName, "");
    DefaultFileNameStr = ImportNeuesteDatei(GetDownloadPath());
    SetNewFileName(L_FILE_Exist(DefaultFileNameStr) ? DefaultFileNameStr : UsedFileNameStr);
    resize(sizeHint().expandedTo(QSize(820, 480)));
    Zentrieren(this);
    show();
    raise();
    activateWindow();
}

void TImportPortalForm::SetNewFileName(const std::string& Name) {
    CsvFileEdit->setText(Q(Name));
    CsvFileEdit->setModified(false);
    LoadPreview(Name);
    EnableDisableButtons(Name);
}

void TImportPortalForm::SelectFileNameButtonClick() {
    DateiDialogAnfrage a;
    a.Titel = "Anmeldungen öffnen";
    a.Filter = "Comma Separated Value (*.csv)|*.csv|Testdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
    const std::string aktuell = CsvFileEdit->text().toStdString();
    a.StartOrdner = OrdnerVon(aktuell.empty() ? DefaultFileNameStr : aktuell);
    a.StartName = NameVon(aktuell);
    const DateiDialogErgebnis e = DateiDialog(this, a);
    SetNewFileName(e.Ok ? e.Datei : aktuell);
}

void TImportPortalForm::LoadPreview(const std::string& FileName) {
    PreViewStringGrid->clear();
    PreViewStringGrid->setRowCount(0);
    PreViewStringGrid->setColumnCount(0);
    vorschau_ = ImportVorschau{};
    if (FileName.empty() || !L_FILE_Exist(FileName)) {
        vorschau_.Grund = FileName.empty() ? "Keine Datei gewählt." : "Die Datei „" + FileName + "“ gibt es nicht.";
        InfoLabel->setText(Q(vorschau_.Grund));
        return;
    }
    L_REGIST_SetStringValue(ImportPortalRegistryName, "", FileName);
    vorschau_ = ImportDateiLesen(FileName);
    if (!vorschau_.Gelesen) {
        InfoLabel->setText(Q(vorschau_.Grund));
        return;
    }

    std::size_t spalten = vorschau_.Kopf.size();
    for (const ImportDatenZeile& z : vorschau_.Zeilen) spalten = std::max(spalten, z.Felder.size());
    PreViewStringGrid->setColumnCount(static_cast<int>(spalten) + 1);
    PreViewStringGrid->setRowCount(static_cast<int>(vorschau_.Zeilen.size()));
    auto* kopf0 = new QTableWidgetItem("Zeile");
    PreViewStringGrid->setHorizontalHeaderItem(0, kopf0);
    for (std::size_t i = 0; i < spalten; ++i) {
        auto* it = new QTableWidgetItem(i < vorschau_.Kopf.size() ? Q(vorschau_.Kopf[i]) : QString());
        for (int s = 0; s < AnzahlImportSpalten; ++s)
            if (vorschau_.ColIdx[s] == static_cast<int>(i) + 1) {
                QFont f = it->font();
                f.setBold(true);
                it->setFont(f);
                it->setToolTip(Q(std::string("erkannt als „") + ImportSpaltenTitel(s) + "“"));
            }
        PreViewStringGrid->setHorizontalHeaderItem(static_cast<int>(i) + 1, it);
    }
    int abgelehnt = 0;
    for (std::size_t r = 0; r < vorschau_.Zeilen.size(); ++r) {
        const ImportDatenZeile& z = vorschau_.Zeilen[r];
        const int row = static_cast<int>(r);
        PreViewStringGrid->setItem(row, 0, new QTableWidgetItem(QString::number(z.ZeilenNr)));
        for (std::size_t c = 0; c < z.Felder.size(); ++c)
            PreViewStringGrid->setItem(row, static_cast<int>(c) + 1, new QTableWidgetItem(Q(z.Felder[c])));
        if (!z.Fehler.empty()) {
            ++abgelehnt;
            for (int c = 0; c < PreViewStringGrid->columnCount(); ++c) {
                QTableWidgetItem* it = PreViewStringGrid->item(row, c);
                if (!it) PreViewStringGrid->setItem(row, c, it = new QTableWidgetItem);
                it->setBackground(QBrush(QColor(255, 200, 200)));
                it->setToolTip(Q("wird nicht importiert: " + z.Fehler));
            }
        }
    }
    PreViewStringGrid->resizeColumnsToContents();
    for (int c = 1; c < PreViewStringGrid->columnCount(); ++c)
        if (PreViewStringGrid->columnWidth(c) > 240) PreViewStringGrid->setColumnWidth(c, 240);

    std::string info = "Kodierung " + vorschau_.Kodierung + ", Trennzeichen „" +
                       (vorschau_.Trennzeichen == '\t' ? std::string("Tabulator") : std::string(1, vorschau_.Trennzeichen)) +
                       "“, " + std::to_string(vorschau_.Zeilen.size()) + " Datenzeilen";
    if (abgelehnt > 0) info += ", davon " + std::to_string(abgelehnt) + " nicht lesbar (rot)";
    info += ".";
    const std::vector<std::string> fehlt = ImportFehlendeSpalten(vorschau_, false);
    if (!fehlt.empty()) {
        info += " Es fehlen Spalten: ";
        for (std::size_t i = 0; i < fehlt.size(); ++i) info += (i ? ", " : "") + fehlt[i];
        info += ".";
    }
    InfoLabel->setText(Q(info));
}

void TImportPortalForm::EnableDisableButtons(const std::string& FileName) {
    const bool da = vorschau_.Gelesen && vorschau_.KopfZeilenNr > 0;
    const bool teilnehmer = da && ImportFehlendeSpalten(vorschau_, false).empty();
    const bool wettbewerb = teilnehmer && ImportFehlendeSpalten(vorschau_, true).empty();
    ImportTeilnehmerButton->setEnabled(teilnehmer);
    ImportWettbewerbButton->setEnabled(wettbewerb);
    ZuletztVerwendetButton->setEnabled(!(wettbewerb && FileName == UsedFileNameStr));
    ZuletztRunterGeladenButton->setEnabled(!(wettbewerb && FileName == DefaultFileNameStr));
}

void TImportPortalForm::Import(bool MitWettbewerb) {
    if (!WettbewerbPtr) return;
    // The file is read again: it may have changed since the preview.
    const std::string datei = CsvFileEdit->text().toStdString();
    vorschau_ = ImportDateiLesen(datei);
    ImportOptionen o;
    o.MitWettbewerb = MitWettbewerb;
    L_CALEND_GetDate(o.Heute);
    bericht_ = ImportPortal(WettbewerbPtr, vorschau_, o);
    if (bericht_.Ausgefuehrt) {
        if (MitWettbewerb && !bericht_.NurTeilnehmer)
            WettbewerbPtr->WettbewerbFileNamen[PfadWettbewerb] = GetPath(WettbewerbPtr, PfadWettbewerb);
        WettbewerbPtr->CalcWertung = true;
        hide();
        if (nachImport_) nachImport_();
    }
    BerichtZeigen();
}

void TImportPortalForm::BerichtZeigen() {
    QString text;
    for (const std::string& z : ImportBerichtZeilen(bericht_)) text += Q(z) + "\n";
    berichtText_->setPlainText(text);
    berichtFenster_->adjustSize();
    Zentrieren(berichtFenster_);
    berichtFenster_->show();
    berichtFenster_->raise();
}

} // namespace tavuran
