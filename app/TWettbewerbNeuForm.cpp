#include "app/TWettbewerbNeuForm.h"

#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/TMainForm.h"
#include "app/TWarnStartNrForm.h"
#include "core/Dezimalkomma.h"
#include "core/DatenRegel.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_CALEND.h"
#include "core/ParameterEingabe.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "evaluation/Durchgaenge.h"
#include "exchange/DateiFelder.h"
#include "platform/Dialoge.h"
#include "rules/RegelListe.h"
#include "rules/RegelLookup.h"

namespace tavuran {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QLineEdit* e) { return e->text().toStdString(); }

// Junior fly-off rounds; the counts may come from a file, so the difference is taken wide.
long long JugendRunden(const WettbewerbTyp* w) {
    return static_cast<long long>(w->AnzDurchgaenge) - w->AnzVorrunden - static_cast<long long>(w->AnzSeniorenFlyOff);
}
int Zahl(const QLineEdit* e) { return L_STR_CnvStrToInteger(S(e)); }

QLineEdit* NeuesFeld(QWidget* eltern, int breite = 0) {
    auto* e = new QLineEdit(eltern);
    if (breite > 0) e->setFixedWidth(breite);
    return e;
}

// Bits of the four switches below "Nullwertung wird nicht gestrichen".
constexpr int BitJede = 0x10;
constexpr int BitAusserhalb = 0x20;
constexpr int BitLogger = 0x40;
constexpr int BitUeberzeit = 0x80;

} // namespace

const RegelTyp* KatalogRegel(const std::string& Name) {
    for (int nr = RegelAnzahl; nr >= 1; --nr)
        if (RegelListe(nr).Name == Name) return &RegelListe(nr);
    return nullptr;
}

TWettbewerbNeuForm::TWettbewerbNeuForm(QWidget* Eltern) : QDialog(Eltern) {
    setWindowTitle("Wettbewerbsparameter");
    setModal(false);
    auto* haupt = new QVBoxLayout(this);
    auto* spalten = new QHBoxLayout;
    haupt->addLayout(spalten, 1);

    // --- left: organisation and officials
    auto* links = new QVBoxLayout;
    auto* org = new QGroupBox("Organisation", this);
    auto* orgL = new QGridLayout(org);
    WettNameEdit = NeuesFeld(org);
    WettDatumEdit = NeuesFeld(org, 90);
    WettNummerEdit = NeuesFeld(org);
    orgL->addWidget(new QLabel("Wettbewerbsname:", org), 0, 0);
    orgL->addWidget(WettNameEdit, 0, 1);
    orgL->addWidget(new QLabel("Datum:", org), 1, 0);
    orgL->addWidget(WettDatumEdit, 1, 1, Qt::AlignLeft);
    orgL->addWidget(new QLabel("By-Nummer:", org), 2, 0);
    orgL->addWidget(WettNummerEdit, 2, 1);
    links->addWidget(org);

    auto* off = new QGroupBox("Offizielle Personen", this);
    auto* offL = new QGridLayout(off);
    offL->setVerticalSpacing(2);
    WettbewerbsleiterEdit = NeuesFeld(off);
    OrganisationsleiterEdit = NeuesFeld(off);
    offL->addWidget(new QLabel("Wettbewerbsleiter:", off), 0, 0);
    offL->addWidget(WettbewerbsleiterEdit, 0, 1);
    offL->addWidget(new QLabel("Organisationsleiter:", off), 1, 0);
    offL->addWidget(OrganisationsleiterEdit, 1, 1);
    for (int i = 0; i < MaxPunktrichterNamen; ++i) {
        PunktrichterLabel[i] = new QLabel(Q("Punktrichter " + std::to_string(i + 1) + ":"), off);
        PunktrichterEdit[i] = NeuesFeld(off);
        offL->addWidget(PunktrichterLabel[i], i + 2, 0);
        offL->addWidget(PunktrichterEdit[i], i + 2, 1);
    }
    links->addWidget(off);
    links->addStretch();
    spalten->addLayout(links, 3);

    // --- middle: rule
    auto* mitte = new QVBoxLayout;
    auto* regel = new QGroupBox("Regel", this);
    auto* regelL = new QVBoxLayout(regel);
    auto* nameZeile = new QHBoxLayout;
    nameZeile->addWidget(new QLabel("Name:", regel));
    RegelComboBox = new QComboBox(regel);
    RegelComboBox->setEditable(true);
    RegelComboBox->setInsertPolicy(QComboBox::NoInsert);
    RegelComboBox->setMinimumWidth(260);
    nameZeile->addWidget(RegelComboBox, 1);
    regelL->addLayout(nameZeile);

    RegelTabs = new QTabWidget(regel);
    auto* konf = new QWidget;
    auto* konfL = new QGridLayout(konf);
    konfL->setVerticalSpacing(2);
    BonusCheckBox = new QCheckBox("Bonuspkt. abhängig von Teilnehmerzahl :", konf);
    VorrundenPromilleCheckBox = new QCheckBox("Erzeuge Promillewertung für jede Gruppe :", konf);
    DurchgangPromilleCheckBox = new QCheckBox("Erzeuge Promillewertung für Durchgänge:", konf);
    GruppenstartCheckBox = new QCheckBox("gruppenbezogene Auswertung", konf);
    TeilWertungCheckBox = new QCheckBox("Erzeuge Daten für Gesamtwertungen", konf);
    NachkommaEdit = NeuesFeld(konf, 40);
    NullwertungNichtStreichenCheckBox = new QCheckBox("Nullwertung wird nicht gestrichen", konf);
    NichtStreichenBeiNullwertungCheckBox = new QCheckBox("bei jeder Nullwertung", konf);
    NichtStreichenAusserhalbCheckBox = new QCheckBox("bei Landung >75m", konf);
    NichtStreichenWennLogUngueltigCheckBox = new QCheckBox("wenn Logger \"ungültig/---\" meldet", konf);
    NichtStreichenUeberzeitCheckBox = new QCheckBox("bei >60s Überzeit", konf);
    int z = 0;
    for (QCheckBox* c : {BonusCheckBox, VorrundenPromilleCheckBox, DurchgangPromilleCheckBox, GruppenstartCheckBox,
                         TeilWertungCheckBox})
        konfL->addWidget(c, z++, 0, 1, 2);
    konfL->addWidget(new QLabel("Anzahl Nachkommastellen:", konf), z, 0);
    konfL->addWidget(NachkommaEdit, z++, 1, Qt::AlignLeft);
    konfL->addWidget(NullwertungNichtStreichenCheckBox, z++, 0, 1, 2);
    for (QCheckBox* c : {NichtStreichenBeiNullwertungCheckBox, NichtStreichenAusserhalbCheckBox,
                         NichtStreichenWennLogUngueltigCheckBox, NichtStreichenUeberzeitCheckBox}) {
        c->setContentsMargins(24, 0, 0, 0);
        auto* reihe = new QHBoxLayout;
        reihe->addSpacing(24);
        reihe->addWidget(c);
        konfL->addLayout(reihe, z++, 0, 1, 2);
    }
    konfL->setRowStretch(z, 1);
    RegelTabs->addTab(konf, "Konfiguration");

    auto* modScroll = new QScrollArea;
    modScroll->setWidgetResizable(true);
    modScroll->setFrameShape(QFrame::NoFrame);
    auto* mod = new QWidget;
    auto* modL = new QGridLayout(mod);
    modL->setVerticalSpacing(2);
    for (int i = 0; i < MaxParameterZeilen; ++i) {
        RegelLabel[i] = new QLabel(mod);
        RegelEdit[i] = NeuesFeld(mod, 90);
        modL->addWidget(RegelLabel[i], i, 0);
        modL->addWidget(RegelEdit[i], i, 1);
    }
    modL->setRowStretch(MaxParameterZeilen, 1);
    modScroll->setWidget(mod);
    RegelTabs->addTab(modScroll, "Modifikation");
    regelL->addWidget(RegelTabs, 1);
    mitte->addWidget(regel, 3);

    auto* beschr = new QGroupBox("Regelkurzbeschreibung", this);
    auto* beschrL = new QVBoxLayout(beschr);
    RegelListBox = new QListWidget(beschr);
    RegelListBox->setSelectionMode(QAbstractItemView::NoSelection);
    beschrL->addWidget(RegelListBox);
    mitte->addWidget(beschr, 2);
    spalten->addLayout(mitte, 4);

    // --- right: counts and round names
    auto* rechts = new QVBoxLayout;
    auto* dg = new QGroupBox("Anzahl Durchgänge", this);
    auto* dgL = new QGridLayout(dg);
    dgL->setVerticalSpacing(2);
    AnzahlVorrundenEdit = NeuesFeld(dg, 50);
    AnzahlFlyOffEdit = NeuesFeld(dg, 50);
    AnzahlJugFlyOffEdit = NeuesFeld(dg, 50);
    AnzahlStreicherEdit = NeuesFeld(dg, 50);
    StreicherAbEdit = NeuesFeld(dg, 50);
    const std::pair<const char*, QLineEdit*> dgZeilen[] = {{"Vorrunden", AnzahlVorrundenEdit},
                                                           {"Fly-Off (gesamt)", AnzahlFlyOffEdit},
                                                           {"Fly-Off (jugend)", AnzahlJugFlyOffEdit},
                                                           {"Streicher", AnzahlStreicherEdit},
                                                           {"... ab Durchgang", StreicherAbEdit}};
    z = 0;
    for (auto [text, feld] : dgZeilen) {
        dgL->addWidget(new QLabel(text, dg), z, 0);
        dgL->addWidget(feld, z++, 1);
    }
    rechts->addWidget(dg);

    auto* tn = new QGroupBox("Anzahl Teilnehmer", this);
    auto* tnL = new QGridLayout(tn);
    tnL->setVerticalSpacing(2);
    TeilnehmerInGruppeEdit = NeuesFeld(tn, 50);
    TeilnehmerInFlyOffEdit = NeuesFeld(tn, 50);
    TeilnehmerInJugFlyOffEdit = NeuesFeld(tn, 50);
    const std::pair<const char*, QLineEdit*> tnZeilen[] = {{"pro Gruppe (max)", TeilnehmerInGruppeEdit},
                                                           {"Fly-Off (gesamt)", TeilnehmerInFlyOffEdit},
                                                           {"Fly-Off (jugend)", TeilnehmerInJugFlyOffEdit}};
    z = 0;
    for (auto [text, feld] : tnZeilen) {
        tnL->addWidget(new QLabel(text, tn), z, 0);
        tnL->addWidget(feld, z++, 1);
    }
    rechts->addWidget(tn);

    auto* alias = new QGroupBox("Durchgangsbezeichnungen", this);
    auto* aliasL = new QVBoxLayout(alias);
    AliasTabControl = new QTabWidget(alias);
    for (int t = 0; t < 3; ++t) {
        auto* seite = new QWidget;
        auto* sL = new QGridLayout(seite);
        sL->setVerticalSpacing(1);
        sL->setHorizontalSpacing(4);
        // Rounds 1-3 of the tab on the left, 4-6 on the right; each label
        // stands left of its field.
        for (int k = 0; k < 6; ++k) {
            const int i = t * 6 + k;
            AliasDurchgangLabel[i] = new QLabel(seite);
            AliasDurchgangEdit[i] = NeuesFeld(seite, 80);
            if (k >= 3) AliasDurchgangLabel[i]->setContentsMargins(8, 0, 0, 0);
            const int zeile = k % 3, spalte = (k / 3) * 2;
            sL->addWidget(AliasDurchgangLabel[i], zeile, spalte);
            sL->addWidget(AliasDurchgangEdit[i], zeile, spalte + 1);
        }
        sL->setRowStretch(3, 1);
        AliasTabControl->addTab(seite, Q("Durchg. " + std::to_string(t * 6 + 1) + ".." + std::to_string(t * 6 + 6)));
        AliasTabControl->tabBar()->setExpanding(false);
    }
    aliasL->addWidget(AliasTabControl);
    rechts->addWidget(alias);
    rechts->addStretch();
    // All three tab captions stay readable.
    AliasTabControl->setMinimumWidth(AliasTabControl->tabBar()->sizeHint().width() + 12);
    spalten->addLayout(rechts, 3);

    // --- buttons
    auto* knoepfe = new QHBoxLayout;
    OkButton = new QPushButton("&Ok", this);
    AbbruchButton = new QPushButton("&Abbruch", this);
    DefaultButton = new QPushButton("&Regeländerung auf Defaultwerte Rücksetzen", this);
    ResetDurchgangButton = new QPushButton("&Durchgangszahl auf Defaultwerte Rücksetzen", this);
    knoepfe->addWidget(DefaultButton);
    knoepfe->addWidget(ResetDurchgangButton);
    knoepfe->addStretch();
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    haupt->addLayout(knoepfe);
    OkButton->setDefault(true);

    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
    connect(DefaultButton, &QPushButton::clicked, this, [this] { DefaultButtonClick(); });
    connect(ResetDurchgangButton, &QPushButton::clicked, this, [this] { ResetDurchgangButtonClick(); });
    connect(RegelComboBox, &QComboBox::activated, this, [this](int) { RegelComboBoxChange(); });
    for (QLineEdit* e : {AnzahlVorrundenEdit, AnzahlFlyOffEdit, AnzahlJugFlyOffEdit})
        connect(e, &QLineEdit::textEdited, this, [this] { AliasLabelsZeigen(); });
    connect(NullwertungNichtStreichenCheckBox, &QCheckBox::clicked, this,
            [this](bool ein) { StreicherCheckBoxConfig(ein); });
    const std::pair<QCheckBox*, int> bits[] = {{NichtStreichenBeiNullwertungCheckBox, BitJede},
                                               {NichtStreichenAusserhalbCheckBox, BitAusserhalb},
                                               {NichtStreichenWennLogUngueltigCheckBox, BitLogger},
                                               {NichtStreichenUeberzeitCheckBox, BitUeberzeit}};
    for (auto [box, bit] : bits)
        connect(box, &QCheckBox::toggled, this, [this, bit = bit](bool ein) { NullBitSetzen(bit, ein); });
    // The dialog never outlives the competition it edits.
    if (auto* m = qobject_cast<TMainForm*>(Eltern))
        connect(m, &TMainForm::WettbewerbSchliesst, this, [this](WettbewerbTyp* w) { WettbewerbSchliesst(w); });
}

void TWettbewerbNeuForm::AbbruchErlaubt(bool Erlaubt) {
    abbruchErlaubt_ = Erlaubt;
    // The reset buttons change only the dialog's fields: always offered.
    AbbruchButton->setEnabled(Erlaubt);
}

void TWettbewerbNeuForm::Zeigen() {
    FormShow();
    const int breite = GetFontFactor(1040), hoehe = GetFontFactor(485);
    QScreen* s = QGuiApplication::primaryScreen();
    const QRect r = s ? s->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(std::max(breite, sizeHint().width()), r.width()),
           std::min(std::max(hoehe, sizeHint().height()), r.height() - 40));
    move(r.x() + (r.width() - width()) / 2, r.y() + std::max((r.height() - height()) / 2 - 20, 0));
    show();
    raise();
    activateWindow();
}

void TWettbewerbNeuForm::PersonenZeigen() {
    if (!WettbewerbPtr) return;
    WettbewerbsleiterEdit->setText(Q(CnvNameTypToNameStr(&WettbewerbPtr->Wettbewerbsleiter, true)));
    OrganisationsleiterEdit->setText(Q(CnvNameTypToNameStr(&WettbewerbPtr->Organisationsleiter, true)));
    for (int i = 1; i <= MaxPunktrichterNamen; ++i) {
        PunktrichterEdit[i - 1]->setText(Q(CnvNameTypToNameStr(&WettbewerbPtr->PunktRichterName[i], true)));
        PunktrichterLabel[i - 1]->setText(Q("Punktrichter " + std::to_string(i) + ":"));
    }
}

void TWettbewerbNeuForm::AliasLabelsZeigen() {
    const int v = Zahl(AnzahlVorrundenEdit), f = Zahl(AnzahlFlyOffEdit), j = Zahl(AnzahlJugFlyOffEdit);
    for (int r = 1; r <= MaxAnzeigeDurchgaenge; ++r)
        AliasDurchgangLabel[r - 1]->setText(Q(GetDurchgangBezeichnerDirekt(v, f, j, r, false)));
}

void TWettbewerbNeuForm::FormShow() {
    fuellen_ = true;
    WettbewerbTyp* w = WettbewerbPtr;
    if (w) {
        for (int i = 1; i <= MaxParameter; ++i) Parameter[i] = w->Parameter[i];
        WettNameEdit->setText(Q(w->Name));
        WettDatumEdit->setText(Q(L_CALEND_GetDateString(w->Datum)));
        WettNummerEdit->setText(Q(w->ByNummer));
        AnzahlVorrundenEdit->setText(QString::number(w->AnzVorrunden));
        AnzahlFlyOffEdit->setText(QString::number(w->AnzSeniorenFlyOff));
        AnzahlJugFlyOffEdit->setText(QString::number(JugendRunden(w)));
        for (int r = 1; r <= MaxAnzeigeDurchgaenge; ++r) AliasDurchgangEdit[r - 1]->setText(Q(w->DurchgangAlias[r]));
        AliasLabelsZeigen();
    }

    // The rule: the competition's own (active or not), else the last one used,
    // else the first F5J rule of the list.
    RegelComboBox->clear();
    for (int nr = RegelAnzahl; nr >= 1; --nr)
        if (RegelListe(nr).Aktiv) RegelComboBox->addItem(Q(RegelListe(nr).Name));
    std::string wahl;
    if (w && w->RegelPtr && KatalogRegel(w->RegelPtr->Name)) wahl = w->RegelPtr->Name;
    if (wahl.empty()) {
        const std::string letzte = GetLastWettRegelName();
        const RegelTyp* r = KatalogRegel(letzte);
        if (r && r->Aktiv) wahl = letzte;
    }
    if (wahl.empty())
        for (int nr = RegelAnzahl; nr >= 1 && wahl.empty(); --nr)
            if (RegelListe(nr).Aktiv && RegelListe(nr).Name.rfind("F5J", 0) == 0) wahl = RegelListe(nr).Name;
    if (!wahl.empty()) ResetRegel(wahl);

    if (w) {
        AnzahlVorrundenEdit->setText(QString::number(w->AnzVorrunden));
        AnzahlFlyOffEdit->setText(QString::number(w->AnzSeniorenFlyOff));
        AnzahlJugFlyOffEdit->setText(QString::number(JugendRunden(w)));
        AnzahlStreicherEdit->setText(QString::number(static_cast<long long>(w->AnzVorrunden) - w->AnzGewDurchgaenge));
        StreicherAbEdit->setText(QString::number(w->StreicherAbDurchg));
        TeilnehmerInGruppeEdit->setText(QString::number(w->AnzTeilnGruppe));
        TeilnehmerInFlyOffEdit->setText(QString::number(w->AnzTeilnInEndRunde));
        TeilnehmerInJugFlyOffEdit->setText(QString::number(w->AnzJugInEndRunde));
        AliasLabelsZeigen();
        PersonenZeigen();
    }
    if (neu_ && !wahl.empty()) ResetDurchgang(wahl);
    fuellen_ = false;
}

void TWettbewerbNeuForm::SchreibeFormRegelParameter(const RegelTyp& Regel) {
    RegelComboBox->setEditText(Q(Regel.Name));
    const int idx = RegelComboBox->findText(Q(Regel.Name));
    if (idx >= 0) RegelComboBox->setCurrentIndex(idx);
    RegelComboBox->setEditText(Q(Regel.Name));
    RegelListBox->clear();
    for (int i = 1; i <= MaxBeschreibung; ++i)
        RegelListBox->addItem(Q(Regel.Beschreibung[i].empty() ? std::string(" ") : Regel.Beschreibung[i]));
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        QLabel* l = RegelLabel[i - 1];
        QLineEdit* e = RegelEdit[i - 1];
        const int nr = Regel.ParameterWettb.ParaNr[i];
        const std::string& bez = Regel.ParameterWettb.Bezeichner[i];
        QFont f = l->font();
        f.setBold(false);
        if (nr != 0) {
            l->setText(Q(bez));
            l->setFont(f);
            l->show();
            e->show();
            if (WettbewerbPtr && nr >= 1 && nr <= MaxParameter)
                e->setText(Q(PunktZuKomma(L_STR_DoubleToStr(Parameter[nr], 1, 9, 0, 2))));
            else
                e->setText(Q(PunktZuKomma(Regel.ParameterWettb.DefaultWert[i])));
        } else if (!bez.empty() && bez != "-") {
            f.setBold(true);
            l->setText(Q(bez));
            l->setFont(f);
            l->show();
            e->hide();
        } else {
            l->hide();
            e->hide();
        }
    }
}

void TWettbewerbNeuForm::ResetRegel(const std::string& Name) {
    const RegelTyp* r = KatalogRegel(Name);
    if (!r) return;
    regelGezeigt_ = Name;
    const bool warFuellen = fuellen_;
    fuellen_ = true;
    for (int i = 1; i <= MaxParameter; ++i) Parameter[i] = 0;
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        const int nr = r->ParameterWettb.ParaNr[i];
        if (nr >= 1 && nr <= MaxParameter) Parameter[nr] = L_STR_CnvStrToDouble(r->ParameterWettb.DefaultWert[i]);
    }
    SchreibeFormRegelParameter(*r);

    WettbewerbTyp* w = WettbewerbPtr;
    // Group-related evaluation: codes 2 and 3 leave it to the user.
    if (w) RegelAuswahlAnwenden(w, r);
    if (r->Gruppenstart == 2 || r->Gruppenstart == 3) {
        GruppenstartCheckBox->setEnabled(true);
        GruppenstartCheckBox->setChecked(w ? w->Gruppenstart : r->Gruppenstart == 3);
    } else {
        GruppenstartCheckBox->setEnabled(false);
        GruppenstartCheckBox->setChecked(r->Gruppenstart == 0);
    }
    // Zero results that are never dropped.
    const int v = r->PermntNullDurchg & 3;
    if (v == 1 || v == 2) {
        NullwertungNichtStreichenCheckBox->setEnabled(true);
        NullwertungNichtStreichenCheckBox->setChecked(w && (w->PermntNullMode & 3) == 3);
    } else {
        NullwertungNichtStreichenCheckBox->setEnabled(false);
        NullwertungNichtStreichenCheckBox->setChecked(v == 3);
    }
    StreicherCheckBoxConfig(false);

    if (w) BonusCheckBox->setChecked(w->BonusTeilnehmer);
    bool vp = true, dp = true, tw = true, frei = true, dpFrei = true;
    if (r->EdvNr == 8) {
        vp = dp = tw = false;
        frei = dpFrei = false;
    } else if (r->EdvNr == 6) {
        vp = true;
        dp = false;
        tw = true;
        frei = dpFrei = false;
    } else {
        switch (r->EdvNr) {
        case 1: case 4: case 10: case 11: case 12: case 13: case 14: dpFrei = false; break;
        default: break;
        }
    }
    if (w) {
        w->VorrundenPromille = vp;
        w->DurchgangPromille = dp;
        w->Teilwertung = tw;
    }
    VorrundenPromilleCheckBox->setEnabled(frei);
    TeilWertungCheckBox->setEnabled(frei);
    DurchgangPromilleCheckBox->setEnabled(dpFrei);
    VorrundenPromilleCheckBox->setChecked(vp);
    DurchgangPromilleCheckBox->setChecked(dp);
    TeilWertungCheckBox->setChecked(tw);
    if (w) NachkommaEdit->setText(QString::number(w->AnzNachkomma));
    PersonenZeigen();
    fuellen_ = warFuellen;
}

void TWettbewerbNeuForm::ResetDurchgang(const std::string& Name) {
    const RegelTyp* r = KatalogRegel(Name);
    if (!r) return;
    WettbewerbTyp* muster = DatenWettbewerbNew();
    DatenWettbewerbDefault(muster);
    DatenRegelToWettbewerb(muster, r);
    const int v = muster->AnzVorrunden;
    int gewertet = v - r->RegelDefaultDurchg.AnzahlStreicher;
    if (gewertet < 1) gewertet = 1;
    if (gewertet > v) gewertet = v;
    AnzahlVorrundenEdit->setText(QString::number(v));
    AnzahlStreicherEdit->setText(QString::number(v - gewertet));
    AnzahlFlyOffEdit->setText(QString::number(muster->AnzSeniorenFlyOff));
    AnzahlJugFlyOffEdit->setText(QString::number(r->RegelDefaultDurchg.AnzahlJugFlyOff));
    TeilnehmerInGruppeEdit->setText(QString::number(muster->AnzTeilnGruppe));
    TeilnehmerInFlyOffEdit->setText(QString::number(muster->AnzTeilnInEndRunde));
    TeilnehmerInJugFlyOffEdit->setText(QString::number(muster->AnzJugInEndRunde));
    StreicherAbEdit->setText("5");
    DatenWettbewerbDispose(muster);
    AliasLabelsZeigen();
}

void TWettbewerbNeuForm::RegelComboBoxChange() {
    const std::string name = RegelComboBox->currentText().toStdString();
    // The rule shown picked again changes nothing: the counts and names typed stay.
    if (name == regelGezeigt_) return;
    ResetRegel(name);
    ResetDurchgang(name);
}

void TWettbewerbNeuForm::NullBitSetzen(int Bit, bool Ein) {
    if (!WettbewerbPtr) return;
    if (Ein)
        WettbewerbPtr->PermntNullMode |= Bit;
    else
        WettbewerbPtr->PermntNullMode &= ~Bit;
}

void TWettbewerbNeuForm::StreicherCheckBoxConfig(bool VomBenutzerEingeschaltet) {
    const bool an = NullwertungNichtStreichenCheckBox->isChecked();
    const std::pair<QCheckBox*, int> bits[] = {{NichtStreichenBeiNullwertungCheckBox, BitJede},
                                               {NichtStreichenAusserhalbCheckBox, BitAusserhalb},
                                               {NichtStreichenWennLogUngueltigCheckBox, BitLogger},
                                               {NichtStreichenUeberzeitCheckBox, BitUeberzeit}};
    const int modus = WettbewerbPtr ? WettbewerbPtr->PermntNullMode : 0;
    for (auto [box, bit] : bits) {
        box->setEnabled(an);
        if (VomBenutzerEingeschaltet && an)
            box->setChecked(bit == BitLogger);
        else
            box->setChecked(an && (modus & bit) != 0);
        NullBitSetzen(bit, box->isChecked());
    }
}

void TWettbewerbNeuForm::LeseFormParameter() {
    WettbewerbTyp* w = WettbewerbPtr;
    if (!w) return;
    SetWettbewerbModified(w);
    w->Name = S(WettNameEdit);
    std::string fehler;
    DatumEingabe(S(WettDatumEdit), w->Datum, fehler);
    w->ByNummer = S(WettNummerEdit);

    // rule
    DatenRegelDispose(w->RegelPtr);
    const RegelTyp* kat = GewaehlteRegel();
    w->RegelPtr = DatenRegelNew();
    DatenRegelCopy(w->RegelPtr, kat);
    w->RegelPtr->next = nullptr;
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        const int nr = kat->ParameterWettb.ParaNr[i];
        if (nr < 1 || nr > MaxParameter) continue;
        const std::string text = S(RegelEdit[i - 1]);
        w->Parameter[nr] = L_STR_CnvStrToDouble(text);
        if (kat->ParameterWettb.Bezeichner[i] == "Punktrichter") w->AnzPunktrichter = L_STR_CnvStrToInteger(text);
    }
    w->Gruppenstart = GruppenstartCheckBox->isChecked();
    w->BonusTeilnehmer = BonusCheckBox->isChecked();
    w->VorrundenPromille = VorrundenPromilleCheckBox->isChecked();
    w->DurchgangPromille = DurchgangPromilleCheckBox->isChecked();
    w->Teilwertung = TeilWertungCheckBox->isChecked();
    w->AnzNachkomma = Zahl(NachkommaEdit);
    w->PermntNullMode = NullModusAusForm();

    for (int r = 1; r <= MaxAnzeigeDurchgaenge; ++r) w->DurchgangAlias[r] = S(AliasDurchgangEdit[r - 1]);

    // counts
    const int V = Zahl(AnzahlVorrundenEdit), Str = Zahl(AnzahlStreicherEdit), F = Zahl(AnzahlFlyOffEdit),
              J = Zahl(AnzahlJugFlyOffEdit);
    w->AnzTeilnGruppe = Zahl(TeilnehmerInGruppeEdit);
    w->StreicherAbDurchg = Zahl(StreicherAbEdit);
    w->AnzJugInEndRunde = Zahl(TeilnehmerInJugFlyOffEdit);
    w->AnzTeilnInEndRunde = Zahl(TeilnehmerInFlyOffEdit);

    // Rounds are added and removed one at a time. A refused addition (the
    // message has told the user why) or a removal the user declined ends that
    // block with the count reached; only a block that holds no round record
    // to remove takes the requested count directly.
    auto ohneRunden = [w](int Block) {
        for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next)
            if (DurchgangBlock(w, d->Nr) == Block) return false;
        return true;
    };
    auto jug = [w] { return JugendRunden(w); };
    while (w->AnzVorrunden < V && w->AnzVorrunden < 25)
        if (!VorrundeHinzufuegen(w)) break;
    while (w->AnzVorrunden > V && w->AnzVorrunden > 0) {
        if (VorrundeEntfernen(w)) continue;
        if (ohneRunden(BlockVorrunde)) {
            w->AnzDurchgaenge -= w->AnzVorrunden - std::max(V, 0);
            w->AnzVorrunden = std::max(V, 0);
        }
        break;
    }
    while (w->AnzSeniorenFlyOff < F && w->AnzSeniorenFlyOff < 25)
        if (!SenFlyOffHinzufuegen(w)) break;
    while (w->AnzSeniorenFlyOff > F && w->AnzSeniorenFlyOff > 0) {
        if (SenFlyOffEntfernen(w)) continue;
        if (ohneRunden(BlockSeniorenFlyOff)) {
            w->AnzDurchgaenge -= w->AnzSeniorenFlyOff - std::max(F, 0);
            w->AnzSeniorenFlyOff = std::max(F, 0);
        }
        break;
    }
    while (jug() < J && jug() <= 24)
        if (!JugFlyOffHinzufuegen(w)) break;
    while (jug() > J && jug() > 0) {
        if (JugFlyOffEntfernen(w)) continue;
        if (ohneRunden(BlockJugendFlyOff)) w->AnzDurchgaenge = w->AnzVorrunden + w->AnzSeniorenFlyOff + std::max(J, 0);
        break;
    }
    if (w->DurchgangNr > w->AnzDurchgaenge) w->DurchgangNr = std::max(w->AnzDurchgaenge, 1);

    int gew = w->AnzVorrunden - Str;
    if (gew <= 0) gew = 1;
    if (gew > w->AnzVorrunden) gew = w->AnzVorrunden;
    w->AnzGewDurchgaenge = gew;

    NameDatenParseTitelVorNachname(&w->Wettbewerbsleiter, S(WettbewerbsleiterEdit), 1, true);
    NameDatenParseTitelVorNachname(&w->Organisationsleiter, S(OrganisationsleiterEdit), 1, true);
    for (int i = 1; i <= MaxPunktrichterNamen; ++i)
        NameDatenParseTitelVorNachname(&w->PunktRichterName[i], S(PunktrichterEdit[i - 1]), 1, true);
    if (MainForm) MainForm->FormPaint();
}

const RegelTyp* TWettbewerbNeuForm::GewaehlteRegel() const {
    const std::string auswahl = RegelComboBox->currentText().toStdString();
    return auswahl.empty() ? &RegelListe(RegelAnzahl) : KatalogRegel(auswahl);
}

std::string TWettbewerbNeuForm::EingabenPruefen() const {
    ParameterEingaben e;
    e.Datum = S(WettDatumEdit);
    e.Vorrunden = S(AnzahlVorrundenEdit);
    e.FlyOff = S(AnzahlFlyOffEdit);
    e.JugendFlyOff = S(AnzahlJugFlyOffEdit);
    e.Streicher = S(AnzahlStreicherEdit);
    e.StreicherAb = S(StreicherAbEdit);
    e.Gruppe = S(TeilnehmerInGruppeEdit);
    e.FlyOffTeilnehmer = S(TeilnehmerInFlyOffEdit);
    e.JugendFlyOffTeilnehmer = S(TeilnehmerInJugFlyOffEdit);
    e.Nachkomma = S(NachkommaEdit);
    if (const RegelTyp* kat = GewaehlteRegel()) {
        for (int i = 1; i <= MaxParameterZeilen; ++i) {
            const int nr = kat->ParameterWettb.ParaNr[i];
            if (nr >= 1 && nr <= MaxParameter) e.RegelParameter.push_back({kat->ParameterWettb.Bezeichner[i], S(RegelEdit[i - 1])});
        }
    }
    return ParameterEingabenPruefen(e);
}

bool TWettbewerbNeuForm::ErgebnisseAendernSich() const {
    const WettbewerbTyp* w = WettbewerbPtr;
    const RegelTyp* kat = GewaehlteRegel();
    if (!w || !kat) return false;
    if (!w->RegelPtr || w->RegelPtr->EdvNr != kat->EdvNr) return true;
    if (GruppenstartCheckBox->isChecked() != w->Gruppenstart) return true;
    // Every value the evaluation reads: a change alters existing results.
    for (int i = 1; i <= MaxParameterZeilen; ++i) {
        const int nr = kat->ParameterWettb.ParaNr[i];
        if (nr >= 1 && nr <= MaxParameter && L_STR_CnvStrToDouble(S(RegelEdit[i - 1])) != w->Parameter[nr]) return true;
    }
    const int V = Zahl(AnzahlVorrundenEdit);
    int gew = V - Zahl(AnzahlStreicherEdit);
    gew = std::min(std::max(gew, 1), std::max(V, 1));
    return Zahl(TeilnehmerInFlyOffEdit) != w->AnzTeilnInEndRunde ||
           Zahl(TeilnehmerInJugFlyOffEdit) != w->AnzJugInEndRunde || gew != w->AnzGewDurchgaenge ||
           Zahl(StreicherAbEdit) != w->StreicherAbDurchg || Zahl(NachkommaEdit) != w->AnzNachkomma ||
           VorrundenPromilleCheckBox->isChecked() != w->VorrundenPromille ||
           DurchgangPromilleCheckBox->isChecked() != w->DurchgangPromille ||
           TeilWertungCheckBox->isChecked() != w->Teilwertung || BonusCheckBox->isChecked() != w->BonusTeilnehmer ||
           NullModusAusForm() != w->PermntNullMode;
}

int TWettbewerbNeuForm::NullModusAusForm() const {
    int m = NullwertungNichtStreichenCheckBox->isChecked() ? 3 : 0;
    if (m == 3) {
        if (NichtStreichenBeiNullwertungCheckBox->isChecked()) m |= BitJede;
        if (NichtStreichenAusserhalbCheckBox->isChecked()) m |= BitAusserhalb;
        if (NichtStreichenWennLogUngueltigCheckBox->isChecked()) m |= BitLogger;
        if (NichtStreichenUeberzeitCheckBox->isChecked()) m |= BitUeberzeit;
    }
    return m;
}

bool TWettbewerbNeuForm::OkButtonClick() {
    if (!WettbewerbPtr) {
        hide();
        return false;
    }
    const std::string auswahl = RegelComboBox->currentText().toStdString();
    if (!auswahl.empty() && !KatalogRegel(auswahl)) {
        UiWarnung("Wettbewerbsparameter",
                  "Die Regel \"" + auswahl + "\" ist nicht bekannt.\nBitte eine Regel aus der Liste wählen.");
        return false;
    }
    // Nothing is taken over while a field holds what it may not.
    if (const std::string fehler = EingabenPruefen(); !fehler.empty()) {
        UiWarnung("Wettbewerbsparameter", fehler);
        return false;
    }
    // Changes that alter existing results are taken over only after the
    // progress warning said yes; "Nein" leaves the competition as it was.
    TWarnStartNrForm* warn = MainForm ? MainForm->WarnStartNrForm() : nullptr;
    if (warn && ErgebnisseAendernSich() && warn->FormCheckShow(WettbewerbPtr, 20, 50)) {
        warn->SetCallingFkt(3);
        warn->Zeigen();
        return true;
    }
    Uebernehmen();
    return true;
}

void TWettbewerbNeuForm::Uebernehmen() {
    if (!WettbewerbPtr) {
        hide();
        return;
    }
    BeiAbbruch = nullptr;
    LeseFormParameter();
    SetWettbewerbsStatus(WettbewerbPtr, 20, true);
    WettbewerbNeuBerechnen();
    hide();
    ReinitAndRedraw();
}

void TWettbewerbNeuForm::WettbewerbSchliesst(WettbewerbTyp* Wett) {
    if (Wett != WettbewerbPtr) return;
    hide();
    WettbewerbPtr = nullptr;
    BeiAbbruch = nullptr;
}

void TWettbewerbNeuForm::AbbruchButtonClick() {
    if (!abbruchErlaubt_) return;
    hide();
    // Last: the callback may replace (and free) the competition of this dialog.
    if (std::function<void()> f = std::exchange(BeiAbbruch, nullptr)) f();
}

void TWettbewerbNeuForm::reject() { AbbruchButtonClick(); }

void TWettbewerbNeuForm::DefaultButtonClick() {
    if (WettbewerbPtr && WettbewerbPtr->RegelPtr) ResetRegel(WettbewerbPtr->RegelPtr->Name);
}

void TWettbewerbNeuForm::ResetDurchgangButtonClick() {
    if (WettbewerbPtr && WettbewerbPtr->RegelPtr) ResetDurchgang(WettbewerbPtr->RegelPtr->Name);
}

} // namespace tavuran
