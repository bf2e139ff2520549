// SPDX-License-Identifier: GPL-3.0-or-later
// Batch distillation of a wash in a pot still, simulated step by step.
//
// At each step a fraction 0.001 of the liquid then in the still is boiled
// off; the vapour leaving has the equilibrium composition of the boiling
// liquid and is all collected as distillate. The run starts from a liquid
// given by its boiling temperature or its strength and ends after the first
// step that takes the still below the end liquid, given the same two ways.
//
// The boiling model is reached through BoilingOperations, so the run works
// on whatever object holds it (the boiling page, or the plain table). Each
// completed step is handed to an optional sink; the run allocates nothing
// per step.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace brevimo {

// The two boiling operations a run needs, in the shapes of the boiling model.
// A failed call leaves its message in ErrorText().
class BoilingOperations {
public:
  // Boiling temperature (°C) to the liquid's ethanol mass %.
  virtual int LiquidFromBoiling(double boiling, double* liquidMass) = 0;
  // Liquid mass % to boiling temperature (required) and the vapour's mass %
  // and volume % of the condensate (both optional).
  virtual int BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass,
                                double* vapourVolume) = 0;
  virtual const std::string& ErrorText() const = 0;

protected:
  ~BoilingOperations() = default;
};

// The boiling operations over the built-in boiling table, with their own
// error text.
class TableBoiling final : public BoilingOperations {
public:
  int LiquidFromBoiling(double boiling, double* liquidMass) override;
  int BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass,
                        double* vapourVolume) override;
  const std::string& ErrorText() const override { return ErrText; }

  std::string ErrText;
};

// How the start or the end of a run is given.
enum RunPointKind : int {
  RunByBoiling = 0,  // boiling temperature of the still liquid, °C
  RunByStrength = 1, // strength of the still liquid, % vol
};

struct DistillationInput {
  int startKind = RunByBoiling; // any code but RunByStrength means a temperature
  double startValue = 92.5;
  int endKind = RunByBoiling;
  double endValue = 98.0;
  double washVolume = 1.0; // volumes of the run are in its unit
};

// The state after one step: a row of the results file.
struct DistillationStep {
  double TKipBak;   // boiling temperature of the still liquid, °C
  double VConBak;   // strength of the still liquid, % vol
  double VolBak;    // volume left in the still
  double ParVolCon; // strength of this step's vapour (as it left the liquid before the step), % vol
  double OutVol;    // distillate collected so far
  double OutVolCon; // strength of all distillate collected so far, % vol
};

// The columns of a step as the results file writes them: name and decimals.
struct DistillationColumn {
  const char* name;
  int decimals;
  double DistillationStep::*value;
};
inline constexpr DistillationColumn kDistillationColumns[] = {
    {"TKipBak", 2, &DistillationStep::TKipBak}, {"VConBak", 2, &DistillationStep::VConBak},
    {"VolBak", 4, &DistillationStep::VolBak},   {"ParVolCon", 2, &DistillationStep::ParVolCon},
    {"OutVol", 4, &DistillationStep::OutVol},   {"OutVolCon", 2, &DistillationStep::OutVolCon},
};
inline constexpr int kDistillationColumnCount = static_cast<int>(std::size(kDistillationColumns));

// Results of the last completed step; a failed run leaves those of the step
// before the failure (or the values passed in, when no step completed).
struct DistillationResult {
  double OutVol = 0.0;
  double OutVolCon = 0.0;
  double VolBak = 0.0;
  int steps = 0; // completed steps
};

class DistillationSink {
public:
  virtual void OnStep(const DistillationStep& step) = 0;

protected:
  ~DistillationSink() = default;
};

// Fraction of the still's liquid mass boiled off at each step.
inline constexpr double kRunStepFraction = 0.001;
// A run that has not reached its end after this many steps is stopped: the
// still then holds less than 1e-43 of its charge.
inline constexpr int kRunMaxSteps = 100000;

// ---- The pieces of a run, shared with the planned run (run_plan.h) ----

// Refuses a wash volume that is not a finite number above 0.
int CheckWashVolume(double washVolume, std::string* errorText);

// The still liquid's ethanol mass % at a run's start or end, given by its
// kind and value; with density, also its density (kg/l).
int RunPointMassPercent(int kind, double value, BoilingOperations& boiling, double* mass,
                        double* density, std::string* errorText);

// The boiling temperature of the charge of a run that starts at mass % m0.
// A start past the azeotrope is refused with the limit in the unit it was
// given in: a strength (% vol) as the boiling page tells it, ">97.17%".
int StartBoiling(int startKind, double m0, BoilingOperations& boiling, double* boilingTemp,
                 std::string* errorText);

// A still being boiled off. Masses are in kg per litre of the volume unit.
struct StillState {
  double M0 = 0.0;           // mass of the charge
  double M = 0.0;            // liquid mass in the still
  double A = 0.0, W = 0.0;   // ethanol and water in the still
  double m = 0.0;            // ethanol mass % of the still liquid
  double Ac = 0.0, Wc = 0.0; // ethanol and water collected
  double dA = 0.0, dW = 0.0; // ethanol and water of the last step's portion

  // Fills the still with `volume` of liquid of mass % m0 and density rho0.
  // Fails when the masses would not be finite.
  int Charge(double m0, double rho0, double volume, std::string* errorText);
  // The ethanol of the next step's portion, for a stream of streamMass mass %.
  double NextAlcohol(double streamMass) const { return M * kRunStepFraction * streamMass * 0.01; }
  // One step: kRunStepFraction of the still's liquid leaves as a stream of
  // streamMass mass %. Fills every field of *step but ParVolCon. Fails when
  // the still's strength does not fall (a stream no stronger than the
  // still) or a value would not be finite.
  int BoilOff(double streamMass, BoilingOperations& boiling, DistillationStep* step,
              std::string* errorText);
};

// Runs the simulation. Returns 1 when the run reached its end, 0 with the
// failure's message in *errorText otherwise (a boiling failure's message is
// the boiling object's ErrorText()). The sink, when given, receives every
// completed step in order.
int RunDistillation(const DistillationInput& input, BoilingOperations& boiling,
                    DistillationSink* sink, DistillationResult* result, std::string* errorText);

// The results file's format: a tab-separated header line, then one line per
// step. The distillation page writes it.
class DistillationFile {
public:
  static const char* const kName;   // "РезультатПерегонки.txt" (UTF-8)
  static const char* const kHeader; // the header line, with its line end

  // Formats a row as "%.2f\t%.2f\t%.4f\t%.2f\t%.4f\t%.2f\n" in the "C"
  // locale into buffer (kRowCapacity bytes, no terminating zero); returns
  // its length. Another separator than the tab gives the same fields (CSV).
  // A field of the largest double takes 316 bytes with its separator, so
  // six always fit.
  static constexpr std::size_t kRowCapacity = 2048;
  static std::size_t FormatRow(const DistillationStep& step, char* buffer, char separator = '\t');
  // One field as the row has it ("%.*f"), into buffer (kValueCapacity bytes,
  // no terminating zero); returns its length.
  static constexpr std::size_t kValueCapacity = 330;
  static std::size_t FormatValue(double value, int decimals, char* buffer);

  // The header line with another separator (',' gives CSV's).
  static std::string Header(char separator = '\t');
  // The whole table: the header, then a row per step; the page's file, the
  // chart's and the web app's CSV.
  static std::string Text(const std::vector<DistillationStep>& steps, char separator = '\t');
};

// A whole run as the chart and its table show it: the inputs, the results
// and every completed step.
struct DistillationRun {
  DistillationInput input;
  DistillationResult result;
  std::vector<DistillationStep> steps;
};

// Keeps every step of a run in run->steps and passes each on to next (the
// results file) when given. Room for kReserve steps is made once up front,
// which holds the usual runs; longer ones grow the store geometrically.
class DistillationRecorder final : public DistillationSink {
public:
  static constexpr std::size_t kReserve = 4096;
  explicit DistillationRecorder(DistillationRun* run, DistillationSink* next = nullptr)
      : m_run(run), m_next(next) {
    m_run->steps.clear();
    m_run->steps.reserve(kReserve);
  }
  void OnStep(const DistillationStep& step) override {
    m_run->steps.push_back(step);
    if (m_next) m_next->OnStep(step);
  }

private:
  DistillationRun* m_run;
  DistillationSink* m_next;
};

// A run as the distillation page and the command line make it: run->input
// is run on from run->result as it stands; with keepSteps every completed
// step is kept in run->steps (DistillationRecorder), and each is handed on
// to next when given. Returns RunDistillation's result, its message in
// *errorText.
int RecordDistillation(DistillationRun* run, BoilingOperations& boiling, bool keepSteps,
                       DistillationSink* next, std::string* errorText);

// The other quantity of a run's start or end: for a strength (% vol) the
// boiling temperature of that liquid, for a temperature the strength of the
// liquid boiling at it. The liquid's mass % on the way goes to *liquidMass.
// False when the boiling model or the conversion has none.
bool RunPointAlternative(int kind, double value, BoilingOperations& boiling, double* liquidMass,
                         double* alternative);

// Time unit of the distillate output page's flows, in its order.
enum FlowUnit : int {
  PerSecond = 0,
  PerMinute = 1,
  PerHour = 2,
};

// Bounds of the flows' inputs, both ends included: heat losses (% of the
// power), reflux ratio and distillate strength (% vol, the azeotrope's).
inline constexpr double kFlowMaxLosses = 99.9;
inline constexpr double kFlowMaxReflux = 1000.0;
inline constexpr double kFlowMaxStrength = 97.17;

// Refuses a heater power (W) not above 0, losses outside 0..kFlowMaxLosses
// or a reflux ratio outside 0..kFlowMaxReflux (NaN included), in this order.
int CheckStillInput(double power, double losses, double reflux, std::string* errorText);

// The distillate drawn off (ml/s) for checked still inputs and a distillate
// of massPct mass % and density (kg/l); the whole vapour flow to
// *totalFlow when given.
double DistillateOutputPerSecond(double power, double losses, double reflux, double massPct,
                                 double density, double* totalFlow);

// The flows of a still: heater power (W), heat losses (% of the power, 0..99.9),
// reflux ratio (0..1000) and distillate strength (% vol, 0..97.17) give the
// vapour flow the useful power evaporates (total) and the part of it drawn
// off (output), in ml per `unit` (an unknown unit counts as seconds). The
// inputs are checked in this order; the strength's mass % is written to the
// optional massPct once converted, even when the flows then overflow.
// Nothing else is written on failure.
int DistillateFlow(double power, double losses, double reflux, double strength, int unit,
                   double* totalFlow, double* outputFlow, double* massPct, std::string* errorText);

} // namespace brevimo
