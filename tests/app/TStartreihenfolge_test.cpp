// The draw in the window, driven offscreen: the dialog "Teilnehmer in
// Startgruppen verteilen" with its figures and hints, a whole run from the
// start button with the write-back, the result matrix and report, the notice
// of a missing start order, the start numbers to leave out and their closing
// up, and the continuations of the progress warning.
#include <chrono>
#include <ctime>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "app/TStartNrForm.h"
#include "app/TStartReihenfolgeNichtErmitteltForm.h"
#include "app/TStartreihenfolgeBewertungForm.h"
#include "app/TStartreihenfolgeCoreForm.h"
#include "app/TStartreihenfolgeErgebnisReportForm.h"
#include "app/TStartreihenfolgeUserInterfaceForm.h"
#include "app/TWarnStartNrForm.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_REGIST.h"
#include "evaluation/Durchgaenge.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"
#include "startorder/Startnummern.h"
#include "startorder/StartreihenfolgeCore.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "startorder/StartreihenfolgeTeamgruppe.h"
#include "startorder/WarnStartNr.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {


// How a test competition is made: n participants over r preliminary rounds,
// optionally divided into groups of g in every round, and a hook to add helpers.
struct Aufbau {
    int Teilnehmer = 30;
    int Vorrunden = 3;
    int GruppenGroesse = 8;
    bool Eingeteilt = false;
    std::function<void(WettbewerbTyp*)> Zusatz;
};

std::string Nachname(int i) { return "Pilot" + std::to_string(1000 + i); }

void WettbewerbSchreiben(const std::string& Datei, const Aufbau& a) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Auslosung am Hang";
    w->Datum = {14, 6, 2025};
    DatenRegelLoad(w->RegelPtr, "F3J (B-Mod 2025)", &w->Datum);
    w->AnzVorrunden = a.Vorrunden;
    w->AnzDurchgaenge = a.Vorrunden;
    w->AnzSeniorenFlyOff = 0;
    w->AnzTeilnGruppe = a.GruppenGroesse;
    w->Gruppenstart = true;
    const int gruppen = a.GruppenGroesse > 0 ? (a.Teilnehmer + a.GruppenGroesse - 1) / a.GruppenGroesse : 1;
    for (int i = 1; i <= a.Teilnehmer; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        t->Name.VornameStr = "Vor" + std::to_string(i);
        t->Name.NachnameStr = Nachname(i);
        t->MeldgNr = i;
        t->StartNr = i;
        t->Kanal[1] = "2G4";
        for (int r = 1; r <= a.Vorrunden; ++r) {
            t->Gruppe[r] = a.Eingeteilt ? (i - 1) % gruppen + 1 : 0;
            t->Startplatz[r] = a.Eingeteilt ? (i - 1) / gruppen + 1 : 0;
        }
    }
    if (a.Eingeteilt)
        for (int r = 1; r <= a.Vorrunden; ++r) DatenDurchgangGetPtr(w->DurchgangRootPtr, r);
    if (a.Zusatz) a.Zusatz(w);
    SortAll(w);
    DateiSpeicherErgebnis e = DatenWettbewerbSave(w, Datei, 3, false);
    DatenWettbewerbDispose(w);
    ASSERT_TRUE(e.Ok) << e.Grund;
}

// Pilot i names participant j as his helper k.
void HelferEintragen(WettbewerbTyp* w, int i, int k, int j) {
    TeilnehmerTyp* t = GetTeilnehmerEdvNr(w, i);
    t->Helfer[k].VornameStr = "Vor" + std::to_string(j);
    t->Helfer[k].NachnameStr = Nachname(j);
}

std::vector<std::string> Zeilen(QListWidget* l) {
    std::vector<std::string> z;
    for (int i = 0; i < l->count(); ++i) z.push_back(l->item(i)->text().toStdString());
    return z;
}

bool Enthaelt(const std::vector<std::string>& v, const std::string& s) {
    for (const auto& z : v)
        if (z == s) return true;
    return false;
}

class AuslosungTest : public FensterTest {
  protected:
    void TearDown() override {
        StartreihenfolgeZufallUhr();
        FensterTest::TearDown();
    }

    TMainForm& MitWettbewerb(const Aufbau& a, const std::string& name = "auslosung.wtb") {
        Datei = Pfad(name);
        WettbewerbSchreiben(Datei, a);
        TMainForm& f = Fenster({QString::fromStdString(Datei)});
        Starten(f);
        return f;
    }

    // Lets the run's timer work until the draw is done (or the limit is reached).
    bool LaufAbwarten(TMainForm& f, int Sekunden = 600) {
        QElapsedTimer uhr;
        uhr.start();
        while (f.StartreihenfolgeLaeuft() && uhr.elapsed() < Sekunden * 1000) QTest::qWait(5);
        QApplication::processEvents();
        return !f.StartreihenfolgeLaeuft();
    }

    std::string Datei;
};

// ------------------------------------------------------------- the dialog

struct DialogFall {
    const char* Name;
    int Runde;                                             // current round when the dialog opens
    std::function<void(TStartreihenfolgeUserInterfaceForm&)> Aktion;
    int GruppenGroesse;
    int AnzahlGruppen;
    std::int64_t Maske;
    const char* Hinweis; // a line the hints must hold ("" for none at all)
};

TEST_F(AuslosungTest, DialogZeigtZahlenUndHinweise) {
    const DialogFall faelle[] = {
        {"Runde 1: alle, 30 zu 8", 1, [](auto&) {}, 8, 4, 0b111,
         "werden! Das heißt, es werden mindestens 14 Teilnehmer pro Durchgang mehrfach gegen jeweils"},
        {"Gruppengröße 9", 1,
         [](auto& d) {
             d.GruppenGroesseEdit->setText("9");
             d.GruppenGroesseEditChange();
         },
         9, 4, 0b111, "Die Gruppeneinteilung wird anstatt der geforderten 9 Teilnehmer mit 8 Teilnehmern pro Gruppe"},
        {"zu groß wird begrenzt", 1,
         [](auto& d) {
             d.GruppenGroesseEdit->setText("99");
             d.GruppenGroesseEditChange();
         },
         15, 2, 0b111, ""},
        {"ausgewählte Runde 2", 1,
         [](auto& d) {
             d.AusgewaehlteDurchgaengeRadioButton->setChecked(true);
             d.DurchgangCheckBox[1]->click();
             d.DurchgangCheckBox[3]->click();
         },
         8, 4, 0b010, "Es soll nur für einen Teil der Durchgänge Gruppen und Startplätze neu ausgezählt werden."},
        {"Runde 3: nur aktueller", 3, [](auto&) {}, 8, 4, 0b100,
         "Es soll nur für einen Teil der Durchgänge Gruppen und Startplätze neu ausgezählt werden."},
        {"Helfer dreier Piloten", 1,
         [](auto& d) {
             d.TeamschutzAlleRadioButton->setChecked(true);
             d.HelferRadioButton->setChecked(true);
         },
         8, 4, 0b111, "Teamschutzanforderungen eingeschränkt."},
    };
    Aufbau a;
    a.Zusatz = [](WettbewerbTyp* w) {
        for (int p : {1, 2, 3}) HelferEintragen(w, p, 1, 30);
    };
    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    TStartreihenfolgeUserInterfaceForm& d = *f.AuslosungsDialog();
    ASSERT_TRUE(f.GruppeneinteilungAction()->isEnabled());
    for (const DialogFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        d.NoTeamschutzRadioButton->setChecked(true);
        d.TeamschutzJugendRadioButton->setChecked(true);
        f.SetDurchgangNr(fall.Runde);
        f.FktGruppeneinteilungClick();
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(d.AnzahlTeilnehmerLabel->text().toStdString(), ":   30");
        fall.Aktion(d);
        EXPECT_EQ(d.GruppenGroesse, fall.GruppenGroesse);
        EXPECT_EQ(d.AnzahlGruppen, fall.AnzahlGruppen);
        EXPECT_EQ(d.AnzahlGruppenLabel->text().toStdString(), DialogZahlText(fall.AnzahlGruppen));
        EXPECT_EQ(d.DurchgangMaske(), fall.Maske);
        const auto hinweise = Zeilen(d.HinweisListe);
        if (*fall.Hinweis)
            EXPECT_TRUE(Enthaelt(hinweise, fall.Hinweis)) << hinweise.size() << " Hinweise";
        d.AbbruchButton->click();
        EXPECT_FALSE(d.isVisible());
    }
    // Three pilots name one helper: at least three groups, and the plan lists them.
    d.HelferRadioButton->setChecked(true);
    d.TeamschutzAlleRadioButton->setChecked(true);
    f.FktGruppeneinteilungClick();
    EXPECT_EQ(d.MinAnzahlGruppen, 3);
    EXPECT_EQ(d.MaxGroesseLabel->text().toStdString(), ":   10");
    ASSERT_EQ(d.TeamschutzGrid->rowCount(), 3);
    EXPECT_EQ(d.TeamschutzGrid->horizontalHeaderItem(1)->text().toStdString(), "1. Helfer");
    EXPECT_EQ(d.TeamschutzGrid->item(0, 1)->text().toStdString(), Nachname(30) + " Vor30");
    // Without "Gruppen einteilen" the group figures and the matrix go.
    d.GruppenCheckBox->setChecked(false);
    d.GruppenCheckBoxClick();
    EXPECT_FALSE(w->Gruppenstart);
    EXPECT_FALSE(d.ErgebnisCheckBox->isChecked());
    EXPECT_FALSE(d.ErgebnismatrixButton->isEnabled());
    EXPECT_TRUE(d.GruppenGroesseEdit->isHidden());
}

// ------------------------------------------------------------------ the run

// 120 pilots over 10 rounds drawn from the dialog: every pilot gets a group in
// every round, the groups are balanced, start numbers follow round 1, and the
// result matrix opens.
TEST_F(AuslosungTest, LaufAusDemDialog120Mal10) {
    Aufbau a;
    a.Teilnehmer = 120;
    a.Vorrunden = 10;
    a.GruppenGroesse = 10;
    // The same draw without a window, as the command line runs it.
    const std::string ohneFenster = Pfad("ohne.wtb");
    WettbewerbSchreiben(ohneFenster, a);
    WettbewerbTyp* bezug = nullptr;
    DatenWettbewerbLoad(bezug, ohneFenster, nullptr);
    ASSERT_NE(bezug, nullptr);
    // Processor time: the machine may be shared, and waiting for it is not the window's doing.
    const auto cpuMs = [] { return static_cast<long long>(std::clock()) * 1000 / CLOCKS_PER_SEC; };
    QElapsedTimer uhr;
    uhr.start();
    long long cpu = cpuMs();
    AuslosungsAuftrag auftrag;
    auftrag.TeamschutzHelfer = auftrag.TeamschutzMannschaft = true;
    StartreihenfolgeAuslosen(bezug, auftrag);
    const qint64 msOhneFenster = uhr.elapsed();
    const long long cpuOhneFenster = cpuMs() - cpu;
    StartreihenfolgeFreigeben();
    DatenWettbewerbDispose(bezug);

    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    TStartreihenfolgeUserInterfaceForm& d = *f.AuslosungsDialog();
    f.FktGruppeneinteilungClick();
    ASSERT_TRUE(d.AlleDurchgaengeRadioButton->isChecked());
    EXPECT_EQ(d.AnzahlGruppen, 12);
    d.VerlaufCheckBox->setChecked(true);
    EXPECT_TRUE(d.NachbessernCheckBox->isChecked()); // "Auslosung nachbessern" is on by default
    uhr.restart();
    cpu = cpuMs();
    d.StartButton->click();
    EXPECT_FALSE(d.isVisible());
    ASSERT_TRUE(f.StartreihenfolgeLaeuft());
    // While it runs the lists and the menu wait and the status bar shows the progress.
    EXPECT_FALSE(f.menuBar()->isEnabled());
    QTest::qWait(20);
    f.SortierHandleTimerTimer();
    EXPECT_TRUE(f.findChild<QProgressBar*>()->isVisible());
    EXPECT_NE(f.StatusPanel(4)->text().toStdString().find(" %"), std::string::npos);
    ASSERT_TRUE(LaufAbwarten(f));
    const qint64 msDialog = uhr.elapsed();
    const long long cpuDialog = cpuMs() - cpu;
    std::printf("Auslosung 120 x 10: ohne Fenster %lld ms (Prozessor %lld ms), aus dem Dialog %lld ms (Prozessor %lld ms)\n",
                static_cast<long long>(msOhneFenster), cpuOhneFenster, static_cast<long long>(msDialog), cpuDialog);
    // The window paces the run by the engine's speed, not by a slow timer.
    EXPECT_LT(cpuDialog, 2 * cpuOhneFenster + 2000);
    EXPECT_TRUE(f.menuBar()->isEnabled());
    EXPECT_TRUE(f.ErgebnismatrixForm()->isVisible());
    EXPECT_TRUE(f.ProtokollForm()->isVisible());
    EXPECT_TRUE(Enthaelt(Zeilen(f.ProtokollForm()->SortLogList), "Auszählung Runde 50:"));
    EXPECT_TRUE(GetSortierLauf().Nachgebessert);
    EXPECT_LE(GetSortierLauf().ScoreNachNachbesserung, GetSortierLauf().ScoreVorNachbesserung);
    EXPECT_EQ(f.ErgebnismatrixForm()->BewertungStringGrid->model()->rowCount(), 120);

    std::set<int> startnummern;
    for (int r = 1; r <= 10; ++r) {
        SCOPED_TRACE(r);
        std::vector<int> groesse(13, 0);
        for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) {
            ASSERT_GE(t->Gruppe[r], 1);
            ASSERT_LE(t->Gruppe[r], 12);
            ++groesse[static_cast<std::size_t>(t->Gruppe[r])];
            if (r == 1) startnummern.insert(t->StartNr);
        }
        for (int g = 1; g <= 12; ++g) EXPECT_EQ(groesse[static_cast<std::size_t>(g)], 10);
    }
    EXPECT_EQ(startnummern.size(), 120u);
    EXPECT_EQ(*startnummern.begin(), 1);
    EXPECT_EQ(*startnummern.rbegin(), 120);
    EXPECT_TRUE(GetDurchgangStartreihenfolgeEingeteilt(w));
    EXPECT_TRUE(w->modified);

    // The report of the division written back.
    f.AuslosungsDialog()->ErgebnisreportButton->click();
    TStartreihenfolgeErgebnisReportForm& rep = *f.ErgebnisreportForm();
    EXPECT_TRUE(rep.isVisible());
    EXPECT_TRUE(Enthaelt(Zeilen(rep.ReportList), "Die Durchgangsverteilung ist vollständig und korrekt."));
    rep.ClearButton->click();
    EXPECT_EQ(rep.ReportList->count(), 0);
}

// A running draw keeps its competition: closing or replacing it is refused
// with a message; once the draw is done, another file replaces it and every
// window bound to the old one lets go.
TEST_F(AuslosungTest, LaufendeAuslosungHaeltDenWettbewerb) {
    Aufbau a;
    a.Teilnehmer = 40;
    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    f.FktGruppeneinteilungClick();
    f.AuslosungsDialog()->StartButton->click();
    ASSERT_TRUE(f.StartreihenfolgeLaeuft());
    meldungen.clear();
    EXPECT_FALSE(f.WettbewerbAufraeumen());
    EXPECT_EQ(f.GetAktWettPtr(), w);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("Startreihenfolge wird gerade ausgezählt"), std::string::npos);
    ASSERT_TRUE(LaufAbwarten(f));
    ASSERT_TRUE(f.ErgebnismatrixForm()->isVisible());

    // Another competition: saved, then every draw window hides and forgets the old one.
    f.AuslosungsDialog()->ErgebnisreportButton->click();
    Aufbau b;
    b.Teilnehmer = 5;
    const std::string zweite = Pfad("zweite.wtb");
    WettbewerbSchreiben(zweite, b);
    w->modified = false;
    dateiAntworten.push_back({true, zweite, 1});
    f.FunctionOeffnenClick();
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    EXPECT_EQ(GetAnzTeilnehmer(f.GetAktWettPtr()->TeilnehmerRootPtr), 5);
    EXPECT_FALSE(f.ErgebnismatrixForm()->isVisible());
    EXPECT_FALSE(f.ErgebnisreportForm()->isVisible());
    EXPECT_EQ(f.AuslosungsDialog()->Wettbewerb(), nullptr);
    EXPECT_EQ(GetSortRootPtr(), nullptr);
    EXPECT_EQ(GetStartreihenfolgeWettPtr(), nullptr);
    // The old division is gone: "Gefällt mir nicht" of a hidden matrix does nothing.
    f.ErgebnismatrixForm()->NeuSortButtonClick();
    EXPECT_FALSE(f.AuslosungsDialog()->isVisible());
}

// The program ends while a draw runs: the run and its working copy go with
// the competition, and nothing is left that points into it.
TEST_F(AuslosungTest, FensterEndetWaehrendDerAuslosung) {
    Aufbau a;
    a.Teilnehmer = 40;
    TMainForm& f = MitWettbewerb(a);
    f.FktGruppeneinteilungClick();
    f.AuslosungsDialog()->StartButton->click();
    QTest::qWait(5);
    ASSERT_TRUE(f.StartreihenfolgeLaeuft());
    fenster.reset();
    EXPECT_EQ(GetSortierState(), SortStateIdle);
    EXPECT_EQ(GetSortRootPtr(), nullptr);
    EXPECT_EQ(GetStartreihenfolgeWettPtr(), nullptr);
    EXPECT_EQ(GetTeamGroupRootPtr(), nullptr);
    QTest::qWait(20);
}

// ------------------------------------------------------------ the matrix

TEST_F(AuslosungTest, ErgebnismatrixZeigtSchutzKanalUndTreffen) {
    Aufbau a;
    a.Teilnehmer = 3;
    a.GruppenGroesse = 2;
    a.Vorrunden = 2;
    a.Eingeteilt = true;
    a.Zusatz = [](WettbewerbTyp* w) {
        HelferEintragen(w, 1, 1, 3); // pilot 1 names participant 3; both in group 1 of both rounds
        GetTeilnehmerEdvNr(w, 1)->Jugendlich = true;
    };
    TMainForm& f = MitWettbewerb(a);
    TStartreihenfolgeUserInterfaceForm& d = *f.AuslosungsDialog();
    d.HelferRadioButton->setChecked(true);
    f.FktGruppeneinteilungClick();
    d.ErgebnismatrixButton->click();
    TStartreihenfolgeBewertungForm& m = *f.ErgebnismatrixForm();
    ASSERT_TRUE(m.isVisible());
    QTableView* g = m.BewertungStringGrid;
    QAbstractItemModel* mod = g->model();
    // At least 5 rows and columns with the headers; names in alphabetical order.
    ASSERT_EQ(mod->rowCount(), 4);
    ASSERT_EQ(mod->columnCount(), 4);
    EXPECT_EQ(mod->headerData(0, Qt::Vertical).toString().toStdString(), Nachname(1) + " Vor1");
    EXPECT_EQ(mod->headerData(2, Qt::Horizontal).toString().toStdString(), Nachname(3) + " Vor3");
    auto zelle = [&](int r, int c) { return mod->index(r, c).data().toString().toStdString(); };
    EXPECT_EQ(zelle(0, 0), "\\");
    EXPECT_EQ(zelle(0, 2), "P2"); // the pilot's row, his helper's column: met twice
    EXPECT_EQ(zelle(2, 0), "H2");
    EXPECT_EQ(zelle(1, 2), "");   // never met
    EXPECT_EQ(zelle(3, 3), "");
    EXPECT_GE(g->horizontalHeader()->height(), 130);
    // "Gefällt mir nicht": the matrix goes, the dialog comes back for another draw.
    d.hide();
    m.NeuSortButton->click();
    EXPECT_FALSE(m.isVisible());
    EXPECT_TRUE(d.isVisible());
}

// -------------------------------------------------------------- the notice

TEST_F(AuslosungTest, HinweisBeiFehlenderStartreihenfolge) {
    Aufbau a;
    a.Teilnehmer = 12;
    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    DatenDurchgangGetPtr(w->DurchgangRootPtr, 1);
    TStartReihenfolgeNichtErmitteltForm& h = *f.HinweisForm();
    // Changing to the score tab of an undivided round: "Abbruch" is off.
    f.TabWaehlen(TabWertung);
    ASSERT_TRUE(h.isVisible());
    EXPECT_FALSE(h.AbbruchButton->isEnabled());
    EXPECT_TRUE(h.SortNowButton->isEnabled());
    EXPECT_TRUE(h.NextButton->isEnabled());
    h.NextButton->click();
    EXPECT_FALSE(h.isVisible());
    // A print that needs the start order: "Weiter ohne ..." is off, nothing runs.
    EXPECT_FALSE(f.StartreihenfolgePruefenFuerAusgabe());
    EXPECT_TRUE(h.AbbruchButton->isEnabled());
    EXPECT_FALSE(h.NextButton->isEnabled());
    // "jetzt ermitteln": the draw dialog with "unsortierte".
    h.SortNowButton->click();
    EXPECT_FALSE(h.isVisible());
    TStartreihenfolgeUserInterfaceForm& d = *f.AuslosungsDialog();
    ASSERT_TRUE(d.isVisible());
    EXPECT_TRUE(d.UnsortierteDurchgaengeRadioButton->isChecked());
    d.StartButton->click();
    ASSERT_TRUE(LaufAbwarten(f));
    EXPECT_TRUE(f.StartreihenfolgePruefenFuerAusgabe());
    f.TabWaehlen(TabTeilnehmer);
    f.ErgebnismatrixForm()->hide();
    f.TabWaehlen(TabWertung);
    EXPECT_FALSE(h.isVisible());
}

// ----------------------------------------------------- start numbers

struct StartNrSchritt {
    const char* Name;
    std::function<void(TStartNrForm&)> Aktion;
    std::vector<std::string> Liste;
    bool Neu, Aendern, Entfernen;
};

TEST_F(AuslosungTest, StartnummernAuslassenDialog) {
    TMainForm& f = Fenster();
    Starten(f);
    L_REGIST_SetStringValue(AusschlussStartNrWert, "", "3;x;12;");
    f.FktEExStartNrClick();
    TStartNrForm& d = *f.StartNrForm();
    ASSERT_TRUE(d.isVisible());
    auto waehle = [](TStartNrForm& d, const char* nr) {
        const auto treffer = d.AdressListBox->findItems(nr, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1);
        d.AdressListBox->setCurrentItem(treffer[0]);
    };
    const StartNrSchritt schritte[] = {
        {"geladen", [](auto&) {}, {"3", "12"}, false, false, false},
        {"neue Zahl", [](auto& d) { d.AdressEdit->setText("7"); }, {"3", "12"}, true, false, false},
        {"Neu", [](auto& d) { d.NeuButton->click(); }, {"3", "12", "7"}, false, false, false},
        {"schon da", [](auto& d) { d.AdressEdit->setText("12"); }, {"3", "12", "7"}, false, false, false},
        {"keine Zahl", [](auto& d) { d.AdressEdit->setText("abc"); }, {"3", "12", "7"}, false, false, false},
        {"12 gewählt", [&](auto& d) { waehle(d, "12"); }, {"3", "12", "7"}, false, false, true},
        {"14 getippt", [](auto& d) { d.AdressEdit->setText("14"); }, {"3", "12", "7"}, true, true, true},
        {"Ändern", [](auto& d) { d.AendernButton->click(); }, {"3", "14", "7"}, false, false, false},
        {"Enter entfernt", [&](auto& d) {
             waehle(d, "3");
             QTest::keyClick(d.AdressEdit, Qt::Key_Return);
         }, {"14", "7"}, true, false, false},
        {"Enter fügt an", [](auto& d) {
             d.AdressEdit->setText("20");
             QTest::keyClick(d.AdressEdit, Qt::Key_Return);
         }, {"20", "14", "7"}, false, false, false}, // into the slot the removed 3 left
    };
    for (const StartNrSchritt& s : schritte) {
        SCOPED_TRACE(s.Name);
        s.Aktion(d);
        EXPECT_EQ(d.AdressListBox->count(), static_cast<int>(s.Liste.size()));
        EXPECT_EQ(Zeilen(d.AdressListBox), s.Liste);
        EXPECT_EQ(d.NeuButton->isEnabled(), s.Neu);
        EXPECT_EQ(d.AendernButton->isEnabled(), s.Aendern);
        EXPECT_EQ(d.EntfernenButton->isEnabled(), s.Entfernen);
    }
    // "&Abbruch" forgets, "&Ok" stores.
    d.AbbruchButton->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(L_REGIST_GetStringValue(AusschlussStartNrWert, ""), "3;x;12;");
    f.FktEExStartNrClick();
    EXPECT_EQ(Zeilen(d.AdressListBox), (std::vector<std::string>{"3", "12"}));
    d.AdressEdit->setText("4");
    d.NeuButton->click();
    d.OkButton->click();
    EXPECT_EQ(L_REGIST_GetStringValue(AusschlussStartNrWert, ""), "3;12;4;");
}

// Closing up asks the warning once start numbers are out; "Ok" goes on with
// the close-up, "erst nach Fortschritt" silences the warning at this level.
TEST_F(AuslosungTest, StartnummernAufrueckenMitWarnung) {
    Aufbau a;
    a.Teilnehmer = 5;
    a.GruppenGroesse = 5;
    a.Vorrunden = 1;
    a.Eingeteilt = true;
    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    L_REGIST_SetStringValue(AusschlussStartNrWert, "", "3;4;");
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) t->StartNr = 0;
    TWarnStartNrForm& warn = *f.WarnStartNrForm();

    auto nummern = [&] {
        std::set<int> s;
        for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) s.insert(t->StartNr);
        return s;
    };
    // Below 50 nothing asks.
    w->Status = 40;
    f.StartnummerAufrueckenFktClick();
    EXPECT_FALSE(warn.isVisible());
    EXPECT_EQ(nummern(), (std::set<int>{1, 2, 5, 6, 7}));

    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) t->StartNr = 0;
    w->Status = 60;
    w->Warnstufe = 0;
    f.StartnummerAufrueckenFktClick();
    ASSERT_TRUE(warn.isVisible());
    EXPECT_EQ(warn.OkButton->text().toStdString(), "Ok - Startnummern neu vergeben");
    warn.AbbruchButtonClick();
    EXPECT_EQ(nummern(), (std::set<int>{0}));
    f.StartnummerAufrueckenFktClick();
    warn.SkipLevelRadioButton->setChecked(true);
    warn.OkButtonClick();
    EXPECT_EQ(nummern(), (std::set<int>{1, 2, 5, 6, 7}));
    EXPECT_EQ(w->Warnstufe, 60);
    warn.ShowRadioButton->setChecked(true);
}

// "Ok" of the warning goes on with each caller's own function.
TEST_F(AuslosungTest, WarnungSetztJedenAufruferFort) {
    Aufbau a;
    a.Teilnehmer = 12;
    a.GruppenGroesse = 4;
    a.Eingeteilt = true;
    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    TWarnStartNrForm& warn = *f.WarnStartNrForm();
    TStartreihenfolgeUserInterfaceForm& d = *f.AuslosungsDialog();
    w->Status = 60;
    w->Warnstufe = 0;

    // The draw over divided rounds: "Abbruch" leaves them, "Ok" draws.
    f.FktGruppeneinteilungClick();
    d.StartButton->click();
    ASSERT_TRUE(warn.isVisible());
    EXPECT_FALSE(f.StartreihenfolgeLaeuft());
    warn.AbbruchButtonClick();
    EXPECT_FALSE(f.StartreihenfolgeLaeuft());
    f.FktGruppeneinteilungClick();
    d.StartButton->click();
    ASSERT_TRUE(warn.isVisible());
    warn.OkButtonClick();
    EXPECT_TRUE(f.StartreihenfolgeLaeuft());
    ASSERT_TRUE(LaufAbwarten(f));
    f.ErgebnismatrixForm()->hide();

    // Removing a flown round.
    ASSERT_EQ(w->AnzVorrunden, 3);
    EntferneDurchgangPtr = GetDurchgangPtr(w, 3);
    SetCallingFkt(WarnAufrufDurchgangEntfernen);
    FormCheckShow(w, 70, 70);
    warn.Zeigen();
    warn.OkButtonClick();
    EXPECT_EQ(w->AnzVorrunden, 2);
    EXPECT_EQ(w->AnzDurchgaenge, 2);
}

// A move in the score list of a round that holds results asks first.
TEST_F(AuslosungTest, VerschiebenInWertungslisteMitErgebnissenFragt) {
    Aufbau a;
    a.Teilnehmer = 6;
    a.GruppenGroesse = 3;
    a.Vorrunden = 1;
    a.Eingeteilt = true;
    TMainForm& f = MitWettbewerb(a);
    WettbewerbTyp* w = f.GetAktWettPtr();
    w->Status = 40;
    w->Warnstufe = 0;
    TeilnehmerTyp* p1 = GetTeilnehmerEdvNr(w, 1);
    WertungTyp* wert = GetWertungPtr(w, GetDurchgangPtr(w, 1), 1);
    ASSERT_NE(wert, nullptr);
    wert->WertungDurchg[1] = 300;
    f.TabWaehlen(TabWertung);
    f.HinweisForm()->hide();
    f.ChangeSort(SortGruppe);
    TWarnStartNrForm& warn = *f.WarnStartNrForm();
    const int von = p1->ZeilenNr[TabWertung];
    TeilnehmerTyp* ziel = GetTeilnehmerEdvNr(w, 2); // in group 2
    ASSERT_EQ(p1->Gruppe[1], 1);
    ASSERT_EQ(ziel->Gruppe[1], 2);
    f.ZeileVerschieben(von, ziel->ZeilenNr[TabWertung]);
    ASSERT_TRUE(warn.isVisible());
    EXPECT_EQ(p1->Gruppe[1], 1);
    warn.AbbruchButtonClick();
    EXPECT_EQ(p1->Gruppe[1], 1);
    f.ZeileVerschieben(von, ziel->ZeilenNr[TabWertung]);
    ASSERT_TRUE(warn.isVisible());
    warn.OkButtonClick();
    EXPECT_EQ(p1->Gruppe[1], 2);
}

} // namespace
} // namespace tavuran::test
