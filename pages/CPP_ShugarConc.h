// SPDX-License-Identifier: GPL-3.0-or-later
// Sugar solution page: the make-up of a batch of sugar solution (sugar,
// water, volume, weight, density) from what the solution should be and one
// known amount of the batch.
#pragma once

#include "pagelayer/property_page.h"

class CPP_ShugarConc : public CPropertyPage {
public:
  CPP_ShugarConc();

  // Defaults: the page's own result for 100 g/l and 1000 ml of result.
  double m_dWanted = 100.0;            // g/l, g/l or g/kg by the wanted kind
  double m_dGiven = 1000.0;            // g or ml by the given kind
  double m_dResultVolume = 1000.0;     // ml
  double m_dSugarWeight = 100.19;      // g
  double m_dWaterVolume = 940.04;      // ml
  double m_dResultWeight = 1038.57;    // g
  double m_dResultDensity = 1038.5656; // g/l
  int m_nSugarGiven = 2;               // brevimo::SugarGiven
  int m_nSugarWanted = 0;              // brevimo::SugarWanted
  std::string m_sGiven, m_sResultVolume, m_sSugarWeight, m_sWaterVolume;
  int m_nGivenRadio = 0, m_nWantedRadio = 0; // carry the two kinds through the exchange
  std::string m_sResultWeight, m_sResultDensity, m_sWanted;

  void OnCalcSugar();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
