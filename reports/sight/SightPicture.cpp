#include "reports/sight/SightPicture.h"

#include <algorithm>
#include <cmath>

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
    std::vector<std::string> parts;
    if (figure(up) != "0.0") parts.push_back(figure(up) + (up > 0 ? " up" : " down"));
    if (figure(right) != "0.0") parts.push_back(figure(right) + (right > 0 ? " right" : " left"));
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string dialWords(double elevation, const std::string& unit) {
    return figure(elevation) + " " + unit + (elevation < 0 && figure(elevation) != "0.0" ? " down" : "");
}

// The words of a point: what to hold, or, beyond the reach, what to dial first.
std::string pointWords(const AimPoint& p, bool beyondUp, bool beyondRight, double elevation, double trueRight,
                       const std::string& unit) {
    if (!p.beyond) {
        const std::string hold = holdWords(p.up, p.right);
        return hold.empty() ? "hold the centre" : "hold " + hold;
    }
    std::string dial = beyondUp ? dialWords(elevation, unit) : "";
    if (beyondRight)
        dial += (dial.empty() ? "" : " and ") + figure(trueRight) + " " + unit + (trueRight > 0 ? " right" : " left");
    const std::string hold = holdWords(beyondUp ? 0.0 : p.up, beyondRight ? 0.0 : p.right);
    return "dial " + dial + (hold.empty() ? "" : ", then hold " + hold);
}

std::string modeWords(const SightRequest& r, const std::optional<double>& dial, double target, const std::string& unit,
                      const std::string& rangeUnit) {
    if (r.mode == HoldMode::HoldAll) return "Hold everything";
    const double range = r.mode == HoldMode::DialZero ? r.zeroRange : target;
    const std::string where = rangeText(range) + " " + rangeUnit;
    if (!dial) return "The bullet does not reach " + where;
    if (r.mode == HoldMode::DialZero)
        return "Dial the zero at " + where + " (" + dialWords(*dial, unit) + "), hold the rest";
    return "Dial the elevation (" + dialWords(*dial, unit) + " for " + where + "), hold the wind";
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
        return cFormat("A magnification must be from 1 to %g.", kSightMaxMagnification);
    if (r.ranges.size() > kSightMaxRanges) return cFormat("A picture holds at most %zu ranges.", kSightMaxRanges);
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
    picture.windUnit = metric(r) ? "m/s" : "mph";
    const double target = targetRange(shot, r);
    const FieldCard card = fieldCard(shot, cardRequest(r, target));
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
    std::string text = "range_" + picture.rangeUnit + ",wind_" + (picture.windUnit == "mph" ? "mph" : "mps") + ",up_" +
                       unit + ",right_" + unit + "\n";
    for (const AimPoint& p : picture.points)
        text += cFormat("%g,", p.range) + (p.wind ? cFormat("%g", *p.wind) : "shot") + "," + cardNumberCell(p.up, 2) +
                "," + cardNumberCell(p.right, 2) + "\n";
    return text;
}

std::string sightText(const SightPicture& picture) {
    std::string text = picture.modeWords + "\n";
    for (const AimPoint& p : picture.points)
        text += rangeText(p.range) + " " + picture.rangeUnit + ", " +
                (p.wind ? cFormat("%g %s wind", *p.wind, picture.windUnit.c_str()) : "the shot's wind") + ": " +
                p.words + "\n";
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
