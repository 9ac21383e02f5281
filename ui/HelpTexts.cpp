// Pop-up help texts, one per help id: the controls of the main dialog, the colour chooser and
// the comparison window, and the dialogs themselves for a click on their background.

#include <QHash>

#include "ui/ContextHelp.h"
#include "ui/ControlIds.h"

namespace vorlan {

namespace {

struct Entry {
    int templateId;
    int controlId;  // 0: the dialog itself
    const char* text;
};

const Entry kEntries[] = {
    {MainDialogIds::kTemplate, 0, "The main window: describe one shot, then run a command with the buttons below."},
    {ComputeBcIds::kTemplate, 0, "Derives a ballistic coefficient from two chronograph velocities."},
    {MaximumRangeIds::kTemplate, 0,
     "The longest distance the shot can reach, its firing elevation and its highest point."},
    {OpbzIds::kTemplate, 0, "The optimum point-blank zero for a vital zone of the given diameter."},
    {ComparisonIds::kTemplate, 0, "The current shot compared with the baseline at the target range."},
    {EvwIds::kTemplate, 0, "Energy, velocity, bullet weight, power factor and recoil energy."},
    {MainDialogIds::kTemplate, MainDialogIds::kNameEdit,
     "A name for this gun and load, up to 256 characters. It heads the range table and is offered as the file name "
     "when you save the shot."},
    {MainDialogIds::kTemplate, MainDialogIds::kCaliberEdit,
     "The caliber as you write it, up to 4 characters, for example .308; the number it begins with, in inches, gives "
     "the sectional density."},
    {MainDialogIds::kTemplate, MainDialogIds::kVelocityEdit,
     "Muzzle velocity in feet per second, 1 to 5000, as a chronograph measures it near the muzzle."},
    {MainDialogIds::kTemplate, MainDialogIds::kWeightEdit,
     "Bullet or pellet weight in grains, 0.0001 to 1000 (7000 grains make a pound)."},
    {MainDialogIds::kTemplate, MainDialogIds::kBallisticCoefficientEdit,
     "Ballistic coefficient, 0.0001 to 2, for the drag function chosen on the right: use a G7 figure with G7, a G1 "
     "figure with G1."},
    {MainDialogIds::kTemplate, MainDialogIds::kSightHeightEdit,
     "Height of the sight's centre above the centre of the bore in inches, 0.01 to 10."},
    {MainDialogIds::kTemplate, MainDialogIds::kCantAngleEdit,
     "Sideways tilt of the sight in degrees, -180 to 180; a canted sight moves the strike to the side."},
    {MainDialogIds::kTemplate, MainDialogIds::kSightInRangeEdit,
     "The range in yards, 1 to 5000, at which the sight is zeroed: the bullet crosses the line of sight there."},
    {MainDialogIds::kTemplate, MainDialogIds::kRangeIncrementEdit,
     "The distance in yards between two rows of the range table, a whole number from 1 to 5000."},
    {MainDialogIds::kTemplate, MainDialogIds::kIncrementCountEdit,
     "Number of rows after the muzzle row, a whole number from 1 to 5000; increment times rows is held at 5000 yards "
     "at most."},
    {MainDialogIds::kTemplate, MainDialogIds::kLosAngleEdit,
     "Slope of the line of sight in degrees, -90 to 90: positive uphill, negative downhill."},
    {MainDialogIds::kTemplate, MainDialogIds::kCrosswindEdit,
     "Crosswind speed in miles per hour, 0 to 200, blowing at right angles to the line of fire."},
    // The comparison window's target range carries this same help id.
    {MainDialogIds::kTemplate, MainDialogIds::kTargetRangeEdit,
     "Range of the target in yards, 0 to 5000: Shoot compares the current shot with the baseline at this range."},
    {MainDialogIds::kTemplate, MainDialogIds::kTemperatureEdit, "Air temperature in degrees Fahrenheit, -150 to 150."},
    {MainDialogIds::kTemplate, MainDialogIds::kHumidityEdit, "Relative humidity of the air in percent, 0 to 100."},
    {MainDialogIds::kTemplate, MainDialogIds::kPressureEdit,
     "Barometric pressure in inches of mercury: 26 to 35 as a sea-level reading, which is reduced by 1 inch per 1000 "
     "feet of altitude; 10 to 35 when Station B.P. is checked and the reading is the pressure at the site."},
    {MainDialogIds::kTemplate, MainDialogIds::kAirDensityEdit,
     "Air density in pounds per cubic foot, filled by Air Density, Std. Atmosphere and ICAO Atmosphere."},
    {MainDialogIds::kTemplate, MainDialogIds::kSeaLevelPercentEdit,
     "Air density as a percentage of the standard sea-level density of 0.076474 pounds per cubic foot."},
    {MainDialogIds::kTemplate, MainDialogIds::kAltitudeEdit,
     "Altitude of the shooting site in feet above sea level, -1000 to 20000."},
    {MainDialogIds::kTemplate, MainDialogIds::kStationPressureCheck,
     "Check when the pressure is the barometer reading at the site; clear it when the pressure is corrected to sea "
     "level, as weather reports give it."},
    {MainDialogIds::kTemplate, MainDialogIds::kG1Radio,
     "G1: the standard flat-based projectile, the drag function of most published coefficients."},
    {MainDialogIds::kTemplate, MainDialogIds::kG7Radio, "G7: long boat-tailed rifle bullets."},
    {MainDialogIds::kTemplate, MainDialogIds::kG2Radio, "G2: the Aberdeen J projectile."},
    {MainDialogIds::kTemplate, MainDialogIds::kG8Radio, "G8: flat-based bullets with a long ogive."},
    {MainDialogIds::kTemplate, MainDialogIds::kG6Radio, "G6: flat-based spitzer bullets."},
    {MainDialogIds::kTemplate, MainDialogIds::kG5Radio, "G5: short boat-tailed bullets."},
    {MainDialogIds::kTemplate, MainDialogIds::kStdAtmosphereButton,
     "Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry air, altitude 0) and "
     "shows its density."},
    {MainDialogIds::kTemplate, MainDialogIds::kGlRadio, "GL: lead ball."},
    {MainDialogIds::kTemplate, MainDialogIds::kGiRadio, "Gi: the Ingalls projectile."},
    {MainDialogIds::kTemplate, MainDialogIds::kAirDensityButton,
     "Computes the air density of the temperature, pressure, humidity and altitude entered."},
    {MainDialogIds::kTemplate, MainDialogIds::kIcaoAtmosphereButton,
     "Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. "
     "checked), and shows its density."},
    {MainDialogIds::kTemplate, MainDialogIds::kRangeTableButton,
     "Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own."},
    {MainDialogIds::kTemplate, MainDialogIds::kShootButton,
     "Opens a window comparing the current shot with the baseline at the target range."},
    {MainDialogIds::kTemplate, MainDialogIds::kSetBaselineButton,
     "Remembers the current shot as the baseline for Shoot."},
    {MainDialogIds::kTemplate, MainDialogIds::kComputeBcButton,
     "Opens Compute BC: a ballistic coefficient from two chronograph readings."},
    {MainDialogIds::kTemplate, MainDialogIds::kMaximumRangeButton,
     "Opens Maximum Range: the longest distance and height the shot can reach."},
    {MainDialogIds::kTemplate, MainDialogIds::kOpbzButton,
     "Opens OPBZ: the optimum point-blank zero for a vital zone."},
    {MainDialogIds::kTemplate, MainDialogIds::kTargetSpeedEdit,
     "Speed of a moving target in miles per hour, 0 to 100; the table's lead column shows how far ahead to aim."},
    {MainDialogIds::kTemplate, MainDialogIds::kCalculationsButton,
     "Opens the energy, velocity, weight and recoil calculator."},
    {MainDialogIds::kTemplate, MainDialogIds::kMuzzleAngleCheck,
     "When checked, Vorlan finds the muzzle angle by zeroing at the sight-in range; clear it to enter the muzzle angle "
     "yourself."},
    {MainDialogIds::kTemplate, MainDialogIds::kTargetDirectionEdit,
     "Direction of the target's movement against the line of fire in degrees, 0 to 180; 90 is straight across."},
    {MainDialogIds::kTemplate, MainDialogIds::kMuzzleAngleEdit,
     "Angle of the bore above the line of sight in minutes of angle, -5400 to 5400; found by zeroing while the "
     "correction box below is checked."},
    {MainDialogIds::kTemplate, MainDialogIds::kGsRadio, "GS: spherical ball."},
    {MainDialogIds::kTemplate, MainDialogIds::kRa4Radio, "RA4: .22 rimfire bullets and airgun pellets."},
    {MainDialogIds::kTemplate, MainDialogIds::kContextHelpButton,
     "Click here, then on any field or button, to see what it does."},
    {MainDialogIds::kTemplate, MainDialogIds::kHelpButton, "Opens the Vorlan user's guide."},
    {ComparisonIds::kTemplate, ComparisonIds::kRelativeDropEdit,
     "How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches."},
    {ComparisonIds::kTemplate, ComparisonIds::kRelativeDriftEdit,
     "How much further to the side the current shot strikes than the baseline, in inches."},
    {ComparisonIds::kTemplate, ComparisonIds::kBaselineNameEdit, "The name of the shot that Set Baseline kept."},
    {ComparisonIds::kTemplate, ComparisonIds::kCurrentNameEdit, "The name of the current shot."},
    {ComparisonIds::kTemplate, ComparisonIds::kStatusLabel,
     "Why the shots were compared short of the target range, or that no baseline was set."},
    {ComputeBcIds::kTemplate, ComputeBcIds::kNearSpeedEdit,
     "Velocity measured at the chronograph nearer the muzzle, in feet per second, 1 to 5000."},
    {ComputeBcIds::kTemplate, ComputeBcIds::kFarSpeedEdit,
     "Velocity measured at the chronograph farther down range, in feet per second, 0 to 5000; it must be lower than "
     "the near velocity."},
    {ComputeBcIds::kTemplate, ComputeBcIds::kDistanceEdit,
     "Distance between the two chronographs in feet, a whole number from 1 to 5000."},
    {ComputeBcIds::kTemplate, ComputeBcIds::kNewBcEdit,
     "The ballistic coefficient that gives the measured velocity loss, for the drag function shown."},
    {ComputeBcIds::kTemplate, ComputeBcIds::kSetNewBcButton,
     "Puts the coefficient shown into the main window's Ballistic Coefficient field."},
    {ComputeBcIds::kTemplate, ComputeBcIds::kComputeButton,
     "Computes the coefficient for the main window's atmosphere and drag function."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kNameEdit, "The name of the shot."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kRangeEdit,
     "How far the bullet can fly over level ground, in yards."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kElevationEdit,
     "The elevation of the bore that gives the longest range, in degrees."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kHeightEdit,
     "The highest point of the longest trajectory above the muzzle, in feet."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kVelocityEdit,
     "The bullet's speed at the end of the longest trajectory, in feet per second."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kEnergyEdit,
     "The bullet's energy at the end of the longest trajectory, in foot-pounds."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kTimeEdit, "Time of flight of the longest trajectory, in seconds."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kVerticalHeightEdit,
     "How high the bullet climbs when fired straight up, in feet."},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kVerticalTimeEdit,
     "How long the straight-up climb takes, in seconds."},
    {OpbzIds::kTemplate, OpbzIds::kNameEdit, "The name of the shot."},
    {OpbzIds::kTemplate, OpbzIds::kDiameterEdit,
     "Diameter of the vital zone in inches, 0.01 to 100; the bullet may rise or fall half of it from the line of "
     "sight."},
    {OpbzIds::kTemplate, OpbzIds::kZeroEdit,
     "The sight-in range in yards that keeps the bullet inside the zone the longest."},
    {OpbzIds::kTemplate, OpbzIds::kMinimumEdit, "The range in yards where the bullet first comes up into the zone."},
    {OpbzIds::kTemplate, OpbzIds::kMaximumEdit, "The range in yards where the bullet drops out of the zone."},
    {OpbzIds::kTemplate, OpbzIds::kComputeButton, "Finds the optimum zero for the shot in the main window."},
    {EvwIds::kTemplate, EvwIds::kVelocityEdit, "Bullet velocity in feet per second, 0 or more."},
    {EvwIds::kTemplate, EvwIds::kWeightEdit, "Bullet weight in grains, 0 or more."},
    {EvwIds::kTemplate, EvwIds::kEnergyEdit, "Bullet energy in foot-pounds, 0 or more."},
    {EvwIds::kTemplate, EvwIds::kPowerFactorEdit,
     "Power factor: weight in grains times velocity in feet per second, divided by 1000."},
    {EvwIds::kTemplate, EvwIds::kEnergyModeRadio, "Calculate the energy from the velocity and the weight."},
    {EvwIds::kTemplate, EvwIds::kVelocityModeRadio, "Calculate the velocity from the weight and the energy."},
    {EvwIds::kTemplate, EvwIds::kWeightModeRadio, "Calculate the weight from the velocity and the energy."},
    {EvwIds::kTemplate, EvwIds::kGunWeightEdit, "Weight of the gun in ounces, 1 to 1000 (16 ounces make a pound)."},
    {EvwIds::kTemplate, EvwIds::kPowderWeightEdit, "Weight of the powder charge in grains, 0 to 200."},
    {EvwIds::kTemplate, EvwIds::kRecoilEnergyEdit, "Energy of the gun's recoil in foot-pounds."},
    {EvwIds::kTemplate, EvwIds::kCalculateButton,
     "Calculates the value the chosen mode derives, and the power factor."},
    {EvwIds::kTemplate, EvwIds::kCalculateRecoilButton,
     "Calculates the recoil energy of the gun from the bullet, the powder and the gun weight."},
    {ColorChooserIds::kTemplate, ColorChooserIds::kSaveButton,
     "Keeps the colour shown; it is stored when Vorlan ends."},
    {ColorChooserIds::kTemplate, ColorChooserIds::kRevertButton, "Goes back to the colour kept last."},
    {ColorChooserIds::kTemplate, ColorChooserIds::kRedSlider,
     "Red part of the colour of all Vorlan windows, 0 to 255."},
    {ColorChooserIds::kTemplate, ColorChooserIds::kGreenSlider,
     "Green part of the colour of all Vorlan windows, 0 to 255."},
    {ColorChooserIds::kTemplate, ColorChooserIds::kBlueSlider,
     "Blue part of the colour of all Vorlan windows, 0 to 255."},
};

const QHash<quint32, QString>& texts() {
    static const QHash<quint32, QString> table = [] {
        QHash<quint32, QString> t;
        for (const Entry& e : kEntries)
            t.insert(e.controlId ? controlHelpId(e.templateId, e.controlId) : dialogHelpId(e.templateId),
                     QString::fromUtf8(e.text));
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
