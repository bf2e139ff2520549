// SPDX-License-Identifier: GPL-3.0-or-later
#include "sugar.h"

#include "number_text.h"
#include "tr_noop.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace brevimo {

namespace {

using Coefficients = std::array<double, 10>;

// Degree-9 polynomial fits of sugar (sucrose) solutions in water at 20 °C,
// coefficients of x^0 .. x^9. They come with the fits as 16-17 significant
// digits and are kept digit for digit: the large alternating coefficients of
// the density fits cancel, so a shortened one shifts the results visibly.
constexpr Coefficients kContentFromMassFraction = {
    -0.0006973281288627143, 0.9983289836702004,     0.00384372320969196,  1.366273042303131e-05,
    5.499553878755351e-08,  -1.51437584211167e-09,  5.60297812908707e-11, -9.770039987953468e-13,
    7.980342843104192e-15,  -2.534331834498486e-17,
};
constexpr Coefficients kDensityFromMassFraction = {
    1.000007217546731,      0.00387483052858132,   1.10159362392696e-05,   2.345866972801e-07,
    -8.28890397901802e-09,  2.160006346778976e-10, -3.440362859265306e-12, 3.231277598238389e-14,
    -1.656928330654008e-16, 3.579234569270659e-19,
};
constexpr Coefficients kMassFractionFromContent = {
    0.00124343301604762,   1.001251027698114,      -0.00378517303252113,  9.756872418733968e-06,
    2.030375182014334e-07, -6.078125337103508e-09, 8.787219717196263e-11, -7.238886809316769e-13,
    3.199353256878478e-15, -5.882336284575268e-18,
};
constexpr Coefficients kDensityFromContent = {
    1.000010175137831,      0.00388027549275004,   -3.462309544660234e-06, 1.417969081840382e-07,
    -5.293773671609366e-09, 1.150675355584646e-10, -1.527893512877041e-12, 1.209304751000342e-14,
    -5.230411979539741e-17, 9.507414131369138e-20,
};
constexpr Coefficients kContentFromDensity = {
    1748.503021070374,  -8568.359968676523, 14315.16291878055, -8633.525325227718,
    -1453.454543862389, 2423.679996536264,  2510.92900209055,  -3722.167918847281,
    1631.116998722815,  -251.8898346516345,
};
constexpr Coefficients kMassFractionFromDensity = {
    2525693.801311051, -18934823.05748742, 62958558.76342437, -121872562.5415138,
    151366334.4779233, -125090609.2575661, 68785229.8584887,  -24268838.78669991,
    4985299.102614497, -454282.3605440039,
};

// x^n rounded once to the nearest double: the product is carried as an
// unevaluated sum hi + lo of two doubles (Dekker's exact product), so every
// platform gets the same double, whatever its C library's pow gives.
double Power(double x, int n) {
  constexpr double kSplit = 134217729.0; // 2^27 + 1: halves of 26 and 27 bits
  const double xc = kSplit * x, xh = xc - (xc - x), xl = x - xh;
  double hi = x, lo = 0.0;
  for (int k = 2; k <= n; ++k) {
    const double p = hi * x;
    const double hc = kSplit * hi, hh = hc - (hc - hi), hl = hi - hh;
    const double e = ((hh * xh - p) + hh * xl + hl * xh) + hl * xl + lo * x;
    hi = p + e;
    lo = e - (hi - p);
  }
  return hi;
}

// c0 + c1 x + c2 x^2 + ... + c9 x^9, each power taken on its own and the
// terms summed in order. The density fits are ill-conditioned: a Horner
// scheme or running products give other last digits, so keep this form.
double Fit(const Coefficients& c, double x) {
  double sum = c[0] + c[1] * x;
  for (int n = 2; n < 10; ++n)
    sum += c[n] * Power(x, n);
  return sum;
}

// The negated test also refuses NaN.
bool InRange(double x, double lo, double hi) { return x >= lo && x <= hi; }

void Put(double* out, double value) {
  if (out) *out = value;
}

} // namespace

int SugarFromMassFraction(double massFraction, double* content, double* density) {
  if (!InRange(massFraction, kSugarMassFractionMin, kSugarMassFractionMax)) return 0;
  Put(content, Fit(kContentFromMassFraction, massFraction));
  Put(density, Fit(kDensityFromMassFraction, massFraction));
  return 1;
}

int SugarFromVolumeContent(double content, double* massFraction, double* density) {
  if (!InRange(content, kSugarContentMin, kSugarContentMax)) return 0;
  Put(massFraction, Fit(kMassFractionFromContent, content));
  Put(density, Fit(kDensityFromContent, content));
  return 1;
}

int SugarFromDensity(double density, double* content, double* massFraction) {
  if (!InRange(density, kSugarDensityMin, kSugarDensityMax)) return 0;
  Put(content, Fit(kContentFromDensity, density));
  Put(massFraction, Fit(kMassFractionFromDensity, density));
  return 1;
}

int ComposeSugarSolution(int given, double amount, double massFraction, double density,
                         SugarBatch* batch) {
  const double w = massFraction, rho = density, g = amount;
  SugarBatch b;
  switch (given) {
  case GivenSugarWeight:
    // M = G / w * 100; nothing but water would need an endless volume.
    if (!(w > 0.0)) return 0;
    b.resultWeight = g / w * 100.0;
    b.sugarWeight = g;
    b.waterVolume = (b.resultWeight - g) * WaterVolumePerGram20;
    b.resultVolume = b.resultWeight / rho;
    break;
  case GivenWaterVolume:
    // M = G * 0.99823 / (1 - w / 100); w stays below 100 in every fit's range.
    b.resultWeight = g * WaterDensity20 / (1.0 - w * 0.01);
    b.sugarWeight = b.resultWeight - g * WaterDensity20;
    b.waterVolume = g;
    b.resultVolume = b.resultWeight / rho;
    break;
  case GivenResultVolume:
    b.resultWeight = g * rho;
    b.sugarWeight = b.resultWeight * w * 0.01;
    b.waterVolume = (b.resultWeight - b.sugarWeight) * WaterVolumePerGram20;
    b.resultVolume = g;
    break;
  case GivenResultWeight:
    b.resultWeight = g;
    b.sugarWeight = b.resultWeight * w * 0.01;
    b.waterVolume = (b.resultWeight - b.sugarWeight) * WaterVolumePerGram20;
    b.resultVolume = b.resultWeight / rho;
    break;
  default:
    return 0;
  }
  b.resultDensity = rho * 1000.0;
  if (batch) *batch = b;
  return 1;
}

namespace {

// The wanted value is checked in the page's unit against the bounds its
// message names, both ends allowed, and only then scaled to the model's
// unit. Checking after scaling would refuse a named bound: 1208.41 * 0.1 is
// 120.84100000000001 in doubles, just above 120.841.
struct WantedRange {
  double lo, hi; // page unit
  double scale;  // page unit to model unit
  double modelLo, modelHi;
  const char* message;
};

constexpr WantedRange kPerLitre{0.0,
                                kSugarPerLitreMax,
                                0.1,
                                kSugarContentMin,
                                kSugarContentMax,
                                BREVIMO_TR_NOOP("Масса сахара на 1 л раствора 0..1208.41 г")};
constexpr WantedRange kDensity{kSugarPageDensityMin,
                               kSugarPageDensityMax,
                               0.001,
                               kSugarDensityMin,
                               kSugarDensityMax,
                               BREVIMO_TR_NOOP("Плотность раствора 1000..1441.7 г/л")};
constexpr WantedRange kPerKilogram{0.0,
                                   kSugarPerKgMax,
                                   0.1,
                                   kSugarMassFractionMin,
                                   kSugarMassFractionMax,
                                   BREVIMO_TR_NOOP("Масса сахара на 1 кг раствора 0..840 г/кг")};

// The wanted kinds' ranges, by SugarWanted.
const WantedRange* const kWantedRanges[] = {&kPerLitre, &kDensity, &kPerKilogram};

const char* const kPureWater =
    BREVIMO_TR_NOOP("Ошибка - получится чистая вода бесконечного объема");

// The value in the model's unit, or false after the range message. The
// scaled value of an accepted bound is held within the model's range, so
// the model always accepts it.
bool Scale(const WantedRange& range, double value, double* scaled, std::string* errorText) {
  if (!(value >= range.lo && value <= range.hi)) {
    SetError(errorText, range.message);
    return false;
  }
  *scaled = std::clamp(value * range.scale, range.modelLo, range.modelHi);
  return true;
}

} // namespace

int SugarWantedSolution(int wanted, double value, double* massFraction, double* density,
                        std::string* errorText) {
  if (wanted < 0 || wanted >= static_cast<int>(std::size(kWantedRanges)))
    return 0; // no wanted kind: nothing to compute
  const WantedRange& range = *kWantedRanges[wanted];
  double scaled = 0.0;
  if (!Scale(range, value, &scaled, errorText)) return 0;
  double w = 0.0, rho = 0.0;
  int ok = 0;
  if (wanted == WantedSugarPerLitre) {
    // The content it gives back is not needed.
    ok = SugarFromVolumeContent(scaled, &w, &rho);
  } else if (wanted == WantedDensity) {
    rho = scaled;
    ok = SugarFromDensity(scaled, nullptr, &w);
  } else {
    w = scaled;
    ok = SugarFromMassFraction(scaled, nullptr, &rho);
  }
  if (!ok) {
    SetError(errorText, range.message);
    return 0;
  }
  *massFraction = w;
  *density = rho;
  return 1;
}

int MakeSugarBatch(int wanted, double wantedValue, int given, double amount, SugarBatch* batch,
                   std::string* errorText) {
  double w = 0.0, rho = 0.0;
  if (!SugarWantedSolution(wanted, wantedValue, &w, &rho, errorText)) return 0;
  SugarBatch b;
  if (!ComposeSugarSolution(given, amount, w, rho, &b)) {
    SetError(errorText, kPureWater);
    return 0;
  }
  // The given amount has no bounds; a huge one overflows.
  if (!AllFinite({b.sugarWeight, b.waterVolume, b.resultVolume, b.resultWeight, b.resultDensity})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  *batch = b;
  return 1;
}

} // namespace brevimo
