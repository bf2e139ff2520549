// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_PowerAndOut.h"

#include "app/dial_calc.h"
#include "res/dlg_129.h"
#include "ui/message_box.h"

namespace {

// Latent heats of evaporation divided by 100: water 2256 J/g, ethanol
// 841.5468 J/g.
constexpr double kWaterHeat = 22.56;
constexpr double kEthanolHeat = 8.415468;

constexpr double kMaxLosses = 99.9;    // %
constexpr double kMaxReflux = 1000.0;  // reflux ratio
constexpr double kMaxStrength = 97.17; // % vol

} // namespace

CPP_PowerAndOut::CPP_PowerAndOut() : CPropertyPage(brevimo::res::kDialog129, "CPP_PowerAndOut") {
  OnClicked(1004, &CPP_PowerAndOut::OnCalc);
}

bool CPP_PowerAndOut::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CDial_Calc*>(GetParent());
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

void CPP_PowerAndOut::ShowError(const char* message) {
  ErrText = message;
  AfxMessageBox(ErrText);
}

void CPP_PowerAndOut::OnCalc() {
  if (!UpdateData(true)) return;
  if (!(m_dPower > 0.0)) return ShowError(QT_TRANSLATE_NOOP("brevimo", "Мощность <=0"));
  if (m_dLosses < 0.0 || m_dLosses > kMaxLosses)
    return ShowError(QT_TRANSLATE_NOOP("brevimo", "Процент потерь 0..99.9"));
  if (m_dReflux < 0.0 || m_dReflux > kMaxReflux)
    return ShowError(QT_TRANSLATE_NOOP("brevimo", "Флегмовое число 0..1000"));
  if (m_dStrength < 0.0 || m_dStrength > kMaxStrength)
    return ShowError(QT_TRANSLATE_NOOP("brevimo", "% дистиллята 0..97.17"));

  double density = 0.0; // kg/l, that is g/ml
  if (!m_pSheet->ConvertConcentration(brevimo::VolPct, brevimo::MassPct, m_dStrength, &m_dMassPct,
                                      &density, &ErrText)) {
    AfxMessageBox(ErrText);
    return;
  }
  const double m = m_dMassPct;
  // Useful power, W = J/s.
  const double useful = (100.0 - m_dLosses) * m_dPower * 0.01;
  // Heat to evaporate one ml of the distillate, J/ml. Only the ethanol term
  // is weighted by the density.
  const double heat = (100.0 - m) * kWaterHeat + density * m * kEthanolHeat;
  double total = useful / heat;            // ml/s
  double output = total / (m_dReflux + 1); // one part drawn off per reflux-ratio parts returned
  if (m_nUnit == 1) {
    total *= 60.0;
    output *= 60.0;
  } else if (m_nUnit == 2) {
    total *= 3600.0;
    output *= 3600.0;
  }
  if (!AllFinite({total, output})) {
    AfxMessageBox(QString::fromUtf8(kNonFiniteMessage));
    return;
  }
  m_dTotalFlow = total;
  m_dOutFlow = output;
  UpdateData(false);
}
