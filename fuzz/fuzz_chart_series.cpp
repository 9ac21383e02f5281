// The chart renderer's input: the series drawn from a whole shot made from the bytes (as the
// whole-shot target makes it), with the queries the chart makes of it at any range.

#include <cmath>
#include <cstdint>

#include "fuzz/FuzzCommon.h"
#include "reports/chartview/ReportChartSeries.h"
#include "shot/ShotCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlan;
    fuzz::Bytes bytes(data, size);
    const double range = bytes.take<double>();
    const double mach = bytes.take<double>();
    const ShotParameters shot = fuzz::shotFrom(bytes);
    // The chart is drawn only of a shot that passes its check, as every command checks it.
    if (!shotProblem(shot).empty()) return 0;
    const RangeTableReport report(shot);
    const ChartSeries series = chartSeries(shot, report);
    fuzz::check(series.rows.size() <= static_cast<std::size_t>(shot.tableLength()) + 1, "no row beyond the table");
    for (const std::optional<std::size_t> row :
         {transonicRow(series, mach), maximumOrdinateRow(series), nearestRow(series, range)})
        fuzz::check(!row || *row < series.rows.size(), "a chart row is a row of the series");
    if (const auto row = nearestRow(series, range))
        for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric})
            for (const auto& [name, value] : chartReadout(series.rows[*row], units))
                fuzz::check(!name.empty() && value.find("nan") == std::string::npos, "a readout shows numbers");
    return 0;
}
