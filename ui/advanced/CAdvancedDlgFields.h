#pragma once
// The number fields of the Advanced window: keystroke rules and the bounds their checks take,
// the same bounds the shot file's advanced keys are held to. A field of a quantity is shown and
// typed in the application's unit of it; the twist and the sensitivity, units of their own
// ("in./turn", "f.p.s./deg. F"), keep the designed ones. Labels, units and help are marked for
// the translations in the side windows' context.

#include <limits>

#include "ui/advanced/CAdvancedDlg.h"

namespace vorlan::advancedfields {

namespace W = AdvancedIds;

constexpr KeystrokeRule kPlain{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 2};
constexpr KeystrokeRule kSigned{.enabled = true, .fractional = true, .allowMinus = true, .decimals = 2};
constexpr KeystrokeRule kFine{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 3};
constexpr KeystrokeRule kCoefficient{.enabled = true, .fractional = true, .allowMinus = false, .decimals = 4};

constexpr SideNumberField kWindSpeedField{
    W::kWindSpeed,
    kPlain,
    0.0,
    200.0,
    QT_TRANSLATE_NOOP("SideWindow", "Wind Speed"),
    QT_TRANSLATE_NOOP("SideWindow", "m.p.h."),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window."),
    Quantity::Speed};
constexpr SideNumberField kDirectionField{
    W::kWindDirection,
    kPlain,
    0.0,
    360.0,
    QT_TRANSLATE_NOOP("SideWindow", "Wind From"),
    "",
    QT_TRANSLATE_NOOP("SideWindow",
                      "Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 "
                      "to 12 on the clock face (12 from the target, 3 from the right).")};
// The same edit while it takes clock hours: its help is the one above.
constexpr SideNumberField kClockField{W::kWindDirection, kPlain, 0.0, 12.0,
                                      QT_TRANSLATE_NOOP("SideWindow", "Wind From")};
constexpr SideNumberField kTwistField{
    W::kTwist,
    kPlain,
    0.0,
    100.0,
    QT_TRANSLATE_NOOP("SideWindow", "Twist Rate"),
    QT_TRANSLATE_NOOP("SideWindow", "in./turn"),
    QT_TRANSLATE_NOOP("SideWindow", "Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out.")};
constexpr SideNumberField kLengthField{W::kLength,
                                       kFine,
                                       0.0,
                                       10.0,
                                       QT_TRANSLATE_NOOP("SideWindow", "Bullet Length"),
                                       QT_TRANSLATE_NOOP("SideWindow", "in."),
                                       QT_TRANSLATE_NOOP("SideWindow", "Length of the bullet in inches, 0 to 10."),
                                       Quantity::Length};
constexpr SideNumberField kDiameterField{
    W::kDiameter,
    kFine,
    0.0,
    2.0,
    QT_TRANSLATE_NOOP("SideWindow", "Bullet Diameter"),
    QT_TRANSLATE_NOOP("SideWindow", "in."),
    QT_TRANSLATE_NOOP(
        "SideWindow",
        "Diameter of the bullet in inches, 0 to 2; 0 takes the caliber's bullet diameter (6.5x is 0.264, 30-0 0.308)."),
    Quantity::Length};
constexpr SideNumberField kLatitudeField{
    W::kLatitude,
    kSigned,
    -90.0,
    90.0,
    QT_TRANSLATE_NOOP("SideWindow", "Latitude"),
    QT_TRANSLATE_NOOP("SideWindow", "deg. N"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Latitude of the firing point in degrees, -90 to 90: north positive, south negative.")};
constexpr SideNumberField kAzimuthField{
    W::kAzimuth,
    kPlain,
    0.0,
    360.0,
    QT_TRANSLATE_NOOP("SideWindow", "Azimuth of Fire"),
    QT_TRANSLATE_NOOP("SideWindow", "deg."),
    QT_TRANSLATE_NOOP("SideWindow", "Direction of fire in degrees clockwise from north, 0 to 360.")};
constexpr SideNumberField kSensitivityField{
    W::kSensitivity,
    kSigned,
    -50.0,
    50.0,
    QT_TRANSLATE_NOOP("SideWindow", "Sensitivity"),
    QT_TRANSLATE_NOOP("SideWindow", "f.p.s./deg. F"),
    QT_TRANSLATE_NOOP(
        "SideWindow",
        "Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off.")};
constexpr SideNumberField kPowderTemperatureField{
    W::kPowderTemperature,
    kSigned,
    -150.0,
    150.0,
    QT_TRANSLATE_NOOP("SideWindow", "Powder Temp."),
    QT_TRANSLATE_NOOP("SideWindow", "deg. F"),
    QT_TRANSLATE_NOOP("SideWindow", "Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150."),
    Quantity::Temperature};
constexpr SideNumberField kReferenceTemperatureField{
    W::kReferenceTemperature,
    kSigned,
    -150.0,
    150.0,
    QT_TRANSLATE_NOOP("SideWindow", "Reference Temp."),
    QT_TRANSLATE_NOOP("SideWindow", "deg. F"),
    QT_TRANSLATE_NOOP(
        "SideWindow",
        "Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window's velocity was measured."),
    Quantity::Temperature};

constexpr SideNumberField kZeroTemperatureField{
    W::kZeroTemperature,
    kSigned,
    -150.0,
    150.0,
    QT_TRANSLATE_NOOP("SideWindow", "Temperature"),
    QT_TRANSLATE_NOOP("SideWindow", "deg. F"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Air temperature in degrees Fahrenheit, -150 to 150, on the day the rifle was zeroed."),
    Quantity::Temperature};
constexpr SideNumberField kZeroPressureField{
    W::kZeroPressure,
    kPlain,
    10.0,
    35.0,
    QT_TRANSLATE_NOOP("SideWindow", "Pressure"),
    QT_TRANSLATE_NOOP("SideWindow", "in. Hg"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "The barometer's reading where the rifle was zeroed, in inches of mercury, 10 to 35: the "
                      "pressure at the site, not reduced to sea level."),
    Quantity::Pressure};
constexpr SideNumberField kZeroHumidityField{
    W::kZeroHumidity,
    kPlain,
    0.0,
    100.0,
    QT_TRANSLATE_NOOP("SideWindow", "Humidity"),
    QT_TRANSLATE_NOOP("SideWindow", "%"),
    QT_TRANSLATE_NOOP("SideWindow", "Relative humidity in percent, 0 to 100, on the day of the zero.")};
constexpr SideNumberField kZeroPowderField{
    W::kZeroPowderTemperature,
    kSigned,
    -150.0,
    150.0,
    QT_TRANSLATE_NOOP("SideWindow", "Powder Temp."),
    QT_TRANSLATE_NOOP("SideWindow", "deg. F"),
    QT_TRANSLATE_NOOP("SideWindow",
                      "Temperature of the powder in degrees Fahrenheit, -150 to 150, when the rifle was zeroed."),
    Quantity::Temperature};

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
    kZeroTemperatureField,
    kZeroPressureField,
    kZeroHumidityField,
    kZeroPowderField,
};

// The two chronograph readings of the sensitivity helper: velocity, temperature, twice. Their
// units stand between them in the layout; the labels name them in a bounds message.
constexpr SideNumberField kReadingFields[] = {
    {W::kVelocity1, kPlain, 1.0, 5000.0, QT_TRANSLATE_NOOP("SideWindow", "Chronograph Velocity"),
     QT_TRANSLATE_NOOP("SideWindow", "f.p.s."),
     QT_TRANSLATE_NOOP("SideWindow",
                       "A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it."),
     Quantity::Velocity},
    {W::kTemperature1, kSigned, -150.0, 150.0, QT_TRANSLATE_NOOP("SideWindow", "Powder Temp."),
     QT_TRANSLATE_NOOP("SideWindow", "deg. F"),
     QT_TRANSLATE_NOOP("SideWindow",
                       "Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it."),
     Quantity::Temperature},
    {W::kVelocity2, kPlain, 1.0, 5000.0, QT_TRANSLATE_NOOP("SideWindow", "Chronograph Velocity"),
     QT_TRANSLATE_NOOP("SideWindow", "f.p.s."),
     QT_TRANSLATE_NOOP("SideWindow",
                       "A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature."),
     Quantity::Velocity},
    {W::kTemperature2, kSigned, -150.0, 150.0, QT_TRANSLATE_NOOP("SideWindow", "Powder Temp."),
     QT_TRANSLATE_NOOP("SideWindow", "deg. F"),
     QT_TRANSLATE_NOOP("SideWindow", "Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity."),
     Quantity::Temperature},
};

// A row of the coefficient bands; the column headings above them are their captions.
struct BandFields {
    SideNumberField velocity;     // ft/s
    SideNumberField coefficient;  // lb/in^2
};
constexpr BandFields bandFields(int row) {
    return {
        {W::kBandVelocity + row, kPlain, 0.0, 5000.0, QT_TRANSLATE_NOOP("SideWindow", "BC Band Velocity"),
         QT_TRANSLATE_NOOP("SideWindow", "f.p.s."),
         QT_TRANSLATE_NOOP("SideWindow",
                           "Velocity of a band in feet per second, 0 to 5000: the band's coefficient holds at and "
                           "above it, up to the next faster band."),
         Quantity::Velocity},
        {W::kBandCoefficient + row, kCoefficient, 0.0001, 2.0, "", "",
         QT_TRANSLATE_NOOP("SideWindow", "Ballistic coefficient of the band, 0.0001 to 2, for the drag function.")}};
}

// A row of the wind zones.
struct ZoneFields {
    SideNumberField until;      // yd
    SideNumberField speed;      // mph
    SideNumberField direction;  // degrees
};
constexpr ZoneFields zoneFields(int row) {
    return {{W::kZoneUntil + row, kPlain, 1.0, 100000.0, QT_TRANSLATE_NOOP("SideWindow", "Wind Zone Range"),
             QT_TRANSLATE_NOOP("SideWindow", "yd."),
             QT_TRANSLATE_NOOP("SideWindow",
                               "Range in yards, 1 to 100000, up to which this zone's wind blows (from the zone above); "
                               "the last zone blows to the end."),
             Quantity::Distance},
            {W::kZoneSpeed + row, kPlain, 0.0, 200.0, QT_TRANSLATE_NOOP("SideWindow", "Wind Zone Speed"),
             QT_TRANSLATE_NOOP("SideWindow", "m.p.h."),
             QT_TRANSLATE_NOOP("SideWindow", "Wind speed of the zone in miles per hour, 0 to 200."), Quantity::Speed},
            {W::kZoneDirection + row, kPlain, 0.0, 360.0, "", QT_TRANSLATE_NOOP("SideWindow", "deg."),
             QT_TRANSLATE_NOOP(
                 "SideWindow",
                 "Where the zone's wind comes from: 0 to 360 degrees clockwise from the target (90 from the right).")}};
}

}  // namespace vorlan::advancedfields
