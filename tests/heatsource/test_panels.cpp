// Parameter panels on the recording canvas: the heading, the two rows, the
// flags that leave captions out without leaving gaps, the values they show.
#include "captions.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "lang.h"
#include "program_state.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

constexpr Rect window{0, 0, 800, 560};   // H = 560 / 28 = 20

class Panels : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_program_state();
        FontRecord f;
        f.face = "Times New Roman";
        f.height = 20;
        const Size s = measure_text(f, "S");
        cw = s.cx;
        cy = s.cy;
        dc.set_text_color(Rgb{128, 0, 0});
    }
    void TearDown() override
    {
        set_language(Language::english);
        colour_mode = 1;
    }

    // The rows' line height: that of "S" in the font of the first caption
    // (a panel whose rows do not fit takes a smaller font than H).
    int row_cy() const
    {
        FontRecord f = dc.texts.at(1).font;
        f.face = "Times New Roman";
        return measure_text(f, "S").cy;
    }
    int row_cw() const
    {
        FontRecord f = dc.texts.at(1).font;
        f.face = "Times New Roman";
        return measure_text(f, "S").cx;
    }
    int row_top(int row) const { return static_cast<int>(window.bottom - (row == 0 ? 3.5 : 1.5) * row_cy()); }

    // The texts on the caption line of a row (symbol pieces, values, inline
    // units and semicolons; not the raised or lowered pieces).
    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> out;
        if (dc.texts.size() < 2) return out;
        const int top = row_top(r);
        for (const auto& t : dc.texts)
            if (t.y == top) out.push_back(t.text);
        return out;
    }

    // The highest top of the texts of row 1 (its raised numerators and marks).
    int row1_highest() const
    {
        int top = row_top(0);
        for (std::size_t i = 1; i < dc.texts.size(); ++i)
            if (dc.texts[i].y < row_top(0) + row_cy()) top = std::min(top, dc.texts[i].y);
        return top;
    }

    RecordingCanvas dc;
    int cw = 0;
    int cy = 0;
};

using Texts = std::vector<std::string>;

}   // namespace

TEST_F(Panels, HeadingAndRowsLieAlongTheBottom)
{
    ppr1_draw_panel(dc, window, 1, 1, 1, 1);
    ASSERT_FALSE(dc.texts.empty());
    const auto& heading = dc.texts.front();
    EXPECT_EQ(heading.text, "Thermal-physical properties of material and welding conditions:");
    EXPECT_EQ(heading.x, 12 * cw);
    // 4.7 cy above the bottom, clear of the line a window may draw above the
    // panel (its point line at 6.2 of its own text heights); its cell ends
    // above row 1's highest text (a raised numerator), in the largest font
    // up to 1.2 H = 24 that clears it, so that neither touches the other.
    EXPECT_EQ(heading.y, static_cast<int>(560 - 4.7 * cy));
    const int heading_bottom = heading.y + measure_text(heading.font, heading.text).cy;
    EXPECT_LT(heading_bottom, row1_highest());
    FontRecord larger = heading.font;
    ++larger.height;
    EXPECT_GE(heading.y + measure_text(larger, heading.text).cy + 1, row1_highest());
    EXPECT_LE(heading.font.height, 24);   // 20 · 1.2
    EXPECT_EQ(heading.font.face, "Times New Roman");
    EXPECT_EQ(heading.color, (Rgb{127, 0, 0}));

    EXPECT_EQ(dc.texts[1].text, " l =  0.3");
    EXPECT_EQ(dc.texts[1].x, 2 * cw);
    EXPECT_EQ(dc.texts[1].y, row_top(0));
    EXPECT_EQ(dc.texts[1].font.height, 20);
    for (std::size_t i = 1; i < dc.texts.size(); ++i) EXPECT_EQ(dc.texts[i].color, (Rgb{0, 0, 0})) << dc.texts[i].text;

    EXPECT_EQ(row(0), (Texts{" l =  0.3", ";", "c  = 0.628", ";", "g  = 7.8", ";", "a = 0", ";"}));
    // Energy input 4500 / 0.1 = 45000 J/cm, per thickness 45000 / 5 = 9000.
    // T0's unit C follows its degree sign, drawn apart: "T  = 20 ", "0", "C".
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", " v  =", " 0.1", ";", "d   = 5", " cm;", "q = 4500 W;",
                             " = 45000 ", ";", " = 9000 ", ";"}));
    EXPECT_EQ(row(1).size(), 13u);
    EXPECT_EQ(dc.find_text(" v  =")->x > dc.find_text("T  = 20 ")->x, true);
}

// On a 1024 x 768 window (H = 27, cw = 13) the heading at 1.2 H = 32 would
// reach down to row 1's numerators; in the font that clears them it fits
// from 12 cw = 156 in every language and ends inside the window. On a
// printer page the same holds inside the plot rectangle.
TEST_F(Panels, HeadingEndsInsideItsRectangle)
{
    struct Case {
        Language language;
        Rect rect;
        bool moved;
        bool smaller;
    };
    const Case cases[] = {
        {Language::english, Rect{0, 0, 1024, 768}, false, false},
        {Language::russian, Rect{0, 0, 1024, 768}, false, false},
        {Language::ukrainian, Rect{0, 0, 1024, 768}, false, false},
        {Language::french, Rect{0, 0, 1024, 768}, false, false},
        {Language::german, Rect{0, 0, 1024, 768}, false, false},
        {Language::german, Rect{300, 100, 1324, 868}, false, false},
    };
    for (const Case& c : cases) {
        set_language(c.language);
        SCOPED_TRACE(static_cast<int>(c.language));
        RecordingCanvas page;
        ppr1_draw_panel(page, c.rect, 1, 1, 1, 1);
        ASSERT_FALSE(page.texts.empty());
        const auto& heading = page.texts.front();
        FontRecord f = heading.font;
        f.height = 27;
        const int pcw = measure_text(f, "S").cx;
        EXPECT_EQ(pcw, 13);
        EXPECT_EQ(heading.x, c.rect.left + (c.moved ? 2 : 12) * pcw);
        EXPECT_EQ(heading.y, static_cast<int>(c.rect.bottom - 4.7 * 27));
        EXPECT_LT(heading.font.height, 32);   // clear of row 1's numerators
        EXPECT_LE(heading.x + measure_text(heading.font, heading.text).cx, c.rect.right);
        if (c.smaller) {
            FontRecord larger = heading.font;
            ++larger.height;
            EXPECT_GT(heading.x + measure_text(larger, heading.text).cx, c.rect.right);
        }
    }
}

TEST_F(Panels, BlackAndWhiteHeading)
{
    colour_mode = 0;
    ppr2_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(dc.texts.front().color, (Rgb{0, 0, 0}));
}

TEST_F(Panels, RussianHeadingAndCyrillicFont)
{
    set_language(Language::russian);
    ppr2_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(dc.texts.front().text, "Теплофизические характеристики материала и режим сварки:");
    EXPECT_EQ(dc.texts.front().font.charset, 204);
    EXPECT_NE(dc.find_text("q = 4500 Вт;"), nullptr);
}

TEST_F(Panels, FlagsLeaveCaptionsOutWithoutGaps)
{
    struct Case {
        int show_v, show_q, show_T0, show_thickness;
        Texts row2;
    };
    const Case cases[] = {
        {1, 0, 1, 1, {"T  = 20 ", "C", ";", " v  =", " 0.1", ";", "d   = 5", " cm;"}},
        {0, 0, 0, 0, {}},
        // Without the thickness caption the q/(v·δ) caption stays.
        {1, 1, 0, 0, {" v  =", " 0.1", ";", "q = 4500 W;", " = 45000 ", ";", " = 9000 ", ";"}},
        // A flag counts only when it is 1.
        {2, 1, 1, 1, {"T  = 20 ", "C", ";", "d   = 5", " cm;", "q = 4500 W;", " = 45000 ", ";", " = 9000 ", ";"}},
    };
    for (const Case& c : cases) {
        dc.clear();
        ppr1_draw_panel(dc, window, c.show_v, c.show_q, c.show_T0, c.show_thickness);
        EXPECT_EQ(row(1), c.row2) << c.show_v << c.show_q << c.show_T0 << c.show_thickness;
    }
    // The first caption of a row starts at the origin whichever it is.
    dc.clear();
    ppr1_draw_panel(dc, window, 1, 1, 0, 0);
    EXPECT_EQ(dc.find_text(" v  =")->x, 2 * cw);
}

TEST_F(Panels, LayerCaptionsOnlyWithAContactResistance)
{
    ppr2_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", " v  =", " 0.1", ";", "q = 4500 W;", " = 45000 ", ";"}));
    dc.clear();
    scheme_state.ppr2.parameters.R_T = 0.5;
    ppr2_draw_panel(dc, window, 1, 1, 1, 0);
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", " v  =", " 0.1", ";", "d   = 5", " cm;", "R", " = 0.5", ";", "q = 4500 W;",
                             " = 45000 ", ";"}));
}

TEST_F(Panels, MultiLayerPlateShowsEnergyPerPlateThickness)
{
    // 4500 / 0.1 / 5 (plate) = 9000, not 4500 / 0.1 / 1 (layer).
    ppr3_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_NE(dc.find_text(" = 9000 "), nullptr);
    EXPECT_EQ(dc.find_text(" = 45000 ") != nullptr, true);   // q/v itself
    EXPECT_EQ(row(0), (Texts{" l =  0.3", ";", "c  = 0.628", ";", "g  = 7.8", ";", "a = 0.003", ";", "R", " = 0", ";",
                             "d   = 1", " cm;"}));
}

TEST_F(Panels, TwoPlatesOfDifferentWidthPutThicknessBeforeSpeed)
{
    ppr4_draw_panel(dc, window, 1, 0, 1, 0);
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", " v  =", " 0.1", ";"}));
    dc.clear();
    ppr4_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", "d   = 0.6", " cm;", " v  =", " 0.1", ";", "q = 520 W;", " = 5200 ",
                             ";", " = 8666.67 ", ";"}));
}

TEST_F(Panels, DissimilarPlatesAlwaysShowTheSecondThickness)
{
    ppr5_draw_panel(dc, window, 1, 0, 1, 0);
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", " v  =", " 0.2", ";", "d   = 2", " cm;"}));
    dc.clear();
    ppr5_draw_panel(dc, window, 1, 1, 1, 1);
    // q/(v·δ1) = 1000 / 0.2 / 1.
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";", " v  =", " 0.2", ";", "d   = 1", " cm;", "d   = 2", " cm;",
                             "q = 1000 W;", " = 5000 ", ";", " = 5000 ", ";"}));
}

TEST_F(Panels, EnergyInputWindowShowsMaterialAndPreheatOnly)
{
    ppr14_draw_panel(dc, window, 0, 0, 1, 1);
    EXPECT_EQ(row(0), (Texts{" l =  0.1", ";", "c  = 0.16", ";", "g  = 7.8", ";", "k  = 2", ";"}));
    EXPECT_EQ(row(1), (Texts{"T  = 20 ", "C", ";"}));
}

TEST_F(Panels, ZeroSpeedShowsNoInfiniteEnergy)
{
    scheme_state.ppr1.parameters.v = 0;
    ppr1_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(dc.all_text().find("inf"), std::string::npos) << dc.all_text();
    EXPECT_EQ(dc.all_text().find("nan"), std::string::npos);
    EXPECT_NE(dc.find_text("q = 4500 W;"), nullptr);
    dc.clear();
    scheme_state.ppr2.parameters.v = 0;
    scheme_state.ppr2.parameters.q = 0;
    ppr2_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(dc.all_text().find("nan"), std::string::npos);
}

TEST_F(Panels, FontHeightFollowsTheRectangle)
{
    // A printer page: H from the rectangle's height, 2800 / 28 = 100.
    ppr15_draw_panel(dc, Rect{300, 400, 4000, 3200}, 1, 1, 1, 1);
    EXPECT_LE(dc.texts.front().font.height, 120);   // 1.2 H at most, clear of row 1
    EXPECT_EQ(dc.find_text(" l =  0.1")->font.height, 100);
    EXPECT_GT(dc.find_text(" l =  0.1")->x, 300);
}

TEST_F(Panels, InstalledForTheQuasiStationarySchemes)
{
    const PanelPainter expected[] = {nullptr,          ppr1_draw_panel, ppr2_draw_panel, ppr3_draw_panel,
                                     ppr4_draw_panel,  ppr5_draw_panel, ppr9_draw_panel, nullptr,
                                     nullptr,          ppr14_draw_panel, ppr15_draw_panel};
    for (int n : {1, 2, 3, 4, 5, 6, 9, 10}) {
        ASSERT_TRUE(install_scheme(n));
        EXPECT_EQ(current_model.draw_panel, expected[n]) << "scheme " << n;
        dc.clear();
        current_model.draw_panel(dc, window, 1, 1, 1, 1);
        EXPECT_GT(row(0).size(), 5u) << "scheme " << n;
        EXPECT_GT(row(1).size(), 5u) << "scheme " << n;
    }
    install_scheme(2);
}

// The time-domain schemes read no flag: their windows always show the whole
// block, and the rows come out the same whatever a caller passes.
TEST_F(Panels, TimeDomainRowsWhateverTheFlags)
{
    struct Case {
        const char* name;
        PanelPainter panel;
        Texts row1;
        Texts row2;
    };
    const Case cases[] = {
        // q/Vx = 5000 / 0.28, per thickness 17857.1 / 5.
        {"oscillating plate", ppr10_draw_panel,
         {" l =  0.3", ";", "c  = 0.628", ";", "g  = 7.8", ";", "T  = 20 ", "C", ";", " v  =", " 0.28", ";",
          "a = 0.0003", ";"},
         {"d   = 5", " cm;", "A   = 4.6", " cm;", " v  =", " 7", ";", "q = 5000 W;", " = 17857.1 ", ";",
          " = 3571.43 ", ";"}},
        {"oscillating body", ppr11_draw_panel,
         {" l =  0.3", ";", "c  = 0.628", ";", "g  = 7.8", ";", "T  = 20 ", "C", ";", " v  =", " 0.28", ";"},
         {"a = 0.0003", ";", "A   = 4.6", " cm;", " v  =", " 7", ";", "q = 5000 W;", " = 17857.1 ", ";"}},
        {"pulsed body", rom1_draw_panel,
         // The subscripts and Δt's t stand between the letter and the rest
         // of the symbol piece, which is drawn after them.
         {"q", " = 1250 W;", "q", " = 500 W;", " v  =", " 1", ";", " l =  0.4", ";"},
         {"c  = 0.628", ";", "g  = 7.8", ";", "t", "  = 1 c", ";", "t", "  = 0.5 c", ";", "D", " =  10 c", "t", ";",
          "T  = 20 ", "C", ";", "d   = 1", " cm;"}},
        {"composite plates", comp_draw_panel,
         {" l", " =  0.44", ";", "l", " =  0.12", ";", "c  = 0.22", ";", "c  = 0.148", ";", "g", "  = 2.7", ";", "g",
          "  = 7.8", ";"},
         {"k   = 0.75", " #;", "k   = 0.25", " #;", "T  = 20 ", "C", ";", " v  =", " 6", ";", "d   = 0.1", " cm;",
          "q = 3000 W;"}},
    };
    for (const Case& c : cases) {
        for (int flags : {1, 0}) {
            dc.clear();
            c.panel(dc, window, flags, flags, flags, flags);
            EXPECT_EQ(dc.texts.front().text, "Thermal-physical properties of material and welding conditions:")
                << c.name;
            EXPECT_EQ(row(0), c.row1) << c.name << " flags " << flags;
            EXPECT_EQ(row(1), c.row2) << c.name << " flags " << flags;
            // Both rows start at the origin, 2 cw of the rows' font.
            EXPECT_EQ(dc.find_text(c.row1.front())->x, 2 * row_cw()) << c.name;
            EXPECT_EQ(dc.find_text(c.row2.front())->x, 2 * row_cw()) << c.name;
        }
    }
}

// The first caption of the pulsed panels keeps the colour it finds; the
// panel itself turns the rows black after the dark red heading.
TEST_F(Panels, PulsedRowsAreBlackAfterTheHeading)
{
    for (PanelPainter panel : {rom1_draw_panel, rom2_draw_panel, rom3_draw_panel}) {
        dc.clear();
        dc.set_text_color(Rgb{128, 0, 0});
        panel(dc, window, 1, 1, 1, 1);
        EXPECT_EQ(dc.texts.front().color, (Rgb{127, 0, 0}));
        for (std::size_t i = 1; i < dc.texts.size(); ++i)
            EXPECT_EQ(dc.texts[i].color, (Rgb{0, 0, 0})) << dc.texts[i].text;
    }
}

// Each pulsed scheme shows its own block.
TEST_F(Panels, PulsedPanelsReadTheirOwnBlocks)
{
    scheme_state.rom2.parameters.q1 = 5000;
    scheme_state.rom2.parameters.t = 0.05;
    scheme_state.rom3.parameters.delta = 0.3;
    dc.clear();
    rom1_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(row(0).at(1), " = 1250 W;");
    dc.clear();
    rom2_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(row(0).at(1), " = 5000 W;");
    EXPECT_NE(dc.find_text(" =  0.05 c"), nullptr);
    dc.clear();
    rom3_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(row(1).at(row(1).size() - 2), "d   = 0.3");
}

// A cross speed or welding speed of zero gives no "inf" in the energy.
TEST_F(Panels, OscillatingPanelWithZeroSpeedShowsNoInfiniteEnergy)
{
    scheme_state.ppr10.parameters.v_x = 0;
    ppr10_draw_panel(dc, window, 1, 1, 1, 1);
    EXPECT_EQ(dc.all_text().find("inf"), std::string::npos) << dc.all_text();
    EXPECT_NE(dc.find_text("q = 5000 W;"), nullptr);
}

TEST_F(Panels, InstalledForTheTimeDomainSchemes)
{
    const struct {
        int n;
        PanelPainter panel;
    } expected[] = {{7, ppr10_draw_panel}, {8, ppr11_draw_panel}, {11, rom1_draw_panel},
                    {12, rom2_draw_panel}, {13, rom3_draw_panel}, {14, comp_draw_panel}};
    for (const auto& e : expected) {
        ASSERT_TRUE(install_scheme(e.n));
        EXPECT_EQ(current_model.draw_panel, e.panel) << "scheme " << e.n;
    }
    install_scheme(2);
}
