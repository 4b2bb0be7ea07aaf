// A score line read in one pass (as the writer writes it) gives what checking
// it and reading it field by field give; a line that is not that plain is
// left to the field-by-field way.
#include <gtest/gtest.h>

#include <string>

#include "exchange/DateiZeilenPruefung.h"
#include "exchange/DatenDurchgangDatei.h"

using namespace tavuran;

namespace {

// A score line of format 3 (round, participant, reflight, 6 flight and 16
// judge values, penalty) or of format 2 (without the reflight field).
std::string Zeile(const std::string& Runde, const std::string& Wert = "1.5", bool Format3 = true,
                  const std::string& Strafe = "0") {
    std::string z = "'" + Runde + "','17'" + (Format3 ? ",'0'" : "");
    z += ",'" + Wert + "'";
    for (int i = 2; i <= 6 + 16; ++i) z += ",'" + std::to_string(i) + "'";
    return z + ",'" + Strafe + "'";
}

TEST(WertungsZeile, SchlichtGelesenWieFeldweise) {
    struct Fall {
        std::string Zeile;
        int Format;
        bool Schlicht;
    };
    const Fall faelle[] = {
        {Zeile("3"), 3, true},
        {Zeile("3", "-12.25"), 3, true},
        {Zeile("3", "1,5"), 3, true},            // a comma as the decimal mark
        {Zeile("0"), 3, true},                   // no round: read, not applied
        {Zeile("-2", "7", false), 2, true},      // a reflight of format 2
        {Zeile("3", "1e3"), 3, true},
        {" " + Zeile("3"), 3, false},            // blanks outside the quotes
        {Zeile("3", "a''b"), 3, false},          // a quote inside a field
        {Zeile("3", "abc"), 3, false},           // no number
        {Zeile("3", "1.5', '2"), 3, false},      // one field too many
        {Zeile("3").substr(0, Zeile("3").rfind(',')), 3, false}, // one too few
        {Zeile("3") + ",", 3, false},
        {Zeile("3").substr(0, Zeile("3").size() - 1), 3, false}, // the last quote missing
        {Zeile("3", "1.5", true, "x"), 3, false},
        {"", 3, false},
    };
    for (const Fall& f : faelle) {
        WertungsZeileTyp a, b;
        const int schlicht = WertungsZeileSchlichtLesen(f.Zeile, f.Format, a);
        EXPECT_EQ(schlicht >= 0, f.Schlicht) << f.Zeile;
        if (schlicht < 0) continue;
        EXPECT_EQ(DateiZeilePruefen("WERTUNG", f.Zeile, f.Format), ZeilenUrteil::Brauchbar) << f.Zeile;
        EXPECT_EQ(schlicht == 1, WertungsZeileLesen(f.Zeile, f.Format, b)) << f.Zeile;
        EXPECT_EQ(a.DurchgangNr, b.DurchgangNr) << f.Zeile;
        EXPECT_EQ(a.EdvNr, b.EdvNr) << f.Zeile;
        EXPECT_EQ(a.ReflyOrder, b.ReflyOrder) << f.Zeile;
        EXPECT_EQ(a.ReflyVerursacher, b.ReflyVerursacher) << f.Zeile;
        EXPECT_EQ(a.WertungDurchg, b.WertungDurchg) << f.Zeile;
        EXPECT_EQ(a.WertungPunktr, b.WertungPunktr) << f.Zeile;
        EXPECT_EQ(a.Strafpunkte, b.Strafpunkte) << f.Zeile;
    }
    WertungsZeileTyp z;
    ASSERT_EQ(WertungsZeileSchlichtLesen(Zeile("3", "-12.25"), 3, z), 1);
    EXPECT_EQ(z.DurchgangNr, 3);
    EXPECT_EQ(z.EdvNr, 17);
    EXPECT_EQ(z.WertungDurchg[1], -12.25);
    EXPECT_EQ(z.WertungPunktr[16], 22);
}

} // namespace
