// SPDX-License-Identifier: GPL-3.0-or-later
// Concentration and density page: volume, mass and molar percent, density,
// pycnometer reading and the make-up of N litres and N kilograms.
#pragma once

#include "pagelayer/property_page.h"

#include <string>

class CCalcSheet;

class CPP_VolMasMol : public CPropertyPage {
public:
  CPP_VolMasMol();

  CCalcSheet* m_pSheet = nullptr;
  double m_dVolPct = 96.0;
  double m_dMassPct = 93.84;
  double m_dMolPct = 85.63;
  double m_dDensity = 0.8075;
  double m_dAlcMassL = 0.7577;  // ethanol mass in N litres, kg
  double m_dAlcMassKg = 0.9384; // ethanol mass in N kilograms, kg
  double m_dAlcVolL = 0.96;     // ethanol volume in N litres, l
  double m_dAlcVolKg = 1.1889;  // ethanol volume in N kilograms, l
  double m_dWatMassL = 0.0497;
  double m_dWatMassKg = 0.0616;
  double m_dWatVolL = 0.0498;
  double m_dWatVolKg = 0.0617;
  double m_dN = 1.0;
  double m_dPycnometer = 0.8089;
  std::string ErrText;
  std::string m_sMassPct, m_sMolPct, m_sVolPct, m_sDensity;
  std::string m_sAlcMassKg, m_sAlcMassL, m_sAlcVolKg, m_sAlcVolL;
  std::string m_sWatMassKg, m_sWatMassL, m_sWatVolKg, m_sWatVolL;
  int m_nContraction = 1; // volumes of the pure liquids before mixing
  std::string m_sN, m_sSpecVolume, m_sPycnometer;

  bool OnApply() override { return false; }

  void OnCalcVolume();
  void OnCalcMass();
  void OnCalcMolar();
  void OnCalcDensity();
  void OnCalcPycnometer();
  void OnTmp() {}

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  // Converts the percent of one kind into the other two (with the density)
  // and recomputes the make-up; false after a message.
  bool CalcFrom(int unit, double value);
  bool RecalcComposition();
  // From a density (typed, or a pycnometer reading times 0.9982): the mass
  // percent, then everything else as from the mass percent shown.
  void CalcFromDensity(double density, double reading);
};
