#include <gtest/gtest.h>

#include "live/HttpAnfrage.h"

namespace tavuran {
namespace {

using Z = HttpLeser::Zustand;

TEST(HttpAnfrage, LiestAnfragenOderNenntDenStatusDerAblehnung) {
    const std::string gross(HttpMaxAnfrage, 'x');
    struct Fall {
        std::string Bytes;
        Z Zustand;
        int Status;
        std::string Pfad;
    } faelle[] = {
        {"GET /ergebnis HTTP/1.1\r\nHost: a\r\n\r\n", Z::Fertig, 0, "/ergebnis"},
        {"GET /e/%C3%BC?x=1 HTTP/1.1\r\n\r\n", Z::Fertig, 0, "/e/\xC3\xBC"},
        {"GET /ergebnis HTTP/1.1\r\nHost: a\r\n", Z::Weiter, 0, ""},
        {"POST /e/a HTTP/1.1\r\nContent-Length: 10\r\n\r\nw1=", Z::Weiter, 0, ""},
        // A body announced beyond 64 KB is refused before it is read.
        {"POST /e/a HTTP/1.1\r\nContent-Length: 65537\r\n\r\n", Z::Fehler, 413, ""},
        {"POST /e/a HTTP/1.1\r\nContent-Length: 99999999999\r\n\r\n", Z::Fehler, 413, ""},
        {"GET / HTTP/1.1\r\nX: " + gross + "\r\n\r\n", Z::Fehler, 431, ""},
        {"GET / HTTP/1.1\r\nX: " + gross, Z::Fehler, 431, ""},
        {"POST /e/a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", Z::Fehler, 501, ""},
        {"POST /e/a HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab", Z::Fehler, 400, ""},
        {"POST /e/a HTTP/1.1\r\nContent-Length: -1\r\n\r\n", Z::Fehler, 400, ""},
        {"GET  / HTTP/1.1\r\n\r\n", Z::Fehler, 400, ""},
        {"GET ergebnis HTTP/1.1\r\n\r\n", Z::Fehler, 400, ""},
        {"GET /%zz HTTP/1.1\r\n\r\n", Z::Fehler, 400, ""},
        {"GET /%00 HTTP/1.1\r\n\r\n", Z::Fehler, 400, ""},
        {"GET /%C3 HTTP/1.1\r\n\r\n", Z::Fehler, 400, ""},
        {"GET / HTTP/2.0\r\n\r\n", Z::Fehler, 505, ""},
        {"GET / HTTP/1.1\r\nKein Doppelpunkt\r\n\r\n", Z::Fehler, 400, ""},
    };
    for (const Fall& f : faelle) {
        HttpLeser l;
        EXPECT_EQ(l.Lesen(f.Bytes), f.Zustand) << f.Bytes.substr(0, 80);
        EXPECT_EQ(l.FehlerStatus(), f.Status) << f.Bytes.substr(0, 80);
        if (f.Zustand == Z::Fertig) EXPECT_EQ(l.Anfrage().Pfad, f.Pfad);
    }
}

TEST(HttpAnfrage, StueckweiseUndHintereinanderGesendeteAnfragen) {
    const std::string a = "POST /e/abc HTTP/1.1\r\nContent-Length: 11\r\nConnection: keep-alive\r\n\r\nw1=1&w2=2:3";
    const std::string b = "GET /start HTTP/1.0\r\n\r\n";
    HttpLeser l;
    const std::string alles = a + b;
    Z z = Z::Weiter;
    for (std::size_t i = 0; i < alles.size() && z == Z::Weiter; ++i) z = l.Lesen(alles.substr(i, 1));
    ASSERT_EQ(z, Z::Fertig);
    EXPECT_EQ(l.Anfrage().Methode, "POST");
    EXPECT_EQ(l.Anfrage().Rumpf, "w1=1&w2=2:3");
    EXPECT_FALSE(l.Anfrage().Schliessen);
    EXPECT_EQ(l.Lesen({}), Z::Fertig) << "the request stays until Weiter";
    EXPECT_EQ(l.Weiter(), Z::Weiter);
    HttpLeser m;
    ASSERT_EQ(m.Lesen(a + b), Z::Fertig);
    ASSERT_EQ(m.Weiter(), Z::Fertig);
    EXPECT_EQ(m.Anfrage().Pfad, "/start");
    EXPECT_TRUE(m.Anfrage().Schliessen);
    EXPECT_EQ(m.Weiter(), Z::Weiter);
}

TEST(HttpAnfrage, FormularfelderUndUtf8) {
    std::vector<std::pair<std::string, std::string>> f;
    ASSERT_TRUE(HttpFormularLesen("w1=12%2C5&w2=1+05+5&&w3=", f));
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].second, "12,5");
    EXPECT_EQ(f[1].second, "1 05 5");
    EXPECT_EQ(f[2].second, "");
    EXPECT_FALSE(HttpFormularLesen("w1=%E0%80%80", f)); // overlong
    EXPECT_FALSE(HttpFormularLesen("w1=%0A", f));       // a line break in a value
    EXPECT_FALSE(HttpFormularLesen("w1=%4", f));
    EXPECT_TRUE(HttpUtf8Text("Größe ✓ 😀"));
    EXPECT_FALSE(HttpUtf8Text("\xED\xA0\x80")); // a surrogate
}

TEST(HttpAnfrage, AntwortKopfVerbietetFremdeQuellen) {
    HttpAntwort a;
    a.Rumpf = "<p>x</p>";
    const std::string s = HttpAntwortBytes(a, true);
    EXPECT_EQ(s.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_NE(s.find("Content-Length: 8\r\n"), std::string::npos);
    EXPECT_NE(s.find("Content-Security-Policy: default-src 'self'"), std::string::npos);
    EXPECT_NE(s.find("Connection: close\r\n\r\n<p>x</p>"), std::string::npos);
    EXPECT_EQ(HttpAntwortBytes(a, false, true).find("<p>"), std::string::npos);
}

} // namespace
} // namespace tavuran
