// Reading HTTP/1.1 requests from the bytes a connection delivers, with the
// limits of the live server: a request (head and body) of at most 64 KB, no
// chunked bodies, a body only as long as Content-Length says. The parser is
// fed the bytes as they arrive and tells when a request is complete or must
// be refused; it never holds more than the limit.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavuran {

inline constexpr std::size_t HttpMaxAnfrage = 64 * 1024;

struct HttpAnfrage {
    std::string Methode; // "GET", "POST", ...
    std::string Pfad;    // percent-decoded path, without the query
    std::string Abfrage; // the query after "?", undecoded
    std::map<std::string, std::string> Kopf; // header names in lower case
    std::string Rumpf;
    bool Schliessen = false; // the client asked to close the connection (or spoke HTTP/1.0)
};

class HttpLeser {
  public:
    enum class Zustand { Weiter, Fertig, Fehler };
    // Appends bytes; Fertig when a request is complete (then Anfrage() holds
    // it and Weiter() starts on the next one with the bytes left over),
    // Fehler with the status to answer (400, 413, 414, 431, 501, 505).
    Zustand Lesen(std::string_view Bytes);
    const HttpAnfrage& Anfrage() const { return Anfrage_; }
    int FehlerStatus() const { return Fehler_; }
    // Starts on the next request of the connection.
    Zustand Weiter();

  private:
    Zustand Pruefen();
    std::string Puffer_;
    HttpAnfrage Anfrage_;
    int Fehler_ = 0;
    bool Fertig_ = false;
};

// The fields of a form body or query (application/x-www-form-urlencoded), in
// order; false when an escape is broken or a text is not UTF-8.
bool HttpFormularLesen(std::string_view Text, std::vector<std::pair<std::string, std::string>>& Felder);
// Percent-decoding ("+" as blank when Formular); false on a broken escape.
bool HttpDekodieren(std::string_view Text, bool Formular, std::string& Ergebnis);
// True when the text is well-formed UTF-8 without control characters other than TAB.
bool HttpUtf8Text(std::string_view Text);

struct HttpAntwort {
    int Status = 200;
    std::string Typ = "text/html; charset=utf-8";
    std::string Rumpf;
    // A page the live service keeps, sent as the body instead of Rumpf. It is
    // shared by every answer that sends it: a result list of megabytes is not
    // copied for each phone, and it lives until the last of them has it.
    std::shared_ptr<const std::string> Seite;
    std::vector<std::pair<std::string, std::string>> Kopf; // further headers
    bool Ereignisstrom = false; // the connection stays open for server-sent events
};

// The German reason phrase of a status ("Not Found" etc. are the protocol's words).
std::string_view HttpStatusText(int Status);
// The body of an answer: the kept page, or else Rumpf.
std::string_view HttpRumpf(const HttpAntwort& Antwort);
// The status line and headers of an answer (length, type, no caching, the
// page may use only its own resources), up to the blank line.
std::string HttpAntwortKopf(const HttpAntwort& Antwort, bool Schliessen);
// The bytes of an answer: its head and body; HEAD leaves the body out.
std::string HttpAntwortBytes(const HttpAntwort& Antwort, bool Schliessen, bool OhneRumpf = false);

} // namespace tavuran
