// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_RazvedSpirta.h"

#include "calc/blending.h"
#include "calc_sheet.h"
#include "res/dlg_143.h"

CPP_RazvedSpirta::CPP_RazvedSpirta() : CPropertyPage(brevimo::res::kDialog143, "CPP_RazvedSpirta") {
  OnClicked(1042, &CPP_RazvedSpirta::OnCalc);
}

bool CPP_RazvedSpirta::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  return true;
}

void CPP_RazvedSpirta::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sGivenVol = FormatNumber("%.2f", m_dGivenVol);
    m_sSpiritPct = FormatNumber("%.2f", m_dSpiritPct);
    m_sResultPct = FormatNumber("%.2f", m_dResultPct);
    m_sSpiritVol = FormatNumber("%.2f", m_dSpiritVol);
    m_sWaterVol = FormatNumber("%.2f", m_dWaterVol);
    m_sResultVol = FormatNumber("%.2f", m_dResultVol);
  }
  DDX_Text(pDX, 1041, m_sGivenVol);
  DDX_Text(pDX, 1039, m_sSpiritPct);
  DDX_Text(pDX, 1040, m_sResultPct);
  DDX_Text(pDX, 1043, m_sSpiritVol);
  DDX_Text(pDX, 1044, m_sWaterVol);
  DDX_Text(pDX, 1045, m_sResultVol);
  DDX_Radio(pDX, 1036, m_nGiven);
  DDX_Number(pDX, 1041, m_sGivenVol, m_dGivenVol);
  DDX_Number(pDX, 1039, m_sSpiritPct, m_dSpiritPct);
  DDX_Number(pDX, 1040, m_sResultPct, m_dResultPct);
}

void CPP_RazvedSpirta::OnCalc() {
  if (!UpdateData(true)) return;
  if (!brevimo::DiluteByStrength(m_nGiven, m_dGivenVol, m_dSpiritPct, m_dResultPct, &m_dSpiritVol,
                                 &m_dWaterVol, &m_dResultVol, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  UpdateData(false);
}
