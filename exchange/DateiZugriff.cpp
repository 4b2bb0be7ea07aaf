#include "exchange/DateiZugriff.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#include <process.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/L_FILE.h"
#include "core/L_STR.h"

namespace fs = std::filesystem;

namespace tavuran {

namespace {

fs::path Pfad(const std::string& f) { return L_FILE_Pfad(f); }
std::string Text(const fs::path& p) { return L_FILE_PfadText(p); }

int Prozessnummer() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

// A name for the temporary file next to Ziel that no other file has.
std::string TempName(const std::string& Ziel) {
    static std::atomic<unsigned> zaehler{0};
    return Ziel + ".~" + L_STR_CnvIntegerToStr(Prozessnummer()) + "-" + StrInt(zaehler++) + ".tmp";
}

#ifndef _WIN32

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

// Writes the temporary file completely and flushes it to the disk; false with
// the errno of the failing step.
bool TempSchreiben(const std::string& temp, std::string_view Bytes, const std::string& Ziel, int& fehler) {
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        fehler = errno;
        return false;
    }
    // The new file keeps the access rights of the one it replaces.
    struct stat st {};
    if (::stat(Ziel.c_str(), &st) == 0) (void)::fchmod(fd, st.st_mode & 07777);
    bool ok = AllesSchreiben(fd, Bytes, fehler);
    if (ok && ::fsync(fd) != 0) {
        fehler = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        fehler = errno;
        ok = false;
    }
    return ok;
}

void OrdnerSynchronisieren(const std::string& Ziel) {
    const fs::path ordner = Pfad(Ziel).parent_path();
    const std::string o = ordner.empty() ? std::string(".") : Text(ordner);
    const int fd = ::open(o.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

#else

bool TempSchreiben(const std::string& temp, std::string_view Bytes, const std::string&, int& fehler) {
    std::error_code ec;
    if (fs::exists(Pfad(temp), ec)) {
        fehler = EEXIST;
        return false;
    }
    std::ofstream f(Pfad(temp), std::ios::binary | std::ios::trunc);
    if (!f) {
        fehler = errno ? errno : EACCES;
        return false;
    }
    f.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    f.flush();
    const bool ok = static_cast<bool>(f);
    f.close();
    if (!ok || !f) {
        fehler = errno ? errno : EIO;
        return false;
    }
    return true;
}

void OrdnerSynchronisieren(const std::string&) {}

#endif

} // namespace

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
    default:
        return "Systemfehler " + L_STR_CnvIntegerToStr(Fehlernummer) + " (" + std::strerror(Fehlernummer) + ").";
    }
}

bool DateiLesen(const std::string& Datei, std::string& Bytes, std::string& Grund) {
    Bytes.clear();
    std::error_code ec;
    const fs::path p = Pfad(Datei);
    const fs::file_status st = fs::status(p, ec);
    if (ec || !fs::exists(st)) {
        Grund = "Die Datei existiert nicht.";
        return false;
    }
    if (fs::is_directory(st)) {
        Grund = DateiFehlerText(EISDIR);
        return false;
    }
    errno = 0;
    std::FILE* f =
#ifdef _WIN32
        _wfopen(p.c_str(), L"rb");
#else
        std::fopen(p.c_str(), "rb");
#endif
    if (!f) {
        Grund = DateiFehlerText(errno ? errno : EACCES);
        return false;
    }
    char puffer[1 << 16];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(puffer, 1, sizeof puffer, f);
        Bytes.append(puffer, n);
        if (Bytes.size() > DateiLesenMaxBytes) {
            Grund = "Die Datei ist zu groß für eine Wettbewerbsdatei.";
            ok = false;
            break;
        }
        if (n < sizeof puffer) {
            if (std::ferror(f)) {
                Grund = DateiFehlerText(errno ? errno : EIO);
                ok = false;
            }
            break;
        }
    }
    std::fclose(f);
    if (!ok) Bytes.clear();
    return ok;
}

bool DateiErsetzen(const std::string& Ziel, std::string_view Bytes, const std::string& BakDatei, std::string& Grund,
                   std::string& Hinweis) {
    std::error_code ec;
    if (Ziel.empty()) {
        Grund = "Es ist kein Dateiname angegeben.";
        return false;
    }
    // A link stays a link: the file it points to takes the new content.
    fs::path ziel = Pfad(Ziel);
    if (fs::is_symlink(ziel, ec)) {
        const fs::path echt = fs::weakly_canonical(ziel, ec);
        if (!ec) ziel = echt;
    }
    const std::string zielText = Text(ziel);
    if (fs::is_directory(ziel, ec)) {
        Grund = DateiFehlerText(EISDIR);
        return false;
    }

    std::string temp;
    int fehler = 0;
    bool geschrieben = false;
    for (int versuch = 0; versuch < 100 && !geschrieben; ++versuch) {
        temp = TempName(zielText);
        fehler = 0;
        geschrieben = TempSchreiben(temp, Bytes, zielText, fehler);
        if (!geschrieben) {
            if (fehler != EEXIST) fs::remove(Pfad(temp), ec);
            if (fehler != EEXIST) break;
        }
    }
    if (!geschrieben) {
        Grund = "Die neue Fassung konnte nicht geschrieben werden. " + DateiFehlerText(fehler);
        return false;
    }

    if (!BakDatei.empty() && fs::exists(ziel, ec)) {
        std::string bakGrund;
        if (!DateiKopieren(zielText, BakDatei, bakGrund))
            Hinweis = "Die Sicherungskopie „" + BakDatei + "“ konnte nicht angelegt werden. " + bakGrund;
    }

    fs::rename(Pfad(temp), ziel, ec);
    if (ec) {
        fs::remove(Pfad(temp), ec);
        Grund = "Die Datei konnte nicht ersetzt werden. " + DateiFehlerText(ec.value());
        return false;
    }
    OrdnerSynchronisieren(zielText);
    return true;
}

bool DateiKopieren(const std::string& a, const std::string& b, std::string& Grund) {
    if (DateienGleich(a, b)) return true;
    std::string bytes;
    if (!DateiLesen(a, bytes, Grund)) return false;
    std::string hinweis;
    return DateiErsetzen(b, bytes, "", Grund, hinweis);
}

bool DateienGleich(const std::string& a, const std::string& b) {
    std::error_code ec1, ec2;
    const fs::path pa = fs::weakly_canonical(Pfad(a), ec1);
    const fs::path pb = fs::weakly_canonical(Pfad(b), ec2);
    if (ec1 || ec2) return a == b;
    return pa == pb;
}

} // namespace tavuran
