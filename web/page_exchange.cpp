// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_exchange.h"

#include "calc/blending.h"
#include "calc/boiling.h"
#include "calc/concentration.h"
#include "calc/number_text.h"
#include "calc/sugar.h"
#include "calc/temperature_correction.h"
#include "calc/vapour_pressure.h"

#include <functional>

namespace brevimo::web {
namespace {

// The window's refusal of a field that is not a number (not translated
// there either).
constexpr const char* kEnterNumber = "Please enter a number.";

// One pass of the data exchange: reading (save) or showing.
class Dx {
public:
  Dx(Exchange& x, bool save) : x(x), save(save) {}

  // A number field read with the window's field rule. A read-only field is
  // an output: never refused, read as its number or 0.
  void Number(int id, double& value) {
    if (!save || Failed()) return;
    double parsed = 0.0;
    const bool ok = ParseFieldNumber(Text(id), &parsed);
    if (x.readOnly.count(id)) {
      value = ok ? parsed : 0.0;
      return;
    }
    if (!ok) return Fail(id, kEnterNumber);
    value = parsed;
  }

  // A field bound directly to a double: the strict rule, shown as "%.*g".
  void Strict(int id, double& value) {
    if (Failed()) return;
    if (!save) {
      x.text[id] = FormatC("%.*g", 15, value);
      return;
    }
    double parsed = 0.0;
    if (!ParseStrictNumber(Text(id), &parsed)) return Fail(id, kEnterNumber);
    value = parsed;
  }

  // A radio group, check box or list: its index (-1 when none).
  void Choice(int id, int& value) {
    if (Failed()) return;
    if (save) {
      auto it = x.choice.find(id);
      value = it == x.choice.end() ? -1 : it->second;
    } else {
      x.choice[id] = value;
    }
  }

  void Show(int id, const char* format, double value) {
    if (!save) x.text[id] = FormatC(format, value);
  }
  void ShowText(int id, const std::string& text) {
    if (!save) x.text[id] = text;
  }

  std::string Text(int id) const {
    auto it = x.text.find(id);
    return it == x.text.end() ? std::string() : it->second;
  }
  bool Failed() const { return x.failed != 0; }
  void Fail(int id, const char* message) {
    x.failed = id;
    if (message) x.messages.emplace_back(message);
  }

  Exchange& x;
  const bool save;
};

// The pattern of the window's pages: exchange(dx) is DoDataExchange.
class ExchangePage : public Page {
public:
  void Show(Exchange& x) override {
    Dx dx(x, false);
    Exchange_(dx);
  }
  bool Read(Exchange& x) {
    Dx dx(x, true);
    Exchange_(dx);
    return x.failed == 0;
  }
  static void Message(Exchange& x, const std::string& text) { x.messages.push_back(text); }

protected:
  virtual void Exchange_(Dx& dx) = 0;
};

// ---- temperature correction of a hydrometer reading ----
class KsTCorr final : public ExchangePage {
  static constexpr int kErrorLine = 1024;
  double m_dDensityInit = 0.8075, m_dDensityFinal = 0.8075, m_dTempMeasure = 20.0;
  double m_dTempWanted = 20.0, m_dReading = 96.0, m_dReadingFinal = 96.0;
  std::string ErrText;

  // The page's own reading: a refusal goes to the error line, not a box.
  void Read(Dx& dx, int id, double& value) {
    if (!dx.save || dx.Failed()) return;
    double parsed = 0.0;
    if (!ParseFieldNumber(dx.Text(id), &parsed)) {
      ErrText = kEnterNumber;
      dx.x.text[kErrorLine] = ErrText;
      dx.Fail(id, nullptr);
      return;
    }
    value = parsed;
  }

protected:
  void Exchange_(Dx& dx) override {
    dx.Show(1019, "%.4f", m_dDensityInit);
    dx.Show(1020, "%.4f", m_dDensityFinal);
    dx.Show(1016, "%.1f", m_dTempMeasure);
    dx.Show(1017, "%.1f", m_dTempWanted);
    dx.Show(1015, "%.2f", m_dReading);
    dx.Show(1018, "%.2f", m_dReadingFinal);
    if (dx.save)
      ErrText = dx.Text(kErrorLine);
    else
      dx.ShowText(kErrorLine, ErrText);
    Read(dx, 1015, m_dReading);
    Read(dx, 1016, m_dTempMeasure);
    Read(dx, 1017, m_dTempWanted);
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1021 || !ExchangePage::Read(x)) return;
    CorrectReading(m_dReading, m_dTempMeasure, m_dTempWanted, &m_dDensityInit, &m_dDensityFinal,
                   &m_dReadingFinal, &ErrText);
    Show(x);
  }
};

// ---- dilution ----
class RazvedSpirta final : public ExchangePage {
  double m_dGivenVol = 1000.0, m_dSpiritPct = 96.0, m_dResultPct = 40.0;
  double m_dSpiritVol = 1000.0, m_dWaterVol = 1467.97, m_dResultVol = 2400.11;
  int m_nGiven = 0;
  std::string ErrText;

protected:
  void Exchange_(Dx& dx) override {
    dx.Show(1041, "%.2f", m_dGivenVol);
    dx.Show(1039, "%.2f", m_dSpiritPct);
    dx.Show(1040, "%.2f", m_dResultPct);
    dx.Show(1043, "%.2f", m_dSpiritVol);
    dx.Show(1044, "%.2f", m_dWaterVol);
    dx.Show(1045, "%.2f", m_dResultVol);
    dx.Choice(1036, m_nGiven);
    dx.Number(1041, m_dGivenVol);
    dx.Number(1039, m_dSpiritPct);
    dx.Number(1040, m_dResultPct);
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1042 || !Read(x)) return;
    if (!DiluteByStrength(m_nGiven, m_dGivenVol, m_dSpiritPct, m_dResultPct, &m_dSpiritVol,
                          &m_dWaterVol, &m_dResultVol, &ErrText))
      return Message(x, ErrText);
    Show(x);
  }
};

// ---- mixing two solutions ----
class CombRastv final : public ExchangePage {
  double m_dVol1 = 1000.0, m_dVol2 = 1000.0, m_dVolRes = 1976.02;
  double m_dPct1 = 96.0, m_dPct2 = 40.0, m_dPctRes = 68.83;
  int m_nMode = 0;
  MixingWork m_Work;
  std::string ErrText;

protected:
  void Exchange_(Dx& dx) override {
    dx.Show(1011, "%.1f", m_dVol1);
    dx.Show(1013, "%.2f", m_dVol2);
    dx.Show(1015, "%.2f", m_dVolRes);
    dx.Show(1010, "%.2f", m_dPct1);
    dx.Show(1012, "%.2f", m_dPct2);
    dx.Show(1014, "%.2f", m_dPctRes);
    dx.Choice(1017, m_nMode);
    dx.Number(1011, m_dVol1);
    dx.Number(1013, m_dVol2);
    dx.Number(1015, m_dVolRes);
    dx.Number(1010, m_dPct1);
    dx.Number(1012, m_dPct2);
    dx.Number(1014, m_dPctRes);
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1004 || !Read(x)) return;
    int ok = 0;
    if (m_nMode == 0)
      ok = MixSolutions(m_dVol1, m_dPct1, m_dVol2, m_dPct2, &m_dVolRes, &m_dPctRes, &m_Work,
                        &ErrText);
    else if (m_nMode == 1)
      ok = FindSecondSolution(m_dVol1, m_dPct1, m_dVolRes, m_dPctRes, &m_dVol2, &m_dPct2, &m_Work,
                              &ErrText);
    else
      return;
    if (!ok) return Message(x, ErrText);
    Show(x);
  }
};

// ---- distillate output ----
class PowerAndOut final : public ExchangePage {
  double m_dPower = 1000.0, m_dLosses = 10.0, m_dReflux = 3.0, m_dStrength = 96.0;
  double m_dMassPct = 93.84, m_dOutFlow = 0.29, m_dTotalFlow = 1.16;
  int m_nUnit = 0;
  std::string ErrText;

protected:
  void Exchange_(Dx& dx) override {
    dx.Show(1002, "%.2f", m_dPower);
    dx.Show(1001, "%.2f", m_dLosses);
    dx.Show(1000, "%.1f", m_dReflux);
    dx.Show(1003, "%.2f", m_dStrength);
    dx.Show(1006, "%.2f", m_dOutFlow);
    dx.Show(1005, "%.2f", m_dTotalFlow);
    dx.Choice(1007, m_nUnit);
    dx.Number(1002, m_dPower);
    dx.Number(1001, m_dLosses);
    dx.Number(1000, m_dReflux);
    dx.Number(1003, m_dStrength);
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1004 || !Read(x)) return;
    double total = 0.0, output = 0.0;
    if (!DistillateFlow(m_dPower, m_dLosses, m_dReflux, m_dStrength, m_nUnit, &total, &output,
                        &m_dMassPct, &ErrText))
      return Message(x, ErrText);
    m_dTotalFlow = total;
    m_dOutFlow = output;
    Show(x);
  }
};

// ---- volume, mass and molar percent, density ----
class VolMasMol final : public ExchangePage {
  double m_dVolPct = 96.0, m_dMassPct = 93.84, m_dMolPct = 85.63, m_dDensity = 0.8075;
  double m_dAlcMassL = 0.7577, m_dAlcMassKg = 0.9384, m_dAlcVolL = 0.96, m_dAlcVolKg = 1.1889;
  double m_dWatMassL = 0.0497, m_dWatMassKg = 0.0616, m_dWatVolL = 0.0498, m_dWatVolKg = 0.0617;
  double m_dN = 1.0, m_dPycnometer = 0.8089;
  int m_nContraction = 1;
  std::string ErrText;

protected:
  void Exchange_(Dx& dx) override {
    dx.Show(1025, "%.2f", m_dVolPct);
    dx.Show(1026, "%.2f", m_dMassPct);
    dx.Show(1027, "%.2f", m_dMolPct);
    dx.Show(1031, "%.4f", m_dDensity);
    dx.Show(1032, "%.4f", m_dAlcMassL);
    dx.Show(1036, "%.4f", m_dAlcMassKg);
    dx.Show(1033, "%.4f", m_dAlcVolL);
    dx.Show(1037, "%.4f", m_dAlcVolKg);
    dx.Show(1034, "%.4f", m_dWatMassL);
    dx.Show(1038, "%.4f", m_dWatMassKg);
    dx.Show(1035, "%.4f", m_dWatVolL);
    dx.Show(1039, "%.4f", m_dWatVolKg);
    dx.Show(1042, "%.4f", m_dN);
    dx.Show(1041, "%.4f", 1.0 / m_dDensity);
    dx.Show(1044, "%.4f", m_dPycnometer);
    dx.Choice(1040, m_nContraction);
    dx.Number(1025, m_dVolPct);
    dx.Number(1026, m_dMassPct);
    dx.Number(1027, m_dMolPct);
    dx.Number(1042, m_dN);
  }

  bool RecalcComposition(Exchange& x) {
    Composition c;
    if (!ComposeMixture(m_dMassPct, m_dVolPct, m_dDensity, m_dN, m_nContraction != 0, &c,
                        &ErrText)) {
      Message(x, ErrText);
      return false;
    }
    m_dAlcMassL = c.alcoholMassL;
    m_dAlcMassKg = c.alcoholMassKg;
    m_dWatMassL = c.waterMassL;
    m_dWatMassKg = c.waterMassKg;
    m_dAlcVolL = c.alcoholVolumeL;
    m_dAlcVolKg = c.alcoholVolumeKg;
    m_dWatVolL = c.waterVolumeL;
    m_dWatVolKg = c.waterVolumeKg;
    m_dPycnometer = m_dDensity * kPerKgPycnometerWater;
    Show(x);
    return true;
  }

  void CalcFrom(int unit, double value, Exchange& x) {
    Strengths s;
    if (!CompleteStrengths(unit, value, &s, &ErrText)) return Message(x, ErrText);
    m_dVolPct = s.vol;
    m_dMassPct = s.mass;
    m_dMolPct = s.mol;
    m_dDensity = s.density;
    RecalcComposition(x);
  }

  // A field read on its own, as the window's ParseNumber.
  bool ParseNumber(int id, double& value, Exchange& x) {
    Dx dx(x, true);
    dx.Number(id, value);
    return !dx.Failed();
  }

  void CalcFromDensity(double density, double reading, Exchange& x) {
    double massPct = 0.0;
    if (!ConcentrationFromDensity(density, MassPct, &massPct, &ErrText)) return Message(x, ErrText);
    m_dDensity = density;
    m_dPycnometer = reading;
    m_dMassPct = massPct;
    // Everything is recomputed from the mass percent as shown (two decimals).
    Show(x);
    if (!Read(x)) return;
    CalcFrom(MassPct, m_dMassPct, x);
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1028 && id != 1029 && id != 1030 && id != 1043 && id != 1045) return;
    if (!Read(x)) return;
    switch (id) {
    case 1028:
      return CalcFrom(VolPct, m_dVolPct, x);
    case 1029:
      return CalcFrom(MassPct, m_dMassPct, x);
    case 1030:
      return CalcFrom(MolPct, m_dMolPct, x);
    case 1043: {
      double density = m_dDensity;
      if (!ParseNumber(1031, density, x)) return;
      return CalcFromDensity(density, m_dPycnometer, x);
    }
    case 1045: {
      double reading = m_dPycnometer;
      if (!ParseNumber(1044, reading, x)) return;
      return CalcFromDensity(reading * kPycnometerWater, reading, x);
    }
    }
  }
};

// ---- boiling point and vapour ----
class CalkTkip final : public ExchangePage {
  double m_dBoilTemp = 78.21, m_dLiqMass = 93.84, m_dLiqVol = 96.0, m_dLiqMol = 85.63;
  double m_dVapMass = 94.07, m_dVapMol = 86.13, m_dVapVol = 96.15;
  std::string m_sConc = "96.0";
  int m_nUnit = 0;
  std::string ErrText;

  double* LiquidMember(int unit) {
    switch (unit) {
    case 0:
      return &m_dLiqVol;
    case 1:
      return &m_dLiqMass;
    case 2:
      return &m_dLiqMol;
    default:
      return nullptr;
    }
  }

protected:
  void Exchange_(Dx& dx) override {
    if (!dx.save) {
      if (const double* liquid = LiquidMember(m_nUnit)) m_sConc = FormatC("%.2f", *liquid);
      dx.ShowText(1025, m_sConc);
    }
    dx.Show(1030, "%.2f", m_dBoilTemp);
    dx.Show(1036, "%.2f", m_dVapMass);
    dx.Show(1037, "%.2f", m_dVapMol);
    dx.Show(1038, "%.2f", m_dVapVol);
    dx.Choice(1032, m_nUnit);
    if (dx.save && !dx.Failed()) m_sConc = dx.Text(1025);
    if (double* liquid = LiquidMember(m_nUnit)) dx.Number(1025, *liquid);
    dx.Number(1030, m_dBoilTemp);
  }

public:
  void Click(int id, Exchange& x) override {
    if (id == 1031) {
      if (!Read(x)) return;
      if (!LiquidMember(m_nUnit)) return;
      if (!BoilingFromStrength(m_nUnit, &m_dLiqVol, &m_dLiqMass, &m_dLiqMol, &m_dBoilTemp,
                               &m_dVapMass, &m_dVapMol, &m_dVapVol, &ErrText))
        return Message(x, ErrText);
      Show(x);
    } else if (id == 1033) {
      if (!Read(x)) return;
      if (!StrengthFromBoiling(m_dBoilTemp, &m_dLiqVol, &m_dLiqMass, &m_dLiqMol, &m_dVapMass,
                               &m_dVapMol, &m_dVapVol, &ErrText))
        return Message(x, ErrText);
      Show(x);
    }
  }
};

// ---- vacuum boiling ----
class VacPereg final : public ExchangePage {
  double m_dAlcPressure = 760.0, m_dWatPressure = 760.0, m_dAlcTemp = 78.39;
  double m_dWatTemp = 99.9927, m_dSolTemp = 84.1, m_dSolPressure = 760.0, m_dConc = 40.0;
  int m_nConcUnit = VolPct, m_nTempUnit = Celsius, m_nPressureUnit = MmHg;
  std::string ErrText;

  // A solution field given in a unit into its member (°C or mm Hg); refused
  // when the conversion or its showing would not be finite.
  static void ReadInUnit(Dx& dx, int id, int unit, int (*toBase)(int, double, double*),
                         int (*fromBase)(int, double, double*), double& member) {
    double typed = 0.0;
    dx.Number(id, typed);
    if (dx.Failed()) return;
    double base = 0.0, shown = 0.0;
    if (!toBase(unit, typed, &base)) return;
    fromBase(unit, base, &shown);
    if (!AllFinite({base, shown})) return dx.Fail(id, kNonFiniteMessage);
    member = base;
  }
  static void ShowInUnit(Dx& dx, int id, double member, int unit,
                         int (*fromBase)(int, double, double*)) {
    double shown = 0.0;
    if (fromBase(unit, member, &shown)) dx.Show(id, "%.2f", shown);
  }

protected:
  void Exchange_(Dx& dx) override {
    if (!dx.save) {
      dx.Show(1022, "%.2f", m_dAlcPressure);
      dx.Show(1026, "%.2f", m_dWatPressure);
      dx.Show(1021, "%.2f", m_dAlcTemp);
      dx.Show(1025, "%.2f", m_dWatTemp);
      dx.Show(1030, "%.2f", m_dConc);
      ShowInUnit(dx, 1031, m_dSolTemp, m_nTempUnit, TemperatureFromCelsius);
      ShowInUnit(dx, 1032, m_dSolPressure, m_nPressureUnit, PressureFromMmHg);
      // The lists keep what the user chose; the window sets them only at start.
      return;
    }
    dx.Number(1022, m_dAlcPressure);
    dx.Number(1026, m_dWatPressure);
    dx.Number(1021, m_dAlcTemp);
    dx.Number(1025, m_dWatTemp);
    dx.Number(1030, m_dConc);
    if (dx.Failed()) return;
    dx.Choice(1029, m_nConcUnit);
    dx.Choice(1036, m_nTempUnit);
    dx.Choice(1037, m_nPressureUnit);
    ReadInUnit(dx, 1031, m_nTempUnit, TemperatureToCelsius, TemperatureFromCelsius, m_dSolTemp);
    ReadInUnit(dx, 1032, m_nPressureUnit, PressureToMmHg, PressureFromMmHg, m_dSolPressure);
  }

public:
  void Show(Exchange& x) override {
    ExchangePage::Show(x);
    // The lists' initial units (the window's OnInitDialog).
    if (!x.choice.count(1029)) {
      x.choice[1029] = m_nConcUnit;
      x.choice[1036] = m_nTempUnit;
      x.choice[1037] = m_nPressureUnit;
    }
  }

  void Click(int id, Exchange& x) override {
    std::function<int()> calc;
    switch (id) {
    case 1023:
      calc = [this] { return AlcoholPressureFromBoiling(m_dAlcTemp, &m_dAlcPressure, &ErrText); };
      break;
    case 1024:
      calc = [this] { return AlcoholBoilingFromPressure(m_dAlcPressure, &m_dAlcTemp, &ErrText); };
      break;
    case 1027:
      calc = [this] { return WaterPressureFromBoiling(m_dWatTemp, &m_dWatPressure, &ErrText); };
      break;
    case 1028:
      calc = [this] { return WaterBoilingFromPressure(m_dWatPressure, &m_dWatTemp, &ErrText); };
      break;
    case 1033:
      calc = [this] {
        return SolutionPressureAtBoiling(m_nConcUnit, m_dConc, m_dSolTemp, &m_dSolPressure,
                                         &ErrText);
      };
      break;
    case 1034:
      calc = [this] {
        return SolutionBoilingAtPressure(m_nConcUnit, m_dConc, m_dSolPressure, &m_dSolTemp,
                                         &ErrText);
      };
      break;
    case 1035:
      calc = [this] {
        return SolutionConcentrationAt(m_nConcUnit, m_dSolTemp, m_dSolPressure, &m_dConc, &ErrText);
      };
      break;
    default:
      return;
    }
    if (!Read(x)) return;
    if (!calc()) return Message(x, ErrText);
    Show(x);
  }
};

// ---- sugar wash ----
class ShugarConc final : public ExchangePage {
  double m_dWanted = 100.0, m_dGiven = 1000.0, m_dResultVolume = 1000.0;
  double m_dSugarWeight = 100.19, m_dWaterVolume = 940.04, m_dResultWeight = 1038.57;
  double m_dResultDensity = 1038.5656;
  int m_nSugarGiven = 2, m_nSugarWanted = 0, m_nGivenRadio = 0, m_nWantedRadio = 0;

protected:
  void Exchange_(Dx& dx) override {
    if (!dx.save) {
      m_nGivenRadio = m_nSugarGiven;
      m_nWantedRadio = m_nSugarWanted;
    }
    dx.Show(1047, "%8.4f", m_dWanted);
    dx.Show(1046, "%8.2f", m_dGiven);
    dx.Show(1045, "%8.2f", m_dResultVolume);
    dx.Show(1048, "%8.2f", m_dSugarWeight);
    dx.Show(1044, "%8.2f", m_dWaterVolume);
    dx.Show(1049, "%8.2f", m_dResultWeight);
    dx.Show(1050, "%8.2f", m_dResultDensity);
    dx.Choice(1036, m_nGivenRadio);
    dx.Choice(1040, m_nWantedRadio);
    dx.Number(1047, m_dWanted);
    dx.Number(1046, m_dGiven);
    dx.Number(1045, m_dResultVolume);
    dx.Number(1048, m_dSugarWeight);
    dx.Number(1044, m_dWaterVolume);
    dx.Number(1049, m_dResultWeight);
    dx.Number(1050, m_dResultDensity);
    if (dx.save && !dx.Failed()) {
      m_nSugarGiven = m_nGivenRadio;
      m_nSugarWanted = m_nWantedRadio;
    }
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1042 || !Read(x)) return;
    if (m_nSugarGiven < GivenSugarWeight || m_nSugarGiven > GivenResultWeight) return;
    if (m_nSugarWanted < WantedSugarPerLitre || m_nSugarWanted > WantedSugarPerKilogram) return;
    SugarBatch batch;
    std::string error;
    if (!MakeSugarBatch(m_nSugarWanted, m_dWanted, m_nSugarGiven, m_dGiven, &batch, &error))
      return Message(x, error);
    m_dSugarWeight = batch.sugarWeight;
    m_dWaterVolume = batch.waterVolume;
    m_dResultVolume = batch.resultVolume;
    m_dResultWeight = batch.resultWeight;
    m_dResultDensity = batch.resultDensity;
    Show(x);
  }
};

// ---- distillation run ----
class Peregon final : public ExchangePage {
  int m_nStartKind = 0, m_nEndKind = 0;
  double m_dStart = 92.5, m_dEnd = 98.0, m_dWash = 1.0;
  double OutVol = 0.0, OutVolCon = 0.0, VolBak = 0.0;
  double m_dAltStart = 10.16, m_dAltEnd = 2.13, m_dWorkMass = 0.0;
  double m_dStartShown = 92.5, m_dEndShown = 98.0, m_dWashShown = 1.0;
  std::string m_sAltStart, m_sAltEnd;
  std::string ErrText;
  TableBoiling m_boiling; // the boiling page's model, with its error text
  std::shared_ptr<const DistillationRun> m_lastRun;

  bool Alternative(int kind, double value, double* alternative) {
    return RunPointAlternative(kind, value, m_boiling, &m_dWorkMass, alternative);
  }

protected:
  void Exchange_(Dx& dx) override {
    if (!dx.save) {
      m_dStartShown = m_dStart;
      m_dEndShown = m_dEnd;
      m_dWashShown = m_dWash;
      dx.Show(1063, "%.4f", OutVol);
      dx.Show(1065, "%.4f", OutVolCon);
      dx.Show(1067, "%.4f", VolBak);
      // A failed alternative keeps its last text; one message for both.
      double alternative = 0.0;
      bool failed = false;
      if (Alternative(m_nStartKind, m_dStart, &alternative)) {
        m_dAltStart = alternative;
        m_sAltStart = FormatC("%.2f", m_dAltStart);
      } else {
        failed = true;
      }
      if (Alternative(m_nEndKind, m_dEnd, &alternative)) {
        m_dAltEnd = alternative;
        m_sAltEnd = FormatC("%.2f", m_dAltEnd);
      } else {
        failed = true;
      }
      if (failed) dx.x.messages.emplace_back("Parameters Error");
      dx.ShowText(1058, m_sAltStart);
      dx.ShowText(1061, m_sAltEnd);
      dx.ShowText(1059, m_nStartKind == RunByStrength ? "Темпер." : "Об%");
      dx.ShowText(1060, m_nEndKind == RunByStrength ? "Темпер." : "Об%");
    }
    int startKind = m_nStartKind, endKind = m_nEndKind;
    dx.Choice(1055, startKind);
    dx.Choice(1056, endKind);
    dx.Strict(1053, m_dStartShown);
    dx.Strict(1054, m_dEndShown);
    dx.Strict(1057, m_dWashShown);
    if (dx.save && !dx.Failed()) {
      m_nStartKind = startKind;
      m_nEndKind = endKind;
      m_dStart = m_dStartShown;
      m_dEnd = m_dEndShown;
      m_dWash = m_dWashShown;
    }
  }

public:
  void Click(int id, Exchange& x) override {
    if (id != 1062 || !Read(x)) return;
    auto run = std::make_shared<DistillationRun>();
    run->input = {m_nStartKind, m_dStart, m_nEndKind, m_dEnd, m_dWash};
    DistillationResult& result = run->result;
    result = {OutVol, OutVolCon, VolBak, 0};
    int ok = 0;
    {
      DistillationRecorder recorder(run.get());
      ok = RunDistillation(run->input, m_boiling, &recorder, &result, &ErrText);
    }
    OutVol = result.OutVol;
    OutVolCon = result.OutVolCon;
    VolBak = result.VolBak;
    if (!ok) return Message(x, ErrText);
    m_lastRun = std::move(run);
    Show(x);
  }

  const DistillationRun* LastRun() const override { return m_lastRun.get(); }
};

} // namespace

const std::vector<std::string>& PageClassNames() {
  static const std::vector<std::string> names = {
      "CPP_KsTCorr",  "CPP_RazvedSpirta", "CPP_CombRastv",  "CPP_PowerAndOut", "CPP_VolMasMol",
      "CPP_CalkTkip", "CPP_VacPereg",     "CPP_ShugarConc", "CPP_Peregon"};
  return names;
}

std::unique_ptr<Page> MakePage(const std::string& className) {
  if (className == "CPP_KsTCorr") return std::make_unique<KsTCorr>();
  if (className == "CPP_RazvedSpirta") return std::make_unique<RazvedSpirta>();
  if (className == "CPP_CombRastv") return std::make_unique<CombRastv>();
  if (className == "CPP_PowerAndOut") return std::make_unique<PowerAndOut>();
  if (className == "CPP_VolMasMol") return std::make_unique<VolMasMol>();
  if (className == "CPP_CalkTkip") return std::make_unique<CalkTkip>();
  if (className == "CPP_VacPereg") return std::make_unique<VacPereg>();
  if (className == "CPP_ShugarConc") return std::make_unique<ShugarConc>();
  if (className == "CPP_Peregon") return std::make_unique<Peregon>();
  return nullptr;
}

} // namespace brevimo::web
