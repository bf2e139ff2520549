// SPDX-License-Identifier: GPL-3.0-or-later
#include "CPP_Peregon.h"

#include "calc/distillation.h"
#include "calc_sheet.h"
#include "page_boiling.h"
#include "res/dlg_136.h"

#include <cstring>
#include <optional>

// The caption of the other quantity beside the start and the end: the
// boiling temperature of a strength given, the strength of a temperature.
namespace brevimo {
constexpr const char* kAltTemperature = BREVIMO_TR_NOOP("Темпер.");
constexpr const char* kAltStrength = BREVIMO_TR_NOOP("Об%");
} // namespace brevimo

namespace {

// The results file as the run goes: the header, then a row per step. It
// takes the previous run's place only once complete (ReplacingFile).
class ResultsFile final : public brevimo::DistillationSink {
public:
  explicit ResultsFile(std::unique_ptr<brevimo::PageServices::OutputFile> file)
      : m_file(std::move(file)) {
    if (m_file)
      m_file->Write(brevimo::DistillationFile::kHeader,
                    std::strlen(brevimo::DistillationFile::kHeader));
  }
  void OnStep(const brevimo::DistillationStep& step) override {
    if (!m_file) return;
    char row[brevimo::DistillationFile::kRowCapacity];
    m_file->Write(row, brevimo::DistillationFile::FormatRow(step, row));
  }
  // Puts the file in place; false, with the message to show, when it
  // could not be written.
  bool Commit(std::string* message) { return !m_file || m_file->Commit(message); }

private:
  std::unique_ptr<brevimo::PageServices::OutputFile> m_file;
};

std::unique_ptr<brevimo::PageServices::OutputFile> CreateResultsFile() {
  brevimo::PageServices* services = brevimo::GetPageServices();
  return services ? services->CreateFile(brevimo::DistillationFile::kName) : nullptr;
}

} // namespace

CPP_Peregon::CPP_Peregon() : CPropertyPage(brevimo::res::kDialog136, "CPP_Peregon") {
  OnClicked(1062, &CPP_Peregon::RunDistillation);
  OnClicked(1099, &CPP_Peregon::ShowChart);
}

bool CPP_Peregon::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_pSheet = static_cast<CCalcSheet*>(GetParent());
  m_pBoilingPage = &m_pSheet->m_CalkTkip;
  GetDlgItem(1099).EnableWindow(m_lastRun != nullptr);
  UpdateData(false);
  return true;
}

bool CPP_Peregon::Alternative(int kind, double value, double* alternative) {
  if (!m_pBoilingPage) return false;
  PageBoiling boiling(*m_pBoilingPage);
  return brevimo::RunPointAlternative(kind, value, boiling, &m_dWorkMass, alternative);
}

void CPP_Peregon::DoDataExchange(CDataExchange* pDX) {
  // The kind lists are bound by the first exchange; until then only the
  // plain fields are filled.
  if (!pDX->m_bSaveAndValidate && m_cStartKind.IsBound()) {
    m_cStartKind.SetCurSel(m_nStartKind);
    m_cEndKind.SetCurSel(m_nEndKind);
    m_dStartShown = m_dStart;
    m_dEndShown = m_dEnd;
    m_dWashShown = m_dWash;
    m_sOutVol = FormatNumber("%.4f", OutVol);
    m_sOutVolCon = FormatNumber("%.4f", OutVolCon);
    m_sVolBak = FormatNumber("%.4f", VolBak);
    // A failed alternative keeps its last text; one message for both.
    double alternative = 0.0;
    bool failed = false;
    if (Alternative(m_nStartKind, m_dStart, &alternative)) {
      m_dAltStart = alternative;
      m_sAltStart = FormatNumber("%.2f", m_dAltStart);
    } else {
      failed = true;
    }
    if (Alternative(m_nEndKind, m_dEnd, &alternative)) {
      m_dAltEnd = alternative;
      m_sAltEnd = FormatNumber("%.2f", m_dAltEnd);
    } else {
      failed = true;
    }
    if (failed) AfxMessageBox("Parameters Error");
    m_sAltStartLabel =
        m_nStartKind == brevimo::RunByStrength ? brevimo::kAltTemperature : brevimo::kAltStrength;
    m_sAltEndLabel =
        m_nEndKind == brevimo::RunByStrength ? brevimo::kAltTemperature : brevimo::kAltStrength;
  }
  DDX_Control(pDX, 1055, m_cStartKind);
  DDX_Control(pDX, 1056, m_cEndKind);
  DDX_Text(pDX, 1053, m_dStartShown);
  DDX_Text(pDX, 1054, m_dEndShown);
  DDX_Text(pDX, 1063, m_sOutVol);
  DDX_Text(pDX, 1065, m_sOutVolCon);
  DDX_Text(pDX, 1057, m_dWashShown);
  DDX_Text(pDX, 1058, m_sAltStart);
  DDX_Text(pDX, 1061, m_sAltEnd);
  DDX_Text(pDX, 1060, m_sAltEndLabel);
  DDX_Text(pDX, 1059, m_sAltStartLabel);
  DDX_Text(pDX, 1067, m_sVolBak);
  DDX_Check(pDX, 1064, m_nFile);
  // A field that is not a number ends the exchange before the members change.
  if (pDX->m_bSaveAndValidate && !pDX->m_bFailed && m_cStartKind.IsBound()) {
    m_nStartKind = m_cStartKind.GetCurSel();
    m_nEndKind = m_cEndKind.GetCurSel();
    m_dStart = m_dStartShown;
    m_dEnd = m_dEndShown;
    m_dWash = m_dWashShown;
  }
}

void CPP_Peregon::RunDistillation() {
  if (!UpdateData(true)) return;

  // A file that cannot be written costs the run nothing: the run goes on,
  // and the message follows its results.
  std::optional<ResultsFile> file;
  if (m_nFile) file.emplace(CreateResultsFile());

  auto run = std::make_shared<brevimo::DistillationRun>();
  run->input = {m_nStartKind, m_dStart, m_nEndKind, m_dEnd, m_dWash};
  brevimo::DistillationResult& result = run->result;
  result = {OutVol, OutVolCon, VolBak, 0};
  int ok = 0;
  {
    CWaitCursor wait;
    PageBoiling boiling(*m_pBoilingPage);
    // Every step is kept for the chart, and written on to the file.
    ok = brevimo::RecordDistillation(run.get(), boiling, true, file ? &*file : nullptr, &ErrText);
  }
  // The file holds the steps done, also those of a failed run.
  std::string fileMessage;
  const bool fileFailed = file && !file->Commit(&fileMessage);
  // The results of the last completed step, shown at the next refresh.
  OutVol = result.OutVol;
  OutVolCon = result.OutVolCon;
  VolBak = result.VolBak;
  if (!ok) {
    AfxMessageBox(ErrText);
    if (fileFailed) AfxMessageBox(fileMessage);
    return;
  }
  m_lastRun = std::move(run);
  GetDlgItem(1099).EnableWindow(true);
  m_pSheet->RefreshRunChart(m_lastRun);
  UpdateData(false);
  if (fileFailed) AfxMessageBox(fileMessage);
}

void CPP_Peregon::ShowChart() {
  if (m_lastRun) m_pSheet->ShowRunChart(m_lastRun);
}
