#include "evaluation/Durchgaenge.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "tests/evaluation/TestWettbewerb.h"

namespace tavuran {
namespace {

using test::TestWettbewerb;

// A competition with Vor preliminary, Sen senior and Jug junior fly-off rounds;
// each round carries a group numbered 100 + its original number, so that the
// renumbering can be followed.
struct Runden {
    TestWettbewerb tw;
    Runden(int Vor, int Sen, int Jug) {
        tw.Runden(Vor, Vor, Vor, Sen, Jug);
        for (int r = 1; r <= Vor + Sen + Jug; ++r) DatenGruppeGetPtr(GetDurchgangPtr(tw.W, r)->GruppePtr, 100 + r, 0);
        tw.W->CalcWertung = false;
    }
    // Round number -> original number (0 for a round added since).
    std::map<int, int> Belegung() const {
        std::map<int, int> m;
        for (DurchgangTyp* d = tw.W->DurchgangRootPtr; d; d = d->next) {
            int alt = 0;
            for (GruppeTyp* g = d->GruppePtr; g; g = g->next)
                if (g->Nr > 100) alt = g->Nr - 100;
            m[d->Nr] = alt;
        }
        return m;
    }
    void Geflogen(std::initializer_list<int> Nr) {
        for (int n : Nr) GetDurchgangPtr(tw.W, n)->DurchgangGeflogen = true;
    }
    WettbewerbTyp* W() const { return tw.W; }
};

// Records the messages and questions of the model and answers questions with `Antwort`.
struct UiProtokoll {
    std::vector<std::string> Meldungen;
    std::vector<std::string> Fragen;
    UiAntwort Antwort = UiAntwort::Nein;
    UiProtokoll() {
        UiHooks h;
        h.Meldung = [this](const std::string& t) { Meldungen.push_back(t); };
        h.Frage = [this](const std::string& titel, const std::string& t, bool) {
            Fragen.push_back(titel + "|" + t);
            return Antwort;
        };
        SetUiHooks(h);
    }
    ~UiProtokoll() { ResetUiHooks(); }
};

TEST(Durchgaenge, Einfuegen) {
    struct Fall {
        const char* Name;
        int Code;
        std::map<int, int> Belegung;
        int Vorrunden, Gewertet, Senioren, Durchgaenge;
    };
    // 4 preliminary rounds, 2 senior fly-offs, 1 junior fly-off.
    const std::vector<Fall> faelle = {
        {"Vorrunde", BlockVorrunde, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 0}, {6, 5}, {7, 6}, {8, 7}}, 5, 5, 2, 8},
        {"Senioren Fly-Off", BlockSeniorenFlyOff, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 0}, {8, 7}}, 4, 4, 3, 8},
        {"Jugend Fly-Off", BlockJugendFlyOff, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 0}}, 4, 4, 2, 8},
        {"an Nummer 2", 2, {{1, 1}, {2, 0}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}, {8, 7}}, 5, 5, 2, 8},
        {"an Nummer 6", 6, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 0}, {7, 6}, {8, 7}}, 4, 4, 3, 8},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Runden r(4, 2, 1);
        UiProtokoll ui;
        r.W()->modified = false;
        EXPECT_TRUE(EinfuegeDurchgaenge(r.W(), f.Code));
        EXPECT_EQ(r.Belegung(), f.Belegung);
        EXPECT_EQ(r.W()->AnzVorrunden, f.Vorrunden);
        EXPECT_EQ(r.W()->AnzGewDurchgaenge, f.Gewertet);
        EXPECT_EQ(r.W()->AnzSeniorenFlyOff, f.Senioren);
        EXPECT_EQ(r.W()->AnzDurchgaenge, f.Durchgaenge);
        EXPECT_TRUE(r.W()->modified);
        EXPECT_FALSE(r.W()->CalcWertung); // evaluated
        EXPECT_TRUE(ui.Meldungen.empty());
    }
}

TEST(Durchgaenge, EinfuegenUeber18WirdAbgelehnt) {
    struct Fall {
        const char* Name;
        int Vor, Sen, Jug;
        int Code;
        std::string Meldung;
    };
    const std::vector<Fall> faelle = {
        {"18 Durchgänge", 15, 2, 1, BlockVorrunde, MeldungZuVieleDurchgaenge},
        {"Jugend Fly-Off hinter 18", 16, 1, 1, BlockJugendFlyOff, MeldungZuVieleDurchgaenge},
        {"ungültige Anzahl", -3, 0, 0, BlockVorrunde, MeldungDurchgangUngueltig},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Runden r(f.Vor > 0 ? f.Vor : 0, f.Sen, f.Jug);
        r.W()->AnzVorrunden = f.Vor;
        UiProtokoll ui;
        const auto vorher = r.Belegung();
        const int anzahl = r.W()->AnzDurchgaenge;
        EXPECT_FALSE(EinfuegeDurchgaenge(r.W(), f.Code));
        EXPECT_EQ(ui.Meldungen, std::vector<std::string>{f.Meldung});
        EXPECT_EQ(r.Belegung(), vorher);
        EXPECT_EQ(r.W()->AnzDurchgaenge, anzahl);
        EXPECT_FALSE(r.W()->modified);
    }
    // A preliminary round that would push a stray round beyond 18.
    Runden r(4, 1, 0);
    DatenDurchgangGetPtr(r.W()->DurchgangRootPtr, 18);
    UiProtokoll ui;
    EXPECT_FALSE(VorrundeHinzufuegen(r.W()));
    EXPECT_EQ(ui.Meldungen.size(), 1u);
    EXPECT_EQ(r.W()->AnzVorrunden, 4);
    // Up to 18 rounds are fine.
    Runden s(14, 2, 1);
    EXPECT_TRUE(JugFlyOffHinzufuegen(s.W()));
    EXPECT_EQ(s.W()->AnzDurchgaenge, 18);
}

TEST(Durchgaenge, VorrundeEntfernenNimmtDieLetzteNichtGeflogene) {
    Runden r(4, 2, 1);
    r.Geflogen({1, 2, 4});
    UiProtokoll ui;
    EXPECT_TRUE(VorrundeEntfernen(r.W()));
    EXPECT_EQ(r.Belegung(), (std::map<int, int>{{1, 1}, {2, 2}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}));
    EXPECT_EQ(r.W()->AnzVorrunden, 3);
    EXPECT_EQ(r.W()->AnzGewDurchgaenge, 3);
    EXPECT_EQ(r.W()->StreicherAbDurchg, 3);
    EXPECT_EQ(r.W()->AnzSeniorenFlyOff, 2);
    EXPECT_EQ(r.W()->AnzDurchgaenge, 6);
    EXPECT_TRUE(ui.Fragen.empty());
    EXPECT_EQ(EntferneDurchgangPtr, nullptr);
}

TEST(Durchgaenge, EntfernenJeBlock) {
    struct Fall {
        const char* Name;
        int Block;
        bool Ergebnis;
        std::map<int, int> Belegung;
        int Vorrunden, Senioren, Durchgaenge;
    };
    const std::vector<Fall> faelle = {
        {"Senioren Fly-Off", BlockSeniorenFlyOff, true, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 6}}, 3, 1, 4},
        {"Jugend Fly-Off ohne Jugend-Runde", BlockJugendFlyOff, false,
         {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}, 3, 2, 5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Runden r(3, 2, 0);
        DatenGruppeGetPtr(GetDurchgangPtr(r.W(), 6)->GruppePtr, 106, 0); // a stray round beyond the count
        r.W()->StreicherAbDurchg = 3;
        EXPECT_EQ(DurchgangEntfernen(r.W(), f.Block), f.Ergebnis);
        EXPECT_EQ(r.Belegung(), f.Belegung);
        EXPECT_EQ(r.W()->AnzVorrunden, f.Vorrunden);
        EXPECT_EQ(r.W()->AnzSeniorenFlyOff, f.Senioren);
        EXPECT_EQ(r.W()->AnzDurchgaenge, f.Durchgaenge);
        EXPECT_EQ(r.W()->StreicherAbDurchg, 3);
    }
}

TEST(Durchgaenge, StreicherAbFolgtDerLetztenVorrunde) {
    Runden r(5, 1, 0);
    r.W()->StreicherAbDurchg = 5;
    EXPECT_TRUE(EntferneDurchgaenge(r.W(), 5));
    EXPECT_EQ(r.W()->AnzVorrunden, 4);
    EXPECT_EQ(r.W()->StreicherAbDurchg, 4);
    EXPECT_FALSE(EntferneDurchgaenge(r.W(), 9));
    EXPECT_EQ(r.W()->AnzDurchgaenge, 5);
}

TEST(Durchgaenge, AktuellerDurchgang) {
    struct Fall {
        int Aktuell;
        int Entfernt;
        int Danach;
    };
    const std::vector<Fall> faelle = {{3, 3, 2}, {1, 1, 1}, {2, 3, 2}, {4, 3, 4}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.Aktuell << " " << f.Entfernt);
        Runden r(4, 1, 0);
        r.W()->DurchgangNr = f.Aktuell;
        EntferneDurchgangPtr = GetDurchgangPtr(r.W(), f.Entfernt);
        EXPECT_TRUE(ExecPipedAction(r.W()));
        EXPECT_EQ(r.W()->DurchgangNr, f.Danach);
        EXPECT_EQ(EntferneDurchgangPtr, nullptr);
    }
    Runden r(2, 0, 0);
    EXPECT_FALSE(ExecPipedAction(r.W()));
    // A chosen round of another competition is not removed.
    Runden andere(2, 0, 0);
    EntferneDurchgangPtr = GetDurchgangPtr(andere.W(), 1);
    EXPECT_FALSE(ExecPipedAction(r.W()));
    EXPECT_EQ(EntferneDurchgangPtr, nullptr);
    EXPECT_EQ(r.W()->AnzDurchgaenge, 2);
}

TEST(Durchgaenge, GeflogeneRundeNurNachWarnung) {
    struct Fall {
        const char* Name;
        int Status;
        int Warnstufe;
        UiAntwort Antwort;
        bool Gefragt;
        bool Entfernt;
    };
    const std::vector<Fall> faelle = {
        {"Ergebnisse, Warnung abgelehnt", 70, 0, UiAntwort::Nein, true, false},
        {"Ergebnisse, Warnung bestätigt", 70, 0, UiAntwort::Ja, true, true},
        {"veröffentlicht, abgebrochen", 90, 20, UiAntwort::Abbrechen, true, false},
        {"Warnung schon quittiert", 70, 70, UiAntwort::Nein, false, true},
        {"nur Startliste", 60, 0, UiAntwort::Nein, false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Runden r(3, 1, 0);
        r.Geflogen({1, 2, 3});
        r.W()->Status = f.Status;
        r.W()->Warnstufe = f.Warnstufe;
        UiProtokoll ui;
        ui.Antwort = f.Antwort;
        EXPECT_EQ(VorrundeEntfernen(r.W()), f.Entfernt);
        EXPECT_EQ(ui.Fragen.size(), f.Gefragt ? 1u : 0u);
        EXPECT_EQ(r.W()->AnzVorrunden, f.Entfernt ? 2 : 3);
        EXPECT_EQ(r.Belegung().at(3), f.Entfernt ? 4 : 3);
        EXPECT_EQ(EntferneDurchgangPtr, nullptr);
        if (f.Gefragt) {
            const std::string& frage = ui.Fragen.front();
            EXPECT_EQ(frage.rfind("WARNUNG|Diese Programmfunktion ändert bestehende Wertungen,\n", 0), 0u);
            EXPECT_NE(frage.find("-> Durchgänge müssten neu geflogen und eingegeben werden!"), std::string::npos);
        }
    }
}

// The window asks its own warning: the choice says what removing needs and
// asks nobody; the round chosen waits in EntferneDurchgangPtr.
TEST(Durchgaenge, WahlDerZuEntfernendenRunde) {
    struct Fall {
        const char* Name;
        int Block;
        std::vector<int> Geflogen;
        int Status;
        EntfernenWahl Wahl;
        int Runde; // number of the chosen round, 0 for none
    };
    const std::vector<Fall> faelle = {
        {"offene Vorrunde", BlockVorrunde, {3}, 70, EntfernenWahl::Sofort, 2},
        {"alle geflogen, Ergebnisse", BlockVorrunde, {1, 2, 3}, 70, EntfernenWahl::Warnung, 3},
        {"alle geflogen, nur Startliste", BlockVorrunde, {1, 2, 3}, 60, EntfernenWahl::Sofort, 3},
        {"kein Jugend Fly-Off", BlockJugendFlyOff, {}, 70, EntfernenWahl::Keiner, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Runden r(3, 1, 0);
        for (int n : f.Geflogen) GetDurchgangPtr(r.W(), n)->DurchgangGeflogen = true;
        r.W()->Status = f.Status;
        UiProtokoll ui;
        EXPECT_EQ(DurchgangZumEntfernenWaehlen(r.W(), f.Block), f.Wahl);
        EXPECT_EQ(EntferneDurchgangPtr ? EntferneDurchgangPtr->Nr : 0, f.Runde);
        EXPECT_TRUE(ui.Fragen.empty());
        EXPECT_EQ(r.W()->AnzDurchgaenge, 4); // nothing removed yet
        EntferneDurchgangPtr = nullptr;
    }
}

TEST(Durchgaenge, Warnungstext) {
    WettbewerbTyp w;
    w.Status = 90;
    EXPECT_EQ(WarnungDurchgangEntfernenText(&w),
              "Diese Programmfunktion ändert bestehende Wertungen,\n"
              "es wurden aber bereits Ergebnisse exportiert!\n\n"
              "-> Durchgänge müssten neu geflogen und eingegeben werden!\n"
              "-> Fly-Off müsste neu geflogen und eingegeben werden!\n"
              "-> Ergebnisexporte und -listen müssten neu erstellt werden!");
    w.Status = 75;
    EXPECT_EQ(WarnungDurchgangEntfernenText(&w),
              "Diese Programmfunktion ändert bestehende Wertungen,\n\n\n"
              "-> Durchgänge müssten neu geflogen und eingegeben werden!");
}

} // namespace
} // namespace tavuran
