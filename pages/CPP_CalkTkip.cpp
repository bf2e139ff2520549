// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_CalkTkip.h"

#include "calc/boiling.h"
#include "calc_sheet.h"
#include "res/dlg_141.h"

CPP_CalkTkip::CPP_CalkTkip() : CPropertyPage(brevimo::res::kDialog141, "CPP_CalkTkip") {
  OnClicked(1031, &CPP_CalkTkip::OnCalcFromConc);
  OnClicked(1033, &CPP_CalkTkip::OnCalcFromTemp);
  OnClicked(1032, &CPP_CalkTkip::OnOptionVolume);
  OnClicked(1034, &CPP_CalkTkip::OnOptionMass);
  OnClicked(1035, &CPP_CalkTkip::OnOptionMolar);
}

int CPP_CalkTkip::BoilingFromLiquid(double liquidMass, double* boiling, double* vapourMass,
                                    double* vapourVolume) {
  return brevimo::BoilingFromLiquid(liquidMass, boiling, vapourMass, vapourVolume, &ErrText);
}

int CPP_CalkTkip::LiquidFromBoiling(double boiling, double* liquidMass) {
  return brevimo::LiquidFromBoiling(boiling, liquidMass, &ErrText);
}

int CPP_CalkTkip::BoilingLookup(double liquidMass, double* boiling, double* vapourMass,
                                double* vapourMolar) {
  return brevimo::BoilingLookup(liquidMass, boiling, vapourMass, vapourMolar);
}

bool CPP_CalkTkip::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  return true;
}

double* CPP_CalkTkip::LiquidMember(int unit) {
  switch (unit) {
  case 0:
    return &m_dLiqVol;
  case 1:
    return &m_dLiqMass;
  case 2:
    return &m_dLiqMol;
  default:
    return nullptr;
  }
}

void CPP_CalkTkip::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    // The concentration field shows the liquid in the selected unit.
    if (const double* liquid = LiquidMember(m_nUnit)) m_sConc = FormatNumber("%.2f", *liquid);
    m_sBoilTemp = FormatNumber("%.2f", m_dBoilTemp);
    m_sVapMass = FormatNumber("%.2f", m_dVapMass);
    m_sVapMol = FormatNumber("%.2f", m_dVapMol);
    m_sVapVol = FormatNumber("%.2f", m_dVapVol);
  }
  DDX_Text(pDX, 1030, m_sBoilTemp);
  DDX_Text(pDX, 1025, m_sConc);
  DDX_Radio(pDX, 1032, m_nUnit);
  DDX_Text(pDX, 1036, m_sVapMass);
  DDX_Text(pDX, 1037, m_sVapMol);
  DDX_Text(pDX, 1038, m_sVapVol);
  // Only the liquid of the selected unit is read; the vapour is output only.
  if (double* liquid = LiquidMember(m_nUnit)) DDX_Number(pDX, 1025, m_sConc, *liquid);
  DDX_Number(pDX, 1030, m_sBoilTemp, m_dBoilTemp);
}

void CPP_CalkTkip::ShowError() { AfxMessageBox(ErrText); }

void CPP_CalkTkip::OnCalcFromConc() {
  if (!UpdateData(true)) return;
  if (!LiquidMember(m_nUnit)) return; // no unit selected: nothing was read
  if (!brevimo::BoilingFromStrength(m_nUnit, &m_dLiqVol, &m_dLiqMass, &m_dLiqMol, &m_dBoilTemp,
                                    &m_dVapMass, &m_dVapMol, &m_dVapVol, &ErrText)) {
    ShowError();
    return;
  }
  UpdateData(false);
}

void CPP_CalkTkip::OnCalcFromTemp() {
  if (!UpdateData(true)) return;
  if (!brevimo::StrengthFromBoiling(m_dBoilTemp, &m_dLiqVol, &m_dLiqMass, &m_dLiqMol, &m_dVapMass,
                                    &m_dVapMol, &m_dVapVol, &ErrText)) {
    ShowError();
    return;
  }
  UpdateData(false);
}
