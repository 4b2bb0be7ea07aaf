#include <gtest/gtest.h>

#include "core/DatenDurchgang.h"
#include "core/Eingabe.h"
#include "evaluation/ErgebnisAngaben.h"
#include "evaluation/WertungEingabe.h"
#include "live/LiveDienst.h"
#include "live/LiveEingabe.h"
#include "live/LiveSeiten.h"
#include "live/LiveTestHilfen.h"

namespace tavuran {
namespace {

using livetest::LiveWettbewerb;
using Zeit = LiveDienst::Zeitpunkt;

HttpAnfrage Anfrage(std::string Methode, std::string Pfad, std::string Rumpf = {}) {
    HttpAnfrage r;
    r.Methode = std::move(Methode);
    r.Pfad = std::move(Pfad);
    r.Rumpf = std::move(Rumpf);
    return r;
}

// The body of an answer, a kept page or a text of its own.
std::string Text(const HttpAntwort& a) {
    return std::string(HttpRumpf(a));
}

struct Dienst : LiveWettbewerb {
    Dienst() {
        std::string grund;
        EXPECT_TRUE(D.Oeffnen(W, Datei, grund)) << grund;
    }
    HttpAntwort Get(const std::string& Pfad, const std::string& Adresse = "10.0.0.2") {
        return D.Beantworten(Anfrage("GET", Pfad), Adresse, Jetzt);
    }
    HttpAntwort Post(const std::string& Pfad, const std::string& Rumpf, const std::string& Adresse = "10.0.0.2") {
        return D.Beantworten(Anfrage("POST", Pfad, Rumpf), Adresse, Jetzt);
    }
    // Value column k of the pilot's entry in round 1.
    double Wert(int EdvNr, int k) {
        const WertungTyp* w = DatenWertungGetPtr(DatenDurchgangSuchen(W, 1), EdvNr, 0);
        return w ? WertSlot(w, GetWertSpalten(W), k) : -99;
    }
    LiveDienst D;
    Zeit Jetzt = Zeit() + std::chrono::hours(1);
};

TEST(LiveDienst, DientNurSeinenSeitenUndNieDateienDerPlatte) {
    Dienst d;
    struct Fall {
        std::string Methode, Pfad;
        int Status;
    } faelle[] = {
        {"GET", "/", 200},           {"GET", "/ergebnis", 200},     {"GET", "/start", 200},
        {"GET", "/team", 200},       {"GET", "/wertungen", 200},
        {"GET", "/live.js", 200},    {"GET", "/stand", 200},        {"HEAD", "/ergebnis", 200},
        {"GET", "/durchgang/1", 404}, {"GET", "/wertungen/1", 404},
        {"GET", "/../wett.wtb", 404}, {"GET", "/wett.wtb", 404},    {"GET", "/etc/passwd", 404},
        {"GET", "/ergebnis/", 404},  {"GET", "/e/", 403},            {"POST", "/ergebnis", 405},
        {"DELETE", "/e/x", 405},      {"PUT", "/", 405},
    };
    for (const Fall& f : faelle) {
        const HttpAntwort a = d.D.Beantworten(Anfrage(f.Methode, f.Pfad), "10.0.0.2", d.Jetzt);
        EXPECT_EQ(a.Status, f.Status) << f.Methode << " " << f.Pfad;
    }
    const HttpAntwort s = d.Get("/ereignisse");
    EXPECT_TRUE(s.Ereignisstrom);
    EXPECT_EQ(s.Typ, "text/event-stream; charset=utf-8");
}

TEST(LiveDienst, ListenSindUtf8UndFolgenJederAenderung) {
    Dienst d;
    HttpAntwort a = d.Get("/ergebnis");
    const std::string alt = Text(a);
    EXPECT_EQ(alt.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(alt.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_EQ(alt.find("windows-1252"), std::string::npos);
    EXPECT_NE(alt.find("Sch\xC3\xA4"
                       "fer"),
              std::string::npos); // Schäfer as UTF-8
    EXPECT_NE(alt.find("/live.js"), std::string::npos);
    const long stand = d.D.Stand();
    EXPECT_NE(alt.find("content=\"" + std::to_string(stand) + "\""), std::string::npos);
    EXPECT_NE(d.D.Ereignis().find("data: " + std::to_string(stand)), std::string::npos);
    d.W->TeilnehmerRootPtr->Name.NachnameStr = "Neuname";
    EXPECT_EQ(d.Get("/ergebnis").Seite, a.Seite) << "built once per state, and shared by its answers";

    // A page still being sent to a phone is left as it is by a change; the
    // next one is made in memory of its own.
    d.D.Geaendert();
    EXPECT_GT(d.D.Stand(), stand);
    const char* platz = nullptr;
    {
        const HttpAntwort waehrend = d.Get("/ergebnis");
        EXPECT_NE(Text(waehrend).find("Neuname"), std::string::npos);
        EXPECT_EQ(Text(a), alt);
        platz = waehrend.Seite->data();
    }
    a = {};

    // Once sent, its memory takes the page after the next change, with
    // nothing of it left; the page made afresh differs at most in the
    // minute of its "Stand" line.
    d.W->TeilnehmerRootPtr->Name.NachnameStr = "Kurz";
    d.D.Geaendert();
    const HttpAntwort danach = d.Get("/ergebnis");
    EXPECT_EQ(danach.Seite->data(), platz);
    const std::string neu = Text(danach);
    EXPECT_NE(neu.find("Kurz"), std::string::npos);
    EXPECT_EQ(neu.find("Neuname"), std::string::npos);
    std::string frisch;
    ASSERT_TRUE(LiveListenSeite(d.W, "/ergebnis", d.D.Stand(), frisch));
    EXPECT_EQ(neu.size(), frisch.size());
    EXPECT_EQ(neu.substr(neu.find("</header>")), frisch.substr(frisch.find("</header>")));
}

TEST(LiveDienst, JedenTextAusWettbewerbUndTelefonMaskiert) {
    Dienst d;
    d.W->Name = "<script>alert(1)</script>";
    TeilnehmerTyp* t = DatenTeilnehmerGetPtr(d.W->TeilnehmerRootPtr, 2, false);
    t->Name.NachnameStr = "<img src=x onerror=alert(2)>";
    d.D.Geaendert();
    for (const std::string& p : std::vector<std::string>{"/", "/ergebnis", "/start", "/wertungen", "/team", "/e/" + d.Code(2)}) {
        const std::string s = Text(d.Get(p));
        EXPECT_EQ(s.find("<script>alert"), std::string::npos) << p;
        EXPECT_EQ(s.find("<img src=x"), std::string::npos) << p;
    }
    const HttpAntwort a = d.Post("/e/" + d.Code(2), "w1=%22%3E%3Cb%3E&w2=1:00");
    EXPECT_EQ(a.Rumpf.find("\"><b>"), std::string::npos);
}

TEST(LiveDienst, OhneGueltigenCodeWirdNichtsGeschrieben) {
    Dienst d;
    std::string falsch = d.Code(2);
    falsch[0] = falsch[0] == 'a' ? 'b' : 'a';
    for (const std::string& c : {falsch, std::string("x"), d.Code(2).substr(0, 31), d.Code(2) + "/.."})
        EXPECT_EQ(d.Post("/e/" + c, "w1=10&w2=1:00").Status, 403) << c;
    EXPECT_TRUE(d.D.Eingaenge().Liste.empty());
    EXPECT_FALSE(std::filesystem::exists(d.D.Journal()));
}

TEST(LiveDienst, EingabeGehtInsEingangsbuchNichtInDieErgebnisse) {
    Dienst d;
    const double vorher = d.Wert(2, 1);
    const HttpAntwort seite = d.Get("/e/" + d.Code(2));
    ASSERT_EQ(seite.Status, 200);
    EXPECT_NE(seite.Rumpf.find("M\xC3\xBCller Peter"), std::string::npos);
    EXPECT_NE(seite.Rumpf.find("Abstand[m]"), std::string::npos);
    EXPECT_LT(seite.Rumpf.find("Abstand[m]"), seite.Rumpf.find("Zeit[min:s.z]"));
    EXPECT_NE(seite.Rumpf.find("name=\"w2\""), std::string::npos);

    int gemeldet = 0;
    d.D.NeuerEingang = [&](const EingangTyp&) { ++gemeldet; };
    const HttpAntwort a = d.Post("/e/" + d.Code(2), "w1=7&w2=9%3A58.3");
    ASSERT_EQ(a.Status, 200) << a.Rumpf;
    EXPECT_NE(a.Rumpf.find("Eingegangen"), std::string::npos);
    EXPECT_NE(a.Rumpf.find("offen"), std::string::npos);
    EXPECT_EQ(gemeldet, 1);
    EXPECT_EQ(d.Wert(2, 1), vorher);
    ASSERT_EQ(d.D.Eingaenge().Liste.size(), 1u);
    const EingangTyp e = d.D.Eingaenge().Liste[0];
    EXPECT_EQ(e.EdvNr, 2);
    EXPECT_EQ(e.Werte, (std::vector<std::string>{"7", "9:58.3"}));
    EXPECT_EQ(e.Adresse, "10.0.0.2");
    EingaengeTyp gelesen;
    std::string grund;
    ASSERT_TRUE(EingaengeLesen(d.D.Journal(), gelesen, grund));
    EXPECT_EQ(gelesen.Liste.size(), 1u);

    // Accepted through the grid's routine, the value is in the results.
    ASSERT_TRUE(EingangUebernehmen(d.W, e, grund)) << grund;
    EXPECT_DOUBLE_EQ(d.Wert(2, 1), 7);
    EXPECT_DOUBLE_EQ(d.Wert(2, 2), 598.3);
    EXPECT_TRUE(d.W->modified);
    ASSERT_TRUE(EingangAngenommenVermerken(d.D.Journal(), d.D.Eingaenge(), e.Id, grund));
    EXPECT_NE(d.Get("/e/" + d.Code(2)).Rumpf.find("angenommen"), std::string::npos);
}

TEST(LiveDienst, FalscheWerteWerdenMitGrundAbgewiesen) {
    Dienst d;
    struct Fall {
        std::string Rumpf;
        int Status;
        std::string Grund;
    } faelle[] = {
        {"w1=7", 422, "Zeit[min:s.z]"},                 // a value missing
        {"w1=&w2=1:00", 422, "kein Wert"},
        {"w1=12abc&w2=1:00", 422, "Abstand[m]"},      // the strict reader: nothing after the number
        {"w1=7&w2=1:75", 422, "Zeit[min:s.z]"},
        {"w1=7&w2=1:00&w3=5", 400, "passt nicht"},      // a column the rule does not have
        {"w1=7&w1=8&w2=1:00", 400, "passt nicht"},
        {"w1=%ZZ&w2=1", 400, "besch\xC3\xA4" "digt"},
    };
    for (const Fall& f : faelle) {
        const HttpAntwort a = d.Post("/e/" + d.Code(3), f.Rumpf);
        EXPECT_EQ(a.Status, f.Status) << f.Rumpf;
        EXPECT_NE(a.Rumpf.find(f.Grund), std::string::npos) << f.Rumpf << "\n" << a.Rumpf;
    }
    EXPECT_TRUE(d.D.Eingaenge().Liste.empty());
}

TEST(LiveDienst, HoechstensZwanzigEingabenProMinuteVonEinerAdresse) {
    Dienst d;
    for (int i = 0; i < LiveMaxEingabenProMinute; ++i)
        ASSERT_EQ(d.Post("/e/" + d.Code(1), "w1=" + std::to_string(i) + "&w2=1:00").Status, 200) << i;
    EXPECT_EQ(d.Post("/e/" + d.Code(1), "w1=1&w2=1:00").Status, 429);
    EXPECT_EQ(d.Post("/e/falsch", "w1=1&w2=1:00").Status, 429) << "guessing codes counts too";
    EXPECT_EQ(d.Post("/e/" + d.Code(1), "w1=1&w2=1:00", "10.0.0.3").Status, 200) << "another phone";
    EXPECT_EQ(d.Get("/ergebnis").Status, 200) << "reading is not limited";
    d.Jetzt += std::chrono::seconds(61);
    EXPECT_EQ(d.Post("/e/" + d.Code(1), "w1=1&w2=1:00").Status, 200);
    EXPECT_EQ(d.D.Eingaenge().Liste.size(), static_cast<std::size_t>(LiveMaxEingabenProMinute + 2));
    EXPECT_EQ(d.D.TelefoneLetzteMinute(d.Jetzt), 1);
    EXPECT_EQ(d.D.TelefoneLetzteMinute(d.Jetzt - std::chrono::seconds(30)), 1);
}

TEST(LiveDienst, NurErgebnisseZeigtDieListenOhneEingabe) {
    Dienst d;
    d.D.SetNurLesen(true);
    EXPECT_EQ(d.Get("/ergebnis").Status, 200);
    EXPECT_EQ(d.Get("/e/" + d.Code(1)).Status, 403);
    EXPECT_EQ(d.Post("/e/" + d.Code(1), "w1=1&w2=1:00").Status, 403);
    EXPECT_TRUE(d.D.Eingaenge().Liste.empty());
}

TEST(LiveDienst, ErneuerteCodesGeltenNachDemNeuLesen) {
    Dienst d;
    const std::string alt = d.Code(1);
    std::string grund;
    ASSERT_TRUE(ZugangErneuern(d.Zugang, grund));
    ASSERT_TRUE(ZugangSchreiben(ZugangDateiName(d.Datei), d.Zugang, grund));
    ASSERT_TRUE(d.D.ZugangNeuLesen(grund));
    EXPECT_EQ(d.Get("/e/" + alt).Status, 403);
    EXPECT_EQ(d.Get("/e/" + d.Code(1)).Status, 200);
}

TEST(LiveDienst, OhneGespeicherteDateiKeinDienst) {
    LiveWettbewerb lw;
    LiveDienst d;
    std::string grund;
    EXPECT_FALSE(d.Oeffnen(lw.W, "", grund));
    EXPECT_NE(grund.find("gespeichert"), std::string::npos);
    EXPECT_EQ(d.Beantworten(Anfrage("GET", "/ergebnis"), "1.2.3.4", {}).Status, 503);
}

// The start list marks the round and group flown now with the class
// "aktuell" (styled on the page, so no script is needed) and follows when
// their results come in.
TEST(LiveDienst, StartlisteHebtDenJetztGeflogenenFlugHervor) {
    Dienst d;
    auto markiert = [&] {
        const std::string s = Text(d.Get("/start"));
        std::vector<std::string> namen;
        // A row may carry "neu" too (the first of its group).
        for (std::size_t i = s.find("<tr class=\""); i != std::string::npos; i = s.find("<tr class=\"", i + 1)) {
            const std::string klasse = s.substr(i + 11, s.find('"', i + 11) - i - 11);
            if (klasse != "aktuell" && klasse != "neu aktuell") continue;
            const std::size_t n = s.find("<td class=\"n\">", i) + 14;
            namen.push_back(s.substr(n, s.find('<', n) - n));
        }
        EXPECT_NE(s.find("tr.aktuell>td{"), std::string::npos);
        EXPECT_EQ(s.find("<h2 class=\"aktuell\">") != std::string::npos, !namen.empty());
        return namen;
    };
    // Nobody placed in rounds 1 and 2; in round 3 the first pilot in group 2,
    // the others in group 1, none with a result there yet.
    for (TeilnehmerTyp* t = d.W->TeilnehmerRootPtr; t; t = t->next) t->Gruppe[1] = t->Gruppe[2] = 0, t->Gruppe[3] = 1;
    d.W->TeilnehmerRootPtr->Gruppe[3] = 2;
    const int zweite = d.W->TeilnehmerRootPtr->EdvNr;
    std::string grund;
    d.D.Geaendert();
    const AktuellerFlugTyp vorher = AktuellerFlug(d.W);
    EXPECT_EQ(vorher.Durchgang, 3);
    EXPECT_EQ(vorher.Gruppe, 1);
    EXPECT_EQ(markiert().size(), 2u);
    for (TeilnehmerTyp* t = d.W->TeilnehmerRootPtr; t; t = t->next) {
        if (t->EdvNr == zweite) continue;
        EingangTyp e;
        e.Durchgang = 3;
        e.EdvNr = t->EdvNr;
        e.Werte = {"44", "8:20"};
        ASSERT_TRUE(EingangUebernehmen(d.W, e, grund)) << grund;
    }
    d.D.Geaendert();
    const std::vector<std::string> jetzt = markiert();
    ASSERT_EQ(jetzt.size(), 1u);
    EXPECT_NE(jetzt[0].find(d.W->TeilnehmerRootPtr->Name.NachnameStr), std::string::npos) << jetzt[0];
}

} // namespace
} // namespace tavuran
