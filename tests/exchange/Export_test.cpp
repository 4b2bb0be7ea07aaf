// The HTML lists and the CSV table of a competition: byte-exact against the
// files in tests/data/export, and the faults a public page or a spreadsheet
// must not show (unescaped markup, lost characters, shifted cells, entries
// created by looking, counts from a file used unchecked).
//
// After a deliberate change of the output, TAVURAN_GOLDEN_NEU=1 rewrites the
// files; look at them before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/DatenRegel.h"
#include "core/L_STR.h"
#include "core/Utf8.h"
#include "exchange/CsvExport.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/ExportBeispiel.h"
#include "exchange/HtmlExport.h"
#include "exchange/HtmlListen.h"
#include "exchange/ShortenName.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {
namespace {

using exporttest::ExportBeispiel;

std::string Lies(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string TempOrdner() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path p = std::filesystem::path(testing::TempDir()) /
                                    ("tavuran_export_" + std::to_string(getpid()) + "_" + info->name());
    std::filesystem::create_directories(p);
    return p.string() + "/";
}

// The competition as the program and the command line export it: evaluated,
// channels checked, every order sorted.
struct Bereit {
    WettbewerbTyp* w = ExportBeispiel();
    Bereit() {
        WettbewerbModellNeuBerechnen(w, true);
        SortAll(w);
    }
    ~Bereit() { DatenWettbewerbDispose(w); }
};

CsvOptionen CsvVoll() {
    CsvOptionen o;
    o.Bezirk = o.Leitung = o.Punktrichter = o.Wettbewerbsdaten = true;
    return o;
}

void MitVorlageVergleichen(const std::string& ist, const std::string& Vorlage) {
    const std::string pfad = std::string(TAVURAN_TEST_DATA) + "/export/" + Vorlage;
    if (std::getenv("TAVURAN_GOLDEN_NEU")) {
        std::ofstream(pfad, std::ios::binary) << ist;
        return;
    }
    const std::string soll = Lies(pfad);
    ASSERT_FALSE(soll.empty()) << "Vorlage fehlt: " << pfad;
    if (ist != soll) {
        const std::string neu = TempOrdner() + Vorlage;
        std::ofstream(neu, std::ios::binary) << ist;
        ADD_FAILURE() << Vorlage << " weicht von der Vorlage ab; erzeugt: " << neu;
    }
}

TEST(Export, VierHtmlListenUndCsvWieVorlage) {
    Bereit b;
    HtmlErgebnisOptionen o;
    MitVorlageVergleichen(HtmlDokumentBytes(HtmlErgebnisDokument(b.w, o, "")), "ergebnis.html");
    MitVorlageVergleichen(HtmlDokumentBytes(TeamListHtml(b.w, "01.04.2025")), "meldungen.html");
    MitVorlageVergleichen(HtmlDokumentBytes(StartListHtml(b.w, "01.04.2025")), "startlisten.html");
    MitVorlageVergleichen(HtmlDokumentBytes(TeamErgebnisHtml(b.w)), "teamergebnis.html");
    bool ersetzt = false;
    MitVorlageVergleichen(CsvText(ErgebnisExcelPreview(b.w, CsvVoll()), ersetzt), "ergebnis.csv");
    EXPECT_TRUE(ersetzt) << "Dvořák und Łukasz gehen im CSV nicht ohne Ersatz";
}

TEST(Export, ModelltexteEscaptUndZeichenAlsReferenz) {
    Bereit b;
    HtmlErgebnisOptionen o;
    const std::string html = HtmlDokumentBytes(HtmlErgebnisDokument(b.w, o, ""));
    EXPECT_EQ(html.find("<i>"), std::string::npos);
    const std::string anker = "Gesamtliste_Teilnehmer_&lt;i&gt;X&quot;&amp;_Bernd";
    EXPECT_NE(html.find("name=\"" + anker + "\""), std::string::npos);
    EXPECT_NE(html.find("href=\"#" + anker + "\""), std::string::npos);
    EXPECT_NE(html.find("Dvo&#345;\xE1k &#321;ukasz"), std::string::npos);
    EXPECT_NE(html.find("MFV S\xFC" "d; Abt. Segel."), std::string::npos);

    const std::string start = HtmlDokumentBytes(StartListHtml(b.w, "01.04.2025"));
    EXPECT_EQ(start.find("<i>"), std::string::npos);
    // Adler and <i>X"& are team mates in one group of round 1; Adler and Dorn share a channel in round 2.
    EXPECT_NE(start.find("<font color=\"red\">Team Nord</font>"), std::string::npos);
    EXPECT_NE(start.find("<font color=\"red\">35,010</font>"), std::string::npos);
}

// A browser draws a text wider than its fixed column over the next one: the
// name, club and association columns of the result list grow with their
// longest text and never fall below their usual width.
TEST(Export, NamenspaltenWachsenMitDenNamen) {
    Bereit b;
    TeilnehmerTyp* t = b.w->TeilnehmerRootPtr;
    ASSERT_NE(t, nullptr);
    t->Name.NachnameStr = "Schwarzenegger-Öztürk";
    t->Name.VornameStr = "Hans-Jürgen";
    t->Verein = "Modellflugclub Überlingen-Bodensee";
    HtmlErgebnisOptionen o;
    const std::string html = HtmlDokumentBytes(HtmlErgebnisDokument(b.w, o, ""));
    std::vector<int> breiten;
    const std::string muster = " <col class=xl25 width=20 style='mso-width-source:userset;mso-width-alt:1060;\r\n width:";
    for (std::size_t p = html.find(muster); p != std::string::npos; p = html.find(muster, p + 1))
        breiten.push_back(std::atoi(html.c_str() + p + muster.size()));
    ASSERT_GE(breiten.size(), 5u);
    EXPECT_EQ(breiten[0], 20);
    EXPECT_GE(breiten[2], static_cast<int>(Utf8Laenge(CutTeilnNameStr(t->Name, true))) * 5);
    EXPECT_GE(breiten[3], static_cast<int>(Utf8Laenge(CutVereinNameStr(t->Verein))) * 5);
    EXPECT_GE(breiten[4], 84);
}

// Counts every round, group and entry of the competition.
int Eintraege(const WettbewerbTyp* w) {
    int n = 0;
    for (const DurchgangTyp* d = w->DurchgangRootPtr; d; d = d->next, ++n)
        for (const GruppeTyp* g = d->GruppePtr; g; g = g->next, ++n)
            for (const WertungTyp* e = g->WertungPtr; e; e = e->next) ++n;
    return n;
}

TEST(Export, ErzeugtKeineWertungen) {
    Bereit b;
    const int vorher = Eintraege(b.w);
    HtmlErgebnisOptionen o;
    HtmlErgebnisDokument(b.w, o, "");
    StartListHtml(b.w, "");
    ErgebnisExcelPreview(b.w, CsvVoll());
    EXPECT_EQ(Eintraege(b.w), vorher);
}

TEST(Export, TeilwertungAusDemExportiertenWettbewerb) {
    Bereit b;
    b.w->BonusTeilnehmer = true;
    b.w->CalcWertung = true;
    HtmlErgebnisOptionen o;
    const std::string html = HtmlDokumentBytes(HtmlErgebnisDokument(b.w, o, ""));
    const TeilnehmerTyp* adler = GetTeilnehmerEdvNr(b.w, 1);
    ASSERT_NE(adler->ExportPunkte[0], adler->ExportPunkte[1]);
    const std::string t = L_STR_DoubleToStr(adler->ExportPunkte[1], 1, 7, 2, 2);
    EXPECT_NE(html.find("x:num=\"" + t + "\""), std::string::npos) << t;
    const CsvTabelle tab = ErgebnisExcelPreview(b.w, CsvOptionen{});
    EXPECT_EQ(tab.Zellen[3].back(), CsvTeilwertung(adler->ExportPunkte[1]));
}

// Whatever a file says, every export finishes.
TEST(Export, ZahlenAusDerDateiBegrenzt) {
    const std::vector<void (*)(WettbewerbTyp*)> faelle = {
        [](WettbewerbTyp* w) { w->AnzDurchgaenge = 45; },
        [](WettbewerbTyp* w) { w->AnzVorrunden = 40; },
        [](WettbewerbTyp* w) { w->AnzVorrunden = -3; },
        [](WettbewerbTyp* w) { w->TeamwertungStatus = 99; },
        [](WettbewerbTyp* w) { GetTeilnehmerEdvNr(w, 2)->KanalAktiv = 7; },
        [](WettbewerbTyp* w) {
            w->RegelPtr->AnzPunktrichter = 16;
            w->RegelPtr->ParameterPunktr.Anzahl = 3;
        },
        [](WettbewerbTyp* w) { DatenRegelDispose(w->RegelPtr); },
    };
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        SCOPED_TRACE(i);
        Bereit b;
        faelle[i](b.w);
        HtmlErgebnisOptionen o;
        EXPECT_FALSE(HtmlErgebnisDokument(b.w, o, "").Lines.empty());
        EXPECT_FALSE(TeamListHtml(b.w, "").Lines.empty());
        EXPECT_FALSE(StartListHtml(b.w, "").Lines.empty());
        EXPECT_FALSE(TeamErgebnisHtml(b.w).Lines.empty());
        EXPECT_GE(ErgebnisExcelPreview(b.w, CsvVoll()).Zeilen(), 5);
    }
}

TEST(Export, EingebundeneTeilwettbewerbeJeDurchgangEinPlatz) {
    const std::string ordner = TempOrdner();
    // Sub-competitions for rounds 1 and 3; round 2 has none. Round 3's page is
    // the output file itself and is not included.
    const std::string aus = ordner + "gesamt.html";
    const auto Teil = [&](const std::string& Name, const std::string& Html, const std::string& Rumpf) {
        WettbewerbTyp* t = DatenWettbewerbNew();
        DatenWettbewerbDefault(t);
        t->Name = Name;
        t->WettbewerbFileNamen[1] = Html;
        const std::string wtb = ordner + Name + ".wtb";
        EXPECT_TRUE(DatenWettbewerbSave(t, wtb, 3, false).Ok);
        DatenWettbewerbDispose(t);
        std::ofstream(Html, std::ios::binary) << "<html>\r\n <!-- Ende Kopftext -->\r\n" << Rumpf
                                              << "\r\n <!-- Anfang Fusstext -->\r\n</html>\r\n";
        return wtb;
    };
    Bereit b;
    b.w->WettbewerbImportFileName[1] = Teil("Lauf Eins", ordner + "eins.html", "<tr><td>RUMPF EINS</td></tr>");
    b.w->WettbewerbImportFileName[3] = Teil("Lauf Drei", aus, "<tr><td>RUMPF DREI</td></tr>");
    const std::vector<HtmlImportEintrag> liste = HtmlImportListe(b.w, std::vector<bool>(MaxDurchgaenge, true));
    ASSERT_EQ(liste.size(), 30u);
    EXPECT_EQ(liste[0].WettName, "Lauf Eins");
    EXPECT_EQ(liste[1].WettName, "");
    EXPECT_EQ(liste[2].WettName, "Lauf Drei");
    EXPECT_TRUE(HtmlImporteVorhanden(liste));

    HtmlErgebnisOptionen o;
    o.Importe = liste;
    o.Einbinden = true;
    const std::string html = HtmlDokumentBytes(HtmlErgebnisDokument(b.w, o, aus));
    EXPECT_NE(html.find("RUMPF EINS"), std::string::npos);
    EXPECT_EQ(html.find("RUMPF DREI"), std::string::npos);
    EXPECT_NE(html.find("href=\"#Lauf_Drei_ErgebnisListe_Teilnehmer_Adler_Anna\""), std::string::npos);
    EXPECT_NE(html.find("href=\"#Lauf_Eins_ErgebnisListe_Teilnehmer_Adler_Anna\""), std::string::npos);
    std::filesystem::remove_all(ordner);
}

TEST(Export, RumpfEinerErgebnisseite) {
    const std::string datei = TempOrdner() + "teil.html";
    struct Fall {
        std::string Inhalt;
        std::vector<std::string> Rumpf;
    } const faelle[] = {
        {"a\r\n <!-- Ende Kopftext -->\r\nb\r\nc\r\n <!-- Anfang Fusstext -->\r\nd\r\n", {"b", "c"}},
        {"a\n<!-- Ende Kopftext -->\nb\n<!-- Anfang Fusstext -->\n", {"b"}},
        {"a\r\nb\r\n <!-- Anfang Fusstext -->\r\n", {}},
        {"<!-- Anfang Fusstext -->\r\nb\r\n<!-- Ende Kopftext -->\r\nc\r\n", {}},
        {"<!-- Ende Kopftext -->\r\nM\xFCller\r\n", {"Müller"}},
    };
    for (const Fall& f : faelle) {
        std::ofstream(datei, std::ios::binary) << f.Inhalt;
        EXPECT_EQ(HtmlDateiRumpf(datei), f.Rumpf) << f.Inhalt;
    }
    EXPECT_TRUE(HtmlDateiRumpf(datei + ".fehlt").empty());
}

TEST(Export, CsvZellenUndZahlen) {
    const std::pair<std::string, std::string> zellen[] = {
        {"Adler", "Adler"},      {"", ""},           {"a;b", "\"a;b\""},
        {"a\"b", "\"a\"\"b\""}, {"a\nb", "\"a\nb\""}, {"a\rb", "\"a\rb\""},
    };
    for (const auto& [ein, aus] : zellen) EXPECT_EQ(CsvZelle(ein), aus) << ein;
    EXPECT_EQ(CsvRohpunkte(1000), "1000,0");
    EXPECT_EQ(CsvRohpunkte(912.345), "912,35");
    EXPECT_EQ(CsvPunkte(1000), "1000,0");
    EXPECT_EQ(CsvPunkte(987.6), "987,60");
    EXPECT_EQ(CsvPunkte(987.65), "987,650");
    EXPECT_EQ(CsvGesamt(1000, 0), "1000");
    EXPECT_EQ(CsvGesamt(1666.666, 0), "1666,67");
    EXPECT_EQ(CsvGesamt(1234.5, 56), "1234,5+  56");
    EXPECT_EQ(CsvTeilwertung(98.2), "98,20");
}

TEST(Export, CsvMindestensFuenfMalFuenfUndUnveraenderteZellen) {
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->AnzDurchgaenge = 1;
    w->AnzVorrunden = 1;
    w->Teilwertung = false;
    bool ersetzt = true;
    const std::string text = CsvText(ErgebnisExcelPreview(w, CsvOptionen{}), ersetzt);
    EXPECT_FALSE(ersetzt);
    EXPECT_EQ(text, "Platz;Jugend;Teilnehmer;Verein;Land;Bundesland;1. Vorrunde; ;Ergebnis;\r\n"
                    ";;;;;;;;;\r\n;;;;;;;;;\r\n;;;;;;;;;\r\n;;;;;;;;;\r\n");
    DatenWettbewerbDispose(w);
}

TEST(Export, SichereDateinamen) {
    const std::pair<std::string, std::string> faelle[] = {
        {"Frühjahrspokal 2025", "Frühjahrspokal 2025"},
        {"Pokal 1/2", "Pokal 1_2"},
        {"..\\..\\Windows\\win", ".._.._Windows_win"},
        {"a:b*c?d\"e<f>g|h", "a_b_c_d_e_f_g_h"},
        {"Cup.  ", "Cup"},
        {"", "Wettbewerb"},
        {"..", "Wettbewerb"},
        {"con", "con_"},
        {std::string("Zeile\nzwei\x01"), "Zeile_zwei_"},
        {std::string("kaputt\xC3"), "kaputt_"},
    };
    for (const auto& [ein, aus] : faelle) EXPECT_EQ(SichererDateiName(ein), aus) << ein;
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    w->Name = "../Pokal";
    w->WettbewerbFileNamen[0] = "/daten/wtb/pokal.wtb";
    EXPECT_EQ(CsvDateiName(w), "/daten/wtb/.._Pokal.csv");
    DatenWettbewerbDispose(w);
}

TEST(Export, NamenKuerzenNachZeichen) {
    const std::pair<std::string, std::string> vereine[] = {
        {"Modellflugclub Beispiel e.V.", "MFC Beispiel"},
        {"MODELLFLUGCLUB BEISPIEL E.V.", "MFC BEISPIEL"},
        {"Luftsportverein Überlingen-Bodensee", "LSV Überlingen Bode."},
        {"MFG Süd", "MFG Süd"},
    };
    for (const auto& [ein, aus] : vereine) EXPECT_EQ(CutVereinNameStr(ein), aus) << ein;
    // 21 characters with "ß" and "ü" at the cut: cut by characters, never inside one.
    const std::string lang = CutString("Großflugmodellfreunde Müßigbrück", 20);
    EXPECT_EQ(lang, "Großflugmodellfreun.");
    EXPECT_EQ(Utf8Laenge(lang), 20u);
    EXPECT_EQ(CutTeilnNameStr(NameTyp{"", "Łukasz", "Dvořák-Wiśniewski"}, true), "Dvořák Wiśniewski Łuk.");
}

TEST(Export, SchreibenNurVollstaendig) {
    Bereit b;
    const std::string ordner = TempOrdner();
    const std::string datei = ordner + "liste.html";
    std::string grund;
    ASSERT_TRUE(TeamListExportHtml(datei, b.w, "01.04.2025", grund)) << grund;
    EXPECT_EQ(Lies(datei), HtmlDokumentBytes(TeamListHtml(b.w, "01.04.2025")));
    EXPECT_FALSE(TeamListExportHtml(ordner + "fehlt/liste.html", b.w, "", grund));
    EXPECT_FALSE(grund.empty());
    bool ersetzt = false;
    grund.clear();
    EXPECT_FALSE(ErgebnisExcelExport(ordner + "fehlt/e.csv", ErgebnisExcelPreview(b.w, CsvOptionen{}), grund, ersetzt));
    EXPECT_FALSE(grund.empty());
    std::filesystem::remove_all(ordner);
}

} // namespace
} // namespace tavuran
