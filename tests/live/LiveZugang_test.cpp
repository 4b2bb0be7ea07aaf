#include <gtest/gtest.h>

#include <set>

#include "live/LiveZugang.h"
#include "live/LiveTestHilfen.h"

namespace tavuran {
namespace {

using livetest::LiveWettbewerb;

TEST(LiveZugang, CodesSind128BitAusDerZufallsquelleUndJeFlugVerschieden) {
    std::set<std::string> codes;
    for (int i = 0; i < 200; ++i) {
        const std::string c = ZugangCodeNeu();
        ASSERT_EQ(c.size(), ZugangCodeLaenge);
        EXPECT_EQ(c.find_first_not_of("0123456789abcdef"), std::string::npos) << c;
        codes.insert(c);
    }
    EXPECT_EQ(codes.size(), 200u);
}

TEST(LiveZugang, ErgaenzenGibtJedemPilotenDesDurchgangsEinenCodeUndBehaeltDieAlten) {
    LiveWettbewerb lw;
    ASSERT_EQ(lw.Zugang.Codes.size(), 3u);
    const std::string alt = lw.Code(2);
    std::string grund;
    ASSERT_TRUE(ZugangErgaenzen(lw.W, 1, lw.Zugang, grund));
    EXPECT_EQ(lw.Zugang.Codes.size(), 3u);
    EXPECT_EQ(lw.Code(2), alt);
    ASSERT_TRUE(ZugangErgaenzen(lw.W, 2, lw.Zugang, grund));
    EXPECT_EQ(lw.Zugang.Codes.size(), 6u);
    EXPECT_NE(lw.Code(2, 2), lw.Code(2, 1));
}

TEST(LiveZugang, ErneuernMachtJedenGedrucktenCodeUngueltig) {
    LiveWettbewerb lw;
    const ZugangListeTyp alt = lw.Zugang;
    std::string grund;
    ASSERT_TRUE(ZugangErneuern(lw.Zugang, grund));
    ASSERT_EQ(lw.Zugang.Codes.size(), alt.Codes.size());
    for (const ZugangEintragTyp& e : alt.Codes) {
        EXPECT_EQ(ZugangFinden(lw.Zugang, e.Code), nullptr);
        const ZugangEintragTyp* neu = ZugangVon(lw.Zugang, e.Durchgang, e.EdvNr);
        ASSERT_NE(neu, nullptr);
        EXPECT_NE(neu->Code, e.Code);
    }
}

TEST(LiveZugang, FindenVergleichtGanzeCodes) {
    LiveWettbewerb lw;
    const std::string c = lw.Code(3);
    const ZugangEintragTyp* z = ZugangFinden(lw.Zugang, c);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->EdvNr, 3);
    std::string falsch = c;
    falsch.back() = falsch.back() == '0' ? '1' : '0';
    for (const std::string& s : {falsch, c.substr(0, 31), c + "0", std::string(), std::string(32, '0')})
        EXPECT_EQ(ZugangFinden(lw.Zugang, s), nullptr) << s;
    EXPECT_TRUE(ZugangGleich("abc", "abc"));
    EXPECT_FALSE(ZugangGleich("abc", "abd"));
    EXPECT_FALSE(ZugangGleich("abc", "ab"));
}

TEST(LiveZugang, DateiBehaeltCodesUndAdresseUndUeberspringtBeschaedigteZeilen) {
    LiveWettbewerb lw;
    const std::string datei = ZugangDateiName(lw.Datei);
    ZugangListeTyp l;
    std::string grund;
    ASSERT_TRUE(ZugangLesen(datei, l, grund)) << grund;
    EXPECT_EQ(l.Basis, "http://127.0.0.1:8080");
    ASSERT_EQ(l.Codes.size(), 3u);
    EXPECT_EQ(ZugangLink(l, *ZugangVon(l, 1, 2)), "http://127.0.0.1:8080/e/" + lw.Code(2));
    {
        std::ofstream f(datei, std::ios::app);
        f << "Z\tkurz\t1\t9\nZ\t" << std::string(32, 'a') << "\t1\tx\nZ\t" << std::string(32, 'b') << "\t4\t7\n";
    }
    ASSERT_TRUE(ZugangLesen(datei, l, grund));
    EXPECT_EQ(l.Codes.size(), 4u);
    std::ofstream(lw.Ordner + "/fremd") << "irgendwas\n";
    EXPECT_FALSE(ZugangLesen(lw.Ordner + "/fremd", l, grund));
    EXPECT_TRUE(ZugangLesen(lw.Ordner + "/fehlt", l, grund));
    EXPECT_TRUE(l.Codes.empty());
    EXPECT_EQ(ZugangBasis("192.168.1.5", 8080), "http://192.168.1.5:8080");
    EXPECT_EQ(ZugangBasis("fe80::1", 81), "http://[fe80::1]:81");
}

} // namespace
} // namespace tavuran
