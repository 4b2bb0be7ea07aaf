// Reading and replacing files: only regular files, never waiting on a FIFO,
// the size limit before reading, no replacing without the backup, working
// files of interrupted saves removed, long names, links counting as the same
// file, and what a window checks before it saves over a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "exchange/DateiZugriff.h"
#include "exchange/SpeicherZiel.h"
#include "exchange/WtbTestHilfen.h"

using namespace tavuran;
using namespace wtbtest;
namespace fs = std::filesystem;

namespace {

// The special files a crafted path may name, made in the test's folder:
// a FIFO, a socket and (where the test may create one) a character device
// with the numbers of the null device. The real devices are never touched.
struct Sonderdateien {
    std::string Fifo, Socket, Geraet, LinkAufFifo;
    int sock = -1;
    explicit Sonderdateien(const std::string& ordner) {
        Fifo = ordner + "fifo.wtb";
        EXPECT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
        Socket = ordner + "socket.wtb";
        sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::snprintf(a.sun_path, sizeof a.sun_path, "%s", Socket.c_str());
        if (::bind(sock, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) Socket.clear();
        Geraet = ordner + "geraet.wtb";
        if (::mknod(Geraet.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) Geraet.clear();
        LinkAufFifo = ordner + "link.wtb";
        fs::create_symlink(Fifo, LinkAufFifo);
    }
    ~Sonderdateien() {
        if (sock >= 0) ::close(sock);
    }
    std::vector<std::string> Alle() const {
        std::vector<std::string> v{Fifo, LinkAufFifo};
        if (!Socket.empty()) v.push_back(Socket);
        if (!Geraet.empty()) v.push_back(Geraet);
        return v;
    }
};

// A process number that is surely gone: a child that has ended.
long BeendeterProzess() {
    const pid_t p = ::fork();
    if (p == 0) ::_exit(0);
    int status = 0;
    ::waitpid(p, &status, 0);
    return static_cast<long>(p);
}

std::vector<std::string> Namen(const std::string& ordner) {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(ordner)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

} // namespace

// Reading a FIFO, a socket, a device or a link to one returns at once with a
// reason; replacing one is refused and leaves it what it was.
TEST(DateiZugriff, NurGewoehnlicheDateien) {
    const std::string ordner = NeuerOrdner("sonder");
    const Sonderdateien s(ordner);
    for (const std::string& d : s.Alle()) {
        SCOPED_TRACE(d);
        std::string bytes, grund;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(DateiLesen(d, bytes, grund));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_NE(grund.find("keine gewöhnliche Datei"), std::string::npos) << grund;
        EXPECT_FALSE(KeineGewoehnlicheDatei(d).empty());

        const ErsetzErgebnis e = DateiErsetzen(d, "neu", BackupDateiName(d));
        EXPECT_FALSE(e.Ok);
        EXPECT_NE(e.Grund.find("wird nicht ersetzt"), std::string::npos) << e.Grund;
        struct stat st {};
        ASSERT_EQ(::stat(d.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode));
    }
    EXPECT_TRUE(KeineGewoehnlicheDatei(ordner + "fehlt.wtb").empty());
    EXPECT_FALSE(KeineGewoehnlicheDatei(ordner).empty());
}

// The size limit holds before a byte is read: a sparse file beyond it is
// refused at once.
TEST(DateiZugriff, GroesseVorDemLesen) {
    const std::string ordner = NeuerOrdner("gross");
    const std::string d = ordner + "gross.wtb";
    {
        const int fd = ::open(d.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(DateiLesenMaxBytes) + 1), 0);
        ::close(fd);
    }
    std::string bytes, grund;
    EXPECT_FALSE(DateiLesen(d, bytes, grund));
    EXPECT_NE(grund.find("zu groß"), std::string::npos);
    EXPECT_TRUE(bytes.empty());
}

// When the previous version cannot be kept (here the backup's name is taken
// by a folder that is not empty), the file is not replaced; without backup on
// request it is.
TEST(DateiZugriff, OhneSicherungKeinErsetzen) {
    const std::string ordner = NeuerOrdner("bakfehlt");
    const std::string d = ordner + "pokal.wtb";
    SchreibBytes(d, "alt");
    fs::create_directories(ordner + "pokal.bak/inhalt");
    ErsetzErgebnis e = DateiErsetzen(d, "neu", BackupDateiName(d));
    EXPECT_FALSE(e.Ok);
    EXPECT_TRUE(e.SicherungFehlt);
    EXPECT_NE(e.Grund.find("Sicherungskopie"), std::string::npos) << e.Grund;
    EXPECT_NE(e.Grund.find("nicht ersetzt"), std::string::npos) << e.Grund;
    EXPECT_EQ(LiesBytes(d), "alt");
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{"pokal.bak", "pokal.wtb"}));

    e = DateiErsetzen(d, "neu", BackupDateiName(d), true);
    EXPECT_TRUE(e.Ok) << e.Grund;
    EXPECT_EQ(LiesBytes(d), "neu");

    // The usual case keeps the previous version, also on a second save.
    fs::remove_all(ordner + "pokal.bak");
    ASSERT_TRUE(DateiErsetzen(d, "dritte", BackupDateiName(d)).Ok);
    ASSERT_TRUE(DateiErsetzen(d, "vierte", BackupDateiName(d)).Ok);
    EXPECT_EQ(LiesBytes(ordner + "pokal.bak"), "dritte");
    EXPECT_EQ(LiesBytes(d), "vierte");
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{"pokal.bak", "pokal.wtb"}));
}

// A content written in pieces is the pieces joined, with the size and
// checksum of the whole; a content that gives up, or whose piece is refused,
// replaces nothing and leaves no working file behind.
TEST(DateiZugriff, StueckweiseErsetzen) {
    const std::string ordner = NeuerOrdner("stueckweise");
    const std::string d = ordner + "liste.html";
    SchreibBytes(d, "alt");
    const std::vector<std::string> stuecke = {"<p>", "", std::string(100000, 'x'), "</p>\r\n"};
    ErsetzErgebnis e = DateiErsetzenStueckweise(
        d,
        [&](const std::function<bool(std::string_view)>& Teil) {
            for (const std::string& s : stuecke)
                if (!Teil(s)) return false;
            return true;
        },
        "");
    ASSERT_TRUE(e.Ok) << e.Grund;
    const std::string ganz = stuecke[0] + stuecke[1] + stuecke[2] + stuecke[3];
    EXPECT_EQ(LiesBytes(d), ganz);
    EXPECT_EQ(e.Stand.Groesse, ganz.size());
    EXPECT_EQ(e.Stand.Pruefsumme, InhaltPruefsumme(ganz));
    EXPECT_TRUE(DateiUnveraendert(d, e.Stand));

    e = DateiErsetzenStueckweise(
        d, [](const std::function<bool(std::string_view)>& Teil) { return Teil("halb") && false; }, "");
    EXPECT_FALSE(e.Ok);
    EXPECT_EQ(e.Grund, "Die neue Fassung konnte nicht geschrieben werden.");
    EXPECT_EQ(LiesBytes(d), ganz);
    EXPECT_EQ(Namen(ordner), (std::vector<std::string>{"liste.html"}));
}

// What interrupted saves of this file left (this program's working files
// whose writer is gone) goes with the next save; what belongs to another file
// or to a writer still at work stays.
TEST(DateiZugriff, Reste_unterbrochenerSicherungen) {
    const std::string ordner = NeuerOrdner("reste");
    const std::string d = ordner + "pokal.wtb";
    SchreibBytes(d, "alt");
    const long weg = BeendeterProzess();
    const std::string rechner = RechnerName();
    const std::string altRest = ordner + ArbeitsOrdnerName(rechner, weg, 0);
    const std::string andereDatei = ordner + ArbeitsOrdnerName(rechner, weg, 1);
    const std::string lebt = ordner + ArbeitsOrdnerName(rechner, static_cast<long>(::getppid()), 0);
    for (const std::string& o : {altRest, andereDatei, lebt}) fs::create_directory(o);
    SchreibBytes(altRest + "/pokal.wtb", std::string(1000, 'x'));
    SchreibBytes(andereDatei + "/liga.wtb", "fremd");
    SchreibBytes(lebt + "/pokal.wtb", "in Arbeit");
    // The temporary names of earlier versions of the program.
    const std::string frueher = d + ".~" + std::to_string(weg) + "-3.tmp";
    const std::string frueherLebt = d + ".~" + std::to_string(::getppid()) + "-0.tmp";
    const std::string aehnlich = ordner + "pokal.wtb.~notiz.tmp";
    for (const std::string& f : {frueher, frueherLebt, aehnlich}) SchreibBytes(f, "rest");

    ASSERT_TRUE(DateiErsetzen(d, "neu", BackupDateiName(d)).Ok);
    EXPECT_FALSE(fs::exists(altRest));
    EXPECT_FALSE(fs::exists(frueher));
    EXPECT_EQ(LiesBytes(andereDatei + "/liga.wtb"), "fremd");
    EXPECT_EQ(LiesBytes(lebt + "/pokal.wtb"), "in Arbeit");
    EXPECT_TRUE(fs::exists(frueherLebt));
    EXPECT_TRUE(fs::exists(aehnlich));
    EXPECT_EQ(LiesBytes(d), "neu");
}

// A name of 251 characters is saved over and over: the working file has the
// file's own name; the lock of such a file fits a file name too.
TEST(DateiZugriff, LangerName) {
    const std::string ordner = NeuerOrdner("lang");
    const std::string d = ordner + std::string(247, 'n') + ".wtb";
    ASSERT_EQ(fs::path(d).filename().string().size(), 251u);
    for (const char* inhalt : {"eins", "zwei", "drei"}) {
        const ErsetzErgebnis e = DateiErsetzen(d, inhalt, BackupDateiName(d));
        ASSERT_TRUE(e.Ok) << e.Grund;
        EXPECT_EQ(LiesBytes(d), inhalt);
    }
    EXPECT_EQ(LiesBytes(BackupDateiName(d)), "zwei");
    EXPECT_LE(fs::path(SperrDateiName(d)).filename().string().size(), 255u);
    // Never taken for a competition file when a folder is searched.
    EXPECT_TRUE(SperrDateiName(d).ends_with(".sperre"));
    DateiSperre sperre;
    SperrInhaber wer;
    EXPECT_TRUE(sperre.Nehmen(d, wer));
    EXPECT_TRUE(sperre.Gesperrt());
}

// Hard and symbolic links name the same file; an export onto its own input
// is refused.
TEST(DateiZugriff, GleicheDateiUeberLinks) {
    const std::string ordner = NeuerOrdner("links");
    const std::string d = ordner + "pokal.wtb";
    SchreibBytes(d, "x");
    fs::create_hard_link(d, ordner + "hart.csv");
    fs::create_symlink(d, ordner + "weich.html");
    struct Fall {
        std::string Ziel;
        bool Gleich;
    } faelle[] = {{d, true}, {ordner + "hart.csv", true}, {ordner + "weich.html", true},
                  {ordner + "./pokal.wtb", true}, {ordner + "andere.csv", false}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(DateienGleich(f.Ziel, d), f.Gleich) << f.Ziel;
        EXPECT_EQ(EingabeUeberschreibenGrund(f.Ziel, {d}).empty(), !f.Gleich) << f.Ziel;
    }
}

// Before a save: the own file unchanged, touched (same bytes), changed by
// another program or replaced; another file; a file another window holds;
// a special file.
TEST(DateiZugriff, SpeicherZielPruefen) {
    const std::string ordner = NeuerOrdner("ziel");
    const std::string d = ordner + "pokal.wtb";
    ErsetzErgebnis e = DateiErsetzen(d, "stand 1", "");
    ASSERT_TRUE(e.Ok);
    const DateiStand eigen = e.Stand;
    EXPECT_EQ(SpeicherZielPruefen(d, d, eigen, "").Urteil, SpeicherZielUrteil::Eigen);
    EXPECT_EQ(SpeicherZielPruefen(ordner + "neu.wtb", d, eigen, "").Urteil, SpeicherZielUrteil::Frei);

    // Written again with the same bytes under a new inode: no change.
    ASSERT_TRUE(DateiErsetzen(d, "stand 1", "").Ok);
    EXPECT_EQ(SpeicherZielPruefen(d, d, eigen, "").Urteil, SpeicherZielUrteil::Eigen);
    // Another program wrote other bytes of the same size, and of another size.
    for (const char* anders : {"stand 2", "ganz anders"}) {
        SchreibBytes(d, anders);
        const SpeicherZielPruefung p = SpeicherZielPruefen(d, d, eigen, "");
        EXPECT_EQ(p.Urteil, SpeicherZielUrteil::Geaendert) << anders;
        EXPECT_EQ(p.Knoepfe, (std::vector<std::string>{"Überschreiben", "Unter anderem Namen speichern", "Abbrechen"}));
    }

    // Another competition of that name, picked in the dialog or not.
    const std::string fremd = ordner + "Mein_Pokal.wtb";
    SchreibBytes(fremd, "letztes Jahr");
    EXPECT_EQ(SpeicherZielPruefen(fremd, d, eigen, "").Urteil, SpeicherZielUrteil::Fremd);
    EXPECT_EQ(SpeicherZielPruefen(fremd, "", DateiStand{}, "").Urteil, SpeicherZielUrteil::Fremd);
    EXPECT_EQ(SpeicherZielPruefen(fremd, d, eigen, ordner + "Mein Pokal.wtb").Urteil, SpeicherZielUrteil::Fremd);
    EXPECT_EQ(SpeicherZielPruefen(fremd, d, eigen, fremd).Urteil, SpeicherZielUrteil::Gewaehlt);
    {
        DateiSperre andere;
        SperrInhaber wer;
        ASSERT_TRUE(andere.Nehmen(fremd, wer));
        const SpeicherZielPruefung p = SpeicherZielPruefen(fremd, d, eigen, fremd);
        EXPECT_EQ(p.Urteil, SpeicherZielUrteil::Gesperrt);
        EXPECT_NE(p.Text.find(RechnerName()), std::string::npos) << p.Text;
    }
    EXPECT_EQ(SpeicherZielPruefen(fremd, d, eigen, fremd).Urteil, SpeicherZielUrteil::Gewaehlt);

    const Sonderdateien s(ordner);
    EXPECT_EQ(SpeicherZielPruefen(s.Fifo, d, eigen, s.Fifo).Urteil, SpeicherZielUrteil::Sonderdatei);
}

// The lock names computer, user and process; a second holder is refused and
// told who has it; a lock of a process that is gone is taken over; releasing
// removes only one's own lock.
TEST(DateiZugriff, Sperre) {
    const std::string ordner = NeuerOrdner("sperre");
    const std::string d = ordner + "pokal.wtb";
    SchreibBytes(d, "x");
    SperrInhaber wer;
    EXPECT_FALSE(SperreFremd(d, wer));
    {
        DateiSperre a;
        ASSERT_TRUE(a.Nehmen(d, wer));
        EXPECT_EQ(fs::path(SperrDateiName(d)).filename().string(), ".~pokal.wtb.sperre");
        ASSERT_TRUE(SperreFremd(d, wer));
        EXPECT_EQ(wer.Rechner, RechnerName());
        EXPECT_EQ(wer.Prozess, static_cast<long>(::getpid()));
        EXPECT_FALSE(wer.Benutzer.empty());

        DateiSperre b;
        EXPECT_FALSE(b.Nehmen(d, wer));
        EXPECT_FALSE(b.Gesperrt());
        EXPECT_EQ(wer.Prozess, static_cast<long>(::getpid()));
        // Taken over on purpose; the first holder then leaves it alone.
        EXPECT_TRUE(b.Nehmen(d, wer, true));
        a.Freigeben();
        EXPECT_TRUE(fs::exists(SperrDateiName(d)));
    }
    EXPECT_FALSE(fs::exists(SperrDateiName(d)));

    // A lock left by a process that is gone.
    SchreibBytes(SperrDateiName(d), "Tavuran-Sperre\nRechner: " + RechnerName() +
                                        "\nBenutzer: jemand\nProzess: " + std::to_string(BeendeterProzess()) + "\n");
    EXPECT_FALSE(SperreFremd(d, wer));
    DateiSperre c;
    EXPECT_TRUE(c.Nehmen(d, wer));
    ASSERT_TRUE(SperreFremd(d, wer));
    EXPECT_EQ(wer.Prozess, static_cast<long>(::getpid()));

    // A lock of another computer cannot be checked: it holds.
    c.Freigeben();
    SchreibBytes(SperrDateiName(d), "Tavuran-Sperre\nRechner: anderswo\nBenutzer: jemand\nProzess: 1\n");
    EXPECT_TRUE(SperreFremd(d, wer));
    EXPECT_EQ(SperrInhaberText(wer), "Rechner „anderswo“, Benutzer „jemand“, Prozess 1");
}
