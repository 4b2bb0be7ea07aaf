// The print preview, the "&Drucken" items and the distribution dialog,
// driven offscreen on small competitions: every item opens its preview,
// paging, rounds and orders rebuild the document, "Ende" gives the main
// window its round back, PDF and printer output raise the progress mark only
// as they should, and a competition freed under an open preview is let go.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "app/TEtikettForm.h"
#include "app/TPreviewForm.h"
#include "app/TStartReihenfolgeNichtErmitteltForm.h"
#include "app/TVerteilerForm.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "platform/QtDruckCanvas.h"
#include "reports/AufzeichnungsCanvas.h"
#include "tests/app/AppUmgebung.h"
#include "tests/reports/DruckFixture.h"

namespace tavuran::test {
namespace {

std::string Inhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Page objects of a PDF ("/Type /Page", not "/Pages").
int PdfSeiten(const std::string& pdf) {
    int n = 0;
    for (std::size_t p = pdf.find("/Type /Page"); p != std::string::npos; p = pdf.find("/Type /Page", p + 1))
        if (pdf.compare(p, 12, "/Type /Pages") != 0) ++n;
    return n;
}

// The texts of a page of the preview's document, in drawing order.
std::string SeitenText(const TPreviewForm& v, int Seite) {
    AufzeichnungsCanvas c(2480, 3508, 300);
    v.Dokument()->SeiteZeichnen(c, Seite, false);
    return c.TextAuszug();
}

class VorschauTest : public FensterTest {
  protected:
    // The main window with a competition of n participants in groups of
    // `Gruppe`, `Vorrunden` preliminary rounds and one fly-off, with scores.
    TMainForm& MitWettbewerb(int n = 10, int Gruppe = 5, int Vorrunden = 2, void (*Anpassen)(WettbewerbTyp*) = nullptr) {
        {
            drucktest::Wettbewerb w;
            drucktest::Fuellen(w, n, Gruppe, Vorrunden, true);
            if (Anpassen) Anpassen(w.W);
            EXPECT_TRUE(DatenWettbewerbSave(w.W, Datei(), 3, false).Ok);
        }
        TMainForm& f = Fenster({QString::fromStdString(Datei())});
        GetUiHooks().SpeichernAbfrage = [](WettbewerbTyp*, bool) { return UiAntwort::Nein; };
        Starten(f);
        EXPECT_NE(f.GetAktWettPtr(), nullptr);
        return f;
    }
    std::string Datei() const { return Dokumente() + "pokal.wtb"; }
};

TEST_F(VorschauTest, DruckMenueInDerRichtigenReihenfolge) {
    TMainForm& f = Fenster();
    QMenu* drucken = nullptr;
    QStringList menues;
    for (QAction* a : f.menuBar()->actions()) {
        menues << a->text();
        if (a->text() == "&Drucken") drucken = a->menu();
    }
    EXPECT_EQ(menues, QStringList({"&Datei", "&Bearbeiten", "&Drucken", "&Ansicht", "&Einstellungen"}));
    ASSERT_NE(drucken, nullptr);
    QStringList titel;
    for (QAction* a : drucken->actions())
        if (!a->isSeparator()) titel << a->text();
    EXPECT_EQ(titel, QStringList({"&Kanalstatistik drucken", "&Meldungsliste drucken", "Meldungsliste HTML Export",
                                  "&Startliste drucken", "Startliste HTML Export", "Start&zettel drucken",
                                  "&Etikett drucken", "&Wertungsliste drucken", "&Ergebnisliste drucken",
                                  "&Teamergebnis drucken", "Ergebnis als endgültig drucken", "Ergebnisliste HTML Export",
                                  "Teamergebnis HTML Export"}));
}

// Every item opens its preview with the document, caption and groups of its kind.
TEST_F(VorschauTest, JederEintragOeffnetSeineVorschau) {
    TMainForm& f = MitWettbewerb();
    WettbewerbTyp* w = f.GetAktWettPtr();
    TPreviewForm* v = f.PreviewForm();
    w->Status = StatusAngelegt;
    struct Fall {
        const char* Titel;
        std::function<void()> Befehl;
        DruckArt Art;
        int Sort;
        bool Folge, Durchgang, Blaettern;
    } const faelle[] = {
        {"Kanalstatistik drucken", [&] { f.FunktionKanalstatistikClick(); }, DruckArt::Kanalstatistik, 0, false,
         false, false},
        {"Meldungsliste drucken", [&] { f.FunctionMeldungslisteClick(); }, DruckArt::Meldungsliste, 0, true, false,
         true},
        {"Startzettel", [&] { f.FunktionStartzettelClick(); }, DruckArt::Startzettel, 2, true, true, true},
        {"Wertungsliste drucken", [&] { f.FunctionWertungslisteClick(); }, DruckArt::Wertungsliste, 3, true, true,
         true},
        {"Ergebnisliste drucken", [&] { f.FunctionErgebnislisteClick(); }, DruckArt::Ergebnisliste, 4, true, false,
         true},
        {"Startliste drucken",
         [&] {
             f.FunctionStartlisteClick();
             EXPECT_TRUE(f.VerteilerForm()->isVisible());
             f.VerteilerForm()->OkButtonClick();
         },
         DruckArt::Startliste, 3, true, true, true},
        {"Etikettendruck",
         [&] {
             f.EtikettDialogZeigen();
             EXPECT_TRUE(f.EtikettForm()->isVisible());
             f.EtikettForm()->OkButtonClick();
         },
         DruckArt::Etiketten, 2, true, false, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Titel);
        v->hide();
        fall.Befehl();
        ASSERT_TRUE(v->isVisible());
        EXPECT_EQ(v->windowTitle().toStdString(), fall.Titel);
        EXPECT_EQ(v->Zustand().Art, fall.Art);
        EXPECT_EQ(v->Zustand().AktSort, fall.Sort);
        ASSERT_NE(v->Dokument(), nullptr) << v->Meldung();
        EXPECT_GE(v->AnzahlSeiten(), 1);
        EXPECT_TRUE(v->DruckButton->isEnabled());
        EXPECT_TRUE(v->PdfButton->isEnabled());
        EXPECT_EQ(v->FolgeGroupBox->isVisible(), fall.Folge);
        EXPECT_EQ(v->DurchgangGroupBox->isVisible(), fall.Durchgang);
        EXPECT_EQ(v->AusdruckSeiteLabel->text().isEmpty(), !fall.Blaettern);
        // the page is drawn: not all white
        const QImage bild = v->SeitenBild();
        ASSERT_FALSE(bild.isNull());
        bool gezeichnet = false;
        for (int y = 0; y < bild.height() && !gezeichnet; y += 3)
            for (int x = 0; x < bild.width() && !gezeichnet; x += 3) gezeichnet = bild.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(gezeichnet);
    }
    // Opening the score sheet raised the mark to 70; the others raise it only when printed.
    EXPECT_EQ(w->Status, StatusErgebnisse);
}

TEST_F(VorschauTest, OhneStartreihenfolgeKeineVorschau) {
    TMainForm& f = MitWettbewerb(10, 5, 2, [](WettbewerbTyp* w) { GetDurchgangPtr(w, 2)->DurchgangEingeteilt = false;
                                                                   for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) t->Gruppe[2] = 0; });
    for (void (TMainForm::*befehl)() : {&TMainForm::FunctionStartlisteClick, &TMainForm::FunktionStartzettelClick,
                                        &TMainForm::FunctionWertungslisteClick}) {
        f.HinweisForm()->hide();
        (f.*befehl)();
        EXPECT_TRUE(f.HinweisForm()->isVisible());
        EXPECT_FALSE(f.PreviewForm()->isVisible());
        EXPECT_FALSE(f.VerteilerForm()->isVisible());
    }
    // lists without a start order open all the same
    f.FunctionErgebnislisteClick();
    EXPECT_TRUE(f.PreviewForm()->isVisible());
}

TEST_F(VorschauTest, BlaetternAnDenEnden) {
    TMainForm& f = MitWettbewerb(10, 5, 3);
    TPreviewForm* v = f.PreviewForm();
    f.FunktionStartzettelClick(); // by name, all preliminary rounds: one page per participant
    ASSERT_EQ(v->AnzahlSeiten(), 10);
    EXPECT_EQ(v->Seite(), 1);
    EXPECT_FALSE(v->ZurueckButton->isEnabled());
    v->VorigeSeite();
    EXPECT_EQ(v->Seite(), 1);
    for (int i = 0; i < 12; ++i) v->NaechsteSeite();
    EXPECT_EQ(v->Seite(), 10);
    EXPECT_FALSE(v->VorButton->isEnabled());
    EXPECT_TRUE(v->ZurueckButton->isEnabled());
    EXPECT_TRUE(v->AusdruckSeiteLabel->text().startsWith("Ausdruck Seite Nr.: 10"));
    v->VorigeSeite();
    EXPECT_EQ(v->Seite(), 9);
    // the channel statistics have one page and no paging
    f.FunktionKanalstatistikClick();
    EXPECT_FALSE(v->ZurueckButton->isEnabled());
    EXPECT_FALSE(v->VorButton->isEnabled());
    v->NaechsteSeite();
    EXPECT_EQ(v->Seite(), 1);
}

TEST_F(VorschauTest, WeitereDurchgaenge) {
    TMainForm& f = MitWettbewerb(10, 5, 13); // 13 preliminary rounds and a fly-off: 14 rounds
    TPreviewForm* v = f.PreviewForm();
    f.FunctionWertungslisteClick();
    ASSERT_TRUE(v->DurchgangGroupBox->isVisible());
    EXPECT_TRUE(v->DurchgangButton[11]->isEnabled());
    EXPECT_TRUE(v->FlyOffButton->isEnabled());
    EXPECT_EQ(v->DurchgangButton[1]->text(), "1");
    struct Fall {
        const char* Text;
        int Runde;
    } const faelle[] = {{"25", 14}, {"5", 11}, {"12", 12}, {"", 11}};
    for (const Fall& fall : faelle) {
        v->WeitereEingeben(fall.Text);
        EXPECT_EQ(v->Zustand().AktDurchgang, fall.Runde) << fall.Text;
        EXPECT_EQ(f.GetDurchgangNr(), fall.Runde) << fall.Text;
        EXPECT_TRUE(v->DurchgangButton[11]->isChecked());
        EXPECT_EQ(v->WeitereEdit->text().toStdString(), std::to_string(fall.Runde));
    }
    // a round button
    v->DurchgangRadioButtonChanged(3);
    EXPECT_EQ(f.GetDurchgangNr(), 3);
    EXPECT_TRUE(v->DurchgangButton[3]->isChecked());
    EXPECT_TRUE(v->WeitereEdit->text().isEmpty());
    // "Fly Off": the fly-off round; the main window's round stays
    v->DurchgangRadioButtonChanged(DruckFlyOffs);
    EXPECT_TRUE(v->FlyOffButton->isChecked());
    EXPECT_EQ(f.GetDurchgangNr(), 3);
    EXPECT_NE(SeitenText(*v, 1).find("Fly"), std::string::npos);
    // closing the window is "Ende"
    v->close();
    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(f.GetDurchgangNr(), 1);
}

TEST_F(VorschauTest, FolgeUndDurchgangBauenNeuEndeStelltWiederHer) {
    TMainForm& f = MitWettbewerb(20, 5, 2);
    WettbewerbTyp* w = f.GetAktWettPtr();
    TPreviewForm* v = f.PreviewForm();
    f.SetDurchgangNr(2);
    const auto sortierung = w->Sortierung;
    f.FunctionErgebnislisteClick();
    EXPECT_EQ(v->FormerDurchgang(), 2);
    // by place the best (participant 20) comes first
    std::string text = SeitenText(*v, 1);
    EXPECT_LT(text.find("Teilnehmer20"), text.find("Teilnehmer01"));
    v->SortRadioButtonChanged(SortName);
    EXPECT_TRUE(v->SortButton[SortName]->isChecked());
    text = SeitenText(*v, 1);
    EXPECT_LT(text.find("Teilnehmer01"), text.find("Teilnehmer20"));
    EXPECT_FALSE(v->DurchgangGroupBox->isVisible());

    // the start order shows the rounds; "Vorrnd." builds every preliminary round
    v->SortRadioButtonChanged(SortGruppe);
    EXPECT_TRUE(v->DurchgangGroupBox->isVisible());
    const int eineRunde = v->AnzahlSeiten();
    v->DurchgangRadioButtonChanged(DruckVorrunden);
    EXPECT_EQ(v->AnzahlSeiten(), 2 * eineRunde);
    EXPECT_TRUE(v->VorrundenButton->isChecked());
    // an order afterwards builds the current round only, and the buttons say so
    v->SortRadioButtonChanged(SortGruppe);
    EXPECT_EQ(v->AnzahlSeiten(), eineRunde);
    EXPECT_TRUE(v->DurchgangButton[2]->isChecked());
    v->DurchgangRadioButtonChanged(1);
    EXPECT_EQ(f.GetDurchgangNr(), 1);

    v->EndeButtonClick();
    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(f.GetDurchgangNr(), 2);
    EXPECT_EQ(v->Zustand().AktSort, SortPlatz);
    EXPECT_EQ(w->Sortierung, sortierung); // the main window's orders are never touched
}

TEST_F(VorschauTest, PdfSpeichern) {
    TMainForm& f = MitWettbewerb(20, 5, 2);
    WettbewerbTyp* w = f.GetAktWettPtr();
    TPreviewForm* v = f.PreviewForm();
    f.FunktionStartzettelClick();
    const int seiten = v->AnzahlSeiten();
    ASSERT_GT(seiten, 1);
    w->Status = StatusAngelegt;
    const int status = w->Status;

    // cancelled: nothing written, nothing raised
    v->PdfSpeichernClick();
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].Filter, "PDF-Datei (*.pdf)|*.pdf");
    EXPECT_EQ(anfragen[0].StartName, "Wertungszettel.pdf");
    EXPECT_EQ(w->Status, status);

    // failing targets: a folder, and a file under a file; the user is told, nothing changes
    const std::string alt = Dokumente() + "alt.pdf";
    std::ofstream(alt) << "alt";
    std::filesystem::create_directory(Dokumente() + "ordner.pdf");
    for (const std::string& ziel : {Dokumente() + "ordner.pdf", alt + "/neu.pdf"}) {
        meldungen.clear();
        dateiAntworten.push_back({true, ziel, 1});
        v->PdfSpeichernClick();
        ASSERT_EQ(meldungen.size(), 1u) << ziel;
        EXPECT_NE(meldungen[0].find("konnte nicht geschrieben werden"), std::string::npos);
        EXPECT_EQ(w->Status, status);
    }
    EXPECT_EQ(Inhalt(alt), "alt");
    EXPECT_TRUE(std::filesystem::is_directory(Dokumente() + "ordner.pdf"));

    // written: ".pdf" added, every page, the mark raised
    meldungen.clear();
    dateiAntworten.push_back({true, Dokumente() + "zettel", 1});
    v->PdfSpeichernClick();
    EXPECT_TRUE(meldungen.empty());
    const std::string pdf = Inhalt(Dokumente() + "zettel.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(PdfSeiten(pdf), seiten);
    EXPECT_EQ(w->Status, StatusStartliste);
}

TEST_F(VorschauTest, DruckenEinesSeitenbereichs) {
    TMainForm& f = MitWettbewerb(20, 5, 2);
    WettbewerbTyp* w = f.GetAktWettPtr();
    TPreviewForm* v = f.PreviewForm();
    f.FunctionMeldungslisteClick();
    v->SortRadioButtonChanged(SortGruppe);
    v->DurchgangRadioButtonChanged(DruckVorrunden);
    ASSERT_EQ(v->AnzahlSeiten(), 2);
    w->Status = StatusAngelegt;

    // cancelled: nothing printed, but a print command raises the mark all the same
    int gefragt = 0;
    v->SetDruckDialogHandler([&](QPrinter&, int MaxSeite, int& Von, int& Bis) {
        ++gefragt;
        EXPECT_EQ(MaxSeite, 2);
        EXPECT_EQ(Von, 1);
        EXPECT_EQ(Bis, 2);
        return false;
    });
    v->DruckButtonClick();
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(w->Status, StatusTeilnehmer);

    // a printer that cannot start: the user is told, the mark stays
    w->Status = StatusAngelegt;
    v->SetDruckDialogHandler([&](QPrinter& p, int, int&, int&) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(Dokumente() + "fehlt/drucker.pdf"));
        return true;
    });
    meldungen.clear();
    v->DruckButtonClick();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("Ausdruck konnte nicht gestartet werden"), std::string::npos);
    EXPECT_EQ(w->Status, StatusAngelegt);

    // pages 2 to 2 into a PDF printer: exactly one page
    const std::string datei = Dokumente() + "drucker.pdf";
    v->SetDruckDialogHandler([&](QPrinter& p, int, int& Von, int& Bis) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(datei));
        Von = Bis = 2;
        return true;
    });
    v->DruckButtonClick();
    EXPECT_EQ(PdfSeiten(Inhalt(datei)), 1);
    EXPECT_EQ(w->Status, StatusTeilnehmer);
    EXPECT_TRUE(v->FolgeGroupBox->isVisible()); // the groups are back after printing
}

TEST_F(VorschauTest, OhneSeitenKeinDruck) {
    TMainForm& f = MitWettbewerb();
    TPreviewForm* v = f.PreviewForm();
    FormatTyp kaputt = EtikettFormatDefault();
    kaputt.Abmessungen[0].Breite = 0;
    f.EtikettVorschauZeigen(kaputt, EtikettOptionen{});
    ASSERT_TRUE(v->isVisible());
    EXPECT_EQ(v->Dokument(), nullptr);
    EXPECT_NE(v->Meldung().find("Etikettenformat"), std::string::npos);
    EXPECT_FALSE(v->DruckButton->isEnabled());
    EXPECT_FALSE(v->PdfButton->isEnabled());
    EXPECT_TRUE(v->SeitenBild().isNull());
    int gefragt = 0;
    v->SetDruckDialogHandler([&](QPrinter&, int, int&, int&) { return ++gefragt, true; });
    v->DruckButtonClick();
    v->PdfSpeichernClick();
    EXPECT_EQ(gefragt, 0);
    EXPECT_TRUE(anfragen.empty());
}

TEST_F(VorschauTest, EtikettenVorschau) {
    TMainForm& f = MitWettbewerb();
    TPreviewForm* v = f.PreviewForm();
    FormatTyp format = EtikettFormatDefault();
    format.AktFormat = 2; // 89x48mm, one column: 10 participants on 3 pages
    f.EtikettVorschauZeigen(format, EtikettOptionen{});
    EXPECT_EQ(v->windowTitle(), "Etikettendruck");
    EXPECT_EQ(v->Zustand().Art, DruckArt::Etiketten);
    EXPECT_EQ(v->Zustand().AktSort, SortName);
    ASSERT_NE(v->Dokument(), nullptr) << v->Meldung();
    EXPECT_FALSE(v->Dokument()->Querformat());
    EXPECT_EQ(v->AnzahlSeiten(), 3);
    EXPECT_FALSE(v->SortButton[5]->isEnabled());
    v->SortRadioButtonChanged(SortStartNr);
    EXPECT_EQ(v->Zustand().AktSort, SortStartNr);
    EXPECT_EQ(v->Dokument()->Status, 10);
}

// The competition is freed while the preview shows it: the preview hides and
// lets go; nothing it does afterwards reaches the freed competition.
TEST_F(VorschauTest, WettbewerbSchliesstBeiOffenerVorschau) {
    TMainForm& f = MitWettbewerb();
    TPreviewForm* v = f.PreviewForm();
    f.FunctionErgebnislisteClick();
    ASSERT_TRUE(v->isVisible());
    f.GetAktWettPtr()->modified = false;
    ASSERT_TRUE(f.WettbewerbAufraeumen());
    EXPECT_FALSE(v->isVisible());
    EXPECT_EQ(v->Wettbewerb(), nullptr);
    EXPECT_EQ(v->Dokument(), nullptr);
    v->SortRadioButtonChanged(SortName);
    v->DurchgangRadioButtonChanged(2);
    v->NaechsteSeite();
    v->DruckButtonClick();
    v->PdfSpeichernClick();
    v->EndeButtonClick();
    EXPECT_TRUE(anfragen.empty());

    // a new competition: the preview works with it; freeing the window with the preview open is safe
    f.WettbewerbAufbauen(Datei(), false);
    f.FunctionMeldungslisteClick();
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->Wettbewerb(), f.GetAktWettPtr());
    fenster.reset();
}

// Data typed in the main window while the preview is open appear in what it
// prints, and as soon as the main window has recomputed after the edit.
TEST_F(VorschauTest, AenderungenErscheinenBeimNaechstenAufbau) {
    TMainForm& f = MitWettbewerb();
    WettbewerbTyp* w = f.GetAktWettPtr();
    TPreviewForm* v = f.PreviewForm();
    f.FunctionMeldungslisteClick();
    GetTeilnehmerEdvNr(w, 3)->Name.NachnameStr = "Neumann";
    SetWettbewerbModified(w);
    EXPECT_EQ(SeitenText(*v, 1).find("Neumann"), std::string::npos);
    dateiAntworten.push_back({true, Dokumente() + "meldung.pdf", 1});
    v->PdfSpeichernClick();
    EXPECT_NE(SeitenText(*v, 1).find("Neumann"), std::string::npos);

    GetTeilnehmerEdvNr(w, 3)->Name.NachnameStr = "Neuberg";
    SetWettbewerbModified(w);
    f.WettbewerbNeuBerechnen();
    EXPECT_NE(SeitenText(*v, 1).find("Neuberg"), std::string::npos);
}

TEST_F(VorschauTest, Verteiler) {
    TMainForm& f = MitWettbewerb(10, 5, 2);
    WettbewerbTyp* w = f.GetAktWettPtr();
    TVerteilerForm* d = f.VerteilerForm();
    TPreviewForm* v = f.PreviewForm();
    const char* const titel[7] = {"Blanko",     "Aushang",      "Organisationsleiter", "Startstelle",
                                  "Senderzelt", "Punktrichter", "Zeitnehmer"};
    f.FunctionStartlisteClick();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Verteiler");
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(d->CheckBox[i]->text().toStdString(), titel[i]);
        EXPECT_EQ(d->CheckBox[i]->isChecked(), i == 5) << titel[i];
    }
    // nothing chosen: no preview, and the next showing shows nothing chosen
    d->CheckBox[5]->setChecked(false);
    d->OkButtonClick();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(v->isVisible());
    f.FunctionStartlisteClick();
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(d->CheckBox[i]->isChecked());
    // "Abbruch" keeps the mask
    d->CheckBox[0]->setChecked(true);
    d->AbbruchButtonClick();
    f.FunctionStartlisteClick();
    EXPECT_FALSE(d->CheckBox[0]->isChecked());

    // two copies: each with its title
    d->CheckBox[1]->setChecked(true);
    d->CheckBox[5]->setChecked(true);
    d->OkButtonClick();
    EXPECT_EQ(d->VerteilerMaske(), 2 | 32);
    ASSERT_TRUE(v->isVisible());
    ASSERT_EQ(v->AnzahlSeiten(), 2);
    EXPECT_NE(SeitenText(*v, 1).find("Aushang"), std::string::npos);
    EXPECT_NE(SeitenText(*v, 2).find("Punktrichter"), std::string::npos);

    // 10 participants: landscape, large print, and the style may be changed
    ASSERT_TRUE(w->Scalable);
    ASSERT_TRUE(v->StilGroupBox->isVisible());
    EXPECT_TRUE(v->QuerformatCheckBox->isChecked());
    EXPECT_TRUE(v->GrosseSchriftCheckBox->isChecked());
    EXPECT_TRUE(v->Dokument()->Querformat());
    w->modified = false;
    v->QuerformatCheckBox->setChecked(false);
    EXPECT_FALSE(v->GrosseSchriftCheckBox->isChecked());
    EXPECT_FALSE(v->GrosseSchriftCheckBox->isEnabled());
    EXPECT_EQ(w->Orientierung, 2);
    EXPECT_EQ(w->GroesseSchrift, 2);
    EXPECT_TRUE(w->modified);
    EXPECT_FALSE(v->Dokument()->Querformat());
    // the style survives an order change
    v->SortRadioButtonChanged(SortName);
    EXPECT_FALSE(v->Dokument()->Querformat());
    EXPECT_EQ(w->Orientierung, 2);
    v->QuerformatCheckBox->setChecked(true);
    EXPECT_TRUE(v->GrosseSchriftCheckBox->isEnabled());
    v->GrosseSchriftCheckBox->setChecked(true);
    EXPECT_EQ(w->Orientierung, 1);
    EXPECT_EQ(w->GroesseSchrift, 3);
    // other lists cannot be restyled
    f.FunctionErgebnislisteClick();
    EXPECT_FALSE(v->StilGroupBox->isVisible());
}

// A look at the preview as a user sees it: the result list of 20
// participants on a 1366 x 768 screen, and the same page as PDF.
// Writes /tmp/tavuran_vorschau.png, /tmp/tavuran_vorschau.pdf, the start
// list /tmp/tavuran_vorschau_start.png and the start sheets
// /tmp/tavuran_vorschau_zettel.png.
TEST_F(VorschauTest, DISABLED_Bildschirmfoto) {
    TMainForm& f = MitWettbewerb(20, 5, 3);
    TPreviewForm* v = f.PreviewForm();
    f.FunctionErgebnislisteClick();
    v->setGeometry(2, 2, 1366 - 4, 768 - 40);
    QApplication::processEvents();
    EXPECT_TRUE(v->grab().save("/tmp/tavuran_vorschau.png"));
    std::string grund;
    EXPECT_TRUE(DruckPdfSchreiben(*v->Dokument(), "/tmp/tavuran_vorschau.pdf", grund)) << grund;
    f.FunctionStartlisteClick();
    f.VerteilerForm()->OkButtonClick();
    v->setGeometry(2, 2, 1366 - 4, 768 - 40);
    QApplication::processEvents();
    EXPECT_TRUE(v->grab().save("/tmp/tavuran_vorschau_start.png"));
    f.FunktionStartzettelClick();
    v->setGeometry(2, 2, 1366 - 4, 768 - 40);
    QApplication::processEvents();
    EXPECT_TRUE(v->grab().save("/tmp/tavuran_vorschau_zettel.png"));
}

} // namespace
} // namespace tavuran::test
