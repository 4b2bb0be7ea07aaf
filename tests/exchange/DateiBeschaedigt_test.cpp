// Damage that a file does not show on its face: a file cut at a line end, and
// lines that contradict each other. Each is named in the reading's report, so
// that the file counts as damaged and is not saved over without a question.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DatenDurchgang.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "tests/exchange/WtbTestHilfen.h"

using namespace tavuran;
using namespace wtbtest;

namespace {

struct Gelesen {
    WettbewerbTyp* w = nullptr;
    DateiLeseBericht b;
    int Ergebnis = -99;
    explicit Gelesen(const std::string& bytes) { Ergebnis = DatenWettbewerbLesen(w, bytes, "", &b); }
    ~Gelesen() { DatenWettbewerbDispose(w); }
    Gelesen(const Gelesen&) = delete;
    Gelesen& operator=(const Gelesen&) = delete;
    std::string Text() const { return LeseBerichtText(b); }
};

// The bytes of the first n lines.
std::string Anfang(const std::vector<std::string>& zeilen, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += zeilen[i] + "\r\n";
    return s;
}

std::string NeuGeschrieben(const std::string& datei) {
    Gelesen g(LiesBytes(DatenPfad(datei)));
    bool ersetzt = false;
    return DatenWettbewerbText(g.w, 3, ersetzt);
}

// A file cut at any line end is damaged. Files this program writes end with a
// closing line that counts the lines; older files are judged by what every
// writer puts at their end: a result line for each participant.
TEST(DateiBeschaedigt, AbgeschnittenAnJedemZeilenende) {
    const std::string neu = NeuGeschrieben("wtb/beispiel_format3.wtb");
    const std::vector<std::string> zeilen = ByteZeilen(neu);
    ASSERT_EQ(zeilen.front(), "ORNALIK Wettbewerbsdaten - Format 3.1");
    ASSERT_EQ(zeilen.back(), "DATEIENDE:     '" + std::to_string(zeilen.size()) + "'");
    {
        Gelesen ganz(neu);
        EXPECT_FALSE(ganz.b.Verluste()) << ganz.Text();
    }
    for (std::size_t n = 1; n < zeilen.size(); ++n) {
        Gelesen g(Anfang(zeilen, n));
        EXPECT_TRUE(g.b.Verluste()) << "nach Zeile " << n;
    }

    // An old file: every cut after the first participant line shows.
    const std::vector<std::string> alt = ByteZeilen(LiesBytes(DatenPfad("wtb/beispiel_format3.wtb")));
    {
        Gelesen ganz(Anfang(alt, alt.size()));
        EXPECT_FALSE(ganz.b.Verluste()) << ganz.Text();
    }
    std::size_t ersterTeilnehmer = 0;
    while (alt[ersterTeilnehmer].rfind("TEILNEHMER", 0) != 0) ++ersterTeilnehmer;
    for (std::size_t n = ersterTeilnehmer + 1; n < alt.size(); ++n) {
        Gelesen g(Anfang(alt, n));
        EXPECT_TRUE(g.b.Verluste()) << "nach Zeile " << n;
    }
}

// What a cut file lacks is said: before the result block everything after
// the cut may be missing; inside it, only result lines are.
TEST(DateiBeschaedigt, AbgeschnittenSagtWasFehlt) {
    Gelesen alt(LiesBytes(DatenPfad("wtb/abgeschnitten_alt.wtb")));
    EXPECT_EQ(alt.Ergebnis, LadenOk);
    EXPECT_EQ(alt.Text(), "Die Datei ist nach Zeile 40 abgeschnitten: die Ergebniszeile fehlt beim einzigen Teilnehmer "
                          "(„Beispiel Eva“); Teilnehmer, Mannschaften und Wertungen, die danach standen, fehlen.");

    const std::vector<std::string> zeilen = ByteZeilen(LiesBytes(DatenPfad("wtb/beispiel_format3.wtb")));
    Gelesen imErgebnisblock(Anfang(zeilen, zeilen.size() - 1));
    EXPECT_EQ(imErgebnisblock.Text(),
              "Die Datei ist nach Zeile 44 abgeschnitten: die Ergebniszeile fehlt bei 1 von 2 Teilnehmern („Muster "
              "Max“); Teilnehmer, Mannschaften und Wertungen stehen davor und sind vollständig.");

    // A new file cut where no participant has come yet: only the closing line tells.
    const std::vector<std::string> neu = ByteZeilen(NeuGeschrieben("wtb/beispiel_format3.wtb"));
    Gelesen ohneTeilnehmer(Anfang(neu, 20));
    EXPECT_EQ(ohneTeilnehmer.Text(),
              "Die Schlusszeile fehlt: die Datei ist nach Zeile 20 abgeschnitten, was danach stand, fehlt.");
    std::vector<std::string> luecke = neu;
    luecke.erase(luecke.begin() + 30);
    Gelesen ohneZeile(Anfang(luecke, luecke.size()));
    EXPECT_EQ(ohneZeile.Text(), "Die Schlusszeile (Zeile " + std::to_string(luecke.size()) + ") nennt " +
                                    std::to_string(neu.size()) + " Zeilen, die Datei hat " +
                                    std::to_string(luecke.size()) + ": Zeilen fehlen oder sind hinzugekommen.");
    Gelesen angehaengt(Anfang(neu, neu.size()) + "PUNKTRNAME:    'Noch','Einer',''\r\n");
    EXPECT_EQ(angehaengt.Text(), "Nach der Schlusszeile (Zeile " + std::to_string(neu.size()) +
                                     ") folgen weitere Zeilen (ab Zeile " + std::to_string(neu.size() + 1) + ").");
}

// Lines that contradict each other or point at nothing.
TEST(DateiBeschaedigt, WiderspruecheWerdenGenannt) {
    struct Fall {
        const char* datei;
        std::string hinweis;
    } faelle[] = {
        {"doppelte_nummer.wtb",
         "Die Zeilen 40 und 41 geben zwei Teilnehmern die Nummer 1: „Muster Max“ (Zeile 41) hat die Nummer 2 "
         "erhalten; Wertungen und Mannschaften der Nummer 1 gehören zu „Beispiel Eva“."},
        {"doppelte_wertung.wtb",
         "Zwei Zeilen geben einer Wertung verschiedene Werte (43 und 44); gelesen wurden jeweils die Werte der ersten "
         "Zeile."},
        {"zwei_namen.wtb",
         "Die Zeilen 2 und 5 geben NAME verschiedene Werte; gelesen wurde der Wert der Zeile 5."},
        {"durchgaenge_zu_wenig.wtb",
         "Die Datei nennt 3 Durchgänge (Zeile 7), enthält aber Wertungen bis Durchgang 7 (Zeilen 44, 45); "
         "ausgewertet werden nur die Durchgänge bis 3."},
        {"mannschaft_ohne_teilnehmer.wtb",
         "Die Mannschaft „Team Süd“ in Zeile 42 nennt die Teilnehmernummer 9, die kein Teilnehmer hat; sie fällt "
         "beim Speichern weg."},
        {"person_vier_woerter.wtb",
         "Namen aus mehr als drei Wörtern lassen sich in diesem Dateiformat nicht sicher in Titel, Vor- und Nachname "
         "teilen: Zeile 14 („Prof. Dr. Eva Beispiel“). Bitte die Namen prüfen."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        Gelesen g(LiesBytes(DatenPfad(std::string("wtb/") + f.datei)));
        EXPECT_EQ(g.Ergebnis, LadenOk);
        EXPECT_TRUE(g.b.Verluste());
        EXPECT_EQ(g.b.Hinweise, std::vector<std::string>{f.hinweis}) << g.Text();
    }
}

// What the reading keeps of contradicting lines: both participants, the
// first of two score lines, every word of a long name.
TEST(DateiBeschaedigt, WasVonWiderspruechenBleibt) {
    {
        Gelesen g(LiesBytes(DatenPfad("wtb/doppelte_nummer.wtb")));
        EXPECT_EQ(GetAnzTeilnehmerGelistet(g.w->TeilnehmerRootPtr), 2);
        const TeilnehmerTyp* eva = GetTeilnehmerName(g.w, "Beispiel Eva");
        const TeilnehmerTyp* max = GetTeilnehmerName(g.w, "Muster Max");
        ASSERT_TRUE(eva && max);
        EXPECT_EQ(eva->EdvNr, 1);
        EXPECT_EQ(max->EdvNr, 2);
        // The score of number 1 belongs to the first line's participant only.
        DurchgangTyp* d = GetDurchgangPtr(g.w, 1);
        EXPECT_NE(DatenWertungGetPtr(d, 1, 0), nullptr);
        EXPECT_EQ(DatenWertungGetPtr(d, 2, 0), nullptr);
    }
    {
        Gelesen g(LiesBytes(DatenPfad("wtb/doppelte_wertung.wtb")));
        EXPECT_DOUBLE_EQ(DatenWertungGetPtr(GetDurchgangPtr(g.w, 1), 1, 0)->WertungDurchg[1], 600);
    }
    {
        Gelesen g(LiesBytes(DatenPfad("wtb/person_vier_woerter.wtb")));
        const NameTyp& n = g.w->Wettbewerbsleiter;
        EXPECT_EQ(n.TitelStr, "Prof. Dr.");
        EXPECT_EQ(n.VornameStr, "Eva");
        EXPECT_EQ(n.NachnameStr, "Beispiel");
    }
}

} // namespace
