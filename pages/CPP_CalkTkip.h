// SPDX-License-Identifier: GPL-3.0-or-later
// Boiling temperature and vapour page: the boiling temperature of a liquid
// given in volume, mass or molar percent and the composition of its vapour,
// or the liquid that boils at a given temperature.
//
// The page object also carries the boiling operations that the distillation
// run calls on the sheet's member; they use only ErrText and the boiling
// model, never the page's window, so they work before the tab was opened.
#pragma once

#include "pagelayer/property_page.h"

#include <string>

class CCalcSheet;

class CPP_CalkTkip : public CPropertyPage {
public:
  CPP_CalkTkip();

  CCalcSheet* m_pSheet = nullptr;
  double m_dBoilTemp = 78.21; // °C
  double m_dLiqMass = 93.84;  // liquid ethanol, mass %
  double m_dLiqVol = 96.0;    // liquid ethanol, volume %
  double m_dLiqMol = 85.63;   // liquid ethanol, molar %
  double m_dVapMass = 94.07;  // ethanol in the vapour, mass %
  double m_dVapMol = 86.13;   // ethanol in the vapour, molar %
  double m_dVapVol = 96.15;   // ethanol in the vapour (condensate), volume %
  std::string ErrText;
  std::string m_sBoilTemp;
  std::string m_sConc = "96.0";
  int m_nUnit = 0; // 0 volume %, 1 mass %, 2 molar %
  std::string m_sVapMass, m_sVapMol, m_sVapVol;

  // Liquid mass % to boiling temperature (required) and the vapour's mass %
  // and volume % (optional). On failure ErrText is "<=0%" or ">95.57%%" and
  // every present output is -1.0.
  int BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass,
                        double* vapourVolume);
  // Boiling temperature to liquid mass %. On failure ErrText is ">=100*C" or
  // "<78.15*C" and the output is unchanged.
  int LiquidFromBoiling(double boiling, double* liquidMass);
  // Liquid mass % to boiling temperature, vapour mass % and vapour molar %;
  // no message, nothing written on failure.
  static int BoilingLookup(double liquidMass, double* boiling, double* vapourMass,
                           double* vapourMolar);

  bool OnApply() override { return false; }

  void OnCalcFromConc();
  void OnCalcFromTemp();
  void OnOptionVolume() { m_nUnit = 0; }
  void OnOptionMass() { m_nUnit = 1; }
  void OnOptionMolar() { m_nUnit = 2; }

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  // The liquid member of a unit option, or nullptr for none.
  double* LiquidMember(int unit);
  void ShowError();
};
