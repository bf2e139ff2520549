// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_ShugarConc.h"

#include "calc/sugar.h"
#include "res/dlg_144.h"

#include <string>

CPP_ShugarConc::CPP_ShugarConc() : CPropertyPage(brevimo::res::kDialog144, "CPP_ShugarConc") {
  OnClicked(1042, &CPP_ShugarConc::OnCalcSugar);
}

void CPP_ShugarConc::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sWanted = FormatNumber("%8.4f", m_dWanted);
    m_sGiven = FormatNumber("%8.2f", m_dGiven);
    m_sResultVolume = FormatNumber("%8.2f", m_dResultVolume);
    m_sSugarWeight = FormatNumber("%8.2f", m_dSugarWeight);
    m_sWaterVolume = FormatNumber("%8.2f", m_dWaterVolume);
    m_sResultWeight = FormatNumber("%8.2f", m_dResultWeight);
    m_sResultDensity = FormatNumber("%8.2f", m_dResultDensity);
    m_nGivenRadio = m_nSugarGiven;
    m_nWantedRadio = m_nSugarWanted;
  }
  DDX_Text(pDX, 1046, m_sGiven);
  DDX_Text(pDX, 1045, m_sResultVolume);
  DDX_Text(pDX, 1048, m_sSugarWeight);
  DDX_Text(pDX, 1044, m_sWaterVolume);
  DDX_Radio(pDX, 1036, m_nGivenRadio);
  DDX_Radio(pDX, 1040, m_nWantedRadio);
  DDX_Text(pDX, 1049, m_sResultWeight);
  DDX_Text(pDX, 1050, m_sResultDensity);
  DDX_Text(pDX, 1047, m_sWanted);
  // The results are read back as well as the inputs.
  DDX_Number(pDX, 1047, m_sWanted, m_dWanted);
  DDX_Number(pDX, 1046, m_sGiven, m_dGiven);
  DDX_Number(pDX, 1045, m_sResultVolume, m_dResultVolume);
  DDX_Number(pDX, 1048, m_sSugarWeight, m_dSugarWeight);
  DDX_Number(pDX, 1044, m_sWaterVolume, m_dWaterVolume);
  DDX_Number(pDX, 1049, m_sResultWeight, m_dResultWeight);
  DDX_Number(pDX, 1050, m_sResultDensity, m_dResultDensity);
  if (pDX->m_bSaveAndValidate && !pDX->m_bFailed) {
    m_nSugarGiven = m_nGivenRadio;
    m_nSugarWanted = m_nWantedRadio;
  }
}

void CPP_ShugarConc::OnCalcSugar() {
  using namespace brevimo;
  if (!UpdateData(true)) return;
  if (m_nSugarGiven < GivenSugarWeight || m_nSugarGiven > GivenResultWeight)
    return; // no given kind selected
  if (m_nSugarWanted < WantedSugarPerLitre || m_nSugarWanted > WantedSugarPerKilogram)
    return; // no wanted kind selected: nothing to compute
  SugarBatch batch;
  std::string error;
  if (!MakeSugarBatch(m_nSugarWanted, m_dWanted, m_nSugarGiven, m_dGiven, &batch, &error)) {
    AfxMessageBox(error);
    return;
  }
  m_dSugarWeight = batch.sugarWeight;
  m_dWaterVolume = batch.waterVolume;
  m_dResultVolume = batch.resultVolume;
  m_dResultWeight = batch.resultWeight;
  m_dResultDensity = batch.resultDensity;
  UpdateData(false);
}
