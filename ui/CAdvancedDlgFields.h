#pragma once
// The number fields of the Advanced window: keystroke rules and the bounds their checks take,
// the same bounds the shot file's advanced keys are held to.

#include <limits>

#include "ui/CAdvancedDlg.h"

namespace vorlan::advancedfields {

namespace W = AdvancedIds;

constexpr KeystrokeRule kPlain{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 2};
constexpr KeystrokeRule kSigned{.enabled = true, .fractional = true, .allowMinus = true, .decimals = 2};
constexpr KeystrokeRule kFine{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 3};
constexpr KeystrokeRule kCoefficient{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 4};

constexpr SideNumberField kWindSpeedField{W::kWindSpeed, kPlain, 0.0, 200.0};
constexpr SideNumberField kDirectionField{W::kWindDirection, kPlain, 0.0, 360.0};
constexpr SideNumberField kClockField{W::kWindDirection, kPlain, 0.0, 12.0};
constexpr SideNumberField kTwistField{W::kTwist, kPlain, 0.0, 100.0};
constexpr SideNumberField kLengthField{W::kLength, kFine, 0.0, 10.0};
constexpr SideNumberField kDiameterField{W::kDiameter, kFine, 0.0, 2.0};
constexpr SideNumberField kLatitudeField{W::kLatitude, kSigned, -90.0, 90.0};
constexpr SideNumberField kAzimuthField{W::kAzimuth, kPlain, 0.0, 360.0};
constexpr SideNumberField kSensitivityField{W::kSensitivity, kSigned, -50.0, 50.0};
constexpr SideNumberField kPowderTemperatureField{W::kPowderTemperature, kSigned, -150.0, 150.0};
constexpr SideNumberField kReferenceTemperatureField{W::kReferenceTemperature, kSigned, -150.0, 150.0};

// Every field the exchange checks, in its order (the direction in degrees; the bands apart).
constexpr SideNumberField kNumberFields[] = {
    kWindSpeedField,
    kDirectionField,
    kTwistField,
    kLengthField,
    kDiameterField,
    kLatitudeField,
    kAzimuthField,
    kSensitivityField,
    kPowderTemperatureField,
    kReferenceTemperatureField,
};

// The two chronograph readings of the sensitivity helper: velocity, temperature, twice.
constexpr SideNumberField kReadingFields[] = {
    {W::kVelocity1, kPlain, 1.0, 5000.0},
    {W::kTemperature1, kSigned, -150.0, 150.0},
    {W::kVelocity2, kPlain, 1.0, 5000.0},
    {W::kTemperature2, kSigned, -150.0, 150.0},
};

struct BandFields {
    SideNumberField velocity;     // ft/s
    SideNumberField coefficient;  // lb/in^2
};
constexpr BandFields bandFields(int row) {
    return {{W::kBandVelocity + row, kPlain, 0.0, 5000.0}, {W::kBandCoefficient + row, kCoefficient, 0.0001, 2.0}};
}

}  // namespace vorlan::advancedfields
