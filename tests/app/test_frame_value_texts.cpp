// Reading dialog texts into a record: whole numbers in the C locale, the
// rules each computation needs, and messages that name the field.
#include "value_texts.h"

#include "lang.h"

#include <gtest/gtest.h>


namespace {

const std::vector<ValueField> point_and_interval{
    {101, {"y, cm"}, ValueRule::any},
    {102, {"z, cm"}, ValueRule::non_negative},
    {103, {"T from, °C", "T от, °C"}, ValueRule::any},
    {104, {"T to, °C"}, ValueRule::any},
};
const std::vector<ValueOrder> interval{{2, 3}};

class ValueTextsTest : public ::testing::Test {
protected:
    void SetUp() override { set_language(Language::english); }
};

TEST_F(ValueTextsTest, AcceptedTextsFillTheRecordInOrder)
{
    double values[4] = {};
    EXPECT_EQ(read_values({"00.5", " 1.", "850.0", "5e2"}, point_and_interval, interval, values), "");
    EXPECT_DOUBLE_EQ(values[0], 0.5);
    EXPECT_DOUBLE_EQ(values[1], 1.0);
    EXPECT_DOUBLE_EQ(values[2], 850.0);
    EXPECT_DOUBLE_EQ(values[3], 500.0);
}

struct Refused {
    std::vector<std::string> texts;
    const char* expected_in_message;
};

class RefusedTexts : public ValueTextsTest, public ::testing::WithParamInterface<Refused> {};

TEST_P(RefusedTexts, NameTheFieldAndLeaveTheRecordAlone)
{
    double values[4] = {7, 7, 7, 7};
    const std::string message = read_values(GetParam().texts, point_and_interval, interval, values);
    EXPECT_NE(message.find(GetParam().expected_in_message), std::string::npos) << message;
    for (double v : values) EXPECT_EQ(v, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedTexts,
    ::testing::Values(
        // not a number, or only a number at its start
        Refused{{"abc", "0", "800", "500"}, "\"y, cm\" is not a number: \"abc\""},
        Refused{{"0.05", "0,5", "800", "500"}, "\"z, cm\" is not a number: \"0,5\""},
        Refused{{"0.05", "0", "800 C", "500"}, "\"T from, °C\""},
        Refused{{"0.05", "0", "800", ""}, "\"T to, °C\" is not a number"},
        Refused{{"0.05", "0", "inf", "500"}, "\"T from, °C\" is not a number"},
        Refused{{"0.05", "0", "nan", "500"}, "\"T from, °C\" is not a number"},
        Refused{{"1e999", "0", "800", "500"}, "\"y, cm\" is not a number"},
        // a point above the surface
        Refused{{"0.05", "-0.1", "800", "500"}, "\"z, cm\" must not be negative"},
        // the cooling interval upside down
        Refused{{"0.05", "0", "500", "800"}, "\"T from, °C\" must not be less than the value of \"T to, °C\""}));

TEST_F(ValueTextsTest, PositiveValuesRefuseZeroAndNegative)
{
    const std::vector<ValueField> fields{{1, {"V min, cm/s"}, ValueRule::positive},
                                         {2, {"V max, cm/s"}, ValueRule::positive}};
    const std::vector<ValueOrder> bounds{{1, 0}};
    double values[2] = {};
    EXPECT_NE(read_values({"0", "0.1"}, fields, bounds, values).find("\"V min, cm/s\" must be greater than zero"),
              std::string::npos);
    EXPECT_NE(read_values({"0.1", "-1"}, fields, bounds, values).find("\"V max, cm/s\" must be greater than zero"),
              std::string::npos);
    EXPECT_NE(read_values({"0.2", "0.1"}, fields, bounds, values).find("\"V max, cm/s\" must not be less"),
              std::string::npos);
    // equal bounds are a sweep of one value, as the defaults have it
    EXPECT_EQ(read_values({"00.1", "00.1"}, fields, bounds, values), "");
    EXPECT_DOUBLE_EQ(values[0], 0.1);
    EXPECT_DOUBLE_EQ(values[1], 0.1);
}

// A bound the dialog takes from the installed scheme (the depth of a plate):
// the bound itself is taken, a value beyond it refused with both named.
TEST_F(ValueTextsTest, ValuesBeyondALimitAreRefusedInEveryLanguage)
{
    const std::vector<ValueField> fields{{1, {"y, cm", "y, см", "y, см", "y, cm", "y, cm"}, ValueRule::any},
                                         {2, {"z, cm", "z, см", "z, см", "z, cm", "z, cm"}, ValueRule::non_negative}};
    const std::vector<ValueLimit> limits{
        {1, 0.8, {"the plate δ = %g cm", "пластина δ = %g см", "пластина δ = %g см", "die Platte δ = %g cm",
                  "la tôle δ = %g cm"}}};
    double values[2] = {};
    EXPECT_EQ(read_values({"0.05", "0.8"}, fields, {}, values, nullptr, limits), "");
    EXPECT_DOUBLE_EQ(values[1], 0.8);
    const std::pair<Language, const char*> cases[] = {
        {Language::english, "The value of \"z, cm\" must not be greater than the plate δ = 0.8 cm."},
        {Language::russian, "Значение \"z, см\" не может быть больше, чем пластина δ = 0.8 см."},
        {Language::ukrainian, "Значення \"z, см\" не може бути більшим, ніж пластина δ = 0.8 см."},
        {Language::german, "Der Wert \"z, cm\" darf nicht größer sein als die Platte δ = 0.8 cm."},
        {Language::french, "La valeur \"z, cm\" ne doit pas être supérieure à la tôle δ = 0.8 cm."},
    };
    for (const auto& [language, expected] : cases) {
        set_language(language);
        int failed = -1;
        values[1] = 7;
        EXPECT_EQ(read_values({"0.05", "0.9"}, fields, {}, values, &failed, limits), expected);
        EXPECT_EQ(failed, 1);
        EXPECT_EQ(values[1], 7);
    }
    set_language(Language::english);
}

TEST_F(ValueTextsTest, MessagesFollowTheLanguage)
{
    set_language(Language::russian);
    double values[4] = {};
    const std::string message = read_values({"0", "0", "x", "500"}, point_and_interval, interval, values);
    EXPECT_NE(message.find("Значение \"T от, °C\" не является числом"), std::string::npos) << message;
    EXPECT_STREQ(value_message_caption(), "  Внимание!");
    set_language(Language::english);
}

} // namespace
