// The master data of known pilots: the store, the built-in list, merging and
// the marking of pilots who take part.
#include <memory>

#include <gtest/gtest.h>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/L_CALEND.h"
#include "core/L_REGIST.h"
#include "exchange/DatenStamm.h"
#include "exchange/DatenTeilnehmerDatei.h"

namespace tavuran {
namespace {

class Stammdaten : public ::testing::Test {
  protected:
    void SetUp() override {
        store = NewMemorySettingsStore();
        L_REGIST_SetStore(store.get());
        w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
        w->Datum = {14, 6, 2025};
    }
    void TearDown() override {
        DatenWettbewerbDispose(w);
        L_REGIST_SetStore(nullptr);
    }

    TeilnehmerTyp* Teilnehmer(const std::string& Nach, const std::string& Vor, const std::string& Verein) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, GetMaxEdvNr(w->TeilnehmerRootPtr) + 1, true);
        p->Name = {"", Vor, Nach};
        p->Verein = Verein;
        return p;
    }

    // Stores a list of pilots as lines, as an earlier run would have.
    void Speichern(const std::vector<std::pair<std::string, int>>& Piloten) {
        L_REGIST_SetIntegerValue("StammDaten\\Count", "", static_cast<int>(Piloten.size()));
        int i = 0;
        for (const auto& [name, jahr] : Piloten) {
            TeilnehmerTyp p;
            p.Name.NachnameStr = name;
            p.Name.VornameStr = "Max";
            p.Verein = "MFC";
            p.LetztTeiln = {1, 1, static_cast<Word>(jahr)};
            L_REGIST_SetStringValue(GetValueStr(i++), "", MakeTeilnehmerZeile(&p, 3, TeilnehmerModusStammdaten));
        }
    }

    std::vector<std::string> NamenKette() const {
        std::vector<std::string> v;
        for (const TeilnehmerTyp* p = w->StammDatenNameRootPtr; p; p = p->nextName) v.push_back(p->Name.NachnameStr);
        return v;
    }

    std::unique_ptr<SettingsStore> store;
    WettbewerbTyp* w = nullptr;
};

TEST_F(Stammdaten, ModusUndWertnamen) {
    struct Fall {
        int Gespeichert; // L_REGIST_Fehlt: nothing stored
        int Modus;
    };
    // nothing stored (a new installation): merge automatically
    for (const Fall f : {Fall{L_REGIST_Fehlt, 3}, Fall{0, 0}, Fall{2, 2}, Fall{3, 3}, Fall{4, 0}, Fall{-1, 0}}) {
        if (f.Gespeichert == L_REGIST_Fehlt)
            L_REGIST_DelValue("StatusStammdaten", "");
        else
            L_REGIST_SetIntegerValue("StatusStammdaten", "", f.Gespeichert);
        EXPECT_EQ(DatenStammAbgleichReadRegistry(), f.Modus) << f.Gespeichert;
    }
    EXPECT_EQ(GetValueStr(0), "StammDaten\\Data0000");
    EXPECT_EQ(GetValueStr(12345), "StammDaten\\Data12345");
}

TEST_F(Stammdaten, LadenSortiertUndMarkiert) {
    Speichern({{"Alt", 2010}, {"Neu", 2024}, {"", 2025}, {"Mittel", 2020}});
    L_REGIST_SetStringValue(GetValueStr(2), "", ""); // an empty value is skipped
    Teilnehmer("Mittel", "Max", " MFC "); // the club differs only by blanks
    L_REGIST_SetIntegerValue("StatusStammdaten", "", 1);
    EXPECT_TRUE(DatenStammInRegistry());
    EXPECT_EQ(DatenStammLaden(w), 1);
    EXPECT_FALSE(DatenStammRom(w));
    EXPECT_EQ(NamenKette(), (std::vector<std::string>{"Neu", "Mittel", "Alt"}));
    for (TeilnehmerTyp* p = w->StammDatenRootPtr; p; p = p->next)
        EXPECT_EQ(p->TeilnehmerAusStammDat, p->Name.NachnameStr == "Mittel") << p->Name.NachnameStr;

    // mode 0 takes the built-in list, dated today, so that the look-up (which
    // offers the last five years) shows it (before, its pilots carried year 0)
    L_REGIST_SetIntegerValue("StatusStammdaten", "", 0);
    DatenStammLaden(w);
    EXPECT_TRUE(DatenStammRom(w));
    ASSERT_NE(w->StammDatenRootPtr, nullptr);
    DateRec heute;
    L_CALEND_GetDate(heute);
    for (TeilnehmerTyp* p = w->StammDatenRootPtr; p; p = p->next) EXPECT_EQ(p->LetztTeiln, heute);
}

TEST_F(Stammdaten, SpeichernLoeschtAlteWerte) {
    Speichern({{"A", 2020}, {"B", 2020}, {"C", 2020}, {"D", 2020}, {"E", 2020}, {"F", 2020}});
    // an earlier clean-up stopped half-way: index 4 is gone, 5 remains
    L_REGIST_DelValue(GetValueStr(4), "");
    DatenStammReadRegistry(w);
    EXPECT_EQ(NamenKette(), (std::vector<std::string>{"A", "B", "C", "D", "F"}));
    for (const char* weg : {"A", "C"}) {
        TeilnehmerTyp* p = w->StammDatenRootPtr;
        while (p && p->Name.NachnameStr != weg) p = p->next;
        ASSERT_TRUE(DatenStammLoeschen(w, p)) << weg;
    }
    EXPECT_EQ(NamenKette(), (std::vector<std::string>{"B", "D", "F"}));
    DatenStammWriteRegistry(w, 1);
    EXPECT_EQ(L_REGIST_GetIntegerValue("StammDaten\\Count", ""), 3);
    for (int i = 3; i < 6; ++i) EXPECT_EQ(L_REGIST_GetStringValue(GetValueStr(i), ""), "") << i;
    // read back: the same three
    DatenStammReadRegistry(w);
    EXPECT_EQ(NamenKette(), (std::vector<std::string>{"B", "D", "F"}));
}

TEST_F(Stammdaten, Abgleich) {
    TeilnehmerTyp* m = DatenTeilnehmerNew();
    DatenTeilnehmerDefault(m);
    m->Name = {"", "Hans", "Meier"};
    m->Verein = "Alt";
    m->LetztTeiln = {14, 6, 2025};
    w->StammDatenRootPtr = m;

    TeilnehmerTyp* p = Teilnehmer("Meier", "Hans", "Neu");
    p->Kanal[1] = "35";
    p->Helfer[1] = {"", "Eva", "Meier"};
    p->Gruppe[1] = 3;
    Teilnehmer("Ohne", "", "X"); // no first name: never merged
    Teilnehmer("Zander", "Uwe", "Z");

    // a competition dated before his last participation changes nothing
    w->Datum = {13, 6, 2025};
    DatenStammFuegeEin(w, p);
    EXPECT_EQ(m->Verein, "Alt");
    // one on the same day updates him
    w->Datum = {14, 6, 2025};
    DatenStammAbgleichen(w);
    EXPECT_EQ(m->Verein, "Neu");
    EXPECT_EQ(m->Kanal[1], "35");
    EXPECT_EQ(m->Helfer[1].NachnameStr, "Meier");
    EXPECT_EQ(m->Gruppe[1], 0);
    int n = 0;
    for (TeilnehmerTyp* q = w->StammDatenRootPtr; q; q = q->next) ++n;
    EXPECT_EQ(n, 2);
    EXPECT_EQ(w->StammDatenRootPtr->Name.NachnameStr, "Zander");
    EXPECT_EQ(w->StammDatenRootPtr->LetztTeiln, (DateRec{14, 6, 2025}));

    // mode 3 merges on storing, mode 1 does not
    Teilnehmer("Neumann", "Ida", "N");
    DatenStammWriteRegistry(w, 1);
    EXPECT_EQ(L_REGIST_GetIntegerValue("StammDaten\\Count", ""), 2);
    DatenStammWriteRegistry(w, 3);
    EXPECT_EQ(L_REGIST_GetIntegerValue("StammDaten\\Count", ""), 3);
}

TEST_F(Stammdaten, BeschaedigteAnzahl) {
    // a huge count with nothing behind it neither hangs nor fills the list
    Speichern({{"Kurz", 2020}});
    L_REGIST_SetIntegerValue("StammDaten\\Count", "", 2147483000);
    DatenStammReadRegistry(w);
    EXPECT_EQ(NamenKette(), (std::vector<std::string>{"Kurz"}));
    DatenStammWriteRegistry(w, 1);
    EXPECT_EQ(L_REGIST_GetIntegerValue("StammDaten\\Count", ""), 1);
}

} // namespace
} // namespace tavuran
