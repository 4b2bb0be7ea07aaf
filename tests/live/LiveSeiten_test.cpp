#include "live/LiveSeiten.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/GrosserWettbewerb.h"
#include "core/DatenWettbewerb.h"
#include "startorder/WettbewerbNeuBerechnen.h"

namespace tavuran {
namespace {

std::size_t Anzahl(const std::string& s, const std::string& Teil) {
    std::size_t n = 0;
    for (std::size_t i = s.find(Teil); i != std::string::npos; i = s.find(Teil, i + 1)) ++n;
    return n;
}

// The score lists of 300 pilots reach the page in many pieces while they are
// made: the page is the list with its frame for the phone put in once, every
// line ended as the live pages end them, and nothing of the list lost at the
// pieces' ends.
TEST(LiveSeiten, GrosseListeWirdStueckweiseZurLiveSeite) {
    WettbewerbTyp* w = bench::GrosserWettbewerb(300);
    WettbewerbModellNeuBerechnen(w, true);
    std::string s = "alter Inhalt";
    ASSERT_TRUE(LiveListenSeite(w, "/wertungen", 17, s));
    EXPECT_EQ(s.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_EQ(s.find('\r'), std::string::npos);
    EXPECT_EQ(s.find("alter Inhalt"), std::string::npos);
    EXPECT_EQ(Anzahl(s, "name=\"viewport\""), 1u);
    EXPECT_EQ(Anzahl(s, "<meta name=\"tavuran-stand\" content=\"17\">"), 1u);
    EXPECT_EQ(Anzahl(s, "<script src=\"/live.js\" defer></script>"), 1u);
    EXPECT_EQ(Anzahl(s, "<meta charset=\"utf-8\">"), 1u);
    EXPECT_LT(s.find("tavuran-stand"), s.find("</head>"));
    const std::size_t body = s.find("<body");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(s.find("<nav class=\"live-nav\">"), s.find('\n', body) + 1);
    // Every pilot's row in each of the 12 rounds' score lists and in the result list.
    const TeilnehmerTyp* t = w->TeilnehmerRootPtr;
    ASSERT_NE(t, nullptr);
    const std::string name = t->Name.NachnameStr;
    EXPECT_GE(Anzahl(s, name), 13u) << name;
    EXPECT_EQ(Anzahl(s, "<table"), Anzahl(s, "</table>"));
    EXPECT_EQ(s.substr(s.size() - 8), "</html>\n");

    std::string leer = "alt";
    EXPECT_FALSE(LiveListenSeite(w, "/gibtsnicht", 17, leer));
    EXPECT_TRUE(leer.empty());
    DatenWettbewerbDispose(w);
}

} // namespace
} // namespace tavuran
