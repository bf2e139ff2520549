// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_KsTCorr.h"

#include "calc/number_text.h"
#include "calc_sheet.h"
#include "res/dlg_138.h"

namespace {

constexpr int kErrorLine = 1024;

} // namespace

CPP_KsTCorr::CPP_KsTCorr() : CPropertyPage(brevimo::res::kDialog138, "CPP_KsTCorr") {
  OnClicked(1021, &CPP_KsTCorr::OnCalcCorrection);
}

bool CPP_KsTCorr::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  return true;
}

void CPP_KsTCorr::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sDensityInit = FormatNumber("%.4f", m_dDensityInit);
    m_sDensityFinal = FormatNumber("%.4f", m_dDensityFinal);
    m_sTempMeasure = FormatNumber("%.1f", m_dTempMeasure);
    m_sTempWanted = FormatNumber("%.1f", m_dTempWanted);
    m_sReading = FormatNumber("%.2f", m_dReading);
    m_sReadingFinal = FormatNumber("%.2f", m_dReadingFinal);
  }
  DDX_Text(pDX, 1019, m_sDensityInit);
  DDX_Text(pDX, 1020, m_sDensityFinal);
  DDX_Text(pDX, 1016, m_sTempMeasure);
  DDX_Text(pDX, 1017, m_sTempWanted);
  DDX_Text(pDX, 1018, m_sReadingFinal);
  std::string errText = ErrText;
  DDX_Text(pDX, kErrorLine, errText);
  if (pDX->m_bSaveAndValidate && !pDX->m_bFailed) ErrText = errText;
  DDX_Text(pDX, 1015, m_sReading);
  ReadNumber(pDX, 1015, m_sReading, m_dReading);
  ReadNumber(pDX, 1016, m_sTempMeasure, m_dTempMeasure);
  ReadNumber(pDX, 1017, m_sTempWanted, m_dTempWanted);
}

void CPP_KsTCorr::ReadNumber(CDataExchange* pDX, int id, const std::string& text, double& value) {
  if (pDX->m_bFailed || !pDX->m_bSaveAndValidate) return;
  double parsed = 0.0;
  if (!brevimo::ParseFieldNumber(text, &parsed)) {
    ErrText = kEnterNumber;
    if (brevimo::FieldStore* store = Store(); store && store->HasControl(kErrorLine))
      store->SetText(kErrorLine, ErrText);
    pDX->Fail(id);
    return;
  }
  value = parsed;
}

void CPP_KsTCorr::OnCalcCorrection() {
  if (!UpdateData(true)) return;
  // Failures show -1 in the results they reach; the message goes to the
  // error line.
  brevimo::CorrectReading(m_dReading, m_dTempMeasure, m_dTempWanted, &m_dDensityInit,
                          &m_dDensityFinal, &m_dReadingFinal, &ErrText);
  UpdateData(false);
}
