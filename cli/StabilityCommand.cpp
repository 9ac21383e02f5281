#include <iostream>

#include "cli/Commands.h"
#include "engine/AdvancedEffects.h"
#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/CaliberDiameter.h"
#include "shot/ShotSetup.h"

namespace vorlan::cli {

void addStabilityCommand(CLI::App& app) {
    auto* command =
        app.add_subcommand("stability", translated("Print the gyroscopic stability factor of a shot file's bullet"));
    auto path = std::make_shared<std::string>();
    auto units = std::make_shared<UnitSystem>(UnitSystem::Imperial);
    command->add_option("shot", *path, translated("Shot file (.vxf) with a twist rate, bullet length and diameter"))
        ->required();
    addUnitSystemOption(command, *units, N_("the diameter in millimetres"), false);
    command->callback([path, units] {
        const ShotParameters shot = loadShot(*path);
        const BulletDiameter diameter = bulletDiameter(shot.advanced.bulletDiameter, shot.caliber);
        if (diameter.source == DiameterSource::None)
            throw NoResult(translated(
                "the calibre \"%1\" names no bullet diameter: enter Bullet Diameter (inches) in the Advanced window",
                {shot.caliber}));
        if (!shotAdvancedEffects(shot).spinDriftOn())
            throw NoResult(translated("the shot file needs a twist rate and a bullet length"));
        const double stability = shotStability(shot);
        // A bullet's diameter is told in millimetres, as calibres are.
        printValue(std::cout, "diameter",
                   *units == UnitSystem::Metric
                       ? cFormat("%.2f mm", toShown(diameter.inches, Quantity::Length, Unit::Millimetre))
                       : cFormat("%.3f in", diameter.inches));
        printValue(std::cout, "source", std::string(diameterSourceName(diameter.source)));
        printValue(std::cout, "stability", cFormat("%.2f", stability));
        printValue(std::cout, "advice", std::string(stabilityAdvice(stability)));
    });
}

}  // namespace vorlan::cli
