#include "exchange/DateiSperre.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include "core/L_FILE.h"
#include "exchange/DateiZugriff.h"

namespace fs = std::filesystem;

namespace tavuran {

namespace {

constexpr std::string_view SperrPraefix = ".~";
constexpr std::string_view SperrEndung = ".sperre";
constexpr std::string_view SperrKopf = "Tavuran-Sperre";
// The longest file name the usual file systems allow (bytes).
constexpr std::size_t MaxNamensLaenge = 255;

std::string Benutzer() {
    if (const char* u = std::getenv("USER"); u && *u) return u;
    if (const passwd* p = ::getpwuid(::getuid()); p && p->pw_name) return p->pw_name;
    return "unbekannt";
}

std::string Jetzt() {
    const std::time_t t = std::time(nullptr);
    std::tm tm {};
    ::localtime_r(&t, &tm);
    char puffer[32];
    std::strftime(puffer, sizeof puffer, "%d.%m.%Y %H:%M", &tm);
    return puffer;
}

// "Schluessel: Wert" lines of a lock file; false when it is none.
bool SperreLesen(const std::string& SperrDatei, SperrInhaber& i, std::string& Kennung) {
    std::string bytes, grund;
    if (!DateiLesen(SperrDatei, bytes, grund) || bytes.size() > 4096) return false;
    if (bytes.rfind(SperrKopf, 0) != 0) return false;
    std::size_t a = 0;
    while (a < bytes.size()) {
        std::size_t e = bytes.find('\n', a);
        if (e == std::string::npos) e = bytes.size();
        const std::string z = bytes.substr(a, e - a);
        a = e + 1;
        const std::size_t p = z.find(": ");
        if (p == std::string::npos) continue;
        const std::string k = z.substr(0, p), w = z.substr(p + 2);
        if (k == "Rechner") i.Rechner = w;
        else if (k == "Benutzer") i.Benutzer = w;
        else if (k == "Seit") i.Seit = w;
        else if (k == "Kennung") Kennung = w;
        else if (k == "Prozess" && !w.empty() && w.size() < 10 && w.find_first_not_of("0123456789") == std::string::npos)
            i.Prozess = std::stol(w);
    }
    return true;
}

// A lock is stale when its process ran on this computer and is gone.
bool Veraltet(const SperrInhaber& i) {
    if (i.Rechner != RechnerName() || i.Prozess <= 0) return false;
    return ::kill(static_cast<pid_t>(i.Prozess), 0) != 0 && errno == ESRCH;
}

std::string NeueKennung() {
    std::random_device zufall;
    const auto zeit = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(::getpid()) + "-" + std::to_string(zufall()) + "-" + std::to_string(zeit);
}

} // namespace

std::string SperrDateiName(const std::string& Datei) {
    const fs::path p = L_FILE_Pfad(Datei);
    std::string name = L_FILE_PfadText(p.filename());
    // Its name does not end like a competition file's, so that a folder's
    // competition files are found without it.
    std::string sperre = std::string(SperrPraefix) + name + std::string(SperrEndung);
    if (sperre.size() > MaxNamensLaenge) {
        // Shortened at a character boundary, with a checksum of the whole name.
        static const char* const ziffern = "0123456789abcdef";
        std::uint64_t h = InhaltPruefsumme(name);
        std::string summe(16, '0');
        for (int i = 15; i >= 0; --i, h >>= 4) summe[static_cast<std::size_t>(i)] = ziffern[h & 15];
        std::size_t n = MaxNamensLaenge - SperrPraefix.size() - 1 - summe.size() - SperrEndung.size();
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
        sperre = std::string(SperrPraefix) + name.substr(0, n) + "~" + summe + std::string(SperrEndung);
    }
    return L_FILE_PfadText(p.parent_path() / L_FILE_Pfad(sperre));
}

bool SperreFremd(const std::string& Datei, SperrInhaber& Inhaber) {
    Inhaber = SperrInhaber{};
    std::string kennung;
    if (!SperreLesen(SperrDateiName(Datei), Inhaber, kennung)) return false;
    return !Veraltet(Inhaber);
}

std::string SperrInhaberText(const SperrInhaber& i) {
    std::string t = "Rechner „" + i.Rechner + "“, Benutzer „" + i.Benutzer + "“, Prozess " + std::to_string(i.Prozess);
    if (!i.Seit.empty()) t += ", seit " + i.Seit;
    return t;
}

DateiSperre::~DateiSperre() { Freigeben(); }

bool DateiSperre::Nehmen(const std::string& Datei, SperrInhaber& Inhaber, bool Uebernehmen) {
    Freigeben();
    Inhaber = SperrInhaber{};
    const std::string sperre = SperrDateiName(Datei);
    const std::string kennung = NeueKennung();
    const std::string inhalt = std::string(SperrKopf) + "\nRechner: " + RechnerName() + "\nBenutzer: " + Benutzer() +
                               "\nProzess: " + std::to_string(::getpid()) + "\nSeit: " + Jetzt() +
                               "\nKennung: " + kennung + "\n";
    for (int versuch = 0; versuch < 5; ++versuch) {
        const int fd = ::open(sperre.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
            ::close(fd);
            if (n != static_cast<ssize_t>(inhalt.size())) {
                ::unlink(sperre.c_str());
                break;
            }
            datei_ = Datei;
            sperrDatei_ = sperre;
            kennung_ = kennung;
            return true;
        }
        if (errno != EEXIST) break; // no lock possible here: the file is held without one
        SperrInhaber da;
        std::string andere;
        const bool lesbar = SperreLesen(sperre, da, andere);
        if (lesbar && !Veraltet(da) && !Uebernehmen) {
            Inhaber = da;
            return false;
        }
        // A stale lock (or one to take over) is moved aside first, so that
        // of two takers only one removes it.
        const std::string beiseite =
            L_FILE_PfadText(L_FILE_Pfad(sperre).parent_path() / L_FILE_Pfad(".~sperre-alt." + kennung));
        if (::rename(sperre.c_str(), beiseite.c_str()) == 0) ::unlink(beiseite.c_str());
    }
    datei_ = Datei;
    return true;
}

void DateiSperre::Freigeben() {
    if (!sperrDatei_.empty()) {
        SperrInhaber i;
        std::string kennung;
        if (SperreLesen(sperrDatei_, i, kennung) && kennung == kennung_) ::unlink(sperrDatei_.c_str());
    }
    datei_.clear();
    sperrDatei_.clear();
    kennung_.clear();
}

} // namespace tavuran
