#pragma once
// Draws a trajectory chart with QPainter onto any paint device: the chart window, a printed
// page, a PNG image or an SVG file. Drop and windage in inches against range in yards on the
// left axis, velocity in ft/s on the right; the line of sight, the sight-in and target
// ranges, the transonic points (Mach 1.2 and 1.0), the maximum ordinate, a legend of shot
// names, and the cursor with its readout of the table's columns.

#include <QColor>
#include <QRectF>

#include "chart/ChartGeometry.h"

class QPainter;

namespace vorlan {

// The colour of the i-th series: the window's own shot first, then the overlays.
QColor seriesColor(std::size_t index);

// Paints `scene` into `area` of the painter's device. `scale` is device pixels per screen
// pixel: 1 on screen, the printer's resolution over 96 on paper.
void paintChart(QPainter& painter, const ChartScene& scene, const QRectF& area, double scale = 1.0);

}  // namespace vorlan
