// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/vapour_pressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <iterator>
#include <limits>
#include <vector>

#include "calc/concentration.h"

using namespace brevimo;

namespace {

using VP = VapourPressureTable;
using BC = BoilingCoeffTable;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const std::string kEthanolPressureMsg =
    "Давление паров спирта должно быть от 4.57 до 21730.00 мм.рт.ст.";
const std::string kWaterPressureMsg =
    "Давление паров воды должно быть от 4.57 до 21730.00 мм.рт.ст.";
const std::string kEthanolTempMsg =
    "Температура кипения спирта должна быть от -13.18 до 199.00 *C.";
const std::string kWaterTempMsg = "Температура кипения воды должна быть от 0.00 до 231.90 *C";
const std::string kConcMsg = "Концентрация спирта должна быть 0...100%";
const std::string kCoeffMsg = "Coeff должен быть 0...1.01158";
const std::string kSolutionMsg = "Температура кипения раствора\nвыше температуры кипения воды\n"
                                 "или ниже температуры кипения спирта";

void ExpectStrictlyIncreasing(const double* column, int rows, const char* name) {
  for (int i = 1; i < rows; ++i)
    EXPECT_LT(column[i - 1], column[i]) << name << " row " << i;
}

// ---------------------------------------------------------------------------
// The tables as transcribed

TEST(VapourPressureTableData, RowCountsAndEnds) {
  EXPECT_EQ(std::size(VP::Pressure), 165u);
  EXPECT_EQ(std::size(VP::Ethanol), 165u);
  EXPECT_EQ(std::size(VP::Water), 165u);
  EXPECT_EQ(VP::Pressure[0], 4.57);
  EXPECT_EQ(VP::Pressure[164], 21730.0);
  EXPECT_EQ(VP::Ethanol[0], -13.18);
  EXPECT_EQ(VP::Ethanol[164], 199.0);
  EXPECT_EQ(VP::Water[0], 0.0);
  EXPECT_EQ(VP::Water[164], 231.9);
}

TEST(VapourPressureTableData, ColumnsRiseAndRowsAreConsistent) {
  ExpectStrictlyIncreasing(VP::Pressure, VP::kRows, "pressure");
  ExpectStrictlyIncreasing(VP::Ethanol, VP::kRows, "ethanol");
  ExpectStrictlyIncreasing(VP::Water, VP::kRows, "water");
  for (int i = 0; i < VP::kRows; ++i) {
    // at one pressure water always boils above ethanol
    EXPECT_GT(VP::Water[i], VP::Ethanol[i]) << "row " << i;
    // an almost constant ratio of about 1.053 between rows: a misplaced or
    // mistyped pressure shows up here
    if (i > 0) {
      const double ratio = VP::Pressure[i] / VP::Pressure[i - 1];
      EXPECT_NEAR(ratio, 1.053, 0.003) << "row " << i;
    }
  }
}

TEST(VapourPressureTableData, SpotRows) {
  // rows around one atmosphere, and the smallest ethanol entry in magnitude
  EXPECT_EQ(VP::Pressure[99], 757.9);
  EXPECT_EQ(VP::Ethanol[99], 78.33);
  EXPECT_EQ(VP::Water[99], 99.92);
  EXPECT_EQ(VP::Pressure[100], 798.1);
  EXPECT_EQ(VP::Ethanol[100], 79.66);
  EXPECT_EQ(VP::Water[100], 101.4);
  EXPECT_EQ(VP::Ethanol[19], -0.04935);
  EXPECT_EQ(VP::Water[1], 0.7163);
  EXPECT_EQ(VP::Pressure[149], 10020.0);
}

TEST(BoilingCoeffTableData, RowCountsAndEnds) {
  EXPECT_EQ(std::size(BC::Mass), 109u);
  EXPECT_EQ(std::size(BC::Molar), 109u);
  EXPECT_EQ(std::size(BC::Volume), 109u);
  EXPECT_EQ(std::size(BC::Coeff), 109u);
  for (const double* column : {BC::Mass, BC::Molar, BC::Volume}) {
    EXPECT_EQ(column[0], 0.0);
    EXPECT_EQ(column[108], 100.0);
  }
  EXPECT_EQ(BC::Coeff[0], 0.0);
  EXPECT_EQ(BC::Coeff[102], 1.0);
  EXPECT_EQ(BC::Mass[102], 91.0);
  EXPECT_EQ(BC::Coeff[107], BC::kMaxCoeff);
  EXPECT_EQ(BC::Mass[107], 95.57);
  EXPECT_EQ(BC::Coeff[108], 1.0);
}

TEST(BoilingCoeffTableData, ColumnsRise) {
  ExpectStrictlyIncreasing(BC::Mass, BC::kRows, "mass");
  ExpectStrictlyIncreasing(BC::Molar, BC::kRows, "molar");
  ExpectStrictlyIncreasing(BC::Volume, BC::kRows, "volume");
  // the coefficient rises up to the azeotrope, then falls back to ethanol's 1
  ExpectStrictlyIncreasing(BC::Coeff, 108, "coeff");
  EXPECT_LT(BC::Coeff[108], BC::Coeff[107]);
}

// The molar column follows from the mass column (molar masses 46 and 18) to
// the five decimals it is given with: a cross-check of the transcription.
TEST(BoilingCoeffTableData, MolarColumnAgreesWithMass) {
  for (int i = 0; i < BC::kRows; ++i) {
    const double w = BC::Mass[i];
    EXPECT_NEAR(BC::Molar[i], 18.0 * w / (46.0 - 0.28 * w), 6e-6) << "row " << i;
  }
}

// The volume column agrees with the density table's conversion to within
// the rounding of either table.
TEST(BoilingCoeffTableData, VolumeColumnAgreesWithDensityTable) {
  for (int i = 1; i < BC::kRows - 1; ++i) {
    double volume = 0.0;
    ASSERT_EQ(ConvertConcentration(MassPct, VolPct, BC::Mass[i], &volume, nullptr, nullptr), 1);
    EXPECT_NEAR(BC::Volume[i], volume, 0.05) << "row " << i;
  }
}

// ---------------------------------------------------------------------------
// Table lookups

using LookupFn = int (*)(double, double*, std::string*);

struct LookupCase {
  const char* name;
  LookupFn fn;
  double input, expected, tol;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class LookupWorked : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupWorked, GivesValue) {
  const LookupCase c = GetParam();
  double out = -1.0;
  std::string err = "untouched";
  ASSERT_EQ(c.fn(c.input, &out, &err), 1) << c.name << ": " << err;
  EXPECT_NEAR(out, c.expected, c.tol) << c.name;
  EXPECT_EQ(err, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    VapourPressure, LookupWorked,
    ::testing::Values(
        // one atmosphere lies between rows 99 and 100
        LookupCase{"ethanol at 760", AlcoholBoilingFromPressure, 760.0, 78.3995, 5e-5},
        LookupCase{"water at 760", WaterBoilingFromPressure, 760.0, 99.9973, 5e-5},
        LookupCase{"ethanol at 78.39", AlcoholPressureFromBoiling, 78.39, 759.71, 5e-3},
        LookupCase{"water at 99.9927", WaterPressureFromBoiling, 99.9927, 759.87, 5e-3},
        // an ethanol temperature of 0 lies between rows 19 and 20
        LookupCase{"ethanol at 0 C", AlcoholPressureFromBoiling, 0.0, 12.23, 5e-3},
        // both ends of the table are accepted
        LookupCase{"ethanol at 4.57", AlcoholBoilingFromPressure, 4.57, -13.18, 0.0},
        LookupCase{"water at 4.57", WaterBoilingFromPressure, 4.57, 0.0, 0.0},
        LookupCase{"water at 0 C", WaterPressureFromBoiling, 0.0, 4.57, 0.0},
        LookupCase{"ethanol at -13.18", AlcoholPressureFromBoiling, -13.18, 4.57, 0.0},
        LookupCase{"ethanol at 21730", AlcoholBoilingFromPressure, 21730.0, 199.0, 0.0},
        LookupCase{"water at 21730", WaterBoilingFromPressure, 21730.0, 231.9, 0.0},
        LookupCase{"ethanol at 199 C", AlcoholPressureFromBoiling, 199.0, 21730.0, 0.0},
        LookupCase{"water at 231.9 C", WaterPressureFromBoiling, 231.9, 21730.0, 0.0},
        // a tabulated value yields its row exactly
        LookupCase{"ethanol at 757.9", AlcoholBoilingFromPressure, 757.9, 78.33, 0.0},
        LookupCase{"water at 99.92 C", WaterPressureFromBoiling, 99.92, 757.9, 0.0}));

struct RangeCase {
  LookupFn fn;
  double input;
  const std::string* message;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
  *os << std::setprecision(10) << c.input << " -> " << *c.message;
}

class LookupOutOfRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LookupOutOfRange, FailsWithBoundsAndLeavesOutput) {
  const RangeCase c = GetParam();
  double out = 42.0;
  std::string err;
  EXPECT_EQ(c.fn(c.input, &out, &err), 0);
  EXPECT_EQ(err, *c.message);
  EXPECT_EQ(out, 42.0);
  // without an error text the failure is silent
  EXPECT_EQ(c.fn(c.input, &out, nullptr), 0);
  EXPECT_EQ(out, 42.0);
}

INSTANTIATE_TEST_SUITE_P(
    VapourPressure, LookupOutOfRange,
    ::testing::Values(RangeCase{AlcoholBoilingFromPressure, 21730.01, &kEthanolPressureMsg},
                      RangeCase{AlcoholBoilingFromPressure, 4.56, &kEthanolPressureMsg},
                      RangeCase{WaterBoilingFromPressure, 21730.01, &kWaterPressureMsg},
                      RangeCase{WaterBoilingFromPressure, 0.0, &kWaterPressureMsg},
                      RangeCase{AlcoholPressureFromBoiling, 199.01, &kEthanolTempMsg},
                      RangeCase{AlcoholPressureFromBoiling, -13.19, &kEthanolTempMsg},
                      RangeCase{WaterPressureFromBoiling, -0.01, &kWaterTempMsg},
                      RangeCase{WaterPressureFromBoiling, 231.91, &kWaterTempMsg},
                      // -189.05 °C: 84.10 read as Kelvin
                      RangeCase{WaterPressureFromBoiling, 84.1 - 273.15, &kWaterTempMsg},
                      RangeCase{WaterPressureFromBoiling, kNaN, &kWaterTempMsg},
                      RangeCase{AlcoholBoilingFromPressure, kNaN, &kEthanolPressureMsg}));

// Temperature from pressure and back returns the pressure, for both
// substances, all over the table (also between rows).
TEST(VapourPressureLookup, RoundTripsAcrossTheTable) {
  for (double p = 4.57; p <= 21730.0; p *= 1.0137) {
    double te = 0, tw = 0, pe = 0, pw = 0;
    ASSERT_EQ(AlcoholBoilingFromPressure(p, &te, nullptr), 1);
    ASSERT_EQ(WaterBoilingFromPressure(p, &tw, nullptr), 1);
    ASSERT_EQ(AlcoholPressureFromBoiling(te, &pe, nullptr), 1) << p;
    ASSERT_EQ(WaterPressureFromBoiling(tw, &pw, nullptr), 1) << p;
    EXPECT_NEAR(pe, p, 1e-9 * p);
    EXPECT_NEAR(pw, p, 1e-9 * p);
    EXPECT_GT(tw, te);
  }
}

// ---------------------------------------------------------------------------
// Boiling coefficient

TEST(CoeffFromConcentration, WaterAndEthanolWhateverTheUnit) {
  for (int unit : {0, 1, 2, 7, -1}) {
    double k = -1;
    ASSERT_EQ(CoeffFromConcentration(unit, 0.0, &k, nullptr), 1);
    EXPECT_EQ(k, 0.0);
    ASSERT_EQ(CoeffFromConcentration(unit, 100.0, &k, nullptr), 1);
    EXPECT_EQ(k, 1.0);
  }
}

TEST(CoeffFromConcentration, InterpolatesInTheColumnOfTheUnit) {
  double k = 0;
  // table rows give their coefficient exactly, in each measure
  ASSERT_EQ(CoeffFromConcentration(MassPct, 40.0, &k, nullptr), 1);
  EXPECT_EQ(k, 0.78227);
  ASSERT_EQ(CoeffFromConcentration(VolPct, 47.39, &k, nullptr), 1);
  EXPECT_EQ(k, 0.78227);
  ASSERT_EQ(CoeffFromConcentration(MolPct, 20.68966, &k, nullptr), 1);
  EXPECT_EQ(k, 0.78227);
  // halfway between rows 0 and 1 by mass
  ASSERT_EQ(CoeffFromConcentration(MassPct, 0.005, &k, nullptr), 1);
  EXPECT_NEAR(k, 0.00199, 1e-15);
}

TEST(CoeffFromConcentration, Refusals) {
  double k = 5;
  std::string err;
  for (double bad : {-0.01, 100.5, kNaN}) {
    EXPECT_EQ(CoeffFromConcentration(VolPct, bad, &k, &err), 0);
    EXPECT_EQ(err, kConcMsg);
  }
  EXPECT_EQ(CoeffFromConcentration(3, 50.0, &k, &err), 0);
  EXPECT_EQ(err, "Ошибка UnitMode");
  EXPECT_EQ(CoeffFromConcentration(-1, 50.0, &k, &err), 0);
  EXPECT_EQ(err, "Ошибка UnitMode");
  EXPECT_EQ(k, 5);
}

TEST(ConcentrationFromCoeff, OneIsNinetyOneByMassNeverEthanol) {
  double mass = 0, volume = 0, molar = 0;
  ASSERT_EQ(ConcentrationFromCoeff(1.0, &mass, &volume, &molar, nullptr), 1);
  EXPECT_EQ(mass, 91.0);
  EXPECT_NEAR(volume, 94.0, 1e-12);
  EXPECT_NEAR(molar, 79.82456, 1e-12);
}

TEST(ConcentrationFromCoeff, EndsAndMissingOutputs) {
  double mass = 9, volume = 9, molar = 9;
  ASSERT_EQ(ConcentrationFromCoeff(0.0, &mass, &volume, &molar, nullptr), 1);
  EXPECT_EQ(mass, 0.0);
  EXPECT_EQ(volume, 0.0);
  EXPECT_EQ(molar, 0.0);
  // the largest coefficient is the azeotrope
  ASSERT_EQ(ConcentrationFromCoeff(1.01158, &mass, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(mass, 95.57);
  volume = 9;
  ASSERT_EQ(ConcentrationFromCoeff(0.5, nullptr, &volume, nullptr, nullptr), 1);
  EXPECT_GT(volume, 17.32);
  EXPECT_LT(volume, 18.53);
}

TEST(ConcentrationFromCoeff, Refusals) {
  double mass = 9;
  std::string err;
  for (double bad : {-1e-9, 1.01159, kNaN}) {
    EXPECT_EQ(ConcentrationFromCoeff(bad, &mass, nullptr, nullptr, &err), 0);
    EXPECT_EQ(err, kCoeffMsg);
  }
  EXPECT_EQ(mass, 9);
}

// Concentration to coefficient and back is the identity below the azeotrope,
// in every measure.
TEST(ConcentrationFromCoeff, InvertsCoeffFromConcentration) {
  for (double w = 0.003; w < 95.57; w += 0.0731) {
    double k = 0, mass = 0, volume = 0, molar = 0;
    ASSERT_EQ(CoeffFromConcentration(MassPct, w, &k, nullptr), 1);
    ASSERT_EQ(ConcentrationFromCoeff(k, &mass, &volume, &molar, nullptr), 1);
    EXPECT_NEAR(mass, w, 1e-9) << w;
    double kv = 0, km = 0;
    ASSERT_EQ(CoeffFromConcentration(VolPct, volume, &kv, nullptr), 1);
    ASSERT_EQ(CoeffFromConcentration(MolPct, molar, &km, nullptr), 1);
    EXPECT_NEAR(kv, k, 1e-12) << w;
    EXPECT_NEAR(km, k, 1e-12) << w;
  }
}

// ---------------------------------------------------------------------------
// Solutions

TEST(SolutionBoilingAtPressure, WorkedValues) {
  double t = 0;
  std::string err = "untouched";
  ASSERT_EQ(SolutionBoilingAtPressure(VolPct, 40.0, 760.0, &t, &err), 1);
  EXPECT_NEAR(t, 84.097, 5e-4);
  EXPECT_EQ(err, "untouched");
  // 0 is water and 100 is ethanol, even with an unknown unit
  double tw = 0, te = 0;
  ASSERT_EQ(WaterBoilingFromPressure(300.0, &tw, nullptr), 1);
  ASSERT_EQ(AlcoholBoilingFromPressure(300.0, &te, nullptr), 1);
  ASSERT_EQ(SolutionBoilingAtPressure(9, 0.0, 300.0, &t, nullptr), 1);
  EXPECT_EQ(t, tw);
  ASSERT_EQ(SolutionBoilingAtPressure(9, 100.0, 300.0, &t, nullptr), 1);
  EXPECT_EQ(t, te);
}

TEST(SolutionBoilingAtPressure, FailsInOrder) {
  double t = 7;
  std::string err;
  // the concentration is checked before the pressure
  EXPECT_EQ(SolutionBoilingAtPressure(VolPct, 100.5, 1e6, &t, &err), 0);
  EXPECT_EQ(err, kConcMsg);
  EXPECT_EQ(SolutionBoilingAtPressure(VolPct, 40.0, 1e6, &t, &err), 0);
  EXPECT_EQ(err, kEthanolPressureMsg);
  EXPECT_EQ(t, 7);
}

struct ConcCase {
  int unit;
  double temperature, pressure;
  double expected, tol;
};

void PrintTo(const ConcCase& c, std::ostream* os) {
  *os << "unit " << c.unit << ", " << c.temperature << " C, " << c.pressure << " mm Hg";
}

class SolutionConcentrationWorked : public ::testing::TestWithParam<ConcCase> {};

TEST_P(SolutionConcentrationWorked, GivesValue) {
  const ConcCase c = GetParam();
  double conc = -1;
  std::string err;
  ASSERT_EQ(SolutionConcentrationAt(c.unit, c.temperature, c.pressure, &conc, &err), 1) << err;
  EXPECT_NEAR(conc, c.expected, c.tol);
}

INSTANTIATE_TEST_SUITE_P(VapourPressure, SolutionConcentrationWorked,
                         ::testing::Values(
                             // 84.1 °C at one atmosphere: 39.99 % vol
                             ConcCase{VolPct, 84.1, 760.0, 39.99, 5e-3},
                             // just below ethanol: the azeotrope side, coefficient 1.01155
                             ConcCase{MassPct, 78.15, 760.0, 95.56, 5e-3},
                             // water's own boiling point is pure water
                             ConcCase{MolPct, 99.9973, 760.0, 0.0, 1e-3}));

TEST(SolutionConcentrationAt, CoefficientAtTheAzeotropeSide) {
  double te = 0, tw = 0;
  ASSERT_EQ(AlcoholBoilingFromPressure(760.0, &te, nullptr), 1);
  ASSERT_EQ(WaterBoilingFromPressure(760.0, &tw, nullptr), 1);
  EXPECT_NEAR((tw - 78.15) / (tw - te), 1.01155, 5e-6);
}

TEST(SolutionConcentrationAt, Refusals) {
  double conc = 7;
  std::string err;
  // 78.1 passes the temperature test but its coefficient is above the table's
  EXPECT_EQ(SolutionConcentrationAt(VolPct, 78.1, 760.0, &conc, &err), 0);
  EXPECT_EQ(err, kCoeffMsg);
  // 71 °C is below ethanol / 1.1; 100 °C is above water
  EXPECT_EQ(SolutionConcentrationAt(VolPct, 71.0, 760.0, &conc, &err), 0);
  EXPECT_EQ(err, kSolutionMsg);
  err.clear();
  EXPECT_EQ(SolutionConcentrationAt(VolPct, 99.998, 760.0, &conc, &err), 0);
  EXPECT_EQ(err, kSolutionMsg);
  EXPECT_EQ(SolutionConcentrationAt(VolPct, 50.0, 21730.01, &conc, &err), 0);
  EXPECT_EQ(err, kEthanolPressureMsg);
  EXPECT_EQ(conc, 7);
}

// Below about 12.23 mm Hg ethanol boils below 0 °C and Te / 1.1 lies above Te.
TEST(SolutionConcentrationAt, LowPressureBelowFreezing) {
  double te = 0, tw = 0;
  ASSERT_EQ(AlcoholBoilingFromPressure(5.0, &te, nullptr), 1);
  ASSERT_EQ(WaterBoilingFromPressure(5.0, &tw, nullptr), 1);
  EXPECT_NEAR(te, -11.9987, 5e-5);
  // 0.7163 + 0.188 / 0.255 * 0.7207 between rows 1 and 2
  EXPECT_NEAR(tw, 1.24764, 5e-7);
  double conc = 7;
  std::string err;
  EXPECT_EQ(SolutionConcentrationAt(MassPct, -11.5, 5.0, &conc, &err), 0);
  EXPECT_EQ(err, kSolutionMsg);
  ASSERT_EQ(SolutionConcentrationAt(MassPct, -10.9, 5.0, &conc, &err), 1);
  EXPECT_GT(conc, 0.0);
  EXPECT_LT(conc, 95.57);
}

TEST(SolutionConcentrationAt, UnknownUnitFindsTheMixtureButWritesNothing) {
  double conc = 7;
  EXPECT_EQ(SolutionConcentrationAt(3, 84.1, 760.0, &conc, nullptr), 1);
  EXPECT_EQ(conc, 7);
}

// The concentration found at a temperature boils at that temperature again.
TEST(SolutionConcentrationAt, InvertsSolutionBoilingAtPressure) {
  for (double p : {20.0, 150.0, 760.0, 3000.0}) {
    for (double c = 0.5; c < 90.0; c += 3.7) {
      double t = 0, back = 0;
      ASSERT_EQ(SolutionBoilingAtPressure(VolPct, c, p, &t, nullptr), 1);
      ASSERT_EQ(SolutionConcentrationAt(VolPct, t, p, &back, nullptr), 1) << p << " " << c;
      EXPECT_NEAR(back, c, 1e-9) << p << " " << c;
    }
  }
}

// ---------------------------------------------------------------------------
// The pressure search

TEST(SolutionPressureAtBoiling, WorkedValue) {
  double p = 0;
  std::string err = "untouched";
  ASSERT_EQ(SolutionPressureAtBoiling(VolPct, 40.0, 84.1, &p, &err), 1);
  EXPECT_NEAR(p, 760.09, 5e-3);
  EXPECT_EQ(err, "untouched");
}

// Pure water boils at Pw itself: the search stops at its first pressure.
TEST(SolutionPressureAtBoiling, WaterNeedsNoSearch) {
  double p = 0, pw = 0;
  ASSERT_EQ(WaterPressureFromBoiling(84.1, &pw, nullptr), 1);
  ASSERT_EQ(SolutionPressureAtBoiling(VolPct, 0.0, 84.1, &p, nullptr), 1);
  EXPECT_EQ(p, pw);
}

// The pressure found makes the solution boil at the temperature asked, to
// within what one step of the search can resolve.
TEST(SolutionPressureAtBoiling, FoundPressureBoilsTheSolution) {
  for (double t : {10.0, 40.0, 84.1, 120.0, 180.0}) {
    for (double c : {5.0, 30.0, 60.0, 90.0}) {
      double p = 0, back = 0;
      ASSERT_EQ(SolutionPressureAtBoiling(MassPct, c, t, &p, nullptr), 1) << t << " " << c;
      ASSERT_EQ(SolutionBoilingAtPressure(MassPct, c, p, &back, nullptr), 1);
      EXPECT_NEAR(back, t, 0.01) << t << " " << c;
    }
  }
}

TEST(SolutionPressureAtBoiling, FailuresAndTheirOrder) {
  double p = 7;
  std::string err;
  EXPECT_EQ(SolutionPressureAtBoiling(VolPct, 100.5, 84.1, &p, &err), 0);
  EXPECT_EQ(err, kConcMsg);
  EXPECT_EQ(SolutionPressureAtBoiling(VolPct, 40.0, -0.5, &p, &err), 0);
  EXPECT_EQ(err, kWaterTempMsg);
  EXPECT_EQ(SolutionPressureAtBoiling(VolPct, 40.0, 232.0, &p, &err), 0);
  EXPECT_EQ(err, kWaterTempMsg);
  // above ethanol's last row, below water's
  EXPECT_EQ(SolutionPressureAtBoiling(VolPct, 40.0, 200.0, &p, &err), 0);
  EXPECT_EQ(err, kEthanolTempMsg);
  // above about 194.1 °C the walk passes the table's last pressure
  EXPECT_EQ(SolutionPressureAtBoiling(VolPct, 40.0, 195.0, &p, &err), 0);
  EXPECT_EQ(err, kWaterPressureMsg);
  EXPECT_EQ(SolutionPressureAtBoiling(3, 40.0, 84.1, &p, &err), 0);
  EXPECT_EQ(err, "Ошибка UnitMode");
  EXPECT_EQ(p, 7);
  // just below the limit the walk stays inside the table
  EXPECT_EQ(SolutionPressureAtBoiling(VolPct, 40.0, 194.0, &p, &err), 1);
}

// ---------------------------------------------------------------------------
// The lookups find their row by binary search: the same row, and so the same
// bits, as the scan upwards from row 1 that they replace.

// The lookup as a scan; NaN where the scan runs past the last row.
double ScanLookup(const double* X, const double* Y, int rows, double x) {
  if (x == X[0]) return Y[0];
  for (int j = 1; j < rows; ++j)
    if (x <= X[j]) return Y[j - 1] + (x - X[j - 1]) / (X[j] - X[j - 1]) * (Y[j] - Y[j - 1]);
  return kNaN;
}

TEST(BinaryLookup, SameAsAScanForEveryInput) {
  const struct {
    LookupFn fn;
    const double* X;
    const double* Y;
  } lookups[] = {{AlcoholBoilingFromPressure, VP::Pressure, VP::Ethanol},
                 {AlcoholPressureFromBoiling, VP::Ethanol, VP::Pressure},
                 {WaterPressureFromBoiling, VP::Water, VP::Pressure},
                 {WaterBoilingFromPressure, VP::Pressure, VP::Water}};
  for (const auto& l : lookups) {
    std::vector<double> inputs(l.X, l.X + VP::kRows); // every row exactly
    for (int i = 1; i < VP::kRows; ++i)               // and just around it
      for (double f : {1e-12, 0.25, 0.5, 0.999999})
        inputs.push_back(l.X[i - 1] + f * (l.X[i] - l.X[i - 1]));
    for (int i = 0; i <= 20000; ++i)
      inputs.push_back(l.X[0] + (l.X[VP::kRows - 1] - l.X[0]) * i / 20000.0);
    for (double x : inputs) {
      double y = kNaN;
      ASSERT_EQ(l.fn(x, &y, nullptr), 1) << x;
      ASSERT_EQ(y, ScanLookup(l.X, l.Y, VP::kRows, x)) << x;
    }
  }
}

// The pressure search step by step, over scanning lookups.
bool ScanSearch(const double* column, double conc, double t, double* pressure) {
  const double k = ScanLookup(column, BC::Coeff, BC::kRows, conc);
  const double pw = ScanLookup(VP::Water, VP::Pressure, VP::kRows, t);
  const double pe = ScanLookup(VP::Ethanol, VP::Pressure, VP::kRows, t);
  auto error = [&](double p) {
    const double tw = ScanLookup(VP::Pressure, VP::Water, VP::kRows, p);
    const double te = ScanLookup(VP::Pressure, VP::Ethanol, VP::kRows, p);
    return std::fabs(t - (tw - (tw - te) * k));
  };
  double best = pw, bestError = error(pw);
  if (bestError <= 0.001 || 1.1 * pe < pw) {
    *pressure = pw;
    return true;
  }
  for (double p = pw; p <= 1.1 * pe; p += (1.1 * pe - pw) * 0.0001) {
    if (p > VP::Pressure[VP::kRows - 1]) return false;
    const double e = error(p);
    if (e < bestError) {
      bestError = e;
      best = p;
    }
  }
  *pressure = best;
  return true;
}

TEST(BinaryLookup, PressureSearchUnchanged) {
  const std::pair<int, const double*> units[] = {{MassPct, BC::Mass}, {VolPct, BC::Volume}};
  for (const auto& [unit, column] : units) {
    for (double conc : {3.0, 40.0, 87.5}) {
      for (double t = 2.0; t < 194.0; t += 16.5) {
        double fast = kNaN, scanned = kNaN;
        ASSERT_EQ(SolutionPressureAtBoiling(unit, conc, t, &fast, nullptr), 1);
        ASSERT_TRUE(ScanSearch(column, conc, t, &scanned));
        EXPECT_EQ(fast, scanned) << unit << " " << conc << " " << t;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Units

TEST(Units, TemperatureWorkedValues) {
  double v = 0;
  ASSERT_EQ(TemperatureFromCelsius(Kelvin, 100.0, &v), 1);
  EXPECT_DOUBLE_EQ(v, 373.15);
  ASSERT_EQ(TemperatureFromCelsius(Fahrenheit, 100.0, &v), 1);
  EXPECT_DOUBLE_EQ(v, 212.0);
  ASSERT_EQ(TemperatureFromCelsius(Celsius, 84.1, &v), 1);
  EXPECT_EQ(v, 84.1);
  ASSERT_EQ(TemperatureToCelsius(Kelvin, 373.15, &v), 1);
  EXPECT_NEAR(v, 100.0, 1e-12);
  ASSERT_EQ(TemperatureToCelsius(Fahrenheit, 212.0, &v), 1);
  EXPECT_NEAR(v, 100.0, 1e-12);
  ASSERT_EQ(TemperatureToCelsius(Kelvin, 84.1, &v), 1);
  EXPECT_NEAR(v, -189.05, 1e-12);
}

TEST(Units, PressureWorkedValues) {
  double v = 0;
  ASSERT_EQ(PressureFromMmHg(PhysAtm, 760.0, &v), 1);
  EXPECT_DOUBLE_EQ(v, 1.0);
  ASSERT_EQ(PressureFromMmHg(KiloPascal, 760.0, &v), 1);
  EXPECT_NEAR(v, 101.3253, 5e-5);
  ASSERT_EQ(PressureToMmHg(TechAtm, 1.0, &v), 1);
  EXPECT_EQ(v, 735.0);
  ASSERT_EQ(PressureToMmHg(Bar, 1.0, &v), 1);
  EXPECT_EQ(v, 750.06);
  ASSERT_EQ(PressureToMmHg(Psi, 2.0, &v), 1);
  EXPECT_EQ(v, 103.43);
  ASSERT_EQ(PressureToMmHg(MmHg, 760.0, &v), 1);
  EXPECT_EQ(v, 760.0);
}

// Showing and reading are inverse in every unit (to rounding), and each
// stored showing factor is the reciprocal of its reading factor.
TEST(Units, RoundTripsInEveryUnit) {
  for (int unit = 0; unit < kPressureUnits; ++unit) {
    double one = 0, factor = 0;
    ASSERT_EQ(PressureToMmHg(unit, 1.0, &one), 1);
    ASSERT_EQ(PressureFromMmHg(unit, 1.0, &factor), 1);
    EXPECT_NEAR(one * factor, 1.0, 1e-15) << unit;
    for (double p : {4.57, 760.0, 21730.0}) {
      double shown = 0, back = 0;
      ASSERT_EQ(PressureFromMmHg(unit, p, &shown), 1);
      ASSERT_EQ(PressureToMmHg(unit, shown, &back), 1);
      EXPECT_NEAR(back, p, 1e-12 * p) << unit;
    }
  }
  for (int unit : {Celsius, Kelvin, Fahrenheit}) {
    for (double t : {-13.18, 0.0, 84.1, 231.9}) {
      double shown = 0, back = 0;
      ASSERT_EQ(TemperatureFromCelsius(unit, t, &shown), 1);
      ASSERT_EQ(TemperatureToCelsius(unit, shown, &back), 1);
      EXPECT_NEAR(back, t, 1e-12) << unit;
    }
  }
}

TEST(Units, UnknownUnitLeavesValue) {
  double v = 7;
  EXPECT_EQ(TemperatureFromCelsius(-1, 10.0, &v), 0);
  EXPECT_EQ(TemperatureToCelsius(3, 10.0, &v), 0);
  EXPECT_EQ(PressureFromMmHg(-1, 10.0, &v), 0);
  EXPECT_EQ(PressureToMmHg(7, 10.0, &v), 0);
  EXPECT_EQ(v, 7);
}

} // namespace
