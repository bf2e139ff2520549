// SPDX-License-Identifier: GPL-3.0-or-later
// The series of the run chart: each quantity of a run over the distillate
// collected, thinned for drawing.
#pragma once

#include "calc/distillation.h"

#include <QList>
#include <QPointF>

#include <cstddef>
#include <vector>

namespace brevimo {

// Columns of the x range a series is thinned to: about one per pixel of a
// wide plot.
inline constexpr int kRunChartColumns = 1000;

// The points (OutVol, value) of one quantity, thinned to at most four per
// column of the x range: the first, the lowest, the highest and the last
// step falling in it, in step order. So the first and the last step and the
// extremes of the whole run are always kept, and the line drawn at one
// pixel per column is that of every step. A run of no more than four steps
// per column is kept whole. The collected volume never falls during a run,
// which is what keeps a column's steps together.
void ThinRunSeries(const std::vector<DistillationStep>& steps, double DistillationStep::*value,
                   int columns, QList<QPointF>* points);

// The chart's four series.
struct RunSeries {
  QList<QPointF> stillTemperature;  // TKipBak, °C
  QList<QPointF> stillStrength;     // VConBak, % vol
  QList<QPointF> vapourStrength;    // ParVolCon, % vol
  QList<QPointF> collectedStrength; // OutVolCon, % vol
};
void BuildRunSeries(const DistillationRun& run, int columns, RunSeries* series);

// Index of the step whose collected volume is nearest to x; steps must not
// be empty.
std::size_t NearestStep(const std::vector<DistillationStep>& steps, double x);

} // namespace brevimo
