// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_CombRastv.h"

#include "app/dial_calc.h"
#include "calc/blending.h"
#include "res/dlg_131.h"
#include "ui/message_box.h"

#include <QLineEdit>

CPP_CombRastv::CPP_CombRastv() : CPropertyPage(brevimo::res::kDialog131, "CPP_CombRastv") {
  OnClicked(1004, &CPP_CombRastv::OnCalc);
  OnClicked(1017, &CPP_CombRastv::OnModeMix);
  OnClicked(1018, &CPP_CombRastv::OnModeFindSecond);
}

bool CPP_CombRastv::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CDial_Calc*>(GetParent());
  return true;
}

void CPP_CombRastv::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sVol1 = FormatNumber("%.1f", m_dVol1);
    m_sVol2 = FormatNumber("%.2f", m_dVol2);
    m_sVolRes = FormatNumber("%.2f", m_dVolRes);
    m_sPct1 = FormatNumber("%.2f", m_dPct1);
    m_sPct2 = FormatNumber("%.2f", m_dPct2);
    m_sPctRes = FormatNumber("%.2f", m_dPctRes);
  }
  DDX_Text(pDX, 1011, m_sVol1);
  DDX_Text(pDX, 1013, m_sVol2);
  DDX_Text(pDX, 1015, m_sVolRes);
  DDX_Text(pDX, 1010, m_sPct1);
  DDX_Text(pDX, 1012, m_sPct2);
  DDX_Text(pDX, 1014, m_sPctRes);
  DDX_Radio(pDX, 1017, m_nMode);
  DDX_Number(pDX, 1011, m_sVol1, m_dVol1);
  DDX_Number(pDX, 1013, m_sVol2, m_dVol2);
  DDX_Number(pDX, 1015, m_sVolRes, m_dVolRes);
  DDX_Number(pDX, 1010, m_sPct1, m_dPct1);
  DDX_Number(pDX, 1012, m_sPct2, m_dPct2);
  DDX_Number(pDX, 1014, m_sPctRes, m_dPctRes);
}

void CPP_CombRastv::SetReadOnly(int id, bool readOnly) {
  if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id))) edit->setReadOnly(readOnly);
}

void CPP_CombRastv::OnModeMix() {
  SetReadOnly(1013, false);
  SetReadOnly(1012, false);
  SetReadOnly(1015, true);
  SetReadOnly(1014, true);
}

void CPP_CombRastv::OnModeFindSecond() {
  SetReadOnly(1013, true);
  SetReadOnly(1012, true);
  SetReadOnly(1015, false);
  SetReadOnly(1014, false);
}

void CPP_CombRastv::Fail(const std::string& message) {
  ErrText = message;
  AfxMessageBox(ErrText);
}

bool CPP_CombRastv::Convert(double volPct, double* massPct, double* density) {
  if (m_pSheet->ConvertConcentration(brevimo::VolPct, brevimo::MassPct, volPct, massPct, density,
                                     &ErrText))
    return true;
  AfxMessageBox(ErrText);
  return false;
}

void CPP_CombRastv::OnCalc() {
  if (!UpdateData(true)) return;
  if (m_nMode == 0)
    CalcMixture();
  else if (m_nMode == 1)
    CalcSecondSolution();
}

void CPP_CombRastv::CalcMixture() {
  using namespace brevimo;
  if (!CheckMixingInputs(m_dVol1, m_dPct1, m_dVol2, m_dPct2, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  if (!Convert(m_dPct1, &m_dMassPct1, &m_dDensity1) ||
      !Convert(m_dPct2, &m_dMassPct2, &m_dDensity2))
    return;
  SolutionMasses(m_dVol1, m_dMassPct1, m_dDensity1, &m_dAlcohol1, &m_dWater1);
  SolutionMasses(m_dVol2, m_dMassPct2, m_dDensity2, &m_dAlcohol2, &m_dWater2);
  m_dAlcoholRes = m_dAlcohol1 + m_dAlcohol2;
  m_dWaterRes = m_dWater1 + m_dWater2;
  // Volumes near the limits of double overflow.
  if (!AllFinite({m_dAlcoholRes, m_dWaterRes})) {
    Fail(kNonFiniteMessage);
    return;
  }
  // Undefined for two empty solutions: the conversion refuses it.
  m_dMassPctRes = MixtureMassPct(m_dAlcoholRes, m_dWaterRes);
  double strength;
  if (!m_pSheet->ConvertConcentration(MassPct, VolPct, m_dMassPctRes, &strength, &m_dDensityRes,
                                      &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  const double volume = MixtureVolume(m_dAlcoholRes, m_dWaterRes, m_dDensityRes);
  if (!AllFinite({volume, strength})) {
    Fail(kNonFiniteMessage);
    return;
  }
  m_dPctRes = strength;
  m_dVolRes = volume;
  UpdateData(false);
}

void CPP_CombRastv::CalcSecondSolution() {
  using namespace brevimo;
  if (!CheckSecondSolutionInputs(m_dVol1, m_dPct1, m_dVolRes, m_dPctRes, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  if (!Convert(m_dPct1, &m_dMassPct1, &m_dDensity1) ||
      !Convert(m_dPctRes, &m_dMassPctRes, &m_dDensityRes))
    return;
  SolutionMasses(m_dVol1, m_dMassPct1, m_dDensity1, &m_dAlcohol1, &m_dWater1);
  SolutionMasses(m_dVolRes, m_dMassPctRes, m_dDensityRes, &m_dAlcoholRes, &m_dWaterRes);
  // Volumes near the limits of double overflow.
  if (!AllFinite({m_dAlcohol1, m_dWater1, m_dAlcoholRes, m_dWaterRes})) {
    Fail(kNonFiniteMessage);
    return;
  }
  if (!SecondSolutionMasses(m_dAlcohol1, m_dWater1, m_dAlcoholRes, m_dWaterRes, &m_dAlcohol2,
                            &m_dWater2, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  // Outside 0..100, or undefined when solution 2 has no mass: the conversion
  // refuses it.
  m_dMassPct2 = MixtureMassPct(m_dAlcohol2, m_dWater2);
  double strength;
  if (!m_pSheet->ConvertConcentration(MassPct, VolPct, m_dMassPct2, &strength, &m_dDensity2,
                                      &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  const double volume = MixtureVolume(m_dAlcohol2, m_dWater2, m_dDensity2);
  if (!AllFinite({volume, strength})) {
    Fail(kNonFiniteMessage);
    return;
  }
  m_dPct2 = strength;
  m_dVol2 = volume;
  UpdateData(false);
}
