// SPDX-License-Identifier: GPL-3.0-or-later
// Concentration of ethanol-water mixtures: the density table at 20 °C and the
// conversions between mass, volume and molar percent and density that most
// calculator pages share.
//
// Calculations in this library return 1 on success and 0 on failure, write
// their results through pointers (optional ones may be nullptr) and put a
// Russian failure message (UTF-8) into an optional error text.
#pragma once

#include <string>

namespace brevimo {

// Kind of a concentration, passed as a plain int so that callers may pass
// any code and get the failure for an invalid one.
enum ConcUnit : int {
  MassPct = 0, // kg of ethanol per 100 kg of mixture
  VolPct = 1,  // volume percent, as tabulated at 20 °C
  MolPct = 2,  // molar percent
};

// The density table of ethanol-water mixtures at 20 °C: 213 rows from pure
// water to pure ethanol, three parallel columns.
struct WaterAlcoholTable {
  static constexpr int kRows = 213;
  static const double Density[kRows]; // kg/l, strictly decreasing
  static const double Mass[kRows];    // mass %, strictly increasing
  static const double Volume[kRows];  // volume %, strictly increasing
};

// Bounds of a concentration of any kind, %.
inline constexpr double kPercentMin = 0.0, kPercentMax = 100.0;
// The temperature of the tables, °C.
inline constexpr double kTableTemperature = 20.0;
// The table's densities, kg/l: pure ethanol to pure water.
inline constexpr double kDensityMin = 0.78927, kDensityMax = 0.99823;

// A concentration of kind fromUnit to kind toUnit; optionally the density of
// the mixture in kg/l. Fails outside 0..100 % or for an unknown kind.
int ConvertConcentration(int fromUnit, int toUnit, double value, double* result, double* density,
                         std::string* errorText);

// Mass % and molar % of ethanol in closed form (molar masses 46 and 18), for
// any value in 0..100; no range check.
double MassFromMolar(double molarPct);
double MolarFromMass(double massPct);

// The concentration of kind toUnit of a mixture of the given density (kg/l).
// Fails outside the tabulated densities or for an unknown kind.
int ConcentrationFromDensity(double density, int toUnit, double* result, std::string* errorText);

// The density of the water a pycnometer is calibrated with (kg/l), and its
// reciprocal: a pycnometer reading times kPycnometerWater is the density, a
// density times kPerKgPycnometerWater the reading.
inline constexpr double kPycnometerWater = 0.9982;
inline constexpr double kPerKgPycnometerWater = 1.0018032458425166;

// One mixture in every measure of the concentration page.
struct Strengths {
  double vol = 0.0;     // volume %
  double mass = 0.0;    // mass %
  double mol = 0.0;     // molar %
  double density = 0.0; // kg/l at 20 °C
};

// The mixture given by a concentration of kind unit, in all three kinds with
// its density. A molar percent outside 0..100 is refused before any
// conversion with the concentration page's own message; the other kinds
// with the conversion's. Nothing is written on failure.
int CompleteStrengths(int unit, double value, Strengths* out, std::string* errorText);

// The mixture of a density (kg/l at 20 °C) in all three kinds: its mass
// percent from the table, the rest as from that mass percent. Refused with
// the table's message outside its densities; nothing is written then.
int StrengthsFromDensity(double density, Strengths* out, std::string* errorText);

// What N litres and N kilograms of a mixture hold, kg and l.
struct Composition {
  double alcoholMassL = 0.0, alcoholVolumeL = 0.0, waterMassL = 0.0, waterVolumeL = 0.0;
  double alcoholMassKg = 0.0, alcoholVolumeKg = 0.0, waterMassKg = 0.0, waterVolumeKg = 0.0;
};

// The composition of `amount` litres and kilograms of a mixture of massPct
// mass % and volPct volume % at `density` kg/l. With `contraction` the
// volumes are those of the pure liquids before mixing (they add up to more
// than the mixture), otherwise shares of the mixture's volume. Fails,
// writing nothing, when a value would not be finite.
int ComposeMixture(double massPct, double volPct, double density, double amount, bool contraction,
                   Composition* out, std::string* errorText);

} // namespace brevimo
