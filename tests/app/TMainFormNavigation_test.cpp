// Finding one's way in the main window's grids, driven offscreen: the frozen
// numbers and name while scrolling right, the round bar of the score grids
// with Ctrl+Page Up/Down, and Ctrl+F / F3 to find a pilot.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/TabellenGitter.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

class NavigationTest : public FensterTest {
  protected:
    // An F5J competition with four pilots in round 1's group 1; start number
    // 12 and registration number 12 belong to two of them.
    TMainForm& Oeffnen(int Breite = 1366, int Hoehe = 768) {
        const std::string datei = Pfad("navi.wtb");
        WettbewerbTyp* w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
        w->Name = "Sommerpokal";
        w->Datum = {5, 7, 2025};
        DatenRegelLoad(w->RegelPtr, "F5J (B-Mod 2025)", &w->Datum);
        DatenRegelToWettbewerb(w, w->RegelPtr);
        const char* namen[][2] = {{"Anna", "Adler"}, {"Bernd", "Berger"}, {"Maximilian", "Müller-Lüdenscheidt"}, {"Uwe", "Überall"}};
        for (int nr = 1; nr <= 4; ++nr) {
            TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
            t->Name.VornameStr = namen[nr - 1][0];
            t->Name.NachnameStr = namen[nr - 1][1];
            t->Verein = "MFC Nord";
            t->MeldgNr = t->StartNr = nr;
            for (int r = 1; r <= MaxDurchgaenge; ++r) {
                t->Gruppe[r] = 1;
                t->Startplatz[r] = nr;
            }
        }
        GetTeilnehmerEdvNr(w, 3)->StartNr = 12;
        GetTeilnehmerEdvNr(w, 4)->MeldgNr = 12;
        SortAll(w);
        const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, datei, 3, false);
        DatenWettbewerbDispose(w);
        EXPECT_TRUE(e.Ok) << e.Grund;
        TMainForm& f = Fenster({QString::fromStdString(datei)});
        Starten(f);
        f.setWindowState(Qt::WindowNoState);
        f.resize(Breite, Hoehe);
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        QApplication::processEvents();
        return f;
    }

    static void Rechts(TabellenGitter* g) {
        g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum());
        QApplication::processEvents();
    }
};

// Scrolled right, the numbers and the name stay in sight over the grid and
// follow its rows, widths and cursor; a click there selects the row without
// scrolling back; editing a frozen cell brings the grid back to its left edge.
TEST_F(NavigationTest, NummernUndNameBleibenBeimRollenNachRechtsStehen) {
    TMainForm& f = Oeffnen(640, 480);
    for (int tab : {TabTeilnehmer, TabWertung}) {
        SCOPED_TRACE(tab);
        f.TabWaehlen(tab);
        QApplication::processEvents();
        TabellenGitter* g = f.Grid(tab);
        QTableView* fest = g->Gefroren();
        ASSERT_EQ(g->Tabelle().GefroreneSpalten, 3);
        EXPECT_FALSE(fest->isVisible()); // at the left edge the grid's own columns are in place
        Rechts(g);
        ASSERT_GT(g->horizontalScrollBar()->value(), 0) << "the grid must be wider than the window";
        ASSERT_TRUE(fest->isVisible());
        EXPECT_EQ(fest->width(), g->columnWidth(0) + g->columnWidth(1) + g->columnWidth(2));
        for (int c = 0; c < g->columnCount(); ++c) EXPECT_EQ(fest->isColumnHidden(c), c >= 3) << c;
        EXPECT_EQ(fest->model()->headerData(2, Qt::Horizontal).toString(), "Name");
        // The frozen name is the one of the row beside it.
        const QModelIndex name = fest->model()->index(2, 2);
        EXPECT_EQ(fest->indexAt(fest->visualRect(name).center()), name);
        EXPECT_EQ(name.data().toString().trimmed(), "Müller-Lüdenscheidt Maximilian");
        // Widths and the vertical position follow the grid.
        g->setColumnWidth(2, g->columnWidth(2) + 30);
        QApplication::processEvents();
        EXPECT_EQ(fest->columnWidth(2), g->columnWidth(2));
        EXPECT_EQ(fest->width(), g->columnWidth(0) + g->columnWidth(1) + g->columnWidth(2));
        g->verticalScrollBar()->setValue(3);
        EXPECT_EQ(fest->verticalScrollBar()->value(), 3);
        g->verticalScrollBar()->setValue(0);
        // A click on a frozen cell selects it in the grid, which stays scrolled right.
        const int rechts = g->horizontalScrollBar()->value();
        QTest::mouseClick(fest->viewport(), Qt::LeftButton, {}, fest->visualRect(fest->model()->index(1, 2)).center());
        QApplication::processEvents();
        EXPECT_EQ(g->currentRow(), 1);
        EXPECT_EQ(g->currentColumn(), 2);
        EXPECT_EQ(g->horizontalScrollBar()->value(), rechts);
        EXPECT_TRUE(g->hasFocus());
        // A cell right of the frozen ones is brought out from under them.
        g->setCurrentCell(1, 3);
        QApplication::processEvents();
        EXPECT_GE(g->visualRect(g->currentIndex()).left(), fest->width());
    }
    // Typing into a frozen name: the grid goes to its left edge, the editor shows.
    f.TabWaehlen(TabTeilnehmer);
    TabellenGitter* g = f.Grid(TabTeilnehmer);
    Rechts(g);
    QTableView* fest = g->Gefroren();
    const QPoint adler = fest->visualRect(fest->model()->index(0, 2)).center();
    QTest::mouseClick(fest->viewport(), Qt::LeftButton, {}, adler);
    QTest::mouseDClick(fest->viewport(), Qt::LeftButton, {}, adler);
    QApplication::processEvents();
    EXPECT_EQ(g->horizontalScrollBar()->value(), 0);
    EXPECT_FALSE(fest->isVisible());
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : g->findChildren<QLineEdit*>())
        if (e->isVisible()) editor = e;
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text().trimmed(), "Adler Anna");
}

// The score tabs name their round and change it through the selector, the
// view menu and Ctrl+Page Up/Down, all three agreeing.
TEST_F(NavigationTest, DurchgangWaehlenUeberAuswahlMenueUndTasten) {
    TMainForm& f = Oeffnen();
    const int anzahl = f.GetAktWettPtr()->AnzDurchgaenge;
    ASSERT_GE(anzahl, 3);
    f.TabWaehlen(TabWertung);
    QApplication::processEvents();
    TabellenGitter* g = f.Grid(TabWertung);
    QComboBox* wahl = f.DurchgangAuswahl(TabWertung);
    ASSERT_TRUE(wahl->isVisible());
    ASSERT_EQ(wahl->count(), anzahl);
    EXPECT_EQ(wahl->itemText(1), "2. Vorrunde");
    auto pruefen = [&](int n) {
        EXPECT_EQ(f.GetDurchgangNr(), n);
        for (int tab : {TabWertung, TabRefly}) {
            EXPECT_EQ(f.DurchgangAuswahl(tab)->currentIndex(), n - 1);
            EXPECT_TRUE(f.DurchgangTitel(tab)->text().startsWith(wahl->itemText(n - 1)))
                << f.DurchgangTitel(tab)->text().toStdString();
            EXPECT_TRUE(f.DurchgangTitel(tab)->text().contains(QString("Durchgang %1 von %2").arg(n).arg(anzahl)));
        }
        EXPECT_TRUE(f.DurchgangAction(n)->isChecked());
    };
    pruefen(1);
    // The selector: a key chooses the next round as a click on it would.
    wahl->setFocus();
    QTest::keyClick(wahl, Qt::Key_Down);
    QApplication::processEvents();
    pruefen(2);
    EXPECT_TRUE(g->hasFocus()); // back to typing
    // The keys, from the grid, stopping at the first and last round.
    const struct {
        Qt::Key Taste;
        int Mal, Danach;
    } schritte[] = {{Qt::Key_PageUp, 1, 1}, {Qt::Key_PageUp, 1, 1}, {Qt::Key_PageDown, 2, 3},
                    {Qt::Key_PageDown, anzahl, anzahl}, {Qt::Key_PageUp, 1, anzahl - 1}};
    for (const auto& s : schritte) {
        for (int i = 0; i < s.Mal; ++i) QTest::keyClick(g, s.Taste, Qt::ControlModifier);
        QApplication::processEvents();
        pruefen(s.Danach);
    }
    // The view menu moves the selector too.
    f.DurchgangAction(1)->trigger();
    QApplication::processEvents();
    pruefen(1);
}

// Ctrl+F finds a pilot in the showing grid while typing, F3 and Enter the next
// one, from the top again after the last; nobody found leaves the cursor.
TEST_F(NavigationTest, PilotSuchenUndWeitersuchen) {
    TMainForm& f = Oeffnen();
    for (int tab : {TabTeilnehmer, TabStartreihenfolge, TabWertung, TabErgebnis}) {
        SCOPED_TRACE(tab);
        f.TabWaehlen(tab);
        QApplication::processEvents();
        TabellenGitter* g = f.Grid(tab);
        g->setFocus();
        g->setCurrentCell(0, 2);
        QTest::keyClick(g, Qt::Key_F, Qt::ControlModifier);
        QApplication::processEvents();
        QLineEdit* feld = f.SuchFeld();
        ASSERT_TRUE(feld->isVisible());
        ASSERT_TRUE(feld->hasFocus());
        feld->clear();
        auto name = [&] { return g->Text(g->currentRow(), 2); };
        // Berger and Überall, in the order of the tab (by place on the result tab).
        std::string erst = "Berger Bernd", dann = "Überall Uwe";
        if (g->Tabelle().ZeileVon(4) < g->Tabelle().ZeileVon(2)) std::swap(erst, dann);
        QTest::keyClicks(feld, "ber");
        EXPECT_EQ(name(), erst);
        EXPECT_EQ(f.SuchHinweis()->text(), "Treffer 1 von 2");
        QTest::keyClick(feld, Qt::Key_F3);
        EXPECT_EQ(name(), dann);
        QTest::keyClick(feld, Qt::Key_Return);
        EXPECT_EQ(name(), erst); // from the top again
        feld->clear();
        QTest::keyClicks(feld, "12"); // start number of one, registration number of the other
        const std::string erster = name();
        QTest::keyClick(g, Qt::Key_F3);
        EXPECT_NE(name(), erster);
        EXPECT_TRUE(name() == "Müller-Lüdenscheidt Maximilian" || name() == "Überall Uwe") << name();
        QTest::keyClicks(feld, "9");
        EXPECT_EQ(f.SuchHinweis()->text(), "Kein Pilot gefunden");
        EXPECT_TRUE(name() == "Müller-Lüdenscheidt Maximilian" || name() == "Überall Uwe") << name();
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(feld->isVisible());
        EXPECT_TRUE(g->hasFocus());
    }
}

} // namespace
} // namespace tavuran::test
