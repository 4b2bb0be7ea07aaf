// The index of a round's entries by (participant, reflight order) against
// every routine that changes the rounds: after each change every lookup must
// answer as a walk of the groups does (first entry in list order), and the
// index must hold nothing the groups no longer hold.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/DatenDurchgang.h"
#include "evaluation/Durchgaenge.h"
#include "evaluation/Refly.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/TeilnehmerBearbeitung.h"
#include "tests/evaluation/TestWettbewerb.h"

namespace tavuran::test {
namespace {

// The lookup without any index.
const WertungTyp* Gesucht(const DurchgangTyp* d, int EdvNr, int ReflyOrder) {
    for (const GruppeTyp* g = d->GruppePtr; g; g = g->next) {
        if (g->ReflyOrder != ReflyOrder) continue;
        for (const WertungTyp* w = g->WertungPtr; w; w = w->next)
            if (w->EdvNr == EdvNr) return w;
    }
    return nullptr;
}

// Looks up every participant number 0..12 in both orders of every round
// (which builds each round's index) and compares with the walk.
void AllesNachschlagen(WettbewerbTyp* W, const std::string& Fall) {
    for (DurchgangTyp* d = W->DurchgangRootPtr; d; d = d->next) {
        ASSERT_TRUE(DatenDurchgangIndexStimmt(d)) << Fall << ": Durchgang " << d->Nr;
        for (int edv = 0; edv <= 12; ++edv)
            for (int refly = 0; refly <= 1; ++refly)
                EXPECT_EQ(DatenWertungGetPtr(d, edv, refly), Gesucht(d, edv, refly))
                    << Fall << ": Durchgang " << d->Nr << ", Teilnehmer " << edv << ", Reflight " << refly;
        EXPECT_NE(d->Index, nullptr);
    }
}

// Six participants in three rounds, two groups of three; in round 2 the first
// participant caused a reflight of his group.
struct Runden {
    TestWettbewerb tw;
    Runden() {
        tw.Runden(3, 3, 9);
        for (int i = 1; i <= 6; ++i) tw.Teilnehmer(i, "N" + std::to_string(i));
        for (int r = 1; r <= 3; ++r)
            for (int i = 1; i <= 6; ++i) tw.Flug(r, i, 100.0 * i + r, (i - 1) / 3 + 1);
        tw.Rechnen();
        AktRefly(tw.W, 2, {{"Verursacher", 1}, {"-", 2}, {"-", 3}});
        tw.Rechnen();
    }
};

TEST(WertungsIndex, BleibtRichtigBeiJederAenderung) {
    struct Fall {
        const char* Name;
        std::function<void(TestWettbewerb&)> Aendern;
    };
    const std::vector<Fall> faelle = {
        {"Eintrag angelegt beim Nachschlagen",
         [](TestWettbewerb& t) {
             TeilnehmerTyp* n = t.Teilnehmer(7, "N7");
             n->Gruppe[1] = 2;
             ASSERT_NE(GetWertungPtr(t.W, GetDurchgangPtr(t.W, 1), 7), nullptr);
         }},
        {"Teilnehmer eingefügt, Auswertung legt seine Einträge an",
         [](TestWettbewerb& t) {
             GitterTexte g(8, GitterZeile(TeilnSpalten));
             SetGitterZelle(g, 7, TeilnSpalteName, "Neu, Nina");
             ASSERT_TRUE(AktTeilnehmerDaten(t.W, g, 7, 7));
             for (TeilnehmerTyp* p = t.W->TeilnehmerRootPtr; p; p = p->next)
                 if (p->Name.NachnameStr == "Neu")
                     for (int r = 1; r <= 3; ++r) p->Gruppe[r] = 1;
             t.Rechnen();
         }},
        {"Teilnehmer entfernt, seine Einträge gehen",
         [](TestWettbewerb& t) {
             t.T(2)->ZeilenNr[0] = 2;
             GitterTexte g(3, GitterZeile(TeilnSpalten));
             ASSERT_TRUE(AktTeilnehmerDaten(t.W, g, 2, 2));
             t.Rechnen();
         }},
        {"Umgruppiert",
         [](TestWettbewerb& t) {
             t.T(1)->Gruppe[1] = 2;
             t.T(5)->Gruppe[1] = 1;
             t.T(6)->Gruppe[3] = 0;
             t.Rechnen();
         }},
        {"Reflight geändert und aufgehoben",
         [](TestWettbewerb& t) {
             AktRefly(t.W, 2, {{"Verursacher", 4}, {"-", 5}});
             AktRefly(t.W, 3, {{"Verursacher", 6}});
             t.Rechnen();
             AktRefly(t.W, 3, {});
             t.Rechnen();
         }},
        {"Durchgang eingefügt",
         [](TestWettbewerb& t) {
             ASSERT_TRUE(EinfuegeDurchgaenge(t.W, 2));
             t.Rechnen();
         }},
        {"Durchgang entfernt",
         [](TestWettbewerb& t) {
             ASSERT_TRUE(EntferneDurchgaenge(t.W, 1));
             t.Rechnen();
         }},
        {"zweiter Eintrag desselben Teilnehmers in einer anderen Gruppe",
         [](TestWettbewerb& t) {
             DurchgangTyp* d = GetDurchgangPtr(t.W, 1);
             DatenWertungEinhaengen(d, DatenGruppeGetPtr(d->GruppePtr, 1, 0), 5);
             DatenWertungInGroupGetPtr(d, DatenGruppeGetPtr(d->GruppePtr, 7, 1), 9);
         }},
    };
    for (const Fall& f : faelle) {
        Runden r;
        AllesNachschlagen(r.tw.W, std::string(f.Name) + " (vorher)");
        f.Aendern(r.tw);
        AllesNachschlagen(r.tw.W, f.Name);
    }
}

// A file read back: the reader links entries of its own; every lookup of the
// competition read answers from them, reflights included.
TEST(WertungsIndex, DateiGelesen) {
    Runden r;
    AllesNachschlagen(r.tw.W, "vorher");
    bool ersetzt = false;
    const std::string text = DatenWettbewerbText(r.tw.W, 3, ersetzt);
    WettbewerbTyp* w = nullptr;
    ASSERT_EQ(DatenWettbewerbLesen(w, text, "runden.wtb"), LadenOk);
    AllesNachschlagen(w, "gelesen");
    EXPECT_NE(DatenWertungGetPtr(GetDurchgangPtr(w, 2), 2, 1), nullptr);
    EXPECT_EQ(DatenWertungGetPtr(GetDurchgangPtr(w, 1), 2, 1), nullptr);
    DatenWettbewerbDispose(w);
}

} // namespace
} // namespace tavuran::test
