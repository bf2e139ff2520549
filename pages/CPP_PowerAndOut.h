// SPDX-License-Identifier: GPL-3.0-or-later
// Distillate output page: the flow of distillate a still delivers for a
// heater power, heat losses, reflux ratio and distillate strength, in ml per
// second, minute or hour.
#pragma once

#include "pagelayer/property_page.h"

#include <string>

class CCalcSheet;

class CPP_PowerAndOut : public CPropertyPage {
public:
  CPP_PowerAndOut();

  double m_dPower = 1000.0;   // heater power, W
  double m_dLosses = 10.0;    // heat losses, %
  double m_dReflux = 3.0;     // reflux ratio
  double m_dStrength = 96.0;  // output distillate, % vol
  double m_dMassPct = 93.84;  // output distillate, mass % (last calculation)
  double m_dOutFlow = 0.29;   // output distillate flow, in the chosen unit
  double m_dTotalFlow = 1.16; // total distillate flow, in the chosen unit
  std::string ErrText;
  CCalcSheet* m_pSheet = nullptr;
  std::string m_sPower, m_sLosses, m_sReflux, m_sStrength, m_sOutFlow, m_sTotalFlow;
  int m_nUnit = 0; // 0 ml/s, 1 ml/min, 2 ml/h

  bool OnApply() override { return false; }

  void OnCalc();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
};
