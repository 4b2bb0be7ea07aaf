#include "live/LiveJournal.h"

#include <cerrno>
#include <ctime>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "exchange/DateiZugriff.h"
#include "live/LiveFelder.h"

namespace tavuran {

namespace {

std::string Maskieren(const std::string& s) {
    std::string r;
    for (char c : s) {
        switch (c) {
        case '\\': r += "\\\\"; break;
        case '\t': r += "\\t"; break;
        case '\r': r += "\\r"; break;
        case '\n': r += "\\n"; break;
        default: r += c;
        }
    }
    return r;
}

bool Demaskieren(std::string_view s, std::string& r) {
    r.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            r += s[i];
            continue;
        }
        if (++i >= s.size()) return false;
        switch (s[i]) {
        case '\\': r += '\\'; break;
        case 't': r += '\t'; break;
        case 'r': r += '\r'; break;
        case 'n': r += '\n'; break;
        default: return false;
        }
    }
    return true;
}

std::vector<std::string> Felder(std::string_view z, bool& ok) {
    std::vector<std::string> f;
    ok = true;
    for (std::string_view t : LiveTabFelder(z)) {
        std::string feld;
        ok = ok && Demaskieren(t, feld);
        f.push_back(std::move(feld));
    }
    return f;
}

// Appends the line and syncs the file; a journal whose last line was torn by
// a crash gets a line end first, so that the new record stands on a line of
// its own.
bool Anhaengen(const std::string& Journal, const std::string& Zeile, std::string& Grund) {
    const int fd = ::open(Journal.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        Grund = "Das Eingangsbuch „" + Journal + "“ kann nicht geöffnet werden: " + DateiFehlerText(errno);
        return false;
    }
    struct stat st {};
    std::string b;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        Grund = "Das Eingangsbuch „" + Journal + "“ ist keine gewöhnliche Datei.";
        return false;
    }
    if (st.st_size > 0) {
        char letztes = '\n';
        if (::pread(fd, &letztes, 1, st.st_size - 1) == 1 && letztes != '\n') b += '\n';
    }
    b += Zeile;
    b += '\n';
    std::string_view rest = b;
    int fehler = 0;
    while (!rest.empty()) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            fehler = errno;
            break;
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    if (fehler == 0 && ::fsync(fd) != 0) fehler = errno;
    if (::close(fd) != 0 && fehler == 0) fehler = errno;
    if (fehler != 0) {
        Grund = "Das Eingangsbuch „" + Journal + "“ kann nicht geschrieben werden: " + DateiFehlerText(fehler);
        return false;
    }
    return true;
}

void Entscheiden(EingaengeTyp& E, EingangTyp& e, bool Angenommen, const std::string& Ablehnung) {
    if (!Angenommen) {
        e.Status = EingangStatus::Abgelehnt;
        e.Grund = Ablehnung;
        return;
    }
    e.Status = EingangStatus::Angenommen;
    e.Grund.clear();
    for (EingangTyp& a : E.Liste)
        if (a.Id != e.Id && a.Durchgang == e.Durchgang && a.EdvNr == e.EdvNr && a.Id < e.Id &&
            a.Status == EingangStatus::Offen)
            a.Status = EingangStatus::Ersetzt;
}

void Aufnehmen(EingaengeTyp& E, EingangTyp e) {
    e.Status = EingangStatus::Offen;
    e.Vorgaenger = 0;
    for (const EingangTyp& a : E.Liste)
        if (a.Durchgang == e.Durchgang && a.EdvNr == e.EdvNr && a.Status != EingangStatus::Abgelehnt)
            e.Vorgaenger = a.Id;
    E.Liste.push_back(std::move(e));
}

int NaechsteId(const EingaengeTyp& E) {
    int m = 0;
    for (const EingangTyp& e : E.Liste) m = std::max(m, e.Id);
    return m + 1;
}

} // namespace

std::string EingangJournalName(const std::string& WettbewerbDatei) { return WettbewerbDatei + ".eingaenge"; }

std::string EingangZeitJetzt() {
    const std::time_t t = std::time(nullptr);
    std::tm tm {};
    ::localtime_r(&t, &tm);
    char b[32];
    std::strftime(b, sizeof b, "%Y-%m-%d %H:%M:%S", &tm);
    return b;
}

bool EingaengeLesen(const std::string& Journal, EingaengeTyp& E, std::string& Grund) {
    E = {};
    std::error_code ec;
    if (!std::filesystem::exists(Journal, ec)) return true;
    std::string bytes;
    if (!DateiLesen(Journal, bytes, Grund)) return false;
    std::size_t a = 0;
    while (a < bytes.size()) {
        const std::size_t nl = bytes.find('\n', a);
        if (nl == std::string::npos) { // torn last line
            ++E.Beschaedigt;
            break;
        }
        const std::string_view z(bytes.data() + a, nl - a);
        a = nl + 1;
        if (z.empty()) continue;
        bool ok = false;
        const std::vector<std::string> f = Felder(z, ok);
        int id = 0;
        if (!ok || f.size() < 3 || !LiveGanzzahl(f[1], id) || id < 1) {
            ++E.Beschaedigt;
            continue;
        }
        if (f[0] == "E" && f.size() >= 6) {
            EingangTyp e;
            e.Id = id;
            e.Zeit = f[2];
            e.Adresse = f[5];
            e.Werte.assign(f.begin() + 6, f.end());
            if (LiveGanzzahl(f[3], e.Durchgang) && LiveGanzzahl(f[4], e.EdvNr) && !EingangVon(E, id)) {
                Aufnehmen(E, std::move(e));
                continue;
            }
        } else if ((f[0] == "A" && f.size() == 3) || (f[0] == "R" && f.size() == 4)) {
            if (EingangTyp* e = EingangVon(E, id)) {
                Entscheiden(E, *e, f[0] == "A", f[0] == "R" ? f[3] : std::string());
                continue;
            }
        }
        ++E.Beschaedigt;
    }
    return true;
}

bool EingangMelden(const std::string& Journal, EingaengeTyp& E, EingangTyp& Neu, std::string& Grund) {
    Neu.Id = NaechsteId(E);
    if (Neu.Zeit.empty()) Neu.Zeit = EingangZeitJetzt();
    std::string z = "E\t" + std::to_string(Neu.Id) + "\t" + Maskieren(Neu.Zeit) + "\t" +
                    std::to_string(Neu.Durchgang) + "\t" + std::to_string(Neu.EdvNr) + "\t" + Maskieren(Neu.Adresse);
    for (const std::string& w : Neu.Werte) z += "\t" + Maskieren(w);
    if (!Anhaengen(Journal, z, Grund)) return false;
    Aufnehmen(E, Neu);
    Neu = E.Liste.back();
    return true;
}

bool EingangAngenommenSetzen(EingaengeTyp& E, int Id, std::string& Grund) {
    EingangTyp* e = EingangVon(E, Id);
    if (!e) {
        Grund = "Es gibt keinen Eingang " + std::to_string(Id) + ".";
        return false;
    }
    Entscheiden(E, *e, true, {});
    return true;
}

bool EingangAnnahmeSchreiben(const std::string& Journal, int Id, std::string& Grund) {
    return Anhaengen(Journal, "A\t" + std::to_string(Id) + "\t" + Maskieren(EingangZeitJetzt()), Grund);
}

bool EingangAngenommenVermerken(const std::string& Journal, EingaengeTyp& E, int Id, std::string& Grund) {
    if (!EingangVon(E, Id)) {
        Grund = "Es gibt keinen Eingang " + std::to_string(Id) + ".";
        return false;
    }
    return EingangAnnahmeSchreiben(Journal, Id, Grund) && EingangAngenommenSetzen(E, Id, Grund);
}

bool EingangAbgelehntVermerken(const std::string& Journal, EingaengeTyp& E, int Id, const std::string& Ablehnung,
                               std::string& Grund) {
    EingangTyp* e = EingangVon(E, Id);
    if (!e) {
        Grund = "Es gibt keinen Eingang " + std::to_string(Id) + ".";
        return false;
    }
    if (e->Status == EingangStatus::Angenommen) {
        Grund = "Der Eingang " + std::to_string(Id) + " ist schon angenommen; seine Werte stehen im Wettbewerb.";
        return false;
    }
    if (!Anhaengen(Journal,
                   "R\t" + std::to_string(Id) + "\t" + Maskieren(EingangZeitJetzt()) + "\t" + Maskieren(Ablehnung),
                   Grund))
        return false;
    Entscheiden(E, *e, false, Ablehnung);
    return true;
}

EingangTyp* EingangVon(EingaengeTyp& E, int Id) {
    for (EingangTyp& e : E.Liste)
        if (e.Id == Id) return &e;
    return nullptr;
}

const EingangTyp* EingangVon(const EingaengeTyp& E, int Id) {
    for (const EingangTyp& e : E.Liste)
        if (e.Id == Id) return &e;
    return nullptr;
}

std::string EingangStatusText(const EingangTyp& e) {
    switch (e.Status) {
    case EingangStatus::Offen: return "offen";
    case EingangStatus::Angenommen: return "angenommen";
    case EingangStatus::Abgelehnt: return e.Grund.empty() ? "abgelehnt" : "abgelehnt: " + e.Grund;
    case EingangStatus::Ersetzt: return "ersetzt";
    }
    return {};
}

std::vector<int> EingaengeOhneKorrektur(const EingaengeTyp& E) {
    std::vector<int> ids;
    for (const EingangTyp& e : E.Liste) {
        if (e.Status != EingangStatus::Offen || e.Vorgaenger != 0) continue;
        bool spaeter = false;
        for (const EingangTyp& a : E.Liste)
            spaeter = spaeter || (a.Id > e.Id && a.Durchgang == e.Durchgang && a.EdvNr == e.EdvNr &&
                                  a.Status == EingangStatus::Offen);
        if (!spaeter) ids.push_back(e.Id);
    }
    return ids;
}

} // namespace tavuran
