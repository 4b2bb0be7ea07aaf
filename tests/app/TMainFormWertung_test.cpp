// Score entry in the main window, driven offscreen as a user types: cells are
// edited through their in-place editor, rows are left by keys and by the mouse.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "app/GitterEingabe.h"
#include "app/TabellenGitter.h"
#include "platform/Zeitgeber.h"
#include "app/TSpeichernAbfrageForm.h"
#include "app/TWettbewerbNeuForm.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"
#include "tests/app/AppUmgebung.h"
#include "tests/cli/CliLauf.h"

namespace tavuran::test {
namespace {

struct Pilot {
    const char* Vorname;
    const char* Nachname;
    const char* Verein;
};

// A competition under the rule with judge count `Richter`; participants with
// EdvNr, start and registration number 1, 2, ... in round 1's group 1, or
// ProGruppe of them to a group.
void WettbewerbSchreiben(const std::string& Datei, const std::string& Regel, const std::vector<Pilot>& Piloten,
                         int Richter = 1, int ProGruppe = 0) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "Sommerpokal";
    w->Datum = {5, 7, 2025};
    DatenRegelLoad(w->RegelPtr, Regel, &w->Datum);
    DatenRegelToWettbewerb(w, w->RegelPtr);
    w->AnzPunktrichter = Richter;
    int nr = 0;
    for (const Pilot& p : Piloten) {
        ++nr;
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
        t->Name.VornameStr = p.Vorname;
        t->Name.NachnameStr = p.Nachname;
        t->Verein = p.Verein;
        t->MeldgNr = t->StartNr = nr;
        t->Gruppe[1] = ProGruppe > 0 ? (nr - 1) / ProGruppe + 1 : 1;
        t->Startplatz[1] = ProGruppe > 0 ? (nr - 1) % ProGruppe + 1 : nr;
    }
    SortAll(w);
    DateiSpeicherErgebnis e = DatenWettbewerbSave(w, Datei, 3, false);
    DatenWettbewerbDispose(w);
    ASSERT_TRUE(e.Ok) << e.Grund;
}

std::string DateiInhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

std::string Zelle(TabellenGitter* g, int Zeile, int Spalte) { return g->Text(Zeile - 1, Spalte); }

std::string Kopf(TabellenGitter* g, int Spalte) { return g->KopfText(Spalte); }

class WertungTest : public FensterTest {
  protected:
    TMainForm& Oeffnen(const std::string& Datei) {
        TMainForm& f = Fenster({QString::fromStdString(Datei)});
        Starten(f);
        f.TabWaehlen(TabWertung);
        QApplication::processEvents();
        return f;
    }

    TabellenGitter* G(TMainForm& f, int Tab = TabWertung) { return f.Grid(Tab); }

    // The open cell editor of a grid.
    QLineEdit* Editor(TabellenGitter* g) {
        for (QLineEdit* e : g->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    }

    // Types into a cell as a user does: the first key opens the editor on the
    // grid, the others go to the editor. Leaves the editor open.
    void Tippen(TabellenGitter* g, int Zeile, int Spalte, const QString& Text) {
        g->setFocus();
        g->setCurrentCell(Zeile - 1, Spalte);
        QApplication::processEvents();
        ASSERT_FALSE(Text.isEmpty());
        QTest::keyClick(g, Text.at(0).toLatin1());
        QLineEdit* e = Editor(g);
        ASSERT_NE(e, nullptr) << "kein Editor in Zeile " << Zeile << ", Spalte " << Spalte;
        QTest::keyClicks(e, Text.mid(1));
        EXPECT_EQ(Zelle(g, Zeile, Spalte), Text.toStdString()); // the cell follows the typing
    }

    void Taste(TabellenGitter* g, Qt::Key k) {
        QWidget* ziel = Editor(g) ? static_cast<QWidget*>(Editor(g)) : g;
        QTest::keyClick(ziel, k);
        QApplication::processEvents();
    }

    void Klick(TabellenGitter* g, int Zeile, int Spalte) {
        const QRect r = g->visualRect(g->model()->index(Zeile - 1, Spalte));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }

    WertungTyp* Eintrag(TMainForm& f, int EdvNr, int Runde = 1) {
        return DatenWertungGetPtr(GetDurchgangPtr(f.GetAktWettPtr(), Runde), EdvNr, 0);
    }
};

// Round 1 of an F5J competition typed row by row: distance, time, height with
// Enter; raw points, per-mille points and places follow as each row is left;
// saved and reopened, every value is back.
TEST_F(WertungTest, F5jDurchgangEintippenSichernUndWiederOeffnen) {
    const std::string datei = Pfad("f5j.wtb");
    std::vector<Pilot> piloten;
    const char* namen[12] = {"Adler", "Berger", "Conrad", "Dietz", "Eder", "Fuchs",
                             "Graf",  "Huber",  "Ilg",    "Jung",  "Kern", "Lang"};
    for (const char* n : namen) piloten.push_back({"Max", n, "MFC See"});
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", piloten);
    TMainForm& f = Oeffnen(datei);
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    TabellenGitter* g = G(f);

    const int erste = f.WertungErsteWertSpalte(TabWertung);
    EXPECT_EQ(Kopf(g, 4), "Landepunkte");
    EXPECT_EQ(Kopf(g, 5), "Rohpunkte");
    EXPECT_EQ(Kopf(g, 6), "Ergebnis");
    ASSERT_EQ(erste, 7);
    EXPECT_EQ(Kopf(g, 7), "Abstand[m]");
    EXPECT_EQ(Kopf(g, 8), "Zeit[min:s]");
    EXPECT_EQ(Kopf(g, 9), "F5J-Höhe[m]");
    EXPECT_EQ(g->columnCount(), 10);

    // pilot i (row i in registration order) flies 5:00 + i seconds, lands at 1 m, 100 m high
    for (int i = 1; i <= 12; ++i) {
        TeilnehmerTyp* t = GetTeilnehmerEdvNr(w, i);
        ASSERT_EQ(t->ZeilenNr[TabWertung], i);
        if (i == 1) g->setCurrentCell(0, erste);
        ASSERT_EQ(g->currentRow() + 1, i);
        ASSERT_EQ(g->currentColumn(), erste) << i;
        Tippen(g, i, erste, "1");
        Taste(g, Qt::Key_Return);
        Tippen(g, i, erste + 1, QString("5:%1").arg(i, 2, 10, QChar('0')));
        Taste(g, Qt::Key_Return);
        Tippen(g, i, erste + 2, "100");
        Taste(g, Qt::Key_Return); // last value column: on to the next row
        // the row just left shows its computed points
        EXPECT_NE(Zelle(g, i, 5), "  0") << i;
        EXPECT_EQ(Zelle(g, i, erste + 1), QString("5:%1").arg(i, 2, 10, QChar('0')).toStdString());
    }
    EXPECT_EQ(w->Status, 70);
    EXPECT_TRUE(w->modified);
    for (int i = 1; i <= 12; ++i) {
        WertungTyp* e = Eintrag(f, i);
        ASSERT_NE(e, nullptr);
        EXPECT_DOUBLE_EQ(e->WertungPunktr[1], 1.0);
        EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 300.0 + i);
        EXPECT_DOUBLE_EQ(e->WertungDurchg[2], 100.0);
        EXPECT_GT(e->RohPunkte, 0.0);
    }
    // the longest flight is the best: 1000 per mille and first place
    TeilnehmerTyp* lang = GetTeilnehmerEdvNr(w, 12);
    EXPECT_EQ(L_STR_Unblank(Zelle(g, lang->ZeilenNr[TabWertung], 6)), "1000");
    EXPECT_EQ(lang->PlatzNr, 1);
    EXPECT_EQ(GetTeilnehmerEdvNr(w, 1)->PlatzNr, 12);

    f.FunctionSichernClick();
    EXPECT_FALSE(w->modified);
    fenster.reset();

    TMainForm& f2 = Oeffnen(datei);
    TabellenGitter* g2 = G(f2);
    for (int i = 1; i <= 12; ++i) {
        WertungTyp* e = Eintrag(f2, i);
        ASSERT_NE(e, nullptr);
        EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 300.0 + i);
        const int z = GetTeilnehmerEdvNr(f2.GetAktWettPtr(), i)->ZeilenNr[TabWertung];
        EXPECT_EQ(Zelle(g2, z, erste), "1");
        EXPECT_EQ(Zelle(g2, z, erste + 2), "100");
    }
}

// A time typed and the row left by a mouse click: the capture stores it while
// typing, the row change recomputes and shows the points.
TEST_F(WertungTest, ZeileMitDerMausVerlassen) {
    const std::string datei = Pfad("maus.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    WettbewerbTyp* w = f.GetAktWettPtr();
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    Tippen(g, 1, erste + 2, "120"); // height
    Taste(g, Qt::Key_Return);
    Tippen(g, 1, erste + 1, "3:25.4");
    // the capture takes the row being typed without waiting for the row change
    f.WertungCaptureTimerTimer();
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 205.4);
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(f.StatusLampe(), 1);

    Klick(g, 2, erste);
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(Zelle(g, 1, erste + 1), "3:25.4");
    EXPECT_EQ(L_STR_Unblank(Zelle(g, 1, 5)), L_STR_Unblank(L_STR_DoubleToStr(Eintrag(f, 1)->RohPunkte, 3, 6, 0, 2)));
    EXPECT_GT(Eintrag(f, 1)->RohPunkte, 100.0); // 205 s less the height deduction
    EXPECT_EQ(L_STR_Unblank(Zelle(g, 1, 6)), "1000");
}

// Closing right after typing, without leaving the cell, asks to save, and the
// typed value is in the file.
TEST_F(WertungTest, SchliessenDirektNachDemTippenFragtNachSichern) {
    const std::string datei = Pfad("schliessen.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    f.WertungCaptureTimer()->Stop(); // nothing but the close itself takes the typed text
    Tippen(g, 1, erste + 1, "4:10");
    ASSERT_FALSE(f.GetAktWettPtr()->modified);

    bool gefragt = false;
    QTimer::singleShot(0, [&] {
        TSpeichernAbfrageForm* q = f.SpeichernAbfrageForm();
        gefragt = q->isVisible();
        q->Knopf(1)->click();
    });
    EXPECT_TRUE(f.WettbewerbAufraeumen());
    EXPECT_TRUE(gefragt);
    fenster.reset();

    WettbewerbTyp* w = nullptr;
    std::string grund;
    DatenWettbewerbLoad(w, datei, &grund);
    ASSERT_NE(w, nullptr) << grund;
    WertungTyp* e = DatenWertungGetPtr(GetDurchgangPtr(w, 1), 1, 0);
    ASSERT_NE(e, nullptr);
    EXPECT_DOUBLE_EQ(e->WertungDurchg[1], 250.0);
    DatenWettbewerbDispose(w);
}

// Two pilots with equal name and club: each row writes into its own pilot's
// entry, also while the cursor rests on the second one's row.
TEST_F(WertungTest, ZweiPilotenMitGleichemNamenUndVerein) {
    const std::string datei = Pfad("gleich.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)",
                        {{"Hans", "Maier", "MFC Nord"}, {"Hans", "Maier", "MFC Nord"}, {"Eva", "Ott", "MFC Nord"}});
    TMainForm& f = Oeffnen(datei);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    WertungTyp* eins = Eintrag(f, 1);
    eins->WertungDurchg[1] = 111;
    f.FormPaint();

    const int zeile2 = GetTeilnehmerEdvNr(f.GetAktWettPtr(), 2)->ZeilenNr[TabWertung];
    ASSERT_EQ(zeile2, 2);
    Tippen(g, zeile2, erste + 1, "7:00");
    for (int i = 0; i < 3; ++i) f.WertungCaptureTimerTimer();
    Taste(g, Qt::Key_Down);
    EXPECT_DOUBLE_EQ(Eintrag(f, 2)->WertungDurchg[1], 420.0);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 111.0);
    EXPECT_EQ(Zelle(g, 1, erste + 1), "1:51");
    EXPECT_EQ(Zelle(g, 2, erste + 1), "7:00");
}

// "Oldtimer Funfly" with three judges has 15 value columns: every one is there
// and reaches its own slot.
TEST_F(WertungTest, MehrWertspaltenAlsFruehereSiebzehnSpalten) {
    const std::string datei = Pfad("oldie.wtb");
    WettbewerbSchreiben(datei, "Oldtimer Funfly", {{"Otto", "Alt", "MFC"}}, 3);
    TMainForm& f = Oeffnen(datei);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    EXPECT_EQ(erste, 6);
    ASSERT_EQ(g->columnCount(), erste + 15);
    EXPECT_EQ(Kopf(g, erste), "S");
    EXPECT_EQ(Kopf(g, erste + 5), "S"); // judge 2
    EXPECT_EQ(Kopf(g, erste + 14), "!");

    Tippen(g, 1, erste + 5, "7"); // judge 2, first value
    Taste(g, Qt::Key_Tab);
    g->setCurrentCell(0, erste + 14);
    Tippen(g, 1, erste + 14, "9"); // judge 3, last value
    Taste(g, Qt::Key_Return);
    WertungTyp* e = Eintrag(f, 1);
    EXPECT_DOUBLE_EQ(e->WertungPunktr[6], 7.0);
    EXPECT_DOUBLE_EQ(e->WertungPunktr[15], 9.0);
    EXPECT_DOUBLE_EQ(e->WertungPunktr[16], 0.0);
    // Enter on the last value of the last pilot: no pilot follows, the cursor
    // stays (the free rows below take no values)
    EXPECT_EQ(g->currentRow(), 0);
    EXPECT_EQ(g->currentColumn(), erste + 14);
    g->setCurrentCell(g->rowCount() - 1, erste + 14);
    Taste(g, Qt::Key_Return);
    EXPECT_EQ(g->currentRow(), g->rowCount() - 1);
    EXPECT_EQ(g->currentColumn(), erste + 14);
    // the same in the reflight grid's header
    EXPECT_EQ(f.Grid(TabRefly)->columnCount(), ReflyErsteWertSpalte + 15);
}

// Moving around a file with odd stored values, without typing, changes
// nothing: no save query, the file stays byte for byte.
TEST_F(WertungTest, UnberuehrteDateiUeberstehtCursorbewegungen) {
    const std::string datei = Pfad("unberuehrt.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}});
    {
        // values the display cannot show exactly: hundredths, a distance of 0, a huge height
        WettbewerbTyp* w = nullptr;
        DatenWettbewerbLoad(w, datei, nullptr);
        ASSERT_NE(w, nullptr);
        WertungTyp* e = GetWertungPtr(w, GetDurchgangPtr(w, 1), 1);
        e->WertungDurchg[1] = 65.55;
        e->WertungPunktr[1] = 0;
        e->WertungDurchg[2] = 123456789;
        GetWertungPtr(w, GetDurchgangPtr(w, 1), 2)->WertungDurchg[1] = 300;
        w->CalcWertung = true;
        ASSERT_TRUE(DatenWettbewerbSave(w, datei, 3, false).Ok);
        DatenWettbewerbDispose(w);
    }
    const std::string vorher = DateiInhalt(datei);
    TMainForm& f = Oeffnen(datei);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    g->setFocus();
    g->setCurrentCell(0, erste);
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down})
        Taste(g, k);
    Klick(g, 1, erste + 2);
    f.WertungCaptureTimerTimer();
    Klick(g, 2, erste + 1);
    f.TabWaehlen(TabRefly);
    f.TabWaehlen(TabWertung);
    f.SetDurchgangNr(2);
    f.SetDurchgangNr(1);
    WettbewerbTyp* w = f.GetAktWettPtr();
    EXPECT_FALSE(w->modified);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 65.55);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungPunktr[1], 0.0);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[2], 123456789.0);
    EXPECT_TRUE(f.WettbewerbAufraeumen());
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(DateiInhalt(datei), vorher);
}

// In the order by place a typed score re-sorts the rows: the cursor stays on
// the participant it went to.
TEST_F(WertungTest, CursorBleibtNachUmsortierenBeimTeilnehmer) {
    const std::string datei = Pfad("platz.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)",
                        {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}, {"Clara", "Conrad", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    WettbewerbTyp* w = f.GetAktWettPtr();
    for (int i = 1; i <= 3; ++i) {
        WertungTyp* e = Eintrag(f, i);
        e->WertungPunktr[1] = 1;
        e->WertungDurchg[1] = 100.0 * i;
        e->WertungDurchg[2] = 50;
    }
    w->CalcWertung = true;
    f.WettbewerbNeuBerechnen();
    f.ChangeSort(SortPlatz);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    // by place: Conrad, Berger, Adler
    ASSERT_EQ(Zelle(g, 1, 2), "Conrad Clara");
    ASSERT_EQ(Zelle(g, 3, 2), "Adler Anna");
    // Adler (last row) flies longest; the cursor then goes up to Berger's row
    g->setCurrentCell(1, erste);
    QApplication::processEvents();
    Tippen(g, 3, erste + 1, "9:00");
    Taste(g, Qt::Key_Up);
    ASSERT_EQ(Zelle(g, 1, 2), "Adler Anna");
    EXPECT_EQ(Zelle(g, g->currentRow() + 1, 2), "Berger Bernd");
    EXPECT_EQ(g->currentColumn(), erste + 1);
    // typing now goes into Berger's entry
    Tippen(g, g->currentRow() + 1, erste + 1, "2:30");
    Taste(g, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Eintrag(f, 2)->WertungDurchg[1], 150.0);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 540.0);
}

// The reflight grid: only participants with a reflight entry can be typed in;
// values go into the reflight entry, the computed columns show both flights.
TEST_F(WertungTest, ReflightListe) {
    const std::string datei = Pfad("refly.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    WettbewerbTyp* w = f.GetAktWettPtr();
    DurchgangTyp* d1 = GetDurchgangPtr(w, 1);
    GruppeTyp* rg = DatenGruppeGetPtr(d1->GruppePtr, 1, 1);
    WertungTyp* refly = DatenWertungInGroupGetPtr(d1, rg, 2);
    refly->ReflyVerursacher = false;
    f.TabWaehlen(TabRefly);
    f.ReinitAndRedraw();
    TabellenGitter* g = G(f, TabRefly);
    EXPECT_EQ(Kopf(g, 4), "Rohpunkte");
    EXPECT_EQ(Kopf(g, 5), "Reflight");
    EXPECT_EQ(Kopf(g, 6), "Vorrunde");
    EXPECT_EQ(Kopf(g, 7), "Ergebnis");
    const int zeileAdler = GetTeilnehmerEdvNr(w, 1)->ZeilenNr[TabRefly];
    const int zeileBerger = GetTeilnehmerEdvNr(w, 2)->ZeilenNr[TabRefly];
    // no reflight for Adler: his cells do not open
    g->setFocus();
    g->setCurrentCell(zeileAdler - 1, ReflyErsteWertSpalte);
    QTest::keyClick(g, '5');
    EXPECT_EQ(Editor(g), nullptr);
    Tippen(g, zeileBerger, ReflyErsteWertSpalte + 1, "6:00");
    Taste(g, Qt::Key_Return);
    refly = DatenWertungGetPtr(GetDurchgangPtr(w, 1), 2, 1); // the recompute may re-chain entries
    ASSERT_NE(refly, nullptr);
    EXPECT_DOUBLE_EQ(refly->WertungDurchg[1], 360.0);
    EXPECT_DOUBLE_EQ(Eintrag(f, 2)->WertungDurchg[1], 0.0);
    EXPECT_LT(w->Status, 70); // Enter in the reflight grid leaves the progress mark
    refly->ReflyVerursacher = true;
    f.FormPaint();
    EXPECT_EQ(Zelle(g, zeileBerger, 6), "Verursacher");
}

// Texts the column does not take are not stored: the status bar says what
// was not understood (before, "abc" was stored as a
// landing at 0 m and "9:5O" as 9:05).
// A text the reader refuses stores nothing: its cell stays in edit with the
// text, the message is in the status bar and the editor's tooltip, and the row
// is kept against Enter and a click into another row; a text the column takes
// then goes through and the message goes.
TEST_F(WertungTest, NichtVerstandeneEingabeWirdNichtGespeichert) {
    const std::string datei = Pfad("abgelehnt.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    struct Fall {
        int Spalte;
        const char* Text;
        const char* Meldung;
        const char* Richtig; // typed afterwards in a form the column takes
        double Wert;
        bool Klick; // the row is left by a click instead of Enter
    } faelle[] = {
        {erste, "abc", "„abc“ in der Spalte „Abstand[m]“ nicht verstanden", "2", 2, false},
        {erste + 1, "9:5O", "„O“ an Stelle 4", "9:50", 590, true},
        {erste + 1, "5,5", "mehrdeutig", "5:30", 330, false},
        {erste + 2, "hundert", "keine Zahl", "120", 120, false}, // the last value: Enter would go to the next pilot
    };
    const auto slot = [&](int Spalte) {
        WertungTyp* e = Eintrag(f, 1);
        return !e ? 0.0 : Spalte == erste ? e->WertungPunktr[1] : e->WertungDurchg[Spalte - erste];
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.Text);
        const double vorher = slot(c.Spalte);
        Tippen(g, 1, c.Spalte, c.Text);
        f.WertungCaptureTimerTimer(); // while typing: nothing stored, no message yet
        EXPECT_TRUE(f.statusBar()->currentMessage().isEmpty());
        if (c.Klick)
            Klick(g, 2, erste);
        else
            Taste(g, Qt::Key_Return);
        const std::string m = f.statusBar()->currentMessage().toStdString();
        EXPECT_NE(m.find(c.Meldung), std::string::npos) << m;
        EXPECT_DOUBLE_EQ(slot(c.Spalte), vorher);
        // still in the cell, in edit, with the typed text and the message as tooltip
        EXPECT_EQ(g->currentRow(), 0);
        EXPECT_EQ(g->currentColumn(), c.Spalte);
        EXPECT_EQ(Zelle(g, 1, c.Spalte), c.Text);
        QLineEdit* e = Editor(g);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->text().toStdString(), c.Text);
        EXPECT_EQ(e->toolTip().toStdString(), m);
        // typed right in the open editor, the value is stored and the message goes
        e->selectAll();
        QTest::keyClicks(e, c.Richtig);
        Taste(g, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(slot(c.Spalte), c.Wert);
        EXPECT_TRUE(f.statusBar()->currentMessage().isEmpty()) << f.statusBar()->currentMessage().toStdString();
    }
    // Escape in a refused cell brings back the stored value; the row can be left.
    const std::string gespeichert = Zelle(g, 1, erste);
    Tippen(g, 1, erste, "zwei");
    Taste(g, Qt::Key_Return);
    ASSERT_NE(Editor(g), nullptr);
    Taste(g, Qt::Key_Escape);
    EXPECT_EQ(Editor(g), nullptr);
    EXPECT_EQ(Zelle(g, 1, erste), gespeichert);
    Klick(g, 2, erste);
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_DOUBLE_EQ(slot(erste), 2);
}

// Enter and Tab walk the value cells pilot by pilot, so that a flight costs
// its values plus one key per value: the computed cells and the empty row
// between two groups are skipped; Shift+Tab goes back.
TEST_F(WertungTest, EnterUndTabGehenDurchDieWerteZumNaechstenPiloten) {
    const std::string datei = Pfad("folge.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)",
                        {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}, {"Clara", "Conrad", "MFC"}}, 1, 2);
    TMainForm& f = Oeffnen(datei);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    ASSERT_EQ(g->Tabelle().Zeilen[2].Art, ZeilenArt::Trenner);
    const int zeilen[3] = {1, 2, 4}; // the pilots' rows; row 3 is the group separator
    g->setFocus();
    g->setCurrentCell(0, 2); // the name: Enter goes to the first value
    Taste(g, Qt::Key_Return);
    const QString werte[3] = {"1", "5:00", "100"};
    for (int p = 0; p < 3; ++p)
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(p * 3 + k);
            ASSERT_EQ(g->currentRow() + 1, zeilen[p]);
            ASSERT_EQ(g->currentColumn(), erste + k);
            Tippen(g, zeilen[p], erste + k, werte[k]);
            Taste(g, k == 1 ? Qt::Key_Tab : Qt::Key_Return);
        }
    for (int edv = 1; edv <= 3; ++edv) EXPECT_DOUBLE_EQ(Eintrag(f, edv)->WertungDurchg[1], 300.0) << edv;
    // at the last value of the grid the cursor stays; Shift+Tab goes back over the separator
    EXPECT_EQ(g->currentRow() + 1, 4);
    EXPECT_EQ(g->currentColumn(), erste + 2);
    g->setCurrentCell(3, erste);
    QTest::keyClick(g, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(g->currentRow() + 1, 2);
    EXPECT_EQ(g->currentColumn(), erste + 2);
}

// Undo and redo of a typed flight: named in the menu, back to the saved state
// clears the modified mark, and undo works across a save.
TEST_F(WertungTest, RueckgaengigUndWiederherstellen) {
    const std::string datei = Pfad("undo.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    QAction* undo = f.RueckgaengigAction();
    QAction* redo = f.WiederherstellenAction();
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(f.GetAktWettPtr()->modified);

    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    const int zeile = GetTeilnehmerEdvNr(f.GetAktWettPtr(), 1)->ZeilenNr[TabWertung];
    Tippen(g, zeile, erste + 1, "5:00");
    Taste(g, Qt::Key_Return);
    Taste(g, Qt::Key_Return);
    Taste(g, Qt::Key_Return); // the row is left
    QTest::qWait(300);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 300.0);
    EXPECT_TRUE(f.GetAktWettPtr()->modified);
    EXPECT_EQ(undo->text().toStdString(), "Rückgängig: Wertung Adler Anna, 1. Vorrunde");
    ASSERT_TRUE(undo->isEnabled());

    undo->trigger();
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 0.0);
    EXPECT_FALSE(f.GetAktWettPtr()->modified); // back at the state of the file
    EXPECT_EQ(Zelle(g, zeile, erste + 1), "0:00");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text().toStdString(), "Wiederherstellen: Wertung Adler Anna, 1. Vorrunde");
    redo->trigger();
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 300.0);
    EXPECT_TRUE(f.GetAktWettPtr()->modified);
    EXPECT_FALSE(redo->isEnabled());

    // saved, then undone across the save and redone back to it
    f.FunctionSichernClick();
    EXPECT_FALSE(f.GetAktWettPtr()->modified);
    undo->trigger();
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 0.0);
    EXPECT_TRUE(f.GetAktWettPtr()->modified);
    redo->trigger();
    EXPECT_FALSE(f.GetAktWettPtr()->modified);
    EXPECT_DOUBLE_EQ(Eintrag(f, 1)->WertungDurchg[1], 300.0);
}

// The command line enters the same texts as the grid: both files are equal.
TEST_F(WertungTest, EintragenUndListeGebenDieselbeDatei) {
    const std::string basis = Pfad("basis.wtb");
    WettbewerbSchreiben(basis, "F5J (B-Mod 2025)",
                        {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}, {"Clara", "Conrad", "MFC"}});
    const std::string perCli = Pfad("cli.wtb"), perListe = Pfad("liste.wtb");
    std::filesystem::copy_file(basis, perCli);
    std::filesystem::copy_file(basis, perListe);

    const clitest::Lauf l =
        clitest::Starte("eintragen \"" + perCli + "\" --durchgang 1 --startnr 2 12 3:25.4 150");
    ASSERT_EQ(l.Rueckgabe, 0) << l.Fehler;

    TMainForm& f = Oeffnen(perListe);
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    const int z = GetTeilnehmerEdvNr(f.GetAktWettPtr(), 2)->ZeilenNr[TabWertung];
    g->setCurrentCell(z - 1, erste);
    QApplication::processEvents();
    Tippen(g, z, erste, "12");
    Taste(g, Qt::Key_Return);
    Tippen(g, z, erste + 1, "3:25.4");
    Taste(g, Qt::Key_Return);
    Tippen(g, z, erste + 2, "150");
    Taste(g, Qt::Key_Return);
    f.FunctionSichernClick();
    fenster.reset();

    const std::string a = DateiInhalt(perCli), b = DateiInhalt(perListe);
    EXPECT_NE(a, DateiInhalt(basis));
    EXPECT_EQ(a, b);
}

} // namespace
} // namespace tavuran::test

namespace tavuran::test {
namespace {

std::vector<std::string>* QtWarnungen = nullptr;

void WarnungMerken(QtMsgType, const QMessageLogContext&, const QString& Text) {
    if (QtWarnungen) QtWarnungen->push_back(Text.toStdString());
}

// The score grid losing focus (to another widget, or when the window goes) is
// no cell editor losing it: nothing asks the grid to commit an editor that is
// not its own, which Qt reports on stderr.
TEST_F(WertungTest, FokusWechselOhneFremdenEditor) {
    const std::string datei = Pfad("fokus.wtb");
    WettbewerbSchreiben(datei, "F5J (B-Mod 2025)", {{"Anna", "Adler", "MFC"}, {"Bernd", "Berger", "MFC"}});
    TMainForm& f = Oeffnen(datei);
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    TabellenGitter* g = G(f);
    const int erste = f.WertungErsteWertSpalte(TabWertung);
    std::vector<std::string> warnungen;
    QtWarnungen = &warnungen;
    const QtMessageHandler vorher = qInstallMessageHandler(WarnungMerken);
    Tippen(g, 1, erste + 2, "120");
    Taste(g, Qt::Key_Return);
    ASSERT_TRUE(g->hasFocus());
    f.Reiter()->setFocus();
    QApplication::processEvents();
    g->setFocus();
    QApplication::processEvents();
    fenster.reset();
    QApplication::processEvents();
    qInstallMessageHandler(vorher);
    QtWarnungen = nullptr;
    for (const std::string& w : warnungen) EXPECT_EQ(w.find("commitData"), std::string::npos) << w;
    for (const std::string& w : warnungen) EXPECT_EQ(w.find("closeEditor"), std::string::npos) << w;
}

} // namespace
} // namespace tavuran::test
