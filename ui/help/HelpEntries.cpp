#include "ui/help/HelpEntries.h"

#include <QtGlobal>

#include "ui/common/ControlIds.h"

namespace vorlan {

namespace {

const HelpEntry kEntries[] = {
    {MainDialogIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts", "The main window: describe one shot, then run a command with the buttons below.")},
    {ComputeBcIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts", "Derives a ballistic coefficient from two chronograph velocities.")},
    {MaximumRangeIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "The longest distance the shot can reach, its firing elevation and its highest point.")},
    {OpbzIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts", "The optimum point-blank zero for a vital zone of the given diameter.")},
    {ComparisonIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts", "The current shot compared with the baseline at the target range.")},
    {EvwIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts", "Energy, velocity, bullet weight, power factor and recoil energy.")},
    {AdvancedIds::kTemplate, 0,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Effects beyond the standard flight: wind from any side, spin, the Earth's rotation, powder, drag.")},
    {FieldCardIds::kTemplate, 0,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a "
                       "page or a strip.")},
    {FieldCardIds::kTemplate, FieldCardIds::kRanges,
     QT_TRANSLATE_NOOP("HelpTexts", "Rows every step yards (metres) from the first range to the last.")},
    {FieldCardIds::kTemplate, FieldCardIds::kTargets,
     QT_TRANSLATE_NOOP("HelpTexts", "Named targets at their ranges, one a line or comma-separated: \"Gong 1 = 327\".")},
    {FieldCardIds::kTemplate, FieldCardIds::kWinds,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place "
         "of the shot's wind zones): mph, or m/s in metric.")},
    {FieldCardIds::kTemplate, FieldCardIds::kTemperatures,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Up to three temperatures: the elevation at each, with the zero of the shot's own air (and the powder's "
         "sensitivity when one is set).")},
    {FieldCardIds::kTemplate, FieldCardIds::kLayout,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The card's size. The card takes the largest type that fits, turned landscape when that reads larger; a "
         "pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold "
         "its rows says so instead of cutting them.")},
    {FieldCardIds::kTemplate, FieldCardIds::kSheet,
     QT_TRANSLATE_NOOP("HelpTexts", "Several cards on one sheet, with cut marks.")},
    {TruingIds::kTemplate, 0,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches "
         "the rifle.")},
    {TruingIds::kTemplate, TruingIds::kFitChoice,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by "
         "Mach; "
         "by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 "
         "the scale by Mach.")},
    {TruingIds::kTemplate, TruingIds::kLoadCsv,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, "
         "drop_in, velocity_fps, time_s, sigma_moa and sigma_fps.")},
    {TruingIds::kTemplate, TruingIds::kSaveCsv,
     QT_TRANSLATE_NOOP("HelpTexts", "Writes the observations to a CSV file of the same columns.")},
    {TruingIds::kTemplate, TruingIds::kFit,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Fits the main window's shot to the observations: the fitted values with their standard errors, the "
         "residuals before and after, and the chart.")},
    {TruingIds::kTemplate, TruingIds::kApply,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Writes the fitted velocity into the main window and the drag scale into the shot: every table and "
         "calculation then flies them.")},
    {TruingIds::kTemplate, TruingIds::kClearTruing,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here "
         "the drag scale alone.")},
    {TruingIds::kTemplate, TruingIds::kResiduals,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading's "
         "unit; the fit weighs each by its uncertainty (the \u00b1 column).")},
    {TruingIds::kTemplate, TruingIds::kChart,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after "
         "the fit.")},
    {TruingIds::kTemplate, TruingIds::kOk,
     QT_TRANSLATE_NOOP("HelpTexts", "Closes the window and keeps the observations with the shot.")},
    {TruingIds::kTemplate, TruingIds::kCancel,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Closes the window; the shot keeps the observations it had. What Apply wrote stays.")},
    {AdvancedIds::kTemplate, AdvancedIds::kTruing,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges.")},
    {AdvancedIds::kTemplate, AdvancedIds::kClose,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open.")},
    {MainDialogIds::kTemplate, MainDialogIds::kFieldCardButton,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to "
                       "print or export.")},
    {HitProbabilityIds::kTemplate, 0,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "How likely the first shot hits the target at each range when the load, the range, the wind call, the "
         "rifle and shooter and the cant each spread the shot.")},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kPrecision,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The rifle and shooter's spread: a standard deviation per axis, or the mean size of groups of 2 to 10 "
         "shots, converted to one.")},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kTargetWidth,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The target, aimed at its centre: a circle's diameter (the OPBZ vital zone unless set) or a rectangle.")},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kOk,
     QT_TRANSLATE_NOOP("HelpTexts", "Closes the window and keeps its inputs with the shot, assumed spreads included.")},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kClose,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Closes the window; inputs you typed are kept with the shot already, assumed spreads are not.")},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kLevel,
     QT_TRANSLATE_NOOP(
         "HelpTexts", "The farthest ethical range is the last range up to which P(hit) stays at or above this level.")},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kSightPicture,
     QT_TRANSLATE_NOOP("HelpTexts", "Opens a Sight Picture window of the shot: where to hold, drawn on a reticle.")},
    {FieldCardIds::kTemplate, FieldCardIds::kSightPicture,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Opens a Sight Picture window of the shot in the card's units: where to hold, drawn on a reticle.")},
    {FieldCardIds::kTemplate, FieldCardIds::kSightLadder,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Draws the holds of the card's rows and winds on this reticle, beside the table of a pocket or half card.")},
    {SightPictureIds::kTemplate, 0,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Where to hold, drawn on the reticle at the magnification in use: the shot's own point, a ladder of ranges "
         "and the wind dots.")},
    {SightPictureIds::kTemplate, SightPictureIds::kReticle,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "The reticle the holds are drawn on: a built-in one, or one read from a reticle file.")},
    {SightPictureIds::kTemplate, SightPictureIds::kReticleFile,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused "
                       "with its line.")},
    {SightPictureIds::kTemplate, SightPictureIds::kMagnification,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The magnification in use, from 1 to 100. A second-plane reticle's marks span (true at) / (in use) times "
         "their angle.")},
    {SightPictureIds::kTemplate, SightPictureIds::kTrueAt,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that "
         "magnification.")},
    {SightPictureIds::kTemplate, SightPictureIds::kHoldMode,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial "
         "the zero of one range and hold the rest.")},
    {SightPictureIds::kTemplate, SightPictureIds::kZeroRange,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric.")},
    {SightPictureIds::kTemplate, SightPictureIds::kRanges,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "A holdover ladder: a point at each range, labelled with it (yards, or metres in metric).")},
    {SightPictureIds::kTemplate, SightPictureIds::kWinds,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric).")},
    {SightPictureIds::kTemplate, SightPictureIds::kPreview,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The scope's circle: each point is where the target goes, labelled with its range; a hold beyond the reticle "
         "stands at its edge with an arrow.")},
    {SightPictureIds::kTemplate, SightPictureIds::kWords,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold.")},
    {SightPictureIds::kTemplate, SightPictureIds::kPrint,
     QT_TRANSLATE_NOOP("HelpTexts", "Prints the picture on one square page.")},
    {SightPictureIds::kTemplate, SightPictureIds::kPrintPreview,
     QT_TRANSLATE_NOOP("HelpTexts", "Shows the printed page before it is printed.")},
    {SightPictureIds::kTemplate, SightPictureIds::kExport,
     QT_TRANSLATE_NOOP("HelpTexts", "Writes the picture as a PDF, SVG or PNG file.")},
    {SightPictureIds::kTemplate, SightPictureIds::kClose, QT_TRANSLATE_NOOP("HelpTexts", "Closes the window.")},
    {MainDialogIds::kTemplate, MainDialogIds::kHitProbabilityButton,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical "
         "shot.")},
    {MainDialogIds::kTemplate, MainDialogIds::kLibraryButton,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete.")},
    {LibraryIds::kTemplate, 0,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "The library: the shot files of one folder, grouped by rifle. Open loads one into the main window.")},
    {LibraryIds::kTemplate, LibraryIds::kFilter,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Shows only the loads with this text in any column, or of a rifle "
                       "whose name holds it.")},
    {LibraryIds::kTemplate, LibraryIds::kSaveCurrent,
     QT_TRANSLATE_NOOP("HelpTexts", "Stores the main window's shot in the library under the rifle and name you give.")},
    {MainDialogIds::kTemplate, MainDialogIds::kAdvancedButton,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag.")},
    {MainDialogIds::kTemplate, MainDialogIds::kG1Radio,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "G1: the standard flat-based projectile, the drag function of most published coefficients.")},
    {MainDialogIds::kTemplate, MainDialogIds::kG7Radio,
     QT_TRANSLATE_NOOP("HelpTexts", "G7: long boat-tailed rifle bullets.")},
    {MainDialogIds::kTemplate, MainDialogIds::kG2Radio,
     QT_TRANSLATE_NOOP("HelpTexts", "G2: the Aberdeen J projectile.")},
    {MainDialogIds::kTemplate, MainDialogIds::kG8Radio,
     QT_TRANSLATE_NOOP("HelpTexts", "G8: flat-based bullets with a long ogive.")},
    {MainDialogIds::kTemplate, MainDialogIds::kG6Radio,
     QT_TRANSLATE_NOOP("HelpTexts", "G6: flat-based spitzer bullets.")},
    {MainDialogIds::kTemplate, MainDialogIds::kG5Radio,
     QT_TRANSLATE_NOOP("HelpTexts", "G5: short boat-tailed bullets.")},
    {MainDialogIds::kTemplate, MainDialogIds::kStdAtmosphereButton,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Sets the standard sea-level atmosphere (59 degrees Fahrenheit, 29.92 inches of mercury, dry "
                       "air, altitude 0) and "
                       "shows its density.")},
    {MainDialogIds::kTemplate, MainDialogIds::kGlRadio, QT_TRANSLATE_NOOP("HelpTexts", "GL: lead ball.")},
    {MainDialogIds::kTemplate, MainDialogIds::kGiRadio, QT_TRANSLATE_NOOP("HelpTexts", "Gi: the Ingalls projectile.")},
    {MainDialogIds::kTemplate, MainDialogIds::kAirDensityButton,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Computes the air density of the temperature, pressure, humidity and altitude entered.")},
    {MainDialogIds::kTemplate, MainDialogIds::kIcaoAtmosphereButton,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Sets the ICAO standard atmosphere at the altitude entered, with its pressure at that altitude (Station B.P. "
         "checked), and shows its density.")},
    {MainDialogIds::kTemplate, MainDialogIds::kRangeTableButton,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Flies the shot, zeroed at the sight-in range, and opens its range table in a window of its own.")},
    {MainDialogIds::kTemplate, MainDialogIds::kShootButton,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Opens a window comparing the current shot with the baseline at the target range.")},
    {MainDialogIds::kTemplate, MainDialogIds::kSetBaselineButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Remembers the current shot as the baseline for Shoot.")},
    {MainDialogIds::kTemplate, MainDialogIds::kComputeBcButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Opens Compute BC: a ballistic coefficient from two chronograph readings.")},
    {MainDialogIds::kTemplate, MainDialogIds::kMaximumRangeButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Opens Maximum Range: the longest distance and height the shot can reach.")},
    {MainDialogIds::kTemplate, MainDialogIds::kOpbzButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Opens OPBZ: the optimum point-blank zero for a vital zone.")},
    {MainDialogIds::kTemplate, MainDialogIds::kCalculationsButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Opens the energy, velocity, weight and recoil calculator.")},
    {MainDialogIds::kTemplate, MainDialogIds::kGsRadio, QT_TRANSLATE_NOOP("HelpTexts", "GS: spherical ball.")},
    {MainDialogIds::kTemplate, MainDialogIds::kRa4Radio,
     QT_TRANSLATE_NOOP("HelpTexts", "RA4: .22 rimfire bullets and airgun pellets.")},
    {MainDialogIds::kTemplate, MainDialogIds::kContextHelpButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Click here, then on any field or button, to see what it does.")},
    {MainDialogIds::kTemplate, MainDialogIds::kHelpButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Opens the Vorlan user's guide.")},
    {MainDialogIds::kTemplate, MainDialogIds::kStatusText,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Notes on what a command did (a baseline set) or why a file given to the program was not opened.")},
    {ComparisonIds::kTemplate, ComparisonIds::kRelativeDropEdit,
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches.")},
    {ComparisonIds::kTemplate, ComparisonIds::kRelativeDriftEdit,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "How much further to the side the current shot strikes than the baseline, in inches.")},
    {ComparisonIds::kTemplate, ComparisonIds::kBaselineNameEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The name of the shot that Set Baseline kept.")},
    {ComparisonIds::kTemplate, ComparisonIds::kCurrentNameEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The name of the current shot.")},
    {ComparisonIds::kTemplate, ComparisonIds::kStatusLabel,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Why the shots were compared short of the target range, or that no baseline was set.")},
    {ComputeBcIds::kTemplate, ComputeBcIds::kNewBcEdit,
     QT_TRANSLATE_NOOP(
         "HelpTexts", "The ballistic coefficient that gives the measured velocity loss, for the drag function shown.")},
    {ComputeBcIds::kTemplate, ComputeBcIds::kSetNewBcButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Puts the coefficient shown into the main window's Ballistic Coefficient field.")},
    {ComputeBcIds::kTemplate, ComputeBcIds::kComputeButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Computes the coefficient for the main window's atmosphere and drag function.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kNameEdit, QT_TRANSLATE_NOOP("HelpTexts", "The name of the shot.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kRangeEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "How far the bullet can fly over level ground, in yards.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kElevationEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The elevation of the bore that gives the longest range, in degrees.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kHeightEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The highest point of the longest trajectory above the muzzle, in feet.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kVelocityEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The bullet's speed at the end of the longest trajectory, in feet per second.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kEnergyEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The bullet's energy at the end of the longest trajectory, in foot-pounds.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kTimeEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "Time of flight of the longest trajectory, in seconds.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kVerticalHeightEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "How high the bullet climbs when fired straight up, in feet.")},
    {MaximumRangeIds::kTemplate, MaximumRangeIds::kVerticalTimeEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "How long the straight-up climb takes, in seconds.")},
    {OpbzIds::kTemplate, OpbzIds::kNameEdit, QT_TRANSLATE_NOOP("HelpTexts", "The name of the shot.")},
    {OpbzIds::kTemplate, OpbzIds::kZeroEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The sight-in range in yards that keeps the bullet inside the zone the longest.")},
    {OpbzIds::kTemplate, OpbzIds::kMinimumEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The range in yards where the bullet first comes up into the zone.")},
    {OpbzIds::kTemplate, OpbzIds::kMaximumEdit,
     QT_TRANSLATE_NOOP("HelpTexts", "The range in yards where the bullet drops out of the zone.")},
    {OpbzIds::kTemplate, OpbzIds::kComputeButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Finds the optimum zero for the shot in the main window.")},
    {EvwIds::kTemplate, EvwIds::kEnergyModeRadio,
     QT_TRANSLATE_NOOP("HelpTexts", "Calculate the energy from the velocity and the weight.")},
    {EvwIds::kTemplate, EvwIds::kVelocityModeRadio,
     QT_TRANSLATE_NOOP("HelpTexts", "Calculate the velocity from the weight and the energy.")},
    {EvwIds::kTemplate, EvwIds::kWeightModeRadio,
     QT_TRANSLATE_NOOP("HelpTexts", "Calculate the weight from the velocity and the energy.")},
    {EvwIds::kTemplate, EvwIds::kCalculateButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Calculates the value the chosen mode derives, and the power factor.")},
    {EvwIds::kTemplate, EvwIds::kCalculateRecoilButton,
     QT_TRANSLATE_NOOP("HelpTexts",
                       "Calculates the recoil energy of the gun from the bullet, the powder and the gun weight.")},
    {ColorChooserIds::kTemplate, ColorChooserIds::kSaveButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Keeps the colour shown; it is stored when Vorlan ends.")},
    {ColorChooserIds::kTemplate, ColorChooserIds::kRevertButton,
     QT_TRANSLATE_NOOP("HelpTexts", "Goes back to the colour kept last.")},
    {ColorChooserIds::kTemplate, ColorChooserIds::kRedSlider,
     QT_TRANSLATE_NOOP("HelpTexts", "Red part of the colour of all Vorlan windows, 0 to 255.")},
    {ColorChooserIds::kTemplate, ColorChooserIds::kGreenSlider,
     QT_TRANSLATE_NOOP("HelpTexts", "Green part of the colour of all Vorlan windows, 0 to 255.")},
    {ColorChooserIds::kTemplate, ColorChooserIds::kBlueSlider,
     QT_TRANSLATE_NOOP("HelpTexts", "Blue part of the colour of all Vorlan windows, 0 to 255.")},
};

}  // namespace

std::span<const HelpEntry> helpEntries() { return kEntries; }

}  // namespace vorlan
