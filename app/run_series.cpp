// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_series.h"

#include <algorithm>
#include <cmath>

namespace brevimo {

void ThinRunSeries(const std::vector<DistillationStep>& steps, double DistillationStep::*value,
                   int columns, QList<QPointF>* points) {
  points->clear();
  const std::size_t n = steps.size();
  columns = std::max(columns, 1);
  const std::size_t perColumn = 4;
  if (n <= perColumn * static_cast<std::size_t>(columns)) {
    points->reserve(static_cast<qsizetype>(n));
    for (const DistillationStep& s : steps)
      points->append(QPointF(s.OutVol, s.*value));
    return;
  }
  points->reserve(static_cast<qsizetype>(perColumn) * columns);
  const double x0 = steps.front().OutVol;
  const double span = steps.back().OutVol - x0;
  const double scale = span > 0.0 ? columns / span : 0.0;
  const auto columnOf = [&](double x) {
    const double c = (x - x0) * scale;
    // NaN and volumes outside the run's range fall into the end columns.
    if (!(c > 0.0)) return 0;
    return c >= columns ? columns - 1 : static_cast<int>(c);
  };
  std::size_t i = 0;
  while (i < n) {
    const int column = columnOf(steps[i].OutVol);
    std::size_t first = i, low = i, high = i;
    for (++i; i < n && columnOf(steps[i].OutVol) == column; ++i) {
      const double v = steps[i].*value;
      if (v < steps[low].*value) low = i;
      if (v > steps[high].*value) high = i;
    }
    std::size_t keep[] = {first, low, high, i - 1};
    std::sort(std::begin(keep), std::end(keep));
    for (std::size_t k = 0; k < 4; ++k)
      if (k == 0 || keep[k] != keep[k - 1])
        points->append(QPointF(steps[keep[k]].OutVol, steps[keep[k]].*value));
  }
}

void BuildRunSeries(const DistillationRun& run, int columns, RunSeries* series) {
  ThinRunSeries(run.steps, &DistillationStep::TKipBak, columns, &series->stillTemperature);
  ThinRunSeries(run.steps, &DistillationStep::VConBak, columns, &series->stillStrength);
  ThinRunSeries(run.steps, &DistillationStep::ParVolCon, columns, &series->vapourStrength);
  ThinRunSeries(run.steps, &DistillationStep::OutVolCon, columns, &series->collectedStrength);
}

std::size_t NearestStep(const std::vector<DistillationStep>& steps, double x) {
  const auto after =
      std::lower_bound(steps.begin(), steps.end(), x,
                       [](const DistillationStep& s, double v) { return s.OutVol < v; });
  if (after == steps.begin()) return 0;
  if (after == steps.end()) return steps.size() - 1;
  const auto before = after - 1;
  const std::size_t i = static_cast<std::size_t>(after - steps.begin());
  return x - before->OutVol <= after->OutVol - x ? i - 1 : i;
}

} // namespace brevimo
