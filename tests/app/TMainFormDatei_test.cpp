// The main window with files that cannot be read as they stand, with typing
// the parameters dialog must refuse, and with leaving a competition: nothing
// is lost or taken over without the user's word.
#include <filesystem>
#include <fstream>

#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/TabellenGitter.h"

#include "app/TWarnStartNrForm.h"
#include "app/TWettbewerbNeuForm.h"
#include "bench/GrosserWettbewerb.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "rules/RegelLookup.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

std::string Inhalt(const std::string& datei) {
    std::ifstream f(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class DateiFensterTest : public FensterTest {
  protected:
    // A competition of three pilots (F3J, one fly-off round) written to `name`.
    std::string Schreiben(const std::string& name, const std::string& Titel = "Pokal am See") {
        WettbewerbTyp* w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
        w->Name = Titel;
        w->Datum = {14, 6, 2025};
        DatenRegelLoad(w->RegelPtr, "F3J (B-Mod 2025)", &w->Datum);
        DatenRegelToWettbewerb(w, w->RegelPtr);
        const char* namen[] = {"Adler", "Berger", "Conrad"};
        for (int nr = 1; nr <= 3; ++nr) {
            TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true);
            t->Name.NachnameStr = namen[nr - 1];
            t->Name.VornameStr = "Vorname";
            t->Verein = "MFC Nord";
            t->StartNr = t->MeldgNr = nr;
            t->Gruppe[1] = 1;
        }
        const std::string datei = Pfad(name);
        const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, datei, 3, false);
        DatenWettbewerbDispose(w);
        EXPECT_TRUE(e.Ok) << e.Grund;
        return datei;
    }
    TMainForm& MitDateiStarten(const std::string& datei) {
        TMainForm& f = Fenster({QString::fromStdString(datei)});
        Starten(f);
        return f;
    }
    void SpeichernAntwort(UiAntwort a) {
        GetUiHooks().SpeichernAbfrage = [this, a](WettbewerbTyp*, bool) {
            ++speicherFragen;
            return a;
        };
    }
    bool Gemeldet(const std::string& teil) const {
        for (const std::string& m : meldungen)
            if (m.find(teil) != std::string::npos) return true;
        return false;
    }
    int speicherFragen = 0;
};

// Letters in number fields, an impossible date and counts out of range are
// refused on "Ok" with the field named; the dialog stays and nothing changes.
TEST_F(DateiFensterTest, ParameterdialogPrueftEingaben) {
    TMainForm& f = MitDateiStarten(Schreiben("pokal.wtb"));
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    TWettbewerbNeuForm* d = f.ParameterDialog();
    const double soll = w->Parameter[1];
    struct Fall {
        QLineEdit* Feld;
        const char* Text;
        const char* Meldung;
    } faelle[] = {
        {d->RegelEdit[1], "zehn", "„Soll“: „zehn“ ist keine Zahl."},
        {d->WettDatumEdit, "abc", "„Datum“: „abc“ ist kein Datum."},
        {d->WettDatumEdit, "31.02.2025", "ist kein Datum"},
        {d->AnzahlVorrundenEdit, "-2", "„Vorrunden“: „-2“ ist nicht erlaubt. Erlaubt ist eine ganze Zahl von 1 bis 18."},
        {d->TeilnehmerInGruppeEdit, "999", "„Teilnehmer pro Gruppe“: „999“ ist nicht erlaubt"},
        {d->AnzahlStreicherEdit, "x", "„Streicher“"},
        {d->NachkommaEdit, "", "„Nachkommastellen“"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Text);
        f.FunctionParameterClick();
        ASSERT_TRUE(d->isVisible());
        fall.Feld->setText(QString::fromUtf8(fall.Text));
        meldungen.clear();
        EXPECT_FALSE(d->OkButtonClick());
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_NE(meldungen[0].find(fall.Meldung), std::string::npos) << meldungen[0];
        EXPECT_EQ(w->Datum, (DateRec{14, 6, 2025}));
        EXPECT_DOUBLE_EQ(w->Parameter[1], soll);
        EXPECT_EQ(w->AnzVorrunden, 5);
        EXPECT_FALSE(w->modified);
        d->AbbruchButtonClick();
    }
    // Sound values go through.
    f.FunctionParameterClick();
    d->WettDatumEdit->setText("1.7.25");
    d->TeilnehmerInGruppeEdit->setText(" 12 ");
    EXPECT_TRUE(d->OkButtonClick());
    EXPECT_EQ(w->Datum, (DateRec{1, 7, 2025}));
    EXPECT_EQ(w->AnzTeilnGruppe, 12);
}

// "Nein" to the progress warning changes nothing at all; a rule parameter
// that alters results asks the warning too.
TEST_F(DateiFensterTest, NeinZurWarnungAendertNichts) {
    TMainForm& f = MitDateiStarten(Schreiben("pokal.wtb"));
    WettbewerbTyp* w = f.GetAktWettPtr();
    ASSERT_NE(w, nullptr);
    w->Status = 70;
    w->Warnstufe = 0;
    w->modified = false;
    TWettbewerbNeuForm* d = f.ParameterDialog();
    TWarnStartNrForm* warn = f.WarnStartNrForm();
    const double soll = w->Parameter[1];
    const int gruppe = w->AnzTeilnGruppe;

    f.FunctionParameterClick();
    d->WettDatumEdit->setText("01.07.2025");
    d->TeilnehmerInGruppeEdit->setText("4");
    d->RegelEdit[1]->setText("540");
    ASSERT_TRUE(d->OkButtonClick());
    ASSERT_TRUE(warn->isVisible());
    warn->AbbruchButtonClick();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(w->Datum, (DateRec{14, 6, 2025}));
    EXPECT_EQ(w->AnzTeilnGruppe, gruppe);
    EXPECT_DOUBLE_EQ(w->Parameter[1], soll);
    EXPECT_FALSE(w->modified);

    ASSERT_TRUE(d->OkButtonClick());
    ASSERT_TRUE(warn->isVisible());
    warn->OkButtonClick();
    EXPECT_FALSE(d->isVisible());
    EXPECT_DOUBLE_EQ(w->Parameter[1], 540);
    EXPECT_EQ(w->AnzTeilnGruppe, 4);
    EXPECT_TRUE(w->modified);
}

// The dialog forgets a competition that is closed: "Ok" afterwards writes
// into nothing (the sanitizer build would see a use after free).
TEST_F(DateiFensterTest, ParameterdialogFolgtDemWettbewerb) {
    const std::string zweite = Schreiben("zweite.wtb", "Zweiter");
    TMainForm& f = MitDateiStarten(Schreiben("pokal.wtb"));
    TWettbewerbNeuForm* d = f.ParameterDialog();
    f.FunctionParameterClick();
    ASSERT_TRUE(d->isVisible());
    ASSERT_EQ(d->GetWettbewerb(), f.GetAktWettPtr());
    dateiAntworten.push_back({true, zweite, 1});
    f.FunctionOeffnenClick();
    ASSERT_EQ(f.GetAktWettPtr()->Name, "Zweiter");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->GetWettbewerb(), nullptr);
    EXPECT_FALSE(d->OkButtonClick());
    EXPECT_EQ(f.GetAktWettPtr()->Name, "Zweiter");
}

// "Öffnen" chooses first: cancelling, a file that is no competition file or
// one of an unknown format leave the current competition open.
TEST_F(DateiFensterTest, OeffnenWaehltZuerstUndLehntAb) {
    TMainForm& f = MitDateiStarten(Schreiben("pokal.wtb"));
    WettbewerbTyp* w = f.GetAktWettPtr();
    const std::string leer = Pfad("leer.wtb"), format4 = Pfad("format4.wtb");
    { std::ofstream(leer, std::ios::binary) << ""; }
    { std::ofstream(format4, std::ios::binary) << "ORNALIK Wettbewerbsdaten - Format 4.0\r\nNAME:          'X'\r\n"; }
    struct Fall {
        DateiDialogErgebnis Antwort;
        const char* Meldung;
    } faelle[] = {
        {{false, "", 1}, nullptr},
        {{true, leer, 1}, "Die Datei ist leer."},
        {{true, format4, 1}, "Das Dateiformat 4 wird nicht unterstützt"},
    };
    for (const Fall& fall : faelle) {
        meldungen.clear();
        dateiAntworten.push_back(fall.Antwort);
        f.FunctionOeffnenClick();
        EXPECT_EQ(f.GetAktWettPtr(), w);
        EXPECT_EQ(w->Name, "Pokal am See");
        if (fall.Meldung) {
            EXPECT_TRUE(Gemeldet(fall.Meldung)) << fall.Meldung;
        }
    }
    EXPECT_EQ(Inhalt(leer), "");
}

// A file read with losses is opened with a notice and written over only
// after the user said yes.
TEST_F(DateiFensterTest, BeschaedigteDateiNurMitZustimmungUeberschreiben) {
    const std::string datei = Schreiben("pokal.wtb");
    std::string bytes = Inhalt(datei);
    bytes = bytes.substr(0, bytes.size() - 30); // cut inside the last line
    { std::ofstream(datei, std::ios::binary) << bytes; }
    TMainForm& f = MitDateiStarten(datei);
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    EXPECT_TRUE(Gemeldet("konnte nicht vollständig gelesen werden")) << (meldungen.empty() ? "" : meldungen[0]);
    SetWettbewerbModified(f.GetAktWettPtr());

    frageAntwort = UiAntwort::Nein;
    meldungen.clear();
    f.FunctionSichernClick();
    EXPECT_TRUE(Gemeldet("Trotzdem über diese Datei speichern?"));
    EXPECT_EQ(Inhalt(datei), bytes);

    // Leaving asks whether to save at all; "Ja" and then "Nein" to the
    // damage question and cancelling "Sichern als" keeps everything.
    SpeichernAntwort(UiAntwort::Ja);
    EXPECT_FALSE(f.WettbewerbAufraeumen());
    EXPECT_EQ(Inhalt(datei), bytes);
    EXPECT_NE(f.GetAktWettPtr(), nullptr);

    frageAntwort = UiAntwort::Ja;
    f.FunctionSichernClick();
    EXPECT_NE(Inhalt(datei), bytes);
}

// "Neu" and then "Abbruch" in the new competition's parameters brings the
// previous competition back.
TEST_F(DateiFensterTest, NeuUndAbbruchBehaeltDenWettbewerb) {
    TMainForm& f = MitDateiStarten(Schreiben("pokal.wtb"));
    f.FunctionNeuClick();
    ASSERT_TRUE(f.ParameterDialog()->isVisible());
    EXPECT_TRUE(f.GetAktWettPtr()->Name.empty());
    f.ParameterDialog()->AbbruchButtonClick();
    ASSERT_NE(f.GetAktWettPtr(), nullptr);
    EXPECT_EQ(f.GetAktWettPtr()->Name, "Pokal am See");
    EXPECT_FALSE(f.ParameterDialog()->isVisible());
}

// A new competition that was never saved can be left without saving it.
TEST_F(DateiFensterTest, NeuenWettbewerbOhneSpeichernVerlassen) {
    TMainForm& f = Fenster();
    Starten(f);
    f.ParameterDialog()->WettNameEdit->setText("Sommer");
    ASSERT_TRUE(f.ParameterDialog()->OkButtonClick());
    ASSERT_TRUE(f.GetAktWettPtr()->modified);
    SpeichernAntwort(UiAntwort::Abbrechen);
    EXPECT_FALSE(f.WettbewerbAufraeumen());
    EXPECT_NE(f.GetAktWettPtr(), nullptr);
    EXPECT_TRUE(anfragen.empty()); // no "Sichern als" was shown
    SpeichernAntwort(UiAntwort::Nein);
    EXPECT_TRUE(f.WettbewerbAufraeumen());
    EXPECT_EQ(f.GetAktWettPtr(), nullptr);
    EXPECT_EQ(speicherFragen, 2);
}

// The standard folder is created for the first save when it is missing.
TEST_F(DateiFensterTest, StandardordnerWirdAngelegt) {
    TMainForm& f = Fenster();
    Starten(f);
    f.ParameterDialog()->WettNameEdit->setText("Sommer");
    ASSERT_TRUE(f.ParameterDialog()->OkButtonClick());
    std::filesystem::remove_all(Dokumente() + "Tavuran");
    dateiAntworten.push_back({true, Dokumente() + "Tavuran/Sommer.wtb", 1});
    EXPECT_TRUE(f.SichernUnter());
    EXPECT_TRUE(std::filesystem::exists(Dokumente() + "Tavuran/Sommer.wtb"));
}

// A start-up file that does not exist is named; the program starts without it.
TEST_F(DateiFensterTest, StartdateiFehlt) {
    TMainForm& f = MitDateiStarten(Pfad("gibt-es-nicht.wtb"));
    EXPECT_TRUE(Gemeldet("gibt-es-nicht.wtb\ngibt es nicht oder sie ist keine Datei"));
    EXPECT_NE(f.GetAktWettPtr(), nullptr);
}

// Result columns show totals and names whole; no unnamed empty columns; a
// pilot outside the fly-off group shows no group in a fly-off round; the
// window opens maximised on a small screen.
TEST_F(DateiFensterTest, ErgebnisspaltenUndFlyOffGruppe) {
    TMainForm& f = MitDateiStarten(Schreiben("pokal.wtb"));
    TabellenGitter* g = f.Grid(TabErgebnis);
    for (int c = 2; c < g->columnCount(); ++c) {
        if (g->isColumnHidden(c)) continue;
        bool inhalt = !QString::fromStdString(g->KopfText(c)).trimmed().isEmpty();
        for (int r = 0; r < g->rowCount(); ++r) {
            const QString text = QString::fromStdString(g->Text(r, c));
            if (text.trimmed().isEmpty()) continue;
            inhalt = true;
            EXPECT_LE(QFontMetrics(g->font()).horizontalAdvance(text), g->columnWidth(c)) << text.toStdString();
        }
        EXPECT_TRUE(inhalt) << "Spalte " << c;
    }
    f.SetDurchgangNr(6); // the fly-off round: nobody is a finalist yet
    f.GetAktWettPtr()->Sortierung[TabErgebnis] = 1; // start number first, then the group
    f.FormPaint();
    g = f.Grid(TabErgebnis);
    ASSERT_EQ(g->KopfText(1), "Gruppe");
    for (int r = 0; r < g->rowCount(); ++r) EXPECT_EQ(QString::fromStdString(g->Text(r, 1)).indexOf("0 ("), -1) << r;
    if (f.screen()->geometry().width() <= 1366) {
        EXPECT_TRUE(f.isMaximized());
    }
}

// Names, clubs, states and districts of a contest-size file show whole on
// the participant sheet and the start order: no cell of a column sized by its
// texts is elided.
TEST_F(DateiFensterTest, NamenUndVereineUngekuerzt) {
    WettbewerbTyp* w = bench::GrosserWettbewerb(40);
    const std::string datei = Pfad("vierzig.wtb");
    const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, datei, 3, false);
    DatenWettbewerbDispose(w);
    ASSERT_TRUE(e.Ok) << e.Grund;
    TMainForm& f = MitDateiStarten(datei);
    for (int tab : {TabTeilnehmer, TabStartreihenfolge}) {
        TabellenGitter* g = f.Grid(tab);
        // the text's room in a cell: the item view's margins and the grid line
        const int rand = 2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1) + 1;
        for (int c : {TeilnSpalteName, TeilnSpalteVerein, TeilnSpalteBundesland, TeilnSpalteBezirk})
            for (int r = 0; r < g->rowCount(); ++r) {
                const QString text = QString::fromStdString(g->Text(r, c));
                EXPECT_EQ(QFontMetrics(g->font()).elidedText(text, Qt::ElideRight, g->columnWidth(c) - rand), text)
                    << "Reiter " << tab << ", Zeile " << r << ", Spalte " << c;
            }
    }
}

} // namespace
} // namespace tavuran::test
