// Pop-up help texts, one per help id: the buttons of the main dialog (its fields are described
// in the shot's field table), the side windows (their number fields are described in their
// own field tables), the colour chooser and the comparison window,
// and the dialogs themselves for a click on their background.

#include <QCoreApplication>
#include <QHash>

#include "engine/AdvancedEffects.h"
#include "engine/Catalogue.h"
#include "shot/ShotParameters.h"
#include "ui/advanced/CAdvancedDlgFields.h"
#include "ui/calculations/CComputeBC.h"
#include "ui/calculations/CComputeOPBZ.h"
#include "ui/calculations/CEVWCalculations.h"
#include "ui/common/ContextHelp.h"
#include "ui/common/ControlIds.h"

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
    {AdvancedIds::kTemplate, 0,
     "Effects beyond the standard flight: wind from any side, spin, the Earth's rotation, powder, drag."},
    {FieldCardIds::kTemplate, 0,
     "A field card of the shot: the elevation and wind holds at a few ranges, sized for a pocket, a page or a strip."},
    {FieldCardIds::kTemplate, FieldCardIds::kRanges,
     "Rows every step yards (metres) from the first range to the last."},
    {FieldCardIds::kTemplate, FieldCardIds::kTargets,
     "Named targets at their ranges, one a line or comma-separated: \"Gong 1 = 327\"."},
    {FieldCardIds::kTemplate, FieldCardIds::kWinds,
     "The wind speeds of the wind columns, each a full-value wind from the right over the whole flight (in place "
     "of the shot's wind zones): mph, or m/s in metric."},
    {FieldCardIds::kTemplate, FieldCardIds::kTemperatures,
     "Up to three temperatures: the elevation at each, with the zero of the shot's own air (and the powder's "
     "sensitivity when one is set)."},
    {FieldCardIds::kTemplate, FieldCardIds::kLayout,
     "The card's size. The card takes the largest type that fits, turned landscape when that reads larger; a "
     "pocket card leaves its last columns out rather than go below 7 pt, and says which. A card that cannot hold "
     "its rows says so instead of cutting them."},
    {FieldCardIds::kTemplate, FieldCardIds::kSheet, "Several cards on one sheet, with cut marks."},
    {TruingIds::kTemplate, 0,
     "Truing: fit the muzzle velocity and the drag to what you observed at real ranges, so that the table matches "
     "the rifle."},
    {TruingIds::kTemplate, TruingIds::kFitChoice,
     "What is fitted besides the velocity: nothing, one drag factor over the whole flight, or a drag scale by Mach; "
     "by default one range fits the velocity alone, two to four one factor, five or more reaching below Mach 1.08 "
     "the scale by Mach."},
    {TruingIds::kTemplate, TruingIds::kLoadCsv,
     "Reads observations from a CSV file whose header names range_yd and any of up_moa, up_mil, up_clicks, "
     "drop_in, velocity_fps, time_s, sigma_moa and sigma_fps."},
    {TruingIds::kTemplate, TruingIds::kSaveCsv, "Writes the observations to a CSV file of the same columns."},
    {TruingIds::kTemplate, TruingIds::kFit,
     "Fits the main window's shot to the observations: the fitted values with their standard errors, the "
     "residuals before and after, and the chart."},
    {TruingIds::kTemplate, TruingIds::kApply,
     "Writes the fitted velocity into the main window and the drag scale into the shot: every table and "
     "calculation then flies them."},
    {TruingIds::kTemplate, TruingIds::kClearTruing,
     "Takes the truing out of the shot: the velocity and drag scale from before Apply, or without an Apply here "
     "the drag scale alone."},
    {TruingIds::kTemplate, TruingIds::kResiduals,
     "Each reading observed minus predicted, with the shot as it was and with the fitted values, in the reading's "
     "unit; the fit weighs each by its uncertainty (the \u00b1 column)."},
    {TruingIds::kTemplate, TruingIds::kChart,
     "The observed points (rings, with bars as long as their uncertainty) over the drop predicted before and after "
     "the fit."},
    {TruingIds::kTemplate, TruingIds::kOk, "Closes the window and keeps the observations with the shot."},
    {TruingIds::kTemplate, TruingIds::kCancel,
     "Closes the window; the shot keeps the observations it had. What Apply wrote stays."},
    {AdvancedIds::kTemplate, AdvancedIds::kTruing,
     "Opens the Truing window: the velocity and drag fitted to the holds observed at real ranges."},
    {AdvancedIds::kTemplate, AdvancedIds::kClose,
     "Closes the window and keeps its inputs in the shot; a field out of its bounds keeps it open."},
    {MainDialogIds::kTemplate, MainDialogIds::kFieldCardButton,
     "Opens a Field Card window: the holds for chosen ranges, targets, winds and temperatures, to print or export."},
    {HitProbabilityIds::kTemplate, 0,
     "How likely the first shot hits the target at each range when the load, the range, the wind call, the "
     "rifle and shooter and the cant each spread the shot."},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kPrecision,
     "The rifle and shooter's spread: a standard deviation per axis, or the mean size of groups of 2 to 10 "
     "shots, converted to one."},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kTargetWidth,
     "The target, aimed at its centre: a circle's diameter (the OPBZ vital zone unless set) or a rectangle."},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kOk,
     "Closes the window and keeps its inputs with the shot, assumed spreads included."},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kClose,
     "Closes the window; inputs you typed are kept with the shot already, assumed spreads are not."},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kLevel,
     "The farthest ethical range is the last range up to which P(hit) stays at or above this level."},
    {HitProbabilityIds::kTemplate, HitProbabilityIds::kSightPicture,
     "Opens a Sight Picture window of the shot: where to hold, drawn on a reticle."},
    {FieldCardIds::kTemplate, FieldCardIds::kSightPicture,
     "Opens a Sight Picture window of the shot in the card's units: where to hold, drawn on a reticle."},
    {FieldCardIds::kTemplate, FieldCardIds::kSightLadder,
     "Draws the holds of the card's rows and winds on this reticle, beside the table of a pocket or half card."},
    {SightPictureIds::kTemplate, 0,
     "Where to hold, drawn on the reticle at the magnification in use: the shot's own point, a ladder of ranges "
     "and the wind dots."},
    {SightPictureIds::kTemplate, SightPictureIds::kReticle,
     "The reticle the holds are drawn on: a built-in one, or one read from a reticle file."},
    {SightPictureIds::kTemplate, SightPictureIds::kReticleFile,
     "Reads a reticle of your own from a reticle file (.vrt) and picks it; a faulty file is refused with its line."},
    {SightPictureIds::kTemplate, SightPictureIds::kMagnification,
     "The magnification in use, from 1 to 100. A second-plane reticle's marks span (true at) / (in use) times "
     "their angle."},
    {SightPictureIds::kTemplate, SightPictureIds::kTrueAt,
     "Empty: the reticle as it is made. A magnification here makes it second focal plane, true at that "
     "magnification."},
    {SightPictureIds::kTemplate, SightPictureIds::kHoldMode,
     "How the holds share the work with the turret: dial the elevation and hold the wind, hold everything, or dial "
     "the zero of one range and hold the rest."},
    {SightPictureIds::kTemplate, SightPictureIds::kZeroRange,
     "The range whose elevation is dialled when the holds dial a zero: yards, or metres in metric."},
    {SightPictureIds::kTemplate, SightPictureIds::kRanges,
     "A holdover ladder: a point at each range, labelled with it (yards, or metres in metric)."},
    {SightPictureIds::kTemplate, SightPictureIds::kWinds,
     "Wind dots: a point at each range for each wind speed, full value from the right (mph, or m/s in metric)."},
    {SightPictureIds::kTemplate, SightPictureIds::kPreview,
     "The scope's circle: each point is where the target goes, labelled with its range; a hold beyond the reticle "
     "stands at its edge with an arrow."},
    {SightPictureIds::kTemplate, SightPictureIds::kWords,
     "Every hold as the shooter would say it, a hold beyond the reticle told as what to dial and what to hold."},
    {SightPictureIds::kTemplate, SightPictureIds::kPrint, "Prints the picture on one square page."},
    {SightPictureIds::kTemplate, SightPictureIds::kPrintPreview, "Shows the printed page before it is printed."},
    {SightPictureIds::kTemplate, SightPictureIds::kExport, "Writes the picture as a PDF, SVG or PNG file."},
    {SightPictureIds::kTemplate, SightPictureIds::kClose, "Closes the window."},
    {MainDialogIds::kTemplate, MainDialogIds::kHitProbabilityButton,
     "Opens a Hit Probability window: the chance of a first-shot hit at every range and the farthest ethical "
     "shot."},
    {MainDialogIds::kTemplate, MainDialogIds::kLibraryButton,
     "Opens the Library: every rifle and load kept together, to open, save, duplicate, rename, move or delete."},
    {LibraryIds::kTemplate, 0,
     "The library: the shot files of one folder, grouped by rifle. Open loads one into the main window."},
    {LibraryIds::kTemplate, LibraryIds::kFilter,
     "Shows only the loads with this text in any column, or of a rifle "
     "whose name holds it."},
    {LibraryIds::kTemplate, LibraryIds::kSaveCurrent,
     "Stores the main window's shot in the library under the rifle and name you give."},
    {MainDialogIds::kTemplate, MainDialogIds::kAdvancedButton,
     "Opens the Advanced window: wind from any direction, spin drift, Coriolis, powder temperature, drag."},
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
    {MainDialogIds::kTemplate, MainDialogIds::kCalculationsButton,
     "Opens the energy, velocity, weight and recoil calculator."},
    {MainDialogIds::kTemplate, MainDialogIds::kGsRadio, "GS: spherical ball."},
    {MainDialogIds::kTemplate, MainDialogIds::kRa4Radio, "RA4: .22 rimfire bullets and airgun pellets."},
    {MainDialogIds::kTemplate, MainDialogIds::kContextHelpButton,
     "Click here, then on any field or button, to see what it does."},
    {MainDialogIds::kTemplate, MainDialogIds::kHelpButton, "Opens the Vorlan user's guide."},
    {MainDialogIds::kTemplate, MainDialogIds::kStatusText,
     "Notes on what a command did (a baseline set) or why a file given to the program was not opened."},
    {ComparisonIds::kTemplate, ComparisonIds::kRelativeDropEdit,
     "How much higher (positive) or lower (negative) the current shot strikes than the baseline, in inches."},
    {ComparisonIds::kTemplate, ComparisonIds::kRelativeDriftEdit,
     "How much further to the side the current shot strikes than the baseline, in inches."},
    {ComparisonIds::kTemplate, ComparisonIds::kBaselineNameEdit, "The name of the shot that Set Baseline kept."},
    {ComparisonIds::kTemplate, ComparisonIds::kCurrentNameEdit, "The name of the current shot."},
    {ComparisonIds::kTemplate, ComparisonIds::kStatusLabel,
     "Why the shots were compared short of the target range, or that no baseline was set."},
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
    {OpbzIds::kTemplate, OpbzIds::kZeroEdit,
     "The sight-in range in yards that keeps the bullet inside the zone the longest."},
    {OpbzIds::kTemplate, OpbzIds::kMinimumEdit, "The range in yards where the bullet first comes up into the zone."},
    {OpbzIds::kTemplate, OpbzIds::kMaximumEdit, "The range in yards where the bullet drops out of the zone."},
    {OpbzIds::kTemplate, OpbzIds::kComputeButton, "Finds the optimum zero for the shot in the main window."},
    {EvwIds::kTemplate, EvwIds::kEnergyModeRadio, "Calculate the energy from the velocity and the weight."},
    {EvwIds::kTemplate, EvwIds::kVelocityModeRadio, "Calculate the velocity from the weight and the energy."},
    {EvwIds::kTemplate, EvwIds::kWeightModeRadio, "Calculate the weight from the velocity and the energy."},
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

// The Advanced window's controls that are no number fields.
const Entry kAdvancedEntries[] = {
    {AdvancedIds::kTemplate, AdvancedIds::kDegrees,
     "Enter the wind direction in degrees, 0 to 360, clockwise from the line of fire."},
    {AdvancedIds::kTemplate, AdvancedIds::kClock,
     "Enter the wind direction as a clock hour, 0 to 12: 12 from the target, 3 from the right."},
    {AdvancedIds::kTemplate, AdvancedIds::kLeftTwist,
     "Check for a barrel whose rifling turns to the left: the bullet drifts to the left."},
    {AdvancedIds::kTemplate, AdvancedIds::kStability,
     "Gyroscopic stability factor by Miller's rule, for the main window's velocity and air."},
    {AdvancedIds::kTemplate, AdvancedIds::kAdvice,
     "Judged on the factor as shown: below 1.00 unstable, to 1.29 marginal, 1.30 to 1.50 fair, above 1.50 stable."},
    {AdvancedIds::kTemplate, AdvancedIds::kAerodynamicJump,
     "Check to let a crosswind at the muzzle throw the bullet up or down (Litz's fit; needs twist, length and "
     "diameter). The zero is taken without it."},
    {AdvancedIds::kTemplate, AdvancedIds::kDiameterInUse,
     "The bullet diameter spin drift and stability use: the one entered, or the caliber's."},
    {AdvancedIds::kTemplate, AdvancedIds::kZeroConditions,
     "Check to zero the rifle in the conditions below, in still air on a level range, and fly today's conditions "
     "at that angle."},
    {AdvancedIds::kTemplate, AdvancedIds::kCoriolis,
     "Check to let the Earth's rotation move the bullet (Coriolis and Eotvos effects)."},
    {AdvancedIds::kTemplate, AdvancedIds::kAdjustedVelocity,
     "The muzzle velocity in feet per second that the powder temperature gives."},
    {AdvancedIds::kTemplate, AdvancedIds::kFromReadings,
     "Computes the sensitivity from the two velocities and their temperatures."},
    {AdvancedIds::kTemplate, AdvancedIds::kCustomDrag,
     "Check to fly the loaded Mach and drag-coefficient table instead of the drag function chosen."},
    {AdvancedIds::kTemplate, AdvancedIds::kLoadCsv,
     "Loads a drag table from a CSV file: Mach and Cd on each line, Mach increasing, a header allowed."},
    {AdvancedIds::kTemplate, AdvancedIds::kDragStatus,
     "The drag table held, or what is wrong with the file last loaded."},
};

const QHash<quint32, QString>& texts() {
    static const QHash<quint32, QString> table = [] {
        QHash<quint32, QString> t;
        for (const Entry& e : kEntries)
            t.insert(e.controlId ? controlHelpId(e.templateId, e.controlId) : dialogHelpId(e.templateId),
                     QString::fromUtf8(e.text));
        // The comparison window's target range borrows the main dialog's (see controlHelpId).
        for (const ShotField& field : shotFields())
            if (field.help)
                t.insert(controlHelpId(MainDialogIds::kTemplate, field.controlId),
                         QString::fromUtf8(translated(field.help)));
        const auto insertFields = [&t](int templateId, std::span<const SideNumberField> fields) {
            for (const SideNumberField& field : fields)
                if (field.help)
                    t.insert(controlHelpId(templateId, field.controlId),
                             QCoreApplication::translate("SideWindow", field.help));
        };
        insertFields(ComputeBcIds::kTemplate, CComputeBC::fields());
        insertFields(OpbzIds::kTemplate, CComputeOPBZ::fields());
        insertFields(EvwIds::kTemplate, CEVWCalculations::fields());
        for (const Entry& e : kAdvancedEntries)
            t.insert(controlHelpId(e.templateId, e.controlId), QString::fromUtf8(e.text));
        insertFields(AdvancedIds::kTemplate, advancedfields::kNumberFields);
        insertFields(AdvancedIds::kTemplate, advancedfields::kReadingFields);
        for (int row = 0; row < kMaxBcBands; ++row) {
            const advancedfields::BandFields band = advancedfields::bandFields(row);
            insertFields(AdvancedIds::kTemplate, std::span(&band.velocity, 1));
            insertFields(AdvancedIds::kTemplate, std::span(&band.coefficient, 1));
        }
        for (int row = 0; row < kMaxWindZones; ++row) {
            const advancedfields::ZoneFields zone = advancedfields::zoneFields(row);
            for (const SideNumberField* f : {&zone.until, &zone.speed, &zone.direction})
                insertFields(AdvancedIds::kTemplate, std::span(f, 1));
        }
        // The Truing window's observation cells, the same help down each column.
        static const char* const kObservationHelp[TruingIds::kColumns] = {
            "The range of the observation in yards, 1 to 5000.",
            "The elevation dialled or held up to hit the centre, in true MOA (1/60 degree).",
            "The elevation dialled or held up to hit the centre, in mil.",
            "The elevation dialled up to hit the centre, in clicks of the shot's click value.",
            "The drop in inches with the shot's own zero, negative below the line of sight.",
            "A velocity in feet per second measured at the range (a Doppler radar, a second chronograph).",
            "The time of flight to the range in seconds.",
            "How sure the row's holds and drop are, in MOA (0.1 when blank; half a click for clicks).",
            "How sure the row's velocity is, in feet per second (5 when blank).",
        };
        for (int row = 0; row < TruingIds::kRows; ++row)
            for (int column = 0; column < TruingIds::kColumns; ++column)
                t.insert(controlHelpId(TruingIds::kTemplate, TruingIds::cell(row, column)),
                         QString::fromUtf8(kObservationHelp[column]));
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
