// Figures for the range table's other forms on the 5001-row table of bench::longTableShot:
// its CSV (as text, and written to a file atomically) and the holds and metric text views.
//
//   vorlan_export_bench      the benchmarks (the CSV's target: under 20 ms)

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>

#include "bench/BenchShots.h"
#include "reports/table/RangeTableCsv.h"
#include "reports/table/RangeTableView.h"

using namespace vorlan;

namespace {

CsvOptions csvOptions(bool holds, UnitSystem units) {
    CsvOptions options;
    options.holds = holds;
    options.units = units;
    return options;
}

void csvText(benchmark::State& state, CsvOptions options) {
    const RangeTableReport report(bench::longTableShot());
    for (auto _ : state) {
        std::string text = rangeTableCsv(report, options);
        benchmark::DoNotOptimize(text);
        state.counters["bytes"] = static_cast<double>(text.size());
    }
}
BENCHMARK_CAPTURE(csvText, designed, csvOptions(false, UnitSystem::Imperial))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(csvText, holdsMetric, csvOptions(true, UnitSystem::Metric))->Unit(benchmark::kMillisecond);

// What Export CSV... costs: the text, a temporary file, its sync and the rename.
void csvFile(benchmark::State& state) {
    const RangeTableReport report(bench::longTableShot());
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vorlan-bench-" + std::to_string(::getpid()) + ".csv")).string();
    for (auto _ : state) {
        if (!writeRangeTableCsv(path, report, csvOptions(true, UnitSystem::Imperial)))
            state.SkipWithError("not written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(csvFile)->Unit(benchmark::kMillisecond);

void viewLines(benchmark::State& state, TableView view) {
    const ShotParameters shot = bench::longTableShot();
    const RangeTableReport report(shot);
    for (auto _ : state) {
        std::vector<std::string> lines = rangeTableViewLines(shot, report, view);
        benchmark::DoNotOptimize(lines);
        state.counters["lines"] = static_cast<double>(lines.size());
    }
}
BENCHMARK_CAPTURE(viewLines, holds, TableView{true, UnitSystem::Imperial, {0.1, AngleUnit::Mil}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(viewLines, metric, TableView{false, UnitSystem::Metric, {}})->Unit(benchmark::kMillisecond);

}  // namespace
