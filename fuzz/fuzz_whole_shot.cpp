// A whole shot made from the bytes (any double, NaN and infinities included; any integer; any
// text; the advanced inputs within their bounds), run through every calculation and report,
// then written and read back. A shot that passes the whole-shot check prints no NaN.

#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz/FuzzCommon.h"
#include "reports/comparison/ShotComparison.h"
#include "reports/table/RangeTable.h"
#include "reports/table/TableText.h"
#include "shot/AtmosphereCommands.h"
#include "shot/ShotCheck.h"
#include "shot/ShotSetup.h"

namespace {

using namespace vorlan;

void runEveryCalculation(ShotParameters shot) {
    const RangeTableReport report(shot);
    const std::vector<std::string> lines = rangeTableLines(shot, report);
    fuzz::check(savedTableText(lines).size() >= lines.size() * 2, "every saved line has its line end");
    if (shotProblem(shot).empty())
        for (const std::string& line : lines)  // the rows: the header's "Key: text" lines may hold any text
            fuzz::check(line.find(':') != std::string::npos || line.find("nan") == std::string::npos,
                        "a checked shot prints no nan");
    (void)displayedTableLines(lines);
    (void)zeroWarning(shot, report.tableTrajectory());
    writeBackMuzzleAngle(shot, report);

    ShotParameters current = shot;
    const std::optional<ShotBaseline> baseline = setBaseline(shot);
    (void)shootComparison(baseline, current);
    (void)shootComparison(std::nullopt, current);

    (void)shotMaxRangeSolver(shot).computeMaximumRange();
    (void)shotPointBlankZeroSolver(shot).solve();
    (void)shotChronographBcSolver(shot).solve();
    EvwCalculator calculator = shotCalculator(shot);
    calculator.calculate();
    calculator.calculateRecoil();
    storeCalculator(shot, calculator);

    ShotParameters air = shot;
    airDensityCommand(air);
    icaoAtmosphereCommand(air);
    standardAtmosphereCommand(air);
    fuzz::checkRoundTrip(shot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes bytes(data, size);
    runEveryCalculation(fuzz::shotFrom(bytes));
    return 0;
}
