#pragma once
// What the Truing window shows of a session: the observations as points of a chart over the
// curves before and after the fit, the fitted values in words, and the residual table.

#include <QString>
#include <optional>
#include <vector>

#include "chart/ChartGeometry.h"
#include "shot/Truing.h"
#include "shot/Units.h"

class QTableWidget;
class QWidget;

namespace vorlan {

class TrajectoryChartView;

// The observations as points of a chart: each hold and drop as inches above the line of sight,
// each measured velocity on the velocity axis, with the uncertainty the fit weighs it by.
std::vector<ChartObservation> observedPoints(const std::vector<Observation>& observations, ClickValue click);

// The chart of `shot` as entered, with the observations, and the curve trued by `result` when it
// holds a fit's values.
// The chart speaks the units' system (metres and centimetres with metric distances).
TrajectoryChartView* truingChart(const ShotParameters& shot, const std::vector<Observation>& observations,
                                 const TruingResult* result, const UnitChoice& units, QWidget* parent);

// A message with every observation column's CSV name ("up_moa") as the window names it
// ("Up (MOA)").
std::string withColumnNames(std::string message);
// The column a message about one value begins with ("up_moa at 600 yd must be..."); 0 (the
// range) for others.
int messageColumn(const std::string& message);

// A message as a sentence: a capital first letter and a full stop.
QString sentence(std::string text);

// The fitted values with their standard errors and the residuals in uncertainties, then the
// reason when the fit was refused; the velocity in the unit of `units`.
QString truingResultText(const TruingResult& result, const UnitChoice& units);

// The residual table's rows: range, reading, observed, uncertainty, before and after, each in
// the unit of `units` where its reading has a unit of choice.
void showResidualRows(QTableWidget& table, const std::vector<TruingResidual>& residuals, const UnitChoice& units);

// The quantity of column `column` (of kObservationColumns) whose unit the shooter chooses (the
// range, the drop, the velocities); none for angles and times.
std::optional<Quantity> observationQuantity(int column);
// Its name without the unit, marked for the catalogue ("Range"); nullptr for the others.
const char* observationLabel(int column);
// The label of the unit of `quantity` in `units`, translated: "m/s".
QString unitLabel(Quantity quantity, const UnitChoice& units);
// A velocity as the window says it: "2650.0 f.p.s." in the designed unit, "807.7 m/s" in another.
QString velocityText(double velocity, const UnitChoice& units, const char* format = "%.1f");

}  // namespace vorlan
