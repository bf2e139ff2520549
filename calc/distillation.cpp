// SPDX-License-Identifier: GPL-3.0-or-later
#include "distillation.h"

#include "boiling.h"
#include "concentration.h"
#include "number_text.h"
#include "tr_noop.h"

#include <cmath>

namespace brevimo {

namespace {

const char* const kStartNotAboveEnd =
    BREVIMO_TR_NOOP("Ошибка, стартовая концентрация  ниже или равна стоповой");
const char* const kWashNotPositive = BREVIMO_TR_NOOP("Ошибка, объем браги должен быть больше 0");
const char* const kEndNotPositive =
    BREVIMO_TR_NOOP("Ошибка, стоповая концентрация должна быть больше 0");
const char* const kNoProgress = BREVIMO_TR_NOOP(
    "Ошибка, крепость в кубе больше не снижается: стоповая концентрация недостижима");

} // namespace

// After the marked messages: lupdate would list them under DistillationFile.
const char* const DistillationFile::kName = "РезультатПерегонки.txt";
const char* const DistillationFile::kHeader =
    "TKipBak\tVConBak\tVolBak\tParVolCon\tOutVol\tOutVolCon\n";

namespace {

int Fail(std::string* errorText, const char* message) {
  if (errorText) *errorText = message;
  return 0;
}

int FailBoiling(std::string* errorText, const BoilingOperations& boiling) {
  if (errorText) *errorText = boiling.ErrorText();
  return 0;
}

} // namespace

int TableBoiling::LiquidFromBoiling(double boiling, double* liquidMass) {
  return brevimo::LiquidFromBoiling(boiling, liquidMass, &ErrText);
}

int TableBoiling::BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass,
                                    double* vapourVolume) {
  return brevimo::BoilingFromLiquid(liquidMass, boiling, vapourMass, vapourVolume, &ErrText);
}

int CheckWashVolume(double washVolume, std::string* errorText) {
  // NaN and infinities are refused as well.
  if (!(washVolume > 0.0 && std::isfinite(washVolume))) return Fail(errorText, kWashNotPositive);
  return 1;
}

int RunPointMassPercent(int kind, double value, BoilingOperations& boiling, double* mass,
                        double* density, std::string* errorText) {
  if (kind == RunByStrength)
    return ConvertConcentration(VolPct, MassPct, value, mass, density, errorText);
  if (!boiling.LiquidFromBoiling(value, mass)) return FailBoiling(errorText, boiling);
  if (!density) return 1;
  double volume = 0.0;
  return ConvertConcentration(MassPct, VolPct, *mass, &volume, density, errorText);
}

int StartBoiling(int startKind, double m0, BoilingOperations& boiling, double* boilingTemp,
                 std::string* errorText) {
  if (boiling.BoilingFromLiquid(m0, boilingTemp, nullptr, nullptr)) return 1;
  if (startKind == RunByStrength && m0 > kAzeotropeMass)
    return Fail(errorText, AboveAzeotropeMessage(LiquidVolume));
  return FailBoiling(errorText, boiling);
}

int StillState::Charge(double m0, double rho0, double volume, std::string* errorText) {
  *this = StillState{};
  M0 = rho0 * volume;
  M = M0;
  A = M * m0 * 0.01;
  W = M - A;
  m = m0;
  // A charge too big for a double ends here rather than in NaN masses.
  if (!std::isfinite(A) || !std::isfinite(W)) return Fail(errorText, kNonFiniteMessage);
  return 1;
}

int StillState::BoilOff(double streamMass, BoilingOperations& boiling, DistillationStep* step,
                        std::string* errorText) {
  dA = NextAlcohol(streamMass);
  dW = M * kRunStepFraction - dA;
  Ac += dA;
  Wc += dW;
  A -= dA;
  W -= dW;
  M = W + A;
  const double mNext = A / M * 100.0;
  // Below the azeotrope every step lowers the strength; a step that does
  // not (at the azeotrope, or once the masses underflow) would repeat
  // forever. The negated test also stops on NaN.
  if (!(mNext < m)) return Fail(errorText, kNoProgress);
  m = mNext;

  if (!boiling.BoilingFromLiquid(m, &step->TKipBak, nullptr, nullptr))
    return FailBoiling(errorText, boiling);
  double rhoStill = 0.0, rhoOut = 0.0;
  if (!ConvertConcentration(MassPct, VolPct, m, &step->VConBak, &rhoStill, errorText)) return 0;
  const double D = Wc + Ac;
  if (!ConvertConcentration(MassPct, VolPct, Ac / D * 100.0, &step->OutVolCon, &rhoOut, errorText))
    return 0;
  step->OutVol = D / rhoOut;
  step->VolBak = (M0 - Ac - Wc) / rhoStill;
  if (!std::isfinite(step->OutVol) || !std::isfinite(step->VolBak))
    return Fail(errorText, kNonFiniteMessage);
  return 1;
}

int RunDistillation(const DistillationInput& input, BoilingOperations& boiling,
                    DistillationSink* sink, DistillationResult* result, std::string* errorText) {
  result->steps = 0;
  if (!CheckWashVolume(input.washVolume, errorText)) return 0;

  double m0 = 0.0, rho0 = 0.0, mEnd = 0.0;
  if (!RunPointMassPercent(input.startKind, input.startValue, boiling, &m0, &rho0, errorText))
    return 0;
  if (!RunPointMassPercent(input.endKind, input.endValue, boiling, &mEnd, nullptr, errorText))
    return 0;
  if (!(m0 > mEnd)) return Fail(errorText, kStartNotAboveEnd);
  // The still never runs quite dry of ethanol, so an end of 0 % is never passed.
  if (!(mEnd > 0.0)) return Fail(errorText, kEndNotPositive);
  double tKip = 0.0;
  if (!StartBoiling(input.startKind, m0, boiling, &tKip, errorText)) return 0;

  StillState still;
  if (!still.Charge(m0, rho0, input.washVolume, errorText)) return 0;

  while (still.m >= mEnd) {
    if (result->steps >= kRunMaxSteps) {
      if (errorText)
        *errorText =
            FormatC(BREVIMO_TR_NOOP("Ошибка, стоповая концентрация не достигнута за %d шагов"),
                    kRunMaxSteps);
      return 0;
    }
    DistillationStep step{};
    double y = 0.0; // vapour mass %
    if (!boiling.BoilingFromLiquid(still.m, &tKip, &y, &step.ParVolCon))
      return FailBoiling(errorText, boiling);
    if (!still.BoilOff(y, boiling, &step, errorText)) return 0;

    result->OutVol = step.OutVol;
    result->OutVolCon = step.OutVolCon;
    result->VolBak = step.VolBak;
    ++result->steps;
    if (sink) sink->OnStep(step);
  }
  return 1;
}

int RecordDistillation(DistillationRun* run, BoilingOperations& boiling, bool keepSteps,
                       DistillationSink* next, std::string* errorText) {
  if (!keepSteps) return RunDistillation(run->input, boiling, next, &run->result, errorText);
  DistillationRecorder recorder(run, next);
  return RunDistillation(run->input, boiling, &recorder, &run->result, errorText);
}

bool RunPointAlternative(int kind, double value, BoilingOperations& boiling, double* liquidMass,
                         double* alternative) {
  if (kind == RunByStrength)
    return ConvertConcentration(VolPct, MassPct, value, liquidMass, nullptr, nullptr) &&
           boiling.BoilingFromLiquid(*liquidMass, alternative, nullptr, nullptr);
  return boiling.LiquidFromBoiling(value, liquidMass) &&
         ConvertConcentration(MassPct, VolPct, *liquidMass, alternative, nullptr, nullptr);
}

std::size_t DistillationFile::FormatRow(const DistillationStep& step, char* buffer,
                                        char separator) {
  char* out = buffer;
  for (const DistillationColumn& c : kDistillationColumns) {
    out += FormatValue(step.*c.value, c.decimals, out);
    *out++ = &c == &kDistillationColumns[kDistillationColumnCount - 1] ? '\n' : separator;
  }
  return static_cast<std::size_t>(out - buffer);
}

std::size_t DistillationFile::FormatValue(double value, int decimals, char* buffer) {
  return FormatFixed(value, decimals, buffer, kValueCapacity);
}

std::string DistillationFile::Header(char separator) {
  std::string header;
  for (const DistillationColumn& c : kDistillationColumns) {
    header += c.name;
    header += &c == &kDistillationColumns[kDistillationColumnCount - 1] ? '\n' : separator;
  }
  return header;
}

std::string DistillationFile::Text(const std::vector<DistillationStep>& steps, char separator) {
  std::string text = Header(separator);
  text.reserve(text.size() + steps.size() * 48);
  char row[kRowCapacity];
  for (const DistillationStep& step : steps)
    text.append(row, FormatRow(step, row, separator));
  return text;
}

namespace {

// Latent heats of evaporation divided by 100: water 2256 J/g, ethanol
// 841.5468 J/g.
constexpr double kWaterHeat = 22.56;
constexpr double kEthanolHeat = 8.415468;

static_assert(kFlowMaxStrength == kAzeotropeVol);

} // namespace

int CheckStillInput(double power, double losses, double reflux, std::string* errorText) {
  if (!(power > 0.0)) return Fail(errorText, BREVIMO_TR_NOOP("Мощность <=0"));
  // The negated tests refuse NaN as well.
  if (!(losses >= 0.0 && losses <= kFlowMaxLosses))
    return Fail(errorText, BREVIMO_TR_NOOP("Процент потерь 0..99.9"));
  if (!(reflux >= 0.0 && reflux <= kFlowMaxReflux))
    return Fail(errorText, BREVIMO_TR_NOOP("Флегмовое число 0..1000"));
  return 1;
}

double DistillateOutputPerSecond(double power, double losses, double reflux, double massPct,
                                 double density, double* totalFlow) {
  // Useful power, W = J/s.
  const double useful = (100.0 - losses) * power * 0.01;
  // Heat to evaporate one ml of the distillate, J/ml (density in kg/l is
  // g/ml). Only the ethanol term is weighted by the density.
  const double heat = (100.0 - massPct) * kWaterHeat + density * massPct * kEthanolHeat;
  const double total = useful / heat; // ml/s
  if (totalFlow) *totalFlow = total;
  return total / (reflux + 1); // one part drawn off per reflux-ratio parts returned
}

int DistillateFlow(double power, double losses, double reflux, double strength, int unit,
                   double* totalFlow, double* outputFlow, double* massPct, std::string* errorText) {
  if (!CheckStillInput(power, losses, reflux, errorText)) return 0;
  if (strength < 0.0 || strength > kFlowMaxStrength)
    return Fail(errorText, BREVIMO_TR_NOOP("% дистиллята 0..97.17"));

  double m = 0.0, density = 0.0;
  if (!ConvertConcentration(VolPct, MassPct, strength, &m, &density, errorText)) return 0;
  if (massPct) *massPct = m;
  double total = 0.0;
  double output = DistillateOutputPerSecond(power, losses, reflux, m, density, &total);
  if (unit == PerMinute) {
    total *= 60.0;
    output *= 60.0;
  } else if (unit == PerHour) {
    total *= 3600.0;
    output *= 3600.0;
  }
  if (!AllFinite({total, output})) return Fail(errorText, kNonFiniteMessage);
  *totalFlow = total;
  *outputFlow = output;
  return 1;
}

} // namespace brevimo
