// The label dialog "Etiketten Drucken" driven offscreen: the texts it shows,
// what "Ok" refuses without storing anything, what it stores and hands on,
// and the values read back unchanged at the next showing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

#include "app/TEtikettForm.h"
#include "app/TStartReihenfolgeNichtErmitteltForm.h"
#include "core/DatenWettbewerb.h"
#include "core/L_REGIST.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ExportBeispiel.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

class EtikettFensterTest : public FensterTest {
  protected:
    // The window with a competition whose start order is drawn, and the label dialog shown.
    TEtikettForm& Dialog() {
        WettbewerbTyp* w = exporttest::ExportBeispiel();
        const std::string datei = Dokumente() + "pokal.wtb";
        EXPECT_TRUE(DatenWettbewerbSave(w, datei, 3, false).Ok);
        DatenWettbewerbDispose(w);
        TMainForm& f = Fenster({QString::fromStdString(datei)});
        Starten(f);
        TEtikettForm* d = f.EtikettForm();
        QObject::connect(d, &TEtikettForm::Bestaetigt, d,
                         [this](const FormatTyp& F, const EtikettOptionen& O) {
                             bestaetigt.push_back({F, O});
                         });
        f.EtikettDialogZeigen();
        EXPECT_TRUE(d->isVisible());
        return *d;
    }
    static std::string T(const QLineEdit* e) { return e->text().toStdString(); }
    static bool NichtsGespeichert() {
        for (const char* n :
             {"AktFormatIndex", "PapierBreite", "FaktorX", "SperrbereichOben", "Etikett1Breite",
              "Etikett1Hoehe", "Etikett1LinkerRand", "Etikett1UntererAbstand"})
            if (L_REGIST_GetIntegerValue(n, "") != L_REGIST_Fehlt) return false;
        return true;
    }
    std::vector<std::pair<FormatTyp, EtikettOptionen>> bestaetigt;
};

TEST_F(EtikettFensterTest, ZeigtDieVorgaben) {
    TEtikettForm& d = Dialog();
    EXPECT_EQ(d.windowTitle().toStdString(), "Etiketten Drucken");
    EXPECT_EQ(T(d.PapierbreiteEdit), "210,00 mm");
    EXPECT_EQ(T(d.PapierhoeheEdit), "297,00 mm");
    EXPECT_EQ(T(d.xFaktorEdit), " 1,0");
    EXPECT_EQ(T(d.LinkerSperrbereichEdit), "6,50 mm");
    EXPECT_EQ(T(d.UntererSperrbereichEdit), "6,10 mm");
    EXPECT_EQ(T(d.BreiteEdit), "45,72 mm");
    EXPECT_EQ(T(d.ObererBlattRandEdit), "21,41 mm");
    EXPECT_EQ(T(d.UntererAbstandEdit), "0,00 mm");
    EXPECT_EQ(d.GetAnzahlSpalten(), 4);
    EXPECT_EQ(d.EtikettFormTabControl->currentIndex(), 0);
    EXPECT_EQ(d.EtikettFormTabControl->tabText(0).toStdString(), "46x21mm 4-reihig");
    EXPECT_EQ(d.EtikettFormTabControl->tabText(1).toStdString(), "89x36mm 2-reihig");
    EXPECT_EQ(d.EtikettFormTabControl->tabText(2).toStdString(), "89x48mm 1-reihig");
    EXPECT_TRUE(d.KanaeleKleinCheckBox->isChecked());
    EXPECT_FALSE(d.StartnummernHervorhebenCheckBox->isChecked());

    // Another tab shows its own format; paper and margins are common to all and keep what was typed.
    d.PapierhoeheEdit->setText("280 mm");
    d.BreiteEdit->setText("99 mm");
    d.EtikettFormTabControl->setCurrentIndex(2);
    EXPECT_EQ(T(d.BreiteEdit), "88,90 mm");
    EXPECT_EQ(T(d.HoeheEdit), "48,40 mm");
    EXPECT_EQ(d.GetAnzahlSpalten(), 1);
    EXPECT_EQ(T(d.PapierhoeheEdit), "280 mm");
    d.EtikettFormTabControl->setCurrentIndex(0);
    EXPECT_EQ(T(d.BreiteEdit), "45,72 mm");
}

TEST_F(EtikettFensterTest, FehlerhafteEingabeBleibtOffenUndSpeichertNichts) {
    struct Fall {
        const char* Name;
        void (*Aendern)(TEtikettForm&);
        const char* Meldung;
    };
    const Fall faelle[] = {
        {"Buchstaben", [](TEtikettForm& d) { d.BreiteEdit->setText("breit"); },
         "Breite: „breit“ ist keine Länge."},
        {"negative Länge", [](TEtikettForm& d) { d.LinkerBlattRandEdit->setText("-2 mm"); },
         "Linker Rand: eine Länge darf nicht negativ sein."},
        {"Zeilenabstand 0",
         [](TEtikettForm& d) {
             d.HoeheEdit->setText("0.00 mm");
             d.UntererAbstandEdit->setText("0 mm");
         },
         "Die Höhe des Etiketts muss größer als 0 sein."},
    };
    TEtikettForm& d = Dialog();
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.Name);
        meldungen.clear();
        d.Zeigen();
        d.EtikettFormTabControl->setCurrentIndex(1);
        c.Aendern(d);
        d.PapierbreiteEdit->setText("200 mm"); // a valid change that must not be taken either
        EXPECT_FALSE(d.OkButtonClick());
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_NE(meldungen[0].find(c.Meldung), std::string::npos) << meldungen[0];
        EXPECT_TRUE(NichtsGespeichert());
        EXPECT_TRUE(bestaetigt.empty());
        EXPECT_EQ(d.Format().PapierBreite, 21000);
    }
    // "Abbruch" stores nothing either.
    d.AbbruchButtonClick();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(NichtsGespeichert());
    EXPECT_TRUE(bestaetigt.empty());
}

TEST_F(EtikettFensterTest, OkSpeichertUndLiestUnveraendertZurueck) {
    TEtikettForm& d = Dialog();
    d.EtikettFormTabControl->setCurrentIndex(1);
    d.BreiteEdit->setText("70,01"); // no unit: millimetres, as shown
    d.HoeheEdit->setText("3.333 cm");
    d.UntererAbstandEdit->setText("2.41 mm");
    d.PapierhoeheEdit->setText("296,99 mm");
    d.yFaktorEdit->setText("0,985");
    d.SpaltenRadioButton[2]->setChecked(true);
    d.StartnummernHervorhebenCheckBox->setChecked(true);
    d.KanaeleKleinCheckBox->setChecked(false);
    ASSERT_TRUE(d.OkButtonClick());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(meldungen.empty());

    ASSERT_EQ(bestaetigt.size(), 1u);
    const FormatTyp& f = bestaetigt[0].first;
    EXPECT_EQ(f.AktFormat, 1);
    EXPECT_EQ(f.Abmessungen[1].Breite, 7001);
    EXPECT_EQ(f.Abmessungen[1].Hoehe, 3333);
    EXPECT_EQ(f.Abmessungen[1].AnzahlSpalten, 3);
    EXPECT_EQ(f.Abmessungen[0].Breite, 4572);
    EXPECT_EQ(f.PapierHoehe, 29699);
    EXPECT_EQ(f.FaktorY, 985);
    EXPECT_TRUE(bestaetigt[0].second.StartnummernHervorheben);
    EXPECT_FALSE(bestaetigt[0].second.KanaeleKlein);
    EXPECT_EQ(L_REGIST_GetIntegerValue("AktFormatIndex", ""), 1);
    EXPECT_EQ(L_REGIST_GetIntegerValue("Etikett2Breite", ""), 7001);
    EXPECT_EQ(L_REGIST_GetIntegerValue("Etikett2AnzahlReihen", ""), 3);
    EXPECT_EQ(L_REGIST_GetIntegerValue("PapierHoehe", ""), 29699);

    // Shown again: the stored values, the options as they were left; "Ok"
    // without a change stores exactly the same values again.
    d.Zeigen();
    EXPECT_EQ(d.EtikettFormTabControl->currentIndex(), 1);
    EXPECT_EQ(d.EtikettFormTabControl->tabText(1).toStdString(), "70x33mm 3-reihig");
    EXPECT_EQ(T(d.BreiteEdit), "70,01 mm");
    EXPECT_EQ(T(d.HoeheEdit), "33,33 mm");
    EXPECT_EQ(T(d.PapierhoeheEdit), "296,99 mm");
    EXPECT_EQ(T(d.yFaktorEdit), "0,985");
    EXPECT_EQ(d.GetAnzahlSpalten(), 3);
    EXPECT_TRUE(d.StartnummernHervorhebenCheckBox->isChecked());
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(d.OkButtonClick());
        d.Zeigen();
    }
    ASSERT_EQ(bestaetigt.size(), 4u);
    const FormatTyp& g = bestaetigt.back().first;
    EXPECT_EQ(g.Abmessungen[1].Breite, 7001);
    EXPECT_EQ(g.Abmessungen[1].Hoehe, 3333);
    EXPECT_EQ(g.Abmessungen[1].UntererAbstand, 241);
    EXPECT_EQ(g.PapierHoehe, 29699);
    EXPECT_EQ(g.FaktorY, 985);
    EXPECT_EQ(L_REGIST_GetIntegerValue("Etikett2Breite", ""), 7001);
}

TEST_F(EtikettFensterTest, OhneStartreihenfolgeKommtDerHinweis) {
    TEtikettForm& d = Dialog();
    d.AbbruchButtonClick();
    WettbewerbTyp* w = fenster->GetAktWettPtr();
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next)
        for (int r = 1; r <= w->AnzDurchgaenge; ++r) t->Gruppe[r] = 0;
    fenster->EtikettDialogZeigen();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(fenster->HinweisForm()->isVisible());
}

// Looks at the dialog as a user would: TAVURAN_BILD_ORDNER=… app_tests
// --gtest_also_run_disabled_tests --gtest_filter=*Bild*
TEST_F(EtikettFensterTest, DISABLED_Bild) {
    TEtikettForm& d = Dialog();
    QApplication::processEvents();
    const char* ordner = std::getenv("TAVURAN_BILD_ORDNER");
    const QString datei = (ordner ? QString::fromUtf8(ordner) : QDir::tempPath()) + "/etiketten.png";
    ASSERT_TRUE(d.grab().save(datei));
}

} // namespace
} // namespace tavuran::test
