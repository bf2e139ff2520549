// SPDX-License-Identifier: GPL-3.0-or-later
#include "boiling.h"

#include "number_text.h"
#include "tr_noop.h"

#include "concentration.h"

namespace brevimo {

// Vapour-liquid equilibrium of ethanol-water mixtures at normal atmospheric
// pressure (760 mm Hg), from published equilibrium data rounded as shown:
// liquid mass %, boiling temperature, the vapour's ethanol in mass % and in
// molar %, ten rows a line. The molar column is stored as published; it
// agrees with the molar formula applied to the vapour mass column to about
// four significant digits. Row 0 is pure water, row 107 the azeotrope.
// clang-format off
const double VleTable::Liquid[kRows] = {
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
    89.0, 90.0, 91.0, 92.0, 93.0, 94.0, 95.0, 95.57,
};

const double VleTable::Boiling[kRows] = {
    100.0, 99.9, 99.8, 99.7, 99.6, 99.5, 99.4, 99.3, 99.2, 99.1,
    99.0, 98.9, 98.75, 97.65, 96.65, 95.8, 94.95, 94.15, 93.35, 92.6,
    91.9, 91.3, 90.8, 90.5, 89.7, 89.2, 89.0, 88.3, 87.9, 87.7,
    87.4, 87.0, 86.7, 86.4, 86.2, 85.95, 85.7, 85.4, 85.2, 85.0,
    84.8, 84.7, 84.5, 84.3, 84.2, 83.85, 83.75, 83.7, 83.5, 83.4,
    83.3, 83.1, 82.95, 82.78, 82.65, 82.5, 82.45, 82.35, 82.3, 82.15,
    82.0, 81.9, 81.8, 81.7, 81.6, 81.5, 81.4, 81.3, 81.25, 81.2,
    81.1, 81.0, 80.95, 80.85, 80.75, 80.65, 80.6, 80.5, 80.45, 80.4,
    80.3, 80.2, 80.1, 80.0, 79.95, 79.85, 79.75, 79.72, 79.7, 79.65,
    79.55, 79.5, 79.4, 79.3, 79.2, 79.1, 78.95, 78.85, 78.75, 78.65,
    78.6, 78.5, 78.4, 78.3, 78.27, 78.2, 78.18, 78.15,
};

const double VleTable::VapourMass[kRows] = {
    0.0, 0.13, 1.3, 1.95, 2.6, 3.8, 4.9, 6.1, 7.1, 8.1,
    9.0, 9.9, 10.75, 19.7, 27.2, 33.3, 37.0, 41.1, 44.6, 47.6,
    50.0, 52.2, 54.1, 55.8, 57.4, 58.8, 60.0, 61.1, 62.2, 63.2,
    64.3, 65.0, 65.8, 66.6, 67.3, 68.0, 68.6, 69.3, 69.8, 70.3,
    70.8, 71.3, 71.7, 72.1, 72.5, 72.9, 73.2, 73.5, 73.8, 74.0,
    74.3, 74.6, 74.8, 75.1, 75.4, 75.6, 75.9, 76.1, 76.3, 76.5,
    76.8, 77.0, 77.3, 77.5, 77.7, 78.0, 78.2, 78.5, 78.7, 79.0,
    79.2, 79.5, 79.7, 80.0, 80.3, 80.5, 80.8, 81.0, 81.3, 81.6,
    81.9, 82.1, 82.4, 82.8, 83.1, 83.4, 83.8, 84.1, 84.5, 84.9,
    85.4, 85.8, 86.3, 86.7, 87.2, 87.7, 88.3, 88.9, 89.5, 90.1,
    90.7, 91.3, 92.0, 92.65, 93.4, 94.2, 95.05, 95.57,
};

const double VleTable::VapourMolar[kRows] = {
    0.0, 0.051, 0.5128, 0.7722, 1.034, 1.522, 1.976, 2.479, 2.904, 3.334,
    3.726, 4.122, 4.501, 8.759, 12.76, 16.34, 18.69, 21.45, 23.96, 26.22,
    28.13, 29.94, 31.56, 33.07, 34.52, 35.83, 36.99, 38.07, 39.17, 40.19,
    41.34, 42.09, 42.95, 43.83, 44.61, 45.4, 46.09, 46.9, 47.49, 48.08,
    48.69, 49.29, 49.78, 50.28, 50.78, 51.28, 51.66, 52.05, 52.43, 52.69,
    53.08, 53.47, 53.74, 54.13, 54.53, 54.8, 55.2, 55.48, 55.75, 56.02,
    56.43, 56.71, 57.13, 57.41, 57.69, 58.11, 58.4, 58.83, 59.11, 59.55,
    59.84, 60.28, 60.57, 61.02, 61.46, 61.76, 62.22, 62.52, 62.98, 63.44,
    63.91, 64.22, 64.69, 65.32, 65.8, 66.28, 66.93, 67.42, 68.08, 68.75,
    69.59, 70.28, 71.14, 71.84, 72.72, 73.61, 74.7, 75.81, 76.93, 78.08,
    79.24, 80.42, 81.82, 83.14, 84.7, 86.4, 88.25, 89.41,
};
// clang-format on

namespace {

using V = VleTable;
constexpr int kLast = V::kRows - 1;

// Rows k and k + 1 of the table and the fraction f between them; every column
// is interpolated with the same f: y[k] + f (y[k + 1] - y[k]).
struct Segment {
  int k;
  double f;
  double At(const double* y) const { return y[k] + f * (y[k + 1] - y[k]); }
};

// The segment with L[k] < x <= L[k + 1]. A row's own liquid content lies on
// the segment below it with f = 1, so it yields that row's values.
int FindLiquid(double x, Segment* seg, int* outside) {
  // The negated test also refuses NaN.
  if (!(x > V::Liquid[0])) {
    if (outside) *outside = VleBelow;
    return 0;
  }
  if (x > V::Liquid[kLast]) {
    if (outside) *outside = VleAbove;
    return 0;
  }
  int k = 0;
  while (x > V::Liquid[k + 1])
    ++k;
  *seg = {k, (x - V::Liquid[k]) / (V::Liquid[k + 1] - V::Liquid[k])};
  return 1;
}

// The segment with T[k] > t >= T[k + 1]; the temperature column decreases.
int FindBoiling(double t, Segment* seg, int* outside) {
  if (!(t < V::Boiling[0])) {
    if (outside) *outside = VleAbove;
    return 0;
  }
  if (t < V::Boiling[kLast]) {
    if (outside) *outside = VleBelow;
    return 0;
  }
  int k = 0;
  while (t < V::Boiling[k + 1])
    ++k;
  *seg = {k, (t - V::Boiling[k]) / (V::Boiling[k + 1] - V::Boiling[k])};
  return 1;
}

void SetOptional(double* out, double value) {
  if (out) *out = value;
}

// Both range-checking unit helpers refuse with this two-line text.
constexpr const char* kRangeMessage = BREVIMO_TR_NOOP("Ошибка в параметрах\nКоцентрация 0..100%");

} // namespace

int VleFromLiquid(double liquidMass, double* boiling, double* vapourMass, double* vapourMolar,
                  int* outside) {
  Segment seg{};
  if (!FindLiquid(liquidMass, &seg, outside)) return 0;
  SetOptional(boiling, seg.At(V::Boiling));
  SetOptional(vapourMass, seg.At(V::VapourMass));
  SetOptional(vapourMolar, seg.At(V::VapourMolar));
  return 1;
}

int VleFromBoiling(double boiling, double* liquidMass, double* vapourMass, double* vapourMolar,
                   int* outside) {
  Segment seg{};
  if (!FindBoiling(boiling, &seg, outside)) return 0;
  SetOptional(liquidMass, seg.At(V::Liquid));
  SetOptional(vapourMass, seg.At(V::VapourMass));
  SetOptional(vapourMolar, seg.At(V::VapourMolar));
  return 1;
}

int VleLiquidFromVapour(double vapourMass, double* liquidMass) {
  if (!(vapourMass >= V::VapourMass[0] && vapourMass <= V::VapourMass[kLast])) return 0;
  // Binary search for VapourMass[k] < v <= VapourMass[k + 1] (k = 0 for v = 0):
  // the column planned runs step through many times a step.
  int lo = 0, hi = kLast;
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    if (V::VapourMass[mid] < vapourMass)
      lo = mid;
    else
      hi = mid;
  }
  const Segment seg{lo,
                    (vapourMass - V::VapourMass[lo]) / (V::VapourMass[lo + 1] - V::VapourMass[lo])};
  *liquidMass = seg.At(V::Liquid);
  return 1;
}

int BoilingLookup(double liquidMass, double* boiling, double* vapourMass, double* vapourMolar) {
  return VleFromLiquid(liquidMass, boiling, vapourMass, vapourMolar, nullptr);
}

int BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass, double* vapourVolume,
                      std::string* errorText) {
  double t = 0.0, vm = 0.0;
  int outside = 0;
  if (!VleFromLiquid(liquidMass, &t, &vm, nullptr, &outside)) {
    // The doubled percent sign is part of the message: it is assigned as is.
    SetError(errorText, outside == VleBelow ? "<=0%" : ">95.57%%");
    *boiling = -1.0;
    SetOptional(vapourMass, -1.0);
    SetOptional(vapourVolume, -1.0);
    return 0;
  }
  *boiling = t;
  SetOptional(vapourMass, vm);
  // The vapour of a tabulated mixture always lies within 0..100 %, so this
  // conversion does not fail; the table's own molar column is not used here.
  if (vapourVolume) MassToVolumeMolar(&vm, vapourVolume, nullptr, errorText);
  return 1;
}

int LiquidFromBoiling(double boiling, double* liquidMass, std::string* errorText) {
  int outside = 0;
  if (!VleFromBoiling(boiling, liquidMass, nullptr, nullptr, &outside)) {
    SetError(errorText, outside == VleAbove ? ">=100*C" : "<78.15*C");
    return 0;
  }
  return 1;
}

int VolumeToMassMolar(const double* volume, double* mass, double* molar, std::string* errorText) {
  if (!(*volume >= kPercentMin && *volume <= kPercentMax)) {
    SetError(errorText, kRangeMessage);
    return 0;
  }
  double m = 0.0;
  if (!ConvertConcentration(VolPct, MassPct, *volume, &m, nullptr, errorText)) return 0;
  SetOptional(mass, m);
  SetOptional(molar, MolarFromMass(m));
  return 1;
}

int MassToVolumeMolar(const double* mass, double* volume, double* molar, std::string* errorText) {
  double v = 0.0;
  if (!ConvertConcentration(MassPct, VolPct, *mass, &v, nullptr, errorText)) return 0;
  SetOptional(volume, v);
  SetOptional(molar, MolarFromMass(*mass));
  return 1;
}

int MolarToMassVolume(double* molar, double* volume, double* mass, std::string* errorText) {
  if (!(*molar >= kPercentMin && *molar <= kPercentMax)) {
    SetError(errorText, kRangeMessage);
    return 0;
  }
  const double m = MassFromMolar(*molar);
  SetOptional(mass, m);
  // The molar % is recomputed from the mass % into the input itself.
  return MassToVolumeMolar(&m, volume, molar, errorText);
}

namespace {

// Above the azeotrope the limit is told in the kind typed; by LiquidKind.
const char* const kAboveAzeotrope[] = {">97.17%", ">95.57%", ">89.41%"};

// BoilingFromStrength, telling in *outside which end of the table refused.
int BoilingOfStrength(int kind, double* liquidVol, double* liquidMass, double* liquidMol,
                      double* boiling, double* vapourMass, double* vapourMol, double* vapourVol,
                      int* outside, std::string* errorText) {
  int ok = 0;
  switch (kind) {
  case LiquidVolume:
    ok = VolumeToMassMolar(liquidVol, liquidMass, liquidMol, errorText);
    break;
  case LiquidMass:
    ok = MassToVolumeMolar(liquidMass, liquidVol, liquidMol, errorText);
    break;
  case LiquidMolar:
    ok = MolarToMassVolume(liquidMol, liquidVol, liquidMass, errorText);
    break;
  default:
    return 0;
  }
  if (!ok) return 0;

  double t = 0.0, vm = 0.0, vmol = 0.0;
  if (!VleFromLiquid(*liquidMass, &t, &vm, &vmol, outside)) {
    SetError(errorText, *outside == VleBelow ? "<=0%" : kAboveAzeotrope[kind]);
    return 0;
  }
  *boiling = t;
  *vapourMass = vm;
  *vapourMol = vmol;
  MassToVolumeMolar(vapourMass, vapourVol, nullptr, errorText);
  return 1;
}

} // namespace

const char* AboveAzeotropeMessage(int kind) {
  return kind >= LiquidVolume && kind <= LiquidMolar ? kAboveAzeotrope[kind] : nullptr;
}

double AzeotropeIn(int kind) {
  switch (kind) {
  case LiquidVolume:
    return kAzeotropeVol;
  case LiquidMass:
    return kAzeotropeMass;
  case LiquidMolar:
    return kAzeotropeMol;
  default:
    return 0.0;
  }
}

int BoilingFromStrength(int kind, double* liquidVol, double* liquidMass, double* liquidMol,
                        double* boiling, double* vapourMass, double* vapourMol, double* vapourVol,
                        std::string* errorText) {
  int outside = 0;
  return BoilingOfStrength(kind, liquidVol, liquidMass, liquidMol, boiling, vapourMass, vapourMol,
                           vapourVol, &outside, errorText);
}

int BoilingUpToAzeotrope(int kind, double strength, double* boiling, double* vapourMass,
                         double* vapourMol, double* vapourVol, std::string* errorText) {
  if (kind != LiquidVolume && kind != LiquidMass && kind != LiquidMolar) return 0;
  if (strength > AzeotropeIn(kind)) {
    SetError(errorText, kAboveAzeotrope[kind]);
    return 0;
  }
  double liquid[3] = {0.0, 0.0, 0.0}; // by LiquidKind
  liquid[kind] = strength;
  double t = 0.0, vm = 0.0, vmol = 0.0, vv = 0.0;
  int outside = 0;
  std::string error;
  if (!BoilingOfStrength(kind, &liquid[LiquidVolume], &liquid[LiquidMass], &liquid[LiquidMolar], &t,
                         &vm, &vmol, &vv, &outside, &error)) {
    // Refused as above the table while within the azeotrope: the azeotrope.
    if (outside != VleAbove) {
      SetError(errorText, error.c_str());
      return 0;
    }
    liquid[LiquidMass] = kAzeotropeMass;
    if (!BoilingOfStrength(LiquidMass, &liquid[LiquidVolume], &liquid[LiquidMass],
                           &liquid[LiquidMolar], &t, &vm, &vmol, &vv, &outside, &error)) {
      SetError(errorText, error.c_str());
      return 0;
    }
  }
  *boiling = t;
  *vapourMass = vm;
  *vapourMol = vmol;
  *vapourVol = vv;
  return 1;
}

int StrengthFromBoiling(double boiling, double* liquidVol, double* liquidMass, double* liquidMol,
                        double* vapourMass, double* vapourMol, double* vapourVol,
                        std::string* errorText) {
  double liquid = 0.0, vm = 0.0, vmol = 0.0;
  if (!LiquidFromBoiling(boiling, &liquid, errorText)) return 0;
  // The vapour on the same segment of the table.
  VleFromBoiling(boiling, nullptr, &vm, &vmol, nullptr);
  double volume = 0.0, molar = 0.0;
  if (!MassToVolumeMolar(&liquid, &volume, &molar, errorText)) return 0;
  *liquidMass = liquid;
  *liquidVol = volume;
  *liquidMol = molar;
  *vapourMass = vm;
  *vapourMol = vmol;
  MassToVolumeMolar(vapourMass, vapourVol, nullptr, errorText);
  return 1;
}

} // namespace brevimo
