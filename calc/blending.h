// SPDX-License-Identifier: GPL-3.0-or-later
// Blending of ethanol-water solutions: diluting spirit with water and mixing
// two solutions.
//
// Volume shrinks when ethanol and water are mixed, so blends are worked out
// through masses: alcohol and water are each conserved by mass. Strengths come
// in already converted to mass percent with the solution's density in kg/l
// (ConvertConcentration from volume percent); volumes carry no fixed unit, all
// of them share the unit of the given ones.
//
// Calculations return 1 on success and 0 on failure with a Russian message
// (UTF-8) in the optional error text. Results are written only on success.
// Volumes near the limits of double may overflow: callers check the results
// they show for finiteness.
#pragma once

#include <string>

namespace brevimo {

// Which volume of a dilution is given.
enum DilutionGiven : int {
  GivenSpirit = 0, // the initial spirit
  GivenWater = 1,  // the water added
  GivenResult = 2, // the diluted result
};

// Alcohol and water mass of `volume` of a solution of `massPct` mass percent
// at `density` kg/l (kg per litre of volume unit).
void SolutionMasses(double volume, double massPct, double density, double* alcohol, double* water);

// The density the water added in a dilution is counted at, kg/l.
inline constexpr double kDilutionWaterDensity = 1.0;

// Dilution of spirit (spiritMassPct at spiritDensity) with water to a weaker
// result (resultMassPct at resultDensity). `volume` is the volume named by
// `given`; all three volumes are written, the given one copied. The water
// added is counted at 1 kg/l. Negative and zero volumes are computed like any
// other. An unknown choice computes nothing, writes nothing and returns 1.
// Fails for a result stronger than the spirit, for a result of strength 0
// unless the result is given (it is then all water: no spirit), and for
// equal strengths when the water is given (any amount of spirit then takes
// no water).
int DiluteSpirit(int given, double volume, double spiritMassPct, double spiritDensity,
                 double resultMassPct, double resultDensity, double* spiritVolume,
                 double* waterVolume, double* resultVolume, std::string* errorText);

// Checks of a mixing of two solutions given as volume and volume percent, in
// this order: a volume below 0, a strength below 0, a strength above 100.
int CheckMixingInputs(double volume1, double strength1, double volume2, double strength2,
                      std::string* errorText);

// Checks of a search for the solution 2 that turns solution 1 into a result,
// in this order: a volume below 0, solution 1 larger than the result, a
// strength below 0, a strength above 100.
int CheckSecondSolutionInputs(double volume1, double strength1, double resultVolume,
                              double resultStrength, std::string* errorText);

// Mass percent of alcohol in a mixture of the given masses. Not a number
// when the mixture has no mass: the conversion back to volume percent then
// refuses it with its own message.
double MixtureMassPct(double alcohol, double water);

// Volume of a mixture of the given masses at `density` kg/l.
double MixtureVolume(double alcohol, double water, double density);

// Masses of the solution 2 that, added to solution 1, gives the result.
// Fails when the result holds less alcohol than solution 1. The water mass
// may come out negative: the mass percent of such a solution lies outside
// 0..100 and its conversion refuses it.
int SecondSolutionMasses(double alcohol1, double water1, double resultAlcohol, double resultWater,
                         double* alcohol2, double* water2, std::string* errorText);

// The dilution page's calculation: strengths in % vol, converted with their
// densities, then DiluteSpirit. Checked in this order: a result stronger
// than the spirit, each conversion, the dilution, volumes that would not be
// finite. Nothing is written on failure.
int DiluteByStrength(int given, double volume, double spiritStrength, double resultStrength,
                     double* spiritVolume, double* waterVolume, double* resultVolume,
                     std::string* errorText);

// Working values of a mixing calculation (solution 1, solution 2, result):
// mass percent, density in kg/l, alcohol and water mass. Filled as far as
// the calculation got.
struct MixingWork {
  double massPct1 = 0.0, massPct2 = 0.0, massPctRes = 0.0;
  double density1 = 0.0, density2 = 0.0, densityRes = 0.0;
  double alcohol1 = 0.0, alcohol2 = 0.0, alcoholRes = 0.0;
  double water1 = 0.0, water2 = 0.0, waterRes = 0.0;
};

// The mixing page's mixture of two solutions given as volume and % vol: the
// result's volume and strength (% vol). The results are written only on
// success.
int MixSolutions(double volume1, double strength1, double volume2, double strength2, double* volume,
                 double* strength, MixingWork* work, std::string* errorText);

// The mixing page's search for the solution 2 that turns solution 1 into
// the result: its volume and strength (% vol), written only on success.
int FindSecondSolution(double volume1, double strength1, double resultVolume, double resultStrength,
                       double* volume2, double* strength2, MixingWork* work,
                       std::string* errorText);

} // namespace brevimo
