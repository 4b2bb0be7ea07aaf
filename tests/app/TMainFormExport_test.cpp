// The export commands of the main window: the save dialogs of the short HTML
// lists, the HTML result dialog and the CSV dialog, driven offscreen. A file
// name is remembered, the progress mark raised and the page opened only after
// the file was written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QTableWidget>

#include "app/TExportForm.h"
#include "app/THtmlExportForm.h"
#include "app/TStartReihenfolgeNichtErmitteltForm.h"
#include "app/Verzeichnisse.h"
#include "core/DatenWettbewerb.h"
#include "exchange/CsvExport.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ExportBeispiel.h"
#include "platform/Browser.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

std::string Inhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class ExportFensterTest : public FensterTest {
  protected:
    void SetUp() override {
        FensterTest::SetUp();
        SetStartupBrowserHandler([this](const std::string& d) { geoeffnet.push_back(d); });
    }
    void TearDown() override {
        SetStartupBrowserHandler({});
        FensterTest::TearDown();
    }
    // The window with the export competition; Anpassen changes it before it is written.
    TMainForm& MitBeispielStarten(void (*Anpassen)(WettbewerbTyp*) = nullptr) {
        WettbewerbTyp* w = exporttest::ExportBeispiel();
        if (Anpassen) Anpassen(w);
        const std::string datei = Dokumente() + "pokal.wtb";
        EXPECT_TRUE(DatenWettbewerbSave(w, datei, 3, false).Ok);
        DatenWettbewerbDispose(w);
        TMainForm& f = Fenster({QString::fromStdString(datei)});
        Starten(f);
        EXPECT_NE(f.GetAktWettPtr(), nullptr);
        return f;
    }
    std::vector<std::string> geoeffnet;
};

TEST_F(ExportFensterTest, KurzlistenNurNachErfolgGemerktUndGeoeffnet) {
    TMainForm& f = MitBeispielStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    struct Fall {
        const char* Name;
        void (TMainForm::*Befehl)();
        int PathFor;
    } const faelle[] = {
        {"Meldungen", &TMainForm::HTMLExportMeldung, PfadMeldung},
        {"Teamergebnis", &TMainForm::HTMLExportTeamergebnis, PfadTeamergebnis},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        // cancelled: nothing is written (the proposal itself is kept as the kind's name)
        anfragen.clear();
        (f.*fall.Befehl)();
        const std::string vorher = w->WettbewerbFileNamen[fall.PathFor];
        EXPECT_FALSE(std::filesystem::exists(vorher));
        ASSERT_EQ(anfragen.size(), 1u);
        EXPECT_EQ(anfragen[0].Filter, "HTML-Datei (*.html)|*.html|Alle Dateien (*.*)|*.*");
        EXPECT_TRUE(geoeffnet.empty());
        // a folder that does not exist: the user is told, nothing is remembered
        meldungen.clear();
        dateiAntworten.push_back({true, Dokumente() + "fehlt/liste.html", 1});
        (f.*fall.Befehl)();
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_NE(meldungen[0].find("konnte nicht geschrieben werden"), std::string::npos);
        EXPECT_EQ(w->WettbewerbFileNamen[fall.PathFor], vorher);
        EXPECT_TRUE(geoeffnet.empty());
        // written: remembered with ".html", opened. The name with ".html" is
        // not the one the dialog asked about: the file the first list wrote
        // there is replaced by the second only after asking.
        w->modified = false;
        meldungen.clear();
        frageAntwort = UiAntwort::Ja;
        dateiAntworten.push_back({true, Dokumente() + "liste.htm", 1});
        (f.*fall.Befehl)();
        EXPECT_EQ(meldungen.size(), fall.PathFor == PfadMeldung ? 0u : 1u);
        const std::string datei = Dokumente() + "liste.html";
        EXPECT_TRUE(std::filesystem::exists(datei));
        EXPECT_EQ(w->WettbewerbFileNamen[fall.PathFor], datei);
        EXPECT_TRUE(w->modified);
        ASSERT_EQ(geoeffnet.size(), 1u);
        EXPECT_EQ(geoeffnet[0], datei);
        geoeffnet.clear();
    }
}

TEST_F(ExportFensterTest, StartlisteAusDemDruckmenuePrueftDieEinteilung) {
    TMainForm& f = MitBeispielStarten([](WettbewerbTyp* w) { GetTeilnehmerEdvNr(w, 4)->Gruppe[2] = 0; });
    f.HTMLExportStartliste(true);
    EXPECT_TRUE(anfragen.empty());
    EXPECT_TRUE(f.HinweisForm()->isVisible());
    f.HinweisForm()->hide();
    // the Export menu's item does not check
    dateiAntworten.push_back({true, Dokumente() + "start.html", 1});
    f.HTMLExportStartliste(false);
    EXPECT_EQ(anfragen.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(Dokumente() + "start.html"));
}

TEST_F(ExportFensterTest, ErgebnisDialogMitVoreinstellungUndFehlschlag) {
    TMainForm& f = MitBeispielStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    const int status = w->Status;
    ASSERT_LT(status, StatusVeroeffentlicht);
    THtmlExportForm* d = f.HtmlExportDialog();
    f.ErgebnislisteHTMLExportClick();
    ASSERT_TRUE(d->isVisible());
    // "Manuelle Auswertung": no score lists, no internal links, links to an overall result
    EXPECT_FALSE(d->WertungCheckBox->isChecked());
    EXPECT_FALSE(d->LinkCheckBox->isChecked());
    EXPECT_TRUE(d->TwLinkCheckBox->isChecked());
    EXPECT_TRUE(d->StatistikCheckBox->isChecked());
    EXPECT_FALSE(d->ImportCheckBox->isEnabled());
    EXPECT_EQ(d->ImportListBox->count(), 0);

    dateiAntworten.push_back({true, Dokumente() + "fehlt/ergebnis.html", 1});
    d->DateiNameButtonClick();
    EXPECT_FALSE(d->OkButtonClick());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(w->Status, status);
    EXPECT_TRUE(geoeffnet.empty());
    ASSERT_EQ(meldungen.size(), 1u);

    dateiAntworten.push_back({true, Dokumente() + "ergebnis", 1});
    d->DateiNameButtonClick();
    EXPECT_EQ(d->DateiName(), Dokumente() + "ergebnis.html");
    EXPECT_TRUE(d->OkButtonClick());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(w->Status, StatusVeroeffentlicht);
    EXPECT_EQ(w->WettbewerbFileNamen[PfadErgebnis], Dokumente() + "ergebnis.html");
    EXPECT_EQ(geoeffnet, std::vector<std::string>{Dokumente() + "ergebnis.html"});
    EXPECT_NE(Inhalt(Dokumente() + "ergebnis.html").find("Teilgenommen haben 4 Teilnehmer"), std::string::npos);
    // declared final by the user
    f.ErgebnislisteHTMLExportClick();
    EXPECT_FALSE(d->EndgueltigCheckBox->isChecked());
    d->EndgueltigCheckBox->setChecked(true);
    EXPECT_TRUE(d->Optionen().Endgueltig);
    EXPECT_TRUE(d->OkButtonClick());
    EXPECT_NE(Inhalt(Dokumente() + "ergebnis.html").find(", endgültig</p>"), std::string::npos);
}

TEST_F(ExportFensterTest, CsvDialogZeigtWasGeschriebenWird) {
    TMainForm& f = MitBeispielStarten();
    WettbewerbTyp* w = f.GetAktWettPtr();
    TExportForm* d = f.CsvExportDialog();
    f.CsvExportClick();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle().toStdString(), "Wettbewerbsergebnis als CSV-Exceldatei exportieren");
    EXPECT_EQ(d->DateiName(), Dokumente() + "Frühjahrspokal 2025.csv");
    d->NurJugendCheckBox->setChecked(true);
    d->WettbewerbsdatenCheckBox->setChecked(true);
    const CsvTabelle t = ErgebnisExcelPreview(w, d->Optionen());
    QTableWidget* g = d->PreViewStringGrid;
    ASSERT_EQ(g->rowCount(), t.Zeilen());
    ASSERT_EQ(g->columnCount(), t.Spalten());
    EXPECT_EQ(g->item(0, 0)->text().toStdString(), "Jug-Platz");
    EXPECT_EQ(g->item(1, 1)->text().toStdString(), "Adler Anna");
    for (int r = 0; r < t.Zeilen(); ++r)
        for (int c = 0; c < t.Spalten(); ++c) EXPECT_EQ(g->item(r, c)->text().toStdString(), t.Zellen[r][c]);

    const int status = w->Status;
    ASSERT_TRUE(d->ErzeugeButtonClick());
    bool ersetzt = false;
    EXPECT_EQ(Inhalt(d->DateiName()), CsvText(t, ersetzt));
    EXPECT_EQ(Inhalt(d->DateiName()).rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 mit Byte-Order-Mark";
    EXPECT_EQ(w->Status, status);
    // Windows-1252 for older programs
    f.CsvExportClick();
    d->Windows1252CheckBox->setChecked(true);
    dateiAntworten.push_back({true, Dokumente() + "alt.csv", 1});
    d->DateiNameButtonClick();
    ASSERT_TRUE(d->ErzeugeButtonClick());
    EXPECT_EQ(Inhalt(d->DateiName()), CsvText(t, ersetzt, CsvZeichensatz::Windows1252));

    // closing the competition hides both dialogs and makes them forget it
    f.CsvExportClick();
    f.ErgebnislisteHTMLExportClick();
    emit f.WettbewerbSchliesst(w);
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(f.HtmlExportDialog()->isVisible());
    EXPECT_EQ(f.HtmlExportDialog()->Wettbewerb(), nullptr);
    EXPECT_FALSE(d->ErzeugeButtonClick());
}

TEST_F(ExportFensterTest, DISABLED_Bild) {
    TMainForm& f = MitBeispielStarten();
    const char* ordner = std::getenv("TAVURAN_BILD_ORDNER");
    const QString o = ordner ? QString::fromUtf8(ordner) : QDir::tempPath();
    f.ErgebnislisteHTMLExportClick();
    QApplication::processEvents();
    ASSERT_TRUE(f.HtmlExportDialog()->grab().save(o + "/html_export.png"));
    f.CsvExportClick();
    QApplication::processEvents();
    ASSERT_TRUE(f.CsvExportDialog()->grab().save(o + "/csv_export.png"));
}

} // namespace
} // namespace tavuran::test
