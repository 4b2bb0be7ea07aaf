#include "core/CodePage.h"

#include <gtest/gtest.h>

#include <string>

using namespace tavuran;

TEST(CodePage, Windows1252NachUtf8) {
    struct Fall {
        unsigned char byte;
        std::string utf8;
    } faelle[] = {
        {'A', "A"},          {0x80, "€"},      {0x81, "\u0081"}, {0x8D, "\u008D"}, {0x8F, "\u008F"},
        {0x90, "\u0090"},    {0x9D, "\u009D"}, {0x84, "„"},      {0x93, "“"},      {0x96, "–"},
        {0x9F, "Ÿ"},         {0xA0, "\u00A0"}, {0xB0, "°"},      {0xDF, "ß"},      {0xFC, "ü"},
        {0xFF, "ÿ"},         {0x00, std::string(1, '\0')},
    };
    for (const auto& f : faelle) {
        const std::string b(1, static_cast<char>(f.byte));
        EXPECT_EQ(CnvWindows1252ToUtf8(b), f.utf8) << int(f.byte);
        bool ersetzt = true;
        EXPECT_EQ(CnvUtf8ToWindows1252(f.utf8, &ersetzt), b) << int(f.byte);
        EXPECT_FALSE(ersetzt);
    }

    // Every byte survives the way there and back.
    std::string alle;
    for (int i = 0; i < 256; ++i) alle += static_cast<char>(i);
    bool ersetzt = true;
    EXPECT_EQ(CnvUtf8ToWindows1252(CnvWindows1252ToUtf8(alle), &ersetzt), alle);
    EXPECT_FALSE(ersetzt);
}

TEST(CodePage, NichtDarstellbareZeichen) {
    struct Fall {
        std::string utf8, bytes;
        bool ersetzt;
    } faelle[] = {
        {"Müller", "M\xFCller", false},
        {"", "", false},
        {"→x", "?x", true},
        {"Łódź", "?\xF3" "d?", true},
        {"😀", "?", true},
        {"\u0080", "?", true},       // a C1 control that has no byte of its own
        {"a\xC3", "a?", true},       // invalid UTF-8: each bad byte is one '?'
        {"\xFF\xFE", "??", true},
        {"\xED\xA0\x80", "???", true},
    };
    for (const auto& f : faelle) {
        bool ersetzt = !f.ersetzt;
        EXPECT_EQ(CnvUtf8ToWindows1252(f.utf8, &ersetzt), f.bytes) << f.utf8;
        EXPECT_EQ(ersetzt, f.ersetzt) << f.utf8;
        EXPECT_EQ(CnvUtf8ToWindows1252(f.utf8), f.bytes); // without flag
    }
}

TEST(CodePage, Bytereihenfolgemarke) {
    struct Fall {
        std::string bytes;
        bool markiert;
        std::string utf8;
    } faelle[] = {
        {"\xEF\xBB\xBFM\xC3\xBCller", true, "Müller"},
        {"\xEF\xBB\xBF", true, ""},
        {std::string("\xFF\xFE" "A\0\xC4\0\xAC\x20", 8), true, "AÄ€"},
        {std::string("\xFE\xFF\0A\0\xC4\x20\xAC", 8), true, "AÄ€"},
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), true, "😀"},       // surrogate pair
        {std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6), true, "😀"},
        {std::string("\xFF\xFE\x3D\xD8" "A\0", 6), true, "\uFFFDA"},   // high surrogate without low
        {std::string("\xFF\xFE\x00\xDE" "A\0", 6), true, "\uFFFDA"},   // low surrogate alone
        {std::string("\xFF\xFE\x3D\xD8", 4), true, "\uFFFD"},          // text ends after a high surrogate
        {std::string("\xFF\xFE" "A\0B", 5), true, "A\uFFFD"},          // odd last byte
        {"ORNALIK", false, ""},
        {"\xEF\xBB", false, ""},
        {"", false, ""},
    };
    for (const auto& f : faelle) {
        std::string utf8 = "unverändert";
        EXPECT_EQ(CnvBomTextToUtf8(f.bytes, utf8), f.markiert);
        EXPECT_EQ(utf8, f.markiert ? f.utf8 : std::string("unverändert"));
    }
}

TEST(CodePage, DosZeichen) {
    // The eleven characters and their bytes in the old file formats.
    struct Fall {
        std::string zeichen;
        unsigned char dos;
    } faelle[] = {
        {"ü", 0x81}, {"é", 0x82}, {"ä", 0x84}, {"Ä", 0x8E}, {"ö", 0x94}, {"Ö", 0x99},
        {"Ü", 0x9A}, {"ß", 0xE1}, {"µ", 0xE6}, {"Ø", 0xED}, {"°", 0xF8},
    };
    for (const auto& f : faelle) {
        const std::string win = CnvUtf8ToWindows1252(f.zeichen);
        const std::string dos(1, static_cast<char>(f.dos));
        EXPECT_EQ(L_STR_CnvWindowsToDos(win), dos) << f.zeichen;
        EXPECT_EQ(CnvWindows1252ToUtf8(L_STR_CnvDosToWindows(dos)), f.zeichen) << f.zeichen;
    }
    const std::string zeile = CnvUtf8ToWindows1252("NAME: 'Weiß','Jürgen','' 5°");
    EXPECT_EQ(L_STR_CnvWindowsToDos(zeile), "NAME: 'Wei\xE1','J\x81rgen','' 5\xF8");

    // Every line of bytes comes back unchanged, also one holding characters
    // such as "á" or "„" whose Windows bytes are DOS bytes of the eleven.
    std::string alle;
    for (int i = 0; i < 256; ++i) alle += static_cast<char>(i);
    EXPECT_EQ(L_STR_CnvDosToWindows(L_STR_CnvWindowsToDos(alle)), alle);
    const std::string text = CnvUtf8ToWindows1252("á „Müller“ ø ™");
    EXPECT_EQ(CnvWindows1252ToUtf8(L_STR_CnvDosToWindows(L_STR_CnvWindowsToDos(text))), "á „Müller“ ø ™");
}
