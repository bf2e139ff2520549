// SPDX-License-Identifier: GPL-3.0-or-later
// The developer's test page: tabulates the boiling table for every whole mass
// percent of the liquid into "TestData.txt" in the working directory. The
// calculator sheet does not show it; whoever creates it links the boiling
// page through m_pCalcTkip first.
#pragma once

#include "pagelayer/property_page.h"

class CPP_CalkTkip;

class CPP_TestPage : public CPropertyPage {
public:
  CPP_TestPage();

  CPP_CalkTkip* m_pCalcTkip = nullptr;

  void OnTest();
};
