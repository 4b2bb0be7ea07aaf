// The live result page in Debian's headless Chromium at a phone's width of
// 390 px: a change made in the model appears on the open page without a
// reload. Chromium is driven through its DevTools protocol on a pipe.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "live/LiveTestHilfen.h"
#include "netz/LiveServer.h"
#include "netz/NetzTestHilfen.h"

namespace tavuran {
namespace {

using namespace netztest;

constexpr const char* Chromium = "/usr/bin/chromium";

// Chromium with --remote-debugging-pipe: it reads commands on fd 3 and
// writes answers on fd 4, each message ended by a NUL byte.
class Browser {
  public:
    Browser() {
        profil_ = testing::TempDir() + "tavuran_chromium_" + std::to_string(getpid());
        ProfilEntfernen();
        std::filesystem::create_directories(profil_);
        int an[2], von[2];
        if (::pipe(an) != 0 || ::pipe(von) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            // A process group of its own, so that the browser's helper
            // processes go with it.
            ::setpgid(0, 0);
            ::dup2(an[0], 3);
            ::dup2(von[1], 4);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            const std::string daten = "--user-data-dir=" + profil_;
            ::execl(Chromium, Chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                    "--no-first-run", "--disable-background-networking", "--disable-component-update",
                    "--disable-sync", "--remote-debugging-pipe", daten.c_str(), "about:blank",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(an[0]);
        ::close(von[1]);
        an_ = an[1];
        von_ = von[0];
    }
    ~Browser() {
        if (pid_ > 0) {
            ::kill(-pid_, SIGKILL);
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(an_);
        ::close(von_);
        ProfilEntfernen();
    }

    // Sends a command and returns the answer with its id ("" after 20 s).
    std::string Befehl(const std::string& Methode, const std::string& Parameter, const std::string& Sitzung = {}) {
        const int id = ++id_;
        std::string m = "{\"id\":" + std::to_string(id) + ",\"method\":\"" + Methode + "\",\"params\":" + Parameter;
        if (!Sitzung.empty()) m += ",\"sessionId\":\"" + Sitzung + "\"";
        m += "}";
        m.push_back('\0');
        if (::write(an_, m.data(), m.size()) != static_cast<ssize_t>(m.size())) return {};
        const std::string kennung = "{\"id\":" + std::to_string(id) + ",";
        const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (;;) {
            const std::size_t ende = puffer_.find('\0');
            if (ende != std::string::npos) {
                std::string nachricht = puffer_.substr(0, ende);
                puffer_.erase(0, ende + 1);
                if (nachricht.rfind(kennung, 0) == 0) return nachricht;
                continue; // an event
            }
            const int rest = static_cast<int>(
                std::chrono::duration_cast<std::chrono::milliseconds>(bis - std::chrono::steady_clock::now()).count());
            pollfd p{von_, POLLIN, 0};
            if (rest <= 0 || ::poll(&p, 1, rest) <= 0) return {};
            char b[65536];
            const ssize_t n = ::read(von_, b, sizeof b);
            if (n <= 0) return {};
            puffer_.append(b, static_cast<std::size_t>(n));
        }
    }

    // The text value of a field of an answer ("targetId", "sessionId", "data", "value").
    static std::string Feld(const std::string& Antwort, const std::string& Name) {
        const std::string k = "\"" + Name + "\":";
        const std::size_t a = Antwort.find(k);
        if (a == std::string::npos) return {};
        std::size_t p = a + k.size();
        if (p < Antwort.size() && Antwort[p] == '"') {
            const std::size_t e = Antwort.find('"', p + 1);
            return Antwort.substr(p + 1, e - p - 1);
        }
        const std::size_t e = Antwort.find_first_of(",}", p);
        return Antwort.substr(p, e - p);
    }

    bool Laeuft() const { return pid_ > 0; }

    // The profile folder removed without throwing: a helper process of the
    // browser may still be taking its own files out of it for a moment.
    void ProfilEntfernen() const {
        for (int Versuch = 0; Versuch < 40; ++Versuch) {
            std::error_code ec;
            std::filesystem::remove_all(profil_, ec);
            if (!ec) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

  private:
    pid_t pid_ = -1;
    int an_ = -1, von_ = -1, id_ = 0;
    std::string puffer_, profil_;
};

std::vector<unsigned char> Base64(const std::string& s) {
    std::vector<unsigned char> r;
    unsigned wert = 0;
    int bits = 0;
    for (char c : s) {
        int v = -1;
        if (c >= 'A' && c <= 'Z') v = c - 'A';
        else if (c >= 'a' && c <= 'z') v = c - 'a' + 26;
        else if (c >= '0' && c <= '9') v = c - '0' + 52;
        else if (c == '+') v = 62;
        else if (c == '/') v = 63;
        if (v < 0) continue;
        wert = (wert << 6) | static_cast<unsigned>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            r.push_back(static_cast<unsigned char>((wert >> bits) & 0xFF));
        }
    }
    return r;
}

TEST(LiveChromium, ErgebnisseiteFolgtEinerAenderungOhneNeuLaden) {
    if (::access(Chromium, X_OK) != 0) GTEST_SKIP() << "kein " << Chromium;
    livetest::LiveWettbewerb lw;
    App();
    LiveServer s;
    std::string grund;
    ASSERT_TRUE(s.Dienst().Oeffnen(lw.W, lw.Datei, grund)) << grund;
    QString g;
    ASSERT_TRUE(s.Starten(QHostAddress::LocalHost, 0, g));
    const std::string url = "http://127.0.0.1:" + std::to_string(s.Port()) + "/ergebnis";

    std::atomic<bool> bereit{false}, geaendert{false}, fertig{false};
    std::string vorher, nachher, marke, bild;
    std::thread client([&] {
        Browser b;
        if (b.Laeuft()) {
            const std::string ziel = Browser::Feld(b.Befehl("Target.createTarget", "{\"url\":\"about:blank\"}"), "targetId");
            const std::string sitzung = Browser::Feld(
                b.Befehl("Target.attachToTarget", "{\"targetId\":\"" + ziel + "\",\"flatten\":true}"), "sessionId");
            b.Befehl("Emulation.setDeviceMetricsOverride",
                     "{\"width\":390,\"height\":844,\"deviceScaleFactor\":1,\"mobile\":true}", sitzung);
            b.Befehl("Page.navigate", "{\"url\":\"" + url + "\"}", sitzung);
            auto auswerten = [&](const std::string& js) {
                return Browser::Feld(
                    b.Befehl("Runtime.evaluate", "{\"expression\":\"" + js + "\",\"returnByValue\":true}", sitzung),
                    "value");
            };
            // Loaded, with the stream of changes open.
            for (int i = 0; i < 200 && auswerten("document.readyState") != "complete"; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            vorher = auswerten("document.body.innerText.includes('Neumann')");
            auswerten("window.tavuranMarke = 7");
            bereit = true;
            while (!geaendert) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            for (int i = 0; i < 100; ++i) {
                nachher = auswerten("document.body.innerText.includes('Neumann')");
                if (nachher == "true") break;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            marke = auswerten("String(window.tavuranMarke)");
            bild = Browser::Feld(b.Befehl("Page.captureScreenshot", "{\"format\":\"png\"}", sitzung), "data");
        }
        fertig = true;
    });
    while (!bereit && !fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The page's script has its stream open once the server counts it.
    for (int i = 0; i < 500 && s.Stroeme() == 0 && !fertig; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const int stroeme = s.Stroeme();
    DatenTeilnehmerGetPtr(lw.W->TeilnehmerRootPtr, 3, false)->Name.NachnameStr = "Neumann";
    s.Geaendert();
    geaendert = true;
    while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    client.join();
    EXPECT_GE(stroeme, 1); // a reconnecting page may hold a second stream for a moment
    EXPECT_EQ(vorher, "false");
    EXPECT_EQ(nachher, "true");
    EXPECT_EQ(marke, "7") << "the page was not loaded again";
    // The phone's view, for looking at it.
    if (!bild.empty()) {
        const std::vector<unsigned char> png = Base64(bild);
        std::ofstream(testing::TempDir() + "tavuran_live_390.png", std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
}

} // namespace
} // namespace tavuran
