#pragma once
// The chart as a file: a PNG picture or an SVG drawing of the given size, chosen by the file
// name's extension. The picture is drawn in memory and handed to the safe writer, so the file
// is replaced only once the new picture is complete, under the rules of every other file.

#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "chart/ChartGeometry.h"

namespace vorlan {

enum class ChartFileFormat { Png, Svg, Unknown };

// ".png" or ".svg", in any case.
ChartFileFormat chartFileFormat(std::string_view path);

// Writes the chart to the file named by `path`, the name's exact bytes (a name from Qt is
// passed as QFile::encodeName gives it); on failure returns false and puts the reason in `error`.
bool exportChart(const ChartScene& scene, const std::string& path, QSize size, QString& error);

}  // namespace vorlan
