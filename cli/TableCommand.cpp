#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/table/RangeTable.h"
#include "reports/table/RangeTableCsv.h"
#include "reports/table/RangeTableView.h"
#include "reports/table/TableText.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/ScopeProfile.h"

namespace vorlan::cli {

namespace {

struct TableFlags {
    std::string path;
    bool csv = false;
    bool everyYard = false;
    bool holds = false;
    UnitSystem units = UnitSystem::Imperial;
    std::string click;  // empty: the shot's own click value
};

// The range table as the table window saves it, with LF line ends, one line at a time so
// that a long table is not held twice.
void printTable(const ShotParameters& shot, const RangeTableReport& report, const TableView& view) {
    forEachRangeTableViewLine(shot, report, view, [](std::string&& line) {
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

// Without the holds or metric flags, the header of the first CSV; with an advanced effect
// on, three more columns give its parts of the windage and drop.
void printCsv(const RangeTableReport& report, const TableFlags& flags, ClickValue click) {
    CsvOptions options;
    options.everyYard = flags.everyYard;
    options.holds = flags.holds;
    options.click = click;
    options.units = flags.units;
    options.designedHeader = !flags.holds && flags.units == UnitSystem::Imperial;
    options.lineEnd = "\n";
    forEachRangeTableCsvLine(report, options, [](std::string&& line) { std::cout << line; });
}

ClickValue clickOf(const ShotParameters& shot, const std::string& text) {
    if (text.empty()) return shot.scope.click;
    const std::optional<ClickValue> click = parseClickValue(text);
    if (!click) throw UsageError(translated("'%1' is not a click value such as 0.25moa, 1/8moa or 0.1mil", {text}));
    return *click;
}

void runTable(const TableFlags& flags) {
    ShotParameters shot = loadShot(flags.path);
    const ClickValue click = clickOf(shot, flags.click);
    if (flags.everyYard) {
        shot.incrementCount = shot.tableLength();
        shot.rangeIncrement = 1;
    }
    const RangeTableReport report(shot);
    const std::string warning = zeroWarning(shot, report.tableTrajectory());
    if (!warning.empty()) std::cerr << "vorlan-cli: " << translated("warning: %1", {warning}) << '\n';
    writeBackMuzzleAngle(shot, report);
    if (flags.csv)
        printCsv(report, flags, click);
    else
        printTable(shot, report, {flags.holds, flags.units, click});
}

}  // namespace

void addTableCommand(CLI::App& app) {
    auto* command = app.add_subcommand("table", translated("Print the range table of a shot file"));
    auto flags = std::make_shared<TableFlags>();
    command->add_option("shot", flags->path, translated("Shot file (.vxf)"))->required();
    command->add_flag("--csv", flags->csv, translated("Numbers at full precision, one row per printed range"));
    command->add_flag("--every-yard", flags->everyYard,
                      translated("A row for every yard of the table, whatever its increment"));
    command->add_flag(
        "--holds", flags->holds,
        translated("The elevation and windage to dial in true MOA, mil and clicks (up and right positive in CSV)"));
    command
        ->add_option(
            "--click", flags->click,
            translated("Click value of the turret, e.g. 0.25moa, 1/8moa, 0.1mil (default: the shot's, else 1/4 MOA)"))
        ->check(given());
    addUnitSystemOption(command, flags->units,
                        N_("rows at whole metres for a shot typed in metres; centimetres, m/s, joules, grams, deg. C, "
                           "hPa, km/h"));
    command->callback([flags] { runTable(*flags); });
}

}  // namespace vorlan::cli
