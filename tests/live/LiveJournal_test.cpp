#include <gtest/gtest.h>

#include "live/LiveJournal.h"
#include "live/LiveTestHilfen.h"

namespace tavuran {
namespace {

using livetest::LiveWettbewerb;
using livetest::Lies;

EingangTyp Eingang(int Durchgang, int EdvNr, std::vector<std::string> Werte) {
    EingangTyp e;
    e.Durchgang = Durchgang;
    e.EdvNr = EdvNr;
    e.Adresse = "10.0.0.7";
    e.Werte = std::move(Werte);
    return e;
}

TEST(LiveJournal, JedeEingabeStehtSofortImBuchUndKommtBeimNaechstenStartWieder) {
    LiveWettbewerb lw;
    const std::string j = EingangJournalName(lw.Datei);
    EingaengeTyp e;
    std::string grund;
    EingangTyp a = Eingang(1, 2, {"12", "5:30.2"});
    EingangTyp b = Eingang(1, 3, {"tab\there", "neue\nZeile \\ x"});
    ASSERT_TRUE(EingangMelden(j, e, a, grund)) << grund;
    ASSERT_TRUE(EingangMelden(j, e, b, grund)) << grund;
    EXPECT_EQ(a.Id, 1);
    EXPECT_EQ(b.Id, 2);
    ASSERT_TRUE(EingangAbgelehntVermerken(j, e, 1, "Zeit unleserlich", grund));

    EingaengeTyp n;
    ASSERT_TRUE(EingaengeLesen(j, n, grund)) << grund;
    ASSERT_EQ(n.Liste.size(), 2u);
    EXPECT_EQ(n.Beschaedigt, 0);
    EXPECT_EQ(n.Liste[0].Status, EingangStatus::Abgelehnt);
    EXPECT_EQ(EingangStatusText(n.Liste[0]), "abgelehnt: Zeit unleserlich");
    EXPECT_EQ(n.Liste[1].Status, EingangStatus::Offen);
    EXPECT_EQ(n.Liste[1].Werte, b.Werte);
    EXPECT_EQ(n.Liste[1].Adresse, "10.0.0.7");
    EXPECT_EQ(n.Liste[1].Zeit.size(), 19u);
}

TEST(LiveJournal, EineAbgerisseneLetzteZeileGehtVerlorenDieNaechsteEingabeNicht) {
    LiveWettbewerb lw;
    const std::string j = EingangJournalName(lw.Datei);
    EingaengeTyp e;
    std::string grund;
    EingangTyp a = Eingang(1, 1, {"10", "1:00"});
    ASSERT_TRUE(EingangMelden(j, e, a, grund));
    std::ofstream(j, std::ios::app) << "E\t2\t2026-01-01 10:00:00\t1\t2"; // torn by a crash
    ASSERT_TRUE(EingaengeLesen(j, e, grund));
    EXPECT_EQ(e.Liste.size(), 1u);
    EXPECT_EQ(e.Beschaedigt, 1);
    EingangTyp b = Eingang(1, 3, {"20", "2:00"});
    ASSERT_TRUE(EingangMelden(j, e, b, grund));
    ASSERT_TRUE(EingaengeLesen(j, e, grund));
    ASSERT_EQ(e.Liste.size(), 2u);
    EXPECT_EQ(e.Liste[1].EdvNr, 3);
    EXPECT_EQ(e.Beschaedigt, 1); // the torn line, now closed by a line end
    EXPECT_NE(Lies(j).find("\t2\nE\t2\t"), std::string::npos);
}

TEST(LiveJournal, ZweiteEingabeDesselbenFlugsIstKorrekturUndErsetztErstNachAnnahme) {
    LiveWettbewerb lw;
    const std::string j = EingangJournalName(lw.Datei);
    EingaengeTyp e;
    std::string grund;
    EingangTyp a = Eingang(1, 2, {"12", "5:30"});
    EingangTyp anderer = Eingang(1, 3, {"1", "1:00"});
    EingangTyp b = Eingang(1, 2, {"14", "5:31"});
    ASSERT_TRUE(EingangMelden(j, e, a, grund));
    ASSERT_TRUE(EingangMelden(j, e, anderer, grund));
    ASSERT_TRUE(EingangMelden(j, e, b, grund));
    EXPECT_EQ(b.Vorgaenger, a.Id);
    EXPECT_EQ(anderer.Vorgaenger, 0);
    // "alle gültigen annehmen" leaves the flight with a correction to the scorer.
    EXPECT_EQ(EingaengeOhneKorrektur(e), std::vector<int>{anderer.Id});
    EXPECT_EQ(EingangVon(e, a.Id)->Status, EingangStatus::Offen);
    ASSERT_TRUE(EingangAngenommenVermerken(j, e, b.Id, grund));
    EXPECT_EQ(EingangVon(e, a.Id)->Status, EingangStatus::Ersetzt);
    EingaengeTyp n;
    ASSERT_TRUE(EingaengeLesen(j, n, grund));
    EXPECT_EQ(EingangVon(n, a.Id)->Status, EingangStatus::Ersetzt);
    EXPECT_EQ(EingangVon(n, b.Id)->Status, EingangStatus::Angenommen);
    EXPECT_FALSE(EingangAngenommenVermerken(j, e, 99, grund));
}

TEST(LiveJournal, BuchDasNichtGeschriebenWerdenKannMeldetDenFehler) {
    LiveWettbewerb lw;
    EingaengeTyp e;
    std::string grund;
    EingangTyp a = Eingang(1, 2, {"1", "1"});
    EXPECT_FALSE(EingangMelden(lw.Ordner + "/fehlt/wett.eingaenge", e, a, grund));
    EXPECT_FALSE(grund.empty());
    EXPECT_TRUE(e.Liste.empty());
    std::filesystem::create_directory(lw.Ordner + "/ordner.eingaenge");
    EXPECT_FALSE(EingangMelden(lw.Ordner + "/ordner.eingaenge", e, a, grund));
}

} // namespace
} // namespace tavuran
