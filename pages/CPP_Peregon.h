// SPDX-License-Identifier: GPL-3.0-or-later
// Distillation run page: the start and the end of a pot-still run, each a
// boiling temperature or a strength, and the wash volume; "Расчет" runs the
// step simulation and shows the distillate and what is left in the still,
// and with "Файл" ticked writes the run's course to a text file.
//
// Beside each of the start and the end the page shows the other quantity
// (the strength of a liquid boiling at the temperature given, or the boiling
// temperature of the strength given), recomputed at every refresh.
//
// The page keeps its last successful run; "График" shows it in the sheet's
// chart window.
#pragma once

#include "pagelayer/property_page.h"

#include <memory>
#include <string>

class CCalcSheet;
class CPP_CalkTkip;
namespace brevimo {
struct DistillationRun;
}

class CPP_Peregon : public CPropertyPage {
public:
  CPP_Peregon();

  CCalcSheet* m_pSheet = nullptr;
  CPP_CalkTkip* m_pBoilingPage = nullptr; // the sheet's boiling page
  int m_nStartKind = 0;                   // 0 boiling temperature, 1 strength (% vol)
  int m_nEndKind = 0;
  double m_dStart = 92.5; // °C or % vol, by the start kind
  double m_dEnd = 98.0;
  double m_dWash = 1.0;       // wash volume
  double OutVol = 0.0;        // distillate volume
  double OutVolCon = 0.0;     // distillate strength, % vol
  double VolBak = 0.0;        // volume left in the still
  double m_dAltStart = 10.16; // the other quantity for the start
  double m_dAltEnd = 2.13;
  double m_dWorkMass = 0.0; // mass % on the way to an alternative
  std::string ErrText;
  CComboBox m_cStartKind;
  CComboBox m_cEndKind;
  double m_dStartShown = 92.5;
  double m_dEndShown = 98.0;
  std::string m_sOutVol, m_sOutVolCon;
  double m_dWashShown = 1.0;
  std::string m_sAltStart, m_sAltEnd, m_sAltEndLabel, m_sAltStartLabel, m_sVolBak;
  int m_nFile = 0;
  // The last run that reached its end; a failed run leaves it.
  std::shared_ptr<const brevimo::DistillationRun> m_lastRun;

  bool OnApply() override { return false; }

  void RunDistillation();
  void ShowChart(); // button "График"

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

private:
  // The other quantity for a value of the given kind; false when the
  // boiling model or the conversion has none.
  bool Alternative(int kind, double value, double* alternative);
};
