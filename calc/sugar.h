// SPDX-License-Identifier: GPL-3.0-or-later
// Sugar solutions in water at 20 °C: three linked measures of one solution
// (content, mass fraction, density), joined by polynomial fits, and the
// make-up of a batch when one amount of it is known.
//
// The conversions return 1 on success and 0 outside their input's range,
// with no message and nothing written: the caller checks the range itself
// and reports it. Outputs may be nullptr.
#pragma once

#include <string>

namespace brevimo {

// Density of water at 20 °C, g/ml, and its reciprocal (ml per g), stored
// separately: a mass of water is turned into a volume by multiplying.
inline constexpr double WaterDensity20 = 0.99823;
inline constexpr double WaterVolumePerGram20 = 1.0017731384550654;

// Valid input ranges, both ends included.
// content: g of sugar per 100 ml of solution
inline constexpr double kSugarContentMin = 0.0;
inline constexpr double kSugarContentMax = 120.841;
// mass fraction: g of sugar per 100 g of solution
inline constexpr double kSugarMassFractionMin = 0.0;
inline constexpr double kSugarMassFractionMax = 84.0;
// density: g/ml
inline constexpr double kSugarDensityMin = 1.0;
inline constexpr double kSugarDensityMax = 1.4417;

// The same ranges in the sugar page's units: sugar per litre (g/l), the
// solution's density (g/l) and sugar per kilogram (g/kg).
inline constexpr double kSugarPerLitreMax = 1208.41;
inline constexpr double kSugarPageDensityMin = 1000.0, kSugarPageDensityMax = 1441.7;
inline constexpr double kSugarPerKgMax = 840.0;

// The amount of a batch that is known.
enum SugarGiven : int {
  GivenSugarWeight = 0,  // g
  GivenWaterVolume = 1,  // ml at 20 °C
  GivenResultVolume = 2, // ml at 20 °C
  GivenResultWeight = 3, // g
};

// What a batch should be, in the sugar page's units.
enum SugarWanted : int {
  WantedSugarPerLitre = 0,    // g/l
  WantedDensity = 1,          // g/l
  WantedSugarPerKilogram = 2, // g/kg
};

// The make-up of a batch.
struct SugarBatch {
  double sugarWeight = 0.0;   // g
  double waterVolume = 0.0;   // ml
  double resultVolume = 0.0;  // ml
  double resultWeight = 0.0;  // g
  double resultDensity = 0.0; // g/l
};

// Content and density of a solution of the given mass fraction (0..84).
int SugarFromMassFraction(double massFraction, double* content, double* density);

// Mass fraction and density of a solution of the given content (0..120.841).
int SugarFromVolumeContent(double content, double* massFraction, double* density);

// Content and mass fraction of a solution of the given density (1.0..1.4417).
int SugarFromDensity(double density, double* content, double* massFraction);

// The batch of a solution of mass fraction w and density rho (g/ml) in which
// the amount of kind `given` is `amount`. Fails, writing nothing, for sugar
// weight given with w <= 0 (the batch would be pure water of endless volume)
// and for an unknown kind.
int ComposeSugarSolution(int given, double amount, double massFraction, double density,
                         SugarBatch* batch);

// The sugar page's wanted solution: `value` in the page's unit of `wanted`
// (g/l of sugar, g/l of density, g/kg of sugar), checked against the bounds
// its message names (both ends allowed) and only then scaled to the model,
// gives the mass fraction and density (g/ml) of the solution. Fails with the
// range message, writing nothing; an unknown kind fails without a message.
int SugarWantedSolution(int wanted, double value, double* massFraction, double* density,
                        std::string* errorText);

// The sugar page's calculation: the wanted solution, then the batch in
// which the amount of kind `given` is `amount`. Fails, writing nothing, with
// the wanted range's message, with "Ошибка - получится чистая вода
// бесконечного объема" for sugar weight given with no sugar wanted, and for
// a batch that would not be finite.
int MakeSugarBatch(int wanted, double wantedValue, int given, double amount, SugarBatch* batch,
                   std::string* errorText);

} // namespace brevimo
