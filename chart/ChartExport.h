#pragma once
// The chart as a file: a PNG picture or an SVG drawing of the given size, chosen by the file
// name's extension. The file is replaced only once the new picture is complete.

#include <QSize>
#include <QString>

#include "chart/ChartGeometry.h"

namespace vorlan {

enum class ChartFileFormat { Png, Svg, Unknown };

// ".png" or ".svg", in any case.
ChartFileFormat chartFileFormat(const QString& path);

// Writes the chart; on failure returns false and puts the reason in `error`.
bool exportChart(const ChartScene& scene, const QString& path, QSize size, QString& error);

}  // namespace vorlan
