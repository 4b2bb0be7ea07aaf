#include "app/TReflyForm.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DialogListe.h"
#include "app/TMainForm.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "core/Zufall.h"
#include "startorder/Kanal.h"

namespace tavuran {

namespace {

constexpr int SpalteRolle = 0;
constexpr int SpalteStartNr = 1;
constexpr int SpalteName = 2;
constexpr int SpalteVerein = 3;
constexpr int SpalteKanal = 4;


} // namespace

TReflyForm::TReflyForm(QWidget* Eltern)
    : TRundenDialog(Eltern, "Flugwiederholung (Refly)",
                    "Die Durchgänge des Wettbewerbs wurden geändert, während der Dialog geöffnet war. "
                    "Die Flugwiederholungen wurden nicht übernommen; bitte den Dialog erneut öffnen.") {

    ReflyPanel = new QLabel(this);
    ReflyStringGrid = new QTableWidget(this);
    ListeEinrichten(ReflyStringGrid, 5);
    const char* const koepfe[5] = {"Rolle", "Startnr.", "Name", "Verein", "Kanal"};
    for (int c = 0; c < 5; ++c) ListenKopf(ReflyStringGrid, c, koepfe[c]);

    TeilnehmerPanel = new QLabel(this);
    TeilnehmerStringGrid = new QTableWidget(this);
    ListeEinrichten(TeilnehmerStringGrid, 4);

    TeilnehmerButton = new QPushButton("<- Teilnehmer", this);
    VerursacherButton = new QPushButton("<- Verursacher", this);
    ZufallButton = new QPushButton("<- zufälliger Teiln.", this);
    GruppeButton = new QPushButton("<- Gruppe", this);
    EntfernenButton = new QPushButton("-> entfernen", this);
    AlleEntfernenButton = new QPushButton("-> alle entfernen", this);
    OkButton = new QPushButton("&Ok", this);
    AbbruchButton = new QPushButton("A&bbruch", this);
    OkButton->setDefault(true);
    for (QPushButton* b : {TeilnehmerButton, VerursacherButton, ZufallButton, GruppeButton, EntfernenButton,
                           AlleEntfernenButton, OkButton, AbbruchButton})
        b->setAutoDefault(false);

    auto* links = new QVBoxLayout;
    links->addWidget(ReflyPanel);
    links->addWidget(ReflyStringGrid, 1);
    auto* mitte = new QVBoxLayout;
    mitte->addSpacing(GetFontFactor(40));
    for (QPushButton* b : {TeilnehmerButton, VerursacherButton, ZufallButton, GruppeButton})
        mitte->addWidget(b);
    mitte->addSpacing(GetFontFactor(24));
    mitte->addWidget(EntfernenButton);
    mitte->addWidget(AlleEntfernenButton);
    mitte->addStretch(1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(TeilnehmerPanel);
    rechts->addWidget(TeilnehmerStringGrid, 1);
    // The reflight and participant lists take five twelfths of the width each.
    auto* listen = new QHBoxLayout;
    listen->addLayout(links, 5);
    listen->addLayout(mitte, 2);
    listen->addLayout(rechts, 5);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OkButton);
    knoepfe->addWidget(AbbruchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listen, 1);
    layout->addLayout(knoepfe);

    connect(TeilnehmerButton, &QPushButton::clicked, this, [this] { TeilnehmerButtonClick(); });
    connect(VerursacherButton, &QPushButton::clicked, this, [this] { VerursacherButtonClick(); });
    connect(ZufallButton, &QPushButton::clicked, this, [this] { ZufallButtonClick(); });
    connect(GruppeButton, &QPushButton::clicked, this, [this] { GruppeButtonClick(); });
    connect(EntfernenButton, &QPushButton::clicked, this, [this] { EntfernenButtonClick(); });
    connect(AlleEntfernenButton, &QPushButton::clicked, this, [this] { AlleEntfernenButtonClick(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { OkButtonClick(); });
    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
    connect(ReflyStringGrid, &QTableWidget::cellClicked, this,
            [this](int r, int c) { ReflyStringGridClick(r + 1, c); });
}

void TReflyForm::Zeigen() {
    teilnehmer_.clear();
    WettbewerbTyp* w = RundeBinden(GetFontFactor(750), GetFontFactor(500));
    if (!w) return;
    AktGruppeNr = 1;

    const DialogListenFilter filter = HauptfensterListenFilter();
    ListenKopf(ReflyStringGrid, SpalteVerein, filter.Team ? "Team" : "Verein");
    // The panels name the round in full: its short form alone ("1", "1FO") says little.
    const std::string runde = GetDurchgangBezeichner(w, AktDurchgangNr(), false, true);
    ReflyPanel->setText(QString::fromStdString("Reflight - " + runde));
    TeilnehmerPanel->setText(QString::fromStdString("Teilnehmer - " + runde));
    ReflyListeFuellen();
    teilnehmer_ = TeilnehmerListeFuellen(TeilnehmerStringGrid, w, AktDurchgangNr(), filter, 1);

    // Every column as wide as its widest text: the reflight list shows the
    // same participants as the participant list, with their channels.
    SpaltenEinpassen(TeilnehmerStringGrid);
    std::vector<std::string> kanaele = {KanalAnzeigeStr(Kanal2G4)};
    for (const DialogTeilnehmerZeile& z : teilnehmer_)
        if (const TeilnehmerTyp* t = z.EdvNr != 0 ? ZeilenTeilnehmer(w, z.EdvNr, 0) : nullptr)
            kanaele.push_back(KanalAnzeigeStr(GetKanalTeilnehmer(*t)));
    SpalteEinpassen(ReflyStringGrid, SpalteRolle, {ReflyRolleVerursacher});
    for (int c : {SpalteStartNr, SpalteName, SpalteVerein})
        ReflyStringGrid->setColumnWidth(c, TeilnehmerStringGrid->columnWidth(c));
    SpalteEinpassen(ReflyStringGrid, SpalteKanal, kanaele);
    ListeMindestbreite(ReflyStringGrid);
    ListeMindestbreite(TeilnehmerStringGrid);
    DialogEinpassen(this);
    Vorne();
}

void TReflyForm::ReflyZeileSchreiben(int Zeile, const std::string& Rolle, TeilnehmerTyp* t) {
    WettbewerbTyp* w = WettbewerbPtr();
    ListenZelle(ReflyStringGrid, Zeile, SpalteRolle, Rolle);
    ListenZelle(ReflyStringGrid, Zeile, SpalteStartNr, std::to_string(t->StartNr));
    ListenZelle(ReflyStringGrid, Zeile, SpalteName, CnvNameTypToNameStr(&t->Name, true));
    const MannschaftTyp* m = HauptfensterListenFilter().Team && w
                                 ? GetMannschaftdesTeilnehmers(w->MannschaftRootPtr, t->EdvNr)
                                 : nullptr;
    ListenZelle(ReflyStringGrid, Zeile, SpalteVerein, m ? m->Name : t->Verein);
    ListenZelle(ReflyStringGrid, Zeile, SpalteKanal, KanalAnzeigeStr(GetKanalTeilnehmer(*t)));
    ListenEdvNrSetzen(ReflyStringGrid, Zeile, t->EdvNr);
}

void TReflyForm::ReflyListeFuellen() {
    WettbewerbTyp* w = WettbewerbPtr();
    ReflyStringGrid->setRowCount(w ? std::max(w->MaxGruppenGroesse, 1) : 1);
    ListeLeeren(ReflyStringGrid);
    if (!w) return;
    const std::vector<ReflyZeile> zeilen = ReflyZeilenLesen(w, AktDurchgangNr());
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (zeilen[i].Teilnehmer) ReflyZeileSchreiben(static_cast<int>(i) + 1, zeilen[i].Rolle, zeilen[i].Teilnehmer);
}

int TReflyForm::ReflyStringGridSearchDestRow(int EdvNr) {
    for (int r = 1; r <= ReflyStringGrid->rowCount(); ++r)
        if (ListenEdvNr(ReflyStringGrid, r) == EdvNr) return r;
    for (int r = 1; r <= ReflyStringGrid->rowCount(); ++r)
        if (ListenEdvNr(ReflyStringGrid, r) == 0) return r;
    // The list grows by one row when it is full.
    ReflyStringGrid->setRowCount(ReflyStringGrid->rowCount() + 1);
    return ReflyStringGrid->rowCount();
}

void TReflyForm::ReflyStringGridAdd(int QuellZeile, const std::string& Rolle) {
    WettbewerbTyp* w = WettbewerbPtr();
    if (!w) return;
    const int edvNr = ListenEdvNr(TeilnehmerStringGrid, QuellZeile);
    TeilnehmerTyp* t = edvNr != 0 ? ZeilenTeilnehmer(w, edvNr, 0) : nullptr;
    if (!t) return;
    ReflyZeileSchreiben(ReflyStringGridSearchDestRow(edvNr), Rolle, t);
}

void TReflyForm::TeilnehmerButtonClick() {
    ReflyStringGridAdd(ListenAuswahl(TeilnehmerStringGrid), ReflyRolleTeilnehmer);
}

void TReflyForm::VerursacherButtonClick() {
    ReflyStringGridAdd(ListenAuswahl(TeilnehmerStringGrid), ReflyRolleVerursacher);
}

void TReflyForm::ZufallButtonClick() {
    std::vector<int> teilnehmer, gelistet;
    int anzahl = 0;
    for (int r = 1; r <= TeilnehmerStringGrid->rowCount(); ++r) {
        const int e = ListenEdvNr(TeilnehmerStringGrid, r);
        teilnehmer.push_back(e);
        if (e != 0) ++anzahl;
    }
    for (int r = 1; r <= ReflyStringGrid->rowCount(); ++r)
        if (const int e = ListenEdvNr(ReflyStringGrid, r); e != 0) gelistet.push_back(e);
    ZufallSeedFromClock();
    const int i = ZufaelligeReflyZeile(teilnehmer, anzahl, gelistet);
    if (i >= 0) ReflyStringGridAdd(i + 1, ReflyRolleTeilnehmer);
}

void TReflyForm::GruppeButtonClick() {
    const int auswahl = ListenAuswahl(TeilnehmerStringGrid);
    if (auswahl < 1 || auswahl > static_cast<int>(teilnehmer_.size())) return;
    const DialogTeilnehmerZeile& gewaehlt = teilnehmer_[static_cast<std::size_t>(auswahl - 1)];
    if (gewaehlt.EdvNr == 0) return;
    // The whole group replaces the list, the chosen one as the causer.
    ListeLeeren(ReflyStringGrid);
    int ziel = 0;
    for (std::size_t i = 0; i < teilnehmer_.size(); ++i) {
        const DialogTeilnehmerZeile& z = teilnehmer_[i];
        if (z.EdvNr == 0 || z.Gruppe != gewaehlt.Gruppe) continue;
        TeilnehmerTyp* t = ZeilenTeilnehmer(WettbewerbPtr(), z.EdvNr, 0);
        if (!t) continue;
        ReflyZeileSchreiben(++ziel, z.EdvNr == gewaehlt.EdvNr ? ReflyRolleVerursacher : ReflyRolleTeilnehmer, t);
    }
    AktGruppeNr = gewaehlt.Gruppe;
}

void TReflyForm::EntfernenButtonClick() {
    const int r = ListenAuswahl(ReflyStringGrid);
    if (r < 1 || r > ReflyStringGrid->rowCount()) return;
    for (int c = 0; c < ReflyStringGrid->columnCount(); ++c) ListenZelle(ReflyStringGrid, r, c, "");
    ListenEdvNrSetzen(ReflyStringGrid, r, 0);
    if (r < ReflyStringGrid->rowCount()) ReflyStringGrid->setCurrentCell(r, ReflyStringGrid->currentColumn() < 0 ? 0 : ReflyStringGrid->currentColumn());
}

void TReflyForm::AlleEntfernenButtonClick() { ListeLeeren(ReflyStringGrid); }

void TReflyForm::ReflyStringGridClick(int Zeile, int Spalte) {
    if (Spalte != SpalteRolle || ListenEdvNr(ReflyStringGrid, Zeile) == 0) return;
    const std::string rolle = ListenZellText(ReflyStringGrid, Zeile, SpalteRolle);
    ListenZelle(ReflyStringGrid, Zeile, SpalteRolle,
                rolle == ReflyRolleTeilnehmer ? ReflyRolleVerursacher : ReflyRolleTeilnehmer);
}

std::vector<ReflyZeile> TReflyForm::ReflyListe() const {
    std::vector<ReflyZeile> zeilen;
    for (int r = 1; r <= ReflyStringGrid->rowCount(); ++r) {
        ReflyZeile z;
        z.EdvNr = ListenEdvNr(ReflyStringGrid, r);
        if (z.EdvNr != 0) {
            z.Rolle = ListenZellText(ReflyStringGrid, r, SpalteRolle);
            z.StartNr = L_STR_CnvStrToInteger(ListenZellText(ReflyStringGrid, r, SpalteStartNr));
            z.Name = ListenZellText(ReflyStringGrid, r, SpalteName);
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

void TReflyForm::OkButtonClick() {
    if (AuszaehlungLaeuft()) return;
    if (WettbewerbTyp* w = SchreibbarerWettbewerb()) {
        ReflyUebernehmen(w, AktDurchgangNr(), ReflyListe());
        WettbewerbNeuBerechnen();
        ReinitAndRedraw();
    }
    hide();
}

void TReflyForm::AbbruchButtonClick() { hide(); }

} // namespace tavuran
