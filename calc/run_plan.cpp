// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_plan.h"

#include "boiling.h"
#include "concentration.h"
#include "number_text.h"
#include "tr_noop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace brevimo {

namespace {

const char* const kPlatesRange = BREVIMO_TR_NOOP("Число теоретических тарелок 0..50");
const char* const kHeadsRange = BREVIMO_TR_NOOP("Головы 0..50 % от абсолютного спирта");
const char* const kStreamCutRange =
    BREVIMO_TR_NOOP("Крепость отбора на отсечке должна быть больше 0 и меньше 100 % об.");
const char* const kCutsOrder =
    BREVIMO_TR_NOOP("Ошибка, тело должно кончиться не позже конца перегонки");
// The run's message, for a pot cut the charge is not above.
const char* const kStartNotAboveCut =
    BREVIMO_TR_NOOP("Ошибка, стартовая концентрация  ниже или равна стоповой");
const char* const kStreamNotAboveCut =
    BREVIMO_TR_NOOP("Ошибка, крепость отбора в начале перегонки не выше крепости отсечки");

const double kEthanolDensity = WaterAlcoholTable::Density[WaterAlcoholTable::kRows - 1];

int Fail(std::string* errorText, const char* message) {
  SetError(errorText, message);
  return 0;
}

int FailBoiling(std::string* errorText, const BoilingOperations& boiling) {
  if (errorText) *errorText = boiling.ErrorText();
  return 0;
}

// The liquid (molar %) in equilibrium with a vapour of yMolar molar %.
double LiquidOfVapour(double yMolar) {
  const double vapour = std::clamp(MassFromMolar(yMolar), 0.0, kAzeotropeMass);
  double liquid = 0.0;
  VleLiquidFromVapour(vapour, &liquid);
  return MolarFromMass(liquid);
}

// N equilibrium stages with the operating line y = a x + b x_D (molar %).
struct Column {
  int plates;
  double a, b;
  // The vapour that must rise from the pot for a distillate xD: the top
  // stage's vapour is xD (total condenser); each stage's liquid is in
  // equilibrium with its vapour and meets the vapour from below on the
  // operating line.
  double PotVapour(double xD) const {
    double y = xD;
    for (int n = 0; n < plates; ++n)
      y = a * LiquidOfVapour(y) + b * xD;
    return y;
  }
};

// The column's search: how close its answer comes (molar %), and the warm
// start's first secant step and most secant steps before the bracketed
// search takes over.
constexpr double kColumnTolerance = 1e-11;
constexpr double kSecantStart = 1e-4;
constexpr int kSecantSteps = 8;

// The root of h(x) = column.PotVapour(x) - target in lo..hi, where h rises,
// h(lo) <= 0 < h(hi): regula falsi, Illinois variant.
double SolveColumn(const Column& column, double target, double lo, double flo, double hi,
                   double fhi) {
  int side = 0;
  for (int i = 0; i < 200 && hi - lo > kColumnTolerance; ++i) {
    double x = (lo * fhi - hi * flo) / (fhi - flo);
    if (!(x > lo && x < hi)) x = 0.5 * (lo + hi);
    const double fx = column.PotVapour(x) - target;
    if (fx == 0.0) return x;
    if (fx > 0.0) {
      hi = x;
      fhi = fx;
      if (side > 0) flo *= 0.5;
      side = 1;
    } else {
      lo = x;
      flo = fx;
      if (side < 0) fhi *= 0.5;
      side = -1;
    }
  }
  return -flo < fhi ? lo : hi;
}

} // namespace

int ColumnDistillate(double potMass, int plates, double reflux, double hint,
                     double* distillateMass) {
  double vapourMass = 0.0;
  if (plates < 0 || !(reflux >= 0.0) ||
      !VleFromLiquid(potMass, nullptr, &vapourMass, nullptr, nullptr))
    return 0;
  if (plates == 0) {
    *distillateMass = vapourMass;
    return 1;
  }
  // a = R / (R + 1), written so that R = 0 and R = infinity give 0 and 1.
  const Column column{plates, 1.0 / (1.0 + 1.0 / reflux), 1.0 / (reflux + 1.0)};
  const double target = MolarFromMass(vapourMass);
  auto h = [&](double x) { return column.PotVapour(x) - target; };
  // The distillate lies between the pot's vapour (no stage enriches) and
  // the azeotrope; h rises from h(lo) <= 0. The ends' values are found when
  // needed (NaN until then), and every value found narrows the bracket.
  double lo = target, hi = MolarFromMass(kAzeotropeMass);
  double flo = std::nan(""), fhi = std::nan("");
  auto narrow = [&](double x, double fx) {
    if (fx > 0.0) {
      hi = x;
      fhi = fx;
    } else {
      lo = x;
      flo = fx;
    }
  };
  // Warm start: secant steps from the previous answer, which moves little
  // and smoothly from one step to the next.
  const double guess = hint > 0.0 ? MolarFromMass(std::min(hint, kAzeotropeMass)) : 0.0;
  if (guess > lo && guess < hi) {
    double x0 = guess, f0 = h(x0);
    narrow(x0, f0);
    double x1 = std::clamp(x0 + (f0 > 0.0 ? -kSecantStart : kSecantStart), lo, hi);
    double f1 = h(x1);
    narrow(x1, f1);
    for (int i = 0; i < kSecantSteps && f1 != f0; ++i) {
      const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
      if (!(x2 > lo && x2 < hi)) break;
      x0 = x1;
      f0 = f1;
      x1 = x2;
      f1 = h(x1);
      narrow(x1, f1);
      if (f1 == 0.0 || std::abs(x1 - x0) <= kColumnTolerance) {
        *distillateMass = std::min(MassFromMolar(x1), kAzeotropeMass);
        return 1;
      }
    }
  }
  if (std::isnan(fhi)) fhi = h(hi);
  if (std::isnan(flo)) flo = h(lo);
  double x = 0.0;
  if (!(fhi > 0.0))
    x = hi; // even the azeotrope needs no stronger vapour from the pot
  else if (!(flo < 0.0))
    x = lo;
  else
    x = SolveColumn(column, target, lo, flo, hi, fhi);
  *distillateMass = std::min(MassFromMolar(x), kAzeotropeMass);
  return 1;
}

namespace {

// A cut: the stream (% vol) or the pot (mass %) falling below value.
struct Cut {
  bool pot;
  double value;
};

int ReadCut(int kind, double value, BoilingOperations& boiling, Cut* cut, std::string* errorText) {
  cut->pot = kind != RunByStrength;
  if (cut->pot) return RunPointMassPercent(kind, value, boiling, &cut->value, nullptr, errorText);
  if (!(value > 0.0 && value < 100.0)) return Fail(errorText, kStreamCutRange);
  cut->value = value;
  return 1;
}

// The largest share of the pot's ethanol a step of a column takes.
constexpr double kStepMaxEthanolShare = 0.5;

// The stream drawn off a pot of potMass mass %: mass %, % vol and density.
struct Stream {
  double mass = 0.0, vol = 0.0, density = 0.0;
};

int StreamOf(double potMass, int plates, double reflux, BoilingOperations& boiling, Stream* stream,
             std::string* errorText) {
  if (plates == 0) {
    // The pot's vapour, looked up as the run does.
    double t = 0.0;
    if (!boiling.BoilingFromLiquid(potMass, &t, &stream->mass, &stream->vol))
      return FailBoiling(errorText, boiling);
  } else {
    if (!ColumnDistillate(potMass, plates, reflux, stream->mass, &stream->mass))
      return Fail(errorText, kNonFiniteMessage);
    // With much reflux the column strips a nearly spent pot of its ethanol
    // faster than a step's share of its mass would carry: a step takes at
    // most half of the ethanol left, so the pot never runs below none.
    stream->mass = std::min(stream->mass, kStepMaxEthanolShare * potMass / kRunStepFraction);
  }
  double vol = 0.0;
  if (!ConvertConcentration(MassPct, VolPct, stream->mass, &vol, &stream->density, errorText))
    return 0;
  if (plates > 0) stream->vol = vol;
  return 1;
}

int LiquidOf(double mass, double alcoholMass, PlanLiquid* liquid, std::string* errorText) {
  liquid->mass = mass;
  liquid->alcoholMass = alcoholMass;
  liquid->alcohol = alcoholMass / kEthanolDensity;
  if (mass == 0.0) return 1; // an empty fraction
  double density = 0.0;
  if (!ConvertConcentration(MassPct, VolPct, alcoholMass / mass * 100.0, &liquid->strength,
                            &density, errorText))
    return 0;
  liquid->volume = mass / density;
  if (!AllFinite({liquid->volume, liquid->alcohol})) return Fail(errorText, kNonFiniteMessage);
  return 1;
}

} // namespace

int PlanRun(const RunPlanInput& input, BoilingOperations& boiling, RunPlan* plan,
            std::string* errorText) {
  *plan = RunPlan{};
  if (!CheckWashVolume(input.washVolume, errorText)) return 0;
  double m0 = 0.0, rho0 = 0.0;
  if (!RunPointMassPercent(input.startKind, input.startValue, boiling, &m0, &rho0, errorText))
    return 0;
  if (input.plates < 0 || input.plates > kPlanMaxPlates) return Fail(errorText, kPlatesRange);
  const int plates = input.plates;
  const double reflux = plates > 0 ? input.reflux : 0.0;
  if (!CheckStillInput(input.power, input.losses, reflux, errorText)) return 0;
  // An endless power would take no time.
  if (!std::isfinite(input.power)) return Fail(errorText, kNonFiniteMessage);
  if (!(input.heads >= 0.0 && input.heads <= kPlanMaxHeads)) return Fail(errorText, kHeadsRange);
  Cut hearts{}, end{};
  if (!ReadCut(input.heartsEndKind, input.heartsEndValue, boiling, &hearts, errorText) ||
      !ReadCut(input.endKind, input.endValue, boiling, &end, errorText))
    return 0;
  // Of two cuts of a kind the hearts' must come first; of two kinds only the
  // run can tell.
  if (hearts.pot == end.pot && hearts.value < end.value) return Fail(errorText, kCutsOrder);
  for (const Cut& cut : {hearts, end})
    if (cut.pot && !(m0 > cut.value)) return Fail(errorText, kStartNotAboveCut);

  double t0 = 0.0;
  if (!StartBoiling(input.startKind, m0, boiling, &t0, errorText)) return 0;
  Stream stream;
  if (!StreamOf(m0, plates, reflux, boiling, &stream, errorText)) return 0;
  for (const Cut& cut : {hearts, end})
    if (!cut.pot && !(stream.vol > cut.value)) return Fail(errorText, kStreamNotAboveCut);

  StillState still;
  if (!still.Charge(m0, rho0, input.washVolume, errorText)) return 0;
  const double headsAlcohol = still.A * input.heads * 0.01;
  for (RunPlanFraction& f : plan->fractions) {
    f.endPotBoiling = t0;
    f.endStreamVol = stream.vol;
  }
  auto passed = [&](const Cut& cut) { return !((cut.pot ? still.m : stream.vol) >= cut.value); };

  double mass[kPlanFractions] = {}, alcohol[kPlanFractions] = {};
  double clock = 0.0; // minutes
  int fraction = PlanHeads;
  plan->course.reserve(DistillationRecorder::kReserve);
  for (;;) {
    if (end.pot && passed(end)) break;
    if (plan->steps > 0 && !StreamOf(still.m, plates, reflux, boiling, &stream, errorText))
      return 0;
    if (!end.pot && passed(end)) break;
    if (plan->steps >= kRunMaxSteps) {
      if (errorText)
        *errorText =
            FormatC(BREVIMO_TR_NOOP("Ошибка, стоповая концентрация не достигнута за %d шагов"),
                    kRunMaxSteps);
      return 0;
    }
    // A step belongs to the heads while the middle of its alcohol lies
    // below theirs (the heads come within half a step of their share), to
    // the hearts until their cut is passed.
    if (fraction == PlanHeads && !(still.Ac + 0.5 * still.NextAlcohol(stream.mass) < headsAlcohol))
      fraction = PlanHearts;
    if (fraction == PlanHearts && passed(hearts)) fraction = PlanTails;

    DistillationStep step{};
    step.ParVolCon = stream.vol;
    if (!still.BoilOff(stream.mass, boiling, &step, errorText)) return 0;
    const double stepMass = still.dA + still.dW;
    // l over ml/s, in minutes.
    const double minutes = stepMass / stream.density * 1000.0 /
                           DistillateOutputPerSecond(input.power, input.losses, reflux, stream.mass,
                                                     stream.density, nullptr) /
                           60.0;
    clock += minutes;
    if (!std::isfinite(clock)) return Fail(errorText, kNonFiniteMessage);
    mass[fraction] += stepMass;
    alcohol[fraction] += still.dA;
    RunPlanFraction& f = plan->fractions[fraction];
    f.minutes += minutes;
    ++f.steps;
    // A fraction not yet begun ends where the ones before it end.
    for (int later = fraction; later < kPlanFractions; ++later) {
      plan->fractions[later].endMinutes = clock;
      plan->fractions[later].endPotBoiling = step.TKipBak;
      plan->fractions[later].endStreamVol = stream.vol;
    }
    plan->course.push_back(
        {step.TKipBak, step.VConBak, step.VolBak, stream.vol, step.OutVol, clock, fraction});
    ++plan->steps;
  }

  for (int i = 0; i < kPlanFractions; ++i)
    if (!LiquidOf(mass[i], alcohol[i], &plan->fractions[i].liquid, errorText)) return 0;
  if (!LiquidOf(still.M, still.A, &plan->pot, errorText) ||
      !LiquidOf(still.M0, still.M0 * m0 * 0.01, &plan->charge, errorText))
    return 0;
  plan->heartsShare = alcohol[PlanHearts] / plan->charge.alcoholMass * 100.0;
  return 1;
}

const char* PlanCourseFile::ColumnName(int column) {
  return column < kPlanCourseFractionColumn ? kPlanCourseColumns[column].name : "fraction";
}

std::string PlanCourseFile::Header(char separator) {
  std::string header;
  for (int c = 0; c < kPlanCourseColumnCount; ++c) {
    header += ColumnName(c);
    header += c + 1 == kPlanCourseColumnCount ? '\n' : separator;
  }
  return header;
}

std::string PlanCourseFile::Cell(const RunPlanStep& step, int column) {
  if (column >= kPlanCourseFractionColumn)
    return step.fraction >= 0 && step.fraction < kPlanFractions ? kPlanFractionNames[step.fraction]
                                                                : "";
  const PlanCourseColumn& c = kPlanCourseColumns[column];
  char buffer[DistillationFile::kValueCapacity];
  return std::string(buffer, DistillationFile::FormatValue(step.*c.value, c.decimals, buffer));
}

std::string PlanCourseFile::Text(const std::vector<RunPlanStep>& course, char separator) {
  std::string text = Header(separator);
  text.reserve(text.size() + course.size() * 48);
  for (const RunPlanStep& step : course)
    for (int c = 0; c < kPlanCourseColumnCount; ++c) {
      text += Cell(step, c);
      text += c + 1 == kPlanCourseColumnCount ? '\n' : separator;
    }
  return text;
}

} // namespace brevimo
