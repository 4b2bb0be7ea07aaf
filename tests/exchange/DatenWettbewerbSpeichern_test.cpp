// Saving a competition: backup, failures that must leave the old file intact,
// the parallel copy with its history, and the query before discarding.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "core/UiHooks.h"
#include "exchange/DateiFreigabe.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "exchange/WtbTestHilfen.h"
#include "rules/RegelLookup.h"

using namespace tavuran;
using namespace wtbtest;
namespace fs = std::filesystem;

namespace {

struct Wettbewerb {
    WettbewerbTyp* w = DatenWettbewerbNew();
    Wettbewerb() {
        DatenWettbewerbDefault(w);
        w->Name = "Pokal";
        TeilnehmerTyp* p = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 1, true);
        p->Name.NachnameStr = "Muster";
    }
    ~Wettbewerb() { DatenWettbewerbDispose(w); }
    WettbewerbTyp* operator->() const { return w; }
    std::string Text(int format = 3) const {
        bool e = false;
        return DatenWettbewerbText(w, format, e);
    }
};

std::vector<std::string> Dateien(const std::string& ordner) {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(ordner)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

// Counts the redraws of the status bar and answers the save query.
struct Hooks {
    int Redraws = 0;
    int Abfragen = 0;
    UiAntwort Antwort = UiAntwort::Ja;
    Hooks() {
        UiHooks h;
        h.StatusBarNeuZeichnen = [this] { ++Redraws; };
        h.SpeichernAbfrage = [this](WettbewerbTyp*, bool) {
            ++Abfragen;
            return Antwort;
        };
        SetUiHooks(h);
    }
    ~Hooks() { ResetUiHooks(); }
};

TEST(WettbewerbSpeichern, VorigeFassungWirdZurSicherung) {
    Hooks hooks;
    const std::string ordner = NeuerOrdner("bak");
    const std::string datei = ordner + "pokal.wtb";
    Wettbewerb w;
    SetWettbewerbModified(w.w);
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, datei, 3);
    ASSERT_TRUE(erg.Ok) << erg.Grund;
    EXPECT_TRUE(erg.Hinweise.empty());
    EXPECT_FALSE(erg.ZeichenErsetzt);
    EXPECT_FALSE(w->modified);
    EXPECT_EQ(hooks.Redraws, 2); // modified set, and cleared again
    const std::string erste = LiesBytes(datei);
    EXPECT_EQ(erste, w.Text());
    EXPECT_EQ(Dateien(ordner), (std::vector<std::string>{"pokal.wtb"}));

    w->Name = "Pokal 2";
    erg = DatenWettbewerbSave(w.w, datei, 1);
    ASSERT_TRUE(erg.Ok) << erg.Grund;
    EXPECT_EQ(LiesBytes(ordner + "pokal.bak"), erste);
    EXPECT_EQ(LiesBytes(datei), w.Text(1));
    EXPECT_EQ(Dateien(ordner), (std::vector<std::string>{"pokal.bak", "pokal.wtb"}));
}

// A file reached through a link is saved where the link points; the link stays.
TEST(WettbewerbSpeichern, VerknuepfungBleibtErhalten) {
    const std::string ordner = NeuerOrdner("link");
    fs::create_directory(ordner + "echt");
    SchreibBytes(ordner + "echt/pokal.wtb", "alt");
    fs::create_symlink(ordner + "echt/pokal.wtb", ordner + "pokal.wtb");
    Wettbewerb w;
    ASSERT_TRUE(DatenWettbewerbSave(w.w, ordner + "pokal.wtb", 3).Ok);
    EXPECT_TRUE(fs::is_symlink(ordner + "pokal.wtb"));
    EXPECT_EQ(LiesBytes(ordner + "echt/pokal.wtb"), w.Text());
    EXPECT_EQ(LiesBytes(ordner + "pokal.bak"), "alt");
}

TEST(WettbewerbSpeichern, FehlschlagMeldetGrundUndBehaeltAenderungen) {
    const std::string ordner = NeuerOrdner("fehler");
    fs::create_directory(ordner + "ordner.wtb");
    struct Fall {
        std::string datei;
        int format;
        const char* grund;
    } faelle[] = {
        {ordner + "fehlt/pokal.wtb", 3, "existiert nicht"},
        {ordner + "ordner.wtb", 3, "Ordner"},
        {"", 3, "kein Dateiname"},
        {ordner + "pokal.wtb", 4, "Dateiformat 4"},
    };
    for (const Fall& f : faelle) {
        Wettbewerb w;
        SetWettbewerbModified(w.w);
        const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, f.datei, f.format);
        EXPECT_FALSE(erg.Ok) << f.datei;
        EXPECT_NE(erg.Grund.find(f.grund), std::string::npos) << erg.Grund;
        EXPECT_TRUE(w->modified);
        EXPECT_NE(SpeicherErgebnisText(erg).find("konnte nicht gespeichert werden"), std::string::npos);
    }
    EXPECT_EQ(Dateien(ordner), (std::vector<std::string>{"ordner.wtb"}));
    EXPECT_FALSE(DatenWettbewerbSave(nullptr, ordner + "x.wtb", 3).Ok);
}

// The disk fills up (here: the file-size limit is reached) while the new
// version is written: the old file stays as it was and no half file is left.
TEST(WettbewerbSpeichern, AbbruchBeimSchreibenLaesstAlteDateiUnversehrt) {
    const std::string ordner = NeuerOrdner("voll");
    const std::string datei = ordner + "pokal.wtb";
    Wettbewerb w;
    ASSERT_TRUE(DatenWettbewerbSave(w.w, datei, 3).Ok);
    const std::string alt = LiesBytes(datei);
    ASSERT_LT(alt.size(), 4000u);

    for (int nr = 2; nr <= 200; ++nr) DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, nr, true)->Name.NachnameStr = "T";
    SetWettbewerbModified(w.w);
    ASSERT_GT(w.Text().size(), 20000u);

    const DateiSpeicherErgebnis erg = MitDateiGrenze(8000, [&] { return DatenWettbewerbSave(w.w, datei, 3); });

    EXPECT_FALSE(erg.Ok);
    EXPECT_NE(erg.Grund.find("zu groß"), std::string::npos) << erg.Grund;
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(LiesBytes(datei), alt);
    EXPECT_EQ(Dateien(ordner), (std::vector<std::string>{"pokal.wtb"}));
}

TEST(WettbewerbSpeichern, ParallelkopieMitHistorie) {
    const std::string ordner = NeuerOrdner("parallel");
    fs::create_directory(ordner + "kopie");
    const std::string datei = ordner + "pokal.wtb";
    const std::string par = ordner + "kopie/pokal.wtb";
    Wettbewerb w;
    w->WettbewerbParFileName = par;
    w->WettbewerbParFileEnbl = true;
    w->BackUpHistory = true;
    WunschFreigeben(datei, WunschArt::Parallelkopie, par);

    std::vector<std::string> fassungen;
    for (int i = 0; i < 3; ++i) {
        w->Name = "Fassung " + std::to_string(i);
        SetWettbewerbModified(w.w);
        const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, datei, 3);
        ASSERT_TRUE(erg.Ok);
        EXPECT_TRUE(erg.Hinweise.empty());
        EXPECT_TRUE(w->BackUpSaved);
        fassungen.push_back(w.Text());
        EXPECT_EQ(LiesBytes(par), fassungen.back());
    }
    // Each save moved the previous parallel copy to the next free number.
    EXPECT_EQ(Dateien(ordner + "kopie"), (std::vector<std::string>{"pokal.wtb", "pokal_0000.wtb", "pokal_0001.wtb"}));
    EXPECT_EQ(LiesBytes(ordner + "kopie/pokal_0000.wtb"), fassungen[0]);
    EXPECT_EQ(LiesBytes(ordner + "kopie/pokal_0001.wtb"), fassungen[1]);

    // Without changes no history copy is made.
    ASSERT_FALSE(w->modified);
    ASSERT_TRUE(DatenWettbewerbSave(w.w, datei, 3).Ok);
    EXPECT_EQ(Dateien(ordner + "kopie").size(), 3u);

    // Without history the previous parallel copy becomes its ".bak".
    w->BackUpHistory = false;
    w->Name = "Ohne Historie";
    ASSERT_TRUE(DatenWettbewerbSave(w.w, datei, 3).Ok);
    EXPECT_EQ(LiesBytes(ordner + "kopie/pokal.bak"), fassungen[2]);
    EXPECT_EQ(LiesBytes(par), w.Text());

    // The command line's conversion writes no parallel copy.
    w->Name = "Nur die Datei";
    ASSERT_TRUE(DatenWettbewerbSave(w.w, datei, 3, false).Ok);
    EXPECT_NE(LiesBytes(par), w.Text());
    EXPECT_FALSE(w->BackUpSaved);
}

TEST(WettbewerbSpeichern, ParallelkopieNichtMoeglich) {
    const std::string ordner = NeuerOrdner("parallel2");
    const std::string datei = ordner + "pokal.wtb";
    Wettbewerb w;
    w->WettbewerbParFileEnbl = true;

    // Its folder does not exist: only the file is written.
    w->WettbewerbParFileName = ordner + "fehlt/pokal.wtb";
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, datei, 3);
    ASSERT_TRUE(erg.Ok);
    EXPECT_FALSE(w->BackUpSaved);

    // The parallel copy names the file itself: its backup must stay the old version.
    const std::string erste = LiesBytes(datei);
    w->WettbewerbParFileName = datei;
    w->Name = "Neu";
    erg = DatenWettbewerbSave(w.w, datei, 3);
    ASSERT_TRUE(erg.Ok);
    EXPECT_FALSE(w->BackUpSaved);
    ASSERT_EQ(erg.Hinweise.size(), 1u);
    EXPECT_NE(SpeicherErgebnisText(erg).find("Parallelkopie"), std::string::npos);
    EXPECT_EQ(LiesBytes(ordner + "pokal.bak"), erste);
    EXPECT_EQ(LiesBytes(datei), w.Text());
}

// The parallel name is read from the competition file, which may come from
// anyone: a save writes the copy only to a full path of a .wtb file and never
// over another file the name points at.
TEST(WettbewerbSpeichern, ParallelkopieNurAlsWettbewerbsdatei) {
    const std::string ordner = NeuerOrdner("parallel3");
    const std::string datei = ordner + "pokal.wtb";
    const std::string fremd = ordner + "notizen.txt";
    {
        std::ofstream(fremd) << "nicht überschreiben\n";
    }
    struct Fall {
        std::string Name;
        bool Geschrieben, Hinweis;
    };
    const Fall faelle[] = {
        {fremd, false, true},
        {ordner + ".wtb", false, true},
        {"relativ.wtb", false, true},
        {ordner + "kopie.WTB", true, false},
        {ordner + "kopie.wtb", true, false},
    };
    for (const Fall& f : faelle) {
        Wettbewerb w;
        w->WettbewerbParFileEnbl = true;
        w->WettbewerbParFileName = f.Name;
        WunschFreigeben(datei, WunschArt::Parallelkopie, f.Name);
        const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, datei, 3);
        ASSERT_TRUE(erg.Ok) << f.Name;
        EXPECT_EQ(w->BackUpSaved, f.Geschrieben) << f.Name;
        if (f.Geschrieben) {
            EXPECT_EQ(LiesBytes(f.Name), w.Text()) << f.Name;
        }
        EXPECT_EQ(!erg.Hinweise.empty(), f.Hinweis) << f.Name;
    }
    EXPECT_EQ(LiesBytes(fremd), "nicht überschreiben\n");
    EXPECT_FALSE(fs::exists(ordner + "notizen.bak"));
    EXPECT_FALSE(fs::exists("relativ.wtb"));
}

// Formats 1 and 2 keep only the first word of the rule's name: a round trip
// keeps the rule where that word names it for the competition's date, and
// the save says which rule the file carries where it does not.
TEST(WettbewerbSpeichern, RegelUeberstehtAlteFormate) {
    const std::string ordner = NeuerOrdner("regel");
    struct Fall {
        const char* Regel;
        const char* Gelesen; // the rule read back
    } faelle[] = {
        {"F5J (B-Mod 2025)", "F5J (B-Mod 2025)"},
        {"F3B-A (B-Mod 2025)", "F3B-A (B-Mod 2025)"},
        {"Manuelle Auswertung", "Manuelle Auswertung"},
        {"F5J (B-Mod 2024)", "F5J (B-Mod 2025)"},
        {"F3B-A Elektro (B-Mod 2025)", "F3B-A (B-Mod 2025)"},
    };
    for (const Fall& f : faelle) {
        for (int format : {1, 2}) {
            SCOPED_TRACE(std::string(f.Regel) + ", Format " + std::to_string(format));
            WettbewerbTyp* w = DatenWettbewerbNew();
            DatenWettbewerbDefault(w);
            w->Datum = {1, 6, 2025};
            DatenRegelLoad(w->RegelPtr, f.Regel, &w->Datum);
            ASSERT_EQ(w->RegelPtr->Name, f.Regel);
            const std::string datei = ordner + "regel.wtb";
            const DateiSpeicherErgebnis e = DatenWettbewerbSave(w, datei, format, false);
            DatenWettbewerbDispose(w);
            ASSERT_TRUE(e.Ok) << e.Grund;
            const bool gleich = std::string(f.Regel) == f.Gelesen;
            if (gleich) {
                EXPECT_TRUE(e.Hinweise.empty());
            } else {
                ASSERT_EQ(e.Hinweise.size(), 1u);
                EXPECT_EQ(e.Hinweise[0], "Das Dateiformat " + std::to_string(format) + ".0 speichert vom Regelnamen „" +
                                             f.Regel + "“ nur „" + std::string(f.Regel).substr(0, std::string(f.Regel).find(' ')) +
                                             "“: beim Lesen trägt die Datei die Regel „" + f.Gelesen + "“.");
            }
            Geladen g(LiesBytes(datei));
            ASSERT_NE(g->RegelPtr, nullptr);
            EXPECT_EQ(g->RegelPtr->Name, f.Gelesen);
        }
    }
}

// Characters outside Windows-1252 survive a save; only bytes that are no
// UTF-8 at all become "?", and the save says so.
TEST(WettbewerbSpeichern, ErsetzteZeichenWerdenGemeldet) {
    const std::string ordner = NeuerOrdner("zeichen");
    Wettbewerb w;
    w->Name = "Memorial Łukasz";
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, ordner + "x.wtb", 3);
    ASSERT_TRUE(erg.Ok);
    EXPECT_FALSE(erg.ZeichenErsetzt);
    EXPECT_EQ(Geladen(LiesBytes(ordner + "x.wtb"))->Name, "Memorial Łukasz");

    w->Name = "Memorial \xFF";
    erg = DatenWettbewerbSave(w.w, ordner + "x.wtb", 3);
    ASSERT_TRUE(erg.Ok);
    EXPECT_TRUE(erg.ZeichenErsetzt);
    EXPECT_NE(SpeicherErgebnisText(erg).find("„?“"), std::string::npos);
    EXPECT_EQ(Geladen(LiesBytes(ordner + "x.wtb"))->Name, "Memorial ?");
}

TEST(WettbewerbSpeichern, AbfrageVorDemVerwerfen) {
    struct Fall {
        UiAntwort antwort;
        bool gespeichert;
        int status;
    } faelle[] = {
        {UiAntwort::Ja, true, 6},    {UiAntwort::JaAlle, true, 6},    {UiAntwort::Nein, false, 6},
        {UiAntwort::NeinAlle, false, 6}, {UiAntwort::Abbrechen, false, 5},
    };
    for (const Fall& f : faelle) {
        Hooks hooks;
        hooks.Antwort = f.antwort;
        const std::string ordner = NeuerOrdner("abfrage");
        Wettbewerb w;
        w->WettbewerbFileNamen[0] = ordner + "pokal.wtb";
        w->FileFormatNr = 2;
        SetWettbewerbModified(w.w);
        const DateiSpeicherErgebnis erg = SaveAllWettbewerb(w.w);
        EXPECT_EQ(hooks.Abfragen, 1);
        EXPECT_TRUE(erg.Ok);
        EXPECT_EQ(erg.Status, f.status);
        EXPECT_EQ(erg.Abgebrochen, f.status == 5);
        EXPECT_EQ(erg.Gespeichert, f.gespeichert);
        EXPECT_EQ(w->modified, !f.gespeichert);
        EXPECT_EQ(fs::exists(ordner + "pokal.wtb"), f.gespeichert);
        if (f.gespeichert) {
            EXPECT_EQ(LiesBytes(ordner + "pokal.wtb"), w.Text(2)); // in the format it was read in
        }
    }
}

TEST(WettbewerbSpeichern, AbfrageNurBeiAenderungenUndMitFehlschlag) {
    Hooks hooks;
    Wettbewerb w;
    DateiSpeicherErgebnis erg = SaveAllWettbewerb(w.w);
    EXPECT_EQ(hooks.Abfragen, 0);
    EXPECT_EQ(erg.Status, 6);
    EXPECT_TRUE(erg.Ok);
    EXPECT_EQ(SaveAllWettbewerb(nullptr).Status, 6);

    w->WettbewerbFileNamen[0] = NeuerOrdner("abfrage2") + "fehlt/pokal.wtb";
    SetWettbewerbModified(w.w);
    erg = SaveAllWettbewerb(w.w);
    EXPECT_EQ(hooks.Abfragen, 1);
    EXPECT_FALSE(erg.Ok);
    EXPECT_FALSE(erg.Abgebrochen);
    EXPECT_FALSE(erg.Grund.empty());
    EXPECT_TRUE(w->modified);
}

TEST(WettbewerbLaden, DateiLesenUndFehler) {
    const std::string ordner = NeuerOrdner("laden");
    WettbewerbTyp* w = reinterpret_cast<WettbewerbTyp*>(1);
    std::string grund;
    EXPECT_EQ(DatenWettbewerbLoad(w, ordner + "fehlt.wtb", &grund), LadenDateiFehler);
    EXPECT_EQ(w, nullptr);
    EXPECT_NE(grund.find("existiert nicht"), std::string::npos);
    EXPECT_EQ(DatenWettbewerbLoad(w, ordner, &grund), LadenDateiFehler);
    EXPECT_EQ(w, nullptr);

    // The name is remembered with the extension of competition files.
    SchreibBytes(ordner + "Liga.txt", Datei3({"ORNALIK Wettbewerbsdaten - Format 2.0", "NAME:          Liga"}));
    ASSERT_EQ(DatenWettbewerbLoad(w, ordner + "Liga.txt", &grund), LadenOk);
    EXPECT_EQ(w->WettbewerbFileNamen[0], ordner + "Liga.wtb");
    EXPECT_EQ(w->FileFormatNr, 2);
    EXPECT_EQ(w->Name, "Liga");
    EXPECT_FALSE(w->modified);
    DatenWettbewerbDispose(w);
}

TEST(WettbewerbSpeichern, Dateinamen) {
    EXPECT_EQ(BackupDateiName("/a/b/pokal.wtb"), "/a/b/pokal.bak");
    EXPECT_EQ(BackupDateiName("/a/b.c/pokal"), "/a/b.c/pokal.bak");
    EXPECT_EQ(HistorienDateiName("/a/pokal.wtb", 3), "/a/pokal_0003.wtb");
    EXPECT_EQ(HistorienDateiName("/a/pokal.wtb", 12345), "/a/pokal_12345.wtb");
}

} // namespace

// A crafted file names another competition as its parallel copy: no save
// writes it until the user confirmed it for this file, and then only over a
// competition file unless the user agreed to another kind.
TEST(WettbewerbSpeichern, ParallelkopieNurNachFreigabe) {
    const std::string ordner = NeuerOrdner("wunsch");
    fs::create_directories(ordner + "arbeit");
    fs::create_directories(ordner + "opfer");
    std::string bytes = LiesBytes(DatenPfad("wtb/wunsch_pfade.wtb"));
    for (std::size_t p; (p = bytes.find("@ORDNER@")) != std::string::npos;) bytes.replace(p, 8, ordner.substr(0, ordner.size() - 1));
    const std::string datei = ordner + "arbeit/wunsch.wtb";
    SchreibBytes(datei, bytes);
    const std::string opfer = ordner + "opfer/Landesmeisterschaft.wtb";
    const std::string opferVorher = "ORNALIK Wettbewerbsdaten - Format 3.0\r\nNAME:          'Landesmeisterschaft'\r\n";
    SchreibBytes(opfer, opferVorher);

    WettbewerbTyp* w = nullptr;
    ASSERT_EQ(DatenWettbewerbLoad(w, datei), LadenOk);
    ASSERT_TRUE(w->WettbewerbParFileEnbl);
    const std::string par = w->WettbewerbParFileName;
    for (int i = 0; i < 2; ++i) {
        const DateiSpeicherErgebnis erg = DatenWettbewerbSave(w, datei, 3);
        ASSERT_TRUE(erg.Ok) << erg.Grund;
        EXPECT_FALSE(w->BackUpSaved);
        ASSERT_EQ(erg.Hinweise.size(), 1u);
        EXPECT_NE(erg.Hinweise[0].find("nicht zugelassen"), std::string::npos) << erg.Hinweise[0];
    }
    EXPECT_EQ(LiesBytes(opfer), opferVorher);
    EXPECT_FALSE(fs::exists(ordner + "opfer/Landesmeisterschaft.bak"));

    // Confirmed for another file only: still not written.
    WunschFreigeben(ordner + "arbeit/anders.wtb", WunschArt::Parallelkopie, par);
    EXPECT_FALSE(DatenWettbewerbSave(w, datei, 3).Hinweise.empty());
    EXPECT_EQ(LiesBytes(opfer), opferVorher);

    // Confirmed: written, the previous copy kept.
    WunschFreigeben(datei, WunschArt::Parallelkopie, par);
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(w, datei, 3);
    EXPECT_TRUE(erg.Hinweise.empty());
    EXPECT_TRUE(w->BackUpSaved);
    EXPECT_EQ(LiesBytes(ordner + "opfer/Landesmeisterschaft.bak"), opferVorher);

    // A file of another kind there is left alone unless the user agreed.
    SchreibBytes(opfer, "Notizen\n");
    erg = DatenWettbewerbSave(w, datei, 3);
    EXPECT_FALSE(w->BackUpSaved);
    ASSERT_EQ(erg.Hinweise.size(), 1u);
    EXPECT_NE(erg.Hinweise[0].find("keine Wettbewerbsdatei"), std::string::npos);
    EXPECT_EQ(LiesBytes(opfer), "Notizen\n");
    SpeicherOptionen o;
    o.ParallelFremdeArtErlaubt = true;
    erg = DatenWettbewerbSave(w, datei, 3, o);
    EXPECT_TRUE(w->BackUpSaved);
    DatenWettbewerbDispose(w);
}

// The previous version cannot be kept: the save does not replace the file
// and says why; on request it goes on without the backup.
TEST(WettbewerbSpeichern, OhneSicherungskopieNurAufWunsch) {
    const std::string ordner = NeuerOrdner("ohnebak");
    const std::string datei = ordner + "pokal.wtb";
    Wettbewerb w;
    ASSERT_TRUE(DatenWettbewerbSave(w.w, datei, 3).Ok);
    const std::string erste = LiesBytes(datei);
    fs::create_directories(ordner + "pokal.bak/belegt");
    w->Name = "Zweite Fassung";
    SetWettbewerbModified(w.w);
    DateiSpeicherErgebnis erg = DatenWettbewerbSave(w.w, datei, 3);
    EXPECT_FALSE(erg.Ok);
    EXPECT_TRUE(erg.SicherungFehlt);
    EXPECT_TRUE(w->modified);
    EXPECT_EQ(LiesBytes(datei), erste);
    EXPECT_NE(SpeicherErgebnisText(erg).find("Sicherungskopie"), std::string::npos);
    SpeicherOptionen o;
    o.OhneSicherung = true;
    erg = DatenWettbewerbSave(w.w, datei, 3, o);
    EXPECT_TRUE(erg.Ok) << erg.Grund;
    EXPECT_EQ(LiesBytes(datei), w.Text());
}
