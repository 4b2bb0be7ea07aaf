#include "exchange/DateiZugriff.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "core/L_FILE.h"
#include "core/L_STR.h"

namespace fs = std::filesystem;

namespace tavuran {

namespace {

fs::path Pfad(const std::string& f) { return L_FILE_Pfad(f); }
std::string Text(const fs::path& p) { return L_FILE_PfadText(p); }

// Closes a descriptor at the end of a scope.
struct Deskriptor {
    int fd = -1;
    explicit Deskriptor(int f) : fd(f) {}
    ~Deskriptor() {
        if (fd >= 0) ::close(fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
};

std::int64_t Nanosekunden(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

void StandAus(const struct stat& st, DateiStand& s) {
    s.Vorhanden = true;
    s.Geraet = static_cast<std::uint64_t>(st.st_dev);
    s.Knoten = static_cast<std::uint64_t>(st.st_ino);
    s.Groesse = static_cast<std::uint64_t>(st.st_size);
    s.Zeit = Nanosekunden(st);
}

// Why a file of this kind is neither read nor replaced; empty for a regular file.
std::string ArtGrund(mode_t m) {
    if (S_ISREG(m)) return {};
    if (S_ISDIR(m)) return DateiFehlerText(EISDIR);
    if (S_ISFIFO(m)) return "Der Name bezeichnet keine gewöhnliche Datei, sondern eine Pipe (FIFO).";
    if (S_ISSOCK(m)) return "Der Name bezeichnet keine gewöhnliche Datei, sondern einen Socket.";
    if (S_ISCHR(m) || S_ISBLK(m)) return "Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät.";
    return "Der Name bezeichnet keine gewöhnliche Datei.";
}

bool AllesSchreiben(int fd, std::string_view b, int& fehler) {
    while (!b.empty()) {
        const ssize_t n = ::write(fd, b.data(), b.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            fehler = errno;
            return false;
        }
        b.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void OrdnerSynchronisieren(const fs::path& ordner) {
    const std::string o = ordner.empty() ? std::string(".") : Text(ordner);
    const int fd = ::open(o.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// The working folders of this program's saves are named
// ".~tavuran.<host>.<process>.<n>"; inside, a file has its own name.
constexpr std::string_view ArbeitsPraefix = ".~tavuran.";

// A host name as it may stand in a file name.
std::string RechnerImNamen() {
    std::string r;
    for (char c : RechnerName())
        r += (std::isalnum(static_cast<unsigned char>(c)) || c == '-') ? c : '_';
    return r.empty() ? std::string("rechner") : r;
}

bool ProzessLebt(long pid) {
    if (pid <= 0) return true; // unknown: leave it alone
    if (::kill(static_cast<pid_t>(pid), 0) == 0) return true;
    return errno != ESRCH;
}

// True when nobody holds the lock a writer keeps on its working file.
bool NiemandSchreibt(const fs::path& f) {
    const int fd = ::open(Text(f).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return errno == ENOENT;
    Deskriptor d(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// The process number of "<digits>" (0 when it is none).
long ZahlAus(std::string_view s) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    return std::stol(std::string(s));
}

// Removes what interrupted saves of the file Name in Ordner left behind:
// its working file in a working folder of this host whose writer is gone
// (and that folder when it is empty then), and the temporary files
// "Name.~<process>-<n>.tmp" earlier versions of the program wrote beside it.
void Aufraeumen(const fs::path& Ordner, const std::string& Name, const std::string& BakName) {
    std::error_code ec;
    const std::string eigenerRechner = std::string(ArbeitsPraefix) + RechnerImNamen() + ".";
    const std::string alt = Name + ".~";
    fs::directory_iterator it(Ordner.empty() ? fs::path(".") : Ordner, ec);
    if (ec) return;
    std::vector<fs::path> weg, ordnerWeg;
    for (const fs::directory_entry& e : it) {
        const std::string n = Text(e.path().filename());
        if (n.rfind(eigenerRechner, 0) == 0) {
            // ".~tavuran.<host>.<process>.<n>"
            const std::string rest = n.substr(eigenerRechner.size());
            const std::size_t punkt = rest.find('.');
            const long pid = ZahlAus(rest.substr(0, punkt));
            if (punkt == std::string::npos || pid == static_cast<long>(::getpid()) || ProzessLebt(pid)) continue;
            if (!e.is_directory(ec) || e.is_symlink(ec)) continue;
            const fs::path datei = e.path() / Pfad(Name);
            if (fs::is_regular_file(fs::symlink_status(datei, ec)) && NiemandSchreibt(datei)) weg.push_back(datei);
            const fs::path bak = e.path() / Pfad(BakName);
            if (!BakName.empty() && fs::is_regular_file(fs::symlink_status(bak, ec))) weg.push_back(bak);
            ordnerWeg.push_back(e.path());
        } else if (n.size() > alt.size() + 4 && n.rfind(alt, 0) == 0 && n.ends_with(".tmp")) {
            // "Name.~<process>-<n>.tmp"
            const std::string mitte = n.substr(alt.size(), n.size() - alt.size() - 4);
            const std::size_t strich = mitte.find('-');
            if (strich == std::string::npos) continue;
            const std::string zaehler = mitte.substr(strich + 1);
            const long pid = ZahlAus(mitte.substr(0, strich));
            if (zaehler.empty() || zaehler.find_first_not_of("0123456789") != std::string::npos) continue;
            if (pid == 0 || pid == static_cast<long>(::getpid()) || ProzessLebt(pid)) continue;
            if (fs::is_regular_file(fs::symlink_status(e.path(), ec))) weg.push_back(e.path());
        }
    }
    for (const fs::path& p : weg) fs::remove(p, ec);
    for (const fs::path& p : ordnerWeg) ::rmdir(Text(p).c_str()); // only when empty
}

// A new working folder of this process beside the target.
bool ArbeitsOrdnerAnlegen(const fs::path& Ordner, fs::path& Arbeit, int& fehler) {
    for (int n = 0; n < 1000; ++n) {
        Arbeit = Ordner / Pfad(ArbeitsOrdnerName(RechnerName(), static_cast<long>(::getpid()), n));
        if (::mkdir(Text(Arbeit).c_str(), 0700) == 0) return true;
        if (errno != EEXIST) {
            fehler = errno;
            return false;
        }
    }
    fehler = EEXIST;
    return false;
}

// The previous version Ziel becomes Bak: a second name of the same file
// where the file system allows it (no space needed), else a copy; put in
// place over an old backup in one step.
bool BakAnlegen(const fs::path& Ziel, const fs::path& Bak, const fs::path& Arbeit, std::string& Grund) {
    std::error_code ec;
    const std::string bakText = Text(Bak);
    if (std::string art = KeineGewoehnlicheDatei(bakText); !art.empty()) {
        Grund = art;
        return false;
    }
    const fs::path zwischen = Arbeit / Bak.filename();
    if (::link(Text(Ziel).c_str(), Text(zwischen).c_str()) != 0) {
        std::string bytes;
        if (!DateiLesen(Text(Ziel), bytes, Grund)) return false;
        const int fd = ::open(Text(zwischen).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            Grund = DateiFehlerText(errno);
            return false;
        }
        Deskriptor d(fd);
        int fehler = 0;
        if (!AllesSchreiben(fd, bytes, fehler) || ::fsync(fd) != 0) {
            if (fehler == 0) fehler = errno;
            Grund = DateiFehlerText(fehler);
            fs::remove(zwischen, ec);
            return false;
        }
    }
    if (::rename(Text(zwischen).c_str(), bakText.c_str()) != 0) {
        Grund = DateiFehlerText(errno);
        fs::remove(zwischen, ec);
        return false;
    }
    return true;
}

} // namespace

std::uint64_t InhaltPruefsumme(std::string_view Bytes) { return InhaltPruefsummeWeiter(14695981039346656037ull, Bytes); }

std::uint64_t InhaltPruefsummeWeiter(std::uint64_t Bisher, std::string_view Bytes) {
    std::uint64_t h = Bisher;
    for (unsigned char c : Bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string RechnerName() {
    char puffer[256] = {};
    if (::gethostname(puffer, sizeof puffer - 1) != 0 || !puffer[0]) return "unbekannt";
    return puffer;
}

std::string ArbeitsOrdnerName(const std::string& Rechner, long Prozess, int n) {
    std::string r;
    for (char c : Rechner) r += (std::isalnum(static_cast<unsigned char>(c)) || c == '-') ? c : '_';
    if (r.empty()) r = "rechner";
    return std::string(ArbeitsPraefix) + r + "." + std::to_string(Prozess) + "." + std::to_string(n);
}

std::string DateiFehlerText(int Fehlernummer) {
    switch (Fehlernummer) {
    case ENOENT:
        return "Der Ordner oder die Datei existiert nicht.";
    case EACCES:
    case EPERM:
        return "Keine Berechtigung für diesen Zugriff.";
    case ENOSPC:
        return "Auf dem Datenträger ist kein Platz mehr frei.";
#ifdef EDQUOT
    case EDQUOT:
        return "Der zugeteilte Speicherplatz ist erschöpft.";
#endif
    case EFBIG:
        return "Die Datei wird zu groß.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case EISDIR:
        return "Der Name bezeichnet einen Ordner.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case EIO:
        return "Ein- oder Ausgabefehler des Datenträgers.";
    case EBUSY:
        return "Die Datei wird gerade von einem anderen Programm benutzt.";
    case ENOTEMPTY:
        return "Unter diesem Namen steht ein Ordner, der nicht leer ist.";
    default:
        return "Systemfehler " + L_STR_CnvIntegerToStr(Fehlernummer) + " (" + std::strerror(Fehlernummer) + ").";
    }
}

std::string KeineGewoehnlicheDatei(const std::string& Datei) {
    struct stat st {};
    if (Datei.empty() || ::stat(Text(Pfad(Datei)).c_str(), &st) != 0) return {};
    return ArtGrund(st.st_mode);
}

bool DateiLesen(const std::string& Datei, std::string& Bytes, std::string& Grund, DateiStand* Stand) {
    Bytes.clear();
    if (Stand) *Stand = DateiStand{};
    const std::string name = Text(Pfad(Datei));
    // Non-blocking, so that a FIFO or a device never makes the program wait;
    // what it is is checked on the open file before anything is read.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int fehler = errno;
        // A socket cannot be opened at all: say what it is.
        struct stat st {};
        if (::stat(name.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            Grund = ArtGrund(st.st_mode);
        else
            Grund = fehler == ENOENT ? std::string("Die Datei existiert nicht.") : DateiFehlerText(fehler);
        return false;
    }
    Deskriptor d(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        Grund = DateiFehlerText(errno);
        return false;
    }
    if (std::string art = ArtGrund(st.st_mode); !art.empty()) {
        Grund = art;
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > DateiLesenMaxBytes) {
        Grund = "Die Datei ist zu groß für eine Wettbewerbsdatei.";
        return false;
    }
    Bytes.reserve(static_cast<std::size_t>(st.st_size));
    char puffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            Grund = DateiFehlerText(errno);
            Bytes.clear();
            return false;
        }
        if (n == 0) break;
        Bytes.append(puffer, static_cast<std::size_t>(n));
        // The file may grow while it is read.
        if (Bytes.size() > DateiLesenMaxBytes) {
            Grund = "Die Datei ist zu groß für eine Wettbewerbsdatei.";
            Bytes.clear();
            return false;
        }
    }
    if (Stand) {
        StandAus(st, *Stand);
        Stand->Groesse = Bytes.size();
        Stand->Pruefsumme = InhaltPruefsumme(Bytes);
    }
    return true;
}

DateiStand DateiStandErmitteln(const std::string& Datei) {
    DateiStand s;
    std::string bytes, grund;
    if (!DateiLesen(Datei, bytes, grund, &s)) return DateiStand{};
    return s;
}

bool DateiUnveraendert(const std::string& Datei, const DateiStand& Stand) {
    struct stat st {};
    if (::stat(Text(Pfad(Datei)).c_str(), &st) != 0) return !Stand.Vorhanden;
    if (!Stand.Vorhanden) return false;
    if (static_cast<std::uint64_t>(st.st_dev) == Stand.Geraet && static_cast<std::uint64_t>(st.st_ino) == Stand.Knoten &&
        static_cast<std::uint64_t>(st.st_size) == Stand.Groesse && Nanosekunden(st) == Stand.Zeit)
        return true;
    if (static_cast<std::uint64_t>(st.st_size) != Stand.Groesse) return false;
    // Touched or written again: the same bytes are no change.
    const DateiStand jetzt = DateiStandErmitteln(Datei);
    return jetzt.Vorhanden && jetzt.Groesse == Stand.Groesse && jetzt.Pruefsumme == Stand.Pruefsumme;
}

ErsetzErgebnis DateiErsetzen(const std::string& Ziel, std::string_view Bytes, const std::string& BakDatei,
                             bool OhneSicherung) {
    return DateiErsetzenStueckweise(
        Ziel, [Bytes](const std::function<bool(std::string_view)>& Teil) { return Teil(Bytes); }, BakDatei,
        OhneSicherung);
}

ErsetzErgebnis DateiErsetzenStueckweise(const std::string& Ziel, const DateiInhalt& Inhalt,
                                        const std::string& BakDatei, bool OhneSicherung,
                                        bool OhnePruefsumme) {
    ErsetzErgebnis erg;
    std::error_code ec;
    if (Ziel.empty()) {
        erg.Grund = "Es ist kein Dateiname angegeben.";
        return erg;
    }
    // A link stays a link: the file it points to takes the new content.
    fs::path ziel = Pfad(Ziel);
    if (fs::is_symlink(ziel, ec)) {
        const fs::path echt = fs::weakly_canonical(ziel, ec);
        if (!ec) ziel = echt;
    }
    const std::string zielText = Text(ziel);
    struct stat alt {};
    const bool vorhanden = ::stat(zielText.c_str(), &alt) == 0;
    if (vorhanden) {
        if (std::string art = ArtGrund(alt.st_mode); !art.empty()) {
            erg.Grund = art + " Sie wird nicht ersetzt.";
            return erg;
        }
    }
    fs::path ordner = ziel.parent_path();
    if (ordner.empty()) ordner = ".";
    const std::string name = Text(ziel.filename());
    const fs::path bak = BakDatei.empty() ? fs::path() : Pfad(BakDatei);
    Aufraeumen(ordner, name, bak.empty() ? std::string() : Text(bak.filename()));

    fs::path arbeit;
    int fehler = 0;
    if (!ArbeitsOrdnerAnlegen(ordner, arbeit, fehler)) {
        erg.Grund = "Die neue Fassung konnte nicht geschrieben werden. " + DateiFehlerText(fehler);
        return erg;
    }
    const fs::path temp = arbeit / ziel.filename();
    const auto aufgeben = [&](std::string grund) {
        fs::remove(temp, ec);
        ::rmdir(Text(arbeit).c_str());
        erg.Grund = std::move(grund);
        return erg;
    };
    const int fd = ::open(Text(temp).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return aufgeben("Die neue Fassung konnte nicht geschrieben werden. " + DateiFehlerText(errno));
    Deskriptor d(fd);
    // The lock tells a later save that this writer is still at work.
    (void)::flock(fd, LOCK_EX | LOCK_NB);
    // The new file keeps the access rights of the one it replaces.
    if (vorhanden) (void)::fchmod(fd, alt.st_mode & 07777);
    std::uint64_t groesse = 0, summe = InhaltPruefsumme({});
    bool geschrieben = true;
    bool ok = Inhalt([&](std::string_view Stueck) {
        if (geschrieben) geschrieben = AllesSchreiben(fd, Stueck, fehler);
        if (geschrieben) {
            groesse += Stueck.size();
            if (!OhnePruefsumme) summe = InhaltPruefsummeWeiter(summe, Stueck);
        }
        return geschrieben;
    });
    ok = ok && geschrieben;
    if (ok && ::fsync(fd) != 0) {
        fehler = errno;
        ok = false;
    }
    if (!ok)
        return aufgeben("Die neue Fassung konnte nicht geschrieben werden." +
                        (fehler != 0 ? " " + DateiFehlerText(fehler) : std::string()));

    if (!bak.empty() && vorhanden && !OhneSicherung && !DateienGleich(BakDatei, zielText)) {
        std::string grund;
        if (!BakAnlegen(ziel, bak, arbeit, grund)) {
            erg.SicherungFehlt = true;
            return aufgeben("Die Sicherungskopie „" + BakDatei + "“ der vorigen Fassung konnte nicht angelegt werden. " +
                            grund + " Die Datei wurde deshalb nicht ersetzt.");
        }
    }
    if (::rename(Text(temp).c_str(), zielText.c_str()) != 0)
        return aufgeben("Die Datei konnte nicht ersetzt werden. " + DateiFehlerText(errno));
    struct stat neu {};
    if (::fstat(fd, &neu) == 0) StandAus(neu, erg.Stand);
    erg.Stand.Groesse = groesse;
    erg.Stand.Pruefsumme = OhnePruefsumme ? 0 : summe;
    ::rmdir(Text(arbeit).c_str());
    OrdnerSynchronisieren(ordner);
    erg.Ok = true;
    return erg;
}

bool DateiErsetzen(const std::string& Ziel, std::string_view Bytes, const std::string& BakDatei, std::string& Grund,
                   std::string& Hinweis) {
    Hinweis.clear();
    ErsetzErgebnis e = DateiErsetzen(Ziel, Bytes, BakDatei);
    if (!e.Ok) Grund = std::move(e.Grund);
    return e.Ok;
}

bool DateiKopieren(const std::string& a, const std::string& b, std::string& Grund) {
    if (DateienGleich(a, b)) return true;
    std::string bytes;
    if (!DateiLesen(a, bytes, Grund)) return false;
    ErsetzErgebnis e = DateiErsetzen(b, bytes, "");
    if (!e.Ok) Grund = std::move(e.Grund);
    return e.Ok;
}

bool DateienGleich(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (!a.empty() && !b.empty() && ::stat(Text(Pfad(a)).c_str(), &sa) == 0 && ::stat(Text(Pfad(b)).c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ec1, ec2;
    const fs::path pa = fs::weakly_canonical(Pfad(a), ec1);
    const fs::path pb = fs::weakly_canonical(Pfad(b), ec2);
    if (ec1 || ec2) return a == b;
    return pa == pb;
}

std::string EingabeUeberschreibenGrund(const std::string& Ziel, std::initializer_list<std::string> Eingaben) {
    for (const std::string& e : Eingaben)
        if (!e.empty() && !Ziel.empty() && DateienGleich(Ziel, e))
            return "Die Ausgabe „" + Ziel + "“ ist dieselbe Datei wie die Eingabe „" + e +
                   "“ und wird nicht überschrieben. Bitte einen anderen Namen für die Ausgabe angeben.";
    return {};
}

} // namespace tavuran
