// The main window and the files around its competition: paths the file names
// are used only once the user confirmed them, a save asks before it replaces
// a file that is not this competition's own or that another program changed,
// a file another window holds is opened read-only, and a save that cannot
// keep the previous version offers to go on without it.
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/THtmlExportForm.h"
#include "platform/Browser.h"
#include "platform/Dialoge.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DateiSperre.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/SpeicherZiel.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

namespace fs = std::filesystem;

std::string Inhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void Schreib(const std::string& datei, const std::string& bytes) {
    std::ofstream(datei, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Daten(const std::string& name) { return std::string(TAVURAN_TEST_DATA) + "/wtb/" + name; }

class SchutzFensterTest : public FensterTest {
  protected:
    // A fixture copied into the scratch folder, "@ORDNER@" replaced by it.
    std::string Kopie(const std::string& fixture, const std::string& name) {
        std::string b = Inhalt(Daten(fixture));
        const std::string ordner = tmp_.path().toStdString();
        for (std::size_t p; (p = b.find("@ORDNER@")) != std::string::npos;) b.replace(p, 8, ordner);
        Schreib(Pfad(name), b);
        return Pfad(name);
    }
    TMainForm& MitDatei(const std::string& datei) {
        TMainForm& f = Fenster({QString::fromStdString(datei)});
        Starten(f);
        return f;
    }
    // A change in the window, so that there is something to save.
    void Aendern(TMainForm& f) {
        f.GetAktWettPtr()->Name = "Geändert im Fenster";
        SetWettbewerbModified(f.GetAktWettPtr());
    }
    bool Gemeldet(const std::string& teil) const {
        for (const std::string& m : meldungen)
            if (m.find(teil) != std::string::npos) return true;
        return false;
    }
};

// The crafted file's parallel copy names another competition: the save asks,
// naming it; "Nein" saves without it and says so, and the other competition
// stays as it was; "Ja" is remembered for this file on this machine.
TEST_F(SchutzFensterTest, ParallelkopieErstNachFreigabe) {
    fs::create_directories(Pfad("arbeit"));
    fs::create_directories(Pfad("opfer"));
    const std::string opfer = Pfad("opfer/Landesmeisterschaft.wtb");
    const std::string opferVorher = Inhalt(Daten("beispiel_format1.wtb"));
    Schreib(opfer, opferVorher);
    const std::string datei = Kopie("wunsch_pfade.wtb", "arbeit/wunsch.wtb");
    {
        TMainForm& f = MitDatei(datei);
        ASSERT_NE(f.GetAktWettPtr(), nullptr);
        Aendern(f);
        meldungen.clear();
        frageAntwort = UiAntwort::Nein;
        f.FunctionSichernClick();
        EXPECT_TRUE(Gemeldet("Dieser Wettbewerb möchte seine Parallelkopie nach „" + f.GetAktWettPtr()->WettbewerbParFileName +
                             "“ schreiben. Zulassen?"));
        EXPECT_TRUE(Gemeldet("wurde nicht geschrieben"));
        EXPECT_FALSE(f.GetAktWettPtr()->modified);
        EXPECT_EQ(Inhalt(opfer), opferVorher);
        // Not asked again in this window.
        meldungen.clear();
        Aendern(f);
        f.FunctionSichernClick();
        EXPECT_FALSE(Gemeldet("Zulassen?"));
        EXPECT_EQ(Inhalt(opfer), opferVorher);
        EXPECT_FALSE(fs::exists(Pfad("opfer/Landesmeisterschaft.bak")));
    }
    fenster.reset();
    {
        TMainForm& f = MitDatei(datei);
        Aendern(f);
        meldungen.clear();
        frageAntwort = UiAntwort::Ja;
        f.FunctionSichernClick();
        EXPECT_TRUE(Gemeldet("Zulassen?"));
        EXPECT_TRUE(f.GetAktWettPtr()->BackUpSaved);
        EXPECT_EQ(Inhalt(opfer), Inhalt(datei));
        EXPECT_EQ(Inhalt(Pfad("opfer/Landesmeisterschaft.bak")), opferVorher);
        // Remembered: the next save does not ask.
        meldungen.clear();
        Aendern(f);
        frageAntwort = UiAntwort::Nein;
        f.FunctionSichernClick();
        EXPECT_FALSE(Gemeldet("Zulassen?"));
        EXPECT_EQ(Inhalt(opfer), Inhalt(datei));
    }
}

// The HTML dialog offers the file's page name, here a text file: "Ok" asks
// for the target and then whether a file that is no HTML page shall be
// replaced; either "Nein" leaves it as it was.
TEST_F(SchutzFensterTest, HtmlSeiteErstNachFreigabe) {
    fs::create_directories(Pfad("arbeit"));
    const std::string notizen = Pfad("notizen.txt");
    Schreib(notizen, "meine Notizen\n");
    std::vector<std::string> geoeffnet;
    SetStartupBrowserHandler([&](const std::string& d) { geoeffnet.push_back(d); });
    TMainForm& f = MitDatei(Kopie("wunsch_pfade.wtb", "arbeit/wunsch.wtb"));
    f.ErgebnislisteHTMLExportClick();
    THtmlExportForm* d = f.HtmlExportDialog();
    ASSERT_EQ(d->DateiName(), notizen);
    for (const std::vector<UiAntwort>& antworten :
         {std::vector<UiAntwort>{UiAntwort::Nein}, std::vector<UiAntwort>{UiAntwort::Ja, UiAntwort::Nein}}) {
        meldungen.clear();
        frageAntworten = antworten;
        EXPECT_FALSE(d->OkButtonClick());
        EXPECT_EQ(Inhalt(notizen), "meine Notizen\n");
    }
    EXPECT_TRUE(Gemeldet("Dieser Wettbewerb möchte seine Ergebnisliste (HTML) nach „" + notizen + "“ schreiben"));
    // The first "Ja" was remembered: now only the kind is asked.
    meldungen.clear();
    frageAntwort = UiAntwort::Ja;
    EXPECT_TRUE(d->OkButtonClick());
    EXPECT_FALSE(Gemeldet("möchte seine Ergebnisliste"));
    EXPECT_TRUE(Gemeldet("ist keine HTML-Seite"));
    EXPECT_NE(Inhalt(notizen).find("<html"), std::string::npos);
    EXPECT_EQ(geoeffnet, (std::vector<std::string>{notizen}));
    SetStartupBrowserHandler({});
}

// The overall ranking names a FIFO, a device and a sub-competition: the HTML
// dialog opens at once, asks only about the readable one, and reads it only
// after "Ja" (remembered for the next showing).
TEST_F(SchutzFensterTest, TeilwettbewerbeErstNachFreigabe) {
    const std::string fifo = Pfad("fifo.wtb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::copy_file(Daten("beispiel_format3.wtb"), Pfad("teil.wtb"));
    TMainForm& f = MitDatei(Kopie("teilwettbewerbe_sonderdateien.wtb", "gesamt.wtb"));
    THtmlExportForm* d = f.HtmlExportDialog();
    for (UiAntwort a : {UiAntwort::Nein, UiAntwort::Ja}) {
        meldungen.clear();
        frageAntwort = a;
        f.ErgebnislisteHTMLExportClick();
        ASSERT_TRUE(d->isVisible());
        EXPECT_TRUE(Gemeldet("möchte seinen Teilwettbewerb aus „" + Pfad("teil.wtb") + "“ lesen"));
        EXPECT_FALSE(Gemeldet("fifo.wtb"));
        EXPECT_EQ(d->Optionen().Importe[2].WettName.empty(), a == UiAntwort::Nein);
        EXPECT_TRUE(d->Optionen().Importe[0].WettName.empty());
        d->AbbruchButtonClick();
    }
    meldungen.clear();
    f.ErgebnislisteHTMLExportClick();
    EXPECT_FALSE(Gemeldet("Zulassen?"));
    EXPECT_FALSE(d->Optionen().Importe[2].WettName.empty());
}

// A save to a name the user did not pick (blanks become "_") asks before it
// replaces another competition there; so does a save to a name a new
// competition was given (as the portal import does).
TEST_F(SchutzFensterTest, FremdeDateiNichtOhneFrage) {
    const std::string eigene = Kopie("beispiel_format3.wtb", "eigen.wtb");
    const std::string fremd = Pfad("Mein_Pokal.wtb");
    const std::string fremdVorher = Inhalt(Daten("beispiel_format1.wtb"));
    Schreib(fremd, fremdVorher);
    TMainForm& f = MitDatei(eigene);
    Aendern(f);
    dateiAntworten = {DateiDialogErgebnis{true, Pfad("Mein Pokal.wtb"), 1}};
    auswahlAntworten = {AntwortAbbrechen};
    EXPECT_FALSE(f.SichernUnter());
    ASSERT_EQ(auswahlKnoepfe.size(), 1u);
    EXPECT_EQ(auswahlKnoepfe[0][0], "Ersetzen");
    EXPECT_TRUE(Gemeldet("sie ist nicht die Datei dieses Wettbewerbs"));
    EXPECT_EQ(Inhalt(fremd), fremdVorher);
    EXPECT_EQ(f.GetAktWettPtr()->WettbewerbFileNamen[0], eigene);

    dateiAntworten = {DateiDialogErgebnis{true, Pfad("Mein Pokal.wtb"), 1}};
    auswahlAntworten = {AntwortErsetzen};
    EXPECT_TRUE(f.SichernUnter());
    EXPECT_EQ(Inhalt(Pfad("Mein_Pokal.bak")), fremdVorher);
    EXPECT_EQ(f.EigeneDatei(), fremd);

    // A competition that never had a file, named after another one.
    fenster.reset();
    const std::string letztesJahr = Kopie("beispiel_format1.wtb", "Herbstpokal.wtb");
    const std::string letztesJahrVorher = Inhalt(letztesJahr);
    TMainForm& g = Fenster();
    Starten(g);
    ASSERT_NE(g.GetAktWettPtr(), nullptr);
    g.GetAktWettPtr()->WettbewerbFileNamen[0] = letztesJahr;
    Aendern(g);
    auswahlKnoepfe.clear();
    auswahlAntworten = {AntwortAbbrechen};
    g.FunctionSichernClick();
    EXPECT_EQ(auswahlKnoepfe.size(), 1u);
    EXPECT_EQ(Inhalt(letztesJahr), letztesJahrVorher);
}

// Another program changed the file since the window read it: the save asks
// whether to overwrite, save under another name or cancel.
TEST_F(SchutzFensterTest, AenderungVonAussenWirdBemerkt) {
    const std::string datei = Kopie("beispiel_format3.wtb", "pokal.wtb");
    TMainForm& f = MitDatei(datei);
    // Saving an unchanged file asks nothing.
    Aendern(f);
    f.FunctionSichernClick();
    EXPECT_TRUE(auswahlKnoepfe.empty());
    const std::string vonAussen = Inhalt(Daten("beispiel_format1.wtb"));
    Schreib(datei, vonAussen);
    Aendern(f);
    auswahlAntworten = {AntwortAbbrechen};
    f.FunctionSichernClick();
    ASSERT_EQ(auswahlKnoepfe.size(), 1u);
    EXPECT_EQ(auswahlKnoepfe[0],
              (std::vector<std::string>{"Überschreiben", "Unter anderem Namen speichern", "Abbrechen"}));
    EXPECT_TRUE(Gemeldet("wurde geändert, seit dieses Fenster sie geöffnet oder zuletzt gespeichert hat"));
    EXPECT_EQ(Inhalt(datei), vonAussen);
    EXPECT_TRUE(f.GetAktWettPtr()->modified);

    // "Unter anderem Namen speichern" opens the save dialog.
    auswahlAntworten = {AntwortAndererName};
    dateiAntworten = {DateiDialogErgebnis{true, Pfad("kopie.wtb"), 1}};
    f.FunctionSichernClick();
    EXPECT_EQ(anfragen.size(), 1u);
    EXPECT_TRUE(fs::exists(Pfad("kopie.wtb")));
    EXPECT_EQ(Inhalt(datei), vonAussen);
}

// A file another window holds: the second window is told who holds it and
// may open it read-only; it then saves only under another name.
TEST_F(SchutzFensterTest, ZweitesFensterNurLesend) {
    const std::string datei = Kopie("beispiel_format3.wtb", "pokal.wtb");
    const std::string vorher = Inhalt(datei);
    DateiSperre anderesFenster;
    SperrInhaber wer;
    ASSERT_TRUE(anderesFenster.Nehmen(datei, wer));

    auswahlAntworten = {0};
    TMainForm& f = MitDatei(datei);
    ASSERT_EQ(auswahlKnoepfe.size(), 1u);
    EXPECT_EQ(auswahlKnoepfe[0], (std::vector<std::string>{"Schreibgeschützt öffnen", "Trotzdem bearbeiten", "Abbrechen"}));
    EXPECT_TRUE(Gemeldet("ist schon geöffnet: Rechner „" + RechnerName() + "“"));
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    EXPECT_TRUE(f.Schreibgeschuetzt());
    EXPECT_NE(f.windowTitle().toStdString().find("schreibgeschützt"), std::string::npos);
    if (const char* bild = std::getenv("TAVURAN_BILD")) f.grab().save(QString(bild) + "_schreibgeschuetzt.png");
    Aendern(f);
    f.FunctionSichernClick(); // the save dialog is cancelled
    EXPECT_TRUE(Gemeldet("schreibgeschützt geöffnet"));
    EXPECT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(Inhalt(datei), vorher);

    // When the other window is gone, the file is opened for editing and locked.
    fenster.reset();
    anderesFenster.Freigeben();
    auswahlKnoepfe.clear();
    TMainForm& g = MitDatei(datei);
    EXPECT_TRUE(auswahlKnoepfe.empty());
    EXPECT_FALSE(g.Schreibgeschuetzt());
    ASSERT_TRUE(SperreFremd(datei, wer));
    EXPECT_EQ(wer.Prozess, static_cast<long>(::getpid()));
    fenster.reset();
    EXPECT_FALSE(fs::exists(SperrDateiName(datei)));
}

// The previous version cannot be kept: nothing is replaced unless the user
// chooses "Ohne Sicherungskopie speichern".
TEST_F(SchutzFensterTest, OhneSicherungskopieNurAufWunsch) {
    const std::string datei = Kopie("beispiel_format3.wtb", "pokal.wtb");
    const std::string vorher = Inhalt(datei);
    fs::create_directories(Pfad("pokal.bak/belegt"));
    TMainForm& f = MitDatei(datei);
    Aendern(f);
    auswahlAntworten = {1};
    f.FunctionSichernClick();
    ASSERT_EQ(auswahlKnoepfe.size(), 1u);
    EXPECT_EQ(auswahlKnoepfe[0], (std::vector<std::string>{KnopfOhneSicherung, "Abbrechen"}));
    EXPECT_TRUE(Gemeldet("Die Sicherungskopie"));
    EXPECT_EQ(Inhalt(datei), vorher);
    EXPECT_TRUE(f.GetAktWettPtr()->modified);

    auswahlAntworten = {0};
    f.FunctionSichernClick();
    EXPECT_NE(Inhalt(datei), vorher);
    EXPECT_FALSE(f.GetAktWettPtr()->modified);
}

// The question with its own answers: the buttons in the given order, the
// index of the one clicked; Escape gives the last one.
TEST_F(SchutzFensterTest, AuswahlMitEigenenKnoepfen) {
    App();
    const std::vector<std::string> knoepfe = {"Schreibgeschützt öffnen", "Trotzdem bearbeiten", "Abbrechen"};
    for (int klick : {1, -1}) {
        QStringList gesehen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons()) gesehen << b->text();
            if (const char* bild = std::getenv("TAVURAN_BILD")) box->grab().save(QString(bild) + "_auswahl.png");
            if (klick < 0)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->buttons()[klick]->click();
        });
        const int a = DialogAuswahl(nullptr, "Wettbewerb öffnen",
                                    "Die Datei\n/tmp/pokal.wtb\nist schon geöffnet: Rechner „halle“, Benutzer "
                                    "„eva“, Prozess 4711, seit 10.12.2026 12:47.",
                                    knoepfe);
        EXPECT_EQ(a, klick < 0 ? 2 : 1);
        EXPECT_EQ(gesehen.size(), 3);
        for (const std::string& k : knoepfe) EXPECT_TRUE(gesehen.contains(QString::fromStdString(k))) << k;
    }
}

} // namespace
} // namespace tavuran::test
