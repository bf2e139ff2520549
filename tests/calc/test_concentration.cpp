// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/concentration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brevimo;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::string kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";
const std::string kDensityMessage = "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)";

struct Conversion {
  int from, to;
  double value;
  double result, density; // expected; density < 0: not checked
  double tol;
};

class ConvertConcentrationCase : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConvertConcentrationCase, MatchesWorkedValue) {
  const Conversion c = GetParam();
  double result = -1, density = -1;
  std::string err;
  ASSERT_EQ(ConvertConcentration(c.from, c.to, c.value, &result, &density, &err), 1);
  EXPECT_NEAR(result, c.result, c.tol);
  if (c.density >= 0) {
    EXPECT_NEAR(density, c.density, 5e-7);
  }
  EXPECT_TRUE(err.empty());
}

// Worked values of the density table; tolerances are the printed precision.
INSTANTIATE_TEST_SUITE_P(WorkedValues, ConvertConcentrationCase,
                         ::testing::Values(
                             // 96 % vol lies between rows 193 and 194 with t = 1/3
                             Conversion{VolPct, MassPct, 96.0, 93.84, 0.807467, 5e-7},
                             Conversion{VolPct, MolPct, 96.0, 85.634328, -1, 5e-7},
                             Conversion{MassPct, VolPct, 93.84, 96.00, -1, 5e-7},
                             Conversion{MolPct, MassPct, 85.63, 93.837966, -1, 5e-7},
                             Conversion{VolPct, MassPct, 40.0, 33.300317, 0.948054, 5e-7},
                             Conversion{MassPct, VolPct, 40.0, 47.388600, 0.935180, 5e-7},
                             // the first bracket, rows 0 and 1
                             Conversion{VolPct, MassPct, 0.1, 0.079310, 0.998082, 5e-7},
                             // a table entry returns its row exactly (t = 1)
                             Conversion{VolPct, MassPct, 0.29, 0.23, 0.9978, 0.0},
                             Conversion{MassPct, VolPct, 50.01, 57.90, 0.9138, 0.0},
                             // 0 and 100 pass unchanged in every kind
                             Conversion{MolPct, MassPct, 0.0, 0.0, 0.99823, 0.0},
                             Conversion{MolPct, VolPct, 100.0, 100.0, 0.78927, 0.0},
                             Conversion{VolPct, MolPct, 100.0, 100.0, 0.78927, 0.0},
                             Conversion{MassPct, VolPct, 0.0, 0.0, 0.99823, 0.0}));

TEST(ConvertConcentration, TableEntryIsExact) {
  double result = 0, density = 0;
  ASSERT_EQ(ConvertConcentration(VolPct, MassPct, 0.29, &result, &density, nullptr), 1);
  EXPECT_EQ(result, 0.23);
  EXPECT_EQ(density, 0.9978);
}

TEST(ConvertConcentration, RefusesOutOfRangeAndNaNWithoutWriting) {
  for (double bad : {-0.01, 100.01, kNaN, -std::numeric_limits<double>::infinity()}) {
    double result = 7, density = 8;
    std::string err;
    EXPECT_EQ(ConvertConcentration(VolPct, MassPct, bad, &result, &density, &err), 0) << bad;
    EXPECT_EQ(err, kConcMessage);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(density, 8);
  }
}

TEST(ConvertConcentration, RefusesUnknownKinds) {
  double result = 7;
  std::string err;
  EXPECT_EQ(ConvertConcentration(3, MassPct, 50, &result, nullptr, &err), 0);
  EXPECT_EQ(err, "Ошибка в типе параметра");
  EXPECT_EQ(result, 7);
  err.clear();
  EXPECT_EQ(ConvertConcentration(MassPct, -1, 50, &result, nullptr, &err), 0);
  EXPECT_EQ(err, "Ошибка в типе параметра");
  EXPECT_EQ(result, 7);
  // without an error text the failure is silent
  EXPECT_EQ(ConvertConcentration(MassPct, 5, 50, &result, nullptr, nullptr), 0);
}

TEST(ConvertConcentration, SameKindRoundTrips) {
  for (int unit : {MassPct, VolPct, MolPct}) {
    for (double v = 0.37; v < 100; v += 3.3) {
      double result = 0, density = 0;
      ASSERT_EQ(ConvertConcentration(unit, unit, v, &result, &density, nullptr), 1);
      EXPECT_NEAR(result, v, 1e-9) << unit << " " << v;
      EXPECT_GE(density, 0.78927);
      EXPECT_LE(density, 0.99823);
    }
  }
}

// Every kind to every other and back returns the value; the density agrees
// whichever way it was found.
TEST(ConvertConcentration, RoundTripProperty) {
  for (int from : {MassPct, VolPct, MolPct})
    for (int to : {MassPct, VolPct, MolPct})
      for (double v = 0.013; v < 100; v += 0.517) {
        double there = 0, back = 0, d1 = 0, d2 = 0;
        ASSERT_EQ(ConvertConcentration(from, to, v, &there, &d1, nullptr), 1);
        ASSERT_EQ(ConvertConcentration(to, from, there, &back, &d2, nullptr), 1);
        EXPECT_NEAR(back, v, 1e-9) << from << "->" << to << " " << v;
        EXPECT_NEAR(d1, d2, 1e-12);
      }
}

struct FromDensity {
  double density;
  int unit;
  double result, tol;
};

class ConcentrationFromDensityCase : public ::testing::TestWithParam<FromDensity> {};

TEST_P(ConcentrationFromDensityCase, MatchesWorkedValue) {
  const FromDensity c = GetParam();
  double result = -1;
  ASSERT_EQ(ConcentrationFromDensity(c.density, c.unit, &result, nullptr), 1);
  EXPECT_NEAR(result, c.result, c.tol);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ConcentrationFromDensityCase,
                         ::testing::Values(FromDensity{0.8075, MassPct, 93.828, 5e-4},
                                           FromDensity{0.8075, VolPct, 95.992, 5e-4},
                                           FromDensity{0.8075, MolPct, 85.608795, 5e-7},
                                           FromDensity{0.9, MassPct, 56.122, 5e-4},
                                           FromDensity{0.9, VolPct, 63.994, 5e-4},
                                           FromDensity{0.99, MassPct, 4.628, 5e-4},
                                           // the bounds themselves are valid
                                           FromDensity{0.99823, VolPct, 0.0, 0.0},
                                           FromDensity{0.78927, MolPct, 100.0, 0.0},
                                           // a table entry: row 100
                                           FromDensity{0.9008, MassPct, 55.77, 1e-12}));

TEST(ConcentrationFromDensity, RefusesOutsideTheTableWithItsBounds) {
  for (double bad : {0.9983, 0.7892, kNaN}) {
    double result = 7;
    std::string err;
    EXPECT_EQ(ConcentrationFromDensity(bad, MassPct, &result, &err), 0) << bad;
    EXPECT_EQ(err, kDensityMessage);
    EXPECT_EQ(result, 7);
  }
}

TEST(ConcentrationFromDensity, RangeIsCheckedBeforeTheKind) {
  double result = 7;
  std::string err;
  EXPECT_EQ(ConcentrationFromDensity(1.2, 9, &result, &err), 0);
  EXPECT_EQ(err, kDensityMessage);
  EXPECT_EQ(ConcentrationFromDensity(0.9, 9, &result, &err), 0);
  EXPECT_EQ(err, "Ошибка в типе выходных данных");
  EXPECT_EQ(result, 7);
}

TEST(ConcentrationFromDensity, InvertsTheConversion) {
  for (double v = 0.05; v < 100; v += 0.29) {
    double mass = 0, density = 0, back = 0;
    ASSERT_EQ(ConvertConcentration(VolPct, MassPct, v, &mass, &density, nullptr), 1);
    ASSERT_EQ(ConcentrationFromDensity(density, VolPct, &back, nullptr), 1);
    EXPECT_NEAR(back, v, 1e-9) << v;
  }
}

TEST(WaterAlcoholTable, Invariants) {
  using T = WaterAlcoholTable;
  EXPECT_EQ(T::Density[0], 0.99823);
  EXPECT_EQ(T::Density[212], 0.78927);
  EXPECT_EQ(T::Mass[0], 0.0);
  EXPECT_EQ(T::Volume[212], 100.0);
  EXPECT_EQ(T::Density[14], 0.9854);
  EXPECT_EQ(T::Density[27], 0.9732);
  EXPECT_EQ(T::Density[211], 0.7898);
  for (int i = 0; i + 1 < T::kRows; ++i) {
    EXPECT_LT(T::Density[i + 1], T::Density[i]) << i;
    EXPECT_GT(T::Mass[i + 1], T::Mass[i]) << i;
    EXPECT_GT(T::Volume[i + 1], T::Volume[i]) << i;
    // strength is always at least as high by volume as by mass
    EXPECT_GE(T::Volume[i], T::Mass[i]) << i;
  }
  // the density rule: a grid of 0.001 apart from rows 0, 14, 27 and 212
  for (int i = 28; i <= 211; ++i)
    EXPECT_NEAR(T::Density[i], 0.9728 - 0.001 * (i - 28), 1e-12) << i;
}

} // namespace
