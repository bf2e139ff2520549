// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_ShugarConc.h"

#include "calc/sugar.h"
#include "res/dlg_144.h"
#include "ui/message_box.h"

#include <algorithm>

namespace {

// The wanted value is checked in the page's unit against the bounds its
// message names, both ends allowed, and only then scaled to the model's
// unit. Checking after scaling would refuse a named bound: 1208.41 * 0.1 is
// 120.84100000000001 in doubles, just above 120.841.
struct WantedRange {
  double lo, hi; // page unit
  double scale;  // page unit to model unit
  double modelLo, modelHi;
  const char* message;
};

constexpr WantedRange kPerLitre{
    0.0,
    1208.41,
    0.1,
    brevimo::kSugarContentMin,
    brevimo::kSugarContentMax,
    QT_TRANSLATE_NOOP("brevimo", "Масса сахара на 1 л раствора 0..1208.41 г")};
constexpr WantedRange kDensity{1000.0,
                               1441.7,
                               0.001,
                               brevimo::kSugarDensityMin,
                               brevimo::kSugarDensityMax,
                               QT_TRANSLATE_NOOP("brevimo", "Плотность раствора 1000..1441.7 г/л")};
constexpr WantedRange kPerKilogram{
    0.0,
    840.0,
    0.1,
    brevimo::kSugarMassFractionMin,
    brevimo::kSugarMassFractionMax,
    QT_TRANSLATE_NOOP("brevimo", "Масса сахара на 1 кг раствора 0..840 г/кг")};

const char* const kPureWater =
    QT_TRANSLATE_NOOP("brevimo", "Ошибка - получится чистая вода бесконечного объема");

// The value in the model's unit, or false after the range message. The
// scaled value of an accepted bound is held within the model's range, so
// the model always accepts it.
bool Scale(const WantedRange& range, double value, double* scaled) {
  if (!(value >= range.lo && value <= range.hi)) {
    AfxMessageBox(QString::fromUtf8(range.message));
    return false;
  }
  *scaled = std::clamp(value * range.scale, range.modelLo, range.modelHi);
  return true;
}

} // namespace

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

bool CPP_ShugarConc::WantedSolution(double* massFraction, double* density) {
  using namespace brevimo;
  double scaled = 0.0;
  switch (m_nSugarWanted) {
  case WantedSugarPerLitre:
    if (!Scale(kPerLitre, m_dWanted, &scaled)) return false;
    // The content it gives back is not needed.
    if (SugarFromVolumeContent(scaled, massFraction, density)) return true;
    AfxMessageBox(QString::fromUtf8(kPerLitre.message));
    return false;
  case WantedDensity:
    if (!Scale(kDensity, m_dWanted, &scaled)) return false;
    *density = scaled;
    if (SugarFromDensity(scaled, nullptr, massFraction)) return true;
    AfxMessageBox(QString::fromUtf8(kDensity.message));
    return false;
  case WantedSugarPerKilogram:
    if (!Scale(kPerKilogram, m_dWanted, &scaled)) return false;
    *massFraction = scaled;
    if (SugarFromMassFraction(scaled, nullptr, density)) return true;
    AfxMessageBox(QString::fromUtf8(kPerKilogram.message));
    return false;
  default:
    return false; // no wanted kind selected: nothing to compute
  }
}

void CPP_ShugarConc::OnCalcSugar() {
  if (!UpdateData(true)) return;
  if (m_nSugarGiven < brevimo::GivenSugarWeight || m_nSugarGiven > brevimo::GivenResultWeight)
    return; // no given kind selected
  double w = 0.0, rho = 0.0;
  if (!WantedSolution(&w, &rho)) return;

  brevimo::SugarBatch batch;
  if (!brevimo::ComposeSugarSolution(m_nSugarGiven, m_dGiven, w, rho, &batch)) {
    AfxMessageBox(QString::fromUtf8(kPureWater));
    return;
  }
  // The given amount has no bounds; a huge one overflows.
  if (!AllFinite({batch.sugarWeight, batch.waterVolume, batch.resultVolume, batch.resultWeight,
                  batch.resultDensity})) {
    AfxMessageBox(QString::fromUtf8(kNonFiniteMessage));
    return;
  }
  m_dSugarWeight = batch.sugarWeight;
  m_dWaterVolume = batch.waterVolume;
  m_dResultVolume = batch.resultVolume;
  m_dResultWeight = batch.resultWeight;
  m_dResultDensity = batch.resultDensity;
  UpdateData(false);
}
