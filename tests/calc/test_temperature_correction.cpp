// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/concentration.h"
#include "calc/number_text.h"
#include "calc/temperature_correction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

using namespace brevimo;

namespace {

using Grid = TempDensityTable;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double N = -1.0; // no data

// The measured reference cells the grid must keep exactly.
const int kRefColumns[] = {100, 99, 96, 90, 80, 70, 60, 50, 40, 30, 25, 20, 18, 17, 10, 5, 1, 0};
const std::map<int, std::vector<double>> kRefRows = {
    {40,
     {0.77203, 0.77506, 0.78384, 0.8003, 0.8258, 0.85027, 0.87415, 0.89748, 0.91989, 0.94055,
      0.9499, 0.95858, 0.96187, 0.96348, 0.97475, 0.98311, 0.99032, 0.99224}},
    {39,
     {0.77294, 0.77592, 0.78473, 0.80123, 0.82673, 0.85117, 0.875, 0.89836, 0.92071, 0.94129,
      0.95055, 0.95915, 0.9624, 0.964, 0.97517, 0.9835, 0.99071, 0.99262}},
    {30,
     {0.7808, 0.78383, 0.79258, 0.80906, 0.83467, 0.85906, 0.88275, 0.90577, 0.92765, 0.94741,
      0.95608, 0.96395, 0.96696, 0.96844, 0.97876, 0.9867, 0.99379, 0.99567}},
    {20,
     {0.78927, 0.7924, 0.80133, 0.81795, 0.84347, 0.86763, 0.89108, 0.91382, 0.93518, 0.95382,
      0.96168, 0.96864, 0.97129, 0.97259, 0.98187, 0.98938, 0.99636, 0.99823}},
    {10,
     {0.79779, 0.80094, 0.80995, 0.8266, 0.85206, 0.87608, 0.89932, 0.92177, 0.94249, 0.95977,
      0.96665, 0.97252, 0.97473, 0.97583, 0.98393, 0.99098, 0.99785, 0.99973}},
    {4,
     {0.80285, 0.80601, 0.81502, 0.83166, 0.85708, 0.88103, 0.90417, 0.92641, 0.94665, 0.9631,
      0.9693, 0.97442, 0.97633, 0.97729, 0.98462, 0.99132, 0.99812, 1.0}},
    {0,
     {0.80623, 0.80937, 0.81833, 0.83494, 0.86033, 0.88426, 0.90735, 0.92942, 0.94932, 0.96523,
      0.97094, 0.97552, 0.97721, 0.97805, 0.98485, 0.99127, 0.99801, 0.99987}},
    {-1,
     {0.8071, 0.8102, 0.8191, 0.8357, 0.8611, 0.8851, 0.9082, 0.9301, 0.95, 0.9657, 0.9713, 0.9757,
      0.9774, N, N, N, N, N}},
    {-10,
     {0.8147, 0.8178, 0.8267, 0.8431, 0.8683, 0.8921, 0.9151, 0.9368, 0.9559, 0.9701, 0.9746,
      0.9775, 0.9785, N, N, N, N, N}},
    {-11,
     {0.8155, 0.8186, 0.8275, 0.844, 0.8691, 0.8929, 0.9158, 0.9376, 0.9566, 0.9706, 0.9749, N, N,
      N, N, N, N, N}},
    {-20,
     {0.8228, 0.8259, 0.8349, 0.8514, 0.8764, 0.8999, 0.9225, 0.944, 0.9625, 0.9749, 0.9775, N, N,
      N, N, N, N, N}},
    {-21,
     {0.8236, 0.8267, 0.8357, 0.8522, 0.8772, 0.9007, 0.9232, 0.9447, 0.9631, 0.9753, N, N, N, N, N,
      N, N, N}},
    {-25,
     {0.8269, 0.83, 0.839, 0.8555, 0.8804, 0.9038, 0.9262, 0.9475, 0.9657, 0.9771, N, N, N, N, N, N,
      N, N}},
};

bool IsReferenceCell(int t, int c) {
  if (t == 39 && c == 21) return true;
  if (!kRefRows.count(t)) return false;
  for (int rc : kRefColumns)
    if (rc == c) return true;
  return false;
}

// The weakest concentration with data at a whole temperature.
int WeakestWithData(int t) {
  if (t >= 0) return 0;
  if (t >= -10) return 18;
  if (t >= -20) return 23;
  return 26;
}

// Second differences of the cells with data along a sequence.
std::vector<double> SecondDifferences(const std::vector<double>& v) {
  std::vector<double> d2;
  for (std::size_t i = 1; i + 1 < v.size(); ++i)
    d2.push_back(v[i - 1] - 2 * v[i] + v[i + 1]);
  return d2;
}

std::vector<double> RowWithData(int t) {
  std::vector<double> v;
  for (int c = 100; c >= WeakestWithData(t); --c)
    v.push_back(Grid::Cell(t, c));
  return v;
}

// ---------------------------------------------------------------------------
// The grid's invariants: a later edit of the generated cells must not break
// them silently.

TEST(TempDensityTable, Layout) {
  EXPECT_EQ(Grid::kRows, 66);
  EXPECT_EQ(Grid::kColumns, 101);
  EXPECT_EQ(Grid::kTopTemperature, 40);
  EXPECT_EQ(Grid::kBottomTemperature, -25);
  // Row r is 40 - r °C, column c is 100 - c %.
  EXPECT_EQ(&Grid::Cell(40, 100), &Grid::Density[0][0]);
  EXPECT_EQ(&Grid::Cell(-25, 0), &Grid::Density[65][100]);
  EXPECT_EQ(&Grid::Cell(20, 50), &Grid::Density[20][50]);
}

TEST(TempDensityTable, KeepsEveryReferenceCellExactly) {
  for (const auto& [t, row] : kRefRows) {
    ASSERT_EQ(row.size(), std::size(kRefColumns));
    for (std::size_t i = 0; i < row.size(); ++i)
      EXPECT_EQ(Grid::Cell(t, kRefColumns[i]), row[i]) << t << " °C, " << kRefColumns[i] << " %";
  }
  EXPECT_EQ(Grid::Cell(39, 21), 0.957491); // the one cell given to six decimals
}

TEST(TempDensityTable, NoDataCellsFormTheWeakCorner) {
  for (int t = 40; t >= -25; --t) {
    const int weakest = WeakestWithData(t);
    for (int c = 0; c <= 100; ++c) {
      if (c < weakest) {
        EXPECT_EQ(Grid::Cell(t, c), -1.0) << t << " °C, " << c << " %";
      } else {
        EXPECT_GT(Grid::Cell(t, c), 0.75) << t << " °C, " << c << " %";
        EXPECT_LT(Grid::Cell(t, c), 1.01) << t << " °C, " << c << " %";
      }
    }
  }
}

TEST(TempDensityTable, RisesStrictlyAlongEveryRow) {
  for (int t = 40; t >= -25; --t) {
    const std::vector<double> row = RowWithData(t);
    for (std::size_t i = 1; i < row.size(); ++i)
      EXPECT_LT(row[i - 1], row[i]) << t << " °C, " << 100 - static_cast<int>(i) << " %";
  }
}

TEST(TempDensityTable, StrongerMixturesGetDenserAsTheyCool) {
  // Below about 9 % the density maximum of water near 4 °C shows; above it
  // every column rises strictly from +40 °C down to its last row with data.
  for (int c = 10; c <= 100; ++c)
    for (int t = 39; t >= -25 && Grid::Cell(t, c) > 0; --t)
      EXPECT_LT(Grid::Cell(t + 1, c), Grid::Cell(t, c)) << t << " °C, " << c << " %";
}

TEST(TempDensityTable, CellsCarryTheirDecimals) {
  for (int t = 40; t >= -25; --t) {
    const double scale = t >= 0 ? 1e5 : 1e4;
    for (int c = WeakestWithData(t); c <= 100; ++c) {
      if (t == 39 && c == 21) continue; // six decimals
      const double v = Grid::Cell(t, c) * scale;
      EXPECT_NEAR(v, std::round(v), 1e-6) << t << " °C, " << c << " %";
    }
  }
}

TEST(TempDensityTable, SecondDifferencesAreSmooth) {
  // The curvature of density is small everywhere; rounding to four
  // decimals below 0 °C adds up to 2e-4. A mistyped digit in the third or
  // fourth decimal (or in the fifth along temperature) breaks these bounds.
  for (int t = 40; t >= -25; --t)
    for (double d2 : SecondDifferences(RowWithData(t)))
      EXPECT_LE(std::fabs(d2), 2.5e-4) << "row " << t << " °C";
  for (int c = 0; c <= 100; ++c) {
    std::vector<double> warm, cold; // 40 .. 0 °C and -1 .. -25 °C
    for (int t = 40; t >= 0; --t)
      warm.push_back(Grid::Cell(t, c));
    for (int t = -1; t >= -25 && Grid::Cell(t, c) > 0; --t)
      cold.push_back(Grid::Cell(t, c));
    for (double d2 : SecondDifferences(warm))
      EXPECT_LE(std::fabs(d2), 1e-4) << "column " << c << " %, 40..0 °C";
    for (double d2 : SecondDifferences(cold))
      EXPECT_LE(std::fabs(d2), 2.5e-4) << "column " << c << " %, below 0 °C";
  }
}

TEST(TempDensityTable, TwentyDegreeRowFollowsTheDensityTable) {
  // The 20 °C density table at whole mass percents, rounded to five
  // decimals; the reference cells win where they differ (by at most 2e-5).
  for (int c = 0; c <= 100; ++c) {
    double mass = 0, density = 0;
    ASSERT_EQ(ConvertConcentration(MassPct, MassPct, c, &mass, &density, nullptr), 1);
    const double tolerance = IsReferenceCell(20, c) ? 2.5e-5 : 5.0001e-6;
    EXPECT_NEAR(Grid::Cell(20, c), density, tolerance) << c << " %";
  }
}

// ---------------------------------------------------------------------------
// DensityAtTemperature

struct DensityCase {
  double concentration, temperature;
  double expected; // -1: failure
};

class DensityAtTemperatureCase : public ::testing::TestWithParam<DensityCase> {};

TEST_P(DensityAtTemperatureCase, MatchesWorkedValue) {
  const DensityCase k = GetParam();
  double density = 12345;
  const int ok = DensityAtTemperature(k.concentration, k.temperature, &density);
  if (k.expected < 0) {
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(density, -1.0);
  } else {
    EXPECT_EQ(ok, 1);
    EXPECT_NEAR(density, k.expected, 1e-12);
  }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, DensityAtTemperatureCase,
    ::testing::Values(
        // grid points
        DensityCase{50, 20, 0.91382}, DensityCase{100, 40, 0.77203}, DensityCase{18, -1, 0.9774},
        DensityCase{100, -25, 0.8269}, DensityCase{0, 40, 0.99224}, DensityCase{30, -25, 0.9771},
        // the mean of the four cells around it
        DensityCase{50.5, 20.5, 0.9123125},
        // pure ethanol between two rows; the top row between two columns
        DensityCase{100, 39.5, (0.77203 + 0.77294) / 2},
        DensityCase{99.5, 40, (0.77506 + 0.77203) / 2},
        DensityCase{0.25, 40, 0.75 * 0.99224 + 0.25 * 0.99032},
        // no data
        DensityCase{0, -25, -1}, DensityCase{17, -1, -1}, DensityCase{25.9, -21, -1},
        // 17.5 % exists at 0 °C, but the -1 °C row has no data at 17 %
        DensityCase{17.5, -0.5, -1},
        // the edges of the weak corner
        DensityCase{17.99, -1, -1}, DensityCase{22.99, -15, -1},
        // out of range, and not a number
        DensityCase{50, -25.01, -1}, DensityCase{50, 40.01, -1}, DensityCase{-0.01, 20, -1},
        DensityCase{100.01, 20, -1}, DensityCase{kNaN, 20, -1}, DensityCase{50, kNaN, -1}));

TEST(DensityAtTemperature, ReachesTheLastCellWithData) {
  for (auto [t, c] : {std::pair{-1, 18}, {-15, 23}, {-20, 23}, {-25, 26}}) {
    double d = 0;
    EXPECT_EQ(DensityAtTemperature(c, t, &d), 1) << t << " °C, " << c << " %";
    EXPECT_EQ(d, Grid::Cell(t, c)) << t << " °C, " << c << " %";
  }
}

// A temperature one ulp below a whole degree lies between that degree's row
// and the one below, not above the table.
TEST(TemperatureLookups, JustBelowAWholeDegreeStaysInTheTable) {
  for (const double whole : {40.0, 20.0, -24.0}) {
    const double t = std::nextafter(whole, -100.0);
    double at = 0.0, below = 0.0, strength = 0.0, strengthAt = 0.0;
    ASSERT_EQ(DensityAtTemperature(50.0, t, &below), 1) << t;
    ASSERT_EQ(DensityAtTemperature(50.0, whole, &at), 1);
    EXPECT_NEAR(below, at, 1e-12) << t;
    ASSERT_EQ(ConcentrationAtTemperature(at, t, &strength), 1) << t;
    ASSERT_EQ(ConcentrationAtTemperature(at, whole, &strengthAt), 1);
    EXPECT_NEAR(strength, strengthAt, 1e-9) << t;
  }
}

TEST(DensityAtTemperature, IsLinearBetweenGridPoints) {
  // Along temperature within one concentration, and along concentration
  // within one temperature.
  double d = 0;
  ASSERT_EQ(DensityAtTemperature(30, 25.25, &d), 1);
  EXPECT_NEAR(d, 0.75 * Grid::Cell(25, 30) + 0.25 * Grid::Cell(26, 30), 1e-12);
  ASSERT_EQ(DensityAtTemperature(29.75, -3, &d), 1);
  EXPECT_NEAR(d, 0.25 * Grid::Cell(-3, 29) + 0.75 * Grid::Cell(-3, 30), 1e-12);
  // Just below a whole temperature the colder row takes over smoothly.
  double below = 0, at = 0;
  ASSERT_EQ(DensityAtTemperature(60, 10 - 1e-9, &below), 1);
  ASSERT_EQ(DensityAtTemperature(60, 10, &at), 1);
  EXPECT_NEAR(below, at, 1e-12);
}

// ---------------------------------------------------------------------------
// ConcentrationAtTemperature

class ConcentrationAtTemperatureCase : public ::testing::TestWithParam<DensityCase> {};

// Here the fields are (density, temperature, expected concentration).
TEST_P(ConcentrationAtTemperatureCase, MatchesWorkedValue) {
  const DensityCase k = GetParam();
  double concentration = 12345;
  const int ok = ConcentrationAtTemperature(k.concentration, k.temperature, &concentration);
  if (k.expected < 0) {
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(concentration, -1.0);
  } else {
    EXPECT_EQ(ok, 1);
    EXPECT_NEAR(concentration, k.expected, 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, ConcentrationAtTemperatureCase,
    ::testing::Values(
        DensityCase{0.91382, 20, 50}, DensityCase{0.78927, 20, 100}, DensityCase{0.99823, 20, 0},
        DensityCase{0.78, 20, -1},   // lighter than pure ethanol at 20 °C
        DensityCase{0.9983, 20, -1}, // denser than water at 20 °C
        // at -5 °C the profile covers 100 .. 18 % only, up to 0.978
        DensityCase{0.978, -5, 18}, DensityCase{0.97801, -5, -1}, DensityCase{0.9847, -5, -1},
        // the top row alone at exactly 40 °C
        DensityCase{0.99224, 40, 0}, DensityCase{0.95858, 40, 20}, DensityCase{0.7720, 40, -1},
        // the bounds of the temperature, and non-numbers
        DensityCase{0.8269, -25, 100}, DensityCase{0.9, -25.01, -1}, DensityCase{0.9, 40.01, -1},
        DensityCase{kNaN, 20, -1}, DensityCase{0.9, kNaN, -1},
        DensityCase{std::numeric_limits<double>::infinity(), 20, -1}));

TEST(ConcentrationAtTemperature, InterpolatesBetweenTheEnclosingColumns) {
  double c = 0;
  // Half way between 50 % and 49 % at 20 °C.
  ASSERT_EQ(ConcentrationAtTemperature((Grid::Cell(20, 50) + Grid::Cell(20, 49)) / 2, 20, &c), 1);
  EXPECT_NEAR(c, 49.5, 1e-9);
  // A quarter of the way from 30 % to 29 % in the profile half way between
  // -2 and -1 °C (the colder row decides which columns exist).
  const double p30 = (Grid::Cell(-2, 30) + Grid::Cell(-1, 30)) / 2;
  const double p29 = (Grid::Cell(-2, 29) + Grid::Cell(-1, 29)) / 2;
  ASSERT_EQ(ConcentrationAtTemperature(p30 + 0.25 * (p29 - p30), -1.5, &c), 1);
  EXPECT_NEAR(c, 29.75, 1e-9);
  // Between -11 and -10 °C the colder row ends at 23 %, although the warmer
  // one goes on to 18 %.
  EXPECT_EQ(ConcentrationAtTemperature(Grid::Cell(-10, 20), -10.5, &c), 0);
  EXPECT_EQ(ConcentrationAtTemperature(Grid::Cell(-10, 20), -10, &c), 1);
  EXPECT_NEAR(c, 20, 1e-9);
}

// ---------------------------------------------------------------------------
// The two lookups are inverse to each other wherever both succeed.

TEST(TemperatureLookups, ConcentrationThenDensityGivesTheDensityBack) {
  int checked = 0;
  for (int i = 0; i <= 175; ++i) {   // -25 .. 39.75 °C
    for (int j = 0; j <= 167; ++j) { // 0.770 .. 0.99879 kg/l
      const double t = -25 + 0.37 * i, d = 0.770 + 0.00137 * j;
      double c = 0, back = 0;
      if (!ConcentrationAtTemperature(d, t, &c)) continue;
      ASSERT_EQ(DensityAtTemperature(c, t, &back), 1) << d << " kg/l at " << t << " °C";
      EXPECT_NEAR(back, d, 1e-12) << d << " kg/l at " << t << " °C";
      ++checked;
    }
  }
  EXPECT_GT(checked, 20000);
}

TEST(TemperatureLookups, DensityThenConcentrationGivesTheConcentrationBack) {
  int checked = 0;
  for (double t : {-25.0, -20.5, -10.0, -0.5, 0.0, 3.3, 20.0, 29.9, 39.99, 40.0}) {
    for (int i = 0; i <= 578; ++i) {
      const double c = 0.173 * i; // 0 .. 99.994 %
      double d = 0, back = 0;
      if (!DensityAtTemperature(c, t, &d)) {
        // Failures come only from the cells without data.
        EXPECT_LT(c, 27) << c << " % at " << t << " °C";
        continue;
      }
      ASSERT_EQ(ConcentrationAtTemperature(d, t, &back), 1) << c << " % at " << t << " °C";
      EXPECT_NEAR(back, c, 1e-8) << c << " % at " << t << " °C";
      ++checked;
    }
  }
  EXPECT_GT(checked, 4500);
}

// ---------------------------------------------------------------------------
// The correction chain of the temperature page, through both tables: a
// hydrometer reading at one temperature, its density, the liquid's strength,
// its density at the wanted temperature and the reading it stands for.

struct Correction {
  double reading, measured, wanted;
  const char *initialDensity, *finalDensity, *finalReading;
};

class CorrectionChain : public ::testing::TestWithParam<Correction> {};

TEST_P(CorrectionChain, GivesTheShownValues) {
  const Correction k = GetParam();
  double mass = 0, initial = 0, strength = 0, final = 0, reading = 0;
  ASSERT_EQ(ConvertConcentration(VolPct, MassPct, k.reading, &mass, &initial, nullptr), 1);
  ASSERT_EQ(ConcentrationAtTemperature(initial, k.measured, &strength), 1);
  ASSERT_EQ(DensityAtTemperature(strength, k.wanted, &final), 1);
  ASSERT_EQ(ConcentrationFromDensity(final, VolPct, &reading, nullptr), 1);
  EXPECT_EQ(FormatC("%.4f", initial), k.initialDensity);
  EXPECT_EQ(FormatC("%.4f", final), k.finalDensity);
  EXPECT_EQ(FormatC("%.2f", reading), k.finalReading);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, CorrectionChain,
                         ::testing::Values(
                             // the page's opening values recompute to themselves
                             Correction{96, 20, 20, "0.8075", "0.8075", "96.00"},
                             // decided by the cells of 29 % at 30 °C and at 20 °C
                             Correction{40, 30, 20, "0.9481", "0.9544", "35.84"}));

TEST(CorrectionChainLimits, ResultsOutsideTheTwentyDegreeTable) {
  double mass = 0, initial = 0, strength = 0, final = 0, reading = 0;
  // Pure ethanol warmed to 30 °C is lighter than anything at 20 °C.
  ASSERT_EQ(ConvertConcentration(VolPct, MassPct, 100, &mass, &initial, nullptr), 1);
  ASSERT_EQ(ConcentrationAtTemperature(initial, 20, &strength), 1);
  ASSERT_EQ(DensityAtTemperature(strength, 30, &final), 1);
  EXPECT_EQ(FormatC("%.4f", final), "0.7808");
  EXPECT_EQ(ConcentrationFromDensity(final, VolPct, &reading, nullptr), 0);
  // Water cooled to 4 °C is denser than anything at 20 °C.
  ASSERT_EQ(ConvertConcentration(VolPct, MassPct, 0, &mass, &initial, nullptr), 1);
  ASSERT_EQ(ConcentrationAtTemperature(initial, 20, &strength), 1);
  ASSERT_EQ(DensityAtTemperature(strength, 4, &final), 1);
  EXPECT_EQ(FormatC("%.4f", final), "1.0000");
  EXPECT_EQ(ConcentrationFromDensity(final, VolPct, &reading, nullptr), 0);
  // 10 % vol at -5 °C is weaker than the grid holds there.
  ASSERT_EQ(ConvertConcentration(VolPct, MassPct, 10, &mass, &initial, nullptr), 1);
  EXPECT_EQ(ConcentrationAtTemperature(initial, -5, &strength), 0);
}

// ---------------------------------------------------------------------------
// The edges of the grid, one ulp inside (the value at the edge, to rounding)
// and one ulp outside (refused). Run under the sanitizers, a read outside
// the grid fails the test even where the number read happens to pass.

double Below(double x) { return std::nextafter(x, -std::numeric_limits<double>::infinity()); }
double Above(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()); }

struct GridEdge {
  double concentration, temperature; // the density lookup's arguments
  double atEdgeC, atEdgeT;           // the edge they lie next to; NaN: outside
};

void PrintTo(const GridEdge& e, std::ostream* os) {
  *os << std::hexfloat << e.concentration << " %, " << e.temperature << " °C";
}

class GridEdgeCase : public ::testing::TestWithParam<GridEdge> {};

TEST_P(GridEdgeCase, DensityStaysInsideTheGrid) {
  const GridEdge& e = GetParam();
  double density = 0, edge = 0;
  if (std::isnan(e.atEdgeC)) {
    EXPECT_EQ(DensityAtTemperature(e.concentration, e.temperature, &density), 0);
    EXPECT_EQ(density, -1.0);
    return;
  }
  ASSERT_EQ(DensityAtTemperature(e.atEdgeC, e.atEdgeT, &edge), 1);
  ASSERT_EQ(DensityAtTemperature(e.concentration, e.temperature, &density), 1);
  EXPECT_NEAR(density, edge, 1e-12);
  // and back: the strength of that density at that temperature
  double strength = 0;
  ASSERT_EQ(ConcentrationAtTemperature(density, e.temperature, &strength), 1);
  EXPECT_NEAR(strength, e.concentration, 1e-6);
}

constexpr double kOut = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    OneUlp, GridEdgeCase,
    ::testing::Values(
        // the warm edge, 40 °C, across the strengths and at the strong corner
        GridEdge{50, Below(40), 50, 40}, GridEdge{0, Below(40), 0, 40},
        GridEdge{100, Below(40), 100, 40}, GridEdge{Below(100), Below(40), 100, 40},
        GridEdge{50, Above(40), kOut, kOut}, GridEdge{100, Above(40), kOut, kOut},
        // the cold edge, -25 °C
        GridEdge{50, Above(-25), 50, -25}, GridEdge{100, Above(-25), 100, -25},
        GridEdge{50, Below(-25), kOut, kOut},
        // a whole degree inside the grid, from below
        GridEdge{50, Below(20), 50, 20}, GridEdge{50, Below(0), 50, 0},
        // pure ethanol and pure water
        GridEdge{Below(100), 20, 100, 20}, GridEdge{Above(100), 20, kOut, kOut},
        GridEdge{Above(0), 20, 0, 20}, GridEdge{Below(0), 20, kOut, kOut}));

TEST(GridEdges, StrengthAtTheTemperatureEdgesStaysInsideTheGrid) {
  // Every density of the 40 °C row, a hair below 40 °C; pure ethanol's and
  // water's densities a hair beyond them are refused.
  for (int c = 0; c <= 100; ++c) {
    double strength = 0;
    ASSERT_EQ(ConcentrationAtTemperature(Grid::Cell(40, c), Below(40), &strength), 1) << c;
    EXPECT_NEAR(strength, c, 1e-9) << c;
  }
  double strength = 0;
  EXPECT_EQ(ConcentrationAtTemperature(0.9, Above(40), &strength), 0);
  EXPECT_EQ(ConcentrationAtTemperature(0.9, Below(-25), &strength), 0);
  EXPECT_EQ(ConcentrationAtTemperature(Grid::Cell(-25, 100), Above(-25), &strength), 1);
  EXPECT_NEAR(strength, 100, 1e-9);
  EXPECT_EQ(ConcentrationAtTemperature(Below(Grid::Cell(20, 100)), 20, &strength), 0);
  EXPECT_EQ(ConcentrationAtTemperature(Above(Grid::Cell(20, 0)), 20, &strength), 0);
  // The page's chain, measured a hair below 40 °C.
  double initial = 0, final = 0, reading = 0;
  EXPECT_EQ(CorrectReading(40, Below(40), 20, &initial, &final, &reading, nullptr), 1);
  double atForty = 0;
  ASSERT_EQ(CorrectReading(40, 40, 20, &initial, &final, &atForty, nullptr), 1);
  EXPECT_NEAR(reading, atForty, 1e-9);
}

} // namespace
