// Stored file names follow the standard folder to another machine.
#include <gtest/gtest.h>

#include "exchange/Pfade.h"

using namespace tavuran;

namespace {

struct StandardOrdner {
    explicit StandardOrdner(const std::string& o) { SetStandardPfad(o); }
    ~StandardOrdner() { SetStandardPfad(""); }
};

TEST(Pfade, KuerzenUndErweitern) {
    StandardOrdner s("/home/eva/Dokumente/Tavuran");
    EXPECT_EQ(GetStandardPfad(), "/home/eva/Dokumente/Tavuran/");
    struct Fall {
        const char* pfad;
        const char* gespeichert;
    } faelle[] = {
        {"/home/eva/Dokumente/Tavuran/liga/ergebnis.html", "<<STDPATH>>liga/ergebnis.html"},
        {"/HOME/EVA/dokumente/tavuran/x.wtb", "<<STDPATH>>x.wtb"}, // found without regard to case
        {"/home/eva/Dokumente/Tavuran/", "<<STDPATH>>"},
        {"/home/eva/Dokumente/x.wtb", "/home/eva/Dokumente/x.wtb"},
        {"/anderswo/Dokumente/Tavuran.wtb", "/anderswo/Dokumente/Tavuran.wtb"},
        {"", ""},
    };
    for (const Fall& f : faelle) EXPECT_EQ(ShrinkPath(f.pfad), f.gespeichert) << f.pfad;
    EXPECT_EQ(ExpandPath("<<STDPATH>>liga/ergebnis.html"), "/home/eva/Dokumente/Tavuran/liga/ergebnis.html");
    EXPECT_EQ(ExpandPath("/anderswo/x.wtb"), "/anderswo/x.wtb");
    EXPECT_EQ(ExpandPath(ShrinkPath("/home/eva/Dokumente/Tavuran/a/b.wtb")), "/home/eva/Dokumente/Tavuran/a/b.wtb");

    // Another machine: the same stored name lands in that user's folder.
    SetStandardPfad("C:\\Users\\Max\\Documents\\Tavuran\\");
    EXPECT_EQ(ExpandPath("<<STDPATH>>liga.html"), "C:\\Users\\Max\\Documents\\Tavuran\\liga.html");
}

TEST(Pfade, OhneStandardordnerBleibtAllesWieGespeichert) {
    StandardOrdner s("");
    EXPECT_EQ(GetStandardPfad(), "");
    EXPECT_EQ(ShrinkPath("/home/eva/x.wtb"), "/home/eva/x.wtb");
    EXPECT_EQ(ExpandPath("<<STDPATH>>x.wtb"), "<<STDPATH>>x.wtb");
}

} // namespace
