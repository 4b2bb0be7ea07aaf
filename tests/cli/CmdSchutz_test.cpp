// What the command line must never do with files: write over its own input,
// read or replace what is no regular file, write over a damaged file, write
// a file a window holds, or use a path that only the competition file names.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "cli/CliLauf.h"
#include "exchange/DateiSperre.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "tests/exchange/ImportTestHilfen.h"

namespace {

namespace fs = std::filesystem;
using namespace tavuran;
using namespace tavuran::clitest;

std::string Daten(const std::string& name) { return std::string(TAVURAN_TEST_DATA) + "/wtb/" + name; }
std::string Arg(const std::string& s) { return "\"" + s + "\""; }
bool Enthaelt(const std::string& s, const std::string& t) { return s.find(t) != std::string::npos; }

void Schreiben(const std::string& pfad, const std::string& bytes) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class CmdSchutz : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner = TempDatei("ordner/");
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        datei = ordner + "pokal.wtb";
        fs::copy_file(Daten("beispiel_format3.wtb"), datei);
        vorher = Lies(datei);
        // Damaged: two lines that cannot be read.
        beschaedigt = ordner + "beschaedigt.wtb";
        std::string b = vorher;
        b.replace(b.find("TEILNEHMER:    '1'"), 18, "TEILNEHMER:    'x'");
        b.replace(b.find("STREICHER_AB:  '6'"), 18, "STREICHER_AB:  's'");
        Schreiben(beschaedigt, b);
        beschaedigtVorher = b;
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::string ordner, datei, vorher, beschaedigt, beschaedigtVorher;
};

// Exports and edits onto their own input, also through a hard or a symbolic
// link, are refused: exit 1, a German reason, the file unchanged.
TEST_F(CmdSchutz, KeinBefehlSchreibtUeberSeineEingabe) {
    fs::create_hard_link(datei, ordner + "hart.csv");
    fs::create_symlink(datei, ordner + "weich.html");
    const std::string portal = ordner + "portal.csv";
    Schreiben(portal, "Pilot First Name;Pilot Last Name\r\nAnna;Neu\r\n");
    const std::string portalVorher = Lies(portal);
    const std::string f = Arg(datei);
    const std::string faelle[] = {
        "html " + f + " meldungen " + f,
        "html " + f + " ergebnis " + Arg(ordner + "weich.html"),
        "csv " + f + " " + f,
        "csv " + f + " " + Arg(ordner + "hart.csv"),
        "drucken " + f + " --liste ergebnis --text " + f,
        "drucken " + f + " --liste ergebnis --pdf " + f,
        "anmeldungen " + f + " " + Arg(portal) + " --aus " + Arg(portal),
        "uebernehmen " + f + " " + Arg(portal) + " 1 --aus " + Arg(portal),
    };
    for (const std::string& fall : faelle) {
        const Lauf l = Starte(fall);
        EXPECT_EQ(l.Rueckgabe, 1) << fall << "\n" << l.Fehler;
        EXPECT_TRUE(Enthaelt(l.Fehler, "ist dieselbe Datei wie die Eingabe")) << fall << "\n" << l.Fehler;
    }
    EXPECT_EQ(Lies(datei), vorher);
    EXPECT_EQ(Lies(portal), portalVorher);
    EXPECT_FALSE(fs::exists(BackupDateiName(datei)));

    // A file that reads completely may be converted onto itself.
    const Lauf l = Starte("umwandeln " + f + " " + f);
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(Lies(BackupDateiName(datei)), vorher);
}

// A FIFO, a device or a link to one is neither read nor replaced, and no
// command waits on one.
TEST_F(CmdSchutz, NurGewoehnlicheDateien) {
    const std::string fifo = ordner + "fifo.wtb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string geraet = ordner + "geraet.wtb";
    const bool mitGeraet = ::mknod(geraet.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    fs::create_symlink(fifo, ordner + "link.wtb");

    const auto start = std::chrono::steady_clock::now();
    for (const std::string& d : {fifo, ordner + "link.wtb"}) {
        const Lauf l = Starte("info " + Arg(d));
        EXPECT_EQ(l.Rueckgabe, 1) << d;
        EXPECT_TRUE(Enthaelt(l.Fehler, "keine gewöhnliche Datei")) << l.Fehler;
    }
    for (const std::string& ziel : {fifo, mitGeraet ? geraet : fifo}) {
        const Lauf l = Starte("umwandeln " + Arg(datei) + " " + Arg(ziel));
        EXPECT_EQ(l.Rueckgabe, 1) << ziel;
        EXPECT_TRUE(Enthaelt(l.Fehler, "wird nicht ersetzt")) << l.Fehler;
        struct stat st {};
        ASSERT_EQ(::stat(ziel.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode));
    }
    // The crafted file names a FIFO and a device as sub-competitions; even
    // named on the command line they are not read.
    std::string teil = Lies(Daten("teilwettbewerbe_sonderdateien.wtb"));
    for (std::size_t p; (p = teil.find("@ORDNER@")) != std::string::npos;) teil.replace(p, 8, ordner.substr(0, ordner.size() - 1));
    Schreiben(ordner + "gesamt.wtb", teil);
    const Lauf l = Starte("html " + Arg(ordner + "gesamt.wtb") + " ergebnis " + Arg(ordner + "gesamt.html") +
                          " --teil " + Arg(fifo) + " --teil " + Arg(geraet));
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

// Edits refuse a damaged file unless written elsewhere (--aus) or with
// --trotz-schaden; read-only commands refuse it unless --trotz-schaden.
TEST_F(CmdSchutz, BeschaedigteDatei) {
    const std::string b = Arg(beschaedigt);
    const std::string aus = ordner + "aus.wtb";
    const std::string portal = ordner + "portal.csv";
    Schreiben(portal, "Pilot First Name;Pilot Last Name\r\nAnna;Neu\r\n");
    const std::string bearbeiten[] = {
        "eintragen " + b + " --durchgang 1 --startnr 1 3",
        "anmeldungen " + b + " " + Arg(portal),
        "umwandeln " + b + " " + b,
        "auslosen " + b + " --seed 1",
        "uebernehmen " + b + " " + Arg(datei) + " 1",
    };
    for (const std::string& fall : bearbeiten) {
        Lauf l = Starte(fall);
        EXPECT_EQ(l.Rueckgabe, 1) << fall << "\n" << l.Fehler << l.Aus;
        EXPECT_TRUE(Enthaelt(l.Fehler, "ist beschädigt")) << fall << "\n" << l.Fehler;
        EXPECT_TRUE(Enthaelt(l.Fehler, "--aus") && Enthaelt(l.Fehler, "--trotz-schaden")) << l.Fehler;
        EXPECT_EQ(Lies(beschaedigt), beschaedigtVorher) << fall;
        EXPECT_FALSE(fs::exists(BackupDateiName(beschaedigt))) << fall;
    }
    // The ways on.
    Lauf l = Starte("umwandeln " + b + " " + Arg(aus));
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    l = Starte("eintragen " + b + " --durchgang 1 --startnr 1 --aus " + Arg(aus) + " 3");
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(Lies(beschaedigt), beschaedigtVorher);
    l = Starte("eintragen " + b + " --durchgang 1 --startnr 1 --trotz-schaden 3");
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_EQ(Lies(BackupDateiName(beschaedigt)), beschaedigtVorher);

    Schreiben(beschaedigt, beschaedigtVorher);
    const std::string lesen[] = {
        "ergebnis " + b,
        "csv " + b + " " + Arg(ordner + "x.csv"),
        "html " + b + " meldungen " + Arg(ordner + "x.html"),
        "drucken " + b + " --liste ergebnis --text -",
        "gruppen " + b,
        "fairness " + b,
    };
    for (const std::string& fall : lesen) {
        l = Starte(fall);
        EXPECT_EQ(l.Rueckgabe, 1) << fall << "\n" << l.Fehler;
        EXPECT_TRUE(Enthaelt(l.Fehler, "ist beschädigt")) << fall << "\n" << l.Fehler;
        EXPECT_EQ(l.Aus, "") << fall;
        l = Starte(fall + " --trotz-schaden");
        EXPECT_EQ(l.Rueckgabe, 0) << fall << "\n" << l.Fehler;
    }
}

// A file a window holds is not written by the command line unless
// --trotz-sperre; a lock of a process that is gone does not count.
TEST_F(CmdSchutz, GesperrteDatei) {
    DateiSperre fenster;
    SperrInhaber wer;
    ASSERT_TRUE(fenster.Nehmen(datei, wer));
    const std::string aufruf = "eintragen " + Arg(datei) + " --durchgang 1 --startnr 1 3";
    Lauf l = Starte(aufruf);
    EXPECT_EQ(l.Rueckgabe, 1) << l.Fehler;
    EXPECT_TRUE(Enthaelt(l.Fehler, "ist gerade geöffnet (Rechner „" + RechnerName() + "“")) << l.Fehler;
    EXPECT_TRUE(Enthaelt(l.Fehler, "Prozess " + std::to_string(::getpid()))) << l.Fehler;
    EXPECT_EQ(Lies(datei), vorher);
    for (const std::string& fall : {"umwandeln " + Arg(ordner + "beschaedigt.wtb") + " " + Arg(datei) + " --trotz-schaden",
                                    "auslosen " + Arg(datei) + " --seed 1 --trotz-ergebnissen"}) {
        l = Starte(fall);
        EXPECT_EQ(l.Rueckgabe, 1) << fall << "\n" << l.Fehler;
        EXPECT_TRUE(Enthaelt(l.Fehler, "--trotz-sperre")) << l.Fehler;
    }
    EXPECT_EQ(Lies(datei), vorher);
    l = Starte(aufruf + " --trotz-sperre");
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    fenster.Freigeben();
    l = Starte("eintragen " + Arg(datei) + " --durchgang 1 --startnr 1 4");
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
}

// Paths the file names (parallel copy, HTML page) are never written by the
// command line, and sub-competitions are read only when named with --teil.
TEST_F(CmdSchutz, PfadeAusDerDatei) {
    std::string w = Lies(Daten("wunsch_pfade.wtb"));
    for (std::size_t p; (p = w.find("@ORDNER@")) != std::string::npos;) w.replace(p, 8, ordner.substr(0, ordner.size() - 1));
    const std::string wunsch = ordner + "wunsch.wtb";
    Schreiben(wunsch, w);
    fs::create_directories(ordner + "arbeit");
    fs::create_directories(ordner + "opfer");
    Schreiben(ordner + "opfer/Landesmeisterschaft.wtb", vorher);
    Schreiben(ordner + "notizen.txt", "meine Notizen\n");
    for (const std::string& fall : {"eintragen " + Arg(wunsch) + " --durchgang 1 --startnr 1 3",
                                    "umwandeln " + Arg(wunsch) + " " + Arg(wunsch),
                                    "html " + Arg(wunsch) + " ergebnis " + Arg(ordner + "x.html")}) {
        const Lauf l = Starte(fall);
        EXPECT_EQ(l.Rueckgabe, 0) << fall << "\n" << l.Fehler;
    }
    EXPECT_EQ(Lies(ordner + "opfer/Landesmeisterschaft.wtb"), vorher);
    EXPECT_FALSE(fs::exists(ordner + "opfer/Landesmeisterschaft.bak"));
    EXPECT_EQ(Lies(ordner + "notizen.txt"), "meine Notizen\n");

    // The overall ranking names its sub-competition: not read unless named.
    std::string teil = Lies(Daten("teilwettbewerbe_sonderdateien.wtb"));
    for (std::size_t p; (p = teil.find("@ORDNER@")) != std::string::npos;) teil.replace(p, 8, ordner.substr(0, ordner.size() - 1));
    Schreiben(ordner + "gesamt.wtb", teil);
    fs::copy_file(Daten("beispiel_format3.wtb"), ordner + "teil.wtb");
    Lauf l = Starte("html " + Arg(ordner + "gesamt.wtb") + " ergebnis " + Arg(ordner + "g.html"));
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_TRUE(Enthaelt(l.Fehler, "Der Teilwettbewerb „" + ordner + "teil.wtb“ (Durchgang 3) wird nicht gelesen"))
        << l.Fehler;
    l = Starte("html " + Arg(ordner + "gesamt.wtb") + " ergebnis " + Arg(ordner + "g.html") + " --teil " +
               Arg(ordner + "teil.wtb"));
    EXPECT_EQ(l.Rueckgabe, 0) << l.Fehler;
    EXPECT_FALSE(Enthaelt(l.Fehler, "teil.wtb“ (Durchgang 3)")) << l.Fehler;
}

// A save that cannot keep the previous version (its backup's name is taken
// by a folder) does not replace the file and does not say "Gespeichert".
TEST_F(CmdSchutz, OhneSicherungskopieKeinErsetzen) {
    fs::create_directories(ordner + "pokal.bak/belegt");
    for (const std::string& fall : {"eintragen " + Arg(datei) + " --durchgang 1 --startnr 1 3",
                                    "umwandeln " + Arg(datei) + " " + Arg(datei)}) {
        const Lauf l = Starte(fall);
        EXPECT_EQ(l.Rueckgabe, 1) << fall << "\n" << l.Fehler;
        EXPECT_TRUE(Enthaelt(l.Fehler, "Die Sicherungskopie")) << l.Fehler;
        EXPECT_FALSE(Enthaelt(l.Aus, "Gespeichert")) << l.Aus;
        EXPECT_EQ(Lies(datei), vorher);
    }
}

// A wrong call exits 2; a round number is quoted as it was typed.
TEST_F(CmdSchutz, FalscheAufrufe) {
    struct Fall {
        std::string Argumente;
        int Rueckgabe;
        std::string Meldung;
    } faelle[] = {
        {"info --foo", 2, "Unbekannte Option: --foo"},
        {"info " + Arg(datei) + " --foo", 2, "Unbekannte Option: --foo"},
        {"gruppen --foo", 2, "Unbekannte Option: --foo"},
        {"umwandeln " + Arg(datei) + " " + Arg(ordner + "x.wtb") + " --foo", 2, "Unbekannte Option: --foo"},
        {"ergebnis " + Arg(datei) + " --durchgang 99999999999999999999", 2, "„99999999999999999999“"},
        {"ergebnis " + Arg(datei) + " --durchgang 0999", 2, "„0999“"},
        {"eintragen " + Arg(datei) + " --durchgang 99999999999999999999 --startnr 1 3", 2,
         "„99999999999999999999“"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starte(f.Argumente);
        EXPECT_EQ(l.Rueckgabe, f.Rueckgabe) << f.Argumente << "\n" << l.Fehler;
        EXPECT_TRUE(Enthaelt(l.Fehler, f.Meldung)) << f.Argumente << "\n" << l.Fehler;
    }
    EXPECT_EQ(Lies(datei), vorher);
}

} // namespace
