#include "shot/TruingShotKeys.h"

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

bool applyTruingVelocityShotLine(std::string_view line, ShotParameters& shot) {
    if (!startsWithNoCase(line, kVelocityBeforeTruingKey)) return false;
    const std::optional<double> velocity = wholeNumber(line.substr(kVelocityBeforeTruingKey.size()));
    shot.velocityBeforeTruing = velocity && *velocity >= 1.0 && *velocity <= 5000.0 ? *velocity : 0.0;
    return true;
}

}  // namespace vorlan
