#include "rules/RegelLookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DatenRegel.h"
#include "core/DatenWettbewerb.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "rules/RegelListe.h"

namespace tavuran {
namespace {

// Records the messages shown while it lives.
class Meldungen {
public:
    Meldungen() {
        UiHooks h;
        h.Meldung = [this](const std::string& t) { Texte.push_back(t); };
        SetUiHooks(h);
    }
    ~Meldungen() { ResetUiHooks(); }
    std::vector<std::string> Texte;
};

struct Wettbewerb {
    Wettbewerb() {
        w = DatenWettbewerbNew();
        DatenWettbewerbDefault(w);
    }
    ~Wettbewerb() { DatenWettbewerbDispose(w); }
    WettbewerbTyp* w;
};

DateRec Jahr(int y) { return DateRec{1, 6, static_cast<Word>(y)}; }

TEST(RegelLookup, TemporaryListHoldsCatalogueInReverse) {
    RegelTyp* Root = DatenRegelNew();
    DatenRegelDefault(Root);
    Root->Name = "vorher";
    RegelListToHeap(Root);
    std::vector<RegelTyp*> Liste;
    for (RegelTyp* r = Root; r; r = r->next) Liste.push_back(r);
    ASSERT_EQ(Liste.size(), static_cast<std::size_t>(RegelAnzahl + 1));
    EXPECT_EQ(Liste.front()->Name, RegelListe(RegelAnzahl).Name);
    EXPECT_EQ(Liste[RegelAnzahl - 1]->Name, RegelListe(1).Name);
    EXPECT_EQ(Liste.back()->Name, "vorher");
    EXPECT_NE(Liste.front(), &RegelListe(RegelAnzahl)); // copies, never the catalogue itself
    RegelListFromHeap(Root);
    EXPECT_EQ(Root, nullptr);
}

TEST(RegelLookup, StoredNameFindsRule) {
    struct Fall {
        const char* Name;
        int Jahr;
        int Nr;
        const char* RegelName;
    } Faelle[] = {
        {"F3J (B-Mod 2019)", 2019, 33, "F3J (B-Mod 2019)"},    // exact, although inactive
        {"  F3J (B-Mod 2019) ", 2019, 33, "F3J (B-Mod 2019)"}, // blanks around
        {"f5j (b-mod 2025)", 2025, 4, "F5J (B-Mod 2025)"},     // upper-case comparison
        {"F5J (B-Mod 2026)", 2026, 4, "F5J (B-Mod 2025)"},     // newest older version the date reached
        {"F5J (B-Mod 2026)", 2024, 13, "F5J (B-Mod 2024)"},
        {"F5J (B-Mod 2010)", 2025, 4, "F5J (B-Mod 2025)"},     // older than any: newest of the class
        {"F5J (B-Mod -2147483648)", 2025, 4, "F5J (B-Mod 2025)"},
        // First word only, as formats 1 and 2 store it: the version of the date.
        {"F5J", 2025, 4, "F5J (B-Mod 2025)"},
        {"F5J", 2024, 13, "F5J (B-Mod 2024)"},
        {"F3B-A", 2025, 9, "F3B-A (B-Mod 2025)"},
        {"Manuelle", 2025, 1, "Manuelle Auswertung"},
    };
    for (const Fall& f : Faelle) {
        Meldungen m;
        RegelTyp* r = nullptr;
        DateRec d = Jahr(f.Jahr);
        DatenRegelLoad(r, f.Name, &d);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Name, f.RegelName) << f.Name << " " << f.Jahr;
        EXPECT_EQ(RegelListe(f.Nr).Name, f.RegelName);
        EXPECT_EQ(r->EdvNr, RegelListe(f.Nr).EdvNr);
        EXPECT_EQ(r->UeberschrPunktr, RegelListe(f.Nr).UeberschrPunktr);
        EXPECT_EQ(r->next, nullptr);
        EXPECT_TRUE(m.Texte.empty()) << f.Name;
        DatenRegelDispose(r);
    }
}

TEST(RegelLookup, UnknownStoredNameIsReportedAndKept) {
    for (const char* Name : {"Segelflug", "Segelflug 2000", ""}) {
        Meldungen m;
        RegelTyp* r = nullptr;
        DateRec d = Jahr(2025);
        DatenRegelLoad(r, Name, &d);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Name, Name);
        EXPECT_EQ(r->EdvNr, -1);
        EXPECT_EQ(r->AnzGewerteteDurchg, "3"); // the rest keeps the defaults
        ASSERT_EQ(m.Texte.size(), 1u);
        EXPECT_EQ(m.Texte[0],
                  std::string("In der Wettbewerbsdatei referenzierte Wettbewerbsregel \"") + Name + "\" ist unbekannt!");
        DatenRegelDispose(r);
    }
}

TEST(RegelLookup, ForeignNameFindsActiveRule) {
    struct Fall {
        const char* Name;
        int Jahr;
        const char* RegelName; // nullptr: none
    } Faelle[] = {
        {"F5J", 2025, "F5J (B-Mod 2025)"},                // containment + year
        {"F5J", 2030, "F5J (B-Mod 2025)"},                // only active F5J rule
        {"F5J (B-Mod 2025)", 2025, "F5J (B-Mod 2025)"},
        {" f5j (b-mod 2025) ", 2025, "F5J (B-Mod 2025)"},
        {"F3B", 2025, "F3B-A (B-Mod 2025)"},              // rules 7, 8, 9 alike: rule 9 met first
        {"Manuelle Auswertung", 2025, "Manuelle Auswertung"},
        {"F3J (B-Mod 2019)", 2025, nullptr},              // inactive rules are not offered
        {"Segelflug", 2025, nullptr},
        {"", 2025, nullptr},
    };
    for (const Fall& f : Faelle) {
        Wettbewerb k;
        k.w->Parameter[16] = 42;
        k.w->AnzVorrunden = 11;
        DateRec Heute = Jahr(f.Jahr);
        const bool Gefunden = ReplaceRuleByName(k.w, f.Name, &Heute);
        EXPECT_EQ(Gefunden, f.RegelName != nullptr) << f.Name;
        if (f.RegelName) {
            ASSERT_NE(k.w->RegelPtr, nullptr);
            EXPECT_EQ(k.w->RegelPtr->Name, f.RegelName) << f.Name;
            EXPECT_EQ(k.w->RegelPtr->next, nullptr);
            EXPECT_EQ(k.w->AnzVorrunden, k.w->RegelPtr->RegelDefaultDurchg.AnzVorrunden);
        } else {
            EXPECT_EQ(k.w->RegelPtr, nullptr);
            EXPECT_EQ(k.w->Parameter[16], 42);
            EXPECT_EQ(k.w->AnzVorrunden, 11);
        }
    }
    DateRec Heute = Jahr(2025);
    EXPECT_FALSE(ReplaceRuleByName(nullptr, "F5J", &Heute));
}

TEST(RegelLookup, ForeignNameReplacesHeldRuleInPlace) {
    Wettbewerb k;
    DateRec Heute = Jahr(2025);
    ASSERT_TRUE(ReplaceRuleByName(k.w, "F3B", &Heute));
    RegelTyp* vorher = k.w->RegelPtr;
    k.w->PermntNullMode = 67;
    ASSERT_TRUE(ReplaceRuleByName(k.w, "F5J", &Heute));
    EXPECT_EQ(k.w->RegelPtr, vorher);
    EXPECT_EQ(k.w->RegelPtr->Name, "F5J (B-Mod 2025)");
    // The rule lets the user switch zero results and so brings its own setting.
    EXPECT_EQ(k.w->PermntNullMode, RegelListe(4).PermntNullDurchg);
    EXPECT_TRUE(k.w->Gruppenstart);
}

TEST(RegelLookup, ChoosingRuleSetsSwitchesTheUserMayChange) {
    struct Fall {
        int GruppenCode;
        int Permnt;
        bool GruppenstartVorher;
        bool GruppenstartNachher;
        int PermntNachher; // PermntNullMode was 67 before
    } Faelle[] = {
        {0, 0, false, false, 67},
        {1, 3, true, true, 67},
        {2, 1, true, false, 1},
        {3, 2, false, true, 2},
        {3, 0x42, false, true, 0x42},
        {2, 0x43, true, false, 67},
    };
    for (const Fall& f : Faelle) {
        WettbewerbTyp w;
        w.Gruppenstart = f.GruppenstartVorher;
        w.PermntNullMode = 67;
        RegelTyp r;
        DatenRegelDefault(&r);
        r.Gruppenstart = f.GruppenCode;
        r.PermntNullDurchg = f.Permnt;
        RegelAuswahlAnwenden(&w, &r);
        EXPECT_EQ(w.Gruppenstart, f.GruppenstartNachher) << f.GruppenCode;
        EXPECT_EQ(w.PermntNullMode, f.PermntNachher) << f.Permnt;
    }
}

TEST(RegelLookup, TransferOfRuleDefaults) {
    struct Fall {
        int Vorrunden, Streicher, FlyOff, JugFlyOff, GruppenCode;
        int Gewertet, Durchgaenge;
        bool Gruppenstart;
    } Faelle[] = {
        {6, 1, 2, 0, 0, 5, 8, true},
        {3, 3, 2, 1, 1, 1, 6, false},
        {3, 7, 0, 0, 2, 1, 3, true},
        {4, -2, 0, 0, 3, 4, 4, true},
    };
    for (const Fall& f : Faelle) {
        WettbewerbTyp w;
        w.Parameter[2] = 9;
        w.StreicherAbDurchg = 4;
        RegelTyp r;
        DatenRegelDefault(&r);
        for (int i = 1; i <= MaxParameterZeilen; ++i) r.ParameterWettb.ParaNr[i] = 0;
        r.ParameterWettb.ParaNr[1] = 5;
        r.ParameterWettb.DefaultWert[1] = "390";
        r.ParameterWettb.ParaNr[2] = 16;
        r.ParameterWettb.DefaultWert[2] = "0,5";
        r.ParameterWettb.DefaultWert[3] = "77"; // heading row: names no parameter
        r.AnzPunktrichter = 3;
        r.Gruppenstart = f.GruppenCode;
        r.RegelDefaultDurchg = {f.Vorrunden, f.Streicher, f.FlyOff, f.JugFlyOff, 7, 10, 6};
        DatenRegelToWettbewerb(&w, &r);
        EXPECT_EQ(w.Parameter[5], 390);
        EXPECT_EQ(w.Parameter[16], 0.5);
        EXPECT_EQ(w.Parameter[2], 9);
        EXPECT_EQ(w.AnzVorrunden, f.Vorrunden);
        EXPECT_EQ(w.AnzSeniorenFlyOff, f.FlyOff);
        EXPECT_EQ(w.AnzGewDurchgaenge, f.Gewertet) << f.Vorrunden << "/" << f.Streicher;
        EXPECT_EQ(w.AnzDurchgaenge, f.Durchgaenge);
        EXPECT_EQ(w.Gruppenstart, f.Gruppenstart);
        EXPECT_EQ(w.AnzTeilnGruppe, 7);
        EXPECT_EQ(w.AnzTeilnInEndRunde, 10);
        EXPECT_EQ(w.AnzJugInEndRunde, 6);
        EXPECT_EQ(w.AnzPunktrichter, 3);
        EXPECT_EQ(w.StreicherAbDurchg, 4);
    }
}

TEST(RegelLookup, ColumnLabelsAndCounts) {
    RegelTyp r;
    DatenRegelDefault(&r);
    r.ParameterPunktr.Anzahl = 2;
    r.ParameterDurchg.Anzahl = 3;
    r.ParameterPunktr.Bezeichner[1] = "P1";
    r.ParameterPunktr.Bezeichner[16] = "P16";
    r.ParameterDurchg.Bezeichner[1] = "Zeit[min:s]";
    r.ParameterDurchg.Bezeichner[6] = "D6";
    struct { int Index; const char* Text; } Spalten[] = {
        {1, "P1"}, {2, "-"}, {16, "P16"}, {17, "Zeit[min:s]"}, {22, "D6"}, {0, ""}, {23, ""},
    };
    for (auto& s : Spalten) EXPECT_EQ(GetRegelBezeichnerStr(&r, s.Index), s.Text) << s.Index;
    EXPECT_EQ(GetRegelBezeichnerStr(nullptr, 1), "");
    struct { int Art; int Anzahl; } Arten[] = {{1, 2}, {2, 3}, {3, 0}, {0, 0}};
    for (auto& a : Arten) EXPECT_EQ(GetRegelParameterAnzahl(&r, a.Art), a.Anzahl) << a.Art;
    struct { int Verteiler; int Typ; } Typen[] = {{0, 0}, {1, 1}, {6, 6}, {7, 0}, {-1, 0}};
    for (auto& t : Typen) EXPECT_EQ(GetListTyp(t.Verteiler), t.Typ) << t.Verteiler;
}

std::string Mal(const std::string& s, int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += s;
    return t;
}

TEST(RegelLookup, ListLineOfEachCopy) {
    const RegelTyp* F5L = &RegelListe(3);
    ASSERT_EQ(F5L->Name, "F5L (B-Mod 2025)");
    RegelTyp leer;
    DatenRegelDefault(&leer);

    const std::string Zellen6 = "    1.     ³    2.     ³    3.     ³    4.     ³    5.     ³    6.      ";
    const std::string Trenn6 = Mal("ÄÄÅÄÄÅÄÄÅÄÄ×", 5) + "ÄÄÅÄÄÅÄÄÅÄÄ ";
    const std::string Teiln6 = Mal("  ³  ³  ³  º", 5) + "  ³  ³  ³   ";
    struct Fall {
        int Typ;
        int Durchgaenge;
        const RegelTyp* Regel;
        std::string Zeile;
    } Faelle[] = {
        {5, 6, F5L, "      Abstand [m]      ³      Zeit [min:s]      "}, // empty middle cell dropped
        {6, 6, &leer, std::string(72, ' ')},                           // empty rule text
        {6, 6, nullptr, std::string(72, ' ')},
        {7, 6, F5L, std::string(72, ' ')},
        {-1, 6, F5L, std::string(72, ' ')},
        {0, 6, F5L, std::string(72, ' ')},
        {1, 6, F5L, std::string(72, ' ')},
        {2, 6, F5L, Zellen6},
        {3, 6, &leer, Zellen6},
        {4, 6, nullptr, Zellen6},
        {2, 0, F5L, std::string(72, ' ')},
        {16, 6, F5L, Mal("Ä", 72)},
        {18, 6, F5L, Trenn6},
        {32, 6, F5L, std::string(72, ' ')},
        {34, 6, F5L, Teiln6},
        {37, 6, F5L, std::string(23, ' ') + "³" + std::string(24, ' ')},
        {21, 6, F5L, F5L->TrennliniePunktr},
    };
    for (const Fall& f : Faelle) {
        EXPECT_EQ(GetListStr(72, f.Typ, f.Durchgaenge, f.Regel), f.Zeile) << "kind " << f.Typ;
        EXPECT_EQ(L_STR_Length(GetListStr(72, f.Typ, f.Durchgaenge, f.Regel)), L_STR_Length(f.Zeile));
    }
}

TEST(RegelLookup, ListLineStaysInWidthForAnyRoundCount) {
    for (int Typ : {2, 18, 34})
        for (int n : {1, 2, 18, 19, 40, 72, 73, 200, 255, 256}) {
            std::string z = GetListStr(72, Typ, n, nullptr);
            EXPECT_LE(L_STR_Length(z), 72u) << Typ << "/" << n;
        }
    EXPECT_EQ(GetListStr(72, 2, 1, nullptr), std::string(34, ' ') + " 1. " + std::string(34, ' '));
}

} // namespace
} // namespace tavuran
