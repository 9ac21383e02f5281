// vorlan-cli chart: the trajectory chart of one or more shots as a PNG or SVG file, drawn by
// the renderer module (rendererEntry).

#include <algorithm>
#include <cctype>
#include <string>

#include "chart/ChartRenderer.h"
#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/chartview/ReportChartSeries.h"

namespace vorlan::cli {

namespace {

constexpr int kDefaultWidth = 1000;
constexpr int kDefaultHeight = 600;
constexpr int kLargestSide = 10000;  // pixels

bool hasPictureExtension(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path.ends_with(".png") || path.ends_with(".svg");
}

}  // namespace

void addChartCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("chart", translated("Draw the trajectory chart of one or more shot files as PNG or SVG"));
    auto shots = std::make_shared<std::vector<std::string>>();
    auto request = std::make_shared<ChartFileRequest>();
    request->width = kDefaultWidth;
    request->height = kDefaultHeight;
    command->add_option("shots", *shots, translated("Shot files (.vxf); the first is the main shot, the rest overlays"))
        ->required();
    command->add_option("-o,--output", request->path, translated("Picture to write (.png or .svg)"))->required();
    command->add_option("--width", request->width, translated("Width in pixels"))
        ->check(wholeWithin(100, kLargestSide));
    command->add_option("--height", request->height, translated("Height in pixels"))
        ->check(wholeWithin(100, kLargestSide));
    addUnitSystemOption(command, request->units, N_("metres, centimetres and m/s on the axes"));
    command->callback([shots, request] {
        if (!hasPictureExtension(request->path))
            throw UsageError(translated("the output file must end in .png or .svg"));
        for (const std::string& path : *shots) {
            const ShotParameters shot = loadShot(path);
            request->series.push_back(chartSeries(shot, RangeTableReport(shot)));
            if (request->series.size() == 1) countHits(request->series.back(), shot);
        }
        std::string error;
        const auto render =
            reinterpret_cast<ChartRendererFunction>(rendererEntry(kChartRendererFile, kChartRendererSymbol));
        if (!render(*request, error))
            throw UsageError(translated("cannot write chart '%1': %2", {request->path, error}));
    });
}

}  // namespace vorlan::cli
