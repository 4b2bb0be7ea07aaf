// The step list of undo and redo: named steps, the saved state, and snapshots
// that restore the competition without its view state and master data.
#include "exchange/Rueckgaengig.h"

#include <gtest/gtest.h>

#include <string>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"

namespace tavuran {
namespace {

struct Wettbewerb {
    WettbewerbTyp* W = DatenWettbewerbNew();
    Wettbewerb() {
        DatenWettbewerbDefault(W);
        W->Name = "Pokal";
    }
    ~Wettbewerb() { DatenWettbewerbDispose(W); }
    TeilnehmerTyp* Neu(int Nr, const std::string& Name) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(W->TeilnehmerRootPtr, Nr, true);
        t->Name.NachnameStr = Name;
        t->Name.VornameStr = "V";
        t->StartNr = t->MeldgNr = Nr;
        return t;
    }
};

TEST(Rueckgaengig, SchritteMitNamenUndGespeicherterStand) {
    Wettbewerb c;
    RueckgaengigListe l;
    RueckgaengigBeginnen(l, c.W, true);
    EXPECT_TRUE(RueckgaengigAmGespeichertenStand(l));
    EXPECT_EQ(RueckgaengigName(l), "");
    // looking at the competition is no step
    c.W->DurchgangNr = 3;
    c.W->Sortierung[2] = 4;
    EXPECT_FALSE(RueckgaengigMerken(l, c.W, "Ansicht"));

    const std::string leer = RueckgaengigSchnappschuss(c.W);
    c.Neu(1, "Łukasiewicz"); // not a Windows-1252 character: kept all the same
    EXPECT_TRUE(RueckgaengigMerken(l, c.W, "Teilnehmer Łukasiewicz V"));
    EXPECT_FALSE(RueckgaengigMerken(l, c.W, "nichts"));
    c.W->Name = "Sommerpokal";
    EXPECT_TRUE(RueckgaengigMerken(l, c.W, "Parameter"));
    EXPECT_EQ(RueckgaengigName(l), "Parameter");
    EXPECT_FALSE(RueckgaengigAmGespeichertenStand(l));

    RueckgaengigGespeichert(l, c.W);
    EXPECT_TRUE(RueckgaengigAmGespeichertenStand(l));
    const std::string gespeichert = RueckgaengigSchnappschuss(c.W);

    // undo across the save, and back
    std::string stand;
    ASSERT_TRUE(Rueckgaengig(l, stand));
    EXPECT_FALSE(RueckgaengigAmGespeichertenStand(l));
    EXPECT_EQ(WiederherstellenName(l), "Parameter");
    EXPECT_EQ(RueckgaengigName(l), "Teilnehmer Łukasiewicz V");
    WettbewerbTyp* alt = RueckgaengigWiederherstellen(stand, c.W);
    ASSERT_NE(alt, nullptr);
    EXPECT_EQ(alt->Name, "Pokal");
    ASSERT_NE(alt->TeilnehmerRootPtr, nullptr);
    EXPECT_EQ(alt->TeilnehmerRootPtr->Name.NachnameStr, "Łukasiewicz");
    EXPECT_EQ(alt->DurchgangNr, 3); // the view stays as it is
    EXPECT_EQ(alt->Sortierung[2], 4);
    DatenWettbewerbDispose(alt);
    ASSERT_TRUE(Wiederherstellen(l, stand));
    EXPECT_EQ(stand, gespeichert);
    EXPECT_TRUE(RueckgaengigAmGespeichertenStand(l));
    EXPECT_FALSE(Wiederherstellen(l, stand));

    // back to the start, then a new step drops what could be redone
    ASSERT_TRUE(Rueckgaengig(l, stand));
    ASSERT_TRUE(Rueckgaengig(l, stand));
    EXPECT_EQ(stand, leer);
    EXPECT_FALSE(Rueckgaengig(l, stand));
    EXPECT_EQ(WiederherstellenName(l), "Teilnehmer Łukasiewicz V");
    c.W->Name = "Herbstpokal";
    EXPECT_TRUE(RueckgaengigMerken(l, c.W, "Parameter"));
    EXPECT_EQ(WiederherstellenName(l), "");
    EXPECT_FALSE(RueckgaengigAmGespeichertenStand(l));
}

TEST(Rueckgaengig, HundertSchritteUndMehr) {
    Wettbewerb c;
    RueckgaengigListe l;
    RueckgaengigBeginnen(l, c.W, false);
    EXPECT_FALSE(RueckgaengigAmGespeichertenStand(l)); // a new competition was never saved
    for (int i = 1; i <= 250; ++i) {
        c.W->Name = "Pokal " + std::to_string(i);
        ASSERT_TRUE(RueckgaengigMerken(l, c.W, "Schritt " + std::to_string(i)));
    }
    int n = 0;
    std::string stand;
    while (Rueckgaengig(l, stand)) ++n;
    EXPECT_EQ(n, static_cast<int>(MaxRueckgaengigSchritte));
    WettbewerbTyp* w = RueckgaengigWiederherstellen(stand, c.W);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Name, "Pokal 50");
    DatenWettbewerbDispose(w);
}

TEST(Rueckgaengig, SchritteTeilenUnveraenderteBloecke) {
    Wettbewerb c;
    for (int i = 1; i <= 300; ++i) c.Neu(i, "Pilot" + std::to_string(i));
    RueckgaengigListe l;
    RueckgaengigBeginnen(l, c.W, true);
    const std::size_t einer = RueckgaengigSpeicher(l);
    for (int i = 1; i <= 100; ++i) {
        GetTeilnehmerEdvNr(c.W, 150)->Verein = "Verein " + std::to_string(i);
        ASSERT_TRUE(RueckgaengigMerken(l, c.W, "Verein"));
    }
    // a hundred steps that each change one line cost far less than a hundred copies
    EXPECT_LT(RueckgaengigSpeicher(l), einer * 10);
    std::string stand;
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(Rueckgaengig(l, stand));
    WettbewerbTyp* w = RueckgaengigWiederherstellen(stand, c.W);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetTeilnehmerEdvNr(w, 150)->Verein, "");
    EXPECT_EQ(GetTeilnehmerEdvNr(w, 300)->Name.NachnameStr, "Pilot300");
    DatenWettbewerbDispose(w);
}

TEST(Rueckgaengig, StammdatenBleibenBeimBenutzer) {
    Wettbewerb c;
    TeilnehmerTyp* stamm = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(stamm);
    stamm->Name.NachnameStr = "Bekannt";
    c.W->StammDatenRootPtr = stamm;
    const std::string stand = RueckgaengigSchnappschuss(c.W);
    WettbewerbTyp* w = RueckgaengigWiederherstellen(stand, c.W);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->StammDatenRootPtr, stamm); // handed over, not copied
    EXPECT_EQ(c.W->StammDatenRootPtr, nullptr);
    DatenWettbewerbDispose(w);
    EXPECT_EQ(RueckgaengigWiederherstellen("kein Wettbewerb", c.W), nullptr);
}

} // namespace
} // namespace tavuran
