// The windows "Live-Ergebnisse" and "Eingänge" with the real server: a
// phone's submission shows up in the inbox, accepting it puts its values into
// the competition, closing the competition stops the server, and the
// notice-board page's QR code is the address.
#include <algorithm>
#include <filesystem>

#include <QApplication>
#include <QSpinBox>
#include <QTableWidget>

#include "app/TEingaengeForm.h"
#include "app/TLiveForm.h"
#include "app/TPreviewForm.h"
#include "core/DatenDurchgang.h"
#include "evaluation/WertungEingabe.h"
#include "live/LiveJournal.h"
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
    // The competition shown, its server started on an ephemeral port (which
    // writes the links' address beside the file).
    void ServerStarten(TMainForm& f) {
        Starten(f);
        ASSERT_NE(f.GetAktWettPtr(), nullptr);
        f.LiveErgebnisseClick();
        TLiveForm& live = *f.LiveForm();
        live.PortFeld()->setValue(0);
        ASSERT_TRUE(live.StartenClick()) << live.Meldung().toStdString();
    }
};

TEST_F(LiveFensterTest, EingabeVomTelefonAnnehmenUndServerEndetMitDemWettbewerb) {
    const std::string datei = Datei();
    TMainForm& f = Fenster({QString::fromStdString(datei)});
    ASSERT_NO_FATAL_FAILURE(ServerStarten(f));
    TLiveForm& live = *f.LiveForm();
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

// An acceptance in the window reaches the journal only with the saved file:
// without the save (a crash) the submission is pending at the next start, and
// "Sichern als" takes the codes and the journal along to the new name.
TEST_F(LiveFensterTest, AnnahmeErstMitDemGespeichertenWettbewerbImEingangsbuch) {
    const std::string datei = Datei();
    std::string grund;
    {
        ZugangListeTyp z;
        ASSERT_TRUE(ZugangSchreiben(ZugangDateiName(datei), z, grund));
        EingaengeTyp e;
        EingangTyp neu;
        neu.Durchgang = 1;
        neu.EdvNr = 2;
        neu.Werte = {"44", "8:20"};
        ASSERT_TRUE(EingangMelden(EingangJournalName(datei), e, neu, grund)) << grund;
    }
    auto status = [&](const std::string& Wtb) {
        EingaengeTyp e;
        std::string g;
        EXPECT_TRUE(EingaengeLesen(EingangJournalName(Wtb), e, g)) << g;
        const EingangTyp* x = EingangVon(e, 1);
        return x ? EingangStatusText(*x) : std::string("fehlt");
    };
    TMainForm& f = Fenster({QString::fromStdString(datei)});
    Starten(f);
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    f.EingaengeClick();
    TEingaengeForm& e = *f.EingaengeForm();
    ASSERT_TRUE(e.AnnehmenClick(1)) << e.Meldung().toStdString();
    EXPECT_EQ(e.Liste()->item(0, 7)->text().toStdString(), "angenommen");
    // Not saved yet: the next start would find the submission pending.
    EXPECT_EQ(status(datei), "offen");

    const std::string neu = Pfad("umbenannt.wtb");
    dateiAntworten.push_back({true, neu, 1});
    ASSERT_TRUE(f.SichernUnter());
    EXPECT_EQ(status(neu), "angenommen");
    EXPECT_EQ(status(datei), "offen"); // the old file has not got the values
    EXPECT_EQ(clitest::Lies(ZugangDateiName(neu)), clitest::Lies(ZugangDateiName(datei)));
    EXPECT_EQ(f.LiveServerPtr()->Dienst().Journal(), EingangJournalName(neu));
}

// The start sheets printed from the window carry the same entry QR codes as
// those of "tavuran-cli drucken": each decodes to a link "zugang" prints.
TEST_F(LiveFensterTest, StartzettelDerVorschauTragenDenEingabeLink) {
    const std::string datei = Datei();
    TMainForm& f = Fenster({QString::fromStdString(datei)});
    ASSERT_NO_FATAL_FAILURE(ServerStarten(f));

    f.FunktionStartzettelClick();
    TPreviewForm* v = f.PreviewForm();
    ASSERT_GT(v->AnzahlSeiten(), 0);
    const std::string pdf = Pfad("zettel.pdf");
    dateiAntworten.push_back({true, pdf, 1});
    v->PdfSpeichernClick();
    ASSERT_EQ(std::system(("pdftoppm -r 150 -f 1 -l 1 -png \"" + pdf + "\" \"" + Pfad("zettel") + "\"").c_str()), 0);
    std::system(("zbarimg -q --raw \"" + Pfad("zettel-1.png") + "\" > \"" + Pfad("zettel.txt") + "\"").c_str());
    const std::vector<std::string> gelesen = clitest::Zeilen(clitest::Lies(Pfad("zettel.txt")));
    ASSERT_FALSE(gelesen.empty()) << "kein QR-Code auf dem Startzettel";

    std::vector<std::string> links;
    for (int r = 1; r <= f.GetAktWettPtr()->AnzDurchgaenge; ++r) {
        const clitest::Lauf l = clitest::Starte("zugang \"" + datei + "\" --durchgang " + std::to_string(r));
        for (const std::string& z : clitest::Zeilen(l.Aus))
            if (const std::vector<std::string> f3 = clitest::Felder(z); f3.size() == 3) links.push_back(f3[2]);
    }
    for (const std::string& g : gelesen)
        EXPECT_NE(std::find(links.begin(), links.end(), g), links.end()) << g;
    // The server accepts the code the sheet carries.
    const std::string code = gelesen.front().substr(gelesen.front().rfind('/') + 1);
    std::string antwort;
    netztest::MitClient([&] { antwort = netztest::Anfrage(f.LiveServerPtr()->Port(), "GET", "/e/" + code, ""); });
    EXPECT_EQ(netztest::Status(antwort), 200);
}

} // namespace
} // namespace tavuran::test
