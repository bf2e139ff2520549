// SPDX-License-Identifier: GPL-3.0-or-later
#include "blending.h"

#include "concentration.h"
#include "number_text.h"
#include "tr_noop.h"

namespace brevimo {
namespace {} // namespace

// alcohol = m * rho * V * 0.01, water = (100 - m) * rho * V * 0.01
void SolutionMasses(double volume, double massPct, double density, double* alcohol, double* water) {
  *alcohol = massPct * density * volume * 0.01;
  *water = (100.0 - massPct) * density * volume * 0.01;
}

int DiluteSpirit(int given, double volume, double spiritMassPct, double spiritDensity,
                 double resultMassPct, double resultDensity, double* spiritVolume,
                 double* waterVolume, double* resultVolume, std::string* errorText) {
  if (resultMassPct > spiritMassPct) {
    SetError(errorText, BREVIMO_TR_NOOP("Конечный раствор крепче исходного"));
    return 0;
  }
  if (given != GivenSpirit && given != GivenWater && given != GivenResult)
    return 1; // no choice made: nothing to compute

  // No amount of spirit or water gives a result of 0 %: from the spirit or
  // the water the formulas below would divide by the result's alcohol. A
  // result of 0 % given by its volume is all water and no spirit. The
  // negated test also refuses NaN.
  if (given != GivenResult && !(resultMassPct > 0.0)) {
    SetError(errorText, BREVIMO_TR_NOOP("Крепость результата должна быть больше 0"));
    return 0;
  }

  const bool sameStrength = resultMassPct == spiritMassPct;
  if (sameStrength && given == GivenWater) {
    // No water is needed whatever the spirit, so the water cannot tell it.
    SetError(errorText,
             BREVIMO_TR_NOOP(
                 "Крепости исходного спирта и результата равны: по объему воды расчет невозможен"));
    return 0;
  }

  // Masses per unit volume (kg/l) of the spirit and of the result.
  double a0, w0, af, wf;
  SolutionMasses(1.0, spiritMassPct, spiritDensity, &a0, &w0);
  SolutionMasses(1.0, resultMassPct, resultDensity, &af, &wf);

  // Alcohol is conserved: a0 * V0 = af * Vr. The water added is the water of
  // the result less that of the spirit, read as a volume at
  // kDilutionWaterDensity.
  double v0, vw, vr;
  switch (given) {
  case GivenSpirit: {
    v0 = volume;
    const double alcohol = a0 * v0;
    vr = (alcohol + (100.0 - resultMassPct) * alcohol / resultMassPct) / resultDensity;
    vw = (vr * wf - v0 * w0) / kDilutionWaterDensity;
    break;
  }
  case GivenWater: {
    // Water per unit of spirit: besides equal strengths, refused above, it
    // is zero only when rounding makes two very close strengths meet.
    const double waterPerSpirit = wf * a0 / af - w0;
    if (waterPerSpirit == 0.0) {
      SetError(
          errorText,
          BREVIMO_TR_NOOP(
              "Крепости исходного спирта и результата равны: по объему воды расчет невозможен"));
      return 0;
    }
    vw = volume;
    v0 = vw * kDilutionWaterDensity / waterPerSpirit;
    vr = v0 * a0 / af;
    break;
  }
  default: // GivenResult
    vr = volume;
    v0 = vr * af / a0;
    vw = (vr * wf - v0 * w0) / kDilutionWaterDensity;
    break;
  }
  if (sameStrength) {
    // Nothing to dilute: the formulas leave a rounding residue of either
    // sign in the water, which would show as -0.00.
    vw = 0.0;
    if (given == GivenSpirit)
      vr = v0;
    else
      v0 = vr;
  }
  *spiritVolume = v0;
  *waterVolume = vw;
  *resultVolume = vr;
  return 1;
}

int CheckMixingInputs(double volume1, double strength1, double volume2, double strength2,
                      std::string* errorText) {
  if (volume1 < 0.0 || volume2 < 0.0) {
    SetError(errorText, BREVIMO_TR_NOOP("Объем <0"));
    return 0;
  }
  if (strength1 < 0.0 || strength2 < 0.0) {
    SetError(errorText, BREVIMO_TR_NOOP("% спирта <0"));
    return 0;
  }
  if (strength1 > kPercentMax || strength2 > kPercentMax) {
    SetError(errorText, BREVIMO_TR_NOOP("% спирта >100"));
    return 0;
  }
  return 1;
}

int CheckSecondSolutionInputs(double volume1, double strength1, double resultVolume,
                              double resultStrength, std::string* errorText) {
  if (volume1 < 0.0 || resultVolume < 0.0) {
    SetError(errorText, BREVIMO_TR_NOOP("Объем <0"));
    return 0;
  }
  if (volume1 > resultVolume) {
    SetError(errorText, BREVIMO_TR_NOOP("Объем раствора 1 > объема результата"));
    return 0;
  }
  if (strength1 < 0.0 || resultStrength < 0.0) {
    SetError(errorText, BREVIMO_TR_NOOP("% спирта <0"));
    return 0;
  }
  if (strength1 > kPercentMax || resultStrength > kPercentMax) {
    SetError(errorText, BREVIMO_TR_NOOP("% спирта >100"));
    return 0;
  }
  return 1;
}

// m = A / (A + W) * 100
double MixtureMassPct(double alcohol, double water) { return alcohol / (alcohol + water) * 100.0; }

// V = (W + A) / rho
double MixtureVolume(double alcohol, double water, double density) {
  return (water + alcohol) / density;
}

// A solution from its masses: mass %, density, then volume and % vol; both
// left untouched when the conversion refuses or a result is not finite.
int MixtureOf(double alcohol, double water, double* massPct, double* density, double* volume,
              double* strength, std::string* errorText) {
  *massPct = MixtureMassPct(alcohol, water);
  double s;
  if (!ConvertConcentration(MassPct, VolPct, *massPct, &s, density, errorText)) return 0;
  const double v = MixtureVolume(alcohol, water, *density);
  if (!AllFinite({v, s})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  *volume = v;
  *strength = s;
  return 1;
}

// A2 = Ar - A1, W2 = Wr - W1
int SecondSolutionMasses(double alcohol1, double water1, double resultAlcohol, double resultWater,
                         double* alcohol2, double* water2, std::string* errorText) {
  const double a2 = resultAlcohol - alcohol1;
  if (a2 < 0.0) {
    SetError(errorText, BREVIMO_TR_NOOP("% спирта в растворе 2 <0"));
    return 0;
  }
  *alcohol2 = a2;
  *water2 = resultWater - water1;
  return 1;
}

int DiluteByStrength(int given, double volume, double spiritStrength, double resultStrength,
                     double* spiritVolume, double* waterVolume, double* resultVolume,
                     std::string* errorText) {
  if (resultStrength > spiritStrength) {
    SetError(errorText, BREVIMO_TR_NOOP("Конечный раствор крепче исходного"));
    return 0;
  }
  double spiritMass, spiritDensity, resultMass, resultDensity;
  if (!ConvertConcentration(VolPct, MassPct, spiritStrength, &spiritMass, &spiritDensity,
                            errorText) ||
      !ConvertConcentration(VolPct, MassPct, resultStrength, &resultMass, &resultDensity,
                            errorText))
    return 0;
  double spirit = *spiritVolume, water = *waterVolume, result = *resultVolume;
  if (!DiluteSpirit(given, volume, spiritMass, spiritDensity, resultMass, resultDensity, &spirit,
                    &water, &result, errorText))
    return 0;
  // Volumes near the limits of double overflow.
  if (!AllFinite({spirit, water, result})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  *spiritVolume = spirit;
  *waterVolume = water;
  *resultVolume = result;
  return 1;
}

int MixSolutions(double volume1, double strength1, double volume2, double strength2, double* volume,
                 double* strength, MixingWork* work, std::string* errorText) {
  MixingWork local;
  MixingWork& w = work ? *work : local;
  if (!CheckMixingInputs(volume1, strength1, volume2, strength2, errorText)) return 0;
  if (!ConvertConcentration(VolPct, MassPct, strength1, &w.massPct1, &w.density1, errorText) ||
      !ConvertConcentration(VolPct, MassPct, strength2, &w.massPct2, &w.density2, errorText))
    return 0;
  SolutionMasses(volume1, w.massPct1, w.density1, &w.alcohol1, &w.water1);
  SolutionMasses(volume2, w.massPct2, w.density2, &w.alcohol2, &w.water2);
  w.alcoholRes = w.alcohol1 + w.alcohol2;
  w.waterRes = w.water1 + w.water2;
  // Volumes near the limits of double overflow.
  if (!AllFinite({w.alcoholRes, w.waterRes})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  // Undefined for two empty solutions: the conversion refuses it.
  return MixtureOf(w.alcoholRes, w.waterRes, &w.massPctRes, &w.densityRes, volume, strength,
                   errorText);
}

int FindSecondSolution(double volume1, double strength1, double resultVolume, double resultStrength,
                       double* volume2, double* strength2, MixingWork* work,
                       std::string* errorText) {
  MixingWork local;
  MixingWork& w = work ? *work : local;
  if (!CheckSecondSolutionInputs(volume1, strength1, resultVolume, resultStrength, errorText))
    return 0;
  if (!ConvertConcentration(VolPct, MassPct, strength1, &w.massPct1, &w.density1, errorText) ||
      !ConvertConcentration(VolPct, MassPct, resultStrength, &w.massPctRes, &w.densityRes,
                            errorText))
    return 0;
  SolutionMasses(volume1, w.massPct1, w.density1, &w.alcohol1, &w.water1);
  SolutionMasses(resultVolume, w.massPctRes, w.densityRes, &w.alcoholRes, &w.waterRes);
  // Volumes near the limits of double overflow.
  if (!AllFinite({w.alcohol1, w.water1, w.alcoholRes, w.waterRes})) {
    SetError(errorText, kNonFiniteMessage);
    return 0;
  }
  if (!SecondSolutionMasses(w.alcohol1, w.water1, w.alcoholRes, w.waterRes, &w.alcohol2, &w.water2,
                            errorText))
    return 0;
  // Outside 0..100, or undefined when solution 2 has no mass: the conversion
  // refuses it.
  return MixtureOf(w.alcohol2, w.water2, &w.massPct2, &w.density2, volume2, strength2, errorText);
}

} // namespace brevimo
