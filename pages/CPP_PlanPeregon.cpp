// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_PlanPeregon.h"

#include "calc_sheet.h"
#include "page_boiling.h"
#include "res/dlg_145.h"

#include <cmath>

namespace {

// Minutes as hours and minutes ("3:07"), rounded to the minute. In
// doubles throughout: a huge charge takes more minutes than an integer holds.
std::string Clock(double minutes) {
  const double total = std::round(minutes);
  const double rest = std::fmod(total, 60.0);
  return brevimo::FormatC("%.0f:%02.0f", (total - rest) / 60.0, rest);
}

// The result fields of a row: the first of a fraction's (heads 2020,
// hearts 2030, tails 2040) and of the pot (2050).
constexpr int kFractionRow[] = {2020, 2030, 2040};
constexpr int kPotRow = 2050;
constexpr int kHeartsShare = 2060;

} // namespace

CPP_PlanPeregon::CPP_PlanPeregon() : CPropertyPage(brevimo::res::kDialog145, "CPP_PlanPeregon") {
  OnClicked(2013, &CPP_PlanPeregon::OnCalcPlan);
  OnClicked(2014, &CPP_PlanPeregon::ShowChart);
}

bool CPP_PlanPeregon::OnInitDialog() {
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  m_pBoilingPage = &m_pSheet->m_CalkTkip;
  // The page opens with its example worked out.
  MakePlan();
  CPropertyPage::OnInitDialog();
  return true;
}

void CPP_PlanPeregon::DoDataExchange(CDataExchange* pDX) {
  if (!pDX->m_bSaveAndValidate) {
    m_sVolume = FormatNumber("%.2f", m_dVolume);
    m_sStart = FormatNumber("%.2f", m_dStart);
    m_sPlates = FormatNumber("%.0f", m_dPlates);
    m_sReflux = FormatNumber("%.1f", m_dReflux);
    m_sPower = FormatNumber("%.0f", m_dPower);
    m_sLosses = FormatNumber("%.1f", m_dLosses);
    m_sHeads = FormatNumber("%.1f", m_dHeads);
    m_sHeartsEnd = FormatNumber("%.2f", m_dHeartsEnd);
    m_sEnd = FormatNumber("%.2f", m_dEnd);
  }
  DDX_Control(pDX, 2003, m_cStartKind);
  DDX_Control(pDX, 2010, m_cHeartsEndKind);
  DDX_Control(pDX, 2012, m_cEndKind);
  DDX_Text(pDX, 2001, m_sVolume);
  DDX_Text(pDX, 2002, m_sStart);
  DDX_Text(pDX, 2004, m_sPlates);
  DDX_Text(pDX, 2005, m_sReflux);
  DDX_Text(pDX, 2006, m_sPower);
  DDX_Text(pDX, 2007, m_sLosses);
  DDX_Text(pDX, 2008, m_sHeads);
  DDX_Text(pDX, 2009, m_sHeartsEnd);
  DDX_Text(pDX, 2011, m_sEnd);
  if (!pDX->m_bSaveAndValidate) {
    m_cStartKind.SetCurSel(m_nStartKind);
    m_cHeartsEndKind.SetCurSel(m_nHeartsEndKind);
    m_cEndKind.SetCurSel(m_nEndKind);
    // The plan's results; empty until there is one.
    const brevimo::RunPlan* plan = m_lastPlan.get();
    for (int f = 0; f < brevimo::kPlanFractions; ++f) {
      const int id = kFractionRow[f];
      std::string texts[7];
      if (plan) {
        const brevimo::RunPlanFraction& fr = plan->fractions[f];
        texts[0] = FormatNumber("%.3f", fr.liquid.volume);
        texts[1] = FormatNumber("%.2f", fr.liquid.strength);
        texts[2] = FormatNumber("%.3f", fr.liquid.alcohol);
        texts[3] = Clock(fr.minutes);
        texts[4] = Clock(fr.endMinutes);
        texts[5] = FormatNumber("%.2f", fr.endPotBoiling);
        texts[6] = FormatNumber("%.2f", fr.endStreamVol);
      }
      for (int c = 0; c < 7; ++c)
        DDX_Text(pDX, id + c, texts[c]);
    }
    std::string pot[3], share;
    if (plan) {
      pot[0] = FormatNumber("%.3f", plan->pot.volume);
      pot[1] = FormatNumber("%.2f", plan->pot.strength);
      pot[2] = FormatNumber("%.3f", plan->pot.alcohol);
      share = FormatNumber("%.1f", plan->heartsShare);
    }
    for (int c = 0; c < 3; ++c)
      DDX_Text(pDX, kPotRow + c, pot[c]);
    DDX_Text(pDX, kHeartsShare, share);
    return;
  }
  DDX_Number(pDX, 2001, m_sVolume, m_dVolume);
  DDX_Number(pDX, 2002, m_sStart, m_dStart);
  DDX_Number(pDX, 2004, m_sPlates, m_dPlates);
  DDX_Number(pDX, 2005, m_sReflux, m_dReflux);
  DDX_Number(pDX, 2006, m_sPower, m_dPower);
  DDX_Number(pDX, 2007, m_sLosses, m_dLosses);
  DDX_Number(pDX, 2008, m_sHeads, m_dHeads);
  DDX_Number(pDX, 2009, m_sHeartsEnd, m_dHeartsEnd);
  DDX_Number(pDX, 2011, m_sEnd, m_dEnd);
  if (pDX->m_bFailed) return;
  // A list without a selection keeps its member.
  if (m_cStartKind.GetCurSel() >= 0) m_nStartKind = m_cStartKind.GetCurSel();
  if (m_cHeartsEndKind.GetCurSel() >= 0) m_nHeartsEndKind = m_cHeartsEndKind.GetCurSel();
  if (m_cEndKind.GetCurSel() >= 0) m_nEndKind = m_cEndKind.GetCurSel();
}

bool CPP_PlanPeregon::MakePlan() {
  if (!m_pBoilingPage) return false;
  brevimo::RunPlanInput input;
  input.startKind = m_nStartKind;
  input.startValue = m_dStart;
  input.washVolume = m_dVolume;
  // A plate count that is not a whole number is out of the plates' range.
  const bool whole = m_dPlates >= 0.0 && m_dPlates <= brevimo::kPlanMaxPlates &&
                     m_dPlates == std::floor(m_dPlates);
  input.plates = whole ? static_cast<int>(m_dPlates) : -1;
  input.reflux = m_dReflux;
  input.power = m_dPower;
  input.losses = m_dLosses;
  input.heads = m_dHeads;
  input.heartsEndKind = m_nHeartsEndKind;
  input.heartsEndValue = m_dHeartsEnd;
  input.endKind = m_nEndKind;
  input.endValue = m_dEnd;
  auto plan = std::make_shared<brevimo::RunPlan>();
  PageBoiling boiling(*m_pBoilingPage);
  if (!brevimo::PlanRun(input, boiling, plan.get(), &ErrText)) return false;
  m_lastPlan = std::move(plan);
  return true;
}

void CPP_PlanPeregon::OnCalcPlan() {
  if (!UpdateData(true)) return;
  bool ok = false;
  {
    CWaitCursor wait;
    ok = MakePlan();
  }
  if (!ok) {
    AfxMessageBox(ErrText);
    return;
  }
  UpdateData(false);
  m_pSheet->RefreshPlanChart(m_lastPlan);
}

void CPP_PlanPeregon::ShowChart() {
  if (m_lastPlan) m_pSheet->ShowPlanChart(m_lastPlan);
}
