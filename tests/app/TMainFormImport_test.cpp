// The import commands of the main window driven offscreen: the registration
// import from the newest portal download, and a round of an overall ranking
// taken from another competition file.
#include <fstream>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "app/TabellenGitter.h"

#include "app/TDurchgangImportForm.h"
#include "app/TImportPortalForm.h"
#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_REGIST.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "tests/app/AppUmgebung.h"
#include "tests/exchange/ImportTestHilfen.h"

namespace tavuran::test {
namespace {

using importtest::WettbewerbSchreiben;

void Schreiben(const std::string& pfad, const std::string& bytes) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> Namen(TabellenGitter* g) {
    std::vector<std::string> out;
    for (int r = 0; r < g->rowCount(); ++r)
        if (!QString::fromStdString(g->Text(r, 2)).trimmed().isEmpty()) out.push_back(g->Text(r, 2));
    std::sort(out.begin(), out.end());
    return out;
}

class ImportFensterTest : public FensterTest {};

TEST_F(ImportFensterTest, AnmeldungenAusDemNeuestenDownload) {
    const std::string datei = Pfad("verein.wtb");
    WettbewerbSchreiben(datei, "Vereinsmeisterschaft", "F3J", {{"Otto", "Alt", 0}});
    Schreiben(Dokumente() + "download.csv",
              "Pilot First Name;Pilot Last Name;Pilot Is <18;Pilot Uses 2.4 GHz;Selected Caller\r\n"
              "J\xC3\xBCrgen;M\xC3\xBCller;no;yes;Otto Alt\r\n"
              "Anna;\"Sch\xC3\xA4" "fer;yes;yes;\r\n"
              "Anna;Sch\xC3\xA4" "fer;yes;yes;\r\n");
    TMainForm& f = Fenster({QString::fromStdString(datei)});
    Starten(f);
    f.ImportMenueAnpassen();
    EXPECT_TRUE(f.ImportPortalAction()->isEnabled());
    EXPECT_FALSE(f.DurchgangImportAction()->isEnabled());

    f.FktImportPortalClick();
    TImportPortalForm* d = f.ImportPortalForm();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->CsvFileEdit->text().toStdString(), Dokumente() + "download.csv");
    EXPECT_EQ(L_REGIST_GetStringValue(ImportPortalRegistryName, ""), Dokumente() + "download.csv");
    ASSERT_EQ(d->PreViewStringGrid->rowCount(), 3);
    EXPECT_EQ(d->PreViewStringGrid->item(0, 2)->text().toStdString(), "Müller");
    // The line with the stray quote is marked and says why.
    EXPECT_EQ(d->PreViewStringGrid->item(1, 0)->toolTip().toStdString(),
              "wird nicht importiert: ungerade Anzahl von Anführungszeichen");
    EXPECT_TRUE(d->ImportTeilnehmerButton->isEnabled());
    EXPECT_FALSE(d->ImportWettbewerbButton->isEnabled()); // the file has no competition columns

    d->ImportTeilnehmerButton->click();
    QApplication::processEvents();
    EXPECT_FALSE(d->isVisible());
    ASSERT_TRUE(d->BerichtFenster()->isVisible());
    const std::string bericht = d->BerichtFenster()->findChild<QPlainTextEdit*>()->toPlainText().toStdString();
    EXPECT_NE(bericht.find("3 Datenzeilen: 2 neu, 0 aktualisiert, 1 abgelehnt"), std::string::npos) << bericht;
    EXPECT_NE(bericht.find("  Zeile 3: ungerade Anzahl von Anführungszeichen"), std::string::npos) << bericht;
    EXPECT_EQ(Namen(f.Grid(TabTeilnehmer)), (std::vector<std::string>{"Alt Otto", "Müller Jürgen", "Schäfer Anna"}));
    const TeilnehmerTyp* mueller = GetTeilnehmerName(f.GetAktWettPtr(), "Müller Jürgen");
    ASSERT_NE(mueller, nullptr);
    EXPECT_EQ(mueller->Helfer[1], (NameTyp{"", "Otto", "Alt"}));
    EXPECT_TRUE(f.GetAktWettPtr()->modified);

    // The competition goes: the dialog hides and forgets it.
    f.FktImportPortalClick();
    EXPECT_TRUE(d->isVisible());
    emit f.WettbewerbSchliesst(f.GetAktWettPtr());
    EXPECT_FALSE(d->isVisible());
}

TEST_F(ImportFensterTest, DurchgangAusWettbewerbsdatei) {
    const std::string gesamt = Pfad("gesamt.wtb");
    const std::string quelle = Pfad("fruehjahr.wtb");
    WettbewerbSchreiben(gesamt, "Gesamtwertung 2026", "Gesamtwertung", {{"Otto", "Alt", 0}});
    WettbewerbSchreiben(quelle, "Frühjahr", "Manuelle Auswertung", {{"Otto", "Alt", 87.5}, {"Eva", "Neu", 100}});
    TMainForm& f = Fenster({QString::fromStdString(gesamt)});
    Starten(f);
    f.ImportMenueAnpassen();
    ASSERT_TRUE(f.DurchgangImportAction()->isEnabled());

    dateiAntworten.push_back({true, quelle, 1});
    f.FktDurchgangImportClick();
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].Filter, "Wettbewerbsdatei (*.wtb)|*.wtb");
    EXPECT_EQ(anfragen[0].StartName, "*.wtb");
    TDurchgangImportForm* d = f.DurchgangImportForm();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->DateiEdit->text().toStdString(), quelle);
    EXPECT_TRUE(d->DurchgangButton[3]->isVisible());
    EXPECT_FALSE(d->DurchgangButton[4]->isVisible()); // the overall ranking has 4 rounds
    d->DurchgangButton[1]->setChecked(true);
    d->OkButton->click();
    EXPECT_FALSE(d->isVisible());
    ASSERT_FALSE(meldungen.empty());
    EXPECT_EQ(meldungen.back(), "Durchgang 2: 2 Teilwertungen aus „Frühjahr“ übernommen, 1 Teilnehmer neu angelegt.\n"
                                "  neu: Neu Eva\n");
    WettbewerbTyp* w = f.GetAktWettPtr();
    EXPECT_EQ(w->WettbewerbImportFileName[2], quelle);
    const TeilnehmerTyp* otto = GetTeilnehmerName(w, "Alt Otto");
    EXPECT_DOUBLE_EQ(DatenWertungGetPtr(GetDurchgangPtr(w, 2), otto->EdvNr, 0)->WertungDurchg[1], 87.5);
    EXPECT_EQ(Namen(f.Grid(TabTeilnehmer)), (std::vector<std::string>{"Alt Otto", "Neu Eva"}));

    // The competition's own file is refused; the dialog stays open.
    dateiAntworten.push_back({true, gesamt, 1});
    f.FktDurchgangImportClick();
    d->OkButton->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(meldungen.back(), "Die Datei „" + gesamt + "“ ist die Datei dieses Wettbewerbs selbst.");
    d->AbbruchButton->click();
    EXPECT_FALSE(d->isVisible());
}

} // namespace
} // namespace tavuran::test
