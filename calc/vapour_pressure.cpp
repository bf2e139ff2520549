// SPDX-License-Identifier: GPL-3.0-or-later
#include "vapour_pressure.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"
#include "tr_noop.h"

namespace brevimo {

// Saturated vapour pressure of ethanol and water, tabulated on one pressure
// axis whose rows grow by a factor of about 1.053 (pressures to four
// significant figures). Row 0 is where water boils at 0 °C, row 164 where
// ethanol boils at 199 °C.
// clang-format off
const double VapourPressureTable::Pressure[kRows] = {
    4.57, 4.812, 5.067, 5.336, 5.618, 5.916, 6.229, 6.559, 6.907, 7.273,
    7.658, 8.064, 8.491, 8.941, 9.415, 9.914, 10.44, 10.99, 11.57, 12.19,
    12.83, 13.51, 14.23, 14.98, 15.78, 16.61, 17.49, 18.42, 19.4, 20.42,
    21.51, 22.65, 23.85, 25.11, 26.44, 27.84, 29.31, 30.87, 32.5, 34.23,
    36.04, 37.95, 39.96, 42.08, 44.31, 46.65, 49.12, 51.73, 54.47, 57.35,
    60.39, 63.59, 66.96, 70.51, 74.24, 78.18, 82.32, 86.68, 91.27, 96.11,
    101.2, 106.6, 112.2, 118.2, 124.4, 131.0, 138.0, 145.3, 153.0, 161.1,
    169.6, 178.6, 188.0, 198.0, 208.5, 219.5, 231.2, 243.4, 256.3, 269.9,
    284.2, 299.3, 315.1, 331.8, 349.4, 367.9, 387.4, 407.9, 429.5, 452.3,
    476.2, 501.5, 528.1, 556.0, 585.5, 616.5, 649.2, 683.6, 719.8, 757.9,
    798.1, 840.4, 884.9, 931.8, 981.1, 1033.0, 1088.0, 1146.0, 1206.0, 1270.0,
    1337.0, 1408.0, 1483.0, 1561.0, 1644.0, 1731.0, 1823.0, 1920.0, 2021.0, 2128.0,
    2241.0, 2360.0, 2485.0, 2617.0, 2755.0, 2901.0, 3055.0, 3217.0, 3387.0, 3567.0,
    3756.0, 3955.0, 4164.0, 4385.0, 4617.0, 4862.0, 5119.0, 5391.0, 5676.0, 5977.0,
    6294.0, 6627.0, 6978.0, 7348.0, 7737.0, 8147.0, 8579.0, 9033.0, 9512.0, 10020.0,
    10550.0, 11110.0, 11690.0, 12310.0, 12970.0, 13650.0, 14380.0, 15140.0, 15940.0, 16780.0,
    17670.0, 18610.0, 19600.0, 20630.0, 21730.0,
};

const double VapourPressureTable::Ethanol[kRows] = {
    -13.18, -12.5, -11.82, -11.13, -10.42, -9.72, -9.011, -8.298, -7.58, -6.858,
    -6.131, -5.399, -4.663, -3.922, -3.177, -2.426, -1.816, -1.231, -0.642, -0.04935,
    0.7498, 1.573, 2.401, 3.234, 4.073, 4.918, 5.768, 6.624, 7.486, 8.24,
    8.835, 9.434, 10.05, 10.92, 11.79, 12.67, 13.55, 14.44, 15.34, 16.24,
    17.15, 18.06, 18.98, 19.85, 20.73, 21.61, 22.5, 23.39, 24.29, 25.2,
    26.09, 26.85, 27.6, 28.37, 29.13, 29.91, 30.92, 31.96, 33.02, 34.08,
    35.11, 36.01, 36.91, 37.82, 38.74, 39.67, 40.67, 41.72, 42.78, 43.84,
    44.92, 46.0, 47.09, 48.19, 49.1, 49.98, 51.05, 52.13, 53.22, 54.32,
    55.43, 56.54, 57.67, 58.8, 59.95, 61.29, 62.65, 63.91, 65.01, 66.11,
    67.22, 68.34, 69.47, 70.66, 71.91, 73.18, 74.45, 75.73, 77.02, 78.33,
    79.66, 80.88, 82.21, 83.56, 84.91, 86.28, 87.65, 89.05, 90.45, 91.87,
    93.3, 94.75, 96.2, 97.68, 99.16, 100.7, 102.2, 103.7, 105.3, 106.8,
    108.4, 110.0, 111.6, 113.2, 114.9, 116.6, 118.2, 119.9, 121.7, 123.4,
    125.1, 126.9, 128.7, 130.5, 132.4, 134.3, 136.2, 138.1, 140.1, 142.0,
    144.0, 146.0, 148.1, 150.1, 152.2, 154.3, 156.4, 158.5, 160.6, 162.8,
    165.0, 167.2, 169.4, 171.7, 174.0, 176.4, 178.8, 181.2, 183.6, 186.1,
    188.6, 191.2, 193.7, 196.3, 199.0,
};

const double VapourPressureTable::Water[kRows] = {
    0.0, 0.7163, 1.437, 2.162, 2.892, 3.626, 4.365, 5.109, 5.857, 6.61,
    7.367, 8.13, 8.897, 9.669, 10.44, 11.2, 11.97, 12.74, 13.52, 14.3,
    15.09, 15.89, 16.69, 17.49, 18.31, 19.14, 19.97, 20.8, 21.65, 22.49,
    23.35, 24.21, 25.07, 25.94, 26.81, 27.69, 28.58, 29.47, 30.37, 31.28,
    32.19, 33.11, 34.03, 34.96, 35.89, 36.84, 37.79, 38.74, 39.71, 40.67,
    41.65, 42.64, 43.63, 44.63, 45.63, 46.64, 47.66, 48.69, 49.72, 50.77,
    51.82, 52.87, 53.94, 55.01, 56.1, 57.19, 58.29, 59.39, 60.51, 61.63,
    62.77, 63.91, 65.06, 66.22, 67.39, 68.56, 69.75, 70.95, 72.15, 73.37,
    74.59, 75.83, 77.07, 78.33, 79.6, 80.87, 82.16, 83.45, 84.76, 86.08,
    87.41, 88.75, 90.11, 91.47, 92.85, 94.24, 95.64, 97.05, 98.48, 99.92,
    101.4, 102.8, 104.3, 105.8, 107.3, 108.8, 110.4, 111.9, 113.5, 115.0,
    116.6, 118.2, 119.9, 121.5, 123.2, 124.8, 126.5, 128.2, 129.9, 131.6,
    133.4, 135.2, 137.0, 138.8, 140.6, 142.4, 144.3, 146.2, 148.0, 150.0,
    151.9, 153.9, 155.8, 157.8, 159.8, 161.9, 163.9, 166.0, 168.1, 170.3,
    172.4, 174.6, 176.8, 179.0, 181.2, 183.5, 185.8, 188.1, 190.5, 192.8,
    195.2, 197.7, 200.1, 202.6, 205.1, 207.7, 210.2, 212.8, 215.5, 218.1,
    220.8, 223.5, 226.3, 229.1, 231.9,
};

// clang-format on

// Boiling coefficients of ethanol-water mixtures: where a mixture's boiling
// temperature lies between those of water (0) and ethanol (1) at one and the
// same pressure. Each mixture is given as mass, molar (from the molar masses
// 46 and 18) and volume percent. Row 107 is the azeotrope (95.57 mass %),
// which boils below pure ethanol.
// clang-format off
const double BoilingCoeffTable::Mass[kRows] = {
    0.0, 0.01, 0.1, 0.15, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7,
    0.8, 0.9, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0,
    9.0, 10.0, 11.0, 12.0, 13.0, 14.0, 15.0, 16.0, 17.0, 18.0,
    19.0, 20.0, 21.0, 22.0, 23.0, 24.0, 25.0, 26.0, 27.0, 28.0,
    29.0, 30.0, 31.0, 32.0, 33.0, 34.0, 35.0, 36.0, 37.0, 38.0,
    39.0, 40.0, 41.0, 42.0, 43.0, 44.0, 45.0, 46.0, 47.0, 48.0,
    49.0, 50.0, 51.0, 52.0, 53.0, 54.0, 55.0, 56.0, 57.0, 58.0,
    59.0, 60.0, 61.0, 62.0, 63.0, 64.0, 65.0, 66.0, 67.0, 68.0,
    69.0, 70.0, 71.0, 72.0, 73.0, 74.0, 75.0, 76.0, 77.0, 78.0,
    79.0, 80.0, 81.0, 82.0, 83.0, 84.0, 85.0, 86.0, 87.0, 88.0,
    89.0, 90.0, 91.0, 92.0, 93.0, 94.0, 95.0, 95.57, 100.0,
};

const double BoilingCoeffTable::Molar[kRows] = {
    0.0, 0.00391, 0.03915, 0.05875, 0.07836, 0.11761, 0.1569, 0.19625, 0.23564, 0.27509,
    0.31458, 0.35411, 0.3937, 0.79225, 1.19575, 1.60428, 2.01794, 2.43682, 2.86104, 3.29068,
    3.72585, 4.16667, 4.61323, 5.06567, 5.52408, 5.98859, 6.45933, 6.93642, 7.41998, 7.91016,
    8.40708, 8.91089, 9.42173, 9.93976, 10.46512, 10.99796, 11.53846, 12.08678, 12.64308, 13.20755,
    13.78036, 14.3617, 14.95177, 15.55076, 16.15887, 16.77632, 17.40331, 18.04009, 18.68687, 19.34389,
    20.0114, 20.68966, 21.37891, 22.07944, 22.79152, 23.51544, 24.2515, 25.0, 25.76127, 26.53563,
    27.32342, 28.125, 28.94073, 29.77099, 30.61617, 31.47668, 32.35294, 33.24538, 34.15446, 35.08065,
    36.02442, 36.9863, 37.9668, 38.96648, 39.9859, 41.02564, 42.08633, 43.1686, 44.27313, 45.40059,
    46.55172, 47.72727, 48.92802, 50.1548, 51.40845, 52.68987, 54.0, 55.33981, 56.71031, 58.11258,
    59.54774, 61.01695, 62.52144, 64.0625, 65.64148, 67.25979, 68.91892, 70.62044, 72.36599, 74.1573,
    75.9962, 77.88462, 79.82456, 81.81818, 83.86774, 85.97561, 88.14433, 89.40874, 100.0,
};

const double BoilingCoeffTable::Volume[kRows] = {
    0.0, 0.01, 0.13, 0.19, 0.25, 0.38, 0.5, 0.63, 0.76, 0.88,
    1.01, 1.13, 1.26, 2.53, 3.78, 5.02, 6.26, 7.52, 8.74, 9.98,
    11.21, 12.45, 13.67, 14.88, 16.11, 17.32, 18.53, 19.75, 20.94, 22.15,
    23.35, 24.54, 25.73, 26.92, 28.1, 29.28, 30.45, 31.64, 32.79, 33.95,
    35.11, 36.25, 37.4, 38.52, 39.66, 40.79, 41.9, 43.02, 44.07, 45.21,
    46.31, 47.39, 48.47, 49.55, 50.61, 51.67, 52.71, 53.76, 54.81, 55.85,
    56.87, 57.89, 58.9, 59.91, 60.91, 61.9, 62.9, 63.87, 64.85, 65.82,
    66.78, 67.74, 68.69, 69.63, 70.57, 71.5, 72.43, 73.34, 74.25, 75.16,
    76.06, 76.95, 77.83, 78.7, 79.58, 80.45, 81.31, 82.16, 83.01, 83.84,
    84.67, 85.49, 86.31, 87.12, 87.92, 88.71, 89.48, 90.26, 91.03, 91.78,
    92.53, 93.27, 94.0, 94.71, 95.41, 96.11, 96.79, 97.17, 100.0,
};

const double BoilingCoeffTable::Coeff[kRows] = {
    0.0, 0.00398, 0.00861, 0.01324, 0.01788, 0.02251, 0.02714, 0.03178, 0.03641, 0.04104,
    0.04567, 0.05031, 0.05725, 0.10821, 0.15454, 0.19392, 0.2333, 0.27036, 0.30742, 0.34216,
    0.37459, 0.40239, 0.42555, 0.43945, 0.47651, 0.49967, 0.50894, 0.54137, 0.5599, 0.56916,
    0.58306, 0.60159, 0.61549, 0.62939, 0.63865, 0.65023, 0.66182, 0.67571, 0.68498, 0.69424,
    0.70351, 0.70814, 0.71741, 0.72667, 0.73131, 0.74752, 0.75215, 0.75447, 0.76373, 0.76837,
    0.773, 0.78227, 0.78921, 0.79709, 0.80311, 0.81006, 0.81238, 0.81701, 0.81933, 0.82628,
    0.83322, 0.83786, 0.84249, 0.84712, 0.85176, 0.85639, 0.86102, 0.86565, 0.86797, 0.87029,
    0.87492, 0.87955, 0.88187, 0.8865, 0.89113, 0.89577, 0.89808, 0.90271, 0.90503, 0.90735,
    0.91198, 0.91661, 0.92124, 0.92588, 0.92819, 0.93283, 0.93746, 0.93885, 0.93978, 0.94209,
    0.94672, 0.94904, 0.95367, 0.95831, 0.96294, 0.96757, 0.97452, 0.97915, 0.98379, 0.98842,
    0.99073, 0.99537, 1.0, 1.00463, 1.00602, 1.00927, 1.01019, 1.01158, 1.0,
};
// clang-format on

namespace {

using VP = VapourPressureTable;
using BC = BoilingCoeffTable;

// mm Hg in one unit, used when reading a value, and the stored reciprocal
// used when showing one. Both directions multiply; neither divides.
constexpr double kMmHgPerUnit[kPressureUnits] = {
    1.0, 0.7355612727081727, 7.500592, 735.0, 760.0, 750.06, 51.715,
};
constexpr double kUnitsPerMmHg[kPressureUnits] = {
    1.0,
    1.3595060494664473,
    0.1333228097195528,
    0.0013605442176870747,
    0.0013157894736842105,
    0.0013332266751993175,
    0.019336749492410325,
};

constexpr double kCelsiusToKelvin = 273.15;
constexpr double kFahrenheitPerCelsius = 1.8;
constexpr double kFahrenheitZero = 32.0;
constexpr double kCelsiusPerFahrenheit = 0.5555555555555556;

// 1 / 1.1: a solution may boil somewhat below ethanol at low pressure.
constexpr double kBelowEthanol = 0.9090909090909091;

// The pressure search walks its span in ten thousand steps.
constexpr double kSearchTopOverEthanol = 1.1;
constexpr double kSearchStep = 0.0001;
constexpr double kSearchGoodEnough = 0.001;

const char kOutOfTable[] = BREVIMO_TR_NOOP("Выход за границы массива");
const char kOutOfCoeffTable[] = BREVIMO_TR_NOOP("Выход за пределы массива");
const char kSolutionOutside[] =
    BREVIMO_TR_NOOP("Температура кипения раствора\nвыше температуры кипения воды\n"
                    "или ниже температуры кипения спирта");

// Y at x by linear interpolation between the first row j >= 1 with
// x <= X[j] and the row below it; a value equal to X[j] thus yields Y[j].
// X must be strictly increasing, so a binary search finds the same row as
// a scan from the top would (the pressure search makes some 20 000 lookups).
// Used for the vapour pressure lookups and the coefficient table alike.
// Returns false when no such row exists.
bool Interpolate(const double* X, const double* Y, int rows, double x, double* y) {
  const int j = static_cast<int>(std::lower_bound(X + 1, X + rows, x) - X);
  if (j >= rows || !(x <= X[j])) return false;
  // Y[j-1] + (x - X[j-1]) / (X[j] - X[j-1]) * (Y[j] - Y[j-1])
  *y = Y[j - 1] + (x - X[j - 1]) / (X[j] - X[j - 1]) * (Y[j] - Y[j - 1]);
  return true;
}

// One lookup in the vapour pressure table: X searched, Y read. rangeFormat
// takes the first and the last value of X.
int Lookup(const double* X, const double* Y, double x, double* y, const char* rangeFormat,
           std::string* errorText) {
  constexpr int kLast = VP::kRows - 1;
  // The negated test also refuses NaN.
  if (!(x >= X[0] && x <= X[kLast])) {
    if (errorText) *errorText = FormatC(rangeFormat, X[0], X[kLast]);
    return 0;
  }
  if (x == X[0]) {
    *y = Y[0];
    return 1;
  }
  if (!Interpolate(X, Y, VP::kRows, x, y)) {
    SetError(errorText, kOutOfTable);
    return 0;
  }
  return 1;
}

} // namespace

int AlcoholBoilingFromPressure(double pressure, double* temperature, std::string* errorText) {
  return Lookup(VP::Pressure, VP::Ethanol, pressure, temperature,
                BREVIMO_TR_NOOP("Давление паров спирта должно быть от %.2f до %.2f мм.рт.ст."),
                errorText);
}

int AlcoholPressureFromBoiling(double temperature, double* pressure, std::string* errorText) {
  return Lookup(VP::Ethanol, VP::Pressure, temperature, pressure,
                BREVIMO_TR_NOOP("Температура кипения спирта должна быть от %.2f до %.2f *C."),
                errorText);
}

int WaterPressureFromBoiling(double temperature, double* pressure, std::string* errorText) {
  return Lookup(VP::Water, VP::Pressure, temperature, pressure,
                BREVIMO_TR_NOOP("Температура кипения воды должна быть от %.2f до %.2f *C"),
                errorText);
}

int WaterBoilingFromPressure(double pressure, double* temperature, std::string* errorText) {
  return Lookup(VP::Pressure, VP::Water, pressure, temperature,
                BREVIMO_TR_NOOP("Давление паров воды должно быть от %.2f до %.2f мм.рт.ст."),
                errorText);
}

int CoeffFromConcentration(int unit, double conc, double* coeff, std::string* errorText) {
  if (!(conc >= kPercentMin && conc <= kPercentMax)) {
    SetError(errorText, BREVIMO_TR_NOOP("Концентрация спирта должна быть 0...100%"));
    return 0;
  }
  // Water and ethanol need no unit.
  if (conc == 0.0) {
    *coeff = BC::Coeff[0];
    return 1;
  }
  if (conc == 100.0) {
    *coeff = BC::Coeff[BC::kRows - 1];
    return 1;
  }
  const double* column = nullptr;
  switch (unit) {
  case MassPct:
    column = BC::Mass;
    break;
  case VolPct:
    column = BC::Volume;
    break;
  case MolPct:
    column = BC::Molar;
    break;
  default:
    SetError(errorText, BREVIMO_TR_NOOP("Ошибка UnitMode"));
    return 0;
  }
  if (!Interpolate(column, BC::Coeff, BC::kRows, conc, coeff)) {
    SetError(errorText, kOutOfCoeffTable);
    return 0;
  }
  return 1;
}

int ConcentrationFromCoeff(double coeff, double* mass, double* volume, double* molar,
                           std::string* errorText) {
  if (!(coeff >= 0.0 && coeff <= BC::kMaxCoeff)) {
    SetError(errorText, BREVIMO_TR_NOOP("Coeff должен быть 0...1.01158"));
    return 0;
  }
  if (coeff == 0.0) {
    if (mass) *mass = BC::Mass[0];
    if (volume) *volume = BC::Volume[0];
    if (molar) *molar = BC::Molar[0];
    return 1;
  }
  // Searched from the start, so the rising part wins: 1.0 is row 102
  // (91 mass %), never pure ethanol.
  int j = 1;
  while (j < BC::kRows && coeff > BC::Coeff[j])
    ++j;
  if (j == BC::kRows) {
    SetError(errorText, kOutOfCoeffTable);
    return 0;
  }
  // f = (k - Coeff[j-1]) / (Coeff[j] - Coeff[j-1]); col[j-1] + (col[j] - col[j-1]) * f
  const double f = (coeff - BC::Coeff[j - 1]) / (BC::Coeff[j] - BC::Coeff[j - 1]);
  if (mass) *mass = BC::Mass[j - 1] + (BC::Mass[j] - BC::Mass[j - 1]) * f;
  if (volume) *volume = BC::Volume[j - 1] + (BC::Volume[j] - BC::Volume[j - 1]) * f;
  if (molar) *molar = BC::Molar[j - 1] + (BC::Molar[j] - BC::Molar[j - 1]) * f;
  return 1;
}

// T = Tw(P) - (Tw(P) - Te(P)) * Coeff
int SolutionBoilingAtPressure(int unit, double conc, double pressure, double* temperature,
                              std::string* errorText) {
  double k = 0.0, te = 0.0, tw = 0.0;
  if (!CoeffFromConcentration(unit, conc, &k, errorText)) return 0;
  if (!AlcoholBoilingFromPressure(pressure, &te, errorText)) return 0;
  if (!WaterBoilingFromPressure(pressure, &tw, errorText)) return 0;
  *temperature = tw - (tw - te) * k;
  return 1;
}

int SolutionPressureAtBoiling(int unit, double conc, double temperature, double* pressure,
                              std::string* errorText) {
  double k = 0.0, pw = 0.0, pe = 0.0;
  if (!CoeffFromConcentration(unit, conc, &k, errorText)) return 0;
  if (!WaterPressureFromBoiling(temperature, &pw, errorText)) return 0;
  if (!AlcoholPressureFromBoiling(temperature, &pe, errorText)) return 0;

  // E(P) = |T - (Tw(P) - (Tw(P) - Te(P)) * k)|, water looked up first.
  auto errorAt = [&](double p, double* e) {
    double tw = 0.0, te = 0.0;
    if (!WaterBoilingFromPressure(p, &tw, errorText)) return false;
    if (!AlcoholBoilingFromPressure(p, &te, errorText)) return false;
    *e = std::fabs(temperature - (tw - (tw - te) * k));
    return true;
  };

  double best = pw, bestError = 0.0;
  if (!errorAt(pw, &bestError)) return 0;
  const double top = kSearchTopOverEthanol * pe;
  if (bestError <= kSearchGoodEnough || top < pw) {
    *pressure = pw;
    return 1;
  }
  // Walk Pw .. 1.1 Pe in steps of a ten-thousandth of the span, no early
  // exit; among equal errors the lowest pressure wins.
  const double step = (top - pw) * kSearchStep;
  for (double p = pw; p <= top;) {
    double e = 0.0;
    if (!errorAt(p, &e)) return 0;
    if (e < bestError) {
      bestError = e;
      best = p;
    }
    // A span of zero width, or a step too small to move p, would never end
    // the walk; every further point would repeat this one.
    const double next = p + step;
    if (!(next > p)) break;
    p = next;
  }
  *pressure = best;
  return 1;
}

int SolutionConcentrationAt(int unit, double temperature, double pressure, double* conc,
                            std::string* errorText) {
  double te = 0.0, tw = 0.0;
  if (!AlcoholBoilingFromPressure(pressure, &te, errorText)) return 0;
  if (!WaterBoilingFromPressure(pressure, &tw, errorText)) return 0;
  if (temperature > tw || te * kBelowEthanol > temperature) {
    SetError(errorText, kSolutionOutside);
    return 0;
  }
  // k = (Tw - T) / (Tw - Te)
  const double k = (tw - temperature) / (tw - te);
  double mass = 0.0, volume = 0.0, molar = 0.0;
  if (!ConcentrationFromCoeff(k, &mass, &volume, &molar, errorText)) return 0;
  switch (unit) {
  case MassPct:
    *conc = mass;
    break;
  case VolPct:
    *conc = volume;
    break;
  case MolPct:
    *conc = molar;
    break;
  default:
    break; // the mixture was found but is not wanted in any known kind
  }
  return 1;
}

int TemperatureFromCelsius(int unit, double celsius, double* value) {
  switch (unit) {
  case Celsius:
    *value = celsius;
    return 1;
  case Kelvin:
    *value = celsius + kCelsiusToKelvin;
    return 1;
  case Fahrenheit:
    *value = celsius * kFahrenheitPerCelsius + kFahrenheitZero;
    return 1;
  default:
    return 0;
  }
}

int TemperatureToCelsius(int unit, double value, double* celsius) {
  switch (unit) {
  case Celsius:
    *celsius = value;
    return 1;
  case Kelvin:
    *celsius = value - kCelsiusToKelvin;
    return 1;
  case Fahrenheit:
    *celsius = (value - kFahrenheitZero) * kCelsiusPerFahrenheit;
    return 1;
  default:
    return 0;
  }
}

int PressureFromMmHg(int unit, double mmHg, double* value) {
  if (unit < 0 || unit >= kPressureUnits) return 0;
  *value = unit == MmHg ? mmHg : mmHg * kUnitsPerMmHg[unit];
  return 1;
}

int PressureToMmHg(int unit, double value, double* mmHg) {
  if (unit < 0 || unit >= kPressureUnits) return 0;
  *mmHg = unit == MmHg ? value : value * kMmHgPerUnit[unit];
  return 1;
}

namespace {

int TypedToBase(int unit, double typed, int (*toBase)(int, double, double*),
                int (*fromBase)(int, double, double*), double* base, std::string* errorText) {
  double value = 0.0, shown = 0.0;
  if (!toBase(unit, typed, &value)) return 0;
  fromBase(unit, value, &shown);
  if (!AllFinite({value, shown})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  *base = value;
  return 1;
}

} // namespace

int TemperatureTypedToCelsius(int unit, double typed, double* celsius, std::string* errorText) {
  return TypedToBase(unit, typed, TemperatureToCelsius, TemperatureFromCelsius, celsius, errorText);
}

int PressureTypedToMmHg(int unit, double typed, double* mmHg, std::string* errorText) {
  return TypedToBase(unit, typed, PressureToMmHg, PressureFromMmHg, mmHg, errorText);
}

} // namespace brevimo
