// SPDX-License-Identifier: GPL-3.0-or-later
#include "concentration.h"

#include "number_text.h"
#include "tr_noop.h"

namespace brevimo {

// Densities and strengths of ethanol-water mixtures at 20 °C. Each density is
// the double nearest to the decimal shown; mass and volume percent are exact
// to two decimals. Row 0 is pure water, row 212 pure ethanol. Ten rows a line.
// Row 59 (0.9418 kg/l, 43.74 % vol) holds 36.66 % by mass, as the
// international alcoholometric tables give; the 36.76 it was once copied as
// stepped 0.63 and then 0.41 between neighbours that step by 0.51-0.53.
// clang-format off
const double WaterAlcoholTable::Density[kRows] = {
    0.99823, 0.9978, 0.9968, 0.9958, 0.9948, 0.9938, 0.9928, 0.9918, 0.9908, 0.9898,
    0.9888, 0.9878, 0.9868, 0.9858, 0.9854, 0.9848, 0.9838, 0.9828, 0.9818, 0.9808,
    0.9798, 0.9788, 0.9778, 0.9768, 0.9758, 0.9748, 0.9738, 0.9732, 0.9728, 0.9718,
    0.9708, 0.9698, 0.9688, 0.9678, 0.9668, 0.9658, 0.9648, 0.9638, 0.9628, 0.9618,
    0.9608, 0.9598, 0.9588, 0.9578, 0.9568, 0.9558, 0.9548, 0.9538, 0.9528, 0.9518,
    0.9508, 0.9498, 0.9488, 0.9478, 0.9468, 0.9458, 0.9448, 0.9438, 0.9428, 0.9418,
    0.9408, 0.9398, 0.9388, 0.9378, 0.9368, 0.9358, 0.9348, 0.9338, 0.9328, 0.9318,
    0.9308, 0.9298, 0.9288, 0.9278, 0.9268, 0.9258, 0.9248, 0.9238, 0.9228, 0.9218,
    0.9208, 0.9198, 0.9188, 0.9178, 0.9168, 0.9158, 0.9148, 0.9138, 0.9128, 0.9118,
    0.9108, 0.9098, 0.9088, 0.9078, 0.9068, 0.9058, 0.9048, 0.9038, 0.9028, 0.9018,
    0.9008, 0.8998, 0.8988, 0.8978, 0.8968, 0.8958, 0.8948, 0.8938, 0.8928, 0.8918,
    0.8908, 0.8898, 0.8888, 0.8878, 0.8868, 0.8858, 0.8848, 0.8838, 0.8828, 0.8818,
    0.8808, 0.8798, 0.8788, 0.8778, 0.8768, 0.8758, 0.8748, 0.8738, 0.8728, 0.8718,
    0.8708, 0.8698, 0.8688, 0.8678, 0.8668, 0.8658, 0.8648, 0.8638, 0.8628, 0.8618,
    0.8608, 0.8598, 0.8588, 0.8578, 0.8568, 0.8558, 0.8548, 0.8538, 0.8528, 0.8518,
    0.8508, 0.8498, 0.8488, 0.8478, 0.8468, 0.8458, 0.8448, 0.8438, 0.8428, 0.8418,
    0.8408, 0.8398, 0.8388, 0.8378, 0.8368, 0.8358, 0.8348, 0.8338, 0.8328, 0.8318,
    0.8308, 0.8298, 0.8288, 0.8278, 0.8268, 0.8258, 0.8248, 0.8238, 0.8228, 0.8218,
    0.8208, 0.8198, 0.8188, 0.8178, 0.8168, 0.8158, 0.8148, 0.8138, 0.8128, 0.8118,
    0.8108, 0.8098, 0.8088, 0.8078, 0.8068, 0.8058, 0.8048, 0.8038, 0.8028, 0.8018,
    0.8008, 0.7998, 0.7988, 0.7978, 0.7968, 0.7958, 0.7948, 0.7938, 0.7928, 0.7918,
    0.7908, 0.7898, 0.78927,
};

const double WaterAlcoholTable::Mass[kRows] = {
    0.00, 0.23, 0.77, 1.31, 1.85, 2.41, 2.97, 3.55, 4.14, 4.75,
    5.37, 6.00, 6.65, 7.32, 7.58, 7.99, 8.67, 9.35, 10.05, 10.76,
    11.49, 12.22, 12.96, 13.72, 14.49, 15.27, 16.05, 16.52, 16.84, 17.61,
    18.37, 19.13, 19.88, 20.62, 21.36, 22.09, 22.81, 23.52, 24.22, 24.92,
    25.59, 26.26, 26.92, 27.55, 28.19, 28.80, 29.41, 30.01, 30.60, 31.18,
    31.76, 32.33, 32.89, 33.44, 33.99, 34.54, 35.08, 35.61, 36.13, 36.66,
    37.17, 37.68, 38.19, 38.69, 39.19, 39.69, 40.19, 40.68, 41.17, 41.65,
    42.13, 42.61, 43.09, 43.56, 44.04, 44.51, 44.98, 45.44, 45.91, 46.37,
    46.83, 47.29, 47.74, 48.20, 48.65, 49.11, 49.56, 50.01, 50.46, 50.91,
    51.36, 51.80, 52.25, 52.69, 53.14, 53.58, 54.02, 54.46, 54.89, 55.33,
    55.77, 56.21, 56.65, 57.08, 57.52, 57.95, 58.39, 58.82, 59.26, 59.69,
    60.12, 60.55, 60.98, 61.41, 61.84, 62.27, 62.70, 63.13, 63.56, 63.99,
    64.41, 64.84, 65.27, 65.69, 66.12, 66.54, 66.97, 67.39, 67.81, 68.24,
    68.66, 69.08, 69.51, 69.93, 70.35, 70.77, 71.19, 71.61, 72.03, 72.44,
    72.86, 73.28, 73.70, 74.11, 74.53, 74.94, 75.35, 75.77, 76.18, 76.59,
    77.00, 77.42, 77.83, 78.24, 78.64, 79.05, 79.46, 79.87, 80.27, 80.68,
    81.08, 81.48, 81.88, 82.28, 82.68, 83.08, 83.48, 83.88, 84.27, 84.67,
    85.06, 85.45, 85.84, 86.23, 86.62, 87.00, 87.39, 87.78, 88.16, 88.54,
    88.92, 89.30, 89.68, 90.06, 90.43, 90.80, 91.17, 91.54, 91.91, 92.27,
    92.64, 93.00, 93.36, 93.72, 94.08, 94.43, 94.79, 95.14, 95.49, 95.84,
    96.18, 96.52, 96.87, 97.20, 97.54, 97.88, 98.21, 98.54, 98.87, 99.19,
    99.51, 99.83, 100.00,
};

const double WaterAlcoholTable::Volume[kRows] = {
    0.00, 0.29, 0.97, 1.65, 2.34, 3.04, 3.74, 4.46, 5.20, 5.95,
    6.73, 7.52, 8.32, 9.13, 9.47, 9.97, 10.80, 11.65, 12.51, 13.38,
    14.26, 15.15, 16.06, 16.98, 17.91, 18.86, 19.81, 20.37, 20.75, 21.68,
    22.60, 23.50, 24.40, 25.28, 26.16, 27.03, 27.88, 28.72, 29.54, 30.35,
    31.16, 31.94, 32.69, 33.44, 34.17, 34.88, 35.58, 36.26, 36.94, 37.60,
    38.25, 38.90, 39.53, 40.16, 40.78, 41.39, 41.99, 42.58, 43.17, 43.74,
    44.30, 44.86, 45.42, 45.97, 46.52, 47.06, 47.59, 48.13, 48.65, 49.17,
    49.69, 50.20, 50.71, 51.21, 51.71, 52.20, 52.69, 53.18, 53.67, 54.15,
    54.63, 55.11, 55.58, 56.05, 56.51, 56.98, 57.44, 57.90, 58.35, 58.81,
    59.26, 59.71, 60.16, 60.60, 61.05, 61.49, 61.92, 62.36, 62.79, 63.22,
    63.65, 64.08, 64.51, 64.93, 65.35, 65.77, 66.19, 66.61, 67.02, 67.44,
    67.85, 68.26, 68.67, 69.08, 69.48, 69.88, 70.28, 70.69, 71.09, 71.49,
    71.88, 72.28, 72.67, 73.06, 73.45, 73.84, 74.22, 74.61, 74.99, 75.37,
    75.75, 76.13, 76.51, 76.89, 77.26, 77.63, 78.00, 78.37, 78.73, 79.10,
    79.46, 79.83, 80.19, 80.54, 80.90, 81.26, 81.61, 81.96, 82.31, 82.66,
    83.01, 83.35, 83.69, 84.04, 84.38, 84.71, 85.05, 85.38, 85.71, 86.05,
    86.37, 86.70, 87.02, 87.34, 87.66, 87.98, 88.29, 88.61, 88.92, 89.23,
    89.53, 89.83, 90.14, 90.43, 90.73, 91.03, 91.32, 91.61, 91.90, 92.19,
    92.47, 92.75, 93.04, 93.31, 93.58, 93.85, 94.12, 94.38, 94.64, 94.91,
    95.16, 95.41, 95.67, 95.92, 96.16, 96.41, 96.65, 96.89, 97.12, 97.35,
    97.58, 97.81, 98.04, 98.25, 98.47, 98.68, 98.89, 99.10, 99.30, 99.50,
    99.70, 99.89, 100.00,
};

// clang-format on

namespace {

using T = WaterAlcoholTable;
constexpr int kLast = T::kRows - 1;

// Molar masses of ethanol and water, and their difference per percent.
constexpr double kEthanolMolar = 46.0;
constexpr double kWaterMolar = 18.0;
constexpr double kMolarDiff = 0.28;

// A pair of adjacent rows (j, j + 1) and the fraction t between them.
struct Bracket {
  int j;
  double t;
  double At(const double* column) const { return column[j] + t * (column[j + 1] - column[j]); }
};

// Bracket 0 < x < 100 in an increasing column: the first row k >= 1 with
// q[k] >= x gives j = k - 1, so q[j] < x <= q[j + 1]; an entry itself gives t = 1.
Bracket BracketIncreasing(const double* q, double x) {
  int k = 1;
  while (k < kLast && q[k] < x)
    ++k;
  return {k - 1, (x - q[k - 1]) / (q[k] - q[k - 1])};
}

bool IsUnit(int unit) { return unit == MassPct || unit == VolPct || unit == MolPct; }

} // namespace

// w = 46 x / (0.28 x + 18)
double MassFromMolar(double x) { return kEthanolMolar * x / (kMolarDiff * x + kWaterMolar); }

// x = 18 w / (46 - 0.28 w)
double MolarFromMass(double w) { return kWaterMolar * w / (kEthanolMolar - kMolarDiff * w); }

int ConvertConcentration(int fromUnit, int toUnit, double value, double* result, double* density,
                         std::string* errorText) {
  // The negated test also refuses NaN.
  if (!(value >= kPercentMin && value <= kPercentMax)) {
    SetError(errorText, BREVIMO_TR_NOOP("Ошибка в параметрах. Концентрация 0..100 (%)"));
    return 0;
  }
  // 0 and 100 mean the same in every kind. The kinds are not checked here,
  // as they are not used.
  if (value == 0.0 || value == 100.0) {
    *result = value;
    if (density) *density = value == 0.0 ? T::Density[0] : T::Density[kLast];
    return 1;
  }

  double w = 0.0;
  switch (fromUnit) {
  case MassPct:
    w = value;
    if (density) *density = BracketIncreasing(T::Mass, w).At(T::Density);
    break;
  case VolPct: {
    const Bracket b = BracketIncreasing(T::Volume, value);
    w = b.At(T::Mass);
    if (density) *density = b.At(T::Density);
    break;
  }
  case MolPct:
    w = MassFromMolar(value);
    if (density) *density = BracketIncreasing(T::Mass, w).At(T::Density);
    break;
  default:
    SetError(errorText, BREVIMO_TR_NOOP("Ошибка в типе параметра"));
    return 0;
  }

  switch (toUnit) {
  case MassPct:
    *result = w;
    break;
  case VolPct: {
    const Bracket b = BracketIncreasing(T::Mass, w);
    *result = b.At(T::Volume);
    if (density) *density = b.At(T::Density);
    break;
  }
  case MolPct:
    *result = MolarFromMass(w);
    break;
  default:
    SetError(errorText, BREVIMO_TR_NOOP("Ошибка в типе параметра"));
    return 0;
  }
  return 1;
}

int ConcentrationFromDensity(double density, int toUnit, double* result, std::string* errorText) {
  if (!(density >= T::Density[kLast] && density <= T::Density[0])) {
    if (errorText)
      *errorText = FormatC(BREVIMO_TR_NOOP("Ошибка в параметрах. Плотность %.4f...%.4f (кг/л)"),
                           T::Density[kLast], T::Density[0]);
    return 0;
  }
  if (!IsUnit(toUnit)) {
    SetError(errorText, BREVIMO_TR_NOOP("Ошибка в типе выходных данных"));
    return 0;
  }
  if (density == T::Density[0] || density == T::Density[kLast]) {
    *result = density == T::Density[0] ? 0.0 : 100.0;
    return 1;
  }

  // Decreasing column: the first row k >= 1 with density[k] <= density.
  int k = 1;
  while (k < kLast && T::Density[k] > density)
    ++k;
  const Bracket b{k - 1, (density - T::Density[k - 1]) / (T::Density[k] - T::Density[k - 1])};
  switch (toUnit) {
  case MassPct:
    *result = b.At(T::Mass);
    break;
  case VolPct:
    *result = b.At(T::Volume);
    break;
  default:
    *result = MolarFromMass(b.At(T::Mass));
    break;
  }
  return 1;
}

namespace {

// Reciprocals of the densities of pure ethanol (0.78927) and pure water
// (0.99823).
constexpr double kPerKgEthanol = 1.2669935510028254;
constexpr double kPerKgWater = 1.0017731384550654;

const char* const kMolarRangeMessage = BREVIMO_TR_NOOP("Ошибка в параметрах\nКоцентрация 0..100%");

} // namespace

int CompleteStrengths(int unit, double value, Strengths* out, std::string* errorText) {
  if (unit == MolPct && !(value >= kPercentMin && value <= kPercentMax)) {
    SetError(errorText, kMolarRangeMessage);
    return 0;
  }
  // The first conversion gives the density (from volume and molar percent
  // to mass percent, from mass percent to volume percent); the second
  // cannot fail after it.
  const int first = unit == MassPct ? VolPct : MassPct;
  const int second = unit == MolPct ? VolPct : MolPct;
  double firstValue = 0.0, secondValue = 0.0, density = 0.0;
  if (!ConvertConcentration(unit, first, value, &firstValue, &density, errorText)) return 0;
  ConvertConcentration(unit, second, value, &secondValue, nullptr, errorText);
  Strengths s;
  double* member[] = {&s.mass, &s.vol, &s.mol}; // by ConcUnit
  *member[unit] = value;
  *member[first] = firstValue;
  *member[second] = secondValue;
  s.density = density;
  *out = s;
  return 1;
}

int StrengthsFromDensity(double density, Strengths* out, std::string* errorText) {
  double mass = 0.0;
  if (!ConcentrationFromDensity(density, MassPct, &mass, errorText)) return 0;
  return CompleteStrengths(MassPct, mass, out, errorText);
}

int ComposeMixture(double massPct, double volPct, double density, double amount, bool contraction,
                   Composition* out, std::string* errorText) {
  const double w = massPct, v = volPct, rho = density, n = amount;
  Composition c;
  c.alcoholMassL = w * n * rho * 0.01;
  c.alcoholMassKg = w * n * 0.01;
  c.waterMassL = (100.0 - w) * n * rho * 0.01;
  c.waterMassKg = (100.0 - w) * n * 0.01;
  if (contraction) {
    // Volumes of the pure liquids before mixing.
    c.alcoholVolumeL = c.alcoholMassL * kPerKgEthanol;
    c.alcoholVolumeKg = c.alcoholVolumeL * (1.0 / rho);
    c.waterVolumeL = c.waterMassL * kPerKgWater;
    c.waterVolumeKg = (1.0 / rho) * c.waterMassL * kPerKgWater;
  } else {
    // Shares of the mixture's volume.
    c.alcoholVolumeL = n * v * 0.01;
    c.alcoholVolumeKg = (n / rho) * v * 0.01;
    c.waterVolumeL = (100.0 - v) * n * 0.01;
    c.waterVolumeKg = (100.0 - v) * (n / rho) * 0.01;
  }
  if (!AllFinite({c.alcoholMassL, c.alcoholMassKg, c.waterMassL, c.waterMassKg, c.alcoholVolumeL,
                  c.alcoholVolumeKg, c.waterVolumeL, c.waterVolumeKg})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  *out = c;
  return 1;
}

} // namespace brevimo
