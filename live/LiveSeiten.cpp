#include "live/LiveSeiten.h"

#include <cctype>

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

bool Beginnt(const std::string& s, std::string_view p) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (s.size() - i < p.size()) return false;
    for (std::size_t k = 0; k < p.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(s[i + k])) != p[k]) return false;
    return true;
}

} // namespace

std::vector<LiveListeTyp> LiveListen(const WettbewerbTyp*) {
    return {{"/ergebnis", "Ergebnisliste"}, {"/wertungen", "Wertungen"}, {"/start", "Startliste"}, {"/team", "Teamergebnis"}};
}

bool LiveListeBauen(WettbewerbTyp* Wett, const std::string& Pfad, HtmlDokument& Doc) {
    Doc = {};
    if (!Wett) return false;
    if (Pfad == "/ergebnis" || Pfad == "/wertungen") {
        // The result list, and with it the score lists of every round.
        HtmlErgebnisOptionen o;
        o.Wertungslisten = Pfad == "/wertungen";
        o.GesamtLinks = false;
        Doc = HtmlErgebnisDokument(Wett, o);
        return true;
    }
    if (Pfad == "/start") {
        Doc = StartListHtml(Wett, {});
        return true;
    }
    if (Pfad == "/team") {
        Doc = TeamErgebnisHtml(Wett, {});
        return true;
    }
    return false;
}

std::string LiveListenSeite(const HtmlDokument& Doc, const WettbewerbTyp* Wett, long Stand) {
    bool viewport = false;
    for (const std::string& z : Doc.Lines) viewport = viewport || z.find("name=\"viewport\"") != std::string::npos;
    std::string s;
    bool html5 = false;
    for (const std::string& z : Doc.Lines) {
        if (Beginnt(z, "<!doctype")) html5 = true;
        if (Beginnt(z, "<meta") && z.find("charset") != std::string::npos) {
            // The live page is UTF-8, whatever code page a file would announce.
            s += "<meta charset=\"utf-8\">\n";
            continue;
        }
        if (Beginnt(z, "</head")) {
            if (!viewport) s += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
            s += "<meta name=\"tavuran-stand\" content=\"" + std::to_string(Stand) + "\">\n";
            s += "<script src=\"/live.js\" defer></script>\n";
            s += LiveStil;
            s += "\n";
        }
        s += z;
        s += "\n";
        if (Beginnt(z, "<body")) s += Navigation(Wett) + Aktuell(Wett) + "\n";
    }
    return html5 ? s : "<!DOCTYPE html>\n" + s;
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
