// SPDX-License-Identifier: GPL-3.0-or-later
// Boiling of ethanol-water mixtures at normal atmospheric pressure: the
// vapour-liquid equilibrium table, the two searches over it (liquid content to
// boiling temperature and vapour, boiling temperature to liquid content) and
// the unit helpers of the boiling page.
//
// The table is indexed by the liquid's mass percent of ethanol and ends at the
// azeotrope (95.57 % by mass, 78.15 °C). Stronger liquids, temperatures below
// 78.15 °C and temperatures of 100 °C or more have no answer.
//
// Calculations return 1 on success and 0 on failure, write their results
// through pointers (optional ones may be nullptr) and put a failure message
// (UTF-8) into an optional error text.
#pragma once

#include <string>

namespace brevimo {

// The boiling table: 108 rows from pure water at 100 °C to the azeotrope,
// four parallel columns.
struct VleTable {
  static constexpr int kRows = 108;
  static const double Liquid[kRows];      // liquid ethanol, mass %, strictly increasing
  static const double Boiling[kRows];     // boiling temperature, °C, strictly decreasing
  static const double VapourMass[kRows];  // ethanol in the vapour, mass %
  static const double VapourMolar[kRows]; // ethanol in the vapour, molar %
};

// The ends of the table: the azeotrope, as a liquid of each kind (the
// table's last row, 95.57 % mass, reads 97.17 % vol and 89.41 % mol rounded
// to the limits the pages name), and the boiling range it spans, °C.
inline constexpr double kAzeotropeVol = 97.17;
inline constexpr double kAzeotropeMass = 95.57;
inline constexpr double kAzeotropeMol = 89.41;
inline constexpr double kAzeotropeBoiling = 78.15;
inline constexpr double kWaterBoiling = 100.0;

// Which end of the table a refused search key lies beyond.
enum VleOutside : int {
  VleBelow = -1, // liquid <= 0 %, or temperature < 78.15 °C
  VleAbove = 1,  // liquid > 95.57 %, or temperature >= 100 °C
};

// Liquid content (mass %) to boiling temperature (°C), vapour mass % and
// vapour molar %, interpolated between the two rows around it. Accepts
// 0 < liquidMass <= 95.57 (NaN is refused as below the table). On failure
// nothing is written and *outside, when given, tells which end was passed.
int VleFromLiquid(double liquidMass, double* boiling, double* vapourMass, double* vapourMolar,
                  int* outside);

// Boiling temperature (°C) to liquid mass %, vapour mass % and vapour molar %.
// Accepts 78.15 <= boiling < 100 (NaN is refused as above the table). On
// failure nothing is written and *outside, when given, tells which end.
int VleFromBoiling(double boiling, double* liquidMass, double* vapourMass, double* vapourMolar,
                   int* outside);

// The inverse of the vapour: the liquid mass % whose vapour holds vapourMass
// mass % of ethanol, interpolated between the same two rows as the forward
// lookup. Accepts 0 <= vapourMass <= 95.57; writes nothing otherwise.
int VleLiquidFromVapour(double vapourMass, double* liquidMass);

// Liquid mass % to boiling temperature and vapour; all three outputs
// required; no message on failure.
int BoilingLookup(double liquidMass, double* boiling, double* vapourMass, double* vapourMolar);

// Liquid mass % to boiling temperature (required) and the vapour's mass % and
// volume % (optional). On failure the message is "<=0%" or ">95.57%%" and
// every present output receives -1.0.
int BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass, double* vapourVolume,
                      std::string* errorText);

// Boiling temperature to liquid mass %. On failure the message is ">=100*C"
// or "<78.15*C" and *liquidMass is left unchanged.
int LiquidFromBoiling(double boiling, double* liquidMass, std::string* errorText);

// Unit helpers: complete a liquid composition from one of its three kinds.
// The input is read through its pointer; outputs may be nullptr. On failure
// the error text holds the message and the outputs are not to be relied on.

// Volume % to mass % and molar %; refuses a volume outside 0..100.
int VolumeToMassMolar(const double* volume, double* mass, double* molar, std::string* errorText);

// Mass % to volume % and molar %; the range is checked by the conversion.
int MassToVolumeMolar(const double* mass, double* volume, double* molar, std::string* errorText);

// Molar % to volume % and mass %; refuses a molar % outside 0..100. On
// success *molar is overwritten with the molar % recomputed from the mass %.
int MolarToMassVolume(double* molar, double* volume, double* mass, std::string* errorText);

// Kinds of a liquid's strength on the boiling page, in its order.
enum LiquidKind : int {
  LiquidVolume = 0, // volume %
  LiquidMass = 1,   // mass %
  LiquidMolar = 2,  // molar %
};

// The boiling page's calculation from a liquid: the strength of the given
// kind, read through its pointer, is completed into the other two by the
// unit helpers above (which write as they go, also when a later step
// refuses); then the boiling temperature, the vapour's mass % and molar %
// (the table's molar column) and its volume %. Above the azeotrope the
// limit is told in the kind given. An unknown kind computes nothing and
// fails without a message.
int BoilingFromStrength(int kind, double* liquidVol, double* liquidMass, double* liquidMol,
                        double* boiling, double* vapourMass, double* vapourMol, double* vapourVol,
                        std::string* errorText);

// The refusal of a liquid past the azeotrope, the limit told in a kind of
// LiquidKind (">97.17%" for volume %); nullptr for an unknown kind.
const char* AboveAzeotropeMessage(int kind);

// The azeotrope in a kind of LiquidKind; 0 for an unknown kind.
double AzeotropeIn(int kind);

// The calculation from a liquid of BoilingFromStrength, accepting a strength
// up to exactly the azeotrope in its kind: above it the limit is told in
// that kind, as there; a strength within it that the conversion puts a
// trace past the table's last row (89.41 % mol reads 95.5706 % mass) is the
// azeotrope itself. The strength is passed by value; the outputs are the
// boiling temperature and the vapour's mass %, molar % and volume %.
// Nothing is written on failure; the error text is left alone on success.
int BoilingUpToAzeotrope(int kind, double strength, double* boiling, double* vapourMass,
                         double* vapourMol, double* vapourVol, std::string* errorText);

// The boiling page's calculation from a boiling temperature (°C): the liquid
// in all three kinds and the vapour's mass %, molar % and volume %. Nothing
// is written on failure.
int StrengthFromBoiling(double boiling, double* liquidVol, double* liquidMass, double* liquidMol,
                        double* vapourMass, double* vapourMol, double* vapourVol,
                        std::string* errorText);

} // namespace brevimo
