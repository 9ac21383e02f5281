#include <iostream>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "reports/table/RangeTable.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"

namespace vorlan::cli {

namespace {

std::string unusableReason(const ChronographBc& bc) {
    switch (bc.outcome) {
        case BcOutcome::EqualVelocities:
            return "near and far velocity are equal";
        case BcOutcome::FarAboveNear:
            return "the far velocity is above the near velocity";
        case BcOutcome::LossTooSmall:
            return "the velocity loss is smaller than a coefficient of 4.0 gives";
        case BcOutcome::NotSettled:
            return "the iteration did not settle";
        default:
            return "the result lies outside 0.0001 to 1.0";
    }
}

void checkReading(const CLI::Validator& bounds, const char* name, double value) {
    std::string text = cFormat("%.17g", value);
    const std::string problem = bounds(text);
    if (!problem.empty()) throw UsageError(std::string("the shot file's ") + name + " reading " + problem);
}

// The readings the options give, and the units they are typed in: the callback keeps them, and
// with them the units the options' checks read.
struct BcReadings {
    double near = 0.0, far = 0.0, distance = 0.0;
    UnitSystem units = UnitSystem::Imperial;
};

}  // namespace

// A coefficient from the chronograph readings of a shot file, in the drag model and air of
// the shot; options replace the file's readings, with the Compute BC window's bounds.
void addBcCommand(CLI::App& app) {
    auto* command = app.add_subcommand("bc", "Ballistic coefficient from two chronograph readings");
    auto path = std::make_shared<std::string>();
    auto typed = std::make_shared<BcReadings>();
    const UnitSystem& units = typed->units;
    command->add_option("shot", *path, "Shot file (.vxf)")->required();
    addUnitSystemOption(command, typed->units, translated("the readings in m/s and metres"), false);
    const CLI::Validator nearBounds = numberWithin(1, 5000), farBounds = numberWithin(0, 5000);
    const CLI::Validator distanceBounds = numberWithin(1, 5000);
    auto* nearOption = command->add_option("--near", typed->near, "Near velocity, ft/s (m/s in metric)")
                           ->transform(typedWithin(Quantity::Velocity, units, 1, 5000));
    auto* farOption = command->add_option("--far", typed->far, "Far velocity, ft/s (m/s in metric)")
                          ->transform(typedWithin(Quantity::Velocity, units, 0, 5000));
    // The distance between the chronographs is short: feet, or metres.
    auto* distanceOption =
        command->add_option("--distance", typed->distance, "Distance between the chronographs, ft (metres in metric)")
            ->transform(typedWithin(Quantity::Altitude, units, 1, 5000));
    command->callback([=] {
        const ShotParameters shot = loadShot(*path);
        ChronographBcSolver solver = shotChronographBcSolver(shot);
        if (nearOption->count() > 0) solver.nearVelocity = typed->near;
        if (farOption->count() > 0) solver.farVelocity = typed->far;
        if (distanceOption->count() > 0) solver.distance = typed->distance;
        // The file's readings meet the same bounds as the options.
        checkReading(nearBounds, "near", solver.nearVelocity);
        checkReading(farBounds, "far", solver.farVelocity);
        checkReading(distanceBounds, "distance", solver.distance);
        const ChronographBc bc = solver.solve();
        if (!bc.usable()) throw NoResult("no usable coefficient: " + unusableReason(bc));
        printValue(std::cout, "bc", cFormat("%6.4f", bc.ballisticCoefficient));
        printValue(std::cout, "drag", std::string(dragFunctionName(solver.dragModel.dragFunction)));
        if (const std::string note = coefficientNote(shot); !note.empty()) printValue(std::cout, "note", note);
    });
}

}  // namespace vorlan::cli
