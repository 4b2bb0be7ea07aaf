// Channel texts, the channel lists, the clash check and the statistics model.
#include <gtest/gtest.h>

#include "AuslosungsWettbewerb.h"
#include "startorder/Kanal.h"
#include "startorder/KanalStatistik.h"

namespace tavuran {
namespace {

using test::AuslosungsWettbewerb;

TEST(KanalText, ZweiVierGigahertzWirdErkannt) {
    struct Fall {
        const char* ein;
        const char* aus;
    } faelle[] = {
        {"2,4 GHz", "2G4"}, {"2.4ghz", "2G4"}, {"ghz24", "2G4"},  {"24G", "2G4"},   {"24 g", "2G4"},
        {"2 4", "2G4"},     {"g24", "2G4"},    {"2;4", "2G4"},    {"2-4", "2G4"},   {"2:4", "2G4"},
        {"2_4", "2G4"},     {"GHz2", "2G4"},   {"ghz1", "2G4"},   {"2g4", "2G4"},   {"35,010", "35,010"},
        {"G 24", "G 24"},   {"72", "72"},      {"a1", "a1"},      {"", ""},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Format24GHzKanalStr(f.ein), f.aus) << f.ein;
}

TEST(KanalText, OhneKanalIstLeerOderNull) {
    struct Fall {
        const char* text;
        bool gueltig;
    } faelle[] = {{"", false}, {"0", false}, {" 0\t", false}, {"   ", false}, {"00", true}, {"72", true}, {"2,4", true}};
    for (const Fall& f : faelle) EXPECT_EQ(IsKanalValid(f.text), f.gueltig) << "'" << f.text << "'";
}

TEST(KanalText, AktiverKanalUndAuswahl) {
    AuslosungsWettbewerb w(1);
    TeilnehmerTyp* t = w.T(1);
    t->Kanal[1] = "61";
    t->Kanal[2] = "0";
    t->Kanal[3] = "72";
    for (auto [aktiv, kanal] : {std::pair{1, "61"}, {2, "0"}, {3, "72"}, {0, "61"}, {7, "61"}}) {
        t->KanalAktiv = aktiv;
        EXPECT_EQ(GetKanalTeilnehmer(*t), kanal) << aktiv;
    }
    // Channel 2 has no valid text: channel 1 is taken again.
    t->KanalAktiv = 1;
    w.W->modified = false;
    EXPECT_FALSE(SelectChannel(w.W, t, 2));
    EXPECT_EQ(t->KanalAktiv, 1);
    EXPECT_FALSE(w.W->modified);
    EXPECT_TRUE(SelectChannel(w.W, t, 3));
    EXPECT_EQ(t->KanalAktiv, 3);
    EXPECT_TRUE(w.W->modified);
    // No valid channel at all: the selected one stays.
    t->Kanal.fill("");
    EXPECT_TRUE(SelectChannel(w.W, t, 2));
    EXPECT_EQ(t->KanalAktiv, 2);
}

TEST(KanalListe, ZweiVierGigahertzNieZusammengefasstOhneKanalNieGezaehlt) {
    AuslosungsWettbewerb w(9);
    for (int nr : {1, 2, 3}) w.Kanal(nr, "2G4");
    for (int nr : {4, 5}) w.Kanal(nr, "72");
    w.Kanal(6, "61");
    w.Kanal(7, "0");
    w.Kanal(8, "");
    w.T(9)->Name.NachnameStr = ""; // no surname: not counted
    w.Kanal(9, "72");
    InitKanalListe(w.W);
    KanalBelegungToHeap(w.W);
    EXPECT_EQ(CountKanalListe(w.W), 5);
    int g24 = 0;
    for (KanalListeTyp* k = w.W->KanalRootPtr; k; k = k->next) {
        if (k->Kanal == "2G4") {
            ++g24;
            EXPECT_EQ(k->Anzahl, 1);
        }
        if (k->Kanal == "72") {
            EXPECT_EQ(k->Anzahl, 2);
        }
        EXPECT_NE(k->Kanal, "0");
        EXPECT_NE(k->Kanal, "");
    }
    EXPECT_EQ(g24, 3);
    ASSERT_NE(w.W->BelegungRootPtr, nullptr);
    EXPECT_EQ(w.W->BelegungRootPtr->KanalPtr->Kanal, "72");
    EXPECT_EQ(GetKanaeleMax(w.W), 2);
    int vorher = 1000;
    for (BelegungTyp* b = w.W->BelegungRootPtr; b; b = b->next) {
        EXPECT_LE(b->KanalPtr->Anzahl, vorher);
        vorher = b->KanalPtr->Anzahl;
    }
    EXPECT_EQ(GetKanaeleMax(nullptr), 0);
}

TEST(Doppelbelegung, KanalNachbargruppeUndTeam) {
    struct Fall {
        const char* kanal1;
        const char* kanal2;
        int gruppe1, gruppe2;
        bool datensatz, kanal, nachbar;
    } faelle[] = {
        {"2G4", "2G4", 3, 3, false, false, false},
        {"72", "72", 3, 3, true, true, false},
        {"72", "72", 2, 3, true, false, true},
        {"72", "72", 1, 0, false, false, false},
        {"72", "72", 1, 3, false, false, false},
        {"0", "0", 3, 3, false, false, false}, // without channel there is no clash
        {"", "", 2, 3, false, false, false},
        {"2,4 GHz", "2G4", 3, 3, false, false, false},
    };
    for (const Fall& f : faelle) {
        AuslosungsWettbewerb w(2);
        w.Kanal(1, f.kanal1);
        w.Kanal(2, f.kanal2);
        w.T(1)->Gruppe[2] = f.gruppe1;
        w.T(2)->Gruppe[2] = f.gruppe2;
        const int erzeugt = CheckDoppelBelegung(w.W);
        EXPECT_EQ(erzeugt, f.datensatz ? 2 : 0) << f.kanal1 << " " << f.gruppe1 << "/" << f.gruppe2;
        for (int nr : {1, 2}) {
            DoppelBelegungTyp* d = GetDoppelBelegung(w.W, w.T(nr), 2);
            ASSERT_EQ(d != nullptr, f.datensatz);
            if (!d) continue;
            EXPECT_EQ(d->Kanal, f.kanal);
            EXPECT_EQ(d->KanalNextGruppe, f.nachbar);
            EXPECT_FALSE(d->Mannschaft);
            EXPECT_EQ(GetDoppelBelegung(w.W, w.T(nr), 1), nullptr);
        }
    }

    AuslosungsWettbewerb w(3);
    w.Team(1, {1, 2});
    w.T(1)->Gruppe[4] = w.T(2)->Gruppe[4] = w.T(3)->Gruppe[4] = 1;
    EXPECT_EQ(CheckDoppelBelegung(w.W), 2);
    ASSERT_NE(GetDoppelBelegung(w.W, w.T(2), 4), nullptr);
    EXPECT_TRUE(GetDoppelBelegung(w.W, w.T(2), 4)->Mannschaft);
    EXPECT_EQ(GetDoppelBelegung(w.W, w.T(3), 4), nullptr);
    EXPECT_EQ(GetDoppelBelegung(w.W, nullptr, 4), nullptr);
    // Running again replaces the records.
    EXPECT_EQ(CheckDoppelBelegung(w.W), 2);
}

TEST(KanalStatistik, SortierungBaenderUndFarben) {
    EXPECT_EQ(KanalSortSchluessel(" 9"), "000009");
    EXPECT_EQ(KanalSortSchluessel("a1"), "0000A1");
    EXPECT_LT(KanalSortSchluessel("9"), KanalSortSchluessel("10"));
    EXPECT_LT(KanalSortSchluessel("10"), KanalSortSchluessel("A1"));

    AuslosungsWettbewerb w(12);
    for (int nr = 1; nr <= 5; ++nr) w.Kanal(nr, "72");
    w.Kanal(6, "A1");
    w.Kanal(7, "10");
    w.Kanal(8, "9");
    w.Kanal(9, "9");
    w.Kanal(10, "185");
    // 11, 12 on 2.4 GHz
    KanalStatistikModell m = KanalStatistikErstellen(w.W);
    EXPECT_EQ(m.Maximum, 5);

    std::vector<std::string> reihe;
    for (KanalListeTyp* k = w.W->KanalRootPtr; k; k = k->next) reihe.push_back(k->Kanal);
    // Keys 000009 < 000010 < 000072 < 0000A1 < 000185 < 0002G4.
    EXPECT_EQ(reihe, (std::vector<std::string>{"9", "10", "72", "A1", "185", "2G4", "2G4"}));

    const KanalBand& a = m.Baender[KanalBandA];
    EXPECT_EQ(a.Name, "35 MHz A-Band");
    ASSERT_EQ(a.Slots.size(), 20u);
    EXPECT_EQ(a.Slots.front().Label, "61");
    EXPECT_EQ(a.Slots[11].Label, "72");
    EXPECT_EQ(a.Slots[11].Anzahl, 5);
    EXPECT_EQ(a.Slots[11].Farbe, KanalFarbeRot);
    EXPECT_EQ(a.Slots[0].Anzahl, 0);
    ASSERT_EQ(m.Baender[KanalBandB].Slots.size(), 10u);
    EXPECT_EQ(m.Baender[KanalBandB].Slots[3].Farbe, KanalFarbeGruen); // 185, once

    const KanalBand& s = m.Baender[KanalBandSonder];
    EXPECT_EQ(s.Name, "Sonderkanäle");
    std::vector<std::string> labels;
    for (const KanalSlot& k : s.Slots) labels.push_back(k.Label);
    EXPECT_EQ(labels, (std::vector<std::string>{"9", "10", "A1"}));
    EXPECT_EQ(s.Slots[0].Anzahl, 2);
    EXPECT_EQ(s.Slots[0].Farbe, KanalFarbeSchwarz);

    EXPECT_EQ(KanalBalkenFarbe(1, 1), KanalFarbeGruen);
    EXPECT_EQ(GetKanalAnzeigeMenge(nullptr, KanalBandA), 0);
}

TEST(KanalStatistik, OhneBelegtesBandKeineSlots) {
    AuslosungsWettbewerb w(2);
    w.Kanal(1, "35,010");
    KanalStatistikModell m = KanalStatistikErstellen(w.W);
    EXPECT_TRUE(m.Baender[KanalBandA].Slots.empty());
    EXPECT_TRUE(m.Baender[KanalBandB].Slots.empty());
    EXPECT_EQ(m.Baender[KanalBandSonder].Slots.size(), 1u);
    EXPECT_EQ(KanalSplitterGroesse(200, 99), 190);
    EXPECT_EQ(KanalSplitterGroesse(200, 30), 60);
    EXPECT_EQ(KanalBalkenBreite(300, 99), 60);
    EXPECT_EQ(KanalBalkenBreite(1, 99), 1);
    EXPECT_EQ(KanalBalkenBreite(40, 12), 12);
}

} // namespace
} // namespace tavuran
