#include "live/HttpAnfrage.h"

#include <algorithm>

namespace tavuran {

namespace {

std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string_view Trimmen(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool Token(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
            return false;
    return true;
}

int HexWert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

HttpLeser::Zustand HttpLeser::Lesen(std::string_view Bytes) {
    if (Fehler_) return Zustand::Fehler;
    // Never more than the limit (and a little of the next request) in memory.
    if (Puffer_.size() + Bytes.size() > 2 * HttpMaxAnfrage) {
        Fehler_ = 413;
        return Zustand::Fehler;
    }
    Puffer_.append(Bytes);
    return Fertig_ ? Zustand::Fertig : Pruefen();
}

HttpLeser::Zustand HttpLeser::Weiter() {
    if (Fehler_) return Zustand::Fehler;
    Fertig_ = false;
    Anfrage_ = {};
    return Pruefen();
}

HttpLeser::Zustand HttpLeser::Pruefen() {
    // Blank lines between requests are allowed.
    while (Puffer_.size() >= 2 && Puffer_[0] == '\r' && Puffer_[1] == '\n') Puffer_.erase(0, 2);
    const std::size_t ende = Puffer_.find("\r\n\r\n");
    if (ende == std::string::npos) {
        if (Puffer_.size() > HttpMaxAnfrage) {
            Fehler_ = 431;
            return Zustand::Fehler;
        }
        return Zustand::Weiter;
    }
    if (ende + 4 > HttpMaxAnfrage) {
        Fehler_ = 431;
        return Zustand::Fehler;
    }
    const std::string_view kopf(Puffer_.data(), ende);
    const std::size_t z1 = kopf.find("\r\n");
    const std::string_view zeile = kopf.substr(0, z1);
    // Request line: method SP target SP version.
    const std::size_t a = zeile.find(' ');
    const std::size_t b = a == std::string_view::npos ? a : zeile.find(' ', a + 1);
    if (b == std::string_view::npos || zeile.find(' ', b + 1) != std::string_view::npos) {
        Fehler_ = 400;
        return Zustand::Fehler;
    }
    HttpAnfrage r;
    r.Methode = std::string(zeile.substr(0, a));
    const std::string_view ziel = zeile.substr(a + 1, b - a - 1);
    const std::string_view version = zeile.substr(b + 1);
    if (!Token(r.Methode) || ziel.empty() || ziel[0] != '/') {
        Fehler_ = ziel.size() > 2048 ? 414 : 400;
        return Zustand::Fehler;
    }
    if (version != "HTTP/1.1" && version != "HTTP/1.0") {
        Fehler_ = 505;
        return Zustand::Fehler;
    }
    r.Schliessen = version == "HTTP/1.0";
    const std::size_t q = ziel.find('?');
    if (!HttpDekodieren(ziel.substr(0, q), false, r.Pfad) || !HttpUtf8Text(r.Pfad) ||
        r.Pfad.find('\0') != std::string::npos) {
        Fehler_ = 400;
        return Zustand::Fehler;
    }
    if (q != std::string_view::npos) r.Abfrage = std::string(ziel.substr(q + 1));
    std::size_t p = z1 == std::string_view::npos ? kopf.size() : z1 + 2;
    while (p < kopf.size()) {
        std::size_t e = kopf.find("\r\n", p);
        if (e == std::string_view::npos) e = kopf.size();
        const std::string_view z = kopf.substr(p, e - p);
        p = e + 2;
        const std::size_t d = z.find(':');
        if (d == std::string_view::npos || !Token(z.substr(0, d))) {
            Fehler_ = 400;
            return Zustand::Fehler;
        }
        const std::string name = Klein(z.substr(0, d));
        const std::string wert(Trimmen(z.substr(d + 1)));
        if (name == "content-length" && r.Kopf.count(name) && r.Kopf[name] != wert) {
            Fehler_ = 400; // two different lengths: a request smuggled past the limit
            return Zustand::Fehler;
        }
        r.Kopf[name] = wert;
    }
    if (r.Kopf.count("transfer-encoding")) {
        Fehler_ = 501;
        return Zustand::Fehler;
    }
    std::size_t laenge = 0;
    if (auto it = r.Kopf.find("content-length"); it != r.Kopf.end()) {
        const std::string& s = it->second;
        if (s.empty() || s.size() > 9 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            Fehler_ = s.size() > 9 ? 413 : 400;
            return Zustand::Fehler;
        }
        laenge = std::stoul(s);
    }
    if (ende + 4 + laenge > HttpMaxAnfrage) {
        Fehler_ = 413;
        return Zustand::Fehler;
    }
    if (Puffer_.size() < ende + 4 + laenge) return Zustand::Weiter;
    r.Rumpf = Puffer_.substr(ende + 4, laenge);
    if (auto it = r.Kopf.find("connection"); it != r.Kopf.end()) {
        const std::string c = Klein(it->second);
        if (c == "close") r.Schliessen = true;
        if (c == "keep-alive") r.Schliessen = false;
    }
    Puffer_.erase(0, ende + 4 + laenge);
    Anfrage_ = std::move(r);
    Fertig_ = true;
    return Zustand::Fertig;
}

bool HttpDekodieren(std::string_view Text, bool Formular, std::string& Ergebnis) {
    Ergebnis.clear();
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '%') {
            if (i + 2 >= Text.size()) return false;
            const int h = HexWert(Text[i + 1]), l = HexWert(Text[i + 2]);
            if (h < 0 || l < 0) return false;
            Ergebnis += static_cast<char>(h * 16 + l);
            i += 2;
        } else if (c == '+' && Formular) {
            Ergebnis += ' ';
        } else {
            Ergebnis += c;
        }
    }
    return true;
}

bool HttpUtf8Text(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t') || c == 0x7f) return false;
            ++i;
            continue;
        }
        int n = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if ((c & 0xe0) == 0xc0) n = 1, cp = c & 0x1f, min = 0x80;
        else if ((c & 0xf0) == 0xe0) n = 2, cp = c & 0x0f, min = 0x800;
        else if ((c & 0xf8) == 0xf0) n = 3, cp = c & 0x07, min = 0x10000;
        else return false;
        if (i + static_cast<std::size_t>(n) >= s.size()) return false;
        for (int k = 1; k <= n; ++k) {
            const unsigned char f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((f & 0xc0) != 0x80) return false;
            cp = (cp << 6) | (f & 0x3f);
        }
        if (cp < min || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return false;
        i += static_cast<std::size_t>(n) + 1;
    }
    return true;
}

bool HttpFormularLesen(std::string_view Text, std::vector<std::pair<std::string, std::string>>& Felder) {
    Felder.clear();
    std::size_t a = 0;
    while (a <= Text.size() && !Text.empty()) {
        std::size_t e = Text.find('&', a);
        if (e == std::string_view::npos) e = Text.size();
        const std::string_view teil = Text.substr(a, e - a);
        if (!teil.empty()) {
            const std::size_t g = teil.find('=');
            std::string n, w;
            if (!HttpDekodieren(teil.substr(0, g), true, n)) return false;
            if (g != std::string_view::npos && !HttpDekodieren(teil.substr(g + 1), true, w)) return false;
            if (!HttpUtf8Text(n) || !HttpUtf8Text(w)) return false;
            Felder.emplace_back(std::move(n), std::move(w));
        }
        a = e + 1;
        if (e == Text.size()) break;
    }
    return true;
}

std::string_view HttpStatusText(int Status) {
    switch (Status) {
    case 200: return "OK";
    case 303: return "See Other";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 414: return "URI Too Long";
    case 422: return "Unprocessable Content";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 503: return "Service Unavailable";
    case 505: return "HTTP Version Not Supported";
    }
    return "Status";
}

std::string_view HttpRumpf(const HttpAntwort& a) {
    return a.Seite ? std::string_view(*a.Seite) : a.Rumpf;
}

std::string HttpAntwortKopf(const HttpAntwort& a, bool Schliessen) {
    std::string s = "HTTP/1.1 " + std::to_string(a.Status) + " " + std::string(HttpStatusText(a.Status)) + "\r\n";
    s += "Content-Type: " + a.Typ + "\r\n";
    if (!a.Ereignisstrom) s += "Content-Length: " + std::to_string(HttpRumpf(a).size()) + "\r\n";
    s += "Cache-Control: no-store\r\n";
    s += "X-Content-Type-Options: nosniff\r\n";
    s += "Referrer-Policy: no-referrer\r\n";
    s += "Content-Security-Policy: default-src 'self'; style-src 'self' 'unsafe-inline'; img-src 'self' data:; "
         "frame-ancestors 'none'; form-action 'self'\r\n";
    for (const auto& [n, w] : a.Kopf) s += n + ": " + w + "\r\n";
    s += Schliessen ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    s += "\r\n";
    return s;
}

std::string HttpAntwortBytes(const HttpAntwort& a, bool Schliessen, bool OhneRumpf) {
    std::string s = HttpAntwortKopf(a, Schliessen);
    if (!OhneRumpf) s += HttpRumpf(a);
    return s;
}

} // namespace tavuran
