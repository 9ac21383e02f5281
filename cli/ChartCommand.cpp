// vorlan-cli chart: the trajectory chart of one or more shots as a PNG or SVG file. Drawing
// needs Qt, which the rest of vorlan-cli does without: the renderer is a module beside the
// program, loaded only when this command runs.

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>

#include "chart/ChartRenderer.h"
#include "cli/Commands.h"
#include "reports/ReportChartSeries.h"

namespace vorlan::cli {

namespace {

constexpr int kDefaultWidth = 1000;
constexpr int kDefaultHeight = 600;
constexpr int kLargestSide = 10000;  // pixels

// The folder of the running program, with its trailing '/'.
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "./";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

// Beside the program in the build tree; in the library folder once installed.
ChartRendererFunction loadRenderer() {
    const std::string besideProgram = programFolder() + kChartRendererFile;
    std::string module = besideProgram;
    if (access(module.c_str(), F_OK) != 0)
        module = programFolder() + VORLAN_INSTALLED_MODULE_FOLDER + kChartRendererFile;
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw UsageError(std::string("chart drawing is not available: ") + dlerror());
    auto* render = reinterpret_cast<ChartRendererFunction>(dlsym(handle, kChartRendererSymbol));
    if (!render) throw UsageError("chart drawing is not available: " + module + " has no renderer");
    return render;  // the module stays loaded until the program ends
}

bool hasPictureExtension(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path.ends_with(".png") || path.ends_with(".svg");
}

}  // namespace

void addChartCommand(CLI::App& app) {
    auto* command = app.add_subcommand("chart", "Draw the trajectory chart of one or more shot files as PNG or SVG");
    auto shots = std::make_shared<std::vector<std::string>>();
    auto request = std::make_shared<ChartFileRequest>();
    request->width = kDefaultWidth;
    request->height = kDefaultHeight;
    command->add_option("shots", *shots, "Shot files (.vxf); the first is the main shot, the rest overlays")
        ->required();
    command->add_option("-o,--output", request->path, "Picture to write (.png or .svg)")->required();
    command->add_option("--width", request->width, "Width in pixels")->check(CLI::Range(100, kLargestSide));
    command->add_option("--height", request->height, "Height in pixels")->check(CLI::Range(100, kLargestSide));
    command->add_flag_callback(
        "--metric", [request] { request->units = UnitSystem::Metric; }, "Metres, centimetres and m/s on the axes");
    command->callback([shots, request] {
        if (!hasPictureExtension(request->path)) throw UsageError("the output file must end in .png or .svg");
        for (const std::string& path : *shots) {
            const ShotParameters shot = loadShot(path);
            request->series.push_back(chartSeries(shot, RangeTableReport(shot)));
        }
        std::string error;
        if (!loadRenderer()(*request, error)) throw UsageError("cannot write chart '" + request->path + "': " + error);
    });
}

}  // namespace vorlan::cli
