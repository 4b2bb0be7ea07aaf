// Start sheets, labels, the channel statistics page, fitted text and the
// document face shared by preview, printer, PDF and the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "reports/AufzeichnungsCanvas.h"
#include "reports/DruckDokument.h"
#include "reports/DruckFixture.h"
#include "reports/Etikett.h"
#include "reports/KanalstatistikDruck.h"
#include "reports/Startzettel.h"

namespace tavuran {
namespace {

using namespace drucktest;

std::vector<int> ZettelJeSeite(const std::vector<ZettelSeiteTyp>& s) {
    std::vector<int> n;
    for (const ZettelSeiteTyp& x : s) n.push_back(static_cast<int>(x.Zettel.size()));
    return n;
}

TEST(Startzettel, AchtJeSeite) {
    Wettbewerb w;
    Fuellen(w, 17, 6);
    const auto seiten = MakeZettelSeiten(w.W, 1, SortStartNr);
    EXPECT_EQ(ZettelJeSeite(seiten), (std::vector<int>{8, 8, 1}));
    EXPECT_EQ(seiten[1].Zettel[0].Teilnehmer, "9: Teilnehmer09 Vor");
    EXPECT_EQ(seiten[1].Zettel[0].Verein, "Verein 4");
    EXPECT_EQ(seiten[1].Zettel[0].ZeilenNr, 1);
    EXPECT_EQ(seiten[1].Zettel[0].Gruppe, "2");
    // Nobody: no page.
    Wettbewerb leer;
    Fuellen(leer, 0, 6);
    EXPECT_TRUE(MakeZettelSeiten(leer.W, 1, SortStartNr).empty());
}

// In name order over all preliminary rounds of a 3-round competition every
// participant after the first starts a new page.
TEST(Startzettel, NamensfolgeNeueSeite) {
    Wettbewerb w;
    Fuellen(w, 4, 2, 3);
    const auto seiten = MakeZettelSeiten(w.W, -2, SortName);
    EXPECT_EQ(ZettelJeSeite(seiten), (std::vector<int>{3, 3, 3, 3}));
    EXPECT_EQ(seiten[2].Zettel[0].Teilnehmer.rfind("3: ", 0), 0u);
    EXPECT_EQ(w->DurchgangNr, 1);
}

TEST(Startzettel, KanalUndStartnummer) {
    Wettbewerb w;
    Fuellen(w, 2, 2);
    TeilnehmerTyp* t = GetTeilnehmerEdvNr(w.W, 1);
    t->Kanal[2] = "182";
    t->KanalAktiv = 2;
    GetTeilnehmerEdvNr(w.W, 2)->Kanal[1] = "2G4";
    w->Gruppenstart = false;
    const auto seiten = MakeZettelSeiten(w.W, 1, SortStartNr);
    ASSERT_EQ(seiten.size(), 1u);
    AufzeichnungsCanvas c(2480, 3508);
    DrawZettelImage(c, c.Breite(), false, c.Hoehe(), seiten[0]);
    EXPECT_EQ(c.TexteMit("Kanal: 182").size(), 1u);
    EXPECT_EQ(c.TexteMit("Kanal: 2,4GHz").size(), 1u);
    EXPECT_EQ(c.TexteMit("Startnummer").size(), 2u);
    EXPECT_EQ(c.TexteMit("Gruppe").size(), 0u);
    EXPECT_EQ(c.TexteMit("Unterschrift").size(), 2u);
    EXPECT_FALSE(c.AusserhalbGezeichnet());
}

// Fly-off sheets only for the finalists, with their fly-off group, labelled
// with the round's name.
TEST(Startzettel, FlyOffNurFuerFinalisten) {
    Wettbewerb w;
    Fuellen(w, 10, 5, 2, true);
    w->AnzTeilnInEndRunde = 3;
    w->CalcWertung = true;
    WettbewerbModellNeuBerechnen(w.W, true);
    const auto seiten = MakeZettelSeiten(w.W, DruckFlyOffs, SortStartNr);
    ASSERT_EQ(seiten.size(), 1u);
    ASSERT_EQ(seiten[0].Zettel.size(), 3u);
    for (const ZettelTyp& z : seiten[0].Zettel) {
        EXPECT_GT(GetTeilnehmerEdvNr(w.W, z.EdvNr)->Gruppe[3], 0) << "kein Finalist";
        EXPECT_LE(GetTeilnehmerEdvNr(w.W, z.EdvNr)->PlatzNr, 3);
        EXPECT_EQ(z.Gruppe, "1");
        EXPECT_EQ(z.DurchgangTitel, "1. Fly-Off");
        EXPECT_EQ(z.DurchgangWert, "1");
    }
    AufzeichnungsCanvas c(2480, 3508);
    DrawZettelImage(c, c.Breite(), false, c.Hoehe(), seiten[0]);
    EXPECT_EQ(c.TexteMit("1. Fly-Off").size(), 3u);
    EXPECT_TRUE(c.TexteMit("Durchgang").empty());
}

// The pilot's name is the largest text of the sheet; every writing line has
// a title (also with manual points); no "ohne Team".
TEST(Startzettel, NameAmGroesstenUndFelderBeschriftet) {
    Wettbewerb w;
    Fuellen(w, 2, 2);
    const auto seiten = MakeZettelSeiten(w.W, 1, SortStartNr);
    ASSERT_EQ(seiten.size(), 1u);
    ASSERT_FALSE(seiten[0].Zettel[0].Messfelder.empty());
    for (const std::string& f : seiten[0].Zettel[0].Messfelder) EXPECT_FALSE(f.empty());
    AufzeichnungsCanvas c(2480, 3508);
    DrawZettelImage(c, c.Breite(), false, c.Hoehe(), seiten[0]);
    const auto name = c.TexteMit("1: Teilnehmer01 Vor");
    ASSERT_EQ(name.size(), 1u);
    for (const AufzeichnungsEintrag* t : c.Texte())
        if (t->Text.find(": Teilnehmer") == std::string::npos)
            EXPECT_LT(t->Schrift.Hoehe, name[0]->Schrift.Hoehe) << t->Text;
    EXPECT_EQ(c.TextAuszug().find("ohne Team"), std::string::npos);
    EXPECT_EQ(c.TexteMit("Verein 1").size(), 1u);
}

// Two texts that stand on one line (their baselines, 13/16 of the height
// below the top, lie within half the smaller height of each other) and run
// into each other or stand closer than two pixels, as "a / b"; empty when
// none do.
std::string TexteUeberlappen(const AufzeichnungsCanvas& c) {
    const auto t = c.Texte();
    auto grundlinie = [](const AufzeichnungsEintrag& e) { return e.y0 + (e.y1 - e.y0) * 13 / 16; };
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = i + 1; j < t.size(); ++j) {
            const auto& a = *t[i];
            const auto& b = *t[j];
            const bool eineZeile =
                2 * std::abs(grundlinie(a) - grundlinie(b)) < std::min(a.y1 - a.y0, b.y1 - b.y0);
            const int breit = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
            if (eineZeile && breit > -2) return a.Text + " / " + b.Text;
        }
    return "";
}

// The labels of the left block, the competition's name, the participant and
// the date are each fitted into their own space: on a screen-sized and on a
// printer-sized page, with group start and without, no text runs into its
// neighbour and nothing leaves the paper.
TEST(Startzettel, TexteUeberlappenNicht) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    w->Name = "Internationaler Süddeutscher Frühjahrspokal der Segelflieger Würzburg 2026";
    TeilnehmerTyp* t = GetTeilnehmerEdvNr(w.W, 1);
    t->Name.NachnameStr = "Hoffmann-Straßburger";
    t->Name.VornameStr = "Hans-Jürgen";
    t->Verein = "Modellflugclub Überlingen-Bodensee e.V.";
    t->StartNr = 1234;
    for (bool gruppenstart : {true, false}) {
        w->Gruppenstart = gruppenstart;
        const auto seiten = MakeZettelSeiten(w.W, 1, SortStartNr);
        ASSERT_EQ(seiten.size(), 1u);
        for (int breite : {480, 827, 2480}) {
            const int hoehe = breite * 1414 / 1000;
            AufzeichnungsCanvas c(breite, hoehe, breite * 300 / 2480);
            DrawZettelImage(c, breite, true, hoehe, seiten[0]);
            EXPECT_EQ(c.TexteMit(gruppenstart ? "Start-/Landepkt." : "Startnummer").size(), 3u);
            EXPECT_EQ(TexteUeberlappen(c), "") << breite << (gruppenstart ? " mit" : " ohne") << " Gruppenstart";
            EXPECT_FALSE(c.AusserhalbGezeichnet());
        }
    }
}

// The default formats put 48, 12 and 4 labels on a page.
TEST(Etikett, DreiFormate) {
    struct Fall {
        int Format, Teilnehmer;
        std::vector<int> Seiten;
    } faelle[] = {{0, 49, {48, 1}},       {0, 48, {48}},
                  {1, 49, {12, 12, 12, 12, 1}}, {2, 49, std::vector<int>(12, 4)},
                  {0, 0, {0}}};
    faelle[3].Seiten.push_back(1);
    for (const Fall& f : faelle) {
        Wettbewerb w;
        Fuellen(w, f.Teilnehmer, 10);
        FormatTyp format = EtikettFormatDefault();
        format.AktFormat = f.Format;
        const auto seiten = MakeEtikettSeiten(w.W, format, SortName);
        std::vector<int> n;
        for (const auto& s : seiten) n.push_back(static_cast<int>(s.Etiketten.size()));
        EXPECT_EQ(n, f.Seiten) << "Format " << f.Format + 1 << ", " << f.Teilnehmer << " Teilnehmer";
        // Format 1 starts at the sheet's first row and column; 2 and 3 leave the first row empty.
        if (!seiten.empty() && !seiten[0].Etiketten.empty()) {
            EXPECT_EQ(seiten[0].Etiketten[0].ZeilenNr, f.Format == 0 ? 0 : 1);
            EXPECT_EQ(seiten[0].Etiketten[0].SpaltenNr, 0);
        }
        for (const auto& s : seiten) {
            int breite = 0, hoehe = 0;
            DruckPapier p;
            p.Breite = format.PapierBreite, p.Hoehe = format.PapierHoehe;
            p.RandLinks = format.Sperrbereich.links, p.RandRechts = format.Sperrbereich.rechts;
            p.RandOben = format.Sperrbereich.oben, p.RandUnten = format.Sperrbereich.unten;
            DruckCanvasGroesse(p, 300, breite, hoehe);
            AufzeichnungsCanvas c(breite, hoehe);
            DrawEtikettImage(c, breite, false, hoehe, format, EtikettOptionen{}, s);
            EXPECT_FALSE(c.AusserhalbGezeichnet()) << "Format " << f.Format + 1;
        }
    }
}

TEST(Etikett, NamenUndMillimeter) {
    const FormatTyp f = EtikettFormatDefault();
    EXPECT_EQ(f.Namen[0], "46x21mm 4-reihig");
    EXPECT_EQ(f.Namen[1], "89x36mm 2-reihig");
    EXPECT_EQ(f.Namen[2], "89x48mm 1-reihig");
    EXPECT_EQ(CnvMillimeterToString(4572), "45.72 mm");
    EXPECT_EQ(CnvMillimeterToString(5), "0.05 mm");
    EXPECT_EQ(CnvMillimeterToString(21000), "210.00 mm");
    // Every length shown reads back unchanged.
    int falsch = 0;
    for (int v = 0; v <= 30000; ++v) {
        int r = -1;
        if (!CnvStringToMillimeter(CnvMillimeterToString(v), r) || r != v) ++falsch;
    }
    EXPECT_EQ(falsch, 0);
    int v = 0;
    EXPECT_TRUE(CnvStringToMillimeter("2,5 cm", v));
    EXPECT_EQ(v, 2500);
    EXPECT_FALSE(CnvStringToMillimeter("mm", v));
    EXPECT_TRUE(CnvStringToFaktor(" 1.0", v));
    EXPECT_EQ(v, 1000);
}

TEST(Etikett, FormatPruefen) {
    EXPECT_EQ(EtikettFormatPruefen(EtikettFormatDefault()), "");
    struct Fall {
        const char* Name;
        void (*Aendern)(FormatTyp&);
        const char* Text;
    } faelle[] = {
        {"Höhe 0", [](FormatTyp& f) { f.Abmessungen[0].Hoehe = 0; }, "Die Höhe des Etiketts muss größer als 0 sein."},
        {"Breite negativ", [](FormatTyp& f) { f.Abmessungen[0].Breite = -5; }, "Breite: eine Länge darf nicht negativ sein."},
        {"Abstand negativ", [](FormatTyp& f) { f.Abmessungen[0].UntererAbstand = -3000; }, "Unterer Abstand: eine Länge"},
        {"Ränder breiter als Papier", [](FormatTyp& f) { f.Sperrbereich.links = 21000; }, "Die Papierbreite muss größer"},
        {"Papierhöhe 0", [](FormatTyp& f) { f.PapierHoehe = 0; }, "Die Papierhöhe muss größer"},
        {"Faktor 0", [](FormatTyp& f) { f.FaktorY = 0; }, "Der Höhenfaktor muss"},
        {"7 Spalten", [](FormatTyp& f) { f.Abmessungen[0].AnzahlSpalten = 7; }, "Die Anzahl der Spalten"},
    };
    for (const Fall& f : faelle) {
        FormatTyp format = EtikettFormatDefault();
        f.Aendern(format);
        EXPECT_NE(EtikettFormatPruefen(format).find(f.Text), std::string::npos) << f.Name;
        Wettbewerb w;
        Fuellen(w, 5, 5);
        EXPECT_TRUE(MakeEtikettSeiten(w.W, format, SortName).empty()) << f.Name;
        std::string meldung;
        DruckAuftrag a;
        a.Art = DruckArt::Etiketten;
        a.Etikettformat = format;
        EXPECT_EQ(DruckDokumentErstellen(w.W, a, meldung), nullptr) << f.Name;
        EXPECT_NE(meldung.find(f.Text), std::string::npos) << f.Name;
    }
}

// On the labels of all three formats the start number keeps a gap to
// "Kanal", and a long competition name is shown whole where it can be
// written at 6 points or more, else at 6 points shortened at a word
// boundary with a mark, never shrunk to nothing.
TEST(Etikett, TexteLesbarUndGetrennt) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    w->Name = "Süddeutscher Frühjahrspokal der Segelflieger Würzburg";
    GetTeilnehmerEdvNr(w.W, 1)->StartNr = 33;
    GetTeilnehmerEdvNr(w.W, 2)->StartNr = 188;
    for (int format = 0; format < 3; ++format) {
        FormatTyp f = EtikettFormatDefault();
        f.AktFormat = format;
        const auto seiten = MakeEtikettSeiten(w.W, f, SortStartNr);
        ASSERT_EQ(seiten.size(), 1u);
        for (int breite : {827, 2480}) {
            const int hoehe = breite * 1414 / 1000;
            AufzeichnungsCanvas c(breite, hoehe, breite * 300 / 2480);
            DrawEtikettImage(c, breite, false, hoehe, f, EtikettOptionen{}, seiten[0]);
            EXPECT_EQ(TexteUeberlappen(c), "") << "Format " << format + 1 << ", Breite " << breite;
            // The name, whole or shortened at a word boundary with its mark.
            std::vector<const AufzeichnungsEintrag*> name;
            for (const AufzeichnungsEintrag* t : c.Texte())
                if (t->Text.rfind("Süddeutscher", 0) == 0) name.push_back(t);
            ASSERT_EQ(name.size(), 3u);
            const int lesbar = DruckPunkteZuPixel(c, 6);
            const bool ganz = name[0]->Text == w->Name;
            EXPECT_GE(name[0]->Schrift.Hoehe, lesbar) << "Format " << format + 1 << ", Breite " << breite;
            if (!ganz) {
                EXPECT_EQ(name[0]->Text.substr(name[0]->Text.size() - std::string("…").size()), "…") << name[0]->Text;
                EXPECT_NE(w->Name.find(name[0]->Text.substr(0, name[0]->Text.size() - std::string("…").size()) + " "),
                          std::string::npos)
                    << "an einer Wortgrenze: " << name[0]->Text;
            }
            EXPECT_LE(static_cast<int>(L_STR_Length(name[0]->Text)) * name[0]->Schrift.Hoehe / 2,
                      name[0]->ClipBreite < 0 ? 1 << 30 : name[0]->ClipBreite);
            // The one-column label at printer resolution has room for the
            // whole name; the four-column label has not.
            if (breite == 2480 && format != 1) EXPECT_EQ(ganz, format == 2) << "Format " << format + 1;
            EXPECT_FALSE(c.AusserhalbGezeichnet());
        }
    }
}

// A one-column sheet whose column begins in the non-printable margin keeps
// its column; a sheet where not even the first row fits takes one label a page.
TEST(Etikett, GrenzfaelleDerGeometrie) {
    Wettbewerb w;
    Fuellen(w, 3, 3);
    FormatTyp f = EtikettFormatDefault();
    f.AktFormat = 2;
    f.Abmessungen[2].LinkerRand = 100;
    auto seiten = MakeEtikettSeiten(w.W, f, SortName);
    ASSERT_EQ(seiten.size(), 1u);
    for (const auto& e : seiten[0].Etiketten) EXPECT_EQ(e.SpaltenNr, 0);
    f.Abmessungen[2].Hoehe = 40000;
    seiten = MakeEtikettSeiten(w.W, f, SortName);
    EXPECT_EQ(seiten.size(), 3u);
}

TEST(Etikett, Einstellungen) {
    auto store = NewMemorySettingsStore();
    L_REGIST_SetStore(store.get());
    FormatTyp f = EtikettFormatDefault();
    f.Abmessungen[1].Breite = 7000;
    f.Abmessungen[1].AnzahlSpalten = 3;
    f.AktFormat = 1;
    EtikettFormatSchreiben(f);
    FormatTyp g = EtikettFormatDefault();
    EtikettFormatLesen(g);
    EXPECT_EQ(g.AktFormat, 1);
    EXPECT_EQ(g.Abmessungen[1].Breite, 7000);
    EXPECT_EQ(g.Namen[1], "70x36mm 3-reihig");
    L_REGIST_SetStore(nullptr);
}

TEST(Etikett, StartnummerHervorgehoben) {
    Wettbewerb w;
    Fuellen(w, 7, 7);
    FormatTyp f = EtikettFormatDefault();
    const auto seiten = MakeEtikettSeiten(w.W, f, SortStartNr);
    AufzeichnungsCanvas c(2325, 3425);
    EtikettOptionen o;
    o.StartnummernHervorheben = true;
    DrawEtikettImage(c, c.Breite(), false, c.Hoehe(), f, o, seiten[0]);
    const auto sieben = c.TexteMit("7");
    ASSERT_FALSE(sieben.empty());
    EXPECT_EQ(sieben[0]->Text, " 7 ");
    EXPECT_EQ(sieben[0]->Farbe, DruckWeiss);
    EXPECT_EQ(c.TexteMit("Kanal").size(), 7u);
}

// Fitted text never loops on a space of zero or less and never grows past its space.
TEST(DruckCanvas, VariableTextOut) {
    AufzeichnungsCanvas c(1000, 1000);
    DruckSchrift s;
    s.Hoehe = 40;
    c.SetSchrift(s);
    EXPECT_EQ(VariableTextOut(c, 10, 100, 0, 0, false, "Text"), 40);
    EXPECT_EQ(VariableTextOut(c, 10, 100, -50, 0, false, "Text"), 40);
    EXPECT_TRUE(c.Texte().empty());
    EXPECT_EQ(VariableTextOut(c, 10, 100, 60, 0, false, "Text"), 30);
    EXPECT_EQ(c.Texte().back()->x1 - c.Texte().back()->x0, 60);
    // Too long even at the smallest height: clipped to its space.
    EXPECT_EQ(VariableTextOut(c, 10, 100, 5, 0, false, "Ein sehr langer Text"), DruckMinSchrifthoehe);
    EXPECT_LE(c.Texte().back()->x1 - c.Texte().back()->x0, 5);
    EXPECT_EQ(c.GetSchrift().Hoehe, 40);
    // The height is capped; yPix lies near the baseline.
    VariableTextOut(c, 10, 100, 1000, 16, false, "x");
    EXPECT_EQ(c.Texte().back()->Schrift.Hoehe, 16);
    EXPECT_EQ(c.Texte().back()->y0, 100 - 16 * 13 / 16);
}

TEST(Kanalstatistik, AlleAuf24GHz) {
    Wettbewerb w;
    Fuellen(w, 6, 3);
    for (TeilnehmerTyp* t = w->TeilnehmerRootPtr; t; t = t->next) t->Kanal[1] = "2G4";
    std::string meldung;
    DruckAuftrag a;
    a.Art = DruckArt::Kanalstatistik;
    const auto d = DruckDokumentErstellen(w.W, a, meldung);
    ASSERT_NE(d, nullptr) << meldung;
    EXPECT_EQ(d->AnzahlSeiten(), 1);
    AufzeichnungsCanvas c(2480, 3508);
    d->SeiteZeichnen(c, 1, false);
    // A title, the count with the 2.4 GHz pilots, and one line instead of three empty charts.
    EXPECT_EQ(c.TexteMit("Kanalstatistik").size(), 1u);
    EXPECT_EQ(c.TexteMit("35 MHz A-Band: 0, 35 MHz B-Band: 0, Sonderkanäle: 0, 2,4 GHz: 6").size(), 1u);
    EXPECT_EQ(c.TexteMit("Keine Kanäle zu zeigen: alle Teilnehmer fliegen mit 2,4 GHz.").size(), 1u);
    EXPECT_EQ(c.TexteMit("35 MHz A-Band").size(), 0u);
    EXPECT_EQ(c.TexteMit("Sonderkanäle").size(), 0u);
    EXPECT_FALSE(c.AusserhalbGezeichnet());
}

// The printed page names the competition, counts every band and lists the
// pilots of each shared channel.
TEST(Kanalstatistik, TitelZaehlungUndGeteilteKanaele) {
    Wettbewerb w;
    Fuellen(w, 6, 3);
    GetTeilnehmerEdvNr(w.W, 3)->Kanal[1] = "62";
    GetTeilnehmerEdvNr(w.W, 4)->Kanal[1] = "A1";
    GetTeilnehmerEdvNr(w.W, 5)->Kanal[1] = "2G4";
    std::string meldung;
    DruckAuftrag a;
    a.Art = DruckArt::Kanalstatistik;
    const auto d = DruckDokumentErstellen(w.W, a, meldung);
    ASSERT_NE(d, nullptr) << meldung;
    AufzeichnungsCanvas c(2480, 3508);
    d->SeiteZeichnen(c, 1, false);
    EXPECT_EQ(c.TexteMit("Kanalstatistik").size(), 1u);
    EXPECT_EQ(c.TexteMit("Drucktest   01.01.16").size(), 1u) << c.TextAuszug();
    EXPECT_EQ(c.TexteMit("35 MHz A-Band: 4, 35 MHz B-Band: 0, Sonderkanäle: 1, 2,4 GHz: 1").size(), 1u)
        << c.TextAuszug();
    EXPECT_EQ(c.TexteMit("Kanal 62: Teilnehmer01 Vor, Teilnehmer03 Vor").size(), 1u) << c.TextAuszug();
    EXPECT_EQ(c.TexteMit("35 MHz A-Band").size(), 1u);
    EXPECT_FALSE(c.AusserhalbGezeichnet());
}

TEST(Kanalstatistik, Baender) {
    Wettbewerb w;
    Fuellen(w, 6, 3);
    // 61 + i mod 20: 62 .. 67 once each; one more on 62 and one on channel "A1".
    GetTeilnehmerEdvNr(w.W, 3)->Kanal[1] = "62";
    GetTeilnehmerEdvNr(w.W, 4)->Kanal[1] = "A1";
    KanalStatistikModell m = KanalStatistikErstellen(w.W);
    AufzeichnungsCanvas c(2480, 3508);
    PrintKanalStatistik(c, c.Breite(), c.Hoehe(), m);
    EXPECT_EQ(c.TexteMit("35 MHz A-Band").size(), 1u);
    EXPECT_EQ(c.TexteMit("35 MHz B-Band").size(), 0u);
    EXPECT_EQ(c.TexteMit("A1").size(), 1u);
    EXPECT_EQ(c.TexteMit("80").size(), 1u);
    int rot = 0;
    for (const auto& e : c.Eintraege())
        if (e.Art == AufzeichnungsEintrag::Art::Rechteck && e.Farbe == DruckRot) ++rot;
    EXPECT_EQ(rot, 1);
}

// A band of 25 slots whose channel names are longer than a slot is wide:
// the names under the bars are written smaller and stay apart.
TEST(Kanalstatistik, LangeKanalnamenGetrennt) {
    KanalStatistikModell m;
    m.Maximum = 2;
    m.Baender[KanalBandSonder].Name = "Sonderkanäle";
    for (int i = 0; i < 25; ++i) m.Baender[KanalBandSonder].Slots.push_back({"K" + std::to_string(1000 + i), 1, {}});
    for (int breite : {827, 2480}) {
        AufzeichnungsCanvas c(breite, breite * 1414 / 1000, breite * 300 / 2480);
        PrintKanalStatistik(c, c.Breite(), c.Hoehe(), m);
        EXPECT_EQ(c.TexteMit("K1024").size(), 1u);
        EXPECT_EQ(TexteUeberlappen(c), "") << breite;
        EXPECT_FALSE(c.AusserhalbGezeichnet());
    }
}

// Every document through the one face: pages, paper, and the refusal of nothing to print.
TEST(DruckDokument, JedeArt) {
    Wettbewerb w;
    Fuellen(w, 20, 5, 2, true);
    struct Fall {
        DruckArt Art;
        int Seiten;
        bool Quer;
    } faelle[] = {{DruckArt::Meldungsliste, 1, true}, {DruckArt::Startliste, 1, false},
                  {DruckArt::Wertungsliste, 1, false}, {DruckArt::Ergebnisliste, 1, true},
                  {DruckArt::Startzettel, 6, false},   {DruckArt::Etiketten, 1, false},
                  {DruckArt::Kanalstatistik, 1, false}};
    for (const Fall& f : faelle) {
        DruckAuftrag a;
        a.Art = f.Art;
        std::string meldung;
        const auto d = DruckDokumentErstellen(w.W, a, meldung);
        ASSERT_NE(d, nullptr) << meldung;
        EXPECT_EQ(d->AnzahlSeiten(), f.Seiten) << d->Titel;
        EXPECT_EQ(d->Querformat(), f.Quer) << d->Titel;
        int b = 0, h = 0;
        DruckCanvasGroesse(d->Papier(), 150, b, h);
        for (int s = 0; s <= d->AnzahlSeiten() + 1; ++s) {
            AufzeichnungsCanvas c(b, h, 150);
            d->SeiteZeichnen(c, s, true);
            EXPECT_EQ(c.Eintraege().empty(), s < 1 || s > d->AnzahlSeiten()) << d->Titel << " Seite " << s;
            EXPECT_FALSE(c.AusserhalbGezeichnet()) << d->Titel << " Seite " << s;
        }
    }
    DruckAuftrag a;
    a.Art = DruckArt::Startliste;
    a.VerteilerMaske = 0;
    std::string meldung;
    EXPECT_EQ(DruckDokumentErstellen(w.W, a, meldung), nullptr);
    EXPECT_EQ(meldung, "Es ist kein Verteiler gewählt.");
    a.Art = DruckArt::Ergebnisliste;
    a.Durchgaenge = 12;
    EXPECT_EQ(DruckDokumentErstellen(w.W, a, meldung), nullptr);
    EXPECT_FALSE(meldung.empty());
}

} // namespace
} // namespace tavuran
