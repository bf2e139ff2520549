// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the pages and brevimo-calc share, and the named limits both show:
// each limit is the end of the table it bounds.
#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/distillation.h"
#include "calc/number_text.h"
#include "calc/vapour_pressure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace brevimo;

namespace {

TEST(NamedLimits, AreTheEndsOfTheirTables) {
  constexpr int kVle = VleTable::kRows - 1;
  EXPECT_EQ(kAzeotropeMass, VleTable::Liquid[kVle]);
  EXPECT_EQ(kAzeotropeBoiling, VleTable::Boiling[kVle]);
  EXPECT_EQ(kWaterBoiling, VleTable::Boiling[0]);
  // The azeotrope's other kinds are its mass % converted, to two decimals.
  double vol = 0.0, mol = 0.0;
  ASSERT_EQ(MassToVolumeMolar(&kAzeotropeMass, &vol, &mol, nullptr), 1);
  EXPECT_EQ(std::round(vol * 100) / 100, kAzeotropeVol);
  EXPECT_EQ(std::round(mol * 100) / 100, kAzeotropeMol);
  EXPECT_EQ(kFlowMaxStrength, kAzeotropeVol);

  EXPECT_EQ(kDensityMax, WaterAlcoholTable::Density[0]);
  EXPECT_EQ(kDensityMin, WaterAlcoholTable::Density[WaterAlcoholTable::kRows - 1]);

  constexpr int kVp = VapourPressureTable::kRows - 1;
  EXPECT_EQ(kVapourPressureMin, VapourPressureTable::Pressure[0]);
  EXPECT_EQ(kVapourPressureMax, VapourPressureTable::Pressure[kVp]);
  EXPECT_EQ(kEthanolBoilingMin, VapourPressureTable::Ethanol[0]);
  EXPECT_EQ(kEthanolBoilingMax, VapourPressureTable::Ethanol[kVp]);
  EXPECT_EQ(kWaterBoilingMin, VapourPressureTable::Water[0]);
  EXPECT_EQ(kWaterBoilingMax, VapourPressureTable::Water[kVp]);
}

// Up to exactly the azeotrope in each kind; a trace past the table's last
// row from the conversion's rounding is the azeotrope itself.
TEST(BoilingUpToAzeotrope, AcceptsTheAzeotropeInEachKindAndRefusesAbove) {
  double azeotrope = 0.0, unused = 0.0;
  ASSERT_EQ(BoilingLookup(kAzeotropeMass, &azeotrope, &unused, &unused), 1);
  struct Case {
    int kind;
    double strength;
    const char* refusal; // nullptr: boils at the azeotrope
  } const cases[] = {
      {LiquidVolume, kAzeotropeVol, nullptr},
      {LiquidMass, kAzeotropeMass, nullptr},
      {LiquidMolar, kAzeotropeMol, nullptr},
      {LiquidVolume, 97.18, ">97.17%"},
      {LiquidMass, 95.571, ">95.57%"},
      {LiquidMolar, 89.42, ">89.41%"},
      {LiquidVolume, 0.0, "<=0%"},
      {LiquidMolar, -1.0, "Ошибка в параметрах\nКоцентрация 0..100%"},
  };
  for (const Case& c : cases) {
    double boiling = -5.0, vm = -5.0, vmol = -5.0, vv = -5.0;
    std::string error = "untouched";
    const int ok = BoilingUpToAzeotrope(c.kind, c.strength, &boiling, &vm, &vmol, &vv, &error);
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.strength);
    if (c.refusal) {
      EXPECT_EQ(ok, 0);
      EXPECT_EQ(error, c.refusal);
      EXPECT_EQ(boiling, -5.0);
    } else {
      EXPECT_EQ(ok, 1);
      EXPECT_EQ(error, "untouched");
      EXPECT_NEAR(boiling, azeotrope, 1e-3);
    }
  }
  // Within the table it is the boiling page's own calculation.
  double vol = 40.0, mass = 0.0, mol = 0.0, page[4], cli[4];
  ASSERT_EQ(BoilingFromStrength(LiquidVolume, &vol, &mass, &mol, &page[0], &page[1], &page[2],
                                &page[3], nullptr),
            1);
  ASSERT_EQ(BoilingUpToAzeotrope(LiquidVolume, 40.0, &cli[0], &cli[1], &cli[2], &cli[3], nullptr),
            1);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(cli[i], page[i]);
}

TEST(TypedToBase, RefusesWhatCouldNotBeShownAgain) {
  double mmHg = -1.0;
  std::string error;
  ASSERT_EQ(PressureTypedToMmHg(Psi, 100.0, &mmHg, &error), 1);
  double expected = 0.0;
  PressureToMmHg(Psi, 100.0, &expected);
  EXPECT_EQ(mmHg, expected);
  EXPECT_EQ(PressureTypedToMmHg(Psi, 1e307, &mmHg, &error), 0);
  EXPECT_EQ(error, kNonFiniteMessage);
  EXPECT_EQ(mmHg, expected);
  error.clear();
  EXPECT_EQ(PressureTypedToMmHg(kPressureUnits, 1.0, &mmHg, &error), 0);
  EXPECT_EQ(error, "");
  double celsius = 0.0;
  ASSERT_EQ(TemperatureTypedToCelsius(Fahrenheit, 212.0, &celsius, &error), 1);
  EXPECT_NEAR(celsius, 100.0, 1e-12);
  EXPECT_EQ(TemperatureTypedToCelsius(-1, 1.0, &celsius, &error), 0);
  EXPECT_NEAR(celsius, 100.0, 1e-12);
}

TEST(StrengthsFromDensity, IsTheMixtureOfItsMassPercent) {
  double mass = 0.0;
  ASSERT_EQ(ConcentrationFromDensity(0.9, MassPct, &mass, nullptr), 1);
  Strengths expected, s;
  ASSERT_EQ(CompleteStrengths(MassPct, mass, &expected, nullptr), 1);
  ASSERT_EQ(StrengthsFromDensity(0.9, &s, nullptr), 1);
  EXPECT_EQ(s.mass, expected.mass);
  EXPECT_EQ(s.vol, expected.vol);
  EXPECT_EQ(s.mol, expected.mol);
  EXPECT_EQ(s.density, expected.density);
  std::string error;
  EXPECT_EQ(StrengthsFromDensity(1.0, &s, &error), 0);
  EXPECT_EQ(error, "Ошибка в параметрах. Плотность 0.7893...0.9982 (кг/л)");
}

struct CountingSink final : DistillationSink {
  int steps = 0;
  void OnStep(const DistillationStep&) override { ++steps; }
};

TEST(RecordDistillation, KeepsTheStepsOnlyWhenAskedAndHandsEachOn) {
  TableBoiling boiling;
  for (const bool keep : {false, true}) {
    DistillationRun run;
    run.input = {RunByBoiling, 92.0, RunByBoiling, 99.0, 20.0};
    CountingSink next;
    std::string error;
    ASSERT_EQ(RecordDistillation(&run, boiling, keep, &next, &error), 1) << error;
    EXPECT_GT(run.result.steps, 0);
    EXPECT_EQ(next.steps, run.result.steps);
    EXPECT_EQ(run.steps.size(), keep ? static_cast<std::size_t>(run.result.steps) : 0u);
  }
}

} // namespace
