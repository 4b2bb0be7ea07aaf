// Finding the participants of a sub-competition in an overall ranking: a name
// that occurs more than once is told apart by club or birth date, and what
// stays ambiguous is reported instead of merged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DurchgangImport.h"
#include "exchange/TeilnehmerZuordnung.h"
#include "tests/exchange/ImportTestHilfen.h"
#include "tests/exchange/WtbTestHilfen.h"

namespace {

using namespace tavuran;

struct Person {
    const char* Vorname;
    const char* Nachname;
    const char* Verein;
    DateRec Geboren; // 1.1.2000: not entered
};

constexpr DateRec Offen{1, 1, 2000};

// Participants numbered from 1 in the given order.
void Anlegen(WettbewerbTyp* w, const std::vector<Person>& Personen) {
    for (int i = static_cast<int>(Personen.size()); i >= 1; --i) {
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, i, true);
        p->Name.VornameStr = Personen[i - 1].Vorname;
        p->Name.NachnameStr = Personen[i - 1].Nachname;
        p->Verein = Personen[i - 1].Verein;
        p->GebDatum = Personen[i - 1].Geboren;
    }
}

TEST(TeilnehmerZuordnung, DoppelteNamenNachVereinUndGeburtsdatum) {
    struct Fall {
        const char* Name;
        std::vector<Person> Ziel, Quelle;
        // per participant of Quelle: the number it is given here, 0 new, -1 ambiguous
        std::vector<int> Erwartet;
    };
    const std::vector<Fall> faelle = {
        {"einmal auf beiden Seiten, anderer Verein", {{"Hans", "Meier", "MFC Nord", Offen}},
         {{"Hans", "Meier", "MFV Süd", Offen}}, {1}},
        {"zwei gleichen Namens in der Quelle, keiner hier: zwei neue", {},
         {{"Paul", "Maier", "MFC A", Offen}, {"Paul", "Maier", "MFC B", Offen}}, {0, 0}},
        {"zwei hier, zwei dort: nach Verein",
         {{"Paul", "Maier", "MFC A", Offen}, {"Paul", "Maier", "MFC B", Offen}},
         {{"Paul", "Maier", "MFC B", Offen}, {"Paul", "Maier", "MFC A", Offen}}, {2, 1}},
        {"zwei hier, gleicher Verein: nach Geburtsdatum",
         {{"Eva", "Ébert", "LSV X", {3, 3, 1970}}, {"Eva", "Ébert", "LSV X", {4, 4, 1980}}},
         {{"Eva", "Ébert", "LSV X", {4, 4, 1980}}}, {2}},
        {"anderes Geburtsdatum ist ein anderer Mensch",
         {{"Eva", "Ébert", "LSV X", {3, 3, 1970}}},
         {{"Eva", "Ébert", "LSV X", {3, 3, 1970}}, {"Eva", "Ébert", "LSV X", {4, 4, 1980}}}, {1, 0}},
        {"zwei hier, nichts entscheidet",
         {{"Paul", "Maier", "MFC A", Offen}, {"Paul", "Maier", "MFC A", Offen}},
         {{"Paul", "Maier", "MFC A", Offen}}, {-1}},
        {"zwei dort, einer hier, nichts entscheidet: nur einer bekommt ihn",
         {{"Paul", "Maier", "MFC A", Offen}},
         {{"Paul", "Maier", "MFC A", Offen}, {"Paul", "Maier", "MFC A", Offen}}, {1, -1}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        importtest::Wettbewerb ziel, quelle;
        Anlegen(ziel.w, f.Ziel);
        Anlegen(quelle.w, f.Quelle);
        const std::vector<TeilnehmerZuordnungTyp> z = TeilnehmerZuordnen(ziel.w->TeilnehmerRootPtr,
                                                                         quelle.w->TeilnehmerRootPtr);
        ASSERT_EQ(z.size(), f.Erwartet.size());
        for (std::size_t i = 0; i < z.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(z[i].Quelle->EdvNr, static_cast<int>(i) + 1);
            EXPECT_EQ(z[i].Mehrdeutig, f.Erwartet[i] < 0);
            EXPECT_EQ(z[i].Ziel ? z[i].Ziel->EdvNr : (z[i].Mehrdeutig ? -1 : 0), f.Erwartet[i]);
        }
    }
}

// The two "Maier Paul" of one sub-competition become two participants, and a
// second import puts each value on the right one; an ambiguous one is named.
TEST(TeilnehmerZuordnung, DurchgangImportLegtNichtZusammen) {
    const std::string ordner = wtbtest::NeuerOrdner("zuordnung");
    // "Manuelle Auswertung": the partial ratings are the points in percent of the best.
    const auto Schreiben = [&](const std::string& Datei, const std::vector<Person>& Personen,
                               const std::vector<double>& Werte) {
        importtest::Wettbewerb q;
        q.w->Name = "Lauf";
        ASSERT_TRUE(ReplaceRuleByName(q.w, "Manuelle Auswertung"));
        Anlegen(q.w, Personen);
        DurchgangTyp* d = DatenDurchgangGetPtr(q.w->DurchgangRootPtr, 1);
        GruppeTyp* gr = DatenGruppeGetPtr(d->GruppePtr, 1, 0);
        for (std::size_t i = 0; i < Werte.size(); ++i) {
            const int nr = static_cast<int>(i) + 1;
            GetTeilnehmerEdvNr(q.w, nr)->Gruppe[1] = 1;
            DatenWertungInGroupGetPtr(d, gr, nr)->WertungDurchg[1] = Werte[i];
        }
        SortAll(q.w);
        ASSERT_TRUE(DatenWettbewerbSave(q.w, Datei, 3, false).Ok);
    };
    Schreiben(ordner + "eins.wtb", {{"Paul", "Maier", "MFC A", Offen}, {"Paul", "Maier", "MFC B", Offen}}, {100, 80});
    Schreiben(ordner + "zwei.wtb", {{"Paul", "Maier", "MFC B", Offen}, {"Paul", "Maier", "MFC A", Offen}}, {100, 75});

    importtest::Wettbewerb g;
    g.w->Name = "Gesamt";
    ASSERT_TRUE(ReplaceRuleByName(g.w, "Gesamtwertung"));
    g.w->AnzVorrunden = g.w->AnzDurchgaenge = 3;
    DurchgangImportErgebnis e = DatenWettbewerbImportDurchgang(g.w, ordner + "eins.wtb", 1);
    ASSERT_TRUE(e.Ok) << e.Grund;
    EXPECT_EQ(e.Neu.size(), 2u);
    ASSERT_TRUE(DatenWettbewerbImportDurchgang(g.w, ordner + "zwei.wtb", 2).Ok);
    EXPECT_EQ(GetTeilnehmerAnzahl(g.w->TeilnehmerRootPtr), 2);
    const auto Wert = [&](int Runde, const char* Verein) {
        for (TeilnehmerTyp* t = g.w->TeilnehmerRootPtr; t; t = t->next)
            if (t->Verein == Verein) return GetWertungPtr(g.w, GetDurchgangPtr(g.w, Runde), t->EdvNr)->WertungDurchg[1];
        return -99.0;
    };
    EXPECT_DOUBLE_EQ(Wert(1, "MFC A"), 100);
    EXPECT_DOUBLE_EQ(Wert(2, "MFC A"), 75);
    EXPECT_DOUBLE_EQ(Wert(1, "MFC B"), 80);
    EXPECT_DOUBLE_EQ(Wert(2, "MFC B"), 100);

    // Both registered here under one club: the third file cannot tell them apart.
    for (TeilnehmerTyp* t = g.w->TeilnehmerRootPtr; t; t = t->next) t->Verein = "MFC A";
    Schreiben(ordner + "drei.wtb", {{"Paul", "Maier", "MFC A", Offen}}, {50});
    e = DatenWettbewerbImportDurchgang(g.w, ordner + "drei.wtb", 3);
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Werte, 0);
    EXPECT_EQ(e.Mehrdeutig, std::vector<std::string>{"Maier Paul (MFC A)"});
    const std::vector<std::string> zeilen = DurchgangImportZeilen(e, 3);
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "  nicht zugeordnet: Maier Paul (MFC A)"), zeilen.end());
    std::filesystem::remove_all(ordner);
}

} // namespace
