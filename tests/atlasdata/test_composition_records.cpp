// Composition records: construction, the line parsers and the sweep steps.
#include "composition.h"
#include "numfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

TEST(CompositionRecord, StartsAllZero)
{
    CompositionRecord r;
    for (double v : r.content) EXPECT_EQ(v, 0.0);
    r[el_w] = 3.0;
    r.init_composition_record();
    EXPECT_EQ(r[el_w], 0.0);
}

TEST(ParseComposition, TableOfLines)
{
    struct Case {
        const char* line;
        int count;
        std::vector<double> first;   // the contents expected from index 0 on
    };
    const Case cases[] = {
        {"0.2 0.3 1.1", 3, {0.2, 0.3, 1.1, 0.0}},
        {"  0.2\t0.3   1.1 \r\n", 3, {0.2, 0.3, 1.1, 0.0}},
        {"", 0, {0.0}},
        {"   ", 0, {0.0}},
        {".15 +0.3 1e-1 2.", 4, {0.15, 0.3, 0.1, 2.0}},
        // Reading stops at the first word that is not a whole number.
        {"0.2 abc 1.1", 1, {0.2, 0.0, 0.0}},
        {"0.2 0.3x 1.1", 1, {0.2, 0.0, 0.0}},
        {"0,2 0.3", 0, {0.0, 0.0}},
        {"0.2 nan 1.1", 1, {0.2, 0.0}},
        {"0.2 inf", 1, {0.2, 0.0}},
        {"0.2 1e999", 1, {0.2, 0.0}},
        {"0x10 1", 0, {0.0}},
        {"C 0.2", 0, {0.0}},
    };
    for (const Case& c : cases) {
        CompositionRecord r;
        EXPECT_EQ(r.parse_composition(c.line), c.count) << '"' << c.line << '"';
        for (std::size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(r[static_cast<int>(i)], c.first[i]) << '"' << c.line << "\" index " << i;
    }
}

TEST(ParseComposition, SixteenInRecordOrderAndNoMore)
{
    std::string line;
    for (int i = 1; i <= 18; ++i) line += std::to_string(i) + " ";
    CompositionRecord r;
    EXPECT_EQ(r.parse_composition(line), 16);
    for (int i = 0; i < composition_size; ++i) EXPECT_EQ(r[i], i + 1.0);
}

TEST(ParseComposition, ShortOrBrokenLineKeepsTheRest)
{
    CompositionRecord r;
    for (int i = 0; i < composition_size; ++i) r[i] = 9.0;
    EXPECT_EQ(r.parse_composition("0.1 0.2 oops 0.4"), 2);
    EXPECT_EQ(r[el_c], 0.1);
    EXPECT_EQ(r[el_si], 0.2);
    for (int i = 2; i < composition_size; ++i) EXPECT_EQ(r[i], 9.0);
}

TEST(ParseComposition, ReadsOnlyTheGivenText)
{
    // The view ends before "9 9": nothing past it is read, and an embedded
    // NUL ends no number early.
    const char buffer[] = "0.5 0.6 9 9";
    CompositionRecord r;
    EXPECT_EQ(r.parse_composition(std::string_view(buffer, 7)), 2);
    EXPECT_EQ(r[el_mn], 0.0);
    EXPECT_EQ(r.parse_composition(std::string_view("0.5\0 7", 6)), 0);
}

TEST(ShorshorovSteel, CompositionLineInFileOrder)
{
    ShorshorovSteel s;
    EXPECT_EQ(s.shorshorov_parse_composition("0.14 0.25 0.9 0.1 0.2 0.05 0.02 0.03 0.2 0 0 0 0.02 0.01 0.05 7 8"), 15);
    EXPECT_EQ(s[el_c], 0.14);
    EXPECT_EQ(s[el_si], 0.25);
    EXPECT_EQ(s[el_mn], 0.9);
    EXPECT_EQ(s[el_cr], 0.1);
    EXPECT_EQ(s[el_ni], 0.2);
    EXPECT_EQ(s[el_mo], 0.05);
    EXPECT_EQ(s[el_s], 0.02);
    EXPECT_EQ(s[el_p], 0.03);
    EXPECT_EQ(s[el_cu], 0.2);
    EXPECT_EQ(s[el_al], 0.02);
    EXPECT_EQ(s[el_n2], 0.01);
    EXPECT_EQ(s[el_v], 0.05);
    EXPECT_EQ(s[el_w], 0.0);
}

TEST(ShorshorovSteel, BaseMetalLine)
{
    ShorshorovSteel s;
    s.initial_hv30 = 111.0;
    EXPECT_EQ(s.shorshorov_parse_base_properties("1 520 24 60"), 4);
    EXPECT_EQ(s.base_first, 1.0);
    EXPECT_EQ(s.initial_rm, 520.0);
    EXPECT_EQ(s.initial_elongation, 24.0);
    EXPECT_EQ(s.initial_reduction, 60.0);
    EXPECT_EQ(s.initial_hv30, 111.0);   // no fifth number: kept
    EXPECT_EQ(s.shorshorov_parse_base_properties("2 530 25 61 170"), 5);
    EXPECT_EQ(s.initial_hv30, 170.0);
}

TEST(SteelRecords, ConstructorsSetTheSweepRanges)
{
    KasatkinSteel k;
    const double kmax[] = {0.4, 2.0, 0.8, 0.2, 1.0, 1.5, 1.5, 0.6, 0.6, 0.1, 0.5, 0.5};
    for (int i = 0; i < KasatkinSteel::sweep_count; ++i) {
        EXPECT_EQ(k.ranges[static_cast<std::size_t>(i)].min, 0.0);
        EXPECT_EQ(k.ranges[static_cast<std::size_t>(i)].max, kmax[i]);
    }
    IonSteel ion;
    EXPECT_EQ(ion.ranges[0].min, 0.1);
    EXPECT_EQ(ion.ranges[0].max, 0.18);
    EXPECT_EQ(ion.ranges[3].min, 0.008);
    EXPECT_EQ(ion.ranges[3].max, 0.029);
    EXPECT_EQ(ion.ranges[7].min, 0.06);
    EXPECT_EQ(ion.ranges[7].max, 0.21);
    for (double v : ion.content) EXPECT_EQ(v, 0.0);
}

TEST(VaryElement, WorkedSteps)
{
    IonSteel ion;
    EXPECT_DOUBLE_EQ(ion.ion_vary_element(0, 0, 50), 0.1);
    EXPECT_EQ(ion[el_c], 0.1);
    EXPECT_NEAR(ion.ion_vary_element(0, 49, 50), 0.1784, 1e-12);
    EXPECT_NEAR(ion[el_c], 0.1784, 1e-12);

    KasatkinSteel k;
    EXPECT_NEAR(k.kasatkin_vary_element(9, 25, 50), 0.05, 1e-15);
    EXPECT_NEAR(k[el_nb], 0.05, 1e-15);
}

TEST(VaryElement, EachStepWritesOnlyItsOwnElement)
{
    const int ion_elements[] = {el_c, el_si, el_mn, el_p, el_s, el_cr, el_ni, el_cu};
    for (int k = 0; k < IonSteel::sweep_count; ++k) {
        IonSteel ion;
        double v = ion.ion_vary_element(k, 10, 50);
        for (int e = 0; e < composition_size; ++e)
            EXPECT_EQ(ion[e], e == ion_elements[k] ? v : 0.0) << "k " << k << " element " << e;
    }
    const int kasatkin_elements[] = {el_c, el_mn, el_si, el_cr, el_mo, el_ni, el_v, el_ti, el_al, el_nb, el_w, el_cu};
    for (int k = 0; k < KasatkinSteel::sweep_count; ++k) {
        KasatkinSteel steel;
        double v = steel.kasatkin_vary_element(k, 10, 50);
        EXPECT_GT(v, 0.0);
        for (int e = 0; e < composition_size; ++e)
            EXPECT_EQ(steel[e], e == kasatkin_elements[k] ? v : 0.0) << "k " << k << " element " << e;
    }
}

TEST(VaryElement, StaysInsideItsRangeAndIgnoresBadArguments)
{
    KasatkinSteel k;
    EXPECT_EQ(k.kasatkin_vary_element(0, 50, 50), 0.4);    // the maximum itself
    EXPECT_EQ(k.kasatkin_vary_element(0, 80, 50), 0.4);    // held at the maximum
    EXPECT_EQ(k.kasatkin_vary_element(0, -3, 50), 0.0);    // held at the minimum

    IonSteel ion;
    EXPECT_EQ(ion.ion_vary_element(2, -1, 50), 0.41);
    EXPECT_EQ(ion.ion_vary_element(2, 51, 50), 1.4);

    // Outside the element table or without steps: nothing changes.
    for (auto [kk, n] : {std::pair{-1, 50}, std::pair{12, 50}, std::pair{1000, 50}, std::pair{0, 0}, std::pair{0, -5}}) {
        KasatkinSteel fresh;
        EXPECT_EQ(fresh.kasatkin_vary_element(kk, 1, n), 0.0);
        for (double v : fresh.content) EXPECT_EQ(v, 0.0);
    }
    for (auto [kk, n] : {std::pair{-1, 50}, std::pair{8, 50}, std::pair{0, 0}}) {
        IonSteel fresh;
        EXPECT_EQ(fresh.ion_vary_element(kk, 1, n), 0.0);
        for (double v : fresh.content) EXPECT_EQ(v, 0.0);
    }
}

TEST(ParseComposition, ReadsBackTheSixteenNumberTextOfTheModelWindows)
{
    // The windows write an entered composition as sixteen " %lg" and read it
    // back: every element, the small ones too, comes back in its own field.
    CompositionRecord entered;
    const double values[composition_size] = {0.15, 0.3, 1.0, 0.012, 0.02, 0.1, 0.05, 0.05,
                                             0.02, 0.01, 0.01, 0.0005, 0.02, 0.008, 0.03, 0.2};
    std::string text;
    for (double v : values) text += cformat(" %lg", v);
    EXPECT_EQ(entered.parse_composition(text), 16);
    for (int i = 0; i < composition_size; ++i) EXPECT_EQ(entered[i], values[i]) << i;
}
