#pragma once
// Draws a trajectory chart with QPainter onto any paint device: the chart window, a printed
// page, a PNG image or an SVG file. Drop and windage in inches against range in yards on the
// left axis, velocity in ft/s on the right; the line of sight, the sight-in and target
// ranges, the transonic points (Mach 1.2 and 1.0), the maximum ordinate, a legend of shot
// names, and the cursor with its readout of the table's columns.

#include <QColor>
#include <QRectF>
#include <vector>

#include "chart/ChartColours.h"
#include "chart/ChartGeometry.h"

class QPainter;

namespace vorlan {

// Where a painted chart put its words and marks: labels never overlap one another, a marker or
// the legend (a label without room is left out), and axis numbers never overlap their neighbours.
struct ChartMarks {
    std::vector<QRectF> labels;                    // line of sight, sight-in, target, Mach points, maximum ordinates
    std::vector<QRectF> markers;                   // the dots of the Mach points and maximum ordinates
    std::vector<std::vector<QRectF>> axisNumbers;  // per axis: range, drop and windage, velocity
};

// Paints `scene` into `area` of the painter's device. `scale` is device pixels per screen
// pixel: 1 on screen, the printer's resolution over 96 on paper. Paper colours
// unless told otherwise: a window with a dark palette passes its own.
ChartMarks paintChart(QPainter& painter, const ChartScene& scene, const QRectF& area, double scale = 1.0,
                      const ChartColours& colours = paperChartColours());

}  // namespace vorlan
