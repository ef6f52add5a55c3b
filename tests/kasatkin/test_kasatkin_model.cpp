// The Kasatkin-Seyffarth model against its worked numbers.
#include "kasatkin_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

KasatkinSteel carbon_manganese_steel()
{
    KasatkinSteel steel;
    steel[el_c] = 0.15;
    steel[el_si] = 0.3;
    steel[el_mn] = 1.0;
    return steel;
}

void expect_finite_shares(const KasatkinSteel& s)
{
    for (double share : {s.martensite, s.ferrite, s.pearlite, s.ferrite_pearlite, s.bainite}) {
        EXPECT_TRUE(std::isfinite(share));
        EXPECT_GE(share, 0.0);
        EXPECT_LE(share, 1.0);
    }
    for (double value : {s.hv, s.rm, s.r02, s.elongation, s.reduction, s.toughness})
        EXPECT_TRUE(std::isfinite(value));
    // One whole: four shares that make it, ferrite and pearlite that make FP.
    EXPECT_NEAR(s.martensite + s.bainite + s.ferrite + s.pearlite, 1.0, 1e-12);
    EXPECT_NEAR(s.ferrite + s.pearlite, s.ferrite_pearlite, 1e-12);
}

} // namespace

TEST(ErfScaled, ApproximatesTheErrorFunctionOfXOverRootTwo)
{
    EXPECT_EQ(erf_scaled(0.0), 0.0);
    EXPECT_NEAR(erf_scaled(1.0), 0.68225, 0.000005);
    EXPECT_NEAR(erf_scaled(2.0), 0.95487, 0.000005);
    EXPECT_NEAR(erf_scaled(40.0), 1.0, 1e-6);
    // Arguments a vanishing spread produces: beyond single precision, infinite
    // or not a number, the value is still a share term.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(erf_scaled(1e300), 1.0);
    EXPECT_EQ(erf_scaled(-1e300), -1.0);
    EXPECT_EQ(erf_scaled(inf), 1.0);
    EXPECT_EQ(erf_scaled(-inf), -1.0);
    EXPECT_EQ(erf_scaled(std::numeric_limits<double>::quiet_NaN()), 0.0);
    for (double x : {0.3, 1.0, 2.5, 7.0}) EXPECT_EQ(erf_scaled(-x), -erf_scaled(x));
    // Within the approximation's stated error of erf itself.
    for (double x = -4.0; x <= 4.0; x += 0.25) EXPECT_NEAR(erf_scaled(x), std::erf(x / std::sqrt(2.0)), 5e-4);
}

TEST(KasatkinModel, WorkedSteelAtTenSeconds)
{
    KasatkinSteel s = carbon_manganese_steel();
    kasatkin_evaluate(s, 10.0);
    EXPECT_NEAR(s.martensite, 0.0836, 0.00005);
    EXPECT_NEAR(s.ferrite, 0.2426, 0.00005);
    EXPECT_NEAR(s.pearlite, 0.0515, 0.00005);
    EXPECT_NEAR(s.ferrite_pearlite, 0.2941, 0.00005);
    EXPECT_NEAR(s.bainite, 0.6223, 0.00005);
    EXPECT_NEAR(s.hv, 237.17, 0.005);
    EXPECT_NEAR(s.rm, 704.08, 0.005);
    EXPECT_NEAR(s.r02, 537.61, 0.005);
    EXPECT_NEAR(s.elongation, 17.244, 0.0005);
    EXPECT_NEAR(s.reduction, 39.448, 0.0005);
    EXPECT_NEAR(s.toughness, 9.748, 0.0005);
}

TEST(KasatkinModel, WorkedSteelAtThirtyAndThreeSeconds)
{
    KasatkinSteel s = carbon_manganese_steel();
    kasatkin_evaluate(s, 30.0);
    EXPECT_NEAR(s.martensite, 0.0039, 0.00005);
    EXPECT_NEAR(s.ferrite_pearlite, 0.6397, 0.00005);
    EXPECT_NEAR(s.bainite, 0.3564, 0.00005);
    EXPECT_NEAR(s.hv, 190.47, 0.005);

    // The ferrite fit (0.0953) crosses above ferrite+pearlite (0.0635) at
    // short times: ferrite is all of ferrite+pearlite, no pearlite, and the
    // four shares still make the whole. The steel is inside the model's
    // range; nothing is reported.
    bool out_of_range = false;
    kasatkin_evaluate(s, 3.0, &out_of_range);
    EXPECT_NEAR(s.ferrite_pearlite, 0.0635, 0.00005);
    EXPECT_EQ(s.ferrite, s.ferrite_pearlite);
    EXPECT_EQ(s.pearlite, 0.0);
    EXPECT_NEAR(s.martensite, 0.5162, 0.00005);
    EXPECT_NEAR(s.bainite, 0.4203, 0.00005);
    EXPECT_DOUBLE_EQ(s.martensite + s.bainite + s.ferrite + s.pearlite, 1.0);
    EXPECT_FALSE(out_of_range);
}

TEST(KasatkinModel, AllZeroComposition)
{
    KasatkinSteel s;
    kasatkin_evaluate(s, 10.0);
    EXPECT_LT(s.martensite, 0.00001);
    EXPECT_NEAR(s.ferrite_pearlite, 0.94, 0.005);
}

TEST(KasatkinModel, ShortTimesAreEvaluatedAtTheFloor)
{
    KasatkinSteel floor = carbon_manganese_steel();
    kasatkin_evaluate(floor, 1.001);
    for (double t : {0.5, 1.0, 0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        KasatkinSteel s = carbon_manganese_steel();
        kasatkin_evaluate(s, t);
        EXPECT_EQ(s.martensite, floor.martensite) << t;
        EXPECT_EQ(s.bainite, floor.bainite) << t;
        EXPECT_EQ(s.hv, floor.hv) << t;
        EXPECT_EQ(s.toughness, floor.toughness) << t;
    }
    KasatkinSteel later = carbon_manganese_steel();
    kasatkin_evaluate(later, 1.002);
    EXPECT_NE(later.hv, floor.hv);
}

TEST(KasatkinModel, CarbonAtTheFerriteFactorThreshold)
{
    // k is 1 below 0.02 % C and at 0.02 % exactly (numerator 0): both give
    // the ferrite share of a k = 1 steel, here one without manganese.
    for (double c : {0.019, 0.02}) {
        KasatkinSteel s;
        s[el_c] = c;
        kasatkin_evaluate(s, 20.0);
        double L = std::log(20.0);
        double aF = 10 * c + 0.66 - 5.9 * c * c;
        double expected = (erf_scaled((L - aF) / 1.23 / 1.41421356237309) + 1) * 0.5;
        EXPECT_DOUBLE_EQ(s.ferrite, expected) << c;
    }
}

TEST(KasatkinModel, ElementsOutsideTheModelChangeNothing)
{
    KasatkinSteel plain = carbon_manganese_steel();
    KasatkinSteel other = carbon_manganese_steel();
    other[el_p] = 0.03;
    other[el_s] = 0.04;
    other[el_b] = 0.005;
    other[el_n2] = 0.01;
    kasatkin_evaluate(plain, 12.0);
    kasatkin_evaluate(other, 12.0);
    EXPECT_EQ(plain.martensite, other.martensite);
    EXPECT_EQ(plain.ferrite, other.ferrite);
    EXPECT_EQ(plain.hv, other.hv);
    EXPECT_EQ(plain.toughness, other.toughness);
}

TEST(KasatkinModel, DegenerateCompositionsGiveSharesWithinZeroAndOne)
{
    struct Case {
        const char* what;
        double c, mn, mo, ti, nb, cu, w;
    };
    // Mn = 0.805/9 makes the ferrite factor's divisor 0; the others make a
    // spread 0 (bM with Mo, bF with W) or push the factor far above 1.
    const Case cases[] = {
        {"ferrite divisor zero", 0.2, 0.805 / 9, 0, 0, 0, 0, 0},
        {"ferrite divisor near zero", 0.2, 0.09, 0, 0, 0, 0, 0},
        {"martensite spread zero", 0.0, 0.0, 0.56 / 0.3, 0, 0, 0, 0},
        {"ferrite spread zero", 0.0, 0.0, 0, 0, 0, 0, 1.23 / 0.43},
    };
    for (const Case& c : cases) {
        bool out_of_range = false;
        for (double t : {1.0, 5.0, 30.0, 300.0, std::numeric_limits<double>::infinity()}) {
            KasatkinSteel s;
            s[el_c] = c.c;
            s[el_mn] = c.mn;
            s[el_mo] = c.mo;
            s[el_w] = c.w;
            kasatkin_evaluate(s, t, &out_of_range);
            SCOPED_TRACE(c.what);
            expect_finite_shares(s);
        }
        EXPECT_TRUE(out_of_range) << c.what;
    }
}

// Martensite and ferrite+pearlite of C 0.3 %, Mn 1 %, Ni 1.5 % overlap at
// 1.95 s: bainite is 0 and both are scaled down to the whole. The ordinary
// steels of the windows stay inside the range from 1 to 400 s.
TEST(KasatkinModel, OverlapOfSharesIsOutsideTheRangeOrdinarySteelsAreNot)
{
    KasatkinSteel s;
    s[el_c] = 0.3;
    s[el_mn] = 1.0;
    s[el_ni] = 1.5;
    bool out_of_range = false;
    kasatkin_evaluate(s, 1.95, &out_of_range);
    EXPECT_TRUE(out_of_range);
    EXPECT_EQ(s.bainite, 0.0);
    expect_finite_shares(s);

    KasatkinSteel dialog;   // the composition dialog's first values
    dialog[el_c] = 0.09;
    dialog[el_mn] = 1.34;
    dialog[el_si] = 0.54;
    dialog[el_cr] = 0.96;
    dialog[el_ni] = 0.44;
    dialog[el_cu] = 0.32;
    for (KasatkinSteel steel : {carbon_manganese_steel(), dialog}) {
        out_of_range = false;
        for (double t = 1; t <= 400; t *= 1.1) {
            kasatkin_evaluate(steel, t, &out_of_range);
            expect_finite_shares(steel);
        }
        EXPECT_FALSE(out_of_range);
    }
}

TEST(KasatkinModel, ZeroFerriteSpreadIsAStepAtItsCentre)
{
    // Mo 2.46 % makes bF exactly 0 (and aF = 4.35): all ferrite after the
    // centre, none before it.
    KasatkinSteel s;
    s[el_mo] = 2.46;
    bool out_of_range = false;
    kasatkin_evaluate(s, 300.0, &out_of_range);
    EXPECT_EQ(s.ferrite, s.ferrite_pearlite);   // all of it, never more
    EXPECT_EQ(s.pearlite, 0.0);
    kasatkin_evaluate(s, 30.0);
    EXPECT_EQ(s.ferrite, 0.0);
    expect_finite_shares(s);
    EXPECT_TRUE(out_of_range);   // a spread of 0 is outside the model's range
}

TEST(KasatkinModel, LoadCopiesEachElementIntoItsOwnField)
{
    CompositionRecord entered;
    for (int i = 0; i < composition_size; ++i) entered[i] = 0.01 * (i + 1);
    KasatkinSteel s;
    load_kasatkin_composition(entered, s);
    for (int i = 0; i < composition_size; ++i) EXPECT_EQ(s[i], entered[i]);
    EXPECT_EQ(s.ranges[0].max, 0.4);   // ranges untouched
}
