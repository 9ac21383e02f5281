// Pop-up help texts, one per help id: the controls of the main dialog, the colour chooser and
// the comparison window, and the dialogs themselves for a click on their background.

#include <QHash>

#include "ui/CAdvancedDlg.h"
#include "ui/ContextHelp.h"

namespace vorlan {

namespace {

struct Entry {
    int templateId;
    int controlId;  // 0: the dialog itself
    const char* text;
};

const Entry kEntries[] = {
    {102, 0, "The main window: describe one shot, then run a command with the buttons below."},
    {137, 0, "Derives a ballistic coefficient from two chronograph velocities."},
    {138, 0, "The longest distance the shot can reach, its firing elevation and its highest point."},
    {139, 0, "The optimum point-blank zero for a vital zone of the given diameter."},
    {140, 0, "The current shot compared with the baseline at the target range."},
    {157, 0, "Energy, velocity, bullet weight, power factor and recoil energy."},
    {158, 0, "Effects beyond the standard flight: wind from any side, spin, the Earth's rotation, powder, drag."},
    {102, 1046, "Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag."},
    {102, 1000,
     "A name for this gun and load, up to 256 characters. It heads the range table and is offered as the file name "
     "when you save the shot."},
    {102, 1001,
     "The caliber as you write it, up to 4 characters, for example .308; the number it begins with, in inches, gives "
     "the sectional density."},
    {102, 1002, "Muzzle velocity in feet per second, 1 to 5000, as a chronograph measures it near the muzzle."},
    {102, 1003, "Bullet or pellet weight in grains, 0.0001 to 1000 (7000 grains make a pound)."},
    {102, 1004,
     "Ballistic coefficient, 0.0001 to 2, for the drag function chosen on the right: use a G7 figure with G7, a G1 "
     "figure with G1."},
    {102, 1005, "Height of the sight's centre above the centre of the bore in inches, 0.01 to 10."},
    {102, 1006, "Sideways tilt of the sight in degrees, -180 to 180; a canted sight moves the strike to the side."},
    {102, 1007,
     "The range in yards, 1 to 5000, at which the sight is zeroed: the bullet crosses the line of sight there."},
    {102, 1008, "The distance in yards between two rows of the range table, a whole number from 1 to 5000."},
    {102, 1009,
     "Number of rows after the muzzle row, a whole number from 1 to 5000; increment times rows is held at 5000 yards "
     "at most."},
    {102, 1010, "Slope of the line of sight in degrees, -90 to 90: positive uphill, negative downhill."},
    {102, 1011, "Crosswind speed in miles per hour, 0 to 200, blowing at right angles to the line of fire."},
    // The comparison window's target range (140, 1012) carries this same help id.
    {102, 1012,
     "Range of the target in yards, 0 to 5000: Shoot compares the current shot with the baseline at this range."},
    {102, 1013, "Air temperature in degrees Fahrenheit, -150 to 150."},
    {102, 1014, "Relative humidity of the air in percent, 0 to 100."},
    {102, 1015,
     "Barometric pressure in inches of mercury: 26 to 35 as a sea-level reading, which is reduced by 1 inch per 1000 "
     "feet of altitude; 10 to 35 when Station B.P. is checked and the reading is the pressure at the site."},
    {102, 1016, "Air density in pounds per cubic foot, filled by Air Density, Std. Atmosphere and ICAO Atmosphere."},
    {102, 1017, "Air density as a percentage of the standard sea-level density of 0.076474 pounds per cubic foot."},
    {102, 1018, "Altitude of the shooting site in feet above sea level, -1000 to 20000."},
    {102, 1019,
     "Check when the pressure is the barometer reading at the site; clear it when the pressure is corrected to sea "
     "level, as weather reports give it."},
    {102, 1020, "G1: the standard flat-based projectile, the drag function of most published coefficients."},
    {102, 1021, "G7: long boat-tailed rifle bullets."},
    {102, 1022, "G2: the Aberdeen J projectile."},
    {102, 1023, "G8: flat-based bullets with a long ogive."},
    {102, 1024, "G6: flat-based spitzer bullets."},
    {102, 1025, "G5: short boat-tailed bullets."},
    {102, 1026,
     "Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and "
     "shows its density."},
    {102, 1027, "GL: lead ball."},
    {102, 1028, "Gi: the Ingalls projectile."},
    {102, 1029, "Computes the air density of the temperature, pressure, humidity and altitude entered."},
    {102, 1030,
     "Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. "
     "checked), and shows its density."},
    {102, 1031, "Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own."},
    {102, 1032, "Opens a window comparing the current shot with the baseline at the target range."},
    {102, 1033, "Remembers the current shot as the baseline for Shoot."},
    {102, 1034, "Opens Compute BC: a ballistic coefficient from two chronograph readings."},
    {102, 1035, "Opens Maximum Range: the longest distance and height the shot can reach."},
    {102, 1036, "Opens OPBZ: the optimum point-blank zero for a vital zone."},
    {102, 1037,
     "Speed of a moving target in miles per hour, 0 to 100; the table's lead column shows how far ahead to aim."},
    {102, 1038, "Opens the energy, velocity, weight and recoil calculator."},
    {102, 1039,
     "When checked, Vorlan finds the muzzle angle by zeroing at the sight-in range; clear it to enter the muzzle angle "
     "yourself."},
    {102, 1041,
     "Direction of the target's movement against the line of fire in degrees, 0 to 180; 90 is straight across."},
    {102, 1042,
     "Angle of the bore above the line of sight in minutes of angle, -5400 to 5400; found by zeroing while the "
     "correction box below is checked."},
    {102, 1044, "GS: spherical ball."},
    {102, 1045, "RA4: .22 rimfire bullets and airgun pellets."},
    {102, 1047, "Click here, then on any field or button, to see what it does."},
    {102, 32778, "Opens the Vorlan user's guide."},
    {140, 1019,
     "How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches."},
    {140, 1018, "How much further to the side the current shot strikes than the baseline, in inches."},
    {140, 1041, "The name of the shot that Set Baseline kept."},
    {140, 1042, "The name of the current shot."},
    {140, 1020, "Why the shots were compared short of the target range, or that no baseline was set."},
    {137, 1000, "Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000."},
    {137, 1001,
     "Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than "
     "the near velocity."},
    {137, 1002, "Distance between the two chronographs in feet, a whole number from 1 to 5000."},
    {137, 1003, "The ballistic coefficient that gives the measured velocity loss, for the drag function shown."},
    {137, 1035, "Puts the coefficient shown into the main window's Ballistic Coefficient field."},
    {137, 1066, "Computes the coefficient for the main window's atmosphere and drag function."},
    {138, 1042, "The name of the shot."},
    {138, 1006, "How far the bullet can fly over level ground, in yards."},
    {138, 1007, "The elevation of the bore that gives the longest range, in degrees."},
    {138, 1008, "The highest point of the longest trajectory above the muzzle, in feet."},
    {138, 1009, "The bullet's speed at the end of the longest trajectory, in feet per second."},
    {138, 1010, "The bullet's energy at the end of the longest trajectory, in foot-pounds."},
    {138, 1011, "Time of flight of the longest trajectory, in seconds."},
    {138, 1012, "How high the bullet climbs when fired straight up, in feet."},
    {138, 1013, "How long the straight-up climb takes, in seconds."},
    {139, 1043, "The name of the shot."},
    {139, 1013,
     "Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of "
     "sight."},
    {139, 1067, "The sight-in range in yards that keeps the bullet inside the zone the longest."},
    {139, 1010, "The range in yards where the bullet first comes up into the zone."},
    {139, 1009, "The range in yards where the bullet drops out of the zone."},
    {139, 1008, "Finds the optimum zero for the shot in the main window."},
    {157, 1073, "Bullet velocity in feet per second, 0 or more."},
    {157, 1075, "Bullet weight in grains, 0 or more."},
    {157, 1076, "Bullet energy in foot-pounds, 0 or more."},
    {157, 1082, "Power factor: weight in grains times velocity in feet per second, divided by 1000."},
    {157, 1077, "Calculate the energy from the velocity and the weight."},
    {157, 1078, "Calculate the velocity from the weight and the energy."},
    {157, 1079, "Calculate the weight from the velocity and the energy."},
    {157, 1074, "Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound)."},
    {157, 1081, "Weight of the powder charge in grains, 0 to 200."},
    {157, 1080, "Energy of the gun's recoil in foot-pounds."},
    {157, 1025, "Calculates the value the chosen mode derives, and the power factor."},
    {157, 1027, "Calculates the recoil energy of the gun from the bullet, the powder and the gun weight."},
    {101, 1051, "Keeps the colour shown; it is stored when Vorlan ends."},
    {101, 1052, "Goes back to the colour kept last."},
    {101, 1054, "Red part of the colour of all Vorlan windows, 0 to 255."},
    {101, 1055, "Green part of the colour of all Vorlan windows, 0 to 255."},
    {101, 1056, "Blue part of the colour of all Vorlan windows, 0 to 255."},
};

// The Advanced window; its five rows of coefficient bands share two texts.
const Entry kAdvancedEntries[] = {
    {158, 1001, "Wind speed in miles per hour, 0 to 200; above 0 it replaces the Crosswind of the main window."},
    {158, 1002,
     "Where the wind comes from: 0 to 360 degrees clockwise from the target (90 from the right), or 0 to 12 on the "
     "clock face (12 from the target, 3 from the right)."},
    {158, 1003, "Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire."},
    {158, 1004, "Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right."},
    {158, 1010, "Barrel twist in inches per turn, 0 to 100; 0 leaves spin drift out."},
    {158, 1011, "Check for a barrel whose rifling turns to the left: the bullet drifts to the left."},
    {158, 1012, "Length of the bullet in inches, 0 to 10."},
    {158, 1013, "Diameter of the bullet in inches, 0 to 2; 0 takes the number the caliber begins with."},
    {158, 1014, "Gyroscopic stability factor by Miller's rule, for the main window's velocity and air."},
    {158, 1015, "Below 1.0 unstable, to 1.3 marginal, to 1.5 fair, above 1.5 stable."},
    {158, 1020, "Check to let the Earth's rotation move the bullet (Coriolis and Eotvos effects)."},
    {158, 1021, "Latitude of the firing point in degrees, -90 to 90: north positive, south negative."},
    {158, 1022, "Direction of fire in degrees clockwise from north, 0 to 360."},
    {158, 1030, "Change of muzzle velocity in feet per second per degree Fahrenheit of powder, -50 to 50; 0 is off."},
    {158, 1031, "Temperature of the powder at the shot in degrees Fahrenheit, -150 to 150."},
    {158, 1032,
     "Powder temperature in degrees Fahrenheit, -150 to 150, at which the main window's velocity was measured."},
    {158, 1033, "The muzzle velocity in feet per second that the powder temperature gives."},
    {158, 1034, "A chronograph velocity in feet per second, 1 to 5000, measured at the temperature beside it."},
    {158, 1035, "Powder temperature in degrees Fahrenheit, -150 to 150, of the velocity beside it."},
    {158, 1036, "A second chronograph velocity in feet per second, 1 to 5000, at another powder temperature."},
    {158, 1037, "Powder temperature in degrees Fahrenheit, -150 to 150, of the second velocity."},
    {158, 1038, "Computes the sensitivity from the two velocities and their temperatures."},
    {158, 1040, "Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen."},
    {158, 1041, "Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed."},
    {158, 1042, "The drag table held, or what is wrong with the file last loaded."},
};
constexpr const char* kBandVelocityText =
    "Lowest velocity of a band in feet per second, 0 to 5000; the band's coefficient holds down to the next band.";
constexpr const char* kBandCoefficientText = "Ballistic coefficient of the band, 0.0001 to 2, for the drag function.";

const QHash<quint32, QString>& texts() {
    static const QHash<quint32, QString> table = [] {
        QHash<quint32, QString> t;
        for (const Entry& e : kEntries)
            t.insert(e.controlId ? controlHelpId(e.templateId, e.controlId) : dialogHelpId(e.templateId),
                     QString::fromUtf8(e.text));
        for (const Entry& e : kAdvancedEntries)
            t.insert(controlHelpId(e.templateId, e.controlId), QString::fromUtf8(e.text));
        for (int row = 0; row < kMaxBcBands; ++row) {
            t.insert(controlHelpId(158, CAdvancedDlg::kBandVelocity + row), QString::fromUtf8(kBandVelocityText));
            t.insert(controlHelpId(158, CAdvancedDlg::kBandCoefficient + row), QString::fromUtf8(kBandCoefficientText));
        }
        return t;
    }();
    return table;
}

}  // namespace

bool hasPopupHelpText(quint32 helpId) { return texts().contains(helpId); }

QString popupHelpText(quint32 helpId) {
    return texts().value(helpId, QStringLiteral("No help topic is associated with this item."));
}

}  // namespace vorlan
