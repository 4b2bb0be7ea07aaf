#include "app/TEtikettForm.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/UiHooks.h"

namespace tavuran {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QLineEdit* e) {
    return e->text().toStdString();
}

QLineEdit* EingabeFeld(QWidget* Eltern) {
    auto* e = new QLineEdit(Eltern);
    // Wide enough for "300.00 mm" with room to spare.
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance("0000.00 mm") + 16);
    return e;
}

} // namespace

TEtikettForm::TEtikettForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Etiketten Drucken");
    setModal(false);

    auto* papier = new QGroupBox("Papier", this);
    auto* papierForm = new QFormLayout(papier);
    PapierbreiteEdit = EingabeFeld(papier);
    PapierhoeheEdit = EingabeFeld(papier);
    xFaktorEdit = EingabeFeld(papier);
    yFaktorEdit = EingabeFeld(papier);
    papierForm->addRow("Papierbreite:", PapierbreiteEdit);
    papierForm->addRow("Papierhöhe:", PapierhoeheEdit);
    papierForm->addRow("Breitenfaktor:", xFaktorEdit);
    papierForm->addRow("Höhenfaktor:", yFaktorEdit);

    auto* raender = new QGroupBox("nicht bedruckbare Ränder", this);
    auto* raenderForm = new QFormLayout(raender);
    ObererSperrbereichEdit = EingabeFeld(raender);
    UntererSperrbereichEdit = EingabeFeld(raender);
    LinkerSperrbereichEdit = EingabeFeld(raender);
    RechterSperrbereichEdit = EingabeFeld(raender);
    raenderForm->addRow("oben:", ObererSperrbereichEdit);
    raenderForm->addRow("unten:", UntererSperrbereichEdit);
    raenderForm->addRow("links:", LinkerSperrbereichEdit);
    raenderForm->addRow("rechts:", RechterSperrbereichEdit);

    auto* optionen = new QGroupBox("Optionen", this);
    auto* optionenBox = new QVBoxLayout(optionen);
    KanaeleKleinCheckBox = new QCheckBox("Kanäle kleiner drucken", optionen);
    KanaeleKleinCheckBox->setChecked(true);
    StartnummernHervorhebenCheckBox = new QCheckBox("Startnummern hervorheben", optionen);
    optionenBox->addWidget(KanaeleKleinCheckBox);
    optionenBox->addWidget(StartnummernHervorhebenCheckBox);

    // The fields of paper and margins stand in one line below each other.
    int beschriftung = 0;
    for (QFormLayout* form : {papierForm, raenderForm})
        for (int i = 0; i < form->rowCount(); ++i)
            if (QWidget* l = form->itemAt(i, QFormLayout::LabelRole)->widget())
                beschriftung = std::max(beschriftung, l->sizeHint().width());
    for (QFormLayout* form : {papierForm, raenderForm})
        for (int i = 0; i < form->rowCount(); ++i)
            if (QWidget* l = form->itemAt(i, QFormLayout::LabelRole)->widget())
                l->setMinimumWidth(beschriftung);

    auto* links = new QVBoxLayout;
    links->addWidget(papier);
    links->addWidget(raender);
    links->addWidget(optionen);
    links->addStretch(1);

    // The tab control: three tabs over one page that shows the chosen format.
    EtikettFormTabControl = new QTabBar(this);
    EtikettFormTabControl->setExpanding(false);
    for (int i = 0; i < 3; ++i) EtikettFormTabControl->addTab(QString());
    auto* seite = new QFrame(this);
    seite->setFrameShape(QFrame::StyledPanel);
    auto* seitenBox = new QVBoxLayout(seite);

    auto* abmessungen = new QGroupBox("Abmessungen", seite);
    auto* abmGitter = new QGridLayout(abmessungen);
    BreiteEdit = EingabeFeld(abmessungen);
    HoeheEdit = EingabeFeld(abmessungen);
    LinkerBlattRandEdit = EingabeFeld(abmessungen);
    ObererBlattRandEdit = EingabeFeld(abmessungen);
    RechterAbstandEdit = EingabeFeld(abmessungen);
    UntererAbstandEdit = EingabeFeld(abmessungen);
    const struct {
        const char* Text;
        QLineEdit* Edit;
    } abm[] = {{"Breite:", BreiteEdit},
               {"Höhe:", HoeheEdit},
               {"Linker Rand:", LinkerBlattRandEdit},
               {"Oberer Rand:", ObererBlattRandEdit},
               {"Rechter Abstand:", RechterAbstandEdit},
               {"Unterer Abstand:", UntererAbstandEdit}};
    for (int i = 0; i < 6; ++i) {
        const int zeile = i / 2, spalte = (i % 2) * 2;
        auto* l = new QLabel(abm[i].Text, abmessungen);
        l->setBuddy(abm[i].Edit);
        abmGitter->addWidget(l, zeile, spalte);
        abmGitter->addWidget(abm[i].Edit, zeile, spalte + 1);
    }
    abmGitter->setColumnMinimumWidth(2, 0);
    abmGitter->setHorizontalSpacing(10);

    auto* spalten = new QGroupBox("Anzahl Spalten", seite);
    auto* spaltenGitter = new QGridLayout(spalten);
    auto* gruppe = new QButtonGroup(this);
    const char* const spaltenText[6] = {"1- reihig",  "2 - reihig", "3 - reihig",
                                        "4 - reihig", "5 - reihig", "6 - reihig"};
    for (int i = 0; i < 6; ++i) {
        SpaltenRadioButton[i] = new QRadioButton(spaltenText[i], spalten);
        gruppe->addButton(SpaltenRadioButton[i], i + 1);
        spaltenGitter->addWidget(SpaltenRadioButton[i], i / 3, i % 3);
    }
    SpaltenRadioButton[0]->setChecked(true);

    seitenBox->addWidget(abmessungen);
    seitenBox->addWidget(spalten);
    seitenBox->addStretch(1);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(0);
    rechts->addWidget(EtikettFormTabControl);
    rechts->addWidget(seite, 1);

    auto* oben = new QHBoxLayout;
    oben->addLayout(links);
    oben->addSpacing(8);
    oben->addLayout(rechts, 1);

    OkButton = new QPushButton("Ok", this);
    AbbruchButton = new QPushButton("Abbruch", this);
    OkButton->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(knoepfe);

    Format_ = EtikettFormatDefault();
    TabsBeschriften();
    connect(EtikettFormTabControl, &QTabBar::currentChanged, this, [this] { EtikettFormTabControlChange(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

void TEtikettForm::TabsBeschriften() {
    for (int i = 0; i < 3; ++i) EtikettFormTabControl->setTabText(i, Q(Format_.Namen[i]));
}

void TEtikettForm::Zeigen() {
    Format_ = EtikettFormatDefault();
    EtikettFormatLesen(Format_);
    TabsBeschriften();
    ShowFormat(true);
    show();
    raise();
    activateWindow();
}

void TEtikettForm::ShowFormat(bool MitPapier) {
    const EtikettFelder t = EtikettFelderZeigen(Format_);
    {
        // Selecting the tab must not come back here as a change of tab.
        const QSignalBlocker still(EtikettFormTabControl);
        EtikettFormTabControl->setCurrentIndex(t.AktFormat);
    }
    if (MitPapier) {
        PapierbreiteEdit->setText(Q(t.PapierBreite));
        PapierhoeheEdit->setText(Q(t.PapierHoehe));
        xFaktorEdit->setText(Q(t.FaktorX));
        yFaktorEdit->setText(Q(t.FaktorY));
        ObererSperrbereichEdit->setText(Q(t.SperrOben));
        UntererSperrbereichEdit->setText(Q(t.SperrUnten));
        LinkerSperrbereichEdit->setText(Q(t.SperrLinks));
        RechterSperrbereichEdit->setText(Q(t.SperrRechts));
    }
    BreiteEdit->setText(Q(t.Breite));
    HoeheEdit->setText(Q(t.Hoehe));
    LinkerBlattRandEdit->setText(Q(t.LinkerRand));
    ObererBlattRandEdit->setText(Q(t.ObererRand));
    RechterAbstandEdit->setText(Q(t.RechterAbstand));
    UntererAbstandEdit->setText(Q(t.UntererAbstand));
    SpaltenRadioButton[t.AnzahlSpalten - 1]->setChecked(true);
}

void TEtikettForm::EtikettFormTabControlChange() {
    // The fields of the tab show the stored values of its format; paper,
    // factors and margins belong to every format and keep what was typed.
    Format_.AktFormat = EtikettFormTabControl->currentIndex();
    ShowFormat(false);
}

int TEtikettForm::GetAnzahlSpalten() const {
    for (int i = 5; i >= 1; --i)
        if (SpaltenRadioButton[i]->isChecked()) return i + 1;
    return 1;
}

EtikettFelder TEtikettForm::Felder() const {
    EtikettFelder t;
    t.AktFormat = EtikettFormTabControl->currentIndex();
    t.PapierBreite = S(PapierbreiteEdit);
    t.PapierHoehe = S(PapierhoeheEdit);
    t.FaktorX = S(xFaktorEdit);
    t.FaktorY = S(yFaktorEdit);
    t.SperrOben = S(ObererSperrbereichEdit);
    t.SperrUnten = S(UntererSperrbereichEdit);
    t.SperrLinks = S(LinkerSperrbereichEdit);
    t.SperrRechts = S(RechterSperrbereichEdit);
    t.Breite = S(BreiteEdit);
    t.Hoehe = S(HoeheEdit);
    t.LinkerRand = S(LinkerBlattRandEdit);
    t.ObererRand = S(ObererBlattRandEdit);
    t.RechterAbstand = S(RechterAbstandEdit);
    t.UntererAbstand = S(UntererAbstandEdit);
    t.AnzahlSpalten = GetAnzahlSpalten();
    return t;
}

EtikettOptionen TEtikettForm::Optionen() const {
    EtikettOptionen o;
    o.KanaeleKlein = KanaeleKleinCheckBox->isChecked();
    o.StartnummernHervorheben = StartnummernHervorhebenCheckBox->isChecked();
    return o;
}

bool TEtikettForm::OkButtonClick() {
    FormatTyp f = Format_;
    std::string fehler = EtikettFelderLesen(Felder(), f);
    if (!fehler.empty()) {
        while (!fehler.empty() && fehler.back() == '\n') fehler.pop_back();
        UiWarnung("Etiketten Drucken", "Die Etiketten können so nicht gedruckt werden:\n\n" + fehler);
        return false;
    }
    Format_ = std::move(f);
    EtikettFormatSchreiben(Format_);
    TabsBeschriften();
    hide();
    emit Bestaetigt(Format_, Optionen());
    return true;
}

void TEtikettForm::AbbruchButtonClick() {
    hide();
}

} // namespace tavuran
