#include "live/LiveDienst.h"

#include <algorithm>
#include <filesystem>

#include "exchange/DateiZugriff.h"

#include "live/LiveEingabe.h"
#include "live/LiveSeiten.h"

namespace tavuran {

namespace {

HttpAntwort Seite(int Status, std::string Rumpf) {
    HttpAntwort a;
    a.Status = Status;
    a.Rumpf = std::move(Rumpf);
    return a;
}

HttpAntwort Meldung(int Status, const std::string& Titel, const std::string& Text) {
    return Seite(Status, LiveMeldungsSeite(Titel, Text));
}

} // namespace

HttpAntwort LiveAblehnung(int Status) {
    std::string text = "Die Anfrage ist fehlerhaft.";
    if (Status == 413 || Status == 431 || Status == 414) text = "Die Anfrage ist zu groß (höchstens 64 KB).";
    if (Status == 501) text = "Diese Art der Übertragung wird nicht unterstützt.";
    if (Status == 505) text = "Diese HTTP-Version wird nicht unterstützt.";
    return Meldung(Status, "Abgelehnt", text);
}

bool LiveDienst::Oeffnen(WettbewerbTyp* Wett, const std::string& WettbewerbDatei, std::string& Grund) {
    Schliessen();
    if (!Wett || WettbewerbDatei.empty()) {
        Grund = "Der Wettbewerb muss zuerst gespeichert werden: Zugangscodes und Eingänge liegen neben seiner Datei.";
        return false;
    }
    ZugangListeTyp z;
    EingaengeTyp e;
    if (!ZugangLesen(ZugangDateiName(WettbewerbDatei), z, Grund)) return false;
    if (!EingaengeLesen(EingangJournalName(WettbewerbDatei), e, Grund)) return false;
    Wett_ = Wett;
    Datei_ = WettbewerbDatei;
    Journal_ = EingangJournalName(WettbewerbDatei);
    Zugang_ = std::move(z);
    Eingaenge_ = std::move(e);
    Geaendert();
    return true;
}

void LiveDienst::Schliessen() {
    // Acceptances not saved are dropped with the competition: its file lacks
    // their values, so the journal rightly keeps them pending.
    Vorgemerkt_.clear();
    Wett_ = nullptr;
    Seiten_.clear();
    Frei_.clear();
    ++Stand_;
}

void LiveDienst::Geaendert() {
    ++Stand_;
    // The pages of the old version are served no more; each one's memory is
    // kept for its next one, unless an answer still being sent holds it.
    for (auto& [Pfad, Seite] : Seiten_)
        if (Seite.use_count() == 1) Frei_[Pfad] = std::move(*Seite);
    Seiten_.clear();
}

bool LiveDienst::ZugangNeuLesen(std::string& Grund) {
    if (!Wett_) return true;
    ZugangListeTyp z;
    if (!ZugangLesen(ZugangDateiName(Datei_), z, Grund)) return false;
    Zugang_ = std::move(z);
    return true;
}

bool LiveDienst::JournalNeuLesen(std::string& Grund) {
    if (!Wett_) return true;
    EingaengeTyp e;
    if (!EingaengeLesen(Journal_, e, Grund)) return false;
    Eingaenge_ = std::move(e);
    std::string g;
    for (int id : Vorgemerkt_) EingangAngenommenSetzen(Eingaenge_, id, g);
    return true;
}

bool LiveDienst::AnnahmeVormerken(int Id, std::string& Grund) {
    if (!Wett_) {
        Grund = "Zurzeit ist kein Wettbewerb geöffnet.";
        return false;
    }
    if (!EingangAngenommenSetzen(Eingaenge_, Id, Grund)) return false;
    if (std::find(Vorgemerkt_.begin(), Vorgemerkt_.end(), Id) == Vorgemerkt_.end()) Vorgemerkt_.push_back(Id);
    return true;
}

bool LiveDienst::Gespeichert(const std::string& WettbewerbDatei, std::string& Grund) {
    if (!Wett_ || WettbewerbDatei.empty()) return true;
    if (!DateienGleich(WettbewerbDatei, Datei_)) {
        std::error_code ec;
        for (const auto& [alt, neu] : {std::pair{ZugangDateiName(Datei_), ZugangDateiName(WettbewerbDatei)},
                                       std::pair{Journal_, EingangJournalName(WettbewerbDatei)}}) {
            if (std::filesystem::exists(alt, ec) && !DateiKopieren(alt, neu, Grund)) return false;
        }
        Datei_ = WettbewerbDatei;
        Journal_ = EingangJournalName(WettbewerbDatei);
    }
    while (!Vorgemerkt_.empty()) {
        if (!EingangAnnahmeSchreiben(Journal_, Vorgemerkt_.front(), Grund)) return false;
        Vorgemerkt_.erase(Vorgemerkt_.begin());
    }
    return true;
}

std::string LiveDienst::Ereignis() const { return "event: stand\ndata: " + std::to_string(Stand_) + "\n\n"; }

HttpAntwort LiveDienst::Beantworten(const HttpAnfrage& r, const std::string& Adresse, Zeitpunkt Jetzt) {
    Zaehler_.Anfrage(Adresse, Jetzt);
    const bool lesen = r.Methode == "GET" || r.Methode == "HEAD";
    constexpr std::string_view e = "/e/";
    if (r.Pfad.rfind(e, 0) == 0) {
        if (!lesen && r.Methode != "POST") {
            HttpAntwort a = Meldung(405, "Nicht erlaubt", "Diese Anfrage wird nicht angenommen.");
            a.Kopf.emplace_back("Allow", "GET, HEAD, POST");
            return a;
        }
        return Eingabe(r, r.Pfad.substr(e.size()), Adresse, Jetzt);
    }
    if (!lesen) {
        HttpAntwort a = Meldung(405, "Nicht erlaubt", "Diese Seite kann nur gelesen werden.");
        a.Kopf.emplace_back("Allow", "GET, HEAD");
        return a;
    }
    if (r.Pfad == "/live.js") {
        HttpAntwort a = Seite(200, LiveSkript);
        a.Typ = "text/javascript; charset=utf-8";
        return a;
    }
    if (r.Pfad == "/stand") {
        HttpAntwort a = Seite(200, std::to_string(Stand_));
        a.Typ = "text/plain; charset=utf-8";
        return a;
    }
    if (r.Pfad == "/ereignisse") {
        HttpAntwort a = Seite(200, "retry: 2000\n\n" + Ereignis());
        a.Typ = "text/event-stream; charset=utf-8";
        a.Ereignisstrom = true;
        return a;
    }
    if (!Wett_) return Meldung(503, "Kein Wettbewerb", "Zurzeit ist kein Wettbewerb geöffnet.");
    if (r.Pfad == "/") return Seite(200, LiveStartSeite(Wett_, Stand_));
    auto it = Seiten_.find(r.Pfad);
    if (it == Seiten_.end()) {
        // The page is made in the memory its page of the version before took:
        // at contest size it runs to megabytes, which then need not be fetched
        // from the system and copied while the page grows, after every change.
        std::string s;
        if (auto f = Frei_.find(r.Pfad); f != Frei_.end()) {
            s = std::move(f->second);
            Frei_.erase(f);
        }
        if (!LiveListenSeite(Wett_, r.Pfad, Stand_, s))
            return Meldung(404, "Nicht gefunden", "Diese Seite gibt es nicht.");
        it = Seiten_.emplace(r.Pfad, std::make_shared<std::string>(std::move(s))).first;
    }
    HttpAntwort a;
    a.Seite = it->second;
    return a;
}

HttpAntwort LiveDienst::Eingabe(const HttpAnfrage& r, const std::string& Code, const std::string& Adresse,
                                Zeitpunkt Jetzt) {
    const bool senden = r.Methode == "POST";
    // Every attempt to send counts, also one with a wrong code, so that codes cannot be tried out.
    if (senden && !Zaehler_.EingabeErlaubt(Adresse, Jetzt)) {
        HttpAntwort a = Meldung(429, "Zu viele Eingaben",
                                "Von diesem Gerät kamen in der letzten Minute zu viele Eingaben. Bitte kurz warten.");
        a.Kopf.emplace_back("Retry-After", "60");
        return a;
    }
    if (NurLesen_)
        return Meldung(403, "Keine Eingabe", "Die Eingabe per Telefon ist abgeschaltet; es werden nur Ergebnisse gezeigt.");
    if (!Wett_) return Meldung(503, "Kein Wettbewerb", "Zurzeit ist kein Wettbewerb geöffnet.");
    const ZugangEintragTyp* z = ZugangFinden(Zugang_, Code);
    if (!z) return Meldung(403, "Ungültiger Zugang", "Dieser Zugangscode gilt nicht (mehr). Bitte beim Schreiber melden.");
    const ZugangEintragTyp zugang = *z;
    LiveFlugTyp flug;
    std::string grund;
    if (!LiveFlug(Wett_, zugang.Durchgang, zugang.EdvNr, flug, grund)) return Meldung(422, "Keine Eingabe", grund);
    auto eingaenge = [&] {
        std::vector<const EingangTyp*> l;
        for (const EingangTyp& x : Eingaenge_.Liste)
            if (x.Durchgang == zugang.Durchgang && x.EdvNr == zugang.EdvNr) l.push_back(&x);
        return l;
    };
    if (!senden) return Seite(200, LiveEingabeSeite(flug, zugang.Code, {}, {}, false, eingaenge()));

    std::vector<std::pair<std::string, std::string>> felder;
    if (!HttpFormularLesen(r.Rumpf, felder))
        return Seite(400, LiveEingabeSeite(flug, zugang.Code, {}, "Die Eingabe ist beschädigt angekommen.", true,
                                           eingaenge()));
    std::vector<std::string> werte(flug.Koepfe.size());
    std::vector<bool> da(flug.Koepfe.size(), false);
    for (const auto& [n, w] : felder) {
        if (n.size() < 2 || n[0] != 'w' || n.size() > 3) continue;
        std::size_t k = 0;
        bool zahl = true;
        for (std::size_t i = 1; i < n.size(); ++i) {
            zahl = zahl && n[i] >= '0' && n[i] <= '9';
            k = k * 10 + static_cast<std::size_t>(n[i] - '0');
        }
        if (!zahl || k < 1 || k > werte.size() || da[k - 1] || w.size() > 40 || w.find('\t') != std::string::npos) {
            return Seite(400, LiveEingabeSeite(flug, zugang.Code, {}, "Die Eingabe passt nicht zu diesem Flug.", true,
                                               eingaenge()));
        }
        werte[k - 1] = w;
        da[k - 1] = true;
    }
    for (std::size_t k = 0; k < werte.size(); ++k) {
        if (!da[k]) werte[k].clear();
    }
    if (!EingangPruefen(Wett_, zugang.Durchgang, zugang.EdvNr, werte, grund))
        return Seite(422, LiveEingabeSeite(flug, zugang.Code, werte, "Nicht angenommen: " + grund, true, eingaenge()));
    EingangTyp neu;
    neu.Durchgang = zugang.Durchgang;
    neu.EdvNr = zugang.EdvNr;
    neu.Adresse = Adresse;
    neu.Werte = werte;
    if (!EingangMelden(Journal_, Eingaenge_, neu, grund))
        return Seite(503, LiveEingabeSeite(flug, zugang.Code, werte,
                                           "Die Eingabe konnte nicht gespeichert werden; bitte noch einmal senden "
                                           "oder beim Schreiber melden.",
                                           true, eingaenge()));
    if (NeuerEingang) NeuerEingang(neu);
    return Seite(200, LiveEingabeSeite(flug, zugang.Code, {},
                                       "Eingegangen (Nr. " + std::to_string(neu.Id) +
                                           "). Der Schreiber übernimmt die Werte; der Stand steht unten.",
                                       false, eingaenge()));
}

} // namespace tavuran
