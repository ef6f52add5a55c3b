// The words of a point without a cooling time: the message at a point and
// the one line under a sweep that counts the points left out.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "cooling_reports.h"
#include "recording_canvas.h"

namespace {

CoolingTime failed(CoolingStatus status)
{
    CoolingTime c;
    c.status = status;
    c.T_from = 850;
    c.T_to = 500;
    c.t_max = 443;
    c.not_cooled_to = 500;
    c.v = -0.1;
    c.q = 0;
    c.time = std::numeric_limits<double>::quiet_NaN();
    return c;
}

CoolingTime reached()
{
    CoolingTime c = failed(CoolingStatus::reached);
    c.time = 12;
    return c;
}

class CoolingReports : public ::testing::Test {
protected:
    void TearDown() override { set_language(Language::english); }
};

TEST_F(CoolingReports, NoteCountsThePointsLeftOutByReason)
{
    SweepGaps gaps(50);
    EXPECT_EQ(gaps.note(), "");
    for (int i = 0; i < 40; ++i) gaps.leave_out(reached());   // not counted
    for (int i = 0; i < 8; ++i) gaps.leave_out(failed(CoolingStatus::peak_below));
    gaps.leave_out(failed(CoolingStatus::not_cooled));
    gaps.leave_out(failed(CoolingStatus::not_cooled));
    EXPECT_EQ(gaps.left_out(), 10);
    EXPECT_TRUE(gaps.any());
    EXPECT_FALSE(gaps.all());
    EXPECT_EQ(gaps.note(),
              "Not plotted: peak below 850 °C at 8 of 50 points; no cooling to 500 °C at 2 of 50 points");

    // The five languages, each with its own way of counting.
    struct Case {
        Language language;
        const char* note;
    };
    const Case cases[] = {
        {Language::russian, "Не построено: максимальная температура ниже 850 °C (точек: 8 из 50); "
                            "нет охлаждения до 500 °C (точек: 2 из 50)"},
        {Language::ukrainian, "Не побудовано: максимальна температура нижче 850 °C (точок: 8 з 50); "
                              "немає охолодження до 500 °C (точок: 2 з 50)"},
        {Language::german, "Nicht dargestellt: Höchsttemperatur unter 850 °C bei 8 von 50 Punkten; "
                           "keine Abkühlung auf 500 °C bei 2 von 50 Punkten"},
        {Language::french, "Non tracé : température maximale inférieure à 850 °C pour 8 des 50 points; "
                           "pas de refroidissement jusqu'à 500 °C pour 2 des 50 points"},
    };
    for (const Case& c : cases) {
        set_language(c.language);
        EXPECT_EQ(gaps.note(), c.note);
    }
}

TEST_F(CoolingReports, EveryStatusHasItsReasonAndItsMessage)
{
    const CoolingStatus statuses[] = {CoolingStatus::speed_not_positive, CoolingStatus::power_not_positive,
                                      CoolingStatus::not_finite,         CoolingStatus::peak_below,
                                      CoolingStatus::not_cooled,         CoolingStatus::interval_unresolved};
    for (Language language : {Language::english, Language::russian, Language::ukrainian, Language::german,
                              Language::french}) {
        set_language(language);
        SweepGaps gaps(6);
        for (CoolingStatus s : statuses) {
            gaps.leave_out(failed(s));
            EXPECT_FALSE(cooling_failure_text(failed(s), 0.5, 0.3).empty());
        }
        EXPECT_TRUE(gaps.all());
        // Six reasons, one point each, in the order they came.
        const std::string note = gaps.note();
        std::size_t semicolons = 0;
        for (char ch : note) semicolons += ch == ';';
        EXPECT_EQ(semicolons, 5u) << note;
    }
    set_language(Language::english);
    EXPECT_EQ(cooling_failure_text(reached(), 0.5, 0.3), "");
    EXPECT_EQ(cooling_failure_text(failed(CoolingStatus::peak_below), 0.5, 0.3),
              "Maximum temperature=443 at y=0.5 z=0.3 [cm]");
    EXPECT_EQ(cooling_failure_text(failed(CoolingStatus::not_cooled), 0.5, 0.3),
              "The point (y=0.5 z=0.3 [cm]) does not cool to 500 [C deg.] within 8000 cm behind the source");
    EXPECT_EQ(cooling_failure_text(failed(CoolingStatus::speed_not_positive), 0.5, 0.3),
              "The welding speed must be positive: v=-0.1");
}

const Text5 lookup_reason{"outside the atlas curves at %g s", "вне кривых атласа при %g с",
                          "поза кривими атласу при %g с", "ausserhalb der Atlaskurven bei %g s",
                          "hors des courbes de l'atlas à %g s"};

TEST_F(CoolingReports, WindowsAddReasonsOfTheirOwn)
{
    SweepGaps gaps(20);
    gaps.leave_out(lookup_reason, 300);
    gaps.leave_out(lookup_reason, 300);
    gaps.leave_out(lookup_reason, 2);   // another value: another reason
    gaps.leave_out(failed(CoolingStatus::peak_below));
    EXPECT_EQ(gaps.note(),
              "Not plotted: outside the atlas curves at 300 s at 2 of 20 points; outside the atlas curves at 2 s "
              "at 1 of 20 points; peak below 850 °C at 1 of 20 points");
}

TEST_F(CoolingReports, NoteIsOneCentredLine)
{
    RecordingCanvas dc;
    SweepGaps gaps(50);
    EXPECT_EQ(draw_sweep_gap_note(dc, gaps, 0, 1000, 700), 700);
    EXPECT_TRUE(dc.texts.empty());

    for (int i = 0; i < 8; ++i) gaps.leave_out(failed(CoolingStatus::peak_below));
    FontRecord font;
    font.height = 20;
    font.face = "Times New Roman";
    dc.select_font(font);
    const int below = draw_sweep_gap_note(dc, gaps, 0, 1000, 700);
    ASSERT_EQ(dc.texts.size(), 1u);
    const Size size = dc.text_extent(gaps.note());
    EXPECT_EQ(dc.texts[0].text, "Not plotted: peak below 850 °C at 8 of 50 points");
    EXPECT_EQ(dc.texts[0].x, (1000 - size.cx) / 2);
    EXPECT_EQ(dc.texts[0].y, 700);
    EXPECT_EQ(below, 700 + size.cy);
    // Wider than the room: from the left edge.
    dc.clear();
    draw_sweep_gap_note(dc, gaps, 100, 110, 0);
    EXPECT_EQ(dc.texts[0].x, 100);
}

}  // namespace
