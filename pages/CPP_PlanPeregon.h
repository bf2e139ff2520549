// SPDX-License-Identifier: GPL-3.0-or-later
// Planned run page: a charge boiled off in a pot with a column of plates
// and reflux above it, cut into heads (a share of the alcohol charged),
// hearts (until the stream weakens or the pot heats to a given point) and
// tails (to the run's end), each with its volume, strength, alcohol and
// the time it takes at the heater's power.
#pragma once

#include "calc/run_plan.h"
#include "pagelayer/property_page.h"

#include <memory>
#include <string>

class CCalcSheet;
class CPP_CalkTkip;

class CPP_PlanPeregon : public CPropertyPage {
public:
  CPP_PlanPeregon();

  CCalcSheet* m_pSheet = nullptr;
  CPP_CalkTkip* m_pBoilingPage = nullptr; // the sheet's boiling page
  // The inputs; the example: a second run of raw spirit in a pot still.
  double m_dVolume = 20.0; // charge, l
  int m_nStartKind = brevimo::RunByStrength;
  double m_dStart = 40.0; // % vol, or °C by the start kind
  double m_dPlates = 0.0;
  double m_dReflux = 3.0;
  double m_dPower = 2000.0; // W
  double m_dLosses = 10.0;  // %
  double m_dHeads = 5.0;    // % of the alcohol charged
  int m_nHeartsEndKind = brevimo::RunByStrength;
  double m_dHeartsEnd = 60.0;
  int m_nEndKind = brevimo::RunByBoiling;
  double m_dEnd = 98.0;
  std::string ErrText;
  CComboBox m_cStartKind, m_cHeartsEndKind, m_cEndKind;
  std::string m_sVolume, m_sStart, m_sPlates, m_sReflux, m_sPower, m_sLosses, m_sHeads;
  std::string m_sHeartsEnd, m_sEnd;
  // The last plan that could be made; none until the first.
  std::shared_ptr<const brevimo::RunPlan> m_lastPlan;

  bool OnApply() override { return false; }

  void OnCalcPlan();
  void ShowChart(); // button "График"

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  // Makes the plan of the members into m_lastPlan; false with ErrText.
  bool MakePlan();
};
