// The Ion model against its worked numbers.
#include "ion_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

IonSteel carbon_manganese_steel()
{
    IonSteel steel;
    steel[el_c] = 0.15;
    steel[el_si] = 0.3;
    steel[el_mn] = 1.0;
    return steel;
}

} // namespace

TEST(IonModel, CarbonEquivalentAndCriticalTimes)
{
    IonSteel s = carbon_manganese_steel();
    double ce = ion_carbon_equivalent(s);
    EXPECT_NEAR(ce, 0.24583, 0.000005);
    EXPECT_NEAR(ion_martensite_time(ce), 4.1835, 0.00005);
    EXPECT_NEAR(ion_bainite_time(ce), 16.487, 0.0005);
}

TEST(IonModel, WorkedSteelAtTheMartensiteTimeAndAtTenSeconds)
{
    IonSteel s = carbon_manganese_steel();
    ion_evaluate(s, ion_martensite_time(ion_carbon_equivalent(s)));
    EXPECT_NEAR(s.martensite, 0.5, 1e-12);
    EXPECT_NEAR(s.bainite, 0.45635, 0.000005);
    EXPECT_NEAR(s.ferrite_pearlite, 0.04365, 0.000005);
    EXPECT_NEAR(s.hv, 336.66, 0.005);

    IonSteel& same = ion_evaluate(s, 10.0);
    EXPECT_EQ(&same, &s);
    EXPECT_NEAR(s.martensite, 0.01905, 0.000005);
    EXPECT_NEAR(s.bainite, 0.75586, 0.000005);
    EXPECT_NEAR(s.ferrite_pearlite, 0.22509, 0.000005);
    EXPECT_NEAR(s.hv, 243.11, 0.005);
}

TEST(IonModel, TimeZeroIsAllMartensite)
{
    IonSteel s = carbon_manganese_steel();
    ion_evaluate(s, 0.0);
    EXPECT_EQ(s.martensite, 1.0);
    EXPECT_EQ(s.bainite, 0.0);
    EXPECT_EQ(s.ferrite_pearlite, 0.0);
    EXPECT_DOUBLE_EQ(s.hv, 515 * ion_carbon_equivalent(s) + 295);
}

TEST(IonModel, OnlyCarbonManganeseAndSiliconCount)
{
    IonSteel plain = carbon_manganese_steel();
    IonSteel other = carbon_manganese_steel();
    for (int e : {el_p, el_s, el_cu, el_cr, el_ni, el_mo, el_nb, el_ti, el_b, el_al, el_n2, el_v, el_w})
        other[e] = 0.05;
    ion_evaluate(plain, 7.0);
    ion_evaluate(other, 7.0);
    EXPECT_EQ(plain.martensite, other.martensite);
    EXPECT_EQ(plain.bainite, other.bainite);
    EXPECT_EQ(plain.hv, other.hv);
}

TEST(IonModel, SharesStayWithinZeroAndOneAndAddUpToOne)
{
    // Carbon equivalents from a lean steel, past the point where the bainite
    // time falls below the martensite time (about 0.395), to past the point
    // where it has no value at all (about 1.784).
    const double carbons[] = {0.02, 0.15, 0.3, 0.4, 0.6, 1.0, 1.9, 3.0};
    const double infinity = std::numeric_limits<double>::infinity();
    for (double c : carbons) {
        for (double t : {-5.0, 0.0, 1.0, 4.0, 30.0, 300.0, 1e6, infinity}) {
            IonSteel s;
            s[el_c] = c;
            ion_evaluate(s, t);
            SCOPED_TRACE(testing::Message() << "C " << c << " t " << t);
            for (double share : {s.martensite, s.bainite, s.ferrite_pearlite}) {
                EXPECT_TRUE(std::isfinite(share));
                EXPECT_GE(share, 0.0);
                EXPECT_LE(share, 1.0);
            }
            EXPECT_NEAR(s.martensite + s.bainite + s.ferrite_pearlite, 1.0, 1e-12);
            EXPECT_TRUE(std::isfinite(s.hv));
        }
    }
    EXPECT_EQ(ion_bainite_time(1.9), 0.0);
}

TEST(IonModel, NegativeTimeIsTakenAsNoCooling)
{
    IonSteel a = carbon_manganese_steel(), b = carbon_manganese_steel();
    ion_evaluate(a, -2.0);
    ion_evaluate(b, 0.0);
    EXPECT_EQ(a.martensite, b.martensite);
    EXPECT_EQ(a.hv, b.hv);
}
