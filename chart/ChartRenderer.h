#pragma once
// The seam between vorlan-cli, which has no Qt, and the chart renderer, a module it loads
// only when it draws a chart. The module starts Qt on the offscreen platform, draws the
// series (the first is the main shot, the rest overlays) and writes the picture.

#include <string>
#include <vector>

#include "chart/ChartSeries.h"
#include "engine/Units.h"

namespace vorlan {

struct ChartFileRequest {
    std::vector<ChartSeries> series;
    std::string path;  // ends in .png or .svg
    int width = 0;     // pixels
    int height = 0;
    UnitSystem units = UnitSystem::Imperial;  // of the axes and labels
};

// The module's one entry point, looked up by this name: true when the file was written;
// otherwise false with the reason in `error`.
inline constexpr const char* kChartRendererSymbol = "vorlanWriteChartFile";
using ChartRendererFunction = bool (*)(const ChartFileRequest& request, std::string& error);

// The module's file name, next to the program that loads it.
inline constexpr const char* kChartRendererFile = "libvorlan-chart-renderer.so";

}  // namespace vorlan
