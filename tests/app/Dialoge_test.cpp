// The reflight, penalty, team-scoring and channel-statistics windows and the
// rounds menu, driven offscreen through the main window.
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QDialog>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTableWidget>

#include "app/TabellenGitter.h"
#include <QTest>

#include "app/DialogListe.h"
#include "app/TKanalStatForm.h"
#include "app/TReflyForm.h"
#include "app/TStrafpunkteForm.h"
#include "app/TTeamwertungForm.h"
#include "app/TWarnStartNrForm.h"
#include "core/DatenDurchgang.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/Eingabe.h"
#include "core/L_STR.h"
#include "evaluation/Durchgaenge.h"
#include "evaluation/Refly.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"
#include "startorder/Startnummern.h"
#include "startorder/WarnStartNr.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

struct Pilot {
    int EdvNr;
    const char* Nachname;
    const char* Verein;
    int Gruppe;
    int Startplatz;
    bool Jugendlich;
    const char* Kanal;
};

// Six pilots in two groups of three in round 1; pilots 1 and 3 form a team.
const Pilot Piloten[] = {
    {1, "Adler", "MFC Nord", 1, 1, false, "61"},   {2, "Berger", "MFG Süd", 1, 2, true, "62"},
    {3, "Conrad", "MFC Nord", 1, 3, false, "61"},  {4, "Dorn", "LSV West", 2, 1, false, "2G4"},
    {5, "Eck", "LSV West", 2, 2, false, "35,010"}, {6, "Fuchs", "MFG Süd", 2, 3, false, "182"},
};

struct Einstellung {
    int KanWinAktiv = 0;
    int MaxGruppenGroesse = 9;
};

// Two preliminary rounds, one senior and one junior fly-off round.
void WettbewerbSchreiben(const std::string& Datei, const std::string& Name, const Einstellung& e = {}) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = Name;
    w->Datum = {14, 6, 2025};
    DatenRegelLoad(w->RegelPtr, "F3J (B-Mod 2025)", &w->Datum);
    w->AnzVorrunden = 2;
    w->AnzGewDurchgaenge = 2;
    w->AnzSeniorenFlyOff = 1;
    w->AnzDurchgaenge = 4;
    w->AnzTeilnGruppe = 3;
    w->MaxGruppenGroesse = e.MaxGruppenGroesse;
    w->KanWinAktiv = e.KanWinAktiv;
    for (const Pilot& p : Piloten) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, p.EdvNr, true);
        t->Name.VornameStr = "V";
        t->Name.NachnameStr = p.Nachname;
        t->Verein = p.Verein;
        t->MeldgNr = p.EdvNr;
        t->StartNr = p.EdvNr;
        t->Gruppe[1] = p.Gruppe;
        t->Startplatz[1] = p.Startplatz;
        t->Gruppe[2] = p.Gruppe;
        t->Startplatz[2] = p.Startplatz;
        t->Jugendlich = p.Jugendlich;
        t->Kanal[1] = p.Kanal;
        t->KanalAktiv = 1;
    }
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 1;
    m->Name = "Seeadler";
    m->TeilnehmerEdvNr[1] = 1;
    m->TeilnehmerEdvNr[2] = 3;
    w->MannschaftRootPtr = m;
    SortAll(w);
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(w, Datei, 3, false);
    DatenWettbewerbDispose(w);
    ASSERT_TRUE(erg.Ok) << erg.Grund;
}

// The reflight entries of a round: (EdvNr, causer) in EdvNr order.
std::vector<std::pair<int, bool>> ReflyEintraege(WettbewerbTyp* w, int Runde) {
    std::vector<std::pair<int, bool>> v;
    for (const GruppeTyp* g = GetDurchgangPtr(w, Runde)->GruppePtr; g; g = g->next)
        if (g->ReflyOrder > 0)
            for (const WertungTyp* e = g->WertungPtr; e; e = e->next) v.emplace_back(e->EdvNr, e->ReflyVerursacher);
    std::sort(v.begin(), v.end());
    return v;
}

using Liste = std::vector<std::pair<int, std::string>>;

// The filled rows of a list: (EdvNr, text of the column), in row order.
Liste Zeilen(QTableWidget* g, int Spalte) {
    Liste v;
    for (int r = 1; r <= g->rowCount(); ++r)
        if (const int e = ListenEdvNr(g, r); e != 0) v.emplace_back(e, ListenZellText(g, r, Spalte));
    return v;
}

int ZeileVon(QTableWidget* g, int EdvNr) {
    for (int r = 1; r <= g->rowCount(); ++r)
        if (ListenEdvNr(g, r) == EdvNr) return r;
    return 0;
}

void Waehlen(QTableWidget* g, int Zeile) {
    g->clearSelection();
    g->setCurrentCell(Zeile - 1, 0);
}

class DialogeTest : public FensterTest {
  protected:
    TMainForm& MitDateiStarten(const Einstellung& e = {}) {
        Datei = Pfad("see.wtb");
        WettbewerbSchreiben(Datei, "Pokal am See", e);
        TMainForm& f = Fenster({QString::fromStdString(Datei)});
        GetUiHooks().SpeichernAbfrage = [](WettbewerbTyp*, bool) { return UiAntwort::Nein; };
        Starten(f);
        return f;
    }
    std::string Datei;
};

TEST_F(DialogeTest, ReflightListeAufbauenUndUebernehmen) {
    Einstellung e;
    e.MaxGruppenGroesse = 2; // smaller than a group: the list grows while it is filled
    TMainForm& f = MitDateiStarten(e);
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_TRUE(f.ReflyAction()->isEnabled());
    f.StartlisteTeamClick(true);
    f.FunctionReflyClick();
    TReflyForm* d = f.ReflyForm();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(d->isVisible());
    // at the window's position + (150, 100), moved left and up as far as it
    // must to stay on the screen with its frame
    const QRect schirm = d->screen()->availableGeometry();
    EXPECT_EQ(d->pos().y(), std::min(f.geometry().top() + 100, schirm.bottom() + 1 - d->frameGeometry().height()));
    EXPECT_EQ(d->pos().x(), std::min(f.geometry().left() + 150, schirm.right() + 1 - d->frameGeometry().width()));
    EXPECT_LE(d->frameGeometry().right(), schirm.right());
    EXPECT_EQ(d->ReflyPanel->text().toStdString(), "Reflight - 1. Vorrunde");
    // six participants and the blank row between the two groups
    EXPECT_EQ(Zeilen(d->TeilnehmerStringGrid, 2).size(), 6u);
    EXPECT_EQ(ListenEdvNr(d->TeilnehmerStringGrid, 4), 0);
    EXPECT_EQ(ListenZellText(d->TeilnehmerStringGrid, 5, 0), "2 (1)");
    EXPECT_EQ(ListenZellText(d->TeilnehmerStringGrid, 1, 3), "Seeadler"); // teams are shown by default
    EXPECT_TRUE(Zeilen(d->ReflyStringGrid, 0).empty());

    struct Schritt {
        const char* Aktion;
        int EdvNr; // the participant chosen in the list the action works on
        Liste Erwartet;
    };
    const std::string V = "Verursacher";
    const std::vector<Schritt> schritte = {
        {"Teilnehmer", 1, {{1, "-"}}},
        {"Verursacher", 1, {{1, V}}}, // already listed: only the role changes
        {"Teilnehmer", 5, {{1, V}, {5, "-"}}},
        {"Rolle", 1, {{1, "-"}, {5, "-"}}},
        {"Rolle", 5, {{1, "-"}, {5, V}}},
        {"Entfernen", 1, {{5, V}}},
        {"Teilnehmer", 6, {{6, "-"}, {5, V}}}, // into the first empty row
        {"Gruppe", 2, {{1, "-"}, {2, V}, {3, "-"}}},
        {"AlleEntfernen", 0, {}},
        {"Gruppe", 4, {{4, V}, {5, "-"}, {6, "-"}}},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(std::string(s.Aktion) + " " + std::to_string(s.EdvNr));
        const std::string a = s.Aktion;
        if (a == "Rolle" || a == "Entfernen") {
            const int r = ZeileVon(d->ReflyStringGrid, s.EdvNr);
            ASSERT_GT(r, 0);
            if (a == "Rolle") {
                d->ReflyStringGridClick(r, 1); // another column changes nothing
                d->ReflyStringGridClick(r, 0);
            } else {
                Waehlen(d->ReflyStringGrid, r);
                d->EntfernenButtonClick();
            }
        } else if (s.EdvNr != 0) {
            Waehlen(d->TeilnehmerStringGrid, ZeileVon(d->TeilnehmerStringGrid, s.EdvNr));
            if (a == "Teilnehmer") d->TeilnehmerButtonClick();
            if (a == "Verursacher") d->VerursacherButtonClick();
            if (a == "Gruppe") d->GruppeButtonClick();
        } else {
            d->AlleEntfernenButtonClick();
        }
        EXPECT_EQ(Zeilen(d->ReflyStringGrid, 0), s.Erwartet);
    }
    EXPECT_GE(d->ReflyStringGrid->rowCount(), 3);
    EXPECT_EQ(ListenZellText(d->ReflyStringGrid, 2, 4), "35,010");
    EXPECT_EQ(ListenZellText(d->ReflyStringGrid, 1, 4), "2,4GHz");

    w->modified = false;
    d->OkButtonClick();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(ReflyEintraege(w, 1), (std::vector<std::pair<int, bool>>{{4, true}, {5, false}, {6, false}}));
    EXPECT_TRUE(GetReflyInDurchgang(w, 1));
    // The reflight tab lists the three.
    int gezeigt = 0;
    for (int r = 0; r < f.Grid(TabRefly)->rowCount(); ++r)
        if (!QString::fromStdString(f.Grid(TabRefly)->Text(r, 4)).trimmed().isEmpty()) ++gezeigt;
    EXPECT_EQ(gezeigt, 3);

    // Reopened: the list is read from the round; a removed pilot loses his
    // reflight entry, the others keep their values.
    DatenWertungGetPtr(GetDurchgangPtr(w, 1), 6, 1)->WertungDurchg[1] = 77;
    f.FunctionReflyClick();
    Liste gelesen = Zeilen(d->ReflyStringGrid, 0);
    std::sort(gelesen.begin(), gelesen.end());
    EXPECT_EQ(gelesen, (Liste{{4, V}, {5, "-"}, {6, "-"}}));
    Waehlen(d->ReflyStringGrid, ZeileVon(d->ReflyStringGrid, 5));
    d->EntfernenButtonClick();
    d->OkButtonClick();
    EXPECT_EQ(ReflyEintraege(w, 1), (std::vector<std::pair<int, bool>>{{4, true}, {6, false}}));
    EXPECT_DOUBLE_EQ(DatenWertungGetPtr(GetDurchgangPtr(w, 1), 6, 1)->WertungDurchg[1], 77);

    // "A&bbruch" changes nothing.
    f.FunctionReflyClick();
    d->AlleEntfernenButtonClick();
    d->AbbruchButtonClick();
    EXPECT_EQ(ReflyEintraege(w, 1).size(), 2u);
}

TEST_F(DialogeTest, ZufaelligerTeilnehmerNurUngelistete) {
    TMainForm& f = MitDateiStarten();
    f.FunctionReflyClick();
    TReflyForm* d = f.ReflyForm();
    std::vector<int> gelistet;
    for (int i = 0; i < 40 && gelistet.size() < 6; ++i) {
        d->ZufallButtonClick();
        const Liste z = Zeilen(d->ReflyStringGrid, 0);
        ASSERT_LE(z.size(), gelistet.size() + 1);
        for (const auto& [edv, rolle] : z) {
            EXPECT_EQ(rolle, "-");
            if (std::find(gelistet.begin(), gelistet.end(), edv) == gelistet.end()) gelistet.push_back(edv);
        }
        ASSERT_EQ(z.size(), gelistet.size());
    }
    ASSERT_EQ(gelistet.size(), 6u);
    d->ZufallButtonClick();
    EXPECT_EQ(Zeilen(d->ReflyStringGrid, 0).size(), 6u);
}

// The dialog writes into the round it was opened for; when rounds were added
// or removed meanwhile it writes nothing and says so.
TEST_F(DialogeTest, ReflightBehaeltSeineRunde) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    f.FunctionReflyClick();
    TReflyForm* d = f.ReflyForm();
    EXPECT_EQ(d->AktDurchgangNr(), 1);
    f.SetDurchgangNr(2);
    Waehlen(d->TeilnehmerStringGrid, ZeileVon(d->TeilnehmerStringGrid, 2));
    d->VerursacherButtonClick();
    d->OkButtonClick();
    EXPECT_EQ(ReflyEintraege(w, 1), (std::vector<std::pair<int, bool>>{{2, true}}));
    EXPECT_TRUE(ReflyEintraege(w, 2).empty());

    f.FunctionReflyClick();
    EXPECT_EQ(d->AktDurchgangNr(), 2);
    Waehlen(d->TeilnehmerStringGrid, ZeileVon(d->TeilnehmerStringGrid, 3));
    d->TeilnehmerButtonClick();
    f.DurchgangHinzufuegenEntfernenClick(TMainForm::DurchgangBefehlVorrundeHinzu);
    meldungen.clear();
    d->OkButtonClick();
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(ReflyEintraege(w, 2).empty());
    EXPECT_EQ(ReflyEintraege(w, 1).size(), 1u);
}

TEST_F(DialogeTest, StrafpunkteVergeben) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    f.FktStrafpunkteClick();
    TStrafpunkteForm* d = f.StrafpunkteForm();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->pos(), f.geometry().topLeft() + QPoint(150, 100));
    QTableWidget* g = d->TeilnehmerStringGrid;
    EXPECT_EQ(g->horizontalHeaderItem(4)->text().toStdString(), "Strafpunkte");
    // only the rows of participants can be typed into
    EXPECT_TRUE(g->item(0, 4)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(g->item(3, 4) && (g->item(3, 4)->flags() & Qt::ItemIsEditable));

    struct Fall {
        int EdvNr;
        const char* Text;
        int Strafpunkte;
    };
    const std::vector<Fall> faelle = {{1, "12", 12}, {2, "-", 0}, {3, " 3 ", 3},
                                      {4, "", 0},    {5, "-7", -7}, {6, "0", 0}};
    for (const Fall& c : faelle) g->item(ZeileVon(g, c.EdvNr) - 1, 4)->setText(c.Text);
    w->modified = false;
    // A text that is not a whole number keeps the dialog open with its message
    // and stores nothing (before, "abc" was stored as 0 points).
    g->item(ZeileVon(g, 2) - 1, 4)->setText("abc");
    d->OkButtonClick();
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(w->modified);
    EXPECT_NE(d->MeldungLabel->text().indexOf(QString::fromUtf8("„abc“")), -1);
    EXPECT_EQ(GetWertungPtr(w, GetDurchgangPtr(w, 1), 1)->Strafpunkte, 0);
    g->item(ZeileVon(g, 2) - 1, 4)->setText("-");
    d->OkButtonClick();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(w->modified);
    DurchgangTyp* r1 = GetDurchgangPtr(w, 1);
    for (const Fall& c : faelle) EXPECT_EQ(GetWertungPtr(w, r1, c.EdvNr)->Strafpunkte, c.Strafpunkte) << c.EdvNr;
    EXPECT_TRUE(GetStrafpunkteInDurchgang(w, 1));
    EXPECT_EQ(f.Grid(TabWertung)->KopfText(4), "Strafe");

    // Shown again; all set to 0 drops the "Strafe" column.
    f.FktStrafpunkteClick();
    EXPECT_EQ(ListenZellText(g, ZeileVon(g, 1), 4), "12");
    for (int r = 1; r <= g->rowCount(); ++r)
        if (ListenEdvNr(g, r) != 0) g->item(r - 1, 4)->setText("0");
    d->OkButtonClick();
    EXPECT_FALSE(GetStrafpunkteInDurchgang(w, 1));
    EXPECT_NE(f.Grid(TabWertung)->KopfText(4), "Strafe");
}

// A removed participant keeps his start number; closing up gives it to a live
// pilot. The penalty typed in that pilot's row reaches him.
TEST_F(DialogeTest, StrafpunkteErreichenDenPilotenNachEntfernenUndAufruecken) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    TeilnehmerTyp* weg = w->TeilnehmerRootPtr; // first in list order: a start-number search meets him first
    const int alteStartNr = weg->StartNr;
    const int alteEdvNr = weg->EdvNr;
    weg->Name = {};
    weg->EdvNr = 0;
    StartnummerAufruecken(w);
    f.WettbewerbNeuBerechnen();
    TeilnehmerTyp* erbe = nullptr;
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next)
        if (t != weg && t->StartNr == alteStartNr) erbe = t;
    ASSERT_NE(erbe, nullptr) << "closing up hands the number on";

    f.FktStrafpunkteClick();
    QTableWidget* g = f.StrafpunkteForm()->TeilnehmerStringGrid;
    EXPECT_EQ(Zeilen(g, 2).size(), 5u);
    EXPECT_EQ(ZeileVon(g, alteEdvNr), 0);
    g->item(ZeileVon(g, erbe->EdvNr) - 1, 4)->setText("8");
    f.StrafpunkteForm()->OkButtonClick();
    DurchgangTyp* r1 = GetDurchgangPtr(w, 1);
    EXPECT_EQ(GetWertungPtr(w, r1, erbe->EdvNr)->Strafpunkte, 8);
    if (const WertungTyp* niemand = DatenWertungGetPtr(r1, 0, 0)) {
        EXPECT_EQ(niemand->Strafpunkte, 0);
    }
    EXPECT_LT(erbe->Punkte, 0.0); // the total lost the penalty
}

TEST_F(DialogeTest, TeamwertungUndTeamergebnisReiter) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_EQ(f.Reiter()->count(), 6);
    struct Schritt {
        int Modus;
        bool Geaendert;
        int Reiter;
    };
    const std::vector<Schritt> schritte = {{TeamwertungBesteZwei, true, 7}, {TeamwertungBesteZwei, false, 7},
                                           {TeamwertungMittelwertBesteDrei, true, 7}, {TeamwertungKeine, true, 6},
                                           {TeamwertungKeine, false, 6},           {TeamwertungErsteZwei, true, 7}};
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.Modus);
        f.TeamwertungFktClick();
        TTeamwertungForm* d = f.TeamwertungForm();
        ASSERT_TRUE(d->isVisible());
        EXPECT_EQ(d->GewaehlterModus(), TeamwertungAuswahl(w));
        d->ModusButton[static_cast<std::size_t>(s.Modus)]->setChecked(true);
        w->modified = false;
        d->OkButtonClick();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(w->TeamwertungStatus, s.Modus);
        EXPECT_EQ(w->modified, s.Geaendert);
        EXPECT_EQ(f.Reiter()->count(), s.Reiter);
    }
    // The team of pilots 1 and 3 scores the sum of its first two members.
    const MannschaftTyp* m = w->MannschaftRootPtr;
    EXPECT_DOUBLE_EQ(m->Punkte, GetTeilnehmerEdvNr(w, 1)->Punkte + GetTeilnehmerEdvNr(w, 3)->Punkte);
    EXPECT_EQ(f.TeamwertungForm()->TeamwertungErsteZweiRadioButton->text().toStdString(),
              "Promillepunkte aus den Vorrunden der ersten  zwei Teammitgliedern in der Teamliste");
    f.TeamwertungFktClick();
    f.TeamwertungForm()->TeamwertungKeineRadioButton->setChecked(true);
    f.TeamwertungForm()->AbbruchButtonClick();
    EXPECT_EQ(w->TeamwertungStatus, TeamwertungErsteZwei);
}

TEST_F(DialogeTest, KanalstatistikZeigtZaehltUndMerktSichDenPlatz) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    f.FunctionKanalstatistikClick();
    TKanalStatForm* k = f.KanalStatForm();
    ASSERT_TRUE(k->isVisible());
    EXPECT_EQ(w->KanWinAktiv, 1);
    EXPECT_EQ(k->geometry(), QRect(100, 100, 440, 280)); // nothing stored yet

    const KanalStatistikModell& m = k->Modell();
    EXPECT_EQ(m.Maximum, 2);
    const auto& a = m.Baender[KanalBandA].Slots;
    ASSERT_EQ(a.size(), 20u);
    EXPECT_EQ(a[0].Label, "61");
    EXPECT_EQ(a[0].Anzahl, 2);
    EXPECT_EQ(a[0].Farbe, KanalFarbeRot);
    EXPECT_EQ(a[1].Anzahl, 1);
    EXPECT_EQ(a[1].Farbe, KanalFarbeGruen);
    EXPECT_EQ(m.Baender[KanalBandB].Slots.size(), 10u);
    ASSERT_EQ(m.Baender[KanalBandSonder].Slots.size(), 1u); // 2.4 GHz appears in no band
    EXPECT_EQ(m.Baender[KanalBandSonder].Slots[0].Label, "35,010");
    // the B band draws no wider bars than the A band above it
    EXPECT_LE(k->BalkenBreite(KanalBandB), k->BalkenBreite(KanalBandA));
    EXPECT_LE(k->BalkenBreite(KanalBandSonder), k->BalkenBreite(KanalBandB));

    // Painting only draws: a channel changed behind its back shows once refreshed.
    w->modified = false;
    w->CalcWertung = false;
    GetTeilnehmerEdvNr(w, 5)->Kanal[1] = "63";
    k->Panel(KanalBandSonder)->grab();
    k->Panel(KanalBandA)->grab();
    EXPECT_EQ(k->Modell().Baender[KanalBandSonder].Slots.size(), 1u);
    EXPECT_FALSE(w->CalcWertung);
    EXPECT_FALSE(w->modified);
    k->Aktualisieren();
    EXPECT_TRUE(k->Modell().Baender[KanalBandSonder].Slots.empty());
    EXPECT_EQ(k->Modell().Baender[KanalBandA].Slots[2].Anzahl, 1);

    // The timer keeps the place without marking the competition modified.
    k->setGeometry(200, 150, 520, 330);
    k->GeometrieTimerTimer();
    EXPECT_EQ(w->KanWinPosLeft, k->geometry().left());
    EXPECT_EQ(w->KanWinPosTop, k->geometry().top());
    EXPECT_EQ(w->KanWinPosWidth, 520);
    EXPECT_EQ(w->KanWinPosHeight, 330);
    EXPECT_FALSE(w->modified);

    // Moving a splitter keeps the proportions.
    QSplitter* s = k->HorizontalerTeiler();
    const int gesamt = s->sizes()[0] + s->sizes()[1];
    s->setSizes({gesamt - gesamt / 4, gesamt / 4});
    emit s->splitterMoved(gesamt - gesamt / 4, 1);
    const QList<int> neu = s->sizes();
    EXPECT_EQ(w->KanHorWinPosTeiler, (neu[1] * 100 - 50) / (neu[0] + neu[1]));

    k->OkButtonClick();
    EXPECT_FALSE(k->isVisible());
    EXPECT_EQ(w->KanWinAktiv, 0);

    // Shown again at the stored place.
    f.FunctionKanalstatistikClick();
    EXPECT_EQ(k->geometry(), QRect(w->KanWinPosLeft, w->KanWinPosTop, 520, 330));
}

// A competition saved with the statistics open opens them again once loaded.
TEST_F(DialogeTest, KanalstatistikOeffnetSichMitDemWettbewerb) {
    Einstellung e;
    e.KanWinAktiv = 1;
    TMainForm& f = MitDateiStarten(e);
    // the main window's 500 ms timer opens them
    ASSERT_TRUE(QTest::qWaitFor([&f] { return f.KanalStatForm() && f.KanalStatForm()->isVisible(); }, 5000));
    EXPECT_EQ(f.KanalStatForm()->Wettbewerb(), f.GetAktWettPtr());
    EXPECT_EQ(f.GetAktWettPtr()->KanWinAktiv, 1);
}

TEST_F(DialogeTest, DurchgangHinzufuegenUndEntfernen) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    using M = TMainForm;
    struct Schritt {
        int Befehl;
        int Vorrunden, Senioren, Durchgaenge;
    };
    const std::vector<Schritt> schritte = {
        {M::DurchgangBefehlVorrundeHinzu, 3, 1, 5},  {M::DurchgangBefehlSenFlyOffHinzu, 3, 2, 6},
        {M::DurchgangBefehlJugFlyOffHinzu, 3, 2, 7}, {M::DurchgangBefehlJugFlyOffWeg, 3, 2, 6},
        {M::DurchgangBefehlSenFlyOffWeg, 3, 1, 5},   {M::DurchgangBefehlVorrundeWeg, 2, 1, 4},
        {M::DurchgangBefehlJugFlyOffWeg, 2, 1, 3},   {M::DurchgangBefehlJugFlyOffWeg, 2, 1, 3},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(s.Befehl);
        f.DurchgangBefehlAction(s.Befehl)->trigger();
        EXPECT_EQ(w->AnzVorrunden, s.Vorrunden);
        EXPECT_EQ(w->AnzSeniorenFlyOff, s.Senioren);
        EXPECT_EQ(w->AnzDurchgaenge, s.Durchgaenge);
        for (int n = 1; n <= MaxAnzeigeDurchgaenge; ++n)
            EXPECT_EQ(f.DurchgangAction(n)->isVisible(), n <= s.Durchgaenge) << n;
    }
    EXPECT_EQ(f.DurchgangAction(3)->text().toStdString(), GetDurchgangBezeichner(w, 3, true, false));

    // Removing the current round makes the one before current.
    f.SetDurchgangNr(2);
    f.DurchgangHinzufuegenEntfernenClick(M::DurchgangBefehlVorrundeWeg);
    EXPECT_EQ(w->AnzVorrunden, 1);
    EXPECT_EQ(w->DurchgangNr, 1);
    EXPECT_TRUE(f.DurchgangAction(1)->isChecked());
}

// When every preliminary round was flown and results exist, the progress
// warning asks before a round is removed.
TEST_F(DialogeTest, GeflogeneRundeEntfernenFragtDieWarnung) {
    TMainForm& f = MitDateiStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    for (int n = 1; n <= 2; ++n) GetDurchgangPtr(w, n)->DurchgangGeflogen = true;
    w->Status = StatusErgebnisse;
    w->Warnstufe = 0;
    f.DurchgangHinzufuegenEntfernenClick(TMainForm::DurchgangBefehlVorrundeWeg);
    TWarnStartNrForm* warn = f.WarnStartNrForm();
    EXPECT_TRUE(warn->isVisible());
    EXPECT_EQ(WarnStartNr().CalledBy, WarnAufrufDurchgangEntfernen);
    EXPECT_EQ(WarnStartNr().CurProgState, StatusErgebnisse);
    ASSERT_NE(EntferneDurchgangPtr, nullptr);
    EXPECT_EQ(EntferneDurchgangPtr->Nr, 2);
    EXPECT_EQ(w->AnzVorrunden, 2);
    warn->AbbruchButtonClick();
    EXPECT_EQ(w->AnzVorrunden, 2);
    EXPECT_EQ(w->AnzDurchgaenge, 4);

    // Asked again and confirmed: the last preliminary round goes, the current round follows.
    f.SetDurchgangNr(2);
    f.DurchgangHinzufuegenEntfernenClick(TMainForm::DurchgangBefehlVorrundeWeg);
    ASSERT_TRUE(warn->isVisible());
    warn->OkButtonClick();
    EXPECT_FALSE(warn->isVisible());
    EXPECT_EQ(w->AnzVorrunden, 1);
    EXPECT_EQ(w->AnzDurchgaenge, 3);
    EXPECT_EQ(w->DurchgangNr, 1);
    EXPECT_TRUE(f.DurchgangAction(1)->isChecked());
    EXPECT_FALSE(f.DurchgangAction(4)->isVisible());
    EXPECT_EQ(EntferneDurchgangPtr, nullptr);
}

// The windows bound to a competition hide and let go of it when another file
// is opened; their buttons then touch nothing.
TEST_F(DialogeTest, AndereDateiOeffnenSchliesstDieFenster) {
    TMainForm& f = MitDateiStarten();
    const std::string zweite = Pfad("zweiter.wtb");
    WettbewerbSchreiben(zweite, "Zweiter Wettbewerb");
    f.FunctionReflyClick();
    f.FktStrafpunkteClick();
    f.FunctionKanalstatistikClick();
    f.TeamwertungFktClick();
    Waehlen(f.ReflyForm()->TeilnehmerStringGrid, 1);
    f.ReflyForm()->TeilnehmerButtonClick();
    f.GetAktWettPtr()->modified = false;

    dateiAntworten.push_back({true, zweite, 1});
    f.FunctionOeffnenClick();
    ASSERT_EQ(f.GetAktWettPtr()->Name, "Zweiter Wettbewerb");
    for (QWidget* fenster : std::initializer_list<QWidget*>{f.ReflyForm(), f.StrafpunkteForm(), f.KanalStatForm(),
                                                            f.TeamwertungForm()})
        EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(f.ReflyForm()->WettbewerbPtr(), nullptr);
    EXPECT_EQ(f.StrafpunkteForm()->WettbewerbPtr(), nullptr);
    EXPECT_EQ(f.KanalStatForm()->Wettbewerb(), nullptr);
    EXPECT_EQ(f.TeamwertungForm()->WettbewerbPtr(), nullptr);

    f.ReflyForm()->OkButtonClick();
    f.StrafpunkteForm()->OkButtonClick();
    f.TeamwertungForm()->OkButtonClick();
    f.KanalStatForm()->GeometrieTimerTimer();
    f.KanalStatForm()->Aktualisieren();
    EXPECT_TRUE(ReflyEintraege(f.GetAktWettPtr(), 1).empty());
    EXPECT_FALSE(f.GetAktWettPtr()->modified);
    QTest::qWait(50);
}

} // namespace
} // namespace tavuran::test

namespace tavuran::test {
namespace {

// Every dialog opens within the screen, buttons included (before, the
// reflight dialog opened wider than a 1366 px screen, "Abbruch" off-screen).
// The offscreen screen is smaller than 1280 x 720, so what fits here fits there.
TEST_F(DialogeTest, JederDialogPasstAufDenBildschirm) {
    Einstellung e;
    TMainForm& f = MitDateiStarten(e);
    // long names and clubs make the lists wide
    for (TeilnehmerTyp* t = f.GetAktWettPtr()->TeilnehmerRootPtr; t; t = t->next) {
        t->Name.NachnameStr += " von und zu Hohenstein-Ernstthal";
        t->Verein = "Modellflugsportgemeinschaft Oberes Donautal und Umgebung e. V.";
    }
    f.ReinitAndRedraw();
    const std::vector<std::pair<const char*, std::function<void()>>> befehle = {
        {"Flugwiederholung", [&] { f.FunctionReflyClick(); }},
        {"Strafpunkte", [&] { f.FktStrafpunkteClick(); }},
        {"Teamwertung", [&] { f.TeamwertungFktClick(); }},
        {"Kanalstatistik", [&] { f.FunctionKanalstatistikClick(); }},
        {"Parameter", [&] { f.FunctionParameterClick(); }},
        {"Stammdaten", [&] { f.StammdatenClick(); }},
        {"Startnummern auslassen", [&] { f.FktEExStartNrClick(); }},
        {"Parallele Sicherung", [&] { f.SaveParallelFktClick(); }},
        {"Meldungsliste drucken", [&] { f.FunctionMeldungslisteClick(); }},
    };
    for (const auto& [name, befehl] : befehle) {
        SCOPED_TRACE(name);
        befehl();
        QApplication::processEvents();
        int offen = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || w == &f || !qobject_cast<QDialog*>(w)) continue;
            ++offen;
            const QRect platz = w->screen()->availableGeometry();
            EXPECT_TRUE(platz.contains(w->frameGeometry())) << w->metaObject()->className() << " "
                                                            << w->frameGeometry().width() << "x"
                                                            << w->frameGeometry().height() << " auf "
                                                            << platz.width() << "x" << platz.height();
            w->hide();
        }
        EXPECT_GT(offen, 0);
    }
}

} // namespace
} // namespace tavuran::test
