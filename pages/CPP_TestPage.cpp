// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_TestPage.h"

#include "CPP_CalkTkip.h"
#include "calc/number_text.h"
#include "res/dlg_132.h"

#include <filesystem>

#include <string>

CPP_TestPage::CPP_TestPage() : CPropertyPage(brevimo::res::kDialog132, "CPP_TestPage") {
  OnClicked(1020, &CPP_TestPage::OnTest);
}

void CPP_TestPage::OnTest() {
  if (!m_pCalcTkip) {
    AfxMessageBox("No CalcTkipAdress");
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

  // The table takes the previous one's place only once written whole: on a
  // full disk the old file stays and a message says why.
  constexpr char kName[] = "TestData.txt";
  brevimo::PageServices* services = brevimo::GetPageServices();
  std::error_code error;
  std::unique_ptr<brevimo::PageServices::OutputFile> file;
  if (services && !std::filesystem::is_directory(kName, error)) file = services->CreateFile(kName);
  if (!file || !file->IsOpen()) {
    AfxMessageBox("Can't open file TestData.txt");
    return;
  }
  // Numbers are formatted in the "C" locale, so the decimal point is a point.
  std::string text = "MasCon%\tTkip\tParMas%\tParMol%\n";
  for (int i = 0; i < kLines; ++i)
    text +=
        brevimo::FormatC("%3d\t%.3f\t%.3f\t%.3f\n", i, boiling[i], vapourMass[i], vapourMolar[i]);
  file->Write(text.data(), text.size());
  std::string message;
  if (!file->Commit(&message)) AfxMessageBox(message);
}
