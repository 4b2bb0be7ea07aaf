// The commands of entry by phone with the real program: links, the server
// process, its journal surviving kill -9, and the inbox on the command line.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "cli/CliLauf.h"

namespace tavuran::clitest {
namespace {

namespace fs = std::filesystem;

struct Ordner {
    Ordner() {
        Pfad = TempDatei("ordner");
        fs::remove_all(Pfad);
        fs::create_directories(Pfad);
        Datei = Pfad + "/wett.wtb";
        fs::copy_file(std::string(TAVURAN_TEST_DATA) + "/wtb/format2_teilnehmer.wtb", Datei);
    }
    ~Ordner() { fs::remove_all(Pfad); }
    std::string Pfad, Datei;
};

// A running "tavuran-cli live" with the address it printed.
struct LiveProzess {
    explicit LiveProzess(const std::string& Datei) {
        int p[2];
        EXPECT_EQ(::pipe(p), 0);
        Pid = ::fork();
        if (Pid == 0) {
            ::dup2(p[1], 1);
            ::close(p[0]);
            ::close(p[1]);
            ::execl(TAVURAN_CLI, TAVURAN_CLI, "live", Datei.c_str(), "--adresse", "127.0.0.1", "--port", "0",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(p[1]);
        Aus = p[0];
        // The first line is the address: "http://127.0.0.1:N/".
        std::string zeile;
        char c;
        pollfd f{Aus, POLLIN, 0};
        while (::poll(&f, 1, 20000) > 0 && ::read(Aus, &c, 1) == 1 && c != '\n') zeile += c;
        Adresse = zeile;
        const std::size_t d = zeile.rfind(':');
        if (d != std::string::npos) Port = std::atoi(zeile.c_str() + d + 1);
    }
    ~LiveProzess() {
        if (Pid > 0) {
            ::kill(Pid, SIGKILL);
            ::waitpid(Pid, nullptr, 0);
        }
        ::close(Aus);
    }
    // Ends the process with the signal; its exit status (or -signal).
    int Beenden(int Signal) {
        ::kill(Pid, Signal);
        int st = 0;
        ::waitpid(Pid, &st, 0);
        Pid = -1;
        return WIFEXITED(st) ? WEXITSTATUS(st) : -WTERMSIG(st);
    }
    std::string RestAusgabe() {
        std::string s;
        char b[4096];
        ssize_t n;
        while ((n = ::read(Aus, b, sizeof b)) > 0) s.append(b, static_cast<std::size_t>(n));
        return s;
    }
    pid_t Pid = -1;
    int Aus = -1;
    int Port = 0;
    std::string Adresse;
};

// One request over loopback; the whole answer.
std::string Http(int Port, const std::string& Anfrage) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(Port));
    ::inet_pton(AF_INET, "127.0.0.1", &a.sin_addr);
    std::string r;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::send(fd, Anfrage.data(), Anfrage.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(Anfrage.size())) {
        char b[65536];
        pollfd f{fd, POLLIN, 0};
        ssize_t n;
        while (::poll(&f, 1, 10000) > 0 && (n = ::recv(fd, b, sizeof b, 0)) > 0) r.append(b, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return r;
}

std::string Post(int Port, const std::string& Pfad, const std::string& Rumpf) {
    return Http(Port, "POST " + Pfad + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Length: " +
                          std::to_string(Rumpf.size()) + "\r\n\r\n" + Rumpf);
}

// "start number TAB name TAB link" per pilot.
std::map<std::string, std::string> Links(const std::string& Aus) {
    std::map<std::string, std::string> l;
    for (const std::string& z : Zeilen(Aus)) {
        const std::vector<std::string> f = Felder(z);
        if (f.size() == 3) l[f[0]] = f[2];
    }
    return l;
}

TEST(CmdLive, ZugangGibtJePilotEinenLinkUndErneuertAufWunsch) {
    Ordner o;
    const Lauf ohne = Starte("zugang \"" + o.Datei + "\" --durchgang 1");
    EXPECT_EQ(ohne.Rueckgabe, 1);
    EXPECT_NE(ohne.Fehler.find("--adresse"), std::string::npos);
    const Lauf a = Starte("zugang \"" + o.Datei + "\" --durchgang 1 --adresse 192.168.4.1 --port 8081");
    ASSERT_EQ(a.Rueckgabe, 0) << a.Fehler;
    const auto l = Links(a.Aus);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(Zeilen(a.Aus)[0].rfind("1\tSch\xC3\xA4" "fer \xC3\x9Clrike\thttp://", 0), 0u);
    for (const auto& [nr, link] : l) EXPECT_EQ(link.rfind("http://192.168.4.1:8081/e/", 0), 0u) << link;
    const Lauf b = Starte("zugang \"" + o.Datei + "\" --durchgang 1");
    EXPECT_EQ(Links(b.Aus), l) << "the codes and the address stay";
    const Lauf c = Starte("zugang \"" + o.Datei + "\" --durchgang 1 --erneuern");
    const auto neu = Links(c.Aus);
    ASSERT_EQ(neu.size(), 3u);
    for (const auto& [nr, link] : l) EXPECT_NE(neu.at(nr), link);
    EXPECT_EQ(Starte("zugang \"" + o.Datei + "\" --durchgang 0").Rueckgabe, 2);
    EXPECT_EQ(Starte("zugang \"" + o.Datei + "\"").Rueckgabe, 2);
    EXPECT_EQ(Starte("zugang \"" + o.Datei + "\" --durchgang 9").Rueckgabe, 1);
}

// A submission the server answered survives kill -9 of the server, and the
// command line accepts it into the competition.
TEST(CmdLive, EingabeUeberlebtKillNeunUndWirdAngenommen) {
    Ordner o;
    ASSERT_EQ(Starte("zugang \"" + o.Datei + "\" --durchgang 1 --adresse 127.0.0.1").Rueckgabe, 0);
    const auto l = Links(Starte("zugang \"" + o.Datei + "\" --durchgang 1").Aus);
    const std::string pfad = l.at("2").substr(l.at("2").find("/e/"));
    std::string antwort;
    {
        LiveProzess p(o.Datei);
        ASSERT_GT(p.Port, 0) << p.Adresse;
        EXPECT_EQ(p.Adresse, "http://127.0.0.1:" + std::to_string(p.Port) + "/");
        antwort = Post(p.Port, pfad, "w1=33&w2=7%3A12.5");
        EXPECT_EQ(p.Beenden(SIGKILL), -SIGKILL);
    }
    ASSERT_EQ(antwort.rfind("HTTP/1.1 200", 0), 0u) << antwort;
    const Lauf liste = Starte("eingaenge \"" + o.Datei + "\"");
    ASSERT_EQ(liste.Rueckgabe, 0) << liste.Fehler;
    const std::vector<std::string> z = Zeilen(liste.Aus);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0], "Nr\tZeit\tStartnr\tPilot\tDurchgang\tWerte\tAdresse\tStand\tKorrektur\tIm Wettbewerb");
    const std::vector<std::string> f = Felder(z[1]);
    ASSERT_GE(f.size(), 8u);
    EXPECT_EQ(f[0], "1");
    EXPECT_EQ(f[3], "M\xC3\xBCller Peter Dr.");
    EXPECT_EQ(f[5], "33 | 7:12.5");
    EXPECT_EQ(f[7], "offen");

    const Lauf an = Starte("eingaenge \"" + o.Datei + "\" --annehmen 1");
    ASSERT_EQ(an.Rueckgabe, 0) << an.Fehler;
    EXPECT_TRUE(fs::exists(o.Pfad + "/wett.bak"));
    const std::vector<std::string> danach = Felder(Zeilen(Starte("eingaenge \"" + o.Datei + "\"").Aus).at(1));
    EXPECT_EQ(danach.at(7), "angenommen");
    EXPECT_EQ(danach.at(9), "33 | 7:12.5") << "the competition holds the values now";
}

TEST(CmdLive, AblehnenMitGrundUndFalscheAufrufe) {
    Ordner o;
    ASSERT_EQ(Starte("zugang \"" + o.Datei + "\" --durchgang 1 --adresse 127.0.0.1").Rueckgabe, 0);
    const auto l = Links(Starte("zugang \"" + o.Datei + "\" --durchgang 1").Aus);
    {
        LiveProzess p(o.Datei);
        ASSERT_GT(p.Port, 0);
        for (const char* nr : {"1", "3", "1"}) {
            const std::string link = l.at(nr);
            EXPECT_EQ(Post(p.Port, link.substr(link.find("/e/")), "w1=1&w2=1:00").rfind("HTTP/1.1 200", 0), 0u);
        }
        // SIGTERM ends the server in order.
        EXPECT_EQ(p.Beenden(SIGTERM), 0);
        EXPECT_NE(p.RestAusgabe().find("Beendet."), std::string::npos);
    }
    EXPECT_EQ(Starte("eingaenge \"" + o.Datei + "\" --ablehnen 2").Rueckgabe, 2);
    EXPECT_EQ(Starte("eingaenge \"" + o.Datei + "\" --annehmen x").Rueckgabe, 2);
    EXPECT_EQ(Starte("eingaenge \"" + o.Datei + "\" --ablehnen 9 --grund weg").Rueckgabe, 1);
    const Lauf ab = Starte("eingaenge \"" + o.Datei + "\" --ablehnen 2 --grund \"Flug nicht gewertet\"");
    EXPECT_EQ(ab.Rueckgabe, 0) << ab.Fehler;
    // "alle" takes pilot 1's flight no more: the third submission corrects the first.
    const Lauf alle = Starte("eingaenge \"" + o.Datei + "\" --annehmen alle");
    EXPECT_EQ(alle.Rueckgabe, 0) << alle.Fehler;
    EXPECT_NE(alle.Aus.find("Keine offenen"), std::string::npos) << alle.Aus;
    const std::vector<std::string> z = Zeilen(Starte("eingaenge \"" + o.Datei + "\"").Aus);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(Felder(z[2]).at(7), "abgelehnt: Flug nicht gewertet");
    EXPECT_EQ(Felder(z[3]).at(8), "von Nr. 1: 1 | 1:00");
}

// The QR codes of printed start sheets decode to the links "zugang" prints.
TEST(CmdLive, QrCodeDesStartzettelsIstDerLinkVonZugang) {
    Ordner o;
    const Lauf a = Starte("zugang \"" + o.Datei + "\" --durchgang 1 --adresse 10.1.2.3");
    ASSERT_EQ(a.Rueckgabe, 0) << a.Fehler;
    std::set<std::string> erwartet;
    for (const auto& [nr, link] : Links(a.Aus)) erwartet.insert(link);
    const std::string pdf = o.Pfad + "/zettel.pdf";
    const Lauf d = Starte("drucken \"" + o.Datei + "\" --liste startzettel --durchgang 1 --pdf \"" + pdf + "\"");
    ASSERT_EQ(d.Rueckgabe, 0) << d.Fehler;
    ASSERT_EQ(std::system(("pdftoppm -r 100 -png \"" + pdf + "\" \"" + o.Pfad + "/seite\"").c_str()), 0);
    const std::string aus = o.Pfad + "/codes.txt";
    std::system(("zbarimg -q --raw \"" + o.Pfad + "/seite-1.png\" > \"" + aus + "\"").c_str());
    std::set<std::string> gelesen;
    for (const std::string& z : Zeilen(Lies(aus))) gelesen.insert(z);
    EXPECT_EQ(gelesen, erwartet);
}

} // namespace
} // namespace tavuran::clitest
