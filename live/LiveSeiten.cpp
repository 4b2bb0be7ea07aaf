#include "live/LiveSeiten.h"

#include <cctype>
#include <string_view>

#include "core/Eingabe.h"
#include "evaluation/ErgebnisAngaben.h"
#include "exchange/HtmlListen.h"
#include "reports/QrCode.h"

namespace tavuran {

const char* const LiveSkript = R"JS((function () {
  'use strict';
  function stand(d) {
    var m = d.querySelector('meta[name="tavuran-stand"]');
    return m ? m.getAttribute('content') : '';
  }
  var jetzt = stand(document);
  var laeuft = false;
  function neu() {
    if (laeuft) return;
    laeuft = true;
    fetch(location.pathname, { cache: 'no-store' }).then(function (r) {
      return r.ok ? r.text() : Promise.reject(r.status);
    }).then(function (t) {
      var d = new DOMParser().parseFromString(t, 'text/html');
      document.body.innerHTML = d.body.innerHTML;
      jetzt = stand(d);
      var m = document.querySelector('meta[name="tavuran-stand"]');
      if (m) m.setAttribute('content', jetzt);
    }).catch(function () {}).then(function () { laeuft = false; });
  }
  function pruefe(s) { if (s && s !== jetzt) neu(); }
  if (window.EventSource) {
    var q = new EventSource('/ereignisse');
    q.addEventListener('stand', function (e) { pruefe(e.data); });
  } else {
    setInterval(function () {
      fetch('/stand', { cache: 'no-store' }).then(function (r) { return r.text(); }).then(pruefe).catch(function () {});
    }, 2000);
  }
})();
)JS";

namespace {

constexpr const char* LiveStil =
    "<style>"
    ".live-nav{display:flex;flex-wrap:wrap;gap:4px 12px;font:15px sans-serif;margin:0 0 8px 0;padding:6px;background:#eef}"
    ".live-nav a{white-space:nowrap}"
    ".live-aktuell{font:bold 14px sans-serif;margin:4px 0 8px 0;color:#800}"
    // The round and group flown now, on the start list.
    "h2.aktuell{display:inline-block;background:#ffe58a;padding:2px 6px}"
    "tr.aktuell>td{background:#ffe58a}"
    "table{max-width:100%}"
    "</style>";

std::string Kopf(const std::string& Titel, long Stand, bool MitSkript) {
    std::string s = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    s += "<title>" + HtmlText(Titel) + "</title>\n";
    if (MitSkript) {
        s += "<meta name=\"tavuran-stand\" content=\"" + std::to_string(Stand) + "\">\n";
        s += "<script src=\"/live.js\" defer></script>\n";
    }
    s += "<style>body{font:16px sans-serif;margin:12px;max-width:40em}"
         "label{display:block;margin-top:10px;font-weight:bold}"
         "input{font-size:20px;width:100%;box-sizing:border-box;padding:6px}"
         "button{font-size:20px;margin-top:14px;padding:8px 16px}"
         ".fehler{color:#b00;font-weight:bold}.ok{color:#070;font-weight:bold}"
         "table{border-collapse:collapse}td,th{border-bottom:1px solid #ccc;padding:3px 6px;text-align:left}"
         "</style>\n</head>\n";
    return s;
}

std::string Navigation(const WettbewerbTyp* Wett) {
    std::string s = "<nav class=\"live-nav\"><a href=\"/\">Übersicht</a>";
    for (const LiveListeTyp& l : LiveListen(Wett)) s += "<a href=\"" + HtmlText(l.Pfad) + "\">" + HtmlText(l.Titel) + "</a>";
    s += "</nav>";
    return s;
}

std::string Aktuell(const WettbewerbTyp* Wett) {
    const AktuellerFlugTyp a = AktuellerFlug(Wett);
    if (a.Durchgang < 1) return {};
    return "<div class=\"live-aktuell\">Jetzt: " + HtmlText(GetDurchgangBezeichner(Wett, a.Durchgang, false, true)) +
           ", Gruppe " + std::to_string(a.Gruppe) + "</div>";
}

// Whether the line starts with the tag p ("<meta", "</head"), in any case,
// after blanks: the tag's name must end there, so that "</header>" is not
// taken for the end of the head.
bool Beginnt(std::string_view s, std::string_view p) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (s.size() - i < p.size()) return false;
    for (std::size_t k = 0; k < p.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(s[i + k])) != p[k]) return false;
    return s.size() - i == p.size() || !std::isalnum(static_cast<unsigned char>(s[i + p.size()]));
}

// Makes the live page from a list's lines as the export hands them on: the
// code page's charset line becomes UTF-8's, the head gets the phone's width
// (unless the list brings its own), the version and the script, the body
// starts with the navigation and the current round. The page is written into
// Seite line by line while the list is made.
class LiveSeitenSchreiber {
  public:
    LiveSeitenSchreiber(const WettbewerbTyp* Wett, long Stand, std::string& Seite)
        : wett_(Wett), stand_(Stand), s_(Seite) {}

    // A piece of whole lines, each ended by CR LF.
    void Teil(std::string_view t) {
        while (!t.empty()) {
            const std::size_t e = t.find("\r\n");
            Zeile(t.substr(0, e));
            t.remove_prefix(e == std::string_view::npos ? t.size() : e + 2);
        }
    }

    // Called once after the last piece.
    void Ende() {
        if (!html5_) s_.insert(0, "<!DOCTYPE html>\n");
    }

  private:
    void Zeile(std::string_view z) {
        if (Beginnt(z, "<!doctype")) html5_ = true;
        if (!kopfEnde_ && z.find("name=\"viewport\"") != std::string_view::npos) viewport_ = true;
        if (Beginnt(z, "<meta") && z.find("charset") != std::string_view::npos) {
            // The live page is UTF-8, whatever code page a file would announce.
            s_ += "<meta charset=\"utf-8\">\n";
            return;
        }
        if (Beginnt(z, "</head")) {
            kopfEnde_ = true;
            if (!viewport_)
                s_ += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
            s_ += "<meta name=\"tavuran-stand\" content=\"" + std::to_string(stand_) + "\">\n";
            s_ += "<script src=\"/live.js\" defer></script>\n";
            s_ += LiveStil;
            s_ += "\n";
        }
        s_ += z;
        s_ += "\n";
        if (Beginnt(z, "<body")) s_ += Navigation(wett_) + Aktuell(wett_) + "\n";
    }

    const WettbewerbTyp* wett_;
    long stand_;
    std::string& s_;
    bool html5_ = false, viewport_ = false, kopfEnde_ = false;
};

} // namespace

std::vector<LiveListeTyp> LiveListen(const WettbewerbTyp*) {
    return {{"/ergebnis", "Ergebnisliste"}, {"/wertungen", "Wertungen"}, {"/start", "Startliste"}, {"/team", "Teamergebnis"}};
}

bool LiveListenSeite(WettbewerbTyp* Wett, const std::string& Pfad, long Stand, std::string& Seite) {
    Seite.clear();
    if (!Wett) return false;
    const bool Ergebnis = Pfad == "/ergebnis" || Pfad == "/wertungen";
    if (!Ergebnis && Pfad != "/start" && Pfad != "/team") return false;
    LiveSeitenSchreiber Schreiber(Wett, Stand, Seite);
    HtmlDokument Doc;
    Doc.Ausgabe = [&Schreiber](std::string_view t) {
        Schreiber.Teil(t);
        return true;
    };
    if (Ergebnis) {
        // The result list, and with it the score lists of every round.
        HtmlErgebnisOptionen o;
        o.Wertungslisten = Pfad == "/wertungen";
        o.GesamtLinks = false;
        HtmlErgebnisSeite(Doc, Wett, o);
    } else {
        Doc.Lines = (Pfad == "/start" ? StartListHtml(Wett, {}) : TeamErgebnisHtml(Wett, {})).Lines;
    }
    HtmlWeitergeben(Doc, true);
    Schreiber.Ende();
    return true;
}

std::string LiveStartSeite(const WettbewerbTyp* Wett, long Stand) {
    std::string s = Kopf(Wett ? Wett->Name : "Live-Ergebnisse", Stand, true);
    s += "<body>\n<h1>" + HtmlText(Wett ? Wett->Name : std::string("Kein Wettbewerb")) + "</h1>\n" + Aktuell(Wett) +
         "\n<ul>\n";
    for (const LiveListeTyp& l : LiveListen(Wett))
        s += "<li><a href=\"" + HtmlText(l.Pfad) + "\">" + HtmlText(l.Titel) + "</a></li>\n";
    s += "</ul>\n</body>\n</html>\n";
    return s;
}

std::string LiveEingabeSeite(const LiveFlugTyp& Flug, const std::string& Code, const std::vector<std::string>& Werte,
                             const std::string& Meldung, bool Fehler, const std::vector<const EingangTyp*>& Eingaenge) {
    std::string s = Kopf("Eingabe: " + Flug.Name, 0, false);
    s += "<body>\n<h1>" + HtmlText(Flug.Name) + "</h1>\n<p>Startnummer " + std::to_string(Flug.StartNr) + "<br>" +
         HtmlText(Flug.Runde) + (Flug.Gruppe > 0 ? ", Gruppe " + std::to_string(Flug.Gruppe) : std::string()) +
         "</p>\n";
    if (!Meldung.empty())
        s += std::string("<p class=\"") + (Fehler ? "fehler" : "ok") + "\">" + HtmlText(Meldung) + "</p>\n";
    s += "<form method=\"post\" action=\"/e/" + HtmlText(Code) + "\" accept-charset=\"utf-8\">\n";
    for (std::size_t k = 0; k < Flug.Koepfe.size(); ++k) {
        const std::string id = "w" + std::to_string(k + 1);
        const std::string wert = k < Werte.size() ? Werte[k] : std::string();
        s += "<label for=\"" + id + "\">" + HtmlText(Flug.Koepfe[k]) + "</label>\n";
        s += "<input id=\"" + id + "\" name=\"" + id + "\" value=\"" + HtmlText(wert) +
             "\" autocomplete=\"off\" maxlength=\"40\">\n";
    }
    s += "<button type=\"submit\">Senden</button>\n</form>\n";
    if (!Eingaenge.empty()) {
        s += "<h2>Gesendet</h2>\n<table>\n<tr><th>Zeit</th><th>Werte</th><th>Stand</th></tr>\n";
        for (auto it = Eingaenge.rbegin(); it != Eingaenge.rend(); ++it) {
            const EingangTyp& e = **it;
            std::string w;
            for (std::size_t k = 0; k < e.Werte.size(); ++k) w += (k ? " · " : "") + e.Werte[k];
            s += "<tr><td>" + HtmlText(e.Zeit.size() > 11 ? e.Zeit.substr(11) : e.Zeit) + "</td><td>" + HtmlText(w) +
                 "</td><td>" + HtmlText(EingangStatusText(e)) + "</td></tr>\n";
        }
        s += "</table>\n";
    }
    s += "</body>\n</html>\n";
    return s;
}

std::string LiveMeldungsSeite(const std::string& Titel, const std::string& Text) {
    return Kopf(Titel, 0, false) + "<body>\n<h1>" + HtmlText(Titel) + "</h1>\n<p class=\"fehler\">" + HtmlText(Text) +
           "</p>\n<p><a href=\"/\">Zur Übersicht</a></p>\n</body>\n</html>\n";
}

std::string LiveQrSvg(const std::string& Text, int Modul) {
    const QrMatrixTyp q = QrCodeBerechnen(Text);
    if (q.Groesse <= 0) return {};
    const int n = (q.Groesse + 8) * Modul;
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(n) + "\" height=\"" +
                    std::to_string(n) + "\" viewBox=\"0 0 " + std::to_string(n) + " " + std::to_string(n) +
                    "\"><rect width=\"100%\" height=\"100%\" fill=\"#fff\"/><path fill=\"#000\" d=\"";
    for (int y = 0; y < q.Groesse; ++y)
        for (int x = 0; x < q.Groesse; ++x)
            if (q.At(x, y))
                s += "M" + std::to_string((x + 4) * Modul) + " " + std::to_string((y + 4) * Modul) + "h" +
                     std::to_string(Modul) + "v" + std::to_string(Modul) + "h-" + std::to_string(Modul) + "z";
    s += "\"/></svg>";
    return s;
}

} // namespace tavuran
