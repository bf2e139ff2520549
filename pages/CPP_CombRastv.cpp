// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_CombRastv.h"

#include "calc/blending.h"
#include "calc_sheet.h"
#include "res/dlg_131.h"

CPP_CombRastv::CPP_CombRastv() : CPropertyPage(brevimo::res::kDialog131, "CPP_CombRastv") {
  OnClicked(1004, &CPP_CombRastv::OnCalc);
  OnClicked(1017, &CPP_CombRastv::OnModeMix);
  OnClicked(1018, &CPP_CombRastv::OnModeFindSecond);
}

bool CPP_CombRastv::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
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

void CPP_CombRastv::SetReadOnly(int id, bool readOnly) { GetDlgItem(id).SetReadOnly(readOnly); }

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

void CPP_CombRastv::OnCalc() {
  if (!UpdateData(true)) return;
  int ok = 0;
  if (m_nMode == 0)
    ok = brevimo::MixSolutions(m_dVol1, m_dPct1, m_dVol2, m_dPct2, &m_dVolRes, &m_dPctRes, &m_Work,
                               &ErrText);
  else if (m_nMode == 1)
    ok = brevimo::FindSecondSolution(m_dVol1, m_dPct1, m_dVolRes, m_dPctRes, &m_dVol2, &m_dPct2,
                                     &m_Work, &ErrText);
  else
    return; // no mode selected
  if (!ok) {
    AfxMessageBox(ErrText);
    return;
  }
  UpdateData(false);
}
