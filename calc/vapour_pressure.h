// SPDX-License-Identifier: GPL-3.0-or-later
// Boiling under reduced or raised pressure: the saturated vapour pressure of
// pure ethanol and pure water against their boiling temperatures, the rule
// that places a solution's boiling temperature between theirs, and the
// temperature and pressure units of the vacuum distillation page.
//
// Inside this model temperatures are in °C, pressures in mm Hg and
// concentrations in percent of the kind named by a ConcUnit. Every operation
// returns 1 on success and 0 on failure; on failure it writes a Russian
// message (UTF-8) into the optional error text and leaves its outputs
// untouched, on success it leaves the error text as it was.
#pragma once

#include <string>

#include "concentration.h" // ConcUnit

namespace brevimo {

// Saturated vapour pressure of ethanol and water: 165 rows on one shared
// pressure axis. Each row reads: at this pressure ethanol boils at this
// temperature and water at that one. All three columns strictly increase.
struct VapourPressureTable {
  static constexpr int kRows = 165;
  static const double Pressure[kRows]; // mm Hg, 4.57 .. 21730
  static const double Ethanol[kRows];  // °C, -13.18 .. 199.0
  static const double Water[kRows];    // °C, 0.0 .. 231.9
};

// The table's span, the bounds of its lookups: pressure (mm Hg) and the
// boiling temperatures of pure ethanol and pure water (°C).
inline constexpr double kVapourPressureMin = 4.57, kVapourPressureMax = 21730.0;
inline constexpr double kEthanolBoilingMin = -13.18, kEthanolBoilingMax = 199.0;
inline constexpr double kWaterBoilingMin = 0.0, kWaterBoilingMax = 231.9;

// Boiling coefficients of ethanol-water mixtures: 109 rows from pure water to
// pure ethanol, each mixture given as mass, molar and volume percent. At any
// pressure P a mixture boils at Tw(P) - (Tw(P) - Te(P)) * Coeff.
struct BoilingCoeffTable {
  static constexpr int kRows = 109;
  static const double Mass[kRows];   // mass %, 0 .. 100
  static const double Molar[kRows];  // molar %, 0 .. 100
  static const double Volume[kRows]; // volume %, 0 .. 100
  // 0 for water, rising to 1.01158 at the azeotrope (row 107), 1.0 for ethanol
  static const double Coeff[kRows];
  static constexpr double kMaxCoeff = 1.01158;
};

// Temperature unit of the vacuum page, an index into its list.
enum TempUnit : int {
  Celsius = 0,
  Kelvin = 1,
  Fahrenheit = 2,
};

// Pressure unit of the vacuum page, an index into its list.
enum PressureUnit : int {
  MmHg = 0,       // mm Hg (torr)
  CmWater = 1,    // cm of water
  KiloPascal = 2, // kPa
  TechAtm = 3,    // technical atmosphere, kgf/cm^2 (taken as 735 mm Hg)
  PhysAtm = 4,    // standard atmosphere, 760 mm Hg
  Bar = 5,        // bar
  Psi = 6,        // pound-force per square inch
};
constexpr int kPressureUnits = 7;

// Table lookups, in both directions, over the vapour pressure table.
int AlcoholBoilingFromPressure(double pressure, double* temperature, std::string* errorText);
int AlcoholPressureFromBoiling(double temperature, double* pressure, std::string* errorText);
int WaterPressureFromBoiling(double temperature, double* pressure, std::string* errorText);
int WaterBoilingFromPressure(double pressure, double* temperature, std::string* errorText);

// The boiling coefficient of a mixture of concentration conc (percent of kind
// unit). 0 and 100 are settled before the unit is looked at.
int CoeffFromConcentration(int unit, double conc, double* coeff, std::string* errorText);

// The mixture with boiling coefficient coeff, in all three measures; any
// output may be nullptr. Between 1.0 and 1.01158 the mixture lies between
// 91 and 95.57 mass %, never at pure ethanol.
int ConcentrationFromCoeff(double coeff, double* mass, double* volume, double* molar,
                           std::string* errorText);

// The boiling temperature of a solution at a pressure.
int SolutionBoilingAtPressure(int unit, double conc, double pressure, double* temperature,
                              std::string* errorText);

// The pressure at which a solution boils at a temperature: a stepped search
// from the pressure at which water boils at that temperature up to 1.1 times
// the pressure at which ethanol does.
int SolutionPressureAtBoiling(int unit, double conc, double temperature, double* pressure,
                              std::string* errorText);

// The concentration (percent of kind unit) of a solution that boils at a
// temperature under a pressure. For a unit outside 0..2 the mixture is still
// found and 1 returned, but conc is left untouched.
int SolutionConcentrationAt(int unit, double temperature, double pressure, double* conc,
                            std::string* errorText);

// Unit conversions at the page's edges. They return 0 only for a unit index
// outside the list, and leave the output untouched then.
int TemperatureFromCelsius(int unit, double celsius, double* value);
int TemperatureToCelsius(int unit, double value, double* celsius);
int PressureFromMmHg(int unit, double mmHg, double* value);
int PressureToMmHg(int unit, double value, double* mmHg);

// A value typed in a unit, to the model's unit (°C, mm Hg). One whose
// conversion, or whose showing in the same unit again, would not be finite
// is refused with kNonFiniteMessage: a page never shows such a number. An
// unknown unit fails without a message. Nothing is written on failure.
int TemperatureTypedToCelsius(int unit, double typed, double* celsius, std::string* errorText);
int PressureTypedToMmHg(int unit, double typed, double* mmHg, std::string* errorText);

} // namespace brevimo
