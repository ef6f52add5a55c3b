#include "numfmt.h"

#include <clocale>
#include <gtest/gtest.h>

TEST(NumberFormat, GFormatsUseTheCLocaleAndTwoDigitExponents)
{
    EXPECT_EQ(cformat("%g", 0.5), "0.5");
    EXPECT_EQ(cformat("%g", 1e-5), "1e-05");
    EXPECT_EQ(cformat("%-.3lg", 1234.5678), "1.23e+03");
    EXPECT_EQ(cformat("%3.0lf", 7.0), "  7");
    EXPECT_EQ(cformat("%u%%", 35u), "35%");
}

TEST(NumberFormat, LongOutputIsNotCut)
{
    std::string s = cformat("%300s|", "x");
    EXPECT_EQ(s.size(), 301u);
    EXPECT_EQ(s.back(), '|');
}

TEST(NumberFormat, DecimalPointSurvivesACommaLocale)
{
    // If the machine has a comma locale, switching to it must not matter.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(cformat("%g", 2.5), "2.5");
        double v = 0;
        EXPECT_TRUE(parse_double("2.5", v));
        EXPECT_DOUBLE_EQ(v, 2.5);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct ParseCase {
    const char* text;
    bool ok;
    double value;
};

TEST(NumberParse, WholeTextFiniteDecimalOnly)
{
    const ParseCase cases[] = {
        {"0.05", true, 0.05}, {" 800.0 ", true, 800.0}, {"-47.64", true, -47.64},
        {"1e3", true, 1000.0}, {"+2", true, 2.0}, {"60.", true, 60.0},
        {"", false, 0}, {"   ", false, 0}, {"abc", false, 0}, {"1,5", false, 0},
        {"12abc", false, 0}, {"inf", false, 0}, {"nan", false, 0}, {"1e999", false, 0},
        {"0x10", false, 0}, {"1 2", false, 0},
    };
    for (const auto& c : cases) {
        double v = -123;
        EXPECT_EQ(parse_double(c.text, v), c.ok) << c.text;
        if (c.ok) EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        else EXPECT_EQ(v, -123) << c.text;
    }
}

TEST(NumberParse, LeadingNumberLikeStrtod)
{
    std::size_t used = 0;
    EXPECT_DOUBLE_EQ(c_strtod("12.5 rest", &used), 12.5);
    EXPECT_EQ(used, 4u);
    EXPECT_DOUBLE_EQ(c_strtod("x", &used), 0.0);
    EXPECT_EQ(used, 0u);
}

TEST(NumberFormat, ExactNumbersReadBackBitForBit)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {16711680, "16711680"},   // pure blue, which "%g" turns into 1.67117e+07
        {0x123456, "1193046"},
        {100000, "100000"},       // whole numbers stay integers, never 1e+05
        {-1, "-1"},
        {0, "0"},
        {0.1, "0.1"},
        {5.991464547743, "5.991464547743"},
        {2.995732273553991, "2.995732273553991"},
        {1e-7, "1e-07"},
        {1e300, "1e+300"},
    };
    for (const auto& c : cases) {
        const std::string text = exact_number(c.value);
        EXPECT_EQ(text, c.text) << c.text;
        double back = 0;
        ASSERT_TRUE(parse_double(text, back)) << text;
        EXPECT_EQ(back, c.value) << text;
    }
    // Every double reads back as itself, whatever its digits.
    double v = 1.0 / 3.0;
    for (int i = 0; i < 200; ++i, v = v * 7.123456789 + 1e-9 * i) {
        double back = 0;
        ASSERT_TRUE(parse_double(exact_number(v), back));
        ASSERT_EQ(back, v) << exact_number(v);
        if (v > 1e250) v = 1e-250 * (i + 1);
    }
}
