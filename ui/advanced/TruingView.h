#pragma once
// What the Truing window shows of a session: the observations as points of a chart over the
// curves before and after the fit, the fitted values in words, and the residual table.

#include <QString>
#include <vector>

#include "chart/ChartGeometry.h"
#include "shot/Truing.h"

class QTableWidget;
class QWidget;

namespace vorlan {

class TrajectoryChartView;

// The observations as points of a chart: each hold and drop as inches above the line of sight,
// each measured velocity on the velocity axis, with the uncertainty the fit weighs it by.
std::vector<ChartObservation> observedPoints(const std::vector<Observation>& observations, ClickValue click);

// The chart of `shot` as entered, with the observations, and the curve trued by `result` when it
// holds a fit's values.
TrajectoryChartView* truingChart(const ShotParameters& shot, const std::vector<Observation>& observations,
                                 const TruingResult* result, QWidget* parent);

// A message with every observation column's CSV name ("up_moa") as the window names it
// ("Up (MOA)").
std::string withColumnNames(std::string message);
// The column a message about one value begins with ("up_moa at 600 yd must be..."); 0 (the
// range) for others.
int messageColumn(const std::string& message);

// A message as a sentence: a capital first letter and a full stop.
QString sentence(std::string text);

// The fitted values with their standard errors and the residuals in uncertainties, then the
// reason when the fit was refused.
QString truingResultText(const TruingResult& result);

// The residual table's rows: range, reading, observed, uncertainty, before and after.
void showResidualRows(QTableWidget& table, const std::vector<TruingResidual>& residuals);

}  // namespace vorlan
