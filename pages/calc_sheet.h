// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator sheet as the pages see it: it owns one object of each page
// class for its whole life, carries the shared concentration conversion
// that pages reach through their m_pSheet pointer, and shows the
// distillation run's and the planned run's charts where its face has them. The window (CDial_Calc)
// and the web app are faces over it.
#pragma once

#include "calc/concentration.h"
#include "pagelayer/property_page.h"
#include "pages/CPP_CalkTkip.h"
#include "pages/CPP_CombRastv.h"
#include "pages/CPP_KsTCorr.h"
#include "pages/CPP_Peregon.h"
#include "pages/CPP_PlanPeregon.h"
#include "pages/CPP_PowerAndOut.h"
#include "pages/CPP_RazvedSpirta.h"
#include "pages/CPP_ShugarConc.h"
#include "pages/CPP_VacPereg.h"
#include "pages/CPP_VolMasMol.h"

#include <memory>
#include <string>

namespace brevimo {
struct DistillationRun;
struct RunPlan;
} // namespace brevimo

class CCalcSheet : public CPropertySheet {
public:
  // The chart of the distillation run: Show puts the run in it and brings
  // it to the front; Refresh puts the run in it only while it is open. A
  // face without a chart window ignores both.
  virtual void ShowRunChart(std::shared_ptr<const brevimo::DistillationRun> run) {
    static_cast<void>(run);
  }
  virtual void RefreshRunChart(std::shared_ptr<const brevimo::DistillationRun> run) {
    static_cast<void>(run);
  }
  // The same for the chart of the planned run.
  virtual void ShowPlanChart(std::shared_ptr<const brevimo::RunPlan> plan) {
    static_cast<void>(plan);
  }
  virtual void RefreshPlanChart(std::shared_ptr<const brevimo::RunPlan> plan) {
    static_cast<void>(plan);
  }

  // Pages, in declaration (construction) order; the tab order is the
  // registry's (page_registry.h).
  CPP_KsTCorr m_KsTCorr;
  CPP_VolMasMol m_VolMasMol;
  CPP_CalkTkip m_CalkTkip;
  CPP_RazvedSpirta m_RazvedSpirta;
  CPP_PowerAndOut m_PowerAndOut;
  CPP_CombRastv m_CombRastv;
  CPP_VacPereg m_VacPereg;
  CPP_ShugarConc m_ShugarConc;
  CPP_Peregon m_Peregon;
  CPP_PlanPeregon m_PlanPeregon;
};
