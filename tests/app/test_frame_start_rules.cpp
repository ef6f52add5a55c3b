// Start-up decisions that need no window: the language from the command
// line, the menu of each language, the display test.
#include "frame.h"

#include "lang.h"

#include <gtest/gtest.h>

namespace {

void clear_language_flags()
{
    lang_english = lang_russian = lang_ukrainian = lang_german = lang_french = 0;
}

struct LineCase {
    const char* line;
    bool asks;                 // the Languages dialog supplies the language
    Language language;         // the language set when it does not ask
};

class CommandLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLine, SetsExactlyTheLanguageItNames)
{
    clear_language_flags();
    const LineCase& c = GetParam();
    EXPECT_EQ(set_language_from_command_line(c.line), c.asks) << '"' << c.line << '"';
    const int flags = lang_english + lang_russian + lang_ukrainian + lang_german + lang_french;
    if (c.asks) {
        EXPECT_EQ(flags, 0);
    } else {
        EXPECT_EQ(flags, 1);
        EXPECT_EQ(current_language(), c.language);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLine,
    ::testing::Values(LineCase{"UKR", false, Language::ukrainian}, LineCase{"RUS", false, Language::russian},
                      LineCase{"ENG", false, Language::english}, LineCase{"GER", false, Language::german},
                      LineCase{"FRA", false, Language::french},
                      // shorter than two characters: the user chooses
                      LineCase{"", true, Language::english}, LineCase{"E", true, Language::english},
                      // anything else starts in English: a comparison of the whole line, case-sensitive
                      LineCase{"rus", false, Language::english}, LineCase{"RUS ", false, Language::english},
                      LineCase{"RUSSIAN", false, Language::english}, LineCase{"xx", false, Language::english}));

TEST(CommandLineText, IsTheArgumentsJoinedByBlanks)
{
    char program[] = "velmarin";
    char first[] = "RUS";
    char second[] = "x";
    char* none[] = {program};
    char* one[] = {program, first};
    char* two[] = {program, first, second};
    EXPECT_EQ(command_line_text(1, none), "");
    EXPECT_EQ(command_line_text(2, one), "RUS");
    EXPECT_EQ(command_line_text(3, two), "RUS x");
}

TEST(MenuName, FollowsTheLanguageFlag)
{
    const std::pair<Language, const char*> cases[] = {{Language::english, "TRUETYPE"},
                                                      {Language::russian, "TRUETYPE_RUS"},
                                                      {Language::ukrainian, "TRUETYPE_UA"},
                                                      {Language::german, "TRUETYPE_D"},
                                                      {Language::french, "TRUETYPE_F"}};
    for (const auto& [language, name] : cases) {
        set_language(language);
        EXPECT_STREQ(menu_name_for_language(), name);
    }
    clear_language_flags();
    EXPECT_STREQ(menu_name_for_language(), "TRUETYPE");
    set_language(Language::english);
}

TEST(DisplayTest, AsksForCautionUnlessTheScreenIsTheOneItWasLaidOutFor)
{
    EXPECT_FALSE(display_needs_caution(1024, 16, 16));
    EXPECT_TRUE(display_needs_caution(1280, 16, 16));
    EXPECT_TRUE(display_needs_caution(800, 16, 16));
    EXPECT_TRUE(display_needs_caution(1024, 32, 16));
    EXPECT_TRUE(display_needs_caution(1024, 16, 20));
}

} // namespace
