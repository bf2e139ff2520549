// SPDX-License-Identifier: GPL-3.0-or-later
// Mixing page: the mixture of two solutions, or the solution 2 that turns
// solution 1 into a wanted result.
#pragma once

#include "calc/blending.h"
#include "pagelayer/property_page.h"

#include <string>

class CCalcSheet;

class CPP_CombRastv : public CPropertyPage {
public:
  CPP_CombRastv();

  double m_dVol1 = 1000.0;
  double m_dVol2 = 1000.0;
  double m_dVolRes = 1976.02;
  double m_dPct1 = 96.0; // strengths, % vol
  double m_dPct2 = 40.0;
  double m_dPctRes = 68.83;
  // Working values of the last calculation, not shown.
  brevimo::MixingWork m_Work;
  std::string ErrText;
  CCalcSheet* m_pSheet = nullptr;
  std::string m_sVol1, m_sVol2, m_sVolRes, m_sPct1, m_sPct2, m_sPctRes;
  int m_nMode = 0; // 0: solution 1 + solution 2 -> result; 1: solution 1, result -> solution 2

  bool OnApply() override { return false; }

  void OnCalc();
  void OnModeMix();
  void OnModeFindSecond();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  void SetReadOnly(int id, bool readOnly);
};
