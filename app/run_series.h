// SPDX-License-Identifier: GPL-3.0-or-later
// The series of the run chart: each quantity of a run over the distillate
// collected, thinned for drawing.
#pragma once

#include "calc/distillation.h"

#include <QList>
#include <QPointF>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

namespace brevimo {

// Columns of the x range a series is thinned to: about one per pixel of a
// wide plot.
inline constexpr int kRunChartColumns = 1000;

// The points (x, value) of one quantity of steps whose x never falls,
// thinned to at most four per column of the x range: the first, the lowest,
// the highest and the last step falling in it, in step order. So the first
// and the last step and the extremes of the whole course are always kept,
// and the line drawn at one pixel per column is that of every step. A course
// of no more than four steps per column is kept whole.
template <class Step>
void ThinSeries(const std::vector<Step>& steps, double Step::*xOf, double Step::*value, int columns,
                QList<QPointF>* points) {
  points->clear();
  const std::size_t n = steps.size();
  columns = std::max(columns, 1);
  const std::size_t perColumn = 4;
  if (n <= perColumn * static_cast<std::size_t>(columns)) {
    points->reserve(static_cast<qsizetype>(n));
    for (const Step& s : steps)
      points->append(QPointF(s.*xOf, s.*value));
    return;
  }
  points->reserve(static_cast<qsizetype>(perColumn) * columns);
  const double x0 = steps.front().*xOf;
  const double span = steps.back().*xOf - x0;
  const double scale = span > 0.0 ? columns / span : 0.0;
  const auto columnOf = [&](double x) {
    const double c = (x - x0) * scale;
    // NaN and values outside the course's range fall into the end columns.
    if (!(c > 0.0)) return 0;
    return c >= columns ? columns - 1 : static_cast<int>(c);
  };
  std::size_t i = 0;
  while (i < n) {
    const int column = columnOf(steps[i].*xOf);
    std::size_t first = i, low = i, high = i;
    for (++i; i < n && columnOf(steps[i].*xOf) == column; ++i) {
      const double v = steps[i].*value;
      if (v < steps[low].*value) low = i;
      if (v > steps[high].*value) high = i;
    }
    std::size_t keep[] = {first, low, high, i - 1};
    std::sort(std::begin(keep), std::end(keep));
    for (std::size_t k = 0; k < 4; ++k)
      if (k == 0 || keep[k] != keep[k - 1])
        points->append(QPointF(steps[keep[k]].*xOf, steps[keep[k]].*value));
  }
}

// Index of the step whose x is nearest to at; steps must not be empty.
template <class Step>
std::size_t NearestStepAt(const std::vector<Step>& steps, double Step::*xOf, double at) {
  const auto after = std::lower_bound(steps.begin(), steps.end(), at,
                                      [&](const Step& s, double v) { return s.*xOf < v; });
  if (after == steps.begin()) return 0;
  if (after == steps.end()) return steps.size() - 1;
  const auto before = after - 1;
  const std::size_t i = static_cast<std::size_t>(after - steps.begin());
  return at - (*before).*xOf <= (*after).*xOf - at ? i - 1 : i;
}

// The points (OutVol, value) of one quantity of a run, thinned as above.
// The collected volume never falls during a run, which is what keeps a
// column's steps together.
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
