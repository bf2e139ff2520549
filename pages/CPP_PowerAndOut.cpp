// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_PowerAndOut.h"

#include "calc/distillation.h"
#include "calc_sheet.h"
#include "res/dlg_129.h"

CPP_PowerAndOut::CPP_PowerAndOut() : CPropertyPage(brevimo::res::kDialog129, "CPP_PowerAndOut") {
  OnClicked(1004, &CPP_PowerAndOut::OnCalc);
}

bool CPP_PowerAndOut::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  return true;
}

void CPP_PowerAndOut::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sPower = FormatNumber("%.2f", m_dPower);
    m_sLosses = FormatNumber("%.2f", m_dLosses);
    m_sReflux = FormatNumber("%.1f", m_dReflux);
    m_sStrength = FormatNumber("%.2f", m_dStrength);
    m_sOutFlow = FormatNumber("%.2f", m_dOutFlow);
    m_sTotalFlow = FormatNumber("%.2f", m_dTotalFlow);
  }
  DDX_Text(pDX, 1002, m_sPower);
  DDX_Text(pDX, 1001, m_sLosses);
  DDX_Text(pDX, 1000, m_sReflux);
  DDX_Text(pDX, 1003, m_sStrength);
  DDX_Text(pDX, 1006, m_sOutFlow);
  DDX_Text(pDX, 1005, m_sTotalFlow);
  DDX_Radio(pDX, 1007, m_nUnit);
  DDX_Number(pDX, 1002, m_sPower, m_dPower);
  DDX_Number(pDX, 1001, m_sLosses, m_dLosses);
  DDX_Number(pDX, 1000, m_sReflux, m_dReflux);
  DDX_Number(pDX, 1003, m_sStrength, m_dStrength);
}

void CPP_PowerAndOut::OnCalc() {
  if (!UpdateData(true)) return;
  double total = 0.0, output = 0.0;
  if (!brevimo::DistillateFlow(m_dPower, m_dLosses, m_dReflux, m_dStrength, m_nUnit, &total,
                               &output, &m_dMassPct, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  m_dTotalFlow = total;
  m_dOutFlow = output;
  UpdateData(false);
}
