#include "lang.h"

#include <gtest/gtest.h>

TEST(Languages, OneFlagAtATimeAndEnglishFallback)
{
    const Text5 texts{"Temperature", "Температура", "Температура", "Temperatur", nullptr};
    set_language(Language::german);
    EXPECT_EQ(lang_german, 1);
    EXPECT_EQ(lang_english + lang_russian + lang_ukrainian + lang_french, 0);
    EXPECT_STREQ(pick(texts), "Temperatur");
    EXPECT_STREQ(language_suffix(), "_D");
    EXPECT_EQ(language_charset(), 0);

    set_language(Language::french);
    EXPECT_STREQ(pick(texts), "Temperature");   // no French text: English

    set_language(Language::ukrainian);
    EXPECT_EQ(language_charset(), 204);
    EXPECT_STREQ(language_suffix(), "_UA");

    lang_english = lang_russian = lang_ukrainian = lang_german = lang_french = 0;
    EXPECT_EQ(current_language(), Language::english);
    set_language(Language::english);
}
