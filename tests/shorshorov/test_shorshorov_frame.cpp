// The steel table, the lookup at ln W, the cooling rate and the regime guard.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "shorshorov_frame.h"
#include "spline.h"
#include "shorshorov_test_support.h"

namespace {

// Range rows, then three data rows at W = 1, 10, 100.
const char* three_rows = "0.1 100 300 0 0 0 0\n"
                         "1000 500 1500 50 90 100 100\n"
                         "1 150 500 30 60 20 0\n"
                         "10 250 700 20 50 60 10\n"
                         "100 400 1100 10 40 95 80\n";

TEST(ShorshorovTable, StructureColumnsComeFromTheTwoStructureNumbers)
{
    ShorshorovTable t;
    AtlasReadResult r;
    ASSERT_TRUE(load_shorshorov_table(write_steel_file("three.301", three_rows), t, r));
    EXPECT_TRUE(r.ok) << r.message;
    ASSERT_EQ(t.rows(), 5);
    EXPECT_EQ(t.data_rows(), 3);
    // Row 4: c6 = 60, c7 = 10 -> M 10, F 40, P+B 50.
    EXPECT_DOUBLE_EQ(t.martensite[3], 10);
    EXPECT_DOUBLE_EQ(t.ferrite[3], 40);
    EXPECT_DOUBLE_EQ(t.pearlite_bainite[3], 50);
    // The range rows of the structure columns are the ordinate 0..100.
    EXPECT_DOUBLE_EQ(t.ferrite[0], 0);
    EXPECT_DOUBLE_EQ(t.ferrite[1], 100);
    // Property range rows stay as read; ln W as ln |W|.
    EXPECT_DOUBLE_EQ(t.hv[1], 500);
    EXPECT_NEAR(t.x[0], std::log(0.1), 1e-12);
    EXPECT_EQ(t.file.titles[2], "Grade F1 title");
}

TEST(ShorshorovLookup, EveryRateGivesAValueOfTheTable)
{
    ShorshorovTable t;
    AtlasReadResult r;
    ASSERT_TRUE(load_shorshorov_table(write_steel_file("three.301", three_rows), t, r));
    struct Case {
        double W;
        double hv;
    };
    const Case cases[] = {
        {0.5, 150},        // below every data row: the first
        {1, 150},          // on the first data row
        {10, 250},         // on the middle one
        {100, 400},        // on the last
        {500, 400},        // above: the last
        {HUGE_VAL, 400},   // both crossings at one place
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(shorshorov_lookup(t, ShorshorovColumn::hv, std::log(c.W)), c.hv) << "W " << c.W;
    // Inside: between the neighbouring rows.
    const double mid = shorshorov_lookup(t, ShorshorovColumn::hv, std::log(3.0));
    EXPECT_GT(mid, 150);
    EXPECT_LT(mid, 250);
    EXPECT_DOUBLE_EQ(shorshorov_lookup(t, ShorshorovColumn::martensite, std::log(500.0)), 80);
}

// Three rows whose spline swings past the shares' ends between them:
// martensite 0, 0, 100 at W = 1, 5, 30 dips below 0 between the first two
// rows, and ferrite 100, 100, 0 rises above 100 there. Every share shown lies
// in 0..100; the rows themselves are met exactly; beyond them, the end row.
TEST(ShorshorovLookup, SharesStayWithinNoneAndAllWhereTheSplineUndershoots)
{
    const char* rows = "0.1 100 300 0 0 0 0\n"
                       "1000 500 1500 50 90 100 100\n"
                       "1 150 500 30 60 0 0\n"
                       "5 250 700 20 50 0 0\n"
                       "30 400 1100 10 40 100 100\n";
    ShorshorovTable t;
    AtlasReadResult r;
    ASSERT_TRUE(load_shorshorov_table(write_steel_file("undershoot.301", rows), t, r));
    // The undershoot itself, as the bare spline gives it.
    int flag = -1;
    const std::vector<double> x(t.x.begin() + 2, t.x.end());
    const std::vector<double> m(t.martensite.begin() + 2, t.martensite.end());
    const double bare = curve_lookup(m, x, std::log(2.5), 0.01, 2, flag);
    ASSERT_LT(bare, -0.5);
    struct Case {
        const char* where;
        double W;
        double martensite, ferrite;
        int flag;
    };
    const Case cases[] = {
        {"first row", 1, 0, 100, spline_inside},   {"between the first two", 2.5, 0, 100, spline_inside},
        {"second row", 5, 0, 100, spline_inside},  {"last row", 30, 100, 0, spline_inside},
        {"below the table", 0.5, 0, 100, spline_below}, {"above the table", 80, 100, 0, spline_above},
    };
    for (const Case& c : cases) {
        int where = -1;
        EXPECT_DOUBLE_EQ(shorshorov_lookup(t, ShorshorovColumn::martensite, std::log(c.W), &where), c.martensite)
            << c.where;
        EXPECT_EQ(where, c.flag) << c.where;
        EXPECT_DOUBLE_EQ(shorshorov_lookup(t, ShorshorovColumn::ferrite, std::log(c.W)), c.ferrite) << c.where;
    }
    // Between the last two rows the shares rise inside 0..100.
    for (double W = 5.2; W < 30; W *= 1.2) {
        for (ShorshorovColumn col : {ShorshorovColumn::martensite, ShorshorovColumn::ferrite,
                                     ShorshorovColumn::pearlite_bainite}) {
            const double v = shorshorov_lookup(t, col, std::log(W));
            EXPECT_GE(v, 0) << W;
            EXPECT_LE(v, 100) << W;
        }
    }
}

TEST(ShorshorovTable, KeepsEveryRowTheReaderAllows)
{
    // 2 range rows and 198 data rows at W = 1 .. 198: the 200 the reader allows.
    std::string rows = "0.1 100 300 0 0 0 0\n1000 500 1500 50 90 100 100\n";
    for (int i = 1; i <= 198; ++i)
        rows += std::to_string(i) + " " + std::to_string(100 + i) + " 500 20 50 50 10\n";
    ShorshorovTable t;
    AtlasReadResult r;
    ASSERT_TRUE(load_shorshorov_table(write_steel_file("many.301", rows), t, r));
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(t.rows(), 200);
    EXPECT_EQ(t.data_rows(), 198);
    // Above the table the value of its last row (W 198), on row 150 its own.
    EXPECT_DOUBLE_EQ(shorshorov_lookup(t, ShorshorovColumn::hv, std::log(1000.0)), 298);
    EXPECT_DOUBLE_EQ(shorshorov_lookup(t, ShorshorovColumn::hv, std::log(150.0)), 250);
    // One row more is refused by the reader, naming the line.
    rows += "199 299 500 20 50 50 10\n";
    load_shorshorov_table(write_steel_file("toomany.301", rows), t, r);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("more than 200 rows"), std::string::npos) << r.message;
}

TEST(ShorshorovTable, MissingAndTruncatedFilesNameTheFile)
{
    ShorshorovTable t;
    AtlasReadResult r;
    EXPECT_FALSE(load_shorshorov_table("/nonexistent/steel.301", t, r));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("/nonexistent/steel.301"), std::string::npos);
    // A short last row: the rows before it are kept, the fault is reported.
    const std::string path = write_steel_file("short.301", std::string(three_rows) + "200 410 1200\n");
    EXPECT_TRUE(load_shorshorov_table(path, t, r));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(path), std::string::npos);
    EXPECT_EQ(t.data_rows(), 3);
}

TEST(ShorshorovCoolingRate, IsTheTemperatureIntervalOverTheCoolingTime)
{
    reset_program_state();
    current_model.prepare();
    const CoolingTime ct = cooling_time_at_point(0.5, 0.5, 850, 500);
    ASSERT_TRUE(ct.reached());
    const CoolingRate W = shorshorov_cooling_rate(0.5, 0.5, 850, 500);
    ASSERT_TRUE(W.reached());
    EXPECT_NEAR(W.rate * ct.time, 350.0, 1e-9 * 350);
    // The interval entered the other way round gives the same positive rate.
    EXPECT_NEAR(shorshorov_cooling_rate(0.5, 0.5, 500, 850).rate, W.rate, 1e-9 * W.rate);
}

// Where the metal does not pass through the interval there is no rate: no
// floor stands in for the distance, and nothing is divided by zero.
TEST(ShorshorovCoolingRate, APointNotReachedHasAStatusAndNoRate)
{
    struct Case {
        const char* what;
        double y, T_from, T_to, speed;   // speed 0: the start regime's
        CoolingStatus status;
    } cases[] = {
        {"far from the source", 50, 850, 500, 0, CoolingStatus::peak_below},
        {"below the initial temperature", 0.5, 850, 10, 0, CoolingStatus::not_cooled},
        {"no speed", 0.5, 850, 500, -1, CoolingStatus::speed_not_positive},
    };
    for (const Case& c : cases) {
        reset_program_state();
        if (c.speed < 0)
            current_model.set_regime(0, current_model.power(), current_model.initial_temperature(),
                                     current_model.thickness());
        current_model.prepare();
        const CoolingRate W = shorshorov_cooling_rate(c.y, 0, c.T_from, c.T_to);
        EXPECT_EQ(W.status, c.status) << c.what;
        EXPECT_TRUE(std::isnan(W.rate)) << c.what;
    }
}

TEST(ShorshorovPoint, EqualTemperaturesRaiseTFromByOnePerCent)
{
    reset_program_state();
    current_model.prepare();
    const double equal[4] = {0.5, 0.5, 800, 800};
    ShorshorovPoint p;
    ASSERT_TRUE(shorshorov_check_point(nullptr, equal, p, ShorshorovEntry::point));
    EXPECT_DOUBLE_EQ(p.T_from, 808);
    EXPECT_DOUBLE_EQ(p.T_to, 800);
    EXPECT_GT(p.W, 0);
    EXPECT_TRUE(message_box_take_log().empty());
}

// A point not reached: one message, in the windows' own words for a peak
// below the interval; a sweep stops only for that, at the regime entered.
TEST(ShorshorovPoint, APointNotReachedIsReportedOnceInTheWordsOfItsWindow)
{
    struct Case {
        const char* what;
        double record[4];
        ShorshorovEntry entry;
        bool usable;
        const char* text_start;   // nullptr: no message
        const char* caption;
    } cases[] = {
        {"cold, at a point", {50, 0, 850, 500}, ShorshorovEntry::point, false, "You are fault with temperature ... ",
         "  Message!"},
        {"cold, HAZ profile", {50, 0, 850, 500}, ShorshorovEntry::haz_profile, false, "Maximum temperature=",
         "You are fault with temperature ... "},
        {"cold, sweep", {50, 0, 850, 500}, ShorshorovEntry::sweep, false, "You are fault with temperature ... ",
         "  Message!"},
        {"never cools, at a point", {0.5, 0.5, 850, 10}, ShorshorovEntry::point, false,
         "The point (y=0.5 z=0.5 [cm]) does not cool to 10 [C deg.]", "  Message!"},
        {"never cools, HAZ profile", {0.5, 0.5, 850, 10}, ShorshorovEntry::haz_profile, false,
         "The point (y=0.5 z=0.5 [cm]) does not cool to 10 [C deg.]", "  Message!"},
        {"never cools, sweep", {0.5, 0.5, 850, 10}, ShorshorovEntry::sweep, true, nullptr, ""},
    };
    for (const Case& c : cases) {
        reset_program_state();
        current_model.prepare();
        ShorshorovPoint p;
        EXPECT_EQ(shorshorov_check_point(nullptr, c.record, p, c.entry), c.usable) << c.what;
        EXPECT_TRUE(std::isnan(p.W)) << c.what;
        const auto boxes = message_box_take_log();
        if (c.text_start == nullptr) {
            EXPECT_TRUE(boxes.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes[0].text.rfind(c.text_start, 0), 0u) << c.what << ": " << boxes[0].text;
        EXPECT_EQ(boxes[0].caption, c.caption) << c.what;
    }
}

} // namespace
