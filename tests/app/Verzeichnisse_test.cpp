// Recent files, proposed file names and the settings store.
#include <filesystem>
#include <fstream>

#include "app/Verzeichnisse.h"
#include "app/WettDir.h"
#include "core/DatenWettbewerb.h"
#include "core/L_REGIST.h"
#include "core/L_STR.h"
#include "platform/QtSettingsStore.h"
#include "tests/app/AppUmgebung.h"

namespace tavuran::test {
namespace {

using VerzeichnisseTest = FensterTest;

TEST_F(VerzeichnisseTest, ZuletztGeoeffneteDateien) {
    auto store = NewMemorySettingsStore();
    L_REGIST_SetStore(store.get());
    struct Fall {
        const char* Neu;
        std::vector<std::string> Danach;
    };
    // start: a b c d e
    const Fall faelle[] = {
        {"c", {"c", "a", "b", "d", "e"}},      // entry 3 moves to the front, 4 and 5 stay
        {"A", {"a", "c", "b", "d", "e"}},      // found without regard to case: only entry 1 moves down
        {"f", {"f", "a", "c", "b", "d"}},      // a new file drops the last entry
        {"f", {"f", "a", "c", "b", "d"}},      // the first entry stays where it is
        {"", {"f", "a", "c", "b", "d"}},       // no name changes nothing
    };
    const char* start[] = {"a", "b", "c", "d", "e"};
    for (int i = 1; i <= 5; ++i) L_REGIST_SetStringValue("RecentFile" + std::to_string(i), "", start[i - 1]);
    InitWettDir("");
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Neu);
        NewFileLoaded(fall.Neu);
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(L_STR_Upcase(RecentFiles[i]), L_STR_Upcase(fall.Danach[static_cast<std::size_t>(i - 1)])) << i;
            EXPECT_EQ(L_REGIST_GetStringValue("RecentFile" + std::to_string(i), ""), RecentFiles[i]) << i;
        }
    }
    // The most recent file becomes the start file only when it exists.
    InitWettDir("");
    EXPECT_EQ(WettDirGetWettbewerbName(), "");
    const std::string datei = Pfad("da.wtb");
    { std::ofstream(datei) << "x"; }
    NewFileLoaded(datei);
    InitWettDir("");
    EXPECT_EQ(WettDirGetWettbewerbName(), datei);
    L_REGIST_SetStore(nullptr);
}

TEST_F(VerzeichnisseTest, VorgeschlageneDateinamen) {
    auto store = NewMemorySettingsStore();
    L_REGIST_SetStore(store.get());
    WettbewerbTyp* w = DatenWettbewerbNew();
    DatenWettbewerbDefault(w);
    const std::string std = Dokumente() + "Tavuran/";
    EXPECT_EQ(GetStandardPath(), std);
    EXPECT_TRUE(std::filesystem::is_directory(std));

    // Without a file: standard folder and a name made from the competition name.
    w->Name = "Liga (Süd) 2025";
    EXPECT_EQ(GetPath(w, PfadWettbewerb), std + "Liga_Süd_2025.wtb");
    EXPECT_EQ(w->WettbewerbFileNamen[0], std + "Liga_Süd_2025.wtb");

    // HTML names follow the competition file, in lower case with a capital first letter.
    w->WettbewerbFileNamen[0] = std + "LIGA.wtb";
    struct Fall {
        int Art;
        std::string Erwartet;
    };
    const Fall faelle[] = {{PfadErgebnis, std + "Liga_ergebnis.html"},
                           {PfadMeldung, std + "Liga_meldung.html"},
                           {PfadStartliste, std + "Liga_startliste.html"},
                           {PfadTeamergebnis, std + "Liga_teamergebnis.html"}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.Art);
        EXPECT_EQ(GetPath(w, fall.Art), fall.Erwartet);
        EXPECT_EQ(w->WettbewerbFileNamen[fall.Art], fall.Erwartet);
        EXPECT_EQ(L_REGIST_GetStringValue(RegistryNameStr[fall.Art], ""), fall.Erwartet);
        // remembered: a second call returns the same name while its folder exists
        w->WettbewerbFileNamen[0] = std + "Anders.wtb";
        EXPECT_EQ(GetPath(w, fall.Art), fall.Erwartet);
        w->WettbewerbFileNamen[0] = std + "LIGA.wtb";
    }

    // The kind's extension is enforced; a name in a missing folder is returned but not remembered.
    EXPECT_EQ(SetPath(w, PfadWettbewerb, std + "x.txt"), std + "x.wtb");
    EXPECT_EQ(w->WettbewerbFileNamen[0], std + "x.wtb");
    EXPECT_EQ(SetPath(w, PfadWettbewerb, Pfad("fehlt/y.wtb")), Pfad("fehlt/y.wtb"));
    EXPECT_EQ(w->WettbewerbFileNamen[0], std + "x.wtb");
    EXPECT_EQ(L_REGIST_GetStringValue("WtbName", ""), std + "x.wtb");
    EXPECT_EQ(SetPath(w, PfadErgebnis, std + "e.HTML"), std + "e.HTML");

    // Blanks in the file name become "_", the folder keeps its blanks.
    EXPECT_EQ(FormatFileName("/a b/Mein Wettbewerb.wtb"), "/a b/Mein_Wettbewerb.wtb");
    EXPECT_EQ(FormatFileName("/a b/ohne"), "/a b/ohne.wtb");
    DatenWettbewerbDispose(w);
    L_REGIST_SetStore(nullptr);
}

TEST_F(VerzeichnisseTest, EinstellungenInDerBenutzerdatei) {
    const std::string datei = [] {
        QtSettingsStore store({"Tavuran", "Tavuran", "1.0"});
        L_REGIST_SetStore(&store);
        EXPECT_EQ(L_REGIST_GetIntegerValue("Fehlt", ""), 2147483647);
        EXPECT_EQ(L_REGIST_GetStringValue("Fehlt", ""), "");
        L_REGIST_SetIntegerValue("WinPosLeft", "", -5);
        L_REGIST_SetStringValue("Etiketten\\Format1\\Breite", "", "70 mm");
        L_REGIST_SetStringValue("Name", "Stammdaten\\Piloten", "Müller");
        EXPECT_FALSE(L_REGIST_DelValue("Fehlt", ""));
        L_REGIST_SetIntegerValue("Weg", "", 1);
        EXPECT_TRUE(L_REGIST_DelValue("Weg", ""));
        EXPECT_EQ(store.VollerSchluessel("Etiketten\\Format1\\Breite", ""), "Software/Tavuran/Tavuran/1.0/Etiketten/Format1/Breite");
        L_REGIST_SetStore(nullptr);
        return store.DateiName();
    }();
    EXPECT_EQ(datei.rfind(Pfad("config"), 0), 0u) << datei;
    // read back from the file by a new store
    QtSettingsStore store({"Tavuran", "Tavuran", "1.0"});
    L_REGIST_SetStore(&store);
    EXPECT_EQ(L_REGIST_GetIntegerValue("WinPosLeft", ""), -5);
    EXPECT_EQ(L_REGIST_GetStringValue("Breite", "Etiketten/Format1"), "70 mm");
    EXPECT_EQ(L_REGIST_GetStringValue("Stammdaten\\Piloten\\Name", ""), "Müller");
    EXPECT_EQ(L_REGIST_GetIntegerValue("Weg", ""), 2147483647);
    EXPECT_EQ(L_REGIST_GetIntegerValue("Breite", "Etiketten/Format1"), 2147483647); // not a number
    L_REGIST_SetStore(nullptr);
}

} // namespace
} // namespace tavuran::test
