// 200 simulated phones over loopback against the live server: each reads the
// result list, sends its flight and reads its entry page, eight phones at a
// time. Reports the answer times of the result list and of the submissions
// (p50, p95, max in milliseconds). Bounded: 600 requests, each with a 10 s limit.
//
// Then many phones ask at once for the score lists, 200 for a contest of 300
// pilots (2 MB), 50 for one of 3000 (20 MB), and take their answers only
// after a while, as phones on the field's network do: reports the CPU time
// of the program's thread, which serves them, and how far its memory grows
// meanwhile. Bounded: 200 requests, 20 s.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "bench/GrosserWettbewerb.h"
#include "core/DatenTeilnehmer.h"
#include "core/DatenWettbewerb.h"
#include "evaluation/Auswertung.h"
#include "evaluation/Sortierung.h"
#include "exchange/DatenWettbewerbDatei.h"
#include "live/LiveZugang.h"
#include "netz/LiveServer.h"

namespace {

using namespace tavuran;
using Uhr = std::chrono::steady_clock;

// A connection from the loopback address Quelle with Text sent on it; -1 on failure.
int Gesendet(int Port, const std::string& Quelle, const std::string& Text) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in q{}, a{};
    q.sin_family = a.sin_family = AF_INET;
    ::inet_pton(AF_INET, Quelle.c_str(), &q.sin_addr);
    a.sin_port = htons(static_cast<uint16_t>(Port));
    ::inet_pton(AF_INET, "127.0.0.1", &a.sin_addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&q), sizeof q) == 0 &&
        ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::send(fd, Text.data(), Text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(Text.size()))
        return fd;
    ::close(fd);
    return -1;
}

// One request with "Connection: close" from the loopback address Quelle; its status (-1 on failure).
int Anfrage(int Port, const std::string& Quelle, const std::string& Text) {
    const int fd = Gesendet(Port, Quelle, Text);
    if (fd < 0) return -1;
    std::string r;
    char b[65536];
    pollfd p{fd, POLLIN, 0};
    ssize_t n;
    while (::poll(&p, 1, 10000) > 0 && (n = ::recv(fd, b, sizeof b, 0)) > 0)
        r.append(b, static_cast<std::size_t>(n));
    ::close(fd);
    return r.size() > 12 && r.rfind("HTTP/1.1 ", 0) == 0 ? std::stoi(r.substr(9, 3)) : -1;
}

double Quantil(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

void BM_LiveZweihundertTelefone(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "live_bench";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const std::string ordner = std::filesystem::temp_directory_path().string() + "/tavuran_live_bench_" +
                               std::to_string(getpid());
    std::filesystem::create_directories(ordner);
    const std::string datei = ordner + "/wett.wtb";
    std::filesystem::copy_file(std::string(TAVURAN_TEST_DATA) + "/wtb/format2_teilnehmer.wtb", datei,
                               std::filesystem::copy_options::overwrite_existing);
    WettbewerbTyp* w = nullptr;
    DatenWettbewerbLoad(w, datei);
    for (int i = 0; i < 197; ++i) {
        TeilnehmerTyp* t = DatenTeilnehmerGetPtr(w->TeilnehmerRootPtr, 100 + i, true);
        t->Name.NachnameStr = "Pilot" + std::to_string(i);
        t->StartNr = 100 + i;
    }
    ZugangListeTyp z;
    std::string grund;
    ZugangErgaenzen(w, 1, z, grund);
    ZugangSchreiben(ZugangDateiName(datei), z, grund);
    int fehler = 0;
    std::vector<double> liste, senden;
    for (auto _ : state) {
        std::filesystem::remove(datei + ".eingaenge");
        LiveServer s;
        s.Dienst().Oeffnen(w, datei, grund);
        QString g;
        s.Starten(QHostAddress::LocalHost, 0, g);
        const int port = s.Port();
        std::mutex m;
        std::atomic<bool> fertig{false};
        std::thread client([&] {
            std::vector<std::thread> t;
            for (int k = 0; k < 8; ++k)
                t.emplace_back([&, k] {
                    for (std::size_t i = static_cast<std::size_t>(k); i < z.Codes.size(); i += 8) {
                        const std::string quelle = "127.0.1." + std::to_string(1 + i);
                        const std::string code = z.Codes[i].Code;
                        auto mess = [&](const std::string& text, std::vector<double>* ziel) {
                            const auto a = Uhr::now();
                            const int st = Anfrage(port, quelle, text);
                            const double ms = std::chrono::duration<double, std::milli>(Uhr::now() - a).count();
                            std::lock_guard<std::mutex> l(m);
                            if (st != 200) ++fehler;
                            if (ziel) ziel->push_back(ms);
                        };
                        mess("GET /ergebnis HTTP/1.1\r\nConnection: close\r\n\r\n", &liste);
                        const std::string rumpf = "w1=" + std::to_string(i) + "&w2=3:00";
                        mess("POST /e/" + code + " HTTP/1.1\r\nConnection: close\r\nContent-Length: " +
                                 std::to_string(rumpf.size()) + "\r\n\r\n" + rumpf,
                             &senden);
                        mess("GET /e/" + code + " HTTP/1.1\r\nConnection: close\r\n\r\n", nullptr);
                    }
                });
            for (std::thread& x : t) x.join();
            fertig = true;
        });
        while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        client.join();
        if (s.Dienst().Eingaenge().Liste.size() != z.Codes.size()) ++fehler;
    }
    state.counters["Telefone"] = static_cast<double>(z.Codes.size());
    state.counters["Fehler"] = fehler;
    state.counters["Liste_p50_ms"] = Quantil(liste, 0.5);
    state.counters["Liste_p95_ms"] = Quantil(liste, 0.95);
    state.counters["Liste_max_ms"] = Quantil(liste, 1.0);
    state.counters["Senden_p50_ms"] = Quantil(senden, 0.5);
    state.counters["Senden_p95_ms"] = Quantil(senden, 0.95);
    state.counters["Senden_max_ms"] = Quantil(senden, 1.0);
    DatenWettbewerbDispose(w);
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_LiveZweihundertTelefone)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_LiveWertungenAnTelefone(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "live_bench";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const int Telefone = static_cast<int>(state.range(1));
    const std::string ordner =
        std::filesystem::temp_directory_path().string() + "/tavuran_live_bench_w_" + std::to_string(getpid());
    std::filesystem::create_directories(ordner);
    WettbewerbTyp* w = bench::GrosserWettbewerb(static_cast<int>(state.range(0)));
    w->CalcWertung = true;
    CalcWertung(w);
    SortAll(w);
    int fehler = 0;
    double cpu = 0, spitze = 0, seite = 0;
    for (auto _ : state) {
        LiveServer s;
        std::string grund;
        if (!s.Dienst().Oeffnen(w, ordner + "/wett.wtb", grund)) state.SkipWithError(grund.c_str());
        QString g;
        s.Starten(QHostAddress::LocalHost, 0, g);
        const int port = s.Port();
        const long vorher = bench::RssKb();
        std::atomic<bool> fertig{false};
        std::vector<std::size_t> erhalten(Telefone, 0);
        std::thread client([&] {
            std::vector<int> fd(Telefone, -1);
            const std::string text = "GET /wertungen HTTP/1.1\r\nConnection: close\r\n\r\n";
            for (int i = 0; i < Telefone; ++i)
                fd[i] = Gesendet(port, "127.0.2." + std::to_string(1 + i), text);
            // The phones start to take their pages after a while.
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            const auto bis = Uhr::now() + std::chrono::seconds(20);
            char b[65536];
            for (int offen = Telefone; offen > 0 && Uhr::now() < bis;) {
                std::vector<pollfd> p;
                for (int i = 0; i < Telefone; ++i)
                    if (fd[i] >= 0) p.push_back({fd[i], POLLIN, 0});
                offen = static_cast<int>(p.size());
                if (offen == 0 || ::poll(p.data(), p.size(), 1000) <= 0) continue;
                for (const pollfd& x : p) {
                    if (!(x.revents & (POLLIN | POLLHUP | POLLERR))) continue;
                    const int i = static_cast<int>(std::find(fd.begin(), fd.end(), x.fd) - fd.begin());
                    const ssize_t n = ::recv(x.fd, b, sizeof b, 0);
                    if (n > 0) {
                        erhalten[i] += static_cast<std::size_t>(n);
                    } else {
                        ::close(x.fd);
                        fd[i] = -1;
                    }
                }
            }
            for (int f : fd)
                if (f >= 0) ::close(f);
            fertig = true;
        });
        // The thread waits in its event loop, as the program does, and looks
        // at its memory every 5 ms.
        const double a = ThreadCpuMs();
        long hoechstens = vorher;
        QEventLoop schleife;
        QTimer blick;
        QObject::connect(&blick, &QTimer::timeout, [&] {
            hoechstens = std::max(hoechstens, bench::RssKb());
            if (fertig) schleife.quit();
        });
        blick.start(5);
        schleife.exec();
        cpu = ThreadCpuMs() - a;
        client.join();
        spitze = static_cast<double>(hoechstens - vorher) / 1024.0;
        HttpAnfrage r;
        r.Methode = "GET";
        r.Pfad = "/wertungen";
        const std::string bytes = HttpAntwortBytes(s.Dienst().Beantworten(r, "127.0.0.1", Uhr::now()), true);
        seite = static_cast<double>(bytes.size());
        for (std::size_t n : erhalten)
            if (n != bytes.size()) ++fehler;
    }
    state.counters["Telefone"] = Telefone;
    state.counters["Fehler"] = fehler;
    state.counters["Antwort_MB"] = seite / (1024.0 * 1024.0);
    state.counters["Programm_CPU_ms"] = cpu;
    state.counters["Speicher_Spitze_MB"] = spitze;
    DatenWettbewerbDispose(w);
    std::filesystem::remove_all(ordner);
}
BENCHMARK(BM_LiveWertungenAnTelefone)
    ->Args({300, 200})
    ->Args({3000, 50})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
