#pragma once
// The seam between vorlan-cli, which has no Qt, and the chart renderer, a module it loads
// only when it draws a chart or a field card. The module starts Qt on the offscreen
// platform, draws the series (the first is the main shot, the rest overlays) and writes the
// picture; a field card it draws into memory and hands back as bytes for the program to write.

#include <string>
#include <vector>

#include <optional>

#include "chart/ChartSeries.h"
#include "engine/Units.h"
#include "reports/FieldCardLayout.h"

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

struct CardFileRequest {
    FittedCard card;
    std::optional<SheetPlan> sheet;  // none: one card on a page of its own size
    CardFileFormat format = CardFileFormat::Pdf;
};

// The card's entry point: true with the file's bytes in `bytes`; otherwise false with the
// reason in `error`.
inline constexpr const char* kCardRendererSymbol = "vorlanRenderCardFile";
using CardRendererFunction = bool (*)(const CardFileRequest& request, std::string& bytes, std::string& error);

// The module's file name, next to the program that loads it.
inline constexpr const char* kChartRendererFile = "libvorlan-chart-renderer.so";

}  // namespace vorlan
