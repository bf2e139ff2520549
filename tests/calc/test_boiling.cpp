// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/boiling.h"

#include "calc/concentration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brevimo;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kRangeMessage = "Ошибка в параметрах\nКоцентрация 0..100%";
const std::string kConcMessage = "Ошибка в параметрах. Концентрация 0..100 (%)";

TEST(VleTable, ShapeAndEnds) {
  using V = VleTable;
  EXPECT_EQ(V::Liquid[0], 0.0);
  EXPECT_EQ(V::Boiling[0], 100.0);
  EXPECT_EQ(V::VapourMass[0], 0.0);
  EXPECT_EQ(V::Liquid[107], 95.57);
  EXPECT_EQ(V::Boiling[107], 78.15);
  EXPECT_EQ(V::VapourMass[107], 95.57); // the azeotrope: vapour as the liquid
  EXPECT_EQ(V::VapourMolar[107], 89.41);
  for (int i = 0; i + 1 < V::kRows; ++i) {
    EXPECT_LT(V::Liquid[i], V::Liquid[i + 1]) << i;
    EXPECT_GT(V::Boiling[i], V::Boiling[i + 1]) << i;
    EXPECT_LT(V::VapourMass[i], V::VapourMass[i + 1]) << i;
    EXPECT_LT(V::VapourMolar[i], V::VapourMolar[i + 1]) << i;
    // below the azeotrope the vapour is richer than the liquid
    if (i + 1 < 107) {
      EXPECT_GT(V::VapourMass[i + 1], V::Liquid[i + 1]) << i + 1;
    }
  }
  // whole percents from row 12 (1 %) to row 106 (95 %)
  for (int i = 12; i <= 106; ++i)
    EXPECT_EQ(V::Liquid[i], i - 11.0) << i;
}

// The stored molar column matches the molar formula on the vapour mass
// column to its printed precision: a mistyped entry in either column shows.
TEST(VleTable, MolarColumnAgreesWithVapourMass) {
  using V = VleTable;
  for (int i = 0; i < V::kRows; ++i) {
    const double m = V::VapourMass[i];
    EXPECT_NEAR(18.0 * m / (46.0 - 0.28 * m), V::VapourMolar[i], 0.0051) << i;
  }
}

struct LiquidCase {
  double liquid;
  double boiling, vapourMass, vapourMolar;
  double tol;
};

void PrintTo(const LiquidCase& c, std::ostream* os) { *os << c.liquid << " % by mass"; }

class BoilingFromLiquidCase : public ::testing::TestWithParam<LiquidCase> {};

TEST_P(BoilingFromLiquidCase, InterpolatesTheTable) {
  const LiquidCase c = GetParam();
  double t = 0, vm = 0, vv = 0;
  std::string err = "previous";
  ASSERT_EQ(BoilingFromLiquid(c.liquid, &t, &vm, &vv, &err), 1);
  EXPECT_NEAR(t, c.boiling, c.tol);
  EXPECT_NEAR(vm, c.vapourMass, c.tol);
  EXPECT_EQ(err, "previous"); // success leaves the error text alone

  double expectedVolume = 0;
  ASSERT_EQ(ConvertConcentration(MassPct, VolPct, vm, &expectedVolume, nullptr, nullptr), 1);
  EXPECT_EQ(vv, expectedVolume);

  double lt = 0, lvm = 0, lvx = 0;
  ASSERT_EQ(BoilingLookup(c.liquid, &lt, &lvm, &lvx), 1);
  EXPECT_EQ(lt, t);
  EXPECT_EQ(lvm, vm);
  EXPECT_NEAR(lvx, c.vapourMolar, c.tol);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, BoilingFromLiquidCase,
    ::testing::Values(
        // the smallest tabulated content: row 1
        LiquidCase{0.01, 99.9, 0.13, 0.051, 1e-12},
        // half way between rows 61 and 62
        LiquidCase{50.5, 81.85, 77.15, 56.92, 1e-12},
        // a row's content lies on the segment below it and gives that row
        LiquidCase{50.0, 81.9, 77.0, 56.71, 1e-12}, LiquidCase{12.0, 90.5, 55.8, 33.07, 1e-12},
        LiquidCase{1.0, 98.75, 10.75, 4.501, 1e-12},
        // the azeotrope, the upper end
        LiquidCase{95.57, 78.15, 95.57, 89.41, 1e-12},
        // 96 % by volume is 93.84 % by mass: rows 104-105, f = 0.84
        LiquidCase{93.84, 78.2112, 94.072, 86.128, 1e-9},
        // between the uneven first rows: 0.05 lies on rows 1-2, f = 4/9
        LiquidCase{0.05, 99.9 - 0.1 * 4 / 9, 0.13 + 1.17 * 4 / 9, 0.051 + 0.4618 * 4 / 9, 1e-12}));

TEST(BoilingFromLiquid, OpeningExampleOfTheBoilingPage) {
  // 96 % by volume: 78.21 °C, vapour 96.15 % vol, 94.07 % mass, 86.13 % molar
  const double volume = 96.0;
  double mass = 0, molar = 0;
  ASSERT_EQ(VolumeToMassMolar(&volume, &mass, &molar, nullptr), 1);
  EXPECT_NEAR(mass, 93.84, 1e-9);
  double t = 0, vm = 0, vv = 0, vx = 0;
  ASSERT_EQ(BoilingFromLiquid(mass, &t, &vm, &vv, nullptr), 1);
  ASSERT_EQ(VleFromLiquid(mass, nullptr, nullptr, &vx, nullptr), 1);
  EXPECT_NEAR(t, 78.21, 0.005);
  EXPECT_NEAR(vv, 96.15, 0.005);
  EXPECT_NEAR(vm, 94.07, 0.005);
  EXPECT_NEAR(vx, 86.13, 0.005);
}

struct Refusal {
  double liquid;
  const char* message;
};

void PrintTo(const Refusal& c, std::ostream* os) { *os << c.liquid << " % by mass"; }

class BoilingFromLiquidRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(BoilingFromLiquidRefusal, MarksEveryPresentOutput) {
  const Refusal c = GetParam();
  double t = 5, vm = 6, vv = 7;
  std::string err;
  EXPECT_EQ(BoilingFromLiquid(c.liquid, &t, &vm, &vv, &err), 0);
  EXPECT_EQ(err, c.message);
  EXPECT_EQ(t, -1.0);
  EXPECT_EQ(vm, -1.0);
  EXPECT_EQ(vv, -1.0);

  // absent vapour outputs are skipped, the temperature is still marked
  t = 5;
  err.clear();
  EXPECT_EQ(BoilingFromLiquid(c.liquid, &t, nullptr, nullptr, &err), 0);
  EXPECT_EQ(err, c.message);
  EXPECT_EQ(t, -1.0);

  // the static lookup writes nothing and sets no message
  double lt = 5, lvm = 6, lvx = 7;
  EXPECT_EQ(BoilingLookup(c.liquid, &lt, &lvm, &lvx), 0);
  EXPECT_EQ(lt, 5);
  EXPECT_EQ(lvm, 6);
  EXPECT_EQ(lvx, 7);
}

INSTANTIATE_TEST_SUITE_P(Edges, BoilingFromLiquidRefusal,
                         ::testing::Values(
                             // 0 is refused although row 0 holds 0 %
                             Refusal{0.0, "<=0%"}, Refusal{-0.0, "<=0%"}, Refusal{-3.0, "<=0%"},
                             Refusal{-kInf, "<=0%"}, Refusal{kNaN, "<=0%"},
                             // above the azeotrope; the doubled percent sign is part of the text
                             Refusal{95.570001, ">95.57%%"}, Refusal{96.0, ">95.57%%"},
                             Refusal{100.0, ">95.57%%"}, Refusal{kInf, ">95.57%%"}));

struct TemperatureCase {
  double boiling;
  double liquid, vapourMass, vapourMolar;
  double tol;
};

void PrintTo(const TemperatureCase& c, std::ostream* os) { *os << c.boiling << " C"; }

class LiquidFromBoilingCase : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(LiquidFromBoilingCase, InterpolatesTheTable) {
  const TemperatureCase c = GetParam();
  double liquid = 0;
  std::string err = "previous";
  ASSERT_EQ(LiquidFromBoiling(c.boiling, &liquid, &err), 1);
  EXPECT_NEAR(liquid, c.liquid, c.tol);
  EXPECT_EQ(err, "previous");

  // the vapour on the same segment with the same fraction
  double l = 0, vm = 0, vx = 0;
  ASSERT_EQ(VleFromBoiling(c.boiling, &l, &vm, &vx, nullptr), 1);
  EXPECT_EQ(l, liquid);
  EXPECT_NEAR(vm, c.vapourMass, c.tol);
  EXPECT_NEAR(vx, c.vapourMolar, c.tol);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, LiquidFromBoilingCase,
                         ::testing::Values(
                             // half way between rows 0 and 1
                             TemperatureCase{99.95, 0.005, 0.065, 0.0255, 1e-12},
                             // a tabulated temperature gives its row: row 23
                             TemperatureCase{90.5, 12.0, 55.8, 33.07, 1e-12},
                             // the azeotrope is the lowest temperature accepted
                             TemperatureCase{78.15, 95.57, 95.57, 89.41, 1e-12},
                             // 81.85 lies half way between rows 61 and 62
                             TemperatureCase{81.85, 50.5, 77.15, 56.92, 1e-9}));

TEST(LiquidFromBoiling, RefusesOutsideTheTableWithoutWriting) {
  const struct {
    double boiling;
    const char* message;
    int outside;
  } cases[] = {{100.0, ">=100*C", VleAbove},  {100.5, ">=100*C", VleAbove},
               {kInf, ">=100*C", VleAbove},   {kNaN, ">=100*C", VleAbove},
               {78.14, "<78.15*C", VleBelow}, {0.0, "<78.15*C", VleBelow},
               {-kInf, "<78.15*C", VleBelow}, {78.149999, "<78.15*C", VleBelow}};
  for (const auto& c : cases) {
    double liquid = 42;
    std::string err;
    EXPECT_EQ(LiquidFromBoiling(c.boiling, &liquid, &err), 0) << c.boiling;
    EXPECT_EQ(err, c.message) << c.boiling;
    EXPECT_EQ(liquid, 42);

    int outside = 0;
    double vm = 3;
    EXPECT_EQ(VleFromBoiling(c.boiling, &liquid, &vm, nullptr, &outside), 0);
    EXPECT_EQ(outside, c.outside) << c.boiling;
    EXPECT_EQ(liquid, 42);
    EXPECT_EQ(vm, 3);
  }
}

// Both searches use the same segments, so the temperature found for a liquid
// leads back to that liquid anywhere in (0, 95.57].
TEST(BoilingSearches, TemperatureLeadsBackToTheLiquid) {
  int checked = 0;
  for (double x = 0.0007; x <= 95.57; x += 0.0173, ++checked) {
    double t = 0, back = -1;
    ASSERT_EQ(BoilingFromLiquid(x, &t, nullptr, nullptr, nullptr), 1) << x;
    ASSERT_EQ(LiquidFromBoiling(t, &back, nullptr), 1) << x;
    EXPECT_NEAR(back, x, 1e-9 * (1 + x)) << x;
  }
  // every tabulated content and the ends exactly on the rows
  for (int i = 1; i < VleTable::kRows; ++i, ++checked) {
    double t = 0, back = -1;
    ASSERT_EQ(BoilingFromLiquid(VleTable::Liquid[i], &t, nullptr, nullptr, nullptr), 1);
    EXPECT_NEAR(t, VleTable::Boiling[i], 1e-12) << i;
    ASSERT_EQ(LiquidFromBoiling(t, &back, nullptr), 1);
    EXPECT_NEAR(back, VleTable::Liquid[i], 1e-12) << i;
  }
  EXPECT_GT(checked, 5000);
}

TEST(UnitHelpers, VolumeToMassMolar) {
  double mass = 0, molar = 0;
  std::string err;
  const double v96 = 96.0;
  ASSERT_EQ(VolumeToMassMolar(&v96, &mass, &molar, &err), 1);
  EXPECT_NEAR(mass, 93.84, 1e-9);
  EXPECT_NEAR(molar, 85.634328, 5e-7);

  for (double bound : {0.0, 100.0}) {
    EXPECT_EQ(VolumeToMassMolar(&bound, &mass, &molar, &err), 1) << bound;
    EXPECT_EQ(mass, bound);
    EXPECT_NEAR(molar, bound, 1e-12); // 0.28 * 100 is not exactly 28
  }
  for (double bad : {-0.01, 100.01, kNaN}) {
    err.clear();
    EXPECT_EQ(VolumeToMassMolar(&bad, &mass, &molar, &err), 0) << bad;
    EXPECT_EQ(err, kRangeMessage);
  }
}

TEST(UnitHelpers, MassToVolumeMolarUsesTheConversionsCheck) {
  double volume = 0, molar = 0;
  std::string err;
  const double m50 = 50.01;
  ASSERT_EQ(MassToVolumeMolar(&m50, &volume, &molar, &err), 1);
  EXPECT_NEAR(volume, 57.90, 1e-12); // row 87 of the density table
  EXPECT_NEAR(molar, 18 * 50.01 / (46 - 0.28 * 50.01), 1e-12);

  for (double bad : {-0.01, 100.01}) {
    err.clear();
    volume = 3;
    EXPECT_EQ(MassToVolumeMolar(&bad, &volume, &molar, &err), 0) << bad;
    EXPECT_EQ(err, kConcMessage);
    EXPECT_EQ(volume, 3);
  }
}

TEST(UnitHelpers, MolarToMassVolume) {
  double molar = 100.0, volume = 0, mass = 0;
  std::string err;
  ASSERT_EQ(MolarToMassVolume(&molar, &volume, &mass, &err), 1);
  EXPECT_EQ(mass, 100.0); // 46 * 100 / 46
  EXPECT_EQ(volume, 100.0);
  EXPECT_NEAR(molar, 100.0, 1e-12);

  // the input comes back recomputed from the mass, equal up to rounding
  for (double x = 0.5; x < 100; x += 4.25) {
    double in = x;
    ASSERT_EQ(MolarToMassVolume(&in, &volume, &mass, &err), 1);
    EXPECT_NEAR(in, x, 1e-12);
    EXPECT_NEAR(mass, 46 * x / (18 + 0.28 * x), 1e-12);
    double expectedVolume = 0;
    ASSERT_EQ(ConvertConcentration(MassPct, VolPct, mass, &expectedVolume, nullptr, nullptr), 1);
    EXPECT_EQ(volume, expectedVolume);
  }

  for (double bad : {-0.01, 100.01, kNaN}) {
    double in = bad;
    err.clear();
    EXPECT_EQ(MolarToMassVolume(&in, &volume, &mass, &err), 0);
    EXPECT_EQ(err, kRangeMessage);
  }
}

} // namespace
