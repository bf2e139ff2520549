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

// A concentration of kind fromUnit to kind toUnit; optionally the density of
// the mixture in kg/l. Fails outside 0..100 % or for an unknown kind.
int ConvertConcentration(int fromUnit, int toUnit, double value, double* result, double* density,
                         std::string* errorText);

// The concentration of kind toUnit of a mixture of the given density (kg/l).
// Fails outside the tabulated densities or for an unknown kind.
int ConcentrationFromDensity(double density, int toUnit, double* result, std::string* errorText);

} // namespace brevimo
