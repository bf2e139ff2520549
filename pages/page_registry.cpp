// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_registry.h"

#include "calc_sheet.h"
#include "res/dlg_129.h"
#include "res/dlg_131.h"
#include "res/dlg_133.h"
#include "res/dlg_136.h"
#include "res/dlg_138.h"
#include "res/dlg_140.h"
#include "res/dlg_141.h"
#include "res/dlg_143.h"
#include "res/dlg_144.h"
#include "res/dlg_145.h"

#include <cstring>

namespace brevimo {
namespace {

template <auto Member> CPropertyPage& PageOf(CCalcSheet& sheet) { return sheet.*Member; }

// The tab order differs from the order of the sheet's members.
constexpr PageEntry kPages[] = {
    {"CPP_KsTCorr", &res::kDialog138, &PageOf<&CCalcSheet::m_KsTCorr>},
    {"CPP_RazvedSpirta", &res::kDialog143, &PageOf<&CCalcSheet::m_RazvedSpirta>},
    {"CPP_CombRastv", &res::kDialog131, &PageOf<&CCalcSheet::m_CombRastv>},
    {"CPP_PowerAndOut", &res::kDialog129, &PageOf<&CCalcSheet::m_PowerAndOut>},
    {"CPP_VolMasMol", &res::kDialog140, &PageOf<&CCalcSheet::m_VolMasMol>},
    {"CPP_CalkTkip", &res::kDialog141, &PageOf<&CCalcSheet::m_CalkTkip>},
    {"CPP_VacPereg", &res::kDialog133, &PageOf<&CCalcSheet::m_VacPereg>},
    {"CPP_ShugarConc", &res::kDialog144, &PageOf<&CCalcSheet::m_ShugarConc>},
    {"CPP_Peregon", &res::kDialog136, &PageOf<&CCalcSheet::m_Peregon>},
    {"CPP_PlanPeregon", &res::kDialog145, &PageOf<&CCalcSheet::m_PlanPeregon>},
};

} // namespace

std::span<const PageEntry> SheetPages() { return kPages; }

const PageEntry* FindPage(const char* className) {
  for (const PageEntry& entry : kPages)
    if (std::strcmp(entry.className, className) == 0) return &entry;
  return nullptr;
}

} // namespace brevimo
