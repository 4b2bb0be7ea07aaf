#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "live/LiveTestHilfen.h"
#include "netz/LiveServer.h"
#include "netz/NetzTestHilfen.h"

namespace tavuran {
namespace {

using namespace netztest;
using livetest::LiveWettbewerb;

struct Server : LiveWettbewerb {
    explicit Server(int WeiterePiloten = 0) : LiveWettbewerb(WeiterePiloten) {
        App();
        std::string grund;
        EXPECT_TRUE(S.Dienst().Oeffnen(W, Datei, grund)) << grund;
        QString g;
        EXPECT_TRUE(S.Starten(QHostAddress::LocalHost, 0, g)) << g.toStdString();
        Port = S.Port();
    }
    LiveServer S;
    int Port = 0;
};

TEST(LiveServer, RegelnDerAnfragenUeberDasNetz) {
    Server s;
    const std::string c = s.Code(2);
    std::string falsch = c;
    falsch[5] = falsch[5] == 'f' ? 'e' : 'f';
    struct Fall {
        std::string Methode, Pfad, Rumpf;
        int Status;
    } faelle[] = {
        {"GET", "/ergebnis", "", 200},
        {"GET", "/e/" + c, "", 200},
        {"GET", "/../wett.wtb", "", 404},
        {"GET", "/%2e%2e/%2e%2e/etc/passwd", "", 404},
        {"GET", "/wett.wtb.zugang", "", 404},
        {"GET", "/wett.wtb.eingaenge", "", 404},
        {"POST", "/e/" + falsch, "w1=1&w2=1:00", 403},
        {"POST", "/e/", "w1=1&w2=1:00", 403},
        {"POST", "/ergebnis", "w1=1", 405},
    };
    MitClient([&] {
        for (const Fall& f : faelle) EXPECT_EQ(Status(Anfrage(s.Port, f.Methode, f.Pfad, f.Rumpf)), f.Status) << f.Pfad;
    });
    EXPECT_TRUE(s.S.Dienst().Eingaenge().Liste.empty());
}

TEST(LiveServer, MehrAls64KBWerdenAbgelehntBevorSieGelesenSind) {
    Server s;
    std::string kopf, gross;
    MitClient([&] {
        const int fd = Verbinden(s.Port);
        ASSERT_GE(fd, 0);
        // Only the head is sent: the answer comes without the announced body.
        AllesSenden(fd, "POST /e/" + s.Code(1) + " HTTP/1.1\r\nContent-Length: 70000\r\n\r\n");
        kopf = LesenBis(fd);
        ::close(fd);
        gross = Anfrage(s.Port, "POST", "/e/" + s.Code(1), "w1=" + std::string(70000, '1') + "&w2=1");
    });
    EXPECT_EQ(Status(kopf), 413);
    EXPECT_NE(kopf.find("64 KB"), std::string::npos);
    EXPECT_EQ(Status(gross), 413);
    EXPECT_TRUE(s.S.Dienst().Eingaenge().Liste.empty());
}

TEST(LiveServer, ZwanzigEingabenProMinuteUndAdresse) {
    Server s;
    std::vector<int> status;
    int andere = 0;
    MitClient([&] {
        for (int i = 0; i < 21; ++i)
            status.push_back(Status(Anfrage(s.Port, "POST", "/e/" + s.Code(1), "w1=" + std::to_string(i) + "&w2=1:00")));
        andere = Status(Anfrage(s.Port, "POST", "/e/" + s.Code(1), "w1=5&w2=1:00", "127.0.0.9"));
    });
    ASSERT_EQ(status.size(), 21u);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(status[static_cast<std::size_t>(i)], 200) << i;
    EXPECT_EQ(status[20], 429);
    EXPECT_EQ(andere, 200);
    EXPECT_EQ(s.S.Dienst().Eingaenge().Liste.size(), 21u);
    EXPECT_EQ(s.S.TelefoneLetzteMinute(), 2);
}

TEST(LiveServer, NurErgebnisseUndMaskierteTexte) {
    Server s;
    s.S.Dienst().SetNurLesen(true);
    DatenTeilnehmerGetPtr(s.W->TeilnehmerRootPtr, 1, false)->Name.NachnameStr = "<script>x()</script>";
    s.S.Geaendert();
    std::string liste, eingabe, senden;
    MitClient([&] {
        liste = Anfrage(s.Port, "GET", "/start");
        eingabe = Anfrage(s.Port, "GET", "/e/" + s.Code(1));
        senden = Anfrage(s.Port, "POST", "/e/" + s.Code(1), "w1=1&w2=1:00");
    });
    EXPECT_EQ(Status(liste), 200);
    EXPECT_EQ(liste.find("<script>x()"), std::string::npos);
    EXPECT_NE(liste.find("&lt;script&gt;x()"), std::string::npos);
    EXPECT_EQ(Status(eingabe), 403);
    EXPECT_EQ(Status(senden), 403);
    EXPECT_TRUE(s.S.Dienst().Eingaenge().Liste.empty());
}

TEST(LiveServer, StromMeldetJedeAenderungUndVerbindungenBleibenOffen) {
    Server s;
    std::string anfang, danach, zwei;
    std::atomic<bool> offen{false}, fertig{false};
    const long stand = s.S.Dienst().Stand();
    std::thread client([&] {
        const int fd = Verbinden(s.Port);
        AllesSenden(fd, "GET /ereignisse HTTP/1.1\r\nHost: x\r\n\r\n");
        anfang = LesenBis(fd, "data: " + std::to_string(stand) + "\n\n");
        offen = true;
        danach = LesenBis(fd, "data: " + std::to_string(stand + 1) + "\n\n");
        ::close(fd);
        // Two requests on one connection.
        const int k = Verbinden(s.Port);
        AllesSenden(k, "GET /stand HTTP/1.1\r\nHost: x\r\n\r\nGET /stand HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        zwei = LesenBis(k);
        ::close(k);
        fertig = true;
    });
    App();
    while (!offen) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(s.S.Stroeme(), 1);
    s.S.Geaendert();
    while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    client.join();
    EXPECT_NE(anfang.find("Content-Type: text/event-stream"), std::string::npos);
    EXPECT_NE(danach.find("event: stand\ndata: " + std::to_string(stand + 1)), std::string::npos);
    std::size_t n = 0;
    for (std::size_t p = zwei.find("HTTP/1.1 200"); p != std::string::npos; p = zwei.find("HTTP/1.1 200", p + 1)) ++n;
    EXPECT_EQ(n, 2u);
}

// A result list of megabytes goes to a phone in pieces as the phone takes
// them: while it takes nothing, the server holds no more than a window of it
// besides the page the live service keeps. Once it reads, slowly, the page
// keeps coming for longer than a connection may stay idle, and the page and
// the answer asked for after it on the same connection arrive whole and in
// order; the connection is then closed as asked.
TEST(LiveServer, GrosseSeiteGehtStueckweiseAnsLangsameTelefon) {
    Server s(2000);
    s.S.LeerlaufSetzen(1000);
    for (TeilnehmerTyp* t = s.W->TeilnehmerRootPtr; t; t = t->next) t->Verein = std::string(5000, 'v');
    s.S.Geaendert();
    HttpAnfrage r;
    r.Methode = "GET";
    r.Pfad = "/ergebnis";
    const std::string seite(
        HttpRumpf(s.S.Dienst().Beantworten(r, "127.0.0.1", std::chrono::steady_clock::now())));
    ASSERT_GT(seite.size(), 8u << 20);

    std::atomic<bool> gefragt{false}, lesen{false}, fertig{false};
    std::string antwort;
    std::thread client([&] {
        const int fd = Verbinden(s.Port);
        AllesSenden(fd, "GET /ergebnis HTTP/1.1\r\nHost: x\r\n\r\n"
                        "GET /stand HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        gefragt = true;
        while (!lesen) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        // 16 KB each 5 ms: the page takes over three seconds.
        char b[16384];
        const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        for (pollfd p{fd, POLLIN, 0}; std::chrono::steady_clock::now() < bis && ::poll(&p, 1, 5000) > 0;) {
            const ssize_t k = ::recv(fd, b, sizeof b, 0);
            if (k <= 0) break;
            antwort.append(b, static_cast<std::size_t>(k));
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ::close(fd);
        fertig = true;
    });
    App();
    while (!gefragt) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::size_t hoechstens = 0;
    for (const auto bis = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
         std::chrono::steady_clock::now() < bis;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        hoechstens = std::max(hoechstens, s.S.Ausstehend());
    }
    lesen = true;
    while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    client.join();

    EXPECT_GT(hoechstens, 0u);
    EXPECT_LE(hoechstens, 256u * 1024);
    const std::size_t k = antwort.find("\r\n\r\n");
    ASSERT_NE(k, std::string::npos);
    EXPECT_EQ(Status(antwort), 200);
    EXPECT_NE(antwort.substr(0, k).find("Content-Length: " + std::to_string(seite.size()) + "\r\n"),
              std::string::npos);
    ASSERT_GE(antwort.size(), k + 4 + seite.size()) << "the page was cut off";
    EXPECT_TRUE(antwort.compare(k + 4, seite.size(), seite) == 0) << "the page arrived changed";
    const std::string rest = antwort.substr(k + 4 + seite.size());
    EXPECT_EQ(Status(rest), 200);
    EXPECT_NE(rest.find("Connection: close"), std::string::npos);
    EXPECT_EQ(rest.substr(rest.find("\r\n\r\n") + 4), std::to_string(s.S.Dienst().Stand()));
}

// 200 phones, each from an address of its own, read the result list, send
// their flight and read their entry page: every submission is in the journal
// exactly once and every phone got its answers.
TEST(LiveServer, ZweihundertTelefoneVerlierenUndVerdoppelnNichts) {
    Server s(197);
    std::vector<int> piloten;
    for (const ZugangEintragTyp& z : s.Zugang.Codes) piloten.push_back(z.EdvNr);
    ASSERT_EQ(piloten.size(), 200u);
    std::vector<std::string> codes;
    for (int p : piloten) codes.push_back(s.Code(p));
    std::atomic<int> fehler{0};
    MitClient([&] {
        std::vector<std::thread> t;
        for (int k = 0; k < 8; ++k)
            t.emplace_back([&, k] {
                for (std::size_t i = static_cast<std::size_t>(k); i < codes.size(); i += 8) {
                    const std::string quelle = "127.0." + std::to_string(1 + i / 200) + "." + std::to_string(2 + i % 200);
                    if (Status(Anfrage(s.Port, "GET", "/ergebnis", {}, quelle)) != 200) ++fehler;
                    if (Status(Anfrage(s.Port, "POST", "/e/" + codes[i], "w1=" + std::to_string(i) + "&w2=3:00",
                                       quelle)) != 200)
                        ++fehler;
                    if (Status(Anfrage(s.Port, "GET", "/e/" + codes[i], {}, quelle)) != 200) ++fehler;
                }
            });
        for (std::thread& x : t) x.join();
    });
    EXPECT_EQ(fehler, 0);
    EingaengeTyp j;
    std::string grund;
    ASSERT_TRUE(EingaengeLesen(s.S.Dienst().Journal(), j, grund));
    ASSERT_EQ(j.Liste.size(), 200u);
    EXPECT_EQ(j.Beschaedigt, 0);
    std::set<int> gesehen;
    for (const EingangTyp& e : j.Liste) {
        EXPECT_TRUE(gesehen.insert(e.EdvNr).second) << e.EdvNr;
        const auto it = std::find(piloten.begin(), piloten.end(), e.EdvNr);
        ASSERT_NE(it, piloten.end());
        EXPECT_EQ(e.Werte[0], std::to_string(it - piloten.begin()));
    }
    EXPECT_EQ(s.S.TelefoneLetzteMinute(), 200);
}

} // namespace
} // namespace tavuran
