// SPDX-License-Identifier: GPL-3.0-or-later
// The chart windows as a library loaded on first use: Qt Charts and Qt Svg
// are left out of the program's start. The library exports one function
// (kRunChartEntry) that returns its functions; the sheet calls nothing else
// of it.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
namespace brevimo {
struct DistillationRun;
struct RunPlan;
} // namespace brevimo

struct RunChartModule {
  // A new chart window (a CRunChart) as a child window of parent.
  QWidget* (*create)(QWidget* parent);
  // Puts the run in the chart window.
  void (*setRun)(QWidget* chart, std::shared_ptr<const brevimo::DistillationRun> run);
  // A new chart window of a planned run (a CPlanChart), and the plan put in it.
  QWidget* (*createPlan)(QWidget* parent);
  void (*setPlan)(QWidget* chart, std::shared_ptr<const brevimo::RunPlan> plan);
};

inline constexpr char kRunChartEntry[] = "brevimo_run_chart_module";
extern "C" const RunChartModule* brevimo_run_chart_module();

namespace brevimo {
// The chart library's functions, loaded on the first call: from the
// program's folder, from the folder the installed libraries lie in, or as
// already loaded. nullptr (why in problem, in the interface language) when
// it cannot be loaded.
const RunChartModule* LoadRunChartModule(QString* problem);
// The same from the first of places (library files, without their suffix)
// that loads; nothing is remembered.
const RunChartModule* LoadRunChartModule(const QStringList& places, QString* problem);
} // namespace brevimo
