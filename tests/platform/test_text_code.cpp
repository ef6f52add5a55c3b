// Texts of files written in the code pages of other systems.
#include "fonts.h"
#include "text_code.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileText, EachTextIsReadInTheCodePageOfItsCharacterSet)
{
    struct Case {
        const char* name;
        std::string bytes;
        int charset;
        const char* shown;
    };
    const Case cases[] = {
        {"UTF-8 stays, in any character set", "Сталь 09Г2С", charset_cyrillic, "Сталь 09Г2С"},
        {"UTF-8 stays under charset 0 too", "Größe Сталь", charset_western, "Größe Сталь"},
        {"plain ASCII", "C22E", charset_cyrillic, "C22E"},
        {"code page 1251 under charset 204", "\xD1\xF2\xE0\xEB\xFC \xB9 5", charset_cyrillic, "Сталь № 5"},
        {"Ukrainian letters of 1251", "\xB2\xAF\xAA\xA5 \xB3\xBF\xBA\xB4", charset_cyrillic, "ІЇЄҐ іїєґ"},
        {"code page 1252 under charset 0", "Gr\xF6\xDF" "e \x80 \x96 \x84" "a\x93", charset_western,
         "Größe € – „a“"},
        {"1251 bytes drawn with charset 0 are 1252", "\xD1\xF2\xE0\xEB\xFC", charset_western, "Ñòàëü"},
        {"charset 2 on a plain face is 1252", "\xB0" "C", charset_symbol, "°C"},
        {"an undefined byte", "a\x98z", charset_cyrillic, "a\xEF\xBF\xBDz"},
        {"UTF-8 cut inside a letter is a code-page text", "\xD0\xA1\xD0", charset_cyrillic, "РЎР"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file_text(c.bytes, c.charset), c.shown) << c.name;
        EXPECT_TRUE(is_utf8(file_text(c.bytes, c.charset))) << c.name;
    }
}

// Every face that is not a character map draws a text of the font's code
// page as the letters it stands for.
TEST(FileText, FontsDrawTheLettersOfTheirCharacterSet)
{
    FontRecord font;
    font.face = "Times New Roman";
    font.height = 24;
    font.charset = charset_cyrillic;
    EXPECT_EQ(font_text_to_unicode(font, "\xD1\xF2\xE0\xEB\xFC"), "Сталь");
    EXPECT_EQ(measure_text(font, "\xD1\xF2\xE0\xEB\xFC").cx, measure_text(font, "Сталь").cx);
    font.charset = charset_western;
    EXPECT_EQ(font_text_to_unicode(font, "\xC4\xF6"), "Äö");
    // The character-map faces keep their byte convention.
    FontRecord zapf;
    zapf.face = "Zapfdingbats BT";
    zapf.charset = charset_symbol;
    EXPECT_EQ(font_text_to_unicode(zapf, "\xC0"), "\u2780");
}

TEST(FileText, FileNamesMatchWithoutRegardToCaseOrCodePage)
{
    struct Case {
        std::string wanted;
        std::string on_disk;
        bool same;
    };
    const Case cases[] = {
        {"СТАЛЬ", "сталь", true},
        {"Таб.TX_", "таб.tx_", true},
        {"\xD1\xD2\xC0\xCB\xDC", "сталь", true},     // 1251 capitals, UTF-8 on disk
        {"\xF1\xF2\xE0\xEB\xFC", "СТАЛЬ", true},     // 1251 small letters
        {"ÜBERSICHT", "übersicht", true},
        {"\xDC" "BERSICHT", "übersicht", true},     // 1252
        {"ΣΤΑΛ", "σταλ", true},
        {"ЁЖ", "ёж", true},
        {"сталь", "стал", false},
        {"СТАЛЬ", "ctaль", false},                  // Latin c and t are other letters
        {"S235JR", "s235jr", true},
    };
    for (const Case& c : cases) EXPECT_EQ(same_file_name(c.wanted, c.on_disk), c.same) << c.wanted << " / " << c.on_disk;
}

TEST(FileText, TextsWrittenInACodePageReadBack)
{
    for (const char* text : {"Сталь 15ХСНД, № 5", "Основной металл: ІЇЄҐ", "C22E"}) {
        const std::string bytes = to_code_page(text, charset_cyrillic);
        EXPECT_FALSE(is_utf8(bytes) && std::string(text) != "C22E") << text;
        EXPECT_EQ(file_text(bytes, charset_cyrillic), text);
    }
    EXPECT_EQ(to_code_page("Сталь", charset_cyrillic), "\xD1\xF2\xE0\xEB\xFC");
    EXPECT_EQ(to_code_page("Größe €", charset_western), "Gr\xF6\xDF" "e \x80");
}
