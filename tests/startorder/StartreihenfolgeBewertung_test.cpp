// The result matrix grid and the plain-text result report.
#include <gtest/gtest.h>

#include "AuslosungsWettbewerb.h"
#include "startorder/StartreihenfolgeBewertung.h"
#include "startorder/StartreihenfolgeErgebnisReport.h"

namespace tavuran {
namespace {

using test::AuslosungsWettbewerb;

SortDrchgType* Kandidat(AuslosungsWettbewerb& w, const std::vector<std::vector<std::vector<int>>>& runden) {
    SortDrchgType* k = nullptr;
    for (std::size_t r = 0; r < runden.size(); ++r) {
        SortDrchgType* d = GetDurchgPtr(k, static_cast<int>(r) + 1);
        for (std::size_t g = 0; g < runden[r].size(); ++g)
            for (int nr : runden[r][g]) InsertPilotInToGroup(GetGroupPtr(d, static_cast<int>(g) + 1), w.T(nr));
    }
    return k;
}

TEST(Ergebnismatrix, ZellenUndFarben) {
    AuslosungsWettbewerb w(4);
    w.T(1)->Jugendlich = true;
    w.Helfer(1, 1, 2);
    w.Kanal(3, "72");
    w.Kanal(4, "72");
    CreateTeamGroup(w.W, false, true, false);
    SortDrchgType* k = Kandidat(w, {{{1, 3, 4}, {2}}, {{3, 4}, {1, 2}}, {{1, 3}, {2, 4}}});
    BewertungsGitter g = FillBewertStringGrid(w.W, k, GetTeamGroupRootPtr());
    ASSERT_EQ(g.Zeilen, 5);
    EXPECT_EQ(g.Namen, (std::vector<std::string>{"N1 V1", "N2 V2", "N3 V3", "N4 V4"}));
    EXPECT_EQ(g.Zellen[0][3], "N3 V3");
    EXPECT_EQ(g.Zellen[2][0], "N2 V2");
    EXPECT_EQ(g.Zellen[1][1], "\\");
    EXPECT_EQ(g.Zellen[1][2], "P1"); // pilot 1 and his helper 2 met once (round 2)
    EXPECT_EQ(g.Zellen[2][1], "H1");
    EXPECT_EQ(g.Zellen[3][4], "K2"); // channel partners, two meetings
    EXPECT_EQ(g.Zellen[1][3], "2");
    EXPECT_EQ(g.Zellen[2][4], "1");
    EXPECT_EQ(g.Zellen[1][4], "1");
    DoneDrchg(k);

    k = Kandidat(w, {{{1, 3}, {2, 4}}});
    g = FillBewertStringGrid(w.W, k, GetTeamGroupRootPtr());
    EXPECT_EQ(g.Zellen[1][2], "P");
    EXPECT_EQ(g.Zellen[2][1], "H");
    EXPECT_EQ(g.Zellen[3][4], "K");
    EXPECT_EQ(g.Zellen[1][4], "");
    DoneDrchg(k);

    struct Fall {
        const char* text;
        BewertungZellArt art;
        bool weiss;
    } faelle[] = {
        {"", BewertungZellArt::Weiss, false},     {"1", BewertungZellArt::Weiss, false},
        {"2", BewertungZellArt::Gelb, false},     {"3", BewertungZellArt::Orange, false},
        {"4", BewertungZellArt::Rot, true},       {"P", BewertungZellArt::Hellblau, false},
        {"H", BewertungZellArt::Hellblau, false}, {"P1", BewertungZellArt::Rot, true},
        {"K2", BewertungZellArt::Rot, true},      {"\\", BewertungZellArt::Fix, false},
    };
    for (const Fall& f : faelle) {
        const BewertungZellFarbe c = BewertungZellFarbeFuer(f.text);
        EXPECT_EQ(c.Art, f.art) << f.text;
        EXPECT_EQ(c.WeisseSchrift, f.weiss) << f.text;
    }
}

TEST(Ergebnismatrix, MindestensFuenfZeilenUndNurGelisteteTeilnehmer) {
    AuslosungsWettbewerb w(3);
    TeilnehmerTyp* ohne = DatenTeilnehmerGetPtr(w.W->TeilnehmerRootPtr, 0, true);
    ohne->Name.NachnameStr = "Ohne";
    BewertungsGitter g = FillBewertStringGrid(w.W, nullptr, nullptr);
    EXPECT_EQ(g.Zeilen, 5);
    EXPECT_EQ(g.Spalten, 5);
    EXPECT_EQ(g.Namen.size(), 3u);
    EXPECT_EQ(g.Zellen[4][0], "");
    EXPECT_EQ(g.Zellen[1][2], "");
    EXPECT_EQ(g.Zellen[3][3], "\\");
}

TEST(Ergebnisreport, VollstaendigeEinteilungZeileFuerZeile) {
    AuslosungsWettbewerb w(4, 2, 2);
    for (int nr = 1; nr <= 4; ++nr) w.T(nr)->Gruppe[1] = w.T(nr)->Gruppe[2] = (nr - 1) % 2 + 1;
    std::vector<std::string> z;
    EXPECT_TRUE(CheckTeilnehmerInDurchgaengen(w.W, z));
    const std::vector<std::string> erwartet = {
        "Alle Teilnehmer sind in den Durchgängen 1 bis 2 den Gruppen 1 bis 2 zugeordnet.",
        "",
        "Prüfe Teilnehmer im Durchgang 1 auf Vollständigkeit:",
        "Der Durchgang 1 ist bezüglich Teilnehmer vollständig.",
        "Prüfe Teilnehmer im Durchgang 2 auf Vollständigkeit:",
        "Der Durchgang 2 ist bezüglich Teilnehmer vollständig.",
        "Prüfe Teilnehmer im Durchgang 1 auf Gruppengröße:",
        "Gruppengrößen sind ok, die Größendifferenz beträgt :0 Teilnehmer.",
        "Prüfe Teilnehmer im Durchgang 2 auf Gruppengröße:",
        "Gruppengrößen sind ok, die Größendifferenz beträgt :0 Teilnehmer.",
        "Prüfe Anzahl Teilnehmer im Durchgang 1:",
        "Anzahl korrekt, 4 Teilnehmer.",
        "Prüfe Anzahl Teilnehmer im Durchgang 2:",
        "Anzahl korrekt, 4 Teilnehmer.",
        "",
        "Zusammenfassung:",
        "Die Durchgangsverteilung ist vollständig und korrekt.",
        "",
        "Fairness der Startreihenfolge (Durchgänge 1,2):",
        "Verteilscore: 64, Untergrenze: 8.",
        "Ein Paar trifft höchstens 2-mal aufeinander.",
        "Paare nach Begegnungen: 0-mal: 4, 1-mal: 0, 2-mal: 2.",
        "Mittlere absolute Abweichung der Begegnungen: 0.889.",
        "",
        "",
    };
    EXPECT_EQ(z, erwartet);
}

TEST(Ergebnisreport, FehlerWerdenGenanntUndZusammengefasst) {
    AuslosungsWettbewerb w(8, 3, 4);
    for (int nr = 1; nr <= 8; ++nr)
        for (int r = 1; r <= 3; ++r) w.T(nr)->Gruppe[r] = (nr - 1) % 2 + 1;
    w.T(5)->Gruppe[2] = 0;
    std::vector<std::string> z;
    EXPECT_FALSE(CheckTeilnehmerInDurchgaengen(w.W, z));
    auto hat = [&](const std::string& s) { return std::find(z.begin(), z.end(), s) != z.end(); };
    EXPECT_EQ(z[0], "Es gibt Teilnehmer, die in einem der Durchgänge 1 bis 3 keiner Gruppe zugeordnet sind.");
    EXPECT_TRUE(hat("Im Durchgang 2 kommt der Teilnehmer N5 V5 nicht vor!"));
    EXPECT_TRUE(hat("Der Durchgang 3 ist bezüglich Teilnehmer vollständig."));
    EXPECT_FALSE(hat("Der Durchgang 2 ist bezüglich Teilnehmer vollständig."));
    EXPECT_TRUE(hat("Anzahl falsch, 7 Teilnehmer gefunden, aber 8 Teilnehmer erwartet."));
    EXPECT_TRUE(hat("Die Teilnehmer sind nicht korrekt auf die Durchgänge verteilt."));

    // Unequal groups.
    for (int nr = 1; nr <= 8; ++nr) w.T(nr)->Gruppe[2] = nr <= 6 ? 1 : 2;
    z.clear();
    EXPECT_TRUE(CheckTeilnehmerInDurchgaengen(w.W, z));
    EXPECT_TRUE(hat("Gruppengrößen sind ungleich, die Größendifferenz beträgt :4 Teilnehmer."));
    EXPECT_TRUE(hat("Die Teilnehmer sind nicht korrekt auf die Durchgänge verteilt."));
}

TEST(Ergebnisreport, OhneGruppenstartNurGruppe1) {
    AuslosungsWettbewerb w(3, 2);
    w.W->Gruppenstart = false;
    for (int nr = 1; nr <= 3; ++nr) w.T(nr)->Gruppe[1] = w.T(nr)->Gruppe[2] = 1;
    w.T(2)->Gruppe[1] = 2;
    std::vector<std::string> z;
    EXPECT_FALSE(CheckTeilnehmerInDurchgaengen(w.W, z));
    EXPECT_EQ(z[0], "Es gibt Teilnehmer, die in einem der Durchgänge 1 bis 2 nicht korrekt eingetragen sind.");
    EXPECT_NE(std::find(z.begin(), z.end(), "Im Durchgang 1 ist der Teilnehmer N2 V2 nicht korrekt eingetragen!"),
              z.end());
    EXPECT_EQ(std::find(z.begin(), z.end(), "Prüfe Teilnehmer im Durchgang 1 auf Gruppengröße:"), z.end());
    EXPECT_EQ(CountPilotsInGroup(w.W, 1, 1), 2);
}

} // namespace
} // namespace tavuran
