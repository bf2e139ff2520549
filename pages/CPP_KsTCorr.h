// SPDX-License-Identifier: GPL-3.0-or-later
// Hydrometer temperature correction page: a reading in % vol taken at one
// temperature, the density it stands for, the density of the same liquid at
// another temperature and the reading it would give there. Messages go to
// the page's own error line (static 1024), never to a message box.
#pragma once

#include "calc/temperature_correction.h"
#include "pagelayer/property_page.h"

#include <string>

class CCalcSheet;

class CPP_KsTCorr : public CPropertyPage {
public:
  CPP_KsTCorr();

  double m_dDensityInit = 0.8075;  // the density the reading stands for, kg/l
  double m_dDensityFinal = 0.8075; // the same liquid at the wanted temperature, kg/l
  double m_dTempMeasure = 20.0;    // °C
  double m_dTempWanted = 20.0;     // °C
  double m_dReading = 96.0;        // hydrometer reading, % vol
  double m_dReadingFinal = 96.0;   // equivalent reading at the wanted temperature, % vol
  CCalcSheet* m_pSheet = nullptr;
  std::string m_sDensityInit, m_sDensityFinal, m_sTempMeasure, m_sTempWanted, m_sReadingFinal;
  std::string ErrText;
  std::string m_sReading;

  bool OnApply() override { return false; }

  void OnCalcCorrection();

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  // Reads an input text into its member; a text without a number is
  // refused in the error line, with the focus on the field.
  void ReadNumber(CDataExchange* pDX, int id, const std::string& text, double& value);
};
