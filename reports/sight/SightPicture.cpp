#include "reports/sight/SightPicture.h"

#include <algorithm>
#include <cmath>

#include "engine/Catalogue.h"
#include "reports/card/FieldCard.h"
#include "shot/CLocaleNumbers.h"
#include "shot/TextNumbers.h"

namespace vorlan {

namespace {

bool metric(const SightRequest& r) { return r.units == UnitSystem::Metric; }
double targetRange(const ShotParameters& shot, const SightRequest& r) {
    return metric(r) ? yardsToMetres(shot.targetRange) : shot.targetRange;
}

// The card of the picture's ranges (each a named target, so the rows are exactly these) and
// winds, in the reticle's unit.
FieldCardRequest cardRequest(const SightRequest& r, double target) {
    FieldCardRequest card;
    card.step = 0.0;
    card.units = r.units;
    card.angle = r.reticle.unit == AngleUnit::Mil ? CardAngle::Mil : CardAngle::Moa;
    card.winds = r.winds.empty() && !r.ranges.empty() ? std::vector<double>{0.0} : r.winds;
    card.windUnit = r.windUnit;
    std::vector<double> ranges = r.ranges;
    ranges.push_back(target);
    if (r.mode == HoldMode::DialZero) ranges.push_back(r.zeroRange);
    std::sort(ranges.begin(), ranges.end());
    ranges.erase(std::unique(ranges.begin(), ranges.end()), ranges.end());
    for (const double range : ranges) card.targets.push_back({cFormat("%g", range), range});
    return card;
}

const FieldCardRow* rowAt(const FieldCard& card, double range) {
    for (const FieldCardRow& row : card.rows)
        if (row.range == range) return &row;
    return nullptr;
}

// A range as the shooter says it: whole, or to a tenth ("45.7 m", "300 m").
std::string rangeText(double range) {
    std::string text = cFormat("%.1f", range);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    return text;
}

std::string figure(double value) { return cardAngleCell(std::fabs(value), CardAngle::Mil); }

// "1.2 up, 0.4 left"; empty when both round to nothing.
std::string holdWords(double up, double right) {
    const std::string upWords =
        figure(up) == "0.0" ? std::string() : translated(up > 0 ? N_("%1 up") : N_("%1 down"), {figure(up)});
    const std::string rightWords = figure(right) == "0.0"
                                       ? std::string()
                                       : translated(right > 0 ? N_("%1 right") : N_("%1 left"), {figure(right)});
    if (upWords.empty() || rightWords.empty()) return upWords + rightWords;
    return translated("%1, %2", {upWords, rightWords});
}

std::string dialWords(double elevation, const std::string& unit) {
    if (elevation < 0 && figure(elevation) != "0.0") return translated("%1 %2 down", {figure(elevation), unit});
    return figure(elevation) + " " + unit;
}

// The words of a point: what to hold, or, beyond the reach, what to dial first.
std::string pointWords(const AimPoint& p, bool beyondUp, bool beyondRight, double elevation, double trueRight,
                       const std::string& unit) {
    if (!p.beyond) {
        const std::string hold = holdWords(p.up, p.right);
        return hold.empty() ? translated("hold the centre") : translated("hold %1", {hold});
    }
    std::string dial = beyondUp ? dialWords(elevation, unit) : "";
    if (beyondRight) {
        const std::string side =
            translated(trueRight > 0 ? N_("%1 %2 right") : N_("%1 %2 left"), {figure(trueRight), unit});
        dial = dial.empty() ? side : translated("%1 and %2", {dial, side});
    }
    const std::string hold = holdWords(beyondUp ? 0.0 : p.up, beyondRight ? 0.0 : p.right);
    return hold.empty() ? translated("dial %1", {dial}) : translated("dial %1, then hold %2", {dial, hold});
}

std::string modeWords(const SightRequest& r, const std::optional<double>& dial, double target, const std::string& unit,
                      const std::string& rangeUnit) {
    if (r.mode == HoldMode::HoldAll) return translated("Hold everything");
    const double range = r.mode == HoldMode::DialZero ? r.zeroRange : target;
    const std::string where = rangeText(range);
    if (!dial) return translated("The bullet does not reach %1 %2", {where, rangeUnit});
    if (r.mode == HoldMode::DialZero)
        return translated("Dial the zero at %1 %2 (%3), hold the rest", {where, rangeUnit, dialWords(*dial, unit)});
    return translated("Dial the elevation (%1 for %2 %3), hold the wind", {dialWords(*dial, unit), where, rangeUnit});
}

// The point of a hold (true, in the reticle's unit) on the picture's reticle, less what is dialled.
AimPoint aimPoint(const SightPicture& picture, double range, std::optional<double> wind, double elevation,
                  double right) {
    const Reticle& reticle = picture.reticle;
    AimPoint p;
    p.range = range;
    p.wind = wind;
    p.up = (elevation - picture.dial.value_or(0.0)) / picture.scale;
    p.right = right / picture.scale;
    const bool beyondUp = std::fabs(p.up) > reticle.reach;
    const bool beyondRight = std::fabs(p.right) > reticle.reach;
    p.beyond = beyondUp || beyondRight;
    if (p.beyond) p.dial = beyondUp ? elevation : right;
    p.label = rangeText(range) + (p.beyond ? " (" + figure(p.dial) + ")" : "");
    p.x = std::clamp(-p.right, -reticle.reach, reticle.reach);
    p.y = std::clamp(-p.up, -reticle.reach, reticle.reach);
    p.words = pointWords(p, beyondUp, beyondRight, elevation, right, std::string(angleUnitName(reticle.unit)));
    return p;
}

}  // namespace

std::string sightRequestProblem(const SightRequest& r) {
    const auto bad = [](double m) { return !(m >= 1.0 && m <= kSightMaxMagnification); };
    if (bad(r.magnification) || (r.trueMagnification && bad(*r.trueMagnification)))
        return translated("A magnification must be from 1 to %1.", {cShowDouble(kSightMaxMagnification)});
    if (r.ranges.size() > kSightMaxRanges)
        return translated("A picture holds at most %1 ranges.", {std::to_string(kSightMaxRanges)});
    FieldCardRequest card = cardRequest(r, 1.0);
    return cardRequestProblem(card);
}

SightPicture sightPicture(const ShotParameters& shot, const SightRequest& r) {
    SightPicture picture;
    picture.reticle = r.reticle;
    if (r.trueMagnification) {
        picture.reticle.plane = FocalPlane::Second;
        picture.reticle.trueMagnification = *r.trueMagnification;
    }
    picture.magnification = r.magnification;
    const Reticle& reticle = picture.reticle;
    picture.scale = reticle.plane == FocalPlane::Second ? reticle.trueMagnification / r.magnification : 1.0;
    picture.rangeUnit = metric(r) ? "m" : "yd";
    const double target = targetRange(shot, r);
    const FieldCard card = fieldCard(shot, cardRequest(r, target));
    picture.windUnit = unitOf(Quantity::Speed, cardWindUnit(card.request)).label;
    picture.flightEnd = card.flightEnd;
    const FieldCardRow* dialled = rowAt(card, r.mode == HoldMode::DialZero ? r.zeroRange : target);
    if (r.mode != HoldMode::HoldAll && dialled && dialled->elevation) picture.dial = dialled->elevation;
    picture.modeWords = modeWords(r, picture.dial, target, std::string(angleUnitName(reticle.unit)), picture.rangeUnit);

    const auto add = [&picture](double range, std::optional<double> wind, const std::optional<double>& elevation,
                                const std::optional<double>& right) {
        if (elevation && right) picture.points.push_back(aimPoint(picture, range, wind, *elevation, *right));
    };
    if (const FieldCardRow* row = rowAt(card, target)) add(target, std::nullopt, row->elevation, row->windage);
    // The ladder: every range of the list with each wind; winds alone dot the target range.
    for (const double range : r.ranges.empty() ? std::vector<double>{target} : r.ranges) {
        const FieldCardRow* row = rowAt(card, range);
        for (std::size_t w = 0; row && w < row->winds.size(); ++w)
            add(range, card.request.winds[w], row->elevation, row->winds[w]);
    }
    return picture;
}

std::optional<SightPicture> cardLadder(const ShotParameters& shot, const FieldCard& card, const Reticle& reticle,
                                       std::string& problem, std::optional<double> magnification,
                                       std::optional<double> trueMagnification) {
    SightRequest request;
    request.reticle = reticle;
    request.units = card.request.units;
    request.winds = card.request.winds;
    request.windUnit = card.request.windUnit;
    request.mode = HoldMode::HoldAll;
    request.trueMagnification = trueMagnification;
    if (reticle.plane == FocalPlane::Second || trueMagnification)
        request.magnification = trueMagnification.value_or(reticle.trueMagnification);
    if (magnification) request.magnification = *magnification;
    for (const FieldCardRow& row : card.rows)
        if (std::find(request.ranges.begin(), request.ranges.end(), row.range) == request.ranges.end())
            request.ranges.push_back(row.range);
    problem = sightRequestProblem(request);
    if (!problem.empty()) return std::nullopt;
    return sightPicture(shot, request);
}

std::string sightCsv(const SightPicture& picture) {
    const std::string unit = picture.reticle.unit == AngleUnit::Mil ? "mil" : "moa";
    const std::string wind = picture.windUnit == "mph" ? "mph" : picture.windUnit == "km/h" ? "kmh" : "mps";
    std::string text = "range_" + picture.rangeUnit + ",wind_" + wind + ",up_" + unit + ",right_" + unit + "\n";
    for (const AimPoint& p : picture.points)
        text += cFormat("%g,", p.range) + (p.wind ? cFormat("%g", *p.wind) : "shot") + "," + cardNumberCell(p.up, 2) +
                "," + cardNumberCell(p.right, 2) + "\n";
    return text;
}

std::string sightText(const SightPicture& picture) {
    std::string text = picture.modeWords + "\n";
    for (const AimPoint& p : picture.points)
        text += (p.wind ? translated("%1 %2, %3 %4 wind: %5", {rangeText(p.range), picture.rangeUnit,
                                                               cShowDouble(*p.wind), picture.windUnit, p.words})
                        : translated("%1 %2, the shot's wind: %3", {rangeText(p.range), picture.rangeUnit, p.words})) +
                "\n";
    return text;
}

std::optional<HoldMode> parseHoldMode(std::string_view text, double& zeroRange) {
    if (text == "wind") return HoldMode::DialElevation;
    if (text == "all") return HoldMode::HoldAll;
    if (text.substr(0, 5) != "over:") return std::nullopt;
    const std::optional<double> range = wholeNumber(text.substr(5));
    if (!range || !(*range > 0.0)) return std::nullopt;
    zeroRange = *range;
    return HoldMode::DialZero;
}

}  // namespace vorlan
