// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/sugar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brevimo;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The fits were first evaluated with 80-bit intermediates; in double the
// last bit or two may differ, so worked values to 16 digits get a few ulps.
constexpr double kFewUlps = 4e-15;

double Up(double x) { return std::nextafter(x, kInf); }
double Down(double x) { return std::nextafter(x, -kInf); }

// ---- the three conversions ----------------------------------------------

TEST(SugarFits, HundredGramsPerLitre) {
  double w = 0, rho = 0;
  ASSERT_EQ(SugarFromVolumeContent(10.0, &w, &rho), 1);
  EXPECT_NEAR(w, 9.646496789175464, 9.646496789175464 * kFewUlps);
  EXPECT_NEAR(rho, 1.0385656529375136, kFewUlps);
}

TEST(SugarFits, UpperEndsOfTheRanges) {
  double content = 0, rho = 0, w = 0;
  ASSERT_EQ(SugarFromMassFraction(84.0, &content, &rho), 1);
  EXPECT_NEAR(rho, 1.44166, 5e-6);
  EXPECT_NEAR(content, 120.84, 5e-3);

  ASSERT_EQ(SugarFromDensity(1.4417, &content, &w), 1);
  EXPECT_NEAR(w, 83.9988, 5e-5);
  EXPECT_NEAR(content, 120.851, 5e-4);

  ASSERT_EQ(SugarFromVolumeContent(120.841, &w, &rho), 1);
  EXPECT_NEAR(w, 84.0, 1e-3);
}

TEST(SugarFits, LowerEndsDoNotVanish) {
  double w = 0, rho = 0, content = 0;
  // x = 0 leaves the constant term exactly
  ASSERT_EQ(SugarFromVolumeContent(0.0, &w, &rho), 1);
  EXPECT_EQ(w, 0.00124343301604762);
  EXPECT_EQ(rho, 1.000010175137831);
  ASSERT_EQ(SugarFromMassFraction(0.0, &content, &rho), 1);
  EXPECT_EQ(content, -0.0006973281288627143);
  EXPECT_EQ(rho, 1.000007217546731);

  // pure water's density gives a slightly negative sugar content
  ASSERT_EQ(SugarFromDensity(1.0, &content, &w), 1);
  EXPECT_NEAR(w, -0.0000493, 5e-8);
  EXPECT_NEAR(content, -0.00565, 5e-6);
}

// A miscopied coefficient shows up as fits that no longer agree with one
// another: each measure, sent round through another one, must come back
// close to where it started.
TEST(SugarFits, FitsAgreeWithEachOther) {
  for (double content = 0.0; content <= 120.0; content += 5.0) {
    double w = 0, rhoFromContent = 0, back = 0, rhoFromFraction = 0;
    ASSERT_EQ(SugarFromVolumeContent(content, &w, &rhoFromContent), 1);
    ASSERT_EQ(SugarFromMassFraction(w, &back, &rhoFromFraction), 1) << content;
    EXPECT_NEAR(back, content, 0.01) << content;
    EXPECT_NEAR(rhoFromFraction, rhoFromContent, 1e-4) << content;

    double contentFromRho = 0, wFromRho = 0;
    ASSERT_EQ(SugarFromDensity(rhoFromContent, &contentFromRho, &wFromRho), 1) << content;
    EXPECT_NEAR(contentFromRho, content, 0.05) << content;
    EXPECT_NEAR(wFromRho, w, 0.05) << content;
  }
}

struct OutOfRange {
  int (*convert)(double, double*, double*);
  double input;
};

void PrintTo(const OutOfRange& c, std::ostream* os) { *os << c.input; }

class SugarFitsRefuse : public ::testing::TestWithParam<OutOfRange> {};

TEST_P(SugarFitsRefuse, WritesNothing) {
  const OutOfRange c = GetParam();
  double first = 7, second = 8;
  EXPECT_EQ(c.convert(c.input, &first, &second), 0) << c.input;
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, 8);
}

INSTANTIATE_TEST_SUITE_P(JustOutsideEitherEnd, SugarFitsRefuse,
                         ::testing::Values(OutOfRange{SugarFromVolumeContent, Down(0.0)},
                                           OutOfRange{SugarFromVolumeContent, Up(120.841)},
                                           OutOfRange{SugarFromVolumeContent, 120.84100000000001},
                                           OutOfRange{SugarFromVolumeContent, kNaN},
                                           OutOfRange{SugarFromMassFraction, -0.001},
                                           OutOfRange{SugarFromMassFraction, Up(84.0)},
                                           OutOfRange{SugarFromMassFraction, kInf},
                                           OutOfRange{SugarFromMassFraction, kNaN},
                                           OutOfRange{SugarFromDensity, Down(1.0)},
                                           OutOfRange{SugarFromDensity, Up(1.4417)},
                                           OutOfRange{SugarFromDensity, 0.0},
                                           OutOfRange{SugarFromDensity, kNaN}));

// ---- batch make-up ---------------------------------------------------------

TEST(SugarBatch, LitreOfHundredGramsPerLitre) {
  double w = 0, rho = 0;
  ASSERT_EQ(SugarFromVolumeContent(10.0, nullptr, nullptr), 1); // outputs are optional
  ASSERT_EQ(SugarFromVolumeContent(10.0, &w, &rho), 1);
  SugarBatch b;
  ASSERT_EQ(ComposeSugarSolution(GivenResultVolume, 1000, w, rho, &b), 1);
  EXPECT_NEAR(b.sugarWeight, 100.19, 0.005);
  EXPECT_NEAR(b.waterVolume, 940.04, 0.005);
  EXPECT_EQ(b.resultVolume, 1000.0);
  EXPECT_NEAR(b.resultWeight, 1038.57, 0.005);
  EXPECT_NEAR(b.resultDensity, 1038.57, 0.005);
  // the water's mass is turned into a volume by the stored reciprocal
  EXPECT_EQ(b.waterVolume, (b.resultWeight - b.sugarWeight) * 1.0017731384550654);
}

TEST(SugarBatch, PureWaterCannotBeMadeFromSugar) {
  for (double w : {0.0, -0.0, -0.0000493, kNaN}) {
    SugarBatch b{1, 2, 3, 4, 5};
    EXPECT_EQ(ComposeSugarSolution(GivenSugarWeight, 100, w, 1.0, &b), 0) << w;
    EXPECT_EQ(b.sugarWeight, 1);
    EXPECT_EQ(b.resultDensity, 5);
  }
  // other kinds accept no sugar at all
  SugarBatch b;
  EXPECT_EQ(ComposeSugarSolution(GivenResultVolume, 1000, 0.0, 1.0, &b), 1);
  EXPECT_EQ(b.sugarWeight, 0.0);
  EXPECT_EQ(b.waterVolume, 1000.0 * WaterVolumePerGram20);
}

TEST(SugarBatch, ZeroContentStillHasATraceOfSugar) {
  double w = 0, rho = 0;
  ASSERT_EQ(SugarFromVolumeContent(0.0, &w, &rho), 1);
  SugarBatch b;
  ASSERT_EQ(ComposeSugarSolution(GivenSugarWeight, 100, w, rho, &b), 1);
  EXPECT_NEAR(b.resultWeight, 8042250.66, 0.005);
}

TEST(SugarBatch, WaterDensityGivesATinyNegativeSugarWeight) {
  double w = 0;
  ASSERT_EQ(SugarFromDensity(1.0, nullptr, &w), 1);
  for (int given : {GivenResultVolume, GivenResultWeight}) {
    SugarBatch b;
    ASSERT_EQ(ComposeSugarSolution(given, 1000, w, 1.0, &b), 1);
    EXPECT_LT(b.sugarWeight, 0.0);
    EXPECT_NEAR(b.sugarWeight, -0.0005, 1e-4);
  }
  SugarBatch b;
  EXPECT_EQ(ComposeSugarSolution(GivenSugarWeight, 100, w, 1.0, &b), 0);
}

TEST(SugarBatch, RefusesUnknownKinds) {
  for (int given : {-1, 4}) {
    SugarBatch b{1, 2, 3, 4, 5};
    EXPECT_EQ(ComposeSugarSolution(given, 1000, 10.0, 1.04, &b), 0) << given;
    EXPECT_EQ(b.resultWeight, 4);
  }
  EXPECT_EQ(ComposeSugarSolution(GivenResultWeight, 1000, 10.0, 1.04, nullptr), 1);
}

// Whatever amount is given, the batch balances: sugar and water weigh what
// the batch weighs, its volume times its density is its weight, the sugar is
// its mass fraction of it, and ten times the amount gives ten times the batch.
TEST(SugarBatch, BalancesForEveryGivenKind) {
  const double w = 30.0, rho = 1.1290;
  for (int given = GivenSugarWeight; given <= GivenResultWeight; ++given) {
    SugarBatch one, ten;
    ASSERT_EQ(ComposeSugarSolution(given, 100, w, rho, &one), 1);
    ASSERT_EQ(ComposeSugarSolution(given, 1000, w, rho, &ten), 1);
    const double m = one.resultWeight;
    EXPECT_NEAR(one.sugarWeight + one.waterVolume * WaterDensity20, m, 1e-9 * m) << given;
    EXPECT_NEAR(one.resultVolume * one.resultDensity / 1000.0, m, 1e-9 * m) << given;
    EXPECT_NEAR(one.sugarWeight / m, w / 100.0, 1e-12) << given;
    EXPECT_DOUBLE_EQ(one.resultDensity, 1129.0) << given;
    EXPECT_NEAR(ten.waterVolume, 10 * one.waterVolume, 1e-9) << given;
    EXPECT_NEAR(ten.resultVolume, 10 * one.resultVolume, 1e-9) << given;
  }
}

} // namespace
