#include "shot/TruingShotKeys.h"

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

constexpr std::string_view kVelocityBeforeTruingKey = "Velocity Before Truing:";

}  // namespace

std::string truingVelocityShotFileText(const ShotParameters& shot) {
    if (shot.velocityBeforeTruing == 0.0) return {};
    return std::string(kVelocityBeforeTruingKey) + cFormat("%.10g", shot.velocityBeforeTruing) +
           std::string(kShotLineEnd);
}

bool applyTruingVelocityShotLine(std::string_view line, ShotParameters& shot, std::string* problem) {
    if (!startsWithNoCase(line, kVelocityBeforeTruingKey)) return false;
    const std::string_view text = line.substr(kVelocityBeforeTruingKey.size());
    const std::optional<double> velocity = wholeNumber(text);
    if (velocity && *velocity >= 1.0 && *velocity <= 5000.0)
        shot.velocityBeforeTruing = *velocity;
    else if (problem)
        *problem = translated("%1 \"%2\" is not a velocity from 1 to 5000 ft/s", {kVelocityBeforeTruingKey, text});
    return true;
}

}  // namespace vorlan
