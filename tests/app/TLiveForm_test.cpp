// The windows "Live-Ergebnisse" and "Eingänge" with the real server: a
// phone's submission shows up in the inbox, accepting it puts its values into
// the competition, closing the competition stops the server, and the
// notice-board page's QR code is the address.
#include <filesystem>

#include <QApplication>
#include <QSpinBox>
#include <QTableWidget>

#include "app/TEingaengeForm.h"
#include "app/TLiveForm.h"
#include "core/DatenDurchgang.h"
#include "evaluation/WertungEingabe.h"
#include "live/LiveZugang.h"
#include "netz/LiveServer.h"
#include "tests/app/AppUmgebung.h"
#include "tests/cli/CliLauf.h"
#include "tests/netz/NetzTestHilfen.h"

namespace tavuran::test {
namespace {

class LiveFensterTest : public FensterTest {
  protected:
    std::string Datei() {
        const std::string d = Pfad("live.wtb");
        std::filesystem::copy_file(std::string(TAVURAN_TEST_DATA) + "/wtb/format2_teilnehmer.wtb", d,
                                   std::filesystem::copy_options::overwrite_existing);
        return d;
    }
};

TEST_F(LiveFensterTest, EingabeVomTelefonAnnehmenUndServerEndetMitDemWettbewerb) {
    const std::string datei = Datei();
    TMainForm& f = Fenster({QString::fromStdString(datei)});
    Starten(f);
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    f.LiveErgebnisseClick();
    TLiveForm& live = *f.LiveForm();
    live.PortFeld()->setValue(0);
    ASSERT_TRUE(live.StartenClick()) << live.Meldung().toStdString();
    LiveServer& s = *f.LiveServerPtr();
    ASSERT_TRUE(s.Laeuft());
    ASSERT_FALSE(live.Adressen().empty());

    // Starting wrote the links' address; a code for pilot 2 in round 1.
    ZugangListeTyp z;
    std::string grund;
    ASSERT_TRUE(ZugangLesen(ZugangDateiName(datei), z, grund));
    EXPECT_EQ(z.Basis + "/", live.Adressen().front());
    ASSERT_TRUE(ZugangErgaenzen(f.GetAktWettPtr(), 1, z, grund));
    ASSERT_TRUE(ZugangSchreiben(ZugangDateiName(datei), z, grund));
    ASSERT_TRUE(s.Dienst().ZugangNeuLesen(grund));
    const std::string code = ZugangVon(z, 1, 2)->Code;

    std::string antwort;
    netztest::MitClient([&] { antwort = netztest::Anfrage(s.Port(), "POST", "/e/" + code, "w1=44&w2=8%3A20"); });
    EXPECT_EQ(netztest::Status(antwort), 200);

    f.EingaengeClick();
    TEingaengeForm& e = *f.EingaengeForm();
    ASSERT_EQ(e.Liste()->rowCount(), 1);
    EXPECT_EQ(e.Liste()->item(0, 5)->text().toStdString(), "44 | 8:20");
    EXPECT_EQ(e.Liste()->item(0, 7)->text().toStdString(), "offen");
    e.resize(1366, 768);
    e.show();
    QApplication::processEvents();
    e.grab().save(QString::fromStdString(testing::TempDir() + "tavuran_eingaenge_1366.png"));

    ASSERT_TRUE(e.AnnehmenClick(1)) << e.Meldung().toStdString();
    WettbewerbTyp* w = f.GetAktWettPtr();
    const WertungTyp* wert = DatenWertungGetPtr(DatenDurchgangSuchen(w, 1), 2, 0);
    ASSERT_NE(wert, nullptr);
    EXPECT_DOUBLE_EQ(WertSlot(wert, GetWertSpalten(w), 1), 44);
    EXPECT_DOUBLE_EQ(WertSlot(wert, GetWertSpalten(w), 2), 500);
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(e.Liste()->item(0, 7)->text().toStdString(), "angenommen");
    EXPECT_FALSE(e.AblehnenClick(1, "zu spät"));

    // The notice-board page carries the address as a QR code.
    const std::string pdf = Pfad("aushang.pdf");
    ASSERT_TRUE(live.AushangDruckenClick(pdf)) << live.Meldung().toStdString();
    ASSERT_EQ(std::system(("pdftoppm -r 50 -png \"" + pdf + "\" \"" + Pfad("aushang") + "\"").c_str()), 0);
    std::system(("zbarimg -q --raw \"" + Pfad("aushang-1.png") + "\" > \"" + Pfad("qr.txt") + "\"").c_str());
    EXPECT_EQ(clitest::Lies(Pfad("qr.txt")), live.Adressen().front() + "\n");

    ASSERT_TRUE(f.Sichern(w->FileFormatNr));
    ASSERT_TRUE(f.WettbewerbAufraeumen());
    EXPECT_FALSE(s.Laeuft());
    EXPECT_FALSE(s.Dienst().Offen());
    EXPECT_FALSE(e.isVisible());
}

} // namespace
} // namespace tavuran::test
