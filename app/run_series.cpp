// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_series.h"

namespace brevimo {

void ThinRunSeries(const std::vector<DistillationStep>& steps, double DistillationStep::*value,
                   int columns, QList<QPointF>* points) {
  ThinSeries(steps, &DistillationStep::OutVol, value, columns, points);
}

void BuildRunSeries(const DistillationRun& run, int columns, RunSeries* series) {
  ThinRunSeries(run.steps, &DistillationStep::TKipBak, columns, &series->stillTemperature);
  ThinRunSeries(run.steps, &DistillationStep::VConBak, columns, &series->stillStrength);
  ThinRunSeries(run.steps, &DistillationStep::ParVolCon, columns, &series->vapourStrength);
  ThinRunSeries(run.steps, &DistillationStep::OutVolCon, columns, &series->collectedStrength);
}

std::size_t NearestStep(const std::vector<DistillationStep>& steps, double x) {
  return NearestStepAt(steps, &DistillationStep::OutVol, x);
}

} // namespace brevimo
