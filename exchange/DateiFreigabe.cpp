#include "exchange/DateiFreigabe.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/L_FILE.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "core/UiHooks.h"
#include "exchange/DateiZugriff.h"
#include "exchange/DatenWettbewerbDatei.h"

namespace fs = std::filesystem;

namespace tavuran {

namespace {

constexpr const char* FreigabeSchluessel = "Freigaben";
constexpr const char* FrageTitel = "Pfad aus der Wettbewerbsdatei";

// A name as it is compared: absolute, links resolved where they exist.
std::string Normal(const std::string& Datei) {
    if (Datei.empty()) return {};
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(L_FILE_Pfad(Datei), ec), ec);
    if (ec) p = fs::absolute(L_FILE_Pfad(Datei), ec).lexically_normal();
    return L_FILE_PfadText(p);
}

// The value that holds the confirmations of one competition file.
std::string WertName(const std::string& NormalDatei) {
    if (NormalDatei.empty()) return "ohne_datei";
    static const char* const ziffern = "0123456789abcdef";
    std::uint64_t h = InhaltPruefsumme(NormalDatei);
    std::string s(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) s[static_cast<std::size_t>(i)] = ziffern[h & 15];
    return s;
}

struct Eintrag {
    int Art;
    std::string Ziel;
};

// The confirmations stored for a file: the first line names the file (so a
// clash of the short value names is noticed), then "kind<TAB>target" lines.
std::vector<Eintrag> Lesen(const std::string& NormalDatei) {
    std::vector<Eintrag> liste;
    const std::string wert = L_REGIST_GetStringValue(WertName(NormalDatei), FreigabeSchluessel);
    std::size_t a = 0;
    bool erste = true;
    while (a < wert.size()) {
        std::size_t e = wert.find('\n', a);
        if (e == std::string::npos) e = wert.size();
        const std::string zeile = wert.substr(a, e - a);
        a = e + 1;
        if (erste) {
            if (zeile != NormalDatei) return {};
            erste = false;
            continue;
        }
        const std::size_t tab = zeile.find('\t');
        if (tab == std::string::npos || tab == 0) continue;
        liste.push_back({L_STR_CnvStrToInteger(zeile.substr(0, tab)), zeile.substr(tab + 1)});
    }
    return liste;
}

void Schreiben(const std::string& NormalDatei, const std::vector<Eintrag>& Liste) {
    if (Liste.empty()) {
        L_REGIST_DelValue(WertName(NormalDatei), FreigabeSchluessel);
        return;
    }
    std::string wert = NormalDatei;
    for (const Eintrag& e : Liste) wert += "\n" + std::to_string(e.Art) + "\t" + e.Ziel;
    L_REGIST_SetStringValue(WertName(NormalDatei), FreigabeSchluessel, wert);
}

std::string WasWohin(WunschArt Art) {
    switch (Art) {
    case WunschArt::Parallelkopie: return "seine Parallelkopie";
    case WunschArt::HtmlErgebnis: return "seine Ergebnisliste (HTML)";
    case WunschArt::HtmlMeldung: return "seine Meldungsliste (HTML)";
    case WunschArt::HtmlStartliste: return "seine Startlisten (HTML)";
    case WunschArt::HtmlTeamergebnis: return "sein Teamergebnis (HTML)";
    case WunschArt::Teilwettbewerb: return "seinen Teilwettbewerb";
    }
    return {};
}

std::string Klein(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

DateiArt DateiArtErmitteln(const std::string& Datei) {
    if (Datei.empty()) return DateiArt::Fehlt;
    const int fd = ::open(L_FILE_PfadText(L_FILE_Pfad(Datei)).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        struct stat st {};
        return ::stat(Datei.c_str(), &st) == 0 ? DateiArt::Andere : DateiArt::Fehlt;
    }
    struct stat st {};
    std::string anfang;
    DateiArt art = DateiArt::Andere;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        art = DateiArt::Sonderdatei;
    } else {
        char puffer[4096];
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n > 0) anfang.assign(puffer, static_cast<std::size_t>(n));
        std::size_t a = anfang.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
        while (a < anfang.size() && (anfang[a] == ' ' || anfang[a] == '\t' || anfang[a] == '\r' || anfang[a] == '\n'))
            ++a;
        const std::string kopf = Klein(anfang.substr(a));
        if (anfang.empty())
            art = DateiArt::Fehlt; // nothing to lose
        else if (anfang.compare(a, DateiKennung.size(), DateiKennung) == 0)
            art = DateiArt::Wettbewerb;
        else if (kopf.rfind("<!doctype html", 0) == 0 || kopf.rfind("<html", 0) == 0 || kopf.find("<html") != std::string::npos)
            art = DateiArt::HtmlSeite;
    }
    ::close(fd);
    return art;
}

bool WunschFreigegeben(const std::string& WettDatei, WunschArt Art, const std::string& Ziel) {
    if (Ziel.empty()) return false;
    const std::string ziel = Normal(Ziel);
    for (const Eintrag& e : Lesen(Normal(WettDatei)))
        if (e.Art == static_cast<int>(Art) && e.Ziel == ziel) return true;
    return false;
}

void WunschFreigeben(const std::string& WettDatei, WunschArt Art, const std::string& Ziel) {
    if (Ziel.empty() || WunschFreigegeben(WettDatei, Art, Ziel)) return;
    const std::string datei = Normal(WettDatei);
    std::vector<Eintrag> liste = Lesen(datei);
    liste.push_back({static_cast<int>(Art), Normal(Ziel)});
    Schreiben(datei, liste);
}

void WunschFreigabenUebertragen(const std::string& Von, const std::string& Nach) {
    const std::string von = Normal(Von), nach = Normal(Nach);
    if (von == nach) return;
    std::vector<Eintrag> liste = Lesen(nach);
    for (const Eintrag& e : Lesen(von)) {
        bool da = false;
        for (const Eintrag& n : liste) da = da || (n.Art == e.Art && n.Ziel == e.Ziel);
        if (!da) liste.push_back(e);
    }
    Schreiben(nach, liste);
}

std::string WunschFrage(WunschArt Art, const std::string& Ziel) {
    const std::string verb = Art == WunschArt::Teilwettbewerb ? " aus „" + Ziel + "“ lesen." : " nach „" + Ziel + "“ schreiben.";
    return "Dieser Wettbewerb möchte " + WasWohin(Art) + verb +
           " Zulassen?\n\nDer Name steht in der Wettbewerbsdatei, die auch von jemand anderem stammen kann. Mit "
           "„Nein“ wird " +
           (Art == WunschArt::Teilwettbewerb ? std::string("diese Datei nicht gelesen.") : std::string("dort nichts geschrieben."));
}

std::string ArtFrage(WunschArt Art, const std::string& Ziel, DateiArt Vorhanden) {
    if (Vorhanden == DateiArt::Fehlt || Art == WunschArt::Teilwettbewerb) return {};
    if (Art == WunschArt::Parallelkopie) {
        if (Vorhanden == DateiArt::Wettbewerb) return {};
        return "„" + Ziel + "“ ist keine Wettbewerbsdatei. Soll die Parallelkopie sie trotzdem ersetzen?";
    }
    if (Vorhanden == DateiArt::HtmlSeite) return {};
    return "„" + Ziel + "“ ist keine HTML-Seite" +
           (Vorhanden == DateiArt::Wettbewerb ? std::string(", sondern eine Wettbewerbsdatei") : std::string()) +
           ". Soll die HTML-Liste sie trotzdem ersetzen?";
}

WunschPruefung WunschPruefen(const std::string& WettDatei, WunschArt Art, const std::string& Ziel,
                             ZielHerkunft Herkunft) {
    WunschPruefung p;
    if (Ziel.empty()) {
        p.Ablehnen = true;
        p.Grund = "Es ist kein Dateiname angegeben.";
        return p;
    }
    const DateiArt art = DateiArtErmitteln(Ziel);
    if (art == DateiArt::Sonderdatei) {
        p.Ablehnen = true;
        p.Grund = "„" + Ziel + "“: " + KeineGewoehnlicheDatei(Ziel) + " Dort wird nichts geschrieben oder gelesen.";
        return p;
    }
    p.Freigeben = true;
    if (Herkunft == ZielHerkunft::Dialog) return p;
    const bool bestaetigt = WunschFreigegeben(WettDatei, Art, Ziel);
    const std::string artFrage = Art == WunschArt::Teilwettbewerb ? std::string() : ArtFrage(Art, Ziel, art);
    if (!bestaetigt) {
        if (Herkunft == ZielHerkunft::Datei)
            p.Fragen.push_back(WunschFrage(Art, Ziel));
        else if (art != DateiArt::Fehlt && artFrage.empty())
            p.Fragen.push_back("Die Datei „" + Ziel + "“ gibt es schon. Soll sie ersetzt werden?");
    }
    if (!artFrage.empty()) p.Fragen.push_back(artFrage);
    return p;
}

bool WunschErlauben(const std::string& WettDatei, WunschArt Art, const std::string& Ziel, ZielHerkunft Herkunft) {
    const WunschPruefung p = WunschPruefen(WettDatei, Art, Ziel, Herkunft);
    if (p.Ablehnen) {
        UiWarnung(FrageTitel, p.Grund);
        return false;
    }
    for (std::size_t i = 0; i < p.Fragen.size(); ++i) {
        if (UiFrage(FrageTitel, p.Fragen[i]) != UiAntwort::Ja) return false;
        if (i == 0 && p.Freigeben) WunschFreigeben(WettDatei, Art, Ziel);
    }
    if (p.Fragen.empty() && p.Freigeben) WunschFreigeben(WettDatei, Art, Ziel);
    return true;
}

std::vector<bool> TeilwettbewerbeErlauben(const std::string& WettDatei, const std::vector<std::string>& Dateien) {
    std::vector<bool> lesen(Dateien.size(), false);
    std::vector<std::size_t> offen;
    for (std::size_t i = 0; i < Dateien.size(); ++i) {
        const std::string& d = Dateien[i];
        // Nothing to read, or nothing that may be read: not asked about.
        if (d.empty() || !L_FILE_Exist(d) || DateiArtErmitteln(d) == DateiArt::Sonderdatei) continue;
        if (WunschFreigegeben(WettDatei, WunschArt::Teilwettbewerb, d))
            lesen[i] = true;
        else
            offen.push_back(i);
    }
    if (offen.empty()) return lesen;
    std::string frage;
    if (offen.size() == 1) {
        frage = WunschFrage(WunschArt::Teilwettbewerb, Dateien[offen[0]]);
    } else {
        frage = "Dieser Wettbewerb möchte seine Teilwettbewerbe aus diesen Dateien lesen:\n";
        for (std::size_t i : offen) frage += "„" + Dateien[i] + "“\n";
        frage += "Zulassen?\n\nDie Namen stehen in der Wettbewerbsdatei, die auch von jemand anderem stammen kann. "
                 "Mit „Nein“ werden diese Dateien nicht gelesen.";
    }
    if (UiFrage(FrageTitel, frage) != UiAntwort::Ja) return lesen;
    for (std::size_t i : offen) {
        WunschFreigeben(WettDatei, WunschArt::Teilwettbewerb, Dateien[i]);
        lesen[i] = true;
    }
    return lesen;
}

} // namespace tavuran
