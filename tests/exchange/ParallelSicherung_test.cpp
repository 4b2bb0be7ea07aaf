// The name the dialog "Parallele Sicherung" stores for what was typed.
#include <gtest/gtest.h>

#include "core/L_FILE.h"
#include "exchange/ParallelSicherung.h"

namespace tavuran {
namespace {

TEST(ParallelSicherung, Dateiname) {
    struct Fall {
        const char* Eingabe;
        bool An;
        bool Ok;
        const char* Name; // stored name when Ok
    };
    const Fall faelle[] = {
        {"/sicher/pokal.txt", true, true, "/sicher/pokal.wtb"},
        {"/sicher/pokal", true, true, "/sicher/pokal.wtb"},
        {"/sicher/pokal.wtb", true, true, "/sicher/pokal.wtb"},
        {"/sicher/pokal.2025.txt", true, true, "/sicher/pokal.2025.wtb"},
        {"/daten/v1.2/pokal", true, true, "/daten/v1.2/pokal.wtb"}, // a dot in the folder is no extension
        {"  /sicher/pokal.txt  ", true, true, "/sicher/pokal.wtb"},
        {"/sicher/alt/../pokal", true, true, "/sicher/pokal.wtb"},
        {"C:\\Sicher\\pokal.txt", true, true, "C:\\Sicher\\pokal.wtb"},
        {"pokal.txt", true, true, "/basis/pokal.wtb"}, // relative: below the given folder
        {"kopien/pokal", true, true, "/basis/kopien/pokal.wtb"},
        {"/sicher/pokal.txt", false, true, "/sicher/pokal.wtb"}, // kept for when saving is switched on
        // No file name: refused while saving is on, nothing stored while it is off.
        {"", true, false, ""},
        {"   ", true, false, ""},
        {".txt", true, false, ""},
        {"/sicher/", true, false, ""},
        {"/sicher/.wtb", true, false, ""},
        {"/sicher/..", true, false, ""},
        {"", false, true, ""},
        {"/sicher/", false, true, ""},
    };
    for (const Fall& f : faelle) {
        const ParallelDateiErgebnis e = ParallelDateiName(f.Eingabe, f.An, "/basis");
        EXPECT_EQ(e.Ok, f.Ok) << "„" << f.Eingabe << "“ " << f.An;
        EXPECT_EQ(e.Name, f.Name) << "„" << f.Eingabe << "“ " << f.An;
        EXPECT_EQ(e.Fehler.empty(), f.Ok) << "„" << f.Eingabe << "“ " << f.An;
    }
}

TEST(ParallelSicherung, OhneBasisordnerZaehltDerAktuelleOrdner) {
    const ParallelDateiErgebnis e = ParallelDateiName("pokal.txt", true, "");
    ASSERT_TRUE(e.Ok);
    EXPECT_EQ(e.Name, L_FILE_GetAktPath() + "pokal.wtb");
}

TEST(ParallelSicherung, NichtDieWettbewerbsdateiSelbst) {
    EXPECT_FALSE(ParallelDateiName("/daten/pokal.txt", true, "", "/daten/pokal.wtb").Ok);
    EXPECT_FALSE(ParallelDateiName("pokal", true, "/daten/", "/daten/pokal.wtb").Ok);
    // Switched off, the name does no harm and is kept.
    EXPECT_TRUE(ParallelDateiName("/daten/pokal.txt", false, "", "/daten/pokal.wtb").Ok);
    EXPECT_TRUE(ParallelDateiName("/sicher/pokal.txt", true, "", "/daten/pokal.wtb").Ok);
}

} // namespace
} // namespace tavuran
