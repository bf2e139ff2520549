// SPDX-License-Identifier: GPL-3.0-or-later
// Dilution page: how much water brings spirit down to a lower strength, from
// the volume of the spirit, of the water or of the result.
#pragma once

#include "pagelayer/property_page.h"

#include <string>

class CCalcSheet;

class CPP_RazvedSpirta : public CPropertyPage {
public:
  CPP_RazvedSpirta();

  double m_dGivenVol = 1000.0;
  double m_dSpiritPct = 96.0; // initial strength, % vol
  double m_dResultPct = 40.0; // result strength, % vol
  double m_dSpiritVol = 1000.0;
  double m_dWaterVol = 1467.97;
  double m_dResultVol = 2400.11;
  std::string ErrText;
  CCalcSheet* m_pSheet = nullptr;
  std::string m_sGivenVol, m_sSpiritPct, m_sResultPct, m_sSpiritVol, m_sWaterVol, m_sResultVol;
  int m_nGiven = 0; // brevimo::DilutionGiven

  bool OnApply() override { return false; }

  void OnCalc();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
};
