#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"
#include "shot/Truing.h"

namespace vorlan::cli {

namespace {

struct TrueFlags {
    std::string path;
    std::string observed;
    std::string fit;
    std::string out;
    bool csv = false;
    UnitSystem units = UnitSystem::Imperial;
};

// A residual's quantity as the residual table names it in metric units, and what it measures;
// the holds and times keep their names.
struct MetricColumn {
    std::string_view name, metricName;
    Quantity quantity;
};
constexpr MetricColumn kMetricColumns[] = {{"drop_in", "drop_cm", Quantity::Offset},
                                           {"velocity_fps", "velocity_mps", Quantity::Velocity}};

// The residual in the printed units: its range, name and figures.
TruingResidual residualIn(TruingResidual r, UnitSystem units) {
    if (units == UnitSystem::Imperial) return r;
    r.range = shownIn(r.range, Quantity::Distance, units);
    for (const MetricColumn& column : kMetricColumns) {
        if (column.name != r.quantity) continue;
        r.quantity = column.metricName.data();
        // Residuals and sigmas are differences: scaled, never shifted.
        for (double* value : {&r.observed, &r.sigma, &r.before, &r.after})
            *value = shownIn(*value, column.quantity, units);
    }
    return r;
}

TruingFit fitNamed(const std::string& name) {
    if (name == "velocity") return TruingFit::Velocity;
    if (name == "bc") return TruingFit::Bc;
    if (name == "mach") return TruingFit::Mach;
    return TruingFit::Auto;
}

void printFit(const TruingResult& result, UnitSystem units) {
    printValue(std::cout, units == UnitSystem::Metric ? "velocity_mps" : "velocity_fps",
               cFormat("%.1f \u00b1 %.1f", shownIn(result.velocity, Quantity::Velocity, units),
                       shownIn(result.velocityError, Quantity::Velocity, units)));
    std::string scale;
    for (std::size_t i = 0; i < result.dragScale.size(); ++i)
        scale += cFormat("%s%.2f %.3f \u00b1 %.3f", i ? "; " : "", result.dragScale[i].mach, result.dragScale[i].factor,
                         result.dragScaleErrors[i]);
    printValue(std::cout, "drag_scale", scale.empty() ? std::string("not fitted") : scale);
    if (result.dragFunctionChosen)
        printValue(std::cout, "drag_function",
                   cFormat("%s %.4g (its fit leaves the smaller weighted residual)",
                           std::string(dragFunctionName(result.dragFunction)).c_str(), result.ballisticCoefficient));
    if (!result.note.empty()) printValue(std::cout, "note", result.note);
}

void printResiduals(const TruingResult& result, bool csv, UnitSystem units) {
    if (csv) {
        std::cout << (units == UnitSystem::Metric ? "range_m," : "range_yd,")
                  << "quantity,observed,sigma,residual_before,residual_after\n";
        for (const TruingResidual& shown : result.residuals) {
            const TruingResidual r = residualIn(shown, units);
            std::cout << cFormat("%g,%s,%.6g,%.6g,%.6g,%.6g\n", r.range, r.quantity, r.observed, r.sigma, r.before,
                                 r.after);
        }
        return;
    }
    std::cout << (units == UnitSystem::Metric ? "range_m " : "range_yd")
              << "  quantity       observed     sigma    before     after\n";
    for (const TruingResidual& shown : result.residuals) {
        const TruingResidual r = residualIn(shown, units);
        std::cout << cFormat("%8g  %-12s %10.3f %9.3f %9.3f %9.3f\n", r.range, r.quantity, r.observed, r.sigma,
                             r.before, r.after);
    }
}

void runTrue(const TrueFlags& flags) {
    ShotParameters shot = loadShot(flags.path);
    if (!flags.observed.empty()) {
        ObservationTable table = loadObservationsCsv(flags.observed);
        if (!table.error.empty()) throw UsageError(translated("observations '%1': %2", {flags.observed, table.error}));
        shot.observations = std::move(table.observations);
    }
    if (shot.observations.empty())
        throw UsageError(
            translated("no observations: give a CSV file with --observed, or a shot file that keeps some"));
    const TruingResult result = trueShot(shot, shot.observations, fitNamed(flags.fit));
    if (result.outcome == TruingResult::Outcome::BadInput) throw UsageError(result.message);
    if (!result.residuals.empty()) {
        printFit(result, flags.units);
        printResiduals(result, flags.csv, flags.units);
    }
    if (result.outcome == TruingResult::Outcome::Undecided) throw NoResult(result.message);
    if (flags.out.empty()) return;
    applyTruing(shot, result);
    // A file the program would refuse, or read back without its observations, is never written.
    if (const std::string problem = truedShotProblem(shot); !problem.empty())
        throw NoResult(translated("the trued shot is not written: %1", {problem}));
    const FileOutcome outcome = writeShotFile(flags.out, shot);
    if (!outcome) throw UsageError(translated("cannot write shot file '%1': %2", {flags.out, outcome.reason()}));
}

}  // namespace

void addTrueCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "true",
        translated("Fit the muzzle velocity and a drag scale of a shot file to the holds, drops, velocities and times "
                   "observed at real ranges"));
    auto flags = std::make_shared<TrueFlags>();
    command->add_option("shot", flags->path, translated("Shot file (.vxf)"))->required();
    addUnitSystemOption(command, flags->units, N_("the fitted velocity and the residual table in m/s, metres and cm"),
                        false);
    command->add_option(
        "--observed", flags->observed,
        translated("CSV with range_yd and any of up_moa, up_mil, up_clicks, drop_in, velocity_fps, time_s, "
                   "sigma_moa, sigma_fps (default: the shot file's own observations)"));
    command
        ->add_option(
            "--fit", flags->fit,
            translated("velocity: the velocity alone; bc: and one drag factor; mach: and a drag factor by Mach "
                       "(default: chosen by the number of observed ranges, and G1 or G7, whichever fits better)"))
        ->check(CLI::IsMember({"velocity", "bc", "mach"}));
    command->add_option("-o,--output", flags->out,
                        translated("Write the trued shot, with its observations, to this shot file"));
    command->add_flag("--csv", flags->csv, translated("The residual table as CSV"));
    command->callback([flags] { runTrue(*flags); });
}

}  // namespace vorlan::cli
