// The Kasatkin-Seyffarth windows on the recording canvas: titles, tables,
// axes and curves where the layout puts them, in two languages; their
// failures, and the regime they give back.
#include <gtest/gtest.h>

#include <cmath>

#include "kasatkin_windows.h"
#include "numfmt.h"
#include "steel_window_test_support.h"

namespace {

class KasatkinWindows : public ::testing::Test {
protected:
    void SetUp() override { reset_program_state(); }
    void TearDown() override { reset_program_state(); }
    const double point_[4] = {0.5, 0.3, 850, 500};
};

// The line height of the window font of cell height H.
int line_height(int H)
{
    RecordingCanvas measure;
    steel_font(measure, H);
    return measure.text_extent("Wg").cy;
}

TEST_F(KasatkinWindows, StructureAtPointTitleTableAndCurvesInTwoLanguages)
{
    struct Row {
        Language language;
        const char* title;
        const char* subtitle;
        int charset;
    };
    const Row rows[] = {
        {Language::english, "Structure under model O.G. Kasatkin and P. Seyffarth", "low-alloyed steel", 0},
        {Language::russian, "Фазовый состав по модели О.Г.Касаткина и П.И.Daverurud", "для низколегированных сталей",
         204},
    };
    for (const Row& row : rows) {
        set_language(row.language);
        RecordingCanvas dc;
        kasatkin_structure_at_point_window(point_, 50, nullptr, dc, 0, example_composition(), 0);
        const int H = 768 / 33;
        const int h = line_height(H);
        const auto* title = dc.find_text(row.title);
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->x, h);
        EXPECT_EQ(title->y, static_cast<int>(0.3 * h));
        EXPECT_EQ(title->font.height, static_cast<int>(1.4 * H));
        EXPECT_EQ(title->font.charset, row.charset);
        EXPECT_EQ(title->color, rgb(127, 0, 0));
        ASSERT_NE(dc.find_text(row.subtitle), nullptr);
        // Four share curves, drawn bold, the last of them reaching 400 s at
        // the plot's right edge (client right - 17h).
        ASSERT_EQ(dc.polylines.size(), 8u);
        EXPECT_EQ(dc.polylines[6].points.back().x, 1024 - 17 * h);
        // The structure table holds the cooling time of the point.
        const CoolingTime c = cooling_time_at_point(0.5, 0.3, 850, 500);
        EXPECT_NE(dc.find_text(cformat("%-.3lg", c.time)), nullptr) << c.time;
        EXPECT_TRUE(shown_boxes().empty());
    }
}

TEST_F(KasatkinWindows, PropertiesAtPointStopShortOfFourHundredSeconds)
{
    RecordingCanvas dc;
    kasatkin_properties_at_point_window(point_, 50, nullptr, dc, 0, example_composition(), 0);
    const int H = 768 / 35;
    const int h = line_height(H);
    const Rect plot{12 * h, 7 * h, 1024 - 12 * h, 768 - 15 * h};
    ASSERT_EQ(dc.polylines.size(), 12u);   // six properties, bold
    const double sx = (plot.right - plot.left) / std::log(400.0);
    EXPECT_EQ(dc.polylines[0].points.back().x, plot.left + static_cast<int>(49 * std::log(400.0) / 50 * sx));
    EXPECT_LT(dc.polylines[0].points.back().x, plot.right);
    // HV ticks run to 750, Rm's to 2300; R02 has no axis of its own.
    EXPECT_NE(dc.find_text("750"), nullptr);
    EXPECT_NE(dc.find_text("2300"), nullptr);
    EXPECT_NE(dc.find_text("Yield point R02, MPa"), nullptr);
    EXPECT_NE(dc.find_text(" Account on model: \"2. Welding of semiinfinite body\""), nullptr);
    // The log axis labels 1 .. 400.
    for (const char* label : {"1", "2", "4", "6", "8", "10", "20", "40", "60", "100", "200", "400"})
        EXPECT_NE(dc.find_text(label), nullptr) << label;
}

TEST_F(KasatkinWindows, ChemistryWindowsNameTheElementAndDrawTheirFailure)
{
    RecordingCanvas dc;
    kasatkin_structure_vs_chemistry_window(point_, 50, nullptr, dc, 9, example_composition(), 0);
    EXPECT_NE(dc.find_text("Содержание Nb, %"), nullptr);
    EXPECT_NE(dc.find_text("Перлит, %"), nullptr);
    EXPECT_NE(dc.find_text("Зависимость фазового состава от химсостава"), nullptr);
    EXPECT_EQ(dc.polylines.size(), 8u);
    EXPECT_TRUE(shown_boxes().empty());

    // Not heated: the peak is written into the window, no box is shown.
    dc.clear();
    const double far[4] = {20, 0, 850, 500};
    kasatkin_properties_vs_chemistry_window(far, 50, nullptr, dc, 0, example_composition(), 0);
    ASSERT_EQ(dc.texts.size(), 1u);
    EXPECT_EQ(dc.texts[0].text.rfind("Maximum temperature=", 0), 0u) << dc.texts[0].text;
    EXPECT_NE(dc.texts[0].text.find(" at y=20 z=0 [cm]"), std::string::npos);
    EXPECT_EQ(dc.texts[0].color, rgb(0, 0, 0));
    EXPECT_TRUE(dc.polylines.empty());
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(KasatkinWindows, ChemistrySweepRunsFromZeroToJustBelowTheRangeMaximum)
{
    // Carbon over 0 .. 0.392 in steps of 0.008: the x axis ends at 0.392.
    RecordingCanvas dc;
    kasatkin_structure_vs_chemistry_window(point_, 50, nullptr, dc, 0, example_composition(), 0);
    const int H = 768 / 30;
    const int h = line_height(H);
    const Rect plot{5 * h, 7 * h, 1024 - 13 * h, 768 - 12 * h};
    ASSERT_FALSE(dc.polylines.empty());
    EXPECT_EQ(dc.polylines[0].points.front().x, plot.left);
    EXPECT_EQ(dc.polylines[0].points.back().x, plot.right);
    EXPECT_NE(dc.find_text("Содержание C, %"), nullptr);
}

TEST_F(KasatkinWindows, DependenceWindowsTitleInTheirLanguage)
{
    struct Row {
        SteelWindowRoutine routine;
        int scheme;
        std::vector<double> record;
        Language language;
        const char* title;
        const char* axis;
    };
    // The thickness windows on a plate: a body has no thickness to vary.
    const Row rows[] = {
        {kasatkin_structure_vs_energy_window, 2, {0.5, 0.3, 850, 500, 200, 5000, 0.1, 0.1}, Language::english,
         "Dependence  of phase composition upon heat input", "rate of energy input, kJ/cm"},
        {kasatkin_properties_vs_energy_window, 2, {0.5, 0.3, 850, 500, 200, 5000, 0.1, 0.1}, Language::russian,
         "Зависимость механических свойств от погонной энергии", "Погонная энергия, KДж/см"},
        {kasatkin_structure_vs_preheat_window, 2, {0.5, 0.3, 850, 500, 100, 400}, Language::russian,
         "Зависимость фазового состава от предварительного подогрева", "Подогрев, С"},
        {kasatkin_properties_vs_preheat_window, 2, {0.5, 0.3, 850, 500, 100, 400}, Language::english,
         "Dependence of mechanical property on preliminary heating", "Preheating, C"},
        {kasatkin_structure_vs_thickness_window, 1, {0.1, 0, 850, 500, 1.0, 3.0}, Language::english,
         "Dependence of phase structure on thickness of a plate", "Толщина пластины,см"},
        {kasatkin_properties_vs_thickness_window, 1, {0.1, 0, 850, 500, 1.0, 3.0}, Language::russian,
         "Зависимость механических свойств от толщины пластины", "Толщина пластины"},
    };
    for (const Row& row : rows) {
        reset_program_state();
        install_scheme(row.scheme);
        set_language(row.language);
        RecordingCanvas dc;
        row.routine(row.record.data(), 50, nullptr, dc, 0, example_composition(), 0);
        const auto* title = dc.find_text(row.title);
        ASSERT_NE(title, nullptr) << row.title;
        EXPECT_EQ(title->color, rgb(127, 0, 0));
        EXPECT_EQ(title->font.height, static_cast<int>(1.2 * (768 / 30)));
        EXPECT_NE(dc.find_text(row.axis), nullptr) << row.axis;
        EXPECT_GE(dc.polylines.size(), 10u) << row.title;
        EXPECT_TRUE(shown_boxes().empty()) << row.title;
    }
}

// Scheme 2 at y = 0.5 cm on the surface: the peak grows in proportion to the
// power, so the low powers of the sweep never reach 850 °C. Those points are
// a gap in every curve; the energy axis still starts at 2 kJ/cm; the line
// under the plot counts them.
TEST_F(KasatkinWindows, EnergySweepLeavesAGapWherePeakStaysBelowTheInterval)
{
    const std::vector<double> record{0.5, 0, 850, 500, 200, 5000, 0.1, 0.1};
    current_model.prepare();
    const double peak_4500 = current_model.temperature(find_peak_position(0.5, 0), 0.5, 0) - 20;
    int below = 0;
    for (int i = 0; i < 50; ++i) below += 20 + peak_4500 * (200 + 96 * i) / 4500 < 850;
    ASSERT_EQ(below, 10);   // 200 .. 1064 W

    RecordingCanvas dc;
    kasatkin_structure_vs_energy_window(record.data(), 50, nullptr, dc, 0, example_composition(), 0);
    EXPECT_TRUE(shown_boxes().empty());
    const auto* note = dc.find_text("Not plotted: peak below 850 °C at 10 of 50 points");
    ASSERT_NE(note, nullptr) << dc.all_text();
    EXPECT_EQ(note->color, rgb(128, 0, 0));
    const auto* axis_title = dc.find_text("rate of energy input, kJ/cm");
    ASSERT_NE(axis_title, nullptr);
    EXPECT_GT(note->y, axis_title->y);

    // t8/5 and four shares, each bold: every curve starts at the eleventh
    // point, E = 2 + 10 * 0.96 = 11.6 kJ/cm, on an axis from 2 to 49.04.
    const int h = line_height(768 / 30);
    const Rect plot{8 * h, 7 * h, 1024 - 13 * h, 768 - 12 * h};
    const double scale = (plot.right - plot.left) / (49.04 - 2);
    ASSERT_EQ(dc.polylines.size(), 10u);
    for (const auto& line : dc.polylines) {
        EXPECT_EQ(line.points.size(), 40u);
        EXPECT_EQ(line.points.front().x, plot.left + static_cast<int>((11.6 - 2) * scale));
    }
    // The tick of 8 kJ/cm stands in the gap, left of every curve.
    EXPECT_NE(dc.find_text("    8"), nullptr);
}

// Aluminium up to 0.6 % lifts the martensite centre by 4 per cent of Al so
// far that martensite and ferrite+pearlite overlap at the point's cooling
// time: the window says once that the model is outside its range, and still
// draws its curves from the limited shares.
TEST_F(KasatkinWindows, ChemistrySweepOutsideTheModelsRangeSaysSoOnce)
{
    RecordingCanvas dc;
    kasatkin_properties_vs_chemistry_window(point_, 50, nullptr, dc, 8, composition_dialog_start(), 0);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("The model is used outside its range", 0), 0u) << boxes[0].text;
    EXPECT_EQ(boxes[0].caption, "  Message!");
    EXPECT_GE(dc.polylines.size(), 12u);

    // Niobium up to 0.1 % keeps the model inside its range: no message.
    dc.clear();
    kasatkin_properties_vs_chemistry_window(point_, 50, nullptr, dc, 9, composition_dialog_start(), 0);
    EXPECT_TRUE(shown_boxes().empty());
}

// The model line and the point line stand on their rows counted up from the
// client's bottom (H = 768 / 30 = 25, h = 25, h'' = 37 the line of font 1.5 H),
// each moved the least distance that clears the descenders of the line above
// it (a few rows), and the point line ends above the parameter panel's
// heading at 641.
TEST_F(KasatkinWindows, LinesUnderThePlotStandOnTheirOwnRows)
{
    const std::vector<double> energy{0.05, 0, 850, 500, 200, 5000, 0.1, 0.1};
    const std::vector<double> point{0.05, 0, 850, 500};
    struct Row {
        SteelWindowRoutine routine;
        const double* record;
        const char* model_line;
        int model_y, point_y;
    };
    const Row rows[] = {
        // 768 - 7.4 h, 768 - 6.2 h
        {kasatkin_properties_vs_energy_window, energy.data(), " Account on model: \"2. Welding of semiinfinite body\"",
         583, 613},
        // 768 - 7.2 h, 768 - 6.2 h
        {kasatkin_properties_vs_chemistry_window, point.data(),
         " Рассчёт по модели: \"2. Welding of semiinfinite body\"", 588, 613},
        // 768 - 5.5 h'', 768 - 4.8 h''
        {kasatkin_structure_vs_chemistry_window, point.data(),
         " Рассчёт по модели: \"2. Welding of semiinfinite body\"", 565, 591},
    };
    for (const Row& row : rows) {
        RecordingCanvas dc;
        row.routine(row.record, 50, nullptr, dc, 0, composition_dialog_start(), 0);
        const auto* model = dc.find_text(row.model_line);
        const auto* point_line = dc.find_text(" (y=0.05, cm; z=0, cm)");
        ASSERT_NE(model, nullptr) << dc.all_text();
        ASSERT_NE(point_line, nullptr) << dc.all_text();
        // A descender reaches at most a fifth of the cell below it; the
        // point line's move adds to the model line's.
        EXPECT_NEAR(model->y, row.model_y, 6) << row.model_line;
        EXPECT_NEAR(point_line->y, row.point_y, 12) << row.model_line;
        dc.select_font(model->font);
        EXPECT_GE(point_line->y, row_under(dc, model->y, model->text)) << "on the model line's descenders";
        dc.select_font(point_line->font);
        EXPECT_LE(row_under(dc, point_line->y, point_line->text), 641) << "into the panel's heading";
    }
}

// Scheme 3 at its data dialog's start values (a 1 cm plate, 800 W) cools the
// point slowly at high preheats: the t8/5 axis of the properties window labels
// its ticks only as far as it reaches, none above the plot over the
// composition table (the count-th tick, 240 s, stood there).
TEST_F(KasatkinWindows, CoolingTimeAxisLabelsNoTickAboveItsTop)
{
    ASSERT_TRUE(install_scheme(3));
    scheme_state.ppr3.parameters.delta = 1.0;
    scheme_state.ppr3.parameters.q = 800;
    const std::vector<double> preheat{0.05, 0, 850, 500, 100, 400};
    RecordingCanvas dc;
    kasatkin_properties_vs_preheat_window(preheat.data(), 50, nullptr, dc, 0, composition_dialog_start(), 0);
    const int h = line_height(768 / 30);
    const int plot_top = 7 * h;
    int blue_labels = 0;
    for (const auto& t : dc.texts) {
        if (t.color != rgb(0, 0, 255) || t.font.escapement != 0) continue;
        ++blue_labels;
        EXPECT_GE(t.y + line_height(768 / 30), plot_top) << t.text << " stands wholly above the axis";
    }
    EXPECT_GE(blue_labels, 3);
}

TEST_F(KasatkinWindows, RussianPropertiesWindowOfEnergyHasItsOwnModelLine)
{
    set_language(Language::russian);
    RecordingCanvas dc;
    const std::vector<double> record{0.5, 0.3, 850, 500, 200, 5000, 0.1, 0.1};
    kasatkin_properties_vs_energy_window(record.data(), 50, nullptr, dc, 0, example_composition(), 0);
    EXPECT_NE(dc.find_text(" Расчёт по модели: \"2. Сварка полубесконечного тела\""), nullptr) << dc.all_text();
    EXPECT_NE(dc.find_text(" (y=0.5, см; z=0.3, см)"), nullptr);
}

TEST_F(KasatkinWindows, PointThatNeverCoolsToTheIntervalGetsNoTimeAndAMessage)
{
    scheme_state.ppr2.parameters.T0 = 600;   // preheated above the lower temperature
    RecordingCanvas dc;
    const double record[] = {0.5, 0.3, 850, 500};
    kasatkin_structure_at_point_window(record, 50, nullptr, dc, 0, composition_dialog_start(), 0);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The point (y=0.5 z=0.3 [cm]) does not cool to 500 [C deg.] within 8000 cm behind the source");
    EXPECT_EQ(boxes[0].caption, "  Message!");
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_TRUE(dc.polylines.empty());
}

TEST_F(KasatkinWindows, SweepWindowsPutTheRegimeBackAlsoWhenNoPointCools)
{
    const double v = current_model.velocity(), q = current_model.power(), T0 = current_model.initial_temperature();
    RecordingCanvas dc;
    const std::vector<double> energy{0.5, 0.3, 850, 500, 1000, 3000, 0.05, 0.2};
    kasatkin_properties_vs_energy_window(energy.data(), 50, nullptr, dc, 0, composition_dialog_start(), 0);
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_EQ(dc.polylines.size(), 7u * 2u);   // t8/5 and six properties, each bold
    EXPECT_EQ(current_model.velocity(), v);
    EXPECT_EQ(current_model.power(), q);

    // Preheats above the lower temperature: no point cools through the
    // interval, so nothing is drawn and the note says why, once.
    dc.clear();
    const std::vector<double> preheat{0.5, 0.3, 850, 500, 600, 700};
    kasatkin_structure_vs_preheat_window(preheat.data(), 50, nullptr, dc, 0, composition_dialog_start(), 0);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Not plotted: no cooling to 500 °C at 50 of 50 points");
    EXPECT_TRUE(dc.texts.empty());
    EXPECT_TRUE(dc.polylines.empty());
    EXPECT_EQ(current_model.initial_temperature(), T0);
    EXPECT_EQ(current_model.velocity(), v);
}

TEST_F(KasatkinWindows, UnheatedPointLeavesTheRegimeUntouchedAndReportsInOneBox)
{
    RecordingCanvas dc;
    install_scheme(1);
    const std::vector<double> thickness{20, 0, 850, 500, 0.1, 3.0};
    kasatkin_structure_vs_thickness_window(thickness.data(), 50, nullptr, dc, 0, composition_dialog_start(), 0);
    const auto boxes = shown_boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "You are fault with temperature ... ");
    EXPECT_EQ(boxes[0].caption, "  Message!");
    EXPECT_TRUE(dc.texts.empty());
}

TEST_F(KasatkinWindows, ThicknessSweepOnABodySaysSoAndDrawsNothing)
{
    // Scheme 2 is a body: a plate thickness it does not have cannot be varied.
    for (SteelWindowRoutine routine : {kasatkin_structure_vs_thickness_window, kasatkin_properties_vs_thickness_window}) {
        RecordingCanvas dc;
        const std::vector<double> record{0.5, 0.3, 850, 500, 0.1, 3.0};
        routine(record.data(), 50, nullptr, dc, 0, composition_dialog_start(), 0);
        const auto boxes = shown_boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "The heat-source scheme is a body without a plate thickness: the dependence on "
                                 "plate thickness cannot be drawn");
        EXPECT_TRUE(dc.texts.empty());
        EXPECT_TRUE(dc.polylines.empty());
    }
}

} // namespace
