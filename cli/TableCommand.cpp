#include <iostream>

#include "cli/Commands.h"
#include "reports/RangeTable.h"
#include "reports/TableText.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/CLocaleNumbers.h"

namespace vorlan::cli {

namespace {

// The range table as the table window saves it, with LF line ends, one line at a time so
// that a long table is not held twice.
void printTable(const ShotParameters& shot, const RangeTableReport& report) {
    forEachRangeTableLine(shot, report, [](std::string&& line) {
        const std::string saved = savedTableLine(line);
        std::string out;
        out.reserve(saved.size());
        for (std::size_t i = 0; i < saved.size(); ++i) {
            if (saved[i] == '\r' && i + 1 < saved.size() && saved[i + 1] == '\n') continue;
            out += saved[i];
        }
        std::cout << out;
    });
}

// With an advanced effect on, three more columns give its parts of the windage and drop.
void printCsv(const RangeTableReport& report) {
    const std::vector<EffectParts> parts = report.printedEffectParts();
    std::cout << "range_yd,drop_in,velocity_fps,energy_ftlb,momentum_lbs,windage_in,lead_in,time_s,elevation";
    if (!parts.empty()) std::cout << ",spin_drift_in,coriolis_horizontal_in,coriolis_vertical_in";
    std::cout << '\n';
    const std::vector<TrajectoryPoint> rows = report.printedRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TrajectoryPoint& row = rows[i];
        const double drop = row.drop * 12.0;
        std::cout << cFormat("%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,", row.range, drop, row.velocity,
                             row.energy, row.momentum, row.windage * 12.0, row.lead * 12.0, row.time);
        if (row.range > 0.0) std::cout << cFormat("%.17g", drop / (row.range / 100.0));
        if (i < parts.size())
            std::cout << cFormat(",%.17g,%.17g,%.17g", parts[i].spinDrift * 12.0, parts[i].coriolisHorizontal * 12.0,
                                 parts[i].coriolisVertical * 12.0);
        std::cout << '\n';
    }
}

}  // namespace

void addTableCommand(CLI::App& app) {
    auto* command = app.add_subcommand("table", "Print the range table of a shot file");
    auto path = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    auto everyYard = std::make_shared<bool>(false);
    command->add_option("shot", *path, "Shot file (.vxf)")->required();
    command->add_flag("--csv", *csv, "Numbers at full precision, one row per printed range");
    command->add_flag("--every-yard", *everyYard, "A row for every yard of the table, whatever its increment");
    command->callback([path, csv, everyYard] {
        ShotParameters shot = loadShot(*path);
        if (const std::string problem = advancedInputProblem(shot.advanced); !problem.empty())
            throw UsageError(problem);
        if (*everyYard) {
            shot.incrementCount = shot.tableLength();
            shot.rangeIncrement = 1;
        }
        const RangeTableReport report(shot);
        const std::string warning = zeroWarning(shot, report.tableTrajectory());
        if (!warning.empty()) std::cerr << "vorlan-cli: warning: " << warning << '\n';
        writeBackMuzzleAngle(shot, report);
        if (*csv)
            printCsv(report);
        else
            printTable(shot, report);
    });
}

}  // namespace vorlan::cli
