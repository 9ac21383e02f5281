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
            return translated("near and far velocity are equal");
        case BcOutcome::FarAboveNear:
            return translated("the far velocity is above the near velocity");
        case BcOutcome::LossTooSmall:
            return translated("the velocity loss is smaller than a coefficient of 4.0 gives");
        case BcOutcome::NotSettled:
            return translated("the iteration did not settle");
        default:
            return translated("the result lies outside 0.0001 to 1.0");
    }
}

// `sentence`: the catalogue's "the shot file's ... reading %1", %1 the refusal.
void checkReading(const CLI::Validator& bounds, const char* sentence, double value) {
    std::string text = cFormat("%.17g", value);
    const std::string problem = bounds(text);
    if (!problem.empty()) throw UsageError(translated(sentence, {problem}));
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
    auto* command = app.add_subcommand("bc", translated("Ballistic coefficient from two chronograph readings"));
    auto path = std::make_shared<std::string>();
    auto typed = std::make_shared<BcReadings>();
    const UnitSystem& units = typed->units;
    command->add_option("shot", *path, translated("Shot file (.vxf)"))->required();
    addUnitSystemOption(command, typed->units, N_("the readings in m/s and metres"), false);
    const CLI::Validator nearBounds = numberWithin(1, 5000), farBounds = numberWithin(0, 5000);
    const CLI::Validator distanceBounds = numberWithin(1, 5000);
    auto* nearOption = command->add_option("--near", typed->near, translated("Near velocity, ft/s (m/s in metric)"))
                           ->transform(typedWithin(Quantity::Velocity, units, 1, 5000));
    auto* farOption = command->add_option("--far", typed->far, translated("Far velocity, ft/s (m/s in metric)"))
                          ->transform(typedWithin(Quantity::Velocity, units, 0, 5000));
    // The distance between the chronographs is short: feet, or metres.
    auto* distanceOption = command
                               ->add_option("--distance", typed->distance,
                                            translated("Distance between the chronographs, ft (metres in metric)"))
                               ->transform(typedWithin(Quantity::Altitude, units, 1, 5000));
    command->callback([=] {
        const ShotParameters shot = loadShot(*path);
        ChronographBcSolver solver = shotChronographBcSolver(shot);
        if (nearOption->count() > 0) solver.nearVelocity = typed->near;
        if (farOption->count() > 0) solver.farVelocity = typed->far;
        if (distanceOption->count() > 0) solver.distance = typed->distance;
        // The file's readings meet the same bounds as the options.
        checkReading(nearBounds, N_("the shot file's near reading %1"), solver.nearVelocity);
        checkReading(farBounds, N_("the shot file's far reading %1"), solver.farVelocity);
        checkReading(distanceBounds, N_("the shot file's distance reading %1"), solver.distance);
        const ChronographBc bc = solver.solve();
        if (!bc.usable()) throw NoResult(translated("no usable coefficient: %1", {unusableReason(bc)}));
        printValue(std::cout, "bc", cFormat("%6.4f", bc.ballisticCoefficient));
        printValue(std::cout, "drag", std::string(dragFunctionName(solver.dragModel.dragFunction)));
        if (const std::string note = coefficientNote(shot); !note.empty()) printValue(std::cout, "note", note);
    });
}

}  // namespace vorlan::cli
