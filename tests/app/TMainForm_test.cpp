// The main window driven offscreen: start-up with a file, the new-competition
// dialog, saving, reopening, the save query and a failing save.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>

#include "app/TabellenGitter.h"
#include <QTimer>
#include <QTest>

#include "app/TSpeichernAbfrageForm.h"
#include "app/TWarnStartNrForm.h"
#include "app/TWettbewerbNeuForm.h"
#include "app/WettDir.h"
#include "core/DatenMannschaft.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelListe.h"
#include "rules/RegelLookup.h"
#include "startorder/StartreihenfolgeLauf.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

[[maybe_unused]] auto* const umgebung = ::testing::AddGlobalTestEnvironment(new AppUmgebung);

struct Pilot {
    int EdvNr;
    const char* Vorname;
    const char* Nachname;
    const char* Verein;
    int Gruppe;
    int Startplatz;
    bool Jugendlich;
};

const Pilot Piloten[] = {{1, "Anna", "Adler", "MFC Nord", 1, 1, false},
                         {2, "Bernd", "Berger", "MFG Süd", 1, 2, true},
                         {3, "Clara", "Conrad", "MFC Nord", 2, 1, false}};

// A small competition with a rule, three participants in two groups of
// round 1 and one team, written to `Datei`.
void WettbewerbSchreiben(const std::string& Datei) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Pokal am See";
    w->Datum = {14, 6, 2025};
    DatenRegelLoad(w->RegelPtr, "F3J (B-Mod 2025)", &w->Datum);
    for (const Pilot& p : Piloten) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, p.EdvNr, true);
        t->Name.VornameStr = p.Vorname;
        t->Name.NachnameStr = p.Nachname;
        t->Verein = p.Verein;
        t->MeldgNr = p.EdvNr;
        t->StartNr = p.EdvNr;
        t->Gruppe[1] = p.Gruppe;
        t->Startplatz[1] = p.Startplatz;
        t->Jugendlich = p.Jugendlich;
        if (p.EdvNr == 3) {
            t->Kanal[1] = "35";
            t->Kanal[3] = "";
        }
    }
    MannschaftTyp* m = DatenMannschaftNew();
    DatenMannschaftDefault(m);
    m->Nr = 1;
    m->Name = "Seeadler";
    m->TeilnehmerEdvNr[1] = 1;
    m->TeilnehmerEdvNr[2] = 3;
    w->MannschaftRootPtr = m;
    SortAll(w);
    DateiSpeicherErgebnis e = DatenWettbewerbSave(w, Datei, 3, false);
    DatenWettbewerbDispose(w);
    ASSERT_TRUE(e.Ok) << e.Grund;
}

std::vector<std::string> Spalte(TabellenGitter* g, int Spalte) {
    std::vector<std::string> out;
    for (int r = 0; r < g->rowCount(); ++r)
        if (!QString::fromStdString(g->Text(r, Spalte)).trimmed().isEmpty()) out.push_back(g->Text(r, Spalte));
    return out;
}

bool Enthaelt(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

std::string DateiInhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class MainFormTest : public FensterTest {
  protected:
    // Writes the small competition to "pokal.wtb" and starts the window with it.
    TMainForm& MitPokalStarten() {
        PokalDatei = Pfad("pokal.wtb");
        WettbewerbSchreiben(PokalDatei);
        TMainForm& f = Fenster({QString::fromStdString(PokalDatei)});
        Starten(f);
        return f;
    }
    std::string PokalDatei;
};

TEST_F(MainFormTest, StartMitDateiZeigtTeilnehmerInAllenReitern) {
    TMainForm& f = MitPokalStarten();
    const std::string& datei = PokalDatei;

    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Name, "Pokal am See");
    EXPECT_FALSE(f.OpenNewDialogAngefordert());
    EXPECT_FALSE(f.ParameterDialog()->isVisible());
    EXPECT_EQ(RecentFiles[1], datei);

    // every participant appears in the participant, start-order, score and result lists
    for (int tab : {TabTeilnehmer, TabStartreihenfolge, TabWertung, TabErgebnis}) {
        auto namen = Spalte(f.Grid(tab), 2);
        EXPECT_EQ(namen.size(), 3u) << "Reiter " << tab;
        for (const char* n : {"Adler Anna", "Berger Bernd", "Conrad Clara"})
            EXPECT_TRUE(Enthaelt(namen, n)) << "Reiter " << tab << ": " << n;
    }
    // the team with its members
    auto team = f.Grid(TabMannschaft);
    ASSERT_GT(team->rowCount(), 0);
    EXPECT_EQ(team->Text(0, 1), "Seeadler");
    EXPECT_EQ(team->Text(0, 2), "Adler Anna");
    EXPECT_EQ(team->Text(0, 3), "Conrad Clara");
    // start-order list: club column shows the team, or "Verein: " without one
    auto vereine = Spalte(f.Grid(TabStartreihenfolge), 3);
    EXPECT_TRUE(Enthaelt(vereine, "Seeadler"));
    EXPECT_TRUE(Enthaelt(vereine, "Verein: MFG Süd"));
    // channels: a 2.4 GHz participant shows "2,4GHz" once, others their texts
    TabellenGitter* tn = f.Grid(TabTeilnehmer);
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) {
        const int zeile = t->ZeilenNr[TabTeilnehmer] - 1;
        std::vector<std::string> kanaele;
        for (int k = 1; k <= 3; ++k) kanaele.push_back(tn->Text(zeile, 3 + k));
        const std::vector<std::string> erwartet =
            t->EdvNr == 3 ? std::vector<std::string>{"35", "2,4GHz", ""} : std::vector<std::string>{"2,4GHz", "", ""};
        EXPECT_EQ(kanaele, erwartet) << t->Name.NachnameStr;
    }
    // status bar and caption
    EXPECT_EQ(f.StatusPanel(2)->text().toStdString(), "F3J (B-Mod 2025)");
    EXPECT_EQ(f.StatusPanel(3)->text().toStdString(), "Teiln.: 3");
    EXPECT_EQ(f.windowTitle().toStdString(), "Pokal am See 14.06.25 (pokal.wtb)");
    EXPECT_EQ(f.StatusLampe(), 0);
}

TEST_F(MainFormTest, StartordnungTrenntGruppenAuchUeberVerborgeneTeilnehmer) {
    TMainForm& f = MitPokalStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    f.TabWaehlen(TabStartreihenfolge);
    f.ChangeSort(SortGruppe);
    TabellenGitter* g = f.Grid(TabStartreihenfolge);
    auto zeile = [&](int edv) { return GetTeilnehmerEdvNr(w, edv)->ZeilenNr[TabStartreihenfolge]; };
    // group 1: rows 1 and 2, one empty row, group 2 from row 4
    EXPECT_EQ(zeile(1), 1);
    EXPECT_EQ(zeile(2), 2);
    EXPECT_EQ(zeile(3), 4);
    EXPECT_EQ(g->Text(0, 0), "1 (1)");
    EXPECT_EQ(g->KopfText(0), "Gruppe");

    // Juniors hidden: group 1 shrinks to one row, the separator row stays.
    QAction* jugend = nullptr;
    for (QAction* a : f.findChildren<QAction*>())
        if (a->text() == "Jugendliche") jugend = a;
    ASSERT_NE(jugend, nullptr);
    jugend->trigger();
    EXPECT_FALSE(f.JugendlicheGezeigt());
    EXPECT_EQ(zeile(2), 0);
    EXPECT_EQ(zeile(3), 3);
    // Hiding the seniors too shows both groups again.
    for (QAction* a : f.findChildren<QAction*>())
        if (a->text() == "Senioren") a->trigger();
    EXPECT_TRUE(f.JugendlicheGezeigt());
    EXPECT_TRUE(f.SeniorenGezeigt());
    EXPECT_EQ(zeile(2), 2);
}

TEST_F(MainFormTest, ErsterStartVerlangtParameterUndUebernimmtRegelvorgaben) {
    TMainForm& f = Fenster();
    Starten(f);
    TWettbewerbNeuForm* d = f.ParameterDialog();
    ASSERT_TRUE(d->isVisible());
    EXPECT_FALSE(d->AbbruchButton->isEnabled());
    // the reset buttons only change the dialog's fields (before, disabled)
    EXPECT_TRUE(d->DefaultButton->isEnabled());
    EXPECT_TRUE(d->ResetDurchgangButton->isEnabled());
    // Without a rule the dialog proposes the first F5J rule, with that rule's
    // round counts (before, the blank competition's 5/1/0/9).
    EXPECT_EQ(d->RegelComboBox->currentText().toStdString(), "F5J (B-Mod 2025)");
    WettbewerbTyp* muster = DatenWettbewerbNew();
    DatenWettbewerbDefault(muster);
    DatenRegelLoad(muster->RegelPtr, "F5J (B-Mod 2025)", &muster->Datum);
    DatenRegelToWettbewerb(muster, muster->RegelPtr);
    EXPECT_EQ(d->AnzahlVorrundenEdit->text().toStdString(), std::to_string(muster->AnzVorrunden));
    EXPECT_EQ(d->AnzahlFlyOffEdit->text().toStdString(), std::to_string(muster->AnzSeniorenFlyOff));
    EXPECT_EQ(d->TeilnehmerInGruppeEdit->text().toStdString(), std::to_string(muster->AnzTeilnGruppe));
    DatenWettbewerbDispose(muster);
    // picking the rule shown again keeps typed counts and names (before, reset)
    d->AnzahlVorrundenEdit->setText("4");
    d->WettNameEdit->setText("Frühjahrspokal");
    d->RegelComboBoxChange();
    EXPECT_EQ(d->AnzahlVorrundenEdit->text().toStdString(), "4");
    EXPECT_EQ(d->WettNameEdit->text().toStdString(), "Frühjahrspokal");
    EXPECT_FALSE(d->NullwertungNichtStreichenCheckBox->isChecked());
    EXPECT_TRUE(d->NullwertungNichtStreichenCheckBox->isEnabled());
    // Closing the window is refused while the user must confirm.
    d->AbbruchButtonClick();
    d->close();
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->WettNummerEdit->text().startsWith("BY ?" "?/"));
}

// Every active rule: choosing it in the dialog and confirming gives the
// competition that rule with its default parameters and round counts.
TEST_F(MainFormTest, JedeAktiveRegelLaesstSichAnlegen) {
    TMainForm& f = Fenster();
    Starten(f);
    TWettbewerbNeuForm* d = f.ParameterDialog();
    int geprueft = 0;
    for (int nr = RegelAnzahl; nr >= 1; --nr) {
        const RegelTyp& r = RegelListe(nr);
        if (!r.Aktiv) continue;
        SCOPED_TRACE(r.Name);
        f.FunctionParameterClick();
        d->Zeigen();
        const int idx = d->RegelComboBox->findText(QString::fromStdString(r.Name));
        ASSERT_GE(idx, 0);
        d->RegelComboBox->setCurrentIndex(idx);
        d->RegelComboBoxChange();
        d->WettNameEdit->setText(QString::fromStdString("Test " + r.Name));
        ASSERT_TRUE(d->OkButtonClick());
        EXPECT_FALSE(d->isVisible());

        WettbewerbTyp* w = f.GetAktWettPtr();
        ASSERT_NE(w->RegelPtr, nullptr);
        EXPECT_EQ(w->RegelPtr->Name, r.Name);
        EXPECT_EQ(w->Name, "Test " + r.Name);
        EXPECT_GE(w->Status, 20);
        EXPECT_EQ(w->AnzVorrunden, r.RegelDefaultDurchg.AnzVorrunden);
        EXPECT_EQ(w->AnzSeniorenFlyOff, r.RegelDefaultDurchg.AnzSeniorenFlyOff);
        EXPECT_EQ(w->AnzDurchgaenge - w->AnzVorrunden - w->AnzSeniorenFlyOff, r.RegelDefaultDurchg.AnzahlJugFlyOff);
        EXPECT_EQ(w->AnzTeilnGruppe, r.RegelDefaultDurchg.AnzTeilnGruppe);
        for (int i = 1; i <= MaxParameterZeilen; ++i) {
            const int p = r.ParameterWettb.ParaNr[i];
            if (p >= 1 && p <= MaxParameter) {
                EXPECT_DOUBLE_EQ(w->Parameter[p], L_STR_CnvStrToDouble(r.ParameterWettb.DefaultWert[i])) << "Zeile " << i;
            }
        }
        if (r.EdvNr == 8) {
            EXPECT_FALSE(w->VorrundenPromille);
            EXPECT_FALSE(w->DurchgangPromille);
            EXPECT_FALSE(w->Teilwertung);
        }
        if (r.EdvNr == 6) {
            EXPECT_TRUE(w->VorrundenPromille);
            EXPECT_FALSE(w->DurchgangPromille);
            EXPECT_TRUE(w->Teilwertung);
        }
        EXPECT_EQ(f.StatusPanel(2)->text().toStdString(), r.Name);
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 9);
}

TEST_F(MainFormTest, NullwertungsSchalterWaehltNurLogger) {
    TMainForm& f = Fenster();
    Starten(f);
    TWettbewerbNeuForm* d = f.ParameterDialog();
    ASSERT_EQ(d->RegelComboBox->currentText().toStdString(), "F5J (B-Mod 2025)");
    d->NullwertungNichtStreichenCheckBox->click();
    EXPECT_TRUE(d->NichtStreichenWennLogUngueltigCheckBox->isChecked());
    EXPECT_FALSE(d->NichtStreichenBeiNullwertungCheckBox->isChecked());
    EXPECT_TRUE(d->NichtStreichenUeberzeitCheckBox->isEnabled());
    d->WettNameEdit->setText("Nullwertung");
    ASSERT_TRUE(d->OkButtonClick());
    EXPECT_EQ(f.GetAktWettPtr()->PermntNullMode, 3 + 0x40);
}

// "Abbruch" takes nothing over: a saved competition stays unmodified, with
// the values it had, whatever was typed into the dialog meanwhile.
TEST_F(MainFormTest, ParameterAbbruchLaesstDenWettbewerbUnveraendert) {
    TMainForm& f = Fenster();
    Starten(f);
    TWettbewerbNeuForm* d = f.ParameterDialog();
    d->WettNameEdit->setText("Sommer Cup");
    d->AnzahlVorrundenEdit->setText("4");
    ASSERT_TRUE(d->OkButtonClick());
    dateiAntworten.push_back({true, Dokumente() + "Sommer Cup.wtb", 1});
    f.FunctionSichernClick();
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_FALSE(w->modified);
    ASSERT_EQ(f.StatusLampe(), 0);

    f.FunctionParameterClick();
    ASSERT_TRUE(d->isVisible());
    d->WettNameEdit->setText("Anderer Name");
    d->AnzahlVorrundenEdit->setText("6");
    QTest::mouseClick(d->AbbruchButton, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(w->modified);
    EXPECT_EQ(f.StatusLampe(), 0);
    EXPECT_EQ(w->Name, "Sommer Cup");
    EXPECT_EQ(w->AnzVorrunden, 4);
}

TEST_F(MainFormTest, SichernSchliessenUndAusListeWiederOeffnen) {
    TMainForm& f = Fenster();
    Starten(f);
    TWettbewerbNeuForm* d = f.ParameterDialog();
    d->WettNameEdit->setText("Herbst Cup");
    d->WettDatumEdit->setText("03.10.25");
    d->WettbewerbsleiterEdit->setText("Maier Hans");
    d->AliasDurchgangEdit[0]->setText("Morgen");
    ASSERT_TRUE(d->OkButtonClick());
    WettbewerbTyp* w = f.GetAktWettPtr();
    TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 1, true);
    t->Name.NachnameStr = "Adler";
    t->Name.VornameStr = "Anna";
    t->Verein = "MFC Nord";
    SetWettbewerbModified(w);
    f.WettbewerbNeuBerechnen();
    EXPECT_EQ(f.StatusLampe(), 1);

    // "Sichern" without a file asks for a name; the proposal lies in the standard folder.
    const std::string datei = Dokumente() + "Tavuran/Herbst Cup.wtb";
    dateiAntworten.push_back({true, datei, 1});
    f.FunctionSichernClick();
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_TRUE(anfragen[0].Sichern);
    EXPECT_EQ(anfragen[0].StartName, Dokumente() + "Tavuran/Herbst_Cup.wtb");
    const std::string gespeichert = Dokumente() + "Tavuran/Herbst_Cup.wtb";
    EXPECT_TRUE(std::filesystem::exists(gespeichert));
    EXPECT_FALSE(w->modified);
    EXPECT_EQ(f.StatusLampe(), 0);
    EXPECT_EQ(L_REGIST_GetStringValue("WtbName", ""), gespeichert);

    // Another competition, then back through the recent-files menu.
    f.FunctionNeuClick();
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    EXPECT_TRUE(f.GetAktWettPtr()->Name.empty());
    d->WettNameEdit->setText("Zweiter");
    ASSERT_TRUE(d->OkButtonClick());
    f.GetAktWettPtr()->modified = false;
    f.FunctionNeuClick();
    QAction* a = f.RecentAction(1);
    ASSERT_TRUE(a->isVisible());
    EXPECT_EQ(a->text().toStdString(), "Herbst_Cup.wtb");
    a->trigger();

    WettbewerbTyp* neu = f.GetAktWettPtr();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->Name, "Herbst Cup");
    EXPECT_EQ(neu->Datum, (DateRec{3, 10, 2025}));
    EXPECT_EQ(neu->RegelPtr->Name, "F5J (B-Mod 2025)");
    EXPECT_EQ(neu->Wettbewerbsleiter.NachnameStr, "Maier");
    EXPECT_EQ(neu->DurchgangAlias[1], "Morgen");
    EXPECT_EQ(neu->WettbewerbFileNamen[0], gespeichert);
    EXPECT_FALSE(neu->modified);
    EXPECT_TRUE(Enthaelt(Spalte(f.Grid(TabTeilnehmer), 2), "Adler Anna"));
    EXPECT_EQ(RecentFiles[1], gespeichert);
}

// The save query before a modified competition is discarded, answered by
// pressing the query's own buttons.
TEST_F(MainFormTest, SpeicherabfrageBeimSchliessen) {
    struct Fall {
        int Knopf;            // status of the pressed button
        bool Verworfen;       // the competition was put away
        bool DateiGeaendert;  // the file was written again
    };
    const Fall faelle[] = {{1, true, true}, {3, true, false}, {5, false, false}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Knopf);
        TMainForm& f = MitPokalStarten();
        const std::string& datei = PokalDatei;
        WettbewerbTyp* w = f.GetAktWettPtr();
        ASSERT_NE(w, nullptr);
        w->Name = "Geändert";
        SetWettbewerbModified(w);
        const std::string vorher = DateiInhalt(datei);

        bool gefragt = false;
        QTimer::singleShot(0, [&] {
            TSpeichernAbfrageForm* q = f.SpeichernAbfrageForm();
            gefragt = q->isVisible();
            EXPECT_EQ(q->windowTitle().toStdString(), "Wettbewerb speichern");
            EXPECT_FALSE(q->Knopf(2)->isEnabled());
            EXPECT_FALSE(q->Knopf(4)->isEnabled());
            q->Knopf(fall.Knopf)->click();
        });
        const bool ok = f.WettbewerbAufraeumen();
        EXPECT_TRUE(gefragt);
        EXPECT_EQ(ok, fall.Verworfen);
        EXPECT_EQ(f.GetAktWettPtr() == nullptr, fall.Verworfen);
        EXPECT_EQ(DateiInhalt(datei) != vorher, fall.DateiGeaendert);
        if (fall.DateiGeaendert) {
            EXPECT_NE(DateiInhalt(datei).find("Ge\xE4ndert"), std::string::npos); // Windows-1252
        }
        fenster.reset();
    }
}

// A save that cannot be written tells the user why and keeps everything.
TEST_F(MainFormTest, FehlgeschlagenesSichernBehaeltDenWettbewerb) {
    TMainForm& f = Fenster();
    Starten(f);
    f.ParameterDialog()->WettNameEdit->setText("Sommer");
    ASSERT_TRUE(f.ParameterDialog()->OkButtonClick());
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_TRUE(w->modified);
    // a "folder" that is a file
    const std::string datei = Pfad("blockiert");
    { std::ofstream(datei) << "x"; }
    const std::string ziel = datei + "/sommer.wtb";
    // Leaving the unnamed competition: the user wants to save it.
    GetUiHooks().SpeichernAbfrage = [](WettbewerbTyp*, bool) { return UiAntwort::Ja; };
    struct Fall {
        const char* Name;
        std::function<bool()> Aktion;
    };
    const Fall faelle[] = {
        {"Sichern als", [&] { dateiAntworten.push_back({true, ziel, 1}); return f.SichernUnter(); }},
        {"Schliessen", [&] { dateiAntworten.push_back({true, ziel, 1}); return f.WettbewerbAufraeumen(); }},
        {"Ordner fehlt", [&] { dateiAntworten.push_back({true, Pfad("fehlt/x.wtb"), 1}); return f.SichernUnter(); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        meldungen.clear();
        EXPECT_FALSE(fall.Aktion());
        EXPECT_EQ(f.GetAktWettPtr(), w);
        EXPECT_TRUE(w->modified);
        EXPECT_EQ(w->Name, "Sommer");
        EXPECT_FALSE(std::filesystem::exists(w->WettbewerbFileNamen[0]));
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_NE(meldungen[0].find("konnte nicht gespeichert werden"), std::string::npos);
        EXPECT_EQ(f.StatusLampe(), 1);
    }
    // Cancelling the save dialog while closing keeps the competition too.
    EXPECT_FALSE(f.WettbewerbAufraeumen());
    EXPECT_EQ(f.GetAktWettPtr(), w);
}

// Changing basic parameters of a competition whose start lists are out asks first.
TEST_F(MainFormTest, GrundparameterAendernFragtNachFortschritt) {
    TMainForm& f = MitPokalStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    w->Status = 60;
    w->Warnstufe = 0;
    TWettbewerbNeuForm* d = f.ParameterDialog();
    TWarnStartNrForm* warn = f.WarnStartNrForm();

    auto regelWechseln = [&](const char* name) {
        f.FunctionParameterClick();
        d->RegelComboBox->setCurrentIndex(d->RegelComboBox->findText(name));
        d->RegelComboBoxChange();
        return d->OkButtonClick();
    };
    // "Abbruch" in the warning: the dialog stays open.
    ASSERT_TRUE(regelWechseln("F5J (B-Mod 2025)"));
    ASSERT_TRUE(warn->isVisible());
    ASSERT_GE(warn->Zeilen().size(), 3u);
    EXPECT_EQ(warn->Zeilen()[0].second, "Es wurden grundlegende Wettbewerbsparameter geändert,");
    EXPECT_EQ(warn->Zeilen()[1].second, "es wurden aber bereits Startlisten gedruckt!");
    EXPECT_FALSE(warn->Rot());
    EXPECT_EQ(warn->OkButton->text().toStdString(), "OK - Parameter ändern");
    warn->AbbruchButtonClick();
    EXPECT_FALSE(warn->isVisible());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(w->Warnstufe, 0);
    EXPECT_EQ(w->RegelPtr->Name, "F3J (B-Mod 2025)"); // "Abbruch" changed nothing

    // "Ok" with "erst nach Fortschritt": the dialog closes, the level rises to 60.
    ASSERT_TRUE(regelWechseln("F3J (B-Mod 2025)"));
    ASSERT_TRUE(warn->isVisible());
    warn->SkipLevelRadioButton->setChecked(true);
    warn->OkButtonClick();
    EXPECT_FALSE(warn->isVisible());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(w->Warnstufe, 60);
    EXPECT_EQ(w->RegelPtr->Name, "F3J (B-Mod 2025)");

    // Now the same change goes through without a warning.
    ASSERT_TRUE(regelWechseln("F5J (B-Mod 2025)"));
    EXPECT_FALSE(warn->isVisible());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(w->RegelPtr->Name, "F5J (B-Mod 2025)");
}

TEST_F(MainFormTest, VerschiebenInDerStartreihenfolge) {
    TMainForm& f = MitPokalStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    TeilnehmerTyp* clara = GetTeilnehmerEdvNr(w, 3);
    f.TabWaehlen(TabStartreihenfolge);
    ASSERT_EQ(clara->ZeilenNr[TabStartreihenfolge], 4);

    // In another order nothing moves.
    f.ChangeSort(SortName);
    f.ZeileVerschieben(clara->ZeilenNr[TabStartreihenfolge], 1);
    EXPECT_EQ(clara->Gruppe[1], 2);
    EXPECT_FALSE(w->modified);

    // Onto the row of a member of group 1: into group 1 at its lowest free start place.
    f.ChangeSort(SortGruppe);
    f.ZeileVerschieben(4, 1);
    EXPECT_EQ(clara->Gruppe[1], 1);
    EXPECT_EQ(clara->Startplatz[1], 3);
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(f.StatusLampe(), 1);
    EXPECT_EQ(f.Grid(TabStartreihenfolge)->Text(clara->ZeilenNr[TabStartreihenfolge] - 1, 2),
              "Conrad Clara");
}

// While a draw runs, the last status panel and the bar show its progress.
TEST_F(MainFormTest, StatusleisteZeigtFortschrittDerAuslosung) {
    TMainForm& f = Fenster();
    Starten(f);
    QProgressBar* balken = f.findChild<QProgressBar*>();
    ASSERT_NE(balken, nullptr);
    EXPECT_EQ(f.StatusPanel(4)->text().toStdString(), "     Tavuran V1.63 (14.06.2025)");
    EXPECT_FALSE(balken->isVisible());

    InitStartreihenfolge(10, 2, true, 5, 1);
    f.SortierHandleTimerTimer();
    EXPECT_EQ(f.StatusPanel(4)->text().toStdString(), "1 %");
    EXPECT_TRUE(balken->isVisible());
    EXPECT_EQ(balken->value(), 100);

    StartreihenfolgeFreigeben();
    f.SortierHandleTimerTimer();
    EXPECT_EQ(f.StatusPanel(4)->text().toStdString(), "     Tavuran V1.63 (14.06.2025)");
    EXPECT_FALSE(balken->isVisible());
}

TEST_F(MainFormTest, FensterlageAusEinstellungen) {
    TMainForm& f = Fenster();
    f.ReadRegistry();
    const QRect s = f.screen()->geometry();
    EXPECT_EQ(f.geometry(), QRect(40, 40, s.width() - 80, s.height() - 80));
    L_REGIST_SetIntegerValue("ColorPrint", "", 7);
    L_REGIST_SetIntegerValue("TeamInStartList", "", 0);
    L_REGIST_SetIntegerValue("WinPosLeft", "", 10);
    L_REGIST_SetIntegerValue("WinPosTop", "", 20);
    L_REGIST_SetIntegerValue("WinPosWidth", "", 300);
    L_REGIST_SetIntegerValue("WinPosHeight", "", 200);
    f.ReadRegistry();
    EXPECT_EQ(f.geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(f.Druckfarbe(), 1);
    EXPECT_FALSE(f.TeamInStartliste());
    f.DruckfarbeClick(4);
    f.WriteRegistry();
    EXPECT_EQ(L_REGIST_GetIntegerValue("ColorPrint", ""), 4);
    EXPECT_EQ(L_REGIST_GetIntegerValue("TeamInStartList", ""), 0);
    EXPECT_EQ(L_REGIST_GetIntegerValue("WinPosWidth", ""), 300);
}

} // namespace
} // namespace tavuran::test

namespace tavuran::test {
namespace {

// Every menu text: German and without the typos of earlier versions ("Exit",
// "Melungdliste"); the sort items are one choice (a radio group), not
// independent check boxes.
TEST_F(MainFormTest, MenuetexteUndSortierungAlsEineWahl) {
    TMainForm& f = Fenster();
    Starten(f);
    std::vector<std::string> texte;
    for (QAction* a : f.menuBar()->findChildren<QAction*>()) texte.push_back(a->text().toStdString());
    for (QMenu* m : f.menuBar()->findChildren<QMenu*>())
        for (QAction* a : m->actions()) texte.push_back(a->text().toStdString());
    EXPECT_NE(std::find(texte.begin(), texte.end(), "&Beenden"), texte.end());
    for (const std::string& t : texte)
        for (const char* falsch : {"Exit", "Melungdliste", "Gruppengöße", "HTML-Date ", "Wettbewerbei", "AlleDateien"})
            EXPECT_EQ(t.find(falsch), std::string::npos) << t;

    QActionGroup* gruppe = f.SortAction(0)->actionGroup();
    ASSERT_NE(gruppe, nullptr);
    for (int s = 1; s < 6; ++s) EXPECT_EQ(f.SortAction(s)->actionGroup(), gruppe);
    f.SortAction(2)->trigger();
    EXPECT_TRUE(f.SortAction(2)->isChecked());
    f.SortAction(1)->trigger();
    EXPECT_TRUE(f.SortAction(1)->isChecked());
    EXPECT_FALSE(f.SortAction(2)->isChecked());
    f.SortAction(1)->trigger(); // the checked item again: still the one choice
    EXPECT_TRUE(f.SortAction(1)->isChecked());
}

} // namespace
} // namespace tavuran::test
