// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_VacPereg.h"

#include "res/dlg_133.h"

#include <cmath>

using namespace brevimo;

namespace {

// Reads a solution field given in a unit into its member (°C or mm Hg). An
// unknown unit leaves the member as it was; a value the page could not show
// again is refused with its message.
void ReadInUnit(CDataExchange* pDX, int id, const std::string& text, int unit,
                int (*toBase)(int, double, double*, std::string*), double& member) {
  double typed = 0.0;
  DDX_Number(pDX, id, text, typed);
  if (pDX->m_bFailed) return;
  std::string error;
  if (toBase(unit, typed, &member, &error)) return;
  if (error.empty()) return;
  AfxMessageBox(error);
  pDX->Fail(id);
}

// The text of a solution field shown in a unit; an unknown unit leaves the
// text as it was.
void ShowInUnit(double member, int unit, int (*fromBase)(int, double, double*), std::string& text) {
  double shown = 0.0;
  if (fromBase(unit, member, &shown)) text = FormatNumber("%.2f", shown);
}

int Selection(const CComboBox& list) { return list.GetCurSel(); }

} // namespace

CPP_VacPereg::CPP_VacPereg() : CPropertyPage(res::kDialog133, "CPP_VacPereg") {
  OnClicked(1024, &CPP_VacPereg::OnCalcAlcoholTemp);
  OnClicked(1023, &CPP_VacPereg::OnCalcAlcoholPressure);
  OnClicked(1028, &CPP_VacPereg::OnCalcWaterTemp);
  OnClicked(1027, &CPP_VacPereg::OnCalcWaterPressure);
  OnClicked(1033, &CPP_VacPereg::OnCalcSolutionPressure);
  OnClicked(1034, &CPP_VacPereg::OnCalcSolutionTemp);
  OnClicked(1035, &CPP_VacPereg::OnCalcSolutionConc);
}

bool CPP_VacPereg::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  // The lists take the stored units only here; afterwards the controls hold
  // them and each reading copies them back.
  m_cConcUnit.SetCurSel(m_nConcUnit);
  m_cTempUnit.SetCurSel(m_nTempUnit);
  m_cPressureUnit.SetCurSel(m_nPressureUnit);
  return true;
}

void CPP_VacPereg::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sAlcPressure = FormatNumber("%.2f", m_dAlcPressure);
    m_sWatPressure = FormatNumber("%.2f", m_dWatPressure);
    m_sAlcTemp = FormatNumber("%.2f", m_dAlcTemp);
    m_sWatTemp = FormatNumber("%.2f", m_dWatTemp);
    m_sConc = FormatNumber("%.2f", m_dConc);
    ShowInUnit(m_dSolTemp, m_nTempUnit, TemperatureFromCelsius, m_sSolTemp);
    ShowInUnit(m_dSolPressure, m_nPressureUnit, PressureFromMmHg, m_sSolPressure);
  }
  DDX_Control(pDX, 1037, m_cPressureUnit);
  DDX_Control(pDX, 1036, m_cTempUnit);
  DDX_Control(pDX, 1029, m_cConcUnit);
  DDX_Text(pDX, 1022, m_sAlcPressure);
  DDX_Text(pDX, 1026, m_sWatPressure);
  DDX_Text(pDX, 1021, m_sAlcTemp);
  DDX_Text(pDX, 1025, m_sWatTemp);
  DDX_Text(pDX, 1031, m_sSolTemp);
  DDX_Text(pDX, 1032, m_sSolPressure);
  DDX_Text(pDX, 1030, m_sConc);
  if (!pDX->m_bSaveAndValidate) return;

  DDX_Number(pDX, 1022, m_sAlcPressure, m_dAlcPressure);
  DDX_Number(pDX, 1026, m_sWatPressure, m_dWatPressure);
  DDX_Number(pDX, 1021, m_sAlcTemp, m_dAlcTemp);
  DDX_Number(pDX, 1025, m_sWatTemp, m_dWatTemp);
  DDX_Number(pDX, 1030, m_sConc, m_dConc);
  if (pDX->m_bFailed) return;
  // A list without a selection gives -1; the solution field of that list
  // then keeps its member.
  m_nConcUnit = Selection(m_cConcUnit);
  m_nTempUnit = Selection(m_cTempUnit);
  m_nPressureUnit = Selection(m_cPressureUnit);
  ReadInUnit(pDX, 1031, m_sSolTemp, m_nTempUnit, TemperatureTypedToCelsius, m_dSolTemp);
  ReadInUnit(pDX, 1032, m_sSolPressure, m_nPressureUnit, PressureTypedToMmHg, m_dSolPressure);
}

template <class Calc> void CPP_VacPereg::Calculate(Calc calc) {
  if (!UpdateData(true)) return;
  if (!calc()) {
    AfxMessageBox(ErrText);
    return;
  }
  UpdateData(false);
}

void CPP_VacPereg::OnCalcAlcoholPressure() {
  Calculate([this] { return AlcoholPressureFromBoiling(m_dAlcTemp, &m_dAlcPressure, &ErrText); });
}

void CPP_VacPereg::OnCalcAlcoholTemp() {
  Calculate([this] { return AlcoholBoilingFromPressure(m_dAlcPressure, &m_dAlcTemp, &ErrText); });
}

void CPP_VacPereg::OnCalcWaterPressure() {
  Calculate([this] { return WaterPressureFromBoiling(m_dWatTemp, &m_dWatPressure, &ErrText); });
}

void CPP_VacPereg::OnCalcWaterTemp() {
  Calculate([this] { return WaterBoilingFromPressure(m_dWatPressure, &m_dWatTemp, &ErrText); });
}

void CPP_VacPereg::OnCalcSolutionPressure() {
  Calculate([this] {
    return SolutionPressureAtBoiling(m_nConcUnit, m_dConc, m_dSolTemp, &m_dSolPressure, &ErrText);
  });
}

void CPP_VacPereg::OnCalcSolutionTemp() {
  Calculate([this] {
    return SolutionBoilingAtPressure(m_nConcUnit, m_dConc, m_dSolPressure, &m_dSolTemp, &ErrText);
  });
}

// For a concentration unit outside the list the mixture is found but not
// stored; the fields are shown all the same.
void CPP_VacPereg::OnCalcSolutionConc() {
  Calculate([this] {
    return SolutionConcentrationAt(m_nConcUnit, m_dSolTemp, m_dSolPressure, &m_dConc, &ErrText);
  });
}
