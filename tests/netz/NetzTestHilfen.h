// Talking HTTP to the live server of the tests, as a phone would: plain
// sockets to 127.0.0.1 (optionally from another loopback address, so that
// many phones can be told apart) on a client thread, while the test's own
// thread runs the event loop that the server lives in.
#pragma once

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace tavuran::netztest {

inline QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "netz_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return *QCoreApplication::instance();
}

// Runs the client on a thread of its own and the event loop here until it is
// done; the client's reads have time limits of their own, so this ends.
inline void MitClient(const std::function<void()>& Client) {
    App();
    std::atomic<bool> fertig{false};
    std::thread t([&] {
        Client();
        fertig = true;
    });
    while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    t.join();
    QCoreApplication::processEvents();
}

// A connection to 127.0.0.1:Port, from Quelle (a loopback address) when given; -1 on failure.
inline int Verbinden(int Port, const std::string& Quelle = {}) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    if (!Quelle.empty()) {
        sockaddr_in q{};
        q.sin_family = AF_INET;
        ::inet_pton(AF_INET, Quelle.c_str(), &q.sin_addr);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&q), sizeof q) != 0) {
            ::close(fd);
            return -1;
        }
    }
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(Port));
    ::inet_pton(AF_INET, "127.0.0.1", &a.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

inline bool AllesSenden(int fd, const std::string& b) {
    std::size_t n = 0;
    while (n < b.size()) {
        const ssize_t k = ::send(fd, b.data() + n, b.size() - n, MSG_NOSIGNAL);
        if (k <= 0) return false;
        n += static_cast<std::size_t>(k);
    }
    return true;
}

// Reads until the connection closes, Ende appears in what was read, or GrenzeMs pass.
inline std::string LesenBis(int fd, const std::string& Ende = {}, int GrenzeMs = 5000) {
    std::string r;
    const auto bis = std::chrono::steady_clock::now() + std::chrono::milliseconds(GrenzeMs);
    char b[65536];
    for (;;) {
        const int rest = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(bis - std::chrono::steady_clock::now()).count());
        if (rest <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, rest) <= 0) break;
        const ssize_t k = ::recv(fd, b, sizeof b, 0);
        if (k <= 0) break;
        r.append(b, static_cast<std::size_t>(k));
        if (!Ende.empty() && r.find(Ende) != std::string::npos) break;
    }
    return r;
}

// One request with "Connection: close"; the whole answer (status line, head, body).
inline std::string Anfrage(int Port, const std::string& Methode, const std::string& Pfad, const std::string& Rumpf = {},
                           const std::string& Quelle = {}) {
    const int fd = Verbinden(Port, Quelle);
    if (fd < 0) return {};
    std::string r = Methode + " " + Pfad + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
    if (Methode == "POST")
        r += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " + std::to_string(Rumpf.size()) +
             "\r\n";
    r += "\r\n" + Rumpf;
    std::string a;
    if (AllesSenden(fd, r)) a = LesenBis(fd);
    ::close(fd);
    return a;
}

inline int Status(const std::string& Antwort) {
    if (Antwort.rfind("HTTP/1.1 ", 0) != 0 || Antwort.size() < 12) return -1;
    return std::stoi(Antwort.substr(9, 3));
}

} // namespace tavuran::netztest
