#include "reports/table/RangeTable.h"

#include <algorithm>
#include <cmath>

#include "engine/Ballistics.h"
#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "reports/table/TableText.h"
#include "shot/CLocaleNumbers.h"
#include "shot/CaliberDiameter.h"
#include "shot/MetricShotKeys.h"
#include "shot/PrintableText.h"
#include "shot/ShotSetup.h"

namespace vorlan {

namespace {

constexpr double kTinyInches = 0.005;  // values below this print as zero; keep the sign off them

void zeroTiny(double& feet) {
    if (std::fabs(feet * 12.0) < kTinyInches) feet = 0.0;
}

// Characters on screen: tabs expanded, a UTF-8 sequence one character.
std::size_t shownWidth(const std::string& text) { return characterCount(expandTabs(text)); }

}  // namespace

RangeTableReport::RangeTableReport(const ShotParameters& shot)
    : rangeIncrement_(shot.rangeIncrement),
      metricIncrement_(metricRangeIncrement(shot)),
      incrementCount_(shot.incrementCount) {
    setUpTrajectory(table_, shot, kTableCantDivisor);
    setUpTrajectory(reference_, shot, kReferenceCantDivisor);
    reference_.crosswind = 0.0;
    reference_.advanced.calm();
    // Only the reference's row at the sight-in range is read: it is flown no farther.
    const double sightInRow = std::trunc(shot.sightInRange);
    if (sightInRow >= 0.0 && sightInRow < reference_.lastRange)
        reference_.lastRange = static_cast<std::int32_t>(sightInRow);
    table_.computeTrajectory();
    reference_.computeTrajectory();
    correctWindage(table_, reference_, shot.sightInRange);
}

void correctWindage(TrajectorySolver& trajectory, const TrajectorySolver& reference, double sightInRange) {
    const double s = std::trunc(sightInRange);
    if (!(s >= 0.0) || !(s <= trajectory.lastRowIndex) || !(s <= reference.lastRowIndex)) return;
    const std::size_t sightIn = static_cast<std::size_t>(s);
    const double offset = reference.rows[sightIn].windage;
    // Spin drift and the Coriolis drift grow from nothing at the muzzle: a scope turned to take
    // them out at the sight-in range takes out an angle, a share of them growing with range.
    double angular = 0.0;
    if (s > 0.0 && sightIn < reference.effectParts.size())
        angular = reference.effectParts[sightIn].spinDrift + reference.effectParts[sightIn].coriolisHorizontal;
    if (angular == 0.0) {
        for (TrajectoryPoint& row : trajectory.rows) row.windage -= offset;
        return;
    }
    const double constant = offset - angular;
    for (TrajectoryPoint& row : trajectory.rows) row.windage -= constant + angular * (row.range / s);
}

std::string sectionalDensityText(const ShotParameters& shot) {
    // A calibre that reads as inches keeps the designed reading; any other the diameter in use.
    const double leading = cToDouble(shot.caliber);
    const bool inches = leading != 0.0 && std::fabs(leading) < 1.0 && shot.advanced.bulletDiameter <= 0.0;
    const double diameter = inches ? leading : bulletDiameter(shot.advanced.bulletDiameter, shot.caliber).inches;
    const double density = shot.weight / (diameter * diameter * 7000.0);
    return std::isfinite(density) ? cFormat("%.3f", density) : std::string("-----");
}

double shownMuzzleAngle(double elevationRadians) { return cToDouble(cFormat("%0.3f", radiansToMoa(elevationRadians))); }

double RangeTableReport::muzzleAngleMoa() const { return radiansToMoa(table_.muzzleElevation); }

std::vector<TrajectoryPoint> RangeTableReport::printedRows() const { return rowsEvery(rangeIncrement_); }

std::vector<TrajectoryPoint> RangeTableReport::rowsEvery(int step) const {
    std::vector<TrajectoryPoint> printed;
    if (step <= 0) return printed;
    for (std::size_t i = 0; i < table_.rows.size(); i += static_cast<std::size_t>(step)) {
        printed.push_back(printedRow(table_.rows[i]));
    }
    return printed;
}

TrajectoryPoint printedRow(TrajectoryPoint row) {
    zeroTiny(row.windage);
    zeroTiny(row.lead);
    zeroTiny(row.drop);
    return row;
}

void storeZeroedAngle(ShotParameters& shot, const TrajectorySolver& trajectory) {
    if (shot.muzzleAngleCorrection && trajectory.zero == TrajectorySolver::Zero::Settled)
        shot.muzzleAngle = shownMuzzleAngle(trajectory.muzzleElevation);
}

std::vector<EffectParts> RangeTableReport::printedEffectParts() const { return effectPartsEvery(rangeIncrement_); }

std::vector<EffectParts> RangeTableReport::effectPartsEvery(int step) const {
    std::vector<EffectParts> printed;
    if (step <= 0) return printed;
    for (std::size_t i = 0; i < table_.effectParts.size(); i += static_cast<std::size_t>(step))
        printed.push_back(table_.effectParts[i]);
    return printed;
}

namespace {

// One wind zone of the effects line: "10.0 mph from 90 deg. to 500 yd", the last "... beyond".
std::string windZoneText(const WindZone& z, bool last, TableWords words, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    const std::string speed = cFormat("%.1f", metric ? mphToKmh(z.speed) : z.speed);
    const std::string from = cFormat("%.0f", z.direction);
    if (last)
        return words(metric ? N_("%1 km/h from %2 deg. beyond") : N_("%1 mph from %2 deg. beyond"), {speed, from});
    return words(metric ? N_("%1 km/h from %2 deg. to %3 m") : N_("%1 mph from %2 deg. to %3 yd"),
                 {speed, from, cFormat("%.0f", metric ? yardsToMetres(z.until) : z.until)});
}

}  // namespace

std::string effectsLine(const AdvancedEffects& e, double stability, double launchVelocity, double jumpAngle,
                        TableWords words, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    const auto degrees = [metric](double fahrenheit) {
        return cFormat("%.1f", metric ? fahrenheitToCelsius(fahrenheit) : fahrenheit);
    };
    std::string names;
    const auto add = [&names](const std::string& name) { names += (names.empty() ? "" : ", ") + name; };
    if (!e.windZones.empty()) {
        std::string zones;
        for (std::size_t i = 0; i < e.windZones.size(); ++i)
            zones += (i == 0 ? "" : "; ") + windZoneText(e.windZones[i], i + 1 == e.windZones.size(), words, units);
        add(words(N_("winds %1"), {zones}));
    } else if (e.windOn()) {
        add(words(metric ? N_("wind %1 km/h from %2 deg.") : N_("wind %1 mph from %2 deg."),
                  {cFormat("%.1f", metric ? mphToKmh(e.windSpeed) : e.windSpeed), cFormat("%.0f", e.windDirection)}));
    }
    if (e.spinDriftOn())
        add(words(
            e.leftTwist ? N_("spin drift (1:%1 left, stability %2)") : N_("spin drift (1:%1 right, stability %2)"),
            {cFormat("%g", e.twistRate), cFormat("%.2f", stability)}));
    if (e.jumpOn()) add(words(N_("aerodynamic jump %1 moa"), {cFormat("%.2f", radiansToMoa(jumpAngle))}));
    if (e.coriolis)
        add(words(N_("Coriolis (lat. %1, az. %2 deg.)"), {cFormat("%.1f", e.latitude), cFormat("%.1f", e.azimuth)}));
    if (e.powderOn())
        add(words(metric ? N_("powder %1 C: %2 m/s") : N_("powder %1 F: %2 ft/sec"),
                  {degrees(e.powderTemperature),
                   cFormat("%.1f", metric ? fpsToMetresPerSecond(launchVelocity) : launchVelocity)}));
    if (e.customDragOn()) add(words(N_("custom drag (%1 points)"), {std::to_string(e.customDrag.size())}));
    if (e.bcBandsOn()) add(words(N_("%1 BC bands"), {std::to_string(e.bcBands.size())}));
    if (e.zeroConditions)
        add(words(metric ? N_("zeroed at %1 C, %2 hPa, %3 %, powder %4 C")
                         : N_("zeroed at %1 F, %2 in. Hg, %3 %, powder %4 F"),
                  {degrees(e.zeroTemperature),
                   metric ? cFormat("%.1f", inchesHgToHectopascals(e.zeroPressure)) : cFormat("%.2f", e.zeroPressure),
                   cFormat("%.0f", e.zeroHumidity), degrees(e.zeroPowderTemperature)}));
    return names.empty() ? names : words(N_("Effects:\t%1"), {names});
}

std::string effectsLine(const TrajectorySolver& trajectory, TableWords words, UnitSystem units) {
    return effectsLine(trajectory.advanced, trajectory.stability, trajectory.launchVelocity, trajectory.jumpAngle,
                       words, units);
}

std::string effectsLine(const ShotParameters& shot, TableWords words, UnitSystem units) {
    const AdvancedEffects effects = shotAdvancedEffects(shot);
    const double stability = shotStability(shot);
    const double jump = aerodynamicJumpMoa(effects, stability, muzzleCrosswind(effects, shot.crosswind));
    const std::string line = effectsLine(effects, stability, powderAdjustedVelocity(effects, shot.velocity),
                                         moaToRadians(jump), words, units);
    // The range table names a truing on a line of its own; a calculation names it here.
    if (!effects.dragScaleOn()) return line;
    const std::string trued = words(N_("trued drag scale %1"), {dragScaleSpan(effects.dragScale)});
    return line.empty() ? words(N_("Effects:\t%1"), {trued}) : line + ", " + trued;
}

std::string coefficientText(const ShotParameters& shot) {
    const std::string drag(dragFunctionName(shot.dragFunction));
    const AdvancedEffects& e = shot.advanced;
    if (e.customDragOn() && e.bcBandsOn()) return cFormat("custom table, %zu bands", e.bcBands.size());
    if (e.customDragOn()) return cFormat("%-.4f (custom table)", shot.ballisticCoefficient);
    if (e.bcBandsOn()) return cFormat("%zu bands (%2s)", e.bcBands.size(), drag.c_str());
    return cFormat("%-.4f (%2s)", shot.ballisticCoefficient, drag.c_str());
}

std::string coefficientNote(const ShotParameters& shot) {
    const AdvancedEffects& e = shot.advanced;
    if (!e.customDragOn() && !e.bcBandsOn()) return {};
    const std::string what = e.customDragOn() && e.bcBandsOn() ? "custom drag table and BC bands decide"
                             : e.customDragOn()                ? "custom drag table decides"
                                                               : "BC bands decide";
    return "This coefficient belongs to the " + std::string(dragFunctionName(shot.dragFunction)) +
           " function; the shot's " + what + " its flight.";
}

std::string truingLine(const TrajectorySolver& trajectory, TableWords words, UnitSystem units) {
    if (!trajectory.advanced.dragScaleOn()) return {};
    const bool metric = units == UnitSystem::Metric;
    return words(metric ? N_("Trued: velocity %1 m/s, drag scale %2") : N_("Trued: velocity %1 ft/s, drag scale %2"),
                 {cFormat("%.0f", metric ? fpsToMetresPerSecond(trajectory.muzzleVelocity) : trajectory.muzzleVelocity),
                  dragScaleSpan(trajectory.advanced.dragScale)});
}

void forEachEffectsLine(const TrajectorySolver& trajectory, const std::function<void(std::string&&)>& take,
                        TableWords words, UnitSystem units) {
    for (const std::string& line : {effectsLine(trajectory, words, units), truingLine(trajectory, words, units)})
        if (!line.empty())
            for (std::string& part : wrappedHeaderLine(line)) take(std::move(part));
}

std::vector<std::string> wrappedHeaderLine(const std::string& line) {
    static const std::string kGoesOn = "\t\t";
    // What a line breaks between: the items of the list (at ", " outside brackets), or the
    // words of an item too long for a line of its own.
    std::vector<std::string> units;
    std::string item;
    int depth = 0;
    const auto endItem = [&] {
        if (shownWidth(kGoesOn + item) <= kHeaderLineWidth) {
            units.push_back(item);
        } else {
            for (std::size_t start = 0; start <= item.size();) {
                const std::size_t end = std::min(item.find(' ', start), item.size());
                units.push_back(item.substr(start, end - start));
                start = end + 1;
            }
        }
        item.clear();
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        depth += line[i] == '(' ? 1 : line[i] == ')' ? -1 : 0;
        if (depth == 0 && line.compare(i, 2, ", ") == 0) {
            item += ',';
            endItem();
            ++i;  // the blank goes with the break
        } else {
            item += line[i];
        }
    }
    endItem();
    std::vector<std::string> lines{units.front()};
    for (std::size_t i = 1; i < units.size(); ++i) {
        if (shownWidth(lines.back() + ' ' + units[i]) <= kHeaderLineWidth)
            lines.back() += ' ' + units[i];
        else
            lines.push_back(kGoesOn + units[i]);
    }
    return lines;
}

void writeBackMuzzleAngle(ShotParameters& shot, const RangeTableReport& report) {
    storeZeroedAngle(shot, report.tableTrajectory());
}

std::string zeroWarning(const ShotParameters& shot, const TrajectorySolver& trajectory) {
    const std::string range = cFormat("%g", shot.sightInRange);
    switch (trajectory.zero) {
        case TrajectorySolver::Zero::NotReached:
            return translated(
                "The bullet does not reach the sight-in range of %1 yd, so the shot could not be zeroed there. The "
                "muzzle angle is left as it was.",
                {range});
        case TrajectorySolver::Zero::NotSettled:
            return translated(
                "The zero at the sight-in range of %1 yd did not settle after %2 passes. The muzzle angle is left as "
                "it "
                "was.",
                {range, std::to_string(TrajectorySolver::kMaxZeroPasses)});
        default:
            return {};
    }
}

// " %4.0f%10.2f%12.1f%11.1f%11.4f%10.2f%10.1f%9.3f%11.2f", with "      -----" as the
// elevation of the muzzle row. Built piece by piece: printf would dominate a long table's time.
std::string rangeTableRow(const TrajectoryPoint& row) {
    const double dropInches = row.drop * 12.0;
    std::string text = " ";
    text.reserve(90);
    appendFixed(text, row.range, 4, 0);
    appendFixed(text, dropInches, 10, 2);
    appendFixed(text, row.velocity, 12, 1);
    appendFixed(text, row.energy, 11, 1);
    appendFixed(text, row.momentum, 11, 4);
    appendFixed(text, row.windage * 12.0, 10, 2);
    appendFixed(text, row.lead * 12.0, 10, 1);
    appendFixed(text, row.time, 9, 3);
    if (row.range > 0.0)
        appendFixed(text, dropInches / (row.range / 100.0), 11, 2);
    else
        text += "      -----";
    return text;
}

std::vector<std::string> shotHeaderLines(const ShotParameters& shot, const RangeTableReport& report, TableWords words) {
    const double density = report.airDensity();
    return {
        words(N_("BC:\t\t%1\tTemperature:\t%2 degrees\tCant Angle:\t%3 deg."),
              {coefficientText(shot), cFormat("%5.1f", shot.temperature), cFormat("%6.1f", shot.cantAngle)}),
        words(N_("Weight:\t\t%1 grains\tHumidity:\t%2 %\t\tSight-In Range:\t%3 yd."),
              {cFormat("%-.1f", shot.weight), cFormat("%5.0f", shot.relativeHumidity),
               cFormat("%6.0f", shot.sightInRange)}),
        words(N_("Caliber:\t%1\t\tPressure:\t%2 in. %3\tMuzzle Angle:%4 moa"),
              {cFormat("%-4s", shot.caliber.c_str()), cFormat("%5.2f", shot.pressure),
               shot.stationPressure ? words(N_("(stn)")) : "", cFormat("%9.3f", report.muzzleAngleMoa())}),
        words(
            N_("Sight Height:\t%1 inches\tCrosswind:\t%2 mph\tTargetSpeed:\t%3 mph"),
            {cFormat("%.2f", shot.sightHeight), cFormat("%5.1f", shot.crosswind), cFormat("%6.1f", shot.targetSpeed)}),
        words(
            N_("LOS Angle:\t%1 degrees\tAltitude:\t%2 ft.\tTarget Angle:\t%3 deg."),
            {cFormat("%.1f", shot.losAngle), cFormat("%5.0f", shot.altitude), cFormat("%6.1f", shot.targetDirection)}),
        words(N_("Sect. Density:\t%1\t\tAir Density:   %2 lb./ft.^3"),
              {sectionalDensityText(shot), cFormat("%6.4f", density)}),
        seaLevelDensityLine(density, words),
    };
}

std::string seaLevelDensityLine(double density, TableWords words) {
    return words(N_("\t\t\t\tAir Density:\t%1 % of Sea Level"), {cFormat("%5.1f", density / kStandardDensity * 100.0)});
}

std::string tableNameLine(const ShotParameters& shot, TableWords words) {
    return words(N_("Name: %1"), {shot.name}) + "\r\n";
}

namespace {

// 1699 -> "1,699".
std::string withThousands(long long yards) {
    std::string digits = std::to_string(yards);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0 && digits[static_cast<std::size_t>(i) - 1] != '-'; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

// A range in metres to a tenth, as the metric view's range column reads: "1,553.6", "1,550".
std::string metresText(double yards) {
    const long long tenths = std::llround(yardsToMetres(yards) * 10.0);
    std::string text = withThousands(tenths / 10);
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text;
}

// Why a flight that reached rows stopped short, each told in yards and in metres.
enum FlightEnd { kStopped, kFell, kSlowed, kNotComputed };
constexpr const char* kEndNotes[][2] = {
    {N_("Table ends at %1 yd: the bullet all but stopped within the next yard after %2 yd."),
     N_("Table ends at %1 m: the bullet all but stopped within the next metre after %2 m.")},
    {N_("Table ends at %1 yd: the bullet fell more than 1,999.9 in. below the line of sight after %2 yd."),
     N_("Table ends at %1 m: the bullet fell more than 50.8 m below the line of sight after %2 m.")},
    {N_("Table ends at %1 yd: the bullet slowed below %3 ft/s after %2 yd."),
     N_("Table ends at %1 m: the bullet slowed below %3 m/s after %2 m.")},
    {N_("Table ends at %1 yd: the flight was not computed further (the zero was not found) after %2 yd."),
     N_("Table ends at %1 m: the flight was not computed further (the zero was not found) after %2 m.")},
};

FlightEnd flightEnd(const TrajectorySolver& flight) {
    if (flight.stoppedInFlight) return kStopped;
    // The march stopped at the next yard: by the limit that the last yard's pace would cross first.
    const auto last = static_cast<std::size_t>(flight.lastRowIndex);
    const TrajectoryPoint& end = flight.rows[last];
    const TrajectoryPoint& before = flight.rows[last > 0 ? last - 1 : 0];
    const double speedYards = (end.velocity - kMinimumSpeed) / std::max(before.velocity - end.velocity, 1e-9);
    const double dropYards = (end.drop - TrajectorySolver::kLowestDrop) / std::max(before.drop - end.drop, 1e-9);
    constexpr double kNear = 2.0;  // yards: a limit this close to the last yard is the one crossed
    if (dropYards <= kNear && dropYards <= speedYards) return kFell;
    if (speedYards <= kNear) return kSlowed;
    return kNotComputed;
}

}  // namespace

std::string tableEndNote(const ShotParameters& shot, const RangeTableReport& report, TableWords words,
                         UnitSystem units) {
    const int step = report.rangeIncrement();
    if (step <= 0) return {};
    const TrajectorySolver& flight = report.tableTrajectory();
    const long long last = flight.lastRowIndex;
    const bool metric = units == UnitSystem::Metric;
    // A metric view of an increment typed in metres has rows of its own, and ends where they do.
    const bool ownRows = metric && metricRangeIncrement(shot) > 0.0;
    const std::vector<TrajectoryPoint> metricRows =
        ownRows ? report.printedRows(units) : std::vector<TrajectoryPoint>();
    if (ownRows ? metricRows.size() > static_cast<std::size_t>(shot.incrementCount)
                : last >= static_cast<long long>(shot.incrementCount) * step)
        return {};
    const double slowest = metric ? fpsToMetresPerSecond(kMinimumSpeed) : kMinimumSpeed;
    if (last < 0 || flight.rows.empty())
        return words(metric ? N_("Table has no rows: the bullet starts slower than %1 m/s.")
                            : N_("Table has no rows: the bullet starts slower than %1 ft/s."),
                     {cFormat("%g", slowest)});
    const long long lastRow = last / step * step;
    const std::string ends = !metric   ? withThousands(lastRow)
                             : ownRows ? metresText(metricRows.empty() ? 0.0 : metricRows.back().range)
                                       : metresText(static_cast<double>(lastRow));
    const std::string after = metric ? metresText(static_cast<double>(last)) : withThousands(last);
    return words(kEndNotes[flightEnd(flight)][metric ? 1 : 0], {ends, after, cFormat("%g", slowest)});
}

void forEachRangeTableLine(const ShotParameters& shot, const RangeTableReport& report,
                           const std::function<void(std::string&&)>& take, TableWords words) {
    take(tableNameLine(shot, words));
    for (std::string& line : shotHeaderLines(shot, report, words)) take(std::move(line));
    // Effects beyond the designed flight get one line after the air density.
    forEachEffectsLine(report.tableTrajectory(), take, words);
    // So does the reason a table ends before its last increment.
    if (std::string end = tableEndNote(shot, report, words); !end.empty()) take(std::move(end));
    std::string footer[] = {
        "",
        "",
        "",
        // For translators: the column headings stand over fixed columns of figures; end each
        // word where the English one ends.
        words(N_(" Range     Drop     Velocity    Energy    Momentum   Windage     Lead     Time   Elevation")),
        // For translators: the units under the column headings; end each where the English one ends.
        words(N_("(Yards)  (inches)   (ft/sec)   (ft-lbs)   (lb-sec)   (inches)  (inches)  (secs)    (moa)")),
        "",
    };
    for (std::string& line : footer) take(std::move(line));
    for (const TrajectoryPoint& row : report.printedRows()) take(rangeTableRow(row));
    take(std::string());
}

std::vector<std::string> rangeTableLines(const ShotParameters& shot, const RangeTableReport& report, TableWords words) {
    std::vector<std::string> lines;
    forEachRangeTableLine(
        shot, report, [&](std::string&& line) { lines.push_back(std::move(line)); }, words);
    return lines;
}

}  // namespace vorlan
