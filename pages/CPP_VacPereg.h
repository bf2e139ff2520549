// SPDX-License-Identifier: GPL-3.0-or-later
// Vacuum distillation page: boiling temperature against saturated vapour
// pressure of pure ethanol and pure water, and for an ethanol-water solution
// any one of alcohol percent, boiling temperature and vapour pressure from
// the other two, with the solution's temperature and pressure in the units
// chosen in the page's lists.
#pragma once

#include "calc/vapour_pressure.h"
#include "pagelayer/property_page.h"

#include <string>

class CPP_VacPereg : public CPropertyPage {
public:
  CPP_VacPereg();

  double m_dAlcPressure = 760.0; // ethanol saturated vapour pressure, mm Hg
  double m_dWatPressure = 760.0; // water saturated vapour pressure, mm Hg
  double m_dAlcTemp = 78.39;     // ethanol boiling temperature, °C
  double m_dWatTemp = 99.9927;   // water boiling temperature, °C
  double m_dSolTemp = 84.1;      // solution boiling temperature, always °C
  double m_dSolPressure = 760.0; // solution vapour pressure, always mm Hg
  double m_dConc = 40.0;         // alcohol percent, of the kind m_nConcUnit
  int m_nConcUnit = brevimo::VolPct;
  int m_nTempUnit = brevimo::Celsius;
  int m_nPressureUnit = brevimo::MmHg;
  std::string ErrText;
  CComboBox m_cPressureUnit;
  CComboBox m_cTempUnit;
  CComboBox m_cConcUnit;
  std::string m_sAlcPressure, m_sWatPressure, m_sAlcTemp, m_sWatTemp;
  std::string m_sSolTemp, m_sSolPressure, m_sConc;

  void OnOK() override {}
  bool OnApply() override { return false; }

  void OnCalcAlcoholTemp();
  void OnCalcAlcoholPressure();
  void OnCalcWaterTemp();
  void OnCalcWaterPressure();
  void OnCalcSolutionPressure();
  void OnCalcSolutionTemp();
  void OnCalcSolutionConc();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  // The pattern of every button: read the fields, run calc (which reports
  // failure in ErrText), then show everything or the message.
  template <class Calc> void Calculate(Calc calc);
};
