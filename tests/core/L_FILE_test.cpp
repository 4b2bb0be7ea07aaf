#include "core/L_FILE.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>

namespace fs = std::filesystem;
using namespace tavuran;

namespace {

class L_FILE_Test : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        ordner = fs::temp_directory_path() / ("tavuran_l_file_" + std::to_string(rd()));
        fs::create_directories(ordner);
        basis = ordner.generic_string() + "/";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(ordner, ec);
    }
    std::string Schreibe(const std::string& name, const std::string& inhalt) {
        const std::string f = basis + name;
        std::ofstream(f, std::ios::binary) << inhalt;
        return f;
    }
    static std::string Lies(const std::string& f) {
        std::string s;
        EXPECT_TRUE(L_FILE_ReadAll(f, s)) << f;
        return s;
    }
    fs::path ordner;
    std::string basis;
};

} // namespace

TEST(L_FILE, NamenZerlegen) {
    struct Fall {
        std::string f, name, ext;
    } faelle[] = {
        {"/daten/f3b/Wettbewerb.wtb", "Wettbewerb", ".wtb"},
        {"/daten/f3b/archiv.2024.wtb", "archiv.2024", ".wtb"},
        {"/daten/f3b.alt/liste", "liste", ""},
        {"C:\\Daten\\Müller.WTB", "Müller", ".WTB"},
        {"liste.csv", "liste", ".csv"},
        {"/daten/", "", ""},
        {"", "", ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(L_FILE_GetFileName(f.f), f.name) << f.f;
        EXPECT_EQ(L_FILE_GetFileExt(f.f), f.ext) << f.f;
    }

    EXPECT_EQ(L_FILE_GetFilePath("/daten/f3b/Wettbewerb.wtb"), "/daten/f3b/");
    EXPECT_EQ(L_FILE_GetFilePath("/daten/f3b/../f3j/a.wtb"), "/daten/f3j/");
    EXPECT_EQ(L_FILE_GetFilePath("/daten/"), "/daten/");
    EXPECT_EQ(L_FILE_GetFilePath("C:\\Daten\\a.wtb"), "C:\\Daten\\");
    EXPECT_EQ(L_FILE_GetFilePath(""), "");
    EXPECT_EQ(L_FILE_GetFilePath("a.wtb"), L_FILE_GetAktPath()); // relative names are expanded

    struct Ordner {
        std::string d, voll, rein;
    } ordner[] = {
        {"/daten/f3b", "/daten/f3b/", "/daten/f3b"},
        {" /daten/f3b/ ", "/daten/f3b/", "/daten/f3b"},
        {"/", "/", "/"},
        {"", "/", ""},
        {"C:\\", "C:\\", "C:\\"},
        {"C:/", "C:/", "C:/"},
        {"/a/", "/a/", "/a"},
        {"C:\\Daten\\", "C:\\Daten\\", "C:\\Daten"},
    };
    for (const auto& o : ordner) {
        EXPECT_EQ(L_FILE_GetFullPath(o.d), o.voll) << o.d;
        EXPECT_EQ(L_FILE_GetPurePath(o.d), o.rein) << o.d;
    }
}

TEST_F(L_FILE_Test, DateienUndOrdnerPruefen) {
    const std::string f = Schreibe("da.wtb", "x");
    EXPECT_TRUE(L_FILE_Exist(f));
    EXPECT_FALSE(L_FILE_Exist(basis + "fehlt.wtb"));
    EXPECT_FALSE(L_FILE_Exist(basis + "*.wtb"));
    EXPECT_FALSE(L_FILE_Exist(basis));   // a folder is not a file
    EXPECT_FALSE(L_FILE_Exist(""));
    EXPECT_TRUE(L_FILE_ExistDir(basis));
    EXPECT_TRUE(L_FILE_ExistDir(ordner.generic_string()));
    EXPECT_FALSE(L_FILE_ExistDir(f));
    EXPECT_FALSE(L_FILE_ExistDir(basis + "fehlt/"));
    EXPECT_FALSE(L_FILE_ExistDir(""));

    EXPECT_TRUE(L_FILE_MakeDirectory(basis + "a/b/c/"));
    EXPECT_TRUE(L_FILE_ExistDir(basis + "a/b/c"));
    EXPECT_TRUE(L_FILE_MakeDirectory(basis + "a/b"));     // already there
    EXPECT_FALSE(L_FILE_MakeDirectory(f + "/unter"));     // below a file
    EXPECT_FALSE(L_FILE_MakeDirectory(""));

    L_FILE_DeleteFile(f);
    EXPECT_FALSE(L_FILE_Exist(f));
    L_FILE_DeleteFile(f); // gone already: nothing happens
    L_FILE_DeleteFile(basis + "a/b/c/");
    EXPECT_TRUE(L_FILE_ExistDir(basis + "a/b/c")); // folders are not deleted
}

TEST_F(L_FILE_Test, Kopieren) {
    // More than one block of 1 MiB, with every byte value.
    std::string gross(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < gross.size(); ++i) gross[i] = static_cast<char>(i * 7 + i / 251);
    const std::string a = Schreibe("quelle.wtb", gross);
    const std::string b = basis + "ziel.bak";
    EXPECT_EQ(L_FILE_CopyFile(a, b), static_cast<std::int64_t>(gross.size()));
    EXPECT_EQ(Lies(b), gross);

    // The target is truncated, not overwritten in place.
    const std::string klein = Schreibe("klein.wtb", "kurz\r\n");
    EXPECT_EQ(L_FILE_CopyFile(klein, b), 6);
    EXPECT_EQ(Lies(b), "kurz\r\n");

    // Two names of one file: nothing is copied and the file stays whole.
    EXPECT_EQ(L_FILE_CopyFile(a, a), 0);
    EXPECT_EQ(L_FILE_CopyFile(a, basis + "./quelle.wtb"), 0);
    EXPECT_EQ(Lies(a), gross);

    // A missing source leaves the target alone.
    EXPECT_EQ(L_FILE_CopyFile(basis + "fehlt.wtb", b), 0);
    EXPECT_EQ(Lies(b), "kurz\r\n");
    EXPECT_EQ(L_FILE_CopyFile(basis + "fehlt.wtb", basis + "neu.wtb"), 0);
    EXPECT_FALSE(L_FILE_Exist(basis + "neu.wtb"));
    // An impossible target is reported by the count only.
    EXPECT_EQ(L_FILE_CopyFile(a, basis + "kein/ordner/x.wtb"), 0);

    const std::string leer = Schreibe("leer.wtb", "");
    EXPECT_EQ(L_FILE_CopyFile(leer, b), 0);
    EXPECT_TRUE(L_FILE_Exist(b));
    EXPECT_EQ(Lies(b), "");
}

TEST_F(L_FILE_Test, GanzeDateiLesen) {
    const std::string inhalt("ORNALIK\r\n\0\xFF", 11);
    const std::string f = Schreibe("roh.wtb", inhalt);
    std::string s = "alt";
    EXPECT_TRUE(L_FILE_ReadAll(f, s));
    EXPECT_EQ(s, inhalt);
    EXPECT_FALSE(L_FILE_ReadAll(basis + "fehlt.wtb", s));
    EXPECT_EQ(s, "");
    EXPECT_FALSE(L_FILE_ReadAll(basis, s));
}

TEST_F(L_FILE_Test, Dateidatum) {
    const std::string f = Schreibe("datum.wtb", "x");
    // 5 March 2025, 14:07:09 local time.
    std::tm tm{};
    tm.tm_year = 125;
    tm.tm_mon = 2;
    tm.tm_mday = 5;
    tm.tm_hour = 14;
    tm.tm_min = 7;
    tm.tm_sec = 9;
    tm.tm_isdst = -1;
    const auto sys = std::chrono::system_clock::from_time_t(std::mktime(&tm));
    fs::last_write_time(f, fs::file_time_type::clock::from_sys(sys));
    EXPECT_EQ(L_FILE_GetFileDate(f), "05.03.25 14:07:09");
    EXPECT_EQ(L_FILE_GetFileDate(basis + "fehlt.wtb"), "");
    EXPECT_EQ(L_FILE_GetFileDate(""), "");
}

TEST_F(L_FILE_Test, AktuellerOrdner) {
    const std::string vorher = L_FILE_GetAktPath();
    ASSERT_FALSE(vorher.empty());
    EXPECT_EQ(vorher.back(), '/');
    L_FILE_SetAktPath(basis);
    EXPECT_EQ(fs::path(L_FILE_GetAktPath()), fs::canonical(ordner) / "");
    L_FILE_SetAktPath(basis + "fehlt/"); // impossible: stays where it is
    EXPECT_EQ(fs::path(L_FILE_GetAktPath()), fs::canonical(ordner) / "");
    L_FILE_SetAktPath(vorher);
    EXPECT_EQ(L_FILE_GetAktPath(), vorher);
}
