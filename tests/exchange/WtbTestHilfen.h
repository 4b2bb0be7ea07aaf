// Small helpers of the competition-file tests: bytes of files, lines in the
// file's code page, a temporary folder per test.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "core/CodePage.h"
#include "core/DatenWettbewerb.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace wtbtest {

inline std::string DatenPfad(const std::string& name) { return std::string(TAVURAN_TEST_DATA) + "/" + name; }

inline std::string LiesBytes(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs f while the files this process writes may grow to Bytes at most, as
// on a disk that runs full (a write beyond fails with EFBIG); the limit and
// the signal it would raise are restored afterwards.
template <class F>
auto MitDateiGrenze(rlim_t Bytes, F f) {
    rlimit vorher{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = vorher;
    grenze.rlim_cur = Bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
    auto ergebnis = f();
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signalVorher);
    return ergebnis;
}

inline void SchreibBytes(const std::string& pfad, const std::string& bytes) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The lines of a file's bytes (CR LF removed), without conversion.
inline std::vector<std::string> ByteZeilen(const std::string& bytes) {
    std::vector<std::string> z;
    std::size_t a = 0;
    while (a < bytes.size()) {
        std::size_t e = bytes.find("\r\n", a);
        if (e == std::string::npos) e = bytes.size();
        z.push_back(bytes.substr(a, e - a));
        a = e + 2;
    }
    return z;
}

// A file of format 3 from lines in memory: Windows-1252, CR LF.
inline std::string Datei3(const std::vector<std::string>& zeilen) {
    std::string b;
    for (const std::string& z : zeilen) b += tavuran::CnvUtf8ToWindows1252(z) + "\r\n";
    return b;
}

// A file of format 1 or 2: as format 3, with the DOS bytes of the eleven characters.
inline std::string DateiDos(const std::vector<std::string>& zeilen) {
    return tavuran::L_STR_CnvWindowsToDos(Datei3(zeilen));
}

// Reads bytes into a new competition; the test owns it through the guard.
struct Geladen {
    tavuran::WettbewerbTyp* w = nullptr;
    int Ergebnis = -99;
    explicit Geladen(const std::string& bytes, const std::string& name = "") {
        Ergebnis = tavuran::DatenWettbewerbLesen(w, bytes, name);
    }
    ~Geladen() { tavuran::DatenWettbewerbDispose(w); }
    Geladen(const Geladen&) = delete;
    Geladen& operator=(const Geladen&) = delete;
    tavuran::WettbewerbTyp* operator->() const { return w; }
};

// A fresh folder below the test's temporary folder, of this process alone
// (tests may run in parallel processes).
inline std::string NeuerOrdner(const std::string& name) {
    const std::filesystem::path p =
        std::filesystem::path(testing::TempDir()) / ("tavuran_" + name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p.string() + "/";
}

} // namespace wtbtest
