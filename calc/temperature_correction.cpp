// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature_correction.h"

#include "concentration.h"
#include "number_text.h"
#include "tr_noop.h"

#include <cmath>

namespace brevimo {

namespace {

using T = TempDensityTable;

// Whole part and fraction of a temperature in -25..40 °C. The floor of t
// itself, not of a shifted t: t + 25 can round up to the next whole number
// (39.99999999999999 + 25 is 65), which would take the row above 40 °C.
// Both the floor and t - floor are exact, so below 40 the whole part is at
// most 39 and its row pair stays inside the grid.
struct Temperature {
  int whole;
  double frac;
};
Temperature SplitTemperature(double t) {
  const double whole = std::floor(t);
  return {static_cast<int>(whole), t - whole};
}

bool InTemperatureRange(double t) {
  // The negated test also refuses NaN.
  return t >= T::kBottomTemperature && t <= T::kTopTemperature;
}

int Fail(double* result) {
  *result = T::kNoData;
  return 0;
}

} // namespace

int DensityAtTemperature(double concentration, double temperature, double* density) {
  const double c = concentration, t = temperature;
  if (!(c >= 0.0 && c <= 100.0) || !InTemperatureRange(t)) return Fail(density);

  const int ci = static_cast<int>(c);
  const double fc = c - ci;
  const auto [ti, ft] = SplitTemperature(t);

  // Pure ethanol: along temperature only (its column has data everywhere).
  if (c == 100.0) {
    if (t == T::kTopTemperature) {
      *density = T::Cell(T::kTopTemperature, 100);
    } else {
      *density = (1.0 - ft) * T::Cell(ti, 100) + ft * T::Cell(ti + 1, 100);
    }
    return 1;
  }

  // The top row: along concentration only.
  if (t == T::kTopTemperature) {
    const double a = T::Cell(T::kTopTemperature, ci), b = T::Cell(T::kTopTemperature, ci + 1);
    if (a < 0.0 || b < 0.0) return Fail(density);
    *density = (1.0 - fc) * a + fc * b;
    return 1;
  }

  // Bilinear between the four surrounding cells; a cell without data fails
  // the lookup even where its weight is zero.
  const double cold = T::Cell(ti, ci), warm = T::Cell(ti + 1, ci);
  const double coldStrong = T::Cell(ti, ci + 1), warmStrong = T::Cell(ti + 1, ci + 1);
  if (cold < 0.0 || warm < 0.0 || coldStrong < 0.0 || warmStrong < 0.0) return Fail(density);
  const double a = (1.0 - ft) * cold + ft * warm;
  const double b = (1.0 - ft) * coldStrong + ft * warmStrong;
  *density = (1.0 - fc) * a + fc * b;
  return 1;
}

int ConcentrationAtTemperature(double density, double temperature, double* concentration) {
  const double d = density, t = temperature;
  // A non-finite density has no nearest column; refuse it with the range.
  if (!InTemperatureRange(t) || !std::isfinite(d)) return Fail(concentration);

  // The density profile at t over the columns 0 .. last (100 .. 100 - last %),
  // and the column nearest to d; on a tie the stronger one (scanned first)
  // stays. Both rows rise strictly, so does the profile: once a column lies
  // above d and is no nearer, every later one is farther, and the scan ends.
  double p[T::kColumns];
  const bool top = t == T::kTopTemperature;
  const auto [ti, ft] = SplitTemperature(t);
  int n = -1, last = -1;
  for (int col = 0; col < T::kColumns; ++col) {
    if (top) {
      p[col] = T::Density[0][col];
    } else {
      const double cold = T::Cell(ti, 100 - col), warm = T::Cell(ti + 1, 100 - col);
      if (cold < 0.0 || warm < 0.0) break; // the colder row ends first
      p[col] = (1.0 - ft) * cold + ft * warm;
    }
    last = col;
    if (n < 0 || std::fabs(p[col] - d) < std::fabs(p[n] - d)) {
      n = col;
    } else if (p[col] > d) {
      break;
    }
  }
  if (n < 0) return Fail(concentration);

  if (n == 0 && d < p[0]) return Fail(concentration);       // lighter than ethanol
  if (n == last && d > p[last]) return Fail(concentration); // denser than the weakest
  if (d == p[n]) {
    *concentration = 100 - n;
    return 1;
  }

  // c = (100 - lo) - (d - p[lo]) / (p[hi] - p[lo]) between the enclosing columns.
  const int lo = d < p[n] ? n - 1 : n;
  const int hi = lo + 1;
  if (p[hi] == p[lo]) {
    *concentration = 100 - lo;
  } else {
    *concentration = (100 - lo) - (d - p[lo]) / (p[hi] - p[lo]);
  }
  return 1;
}

int CorrectReading(double reading, double tMeasure, double tWanted, double* densityInit,
                   double* densityFinal, double* readingFinal, std::string* errorText) {
  // The ranges, temperatures first.
  const char* rangeMessage = nullptr;
  if (tMeasure < kCorrectionMinTemperature || tMeasure > kCorrectionMaxTemperature ||
      tWanted < kCorrectionMinTemperature || tWanted > kCorrectionMaxTemperature)
    rangeMessage = BREVIMO_TR_NOOP("Выход за пределы допустимых температур");
  else if (reading < kPercentMin || reading > kPercentMax)
    rangeMessage = BREVIMO_TR_NOOP("Выход за пределы допустимой концентрации");
  if (rangeMessage) {
    SetError(errorText, rangeMessage);
    *densityInit = *densityFinal = *readingFinal = -1.0;
    return 0;
  }
  if (errorText) errorText->clear();

  // The reading stands for the density of that % vol at 20 °C; the grid
  // gives the liquid's mass percent at the measurement temperature and its
  // density at the wanted one, which the 20 °C table turns into a reading.
  double massPct = 0.0, strength = 0.0;
  bool ok = ConvertConcentration(VolPct, MassPct, reading, &massPct, densityInit, errorText);
  if (ok && !(ConcentrationAtTemperature(*densityInit, tMeasure, &strength) &&
              DensityAtTemperature(strength, tWanted, densityFinal))) {
    SetError(errorText, BREVIMO_TR_NOOP("Выход за пределы таблицы"));
    ok = false;
  }
  if (ok) ok = ConcentrationFromDensity(*densityFinal, VolPct, readingFinal, errorText);
  if (!ok) *readingFinal = -1.0;
  return ok ? 1 : 0;
}

} // namespace brevimo
