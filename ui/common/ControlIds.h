#pragma once
// The number of every window and of every control in it, by name. Each window has its own
// namespace: the numbers repeat between windows (1012 is the main dialog's target range and
// the Compute BC window's result label), so a name always says which window it belongs to.
// The pop-up help joins a window number and a control number into one help id.

namespace vorlan {

namespace AboutIds {
inline constexpr int kTemplate = 100;
}  // namespace AboutIds

namespace ColorChooserIds {
inline constexpr int kTemplate = 101;
inline constexpr int kRedValue = 102;
inline constexpr int kGreenValue = 103;
inline constexpr int kBlueValue = 104;
inline constexpr int kSaveButton = 1051;
inline constexpr int kRevertButton = 1052;
inline constexpr int kRedSlider = 1054;
inline constexpr int kGreenSlider = 1055;
inline constexpr int kBlueSlider = 1056;
inline constexpr int kRedLabel = 1068;
inline constexpr int kGreenLabel = 1069;
inline constexpr int kBlueLabel = 1070;
}  // namespace ColorChooserIds

namespace MainDialogIds {
inline constexpr int kTemplate = 102;
inline constexpr int kNameEdit = 1000;
inline constexpr int kCaliberEdit = 1001;
inline constexpr int kVelocityEdit = 1002;
inline constexpr int kWeightEdit = 1003;
inline constexpr int kBallisticCoefficientEdit = 1004;
inline constexpr int kSightHeightEdit = 1005;
inline constexpr int kCantAngleEdit = 1006;
inline constexpr int kSightInRangeEdit = 1007;
inline constexpr int kRangeIncrementEdit = 1008;
inline constexpr int kIncrementCountEdit = 1009;
inline constexpr int kLosAngleEdit = 1010;
inline constexpr int kCrosswindEdit = 1011;
inline constexpr int kTargetRangeEdit = 1012;
inline constexpr int kTemperatureEdit = 1013;
inline constexpr int kHumidityEdit = 1014;
inline constexpr int kPressureEdit = 1015;
inline constexpr int kAirDensityEdit = 1016;
inline constexpr int kSeaLevelPercentEdit = 1017;
inline constexpr int kAltitudeEdit = 1018;
inline constexpr int kStationPressureCheck = 1019;
inline constexpr int kG1Radio = 1020;  // the first of the drag radio group
inline constexpr int kG7Radio = 1021;
inline constexpr int kG2Radio = 1022;
inline constexpr int kG8Radio = 1023;
inline constexpr int kG6Radio = 1024;
inline constexpr int kG5Radio = 1025;
inline constexpr int kStdAtmosphereButton = 1026;
inline constexpr int kGlRadio = 1027;
inline constexpr int kGiRadio = 1028;
inline constexpr int kAirDensityButton = 1029;
inline constexpr int kIcaoAtmosphereButton = 1030;
inline constexpr int kRangeTableButton = 1031;
inline constexpr int kShootButton = 1032;
inline constexpr int kSetBaselineButton = 1033;
inline constexpr int kComputeBcButton = 1034;
inline constexpr int kMaximumRangeButton = 1035;
inline constexpr int kOpbzButton = 1036;
inline constexpr int kTargetSpeedEdit = 1037;
inline constexpr int kCalculationsButton = 1038;
inline constexpr int kAdvancedButton = 1046;
inline constexpr int kMuzzleAngleCheck = 1039;
inline constexpr int kTargetDirectionEdit = 1041;
inline constexpr int kMuzzleAngleEdit = 1042;
inline constexpr int kGsRadio = 1044;
inline constexpr int kRa4Radio = 1045;
inline constexpr int kContextHelpButton = 1047;
inline constexpr int kStatusText = 1050;  // the note under the command buttons
inline constexpr int kHitProbabilityButton = 1048;
inline constexpr int kFieldCardButton = 1049;
inline constexpr int kLibraryButton = 1051;
inline constexpr int kHelpButton = 32778;
inline constexpr int kDragGroup = kG1Radio;
}  // namespace MainDialogIds

namespace ComputeBcIds {
inline constexpr int kTemplate = 137;
inline constexpr int kNearSpeedEdit = 1000;
inline constexpr int kFarSpeedEdit = 1001;
inline constexpr int kDistanceEdit = 1002;
inline constexpr int kNewBcEdit = 1003;
inline constexpr int kNewBcLabel = 1012;
inline constexpr int kSetNewBcButton = 1035;
inline constexpr int kComputeButton = 1066;
inline constexpr int kNoteLabel = 1067;
}  // namespace ComputeBcIds

namespace MaximumRangeIds {
inline constexpr int kTemplate = 138;
inline constexpr int kRangeEdit = 1006;
inline constexpr int kElevationEdit = 1007;
inline constexpr int kHeightEdit = 1008;
inline constexpr int kVelocityEdit = 1009;
inline constexpr int kEnergyEdit = 1010;
inline constexpr int kTimeEdit = 1011;
inline constexpr int kVerticalHeightEdit = 1012;
inline constexpr int kVerticalTimeEdit = 1013;
inline constexpr int kFocusSink = 1027;  // takes the focus so that no shown value is selected
inline constexpr int kNameEdit = 1042;
inline constexpr int kDragLabel = 1078;
inline constexpr int kEffectsLabel = 1079;
}  // namespace MaximumRangeIds

namespace OpbzIds {
inline constexpr int kTemplate = 139;
inline constexpr int kComputeButton = 1008;
inline constexpr int kMaximumEdit = 1009;
inline constexpr int kMinimumEdit = 1010;
inline constexpr int kDiameterEdit = 1013;
inline constexpr int kNameEdit = 1043;
inline constexpr int kZeroEdit = 1067;
inline constexpr int kEffectsLabel = 1068;
}  // namespace OpbzIds

// The comparison window that Shoot opens.
namespace ComparisonIds {
inline constexpr int kTemplate = 140;
inline constexpr int kTargetRangeEdit = 1012;
inline constexpr int kRelativeDriftEdit = 1018;
inline constexpr int kRelativeDropEdit = 1019;
inline constexpr int kStatusLabel = 1020;
inline constexpr int kFocusHolder = 1023;
inline constexpr int kBaselineNameEdit = 1041;
inline constexpr int kCurrentNameEdit = 1042;
inline constexpr int kEffectsLabel = 1024;
}  // namespace ComparisonIds

namespace MessageBoxIds {
inline constexpr int kTemplate = 145;
inline constexpr int kText = 1063;
inline constexpr int kIcon = 1064;
}  // namespace MessageBoxIds

// The energy, velocity and weight calculator.
namespace EvwIds {
inline constexpr int kTemplate = 157;
inline constexpr int kCalculateButton = 1025;
inline constexpr int kCalculateRecoilButton = 1027;
inline constexpr int kVelocityEdit = 1073;
inline constexpr int kGunWeightEdit = 1074;
inline constexpr int kWeightEdit = 1075;
inline constexpr int kEnergyEdit = 1076;
inline constexpr int kEnergyModeRadio = 1077;  // the first of the mode radio group
inline constexpr int kVelocityModeRadio = 1078;
inline constexpr int kWeightModeRadio = 1079;
inline constexpr int kRecoilEnergyEdit = 1080;
inline constexpr int kPowderWeightEdit = 1081;
inline constexpr int kPowerFactorEdit = 1082;
}  // namespace EvwIds

// The Advanced window; a coefficient band's two edits are the first ones plus its row.
namespace AdvancedIds {
inline constexpr int kTemplate = 158;
inline constexpr int kWindSpeed = 1001;
inline constexpr int kWindDirection = 1002;
inline constexpr int kDegrees = 1003;
inline constexpr int kClock = 1004;
inline constexpr int kTwist = 1010;
inline constexpr int kLeftTwist = 1011;
inline constexpr int kLength = 1012;
inline constexpr int kDiameter = 1013;
inline constexpr int kStability = 1014;
inline constexpr int kAdvice = 1015;
inline constexpr int kCoriolis = 1020;
inline constexpr int kLatitude = 1021;
inline constexpr int kAzimuth = 1022;
inline constexpr int kSensitivity = 1030;
inline constexpr int kPowderTemperature = 1031;
inline constexpr int kReferenceTemperature = 1032;
inline constexpr int kAdjustedVelocity = 1033;
inline constexpr int kVelocity1 = 1034;
inline constexpr int kTemperature1 = 1035;
inline constexpr int kVelocity2 = 1036;
inline constexpr int kTemperature2 = 1037;
inline constexpr int kFromReadings = 1038;
inline constexpr int kCustomDrag = 1040;
inline constexpr int kLoadCsv = 1041;
inline constexpr int kDragStatus = 1042;
inline constexpr int kBandVelocity = 1050;
inline constexpr int kBandCoefficient = 1060;
inline constexpr int kZeroConditions = 1065;
inline constexpr int kZeroTemperature = 1066;
inline constexpr int kZeroPressure = 1067;
inline constexpr int kZeroHumidity = 1068;
inline constexpr int kZeroPowderTemperature = 1069;
inline constexpr int kAerodynamicJump = 1070;
// A wind zone's three edits are these plus its row.
inline constexpr int kZoneUntil = 1071;
inline constexpr int kZoneSpeed = 1076;
inline constexpr int kZoneDirection = 1081;
inline constexpr int kDiameterInUse = 1086;
inline constexpr int kTruing = 1090;
inline constexpr int kClose = 1091;
}  // namespace AdvancedIds

// The Truing window; an observation's cells are kFirstCell + 10 * row + column, the columns
// in the order of the observation CSV (range_yd first).
namespace TruingIds {
inline constexpr int kTemplate = 159;
inline constexpr int kFitChoice = 1090;
inline constexpr int kLoadCsv = 1091;
inline constexpr int kSaveCsv = 1092;
inline constexpr int kFit = 1093;
inline constexpr int kApply = 1094;
inline constexpr int kClearTruing = 1095;
inline constexpr int kFitted = 1096;
inline constexpr int kResiduals = 1097;
inline constexpr int kChart = 1098;
inline constexpr int kStatus = 1099;  // what Apply or Clear Truing did
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kFirstCell = 1100;
inline constexpr int kRows = 12;
inline constexpr int kColumns = 9;
constexpr int cell(int row, int column) { return kFirstCell + 10 * row + column; }
}  // namespace TruingIds

// The Field Card window.
namespace FieldCardIds {
inline constexpr int kTemplate = 161;
inline constexpr int kRanges = 1001;
inline constexpr int kTargets = 1002;
inline constexpr int kWinds = 1003;
inline constexpr int kTemperatures = 1004;
inline constexpr int kAngle = 1005;
inline constexpr int kLayout = 1006;
inline constexpr int kUnits = 1007;
inline constexpr int kVelocity = 1008;
inline constexpr int kTime = 1009;
inline constexpr int kEnergy = 1010;
inline constexpr int kSheet = 1011;
inline constexpr int kPreview = 1020;
inline constexpr int kMessage = 1021;
inline constexpr int kPrint = 1030;
inline constexpr int kPrintPreview = 1031;
inline constexpr int kPrintSetup = 1032;
inline constexpr int kExport = 1033;
inline constexpr int kClose = 1034;
inline constexpr int kSightLadder = 1012;
inline constexpr int kSightPicture = 1035;
}  // namespace FieldCardIds

// The Hit Probability window.
namespace HitProbabilityIds {
inline constexpr int kTemplate = 160;
inline constexpr int kVelocitySd = 1001;
inline constexpr int kCoefficientSd = 1002;
inline constexpr int kRangeSd = 1003;
inline constexpr int kRangeSdUnit = 1004;
inline constexpr int kWindSd = 1005;
inline constexpr int kWindDirectionSd = 1006;
inline constexpr int kPrecision = 1007;
inline constexpr int kPrecisionKind = 1008;
inline constexpr int kGroupShots = 1009;
inline constexpr int kCantSd = 1010;
inline constexpr int kTargetShape = 1011;
inline constexpr int kTargetWidth = 1012;
inline constexpr int kTargetHeight = 1013;
inline constexpr int kLevel = 1014;
inline constexpr int kRuns = 1015;
inline constexpr int kConversion = 1019;
inline constexpr int kTargetFigure = 1020;
inline constexpr int kEthicalRange = 1021;
inline constexpr int kMisses = 1022;
inline constexpr int kTable = 1023;
inline constexpr int kScatter = 1024;
inline constexpr int kProgress = 1025;
inline constexpr int kMessage = 1026;
inline constexpr int kAssumed = 1027;
inline constexpr int kClose = 1030;
inline constexpr int kOk = 1031;
inline constexpr int kSightPicture = 1032;
}  // namespace HitProbabilityIds

// The Library window.
namespace LibraryIds {
inline constexpr int kTemplate = 166;
inline constexpr int kFolder = 1001;
inline constexpr int kChooseFolder = 1002;
inline constexpr int kFilter = 1003;
inline constexpr int kTree = 1004;
inline constexpr int kStatus = 1005;
inline constexpr int kOpen = 1010;
inline constexpr int kSaveCurrent = 1011;
inline constexpr int kDuplicate = 1012;
inline constexpr int kRename = 1013;
inline constexpr int kMoveToRifle = 1014;
inline constexpr int kDelete = 1015;
inline constexpr int kImport = 1016;
inline constexpr int kExport = 1017;
inline constexpr int kFromChronograph = 1018;  // kept for the chronograph's command
inline constexpr int kClose = 1019;
}  // namespace LibraryIds

// The Sight Picture window.
namespace SightPictureIds {
inline constexpr int kTemplate = 175;
inline constexpr int kReticle = 1001;
inline constexpr int kReticleFile = 1002;
inline constexpr int kMagnification = 1003;
inline constexpr int kTrueAt = 1004;
inline constexpr int kHoldMode = 1005;
inline constexpr int kZeroRange = 1006;
inline constexpr int kRanges = 1007;
inline constexpr int kWinds = 1008;
inline constexpr int kPreview = 1020;
inline constexpr int kMessage = 1021;
inline constexpr int kWords = 1022;
inline constexpr int kPrint = 1030;
inline constexpr int kPrintPreview = 1031;
inline constexpr int kExport = 1032;
inline constexpr int kClose = 1033;
}  // namespace SightPictureIds

// The Units dialog (View > Units): a preset and a unit per quantity, in the order of Quantity.
namespace UnitsIds {
inline constexpr int kTemplate = 180;
inline constexpr int kImperial = 1001;
inline constexpr int kMetric = 1002;
inline constexpr int kFirstUnit = 1010;  // kFirstUnit + the quantity's number
inline constexpr int kOk = 1030;
inline constexpr int kCancel = 1031;
}  // namespace UnitsIds

}  // namespace vorlan
