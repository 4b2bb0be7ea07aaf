#include "app/TSaveParallelForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Verzeichnisse.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/ParallelSicherung.h"
#include "platform/Dialoge.h"

namespace tavuran {

TSaveParallelForm::TSaveParallelForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Parallele Sicherung");
    setModal(false);
    SaveParallelPathCheckBox =
        new QCheckBox("paralleles Speichern von Wettbewerbsdateien auf einem zweiten Laufwerk", this);
    SaveParallePathHistoryCheckBox =
        new QCheckBox("History - alle alten Dateien im parallelen Verzeichnis erhalten", this);
    SaveParallelPathEdit = new QLineEdit(this);
    SaveParallelPathEdit->setMinimumWidth(
        SaveParallelPathEdit->fontMetrics().horizontalAdvance(QString(60, 'x')));
    SelectFileButton = new QPushButton("...", this);
    SelectFileButton->setMaximumWidth(SelectFileButton->fontMetrics().horizontalAdvance("...") + 24);
    SelectFileButton->setToolTip("Datei für die parallele Sicherung wählen");
    OkButton = new QPushButton("Ok", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    OkButton->setDefault(true);

    auto* pfad = new QHBoxLayout;
    pfad->addWidget(SaveParallelPathEdit, 1);
    pfad->addWidget(SelectFileButton);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SaveParallelPathCheckBox);
    layout->addWidget(SaveParallePathHistoryCheckBox);
    layout->addLayout(pfad);
    layout->addSpacing(6);
    layout->addLayout(knoepfe);

    connect(SaveParallelPathCheckBox, &QCheckBox::toggled, this, [this] { SaveParallelPathCheckBoxClick(); });
    connect(SelectFileButton, &QPushButton::clicked, this, [this] { SelectFileButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
    SaveParallelPathCheckBoxClick();
}

void TSaveParallelForm::Zeigen(WettbewerbTyp* Wett) {
    if (Wett) {
        Wett_ = Wett;
        const QSignalBlocker still(SaveParallelPathCheckBox);
        SaveParallelPathCheckBox->setChecked(Wett->WettbewerbParFileEnbl);
        SaveParallePathHistoryCheckBox->setChecked(Wett->BackUpHistory);
        SaveParallelPathEdit->setText(QString::fromStdString(Wett->WettbewerbParFileName));
    }
    SaveParallelPathCheckBoxClick();
    show();
    raise();
    activateWindow();
}

void TSaveParallelForm::SaveParallelPathCheckBoxClick() {
    const bool an = SaveParallelPathCheckBox->isChecked();
    SaveParallelPathEdit->setEnabled(an);
    SelectFileButton->setEnabled(an);
    SaveParallePathHistoryCheckBox->setEnabled(an);
}

std::string TSaveParallelForm::BasisOrdner() const {
    const std::string ordner = Wett_ ? OrdnerVon(Wett_->WettbewerbFileNamen[0]) : std::string();
    return ordner.empty() ? GetStandardPath() : ordner;
}

void TSaveParallelForm::SelectFileButtonClick() {
    const std::string basis = BasisOrdner();
    const std::string bisher =
        ParallelDateiName(SaveParallelPathEdit->text().toStdString(), false, basis).Name;
    DateiDialogAnfrage a;
    a.Sichern = true;
    a.Titel = "Parallele Sicherung";
    a.Filter = "Wettbewerbsdatei (*.wtb)|*.wtb|alle Dateien (*.*)|*.*";
    a.StartOrdner = bisher.empty() ? basis : OrdnerVon(bisher);
    a.StartName = bisher.empty() ? "*.wtb" : NameVon(bisher);
    const DateiDialogErgebnis e = DateiDialog(this, a);
    if (!e.Ok || e.Datei.empty()) return;
    SaveParallelPathEdit->setText(QString::fromStdString(e.Datei));
}

bool TSaveParallelForm::OkButtonClick() {
    if (Wett_) {
        const bool an = SaveParallelPathCheckBox->isChecked();
        const bool history = SaveParallePathHistoryCheckBox->isChecked();
        const ParallelDateiErgebnis e = ParallelDateiName(SaveParallelPathEdit->text().toStdString(), an,
                                                          BasisOrdner(), Wett_->WettbewerbFileNamen[0]);
        if (!e.Ok) {
            UiWarnung("Parallele Sicherung", e.Fehler);
            return false;
        }
        // A name the user typed or chose here, or switched on here, is the
        // user's choice for this competition file; a name that only came with
        // the file is asked for at the next save.
        if (an && !e.Name.empty() && (e.Name != Wett_->WettbewerbParFileName || !Wett_->WettbewerbParFileEnbl))
            WunschFreigeben(Wett_->WettbewerbFileNamen[0], WunschArt::Parallelkopie, e.Name);
        if (e.Name != Wett_->WettbewerbParFileName || an != Wett_->WettbewerbParFileEnbl ||
            history != Wett_->BackUpHistory) {
            Wett_->WettbewerbParFileName = e.Name;
            Wett_->WettbewerbParFileEnbl = an;
            Wett_->BackUpHistory = history;
            SetWettbewerbModified(Wett_);
        }
    }
    hide();
    return true;
}

void TSaveParallelForm::AbbruchButtonClick() {
    hide();
}

void TSaveParallelForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != Wett_) return;
    hide();
    Wett_ = nullptr;
}

} // namespace tavuran
