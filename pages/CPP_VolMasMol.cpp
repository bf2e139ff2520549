// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_VolMasMol.h"

#include "calc/concentration.h"
#include "calc_sheet.h"
#include "res/dlg_140.h"

CPP_VolMasMol::CPP_VolMasMol() : CPropertyPage(brevimo::res::kDialog140, "CPP_VolMasMol") {
  OnClicked(1028, &CPP_VolMasMol::OnCalcVolume);
  OnClicked(1029, &CPP_VolMasMol::OnCalcMass);
  OnClicked(1030, &CPP_VolMasMol::OnCalcMolar);
  OnClicked(1043, &CPP_VolMasMol::OnCalcDensity);
  OnClicked(1045, &CPP_VolMasMol::OnCalcPycnometer);
  OnClicked(1065, &CPP_VolMasMol::OnTmp);
}

bool CPP_VolMasMol::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  return true;
}

void CPP_VolMasMol::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sVolPct = FormatNumber("%.2f", m_dVolPct);
    m_sMassPct = FormatNumber("%.2f", m_dMassPct);
    m_sMolPct = FormatNumber("%.2f", m_dMolPct);
    m_sDensity = FormatNumber("%.4f", m_dDensity);
    m_sAlcMassL = FormatNumber("%.4f", m_dAlcMassL);
    m_sAlcMassKg = FormatNumber("%.4f", m_dAlcMassKg);
    m_sAlcVolL = FormatNumber("%.4f", m_dAlcVolL);
    m_sAlcVolKg = FormatNumber("%.4f", m_dAlcVolKg);
    m_sWatMassL = FormatNumber("%.4f", m_dWatMassL);
    m_sWatMassKg = FormatNumber("%.4f", m_dWatMassKg);
    m_sWatVolL = FormatNumber("%.4f", m_dWatVolL);
    m_sWatVolKg = FormatNumber("%.4f", m_dWatVolKg);
    m_sN = FormatNumber("%.4f", m_dN);
    m_sSpecVolume = FormatNumber("%.4f", 1.0 / m_dDensity);
    m_sPycnometer = FormatNumber("%.4f", m_dPycnometer);
  }
  DDX_Text(pDX, 1026, m_sMassPct);
  DDX_Text(pDX, 1027, m_sMolPct);
  DDX_Text(pDX, 1025, m_sVolPct);
  DDX_Text(pDX, 1031, m_sDensity);
  DDX_Text(pDX, 1036, m_sAlcMassKg);
  DDX_Text(pDX, 1032, m_sAlcMassL);
  DDX_Text(pDX, 1037, m_sAlcVolKg);
  DDX_Text(pDX, 1033, m_sAlcVolL);
  DDX_Text(pDX, 1038, m_sWatMassKg);
  DDX_Text(pDX, 1034, m_sWatMassL);
  DDX_Text(pDX, 1039, m_sWatVolKg);
  DDX_Text(pDX, 1035, m_sWatVolL);
  DDX_Check(pDX, 1040, m_nContraction);
  DDX_Text(pDX, 1042, m_sN);
  DDX_Text(pDX, 1041, m_sSpecVolume);
  DDX_Text(pDX, 1044, m_sPycnometer);
  DDX_Number(pDX, 1025, m_sVolPct, m_dVolPct);
  DDX_Number(pDX, 1026, m_sMassPct, m_dMassPct);
  DDX_Number(pDX, 1027, m_sMolPct, m_dMolPct);
  DDX_Number(pDX, 1042, m_sN, m_dN);
}

bool CPP_VolMasMol::RecalcComposition() {
  brevimo::Composition c;
  if (!brevimo::ComposeMixture(m_dMassPct, m_dVolPct, m_dDensity, m_dN, m_nContraction != 0, &c,
                               &ErrText)) {
    AfxMessageBox(ErrText);
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
  m_dPycnometer = m_dDensity * brevimo::kPerKgPycnometerWater;
  UpdateData(false);
  return true;
}

bool CPP_VolMasMol::CalcFrom(int unit, double value) {
  brevimo::Strengths s;
  if (!brevimo::CompleteStrengths(unit, value, &s, &ErrText)) {
    AfxMessageBox(ErrText);
    return false;
  }
  m_dVolPct = s.vol;
  m_dMassPct = s.mass;
  m_dMolPct = s.mol;
  m_dDensity = s.density;
  return RecalcComposition();
}

void CPP_VolMasMol::OnCalcVolume() {
  if (!UpdateData(true)) return;
  CalcFrom(brevimo::VolPct, m_dVolPct);
}

void CPP_VolMasMol::OnCalcMass() {
  if (!UpdateData(true)) return;
  CalcFrom(brevimo::MassPct, m_dMassPct);
}

void CPP_VolMasMol::OnCalcMolar() {
  if (!UpdateData(true)) return;
  // Molar: mass percent with the density first, then volume percent.
  CalcFrom(brevimo::MolPct, m_dMolPct);
}

void CPP_VolMasMol::OnCalcDensity() {
  if (!UpdateData(true)) return;
  double density = m_dDensity;
  if (!ParseNumber(1031, m_sDensity, density)) return;
  CalcFromDensity(density, m_dPycnometer);
}

void CPP_VolMasMol::OnCalcPycnometer() {
  if (!UpdateData(true)) return;
  double reading = m_dPycnometer;
  if (!ParseNumber(1044, m_sPycnometer, reading)) return;
  CalcFromDensity(reading * brevimo::kPycnometerWater, reading);
}

void CPP_VolMasMol::CalcFromDensity(double density, double reading) {
  brevimo::Strengths s;
  if (!brevimo::StrengthsFromDensity(density, &s, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  // A refused density is not kept, so the specific volume (1 / density)
  // shown on return to the page is always a number.
  m_dDensity = density;
  m_dPycnometer = reading;
  m_dMassPct = s.mass;
  // Everything is recomputed from the mass percent as shown (two decimals).
  UpdateData(false);
  OnCalcMass();
}
