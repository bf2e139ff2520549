// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_TestPage.h"

#include "CPP_CalkTkip.h"
#include "calc/number_text.h"
#include "res/dlg_132.h"
#include "ui/message_box.h"

#include <cstdio>

CPP_TestPage::CPP_TestPage() : CPropertyPage(brevimo::res::kDialog132, "CPP_TestPage") {
  OnClicked(1020, &CPP_TestPage::OnTest);
}

void CPP_TestPage::OnTest() {
  if (!m_pCalcTkip) {
    AfxMessageBox(QStringLiteral("No CalcTkipAdress"));
    return;
  }

  // Everything is computed before the file is opened; a refused content
  // (0 and above the azeotrope) is written as -1.
  constexpr int kLines = 101;
  double boiling[kLines], vapourMass[kLines], vapourMolar[kLines];
  for (int i = 0; i < kLines; ++i) {
    if (!CPP_CalkTkip::BoilingLookup(i, &boiling[i], &vapourMass[i], &vapourMolar[i]))
      boiling[i] = vapourMass[i] = vapourMolar[i] = -1.0;
  }

  std::FILE* file = std::fopen("TestData.txt", "w");
  if (!file) {
    AfxMessageBox(QStringLiteral("Can't open file TestData.txt"));
    return;
  }
  // Numbers are formatted in the "C" locale, so the decimal point is a point.
  std::fputs("MasCon%\tTkip\tParMas%\tParMol%\n", file);
  for (int i = 0; i < kLines; ++i) {
    const std::string line =
        brevimo::FormatC("%3d\t%.3f\t%.3f\t%.3f\n", i, boiling[i], vapourMass[i], vapourMolar[i]);
    std::fputs(line.c_str(), file);
  }
  std::fclose(file);
}
