// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/blending.h"
#include "calc/concentration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace brevimo;

namespace {

const std::string kStronger = "Конечный раствор крепче исходного";
const std::string kZeroResult = "Крепость результата должна быть больше 0";
const std::string kEqualWithWater =
    "Крепости исходного спирта и результата равны: по объему воды расчет невозможен";
const std::string kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";

// A strength in volume percent as the pages pass it on: mass percent and density.
struct Strength {
  double mass = 0, density = 0;
};

Strength FromVolPct(double volPct) {
  Strength s;
  EXPECT_EQ(ConvertConcentration(VolPct, MassPct, volPct, &s.mass, &s.density, nullptr), 1)
      << volPct;
  return s;
}

struct Volumes {
  double spirit = -7, water = -7, result = -7; // -7: not written
};

int Dilute(int given, double volume, double spiritVolPct, double resultVolPct, Volumes* v,
           std::string* err = nullptr) {
  const Strength s0 = FromVolPct(spiritVolPct), sf = FromVolPct(resultVolPct);
  return DiluteSpirit(given, volume, s0.mass, s0.density, sf.mass, sf.density, &v->spirit,
                      &v->water, &v->result, err);
}

// ---- Dilution -------------------------------------------------------------

struct DilutionCase {
  int given;
  double volume, spiritVolPct, resultVolPct;
  double spirit, water, result; // as shown with "%.2f"
};

class DilutionWorked : public ::testing::TestWithParam<DilutionCase> {};

TEST_P(DilutionWorked, GivesTheShownVolumes) {
  const DilutionCase c = GetParam();
  Volumes v;
  std::string err;
  ASSERT_EQ(Dilute(c.given, c.volume, c.spiritVolPct, c.resultVolPct, &v, &err), 1) << err;
  EXPECT_NEAR(v.spirit, c.spirit, 0.005);
  EXPECT_NEAR(v.water, c.water, 0.005);
  EXPECT_NEAR(v.result, c.result, 0.005);
  EXPECT_TRUE(err.empty());
}

// 96 % spirit diluted to 40 %, from each of the three volumes.
INSTANTIATE_TEST_SUITE_P(
    From96To40, DilutionWorked,
    ::testing::Values(DilutionCase{GivenSpirit, 1000, 96, 40, 1000.00, 1467.97, 2400.11},
                      DilutionCase{GivenResult, 1000, 96, 40, 416.65, 611.62, 1000.00},
                      DilutionCase{GivenWater, 1000, 96, 40, 681.21, 1000.00, 1634.99},
                      // the opening example read back from the water and the result
                      DilutionCase{GivenWater, 1467.97, 96, 40, 1000.00, 1467.97, 2400.11},
                      DilutionCase{GivenResult, 2400.11, 96, 40, 1000.00, 1467.97, 2400.11}));

TEST(Dilution, TheThreeChoicesAgree) {
  const double pairs[][2] = {{96, 40}, {96.6, 95}, {70, 12.5}, {100, 0.3}, {45.2, 45.1}, {5, 1}};
  for (const auto& p : pairs) {
    Volumes fromSpirit, fromWater, fromResult;
    ASSERT_EQ(Dilute(GivenSpirit, 1000, p[0], p[1], &fromSpirit), 1);
    ASSERT_EQ(Dilute(GivenWater, fromSpirit.water, p[0], p[1], &fromWater), 1);
    ASSERT_EQ(Dilute(GivenResult, fromSpirit.result, p[0], p[1], &fromResult), 1);
    const double tol = 1e-9 * fromSpirit.result;
    for (const Volumes& v : {fromWater, fromResult}) {
      EXPECT_NEAR(v.spirit, 1000, tol) << p[0] << "->" << p[1];
      EXPECT_NEAR(v.water, fromSpirit.water, tol) << p[0] << "->" << p[1];
      EXPECT_NEAR(v.result, fromSpirit.result, tol) << p[0] << "->" << p[1];
    }
  }
}

// Alcohol and water are conserved by mass; the water added weighs 1 kg/l.
TEST(Dilution, ConservesAlcoholAndWaterByMass) {
  for (double p0 : {99.0, 96.0, 80.0, 41.3})
    for (double pf : {40.0, 17.5, 0.2}) {
      const Strength s0 = FromVolPct(p0), sf = FromVolPct(pf);
      Volumes v;
      ASSERT_EQ(Dilute(GivenSpirit, 3.0, p0, pf, &v), 1);
      EXPECT_NEAR(s0.mass * s0.density * v.spirit, sf.mass * sf.density * v.result, 1e-9);
      EXPECT_NEAR((100 - s0.mass) * s0.density * v.spirit * 0.01 + v.water,
                  (100 - sf.mass) * sf.density * v.result * 0.01, 1e-9);
    }
}

TEST(Dilution, EqualStrengthsTakeNoWater) {
  // 50, 70 and 12.3 leave a rounding residue of either sign in the formulas
  for (double p : {96.0, 50.0, 70.0, 12.3, 0.5, 100.0}) {
    for (int given : {GivenSpirit, GivenResult}) {
      Volumes v;
      ASSERT_EQ(Dilute(given, 1000, p, p, &v), 1) << p;
      EXPECT_EQ(v.water, 0.0) << p;
      EXPECT_FALSE(std::signbit(v.water)) << p; // shows 0.00, not -0.00
      EXPECT_EQ(v.spirit, 1000.0) << p;
      EXPECT_EQ(v.result, 1000.0) << p;
    }
  }
}

TEST(Dilution, EqualStrengthsWithTheWaterGivenAreRefused) {
  for (double water : {1000.0, 0.0}) {
    Volumes v;
    std::string err;
    EXPECT_EQ(Dilute(GivenWater, water, 96, 96, &v, &err), 0);
    EXPECT_EQ(err, kEqualWithWater);
    EXPECT_EQ(v.spirit, -7);
    EXPECT_EQ(v.water, -7);
    EXPECT_EQ(v.result, -7);
  }
}

TEST(Dilution, AResultOfStrengthZeroIsAllWaterAndRefusedUnlessGiven) {
  for (double p0 : {96.0, 40.0}) {
    for (int given : {GivenSpirit, GivenWater}) {
      Volumes v;
      std::string err;
      EXPECT_EQ(Dilute(given, 1000, p0, 0, &v, &err), 0) << p0 << " " << given;
      EXPECT_EQ(err, kZeroResult);
      EXPECT_EQ(v.water, -7);
      EXPECT_EQ(v.result, -7);
    }
    // the water of 1000 l of water, 998.23 kg, counted at 1 kg/l
    Volumes v;
    ASSERT_EQ(Dilute(GivenResult, 1000, p0, 0, &v), 1) << p0;
    EXPECT_EQ(v.spirit, 0.0);
    EXPECT_NEAR(v.water, 998.23, 1e-9);
    EXPECT_EQ(v.result, 1000.0);
  }
}

TEST(Dilution, AStrongerResultIsRefused) {
  Volumes v;
  std::string err;
  EXPECT_EQ(Dilute(GivenSpirit, 1000, 96, 96.5, &v, &err), 0);
  EXPECT_EQ(err, kStronger);
  EXPECT_EQ(v.result, -7);
  // water cannot be diluted to anything
  EXPECT_EQ(Dilute(GivenResult, 1000, 0, 0.1, &v, &err), 0);
  EXPECT_EQ(err, kStronger);
}

TEST(Dilution, NoChoiceComputesNothing) {
  for (int given : {-1, 3}) {
    Volumes v;
    std::string err;
    EXPECT_EQ(Dilute(given, 1000, 96, 40, &v, &err), 1);
    EXPECT_EQ(v.spirit, -7);
    EXPECT_EQ(v.water, -7);
    EXPECT_EQ(v.result, -7);
    EXPECT_TRUE(err.empty());
  }
}

TEST(Dilution, ZeroAndNegativeVolumesAreComputedLikeAnyOther) {
  Volumes zero, minus, plus;
  ASSERT_EQ(Dilute(GivenWater, 0, 96, 40, &zero), 1);
  EXPECT_EQ(zero.spirit, 0.0);
  EXPECT_EQ(zero.result, 0.0);
  ASSERT_EQ(Dilute(GivenResult, -500, 96, 40, &minus), 1);
  ASSERT_EQ(Dilute(GivenResult, 500, 96, 40, &plus), 1);
  EXPECT_DOUBLE_EQ(minus.spirit, -plus.spirit);
  EXPECT_DOUBLE_EQ(minus.water, -plus.water);
}

// ---- Mixing ---------------------------------------------------------------

struct CheckCase {
  double v1, p1, v2, p2;
  const char* message; // "" when the inputs pass
};

class MixingChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(MixingChecks, ReportTheFirstViolation) {
  const CheckCase c = GetParam();
  std::string err;
  EXPECT_EQ(CheckMixingInputs(c.v1, c.p1, c.v2, c.p2, &err), *c.message ? 0 : 1);
  EXPECT_EQ(err, c.message);
}

INSTANTIATE_TEST_SUITE_P(InOrder, MixingChecks,
                         ::testing::Values(CheckCase{1000, 96, 1000, 40, ""},
                                           // zero volumes and the bounds of the strength pass
                                           CheckCase{0, 0, 0, 100, ""},
                                           CheckCase{-0.01, 96, 1000, 40, "Объем <0"},
                                           // the volume is checked before the strengths
                                           CheckCase{-1, -5, 1000, 101, "Объем <0"},
                                           CheckCase{1000, -0.01, 1000, 40, "% спирта <0"},
                                           // a strength below 0 before one above 100
                                           CheckCase{1000, 101, 1000, -1, "% спирта <0"},
                                           CheckCase{1000, 100.01, 1000, 40, "% спирта >100"}));

class SecondSolutionChecks : public ::testing::TestWithParam<CheckCase> {};

// Here v2 and p2 stand for the volume and strength of the result.
TEST_P(SecondSolutionChecks, ReportTheFirstViolation) {
  const CheckCase c = GetParam();
  std::string err;
  EXPECT_EQ(CheckSecondSolutionInputs(c.v1, c.p1, c.v2, c.p2, &err), *c.message ? 0 : 1);
  EXPECT_EQ(err, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, SecondSolutionChecks,
    ::testing::Values(CheckCase{1000, 96, 1976.02, 68.83, ""},
                      // equal volumes and the bounds of the strength pass
                      CheckCase{1000, 0, 1000, 100, ""}, CheckCase{0, 100, 0, 0, ""},
                      // a negative result is reported as such, not as smaller than solution 1
                      CheckCase{1000, 96, -1, 68, "Объем <0"},
                      CheckCase{1000.01, 96, 1000, 68, "Объем раствора 1 > объема результата"},
                      // the volumes are compared before the strengths are checked
                      CheckCase{2000, -1, 1000, 101, "Объем раствора 1 > объема результата"},
                      CheckCase{1000, -1, 2000, 68, "% спирта <0"},
                      CheckCase{1000, 101, 2000, -1, "% спирта <0"},
                      CheckCase{1000, 100.5, 2000, 68, "% спирта >100"},
                      CheckCase{1000, 96, 2000, 101, "% спирта >100"}));

// Volume and strength (% vol) of a solution.
struct Solution {
  double volume = 0, strength = 0;
};

// The two calculations as the mixing page chains them with the conversions.
int Mix(Solution s1, Solution s2, Solution* result, std::string* err) {
  const Strength c1 = FromVolPct(s1.strength), c2 = FromVolPct(s2.strength);
  double a1, w1, a2, w2;
  SolutionMasses(s1.volume, c1.mass, c1.density, &a1, &w1);
  SolutionMasses(s2.volume, c2.mass, c2.density, &a2, &w2);
  const double massPct = MixtureMassPct(a1 + a2, w1 + w2);
  double density;
  if (!ConvertConcentration(MassPct, VolPct, massPct, &result->strength, &density, err)) return 0;
  result->volume = MixtureVolume(a1 + a2, w1 + w2, density);
  return 1;
}

int FindSecond(Solution s1, Solution result, Solution* s2, std::string* err) {
  const Strength c1 = FromVolPct(s1.strength), cr = FromVolPct(result.strength);
  double a1, w1, ar, wr, a2, w2;
  SolutionMasses(s1.volume, c1.mass, c1.density, &a1, &w1);
  SolutionMasses(result.volume, cr.mass, cr.density, &ar, &wr);
  if (!SecondSolutionMasses(a1, w1, ar, wr, &a2, &w2, err)) return 0;
  double density;
  if (!ConvertConcentration(MassPct, VolPct, MixtureMassPct(a2, w2), &s2->strength, &density, err))
    return 0;
  s2->volume = MixtureVolume(a2, w2, density);
  return 1;
}

TEST(Mixing, WorkedExampleBothWays) {
  Solution result, second;
  std::string err;
  ASSERT_EQ(Mix({1000, 96}, {1000, 40}, &result, &err), 1) << err;
  EXPECT_NEAR(result.volume, 1976.02, 0.005); // 1976.0168
  EXPECT_NEAR(result.strength, 68.83, 0.005); // 68.8283
  // from the rounded result shown, solution 2 comes back as 1000.00 at 40.00
  ASSERT_EQ(FindSecond({1000, 96}, {1976.02, 68.83}, &second, &err), 1) << err;
  EXPECT_NEAR(second.volume, 1000.00, 0.005);
  EXPECT_NEAR(second.strength, 40.00, 0.005);
}

TEST(Mixing, FindingSolution2UndoesTheMixing) {
  const Solution ones[] = {{1000, 96}, {3.5, 40}, {250, 100}, {10, 0}};
  const Solution twos[] = {{1000, 40}, {0.7, 12.3}, {5, 0}, {120, 99.5}, {42, 60}};
  for (const Solution& s1 : ones)
    for (const Solution& s2 : twos) {
      Solution mixed, back;
      std::string err;
      ASSERT_EQ(Mix(s1, s2, &mixed, &err), 1) << err;
      ASSERT_EQ(FindSecond(s1, mixed, &back, &err), 1) << err;
      EXPECT_NEAR(back.volume, s2.volume, 1e-9 * mixed.volume) << s1.strength << "+" << s2.strength;
      EXPECT_NEAR(back.strength, s2.strength, 1e-7) << s1.strength << "+" << s2.strength;
    }
}

TEST(Mixing, AMixtureLiesBetweenItsPartsAndShrinks) {
  Solution r;
  ASSERT_EQ(Mix({700, 90}, {300, 10}, &r, nullptr), 1);
  EXPECT_GT(r.strength, 10);
  EXPECT_LT(r.strength, 90);
  EXPECT_LT(r.volume, 1000);
  // the same strength on both sides stays as it is, and no volume is lost
  ASSERT_EQ(Mix({700, 55}, {300, 55}, &r, nullptr), 1);
  EXPECT_NEAR(r.strength, 55, 1e-9);
  EXPECT_NEAR(r.volume, 1000, 1e-9);
  // water and pure ethanol alone keep their volumes
  ASSERT_EQ(Mix({0, 96}, {300, 0}, &r, nullptr), 1);
  EXPECT_EQ(r.strength, 0.0);
  EXPECT_NEAR(r.volume, 300, 1e-9);
  ASSERT_EQ(Mix({250, 100}, {0, 40}, &r, nullptr), 1);
  EXPECT_EQ(r.strength, 100.0);
  EXPECT_NEAR(r.volume, 250, 1e-9);
}

TEST(Mixing, NothingToMixIsRefusedByTheConversion) {
  EXPECT_TRUE(std::isnan(MixtureMassPct(0, 0)));
  Solution r{-7, -7};
  std::string err;
  EXPECT_EQ(Mix({0, 96}, {0, 40}, &r, &err), 0);
  EXPECT_EQ(err, kConcMessage);
  EXPECT_EQ(r.strength, -7);
  EXPECT_EQ(r.volume, -7);
  // the result equal to solution 1: solution 2 has no mass at all
  err.clear();
  EXPECT_EQ(FindSecond({1000, 96}, {1000, 96}, &r, &err), 0);
  EXPECT_EQ(err, kConcMessage);
}

TEST(Mixing, AResultWithLessAlcoholThanSolution1IsRefused) {
  double a2 = -7, w2 = -7;
  std::string err;
  EXPECT_EQ(SecondSolutionMasses(10, 5, 9.99, 50, &a2, &w2, &err), 0);
  EXPECT_EQ(err, "% спирта в растворе 2 <0");
  EXPECT_EQ(a2, -7);
  EXPECT_EQ(w2, -7);
  // the same alcohol passes: solution 2 is water
  ASSERT_EQ(SecondSolutionMasses(10, 5, 10, 50, &a2, &w2, &err), 1);
  EXPECT_EQ(a2, 0.0);
  EXPECT_EQ(w2, 45.0);
  Solution s2;
  EXPECT_EQ(FindSecond({1000, 96}, {1000, 40}, &s2, &err), 0);
  EXPECT_EQ(err, "% спирта в растворе 2 <0");
}

TEST(Mixing, SolutionMassesAddUpToTheSolutionsMass) {
  for (double p : {0.0, 12.3, 40.0, 96.0, 100.0}) {
    const Strength s = FromVolPct(p);
    double a, w;
    SolutionMasses(2.5, s.mass, s.density, &a, &w);
    EXPECT_NEAR(a + w, 2.5 * s.density, 1e-12) << p;
    EXPECT_NEAR(MixtureMassPct(a, w), s.mass, 1e-12) << p;
    EXPECT_NEAR(MixtureVolume(a, w, s.density), 2.5, 1e-12) << p;
  }
}

} // namespace
